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
    void anhalten(const QString& pfad) override;
    void setLautstaerke(double lautstaerke) override;
    double lautstaerke() const override { return m_lautstaerke; }

private:
    QHash<QString, QSoundEffect*> m_effekte;
    double m_lautstaerke = 1.0;
};
