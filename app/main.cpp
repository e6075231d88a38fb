#include "core/Boxes.h"
#include "platform/AbfShutdown.h"
#include "platform/Einzelinstanz.h"
#include "platform/Laufzeitordner.h"
#include "platform/QtSound.h"
#include "shell/Programmstart.h"
#include "shell/ui/Main.h"
#include "shell/ui/Programm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace {

// Test hooks, inert when unset.
// CORVALINK_TEST_ABSCHALTUNG: a program run in place of the shut-down
// command, with that command line as its arguments.
class ErsatzAbschaltung final : public Abschaltung {
public:
    explicit ErsatzAbschaltung(QString programm) : m_programm(std::move(programm)) {}
    bool ausfuehren(const QStringList& befehl) override { return QProcess::startDetached(m_programm, befehl); }

private:
    QString m_programm;
};

// CORVALINK_TEST_AUSLOESEN: objectNames of actions and buttons, comma
// separated, triggered in turn as soon as each is enabled (a button also
// visible). Queued, so that a modal dialog it opens does not stop the rest.
void AusloeserStarten(QStringList namen)
{
    auto* takt = new QTimer(qApp);
    takt->setInterval(50);
    QObject::connect(takt, &QTimer::timeout, takt, [takt, namen]() mutable {
        if (namen.isEmpty()) {
            takt->stop();
            return;
        }
        for (QWidget* fenster : QApplication::topLevelWidgets()) {
            for (QAction* a : fenster->findChildren<QAction*>(namen.first())) {
                if (!a->isEnabled()) continue;
                namen.removeFirst();
                QMetaObject::invokeMethod(a, &QAction::trigger, Qt::QueuedConnection);
                return;
            }
            for (QAbstractButton* k : fenster->findChildren<QAbstractButton*>(namen.first())) {
                if (!k->isVisible() || !k->isEnabled()) continue;
                namen.removeFirst();
                QMetaObject::invokeMethod(k, &QAbstractButton::click, Qt::QueuedConnection);
                return;
            }
        }
    });
    takt->start();
}

}  // namespace

int main(int argc, char** argv)
{
    // Videos through Qt's FFmpeg media backend: the GStreamer one needs
    // plugins a plain Debian system lacks. QT_MEDIA_BACKEND chooses another.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    VerbindungsmeldungAusblenden();
    // A private runtime folder where the session gives none.
    LaufzeitordnerVorbereiten();
    DeutschesGebietsschemaVorbereiten();
    QApplication app(argc, argv);
    DeutschesGebietsschemaAbschliessen();
    QApplication::setApplicationName(QStringLiteral("Corvalink"));
    QApplication::setApplicationVersion(QStringLiteral("2.21.0062"));
    DeutscheTexteLaden();

    // A running program is brought to the front and this start ends.
    Einzelinstanz instanz(QStringLiteral("Corvalink"));
    if (!instanz.beanspruchen()) return 0;

    std::unique_ptr<ErsatzAbschaltung> ersatz;
    ProgrammOptionen optionen;
    if (const QString p = qEnvironmentVariable("CORVALINK_TEST_ABSCHALTUNG"); !p.isEmpty()) {
        ersatz = std::make_unique<ErsatzAbschaltung>(p);
        optionen.abschaltung = ersatz.get();
    }

    // The program ends through its end dialog only.
    QApplication::setQuitOnLastWindowClosed(false);
    Programm programm(optionen);
    QObject::connect(&instanz, &Einzelinstanz::zeigenAngefordert, &app,
                     [&programm] { programm.hauptfenster()->NachVorne(); });

    // The program folder is the current directory at start.
    const QStringList meldungen = programm.starten(QDir::currentPath());
    if (!meldungen.isEmpty())
        QTimer::singleShot(0, &app, [meldungen] { boxen().hinweis(meldungen.join(QLatin1Char('\n'))); });
    if (const QString namen = qEnvironmentVariable("CORVALINK_TEST_AUSLOESEN"); !namen.isEmpty())
        AusloeserStarten(namen.split(QLatin1Char(','), Qt::SkipEmptyParts));
    return app.exec();
}
