// Print, fax and e-mail of the report: the dialogs of the window hub, the
// print dialog replaced by one that prints into PDF files (each job a file of
// its own), the pages rendered with pdftoppm at 20 dpi to see where the ink
// is, and the mail handed to a recording network module.

#include "report/ui/Berichtausgabe.h"

#include "core/Berichtdienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/Zeitgeber.h"
#include "core/ui/Drucker.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "match/print/Druckwarteschlange.h"
#include "match/ui/Leinwanddruck.h"
#include "report/Berichtausgabe.h"
#include "report/Berichtzustand.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/Unterschriften.h"
#include "platform/bericht/ui/QtBerichtsoberflaeche.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/FaxSenden.h"
#include "report/ui/Deckblatt.h"
#include "report/ui/Druckoptionen.h"
#include "platform/bericht/Berichtsoberflaeche.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "report/netz/Netzmodul.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/SpFormular.h"
#include "support/Ftpserver.h"
#include "support/ImDialog.h"
#include "support/Cupsserver.h"
#include "support/Pdf.h"
#include "support/Netzantworten.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Warten.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <tuple>

namespace {

// The first page of a PDF file at 20 dpi; a null picture when it cannot be rendered.
QImage PdfSeite(const QString& pdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) return {};
    const QString ziel = pdf + QStringLiteral(".seite");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r", "20", "-png", "-singlefile", pdf, ziel});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(ziel + QStringLiteral(".png"));
}

// The box around the pixels darker than `grau`; empty for a blank page.
QRect Tinte(const QImage& seite, int grau = 128)
{
    QRect r;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            if (qGray(seite.pixel(x, y)) < grau) r |= QRect(x, y, 1, 1);
    return r;
}

using Lage = QPageLayout::Orientation;
struct Auftrag {
    QString titel;
    Lage lage;
    QString datei;
};

class Ausgabe : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        deckblattZustand.zuruecksetzen();
        berichtausgabeZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        EinstellungenVorbelegen();
        QDir().mkpath(Datenverzeichnis);
        ReportFensterRegistrieren(hub);
        hub.statusTextSetzen = [this](int panel, const QString& text) {
            if (panel == 0) hauptStatus << text;
        };
        for (TFormularEinstellung& e : Einst.FormularEinstellungen)
            e.SpRandOben = e.SpRandUnten = e.SpRandLinks = e.SpRandRechts = 0;

        ASSERT_TRUE(WettkampfAnlegen());
        w = AktWettkampf;
        w->Heimmannschaft = "KSV Adler 1", w->Gastmannschaft = "SG Eiche", w->Datum = "14.03.26";
        for (int p = 1; p <= 6; ++p)
            w->Spieler[p].Name = w->Spieler[p + 8].Name = QByteArray("Spieler ") + QByteArray::number(p);

        DruckdialogSetzen([this](QPrinter& d, QWidget*) {
            dialoge.push_back({d.copyCount(), d.pageLayout().orientation()});
            dialogNamen << d.docName();
            d.setOutputFormat(QPrinter::PdfFormat);
            d.setPageSize(QPageSize(QPageSize::A4));
            d.setPageMargins(QMarginsF(0, 0, 0, 0));
            return drucken;
        });
        berichtausgabeZustand.vorDruckauftrag = [this](QPrinter& d) {
            const QString datei = ordner.filePath(QStringLiteral("auftrag%1.pdf").arg(auftraege.size() + 1));
            auftraege.push_back({d.docName(), d.pageLayout().orientation(), datei});
            d.setOutputFileName(datei);
        };
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        berichtausgabeZustand.zuruecksetzen();
        deckblattZustand.zuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    // The next dialog of the hub, of type T: `handeln`, then OK (or cancel).
    template <typename T>
    void imDialog(std::function<void(T&)> handeln, bool ok = true)
    {
        QTimer::singleShot(0, qApp, [this, handeln, ok] {
            auto* d = qobject_cast<T*>(hub.AktDialog.data());
            ASSERT_TRUE(d);
            if (handeln) handeln(*d);
            (ok ? d->BtnOk : d->BtnAbbrechen)->click();
        });
    }

    // Covers "kein Deckblatt" and "Verband"; cover 1's text two lines.
    void ZweiDeckblaetter()
    {
        ASSERT_TRUE(TextdateiSchreiben(QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt.inf")),
                                       {QStringLiteral("kein Deckblatt"), QStringLiteral("Verband")}));
        QTextDocument text;
        text.setPlainText(QStringLiteral("Sehr geehrte Damen und Herren,\nanbei der Spielbericht."));
        QString fehler;
        ASSERT_TRUE(DeckblattSpeichern(1, text, &fehler)) << fehler.toStdString();
    }

    Fensterhub hub;
    TWettkampfDaten* w = nullptr;
    bool drucken = true;
    std::vector<std::pair<int, Lage>> dialoge;  // copies and orientation the print dialog starts from
    std::vector<Auftrag> auftraege;
    QStringList dialogNamen;  // the printer's document name as each print dialog opens
    QStringList hauptStatus;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

