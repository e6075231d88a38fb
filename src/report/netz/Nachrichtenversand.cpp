#include "report/netz/Nachrichtenversand.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Records.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <utility>

namespace {

QByteArray Laenge(qsizetype n) { return QByteArray::number(n).rightJustified(4, '0'); }

struct Eintrag {
    QByteArray sender, schluessel, rahmen;
    quint64 nummer = 0;
    qint64 seit = 0;  // on the sender's clock
};

// The messages of one host; the front one is on its way while `unterwegs`.
struct Warteschlange {
    QString host;
    std::deque<Eintrag> nachrichten;
    QTcpSocket* socket = nullptr;
    QTimer zeit;
    bool aktiv = false;      // its start is posted or its front message is on its way
    bool unterwegs = false;  // the front message has been started
    bool verbunden = false;

    // The first message that may still be replaced or dropped.
    std::size_t ersteWartende() const { return unterwegs ? 1 : 0; }
};

}  // namespace

QByteArray NachrichtRahmen(const QByteArray& sender, const QByteArray& text)
{
    if (sender.size() > NachrichtFeldMax || text.size() > NachrichtFeldMax) return {};
    QByteArray r;
    r.reserve(8 + sender.size() + text.size());
    r += Laenge(sender.size());
    r += sender;
    r += Laenge(text.size());
    r += text;
    return r;
}

QByteArray NachrichtErsatzschluessel(const QByteArray& sender, const QByteArray& text)
{
    if (sender == "Mannschaft" || sender == "Anzeige" || sender == "Beenden") return sender;
    if (sender == "Spieler") {
        bool ok = false;
        const qsizetype ende = text.indexOf(';');
        const int slot = text.left(ende < 0 ? text.size() : ende).toInt(&ok);
        if (ok && slot >= 1 && slot <= MaxSpieler) return sender + ';' + QByteArray::number(slot);
    }
    return {};
}

QString NachrichtenStatusText(quint64 ersetzt, quint64 verworfen, const QStringList& ohneAntwort)
{
    // The monitors without an answer first: on a narrow status bar the end
    // of the text is what gets cut.
    QStringList teile;
    if (!ohneAntwort.isEmpty())
        teile << QStringLiteral("Monitore ohne Antwort: ") + ohneAntwort.join(QStringLiteral(", "));
    if (ersetzt || verworfen)
        teile << QStringLiteral("%1ersetzt: %2, verworfen: %3")
                     .arg(teile.isEmpty() ? QStringLiteral("Monitornachrichten ") : QString())
                     .arg(ersetzt)
                     .arg(verworfen);
    return teile.join(QStringLiteral(" – "));
}

struct Nachrichtenversand::Impl {
    Nachrichtenversand* q;
    quint16 port = NachrichtPort;
    int zeitlimit = NachrichtZeitlimitMs;
    std::map<QString, std::unique_ptr<Warteschlange>> schlangen;
    int laufend = 0;
    quint64 nummer = 0;
    quint64 ersetzt = 0, verworfen = 0;
    std::set<QString> ohneAntwort;
    QString status;
    QElapsedTimer uhr;

    explicit Impl(Nachrichtenversand* versand) : q(versand) { uhr.start(); }

    Warteschlange& schlange(const QString& host)
    {
        auto& w = schlangen[host];
        if (!w) {
            w = std::make_unique<Warteschlange>();
            w->host = host;
            w->zeit.setSingleShot(true);
            Warteschlange* p = w.get();
            QObject::connect(&w->zeit, &QTimer::timeout, q,
                             [this, p] { beenden(*p, NachrichtAusgang::Zeitueberschreitung); });
        }
        return *w;
    }

    // Starts the front message from the event loop, so that no outcome is
    // reported inside senden() or inside a slot of the previous message.
    void anstossen(Warteschlange& w)
    {
        w.aktiv = true;
        QMetaObject::invokeMethod(q, [this, p = &w] { starten(*p); }, Qt::QueuedConnection);
    }

    void starten(Warteschlange& w)
    {
        if (w.nachrichten.empty()) {
            w.aktiv = false;
            return;
        }
        if (w.nachrichten.front().rahmen.isEmpty()) {
            beenden(w, NachrichtAusgang::ZuLang);
            return;
        }
        w.unterwegs = true;
        auto* s = new QTcpSocket(q);
        w.socket = s;
        w.verbunden = false;
        Warteschlange* p = &w;
        QObject::connect(s, &QTcpSocket::connected, q, [this, p] { verbunden(*p); });
        QObject::connect(s, &QTcpSocket::readyRead, q, [this, p] { lesen(*p); });
        QObject::connect(s, &QTcpSocket::errorOccurred, q, [this, p] { getrennt(*p); });
        QObject::connect(s, &QTcpSocket::disconnected, q, [this, p] { getrennt(*p); });
        w.zeit.start(zeitlimit);
        s->connectToHost(w.host, port);  // a host name is looked up asynchronously
    }

    void verbunden(Warteschlange& w)
    {
        w.verbunden = true;
        w.zeit.start(zeitlimit);
        w.socket->write(w.nachrichten.front().rahmen);
    }

    void lesen(Warteschlange& w)
    {
        if (w.socket->bytesAvailable() < NachrichtAntwortBytes) return;
        w.socket->read(NachrichtAntwortBytes);
        beenden(w, NachrichtAusgang::Beantwortet);
    }

