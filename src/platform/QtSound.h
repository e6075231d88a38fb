#pragma once
// Sound output through Qt Multimedia. Each file is loaded once and kept;
// playing returns at once. A file that cannot be decoded stays silent.

#include "core/Sound.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

class QtSound final : public QObject, public SoundAusgabe {
    Q_OBJECT
public:
    explicit QtSound(QObject* parent = nullptr);
    void abspielen(const QString& pfad) override;
    // The program's own output volume, 0..1, for every sound from now on.
    void setLautstaerke(double lautstaerke);
    double lautstaerke() const { return m_lautstaerke; }

private:
    QHash<QString, QSoundEffect*> m_effekte;
    double m_lautstaerke = 1.0;
};
