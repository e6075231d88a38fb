#include "Boxes.h"
#include "Einzelinstanz.h"
#include "Main.h"
#include "Programm.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalink"));
    QApplication::setApplicationVersion(QStringLiteral("2.21.0062"));

    // A running program is brought to the front and this start ends.
    Einzelinstanz instanz(QStringLiteral("Corvalink"));
    if (!instanz.beanspruchen()) return 0;

    // The program ends through its end dialog only.
    QApplication::setQuitOnLastWindowClosed(false);
    Programm programm;
    QObject::connect(&instanz, &Einzelinstanz::zeigenAngefordert, &app,
                     [&programm] { programm.hauptfenster()->NachVorne(); });

    // The program folder is the current directory at start.
    const QStringList meldungen = programm.starten(QDir::currentPath());
    if (!meldungen.isEmpty())
        QTimer::singleShot(0, &app, [meldungen] { boxen().hinweis(meldungen.join(QLatin1Char('\n'))); });
    return app.exec();
}
