#pragma once
// Scripted throws of the lane simulator and the text form of a script.
//
// A throw is a pin count, "all standing pins" or an explicit pin mask, with
// the flag byte the lane reports (d3 of kind 1). Text form, tokens separated
// by blanks:
//   0..9     that many pins, the lowest-numbered standing pins first
//   X        every standing pin (a nine on a full rack, a clear on Abräumen)
//   0x1FF    a pin mask in hex, bit k-1 = pin k (only standing pins fall)
//   !        after a throw: foul, flags 0x03 (felled pins count zero)
//   @hh      after a throw: the flag byte in hex, e.g. 5@01
//   |        ignored, for readability (e.g. between Volle and Abräumen)
// A script file holds one line per lane, "<lane>: <throws>"; a lane named on
// several lines gets the throws one after the other; '#' starts a comment.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

struct Wurfangabe {
    enum class Art : std::uint8_t { Zahl, Alle, Maske };
    Art art = Art::Zahl;
    std::uint16_t wert = 0;  // pins (Zahl) or mask (Maske)
    std::uint8_t flags = 0;

    static Wurfangabe zahl(int holz, std::uint8_t flags = 0) { return {Art::Zahl, std::uint16_t(holz), flags}; }
    static Wurfangabe alle(std::uint8_t flags = 0) { return {Art::Alle, 0, flags}; }
    static Wurfangabe maske(std::uint16_t bild, std::uint8_t flags = 0) { return {Art::Maske, bild, flags}; }
    bool operator==(const Wurfangabe&) const = default;
};

constexpr std::uint8_t FlagsFoul = 0x03;

using Wurfliste = std::vector<Wurfangabe>;

// The throws of one text; nullopt with a reason in *fehler on a bad token.
std::optional<Wurfliste> WuerfeLesen(QStringView text, QString* fehler = nullptr);

// A whole script file: throws by lane (1..16).
std::optional<std::map<int, Wurfliste>> SkriptLesen(const QString& text, QString* fehler = nullptr);
