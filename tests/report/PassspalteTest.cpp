// The pass column of every built-in layout holds the longest pass number the
// player database allows (6 characters) without running into what stands
// to its right: the " /" of the next column (layout 0) or the form's
// column line. Widths are measured in the real font, as the page draws them.

#include "report/formulare/Formular.h"
#include "report/formulare/Formularlayouts.h"
#include "support/Aufzeichnungsleinwand.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>

namespace {

// The widest pass the database holds: six digits.
QString Pass(int nr) { return QString::number(nr <= 8 ? 100230 + nr : 200230 + nr); }

std::unique_ptr<TWettkampfDaten> Spiel()
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Spieleranzahl = 6;
    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        TSpielerEintrag& s = *w->SpielerZeiger[nr];
        s.Name.setzenText(QStringLiteral("Spieler %1").arg(nr));
        s.Pass.setzenText(Pass(nr));
        s.Gebdat = "05.03.85";
        s.LetztSpiel = "01.12.25";
        s.Wurf.Text = "120";
        s.Volle.Text = " 350";
        s.Abr.Text = " 160";
        s.Fehler.Text = "   4";
        s.Total.Zahl = 510;
        s.Total.Text = "  510";
    }
    // Player 8 of each side took over from player 2.
    w->SpielerZeiger[8]->Ersatz = 2;
    w->SpielerZeiger[2]->ErsetztDurch = 8;
    w->SpielerZeiger[16]->Ersatz = 10;
    w->SpielerZeiger[10]->ErsetztDurch = 16;
    return w;
}

// Measures texts as the picture's canvas does.
class Messer {
public:
    Messer() : m_bild(8, 8, QImage::Format_RGB32), m_maler(&m_bild), m_leinwand(m_maler) {}
    int breite(const Berichtsschrift& s, const QString& t) const
    {
        m_leinwand.schriftSetzen(s);
        return m_leinwand.textbreite(t);
    }

private:
    mutable QImage m_bild;
    mutable QPainter m_maler;
    mutable Malerleinwand m_leinwand;
};

// Records what is drawn and measures texts in the real font, so that the
// layout decides on the widths the page has.
class Seite final : public Berichtsleinwand {
public:
    Aufzeichnungsleinwand a;
    Messer messer;

    void schriftSetzen(const Berichtsschrift& s) override { a.schriftSetzen(s); }
    const Berichtsschrift& schrift() const override { return a.schrift(); }
    int textbreite(const QString& t) const override { return messer.breite(a.schrift(), t); }
    void text(int x, int y, const QString& t) override { a.text(x, y, t); }
    void textRechts(int x, int y, const QString& t) override { a.textRechts(x, y, t); }
    void textGeklippt(const QRect& r, int x, int y, const QString& t) override { a.textGeklippt(r, x, y, t); }
    void kreuz(int x, int y) override { a.kreuz(x, y); }
    void linie(int x1, int y1, int x2, int y2, int s) override { a.linie(x1, y1, x2, y2, s); }
    void rechteck(const QRect& r, int s) override { a.rechteck(r, s); }
    void bild(const QRect& ziel, const QImage& b) override { a.bild(ziel, b); }

    // The left edge of a text as drawn.
    int links(const Zeichnung& z) const { return z.art == Zeichnung::Rechts ? z.x - messer.breite(z.schrift, z.text) : z.x; }
    int rechts(const Zeichnung& z) const { return links(z) + messer.breite(z.schrift, z.text); }
};

enum class Trenner { Schraegstrich, Linie };

struct Grenze {
    int x;
    Trenner art;
};

