#include "CanKarte.h"
#include "CanTiming.h"
#include "DesktopShell.h"
#include "Fensterhub.h"
#include "Globals.h"
#include "QtCanAdapter.h"
#include "QtSound.h"
#include "SettingsFile.h"
#include "Shell.h"
#include "Startfenster.h"
#include "TimerModul.h"
#include "Sound.h"
#include "WidgetBoxen.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalink"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvalink"));
    QApplication::setApplicationVersion(QStringLiteral("2.21.0062"));

    GlobalsZuruecksetzen();
    // The program folder is the current directory at start.
    const QStringList fehler = EinstellungenLaden(QDir::currentPath());

    DesktopShell shell;
    setShellStarter(&shell);
    QtSound sound;
    setSoundAusgabe(&sound);
    QtCanAdapter can;
    setCanAdapter(&can);
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();

    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Corvalink"));
    fenster.resize(1024, 768);
    WidgetBoxen boxen(&fenster);
    setBoxen(&boxen);
    Fensterhub hub;
    hub.setHauptfenster(&fenster);
    hub.registrieren(Dialog::CanTiming, [](QWidget* eltern) { return new TCanTiming(eltern); });
    setFensterDienste(&hub);
    WidgetPrompts prompts;
    setStartPrompts(&prompts);
    fenster.show();

    // The periodic jobs start last, when every window exists.
    BahnendeTimerAktiv = 1;
    CanEmpfangTimerAktiv = 1;
    TimerModulStarten();
    if (!fehler.isEmpty()) boxen.hinweis(fehler.join(QLatin1Char('\n')));

    const int ergebnis = app.exec();
    TimerModulBeenden();
    setStartPrompts(nullptr);
    setFensterDienste(nullptr);
    setBoxen(nullptr);
    setCanAdapter(nullptr);
    setSoundAusgabe(nullptr);
    setShellStarter(nullptr);
    return ergebnis;
}
