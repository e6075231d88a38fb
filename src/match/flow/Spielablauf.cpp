#include "match/flow/Spielablauf.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/TextFunctions.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"
#include "match/flow/Wettkampfslots.h"

#include <algorithm>

namespace {

using namespace CanRahmen;

bool GueltigeBahn(int bahn) { return bahn >= 1 && bahn <= MaxBahnen; }
bool GueltigerSpieler(int nr) { return nr >= 1 && nr <= MaxSpieler; }
int Modus() { return Einst.Bahnsteuerung; }

void Senden(int bahn, const CanDaten& d) { CanNachrichtSenden(bahn, d); }

template <std::size_t N, typename Z>
void Rechts(TextZahl<N, Z>& t, Z zahl, int breite)
{
    t.Zahl = zahl;
    ZahlRechtsbuendig(t.Text, zahl, breite);
}

template <std::size_t N, typename Z>
void Links(TextZahl<N, Z>& t, Z zahl, int breite)
{
    t.Zahl = zahl;
    ZahlLinksbuendig(t.Text, zahl, breite);
}


void SpielFortsetzen(TWettkampfDaten& m)
{
    // A round change that found its lanes still busy is carried out now, once.
    if (RundenwechselNachholen(m)) {
        SpielstatusAnzeigen();
        return;
    }
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k)
        if (BahnDaten[k].BahnStatus == 2 && !m.BahnImSpiel[k]) return;  // runs for somebody else
    for (int k = b.erste; k <= b.letzte; ++k)
        if (m.BahnImSpiel[k] && BahnDaten[k].BahnStatus == 3) return;
    for (int k = b.erste; k <= b.letzte; ++k) {
        TBahnDaten& l = BahnDaten[k];
        if (m.BahnImSpiel[k]) {
            // A lane whose part has ended waits for the next round.
            if (l.TeilBeendet) continue;
            l.BahnGestartet = 1;
            l.BahnGestoppt = 0;
            Senden(k, Steuerbefehl(BefehlLauf));
            // The name board leaves "STOP"/"BAHN" for the name again.
            NamenanzeigeBahnAktualisieren(k);
        } else if (m.Bahnbelegung[k] != 0 && !((AnmeldeMaske | StartMaske) & BahnBit(k))) {
            // Registered again and started without a new preparation, unless
            // it was never prepared for this round.
            Startzaehler[k] = 0;
            l.Wettk = &m;
            BahnAnmelden(k);
            if (BahnAufgegeben(k))
                BahnVormerken(k);
            else
                StartMaske |= BahnBit(k);
            drucker().bahndruckBeginnen(k);
        }
    }
    m.Gestoppt = 0;
    SpielstatusAnzeigen();
}

void SpielNeuStarten(TWettkampfDaten& m)
{
    SoundSpielen(QStringLiteral("Start.wav"));
    m.Geaendert = 1;  // it gathers results from now on
    // A match handed over or saved in a later round goes on where it stands.
    const bool fortsetzen = m.Durchgang > 0 && !m.Beendet;
    if (!fortsetzen) m.Durchgang = 1;
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k) m.Bahnbelegung[k] = u8(PlanSpieler(m, k, m.Durchgang));
    for (int k = b.erste; k <= b.letzte; ++k)
        if (m.Bahnbelegung[k] != 0 && BahnDaten[k].BahnStatus > 1) return;
    TeileVergessen(m);
    // Passive lanes run the game from the group's first lane: it comes online
    // and is prepared with the others, even with nobody on it in this round.
    bool spielt = false;
    for (int k = b.erste; k <= b.letzte; ++k) spielt = spielt || m.Bahnbelegung[k] != 0;
    const int erste = m.ErsteSpielbahn;
    if (Modus() == 0 && spielt && GueltigeBahn(erste) && m.Bahnbelegung[erste] == 0) LeitbahnAnmelden(m, erste);
    for (int k = b.erste; k <= b.letzte; ++k) {
        if (m.Bahnbelegung[k] == 0) continue;
        TBahnDaten& l = BahnDaten[k];
        l.Wiederherstellen = fortsetzen ? 1 : 0;
        l.Wettk = &m;
        Startzaehler[k] = 0;
        BahnAnmelden(k);
        BahnVormerken(k);
        drucker().bahndruckBeginnen(k);
    }
}

}  // namespace

