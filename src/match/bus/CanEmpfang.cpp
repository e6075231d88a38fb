#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanEmpfang.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnfenster.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"
#include "match/engine/Korrektur.h"
#include "match/print/Druckdienste.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <bit>

CanEmpfangZustand canEmpfangZustand;
TCanNachricht& CanEmpfangspuffer = canEmpfangZustand.CanEmpfangspuffer;
u16& WurfGesehen = canEmpfangZustand.WurfGesehen;
u32& CanEmpfangVerworfen = canEmpfangZustand.CanEmpfangVerworfen;

namespace {

using Warteschlange = CanEmpfangZustand::Warteschlange;
Array1<Warteschlange, MaxBahnen>& g_warten = canEmpfangZustand.warten;
u16& g_wartend = canEmpfangZustand.wartend;
u16& g_auffrischen = canEmpfangZustand.auffrischen;
int& g_lesetiefe = canEmpfangZustand.lesetiefe;

bool Gestartet(const TWettkampfDaten* m) { return m && m->Gestartet; }

void Senden(int bahn, const CanDaten& d) { CanNachrichtSenden(bahn, d); }

void LogEin(int bahn, const TCanNachricht& n)
{
    if (!CanLogAktiv() || !Einst.CANIn || !Einst.CANBahn[bahn]) return;
    const bool wurf = n.Daten[0] == CanRahmen::MeldungWurf;
    if (wurf ? !Einst.CANWuerfe : !Einst.CANBahnsteuerung) return;
    u8 daten[8];
    for (int i = 0; i < 8; ++i) daten[i] = n.Daten[i];
    CanLogZeile(CanLogRahmen(CanLogBahnKopf("In  ", bahn), n.Laenge, daten, Jetzt().time()));
}

void Auffrischen(int bahn)
{
    bahnfenster().bahnsteuerungAktualisieren(bahn);
    if (BahnDaten[bahn].UebersichtAktualisieren) bahnfenster().bahnuebersichtAktualisieren(bahn);
    bahnfenster().korrekturAktualisieren(bahn);
}

CanDaten CanDatenVon(const TCanNachricht& n)
{
    CanDaten r;
    r.laenge = n.Laenge;
    for (int i = 0; i < 8; ++i) r.d[std::size_t(i)] = n.Daten[i];
    return r;
}

bool Gehalten(int bahn) { return WurfGesehen & BahnBit(bahn); }

void Ausfuehren(int bahn, const TCanNachricht& n)
{
    CanEmpfangspuffer = n;
    CanNachrichtVerarbeiten(bahn, n);
}

void Einreihen(int bahn, const TCanNachricht& n)
{
    Warteschlange& w = g_warten[bahn];
    if (w.anzahl >= EmpfangWartePlaetze) {
        ++CanEmpfangVerworfen;
        if (!w.ueberlaufGemeldet) qWarning("CAN: Empfangspuffer der Bahn %d voll, Nachricht verworfen", bahn);
        w.ueberlaufGemeldet = true;
        return;
    }
    w.rahmen[std::size_t((w.erster + w.anzahl) % EmpfangWartePlaetze)] = n;
    ++w.anzahl;
    g_wartend |= BahnBit(bahn);
}

// Frames of lanes no longer held, in their order, until a throw holds the lane
// again. Each frame leaves the queue before it takes effect.
void WartendeAusfuehren()
{
    for (int bahn = 1; bahn <= MaxBahnen && (g_wartend & ~WurfGesehen); ++bahn) {
        if (!(g_wartend & BahnBit(bahn))) continue;
        Warteschlange& w = g_warten[bahn];
        while (w.anzahl > 0 && !Gehalten(bahn)) {
            const TCanNachricht n = w.rahmen[std::size_t(w.erster)];
            w.erster = (w.erster + 1) % EmpfangWartePlaetze;
            --w.anzahl;
            Ausfuehren(bahn, n);
        }
        if (w.anzahl > 0) continue;
        w.ueberlaufGemeldet = false;
        g_wartend &= u16(~BahnBit(bahn));
    }
}

// Pins of the current Abräumen rack: the throws from the last one down to the
// first Abräumen throw, up to a throw that set the pins up again.
u16 Raeumbild(const TWettkampfDaten& m, const TSpielerEintrag& p, int wurfNr)
{
    u16 bild = 0;
    if (!p.AktDurchgang) return 0;
    for (int t = std::min(wurfNr, MaxWuerfe); t > m.Volle && t >= 1; --t) {
        if (p.AktDurchgang->Wurfart[t] & WurfartNeuesBild) break;
        bild |= p.AktDurchgang->Wurfbild[t];
    }
    return bild;
}

// The lane controller restarted: its state is sent to it again.
void ZustandWiederholen(int bahn, TWettkampfDaten& m)
{
    using namespace CanRahmen;
    TBahnDaten& l = BahnDaten[bahn];
    BahnAnmelden(bahn);
    Senden(bahn, SpielZuordnung(m.WettkampfNummer));
    Senden(bahn, SpielerAufBahn(l.SpielerNr));
    const TSpielerEintrag* p = l.BahnSpieler;
    if (p) {
        const u8 nr = l.SpielerNr;
        Senden(bahn, Zaehlerstand(ZaehlerVolleGesamt, p->Volle.Zahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerVolleDurchgang, l.BahnVolle));
        Senden(bahn, Zaehlerstand(ZaehlerAbraeumenGesamt, p->Abr.Zahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerAbraeumenDurchgang, l.BahnAbraeumen));
        Senden(bahn, Zaehlerstand(ZaehlerFehlerSpieler, p->Fehler.Zahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerFehlerDurchgang, l.BahnFehler));
        Senden(bahn, Zaehlerstand(ZaehlerHolzDurchgang, l.BahnGesamt));
        Senden(bahn, Zaehlerstand(ZaehlerHolzGesamt, p->Total.Zahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerLaufendeSumme, l.BahnTotal));
        Senden(bahn, Zaehlerstand(ZaehlerVerwarnungenSpieler, p->VerwarnungAnzahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerVerwarnungen, l.BahnVerwarnungen));
        Senden(bahn, Zaehlerstand(ZaehlerWuerfeSpieler, p->Wurf.Zahl, nr));
        Senden(bahn, Zaehlerstand(ZaehlerWurfNr, l.WurfNr));
        if (l.WurfNr > m.Volle) Senden(bahn, KegelbildZustand(Raeumbild(m, *p, l.WurfNr)));
    }
    const bool probe = l.ProbeLaeuft;
    Senden(bahn, Startblock(probe ? m.Probezeit : 0, probe ? m.Probewuerfe : 0, u8(m.Volle), u8(m.Abraeumen),
                            u8(m.Wurfzeit)));
    Senden(bahn, Auswechslungen(m.Heim.Ersatz7Eingesetzt, m.Heim.Ersatz8Eingesetzt, m.Gast.Ersatz7Eingesetzt,
                                m.Gast.Ersatz8Eingesetzt));
    Senden(bahn, ZustandEnde());
}

void ProbeBeendet(int bahn, TWettkampfDaten& m)
{
    bool probe = false;
    for (int k : BahnenVon(m))
        if (m.BahnImSpiel[k] && BahnDaten[k].ProbeLaeuft) probe = true;
    if (!probe) {
        m.Spielphase = PhaseSpiel;
        if (Einst.Bahnsteuerung == 1) {
            // Only the lanes in play: a lane the round leaves idle has nobody to start.
            for (int k : BahnenVon(m)) {
                if (!m.BahnImSpiel[k]) continue;
                const TSpielerEintrag* s = BahnDaten[k].BahnSpieler;
                Senden(k, CanRahmen::DurchgangStart(u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit),
                                                    s && s->IstHeim ? 1 : 0));
            }
        }
        // In every mode: the lanes that go on by themselves would otherwise
        // book their first throws over "PROBE".
        MannschaftsanzeigenLeeren(m);
        MannschaftsanzeigenKennzeichnen(m);
        MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn);
        MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn + 1);
    }
    NamenanzeigeBahnAktualisieren(bahn);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
}

