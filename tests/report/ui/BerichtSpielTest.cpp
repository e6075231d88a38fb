// The report of a match played on the simulated alley, sent out through the
// report window as the operator does it: printed, faxed with its cover page
// (both into PDF files in place of the printer queues, rendered with
// pdftoppm) and mailed to a local SMTP server with the cover text as body.
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Drucker.h"
#include "core/ui/Fensterhub.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/netz/Netzmodul.h"
#include "report/Unterschriften.h"
#include "report/ui/Berichtausgabe.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/FaxSenden.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/SpFormular.h"
#include "support/Berichtsspiel.h"
#include "support/ImDialog.h"
#include "support/Pdf.h"
#include "support/Smtpsenke.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

namespace {

// The PDF's first page at 20 dpi; null when pdftoppm could not render it.
QImage Seite(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, pdf});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(pdf + QStringLiteral(".png"));
}

// The share of dark pixels, a rough measure of what is printed.
double Tinte(const QImage& bild)
{
    long dunkel = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128) ++dunkel;
    return bild.isNull() ? 0 : double(dunkel) / (double(bild.width()) * bild.height());
}

class Berichtspiel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        std::string fehler;
        w = BerichtsspielSpielen(anlage, &fehler);
        ASSERT_TRUE(w) << fehler;
        m_daten = Datenverzeichnis;
        m_inf = InfDatei;
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        deckblattZustand.zuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        ReportFensterRegistrieren(hub);
        berichtausgabeZustand.vorDruckauftrag = [this](QPrinter& p) {
            auftraege << ordner.filePath(QStringLiteral("auftrag%1.pdf").arg(auftraege.size() + 1));
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(auftraege.back());
        };
        DruckdialogSetzen([](QPrinter&, QWidget*) { return true; });
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        berichtausgabeZustand.zuruecksetzen();
        deckblattZustand.zuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        Datenverzeichnis = m_daten;
        InfDatei = m_inf;
        ProgrammAbbauen();
    }

    // The report window on layout `index`, with `handeln` run in it.
    void imFormular(int index, const std::function<void(TSpFormular&)>& handeln)
    {
        Einst.FormularNummer = u8(index);
        ImDialog<TSpFormular>(hub, [] { return fenster().dialog(Dialog::Spielberichtformular); }, handeln);
    }

    QTemporaryDir ordner;
    Anlage anlage{SimVorgaben(5, 40, 40, 2026)};
    TWettkampfDaten* w = nullptr;
    Fensterhub hub;
    QStringList auftraege;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_daten, m_inf;
};

TEST_F(Berichtspiel, PrintedFaxedAndMailedFromTheReportWindow)
{
    // Home captain's signature: a thick stroke across his box.
    QImage unterschrift = LeereUnterschrift();
    QPainter(&unterschrift).fillRect(40, 60, 580, 30, Qt::black);
    UnterschriftenSetzen(*w, {unterschrift, {}, {}});

    // A cover sheet, as the cover window saves it.
    QString fehler;
    ASSERT_EQ(DeckblattEinfuegen(0, QStringLiteral("Staffelleiter"), &fehler), 1) << fehler.toStdString();
    QTextDocument text;
    text.setPlainText(QStringLiteral("An den Staffelleiter\nSpielbericht der Bezirksliga Nord"));
    ASSERT_TRUE(DeckblattSpeichern(1, text, &fehler)) << fehler.toStdString();
    w->FaxDeckblatt = 1;
    w->EmailDeckblatt = 1;

    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul netzmodul(BerichtStatus);
    NetzDiensteEinsetzen netzEin(&netzmodul);
    Einst.EmailHost = QStringLiteral("127.0.0.1");
    Einst.EmailPort = senke.port;
    EmailAnListe = {QStringLiteral("staffelleiter@kegeln.test")};
    w->EmailVon = QStringLiteral("bericht@ahorn.test");
    w->EmailAn = QStringLiteral("staffelleiter@kegeln.test");
    w->EmailBetreff = QStringLiteral("Spielbericht KSC Ahorn 1 - SG Birkenau 1");

    QString status;
    imFormular(2, [&](TSpFormular& f) {
        // Print: one job, the landscape form.
        f.BtnDrucken->click();
        ASSERT_EQ(auftraege.size(), 1);

        // Fax into a PDF file, as the operator chooses it in the print dialog:
        // the dialog takes the match's cover; the cover page and the report follow.
        berichtausgabeZustand.vorDruckauftrag = nullptr;
        DruckdialogSetzen([this](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ordner.filePath(QStringLiteral("Fax.pdf")));
            return true;
        });
        ImDialog<TFaxSenden>(hub, [&] {
            f.BtnFax->click();
            return true;
        }, [](TFaxSenden& d) {
            EXPECT_EQ(d.CDeckblatt->currentText(), QStringLiteral("Staffelleiter"));
            d.BtnOk->click();
        });
        auftraege << ordner.filePath(QStringLiteral("Fax-Deckblatt.pdf")) << ordner.filePath(QStringLiteral("Fax.pdf"));

        // E-mail: the dialog proposes the match's values; the mail goes out.
        ImDialog<TEmailSenden>(hub, [&] {
            f.BtnEmail->click();
            return true;
        }, [](TEmailSenden& d) {
            EXPECT_EQ(d.CEmailAn->currentText(), QStringLiteral("staffelleiter@kegeln.test"));
            d.BtnOk->click();
        });
        EXPECT_TRUE(warten([&] { return f.LStatus->text() == MailVersendetText; }, 60000))
            << f.LStatus->text().toStdString();
        status = f.LStatus->text();
    });
    EXPECT_EQ(status, MailVersendetText);

    // The printed report and the faxed one: landscape pages with the form on them.
    for (const QString& pdf : {auftraege[0], auftraege[2]}) {
        const QImage seite = Seite(pdf);
        ASSERT_FALSE(seite.isNull()) << pdf.toStdString();
        EXPECT_GT(seite.width(), seite.height()) << pdf.toStdString();
        EXPECT_GT(Tinte(seite), 0.001) << pdf.toStdString();  // a blank page has none
    }
    // The fax's cover page: portrait, with the cover text.
    const QImage deckblatt = Seite(auftraege[1]);
    ASSERT_FALSE(deckblatt.isNull());
    EXPECT_LT(deckblatt.width(), deckblatt.height());
    EXPECT_TRUE(PdfText(auftraege[1], false).contains(QStringLiteral("Spielbericht der Bezirksliga Nord")));

    // The mail: the cover as body, the signed report of layout 2 attached.
    const QJsonObject m = senke.nachricht(1);
    ASSERT_FALSE(m.isEmpty());
    EXPECT_TRUE(m.value(QStringLiteral("text")).toString().contains(QStringLiteral("An den Staffelleiter")))
        << m.value(QStringLiteral("text")).toString().toStdString();
    const QJsonArray anhaenge = m.value(QStringLiteral("anhaenge")).toArray();
    ASSERT_EQ(anhaenge.size(), 1);
    const QJsonObject anhang = anhaenge.at(0).toObject();
    EXPECT_EQ(anhang.value(QStringLiteral("name")).toString(), QStringLiteral("Spielbericht.bmp"));
    const QImage bild = QImage::fromData(QByteArray::fromBase64(anhang.value(QStringLiteral("daten")).toString().toLatin1()));
    ASSERT_EQ(bild.size(), QSize(3400, 2430));
    // The home captain's box of layout 2 (400..730, 2230..2305) carries his signature.
    EXPECT_EQ(qGray(bild.pixel(565, 2267)), 0);
}

}  // namespace
