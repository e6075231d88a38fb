#include "platform/Einzelinstanz.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int WarteMs = 1000;
const QByteArray Zeigen = "zeigen\n";

// The user's runtime folder, else the temporary one.
QString Ordner()
{
    QString o = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (o.isEmpty()) o = QDir::tempPath();
    QDir().mkpath(o);
    return o;
}

}  // namespace

Einzelinstanz::Einzelinstanz(const QString& name, QObject* parent)
    : QObject(parent), m_sperrdatei(QDir(Ordner()).filePath(name + QStringLiteral(".lock"))),
      m_socketPfad(QDir(Ordner()).filePath(name + QStringLiteral(".socket")))
{
    connect(&m_server, &QLocalServer::newConnection, this, &Einzelinstanz::verbindung);
}

Einzelinstanz::~Einzelinstanz()
{
    m_server.close();
    if (m_sperre) m_sperre->unlock();
}


bool Einzelinstanz::beanspruchen()
{
    if (beansprucht()) return true;
    // The lock of a program that died is found stale and taken over.
    auto sperre = std::make_unique<QLockFile>(sperrdatei());
    if (sperre->tryLock(0)) {
        m_sperre = std::move(sperre);
        QLocalServer::removeServer(socketPfad());  // left behind by a program that died
        if (!m_server.listen(socketPfad()))
            qWarning("Einzelinstanz: %s", qPrintable(m_server.errorString()));
        return true;
    }
    QLocalSocket s;
    s.connectToServer(socketPfad());
    if (s.waitForConnected(WarteMs)) {
        s.write(Zeigen);
        s.waitForBytesWritten(WarteMs);
        s.disconnectFromServer();
    }
    return false;
}

void Einzelinstanz::verbindung()
{
    while (QLocalSocket* s = m_server.nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        auto lesen = [this, s] {
            if (s->readAll().contains(Zeigen.trimmed())) emit zeigenAngefordert();
        };
        connect(s, &QLocalSocket::readyRead, this, lesen);
        if (s->bytesAvailable() > 0) lesen();
    }
}
