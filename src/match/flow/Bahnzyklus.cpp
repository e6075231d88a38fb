#include "match/flow/Bahnzyklus.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnfenster.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Ersatzkette.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"
#include "match/flow/Zeitgeberliste.h"

#include <algorithm>
#include <array>
#include <bit>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

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

Array1<u8, MaxBahnen>& g_unvorbereitet = bahnzyklusZustand.unvorbereitet;
Array1<int, MaxBahnen>& g_teilRunde = bahnzyklusZustand.teilRunde;
Array1<u8, MaxBahnen>& g_leitbahn = bahnzyklusZustand.leitbahn;
Array1<int, MaxWettkaempfe>& g_wechselOffen = bahnzyklusZustand.wechselOffen;
Array1<bool, MaxWettkaempfe>& g_spielOffen = bahnzyklusZustand.spielOffen;
Array1<std::vector<std::pair<int, int>>, MaxWettkaempfe>& g_fehlend = bahnzyklusZustand.fehlend;
Array1<std::deque<TCanNachricht>, MaxBahnen>& g_zurueckgehalten = bahnzyklusZustand.zurueckgehalten;
bool& g_nachholen = bahnzyklusZustand.nachholen;

using namespace CanRahmen;

bool GueltigeBahn(int bahn) { return bahn >= 1 && bahn <= MaxBahnen; }
bool GueltigerSpieler(int nr) { return nr >= 1 && nr <= MaxSpieler; }
int Modus() { return Einst.Bahnsteuerung; }

void Senden(int bahn, const CanDaten& d) { CanNachrichtSenden(bahn, d); }

TSpielerEintrag* SpielerVon(TWettkampfDaten& m, int nr)
{
    return GueltigerSpieler(nr) ? m.SpielerZeiger[nr] : nullptr;
}

int Summe(const Ersatzkette& k, auto feld)
{
    int n = 0;
    for (int i = 0; i < k.anzahl; ++i) n += int(feld(*k.s[std::size_t(i)]));
    return n;
}

void RestDruckSetzen(TBahnDaten& l, int rest)
{
    l.WuerfeRestDruck.Zahl = u8(std::clamp(rest, 0, 255));
    ZahlMitNullen(l.WuerfeRestDruck.Text, l.WuerfeRestDruck.Zahl, 3);
}

// The running total on the lane: the player's pins and those of the players
// he replaced.
void BahnTotalSetzen(TWettkampfDaten& m, TBahnDaten& l, TSpielerEintrag& p)
{
    l.BahnTotal = u16(Summe(Vorgaenger(m, &p), [](const TSpielerEintrag& s) { return s.Total.Zahl; }));
    BahnTexteBilden(l);
}

int Fehlersumme(TWettkampfDaten& m, TSpielerEintrag& p)
{
    return Summe(Vorgaenger(m, &p), [](const TSpielerEintrag& s) { return s.Fehler.Zahl; });
}

void HeimSetzen(TWettkampfDaten& m, int bahn, TSpielerEintrag& p)
{
    const int nr = m.Bahnbelegung[bahn];
    if (GueltigerSpieler(nr)) p.IstHeim = nr <= 8 ? 1 : 0;
}

float DuellSatzpunkte(TWettkampfDaten& m, TSpielerEintrag& p)
{
    const TSpielerEintrag* t = Ergebnistraeger(m, &p);
    return t ? t->SaP : 0.0f;
}

void OptionenSenden(const TWettkampfDaten& m, int bahn)
{
    if (m.Uebertritt == 1) Senden(bahn, Steuerbefehl(BefehlUebertrittWert));
    if (m.Durchlaeufer == 1) Senden(bahn, Steuerbefehl(BefehlDurchlaeufer));
}

void SpielstartSenden(const TWettkampfDaten& m, int bahn, bool heim)
{
    if (Modus() == 1)
        Senden(bahn, DurchgangStart(u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit), heim));
    else if (Modus() == 2)
        Senden(bahn, Startblock(0, 0, u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit)));
}

void ProbestartSenden(const TWettkampfDaten& m, int bahn, bool heim)
{
    if (Modus() == 1)
        Senden(bahn, m.Probewuerfe ? ProbeWuerfe(m.Probewuerfe, heim) : ProbeMinuten(m.Probezeit, heim));
    else if (Modus() == 2)
        Senden(bahn, Startblock(m.Probezeit, m.Probewuerfe, u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit)));
}

