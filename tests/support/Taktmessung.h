#pragma once
// How late a periodic tick comes, by the program's own doing: the gap
// between two ticks less the interval and less the time the thread waited
// for a core (the kernel's run-queue time of the thread). What remains is
// what the thread itself spent between the ticks: work in handlers and
// waits in blocking calls. Another process keeping the cores busy does not
// count, so the measure holds on a loaded machine.
//
// Construct and call takt() on the thread whose ticks are measured.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>

#include <algorithm>
#include <sys/syscall.h>
#include <unistd.h>

class Taktmessung {
public:
    explicit Taktmessung(int intervallMs)
        : m_intervallNs(qint64(intervallMs) * 1000000),
          m_pfad(QByteArray("/proc/self/task/") + QByteArray::number(qlonglong(::syscall(SYS_gettid))) +
                 "/schedstat")
    {
    }

    // Whether the kernel tells the thread's run-queue time.
    bool moeglich() const { return warteNs() >= 0; }

    void takt()
    {
        const qint64 warten = warteNs();
        if (m_uhr.isValid()) {
            const qint64 luecke = m_uhr.nsecsElapsed() - std::max<qint64>(0, warten - m_warten);
            m_groessteNs = std::max(m_groessteNs, luecke - m_intervallNs);
            ++m_takte;
        }
        m_uhr.start();
        m_warten = warten;
    }

    // The largest lateness so far, ms (0 when every tick came on time).
    qint64 groessteVerspaetungMs() const { return std::max<qint64>(0, m_groessteNs) / 1000000; }
    int takte() const { return m_takte; }

private:
    // The second field of schedstat: nanoseconds spent runnable but waiting.
    qint64 warteNs() const
    {
        QFile f(QString::fromLatin1(m_pfad));
        if (!f.open(QIODevice::ReadOnly)) return -1;
        const QList<QByteArray> felder = f.readAll().simplified().split(' ');
        bool ok = false;
        const qint64 ns = felder.size() >= 2 ? felder[1].toLongLong(&ok) : 0;
        return ok ? ns : -1;
    }

    qint64 m_intervallNs;
    QByteArray m_pfad;
    QElapsedTimer m_uhr;
    qint64 m_warten = 0;
    qint64 m_groessteNs = 0;
    int m_takte = 0;
};
