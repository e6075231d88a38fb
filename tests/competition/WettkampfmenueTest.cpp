#include "competition/Aufstellung.h"
#include "competition/Wettkampfmenue.h"
#include "core/Globals.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The enabled items, in this order.
std::string An(const Wettkampfmenue& m)
{
#define P(n) std::pair{#n, &Wettkampfmenue::M##n}
    const std::pair<const char*, WettkampfMenuepunkt Wettkampfmenue::*> punkte[] = {
        P(TouchEingabe), P(Verschieben), P(Spielerkarte), P(Ausschneiden), P(Kopieren), P(Einfuegen),
        P(SpielerAusschneiden), P(SpielerEinfuegen), P(SpielerKopieren), P(SpielerLoeschen), P(InhaltEinfuegen),
        P(InhaltLoeschen), P(Spielerdaten), P(Spielleiter), P(Spieldaten), P(Rueckg)};
#undef P
    std::string s;
    for (const auto& [name, p] : punkte)
        if ((m.*p).enabled) s += std::string(s.empty() ? "" : " ") + name;
    return s;
}

}  // namespace

TEST(Wettkampfmenue, StateTable)
{
    const std::string spieler = "SpielerAusschneiden SpielerEinfuegen SpielerKopieren SpielerLoeschen";
    // Slot, edit, selection, clipboard text, (four switches off), undo slot, player clipboard, grid column and row.
    const std::pair<WettkampfmenueEingabe, std::string> faelle[] = {
        // A slot: everything but the match-data dialogs.
        {{3, true, 2, true, 0, 0, 0, 0, 3, true, -1, -1},
         "Verschieben Ausschneiden Kopieren Einfuegen " + spieler + " InhaltEinfuegen InhaltLoeschen Spielerdaten Rueckg"},
        // Paste needs a player on the clipboard, undo an operation to undo.
        {{3, true, 0, false, 0, 0, 0, 0, 0, false, -1, -1},
         "Verschieben SpielerAusschneiden SpielerKopieren SpielerLoeschen InhaltLoeschen Spielerdaten"},
        {{3, true, 0, false, 0, 0, 0, 0, 0, true, -1, -1},
         "Verschieben " + spieler + " InhaltEinfuegen InhaltLoeschen Spielerdaten"},
        // The grid with whole rows, with and without a player to paste.
        {{-1, false, 0, true, 0, 0, 0, 0, 3, true, -1, 4}, "Verschieben " + spieler + " Spielleiter Spieldaten Rueckg"},
        {{-1, false, 0, true, 0, 0, 0, 0, 0, false, -1, 4},
         "Verschieben SpielerAusschneiden SpielerKopieren SpielerLoeschen Spielleiter Spieldaten"},
        // A grid cell: the text commands, paste by the clipboard.
        {{-1, true, 0, true, 0, 0, 0, 0, 0, true, 2, 4}, "Verschieben Ausschneiden Kopieren Einfuegen Spielleiter Spieldaten"},
        {{-1, false, 0, false, 0, 0, 0, 0, 0, true, 2, 4}, "Verschieben Ausschneiden Kopieren Spielleiter Spieldaten"},
        // A match-data edit and combo.
        {{0, true, 1, true, 0, 0, 0, 0, 0, true, -1, -1}, "Verschieben Ausschneiden Kopieren Einfuegen Spielleiter Spieldaten"},
        {{0, false, 1, true, 0, 0, 0, 0, 0, true, -1, -1}, "Verschieben Spielleiter Spieldaten"},
    };
    for (const auto& [e, an] : faelle)
        EXPECT_EQ(An(MenueStatusSetzen(e)), an) << e.aktSpielerNr << " col " << e.selStartCol << " row " << e.selStartRow;
}

// The switches, read from the global state, with the grid current.
TEST(Wettkampfmenue, SwitchesFromTheGlobalState)
{
    GlobalsZuruecksetzen();
    aufstellungZustand.zuruecksetzen();
    AktSpielerNr = -1;
    for (bool an : {true, false}) {
        Einst.TouchAktiv = an;
        TouchEingabe = an;
        KartenleserAktiv = an;
        GridVerschieben = an;
        const WettkampfmenueEingabe e = WettkampfmenueEingabeLesen(false, 0, false, -1, 0);
        EXPECT_EQ(e.aktSpielerNr, -1);
        const Wettkampfmenue m = MenueStatusSetzen(e);
        for (bool p : {m.MTouchEingabe.enabled, m.MTouchEingabe.checked, m.MVerschieben.checked, m.MSpielerkarte.enabled})
            EXPECT_EQ(p, an);
    }
    GlobalsZuruecksetzen();
    aufstellungZustand.zuruecksetzen();
}
