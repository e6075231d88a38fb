#include "match/engine/Korrektur.h"

#include "core/Globals.h"
#include "match/engine/Buchung.h"
#include "match/engine/Nachbuchung.h"
#include "match/engine/Wertung.h"

#include <algorithm>

using namespace Buchen;

void WurfNrKorrigieren(int bahn, int wurfNr)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& b = BahnDaten[bahn];
    TWettkampfDaten* w = b.Wettk;
    if (!w) {
        WurfNrSetzen(b, std::clamp(wurfNr, 0, MaxWuerfe));
        return;
    }
    const int n = std::clamp(wurfNr, 0, Wurfgrenze(*w));
    Buchung z;
    if (!Laeuft(*w, b) || !BuchungVon(bahn, z)) {
        WurfNrSetzen(b, n);
        NachBuchung(bahn, {});
        return;
    }
    const int d = n - b.WurfNr;
    if (d < 1) {
        for (int i = 0; i < -d; ++i) WurfUngueltigWerten(bahn);
    } else {
        WurfNrSetzen(b, n);
        for (long t = 1; t <= n; ++t) {
            Stelle s;
            if (!StelleVon(*w, t, s) || !z.bild(t)) break;
            char& zeichen = Zeichenliste(b, s.abr).zeichen(s.k);
            if (Ziffer(zeichen) >= 0) continue;
            zeichen = NachgetragenZeichen;
            UebersichtSetzen(b, s, NachgetragenZeichen);
            *z.bild(t) = NachgetragenBild;
            *z.art(t) = NachgetragenArt;
        }
        z.wuerfe(d);
        RestNeuBerechnen(z);
        if (!z.sv) MannschaftssummenAddieren(bahn, 0, d, 0, 0);
    }
    NachBuchung(bahn, {.anzeigen = d >= 1});
}

void GesamtKorrigieren(int bahn, u16 gesamt)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& b = BahnDaten[bahn];
    const long d = long(gesamt) - b.BahnGesamt;
    Setzen(b.TextGesamt, b.BahnGesamt, gesamt, Form::Rechts3);
    TWettkampfDaten* w = b.Wettk;
    if (!w) return;
    if (Laeuft(*w, b)) {
        if (Phase(*w, b.WurfNr) == 2)
            Setzen(b.TextAbraeumen, b.BahnAbraeumen, long(b.BahnAbraeumen) + d, Form::Rechts3);
        else
            Setzen(b.TextVolle, b.BahnVolle, long(b.BahnVolle) + d, Form::Rechts3);
    }
    b.WurfKorrigiert = 1;
    NachBuchung(bahn, {});
}

void TotalKorrigieren(int bahn, u16 total)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& b = BahnDaten[bahn];
    const long d = long(total) - b.BahnTotal;
    Setzen(b.TextTotal, b.BahnTotal, total, Form::Nullen4);
    TWettkampfDaten* w = b.Wettk;
    if (!w) return;
    Buchung z;
    // The running total of a sudden victory is the lane's own: the player's
    // totals hold only the rounds.
    const bool gebucht = Laeuft(*w, b) && BuchungVon(bahn, z) && !z.sv;
    if (gebucht) {
        const int art = Phase(*w, b.WurfNr);
        HolzAddieren(*z.p, art == 2, d);
        HolzAddieren(*z.block, art == 2, d);
        MannschaftssummenAddieren(bahn, art, 0, int(d), 0);
    }
    b.WurfKorrigiert = 1;
    NachBuchung(bahn, {.anzeigen = gebucht});
}
