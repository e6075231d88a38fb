#pragma once
// Player nr on lane `bahn` of match m with his first part running, as the
// lane start leaves them.

#include "core/Globals.h"

inline void TeilLaeuft(TWettkampfDaten& m, int bahn, int nr)
{
    TSpielerEintrag& p = m.Spieler[nr];
    p.IstHeim = nr <= 8;
    p.Gestartet = 1;
    p.DurchgangNr = 1;
    p.AktDurchgang = &p.Durchgang[1];
    TBahnDaten& l = BahnDaten[bahn];
    l.Wettk = &m;
    l.BahnSpieler = &p;
    l.SpielerNr = u8(nr);
    l.BahnStatus = 2;
    l.BahnGestartet = l.TeilLaeuft = l.BahnOnline = 1;
    m.BahnImSpiel[bahn] = 1;
}
