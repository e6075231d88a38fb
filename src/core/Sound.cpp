#include "core/Sound.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QFileInfo>

namespace {

class Stille final : public SoundAusgabe {
public:
    void abspielen(const QString&) override {}
};

Stille g_stille;
SoundAusgabe* g_ausgabe = &g_stille;

void wennVorhanden(const QString& pfad)
{
    if (QFileInfo(pfad).isFile()) g_ausgabe->abspielen(pfad);
}

}  // namespace

void setSoundAusgabe(SoundAusgabe* ausgabe) { g_ausgabe = ausgabe ? ausgabe : &g_stille; }
SoundAusgabe& soundAusgabe() { return *g_ausgabe; }

void SoundSpielen(const QString& dateiname)
{
    if (Einst.SoundAktiv) wennVorhanden(Programmverzeichnis + QLatin1Char('/') + dateiname);
}

void KlickSoundSpielen()
{
    if (Einst.ClickSoundAktiv) wennVorhanden(ClickWav);
}

void TastenklickSpielen()
{
    if (Einst.TastSoundAktiv) wennVorhanden(TastWav);
}
