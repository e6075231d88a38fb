#pragma once
// The state of the edit menu of the match set-up window as one function of
// the control last pressed, the clipboards, the undo copy and the touch, drag
// and card-reader switches. The window computes it after every press and
// applies all of it; its pop-up menus copy the items.

// Everything the menu state is computed from.
struct WettkampfmenueEingabe {
    int aktSpielerNr = 0;             // 1..16 a line-up slot, 0 a match-data field, -1 the database grid
    bool editAktiv = false;           // the control last pressed is an edit
    int selektionLaenge = 0;          // characters selected in that edit
    bool zwischenablageText = false;  // the system clipboard holds text
    bool touchAktiv = false;          // setting: touch input available
    bool touchEingabe = false;
    bool gridVerschieben = false;
    bool kartenleserAktiv = false;
    int spielerRueckgaengigNr = 0;  // an operation to undo (its slot), 0 none
    bool ablageBelegt = false;      // a player is on the player clipboard
    int selStartCol = -1;           // database grid selection; column -1: whole rows
    int selStartRow = -1;
};

struct WettkampfMenuepunkt {
    bool enabled = true;
    bool checked = false;
};

struct Wettkampfmenue {
    WettkampfMenuepunkt MTouchEingabe, MVerschieben, MSpielerkarte;
    WettkampfMenuepunkt MAusschneiden, MKopieren, MEinfuegen;  // text in an edit or a grid cell
    WettkampfMenuepunkt MSpielerAusschneiden, MSpielerEinfuegen, MSpielerKopieren, MSpielerLoeschen;
    WettkampfMenuepunkt MInhaltEinfuegen, MInhaltLoeschen;
    WettkampfMenuepunkt MSpielerdaten, MSpielleiter, MSpieldaten;
    WettkampfMenuepunkt MRueckg;
};

Wettkampfmenue MenueStatusSetzen(const WettkampfmenueEingabe& e);

// The input as the global state holds it now, with what only the window
// knows: the control last pressed, the system clipboard and the grid.
WettkampfmenueEingabe WettkampfmenueEingabeLesen(bool editAktiv, int selektionLaenge, bool zwischenablageText,
                                                 int selStartCol, int selStartRow);
