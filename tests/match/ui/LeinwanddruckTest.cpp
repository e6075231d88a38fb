#include "match/ui/Leinwanddruck.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Drucker.h"
#include "support/Cupsserver.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Pages of a PDF file: its page objects; -1 when it is no PDF.
int PdfSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray inhalt = f.readAll();
    if (!inhalt.startsWith("%PDF")) return -1;
    return int(QString::fromLatin1(inhalt).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

class Leinwanddruck : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        w.Heimmannschaft = "Adler 2", w.Gastmannschaft = "KSV Eiche";
        for (int p = 1; p <= 8; ++p) {
            TSpielerEintrag& s = w.Spieler[p];
            s.Gestartet = 1;
            s.Name = QByteArray("Spieler ") + QByteArray::number(p);
            for (int d = 1; d <= 4; ++d) {
                TDurchgangBlock& b = s.Durchgang[d];
                b.Bahn = u8(d);
                for (int t = 1; t <= 60; ++t)
                    b.Ausgewertet[t] = 1, b.Holz[t] = 9, b.Wurfbild[t] = WurfbildVorhanden | 0x1FF;
            }
        }
        AktWettkampfNr = 1, AktWettkampf = &w, AktSpieler = &w.Spieler[1];
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        Grundlage::TearDown();
    }

    QString datei(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }

    UhrEinsetzen uhr{FesteUhr()};
    TWettkampfDaten& w = Wettkaempfe[1];
    QTemporaryDir ordner;
};

TEST_F(Leinwanddruck, EachPrintToPdf)
{
    // Throws 51..60 on page 2; four players a page in the page version.
    for (const auto& [name, art, seiten] : {std::tuple{"protokoll.pdf", Druckart::Wurfprotokoll, 2},
                                            {"statistik.pdf", Druckart::Mannschaftsstatistik, 1},
                                            {"seiten.pdf", Druckart::MannschaftsstatistikSeiten, 2}}) {
        EXPECT_TRUE(DruckAlsPdf(datei(name), art, true)) << name;
        EXPECT_EQ(PdfSeiten(datei(name)), seiten) << name;
    }
    // Nothing to print without a current player: no file.
    AktSpieler = nullptr;
    EXPECT_FALSE(DruckAlsPdf(datei("leer.pdf"), Druckart::Wurfprotokoll, true));
    EXPECT_FALSE(QFile::exists(datei("leer.pdf")));
}

// The buttons' prints: copies 1 and landscape in the dialog; cancel prints nothing.
TEST_F(Leinwanddruck, DialogThenPrint)
{
    bool drucken = false;
    QList<int> kopien;
    QList<QPageLayout::Orientation> lagen;
    QString ziel;
    DruckdialogSetzen([&](QPrinter& d, QWidget*) {
        kopien << d.copyCount();
        lagen << d.pageLayout().orientation();
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setOutputFileName(ziel);
        d.setCopyCount(3);  // the next print starts from 1 again
        return drucken;
    });
    ziel = datei("abgebrochen.pdf");
    WurfprotokollDrucken(nullptr);
    EXPECT_FALSE(QFile::exists(ziel));

    drucken = true;
    ziel = datei("gast.pdf");
    MannschaftsstatistikSeitenDrucken(nullptr, false);
    EXPECT_EQ(PdfSeiten(ziel), 1);  // guest side: nobody started, head only
    ziel = datei("heim.pdf");
    MannschaftsstatistikDrucken(nullptr, true);
    EXPECT_EQ(PdfSeiten(ziel), 1);
    EXPECT_EQ(kopien, QList<int>({1, 1, 1}));
    EXPECT_EQ(lagen, QList<QPageLayout::Orientation>(3, QPageLayout::Landscape));

    AktWettkampf = nullptr;  // without a match no dialog shows
    MannschaftsstatistikDrucken(nullptr, true);
    EXPECT_EQ(kopien.size(), 3);
}

// Each print is named before its dialog: after a report printed into a PDF
// file the dialog proposes a file named after the print beside it.
TEST_F(Leinwanddruck, DialogProposesThePrintsOwnFileBesideTheLast)
{
    const QString bericht = datei("Spielbericht Corvalink.pdf");
    QStringList vorgeschlagen;
    DruckdialogSetzen([&](QPrinter& d, QWidget*) {
        vorgeschlagen << d.outputFileName();
        return false;
    });
    auto drucken = [&](const std::function<void()>& druck) {
        Drucker().setOutputFormat(QPrinter::PdfFormat);
        Drucker().setOutputFileName(bericht);
        Drucker().setDocName(QStringLiteral("Spielbericht Corvalink"));
        druck();
    };
    drucken([] { WurfprotokollDrucken(nullptr); });
    drucken([] { MannschaftsstatistikDrucken(nullptr, true); });
    drucken([] { MannschaftsstatistikSeitenDrucken(nullptr, false); });
    w.Spieler[1].Name = " ", w.Gastmannschaft = "";
    drucken([] { WurfprotokollDrucken(nullptr); });
    drucken([] { MannschaftsstatistikSeitenDrucken(nullptr, false); });
    Drucker().setOutputFileName(QString());
    Drucker().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(vorgeschlagen, QStringList({datei("Wurfprotokoll Spieler 1.pdf"), datei("Mannschaftsstatistik Adler 2.pdf"),
                                          datei("Mannschaftsstatistik KSV Eiche.pdf"), datei("Wurfprotokoll.pdf"),
                                          datei("Mannschaftsstatistik.pdf")}));
}

// On a real print system: a throw log the queue refuses is told with the
// printer and the reason.
TEST_F(Leinwanddruck, AJobTheQueueRefusesIsTold)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsreject"), {"-r", "Toner leer", "pdf"})) << cups.fehler.toStdString();
    DruckdialogSetzen([](QPrinter& d, QWidget*) {
        CupsTestserver::waehlen(d, QStringLiteral("pdf"));
        return true;
    });
    WurfprotokollDrucken(nullptr);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    const QString text = skriptBoxen().gezeigt.first();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" (Toner leer)"))) << text.toStdString();
}

// A print server that never answers: told within seconds, without a print dialog.
TEST_F(Leinwanddruck, ASilentPrintServerIsToldWithoutADialog)
{
    StummerCupsserver stumm;
    bool dialog = false;
    DruckdialogSetzen([&](QPrinter&, QWidget*) { return dialog = true; });
    QElapsedTimer uhr;
    uhr.start();
    WurfprotokollDrucken(nullptr);
    EXPECT_LT(uhr.elapsed(), 10000);
    EXPECT_FALSE(dialog);
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Der Druckserver „%1“ antwortet nicht.").arg(stumm.adresse())});
}

}  // namespace
