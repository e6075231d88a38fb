#include "support/Papier.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

// Adjacent literals, so that a hex escape never swallows the letter after it.
#define ESC "\x1b"
#define SO "\x0e"
#define SI "\x0f"
#define DC2 "\x12"
#define DC4 "\x14"

namespace {

struct Fall {
    const char* was;
    int emulation;
    QByteArray bytes;
    std::string soll;
};

template <std::size_t N>
QByteArray roh(const char (&s)[N])
{
    return QByteArray(s, N - 1);
}

Papier gedruckt(const Fall& f)
{
    Papier p(f.emulation);
    p.drucken(f.bytes);
    return p;
}

// "c@x,y" per character (x in 1/120, y in 1/1080 inch), "blatt:" before x
// from sheet 2 on, then b (double width), f (double strike), u (underline);
// then "L=" and the page length when one was set, "!" and each error.
std::string lage(const Papier& p)
{
    QStringList s;
    for (const Papierzeichen& z : p.zeichen())
        s << QStringLiteral("%1@%2%3,%4%5%6%7")
                 .arg(QChar::fromLatin1(z.c), z.blatt > 1 ? QString::number(z.blatt) + ':' : QString())
                 .arg(z.x).arg(z.y)
                 .arg(QLatin1String(z.breit ? "b" : ""), QLatin1String(z.fett ? "f" : ""),
                      QLatin1String(z.unterstrichen ? "u" : ""));
    if (p.seitenlaenge()) s << QStringLiteral("L=%1").arg(p.seitenlaenge());
    for (const QString& f : p.fehler()) s << '!' + f;
    return s.join(' ').toStdString();
}

}  // namespace

TEST(Papier, ZeichenStehenWoDerKopfSteht)
{
    for (const Fall& f : std::initializer_list<Fall>{
             {"10 cpi nach dem Einschalten", 0, "AB", "A@0,0 B@12,0"},
             {"ESC M, ESC P", 0, ESC "M" "A" ESC "P" "BC", "A@0,0 B@10,0 C@22,0"},
             {"ESC $ in 1/60", 0, roh(ESC "M" ESC "$" "\x19\0X"), "X@50,0"},
             {"ESC $ mit hohem Byte", 0, ESC "$" "\x2c\x01Z", "Z@600,0"},
             {"schmal in 12 und 10 cpi", 0, ESC "M" SI "AB" ESC "P" "C" DC2 "D",
              "A@0,0 B@6,0 C@12,0 D@19,0"},
             {"breit bis DC4", 0, ESC "M" SO "AB" DC4 "C", "A@0,0b B@20,0b C@40,0"},
             {"breit bis LF, LF laesst x", 0, ESC "M" SO "A\nB", "A@0,0b B@20,180"},
             {"breit bis CR", 0, ESC "M" SO "A\rB", "A@0,0b B@0,0"},
             {"CR, LF", 0, ESC "M" "AB\nC\rD", "A@0,0 B@10,0 C@20,180 D@0,180"},
             {"ESC J, ESC j", 0, ESC "J\xff" ESC "J\x2d" ESC "j\x64" "A", "A@0,1200"},
             {"ESC j ueber den Blattanfang", 0, ESC "j\x0a" "A", "A@0,-60"},
             {"LQ: ESC J 180 ist ein Zoll", 0, ESC "J\xb4" "A", "A@0,1080"},
             {"FX: ESC J 216 ist ein Zoll", 1, ESC "J\xd8" "A", "A@0,1080"},
             {"FX: ESC J 30, ESC j 6", 1, ESC "J\x1e" ESC "j\x06" "A", "A@0,120"},
             {"BS ueberdruckt", 0, ESC "M" "7\bX", "7@0,0 X@0,0"},
             {"BS in 10 cpi und breit", 0, "AB\bC" SO "\bD", "A@0,0 B@12,0 C@12,0 D@0,0b"},
             {"BS am Zeilenanfang", 0, "\bA", "A@0,0"},
             {"FF: Blatt 2 von oben", 0, ESC "M" "A\nB\fC", "A@0,0 B@10,180 C@2:0,0"},
             {"ESC L: Spalten ungedeutet", 0, roh(ESC "M" "A" ESC "L\x05\0\r\n\f\x1b@" "BC"),
              "A@0,0 B@15,0 C@25,0"},
             {"fett, unterstrichen", 0, ESC "M" ESC "GA" ESC "HB" ESC "-\x01" "C" ESC "-0D" ESC "-1E",
              "A@0,0f B@10,0 C@20,0u D@30,0 E@40,0u"},
             {"ESC @: 10 cpi, Stelle bleibt", 0, ESC "M" ESC "G" SO SI ESC "-1A" ESC "@" "BC",
              "A@0,0bfu B@12,0 C@24,0"},
             {"LQ: Seitenlaenge in 1/360", 0, roh(ESC "(C\x02\0\x78\x0f" "A"), "A@0,0 L=3960"},
             {"FX: Seitenlaenge in Zoll", 1, roh(ESC "C\0\x0b" "A"), "A@0,0 L=3960"},
             {"Seitenlaenge in Zeilen", 0, ESC "C\x48" "A", "A@0,0 L=4320"},
             {"ESC E unbekannt", 0, ESC "EA", "A@0,0 !unbekannt: ESC 0x45 (Byte 0)"},
             {"ESC x: Parameter gedruckt", 0, ESC "M" ESC "x1A", "1@0,0 A@10,0 !unbekannt: ESC 0x78 (Byte 2)"},
             {"BEL, DEL", 0, "A\x07\x7f", "A@0,0 !unbekannt: 0x07 (Byte 1) !unbekannt: 0x7F (Byte 2)"},
             {"ESC - 5", 0, ESC "-\x05" "A", "A@0,0 !ungueltig: ESC - 0x05 (Byte 0)"},
             {"FX kennt ESC ( C nicht", 1, roh(ESC "(C\x02\0\xe0\x10" "A"),
              "A@0,0 !unbekannt: ESC ( 0x43 mit 2 Bytes (Byte 0)"},
         }) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(lage(gedruckt(f)), f.soll);
    }
    Papier p;
    p.drucken("AB");
    p.drucken(ESC "E");
    EXPECT_EQ(p.fehler(), QStringList{QStringLiteral("unbekannt: ESC 0x45 (Byte 2)")});
}

