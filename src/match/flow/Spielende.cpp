#include "match/flow/Spielende.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnfenster.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"
#include "match/flow/Wettkampfslots.h"

namespace {

bool Modus0() { return Einst.Bahnsteuerung == 0; }

}  // namespace

void SpielBeenden(TWettkampfDaten& m)
{
    m.Gestartet = 0;
    m.Beendet = 1;
    m.Geaendert = 1;  // the results are not saved yet: closing asks
    m.EndeAngefordert = 0;
    RundenwechselVergessen(m);
    // No sudden victory runs any more: the points are those of an ended game,
    // its set-point sums stay as the last round left them.
    m.SVictoryLaeuft = 0;
    // Struck players leave the side totals before the points are taken.
    SpielerplatzierungBerechnen(m);
    if (m.Streichspiel && !PlatzierungGesperrt) {
        MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn);
        MannschaftsanzeigeBahnAktualisieren(m.ErsteSpielbahn + 1);
    }
    PunkteBerechnen(m);
    m.Ende.setzen(Jetzt().time().toString(QStringLiteral("hh:mm:ss")).toLatin1());

    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k) {
        TBahnDaten& l = BahnDaten[k];
        if (l.Wettk == &m) {
            l.Wettk = nullptr;
            ZurueckgehalteneVerwerfen(k);
        }
        if (m.BahnImSpiel[k]) {
            l.BahnStatus = 0;
            m.BahnImSpiel[k] = 0;
            l.BahnGestartet = 0;
            l.BahnGestoppt = 0;
            if (l.BahnSpieler) l.BahnSpieler->Fertig = 1;
            bahnfenster().bahnuebersichtAktualisieren(k);
        }
        CanNachrichtSenden(k, CanRahmen::Steuerbefehl(CanRahmen::BefehlLauf));
        if (!Modus0() && l.BahnOnline) {
            CanNachrichtSenden(k, CanRahmen::Steuerbefehl(CanRahmen::BefehlSportAus));
            CanNachrichtSenden(k, CanRahmen::Freigeben());
            CanNachrichtSenden(k, CanRahmen::Abmelden());
        }
        NamenanzeigeBahnAktualisieren(k);
    }
    for (int k = b.erste; k <= b.letzte; ++k) drucker().zentralDruckerFreigeben(k);
    if (Modus0()) CanNachrichtSenden(b.erste, CanRahmen::Abmelden());

    fenster().hauptmenueAktualisieren();
    if (&m == AktWettkampf) {
        fenster().aktualisieren(MdiFenster::Wettkampf);
        if (bahnfenster().spielberichtAktiv()) fenster().aktualisieren(MdiFenster::Spielbericht);
        SpielstatusAnzeigen();
    }
    m.Spielphase = PhaseBeendet;
    if (BahnDaten.contains(b.erste)) {
        const u8 tafel = MannschanzZuordnung[b.erste];
        if (MannschanzWettkampf.contains(tafel) && MannschanzWettkampf[tafel] == &m) MannschanzWettkampf[tafel] = nullptr;
    }
    NamenanzWerbungEinschalten(m);
    MonitorMannschaftSenden(m);
    MonitorStatusSenden(m);
    CanLogZeile("Spielende Bahn " + QByteArray::number(m.ErsteSpielbahn));
    if (m.FtpUpdate) LiveErgebnisHochladen(m, 0);
    // The match ends all the same; the operator learns what is missing.
    const QString fehlend = FehlendeTeileText(m);
    FehlendeTeileVergessen(m);
    if (!fehlend.isEmpty()) boxen().hinweis(fehlend);
}
