#pragma once
// The CSV import: a delimited text file read into a preview table (no
// quoting; blanks around a field are dropped, so the program's own exports
// with "; " come back as they were; as many columns as the longest line has
// fields), and the three targets it is copied into: the line-up of a new
// match, one side of the current match, the player database. Cells are
// Windows-1252; a cell either holds a text (the empty text included) or no
// value (a line shorter than the longest).

#include "core/Records.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Spielertabelle;

// The meanings a preview column can be given, in the order of the list.
enum class Spaltenbedeutung {
    Club,
    Vorname,
    Name,
    Passnummer,
    Geburtsdatum,
    Gruppe,
    Mannschaft,
    Nation,
    Verein,
    Verband,
    Startfolge,
    Plz,
    Ort,
    Adresse,
    Tel,
    Fax,
    Email,
    Volle,
    Abraeumen,
    Fehler,
    Undefiniert,
};
constexpr int SpaltenbedeutungAnzahl = 21;

// "Club", "Vorname", ..., "Abräumen", "Fehler", "undefiniert".
QString BedeutungText(Spaltenbedeutung b);
std::optional<Spaltenbedeutung> BedeutungAusText(const QString& text);
// The database column the meaning fills; -1 for the meanings not copied.
int BedeutungDatenbankspalte(Spaltenbedeutung b);

using ImportZelle = std::optional<QByteArray>;

// The lines of a file that lost characters on their way into Windows-1252,
// as the file holds them, by line index.
using Importurtexte = std::map<qsizetype, QString>;

// The preview keeps the file's lines as they were read and cuts a cell out of
// its line when it is asked for; only rows inserted or edited hold cells of
// their own. A large file thus costs little more than its lines.
class Importtabelle {
public:
    int spalten() const { return int(m_kopf.size()); }
    int zeilen() const { return int(m_reihen.size()); }
    // No value outside the table.
    ImportZelle zelle(int spalte, int zeile) const;
    void setZelle(int spalte, int zeile, ImportZelle wert);
    // A cell typed in: its text in Windows-1252, the text as typed kept when
    // it lost characters.
    void setZelleText(int spalte, int zeile, const QString& text);
    // What a cell stood for when Windows-1252 lacks some of its characters
    // ("Ömer Şahin" for the cell "Ömer ?ahin"); nullopt for every other cell.
    std::optional<QString> urtext(int spalte, int zeile) const;
    std::optional<Spaltenbedeutung> kopf(int spalte) const;
    void setKopf(int spalte, std::optional<Spaltenbedeutung> b);
    // An empty row at r (bounded to 0..zeilen()); its index.
    int zeileEinfuegen(int r);
    void zeileLoeschen(int r);

    // The cells held apart from the lines: those of the rows inserted or edited.
    qsizetype gehalteneZellen() const { return m_gehalten; }

private:
    friend Importtabelle ImportdateiLaden(const std::vector<QByteArray>& zeilen, char trennzeichen,
                                          const Importurtexte& urtexte);

    // The row's own cells, made from its line when it has none yet.
    std::vector<ImportZelle>& eigeneZellen(int zeile);
    std::vector<QString>& eigeneUrtexte(int zeile);

    std::vector<std::optional<Spaltenbedeutung>> m_kopf;
    std::shared_ptr<const std::vector<QByteArray>> m_zeilen;
    std::shared_ptr<const Importurtexte> m_urtexte;
    char m_trenn = ';';
    // A row is line k of the file (k >= 0) or the own cells -(k+1).
    std::vector<qint32> m_reihen;
    std::vector<std::vector<ImportZelle>> m_eigene;
    // Beside each row's own cells: the text a cell lost characters of, else empty.
    std::vector<std::vector<QString>> m_eigeneUrtexte;
    qsizetype m_gehalten = 0;
};

// Most columns of the preview; fields behind them are dropped.
constexpr int MaxImportSpalten = 256;
// Larger files are refused.
constexpr qint64 MaxImportBytes = 64 * 1024 * 1024;

// The file's lines in Windows-1252, split at CR LF, LF or CR. A file with a
// UTF-8 or UTF-16 byte-order mark, or one that is valid UTF-8 with other than
// ASCII characters, is converted (characters Windows-1252 lacks become '?';
// the lines that lost some go into `urtexte` as the file holds them).
// Nullopt with the German message when the file cannot be read, is too large
// or holds binary data.
std::optional<std::vector<QByteArray>> ImportdateiLesen(const QString& pfad, QString* fehler,
                                                        Importurtexte* urtexte = nullptr);

// The separator of CTrennzeichen's entry: ';', ',' or the tab.
char ImportTrennzeichen(int index);

// The preview of the lines: one row a line, a column for each field of the
// longest line; a shorter line leaves its last cells without value. Blanks
// and tabs around a field are dropped. `urtexte` as ImportdateiLesen gave them.
Importtabelle ImportdateiLaden(const std::vector<QByteArray>& zeilen, char trennzeichen,
                               const Importurtexte& urtexte = {});

// Rows first..last (0-based, inclusive); empty when last < first.
struct Zeilenbereich {
    int erste = 0;
    int letzte = -1;
    bool leer() const { return letzte < erste; }
};
// From the texts of "ab Zeile" and "bis" (1-based; digits only count, an
// empty text is 0), bounded to the table's rows.
Zeilenbereich ImportZeilenbereich(const QString& von, const QString& bis, int zeilen);

// A new match with the line-up of the rows: keys "Heimmannschaft",
// "Gastmannschaft", "Spieler1" .. "Spieler16" in column 0. False with the
// message when six matches are open.
bool SpielaufstellungImportieren(const Importtabelle& t, Zeilenbereich b, QString* fehler);

// One side of the match: keys "Mannschaft" and "Spieler1" .. "Spieler8". A
// player who has started keeps his line; his slots come back, and whether
// anything was written.
struct Seitenimport {
    bool geschrieben = false;
    std::vector<int> gesperrt;  // slots 1..16 left as they were
};
Seitenimport MannschaftImportieren(const Importtabelle& t, Zeilenbereich b, bool heim, TWettkampfDaten& w);
// The operator's notice about the slots left unchanged; empty when none.
QString GesperrteSpielerText(const std::vector<int>& plaetze);

// Where the rows are to go.
enum class Importziel { Spielaufstellung, Heim, Gast, Spielerdatenbank };

// A text that changes on its way into the match or the database: as the
// file or the preview holds it, and as it will be kept.
struct Importaenderung {
    QString vorher, nachher;
    bool operator==(const Importaenderung&) const = default;
};
// The texts the import of the rows into `ziel` writes that change so, each
// once; a side's started players (of `w`) are left out, as the import leaves
// them.
std::vector<Importaenderung> ImportAenderungen(const Importtabelle& t, Zeilenbereich b, Importziel ziel,
                                               const TWettkampfDaten* w);
// The operator's question before such an import; empty when nothing changes.
QString ImportAenderungenFrage(const std::vector<Importaenderung>& aenderungen);

// Why the preview cannot go into the database (German): no column has a
// meaning the database takes. Empty when it can.
QString SpielerdatenbankImportFehler(const Importtabelle& t);
// Appends one database row per import row (after emptying the table unless
// `hinzufuegen`), the columns by their meanings; the name is "first last"
// whichever column stands left; an empty field leaves its cell without
// value, as the database's own rows keep it. An empty row range, or a table
// that SpielerdatenbankImportFehler refuses, changes nothing. Sets
// DatenbankGeaendert when the table changed; the rows appended.
int SpielerdatenbankImportieren(const Importtabelle& t, Zeilenbereich b, bool hinzufuegen, Spielertabelle& ziel);
