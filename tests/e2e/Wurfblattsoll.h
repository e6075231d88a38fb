#pragma once
// The throw-sheet match of the printer tests and what its sheets must hold,
// byte for byte, written out from the sheet layouts: two rounds on each lane
// pair, players 1 + i and 9 + i on pair i, two Volle and one Abräumen throw
// a part; every odd lane throws 7 8 | 5 and 8 0 | 3, every even lane
// 9 6 | 4 and 6 9 | 9, and each odd lane lets its second throw of round 1
// count zero (the lane's 'q' key).

#include "core/Globals.h"
#include "core/Records.h"
#include "e2e/Spielaufbau.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

// ESC $ n, ESC J n, ESC j n.
inline std::string P(int n) { return {'\x1b', '$', char(n & 0xFF), char(n >> 8)}; }
inline std::string V(int n) { return {'\x1b', 'J', char(n)}; }
inline std::string Z(int n) { return {'\x1b', 'j', char(n)}; }
inline const std::string G = "\x1bG", H = "\x1bH", Cr = "\r", Lf = "\n", So = "\x0e", Ff = "\x0c";
inline const std::string Blk = "\xdb", Bs = "\b";
inline const std::string Init = "\x1b@\x1bM\x1bR\x02\r";

// A text in a field of w characters: blank-padded.
inline std::string F(const std::string& s, std::size_t w) { return s.substr(0, w) + std::string(w - std::min(w, s.size()), ' '); }

inline std::string Hex(const std::string& s) { return QByteArray::fromStdString(s).toHex(' ').toStdString(); }

// What a stream puts on paper, independent of the order in which the jobs of
// a sheet's lanes came: every character at its place (page, position down
// in 1/180 inch, across in 1/60 inch), bold ones marked '*', characters
// printed over each other in their order; one line of text per printed row.
// Knows the codes of the sheets: ESC @ M R $ J j G H ( C, C, SO, DC4, CR, LF,
// BS, FF; 12 characters an inch, twice as wide after SO until LF or DC4.
inline std::string Druckbild(const std::string& s)
{
    std::map<std::tuple<int, int, int>, std::string> zellen;
    int seite = 0, unten = 0, quer = 0;
    bool fett = false, breit = false;
    const auto u = [&](std::size_t i) { return i < s.size() ? int(static_cast<unsigned char>(s[i])) : 0; };
    for (std::size_t i = 0; i < s.size();) {
        const int c = u(i);
        if (c == 0x1B) {
            switch (u(i + 1)) {
            case '@': fett = breit = false, quer = 0, i += 2; break;
            case '$': quer = u(i + 2) + 256 * u(i + 3), i += 4; break;
            case 'J': unten += u(i + 2), i += 3; break;
            case 'j': unten -= u(i + 2), i += 3; break;
            case 'R': i += 3; break;
            case 'G': fett = true, i += 2; break;
            case 'H': fett = false, i += 2; break;
            case '(': i += 5 + std::size_t(u(i + 3) + 256 * u(i + 4)); break;
            case 'C': i += u(i + 2) == 0 ? 4 : 3; break;
            default: i += 2; break;
            }
            continue;
        }
        switch (c) {
        case '\r': quer = 0; break;
        case '\n': unten += 30, breit = false; break;
        case '\f': ++seite, unten = 0, quer = 0; break;
        case 0x0E: breit = true; break;
        case 0x14: breit = false; break;
        case '\b': quer -= breit ? 10 : 5; break;
        default:
            zellen[{seite, unten, quer}] += fett ? std::string("*") + char(c) : std::string(1, char(c));
            quer += breit ? 10 : 5;
        }
        ++i;
    }
    std::string bild;
    std::pair<int, int> zeile{-1, -1};
    for (const auto& [ort, text] : zellen) {
        const auto [s_, y, x] = ort;
        if (std::pair(s_, y) != zeile) {
            zeile = {s_, y};
            bild += (bild.empty() ? "" : "\n") + std::to_string(s_) + "/" + std::to_string(y) + ":";
        }
        bild += " " + std::to_string(x) + "=" + text;
    }
    return bild;
}

// A player as his sheet names him, by player number.
struct Blattspieler {
    std::string name, pass;
};
inline const std::map<int, Blattspieler> Spielerliste{
    {1, {"Anton Adler", "12345"}}, {2, {"Bernd Brandt", "23456"}}, {3, {"Carl Conrad", "34567"}},
    {9, {"Emil Eder", "67890"}},   {10, {"Franz Fink", "78901"}},  {11, {"Georg Graf", "89012"}},
};

