// Layout 2: the classic landscape report, with the official at the head,
// players 7 and 8 on rows of their own and the captains at the foot. Every
// y is the bottom of its text.
//
// Places of this form that are its own (the rest as layout 1 has them):
//   name clip          x 200 .. 820, guest 1880 .. 2476 (up to 50 pixels before the birth year)
//   remark lines       x 400 and 1730, bottoms 1994, 2064, 2134
//   enclosures cross   (3321, 2104)
//   incident crosses   x as layout 1, no column 58 pixels right

#include "report/Formularlayouts.h"

namespace {

constexpr int ErsteZeileY = 926;
constexpr int ZeilenAbstand = 108;
constexpr int SummenY = 1790;
constexpr int VorfallY = 1880;
constexpr int NeinAbstand = 58;
constexpr int BemerkungY[] = {1994, 2064, 2134};
constexpr int AnlagenY = 2104;
constexpr int FussY = 2350;

struct Spalten {
    int pass, name, nameBis, jahr, volle, abr, fehler, total;
};
constexpr Spalten HeimSpalten{20, 200, 820, 870, 1160, 1350, 1470, 1650};
constexpr Spalten GastSpalten{1696, 1880, 2476, 2526, 2840, 3030, 3150, 3330};

int ZeileY(int zeile) { return ErsteZeileY + ZeilenAbstand * (zeile - 1); }

void Unten(Berichtsleinwand& l, int x, int y, const QString& t) { l.text(x, y + l.schrift().hoehe(), t); }
void UntenRechts(Berichtsleinwand& l, int x, int y, const QString& t) { l.textRechts(x, y + l.schrift().hoehe(), t); }
void KreuzUnten(Berichtsleinwand& l, int x, int y) { l.kreuz(x, y + l.schrift().hoehe()); }

void Spielerzeile(Berichtsleinwand& l, const TSpielerEintrag& s, int y, const Spalten& sp, bool mitErgebnis)
{
    const int oben = y + l.schrift().hoehe();
    l.text(sp.pass, oben, s.Pass.text());
    l.textGeklippt(QRect(QPoint(sp.name, oben), QPoint(sp.nameBis, y + 10)), sp.name, oben, s.Name.text());
    l.text(sp.jahr, oben, Geburtsjahr(s));
    if (!mitErgebnis) return;
    l.textRechts(sp.volle, oben, s.Volle.Text.text());
    l.textRechts(sp.abr, oben, s.Abr.Text.text());
    l.textRechts(sp.fehler, oben, s.Fehler.Text.text());
    l.textRechts(sp.total, oben, s.Total.Text.text());
}

void Seite(Berichtsleinwand& l, TWettkampfDaten& w, bool heim)
{
    const Spalten& sp = heim ? HeimSpalten : GastSpalten;
    for (int zeile = 1; zeile <= 6; ++zeile)
        if (ZeileGezeigt(w, zeile)) Spielerzeile(l, SeitenSpieler(w, heim, zeile), ZeileY(zeile), sp, true);
    for (int nr = 7; nr <= 8; ++nr) {
        const TSpielerEintrag& s = SeitenSpieler(w, heim, nr);
        Spielerzeile(l, s, ZeileY(nr), sp, s.Total.Zahl > 0);
    }

    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    UntenRechts(l, sp.volle, SummenY, m.Volle.Text.text());
    UntenRechts(l, sp.abr, SummenY, m.Abr.Text.text());
    UntenRechts(l, sp.fehler, SummenY, m.Fehler.Text.text());
    UntenRechts(l, sp.total, SummenY, Summe(m.Total.Text.c_str()));
}

}  // namespace

