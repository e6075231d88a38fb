#include "report/netz/Netzmodul.h"

#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "match/flow/Zustand.h"
#include "report/netz/Livedateien.h"
#include "support/Dateigrenze.h"
#include "support/Mailende.h"
#include "support/KernAufnahmen.h"
#include "support/Ftpserver.h"
#include "support/Httpserver.h"
#include "support/Smtpsenke.h"
#include "support/Taktmessung.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <memory>

#include <sys/socket.h>

namespace {

using Ende = MailEnde;

Mailauftrag Auftrag(u16 port)
{
    Mailauftrag m;
    m.host = QStringLiteral("127.0.0.1");
    m.port = port;
    m.von = QStringLiteral("bericht@kegeln.test");
    m.vonName = QStringLiteral("Kegelzentrum Süd");
    m.an = QStringLiteral("verband@kegeln.test");
    m.betreff = QStringLiteral("Spielbericht Großbüttel gegen Ölbronn");
    m.text = {QStringLiteral("Grüße aus der Kegelhalle"), QString(), QStringLiteral("Äpfel ß €")};
    return m;
}

// A port that nothing listens on.
u16 GeschlossenerPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

}  // namespace

TEST(NetzmodulKopf, KodiertNurWasNichtAsciiIst)
{
    const struct {
        QString text;
        QByteArray kodiert;
    } faelle[] = {
        {QStringLiteral("Spielbericht 3"), "Spielbericht 3"},
        {QStringLiteral("Zeile\r\nzwei"), "Zeile  zwei"},
        {QStringLiteral("Müller"), "=?UTF-8?B?TcO8bGxlcg==?="},
        // 44 + 2 bytes: the umlaut does not fit into the first word any more.
        {QString(44, QLatin1Char('a')) + QStringLiteral("ü"),
         "=?UTF-8?B?YWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWE=?=\r\n =?UTF-8?B?w7w=?="},
    };
    for (const auto& f : faelle) EXPECT_EQ(KopfwertKodieren(f.text), f.kodiert) << f.text.toStdString();
}

TEST(NetzmodulKopf, AdressenUndKopfzeilen)
{
    EXPECT_EQ(MailEmpfaenger(QStringLiteral(" Verband <a@b.test>; c@d.test,,\r\n")),
              (QStringList{QStringLiteral("a@b.test"), QStringLiteral("c@d.test")}));
    EXPECT_TRUE(MailEmpfaenger(QStringLiteral(" ; ")).isEmpty());

    Mailauftrag m = Auftrag(0);
    m.betreff = QStringLiteral("Bericht");
    const QDateTime zeit(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::OffsetFromUTC, 3600);
    EXPECT_EQ(MailKopfzeilen(m, zeit, "1@kegeln.test"),
              (QList<QByteArray>{"From: =?UTF-8?B?S2VnZWx6ZW50cnVtIFPDvGQ=?= <bericht@kegeln.test>",
                                 "To: verband@kegeln.test", "Subject: Bericht", "Date: Tue, 05 Mar 2024 14:07:09 +0100",
                                 "Message-ID: <1@kegeln.test>"}));
    m.vonName = QStringLiteral("Halle, \"Nord\"");
    EXPECT_EQ(MailKopfzeilen(m, zeit, "1").first(), "From: \"Halle, \\\"Nord\\\"\" <bericht@kegeln.test>");
    EXPECT_EQ(MailPort(m), 25);
}

TEST(NetzmodulKopf, PruefungUndFehlertexte)
{
    Mailauftrag m = Auftrag(2525);
    EXPECT_EQ(MailauftragPruefen(m), QString());
    m.an = QStringLiteral(";");
    EXPECT_EQ(MailauftragPruefen(m), QStringLiteral("Kein Empfänger angegeben !"));
    m.von = QStringLiteral(" ");
    EXPECT_EQ(MailauftragPruefen(m), QStringLiteral("Keine Absenderadresse angegeben !"));
    m.host = QStringLiteral("  ");
    EXPECT_EQ(MailauftragPruefen(m), QStringLiteral("Kein Mailserver angegeben !"));

    // The other messages are met by the transfers below.
    m = Auftrag(2525);
    EXPECT_EQ(MailFehlerText(m, {CURLE_SEND_ERROR, QStringLiteral("550 5.1.1 unbekannt"), {}}),
              QStringLiteral("Der Mailserver hat die Nachricht abgelehnt: 550 5.1.1 unbekannt"));
    EXPECT_EQ(MailFehlerText(m, {CURLE_RECV_ERROR, {}, {}}),
              QStringLiteral("Die Verbindung zum Mailserver 127.0.0.1 wurde unterbrochen !"));
}

TEST(Netzmodul, SendetUmlauteUndAnhangOhneDieOberflaecheAufzuhalten)
{
    Senke senke({QStringLiteral("--verzoegerung"), QStringLiteral("0.3")});
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    QTemporaryDir ordner;
    QByteArray bytes;
    for (int i = 0; i < 700; ++i) bytes += char(i % 256);
    QFile datei(ordner.filePath(QStringLiteral("Spielbericht.bmp")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
    datei.close();

    QStringList status;
    Netzmodul modul([&](const QString& t) { status << t; });
    Mailauftrag m = Auftrag(senke.port);
    m.anhang = datei.fileName();
    m.kennung = QStringLiteral("verein");  // the sink offers no AUTH: sent without a login
    Ende ende;
    int takte = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++takte; });
    takt.start(10);

    modul.mailSenden(m, ende.fertig());
    EXPECT_EQ(ende.anzahl, 0);
    EXPECT_EQ(modul.laufendeMails(), 1);
    EXPECT_EQ(status, QStringList{MailWartenText});
    ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(ende.ok) << ende.fehler.toStdString();
    EXPECT_EQ(ende.anzahl, 1);
    EXPECT_EQ(modul.laufendeMails(), 0);
    EXPECT_GE(takte, 10);  // the reply alone took 300 ms
    EXPECT_EQ(status, (QStringList{MailWartenText, MailVersendetText}));

    const QJsonObject n = senke.nachricht(1);
    EXPECT_EQ(n[QStringLiteral("mail_from")].toString(), QStringLiteral("bericht@kegeln.test"));
    EXPECT_EQ(n[QStringLiteral("rcpt_tos")].toArray(), QJsonArray{QStringLiteral("verband@kegeln.test")});
    EXPECT_TRUE(n[QStringLiteral("login")].isNull());
    EXPECT_EQ(n[QStringLiteral("from_name")].toString(), QStringLiteral("Kegelzentrum Süd"));
    EXPECT_EQ(n[QStringLiteral("subject")].toString(), QStringLiteral("Spielbericht Großbüttel gegen Ölbronn"));
    EXPECT_EQ(n[QStringLiteral("text")].toString(), QStringLiteral("Grüße aus der Kegelhalle\n\nÄpfel ß €\n"));
    EXPECT_TRUE(n[QStringLiteral("message_id")].toString().endsWith(QStringLiteral("@kegeln.test>")));
    const QJsonArray anhaenge = n[QStringLiteral("anhaenge")].toArray();
    ASSERT_EQ(anhaenge.size(), 1);
    const QJsonObject a = anhaenge[0].toObject();
    EXPECT_EQ(a[QStringLiteral("name")].toString(), QStringLiteral("Spielbericht.bmp"));
    EXPECT_EQ(a[QStringLiteral("typ")].toString(), QStringLiteral("image/bmp"));
    EXPECT_EQ(QByteArray::fromBase64(a[QStringLiteral("daten")].toString().toLatin1()), bytes);
}

