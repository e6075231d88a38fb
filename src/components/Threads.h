#pragma once
// Threads and timers of the component library: a thread base class that can
// report its end on the thread it belongs to, an event thread, an interval
// thread, a thread component running OnExecute on a worker, a thread-based
// timer and the message timer every periodic job of the program runs on.

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <climits>
#include <exception>
#include <functional>

// A worker thread. Subclasses implement Ausfuehren(). When the work ends the
// finished flag is set and OnFinish runs: with FinishSynchronized queued to
// the thread this object belongs to (the UI thread), else on the worker.
class TabfThread : public QThread {
public:
    explicit TabfThread(QObject* parent = nullptr);

    void setOnFinish(std::function<void()> aktion) { m_onFinish = std::move(aktion); }
    void setFinishSynchronized(bool ja) { m_finishSynchronized = ja; }
    bool finishSynchronized() const { return m_finishSynchronized; }
    bool fertig() const { return m_fertig.load(); }
    // Asks the thread to stop; subclasses that wait also wake up.
    virtual void anhalten() { requestInterruption(); }
    // Waits for the end while delivering this thread's synchronised calls and
    // notifications, so that a waiting UI thread does not block them.
    bool warten(unsigned long maxMs = ULONG_MAX);

    // Runs aktion on the thread this object belongs to and returns when it has
    // run. Called on that thread itself it runs at once.
    void synchronisiert(const std::function<void()>& aktion);

protected:
    virtual void Ausfuehren() = 0;

private:
    void run() final;

    std::function<void()> m_onFinish;
    bool m_finishSynchronized = false;
    std::atomic<bool> m_fertig{false};
};

// A thread that runs one method per event, synchronised or not.
class TabfEventThread : public TabfThread {
public:
    using TabfThread::TabfThread;

    void setEreignis(std::function<void()> methode) { m_ereignis = std::move(methode); }
    void setSynchronized(bool ja) { m_synchronized = ja; }
    bool synchronized() const { return m_synchronized; }

protected:
    // Runs the event method once (on the object's thread when synchronised).
    void EreignisAusfuehren();

private:
    std::function<void()> m_ereignis;
    std::atomic<bool> m_synchronized{false};
};

// Waits the interval and runs the event method on each time-out, until
// anhalten(). wecken() ends the current wait early, so that a stop or a new
// interval takes effect at once. While paused (or with interval 0) it waits
// without time-out and runs nothing.
class TabfTimerThread : public TabfEventThread {
public:
    explicit TabfTimerThread(int intervallMs = 1000, QObject* parent = nullptr);

    void setInterval(int ms);
    int interval() const;
    void setPausiert(bool ja);
    bool pausiert() const;
    void wecken();
    // Ends the loop; the thread finishes after the current event, if any.
    void anhalten() override;

protected:
    void Ausfuehren() override;

private:
    mutable QMutex m_mutex;
    QWaitCondition m_ereignisHandle;  // auto-reset: m_geweckt
    bool m_geweckt = false;
    bool m_beendet = false;
    bool m_pausiert = false;
    int m_intervall;
};

// The class name and message of an exception raised in a worker thread.
struct TabfThreadException {
    QString Klasse;
    QString Meldung;
    std::exception_ptr Ausnahme;
};

// How an exception without OnException, and a timer the system refused, is
// shown: caption (the application title) and text, called on the
// component's thread. The program sets the
// message box of the desktop part (AbfThreadMeldungenAnzeigen); without one,
// as in a program without windows, the text goes to the log as a warning.
using TabfThreadMeldung = std::function<void(const QString& titel, const QString& text)>;
void setTabfThreadMeldung(TabfThreadMeldung meldung);
QString TabfThreadExceptionText(const QString& name, const TabfThreadException& e);
// Shows an error no handler took: through the message set above, else as a
// warning in the log.
void TabfFehlerMelden(const QString& text);

// The base of the library's components. About is an informational text,
// the component's class name (as for the labels, AbfAbout).
class TabfComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString About READ About)
public:
    using QObject::QObject;
    QString About() const;
};

// Owns a worker thread. Destroying the component ends the thread (forcibly
// when it does not stop in time).
class TabfCustomThreadComponent : public TabfComponent {
    Q_OBJECT
public:
    using ExceptionHandler = std::function<void(TabfCustomThreadComponent&, const TabfThreadException&)>;

    explicit TabfCustomThreadComponent(QObject* parent = nullptr);
    ~TabfCustomThreadComponent() override;

    void setPriority(QThread::Priority p);
    QThread::Priority priority() const { return m_priority; }
    void setSynchronized(bool ja);
    bool synchronized() const { return m_synchronized; }
    void setOnException(ExceptionHandler h) { m_onException = std::move(h); }

