#pragma once
// The desktop's way of opening things: web and mail addresses and documents
// through the desktop's default application, programs started directly.

#include "core/Shell.h"

class DesktopShell final : public ShellStarter {
public:
    enum class Art { Adresse, Programm, Dokument };
    // How a target is opened; decided without touching the desktop.
    static Art artVon(const QString& datei, const QString& ordner);

    void oeffnen(const QString& datei, const QString& ordner, const QString& parameter, int anzeigemodus) override;
    // A document only when the desktop has a program for its type (xdg-mime).
    bool kannOeffnen(const QString& datei, const QString& ordner) override;
};
