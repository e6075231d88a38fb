#pragma once
// The player database as a table: one row a player, twelve text columns
// (Windows-1252), a cell holding a text or nothing (null, apart from the
// empty text). The one table of the program is Spielerdatenbank(); the
// match set-up window shows it and fills line-ups from it, the CSV import
// appends to it.
//
// Beside the table: the copies between a row and a player record, the sort
// by one column, finding a row, taking the players of a match over
// ("Update") and the text export.

#include "core/Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

constexpr int SpielerSpalten = 12;

struct SpielerSpalte {
    const char* kopf;  // heading
    int laenge;        // most characters
};
// Club, Name, Passnummer, Geburtsdatum, Gruppe, Nation, Plz, Ort, Adresse,
// Tel, Fax, email.
extern const std::array<SpielerSpalte, SpielerSpalten> SpielerSpaltenListe;
// The columns that the line-ups and "Update" use.
constexpr int SpalteClub = 0;
constexpr int SpalteName = 1;
constexpr int SpaltePass = 2;

using SpielerZelle = std::optional<QByteArray>;
using SpielerZeile = std::array<SpielerZelle, SpielerSpalten>;

// A cell without a value or with the empty text.
inline bool ZelleLeer(const SpielerZelle& z) { return !z || z->isEmpty(); }

class Spielertabelle {
public:
    // What a change did: rows came, went or moved; or only cells changed.
    enum class Aenderung { Zeilen, Inhalt };
    using Melder = std::function<void(Aenderung)>;

    int zeilen() const { return int(m_zeilen.size()); }
    // Row r (0-based); r must be a row of the table.
    const SpielerZeile& zeile(int r) const { return m_zeilen.at(std::size_t(r)); }
    // The cell, or null outside the table.
    const SpielerZelle& zelle(int r, int spalte) const;
    void setZeile(int r, const SpielerZeile& z);
    void setZelle(int r, int spalte, const SpielerZelle& z);
    // An empty row at r (0 <= r <= zeilen()); its index.
    int zeileEinfuegen(int r);
    int zeileAnfuegen(const SpielerZeile& z);
    void zeileLoeschen(int r);
    // The rows named (any order, repeats and rows outside ignored).
    void zeilenLoeschen(QList<int> rs);
    void leeren();
    // Puts the rows in the order given: new row p is old row ordnung[p]
    // (a permutation of 0..zeilen()-1; anything else is ignored).
    void umordnen(const std::vector<int>& ordnung);
    // The whole table at once (loading).
    void setZeilen(std::vector<SpielerZeile> zeilen);

    // Called after every change, unless a Stille of this table is alive (the
    // caller then reports the change itself).
    void setMelder(Melder m) { m_melder = std::move(m); }
    // Reports a change of how cells show (the found mark) without a change of rows.
    void inhaltMelden() { melden(Aenderung::Inhalt); }
    class Stille {
    public:
        explicit Stille(Spielertabelle& t) : m_t(t) { ++m_t.m_still; }
        ~Stille() { --m_t.m_still; }
        Stille(const Stille&) = delete;
        Stille& operator=(const Stille&) = delete;

    private:
        Spielertabelle& m_t;
    };

private:
    void melden(Aenderung a);

    std::vector<SpielerZeile> m_zeilen;
    Melder m_melder;
    int m_still = 0;
};

// The program's player database.
Spielertabelle& Spielerdatenbank();

// The state of the player database beside its rows; the names below refer
// into it.
struct SpielerdatenbankZustand {
    // Column of the last heading click, grid click or find; -1 none.
    int SuchSpalte = -1;
    // The cell marked as found (shown blue); -1 none.
    int SuchTrefferSpalte = -1;
    int SuchTrefferZeile = -1;
    // The database row being dragged onto a line-up; -1 none.
    int DragZeile = -1;

    void zuruecksetzen() { *this = SpielerdatenbankZustand{}; }
};
extern SpielerdatenbankZustand spielerdatenbankZustand;

