#pragma once
// The preview of an advert file: a borderless window at the top left corner
// of the screen that shows a picture, or plays a video inset 4 pixels into
// its panel. A click anywhere closes it; a video closes it when it ends
// (or fails to open or decode).

#include <QDialog>
#include <QString>

class QLabel;
class QMediaPlayer;
class QVideoWidget;

// What the preview does with a file, by its extension (any case).
enum class Vorschauart { Keine, Bild, Video };
Vorschauart VorschauartVon(const QString& datei);

class TVorschau : public QDialog {
    Q_OBJECT
public:
    explicit TVorschau(QWidget* parent = nullptr);
    ~TVorschau() override;

    QWidget* Panel;
    QLabel* Image;
    QMediaPlayer* MediaPlayer = nullptr;  // created for a video
    QVideoWidget* Video = nullptr;

    // Puts the file into the window and sizes the window to it; a video
    // starts playing. False when there is nothing to show.
    bool laden(const QString& datei);
    // The video has ended: the player stops and the window closes.
    void videoEnde();
    // The video has ended or failed already (before the window was shown).
    bool beendet() const { return m_beendet; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void panelGroesse(QSize inhalt);

    bool m_beendet = false;
};

// Shows the file in a preview window, modally; nothing when the file does
// not exist or is no picture or video.
void VorschauAnzeigen(const QString& datei);
