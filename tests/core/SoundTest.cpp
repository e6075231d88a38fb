#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "support/KernAufnahmen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    SoundAufnahme a;
    SoundAusgabeEinsetzen ein(&a);
    SoundSpielen(QStringLiteral("Frage.wav"));  // sounds off
    KlickSoundSpielen();
    EXPECT_TRUE(a.pfade.isEmpty());

    Einst.SoundAktiv = true;
    SoundSpielen(QStringLiteral("Frage.wav"));
    SoundSpielen(QStringLiteral("Error.wav"));  // missing: silence
    KlickSoundSpielen();                        // click sounds have their own switch
    EXPECT_EQ(a.pfade, QStringList{dir.filePath(QStringLiteral("Frage.wav"))});

    Einst.ClickSoundAktiv = true;
    KlickSoundSpielen();
    EXPECT_EQ(a.pfade.last(), ClickWav);
    GlobalsZuruecksetzen();
}
