#pragma once
// The address list of the match officials, "Spielleiter.inf" in the data
// folder: one line per official, "name;address;postcode;town;telephone".
// The officials dialog browses and edits it through these functions; the
// five edits travel as SpielleiterFelder.

#include "core/Records.h"

#include <QString>
#include <QStringList>
#include <array>

// Name, address, postcode, town, telephone: the order of a list line.
using SpielleiterFelder = std::array<QString, 5>;

struct SpielleitungZustand {
    QStringList SpielleiterListe;
    int SpielleiterIndex = 0;  // the line shown, from 0

    void zuruecksetzen();
};
extern SpielleitungZustand spielleitungZustand;
extern QStringList& SpielleiterListe;
extern int& SpielleiterIndex;

// The list file of the data folder.
QString SpielleiterDatei();
// Reads the list (missing file: empty) and shows line 0.
void SpielleiterLaden();

// A line split at ";"; fields missing at the end stay empty.
SpielleiterFelder SpielleiterZerlegen(const QString& zeile);
// The fields joined by ";", each as SpielleiterFeld gives it.
QString SpielleiterVerbinden(const SpielleiterFelder& felder);
// What a field of the list can hold: the line has no escape for its
// separator, so a ";" becomes ",".
QString SpielleiterFeld(QString text);

// What the edits show for line `index`; empty with an empty list.
SpielleiterFelder SpielleiterAnzeigen(int index);
// The first line whose name (text before the first ";") contains `name`
// becomes the current one; false (index unchanged) when there is none.
bool SpielleiterSuchen(const QString& name);
// Replaces line `index` (negative counts as 0) by the edits; beyond the end
// an empty line is put in first.
void SpielleiterUebernehmen(int index, const SpielleiterFelder& felder);

// At the dialog's activation: the match's official, else its referee, else
// line 0.
void SpielleiterAktivieren(const TWettkampfDaten& w);
void SpielleiterZurueck();
void SpielleiterVor();
// Only with a name: stores the edits, and adds a line after the current one
// with the match's official (or referee), which becomes current.
bool SpielleiterNeu(const SpielleiterFelder& felder, const TWettkampfDaten& w);
void SpielleiterAendern(const SpielleiterFelder& felder);
// Removes the current line; an empty list is left as it is.
void SpielleiterLoeschen();
// Stores the edits and writes the whole list; a failed write is shown to
// the operator and leaves the old file.
bool SpielleiterSpeichern(const SpielleiterFelder& felder);

struct SpielleiterKnoepfe {
    bool zurueck = false;
    bool vor = false;
    bool loeschen = false;  // not with an empty list
};
SpielleiterKnoepfe SpielleiterKnopfzustand();

// OK: the five edits into the match's official.
void SpielleiterEintragen(TWettkampfDaten& w, const SpielleiterFelder& felder);
