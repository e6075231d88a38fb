#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Aufnahme : SoundAusgabe {
    QStringList gespielt;
    void abspielen(const QString& pfad) override { gespielt << pfad; }
};

}  // namespace

TEST(Sound, PlaysOnlyWhenSwitchedOnAndPresent)
{
    GlobalsZuruecksetzen();
    QTemporaryDir dir;
    OrdnerSetzen(dir.path());
    QFile frage(dir.filePath(QStringLiteral("Frage.wav")));
    ASSERT_TRUE(frage.open(QIODevice::WriteOnly));
    frage.close();
    QFile klick(ClickWav);
    ASSERT_TRUE(klick.open(QIODevice::WriteOnly));
    klick.close();

    Aufnahme a;
    setSoundAusgabe(&a);
    SoundSpielen(QStringLiteral("Frage.wav"));  // sounds off
    KlickSoundSpielen();
    EXPECT_TRUE(a.gespielt.isEmpty());

    Einst.SoundAktiv = true;
    SoundSpielen(QStringLiteral("Frage.wav"));
    SoundSpielen(QStringLiteral("Error.wav"));  // missing: silence
    KlickSoundSpielen();                        // click sounds have their own switch
    EXPECT_EQ(a.gespielt, QStringList{dir.filePath(QStringLiteral("Frage.wav"))});

    Einst.ClickSoundAktiv = true;
    KlickSoundSpielen();
    EXPECT_EQ(a.gespielt.last(), ClickWav);
    setSoundAusgabe(nullptr);
    GlobalsZuruecksetzen();
}
