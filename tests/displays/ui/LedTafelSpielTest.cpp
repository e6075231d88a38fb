// A match played on the simulated alley with the lanes' name boards and a
// team board switched on: the boards on the bus (the simulator's rows, put
// together from the frames it received) show after every booked throw what
// the row builders give for the program's state: the name of the player on
// each lane, "PROBE" and then the letter, throw count and total of each
// side, also when the lanes go on from practice by themselves; a stopped
// lane shows "STOP" and "BAHN" in turn, and its name again once it runs.

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/Mannschaftsanzeige.h"
#include "displays/Namenanzeige.h"
#include "e2e/Spielaufbau.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/engine/Korrekturbefehle.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Spielablauf.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A row of 30 characters as the given frames write it over `zeile`.
QByteArray Schreiben(QByteArray zeile, const std::vector<CanDaten>& rahmen)
{
    for (const CanDaten& r : rahmen) {
        const int spalte = r.d[1] & 0x0F;
        for (int i = 0; i < 6 && spalte - 1 + i < zeile.size(); ++i) zeile[spalte - 1 + i] = char(r.d[std::size_t(2 + i)]);
    }
    return zeile;
}

QByteArray Leer() { return QByteArray(30, '\0'); }

std::string Zeigen(const QByteArray& z) { return QByteArray(z).replace('\0', '_').toStdString(); }

constexpr int NamenBreite = 11, TafelBreite = 11;

