#include "report/formulare/Formular.h"

#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "report/formulare/Formularlayouts.h"

#include <QPainter>

#include <array>
#include <functional>

namespace {

struct Layoutzeile {
    const char* kurzname;
    Formularmasse masse;
    int bildBreite;  // the picture's width: wider than the zoom's where the texts need it
    void (*zeichnen)(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&);
    void (*vordruck)(Berichtsleinwand&);
};

constexpr Formularmasse Quer{3256, 2430, 420};
// Layouts 1, 2 and 5 place their last columns and crosses up to x 3390.
constexpr int Breit = 3400;

const std::array<Layoutzeile, FormularAnzahl> Layouts = {{
    {"A5", {2430, 1628, 420}, 2430, Formular0Zeichnen, Vordruck0Zeichnen},
    {"Bund", Quer, Breit, Formular1Zeichnen, Vordruck1Zeichnen},
    {"Classic", Quer, Breit, Formular2Zeichnen, Vordruck2Zeichnen},
    {"Verband1", Quer, 3256, Formular3Zeichnen, Vordruck3Zeichnen},
    {"Verband2", Quer, 3256, Formular4Zeichnen, Vordruck4Zeichnen},
    {"Verband3", Quer, Breit, Formular5Zeichnen, Vordruck5Zeichnen},
    {"Verband4", Quer, 3256, Formular6Zeichnen, Vordruck6Zeichnen},
    {"Hochformat", {2430, 3256, 840}, 2430, Formular7Zeichnen, Vordruck7Zeichnen},
    {"Oesterreich", Quer, 3256, Formular8Zeichnen, Vordruck8Zeichnen},
}};

const Layoutzeile* Layout(int index)
{
    return index >= 0 && index < FormularAnzahl ? &Layouts[std::size_t(index)] : nullptr;
}

}  // namespace

std::optional<Formularmasse> FormularMasse(int index)
{
    if (const Layoutzeile* z = Layout(index)) return z->masse;
    return std::nullopt;
}

QString FormularKurzname(int index)
{
    const Layoutzeile* z = Layout(index);
    return z ? QString::fromLatin1(z->kurzname) : QString();
}

Formularkontext FormularkontextLesen(int index)
{
    Formularkontext k;
    k.index = index;
    if (Einst.FormularEinstellungen.contains(index)) {
        const TFormularEinstellung& e = Einst.FormularEinstellungen[index];
        k.schrift.name = e.SpFontName;
        k.schrift.punkte = e.SpFontSize;
        k.schrift.fett = e.SpFontBold;
        k.schrift.kursiv = e.SpFontItalic;
        k.schrift.farbe = u32(e.SpFontColor);
    }
    k.spielort = Spielort;
    k.bahnanlage = Bahnanlage;
    k.sektion = Einst.Sektion;
    k.positionen = &FeldPositionen;
    return k;
}

void FormularTexteZeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k)
{
    const Layoutzeile* z = Layout(k.index);
    if (!z) return;
    l.schriftSetzen(k.schrift);
    z->zeichnen(l, w, k);
    if (k.index >= 2) FreieFelderZeichnen(l, w, k);
}

QString FreiesFeldText(const TWettkampfDaten& w, int f)
{
    if (f >= 1 && f <= 10) return w.FormularText[f];
    const TSpielleiter& s = w.Spielleiter;
    switch (f) {
    case 30: return s.Name.text();
    case 31: return s.Anschrift.text();
    case 32: return s.Plz.text();
    case 33: return s.Ort.text();
    case 34: return s.Tel.text();
    case 35: return s.Fax.text();
    case 36: return s.Email.text();
    case 37: return s.Nr.text();
    case 38: return s.LV.text();
    default: return {};
    }
}

void FreieFelderZeichnen(Berichtsleinwand& l, const TWettkampfDaten& w, const Formularkontext& k)
{
    if (!k.positionen || k.index < 0 || k.index > 19) return;
    const int h = l.schrift().hoehe();
    auto feld = [&](int f) {
        const TFeldPosition& p = (*k.positionen)[f][k.index];
        if (p.Gesetzt != 1) return;
        const QString text = FreiesFeldText(w, f);
        if (text.isEmpty()) return;
        const int top = p.A + h;
        l.textGeklippt(QRect(QPoint(p.B, top), QPoint(p.B + p.C, p.A + 10)), p.B, top, text);
    };
    for (int f = 1; f <= 10; ++f) feld(f);
    for (int f = 30; f <= 38; ++f) feld(f);
}

