#pragma once
// What the match report window shows of the current match: the player lines
// with their results, the side totals and remarks, and the report's check
// boxes. The window fills itself from this on every refresh.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QString>

struct SpielberichtZeile {
    bool sichtbar = true;
    QString name, volle, abr, total;
    u32 farbe = 0;  // white, started, finished (the later rule wins)
};

struct SpielberichtSeite {
    QString ueberschrift;
    QString volle, abr, fehler, total;
    QString totalMaP;   // one decimal; empty without points
    QString bemerkung;  // the four remark lines, CR LF between them
};

struct SpielberichtAnsicht {
    Array1<SpielberichtZeile, MaxSpieler> zeilen;  // 1..8 home, 9..16 guest
    SpielberichtSeite heim, gast;
    bool ergebnisseAktiv = false;  // the result fields, once the match has ended
    bool punkteAktiv = false;      // and the points fields of a points game
    bool BahnenOk = false, PaesseOk = false, Verwarnungen = false, Verletzungen = false, Protest = false,
         Sonstiges = false, Anlagen = false;
};

constexpr u32 BerichtFarbeGestartet = 15389394;
constexpr u32 BerichtFarbeFertig = 13673122;

// The report of the match; once it has ended the players are ranked first.
SpielberichtAnsicht SpielberichtAktualisieren(TWettkampfDaten& w);