// A black picture into the page less the margins (printer pixels at 1200
// dpi, 60 to a pixel of the 20 dpi rendering; A4, 595 x 842 points, is
// 165.28 x 233.89 there). Layout 0 takes the upper half.
TEST_F(Ausgabe, TargetRectangleOnAPdfPage)
{
    struct Fall {
        int index;
        Lage lage;
        int oben, unten, links, rechts;
        double l, o, r, u;  // the edges of the ink, 20 dpi pixels
    };
    const Fall faelle[] = {
        {3, QPageLayout::Portrait, 600, 1800, 1200, 2400, 20, 10, 125.28, 203.89},
        {0, QPageLayout::Portrait, 600, 1800, 1200, 2400, 20, 10, 125.28, 86.94},  // 233.89 / 2 - 30
        {0, QPageLayout::Landscape, 0, 0, 0, 0, 0, 0, 233.89, 82.64},
        {7, QPageLayout::Landscape, 0, 0, 600, 600, 10, 0, 223.89, 165.28},
    };
    berichtausgabeZustand.vorDruckauftrag = {};
    QImage schwarz(300, 200, QImage::Format_RGB32);
    schwarz.fill(Qt::black);
    for (const Fall& f : faelle) {
        TFormularEinstellung& e = Einst.FormularEinstellungen[f.index];
        e.SpRandOben = f.oben, e.SpRandUnten = f.unten, e.SpRandLinks = f.links, e.SpRandRechts = f.rechts;
        QPrinter d(QPrinter::HighResolution);
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setPageSize(QPageSize(QPageSize::A4));
        d.setPageMargins(QMarginsF(0, 0, 0, 0));
        d.setPageOrientation(f.lage);
        d.setOutputFileName(ordner.filePath(QStringLiteral("rechteck.pdf")));
        ASSERT_TRUE(BildAufDrucker(d, schwarz, f.index));
        EXPECT_EQ(d.docName(), QStringLiteral("Spielbericht Corvalink"));
        const QImage seite = PdfSeite(d.outputFileName());
        if (seite.isNull()) GTEST_SKIP() << "pdftoppm fehlt";
        const QRect t = Tinte(seite);
        EXPECT_NEAR(t.left(), f.l, 1) << f.index;
        EXPECT_NEAR(t.top(), f.o, 1) << f.index;
        EXPECT_NEAR(t.right() + 1, f.r, 1) << f.index;
        EXPECT_NEAR(t.bottom() + 1, f.u, 1) << f.index;
    }
    Einst.FormularEinstellungen[0].SpRandUnten = 8000;  // no room left
    QPrinter d(QPrinter::HighResolution);
    EXPECT_FALSE(BildAufDrucker(d, schwarz, 0));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
}

// The main menu's print of a filled match: layout 0 in portrait on the upper
// half, layout 3 in landscape down the page; copies 0 print one.
TEST_F(Ausgabe, PrintOfAFilledMatchFromTheMenu)
{
    const std::unique_ptr<BerichtDienste> dienste = BerichtDiensteErzeugen();
    BerichtDiensteEinsetzen einsetzen(dienste.get());
    Einst.Kopien = 2;
    Einst.FormularEinstellungen[3].SpAusrichtung = false;
    for (int formular : {0, 3}) {
        Einst.FormularNummer = u8(formular);
        bericht().drucken(nullptr);
        Einst.Kopien = 0;
    }
    EXPECT_EQ(dialoge, (std::vector<std::pair<int, Lage>>{{2, QPageLayout::Portrait}, {1, QPageLayout::Landscape}}));
    ASSERT_EQ(auftraege.size(), 2u);
    const QImage a5 = PdfSeite(auftraege[0].datei);
    if (a5.isNull()) GTEST_SKIP() << "pdftoppm fehlt";
    EXPECT_LT(a5.width(), a5.height());
    EXPECT_FALSE(Tinte(a5).isEmpty());
    EXPECT_LE(Tinte(a5).bottom(), 117);  // half the page: 116.9
    const QImage quer = PdfSeite(auftraege[1].datei);
    EXPECT_GT(quer.width(), quer.height());
    EXPECT_GT(Tinte(quer).bottom(), 120);
}

