#include "core/Boxes.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Korrektur.h"
#include "match/engine/Korrekturbefehle.h"
#include "match/flow/Bahnzyklus.h"
#include "support/Korrekturlage.h"
#include "support/QtDrucken.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rahmen = std::vector<int>;
using Texte = std::vector<std::string>;

// Lane, then the bytes.
std::vector<Rahmen> Liste(const KorrekturRahmenliste& l)
{
    std::vector<Rahmen> r;
    for (const KorrekturRahmen& k : l) {
        Rahmen x{k.bahn};
        for (int i = 0; i < k.daten.laenge; ++i) x.push_back(k.daten.d[std::size_t(i)]);
        r.push_back(x);
    }
    return r;
}

// The six display frames after a correction: throw number, throws left in
// the part and in the phase, pins of the part, total, misses.
std::vector<Rahmen> Anzeige(int bahn, int c, int teil, int phase, int g, int s, int f)
{
    std::vector<Rahmen> r;
    for (auto [code, v] : {std::pair{161, c}, {168, teil}, {164, phase}, {162, g}, {165, f}})
        r.push_back({bahn, 35, code, v / 100 % 10, v / 10 % 10, v % 10});
    r.insert(r.end() - 1, Rahmen{bahn, 35, 163, s / 1000 % 10, s / 100 % 10, s / 10 % 10, s % 10});
    return r;
}

