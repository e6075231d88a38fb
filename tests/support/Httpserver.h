#pragma once
// A web server of the tests on a free loopback port: Python's http.server
// on a temporary folder. Files put there are its pages; a missing one is
// answered with 404.
//
//   HttpTestserver server;
//   server.ablegen("/Updates/seite.html", "#2.21.0063");
//   server.adresse()  // "http://127.0.0.1:<port>"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class HttpTestserver {
public:
    HttpTestserver()
    {
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                               : QStringLiteral("python3");
        m_prozess.start(python, {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", m_ordner.path()});
        // "Serving HTTP on 127.0.0.1 port 41235 (http://127.0.0.1:41235/) ..."
        const QDeadlineTimer frist(15000);
        while (!m_prozess.canReadLine() && !frist.hasExpired() &&
               m_prozess.waitForReadyRead(int(frist.remainingTime()))) {
        }
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral(" port (\\d+) ")).match(QString::fromUtf8(m_prozess.readLine()));
        if (m.hasMatch()) port = quint16(m.captured(1).toUInt());
    }
    ~HttpTestserver()
    {
        m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }
    HttpTestserver(const HttpTestserver&) = delete;
    HttpTestserver& operator=(const HttpTestserver&) = delete;

    QString adresse() const { return QStringLiteral("http://127.0.0.1:%1").arg(port); }
    // The page at `pfad` ("/a/b.html"); false when it could not be written.
    bool ablegen(const QString& pfad, const QByteArray& inhalt) const
    {
        const QString datei = m_ordner.path() + pfad;
        QDir().mkpath(QFileInfo(datei).path());
        QFile f(datei);
        return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
    }
    void entfernen(const QString& pfad) const { QFile::remove(m_ordner.path() + pfad); }

    quint16 port = 0;  // 0: the server did not start

private:
    QTemporaryDir m_ordner;
    QProcess m_prozess;
};
