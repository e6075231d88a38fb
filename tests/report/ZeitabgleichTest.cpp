#include "core/Clock.h"
#include "core/Globals.h"
#include "report/netz/Zeitabgleich.h"
#include "support/Aufnahmen.h"
#include "support/Smtpsenke.h"  // warten()

#include <QTcpServer>
#include <QTcpSocket>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>

namespace {

QDateTime Utc(int j, int m, int t, int h, int min, int s = 0)
{
    return QDateTime(QDate(j, m, t), QTime(h, min, s), Qt::UTC);
}
using Ausgaenge = QList<std::pair<bool, QString>>;

struct Uhr : Systemuhr {
    QList<QDateTime> gestellt;
    bool klappt = true;
    bool stellen(const QDateTime& utc, QString* fehler) override
    {
        gestellt << utc;
        if (!klappt) *fehler = QStringLiteral("verweigert");
        return klappt;
    }
};

// An RFC 868 server on a free port: writes its bytes to each connection and closes, or stays silent.
struct Zeitserver {
    QTcpServer server;
    int verbindungen = 0;
    explicit Zeitserver(const QByteArray& antwort, bool stumm = false)
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this, antwort, stumm] {
            QTcpSocket* s = server.nextPendingConnection();
            ++verbindungen;
            if (stumm) return;
            s->write(antwort);
            s->disconnectFromHost();
        });
    }
};

class ZeitabgleichTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        Einst.TimeHost = QStringLiteral("127.0.0.1");
        setUhr([] { return QDateTime(QDate(2023, 9, 29), QTime(12, 0)); });
        qputenv("TZ", "Europe/Berlin");  // UTC+2 in summer
        tzset();
    }
    void TearDown() override
    {
        tzVorher.isNull() ? qunsetenv("TZ") : qputenv("TZ", tzVorher);
        tzset();
        setUhr({});
        GlobalsZuruecksetzen();
    }
    // Starts a synchronisation; the outcomes its `fertig` got by its end.
    Ausgaenge abgleichen()
    {
        Ausgaenge a;
        zeit.abgleichen([&](bool ok, const QString& text) { a.append({ok, text}); });
        EXPECT_TRUE(a.isEmpty());
        EXPECT_TRUE(warten([&] { return !zeit.laeuft(); }));
        return a;
    }

    const QByteArray tzVorher = qgetenv("TZ");
    FensterAufnahme fenster;
    FensterDiensteEinsetzen eingesetzt{&fenster};
    Uhr* uhr = new Uhr;
    Zeitabgleich zeit{std::unique_ptr<Systemuhr>(uhr)};
};

}  // namespace

TEST(Rfc868Zeit, SekundenSeit1900)
{
    EXPECT_EQ(Rfc868Zeit(QByteArray::fromHex("00000000")), Utc(1900, 1, 1, 0, 0));
    EXPECT_EQ(Rfc868Zeit(QByteArray::fromHex("83aa7e80")), Utc(1970, 1, 1, 0, 0));  // 70 years, 17 of them leap
    EXPECT_EQ(Rfc868Zeit(QByteArray::fromHex("e8c0a1f0ff")), Utc(2023, 9, 29, 1, 8));
    EXPECT_EQ(Rfc868Zeit(QByteArray::fromHex("ffffffff")), Utc(2036, 2, 7, 6, 28, 15));
    EXPECT_FALSE(Rfc868Zeit(QByteArray::fromHex("e8c0a1")).isValid());
}

TEST(ZeitabgleichWartezeit, FaelligOderRestMitMindestwert)
{
    const QDateTime jetzt(QDate(2023, 9, 29), QTime(12, 0));
    const qint64 min = 60000, std = 60 * min;
    const std::pair<QDateTime, qint64> faelle[] = {
        {QDateTime(), -1},
        {jetzt.addMSecs(-24 * std), min},  // exactly the interval: not yet due
        {jetzt.addMSecs(-24 * std - 1), -1},
        {jetzt.addMSecs(-23 * std - 30 * min), 30 * min},
        {jetzt.addMSecs(-24 * std + 30000), min},
        {jetzt.addMSecs(2 * std), 24 * std},  // the clock was set back since
    };
    for (const auto& [letzte, warten] : faelle) EXPECT_EQ(ZeitabgleichWartezeit(jetzt, letzte, 24), warten) << warten;
}

