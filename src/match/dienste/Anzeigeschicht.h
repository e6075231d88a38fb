#pragma once
// The refresh calls that the engine, the lane windows and the main window
// make after every change: each tests whether its display is switched on
// for the match (and whether a lane has a match) and only then passes the
// work on to the displays or the windows.

#include "core/Records.h"

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

// The display layer's flags; the names below refer into it.
struct AnzeigeschichtZustand {
    // Set by MannschaftsanzeigeSchalten: the team-board dialog may join two
    // boards (its check box CBZuschalten), with two team boards or more.
    u8 MannschanzZuschalten = 0;
    // The advert files go to the monitor clients again at the next export.
    u8 MonitorWerbungNeu = 0;

    void zuruecksetzen() { *this = AnzeigeschichtZustand{}; }
};
extern AnzeigeschichtZustand anzeigeschichtZustand;

extern u8& MannschanzZuschalten;
extern u8& MonitorWerbungNeu;

// Apply the current match's display switches to the boards, the result
// board window and the monitors, then refresh the main menu.
void MannschaftsanzeigeSchalten();
void NamenanzeigeSchalten();
void GrossanzeigeSchalten();
void MonitoranzeigeSchalten();

// The display menu's commands on the current match. Each does nothing
// without a current match or while its display is not installed.
// Toggles the team boards; a board that serves another match stays with it.
void MannschanzEinschalten();
void MannschanzUpdate();
void NamenanzEinschalten();
// Takes the name boards of the match's lanes over from whichever match held them.
void NamenanzUpdate();
// Toggles the second-monitor board; the match's switch follows the program-wide one.
void GrossanzEinschalten();
void GrossanzUpdate();
void MonitorEinschalten();
void MonitorUpdate();
// Asks first, then ends the monitor programs.
void MonitorAusschalten();
