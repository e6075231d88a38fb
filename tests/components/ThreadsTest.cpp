#include "components/Dateikomponenten.h"
#include "components/Klang.h"
#include "components/Labels.h"
#include "components/Oberflaechenhilfen.h"
#include "components/Oberflaechenkomponenten.h"
#include "components/Shellkomponenten.h"
#include "components/Threads.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QSemaphore>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <thread>
#include <tuple>

namespace {
void ereignisseVerarbeiten()
{
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// The visible message boxes of the application.
QList<QMessageBox*> meldungsboxen()
{
    QList<QMessageBox*> boxen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) boxen << b;
    return boxen;
}

// Delivers events until a message box shows or a generous deadline passes.
QMessageBox* aufMeldungsboxWarten()
{
    const QDeadlineTimer frist(30000);
    while (meldungsboxen().isEmpty() && !frist.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return meldungsboxen().value(0);
}
}  // namespace

// A QTimer with interval 0 would fire on every pass of the event loop.
TEST(TabfCustomTimer, IntervalZeroOrNoOnTimerNeverFires)
{
    struct Fall {
        int intervall;
        bool mitOnTimer;
    };
    for (const Fall f : {Fall{0, true}, Fall{10, false}, Fall{-5, true}}) {
        int laeufe = 0;
        TabfCustomTimer t;
        if (f.mitOnTimer) t.setOnTimer([&] { ++laeufe; });
        t.setInterval(f.intervall);
        t.setEnabled(true);
        EXPECT_FALSE(t.laeuft()) << f.intervall;
        ereignisseVerarbeiten();
        EXPECT_EQ(laeufe, 0) << f.intervall;
        EXPECT_TRUE(t.Fehler().isEmpty()) << f.intervall;
    }
}

// The system refuses a timer on a thread without an event loop and a start
// from a thread the timer does not belong to (QObject::startTimer gives 0):
// the error is raised and the timer does not claim to run.
TEST(TabfCustomTimer, RefusedStartRaisesTheErrorAndStaysOff)
{
    QStringList meldungen;
    setTabfThreadMeldung([&](const QString& titel, const QString& text) { meldungen << titel + u'|' + text; });
    const QString erwartet = QCoreApplication::applicationName() + QStringLiteral("|Es sind keine Zeitgeber mehr verfügbar !");
    struct Ergebnis {
        bool enabled = true, laeuft = true;
        QString fehler;
    };
    const auto starten = [](TabfCustomTimer& t, Ergebnis& e) {
        t.setInterval(10);
        t.setOnTimer([] {});
        t.setEnabled(true);
        e = {t.enabled(), t.laeuft(), t.Fehler()};
    };
    const std::function<Ergebnis()> faelle[] = {
        [&] {  // the timer lives on a thread Qt did not start
            Ergebnis e;
            std::thread([&] {
                TabfCustomTimer t;
                starten(t, e);
            }).join();
            return e;
        },
        [&] {  // a colour picker is such a timer too
            Ergebnis e;
            std::thread([&] {
                TabfColorPicker p;
                starten(p, e);
            }).join();
            return e;
        },
        [&] {  // started from another thread
            Ergebnis e;
            TabfCustomTimer t;
            std::thread([&] { starten(t, e); }).join();
            return e;
        },
    };
    for (int i = 0; i < int(std::size(faelle)); ++i) {
        meldungen.clear();
        const Ergebnis e = faelle[i]();
        EXPECT_FALSE(e.enabled) << i;
        EXPECT_FALSE(e.laeuft) << i;
        EXPECT_EQ(e.fehler, QStringLiteral("Es sind keine Zeitgeber mehr verfügbar !")) << i;
        EXPECT_EQ(meldungen, QStringList{erwartet}) << i;
    }
    setTabfThreadMeldung({});

    // On the UI thread the same start works and clears nothing it should not.
    TabfCustomTimer t;
    Ergebnis e;
    starten(t, e);
    EXPECT_TRUE(e.enabled);
    EXPECT_TRUE(e.laeuft);
    EXPECT_TRUE(e.fehler.isEmpty());
}

// Every component of the library carries the informational About text, its
// class name, as a property.
TEST(TabfComponent, AboutNamesTheClass)
{
    const std::pair<std::function<QObject*()>, const char*> faelle[] = {
        {[] { return new TabfThreadComponent; }, "TabfThreadComponent"},
        {[] { return new TabfThreadTimer; }, "TabfThreadTimer"},
        {[] { return new TabfColorPicker; }, "TabfColorPicker"},
        {[] { return new TabfWndProcHook; }, "TabfWndProcHook"},
        {[] { return new TabfTrayIcon; }, "TabfTrayIcon"},
        {[] { return new TabfOneInstance; }, "TabfOneInstance"},
        {[] { return new TabfAutoRun; }, "TabfAutoRun"},
        {[] { return new TabfFileOperation; }, "TabfFileOperation"},
        {[] { return new TabfFileAssociation; }, "TabfFileAssociation"},
        {[] { return new TabfFileStorage; }, "TabfFileStorage"},
        {[] { return new TabfWav; }, "TabfWav"},
        {[] { return new TabfFolderMonitor; }, "TabfFolderMonitor"},
        {[] { return new TabfRegistryMonitor; }, "TabfRegistryMonitor"},
        {[] { return new TabfLabel; }, "TabfLabel"},
        {[] { return new TabfActiveLabel; }, "TabfActiveLabel"},
    };
    for (const auto& [erzeugen, klasse] : faelle) {
        const std::unique_ptr<QObject> k(erzeugen());
        EXPECT_EQ(k->property("About").toString().toStdString(), klasse);
        EXPECT_FALSE(k->setProperty("About", QStringLiteral("anders"))) << klasse;  // informational only
    }
}

TEST(TabfCustomTimer, RunsOnlyWithIntervalEnabledAndOnTimerAndMaySwitchItselfOff)
{
    int laeufe = 0;
    TabfCustomTimer t;
    t.setInterval(20);
    t.setEnabled(true);
    EXPECT_FALSE(t.laeuft());
    t.setOnTimer([&] {
        ++laeufe;
        t.setEnabled(false);
    });
    EXPECT_TRUE(t.laeuft());
    t.tick();
    EXPECT_EQ(laeufe, 1);
    EXPECT_FALSE(t.laeuft());
    t.setEnabled(true);
    t.setInterval(30);
    EXPECT_TRUE(t.laeuft());
    t.setOnTimer({});
    EXPECT_FALSE(t.laeuft());
}

namespace {
class Arbeit : public TabfThread {
public:
    QThread* worker = nullptr;

protected:
    void Ausfuehren() override { worker = QThread::currentThread(); }
};
}  // namespace

TEST(TabfThread, EndIsReportedOnTheUiThreadWhenAsked)
{
    for (bool synchron : {true, false}) {
        Arbeit t;
        QThread* gemeldetAuf = nullptr;
        t.setFinishSynchronized(synchron);
        t.setOnFinish([&] { gemeldetAuf = QThread::currentThread(); });
        t.start();
        ASSERT_TRUE(t.warten());
        EXPECT_TRUE(t.fertig());
        ASSERT_NE(t.worker, nullptr);
        EXPECT_NE(t.worker, QCoreApplication::instance()->thread());
        EXPECT_EQ(gemeldetAuf, synchron ? QCoreApplication::instance()->thread() : t.worker) << synchron;
    }
}

TEST(TabfThreadComponent, ExecuteOnWorkerFinishAndTerminateInOrder)
{
    for (bool synchron : {false, true}) {
        QThread* const ui = QCoreApplication::instance()->thread();
        QStringList ablauf;
        TabfThreadComponent c;
        c.setSynchronized(synchron);
        c.setOnExecute([&](TabfThreadComponent& k) {
            ablauf << (QThread::currentThread() == ui ? "Execute UI" : "Execute Worker");
            k.setReturnValue(42);
        });
        c.setOnFinish([&](TabfThreadComponent&) { ablauf << "Finish"; });
        c.setOnTerminate([&](TabfThreadComponent&) {
            ablauf << (QThread::currentThread() == ui ? "Terminate UI" : "Terminate Worker");
        });
        EXPECT_TRUE(c.suspended());
        c.Execute();
        EXPECT_EQ(c.WaitFor(), 42);
        EXPECT_EQ(ablauf, QStringList({synchron ? "Execute UI" : "Execute Worker", "Finish", "Terminate UI"}));
    }
}

TEST(TabfThreadComponent, ExceptionGoesToOnExceptionElseToTheMessage)
{
    QString klasse, meldung;
    TabfThreadComponent c;
    c.setObjectName("Rechner");
    c.setOnExecute([](TabfThreadComponent&) { throw std::runtime_error("kaputt"); });
    c.setOnException([&](TabfCustomThreadComponent& k, const TabfThreadException& e) {
        EXPECT_EQ(&k, &c);
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        klasse = e.Klasse;
        meldung = e.Meldung;
    });
    c.Execute();
    c.WaitFor();
    EXPECT_EQ(klasse, "std::runtime_error");
    EXPECT_EQ(meldung, "kaputt");

    QString titel, text;
    setTabfThreadMeldung([&](const QString& t, const QString& x) {
        titel = t;
        text = x;
    });
    TabfThreadComponent ohne;
    ohne.setObjectName("Rechner");
    ohne.setOnExecute([](TabfThreadComponent&) { throw std::out_of_range("Bahn 17"); });
    ohne.Execute();
    ohne.WaitFor();
    setTabfThreadMeldung({});
    EXPECT_EQ(titel, QCoreApplication::applicationName());
    EXPECT_EQ(text, "Thread Rechner raised exception class std::out_of_range with message \"Bahn 17\".");
}

// With the message box of the desktop part installed, an exception without
// OnException shows a modal box on the UI thread, captioned with the
// application title; with OnException set no box appears.
TEST(TabfThreadComponent, ExceptionWithoutOnExceptionShowsAMessageBox)
{
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Corvalink"));
    AbfThreadMeldungenAnzeigen();
    {
        TabfThreadComponent c;
        c.setObjectName("Rechner");
        c.setOnExecute([](TabfThreadComponent&) { throw std::runtime_error("kaputt"); });
        c.Execute();
        c.WaitFor();
        QMessageBox* box = aufMeldungsboxWarten();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Corvalink"));
        EXPECT_EQ(box->text(),
                  QStringLiteral("Thread Rechner raised exception class std::runtime_error with message \"kaputt\"."));
        EXPECT_EQ(box->thread(), QCoreApplication::instance()->thread());
        EXPECT_TRUE(box->isModal());
        box->close();
        ereignisseVerarbeiten();
        EXPECT_TRUE(meldungsboxen().isEmpty());

        std::atomic<bool> behandelt{false};
        TabfThreadComponent mit;
        mit.setObjectName("Rechner");
        mit.setOnExecute([](TabfThreadComponent&) { throw std::runtime_error("kaputt"); });
        mit.setOnException([&](TabfCustomThreadComponent&, const TabfThreadException&) { behandelt = true; });
        mit.Execute();
        mit.WaitFor();
        const QDeadlineTimer frist(30000);
        while (!behandelt && !frist.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_TRUE(behandelt);
        ereignisseVerarbeiten();
        EXPECT_TRUE(meldungsboxen().isEmpty());
    }

    // Called on a worker thread, the box still shows on the UI thread.
    std::unique_ptr<QThread> arbeiter(QThread::create(
        [] { AbfThreadMeldungsbox(QStringLiteral("Corvalink"), QStringLiteral("vom Arbeiter")); }));
    arbeiter->start();
    arbeiter->wait();
    QMessageBox* box = aufMeldungsboxWarten();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("vom Arbeiter"));
    EXPECT_EQ(box->thread(), QCoreApplication::instance()->thread());
    box->close();
    ereignisseVerarbeiten();

    setTabfThreadMeldung({});
    QCoreApplication::setApplicationName(name);
}

// The box holds the whole program, not only one window: every window of it
// is blocked until the box is closed, also those it has no relation to.
TEST(TabfThreadComponent, TheMessageBoxBlocksEveryWindowOfTheProgram)
{
    struct Fenster : QWidget {
        int blockiert = 0;
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::WindowBlocked) ++blockiert;
            if (e->type() == QEvent::WindowUnblocked) --blockiert;
            return QWidget::event(e);
        }
    };
    Fenster hauptfenster, bahnfenster;
    for (Fenster* f : {&hauptfenster, &bahnfenster}) f->show();
    hauptfenster.activateWindow();
    ereignisseVerarbeiten();

    std::unique_ptr<QThread> arbeiter(
        QThread::create([] { AbfThreadMeldungsbox(QStringLiteral("Corvalink"), QStringLiteral("kaputt")); }));
    arbeiter->start();
    arbeiter->wait();
    QMessageBox* box = aufMeldungsboxWarten();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), box);
    ereignisseVerarbeiten();
    EXPECT_EQ(std::tuple(hauptfenster.blockiert, bahnfenster.blockiert), std::tuple(1, 1));

    box->close();
    ereignisseVerarbeiten();
    EXPECT_EQ(std::tuple(hauptfenster.blockiert, bahnfenster.blockiert), std::tuple(0, 0));
    EXPECT_TRUE(meldungsboxen().isEmpty());
}

