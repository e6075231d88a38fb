#pragma once
// The six match slots: creating a match with its defaults, the options that
// follow from the match window's choices, the start-order plan, closing with
// the save question, and taking over a game that a lane runs.

#include "core/Records.h"

#include <QString>

// The slots' own state beside the match records; the names below refer into it.
struct WettkampfslotsZustand {
    // The match a lane handed over (message kind 3); null when none.
    TWettkampfDaten* UebernahmeWettkampf = nullptr;

    void zuruecksetzen() { *this = WettkampfslotsZustand{}; }
};
extern WettkampfslotsZustand wettkampfslotsZustand;

extern TWettkampfDaten*& UebernahmeWettkampf;

// Takes the lowest free slot and makes it the current match with the
// defaults; false (nothing changed) when six matches are open.
bool WettkampfAnlegen();
// The values taken over from the settings, the advert lists, the phase.
void WettkampfVorgabenSetzen();

// Practice throws and minutes of the current match from its practice kind;
// kinds 5 and 6 read the number at the start of the practice choice's text.
void ProbewuerfeUebernehmen(const QString& probeAuswahlText = {});

// Fixes the first and last lane of the current match and its plan. False,
// with the plan pointer null, when no plan fits (the start is then refused).
bool StartfolgeZuordnen();

// The match window's choices that the options follow.
class OptionenAnsicht {
public:
    virtual ~OptionenAnsicht() = default;
    virtual int spieleranzahlIndex() const = 0;  // 0, 1, 2: 4, 5, 6 players
    virtual void setSpieleranzahlIndex(int i) = 0;
    virtual void setSpieleranzahlAktiv(bool aktiv) = 0;
    virtual void setSpielerzeilen(int anzahl) = 0;  // player lines shown per side
    virtual QString probeText() const = 0;          // text of the practice choice
    virtual void probeAuswahlFuellen() = 0;
    virtual QString bahnText() const = 0;  // such as "Bahn 1 bis 4"
    virtual int bahnIndex() const = 0;
    virtual void setBahnIndex(int i) = 0;
    // Fills the lane-change choice for the lanes; whether it is shown.
    virtual bool bahnwechselAuswahlFuellen() = 0;
};

enum OptionenBits : int {
    OptionWurfvorwahl = 1,
    OptionProbe = 2,
    OptionSpieleranzahl = 4,
    OptionBahnen = 8,
    OptionAlle = 15,
};

// Re-derives the options of the current match from the window's choices;
// ends with StartfolgeZuordnen.
void WettkampfOptionenAnzeigen(int bits, OptionenAnsicht& ansicht);

// The options of a new current match as its window shows them before any
// choice is changed: the throw preset, the team size, the first lane choice
// of the preset and the first lane-change item; ends with StartfolgeZuordnen.
void WettkampfGrundoptionenSetzen();
// The options of a match read from a file, from its stored choices: team
// size, lanes, lane-change choice and start plan; the throw preset's counts
// are not applied again.
void WettkampfOptionenAbleiten();

// Closes the current match after the save questions; false when the operator
// cancelled or the player database could not be saved (nothing changed).
bool WettkampfSchliessen();
// When the player database was changed: "Spielerdatenbank speichern ?", on
// yes it is saved. Clears DatenbankGeaendert, unless the save failed: then
// false, and the changes stay to be saved.
bool SpielerdatenbankSpeichernFragen();
// "gestartet", "gestoppt" or "fertig" in the status bar.
void SpielstatusAnzeigen();

// A lane hands over the game it runs (practice kind + 1, throw preset, team
// size, lane choice, round). Null when six matches are open or a value is
// out of range; otherwise the new match, shown in its window.
TWettkampfDaten* SpielUebernehmen(u8 probe, u8 wurfvorwahl, u8 spieleranzahl, u8 bahnenIndex, u8 durchgang);
