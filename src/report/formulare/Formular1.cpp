// Layout 1: the landscape report with the section's title. Every y is the
// bottom of its text; from the title on every text is bold. Layout 2 draws
// with the same functions on rows of its own (Formular1Plan).

#include "report/formulare/Formularlayouts.h"

namespace {

constexpr Formular1Plan Plan{
    .artZeilen = {230, 336, 442, 548},
    .spielleiterY = 0,
    .telefonY = 0,
    .landY = 186,
    .ortY = 292,
    .anlageY = 398,
    .beginnY = 504,
    .klasseY = 610,
    .mannschaftY = 700,
    .heim = {26, 220, 820, 870, 1140, 1330, 1470, 1640},
    .gast = {1706, 1900, 2500, 2550, 2820, 3010, 3150, 3320},  // home + 1680
    .ersteZeileY = 920,
    .zeilenAbstand = 118,
    .ersatzzeilen = 1,
    .tabelleOben = 730,
    .volleBreite = 180,
    .kopfVersatz = 27,
    .nummerVersatz = 40,
    .fehlwuerfeGeteilt = false,
    .vorfallY = 1860,
    .anlagenY = 2084,
    .bemerkungY = {1974, 2044, 2114},
    .unterschriftY = 2165,
    .unterschriften = {"Mannschaftsführer Heim", "Schiedsrichter", "Mannschaftsführer Gast"},
};

// The form runs to x 3400: the guest's total and the last incident column reach x 3350.
constexpr int Rechts = 3390;
constexpr int NeinAbstand = 58;
constexpr int Anlagenkreuz = 3321;

struct Vorfall {
    u8 TWettkampfDaten::*flag;
    int ja;  // x of the yes cross; the no cross is NeinAbstand to its right
    const char* text;
};
constexpr Vorfall Vorfaelle[] = {
    {&TWettkampfDaten::BahnenOk, 596, "Bahnen in Ordnung"}, {&TWettkampfDaten::PaesseOk, 1223, "Pässe in Ordnung"},
    {&TWettkampfDaten::Protest, 1690, "Protest"},           {&TWettkampfDaten::Verletzungen, 2199, "Verletzungen"},
    {&TWettkampfDaten::Verwarnungen, 2746, "Verwarnungen"}, {&TWettkampfDaten::Sonstiges, 3263, "Sonstiges"},
};

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, int y, const Zeilenspalten& sp, bool mitErgebnis)
{
    Unten(l, sp.pass, y, s.Pass.text());
    NameUnten(l, sp.name, sp.nameBis, y, s.Name.text());
    Unten(l, sp.jahr, y, Geburtsjahr(s));
    if (!mitErgebnis) return;
    UntenRechts(l, sp.volle, y, s.Volle.Text.text());
    UntenRechts(l, sp.abr, y, s.Abr.Text.text());
    UntenRechts(l, sp.fehler, y, s.Fehler.Text.text());
    UntenRechts(l, sp.total, y, s.Total.Text.text());
}

void Seite(Berichtsleinwand& l, TWettkampfDaten& w, bool heim, const Formular1Plan& p)
{
    const Zeilenspalten& sp = heim ? p.heim : p.gast;
    for (int zeile = 1; zeile <= 6; ++zeile)
        if (ZeileGezeigt(w, zeile)) Spielerzeile(l, SeitenSpieler(w, heim, zeile), p.zeileY(zeile), sp, true);
    if (p.ersatzzeilen == 1) {
        Spielerzeile(l, Ersatzzeile(w, heim), p.zeileY(7), sp, true);
    } else {
        for (int nr = 7; nr <= 8; ++nr) {
            const TSpielerEintrag& s = SeitenSpieler(w, heim, nr);
            Spielerzeile(l, s, p.zeileY(nr), sp, s.Total.Zahl > 0);
        }
    }

    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    UntenRechts(l, sp.volle, p.summenY(), m.Volle.Text.text());
    UntenRechts(l, sp.abr, p.summenY(), m.Abr.Text.text());
    UntenRechts(l, sp.fehler, p.summenY(), m.Fehler.Text.text());
    UntenRechts(l, sp.total, p.summenY(), Summe(m.Total.Text.c_str()));
}

}  // namespace