    void getrennt(Warteschlange& w)
    {
        if (w.socket->bytesAvailable() >= NachrichtAntwortBytes) return lesen(w);
        if (w.verbunden) return beenden(w, NachrichtAusgang::Abgebrochen);
        beenden(w, w.socket->error() == QAbstractSocket::ConnectionRefusedError ? NachrichtAusgang::Abgewiesen
                                                                                 : NachrichtAusgang::Unerreichbar);
    }

    void beenden(Warteschlange& w, NachrichtAusgang a)
    {
        w.zeit.stop();
        if (QTcpSocket* s = std::exchange(w.socket, nullptr)) {
            QObject::disconnect(s, nullptr, q, nullptr);
            if (a == NachrichtAusgang::Beantwortet)
                s->disconnectFromHost();
            else
                s->abort();
            s->deleteLater();
        }
        w.nachrichten.pop_front();
        w.unterwegs = false;
        abziehen();
        if (a == NachrichtAusgang::Beantwortet)
            ohneAntwort.erase(w.host);
        else if (a != NachrichtAusgang::ZuLang)
            ohneAntwort.insert(w.host);
        statusZeigen();

        const QString host = w.host;
        const QPointer<Nachrichtenversand> lebt(q);
        emit q->ausgang(host, a);
        if (!lebt) return;
        emit q->beendet(host, a == NachrichtAusgang::Beantwortet);
        if (!lebt) return;
        if (w.nachrichten.empty())
            w.aktiv = false;
        else
            anstossen(w);
    }

    // A message has ended, been replaced or dropped.
    void abziehen()
    {
        --laufend;
        if (NetzBeschaeftigt > 0) --NetzBeschaeftigt;  // a reset of the globals may have cleared it
    }

    // The newer message takes the place of a waiting one with its key, at the
    // end; a message without a key pushes the oldest waiting one without a
    // key out once there are too many.
    void einreihen(Warteschlange& w, Eintrag e)
    {
        auto& n = w.nachrichten;
        const auto wartende = n.begin() + std::ptrdiff_t(w.ersteWartende());
        if (!e.schluessel.isEmpty()) {
            const auto alt =
                std::find_if(wartende, n.end(), [&](const Eintrag& x) { return x.schluessel == e.schluessel; });
            if (alt != n.end()) {
                n.erase(alt);
                ++ersetzt;
                abziehen();
            }
            n.push_back(std::move(e));
            return;
        }
        n.push_back(std::move(e));
        const auto ohneSchluessel = [](const Eintrag& x) { return x.schluessel.isEmpty(); };
        auto anfang = n.begin() + std::ptrdiff_t(w.ersteWartende());
        if (std::count_if(anfang, n.end(), ohneSchluessel) <= MaxWartendOhneSchluessel) return;
        n.erase(std::find_if(anfang, n.end(), ohneSchluessel));
        ++verworfen;
        abziehen();
    }

    void statusZeigen()
    {
        QStringList hosts;
        for (const QString& h : ohneAntwort) hosts << h;
        QString text = NachrichtenStatusText(ersetzt, verworfen, hosts);
        if (text == status) return;
        status = std::move(text);
        fenster().statusText(StatusPanelMonitor, status);
    }
};

Nachrichtenversand::Nachrichtenversand(QObject* parent) : QObject(parent), d(new Impl(this)) {}

Nachrichtenversand::~Nachrichtenversand()
{
    for (auto& [host, w] : d->schlangen) {
        if (!w->socket) continue;
        QObject::disconnect(w->socket, nullptr, this, nullptr);
        w->socket->abort();
    }
    NetzBeschaeftigt = std::max(0, NetzBeschaeftigt - d->laufend);
    delete d;
}

void Nachrichtenversand::senden(const QString& host, const QByteArray& sender, const QByteArray& text)
{
    ++NetzBeschaeftigt;
    ++d->laufend;
    Warteschlange& w = d->schlange(host);
    d->einreihen(w, {sender, NachrichtErsatzschluessel(sender, text), NachrichtRahmen(sender, text), ++d->nummer,
                     d->uhr.elapsed()});
    d->statusZeigen();
    if (!w.aktiv) d->anstossen(w);
}

void Nachrichtenversand::setPort(quint16 port) { d->port = port; }

void Nachrichtenversand::setZeitlimit(int ms) { d->zeitlimit = std::max(ms, 1); }

int Nachrichtenversand::laufend() const { return d->laufend; }

QMap<QString, QList<WartendeNachricht>> Nachrichtenversand::wartende() const
{
    QMap<QString, QList<WartendeNachricht>> alle;
    const qint64 jetzt = d->uhr.elapsed();
    for (const auto& [host, w] : d->schlangen) {
        if (w->nachrichten.empty()) continue;
        QList<WartendeNachricht>& liste = alle[host];
        for (std::size_t i = 0; i < w->nachrichten.size(); ++i) {
            const Eintrag& e = w->nachrichten[i];
            liste.append({e.sender, e.schluessel, e.nummer, jetzt - e.seit, i == 0 && w->unterwegs});
        }
    }
    return alle;
}

quint64 Nachrichtenversand::ersetzt() const { return d->ersetzt; }

quint64 Nachrichtenversand::verworfen() const { return d->verworfen; }
