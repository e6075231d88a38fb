#pragma once
// The result board on the second monitor as functions of the match on it:
// which rows, captions and labels show in the wide and the narrow design,
// where rows stand, every text and the colour of each player's name. The
// row texts and the totals are those of the operator's result table
// (match/lanes/Ergebnistafel.h); the board window applies what comes out.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "match/lanes/Ergebnistafel.h"

#include <QString>
#include <optional>

// The wide board shows its banner pictures; on at every program start.
extern bool BannerAnzeigen;

// The two designs: wide (client area 1016 x 709) from a second monitor of
// 1024 pixels up, narrow (796 x 599) below.
enum class Tafelform { Breit, Schmal };

// Top of row k (1..8) of a side: its name inside the side's name panel, its
// values inside the group. Rows 7 and 8 stand below the "Ersatz" caption
// unless every player counts (Streichspiel).
ErgebnisLage GrossanzZeilenLage(Tafelform form, bool satz, bool streichspiel, int k);

// The 17 board colours ("ColorTafel" .. "ColorTFertig"), taken when the
// window is created.
struct Tafelfarben {
    u32 tafel = 0, heim = 0, gast = 0, ergebnisse = 0;
    u32 headerHeim = 0, headerGast = 0;
    u32 totalHeim = 0, totalGast = 0, wurfHeim = 0, wurfGast = 0;
    u32 plusHeim = 0, plusGast = 0, punkteHeim = 0, punkteGast = 0;
    u32 spieler = 0, gestartet = 0, fertig = 0;
};
Tafelfarben TafelfarbenLesen();

// A player's name: waiting, playing, finished (finished wins over started).
u32 Namenfarbe(const TSpielerEintrag& s, const Tafelfarben& f);

// One player row (slot 1..16: home rows 1..8, guest 9..16).
struct GrossanzZeile {
    ErgebnisZeile texte;  // name, values, sets, points (points visibility included)
    bool nameSichtbar = false;
    bool werteSichtbar = false;
    ErgebnisLage lage;
    u32 namenfarbe = 0;
    // Set layout, rows 7 and 8: "für Spieler <n>" (n within the side).
    bool ersetztSichtbar = false;
    QString ersetzt;
};

struct GrossanzTafel {
    QString heim, gast;
    bool banner = false;          // wide only: ImageHeim, ImageGast
    bool punkteSichtbar = false;  // LHeaderPunkte, LHeimPunkte, LGastPunkte
    bool satz = false;            // the set groups instead of the normal ones
    bool ersatzSichtbar = false;  // the "Ersatz" captions of both sides
    Array1<GrossanzZeile, MaxSpieler> zeilen;
    ErgebnisSumme summe;
};

// "für Spieler <n>" for a substitute of the side (n counted within it);
// empty when he replaced nobody of his side.
QString ErsetztText(const TSpielerEintrag& s, bool heim);

// Row n (ErgebnistafelSpielerAktualisieren); nothing for n outside 1..16.
std::optional<GrossanzZeile> GrossanzeigeZeile(const TWettkampfDaten& w, Tafelform form, int n,
                                               const Tafelfarben& farben);
// The whole board (ErgebnistafelAufbauen).
GrossanzTafel GrossanzeigeAufbauen(const TWettkampfDaten& w, Tafelform form, const Tafelfarben& farben);

// What an advert file is, by its extension in any case: ".bmp", ".jpg",
// ".jpeg" a picture, ".avi", ".mpg" a video; anything else shows nothing new.
enum class Werbeart { Keine, Bild, Video };
Werbeart WerbedateiArt(const QString& datei);
