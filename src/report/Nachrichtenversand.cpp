#include "report/Nachrichtenversand.h"

#include "core/Globals.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <utility>

namespace {

QByteArray Laenge(qsizetype n) { return QByteArray::number(n).rightJustified(4, '0'); }

// The messages of one host; the front one is on its way while `aktiv`.
struct Warteschlange {
    QString host;
    std::deque<QByteArray> rahmen;
    QTcpSocket* socket = nullptr;
    QTimer zeit;
    bool aktiv = false;  // its start is posted or its front message is on its way
    bool verbunden = false;
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

struct Nachrichtenversand::Impl {
    Nachrichtenversand* q;
    quint16 port = NachrichtPort;
    int zeitlimit = NachrichtZeitlimitMs;
    std::map<QString, std::unique_ptr<Warteschlange>> schlangen;
    int laufend = 0;

    explicit Impl(Nachrichtenversand* versand) : q(versand) {}

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
        if (w.rahmen.empty()) {
            w.aktiv = false;
            return;
        }
        if (w.rahmen.front().isEmpty()) {
            beenden(w, NachrichtAusgang::ZuLang);
            return;
        }
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
        w.socket->write(w.rahmen.front());
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
        w.rahmen.pop_front();
        --laufend;
        if (NetzBeschaeftigt > 0) --NetzBeschaeftigt;  // a reset of the globals may have cleared it

        const QString host = w.host;
        const QPointer<Nachrichtenversand> lebt(q);
        emit q->ausgang(host, a);
        if (!lebt) return;
        emit q->beendet(host, a == NachrichtAusgang::Beantwortet);
        if (!lebt) return;
        if (w.rahmen.empty())
            w.aktiv = false;
        else
            anstossen(w);
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
    w.rahmen.push_back(NachrichtRahmen(sender, text));
    if (!w.aktiv) d->anstossen(w);
}

void Nachrichtenversand::setPort(quint16 port) { d->port = port; }

void Nachrichtenversand::setZeitlimit(int ms) { d->zeitlimit = std::max(ms, 1); }

int Nachrichtenversand::laufend() const { return d->laufend; }
