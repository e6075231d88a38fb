#pragma once
// One side's team data of the current match: the first-leg values and the
// five free form fields of that side (FormularText 1..5 home, 6..10 guest)
// with their names (settings FormularFeldName1..10 in "[Formular]").

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QString>
#include <optional>

constexpr int FreieFelder = 5;

// The dialog's working copy of one side's field names.
struct Feldnamen {
    bool heim = true;
    Array1<QString, FreieFelder> namen;
    Array1<bool, FreieFelder> sichtbar{};  // the rows shown
    int Feldanzahl = 0;  // highest field with a name, 0..5
    int AktFeld = 1;     // the field last pressed
};

// FormularFeldNamen / FormularText index of the side's field i (1..5).
int FormularIndex(bool heim, int feld);

// The side's names from the settings.
Feldnamen FeldnamenLesen(bool heim);
// The highest field whose name is not empty; 0 when none is.
int FeldanzahlBestimmen(const Feldnamen& f);
// Home: the name and ":"; guest: the name alone.
QString FeldBeschriftung(const QString& name, bool heim);

// A German message for a name the settings file would not give back as it
// is (a value there loses its leading blanks and "="); none otherwise.
std::optional<QString> FeldnameFehler(const QString& name);
// A new field after the highest; false when all five are in use.
bool FeldNeu(Feldnamen& f, const QString& name);
void FeldUmbenennen(Feldnamen& f, const QString& name);
// Empties the highest field's name; false when there is none.
bool FeldLoeschen(Feldnamen& f);

// The edits as typed.
struct Mannschaftswerte {
    QString VorErgebnis, VorSaP, VorMaP, VorTaP;
    Array1<QString, FreieFelder> felder;
};

// What the edits show for the side of w.
Mannschaftswerte MannschaftswerteLesen(const TWettkampfDaten& w, bool heim);
// A German message for a first-leg point value that is no number; empty
// edits count as 0.
std::optional<QString> MannschaftswerteFehler(const Mannschaftswerte& werte);
// OK: the values into the side of w, the names into the settings and the
// settings file. Call only when MannschaftswerteFehler found nothing.
void MannschaftsdatenSpeichern(TWettkampfDaten& w, const Feldnamen& f, const Mannschaftswerte& werte);