TEST(Netzmodul, MeldetSichNurAnWennDerServerEsAnbietet)
{
    Senke senke({QStringLiteral("--auth"), QStringLiteral("verein")});
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul modul([](const QString&) {});
    Mailauftrag m = Auftrag(senke.port);
    m.kennung = QStringLiteral("verein");
    Ende angenommen, abgelehnt;
    modul.mailSenden(m, angenommen.fertig());
    m.kennung = QStringLiteral("fremd");
    modul.mailSenden(m, abgelehnt.fertig());
    ASSERT_TRUE(warten([&] { return angenommen.anzahl + abgelehnt.anzahl == 2; }));
    EXPECT_TRUE(angenommen.ok) << angenommen.fehler.toStdString();
    EXPECT_EQ(senke.nachricht(1)[QStringLiteral("login")].toString(), QStringLiteral("verein"));
    EXPECT_FALSE(abgelehnt.ok);
    EXPECT_EQ(abgelehnt.fehler, QStringLiteral("Der Mailserver hat die Anmeldung als „fremd“ abgelehnt !"));
}

TEST(Netzmodul, FehlerKommenSpaeterAufDemUiThread)
{
    QStringList status;
    Netzmodul modul([&](const QString& t) { status << t; });
    const u16 port = GeschlossenerPort();
    Ende verweigert, ohneEmpfaenger, ohneAnhang;
    modul.mailSenden(Auftrag(port), verweigert.fertig());
    Mailauftrag m = Auftrag(port);
    m.an.clear();
    modul.mailSenden(m, ohneEmpfaenger.fertig());
    m = Auftrag(port);
    m.anhang = QStringLiteral("/nicht/da/fehlt.bmp");
    modul.mailSenden(m, ohneAnhang.fertig());
    EXPECT_EQ(ohneEmpfaenger.anzahl, 0);  // not inside the call
    ASSERT_TRUE(warten([&] { return modul.laufendeMails() == 0; }, 25000));
    EXPECT_EQ(verweigert.fehler, QStringLiteral("Keine Verbindung zum Mailserver 127.0.0.1 (Port %1) !").arg(port));
    EXPECT_EQ(ohneEmpfaenger.fehler, QStringLiteral("Kein Empfänger angegeben !"));
    EXPECT_EQ(ohneAnhang.fehler, QStringLiteral("Der Anhang „fehlt.bmp“ kann nicht gelesen werden !"));
    EXPECT_FALSE(verweigert.ok || ohneEmpfaenger.ok || ohneAnhang.ok);
    EXPECT_EQ(status.count(MailWartenText), 2);  // the recipient check fails before sending
    EXPECT_TRUE(status.contains(ohneEmpfaenger.fehler));
}

TEST(Netzmodul, SchweigenderServerUndProgrammende)
{
    QTcpServer stumm;
    ASSERT_TRUE(stumm.listen(QHostAddress::LocalHost));
    auto modul = std::make_unique<Netzmodul>([](const QString&) {});
    modul->setZeitlimits({20000, 300});
    Ende ende;
    modul->mailSenden(Auftrag(stumm.serverPort()), ende.fertig());
    ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }));
    EXPECT_EQ(ende.fehler, QStringLiteral("Keine Antwort vom Mailserver 127.0.0.1 (Zeitüberschreitung) !"));

    // The module goes while a transfer waits for the server.
    while (stumm.hasPendingConnections()) delete stumm.nextPendingConnection();
    modul->setZeitlimits({});
    Ende abgebrochen;
    modul->mailSenden(Auftrag(stumm.serverPort()), abgebrochen.fertig());
    ASSERT_TRUE(warten([&] { return stumm.hasPendingConnections() && Netzmodul::aktiveUebertragungen() == 1; }));
    modul.reset();
    EXPECT_EQ(Netzmodul::aktiveUebertragungen(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(abgebrochen.anzahl, 0);
}

// --- Web pages ---------------------------------------------------------------------------

namespace {

struct Seitenende {
    int anzahl = 0;
    bool ok = false;
    QByteArray seite;
    QString fehler;
    SeiteFertig fertig()
    {
        return [this](bool o, const QByteArray& s, const QString& f) {
            ++anzahl;
            ok = o;
            seite = s;
            fehler = f;
        };
    }
};

// Answers every request with `antwort`; with none it accepts and stays silent.
// `gruss` goes out on connecting (a server of another protocol); with
// `tropfenMs` the answer's body follows a byte at a time; `zuruecksetzen`
// resets the connection right after the answer.
class Antwortserver {
public:
    explicit Antwortserver(QByteArray antwort, QByteArray gruss = {}, int tropfenMs = 0, bool zuruecksetzen = false)
        : m_antwort(std::move(antwort))
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, gruss, tropfenMs, zuruecksetzen] {
            QTcpSocket* s = m_server.nextPendingConnection();
            ++m_verbindungen;
            s->write(gruss);
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, tropfenMs, zuruecksetzen] {
                m_anfrage += s->readAll();
                if (m_antwort.isEmpty() || !m_anfrage.contains("\r\n\r\n")) return;
                if (zuruecksetzen) {
                    s->write(m_antwort);
                    s->flush();
                    const linger sofort{1, 0};
                    ::setsockopt(int(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &sofort, sizeof sofort);
                    s->abort();
                    return;
                }
                const qsizetype kopf = tropfenMs ? m_antwort.indexOf("\r\n\r\n") + 4 : m_antwort.size();
                s->write(m_antwort.left(kopf));
                for (qsizetype i = kopf; i <= m_antwort.size(); ++i)
                    QTimer::singleShot(int(i - kopf) * tropfenMs, s, [this, s, i] {
                        i < m_antwort.size() ? void(s->write(m_antwort.mid(i, 1))) : s->disconnectFromHost();
                    });
            });
        });
    }
    u16 port() const { return m_server.serverPort(); }
    int verbindungen() const { return m_verbindungen; }

