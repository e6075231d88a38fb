#include "Anzeigeschicht.h"
#include "Aufnahmen.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "Globals.h"

#include <gtest/gtest.h>

namespace {

class Anzeigeschicht : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        setAnzeigeDienste(&anzeigen);
        setFensterDienste(&fenster);
        w.ErsteSpielbahn = 5;
        w.LetzteSpielbahn = 8;
        for (int b = 5; b <= 8; ++b) BahnDaten[b].Wettk = &w;
        BahnAnzahl = 8;
    }
    void TearDown() override
    {
        setAnzeigeDienste(nullptr);
        setFensterDienste(nullptr);
        CanAktiv = 0;
        CanSendenZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        GlobalsZuruecksetzen();
    }

    // Every forwarder once, for the match and for lane 6 and lane 2 (no match).
    void alleAufrufen()
    {
        MannschaftsanzeigenKennzeichnen(w);
        MannschaftsanzeigenAktualisieren(w);
        for (int bahn : {6, 2}) {
            MannschaftsanzeigeBahnAktualisieren(bahn);
            NamenanzeigeBahnAktualisieren(bahn);
            MonitorSpielerSenden(bahn);
        }
        NamenanzWerbungVorbereiten(w);
        NamenanzWerbungEinschalten(w);
        GrossanzWerbungVorbereiten(w);
        MonitorKonfigurationVerteilen(w);
        MonitorMannschaftSenden(w);
        MonitorStatusSenden(w);
    }

    TWettkampfDaten w;
    AnzeigenAufnahme anzeigen;
    FensterAufnahme fenster;
};

}  // namespace

TEST_F(Anzeigeschicht, EveryForwarderIsSilentWhileItsDisplayIsOff)
{
    w.Spielphase = PhaseSpiel;
    alleAufrufen();
    EXPECT_TRUE(anzeigen.aufrufe.isEmpty()) << anzeigen.aufrufe.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(MonitorWettkampf[5], nullptr);
}

TEST_F(Anzeigeschicht, EveryForwarderPassesOnWhileItsDisplayIsOn)
{
    w.Spielphase = PhaseSpiel;
    w.MannschaftsanzeigeEin = w.NamenanzeigeEin = w.GrossanzeigeEin = w.MonitoreEin = 1;
    w.GrossanzWerbung.Werbung = 1;
    Einst.NamenanzOn = true;
    MannschanzBreite = 10;
    alleAufrufen();
    EXPECT_EQ(anzeigen.aufrufe,
              (QStringList{"MKenn 5-8", "MKenn 5-8", "MErgebnis 5", "MErgebnis 6", "MErgebnis 6", "NAkt 6",
                           "MonSpieler 6", "NWerbungLaden 5", "NWerbungStart 5", "GWerbungLaden 5", "MonKonfig 5",
                           "MonMannsch 5", "MonStatus 5"}));
    for (int b = 5; b <= 8; ++b) EXPECT_EQ(MonitorWettkampf[b], &w);
    EXPECT_EQ(MonitorWettkampf[4], nullptr);
}

TEST_F(Anzeigeschicht, PracticeShowsThePracticeTextOnTheFirstTwoLanes)
{
    w.Spielphase = PhaseProbe;
    w.MannschaftsanzeigeEin = 1;
    MannschanzBreite = 10;
    MannschaftsanzeigenAktualisieren(w);
    MannschaftsanzeigenKennzeichnen(w);  // no markers during practice
    MannschaftsanzeigeBahnAktualisieren(8);
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MProbe 5", "MProbe 6", "MProbe 8"}));
}

TEST_F(Anzeigeschicht, WithoutTeamBoardsTheFirstLaneGetsTheTeamState)
{
    CanAktiv = 1;
    w.MannschaftsanzeigeEin = 1;
    w.Heim.Total.Zahl = 0x0123;
    w.Gast.Total.Zahl = 1000;
    const u8 spieler[] = {1, 9, 2, 10};
    for (int i = 0; i < 4; ++i) BahnDaten[5 + i].SpielerNr = spieler[i];
    MannschaftsanzeigenAktualisieren(w);
    ASSERT_EQ(BahnSendeAnzahl[5], 3);
    auto rahmen = [](int i) {
        const TCanNachricht& n = BahnSendepuffer[5][i];
        QList<int> b;
        for (int k = 0; k < n.Laenge; ++k) b << n.Daten[k];
        return b;
    };
    EXPECT_EQ(rahmen(0), (QList<int>{236, 1, 9, 2, 10}));
    EXPECT_EQ(rahmen(1), (QList<int>{211, 0x01, 0x23}));
    EXPECT_EQ(rahmen(2), (QList<int>{212, 0x03, 0xE8}));

    // A two-lane match: two zero bytes after its two players.
    w.LetzteSpielbahn = 6;
    CanSendenZuruecksetzen();
    MannschaftsanzeigenAktualisieren(w);
    EXPECT_EQ(rahmen(0), (QList<int>{236, 1, 9, 0, 0}));
}

TEST_F(Anzeigeschicht, MonitorsEndOnTheCurrentMatchOrOnEveryLane)
{
    MonitoreBeenden();
    EXPECT_EQ(anzeigen.aufrufe.size(), 8);
    anzeigen.aufrufe.clear();
    AktWettkampf = &w;
    MonitoreBeenden();
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MonEnde 5", "MonEnde 6", "MonEnde 7", "MonEnde 8"}));
}

TEST_F(Anzeigeschicht, TheResultBoardFollowsTheCurrentMatch)
{
    GrossanzeigeSchalten();  // no match: closed
    EXPECT_FALSE(fenster.anzeigeOffen);
    AktWettkampf = &w;
    w.GrossanzeigeEin = 1;
    w.GrossanzWerbung.Werbung = 1;
    GrossanzeigeSchalten();
    EXPECT_TRUE(fenster.anzeigeOffen);
    EXPECT_EQ(anzeigen.aufrufe, QStringList{"GWerbungLaden 5"});
    AnzeigefensterAufbauen(w);
    EXPECT_EQ(AnzeigeWettkampf, &w);
    w.GrossanzeigeEin = 0;
    GrossanzeigeSchalten();
    EXPECT_FALSE(fenster.anzeigeOffen);
    EXPECT_EQ(fenster.aufrufe.count(QStringLiteral("menue")), 3);
}
