#pragma once
// A real vsftpd (Debian package vsftpd) started by the test on a free
// loopback port, with a configuration of its own in a temporary folder:
// anonymous login with upload, folders, delete and rename on a temporary
// root folder, and its own log of every command and reply. It runs as the
// user who starts it (root in CI or a normal user), needs no system user
// and no system configuration.
//
//   Vsftpd server;                         // plain FTP
//   Vsftpd tls({.zertifikat = pem});       // TLS required for login and data
//   Vsftpd knapp({.zertifikat = pem, .dateigrenzeKb = 4});  // files end at 4 KB
//   server.zugang(), server.wurzel(), server.datei("a/b.txt"), server.befehle()
//   server.neuStarten(anderesPem);         // the same port, another certificate ({}: no TLS)
//
// `zertifikat` is a PEM file with certificate and key (FtpTestserver::zertifikat).
// vsftpd's own defaults hold otherwise: with TLS it requires the data
// connections to reuse the control connection's TLS session.

#include "report/netz/Ftpsitzung.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <signal.h>

// The processes below `pid`, children before their own children.
inline QList<qint64> ProzessNachkommen(qint64 pid)
{
    QList<qint64> ergebnis;
    const QStringList eintraege = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& e : eintraege) {
        bool zahl = false;
        const qint64 p = e.toLongLong(&zahl);
        if (!zahl) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(p));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold blanks.
        const QByteArray zeile = stat.readAll();
        const QList<QByteArray> felder = zeile.mid(zeile.lastIndexOf(')') + 2).split(' ');
        if (felder.size() > 1 && felder[1].toLongLong() == pid) ergebnis << p << ProzessNachkommen(p);
    }
    return ergebnis;
}

// Ends a server process with every process below it (its sessions first)
// and returns what it still had on its output.
inline QString ServerprozessBeenden(QProcess& prozess)
{
    if (prozess.state() != QProcess::NotRunning) {
        for (const qint64 kind : ProzessNachkommen(prozess.processId())) ::kill(pid_t(kind), SIGKILL);
        prozess.terminate();
        if (!prozess.waitForFinished(5000)) {
            prozess.kill();
            prozess.waitForFinished(2000);
        }
    }
    return QString::fromUtf8(prozess.readAll());
}

struct VsftpdOptionen {
    QString zertifikat;       // empty: no TLS
    int dateigrenzeKb = 0;    // a file the server writes ends there (a full disk); 0: none
    QStringList zeilen = {};  // further configuration lines
};

class Vsftpd {
public:
    using Optionen = VsftpdOptionen;
    static constexpr const char* Programm = "/usr/sbin/vsftpd";

    explicit Vsftpd(Optionen optionen = {}) : m_optionen(std::move(optionen))
    {
        QDir(m_ordner.path()).mkdir(QStringLiteral("wurzel"));
        QDir(m_ordner.path()).mkdir(QStringLiteral("leer"));
        // A port taken between asking and binding is tried again.
        for (int versuch = 0; versuch < 5 && port == 0; ++versuch) starten(FreierPort());
    }
    ~Vsftpd() { beenden(); }
    Vsftpd(const Vsftpd&) = delete;
    Vsftpd& operator=(const Vsftpd&) = delete;

    // 0 when the server did not start (see ausgabe()).
    quint16 port = 0;

    static bool vorhanden() { return QFile::exists(QString::fromLatin1(Programm)); }

    QString wurzel() const { return m_ordner.filePath(QStringLiteral("wurzel")); }
    QString datei(const QString& relativ) const { return wurzel() + QLatin1Char('/') + relativ; }

    FtpZugang zugang() const
    {
        return {QStringLiteral("127.0.0.1"), port, QStringLiteral("anonymous"), QStringLiteral("bericht@kegeln.test")};
    }

    // The commands received so far, over all connections, as vsftpd logged
    // them ("STOR a.txt"; a password as "PASS <password>").
    QStringList befehle() const { return protokoll(QStringLiteral("FTP command")); }
    // Its replies ("226 Transfer complete.").
    QStringList antworten() const { return protokoll(QStringLiteral("FTP response")); }
    // What vsftpd wrote on its own output (its "500 OOPS" when it would not start).
    QString ausgabe() const { return m_ausgabe; }

    // Ends the server with every connection it holds: its session
    // processes first, then the listener.
    void beenden() { m_ausgabe += ServerprozessBeenden(m_prozess); }

