#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Shell.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/FakeCanAdapter.h"
#include "shell/Hauptbefehle.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The match window's refresh marks the match it left as modified.
struct MarkierendeFenster : FensterAufnahme {
    TWettkampfDaten* markiert = nullptr;
    void aktualisieren(MdiFenster f) override
    {
        FensterAufnahme::aktualisieren(f);
        if (f == MdiFenster::Wettkampf && markiert) markiert->Geaendert = 1;
    }
};

class Hauptbefehle : public Grundlage {
protected:
    TWettkampfDaten& Match(u8 geaendert = 0)
    {
        EXPECT_TRUE(WettkampfAnlegen());
        AktWettkampf->Geaendert = geaendert;
        return *AktWettkampf;
    }

    MarkierendeFenster fenster;
    FensterDiensteEinsetzen m_fenster{&fenster};
    ShellAufnahme shell;
    ShellStarterEinsetzen m_shell{&shell};
};

}  // namespace

TEST_F(Hauptbefehle, NewMatchMarksNothingModified)
{
    TWettkampfDaten& erster = Match(1);
    ASSERT_TRUE(NeuAnlegen());
    EXPECT_EQ(AktWettkampfNr, 2);
    EXPECT_EQ(AktWettkampf->Geaendert, 0);
    EXPECT_EQ(erster.Geaendert, 1);
    EXPECT_TRUE(fenster.geoeffnet.contains(MdiFenster::Wettkampf));
    for (int k = 3; k <= 6; ++k) ASSERT_TRUE(NeuAnlegen());
    EXPECT_FALSE(NeuAnlegen());
    EXPECT_EQ(WettkampfAnzahl, 6);
}

// The lane window commands: the overview from the match's first lane with
// more than four lanes, the control window toggled on the match's first lane
// (lane 1 without a match) and brought back on top after the overview; the
// overview guard hides an active overview unless input is locked.
TEST_F(Hauptbefehle, LaneWindowCommands)
{
    auto aufrufe = [&](const std::function<void()>& befehl) {
        bahnfenster.aufrufe.clear();
        befehl();
        return bahnfenster.aufrufe.join(u'|');
    };
    BahnAnzahl = 8;
    EXPECT_EQ(aufrufe(BahnsteuerungBefehl), "steuerung zeigen 1");
    EXPECT_EQ(aufrufe(BahnenBefehl), "uebersicht zeigen");
    EXPECT_EQ(ErsteAnzeigebahn, 1);

    TWettkampfDaten& m = Match();
    m.ErsteBahn = 3;
    EXPECT_EQ(aufrufe(BahnsteuerungBefehl), "steuerung zeigen 3");
    m.ErsteSpielbahn = 5;
    EXPECT_EQ(aufrufe(BahnenBefehl), "uebersicht zeigen");
    EXPECT_EQ(ErsteAnzeigebahn, 5);
    OffeneFenster |= FensterBahnsteuerung;
    BahnAnzahl = 4;
    EXPECT_EQ(aufrufe(BahnenBefehl), "uebersicht zeigen|steuerung nach vorn");
    EXPECT_EQ(ErsteAnzeigebahn, 1);
    EXPECT_EQ(aufrufe(BahnsteuerungBefehl), "steuerung verbergen");

    bool frei = false;
    EXPECT_EQ(aufrufe([&] { frei = UebersichtFrei(); }), "");
    EXPECT_TRUE(frei);
    AktivesFenster = FensterBahnuebersicht;
    EingabeGesperrt = 1;
    EXPECT_EQ(aufrufe([&] { frei = UebersichtFrei(); }), "");
    EXPECT_FALSE(frei);
    EingabeGesperrt = 0;
    EXPECT_EQ(aufrufe([&] { frei = UebersichtFrei(); }), "uebersicht verbergen");
    EXPECT_TRUE(frei);
}

