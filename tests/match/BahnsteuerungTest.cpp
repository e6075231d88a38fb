#include "match/lanes/Bahnsteuerung.h"

#include "core/Globals.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"
#include "support/QtDrucken.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

using Rahmen = QList<int>;
using E = Steuerelement;

// Lanes 1..4, lane 2 online, CAN on.
class Bahnsteuerung : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CanAktiv = 1;
        BahnAnzahl = 4;
        BahnDaten[2].BahnOnline = 1;
    }

    // The frames queued for the lane, as bytes.
    static QList<Rahmen> gesendet(int bahn)
    {
        return GesendeteRahmen<QList<Rahmen>>(bahn);
    }

    // Match on lanes 1..4 with lanes 1, 2 and 4 in play; lane 2 belongs to it.
    TWettkampfDaten& spiel()
    {
        TWettkampfDaten& m = Wettkaempfe[1];
        m.ErsteSpielbahn = 1;
        m.LetzteSpielbahn = 4;
        m.BahnImSpiel[1] = m.BahnImSpiel[2] = m.BahnImSpiel[4] = 1;
        m.Volle = 60;
        m.Abraeumen = 40;
        m.Wurfzeit = 18;
        BahnDaten[2].Wettk = &m;
        return m;
    }
};

TEST_F(Bahnsteuerung, EachControlSendsItsFrameToAnOnlineLaneAndOnlyTheThrowNumberToAnOfflineOne)
{
    const struct {
        E element;
        int wert;
        u16 status;
        u8 gestoppt;
        Rahmen online;   // lane 2
        Rahmen offline;  // lane 3; empty: nothing
    } faelle[] = {
        {E::Aktivierung, 0, 0, 0, {42}, {42}},
        {E::Bahnwahl, 0, 0, 0, {42}, {}},
        {E::WurfUngueltig, 0, 0, 0, {34, 'r'}, {}},
        {E::WurfFehler, 0, 0, 0, {34, 'q'}, {}},
        {E::Volle, 0, 0, 0, {34, 'Q'}, {}},
        {E::Abraeumen, 0, 0, 0, {34, 'R'}, {}},
        {E::Stop, 0, 0, 1, {34, 'm'}, {}},
        {E::Stop, 0, 0, 0, {34, 'n'}, {}},
        {E::Verwarnung, 0, 0, 0, {34, 'e'}, {}},
        {E::Sport, 0, 0, 0, {34, 'Z'}, {}},
        {E::Sport, 0, 0x200, 0, {34, 'Y'}, {}},
        {E::Sport, 0, 0x100, 0, {34, 'a', 25, 25, 20, 0}, {}},
        {E::Stellen, 0x111, 0, 0, {33, 0x11, 0x01}, {}},
        {E::Total, 37, 0, 0, {35, 163, 0, 0, 3, 7}, {}},
        {E::Wurf, 7, 0, 0, {35, 161, 0, 0, 7}, {35, 161, 0, 0, 7}},
        {E::Gesamt, 245, 0, 0, {35, 162, 2, 4, 5}, {}},
        {E::Verwarnungswert, 2, 0, 0, {35, 165, 0, 0, 2}, {}},
    };
    for (const auto& f : faelle) {
        CanSendenZuruecksetzen();
        for (int b : {2, 3}) {
            BahnDaten[b].StatusWort = f.status;
            BahnDaten[b].BahnGestoppt = f.gestoppt;
            SteuerungAusfuehren(f.element, b, f.wert);
        }
        EXPECT_EQ(gesendet(2), f.online.isEmpty() ? QList<Rahmen>{} : QList<Rahmen>{f.online}) << int(f.element);
        EXPECT_EQ(gesendet(3), f.offline.isEmpty() ? QList<Rahmen>{} : QList<Rahmen>{f.offline}) << int(f.element);
    }
    // A lane beyond the alley gets nothing.
    EXPECT_TRUE(SteuerungBefehl(E::Aktivierung, 5).isEmpty());
}

