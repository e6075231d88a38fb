#pragma once
// The settings file "Bravolin.inf" of the program folder, held in memory as
// its lines; "Position.inf" with the text positions of the free forms; the
// optional lists of the data folder; the folders derived from the program
// folder. Text files are Windows-1252, read with CR LF or LF, written with
// CR LF, and saved whole under a temporary name first.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QDateTime>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

// --- Text files ---------------------------------------------------------------
// The lines of a file; nullopt when it is missing or cannot be read.
std::optional<QStringList> TextdateiLesen(const QString& pfad);
// Writes the lines whole (temporary file, then rename); false on failure, the
// old file stays, and *fehler gets the message for the operator. nurEigentuemer:
// see TextdateiVorbereiten.
bool TextdateiSchreiben(const QString& pfad, const QStringList& zeilen, QString* fehler = nullptr,
                        bool nurEigentuemer = false);
// The steps of it for callers that commit later: opens f and writes the
// lines into it (Windows-1252, CR LF), every byte flushed to the temporary
// file; then commits. Each returns false with *grund the cause for the
// operator (a full disk named as such), and a failed preparation cancels f.
// A line with a character Windows-1252 lacks is never written with "?" in its
// place: it gives way to what the file held for it (for a "key = value" line
// the file's last line of that key, for another line the line at its place),
// or is left out where the file has none. Each file saved so is told to the
// operator, by entry and character.
// The file keeps the rights of the file it replaces; nurEigentuemer gives it
// read and write for its owner alone before a byte is written, where its file
// system keeps rights.
bool TextdateiVorbereiten(QSaveFile& f, const QStringList& zeilen, QString* grund, bool nurEigentuemer = false);
bool TextdateiAbschliessen(QSaveFile& f, QString* grund);
// Shows the operator in one box what the saves left out since it last told
// (on the UI thread, queued after the event that saved, so the files of one
// save share a box). A save on a worker, the exports that repeat with every
// throw, tells the same text once. Tests call it to see the box at once;
// ZeichenverlusteVergessen drops what was not yet told, and what was.
void ZeichenverlusteZeigen();
void ZeichenverlusteVergessen();
// The same for any bytes; TextdateiAbschliessen commits.
bool DateiVorbereiten(QSaveFile& f, const QByteArray& daten, QString* grund, bool nurEigentuemer = false);
// The file of that name in the folder; a name that differs only in case is
// found as well (files taken over from Windows installations).
QString DateiImOrdner(const QString& ordner, const QString& name);

// --- The key table -----------------------------------------------------------------
enum class Wertform {
    Text,
    Zahl,     // decimal or "$" hexadecimal, written decimal
    Hex2,     // read as Zahl, written "$" and 2 hex digits
    Hex4,     // read as Zahl, written "$" and 4 hex digits
    Ziffern,  // every character a digit, unchecked
    Bool,     // "True" / "False"
    DatumZeit,
    Verschluesselt,  // text stored scrambled
};

using Einstellungsziel = std::variant<QString*, bool*, u8*, u16*, i32*, u32*, QDateTime*>;

struct Einstellungsschluessel {
    QString sektion;  // header under which the writers put the key, such as "[Allgemein]"
    QString name;     // as written
    Wertform form;
    Einstellungsziel ziel;
    QString standard;  // default, in the key's value form
    qint64 min = 0;    // range of numbers used as counts or indices;
    qint64 max = -1;   // max < min: none, the low bits of the variable's width remain
    // A number out of the range takes the range's nearest end instead of
    // staying as it was (a time that must not be shorter or longer); the
    // default may lie outside, as "not set".
    bool naechster = false;
};

// Every key in reading order.
const std::vector<Einstellungsschluessel>& EinstellungsTabelle();
const Einstellungsschluessel* SchluesselSuchen(QStringView name);

// Every setting to its default.
void EinstellungenVorbelegen();
// The value of a setting as the file holds it.
QString EinstellungText(const Einstellungsschluessel& s);
// Stores a value text in the key's variable; false when it is no number or
// out of range: the variable stays as it was, or for a key with `naechster`
// takes the range's nearest end.
bool EinstellungSetzen(const Einstellungsschluessel& s, const QString& wert);

