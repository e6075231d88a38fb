#include "match/Wertung.h"

#include "core/Anzeigedienste.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/Anzeigeschicht.h"
#include "match/Bahnfenster.h"
#include "match/CanFrames.h"
#include "match/CanSenden.h"
#include "match/Druckdienste.h"
#include "match/Spielablauf.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

u8 PlatzierungGesperrt = 0;

namespace {

// Bits of a throw's flag word (Wurfart) and of WurfFlags.
constexpr u16 FlagUebertritt = 0x02;
constexpr u16 FlagAbgeraeumt = 0x04;
constexpr u16 FlagKorrigiert = 0x10;
constexpr u16 FlagVerwarnung = 0x80;
constexpr u16 FlagZeitGeaendert = 0x100;
// The throw counts zero and booked no miss (a foul that felled pins). The
// booking keeps this bit true of every stored zero throw, so that a later
// correction can tell a booked miss from a zero throw that never counted one.
constexpr u16 FlagNullOhneFehler = 0x200;

// A throw filled in by a throw-number correction: pin word and flag word.
constexpr u16 NachgetragenBild = WurfbildVorhanden | WurfbildZahlEingabe;
constexpr u16 NachgetragenArt = FlagKorrigiert;
constexpr char NachgetragenZeichen = 'k';

constexpr char ZeichenUe = '\xDC';  // 'Ü' in Windows-1252
constexpr int UebersichtMarken = 25;

// --- Numbers and their texts ---------------------------------------------------

enum class Form { Rechts2, Rechts3, Links3, Nullen3, Nullen4, Links4 };

void Formen(TextZiel ziel, unsigned long zahl, Form f)
{
    switch (f) {
    case Form::Rechts2: ZahlRechtsbuendig(ziel, zahl, 2); break;
    case Form::Rechts3: ZahlRechtsbuendig(ziel, zahl, 3); break;
    case Form::Links3: ZahlLinksbuendig(ziel, zahl, 3); break;
    case Form::Nullen3: ZahlMitNullen(ziel, zahl, 3); break;
    case Form::Nullen4: ZahlMitNullen(ziel, zahl, 4); break;
    case Form::Links4: ZahlLinksbuendig(ziel, zahl, 4); break;
    }
}

// Counters never go below 0 nor past their type.
template <typename Z>
Z Begrenzt(long wert)
{
    return Z(std::clamp<long>(wert, 0, long(std::numeric_limits<Z>::max())));
}

template <std::size_t N, typename Z>
void Setzen(TextZahl<N, Z>& feld, long wert, Form f)
{
    feld.Zahl = Begrenzt<Z>(wert);
    Formen(feld.Text, feld.Zahl, f);
}

template <std::size_t N, typename Z>
void Addieren(TextZahl<N, Z>& feld, long d, Form f)
{
    Setzen(feld, long(feld.Zahl) + d, f);
}

// The lane keeps number and text apart.
template <std::size_t N, typename Z>
void Setzen(Text<N>& text, Z& zahl, long wert, Form f)
{
    zahl = Begrenzt<Z>(wert);
    Formen(text, zahl, f);
}

void WurfNrSetzen(TBahnDaten& b, long n) { Setzen(b.TextWurfNr, b.WurfNr, n, Form::Rechts3); }
void RestSetzen(TBahnDaten& b, long n) { Setzen(b.WuerfeRestDruck, n, Form::Nullen3); }

// Pins of the part: part sum, running total and the phase sum.
void BahnHolzAddieren(TBahnDaten& b, bool abr, long d)
{
    if (d == 0) return;
    Setzen(b.TextGesamt, b.BahnGesamt, long(b.BahnGesamt) + d, Form::Rechts3);
    Setzen(b.TextTotal, b.BahnTotal, long(b.BahnTotal) + d, Form::Nullen4);
    if (abr)
        Setzen(b.TextAbraeumen, b.BahnAbraeumen, long(b.BahnAbraeumen) + d, Form::Rechts3);
    else
        Setzen(b.TextVolle, b.BahnVolle, long(b.BahnVolle) + d, Form::Rechts3);
}

void BahnFehlerAddieren(TBahnDaten& b, long d)
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

TSpielerEintrag* SpielerNr(TWettkampfDaten& w, long nr)
{
    return w.Spieler.contains(nr) ? &w.Spieler[nr] : nullptr;
}

// A player and the substitutes who took over from him, one after the other.
struct Kette {
    std::array<TSpielerEintrag*, 3> s{};
    int n = 0;
    TSpielerEintrag** begin() { return s.data(); }
    TSpielerEintrag** end() { return s.data() + n; }
};

Kette Ersatzkette(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    Kette k;
    for (TSpielerEintrag* s = spieler; s && k.n < 3; s = SpielerNr(w, s->ErsetztDurch)) {
        if (std::find(k.begin(), k.end(), s) != k.end()) break;
        k.s[std::size_t(k.n++)] = s;
    }
    return k;
}

// The player and the ones he replaced (the way back of Ersatzkette).
Kette Vorgaenger(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    Kette k;
    for (TSpielerEintrag* s = spieler; s && k.n < 3; s = SpielerNr(w, s->Ersatz)) {
        if (std::find(k.begin(), k.end(), s) != k.end()) break;
        k.s[std::size_t(k.n++)] = s;
    }
    return k;
}

TDurchgangBlock* Block(TSpielerEintrag& s, long d)
{
    return s.Durchgang.contains(d) ? &s.Durchgang[d] : nullptr;
}

TMannschaftBlock& Seite(TWettkampfDaten& w, int spielerNr) { return spielerNr <= 8 ? w.Heim : w.Gast; }

// --- Lanes, throws and their places ------------------------------------------

TWettkampfDaten* MatchDerBahn(int bahn) { return BahnDaten.contains(bahn) ? BahnDaten[bahn].Wettk : nullptr; }

bool IstSpielbahn(const TWettkampfDaten& w, int bahn)
{
    return bahn >= w.ErsteSpielbahn && bahn <= w.LetzteSpielbahn && BahnDaten.contains(bahn) &&
           BahnDaten[bahn].Wettk == &w;
}

// Partner lane of a duel, 0 when the match has none for the lane.
int Partner(const TWettkampfDaten& w, int bahn)
{
    const int q = PartnerBahn(w, bahn);
    return IstSpielbahn(w, q) ? q : 0;
}

TSuddenVictoryEintrag* SVEintrag(TWettkampfDaten& w, int bahn)
{
    const long zeile = long(bahn) - w.ErsteSpielbahn + 1;
    if (!w.SVictoryTabelle.contains(zeile) || !w.SVictoryTabelle[zeile].contains(w.SVictoryRunde)) return nullptr;
    return &w.SVictoryTabelle[zeile][w.SVictoryRunde];
}

// The highest throw number the lane can book: the part's Volle and Abräumen
// throws as far as the phase texts hold them (a sudden-victory round: its
// throws as far as its entry holds them).
int Wurfgrenze(const TWettkampfDaten& w)
{
    if (w.SVictoryLaeuft) return std::min<int>(w.SVictoryWuerfe, MaxPhasenWuerfe);
    if (w.Volle > MaxPhasenWuerfe) return MaxPhasenWuerfe;
    return std::min<int>(w.Volle + std::min<int>(w.Abraeumen, MaxPhasenWuerfe), MaxWuerfe);
}

// Phase of throw t: 1 Volle (always in a sudden victory), 2 Abräumen.
int Phase(const TWettkampfDaten& w, long t) { return w.SVictoryLaeuft || t <= w.Volle ? 1 : 2; }

// Throw t within its phase; only for throws the lane can book.
struct Stelle {
    bool abr = false;
    int k = 0;
};

bool StelleVon(const TWettkampfDaten& w, long t, Stelle& s)
{
    if (t < 1 || t > Wurfgrenze(w)) return false;
    s.abr = Phase(w, t) == 2;
    s.k = int(s.abr ? t - w.Volle : t);
    return true;
}

Text<MaxPhasenWuerfe + 1>& Zeichenliste(TBahnDaten& b, bool abr) { return abr ? b.WurfHolzAbraeumen : b.WurfHolzVolle; }

int Ziffer(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// Overview character of the throw; the lane panel shows 25 a phase.
void UebersichtSetzen(TBahnDaten& b, const Stelle& s, char c)
{
    if (s.k <= UebersichtMarken) b.TextName1[s.abr ? 2 : 1].marke(s.k) = c;
}

// Column sums of the Volle overview: throws 1-10, 11-20, 21-25.
void SpalteAddieren(TBahnDaten& b, const Stelle& s, long d)
{
    if (s.abr || d == 0) return;
    TextZahl<3, u8>* spalte = s.k <= 10 ? &b.Spalte1 : s.k <= 20 ? &b.Spalte2 : s.k <= 25 ? &b.Spalte3 : nullptr;
    if (spalte) Addieren(*spalte, d, Form::Rechts2);
}

// Pin character of a booked throw at its place, string end after it.
void ZeichenSpeichern(TBahnDaten& b, const Stelle& s, char c)
{
    Text<MaxPhasenWuerfe + 1>& liste = Zeichenliste(b, s.abr);
    liste.zeichen(s.k) = c;
    liste.zeichen(s.k + 1) = 0;
    UebersichtSetzen(b, s, c);
}

void DruckzeileSetzen(TBahnDaten& b, const Stelle& s)
{
    b.DruckZeile = u16(b.DruckSpalte + s.k + 2 + (s.k > 10 ? 1 : 0) + (s.k > 20 ? 1 : 0));
}

// A throw booked as a miss: its pin character is '0' and its flag word
// does not say that it counts zero without a miss.
bool AlsFehlerGebucht(char zeichen, u16 art) { return zeichen == '0' && !(art & FlagNullOhneFehler); }

// Flag word of a throw that now counts zero pins: a miss or not, as said.
u16 NullArt(u16 flags, bool fehler) { return u16((flags & ~FlagNullOhneFehler) | (fehler ? 0 : FlagNullOhneFehler)); }

int Pins(const TBahnDaten& b) { return std::clamp<int>(b.WurfHolz, 0, 9); }

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
};

bool BuchungVon(int bahn, Buchung& z)
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

// Throws still to play in the phase after a removal or an insertion.
void RestNeuBerechnen(const Buchung& z)
{
    const TWettkampfDaten& w = *z.w;
    const long n = z.b->WurfNr;
    if (z.sv)
        RestSetzen(*z.b, long(w.Volle) - n);
    else
        RestSetzen(*z.b, n < w.Volle ? long(w.Volle) - n : long(w.Volle) + w.Abraeumen - n);
}

bool Wurfblatt(const TWettkampfDaten& w, int bahn) { return w.DrWurfblatt && drucker().wurfblattDrucker(bahn); }

// Print entries of a corrected throw (count zero, count after all).
void KorrekturDrucken(const TWettkampfDaten& w, int bahn, char zeichen)
{
    if (!Wurfblatt(w, bahn)) return;
    const int nr = BahnDaten[bahn].WurfNr;
    if (w.DrEinzelbahn) drucker().bahndruckVorWertung(bahn);
    if (w.DrZweiBahnen) drucker().bahndruckWurfzeile(bahn, nr, zeichen);
    if (w.DrZentral) drucker().bahndruckSummenzeile(bahn, nr, zeichen, 'K');
}

// The lane display after a correction (the controller keeps its own count
// only for normal throws).
void KorrekturAnzeigeSenden(const Buchung& z, int bahn)
{
    const TBahnDaten& b = *z.b;
    const TWettkampfDaten& w = *z.w;
    if (Einst.Bahnsteuerung == 0 || !b.BahnOnline) return;
    using namespace CanRahmen;
    const int nr = b.WurfNr;
    const int restTeil = (z.sv ? int(w.SVictoryWuerfe) : w.Volle + w.Abraeumen) - nr;
    const int restPhase = z.sv ? restTeil : (nr >= w.Volle ? w.Volle + w.Abraeumen : int(w.Volle)) - nr;
    int fehler = b.BahnFehler;
    if (Einst.Wurffehler && !z.sv) {
        fehler = 0;
        for (TSpielerEintrag* s : Vorgaenger(*z.w, z.p)) fehler += s->Fehler.Zahl;
    }
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzWurfNr, nr));
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzRestDurchgang, restTeil));
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzRestPhase, restPhase));
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzHolz, b.BahnGesamt));
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzSumme, b.BahnTotal));
    CanNachrichtSenden(bahn, BahnanzeigeWert(AnzFehler, fehler));
    if (z.sv || nr <= w.Volle) return;
    // Pins down on the current rack: back to the last cleared rack. Count
    // entries carry a number, not pins.
    u16 maske = 0;
    for (long t = nr; t > w.Volle; --t) {
        const u16* art = z.art(t);
        const u16* bild = z.bild(t);
        if (!art || !bild || (*art & FlagAbgeraeumt)) break;
        if (!(*bild & WurfbildZahlEingabe)) maske |= u16(*bild & WurfbildKegelMaske);
    }
    CanNachrichtSenden(bahn, KegelbildAnzeigen(maske));
}

