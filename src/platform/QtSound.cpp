#include "platform/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace {

QtMessageHandler g_weiter = nullptr;

// Qt Multimedia's word when no sound server answers; it tells nothing the
// missing device does not.
void OhneVerbindungsmeldung(QtMsgType typ, const QMessageLogContext& ort, const QString& text)
{
    if (typ == QtWarningMsg && text == QLatin1String("PulseAudioService: pa_context_connect() failed")) return;
    g_weiter(typ, ort, text);
}

}  // namespace

void VerbindungsmeldungAusblenden()
{
    const QtMessageHandler vorher = qInstallMessageHandler(OhneVerbindungsmeldung);
    if (vorher != OhneVerbindungsmeldung) g_weiter = vorher;
}

QtSound::QtSound(QObject* parent) : QObject(parent)
{
    m_wav.NoDefaultSound = true;
}

QtSound::~QtSound() = default;

bool QtSound::ausgabeVorhanden()
{
    if (m_ausgabe) return *m_ausgabe;
    if (!m_geraete) {
        m_geraete = std::make_unique<QMediaDevices>();
        connect(m_geraete.get(), &QMediaDevices::audioOutputsChanged, this, [this] { m_ausgabe.reset(); });
    }
    m_ausgabe = !QMediaDevices::audioOutputs().isEmpty();
    return *m_ausgabe;
}

void QtSound::abspielen(const QString& pfad)
{
    if (!ausgabeVorhanden()) return;
    m_gespielt = true;
    m_wav.setFileName(pfad);
    m_wav.Play();
}

void QtSound::anhalten(const QString& pfad)
{
    // Also after the devices changed: a sound may still be playing.
    if (!m_gespielt) return;
    m_wav.setFileName(pfad);
    m_wav.Stop();
}

void QtSound::setLautstaerke(double lautstaerke) { m_wav.setLautstaerke(lautstaerke); }
