#include "match/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "match/ui/CanTiming.h"
#include "match/ui/Druckerport.h"
#include "match/ui/Einzelergebnis.h"
#include "match/ui/Ergebnis.h"
#include "match/ui/Korrektur.h"
#include "match/ui/Spielerdaten.h"

void MatchFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::CanTiming, [](QWidget* eltern) { return new TCanTiming(eltern); });
    hub.registrieren(Dialog::Druckerport, [](QWidget* eltern) { return new TDruckerPort(OptDrucker, eltern); });
    hub.registrieren(MdiFenster::Ergebnis, [](QWidget* eltern) { return new TErgebnis(eltern); });
    hub.registrierenMitSeite(Dialog::Korrektur, [](QWidget* eltern, int bahn) { return new TKorrektur(eltern, bahn); });
    hub.registrieren(Dialog::Spielerdaten, [](QWidget* eltern) { return new TSpielerdaten(eltern); });
    hub.registrieren(Dialog::Wurfliste, [](QWidget* eltern) { return new TEinzelergebnis(eltern); });
}