// Cancel, an empty layout, a project, the text sheet while a lane plays and
// a busy port print nothing.
TEST_F(Ausgabe, WhenNothingIsPrinted)
{
    QStringList status;
    BerichtStatusZiel([&](const QString& t) { status << t; });
    drucken = false;
    SpielberichtDrucken(nullptr, 2);
    drucken = true;
    SpielberichtDrucken(nullptr, 12);
    SpielberichtDrucken(nullptr, 23);  // a project without its file
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({"Formular 12 ist nicht belegt: es enthält keinen Spielbericht !"}));
    Einst.DrBahndrucker = true, Einst.DrGrafik = false;
    w->BahnImSpiel[2] = 1;
    SpielberichtDrucken(nullptr, 0);
    Einst.DrGrafik = true;
    DruckerportBelegt = 1;
    SpielberichtDrucken(nullptr, 0);
    EXPECT_EQ(std::tuple(dialoge.size(), auftraege.size()), std::tuple(2u, 0u));
    EXPECT_EQ(status, QStringList({"Spielbericht nicht gedruckt: die Formulardatei fehlt !",
                                   "Spielbericht nicht gedruckt: die Bahnen des Spiels sind noch nicht freigegeben !",
                                   "Spielbericht nicht gedruckt: der Drucker ist belegt !"}));
}

// One copy on the fax printer; the cover first, in portrait, as a job of its
// own; no cover for 0 or a cover whose text is gone.
TEST_F(Ausgabe, FaxWithAndWithoutCover)
{
    ZweiDeckblaetter();
    Einst.Kopien = 3;
    Einst.FormularEinstellungen[3].SpAusrichtung = false;
    imDialog<TFaxSenden>({}, false);
    SpielberichtFaxen(nullptr, 3);
    EXPECT_TRUE(dialoge.empty());
    imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(1); });
    SpielberichtFaxen(nullptr, 3);
    EXPECT_EQ(dialoge, (std::vector<std::pair<int, Lage>>{{1, QPageLayout::Landscape}}));
    ASSERT_EQ(auftraege.size(), 2u);
    EXPECT_EQ(std::tuple(auftraege[0].titel, auftraege[0].lage, auftraege[1].titel, auftraege[1].lage),
              std::tuple(QStringLiteral("Verband"), QPageLayout::Portrait, QStringLiteral("Spielbericht Corvalink"),
                         QPageLayout::Landscape));
    const QImage deckblatt = PdfSeite(auftraege[0].datei);
    EXPECT_TRUE(deckblatt.isNull() || !Tinte(deckblatt, 250).isEmpty());  // small grey letters

    QFile::remove(DeckblattDatei(1));
    imDialog<TFaxSenden>({});
    SpielberichtFaxen(nullptr, 3);
    imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(0); });
    SpielberichtFaxen(nullptr, 3);
    EXPECT_EQ(auftraege.size(), 4u);
}

// The print dialog opens on the report's name, which a print into a PDF
// file is proposed after, not on the name of the print before it.
TEST_F(Ausgabe, PrintDialogOpensOnTheReportsName)
{
    Drucker().setDocName(QStringLiteral("drucke Formular Spielerdaten.lst"));
    SpielberichtDrucken(nullptr, 3);
    Drucker().setDocName(QStringLiteral("Deckblatt"));
    imDialog<TFaxSenden>({});
    SpielberichtFaxen(nullptr, 0);
    EXPECT_EQ(dialogNamen, QStringList({"Spielbericht Corvalink", "Spielbericht Corvalink"}));
    ASSERT_EQ(auftraege.size(), 2u);
    EXPECT_EQ(std::tuple(auftraege[0].titel, auftraege[1].titel),
              std::tuple(QStringLiteral("Spielbericht Corvalink"), QStringLiteral("Spielbericht Corvalink")));
}