// The match's start order on pairs x 2 lanes from lane 1, its players and its
// header; its sheets on, as the head of a printed sheet.
inline void WurfblattspielBelegen(TWettkampfDaten& m, int paare)
{
    m.Startfolge = TStartplan{};
    for (int i = 0; i < paare; ++i) {
        m.Startfolge[2 * i + 1][1] = u8(1 + i), m.Startfolge[2 * i + 2][1] = u8(9 + i);
        m.Startfolge[2 * i + 1][2] = u8(9 + i), m.Startfolge[2 * i + 2][2] = u8(1 + i);
    }
    m.StartplanZeiger = &m.Startfolge;
    m.Spieleranzahl = u16(paare);
    for (int nr = 1; nr <= MaxSpieler; ++nr) m.Spieler[nr].Name = "";
    for (int i = 0; i < paare; ++i)
        for (int nr : {1 + i, 9 + i}) {
            m.Spieler[nr].Name = Spielerliste.at(nr).name.c_str();
            m.Spieler[nr].Pass = Spielerliste.at(nr).pass.c_str();
        }
    m.Spieler[1].Gebdat = "12.05.71", m.Spieler[9].Gebdat = "03.11.85";
    m.Club = "KSV", m.Datum = "07.03.26", m.Bezirk = "Nord", m.Klasse = "Kreisliga";
    m.Gruppe = "A", m.Spielnummer = "17", m.Schiedsrichter = "Otto Reuter";
    m.DrWurfblatt = 1, m.DrKopf = 1;
}

// What the lane throws in its two parts.
inline Wurfliste WurfblattSkript(int bahn)
{
    return Wuerfe(bahn % 2 ? QStringLiteral("7 8 5  8 0 3") : QStringLiteral("9 6 4  6 9 9"));
}

// The two-lane sheet of lanes a (odd) and a + 1 of the match above, with
// player `erster` on lane a and `zweiter` on lane a + 1 in round 1: the
// printer reset, the head once, each round's player heads side by side (the
// second round in a block below the first), every throw one character with
// its phase sum, the correction blacked out with the new character and the
// new Volle sum half a line above, the lane results, and the foot after the
// second round.
inline std::string ZweiBahnenblatt(int a, int erster, int zweiter)
{
    const Blattspieler& e = Spielerliste.at(erster);
    const Blattspieler& z = Spielerliste.at(zweiter);
    const auto spielerkopf = [](const std::string& zurueck, int c, const Blattspieler& s, int bahn) {
        return zurueck + V(90) + G + P(c * 5) + F(s.name, 25) + "/" + F(s.pass, 6) + Cr + P((c + 34) * 5) + "/Bahn " +
               std::to_string(bahn) + H + "\n\n\r";
    };
    // A throw in column c of a lane in column s, with the phase sum when it is the phase's last.
    const auto wurf = [](const std::string& vor, int s, int c, char zeichen, const std::string& summe = "") {
        std::string w = vor + P(c * 5) + zeichen + Cr;
        if (!summe.empty()) w += P((s + 34) * 5) + summe + Cr;
        return w;
    };
    const auto ergebnis = [](int s, const char* gesamt, const char* total, const char* totale) {
        return V(50) + P(s * 5) + G + "Bahnergebnis: " + gesamt + "   Total: " + total + "\n\r" + P(s * 5) + totale +
               Z(30) + H + Cr;
    };
    return Init +
           // Round 1: lane a (erster) in column 4, lane a + 1 (zweiter) in column 54.
           V(60) + G + So + "  " + F("KSV", 20) + "     " + F("KSV", 20) + "\n\n\r" + P(185) + "07.03.26" + Cr +
           P(435) + "07.03.26\n\r" + P(20) + F("KSC Ahorn 1", 19) + " - " + F("SG Birkenau 1", 19) + Cr + P(270) +
           F("KSC Ahorn 1", 19) + " - " + F("SG Birkenau 1", 19) + H + Cr + spielerkopf("", 4, e, a) +
           spielerkopf(Z(145), 54, z, a + 1) + wurf("", 4, 7, '7') + wurf("", 54, 57, '9') +
           wurf("", 4, 8, '8', "  15") +
           // Throw 2 of lane a counts zero: blacked out, 'X' and the Volle sum half a line above.
           P(40) + Blk + Z(25) + Bs + "X" + V(25) + Cr + P(190) + Blk + Blk + Blk + Bs + Bs + Bs + Z(25) + "  7" +
           V(25) + Cr + wurf("", 54, 58, '6', "  15") + wurf(V(50), 4, 7, '5', "   5") +
           ergebnis(4, " 12", "0012", "TotaVolle:   7 TotaAbr:   5 TotaFehl:   1") +
           wurf(Z(50), 54, 57, '4', "   4") + ergebnis(54, " 19", "0019", "TotaVolle:  15 TotaAbr:   4 TotaFehl:   0") +
           // Round 2, below the results: lane a (zweiter) in column 54, lane a + 1 (erster) in column 4.
           V(30) + spielerkopf("", 54, z, a) + spielerkopf(Z(145), 4, e, a + 1) + wurf("", 54, 57, '8') +
           wurf("", 4, 7, '6') + wurf("", 54, 58, 'X', "   8") + wurf("", 4, 8, '9', "  15") +
           wurf(V(50), 54, 57, '3', "   3") + ergebnis(54, " 11", "0030", "TotaVolle:  23 TotaAbr:   7 TotaFehl:   1") +
           wurf(Z(50), 4, 7, '9', "   9") + ergebnis(4, " 24", "0036", "TotaVolle:  22 TotaAbr:  14 TotaFehl:   1") +
           // The foot without its texts.
           V(100) + V(140) + Lf + V(90) + Ff + Cr;
}
