#include "match/engine/Nachbuchung.h"

#include "core/Anzeigedienste.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnfenster.h"
#include "match/engine/Buchung.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Ersatzkette.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"

#include <algorithm>
#include <array>

namespace {

// The lane display after a correction (the controller keeps its own count
// only for normal throws).
void KorrekturAnzeigeSenden(const Buchen::Buchung& z, int bahn)
{
    const TBahnDaten& b = *z.b;
    const TWettkampfDaten& w = *z.w;
    if (Einst.Bahnsteuerung == 0 || !b.BahnOnline) return;
    using namespace CanRahmen;
    const int nr = b.WurfNr;
    for (const CanDaten& f : Korrekturziffern(w, nr, b.BahnGesamt, b.BahnTotal, AngezeigteFehler(z)))
        CanNachrichtSenden(bahn, f);
    if (z.sv || nr <= w.Volle) return;
    // Pins down on the current rack: back to the last cleared rack. Count
    // entries carry a number, not pins.
    u16 maske = 0;
    for (long t = nr; t > w.Volle; --t) {
        const u16* art = z.art(t);
        const u16* bild = z.bild(t);
        if (!art || !bild || (*art & WurfartNeuesBild)) break;
        if (!(*bild & WurfbildZahlEingabe)) maske |= u16(*bild & WurfbildKegelMaske);
    }
    CanNachrichtSenden(bahn, KegelbildAnzeigen(maske));
}

void Drucken(int bahn, const Buchungsfolgen& f)
{
    const TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (f.druck == Buchungsfolgen::Druck::Nichts || !w || !WurfblattDruckt(*w, bahn)) return;
    if (f.druck == Buchungsfolgen::Druck::Wurf) {
        if (w->DrZweiBahnen) drucker().bahndruckWurf(bahn, f.zeichen, f.marke);
        if (w->DrZentral) drucker().bahndruckAbschnitt(bahn, f.zeichen, f.marke);
        if (w->DrEinzelbahn) drucker().bahndruckVorWurf(bahn);
        return;
    }
    const int nr = BahnDaten[bahn].WurfNr;
    if (w->DrEinzelbahn) drucker().bahndruckVorWertung(bahn);
    if (w->DrZweiBahnen) drucker().bahndruckWurfzeile(bahn, nr, f.zeilenzeichen ? f.zeilenzeichen : f.zeichen);
    if (w->DrZentral) drucker().bahndruckSummenzeile(bahn, nr, f.zeichen, f.marke);
}

}  // namespace

std::array<CanDaten, 6> Korrekturziffern(const TWettkampfDaten& w, int nr, int gesamt, int total, int fehler)
{
    using namespace CanRahmen;
    const int teil = (w.SVictoryLaeuft ? int(w.SVictoryWuerfe) : w.Volle + w.Abraeumen) - nr;
    const int phase = w.SVictoryLaeuft || nr >= w.Volle ? teil : int(w.Volle) - nr;
    return {BahnanzeigeWert(AnzWurfNr, nr),      BahnanzeigeWert(AnzRestDurchgang, teil),
            BahnanzeigeWert(AnzRestPhase, phase), BahnanzeigeWert(AnzHolz, gesamt),
            BahnanzeigeWert(AnzSumme, total),     BahnanzeigeWert(AnzFehler, fehler)};
}

int AngezeigteFehler(const Buchen::Buchung& z)
{
    if (!Einst.Wurffehler || z.sv) return z.b->BahnFehler;
    int fehler = 0;
    for (TSpielerEintrag* s : Vorgaenger(*z.w, z.p)) fehler += s->Fehler.Zahl;
    return fehler;
}

void NachBuchung(int bahn, const Buchungsfolgen& f)
{
    if (f.anzeigen)
        BahnAnzeigenAktualisieren(bahn);
    else
        bahnfenster().wurflisteAktualisieren(bahn);  // a voided throw is gone from the words only now
    Buchen::Buchung z;
    if (f.korrekturAnzeige && Buchen::BuchungVon(bahn, z)) KorrekturAnzeigeSenden(z, bahn);
    Drucken(bahn, f);
    if (f.monitor) MonitorSpielerSenden(bahn);
}

void BahnAnzeigenAktualisieren(int bahn)
{
    TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (!w) return;
    const int q = w->Punktespiel ? Buchen::Partner(*w, bahn) : 0;

    MannschaftsanzeigeBahnAktualisieren(bahn);
    if (q) MannschaftsanzeigeBahnAktualisieren(q);
    bahnfenster().bahnsteuerungAktualisieren(bahn);
    bahnfenster().bahnuebersichtAktualisieren(bahn);
    if (q) bahnfenster().bahnuebersichtAktualisieren(q);
    bahnfenster().korrekturAktualisieren(bahn);
    bahnfenster().wurflisteAktualisieren(bahn);

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
