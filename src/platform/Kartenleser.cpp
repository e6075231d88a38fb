#include "platform/Kartenleser.h"

std::unique_ptr<Kartenleser> KartenleserErzeugen(int, int, const QString&, QString* fehler)
{
    if (fehler) *fehler = QStringLiteral("Chipkarte nicht gefunden !");
    return nullptr;
}

std::unique_ptr<Kartenleser> DateiKartenleser(const QString&) { return nullptr; }
