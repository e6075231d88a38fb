#include "platform/QtSound.h"

QtSound::QtSound(QObject* parent) : QObject(parent)
{
    m_wav.NoDefaultSound = true;
}

void QtSound::abspielen(const QString& pfad)
{
    m_wav.setFileName(pfad);
    m_wav.Play();
}

void QtSound::anhalten(const QString& pfad)
{
    m_wav.setFileName(pfad);
    m_wav.Stop();
}

void QtSound::setLautstaerke(double lautstaerke) { m_wav.setLautstaerke(lautstaerke); }