private:
    QTcpServer m_server;
    int m_verbindungen = 0;
    QByteArray m_antwort;
    QByteArray m_anfrage;
};

}  // namespace

// Fetches at once, each ending on the UI thread with its page or a message
// naming the server and the reason; a silent server ends by the time limit
// while the UI thread runs on.
TEST(NetzmodulSeiten, SeiteOderGrund)
{
    HttpTestserver web;
    ASSERT_NE(web.port, 0) << "python3 -m http.server did not start";
    const QString seitenpfad = QStringLiteral("/Updates/Lanorik/Update_Bravolin_Funk.html");
    ASSERT_TRUE(web.ablegen(seitenpfad, "#2.21.0063\r\n<html>"));
    ASSERT_TRUE(web.ablegen(QStringLiteral("/gross.html"), QByteArray(100000, 'x')));
    Antwortserver fehler500("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 6\r\nConnection: close\r\n\r\n"
                            "kaputt");
    Antwortserver stumm({});
    Antwortserver ssh({}, "SSH-2.0-OpenSSH_9.2\r\n"), ftp({}, "220 FTP-Server bereit\r\n");
    // A redirect followed to a server that answers with no HTTP.
    Antwortserver aufSsh(QStringLiteral("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:%1/x.html\r\n\r\n")
                             .arg(ssh.port())
                             .toLatin1());
    Antwortserver abgerissen("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nabc", {}, 0, true);
    Antwortserver s199("HTTP/1.1 199 Sonderbar\r\n\r\n"), s2000("HTTP/1.1 2000 OK\r\nContent-Length: 0\r\n\r\n");
    Antwortserver aufDatei("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\n\r\n");
    Antwortserver aufFtp("HTTP/1.1 301 Moved Permanently\r\nLocation: ftp://127.0.0.1/x.html\r\n\r\n");
    // libcurl follows any 3xx with a Location, whatever the spelling of its status.
    Antwortserver aufDatei300("HTTP/1.1  300 Multiple Choices\r\nLocation: file:///etc/passwd\r\n\r\n");
    Antwortserver aufFtp399("HTTP/1.1 399 Sonderbar\r\nLocation: ftp://127.0.0.1/x.html\r\n\r\n");
    // http to http to file: the last answer's target is named.
    Antwortserver kette(QStringLiteral("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:%1/x.html\r\n\r\n")
                            .arg(aufDatei.port())
                            .toLatin1());
    // curl follows the first of two Locations.
    Antwortserver zweiZiele("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nLocation: ftp://127.0.0.1/x\r\n\r\n");
    Antwortserver aufUnsinn("HTTP/1.1 302 Found\r\nLocation: http://user@/x\r\n\r\n");
    // More header lines than curl takes of one answer (300 KB).
    Antwortserver zeilen("HTTP/1.1 200 OK\r\n" + QByteArray("X-Zeile: 1\r\n").repeated(40000));
    Antwortserver weiter(QByteArray("HTTP/1.1 100 Continue\r\n\r\n").repeated(20000));
    // An https server the fetch trusts, and the plain web server it redirects to.
    QTemporaryDir zertifikatsordner;
    const QString zertifikat = FtpTestserver::zertifikat(zertifikatsordner.path());
    ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    HttpTestserver tls(zertifikat);
    ASSERT_NE(tls.port, 0) << "the https server did not start";
    ASSERT_TRUE(tls.ablegen(seitenpfad, "#2.21.0063"));
    struct Vertrauen {
        explicit Vertrauen(const QString& datei) { Netzmodul::setZertifikate(datei); }
        ~Vertrauen() { Netzmodul::setZertifikate({}); }
    } vertrauen(zertifikat);
    Antwortserver klar("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n#6.66.6666");
    const auto umleitung = [&](int status, const QString& ziel) {
        return tls.adresse() + QStringLiteral("/umleitung?status=%1&ziel=").arg(status) +
               QString::fromLatin1(QUrl::toPercentEncoding(ziel));
    };
    const QString klarSeite = QStringLiteral("http://127.0.0.1:%1/x.html").arg(klar.port());
    const QString tlsSagt =
        QStringLiteral("Der Server 127.0.0.1 (Port %1) leitet auf die unverschlüsselte Adresse „%2“ um !")
            .arg(tls.port)
            .arg(klarSeite);
    Antwortserver riesig("HTTP/1.1 200 OK\r\nX-Gross: " + QByteArray(10 << 20, 'a') + "\r\n\r\n");
    Antwortserver utf8("HTTP/1.1 404 Nicht gefunden – Übersicht\r\nContent-Length: 0\r\n\r\n");
    // Slower than the stall limit in all, yet never stalled.
    Antwortserver langsam("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n#2.21.0063", {}, 200);
    ASSERT_TRUE(web.ablegen(QStringLiteral("/bom.html"), "\xEF\xBB\xBF#2.21.0063"));
    const u16 zu = GeschlossenerPort();
    const auto an = [](u16 port, const char* pfad) { return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pfad); };
    const auto bei = [&](const Antwortserver& s) { return an(s.port(), "/x.html"); };
    const auto sagt = [](const Antwortserver& s, const char* was) {
        return QStringLiteral("Der Server 127.0.0.1 (Port %1) %2").arg(s.port()).arg(QString::fromUtf8(was));
    };
    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("seite.html")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write("#9.99.9999") == 10);
    datei.close();
    const QString lokal = QUrl::fromLocalFile(datei.fileName()).toString();

    struct Fall {
        QString adresse;
        bool ok;
        QByteArray seite;
        QString fehler;
    };
    const Fall faelle[] = {
        {web.adresse() + seitenpfad, true, "#2.21.0063\r\n<html>", {}},
        {an(web.port, "/gross.html"), true, QByteArray(SeiteHoechstens, 'x'), {}},
        {an(web.port, "/Updates/fehlt.html"), false, {},
         QStringLiteral("Der Server 127.0.0.1 (Port %1) meldet für /Updates/fehlt.html: 404 File not found").arg(web.port)},
        {an(fehler500.port(), "/x.html"), false, {},
         QStringLiteral("Der Server 127.0.0.1 (Port %1) meldet für /x.html: 500 Internal Server Error")
             .arg(fehler500.port())},
        {an(zu, "/x.html"), false, {}, QStringLiteral("Keine Verbindung zum Server 127.0.0.1 (Port %1) !").arg(zu)},
        {an(stumm.port(), "/x.html"), false, {},
         QStringLiteral("Keine Antwort vom Server 127.0.0.1 (Port %1) (Zeitüberschreitung) !").arg(stumm.port())},
        {QStringLiteral("http://127.0.0.1:abc/x.html"), false, {},
         QStringLiteral("„http://127.0.0.1:abc/x.html“ ist keine gültige Internetadresse !")},
        // Only the web: not a file of this machine.
        {lokal, false, {}, QStringLiteral("„%1“ ist keine gültige Internetadresse !").arg(lokal)},
        {bei(ssh), false, {}, sagt(ssh, "antwortet nicht mit HTTP !")},
        {bei(aufSsh), false, {}, sagt(aufSsh, "antwortet nicht mit HTTP !")},
        {bei(abgerissen), false, {},
         QStringLiteral("Die Verbindung zum Server 127.0.0.1 (Port %1) wurde unterbrochen !").arg(abgerissen.port())},
        {bei(ftp), false, {}, sagt(ftp, "antwortet nicht mit HTTP !")},
        {bei(s2000), false, {}, sagt(s2000, "antwortet nicht mit HTTP !")},
        {bei(s199), false, {}, sagt(s199, "antwortet mit dem Status 199 !")},
        {bei(aufDatei), false, {}, sagt(aufDatei, "leitet auf „file:///etc/passwd“ um !")},
        {bei(aufFtp), false, {}, sagt(aufFtp, "leitet auf „ftp://127.0.0.1/x.html“ um !")},
        {bei(aufDatei300), false, {}, sagt(aufDatei300, "leitet auf „file:///etc/passwd“ um !")},
        {bei(aufFtp399), false, {}, sagt(aufFtp399, "leitet auf „ftp://127.0.0.1/x.html“ um !")},
        {bei(kette), false, {}, sagt(kette, "leitet auf „file:///etc/passwd“ um !")},
        {bei(zweiZiele), false, {}, sagt(zweiZiele, "leitet auf „file:///etc/passwd“ um !")},
        {bei(aufUnsinn), false, {}, sagt(aufUnsinn, "leitet auf „http://user@/x“ um !")},
        {bei(zeilen), false, {}, sagt(zeilen, "sendet Kopfzeilen ohne Ende !")},
        {bei(weiter), false, {}, sagt(weiter, "sendet endlos Zwischenantworten (Status 100) !")},
        {umleitung(302, klarSeite), false, {}, tlsSagt},
        {umleitung(300, klarSeite), false, {}, tlsSagt},
        {umleitung(307, tls.adresse() + seitenpfad), true, "#2.21.0063", {}},
        {bei(riesig), false, {}, sagt(riesig, "antwortet mit einer zu langen Kopfzeile !")},
        {bei(utf8), false, {}, sagt(utf8, "meldet für /x.html: 404 Nicht gefunden – Übersicht")},
        {an(web.port, "/bom.html"), true, "#2.21.0063", {}},
        {bei(langsam), true, "#2.21.0063", {}},
    };
    Netzmodul modul([](const QString&) {});
    modul.setSeitenzeitlimits({5000, 1000, 5000});
    int takte = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++takte; });
    takt.start(10);
    QElapsedTimer uhr;
    uhr.start();
    std::vector<Seitenende> enden(std::size(faelle));
    for (size_t i = 0; i < std::size(faelle); ++i) modul.seiteHolen(faelle[i].adresse, enden[i].fertig());
    EXPECT_EQ(modul.laufendeAbrufe(), int(std::size(faelle)));
    EXPECT_EQ(enden[6].anzahl, 0);  // not inside the call, not even for a bad address
    ASSERT_TRUE(warten([&] { return modul.laufendeAbrufe() == 0; }));
    EXPECT_GE(uhr.elapsed(), 900);   // the silent server's stall limit
    EXPECT_GE(takte, 30);            // the UI thread ran meanwhile
    for (size_t i = 0; i < std::size(faelle); ++i) {
        SCOPED_TRACE(faelle[i].adresse.toStdString());
        EXPECT_EQ(enden[i].anzahl, 1);
        EXPECT_EQ(enden[i].ok, faelle[i].ok);
        EXPECT_EQ(enden[i].seite.size(), faelle[i].seite.size());
        EXPECT_EQ(enden[i].seite, faelle[i].seite);
        EXPECT_EQ(enden[i].fehler, faelle[i].fehler);
    }
    EXPECT_EQ(klar.verbindungen(), 0);
}

