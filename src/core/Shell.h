#pragma once
// Opening a file, a program or a web address with the desktop's default
// action. The program installs the desktop implementation at start; until
// then nothing is opened.

#include "core/Eingesetzt.h"

#include <QString>

class ShellStarter {
public:
    virtual ~ShellStarter() = default;
    virtual void oeffnen(const QString& datei, const QString& ordner, const QString& parameter,
                         int anzeigemodus) = 0;
    // Whether something on this desktop opens the file; true unless known otherwise.
    virtual bool kannOeffnen(const QString& /*datei*/, const QString& /*ordner*/) { return true; }
};

// The installed starter; null restores the one that opens nothing.
void setShellStarter(ShellStarter* starter);
ShellStarter& shellStarter();
using ShellStarterEinsetzen = Eingesetzt<ShellStarter, setShellStarter, shellStarter>;

// Asks the shell to open the file; each text is cut to 255 characters.
void DateiAusfuehren(const QString& datei, const QString& ordner, const QString& parameter, int anzeigemodus);
