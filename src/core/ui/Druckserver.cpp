#include "core/ui/Druckserver.h"

#include "core/Boxes.h"

#include <cups/cups.h>

#include <QCursor>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

constexpr int VerbindenMs = 2000;
// Each wait for the answer; libcups waits a second more for the server's
// "100 Continue" before it reads the answer.
constexpr double AntwortS = 2.0;
// How long the UI thread waits for the worker at most; an answer within the
// first moment (a server at hand answers in a few ms) is waited for without
// running events.
constexpr int FristMs = 5000;
constexpr int AugenblickMs = 100;
// How long a result holds.
constexpr int GueltigMs = 3000;

struct Ziel {
    QByteArray server;
    int port = 0;
    http_encryption_t verschluesselung = HTTP_ENCRYPTION_IF_REQUESTED;
};

// What this thread's libcups asks (the worker's libcups knows nothing of a
// server set on the UI thread).
Ziel DiesesZiel()
{
    Ziel z;
    z.server = cupsServer();
    z.port = ippPort();
    z.verschluesselung = cupsEncryption();
    return z;
}

http_t* Verbinden(const Ziel& z)
{
    // Plain first, so that the limit holds for the TLS handshake as well.
    http_t* http = httpConnect2(z.server.constData(), z.port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                                VerbindenMs, nullptr);
    if (!http) return nullptr;
    httpSetTimeout(http, AntwortS, nullptr, nullptr);
    if (z.verschluesselung != HTTP_ENCRYPTION_IF_REQUESTED && httpEncryption(http, z.verschluesselung) != 0) {
        httpClose(http);
        return nullptr;
    }
    return http;
}

struct Probe {
    std::mutex sperre;
    std::condition_variable fertigGeworden;
    std::atomic<bool> fertig{false};
    bool stumm = false;  // once fertig
};

// On the worker: whether the server keeps silent. A connection refused or a
// name unknown comes back at once and leaves nothing to wait on; a failure
// that took a whole limit would make every request of the print system wait.
void Befragen(const Ziel& z, Probe& p)
{
    QElapsedTimer uhr;
    uhr.start();
    bool stumm = false;
    if (http_t* http = Verbinden(z)) {
        ipp_t* anfrage = ippNewRequest(IPP_OP_CUPS_GET_DEFAULT);
        ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
        ipp_t* antwort = cupsDoRequest(http, anfrage, "/");
        stumm = !antwort && (DruckserverSchwieg(http) || uhr.hasExpired(VerbindenMs));
        ippDelete(antwort);
        httpClose(http);
    } else {
        stumm = uhr.hasExpired(VerbindenMs);
    }
    const std::lock_guard<std::mutex> gesperrt(p.sperre);
    p.stumm = stumm;
    p.fertig = true;
    p.fertigGeworden.notify_all();
}

// Whether the server z keeps silent, asked on a worker while this thread runs
// its timers; a worker still waiting at the deadline is left to end by itself.
bool Schweigt(const Ziel& z)
{
    const auto p = std::make_shared<Probe>();
    try {
        std::thread([z, p] { Befragen(z, *p); }).detach();
    } catch (const std::system_error&) {
        return true;  // without a worker it cannot be asked safely
    }
    {
        std::unique_lock<std::mutex> gesperrt(p->sperre);
        if (p->fertigGeworden.wait_for(gesperrt, std::chrono::milliseconds(AugenblickMs),
                                       [&] { return p->fertig.load(); }))
            return p->stumm;
    }
    QEventLoop schleife;
    QTimer blick;
    const QDeadlineTimer frist(FristMs);
    QObject::connect(&blick, &QTimer::timeout, &schleife, [&] {
        if (p->fertig || frist.hasExpired()) schleife.quit();
    });
    blick.start(10);
    const bool zeiger = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (zeiger) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    if (zeiger) QGuiApplication::restoreOverrideCursor();
    const std::lock_guard<std::mutex> gesperrt(p->sperre);
    return !p->fertig || p->stumm;
}

struct Druckserverzustand {
    QString server;  // the server of the last result
    bool stumm = false;
    QDeadlineTimer gueltig{qint64(0)};
};

Druckserverzustand& zustand()
{
    static Druckserverzustand z;
    return z;
}

}  // namespace

QString DruckserverName()
{
    const QString server = QString::fromUtf8(cupsServer());
    if (server.startsWith(QLatin1Char('/'))) return server;
    return QStringLiteral("%1:%2").arg(server).arg(ippPort());
}

bool DruckserverBereit(QString* text)
{
    Druckserverzustand& z = zustand();
    const QString server = DruckserverName();
    if (server != z.server || z.gueltig.hasExpired()) {
        z.server = server;
        z.stumm = Schweigt(DiesesZiel());
        z.gueltig.setRemainingTime(GueltigMs);
    }
    if (text)
        *text = z.stumm ? QStringLiteral("Der Druckserver \u201e%1\u201c antwortet nicht.").arg(server) : QString();
    return !z.stumm;
}

bool DruckserverMelden()
{
    QString text;
    if (DruckserverBereit(&text)) return true;
    boxen().hinweis(text);
    return false;
}

void DruckserverVergessen() { zustand() = Druckserverzustand{}; }

http_t* DruckserverVerbinden() { return Verbinden(DiesesZiel()); }

bool DruckserverSchwieg(http_t* http) { return http && httpError(http) == ETIMEDOUT; }
