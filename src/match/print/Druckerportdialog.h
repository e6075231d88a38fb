#pragma once
// What the printer port dialog decides without its widgets: the working
// copies of the four central printers, the numbers of its edits and the test
// print with the calibration of DruckWait. The dialog edits the options
// dialog's working copies; only the options dialog's OK puts them live.

#include "core/CheckedArray.h"
#include "core/Settings.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The copies of the printer settings. Two fields differ from the live ones:
// DrBahnVon and DrBahnBis hold the lane minus 1 (the index of the dialog's
// lane lists), PageLength is in 1/180 inch, half the live value (1/360
// inch). DruckWait is not edited here.
struct DruckerportArbeitskopie {
    Array1<TZentralDrucker, 4> Drucker;
    // Printer codes of Ä, Ö, Ü, ä, ö, ü, ß, in the order of the dialog's list.
    std::array<std::uint8_t, 7> Sonderzeichen{};
};

// The options dialog's working copies: filled when it opens, edited by the
// printer port dialog, put live by its OK; Abbrechen drops them.
extern DruckerportArbeitskopie OptDrucker;

// The Windows-1252 letters behind the codes, in the same order.
constexpr std::array<char, 7> SonderzeichenBuchstaben = {'\xC4', '\xD6', '\xDC', '\xE4', '\xF6', '\xFC', '\xDF'};

// The copies of the live settings.
DruckerportArbeitskopie DruckerportArbeitskopieLaden();
// Puts the copies into the live settings; DruckWait stays as it is.
void DruckerportArbeitskopieUebernehmen(const DruckerportArbeitskopie& opt);

// The number of an edit: decimal, or hexadecimal after "$"; anything else 0.
std::int64_t DruckerportZahl(const QString& text);
// A code as the dialog shows it: "$" and two hexadecimal digits.
QString SonderzeichenText(std::uint8_t code);

// The test print for printer p built with the working copies: reset, start
// feed, "Test Umlaute ÄÖÜäöüß" LF CR with the letters mapped, end feed. The
// live settings are the same afterwards.
QByteArray DruckertestPuffer(const DruckerportArbeitskopie& opt, int p);

enum class Druckertest {
    Gesendet,
    KeineSchnittstelle,
    Belegt,          // the port serves a match now
    NichtBereit,     // the port could not be configured
    Abgebrochen,     // one byte was refused too often
};
// Offers before the test gives up on one byte.
constexpr int DruckertestGrenze = 64000;

// Sends the test buffer of printer p straight to its port, unchanged, and
// leaves in Einst.Drucker[p].DruckWait the retry limit it met: when a byte is
// taken after more refusals than the limit so far, the limit becomes its
// refusals + 10. A port that a match prints on is left alone, and no port is
// closed. The operator is told how it went, whatever it was.
Druckertest DruckertestSenden(const DruckerportArbeitskopie& opt, int p);
