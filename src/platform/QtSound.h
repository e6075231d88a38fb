#pragma once
// Sound output through the sound component: each file is loaded once and
// kept; playing returns at once. A file that cannot be played stays silent.
// Without a sound device (no sound server to reach) nothing is played.

#include "components/Klang.h"
#include "core/Sound.h"

#include <QObject>
#include <memory>
#include <optional>

class QMediaDevices;

// From now on the sound system's notice of the sound server it could not
// reach is not passed on, whoever asks for the devices; its other messages
// are. The program calls it at start.
void VerbindungsmeldungAusblenden();

class QtSound final : public QObject, public SoundAusgabe {
    Q_OBJECT
public:
    explicit QtSound(QObject* parent = nullptr);
    ~QtSound() override;
    void abspielen(const QString& pfad) override;
    void anhalten(const QString& pfad) override;
    void setLautstaerke(double lautstaerke) override;
    double lautstaerke() const override { return m_wav.lautstaerke(); }

    // Whether a sound device is there; asked once, and again after the
    // devices changed.
    bool ausgabeVorhanden();

private:
    TabfWav m_wav;
    std::unique_ptr<QMediaDevices> m_geraete;
    std::optional<bool> m_ausgabe;
    bool m_gespielt = false;  // something was played, so there is something to stop
};
