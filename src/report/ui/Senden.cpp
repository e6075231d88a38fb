#include "report/ui/Senden.h"

#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QDialog>
#include <QPushButton>

Sendeknoepfe SendenEinrichten(QDialog* d, const QString& standardTipp, const char16_t* farbe)
{
    d->setWindowTitle(QStringLiteral("Spielbericht senden ?"));
    d->setToolTip(QStringLiteral("Deckblatt und Spielbericht senden"));
    HintergrundSetzen(d, u"ColorHinweis");

    Sendeknoepfe k;
    k.BtnStandard = DialogKnopf(d, "BtnStandard", QStringLiteral("&Standard"));
    k.BtnStandard->setToolTip(standardTipp);
    k.BtnDeckblatt = DialogKnopf(d, "BtnDeckblatt", QStringLiteral("Deck&blatt"));
    k.BtnDeckblatt->setToolTip(QStringLiteral("Deckblatt für email oder Faxversand bearbeiten"));
    k.BtnOk = DialogKnopf(d, "BtnOk", QStringLiteral("&Ok"));
    k.BtnOk->setToolTip(QStringLiteral("Spielbericht senden"));
    k.BtnOk->setDefault(true);
    k.BtnAbbrechen = DialogKnopf(d, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    k.BtnAbbrechen->setToolTip(QStringLiteral("Spielbericht nicht senden"));
    k.PopupColorGround = HintergrundAktion(d, farbe);
    d->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QPushButton* b : {k.BtnStandard, k.BtnDeckblatt, k.BtnOk, k.BtnAbbrechen})
        QObject::connect(b, &QPushButton::pressed, d, [] { KlickSoundSpielen(); });
    QObject::connect(k.BtnAbbrechen, &QPushButton::clicked, d, &QDialog::reject);
    return k;
}
