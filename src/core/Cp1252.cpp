#include "core/Cp1252.h"

#include <array>

namespace Cp1252 {
namespace {

// 0x80..0x9F. The five bytes without a character keep their value as the
// C1 control of the same number, so that every byte survives decode and encode.
constexpr std::array<char16_t, 32> k80bis9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QChar toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return QChar(k80bis9F[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString decode(const char* data, qsizetype length)
{
    QString s(length, Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < length; ++i) out[i] = toUnicode(static_cast<unsigned char>(data[i]));
    return s;
}

QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

char fromUnicode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < k80bis9F.size(); ++i) {
        if (k80bis9F[i] == u) return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool holds(QChar c) { return c == u'?' || fromUnicode(c) != '?'; }

QStringList fremdeZeichen(QStringView text)
{
    QStringList zeichen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (holds(text[i])) continue;
        const bool paar = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        zeichen << text.mid(i, paar ? 2 : 1).toString();
        i += paar;
    }
    return zeichen;
}

QByteArray encode(const QString& text)
{
    QByteArray b;
    b.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the BMP is one character: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        b.append(fromUnicode(c));
    }
    return b;
}

}  // namespace Cp1252