// A print server that takes connections and never answers: each print path
// (the report window's print and fax, a report project, the cover sheet, the
// print options) asks it once, tells it within seconds while a lane's timer
// ticks, and calls nothing of the print system; the options keep the kept
// printer. With the tests' cupsd the report window's print arrives.
TEST_F(Ausgabe, ASilentPrintServerIsToldByEveryPrintPathWithinSeconds)
{
    ZweiDeckblaetter();
    QFile projekt(QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.crd")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly) && projekt.write(StandardProjekt(Projektart::Karte)) > 0);
    projekt.close();
    FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Spielbericht.crd");
    BerichtsoberflaecheEinrichten();
    struct Oberflaeche {
        ~Oberflaeche() { BerichtsoberflaecheSetzen(nullptr); }
    } zurueck;
    Einst.FormularNummer = 3;
    berichtZustand.FormularIndex = 3;
    TFormularEinstellung& e = Einst.FormularEinstellungen[3];
    e.StandardDrucker = 1, e.StandardDruckerName = QStringLiteral("beta");
    int ticks = 0;
    Zeitgeber bahntakt([&] { ++ticks; }, 20);
    bahntakt.setEnabled(true);
    const auto imFormular = [this](const std::function<void(TSpFormular&)>& handeln) {
        ImDialog<TSpFormular>(hub, [] { return fenster().dialog(Dialog::Spielberichtformular); }, handeln);
    };

    std::optional<StummerCupsserver> stumm(std::in_place);
    const QString schweigt = QStringLiteral("Der Druckserver „%1“ antwortet nicht.").arg(stumm->adresse());
    const struct {
        const char* name;
        std::function<void()> drucken;
        QString text;
    } wege[] = {
        {"Drucken", [&] { imFormular([](TSpFormular& f) { f.BtnDrucken->click(); }); }, schweigt},
        {"Fax",
         [&] {
             imFormular([this](TSpFormular& f) {
                 imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(1); });
                 f.BtnFax->click();
             });
         },
         schweigt},
        {"Berichtsprojekt", [] { SpielberichtDrucken(nullptr, 20); }, "Spielbericht nicht gedruckt: " + schweigt},
        {"Deckblatt",
         [&] {
             ImDialog<TDeckblatt>(hub, [] { return fenster().dialog(Dialog::Deckblatt); },
                                  [](TDeckblatt& d) { d.BtnDrucken->click(); });
         },
         schweigt},
        {"Druckoptionen",
         [&] {
             ImDialog<TDruckoptionen>(hub, [] { return fenster().dialog(Dialog::Druckoptionen); },
                                      [](TDruckoptionen& d) {
                 EXPECT_EQ(std::tuple(d.CDrucker->currentText(), d.CDrucker->isEnabled(), d.BtnDrucker->isEnabled()),
                           std::tuple(QStringLiteral("beta"), false, false));
                 d.BtnOk->click();
             });
         },
         schweigt},
    };
    for (const auto& [name, drucken, text] : wege) {
        skriptBoxen().gezeigt.clear();
        ticks = 0;
        DruckserverVergessen();
        QElapsedTimer uhr;
        uhr.start();
        drucken();
        EXPECT_LT(uhr.elapsed(), 10000) << name;
        EXPECT_GE(ticks, 10) << name;
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{text}) << name;
    }
    EXPECT_EQ(stumm->verbindungen, 5);
    EXPECT_TRUE(dialoge.empty());
    EXPECT_EQ(std::tuple(e.StandardDrucker, e.StandardDruckerName), std::tuple(1, QStringLiteral("beta")));

    stumm.reset();
    if (!CupsTestserver::fehlt().isEmpty()) return;
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    e.StandardDrucker = -1, e.StandardDruckerName.clear();
    berichtausgabeZustand.vorDruckauftrag = {};
    Drucker().setOutputFileName(QString());
    DruckdialogSetzen([](QPrinter& d, QWidget*) {
        CupsTestserver::waehlen(d, d.printerName());
        return true;
    });
    skriptBoxen().gezeigt.clear();
    imFormular([](TSpFormular& f) { f.BtnDrucken->click(); });
    EXPECT_TRUE(cups.pdfsAbwarten(1));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();
}

// The same prints on a real print system: the dialog keeps the queue the
// layout's printer setting chose.
class AusgabeAnCups : public Ausgabe {
protected:
    void SetUp() override
    {
        Ausgabe::SetUp();
        if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
        cups.emplace(warteschlangen);
        ASSERT_TRUE(cups->fehler.isEmpty()) << cups->fehler.toStdString();
        // No file from an earlier print is proposed.
        Drucker().setOutputFileName(QString());
        berichtausgabeZustand.vorDruckauftrag = [this](QPrinter& d) { begonnen << d.docName(); };
        DruckdialogSetzen([this](QPrinter& d, QWidget*) {
            dialogDrucker << d.printerName();
            CupsTestserver::waehlen(d, d.printerName());
            if (dialogOffen) dialogOffen();
            return drucken;
        });
    }

    bool befehl(const QString& programm, const QStringList& argumente)
    {
        const bool ok = cups->befehl(programm, argumente);
        EXPECT_TRUE(ok) << cups->fehler.toStdString();
        return ok;
    }

    QStringList warteschlangen = {"pdf"};  // the first the default
    std::optional<CupsTestserver> cups;
    QStringList dialogDrucker;          // the printer each print dialog opened on
    QStringList begonnen;               // the jobs begun, by title
    std::function<void()> dialogOffen;  // what happens while the dialog is open
};

