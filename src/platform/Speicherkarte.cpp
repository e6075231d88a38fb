#include "platform/Speicherkarte.h"

#include "platform/Kartenleser.h"

#include <algorithm>

namespace {
QByteArray kopf(std::uint8_t ins, std::uint16_t byteAdresse, std::uint8_t laenge)
{
    QByteArray b;
    b.append(char(0xFF));
    b.append(char(ins));
    b.append(char(byteAdresse >> 8));
    b.append(char(byteAdresse & 0xFF));
    b.append(char(laenge));
    return b;
}

bool erfolg(const QByteArray& antwort)
{
    const int n = antwort.size();
    return n >= 2 && std::uint8_t(antwort[n - 2]) == 0x90 && std::uint8_t(antwort[n - 1]) == 0x00;
}
}  // namespace

QByteArray LesebefehlBinaer(std::uint16_t byteAdresse, std::uint8_t anzahl) { return kopf(0xB0, byteAdresse, anzahl); }

QByteArray SchreibbefehlBinaer(std::uint16_t byteAdresse, const QByteArray& daten)
{
    return kopf(0xD6, byteAdresse, std::uint8_t(daten.size())) + daten;
}

bool SpeicherkarteUebertragen(const Kartensender& senden, int modus, std::uint16_t adresse, std::uint16_t laenge,
                              std::uint16_t* bild)
{
    if (!bild || !KartenbereichGueltig(adresse, laenge)) return false;
    if (modus != KartenModusLesen && modus != KartenModusSchreiben) return false;
    constexpr int blockEinheiten = SpeicherkarteBlockBytes / 2;
    for (int einheit = adresse; einheit < adresse + laenge; einheit += blockEinheiten) {
        const int n = std::min(blockEinheiten, adresse + laenge - einheit);
        const auto byteAdresse = std::uint16_t(2 * einheit);
        if (modus == KartenModusLesen) {
            const auto antwort = senden(LesebefehlBinaer(byteAdresse, std::uint8_t(2 * n)));
            if (!antwort || antwort->size() != 2 * n + 2 || !erfolg(*antwort)) return false;
            for (int i = 0; i < n; ++i)
                bild[einheit + i] = std::uint16_t(std::uint8_t((*antwort)[2 * i])
                                                  | std::uint8_t((*antwort)[2 * i + 1]) << 8);
        } else {
            QByteArray daten;
            for (int i = 0; i < n; ++i) {
                daten.append(char(bild[einheit + i] & 0xFF));
                daten.append(char(bild[einheit + i] >> 8));
            }
            const auto antwort = senden(SchreibbefehlBinaer(byteAdresse, daten));
            if (!antwort || antwort->size() != 2 || !erfolg(*antwort)) return false;
        }
    }
    return true;
}

QList<QByteArray> Lesernamen(const QByteArray& liste)
{
    QList<QByteArray> namen;
    for (const QByteArray& teil : liste.split('\0'))
        if (!teil.isEmpty()) namen.append(teil);
    return namen;
}