// The program ends while a server keeps silent: the fetch is aborted at
// once and reports nothing any more.
TEST(NetzmodulSeiten, ProgrammendeWaehrendDesAbrufs)
{
    Antwortserver stumm({});
    auto modul = std::make_unique<Netzmodul>([](const QString&) {});
    Seitenende ende;
    modul->seiteHolen(QStringLiteral("http://127.0.0.1:%1/x.html").arg(stumm.port()), ende.fertig());
    ASSERT_TRUE(warten([&] { return Netzmodul::aktiveUebertragungen() == 1; }));
    QElapsedTimer uhr;
    uhr.start();
    modul.reset();
    EXPECT_EQ(Netzmodul::aktiveUebertragungen(), 0);
    EXPECT_LT(uhr.elapsed(), 3000);
    QCoreApplication::processEvents();
    EXPECT_EQ(ende.anzahl, 0);
}

// --- FTP ---------------------------------------------------------------------------------

TEST(NetzmodulFtpTexte, ErfolgJeVorgang)
{
    EXPECT_EQ(FtpErfolgText(0), QStringLiteral("ChangeDir erfogreich ausgeführt"));
    EXPECT_EQ(FtpErfolgText(14), QStringLiteral("DoCommand erfogreich ausgeführt"));
    EXPECT_EQ(FtpErfolgText(15), QString());
    EXPECT_EQ(FtpErfolgText(FtpErfolgsart(Ftpsitzung::Vorgang::Verbinden)), QString());
}

