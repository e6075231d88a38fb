#pragma once
// What the displays (boards on the bus, lane monitors) do for the match
// logic. The display code installs its implementation; until then nothing
// is shown.

#include "core/CheckedArray.h"
#include "core/Eingesetzt.h"
#include "core/Records.h"

class AnzeigeDienste {
public:
    virtual ~AnzeigeDienste() = default;
    // Team result boards of the lanes erste..letzte.
    virtual void mannschaftsanzeigeLoeschen(int erste, int letzte) = 0;
    virtual void mannschaftsanzeigeKennzeichnen(int erste, int letzte) = 0;
    virtual void mannschaftsanzeigeProbe(int bahn) = 0;
    virtual void mannschaftsergebnisAnzeigen(int bahn) = 0;
    // Lane name boards.
    virtual void namenanzeigeLoeschen(int bahn) = 0;
    virtual void namenanzeigeAktualisieren(int bahn) = 0;
    virtual void namenanzWerbungLaden(TWettkampfDaten& w) = 0;
    virtual void namenanzWerbungStarten(TWettkampfDaten& w) = 0;
    // Result board adverts.
    virtual void grossanzWerbungLaden(TWettkampfDaten& w) = 0;
    // Lane monitor clients.
    virtual void monitorKonfigurationExportieren(TWettkampfDaten& w) = 0;
    virtual void monitorMannschaftExportieren(TWettkampfDaten& w) = 0;
    virtual void monitorSpielerExportieren(int bahn) = 0;
    virtual void monitorStatusExportieren(TWettkampfDaten& w) = 0;
    virtual void monitorBeenden(int bahn) = 0;
    // Assigns the team boards to the lanes erste..letzte (MannschanzZuordnung).
    virtual void mannschaftsanzeigenZuordnen(int erste, int letzte) = 0;
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