TEST_F(AusgabeAnCups, AReportTheQueueTakesArrivesWithoutANotice)
{
    SpielberichtDrucken(nullptr, 3);
    EXPECT_EQ(dialogDrucker, QStringList({"pdf"}));
    EXPECT_TRUE(cups->pdfsAbwarten(1));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();
}

// The layout's print and the fax, with and without a cover: one notice with
// the printer and the print system's reason; the cover refused, the report
// is not tried.
TEST_F(AusgabeAnCups, AJobTheQueueRefusesIsToldByEveryReportPrint)
{
    ZweiDeckblaetter();
    // Layout 20: a report project, printed by the report engine.
    QFile projekt(QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.crd")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
    projekt.write(StandardProjekt(Projektart::Karte));
    projekt.close();
    FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Spielbericht.crd");
    FormularNamen = QStringList(20, QString()) << QStringLiteral("Spielbericht (Berichtsprojekt)");
    BerichtsoberflaecheEinrichten();
    struct Oberflaeche {
        ~Oberflaeche() { BerichtsoberflaecheSetzen(nullptr); }
    } zurueck;

    const struct {
        const char* name;
        std::function<void()> drucken;
        QStringList auftraege;
        QString vorsatz;
    } drucke[] = {
        {"Formular", [] { SpielberichtDrucken(nullptr, 3); }, {"Spielbericht Corvalink"}, {}},
        {"Fax mit Deckblatt",
         [this] {
             imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(1); });
             SpielberichtFaxen(nullptr, 3);
         },
         {"Verband"},
         {}},
        {"Fax ohne Deckblatt",
         [this] {
             imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(0); });
             SpielberichtFaxen(nullptr, 0);
         },
         {"Spielbericht Corvalink"},
         {}},
        {"Berichtsprojekt", [] { SpielberichtDrucken(nullptr, 20); }, {},
         QStringLiteral("Spielbericht nicht gedruckt: ")},
    };
    ASSERT_TRUE(befehl(QStringLiteral("cupsreject"), {"-r", "Toner leer", "pdf"}));
    for (const auto& [name, drucken, auftraege, vorsatz] : drucke) {
        skriptBoxen().gezeigt.clear();
        begonnen.clear();
        drucken();
        EXPECT_EQ(begonnen, auftraege) << name;
        ASSERT_EQ(skriptBoxen().gezeigt.size(), 1) << name;
        const QString text = skriptBoxen().gezeigt.first();
        const QString abgelehnt = QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ");
        EXPECT_TRUE(text.startsWith(vorsatz + abgelehnt)) << name << ": " << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral(" (Toner leer)"))) << name << ": " << text.toStdString();
    }
    EXPECT_EQ(dialogDrucker.size(), 4);
    EXPECT_EQ(cups->auftraege(CUPS_WHICHJOBS_ALL), 0);
}

TEST_F(AusgabeAnCups, AQueueRemovedWhileThePrintDialogIsOpenIsTold)
{
    dialogOffen = [this] { befehl(QStringLiteral("lpadmin"), {"-x", "pdf"}); };
    SpielberichtDrucken(nullptr, 3);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt.first().startsWith(
        QStringLiteral("Der Drucker „pdf“ ist nicht mehr eingerichtet und hat den Druckauftrag nicht angenommen: ")))
        << skriptBoxen().gezeigt.first().toStdString();
}

// The jobs wait in the queue; the fax tells it once, with the report.
TEST_F(AusgabeAnCups, AStoppedPrinterIsToldToHoldTheReport)
{
    const QString angehalten = QStringLiteral(
        "Der Drucker „pdf“ ist angehalten (Wartung): er hält den Druckauftrag zurück, bis er wieder freigegeben wird.");
    ZweiDeckblaetter();
    ASSERT_TRUE(befehl(QStringLiteral("cupsdisable"), {"-r", "Wartung", "pdf"}));
    SpielberichtDrucken(nullptr, 3);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({angehalten}));
    imDialog<TFaxSenden>([](TFaxSenden& d) { d.CDeckblatt->setCurrentIndex(1); });
    SpielberichtFaxen(nullptr, 3);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({angehalten, angehalten}));
    EXPECT_EQ(cups->wartende(QStringLiteral("pdf")), 3);
}

class DruckerwahlAnCups : public AusgabeAnCups {
protected:
    DruckerwahlAnCups() { warteschlangen = QStringList{"standard", "alpha", "beta", "gamma"}; }
};

