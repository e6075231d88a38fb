#include "core/Password.h"

#include "core/Cp1252.h"

namespace {

// Fixed for good: changing it makes every stored password unreadable.
constexpr unsigned char kSchluessel[] = {0x4B, 0x65, 0x67, 0x65, 0x6C, 0x62, 0x61, 0x68, 0x6E};

unsigned char Maske(qsizetype i, unsigned char vorher)
{
    return static_cast<unsigned char>(kSchluessel[i % sizeof kSchluessel] ^ (0xA7 + 31 * i) ^ vorher);
}

}  // namespace

QString PasswortKodieren(const QString& klartext)
{
    const QByteArray bytes = Cp1252::encode(klartext);
    QByteArray aus(bytes.size(), Qt::Uninitialized);
    unsigned char vorher = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        vorher = static_cast<unsigned char>(bytes.at(i)) ^ Maske(i, vorher);
        aus[i] = char(vorher);
    }
    return QString::fromLatin1(aus.toHex().toUpper());
}

QString PasswortDekodieren(const QString& gespeichert)
{
    const QString t = gespeichert.trimmed();
    if (t.size() % 2 != 0) return {};
    for (QChar c : t)
        if (!c.isDigit() && !(c >= QLatin1Char('A') && c <= QLatin1Char('F'))) return {};
    const QByteArray bytes = QByteArray::fromHex(t.toLatin1());
    QByteArray klar(bytes.size(), Qt::Uninitialized);
    unsigned char vorher = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes.at(i));
        klar[i] = char(c ^ Maske(i, vorher));
        vorher = c;
    }
    return Cp1252::decode(klar);
}
