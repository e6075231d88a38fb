// The print options of a layout: what the dialog shows of a record, what OK
// takes over, and the keys it leaves in the settings file.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "report/Berichtzustand.h"
#include "report/Druckoptionen.h"
#include "support/Programmordner.h"

#include <QFile>
#include <tuple>

namespace {

class Druckoptionen : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        OrdnerSetzen(ordner.path());
    }
    void TearDown() override
    {
        druckoptionenZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    QByteArray datei() const
    {
        QFile f(InfDatei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

auto Satz(const TFormularEinstellung& r)
{
    return std::tuple(r.SpFontName, r.SpFontSize, r.SpFontBold, r.SpFontItalic, r.SpFontColor, r.SpAusrichtung,
                      r.SpRandOben, r.SpRandUnten, r.SpRandLinks, r.SpRandRechts, r.StandardDrucker, r.StandardFax,
                      r.StandardDruckerName, r.StandardFaxName);
}

TEST_F(Druckoptionen, StoredSizeShownAsAThirdAndStoredBackTimesThree)
{
    Einst.FormularEinstellungen[2].SpFontSize = 31;
    const Druckoptionswerte w = DruckoptionenLesen(2);
    EXPECT_EQ(w.FontSize, 10);
    DruckoptionenUebernehmen(2, w);
    EXPECT_EQ(Einst.FormularEinstellungen[2].SpFontSize, 30);
}

// Margins count only their digits; no copies or 0 copies print one.
TEST_F(Druckoptionen, MarginsAndCopiesTakeTheirDigits)
{
    const struct {
        const char* text;
        i32 rand;
        u8 kopien;
    } faelle[] = {{"12a", 12, 12}, {"", 0, 1}, {"0", 0, 1}, {"a1b2c", 12, 12}, {"-40", 40, 40}, {"300", 300, 99}};
    for (const auto& f : faelle) {
        Druckoptionswerte w = DruckoptionenLesen(4);
        w.RandLinks = w.Kopien = QString::fromLatin1(f.text);
        DruckoptionenUebernehmen(4, w);
        EXPECT_EQ(std::tuple(Einst.FormularEinstellungen[4].SpRandLinks, Einst.Kopien), std::tuple(f.rand, f.kopien))
            << f.text;
    }
}

// A printer and a fax printer at any position, the first one too, keep
// their names; the default printer (-1) keeps none.
TEST_F(Druckoptionen, EveryChosenPrinterKeepsItsName)
{
    for (const auto& [stelle, name] : {std::pair{0, "erster"}, std::pair{1, "zweiter"}, std::pair{-1, ""}}) {
        Druckoptionswerte w = DruckoptionenLesen(4);
        w.Drucker = w.Fax = stelle;
        w.DruckerName = QStringLiteral("erster"), w.FaxName = QStringLiteral("erster");
        if (stelle == 1) w.DruckerName = w.FaxName = QStringLiteral("zweiter");
        DruckoptionenUebernehmen(4, w);
        const TFormularEinstellung& r = Einst.FormularEinstellungen[4];
        EXPECT_EQ(std::tuple(r.StandardDruckerName, r.StandardFaxName),
                  std::tuple(QString::fromLatin1(name), QString::fromLatin1(name)))
            << stelle;
    }
}

// The printers' names go beside their positions; no printer keeps no name.
TEST_F(Druckoptionen, FourteenKeysInTableOrderWithTheIndex)
{
    Druckoptionswerte w = DruckoptionenLesen(3);
    w.FontName = QStringLiteral("Courier New");
    w.FontSize = 12;
    w.FontColor = 255;
    w.FontBold = true;
    w.Hochformat = false;
    w.RandOben = QStringLiteral("12a");
    w.RandUnten = QString();
    w.RandLinks = QStringLiteral("5");
    w.RandRechts = QStringLiteral("7");
    w.Drucker = -1;
    w.DruckerName = QStringLiteral("alt");
    w.Fax = 2;
    w.FaxName = QStringLiteral("Fax-Modem");
    DruckoptionenUebernehmen(3, w);
    ASSERT_TRUE(DruckoptionenSchreiben(3));

    const QStringList erwartet = {
        QStringLiteral("[Font]"),
        QStringLiteral("SpFontName3 = Courier New"),
        QStringLiteral("SpFontSize3 = 36"),
        QStringLiteral("SpFontColor3 = 255"),
        QStringLiteral("SpFontBold3 = True"),
        QStringLiteral("SpFontItalic3 = False"),
        QString(),
        QStringLiteral("[Drucker]"),
        QStringLiteral("SpAusrichtung3 = False"),
        QStringLiteral("SpRandOben3 = 12"),
        QStringLiteral("SpRandUnten3 = 0"),
        QStringLiteral("SpRandLinks3 = 5"),
        QStringLiteral("SpRandRechts3 = 7"),
        QStringLiteral("StandardDrucker3 = -1"),
        QStringLiteral("StandardFax3 = 2"),
        QStringLiteral("StandardDruckerName3 = "),
        QStringLiteral("StandardFaxName3 = Fax-Modem"),
    };
    EXPECT_EQ(InfListe, erwartet);
    EXPECT_EQ(datei(), erwartet.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

// What OK saved comes back after a restart, the landscape page included.
TEST_F(Druckoptionen, SavedRecordSurvivesARestart)
{
    Druckoptionswerte w = DruckoptionenLesen(7);
    w.FontName = QStringLiteral("Liberation Serif");
    w.FontSize = 14;
    w.FontItalic = true;
    w.FontColor = 0x00FF8000;
    w.Hochformat = false;
    w.RandOben = QStringLiteral("100");
    w.RandRechts = QStringLiteral("250");
    w.Drucker = 1;
    w.DruckerName = QStringLiteral("Büro Laser");
    w.Fax = -1;
    DruckoptionenUebernehmen(7, w);
    ASSERT_TRUE(DruckoptionenSchreiben(7));

    EinstellungenVorbelegen();
    ASSERT_TRUE(Einst.FormularEinstellungen[7].SpAusrichtung);
    EXPECT_TRUE(EinstellungenLaden(ordner.path()).isEmpty());
    EXPECT_EQ(Satz(Einst.FormularEinstellungen[7]),
              std::tuple(QStringLiteral("Liberation Serif"), u16(42), false, true, i32(0x00FF8000), false, i32(100),
                         i32(0), i32(0), i32(250), i32(1), i32(-1), QStringLiteral("Büro Laser"), QString()));
    // The neighbours keep their defaults: the landscape forms 6 and 8 landscape.
    EXPECT_FALSE(Einst.FormularEinstellungen[6].SpAusrichtung || Einst.FormularEinstellungen[8].SpAusrichtung);
    EXPECT_TRUE(Einst.FormularEinstellungen[0].SpAusrichtung && Einst.FormularEinstellungen[9].SpAusrichtung);
}

// A report project (index above 19) has no record: only the switches and
// the copies are taken over, and no key is written.
TEST_F(Druckoptionen, IndexWithoutRecordTouchesNoRecord)
{
    for (int i : {-1, 20, 25, 255}) EXPECT_FALSE(FormularIndexMitEinstellung(i)) << i;
    for (int i : {0, 8, 9, 19}) EXPECT_TRUE(FormularIndexMitEinstellung(i)) << i;

    const auto vorher = Satz(Einst.FormularEinstellungen[19]);
    Druckoptionswerte w = DruckoptionenLesen(25);
    EXPECT_EQ(std::tuple(w.FontName, w.FontSize, w.Drucker), std::tuple(QStringLiteral("Arial"), 10, -1));
    w.FontSize = 20;
    w.RandOben = QStringLiteral("9");
    w.DrBahndrucker = true;
    w.DrGrafik = true;
    w.Kopien = QStringLiteral("2");
    DruckoptionenUebernehmen(25, w);
    EXPECT_TRUE(DruckoptionenSchreiben(25));

    EXPECT_EQ(std::tuple(Einst.DrBahndrucker, Einst.DrGrafik, Einst.Kopien), std::tuple(true, true, u8(2)));
    EXPECT_EQ(Satz(Einst.FormularEinstellungen[19]), vorher);
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_FALSE(QFile::exists(InfDatei));
}

TEST_F(Druckoptionen, FailedSaveIsReportedAndTheKeysStayInTheList)
{
    InfDatei = ordner.filePath(QStringLiteral("fehlt/Bravolin.inf"));
    DruckoptionenUebernehmen(1, DruckoptionenLesen(1));
    EXPECT_FALSE(DruckoptionenSchreiben(1));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(InfListe.contains(QStringLiteral("StandardFax1 = 0")));
}

}  // namespace
