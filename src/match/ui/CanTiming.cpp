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

// Each field from the stored bytes; a value beyond its list (a prescaler
// above 8) shows no entry.
void TCanTiming::showEvent(QShowEvent* event)
{
    const u8 btr0 = CanEinstellungen.Btr0;
    const u8 btr1 = CanEinstellungen.Btr1;
    for (const Feld& f : felder()) {
        const int wert = ((f.btr1 ? btr1 : btr0) >> f.schiebung) & f.maske;
        f.combo->setCurrentIndex(wert < f.combo->count() ? wert : -1);
    }
    QDialog::showEvent(event);
}

void TCanTiming::mousePressEvent(QMouseEvent* event)
{
    KlickSoundSpielen();
    QDialog::mousePressEvent(event);
}

// A field without an entry keeps its bits as stored.
void TCanTiming::BtnOkClick()
{
    u8 btr[2] = {CanEinstellungen.Btr0, CanEinstellungen.Btr1};
    for (const Feld& f : felder()) {
        const int index = f.combo->currentIndex();
        if (index < 0) continue;
        u8& b = btr[f.btr1 ? 1 : 0];
        b = static_cast<u8>((b & ~(f.maske << f.schiebung)) | (index & f.maske) << f.schiebung);
    }
    CanEinstellungen.Btr0 = btr[0];
    CanEinstellungen.Btr1 = btr[1];
    accept();
}

std::array<TCanTiming::Feld, 5> TCanTiming::felder() const
{
    return {{{CTeiler, false, 0, 0x3F}, {CSJW, false, 6, 0x03}, {CTiming1, true, 0, 0x0F}, {CTiming2, true, 4, 0x07},
             {CSamples, true, 7, 0x01}}};
}
