// The report mail against the real SMTP sink (python3-aiosmtpd): the
// attachments' types, and servers with certificates of their own.
#include "report/netz/Netzmodul.h"

#include "core/Boxes.h"
#include "support/Mailende.h"
#include "support/Ftpserver.h"
#include "support/Smtpsenke.h"
#include "support/Zertifikatsablage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Ende = MailEnde;

Mailauftrag Auftrag(u16 port)
{
    Mailauftrag m;
    m.host = QStringLiteral("127.0.0.1");
    m.port = port;
    m.von = QStringLiteral("bericht@kegeln.test");
    m.an = QStringLiteral("verband@kegeln.test");
    m.betreff = QStringLiteral("Spielbericht");
    m.text = {QStringLiteral("Guten Tag")};
    return m;
}

}  // namespace

// The report's PDF and pictures go out as what they are; anything else as
// bytes. The received message is parsed by the sink.
TEST(Mailversand, AnhaengeMitIhremTyp)
{
    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    QTemporaryDir ordner;
    const struct {
        const char* name;
        QByteArray inhalt;
        const char* typ;
    } faelle[] = {
        {"Spielbericht.pdf", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", "application/pdf"},
        {"Spielbericht.bmp", QByteArray("BM") + QByteArray(60, '\0'), "image/bmp"},
        {"Spielbericht.jpg", QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(30, 'j'), "image/jpeg"},
        {"Foto.JPEG", QByteArray("\xff\xd8\xff\xe0", 4) + QByteArray(30, 'k'), "image/jpeg"},
        {"Protokoll.log", "Zeile 1\n", "application/octet-stream"},
    };
    Netzmodul modul([](const QString&) {});
    int n = 0;
    for (const auto& f : faelle) {
        QFile datei(ordner.filePath(QString::fromLatin1(f.name)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(f.inhalt) == f.inhalt.size());
        datei.close();
        Mailauftrag m = Auftrag(senke.port);
        m.anhang = datei.fileName();
        Ende ende;
        modul.mailSenden(m, ende.fertig());
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }));
        ASSERT_TRUE(ende.ok) << f.name << ": " << ende.fehler.toStdString();
        const QJsonArray anhaenge = senke.nachricht(++n)[QStringLiteral("anhaenge")].toArray();
        ASSERT_EQ(anhaenge.size(), 1) << f.name;
        const QJsonObject a = anhaenge[0].toObject();
        EXPECT_EQ(a[QStringLiteral("name")].toString(), QString::fromLatin1(f.name));
        EXPECT_EQ(a[QStringLiteral("typ")].toString(), QString::fromLatin1(f.typ)) << f.name;
        EXPECT_EQ(QByteArray::fromBase64(a[QStringLiteral("daten")].toString().toLatin1()), f.inhalt) << f.name;
    }
}

