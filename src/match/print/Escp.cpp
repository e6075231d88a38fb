#include "match/print/Escp.h"

#include "core/TextFunctions.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace Escp;

namespace {

bool istNeunNadel(const TZentralDrucker& d)
{
    return d.Emulation == 1;
}

// v in 1/180 inch, the sign giving the direction.
void vorschub(QByteArray& ziel, long long v, const TZentralDrucker& d)
{
    const char befehl = v < 0 ? 'j' : 'J';
    long long n = std::llabs(v);
    if (istNeunNadel(d)) n = n * 216 / 180;
    while (n > 0) {
        const long long schritt = std::min<long long>(n, GroessterSchritt);
        ziel.append(Esc).append(befehl).append(char(schritt));
        n -= schritt;
    }
}

struct Kegel {
    int bit;     // in the mask
    int gruppe;  // 0..4, six columns each, an empty column between groups
    int zeile;   // row bit of the column byte
};

// Pin 1 at the front, pin 9 at the back.
constexpr std::array<Kegel, 9> Kegelraute{{
    {0, 2, 0}, {1, 1, 1}, {2, 3, 1}, {3, 0, 3}, {4, 2, 3},
    {5, 4, 3}, {6, 1, 5}, {7, 3, 5}, {8, 2, 6},
}};

}  // namespace

void DruckerInitialisieren(QByteArray& ziel, const TZentralDrucker& drucker)
{
    ziel.append(Esc).append('@').append(Esc).append('M').append(Esc).append('R').append(char(2));
    SeitenlaengeSetzen(ziel, drucker);
    ziel.append(Cr);
}

void SeitenlaengeSetzen(QByteArray& ziel, const TZentralDrucker& drucker)
{
    if (drucker.PageLength <= 0) return;
    if (istNeunNadel(drucker)) {
        const int zoll = std::min(drucker.PageLength / 360, 255);
        ziel.append(Esc).append('C').append(char(0)).append(char(zoll));
    } else {
        const int n = std::min(drucker.PageLength, 0xFFFF);
        ziel.append(Esc).append('(').append('C').append(char(2)).append(char(0));
        ziel.append(char(n & 0xFF)).append(char(n >> 8));
    }
}

void BlattanfangVorschub(QByteArray& ziel, const TZentralDrucker& drucker)
{
    vorschub(ziel, drucker.StartFeed, drucker);
}

void BlattendeVorschub(QByteArray& ziel, const TZentralDrucker& drucker)
{
    vorschub(ziel, drucker.EndFeed, drucker);
    if (drucker.FormFeed) ziel.append(Ff);
}

void VorschubVor(QByteArray& ziel, int n, const TZentralDrucker& drucker)
{
    vorschub(ziel, n, drucker);
}

void VorschubZurueck(QByteArray& ziel, int n, const TZentralDrucker& drucker)
{
    vorschub(ziel, -static_cast<long long>(n), drucker);
}

void KegelbildDrucken(QByteArray& ziel, std::uint16_t maske)
{
    std::array<std::uint8_t, KegelbildSpalten> spalten{};
    for (const Kegel& k : Kegelraute) {
        const int erste = k.gruppe * 7;
        if (maske & (1u << k.bit)) {
            for (int s = erste; s < erste + 6; ++s) spalten[std::size_t(s)] |= std::uint8_t(1u << k.zeile);
        } else {
            for (int s = erste + 2; s < erste + 4; ++s) spalten[std::size_t(s)] |= std::uint8_t(3u << k.zeile);
        }
    }
    ziel.append(Esc).append('L').append(char(KegelbildSpalten)).append(char(0));
    for (std::uint8_t b : spalten) ziel.append(char(b));
}

char SonderzeichenWandeln(char c)
{
    return UmlautDruckerzeichen(c);
}

void DruckerTextAnhaengen(QByteArray& ziel, QByteArrayView text)
{
    ziel.reserve(ziel.size() + text.size());
    for (char c : text) ziel.append(SonderzeichenWandeln(c));
}

QByteArray DruckbarerText(QByteArrayView text)
{
    QByteArray t = text.toByteArray();
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return t;
}