// Returns whether the lane windows are to be refreshed.
bool Taste(int bahn, TBahnDaten& l, TWettkampfDaten* m, const TCanNachricht& n)
{
    switch (n.Daten[1]) {
    case 't':
        l.ProbeLaeuft = 0;
        l.TeilLaeuft = 0;
        return false;
    case 'u':
        if (l.BahnStatus != 2) return false;
        BahnFortsetzen(bahn);
        return true;
    case '_':
        l.ProbeLaeuft = 0;
        if (m) ProbeBeendet(bahn, *m);
        return true;
    case 'r':
        if (!m) return false;
        WurfUngueltigWerten(bahn);
        return true;
    case 'q':
        if (!m) return false;
        WurfNullWerten(bahn);
        return true;
    case 0x81:
        if (!m) return false;
        WurfWerten(bahn);
        return true;
    case 'b':
        l.BahnVerwarnungen = 0;
        if (l.BahnSpieler) {
            l.BahnSpieler->VerwarnungText = " ";
            l.BahnSpieler->VerwarnungAnzahl = 0;
        }
        return true;
    case 'e':
        if (m) SpielerVerwarnen(bahn);
        return true;
    case 'B':
        if (!l.BahnSpieler) return false;
        SpielerWechseln(bahn, n.Daten[2]);
        return true;
    case 'H':
        if (!Einst.WurfzeitBahn) return false;
        l.BahnWurfzeit = (n.Daten[2] << 8) | n.Daten[3];
        if (!l.BahnSpieler) return false;
        if (l.BahnSpieler->AktDurchgang) l.BahnSpieler->AktDurchgang->Bahnzeit = l.BahnWurfzeit;
        return true;
    default:
        return false;
    }
}