bool Laeuft(const TWettkampfDaten& w, const TBahnDaten& b) { return w.Gestartet && !w.Beendet && !b.TeilBeendet; }

}  // namespace

// --- Players and lanes of a match ------------------------------------------------

int PartnerBahn(const TWettkampfDaten& w, int bahn)
{
    return ((bahn - w.ErsteSpielbahn) & 1) == 0 ? bahn + 1 : bahn - 1;
}

TSpielerEintrag* Ergebnistraeger(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    const Kette k = Vorgaenger(w, spieler);
    return k.n ? k.s[std::size_t(k.n - 1)] : nullptr;
}

int SpielerNummer(const TWettkampfDaten& w, const TSpielerEintrag* spieler)
{
    const long n = w.Spieler.indexOf(spieler);
    return w.Spieler.contains(n) ? int(n) : 0;
}

// --- Throw booking -------------------------------------------------------------

void WurfAbschliessen(int bahn)
{
    Buchung z;
    if (!BuchungVon(bahn, z)) {
        if (BahnDaten.contains(bahn)) BahnwerteLoeschen(bahn);
        return;
    }
    TBahnDaten& b = *z.b;
    TWettkampfDaten& w = *z.w;
    TSpielerEintrag& p = *z.p;
    const long t = long(b.WurfNr) + 1;
    Stelle s;
    if (!StelleVon(w, t, s) || !z.bild(t)) {
        // Beyond the part (or the sudden-victory round): dropped.
        BahnwerteLoeschen(bahn);
        return;
    }

    if (p.Wurf.Zahl == 0) p.Volle.Text = p.Abr.Text = p.Fehler.Text = "  0";
    WurfNrSetzen(b, t);

    const int pins = Pins(b);
    const bool fehler = pins == 0 && !b.FehlwurfHolz;
    *z.bild(t) = b.WurfBild;
    *z.art(t) = pins > 0 ? u16(b.WurfFlags & ~FlagNullOhneFehler) : NullArt(b.WurfFlags, fehler);
    z.wuerfe(1);
    if (z.sv) {
        RestSetzen(b, long(b.WuerfeRestDruck.Zahl) - 1);
    } else {
        if (Einst.WurfzeitBahn) z.block->Bahnzeit = b.BahnWurfzeit;
        RestSetzen(b, long(b.WuerfeRestDruck.Zahl) - 1);
        if (b.WuerfeRestDruck.Zahl == 0 && t == w.Volle) RestSetzen(b, w.Abraeumen);
    }
    if (pins > 0) {
        BahnHolzAddieren(b, s.abr, pins);
        z.holz(s.abr, pins);
    } else if (fehler) {
        BahnFehlerAddieren(b, 1);
        z.fehler(1);
    }

    char marke = 0;
    if (b.Ersatzwurf) marke = 'E';
    if (b.WurfKorrigiert) marke = 'K';
    if (b.WurfFlags & FlagZeitGeaendert) marke = 'Z';
    if (b.WurfFlags & FlagUebertritt) {
        marke = ZeichenUe;
        ++b.BahnVerwarnungen;
        ++p.VerwarnungAnzahl;
        if (p.VerwarnungAnzahl == 1) {
            p.VerwarnungText = "V";
        } else {
            p.VerwarnungText = "VV";
            b.BahnVerwarnungen = 2;
            p.VerwarnungAnzahl = 2;
        }
    }
    // The lists keep '0' for every zero throw; the sheet shows a miss as 'X'.
    const char zeichen = char('0' + pins);
    const char druckzeichen = fehler ? 'X' : zeichen;

    DruckzeileSetzen(b, s);
    ZeichenSpeichern(b, s, zeichen);
    SpalteAddieren(b, s, pins);

    if (z.sv)
        SatzpunkteSenden(bahn);
    else
        MannschaftssummenAddieren(bahn, s.abr ? 2 : 1, 1, pins, fehler ? 1 : 0);
    BahnAnzeigenAktualisieren(bahn);

    if (Wurfblatt(w, bahn)) {
        if (w.DrZweiBahnen) drucker().bahndruckWurf(bahn, druckzeichen, marke);
        if (w.DrZentral) drucker().bahndruckAbschnitt(bahn, druckzeichen, marke);
        if (w.DrEinzelbahn) drucker().bahndruckVorWurf(bahn);
    }
    MonitorSpielerSenden(bahn);
    BahnwerteLoeschen(bahn);
}