TEST(TabfThreadComponent, DestroyingEndsTheThread)
{
    QSemaphore laeuft;
    std::atomic<bool> beendet{false};
    auto* c = new TabfThreadComponent;
    c->setOnExecute([&](TabfThreadComponent& k) {
        laeuft.release();
        while (!k.terminated()) QThread::yieldCurrentThread();
        beendet = true;
    });
    c->Execute();
    laeuft.acquire();
    delete c;
    EXPECT_TRUE(beendet);
}

// The stop arrives while the thread is between its first and its second tick.
TEST(TabfThreadTimer, StoppedBetweenTwoTicksDoesNotRunAgain)
{
    std::atomic<int> laeufe{0};
    QSemaphore ersterTick, weiter;
    {
        TabfThreadTimer t;
        t.setInterval(1);
        t.setOnTimer([&] {
            if (++laeufe == 1) {
                ersterTick.release();
                weiter.acquire();
            }
        });
        t.setEnabled(true);
        ersterTick.acquire();
        t.setEnabled(false);
        weiter.release();
    }
    EXPECT_EQ(laeufe, 1);

    // The same on the bare interval thread, stopped for good.
    laeufe = 0;
    TabfTimerThread th(1);
    th.setEreignis([&] {
        if (++laeufe == 1) {
            ersterTick.release();
            weiter.acquire();
        }
    });
    th.start();
    ersterTick.acquire();
    th.anhalten();
    weiter.release();
    ASSERT_TRUE(th.warten());
    EXPECT_EQ(laeufe, 1);
}

TEST(TabfColorPicker, TickSamplesThenCallsOnTimer)
{
    TabfColorPicker p;
    bool gerufen = false;
    p.setOnTimer([&] { gerufen = true; });
    p.tick();
    EXPECT_TRUE(gerufen);
    EXPECT_FALSE(p.laeuft());  // interval 0
}