// The questions and messages and the outcome of the start command by the
// state of the match and the answer.
TEST_F(Hauptbefehle, StartCommandAsksAndActs)
{
    const QString starten = QStringLiteral("Spiel starten ? "), stoppen = QStringLiteral("Spiel stoppen ?");
    struct Fall {
        const char* name;
        u8 gestartet, gestoppt, wechsel;
        int antwort;
        QStringList gezeigt;
        u8 gestopptDanach;
    };
    const Fall faelle[] = {
        {"not started, no", 0, 0, 0, ErgebnisNein, {starten}, 0},
        // Without a start plan the engine refuses with its message.
        {"not started, yes", 0, 0, 0, ErgebnisJa, {starten, "Für diesen Wettkampf gibt es keine Startfolge !"}, 0},
        {"stopped, no", 1, 1, 0, ErgebnisNein, {"Spiel starten ?"}, 1},
        {"running, no", 1, 0, 0, ErgebnisNein, {stoppen}, 0},
        {"running, yes", 1, 0, 0, ErgebnisJa, {stoppen}, 1},
        {"change due: no question", 1, 0, 1, ErgebnisNein, {}, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ZustandZuruecksetzen();
        TWettkampfDaten& w = Match();
        w.Gestartet = f.gestartet;
        w.Gestoppt = f.gestoppt;
        w.WechselAnstehend = f.wechsel;
        skriptBoxen().antworten << f.antwort;
        fenster.aufrufe.clear();
        SpielStartBefehl();
        EXPECT_EQ(skriptBoxen().gezeigt, f.gezeigt);
        EXPECT_EQ(w.Gestoppt, f.gestopptDanach);
        EXPECT_EQ(w.WechselAnstehend, 0);
        EXPECT_TRUE(fenster.aufrufe.contains(QStringLiteral("menue")));
    }
}

// The lane control window's start command acts on the lane's match: the one
// the lane plays for, else one set up on the lane, the current one first;
// that match becomes current. A lane of no open match leaves the current one.
// Slots 1..6 on lanes 1-2, 3-4, 3-4, 7-8, 5-6, 7-8; slots 4 and 5 closed
// again (their records keep their lanes); lane 1 plays for slot 1, lane 4
// for slot 3.
TEST_F(Hauptbefehle, LaneStartCommandActsOnTheLanesMatch)
{
    const struct {
        int bahn;
        int aktuell;  // slot current before
        int danach;   // slot current after
    } faelle[] = {
        {1, 2, 1},  // lane 1 plays for slot 1
        {4, 1, 3},  // lane 4 plays for slot 3, set up on lanes 3 and 4 like slot 2
        {4, 2, 3},  // the same while slot 2, set up on lane 4 as well, is current
        {3, 3, 3},  // set up on slots 2 and 3: the current one
        {3, 1, 2},  // set up on slots 2 and 3, neither current: the first
        {2, 2, 1},  // the last lane of slot 1, which plays on lane 1 only so far
        {6, 2, 2},  // only the closed slot 5 was on lane 6
        {7, 1, 6},  // slot 6, the last one, behind closed slots 4 and 5; slot 4 was on lane 7
        {8, 6, 6},  // the current last slot on its last lane
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bahn * 100 + f.aktuell);
        ZustandZuruecksetzen();
        for (const auto& [erste, letzte] :
             {std::pair(1, 2), std::pair(3, 4), std::pair(3, 4), std::pair(7, 8), std::pair(5, 6), std::pair(7, 8)}) {
            TWettkampfDaten& w = Match();
            w.ErsteSpielbahn = u8(erste);
            w.LetzteSpielbahn = u8(letzte);
        }
        for (int k : {4, 5}) ASSERT_TRUE(EintragWaehlen(k) && WettkampfSchliessen());
        ASSERT_EQ(WettkampfAnzahl, 4);
        BahnDaten[1].Wettk = &Wettkaempfe[1];
        BahnDaten[4].Wettk = &Wettkaempfe[3];
        Wettkaempfe[1].Gestartet = Wettkaempfe[3].Gestartet = 1;
        ASSERT_TRUE(f.aktuell == AktWettkampfNr || EintragWaehlen(f.aktuell));
        skriptBoxen().gezeigt.clear();
        skriptBoxen().antworten << ErgebnisNein;
        BahnSpielStartBefehl(f.bahn);
        EXPECT_EQ(int(AktWettkampfNr), f.danach);
        EXPECT_EQ(skriptBoxen().gezeigt,
                  QStringList{Wettkaempfe[f.danach].Gestartet ? QStringLiteral("Spiel stoppen ?")
                                                              : QStringLiteral("Spiel starten ? ")});
    }
}

