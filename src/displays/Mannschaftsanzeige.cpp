#include "displays/Mannschaftsanzeige.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/TextFunctions.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielbahnen.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Rows 1..16 carry boards 1..8.
constexpr int MaxTafeln = 8;

int letzteBahn() { return std::min<int>(BahnAnzahl, MaxBahnen); }
bool bahnGueltig(int bahn) { return bahn >= 1 && bahn <= letzteBahn(); }

// The lanes of erste..letzte that the alley has.
Bahnbereich gueltigeBahnen(int erste, int letzte) { return {std::max(erste, 1), std::min(letzte, letzteBahn())}; }

int tafelZeile(int tafel, bool heim) { return heim ? 2 * tafel - 1 : 2 * tafel; }

// The boards assigned to the lanes erste..letzte, as the assignment gave
// them from the first lane's board to the last lane's.
std::vector<int> tafelnDerBahnen(int erste, int letzte)
{
    const Bahnbereich b = gueltigeBahnen(erste, letzte);
    std::vector<int> r;
    if (b.letzte < b.erste) return r;
    for (int t = MannschanzZuordnung[b.erste]; t <= MannschanzZuordnung[b.letzte]; ++t)
        if (t >= 1 && t <= MaxTafeln) r.push_back(t);
    return r;
}

void senden(u32 id, const std::vector<CanDaten>& rahmen)
{
    for (const CanDaten& d : rahmen) AnzeigeNachrichtSenden(id, d);
}

std::string_view feld(const QByteArray& b) { return std::string_view(b.constData(), std::size_t(b.size())); }

const TSpielerEintrag* spielerDerBahn(int bahn) { return bahnGueltig(bahn) ? BahnDaten[bahn].BahnSpieler : nullptr; }

}  // namespace

void TafelnZuordnen(Array1<u8, MaxBahnen>& zuordnung, int erste, int letzte, int bahnen, int tafeln, bool zuschalten)
{
    bahnen = std::min(bahnen, MaxBahnen);
    if (tafeln < 1 || tafeln > bahnen) return;
    if (erste < 1 || letzte > bahnen || letzte < erste) return;
    const int bahnenProTafel = bahnen / tafeln;
    int tafel = std::min((erste - 1) / bahnenProTafel + 1, tafeln);
    if (letzte == bahnen) tafel = tafeln;
    if (erste == 1) tafel = 1;
    for (int k = erste; k <= letzte; ++k) zuordnung[k] = u8(tafel);
    if (zuschalten && zuordnung[letzte] < tafeln) ++zuordnung[letzte];
}

QByteArray MannschaftspunkteText(float punkte) { return ZahlText1Stelle(punkte).left(3).toLatin1(); }

Mannschaftsanzsteuerung::Mannschaftsanzsteuerung() : TimerWechsel([this] { wechselTakt(); }, MannschanzWechselMs) {}

Mannschaftsanzsteuerung& mannschaftsanzsteuerung()
{
    static Mannschaftsanzsteuerung s;
    return s;
}

void Mannschaftsanzsteuerung::MannschaftsanzeigenZuordnen(int erste, int letzte)
{
    if (!Einst.MannschanzOn) return;
    const bool zuschalten = AktWettkampf && AktWettkampf->MannschNamenAnzeigen;
    TafelnZuordnen(MannschanzZuordnung, erste, letzte, BahnAnzahl, Einst.MannschAnzeigeAnz, zuschalten);
}

void Mannschaftsanzsteuerung::MannschaftsanzeigeLoeschen(int erste, int letzte)
{
    if (Einst.MannschanzOn) {
        for (int t : tafelnDerBahnen(erste, letzte))
            for (bool heim : {true, false})
                senden(MannschanzCanId, CanRahmen::AnzeigeZeile(tafelZeile(t, heim), {}, MannschanzBreite));
    } else if (Einst.NamenanzOn) {
        for (int k : gueltigeBahnen(erste, letzte))
            senden(NamenanzCanId, CanRahmen::AnzeigeZeile(k, {}, Einst.NamenAnzeigeDig));
    }
}

void Mannschaftsanzsteuerung::MannschaftsanzeigeKennzeichnen(int erste, int letzte)
{
    if (Einst.MannschanzOn) {
        for (int t : tafelnDerBahnen(erste, letzte)) {
            senden(MannschanzCanId, CanRahmen::TafelKennung(tafelZeile(t, true), MannschanzBreite, 'H'));
            senden(MannschanzCanId, CanRahmen::TafelKennung(tafelZeile(t, false), MannschanzBreite, 'G'));
        }
    } else if (Einst.NamenanzOn) {
        for (int k : gueltigeBahnen(erste, letzte)) {
            const TSpielerEintrag* p = BahnDaten[k].BahnSpieler;
            const char seite = !p ? ' ' : p->IstHeim ? 'H' : 'G';
            senden(NamenanzCanId, CanRahmen::TafelKennung(k, Einst.NamenAnzeigeDig, seite));
        }
    }
}

