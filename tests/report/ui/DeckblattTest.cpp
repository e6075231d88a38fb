// The cover-sheet window, opened through the window hub over a data folder
// of its own: a new cover written with bold text and saved, the match's
// cover shown at opening, deleting, the name from the touch keyboard, and
// printing into a PDF file through the print dialog's seam.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Drucker.h"
#include "core/ui/Keyb.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/ui/Deckblatt.h"
#include "report/ui/Fensterregistrierung.h"
#include "support/Cupsserver.h"
#include "support/Dateien.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <tuple>

namespace {

class DeckblattFenster : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        deckblattZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ASSERT_TRUE(QDir().mkpath(Datenverzeichnis));
        ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt.inf", "kein Deckblatt\r\nHeim\r\nLiga\r\n"));
        ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt1.txt", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
                                                                     "\\f0\\fs20 Heimtext\\par}"));
        ReportFensterRegistrieren(hub);
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        deckblattZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    bool oeffnen(const std::function<void(TDeckblatt&)>& handeln)
    {
        return ImDialog<TDeckblatt>(hub, [] { return fenster().dialog(Dialog::Deckblatt); }, handeln);
    }

    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

void Waehlen(QComboBox* c, int index)
{
    c->setCurrentIndex(index);
    emit c->activated(index);
}

