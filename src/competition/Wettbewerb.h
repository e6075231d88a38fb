#pragma once
// The competition administration's services to the match logic, installed
// at program start.

#include "match/dienste/Wettbewerbdienste.h"

class Wettbewerb final : public WettbewerbDienste {
public:
    // The player grid and the player database come with their windows;
    // until then these do what the stand-in does.
    void spielerGridUebernehmen() override {}
    void spielerdatenbankSpeichern() override {}
    void speichernDialog() override;
    // The own plan of preset n (StartfolgeLaden).
    bool startfolgeLaden(int n, int zeilen) override;
};
