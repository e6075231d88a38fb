#pragma once
// Scoped guards for the seams declared outside the seam headers: the clock,
// the CAN adapter and log, and the printer senders.

#include "core/Clock.h"
#include "core/Eingesetzt.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"

using UhrEinsetzen = Gesetzt<std::function<QDateTime()>, setUhr>;
using CanAdapterEinsetzen = Gesetzt<CanAdapter*, setCanAdapter>;
using CanLogEinsetzen = Gesetzt<CanLogSchreiber*, setCanLog>;
using DruckerSendenEinsetzen = Gesetzt<DruckerSendeFunktion, setDruckerSenden>;

// A fixed clock: Thursday 5 March 2026, 14:05:09, unless told otherwise.
inline std::function<QDateTime()> FesteUhr(QDateTime t = QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9)))
{
    return [t] { return t; };
}