void SpielablaufZuruecksetzen() { BahnzyklusZuruecksetzen(); }

void SpielStarten(TWettkampfDaten& m)
{
    if (m.Beendet) {
        boxen().hinweis(QStringLiteral("Der Wettkampf ist bereits beendet !"));
        return;
    }
    if (!m.StartplanZeiger) {
        boxen().hinweis(QStringLiteral("Für diesen Wettkampf gibt es keine Startfolge !"));
        return;
    }
    if (m.Gestartet)
        SpielFortsetzen(m);
    else
        SpielNeuStarten(m);
}

void SpielStoppen(TWettkampfDaten& m)
{
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k) {
        if (!m.BahnImSpiel[k]) continue;
        BahnDaten[k].BahnGestoppt = 1;
        Senden(k, Steuerbefehl(BefehlHalt));
        NamenanzeigeBahnAktualisieren(k);
    }
    m.Gestoppt = 1;
    SpielstatusAnzeigen();
}

void ZaehlerSetzen(int spielerNr, int bahn, u8 code, u8 hoch, u8 tief)
{
    if (!UebernahmeWettkampf || !GueltigerSpieler(spielerNr) || !GueltigeBahn(bahn)) return;
    TSpielerEintrag& p = *UebernahmeWettkampf->SpielerZeiger[spielerNr];
    TBahnDaten& l = BahnDaten[bahn];
    // A fresh hand-over has no block in use yet: the first one.
    TDurchgangBlock& b = p.Durchgang[BlockNr(p)];
    b.Bahn = u8(bahn);
    l.SpielerNr = u8(spielerNr);
    p.IstHeim = spielerNr <= 8 ? 1 : 0;

    const u16 wert = u16(hoch * 256 + tief);
    switch (code) {
    case ZaehlerVolleGesamt:
        Rechts(p.Volle, wert, 3);
        break;
    case ZaehlerVolleDurchgang:
        l.BahnVolle = wert;
        Rechts(b.Volle, wert, 3);
        break;
    case ZaehlerAbraeumenGesamt:
        Rechts(p.Abr, wert, 3);
        break;
    case ZaehlerAbraeumenDurchgang:
        l.BahnAbraeumen = wert;
        Rechts(b.Abr, wert, 3);
        break;
    case ZaehlerFehlerSpieler:
        Rechts(p.Fehler, u16(hoch), 3);
        break;
    case ZaehlerFehlerDurchgang:
        // A byte counter, like the lane's: the value is the high byte.
        l.BahnFehler = hoch;
        ZahlRechtsbuendig(l.TextFehler, hoch, 3);
        Rechts(b.Fehler, u16(hoch), 3);
        break;
    case ZaehlerVerwarnungenSpieler:
        p.VerwarnungAnzahl = hoch;
        p.VerwarnungText = hoch == 1 ? "V" : hoch == 2 ? "VV" : "";
        break;
    case ZaehlerWuerfeSpieler:
        Links(p.Wurf, u16(hoch), 3);
        p.Gestartet = 1;
        break;
    case ZaehlerWurfNr:
        l.WurfNr = hoch;
        ZahlRechtsbuendig(l.TextWurfNr, hoch, 3);
        Links(b.Wurf, u16(hoch), 3);
        break;
    default:
        return;  // the lane's own counters ('7', '8', '9', ';') are not kept
    }
    // The totals follow the pins, the sides their players.
    Rechts(p.Total, u16(p.Volle.Zahl + p.Abr.Zahl), 4);
    Rechts(b.Total, u16(b.Volle.Zahl + b.Abr.Zahl), 4);
    l.BahnGesamt = u16(l.BahnVolle + l.BahnAbraeumen);
    BahnTexteBilden(l);
    TWettkampfDaten& m = *UebernahmeWettkampf;
    for (TMannschaftBlock* x : {&m.Heim, &m.Gast}) {
        const int erster = x == &m.Heim ? 1 : 9;
        long wuerfe = 0;
        for (int n = erster; n < erster + 8; ++n) wuerfe += m.Spieler[n].Wurf.Zahl;
        x->Wuerfe.Zahl = u16(std::min<long>(wuerfe, 9999));
    }
    MannschaftssummenBilden(m);
    MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn);
    MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn + 1);
}
