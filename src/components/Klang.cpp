#include "components/Klang.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace {
// More sources than a program plays; beyond it the idle ones are dropped.
constexpr qsizetype MaxEffekte = 16;
}  // namespace

TabfWav::TabfWav(QObject* parent) : TabfCustomFileStorage(parent) {}

TabfWav::~TabfWav() = default;

void TabfWav::setFileName(const QString& name)
{
    m_fileName = name;
    if (PlayFrom == pfDFM) LoadFromFile();
}

void TabfWav::standardton() const
{
    if (!NoDefaultSound && qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

// The path or resource to play; empty when there is none.
QString TabfWav::quelle()
{
    switch (PlayFrom) {
    case pfFile:
        return QFileInfo(m_fileName).isFile() ? m_fileName : QString();
    case pfResource: {
        const QString name = ResourceName.startsWith(u':') ? ResourceName : QStringLiteral(":/") + ResourceName;
        return QFileInfo(name).isFile() ? name : QString();
    }
    case pfDFM:
        if (FileData().isEmpty()) return {};
        // Qt Multimedia plays from a file: the data goes into one of our own.
        if (!m_daten || m_datenStand != FileData()) {
            if (m_daten) {
                if (QSoundEffect* alt = m_effekte.take(m_daten->fileName())) alt->deleteLater();
            }
            m_daten = std::make_unique<QTemporaryFile>(QStringLiteral("abfwav-XXXXXX.wav"));
            if (!m_daten->open() || m_daten->write(FileData()) != FileData().size() || !m_daten->flush()) {
                m_daten.reset();
                return {};
            }
            m_datenStand = FileData();
        }
        return m_daten->fileName();
    case pfSystemEvent:
        return {};
    }
    return {};
}

QSoundEffect* TabfWav::effekt(const QString& pfad)
{
    QSoundEffect* e = m_effekte.value(pfad);
    const bool gescheitert =
        e && (e->status() == QSoundEffect::Error || e->status() == QSoundEffect::Null);  // play() turns Error into Null
    if (gescheitert) {
        // Load the file again: it may have been replaced.
        m_effekte.remove(pfad);
        e->deleteLater();
        e = nullptr;
    }
    if (e) return e;
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
    e = new QSoundEffect(this);
    e->setSource(pfad.startsWith(u':') ? QUrl(QStringLiteral("qrc") + pfad) : QUrl::fromLocalFile(pfad));
    e->setVolume(float(m_lautstaerke));
    m_effekte.insert(pfad, e);
    return e;
}

bool TabfWav::Play()
{
    if (NoStopSound && Playing()) return false;
    emit OnPlayBefore();
    const QString pfad = quelle();
    if (pfad.isEmpty()) {
        // A system event is the desktop's one sound.
        if (PlayFrom == pfSystemEvent) {
            if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
        } else {
            standardton();
        }
        emit OnPlayAfter();
        return PlayFrom == pfSystemEvent;
    }
    QSoundEffect* e = effekt(pfad);
    e->setLoopCount(Looped ? int(QSoundEffect::Infinite) : 1);
    // While the file is still loading, the effect plays once it is ready.
    e->play();
    if (!AsyncPlay && !Looped) {
        QEventLoop warten;
        const auto fertig = [&] {
            if (e->status() == QSoundEffect::Error || (e->status() == QSoundEffect::Ready && !e->isPlaying()))
                warten.quit();
        };
        connect(e, &QSoundEffect::playingChanged, &warten, fertig);
        connect(e, &QSoundEffect::statusChanged, &warten, fertig);
        if (e->status() != QSoundEffect::Error && e->status() != QSoundEffect::Null) warten.exec();
    }
    emit OnPlayAfter();
    return true;
}

void TabfWav::Stop()
{
    QString pfad;
    switch (PlayFrom) {
    case pfFile:
        pfad = m_fileName;
        break;
    case pfResource:
        pfad = ResourceName.startsWith(u':') ? ResourceName : QStringLiteral(":/") + ResourceName;
        break;
    case pfDFM:
        if (m_daten) pfad = m_daten->fileName();
        break;
    case pfSystemEvent:
        return;
    }
    if (QSoundEffect* e = m_effekte.value(pfad)) e->stop();
}

bool TabfWav::Playing() const
{
    return std::any_of(m_effekte.cbegin(), m_effekte.cend(), [](const QSoundEffect* e) { return e->isPlaying(); });
}

void TabfWav::setLautstaerke(double lautstaerke)
{
    m_lautstaerke = std::clamp(lautstaerke, 0.0, 1.0);
    for (QSoundEffect* e : std::as_const(m_effekte)) e->setVolume(float(m_lautstaerke));
}