namespace {

class NetzmodulFtp : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(server.port, 0) << "the FTP server did not start (python3-pyftpdlib)";
        ZustandZuruecksetzen();
        Programmverzeichnis = programm.path();
        Datenverzeichnis = daten.path();
        for (const char* wav : {"Connect.wav", "Error.wav", "Complete.wav"})
            QFile(programm.filePath(wav)).open(QIODevice::WriteOnly);
        Einst.SoundAktiv = true;
        Einst.FtpPort = server.port;
        FtpStatusZiel([this](const QString& t) { status << t; });
    }
    void TearDown() override
    {
        FtpStatusZiel({});
        Programmverzeichnis = m_programm;
        Datenverzeichnis = m_daten;
        ZustandZuruecksetzen();
    }

    TWettkampfDaten& Spiel(int slot, const QString& pfad, u8 java, i32 intervall)
    {
        if (!pfad.isEmpty()) QDir(server.wurzel()).mkpath(pfad);
        WettkampfBelegt[slot] = 1;
        TWettkampfDaten& w = Wettkaempfe[slot];
        w.Heimmannschaft.setzenText(QStringLiteral("Süd %1").arg(slot));
        w.FtpHost = QStringLiteral("127.0.0.1");
        w.FtpKennung = QString::fromLatin1(FtpTestserver::Kennung);
        w.FtpZugang = PasswortKodieren(QString::fromLatin1(FtpTestserver::Passwort));
        w.FtpPfad = pfad;
        w.Gestartet = w.FtpUpdate = w.FtpUpdateZeit = 1;
        w.JavaUpdate = java;
        w.FtpUpdateInterv = intervall;
        return w;
    }
    bool fertig()
    {
        return FtpTestserver::warten(
            [&] { return modul.laufendeFtpAuftraege() == 0 && modul.laufendeDatenordnerDateien() == 0; });
    }
    QByteArray imDatenordner(const char* datei) const
    {
        QFile f(daten.filePath(QLatin1String(datei)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
    }
    QByteArray gespeichert(const QString& datei) const
    {
        QFile f(server.datei(datei));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
    }
    QStringList befehle(const QStringList& arten) const
    {
        QStringList z;
        for (const QString& zeile : server.zeilen())
            if (arten.contains(zeile.section(QLatin1Char(' '), 0, 0))) z << zeile;
        return z;
    }

    FtpTestserver server;
    QTemporaryDir programm, daten;
    SoundAufnahme sound;
    QStringList status, bericht;
    Netzmodul modul{[this](const QString& t) { bericht << t; }};

private:
    QString m_programm = Programmverzeichnis, m_daten = Datenverzeichnis;
    SoundAusgabeEinsetzen m_sound{&sound};
};

}  // namespace

TEST_F(NetzmodulFtp, CsvUndSkriptImOrdnerDesSpiels)
{
    TWettkampfDaten& w = Spiel(1, QStringLiteral("a/b"), 0, 0);
    modul.internetUpdate(w);
    EXPECT_EQ(HinweisStatusleisteAus, 1);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(HinweisStatusleisteAus, 0);
    QByteArray csv = "Name;Volle;Abr;Fehler;Total;Punkte\r\nS\xFC" "d 1;;;;;0.0\r\n;;;;;0.0\r\n";
    for (int n = 1; n <= 16; ++n) csv += ";;;;;0.0\r\n";
    EXPECT_EQ(gespeichert(QStringLiteral("a/b/Update.csv")), csv);
    EXPECT_EQ(imDatenordner("Update.csv"), csv);
    EXPECT_EQ(befehle({"USER", "CWD", "TYPE", "STOR", "QUIT"}),
              (QStringList{"USER kegler", "CWD a", "CWD b", "TYPE I", "STOR Update.csv", "QUIT"}));
    EXPECT_EQ(status, (QStringList{FtpVerbundenText, QStringLiteral("Upload erfogreich ausgeführt"), QString()}));
    EXPECT_EQ(bericht, QStringList{FtpImInternetText});
    EXPECT_EQ(sound.gespielt, (QStringList{"Connect.wav", "Complete.wav"}));

    AktJavaUpdate = 1;
    AktUpdateIntervall = 7;
    modul.internetUpdate(w);
    ASSERT_TRUE(fertig());
    const QByteArray js = gespeichert(QStringLiteral("a/b/Update.js"));
    EXPECT_EQ(js, Cp1252::encode(UpdateJsZeilen(w, 7).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    EXPECT_EQ(js.count("\r\n"), 131);
    EXPECT_TRUE(js.startsWith("<!--\r\nvar delay = 7\r\nfunction UpdateNow() {\r\n"
                              "this.HeimName.innerText = \"S\xFC" "d 1\";\r\n"));
    EXPECT_EQ(imDatenordner("Update.js"), js);
    EXPECT_EQ(imDatenordner("Update.csv"), csv);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList());
}

// A live file that cannot be written into the data folder is told once per
// file while it keeps failing, and goes up all the same; once written again,
// the next failure is told again. The old file is named only where there is
// one. Without a data folder nothing is written and nothing said.
TEST_F(NetzmodulFtp, LiveDateiImDatenordnerNichtGeschrieben)
{
    TWettkampfDaten& w = Spiel(1, QStringLiteral("live"), 0, 0);
    const auto senden = [&](u8 java) {
        AktJavaUpdate = java;
        modul.internetUpdate(w);
        return fertig();
    };
    const QString csv = QDir::toNativeSeparators(daten.filePath(QStringLiteral("Update.csv")));
    ASSERT_TRUE(QDir(daten.path()).mkdir(QStringLiteral("Update.csv")));
    for (const u8 java : {0, 0, 1, 0}) ASSERT_TRUE(senden(java));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("„%1“ konnte nicht gespeichert werden (an ihrer "
                                                                "Stelle steht ein Ordner).").arg(csv)});
    EXPECT_EQ(befehle({"STOR"}),
              (QStringList{"STOR Update.csv", "STOR Update.csv", "STOR Update.js", "STOR Update.csv"}));
    EXPECT_TRUE(gespeichert(QStringLiteral("live/Update.csv")).startsWith("Name;Volle;Abr;Fehler;Total;Punkte\r\n"));

    ASSERT_TRUE(QDir(daten.path()).rmdir(QStringLiteral("Update.csv")));
    ASSERT_TRUE(senden(0));
    EXPECT_EQ(imDatenordner("Update.csv"), gespeichert(QStringLiteral("live/Update.csv")));
    {
        Dateigrenze voll(100);  // shorter than the file
        ASSERT_TRUE(voll.gesetzt() && senden(0));
    }
    EXPECT_EQ(skriptBoxen().gezeigt.value(1), QStringLiteral("„%1“ konnte nicht gespeichert werden (kein Speicherplatz"
                                                             " mehr frei). Die bisherige Datei bleibt unverändert.")
                                                  .arg(csv));

    static std::atomic<int> meldungen{0};
    const QtMessageHandler alt =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++meldungen; });
    Datenverzeichnis.clear();
    ASSERT_TRUE(senden(0));
    qInstallMessageHandler(alt);
    EXPECT_EQ(meldungen, 0);
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
}

