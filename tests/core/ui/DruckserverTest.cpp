// Whether the print server answers, asked off the UI thread with a short
// limit: a server that takes connections and never answers, one that
// trickles, none at all (a port that refuses) and the tests' cupsd.

#include "core/ui/Druckserver.h"

#include "core/Zeitgeber.h"
#include "support/Cupsserver.h"
#include "support/QtDrucken.h"
#include "support/Warten.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A silent server is told within seconds while a lane's periodic job keeps
// ticking; one print asks it once; when it is gone (the port refuses, as
// without a cupsd) the next ask goes through at once.
TEST(Druckserver, ASilentServerIsToldWithinSecondsWhileTheTimersTick)
{
    int ticks = 0;
    Zeitgeber bahntakt([&] { ++ticks; }, 20);
    bahntakt.setEnabled(true);
    StummerCupsserver stumm;
    QElapsedTimer uhr;
    uhr.start();
    QString text;
    EXPECT_FALSE(DruckserverBereit(&text));
    EXPECT_LT(uhr.elapsed(), 8000);
    EXPECT_GE(ticks, 10);
    EXPECT_EQ(text, QStringLiteral("Der Druckserver „%1“ antwortet nicht.").arg(stumm.adresse()));
    EXPECT_EQ(stumm.verbindungen, 1);
    EXPECT_FALSE(DruckserverBereit());
    EXPECT_EQ(stumm.verbindungen, 1);

    stumm.schliessen();
    EXPECT_TRUE(warten([] { return DruckserverBereit(); }));
    uhr.restart();
    DruckserverVergessen();
    EXPECT_TRUE(DruckserverBereit(&text));
    EXPECT_LT(uhr.elapsed(), 2500);  // a silent server takes three
    EXPECT_TRUE(text.isEmpty());
}

// A server that trickles its answer byte by byte keeps the probe reading
// past its limit: not ready, as a silent one.
TEST(Druckserver, AServerTricklingItsAnswerIsNotReady)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const CupsUmgebung umgebung(QStringLiteral("127.0.0.1:%1").arg(server.serverPort()));
    QTimer tropfen;
    QObject::connect(&tropfen, &QTimer::timeout, [&] {
        for (QTcpSocket* s : server.findChildren<QTcpSocket*>()) s->write("H");
    });
    tropfen.start(500);
    QString text;
    EXPECT_FALSE(DruckserverBereit(&text));
    EXPECT_EQ(text, QStringLiteral("Der Druckserver „127.0.0.1:%1“ antwortet nicht.").arg(server.serverPort()));
}

TEST(Druckserver, TheTestsCupsdAnswers)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    EXPECT_EQ(DruckserverName(), cups.adresse());
    EXPECT_TRUE(DruckserverBereit());
}

}  // namespace
