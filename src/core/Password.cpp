#include "core/Password.h"

#include "core/Cp1252.h"

namespace {

constexpr qsizetype MaxZeichen = 31;

QString Verschieben(const QString& text, int gerade, int ungerade)
{
    const QByteArray ein = Cp1252::encode(text).left(MaxZeichen);
    QByteArray aus;
    for (qsizetype i = 0; i < ein.size(); ++i) {
        const char c = char((static_cast<unsigned char>(ein.at(i)) + (i % 2 == 0 ? gerade : ungerade)) & 0xFF);
        if (c == 0) break;
        aus.append(c);
    }
    return Cp1252::decode(aus);
}

}  // namespace

QString PasswortKodieren(const QString& klartext) { return Verschieben(klartext, -3, 5); }

QString PasswortDekodieren(const QString& gespeichert) { return Verschieben(gespeichert, 3, -5); }