void Formular1NachPlan(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k, const Formular1Plan& p,
                       const Berichtsschrift& basis)
{
    const auto& [art1, art2, art3, jugend] = p.artZeilen;
    l.schriftSetzen(basis.groesse(30));
    const QString art = w.Spielart.text();
    if (art == QStringLiteral("Clubspiel")) KreuzUnten(l, 690, art1);
    else if (art == QStringLiteral("Pokalspiel")) KreuzUnten(l, 690, art2);
    else if (art == QStringLiteral("Länderspiel")) KreuzUnten(l, 690, art3);

    const QString gruppe = w.Gruppe.text();
    if (gruppe == QStringLiteral("Herren")) KreuzUnten(l, 1300, art1);
    else if (gruppe == QStringLiteral("Damen")) KreuzUnten(l, 1300, art2);
    else if (gruppe == QStringLiteral("Junioren")) KreuzUnten(l, 1300, art3);
    else if (!gruppe.isEmpty()) {
        // Every other group is youth; A and B youth carry their letter.
        if (gruppe == QStringLiteral("A-Jugend")) Unten(l, 1050, jugend, QStringLiteral("A"));
        else if (gruppe == QStringLiteral("B-Jugend")) Unten(l, 1050, jugend, QStringLiteral("B"));
        KreuzUnten(l, 1300, jugend);
    }

    l.schriftSetzen(basis);
    if (p.spielleiterY) Unten(l, 1800, p.spielleiterY, w.Spielleiter.Name.text());
    if (p.telefonY) Unten(l, 1800, p.telefonY, w.Spielleiter.Tel.text());
    Unten(l, 1800, p.landY, w.Land.text() + QStringLiteral("  ") + w.Bezirk.text());
    Unten(l, 1800, p.ortY, k.spielort);
    Unten(l, 2950, p.ortY, w.Datum.text());
    Unten(l, 1800, p.anlageY, k.bahnanlage);
    Unten(l, 1800, p.beginnY, w.Beginn.text());
    if (SpielBeendet(w)) Unten(l, 2950, p.beginnY, w.Ende.text());
    Unten(l, 1800, p.klasseY, w.Klasse.text());
    Unten(l, 410, p.mannschaftY, w.Heimmannschaft.text());
    Unten(l, 2080, p.mannschaftY, w.Gastmannschaft.text());

    Seite(l, w, true, p);
    Seite(l, w, false, p);

    l.schriftSetzen(basis.groesse(24));
    for (const Vorfall& v : Vorfaelle) KreuzUnten(l, w.*v.flag ? v.ja : v.ja + NeinAbstand, p.vorfallY);
    if (w.Anlagen) KreuzUnten(l, Anlagenkreuz, p.anlagenY);

    l.schriftSetzen(basis);
    for (int i = 1; i <= 3; ++i) {
        Unten(l, 400, p.bemerkungY[std::size_t(i - 1)], w.Heim.Text[i].text());
        Unten(l, 1730, p.bemerkungY[std::size_t(i - 1)], w.Gast.Text[i].text());
    }
}

void Formular1Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    Berichtsschrift basis = k.schrift;
    basis.fett = true;
    l.schriftSetzen(basis.groesse(40));
    Unten(l, 900, 100, k.sektion);
    Formular1NachPlan(l, w, k, Plan, basis);
    Unten(l, 1080, 2290, w.Schiedsrichter.text() + QStringLiteral(" /Spielleiter: ") + w.Spielleiter.Name.text());
}

// --- Blank form ------------------------------------------------------------------------
// The texts stand on the printed lines.

