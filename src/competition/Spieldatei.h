#pragma once
// The saved match "Spiel<k>.dat": 980 lines, one value a line, Windows-1252
// with CR LF; written from the current match, read into a new one with or
// without its results.

#include "core/Records.h"

#include <QString>
#include <QStringList>

constexpr int SpieldateiZeilen = 980;
inline constexpr const char* SpieldateiKennung = "MWettk";

// The throw list of a lane block with `wuerfe` throws per lane (Volle +
// Abräumen of the match, at most 100 are written): present throws as
// "word.flags", absent ones as " . ", joined by ',' and closed by ';'.
QString WurflisteSchreiben(const TDurchgangBlock& b, int wuerfe);
// Fills Wurfbild and Wurfart of the block from such a line (at most 100
// throws); entries the line does not name become 0.
void WurflisteLesen(TDurchgangBlock& b, const QString& zeile);

// The 980 lines of the match. A loaded match that shows a stand-in for its
// file's preset (DateiWurfvorwahl) writes the file's preset number.
QStringList SpielZeilen(const TWettkampfDaten& w);

// Empty when the lines can be loaded (with or without the results);
// otherwise what is wrong, for the operator.
QString SpielZeilenPruefen(const QStringList& zeilen, bool mitErgebnissen);
// Lines 1 to 41 (the header) into the match. Checked lines only: a value that
// is no number reads as the field's default, as does an index or count out
// of range. A throw preset whose number names no preset here, or one with
// other throws per lane, gives way to the first preset with the match's
// throws (else the first); DateiWurfvorwahl then keeps the file's number.
void SpielKopfLesen(TWettkampfDaten& w, const QStringList& zeilen);
// The rest of the lines: with results everything, without them only the
// line-up and the texts of lines 83 to 93; then the derived numbers (totals,
// warnings, current round, lead, rounds of the preset) and with results the
// points.
void SpielRestLesen(TWettkampfDaten& w, const QStringList& zeilen, bool mitErgebnissen);

// Checks the lines and only then fills a new current match from them (the
// load after the file is read). False, with nothing taken, when a line does
// not load or no slot is free; *fehler says why. *hinweis receives what the
// operator is to know about a loaded match, else it is emptied: its throw
// preset's number names no preset here, or one with other throws per lane.
// Such a match keeps the file's throws, shows the first preset with them
// (else the first) and takes its rounds from the file's lane blocks.
bool SpielZeilenLaden(const QStringList& zeilen, bool mitErgebnissen, QString* fehler, QString* hinweis = nullptr);

// Saves `liste` as "Spiele.inf" and the current match as "Spiel<k>.dat" in
// `ordner` (SpieleintragSchreiben); only when both are written the match
// counts as saved and `ordner` becomes its folder and Spielordner. False with
// the message in *fehler; the old files stay whole and the match stays changed.
bool SpielSpeichern(const QString& ordner, int k, const QStringList& liste, QString* fehler);
// Saves the current match as a new entry `name` behind the entry `auswahl`
// (SpieleintragEinfuegen): its index, or -1 with the folder, `liste` and the
// match's changed mark as they were.
int SpielNeuSpeichern(const QString& ordner, QStringList& liste, int auswahl, const QString& name, QString* fehler);

// Asks whether the results are loaded and loads "Spiel<k>.dat" of `ordner`
// into a new current match; WettkampfGeladen tells the success, a notice of
// SpielZeilenLaden is shown. A file that cannot be loaded takes no slot and
// leaves the current match current; the message is in *fehler (empty when
// the load was not attempted for no entry).
bool SpielLaden(const QString& ordner, int k, QString* fehler);
