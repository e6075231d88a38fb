#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/TimerModul.h"
#include "support/Grundlage.h"
#include "support/Teilstart.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Dialoge = QList<std::pair<Dialog, int>>;

// Six lanes; one match on lanes 1..4 with players 1, 9, 2, 10, started.
class Bahnuebersicht : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        BahnAnzahl = 6;
        TWettkampfDaten& w = m();
        w.ErsteSpielbahn = 1;
        w.LetzteSpielbahn = 4;
        w.Volle = w.Abraeumen = 50;
        w.Gestartet = 1;
        const int spieler[] = {1, 9, 2, 10};
        for (int b = 1; b <= 4; ++b) TeilLaeuft(w, b, spieler[b - 1]);
    }
    static TWettkampfDaten& m() { return Wettkaempfe[1]; }
};

TEST_F(Bahnuebersicht, PagesByLanePairsWithinTheAlley)
{
    // Steps: 'z' show, 'r' right, 'l' left; after each the first lane and the
    // buttons (L = BtnLinks, R = BtnRechts visible).
    const struct {
        int bahnen, erste;
        bool gesperrt;
        const char* schritte;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {4, 1, false, "z", {"1"}},
        {6, 1, false, "zrl", {"1 R", "3 L", "1 R"}},
        {8, 1, false, "zrrrl", {"1 R", "3 LR", "5 L", "5 L", "3 LR"}},
        {8, 7, false, "z", {"5 L"}},
        {16, 14, false, "zl", {"13 L", "11 LR"}},
        {4, 5, false, "z", {"1"}},  // a page left from a larger alley
        {6, 1, true, "zrl", {"1 R", "1 R", "1 R"}},
    };
    for (const auto& f : faelle) {
        ZustandZuruecksetzen();
        BahnAnzahl = u8(f.bahnen);
        ErsteAnzeigebahn = u8(f.erste);
        EingabeGesperrt = f.gesperrt;
        Blaettern b;
        for (std::size_t i = 0; f.schritte[i]; ++i) {
            const char s = f.schritte[i];
            if (s == 'z') b = BahnuebersichtZeigen();
            else if (const std::optional<Blaettern> r = s == 'r' ? SeiteRechts() : SeiteLinks()) b = *r;
            else EXPECT_TRUE(f.gesperrt);
            const std::string ist = std::to_string(ErsteAnzeigebahn) + (b.links || b.rechts ? " " : "") +
                                    (b.links ? "L" : "") + (b.rechts ? "R" : "");
            EXPECT_EQ(ist, f.erwartet[i]) << f.bahnen << " lanes, " << f.schritte << " step " << i;
        }
    }
}

TEST_F(Bahnuebersicht, ShowAndHideKeepTheActiveWindowKind)
{
    const struct {
        u8 vorher;
        const char* geoeffnet;
    } faelle[] = {
        {FensterErgebnis, "oeffnen 1"}, {FensterSpielbericht, "oeffnen 2"}, {FensterWettkampf, "oeffnen 0"}, {0, nullptr},
    };
    for (const auto& f : faelle) {
        fenster.aufrufe.clear();
        AktivesFenster = f.vorher;
        OffeneFenster = FensterWettkampf;
        BahnuebersichtZeigen();
        EXPECT_EQ(AktivesFenster, FensterBahnuebersicht);
        EXPECT_EQ(OffeneFenster, FensterWettkampf | FensterBahnuebersicht);
        BahnuebersichtVerborgen();
        EXPECT_EQ(AktivesFenster, f.vorher);
        EXPECT_EQ(OffeneFenster, FensterWettkampf);
        EXPECT_EQ(fenster.aufrufe, f.geoeffnet ? QStringList{QString::fromLatin1(f.geoeffnet)} : QStringList{});
    }
}

