#include "core/Globals.h"
#include "report/Nachrichtenversand.h"
#include "support/Warten.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A client that keeps the bytes of each connection and answers a complete message, or stays
// silent, or closes at once.
struct Gegenstelle {
    enum Art { Antwortet, Stumm, Schliesst } art;
    QTcpServer server;
    QList<QByteArray> empfangen;  // per connection
    int offen = 0, hoechstens = 0;  // connections open and not yet answered

    explicit Gegenstelle(Art a = Antwortet, const QString& adresse = QStringLiteral("127.0.0.1"), quint16 port = 0)
        : art(a)
    {
        server.listen(QHostAddress(adresse), port);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = server.nextPendingConnection();
            const qsizetype nr = empfangen.size();
            empfangen.append(QByteArray());
            hoechstens = std::max(hoechstens, ++offen);
            auto beantwortet = std::make_shared<bool>(false);
            QObject::connect(s, &QTcpSocket::disconnected, [this, s, beantwortet] {
                offen -= !*beantwortet;
                s->deleteLater();
            });
            QObject::connect(s, &QTcpSocket::readyRead, [this, s, nr, beantwortet] {
                QByteArray& b = empfangen[nr];
                b += s->readAll();
                const int n = b.left(4).toInt();
                if (art == Antwortet && b.size() >= 8 + n && b.size() == 8 + n + b.mid(4 + n, 4).toInt()) {
                    s->write("OK              ");
                    *beantwortet = true;
                    --offen;
                }
            });
            if (art == Schliesst) s->close();
        });
    }
};

// The outcomes, in order.
struct Ausgaenge : QList<std::pair<QString, NachrichtAusgang>> {
    explicit Ausgaenge(Nachrichtenversand& v)
    {
        QObject::connect(&v, &Nachrichtenversand::ausgang,
                         [this](const QString& h, NachrichtAusgang a) { append({h, a}); });
        QObject::connect(&v, &Nachrichtenversand::beendet, [this](const QString&, bool ok) { oks += ok; });
    }
    int oks = 0;
};

}  // namespace

