// The frame shared by the built-in layouts: sizes, the indices that draw
// nothing, the layout font from the settings and the free form fields.

#include "core/Globals.h"
#include "report/formulare/Formular.h"
#include "support/Aufzeichnungsleinwand.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Formular : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }

    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
    Feldpositionen positionen{};
};

TEST_F(Formular, SizesOfTheLayouts)
{
    for (int i = 0; i < FormularAnzahl; ++i) {
        const auto m = FormularMasse(i);
        ASSERT_TRUE(m) << i;
        const bool a5 = i == 0, hoch = i == 7;
        EXPECT_EQ(m->breite, a5 || hoch ? 2430 : 3256) << i;
        EXPECT_EQ(m->hoehe, a5 ? 1628 : hoch ? 3256 : 2430) << i;
        EXPECT_EQ(m->vorschauHoehe, hoch ? 840 : 420) << i;
    }
    for (int i : {-1, 9, 19, 20, 255}) EXPECT_FALSE(FormularMasse(i)) << i;
}

// The texts recorded on one thread and drawn later (the mail's picture)
// give the very picture that drawing them at once gives.
TEST_F(Formular, RecordedTextsDrawTheSamePicture)
{
    w->Heimmannschaft.setzenText(QStringLiteral("KSV Großbüttel mit einem sehr langen Namen"));
    w->Gastmannschaft.setzenText(QStringLiteral("Ölbronn"));
    w->Spieleranzahl = 6;
    for (int n = 1; n <= 16; ++n) {
        TSpielerEintrag& s = w->Spieler[n];
        s.Name.setzenText(QStringLiteral("Spielerin Nummer %1 mit Überlänge").arg(n));
        s.Volle.Text = "512";
        s.Abr.Text = "231";
        s.Total.Text = " 743";
    }
    w->Heim.Total.Text = "04458";
    w->FormularText[2] = QStringLiteral("Trainer Huber");
    for (int i = 0; i < FormularAnzahl; ++i) {
        positionen[2][i] = {1, 300, 200, 120};
        Formularkontext k;
        k.index = i;
        k.positionen = &positionen;
        const FormularBild sofort = FormularZeichnen(*w, k);
        const FormularBild spaeter = FormularZeichnen(FormularTexteAufnehmen(*w, k), i);
        ASSERT_FALSE(sofort.bild.isNull()) << i;
        EXPECT_EQ(spaeter.bild, sofort.bild) << i;
        EXPECT_EQ(spaeter.masse.breite, sofort.masse.breite) << i;
    }
}

// Report projects (9..19) and unknown indices draw nothing, not even the
// free fields that are positioned for them.
TEST_F(Formular, ProjectIndicesDrawNothing)
{
    w->FormularText[1] = QStringLiteral("Trainer Huber");
    for (int i : {9, 12, 19, 20, 200}) {
        if (i <= 19) positionen[1][i] = {1, 500, 300, 600};
        Formularkontext k;
        k.index = i;
        k.positionen = &positionen;
        Aufzeichnungsleinwand l;
        FormularTexteZeichnen(l, *w, k);
        EXPECT_TRUE(l.zeichnungen.isEmpty()) << i;
        const FormularBild b = FormularZeichnen(*w, k);
        EXPECT_TRUE(b.bild.isNull()) << i;
        EXPECT_TRUE(b.fehler.isEmpty()) << i;
    }
    EXPECT_TRUE(FormularVordruck(9).isNull());
}

// Base font of 30 points: 40 pixels, height value -40. A field whose top is
// 1200 stands at 1200 - 40 and is cut at its width and 10 pixels below its top.
TEST_F(Formular, FreeFieldsOnlyWherePositionedAndClippedToTheirWidth)
{
    w->FormularText[2] = QStringLiteral("Trainer Huber");
    w->FormularText[3] = QStringLiteral("nicht positioniert");
    w->FormularText[7] = QStringLiteral("Betreuer Gast");
    w->Spielleiter.Name = "Rita Roth";
    w->Spielleiter.LV = "Bayern";
    positionen[2][4] = {1, 1200, 300, 600};
    positionen[7][4] = {1, 1200, 1900, 450};  // the guest's own field, not the home one's
    positionen[30][4] = {1, 2300, 100, 800};
    positionen[38][4] = {0, 2350, 100, 800};  // a position that is not shown
    positionen[2][5] = {1, 10, 10, 10};       // another layout's

    Formularkontext k;
    k.index = 4;
    k.positionen = &positionen;
    Aufzeichnungsleinwand l;
    FreieFelderZeichnen(l, *w, k);

    QList<Zeichnung> felder = l.texte();
    ASSERT_EQ(felder.size(), 3);
    const struct {
        const char* text;
        int x, y;
        QRect rahmen;
    } soll[] = {
        {"Trainer Huber", 300, 1160, QRect(QPoint(300, 1160), QPoint(900, 1210))},
        {"Betreuer Gast", 1900, 1160, QRect(QPoint(1900, 1160), QPoint(2350, 1210))},
        {"Rita Roth", 100, 2260, QRect(QPoint(100, 2260), QPoint(900, 2310))},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(felder[i].art, Zeichnung::Geklippt);
        EXPECT_EQ(felder[i].text, QString::fromUtf8(soll[i].text));
        EXPECT_EQ(QPoint(felder[i].x, felder[i].y), QPoint(soll[i].x, soll[i].y)) << soll[i].text;
        EXPECT_EQ(felder[i].rahmen, soll[i].rahmen) << soll[i].text;
    }
}