// The start of a part with or without practice, by the match's practice kind.
void TeilstartSenden(const TWettkampfDaten& m, TBahnDaten& l, int bahn, bool heim)
{
    l.ProbeLaeuft = m.Probe != 0 ? 1 : 0;
    if (!l.BahnOnline) return;
    if (l.ProbeLaeuft)
        ProbestartSenden(m, bahn, heim);
    else
        SpielstartSenden(m, bahn, heim);
    if (Modus() != 0) OptionenSenden(m, bahn);
}

void BlockBeginnen(TSpielerEintrag& p, int bahn)
{
    TDurchgangBlock& b = p.Durchgang[BlockNr(p)];
    p.AktDurchgang = &b;
    b.Bahn = u8(bahn);
    b.Bahnzeit = 0;
}

// The sheet heads at the start of a part.
void KopfDrucken(const TWettkampfDaten& m, int bahn)
{
    if (!WurfblattDruckt(m, bahn)) return;
    DruckDienste& d = drucker();
    if (m.DrEinzelbahn) {
        d.bahndruckVorStart(bahn);
        d.bahndruckNachStart(bahn);
    }
    d.druckspalteBestimmen(bahn);
    if (m.DrZweiBahnen) {
        if (bahn % 2 == 1 && m.Durchgang % 2 == 1) d.bahndruckKopf(bahn);
        d.bahndruckSpielerKopf(bahn);
    }
    if (m.DrZentral) {
        if (bahn == m.ErsteSpielbahn) {
            const bool sparen = m.LetzteSpielbahn - m.ErsteSpielbahn + 1 == 2 && m.DrSparmodus;
            if (sparen && m.Durchgang % 2 == 0)
                d.bahndruckVorschub(bahn);
            else
                d.bahndruckKopfStart(bahn);
        }
        d.bahndruckSpielerStart(bahn);
    }
}

// Windows, sheet heads and displays after a lane started or resumed its part.
void TeilstartAnzeigen(TWettkampfDaten& m, int bahn)
{
    const TBahnDaten& l = BahnDaten[bahn];
    const bool aktuell = &m == AktWettkampf;
    bahnfenster().bahnuebersichtAktualisieren(bahn);
    if (aktuell) fenster().spielerAktualisieren(MdiFenster::Wettkampf, l.SpielerNr);
    KopfDrucken(m, bahn);
    if (aktuell) fenster().aktualisieren(MdiFenster::Wettkampf);
    m.Spielphase = l.ProbeLaeuft ? PhaseProbe : PhaseSpiel;
    if (bahn == m.ErsteSpielbahn) MannschaftsanzeigenAktualisieren(m);
    NamenanzeigeBahnAktualisieren(bahn);
    AnzeigefensterSpielerAktualisieren(l.SpielerNr);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
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

// The pins a stored throw counts: a count entered without a picture, or the
// felled pins; zero for a throw booked as counting zero.
int GezaehlteHolz(u16 wurfbild, u16 wurfart)
{
    if (wurfart & (WurfartNull | WurfartNullGewertet | WurfartFehlwurfHolz)) return 0;
    if (wurfbild & WurfbildZahlEingabe) return std::min(wurfbild & 0x0F, 9);
    return std::popcount(unsigned(wurfbild & WurfbildKegelMaske));
}

TextZahl<3, u8>& Spalte(TBahnDaten& l, int k)
{
    return k <= 10 ? l.Spalte1 : k <= 20 ? l.Spalte2 : l.Spalte3;
}

// Puts the pin digit of throw k of a phase into the lane's texts; a throw
// whose pins are not known (holz < 0) is marked 'k' and adds nothing.
void WurfEintragen(TBahnDaten& l, bool volle, int k, int holz)
{
    const char ziffer = holz < 0 ? 'k' : char('0' + holz);
    if (k <= MaxPhasenWuerfe) {
        auto& text = volle ? l.WurfHolzVolle : l.WurfHolzAbraeumen;
        text.zeichen(k) = ziffer;
        text.zeichen(k + 1) = 0;
    }
    if (k <= 25) l.TextName1[volle ? 1 : 2].marke(k) = holz ? ziffer : 'x';
    if (volle && k <= 25 && holz > 0) {
        TextZahl<3, u8>& s = Spalte(l, k);
        s.Zahl = u8(s.Zahl + holz);
        ZahlMitNullen(s.Text, s.Zahl, 2);
    }
}

bool Modus0() { return Einst.Bahnsteuerung == 0; }

// Whether the player stands on any lane of the match in the round.
bool SpieltInRunde(const TWettkampfDaten& m, int spielerNr, int runde)
{
    if (spielerNr == 0) return false;
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k)
        if (PlanSpieler(m, k, runde) == spielerNr) return true;
    return false;
}

