#include "components/Threads.h"

#include "components/Hilfen.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QTimerEvent>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

// ---------------------------------------------------------------- TabfThread

TabfThread::TabfThread(QObject* parent) : QThread(parent) {}

void TabfThread::run()
{
    m_fertig = false;
    Ausfuehren();
    m_fertig = true;
    if (!m_onFinish) return;
    if (m_finishSynchronized)
        QMetaObject::invokeMethod(this, m_onFinish, Qt::QueuedConnection);
    else
        m_onFinish();
}

void TabfThread::synchronisiert(const std::function<void()>& aktion)
{
    if (QThread::currentThread() == thread())
        aktion();
    else
        QMetaObject::invokeMethod(this, aktion, Qt::BlockingQueuedConnection);
}

bool TabfThread::warten(unsigned long maxMs)
{
    if (QThread::currentThread() == this) return false;
    QDeadlineTimer frist(maxMs == ULONG_MAX ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(qint64(maxMs)));
    const bool hier = QThread::currentThread() == thread();
    for (;;) {
        if (hier) QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (wait(hier ? QDeadlineTimer(10) : frist)) break;
        if (frist.hasExpired()) return false;
    }
    // Notifications the thread queued just before its end.
    if (hier) QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return true;
}

// ----------------------------------------------------------- TabfEventThread

void TabfEventThread::EreignisAusfuehren()
{
    if (!m_ereignis) return;
    if (m_synchronized)
        synchronisiert(m_ereignis);
    else
        m_ereignis();
}

// ----------------------------------------------------------- TabfTimerThread

TabfTimerThread::TabfTimerThread(int intervallMs, QObject* parent) : TabfEventThread(parent), m_intervall(intervallMs) {}

void TabfTimerThread::setInterval(int ms)
{
    QMutexLocker lock(&m_mutex);
    if (m_intervall == ms) return;
    m_intervall = ms;
    m_geweckt = true;
    m_ereignisHandle.wakeAll();
}

int TabfTimerThread::interval() const
{
    QMutexLocker lock(&m_mutex);
    return m_intervall;
}

void TabfTimerThread::setPausiert(bool ja)
{
    QMutexLocker lock(&m_mutex);
    if (m_pausiert == ja) return;
    m_pausiert = ja;
    m_geweckt = true;
    m_ereignisHandle.wakeAll();
}

bool TabfTimerThread::pausiert() const
{
    QMutexLocker lock(&m_mutex);
    return m_pausiert;
}

void TabfTimerThread::wecken()
{
    QMutexLocker lock(&m_mutex);
    m_geweckt = true;
    m_ereignisHandle.wakeAll();
}

void TabfTimerThread::anhalten()
{
    requestInterruption();
    QMutexLocker lock(&m_mutex);
    m_beendet = true;
    m_geweckt = true;
    m_ereignisHandle.wakeAll();
}

void TabfTimerThread::Ausfuehren()
{
    QMutexLocker lock(&m_mutex);
    while (!m_beendet) {
        const bool ohneFrist = m_pausiert || m_intervall <= 0;
        QDeadlineTimer frist =
            ohneFrist ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(qint64(m_intervall), Qt::PreciseTimer);
        // Wait until woken or the interval has passed; spurious wake-ups wait on.
        bool abgelaufen = false;
        while (!m_geweckt) {
            if (!m_ereignisHandle.wait(&m_mutex, frist) && frist.hasExpired()) {
                abgelaufen = true;
                break;
            }
        }
        m_geweckt = false;
        // The state is checked under the lock: a stop or pause that came in
        // between two ticks prevents the next one.
        if (!abgelaufen || m_beendet || m_pausiert || m_intervall <= 0) continue;
        lock.unlock();
        EreignisAusfuehren();
        lock.relock();
    }
}

// ------------------------------------------------------- exception messages

