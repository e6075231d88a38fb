#pragma once
// What the match set-up window shows beside the plain fields: the choice
// lists that follow the throw preset and the lanes, the player lines that
// the team size shows, and the colour of a player's line.

#include "core/Records.h"

#include <QString>
#include <QStringList>

// The practice choice always offers these; a preset may add its own.
QStringList ProbeGrundpunkte();  // "keine Probe" .. "10 Wurf Probe"

struct ProbeAuswahl {
    QStringList eigeneProbe;  // "<f6> min. Probe", "<f7> Wurf Probe" when the preset has them
    QStringList bahnen;       // the lane choices of the preset
};

// From a throw-preset line (fields separated by ';', read up to 512 characters).
ProbeAuswahl ProbeAuswahlAusZeile(const QString& zeile);

// The lane-change items for the match's lane range, team size and dropped
// results; empty when the choice is hidden.
QStringList BahnwechselPunkte(const TWettkampfDaten& w);

// Whether line k (1..8 of a side) shows: with dropped results all eight,
// otherwise lines 5 and 6 only when the team has that many players.
bool SpielerzeileSichtbar(const TWettkampfDaten& w, int zeile);

// Colour value of a player's line: white, ColorGestartet once he has
// started, ColorFertig once he has finished.
u32 SpielerzeileFarbe(const TSpielerEintrag& s);

// Colour of the option choices of a started or ended match.
constexpr u32 FarbeGesperrt = 15389394;
constexpr u32 FarbeWeiss = 16777215;
