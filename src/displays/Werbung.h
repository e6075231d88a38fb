#pragma once
// The advert configurations of the display kinds ("Grossanz", "Namenanz",
// "Monitoranz", "Terminalanz") in the data folder: the names in
// "<Prefix>.inf", configuration n in "<Prefix><n>.dat" (one entry a line),
// and the choice tree "Auswahl_<Prefix>.dat". Windows-1252, CR LF, ";".

#include "core/Records.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// Event bits of an entry: those of the match's phase word.
constexpr u16 WerbungVorSpielbeginn = 1, WerbungProbe = 4, WerbungSpiel = 8, WerbungBahnwechsel = 16,
              WerbungSpielerwechsel = 32, WerbungSpielende = 64;

// Caption of an entry whose file is missing.
inline constexpr char DateiNichtVorhanden[] = "Datei nicht vorhanden";

struct TWerbeeintrag {
    QString Datei;
    u16 Maske = 0;
    i32 Werbezeit = 0;     // seconds, 0 = the display kind's default
    i32 Werbeabstand = 0;  // seconds, 0 = the display kind's default
    bool operator==(const TWerbeeintrag&) const = default;
};

// One entry of a configuration: caption and record; no record when its file
// is missing ("Datei nicht vorhanden").
struct Werbezeile {
    QString Bezeichnung;
    std::optional<TWerbeeintrag> eintrag;
};

// A node of the choice tree: a folder (no record) or a file.
struct Auswahlknoten {
    QString Text;
    bool ordner = false;
    std::optional<TWerbeeintrag> eintrag;
    std::vector<Auswahlknoten> kinder;
};

// The local path of an advert file as a configuration names it. Files taken
// over from Windows installations name "C:\Werbung\Bild.jpg": when the name
// as written does not exist, it is tried with "/" for "\" and without the
// drive. Unchanged when neither exists.
QString WerbedateiPfad(const QString& datei);
bool WerbedateiVorhanden(const QString& datei);

// A number field of the files: decimal digits, anything else (a sign, a
// letter, a value beyond 32 bits) counts 0.
i32 Werbezahl(const QString& feld);

// "<Prefix>.inf": the configuration names; empty when the file is missing.
QStringList WerbekonfigurationenLesen(const QString& prefix);
bool WerbekonfigurationenSchreiben(const QString& prefix, const QStringList& namen, QString* fehler);

// Path of "<Prefix><n>.dat" in the data folder (the existing file when its
// name differs only in case).
QString WerbekonfigurationDatei(const QString& prefix, int n);

// One line "<Bezeichnung>;<Datei>;<Maske>;<Werbezeit>;<Werbeabstand>", read
// leniently (a number that is no number or a missing number field counts 0);
// nothing for a line without a file field. The record is there also when
// its file is missing.
std::optional<std::pair<QString, TWerbeeintrag>> WerbezeileLesen(const QString& zeile);
QString WerbezeileText(const QString& bezeichnung, const TWerbeeintrag& e);

// "<Prefix><n>.dat" for the editor: entries whose file is missing come
// without a record; saving drops them.
std::vector<Werbezeile> WerbekonfigurationLaden(const QString& prefix, int n);
bool WerbekonfigurationSpeichern(const QString& prefix, int n, const std::vector<Werbezeile>& zeilen,
                                 QString* fehler);

// A new configuration after `nach` (-1: none is current, at the front;
// appended when `nach` is the last or the list is empty): the files behind
// it renumbered upward; returns its number, -1 on failure (*fehler says why;
// nothing changed). A name already in the list is refused with "Der Eintrag
// ist bereits vorhanden !"; an empty name (touch input) never is.
// Deleting n removes its file, renumbers the later ones downward and writes
// "<Prefix>.inf" at once; on failure nothing changed.
int WerbekonfigurationEinfuegen(const QString& prefix, QStringList& namen, int nach, const QString& name,
                                QString* fehler);
bool WerbekonfigurationLoeschen(const QString& prefix, QStringList& namen, int n, QString* fehler);

// "Auswahl_<Prefix>.dat", depth first; file nodes whose file is missing are
// skipped when reading and dropped when writing. A line whose level is
// deeper than the line before becomes a child of that line's node, however
// many levels deeper it says.
std::vector<Auswahlknoten> AuswahlLaden(const QString& prefix);
bool AuswahlSpeichern(const QString& prefix, const std::vector<Auswahlknoten>& baum, QString* fehler);
