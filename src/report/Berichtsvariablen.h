#pragma once
// The variables through which report-engine projects read a match: 28 of the
// match, 23 per side and 28 or 33 per player, 582 in all. Names, types and
// value texts are the interface to the users' projects and never change.

#include "core/Records.h"

#include <QList>
#include <QString>

// Variable types of the report engine.
constexpr u32 VariablentypText = 0x10000000;
constexpr u32 VariablentypZahl = 0x08000000;
constexpr u32 VariablentypLogisch = 0x02000000;

struct Berichtsvariable {
    QString name;
    QString wert;
    u32 typ = VariablentypText;

    bool operator==(const Berichtsvariable&) const = default;
};

// Every variable with a fixed sample value, for the designer and whenever the
// engine needs only the names. Date and times are today's and now's.
QList<Berichtsvariable> LLVariablenBeispiel();

// Every variable with the value of the given match, in the same order and
// under the same names and types as the samples.
QList<Berichtsvariable> LLVariablenDefinieren(const TWettkampfDaten& w);

// What the engine's variable event defines: the samples, or the values of the
// match (none without a match).
QList<Berichtsvariable> Berichtsvariablen(bool beispiel, const TWettkampfDaten* w);