// Colours by name ("ColorHinweis"); 0 for an unknown name.
u32 Farbe(QStringView name);
void FarbeSetzen(QStringView name, u32 wert);
// Its default; 0 for an unknown name.
u32 FarbeStandard(QStringView name);

// --- Settings file -------------------------------------------------------------------
extern QStringList& InfListe;
extern QString& InfDatei;

// Splits 'Key = Value': the key ends at the first blank or '=', the value
// begins after the run of blanks and '=' that follows.
struct KeyWert {
    QString key;
    QString wert;
};
KeyWert SchluesselWert(const QString& zeile);

// Reads every known key of InfListe into its variable. A value that is no
// number or out of range leaves that key at its default (or the range's
// nearest end, see `naechster`); the returned messages name each such line
// and the value that holds.
QStringList EinstellungenLesen();

// Sets key = value in the list (does not save): changes the key's last line,
// wherever it stands, as that is the line the reader takes; a new key goes
// into its section.
void ListeSchreiben(QStringList& liste, const QString& sektion, const QString& key, const QString& wert);
void InfSchreiben(const QString& sektion, const QString& key, const QString& wert);
// Writes the setting's current value under its section.
void EinstellungSchreiben(const Einstellungsschluessel& s);
// Saves InfListe to InfDatei, readable and writable by its owner alone (it
// holds the passwords), also where it replaces a file others could read;
// false with the message for the operator in *fehler. A folder the file
// cannot hold that is the one derived from the program folder (see
// AbgeleiteterOrdner) is left out, without a word: the next start derives it.
bool InfDateiSchreiben(QString* fehler);
// The same; a failure is shown to the operator.
bool InfListeSpeichern();

// --- Position.inf ---------------------------------------------------------------------
struct TFeldPosition {
    u8 Gesetzt = 0;
    i32 A = 0;
    i32 B = 0;
    i32 C = 0;
};
extern CheckedArray<CheckedArray<TFeldPosition, 0, 19>, 1, 200>& FeldPositionen;
extern QStringList& PositionListe;

// One line 'Name(i.j) = a,b,c'; false for a line that is skipped.
bool PositionZeileLesen(const QString& zeile);
void PositionSchreiben(const QString& sektion, const QString& key, const QString& wert);
void PositionLoeschen(const QString& name);

// --- Folders and lists ---------------------------------------------------------------
extern QString& Startverzeichnis;
extern QString& Programmverzeichnis;
extern QString& BitmapVerzeichnis;
extern QString& Datenverzeichnis;
extern QString& Hilfeverzeichnis;
extern QString &BravolinWav, &ClickWav, &TastWav, &FrageWav, &ErrorWav;

extern QStringList &EmailAnListe, &GruppeListe, &KlasseListe, &FormularNamen, &FormularDateien;

// The settings file's state; the names above refer into it.
struct EinstellungsdateiZustand {
    QStringList InfListe;
    QString InfDatei;
    CheckedArray<CheckedArray<TFeldPosition, 0, 19>, 1, 200> FeldPositionen{};
    QStringList PositionListe;
    QString Startverzeichnis;
    QString Programmverzeichnis;
    QString BitmapVerzeichnis;
    QString Datenverzeichnis;
    QString Hilfeverzeichnis;
    QString BravolinWav, ClickWav, TastWav, FrageWav, ErrorWav;
    QStringList EmailAnListe, GruppeListe, KlasseListe, FormularNamen, FormularDateien;

    // Empties the lists and the positions; the folders, the file names and
    // the sounds are set once at the start and stay.
    void zuruecksetzen();
};
extern EinstellungsdateiZustand einstellungsdateiZustand;
// WurfvorwListe: Globals.h

// The folder a setting ("WettkDir", "SpielerDir") takes from the program
// folder while the settings file names none; empty for any other key.
QString AbgeleiteterOrdner(QStringView key);

// Sets the program folder and the folders and files derived from it.
void OrdnerSetzen(const QString& programmordner);

// The start sequence of the settings: folders, defaults, "Bravolin.inf",
// "Position.inf" and the lists. Returns the messages of lines that could not
// be read.
QStringList EinstellungenLaden(const QString& programmordner);
