// The drawing helpers the built-in layouts share.

#include "report/formulare/Formularlayouts.h"

#include <QRect>

void TextBis(Berichtsleinwand& l, int x, int y, int bis, const QString& t)
{
    const Berichtsschrift alt = l.schrift();
    int punkte = alt.punkte;
    while (punkte > 1 && l.textbreite(t) > bis - x) l.schriftSetzen(alt.groesse(--punkte));
    l.text(x, y, t);
    if (punkte != alt.punkte) l.schriftSetzen(alt);
}

// --- Texts whose y is their bottom -------------------------------------------------------

void Unten(Berichtsleinwand& l, int x, int y, const QString& t) { l.text(x, y + l.schrift().hoehe(), t); }

void UntenRechts(Berichtsleinwand& l, int x, int y, const QString& t) { l.textRechts(x, y + l.schrift().hoehe(), t); }

void NameUnten(Berichtsleinwand& l, int x, int bis, int y, const QString& t)
{
    const int oben = y + l.schrift().hoehe();
    l.textGeklippt(QRect(QPoint(x, oben), QPoint(bis, y + 10)), x, oben, t);
}

void UntenWennText(Berichtsleinwand& l, int x, int y, const QString& t)
{
    if (!t.isEmpty()) Unten(l, x, y, t);
}

void UntenRechtsWennText(Berichtsleinwand& l, int x, int y, const QString& t)
{
    if (!t.isEmpty()) UntenRechts(l, x, y, t);
}

void NameUntenWennText(Berichtsleinwand& l, int x, int bis, int y, const QString& t)
{
    if (!t.isEmpty()) NameUnten(l, x, bis, y, t);
}

void KreuzUnten(Berichtsleinwand& l, int x, int y) { l.kreuz(x, y + l.schrift().hoehe()); }

void KreuzUnten(Berichtsleinwand& l, const Berichtsschrift& s, int x, int y)
{
    const Berichtsschrift alt = l.schrift();
    l.schriftSetzen(s);
    l.kreuz(x, y + s.hoehe());
    l.schriftSetzen(alt);
}

void Mannschaftssummen(Berichtsleinwand& l, const TMannschaftBlock& m, const std::array<int, 4>& rechts, int y)
{
    UntenRechtsWennText(l, rechts[0], y, m.Volle.Text.text());
    UntenRechtsWennText(l, rechts[1], y, m.Abr.Text.text());
    UntenRechtsWennText(l, rechts[2], y, m.Fehler.Text.text());
    UntenRechtsWennText(l, rechts[3], y, Summe(m.Total.Text.c_str()));
}

// --- Blank forms -----------------------------------------------------------------------

Berichtsschrift Etikettschrift(int punkte, bool fett)
{
    Berichtsschrift s;
    s.name = QStringLiteral("Arial");
    s.punkte = punkte;
    s.fett = fett;
    return s;
}

void Beschriftung(Berichtsleinwand& l, int x, int y, const QString& t, int punkte, bool fett, Ausrichtung a)
{
    l.schriftSetzen(Etikettschrift(punkte, fett));
    const int b = a == Ausrichtung::Links ? 0 : l.textbreite(t);
    const int links = a == Ausrichtung::Links ? x : a == Ausrichtung::Mitte ? x - b / 2 : x - b;
    Unten(l, links, y, t);
}

void BeschriftungRechts(Berichtsleinwand& l, int x, int y, const QString& t, int punkte)
{
    l.schriftSetzen(Etikettschrift(punkte));
    UntenRechts(l, x, y, t);
}

void Kaestchen(Berichtsleinwand& l, int x, int y, const Kaestchenmass& m)
{
    l.rechteck(QRect(x - m.links, y - m.oben, m.seite, m.seite), 3);
}

void Waagrecht(Berichtsleinwand& l, int x1, int x2, int y, int staerke) { l.linie(x1, y, x2, y, staerke); }

void Senkrecht(Berichtsleinwand& l, int x, int y1, int y2, int staerke) { l.linie(x, y1, x, y2, staerke); }

void Datenfeld(Berichtsleinwand& l, int xLabel, const char* label, int x1, int x2, int y)
{
    Beschriftung(l, xLabel, y, QString::fromUtf8(label));
    Waagrecht(l, x1, x2, y + 2);
}

void Spaltenkopf(Berichtsleinwand& l, int x, int y1, int y2, const char* zeile1, const char* zeile2)
{
    Beschriftung(l, x, y1, QString::fromUtf8(zeile1), 20);
    if (zeile2) Beschriftung(l, x, y2, QString::fromUtf8(zeile2), 20);
}

void Unterschriftskasten(Berichtsleinwand& l, int x, int y, const char* titel)
{
    Beschriftung(l, x, y, QString::fromUtf8(titel), 20);
    l.rechteck(QRect(QPoint(x, y + 10), QPoint(x + 330, y + 85)), 2);
}
