#include "core/Globals.h"
#include "match/lanes/Ergebnistafel.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

class Ergebnistafel : public Grundlage {
protected:
    TWettkampfDaten& w = Wettkaempfe[1];
};

// Each side's lines 1..8: 'V' name and values, 'N' the name only, '.' hidden.
TEST_F(Ergebnistafel, LinesAndSubstitutePositions)
{
    const struct {
        const char* fall;
        bool satz, streich;
        int spieler;
        bool heimErsatz7, gastErsatz8;
        ErgebnisLage lage7, lage8;
        const char *heim, *gast;
    } faelle[] = {
        {"plain, 5 players, nobody brought in", false, false, 5, false, false, {308, 370}, {348, 410}, "VVVVV.NN",
         "VVVVV.NN"},
        {"plain, 5 players, home 7 brought in", false, false, 5, true, false, {308, 370}, {348, 410}, "VVVVV.VN",
         "VVVVV.NN"},
        {"plain, Streichspiel", false, true, 6, false, false, {258, 320}, {298, 360}, "VVVVVVVV", "VVVVVVVV"},
        {"set, Streichspiel", true, true, 6, false, false, {246, 310}, {284, 348}, "VVVVVVVV", "VVVVVVVV"},
        {"set, 6 players, guest 8 brought in", true, false, 6, false, true, {284, 348}, {332, 396}, "VVVVVVNN",
         "VVVVVVNV"},
    };
    auto zeilen = [](const ErgebnisSeite& s) {
        std::string z;
        for (int k = 1; k <= 8; ++k) z += s.werte[k] ? 'V' : s.zeile[k] ? 'N' : '.';
        return z;
    };
    for (const auto& f : faelle) {
        w.Satzanzeige = f.satz;
        w.Streichspiel = f.streich;
        w.Spieleranzahl = u16(f.spieler);
        w.Heim.Ersatz7Eingesetzt = f.heimErsatz7;
        w.Gast.Ersatz8Eingesetzt = f.gastErsatz8;
        const ErgebnisLayout l = ErgebnistafelLayout(w);
        EXPECT_EQ(l.satz, f.satz) << f.fall;
        EXPECT_EQ(l.ersatzLage[1], f.lage7) << f.fall;
        EXPECT_EQ(l.ersatzLage[2], f.lage8) << f.fall;
        EXPECT_EQ(zeilen(l.heim), f.heim) << f.fall;
        EXPECT_EQ(zeilen(l.gast), f.gast) << f.fall;
        EXPECT_EQ(l.heim.ersatzUeberschrift, !f.streich) << f.fall;
    }
}

TEST_F(Ergebnistafel, PlayerLineTexts)
{
    TSpielerEintrag& p = w.Spieler[11];
    p.Name = "Otto Roth";
    p.Volle.Text = "312";
    p.Abr.Text = "145";
    p.Fehler.Text = "  4";
    p.Total.Text = " 457";
    p.Durchgang[1].Total.Text = " 230";
    p.Durchgang[2].Total.Text = " 227";
    p.SaP = 1.5f;

    const auto z = ErgebnistafelSpielerzeile(w, 11);
    ASSERT_TRUE(z);
    EXPECT_FALSE(z->heim);
    EXPECT_EQ(z->zeile, 3);
    EXPECT_EQ(z->name, QStringLiteral("Otto Roth"));
    EXPECT_EQ(QStringList({z->volle, z->abr, z->fehler, z->total}), QStringList({"312", "145", "  4", " 457"}));
    EXPECT_EQ(QStringList({z->satz[1], z->satz[2], z->satz[3], z->satz[4], z->satzTotal}),
              QStringList({" 230", " 227", "", "", " 457"}));
    EXPECT_EQ(z->punkte, QStringLiteral("1.5"));

    EXPECT_FALSE(ErgebnistafelSpielerzeile(w, 17));
    EXPECT_FALSE(ErgebnistafelSpielerzeile(w, 0));
}

