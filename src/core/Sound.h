#pragma once
// Sounds of the program folder, played asynchronously. A missing file or a
// sound switched off in the settings is silence, never an error.

#include "core/Eingesetzt.h"

#include <QString>

class SoundAusgabe {
public:
    virtual ~SoundAusgabe() = default;
    // Starts playing the WAV file and returns at once.
    virtual void abspielen(const QString& pfad) = 0;
    // Stops the file when it is playing.
    virtual void anhalten(const QString& /*pfad*/) {}
    // The program's own output volume, 0..1, for every sound from now on.
    virtual void setLautstaerke(double /*lautstaerke*/) {}
    virtual double lautstaerke() const { return 1.0; }
};

// The installed output; null restores the silent one.
void setSoundAusgabe(SoundAusgabe* ausgabe);
SoundAusgabe& soundAusgabe();
using SoundAusgabeEinsetzen = Eingesetzt<SoundAusgabe, setSoundAusgabe, soundAusgabe>;

// A sound of the program folder, named by its file name ("Frage.wav"), when
// SoundAktiv is on and the file exists.
void SoundSpielen(const QString& dateiname);
// "Click.wav" when ClickSoundAktiv is on and the file exists.
void KlickSoundSpielen();
// "Tast.wav", the on-screen keyboard's key click, when TastSoundAktiv is on
// and the file exists.
void TastenklickSpielen();
