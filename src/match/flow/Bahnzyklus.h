#pragma once
// The cycle of a lane within a match: registering it with its controller,
// preparing and starting its part for each round of the start plan,
// rebuilding a part the program takes over, the 50 ms check that finds
// finished parts and pending throws, the closing of a part, the round change
// along the start plan, the sudden victory and the sign-off. The lane start
// timer (Timer9) runs the registration, preparation and start phases over the
// masks below. The match-level flow (start, continue, stop, game end, the
// slots) calls in here; nothing here calls back up.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "match/bus/CanSenden.h"

#include <QString>

#include <deque>
#include <utility>
#include <vector>

// The lane cycle's state; the names below refer into it.
struct BahnzyklusZustand {
    // Bit L-1: lane L is being registered / waits to be prepared / waits to
    // be started.
    u16 AnmeldeMaske = 0;
    u16 VorbereitungsMaske = 0;
    u16 StartMaske = 0;
    // Ticks of the lane start timer still to wait before the online test.
    Array1<i32, MaxBahnen> Startzaehler{};

    // Lanes queued for preparation and start that were not prepared since: a
    // lane the operator gave up in the preparation is not started with the
    // player of an earlier round.
    Array1<u8, MaxBahnen> unvorbereitet{};
    // The round (Durchgang) in which each lane last started a part.
    Array1<int, MaxBahnen> teilRunde{};
    // Passive lanes: the group's first lane, taken online and prepared only
    // to lead the group (it has nobody in the first round).
    Array1<u8, MaxBahnen> leitbahn{};

    // The round change (reset alone by RundenwechselZuruecksetzen).
    // Per match slot: the lane whose part ended last when the round change
    // stopped at busy lanes; 0 when none is pending.
    Array1<int, MaxWettkaempfe> wechselOffen{};
    // Per match slot: passive lanes, the match was started anew and the
    // group's first lane has not taken the game parameters yet.
    Array1<bool, MaxWettkaempfe> spielOffen{};
    // Per match slot: (round, lane) of the parts left unplayed or unbooked.
    Array1<std::vector<std::pair<int, int>>, MaxWettkaempfe> fehlend{};
    // Per lane: part frames that wait for the lane's part to run.
    Array1<std::deque<TCanNachricht>, MaxBahnen> zurueckgehalten{};
    bool nachholen = false;  // held frames are being run

    void zuruecksetzen() { *this = BahnzyklusZustand{}; }
    void rundenwechselZuruecksetzen();
};
extern BahnzyklusZustand bahnzyklusZustand;

extern u16& AnmeldeMaske;
extern u16& VorbereitungsMaske;
extern u16& StartMaske;
extern Array1<i32, MaxBahnen>& Startzaehler;

void BahnzyklusZuruecksetzen();

// The block of a player in use: DurchgangNr, within 1..4.
long BlockNr(const TSpielerEintrag& p);
// The count texts of a lane from its counters.
void BahnTexteBilden(TBahnDaten& l);

// Player number that the plan puts on the lane in the round; 0 for nobody,
// for a round outside 1..25 or a lane outside the plan.
int PlanSpieler(const TWettkampfDaten& m, int bahn, int runde);

// A new start of the match: no part of it counts as missing, started or led.
void TeileVergessen(const TWettkampfDaten& m);
// Passive lanes: the group's first lane comes online and is prepared to lead
// the group, even with nobody on it in this round.
void LeitbahnAnmelden(TWettkampfDaten& m, int bahn);

void BahnAnmelden(int bahn);
void BahnVormerken(int bahn);
void BahnVorbereiten(int bahn);
// All lanes prepared: the match begins.
void SpielbeginnMelden(TWettkampfDaten& m);
void BahnStarten(int bahn);
void BahnWiederherstellen(int bahn);
// The round (Durchgang) in which the lane last started a part; 0 none since
// the match started.
int TeilRunde(int bahn);
// The lane was queued for a part but given up before it was prepared.
bool BahnAufgegeben(int bahn);
// The operator gave the lane up at its start prompt: it is not prepared and
// sits its part out; a match that waited only for it begins without it.
void BahnAufgeben(int bahn);
void BahnFortsetzen(int bahn);
void BahnanzeigeLoeschen(int bahn);

void BahnendePruefen();
// Books the lane's reported throw, or drops it when it lies beyond the part.
void OffenenWurfBuchen(int bahn);
// A part frame of a lane whose throw is still open (its lane was stopped
// before the check took the throw): the throw is booked first, so that the
// frame cannot overwrite or end the part over it.
void OffenenWurfVorRahmenBuchen(int bahn, const TCanNachricht& n);
void Bahnende(int bahn);
// Every lane of the match in play has ended its part.
bool RundeVorbei(const TWettkampfDaten& m);
// Moves the match to the next round of its plan (from the lane that ended
// last), or to the sudden victory or the end.
void RundeWechseln(TWettkampfDaten& m, int bahn);
void SuddenVictoryFragen(int bahn);
void BahnAbmelden(int bahn);

// A round change that stopped at busy lanes is tried again (the start command
// continuing the match); false when none is pending.
bool RundenwechselNachholen(TWettkampfDaten& m);
void RundenwechselVergessen(const TWettkampfDaten& m);
void RundenwechselZuruecksetzen();

// The operator's go-ahead for a waiting lane change or game end.
void WechselFreigeben(TWettkampfDaten& m);

// Part frames of a lane (kinds 1, 34, 35) that arrive after the lane was
// asked for its match number but before its part was started (late after a
// bus outage, or from passive lanes that start on their own) wait, in order,
// and are taken one a check once the part runs: true when the frame waits.
// Behind a waiting frame every further part frame of the lane waits too.
bool BahnrahmenZurueckhalten(int bahn, const TCanNachricht& n);
void ZurueckgehalteneVerwerfen(int bahn);

// Parts of a round that a lane with a player did not play or in which no
// throw was booked; the game end tells the operator about them.
QString FehlendeTeileText(const TWettkampfDaten& m);
void FehlendeTeileVergessen(const TWettkampfDaten& m);
