#include "report/netz/Zeitabgleich.h"

#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr qint64 MsProStunde = 3600000;
constexpr int ZeitStatusPanel = 3;

class LinuxUhr final : public Systemuhr {
public:
    bool stellen(const QDateTime& utc, QString* fehler) override
    {
        const qint64 ms = utc.toMSecsSinceEpoch();
        timespec ts{};
        ts.tv_sec = time_t(ms / 1000);
        ts.tv_nsec = long(ms % 1000) * 1000000;
        int e = EINVAL;
        if (utc.isValid() && ms >= 0) {
            if (clock_settime(CLOCK_REALTIME, &ts) == 0) return true;
            e = errno;
        }
        if (fehler)
            *fehler = e == EPERM
                          ? QStringLiteral("Das Programm darf die Rechnerzeit nicht stellen. Starten Sie es mit dem "
                                           "Recht dazu (CAP_SYS_TIME), oder überlassen Sie die Uhr dem Zeitdienst "
                                           "des Systems !")
                          : QStringLiteral("Die Rechnerzeit konnte nicht gestellt werden (%1) !")
                                .arg(QString::fromLocal8Bit(std::strerror(e)));
        return false;
    }
};

// Older than any answer a working server gives; also what a server past the
// 2036 wrap-around of the 32-bit count would send.
const QDateTime FruehesteServerzeit(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);

}  // namespace

std::unique_ptr<Systemuhr> LinuxSystemuhr() { return std::make_unique<LinuxUhr>(); }

QDateTime Rfc868Zeit(const QByteArray& vierBytes)
{
    if (vierBytes.size() < 4) return {};
    const quint32 sekunden = qFromBigEndian<quint32>(vierBytes.constData());
    return QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(sekunden));
}

qint64 ZeitabgleichWartezeit(const QDateTime& jetzt, const QDateTime& letzte, int stunden)
{
    if (!letzte.isValid() || !jetzt.isValid()) return -1;
    const qint64 periode = qint64(std::max(stunden, 0)) * MsProStunde;
    const qint64 vergangen = letzte.msecsTo(jetzt);
    if (vergangen > periode) return -1;
    // A last synchronisation "in the future" (the clock was set back) waits one period.
    return std::clamp(periode - vergangen, ZeitabgleichMindestwarteMs, std::max(periode, ZeitabgleichMindestwarteMs));
}

QString ZeitabgleichStatustext(const QDateTime& zeit)
{
    return zeit.toLocalTime().toString(QStringLiteral("dd.MM.yy   hh:mm"));
}

struct Zeitabgleich::Impl {
    Zeitabgleich* q;
    std::unique_ptr<Systemuhr> uhr;
    int zeitlimit = ZeitabgleichZeitlimitMs;
    Zeitgeber timer;
    QTimer frist;
    QTcpSocket* socket = nullptr;
    QByteArray antwort;
    QString server;  // for the texts: host, and the port when it is not 37
    std::vector<Fertig> wartend;
    bool laeuft = false;

    explicit Impl(Zeitabgleich* z) : q(z)
    {
        timer.setJob([this] { timerUpdateGo(); });
        frist.setSingleShot(true);
        QObject::connect(&frist, &QTimer::timeout, q, [this] {
            beenden(false, QStringLiteral("Keine Antwort vom Zeitserver %1 (Zeitüberschreitung) !").arg(server));
        });
    }

    void timerUpdateGo()
    {
        q->timerSetzen(qint64(Einst.ZeitUpInterv) * MsProStunde);
        q->abgleichen({});
    }