void FormularVordruckZeichnen(Berichtsleinwand& l, int index)
{
    if (const Layoutzeile* z = Layout(index)) z->vordruck(l);
}

namespace {

// A white picture of the layout's size; null when it cannot be had.
QImage LeeresBild(const Layoutzeile& z)
{
    QImage bild(z.bildBreite, z.masse.hoehe, QImage::Format_RGB32);
    if (!bild.isNull()) bild.fill(Qt::white);
    return bild;
}

}  // namespace

QImage FormularVordruck(int index)
{
    const Layoutzeile* z = Layout(index);
    if (!z) return {};
    QImage bild = LeeresBild(*z);
    if (bild.isNull()) return bild;
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    Malerleinwand l(maler);
    z->vordruck(l);
    return bild;
}

namespace {

// The blank form of the layout with the texts `texte` draws on it.
FormularBild Formularflaeche(int index, const std::function<void(Berichtsleinwand&)>& texte)
{
    FormularBild ergebnis;
    const Layoutzeile* z = Layout(index);
    if (!z) return ergebnis;
    ergebnis.bild = LeeresBild(*z);
    if (ergebnis.bild.isNull()) {
        ergebnis.fehler = QStringLiteral("Das Formular kann nicht erstellt werden: zu wenig Speicher für %1 x %2 Bildpunkte.")
                              .arg(z->bildBreite)
                              .arg(z->masse.hoehe);
        return ergebnis;
    }
    ergebnis.masse = z->masse;
    QPainter maler(&ergebnis.bild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    Malerleinwand l(maler);
    z->vordruck(l);
    texte(l);
    return ergebnis;
}

}  // namespace

FormularBild FormularZeichnen(TWettkampfDaten& w, const Formularkontext& k)
{
    return Formularflaeche(k.index, [&](Berichtsleinwand& l) { FormularTexteZeichnen(l, w, k); });
}

FormularBild FormularZeichnen(TWettkampfDaten& w, int index)
{
    return FormularZeichnen(w, FormularkontextLesen(index));
}

Zeichenliste FormularTexteAufnehmen(TWettkampfDaten& w, const Formularkontext& k)
{
    Aufnahmeleinwand l;
    FormularTexteZeichnen(l, w, k);
    return l.liste();
}

FormularBild FormularZeichnen(const Zeichenliste& texte, int index)
{
    return Formularflaeche(index, [&](Berichtsleinwand& l) { texte.abspielen(l); });
}

// --- Text sources ----------------------------------------------------------------------

TSpielerEintrag& SeitenSpieler(TWettkampfDaten& w, bool heim, int nr)
{
    return *w.SpielerZeiger[heim ? nr : nr + 8];
}

bool ZeileGezeigt(const TWettkampfDaten& w, int zeile)
{
    return zeile <= 4 || (zeile == 5 && w.Spieleranzahl > 4) || (zeile == 6 && w.Spieleranzahl > 5);
}

TSpielerEintrag& Ersatzzeile(TWettkampfDaten& w, bool heim)
{
    TSpielerEintrag& acht = SeitenSpieler(w, heim, 8);
    return acht.Ersatz != 0 ? acht : SeitenSpieler(w, heim, 7);
}

bool SpielBeendet(const TWettkampfDaten& w) { return w.Beendet != 0; }

QString Geburtsjahr(const TSpielerEintrag& s) { return s.Gebdat.text().mid(6, 6); }

QString Geburtsmonat(const TSpielerEintrag& s) { return s.Gebdat.text().mid(3, 2); }

QString Summe(const char* text)
{
    Text<16> t;
    NullenEntfernenMin(t, text);
    return t.text();
}

std::pair<QString, QString> NameTeilen(const QString& name)
{
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    if (blank < 0) return {name, {}};
    return {name.left(blank), name.mid(blank + 1)};
}