TEST(NachrichtRahmen, LaengenfelderUndGrenzen)
{
    const struct {
        QByteArray sender, text, rahmen;
    } faelle[] = {
        {"", "", "00000000"},
        {"Spieler", "M\xfcller \x80", "0007Spieler0008M\xfcller \x80"},
        {QByteArray(9999, 's'), "", "9999" + QByteArray(9999, 's') + "0000"},
        {"Anzeige", QByteArray(10000, 't'), ""},
        {QByteArray(10000, 's'), "", ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(NachrichtRahmen(f.sender, f.text), f.rahmen) << f.sender.left(10).data();
}

TEST(Nachrichtenversand, JederAusgangBeendetDieNachricht)
{
    Gegenstelle antwortet, stumm(Gegenstelle::Stumm), schliesst(Gegenstelle::Schliesst);
    const quint16 frei = [] { return Gegenstelle().server.serverPort(); }();
    const struct {
        Gegenstelle* client;
        QString host;
        QByteArray text;
        NachrichtAusgang ausgang;
    } faelle[] = {
        {&antwortet, QStringLiteral("localhost"), "a", NachrichtAusgang::Beantwortet},
        {nullptr, QStringLiteral("127.0.0.1"), "b", NachrichtAusgang::Abgewiesen},
        {&schliesst, QStringLiteral("127.0.0.1"), "c", NachrichtAusgang::Abgebrochen},
        {&stumm, QStringLiteral("127.0.0.1"), "d", NachrichtAusgang::Zeitueberschreitung},
        {nullptr, QStringLiteral("kegelbahn.invalid"), "e", NachrichtAusgang::Unerreichbar},
        {&antwortet, QStringLiteral("127.0.0.1"), QByteArray(10000, 'f'), NachrichtAusgang::ZuLang},
    };
    for (const auto& f : faelle) {
        NetzBeschaeftigt = 0;
        const qsizetype verbindungen = f.client ? f.client->empfangen.size() : 0;
        Nachrichtenversand v;
        v.setPort(f.client ? f.client->server.serverPort() : frei);
        v.setZeitlimit(1000);
        Ausgaenge e(v);
        v.senden(f.host, "Test", f.text);
        ASSERT_TRUE(warten([&] { return !e.isEmpty(); }, 10000)) << f.text[0];
        EXPECT_EQ(e.first().second, f.ausgang) << f.text[0];
        EXPECT_EQ(e.oks, f.ausgang == NachrichtAusgang::Beantwortet);
        EXPECT_EQ(NetzBeschaeftigt, 0);
        const qsizetype neu = f.client ? f.client->empfangen.size() - verbindungen : 0;
        EXPECT_EQ(neu, f.client && f.ausgang != NachrichtAusgang::ZuLang) << f.text[0];
    }

    // A sender that goes while its messages wait takes them off the count.
    auto v = std::make_unique<Nachrichtenversand>();
    v->setPort(stumm.server.serverPort());
    Ausgaenge e(*v);
    for (int i = 0; i < 3; ++i) v->senden(QStringLiteral("127.0.0.1"), "Spieler", "1");
    ASSERT_TRUE(warten([&] { return stumm.empfangen.size() == 2 && !stumm.empfangen[1].isEmpty(); }, 10000));
    EXPECT_EQ(NetzBeschaeftigt, 3);
    v.reset();
    EXPECT_EQ(NetzBeschaeftigt, 0);
    EXPECT_TRUE(warten([&] { return stumm.offen == 0; }, 10000));
    EXPECT_TRUE(e.isEmpty());
}

TEST(Nachrichtenversand, JederHostInSeinerReihenfolgeUndKeinerWartetAufDenStummen)
{
    // 127.0.0.1 .. 127.0.0.16 on one port, the 7th silent; nothing listens on 127.0.0.17.
    std::vector<std::unique_ptr<Gegenstelle>> clients;
    for (int versuch = 0; versuch < 20 && clients.size() < 16; ++versuch) {
        clients.clear();
        for (int i = 1; i <= 16; ++i) {
            clients.push_back(std::make_unique<Gegenstelle>(i == 7 ? Gegenstelle::Stumm : Gegenstelle::Antwortet,
                                                            QStringLiteral("127.0.0.%1").arg(i),
                                                            clients.empty() ? 0 : clients[0]->server.serverPort()));
            if (!clients.back()->server.isListening()) {
                clients.pop_back();
                break;
            }
        }
    }
    ASSERT_EQ(clients.size(), 16u);
    NetzBeschaeftigt = 0;
    Nachrichtenversand v;
    v.setPort(clients[0]->server.serverPort());
    v.setZeitlimit(2000);
    Ausgaenge e(v);
    const QString stumm = QStringLiteral("127.0.0.7");
    v.senden(stumm, "Anzeige", "True;True;8");
    for (int i = 1; i <= 17; ++i)
        if (i != 7) v.senden(QStringLiteral("127.0.0.%1").arg(i), "Anzeige", "True;False;8");
    v.senden(QStringLiteral("127.0.0.1"), "Beenden", "Beenden");
    v.senden(QStringLiteral("127.0.0.1"), "Spieler", "1");
    EXPECT_EQ(NetzBeschaeftigt, 19);
    EXPECT_TRUE(e.isEmpty());  // never inside senden()

    ASSERT_TRUE(warten([&] { return e.size() == 18; }, 1500));
    EXPECT_EQ(e.oks, 17);
    EXPECT_TRUE(e.contains(std::pair(QStringLiteral("127.0.0.17"), NachrichtAusgang::Abgewiesen)));
    EXPECT_EQ(clients[0]->empfangen,
              (QList<QByteArray>{"0007Anzeige0012True;False;8", "0007Beenden0007Beenden", "0007Spieler00011"}));
    EXPECT_EQ(clients[0]->hoechstens, 1);
    EXPECT_EQ(clients[6]->empfangen, QList<QByteArray>{"0007Anzeige0011True;True;8"});
    EXPECT_EQ(NetzBeschaeftigt, 1);
    ASSERT_TRUE(warten([&] { return e.size() == 19; }, 10000));
    EXPECT_EQ(e.last(), std::pair(stumm, NachrichtAusgang::Zeitueberschreitung));
    EXPECT_EQ(NetzBeschaeftigt, 0);
    EXPECT_EQ(v.laufend(), 0);
}

TEST(Nachrichtenversand, MonitorclientZeigtDieNachrichten)
{
    QProcess client;
    client.start(QStringLiteral(MONITORCLIENT), {QStringLiteral("--port"), QStringLiteral("0")});
    ASSERT_TRUE(warten([&] { return client.canReadLine(); }, 10000)) << client.readAllStandardError().data();
    const auto bereit = QRegularExpression(QStringLiteral("^monitorclient: lauscht auf 127\\.0\\.0\\.1:(\\d+)\n$"))
                            .match(QString::fromUtf8(client.readLine()));
    ASSERT_TRUE(bereit.hasMatch());
    const quint16 port = bereit.captured(1).toUShort();

    QTcpSocket muell;  // garbage closes that connection only
    muell.connectToHost(QHostAddress::LocalHost, port);
    muell.write("12a4Anzeige");
    EXPECT_TRUE(warten([&] { return muell.state() == QAbstractSocket::UnconnectedState; }, 10000));

    NetzBeschaeftigt = 0;
    Nachrichtenversand v;
    v.setPort(port);
    Ausgaenge e(v);
    v.senden(QStringLiteral("127.0.0.1"), "Anzeige", "True;False;8");
    v.senden(QStringLiteral("127.0.0.1"), "Mannschaft", "SKC B\xfchl;True;6;False;Gr\xe4" "f 5 \x80");
    v.senden(QStringLiteral("127.0.0.1"), "Beenden", "Beenden");
    ASSERT_TRUE(warten([&] { return e.size() == 3; }, 10000));
    EXPECT_EQ(e.oks, 3);
    ASSERT_TRUE(warten([&] { return client.peek(4096).count('\n') == 3; }, 10000));
    EXPECT_EQ(QString::fromUtf8(client.readAllStandardOutput()),
              QStringLiteral("Anzeige: True;False;8\n"
                             "Mannschaft: SKC Bühl;True;6;False;Gräf 5 €\n"
                             "Beenden: Beenden\n"));
    EXPECT_TRUE(client.readAllStandardError().contains("ung\xc3\xbcltiges L\xc3\xa4ngenfeld \"12a4\""));
    client.kill();
    client.waitForFinished();
}
