#include "platform/QtSound.h"

#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace {
// More files than the program plays; beyond it the idle ones are dropped.
constexpr qsizetype MaxEffekte = 16;
}  // namespace

QtSound::QtSound(QObject* parent) : QObject(parent) {}

void QtSound::abspielen(const QString& pfad)
{
    QSoundEffect* effekt = m_effekte.value(pfad);
    const bool gescheitert = effekt && (effekt->status() == QSoundEffect::Error ||
                                        effekt->status() == QSoundEffect::Null);  // play() turns Error into Null
    if (gescheitert) {
        // Try the file again: it may have been replaced.
        m_effekte.remove(pfad);
        effekt->deleteLater();
        effekt = nullptr;
    }
    if (!effekt) {
        if (m_effekte.size() >= MaxEffekte) {
            for (auto it = m_effekte.begin(); it != m_effekte.end();) {
                if (it.value()->isPlaying()) {
                    ++it;
                } else {
                    it.value()->deleteLater();
                    it = m_effekte.erase(it);
                }
            }
        }
        effekt = new QSoundEffect(this);
        effekt->setSource(QUrl::fromLocalFile(pfad));
        effekt->setVolume(float(m_lautstaerke));
        m_effekte.insert(pfad, effekt);
    }
    // While the file is still loading, the effect plays once it is ready.
    effekt->play();
}

void QtSound::anhalten(const QString& pfad)
{
    if (QSoundEffect* effekt = m_effekte.value(pfad)) effekt->stop();
}

void QtSound::setLautstaerke(double lautstaerke)
{
    m_lautstaerke = std::clamp(lautstaerke, 0.0, 1.0);
    for (QSoundEffect* e : std::as_const(m_effekte)) e->setVolume(float(m_lautstaerke));
}