void Mannschaftsanzsteuerung::MannschaftsanzeigeProbe(int bahn)
{
    if (!Einst.MannschanzOn) return;
    const TSpielerEintrag* p = spielerDerBahn(bahn);
    const TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (!p || !w) return;
    const Bahnbereich b = BahnenVon(*w);
    for (int t : tafelnDerBahnen(b.erste, b.letzte))
        senden(MannschanzCanId, CanRahmen::AnzeigeZeile(tafelZeile(t, p->IstHeim), "PROBE", MannschanzBreite));
}

void Mannschaftsanzsteuerung::MannschaftsergebnisAnzeigen(int bahn)
{
    const TWettkampfDaten* w = bahnGueltig(bahn) ? WettkampfDerBahn(bahn) : nullptr;
    if (!w) return;
    // Only switched on here: the tick stops it when no match needs it any more.
    if (w->MaNaWechsel || w->MaPMaWechsel) TimerWechsel.setEnabled(true);
    const TSpielerEintrag* p = spielerDerBahn(bahn);
    if (!p) return;
    const bool heim = p->IstHeim;
    const TMannschaftBlock& seite = heim ? w->Heim : w->Gast;
    const Bahnbereich b = BahnenVon(*w);

    if (Einst.MannschanzOn) {
        const bool punkte =
            Einst.Punkteanzeige && w->MaPMannsch && (!heim || !w->MaPMaWechsel || MaPZustand == 1);
        const QByteArray erstes = punkte ? MannschaftspunkteText(seite.TotalMaP) : seite.Wuerfe.Text.bytes();
        for (int t : tafelnDerBahnen(b.erste, b.letzte))
            senden(MannschanzCanId, CanRahmen::TafelErgebnis(tafelZeile(t, heim), MannschanzBreite, feld(erstes),
                                                             seite.Total.Text.view()));
    } else if (Einst.NamenanzOn) {
        for (int k : gueltigeBahnen(b.erste, b.letzte)) {
            const TSpielerEintrag* q = BahnDaten[k].BahnSpieler;
            if (!q || bool(q->IstHeim) != heim) continue;
            senden(NamenanzCanId, CanRahmen::TafelErgebnis(k, Einst.NamenAnzeigeDig, seite.Wuerfe.Text.view(),
                                                           seite.Total.Text.view()));
        }
    }
}

void Mannschaftsanzsteuerung::MannschaftsanzeigeNeuAufbauen(std::initializer_list<int> bahnen)
{
    std::vector<const TWettkampfDaten*> geleert;
    for (int bahn : bahnen) {
        const TWettkampfDaten* w = bahnGueltig(bahn) ? WettkampfDerBahn(bahn) : nullptr;
        if (!w) continue;
        const bool probe = w->Spielphase == PhaseProbe;
        // Each match's boards are blanked once, so a later lane keeps what an
        // earlier one wrote.
        if (std::find(geleert.begin(), geleert.end(), w) == geleert.end()) {
            geleert.push_back(w);
            const Bahnbereich b = BahnenVon(*w);
            MannschaftsanzeigeLoeschen(b.erste, b.letzte);
            if (!probe) MannschaftsanzeigeKennzeichnen(b.erste, b.letzte);
        }
        if (probe)
            MannschaftsanzeigeProbe(bahn);
        else
            MannschaftsergebnisAnzeigen(bahn);
    }
}

void Mannschaftsanzsteuerung::wechselTakt()
{
    TimerWechsel.setEnabled(false);
    const std::int64_t zaehler = std::int64_t(MaPZaehler) + 10000;
    MaPZaehler = zaehler >= Einst.MaPMaIntervall ? 0 : i32(zaehler);

    // The state is shared by all matches: it flips once per tick, then each
    // alternating match refreshes through its first lane.
    bool weiter = false;
    const TWettkampfDaten* zuletzt = nullptr;
    for (int bahn = 1; bahn <= letzteBahn(); ++bahn) {
        const TWettkampfDaten* w = WettkampfDerBahn(bahn);
        if (!SpielLaeuft(w) || !w->MaPMaWechsel) continue;
        if (!weiter && MaPZaehler == 0) MaPZustand = MaPZustand ? 0 : 1;
        weiter = true;
        if (w == zuletzt) continue;
        zuletzt = w;
        if (MaPZaehler == 0) MannschaftsergebnisAnzeigen(bahn);
    }
    TimerWechsel.setEnabled(weiter);
}

void Mannschaftsanzsteuerung::HelligkeitSenden(u8 helligkeit)
{
    if (Einst.MannschanzOn) AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenHelligkeit(helligkeit));
    if (Einst.NamenanzOn) AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenHelligkeit(helligkeit));
}

void Mannschaftsanzsteuerung::zuruecksetzen()
{
    TimerWechsel.setEnabled(false);
    MaPZaehler = 0;
    MaPZustand = 0;
}