void Formular2Zeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    const Berichtsschrift& basis = k.schrift;
    l.schriftSetzen(basis.groesse(30));
    const QString art = w.Spielart.text();
    if (art == QStringLiteral("Clubspiel")) KreuzUnten(l, 690, 330);
    else if (art == QStringLiteral("Pokalspiel")) KreuzUnten(l, 690, 414);
    else if (art == QStringLiteral("Länderspiel")) KreuzUnten(l, 690, 498);

    const QString gruppe = w.Gruppe.text();
    if (gruppe == QStringLiteral("Herren")) KreuzUnten(l, 1300, 330);
    else if (gruppe == QStringLiteral("Damen")) KreuzUnten(l, 1300, 414);
    else if (gruppe == QStringLiteral("Junioren")) KreuzUnten(l, 1300, 498);
    else if (!gruppe.isEmpty()) {
        if (gruppe == QStringLiteral("A-Jugend")) Unten(l, 1050, 586, QStringLiteral("A"));
        else if (gruppe == QStringLiteral("B-Jugend")) Unten(l, 1050, 586, QStringLiteral("B"));
        KreuzUnten(l, 1300, 586);
    }

    l.schriftSetzen(basis);
    Unten(l, 1800, 166, w.Spielleiter.Name.text());
    Unten(l, 1800, 226, w.Spielleiter.Tel.text());
    Unten(l, 1800, 292, w.Land.text() + QStringLiteral("  ") + w.Bezirk.text());
    Unten(l, 1800, 378, k.spielort);
    Unten(l, 2950, 378, w.Datum.text());
    Unten(l, 1800, 464, k.bahnanlage);
    Unten(l, 1800, 550, w.Beginn.text());
    if (SpielBeendet(w)) Unten(l, 2950, 550, w.Ende.text());
    Unten(l, 1800, 636, w.Klasse.text());
    Unten(l, 410, 724, w.Heimmannschaft.text());
    Unten(l, 2080, 724, w.Gastmannschaft.text());

    Seite(l, w, true);
    Seite(l, w, false);

    l.schriftSetzen(basis.groesse(24));
    const std::pair<u8, int> vorfaelle[] = {{w.BahnenOk, 596}, {w.PaesseOk, 1223},    {w.Protest, 1690},
                                            {w.Verletzungen, 2199}, {w.Verwarnungen, 2746}, {w.Sonstiges, 3263}};
    for (auto [gesetzt, x] : vorfaelle) KreuzUnten(l, gesetzt ? x : x + NeinAbstand, VorfallY);
    if (w.Anlagen) KreuzUnten(l, 3321, AnlagenY);

    l.schriftSetzen(basis);
    for (int i = 1; i <= 3; ++i) {
        Unten(l, 400, BemerkungY[i - 1], w.Heim.Text[i].text());
        Unten(l, 1730, BemerkungY[i - 1], w.Gast.Text[i].text());
    }
    Unten(l, 1080, FussY, w.Schiedsrichter.text());
    Unten(l, 4, FussY, w.Mannschaftsfuehrer[1].text());
    Unten(l, 2246, FussY, w.Mannschaftsfuehrer[2].text());
}

// --- Blank form ------------------------------------------------------------------------
// The texts stand on the printed lines. The form runs to x 3400: the guest's
// total and the last incident column reach x 3350. The home captain's name
// starts at x 4, so the page has no outer frame.

