#pragma once
// The throw-sheet print jobs as the engine reaches them: each appends the
// lines of one event to the lane's printer queue. The program installs the
// sheet printing (Wurfblattdruck); without it nothing is printed.

#include "core/CheckedArray.h"
#include "core/Eingesetzt.h"
#include "core/Records.h"

// The printers' state; the names below refer into it.
struct DruckZustand {
    // Per lane: the throw-sheet printer is on (the lane reported it, or the
    // printer check found it).
    Array1<u8, MaxBahnen> WurfblattDrucker{};
    // Lane start sequence: lane printers to check, printer requests of lanes.
    u16 BahndruckMaske = 0;
    u16 DruckerpruefMaske = 0;
    u16 DruckerAnfrageMaske = 0;
    Array1<u8, MaxBahnen> BahnDruckerStatus{};

    void zuruecksetzen() { *this = DruckZustand{}; }
};
extern DruckZustand druckZustand;

extern Array1<u8, MaxBahnen>& WurfblattDrucker;
extern u16& BahndruckMaske;
extern u16& DruckerpruefMaske;
extern u16& DruckerAnfrageMaske;
extern Array1<u8, MaxBahnen>& BahnDruckerStatus;

class DruckDienste {
public:
    virtual ~DruckDienste() = default;
    // The lane's throw-sheet printer is on.
    bool wurfblattDrucker(int bahn) const { return WurfblattDrucker.contains(bahn) && WurfblattDrucker[bahn]; }
    virtual void bahndruckBeginnen(int bahn) = 0;
    virtual void druckspalteBestimmen(int bahn) = 0;
    // Sheet heads at the start of a part.
    virtual void bahndruckVorStart(int bahn) = 0;
    virtual void bahndruckNachStart(int bahn) = 0;
    virtual void bahndruckKopf(int bahn) = 0;
    virtual void bahndruckSpielerKopf(int bahn) = 0;
    virtual void bahndruckKopfStart(int bahn) = 0;
    virtual void bahndruckVorschub(int bahn) = 0;
    virtual void bahndruckSpielerStart(int bahn) = 0;
    // A booked throw.
    virtual void bahndruckWurf(int bahn, char holz, char marke) = 0;
    virtual void bahndruckAbschnitt(int bahn, char holz, char marke) = 0;
    virtual void bahndruckVorWurf(int bahn) = 0;
    // A corrected throw or a warning.
    virtual void bahndruckVorWertung(int bahn) = 0;
    virtual void bahndruckWurfzeile(int bahn, int wurfNr, char holz) = 0;
    virtual void bahndruckSummenzeile(int bahn, int wurfNr, char holz, char marke) = 0;
    // The end of a lane's part.
    virtual void bahndruckVorBahnende(int) {}
    virtual void bahndruckBahnergebnis(int) {}
    virtual void bahndruckFusszeile(int) {}
    virtual void bahndruckSpielerergebnis(int) {}
    virtual void bahndruckFusszeileKurz(int) {}
    // The lane's central printer is released when no lane of the lane's
    // match in play prints on it any more.
    virtual void zentralDruckerFreigeben(int) {}
    // The lane start sequence: stop a lane printer, assign a PC-port printer to
    // a lane pair or to a match (false when none is free), re-initialise a
    // lane's printer and mark its output pending.
    virtual void bahndruckBeenden(int) {}
    virtual bool bahndruckerZuordnen(int) { return false; }
    virtual bool bahndruckerZuordnenSpiel(int) { return false; }
    virtual void druckerInitialisieren(int) {}
    virtual void bahndruckAnstossen(int) {}
    // The port layer is initialised once for the central printers with an
    // interface (DruckerportInit); the queue and line buffer of the central
    // printer that serves the lane are emptied.
    virtual void druckerportInit() {}
    virtual void druckwarteschlangeLeeren(int) {}
};

void setDruckDienste(DruckDienste* d);
DruckDienste& drucker();
using DruckDiensteEinsetzen = Eingesetzt<DruckDienste, setDruckDienste, drucker>;
