#include "report/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "report/ui/Deckblatt.h"
#include "report/ui/Druckoptionen.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/FaxSenden.h"
#include "report/ui/FtpSenden.h"
#include "report/ui/FtpServer.h"
#include "report/ui/Internet.h"
#include "report/ui/Positionsdialog.h"
#include "report/ui/SpFormular.h"
#include "report/ui/Spielbericht.h"
#include "report/ui/Unterschrift.h"

void ReportFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::Position, [](QWidget* eltern) { return new TPositionsdialog(eltern); });
    hub.registrierenMitSeite(Dialog::Druckoptionen,
                             [](QWidget* eltern, int seite) { return new TDruckoptionen(eltern, seite); });
    hub.registrieren(Dialog::Spielberichtformular, [](QWidget* eltern) { return new TSpFormular(eltern); });
    hub.registrieren(Dialog::Unterschrift, [](QWidget* eltern) { return new TUnterschrift(eltern); });
    hub.registrieren(Dialog::Deckblatt, [](QWidget* eltern) { return new TDeckblatt(eltern); });
    hub.registrieren(Dialog::FaxSenden, [](QWidget* eltern) { return new TFaxSenden(eltern); });
    hub.registrieren(Dialog::EmailSenden, [](QWidget* eltern) { return new TEmailSenden(eltern); });
    hub.registrieren(Dialog::Internet, [](QWidget* eltern) { return new TInternet(eltern); });
    hub.registrieren(Dialog::FtpSenden, [](QWidget* eltern) { return new TFtpSenden(eltern); });
    hub.registrieren(Dialog::FtpServer, [](QWidget* eltern) { return new TFtpServer(eltern); });
    hub.registrieren(MdiFenster::Spielbericht, [](QWidget* eltern) { return new TSpielbericht(eltern); });
}