// The free fields follow the layout's own texts on layouts 2..8 only.
TEST_F(Formular, FreeFieldsFollowTheLayoutFromLayoutTwoOn)
{
    w->FormularText[1] = QStringLiteral("Frei eins");
    for (int i = 0; i < FormularAnzahl; ++i) positionen[1][i] = {1, 1000, 1000, 300};
    for (int i = 0; i < FormularAnzahl; ++i) {
        Formularkontext k;
        k.index = i;
        k.positionen = &positionen;
        Aufzeichnungsleinwand l;
        FormularTexteZeichnen(l, *w, k);
        const Zeichnung* z = l.finde(QStringLiteral("Frei eins"));
        EXPECT_EQ(z != nullptr, i >= 2) << i;
        if (z) {
            EXPECT_EQ(&l.zeichnungen.back(), z) << i;
        }
    }
}

TEST_F(Formular, FreeFieldTexts)
{
    w->FormularText[10] = QStringLiteral("zehn");
    w->Spielleiter.Tel = "0921 1";
    w->Spielleiter.Nr = "4711";
    EXPECT_EQ(FreiesFeldText(*w, 10), QStringLiteral("zehn"));
    EXPECT_EQ(FreiesFeldText(*w, 34), QStringLiteral("0921 1"));
    EXPECT_EQ(FreiesFeldText(*w, 37), QStringLiteral("4711"));
    for (int f : {0, 11, 29, 39, 200}) EXPECT_TRUE(FreiesFeldText(*w, f).isEmpty()) << f;
}

TEST_F(Formular, ContextFromTheSettings)
{
    TFormularEinstellung& e = Einst.FormularEinstellungen[5];
    e.SpFontName = QStringLiteral("Liberation Serif");
    e.SpFontSize = 33;
    e.SpFontBold = true;
    e.SpFontColor = 0x0000FF;
    Spielort = QStringLiteral("Bayreuth");
    Bahnanlage = QStringLiteral("Kegelcenter Ahorn");
    Einst.Sektion = QStringLiteral("Classic");

    const Formularkontext k = FormularkontextLesen(5);
    EXPECT_EQ(k.index, 5);
    EXPECT_EQ(k.schrift.name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(k.schrift.punkte, 33);
    EXPECT_EQ(k.schrift.pixel(), 44);
    EXPECT_TRUE(k.schrift.fett);
    EXPECT_FALSE(k.schrift.kursiv);
    EXPECT_EQ(k.schrift.farbe, 0x0000FFu);
    EXPECT_EQ(std::tuple(k.spielort, k.bahnanlage, k.sektion),
              std::tuple(QStringLiteral("Bayreuth"), QStringLiteral("Kegelcenter Ahorn"), QStringLiteral("Classic")));
    EXPECT_EQ(k.positionen, &FeldPositionen);
}

// Points to pixels at 96 per inch, whatever the screen.
TEST_F(Formular, FontPixelSizes)
{
    const struct {
        int punkte, pixel;
    } faelle[] = {{30, 40}, {32, 43}, {24, 32}, {40, 53}, {64, 85}, {10, 13}};
    for (const auto& f : faelle) {
        Berichtsschrift s;
        s.punkte = f.punkte;
        EXPECT_EQ(s.pixel(), f.pixel) << f.punkte;
        EXPECT_EQ(s.hoehe(), -f.pixel) << f.punkte;
    }
}

// The real painter: the filled-in form is the layout's size (layouts 1, 2
// and 5 wider, for their last columns), a white page.
TEST_F(Formular, PainterDrawsTheFormAtFullSize)
{
    w->Spieleranzahl = 6;
    for (int i = 0; i < FormularAnzahl; ++i) {
        Formularkontext k;
        k.index = i;
        const FormularBild b = FormularZeichnen(*w, k);
        ASSERT_FALSE(b.bild.isNull()) << i;
        const bool breit = i == 1 || i == 2 || i == 5;
        EXPECT_EQ(b.bild.size(), QSize(breit ? 3400 : FormularMasse(i)->breite, FormularMasse(i)->hoehe)) << i;
        EXPECT_EQ(b.masse.breite, FormularMasse(i)->breite);
        EXPECT_EQ(b.bild.pixel(0, 0), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(FormularVordruck(i).size(), b.bild.size()) << i;
    }
}

}  // namespace
