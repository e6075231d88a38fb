#include "match/engine/Punkte.h"

#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Zaehlertext.h"

#include <algorithm>
#include <string>

using namespace Zaehler;

PunkteZustand punkteZustand;
u8& PlatzierungGesperrt = punkteZustand.PlatzierungGesperrt;

void SatzpunkteBerechnen(TWettkampfDaten& w)
{
    const int duelle = std::min<int>(w.Spieleranzahl, 8);
    const int runden = std::min<int>(w.Durchgaenge, MaxDurchgaenge);
    for (int i = 1; i <= duelle; ++i) {
        for (long d = 1; d <= runden; ++d) {
            long h = 0, g = 0;
            bool gespielt = false;
            for (TSpielerEintrag* s : Nachfolger(w, &w.Spieler[i])) {
                h += s->Durchgang[d].Total.Zahl;
                gespielt = gespielt || s->Durchgang[d].Bahn != 0;
            }
            if (!gespielt && !w.Beendet) continue;
            for (TSpielerEintrag* s : Nachfolger(w, &w.Spieler[i + 8])) g += s->Durchgang[d].Total.Zahl;
            const f32 vh = h < g ? 0.0f : h == g ? 0.5f : 1.0f;
            w.Spieler[i].Durchgang[d].SaP = vh;
            w.Spieler[i + 8].Durchgang[d].SaP = 1.0f - vh;
        }
    }
    PunkteBerechnen(w);
}

void PunkteBerechnen(TWettkampfDaten& w)
{
    if (w.SVictoryLaeuft) {
        f32 heim = 0, gast = 0;
        for (auto& zeile : w.SVictoryTabelle) {
            if (!zeile.contains(w.SVictoryRunde)) continue;
            const TSuddenVictoryEintrag& e = zeile[w.SVictoryRunde];
            (e.SpielerNr <= 8 ? heim : gast) += e.SaP;
        }
        w.SVictoryHeimSaP = heim;
        w.SVictoryGastSaP = gast;
        return;
    }

    const int duelle = std::min<int>(w.Spieleranzahl, 8);
    const int runden = std::min<int>(w.Durchgaenge, MaxDurchgaenge);
    f32 sapHeim = 0, sapGast = 0, mapHeim = 0, mapGast = 0;
    for (int i = 1; i <= duelle; ++i) {
        TSpielerEintrag& h = w.Spieler[i];
        TSpielerEintrag& g = w.Spieler[i + 8];
        f32 sh = 0, sg = 0;
        for (long d = 1; d <= runden; ++d) {
            // A round that neither side won counts as level at the end.
            if (w.Beendet && h.Durchgang[d].SaP == 0 && g.Durchgang[d].SaP == 0)
                h.Durchgang[d].SaP = g.Durchgang[d].SaP = 0.5f;
            sh += h.Durchgang[d].SaP;
            sg += g.Durchgang[d].SaP;
        }
        h.SaP = sh;
        g.SaP = sg;
        sapHeim += sh;
        sapGast += sg;
        if (!h.Gestartet && !h.Fertig && !w.Beendet) continue;

        f32 mh = 0.5f;
        if (sh != sg) {
            mh = sh > sg ? 1.0f : 0.0f;
        } else {
            long ph = 0, pg = 0;
            for (TSpielerEintrag* s : Nachfolger(w, &h)) ph += s->Total.Zahl;
            for (TSpielerEintrag* s : Nachfolger(w, &g)) pg += s->Total.Zahl;
            if (ph != pg) mh = ph > pg ? 1.0f : 0.0f;
        }
        h.MaP = mh;
        g.MaP = 1.0f - mh;
        mapHeim += h.MaP;
        mapGast += g.MaP;
    }
    w.Heim.SaP = sapHeim;
    w.Gast.SaP = sapGast;
    w.Heim.MaP = mapHeim;
    w.Gast.MaP = mapGast;
    const u16 th = w.Heim.Total.Zahl;
    const u16 tg = w.Gast.Total.Zahl;
    w.Heim.ErgebnisMaP = th > tg ? 2.0f : th == tg ? 1.0f : 0.0f;
    w.Gast.ErgebnisMaP = 2.0f - w.Heim.ErgebnisMaP;
    w.Heim.TotalMaP = w.Heim.MaP + w.Heim.ErgebnisMaP;
    w.Gast.TotalMaP = w.Gast.MaP + w.Gast.ErgebnisMaP;
}

