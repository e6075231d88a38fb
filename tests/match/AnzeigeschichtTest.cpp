#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "support/Grundlage.h"

#include <gtest/gtest.h>

namespace {

class Anzeigeschicht : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        w.ErsteSpielbahn = 5;
        w.LetzteSpielbahn = 8;
        for (int b = 5; b <= 8; ++b) BahnDaten[b].Wettk = &w;
        BahnAnzahl = 8;
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
};

}  // namespace

TEST_F(Anzeigeschicht, EveryForwarderPassesOnOnlyWhileItsDisplayIsOn)
{
    w.Spielphase = PhaseSpiel;
    MannschanzBreite = 10;
    alleAufrufen();
    EXPECT_TRUE(anzeigen.aufrufe.isEmpty()) << anzeigen.aufrufe.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(MonitorWettkampf[5], nullptr);

    w.MannschaftsanzeigeEin = w.NamenanzeigeEin = w.GrossanzeigeEin = w.MonitoreEin = 1;
    w.GrossanzWerbung.Werbung = 1;
    Einst.NamenanzOn = true;
    alleAufrufen();
    EXPECT_EQ(anzeigen.aufrufe,
              (QStringList{"MKenn 5-8", "MKenn 5-8", "MErgebnis 5", "MErgebnis 6", "MErgebnis 6", "NAkt 6",
                           "MonSpieler 6", "NAkt 2", "NWerbungLaden 5", "NWerbungStart 5", "GWerbungLaden 5", "MonKonfig 5",
                           "MonMannsch 5", "MonStatus 5"}));
    EXPECT_EQ(MonitorWettkampf[8], &w);
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
    CanAktiv = w.MannschaftsanzeigeEin = 1;
    w.Heim.Total.Zahl = 0x0123;
    w.Gast.Total.Zahl = 1000;
    const u8 spieler[] = {1, 9, 2, 10};
    for (int i = 0; i < 4; ++i) BahnDaten[5 + i].SpielerNr = spieler[i];
    auto rahmen = [](int i) {
        const TCanNachricht& n = BahnSendepuffer[5][i];
        return QList<int>(n.Daten.begin(), n.Daten.begin() + n.Laenge);
    };
    MannschaftsanzeigenAktualisieren(w);
    ASSERT_EQ(BahnSendeAnzahl[5], 3);
    EXPECT_EQ((QList<QList<int>>{rahmen(0), rahmen(1), rahmen(2)}),
              (QList<QList<int>>{{236, 1, 9, 2, 10}, {211, 0x01, 0x23}, {212, 0x03, 0xE8}}));

    // A two-lane match: two zero bytes after its two players.
    w.LetzteSpielbahn = 6;
    CanSendenZuruecksetzen();
    MannschaftsanzeigenAktualisieren(w);
    EXPECT_EQ(rahmen(0), (QList<int>{236, 1, 9, 0, 0}));
}

// --- The display menu's commands -------------------------------------------------------

namespace {

// The board frames queued so far: identifier and data bytes.
QStringList Tafelrahmen()
{
    QStringList r;
    for (int i = 0; i < AnzeigeSendeAnzahl; ++i) {
        const TCanNachricht& n = AnzeigeSendepuffer[AnzeigeSendeLesezeiger + i];
        QString s = QString::number(n.Id, 16);
        for (int k = 0; k < n.Laenge; ++k) s += QLatin1Char(' ') + QString::number(n.Daten[k]);
        r << s;
    }
    return r;
}

class Anzeigeschalter : public Anzeigeschicht {
protected:
    void SetUp() override
    {
        Anzeigeschicht::SetUp();
        CanAktiv = 1;
        AktWettkampf = &w;
        Einst.PcEinheit = 1;
        Einst.AnzeigeHelligkeit = 7;
        other.ErsteSpielbahn = 1;
        other.LetzteSpielbahn = 4;
        for (int b = 1; b <= 4; ++b) BahnDaten[b].Wettk = &other;
    }
    TWettkampfDaten other;
};

}  // namespace

TEST_F(Anzeigeschalter, TeamBoardsSwitchOnWithAFreeBoard)
{
    Einst.MannschanzOn = true;
    MannschanzBreite = 10;
    Einst.MannschAnzeigeAnz = 2;
    MannschanzZuordnung[5] = 2;
    MannschanzEinschalten();
    EXPECT_EQ((std::vector<int>{w.MannschaftsanzeigeEin, MannschaftsanzeigeAn, MannschanzZuschalten}),
              (std::vector<int>{1, 1, 1}));  // two boards: joined
    EXPECT_EQ(MannschanzWettkampf[2], &w);
    EXPECT_EQ(Tafelrahmen(), (QStringList{"308 238 2 10", "308 239 7", "308 236 1"}));
    EXPECT_TRUE(anzeigen.aufrufe.contains(QStringLiteral("MZuordnen 5-8")));
}

