#include "report/Spielbericht.h"

#include "core/TextFunctions.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int Hoechstwert = 9999;

TMannschaftBlock& seite(TWettkampfDaten& w, bool heim) { return heim ? w.Heim : w.Gast; }

// An edit's text as far as the edit holds it, and the value of its digits.
template <std::size_t N>
void Uebernehmen(TextZahl<N>& feld, const QString& text)
{
    const QString t = text.left(BerichtZiffern);
    feld.Text.setzenText(t);
    feld.Zahl = TextZuZahl(t);
}

template <std::size_t N>
void Nullen4(TextZahl<N>& feld, int zahl)
{
    feld.Zahl = u16(zahl);
    ZahlMitNullen(feld.Text, unsigned(zahl), BerichtZiffern);
}

QString SummeBilden(TWettkampfDaten& w, bool heim)
{
    TMannschaftBlock& s = seite(w, heim);
    // Not more than the total edit holds.
    const int summe = std::min(int(s.Volle.Zahl) + int(s.Abr.Zahl), Hoechstwert);
    if (summe == 0) s.Total.leeren();
    else Nullen4(s.Total, summe);
    Text<6> ohneNullen;
    NullenEntfernen(ohneNullen, s.Total.Text.c_str());
    const QString anzeige = ohneNullen.text();
    TotalGeaendert(w, heim, anzeige);
    return anzeige;
}

}  // namespace

QString VolleGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    Uebernehmen(seite(w, heim).Volle, text);
    w.Geaendert = 1;
    return SummeBilden(w, heim);
}

QString AbrGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    Uebernehmen(seite(w, heim).Abr, text);
    w.Geaendert = 1;
    return SummeBilden(w, heim);
}

void TotalGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    TMannschaftBlock& s = seite(w, heim);
    Uebernehmen(s.Total, text);
    Nullen4(s.Total, s.Total.Zahl);
    const int vorsprung = int(w.Heim.Total.Zahl) - int(w.Gast.Total.Zahl);
    Nullen4(w.Heim.Plus, std::max(vorsprung, 0));
    Nullen4(w.Gast.Plus, std::max(-vorsprung, 0));
    w.Geaendert = 1;
}

void FehlerGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    Uebernehmen(seite(w, heim).Fehler, text);
    w.Geaendert = 1;
}

bool PunkteGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    double punkte = 0;
    if (!t.isEmpty() && t != QLatin1String(".") && t != QLatin1String(",")) {
        const std::optional<double> d = TextZuFloat(t);
        if (!d) return false;
        punkte = *d;
    }
    seite(w, heim).TotalMaP = float(punkte);
    w.Geaendert = 1;
    return true;
}

void BemerkungGeaendert(TWettkampfDaten& w, bool heim, const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList zeilen = t.split(QLatin1Char('\n'));
    TMannschaftBlock& s = seite(w, heim);
    for (int i = 1; i <= BemerkungZeilen; ++i) s.Text[i].setzenText(zeilen.value(i - 1).left(BemerkungBreite));
    w.Geaendert = 1;
}

u8& ZwischenfallFlag(TWettkampfDaten& w, Zwischenfall z)
{
    switch (z) {
    case Zwischenfall::BahnenOk: return w.BahnenOk;
    case Zwischenfall::PaesseOk: return w.PaesseOk;
    case Zwischenfall::Verwarnungen: return w.Verwarnungen;
    case Zwischenfall::Verletzungen: return w.Verletzungen;
    case Zwischenfall::Protest: return w.Protest;
    case Zwischenfall::Sonstiges: return w.Sonstiges;
    case Zwischenfall::Anlagen: break;
    }
    return w.Anlagen;
}

void ZwischenfallGeaendert(TWettkampfDaten& w, Zwischenfall z, bool gesetzt)
{
    ZwischenfallFlag(w, z) = gesetzt ? 1 : 0;
    w.Geaendert = 1;
}
