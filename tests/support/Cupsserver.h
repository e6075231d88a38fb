#pragma once
// The print system of the tests: a cupsd of its own on a free loopback port,
// with its configuration, spool, cache and logs in a temporary folder, and
// queues with the cups-pdf driver (Debian packages cups and
// printer-driver-cups-pdf); the first queue is the default. While it lives,
// this process's libcups and Qt talk to it (CUPS_SERVER).
//
//   CupsTestserver cups;                          // queue "pdf"
//   CupsTestserver zwei({"alpha", "beta"});
//   if (!CupsTestserver::fehlt().isEmpty()) GTEST_SKIP() << ...;
//   ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler;
//   cups.befehl("cupsreject", {"-r", "Papier alle", "pdf"});
//   cups.pdfsAbwarten(1); cups.pdfs(); cups.wartende("pdf");
//
// As root the queues print through the cups-pdf backend itself: the PDF
// files land in its folder for anonymous users (the jobs' user is one the
// system does not know), named "<title>-job_<id>.pdf"; the job numbers start
// at a number of this server's own so that servers running side by side
// never write the same name, and its files are removed at the end. cups-pdf
// runs only as root; as a normal user cupsd runs as that user and a backend
// of the tests takes its place: it turns the same PostScript into the PDF
// with ghostscript, into this server's folder.
//
//   StummerCupsserver stumm;                      // takes connections, never answers

#include <cups/cups.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <optional>

#include "core/ui/Druckserver.h"
#include "support/Warten.h"

// This process's libcups and Qt ask the print server `adresse` while it
// lives (CUPS_SERVER: the UI thread's libcups reads it anew, a worker's at its
// first request); the environment as it was afterwards. The probe's last
// result is forgotten either way: a port may come again with another server.
class CupsUmgebung {
public:
    explicit CupsUmgebung(const QString& adresse, bool anonym = false)
    {
        for (const char* name : {"CUPS_SERVER", "CUPS_USER", "LPDEST", "PRINTER"}) {
            m_vorher.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
            qunsetenv(name);
        }
        qputenv("CUPS_SERVER", adresse.toUtf8());
        // cups-pdf writes the files of a user the system does not know into its anonymous folder.
        if (anonym) qputenv("CUPS_USER", "corvalink-druckprobe");
        cupsSetServer(nullptr);
        cupsSetUser(nullptr);
        DruckserverVergessen();
    }
    ~CupsUmgebung()
    {
        for (const auto& [name, wert] : m_vorher) {
            if (wert)
                qputenv(name, *wert);
            else
                qunsetenv(name);
        }
        cupsSetServer(nullptr);
        cupsSetUser(nullptr);
        DruckserverVergessen();
    }
    CupsUmgebung(const CupsUmgebung&) = delete;
    CupsUmgebung& operator=(const CupsUmgebung&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_vorher;
};

// A print server that takes every connection and never answers, on a free
// loopback port, asked while it lives.
class StummerCupsserver {
public:
    StummerCupsserver()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (m_server.nextPendingConnection()) ++verbindungen;
        });
        m_umgebung.emplace(adresse());
    }

    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }
    // From now on the port refuses connections, as without a cupsd.
    void schliessen() { m_server.close(); }

    int verbindungen = 0;  // taken so far

private:
    QTcpServer m_server;  // its connections are its children: open until it ends
    std::optional<CupsUmgebung> m_umgebung;
};

class CupsTestserver {
public:
    static constexpr const char* Treiber = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    static constexpr const char* CupsPdf = "/usr/lib/cups/backend/cups-pdf";

