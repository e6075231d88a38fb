#pragma once
// A real proftpd started by the test on a free loopback port, with a
// configuration of its own in a temporary folder: one user with a password
// (a file of its own, no system user) whose login folder is a temporary
// folder, and a log of every command with its reply code. It runs as the
// user who starts it (root in CI or a normal user).
//
//   Proftpd server;                        // plain FTP
//   Proftpd tls({.zertifikat = pem});      // TLSRequired on, mod_tls's defaults otherwise
//   Proftpd neu({.zertifikat = pem, .zeilen = {"TLSProtocol TLSv1.3"}});
//   if (!Proftpd::vorhanden()) GTEST_SKIP() << Proftpd::fehlt();
//   server.zugang(), server.datei("a/b.txt"), server.protokoll()
//
// Debian installs only one FTP server package, and vsftpd is the tests' one:
// proftpd is unpacked from its packages (scripts/proftpd-holen) into
// $CORVALINK_PROFTPD, or else into the user's cache folder
// (~/.cache/corvalink/proftpd). When it is not there yet, the first test
// that needs it unpacks it.
//
// The target defines PROFTPD_HOLEN as the script's path.

#include "report/netz/Ftpsitzung.h"
#include "support/Vsftpd.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>

#include <unistd.h>

#ifndef PROFTPD_HOLEN
#error "PROFTPD_HOLEN names scripts/proftpd-holen"
#endif

struct ProftpdOptionen {
    QString zertifikat;       // PEM with certificate and key; empty: no TLS
    QStringList zeilen = {};  // further lines inside <IfModule mod_tls.c>
};

class Proftpd {
public:
    using Optionen = ProftpdOptionen;
    static constexpr const char* Kennung = "kegler";
    static constexpr const char* Passwort = "geheim";

    explicit Proftpd(Optionen optionen = {}) : m_optionen(std::move(optionen))
    {
        QDir(m_ordner.path()).mkdir(QStringLiteral("wurzel"));
        if (!vorhanden()) return;
        for (int versuch = 0; versuch < 5 && port == 0; ++versuch) starten(Vsftpd::FreierPort());
    }
    ~Proftpd() { beenden(); }
    Proftpd(const Proftpd&) = delete;
    Proftpd& operator=(const Proftpd&) = delete;

    // 0 when the server did not start (see ausgabe()).
    quint16 port = 0;

    // The unpacked server, unpacking it first when it is missing.
    static bool vorhanden() { return holen().first; }
    // Why it is not there: the unpacking's own words.
    static QString fehlt()
    {
        return QStringLiteral("proftpd konnte nicht entpackt werden (scripts/proftpd-holen %1): %2")
            .arg(ordner(), holen().second);
    }

    QString wurzel() const { return m_ordner.filePath(QStringLiteral("wurzel")); }
    QString datei(const QString& relativ) const { return wurzel() + QLatin1Char('/') + relativ; }

    FtpZugang zugang() const
    {
        return {QStringLiteral("127.0.0.1"), port, QString::fromLatin1(Kennung), QString::fromLatin1(Passwort)};
    }