    void fragen()
    {
        const QString host = Einst.TimeHost.trimmed();
        if (host.isEmpty()) return beenden(false, QStringLiteral("Kein Zeitserver eingetragen !"));
        const quint16 port = Einst.TimePort ? Einst.TimePort : TimePortStandard;
        server = port == TimePortStandard ? host : QStringLiteral("%1:%2").arg(host).arg(port);
        antwort.clear();
        socket = new QTcpSocket(q);
        QObject::connect(socket, &QTcpSocket::readyRead, q, [this] { lesen(); });
        QObject::connect(socket, &QTcpSocket::disconnected, q, [this] { geschlossen(); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, q, [this] { geschlossen(); });
        frist.start(zeitlimit);
        socket->connectToHost(host, port);  // a host name is looked up asynchronously
    }

    void lesen()
    {
        antwort += socket->readAll();
        if (antwort.size() >= 4) uebernehmen();
    }

    void geschlossen()
    {
        antwort += socket->readAll();
        if (antwort.size() >= 4) return uebernehmen();
        switch (socket->error()) {
        case QAbstractSocket::ConnectionRefusedError:
            return beenden(false, QStringLiteral("Der Zeitserver %1 hat die Verbindung abgelehnt !").arg(server));
        case QAbstractSocket::HostNotFoundError:
            return beenden(false, QStringLiteral("Zeitserver %1 nicht gefunden !").arg(server));
        case QAbstractSocket::RemoteHostClosedError:
        case QAbstractSocket::UnknownSocketError:  // closed by the server without an error
            return beenden(false, QStringLiteral("Der Zeitserver %1 hat keine gültige Zeit gesendet !").arg(server));
        default:
            return beenden(false, QStringLiteral("Keine Verbindung zum Zeitserver %1 !").arg(server));
        }
    }

    void uebernehmen()
    {
        trennen(false);
        const QDateTime zeit = Rfc868Zeit(antwort);
        if (zeit < FruehesteServerzeit)
            return beenden(false, QStringLiteral("Der Zeitserver %1 meldet eine unmögliche Zeit (%2 UTC) !")
                                      .arg(server, zeit.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))));
        QString fehler;
        if (!uhr->stellen(zeit, &fehler))
            return beenden(false, fehler.isEmpty() ? QStringLiteral("Die Rechnerzeit konnte nicht gestellt werden !")
                                                   : fehler);
        fenster().statusText(ZeitStatusPanel, ZeitabgleichStatustext(zeit));
        Einst.ZeitUpLast = zeit.toLocalTime();
        beenden(true, {});
    }

    void trennen(bool sofort)
    {
        QTcpSocket* s = std::exchange(socket, nullptr);
        if (!s) return;
        QObject::disconnect(s, nullptr, q, nullptr);
        if (sofort)
            s->abort();
        else
            s->disconnectFromHost();
        s->deleteLater();
    }

    // Reports the outcome to every caller waiting for it.
    void beenden(bool ok, const QString& text)
    {
        frist.stop();
        trennen(true);
        laeuft = false;
        const std::vector<Fertig> liste = std::exchange(wartend, {});
        const QPointer<Zeitabgleich> lebt(q);
        for (const Fertig& f : liste) {
            if (!lebt) return;
            if (f) f(ok, text);
        }
    }
};

Zeitabgleich::Zeitabgleich(std::unique_ptr<Systemuhr> uhr, QObject* parent)
    : QObject(parent), d(std::make_unique<Impl>(this))
{
    d->uhr = std::move(uhr);
}

Zeitabgleich::~Zeitabgleich()
{
    if (d->socket) {
        QObject::disconnect(d->socket, nullptr, this, nullptr);
        d->socket->abort();
        delete std::exchange(d->socket, nullptr);
    }
}

void Zeitabgleich::abgleichen(Fertig fertig)
{
    d->wartend.push_back(std::move(fertig));
    if (d->laeuft) return;
    d->laeuft = true;
    QMetaObject::invokeMethod(this, [this] { d->fragen(); }, Qt::QueuedConnection);
}

void Zeitabgleich::timerSetzen(qint64 intervallMs)
{
    const qint64 ms = std::clamp<qint64>(intervallMs, 0, std::numeric_limits<int>::max());
    d->timer.setInterval(int(ms));
    d->timer.setEnabled(ms > 0);
}

void Zeitabgleich::starten()
{
    timerSetzen(0);
    if (Einst.ZeitUpdate) {
        const qint64 warten = ZeitabgleichWartezeit(Jetzt(), Einst.ZeitUpLast, Einst.ZeitUpInterv);
        if (warten < 0) {
            abgleichen({});
            timerSetzen(qint64(Einst.ZeitUpInterv) * MsProStunde);
        } else {
            timerSetzen(warten);
        }
    }
    if (Einst.ZeitUpStart) abgleichen({});  // joins the one just started
}

void Zeitabgleich::setZeitlimit(int ms) { d->zeitlimit = std::max(ms, 1); }

Zeitgeber& Zeitabgleich::timerUpdate() { return d->timer; }

bool Zeitabgleich::laeuft() const { return d->laeuft; }
