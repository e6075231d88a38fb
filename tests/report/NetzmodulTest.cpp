#include "report/Netzmodul.h"
#include "support/Smtpsenke.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Ende {
    int anzahl = 0;
    bool ok = false;
    QString fehler;
    MailFertig fertig()
    {
        return [this](bool o, const QString& f) {
            ++anzahl;
            ok = o;
            fehler = f;
        };
    }
};

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
    EXPECT_EQ(MailFehlerText(m, {CURLE_SEND_ERROR, QStringLiteral("250 OK"), {}}),
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
    EXPECT_EQ(a[QStringLiteral("typ")].toString(), QStringLiteral("application/octet-stream"));
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
