#include "match/dienste/Anzeigeschicht.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielbahnen.h"
#include "match/dienste/Wettbewerbdienste.h"

#include <algorithm>

AnzeigeschichtZustand anzeigeschichtZustand;
u8& MannschanzZuschalten = anzeigeschichtZustand.MannschanzZuschalten;
u8& MonitorWerbungNeu = anzeigeschichtZustand.MonitorWerbungNeu;

void WettkampfFensterOeffnen()
{
    if (!fenster().offen(MdiFenster::Wettkampf)) DatenbankGeaendert = 0;
    fenster().oeffnen(MdiFenster::Wettkampf);
}

void ErgebnistafelOeffnen() { fenster().oeffnen(MdiFenster::Ergebnis); }
void SpielberichtOeffnen() { fenster().oeffnen(MdiFenster::Spielbericht); }
void ErgebnistafelAktualisieren() { fenster().aktualisieren(MdiFenster::Ergebnis); }
void ErgebnistafelBahnAktualisieren(int spielerNr) { fenster().spielerAktualisieren(MdiFenster::Ergebnis, spielerNr); }

void MannschaftsanzeigenLeeren(TWettkampfDaten& w)
{
    const Bahnbereich b = BahnenVon(w);
    anzeigen().mannschaftsanzeigeLoeschen(b.erste, b.letzte);
}

void MannschaftsanzeigenKennzeichnen(TWettkampfDaten& w)
{
    if (!w.MannschaftsanzeigeEin || w.Spielphase == PhaseProbe) return;
    const Bahnbereich b = BahnenVon(w);
    anzeigen().mannschaftsanzeigeKennzeichnen(b.erste, b.letzte);
}

void MannschaftsanzeigeBahnAktualisieren(int bahn)
{
    const TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (!w || !w->MannschaftsanzeigeEin) return;
    if (w->Spielphase == PhaseProbe)
        anzeigen().mannschaftsanzeigeProbe(bahn);
    else
        anzeigen().mannschaftsergebnisAnzeigen(bahn);
}

void MannschaftsanzeigenAktualisieren(TWettkampfDaten& w)
{
    if (!w.MannschaftsanzeigeEin) return;
    const int erste = w.ErsteSpielbahn;
    if (MannschanzBreite != 0) {
        MannschaftsanzeigenKennzeichnen(w);
        for (int bahn : {erste, erste + 1}) {
            if (!BahnDaten.contains(bahn)) continue;
            if (w.Spielphase == PhaseProbe)
                anzeigen().mannschaftsanzeigeProbe(bahn);
            else if (w.Spielphase == PhaseSpiel)
                anzeigen().mannschaftsergebnisAnzeigen(bahn);
        }
        return;
    }
    // Without team boards the match's first lane controller shows the team
    // state; four lanes fit the frame.
    auto spieler = [&](int bahn) -> u8 {
        return bahn <= w.LetzteSpielbahn && BahnDaten.contains(bahn) ? BahnDaten[bahn].SpielerNr : 0;
    };
    CanNachrichtSenden(erste, CanRahmen::BahnSpielerNummern(spieler(erste), spieler(erste + 1), spieler(erste + 2),
                                                             spieler(erste + 3)));
    CanNachrichtSenden(erste, CanRahmen::MannschaftssummeHeim(w.Heim.Total.Zahl));
    CanNachrichtSenden(erste, CanRahmen::MannschaftssummeGast(w.Gast.Total.Zahl));
}

void NamenanzeigenLeeren(TWettkampfDaten& w)
{
    const Bahnbereich b = BahnenVon(w);
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn) anzeigen().namenanzeigeLoeschen(bahn);
}

void NamenanzeigeBahnAktualisieren(int bahn)
{
    // Also for a lane its match has just left: the board's own match (the
    // one it serves) decides what it shows, blank after the end.
    if (Einst.NamenanzOn) anzeigen().namenanzeigeAktualisieren(bahn);
}

void NamenanzWerbungVorbereiten(TWettkampfDaten& w)
{
    if (Einst.NamenanzOn) anzeigen().namenanzWerbungLaden(w);
}

void NamenanzWerbungEinschalten(TWettkampfDaten& w)
{
    if (w.NamenanzeigeEin) anzeigen().namenanzWerbungStarten(w);
}

void GrossanzWerbungVorbereiten(TWettkampfDaten& w)
{
    if (w.GrossanzeigeEin && w.GrossanzWerbung.Werbung) anzeigen().grossanzWerbungLaden(w);
}

