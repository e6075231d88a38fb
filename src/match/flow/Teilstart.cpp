// The start of a lane's part: the first start in a round, the rebuild of a
// part the program takes over, the continuation, the cleared lane texts.
#include "match/flow/Bahnzyklus.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/bus/CanFrames.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Wertung.h"
#include "match/flow/BahnzyklusIntern.h"
#include "match/flow/Spielbahnen.h"
#include "match/lanes/Bahnfenster.h"
#include "match/print/Druckdienste.h"

#include <algorithm>
#include <bit>

namespace {

using namespace BahnzyklusIntern;
using namespace CanRahmen;

int Summe(const Ersatzkette& k, auto feld)
{
    int n = 0;
    for (int i = 0; i < k.anzahl; ++i) n += int(feld(*k.s[std::size_t(i)]));
    return n;
}

void RestDruckSetzen(TBahnDaten& l, int rest)
{
    l.WuerfeRestDruck.Zahl = u8(std::clamp(rest, 0, 255));
    ZahlMitNullen(l.WuerfeRestDruck.Text, l.WuerfeRestDruck.Zahl, 3);
}

// The running total on the lane: the player's pins and those of the players
// he replaced.
void BahnTotalSetzen(TWettkampfDaten& m, TBahnDaten& l, TSpielerEintrag& p)
{
    l.BahnTotal = u16(Summe(Vorgaenger(m, &p), [](const TSpielerEintrag& s) { return s.Total.Zahl; }));
    BahnTexteBilden(l);
}

int Fehlersumme(TWettkampfDaten& m, TSpielerEintrag& p)
{
    return Summe(Vorgaenger(m, &p), [](const TSpielerEintrag& s) { return s.Fehler.Zahl; });
}

void HeimSetzen(TWettkampfDaten& m, int bahn, TSpielerEintrag& p)
{
    const int nr = m.Bahnbelegung[bahn];
    if (GueltigerSpieler(nr)) p.IstHeim = nr <= 8 ? 1 : 0;
}

float DuellSatzpunkte(TWettkampfDaten& m, TSpielerEintrag& p)
{
    const TSpielerEintrag* t = Ergebnistraeger(m, &p);
    return t ? t->SaP : 0.0f;
}

void OptionenSenden(const TWettkampfDaten& m, int bahn)
{
    if (m.Uebertritt == 1) Senden(bahn, Steuerbefehl(BefehlUebertrittWert));
    if (m.Durchlaeufer == 1) Senden(bahn, Steuerbefehl(BefehlDurchlaeufer));
}

void SpielstartSenden(const TWettkampfDaten& m, int bahn, bool heim)
{
    if (Modus() == 1)
        Senden(bahn, DurchgangStart(u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit), heim));
    else if (Modus() == 2)
        Senden(bahn, Startblock(0, 0, u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit)));
}

void ProbestartSenden(const TWettkampfDaten& m, int bahn, bool heim)
{
    if (Modus() == 1)
        Senden(bahn, m.Probewuerfe ? ProbeWuerfe(m.Probewuerfe, heim) : ProbeMinuten(m.Probezeit, heim));
    else if (Modus() == 2)
        Senden(bahn, Startblock(m.Probezeit, m.Probewuerfe, u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit)));
}

// The start of a part with or without practice, by the match's practice kind.
void TeilstartSenden(const TWettkampfDaten& m, TBahnDaten& l, int bahn, bool heim)
{
    l.ProbeLaeuft = m.Probe != 0 ? 1 : 0;
    if (!l.BahnOnline) return;
    if (l.ProbeLaeuft)
        ProbestartSenden(m, bahn, heim);
    else
        SpielstartSenden(m, bahn, heim);
    if (Modus() != 0) OptionenSenden(m, bahn);
}

void BlockBeginnen(TSpielerEintrag& p, int bahn)
{
    TDurchgangBlock& b = p.Durchgang[BlockNr(p)];
    p.AktDurchgang = &b;
    b.Bahn = u8(bahn);
    b.Bahnzeit = 0;
}

// The sheet heads at the start of a part.
void KopfDrucken(const TWettkampfDaten& m, int bahn)
{
    if (!WurfblattDruckt(m, bahn)) return;
    DruckDienste& d = drucker();
    if (m.DrEinzelbahn) {
        d.bahndruckVorStart(bahn);
        d.bahndruckNachStart(bahn);
    }
    d.druckspalteBestimmen(bahn);
    if (m.DrZweiBahnen) {
        if (bahn % 2 == 1 && m.Durchgang % 2 == 1) d.bahndruckKopf(bahn);
        d.bahndruckSpielerKopf(bahn);
    }
    if (m.DrZentral) {
        if (bahn == m.ErsteSpielbahn) {
            const bool sparen = m.LetzteSpielbahn - m.ErsteSpielbahn + 1 == 2 && m.DrSparmodus;
            if (sparen && m.Durchgang % 2 == 0)
                d.bahndruckVorschub(bahn);
            else
                d.bahndruckKopfStart(bahn);
        }
        d.bahndruckSpielerStart(bahn);
    }
}

