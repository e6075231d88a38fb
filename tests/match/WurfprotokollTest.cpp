#include "match/print/Wurfprotokoll.h"

#include "support/Einsetzen.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>

namespace {

// A4 landscape at 1200 dpi inside 10 mm margins, in device units.
const QSizeF A4Quer(13087, 8976);

// The commands of page seite (1-based).
QList<DruckBefehl> Seite(const DruckLayout& l, int seite)
{
    QList<DruckBefehl> befehle;
    int n = 1;
    for (const DruckBefehl& b : l.befehle) {
        if (b.art == DruckBefehl::NeueSeite)
            ++n;
        else if (n == seite)
            befehle << b;
    }
    return befehle;
}

// The text standing at (x, y) on a page; "-" when there is none.
QString TextBei(const QList<DruckBefehl>& befehle, double x, double y)
{
    for (const DruckBefehl& b : befehle)
        if (b.art == DruckBefehl::Text && b.x == x && b.y == y) return b.text;
    return QStringLiteral("-");
}

// The texts of a column, top to bottom.
QStringList Spalte(const QList<DruckBefehl>& befehle, double x, Anker anker)
{
    QStringList texte;
    for (const DruckBefehl& b : befehle)
        if (b.art == DruckBefehl::Text && b.x == x && b.anker == anker && b.y > 80) texte << b.text;
    return texte;
}

int Anzahl(const QList<DruckBefehl>& befehle, const QString& anfang)
{
    int n = 0;
    for (const DruckBefehl& b : befehle) n += b.art == DruckBefehl::Text && b.text.startsWith(anfang);
    return n;
}

void ImBlatt(const DruckLayout& l, QSizeF seite, const char* fall)
{
    for (const DruckBefehl& b : l.befehle) {
        if (b.art == DruckBefehl::NeueSeite) continue;
        const QRectF r = l.rahmen(b);
        const QRectF g(r.topLeft() * l.einheit, r.size() * l.einheit);
        EXPECT_TRUE(g.left() >= 0 && g.top() >= 0 && g.right() <= seite.width() && g.bottom() <= seite.height())
            << fall << ": " << b.text.toStdString() << " at " << b.x << "," << b.y;
    }
}

class Wurfprotokoll : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        w.Heimmannschaft = "Adler 2", w.Gastmannschaft = "KSV Eiche";
        s.Name.setzenText(QStringLiteral("Hans Groß"));
        s.Total.Text = "421";
    }

    void wurf(TDurchgangBlock& b, int t, int holz, u16 bild, u8 marke = 0, bool fehl = false, bool null = false)
    {
        b.Ausgewertet[t] = 1, b.Holz[t] = u8(holz), b.Wurfbild[t] = bild;
        b.Marke[t] = marke, b.FehlWurf[t] = fehl, b.NullWurf[t] = null;
    }

    UhrEinsetzen uhr{FesteUhr()};
    TWettkampfDaten& w = Wettkaempfe[1];
    TSpielerEintrag& s = w.Spieler[1];
};

TEST_F(Wurfprotokoll, EventLettersInBitOrder)
{
    for (const auto& [marke, text] : {std::pair{0x00, ""}, {0x09, "FV"}, {0x88, "VZ"}, {0xFF, "FNÜVAKWZ"}})
        EXPECT_EQ(EreignisText(u8(marke)), QString::fromUtf8(text)) << marke;
}

