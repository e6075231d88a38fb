#pragma once
// The variables through which report-engine projects read a match: 28 of the
// match, 23 per side and 28 or 33 per player, 582 in all. Names, types and
// value texts are the interface to the users' projects and never change.

#include "core/Records.h"
#include "platform/bericht/Berichtsmaschine.h"

#include <QList>
#include <QString>

// Variable types of the report engine.
constexpr u32 VariablentypText = WerttypText;
constexpr u32 VariablentypZahl = WerttypZahl;
constexpr u32 VariablentypLogisch = WerttypLogisch;

// A variable as the engine takes it: name, value text, type.
using Berichtsvariable = Berichtswert;

// Every variable with a fixed sample value, for the designer and whenever the
// engine needs only the names. Date and times are today's and now's.
QList<Berichtsvariable> LLVariablenBeispiel();

// Every variable with the value of the given match, in the same order and
// under the same names and types as the samples.
QList<Berichtsvariable> LLVariablenDefinieren(const TWettkampfDaten& w);

// What the engine's variable event defines: the samples, or the values of the
// match (none without a match).
QList<Berichtsvariable> Berichtsvariablen(bool beispiel, const TWettkampfDaten* w);