namespace {

void Wertzeile(Berichtsleinwand& l, int x, int bis, int y, const QString& etikett)
{
    Beschriftung(l, x - 12, y, etikett, 22, false, Ausrichtung::Rechts);
    Waagrecht(l, x - 6, bis, y + 2);
}

void Tabelle(Berichtsleinwand& l, const Formular1Plan& p, const Zeilenspalten& sp)
{
    const int links = sp.pass - 10;
    const int rechts = sp.total + 10;
    const int oben = p.tabelleOben;
    const int kopf = p.zeileY(0) + 10;
    const int zeilenende = p.zeileY(6 + p.ersatzzeilen) + 10;
    const int unten = p.summenY() + 10;
    l.rechteck(QRect(QPoint(links, oben), QPoint(rechts, unten)), 4);
    Waagrecht(l, links, rechts, kopf, 3);
    for (int zeile = 1; zeile < 6 + p.ersatzzeilen; ++zeile)
        Waagrecht(l, links, rechts, p.zeileY(zeile) + 10, zeile == 6 ? 3 : 2);
    Waagrecht(l, links, rechts, zeilenende, 3);
    const int nameLinie = sp.name - 10;
    const int jahrLinie = sp.jahr - 10;
    const int volleLinie = sp.volle - p.volleBreite;
    for (int x : {nameLinie, jahrLinie}) Senkrecht(l, x, oben, zeilenende);
    for (int x : {volleLinie, sp.volle + 10, sp.abr + 10, sp.fehler + 10}) Senkrecht(l, x, oben, unten);

    const int kopfY = kopf - p.kopfVersatz;
    auto kopftext = [&](int x, int y, const QString& t, int punkte) {
        Beschriftung(l, x, y, t, punkte, true, Ausrichtung::Mitte);
    };
    kopftext((links + nameLinie) / 2, kopfY, QStringLiteral("Pass-Nr."), 20);
    kopftext((nameLinie + jahrLinie) / 2, kopfY, QStringLiteral("Name"), 20);
    kopftext((jahrLinie + volleLinie) / 2, kopfY, QStringLiteral("Jg."), 20);
    kopftext((volleLinie + sp.volle + 10) / 2, kopfY, QStringLiteral("Volle"), 20);
    kopftext((sp.volle + sp.abr + 20) / 2, kopfY, QStringLiteral("Abräumen"), 20);
    const int fehlX = (sp.abr + sp.fehler + 20) / 2;
    if (p.fehlwuerfeGeteilt) {
        kopftext(fehlX, kopfY - 14, QStringLiteral("Fehl-"), 18);
        kopftext(fehlX, kopfY + 14, QStringLiteral("würfe"), 18);
    } else {
        kopftext(fehlX, kopfY, QStringLiteral("Fehlwürfe"), 18);
    }
    kopftext((sp.fehler + rechts + 10) / 2, kopfY, QStringLiteral("Gesamt"), 20);

    // Row numbers in the top corner of each row, clear of the texts.
    for (int zeile = 1; zeile <= 6 + p.ersatzzeilen; ++zeile) {
        const QString t = zeile <= 6 ? QString::number(zeile) + QLatin1Char('.') : QStringLiteral("Ersatz");
        Beschriftung(l, links + 6, p.zeileY(zeile) - p.zeilenAbstand + p.nummerVersatz, t, 16);
    }
    Beschriftung(l, sp.name, p.summenY(), QStringLiteral("Mannschaftsergebnis"), 22, true);
}

}  // namespace

