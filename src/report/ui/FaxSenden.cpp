#include "report/ui/FaxSenden.h"

#include "core/Globals.h"
#include "report/Berichtausgabe.h"
#include "report/deckblatt/Deckblatt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

TFaxSenden::TFaxSenden(QWidget* parent) : TSendenDialog(parent, "FaxSenden")
{
    CDeckblatt->setToolTip(QStringLiteral("Ausgewähltes Deckblatt wird mit versendet."));
    CDeckblatt->setMinimumWidth(280);
    knoepfeEinrichten(QStringLiteral("Deckblatt als Standard für den email Versand verwenden"), u"ColorFaxSenden");
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Deckblatt:"), this));
    zeile->addWidget(CDeckblatt, 1);
    layoutSetzen(zeile);
}

void TFaxSenden::FormActivate() { listeFuellen(AktWettkampf ? AktWettkampf->FaxDeckblatt : 0); }

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
