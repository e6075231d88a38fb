#pragma once
// Stand-ins for the sound output and the desktop shell that record every
// call.

#include "core/Shell.h"
#include "core/Sound.h"

#include <QFileInfo>
#include <QStringList>

struct SoundAufnahme : SoundAusgabe {
    QStringList pfade;     // as played
    QStringList gespielt;  // their file names
    void abspielen(const QString& pfad) override
    {
        pfade << pfad;
        gespielt << QFileInfo(pfad).fileName();
    }
};

// One line "datei|ordner|parameter|modus" per call.
struct ShellAufnahme : ShellStarter {
    QStringList aufrufe;
    QStringList gesucht;  // the window titles looked for
    Fenstersuche suche = Fenstersuche::NichtMoeglich;
    QStringList laufend;  // the programs that still run
    void oeffnen(const QString& datei, const QString& ordner, const QString& parameter, int modus) override
    {
        aufrufe << QStringLiteral("%1|%2|%3|%4").arg(datei, ordner, parameter).arg(modus);
    }
    Fenstersuche fensterAktivieren(const QString& titel) override
    {
        gesucht << titel;
        return suche;
    }
    bool laeuftNoch(const QString& datei, const QString&) override { return laufend.contains(datei); }
};
