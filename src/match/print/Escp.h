#pragma once
// The ESC/P building blocks of the throw-sheet printers. Each appends its
// bytes to a caller's buffer (a printer queue) and sends nothing. Emulation 0
// is the 24-pin "Epson LQ", emulation 1 the 9-pin "Epson FX 850".
//
// Feed amounts are in 1/180 inch; the 9-pin emulation scales them by 216/180
// into its 1/216-inch steps. A feed is split into as many ESC J / ESC j
// commands as it needs (at most 255 steps each), so no byte above 255 and no
// wrapped negative amount ever reaches the printer.

#include "core/Settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace Escp {
constexpr char Esc = 27;
constexpr char Cr = 13;
constexpr char Ff = 12;
constexpr int GroessterSchritt = 255;  // the most one ESC J / ESC j carries
constexpr int KegelbildSpalten = 34;
}  // namespace Escp

// ESC @, ESC M (12 cpi), ESC R 2 (German characters), the page length when
// one is set, CR.
void DruckerInitialisieren(QByteArray& ziel, const TZentralDrucker& drucker);
// Emulation 0: ESC ( C 2 0 nL nH (1/360 inch); emulation 1: ESC C 0 m (whole
// inches). A page length of 0 or less appends nothing.
void SeitenlaengeSetzen(QByteArray& ziel, const TZentralDrucker& drucker);
// StartFeed; a negative setting feeds backwards.
void BlattanfangVorschub(QByteArray& ziel, const TZentralDrucker& drucker);
// EndFeed, then FF when FormFeed is set.
void BlattendeVorschub(QByteArray& ziel, const TZentralDrucker& drucker);
// n in 1/180 inch; a negative n feeds the other way.
void VorschubVor(QByteArray& ziel, int n, const TZentralDrucker& drucker);
void VorschubZurueck(QByteArray& ziel, int n, const TZentralDrucker& drucker);
// ESC L 34 0 and the 34 columns of the nine pins in their diamond: a bar for
// each set bit of maske (bit 0 = pin 1), a small block for each clear one.
void KegelbildDrucken(QByteArray& ziel, std::uint16_t maske);
// The printer code of a German special letter (Einst.DrAeGross..DrSs), every
// other Windows-1252 character unchanged.
char SonderzeichenWandeln(char c);
// Appends a Windows-1252 text with its special letters mapped.
void DruckerTextAnhaengen(QByteArray& ziel, QByteArrayView text);
// A text from outside the program (a name from a file, a chip card, the
// database) as it may enter a printer stream: each control character
// (0..31, 127) becomes a blank, so that the text cannot act as a printer
// command. Every other byte stays, to be mapped as the caller does.
QByteArray DruckbarerText(QByteArrayView text);