namespace {

constexpr int Rechts = 3390;

Berichtsschrift Etikettschrift(int punkte, bool fett)
{
    Berichtsschrift s;
    s.name = QStringLiteral("Arial");
    s.punkte = punkte;
    s.fett = fett;
    return s;
}

enum class Ausrichtung { Links, Mitte, Rechts };

// A label standing on the line y.
void Etikett(Berichtsleinwand& l, int x, int y, const QString& t, int punkte = 20, bool fett = false,
             Ausrichtung a = Ausrichtung::Links)
{
    l.schriftSetzen(Etikettschrift(punkte, fett));
    const int b = l.textbreite(t);
    const int links = a == Ausrichtung::Links ? x : a == Ausrichtung::Mitte ? x - b / 2 : x - b;
    l.text(links, y + l.schrift().hoehe(), t);
}

// The check box around a cross drawn at x with its bottom at y in a font of the given pixel height.
void Kaestchen(Berichtsleinwand& l, int x, int y, int pixel)
{
    const int seite = pixel + pixel / 6;
    const int mitteX = x + pixel / 3;
    const int mitteY = y - pixel * 44 / 100;
    l.rechteck(QRect(mitteX - seite / 2, mitteY - seite / 2, seite, seite), 3);
}

void Wertzeile(Berichtsleinwand& l, int x, int bis, int y, const QString& etikett)
{
    Etikett(l, x - 12, y, etikett, 22, false, Ausrichtung::Rechts);
    l.linie(x - 6, y + 2, bis, y + 2, 2);
}

void Tabelle(Berichtsleinwand& l, const Spalten& sp)
{
    const int links = sp.pass - 10;
    const int rechts = sp.total + 10;
    const int oben = 760;
    const int kopf = ZeileY(1) - ZeilenAbstand + 10;
    const int zeilenende = ZeileY(8) + 10;
    const int unten = SummenY + 10;
    l.rechteck(QRect(QPoint(links, oben), QPoint(rechts, unten)), 4);
    l.linie(links, kopf, rechts, kopf, 3);
    for (int zeile = 1; zeile <= 7; ++zeile) l.linie(links, ZeileY(zeile) + 10, rechts, ZeileY(zeile) + 10, zeile == 6 ? 3 : 2);
    l.linie(links, zeilenende, rechts, zeilenende, 3);
    const int nameLinie = sp.name - 10;
    const int jahrLinie = sp.jahr - 10;
    const int volleLinie = sp.volle - 190;
    for (int x : {nameLinie, jahrLinie}) l.linie(x, oben, x, zeilenende, 2);
    for (int x : {volleLinie, sp.volle + 10, sp.abr + 10, sp.fehler + 10}) l.linie(x, oben, x, unten, 2);

    const int kopfY = kopf - 26;
    Etikett(l, (links + nameLinie) / 2, kopfY, QStringLiteral("Pass-Nr."), 20, true, Ausrichtung::Mitte);
    Etikett(l, (nameLinie + jahrLinie) / 2, kopfY, QStringLiteral("Name"), 20, true, Ausrichtung::Mitte);
    Etikett(l, (jahrLinie + volleLinie) / 2, kopfY, QStringLiteral("Jg."), 20, true, Ausrichtung::Mitte);
    Etikett(l, (volleLinie + sp.volle + 10) / 2, kopfY, QStringLiteral("Volle"), 20, true, Ausrichtung::Mitte);
    Etikett(l, (sp.volle + sp.abr + 20) / 2, kopfY, QStringLiteral("Abräumen"), 20, true, Ausrichtung::Mitte);
    Etikett(l, (sp.abr + sp.fehler + 20) / 2, kopfY - 14, QStringLiteral("Fehl-"), 18, true, Ausrichtung::Mitte);
    Etikett(l, (sp.abr + sp.fehler + 20) / 2, kopfY + 14, QStringLiteral("würfe"), 18, true, Ausrichtung::Mitte);
    Etikett(l, (sp.fehler + rechts + 10) / 2, kopfY, QStringLiteral("Gesamt"), 20, true, Ausrichtung::Mitte);

    for (int zeile = 1; zeile <= 8; ++zeile) {
        const QString t = zeile <= 6 ? QString::number(zeile) + QLatin1Char('.') : QStringLiteral("Ersatz");
        Etikett(l, links + 6, ZeileY(zeile) - ZeilenAbstand + 38, t, 16);
    }
    Etikett(l, sp.name, SummenY, QStringLiteral("Mannschaftsergebnis"), 22, true);
}

}  // namespace

