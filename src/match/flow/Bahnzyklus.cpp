// The lane cycle's state and the registration and preparation of lanes;
// the start of a part is in Teilstart.cpp, the end side in Rundenwechsel.cpp.
#include "match/flow/Bahnzyklus.h"

#include "core/Anzeigedienste.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/dienste/Netzdienste.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Wertung.h"
#include "match/flow/BahnzyklusIntern.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Zeitgeberliste.h"

#include <algorithm>
#include <limits>

BahnzyklusZustand bahnzyklusZustand;
u16& AnmeldeMaske = bahnzyklusZustand.AnmeldeMaske;
u16& VorbereitungsMaske = bahnzyklusZustand.VorbereitungsMaske;
u16& StartMaske = bahnzyklusZustand.StartMaske;
Array1<i32, MaxBahnen>& Startzaehler = bahnzyklusZustand.Startzaehler;

void BahnzyklusZustand::rundenwechselZuruecksetzen()
{
    wechselOffen = {};
    for (auto& f : fehlend) f.clear();
    for (auto& w : zurueckgehalten) w.clear();
}

namespace {

Array1<u8, MaxBahnen>& g_leitbahn = bahnzyklusZustand.leitbahn;
Array1<bool, MaxWettkaempfe>& g_spielOffen = bahnzyklusZustand.spielOffen;

using namespace BahnzyklusIntern;
using namespace CanRahmen;

TSpielerEintrag* SpielerVon(TWettkampfDaten& m, int nr)
{
    return GueltigerSpieler(nr) ? m.SpielerZeiger[nr] : nullptr;
}

// Given up before its preparation: the lane does not hold the others.
bool VorbereitungAufgegeben(int bahn) { return g_unvorbereitet[bahn] && !(VorbereitungsMaske & BahnBit(bahn)); }

bool AlleBahnenBereit(const TWettkampfDaten& m)
{
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k)
        if (m.Bahnbelegung[k] != 0 && !BahnDaten[k].BahnBereit && !VorbereitungAufgegeben(k)) return false;
    // The lead lane takes the game parameters: while its preparation is
    // pending, the group waits for it.
    const int erste = m.ErsteSpielbahn;
    if (GueltigeBahn(erste) && g_leitbahn[erste] && (VorbereitungsMaske & BahnBit(erste)) && !BahnDaten[erste].BahnBereit)
        return false;
    return true;
}

// Passive lanes start their parts by themselves once the group's first lane
// has the game parameters: whether the match still owes them.
bool& SpielOffen(const TWettkampfDaten& m)
{
    static bool keins;
    const long slot = Wettkaempfe.indexOf(&m);
    keins = false;
    return Wettkaempfe.contains(slot) ? g_spielOffen[slot] : keins;
}

void SpielparameterSenden(const TWettkampfDaten& m)
{
    const int erste = m.ErsteSpielbahn;
    if (GueltigeBahn(erste) && BahnDaten[erste].BahnOnline) SpielOffen(m) = false;
    Senden(erste, m.Probewuerfe ? Spielparameter(ParamProbeWuerfe, m.Probewuerfe)
                                : Spielparameter(ParamProbeMinuten, m.Probezeit));
    Senden(erste, Spielparameter(ParamWuerfe, m.Durchgaenge * (m.Volle + m.Abraeumen)));
    Senden(erste, Spielparameter(ParamVolle, m.Volle));
    Senden(erste, Spielparameter(ParamAbraeumen, m.Abraeumen));
    Senden(erste, Spielparameter(ParamWurfzeit, m.Wurfzeit));
    Senden(erste, Spielparameter(ParamBahnen, m.LetzteSpielbahn - m.ErsteSpielbahn + 1));
    Senden(erste, Spielparameter(ParamArt, m.Art));
    Senden(erste, Spielparameter(ParamSpieler, m.Spieleranzahl));
    Senden(erste, ParameterEnde(m.WettkampfNummer));
}

}  // namespace

long BlockNr(const TSpielerEintrag& p) { return std::clamp<long>(p.DurchgangNr, 1, MaxDurchgaenge); }

void BahnTexteBilden(TBahnDaten& l)
{
    ZahlRechtsbuendig(l.TextVolle, l.BahnVolle, 3);
    ZahlRechtsbuendig(l.TextAbraeumen, l.BahnAbraeumen, 3);
    ZahlRechtsbuendig(l.TextFehler, l.BahnFehler, 3);
    ZahlRechtsbuendig(l.TextGesamt, l.BahnGesamt, 3);
    ZahlRechtsbuendig(l.TextTotal, l.BahnTotal, 4);
}

void BahnzyklusZuruecksetzen() { bahnzyklusZustand.zuruecksetzen(); }

void TeileVergessen(const TWettkampfDaten& m)
{
    FehlendeTeileVergessen(m);
    SpielOffen(m) = true;
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k) g_teilRunde[k] = 0;
    for (int k = b.erste; k <= b.letzte; ++k) g_leitbahn[k] = 0;
}

void LeitbahnAnmelden(TWettkampfDaten& m, int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    l.Wiederherstellen = 0;
    l.Wettk = &m;
    Startzaehler[bahn] = 0;
    g_leitbahn[bahn] = 1;
    BahnAnmelden(bahn);
    l.BahnBereit = 0;
    VorbereitungsMaske |= BahnBit(bahn);
}

