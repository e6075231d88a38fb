#pragma once
// The entry list of a folder of saved matches: "Spiele.inf" names the
// entries, line k belongs to "Spiel<k>.dat". Every operation keeps that
// binding: entry files are renamed along with their lines. A failed write
// or rename stops the operation, is reported in *fehler and returns false;
// renames already done are taken back, and the list in memory is left as
// it was.

#include <QString>
#include <QStringList>

// A folder's list holds at most this many entries.
constexpr int MaxSpieleintraege = 256;

QString SpielelisteDatei(const QString& ordner);
// "Spiel<k>.dat" of the folder.
QString SpielDatei(const QString& ordner, int k);

// The entries of the folder; empty when it has no list.
QStringList SpielelisteLesen(const QString& ordner);
bool SpielelisteSchreiben(const QString& ordner, const QStringList& liste, QString* fehler);

// Places a new name behind the selected entry (appended when the list is
// empty, nothing or the last entry is selected) and moves the entry files
// behind it up by one. The list is not saved: the save of the match does
// that. The new entry's index, or -1 (full list, failed rename).
int SpieleintragEinfuegen(const QString& ordner, QStringList& liste, int auswahl, const QString& name,
                          QString* fehler);
// Entry k takes the new name and keeps its file; the list is saved.
bool SpieleintragUmbenennen(const QString& ordner, QStringList& liste, int k, const QString& name, QString* fehler);
// Removes entry k, saves the list, deletes its file and moves the files
// behind it down by one.
bool SpieleintragLoeschen(const QString& ordner, QStringList& liste, int k, QString* fehler);
// Empties the list and saves it; the entry files stay.
bool SpieleintraegeAlleLoeschen(const QString& ordner, QStringList& liste, QString* fehler);
// Sorts by the names' bytes (Windows-1252), ascending, equal names in their
// order; each file follows its name by way of "Spielbak<i>.dat". Saves the list.
bool SpielelisteSortieren(const QString& ordner, QStringList& liste, QString* fehler);
