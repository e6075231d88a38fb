#pragma once
// The player database as a table: one row a player, twelve text columns
// (Windows-1252), a cell holding a text or nothing (null, apart from the
// empty text). The one table of the program is Spielerdatenbank(); the
// match set-up window shows it and fills line-ups from it, the CSV import
// appends to it.

#include <QByteArray>
#include <QByteArrayView>
#include <array>
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

using SpielerZelle = std::optional<QByteArray>;
using SpielerZeile = std::array<SpielerZelle, SpielerSpalten>;

class Spielertabelle {
public:
    int zeilen() const { return int(m_zeilen.size()); }
    // Row r (0-based); r must be a row of the table.
    const SpielerZeile& zeile(int r) const { return m_zeilen.at(std::size_t(r)); }
    void setZeile(int r, const SpielerZeile& z);
    // An empty row at r (0 <= r <= zeilen()); its index.
    int zeileEinfuegen(int r);
    int zeileAnfuegen(const SpielerZeile& z);
    void zeileLoeschen(int r);
    void leeren() { m_zeilen.clear(); }

private:
    std::vector<SpielerZeile> m_zeilen;
};

// The program's player database.
Spielertabelle& Spielerdatenbank();
