#pragma once
// What the whole-match tests and the benchmark share: the program reset and
// put on a bus, a match set up from its settings, the lanes' scripts from a
// start-order plan, the program and the lanes stepped together on a fake bus,
// and the program's bookings compared with the lanes' own tally.
//
// Free of GoogleTest: a comparison returns what differs, one line each
// (empty when all agrees), and the caller decides what that means.

#include "core/Records.h"
#include "lanesim/Bahnsimulator.h"
#include "platform/FakeCanAdapter.h"

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The player on each lane of the match (its first lane first), round by round.
using Startplan = std::vector<std::vector<int>>;
// Durchgang and Bahnbelegung of the match's lanes, at each round change.
using Runden = std::vector<std::pair<int, std::vector<int>>>;

// Globals, match flow, CAN send and receive, displays, scripted boxes and
// prompts reset; the clock stands at jetzt; station 2, a lane-change
// timeout of 2 s, set points on the wall.
void ProgrammZuruecksetzen(const QDateTime& jetzt);
// The CAN card opened on the adapter; true when CAN is active.
bool CanAnschliessen(CanAdapter* adapter);
// Timers stopped, the adapter taken away, all reset again.
void ProgrammAbbauen();

struct Spielart {
    int bahnsteuerung = 1;
    int ersteBahn = 1, letzteBahn = 4;
    int volle = 3, abraeumen = 3;
    int durchgaenge = 2;  // rounds a player
    int spielmodus = 2;   // start-order mode
    int spieleranzahl = 4;
    int art = 0;
    int probe = 0;
    bool punktespiel = false;
    bool suddenVictory = false;  // of three throws a lane
};

// A new match with these settings, its start order assigned and its players
// named; nullptr when it could not be made.
TWettkampfDaten* WettkampfAufbauen(const Spielart& a);
// The current match (e.g. one taken over from the lanes) given these
// settings, its start order and names, as the match window does; false when
// no start order fits.
bool WettkampfEinrichten(const Spielart& a);

// Four lanes, six players a side, start-order mode 3, four rounds each:
// duels on lanes 1+2 and 3+4.
extern const Startplan PlanVierBahnenSechsSpieler;
// Two lanes, four players a side, start-order mode 2, two rounds each.
extern const Startplan PlanZweiBahnenVierSpieler;

// The player's round block (1..) that plan round r (0-based) plays.
int BlockNr(const Startplan& plan, int nr, std::size_t r);
// The throws of a text for WuerfeLesen; throws std::invalid_argument when
// it refuses the text.
Wurfliste Wuerfe(const QString& text);
// Each lane's script: the parts of the players the plan puts on it, round
// after round; teil gives the throws of player nr's round block d.
std::map<int, Wurfliste> Skripte(const Startplan& plan, int ersteBahn,
                                 const std::function<QString(int nr, int d)>& teil);

// Adds the match's round and lanes when the round changed since the last call.
void RundeMerken(Runden& r, const TWettkampfDaten& m);
// The plan's rounds in order; after the last one the lanes stay as they are.
Runden PlanRunden(const Startplan& plan);

// Lanes 1..4 of station 2, the given throw and start pace, and seed.
Bahnsimulator::Vorgaben SimVorgaben(int wurfTakt, int startVerzoegerung, int probeTakte, std::uint32_t seed);

// The program and the lanes on one fake bus, in steps of 50 ms of program
// time: five ticks of the send pump (10 ms), the receive pump and the
// end-of-lane check, every 20th step the one-second timers; then the frames
// cross the bus and the lanes advance one tick.
struct Anlage {
    explicit Anlage(const Bahnsimulator::Vorgaben& v) : sim(v) {}

    FakeCanAdapter bus;
    Bahnsimulator sim;
    long schritte = 0;
    std::function<void()> beobachter;  // after each step
    // An outage: while above 0 (counted down each step) the frames of both
    // directions are held back; then they cross, each direction in order.
    long halten = 0;
    bool nurVonBahnen = false;  // only the lanes' frames are held

    void schritt();
    // Steps until ziel holds, at most grenze steps; whether it holds.
    bool bis(const std::function<bool()>& ziel, long grenze = 20000);
    // Until the program has sent everything and read every lane frame.
    bool ausklingen();

private:
    std::vector<CanRohRahmen> m_zurBahn, m_zumPc;
};

// What the program booked for a part, a player or a side against a tally
// of the lanes: Volle, Abräumen, misses, throws and total.
std::string Abweichung(const TDurchgangBlock& b, const Zaehlung& z);
std::string Abweichung(const TSpielerEintrag& p, const Zaehlung& z);
std::string Abweichung(const TMannschaftBlock& s, const Zaehlung& z);

// Each part of the plan against the part its lane played: the lane, every
// throw's picture and flags, the tallies; each player and each side against
// the sum of their parts. With spielerGemeldet (modes 1 and 2) the lanes
// must also have named the plan's player, and each player's booking must
// equal the throws the lanes reported for him.
std::vector<std::string> BuchungVergleichen(const TWettkampfDaten& m, const Bahnsimulator& sim,
                                            const Startplan& plan, bool spielerGemeldet);

// A side's result, worked out by hand.
struct Seitenvorgabe {
    int total, volle, abr, fehler, wuerfe;
    float sap, map, ergebnisMaP, totalMaP;
    const char* tap;
};
std::string Abweichung(const TMannschaftBlock& s, const Seitenvorgabe& v);
// A player's set point in each round block and his match point.
std::string PunkteAbweichung(const TSpielerEintrag& p, const std::vector<float>& sap, float map);
