#include "competition/ui/Startfolge.h"

#include "competition/Startfolge.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {

// A lane seen from above: the gutters, the lane and the nine pins in their
// diamond at the far end.
QPixmap Bahnbild()
{
    const QSize groesse(40, 120);
    QPixmap bild(groesse);
    bild.fill(QColor(90, 90, 90));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(6, 0, 28, 120), QColor(222, 190, 140));
    p.setPen(QColor(150, 110, 60));
    for (int x = 12; x < 34; x += 6) p.drawLine(x, 40, x, 120);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    // Rows of the diamond from the front pin: 1, 2, 3, 2, 1.
    const int reihen[] = {1, 2, 3, 2, 1};
    for (int r = 0; r < 5; ++r) {
        const int n = reihen[r];
        for (int i = 0; i < n; ++i) {
            const int x = 20 + (2 * i - (n - 1)) * 5;
            const int y = 32 - r * 6;
            p.drawEllipse(QPoint(x, y), 2, 2);
        }
    }
    return bild;
}

}  // namespace

TStartfolge::TStartfolge(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Startfolge"));
    setWindowTitle(QStringLiteral("Startfolge"));
    HintergrundSetzen(this, u"ColorStartfolge");

    CSpieler = new QComboBox(this);
    CSpieler->setObjectName(QStringLiteral("CSpieler"));
    for (int nr = 1; nr <= MaxSpieler; ++nr) CSpieler->addItem(StartfolgeSpielerName(nr));
    connect(CSpieler, &QComboBox::currentIndexChanged, this, &TStartfolge::CSpielerChange);

    EStartfolge = new QLineEdit(this);
    EStartfolge->setObjectName(QStringLiteral("EStartfolge"));
    EStartfolge->setToolTip(QStringLiteral("Bahnen in der gespielten Reihenfolge, z. B. 01-02-03-04"));
    EStartfolge->setMaxLength(20);
    connect(EStartfolge, &QLineEdit::editingFinished, this, [this] { EStartfolgeExit(); });

    BtnEingabeLoeschen = BoxKnopf(this, QStringLiteral("BtnEingabeLoeschen"), QStringLiteral("Eingabe löschen"));
    BtnLoeschen = BoxKnopf(this, QStringLiteral("BtnLoeschen"), QStringLiteral("Alle löschen"));
    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    for (QPushButton* b : {BtnEingabeLoeschen, BtnLoeschen, BtnOk, BtnAbbrechen}) b->setAutoDefault(false);
    connect(BtnEingabeLoeschen, &QPushButton::clicked, this, &TStartfolge::BtnEingabeLoeschenClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TStartfolge::BtnLoeschenClick);
    connect(BtnOk, &QPushButton::clicked, this, &TStartfolge::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* eingabe = new QGridLayout;
    auto* lSpieler = new QLabel(QStringLiteral("Spieler:"), this);
    lSpieler->setBuddy(CSpieler);
    auto* lFolge = new QLabel(QStringLiteral("Bahnfolge:"), this);
    lFolge->setBuddy(EStartfolge);
    eingabe->addWidget(lSpieler, 0, 0);
    eingabe->addWidget(CSpieler, 0, 1);
    eingabe->addWidget(lFolge, 1, 0);
    eingabe->addWidget(EStartfolge, 1, 1);
    eingabe->addWidget(BtnEingabeLoeschen, 0, 2);
    eingabe->addWidget(BtnLoeschen, 1, 2);
    eingabe->setColumnStretch(1, 1);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelBahnen"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* bahnen = new QHBoxLayout(panel);
    const QPixmap bild = Bahnbild();
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QStringLiteral("ImageBahn%1").arg(bahn));
        b->setProperty("Tag", bahn);
        b->setIcon(QIcon(bild));
        b->setIconSize(bild.size());
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);  // a click must not end the edit
        b->setToolTip(QStringLiteral("Bahn %1").arg(bahn));
        connect(b, &QToolButton::clicked, this, [this, bahn] { BahnClick(bahn); });
        auto* l = new QLabel(QStringLiteral("Bahn %1").arg(bahn), panel);
        l->setObjectName(QStringLiteral("LBahn%1").arg(bahn));
        l->setProperty("Tag", bahn);
        l->setAlignment(Qt::AlignCenter);
        auto* saeule = new QVBoxLayout;
        saeule->addWidget(b, 0, Qt::AlignHCenter);
        saeule->addWidget(l);
        bahnen->addLayout(saeule);
        ImageBahn[bahn] = b;
        LBahn[bahn] = l;
    }
    bahnen->addStretch(1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(eingabe);
    spalte->addWidget(panel);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);  // as wide as the lanes shown

    PopupColor = new QMenu(this);
    PopupColor->setObjectName(QStringLiteral("PopupColor"));
    PopupColorGround = HintergrundAktion(this, u"ColorStartfolge", PopupColor);
}