TEST_F(Bahnuebersicht, RunningLaneFillsItsPanel)
{
    TBahnDaten& l = BahnDaten[3];
    l.UebersichtAktualisieren = 1;
    l.TextName1[1].leeren();
    l.TextName1[2].leeren();
    l.TextName1[1].Wuerfe1bis10 = "79x8      ";
    l.TextName1[2].Wuerfe1bis10 = "5x        ";
    l.Spalte1.Text = "24";
    l.Spalte2.Text = "  ";
    l.Spalte3.Text = "  ";
    l.TextWurfNr = " 6";
    l.TextGesamt = " 29";
    l.TextFehler = "  2";
    l.TextVolle = " 24";
    l.TextAbraeumen = "  5";
    l.TextTotal = " 129";
    TSpielerEintrag& p = m().Spieler[2];
    p.Name = "J\xFCrgen M\xFCller";
    p.VerwarnungText = "1";

    const BahnfeldAnzeige a = BahnfeldAnzeigen(3);
    EXPECT_EQ(l.UebersichtAktualisieren, 0);
    EXPECT_EQ(a.feld, 3);
    ASSERT_TRUE(a.inhalt);
    const Bahnfeld& f = *a.inhalt;
    EXPECT_EQ(f.name, QStringLiteral("Jürgen Müller"));
    EXPECT_EQ(f.titel, QStringLiteral("Bahn 3"));
    EXPECT_EQ(f.status, QStringLiteral("Start"));
    const std::array<QString, 6> marken = {QStringLiteral("79x8      "), QStringLiteral("          "),
                                           QStringLiteral("     "),      QStringLiteral("5x        "),
                                           QStringLiteral("          "), QStringLiteral("     ")};
    EXPECT_EQ(f.W, marken);
    EXPECT_EQ(f.WS, (std::array<QString, 3>{QStringLiteral("24"), QStringLiteral("  "), QStringLiteral("  ")}));
    EXPECT_EQ(QStringList({f.wurfZ, f.wurfS, f.fehlerS, f.volleS, f.abrS, f.totalS, f.verwS}),
              QStringList({" 6", " 29", "  2", " 24", "  5", " 129", "1"}));
    EXPECT_FALSE(f.punkteSichtbar);
}

TEST_F(Bahnuebersicht, StatusTextPrefersStopThenPractice)
{
    const struct {
        u8 gestoppt, probe, gestartet;
        const char* status;
    } faelle[] = {
        {1, 1, 1, "Stop"}, {0, 1, 1, "Probe"}, {0, 1, 0, "Probe"}, {0, 0, 1, "Start"}, {0, 0, 0, " "},
    };
    for (const auto& f : faelle) {
        TBahnDaten& l = BahnDaten[1];
        l.BahnGestoppt = f.gestoppt;
        l.ProbeLaeuft = f.probe;
        l.BahnGestartet = f.gestartet;
        const BahnfeldAnzeige a = BahnfeldAnzeigen(1);
        ASSERT_TRUE(a.inhalt);
        EXPECT_EQ(a.inhalt->status, QString::fromLatin1(f.status));
    }
}

// Page 2..5: lane 2 running, 3 finished, 4 idle with a match number, 5 free.
TEST_F(Bahnuebersicht, PanelsFollowTheLaneStatesAndShowEachPlayersSide)
{
    ErsteAnzeigebahn = 2;
    BahnDaten[3].BahnStatus = 1;
    BahnDaten[4].BahnStatus = 3;
    m().Heim.Total.Text = " 1234";
    m().Heim.Plus.Text = "  12";
    m().Gast.Total.Text = " 1222";
    const BahnfeldAnzeige a = BahnfeldAnzeigen(4);
    ASSERT_TRUE(a.panels);
    const std::array<Bahnpanel, 4> erwartet = {Bahnpanel{true, 580}, Bahnpanel{true, 30}, Bahnpanel{}, Bahnpanel{}};
    EXPECT_EQ(*a.panels, erwartet);
    EXPECT_EQ(a.feld, 3);
    EXPECT_EQ(a.mannschaft[0], (Mannschaftsstand{"Gast", " 1222", ""}));
    EXPECT_EQ(a.mannschaft[1], (Mannschaftsstand{"Heim", " 1234", "  12"}));
    EXPECT_EQ(a.mannschaft[2], (Mannschaftsstand{"Gast", " 1222", ""}));
    EXPECT_FALSE(a.mannschaft[3]);
}

TEST_F(Bahnuebersicht, SetPointsOnlyInAPointsGame)
{
    // Lane 3 carries player 2; his substitutes are 7 and, after 7, player 8.
    m().Spieler[2].SaP = 1.5f;
    m().Spieler[7].Ersatz = 2;
    m().Spieler[8].Ersatz = 7;
    m().Spieler[7].SaP = 0;
    m().SVictoryTabelle[3][2].SaP = 0.5f;
    BahnDaten[3].TextVolle = " 17";
    BahnDaten[3].TextTotal = " 301";
    const struct {
        u8 punktespiel, sv;
        int spieler;
        bool sichtbar;
        const char* punkte;
        const char* total;
    } faelle[] = {
        {0, 0, 2, false, "", " 301"},   {1, 0, 2, true, "1.5", " 301"}, {1, 0, 7, true, "1.5", " 301"},
        {1, 0, 8, true, "1.5", " 301"}, {1, 1, 2, true, "0.5", " 17"},  {0, 1, 2, false, "", " 17"},
    };
    for (const auto& f : faelle) {
        m().Punktespiel = f.punktespiel;
        m().SVictoryLaeuft = f.sv;
        m().SVictoryRunde = 2;
        BahnDaten[3].BahnSpieler = &m().Spieler[f.spieler];
        const BahnfeldAnzeige a = BahnfeldAnzeigen(3);
        ASSERT_TRUE(a.inhalt);
        EXPECT_EQ(a.inhalt->punkteSichtbar, f.sichtbar) << int(f.punktespiel) << int(f.sv) << f.spieler;
        EXPECT_EQ(a.inhalt->punkteS, QString::fromLatin1(f.punkte)) << int(f.punktespiel) << int(f.sv) << f.spieler;
        EXPECT_EQ(a.inhalt->totalS, QString::fromLatin1(f.total));
    }
}

