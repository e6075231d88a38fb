#include "shell/Menuezustand.h"

#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "match/flow/Bahnzyklus.h"

#include <algorithm>

namespace {

// A menu caption shows '&' as an accelerator; a team name keeps its '&'.
QString AlsMenuetext(const QString& text) { return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

bool BahnenBeschaeftigt(const MenueEingabe& e)
{
    const int erste = std::max(e.aktErsteBahn, 1);
    const int letzte = std::min(e.aktLetzteBahn, MaxBahnen);
    const u16 maske = e.anmeldeMaske | e.startMaske;
    for (int bahn = erste; bahn <= letzte; ++bahn)
        if (maske & (1u << (bahn - 1))) return true;
    return false;
}

}  // namespace

Menuezustand MenuezustandBerechnen(const MenueEingabe& e)
{
    Menuezustand z;
    const bool offen = e.wettkampfAnzahl > 0;
    const bool aktuell = e.aktNr >= 1 && e.aktNr <= MaxWettkaempfe;

    // 1-3: what the open and the current match allow.
    if (!offen) {
        z.MLinieEintrag.visible = false;
        for (Menuepunkt* p : {&z.MSpeichern, &z.MExport, &z.MKarteSpeichern, &z.MSchliessen, &z.MSpielbericht,
                              &z.MBahnen, &z.MErgebnistafel, &z.MSpielStart, &z.MAbbrechen})
            p->enabled = false;
        z.MSpielStart.caption = StartKeinSpiel;
        z.MProgrammoptionen.enabled = true;
    } else {
        z.MProgrammoptionen.enabled = false;
        z.MLinieEintrag.visible = true;
        z.MSpeichern.enabled = true;
        z.MKarteSpeichern.enabled = e.kartenleserAktiv;
        z.MSpielbericht.enabled = true;
        z.MBahnen.enabled = e.bahnBelegt;
        z.MSchliessen.enabled = !e.aktGestartet;
        z.MErgebnistafel.enabled = e.aktGestartet;

        if (e.aktBeendet) {
            z.MSchliessen.enabled = true;
            z.MAbbrechen.enabled = false;
            z.MSpielStart.caption = StartText;
            z.MSpielStart.enabled = false;
            z.MExport.enabled = true;
        } else {
            z.MExport.enabled = false;
            if (e.aktGestartet) {
                z.MSchliessen.enabled = false;
                z.MAbbrechen.enabled = e.aktGestoppt;
                z.MSpielStart.caption = e.aktGestoppt ? StartText : StopText;
                if (e.aktWechselAnstehend) z.MSpielStart.caption = FortsetzenText;
            } else {
                z.MSchliessen.enabled = true;
                z.MAbbrechen.enabled = false;
                z.MSpielStart.caption = StartText;
            }
            if (BahnenBeschaeftigt(e)) {
                z.MSpielStart.enabled = e.aktWechselAnstehend;
                z.MSchliessen.enabled = false;
                z.MAbbrechen.enabled = false;
            } else {
                z.MSpielStart.enabled = true;
            }
        }
    }

    // 4: room for another match.
    const bool voll = e.wettkampfAnzahl >= MaxWettkaempfe;
    for (Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MKarteLaden, &z.MUebernehmen, &z.MImportieren}) p->enabled = !voll;
    if (!voll) z.MKarteLaden.enabled = e.kartenleserAktiv;

    // 5: the window list. Every entry in use carries its match's home team
    // and lanes, so that two matches of one team stay apart; the entry of the
    // current match has the check mark.
    for (int k = 1; k <= MaxWettkaempfe; ++k) {
        Menuepunkt& p = z.MEintrag[k];
        p.visible = e.belegt[k] != 0;
        p.checked = k == e.aktNr;
        if (p.visible)
            p.caption = AlsMenuetext(WettkampfEintragText(e.heimmannschaft[k], e.ersteBahn[k], e.letzteBahn[k]));
    }

    // 6: the background while no match is open.
    if (!offen) z.groundSichtbar = e.hintergrund;