TEST_F(Bahnsteuerung, PracticeStartsThePartWithTheMatchValues)
{
    TWettkampfDaten& m = spiel();
    BahnDaten[2].StatusWort = 0x100;
    for (const u8 heim : {1, 0}) {
        m.Spieler[1].IstHeim = heim;
        BahnDaten[2].BahnSpieler = &m.Spieler[1];
        EXPECT_EQ(SteuerungBefehl(E::Sport, 2), (QList<SteuerRahmen>{{2, {34, 'a', 60, 40, 18, heim}}}));
    }
}

TEST_F(Bahnsteuerung, TogglesCycleTheirStateAlsoOffline)
{
    for (const int b : {2, 3}) {
        QStringList zeit, uebertritt;
        for (int i = 0; i < 3; ++i) {
            SteuerungAusfuehren(E::Zeit, b);
            zeit << ZeitBeschriftung(BahnDaten[b].ZeitStatus);
            SteuerungAusfuehren(E::Uebertritt, b);
            uebertritt << UebertrittBeschriftung(BahnDaten[b].UebertrittStatus);
        }
        EXPECT_EQ(zeit, (QStringList{"Zeit Start", "Zeit Aus", "Zeit Ein"}));
        EXPECT_EQ(uebertritt, (QStringList{"Übertritt Wert", "Übertritt Aus", "Übertritt Ein"}));
        EXPECT_EQ(BahnDaten[b].ZeitStatus + BahnDaten[b].UebertrittStatus, 0);
    }
    EXPECT_EQ(gesendet(2), (QList<Rahmen>{{34, 'U'}, {34, 'c'}, {34, 'W'}, {34, 'd'}, {34, 'T'}, {34, 'b'}}));
    EXPECT_TRUE(gesendet(3).isEmpty());
}

TEST_F(Bahnsteuerung, TimeStartAndStopGoToEveryLaneInPlayOfTheMatch)
{
    EXPECT_TRUE(SteuerungBefehl(E::ZeitStart, 2).isEmpty());
    spiel();
    EXPECT_EQ(SteuerungBefehl(E::ZeitStart, 2),
              (QList<SteuerRahmen>{{1, {34, 'W'}}, {2, {34, 'W'}}, {4, {34, 'W'}}}));
    EXPECT_EQ(SteuerungBefehl(E::ZeitStop, 2), (QList<SteuerRahmen>{{1, {34, 'X'}}, {2, {34, 'X'}}, {4, {34, 'X'}}}));
}

TEST_F(Bahnsteuerung, AnOfflineLaneShowsOnlyBahnEinAndZeros)
{
    BahnDaten[3].StatusWort = 0x4330;
    BahnDaten[3].BahnVerwarnungen = 2;
    const SteuerungAnzeige a = BahnsteuerungZustand(3);
    EXPECT_FALSE(a.tastenSichtbar);
    EXPECT_EQ(a.bahnEinText, "Bahn Ein");
    EXPECT_FALSE(a.bahnEinGedrueckt);
    EXPECT_EQ((QStringList{a.holz, *a.wurf, a.verwarnung, *a.total, *a.gesamt}),
              (QStringList{"0", "00", " ", "0000", "000"}));
    EXPECT_FALSE(a.probeSichtbar);
}

