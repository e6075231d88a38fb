#include "match/engine/Wertung.h"

#include "core/Anzeigedienste.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/engine/Buchung.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Nachbuchung.h"
#include "match/flow/Spielbahnen.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

using namespace Buchen;

// --- Players and lanes of a match ------------------------------------------------

int SpielerNummer(const TWettkampfDaten& w, const TSpielerEintrag* spieler)
{
    const long n = w.Spieler.indexOf(spieler);
    return w.Spieler.contains(n) ? int(n) : 0;
}

// --- Throw booking -------------------------------------------------------------

void BahnwerteLoeschen(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    l.ZeitGeaendert = 0;
    l.WurfOffen = 0;
    l.Ersatzwurf = 0;
    l.WurfKorrigiert = 0;
    l.FehlwurfHolz = 0;
}

void WurfUmbuchen(int bahn, const Buchung& z, const Stelle& s, const Wurfwert& alt, const Wurfwert& neu, int wuerfe)
{
    TBahnDaten& b = *z.b;
    const int holz = neu.holz - alt.holz;
    const int fehler = int(neu.fehler) - int(alt.fehler);
    if (wuerfe) z.wuerfe(wuerfe);
    if (holz) {
        BahnHolzAddieren(b, s.abr, holz);
        z.holz(s.abr, holz);
        SpalteAddieren(b, s, holz);
    }
    if (fehler) {
        BahnFehlerAddieren(b, fehler);
        z.fehler(fehler);
    }
    if (z.sv)
        SatzpunkteSenden(bahn);
    else
        MannschaftssummenAddieren(bahn, s.abr ? 2 : 1, wuerfe, holz, fehler);
}

void WurfAbschliessen(int bahn)
{
    const auto o = WurfbuchungVon(bahn, 1);
    if (!o) {
        // No booking, or beyond the part (or the sudden-victory round): dropped.
        BahnwerteLoeschen(bahn);
        return;
    }
    const auto& [z, t, s] = *o;
    TBahnDaten& b = *z.b;
    TWettkampfDaten& w = *z.w;
    TSpielerEintrag& p = *z.p;

    if (p.Wurf.Zahl == 0) p.Volle.Text = p.Abr.Text = p.Fehler.Text = "  0";
    WurfNrSetzen(b, t);

    const int pins = Pins(b);
    const bool fehler = pins == 0 && !b.FehlwurfHolz;
    *z.bild(t) = b.WurfBild;
    *z.art(t) = pins > 0 ? u16(b.WurfFlags & ~WurfartFehlwurfHolz) : NullArt(b.WurfFlags, fehler);
    if (!z.sv && Einst.WurfzeitBahn) z.block->Bahnzeit = b.BahnWurfzeit;
    RestSetzen(b, long(b.WuerfeRestDruck.Zahl) - 1);
    if (!z.sv && b.WuerfeRestDruck.Zahl == 0 && t == w.Volle) RestSetzen(b, w.Abraeumen);

    char marke = 0;
    if (b.Ersatzwurf) marke = 'E';
    if (b.WurfKorrigiert) marke = 'K';
    if (b.WurfFlags & WurfartZeitGeaendert) marke = 'Z';
    if (b.WurfFlags & WurfartUebertritt) {
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
    WurfUmbuchen(bahn, z, s, {}, {pins, fehler}, 1);

    NachBuchung(bahn, {.anzeigen = true, .druck = Buchungsfolgen::Druck::Wurf, .zeichen = druckzeichen, .marke = marke});
    BahnwerteLoeschen(bahn);
}

void WurfNullWerten(int bahn)
{
    const auto o = WurfbuchungVon(bahn, 0);
    if (!o) return;
    const auto& [z, t, s] = *o;
    TBahnDaten& b = *z.b;

    char& zeichen = Zeichenliste(b, s.abr).zeichen(s.k);
    const Wurfwert alt = Gebucht(zeichen, *z.art(t));
    // A throw with pins becomes a miss; a zero throw stays what it was.
    const Wurfwert neu{0, alt.holz > 0 || alt.fehler};
    *z.bild(t) = b.WurfBild;
    *z.art(t) = NullArt(b.WurfFlags, neu.fehler);
    zeichen = '0';
    UebersichtSetzen(b, s, 'x');
    WurfUmbuchen(bahn, z, s, alt, neu);

    NachBuchung(bahn, {.anzeigen = true,
                       .korrekturAnzeige = true,
                       .druck = Buchungsfolgen::Druck::Nachtrag,
                       .zeichen = 'X',
                       .marke = 'K'});
}

void WurfWerten(int bahn)
{
    const auto o = WurfbuchungVon(bahn, 0);
    if (!o) return;
    const auto& [z, t, s] = *o;
    TBahnDaten& b = *z.b;

    const Wurfwert alt = Gebucht(Zeichenliste(b, s.abr).zeichen(s.k), *z.art(t));
    // The throw should have counted zero; pins it still carries are replaced.
    // A throw that still counts no pins keeps its miss (or its lack of one).
    const int pins = Pins(b);
    const Wurfwert neu{pins, alt.fehler && pins == 0};
    b.WurfFlags = u16(b.WurfFlags & ~WurfartFehlwurfHolz);
    *z.bild(t) = b.WurfBild;
    *z.art(t) = pins > 0 ? b.WurfFlags : NullArt(b.WurfFlags, neu.fehler);
    const char zeichen = char('0' + pins);
    DruckzeileSetzen(b, s);
    ZeichenSpeichern(b, s, zeichen);
    WurfUmbuchen(bahn, z, s, alt, neu);

    NachBuchung(bahn, {.anzeigen = true,
                       .druck = Buchungsfolgen::Druck::Nachtrag,
                       .zeichen = neu.fehler ? 'X' : zeichen,
                       .marke = 'K'});
}

void WurfUngueltigWerten(int bahn)
{
    Buchung z;
    if (!BuchungVon(bahn, z)) return;
    TBahnDaten& b = *z.b;
    const long t = b.WurfNr;
    if (t < 1) return;

    WurfNrSetzen(b, t - 1);
    z.wuerfe(-1);
    RestNeuBerechnen(z);
    if (!z.sv) {
        MannschaftssummenAddieren(bahn, Phase(*z.w, t), -1, 0, 0);
        BahnAnzeigenAktualisieren(bahn);
    }

    Stelle s;
    if (z.stelle(t, s)) {
        char& zeichen = Zeichenliste(b, s.abr).zeichen(s.k);
        if (Ziffer(zeichen) >= 0) {
            WurfUmbuchen(bahn, z, s, Gebucht(zeichen, *z.art(t)), {});
            BahnAnzeigenAktualisieren(bahn);
        }
        // The throw is gone: no character, no words that mark it present.
        zeichen = 0;
        UebersichtSetzen(b, s, ' ');
        *z.bild(t) = 0;
        *z.art(t) = 0;
    }
    NachBuchung(bahn, {.korrekturAnzeige = true});
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
        b.WurfFlags |= WurfartVerwarnung;
        *z.art(b.WurfNr) |= WurfartVerwarnung;
    }

    NachBuchung(bahn, {.druck = Buchungsfolgen::Druck::Nachtrag,
                       .zeichen = ' ',
                       .marke = 'V',
                       .zeilenzeichen = 'V',
                       .monitor = false});
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

// --- Sides and set points -----------------------------------------------------------

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
    TWettkampfDaten* w = WettkampfDerBahn(bahn);
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

void SatzVergleichen(int bahn)
{
    TWettkampfDaten* w = WettkampfDerBahn(bahn);
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
