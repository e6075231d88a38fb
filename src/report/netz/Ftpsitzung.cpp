#include "report/netz/Ftpsitzung.h"

#include "report/netz/Ftpverbindung.h"
#include "report/netz/Zertifikate.h"

#include <QFile>
#include <QHostAddress>
#include <QMetaObject>
#include <QRegularExpression>
#include <QUrl>
#include <chrono>
#include <system_error>
#include <thread>

using namespace FtpIntern;

namespace {

std::atomic<int> g_arbeiter{0};

}  // namespace

FtpOrdner FtpOrdnerAus(const QString& pfad)
{
    const QString p = QString(pfad).replace(QLatin1Char('\\'), QLatin1Char('/'));
    return {p.split(QLatin1Char('/'), Qt::SkipEmptyParts), p.startsWith(QLatin1Char('/'))};
}

FtpZugang FtpServerAus(const FtpZugang& zugang)
{
    FtpZugang z = zugang;
    QString host = zugang.host.trimmed();
    if (host.startsWith(QStringLiteral("ftp://"), Qt::CaseInsensitive)) host = host.mid(6);
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    static const QRegularExpression mitPort(
        QStringLiteral("^(\\[[^\\]]*\\]|[^:\\[\\]]*?)\\s*:\\s*(\\d{1,5})$"));
    if (const QRegularExpressionMatch m = mitPort.match(host); m.hasMatch()) {
        const uint port = m.captured(2).toUInt();
        if (port >= 1 && port <= 65535) {
            host = m.captured(1);
            z.port = quint16(port);
        }
    }
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')) && host.contains(QLatin1Char(':')))
        host = host.mid(1, host.size() - 2);
    z.host = host;
    return z;
}

QString FtpHost(const QString& host)
{
    if (host.contains(QLatin1Char(':'))) {
        // QHostAddress would take blanks around it and an empty "%".
        static const QRegularExpression ziffern(QStringLiteral("^[0-9A-Fa-f:.]+\\z"));
        QHostAddress adresse;
        if (!ziffern.match(host).hasMatch() || !adresse.setAddress(host) ||
            adresse.protocol() != QAbstractSocket::IPv6Protocol || !adresse.scopeId().isEmpty())
            return {};
        return adresse.toString();
    }
    const QString ascii = QString::fromLatin1(QUrl::toAce(host));
    static const QRegularExpression name(
        QStringLiteral("^(?=.{1,253}\\z)[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?"
                       "(\\.[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?)*\\.?\\z"));
    return name.match(ascii).hasMatch() ? ascii : QString();
}

QByteArray FtpUrlHost(const QString& host)
{
    const QByteArray h = FtpHost(host).toLatin1();
    return h.contains(':') ? '[' + h + ']' : h;
}

QString FtpKeineVerbindungText(const FtpZugang& zugang)
{
    const FtpZugang z = FtpServerAus(zugang);
    return QStringLiteral("Keine Verbindung zu %1 (Port %2) !").arg(z.host).arg(z.port ? z.port : 21);
}

QString FtpFalscherServerText(const FtpZugang& zugang)
{
    const FtpZugang z = FtpServerAus(zugang);
    return QStringLiteral("Falscher Server ! „%1“ (Port %2)").arg(zugang.host.trimmed()).arg(z.port ? z.port : 21);
}

// --- The session on the UI thread --------------------------------------------------------

struct Ftpsitzung::Impl {
    Ftpsitzung* q = nullptr;
    std::shared_ptr<Geteilt> g = std::make_shared<Geteilt>();
    int zeitlimit = StandardZeitlimitMs;
    int offen = 0;
    bool verbunden = false;
    int offeneVerbinden = 0;
    QString anmeldeordner;
    bool vonSelbst = false;

    void auftragen(Auftrag a);
    void melden(const Ergebnis& e);
    static void arbeiten(std::shared_ptr<Geteilt> g);
};

void Ftpsitzung::Impl::auftragen(Auftrag a)
{
    a.zeitlimit = zeitlimit;
    ++offen;
    std::unique_lock sperre(g->mx);
    g->auftraege.push_back(std::move(a));
    if (g->laeuft) {
        g->cv.notify_all();
        return;
    }
    g->laeuft = true;
    ++g_arbeiter;
    try {
        std::thread(&Impl::arbeiten, g).detach();
    } catch (const std::system_error&) {
        g->laeuft = false;
        --g_arbeiter;
        const std::deque<Auftrag> liegen = std::move(g->auftraege);
        g->auftraege.clear();
        sperre.unlock();
        for (const Auftrag& x : liegen) {
            const Ergebnis e{x.vorgang, false, KeineVerbindungText, {}, {}, {}};
            QMetaObject::invokeMethod(q, [this, e] { melden(e); }, Qt::QueuedConnection);
        }
    }
}

void Ftpsitzung::Impl::arbeiten(std::shared_ptr<Geteilt> g)
{
    {
        Verbindung verbindung(*g);
        for (;;) {
            Auftrag a;
            {
                std::unique_lock sperre(g->mx);
                g->cv.wait(sperre, [&] { return g->abbrechen || !g->auftraege.empty(); });
                if (g->abbrechen) break;
                a = std::move(g->auftraege.front());
                g->auftraege.pop_front();
            }
            const Ergebnis e = verbindung.ausfuehren(a);
            std::lock_guard sperre(g->mx);
            if (g->ziel && !g->abbrechen) {
                Ftpsitzung* ziel = g->ziel;
                QMetaObject::invokeMethod(ziel, [ziel, e] { ziel->d->melden(e); }, Qt::QueuedConnection);
            }
        }
    }
    std::lock_guard sperre(g->mx);
    g->laeuft = false;
    --g_arbeiter;
    g->cv.notify_all();
}

