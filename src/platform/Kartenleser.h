#pragma once
// The chip-card reader as the card functions use it: is a card inserted,
// move a range of the card's 16-bit units to or from the card image, the
// reader's light. Back-ends: a PC/SC reader (pcsc-lite, memory cards), a
// simulated card kept in a file (for trying without a reader and for the
// tests), and none.

#include <QString>
#include <cstdint>
#include <memory>

class Kartenleser {
public:
    virtual ~Kartenleser() = default;
    // A card is inserted.
    virtual bool karteVorhanden() = 0;
    // Units adresse..adresse + laenge - 1 of the card to (modus 0, read) or
    // from (modus 16, write) the same positions of `bild` (8,192 units);
    // `kartentyp` is the card type character of the probe ('4' or '0').
    // False when the transfer failed; a range beyond the card fails.
    virtual bool uebertragen(char kartentyp, int modus, std::uint16_t adresse, std::uint16_t laenge,
                             std::uint16_t* bild) = 0;
    // The reader's light: 2 a card operation begins, 1 writing, 0 done.
    virtual void licht(int /*code*/) {}
    // For the status texts: "PC/SC: <reader>", "Datei: <path>".
    virtual QString name() const = 0;
};

// Units of a card image.
inline constexpr int KartenEinheiten = 8192;
// The modes of a transfer.
inline constexpr int KartenModusLesen = 0;
inline constexpr int KartenModusSchreiben = 16;

// Units adresse..adresse + laenge - 1 lie on the card.
constexpr bool KartenbereichGueltig(int adresse, int laenge)
{
    return adresse >= 0 && laenge >= 0 && adresse + laenge <= KartenEinheiten;
}

// The reader the settings name: `typ` 1..4 (the setting Chipkarte; 0 and
// anything else: none), `port` (ChipkartePort: the n-th reader pcscd knows,
// from 1), `schnittstelle` (ChipkarteSchnittstelle: empty or "pcsc" for
// PC/SC, "datei:<path>" for a simulated card in that file). Null with the
// German reason when none opened. Never waits on the reader or the card.
std::unique_ptr<Kartenleser> KartenleserErzeugen(int typ, int port, const QString& schnittstelle, QString* fehler);

// A card kept in a file: 8,192 units, little-endian (16,384 bytes); the
// card is inserted while the file exists with that size (a missing file is
// a card taken out, a file of another size is no card). Writing creates a
// missing file (other units 0) and rewrites the file whole; the light does
// nothing.
std::unique_ptr<Kartenleser> DateiKartenleser(const QString& pfad);
