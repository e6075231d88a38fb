// The real program binary, started in an empty program folder on the
// offscreen platform, ended the ways an operator ends it.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <cstdio>
#include <functional>
#include <sys/stat.h>
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
    int laufen(int breite, const QString& ausloesen, const std::function<void(QProcessEnvironment&)>& umgebung = {})
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
        if (umgebung) umgebung(env);
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

// Started where the session gives no runtime folder and no sound server is
// to be reached, with its start-up sound on: the program names its own
// private folder, and its error output stays free of both.
TEST_F(ProgrammLauf, AStartWithoutRuntimeFolderAndSoundServerSaysNothingOfThem)
{
    QFile inf(pfad(QStringLiteral("Programm/Bravolin.inf")));
    ASSERT_TRUE(inf.open(QIODevice::WriteOnly));
    inf.write("[Allgemein]\r\nSoundAktiv = True\r\n");
    inf.close();
    QByteArray wav = "RIFF" + QByteArray(4, 0) + "WAVEfmt " + QByteArray(20, 0) + "data" + QByteArray(4, 0) +
                     QByteArray(800, 0);
    for (auto [stelle, wert] : {std::pair(4, 836), std::pair(16, 16), std::pair(24, 8000), std::pair(28, 16000),
                                std::pair(40, 800)})
        qToLittleEndian<quint32>(quint32(wert), wav.data() + stelle);
    for (auto [stelle, wert] : {std::pair(20, 1), std::pair(22, 1), std::pair(32, 2), std::pair(34, 16)})
        qToLittleEndian<quint16>(quint16(wert), wav.data() + stelle);
    QFile ton(pfad(QStringLiteral("Programm/Bravolin.wav")));
    ASSERT_TRUE(ton.open(QIODevice::WriteOnly) && ton.write(wav) == wav.size());
    ton.close();
    ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("tmp")));
    EXPECT_EQ(laufen(1280, QStringLiteral("MProgrammEnde,BtnJa"), [this](QProcessEnvironment& env) {
                  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
                  env.insert(QStringLiteral("TMPDIR"), pfad(QStringLiteral("tmp")));
              }),
              0);
    for (const char* wort : {"XDG_RUNTIME_DIR", "PulseAudio", "No audio device"})
        EXPECT_FALSE(fehlerausgabe.contains(QLatin1String(wort))) << fehlerausgabe.toStdString();
    const QStringList ordner = QDir(pfad(QStringLiteral("tmp"))).entryList({QStringLiteral("runtime-*")}, QDir::Dirs);
    ASSERT_EQ(ordner.size(), 1) << ordner.join(u' ').toStdString();
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(pfad(QStringLiteral("tmp/")) + ordner.first()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// Without a sound server the options' list of sound devices says nothing of it.
TEST_F(ProgrammLauf, OptionsWithoutSoundServerSayNothingOfIt)
{
    EXPECT_EQ(laufen(1280, QStringLiteral("MProgrammoptionen,BtnAbbruch,MProgrammEnde,BtnJa")), 0);
    EXPECT_FALSE(fehlerausgabe.contains(QStringLiteral("PulseAudio"))) << fehlerausgabe.toStdString();
}
