// The match report through the default report project, as the operator
// uses it: the report window previews the played match on layout 20, the
// designer changes the project and the preview shows the change, the
// report is printed into a PDF file, mailed as a JPEG picture to a local
// SMTP server, and exported as HTML that headless Chromium opens.
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Drucker.h"
#include "core/ui/Fensterhub.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/EigeneBerichtsmaschine.h"
#include "platform/bericht/ui/Berichtsdesigner.h"
#include "platform/bericht/ui/Berichtsvorschau.h"
#include "platform/bericht/ui/QtBerichtsoberflaeche.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/Berichtausgabe.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/SpFormular.h"
#include "support/Berichtsspiel.h"
#include "support/Chromium.h"
#include "support/ImDialog.h"
#include "support/Pdf.h"
#include "support/Smtpsenke.h"

#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

namespace {

// Runs `handeln` in the first modal window of type T that opens, once it is `bereit`.
template <typename T>
void ImModalen(const std::function<void(T&)>& handeln, bool* gesehen,
               const std::function<bool(T&)>& bereit = [](T&) { return true; })
{
    auto* suche = new QTimer(qApp);
    QObject::connect(suche, &QTimer::timeout, suche, [=] {
        auto* fenster = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!fenster || !fenster->isVisible() || !bereit(*fenster)) return;
        suche->deleteLater();
        *gesehen = true;
        handeln(*fenster);
    });
    suche->start(10);
}

class Berichtsprojekt : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        std::string fehler;
        w = BerichtsspielSpielen(anlage, &fehler);
        ASSERT_TRUE(w) << fehler;
        m_daten = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        ReportFensterRegistrieren(hub);
        BerichtsoberflaecheEinrichten();
        QFile projekt(ordner.filePath(QStringLiteral("Spielbericht.crd")));
        ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
        projekt.write(StandardProjekt(Projektart::Karte));
        projekt.close();
        FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Spielbericht.crd");
        FormularNamen = QStringList(20, QString()) << QStringLiteral("Spielbericht (Berichtsprojekt)");
        DruckdialogSetzen([this](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ordner.filePath(QStringLiteral("Bericht.pdf")));
            return true;
        });
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        BerichtsoberflaecheSetzen(nullptr);
        berichtausgabeZustand.zuruecksetzen();
        Datenverzeichnis = m_daten;
        ProgrammAbbauen();
    }

    // The report window on layout 20, with `handeln` run in it once its
    // preview is made or has failed (the progress box of the preview runs
    // the event loop while the window opens).
    void imFormular(const std::function<void(TSpFormular&)>& handeln)
    {
        Einst.FormularNummer = 20;
        bool gesehen = false;
        ImModalen<TSpFormular>(
            [&](TSpFormular& f) {
                handeln(f);
                if (f.isVisible()) f.reject();
            },
            &gesehen, [](TSpFormular& f) { return f.LLView->seitenzahl() > 0 || !f.LStatus->text().isEmpty(); });
        fenster().dialog(Dialog::Spielberichtformular);
        EXPECT_TRUE(gesehen);
    }

    QTemporaryDir ordner;
    Anlage anlage{SimVorgaben(5, 40, 40, 2026)};
    TWettkampfDaten* w = nullptr;
    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_daten;
};

