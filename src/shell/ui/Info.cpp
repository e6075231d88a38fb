#include "shell/ui/Info.h"

#include "core/Globals.h"
#include "core/Shell.h"
#include "core/Sound.h"
#include "core/ui/Bilder.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanKarte.h"
#include "shell/ui/Progende.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSysInfo>
#include <cstdio>

namespace {

constexpr int Breite = 693;
constexpr int Hoehe = 465;
constexpr int AnzeigeNormal = 5;

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text, int pixel, int x, int y,
                     bool fett = false)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    l->setFont(f);
    l->move(x, y);
    l->setMinimumWidth(Breite - x - 16);
    return l;
}

int BreiteDesBildschirms(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

}  // namespace

TInfo::TInfo(QWidget* parent, int bildschirmbreite)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_breite(bildschirmbreite)
{
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(Breite, Hoehe);
    if (m_breite < 0) m_breite = BreiteDesBildschirms(this);

    Panel = new QWidget(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setGeometry(rect());
    Panel->setAutoFillBackground(true);
    QPalette pal = Panel->palette();
    pal.setColor(QPalette::Window, QColor(236, 240, 248));
    Panel->setPalette(pal);
    Panel1 = new QWidget(Panel);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, Breite - 16, Hoehe - 16);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(KegelBild(QSize(240, 300)));
    Image1->setGeometry(8, 8, 240, 300);

    const int x = 264;
    LProductName = Beschriftung(Panel1, "LProductName", QStringLiteral("Corvalink"), 34, x, 12, true);
    LVersionName = Beschriftung(Panel1, "LVersionName", QStringLiteral("Version:"), 15, x, 70);
    LVersionName->setMinimumWidth(0);
    LVersion = Beschriftung(Panel1, "LVersion", Versionstext, 15, x + 70, 70);
    LWindows = Beschriftung(Panel1, "LWindows", QStringLiteral("Plattform ") + QSysInfo::prettyProductName(), 15, x, 94);
    LCanStatus = Beschriftung(Panel1, "LCanStatus", QString(), 15, x, 130);
    LKarteStatus = Beschriftung(Panel1, "LKarteStatus", QString(), 15, x, 154);
    Beschriftung(Panel1, "LHersteller", QStringLiteral("Brenwick Lanorik"), 15, x, 196, true);
    Beschriftung(Panel1, "LHersteller2", QStringLiteral("Software für Kegelbahnen"), 15, x, 218);
    LInternet = Beschriftung(Panel1, "LInternet", QStringLiteral("www.brenwick-lanorik.example"), 15, x, 244);
    LInternet->setCursor(Qt::PointingHandCursor);
    QPalette link = LInternet->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 192));
    LInternet->setPalette(link);
    LInternet->installEventFilter(this);

    LHinweis = Beschriftung(Panel1, "LHinweis", QString(), 15, 8, 320, true);
    QPalette rot = LHinweis->palette();
    rot.setColor(QPalette::WindowText, QColor(192, 0, 0));
    LHinweis->setPalette(rot);
    LLaden = Beschriftung(Panel1, "LLaden", QStringLiteral("Programmteile laden"), 13, 8, 372);
    ProgressBar = new QProgressBar(Panel1);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setGeometry(8, 396, Breite - 32, 20);

    TimerHide = new Zeitgeber([this] { TimerHideGo(); }, 1000, this);

    // FormCreate
    LVersion->setText(Versionstext);
    TimerHide->setEnabled(true);
    if (schmal()) {
        LHinweis->setText(QStringLiteral("Benötigte Bildschirmauflösung ab 1024 Bildpunkte !"));
        LHinweis->show();
    } else {
        LHinweis->hide();
    }
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    show();
}

void TInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // FormActivate
    LCanStatus->setText(CanEinstellungen.StatusText);
    LKarteStatus->setText(KartenStatusText);
    SoundSpielen(QStringLiteral("Bravolin.wav"));
    repaint();
}

void TInfo::NextStep(int position)
{
    ProgressBar->setValue(position);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TInfo::TimerHideGo()
{
    if (ProgressBar->value() == 100) close();
}

void TInfo::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    close();
}

bool TInfo::eventFilter(QObject* o, QEvent* e)
{
    if (o == LInternet && e->type() == QEvent::MouseButtonPress) {
        DateiAusfuehren(HerstellerAdresse, QString(), QString(), AnzeigeNormal);
        close();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TInfo::closeEvent(QCloseEvent* event)
{
    TimerHide->setEnabled(false);
    if (!schmal()) {
        // From now on the about window, without the progress.
        LLaden->hide();
        ProgressBar->hide();
    } else if (Progende) {
        // Whoever started the program learns why it ended.
        std::fputs(qUtf8Printable(QStringLiteral("Corvalink: Der Bildschirm ist %1 Bildpunkte breit, das Programm "
                                                 "braucht mindestens 1024. Das Programm wird beendet.\n")
                                      .arg(m_breite)),
                   stderr);
        Progende->ProgrammBeenden(1);
    }
    QDialog::closeEvent(event);
}
