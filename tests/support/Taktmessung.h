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
#include <QString>

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
    bool moeglich() const { return lesen().warten >= 0; }

    // A tick; zaehlen false leaves the gap up to it out (the operator's own
    // dialog came up in it).
    void takt(bool zaehlen = true)
    {
        const Stand jetzt = lesen();
        if (m_uhr.isValid() && zaehlen) {
            const qint64 luecke = m_uhr.nsecsElapsed() - std::max<qint64>(0, jetzt.warten - m_stand.warten);
            if (luecke - m_intervallNs > m_groessteNs) {
                m_groessteNs = luecke - m_intervallNs;
                m_groessteBeiTakt = m_takte;
                m_groessteRechenNs = jetzt.rechnen - m_stand.rechnen;
            }
        }
        ++m_takte;
        m_uhr.start();
        m_stand = jetzt;
    }

    // The largest lateness so far, ms (0 when every tick came on time).
    qint64 groessteVerspaetungMs() const { return std::max<qint64>(0, m_groessteNs) / 1000000; }
    int takte() const { return m_takte; }
    // Where the largest lateness was, for a failure's message.
    QString groessteBeschreibung() const
    {
        return QStringLiteral("%1 ms late at tick %2 of %3, %4 ms of it on the core")
            .arg(groessteVerspaetungMs())
            .arg(m_groessteBeiTakt)
            .arg(m_takte)
            .arg(m_groessteRechenNs / 1000000);
    }

private:
    // schedstat: nanoseconds on a core, nanoseconds runnable but waiting.
    struct Stand {
        qint64 rechnen = 0, warten = -1;
    };
    Stand lesen() const
    {
        QFile f(QString::fromLatin1(m_pfad));
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QList<QByteArray> felder = f.readAll().simplified().split(' ');
        bool ok1 = false, ok2 = false;
        Stand s;
        if (felder.size() >= 2) {
            s.rechnen = felder[0].toLongLong(&ok1);
            s.warten = felder[1].toLongLong(&ok2);
        }
        return ok1 && ok2 ? s : Stand{};
    }

    qint64 m_intervallNs;
    QByteArray m_pfad;
    QElapsedTimer m_uhr;
    Stand m_stand;
    qint64 m_groessteNs = 0;
    int m_groessteBeiTakt = 0;
    qint64 m_groessteRechenNs = 0;
    int m_takte = 0;
};
