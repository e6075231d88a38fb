#include "competition/Wettkampffelder.h"

#include "core/TextFunctions.h"

#include <string>

bool FeldMarkiertGeaendert(Wettkampffeld f)
{
    switch (f) {
    case Wettkampffeld::ESpielnummer:
    case Wettkampffeld::CSpielart:
    case Wettkampffeld::CGruppe:
        return false;
    default:
        return true;
    }
}

void FeldGeschrieben(TWettkampfDaten& w, Wettkampffeld f)
{
    if (f == Wettkampffeld::EClub || f == Wettkampffeld::EMannschaft) HeimmannschaftSetzen(w);
    if (FeldMarkiertGeaendert(f)) w.Geaendert = 1;
}

void HeimmannschaftSetzen(TWettkampfDaten& w)
{
    std::string s(w.Club.view());
    s += ' ';
    s += w.MannschaftNr.view();
    w.Heimmannschaft = std::string_view(s);
}

QString HeimTitel(const TWettkampfDaten& w)
{
    return TextNichtLeer(w.Heimmannschaft.c_str()) ? w.Heimmannschaft.text() : QStringLiteral("Heimmannschaft");
}

QString GastTitel(const TWettkampfDaten& w)
{
    return TextNichtLeer(w.Gastmannschaft.c_str()) ? w.Gastmannschaft.text() : QStringLiteral("Gastmannschaft");
}

QString SpieldatenTitel(const TWettkampfDaten& w)
{
    return w.Spielart.leer() ? QStringLiteral("Spieldaten") : w.Spielart.text();
}

QString WettkampfTitel(const TWettkampfDaten& w)
{
    return w.Heimmannschaft.text() + QStringLiteral(" - ") + w.Gastmannschaft.text();
}