    // Why the tests cannot have a print system here; empty when they can.
    static QString fehlt()
    {
        if (programm(QStringLiteral("cupsd")).isEmpty() || programm(QStringLiteral("lpadmin")).isEmpty())
            return QStringLiteral("cupsd fehlt (Paket cups)");
        if (!QFile::exists(QLatin1String(Treiber)) || !QFile::exists(QLatin1String(CupsPdf)))
            return QStringLiteral("cups-pdf fehlt (Paket printer-driver-cups-pdf)");
        if (!alsRoot() && QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
            return QStringLiteral("gs fehlt (Paket ghostscript)");
        return {};
    }

    explicit CupsTestserver(const QStringList& warteschlangen = {QStringLiteral("pdf")})
    {
        if (!(fehler = fehlt()).isEmpty()) return;
        if (!m_ordner.isValid()) {
            fehler = QStringLiteral("kein temporärer Ordner");
            return;
        }
        for (int versuch = 0; versuch < 3 && !starten(); ++versuch) {
        }
        if (!m_laeuft) return;
        m_umgebung.emplace(adresse(), alsRoot());
        for (const QString& name : warteschlangen) {
            if (!anlegen(name)) return;
        }
        if (!warteschlangen.isEmpty() && !befehl(QStringLiteral("lpadmin"), {"-d", warteschlangen.first()})) return;
        fehler.clear();
    }

    ~CupsTestserver()
    {
        if (m_laeuft) {
            m_prozess.terminate();
            if (!m_prozess.waitForFinished(10000)) {
                m_prozess.kill();
                m_prozess.waitForFinished(5000);
            }
        }
        if (alsRoot())
            for (const QString& pdf : pdfs()) QFile::remove(pdf);
    }
    CupsTestserver(const CupsTestserver&) = delete;
    CupsTestserver& operator=(const CupsTestserver&) = delete;

    // Empty while the server runs with its queues; else why not.
    QString fehler;
    quint16 port = 0;

    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(port); }

    // What the print dialog does when the operator picks queue `name`: the
    // queue with its own default paper.
    static void waehlen(QPrinter& drucker, const QString& name)
    {
        drucker.setOutputFileName(QString());
        drucker.setOutputFormat(QPrinter::NativeFormat);
        drucker.setPrinterName(name);
        const QPageSize papier = QPrinterInfo::printerInfo(name).defaultPageSize();
        if (papier.isValid()) drucker.setPageSize(papier);
    }