TEST_F(Hauptbefehle, AbortAsksThenLetsTheTimerEndTheMatch)
{
    TWettkampfDaten& w = Match();
    SpielAbbrechenBefehl();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{"Spiel beenden ?"});
    EXPECT_FALSE(TimerSpielEnde().enabled());
    skriptBoxen().antworten << ErgebnisJa;
    SpielAbbrechenBefehl();
    EXPECT_EQ(w.EndeAngefordert, 1);
    EXPECT_TRUE(TimerSpielEnde().enabled());
}

TEST_F(Hauptbefehle, TakeOverAsksEveryLane)
{
    FakeCanAdapter adapter;
    CanAdapterEinsetzen ein(&adapter);
    Einst.CanBusKarte = 1;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    CanSendenZuruecksetzen();
    BahnAnzahl = 3;
    SpieleUebernehmenBefehl();
    for (int i = 0; i < 10; ++i) CanSendenTick();
    ASSERT_EQ(adapter.gesendet.size(), 3);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(adapter.gesendet[n - 1], (CanRohRahmen{BahnCanId(n), 1, {41}})) << n;
}

TEST_F(Hauptbefehle, WindowListSwitchKeepsTheModifiedFlag)
{
    TWettkampfDaten& erster = Match(0);
    Match(0);
    fenster.geoeffnet << MdiFenster::Wettkampf << MdiFenster::Ergebnis;
    fenster.markiert = &Wettkaempfe[2];
    fenster.aufrufe.clear();
    EXPECT_FALSE(EintragWaehlen(2));  // already current: nothing
    EXPECT_FALSE(EintragWaehlen(4));  // not in use
    EXPECT_TRUE(fenster.aufrufe.isEmpty());
    ASSERT_TRUE(EintragWaehlen(1));
    EXPECT_EQ(AktWettkampf, &erster);
    EXPECT_EQ(Wettkaempfe[2].Geaendert, 0);
    EXPECT_EQ(fenster.aufrufe, (QStringList{"aktualisieren 0", "aktualisieren 1", "menue"}));
}

