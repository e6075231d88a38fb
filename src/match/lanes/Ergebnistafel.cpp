#include "match/lanes/Ergebnistafel.h"

#include "core/TextFunctions.h"

namespace {

constexpr int RecordTextLaenge = 5;

template <std::size_t N>
QString Feld(const Text<N>& t, int breite = RecordTextLaenge)
{
    return t.text().left(breite);
}

QString Ausgerichtet(unsigned long zahl, bool rechts)
{
    char puffer[8] = {};
    if (rechts) ZahlRechtsbuendig(puffer, zahl, 4);
    else ZahlLinksbuendig(puffer, zahl, 4);
    return QString::fromLatin1(puffer);
}

// Line k of a side: its name and its values.
bool ZeileSichtbar(const TWettkampfDaten& w, int k)
{
    if (w.Streichspiel || k <= 4 || k >= 7) return true;
    return w.Spieleranzahl >= k;
}

bool WerteSichtbar(const TWettkampfDaten& w, const TMannschaftBlock& seite, int k)
{
    if (w.Streichspiel || k <= 6) return ZeileSichtbar(w, k);
    return k == 7 ? seite.Ersatz7Eingesetzt : seite.Ersatz8Eingesetzt;
}

ErgebnisSeite Seite(const TWettkampfDaten& w, bool heim)
{
    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    ErgebnisSeite s;
    s.ersatzUeberschrift = !w.Streichspiel;
    for (int k = 1; k <= 8; ++k) {
        s.zeile[k] = ZeileSichtbar(w, k);
        s.werte[k] = WerteSichtbar(w, m, k);
    }
    for (int k = 7; k <= 8; ++k) {
        const u8 ersetzt = w.Spieler[heim ? k : k + 8].Ersatz;
        s.ersetzt[k - 6] = ersetzt == 0 ? QString() : QStringLiteral("für Spieler ") + QString::number(ersetzt);
    }
    return s;
}

}  // namespace

ErgebnisLage ErsatzLage(bool satz, bool streichspiel, int zeile)
{
    static constexpr ErgebnisLage lagen[2][2][2] = {
        {{{308, 370}, {348, 410}}, {{258, 320}, {298, 360}}},  // plain: all lines, struck players
        {{{284, 348}, {332, 396}}, {{246, 310}, {284, 348}}},  // set layout
    };
    return lagen[satz ? 1 : 0][streichspiel ? 1 : 0][zeile == 2 ? 1 : 0];
}

ErgebnisLayout ErgebnistafelLayout(const TWettkampfDaten& w)
{
    ErgebnisLayout l;
    l.satz = w.Satzanzeige;
    for (int z = 1; z <= 2; ++z) l.ersatzLage[z] = ErsatzLage(l.satz, w.Streichspiel, z);
    l.heim = Seite(w, true);
    l.gast = Seite(w, false);
    return l;
}

std::optional<ErgebnisZeile> ErgebnistafelSpielerzeile(const TWettkampfDaten& w, int n)
{
    if (n < 1 || n > MaxSpieler) return std::nullopt;
    const TSpielerEintrag& p = w.Spieler[n];
    ErgebnisZeile z;
    z.heim = n <= 8;
    z.zeile = z.heim ? n : n - 8;
    z.name = p.Name.text();
    z.volle = Feld(p.Volle.Text, 4);
    z.abr = Feld(p.Abr.Text, 4);
    z.fehler = Feld(p.Fehler.Text, 4);
    z.total = Feld(p.Total.Text);
    for (int b = 1; b <= MaxDurchgaenge; ++b) z.satz[b] = Feld(p.Durchgang[b].Total.Text);
    z.satzTotal = z.total;
    z.hatPunkte = z.zeile <= 6;
    z.punkteSichtbar = z.hatPunkte && w.Punktespiel && p.Gestartet && ZeileSichtbar(w, z.zeile);
    z.punkte = ZahlText1Stelle(p.SaP);
    return z;
}

ErgebnisSumme ErgebnistafelSumme(const TWettkampfDaten& w)
{
    ErgebnisSumme s;
    s.heimPlusSichtbar = w.Heim.Plus.Zahl != 0;
    s.gastPlusSichtbar = w.Gast.Plus.Zahl != 0;
    s.heimTotal = Feld(w.Heim.Total.Text);
    s.heimPlus = Ausgerichtet(w.Heim.Plus.Zahl, true);
    s.heimWurf = Feld(w.Heim.Wuerfe.Text);
    s.gastTotal = Feld(w.Gast.Total.Text);
    s.gastPlus = Ausgerichtet(w.Gast.Plus.Zahl, false);
    s.gastWurf = Feld(w.Gast.Wuerfe.Text);
    s.heimPunkte = ZahlText1Stelle(w.Heim.TotalMaP);
    s.gastPunkte = ZahlText1Stelle(w.Gast.TotalMaP);
    return s;
}

ErgebnisKopf ErgebnistafelKopf(const TWettkampfDaten& w)
{
    ErgebnisKopf k;
    k.heim = w.Heimmannschaft.text();
    k.gast = w.Gastmannschaft.text();
    k.punkteSichtbar = w.Punktespiel;
    k.layout = ErgebnistafelLayout(w);
    for (int n = 1; n <= MaxSpieler; ++n) k.zeilen[n] = *ErgebnistafelSpielerzeile(w, n);
    k.summe = ErgebnistafelSumme(w);
    return k;
}