// A layout keeps its printer by name when a queue before it is removed; a
// file of another installation, with the position only, keeps choosing by
// it; a kept printer that is gone is told and the default offered.
TEST_F(DruckerwahlAnCups, ALayoutKeepsItsPrinterByNameWhenAnotherQueueIsRemoved)
{
    drucken = false;
    ASSERT_EQ(QPrinterInfo::availablePrinterNames(), QStringList({"alpha", "beta", "gamma", "standard"}));
    TFormularEinstellung& e = Einst.FormularEinstellungen[3];
    e.StandardDrucker = 1, e.StandardDruckerName = QStringLiteral("beta");
    e.StandardFax = 2, e.StandardFaxName = QStringLiteral("gamma");
    Einst.FormularEinstellungen[4].StandardDrucker = 1;
    ASSERT_TRUE(befehl(QStringLiteral("lpadmin"), {"-x", "alpha"}));

    SpielberichtDrucken(nullptr, 3);
    imDialog<TFaxSenden>({});
    SpielberichtFaxen(nullptr, 3);
    SpielberichtDrucken(nullptr, 4);
    EXPECT_EQ(dialogDrucker, QStringList({"beta", "gamma", "gamma"}));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();

    ASSERT_TRUE(befehl(QStringLiteral("lpadmin"), {"-x", "beta"}));
    SpielberichtDrucken(nullptr, 3);
    EXPECT_EQ(dialogDrucker.last(), QStringLiteral("standard"));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({"Der Drucker „beta“ ist nicht mehr eingerichtet: der "
                                                  "Standarddrucker „standard“ ist vorgewählt."}));
}

// A print system whose queue takes US Letter, as CUPS gives its queues on a
// machine whose locale is C. The dialog opens on the queue and gives the
// printer its paper; on the queue the print keeps it, turned to a PDF file
// it goes on A4, the paper of the forms, as a PDF export does.
class PapierAnCups : public AusgabeAnCups {
protected:
    void SetUp() override
    {
        AusgabeAnCups::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "pdfinfo fehlt";
        ASSERT_TRUE(befehl(QStringLiteral("lpadmin"), {"-p", "pdf", "-o", "PageSize=Letter"}));
        ASSERT_TRUE(QPrinterInfo::printerInfo(QStringLiteral("pdf")).defaultPageSize().isEquivalentTo(
            QPageSize(QPageSize::Letter)));
        AktSpieler = &w->Spieler[1];
        w->Spieler[1].Gestartet = 1;
        Einst.FormularEinstellungen[3].SpAusrichtung = true;  // portrait
    }
};

TEST_F(PapierAnCups, EinePdfDateiAufA4DieWarteschlangeMitIhremPapier)
{
    const QSize a4(595, 842), letter(612, 792);
    const struct {
        const char* was;
        std::function<void(const QString& datei)> drucken;
        bool inDatei;
        QSize papier;
    } faelle[] = {
        {"Spielbericht auf der Warteschlange", [](const QString&) { SpielberichtDrucken(nullptr, 3); }, false, letter},
        {"Spielbericht", [](const QString&) { SpielberichtDrucken(nullptr, 3); }, true, a4},
        {"Wurfprotokoll", [](const QString&) { WurfprotokollDrucken(nullptr); }, true, a4.transposed()},
        {"Mannschaftsstatistik", [](const QString&) { MannschaftsstatistikDrucken(nullptr, true); }, true,
         a4.transposed()},
        {"PDF-Export des Wurfprotokolls",
         [](const QString& datei) { EXPECT_TRUE(DruckAlsPdf(datei, Druckart::Wurfprotokoll, true)); }, true,
         a4.transposed()},
    };
    int aufWarteschlange = 0;
    for (const auto& f : faelle) {
        const QString datei = ordner.filePath(QString::fromUtf8(f.was) + QStringLiteral(".pdf"));
        DruckdialogSetzen([&](QPrinter& d, QWidget*) {
            CupsTestserver::waehlen(d, QStringLiteral("pdf"));
            if (f.inDatei) {
                d.setOutputFormat(QPrinter::PdfFormat);
                d.setOutputFileName(datei);
            }
            return true;
        });
        f.drucken(datei);
        QString pdf = datei;
        if (!f.inDatei) {
            ASSERT_TRUE(cups->pdfsAbwarten(++aufWarteschlange)) << f.was;
            pdf = cups->pdfs().last();
        }
        const QSize papier = PdfSeitengroesse(pdf);
        EXPECT_EQ(QStringLiteral("%1 x %2").arg(papier.width()).arg(papier.height()),
                  QStringLiteral("%1 x %2").arg(f.papier.width()).arg(f.papier.height()))
            << f.was;
    }
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();
}