void AnzeigefensterOeffnen() { fenster().anzeigefensterOeffnen(); }
void AnzeigefensterSchliessen() { fenster().anzeigefensterSchliessen(); }

void AnzeigefensterAufbauen(TWettkampfDaten& w)
{
    AnzeigeWettkampf = &w;
    fenster().anzeigefensterAufbauen();
}

void AnzeigefensterSpielerAktualisieren(int spielerNr) { fenster().anzeigefensterSpielerAktualisieren(spielerNr); }

void MonitorKonfigurationVerteilen(TWettkampfDaten& w)
{
    if (w.MonitoreEin) anzeigen().monitorKonfigurationExportieren(w);
}

void MonitorMannschaftSenden(TWettkampfDaten& w)
{
    if (w.MonitoreEin) anzeigen().monitorMannschaftExportieren(w);
}

void MonitorSpielerSenden(int bahn)
{
    const TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (w && w->MonitoreEin) anzeigen().monitorSpielerExportieren(bahn);
}

void MonitorStatusSenden(TWettkampfDaten& w)
{
    if (!w.MonitoreEin) return;
    const Bahnbereich b = BahnenVon(w);
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn) MonitorWettkampf[bahn] = &w;
    anzeigen().monitorStatusExportieren(w);
}

void MonitoreBeenden()
{
    const Bahnbereich b = AktWettkampf ? BahnenVon(*AktWettkampf) : Bahnbereich{1, std::min<int>(BahnAnzahl, MaxBahnen)};
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn) anzeigen().monitorBeenden(bahn);
}

void MannschaftsanzeigeSchalten()
{
    const u8 pc = Einst.PcEinheit;
    if (MannschanzBreite > 0) {
        AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenKonfiguration(Einst.MannschAnzeigeAnz, MannschanzBreite));
        AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenHelligkeit(Einst.AnzeigeHelligkeit));
        MannschanzZuschalten = Einst.MannschAnzeigeAnz >= 2;
    }
    if (TWettkampfDaten* w = AktWettkampf) {
        if (!w->MannschaftsanzeigeEin) {
            if (MannschanzBreite == 0) {
                CanNachrichtSenden(w->ErsteSpielbahn, CanRahmen::AnzeigenAusBahn());
            } else {
                MannschaftsanzeigenLeeren(*w);
                MannschaftsanzeigeAn = 0;
                for (const TBahnDaten& b : BahnDaten)
                    if (b.Wettk && b.Wettk->MannschaftsanzeigeEin) MannschaftsanzeigeAn = 1;
                if (!MannschaftsanzeigeAn) AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenAus(pc));
            }
        } else {
            if (MannschanzBreite > 0 && !MannschaftsanzeigeAn) {
                AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenEin(pc));
                MannschaftsanzeigeAn = 1;
            }
            MannschaftsanzeigenAktualisieren(*w);
        }
    }
    fenster().hauptmenueAktualisieren();
}

void NamenanzeigeSchalten()
{
    AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenKonfiguration(BahnAnzahl, Einst.NamenAnzeigeDig));
    AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenHelligkeit(Einst.AnzeigeHelligkeit));
    if (TWettkampfDaten* w = AktWettkampf) {
        if (w->NamenanzeigeEin) {
            if (!NamenanzeigeAn) AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenEin(Einst.PcEinheit));
            NamenanzeigeAn = 1;
            const Bahnbereich b = BahnenVon(*w);
            for (int bahn = b.erste; bahn <= b.letzte; ++bahn) BahnWettkampf[bahn] = w;
            NamenanzWerbungVorbereiten(*w);
            if (w->Gestartet)
                for (int bahn = b.erste; bahn <= b.letzte; ++bahn) {
                    const TSpielerEintrag* s = BahnDaten[bahn].BahnSpieler;
                    if (s && s->Gestartet && !s->Fertig) NamenanzeigeBahnAktualisieren(bahn);
                }
        } else {
            NamenanzeigenLeeren(*w);
        }
    }
    fenster().hauptmenueAktualisieren();
}

void GrossanzeigeSchalten()
{
    if (AktWettkampf && AktWettkampf->GrossanzeigeEin) {
        AnzeigefensterOeffnen();
        GrossanzWerbungVorbereiten(*AktWettkampf);
    } else {
        AnzeigefensterSchliessen();
    }
    fenster().hauptmenueAktualisieren();
}