TEST(LedTafelSpiel, BoardsShowWhatTheBuildersGiveForEveryBookedThrow)
{
    Anlage anlage(SimVorgaben(20, 40, 40, 4711));
    ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 14), QTime(19, 30)));
    ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    Einst.NamenanzOn = true;
    Einst.NamenAnzeigeDig = NamenBreite;
    Einst.MannschanzOn = true;
    Einst.MannschAnzeigeDig = TafelBreite;
    Einst.MannschAnzeigeAnz = 1;
    Einst.NaSaPWechsel = false;

    // The lanes run practice and go on into the game by themselves.
    Spielart a;
    a.bahnsteuerung = 2;
    a.probe = 1;
    a.spieleranzahl = 4;
    TWettkampfDaten* m = WettkampfAufbauen(a);
    ASSERT_TRUE(m);
    m->Spieler[1].Name = "M\xFCller, Hans";  // Windows-1252

    Displaydienste dienste;
    AnzeigeDiensteEinsetzen dienstEin(&dienste);
    // "Namenanzeige -> Einschalten" and "Mannschaftsanzeige -> Einschalten".
    NamenanzEinschalten();
    MannschanzEinschalten();
    ASSERT_TRUE(m->NamenanzeigeEin);
    ASSERT_TRUE(m->MannschaftsanzeigeEin);
    ASSERT_EQ(MannschanzZuordnung[1], 1);

    const auto& sim = anlage.sim;
    const Bahnbereich bahnen = BahnenVon(*m);
    int gebucht = 0, pruefungen = 0;
    bool offen = false, probe = false;
    std::vector<std::string> abweichungen;
    const auto pruefen = [&] {
        // Name boards: the player on each playing lane.
        for (int bahn : bahnen) {
            const TSpielerEintrag* s = BahnDaten[bahn].BahnSpieler;
            if (!s || !s->Gestartet || s->Fertig || BahnDaten[bahn].BahnGestoppt) continue;
            const QByteArray soll = Schreiben(
                Leer(), CanRahmen::AnzeigeZeile(bahn, NamenanzText(s->Name.c_str(), NamenBreite).constData(), NamenBreite));
            if (sim.namenTafel(bahn) != soll)
                abweichungen.push_back("lane " + std::to_string(bahn) + " shows " + Zeigen(sim.namenTafel(bahn)) +
                                       ", not " + Zeigen(soll));
        }
        // The team board: each side that has thrown shows its letter, its
        // count and its total, and nothing left of "PROBE".
        for (const auto& [zeile, seite, buchstabe] : {std::tuple{1, &m->Heim, 'H'}, std::tuple{2, &m->Gast, 'G'}}) {
            if (seite->Wuerfe.Zahl == 0) continue;
            const QByteArray soll =
                Schreiben(Schreiben(Leer(), CanRahmen::TafelKennung(zeile, TafelBreite, buchstabe)),
                          CanRahmen::TafelErgebnis(zeile, TafelBreite, seite->Wuerfe.Text.c_str(),
                                                   seite->Total.Text.c_str()));
            if (sim.mannschaftsTafel(zeile) != soll)
                abweichungen.push_back("team row " + std::to_string(zeile) + " shows " +
                                       Zeigen(sim.mannschaftsTafel(zeile)) + ", not " + Zeigen(soll));
        }
        ++pruefungen;
    };
    anlage.beobachter = [&] {
        // The boards' own timers run on the program's clock, as the one-second timers do.
        if (anlage.schritte % 20 == 0 && namenanzsteuerung().TimerWechsel.enabled())
            namenanzsteuerung().TimerWechsel.tick();
        if (anlage.schritte % 60 == 0 && mannschaftsanzsteuerung().TimerWechsel.enabled())
            mannschaftsanzsteuerung().TimerWechsel.tick();
        const int jetzt = m->Heim.Wuerfe.Zahl + m->Gast.Wuerfe.Zahl;
        if (jetzt != gebucht) offen = true;
        gebucht = jetzt;
        // Once the throw's frames have crossed the bus.
        if (offen && AnzeigeSendeAnzahl == 0 && m->Spielphase == PhaseSpiel) {
            offen = false;
            pruefen();
        }
        // Practice: both sides' rows say so.
        if (m->Spielphase == PhaseProbe && AnzeigeSendeAnzahl == 0 && sim.mannschaftsTafel(1).startsWith("PROBE ") &&
            sim.mannschaftsTafel(2).startsWith("PROBE "))
            probe = true;
    };

    SpielStarten(*m);
    ASSERT_TRUE(anlage.bis([m] { return m->Heim.Wuerfe.Zahl >= 4; }));

    // The correction panel stops a lane: its board shows "STOP", a second
    // later "BAHN", then "STOP" again.
    const int halt = bahnen.erste + 1;
    KorrekturRahmenSenden(BahnStopStart(halt, true));
    ASSERT_TRUE(anlage.bis([&] { return sim.gestoppt(halt) && sim.namenTafel(halt).startsWith("STOP "); }, 100));
    ASSERT_TRUE(anlage.bis([&] { return sim.namenTafel(halt).startsWith("BAHN "); }, 100));
    ASSERT_TRUE(anlage.bis([&] { return sim.namenTafel(halt).startsWith("STOP "); }, 100));
    // Running again: the name is back at once, not only at the next part.
    KorrekturRahmenSenden(BahnStopStart(halt, false));
    const QByteArray name = NamenanzText(BahnDaten[halt].BahnSpieler->Name.c_str(), NamenBreite);
    ASSERT_TRUE(anlage.bis([&] { return sim.namenTafel(halt).startsWith(name); }, 3));

    ASSERT_TRUE(anlage.bis([m] { return m->Beendet != 0; }, 200000));
    anlage.beobachter = nullptr;
    ASSERT_TRUE(anlage.ausklingen());

    EXPECT_TRUE(probe);
    EXPECT_EQ(abweichungen, std::vector<std::string>{});
    // Most throws were checked on their own (a few cross the bus together).
    EXPECT_GE(pruefungen, (m->Heim.Wuerfe.Zahl + m->Gast.Wuerfe.Zahl) / 2);
    // "Müller, Hans" reached lane 1's board transliterated.
    bool mueller = false;
    for (const CanRohRahmen& r : sim.tafelRahmen())
        mueller = mueller || (r.daten[0] == 234 && QByteArray(reinterpret_cast<const char*>(&r.daten[2]), 6) == "Muelle");
    EXPECT_TRUE(mueller);
    ProgrammAbbauen();
}

}  // namespace
