#pragma once
// The records a throw booking on a lane changes and the steps the booking
// and the corrections share: throw places, pin characters, counters.

#include "core/Globals.h"
#include "core/Records.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Zaehlertext.h"

#include <algorithm>
#include <optional>

namespace Buchen {

using namespace Zaehler;

// A throw filled in by a throw-number correction: pin word and flag word.
constexpr u16 NachgetragenBild = WurfbildVorhanden | WurfbildZahlEingabe;
constexpr u16 NachgetragenArt = WurfartKorrektur;
constexpr char NachgetragenZeichen = 'k';

constexpr char ZeichenUe = '\xDC';  // 'Ü' in Windows-1252
constexpr int UebersichtMarken = 25;

inline void WurfNrSetzen(TBahnDaten& b, long n) { Setzen(b.TextWurfNr, b.WurfNr, n, Form::Rechts3); }
inline void RestSetzen(TBahnDaten& b, long n) { Setzen(b.WuerfeRestDruck, n, Form::Nullen3); }

// Pins of the part: part sum, running total and the phase sum.
inline void BahnHolzAddieren(TBahnDaten& b, bool abr, long d)
{
    if (d == 0) return;
    Setzen(b.TextGesamt, b.BahnGesamt, long(b.BahnGesamt) + d, Form::Rechts3);
    Setzen(b.TextTotal, b.BahnTotal, long(b.BahnTotal) + d, Form::Nullen4);
    if (abr)
        Setzen(b.TextAbraeumen, b.BahnAbraeumen, long(b.BahnAbraeumen) + d, Form::Rechts3);
    else
        Setzen(b.TextVolle, b.BahnVolle, long(b.BahnVolle) + d, Form::Rechts3);
}

inline void BahnFehlerAddieren(TBahnDaten& b, long d)
{
    Setzen(b.TextFehler, b.BahnFehler, long(b.BahnFehler) + d, Form::Rechts3);
}

// A player or one of his round blocks (same field names).
template <typename T>
void HolzAddieren(T& s, bool abr, long d)
{
    if (d == 0) return;
    Addieren(s.Total, d, Form::Nullen4);
    if (abr)
        Addieren(s.Abr, d, Form::Rechts3);
    else
        Addieren(s.Volle, d, Form::Rechts3);
}

template <typename T>
void FehlerAddieren(T& s, long d)
{
    Addieren(s.Fehler, d, Form::Rechts3);
}

template <typename T>
void WurfAddieren(T& s, long d)
{
    Addieren(s.Wurf, d, Form::Links3);
}

// --- Players -------------------------------------------------------------------

inline TDurchgangBlock* Block(TSpielerEintrag& s, long d)
{
    return s.Durchgang.contains(d) ? &s.Durchgang[d] : nullptr;
}

inline TMannschaftBlock& Seite(TWettkampfDaten& w, int spielerNr) { return spielerNr <= 8 ? w.Heim : w.Gast; }

// --- Lanes, throws and their places ------------------------------------------

inline bool IstSpielbahn(const TWettkampfDaten& w, int bahn)
{
    return bahn >= w.ErsteSpielbahn && bahn <= w.LetzteSpielbahn && BahnDaten.contains(bahn) &&
           BahnDaten[bahn].Wettk == &w;
}

// Partner lane of a duel, 0 when the match has none for the lane.
inline int Partner(const TWettkampfDaten& w, int bahn)
{
    const int q = PartnerBahn(w, bahn);
    return IstSpielbahn(w, q) ? q : 0;
}

inline TSuddenVictoryEintrag* SVEintrag(TWettkampfDaten& w, int bahn)
{
    const long zeile = long(bahn) - w.ErsteSpielbahn + 1;
    if (!w.SVictoryTabelle.contains(zeile) || !w.SVictoryTabelle[zeile].contains(w.SVictoryRunde)) return nullptr;
    return &w.SVictoryTabelle[zeile][w.SVictoryRunde];
}

// The highest throw number the lane can book: the part's Volle and Abräumen
// throws as far as the phase texts hold them (a sudden-victory round: its
// throws as far as its entry holds them).
inline int Wurfgrenze(const TWettkampfDaten& w)
{
    if (w.SVictoryLaeuft) return std::min<int>(w.SVictoryWuerfe, MaxPhasenWuerfe);
    if (w.Volle > MaxPhasenWuerfe) return MaxPhasenWuerfe;
    return std::min<int>(w.Volle + std::min<int>(w.Abraeumen, MaxPhasenWuerfe), MaxWuerfe);
}

// Phase of throw t: 1 Volle (always in a sudden victory), 2 Abräumen.
inline int Phase(const TWettkampfDaten& w, long t) { return w.SVictoryLaeuft || t <= w.Volle ? 1 : 2; }

// Throw t within its phase; only for throws the lane can book.
struct Stelle {
    bool abr = false;
    int k = 0;
};

inline bool StelleVon(const TWettkampfDaten& w, long t, Stelle& s)
{
    if (t < 1 || t > Wurfgrenze(w)) return false;
    s.abr = Phase(w, t) == 2;
    s.k = int(s.abr ? t - w.Volle : t);
    return true;
}

inline Text<MaxPhasenWuerfe + 1>& Zeichenliste(TBahnDaten& b, bool abr) { return abr ? b.WurfHolzAbraeumen : b.WurfHolzVolle; }

inline int Ziffer(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// Overview character of the throw; the lane panel shows 25 a phase.
inline void UebersichtSetzen(TBahnDaten& b, const Stelle& s, char c)
{
    if (s.k <= UebersichtMarken) b.TextName1[s.abr ? 2 : 1].marke(s.k) = c;
}

// Column sums of the Volle overview: throws 1-10, 11-20, 21-25.
inline void SpalteAddieren(TBahnDaten& b, const Stelle& s, long d)
{
    if (s.abr || d == 0) return;
    TextZahl<3, u8>* spalte = s.k <= 10 ? &b.Spalte1 : s.k <= 20 ? &b.Spalte2 : s.k <= 25 ? &b.Spalte3 : nullptr;
    if (spalte) Addieren(*spalte, d, Form::Rechts2);
}

// Pin character of a booked throw at its place, string end after it.
inline void ZeichenSpeichern(TBahnDaten& b, const Stelle& s, char c)
{
    Text<MaxPhasenWuerfe + 1>& liste = Zeichenliste(b, s.abr);
    liste.zeichen(s.k) = c;
    liste.zeichen(s.k + 1) = 0;
    UebersichtSetzen(b, s, c);
}

// Column of throw k of its phase on the two-lane sheet: a gap after every ten throws.
inline u16 Wurfspalte(u16 druckSpalte, int k) { return u16(druckSpalte + k + 2 + (k > 10 ? 1 : 0) + (k > 20 ? 1 : 0)); }

inline void DruckzeileSetzen(TBahnDaten& b, const Stelle& s) { b.DruckZeile = Wurfspalte(b.DruckSpalte, s.k); }

// A throw booked as a miss: its pin character is '0' and its flag word
// does not say that it counts zero without a miss.
inline bool AlsFehlerGebucht(char zeichen, u16 art) { return zeichen == '0' && !(art & WurfartFehlwurfHolz); }

// Flag word of a throw that now counts zero pins: a miss or not, as said.
inline u16 NullArt(u16 flags, bool fehler) { return u16((flags & ~WurfartFehlwurfHolz) | (fehler ? 0 : WurfartFehlwurfHolz)); }

inline int Pins(const TBahnDaten& b) { return std::clamp<int>(b.WurfHolz, 0, 9); }

// Pins and miss of a throw as the counters hold them.
struct Wurfwert {
    int holz = 0;
    bool fehler = false;
};

// A booked throw by its pin character and flag word; a character that is no
// digit counts no pins.
inline Wurfwert Gebucht(char zeichen, u16 art)
{
    return {std::max(Ziffer(zeichen), 0), AlsFehlerGebucht(zeichen, art)};
}

// The records a booking on a lane changes. Outside a sudden victory the
// player's round block, during one the lane's sudden-victory entry.
struct Buchung {
    TBahnDaten* b = nullptr;
    TWettkampfDaten* w = nullptr;
    TSpielerEintrag* p = nullptr;
    TDurchgangBlock* block = nullptr;
    TSuddenVictoryEintrag* sv = nullptr;

    // Pin and flag word of throw t, null when the record has no room for it.
    u16* bild(long t) const
    {
        if (sv) return sv->Wurfbild.contains(t) ? &sv->Wurfbild[t] : nullptr;
        return block->Wurfbild.contains(t) ? &block->Wurfbild[t] : nullptr;
    }
    u16* art(long t) const
    {
        if (sv) return sv->Wurfart.contains(t) ? &sv->Wurfart[t] : nullptr;
        return block->Wurfart.contains(t) ? &block->Wurfart[t] : nullptr;
    }
    // Pins and misses of the throw's owner: player and block, or the entry.
    void holz(bool abr, long d) const
    {
        if (sv) {
            Setzen(sv->Holz, long(sv->Holz.Zahl) + d, Form::Rechts3);
            return;
        }
        HolzAddieren(*p, abr, d);
        HolzAddieren(*block, abr, d);
    }
    void fehler(long d) const
    {
        if (sv) {
            Setzen(sv->Fehler, long(sv->Fehler.Zahl) + d, Form::Rechts3);
            return;
        }
        FehlerAddieren(*p, d);
        FehlerAddieren(*block, d);
    }
    void wuerfe(long d) const
    {
        if (sv) {
            Setzen(sv->Wuerfe, long(sv->Wuerfe.Zahl) + d, Form::Links3);
            return;
        }
        WurfAddieren(*p, d);
        WurfAddieren(*block, d);
    }
    // Place of throw t, when the lane can book it and the record has room for it.
    bool stelle(long t, Stelle& s) const { return StelleVon(*w, t, s) && bild(t); }
};

inline bool BuchungVon(int bahn, Buchung& z)
{
    if (!BahnDaten.contains(bahn)) return false;
    z.b = &BahnDaten[bahn];
    z.w = z.b->Wettk;
    z.p = z.b->BahnSpieler;
    if (!z.w || !z.p) return false;
    if (z.w->SVictoryLaeuft) {
        z.sv = SVEintrag(*z.w, bahn);
        return z.sv != nullptr;
    }
    z.block = z.p->AktDurchgang;
    return z.block != nullptr;
}

// One throw of a lane's booking: its number and its place.
struct Wurfbuchung {
    Buchung z;
    long t = 0;
    Stelle s;
};

// The lane's booking of throw WurfNr + versatz (0 the last booked throw, 1 the
// next one); none when the lane books nothing or has no place for that throw.
inline std::optional<Wurfbuchung> WurfbuchungVon(int bahn, long versatz)
{
    Wurfbuchung o;
    if (!BuchungVon(bahn, o.z)) return std::nullopt;
    o.t = long(o.z.b->WurfNr) + versatz;
    if (!o.z.stelle(o.t, o.s)) return std::nullopt;
    return o;
}

// Throws still to play in the phase after a removal or an insertion.
inline void RestNeuBerechnen(const Buchung& z)
{
    const TWettkampfDaten& w = *z.w;
    const long n = z.b->WurfNr;
    if (z.sv)
        RestSetzen(*z.b, long(w.Volle) - n);
    else
        RestSetzen(*z.b, n < w.Volle ? long(w.Volle) - n : long(w.Volle) + w.Abraeumen - n);
}

// The match runs and the lane's part has not ended.
inline bool Laeuft(const TWettkampfDaten& w, const TBahnDaten& b) { return SpielLaeuft(&w) && !b.TeilBeendet; }

}  // namespace Buchen