TEST_F(Bahnuebersicht, LanesOffThePageOrWithoutAMatchDrawNoPanel)
{
    // A second match on lanes 5..6 plays lane 5 while the page shows 1..4.
    TWettkampfDaten& zweites = Wettkaempfe[2];
    zweites.ErsteSpielbahn = 5;
    TeilLaeuft(zweites, 5, 1);
    BahnDaten[5].UebersichtAktualisieren = 1;
    const BahnfeldAnzeige aus = BahnfeldAnzeigen(5);
    EXPECT_EQ(BahnDaten[5].UebersichtAktualisieren, 0);
    EXPECT_FALSE(aus.panels);
    EXPECT_FALSE(aus.inhalt);
    EXPECT_EQ(aus.feld, 0);

    BahnAnzahl = 8;
    TeilLaeuft(zweites, 7, 9);
    EXPECT_FALSE(BahnfeldAnzeigen(7).inhalt);

    // Lane 2 without a match: its panel state only.
    BahnDaten[2].Wettk = nullptr;
    BahnDaten[2].BahnStatus = 0;
    const BahnfeldAnzeige frei = BahnfeldAnzeigen(2);
    ASSERT_TRUE(frei.panels);
    EXPECT_FALSE((*frei.panels)[1].sichtbar);
    EXPECT_FALSE(frei.inhalt);
    for (const auto& s : frei.mannschaft) EXPECT_FALSE(s);
}

TEST_F(Bahnuebersicht, ClickOpensTheCorrectionOrOffersToRestore)
{
    const struct {
        const char* fall;
        int erste, k;
        bool ohneSpiel, nichtGestartet, gesperrt;
        u8 status, wurfNr;
        Bahnklick was;
        int bahn;
    } faelle[] = {
        {"running", 1, 2, false, false, false, 2, 30, Bahnklick::Korrektur, 2},
        {"second page", 3, 2, false, false, false, 2, 30, Bahnklick::Korrektur, 4},
        {"idle", 1, 2, false, false, false, 3, 0, Bahnklick::Korrektur, 2},
        {"finished, throws left", 1, 2, false, false, false, 1, 99, Bahnklick::Wiederherstellen, 2},
        {"finished, restored", 1, 2, false, false, false, 1, 60, Bahnklick::Wiederherstellen, 2},
        {"finished, all thrown", 1, 2, false, false, false, 1, 100, Bahnklick::Nichts, 0},
        {"no match", 1, 2, true, false, false, 2, 30, Bahnklick::Nichts, 0},
        {"match not started", 1, 2, false, true, false, 2, 30, Bahnklick::Nichts, 0},
        {"input locked", 1, 2, false, false, true, 2, 30, Bahnklick::Nichts, 0},
    };
    for (const auto& f : faelle) {
        SetUp();
        ErsteAnzeigebahn = u8(f.erste);
        const int n = f.k + f.erste - 1;
        BahnDaten[n].BahnStatus = f.status;
        BahnDaten[n].WurfNr = f.wurfNr;
        if (f.ohneSpiel) BahnDaten[n].Wettk = nullptr;
        m().Gestartet = !f.nichtGestartet;
        EingabeGesperrt = f.gesperrt;
        const BahnklickErgebnis e = BahnklickPruefen(f.k);
        EXPECT_EQ(e.was, f.was) << f.fall;
        EXPECT_EQ(e.bahn, f.bahn) << f.fall;

        fenster.dialoge.clear();
        const bool ja = f.wurfNr == 60;
        skriptBoxen().antworten = {ja ? ErgebnisJa : ErgebnisNein};
        BahnAngeklickt(f.k);
        EXPECT_EQ(BahnDaten[n].BahnStatus, ja ? 2 : f.status) << f.fall;
        EXPECT_EQ(fenster.dialoge, (f.was == Bahnklick::Korrektur ? Dialoge{{Dialog::Korrektur, n}} : Dialoge{})) << f.fall;
        EXPECT_EQ(skriptBoxen().gezeigt, f.was == Bahnklick::Wiederherstellen
                                             ? QStringList{QStringLiteral("Bahn wieder herstellen ?")}
                                             : QStringList{})
            << f.fall;
    }
}

}  // namespace