void TabellenpunkteBerechnen(TWettkampfDaten& w)
{
    const long vorHeim = u16(w.Heim.VorTaP);
    const long vorGast = u16(w.Gast.VorTaP);
    long heim = vorHeim + 1, gast = vorGast + 1;
    if (w.Heim.TotalMaP > w.Gast.TotalMaP) {
        heim = vorHeim + 2;
        gast = vorGast;
    } else if (w.Heim.TotalMaP < w.Gast.TotalMaP) {
        heim = vorHeim;
        gast = vorGast + 2;
    }
    // A two-leg tie goes by the set points of both legs.
    if ((w.SVictory1Spiel || w.SVictory2Spiele) && heim == gast) {
        const f32 sh = w.Heim.SaP + w.Heim.VorSaP;
        const f32 sg = w.Gast.SaP + w.Gast.VorSaP;
        heim = sh > sg ? 2 : sh < sg ? 0 : 1;
        gast = 2 - heim;
    }
    w.Heim.TaP = std::to_string(heim);
    w.Gast.TaP = std::to_string(gast);
}

void MannschaftssummenBilden(TWettkampfDaten& w)
{
    for (int seite = 0; seite < 2; ++seite) {
        TMannschaftBlock& x = seite == 0 ? w.Heim : w.Gast;
        long volle = 0, abr = 0, fehler = 0, total = 0;
        for (int n = 1; n <= 8; ++n) {
            const TSpielerEintrag& s = w.Spieler[n + 8 * seite];
            if (s.Wertung != 1) continue;
            volle += s.Volle.Zahl;
            abr += s.Abr.Zahl;
            fehler += s.Fehler.Zahl;
            total += s.Total.Zahl;
        }
        Setzen(x.Volle, volle, Form::Links4);
        Setzen(x.Abr, abr, Form::Links4);
        Setzen(x.Fehler, fehler, Form::Links4);
        Setzen(x.Total, total, Form::Nullen4);
        Setzen(x.Wuerfe, x.Wuerfe.Zahl, Form::Nullen4);
    }
    // The lead follows the rebuilt totals.
    const long d = long(w.Heim.Total.Zahl) - long(w.Gast.Total.Zahl);
    Setzen(w.Heim.Plus, d >= 1 ? d : 0, Form::Nullen4);
    Setzen(w.Gast.Plus, d >= 1 ? 0 : -d, Form::Nullen4);
}

void SpielerplatzierungBerechnen(TWettkampfDaten& w)
{
    if (PlatzierungGesperrt) return;
    // Pins first, then Abräumen pins, then fewer misses; nothing thrown is 0.
    auto schluessel = [](const TSpielerEintrag& s) -> qint64 {
        const qint64 k = (qint64(s.Total.Zahl) << 20) + (qint64(s.Abr.Zahl) << 8) + (200 - qint64(s.Fehler.Zahl));
        return k == 200 ? 0 : k;
    };
    for (int versatz : {0, 8}) {
        if (w.Streichspiel) {
            for (int i = 1; i <= 8; ++i) {
                const TSpielerEintrag& s = w.Spieler[i + versatz];
                Paare[i] = {s.Wertung == 0 ? 0 : schluessel(s), i + versatz};
            }
            PaareSortieren(1, 8);
            for (int platz = 1; platz <= 8; ++platz) {
                TSpielerEintrag& s = w.Spieler[Paare[platz].Wert];
                s.Platz = u8(platz);
                if (platz >= 7) s.Wertung = 0;
            }
        } else {
            for (int i = 1; i <= 6; ++i) {
                qint64 k = 0;
                for (TSpielerEintrag* s : Nachfolger(w, &w.Spieler[i + versatz])) k += schluessel(*s);
                Paare[i] = {k, i + versatz};
            }
            PaareSortieren(1, 6);
            for (int platz = 1; platz <= 6; ++platz) w.Spieler[Paare[platz].Wert].Platz = u8(platz);
            for (int i : {7, 8}) {
                TSpielerEintrag& s = w.Spieler[i + versatz];
                if (!s.Ersatz) continue;
                if (const TSpielerEintrag* t = Ergebnistraeger(w, &s); t && t != &s) s.Platz = t->Platz;
            }
        }
    }
    if (w.Streichspiel) {
        // The points follow the struck totals.
        MannschaftssummenBilden(w);
        PunkteBerechnen(w);
    }
}