void Ftpsitzung::Impl::melden(const Ergebnis& e)
{
    --offen;
    if (e.vorgang == Vorgang::Verbinden) --offeneVerbinden;
    if (e.vorgang == Vorgang::Verbinden && e.ok) anmeldeordner = e.anmeldeordner;
    if ((e.vorgang == Vorgang::Verbinden && !e.ok) || e.vorgang == Vorgang::Trennen)
        if (offeneVerbinden == 0) verbunden = false;
    emit q->erledigt(e.vorgang, e.ok, e.fehler, e.antwort, e.zeilen);
}

Ftpsitzung::Ftpsitzung(QObject* parent) : QObject(parent), d(new Impl)
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    d->q = this;
    d->g->ziel = this;
}

Ftpsitzung::~Ftpsitzung()
{
    // The worker ends within moments once its sockets are shut down; it
    // keeps its own share of the state until then.
    abbrechen();
    delete d;
}

void Ftpsitzung::abbrechen()
{
    std::lock_guard sperre(d->g->mx);
    d->g->ziel = nullptr;
    d->g->abbrechenUnterSperre();
}

bool Ftpsitzung::abwarten(int ms)
{
    std::unique_lock sperre(d->g->mx);
    return d->g->cv.wait_for(sperre, std::chrono::milliseconds(ms), [this] { return !d->g->laeuft; });
}

namespace {

Auftrag NeuerAuftrag(Vorgang vorgang, const FtpOrdner& ordner, const QString& name = {}, const QString& neuerName = {},
                     const QString& lokaleDatei = {})
{
    Auftrag a;
    a.vorgang = vorgang;
    a.ordner = ordner;
    a.name = name;
    a.neuerName = neuerName;
    a.lokaleDatei = lokaleDatei;
    return a;
}

}  // namespace

void Ftpsitzung::verbinden(const FtpZugang& zugang)
{
    d->verbunden = true;
    ++d->offeneVerbinden;
    Auftrag a = NeuerAuftrag(Vorgang::Verbinden, {});
    a.zugang = zugang;
    const FtpZugang z = FtpServerAus(zugang);
    a.vertraut = VertrautesZertifikat(ZertifikatServer(QStringLiteral("ftp"), FtpHost(z.host), z.port ? z.port : 21));
    a.vonSelbst = d->vonSelbst;
    d->auftragen(std::move(a));
}

void Ftpsitzung::hochladen(const FtpOrdner& ordner, const QString& lokaleDatei, const QString& name)
{
    d->auftragen(NeuerAuftrag(Vorgang::Hochladen, ordner, name, {}, lokaleDatei));
}

void Ftpsitzung::hochladen(const FtpOrdner& ordner, const QByteArray& daten, const QString& name)
{
    Auftrag a = NeuerAuftrag(Vorgang::Hochladen, ordner, name);
    a.daten = daten;
    a.ausSpeicher = true;
    d->auftragen(std::move(a));
}

void Ftpsitzung::herunterladen(const FtpOrdner& ordner, const QString& name, const QString& lokaleDatei)
{
    d->auftragen(NeuerAuftrag(Vorgang::Herunterladen, ordner, name, {}, lokaleDatei));
}

void Ftpsitzung::auflisten(const FtpOrdner& ordner) { d->auftragen(NeuerAuftrag(Vorgang::Auflisten, ordner)); }

void Ftpsitzung::ordnerAnlegen(const FtpOrdner& ordner, const QString& name)
{
    d->auftragen(NeuerAuftrag(Vorgang::OrdnerAnlegen, ordner, name));
}

void Ftpsitzung::loeschen(const FtpOrdner& ordner, const QString& name)
{
    d->auftragen(NeuerAuftrag(Vorgang::Loeschen, ordner, name));
}

void Ftpsitzung::umbenennen(const FtpOrdner& ordner, const QString& alt, const QString& neu)
{
    d->auftragen(NeuerAuftrag(Vorgang::Umbenennen, ordner, alt, neu));
}

void Ftpsitzung::trennen()
{
    Auftrag a;
    a.vorgang = Vorgang::Trennen;
    d->auftragen(std::move(a));
}

void Ftpsitzung::setVonSelbst(bool vonSelbst) { d->vonSelbst = vonSelbst; }

void Ftpsitzung::setZeitlimit(int ms) { d->zeitlimit = ms > 0 ? ms : StandardZeitlimitMs; }

bool Ftpsitzung::verbunden() const { return d->verbunden; }

int Ftpsitzung::offen() const { return d->offen; }

QString Ftpsitzung::anmeldeordner() const { return d->anmeldeordner; }

int Ftpsitzung::aktiveArbeiter() { return g_arbeiter.load(); }

int Ftpsitzung::aufgebauteVerbindungen() { return Verbindungen.load(); }

void Ftpsitzung::setZertifikate(const QString& pemDatei)
{
    ZertifikateSetzen(pemDatei);
}