void WurfNullWerten(int bahn)
{
    Buchung z;
    if (!BuchungVon(bahn, z)) return;
    TBahnDaten& b = *z.b;
    TWettkampfDaten& w = *z.w;
    const long t = b.WurfNr;
    Stelle s;
    if (!StelleVon(w, t, s) || !z.bild(t)) return;

    char& zeichen = Zeichenliste(b, s.abr).zeichen(s.k);
    const int c = std::max(Ziffer(zeichen), 0);
    // A throw with pins becomes a miss; a zero throw stays what it was.
    const bool fehler = c > 0 || AlsFehlerGebucht(zeichen, *z.art(t));
    *z.bild(t) = b.WurfBild;
    *z.art(t) = NullArt(b.WurfFlags, fehler);
    zeichen = '0';

    BahnHolzAddieren(b, s.abr, -c);
    z.holz(s.abr, -c);
    if (c > 0) {
        BahnFehlerAddieren(b, 1);
        z.fehler(1);
    }
    UebersichtSetzen(b, s, 'x');
    SpalteAddieren(b, s, -c);

    if (z.sv)
        SatzpunkteSenden(bahn);
    else
        MannschaftssummenAddieren(bahn, s.abr ? 2 : 1, 0, -c, c > 0 ? 1 : 0);
    BahnAnzeigenAktualisieren(bahn);
    KorrekturAnzeigeSenden(z, bahn);
    KorrekturDrucken(w, bahn, 'X');
    MonitorSpielerSenden(bahn);
}