// A mail server with a certificate of its own (STARTTLS): refused with
// server, reason and fingerprint before the login or the sender are sent;
// trusted once, the mail goes again at once and from then on without a
// question; a changed certificate is refused again the same way.
TEST(Mailversand, EigenesZertifikatEinmalVertrauen)
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir(QStringLiteral("neu"));
    const QString eigenes = FtpTestserver::zertifikat(tmp.path());
    const QString anderes = FtpTestserver::zertifikat(tmp.filePath(QStringLiteral("neu")));
    ASSERT_FALSE(eigenes.isEmpty() || anderes.isEmpty()) << "openssl could not make a certificate";
    const QByteArray fingerabdruck = OpensslFingerabdruck(eigenes);
    ASSERT_EQ(fingerabdruck.size(), 95);
    const Zertifikatsablage ablage;
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    QStringList status;
    Netzmodul modul([&](const QString& t) { status << t; });

    auto senke = std::make_unique<Senke>(QStringList{"--tls", eigenes, "--auth", "verein"});
    ASSERT_NE(senke->port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    const quint16 port = senke->port;
    Mailauftrag m = Auftrag(port);
    m.kennung = QStringLiteral("verein");
    const auto senden = [&] {
        Ende ende;
        modul.mailSenden(m, ende.fertig());
        EXPECT_TRUE(warten([&] { return ende.anzahl > 0; }));
        return ende;
    };
    const QString abgelehnt =
        QStringLiteral("Das Zertifikat des Mailservers 127.0.0.1 (Port %1) ist nicht vertrauenswürdig (%2). SHA-256: %3");

    boxen.antworten = {ErgebnisNein};
    const Ende nein = senden();
    EXPECT_FALSE(nein.ok);
    EXPECT_EQ(nein.fehler.toStdString(),
              abgelehnt.arg(port)
                  .arg(QStringLiteral("selbst signiert"), QString::fromLatin1(fingerabdruck))
                  .toStdString());
    EXPECT_EQ(status.last(), nein.fehler);
    ASSERT_EQ(boxen.gezeigt.size(), 1);
    EXPECT_TRUE(boxen.gezeigt[0].startsWith(nein.fehler + QStringLiteral("\n\n")));
    EXPECT_EQ(senke->befehle(), (QStringList{"EHLO klar", "STARTTLS klar"}));
    EXPECT_TRUE(senke->nachricht(1).isEmpty());

    boxen.antworten = {ErgebnisJa};
    const Ende ja = senden();
    EXPECT_TRUE(ja.ok) << ja.fehler.toStdString();
    EXPECT_EQ(boxen.gezeigt.size(), 2);
    EXPECT_EQ(modul.laufendeMails(), 0);
    const QJsonObject n = senke->nachricht(1);
    EXPECT_TRUE(n[QStringLiteral("tls")].toBool());
    EXPECT_EQ(n[QStringLiteral("login")].toString(), QStringLiteral("verein"));
    EXPECT_EQ(Einst.Zertifikate, QStringLiteral("smtp://127.0.0.1:%1 ").arg(port) + QString::fromLatin1(fingerabdruck));
    EXPECT_TRUE(ablage.datei().contains("Zertifikate = smtp://127.0.0.1:"));

    const Ende wieder = senden();
    EXPECT_TRUE(wieder.ok) << wieder.fehler.toStdString();
    EXPECT_EQ(boxen.gezeigt.size(), 2);
    EXPECT_FALSE(senke->befehle().contains(QStringLiteral("AUTH klar")));
    EXPECT_FALSE(senke->befehle().contains(QStringLiteral("MAIL klar")));

    // Another certificate on the same server.
    senke.reset();
    senke = std::make_unique<Senke>(QStringList{"--tls", anderes, "--port", QString::number(port)});
    ASSERT_EQ(senke->port, port);
    boxen.antworten = {ErgebnisNein};
    const Ende geaendert = senden();
    EXPECT_FALSE(geaendert.ok);
    EXPECT_EQ(geaendert.fehler.toStdString(),
              abgelehnt.arg(port)
                  .arg(QStringLiteral("nicht das vertraute Zertifikat, selbst signiert"),
                       QString::fromLatin1(OpensslFingerabdruck(anderes)))
                  .toStdString());
    EXPECT_EQ(boxen.gezeigt.size(), 3);
    EXPECT_EQ(senke->befehle(), (QStringList{"EHLO klar", "STARTTLS klar"}));
}