TEST_F(Anzeigeschalter, BoardOfAnotherMatchStaysWithIt)
{
    Einst.MannschanzOn = true;
    MannschanzBreite = 10;
    Einst.MannschAnzeigeAnz = 1;
    MannschanzZuordnung[5] = 1;
    MannschanzWettkampf[1] = &other;
    other.MannschaftsanzeigeEin = MannschaftsanzeigeAn = 1;
    MannschanzEinschalten();
    EXPECT_EQ(w.MannschaftsanzeigeEin, 0);
    EXPECT_EQ(MannschanzWettkampf[1], &other);
    EXPECT_EQ(MannschanzZuschalten, 0);  // one board: nothing to join
    EXPECT_EQ(Tafelrahmen(), (QStringList{"308 238 1 10", "308 239 7"}));  // no 236, no 237
}

TEST_F(Anzeigeschalter, CommandsNeedTheirDisplay)
{
    for (auto befehl : {MannschanzEinschalten, NamenanzEinschalten, NamenanzUpdate, GrossanzEinschalten,
                        GrossanzUpdate, MonitorEinschalten, MonitorUpdate})
        befehl();
    EXPECT_EQ(w.MannschaftsanzeigeEin + w.NamenanzeigeEin + w.GrossanzeigeEin + w.MonitoreEin, 0);
    EXPECT_EQ(AnzeigeBoardEin, 0);
    EXPECT_TRUE(Tafelrahmen().isEmpty());
    EXPECT_TRUE(fenster.aufrufe.isEmpty());
}

TEST_F(Anzeigeschalter, NameBoardsOffSendNoSwitchOffFrame)
{
    Einst.NamenanzOn = true;
    Einst.NamenAnzeigeDig = 16;
    NamenanzEinschalten();
    EXPECT_EQ(Tafelrahmen(), (QStringList{"310 238 8 16", "310 239 7", "310 236 1"}));
    CanSendenZuruecksetzen();
    NamenanzEinschalten();
    EXPECT_EQ(w.NamenanzeigeEin, 0);
    EXPECT_EQ(NamenanzeigeAn, 1);
    EXPECT_EQ(Tafelrahmen(), (QStringList{"310 238 8 16", "310 239 7"}));
}

TEST_F(Anzeigeschalter, NameBoardUpdateTakesTheLanesOver)
{
    Einst.NamenanzOn = true;
    other.NamenanzeigeEin = 1;
    BahnWettkampf[5] = BahnWettkampf[6] = &other;
    NamenanzUpdate();
    EXPECT_EQ(other.NamenanzeigeEin, 0);
    EXPECT_EQ(w.NamenanzeigeEin, 1);
    for (int b = 5; b <= 8; ++b) EXPECT_EQ(BahnWettkampf[b], &w);
    EXPECT_TRUE(Tafelrahmen().isEmpty());  // no switch-on frame
    EXPECT_EQ(anzeigen.aufrufe, QStringList{"NWerbungLaden 5"});
}

// The match's switch follows the program-wide one: they cannot drift apart.
TEST_F(Anzeigeschalter, SecondMonitorSwitchIsOneFlag)
{
    Einst.GrossAnzeige = true;
    AnzeigeBoardEin = 1;
    AnzeigeWettkampf = &other;
    other.GrossanzeigeEin = 1;
    fenster.anzeigeOffen = true;
    // From the other match's board: off for everyone, then on and off again for this match.
    for (u8 ein : {0, 1, 0}) {
        GrossanzEinschalten();
        EXPECT_EQ(AnzeigeBoardEin, ein);
        EXPECT_EQ(w.GrossanzeigeEin, ein);
        EXPECT_EQ(fenster.anzeigeOffen, ein == 1);
    }
    EXPECT_EQ(other.GrossanzeigeEin, 0);
}

TEST_F(Anzeigeschalter, MonitorsOnAgainCopyTheAdverts)
{
    Einst.MonitorAnzeige = true;
    MonitorWerbungNeu = 0;
    MonitorEinschalten();
    EXPECT_EQ(MonitorWerbungNeu, 1);
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MonStatus 5", "MonMannsch 5", "MonKonfig 5"}));
    MonitorWerbungNeu = 0;
    anzeigen.aufrufe.clear();
    MonitorEinschalten();  // off: the status forwarder is silent
    EXPECT_EQ(MonitorWerbungNeu, 0);
    EXPECT_TRUE(anzeigen.aufrufe.isEmpty());

    // The update takes the lanes over from another match.
    other.MonitoreEin = 1;
    MonitorWettkampf[6] = &other;
    MonitorUpdate();
    EXPECT_EQ(other.MonitoreEin, 0);
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MonStatus 5", "MonMannsch 5"}));
}

TEST_F(Anzeigeschalter, MonitorsOffAsksFirst)
{
    MonitorAusschalten();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Monitorprogramm beenden und ausschalten ?")});
    EXPECT_TRUE(anzeigen.aufrufe.isEmpty());
    skriptBoxen().antworten << ErgebnisJa;
    MonitorAusschalten();
    EXPECT_EQ(anzeigen.aufrufe.size(), 4);
}
