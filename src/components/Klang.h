#pragma once
// The sound component: plays a WAV file, a Qt resource, the data it holds
// or the desktop's default sound, through Qt Multimedia. Each source is
// loaded once and kept; an asynchronous play returns at once.

#include "components/Dateikomponenten.h"

#include <QHash>
#include <QTemporaryFile>
#include <memory>

class QSoundEffect;

class TabfWav : public TabfCustomFileStorage {
    Q_OBJECT
public:
    enum TabfWavPlayFrom { pfFile, pfResource, pfDFM, pfSystemEvent };
    Q_ENUM(TabfWavPlayFrom)

    explicit TabfWav(QObject* parent = nullptr);
    ~TabfWav() override;

    bool AsyncPlay = true;
    QString EventAlias = QStringLiteral(".Default");
    bool Looped = false;
    bool NoDefaultSound = false;  // a source that cannot be played stays silent
    bool NoStopSound = false;     // nothing starts while another sound plays
    bool NoWaitIfBusy = false;    // nothing to wait for here: sounds play side by side
    TabfWavPlayFrom PlayFrom = pfFile;
    QString ResourceName = QStringLiteral("WAVE1");  // ":/WAVE1"

    // The WAV file; with pfDFM its data is read into the component.
    void setFileName(const QString& name);

    // Plays the chosen source between OnPlayBefore and OnPlayAfter; false
    // when nothing was started.
    bool Play();
    // Stops the chosen source when it is playing.
    void Stop();
    bool Playing() const;

    // The program's own output volume, 0..1, for every sound from now on.
    void setLautstaerke(double lautstaerke);
    double lautstaerke() const { return m_lautstaerke; }

signals:
    void OnPlayBefore();
    void OnPlayAfter();

private:
    QString quelle();
    QSoundEffect* effekt(const QString& pfad);
    void standardton() const;

    QHash<QString, QSoundEffect*> m_effekte;
    std::unique_ptr<QTemporaryFile> m_daten;
    QByteArray m_datenStand;
    double m_lautstaerke = 1.0;
};
