#pragma once
// Match 1 on lanes 1..4 under lane control mode 2: 4 Volle and 3 Abräumen
// throws, two rounds, sides of six; players are named "Spieler n". Home
// player 1 plays on lane 1, guest 9 on lane 2, both lanes online.

#include "core/Globals.h"
#include "match/engine/Wertung.h"
#include "support/Grundlage.h"

#include <string>

class Korrekturlage : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        BahnAnzahl = 4;
        CanAktiv = 1;
        Einst.Bahnsteuerung = 2;
        WurfblattDrucker.fill(1);
        m.ErsteSpielbahn = 1, m.LetzteSpielbahn = 4;
        m.Volle = 4, m.Abraeumen = 3, m.Wurfzeit = 10;
        m.Durchgaenge = 2, m.Spieleranzahl = 6;
        m.Gestartet = 1;
        m.Spielphase = PhaseSpiel;
        for (int n = 1; n <= MaxSpieler; ++n) {
            m.Spieler[n].Wertung = 1, m.Spieler[n].IstHeim = n <= 8;
            m.Spieler[n].Name = ("Spieler " + std::to_string(n)).c_str();
        }
        aufBahn(1, 1), aufBahn(2, 9);
    }
    void aufBahn(int bahn, int nr)
    {
        TBahnDaten& b = BahnDaten[bahn];
        TSpielerEintrag& s = m.Spieler[nr];
        b.Wettk = &m, b.BahnSpieler = &s, b.SpielerNr = u8(nr), b.BahnOnline = 1, b.BahnGestartet = 1;
        b.WuerfeRestDruck.Zahl = u8(m.Volle);
        b.TextName1[1].leeren(), b.TextName1[2].leeren();
        m.BahnImSpiel[bahn] = 1;
        s.DurchgangNr = 1, s.AktDurchgang = &s.Durchgang[1], s.Durchgang[1].Bahn = u8(bahn), s.Gestartet = 1;
    }
    // A throw of the first `pins` pins, booked as the lane reports it.
    void holz(int bahn, int pins)
    {
        TBahnDaten& b = BahnDaten[bahn];
        b.WurfBild = u16(WurfbildVorhanden | ((1u << pins) - 1)), b.WurfFlags = 0, b.WurfOffen = 1;
        b.WurfHolz = i8(pins);
        WurfAbschliessen(bahn);
    }

    TWettkampfDaten& m = Wettkaempfe[1];
};
