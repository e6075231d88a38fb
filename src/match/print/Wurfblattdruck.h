#pragma once
// The throw-sheet printing as the engine reaches it: the print seam over the
// sheet layouts and the printer queues, and the printer ports' part of the
// program start and end.

#include "match/print/Druckdienste.h"

class Wurfblattdruck final : public DruckDienste {
public:
    void bahndruckBeginnen(int bahn) override;
    void druckspalteBestimmen(int bahn) override;
    void bahndruckVorStart(int bahn) override;
    void bahndruckNachStart(int bahn) override;
    void bahndruckKopf(int bahn) override;
    void bahndruckSpielerKopf(int bahn) override;
    void bahndruckKopfStart(int bahn) override;
    void bahndruckVorschub(int bahn) override;
    void bahndruckSpielerStart(int bahn) override;
    void bahndruckWurf(int bahn, char holz, char marke) override;
    void bahndruckAbschnitt(int bahn, char holz, char marke) override;
    void bahndruckVorWurf(int bahn) override;
    void bahndruckVorWertung(int bahn) override;
    void bahndruckWurfzeile(int bahn, int wurfNr, char holz) override;
    void bahndruckSummenzeile(int bahn, int wurfNr, char holz, char marke) override;
    void bahndruckVorBahnende(int bahn) override;
    void bahndruckBahnergebnis(int bahn) override;
    void bahndruckFusszeile(int bahn) override;
    void bahndruckSpielerergebnis(int bahn) override;
    void bahndruckFusszeileKurz(int bahn) override;
    void zentralDruckerFreigeben(int bahn) override;
    void bahndruckBeenden(int bahn) override;
    bool bahndruckerZuordnen(int bahn) override;
    bool bahndruckerZuordnenSpiel(int bahn) override;
    void druckerInitialisieren(int bahn) override;
    void bahndruckAnstossen(int bahn) override;
    void druckerportInit() override;
    void druckwarteschlangeLeeren(int bahn) override;
};

// Program start: the port layer learns the devices of the settings; with
// throw sheets on, the printers with a port are initialised and their ports
// opened (a port that cannot be opened is never written).
void DruckerStarten();
// The port layer initialised for the printers with a port, once.
void DruckerportInitialisieren();
// Program end: the ports released when they were initialised.
void DruckerBeenden();