void Vordruck2Zeichnen(Berichtsleinwand& l)
{
    Etikett(l, 60, 104, QStringLiteral("Spielbericht"), 48, true);
    Etikett(l, 60, 150, QStringLiteral("Mannschaftswettkampf"), 22);

    // Match type and group with their check boxes (crosses at size 30 = 40 pixels).
    Etikett(l, 665, 265, QStringLiteral("Spielart"), 22, true, Ausrichtung::Rechts);
    Etikett(l, 1275, 265, QStringLiteral("Gruppe"), 22, true, Ausrichtung::Rechts);
    const std::pair<int, const char*> arten[] = {{330, "Clubspiel"}, {414, "Pokalspiel"}, {498, "Länderspiel"}};
    for (auto [y, t] : arten) {
        Etikett(l, 665, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 690, y, 40);
    }
    const std::pair<int, const char*> gruppen[] = {{330, "Herren"}, {414, "Damen"}, {498, "Junioren"}};
    for (auto [y, t] : gruppen) {
        Etikett(l, 1275, y, QString::fromUtf8(t), 22, false, Ausrichtung::Rechts);
        Kaestchen(l, 1300, y, 40);
    }
    l.linie(1042, 590, 1088, 590, 2);
    Etikett(l, 1092, 586, QStringLiteral("-Jugend"), 22);
    Kaestchen(l, 1300, 586, 40);

    // Official and match data.
    Wertzeile(l, 1800, Rechts - 30, 166, QStringLiteral("Spielleiter:"));
    Wertzeile(l, 1800, Rechts - 30, 226, QStringLiteral("Telefon:"));
    Wertzeile(l, 1800, Rechts - 30, 292, QStringLiteral("Land / Bezirk:"));
    Wertzeile(l, 1800, 2760, 378, QStringLiteral("Spielort:"));
    Wertzeile(l, 2950, Rechts - 30, 378, QStringLiteral("Datum:"));
    Wertzeile(l, 1800, Rechts - 30, 464, QStringLiteral("Bahnanlage:"));
    Wertzeile(l, 1800, 2760, 550, QStringLiteral("Beginn:"));
    Wertzeile(l, 2950, Rechts - 30, 550, QStringLiteral("Ende:"));
    Wertzeile(l, 1800, Rechts - 30, 636, QStringLiteral("Klasse:"));
    Wertzeile(l, 410, 1640, 724, QStringLiteral("Heim:"));
    Wertzeile(l, 2080, Rechts - 30, 724, QStringLiteral("Gast:"));

    Tabelle(l, HeimSpalten);
    Tabelle(l, GastSpalten);

    // Incidents: a yes and a no box each (crosses at size 24 = 32 pixels).
    Etikett(l, 30, VorfallY, QStringLiteral("Vorkommnisse:"), 22, true);
    const std::pair<int, const char*> vorfaelle[] = {{596, "Bahnen in Ordnung"}, {1223, "Pässe in Ordnung"}, {1690, "Protest"},
                                                     {2199, "Verletzungen"},     {2746, "Verwarnungen"},     {3263, "Sonstiges"}};
    for (auto [x, t] : vorfaelle) {
        Etikett(l, x - 18, VorfallY, QString::fromUtf8(t), 20, false, Ausrichtung::Rechts);
        Kaestchen(l, x, VorfallY, 32);
        Kaestchen(l, x + NeinAbstand, VorfallY, 32);
        Etikett(l, x + 11, VorfallY - 44, QStringLiteral("ja"), 16, false, Ausrichtung::Mitte);
        Etikett(l, x + NeinAbstand + 11, VorfallY - 44, QStringLiteral("nein"), 16, false, Ausrichtung::Mitte);
    }
    l.linie(10, VorfallY + 26, Rechts, VorfallY + 26, 3);

    // Remarks and enclosures.
    Etikett(l, 390, BemerkungY[0], QStringLiteral("Bemerkungen Heim:"), 20, true, Ausrichtung::Rechts);
    Etikett(l, 1720, BemerkungY[0], QStringLiteral("Bemerkungen Gast:"), 20, true, Ausrichtung::Rechts);
    for (int y : BemerkungY) {
        l.linie(400, y + 2, 1440, y + 2, 2);
        l.linie(1730, y + 2, 3150, y + 2, 2);
    }
    Etikett(l, 3295, AnlagenY, QStringLiteral("Anlagen"), 20, false, Ausrichtung::Rechts);
    Kaestchen(l, 3321, AnlagenY, 32);

    // Signatures: stamped into the boxes, the frames stay outside them; the
    // names of the captains and the referee on the line below.
    const std::pair<int, const char*> unterschriften[] = {
        {400, "Unterschrift Mannschaftsführer Heim"}, {1600, "Unterschrift Schiedsrichter"}, {2700, "Unterschrift Mannschaftsführer Gast"}};
    for (auto [x, t] : unterschriften) {
        l.rechteck(QRect(QPoint(x - 5, 2225), QPoint(x + 335, 2310)), 2);
        Etikett(l, x + 165, 2218, QString::fromUtf8(t), 18, false, Ausrichtung::Mitte);
    }
    const std::pair<int, const char*> namen[] = {{4, "Mannschaftsführer Heim"}, {1080, "Schiedsrichter"}, {2246, "Mannschaftsführer Gast"}};
    for (auto [x, t] : namen) {
        l.linie(x, FussY + 2, x + 900, FussY + 2, 2);
        Etikett(l, x, FussY + 34, QString::fromUtf8(t), 18);
    }
}
