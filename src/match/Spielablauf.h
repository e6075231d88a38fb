#pragma once
// The start side of the match flow on the lanes: binding the lanes of a
// match, registering them with their controllers, preparing and starting
// each lane for each round of the start plan, rebuilding a part the program
// takes over, stop and continue. The lane start timer (Timer9) runs the
// registration, preparation and start phases over the masks below.

#include "core/CheckedArray.h"
#include "core/Records.h"

// Bit L-1: lane L is being registered / waits to be prepared / waits to be started.
extern u16 AnmeldeMaske;
extern u16 VorbereitungsMaske;
extern u16 StartMaske;
// Ticks of the lane start timer still to wait before the online test.
extern Array1<i32, MaxBahnen> Startzaehler;

void SpielablaufZuruecksetzen();

// Starts the match, or continues it after a stop or the operator's go-ahead.
// A match that has ended or has no start plan is refused with a message.
void SpielStarten(TWettkampfDaten& m);
void SpielStoppen(TWettkampfDaten& m);
void SpielbeginnMelden(TWettkampfDaten& m);

void BahnAnmelden(int bahn);
void BahnVormerken(int bahn);
void BahnVorbereiten(int bahn);
void BahnStarten(int bahn);
void BahnWiederherstellen(int bahn);
// The round (Durchgang) in which the lane last started a part; 0 none since
// the match started.
int TeilRunde(int bahn);
// The lane was queued for a part but given up before it was prepared.
bool BahnAufgegeben(int bahn);
void BahnFortsetzen(int bahn);
void BahnanzeigeLoeschen(int bahn);

// One counter of a game that a lane handed over (message kind 166).
void ZaehlerSetzen(int spielerNr, int bahn, u8 code, u8 hoch, u8 tief);