void EndeAnfordern(TWettkampfDaten& m)
{
    m.EndeAngefordert = 1;
    TimerSpielEnde().setEnabled(true);
}


int& WechselOffen(const TWettkampfDaten& m)
{
    static int keiner;
    const long slot = Wettkaempfe.indexOf(&m);
    keiner = 0;
    return Wettkaempfe.contains(slot) ? g_wechselOffen[slot] : keiner;
}

// Part frames held per lane at most.
constexpr std::size_t MaxZurueckgehalten = 512;

bool Teilrahmen(const TCanNachricht& n)
{
    using namespace CanRahmen;
    const u8 art = n.Daten[0];
    return art == MeldungWurf || art == MeldungTaste || art == MeldungKorrektur;
}

// The lane has a player, answered its registration and waits for its part
// to be prepared and started.
bool WartetAufTeil(const TWettkampfDaten& m, int bahn)
{
    const TBahnDaten& l = BahnDaten[bahn];
    if (!m.Gestartet || m.Beendet || l.BahnGestartet || m.Bahnbelegung[bahn] == 0) return false;
    return ((VorbereitungsMaske | StartMaske) & u16(1u << (bahn - 1))) != 0;
}


void TeilFehlt(const TWettkampfDaten& m, int runde, int bahn)
{
    const long slot = Wettkaempfe.indexOf(&m);
    if (!Wettkaempfe.contains(slot)) return;
    auto& f = g_fehlend[slot];
    const std::pair<int, int> t{runde, bahn};
    if (std::find(f.begin(), f.end(), t) == f.end()) f.push_back(t);
}

