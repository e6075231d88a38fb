#pragma once
// The FTP server of the tests (support/ftp_server.py, python3-pyftpdlib) on
// a free loopback port: one user with every right on a temporary root
// folder, active and passive data connections, and the log of the commands
// it received, one line each ("CWD a", "TYPE I", "STOR Update.csv").
//
//   FtpTestserver server;                              // or with options:
//   FtpTestserver langsam({"--verzoegerung", "0.2"});  // seconds per command
//   FtpTestserver abweisend({"--ablehnen"});           // refuses every login
//   FtpTestserver nat({"--nur-passiv"});               // refuses PORT and EPRT
//   FtpTestserver zaeh({"--drossel", "20000"});        // bytes/s on data connections
//   FtpTestserver heim({"--heimordner", "heim"});      // the login folder is /heim
//   FtpTestserver tls({"--tls", zertifikat});          // TLS required (zertifikat(ordner))
//   FtpTestserver v6({"--adresse", "::1"});            // on IPv6 loopback (zugang() names 127.0.0.1)
//   FtpTestserver iso({"--iso-datum"});                // listings with "2024-01-31 12:00"
//   FtpTestserver endlos({"--endlose-liste"});         // LIST never ends
//   FtpTestserver zusatz({"--listenzeile", zeile});    // a line added to every listing
//   FtpTestserver abweisend({"--stor-antwort", "522 ...", "--stor-antwort-mal", "2"});  // STOR refused twice
//   sitzung.verbinden(server.zugang());
//   FtpTestserver::warten([&] { return ...; });
//   server.wurzel(), server.zeilen(), server.beenden()
//
// "--verzoegerung S" makes the server answer every command S seconds late
// (a slow server); it combines with the other options.
//
// The target defines FTP_SERVER as the script's path.

#include "report/netz/Ftpsitzung.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "support/Warten.h"

#ifndef FTP_SERVER
#error "FTP_SERVER names support/ftp_server.py"
#endif

class FtpTestserver {
public:
    static constexpr const char* Kennung = "kegler";
    static constexpr const char* Passwort = "geheim";

    explicit FtpTestserver(const QStringList& optionen = {})
    {
        QDir(m_ordner.path()).mkdir(QStringLiteral("wurzel"));
        // The system's Python carries pyftpdlib; another one first in PATH may not.
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                               : QStringLiteral("python3");
        m_prozess.start(python, QStringList{QStringLiteral(FTP_SERVER), wurzel(), protokoll()} + optionen);
        const QDeadlineTimer frist(15000);
        while (!m_prozess.canReadLine() && !frist.hasExpired() &&
               m_prozess.waitForReadyRead(int(frist.remainingTime()))) {
        }
        port = quint16(m_prozess.readLine().trimmed().toUInt());
    }
    ~FtpTestserver() { beenden(); }
    FtpTestserver(const FtpTestserver&) = delete;
    FtpTestserver& operator=(const FtpTestserver&) = delete;

    // 0 when the server did not start.
    quint16 port = 0;

    // The user's root folder on this machine.
    QString wurzel() const { return m_ordner.filePath(QStringLiteral("wurzel")); }
    // Joined as text: a name starting with ":" is a file there, not a resource.
    QString datei(const QString& relativ) const { return wurzel() + QLatin1Char('/') + relativ; }

    FtpZugang zugang() const
    {
        return {QStringLiteral("127.0.0.1"), port, QString::fromLatin1(Kennung), QString::fromLatin1(Passwort)};
    }

    // The commands received so far, in order, over all connections.
    QStringList zeilen() const
    {
        QFile f(protokoll());
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList z = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        if (!z.isEmpty() && z.last().isEmpty()) z.removeLast();
        return z;
    }

    // Ends the server: every connection drops.
    void beenden()
    {
        if (m_prozess.state() == QProcess::NotRunning) return;
        m_prozess.closeWriteChannel();
        if (!m_prozess.waitForFinished(5000)) {
            m_prozess.kill();
            m_prozess.waitForFinished(2000);
        }
    }

    // Runs the event loop until `bedingung` holds or the deadline has passed.
    static bool warten(const std::function<bool()>& bedingung, int ms = 30000) { return ::warten(bedingung, ms); }

    // A self-signed certificate for 127.0.0.1 with its key in one PEM file
    // below `ordner` (openssl), an EC key or an RSA key; empty when it could
    // not be made.
    static QString zertifikat(const QString& ordner, bool rsa = false)
    {
        const QString datei = QDir(ordner).filePath(QStringLiteral("server.pem"));
        const QString schluessel = QDir(ordner).filePath(QStringLiteral("schluessel.pem"));
        const QString zert = QDir(ordner).filePath(QStringLiteral("zertifikat.pem"));
        QProcess p;
        const QStringList schluesselart = rsa ? QStringList{"-newkey", "rsa:2048"}
                                              : QStringList{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1"};
        p.start(QStringLiteral("openssl"),
                QStringList{"req", "-x509"} + schluesselart +
                    QStringList{"-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                                "subjectAltName=IP:127.0.0.1", "-keyout", schluessel, "-out", zert});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
        QFile a(zert), b(schluessel), ziel(datei);
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || !ziel.open(QIODevice::WriteOnly))
            return {};
        ziel.write(a.readAll() + b.readAll());
        return datei;
    }

private:
    QString protokoll() const { return m_ordner.filePath(QStringLiteral("befehle.log")); }

    QTemporaryDir m_ordner;
    QProcess m_prozess;
};
