#include "core/ui/HinweisMulti.h"

#include "core/Boxes.h"

THinweisMulti::THinweisMulti(QWidget* parent)
    : THinweisFenster(parent, {QStringLiteral("Achtung !"), QStringLiteral("Frage.wav"), ErgebnisAbbrechen, 464, true,
                               &HinweisMultiBreite})
{
    BtnJa = knopf(QStringLiteral("BtnJa"), QStringLiteral("&Ja"), ErgebnisJa);
    BtnNein = knopf(QStringLiteral("BtnNein"), QStringLiteral("&Nein"), ErgebnisNein);
    BtnAbbrechen = knopf(QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"), ErgebnisAbbrechen);
}