    // The commands received so far with their reply codes ("STOR a.txt 226";
    // a password as "PASS (hidden)"), over all connections.
    QStringList protokoll() const
    {
        QFile f(pfad("befehle.log"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // What proftpd wrote on its output and into its system log.
    QString ausgabe() const
    {
        QFile log(pfad("proftpd.log"));
        return m_ausgabe + (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString());
    }

    // Ends the server with every connection it holds.
    void beenden() { m_ausgabe += ServerprozessBeenden(m_prozess); }

private:
    static QString ordner()
    {
        const QString gesetzt = qEnvironmentVariable("CORVALINK_PROFTPD");
        if (!gesetzt.isEmpty()) return gesetzt;
        const QString cache = qEnvironmentVariable("XDG_CACHE_HOME", QDir::homePath() + QStringLiteral("/.cache"));
        return cache + QStringLiteral("/corvalink/proftpd");
    }
    static QString programm() { return ordner() + QStringLiteral("/usr/sbin/proftpd"); }

    // Once per test program: the script does nothing when the server is there.
    static const std::pair<bool, QString>& holen()
    {
        static const std::pair<bool, QString> ergebnis = [] {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(QStringLiteral(PROFTPD_HOLEN), {ordner()});
            const bool fertig = p.waitForFinished(180000);
            const QString text = QString::fromUtf8(p.readAll()).trimmed();
            const bool ok = fertig && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
                            QFile::exists(programm());
            return std::pair{ok, text.isEmpty() && !fertig ? QStringLiteral("nach 180 s abgebrochen") : text};
        }();
        return ergebnis;
    }

    QString pfad(const char* name) const { return m_ordner.filePath(QString::fromLatin1(name)); }

    // mod_tls takes an EC certificate only as such.
    static bool ecZertifikat(const QString& pem)
    {
        QProcess p;
        p.start(QStringLiteral("openssl"), {"x509", "-in", pem, "-noout", "-text"});
        return p.waitForFinished(10000) && p.readAll().contains("id-ecPublicKey");
    }

    void starten(quint16 p)
    {
        if (p == 0) return;
        const bool root = ::getuid() == 0;
        QFile nutzer(pfad("passwd"));
        QProcess hash;
        hash.start(QStringLiteral("openssl"), {"passwd", "-5", QString::fromLatin1(Passwort)});
        if (!hash.waitForFinished(10000) || !nutzer.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        nutzer.write(QStringLiteral("%1:%2:%3:%4::%5:/bin/sh\n")
                         .arg(QString::fromLatin1(Kennung), QString::fromLatin1(hash.readAll().trimmed()))
                         .arg(::getuid())
                         .arg(::getgid())
                         .arg(wurzel())
                         .toUtf8());
        nutzer.close();
        nutzer.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        const QString module = ordner() + QStringLiteral("/usr/lib/proftpd");
        QStringList conf = {
            "ServerType standalone", "DefaultServer on", QStringLiteral("Port %1").arg(p),
            "DefaultAddress 127.0.0.1", "UseIPv6 off", "User " + Benutzername(), "Group " + Gruppenname(),
            "PidFile " + pfad("proftpd.pid"), "ScoreboardFile " + pfad("proftpd.scoreboard"), "DelayTable none",
            "WtmpLog off", "UseReverseDNS off", "ControlsEngine off", "AuthOrder mod_auth_file.c",
            "AuthUserFile " + pfad("passwd"), "RequireValidShell off", QStringLiteral("RootLogin %1").arg(root ? "on" : "off"),
            "AllowOverwrite on", "Umask 022 022", "SystemLog " + pfad("proftpd.log"),
            "TransferLog " + pfad("xferlog"), "LogFormat befehle \"%r %s\"",
            "ExtendedLog " + pfad("befehle.log") + " ALL befehle", "ModulePath " + module,
        };
        if (!m_optionen.zertifikat.isEmpty()) {
            const QString art = ecZertifikat(m_optionen.zertifikat) ? QStringLiteral("EC") : QStringLiteral("RSA");
            conf << "LoadModule mod_tls.c" << "<IfModule mod_tls.c>" << "TLSEngine on"
                 << "TLSLog " + pfad("tls.log") << "TLSRequired on"
                 << QStringLiteral("TLS%1CertificateFile %2").arg(art, m_optionen.zertifikat)
                 << QStringLiteral("TLS%1CertificateKeyFile %2").arg(art, m_optionen.zertifikat)
                 << m_optionen.zeilen << "</IfModule>";
        }
        QFile f(pfad("proftpd.conf"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        f.write(conf.join(QLatin1Char('\n')).toUtf8() + '\n');
        f.close();

        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        // The libraries unpacked with it (in the folder of the machine's triplet).
        QStringList bibliotheken;
        const QDir lib(ordner() + QStringLiteral("/usr/lib"));
        for (const QString& d : lib.entryList({QStringLiteral("*-linux-gnu")}, QDir::Dirs)) bibliotheken << lib.filePath(d);
        umgebung.insert(QStringLiteral("LD_LIBRARY_PATH"), bibliotheken.join(QLatin1Char(':')));
        m_prozess.setProcessEnvironment(umgebung);
        m_prozess.setProcessChannelMode(QProcess::MergedChannels);
        m_prozess.start(programm(), {"-n", "-q", "-c", pfad("proftpd.conf")});
        if (!m_prozess.waitForStarted(10000)) return;
        if (Vsftpd::Antwortet(m_prozess, p)) {
            port = p;
            return;
        }
        m_ausgabe += ServerprozessBeenden(m_prozess);
    }

    static QString Benutzername()
    {
        QProcess p;
        p.start(QStringLiteral("id"), {"-un"});
        return p.waitForFinished(5000) ? QString::fromUtf8(p.readAll().trimmed()) : QStringLiteral("root");
    }
    static QString Gruppenname()
    {
        QProcess p;
        p.start(QStringLiteral("id"), {"-gn"});
        return p.waitForFinished(5000) ? QString::fromUtf8(p.readAll().trimmed()) : QStringLiteral("root");
    }

    Optionen m_optionen;
    QTemporaryDir m_ordner;
    QProcess m_prozess;
    QString m_ausgabe;
};