extern int& SuchSpalte;
extern int& DragZeile;

// --- Rows and player records ------------------------------------------------------------

// Clears the record (SpielerLoeschen, which keeps the group) and copies every
// non-empty cell of row r into its field, cut to the field's width. Nothing
// but the clearing for a row outside the table.
void StarterZeileLesen(TSpielerEintrag& s, const Spielertabelle& t, int r);
void StarterZeileLesen(TSpielerEintrag& s, int r);
// Writes every field into its cell of row r; an empty field makes the cell
// null.
void StarterZeileSchreiben(const TSpielerEintrag& s, Spielertabelle& t, int r);
void StarterZeileSchreiben(const TSpielerEintrag& s, int r);

// --- Sort and find ----------------------------------------------------------------------

// The order of the rows sorted by the column (quicksort with the middle row
// as pivot, as the grid always sorted): new row p is old row [p]. Cells
// compare by their bytes, upper case before lower case, umlauts after z; an
// empty cell counts as the empty text and comes first.
std::vector<int> SortierOrdnung(const Spielertabelle& t, int spalte);
// Sorts the table by the column; a column outside the table changes nothing.
void StarterSortieren(Spielertabelle& t, int spalte);
// The database, keeping the found mark on its row.
void StarterSortieren(int spalte);

// The first row whose cell equals the text (an empty cell compared as one
// blank), else -1.
int StarterSuchen(const Spielertabelle& t, int spalte, QByteArrayView text);
int StarterSuchen(int spalte, QByteArrayView text);

// The search dialog's find: the first row from `ab` on whose cell contains
// the text (teil) or equals it; empty cells are skipped. -1 when none, when
// the text is empty or the column is outside the table.
int ZelleSuchen(const Spielertabelle& t, int spalte, QByteArrayView text, bool teil, int ab);

// --- Update -----------------------------------------------------------------------------

// "Update": the players of slots 1..16 of the match with a name and a pass
// number whose pass number is not yet in the pass column are appended in
// slot order (of two slots with one pass number only the first). Marks the
// database changed when a row was appended; the number of rows appended.
int SpielerUebernehmen(Spielertabelle& t, const TWettkampfDaten& w);

// --- Export -----------------------------------------------------------------------------

// The export text: the twelve headings joined by the separator, then a line
// a row, the cells joined by it (an empty cell gives nothing between two
// separators); lines end with CR LF.
QByteArray SpielerdatenbankText(const Spielertabelle& t, QByteArrayView trenn);
// Writes the database with Trennzeichen (Globals; "; " while it is empty)
// to the file, replacing it whole or not at all. Empty when written, else
// why not (German).
QString SpielerdatenbankExportieren(const QString& datei);

// The export dialog's file types: 1 "; ", 2 ", " (both .csv), 3 a tab and a
// blank (.txt). A name chosen without an extension gets the type's extension
// and the type's separator; a name typed with one keeps the separator used
// last (no separator here).
struct ExportZiel {
    QString datei;
    std::optional<QString> trennzeichen;
};
ExportZiel ExportZielBestimmen(const QString& datei, int dateityp);

// --- The printed player list ------------------------------------------------------------

// One field of the printed list: "Spieler.Club" ... "Spieler.Email".
struct Listenfeld {
    QString name;
    QString wert;
    bool operator==(const Listenfeld&) const = default;
};
// The twelve fields of row r in column order, an empty cell as one blank;
// with r < 0 (the designer) sample values.
QList<Listenfeld> SpielerlisteFelder(const Spielertabelle& t, int r);

// The print's walk through the rows: the row whose fields come next.
struct Listendruck {
    int DruckZeile = 0;
    // The fields of the next row, its percent of the rows, and whether it
    // is the last (an empty table ends at once with blank fields).
    QList<Listenfeld> naechste(const Spielertabelle& t, int* prozent, bool* letzte);
};
