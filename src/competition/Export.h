#pragma once
// The current match as text tables for spreadsheets: the whole match, plain
// or with set and match points, and the throw list. The fields of a line are
// joined by a separator of two characters (Trennzeichen); the files are
// Windows-1252 with CR LF, written whole under a temporary name first.

#include "core/Records.h"

#include <QString>
#include <QStringList>

// The choices of the export dialog, in the order of its list.
enum class Exportart { Spiel = 0, Wurfliste = 1, Bild = 2 };

// The separator of the list entry: 0 "; ", 1 ", ", 2 a tab and a blank.
QString ExportTrennzeichen(int auswahl);
// "Spiel<n>.csv", "Wurfliste<n>.csv" or "Spielbericht<n>.bmp" for slot n.
QString ExportDateiname(Exportart art, int nr);
// The setting ExportDir; while it is empty, the data folder.
QString ExportOrdner();

// The lines of the three tables with separator s.
QStringList SpielTabelle(const TWettkampfDaten& w, const QString& s);
// Starters 1-6 and 9-14, each with his substitutes' names and pins.
QStringList SpielSatzTabelle(const TWettkampfDaten& w, const QString& s);
QStringList WurflisteTabelle(const TWettkampfDaten& w, const QString& s);

// Each writes its table with Trennzeichen to `datei`, replacing the file.
// False when it could not be written: an existing file stays as it was, and
// *fehler says why for the operator.
bool SpielExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler);
bool SpielSatzExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler);
bool WurflisteExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler);
// The whole match takes the points layout when the match is a game with
// points (Punktespiel). The picture is written by FormularBildSpeichern
// (report/Formular.h), not here (false).
bool SpieldatenExportieren(const TWettkampfDaten& w, Exportart art, const QString& datei, QString* fehler);
