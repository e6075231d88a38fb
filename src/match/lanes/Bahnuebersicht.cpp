#include "match/lanes/Bahnuebersicht.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/flow/Bahnzyklus.h"
#include "match/engine/Ersatzkette.h"
#include "match/flow/TimerModul.h"

#include <algorithm>

BahnuebersichtZustand bahnuebersichtZustand;
u8& ErsteAnzeigebahn = bahnuebersichtZustand.ErsteAnzeigebahn;

namespace {

// The last possible first lane of a page; 1 when the alley has at most four lanes.
int LetzteSeite() { return std::max(1, int(BahnAnzahl) - 3); }

TBahnDaten* Bahn(int n) { return BahnDaten.contains(n) ? &BahnDaten[n] : nullptr; }

// The lane plays for its match.
bool SpieltFuer(int n, const TWettkampfDaten* m)
{
    const TBahnDaten* l = Bahn(n);
    return m && l && l->Wettk == m && m->BahnImSpiel[n];
}

QString Punkte(TBahnDaten& l, int n)
{
    TWettkampfDaten& m = *l.Wettk;
    if (m.SVictoryLaeuft) {
        const int zeile = n - int(m.ErsteSpielbahn) + 1;
        if (!m.SVictoryTabelle.contains(zeile) || !m.SVictoryTabelle[zeile].contains(m.SVictoryRunde)) return {};
        return ZahlText1Stelle(m.SVictoryTabelle[zeile][m.SVictoryRunde].SaP);
    }
    const TSpielerEintrag* p = Ergebnistraeger(m, l.BahnSpieler);
    return p ? ZahlText1Stelle(p->SaP) : QString();
}

Bahnfeld Feld(TBahnDaten& l, int n)
{
    const TWettkampfDaten& m = *l.Wettk;
    const TSpielerEintrag* p = l.BahnSpieler;
    Bahnfeld f;
    f.name = p ? p->Name.text() : QString();
    f.titel = QStringLiteral("Bahn %1").arg(n);
    f.status = l.BahnGestoppt   ? QStringLiteral("Stop")
               : l.ProbeLaeuft  ? QStringLiteral("Probe")
               : l.BahnGestartet ? QStringLiteral("Start")
                                 : QStringLiteral(" ");
    for (long g = 1; g <= 2; ++g) {
        const TWurfMarken& t = l.TextName1[g];
        const std::size_t i = std::size_t(g - 1) * 3;
        f.W[i] = t.Wuerfe1bis10.text();
        f.W[i + 1] = t.Wuerfe11bis20.text();
        f.W[i + 2] = t.Wuerfe21bis25.text();
    }
    f.WS = {l.Spalte1.Text.text(), l.Spalte2.Text.text(), l.Spalte3.Text.text()};
    f.wurfZ = l.TextWurfNr.text();
    f.wurfS = l.TextGesamt.text();
    f.fehlerS = l.TextFehler.text();
    f.volleS = l.TextVolle.text();
    f.abrS = l.TextAbraeumen.text();
    f.totalS = m.SVictoryLaeuft ? l.TextVolle.text() : l.TextTotal.text();
    f.verwS = p ? p->VerwarnungText.text() : QString();
    f.punkteSichtbar = m.Punktespiel != 0;
    if (f.punkteSichtbar) f.punkteS = Punkte(l, n);
    return f;
}

}  // namespace

// --- Paging -----------------------------------------------------------------------

Blaettern BlaetternSichtbar()
{
    if (BahnAnzahl <= UebersichtFelder) return {};
    return {ErsteAnzeigebahn > 1, ErsteAnzeigebahn < LetzteSeite()};
}

Blaettern SeiteBegrenzen()
{
    // Also an alley of four lanes or fewer starts at lane 1: a page left from
    // a larger alley would show lanes that do not exist.
    ErsteAnzeigebahn = u8(std::clamp(int(ErsteAnzeigebahn), 1, LetzteSeite()));
    return BlaetternSichtbar();
}

std::optional<Blaettern> SeiteLinks()
{
    if (EingabeGesperrt) return std::nullopt;
    ErsteAnzeigebahn = u8(std::max(1, int(ErsteAnzeigebahn) - 2));
    return BlaetternSichtbar();
}

