#include "support/VirtuellerBus.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <QVariant>

namespace {
const char* const Kanaele = "kanaele";
}

VirtuellerBus::VirtuellerBus()
{
    // The plugin reports each server it cannot start, here every opening.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.virtualcan.info=false"));
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { annehmen(); });
    m_server.listen(QHostAddress::LocalHost, 0);
}

VirtuellerBus::~VirtuellerBus()
{
    for (QTcpSocket* s : m_clients) {
        QObject::disconnect(s, nullptr, nullptr, nullptr);
        s->abort();
    }
}

QString VirtuellerBus::schnittstelle() const
{
    return QStringLiteral("virtualcan:tcp://127.0.0.1:%1/can0").arg(m_server.serverPort());
}

void VirtuellerBus::beenden()
{
    m_server.close();
    const QList<QTcpSocket*> clients = m_clients;  // a closed one leaves the list at once
    for (QTcpSocket* s : clients) s->disconnectFromHost();
}

void VirtuellerBus::annehmen()
{
    while (QTcpSocket* s = m_server.nextPendingConnection()) {
        m_clients.append(s);
        QObject::connect(s, &QTcpSocket::readyRead, &m_server, [this, s] { lesen(s); });
        QObject::connect(s, &QTcpSocket::disconnected, &m_server, [this, s] {
            m_clients.removeOne(s);
            s->deleteLater();
        });
    }
}

void VirtuellerBus::lesen(QTcpSocket* s)
{
    while (s->canReadLine()) {
        const QByteArray zeile = s->readLine().trimmed();
        QStringList kanaele = s->property(Kanaele).toStringList();
        if (zeile.startsWith("connect:")) {
            kanaele.append(QString::fromLatin1(zeile.mid(8)));
            s->setProperty(Kanaele, kanaele);
            continue;
        }
        if (zeile.startsWith("disconnect:")) {
            kanaele.removeAll(QString::fromLatin1(zeile.mid(11)));
            s->setProperty(Kanaele, kanaele);
            s->disconnectFromHost();
            continue;
        }
        const qsizetype trenner = zeile.indexOf(':');
        if (trenner <= 0) continue;
        const QString kanal = QString::fromLatin1(zeile.left(trenner));
        const QByteArray rahmen = zeile.mid(trenner + 1) + '\n';
        for (QTcpSocket* ziel : std::as_const(m_clients))
            if (ziel != s && ziel->property(Kanaele).toStringList().contains(kanal)) ziel->write(rahmen);
        ++m_rahmen;
    }
}