// A server whose own certificate the operator trusts and that now answers
// without STARTTLS (the offer suppressed on the way) gets nothing in clear.
TEST(Mailversand, VertrauterServerOhneTlsBekommtNichts)
{
    QTemporaryDir tmp;
    const QString eigenes = FtpTestserver::zertifikat(tmp.path());
    ASSERT_FALSE(eigenes.isEmpty()) << "openssl could not make a certificate";
    const Zertifikatsablage ablage;
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    Netzmodul modul([](const QString&) {});
    auto senke = std::make_unique<Senke>(QStringList{"--tls", eigenes});
    ASSERT_NE(senke->port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    const quint16 port = senke->port;
    const Mailauftrag m = Auftrag(port);
    boxen.antworten = {ErgebnisJa};
    Ende vertraut;
    modul.mailSenden(m, vertraut.fertig());
    ASSERT_TRUE(warten([&] { return vertraut.anzahl > 0; }));
    ASSERT_TRUE(vertraut.ok) << vertraut.fehler.toStdString();

    senke.reset();
    senke = std::make_unique<Senke>(QStringList{"--port", QString::number(port)});
    ASSERT_EQ(senke->port, port);
    Ende ohne;
    modul.mailSenden(m, ohne.fertig());
    ASSERT_TRUE(warten([&] { return ohne.anzahl > 0; }));
    EXPECT_FALSE(ohne.ok);
    EXPECT_EQ(ohne.fehler.toStdString(),
              "Der Mailserver 127.0.0.1 bietet keine Verschlüsselung mehr an: ohne sie wird nichts gesendet !");
    EXPECT_EQ(senke->befehle(), QStringList{"EHLO klar"});
    EXPECT_TRUE(senke->nachricht(1).isEmpty());
    EXPECT_EQ(boxen.gezeigt.size(), 1);
}

// A server name that is no host is refused before any connection: with a
// path or more after the host, curl would go to port 25 of that host.
TEST(Mailversand, NurEinHostWirdVerbunden)
{
    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul modul([](const QString&) {});
    for (const char* host : {"127.0.0.1/x", "127.0.0.1#", "127.0.0.1?", "smtp://127.0.0.1/live", "127.0.0.1:2525",
                             "127.0.0.1 x", "[127.0.0.1", "127.0.0.1]", "[::1 ]", "[::1%]", "[::1\n]"}) {
        Mailauftrag m = Auftrag(senke.port);
        m.host = QString::fromLatin1(host);
        Ende ende;
        modul.mailSenden(m, ende.fertig());
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; })) << host;
        EXPECT_FALSE(ende.ok) << host;
        EXPECT_EQ(ende.fehler, QStringLiteral("Falscher Mailserver „%1“ !").arg(QString::fromLatin1(host)));
    }
    EXPECT_EQ(senke.befehle(), QStringList{});
    // The forms of a host still go.
    for (const char* host : {"127.0.0.1", " smtp://127.0.0.1/ ", "localhost", "[127.0.0.1]"}) {
        Mailauftrag m = Auftrag(senke.port);
        m.host = QString::fromLatin1(host);
        Ende ende;
        modul.mailSenden(m, ende.fertig());
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; })) << host;
        EXPECT_TRUE(ende.ok) << host << ": " << ende.fehler.toStdString();
    }
}