// The text runs of the editor: text and whether it is bold.
std::vector<std::pair<QString, bool>> Laeufe(const QTextEdit* e)
{
    std::vector<std::pair<QString, bool>> l;
    for (QTextBlock b = e->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            l.emplace_back(it.fragment().text(), it.fragment().charFormat().fontWeight() > QFont::Medium);
    return l;
}

TEST_F(DeckblattFenster, NewCoverWithBoldTextIsSavedAndShownAgain)
{
    EXPECT_TRUE(oeffnen([](TDeckblatt& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Fax Deckblatt"));
        EXPECT_EQ(d.CTexte->currentIndex(), 0);
        EXPECT_FALSE(d.REFormular->isVisible());
        EXPECT_FALSE(d.BtnSpeichern->isVisible());

        Waehlen(d.CTexte, 1);
        EXPECT_TRUE(d.REFormular->isVisible());
        EXPECT_EQ(d.REFormular->toPlainText(), QStringLiteral("Heimtext"));

        d.CTexte->lineEdit()->selectAll();
        Tippen(d.CTexte->lineEdit(), QStringLiteral("Pokal"));
        d.BtnGruppeNeu->click();
        EXPECT_EQ(std::tuple(d.CTexte->currentIndex(), d.CTexte->currentText(), d.REFormular->toPlainText()),
                  std::tuple(2, QStringLiteral("Pokal"), QString()));
        EXPECT_TRUE(d.BtnSpeichern->isVisible());

        Tippen(d.REFormular, QStringLiteral("Hallo "));
        d.SBtnFett->click();
        EXPECT_TRUE(d.SBtnFett->isChecked());
        Tippen(d.REFormular, QStringLiteral("Welt"));
        if (const QString ordner = qEnvironmentVariable("CORVALINK_BILDER"); !ordner.isEmpty())
            d.grab().save(QDir(ordner).filePath(QStringLiteral("deckblatt.png")));
        d.BtnSpeichern->click();
        d.BtnZurueck->click();
    }));
    EXPECT_EQ(DateiInhalt(QDir(Datenverzeichnis).filePath("Deckblatt.inf")),
              QByteArray("kein Deckblatt\r\nHeim\r\nPokal\r\nLiga\r\n"));

    // Without a match the window opens on the cover shown last.
    EXPECT_TRUE(oeffnen([](TDeckblatt& d) {
        EXPECT_EQ(d.CTexte->currentText(), QStringLiteral("Pokal"));
        EXPECT_EQ(Laeufe(d.REFormular), (std::vector<std::pair<QString, bool>>{{QStringLiteral("Hallo "), false},
                                                                               {QStringLiteral("Welt"), true}}));
        d.BtnZurueck->click();
    }));
}

TEST_F(DeckblattFenster, OpensOnTheMatchsFaxCoverAndDeletes)
{
    AktWettkampf = &Wettkaempfe[1];
    WettkampfBelegt[1] = 1;
    Wettkaempfe[1].FaxDeckblatt = 2;
    Einst.EmailDeckblatt = 2;

    oeffnen([](TDeckblatt& d) {
        // Cover 2 has no text file: an empty editor.
        EXPECT_EQ(d.CTexte->currentText(), QStringLiteral("Liga"));
        EXPECT_TRUE(d.REFormular->isVisible());
        EXPECT_TRUE(d.REFormular->document()->isEmpty());

        Waehlen(d.CTexte, 1);
        d.BtnGruppeLoeschen->click();
        EXPECT_EQ(d.CTexte->count(), 2);
        EXPECT_EQ(d.CTexte->currentIndex(), 0);
        EXPECT_FALSE(d.REFormular->isVisible());
        d.BtnGruppeLoeschen->click();  // entry 0 stays
        EXPECT_EQ(d.CTexte->count(), 2);
    });
    EXPECT_FALSE(QFile::exists(QDir(Datenverzeichnis).filePath("Deckblatt1.txt")));
    EXPECT_EQ(std::tuple(Wettkaempfe[1].FaxDeckblatt, Einst.EmailDeckblatt), std::tuple(u8(1), u8(1)));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// In touch mode the keyboard gives the new cover its name (field 180).
TEST_F(DeckblattFenster, TouchKeyboardNamesTheNewCover)
{
    TouchEingabe = 1;
    TKeyb* k = Keyb();
    bool gesehen = false;
    oeffnen([&](TDeckblatt& d) {
        QTimer::singleShot(0, qApp, [&] {
            gesehen = k->isVisible();
            EXPECT_EQ(std::tuple(Feldcode, k->LText->text(), k->EText->text()),
                      std::tuple(u16(180), QStringLiteral("Name des Deckblatts:"), QString()));
            for (char c : {'C', 'U', 'P'}) Klicken(k->taste(u8(c)));
            Klicken(k->BtnReturn);
        });
        d.BtnGruppeNeu->click();
        EXPECT_EQ(d.CTexte->itemText(1), QStringLiteral("cup"));
    });
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(DeckblattNamen(), (QStringList{"kein Deckblatt", "cup", "Heim", "Liga"}));
}

// A tap on the text in touch mode edits it line by line (field 500).
TEST_F(DeckblattFenster, TouchKeyboardEditsTheTextLineByLine)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    TKeyb* k = Keyb();
    oeffnen([&](TDeckblatt& d) {
        Waehlen(d.CTexte, 1);
        QTimer::singleShot(0, qApp, [&] {
            EXPECT_EQ(std::tuple(Feldcode, k->LText->text(), k->EText->text(), k->EText->maxLength()),
                      std::tuple(u16(500), QStringLiteral("Deckblatt:"), QStringLiteral("Heimtext"), 80));
            Klicken(k->taste('X'));
            Klicken(k->BtnVor);  // past the last line: a new one
            Klicken(k->taste('Y'));
            Klicken(k->BtnReturn);
        });
        Klicken(d.REFormular->viewport());
        EXPECT_EQ(d.REFormular->toPlainText(), QStringLiteral("Heimtextx\ny"));
        EXPECT_EQ(d.REFormular->document()->firstBlock().begin().fragment().charFormat().fontPointSize(), 10);
    });
    EXPECT_EQ(DeckblattTastaturModus, 0);
}

TEST_F(DeckblattFenster, PrintsTheCoverIntoAPdfWithItsNameAsTitle)
{
    const QString pdf = QDir(ordner.path()).filePath(QStringLiteral("deckblatt.pdf"));
    QString titel;
    DruckdialogSetzen([&](QPrinter& drucker, QWidget*) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        drucker.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    oeffnen([&](TDeckblatt& d) {
        Waehlen(d.CTexte, 1);
        d.BtnDrucken->click();
        titel = Drucker().docName();
        EXPECT_EQ(Drucker().pageLayout().orientation(), QPageLayout::Portrait);
    });
    Drucker().setOutputFileName(QString());
    Drucker().setOutputFormat(QPrinter::NativeFormat);

    EXPECT_EQ(titel, QStringLiteral("Heim"));
    ASSERT_TRUE(QFile::exists(pdf));
    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
        QFile::copy(pdf, QDir(bilder).filePath(QStringLiteral("deckblatt.pdf")));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    QProcess p;
    p.start(pdftotext, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    // The text and no page number.
    EXPECT_EQ(p.readAllStandardOutput().trimmed(), QByteArray("Heimtext"));
}

// After a print into a PDF file (a report's) the cover's dialog proposes a
// file named after the cover beside it, never that file; a cover without a
// name is a "Deckblatt".
TEST_F(DeckblattFenster, PrintDialogProposesTheCoversOwnFile)
{
    ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt.inf", "kein Deckblatt\r\nHeim\r\n \r\n"));
    const QDir ziel(ordner.path());
    Drucker().setOutputFormat(QPrinter::PdfFormat);
    Drucker().setOutputFileName(ziel.filePath(QStringLiteral("Spielbericht Corvalink.pdf")));
    Drucker().setDocName(QStringLiteral("Spielbericht Corvalink"));
    QStringList vorgeschlagen;
    DruckdialogSetzen([&](QPrinter& drucker, QWidget*) {
        vorgeschlagen << drucker.outputFileName();
        return false;
    });
    oeffnen([&](TDeckblatt& d) {
        Waehlen(d.CTexte, 1);
        d.BtnDrucken->click();
        Waehlen(d.CTexte, 2);
        d.BtnDrucken->click();
    });
    Drucker().setOutputFileName(QString());
    Drucker().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(vorgeschlagen,
              QStringList({ziel.filePath(QStringLiteral("Heim.pdf")), ziel.filePath(QStringLiteral("Deckblatt.pdf"))}));
}

// On a real print system: a queue that refuses the cover is told with the
// printer's name and the reason; one that takes it prints it.
TEST_F(DeckblattFenster, PrintOnAQueueTellsWhenTheQueueRefusesTheCover)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    DruckdialogSetzen([](QPrinter& drucker, QWidget*) {
        CupsTestserver::waehlen(drucker, QStringLiteral("pdf"));
        return true;
    });
    const auto drucken = [&] {
        oeffnen([&](TDeckblatt& d) {
            Waehlen(d.CTexte, 1);
            d.BtnDrucken->click();
        });
    };
    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsreject"), {"-r", "Papierstau", "pdf"})) << cups.fehler.toStdString();
    drucken();
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt.first().startsWith(
        QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ")))
        << skriptBoxen().gezeigt.first().toStdString();
    EXPECT_TRUE(skriptBoxen().gezeigt.first().endsWith(QStringLiteral(" (Papierstau)")))
        << skriptBoxen().gezeigt.first().toStdString();

    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsaccept"), {"pdf"})) << cups.fehler.toStdString();
    drucken();
    EXPECT_TRUE(cups.pdfsAbwarten(1));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
}

}  // namespace
