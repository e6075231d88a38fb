#include "core/Globals.h"
#include "report/netz/Nachrichtenversand.h"
#include "support/Aufnahmen.h"
#include "support/Monitorgegenstelle.h"
#include "support/Warten.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

using Gegenstelle = Monitorgegenstelle;

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

// A waiting message by its kind and number.
struct Erwartet {
    QByteArray sender;
    quint64 nummer;
    bool operator==(const Erwartet&) const = default;
    friend void PrintTo(const Erwartet& e, std::ostream* os) { *os << e.sender.constData() << ' ' << e.nummer; }
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
    for (const char* slot : {"1", "2", "3"}) v->senden(QStringLiteral("127.0.0.1"), "Spieler", slot);
    ASSERT_TRUE(warten([&] { return stumm.empfangen.size() == 2 && !stumm.empfangen[1].isEmpty(); }, 10000));
    EXPECT_EQ(NetzBeschaeftigt, 3);
    v.reset();
    EXPECT_EQ(NetzBeschaeftigt, 0);
    EXPECT_TRUE(warten([&] { return stumm.offen == 0; }, 10000));
    EXPECT_TRUE(e.isEmpty());
}

// A message too long for its length fields is not sent; the monitor, which
// answers the others, is not listed as one without an answer.
TEST(Nachrichtenversand, ZuLangeNachrichtMachtDenMonitorNichtStumm)
{
    FensterAufnahme fenster;
    FensterDiensteEinsetzen fensterEin(&fenster);
    Gegenstelle client;
    NetzBeschaeftigt = 0;
    Nachrichtenversand v;
    v.setPort(client.port());
    Ausgaenge e(v);
    const QString h = QStringLiteral("127.0.0.1");
    v.senden(h, "Anzeige", "False;True;3");
    v.senden(h, "Mannschaft", QByteArray(NachrichtFeldMax + 1, 'm'));
    v.senden(h, QByteArray(NachrichtFeldMax + 1, 's'), "x");
    ASSERT_TRUE(warten([&] { return e.size() == 3; }, 10000));
    const QList<std::pair<QString, NachrichtAusgang>> erwartet{
        {h, NachrichtAusgang::Beantwortet}, {h, NachrichtAusgang::ZuLang}, {h, NachrichtAusgang::ZuLang}};
    EXPECT_EQ(e, erwartet);
    EXPECT_EQ(client.nachrichten(), QList<QByteArray>{"0007Anzeige0012False;True;3"});
    EXPECT_EQ(fenster.status.value(StatusPanelMonitor), QString());
    EXPECT_EQ(NetzBeschaeftigt, 0);
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

TEST(NachrichtErsatzschluessel, JeArtUndSpielerplatz)
{
    const struct {
        QByteArray sender, text, schluessel;
    } faelle[] = {
        {"Mannschaft", "SKC;True;6", "Mannschaft"},
        {"Anzeige", "True;False;8", "Anzeige"},
        {"Beenden", "Beenden", "Beenden"},
        {"Spieler", "3;98765;9-5", "Spieler;3"},
        {"Spieler", "16", "Spieler;16"},
        {"Spieler", "17;1", ""},
        {"Spieler", "0;1", ""},
        {"Spieler", ";1", ""},
        {"anzeige", "True;False;8", ""},
        {"Text", "a", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(NachrichtErsatzschluessel(f.sender, f.text), f.schluessel) << f.sender.data() << " " << f.text.data();
}

// Messages dropped for a silent monitor show in its status line also when
// none was replaced, and replaced ones when none was dropped.
TEST(Nachrichtenversand, VerworfeneZeigenSichAuchOhneErsetzte)
{
    FensterAufnahme fenster;
    FensterDiensteEinsetzen fensterEin(&fenster);
    Gegenstelle client(Gegenstelle::Stumm);
    NetzBeschaeftigt = 0;
    Nachrichtenversand v;
    v.setPort(client.port());
    const QString h = QStringLiteral("127.0.0.1");
    v.senden(h, "Text", "t0");
    ASSERT_TRUE(warten([&] { return client.nachrichten().size() == 1; }, 10000));
    for (int i = 1; i <= MaxWartendOhneSchluessel + 2; ++i) v.senden(h, "Text", "t" + QByteArray::number(i));
    EXPECT_EQ(std::tuple(v.ersetzt(), v.verworfen()), std::tuple(0u, 2u));
    EXPECT_EQ(fenster.status.value(StatusPanelMonitor), QStringLiteral("Monitornachrichten ersetzt: 0, verworfen: 2"));

    const struct {
        quint64 ersetzt, verworfen;
        QStringList ohneAntwort;
        QString text;
    } faelle[] = {
        {0, 0, {}, ""},
        {3, 0, {}, "Monitornachrichten ersetzt: 3, verworfen: 0"},
        {0, 1, {}, "Monitornachrichten ersetzt: 0, verworfen: 1"},
        {0, 0, {"127.0.0.2", "127.0.0.3"}, "Monitore ohne Antwort: 127.0.0.2, 127.0.0.3"},
        {0, 5, {"127.0.0.2"}, "Monitore ohne Antwort: 127.0.0.2 – ersetzt: 0, verworfen: 5"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(NachrichtenStatusText(f.ersetzt, f.verworfen, f.ohneAntwort), f.text) << f.text.toStdString();
}

// A monitor PC that does not answer: what waits for it is the newest message
// of each kind (and of each player), in the order sent, and at most
// MaxWartendOhneSchluessel others; once it answers again it gets just these.
TEST(Nachrichtenversand, EinStummerMonitorErhaeltNachDerRueckkehrDieGegenwart)
{
    FensterAufnahme fenster;
    FensterDiensteEinsetzen fensterEin(&fenster);
    Gegenstelle client(Gegenstelle::Stumm);
    NetzBeschaeftigt = 0;
    Nachrichtenversand v;
    v.setPort(client.port());  // 20 s to answer: nothing times out here
    Ausgaenge e(v);
    QStringList statusBeimAusgang;
    QObject::connect(&v, &Nachrichtenversand::ausgang, [&](const QString&, NachrichtAusgang) {
        statusBeimAusgang << fenster.status.value(StatusPanelMonitor);
    });
    const QString h = QStringLiteral("127.0.0.1");

    v.senden(h, "Anzeige", "x0");
    ASSERT_TRUE(warten([&] { return client.nachrichten().size() == 1; }, 10000));
    // On its way from now on: never replaced.
    const struct {
        QByteArray sender, text;
    } folge[] = {
        {"Spieler", "1;a"}, {"Anzeige", "x1"}, {"Spieler", "2;a"}, {"Mannschaft", "m1"},
        {"Spieler", "1;b"}, {"Beenden", "Beenden"}, {"Anzeige", "x2"}, {"Spieler", "1;c"},
    };
    for (const auto& f : folge) v.senden(h, f.sender, f.text);  // 2..9
    for (int i = 1; i <= 20; ++i) v.senden(h, "Text", "t" + QByteArray::number(i));  // 10..29
    v.senden(h, "Spieler", "2;b");  // 30

    QList<Erwartet> erwartet{{"Anzeige", 1}, {"Mannschaft", 5}, {"Beenden", 7}, {"Anzeige", 8}, {"Spieler", 9}};
    for (quint64 n = 14; n <= 29; ++n) erwartet.append({"Text", n});  // t1..t4 dropped
    erwartet.append({"Spieler", 30});
    const auto wartend = [&v, &h] {
        QList<Erwartet> w;
        for (const WartendeNachricht& n : v.wartende().value(h)) w.append({n.sender, n.nummer});
        return w;
    };
    EXPECT_EQ(wartend(), erwartet);
    const QList<WartendeNachricht> liste = v.wartende().value(h);
    EXPECT_TRUE(liste.first().unterwegs);
    EXPECT_FALSE(liste[1].unterwegs);
    EXPECT_EQ(liste[4].schluessel, "Spieler;1");
    EXPECT_GE(liste.first().alterMs, liste.last().alterMs);
    EXPECT_EQ(v.ersetzt(), 4u);  // 1;a, 1;b, x1, 2;a
    EXPECT_EQ(v.verworfen(), 4u);
    EXPECT_EQ(NetzBeschaeftigt, 22);
    EXPECT_EQ(v.laufend(), 22);
    EXPECT_EQ(fenster.status.value(StatusPanelMonitor), QStringLiteral("Monitornachrichten ersetzt: 4, verworfen: 4"));

    // A match's player messages: eight players, 300 throws.
    for (int i = 0; i < 300; ++i) v.senden(h, "Spieler", QByteArray::number(i % 8 + 1) + ';' + QByteArray::number(i));
    EXPECT_EQ(v.ersetzt(), 4u + 300 + 2 - 8);
    EXPECT_EQ(NetzBeschaeftigt, 22 - 2 + 8);
    EXPECT_TRUE(e.isEmpty());

    // It comes back: the message on its way ends unanswered, the rest is the present.
    client.art = Gegenstelle::Antwortet;
    client.trennen();
    ASSERT_TRUE(warten([&] { return e.size() == 28; }, 20000));
    QList<QByteArray> bekommen{"0007Anzeige0002x0", "0010Mannschaft0002m1", "0007Beenden0007Beenden",
                               "0007Anzeige0002x2"};
    for (int i = 5; i <= 20; ++i) bekommen << NachrichtRahmen("Text", "t" + QByteArray::number(i));
    for (const char* s : {"5;292", "6;293", "7;294", "8;295", "1;296", "2;297", "3;298", "4;299"})
        bekommen << NachrichtRahmen("Spieler", s);
    EXPECT_EQ(client.nachrichten(), bekommen);
    EXPECT_EQ(e.first(), std::pair(h, NachrichtAusgang::Abgebrochen));
    EXPECT_EQ(e.oks, 27);
    const QString gezaehlt = QStringLiteral("Monitornachrichten ersetzt: 298, verworfen: 4");
    EXPECT_EQ(statusBeimAusgang.first(),
              QStringLiteral("Monitore ohne Antwort: 127.0.0.1 – ersetzt: 298, verworfen: 4"));
    EXPECT_EQ(fenster.status.value(StatusPanelMonitor), gezaehlt);
    EXPECT_EQ(NetzBeschaeftigt, 0);
    EXPECT_TRUE(v.wartende().isEmpty());
}