    // 7: the active child window.
    const bool sperren = e.aktivesFenster == FensterSpielbericht || e.aktivesFenster == FensterErgebnis;
    z.MSpBearbeiten.enabled = e.aktivesFenster != FensterSpielbericht;
    z.MSpSchliessen.enabled = e.aktivesFenster == FensterSpielbericht;
    if (sperren)
        for (Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MKarteLaden, &z.MUebernehmen, &z.MAbbrechen, &z.MSchliessen})
            p->enabled = false;
    for (int k = 1; k <= MaxWettkaempfe; ++k)
        z.MEintrag[k].enabled = e.aktivesFenster != FensterErgebnis || e.gestartet[k] != 0;

    // 8: the display sub-menus by the settings.
    z.MSpielanzeige.enabled = e.aktNr != 0;
    z.MMannschaftsanzeige.enabled = e.mannschanzOn;
    z.MNamenanzeige.enabled = e.namenanzOn;
    z.MGrossanzeige.enabled = e.grossAnzeige;
    z.MMonitoranzeige.enabled = e.monitorAnzeige;

    // 9: the switches of the current match. Without one every switch is off,
    // so the captions read "&Einschalten".
    auto schalter = [&](Menuepunkt& p, bool ein) {
        p.enabled = aktuell;
        p.caption = aktuell && ein ? AusschaltenText : EinschaltenText;
    };
    schalter(z.MMannschanzEinschalten, e.aktMannschaftsanzeigeEin);
    z.MMannschanzUpdate.enabled = aktuell && e.aktMannschaftsanzeigeEin && e.aktGestartet;
    schalter(z.MNamenanzEinschalten, e.aktNamenanzeigeEin);
    z.MNamenanzUpdate.enabled = aktuell && e.aktNamenanzeigeEin;
    schalter(z.MGrossanzEinschalten, e.anzeigeBoardEin);
    z.MGrossanzUpdate.enabled = aktuell && e.anzeigeBoardEin;
    schalter(z.MMonitorEinschalten, e.aktMonitoreEin);
    z.MMonitoranzUpdate.enabled = aktuell && e.aktMonitoreEin;
    z.MInternetUpdate.enabled = aktuell;
    z.MBahnsteuerung.caption = e.bahnsteuerungOffen ? BahnsteuerungAusText : BahnsteuerungEinText;

    // 10: the tool buttons copy their menu items.
    z.SBtnNeu = z.MNeu.enabled;
    z.SBtnLaden = z.MLaden.enabled;
    z.SBtnSpeichern = z.MSpeichern.enabled;
    z.SBtnSpiel = z.MSpielanzeige.enabled;
    z.SBtnBahnen = z.MBahnen.enabled;
    z.SBtnSpielbericht = z.MSpielbericht.enabled;
    z.SBtnErgebnistafel = z.MErgebnistafel.enabled;
    z.SBtnKarteLaden = z.MKarteLaden.enabled;
    z.SBtnKarteSpeichern = z.MKarteSpeichern.enabled;
    z.SBtnSpielerkarte = e.kartenleserAktiv;

    // 11: with the result window active, no new, load or start.
    if (e.aktivesFenster & FensterErgebnis)
        for (Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MSpielStart}) p->enabled = false;

    // The program entries of the settings, and their separator with them.
    z.MProgrammTeiler.visible = false;
    for (int n = 1; n <= 3; ++n) {
        Menuepunkt& p = z.MProgramm[n];
        p.visible = !e.programmName[n].isEmpty();
        if (p.visible) {
            p.caption = e.programmName[n];
            z.MProgrammTeiler.visible = true;
        }
    }
    return z;
}

QString WettkampfEintragText(const QString& heimmannschaft, int ersteBahn, int letzteBahn)
{
    if (ersteBahn <= 0) return heimmannschaft;
    return heimmannschaft + QStringLiteral(" (") + BahnbereichText(ersteBahn, letzteBahn) + QLatin1Char(')');
}

MenueEingabe MenueEingabeLesen()
{
    MenueEingabe e;
    e.wettkampfAnzahl = WettkampfAnzahl;
    for (int k = 1; k <= MaxWettkaempfe; ++k) {
        e.belegt[k] = WettkampfBelegt[k];
        e.gestartet[k] = Wettkaempfe[k].Gestartet;
        const TWettkampfDaten& w = Wettkaempfe[k];
        e.heimmannschaft[k] = w.Heimmannschaft.text();
        // The lanes it plays on once started, else those it is set up for.
        const bool laeuft = w.Gestartet && w.ErsteSpielbahn != 0;
        e.ersteBahn[k] = laeuft ? w.ErsteSpielbahn : w.ErsteBahn;
        e.letzteBahn[k] = laeuft ? w.LetzteSpielbahn : w.LetzteBahn;
    }
    e.aktNr = AktWettkampfNr;
    if (const TWettkampfDaten* w = AktWettkampf) {
        e.aktGestartet = w->Gestartet;
        e.aktBeendet = w->Beendet;
        e.aktGestoppt = w->Gestoppt;
        e.aktWechselAnstehend = w->WechselAnstehend;
        e.aktMannschaftsanzeigeEin = w->MannschaftsanzeigeEin;
        e.aktNamenanzeigeEin = w->NamenanzeigeEin;
        e.aktMonitoreEin = w->MonitoreEin;
        e.aktErsteBahn = w->ErsteSpielbahn;
        e.aktLetzteBahn = w->LetzteSpielbahn;
    } else {
        e.aktNr = 0;
    }
    for (const TBahnDaten& b : BahnDaten)
        if (b.BahnStatus != 0) e.bahnBelegt = true;
    e.anmeldeMaske = AnmeldeMaske;
    e.startMaske = StartMaske;
    e.aktivesFenster = AktivesFenster;
    e.bahnsteuerungOffen = OffeneFenster & FensterBahnsteuerung;
    e.anzeigeBoardEin = AnzeigeBoardEin;
    e.kartenleserAktiv = KartenleserAktiv;
    e.hintergrund = Einst.Hintergrund;
    e.mannschanzOn = Einst.MannschanzOn;
    e.namenanzOn = Einst.NamenanzOn;
    e.grossAnzeige = Einst.GrossAnzeige;
    e.monitorAnzeige = Einst.MonitorAnzeige;
    for (int n = 1; n <= 3; ++n) e.programmName[n] = Einst.ProgrammName[n];
    return e;
}
