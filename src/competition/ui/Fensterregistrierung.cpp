#include "competition/ui/Fensterregistrierung.h"

#include "competition/ui/Explorer.h"
#include "competition/ui/Export.h"
#include "competition/ui/Import.h"
#include "competition/ui/Laden.h"
#include "competition/ui/Mannschaftsdaten.h"
#include "competition/ui/Mannschaftskarte.h"
#include "competition/ui/Speichern.h"
#include "competition/ui/Spielerkarte.h"
#include "competition/ui/Spielleitung.h"
#include "competition/ui/Startfolge.h"
#include "competition/ui/Wettkampf.h"
#include "competition/ui/Wettkoptionen.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"

void CompetitionFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(MdiFenster::Wettkampf, [](QWidget* eltern) { return new TWettkampf(eltern); });
    hub.registrierenMitSeite(Dialog::Mannschaftsdaten, [](QWidget* eltern, int seite) -> QDialog* {
        if (!AktWettkampf) return nullptr;
        return new TMannschaftsdaten(eltern, seite != 2);
    });
    hub.registrieren(Dialog::Spielleitung, [](QWidget* eltern) -> QDialog* {
        if (!AktWettkampf) return nullptr;
        return new TSpielleitung(eltern);
    });
    hub.registrieren(Dialog::Startfolge, [](QWidget* eltern) { return StartfolgeFuerWettkampf(eltern); });
    hub.registrieren(Dialog::Spieldaten, [](QWidget* eltern) { return new TWettkoptionen(eltern); });
    hub.registrieren(Dialog::Export, [](QWidget* eltern) -> QDialog* {
        if (!AktWettkampf) return nullptr;
        return new TExportieren(eltern);
    });
    // The line-up and team imports show no column meanings; seite 2 is the guest side.
    hub.registrieren(
        Dialog::SpielaufstellungImportieren,
        [](QWidget* eltern) { return new TImportieren(eltern, Importziel::Spielaufstellung); },
        [](QDialog* d, int) { SpielaufstellungImportieren(*static_cast<TImportieren*>(d)); });
    hub.registrierenMitSeite(
        Dialog::MannschaftImportieren,
        [](QWidget* eltern, int seite) -> QDialog* {
            if (!AktWettkampf) return nullptr;
            return new TImportieren(eltern, seite != 2 ? Importziel::Heim : Importziel::Gast);
        },
        [](QDialog* d, int seite) { MannschaftImportieren(*static_cast<TImportieren*>(d), seite != 2); });
    hub.registrieren(
        Dialog::SpielerdatenbankImportieren,
        [](QWidget* eltern) { return new TImportieren(eltern, Importziel::Spielerdatenbank); },
        [](QDialog* d, int) { SpielerdatenbankImportieren(*static_cast<TImportieren*>(d)); });
    hub.registrieren(Dialog::Spielerkarte, [](QWidget* eltern) { return new TSpielerkarte(eltern); });
    hub.registrieren(Dialog::Explorer, [](QWidget* eltern) { return new TExplorer(eltern); });
    hub.registrieren(Dialog::Laden, [](QWidget* eltern) { return new TLaden(eltern); });
    // The team card's transfers: OK when the card was read or written.
    hub.registrieren(Dialog::MannschaftskarteLaden, [](QWidget* eltern) {
        return new TMannschaftskarte(TMannschaftskarte::Auftrag::Laden, eltern);
    });
    hub.registrieren(Dialog::MannschaftskarteSpeichern, [](QWidget* eltern) -> QDialog* {
        if (!AktWettkampf) return nullptr;
        return new TMannschaftskarte(TMannschaftskarte::Auftrag::Speichern, eltern);
    });
    hub.registrieren(Dialog::Speichern, [](QWidget* eltern) -> QDialog* {
        if (!AktWettkampf) return nullptr;
        return new TSpeichern(eltern);
    });
}
