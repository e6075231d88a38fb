#pragma once
// Sound output through the sound component: each file is loaded once and
// kept; playing returns at once. A file that cannot be played stays silent.

#include "components/Klang.h"
#include "core/Sound.h"

#include <QObject>

class QtSound final : public QObject, public SoundAusgabe {
    Q_OBJECT
public:
    explicit QtSound(QObject* parent = nullptr);
    void abspielen(const QString& pfad) override;
    void anhalten(const QString& pfad) override;
    void setLautstaerke(double lautstaerke) override;
    double lautstaerke() const override { return m_wav.lautstaerke(); }

private:
    TabfWav m_wav;
};
