#pragma once
// Windows-1252, the single-byte code of every text in records, files, CAN
// frames and printer streams. Converted to QString only at the edge of a window.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Cp1252 {

// Byte-transparent: the bytes without a character in Windows-1252 (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become U+0081 ... U+009D and encode back to
// themselves.
QChar toUnicode(unsigned char byte);
QString decode(const char* data, qsizetype length);
QString decode(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold become '?'.
char fromUnicode(QChar c);
// Whether Windows-1252 holds the character.
bool holds(QChar c);
// The characters of the text that Windows-1252 cannot hold, in order, each
// whole (both halves of a character outside the BMP).
QStringList fremdeZeichen(QStringView text);
QByteArray encode(const QString& text);

}  // namespace Cp1252