void SpielbeginnMelden(TWettkampfDaten& m)
{
    m.Beginn.setzen(Jetzt().toString(QStringLiteral("hh:mm:ss")).toLatin1());
    m.Ende.leeren();
    m.WechselAnstehend = 0;
    m.Gestoppt = 0;
    m.EndeAngefordert = 0;
    m.Gestartet = 1;
    m.Spielphase = PhaseBegonnen;

    if (Einst.MannschanzOn) {
        anzeigen().mannschaftsanzeigenZuordnen(m.ErsteSpielbahn, m.LetzteSpielbahn);
        const int tafel = MannschanzZuordnung.contains(m.ErsteSpielbahn) ? MannschanzZuordnung[m.ErsteSpielbahn] : 0;
        // A board the match claimed before its start stays its own.
        if (MannschanzWettkampf.contains(tafel) && (!MannschanzWettkampf[tafel] || MannschanzWettkampf[tafel] == &m)) {
            MannschanzWettkampf[tafel] = &m;
            m.MannschaftsanzeigeEin = 1;
            MannschaftsanzeigeSchalten();
        } else {
            m.MannschaftsanzeigeEin = 0;
        }
    }
    if (Einst.NamenanzOn) {
        m.NamenanzeigeEin = 1;
        NamenanzeigeSchalten();
    }
    MonitorStatusSenden(m);
    MonitorMannschaftSenden(m);
    CanLogZeile(QByteArray("Spielbeginn Bahn ") + QByteArray::number(m.ErsteSpielbahn));
    if (m.FtpUpdate) {
        const qint64 ms = std::clamp<qint64>(qint64(m.FtpUpdateInterv) * 60000, 0, std::numeric_limits<int>::max());
        netz().uploadTimer(m.FtpUpdateZeit != 0, int(ms));
        LiveErgebnisHochladen(m, m.FtpUpdateInterv);
    }
}

void BahnAnmelden(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    l.BahnOnline = 0;
    l.AnmeldeZaehler = 1;
    l.BahnendeZaehler = 0;  // a sign-off still counting must not hit the new registration
    AnmeldeMaske |= BahnBit(bahn);
    Senden(bahn, Konfiguration(Einst.PcEinheit));
    Senden(bahn, Online());
    Timer9().setEnabled(true);
}

void BahnVormerken(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    BahnDaten[bahn].BahnBereit = 0;
    g_unvorbereitet[bahn] = 1;
    VorbereitungsMaske |= BahnBit(bahn);
    StartMaske |= BahnBit(bahn);
    Timer9().setEnabled(true);
}

void BahnVorbereiten(int bahn)
{
    if (!GueltigeBahn(bahn) || !BahnDaten[bahn].Wettk) return;
    TBahnDaten& l = BahnDaten[bahn];
    TWettkampfDaten& m = *l.Wettk;

    BahnanzeigeLoeschen(bahn);
    l.BahnBereit = 1;
    g_unvorbereitet[bahn] = 0;
    const bool alleBereit = AlleBahnenBereit(m);

    // The lane carries the substitute who plays now.
    const Ersatzkette kette = Nachfolger(m, SpielerVon(m, m.Bahnbelegung[bahn]));
    TSpielerEintrag* p = kette.anzahl ? kette.s[std::size_t(kette.anzahl - 1)] : nullptr;
    l.BahnSpieler = p;
    l.SpielerNr = u8(p ? SpielerNummer(m, p) : 0);

    const int ziel = Modus() != 0 ? bahn : m.ErsteSpielbahn;
    if (!m.Gestartet) m.WettkampfNummer = WettkampfAdresse(&m);
    // Passive lanes whose first lane was given up or offline when the match
    // began get their game with that lane's next preparation.
    const bool spielNachholen = Modus() == 0 && m.Gestartet && bahn == m.ErsteSpielbahn && SpielOffen(m);

    if (l.BahnOnline) {
        switch (Modus()) {
        case 0:
            if ((!m.Gestartet || spielNachholen) && bahn == m.ErsteSpielbahn)
                Senden(bahn, SpielZuordnung(m.WettkampfNummer));
            break;
        case 1:
            Senden(ziel, SpielerAufBahn(l.SpielerNr));
            break;
        case 2:
            Senden(ziel, m.Gestartet ? SpielBeitreten() : SpielZuordnung(m.WettkampfNummer));
            Senden(ziel, SpielerAufBahn(l.SpielerNr));
            break;
        default:
            break;
        }
        if (p)
            for (const CanDaten& d : SpielerName(l.SpielerNr, p->Name.c_str())) Senden(ziel, d);
        Senden(ziel, Datum(m.Datum.c_str()));
        Senden(ziel, Uhrzeit(Jetzt().time()));
        if (!m.Gestartet) {
            if (Modus() == 0 && alleBereit)
                SpielparameterSenden(m);
            else if (Modus() == 1)
                Senden(bahn, ParameterEnde(m.WettkampfNummer));
        } else if (spielNachholen) {
            SpielparameterSenden(m);
        }
    }
    if (alleBereit && !m.Gestartet) SpielbeginnMelden(m);
}

bool BahnAufgegeben(int bahn) { return GueltigeBahn(bahn) && g_unvorbereitet[bahn] && !(StartMaske & BahnBit(bahn)); }

void BahnAufgeben(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    VorbereitungsMaske &= u16(~BahnBit(bahn));
    // A lane to be started without a new preparation is not started either.
    if (StartMaske & BahnBit(bahn)) g_unvorbereitet[bahn] = 1;
    TWettkampfDaten* m = BahnDaten[bahn].Wettk;
    if (!m || m->Gestartet || !AlleBahnenBereit(*m)) return;
    // Passive lanes: the group's first lane, prepared, takes the game parameters.
    const int erste = m->ErsteSpielbahn;
    if (Modus() == 0 && GueltigeBahn(erste) && BahnDaten[erste].BahnBereit && BahnDaten[erste].BahnOnline)
        SpielparameterSenden(*m);
    SpielbeginnMelden(*m);
}
