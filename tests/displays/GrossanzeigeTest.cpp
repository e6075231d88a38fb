#include "displays/Grossanzeige.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr Tafelfarben Farben{.spieler = 1, .gestartet = 2, .fertig = 3};

class Grossanzeige : public ::testing::Test {
protected:
    void SetUp() override
    {
        w->Spieleranzahl = 6;
        w->Heimmannschaft = "KSC Ahorn 1";
        w->Gastmannschaft = "SV Bindlach";
    }
    void TearDown() override { BannerAnzeigen = true; }

    GrossanzZeile zeile(int n, Tafelform form = Tafelform::Breit)
    {
        return *GrossanzeigeZeile(*w, form, n, Farben);
    }

    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
};

struct LageFall {
    Tafelform form;
    bool satz, streich;
    int k, name, werte;
};

TEST(GrossanzLage, RowsSevenAndEightStandAsTheTableSays)
{
    const Tafelform B = Tafelform::Breit, S = Tafelform::Schmal;
    const LageFall faelle[] = {
        {B, false, true, 7, 254, 308}, {B, false, true, 8, 294, 348}, {B, false, false, 7, 304, 358},
        {B, false, false, 8, 344, 398}, {B, true, true, 7, 246, 310},  {B, true, true, 8, 284, 348},
        {B, true, false, 7, 284, 348},  {B, true, false, 8, 332, 396}, {S, false, true, 7, 208, 264},
        {S, false, true, 8, 241, 297},  {S, false, false, 7, 242, 300}, {S, false, false, 8, 275, 333},
        {S, true, true, 7, 190, 254},   {S, true, true, 8, 220, 284},  {S, true, false, 7, 220, 284},
        {S, true, false, 8, 268, 332},
    };
    for (const LageFall& f : faelle) {
        const ErgebnisLage l = GrossanzZeilenLage(f.form, f.satz, f.streich, f.k);
        EXPECT_EQ(l.nameOben, f.name) << int(f.form) << f.satz << f.streich << f.k;
        EXPECT_EQ(l.werteOben, f.werte) << int(f.form) << f.satz << f.streich << f.k;
    }
}

TEST_F(Grossanzeige, FivePlayersHideRowSixAndTheSubstitutesValuesUntilTheyCameIn)
{
    w->Spieleranzahl = 5;
    for (Tafelform form : {Tafelform::Breit, Tafelform::Schmal}) {
        for (int basis : {0, 8}) {
            for (int k = 1; k <= 5; ++k) EXPECT_TRUE(zeile(basis + k, form).werteSichtbar) << k;
            EXPECT_FALSE(zeile(basis + 6, form).nameSichtbar);
            EXPECT_FALSE(zeile(basis + 6, form).werteSichtbar);
            for (int k : {7, 8}) {
                EXPECT_TRUE(zeile(basis + k, form).nameSichtbar) << k;
                EXPECT_FALSE(zeile(basis + k, form).werteSichtbar) << k;
            }
        }
    }
    EXPECT_TRUE(GrossanzeigeAufbauen(*w, Tafelform::Breit, Farben).ersatzSichtbar);

    // The home side's first substitute and the guests' second.
    w->Heim.Ersatz7Eingesetzt = 1;
    w->Gast.Ersatz8Eingesetzt = 1;
    EXPECT_TRUE(zeile(7).werteSichtbar);
    EXPECT_FALSE(zeile(8).werteSichtbar);
    EXPECT_FALSE(zeile(15).werteSichtbar);
    EXPECT_TRUE(zeile(16).werteSichtbar);
}

TEST_F(Grossanzeige, StreichspielShowsAllEightRowsMovedUpWithoutSubstituteCaptions)
{
    w->Streichspiel = 1;
    w->Spieleranzahl = 8;
    w->Spieler[7].Ersatz = 2;
    const GrossanzTafel t = GrossanzeigeAufbauen(*w, Tafelform::Breit, Farben);
    EXPECT_FALSE(t.ersatzSichtbar);
    for (int n = 1; n <= MaxSpieler; ++n) {
        EXPECT_TRUE(t.zeilen[n].nameSichtbar) << n;
        EXPECT_TRUE(t.zeilen[n].werteSichtbar) << n;
        EXPECT_FALSE(t.zeilen[n].ersetztSichtbar) << n;
    }
    EXPECT_EQ(t.zeilen[7].lage, (ErgebnisLage{254, 308}));
    EXPECT_EQ(t.zeilen[16].lage, (ErgebnisLage{294, 348}));

    w->Streichspiel = 0;
    EXPECT_EQ(zeile(7).lage, (ErgebnisLage{304, 358}));
    EXPECT_EQ(zeile(16).lage, (ErgebnisLage{344, 398}));
}

