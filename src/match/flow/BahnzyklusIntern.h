#pragma once
// What the lane cycle's sources (Bahnzyklus.cpp, Teilstart.cpp) share between
// them; not for callers outside the lane cycle.

#include "core/CheckedArray.h"
#include "core/Globals.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Bahnzyklus.h"

namespace BahnzyklusIntern {

inline Array1<u8, MaxBahnen>& g_unvorbereitet = bahnzyklusZustand.unvorbereitet;
inline Array1<int, MaxBahnen>& g_teilRunde = bahnzyklusZustand.teilRunde;

inline bool GueltigeBahn(int bahn) { return bahn >= 1 && bahn <= MaxBahnen; }
inline bool GueltigerSpieler(int nr) { return nr >= 1 && nr <= MaxSpieler; }
inline int Modus() { return Einst.Bahnsteuerung; }

inline void Senden(int bahn, const CanDaten& d) { CanNachrichtSenden(bahn, d); }

}  // namespace BahnzyklusIntern
