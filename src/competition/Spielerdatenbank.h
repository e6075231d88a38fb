#pragma once
// The player database's file "Spieler.xrs" in the database folder: an SQLite
// database (through Qt Sql) with one table, a row a player in the table's
// order, a cell's null kept apart from the empty text. A save replaces the
// rows in one transaction: when it fails, the file keeps the rows it had.
//
// A file that is not a player database of this program is never changed
// behind the operator's back: loading it gives an empty table and a message;
// saving over it keeps it beside the new database ("Spieler.xrs.alt").

#include "competition/Spielertabelle.h"

#include <QString>

// "Spieler.xrs" in DatenbankPfad (the data folder when that is empty).
QString SpielerdatenbankDatei();

struct SpielerdatenbankErgebnis {
    bool ok = true;
    QString meldung;  // German; also after a success that has something to say
};

// How long a save waits for another program that holds the file.
struct SpielerdatenbankOptionen {
    int wartezeitMs = 3000;
};

// Reads the file into the table. A missing file gives an empty table and no
// message; a file that is not ours or cannot be read gives an empty table,
// !ok and the reason.
SpielerdatenbankErgebnis SpielerdatenbankLesen(const QString& datei, Spielertabelle& t);
// Writes the table into the file in one transaction, creating the file and
// its folder when missing. A file that is not a database of ours is kept as
// "<name>.alt" (or "<name>.alt2", ...) and a new database takes its name.
SpielerdatenbankErgebnis SpielerdatenbankSchreiben(const QString& datei, const Spielertabelle& t,
                                                 const SpielerdatenbankOptionen& optionen = {});

// Loads the program's database from its file (when the set-up window is
// made); a failure is shown as a notice. Clears the change mark and the found
// cell.
bool SpielerdatenbankLaden();
// TWettkampf.BtnSpeichernClick without the window: saves the program's
// database; clears DatenbankGeaendert and the found cell. A failure is shown
// as a notice and leaves DatenbankGeaendert set.
bool SpielerdatenbankSpeichern();
