#include "match/ui/CanTiming.h"

#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "match/bus/CanKarte.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QComboBox* auswahl(QWidget* eltern, const char* name, const QStringList& eintraege)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(eintraege);
    return c;
}

QStringList zahlen(int bis)
{
    QStringList l;
    for (int i = 1; i <= bis; ++i) l << QString::number(i);
    return l;
}

}  // namespace

TCanTiming::TCanTiming(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("CAN Bus Timing"));
    HintergrundSetzen(this, u"ColorHinweis");

    CTeiler = auswahl(this, "CTeiler", zahlen(8));
    CSJW = auswahl(this, "CSJW", zahlen(4));
    CTiming1 = auswahl(this, "CTiming1", zahlen(16));
    CTiming2 = auswahl(this, "CTiming2", zahlen(8));
    CSamples = auswahl(this, "CSamples", {QStringLiteral("1"), QStringLiteral("3")});

    BtnOk = BoxKnopf(this, QStringLiteral("BtnOk"), QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(BtnOk, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(BtnAbbrechen, QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TCanTiming::BtnOkClick);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* raster = new QGridLayout;
    const std::pair<const char*, QComboBox*> zeilen[] = {
        {"Frequenzteiler:", CTeiler}, {"SJW:", CSJW},         {"Timing1:", CTiming1},
        {"Timing2:", CTiming2},       {"Samples:", CSamples},
    };
    int zeile = 0;
    for (const auto& [text, combo] : zeilen) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(combo);
        raster->addWidget(l, zeile, 0);
        raster->addWidget(combo, zeile, 1);
        ++zeile;
    }
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addWidget(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

// Each field from the stored bytes; a prescaler beyond the list shows as its
// last entry.
void TCanTiming::showEvent(QShowEvent* event)
{
    const u8 btr0 = CanEinstellungen.Btr0;
    const u8 btr1 = CanEinstellungen.Btr1;
    CTeiler->setCurrentIndex(std::min(btr0 & 0x3F, CTeiler->count() - 1));
    CSJW->setCurrentIndex(btr0 >> 6);
    CTiming1->setCurrentIndex(btr1 & 0x0F);
    CTiming2->setCurrentIndex((btr1 >> 4) & 0x07);
    CSamples->setCurrentIndex(btr1 >> 7);
    QDialog::showEvent(event);
}

void TCanTiming::mousePressEvent(QMouseEvent* event)
{
    KlickSoundSpielen();
    QDialog::mousePressEvent(event);
}

void TCanTiming::BtnOkClick()
{
    CanEinstellungen.Btr0 = static_cast<u8>(CSJW->currentIndex() << 6 | CTeiler->currentIndex());
    CanEinstellungen.Btr1 =
        static_cast<u8>(CSamples->currentIndex() << 7 | CTiming2->currentIndex() << 4 | CTiming1->currentIndex());
    accept();
}
