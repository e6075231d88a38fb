// The real program binary, started in an empty program folder on the
// offscreen platform, ended the ways an operator ends it.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Generous for a loaded machine: a start takes well under a second idle.
constexpr int FristMs = 60000;

class ProgrammLauf : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("Programm")));
        QFile skript(pfad(QStringLiteral("abschalten.sh")));
        ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
        skript.write("#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/abschaltung.txt\"\n");
        skript.close();
        skript.setPermissions(skript.permissions() | QFileDevice::ExeOwner);
    }

    QString pfad(const QString& name) const { return QDir(m_tmp.path()).filePath(name); }

    // Runs the program on one screen of that width, triggering the named
    // actions and buttons in turn; its exit code, -1 when it did not end.
    int laufen(int breite, const QString& ausloesen)
    {
        QFile bildschirm(pfad(QStringLiteral("bildschirm.json")));
        if (!bildschirm.open(QIODevice::WriteOnly)) return -2;
        bildschirm.write(QStringLiteral(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": %1,
            "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                             .arg(breite)
                             .toUtf8());
        bildschirm.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + bildschirm.fileName());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());  // its own single-instance lock
        env.insert(QStringLiteral("CORVALINK_TEST_ABSCHALTUNG"), pfad(QStringLiteral("abschalten.sh")));
        env.insert(QStringLiteral("CORVALINK_TEST_AUSLOESEN"), ausloesen);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(pfad(QStringLiteral("Programm")));
        // Its error output is kept for the test and shown as well.
        p.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        p.start(QStringLiteral(CORVALINK_PROGRAMM), {});
        if (!p.waitForStarted(FristMs)) return -1;
        const bool beendet = p.waitForFinished(FristMs);
        if (!beendet) {
            p.kill();
            p.waitForFinished();
        }
        fehlerausgabe = QString::fromUtf8(p.readAllStandardError());
        std::fputs(qPrintable(fehlerausgabe), stderr);
        if (!beendet) return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // The shut-down commands run, once the fake has written them.
    QString abschaltungen(int fristMs) const
    {
        QFile f(pfad(QStringLiteral("abschaltung.txt")));
        const QDeadlineTimer frist(fristMs);
        while (!f.exists() && !frist.hasExpired()) QThread::msleep(20);
        QThread::msleep(100);  // a second, wrong call would come right after
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QString fehlerausgabe;  // of the last run
    QTemporaryDir m_tmp;
};

}  // namespace

TEST_F(ProgrammLauf, ProgrammEndeEndsTheProgram)
{
    EXPECT_EQ(laufen(1280, QStringLiteral("MProgrammEnde,BtnJa")), 0);
    EXPECT_EQ(abschaltungen(0), QString());
}

TEST_F(ProgrammLauf, WindowsBeendenEndsAndShutsDownOnce)
{
    EXPECT_EQ(laufen(1280, QStringLiteral("MWindowsBeenden,BtnJa")), 0);
    EXPECT_EQ(abschaltungen(FristMs), QStringLiteral("systemctl poweroff\n"));
}

// Below 1024 pixels the start-up window warns and its closing ends the
// program, which says why on its error output and ends as failed.
TEST_F(ProgrammLauf, NarrowScreenEndsWhenTheStartUpWindowCloses)
{
    EXPECT_EQ(laufen(1000, QString()), 1);
    EXPECT_TRUE(fehlerausgabe.contains(QStringLiteral(
        "Corvalink: Der Bildschirm ist 1000 Bildpunkte breit, das Programm braucht mindestens 1024. "
        "Das Programm wird beendet.\n")))
        << fehlerausgabe.toStdString();
    EXPECT_EQ(abschaltungen(0), QString());
}