    // An administration command (lpadmin, cupsreject, cupsaccept, cupsdisable,
    // cupsenable, ...) against this server; false with *fehler set.
    bool befehl(const QString& name, const QStringList& argumente)
    {
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("CUPS_SERVER"), adresse());
        p.setProcessEnvironment(umgebung);
        p.start(programm(name), argumente);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            fehler = QStringLiteral("%1 %2: %3")
                         .arg(name, argumente.join(QLatin1Char(' ')), QString::fromLocal8Bit(p.readAllStandardError()));
            return false;
        }
        return true;
    }

    // A queue with the cups-pdf driver, enabled and accepting.
    bool anlegen(const QString& name)
    {
        const QString uri = alsRoot() ? QStringLiteral("cups-pdf:/") : QStringLiteral("ablage:") + ablage();
        return befehl(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", uri, "-P", QLatin1String(Treiber)});
    }

    // The PDF files this server's jobs have made so far, by job number.
    QStringList pdfs() const
    {
        static const QRegularExpression muster(QStringLiteral("-job_(\\d+)\\.pdf$"));
        std::map<qint64, QString> gefunden;
        const QDir ordner(alsRoot() ? anonymOrdner() : ablage());
        for (const QString& name : ordner.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            const QRegularExpressionMatch m = muster.match(name);
            const qint64 auftrag = m.hasMatch() ? m.captured(1).toLongLong() : -1;
            if (auftrag >= ersterAuftrag() && auftrag < ersterAuftrag() + Auftragsspanne)
                gefunden[auftrag] = ordner.filePath(name);
        }
        QStringList liste;
        for (const auto& [auftrag, pfad] : gefunden) liste << pfad;
        return liste;
    }

    // Waits until `anzahl` jobs are completed and their PDF files are there.
    bool pdfsAbwarten(int anzahl, int ms = 90000)
    {
        return ::warten([&] { return auftraege(CUPS_WHICHJOBS_COMPLETED) >= anzahl && pdfs().size() >= anzahl; }, ms);
    }

    // The jobs of queue `name` not yet printed (held by a stopped printer, say).
    int wartende(const QString& name) { return auftraege(CUPS_WHICHJOBS_ACTIVE, name); }

    // The jobs of every queue, or of one, in the state asked for; -1 when the server does not answer.
    int auftraege(int welche, const QString& name = {})
    {
        http_t* http =
            httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
        if (!http) return -1;
        cups_job_t* liste = nullptr;
        const int n = cupsGetJobs2(http, &liste, name.isEmpty() ? nullptr : name.toUtf8().constData(), 0, welche);
        cupsFreeJobs(n, liste);
        httpClose(http);
        return n;
    }

private:
    static constexpr qint64 Auftragsspanne = 1000;

    static bool alsRoot() { return ::geteuid() == 0; }

    // Administration programs live in /usr/sbin, which a normal user's PATH may lack.
    static QString programm(const QString& name)
    {
        QString pfad = QStandardPaths::findExecutable(name);
        if (pfad.isEmpty())
            pfad = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        return pfad;
    }

    // Where cups-pdf puts the files of users the system does not know.
    static QString anonymOrdner()
    {
        QFile f(QStringLiteral("/etc/cups/cups-pdf.conf"));
        if (f.open(QIODevice::ReadOnly)) {
            while (!f.atEnd()) {
                const QString zeile = QString::fromLocal8Bit(f.readLine()).trimmed();
                if (zeile.startsWith(QLatin1String("AnonDirName "))) return zeile.mid(12).trimmed();
            }
        }
        return QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    }

    qint64 ersterAuftrag() const { return qint64(port) * Auftragsspanne; }
    QString pfad(const QString& name) const { return m_ordner.filePath(name); }
    QString ablage() const { return pfad(QStringLiteral("ablage")); }

    static bool schreiben(const QString& datei, const QByteArray& inhalt)
    {
        QFile f(datei);
        return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
    }

    static quint16 freierPort()
    {
        QTcpServer s;
        return s.listen(QHostAddress::LocalHost, 0) ? s.serverPort() : 0;
    }

    bool starten()
    {
        port = freierPort();
        if (!port) {
            fehler = QStringLiteral("kein freier Port");
            return false;
        }
        const QString basis = m_ordner.path();
        // The filters run as the user lp when cupsd runs as root: they pass through this folder.
        QFile::setPermissions(basis, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
        QDir d(basis);
        for (const char* u : {"conf", "spool", "tmp", "cache", "state", "log", "ablage", "bin/backend"})
            d.mkpath(QLatin1String(u));
        QByteArray dateien = "ServerRoot " + pfad("conf").toUtf8() + "\nRequestRoot " + pfad("spool").toUtf8() +
                             "\nTempDir " + pfad("tmp").toUtf8() + "\nCacheDir " + pfad("cache").toUtf8() +
                             "\nStateDir " + pfad("state").toUtf8() + "\nAccessLog " + pfad("log/access_log").toUtf8() +
                             "\nErrorLog " + pfad("log/error_log").toUtf8() + "\nPageLog " +
                             pfad("log/page_log").toUtf8() + "\nDataDir /usr/share/cups\n";
        if (alsRoot()) {
            dateien += "ServerBin /usr/lib/cups\nSystemGroup root\n";
            if (const group* lp = ::getgrnam("lp")) {
                if (::chown(pfad("tmp").toLocal8Bit().constData(), 0, lp->gr_gid) != 0) {
                    fehler = QStringLiteral("chown tmp");
                    return false;
                }
            }
            QFile::setPermissions(pfad("tmp"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::WriteGroup | QFileDevice::ExeGroup);
        } else {
            if (!binOrdner()) return false;
            // cupsd runs as this user: its jobs too.
            dateien += "ServerBin " + pfad("bin").toUtf8() + "\n";
            if (const passwd* b = ::getpwuid(::geteuid())) dateien += QByteArray("User ") + b->pw_name + "\n";
            if (const group* g = ::getgrgid(::getegid()))
                dateien += QByteArray("Group ") + g->gr_name + "\nSystemGroup " + g->gr_name + "\n";
        }
        const QByteArray konfiguration = "Listen 127.0.0.1:" + QByteArray::number(port) +
                                         "\nBrowsing No\nDefaultAuthType None\nWebInterface No\nLogLevel info\n"
                                         "PreserveJobHistory Yes\n"
                                         "<Location />\n  Order allow,deny\n  Allow 127.0.0.1\n</Location>\n"
                                         "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                         "</Policy>\n";
        const QByteArray auftraege = "# Job cache\nNextJobId " + QByteArray::number(ersterAuftrag()) + "\n";
        if (!schreiben(pfad("conf/cupsd.conf"), konfiguration) || !schreiben(pfad("conf/cups-files.conf"), dateien) ||
            !schreiben(pfad("cache/job.cache"), auftraege)) {
            fehler = QStringLiteral("Konfiguration nicht geschrieben");
            return false;
        }
        m_prozess.setProcessChannelMode(QProcess::MergedChannels);
        m_prozess.setStandardOutputFile(pfad("log/cupsd.out"));
        m_prozess.start(programm(QStringLiteral("cupsd")),
                        {"-f", "-c", pfad("conf/cupsd.conf"), "-s", pfad("conf/cups-files.conf")});
        if (!m_prozess.waitForStarted(10000)) {
            fehler = QStringLiteral("cupsd startet nicht");
            return false;
        }
        const bool hoert = ::warten(
            [&] {
                if (m_prozess.state() != QProcess::Running) return true;
                QTcpSocket s;
                s.connectToHost(QHostAddress::LocalHost, port);
                return s.waitForConnected(500);
            },
            30000);
        if (!hoert || m_prozess.state() != QProcess::Running) {
            QFile log(pfad("log/error_log")), aus(pfad("log/cupsd.out"));
            log.open(QIODevice::ReadOnly);
            aus.open(QIODevice::ReadOnly);
            fehler = QStringLiteral("cupsd hört nicht auf %1: %2 %3")
                         .arg(adresse(), QString::fromLocal8Bit(aus.readAll()), QString::fromLocal8Bit(log.readAll()));
            m_prozess.kill();
            m_prozess.waitForFinished(5000);
            return false;
        }
        m_laeuft = true;
        return true;
    }

    // As a normal user: the system's programs, and the backend below in place of cups-pdf.
    bool binOrdner()
    {
        for (const char* u : {"cgi-bin", "daemon", "driver", "filter", "monitor", "notifier"}) {
            const QString quelle = QStringLiteral("/usr/lib/cups/") + QLatin1String(u);
            if (QFileInfo::exists(quelle) && !QFile::link(quelle, pfad(QStringLiteral("bin/") + QLatin1String(u)))) {
                fehler = QStringLiteral("Verweis auf %1").arg(quelle);
                return false;
            }
        }
        const QString backend = pfad(QStringLiteral("bin/backend/ablage"));
        if (!schreiben(backend, Ablage) ||
            !QFile::setPermissions(backend, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                QFileDevice::ReadOther | QFileDevice::ExeOther)) {
            fehler = QStringLiteral("Backend nicht geschrieben");
            return false;
        }
        return true;
    }

    // Each job's PostScript as "Druck-job_<id>.pdf" in the folder of the device URI "ablage:<folder>".
    static constexpr const char Ablage[] =
        "#!/bin/sh\n"
        "[ $# -eq 0 ] && { echo 'file ablage \"Unknown\" \"PDF-Ablage\"'; exit 0; }\n"
        "ordner=${DEVICE_URI#ablage:}\n"
        "eingabe=-\n"
        "[ $# -ge 6 ] && eingabe=\"$6\"\n"
        "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile=\"$ordner/.job_$1\" \"$eingabe\" || exit 1\n"
        "mv \"$ordner/.job_$1\" \"$ordner/Druck-job_$1.pdf\"\n";

    QTemporaryDir m_ordner;
    QProcess m_prozess;
    bool m_laeuft = false;
    std::optional<CupsUmgebung> m_umgebung;
};
