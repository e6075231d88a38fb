#include "core/ui/HinweisJa.h"

#include "core/Boxes.h"

THinweisJa::THinweisJa(QWidget* parent)
    : THinweisFenster(parent, {QStringLiteral("Achtung !"), QStringLiteral("Frage.wav"), ErgebnisNein, 410, true})
{
    setToolTip(QStringLiteral("Programm wartet auf Bestätigung"));
    BtnJa = knopf(QStringLiteral("BtnJa"), QStringLiteral("&Ja"), ErgebnisJa);
    BtnNein = knopf(QStringLiteral("BtnNein"), QStringLiteral("&Nein"), ErgebnisNein);
}