void WurfWerten(int bahn)
{
    Buchung z;
    if (!BuchungVon(bahn, z)) return;
    TBahnDaten& b = *z.b;
    TWettkampfDaten& w = *z.w;
    const long t = b.WurfNr;
    Stelle s;
    if (!StelleVon(w, t, s) || !z.bild(t)) return;

    const char alt = Zeichenliste(b, s.abr).zeichen(s.k);
    const bool warFehler = AlsFehlerGebucht(alt, *z.art(t));
    const int pins = Pins(b);
    // The throw should have counted zero; pins it still carries are replaced.
    const int d = pins - std::max(Ziffer(alt), 0);
    // A throw that still counts no pins keeps its miss (or its lack of one).
    const bool fehlerWeg = warFehler && pins > 0;
    const bool fehler = warFehler && !fehlerWeg;
    b.WurfFlags = u16(b.WurfFlags & ~FlagNullOhneFehler);
    *z.bild(t) = b.WurfBild;
    *z.art(t) = pins > 0 ? b.WurfFlags : NullArt(b.WurfFlags, fehler);

    BahnHolzAddieren(b, s.abr, d);
    z.holz(s.abr, d);
    if (fehlerWeg) {
        BahnFehlerAddieren(b, -1);
        z.fehler(-1);
    }
    const char zeichen = char('0' + pins);
    DruckzeileSetzen(b, s);
    ZeichenSpeichern(b, s, zeichen);
    SpalteAddieren(b, s, d);

    if (z.sv)
        SatzpunkteSenden(bahn);
    else
        MannschaftssummenAddieren(bahn, s.abr ? 2 : 1, 0, d, fehlerWeg ? -1 : 0);
    BahnAnzeigenAktualisieren(bahn);
    KorrekturDrucken(w, bahn, fehler ? 'X' : zeichen);
    MonitorSpielerSenden(bahn);
}

