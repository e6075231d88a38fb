#include "platform/Einzelinstanz.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
// A name of this test run only.
QString TestName() { return QStringLiteral("CorvalinkTest%1").arg(QCoreApplication::applicationPid()); }
}  // namespace

TEST(Einzelinstanz, SecondStartWakesTheFirstAndEnds)
{
    Einzelinstanz erste(TestName());
    int geweckt = 0;
    QObject::connect(&erste, &Einzelinstanz::zeigenAngefordert, [&] { ++geweckt; });
    ASSERT_TRUE(erste.beanspruchen());
    EXPECT_TRUE(erste.beansprucht());
    {
        Einzelinstanz zweite(TestName());
        EXPECT_FALSE(zweite.beanspruchen());
        EXPECT_FALSE(zweite.beansprucht());
    }
    QElapsedTimer uhr;
    uhr.start();
    while (geweckt == 0 && uhr.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(geweckt, 1);
}

TEST(Einzelinstanz, MarkerIsFreeAgainAfterTheEnd)
{
    {
        Einzelinstanz erste(TestName());
        ASSERT_TRUE(erste.beanspruchen());
    }
    Einzelinstanz spaetere(TestName());
    EXPECT_TRUE(spaetere.beanspruchen());
}
