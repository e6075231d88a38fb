#include "core/ui/HinweisOk.h"

#include "core/Boxes.h"

THinweisOk::THinweisOk(QWidget* parent)
    : THinweisFenster(parent, {QStringLiteral("Achtung !"), QStringLiteral("Frage.wav"), ErgebnisAbbrechen, 410, true})
{
    setToolTip(QStringLiteral("Programm wartet auf Bestätigung"));
    BtnOk = knopf(QStringLiteral("BtnOk"), QStringLiteral("&Ok"), ErgebnisOk);
    BtnAbbrechen = knopf(QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"), ErgebnisAbbrechen);
}
