#include "competition/Spielertabelle.h"

#include <algorithm>

const std::array<SpielerSpalte, SpielerSpalten> SpielerSpaltenListe = {{
    {"Club", 30},
    {"Name", 30},
    {"Passnummer", 6},
    {"Geburtsdatum", 8},
    {"Gruppe", 30},
    {"Nation", 15},
    {"Plz", 8},
    {"Ort", 30},
    {"Adresse", 30},
    {"Tel", 15},
    {"Fax", 15},
    {"email", 30},
}};

void Spielertabelle::setZeile(int r, const SpielerZeile& z)
{
    if (r < 0 || r >= zeilen()) return;
    m_zeilen[std::size_t(r)] = z;
}

int Spielertabelle::zeileEinfuegen(int r)
{
    r = std::clamp(r, 0, zeilen());
    m_zeilen.insert(m_zeilen.begin() + r, SpielerZeile{});
    return r;
}

int Spielertabelle::zeileAnfuegen(const SpielerZeile& z)
{
    m_zeilen.push_back(z);
    return zeilen() - 1;
}

void Spielertabelle::zeileLoeschen(int r)
{
    if (r < 0 || r >= zeilen()) return;
    m_zeilen.erase(m_zeilen.begin() + r);
}

Spielertabelle& Spielerdatenbank()
{
    static Spielertabelle tabelle;
    return tabelle;
}
