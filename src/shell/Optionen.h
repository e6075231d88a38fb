#pragma once
// What the options dialog does besides its controls: the strict number
// fields, and the end of OK, which writes the pages' keys into the settings
// and saves the settings file and the list files of the data folder.

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A key of the settings file: its section ("[Allgemein]") and its name.
using Optionsschluessel = std::pair<QString, QString>;

// A strict number field: decimal, or "$" and hexadecimal digits, within
// min..max. Either the number or the operator's message, which names the text.
struct StrengeZahl {
    std::optional<qint64> wert;
    QString fehler;
};
StrengeZahl StrengeZahlLesen(const QString& text, qint64 max = 65535, qint64 min = 0);
// A port field: 1..65535.
inline StrengeZahl PortLesen(const QString& text) { return StrengeZahlLesen(text, 65535, 1); }

// The keys of the machine's devices that no page enters (the CAN interface,
// the printer and card reader device files).
std::vector<Optionsschluessel> GeraeteSchluessel();

// Empties InfListe when asked, keeping the lines of the device keys it
// holds; sets every key to its setting's current value in order, saves the
// settings file, then the six lists into the data folder ("Formular.inf" ..
// "EmailAn.inf"). False with the message in *fehler when a file could not be
// saved; the files before it are saved.
bool OptionenSchreiben(const std::vector<Optionsschluessel>& schluessel, bool infLoeschen, QString* fehler);