void WurfUngueltigWerten(int bahn)
{
    Buchung z;
    if (!BuchungVon(bahn, z)) return;
    TBahnDaten& b = *z.b;
    TWettkampfDaten& w = *z.w;
    const long t = b.WurfNr;
    if (t < 1) return;
    const int art = Phase(w, t);

    WurfNrSetzen(b, t - 1);
    z.wuerfe(-1);
    RestNeuBerechnen(z);
    if (!z.sv) {
        MannschaftssummenAddieren(bahn, art, -1, 0, 0);
        BahnAnzeigenAktualisieren(bahn);
    }

    Stelle s;
    if (StelleVon(w, t, s) && z.bild(t)) {
        char& zeichen = Zeichenliste(b, s.abr).zeichen(s.k);
        const int c = Ziffer(zeichen);
        if (c >= 0) {
            const bool fehler = AlsFehlerGebucht(zeichen, *z.art(t));
            BahnHolzAddieren(b, s.abr, -c);
            z.holz(s.abr, -c);
            if (fehler) {
                BahnFehlerAddieren(b, -1);
                z.fehler(-1);
            }
            if (z.sv)
                SatzpunkteSenden(bahn);
            else
                MannschaftssummenAddieren(bahn, art, 0, -c, fehler ? -1 : 0);
            BahnAnzeigenAktualisieren(bahn);
            SpalteAddieren(b, s, -c);
        }
        // The throw is gone: no character, no words that mark it present.
        zeichen = 0;
        UebersichtSetzen(b, s, ' ');
        *z.bild(t) = 0;
        *z.art(t) = 0;
    }
    KorrekturAnzeigeSenden(z, bahn);
    MonitorSpielerSenden(bahn);
}

void SpielerVerwarnen(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& b = BahnDaten[bahn];
    TWettkampfDaten* w = b.Wettk;
    TSpielerEintrag* p = b.BahnSpieler;
    if (!w || !p) return;

    ++b.BahnVerwarnungen;
    ++p->VerwarnungAnzahl;
    if (p->VerwarnungAnzahl == 1) {
        p->VerwarnungText = "V";
    } else {
        p->VerwarnungText = "VV";
        b.BahnVerwarnungen = 2;
        p->VerwarnungAnzahl = 2;
    }
    w->Verwarnungen = 1;

    const int nr = SpielerNummer(*w, p);
    if (nr > 0) {
        const std::string platz = std::to_string(nr <= 8 ? nr : nr - 8);
        constexpr std::string_view kopf = "Verwarnung Spieler";
        for (Text<81>& zeile : Seite(*w, nr).Text) {
            if (zeile.leer()) {
                zeile = std::string(kopf) + " " + platz;
                break;
            }
            if (zeile.view().substr(0, kopf.size()) == kopf) {
                zeile = std::string(zeile.view()) + ", " + platz;
                break;
            }
        }
    }

    // The warning marks the last booked throw; without one it marks nothing.
    Buchung z;
    if (BuchungVon(bahn, z) && b.WurfNr >= 1 && z.art(b.WurfNr)) {
        b.WurfFlags |= FlagVerwarnung;
        *z.art(b.WurfNr) |= FlagVerwarnung;
    }

    if (Wurfblatt(*w, bahn)) {
        if (w->DrEinzelbahn) drucker().bahndruckVorWertung(bahn);
        if (w->DrZweiBahnen) drucker().bahndruckWurfzeile(bahn, b.WurfNr, 'V');
        if (w->DrZentral) drucker().bahndruckSummenzeile(bahn, b.WurfNr, ' ', 'V');
    }
}

void SpielerWechseln(int bahn, int ersatzNr)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& b = BahnDaten[bahn];
    TWettkampfDaten* w = b.Wettk;
    TSpielerEintrag* p = b.BahnSpieler;
    if (!w || !p || w->Streichspiel) return;
    const int nr = SpielerNummer(*w, p);
    if (nr == 0) return;
    // Slots 7 and 8 of the player's own side, each brought in once, and only
    // where the side does not start with them.
    const bool heim = nr <= 8;
    const int platz = heim ? ersatzNr : ersatzNr - 8;
    if (platz != 7 && platz != 8) return;
    if (platz <= w->Spieleranzahl) return;
    TMannschaftBlock& seite = heim ? w->Heim : w->Gast;
    u8& eingesetzt = platz == 7 ? seite.Ersatz7Eingesetzt : seite.Ersatz8Eingesetzt;
    TSpielerEintrag& e = w->Spieler[ersatzNr];
    TDurchgangBlock* block = Block(e, p->DurchgangNr);
    if (eingesetzt || &e == p || !block) return;

    p->Fertig = 1;
    fenster().spielerAktualisieren(MdiFenster::Wettkampf, nr);
    if (AnzeigeWettkampf == w) AnzeigefensterSpielerAktualisieren(nr);

    eingesetzt = 1;
    p->ErsetztDurch = u8(ersatzNr);
    e.Ersatz = u8(nr);
    e.IstHeim = p->IstHeim;
    e.DurchgangNr = p->DurchgangNr;
    e.AktDurchgang = block;
    block->Bahn = u8(bahn);
    e.Gestartet = 1;
    b.BahnSpieler = &e;
    b.SpielerNr = u8(ersatzNr);

    fenster().spielerAktualisieren(MdiFenster::Wettkampf, ersatzNr);
    if (AnzeigeWettkampf == w) AnzeigefensterSpielerAktualisieren(ersatzNr);

    if (b.BahnOnline) {
        const auto namen = CanRahmen::SpielerName(u8(ersatzNr), e.Name.c_str());
        for (const CanDaten& f : namen) CanNachrichtSenden(bahn, f);
        if (Einst.Bahnsteuerung == 0 && bahn != w->ErsteSpielbahn)
            for (const CanDaten& f : namen) CanNachrichtSenden(w->ErsteSpielbahn, f);
        CanNachrichtSenden(bahn, CanRahmen::Ersatzspieler(u8(ersatzNr)));
        CanNachrichtSenden(bahn, CanRahmen::Steuerbefehl(CanRahmen::BefehlVerwarnungLoeschen));
    }
    NamenanzeigeBahnAktualisieren(bahn);
    b.Ersatzwurf = 1;
}