void Statuswort(TBahnDaten& l, u16 wort)
{
    l.StatusWort = wort;
    l.ProbeLaeuft = (wort & CanRahmen::StatusProbe) ? 1 : 0;
    l.ZeitStatus = 0;
    if (wort & 0x01) l.ZeitStatus = 1;
    if (wort & 0x02) l.ZeitStatus = 2;
    if (wort & 0x04) l.ZeitStatus = 1;
    if (wort & 0x08) l.ZeitStatus = 2;
    l.UebertrittStatus = 0;
    if (wort & 0x400) l.UebertrittStatus = 1;
    if (wort & 0x800) l.UebertrittStatus = 2;
    l.BahnGestoppt = (wort & CanRahmen::StatusGestoppt) ? 1 : 0;
}

void Drucker(int bahn, TWettkampfDaten* m, bool ein)
{
    WurfblattDrucker[bahn] = ein;
    if (BahndruckMaske & BahnBit(bahn)) BahnDruckerStatus[bahn] = 5;
    if (!m || !m->DrWurfblatt) return;
    if (m->DrZweiBahnen) {
        const int partner = DruckerPaarBahn(bahn);
        if (WurfblattDrucker.contains(partner)) WurfblattDrucker[partner] = ein;
    }
    if (m->DrZentral && bahn == m->ErsteSpielbahn)
        for (int k : BahnenVon(*m)) WurfblattDrucker[k] = ein;
}

}  // namespace

int BahnVonCanId(u32 id)
{
    if (id < 0x208 || id > 0x280 || (id - 0x200) % 8 != 0) return 0;
    return int((id - 0x200) / 8);
}

void CanEmpfangZuruecksetzen() { canEmpfangZustand.zuruecksetzen(); }

int CanEmpfangWartend(int bahn)
{
    if (bahn >= 1 && bahn <= MaxBahnen) return g_warten[bahn].anzahl;
    int n = 0;
    for (int k = 1; k <= MaxBahnen; ++k) n += g_warten[k].anzahl;
    return n;
}

void CanNachrichtLesen()
{
    if (!CanAktiv) return;
    const i32 typ = CanEinstellungen.KartenTyp;
    if (typ < 1 || typ > 10) return;
    CanAdapter* a = canAdapter();
    if (!a) return;
    // A dialog opened by a dispatch runs the timers again: such a nested tick
    // goes on reading, the windows are refreshed when the outer one ends.
    ++g_lesetiefe;
    WartendeAusfuehren();
    while (const std::optional<CanRohRahmen> r = a->lesen()) {
        const int bahn = BahnVonCanId(r->id);
        if (bahn == 0) continue;
        // Bytes beyond the frame's length read as 0.
        TCanNachricht n;
        n.Id = r->id;
        n.Laenge = std::min<u8>(r->laenge, 8);
        for (int i = 0; i < n.Laenge; ++i) n.Daten[i] = r->daten[std::size_t(i)];
        LogEin(bahn, n);
        if (Gehalten(bahn) || (g_wartend & BahnBit(bahn)))
            Einreihen(bahn, n);
        else
            Ausfuehren(bahn, n);
    }
    if (--g_lesetiefe > 0) return;
    const u16 auffrischen = g_auffrischen;
    g_auffrischen = 0;
    for (int bahn = 1; auffrischen >> (bahn - 1); ++bahn)
        if (auffrischen & BahnBit(bahn)) Auffrischen(bahn);
}