TEST_F(Ergebnistafel, SetPointsShowInAPointsMatchOnceThePlayerStarted)
{
    const struct {
        int n;
        bool punktespiel, gestartet;
        int spieler;
        bool hatPunkte, sichtbar;
    } faelle[] = {
        {3, true, true, 4, true, true},
        {3, true, false, 4, true, false},   // not started yet
        {3, false, true, 4, true, false},   // no points match
        {13, true, true, 4, true, false},   // guest line 5 hidden with 4 players
        {13, true, true, 5, true, true},
        {7, true, true, 4, false, false},   // substitutes have no set-points label
    };
    for (const auto& f : faelle) {
        w.Punktespiel = f.punktespiel;
        w.Spieleranzahl = u16(f.spieler);
        w.Spieler[f.n].Gestartet = f.gestartet;
        const auto z = ErgebnistafelSpielerzeile(w, f.n);
        ASSERT_TRUE(z);
        EXPECT_EQ(z->hatPunkte, f.hatPunkte) << f.n;
        EXPECT_EQ(z->punkteSichtbar, f.sichtbar) << f.n << " " << f.punktespiel << f.gestartet << f.spieler;
    }
}

TEST_F(Ergebnistafel, SubstituteNamesWhomHeReplaced)
{
    w.Spieler[7].Ersatz = 3;
    w.Spieler[16].Ersatz = 12;
    const ErgebnisLayout l = ErgebnistafelLayout(w);
    EXPECT_EQ(l.heim.ersetzt[1], QStringLiteral("für Spieler 3"));
    EXPECT_EQ(l.heim.ersetzt[2], QString());
    EXPECT_EQ(l.gast.ersetzt[1], QString());
    EXPECT_EQ(l.gast.ersetzt[2], QStringLiteral("für Spieler 12"));
}

TEST_F(Ergebnistafel, TotalsAndLeadMargin)
{
    const struct {
        const char* fall;
        int heimPlus, gastPlus;
        const char *heimText, *gastText;
    } faelle[] = {
        {"home leads by 37", 37, 0, "  37", "0   "},
        {"guest leads by 37", 0, 37, "   0", "37  "},
        {"level", 0, 0, "   0", "0   "},
    };
    w.Heim.Total.Text = "0537";
    w.Heim.Wuerfe.Text = "0120";
    w.Gast.Total.Text = "0500";
    w.Gast.Wuerfe.Text = "0118";
    for (const auto& f : faelle) {
        w.Heim.Plus.Zahl = u16(f.heimPlus);
        w.Gast.Plus.Zahl = u16(f.gastPlus);
        const ErgebnisSumme s = ErgebnistafelSumme(w);
        EXPECT_EQ(s.heimPlusSichtbar, f.heimPlus != 0) << f.fall;
        EXPECT_EQ(s.gastPlusSichtbar, f.gastPlus != 0) << f.fall;
        EXPECT_EQ(s.heimPlus, QLatin1String(f.heimText)) << f.fall;
        EXPECT_EQ(s.gastPlus, QLatin1String(f.gastText)) << f.fall;
        EXPECT_EQ(QStringList({s.heimTotal, s.heimWurf, s.gastTotal, s.gastWurf}),
                  QStringList({"0537", "0120", "0500", "0118"}));
    }
}

TEST_F(Ergebnistafel, MatchPointsOnlyInAPointsMatch)
{
    w.Heimmannschaft = "Adler 2";
    w.Gastmannschaft = "KSV Eiche";
    w.Heim.TotalMaP = 4.5f;
    w.Gast.TotalMaP = 3.5f;
    EXPECT_FALSE(ErgebnistafelKopf(w).punkteSichtbar);
    w.Punktespiel = 1;
    const ErgebnisKopf k = ErgebnistafelKopf(w);
    EXPECT_TRUE(k.punkteSichtbar);
    EXPECT_EQ(QStringList({k.heim, k.gast, k.summe.heimPunkte, k.summe.gastPunkte}),
              QStringList({"Adler 2", "KSV Eiche", "4.5", "3.5"}));
}

}  // namespace