// --- Corrections from the lane ---------------------------------------------------

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
        MonitorSpielerSenden(bahn);
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
        BahnAnzeigenAktualisieren(bahn);
    }
    MonitorSpielerSenden(bahn);
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
    MonitorSpielerSenden(bahn);
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
    if (Laeuft(*w, b) && BuchungVon(bahn, z) && !z.sv) {
        const int art = Phase(*w, b.WurfNr);
        HolzAddieren(*z.p, art == 2, d);
        HolzAddieren(*z.block, art == 2, d);
        MannschaftssummenAddieren(bahn, art, 0, int(d), 0);
        BahnAnzeigenAktualisieren(bahn);
    }
    b.WurfKorrigiert = 1;
    MonitorSpielerSenden(bahn);
}

// --- Sides, set points and refreshes ---------------------------------------------

void MannschaftssummenAddieren(int bahn, int art, int wuerfe, int holz, int fehler)
{
    if (!BahnDaten.contains(bahn)) return;
    TWettkampfDaten* w = BahnDaten[bahn].Wettk;
    const TSpielerEintrag* p = BahnDaten[bahn].BahnSpieler;
    if (!w || !p) return;
    TMannschaftBlock& x = p->IstHeim ? w->Heim : w->Gast;
    Addieren(x.Wuerfe, wuerfe, Form::Nullen4);
    Addieren(x.Total, holz, Form::Nullen4);
    if (art == 1) Addieren(x.Volle, holz, Form::Links4);
    if (art == 2) Addieren(x.Abr, holz, Form::Links4);
    Addieren(x.Fehler, fehler, Form::Links4);

    const long d = long(w->Heim.Total.Zahl) - long(w->Gast.Total.Zahl);
    Setzen(w->Heim.Plus, d >= 1 ? d : 0, Form::Nullen4);
    Setzen(w->Gast.Plus, d >= 1 ? 0 : -d, Form::Nullen4);
    SatzpunkteSenden(bahn);
}

void SatzpunkteSenden(int bahn)
{
    TWettkampfDaten* w = MatchDerBahn(bahn);
    if (!w || !w->Punktespiel) return;
    SatzVergleichen(bahn);
    if (!Einst.SaPWand) return;
    const int q = Partner(*w, bahn);
    for (int l : {bahn, q}) {
        if (l == 0) continue;
        if (const TSpielerEintrag* t = Ergebnistraeger(*w, BahnDaten[l].BahnSpieler))
            CanNachrichtSenden(l, CanRahmen::BahnanzeigeSatzpunkte(t->SaP));
    }
}

void BahnAnzeigenAktualisieren(int bahn)
{
    TWettkampfDaten* w = MatchDerBahn(bahn);
    if (!w) return;
    const int q = w->Punktespiel ? Partner(*w, bahn) : 0;

    MannschaftsanzeigeBahnAktualisieren(bahn);
    if (q) MannschaftsanzeigeBahnAktualisieren(q);
    bahnfenster().bahnsteuerungAktualisieren(bahn);
    bahnfenster().bahnuebersichtAktualisieren(bahn);
    if (q) bahnfenster().bahnuebersichtAktualisieren(q);
    bahnfenster().korrekturAktualisieren(bahn);

    // Lines of the lane's player, and in a points game of the duel's carriers.
    std::array<int, 3> nummern{};
    int anzahl = 0;
    auto merken = [&](const TSpielerEintrag* s) {
        const int nr = SpielerNummer(*w, s);
        if (nr && std::find(nummern.begin(), nummern.begin() + anzahl, nr) == nummern.begin() + anzahl)
            nummern[std::size_t(anzahl++)] = nr;
    };
    merken(BahnDaten[bahn].BahnSpieler);
    if (w->Punktespiel) {
        merken(Ergebnistraeger(*w, BahnDaten[bahn].BahnSpieler));
        if (q) merken(Ergebnistraeger(*w, BahnDaten[q].BahnSpieler));
    }
    if (w == AktWettkampf) {
        if (bahnfenster().ergebnistafelAktiv())
            for (int i = 0; i < anzahl; ++i) ErgebnistafelBahnAktualisieren(nummern[std::size_t(i)]);
        if (bahnfenster().spielberichtAktiv()) fenster().aktualisieren(MdiFenster::Spielbericht);
    }
    if (AnzeigeWettkampf == w)
        for (int i = 0; i < anzahl; ++i) AnzeigefensterSpielerAktualisieren(nummern[std::size_t(i)]);
}