TEST_F(Berichtsprojekt, PreviewDesignPrintMailAndHtmlOfThePlayedMatch)
{
    const QString heim = w->Heimmannschaft.text();
    const QString gast = w->Gastmannschaft.text();
    const QString spieler = w->Spieler[1].Name.text();
    ASSERT_FALSE(heim.isEmpty());

    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul netzmodul(BerichtStatus);
    NetzDiensteEinsetzen netzEin(&netzmodul);
    Einst.EmailHost = QStringLiteral("127.0.0.1");
    Einst.EmailPort = senke.port;
    w->EmailVon = QStringLiteral("bericht@ahorn.test");
    w->EmailAn = QStringLiteral("staffelleiter@kegeln.test");
    EmailAnListe = {w->EmailAn};
    w->EmailBetreff = QStringLiteral("Spielbericht");

    bool entworfen = false;
    imFormular([&](TSpFormular& f) {
        // The preview: one page, written beside the project.
        EXPECT_TRUE(f.LLView->isVisible());
        EXPECT_EQ(f.LLView->seitenzahl(), 1);
        EXPECT_TRUE(QFileInfo::exists(ordner.filePath(QStringLiteral("Spielbericht.ll"))));
        EXPECT_EQ(LetztesBerichtsergebnis, BerichtOk);
        EXPECT_TRUE(f.LStatus->text().isEmpty()) << f.LStatus->text().toStdString();

        // The designer: a line added to the project, saved; the preview shows it.
        ImModalen<TBerichtsdesigner>([](TBerichtsdesigner& d) {
            auto* text = d.findChild<QPlainTextEdit*>(QStringLiteral("EProjekt"));
            ASSERT_TRUE(text);
            QString projekt = text->toPlainText();
            const qsizetype objekte = projekt.indexOf(QStringLiteral("\"objekte\""));
            const qsizetype liste = projekt.indexOf(QLatin1Char('['), objekte);
            ASSERT_GT(liste, 0);
            projekt.insert(liste + 1, QStringLiteral(
                R"({"art": "text", "rechteck_mm": [20, 5, 150, 8], "text": "Geprüft: {Wettkampf.Klasse}"},)"));
            text->setPlainText(projekt);
            auto* speichern = d.findChild<QPushButton*>(QStringLiteral("BtnSpeichern"));
            ASSERT_TRUE(speichern && speichern->isEnabled());
            speichern->click();
        }, &entworfen);
        f.BtnFormular->click();
        EXPECT_EQ(LetztesBerichtsergebnis, BerichtOk);

        // Print: the print dialog chooses a PDF file.
        f.BtnDrucken->click();
        EXPECT_EQ(LetztesBerichtsergebnis, BerichtOk);

        // E-mail: the project as a picture.
        ImDialog<TEmailSenden>(hub, [&] {
            f.BtnEmail->click();
            return true;
        }, [](TEmailSenden& d) { d.BtnOk->click(); });
        EXPECT_TRUE(warten([&] { return f.LStatus->text() != MailWartenText; }, 60000));
        EXPECT_EQ(f.LStatus->text(), MailVersendetText);
    });
    EXPECT_TRUE(entworfen);
    EXPECT_TRUE(ProjektdateiLesen(ordner.filePath(QStringLiteral("Spielbericht.crd"))).projekt.has_value());

    // The printed report carries the match and the designer's line.
    const QString pdf = PdfText(ordner.filePath(QStringLiteral("Bericht.pdf")));
    for (const QString& text : {heim, gast, spieler, QStringLiteral("Geprüft: ") + w->Klasse.text()})
        EXPECT_TRUE(pdf.contains(text)) << text.toStdString() << "\n" << pdf.toStdString();

    // The mail's attachment: the first page as a JPEG picture, A4 landscape at 150 dpi.
    const QJsonObject m = senke.nachricht(1);
    const QJsonArray anhaenge = m.value(QStringLiteral("anhaenge")).toArray();
    ASSERT_EQ(anhaenge.size(), 1);
    EXPECT_EQ(anhaenge.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Spielbericht.jpg"));
    const QImage bild = QImage::fromData(
        QByteArray::fromBase64(anhaenge.at(0).toObject().value(QStringLiteral("daten")).toString().toLatin1()), "JPG");
    EXPECT_EQ(bild.size(), QSize(1754, 1240));

    // HTML: what the live results upload, opened in a browser.
    const QString html = ordner.filePath(QStringLiteral("Update.htm"));
    QString fehler;
    ASSERT_EQ(ProjektExportieren(Berichtskomponente(), ordner.filePath(QStringLiteral("Spielbericht.crd")),
                                 QStringLiteral("HTML"), html, *w, &fehler),
              BerichtOk)
        << fehler.toStdString();
    const QString dom = ChromiumDom(html, &fehler);
    ASSERT_FALSE(dom.isEmpty()) << fehler.toStdString();
    for (const QString& text : {heim, gast, spieler})
        EXPECT_TRUE(dom.contains(text.toHtmlEscaped())) << text.toStdString();
}

// A project that is not one of ours: the window says so and shows no page.
TEST_F(Berichtsprojekt, AForeignProjectFileIsReportedNotShown)
{
    QFile projekt(ordner.filePath(QStringLiteral("Spielbericht.crd")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
    projekt.write(QByteArray("\x01\x02binary project\x00\xff", 18));
    projekt.close();
    imFormular([&](TSpFormular& f) {
        EXPECT_EQ(f.LLView->seitenzahl(), 0);
        EXPECT_EQ(LetztesBerichtsergebnis, BerichtFormatFalsch);
        EXPECT_TRUE(f.LStatus->text().contains(QStringLiteral("Formulardatei hat ein unbekanntes Format")))
            << f.LStatus->text().toStdString();
    });
}

}  // namespace
