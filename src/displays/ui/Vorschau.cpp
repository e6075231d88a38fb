#include "displays/ui/Vorschau.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QUrl>
#include <QVideoWidget>

namespace {

constexpr int Rand = 4;                     // the video's inset into the panel
const QSize VideoStandard(640, 480);        // until the video tells its size

}  // namespace

Vorschauart VorschauartVon(const QString& datei)
{
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("bmp") || endung == QLatin1String("jpg") || endung == QLatin1String("jpeg"))
        return Vorschauart::Bild;
    if (endung == QLatin1String("avi") || endung == QLatin1String("mpg")) return Vorschauart::Video;
    return Vorschauart::Keine;
}

TVorschau::TVorschau(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("Vorschau"));
    Panel = new QWidget(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Image = new QLabel(Panel);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAlignment(Qt::AlignCenter);
    // Clicks on the picture or the video reach the window.
    Image->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TVorschau::~TVorschau()
{
    // The player goes before the video widget it draws into.
    if (MediaPlayer) MediaPlayer->stop();
    delete MediaPlayer;
}

void TVorschau::panelGroesse(QSize inhalt)
{
    Panel->setGeometry(0, 0, inhalt.width(), inhalt.height());
    setFixedSize(inhalt);
}

bool TVorschau::laden(const QString& datei)
{
    if (!QFileInfo(datei).isFile()) return false;
    switch (VorschauartVon(datei)) {
    case Vorschauart::Bild: {
        const QPixmap bild(datei);
        if (bild.isNull()) return false;
        Image->setPixmap(bild);
        Image->setGeometry(0, 0, bild.width(), bild.height());
        Image->show();
        panelGroesse(bild.size());
        return true;
    }
    case Vorschauart::Video: {
        Image->hide();
        panelGroesse(VideoStandard + QSize(2 * Rand, 2 * Rand));
        Video = new QVideoWidget(Panel);
        Video->setObjectName(QStringLiteral("Video"));
        Video->setGeometry(Rand, Rand, Panel->width() - 2 * Rand, Panel->height() - 2 * Rand);
        Video->installEventFilter(this);
        MediaPlayer = new QMediaPlayer(this);
        MediaPlayer->setVideoOutput(Video);
        connect(MediaPlayer, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia) videoEnde();
        });
        // A file that cannot be opened or decoded ends like a finished video.
        connect(MediaPlayer, &QMediaPlayer::errorOccurred, this, [this] { videoEnde(); });
        connect(MediaPlayer, &QMediaPlayer::metaDataChanged, this, [this] {
            QSize groesse = MediaPlayer->metaData().value(QMediaMetaData::Resolution).toSize();
            if (groesse.isEmpty()) return;
            if (const QScreen* s = screen())
                groesse = groesse.boundedTo(s->availableSize() - QSize(2 * Rand, 2 * Rand));
            panelGroesse(groesse + QSize(2 * Rand, 2 * Rand));
            Video->setGeometry(Rand, Rand, groesse.width(), groesse.height());
        });
        MediaPlayer->setSource(QUrl::fromLocalFile(QFileInfo(datei).absoluteFilePath()));
        MediaPlayer->play();
        return true;
    }
    case Vorschauart::Keine: break;
    }
    return false;
}

void TVorschau::videoEnde()
{
    m_beendet = true;
    if (MediaPlayer) MediaPlayer->stop();
    close();
}

void TVorschau::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    videoEnde();
}

bool TVorschau::eventFilter(QObject* o, QEvent* e)
{
    if (o == Video && e->type() == QEvent::MouseButtonPress) {
        videoEnde();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void VorschauAnzeigen(const QString& datei)
{
    TVorschau vorschau;
    if (!vorschau.laden(datei)) return;
    if (const QScreen* s = QGuiApplication::primaryScreen()) vorschau.move(s->geometry().topLeft());
    if (!vorschau.beendet()) vorschau.exec();
}
