#include "platform/AbfShutdown.h"

#include <QVariant>
#include <gtest/gtest.h>

TEST(AbfShutdown, CommandPerAction)
{
    const std::pair<int, QStringList> tabelle[] = {
        {aatPowerOff, {"systemctl", "poweroff"}}, {aatShutdown, {"systemctl", "poweroff"}},
        {aatReboot, {"systemctl", "reboot"}},     {aatSuspend, {"systemctl", "suspend"}},
        {aatHibernate, {"systemctl", "hibernate"}},
    };
    for (const auto& [aktion, befehl] : tabelle) {
        EXPECT_EQ(AbschaltBefehl(aktion, false), befehl) << aktion;
        EXPECT_EQ(AbschaltBefehl(aktion, true), befehl + QStringList{"--ignore-inhibitors"}) << aktion;
    }
    EXPECT_EQ(AbschaltBefehl(aatLogOff, false).value(0), QStringLiteral("loginctl"));
    EXPECT_TRUE(AbschaltBefehl(6, false).isEmpty());
}

TEST(AbfShutdown, ExecuteRunsTheCommandOnce)
{
    FakeAbschaltung fake;
    TabfShutdown s(&fake);
    EXPECT_EQ(s.ActionType, aatPowerOff);
    EXPECT_FALSE(s.Force);
    s.ActionType = aatShutdown;
    EXPECT_TRUE(s.Execute());
    EXPECT_EQ(fake.aufrufe, (QList<QStringList>{{"systemctl", "poweroff"}}));
    fake.ergebnis = false;  // refused by the system
    EXPECT_FALSE(s.Execute());
}

TEST(AbfShutdown, VetoAndUnknownActionCallNothing)
{
    FakeAbschaltung fake;
    TabfShutdown s(&fake);
    int gefragt = 0;
    s.OnQueryShutdown = [&](TabfShutdown&, bool& erlaubt) {
        ++gefragt;
        erlaubt = false;
    };
    EXPECT_FALSE(s.Execute());
    EXPECT_EQ(gefragt, 1);
    s.OnQueryShutdown = nullptr;
    s.ActionType = 6;
    EXPECT_FALSE(s.Execute());
    EXPECT_TRUE(fake.aufrufe.isEmpty());
    EXPECT_FALSE(TabfShutdown().Execute());  // no layer installed
    EXPECT_EQ(s.property("About").toString(), QStringLiteral("TabfShutdown"));
}
