#include "core/ui/Eingabe.h"

#include "core/Boxes.h"
#include "core/EingabeSchritt.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

TEingabefenster::TEingabefenster(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Eingabefenster"));
    HintergrundSetzen(this, u"ColorHinweis");

    LEingabe = new QLabel(this);
    LEingabe->setObjectName(QStringLiteral("LEingabe"));
    LEingabe->setTextFormat(Qt::PlainText);
    EEingabe = new QLineEdit(this);
    EEingabe->setObjectName(QStringLiteral("EEingabe"));
    EEingabe->setMinimumWidth(200);
    auto* felder = new TastaturFelder(this, FeldcodeEingabe, FeldcodeEingabe);
    felder->feld(FeldcodeEingabe, QStringLiteral("Eingabe:"), ModusText, EEingabe);

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    BtnUp = BoxKnopf(this, QStringLiteral("BtnUp"), QString());
    BtnUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    BtnUp->setAutoDefault(false);
    BtnDown = BoxKnopf(this, QStringLiteral("BtnDown"), QString());
    BtnDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    BtnDown->setAutoDefault(false);

    TimerBtn = new QTimer(this);
    TimerBtn->setObjectName(QStringLiteral("TimerBtn"));
    TimerBtn->setInterval(300);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(BtnOk, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(BtnAbbrechen, QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] { done(ErgebnisOk); });
    connect(knoepfe, &QDialogButtonBox::rejected, this, [this] { done(ErgebnisAbbrechen); });
    connect(BtnUp, &QPushButton::pressed, this, &TEingabefenster::BtnUpGedrueckt);
    connect(BtnDown, &QPushButton::pressed, this, &TEingabefenster::BtnDownGedrueckt);
    connect(BtnUp, &QPushButton::released, this, &TEingabefenster::BtnLosgelassen);
    connect(BtnDown, &QPushButton::released, this, &TEingabefenster::BtnLosgelassen);
    connect(TimerBtn, &QTimer::timeout, this, &TEingabefenster::TimerBtnTick);
    connect(EEingabe, &QLineEdit::textEdited, this, &TEingabefenster::getippt);

    auto* raster = new QGridLayout;
    raster->addWidget(LEingabe, 0, 0, 1, 2);
    raster->addWidget(EEingabe, 1, 0, 2, 1);
    raster->addWidget(BtnUp, 1, 1);
    raster->addWidget(BtnDown, 2, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addWidget(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

void TEingabefenster::BtnUpGedrueckt()
{
    m_richtung = 1;
    schritt(true);
    TimerBtn->start();
}

void TEingabefenster::BtnDownGedrueckt()
{
    m_richtung = -1;
    schritt(false);
    TimerBtn->start();
}

void TEingabefenster::BtnLosgelassen()
{
    m_richtung = 0;
    TimerBtn->stop();
}

void TEingabefenster::TimerBtnTick()
{
    if (m_richtung != 0) schritt(m_richtung > 0);
}

void TEingabefenster::schritt(bool hoch)
{
    EEingabe->setText(EingabeSchritt(EEingabe->text(), Schritt, Zahlformat, Modus, hoch));
}

void TEingabefenster::getippt(const QString& text)
{
    if (const std::optional<QString> neu = HalbschrittKorrektur(text, Zahlformat, Modus)) EEingabe->setText(*neu);
}

void TEingabefenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FeldcodeMin = FeldcodeEingabe;
    FeldcodeMax = FeldcodeEingabe;
    EEingabe->setFocus();
    EEingabe->selectAll();
}

void TEingabefenster::hideEvent(QHideEvent* event)
{
    BtnLosgelassen();
    QDialog::hideEvent(event);
}
