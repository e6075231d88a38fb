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
    struct Fall {
        int akt;
        bool edit;
        int auswahl;
        bool text;
        int rueckgaengig;
        bool ablage;
        int col, row;
        std::string an;
    };
    const std::string spieler = "SpielerAusschneiden SpielerEinfuegen SpielerKopieren SpielerLoeschen";
    const Fall faelle[] = {
        // A slot: everything but the match-data dialogs.
        {3, true, 2, true, 3, true, -1, -1,
         "Verschieben Ausschneiden Kopieren Einfuegen " + spieler +
             " InhaltEinfuegen InhaltLoeschen Spielerdaten Rueckg"},
        // Paste needs a player on the clipboard, undo an operation to undo.
        {3, true, 0, false, 0, false, -1, -1,
         "Verschieben SpielerAusschneiden SpielerKopieren SpielerLoeschen InhaltLoeschen Spielerdaten"},
        {3, true, 0, false, 0, true, -1, -1,
         "Verschieben " + spieler + " InhaltEinfuegen InhaltLoeschen Spielerdaten"},
        // The grid with whole rows, with and without a player to paste.
        {-1, false, 0, true, 3, true, -1, 4, "Verschieben " + spieler + " Spielleiter Spieldaten Rueckg"},
        {-1, false, 0, true, 0, false, -1, 4,
         "Verschieben SpielerAusschneiden SpielerKopieren SpielerLoeschen Spielleiter Spieldaten"},
        // A grid cell: the text commands, paste by the clipboard.
        {-1, true, 0, true, 0, true, 2, 4, "Verschieben Ausschneiden Kopieren Einfuegen Spielleiter Spieldaten"},
        {-1, false, 0, false, 0, true, 2, 4, "Verschieben Ausschneiden Kopieren Spielleiter Spieldaten"},
        // A match-data edit and combo.
        {0, true, 1, true, 0, true, -1, -1, "Verschieben Ausschneiden Kopieren Einfuegen Spielleiter Spieldaten"},
        {0, false, 1, true, 0, true, -1, -1, "Verschieben Spielleiter Spieldaten"},
    };
    for (const Fall& f : faelle) {
        WettkampfmenueEingabe e;
        e.aktSpielerNr = f.akt;
        e.editAktiv = f.edit;
        e.selektionLaenge = f.auswahl;
        e.zwischenablageText = f.text;
        e.spielerRueckgaengigNr = f.rueckgaengig;
        e.ablageBelegt = f.ablage;
        e.selStartCol = f.col;
        e.selStartRow = f.row;
        EXPECT_EQ(An(MenueStatusSetzen(e)), f.an) << f.akt << " col " << f.col << " row " << f.row;
    }
}

// The switches, read from the global state, with the grid current.
TEST(Wettkampfmenue, SwitchesFromTheGlobalState)
{
    GlobalsZuruecksetzen();
    aufstellungZustand.zuruecksetzen();
    AktSpielerNr = -1;
    Einst.TouchAktiv = true;
    TouchEingabe = 1;
    KartenleserAktiv = 1;
    WettkampfmenueEingabe e = WettkampfmenueEingabeLesen(false, 0, false, -1, 0);
    EXPECT_EQ(e.aktSpielerNr, -1);
    Wettkampfmenue m = MenueStatusSetzen(e);
    EXPECT_TRUE(m.MTouchEingabe.enabled && m.MTouchEingabe.checked);
    EXPECT_TRUE(m.MVerschieben.checked);  // on at the start
    EXPECT_TRUE(m.MSpielerkarte.enabled);
    EXPECT_FALSE(m.MSpielerEinfuegen.enabled);

    Einst.TouchAktiv = false;
    TouchEingabe = 0;
    KartenleserAktiv = 0;
    GridVerschieben = 0;
    m = MenueStatusSetzen(WettkampfmenueEingabeLesen(false, 0, false, -1, 0));
    EXPECT_FALSE(m.MTouchEingabe.enabled || m.MTouchEingabe.checked || m.MVerschieben.checked ||
                 m.MSpielerkarte.enabled);
    GlobalsZuruecksetzen();
    aufstellungZustand.zuruecksetzen();
}