namespace {
TabfThreadMeldung& meldung()
{
    static TabfThreadMeldung m;
    return m;
}

QString klassenname(const std::type_info& t)
{
    int status = 0;
    char* name = abi::__cxa_demangle(t.name(), nullptr, nullptr, &status);
    QString ergebnis = QString::fromLatin1(status == 0 && name ? name : t.name());
    std::free(name);
    return ergebnis;
}
}  // namespace

void setTabfThreadMeldung(TabfThreadMeldung m) { meldung() = std::move(m); }

void TabfFehlerMelden(const QString& text)
{
    if (meldung())
        meldung()(QCoreApplication::applicationName(), text);
    else
        qWarning("%s", qUtf8Printable(text));
}

QString TabfThreadExceptionText(const QString& name, const TabfThreadException& e)
{
    return AbfTexte::ThreadAusnahme.arg(name, e.Klasse) + u'"' + e.Meldung + QStringLiteral("\".");
}

QString TabfComponent::About() const { return AbfAbout(*this); }

// ------------------------------------------------ TabfCustomThreadComponent

TabfCustomThreadComponent::TabfCustomThreadComponent(QObject* parent) : TabfComponent(parent) {}

TabfCustomThreadComponent::~TabfCustomThreadComponent() { beenden(); }

void TabfCustomThreadComponent::setThread(TabfEventThread* t)
{
    m_thread = t;
    m_thread->setParent(this);
    m_thread->setSynchronized(m_synchronized);
}

void TabfCustomThreadComponent::setPriority(QThread::Priority p)
{
    m_priority = p;
    if (m_thread && m_thread->isRunning()) m_thread->setPriority(p);
}

void TabfCustomThreadComponent::setSynchronized(bool ja)
{
    m_synchronized = ja;
    if (m_thread) m_thread->setSynchronized(ja);
}

void TabfCustomThreadComponent::geschuetzt(const std::function<void()>& arbeit)
{
    try {
        arbeit();
    } catch (const std::exception& e) {
        ausnahmeMelden({klassenname(typeid(e)), QString::fromLocal8Bit(e.what()), std::current_exception()});
    } catch (...) {
        ausnahmeMelden({QStringLiteral("unknown"), QString(), std::current_exception()});
    }
}

void TabfCustomThreadComponent::ausnahmeMelden(const TabfThreadException& e)
{
    auto melden = [this, e] {
        if (m_onException) {
            m_onException(*this, e);
            return;
        }
        TabfFehlerMelden(TabfThreadExceptionText(objectName(), e));
    };
    if (QThread::currentThread() == m_thread->thread())
        melden();
    else
        QMetaObject::invokeMethod(m_thread, melden, Qt::QueuedConnection);
}

void TabfCustomThreadComponent::beenden()
{
    if (!m_thread || !m_thread->isRunning()) return;
    m_thread->anhalten();
    if (!m_thread->warten(EndeWartezeitMs)) {
        m_thread->terminate();
        m_thread->wait();
    }
}

// ------------------------------------------------------ TabfThreadComponent

namespace {
class Arbeiter : public TabfEventThread {
public:
    explicit Arbeiter(std::function<void()> arbeit) : m_arbeit(std::move(arbeit)) {}
    void ereignis() { EreignisAusfuehren(); }

protected:
    void Ausfuehren() override { m_arbeit(); }

private:
    std::function<void()> m_arbeit;
};
}  // namespace

TabfThreadComponent::TabfThreadComponent(QObject* parent) : TabfCustomThreadComponent(parent)
{
    auto* t = new Arbeiter([this] { arbeiten(); });
    t->setEreignis([this] {
        geschuetzt([this] {
            if (m_onExecute) m_onExecute(*this);
        });
    });
    t->setFinishSynchronized(true);
    t->setOnFinish([this] {
        if (m_onTerminate) m_onTerminate(*this);
    });
    setThread(t);
}

TabfThreadComponent::~TabfThreadComponent() { beenden(); }