    // The same port again, with another certificate (a server whose
    // certificate changed) or none (a server that no longer offers TLS).
    // The connections it held are gone. False when it did not start.
    bool neuStarten(const QString& zertifikat)
    {
        beenden();
        m_optionen.zertifikat = zertifikat;
        const quint16 alt = port;
        port = 0;
        // The old listening socket may linger for a moment.
        const QDeadlineTimer frist(10000);
        while (port == 0 && !frist.hasExpired()) starten(alt);
        return port != 0;
    }

    static quint16 FreierPort()
    {
        QTcpServer s;
        return s.listen(QHostAddress::LocalHost) ? s.serverPort() : 0;
    }

    // Whether the server that `prozess` started answers on port `p` with
    // its banner ("220"), not whatever took the port; waits up to 15 s
    // while the process runs.
    static bool Antwortet(QProcess& prozess, quint16 p)
    {
        const QDeadlineTimer frist(15000);
        while (!frist.hasExpired() && prozess.state() == QProcess::Running) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, p);
            if (s.waitForConnected(1000)) {
                const bool banner = s.waitForReadyRead(5000) && s.readLine().startsWith("220");
                s.disconnectFromHost();
                return banner;
            }
            prozess.waitForFinished(50);
        }
        return false;
    }

private:
    QString pfad(const char* name) const { return m_ordner.filePath(QString::fromLatin1(name)); }

    QStringList protokoll(const QString& art) const
    {
        QFile f(pfad("vsftpd.log"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        static const QRegularExpression zeile(QStringLiteral(R"re(\] (FTP command|FTP response): Client "[^"]*", "(.*)"$)re"));
        QStringList ergebnis;
        for (const QByteArray& z : f.readAll().split('\n')) {
            const QRegularExpressionMatch m = zeile.match(QString::fromUtf8(z.trimmed()));
            if (m.hasMatch() && m.captured(1) == art) ergebnis << m.captured(2);
        }
        return ergebnis;
    }

    void starten(quint16 p)
    {
        if (p == 0) return;
        QStringList conf = {
            "listen=YES", "listen_ipv6=NO", "listen_address=127.0.0.1", QStringLiteral("listen_port=%1").arg(p),
            "background=NO", "run_as_launching_user=YES", "seccomp_sandbox=NO",
            "secure_chroot_dir=" + pfad("leer"), "anonymous_enable=YES", "local_enable=NO",
            "anon_root=" + wurzel(), "write_enable=YES", "anon_upload_enable=YES", "anon_mkdir_write_enable=YES",
            "anon_other_write_enable=YES", "anon_umask=022", "connect_from_port_20=NO", "dirmessage_enable=NO",
            "xferlog_enable=YES", "xferlog_std_format=NO", "log_ftp_protocol=YES",
            "vsftpd_log_file=" + pfad("vsftpd.log"),
        };
        if (!m_optionen.zertifikat.isEmpty())
            conf << "ssl_enable=YES" << "allow_anon_ssl=YES" << "force_anon_logins_ssl=YES"
                 << "force_anon_data_ssl=YES" << "rsa_cert_file=" + m_optionen.zertifikat
                 << "rsa_private_key_file=" + m_optionen.zertifikat;
        conf << m_optionen.zeilen;
        QFile f(pfad("vsftpd.conf"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        f.write(conf.join(QLatin1Char('\n')).toUtf8() + '\n');
        f.close();

        m_prozess.setProcessChannelMode(QProcess::MergedChannels);
        if (m_optionen.dateigrenzeKb > 0) {
            // A write past the limit fails (EFBIG) instead of ending the process.
            m_prozess.start(QStringLiteral("/bin/sh"),
                            {"-c", QStringLiteral("trap '' XFSZ; ulimit -f %1; exec %2 \"$0\"")
                                       .arg(m_optionen.dateigrenzeKb * 2)  // blocks of 512 bytes
                                       .arg(QString::fromLatin1(Programm)),
                             pfad("vsftpd.conf")});
        } else {
            m_prozess.start(QString::fromLatin1(Programm), {pfad("vsftpd.conf")});
        }
        if (!m_prozess.waitForStarted(10000)) return;
        if (Antwortet(m_prozess, p)) {
            port = p;
            return;
        }
        m_ausgabe += ServerprozessBeenden(m_prozess);
    }

    Optionen m_optionen;
    QTemporaryDir m_ordner;
    QProcess m_prozess;
    QString m_ausgabe;
};
