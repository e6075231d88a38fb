#pragma once
// The steps of the input box: its up and down buttons, its number formats and
// its half-step mode (2). Plain functions, so the window stays thin.

#include <QString>
#include <optional>

// Mode of the input box in which a fractional part from .5 up is skipped.
constexpr int HalbschrittModus = 2;

// Formats like Delphi's FormatFloat with the patterns the callers use ("###0",
// "0.0", "#0.0"): '0' is a digit always shown, '#' a digit shown only when
// significant; the placeholders after '.' give the decimals (rounded half away
// from zero on the number's 15 significant digits); the '0' before '.' give
// the minimum integer digits; the point is written '.'. Other characters are
// ignored. An empty format gives the plain shortest decimal.
QString ZahlFormatieren(double wert, const QString& format);

// The number of an edit: empty counts as 0, '.' or ',' as decimal point;
// nullopt when it is no number.
std::optional<double> EingabeZahl(const QString& text);

// The text after one step up (or down) from 'text'. Down stops at 0. In the
// half-step mode a result whose fractional part is .5 or more, which a typed
// value may not have, goes on to the next whole number (up) or to the largest
// shown value below .5 (down: 10.0 gives 9.4). Text that is no number stays.
QString EingabeSchritt(const QString& text, float schritt, const QString& format, int modus, bool hoch);

// A text typed in the half-step mode: its whole part, formatted, when its
// fractional part is .5 or more; otherwise (and in other modes) nullopt.
std::optional<QString> HalbschrittKorrektur(const QString& text, const QString& format, int modus);
