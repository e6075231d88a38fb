#pragma once
// What a new match takes by default, as the options page "Vorwahl " edits
// it: the throw presets (one line each of WurfvorwListe and "Wurfvorw.inf")
// and the report layouts (FormularNamen with FormularDateien).
//
// A preset line, fields separated by ';', no trailing separator:
//   name;Volle;Abräumen;minutes;set mode 1..5;practice minutes;practice throws;lane entry;...
// The practice fields are empty for 0, so that "3;;;Bahn 1 bis 4" follows
// the set mode when there is no extra practice.

#include <QString>
#include <QStringList>
#include <optional>

constexpr int MaxWurfvorwahlen = 20;
constexpr int MaxBahneintraege = 20;
constexpr int MaxGruppen = 20;
constexpr int MaxKlassen = 20;
constexpr int MaxWuerfeVorwahl = 50;  // Volle, Abräumen and both together
constexpr int SatzmodusFrei = 5;      // "frei definiert": an own start-order plan
// Report layouts: 0..19 the fixed ones, from 20 on report-engine projects,
// each with its project file at the same index of FormularDateien.
constexpr int FesteFormulare = 20;
constexpr int MaxFormulare = 40;

// The set modes, field 5 of a preset being the index + 1.
QStringList Satzmodi();

// A preset as the page holds it.
struct Wurfvorwahlfelder {
    QString name;
    int volle = 0;
    int abraeumen = 0;
    int zeit = 0;
    int satzmodus = 1;  // 1..5
    int probeZeit = 0;
    int probeWurf = 0;
    QStringList bahnen;
};

// Each of Volle and Abräumen at most 50; above 50 together, Abräumen gives
// way (30 and 40 become 30 and 20).
void WuerfeKappen(int& volle, int& abraeumen);

// The line of a preset (Volle and Abräumen as given: the caller caps them).
QString WurfvorwahlZeileBauen(const Wurfvorwahlfelder& f);

// What a preset line holds; a field that a short line lacks stays unset. The
// numbers are read by their digits (TextZuZahl), as the match reads them, so
// a field that is no number reads as 0. The lane entries are every non-empty
// field after the practice fields. Only the first 512 characters count.
struct Wurfvorwahlzeile {
    std::optional<int> volle, abraeumen, zeit, satzmodus, probeZeit, probeWurf;
    QStringList bahnen;
};
Wurfvorwahlzeile WurfvorwahlZeileLesen(const QString& zeile);

// The preset's name: the text before the first ';' (the whole line, up to
// 512 characters, when it has none).
QString WurfvorwahlName(const QString& zeile);

// The throws and minutes a section puts into the preset's fields; unset
// fields keep their value.
struct Sektionsvorgaben {
    std::optional<int> volle, abraeumen, zeit;
};
Sektionsvorgaben SektionVorgaben(const QString& sektion);

// --- Report layouts ----------------------------------------------------------------
// A new layout named `name` after the remembered one (19 or more): inserted
// at gemerkt + 1 into the names, with a blank project file " " at the same
// index. Its index; -1, with nothing changed, for a fixed layout remembered
// or at 40 layouts.
int FormularEinfuegen(QStringList& namen, QStringList& dateien, int gemerkt, const QString& name);
// Deletes a project layout (index 20 or more) with its project file; false
// for a fixed layout or an index out of range.
bool FormularLoeschen(QStringList& namen, QStringList& dateien, int index);
// Every layout, the fixed ones included, can be renamed.
bool FormularUmbenennen(QStringList& namen, int index, const QString& name);
// The project file of layout `index` (20 or more).
bool FormularDateiSetzen(QStringList& dateien, int index, const QString& datei);
