#include "competition/Wettkampfoptionen.h"

#include "core/Globals.h"
#include "support/Grundlage.h"

#include <tuple>

namespace {

// Printer calls including the port and queue stand-ins.
struct Drucker : DruckAufnahme {
    void druckerportInit() override { aufrufe.push_back("Portinit"); }
    void druckwarteschlangeLeeren(int b) override { merken("Leeren", b); }
};

class Wettkampfoptionen_ : public Grundlage {
protected:
    TWettkampfDaten& w = Wettkaempfe[1];
    // The controls as a match with no options set shows them.
    Wettkampfoptionen leer() { return WettkampfoptionenLesen(w, true); }
};

}  // namespace

// Throw counts: digits only; Volle and Abräumen within 50 each and together.
TEST_F(Wettkampfoptionen_, ThrowCountsFollowThePresetLimits)
{
    const std::tuple<const char*, const char*, const char*, int, int, int> faelle[] = {
        {"30", "0", "30", 30, 0, 30},  // 30 Volle is a preset of its own; the time is not capped
        {"40", "20", "12", 40, 10, 12},
        {"60", "5", "999", 50, 0, 999},
        {"25", "25", "", 25, 25, 0},
        {"", "", "", 0, 0, 0},
        {"1 5", "0", "7", 15, 0, 7},
    };
    for (const auto& [volle, abr, zeit, v, a, z] : faelle) {
        Wettkampfoptionen o = leer();
        o.Volle = volle;
        o.Abraeumen = abr;
        o.Wurfzeit = zeit;
        WettkampfoptionenSchreiben(w, o, false);
        EXPECT_EQ(std::tuple(w.Volle, w.Abraeumen, w.Wurfzeit), std::tuple(v, a, z)) << volle << "/" << abr;
        EXPECT_EQ(w.Geaendert, 1);
    }
}

TEST_F(Wettkampfoptionen_, ThrowSheetFlags)
{
    // Without a central printer the six boxes are off and disabled, whatever the match holds.
    w.DrWurfblatt = w.DrZentral = w.DrKopf = 1;
    w.DrEinzelbahn = 0;
    const Wettkampfoptionen o = WettkampfoptionenLesen(w, false);
    EXPECT_FALSE(o.DrWurfblatt || o.DrZweiBahnen || o.DrZentral || o.DrSparmodus || o.DrKopf || o.DrFuss);
    EXPECT_EQ(WettkampfoptionenFreigaben(o, false), WettkampfoptionenFreigabe{});
    WettkampfoptionenSchreiben(w, o, false);
    EXPECT_EQ(std::tuple(w.DrWurfblatt, w.DrZentral, w.DrEinzelbahn), std::tuple(0, 0, 1));

    // The lane prints on its own only without a two-lane or central sheet.
    for (const auto& [zwei, zentral, einzeln] : {std::tuple(0, 0, 1), std::tuple(1, 0, 0), std::tuple(0, 1, 0)}) {
        Wettkampfoptionen p = leer();
        p.DrWurfblatt = true;
        p.DrZweiBahnen = zwei;
        p.DrZentral = zentral;
        WettkampfoptionenSchreiben(w, p, false);
        EXPECT_EQ(w.DrEinzelbahn, einzeln) << zwei << zentral;
    }
}

// What activation shows, the boxes that follow a click, and what is enabled.
TEST_F(Wettkampfoptionen_, ActivationAndClickRules)
{
    Einst.Land = "Bayern";
    w.Bezirk = "Mitte";
    w.Punktespiel = w.SVictory2Spiele = w.Satzanzeige = 1;
    w.SVictoryWuerfe = 10;
    Wettkampfoptionen o = leer();
    EXPECT_EQ(std::tuple(o.Land, o.SVictory1Wuerfe, o.SVictory2Wuerfe), std::tuple(QString("Bayern"), QString(), QString("10")));

    o.SVictory1Spiel = true;
    WettkampfoptionenKlick(o, Optionsbox::SVictory1Spiel);
    EXPECT_EQ(std::tuple(o.SVictory2Spiele, o.SVictory2Wuerfe), std::tuple(false, QString()));
    std::tie(o.SVictory1Wuerfe, o.Punktespiel) = std::tuple("7", false);
    WettkampfoptionenKlick(o, Optionsbox::Punktespiel);
    EXPECT_EQ(std::tuple(o.SVictory1Spiel, o.SVictory1Wuerfe), std::tuple(false, QString()));
    EXPECT_FALSE(WettkampfoptionenFreigaben(o, true).SVictory1Spiel);
    o.Bahnergebnisse = true;
    WettkampfoptionenKlick(o, Optionsbox::Bahnergebnisse);
    EXPECT_FALSE(o.Satzanzeige);

    EXPECT_FALSE(WettkampfoptionenFreigaben(o, true).DrZweiBahnen);
    o.DrWurfblatt = o.DrZentral = o.DrZweiBahnen = true;
    WettkampfoptionenKlick(o, Optionsbox::DrZentral);
    EXPECT_FALSE(o.DrZweiBahnen);
    o.DrZweiBahnen = true;
    WettkampfoptionenKlick(o, Optionsbox::DrZweiBahnen);
    EXPECT_FALSE(o.DrZentral);
    const WettkampfoptionenFreigabe f = WettkampfoptionenFreigaben(o, true);
    EXPECT_TRUE(f.DrZweiBahnen && f.DrZentral && f.DrKopf && f.DrFuss && !f.DrSparmodus);
    EXPECT_EQ(SVictoryWuerfeBegrenzen("12", 25), "12");  // 40 → 25 is shown by the dialog test
}