// Windows, sheet heads and displays after a lane started or resumed its part.
void TeilstartAnzeigen(TWettkampfDaten& m, int bahn)
{
    const TBahnDaten& l = BahnDaten[bahn];
    const bool aktuell = &m == AktWettkampf;
    bahnfenster().bahnuebersichtAktualisieren(bahn);
    if (aktuell) fenster().spielerAktualisieren(MdiFenster::Wettkampf, l.SpielerNr);
    KopfDrucken(m, bahn);
    if (aktuell) fenster().aktualisieren(MdiFenster::Wettkampf);
    m.Spielphase = l.ProbeLaeuft ? PhaseProbe : PhaseSpiel;
    if (bahn == m.ErsteSpielbahn) MannschaftsanzeigenAktualisieren(m);
    NamenanzeigeBahnAktualisieren(bahn);
    AnzeigefensterSpielerAktualisieren(l.SpielerNr);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
}

// The pins a stored throw counts: a count entered without a picture, or the
// felled pins; zero for a throw booked as counting zero.
int GezaehlteHolz(u16 wurfbild, u16 wurfart)
{
    if (wurfart & (WurfartNull | WurfartNullGewertet | WurfartFehlwurfHolz)) return 0;
    if (wurfbild & WurfbildZahlEingabe) return std::min(wurfbild & 0x0F, 9);
    return std::popcount(unsigned(wurfbild & WurfbildKegelMaske));
}

TextZahl<3, u8>& Spalte(TBahnDaten& l, int k)
{
    return k <= 10 ? l.Spalte1 : k <= 20 ? l.Spalte2 : l.Spalte3;
}

// Puts the pin digit of throw k of a phase into the lane's texts; a throw
// whose pins are not known (holz < 0) is marked 'k' and adds nothing.
void WurfEintragen(TBahnDaten& l, bool volle, int k, int holz)
{
    const char ziffer = holz < 0 ? 'k' : char('0' + holz);
    if (k <= MaxPhasenWuerfe) {
        auto& text = volle ? l.WurfHolzVolle : l.WurfHolzAbraeumen;
        text.zeichen(k) = ziffer;
        text.zeichen(k + 1) = 0;
    }
    if (k <= 25) l.TextName1[volle ? 1 : 2].marke(k) = holz ? ziffer : 'x';
    if (volle && k <= 25 && holz > 0) {
        TextZahl<3, u8>& s = Spalte(l, k);
        s.Zahl = u8(s.Zahl + holz);
        ZahlMitNullen(s.Text, s.Zahl, 2);
    }
}

}  // namespace

void BahnStarten(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (!l.Wettk) return;
    TWettkampfDaten& m = *l.Wettk;
    if (g_unvorbereitet[bahn]) {
        // Given up before its preparation: the lane sits this round out;
        // when no lane of the round plays, the round is over.
        ZurueckgehalteneVerwerfen(bahn);
        const Bahnbereich b = BahnenVon(m);
        bool wartet = false;
        for (int k = b.erste; k <= b.letzte; ++k) wartet = wartet || (StartMaske & BahnBit(k));
        if (!wartet && m.Gestartet && RundeVorbei(m)) RundeWechseln(m, bahn);
        return;
    }
    if (!l.BahnSpieler) return;
    TSpielerEintrag& p = *l.BahnSpieler;

    g_teilRunde[bahn] = m.Durchgang;
    l.BahnendeZaehler = 0;
    l.BahnWurfzeit = i32(m.Wurfzeit) * 10;
    m.BahnImSpiel[bahn] = 1;
    l.BahnStatus = 2;
    l.WurfGedruckt.fill(0);
    if (l.Wiederherstellen) {
        BahnWiederherstellen(bahn);
        return;
    }

    RestDruckSetzen(l, m.Volle);
    l.TeilBeendet = 0;
    HeimSetzen(m, bahn, p);
    BahnTotalSetzen(m, l, p);
    const bool heim = p.IstHeim != 0;
    const bool aktiv = l.BahnOnline && Modus() != 0;

    if (m.SVictoryLaeuft) {
        const long zeile = long(bahn) - m.ErsteSpielbahn + 1;
        const bool imPlan = m.SVictoryTabelle.contains(zeile) && m.SVictoryRunde >= 1 && m.SVictoryRunde <= MaxSVRunden;
        if (imPlan) m.SVictoryTabelle[zeile][m.SVictoryRunde].SpielerNr = l.SpielerNr;
        if (aktiv) {
            Senden(bahn, DurchgangStart(u8(m.SVictoryWuerfe), 0, u8(m.Wurfzeit), false));
            OptionenSenden(m, bahn);
            Senden(bahn, BahnanzeigeWert(AnzSumme, 0));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (Einst.SaPWand)
                Senden(bahn, BahnanzeigeSatzpunkte(imPlan ? m.SVictoryTabelle[zeile][m.SVictoryRunde].SaP : 0.0f));
        }
    } else if (p.Gestartet) {
        // A further round; a fifth round of an own plan stays in the last block.
        p.DurchgangNr = u8(std::min<int>(p.DurchgangNr + 1, MaxDurchgaenge));
        BlockBeginnen(p, bahn);
        if (l.BahnOnline) SpielstartSenden(m, bahn, heim);
        if (aktiv) {
            OptionenSenden(m, bahn);
            Senden(bahn, BahnanzeigeWert(AnzSumme, l.BahnTotal));
            if (Einst.Wurffehler) Senden(bahn, BahnanzeigeWert(AnzFehler, Fehlersumme(m, p)));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (m.Punktespiel && Einst.SaPWand) Senden(bahn, BahnanzeigeSatzpunkte(DuellSatzpunkte(m, p)));
        }
    } else {
        p.Gestartet = 1;
        p.DurchgangNr = 1;
        BlockBeginnen(p, bahn);
        TeilstartSenden(m, l, bahn, heim);
    }

    l.BahnGestoppt = 0;
    l.TeilLaeuft = 1;
    l.BahnGestartet = 1;
    TeilstartAnzeigen(m, bahn);
}

