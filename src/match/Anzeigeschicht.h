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

// Applies the current match's switches for the result board and the
// monitors, then refreshes the main menu.
void GrossanzeigeSchalten();
void MonitoranzeigeSchalten();
