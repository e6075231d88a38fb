#pragma once
// What the report editor's edits write into the match record: the sides'
// results, lead and points, the remark lines and the incident flags. Every
// write is done at once and marks the match changed.

#include "core/Records.h"

#include <QString>

// The digits a result edit holds.
constexpr int BerichtZiffern = 4;
// The remark lines of a side and the characters kept of each.
constexpr int BemerkungZeilen = 4;
constexpr int BemerkungBreite = 80;

// The incident flags of the report, in record order.
enum class Zwischenfall { BahnenOk, PaesseOk, Verwarnungen, Verletzungen, Protest, Sonstiges, Anlagen };

// Volle (or Abräumen) typed on a side: its text and number, the side's total
// of both (4 digits, empty when 0), then the total as typed into the total
// edit, whose text it returns (the total without leading zeros).
QString VolleGeaendert(TWettkampfDaten& w, bool heim, const QString& text);
QString AbrGeaendert(TWettkampfDaten& w, bool heim, const QString& text);

// The total typed: kept 4 digits zero-padded; the lead `Plus` of both sides
// follows (only the side ahead has one; equal totals give none).
void TotalGeaendert(TWettkampfDaten& w, bool heim, const QString& text);

void FehlerGeaendert(TWettkampfDaten& w, bool heim, const QString& text);

// The side's total match points. Nothing or a lone separator is 0; a text
// that is no number changes nothing (false).
bool PunkteGeaendert(TWettkampfDaten& w, bool heim, const QString& text);

// The remark memo's text: its lines 1..4, each cut to 80 characters; missing
// lines become empty, further lines are not kept.
void BemerkungGeaendert(TWettkampfDaten& w, bool heim, const QString& text);

void ZwischenfallGeaendert(TWettkampfDaten& w, Zwischenfall z, bool gesetzt);
u8& ZwischenfallFlag(TWettkampfDaten& w, Zwischenfall z);
