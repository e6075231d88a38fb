#pragma once
// A fixture for whole matches between the program and the lane simulator
// over Qt's virtual CAN bus, on a bus of the test's own, with the program's
// timers really running: the receive and send pumps and the end-of-lane
// check on their QTimers, all in this process's event loop. The receive
// pump's ticks are the one clock of the run: the lanes advance and the
// engine's one-second timers tick on counts of them, so a loaded machine
// slows the whole run down alike and never changes what either side sees
// first.

#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "e2e/Spielaufbau.h"
#include "lanesim/VirtualCanBruecke.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/QtCanAdapter.h"
#include "support/VirtuellerBus.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

// Typing into an edit and choosing a combo box's entry, as the operator does.
inline void eintippen(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    for (QChar c : text) {
        QKeyEvent taste(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &taste);
    }
}

inline void waehlen(QComboBox* combo, const QString& text)
{
    const int i = combo->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

// A part's script for the simulator: its Volle group, then its Abräumen
// group, each thrown `gruppen` times.
inline QString Teilskript(const char* volle, const char* abr, int gruppen)
{
    QStringList w;
    for (int i = 0; i < gruppen; ++i) w << QString::fromLatin1(volle);
    w << QStringLiteral("|");
    for (int i = 0; i < gruppen; ++i) w << QString::fromLatin1(abr);
    return w.join(u' ');
}

class Busbetrieb : public ::testing::Test {
protected:
    // Intervals in ms, shortened from 50 ms (end-of-lane check, receive pump)
    // and 10 ms (send pump).
    static constexpr int TaktBahnende = 2;
    static constexpr int TaktEmpfang = 2;
    static constexpr int TaktSenden = 2;
    // Counted in receive ticks: a second of the engine (lane start, match end,
    // sign-off; 1 s against 50 ms as in the program) and a tick of the lanes: a
    // throw every 3 lane ticks, a part 30 ticks after its start (three lane
    // start ticks: the lanes of mode 0 start themselves, the program must have
    // started the lane first), 20 ticks of practice.
    static constexpr long EmpfangJeSekunde = 20;
    static constexpr long EmpfangJeBahntakt = 3;
    // The engine's one-second timers stay switched as the engine wants them,
    // but their own QTimers never come due: the receive ticks run them.
    static constexpr int Nie = 24 * 3600 * 1000;
    // Only a run whose timers stopped altogether meets this one, ms.
    static constexpr int Notbremse = 400000;

    explicit Busbetrieb(std::uint32_t seed) : sim{SimVorgaben(3, 30, 20, seed)} {}

    // The pumps' intervals, the bus, the lanes behind it and the program on
    // it; call through ASSERT_NO_FATAL_FAILURE.
    void busEinrichten()
    {
        for (std::size_t i = 0; i < timer.size(); ++i) intervalle[i] = timer[i]->interval();
        Timer2().setInterval(TaktBahnende);
        Timer3().setInterval(TaktEmpfang);
        for (Zeitgeber* t : sekundentimer) t->setInterval(Nie);
        Einst.CanBusTimer = TaktSenden;
        ASSERT_TRUE(bus.laeuft());
        Einst.CanSchnittstelle = bus.schnittstelle();

        QString fehler;
        bruecke.setTaktMs(0);
        ASSERT_TRUE(bruecke.oeffnen(bus.schnittstelle(), &fehler)) << fehler.toStdString();
        ASSERT_TRUE(CanAnschliessen(&adapter)) << CanEinstellungen.StatusText.toStdString();
    }

    // After ProgrammAbbauen: the receive pump's own job and the intervals back.
    void busAbbauen()
    {
        Timer3().setJob(&Timer3Go);
        bruecke.schliessen();
        for (std::size_t i = 0; i < timer.size(); ++i) timer[i]->setInterval(intervalle[i]);
    }

    // Starts the program's timers, the receive pump on the run's clock.
    void taktStarten()
    {
        BahnendeTimerAktiv = CanEmpfangTimerAktiv = 1;
        TimerModulStarten();
        Timer3().setJob([this] { empfangsTakt(); });
    }

    // The receive pump's job, then what hangs on its ticks.
    void empfangsTakt()
    {
        Timer3Go();
        ++empfangsTakte;
        if (empfangsTakte % bahntakt == 0) bruecke.takt();
        if (empfangsTakte % EmpfangJeSekunde == 0)
            for (Zeitgeber* t : sekundentimer)
                if (t->enabled()) t->tick();
        if (beobachter) beobachter();
        if (pruefen) pruefen();
        if (imTakt) imTakt();
    }

    // Runs the event loop until ziel holds or grenze receive ticks have
    // passed.
    bool laufen(const std::function<bool()>& ziel, long grenze)
    {
        if (ziel()) return true;
        QEventLoop schleife;
        const long ende = empfangsTakte + grenze;
        imTakt = [&] {
            if (ziel() || empfangsTakte >= ende) schleife.quit();
        };
        QTimer notbremse;
        notbremse.setSingleShot(true);
        QObject::connect(&notbremse, &QTimer::timeout, &schleife, &QEventLoop::quit);
        notbremse.start(Notbremse);
        schleife.exec();
        imTakt = nullptr;
        return ziel();
    }

    // The lanes' scripts of the plan; teil gives player nr's round block d.
    void skripte(const Startplan& plan, const std::function<QString(int nr, int d)>& teil)
    {
        for (const auto& [bahn, wuerfe] : Skripte(plan, 1, teil)) sim.setSkript(bahn, wuerfe);
    }

    // Lanes 1..bahnen signed off: no match, no part running, nothing left
    // to send them.
    bool abgemeldet(int bahnen) const
    {
        for (int bahn = 1; bahn <= bahnen; ++bahn)
            if (sim.spielNr(bahn) != 0 || sim.teilLaeuft(bahn)) return false;
        return BahnSendenAusstehend == 0;
    }

    VirtuellerBus bus;
    Bahnsimulator sim;
    VirtualCanBruecke bruecke{sim};
    QtCanAdapter adapter;
    std::function<void()> beobachter;
    std::function<void()> pruefen;  // a test's own look at each tick
    std::function<void()> imTakt;   // the waiting loop's check
    long empfangsTakte = 0;
    // Receive ticks a lane tick; a run that wants every board frame sent
    // slows the lanes down to what the board queue's one frame a send tick
    // carries.
    long bahntakt = EmpfangJeBahntakt;
    const std::array<Zeitgeber*, 5> timer{&Timer2(), &Timer3(), &Timer9(), &TimerSpielEnde(), &TimerBahnEnde()};
    const std::array<Zeitgeber*, 3> sekundentimer{&Timer9(), &TimerSpielEnde(), &TimerBahnEnde()};
    std::array<int, 5> intervalle{};
};