std::vector<Rahmen> operator+(std::vector<Rahmen> a, const std::vector<Rahmen>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Korrekturbefehle : public Korrekturlage {
protected:
    std::vector<Rahmen> gesendet(int bahn) { return GesendeteRahmen<std::vector<Rahmen>>(bahn); }
    // Lane: pins, misses, throws | player: total, misses, throws. The side
    // sums are left to the whole-match test.
    std::string zahlen()
    {
        const TSpielerEintrag& p = *b1.BahnSpieler;
        auto n = [](long v) { return std::to_string(v); };
        return n(b1.BahnGesamt) + "," + n(b1.BahnFehler) + "," + n(b1.WurfNr) + "|" + n(p.Total.Zahl) + "," +
               n(p.Fehler.Zahl) + "," + n(p.Wurf.Zahl);
    }
    // The phase sums of lane and block | the home side: throws, Volle,
    // Abräumen, misses.
    std::string phasen()
    {
        const TMannschaftBlock& h = m.Heim;
        auto n = [](long v) { return std::to_string(v); };
        return n(b1.BahnVolle) + "," + n(b1.BahnAbraeumen) + "," + n(d1.Volle.Zahl) + "," + n(d1.Abr.Zahl) + "|" +
               n(h.Wuerfe.Zahl) + "," + n(h.Volle.Zahl) + "," + n(h.Abr.Zahl) + "," + n(h.Fehler.Zahl);
    }

    TBahnDaten& b1 = BahnDaten[1];
    TSpielerEintrag& p1 = Wettkaempfe[1].Spieler[1];
    TDurchgangBlock& d1 = Wettkaempfe[1].Spieler[1].Durchgang[1];
};

// Volle throws 7, 0, 5 booked: 12 pins, one miss, three throws. The miss
// flags follow the corrected words (0 -> 5 is no miss any more).
TEST_F(Korrekturbefehle, VolleCorrections)
{
    struct Fall {
        const char* text;
        Ausbesserung art;
        std::vector<Rahmen> rahmen;
        std::string zahlen;
        std::string phasen;
        std::string zeichen;  // WurfHolzVolle, marks of the panel
        std::vector<int> worte;  // pin and flag word of throws 1..4
    };
    const std::string vorher = "12,1,3|12,1,3", phasenVorher = "12,0,12,0|3,12,0,1";
    const std::vector<int> alt{0x407F, 0, 0x4000, 0, 0x401F, 0, 0, 0};
    const Fall faelle[] = {
        {"755", Ausbesserung::PCBahn, std::vector<Rahmen>{{1, 35, 169, 2, 0, 5}} + Anzeige(1, 3, 4, 1, 17, 17, 0),
         "17,0,3|17,0,3", "17,0,17,0|3,17,0,0", "755|755       ", {0x407F, 0, 0x6005, 0x10, 0x401F, 0, 0, 0}},
        {"700", Ausbesserung::PCBahn, std::vector<Rahmen>{{1, 35, 169, 3, 5, 0}} + Anzeige(1, 3, 4, 1, 7, 7, 2),
         "7,2,3|7,2,3", "7,0,7,0|3,7,0,2", "700|70x       ", {0x407F, 0, 0x4000, 0, 0x6000, 0x50, 0, 0}},
        {"7051", Ausbesserung::PCBahn, std::vector<Rahmen>{{1, 35, 169, 4, 0, 1}} + Anzeige(1, 4, 3, 3, 13, 13, 1),
         "13,1,4|13,1,4", "13,0,13,0|4,13,0,1", "7051|7051      ", {0x407F, 0, 0x4000, 0, 0x401F, 0, 0x6001, 0x10}},
        // A second added throw is refused.
        {"70512", Ausbesserung::PCBahn, std::vector<Rahmen>{{1, 35, 169, 4, 0, 1}} + Anzeige(1, 4, 3, 3, 13, 13, 1),
         "13,1,4|13,1,4", "13,0,13,0|4,13,0,1", "7051|7051      ", {0x407F, 0, 0x4000, 0, 0x401F, 0, 0x6001, 0x10}},
        {"905", Ausbesserung::PC, {}, "14,1,3|14,1,3", "14,0,14,0|3,14,0,1", "905|905       ",
         {0x6009, 0x10, 0x4000, 0, 0x401F, 0, 0, 0}},
        {"9051", Ausbesserung::Bahn,
         std::vector<Rahmen>{{1, 35, 169, 1, 7, 9}, {1, 35, 169, 4, 0, 1}} + Anzeige(1, 4, 3, 3, 15, 15, 1), vorher,
         phasenVorher, "705|705       ", alt},
        // A stray letter or a blank leaves the throw as it is (no miss).
        {"a 5", Ausbesserung::PCBahn, Anzeige(1, 3, 4, 1, 12, 12, 1), vorher, phasenVorher, "705|705       ", alt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        SetUp();
        holz(1, 7), holz(1, 0), holz(1, 5);
        CanSendenZuruecksetzen();
        EXPECT_EQ(Liste(Ausbessern(1, f.text, {}, f.art)), f.rahmen);
        EXPECT_EQ(zahlen(), f.zahlen);
        EXPECT_EQ(phasen(), f.phasen);
        EXPECT_EQ(std::string(b1.WurfHolzVolle.view()) + "|" + std::string(b1.TextName1[1].Wuerfe1bis10.view()), f.zeichen);
        EXPECT_EQ((std::vector<int>{d1.Wurfbild[1], d1.Wurfart[1], d1.Wurfbild[2], d1.Wurfart[2], d1.Wurfbild[3],
                                    d1.Wurfart[3], d1.Wurfbild[4], d1.Wurfart[4]}),
                  f.worte);
        EXPECT_TRUE(gesendet(1).empty());  // the caller sends
    }
}

TEST_F(Korrekturbefehle, AbraeumenCorrectionPlaceholderAndLaneEcho)
{
    holz(1, 7), holz(1, 0), holz(1, 5), holz(1, 9), holz(1, 3);
    // The lane fills in throw 6 without pins: a placeholder "k".
    WurfNrKorrigieren(1, 6);
    const KorrekturAnzeige a = KorrekturZustand(1);
    EXPECT_EQ(a.abrText, "3k");
    EXPECT_EQ(a.abrMax, 3);

    // Throw 5: 3 -> 4; throw 6: k -> 6 (no correction frame); throw 7 added: 2.
    // The reprints follow the match's print flags, not the global layout.
    CanSendenZuruecksetzen();
    m.DrWurfblatt = 1, m.DrZweiBahnen = 1;
    Einst.DrSingle = Einst.DrZentral = true;
    const auto r = Ausbessern(1, "7059", "462", Ausbesserung::PCBahn);
    EXPECT_EQ(Liste(r), (std::vector<Rahmen>{{1, 35, 169, 5, 3, 4}, {1, 35, 169, 7, 0, 2}} + Anzeige(1, 7, 0, 0, 33, 33, 1)));
    EXPECT_EQ(zahlen(), "33,1,7|33,1,7");
    EXPECT_EQ(p1.Abr.Zahl, 12);
    // Volle 7 0 5 9 stay; the side counts the placeholder and the added throw.
    EXPECT_EQ(phasen(), "21,12,21,12|7,21,12,1");
    EXPECT_EQ((std::vector<int>{d1.Wurfbild[6], d1.Wurfart[6], d1.Wurfbild[7], d1.Wurfart[7]}),
              (std::vector<int>{0x6006, 0x10, 0x6002, 0x10}));
    EXPECT_EQ(druck.aufrufe, (Texte{"Wurfzeile 1 5 4", "Wurfzeile 1 6 6", "Wurfzeile 1 7 2"}));

    // The lane answers with its own counts: nothing is booked twice.
    KorrekturRahmenSenden(r);
    TCanNachricht n;
    n.Laenge = 6;
    for (int i = 0; const int x : {35, 7, 0, 33, 0, 33}) n.Daten[i++] = u8(x);
    CanNachrichtVerarbeiten(1, n);
    EXPECT_EQ(zahlen(), "33,1,7|33,1,7");
    EXPECT_EQ(gesendet(1).front(), (Rahmen{35, 169, 5, 3, 4}));
}

TEST_F(Korrekturbefehle, SubstituteMissesAndSuddenVictory)
{
    // Player 1 brings 5 misses from his earlier lanes; 7 comes in and misses.
    holz(1, 7), holz(1, 0);
    p1.Fehler.Zahl = 5;
    const KorrekturTeil teil = KorrekturTeilVon(1);
    SpielerWechseln(1, 7);
    EXPECT_TRUE(KorrekturTeilVon(1) == teil);  // the substitute plays on the same part
    holz(1, 0);
    Einst.Wurffehler = true;
    CanSendenZuruecksetzen();
    EXPECT_EQ(Liste(Ausbessern(1, "703", {}, Ausbesserung::PCBahn)),
              (std::vector<Rahmen>{{1, 35, 169, 3, 0, 3}} + Anzeige(1, 3, 4, 1, 10, 10, 5)));
    EXPECT_EQ(m.Spieler[7].Fehler.Zahl, 0);
    EXPECT_EQ(p1.Fehler.Zahl, 5);

    // A sudden-victory round of 3 throws: the entry takes the bookings.
    SetUp();
    m.Punktespiel = 1;
    m.SVictoryLaeuft = 1, m.SVictoryWuerfe = 3, m.SVictoryRunde = 1;
    holz(1, 4), holz(1, 6);
    const TSuddenVictoryEintrag& sv = m.SVictoryTabelle[1][1];
    EXPECT_EQ(KorrekturZustand(1).volleMax, 3);
    CanSendenZuruecksetzen();
    EXPECT_EQ(Liste(Ausbessern(1, "492", "1", Ausbesserung::PCBahn)),
              (std::vector<Rahmen>{{1, 35, 169, 2, 6, 9}, {1, 35, 169, 3, 0, 2}} + Anzeige(1, 3, 0, 0, 15, 15, 0)));
    EXPECT_EQ(sv.Holz.Zahl, 15);
    EXPECT_EQ(sv.Wuerfe.Zahl, 3);
    EXPECT_EQ(p1.Total.Zahl, 0);
}

TEST_F(Korrekturbefehle, PanelState)
{
    // The throw fields by the throws played (4 Volle, 3 Abräumen): every
    // played throw can change, and one throw can be added at the end of the
    // current phase, also the first Abräumen throw.
    struct Felder {
        int wuerfe;
        bool volle;
        int volleMax;
        const char* volleText;
        bool abr;
        int abrMax;
        const char* abrText;
    };
    const Felder felder[] = {
        {0, true, 1, "", false, 0, ""},     {3, true, 4, "543", false, 0, ""},
        {4, true, 4, "5432", true, 1, ""}, {5, true, 4, "5432", true, 2, "1"},
        {7, true, 4, "5432", true, 3, "123"},
    };
    const int wuerfe[] = {5, 4, 3, 2, 1, 2, 3};
    for (const Felder& f : felder) {
        SCOPED_TRACE(f.wuerfe);
        SetUp();
        for (int i = 0; i < f.wuerfe; ++i) holz(1, wuerfe[i]);
        const KorrekturAnzeige a = KorrekturZustand(1);
        EXPECT_EQ(a.volleSichtbar, f.volle);
        EXPECT_EQ(a.volleMax, f.volleMax);
        EXPECT_EQ(a.volleText, f.volleText);
        EXPECT_EQ(a.abrSichtbar, f.abr);
        EXPECT_EQ(a.abrMax, f.abrMax);
        EXPECT_EQ(a.abrText, f.abrText);
    }
    SetUp();

    // The last-throw commands wait for a throw; a stopped lane and game in
    // practice hide the time and the correction.
    EXPECT_FALSE(KorrekturZustand(1).letzterWurfAktiv);
    holz(1, 5);
    b1.BahnGestoppt = 1, m.Gestoppt = 1, b1.ProbeLaeuft = 1;
    KorrekturAnzeige a = KorrekturZustand(1);
    EXPECT_TRUE(a.letzterWurfAktiv);
    EXPECT_FALSE(a.zeitSichtbar || a.korrekturSichtbar);
    // A guest sees players 15 and 16; a side of four substitutes once.
    EXPECT_EQ(KorrekturZustand(2).ersatz2Text, "Spieler 16");
    m.Spieleranzahl = 4, m.Gast.Ersatz8Eingesetzt = 1;
    a = KorrekturZustand(2);
    EXPECT_FALSE(a.ersatz1Aktiv || a.ersatz2Aktiv);
    m.Streichspiel = 1;
    EXPECT_FALSE(KorrekturZustand(2).ersatzSichtbar);
}

TEST_F(Korrekturbefehle, SubstitutionOnlyOnYes)
{
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisAbbrechen};
    EXPECT_FALSE(ErsatzEinsetzen(1, 1));
    EXPECT_FALSE(ErsatzEinsetzen(1, 1));  // the question closed without an answer
    EXPECT_EQ(b1.SpielerNr, 1);
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisNein};
    EXPECT_TRUE(ErsatzEinsetzen(1, 1));
    EXPECT_EQ(b1.SpielerNr, 7);
    ErsatzEinsetzen(1, 2);  // the home side has substituted once already
    EXPECT_EQ(skriptBoxen().gezeigt.last(), "zweiten Ersatzspieler einsetzen ?");
}