TEST_F(NetzmodulFtp, TimerSendetJedesLaufendeSpielMitSeinerWahl)
{
    modul.uploadTimer(true, 60000);
    EXPECT_TRUE(modul.TimerFtp().laeuft());
    Spiel(2, QStringLiteral("a"), 1, 3);
    Spiel(3, QStringLiteral("x"), 1, 3).FtpUpdateZeit = 0;
    Spiel(4, QStringLiteral("b"), 0, 9);
    Spiel(5, QStringLiteral("c"), 0, 9);
    Spiel(6, QStringLiteral("x"), 0, 9).Beendet = 1;
    modul.TimerFtp().tick();
    EXPECT_TRUE(modul.TimerFtp().laeuft());
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 3);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(befehle({"CWD", "STOR"}), (QStringList{"CWD a", "STOR Update.js", "CWD b", "STOR Update.csv", "CWD c",
                                                     "STOR Update.csv"}));
    EXPECT_TRUE(gespeichert(QStringLiteral("a/Update.js")).contains("\r\nvar delay = 3\r\n"));
    EXPECT_TRUE(gespeichert(QStringLiteral("b/Update.csv")).contains("\r\nS\xFC" "d 4;"));
    EXPECT_TRUE(gespeichert(QStringLiteral("c/Update.csv")).contains("\r\nS\xFC" "d 5;"));

    for (int s = 1; s <= MaxWettkaempfe; ++s) Wettkaempfe[s].Gestartet = 0;
    modul.TimerFtp().tick();
    EXPECT_FALSE(modul.TimerFtp().enabled());
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 0);
}

TEST_F(NetzmodulFtp, BeschaeftigtNachJedemAusgangWiederFrei)
{
    TWettkampfDaten& w = Spiel(1, QString(), 0, 0);
    FtpTestserver abweisend({QStringLiteral("--ablehnen")});
    const u16 geschlossen = GeschlossenerPort();
    const struct {
        quint16 port;
        QString text;
    } faelle[] = {{abweisend.port, FtpAnmeldungFalschText},
                  {geschlossen, QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(geschlossen)}};
    for (const auto& f : faelle) {
        Einst.FtpPort = f.port;
        status.clear();
        sound.gespielt.clear();
        modul.internetUpdate(w);
        EXPECT_EQ(HinweisStatusleisteAus, 1);
        ASSERT_TRUE(fertig());
        EXPECT_EQ(HinweisStatusleisteAus, 0);
        EXPECT_EQ(status, QStringList{f.text});
        EXPECT_EQ(sound.gespielt, QStringList{"Error.wav"});
    }

    // No password: nothing at all. A report project: only the reason.
    status.clear();
    w.FtpZugang.clear();
    modul.internetUpdate(w);
    EXPECT_TRUE(status.isEmpty());
    w.FtpZugang = PasswortKodieren(QStringLiteral("geheim"));
    Einst.FormularNummer = 20;
    modul.internetUpdate(w);
    EXPECT_EQ(modul.laufendeFtpAuftraege() + HinweisStatusleisteAus, 0);
    EXPECT_EQ(status.value(0), QStringLiteral("Kein Live-Ergebnis gesendet: die Formulardatei von Formular 20 fehlt !"));
}

// A server that refuses the connection in its greeting ("530" before any
// login) is told as the server tried, not as a wrong user or password.
TEST_F(NetzmodulFtp, EinGrussMit530IstKeinFalschesPasswort)
{
    QTcpServer abweisend;
    ASSERT_TRUE(abweisend.listen(QHostAddress::LocalHost));
    QObject::connect(&abweisend, &QTcpServer::newConnection,
                     [&] { abweisend.nextPendingConnection()->write("530 Zugang gesperrt\r\n"); });
    Einst.FtpPort = abweisend.serverPort();
    modul.internetUpdate(Spiel(1, QString(), 0, 0));
    ASSERT_TRUE(fertig());
    EXPECT_EQ(status, QStringList{QStringLiteral("Falscher Server ! „127.0.0.1“ (Port %1)").arg(abweisend.serverPort())});
}

