#pragma once
// What the displays (boards on the bus, lane monitors) do for the match
// logic. The display code installs its implementation; until then nothing
// is shown.

#include "core/CheckedArray.h"
#include "core/Eingesetzt.h"
#include "core/Records.h"

class AnzeigeDienste {
public:
    // Each does nothing until a display implements it.
    virtual ~AnzeigeDienste() = default;
    // Team result boards of the lanes erste..letzte.
    virtual void mannschaftsanzeigeLoeschen(int, int) {}
    virtual void mannschaftsanzeigeKennzeichnen(int, int) {}
    virtual void mannschaftsanzeigeProbe(int) {}
    virtual void mannschaftsergebnisAnzeigen(int) {}
    // Lane name boards.
    virtual void namenanzeigeLoeschen(int) {}
    virtual void namenanzeigeAktualisieren(int) {}
    virtual void namenanzWerbungLaden(TWettkampfDaten&) {}
    virtual void namenanzWerbungStarten(TWettkampfDaten&) {}
    // Result board adverts.
    virtual void grossanzWerbungLaden(TWettkampfDaten&) {}
    // Lane monitor clients.
    virtual void monitorKonfigurationExportieren(TWettkampfDaten&) {}
    virtual void monitorMannschaftExportieren(TWettkampfDaten&) {}
    virtual void monitorSpielerExportieren(int) {}
    virtual void monitorStatusExportieren(TWettkampfDaten&) {}
    virtual void monitorBeenden(int) {}
    // Assigns the team boards to the lanes erste..letzte (MannschanzZuordnung).
    virtual void mannschaftsanzeigenZuordnen(int, int) {}
};

// The installed displays; null restores the stand-in that shows nothing.
void setAnzeigeDienste(AnzeigeDienste* a);
AnzeigeDienste& anzeigen();
using AnzeigeDiensteEinsetzen = Eingesetzt<AnzeigeDienste, setAnzeigeDienste, anzeigen>;

// Display state that the match logic reads and clears; the names below
// refer into it.
struct AnzeigeZustand {
    Array1<TWettkampfDaten*, MaxBahnen> BahnWettkampf{};     // match a lane's name board serves
    Array1<TWettkampfDaten*, MaxBahnen> MonitorWettkampf{};  // match a lane's monitor shows
    TWettkampfDaten* AnzeigeWettkampf = nullptr;             // match on the result board
    // The team board serving each lane, and the match each team board serves.
    Array1<u8, MaxBahnen> MannschanzZuordnung{};
    Array1<TWettkampfDaten*, MaxBahnen> MannschanzWettkampf{};

    void zuruecksetzen() { *this = AnzeigeZustand{}; }
};
extern AnzeigeZustand anzeigeZustand;

extern Array1<TWettkampfDaten*, MaxBahnen>& BahnWettkampf;
extern Array1<TWettkampfDaten*, MaxBahnen>& MonitorWettkampf;
extern TWettkampfDaten*& AnzeigeWettkampf;
extern Array1<u8, MaxBahnen>& MannschanzZuordnung;
extern Array1<TWettkampfDaten*, MaxBahnen>& MannschanzWettkampf;
// Team-board width in characters, 0: no team boards (the setting MannschAnzeigeDig).
extern u8& MannschanzBreite;

void AnzeigezustandZuruecksetzen();
