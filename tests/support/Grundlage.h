#pragma once
// The base of the fixtures that drive the match logic: every module starts
// from its start state and ends in it, and the recording stand-ins of the
// windows, displays, printers, network and competition administration are
// installed for the length of the test.

#include "match/flow/Zustand.h"
#include "support/Aufnahmen.h"

#include <gtest/gtest.h>

class Grundlage : public ::testing::Test {
protected:
    void SetUp() override { ZustandZuruecksetzen(); }
    void TearDown() override { ZustandZuruecksetzen(); }

    AnzeigenAufnahme anzeigen;
    FensterAufnahme fenster;
    BahnfensterAufnahme bahnfenster;
    DruckAufnahme druck;
    NetzAufnahme netz;
    WettbewerbAufnahme wettbewerb;

private:
    AnzeigeDiensteEinsetzen m_anzeigen{&anzeigen};
    FensterDiensteEinsetzen m_fenster{&fenster};
    BahnfensterDiensteEinsetzen m_bahnfenster{&bahnfenster};
    DruckDiensteEinsetzen m_druck{&druck};
    NetzDiensteEinsetzen m_netz{&netz};
    WettbewerbDiensteEinsetzen m_wettbewerb{&wettbewerb};
};