TEST_F(Hauptbefehle, HelpAndTipsLeaveTheCurrentDirectory)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString cwd = QDir::currentPath();
    OrdnerSetzen(ordner.path());

    const QString hlp = QDir(Hilfeverzeichnis).filePath(QStringLiteral("Bravolin.hlp"));
    EXPECT_EQ(HilfeOeffnen(), QStringLiteral("Die Hilfedatei %1 ist nicht vorhanden !").arg(hlp));
    EXPECT_FALSE(TippsInhalt().has_value());
    EXPECT_TRUE(shell.aufrufe.isEmpty());  // no help file: nothing

    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Hilfe")));
    for (auto [name, text] : {std::pair{hlp, ""}, {QDir(Hilfeverzeichnis).filePath(QStringLiteral("Hilfe_Tipps.rtf")),
                                                   "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Tipp 1\\par}"}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    // A desktop without a program for the file's type is not asked to open it.
    struct OhneAnzeige : ShellAufnahme {
        bool kannOeffnen(const QString&, const QString&) override { return false; }
    } ohne;
    {
        ShellStarterEinsetzen ein(&ohne);
        EXPECT_EQ(HilfeOeffnen(),
                  QStringLiteral("Für die Hilfedatei %1 ist kein Anzeigeprogramm eingerichtet !").arg(hlp));
    }
    EXPECT_TRUE(ohne.aufrufe.isEmpty());

    EXPECT_EQ(HilfeOeffnen(), QString());
    ASSERT_EQ(shell.aufrufe.size(), 1);
    EXPECT_EQ(shell.aufrufe.first(), hlp + QLatin1Char('|') + Hilfeverzeichnis + QStringLiteral("||1"));
    EXPECT_EQ(TippsInhalt().value_or(QByteArray()), QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Tipp 1\\par}"));
    EXPECT_EQ(QDir::currentPath(), cwd);
}

TEST_F(Hauptbefehle, ProgramEntryStartsInItsFolder)
{
    Einst.Programm[2] = QStringLiteral("/opt/kasse/bin/kasse");
    ProgrammStarten(1);  // empty entry
    ProgrammStarten(2);
    EXPECT_EQ(shell.aufrufe, QStringList{"/opt/kasse/bin/kasse|/opt/kasse/bin||1"});
}

// The window titled as the entry comes to the front; where none is found the
// program starts; where no window can be looked for, a copy started here
// that still runs is not started again.
TEST_F(Hauptbefehle, ProgramEntryRaisesItsWindowOrStartsTheProgram)
{
    Einst.Programm[2] = QStringLiteral("/opt/kasse/bin/kasse");
    Einst.ProgrammName[2] = QStringLiteral("Kasse Süd");
    struct Fall {
        Fenstersuche suche;
        bool laeuft;
        bool gestartet;
    };
    const Fall faelle[] = {
        {Fenstersuche::Aktiviert, false, false},     {Fenstersuche::Aktiviert, true, false},
        {Fenstersuche::NichtGefunden, false, true},  {Fenstersuche::NichtGefunden, true, true},
        {Fenstersuche::NichtMoeglich, false, true},  {Fenstersuche::NichtMoeglich, true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(int(f.suche) * 2 + f.laeuft);
        shell.aufrufe.clear();
        shell.gesucht.clear();
        shell.suche = f.suche;
        shell.laufend = f.laeuft ? QStringList{"/opt/kasse/bin/kasse"} : QStringList{};
        ProgrammStarten(2);
        EXPECT_EQ(shell.gesucht, QStringList{"Kasse Süd"});
        EXPECT_EQ(shell.aufrufe,
                  f.gestartet ? QStringList{"/opt/kasse/bin/kasse|/opt/kasse/bin||1"} : QStringList{});
    }
}

// The load window fills a new match (marked modified by the filling) and
// reports it through WettkampfGeladen; a load that fails opens nothing.
TEST_F(Hauptbefehle, LoadOpensTheLoadedMatchUnmodified)
{
    struct LadeFenster : FensterAufnahme {
        bool laedt = true;
        bool dialog(Dialog d, int) override
        {
            if (d != Dialog::Laden || !laedt) return false;
            WettkampfAnlegen();
            AktWettkampf->Geaendert = 1;
            WettkampfGeladen = 1;
            return true;
        }
    } lade;
    FensterDiensteEinsetzen einsetzen{&lade};
    TWettkampfDaten& erster = Match(1);

    lade.laedt = false;
    WettkampfGeladen = 1;  // left from an earlier load
    EXPECT_FALSE(SpielLadenBefehl());
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_FALSE(lade.geoeffnet.contains(MdiFenster::Wettkampf));

    lade.laedt = true;
    ASSERT_TRUE(SpielLadenBefehl());
    EXPECT_EQ(AktWettkampfNr, 2);
    EXPECT_EQ(AktWettkampf->Geaendert, 0);
    EXPECT_EQ(erster.Geaendert, 1);
    EXPECT_TRUE(lade.geoeffnet.contains(MdiFenster::Wettkampf));
}