void Vordruck1NachPlan(Berichtsleinwand& l, const Formular1Plan& p)
{
    Beschriftung(l, 60, 104, QStringLiteral("Spielbericht"), 48, true);
    Beschriftung(l, 60, 150, QStringLiteral("Mannschaftswettkampf"), 22);

    // Match type and group with their check boxes (crosses at size 30 = 40 pixels).
    const auto& [art1, art2, art3, jugend] = p.artZeilen;
    Beschriftung(l, 665, art1 - 65, QStringLiteral("Spielart"), 22, true, Ausrichtung::Rechts);
    Beschriftung(l, 1275, art1 - 65, QStringLiteral("Gruppe"), 22, true, Ausrichtung::Rechts);
    const std::pair<int, const char*> arten[] = {{art1, "Clubspiel"}, {art2, "Pokalspiel"}, {art3, "Länderspiel"}};
    for (auto [y, t] : arten) {
        Beschriftung(l, 665, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 690, y, KaestchenUmKreuz(40));
    }
    const std::pair<int, const char*> gruppen[] = {{art1, "Herren"}, {art2, "Damen"}, {art3, "Junioren"}};
    for (auto [y, t] : gruppen) {
        Beschriftung(l, 1275, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 1300, y, KaestchenUmKreuz(40));
    }
    Waagrecht(l, 1042, 1088, jugend + 4);
    Beschriftung(l, 1092, jugend, QStringLiteral("-Jugend"), 22);
    Kaestchen(l, 1300, jugend, KaestchenUmKreuz(40));

    // Official and match data.
    if (p.spielleiterY) Wertzeile(l, 1800, Rechts - 30, p.spielleiterY, QStringLiteral("Spielleiter:"));
    if (p.telefonY) Wertzeile(l, 1800, Rechts - 30, p.telefonY, QStringLiteral("Telefon:"));
    Wertzeile(l, 1800, Rechts - 30, p.landY, QStringLiteral("Land / Bezirk:"));
    Wertzeile(l, 1800, 2760, p.ortY, QStringLiteral("Spielort:"));
    Wertzeile(l, 2950, Rechts - 30, p.ortY, QStringLiteral("Datum:"));
    Wertzeile(l, 1800, Rechts - 30, p.anlageY, QStringLiteral("Bahnanlage:"));
    Wertzeile(l, 1800, 2760, p.beginnY, QStringLiteral("Beginn:"));
    Wertzeile(l, 2950, Rechts - 30, p.beginnY, QStringLiteral("Ende:"));
    Wertzeile(l, 1800, Rechts - 30, p.klasseY, QStringLiteral("Klasse:"));
    Wertzeile(l, 410, 1640, p.mannschaftY, QStringLiteral("Heim:"));
    Wertzeile(l, 2080, Rechts - 30, p.mannschaftY, QStringLiteral("Gast:"));

    Tabelle(l, p, p.heim);
    Tabelle(l, p, p.gast);

    // Incidents: a yes and a no box each (crosses at size 24 = 32 pixels).
    Beschriftung(l, 30, p.vorfallY, QStringLiteral("Vorkommnisse:"), 22, true);
    for (const Vorfall& v : Vorfaelle) {
        Beschriftung(l, v.ja - 18, p.vorfallY, QString::fromUtf8(v.text), 20, false, Ausrichtung::Rechts);
        Kaestchen(l, v.ja, p.vorfallY, KaestchenUmKreuz(32));
        Kaestchen(l, v.ja + NeinAbstand, p.vorfallY, KaestchenUmKreuz(32));
        Beschriftung(l, v.ja + 11, p.vorfallY - 44, QStringLiteral("ja"), 16, false, Ausrichtung::Mitte);
        Beschriftung(l, v.ja + NeinAbstand + 11, p.vorfallY - 44, QStringLiteral("nein"), 16, false, Ausrichtung::Mitte);
    }
    Waagrecht(l, p.heim.pass - 10, Rechts, p.vorfallY + 26, 3);

    // Remarks and enclosures.
    Beschriftung(l, 390, p.bemerkungY[0], QStringLiteral("Bemerkungen Heim:"), 20, true, Ausrichtung::Rechts);
    Beschriftung(l, 1720, p.bemerkungY[0], QStringLiteral("Bemerkungen Gast:"), 20, true, Ausrichtung::Rechts);
    for (int y : p.bemerkungY) {
        Waagrecht(l, 400, 1440, y + 2);
        Waagrecht(l, 1730, 3150, y + 2);
    }
    Beschriftung(l, Anlagenkreuz - 26, p.anlagenY, QStringLiteral("Anlagen"), 20, false, Ausrichtung::Rechts);
    Kaestchen(l, Anlagenkreuz, p.anlagenY, KaestchenUmKreuz(32));

    // Signatures: stamped into the boxes, the frames stay outside them.
    const int xs[] = {400, 1600, 2700};
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = xs[i];
        l.rechteck(QRect(QPoint(x - 5, p.unterschriftY), QPoint(x + 335, p.unterschriftY + 85)), 2);
        Beschriftung(l, x + 165, p.unterschriftY - 7, QString::fromUtf8(p.unterschriften[i]), 18, false, Ausrichtung::Mitte);
    }
}

void Vordruck1Zeichnen(Berichtsleinwand& l)
{
    l.rechteck(QRect(QPoint(8, 8), QPoint(Rechts, 2420)), 4);
    Vordruck1NachPlan(l, Plan);
    Wertzeile(l, 1080, 2700, 2290, QStringLiteral("Schiedsrichter / Spielleiter:"));
}
