// The lane control window's "Spiel Start"/"Spiel Stop" in the program as it
// starts, with two matches open: "Adler 1" playing on lanes 1 and 2 against
// the lane simulator on Qt's virtual bus, a second match set up on lanes 3
// and 4 and current. The button acts on the match of the lane it shows, which
// becomes the current one; the other match is left as it was.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Zeitgeber.h"
#include "e2e/Spielaufbau.h"
#include "lanesim/VirtualCanBruecke.h"
#include "match/bus/CanKarte.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Zeitgeberliste.h"
#include "match/ui/Steuerung.h"
#include "platform/AbfShutdown.h"
#include "platform/QtCanAdapter.h"
#include "shell/ui/Main.h"
#include "shell/ui/Programm.h"
#include "support/Programmordner.h"
#include "support/VirtuellerBus.h"
#include "support/Warten.h"

#include <QDir>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <tuple>

namespace {

class BahnsteuerungImProgramm : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        ASSERT_TRUE(bus.laeuft());
        QString fehler;
        bruecke.setTaktMs(0);
        ASSERT_TRUE(bruecke.oeffnen(bus.schnittstelle(), &fehler)) << fehler.toStdString();
        const QStringList zeilen{"[Bahnsteuerung]", "Bahnen = 4", "PcEinheit = 2", "BahnSteuerung = 1",
                                 "TimeoutBahnw = 2", "[CanBus]", "CanBusKarte = 1",
                                 "CanSchnittstelle = " + bus.schnittstelle()};
        ASSERT_TRUE(TextdateiSchreiben(QDir(ordner.path()).filePath("Bravolin.inf"), zeilen));
    }

    void TearDown() override
    {
        Timer3().setJob(&Timer3Go);
        bruecke.schliessen();
        ProgrammAbbauen();
        Programmordner::TearDown();
    }

    // A match of four players a side on two lanes, two rounds of 15 + 15.
    static bool einrichten(int ersteBahn)
    {
        Spielart art;
        art.ersteBahn = ersteBahn, art.letzteBahn = ersteBahn + 1;
        art.volle = art.abraeumen = 15;
        return WettkampfEinrichten(art);
    }

    VirtuellerBus bus;
    // A throw every 20 lane ticks (a second): the parts outlast the test.
    Bahnsimulator sim{SimVorgaben(20, 10, 0, 54)};
    VirtualCanBruecke bruecke{sim};
    QtCanAdapter adapter;
    FakeAbschaltung abschaltung;
};

TEST_F(BahnsteuerungImProgramm, TheStartButtonActsOnTheMatchOfTheLaneShown)
{
    Programm programm({&adapter, &abschaltung, 1280, 1});
    EXPECT_EQ(programm.starten(ordner.path()), QStringList{});
    ASSERT_EQ(CanAktiv, 1) << CanEinstellungen.StatusText.toStdString();
    TMain& main = *programm.hauptfenster();
    setBoxen(&skriptBoxen());
    // The lanes advance one tick with each receive tick of the program.
    Timer3().setJob([&] {
        Timer3Go();
        bruecke.takt();
    });

    // "Adler 1" on lanes 1 and 2, started from the menu and playing.
    main.MNeu->trigger();
    ASSERT_NE(AktWettkampf, nullptr);
    TWettkampfDaten& adler = *AktWettkampf;
    ASSERT_TRUE(einrichten(1));
    adler.Heimmannschaft = "Adler 1";
    skriptBoxen().antworten = {ErgebnisJa};
    ASSERT_TRUE(main.MSpielStart->isEnabled());
    main.MSpielStart->trigger();
    ASSERT_TRUE(warten([&] { return adler.Gestartet && sim.teilLaeuft(1) && sim.teilLaeuft(2); }, 120000));

    // The second match on lanes 3 and 4, current and not started.
    main.MNeu->trigger();
    ASSERT_NE(AktWettkampf, &adler);
    TWettkampfDaten& zweiter = *AktWettkampf;
    ASSERT_TRUE(einrichten(3));
    zweiter.Geaendert = 0;
    const auto unberuehrt = [&] {
        return std::tuple(zweiter.Gestartet, zweiter.Gestoppt, zweiter.Beendet, zweiter.Geaendert,
                          BahnDaten[3].Wettk, BahnDaten[4].Wettk);
    };
    const auto vorher = unberuehrt();

    // The lane control window, opened from the menu, on Adler's lane 1.
    main.MBahnsteuerung->trigger();
    auto* steuerung = main.findChild<TSteuerung*>(QStringLiteral("Steuerung"));
    ASSERT_NE(steuerung, nullptr);
    ASSERT_TRUE(steuerung->isVisible());
    EXPECT_EQ(steuerung->Bahn(), 3);  // the current match's first lane
    steuerung->BtnBahn[1]->click();
    ASSERT_EQ(steuerung->Bahn(), 1);
    EXPECT_EQ(steuerung->BtnSpielStart->text().toStdString(), "Spiel Stop");

    // "Spiel Stop" stops Adler, now the current match, and nothing else.
    skriptBoxen().gezeigt.clear();
    skriptBoxen().antworten = {ErgebnisJa};
    steuerung->BtnSpielStart->click();
    EXPECT_EQ(skriptBoxen().gezeigt.join(u'|').toStdString(), "Spiel stoppen ?");
    EXPECT_EQ(AktWettkampf, &adler);
    EXPECT_EQ(std::tuple(adler.Gestartet, adler.Gestoppt), std::tuple(1, 1));
    EXPECT_EQ(steuerung->BtnSpielStart->text().toStdString(), "Spiel Start");
    EXPECT_TRUE(steuerung->BtnZeitStart->isHidden());
    EXPECT_EQ(main.MSpielStart->text().toStdString(), "Spiel Start      ");
    EXPECT_TRUE(warten([&] { return sim.gestoppt(1) && sim.gestoppt(2); }));
    EXPECT_EQ(unberuehrt(), vorher);
    EXPECT_FALSE(sim.gestoppt(3) || sim.gestoppt(4));

    // From lane 2, "Spiel Start" lets Adler go on.
    steuerung->BtnBahn[2]->click();
    skriptBoxen().gezeigt.clear();
    skriptBoxen().antworten = {ErgebnisJa};
    steuerung->BtnSpielStart->click();
    EXPECT_EQ(skriptBoxen().gezeigt.join(u'|').toStdString(), "Spiel starten ?");
    EXPECT_EQ(std::tuple(adler.Gestartet, adler.Gestoppt), std::tuple(1, 0));
    EXPECT_EQ(steuerung->BtnSpielStart->text().toStdString(), "Spiel Stop");
    EXPECT_TRUE(warten([&] { return !sim.gestoppt(1) && !sim.gestoppt(2); }));
    EXPECT_EQ(unberuehrt(), vorher);

    // Lane 3 plays for no match yet: the button asks to start the match set
    // up on it, which becomes current; Adler plays on.
    steuerung->BtnBahn[3]->click();
    skriptBoxen().gezeigt.clear();
    skriptBoxen().antworten = {ErgebnisNein};
    steuerung->BtnSpielStart->click();
    EXPECT_EQ(skriptBoxen().gezeigt.join(u'|').toStdString(), "Spiel starten ? ");
    EXPECT_EQ(AktWettkampf, &zweiter);
    EXPECT_EQ(unberuehrt(), vorher);
    EXPECT_EQ(std::tuple(adler.Gestartet, adler.Gestoppt), std::tuple(1, 0));
    EXPECT_TRUE(sim.teilLaeuft(1) && sim.teilLaeuft(2));
}

}  // namespace