void PartEndeDrucken(TWettkampfDaten& m, int bahn)
{
    if (!WurfblattDruckt(m, bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (m.DrEinzelbahn) drucker().bahndruckVorBahnende(bahn);
    if (m.DrZweiBahnen) {
        drucker().bahndruckBahnergebnis(bahn);
        const int nachbar = (bahn % 2) ? bahn + 1 : bahn - 1;
        if (BahnDaten.contains(nachbar) && BahnDaten[nachbar].TeilBeendet && m.Durchgang % 2 == 0)
            drucker().bahndruckFusszeile(bahn);
    }
    if (m.DrZentral) {
        if (l.WurfNr < m.Volle + m.Abraeumen) drucker().bahndruckAbschnitt(bahn, ' ', ' ');
        drucker().bahndruckSpielerergebnis(bahn);
        bool alleBeendet = true;
        const Bahnbereich b = BahnenVon(m);
        for (int k = b.erste; k <= b.letzte; ++k)
            if (m.BahnImSpiel[k] && !BahnDaten[k].TeilBeendet) alleBeendet = false;
        const bool zweiBahnenSparen = (b.letzte - b.erste + 1) == 2 && m.DrSparmodus;
        if (alleBeendet && (!zweiBahnenSparen || m.Durchgang % 2 == 0)) drucker().bahndruckFusszeileKurz(bahn);
    }
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
        if (MannschanzWettkampf.contains(tafel) && !MannschanzWettkampf[tafel]) {
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

void BahnStarten(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (!l.Wettk) return;
    TWettkampfDaten& m = *l.Wettk;
    if (g_unvorbereitet[bahn]) {
        // Given up before its preparation: the lane sits this round out;
        // when no lane of the round plays, the round is over.
        ZurueckgehalteneVerwerfen(bahn);
        const Bahnbereich b = BahnenVon(m);
        bool wartet = false;
        for (int k = b.erste; k <= b.letzte; ++k) wartet = wartet || (StartMaske & BahnBit(k));
        if (!wartet && m.Gestartet && RundeVorbei(m)) RundeWechseln(m, bahn);
        return;
    }
    if (!l.BahnSpieler) return;
    TSpielerEintrag& p = *l.BahnSpieler;

    g_teilRunde[bahn] = m.Durchgang;
    l.BahnendeZaehler = 0;
    l.BahnWurfzeit = i32(m.Wurfzeit) * 10;
    m.BahnImSpiel[bahn] = 1;
    l.BahnStatus = 2;
    l.WurfGedruckt.fill(0);
    if (l.Wiederherstellen) {
        BahnWiederherstellen(bahn);
        return;
    }

    RestDruckSetzen(l, m.Volle);
    l.TeilBeendet = 0;
    HeimSetzen(m, bahn, p);
    BahnTotalSetzen(m, l, p);
    const bool heim = p.IstHeim != 0;
    const bool aktiv = l.BahnOnline && Modus() != 0;

    if (m.SVictoryLaeuft) {
        const long zeile = long(bahn) - m.ErsteSpielbahn + 1;
        const bool imPlan = m.SVictoryTabelle.contains(zeile) && m.SVictoryRunde >= 1 && m.SVictoryRunde <= MaxSVRunden;
        if (imPlan) m.SVictoryTabelle[zeile][m.SVictoryRunde].SpielerNr = l.SpielerNr;
        if (aktiv) {
            Senden(bahn, DurchgangStart(u8(m.SVictoryWuerfe), 0, u8(m.Wurfzeit), false));
            OptionenSenden(m, bahn);
            Senden(bahn, BahnanzeigeWert(AnzSumme, 0));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (Einst.SaPWand)
                Senden(bahn, BahnanzeigeSatzpunkte(imPlan ? m.SVictoryTabelle[zeile][m.SVictoryRunde].SaP : 0.0f));
        }
    } else if (p.Gestartet) {
        // A further round; a fifth round of an own plan stays in the last block.
        p.DurchgangNr = u8(std::min<int>(p.DurchgangNr + 1, MaxDurchgaenge));
        BlockBeginnen(p, bahn);
        if (l.BahnOnline) SpielstartSenden(m, bahn, heim);
        if (aktiv) {
            OptionenSenden(m, bahn);
            Senden(bahn, BahnanzeigeWert(AnzSumme, l.BahnTotal));
            if (Einst.Wurffehler) Senden(bahn, BahnanzeigeWert(AnzFehler, Fehlersumme(m, p)));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (m.Punktespiel && Einst.SaPWand) Senden(bahn, BahnanzeigeSatzpunkte(DuellSatzpunkte(m, p)));
        }
    } else {
        p.Gestartet = 1;
        p.DurchgangNr = 1;
        BlockBeginnen(p, bahn);
        TeilstartSenden(m, l, bahn, heim);
    }

    l.BahnGestoppt = 0;
    l.TeilLaeuft = 1;
    l.BahnGestartet = 1;
    TeilstartAnzeigen(m, bahn);
}

int TeilRunde(int bahn) { return GueltigeBahn(bahn) ? g_teilRunde[bahn] : 0; }
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

void BahnWiederherstellen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (!l.Wettk || !l.BahnSpieler) return;
    TWettkampfDaten& m = *l.Wettk;
    TSpielerEintrag& p = *l.BahnSpieler;

    // The part's throws are the last ones of the starting player and his
    // substitutes, in the order they played; the lane may already carry the
    // substitute, so the chain is taken from the starting player.
    const Ersatzkette zurueck = Vorgaenger(m, &p);
    const Ersatzkette kette = Nachfolger(m, zurueck.s[std::size_t(zurueck.anzahl - 1)]);
    const int n = Summe(kette, [](const TSpielerEintrag& s) { return s.Wurf.Zahl; });
    const int proTeil = m.Volle + m.Abraeumen;
    const int anzahl = proTeil > 0 ? std::min(n % proTeil, MaxWuerfe) : 0;  // nothing to rebuild without throws

    BahnanzeigeLoeschen(bahn);
    Array1<u16, MaxWuerfe> bild;
    Array1<u16, MaxWuerfe> art;
    bool bekannt = false;  // a throw with its picture
    for (int i = 1; i <= anzahl; ++i) {
        // Which record threw it: its place among all throws of the chain.
        int platz = n - anzahl + i;
        int r = 0;
        while (r < kette.anzahl - 1 && platz > kette.s[std::size_t(r)]->Wurf.Zahl)
            platz -= kette.s[std::size_t(r++)]->Wurf.Zahl;
        const TSpielerEintrag& s = *kette.s[std::size_t(r)];
        const TDurchgangBlock& b = s.Durchgang[BlockNr(s)];
        bild[i] = b.Wurfbild[i];
        art[i] = b.Wurfart[i];

        ++l.WurfNr;
        const bool volle = l.WurfNr <= m.Volle;
        const int k = volle ? l.WurfNr : l.WurfNr - m.Volle;
        if (!(bild[i] & WurfbildVorhanden)) {
            // A throw the lane counted before the hand-over: no picture here.
            WurfEintragen(l, volle, k, -1);
            continue;
        }
        bekannt = true;
        const int holz = GezaehlteHolz(bild[i], art[i]);
        l.BahnGesamt = u16(l.BahnGesamt + holz);
        if (volle)
            l.BahnVolle = u16(l.BahnVolle + holz);
        else
            l.BahnAbraeumen = u16(l.BahnAbraeumen + holz);
        if (holz == 0 && !(art[i] & WurfartFehlwurfHolz)) ++l.BahnFehler;
        WurfEintragen(l, volle, k, holz);
    }
    if (anzahl > 0 && !bekannt) {
        // A part handed over by the lane: its counters came with the hand-over.
        const TDurchgangBlock& b = p.Durchgang[BlockNr(p)];
        l.BahnVolle = b.Volle.Zahl;
        l.BahnAbraeumen = b.Abr.Zahl;
        l.BahnFehler = u8(std::min<int>(b.Fehler.Zahl, 255));
        l.BahnGesamt = u16(l.BahnVolle + l.BahnAbraeumen);
    }
    if (anzahl > 0) ZahlRechtsbuendig(l.TextWurfNr, l.WurfNr, 3);
    const int rest = l.WurfNr < m.Volle ? m.Volle - l.WurfNr : proTeil - l.WurfNr;

    RestDruckSetzen(l, rest);
    l.TeilBeendet = 0;
    HeimSetzen(m, bahn, p);
    BahnTotalSetzen(m, l, p);
    p.Gestartet = 1;
    p.DurchgangNr = u8(BlockNr(p));
    p.AktDurchgang = &p.Durchgang[p.DurchgangNr];
    p.AktDurchgang->Bahn = u8(bahn);
    SatzpunkteSenden(bahn);

    const bool heim = p.IstHeim != 0;
    if (m.Probe == 0) {
        l.ProbeLaeuft = 0;
        if (l.BahnOnline) SpielstartSenden(m, bahn, heim);
        if (l.BahnOnline && Modus() != 0) {
            OptionenSenden(m, bahn);
            if (Einst.WurfzeitBahn) Senden(bahn, Bahnzeit(u16(l.BahnWurfzeit)));
            Senden(bahn, BahnanzeigeWert(AnzWurfNr, l.WurfNr));
            Senden(bahn, BahnanzeigeWert(AnzHolz, l.BahnGesamt));
            Senden(bahn, BahnanzeigeWert(AnzSumme, l.BahnTotal));
            const int nr = SpielerNummer(m, &p);
            Senden(bahn, BahnanzeigeTeilwert(u8(nr > 8 ? nr - 8 : nr)));
            Senden(bahn, BahnanzeigeWert(AnzRestPhase, rest));
            Senden(bahn, BahnanzeigeWert(AnzFehler, Einst.Wurffehler ? Fehlersumme(m, p) : l.BahnFehler));
            if (p.VerwarnungAnzahl) Senden(bahn, Steuerbefehl(BefehlVerwarnung));
            if (m.Punktespiel && Einst.SaPWand) Senden(bahn, BahnanzeigeSatzpunkte(DuellSatzpunkte(m, p)));
            if (l.WurfNr > m.Volle && bekannt) {
                // The pins down in the current rack: back to the last new rack.
                u16 maske = 0;
                for (int i = l.WurfNr; i > m.Volle; --i) {
                    if (art[i] & WurfartNeuesBild) break;
                    if (!(bild[i] & WurfbildZahlEingabe)) maske |= bild[i] & WurfbildKegelMaske;
                }
                Senden(bahn, Modus() == 1 ? KegelbildAnzeigen(maske) : KegelbildZustand(maske));
            }
        }
    } else {
        TeilstartSenden(m, l, bahn, heim);
    }

    l.TeilLaeuft = 1;
    l.BahnGestartet = 1;
    l.BahnGestoppt = 0;
    TeilstartAnzeigen(m, bahn);
}

void BahnFortsetzen(int bahn)
{
    if (!GueltigeBahn(bahn) || !BahnDaten[bahn].Wettk) return;
    TBahnDaten& l = BahnDaten[bahn];
    TWettkampfDaten& m = *l.Wettk;
    l.TeilBeendet = 0;
    l.BahnGestartet = 1;
    l.TeilLaeuft = 1;
    l.BahnStatus = 2;
    m.BahnImSpiel[bahn] = 1;
    m.Spielphase = PhaseSpiel;
    if (l.BahnSpieler) l.BahnSpieler->Fertig = 0;
    AnzeigefensterSpielerAktualisieren(l.SpielerNr);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
    NamenanzeigeBahnAktualisieren(bahn);
    bahnfenster().bahnuebersichtAktualisieren(bahn);
}

void BahnanzeigeLoeschen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    for (TWurfMarken& t : l.TextName1) t.leeren();
    for (TextZahl<3, u8>* s : {&l.Spalte1, &l.Spalte2, &l.Spalte3}) {
        s->Text = "  ";
        s->Zahl = 0;
    }
    l.TextWurfNr = " 0";
    l.WurfHolzVolle.leeren();
    l.WurfHolzAbraeumen.leeren();
    l.BahnVolle = 0;
    l.BahnAbraeumen = 0;
    l.BahnFehler = 0;
    l.BahnGesamt = 0;
    l.WurfNr = 0;
    ZahlRechtsbuendig(l.TextVolle, 0, 3);
    ZahlRechtsbuendig(l.TextAbraeumen, 0, 3);
    ZahlRechtsbuendig(l.TextFehler, 0, 3);
    ZahlRechtsbuendig(l.TextGesamt, 0, 3);
    BahnwerteLoeschen(bahn);
    l.BahnVerwarnungen = 0;
    l.WurfKorrigiert = 0;
    l.DruckAbschnitt = 0;
}

int PlanSpieler(const TWettkampfDaten& m, int bahn, int runde)
{
    if (!m.StartplanZeiger) return 0;
    const int zeile = bahn - int(m.ErsteSpielbahn) + 1;
    if (zeile < 1 || zeile > MaxStartplanBahnen || runde < 1 || runde > MaxStartplanRunden) return 0;
    const int nr = (*m.StartplanZeiger)[zeile][runde];
    return nr <= MaxSpieler ? nr : 0;
}

void BahnendePruefen()
{
    for (int bahn = 1; bahn <= BahnAnzahl && bahn <= MaxBahnen; ++bahn) {
        TBahnDaten& l = BahnDaten[bahn];
        if (!l.BahnGestartet) continue;
        // A frame that waited for the part is taken now, one a check.
        auto& warten = g_zurueckgehalten[bahn];
        if (l.TeilLaeuft && !l.BahnGestoppt && !l.WurfOffen && !warten.empty()) {
            const TCanNachricht n = warten.front();
            warten.pop_front();
            g_nachholen = true;
            CanNachrichtVerarbeiten(bahn, n);
            g_nachholen = false;
        }
        if (!l.TeilLaeuft) {
            Bahnende(bahn);
            continue;
        }
        if (l.BahnGestoppt || !l.WurfOffen) continue;
        l.ProbeLaeuft = 0;
        const TWettkampfDaten* m = l.Wettk;
        // Throws beyond the part (or the sudden-victory round) are dropped.
        int wuerfe = m ? m->Volle + m->Abraeumen : 0;
        if (m && m->SVictoryLaeuft) wuerfe = std::min<int>(m->SVictoryWuerfe, MaxPhasenWuerfe);
        if (m && l.WurfNr < wuerfe)
            WurfAbschliessen(bahn);
        else
            BahnwerteLoeschen(bahn);
    }
}

void Bahnende(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    TWettkampfDaten* mp = l.Wettk;
    if (!mp) {
        l.BahnGestartet = 0;
        return;
    }
    TWettkampfDaten& m = *mp;
    TSpielerEintrag* p = l.BahnSpieler;

    SatzVergleichen(bahn);
    if (l.WurfNr == 0) TeilFehlt(m, m.Durchgang, bahn);
    l.Wiederherstellen = 0;
    l.TeilBeendet = 1;
    l.BahnGestartet = 0;
    l.BahnGestoppt = 0;
    l.BahnStatus = 1;
    l.GemeldeteSpielNr = 0;
    PartEndeDrucken(m, bahn);

    m.Spielphase = PhaseSpielerwechsel;
    if (p) p->Fertig = 1;
    if (SpieltInRunde(m, PlanSpieler(m, bahn, m.Durchgang), m.Durchgang + 1)) {
        m.Spielphase = PhaseBahnwechsel;
        if (p) p->Fertig = 0;
    }
    if (p && p->Fertig && &m == AktWettkampf) {
        if (bahnfenster().spielberichtAktiv()) fenster().aktualisieren(MdiFenster::Spielbericht);
        fenster().spielerAktualisieren(MdiFenster::Wettkampf, l.SpielerNr);
    }
    if (p && p->Fertig && AnzeigeWettkampf == &m) AnzeigefensterSpielerAktualisieren(l.SpielerNr);
    MonitorStatusSenden(m);
    MonitorSpielerSenden(bahn);
    bahnfenster().bahnuebersichtAktualisieren(bahn);

    if (!RundeVorbei(m)) return;
    RundeWechseln(m, bahn);
}

bool RundeVorbei(const TWettkampfDaten& m)
{
    const Bahnbereich b = BahnenVon(m);
    for (int k = b.erste; k <= b.letzte; ++k)
        if (m.BahnImSpiel[k] && !BahnDaten[k].TeilBeendet) return false;
    return true;
}

void RundeWechseln(TWettkampfDaten& m, int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    const Bahnbereich b = BahnenVon(m);
    // A lane with a player that did not start its part in this round.
    for (int k = b.erste; k <= b.letzte; ++k)
        if (m.Bahnbelegung[k] != 0 && TeilRunde(k) != m.Durchgang) TeilFehlt(m, m.Durchgang, k);
    // The next round is checked whole before anything changes: a lane that is
    // still busy stops the match; the start command tries the change again.
    // A lane of this match given up in its preparation is not busy, even
    // when its answer to the match number query is still on the way.
    const int naechste = m.Durchgang + 1;
    bool weitereRunde = false;
    for (int k = b.erste; k <= b.letzte; ++k) {
        if (PlanSpieler(m, k, naechste) == 0) continue;
        weitereRunde = true;
        const TBahnDaten& lk = BahnDaten[k];
        const bool eigeneFrei = lk.Wettk == &m && !lk.BahnGestartet && BahnAufgegeben(k) &&
                                (lk.GemeldeteSpielNr == 0 || lk.GemeldeteSpielNr == m.WettkampfNummer);
        if (lk.BahnStatus > 1 && !eigeneFrei) {
            WechselOffen(m) = bahn;
            m.Gestoppt = 1;
            boxen().hinweis(QStringLiteral("Bahnen sind noch belegt !"));
            fenster().hauptmenueAktualisieren();
            return;
        }
    }
    WechselOffen(m) = 0;
    const TSpielerEintrag* p = BahnDaten[bahn].BahnSpieler;
    if (m.FtpUpdate && ((p && p->Fertig) ? (m.FtpUpdateDurchg || m.FtpUpdateWechsel) : m.FtpUpdateDurchg))
        LiveErgebnisHochladen(m, m.FtpUpdateInterv);
    NamenanzeigeBahnAktualisieren(bahn);
    m.Durchgang = u8(std::min(naechste, MaxStartplanRunden + 1));
    m.KeinNaechsterDurchgang = weitereRunde ? 0 : 1;

    if (!weitereRunde) {
        if (m.ManuellerBahnwechsel)
            m.WechselAnstehend = 1;
        else if (!m.Punktespiel)
            EndeAnfordern(m);
        else
            SuddenVictoryFragen(bahn);
        return;
    }
    for (int k = b.erste; k <= b.letzte; ++k) {
        m.Bahnbelegung[k] = u8(PlanSpieler(m, k, m.Durchgang));
        if (m.Bahnbelegung[k] == 0) {
            if (!m.BahnImSpiel[k]) continue;
            // The lane leaves the match.
            TBahnDaten& lk = BahnDaten[k];
            lk.BahnStatus = 0;
            m.BahnImSpiel[k] = 0;
            CanNachrichtSenden(k, CanRahmen::Steuerbefehl(CanRahmen::BefehlLauf));
            ZurueckgehalteneVerwerfen(k);
            if (!Modus0() && lk.BahnOnline) {
                lk.BahnendeZaehler = 1;
                TimerBahnEnde().setEnabled(true);
            }
            drucker().zentralDruckerFreigeben(k);
            continue;
        }
        if (m.ManuellerBahnwechsel) {
            Startzaehler[k] = 0;
            m.WechselAnstehend = 1;
        } else {
            Startzaehler[k] = Einst.TimeoutBahnw;
        }
        BahnDaten[k].Wettk = &m;
        BahnAnmelden(k);
        BahnVormerken(k);
        drucker().bahndruckBeginnen(k);
    }
}

void SuddenVictoryFragen(int bahn)
{
    if (!BahnDaten.contains(bahn) || !BahnDaten[bahn].Wettk) return;
    TWettkampfDaten& m = *BahnDaten[bahn].Wettk;
    m.WechselAnstehend = 0;
    bool gleich = false;
    if (m.Punktespiel) {
        TabellenpunkteBerechnen(m);
        const bool sapGleich = m.SVictoryHeimSaP == m.SVictoryGastSaP;
        gleich = sapGleich && ((m.SVictory1Spiel && m.Heim.TotalMaP == m.Gast.TotalMaP) ||
                               (m.SVictory2Spiele && m.Heim.TaP.text().toInt() == m.Gast.TaP.text().toInt()));
    }
    // The table holds ten rounds: a level tenth round ends the game.
    if (gleich && m.SVictoryRunde < MaxSVRunden &&
        boxen().hinweisJa(QStringLiteral("Sudden Victory durchführen ?")) == ErgebnisJa) {
        const Bahnbereich b = BahnenVon(m);
        if (m.SVictoryLaeuft) {
            for (int k = b.erste; k + 1 <= b.letzte; k += 2) std::swap(m.Bahnbelegung[k], m.Bahnbelegung[k + 1]);
            if (TSpielerEintrag* p = BahnDaten[bahn].BahnSpieler) p->Fertig = 0;
        }
        ++m.SVictoryRunde;
        m.SVictoryLaeuft = 1;
        for (int k = b.erste; k <= b.letzte; ++k) {
            if (m.Bahnbelegung[k] == 0) continue;  // only lanes with a player
            BahnDaten[k].Wettk = &m;
            BahnAnmelden(k);
            BahnVormerken(k);
            drucker().bahndruckBeginnen(k);
        }
        return;
    }
    EndeAnfordern(m);
}

void BahnAbmelden(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
    l.BahnendeZaehler = 0;
    ZurueckgehalteneVerwerfen(bahn);
    if (!l.BahnOnline) return;
    AnmeldeMaske &= u16(~(1u << (bahn - 1)));
    CanNachrichtSenden(bahn, CanRahmen::Steuerbefehl(CanRahmen::BefehlSportAus));
    CanNachrichtSenden(bahn, CanRahmen::Abmelden());
    CanNachrichtSenden(bahn, CanRahmen::Freigeben());
    l.BahnOnline = 0;
    NamenanzeigeBahnAktualisieren(bahn);
}

bool RundenwechselNachholen(TWettkampfDaten& m)
{
    const int bahn = WechselOffen(m);
    if (bahn == 0) return false;
    m.Gestoppt = 0;
    RundeWechseln(m, bahn);
    return true;
}

void RundenwechselVergessen(const TWettkampfDaten& m) { WechselOffen(m) = 0; }
void RundenwechselZuruecksetzen() { bahnzyklusZustand.rundenwechselZuruecksetzen(); }

bool BahnrahmenZurueckhalten(int bahn, const TCanNachricht& n)
{
    if (g_nachholen || !BahnDaten.contains(bahn) || !Teilrahmen(n)) return false;
    auto& warten = g_zurueckgehalten[bahn];
    const TWettkampfDaten* m = BahnDaten[bahn].Wettk;
    if (warten.empty() && !(m && WartetAufTeil(*m, bahn))) return false;
    if (warten.size() >= MaxZurueckgehalten) return false;
    warten.push_back(n);
    return true;
}

void ZurueckgehalteneVerwerfen(int bahn)
{
    if (BahnDaten.contains(bahn)) g_zurueckgehalten[bahn].clear();
}

QString FehlendeTeileText(const TWettkampfDaten& m)
{
    const long slot = Wettkaempfe.indexOf(&m);
    if (!Wettkaempfe.contains(slot) || g_fehlend[slot].empty()) return {};
    auto f = g_fehlend[slot];
    std::sort(f.begin(), f.end());
    QStringList teile;
    for (const auto& [runde, bahn] : f) teile << QStringLiteral("Durchgang %1 auf Bahn %2").arg(runde).arg(bahn);
    return QStringLiteral("Nicht gespielt oder ohne gewertete Würfe: ") + teile.join(QStringLiteral(", ")) +
           QStringLiteral(" !");
}

void FehlendeTeileVergessen(const TWettkampfDaten& m)
{
    const long slot = Wettkaempfe.indexOf(&m);
    if (Wettkaempfe.contains(slot)) g_fehlend[slot].clear();
}

void WechselFreigeben(TWettkampfDaten& m)
{
    m.WechselAnstehend = 0;
    if (!m.KeinNaechsterDurchgang) return;  // the timer module carries out the waiting lane change
    if (m.Punktespiel)
        SuddenVictoryFragen(m.ErsteSpielbahn);
    else
        EndeAnfordern(m);  // a game without points ends as well
}