    // How long the destructor waits before it ends the thread forcibly.
    static constexpr unsigned long EndeWartezeitMs = 5000;

protected:
    // Installs the worker thread (owned by the component).
    void setThread(TabfEventThread* t);
    TabfEventThread* arbeitsThread() const { return m_thread; }
    // Runs arbeit, catching any exception and reporting it on the UI thread.
    void geschuetzt(const std::function<void()>& arbeit);
    // Stops the thread and waits for it, forcibly after EndeWartezeitMs.
    // Subclasses call it in their destructor, while their handlers still exist.
    void beenden();

private:
    void ausnahmeMelden(const TabfThreadException& e);

    TabfEventThread* m_thread = nullptr;
    QThread::Priority m_priority = QThread::NormalPriority;
    bool m_synchronized = false;
    ExceptionHandler m_onException;
};

// Runs OnExecute once on a worker thread. OnFinish runs when OnExecute has
// returned (on the worker, or synchronised); OnTerminate reports the end of
// the thread on the UI thread.
class TabfThreadComponent : public TabfCustomThreadComponent {
    Q_OBJECT
public:
    explicit TabfThreadComponent(QObject* parent = nullptr);
    ~TabfThreadComponent() override;

    void setOnExecute(std::function<void(TabfThreadComponent&)> a) { m_onExecute = std::move(a); }
    void setOnFinish(std::function<void(TabfThreadComponent&)> a) { m_onFinish = std::move(a); }
    void setOnTerminate(std::function<void(TabfThreadComponent&)> a) { m_onTerminate = std::move(a); }

    void setReturnValue(int w) { m_returnValue = w; }
    int returnValue() const { return m_returnValue.load(); }
    // A suspended component has not started; clearing Suspended starts it.
    // A running thread cannot be suspended again.
    void setSuspended(bool ja);
    bool suspended() const { return m_suspended; }
    void Execute() { setSuspended(false); }

    // Asks the work to stop; OnExecute checks terminated().
    void Terminate();
    bool terminated() const;
    bool laeuft() const;
    // Waits for the thread to end and returns ReturnValue. Not while a
    // synchronised OnExecute needs the waiting thread.
    int WaitFor();

private:
    void arbeiten();

    std::function<void(TabfThreadComponent&)> m_onExecute, m_onFinish, m_onTerminate;
    std::atomic<int> m_returnValue{0};
    bool m_suspended = true;
};

// A timer on its own thread: OnTimer runs after each interval, on the worker
// or synchronised. Interval 0 or no OnTimer never fires.
class TabfCustomThreadTimer : public TabfCustomThreadComponent {
    Q_OBJECT
public:
    explicit TabfCustomThreadTimer(QObject* parent = nullptr);
    ~TabfCustomThreadTimer() override;

    void setEnabled(bool ein);
    bool enabled() const { return m_enabled; }
    void setInterval(int ms);
    int interval() const;
    void setOnTimer(std::function<void()> a);

private:
    TabfTimerThread* timerThread() const;
    void anpassen();

    QMutex m_mutexOnTimer;
    std::function<void()> m_onTimer;
    bool m_enabled = false;
};

class TabfThreadTimer : public TabfCustomThreadTimer {
    Q_OBJECT
public:
    using TabfCustomThreadTimer::TabfCustomThreadTimer;
};

// The message timer on the UI thread. Any change of Enabled, Interval or
// OnTimer stops it and starts it again with the interval when the interval is
// positive, it is enabled and OnTimer is set; setting a property to the value
// it already has changes nothing, so switching a running timer on does not
// restart it. OnTimer may switch its own timer off. When the system refuses
// the start (no event loop on the object's thread, a start from another
// thread), the timer is off, Enabled becomes false and the error
// AbfTexte::KeineZeitgeber is raised: Fehler() holds it and the library's
// message (setTabfThreadMeldung) shows it. Tests call tick().
class TabfCustomTimer : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfCustomTimer(QObject* parent = nullptr);

    void setEnabled(bool ein);
    bool enabled() const { return m_enabled; }
    void setInterval(int ms);
    int interval() const { return m_intervall; }
    void setOnTimer(std::function<void()> a);
    bool hatOnTimer() const { return bool(m_onTimer); }
    // Whether the timer really runs.
    bool laeuft() const { return m_timerId != 0; }
    // The error of the last refused start; empty after a start that worked.
    QString Fehler() const { return m_fehler; }

    // Runs OnTimer once, as a timer tick does.
    virtual void tick();

protected:
    void timerEvent(QTimerEvent* ereignis) override;

private:
    void anpassen();

    std::function<void()> m_onTimer;
    int m_timerId = 0;
    bool m_enabled = false;
    int m_intervall = 0;
    QString m_fehler;
};