int TeilRunde(int bahn) { return GueltigeBahn(bahn) ? g_teilRunde[bahn] : 0; }

void BahnWiederherstellen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (!l.Wettk || !l.BahnSpieler) return;
    TWettkampfDaten& m = *l.Wettk;
    TSpielerEintrag& p = *l.BahnSpieler;

    // The part's throws are the last ones of the starting player and his
    // substitutes, in the order they played; the lane may already carry the
    // substitute, so the chain is taken from the starting player.
    const Ersatzkette zurueck = Vorgaenger(m, &p);
    const Ersatzkette kette = Nachfolger(m, zurueck.s[std::size_t(zurueck.anzahl - 1)]);
    const int n = Summe(kette, [](const TSpielerEintrag& s) { return s.Wurf.Zahl; });
    const int proTeil = m.Volle + m.Abraeumen;
    const int anzahl = proTeil > 0 ? std::min(n % proTeil, MaxWuerfe) : 0;  // nothing to rebuild without throws

    BahnanzeigeLoeschen(bahn);
    Array1<u16, MaxWuerfe> bild;
    Array1<u16, MaxWuerfe> art;
    bool bekannt = false;  // a throw with its picture
    for (int i = 1; i <= anzahl; ++i) {
        // Which record threw it: its place among all throws of the chain.
        int platz = n - anzahl + i;
        int r = 0;
        while (r < kette.anzahl - 1 && platz > kette.s[std::size_t(r)]->Wurf.Zahl)
            platz -= kette.s[std::size_t(r++)]->Wurf.Zahl;
        const TSpielerEintrag& s = *kette.s[std::size_t(r)];
        const TDurchgangBlock& b = s.Durchgang[BlockNr(s)];
        bild[i] = b.Wurfbild[i];
        art[i] = b.Wurfart[i];

        ++l.WurfNr;
        const bool volle = l.WurfNr <= m.Volle;
        const int k = volle ? l.WurfNr : l.WurfNr - m.Volle;
        if (!(bild[i] & WurfbildVorhanden)) {
            // A throw the lane counted before the hand-over: no picture here.
            WurfEintragen(l, volle, k, -1);
            continue;
        }
        bekannt = true;
        const int holz = GezaehlteHolz(bild[i], art[i]);
        l.BahnGesamt = u16(l.BahnGesamt + holz);
        if (volle)
            l.BahnVolle = u16(l.BahnVolle + holz);
        else
            l.BahnAbraeumen = u16(l.BahnAbraeumen + holz);
        if (holz == 0 && !(art[i] & WurfartFehlwurfHolz)) ++l.BahnFehler;
        WurfEintragen(l, volle, k, holz);
    }
    if (anzahl > 0 && !bekannt) {
        // A part handed over by the lane: its counters came with the hand-over.
        const TDurchgangBlock& b = p.Durchgang[BlockNr(p)];
        l.BahnVolle = b.Volle.Zahl;
        l.BahnAbraeumen = b.Abr.Zahl;
        l.BahnFehler = u8(std::min<int>(b.Fehler.Zahl, 255));
        l.BahnGesamt = u16(l.BahnVolle + l.BahnAbraeumen);
    }
    if (anzahl > 0) ZahlRechtsbuendig(l.TextWurfNr, l.WurfNr, 3);
    const int rest = l.WurfNr < m.Volle ? m.Volle - l.WurfNr : proTeil - l.WurfNr;

    RestDruckSetzen(l, rest);
    l.TeilBeendet = 0;
    HeimSetzen(m, bahn, p);
    BahnTotalSetzen(m, l, p);
    p.Gestartet = 1;
    p.DurchgangNr = u8(BlockNr(p));
    p.AktDurchgang = &p.Durchgang[p.DurchgangNr];
    p.AktDurchgang->Bahn = u8(bahn);
    SatzpunkteSenden(bahn);

    const bool heim = p.IstHeim != 0;
    if (m.Probe == 0) {
        l.ProbeLaeuft = 0;
        if (l.BahnOnline) SpielstartSenden(m, bahn, heim);
        if (l.BahnOnline && Modus() != 0) {
            OptionenSenden(m, bahn);
            if (Einst.WurfzeitBahn) Senden(bahn, Bahnzeit(u16(l.BahnWurfzeit)));
            Senden(bahn, BahnanzeigeWert(AnzWurfNr, l.WurfNr));
            Senden(bahn, BahnanzeigeWert(AnzHolz, l.BahnGesamt));
            Senden(bahn, BahnanzeigeWert(AnzSumme, l.BahnTotal));
            const int nr = SpielerNummer(m, &p);
            Senden(bahn, BahnanzeigeTeilwert(u8(nr > 8 ? nr - 8 : nr)));
            Senden(bahn, BahnanzeigeWert(AnzRestPhase, rest));
            Senden(bahn, BahnanzeigeWert(AnzFehler, Einst.Wurffehler ? Fehlersumme(m, p) : l.BahnFehler));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (m.Punktespiel && Einst.SaPWand) Senden(bahn, BahnanzeigeSatzpunkte(DuellSatzpunkte(m, p)));
            if (l.WurfNr > m.Volle && bekannt) {
                // The pins down in the current rack: back to the last new rack.
                u16 maske = 0;
                for (int i = l.WurfNr; i > m.Volle; --i) {
                    if (art[i] & WurfartNeuesBild) break;
                    if (!(bild[i] & WurfbildZahlEingabe)) maske |= bild[i] & WurfbildKegelMaske;
                }
                Senden(bahn, Modus() == 1 ? KegelbildAnzeigen(maske) : KegelbildZustand(maske));
            }
        }
    } else {
        TeilstartSenden(m, l, bahn, heim);
    }

    l.TeilLaeuft = 1;
    l.BahnGestartet = 1;
    l.BahnGestoppt = 0;
    TeilstartAnzeigen(m, bahn);
}

