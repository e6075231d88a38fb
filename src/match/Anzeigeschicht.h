#pragma once
// The refresh calls that the engine, the lane windows and the main window
// make after every change: each tests whether its display is switched on
// for the match (and whether a lane has a match) and only then passes the
// work on to the displays or the windows.

#include "Records.h"

// MDI children of the current match.
void WettkampfFensterOeffnen();
void ErgebnistafelOeffnen();
void SpielberichtOeffnen();
void ErgebnistafelAktualisieren();
void ErgebnistafelBahnAktualisieren(int spielerNr);

// Team result boards.
void MannschaftsanzeigenLeeren(TWettkampfDaten& w);
void MannschaftsanzeigenKennzeichnen(TWettkampfDaten& w);
void MannschaftsanzeigeBahnAktualisieren(int bahn);
void MannschaftsanzeigenAktualisieren(TWettkampfDaten& w);

// Lane name boards.
void NamenanzeigenLeeren(TWettkampfDaten& w);
void NamenanzeigeBahnAktualisieren(int bahn);
void NamenanzWerbungVorbereiten(TWettkampfDaten& w);
void NamenanzWerbungEinschalten(TWettkampfDaten& w);

// Result board on the second monitor.
void GrossanzWerbungVorbereiten(TWettkampfDaten& w);
void AnzeigefensterOeffnen();
void AnzeigefensterSchliessen();
void AnzeigefensterAufbauen(TWettkampfDaten& w);
void AnzeigefensterSpielerAktualisieren(int spielerNr);

// Lane monitor clients.
void MonitorKonfigurationVerteilen(TWettkampfDaten& w);
void MonitorMannschaftSenden(TWettkampfDaten& w);
void MonitorSpielerSenden(int bahn);
void MonitorStatusSenden(TWettkampfDaten& w);
void MonitoreBeenden();

// Apply the current match's display switches to the boards, the result
// board window and the monitors, then refresh the main menu.
void MannschaftsanzeigeSchalten();
void NamenanzeigeSchalten();
void GrossanzeigeSchalten();
void MonitoranzeigeSchalten();
