#pragma once
// The arithmetic of the colour chooser: colour values and their components,
// the colour plane, the brightness step, the component edits, and which
// colour setting each element of the board preview shows per family.

#include "core/Records.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

// Components in the order of the fixed-component index.
enum Farbkomponente { KompBlau = 0, KompGruen = 1, KompRot = 2 };

struct Rgb {
    int rot = 0;
    int gruen = 0;
    int blau = 0;

    int& operator[](int komponente);
    int operator[](int komponente) const;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 0x00BBGGRR: blue * 65536 + green * 256 + red.
u32 FarbwertAus(const Rgb& farbe);
// The components of an RGB value; the top byte is ignored.
Rgb FarbwertZerlegen(u32 wert);

// --- Colour plane --------------------------------------------------------------------
// The components along the axes when 'fest' is the fixed one.
struct Ebenenachsen {
    Farbkomponente senkrecht;
    Farbkomponente waagrecht;
};
Ebenenachsen EbenenAchsen(int fest);

// The horizontal component at 'pos' of 'groesse' pixels: pos * 256 / groesse.
int EbenenWertWaagrecht(int pos, int groesse);
// The vertical one runs from the bottom up: 255 - pos * 256 / groesse.
int EbenenWertSenkrecht(int pos, int groesse);
// A marker position kept inside 0..groesse-1.
int MarkeBegrenzen(int pos, int groesse);

// The colour at (links, oben) of a plane of breite x hoehe pixels: the fixed
// component from 'farbe', the two others from the position.
Rgb EbenenFarbe(const Rgb& farbe, int fest, int links, int oben, int breite, int hoehe);

// --- Edits and brightness ------------------------------------------------------------
// The number an edit holds: its digits, above 255 taken as 255.
int KomponenteAusText(QStringView text);
// Adds d to all three components when all stay within 0..255, else unchanged.
Rgb HelligkeitSchritt(const Rgb& farbe, int d);

// --- Board preview -------------------------------------------------------------------
constexpr int VorschauModusAnzahl = 4;  // 1 match window, 2 board T, 3 monitor client MT, 4 info terminal IT

struct Vorschauelement {
    const char* name;  // objectName
    bool panel;        // background colour; otherwise a label's font colour
    // Setting per mode 1..4; nullptr where the element has none.
    std::array<const char*, VorschauModusAnzahl> einstellung;
    int nurAnzeigeModus = 0;         // mode in which the setting is shown but not stored
    std::optional<u32> standardImmer;  // default in every mode, whatever the setting
};

std::span<const Vorschauelement> VorschauElemente();
// The element's setting in that mode; empty when it has none.
QString VorschauEinstellung(const Vorschauelement& e, int modus);
// Whether OK stores the element's colour into its setting in that mode.
bool VorschauSpeichern(const Vorschauelement& e, int modus);
// What the element shows after "Standard" in that mode; nullopt: unchanged.
std::optional<u32> VorschauStandard(const Vorschauelement& e, int modus);