std::optional<Blaettern> SeiteRechts()
{
    if (EingabeGesperrt) return std::nullopt;
    ErsteAnzeigebahn = u8(std::max(1, std::min(int(ErsteAnzeigebahn) + 2, LetzteSeite())));
    return BlaetternSichtbar();
}

Blaettern BahnuebersichtZeigen()
{
    bahnuebersichtZustand.VorigesFenster = AktivesFenster;
    OffeneFenster |= FensterBahnuebersicht;
    AktivesFenster = FensterBahnuebersicht;
    return SeiteBegrenzen();
}

void BahnuebersichtVerborgen()
{
    const u8 vorher = bahnuebersichtZustand.VorigesFenster;
    AktivesFenster = vorher;
    OffeneFenster &= u8(~FensterBahnuebersicht);
    if (vorher & FensterErgebnis) fenster().oeffnen(MdiFenster::Ergebnis);
    else if (vorher & FensterSpielbericht) fenster().oeffnen(MdiFenster::Spielbericht);
    else if (vorher & FensterWettkampf) fenster().oeffnen(MdiFenster::Wettkampf);
}

// --- One lane -----------------------------------------------------------------------

BahnfeldAnzeige BahnfeldAnzeigen(int n)
{
    BahnfeldAnzeige a;
    TBahnDaten* l = Bahn(n);
    if (!l) return a;
    l->UebersichtAktualisieren = 0;
    const int F = ErsteAnzeigebahn;
    TWettkampfDaten* m = l->Wettk;

    if (m) {
        for (int s = 0; s < UebersichtFelder; ++s) {
            if (!SpieltFuer(F + s, m)) continue;
            const TSpielerEintrag* p = BahnDaten[F + s].BahnSpieler;
            if (!p) continue;
            const TMannschaftBlock& seite = p->IstHeim ? m->Heim : m->Gast;
            a.mannschaft[std::size_t(s)] =
                Mannschaftsstand{p->IstHeim ? QStringLiteral("Heim") : QStringLiteral("Gast"),
                                 seite.Total.Text.text().left(5), seite.Plus.Text.text().left(5)};
        }
    }

    // Lanes off the page have no panel.
    if (n < F || n > F + UebersichtFelder - 1) return a;
    std::array<Bahnpanel, UebersichtFelder> panels{};
    for (int s = 0; s < UebersichtFelder; ++s) {
        const TBahnDaten* b = Bahn(F + s);
        const u8 status = b ? b->BahnStatus : 0;
        if (status == 1) panels[std::size_t(s)] = {true, BahnpanelHoeheBeendet};
        else if (status == 2) panels[std::size_t(s)] = {true, BahnpanelHoeheLaufend};
    }
    a.panels = panels;
    a.feld = n - F + 1;

    if (SpieltFuer(n, m)) a.inhalt = Feld(*l, n);
    return a;
}

// --- A click on panel k -----------------------------------------------------------

int PanelBahn(int k)
{
    const int n = k + int(ErsteAnzeigebahn) - 1;
    return k >= 1 && k <= UebersichtFelder && BahnDaten.contains(n) ? n : 0;
}

BahnklickErgebnis BahnklickPruefen(int k)
{
    const int n = PanelBahn(k);
    if (EingabeGesperrt || !n) return {};
    const TBahnDaten& l = BahnDaten[n];
    if (!l.Wettk || !l.Wettk->Gestartet) return {};
    if (l.BahnStatus != 1) return {Bahnklick::Korrektur, n};
    if (int(l.Wettk->Volle) + int(l.Wettk->Abraeumen) > int(l.WurfNr)) return {Bahnklick::Wiederherstellen, n};
    return {};
}

void BahnAngeklickt(int k)
{
    const BahnklickErgebnis e = BahnklickPruefen(k);
    switch (e.was) {
    case Bahnklick::Nichts:
        break;
    case Bahnklick::Korrektur:
        fenster().dialog(Dialog::Korrektur, e.bahn);
        break;
    case Bahnklick::Wiederherstellen:
        if (boxen().hinweisJa(QStringLiteral("Bahn wieder herstellen ?")) == ErgebnisJa) BahnFortsetzen(e.bahn);
        break;
    }
}
