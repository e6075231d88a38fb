#include "DesktopShell.h"
#include "Globals.h"
#include "Shell.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalink"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvalink"));
    QApplication::setApplicationVersion(QStringLiteral("2.21.0062"));

    GlobalsZuruecksetzen();
    DesktopShell shell;
    setShellStarter(&shell);

    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Corvalink"));
    fenster.resize(1024, 768);
    fenster.show();

    const int ergebnis = app.exec();
    setShellStarter(nullptr);
    return ergebnis;
}
