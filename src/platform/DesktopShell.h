#pragma once
// The desktop's way of opening things: web and mail addresses and documents
// through the desktop's default application, programs started directly.
// Other programs' windows are found through the platform's layer
// (platform/Fremdfenster.h); the programs started here are remembered, so
// that it can tell whether one still runs.

#include "core/Shell.h"

#include <QHash>
#include <memory>

class Fremdfenster;

class DesktopShell final : public ShellStarter {
public:
    enum class Art { Adresse, Programm, Dokument };
    // The window layer of the platform Qt runs on.
    DesktopShell();
    // With that window layer; null: none.
    explicit DesktopShell(std::unique_ptr<Fremdfenster> fenster);
    ~DesktopShell() override;

    // How a target is opened; decided without touching the desktop.
    static Art artVon(const QString& datei, const QString& ordner);

    void oeffnen(const QString& datei, const QString& ordner, const QString& parameter, int anzeigemodus) override;
    // A document only when the desktop has a program for its type (xdg-mime).
    bool kannOeffnen(const QString& datei, const QString& ordner) override;
    Fenstersuche fensterAktivieren(const QString& titel) override;
    // The process last started from the file still runs (not ended, not a
    // zombie, and not another process that got its number since).
    bool laeuftNoch(const QString& datei, const QString& ordner) override;

private:
    struct Prozess {
        qint64 pid = 0;
        QByteArray start;  // its start time in /proc/<pid>/stat
    };
    std::unique_ptr<Fremdfenster> m_fenster;
    QHash<QString, Prozess> m_gestartet;  // by the program's absolute path
};