void CanNachrichtVerarbeiten(int bahn, const TCanNachricht& n)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    TWettkampfDaten* m = l.Wettk;
    const auto& d = n.Daten;
    bool auffrischen = false;
    // A frame of a part the program has not started yet waits for it.
    if (BahnrahmenZurueckhalten(bahn, n)) return;
    OffenenWurfVorRahmenBuchen(bahn, n);

    switch (d[0]) {
    case CanRahmen::MeldungWurf: {
        const CanRahmen::Wurfmeldung w = CanRahmen::WurfmeldungLesen(CanDatenVon(n));
        l.WurfHolz = i8(w.holz);
        l.WurfBild = w.bild;
        l.WurfFlags = l.ZeitGeaendert ? u16(w.flags | WurfartZeitGeaendert) : w.flags;
        // The lane time only from a frame that carries it.
        if (Einst.WurfzeitBahn && w.mitZeit) l.BahnWurfzeit = w.zeit;
        if (w.fehlwurfHolz) l.FehlwurfHolz = 1;
        l.WurfOffen = 1;
        if (w.flags & WurfartUngueltig) {
            l.WurfOffen = 0;
            WurfUngueltigWerten(bahn);
            auffrischen = true;
        } else if (w.flags & WurfartKorrektur) {
            l.WurfOffen = 0;
            if (w.flags & WurfartNullGewertet)
                WurfNullWerten(bahn);
            else
                WurfWerten(bahn);
            auffrischen = true;
        }
        if (Gestartet(m)) WurfGesehen |= BahnBit(bahn);
        break;
    }
    case CanRahmen::MeldungSpielUebergabe:
        SpielUebernehmen(d[1], d[2], d[3], d[4], d[5]);
        break;
    case CanRahmen::MeldungSpielNr:
        l.GemeldeteSpielNr = d[1];
        if (d[1] == 0) {
            if (l.BahnStatus != 2) l.BahnStatus = 0;
        } else {
            l.BahnStatus = 3;
            if (SpielLaeuft(m) && d[1] == m->WettkampfNummer) {
                l.BahnStatus = 2;
                // A lane registered again within its part (restart and state
                // replay) keeps the part's values.
                if (!l.BahnGestartet) BahnanzeigeLoeschen(bahn);
            }
        }
        auffrischen = true;
        break;
    case CanRahmen::MeldungZustandAnfrage:
        if (Einst.Bahnsteuerung != 2 || !Gestartet(m)) return;
        ZustandWiederholen(bahn, *m);
        auffrischen = true;
        break;
    case CanRahmen::MeldungTaste:
        auffrischen = Taste(bahn, l, m, n);
        break;
    case CanRahmen::MeldungKorrektur:
        TotalKorrigieren(bahn, u16((d[4] << 8) | d[5]));
        GesamtKorrigieren(bahn, u16((d[2] << 8) | d[3]));
        WurfNrKorrigieren(bahn, d[1]);
        auffrischen = true;
        break;
    case CanRahmen::MeldungKonfiguration:
        CanNachrichtSenden(bahn, CanRahmen::Konfiguration(Einst.PcEinheit));
        if (SpielLaeuft(m)) {
            CanNachrichtSenden(bahn, CanRahmen::Online());
            l.BahnOnline = 1;
        }
        auffrischen = true;
        break;
    case CanRahmen::MeldungOnline:
        l.BahnOnline = 1;
        auffrischen = true;
        break;
    case CanRahmen::MeldungFrei:
        l.BahnOnline = 0;
        auffrischen = true;
        break;
    case CanRahmen::MeldungUebernommen:
        if (UebernahmeWettkampf) UebernahmeWettkampf->Gestartet = 1;
        break;
    case CanRahmen::MeldungStatus:
        Statuswort(l, u16((d[1] << 8) | d[2]));
        auffrischen = true;
        break;
    case CanRahmen::MeldungZaehler:
        ZaehlerSetzen(d[1], d[2], d[3], d[4], d[5]);
        break;
    case CanRahmen::MeldungDruckerAnfrage:
        if (Einst.DrStatus) {
            DruckerAnfrageMaske |= BahnBit(bahn);
            Timer9().setEnabled(true);
        }
        break;
    case CanRahmen::MeldungDruckerEin:
    case CanRahmen::MeldungDruckerAus:
        Drucker(bahn, m, d[0] == CanRahmen::MeldungDruckerEin);
        break;
    default:
        break;
    }

    if (auffrischen) l.UebersichtAktualisieren = 1;
    if (g_lesetiefe > 0)
        g_auffrischen |= BahnBit(bahn);
    else
        Auffrischen(bahn);
}
