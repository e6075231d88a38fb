#include "platform/DesktopShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A document opens only where the desktop names a program for its type
// (xdg-mime); without the desktop's tools nothing opens it.
TEST(DesktopShell, ADocumentNeedsAProgramForItsType)
{
    QTemporaryDir bin;
    const QByteArray pfad = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    const QString hlp = bin.filePath(QStringLiteral("Bravolin.hlp"));
    DesktopShell shell;
    EXPECT_FALSE(shell.kannOeffnen(hlp, QString()));
    for (const QByteArray antwort : {"echo wine-winhlp.desktop", "exit 0"}) {
        QFile xdgMime(bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(xdgMime.open(QIODevice::WriteOnly));
        xdgMime.write("#!/bin/sh\n" + antwort + '\n');
        xdgMime.close();
        xdgMime.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(shell.kannOeffnen(hlp, QString()), antwort.startsWith("echo")) << antwort.constData();
    }
    qputenv("PATH", pfad);
}
