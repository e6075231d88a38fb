#include "core/Password.h"

#include <gtest/gtest.h>

TEST(Password, RoundTrip)
{
    for (const QString& klar : {QString(), QStringLiteral("a"), QStringLiteral("geheim"), QStringLiteral("aaaaaaaaaaaa"),
                                QStringLiteral("Grüße = [x]; ß € "), QStringLiteral("1234567890123456789012345678901")}) {
        EXPECT_EQ(PasswortDekodieren(PasswortKodieren(klar)), klar) << qPrintable(klar);
    }
    EXPECT_TRUE(PasswortKodieren(QString()).isEmpty());
}

TEST(Password, TheStoredFormOfEveryInstallation)
{
    // By hand: even positions less 3, odd ones plus 5.
    EXPECT_EQ(PasswortKodieren(QStringLiteral("a")), QStringLiteral("^"));
    EXPECT_EQ(PasswortKodieren(QStringLiteral("ab")), QStringLiteral("^g"));
    EXPECT_EQ(PasswortKodieren(QStringLiteral("geheim")), QStringLiteral("djejfr"));
    EXPECT_EQ(PasswortDekodieren(QStringLiteral("djejfr")), QStringLiteral("geheim"));
    // At most 31 characters are kept.
    EXPECT_EQ(PasswortKodieren(QString(40, QLatin1Char('x'))).size(), 31);
    // 0xFB ("û") at an odd position scrambles to 0 and ends the stored text.
    EXPECT_EQ(PasswortKodieren(QStringLiteral("aûb")), QStringLiteral("^"));
}