TEST_F(Bahnsteuerung, AnOnlineLaneShowsItsStatusWordAndTexts)
{
    TBahnDaten& l = BahnDaten[2];
    l.WurfHolz = 7;
    l.TextTotal = "0412";
    l.TextWurfNr = "23";
    l.TextGesamt = "198";
    l.BahnTotal = 412;
    l.WurfNr = 23;
    l.BahnGesamt = 198;
    const struct {
        u16 status;
        u8 verwarnungen;
        bool volle, abr, stop, probe;
        const char* sport;
        const char* v;
        std::optional<QString> total, wurf, gesamt;
    } faelle[] = {
        {0x0000, 0, false, false, false, false, "Probe", " ", {}, {}, {}},
        {0x4010, 1, true, false, true, false, "Probe", "Ü", {}, {}, {}},
        {0x0220, 2, false, true, false, false, "Sport Aus", "ÜÜ", "0412", "23", "198"},
        {0x0100, 2, false, false, false, true, "Wettkampf", " ", "    ", {}, {}},
    };
    for (const auto& f : faelle) {
        l.StatusWort = f.status;
        l.BahnVerwarnungen = f.verwarnungen;
        const SteuerungAnzeige a = BahnsteuerungZustand(2);
        EXPECT_TRUE(a.tastenSichtbar);
        EXPECT_EQ(a.bahnEinText, "Bahn Aus");
        EXPECT_EQ((std::array{a.volleGedrueckt, a.abrGedrueckt, a.stopGedrueckt, a.probeSichtbar}),
                  (std::array{f.volle, f.abr, f.stop, f.probe}))
            << f.status;
        EXPECT_EQ(a.sportText, f.sport);
        EXPECT_EQ(a.verwarnung, QString::fromUtf8(f.v));
        EXPECT_EQ(a.holz, "7");
        EXPECT_EQ(a.total, f.total) << f.status;
        EXPECT_EQ(a.wurf, f.wurf) << f.status;
        EXPECT_EQ(a.gesamt, f.gesamt) << f.status;
    }
    // A game without pins, throws or total yet shows zeros.
    l.StatusWort = 0x200;
    l.BahnTotal = l.WurfNr = 0;
    l.BahnGesamt = 0;
    const SteuerungAnzeige a = BahnsteuerungZustand(2);
    EXPECT_EQ((QStringList{*a.total, *a.wurf, *a.gesamt}), (QStringList{"0000", "00", "000"}));
}

TEST_F(Bahnsteuerung, PinsShowOnlyWhileTheMatchRunsAndTheGameGroupFollowsItsStop)
{
    BahnDaten[2].WurfBild = 0x4111;
    EXPECT_EQ(BahnsteuerungZustand(2).ledMaske, 0);
    EXPECT_FALSE(BahnsteuerungZustand(2).hatSpiel);
    TWettkampfDaten& m = spiel();
    m.Gestartet = 1;
    const SteuerungAnzeige a = BahnsteuerungZustand(2);
    EXPECT_EQ(a.ledMaske, 0x111);
    EXPECT_TRUE(a.hatSpiel);
    EXPECT_EQ(a.spielStartText, "Spiel Stop");
    EXPECT_TRUE(a.zeitKnoepfeSichtbar);
    m.Gestoppt = 1;
    m.Beendet = 1;
    const SteuerungAnzeige b = BahnsteuerungZustand(2);
    EXPECT_EQ(b.ledMaske, 0);
    EXPECT_EQ(b.spielStartText, "Spiel Start");
    EXPECT_FALSE(b.zeitKnoepfeSichtbar);
}

TEST_F(Bahnsteuerung, LaneButtonsAndDigitKeysFollowTheLaneCount)
{
    const int knoepfe[][2] = {{4, 4}, {6, 6}, {8, 8}, {10, 10}, {12, 12}, {16, 16}, {5, 0}, {2, 0}, {14, 0}};
    for (const auto& k : knoepfe) EXPECT_EQ(SichtbareBahnknoepfe(k[0]), k[1]) << k[0];
    const int tasten[][3] = {{4, 6, 0}, {4, 4, 4}, {5, 5, 5}, {16, 8, 8}, {16, 9, 0}, {16, 0, 0}};  // lanes, key, lane
    for (const auto& t : tasten) {
        BahnAnzahl = u8(t[0]);
        EXPECT_EQ(ZiffertasteBahn(t[1]), t[2]) << t[0] << " " << t[1];
    }
}

TEST_F(Bahnsteuerung, LaneOnOffAndPrinter)
{
    BahnEinAus(2);
    BahnEinAus(3);
    EXPECT_EQ(BahnDaten[2].BahnOnline, 0);
    EXPECT_EQ(gesendet(2), (QList<Rahmen>{{34, 'Y'}, {4}, {39}}));
    EXPECT_EQ(gesendet(3), (QList<Rahmen>{{36, 0}, {38}}));

    BahndruckerEinschalten(3);
    Einst.DrEinschalten = true;
    BahndruckerEinschalten(3);
    EXPECT_EQ(druck.aufrufe, std::vector<std::string>{"Beginnen 3"});
}

}  // namespace