void MonitoranzeigeSchalten()
{
    if (AktWettkampf) {
        MonitorStatusSenden(*AktWettkampf);
        if (AktWettkampf->MonitoreEin) {
            MonitorMannschaftSenden(*AktWettkampf);
            MonitorKonfigurationVerteilen(*AktWettkampf);
        }
    }
    fenster().hauptmenueAktualisieren();
}

// --- Commands of the display menu --------------------------------------------------------

void MannschanzEinschalten()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.MannschanzOn || !w) return;
    w->MannschaftsanzeigeEin = !w->MannschaftsanzeigeEin;
    if (w->MannschaftsanzeigeEin) {
        anzeigen().mannschaftsanzeigenZuordnen(w->ErsteSpielbahn, w->LetzteSpielbahn);
        // The match's board is the one of its first lane.
        const int tafel = MannschanzZuordnung.contains(w->ErsteSpielbahn) ? MannschanzZuordnung[w->ErsteSpielbahn] : 0;
        if (MannschanzWettkampf.contains(tafel)) {
            if (!MannschanzWettkampf[tafel])
                MannschanzWettkampf[tafel] = w;
            else if (MannschanzWettkampf[tafel] != w)
                w->MannschaftsanzeigeEin = 0;
        }
    }
    MannschaftsanzeigeSchalten();
}

void MannschanzUpdate()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.MannschanzOn || !w) return;
    if (w->Gestartet) MannschaftsanzeigenAktualisieren(*w);
}

void NamenanzEinschalten()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.NamenanzOn || !w) return;
    w->NamenanzeigeEin = !w->NamenanzeigeEin;
    NamenanzeigeSchalten();
}

void NamenanzUpdate()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.NamenanzOn || !w) return;
    const Bahnbereich b = BahnenVon(*w);
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn)
        if (TWettkampfDaten* vorher = BahnWettkampf[bahn]) vorher->NamenanzeigeEin = 0;
    w->NamenanzeigeEin = 1;
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn) BahnWettkampf[bahn] = w;
    NamenanzWerbungVorbereiten(*w);
    if (w->Gestartet)
        for (int bahn = b.erste; bahn <= b.letzte; ++bahn) {
            const TSpielerEintrag* s = BahnDaten[bahn].BahnSpieler;
            if (s && s->Gestartet && !s->Fertig) NamenanzeigeBahnAktualisieren(bahn);
        }
    fenster().hauptmenueAktualisieren();
}

void GrossanzEinschalten()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.GrossAnzeige || !w) return;
    // One switch: the board is on or off for the program, and the current
    // match is the one it shows while it is on.
    const u8 ein = AnzeigeBoardEin ? 0 : 1;
    if (AnzeigeWettkampf && AnzeigeWettkampf != w) AnzeigeWettkampf->GrossanzeigeEin = 0;
    AnzeigeBoardEin = ein;
    w->GrossanzeigeEin = ein;
    GrossanzeigeSchalten();
}

void GrossanzUpdate()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.GrossAnzeige || !w) return;
    if (AnzeigeWettkampf) AnzeigeWettkampf->GrossanzeigeEin = 0;
    w->GrossanzeigeEin = 1;
    // On the board first: the adverts load only for the match on the board.
    AnzeigefensterAufbauen(*w);
    GrossanzWerbungVorbereiten(*w);
    fenster().hauptmenueAktualisieren();
}

void MonitorEinschalten()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.MonitorAnzeige || !w) return;
    w->MonitoreEin = !w->MonitoreEin;
    if (w->MonitoreEin) MonitorWerbungNeu = 1;
    MonitoranzeigeSchalten();
}

void MonitorUpdate()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!Einst.MonitorAnzeige || !w) return;
    const Bahnbereich b = BahnenVon(*w);
    for (int bahn = b.erste; bahn <= b.letzte; ++bahn)
        if (TWettkampfDaten* vorher = MonitorWettkampf[bahn]) vorher->MonitoreEin = 0;
    w->MonitoreEin = 1;
    MonitorStatusSenden(*w);
    MonitorMannschaftSenden(*w);
    fenster().hauptmenueAktualisieren();
}

void MonitorAusschalten()
{
    if (boxen().hinweisJa(QStringLiteral("Monitorprogramm beenden und ausschalten ?")) == ErgebnisJa) MonitoreBeenden();
}
