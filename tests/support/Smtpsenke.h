#pragma once
// The SMTP sink of the mail tests (support/smtp_senke.py, python3-aiosmtpd)
// on a free port (or the one given with "--port"), and waiting on the event
// loop with a deadline. Senke({"--tls", pem}) offers STARTTLS with that
// certificate and key.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "support/Warten.h"

// The script's path; the test target defines SMTP_SENKE.
#ifndef SMTP_SENKE
#error "SMTP_SENKE names support/smtp_senke.py"
#endif

namespace {

// The SMTP sink script on a free port; it ends when its stdin closes.
class Senke {
public:
    explicit Senke(const QStringList& optionen = {})
    {
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                               : QStringLiteral("python3");
        m_prozess.start(python, QStringList{QStringLiteral(SMTP_SENKE), m_ordner.path()} + optionen);
        const QDeadlineTimer frist(15000);
        while (!m_prozess.canReadLine() && !frist.hasExpired() &&
               m_prozess.waitForReadyRead(int(frist.remainingTime()))) {
        }
        port = std::uint16_t(m_prozess.readLine().trimmed().toUInt());
    }
    ~Senke()
    {
        m_prozess.closeWriteChannel();
        if (!m_prozess.waitForFinished(5000)) m_prozess.kill();
    }
    // The commands the sink received ("EHLO klar", "STARTTLS klar", "MAIL tls").
    QStringList befehle() const
    {
        QFile f(m_ordner.filePath(QStringLiteral("befehle.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                           : QStringList{};
    }
    QJsonObject nachricht(int n) const
    {
        QFile f(m_ordner.filePath(QStringLiteral("%1.json").arg(n)));
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject{};
    }
    std::uint16_t port = 0;

private:
    QTemporaryDir m_ordner;
    QProcess m_prozess;
};

}  // namespace
