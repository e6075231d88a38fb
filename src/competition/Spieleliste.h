#pragma once
// The entry list of a folder of saved matches: "Spiele.inf" names the
// entries, line k belongs to "Spiel<k>.dat". Every operation keeps that
// binding: entry files are renamed along with their lines. A failed write
// or rename stops the operation, is reported in *fehler and returns false;
// renames already done are taken back, and the list in memory is left as
// it was. Files are written whole (Windows-1252, CR LF); a write failure
// names the file and its cause (a full disk as such).

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

// Places a new entry behind the selected one (appended when the list is
// empty, nothing or the last entry is selected) with `zeilen` as its file:
// the file is written first, then the entry files behind it move up by one,
// then the list is saved. On any failure the folder is left as it was (files
// moved back, the new file removed) and the list in memory too. The new
// entry's index, or -1 (full list, failed write or rename).
int SpieleintragEinfuegen(const QString& ordner, QStringList& liste, int auswahl, const QString& name,
                          const QStringList& zeilen, QString* fehler);
// Entry k's file takes `zeilen` and the list is saved: the file is written
// to a temporary name first, replaces the old one only after the list is
// saved. A failure leaves the old file.
bool SpieleintragSchreiben(const QString& ordner, int k, const QStringList& liste, const QStringList& zeilen,
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
// A "Spielbak<i>.dat" found beforehand (left by a sort that broke off, maybe
// the only copy of a match) is kept under a free name; *hinweis then tells
// where for the operator, else it is emptied.
bool SpielelisteSortieren(const QString& ordner, QStringList& liste, QString* fehler, QString* hinweis = nullptr);

