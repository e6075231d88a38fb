#include "platform/FakeCanAdapter.h"

bool FakeCanAdapter::oeffnen(const CanOeffnung& oeffnung, QString* fehler)
{
    ++oeffnungen;
    letzteOeffnung = oeffnung;
    offen = oeffnenGelingt;
    if (!offen && fehler) *fehler = oeffnenFehler;
    return offen;
}

void FakeCanAdapter::schliessen()
{
    ++schliessungen;
    offen = false;
}

bool FakeCanAdapter::senden(const CanRohRahmen& rahmen)
{
    ++versuche;
    const bool nimmt = annehmen.isEmpty() ? true : annehmen.takeFirst();
    if (!offen || !nimmt) return false;
    gesendet.append(rahmen);
    return true;
}

std::optional<CanRohRahmen> FakeCanAdapter::lesen()
{
    if (!offen || empfangen.isEmpty()) return std::nullopt;
    return empfangen.takeFirst();
}
