// The end side of the lane cycle: the 50 ms check, the close of a part, the
// round change along the start plan, the sudden victory, the sign-off, the
// held part frames and the parts left missing.
#include "match/flow/Bahnzyklus.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/dienste/Netzdienste.h"
#include "match/engine/Punkte.h"
#include "match/engine/Wertung.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Zeitgeberliste.h"
#include "match/lanes/Bahnfenster.h"
#include "match/print/Druckdienste.h"

#include <QStringList>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

namespace {

Array1<int, MaxWettkaempfe>& g_wechselOffen = bahnzyklusZustand.wechselOffen;
Array1<std::vector<std::pair<int, int>>, MaxWettkaempfe>& g_fehlend = bahnzyklusZustand.fehlend;
Array1<std::deque<TCanNachricht>, MaxBahnen>& g_zurueckgehalten = bahnzyklusZustand.zurueckgehalten;
bool& g_nachholen = bahnzyklusZustand.nachholen;

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
        OffenenWurfBuchen(bahn);
    }
}

void OffenenWurfBuchen(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TBahnDaten& l = BahnDaten[bahn];
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

void OffenenWurfVorRahmenBuchen(int bahn, const TCanNachricht& n)
{
    if (!BahnDaten.contains(bahn) || !Teilrahmen(n)) return;
    TBahnDaten& l = BahnDaten[bahn];
    if (l.WurfOffen && l.BahnGestartet && l.TeilLaeuft) OffenenWurfBuchen(bahn);
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
            if (Einst.Bahnsteuerung != 0 && lk.BahnOnline) {
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
