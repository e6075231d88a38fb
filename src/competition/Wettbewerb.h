#pragma once
// The competition administration's services to the match logic, installed
// at program start.

#include "match/dienste/Wettbewerbdienste.h"

#include <functional>

class Wettbewerb final : public WettbewerbDienste {
public:
    // Ends an open cell edit of the player database grid (the set-up window
    // installs it in GridUebernahme while it exists).
    void spielerGridUebernehmen() override;
    bool spielerdatenbankSpeichern() override;
    void speichernDialog() override;
    // The own plan of preset n (StartfolgeLaden).
    bool startfolgeLaden(int n, int zeilen) override;
};

// What the set-up window does for spielerGridUebernehmen; empty without it.
extern std::function<void()> GridUebernahme;