// A report project goes up as its HTML export, filled with the match the
// upload is for (here not the current one), the values escaped.
TEST_F(NetzmodulFtp, BerichtsprojektAlsHtml)
{
    TWettkampfDaten& aktuell = Spiel(1, QString(), 0, 0);
    AktWettkampf = &aktuell;
    TWettkampfDaten& w = Spiel(2, QStringLiteral("live"), 1, 5);
    w.Gastmannschaft.setzenText(QStringLiteral("Gäste <& Co>"));
    QFile projekt(daten.filePath(QStringLiteral("Bericht.crd")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
    projekt.write(R"({"format": "corvalink-berichtsprojekt", "version": 1, "typ": "karte",
        "seite": {"format": "A4", "ausrichtung": "quer"},
        "objekte": [{"art": "text", "rechteck_mm": [10, 10, 200, 10],
                     "text": "{Heimmannschaft.Name} gegen {Gastmannschaft.Name}"}]})");
    projekt.close();
    FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Bericht.crd");
    Einst.FormularNummer = 20;
    modul.internetUpdate(w);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(befehle({"CWD", "TYPE", "STOR"}), (QStringList{"CWD live", "TYPE I", "STOR Update.htm"}));
    const QString html = QString::fromUtf8(gespeichert(QStringLiteral("live/Update.htm")));
    EXPECT_TRUE(html.contains(QStringLiteral("Süd 2 gegen Gäste &lt;&amp; Co&gt;"))) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("Süd 1")));
}

TEST_F(NetzmodulFtp, SiteMitFehlenderDateiUndLeeremSkript)
{
    for (const char* name : {"index.inf", "Hinweis.js", "site.css", "style.css"}) {
        QFile f(daten.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("/* ") + name + " */\n");
    }
    QDir(server.wurzel()).mkpath(QStringLiteral("web"));
    const FtpVerbindung v{QStringLiteral("127.0.0.1"), server.port, QStringLiteral("kegler"), QStringLiteral("geheim"),
                          QStringLiteral("web")};
    Ende ende;
    modul.siteErzeugen(v, ende.fertig());
    ASSERT_TRUE(fertig());
    EXPECT_EQ(ende.anzahl, 1);
    EXPECT_FALSE(ende.ok);
    EXPECT_EQ(ende.fehler, QStringLiteral("„Banner.png“ fehlt im Datenordner !"));
    EXPECT_EQ(status.last(), ende.fehler);
    EXPECT_EQ(HinweisStatusleisteAus, 0);
    EXPECT_EQ(befehle({"STOR"}), (QStringList{"STOR index.html", "STOR Hinweis.js", "STOR site.css", "STOR style.css",
                                              "STOR Update.js"}));
    EXPECT_EQ(gespeichert(QStringLiteral("web/index.html")), "/* index.inf */\n");
    const QByteArray js = gespeichert(QStringLiteral("web/Update.js"));
    EXPECT_EQ(js.count("\r\n"), 122);
    EXPECT_TRUE(js.endsWith("\r\nthis.FormUpdate.NameUpdate.value = \"\";\r\n}\r\n//-->\r\n"));

    Ende ohne;
    modul.siteErzeugen({QStringLiteral("127.0.0.1"), server.port, QStringLiteral("kegler"), {}, {}}, ohne.fertig());
    EXPECT_EQ(ohne.anzahl, 1);
    EXPECT_EQ(ohne.fehler, FtpDatenFehlenText);
}

TEST_F(NetzmodulFtp, LangsamerServerHaeltDieTakteNichtAuf)
{
    FtpTestserver langsam({QStringLiteral("--verzoegerung"), QStringLiteral("0.2")});
    ASSERT_NE(langsam.port, 0);
    Einst.FtpPort = langsam.port;
    QElapsedTimer gesamt;
    Taktmessung messung(50);
    ASSERT_TRUE(messung.moeglich());
    Zeitgeber takt([&] { messung.takt(); }, 50);
    gesamt.start();
    takt.setEnabled(true);
    messung.takt();
    modul.internetUpdate(Spiel(1, QString(), 0, 0));
    ASSERT_TRUE(fertig());
    takt.setEnabled(false);
    EXPECT_GT(gesamt.elapsed(), 1000);  // every command waited 200 ms
    EXPECT_GE(messung.takte(), 5);
    // Within one tick of its time, the machine's load aside.
    EXPECT_LT(messung.groessteVerspaetungMs(), 50);
    EXPECT_EQ(status.value(1), QStringLiteral("Upload erfogreich ausgeführt"));
}

// The folder as the operator typed it: a leading "/" or "\\" starts at the
// server's root, anything else at the login folder; empty parts are skipped.
TEST_F(NetzmodulFtp, OrdnerVomWurzelOderAnmeldeordner)
{
    FtpTestserver heim({QStringLiteral("--heimordner"), QStringLiteral("heim")});
    ASSERT_NE(heim.port, 0);
    Einst.FtpPort = heim.port;
    const struct {
        QString pfad;
        QString ziel;  // below the server's root
    } faelle[] = {{"/live", "live"}, {"\\wurzel", "wurzel"}, {"live/", "heim/live"}, {"a//b", "heim/a/b"}};
    TWettkampfDaten& w = Spiel(1, QString(), 0, 0);
    for (const auto& f : faelle) {
        ASSERT_TRUE(QDir(heim.wurzel()).mkpath(f.ziel));
        w.FtpPfad = f.pfad;
        status.clear();
        modul.internetUpdate(w);
        ASSERT_TRUE(fertig());
        EXPECT_TRUE(QFile::exists(heim.datei(f.ziel + QStringLiteral("/Update.csv")))) << f.pfad.toStdString();
        EXPECT_EQ(status.value(1), QStringLiteral("Upload erfogreich ausgeführt")) << status.join('|').toStdString();
    }
    EXPECT_FALSE(heim.zeilen().contains(QStringLiteral("CWD ")));
}

