#include "core/Shell.h"
#include "platform/DesktopShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct AufzeichnenderStarter : ShellStarter {
    QString datei, ordner, parameter;
    int modus = -1;
    void oeffnen(const QString& d, const QString& o, const QString& p, int m) override
    {
        datei = d;
        ordner = o;
        parameter = p;
        modus = m;
    }
};

}  // namespace

TEST(Shell, DateiAusfuehrenPassesEachTextCutTo255)
{
    AufzeichnenderStarter s;
    setShellStarter(&s);
    const QString lang(300, QLatin1Char('x'));
    DateiAusfuehren(lang, QStringLiteral("/opt"), lang, 5);
    setShellStarter(nullptr);
    EXPECT_EQ(s.datei.size(), 255);
    EXPECT_EQ(s.ordner, QStringLiteral("/opt"));
    EXPECT_EQ(s.parameter.size(), 255);
    EXPECT_EQ(s.modus, 5);
    DateiAusfuehren(QStringLiteral("nichts"), {}, {}, 5);  // the null starter opens nothing
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
