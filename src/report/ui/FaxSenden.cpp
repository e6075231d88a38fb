#include "report/ui/FaxSenden.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "report/Berichtausgabe.h"
#include "report/Deckblatt.h"
#include "report/ui/Senden.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TFaxSenden::TFaxSenden(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FaxSenden"));

    CDeckblatt = new QComboBox(this);
    CDeckblatt->setObjectName(QStringLiteral("CDeckblatt"));
    CDeckblatt->setToolTip(QStringLiteral("Ausgewähltes Deckblatt wird mit versendet."));
    CDeckblatt->setMinimumWidth(280);
    const Sendeknoepfe k =
        SendenEinrichten(this, QStringLiteral("Deckblatt als Standard für den email Versand verwenden"),
                         u"ColorFaxSenden");
    BtnStandard = k.BtnStandard;
    BtnDeckblatt = k.BtnDeckblatt;
    BtnOk = k.BtnOk;
    BtnAbbrechen = k.BtnAbbrechen;
    PopupColorGround = k.PopupColorGround;

    connect(BtnStandard, &QPushButton::clicked, this, &TFaxSenden::BtnStandardClick);
    connect(BtnDeckblatt, &QPushButton::clicked, this, &TFaxSenden::BtnDeckblattClick);
    connect(BtnOk, &QPushButton::clicked, this, &TFaxSenden::BtnOkClick);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Deckblatt:"), this));
    zeile->addWidget(CDeckblatt, 1);
    auto* deckblatt = new QHBoxLayout;
    deckblatt->addStretch();
    deckblatt->addWidget(BtnStandard);
    deckblatt->addWidget(BtnDeckblatt);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(zeile);
    spalte->addLayout(deckblatt);
    spalte->addSpacing(10);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

void TFaxSenden::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
    BtnOk->setFocus();
}

void TFaxSenden::FormActivate() { listeFuellen(AktWettkampf ? AktWettkampf->FaxDeckblatt : 0); }

// The cover names in order with entry k selected; no selection when cover k
// no longer exists.
void TFaxSenden::listeFuellen(int k)
{
    const QSignalBlocker sperre(CDeckblatt);
    CDeckblatt->clear();
    CDeckblatt->addItems(DeckblattNamen());
    CDeckblatt->setCurrentIndex(k < CDeckblatt->count() ? k : -1);
}

void TFaxSenden::BtnStandardClick()
{
    if (AktWettkampf) DeckblattStandardSetzen(*AktWettkampf, true, DeckblattAuswahl(CDeckblatt->currentIndex()));
}

void TFaxSenden::BtnOkClick()
{
    if (TWettkampfDaten* w = AktWettkampf) {
        const u8 k = DeckblattAuswahl(CDeckblatt->currentIndex());
        if (w->FaxDeckblatt != k) w->Geaendert = 1;
        w->FaxDeckblatt = k;
    }
    accept();
}

// The covers may have changed: the list anew, with the entry chosen here
// kept while it still exists.
void TFaxSenden::BtnDeckblattClick()
{
    const int gewaehlt = CDeckblatt->currentIndex();
    fenster().dialog(Dialog::Deckblatt);
    listeFuellen(gewaehlt);
}
