#pragma once
// A monitor client on the message port, in the test's own process: it keeps
// the bytes of each connection and answers a complete message (Antwortet),
// accepts and never answers, keeping the connection open (Stumm: a monitor PC
// that does not answer), or closes each connection at once (Schliesst). The
// kind may change while it runs: a silent client that starts answering is a
// monitor that comes back.
//
// Several on one port: listen on 127.0.0.1, 127.0.0.2, ... with the first
// one's port, and give the message sender that port (setPort).

#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <memory>

struct Monitorgegenstelle {
    enum Art { Antwortet, Stumm, Schliesst } art;
    QTcpServer server;
    QList<QByteArray> empfangen;  // per connection
    int offen = 0, hoechstens = 0;  // connections open and not yet answered

    explicit Monitorgegenstelle(Art a = Antwortet, const QString& adresse = QStringLiteral("127.0.0.1"),
                                quint16 port = 0)
        : art(a)
    {
        server.listen(QHostAddress(adresse), port);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) annehmen(s);
        });
    }

    quint16 port() const { return server.serverPort(); }

    // The complete messages received, one per connection, without the ones
    // still incomplete.
    QList<QByteArray> nachrichten() const
    {
        QList<QByteArray> n;
        for (const QByteArray& b : empfangen)
            if (Vollstaendig(b)) n << b;
        return n;
    }

    // Closes the connections not answered (their messages end unanswered).
    void trennen()
    {
        for (const QPointer<QTcpSocket>& s : std::as_const(m_sockets))
            if (s) s->abort();
    }

    static bool Vollstaendig(const QByteArray& b)
    {
        if (b.size() < 8) return false;
        const int n = b.left(4).toInt();
        return b.size() >= 8 + n && b.size() == 8 + n + b.mid(4 + n, 4).toInt();
    }

private:
    void annehmen(QTcpSocket* s)
    {
        const qsizetype nr = empfangen.size();
        empfangen.append(QByteArray());
        m_sockets.append(s);
        hoechstens = std::max(hoechstens, ++offen);
        auto beantwortet = std::make_shared<bool>(false);
        QObject::connect(s, &QTcpSocket::disconnected, [this, s, beantwortet] {
            offen -= !*beantwortet;
            *beantwortet = true;
            s->deleteLater();
        });
        QObject::connect(s, &QTcpSocket::readyRead, [this, s, nr, beantwortet] {
            QByteArray& b = empfangen[nr];
            b += s->readAll();
            if (art == Antwortet && Vollstaendig(b) && !*beantwortet) {
                s->write("OK              ");
                *beantwortet = true;
                --offen;
            }
        });
        if (art == Schliesst) s->close();
    }

    QList<QPointer<QTcpSocket>> m_sockets;
};