void SatzVergleichen(int bahn)
{
    TWettkampfDaten* w = MatchDerBahn(bahn);
    if (!w) return;
    const int q = Partner(*w, bahn);
    if (!q) return;
    const u16 gl = BahnDaten[bahn].BahnGesamt;
    const u16 gq = BahnDaten[q].BahnGesamt;
    const f32 vl = gq > gl ? 0.0f : gq == gl ? 0.5f : 1.0f;
    const f32 vq = 1.0f - vl;

    if (w->SVictoryLaeuft) {
        if (TSuddenVictoryEintrag* e = SVEintrag(*w, bahn)) e->SaP = vl;
        if (TSuddenVictoryEintrag* e = SVEintrag(*w, q)) e->SaP = vq;
    } else if (const TSpielerEintrag* p = BahnDaten[bahn].BahnSpieler) {
        const long d = p->DurchgangNr;
        for (auto [l, v] : {std::pair{bahn, vl}, std::pair{q, vq}}) {
            TSpielerEintrag* t = Ergebnistraeger(*w, BahnDaten[l].BahnSpieler);
            if (TDurchgangBlock* blk = t ? Block(*t, d) : nullptr) blk->SaP = v;
        }
    }
    PunkteBerechnen(*w);
}

void SatzpunkteBerechnen(TWettkampfDaten& w)
{
    const int duelle = std::min<int>(w.Spieleranzahl, 8);
    const int runden = std::min<int>(w.Durchgaenge, MaxDurchgaenge);
    for (int i = 1; i <= duelle; ++i) {
        for (long d = 1; d <= runden; ++d) {
            long h = 0, g = 0;
            bool gespielt = false;
            for (TSpielerEintrag* s : Ersatzkette(w, &w.Spieler[i])) {
                h += s->Durchgang[d].Total.Zahl;
                gespielt = gespielt || s->Durchgang[d].Bahn != 0;
            }
            if (!gespielt && !w.Beendet) continue;
            for (TSpielerEintrag* s : Ersatzkette(w, &w.Spieler[i + 8])) g += s->Durchgang[d].Total.Zahl;
            const f32 vh = h < g ? 0.0f : h == g ? 0.5f : 1.0f;
            w.Spieler[i].Durchgang[d].SaP = vh;
            w.Spieler[i + 8].Durchgang[d].SaP = 1.0f - vh;
        }
    }
    PunkteBerechnen(w);
}

void PunkteBerechnen(TWettkampfDaten& w)
{
    if (w.SVictoryLaeuft) {
        f32 heim = 0, gast = 0;
        for (auto& zeile : w.SVictoryTabelle) {
            if (!zeile.contains(w.SVictoryRunde)) continue;
            const TSuddenVictoryEintrag& e = zeile[w.SVictoryRunde];
            (e.SpielerNr <= 8 ? heim : gast) += e.SaP;
        }
        w.SVictoryHeimSaP = heim;
        w.SVictoryGastSaP = gast;
        return;
    }

    const int duelle = std::min<int>(w.Spieleranzahl, 8);
    const int runden = std::min<int>(w.Durchgaenge, MaxDurchgaenge);
    f32 sapHeim = 0, sapGast = 0, mapHeim = 0, mapGast = 0;
    for (int i = 1; i <= duelle; ++i) {
        TSpielerEintrag& h = w.Spieler[i];
        TSpielerEintrag& g = w.Spieler[i + 8];
        f32 sh = 0, sg = 0;
        for (long d = 1; d <= runden; ++d) {
            // A round that neither side won counts as level at the end.
            if (w.Beendet && h.Durchgang[d].SaP == 0 && g.Durchgang[d].SaP == 0)
                h.Durchgang[d].SaP = g.Durchgang[d].SaP = 0.5f;
            sh += h.Durchgang[d].SaP;
            sg += g.Durchgang[d].SaP;
        }
        h.SaP = sh;
        g.SaP = sg;
        sapHeim += sh;
        sapGast += sg;
        if (!h.Gestartet && !h.Fertig && !w.Beendet) continue;

        f32 mh = 0.5f;
        if (sh != sg) {
            mh = sh > sg ? 1.0f : 0.0f;
        } else {
            long ph = 0, pg = 0;
            for (TSpielerEintrag* s : Ersatzkette(w, &h)) ph += s->Total.Zahl;
            for (TSpielerEintrag* s : Ersatzkette(w, &g)) pg += s->Total.Zahl;
            if (ph != pg) mh = ph > pg ? 1.0f : 0.0f;
        }
        h.MaP = mh;
        g.MaP = 1.0f - mh;
        mapHeim += h.MaP;
        mapGast += g.MaP;
    }
    w.Heim.SaP = sapHeim;
    w.Gast.SaP = sapGast;
    w.Heim.MaP = mapHeim;
    w.Gast.MaP = mapGast;
    const u16 th = w.Heim.Total.Zahl;
    const u16 tg = w.Gast.Total.Zahl;
    w.Heim.ErgebnisMaP = th > tg ? 2.0f : th == tg ? 1.0f : 0.0f;
    w.Gast.ErgebnisMaP = 2.0f - w.Heim.ErgebnisMaP;
    w.Heim.TotalMaP = w.Heim.MaP + w.Heim.ErgebnisMaP;
    w.Gast.TotalMaP = w.Gast.MaP + w.Gast.ErgebnisMaP;
}