TEST_F(Wettkampfoptionen_, SuddenVictoryOptions)
{
    w.SVictoryWuerfe = 9;
    Wettkampfoptionen o = leer();
    o.Punktespiel = o.SVictory1Spiel = true;  // no count typed: off
    WettkampfoptionenSchreiben(w, o, true);
    EXPECT_EQ(std::tuple(w.SVictory1Spiel, w.SVictoryWuerfe), std::tuple(0, 0));
    std::tie(o.SVictory1Wuerfe, o.SVictory2Spiele, o.SVictory2Wuerfe) = std::tuple("5", true, "7");
    WettkampfoptionenSchreiben(w, o, true);
    EXPECT_EQ(std::tuple(w.SVictory1Spiel, w.SVictory2Spiele, w.SVictoryWuerfe), std::tuple(1, 1, 7));
}

// One duel of one round, home 100 against guest 90: the home set point is 1
// once recomputed.
TEST_F(Wettkampfoptionen_, SetPointsOnlyWhenThePointsGameIsSwitchedOn)
{
    for (const auto& [vorher, jetzt, sap] : {std::tuple(false, true, 1.0f), std::tuple(true, true, 0.0f),
                                             std::tuple(true, false, 0.0f), std::tuple(false, false, 0.0f)}) {
        w.Spieleranzahl = w.Durchgaenge = 1;
        std::tie(w.Spieler[1].Durchgang[1].Bahn, w.Spieler[9].Durchgang[1].Bahn) = std::tuple(1, 2);
        std::tie(w.Spieler[1].Durchgang[1].Total.Zahl, w.Spieler[9].Durchgang[1].Total.Zahl) = std::tuple(100, 90);
        w.Spieler[1].Durchgang[1].SaP = 0;
        Wettkampfoptionen o = leer();
        o.Punktespiel = jetzt;
        WettkampfoptionenSchreiben(w, o, vorher);
        EXPECT_EQ(w.Spieler[1].Durchgang[1].SaP, sap) << vorher << jetzt;
    }
}

// Lanes 1-3 belong to the match, lane 4 to another one.
TEST_F(Wettkampfoptionen_, LanePrintersOfTheMatchOnly)
{
    Drucker d;
    DruckDiensteEinsetzen einsetzen(&d);
    std::tie(w.ErsteSpielbahn, w.LetzteSpielbahn) = std::tuple(1, 4);
    for (int b = 1; b <= 3; ++b) BahnDaten[b].Wettk = &w;
    BahnDaten[4].Wettk = &Wettkaempfe[2];
    WurfblattDrucker.fill(1);

    Wettkampfoptionen o = leer();
    o.DrWurfblatt = true;
    WettkampfoptionenUebernehmen(w, o, false);
    EXPECT_EQ(d.aufrufe, (std::vector<std::string>{"Portinit", "Beginnen 1", "Spalte 1", "Beginnen 2", "Spalte 2",
                                                   "Beginnen 3", "Spalte 3"}));
    EXPECT_EQ(fenster.aufrufe, QStringList{"aktualisieren 0"});

    d.aufrufe.clear();
    o.DrWurfblatt = false;
    WettkampfoptionenUebernehmen(w, o, false);
    EXPECT_EQ(d.aufrufe, (std::vector<std::string>{"Leeren 1", "Leeren 2", "Leeren 3"}));
    EXPECT_EQ(std::tuple(WurfblattDrucker[1], WurfblattDrucker[3], WurfblattDrucker[4]), std::tuple(0, 0, 1));
}