TEST_F(ZeitabgleichTest, ErfolgStelltDieVolleServerzeit)
{
    Zeitserver server(QByteArray::fromHex("e8c0a1f0"));
    Einst.TimePort = server.server.serverPort();
    int ersterAufruf = 0;
    zeit.abgleichen([&](bool ok, const QString&) { ersterAufruf += ok; });
    EXPECT_EQ(abgleichen(), (Ausgaenge{{true, QString()}}));  // joins the running query
    EXPECT_EQ(ersterAufruf, 1);
    EXPECT_EQ(server.verbindungen, 1);
    EXPECT_EQ(uhr->gestellt, QList<QDateTime>{Utc(2023, 9, 29, 1, 8)});
    EXPECT_EQ(fenster.status[3], QStringLiteral("29.09.23   03:08"));
    EXPECT_EQ(Einst.ZeitUpLast, Utc(2023, 9, 29, 1, 8));
}

TEST_F(ZeitabgleichTest, FehlschlagLaesstUhrUndAnzeigeInRuhe)
{
    quint16 zu;
    {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost);
        zu = s.serverPort();
    }
    const struct {
        QByteArray antwort;
        bool stumm, uhrKlappt;
        QString host, text;  // %1 the port
    } faelle[] = {
        {{}, false, true, "127.0.0.1", "Der Zeitserver 127.0.0.1:%1 hat die Verbindung abgelehnt !"},
        {{}, true, true, "127.0.0.1", "Keine Antwort vom Zeitserver 127.0.0.1:%1 (Zeitüberschreitung) !"},
        {"\xe8\xc0\xa1", false, true, "127.0.0.1", "Der Zeitserver 127.0.0.1:%1 hat keine gültige Zeit gesendet !"},
        {QByteArray(4, 0), false, true, "127.0.0.1",
         "Der Zeitserver 127.0.0.1:%1 meldet eine unmögliche Zeit (01.01.1900 00:00:00 UTC) !"},
        {"\xe8\xc0\xa1\xf0", false, false, "127.0.0.1", "verweigert"},
        {{}, false, true, "", "Kein Zeitserver eingetragen !"},
    };
    for (const auto& f : faelle) {
        Zeitserver server(f.antwort, f.stumm);
        Einst.TimePort = f.antwort.isEmpty() && !f.stumm ? zu : server.server.serverPort();
        Einst.TimeHost = f.host;
        uhr->klappt = f.uhrKlappt;
        uhr->gestellt.clear();
        zeit.setZeitlimit(f.stumm ? 100 : 5000);
        const QString text = QString(f.text).replace(QStringLiteral("%1"), QString::number(Einst.TimePort));
        EXPECT_EQ(abgleichen(), (Ausgaenge{{false, text}}));
        EXPECT_EQ(uhr->gestellt.size(), f.uhrKlappt ? 0 : 1) << text.toStdString();
        EXPECT_EQ(fenster.status[3], QString()) << text.toStdString();
        EXPECT_FALSE(Einst.ZeitUpLast.isValid()) << text.toStdString();
    }
}

TEST_F(ZeitabgleichTest, StartUndTimer)
{
    const QDateTime jetzt = Jetzt();
    const struct {
        bool update, start;
        qint64 vorSekunden;  // the last synchronisation
        bool fragt;
        int intervall;
    } faelle[] = {
        {false, false, 0, false, 0},
        {true, false, 24 * 3600, false, 60000},
        {true, false, 23 * 3600 + 1800, false, 1800000},
        {true, false, 30 * 3600, true, 86400000},
        {true, true, 30 * 3600, true, 86400000},
        {false, true, 0, true, 0},
    };
    Einst.TimeHost.clear();  // every query ends at once
    Einst.ZeitUpInterv = 24;
    for (const auto& f : faelle) {
        Einst.ZeitUpdate = f.update;
        Einst.ZeitUpStart = f.start;
        Einst.ZeitUpLast = jetzt.addSecs(-f.vorSekunden);
        zeit.starten();
        EXPECT_EQ(zeit.laeuft(), f.fragt) << f.intervall;
        EXPECT_EQ(zeit.timerUpdate().interval(), f.intervall);
        EXPECT_EQ(zeit.timerUpdate().enabled(), f.intervall > 0);
        EXPECT_TRUE(warten([&] { return !zeit.laeuft(); }));
    }
    // TimerUpdateGo: the whole interval from now on, and a query.
    zeit.timerSetzen(1800000);
    zeit.timerUpdate().tick();
    EXPECT_EQ(zeit.timerUpdate().interval(), 86400000);
    EXPECT_TRUE(zeit.laeuft());
    EXPECT_TRUE(warten([&] { return !zeit.laeuft(); }));

    zeit.timerSetzen(999LL * 3600000);  // the options allow three digits of hours
    EXPECT_EQ(zeit.timerUpdate().interval(), std::numeric_limits<int>::max());
}