// Rows only for evaluated throws; misses count up, the running total leaves
// out misses and zero throws.
TEST_F(Wurfprotokoll, RowsRunningColumnsAndSummary)
{
    TDurchgangBlock& b = s.Durchgang[2];
    b.Bahn = 3;
    b.Volle.Text = " 22", b.Abr.Text = "  0", b.Fehler.Text = "  1", b.Total.Text = " 22";
    wurf(b, 1, 9, WurfbildVorhanden | 0x111);  // pins 1, 5, 9
    wurf(b, 2, 0, WurfbildVorhanden, 0x01, true);
    b.Holz[3] = 7;  // not evaluated: no row
    wurf(b, 4, 5, WurfbildVorhanden | 0x1F, 0x03, false, true);
    wurf(b, 5, 8, WurfbildVorhanden | WurfbildZahlEingabe | 8, 0x88);
    s.Durchgang[1].Bahn = 1;  // no throw yet: head and summary only

    const DruckLayout l = WurfprotokollLayout(w, s, A4Quer);
    ASSERT_EQ(l.seiten(), 1);
    const QList<DruckBefehl> p = Seite(l, 1);
    EXPECT_EQ(TextBei(p, 600, 40), QStringLiteral("Ergebnis: 421 Holz"));
    const double x0 = 340;
    EXPECT_EQ(TextBei(p, x0 + 12, 64), QStringLiteral("Bahn 3"));
    EXPECT_EQ(Spalte(p, x0 + 36, Anker::Rechts), QStringList({"1", "2", "4", "5"}));
    EXPECT_EQ(Spalte(p, x0 + 68, Anker::Links), QStringList({"9", "0", "5", "8"}));
    EXPECT_EQ(Spalte(p, x0 + 176, Anker::Links), QStringList({"", "F", "FN", "VZ"}));
    EXPECT_EQ(Spalte(p, x0 + 260, Anker::Rechts), QStringList({"0", "1", "1", "1"}));
    EXPECT_EQ(Spalte(p, x0 + 320, Anker::Rechts), QStringList({"9", "9", "9", "17"}));
    EXPECT_EQ(TextBei(p, 12, 108), QStringLiteral("Volle:"));  // lane 1: summary only
    // The summary below the last row (y = 168).
    EXPECT_EQ(TextBei(p, x0 + 90, 188), QStringLiteral(" 22"));
    EXPECT_EQ(TextBei(p, x0 + 90, 204), QStringLiteral("  1"));

    // Pin circles of throw 1 (y = 104) filled for pins 1, 5, 9 only; the
    // count-only throw 5 keeps its picture empty.
    QList<QPointF> gefuellt;
    int kreise = 0;
    for (const DruckBefehl& k : p) {
        if (k.art != DruckBefehl::Kreis) continue;
        ++kreise;
        if (k.gefuellt && k.y < 120) gefuellt << QPointF(k.x - x0, k.y - 104);
        EXPECT_FALSE(k.gefuellt && k.y >= 168);
    }
    EXPECT_EQ(kreise, 4 * 9);
    EXPECT_EQ(gefuellt, QList<QPointF>({{120, 0}, {120, 4}, {120, 8}}));
}

// Lanes of 100 throws: throws 51..100 continue on a second page, a lane of
// 30 throws ends on the first; every command lies inside the page, whatever
// its shape.
TEST_F(Wurfprotokoll, FourLanesOfHundredThrowsFitTheirPages)
{
    for (int d = 1; d <= 4; ++d) {
        s.Durchgang[d].Bahn = u8(d);
        s.Durchgang[d].Total.Text = "444";
        for (int t = 1; t <= 100; ++t) wurf(s.Durchgang[d], t, 9, WurfbildVorhanden | 0x1FF, 0xFF);
    }
    for (int t = 31; t <= 100; ++t) s.Durchgang[3].Ausgewertet[t] = 0;

    const DruckLayout l = WurfprotokollLayout(w, s, A4Quer);
    ASSERT_EQ(l.seiten(), 2);
    const QList<DruckBefehl> p1 = Seite(l, 1), p2 = Seite(l, 2);
    EXPECT_EQ(Spalte(p1, 36, Anker::Rechts).size(), 50);
    EXPECT_EQ(Spalte(p1, 680 + 36, Anker::Rechts).size(), 30);
    EXPECT_EQ(TextBei(p1, 680 + 124, 16 * 30 + 88 + 36), QStringLiteral("Gesamt:"));
    EXPECT_EQ(Anzahl(p1, "Volle:"), 1);
    EXPECT_EQ(TextBei(p2, 1020 + 36, 104), QStringLiteral("51"));
    EXPECT_EQ(TextBei(p2, 1020 + 36, 888), QStringLiteral("100"));
    EXPECT_EQ(TextBei(p2, 1020 + 320, 888), QStringLiteral("900"));  // the total runs on
    EXPECT_EQ(TextBei(p2, 340 + 218, 888 + 36), QStringLiteral("444"));
    EXPECT_EQ(Anzahl(p2, "Volle:"), 3);
    EXPECT_EQ(Anzahl(p2, "Bahn 3"), 0);

    // On A4 landscape the protocol fills the width; other shapes shrink it.
    EXPECT_GE(l.einheit * 1360, 0.97 * A4Quer.width());
    for (const auto& [seite, fall] : {std::pair{A4Quer, "A4 landscape"}, std::pair{QSizeF(10200, 7800), "Letter"},
                                      std::pair{QSizeF(8976, 13087), "A4 portrait"}})
        ImBlatt(WurfprotokollLayout(w, s, seite), seite, fall);
}