class Mail : public Ausgabe {
protected:
    void SetUp() override
    {
        Ausgabe::SetUp();
        Einst.EmailHost = QStringLiteral("smtp.example.de"), Einst.EmailPort = 25;
        EmailAnListe = {QStringLiteral("staffel@verband.de")};
        w->EmailVon = QStringLiteral("bericht@adler.de"), w->EmailName = QStringLiteral("KSV Adler");
        w->EmailAn = QStringLiteral("staffel@verband.de"), w->EmailBetreff = QStringLiteral("Spielbericht");
        BerichtStatusZiel([this](const QString& t) { status << t; });
    }

    Netzantworten netzfake;
    QStringList status;

private:
    NetzDiensteEinsetzen m_netz{&netzfake};
};

TEST_F(Mail, CoverTextAndTheReportOfTheLayoutWithTheOutcomeInTheStatus)
{
    ZweiDeckblaetter();
    w->EmailDeckblatt = 1;
    imDialog<TEmailSenden>({});
    SpielberichtMailen(nullptr, 0);
    // The picture is made on a worker: the mail goes once it is written.
    EXPECT_TRUE(netzfake.mails.isEmpty());
    ASSERT_TRUE(warten([&] { return netzfake.mails.size() == 1; }));
    const Mailauftrag& m = netzfake.mails[0];
    EXPECT_EQ(std::tuple(m.host, m.port, m.von, m.vonName, m.an, m.betreff),
              std::tuple(QStringLiteral("smtp.example.de"), u16(25), QStringLiteral("bericht@adler.de"),
                         QStringLiteral("KSV Adler"), QStringLiteral("staffel@verband.de"),
                         QStringLiteral("Spielbericht")));
    EXPECT_EQ(m.text, QStringList({"Sehr geehrte Damen und Herren,", "anbei der Spielbericht.", ""}));
    EXPECT_EQ(m.anhang, QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.bmp")));
    EXPECT_EQ(QImageReader(m.anhang, "bmp").size(), QSize(2430, 1628));
    EXPECT_EQ(status, QStringList({"", "Bitte warten, Nachricht wird versendet !"}));
    netzfake.mailEnde(true);
    EXPECT_EQ(status.last(), QStringLiteral("Nachricht erfolgreich versendet !"));

    // Another layout mails its own picture, never the last one.
    imDialog<TEmailSenden>([](TEmailSenden& d) { d.CDeckblatt->setCurrentIndex(0); });
    SpielberichtMailen(nullptr, 3);
    ASSERT_TRUE(warten([&] { return netzfake.mails.size() == 2; }));
    EXPECT_EQ(std::tuple(netzfake.mails[1].text, QImageReader(netzfake.mails[1].anhang).size()),
              std::tuple(QStringList({""}), QSize(3256, 2430)));
    netzfake.mailEnde(false, QStringLiteral("550 Empfänger unbekannt"));
    EXPECT_EQ(status.last(), QStringLiteral("Nachricht konnte nicht versendet werden: 550 Empfänger unbekannt"));
}

// A picture that cannot be written: no mail, and the status says why.
TEST_F(Mail, NoMailWithoutItsPicture)
{
    ASSERT_TRUE(QDir().mkpath(MailanhangPfad()));  // a folder in the file's place
    imDialog<TEmailSenden>({});
    SpielberichtMailen(nullptr, 0);
    ASSERT_TRUE(warten([&] { return status.size() == 3; }));
    EXPECT_TRUE(status.last().startsWith(
        QStringLiteral("Nachricht konnte nicht versendet werden: „%1“ nicht gespeichert (")
            .arg(QDir::toNativeSeparators(MailanhangPfad()))))
        << status.last().toStdString();
    EXPECT_TRUE(netzfake.mails.isEmpty());
    EXPECT_TRUE(MailanhaengeAbwarten(30000));
}

TEST_F(Mail, NothingIsSentAfterCancelOrWithoutServer)
{
    imDialog<TEmailSenden>({}, false);
    SpielberichtMailen(nullptr, 0);
    Einst.EmailHost.clear();
    BerichtStatusZiel({});  // no report window: the main window's status bar
    imDialog<TEmailSenden>({});
    SpielberichtMailen(nullptr, 0);
    EXPECT_TRUE(netzfake.mails.isEmpty());
    EXPECT_EQ(status, QStringList({""}));
    EXPECT_EQ(hauptStatus, QStringList({"", "Kein E-Mail-Server eingestellt: Nachricht nicht versendet !"}));
    EXPECT_FALSE(QFile::exists(MailanhangPfad()));
}

// The engine's printer and print dialog: each print as "document:pages";
// `imDialog` runs while the print dialog is open (as a timer may).
class Druckaufnahme final : public Berichtsoberflaeche {
public:
    QStringList drucke;
    std::function<void()> imDialog;
    int druckoptionen(QWidget*, const QString&, int&, QString*) override
    {
        if (imDialog) imDialog();
        return BerichtOk;
    }
    int drucken(const QList<Berichtsseite>& seiten, const QString& dokument, int, QString*) override
    {
        drucke << QStringLiteral("%1:%2").arg(dokument).arg(seiten.size());
        return BerichtOk;
    }
};

// Layout 20 is the shipped report project; the report window's component
// starts afresh; live results go to a local FTP server.
class Projektausgabe : public Mail {
protected:
    void SetUp() override
    {
        Mail::SetUp();
        ASSERT_NE(server.port, 0) << "the FTP server did not start (python3-pyftpdlib)";
        BerichtskomponenteZuruecksetzen();
        BerichtsoberflaecheSetzen(&druck);
        QFile projekt(QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.crd")));
        ASSERT_TRUE(projekt.open(QIODevice::WriteOnly) && projekt.write(StandardProjekt(Projektart::Karte)) > 0);
        projekt.close();
        FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Spielbericht.crd");
        Einst.FormularNummer = 20;
        Einst.FtpPort = server.port;
        w->FtpHost = QStringLiteral("127.0.0.1");
        w->FtpKennung = QString::fromLatin1(FtpTestserver::Kennung);
        w->FtpZugang = PasswortKodieren(QString::fromLatin1(FtpTestserver::Passwort));
        FtpStatusZiel([this](const QString& t) { live << t; });
    }
    void TearDown() override
    {
        FtpStatusZiel({});
        BerichtsoberflaecheSetzen(nullptr);
        BerichtskomponenteZuruecksetzen();
        FormularDateien.clear();
        Mail::TearDown();
    }
    bool hochgeladen() { return FtpTestserver::warten([&] { return modul.laufendeFtpAuftraege() == 0; }); }

    FtpTestserver server;
    Druckaufnahme druck;
    Netzmodul modul{[](const QString&) {}};
    QStringList live;  // the live upload's status lines
};

// Print, fax, the mail's picture and the live results' HTML all go through
// the report window's component: the page notifications it lets through
// (job option 6) reach its page handler in each.
TEST_F(Projektausgabe, PrintFaxMailAndLiveResultsGoThroughTheWindowsComponent)
{
    TSpFormular f;
    ASSERT_TRUE(f.LLTool);
    QStringList seiten;
    f.LLTool->setEigenschaft(L8Eigenschaft::EnablePageEvent, TL8_::Yes);
    f.LLTool->OnPage = [&](TL8_&, Berichtsnotiz* n) {
        seiten << QStringLiteral("%1:%2").arg(QFileInfo(n->projekt).fileName()).arg(n->seite);
    };

    SpielberichtDrucken(&f, 20);
    EXPECT_EQ(seiten, QStringList{"Spielbericht.crd:1"});
    imDialog<TFaxSenden>({});
    SpielberichtFaxen(&f, 20);
    EXPECT_EQ(seiten.size(), 2);
    EXPECT_EQ(druck.drucke, QStringList({"Spielbericht:1", "Spielbericht:1"}));

    imDialog<TEmailSenden>({});
    SpielberichtMailen(&f, 20);
    EXPECT_EQ(seiten.size(), 3);
    ASSERT_EQ(netzfake.mails.size(), 1);
    EXPECT_EQ(netzfake.mails[0].anhang, QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.jpg")));
    EXPECT_FALSE(QImage(netzfake.mails[0].anhang).isNull());

    modul.internetUpdate(*w);
    ASSERT_TRUE(hochgeladen());
    EXPECT_EQ(seiten, QStringList(4, QStringLiteral("Spielbericht.crd:1")));
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("Update.htm")))) << live.join('|').toStdString();
    EXPECT_EQ(LetztesBerichtsergebnis, BerichtOk);
}

// A live upload while the component's print dialog is open (the upload
// timer ticks in it) leaves the print alone: the upload says why it sent
// nothing, the report prints, and the next upload goes.
TEST_F(Projektausgabe, ALiveUploadDuringAPrintLeavesThePrintAlone)
{
    druck.imDialog = [this] { modul.internetUpdate(*w); };
    SpielberichtDrucken(nullptr, 20);
    EXPECT_EQ(LetztesBerichtsergebnis, BerichtOk);
    EXPECT_EQ(druck.drucke, QStringList{"Spielbericht:1"});
    EXPECT_EQ(live, QStringList{"Kein Live-Ergebnis gesendet: Die Berichtsausgabe ist mit einem anderen Formular "
                                "beschäftigt."});
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 0);

    druck.imDialog = {};
    modul.internetUpdate(*w);
    ASSERT_TRUE(hochgeladen());
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("Update.htm"))));
}

}  // namespace
