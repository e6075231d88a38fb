#pragma once
// The windows as the match logic reaches them: the single MDI children, the
// display configuration windows, the result board on the second monitor,
// the one-use dialogs and the main window's status bar and menu. The window
// hub installs the real implementation at start; until then (and in tests)
// nothing is opened and every dialog counts as cancelled.

#include "core/Eingesetzt.h"

#include <QString>

// The status bar panel of the bus state; shown only while it has a text.
constexpr int StatusPanelCan = 4;
// The panel of the messages to the monitor clients (replaced, dropped,
// unanswered); shown only while it has a text.
constexpr int StatusPanelMonitor = 5;

enum class MdiFenster { Wettkampf, Ergebnis, Spielbericht };
enum class KonfigFenster { Mannschaftanz, Namenanz, Grossanz, Monitoranz, Infoterminal };
enum class Dialog {
    SpielaufstellungImportieren,
    MannschaftImportieren,
    SpielerdatenbankImportieren,
    Export,
    Spielerkarte,
    MannschaftskarteLaden,      // a new match from a team card, with the transfer's progress
    MannschaftskarteSpeichern,  // the current match to a team card
    Optionen,
    Explorer,
    Druckerport,
    CanTiming,
    EmailSenden,
    FaxSenden,
    FtpSenden,
    FtpServer,
    Internet,
    Spieldaten,        // the current match's options
    Mannschaftsdaten,  // one side's first-leg result and free fields; seite 1 home, 2 guest
    Spielleitung,      // the match officials
    Startfolge,        // the own start-order plan of a throw preset
    Position,          // a free form field's position (PositionSektion, -FeldName, -FeldNr)
    Laden,             // load a saved match into a new one; OK when WettkampfGeladen
    Speichern,         // save the current match; OK when it was saved
    Spielerdaten,      // the player results of AktSpieler (AktSpielerNr)
    Korrektur,         // the throw correction panel; seite is the lane
    Wurfliste,         // the throw list of AktSpieler
    Service,           // the service page: traffic log, its mail, the update check
    Spielberichtformular,  // the report window: the drawn report and its output
    Deckblatt,         // the cover sheets of fax and e-mail
    Unterschrift,      // the signature pad of the captains and the referee
    Druckoptionen,     // print options of berichtZustand.FormularIndex; seite is the first page
};

class FensterDienste {
public:
    virtual ~FensterDienste() = default;

    // Opens the MDI child for the current match, or brings it to the front.
    virtual void oeffnen(MdiFenster f) = 0;
    virtual bool offen(MdiFenster f) const = 0;
    virtual void schliessen(MdiFenster f) = 0;
    // Refills an open MDI child from the current match.
    virtual void aktualisieren(MdiFenster f) = 0;
    // Refreshes one player's line of the open result window.
    virtual void spielerAktualisieren(MdiFenster f, int spielerNr) = 0;

    // Creates the configuration window once: false when it exists already.
    virtual bool erzeugen(KonfigFenster f) = 0;
    virtual void freigeben(KonfigFenster f) = 0;
    virtual bool vorhanden(KonfigFenster f) const = 0;

    // The result board on the second monitor.
    virtual void anzeigefensterOeffnen() = 0;
    virtual void anzeigefensterSchliessen() = 0;
    virtual bool anzeigefensterOffen() const = 0;
    virtual void anzeigefensterAufbauen() = 0;
    virtual void anzeigefensterSpielerAktualisieren(int spielerNr) = 0;

    // Runs a one-use dialog modally; true when it ended with OK. `seite` is
    // the side for MannschaftImportieren.
    virtual bool dialog(Dialog d, int seite = 0) = 0;

    // Main window: status bar panel text (0..3, StatusPanelCan and StatusPanelMonitor), menu
    // and tool bar state.
    virtual void statusText(int panel, const QString& text) = 0;
    virtual void hauptmenueAktualisieren() = 0;
    // Gives the keyboard focus back to the main window (and the match window).
    virtual void hauptfensterFokus() {}
};

// The installed windows; null restores the stand-in that opens nothing.
void setFensterDienste(FensterDienste* f);
FensterDienste& fenster();
using FensterDiensteEinsetzen = Eingesetzt<FensterDienste, setFensterDienste, fenster>;
