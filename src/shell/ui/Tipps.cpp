#include "shell/ui/Tipps.h"

#include "core/Sound.h"
#include "core/ui/Bilder.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>

TTipps::TTipps(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Tipps"));
    setFixedSize(693, 499);
    const QString hinweis = QStringLiteral("Schließen durch Klicken");

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setGeometry(rect());

    Image = new QLabel(Panel);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setScaledContents(true);
    Image->setPixmap(VerlaufBild(QSize(121, 456), QColor(24, 48, 96), QColor(120, 150, 200)));
    Image->setGeometry(16, 21, 121, 456);

    RETipps = new QTextEdit(Panel);
    RETipps->setObjectName(QStringLiteral("RETipps"));
    RETipps->setReadOnly(true);
    RETipps->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    RETipps->setFont(f);
    RETipps->setGeometry(153, 21, 513, 457);

    for (QWidget* w : {static_cast<QWidget*>(Panel), static_cast<QWidget*>(Image), RETipps->viewport()}) {
        w->setToolTip(hinweis);
        w->installEventFilter(this);
    }
    RETipps->setToolTip(hinweis);
}

void TTipps::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
}

bool TTipps::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        KlickSoundSpielen();
        close();
        return true;
    }
    return QDialog::eventFilter(o, e);
}