// The nearest thing right of the text z on its row: the "/" of a text that
// begins with one (" /85"), the left edge of any other text, a column line
// or a frame's side of the blank form.
std::optional<Grenze> RechterNachbar(const Zeichnung& z, const Seite& texte, const Aufzeichnungsleinwand& vordruck)
{
    const int oben = z.y, unten = z.y + z.schrift.pixel();
    auto zeileTrifft = [&](int y1, int y2) { return std::min(y1, y2) < unten && std::max(y1, y2) > oben; };
    std::optional<Grenze> g;
    auto nehmen = [&](int x, Trenner art) {
        if (x > z.x && (!g || x < g->x)) g = Grenze{x, art};
    };
    for (const Zeichnung& t : texte.a.zeichnungen) {
        if (&t == &z || t.art > Zeichnung::Geklippt || t.text.isEmpty()) continue;
        if (!zeileTrifft(t.y, t.y + t.schrift.pixel())) continue;
        const qsizetype strich = t.text.indexOf(QLatin1Char('/'));
        if (strich >= 0 && t.text.left(strich).trimmed().isEmpty())
            nehmen(texte.links(t) + texte.messer.breite(t.schrift, t.text.left(strich)), Trenner::Schraegstrich);
        else
            nehmen(texte.links(t), Trenner::Linie);  // a text's edge counts as a column's end
    }
    for (const Zeichnung& v : vordruck.zeichnungen) {
        const QRect& r = v.rahmen;
        if (v.art == Zeichnung::Linie && r.left() == r.right() && zeileTrifft(r.top(), r.bottom()))
            nehmen(r.left(), Trenner::Linie);
        if (v.art == Zeichnung::Rechteck && zeileTrifft(r.top(), r.bottom())) {
            nehmen(r.left(), Trenner::Linie);
            nehmen(r.right(), Trenner::Linie);
        }
    }
    return g;
}

bool IstPass(const QString& t)
{
    for (int nr = 1; nr <= MaxSpieler; ++nr)
        if (t.endsWith(Pass(nr))) return true;
    return false;
}

// Every pass drawn (rows 1..6 and the substitutes of both sides) ends left of
// what separates its column from the next: layout 0 the " /" of the birth
// year, layout 7 the birth month beside it, the others the form's column line.
TEST(Passspalte, SixDigitPassStaysLeftOfTheSeparator)
{
    const struct {
        int layout;
        Trenner trenner;
        int passe;  // pass texts drawn: rows 1..6, the substitute row or rows, layout 7 with player 8's
    } faelle[] = {
        {0, Trenner::Schraegstrich, 14}, {1, Trenner::Linie, 14}, {2, Trenner::Linie, 16},
        {3, Trenner::Linie, 16},         {4, Trenner::Linie, 16}, {5, Trenner::Linie, 14},
        {6, Trenner::Linie, 16},         {7, Trenner::Linie, 14}, {8, Trenner::Linie, 12},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "layout " << f.layout);
        auto w = Spiel();
        Formularkontext k;
        k.index = f.layout;
        Seite texte;
        texte.schriftSetzen(k.schrift);
        FormularTexteZeichnen(texte, *w, k);
        Aufzeichnungsleinwand vordruck;
        FormularVordruckZeichnen(vordruck, f.layout);
        int passe = 0;
        for (const Zeichnung& z : texte.a.zeichnungen) {
            if (z.art > Zeichnung::Geklippt || !IstPass(z.text)) continue;
            ++passe;
            SCOPED_TRACE(testing::Message() << "pass \"" << z.text.toStdString() << "\" at " << z.x << ", " << z.y);
            const auto g = RechterNachbar(z, texte, vordruck);
            ASSERT_TRUE(g);
            EXPECT_EQ(g->art, f.trenner);
            EXPECT_LT(texte.rechts(z), g->x);
        }
        EXPECT_EQ(passe, f.passe);
    }
}

// A text that must end before `bis`: drawn in its font when it fits, else a
// size smaller, down to 1 point at the least; the font stays as it was. The
// recording canvas measures 30 points (40 pixels) at 20 pixels a character.
TEST(TextBis, SmallerOnlyWhenTooWideAndNeverBelowOnePoint)
{
    const struct {
        int bis;
        int punkte;  // of the text as drawn
    } faelle[] = {
        {220, 30},  // 120 pixels fit
        {219, 29},  // 29 points: 39 pixels, 117 wide
        {181, 20},  // 20 points: 27 pixels, 81 wide; 21 points would be 28, 84 wide
        {100, 1},   // no room at all
        {90, 1},
    };
    for (const auto& f : faelle) {
        Aufzeichnungsleinwand l;
        const Berichtsschrift schrift;
        l.schriftSetzen(schrift);
        TextBis(l, 100, 50, f.bis, QStringLiteral("123456"));
        ASSERT_EQ(l.zeichnungen.size(), 1) << f.bis;
        EXPECT_EQ(l.zeichnungen[0].schrift.punkte, f.punkte) << f.bis;
        EXPECT_EQ(std::tuple(l.zeichnungen[0].x, l.zeichnungen[0].y), std::tuple(100, 50));
        EXPECT_EQ(l.schrift(), schrift);
    }
}

}  // namespace