// A folder that is not there yet is made on the way, by the live upload
// and by the site creation alike.
TEST_F(NetzmodulFtp, FehlendeOrdnerWerdenAngelegt)
{
    TWettkampfDaten& w = Spiel(1, QString(), 0, 0);
    w.FtpPfad = QStringLiteral("neu/live");
    modul.internetUpdate(w);
    ASSERT_TRUE(fertig());
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("neu/live/Update.csv"))));
    EXPECT_EQ(befehle({"CWD", "MKD", "STOR"}),
              (QStringList{"CWD neu", "CWD /", "MKD neu", "CWD neu", "MKD live", "CWD live", "STOR Update.csv"}));
    EXPECT_EQ(status.last(), QString());

    // Once they are there, nothing is made any more.
    modul.internetUpdate(w);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(befehle({"MKD"}).size(), 2);

    QFile(daten.filePath(QStringLiteral("index.inf"))).open(QIODevice::WriteOnly);
    Ende ende;
    modul.siteErzeugen({QStringLiteral("127.0.0.1"), server.port, QStringLiteral("kegler"), QStringLiteral("geheim"),
                        QStringLiteral("/site/2024")},
                       ende.fertig());
    ASSERT_TRUE(fertig());
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("site/2024/index.html"))));
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("site/2024/Update.js"))));
}

// Against a slow server only the newest snapshot of each target waits; the
// replaced ones are counted and shown, and the server gets the present.
// A live snapshot and the site's blank script go up from memory: nothing is
// written (and synced to disk) on the UI thread, whose ticks a disk busy with
// other work would hold up.
TEST_F(NetzmodulFtp, LiveStaendeGehenAusDemSpeicher)
{
    QTemporaryDir tmp;
    const QByteArray vorher = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    TWettkampfDaten& w = Spiel(1, QStringLiteral("live"), 0, 0);
    modul.internetUpdate(w);
    modul.siteErzeugen({QStringLiteral("127.0.0.1"), server.port, QString::fromLatin1(FtpTestserver::Kennung),
                        QString::fromLatin1(FtpTestserver::Passwort), QStringLiteral("site")},
                       {});
    const QStringList geschrieben = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    qputenv("TMPDIR", vorher);
    EXPECT_TRUE(geschrieben.isEmpty()) << geschrieben.join(u',').toStdString();
    ASSERT_TRUE(fertig());
    EXPECT_TRUE(gespeichert(QStringLiteral("live/Update.csv")).startsWith("Name;Volle;Abr;Fehler;Total;Punkte\r\n"));
    EXPECT_TRUE(gespeichert(QStringLiteral("site/Update.js")).startsWith("<!--"))
        << bericht.join(u'|').toStdString() << "\n" << server.zeilen().join(u'|').toStdString();
}

TEST_F(NetzmodulFtp, NurDerNeuesteStandWartet)
{
    FtpTestserver langsam({QStringLiteral("--verzoegerung"), QStringLiteral("0.1")});
    ASSERT_NE(langsam.port, 0);
    Einst.FtpPort = langsam.port;
    for (const char* ordner : {"a", "b"}) QDir(langsam.wurzel()).mkpath(ordner);
    TWettkampfDaten& eins = Spiel(1, QString(), 0, 0);
    TWettkampfDaten& zwei = Spiel(2, QString(), 0, 0);
    eins.FtpPfad = QStringLiteral("a");
    zwei.FtpPfad = QStringLiteral("b");
    for (int stand = 1; stand <= 5; ++stand) {
        eins.Heimmannschaft.setzenText(QStringLiteral("Stand %1").arg(stand));
        modul.internetUpdate(eins);
        zwei.Heimmannschaft.setzenText(QStringLiteral("Zwei %1").arg(stand));
        modul.internetUpdate(zwei);
    }
    // The first is on its way; one each waits.
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 3);
    EXPECT_EQ(modul.uebersprungeneLiveStaende(), 7);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(langsam.zeilen().filter(QStringLiteral("STOR")).size(), 3);
    for (const auto& [datei, text] : {std::pair{"a/Update.csv", "Stand 5;"}, std::pair{"b/Update.csv", "Zwei 5;"}}) {
        QFile f(langsam.datei(QString::fromLatin1(datei)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().contains(text)) << datei;
    }
    // The data folder holds the last snapshot made, whatever its workers' order.
    EXPECT_TRUE(imDatenordner("Update.csv").contains("\r\nZwei 5;"));
    EXPECT_EQ(status.last(), QStringLiteral("7 veraltete Live-Stände nicht gesendet"));
    EXPECT_EQ(FtpUebersprungenText(1), QStringLiteral("1 veralteter Live-Stand nicht gesendet"));
    EXPECT_EQ(FtpUebersprungenText(0), QString());
}

// "Update senden" ends with a line of its own: sent, also when a timed
// snapshot of the same target took its place while it waited (that one is
// counted as not sent). Without server, user or password it says so at
// once and sends nothing.
TEST_F(NetzmodulFtp, UpdateSendenEndetMitSeinerZeile)
{
    FtpTestserver langsam({QStringLiteral("--verzoegerung"), QStringLiteral("0.1")});
    ASSERT_NE(langsam.port, 0);
    Einst.FtpPort = langsam.port;
    QDir(langsam.wurzel()).mkpath(QStringLiteral("live"));
    TWettkampfDaten& w = Spiel(1, QString(), 0, 0);
    w.FtpPfad = QStringLiteral("live");
    const QString kennung = QString::fromLatin1(FtpTestserver::Kennung);
    modul.internetUpdate(w);  // on its way
    modul.updateSenden(w, {QStringLiteral("127.0.0.1"), langsam.port, kennung,
                           QString::fromLatin1(FtpTestserver::Passwort), QStringLiteral("live")});
    w.Heimmannschaft.setzenText(QStringLiteral("Stand 3"));
    modul.internetUpdate(w);  // the timer's newer snapshot
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 2);
    EXPECT_EQ(modul.uebersprungeneLiveStaende(), 1);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(langsam.zeilen().filter(QStringLiteral("STOR")).size(), 2);
    QFile f(langsam.datei(QStringLiteral("live/Update.csv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\r\nStand 3;"));
    EXPECT_EQ(status.last(), QStringLiteral("Update gesendet !  1 veralteter Live-Stand nicht gesendet"));

    status.clear();
    modul.updateSenden(w, {QStringLiteral("127.0.0.1"), langsam.port, kennung, {}, QStringLiteral("live")});
    EXPECT_EQ(status, QStringList{FtpDatenFehlenText});
    EXPECT_EQ(modul.laufendeFtpAuftraege(), 0);
}
