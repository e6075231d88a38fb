#include "report/ui/Senden.h"

#include "core/Fenster.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "report/deckblatt/Deckblatt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TSendenDialog::TSendenDialog(QWidget* parent, const char* name) : QDialog(parent)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(QStringLiteral("Spielbericht senden ?"));
    setToolTip(QStringLiteral("Deckblatt und Spielbericht senden"));
    HintergrundSetzen(this, u"ColorHinweis");
    CDeckblatt = Benannt(new QComboBox(this), "CDeckblatt");
}

void TSendenDialog::knoepfeEinrichten(const QString& standardTipp, const char16_t* farbe)
{
    BtnStandard = DialogKnopf(this, "BtnStandard", QStringLiteral("&Standard"));
    BtnStandard->setToolTip(standardTipp);
    BtnDeckblatt = DialogKnopf(this, "BtnDeckblatt", QStringLiteral("Deck&blatt"));
    BtnDeckblatt->setToolTip(QStringLiteral("Deckblatt für email oder Faxversand bearbeiten"));
    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setToolTip(QStringLiteral("Spielbericht senden"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    BtnAbbrechen->setToolTip(QStringLiteral("Spielbericht nicht senden"));
    PopupColorGround = HintergrundAktion(this, farbe);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QPushButton* b : {BtnStandard, BtnDeckblatt, BtnOk, BtnAbbrechen})
        connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    connect(BtnStandard, &QPushButton::clicked, this, [this] { BtnStandardClick(); });
    connect(BtnDeckblatt, &QPushButton::clicked, this, &TSendenDialog::BtnDeckblattClick);
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TSendenDialog::layoutSetzen(QLayout* oben)
{
    auto* deckblatt = new QHBoxLayout;
    deckblatt->addStretch();
    deckblatt->addWidget(BtnStandard);
    deckblatt->addWidget(BtnDeckblatt);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addLayout(deckblatt);
    spalte->addSpacing(10);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

void TSendenDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
    BtnOk->setFocus();
}

int TSendenDialog::deckblattEintrag() const { return CDeckblatt->currentIndex(); }

void TSendenDialog::listeFuellen(int k)
{
    const QSignalBlocker sperre(CDeckblatt);
    CDeckblatt->clear();
    CDeckblatt->addItems(DeckblattNamen());
    CDeckblatt->setCurrentIndex(k < CDeckblatt->count() ? k : -1);
}

void TSendenDialog::BtnDeckblattClick()
{
    // The chosen cover stays chosen when covers before it come or go.
    int gewaehlt = deckblattEintrag();
    {
        const DeckblattNummerFolgt folgt(gewaehlt);
        fenster().dialog(Dialog::Deckblatt);
    }
    listeFuellen(gewaehlt);
}