class Statistik : public Wurfprotokoll {
protected:
    void spieler(int p, int bahnen)
    {
        TSpielerEintrag& x = w.Spieler[p];
        x.Gestartet = 1, x.VerwarnungAnzahl = 2;
        x.Name = QByteArray("Spieler ") + QByteArray::number(p);
        x.Total.Text = QByteArray::number(800 + p);
        for (int d = 1; d <= bahnen; ++d) {
            TDurchgangBlock& b = x.Durchgang[d];
            b.Bahn = u8(d + 2);
            b.Volle.Text = "140", b.Abr.Text = " 60", b.Fehler.Text = "  3", b.Total.Text = "200";
            b.KorrekterWurfVolle = u8(10 + d), b.KorrekteLinkeGasse = 4, b.KorrekteRechteGasse = 5;
            b.KorrekterAnschub = 6, b.KorrekterWurfAbr = 7, b.Abgeraeumt = 8;
        }
    }
};

// One page: lane blocks 1 and 2 only; players 5..8 of the side in the right half.
TEST_F(Statistik, OnePageTwoHalves)
{
    for (int p = 9; p <= 16; ++p) spieler(p, 4);
    w.Spieler[10].Gestartet = 0;
    const DruckLayout l = MannschaftsstatistikLayout(w, false, A4Quer);
    ASSERT_EQ(l.seiten(), 1);
    const QList<DruckBefehl> p = Seite(l, 1);
    EXPECT_EQ(Anzahl(p, "Spieler: "), 7);
    EXPECT_EQ(Anzahl(p, "Bahn "), 14);
    // Player 9, left half, row 0; 10 has not started.
    EXPECT_EQ(TextBei(p, 75 + 72, 32), QStringLiteral("12"));
    EXPECT_EQ(TextBei(p, 3, 20 + 48), QStringLiteral("-"));
    // Player 14, right half, row 1: blocks at 150 and 225.
    EXPECT_EQ(TextBei(p, 153, 20 + 48), QStringLiteral("Spieler: Spieler 14"));
    EXPECT_EQ(TextBei(p, 225 + 72, 40 + 48), QStringLiteral("5"));
    ImBlatt(l, A4Quer, "one page");
}

// Four players a page, "Seite n" heads; the break comes only before a
// started fifth player, and the rows never overlap.
TEST_F(Statistik, PageVersion)
{
    for (int p = 1; p <= 8; ++p) spieler(p, 4);
    DruckLayout l = MannschaftsstatistikSeitenLayout(w, true, A4Quer);
    ASSERT_EQ(l.seiten(), 2);
    for (int n : {1, 2}) {
        const QList<DruckBefehl> p = Seite(l, n);
        EXPECT_EQ(TextBei(p, 200, 5), QStringLiteral("Seite %1").arg(n));
        EXPECT_EQ(Anzahl(p, "Spieler: "), 4);
        EXPECT_EQ(TextBei(p, 3, 20), QStringLiteral("Spieler: Spieler %1").arg(4 * n - 3));
        EXPECT_EQ(TextBei(p, 3, 20 + 3 * 48), QStringLiteral("Spieler: Spieler %1").arg(4 * n));
        EXPECT_EQ(TextBei(p, 225 + 72, 32 + 48), QStringLiteral("14"));
    }
    ImBlatt(l, A4Quer, "two pages");

    // Fifth not started: the sixth follows on page 1, in the next free row.
    w.Spieler[5].Gestartet = w.Spieler[7].Gestartet = w.Spieler[8].Gestartet = 0;
    l = MannschaftsstatistikSeitenLayout(w, true, A4Quer);
    EXPECT_EQ(l.seiten(), 1);
    EXPECT_EQ(TextBei(Seite(l, 1), 3, 20 + 4 * 48), QStringLiteral("Spieler: Spieler 6"));
    ImBlatt(l, A4Quer, "five on one page");
}

}  // namespace