// Before the window is laid out: it is as wide as the lanes it shows.
void TStartfolge::setVisible(bool visible)
{
    if (visible && !isVisible()) FormActivate();
    QDialog::setVisible(visible);
}

void TStartfolge::contextMenuEvent(QContextMenuEvent* event) { PopupColor->popup(event->globalPos()); }

void TStartfolge::mousePressEvent(QMouseEvent* event)
{
    KlickSoundSpielen();
    QDialog::mousePressEvent(event);
}

void TStartfolge::FormActivate()
{
    setWindowTitle(QStringLiteral("Startfolge  ") + BahnText);
    StartfolgeBereichSetzen(BahnText);
    const int erste = StartfolgeErsteBahn;
    const int letzte = StartfolgeHoechsteBahn();
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        const bool sichtbar = erste >= 1 && bahn >= erste && bahn <= letzte;
        ImageBahn[bahn]->setVisible(sichtbar);
        LBahn[bahn]->setVisible(sichtbar);
    }
    {
        const QSignalBlocker sperre(CSpieler);
        CSpieler->setCurrentIndex(0);
    }
    StartfolgeSpieler = 1;
    folgeZeigen();
    EStartfolge->setFocus();
    BahnfolgeAnzahl = 0;
}

void TStartfolge::folgeZeigen() { EStartfolge->setText(BahnfolgeText(StartfolgeSpieler)); }

void TStartfolge::CSpielerChange(int index)
{
    // The lanes typed for the player chosen before count as the edit left.
    EStartfolgeExit();
    BahnfolgeAnzahl = 0;
    StartfolgeSpieler = u8(std::clamp(index + 1, 1, MaxSpieler));
    folgeZeigen();
    BahnfolgeLesen(StartfolgeSpieler, EStartfolge->text());
}

void TStartfolge::BahnClick(int bahn)
{
    KlickSoundSpielen();
    EStartfolgeExit();
    if (BahnKlicken(bahn)) folgeZeigen();
}

bool TStartfolge::EStartfolgeExit()
{
    const QString text = EStartfolge->text();
    if (text == BahnfolgeText(StartfolgeSpieler)) return true;
    const std::optional<QString> fehler = BahnfolgeLesen(StartfolgeSpieler, text);
    if (!fehler) {
        folgeZeigen();
        return true;
    }
    // Shown again before the box opens: its focus change ends the edit once more.
    folgeZeigen();
    boxen().hinweis(*fehler);
    return false;
}

void TStartfolge::BtnEingabeLoeschenClick()
{
    EStartfolge->clear();
    BahnfolgeLoeschen(StartfolgeSpieler);
}

void TStartfolge::BtnLoeschenClick()
{
    EStartfolge->clear();
    AlleBahnfolgenLoeschen();
}

void TStartfolge::BtnOkClick()
{
    if (!EStartfolgeExit()) return;
    // A plan that could not be written keeps the dialog open: nothing typed is lost.
    if (StartfolgeSpeichern(Vorwahl)) accept();
}

TStartfolge* StartfolgeFuerWettkampf(QWidget* eltern)
{
    auto* dialog = new TStartfolge(eltern);
    if (startfolgeZustand.VorgabeVorwahl >= 0) {
        dialog->Vorwahl = std::exchange(startfolgeZustand.VorgabeVorwahl, -1);
        dialog->BahnText = startfolgeZustand.VorgabeBahnText;
        return dialog;
    }
    const TWettkampfDaten* w = AktWettkampf;
    dialog->Vorwahl = w ? w->Wurfvorwahl : 0;
    const QStringList bahnen = WurfvorwahlBahnen(WurfvorwahlZeile(dialog->Vorwahl));
    dialog->BahnText = bahnen.value(w ? w->BahnenIndex : 0);
    if (w && dialog->BahnText.isEmpty())
        dialog->BahnText = QStringLiteral("Bahn %1 bis %2").arg(w->ErsteBahn).arg(w->LetzteBahn);
    return dialog;
}