TEST_F(Korrekturbefehle, LaneAndGameCommands)
{
    // Stop and run again, as the panel showed it: a lane stopped meanwhile
    // from its keypad stays stopped on "Bahn Stop". An offline lane changes
    // state without a frame.
    BahnStopStart(1, true);
    EXPECT_EQ(Liste(BahnStopStart(1, true)), (std::vector<Rahmen>{{1, 34, 'n'}}));
    EXPECT_EQ(b1.BahnGestoppt, 1);
    EXPECT_EQ(Liste(BahnStopStart(1, false)), (std::vector<Rahmen>{{1, 34, 'm'}}));
    EXPECT_EQ(b1.BahnGestoppt, 0);
    BahnDaten[2].BahnOnline = 0;
    EXPECT_TRUE(BahnStopStart(2, true).isEmpty());
    EXPECT_EQ(BahnDaten[2].BahnGestoppt, 1);

    // Time on the lanes of the match that are online.
    BahnDaten[4].BahnOnline = 1, m.BahnImSpiel[4] = 1;
    EXPECT_EQ(Liste(ZeitStartStop(1, false)), (std::vector<Rahmen>{{1, 34, 'X'}, {4, 34, 'X'}}));

    // Ending the part: no, yes online, yes offline.
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisJa, ErgebnisJa};
    b1.ProbeLaeuft = 1;
    EXPECT_TRUE(DurchgangAbbrechen(1).isEmpty());
    EXPECT_EQ(b1.ProbeLaeuft, 1);
    EXPECT_EQ(Liste(DurchgangAbbrechen(1)), (std::vector<Rahmen>{{1, 34, 'Y'}}));
    EXPECT_EQ(b1.ProbeLaeuft, 0);
    BahnDaten[2].TeilLaeuft = 1;
    EXPECT_TRUE(DurchgangAbbrechen(2).isEmpty());
    EXPECT_EQ(BahnDaten[2].TeilLaeuft, 0);

    // Game stop on yes only.
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisJa};
    SpielStartStop(1);
    EXPECT_EQ(m.Gestoppt, 0);
    SpielStartStop(1);
    EXPECT_EQ(m.Gestoppt, 1);
}

