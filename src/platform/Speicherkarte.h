#pragma once
// The commands of PC/SC readers for memory cards (the storage-card
// pseudo-APDUs): READ BINARY FF B0 P1 P2 Le, UPDATE BINARY FF D6 P1 P2 Lc
// data, with the byte address in P1 (high) and P2 (low) and the status
// words 90 00 for success. A card unit is 2 bytes at byte address
// 2 × unit, low byte first.

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <optional>

// At most this many bytes go in one command.
inline constexpr int SpeicherkarteBlockBytes = 250;

QByteArray LesebefehlBinaer(std::uint16_t byteAdresse, std::uint8_t anzahl);
QByteArray SchreibbefehlBinaer(std::uint16_t byteAdresse, const QByteArray& daten);

// Sends one command and gives the answer with its status words; nothing when
// the command did not reach the card.
using Kartensender = std::function<std::optional<QByteArray>(const QByteArray& befehl)>;

// Moves units adresse..adresse + laenge - 1 between the card and the same
// positions of `bild` (KartenEinheiten units) in blocks of at most
// SpeicherkarteBlockBytes; false at the first block that fails, on a wrong
// mode and on a range beyond the card.
bool SpeicherkarteUebertragen(const Kartensender& senden, int modus, std::uint16_t adresse, std::uint16_t laenge,
                              std::uint16_t* bild);

// The names of a PC/SC reader list ("name\0name\0\0").
QList<QByteArray> Lesernamen(const QByteArray& liste);