TEST(Papier, ZeilenInZwoelfCpiSpalten)
{
    for (const Fall& f : std::initializer_list<Fall>{
             {"10 cpi", 0, ESC "P" "ABCDEF", "    0: ABCDE F\n"},
             {"breit mit Luecken", 0, ESC "M" SO "AB" DC4 "C", "    0: A B C\n"},
             {"CR, LF, ESC $", 0, roh(ESC "M" "AB\nC\rD\n\n" ESC "$\x05\0E"), "    0: AB\n   30: D C\n   90:  E\n"},
             {"spaeter ueber frueher", 0, ESC "M" "7\bX", "    0: X\n"},
             {"Leerzeichen deckt nicht", 0, ESC "M" "7\b ", "    0: 7\n"},
             {"nur Leerzeichen ist keine Zeile", 0, "   \r\nA", "   30: A\n"},
             {"FX: auf 1/180 gerundet", 1, ESC "M" "A" ESC "J\x01" "B" ESC "J\x02" "C",
              "    0: A\n    1:  B\n    3:   C\n"},
             {"Blatt 2 nicht auf Blatt 1", 0, "A\fB", "    0: A\n"},
             {"ein Bild ist keine Zeile", 0, roh(ESC "L\x01\0X"), ""},
         }) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(gedruckt(f).alsText(1).toStdString(), f.soll);
    }
}

TEST(Papier, BefehlUeberStueckgrenzen)
{
    const QByteArray stroeme[] = {roh(ESC "$" "\x2c\x01Z"), roh(ESC "L\x02\0" ESC ESC "Z"),
                                  roh(ESC "(C\x02\0\xe0\x10Z"), roh(ESC "C\0\x0cZ")};
    const int sollX[] = {600, 2, 0, 0};
    const int sollLaenge[] = {0, 0, 4320, 4320};
    for (int s = 0; s < 4; ++s) {
        const QByteArray& b = stroeme[s];
        for (qsizetype schnitt = 0; schnitt <= b.size(); ++schnitt) {
            SCOPED_TRACE(s * 100 + schnitt);
            Papier p;
            p.drucken(b.first(schnitt));
            EXPECT_EQ(p.befehlOffen(), schnitt > 0 && schnitt < b.size() - 1);
            p.drucken(b.sliced(schnitt));
            ASSERT_EQ(p.zeichen().size(), 1u);
            EXPECT_EQ(p.zeichen()[0].x, sollX[s]);
            EXPECT_EQ(p.seitenlaenge(), sollLaenge[s]);
            EXPECT_FALSE(p.befehlOffen());
            EXPECT_TRUE(p.fehler().isEmpty());
        }
    }
}

TEST(Papier, BildUndZeichensatz)
{
    Papier p;
    p.drucken(roh(ESC "R\x02" "\n\fA" ESC "L\x03\0\x01\x02\x7f"));
    EXPECT_EQ(p.zeichensatz(), 2);
    ASSERT_EQ(p.bilder().size(), 1u);
    const Papierbild& b = p.bilder()[0];
    EXPECT_EQ(std::tuple(b.blatt, b.x, b.y, b.spalten), std::tuple(2, 12, 0, QByteArray("\x01\x02\x7f")));
    EXPECT_EQ(p.x(), 15);
    p.drucken(ESC "@");
    EXPECT_EQ(p.zeichensatz(), 0);
}

TEST(Papier, WoEinTextSteht)
{
    Papier p;
    p.drucken(roh(ESC "M" "Bahnergebnis:" ESC "$\x4b\0" "42\r\n42\n\r" SO "AB"));
    const auto wo = [&](const char* t) { return p.wo(t); };
    EXPECT_EQ(wo("Bahnergebnis:  42"), (std::vector<Fundstelle>{{1, 0, 0}}));
    EXPECT_EQ(wo("is:  4"), (std::vector<Fundstelle>{{1, 50, 0}}));
    EXPECT_EQ(wo("42 "), (std::vector<Fundstelle>{{1, 75, 0}, {1, 0, 30}}));
    EXPECT_EQ(wo("A B"), (std::vector<Fundstelle>{{1, 0, 60}}));
    EXPECT_TRUE(wo("AB").empty());
    EXPECT_EQ(p.zeilen(1), (std::vector<int>{0, 30, 60}));
}