void BahnFortsetzen(int bahn)
{
    if (!GueltigeBahn(bahn) || !BahnDaten[bahn].Wettk) return;
    TBahnDaten& l = BahnDaten[bahn];
    TWettkampfDaten& m = *l.Wettk;
    l.TeilBeendet = 0;
    l.BahnGestartet = 1;
    l.TeilLaeuft = 1;
    l.BahnStatus = 2;
    m.BahnImSpiel[bahn] = 1;
    m.Spielphase = PhaseSpiel;
    if (l.BahnSpieler) l.BahnSpieler->Fertig = 0;
    AnzeigefensterSpielerAktualisieren(l.SpielerNr);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
    NamenanzeigeBahnAktualisieren(bahn);
    bahnfenster().bahnuebersichtAktualisieren(bahn);
}

void BahnanzeigeLoeschen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    for (TWurfMarken& t : l.TextName1) t.leeren();
    for (TextZahl<3, u8>* s : {&l.Spalte1, &l.Spalte2, &l.Spalte3}) {
        s->Text = "  ";
        s->Zahl = 0;
    }
    l.TextWurfNr = " 0";
    l.WurfHolzVolle.leeren();
    l.WurfHolzAbraeumen.leeren();
    l.BahnVolle = 0;
    l.BahnAbraeumen = 0;
    l.BahnFehler = 0;
    l.BahnGesamt = 0;
    l.WurfNr = 0;
    ZahlRechtsbuendig(l.TextVolle, 0, 3);
    ZahlRechtsbuendig(l.TextAbraeumen, 0, 3);
    ZahlRechtsbuendig(l.TextFehler, 0, 3);
    ZahlRechtsbuendig(l.TextGesamt, 0, 3);
    BahnwerteLoeschen(bahn);
    l.BahnVerwarnungen = 0;
    l.WurfKorrigiert = 0;
    l.DruckAbschnitt = 0;
}