TEST_F(Korrekturbefehle, LastThrowCommandsGoAheadOfTheBooking)
{
    holz(1, 7), holz(1, 5);
    CanSendenZuruecksetzen();
    Fehlwurf(1);
    EXPECT_EQ(gesendet(1).front(), (Rahmen{34, 'q'}));
    EXPECT_EQ(b1.BahnFehler, 1);
    CanSendenZuruecksetzen();
    WurfZaehltNicht(1);
    EXPECT_EQ(gesendet(1).front(), (Rahmen{34, 'r'}));
    EXPECT_EQ(b1.WurfNr, 1);
    // Mode 0: the PC books nothing.
    Einst.Bahnsteuerung = 0;
    CanSendenZuruecksetzen();
    Fehlwurf(1);
    EXPECT_EQ(gesendet(1), (std::vector<Rahmen>{{34, 'q'}}));
    EXPECT_EQ(b1.BahnGesamt, 7);
}

TEST_F(Korrekturbefehle, PracticeEnd)
{
    m.Spielphase = PhaseProbe;
    b1.ProbeLaeuft = BahnDaten[2].ProbeLaeuft = 1;
    b1.BahnGestoppt = 1;
    // Mode 2: start of scoring and run to the lane; lane 2 still practises.
    EXPECT_EQ(Liste(ProbeBeenden(1)), (std::vector<Rahmen>{{1, 34, 'a', 4, 3, 10, 1}, {1, 34, 'm'}}));
    EXPECT_EQ(b1.ProbeLaeuft + b1.BahnGestoppt, 0);
    EXPECT_EQ(m.Spielphase, PhaseProbe);

    // Mode 1: practice over; the last lane starts every lane with a player.
    Einst.Bahnsteuerung = 1;
    b1.ProbeLaeuft = 1;
    EXPECT_EQ(Liste(ProbeBeenden(1)), (std::vector<Rahmen>{{1, 34, '_'}}));
    EXPECT_EQ(Liste(ProbeBeenden(2)), (std::vector<Rahmen>{{2, 34, '_'}, {1, 34, 'a', 4, 3, 10, 1}, {1, 195},
                                                           {2, 34, 'a', 4, 3, 10, 0}, {2, 195}}));
    EXPECT_EQ(m.Spielphase, PhaseSpiel);

    // A lane not under the PC's control only runs its part.
    BahnDaten[3].BahnGestartet = 0;
    EXPECT_TRUE(ProbeBeenden(3).isEmpty());
    EXPECT_EQ(BahnDaten[3].TeilLaeuft, 1);
}