void TabfThreadComponent::arbeiten()
{
    auto* t = static_cast<Arbeiter*>(arbeitsThread());
    t->ereignis();  // OnExecute, synchronised when Synchronized is set
    if (m_onFinish) {
        if (synchronized())
            t->synchronisiert([this] { m_onFinish(*this); });
        else
            m_onFinish(*this);
    }
}

void TabfThreadComponent::setSuspended(bool ja)
{
    if (ja == m_suspended) return;
    if (!ja) {
        if (arbeitsThread()->isRunning() || arbeitsThread()->fertig()) return;
        m_suspended = false;
        arbeitsThread()->start(priority());
    }
}

void TabfThreadComponent::Terminate() { arbeitsThread()->anhalten(); }

bool TabfThreadComponent::terminated() const { return arbeitsThread()->isInterruptionRequested(); }

bool TabfThreadComponent::laeuft() const { return arbeitsThread()->isRunning(); }

int TabfThreadComponent::WaitFor()
{
    arbeitsThread()->warten();
    return returnValue();
}

// ---------------------------------------------------- TabfCustomThreadTimer

TabfCustomThreadTimer::TabfCustomThreadTimer(QObject* parent) : TabfCustomThreadComponent(parent)
{
    auto* t = new TabfTimerThread(1000);
    t->setPausiert(true);
    t->setEreignis([this] {
        std::function<void()> aktion;
        {
            QMutexLocker lock(&m_mutexOnTimer);
            aktion = m_onTimer;
        }
        if (aktion) geschuetzt(aktion);
    });
    setThread(t);
}

TabfCustomThreadTimer::~TabfCustomThreadTimer() { beenden(); }

TabfTimerThread* TabfCustomThreadTimer::timerThread() const { return static_cast<TabfTimerThread*>(arbeitsThread()); }

void TabfCustomThreadTimer::setEnabled(bool ein)
{
    if (ein == m_enabled) return;
    m_enabled = ein;
    anpassen();
}

void TabfCustomThreadTimer::setInterval(int ms) { timerThread()->setInterval(ms); }

int TabfCustomThreadTimer::interval() const { return timerThread()->interval(); }

void TabfCustomThreadTimer::setOnTimer(std::function<void()> a)
{
    QMutexLocker lock(&m_mutexOnTimer);
    m_onTimer = std::move(a);
}

void TabfCustomThreadTimer::anpassen()
{
    TabfTimerThread* t = timerThread();
    t->setPausiert(!m_enabled);
    if (m_enabled && !t->isRunning()) t->start(priority());
}

// ---------------------------------------------------------- TabfCustomTimer

TabfCustomTimer::TabfCustomTimer(QObject* parent) : TabfComponent(parent) {}

void TabfCustomTimer::setEnabled(bool ein)
{
    if (ein == m_enabled) return;  // a running timer is not restarted
    m_enabled = ein;
    anpassen();
}

void TabfCustomTimer::setInterval(int ms)
{
    if (ms == m_intervall) return;
    m_intervall = ms;
    anpassen();
}

void TabfCustomTimer::setOnTimer(std::function<void()> a)
{
    m_onTimer = std::move(a);
    anpassen();
}

void TabfCustomTimer::tick()
{
    if (m_onTimer) m_onTimer();
}

void TabfCustomTimer::timerEvent(QTimerEvent* ereignis)
{
    if (ereignis->timerId() == m_timerId)
        tick();
    else
        TabfComponent::timerEvent(ereignis);
}

void TabfCustomTimer::anpassen()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    // Interval 0 means off: a timer with 0 would fire without pause.
    if (!m_enabled || m_intervall <= 0 || !m_onTimer) return;
    m_timerId = startTimer(m_intervall, Qt::PreciseTimer);
    if (m_timerId != 0) {
        m_fehler.clear();
        return;
    }
    m_enabled = false;
    m_fehler = AbfTexte::KeineZeitgeber;
    TabfFehlerMelden(m_fehler);
}