// A server that never answers QUIT, after it took the mail or refused it:
// the outcome and the text are its last reply, told long before the
// server's reply limit of a minute. A server that hangs up is no reply,
// also after the message text. The reply to QUIT of a server that answers
// it is no reason.
TEST(Mailversand, QuitOhneAntwortHaeltDenVersandNichtAuf)
{
    const struct {
        const char* antwort;
        const char* fehler;
        const char* befehle;
        bool quitStumm = true;
    } faelle[] = {
        {nullptr, nullptr, "EHLO klar|MAIL klar|RCPT klar|DATA klar|QUIT klar"},
        {"MAIL=550 5.1.8 Absender gesperrt", "Der Mailserver hat die Nachricht abgelehnt: 550 5.1.8 Absender gesperrt",
         "EHLO klar|MAIL klar|QUIT klar"},
        {"RCPT=550 5.1.1 Empfaenger unbekannt",
         "Der Mailserver hat die Nachricht abgelehnt: 550 5.1.1 Empfaenger unbekannt",
         "EHLO klar|MAIL klar|RCPT klar|QUIT klar"},
        {"DATA=250 2.0.0 schon da", "Der Mailserver hat unerwartet geantwortet: 250 2.0.0 schon da",
         "EHLO klar|MAIL klar|RCPT klar|DATA klar|QUIT klar"},
        {"DATA=", "Die Verbindung zum Mailserver 127.0.0.1 wurde unterbrochen !",
         "EHLO klar|MAIL klar|RCPT klar|DATA klar"},
        {"TEXT=", "Die Verbindung zum Mailserver 127.0.0.1 wurde unterbrochen !",
         "EHLO klar|MAIL klar|RCPT klar|DATA klar|TEXT klar"},
        {"MAIL=550 5.1.8 Absender gesperrt", "Der Mailserver hat die Nachricht abgelehnt: 550 5.1.8 Absender gesperrt",
         "EHLO klar|MAIL klar", false},
        {"TEXT=554 5.7.1 Spam", "Der Mailserver hat die Nachricht abgelehnt: 554 5.7.1 Spam",
         "EHLO klar|MAIL klar|RCPT klar|DATA klar|TEXT klar", false},
    };
    for (const auto& f : faelle) {
        QStringList optionen;
        if (f.quitStumm) optionen << QStringLiteral("--quit-stumm");
        if (f.antwort) optionen << QStringLiteral("--antwort") << QString::fromLatin1(f.antwort);
        Senke senke(optionen);
        ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
        QStringList status;
        Netzmodul modul([&](const QString& t) { status << t; });
        Ende ende;
        QElapsedTimer uhr;
        uhr.start();
        modul.mailSenden(Auftrag(senke.port), ende.fertig());
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }, 20000)) << f.befehle;
        // The QUIT limit is 3 s: well within this, on a loaded machine too.
        EXPECT_LT(uhr.elapsed(), 9000) << f.befehle;
        EXPECT_EQ(ende.ok, !f.fehler) << ende.fehler.toStdString();
        EXPECT_EQ(status.last().toStdString(), f.fehler ? f.fehler : MailVersendetText.toStdString());
        EXPECT_EQ(senke.nachricht(1).isEmpty(), bool(f.fehler));
        EXPECT_EQ(senke.befehle().join('|').toStdString(), f.befehle);
        EXPECT_EQ(modul.laufendeMails(), 0);
    }
}

// A certificate from a trusted authority counts only for the names it was
// made out to: the test's certificate names 127.0.0.1, not "localhost".
TEST(Mailversand, NameGehoertZurPruefung)
{
    QTemporaryDir tmp;
    const QString zertifikat = FtpTestserver::zertifikat(tmp.path());
    ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    struct Vertrauen {
        explicit Vertrauen(const QString& datei) { Netzmodul::setZertifikate(datei); }
        ~Vertrauen() { Netzmodul::setZertifikate({}); }
    } vertrauen(zertifikat);
    const Zertifikatsablage ablage;
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    Senke senke({"--tls", zertifikat});
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul modul([](const QString&) {});
    Mailauftrag m = Auftrag(senke.port);
    m.host = QStringLiteral("localhost");
    boxen.antworten = {ErgebnisNein};
    Ende falsch;
    modul.mailSenden(m, falsch.fertig());
    ASSERT_TRUE(warten([&] { return falsch.anzahl > 0; }));
    EXPECT_FALSE(falsch.ok);
    EXPECT_EQ(falsch.fehler.toStdString(),
              QStringLiteral("Das Zertifikat des Mailservers localhost (Port %1) ist nicht vertrauenswürdig (für einen "
                             "anderen Namen ausgestellt). SHA-256: %2")
                  .arg(senke.port)
                  .arg(QString::fromLatin1(OpensslFingerabdruck(zertifikat)))
                  .toStdString());
    EXPECT_EQ(senke.befehle(), (QStringList{"EHLO klar", "STARTTLS klar"}));

    Ende richtig;
    modul.mailSenden(Auftrag(senke.port), richtig.fertig());
    ASSERT_TRUE(warten([&] { return richtig.anzahl > 0; }));
    EXPECT_TRUE(richtig.ok) << richtig.fehler.toStdString();
    EXPECT_TRUE(senke.nachricht(1)[QStringLiteral("tls")].toBool());
    EXPECT_EQ(boxen.gezeigt.size(), 1);  // only the name was asked about
}