// The throw time is held between 0 and 999.9 minutes.
TEST_F(Korrekturbefehle, ThrowTime)
{
    b1.BahnWurfzeit = 100;
    EXPECT_EQ(WurfzeitEingabe(1).text, "10.0");
    struct Fall { const char* text; std::vector<Rahmen> rahmen; int zeit; };
    const Fall faelle[] = {
        {"8,75", {{1, 34, 'H', 0, 87}}, 87},
        {"8.75", {}, 87},  // unchanged
        {"-3", {{1, 34, 'H', 0, 0}}, 0},
        {"7000", {{1, 34, 'H', 0x27, 0x0F}}, 9999},
        {"abc", {}, 9999},
    };
    b1.BahnOnline = 0;  // the time frames go out anyway
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Liste(WurfzeitSetzen(1, f.text)), f.rahmen);
        EXPECT_EQ(b1.BahnWurfzeit, f.zeit);
    }
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);

    // The box steps by the setting: 10 seconds are mode 2.
    EXPECT_EQ(WurfzeitEingabe(1).modus, 1);
    Einst.SpielzeitIntervall = 10;
    EXPECT_EQ(WurfzeitEingabe(1).modus, 2);
}

// The panel showed throws 7 and 5 (and may add throw 3). What the lane did
// since: a correction books only what the operator changed, never onto a
// throw the panel did not show, and nothing once the lane plays another part.
TEST_F(Korrekturbefehle, CorrectionAgainstWhatThePanelShowed)
{
    struct Fall {
        const char* name;
        const char* text;
        std::vector<Rahmen> rahmen;
        std::string zahlen;  // of player 1 on lane 1, or of the next player
        std::string hinweis;
    };
    const std::string kein;
    const Fall faelle[] = {
        // Throw 3 (6) came meanwhile: throw 1 is corrected, the added 3 is not booked.
        {"weiter", "953", std::vector<Rahmen>{{1, 35, 169, 1, 7, 9}} + Anzeige(1, 3, 4, 1, 20, 20, 0), "20,0,3|20,0,3",
         "Bahn 1: Wurf 3 hat sich inzwischen an der Bahn geändert und wurde nicht korrigiert !"},
        // ... the same count as the lane's: nothing to say.
        {"weiter", "956", std::vector<Rahmen>{{1, 35, 169, 1, 7, 9}} + Anzeige(1, 3, 4, 1, 20, 20, 0), "20,0,3|20,0,3",
         kein},
        // Throw 2 was taken back on the lane: its correction is not booked.
        {"ungueltig", "79", Anzeige(1, 1, 6, 3, 7, 7, 0), "7,0,1|7,0,1",
         "Bahn 1: Wurf 2 hat sich inzwischen an der Bahn geändert und wurde nicht korrigiert !"},
        // The lane plays player 2's part now (one throw, 8): nothing is booked.
        {"gewechselt", "95", {}, "8,0,1|8,0,1", "Bahn 1 hat den Durchgang gewechselt !"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.name) + " " + f.text);
        SetUp();
        holz(1, 7), holz(1, 5);
        const KorrekturAnzeige gezeigt = KorrekturZustand(1);
        const std::string lage = f.name;
        if (lage == "weiter") holz(1, 6);
        if (lage == "ungueltig") WurfUngueltigWerten(1);
        if (lage == "gewechselt") {
            BahnanzeigeLoeschen(1);
            aufBahn(1, 2), holz(1, 8);
        }
        CanSendenZuruecksetzen();
        EXPECT_EQ(Liste(Ausbessern(1, gezeigt, f.text, {}, Ausbesserung::PCBahn)), f.rahmen);
        EXPECT_EQ(zahlen(), f.zahlen);
        EXPECT_EQ(skriptBoxen().gezeigt.value(0).toStdString(), f.hinweis);
        EXPECT_EQ(p1.Total.Zahl, lage == "gewechselt" ? 12 : b1.BahnGesamt);
    }
}

}  // namespace