TEST_F(Grossanzeige, SubstituteLabelsCountWithinTheSide)
{
    w->Satzanzeige = 1;
    w->Spieler[7].Ersatz = 2;
    w->Spieler[15].Ersatz = 11;
    EXPECT_EQ(zeile(7).ersetzt, QStringLiteral("für Spieler 2"));
    EXPECT_EQ(zeile(15).ersetzt, QStringLiteral("für Spieler 3"));
    EXPECT_TRUE(zeile(15).ersetztSichtbar);
    EXPECT_EQ(zeile(16).ersetzt, QString());  // replaced nobody
    EXPECT_FALSE(zeile(3).ersetztSichtbar);   // rows 1..6 have no such label

    // A number outside the own side (a damaged record) shows no label text.
    w->Spieler[15].Ersatz = 4;
    EXPECT_EQ(zeile(15).ersetzt, QString());
    w->Spieler[8].Ersatz = 200;
    EXPECT_EQ(zeile(8).ersetzt, QString());

    // Only the set layout shows them.
    w->Satzanzeige = 0;
    EXPECT_FALSE(zeile(7).ersetztSichtbar);
}

TEST_F(Grossanzeige, NameColourByState)
{
    struct Fall {
        u8 gestartet, fertig;
        u32 farbe;
    };
    for (const Fall& f : {Fall{0, 0, 1}, Fall{1, 0, 2}, Fall{1, 1, 3}, Fall{0, 1, 3}}) {
        w->Spieler[4].Gestartet = f.gestartet;
        w->Spieler[4].Fertig = f.fertig;
        EXPECT_EQ(zeile(4).namenfarbe, f.farbe) << int(f.gestartet) << int(f.fertig);
    }
}

// The texts are the result table's; the board adds when set points show.
TEST_F(Grossanzeige, SetPointsShowInAPointsMatchOnceThePlayerStarted)
{
    w->Satzanzeige = 1;
    w->Spieler[10].SaP = 1.0f;
    EXPECT_EQ(zeile(10).texte.punkte, QStringLiteral("1.0"));
    EXPECT_FALSE(zeile(10).texte.punkteSichtbar);
    w->Punktespiel = 1;
    EXPECT_FALSE(zeile(10).texte.punkteSichtbar);
    w->Spieler[10].Gestartet = 1;
    EXPECT_TRUE(zeile(10).texte.punkteSichtbar);
}

TEST_F(Grossanzeige, TotalsBar)
{
    w->Heim.Plus.Zahl = 57;
    w->Gast.Plus.Zahl = 0;
    w->Heim.Wuerfe.Text = "0240";
    w->Heim.Total.Text = "3112";
    GrossanzTafel t = GrossanzeigeAufbauen(*w, Tafelform::Breit, Farben);
    EXPECT_TRUE(t.summe.heimPlusSichtbar);
    EXPECT_FALSE(t.summe.gastPlusSichtbar);
    EXPECT_EQ(t.summe.heimPlus, QStringLiteral("  57"));
    EXPECT_EQ(t.summe.heimWurf, QStringLiteral("0240"));
    EXPECT_EQ(t.summe.heimTotal, QStringLiteral("3112"));
    EXPECT_FALSE(t.punkteSichtbar);

    w->Heim.Plus.Zahl = 0;
    w->Gast.Plus.Zahl = 8;
    w->Punktespiel = 1;
    w->Heim.TotalMaP = 2.0f;
    w->Gast.TotalMaP = 6.0f;
    t = GrossanzeigeAufbauen(*w, Tafelform::Schmal, Farben);
    EXPECT_FALSE(t.summe.heimPlusSichtbar);
    EXPECT_EQ(t.summe.gastPlus, QStringLiteral("8   "));
    EXPECT_TRUE(t.punkteSichtbar);
    EXPECT_EQ(t.summe.heimPunkte, QStringLiteral("2.0"));
    EXPECT_EQ(t.summe.gastPunkte, QStringLiteral("6.0"));
}

TEST_F(Grossanzeige, HeaderNamesAndBannerOnTheWideBoardOnly)
{
    const GrossanzTafel t = GrossanzeigeAufbauen(*w, Tafelform::Breit, Farben);
    EXPECT_EQ(t.heim, QStringLiteral("KSC Ahorn 1"));
    EXPECT_EQ(t.gast, QStringLiteral("SV Bindlach"));
    EXPECT_TRUE(t.banner);
    EXPECT_FALSE(GrossanzeigeAufbauen(*w, Tafelform::Schmal, Farben).banner);
    BannerAnzeigen = false;
    EXPECT_FALSE(GrossanzeigeAufbauen(*w, Tafelform::Breit, Farben).banner);
}

TEST(Werbedatei, KindByExtensionInAnyCase)
{
    const std::pair<const char*, Werbeart> faelle[] = {
        {"/w/Logo.JPG", Werbeart::Bild},   {"/w/a.jpeg", Werbeart::Bild},     {"/w/a.Bmp", Werbeart::Bild},
        {"/w/Film.avi", Werbeart::Video},  {"/w/Film.MPG", Werbeart::Video},  {"/w/a.png", Werbeart::Keine},
        {"/w/a.mp4", Werbeart::Keine},     {"/w/ohne", Werbeart::Keine},      {"/w.jpg/ohne", Werbeart::Keine},
    };
    for (const auto& [datei, art] : faelle) EXPECT_EQ(WerbedateiArt(QString::fromLatin1(datei)), art) << datei;
}

}  // namespace