void TabellenpunkteBerechnen(TWettkampfDaten& w)
{
    const long vorHeim = u16(w.Heim.VorTaP);
    const long vorGast = u16(w.Gast.VorTaP);
    long heim = vorHeim + 1, gast = vorGast + 1;
    if (w.Heim.TotalMaP > w.Gast.TotalMaP) {
        heim = vorHeim + 2;
        gast = vorGast;
    } else if (w.Heim.TotalMaP < w.Gast.TotalMaP) {
        heim = vorHeim;
        gast = vorGast + 2;
    }
    // A two-leg tie goes by the set points of both legs.
    if ((w.SVictory1Spiel || w.SVictory2Spiele) && heim == gast) {
        const f32 sh = w.Heim.SaP + w.Heim.VorSaP;
        const f32 sg = w.Gast.SaP + w.Gast.VorSaP;
        heim = sh > sg ? 2 : sh < sg ? 0 : 1;
        gast = 2 - heim;
    }
    w.Heim.TaP = std::to_string(heim);
    w.Gast.TaP = std::to_string(gast);
}

void MannschaftssummenBilden(TWettkampfDaten& w)
{
    for (int seite = 0; seite < 2; ++seite) {
        TMannschaftBlock& x = seite == 0 ? w.Heim : w.Gast;
        long volle = 0, abr = 0, fehler = 0, total = 0;
        for (int n = 1; n <= 8; ++n) {
            const TSpielerEintrag& s = w.Spieler[n + 8 * seite];
            if (s.Wertung != 1) continue;
            volle += s.Volle.Zahl;
            abr += s.Abr.Zahl;
            fehler += s.Fehler.Zahl;
            total += s.Total.Zahl;
        }
        Setzen(x.Volle, volle, Form::Links4);
        Setzen(x.Abr, abr, Form::Links4);
        Setzen(x.Fehler, fehler, Form::Links4);
        Setzen(x.Total, total, Form::Nullen4);
        Setzen(x.Wuerfe, x.Wuerfe.Zahl, Form::Nullen4);
    }
    // The lead follows the rebuilt totals.
    const long d = long(w.Heim.Total.Zahl) - long(w.Gast.Total.Zahl);
    Setzen(w.Heim.Plus, d >= 1 ? d : 0, Form::Nullen4);
    Setzen(w.Gast.Plus, d >= 1 ? 0 : -d, Form::Nullen4);
    MannschaftsanzeigeBahnAktualisieren(w.ErsteSpielbahn);
    MannschaftsanzeigeBahnAktualisieren(w.ErsteSpielbahn + 1);
}

void SpielerplatzierungBerechnen(TWettkampfDaten& w)
{
    if (PlatzierungGesperrt) return;
    // Pins first, then Abräumen pins, then fewer misses; nothing thrown is 0.
    auto schluessel = [](const TSpielerEintrag& s) -> qint64 {
        const qint64 k = (qint64(s.Total.Zahl) << 20) + (qint64(s.Abr.Zahl) << 8) + (200 - qint64(s.Fehler.Zahl));
        return k == 200 ? 0 : k;
    };
    for (int versatz : {0, 8}) {
        if (w.Streichspiel) {
            for (int i = 1; i <= 8; ++i) {
                const TSpielerEintrag& s = w.Spieler[i + versatz];
                Paare[i] = {s.Wertung == 0 ? 0 : schluessel(s), i + versatz};
            }
            PaareSortieren(1, 8);
            for (int platz = 1; platz <= 8; ++platz) {
                TSpielerEintrag& s = w.Spieler[Paare[platz].Wert];
                s.Platz = u8(platz);
                if (platz >= 7) s.Wertung = 0;
            }
        } else {
            for (int i = 1; i <= 6; ++i) {
                qint64 k = 0;
                for (TSpielerEintrag* s : Ersatzkette(w, &w.Spieler[i + versatz])) k += schluessel(*s);
                Paare[i] = {k, i + versatz};
            }
            PaareSortieren(1, 6);
            for (int platz = 1; platz <= 6; ++platz) w.Spieler[Paare[platz].Wert].Platz = u8(platz);
            for (int i : {7, 8}) {
                TSpielerEintrag& s = w.Spieler[i + versatz];
                if (!s.Ersatz) continue;
                if (const TSpielerEintrag* t = Ergebnistraeger(w, &s); t && t != &s) s.Platz = t->Platz;
            }
        }
    }
    if (w.Streichspiel) {
        // The points follow the struck totals.
        MannschaftssummenBilden(w);
        PunkteBerechnen(w);
    }
}
