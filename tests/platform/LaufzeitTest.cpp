// What the program leaves on its error output at start: the runtime folder
// it names where the session gives none, and the sound system's notice of a
// sound server it cannot reach, held back while no sound device is there.
#include "platform/Laufzeitordner.h"
#include "platform/QtSound.h"
#include "support/Warten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Modus(const QString& pfad)
{
    struct stat st {};
    return lstat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

QStringList g_meldungen;
void Aufnehmen(QtMsgType, const QMessageLogContext&, const QString& text) { g_meldungen << text; }

// A WAV file of 0.1 s silence, 8 kHz mono 16 bit.
QByteArray Stille()
{
    const quint32 daten = 1600;
    QByteArray w = "RIFF" + QByteArray(4, 0) + "WAVEfmt " + QByteArray(4, 0) + QByteArray(16, 0) + "data" +
                   QByteArray(4, 0) + QByteArray(int(daten), 0);
    qToLittleEndian<quint32>(36 + daten, w.data() + 4);
    qToLittleEndian<quint32>(16, w.data() + 16);
    qToLittleEndian<quint16>(1, w.data() + 20);      // PCM
    qToLittleEndian<quint16>(1, w.data() + 22);      // mono
    qToLittleEndian<quint32>(8000, w.data() + 24);   // rate
    qToLittleEndian<quint32>(16000, w.data() + 28);  // bytes a second
    qToLittleEndian<quint16>(2, w.data() + 32);
    qToLittleEndian<quint16>(16, w.data() + 34);
    qToLittleEndian<quint32>(daten, w.data() + 40);
    return w;
}

}  // namespace

// Where the path Qt would fall back to is free or the user's own folder, it
// is taken, private; a link or a file there is left to Qt.
TEST(Laufzeitordner, TheUsersOwnPrivateFolderWhereTheSessionGivesNone)
{
    const QByteArray vorher = qgetenv("XDG_RUNTIME_DIR");
    const auto zurueck = qScopeGuard([&] { vorher.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", vorher); });
    QTemporaryDir fremd;
    ASSERT_TRUE(fremd.isValid());
    const QString name = QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    const struct {
        const char* was;
        std::function<void(const QString& ort)> vorbereiten;
        bool genommen;  // the path itself
    } faelle[] = {
        {"free", [](const QString&) {}, true},
        {"own folder open to others", [](const QString& ort) { mkdir(QFile::encodeName(ort), 0755); }, true},
        {"a link", [&](const QString& ort) { QFile::link(fremd.path(), ort); }, false},
        {"a file", [](const QString& ort) { QFile(ort).open(QIODevice::WriteOnly); }, false},
    };
    for (const auto& f : faelle) {
        QTemporaryDir basis;
        ASSERT_TRUE(basis.isValid());
        const QString ort = basis.filePath(name);
        f.vorbereiten(ort);
        qunsetenv("XDG_RUNTIME_DIR");
        const QString ordner = LaufzeitordnerVorbereiten(basis.path());
        EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), QFile::encodeName(ordner)) << f.was;
        // Nothing else is taken: every start must find the same lock.
        EXPECT_EQ(QDir(basis.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                  QStringList{name})
            << f.was;
        if (!f.genommen) {
            EXPECT_TRUE(ordner.isEmpty()) << f.was << ": " << ordner.toStdString();
            continue;
        }
        EXPECT_EQ(ordner, ort) << f.was;
        EXPECT_TRUE(QFileInfo(ordner).isDir() && !QFileInfo(ordner).isSymLink()) << f.was;
        EXPECT_EQ(Modus(ordner), 0700) << f.was;
        EXPECT_EQ(QFileInfo(ordner).ownerId(), uint(geteuid())) << f.was;
    }
    EXPECT_EQ(Modus(fremd.path()), 0700);  // the link's target untouched
    // A folder the session gives stays.
    qputenv("XDG_RUNTIME_DIR", "/run/user/4711");
    EXPECT_EQ(LaufzeitordnerVorbereiten(fremd.path()), QStringLiteral("/run/user/4711"));
}

// Without a sound device nothing is played and the sound system's notices of
// it stay away; every other message still gets through.
TEST(QtSoundAusgabe, NoSoundDeviceLeavesNoNoticeBehind)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile wav(tmp.filePath(QStringLiteral("Frage.wav")));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly) && wav.write(Stille()) > 0);
    wav.close();
    g_meldungen.clear();
    const QtMessageHandler vorher = qInstallMessageHandler(Aufnehmen);
    VerbindungsmeldungAusblenden();
    {
        QtSound sound;
        sound.abspielen(wav.fileName());
        sound.abspielen(wav.fileName());
        // A sound played without a device says so once it has loaded.
        warten([] { return !g_meldungen.isEmpty(); }, 1500);
        // The sound server's word is kept away after the check too (Qt says
        // it once a process, at whatever first asks for the devices).
        qWarning("PulseAudioService: pa_context_connect() failed");
        qWarning("danach");
    }
    qInstallMessageHandler(vorher);
    for (const QString& m : std::as_const(g_meldungen)) {
        EXPECT_FALSE(m.contains(QStringLiteral("PulseAudio"))) << m.toStdString();
        EXPECT_FALSE(m.contains(QStringLiteral("No audio device"))) << m.toStdString();
    }
    EXPECT_TRUE(g_meldungen.contains(QStringLiteral("danach")));
}
