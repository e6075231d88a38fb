#pragma once
// Opening a file, a program or a web address with the desktop's default
// action. The program installs the desktop implementation at start; until
// then nothing is opened.

#include "core/Eingesetzt.h"

#include <QString>

// The search for another program's window by its title.
enum class Fenstersuche {
    Aktiviert,      // found, brought to the front and given the input focus
    NichtGefunden,  // no top-level window has that title
    NichtMoeglich,  // this desktop lets no program look at other programs' windows
};

class ShellStarter {
public:
    virtual ~ShellStarter() = default;
    virtual void oeffnen(const QString& datei, const QString& ordner, const QString& parameter,
                         int anzeigemodus) = 0;
    // Whether something on this desktop opens the file; true unless known otherwise.
    virtual bool kannOeffnen(const QString& /*datei*/, const QString& /*ordner*/) { return true; }
    // Brings a top-level window titled `titel` to the front and activates it.
    virtual Fenstersuche fensterAktivieren(const QString& /*titel*/) { return Fenstersuche::NichtMoeglich; }
    // Whether the program that oeffnen last started from this file still runs.
    virtual bool laeuftNoch(const QString& /*datei*/, const QString& /*ordner*/) { return false; }
};

// The installed starter; null restores the one that opens nothing.
void setShellStarter(ShellStarter* starter);
ShellStarter& shellStarter();
using ShellStarterEinsetzen = Eingesetzt<ShellStarter, setShellStarter, shellStarter>;

// Asks the shell to open the file; each text is cut to 255 characters.
void DateiAusfuehren(const QString& datei, const QString& ordner, const QString& parameter, int anzeigemodus);
