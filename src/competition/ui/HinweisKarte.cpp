#include "competition/ui/HinweisKarte.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

THinweisKarte::THinweisKarte(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HinweisKarte"));
    setWindowTitle(QStringLiteral("Spielerkarte !"));
    setToolTip(QStringLiteral("Programm wartet auf Bestätigung"));
    HintergrundSetzen(this, u"ColorHinweis");

    auto zeile = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setPointSize(12);
        l->setFont(f);
        return l;
    };
    Label1 = zeile("Label1", QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    Label2 = zeile("Label2", QStringLiteral("Soll die Karte im Leser überschrieben werden ?"));
    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    for (QPushButton* b : {BtnOk, BtnAbbrechen}) b->setFixedSize(89, 25);
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, [this] { done(ErgebnisOk); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { done(ErgebnisAbbrechen); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addSpacing(16);
    knoepfe->addWidget(BtnAbbrechen);
    knoepfe->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(30, 24, 30, 20);
    spalte->setSpacing(8);
    spalte->addWidget(Label1);
    spalte->addWidget(Label2);
    spalte->addSpacing(16);
    spalte->addLayout(knoepfe);
    setMinimumWidth(480);
}

// At the centre of the screen, with the question's sound.
void THinweisKarte::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    SoundSpielen(QStringLiteral("Frage.wav"));
}

void THinweisKarte::reject() { done(ErgebnisAbbrechen); }

bool KarteUeberschreibenFragen(QWidget* eltern, const QString& titel, const QString& ersteZeile)
{
    THinweisKarte frage(eltern);
    frage.setWindowTitle(titel);
    frage.Label1->setText(ersteZeile);
    return frage.exec() == ErgebnisOk;
}
