#include "core/Shell.h"
#include "platform/DesktopShell.h"
#include "support/KernAufnahmen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Shell, DateiAusfuehrenPassesEachTextCutTo255)
{
    const QString lang(300, QLatin1Char('x'));
    ShellAufnahme s, innen;
    {
        ShellStarterEinsetzen ein(&s);
        {
            ShellStarterEinsetzen nochEiner(&innen);
        }
        DateiAusfuehren(lang, QStringLiteral("/opt"), lang, 5);  // the outer guard's starter is back
    }
    EXPECT_EQ(s.aufrufe, QStringList{lang.left(255) + "|/opt|" + lang.left(255) + "|5"});
    DateiAusfuehren(QStringLiteral("nichts"), {}, {}, 5);  // then the null starter, which opens nothing
    EXPECT_EQ(s.aufrufe.size(), 1);
    EXPECT_TRUE(innen.aufrufe.isEmpty());
}

TEST(Shell, DesktopDecidesHowToOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile programm(dir.filePath(QStringLiteral("werkzeug")));
    ASSERT_TRUE(programm.open(QIODevice::WriteOnly));
    programm.write("#!/bin/sh\n");
    programm.close();
    programm.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile dokument(dir.filePath(QStringLiteral("Hilfe.txt")));
    ASSERT_TRUE(dokument.open(QIODevice::WriteOnly));
    dokument.close();

    using A = DesktopShell::Art;
    EXPECT_EQ(DesktopShell::artVon(QStringLiteral("http://www.example.org"), {}), A::Adresse);
    EXPECT_EQ(DesktopShell::artVon(QStringLiteral("www.example.org"), {}), A::Adresse);
    EXPECT_EQ(DesktopShell::artVon(QStringLiteral("werkzeug"), dir.path()), A::Programm);
    EXPECT_EQ(DesktopShell::artVon(dir.filePath(QStringLiteral("werkzeug")), {}), A::Programm);
    EXPECT_EQ(DesktopShell::artVon(QStringLiteral("Hilfe.txt"), dir.path()), A::Dokument);
}
