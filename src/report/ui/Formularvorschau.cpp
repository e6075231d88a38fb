#include "report/ui/Formularvorschau.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/Zeitgeber.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "report/Berichtzustand.h"
#include "report/formulare/Formular.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

Textrahmen::Textrahmen(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::SizeAllCursor);
}

void Textrahmen::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

TFormular::TFormular(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formular"));
    setWindowTitle(QStringLiteral("Formular"));
    setToolTip(QStringLiteral("Spielberichtsformular"));

    PAnsicht = new QScrollArea(this);
    PAnsicht->setObjectName(QStringLiteral("PAnsicht"));
    PAnsicht->setFocusPolicy(Qt::NoFocus);
    PAnsicht->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageAnsicht = new QLabel;
    ImageAnsicht->setObjectName(QStringLiteral("ImageAnsicht"));
    PAnsicht->setWidget(ImageAnsicht);

    LText = new QLabel(ImageAnsicht);
    LText->setObjectName(QStringLiteral("LText"));
    LText->setTextFormat(Qt::PlainText);
    LText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LText->setAttribute(Qt::WA_TransparentForMouseEvents);
    LText->hide();
    SText = new Textrahmen(ImageAnsicht);
    SText->setObjectName(QStringLiteral("SText"));
    SText->installEventFilter(this);
    SText->hide();

    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    for (QPushButton* b : {BtnOk, BtnAbbrechen}) {
        connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });
        // The arrow keys move the text whatever has the focus.
        b->installEventFilter(this);
    }
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    TimerMouseOut = new Zeitgeber([this] { TimerMouseOutGo(); }, VorschauTimerMs, this);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(PAnsicht, 1);
    spalte->addLayout(unten);
}

void TFormular::textSetzen(const QString& text, int top, int left, int width)
{
    LText->setText(text);
    m_start = QRect(left, top, width, 0);
}

bool TFormular::FormActivate()
{
    LText->hide();
    SText->hide();
    QString fehler;
    const QImage bild = PositionVorschaubild(berichtZustand.FormularIndex, &fehler);
    if (bild.isNull()) {
        boxen().hinweis(fehler);
        return false;
    }
    ImageAnsicht->setPixmap(QPixmap::fromImage(bild));
    ImageAnsicht->resize(bild.size());

    const Berichtsschrift s = FormularkontextLesen(berichtZustand.FormularIndex).schrift;
    QFont schrift(s.name);
    schrift.setPixelSize(std::max(1, s.pixel()));
    schrift.setBold(s.fett);
    schrift.setItalic(s.kursiv);
    LText->setFont(schrift);
    QPalette farben = LText->palette();
    farben.setColor(QPalette::WindowText, FarbeZuQColor(s.farbe));
    LText->setPalette(farben);
    // A frame the mouse can take even for a font of size 0.
    const int hoehe = std::max(QFontMetrics(schrift).height(), VorschauMindestbreite);
    // The report writes the field's text standing on its top line (one
    // font height above it), so the frame shows it there too.
    m_oben = s.pixel();
    rahmenSetzen(VorschauRechteck(m_start.y() - m_oben, m_start.x(), m_start.width(), hoehe));
    LText->show();
    SText->show();
    SText->raise();

    const QScreen* schirm = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    const QSize platz = schirm ? schirm->availableGeometry().size() * 0.9 : QSize(1000, 700);
    resize(std::min(bild.width() + 40, platz.width()), std::min(bild.height() + 80, platz.height()));
    return true;
}

QRect TFormular::textRechteck() const { return LText->geometry().translated(0, m_oben); }

void TFormular::rahmenSetzen(const QRect& r)
{
    SText->setGeometry(r);
    LText->setGeometry(r);
}

Vorschausicht TFormular::sicht() const
{
    return {QPoint(PAnsicht->horizontalScrollBar()->value(), PAnsicht->verticalScrollBar()->value()),
            PAnsicht->viewport()->size(), ImageAnsicht->size()};
}

void TFormular::bildlaufSetzen(QPoint p)
{
    PAnsicht->horizontalScrollBar()->setValue(p.x());
    PAnsicht->verticalScrollBar()->setValue(p.y());
}

void TFormular::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (layout()) layout()->activate();
    PAnsicht->ensureWidgetVisible(SText, 100, 100);
}

bool TFormular::FormKeyDown(int taste, Qt::KeyboardModifiers modifier)
{
    int dx = 0, dy = 0;
    switch (taste) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
    }
    const int schritt = VorschauPfeilschritt(modifier & Qt::ShiftModifier, modifier & Qt::ControlModifier);
    const Vorschaulage lage = VorschauPfeiltaste(SText->geometry(), sicht(), dx, dy, schritt);
    rahmenSetzen(lage.rahmen);
    bildlaufSetzen(lage.bildlauf);
    return true;
}

void TFormular::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event->key(), event->modifiers())) QDialog::keyPressEvent(event);
}

void TFormular::TimerMouseOutGo() { bildlaufSetzen(VorschauBildlauf(SText->geometry(), sicht(), VorschauBildlaufSchritt)); }

bool TFormular::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == SText) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: TextMouseDown(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseMove: TextMouseMove(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseButtonRelease: TextMouseUp(); return true;
        default: break;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(taste->key(), taste->modifiers())) return true;
    }
    return QDialog::eventFilter(objekt, event);
}

void TFormular::TextMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    m_druck = event->position().toPoint();
    m_ziehen = VorschauImGriff(m_druck.x(), SText->width()) ? Ziehen::Breite : Ziehen::Bewegen;
}

void TFormular::TextMouseMove(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    switch (m_ziehen) {
    case Ziehen::Nichts:
        SText->setCursor(VorschauImGriff(p.x(), SText->width()) ? Qt::SizeHorCursor : Qt::SizeAllCursor);
        break;
    case Ziehen::Bewegen:
        rahmenSetzen(VorschauVerschoben(SText->geometry(), p - m_druck, ImageAnsicht->size()));
        TimerMouseOut->setEnabled(true);
        break;
    case Ziehen::Breite: {
        QRect r = SText->geometry();
        r.setWidth(VorschauGezogeneBreite(p.x(), r.left(), ImageAnsicht->width()));
        rahmenSetzen(r);
        break;
    }
    }
}

void TFormular::TextMouseUp()
{
    m_ziehen = Ziehen::Nichts;
    TimerMouseOut->setEnabled(false);
}
