#include "TextFunctions.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// A buffer of 16 'X' bytes: shows what a function wrote and that it wrote
// nothing past the capacity it was given.
struct Puffer {
    char p[16];
    Puffer() { std::memset(p, 'X', sizeof p); }
    TextZiel ziel(std::size_t kap) { return TextZiel(p, kap); }
    std::string bytes(std::size_t n) const { return std::string(p, n); }
};

using namespace std::string_literals;

class TextFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }
};

}  // namespace

TEST(TextFunctions, Booleans)
{
    EXPECT_TRUE(TextZuBool("True"));
    EXPECT_TRUE(TextZuBool("true"));
    for (const char* s : {"TRUE", "1", "", "Ja", "true "}) EXPECT_FALSE(TextZuBool(s)) << s;
    EXPECT_EQ(BoolZuText(true), "True");
    EXPECT_EQ(BoolZuText(false), "False");
    EXPECT_EQ(BoolZuJaNein(true), "Ja");
    EXPECT_EQ(BoolZuJaNein(false), "Nein");
    EXPECT_EQ(BoolZuTF(true), "T");
    EXPECT_EQ(BoolZuTF(false), "F");
    EXPECT_EQ(BoolNormieren(0), 0);
    EXPECT_EQ(BoolNormieren(1), 1);
    EXPECT_EQ(BoolNormieren(255), 1);
}

TEST(TextFunctions, ZiffernUndTextZuZahl)
{
    struct Fall { const char* text; unsigned ziffern; unsigned zahl; };
    const std::vector<Fall> faelle = {
        {"", 0, 0},           {"0", 0, 0},         {"123", 123, 123},
        {"7A", 87, 7},        {"1 2", 65478, 12},  {"65535", 65535, 65535},
        {"65536", 0, 0},      {"70000", 4464, 4464}, {"abc", 5451, 0},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ZiffernZuZahl(f.text), f.ziffern) << f.text;
        EXPECT_EQ(TextZuZahl(f.text), f.zahl) << f.text;
        EXPECT_EQ(TextZuZahl(QString::fromLatin1(f.text)), f.zahl) << f.text;
    }
    EXPECT_EQ(ZiffernZuZahl(nullptr), 0);
    EXPECT_EQ(TextZuZahl(static_cast<const char*>(nullptr)), 0);
}

TEST(TextFunctions, ZaehleV)
{
    const std::vector<std::pair<const char*, int>> faelle = {
        {"", 0}, {"V", 1}, {"VV", 2}, {"VVV", 2}, {"xVV", 1}, {"vV", 1}};
    for (const auto& [text, v] : faelle) EXPECT_EQ(ZaehleV(text), v) << text;
}

TEST(TextFunctions, ZahlTexte)
{
    // Cut, not rounded; 4.1f and 12.34f lie just below their decimal value.
    const std::vector<std::pair<float, const char*>> eine = {
        {12.3f, "12.3"}, {4.56f, "4.5"}, {4.1f, "4.1"},     {0.0f, "0.0"},
        {0.05f, "0.0"},  {99.9f, "99.9"}, {123.4f, "123.4"}, {-3.0f, "0.0"},
    };
    for (const auto& [zahl, text] : eine) EXPECT_EQ(ZahlText1Stelle(zahl), text) << zahl;
    const std::vector<std::pair<float, const char*>> zwei = {
        {12.34f, "12.34"}, {5.0f, "5.00"}, {99.99f, "99.99"}, {123.456f, "123.45"},
        {0.5f, "0.50"},    {0.07f, "0.07"}, {0.0f, "0.00"},   {-1.0f, "0.00"},
    };
    for (const auto& [zahl, text] : zwei) EXPECT_EQ(ZahlText2Stellen(zahl), text) << zahl;
}

TEST(TextFunctions, TextZuFloat)
{
    EXPECT_EQ(TextZuFloat("1.5"), 1.5);
    EXPECT_EQ(TextZuFloat("1,5"), 1.5);
    EXPECT_EQ(TextZuFloat("-2.25"), -2.25);
    EXPECT_EQ(TextZuFloat("7"), 7.0);
    for (const char* s : {"", "abc", "1.2.3", "1,5,5", "1,5.5", "inf", "nan"})
        EXPECT_FALSE(TextZuFloat(s).has_value()) << s;
}

TEST(TextFunctions, ZahlZuZiffern)
{
    Text<8> t;
    ZahlZuZiffern(0, t);
    EXPECT_EQ(t, "");
    ZahlZuZiffern(65535, t);
    EXPECT_EQ(t, "65535");
    ZahlZuZiffernNull(0, t);
    EXPECT_EQ(t, "0");
    ZahlZuZiffernNull(42, t);
    EXPECT_EQ(t, "42");
    Text<3> klein;
    ZahlZuZiffern(12345, klein);
    EXPECT_EQ(klein, "12");

    EXPECT_EQ(ZahlZuText(0), "");
    EXPECT_EQ(ZahlZuText(307), "307");
}

TEST(TextFunctions, ZweiZiffernZuZahl)
{
    EXPECT_EQ(ZweiZiffernZuZahl("5 "), 5);
    EXPECT_EQ(ZweiZiffernZuZahl("5"), 5);
    EXPECT_EQ(ZweiZiffernZuZahl("12"), 12);
    EXPECT_EQ(ZweiZiffernZuZahl("07"), 7);
    EXPECT_EQ(ZweiZiffernZuZahl("123"), 12);
    for (const char* s : {"", " ", "a", " 5", "5a", "-5"}) EXPECT_FALSE(ZweiZiffernZuZahl(s).has_value()) << s;
}

TEST(TextFunctions, ZahlFelder)
{
    using Fn = int (*)(TextZiel, unsigned long, int);
    struct Fall { Fn fn; unsigned long zahl; int w; std::size_t kap; std::string erwartet; };
    const std::vector<Fall> faelle = {
        {ZahlRechtsbuendig, 0, 3, 16, "  0"},
        {ZahlRechtsbuendig, 42, 5, 16, "   42"},
        {ZahlRechtsbuendig, 12345, 3, 16, "345"},
        {ZahlRechtsbuendig, 7, 0, 16, ""},
        {ZahlMitNullen, 7, 3, 16, "007"},
        {ZahlMitNullen, 0, 2, 16, "00"},
        {ZahlMitNullen, 12345, 3, 16, "345"},
        {ZahlLinksbuendig, 42, 5, 16, "42   "},
        {ZahlLinksbuendig, 0, 3, 16, "0  "},
        {ZahlLinksbuendig, 12345, 3, 16, "345"},
        // Capacity 4 with width 10: three places and the NUL.
        {ZahlRechtsbuendig, 12345, 10, 4, "345"},
        {ZahlMitNullen, 7, 10, 4, "007"},
        {ZahlLinksbuendig, 42, 10, 4, "42 "},
    };
    for (const Fall& f : faelle) {
        Puffer b;
        EXPECT_EQ(f.fn(b.ziel(f.kap), f.zahl, f.w), f.w);
        EXPECT_EQ(b.bytes(f.erwartet.size() + 2), f.erwartet + "\0X"s) << f.zahl << " w " << f.w;
    }
}

TEST_F(TextFunctionsTest, UmlautDruckerzeichen)
{
    Einst.DrAeKlein = 0x84;
    Einst.DrOeKlein = 0x94;
    Einst.DrUeKlein = 0x81;
    Einst.DrSs = 0xE1;
    Einst.DrAeGross = 0x8E;
    Einst.DrOeGross = 0x99;
    Einst.DrUeGross = 0x9A;
    EXPECT_EQ(UmlautDruckerzeichen('\xE4'), '\x84');
    EXPECT_EQ(UmlautDruckerzeichen('\xF6'), '\x94');
    EXPECT_EQ(UmlautDruckerzeichen('\xFC'), '\x81');
    EXPECT_EQ(UmlautDruckerzeichen('\xDF'), '\xE1');
    EXPECT_EQ(UmlautDruckerzeichen('\xC4'), '\x8E');
    EXPECT_EQ(UmlautDruckerzeichen('\xD6'), '\x99');
    EXPECT_EQ(UmlautDruckerzeichen('\xDC'), '\x9A');
    for (char c : {'A', '[', 'z', ' ', '\xE9', '\x84'}) EXPECT_EQ(UmlautDruckerzeichen(c), c);

    Puffer b;
    EXPECT_EQ(DruckerTextFeld(b.ziel(16), "B\xE4r", 5), 5);
    EXPECT_EQ(b.bytes(6), "B\x84r  X");
    Puffer c;
    EXPECT_EQ(DruckerTextFeld(c.ziel(16), "Meierhofer", 4), 4);
    EXPECT_EQ(c.bytes(5), "MeieX");
    Puffer d;
    EXPECT_EQ(DruckerTextFeld(d.ziel(3), "abcdef", 10), 10);
    EXPECT_EQ(d.bytes(4), "abcX");
    Puffer e;
    EXPECT_EQ(DruckerText(e.ziel(16), "Gr\xFC\xDF" "e"), 5);
    EXPECT_EQ(e.bytes(7), "Gr\x81\xE1" "e\0X"s);
}

TEST(TextFunctions, TextFelder)
{
    using Fn = std::function<int(TextZiel)>;
    struct Fall { const char* name; Fn fn; std::size_t kap; int ergebnis; std::string erwartet; };
    const std::vector<Fall> faelle = {
        {"TextFeld", [](TextZiel z) { return TextFeld(z, "Meier", 8); }, 16, 8, "Meier   \0X"s},
        {"TextFeld cut", [](TextZiel z) { return TextFeld(z, "Meierhofer", 5); }, 16, 5, "Meier\0X"s},
        {"TextFeld null", [](TextZiel z) { return TextFeld(z, nullptr, 3); }, 16, 3, "   \0X"s},
        {"TextFeld kap", [](TextZiel z) { return TextFeld(z, "Meier", 10); }, 4, 10, "Mei\0X"s},
        {"Umlaute", [](TextZiel z) { UmlauteErsetzen(z, "M\xFC\xDFig \xC4\xD6\xDC"); return 0; }, 16, 0,
         "Muessig AEOEUE\0X"s},
        {"Umlaute kap", [](TextZiel z) { UmlauteErsetzen(z, "M\xFCller"); return 0; }, 4, 0, "Mue\0X"s},
        {"Umlaute halb", [](TextZiel z) { UmlauteErsetzen(z, "M\xFC"); return 0; }, 3, 0, "M\0X"s},
        {"UmlauteFeld", [](TextZiel z) { return UmlauteErsetzenFeld(z, "M\xFCller", 4); }, 16, 4, "Muel\0X"s},
        {"UmlauteFeld halb", [](TextZiel z) { return UmlauteErsetzenFeld(z, "M\xFC", 2); }, 16, 2, "M \0X"s},
        {"UmlauteFeld pad", [](TextZiel z) { return UmlauteErsetzenFeld(z, "B\xE4r", 6); }, 16, 6, "Baer  \0X"s},
        {"UmlauteFeld kap", [](TextZiel z) { return UmlauteErsetzenFeld(z, "B\xE4r", 10); }, 4, 10, "Bae\0X"s},
        {"Kopieren", [](TextZiel z) { return TextKopieren(z, "abc"); }, 16, 3, "abc\0X"s},
        {"Kopieren kap", [](TextZiel z) { return TextKopieren(z, "abcdef"); }, 4, 3, "abc\0X"s},
        {"Kopieren null", [](TextZiel z) { return TextKopieren(z, nullptr); }, 16, 0, "\0X"s},
        {"Rechts", [](TextZiel z) { return TextRechtsbuendig(z, "abc", 5); }, 16, 5, "  abcX"},
        {"Rechts lang", [](TextZiel z) { return TextRechtsbuendig(z, "abcdef", 3); }, 16, 3, "defX"},
        {"Rechts genau", [](TextZiel z) { return TextRechtsbuendig(z, "abc", 3); }, 16, 3, "abcX"},
        {"Rechts kap", [](TextZiel z) { return TextRechtsbuendig(z, "ab", 10); }, 4, 10, "  abX"},
        {"Datum leer", [](TextZiel z) { DatumBereinigen(z, "  .  .  "); return 0; }, 16, 0, "\0X"s},
        {"Datum ohne Tag", [](TextZiel z) { DatumBereinigen(z, "  .05.24"); return 0; }, 16, 0, "05.24\0X"s},
        {"Datum ohne Tag und Monat", [](TextZiel z) { DatumBereinigen(z, "  .  .24"); return 0; }, 16, 0,
         "  .24\0X"s},
        {"Datum", [](TextZiel z) { DatumBereinigen(z, "01.05.24"); return 0; }, 16, 0, "01.05.24\0X"s},
    };
    for (const Fall& f : faelle) {
        Puffer b;
        EXPECT_EQ(f.fn(b.ziel(f.kap)), f.ergebnis) << f.name;
        EXPECT_EQ(b.bytes(f.erwartet.size()), f.erwartet) << f.name;
    }
}

TEST(TextFunctions, NullenEntfernen)
{
    struct Fall { const char* text; const char* ohne; const char* min; };
    const std::vector<Fall> faelle = {
        {"0 12 3", "123", "123"}, {"000", "", "0"}, {"  00", "", "0"},   {"", "", "0"},
        {"100", "100", "100"},    {"0 10", "10", "10"}, {" 0 0 5", "5", "5"}, {"007", "7", "7"},
    };
    for (const Fall& f : faelle) {
        Text<10> t;
        EXPECT_EQ(NullenEntfernen(t, f.text), int(std::strlen(f.ohne))) << f.text;
        EXPECT_EQ(t, f.ohne);
        EXPECT_EQ(NullenEntfernenMin(t, f.text), int(std::strlen(f.min))) << f.text;
        EXPECT_EQ(t, f.min);
        t = f.text;
        NullenEntfernenHier(t);
        EXPECT_EQ(t, f.ohne);
    }
    EXPECT_FALSE(TextNichtLeer(""));
    EXPECT_FALSE(TextNichtLeer("   "));
    EXPECT_FALSE(TextNichtLeer(nullptr));
    EXPECT_TRUE(TextNichtLeer("  a"));
}

TEST(TextFunctions, WorteZuFeldern)
{
    Text<6> a, b, c;
    const TextZiel felder[] = {a, b, c};
    WorteZuFeldern(felder, "Hans M\xFCller", 5);
    EXPECT_EQ(a, "Hans ");
    EXPECT_EQ(b, "Muell");
    EXPECT_EQ(c, "     ");

    WorteZuFeldern(std::span(felder, 2), "Anna  Maria Lena", 4);
    EXPECT_EQ(a, "Anna");
    EXPECT_EQ(b, "Mari");
}

TEST(TextFunctions, WortFelder)
{
    Text<20> t = "Meier, Hans";
    ErstesWortFeld(t, 8);
    EXPECT_EQ(t, "Meier   ");
    t = "Meierhofer";
    ErstesWortFeld(t, 4);
    EXPECT_EQ(t, "Meie");
    Text<4> klein = "ab";
    ErstesWortFeld(klein, 10);
    EXPECT_EQ(klein, "ab ");

    t = "Meier, Hans Peter";
    EXPECT_EQ(ZweiWorteFeld(t, 18), 16);
    EXPECT_EQ(t, "Meier Hans Peter  ");
    t = "Meier, Hans Peter";
    EXPECT_EQ(ZweiWorteFeld(t, 10), 16);
    EXPECT_EQ(t, "Meier Hans");
    t = "Meier";
    EXPECT_EQ(ZweiWorteFeld(t, 6), 5);
    EXPECT_EQ(t, "Meier ");
    t = "A ,, B";
    EXPECT_EQ(ZweiWorteFeld(t, 3), 3);
    EXPECT_EQ(t, "A B");
}

TEST(TextFunctions, WortAbtrennen)
{
    char text[] = "Meier, Hans";
    EXPECT_STREQ(WortAbtrennen(text), "Hans");
    EXPECT_STREQ(text, "Meier");
    char einzeln[] = "Meier";
    EXPECT_EQ(WortAbtrennen(einzeln), einzeln + 5);
    EXPECT_STREQ(einzeln, "Meier");
}

TEST(TextFunctions, ListeTeilen)
{
    char* f[4] = {};
    char liste[] = "a;bc;d";
    ASSERT_EQ(ListeTeilen(liste, f), 3);
    EXPECT_STREQ(f[0], "a");
    EXPECT_STREQ(f[1], "bc");
    EXPECT_STREQ(f[2], "d");

    char leer[] = ";a;";
    ASSERT_EQ(ListeTeilen(leer, f), 3);
    EXPECT_STREQ(f[0], "");
    EXPECT_STREQ(f[1], "a");
    EXPECT_STREQ(f[2], "");

    char eins[] = "abc";
    ASSERT_EQ(ListeTeilen(eins, f), 1);
    EXPECT_STREQ(f[0], "abc");

    char lang[] = "a;b;c;d;e";
    char* zwei[2] = {};
    ASSERT_EQ(ListeTeilen(lang, zwei), 2);
    EXPECT_STREQ(zwei[0], "a");
    EXPECT_STREQ(zwei[1], "b");
}

TEST(TextFunctions, Pfade)
{
    const char* cursor = "C:\\Daten/Liga\\x.txt";
    const char* ende = cursor + std::strlen(cursor);
    Text<16> teil;
    for (const char* erwartet : {"C:", "Daten", "Liga", "x.txt", ""}) {
        PfadTeil(teil, cursor);
        EXPECT_EQ(teil, erwartet);
    }
    EXPECT_EQ(cursor, ende);

    EXPECT_EQ(DateiNameOhneEndung("spiel.dat"), "spiel");
    EXPECT_EQ(DateiNameOhneEndung("a.b.c"), "a.b");
    EXPECT_EQ(DateiNameOhneEndung("ohne"), "ohne");
}

TEST(TextFunctions, IstBahnText)
{
    struct Fall { const char* text; int bahnen; bool ergebnis; };
    const std::vector<Fall> faelle = {
        {"Bahn 2", 4, true},        {"Bahn 1 bis 4", 4, true},  {"Bahn 3 und 4", 4, true},
        {"Bahn 12", 12, true},      {"Bahn 01", 4, true},       {"Bahn 1 und 04", 4, true},
        {"Bahn 1 bis 5", 4, false}, {"bahn 1", 4, false},       {"Bahn 0", 4, false},
        {"Bahn 00", 4, false},      {"Bahn 5", 4, false},       {"Bahn 123", 16, false},
        {"Bahn 1x", 4, false},      {"Bahn1", 4, false},        {"Bahn  1", 4, false},
        {"Bahn", 4, false},         {"Bahn ", 4, false},        {"Bahn 1 ", 4, false},
        {"Bahn 1 oder 2", 4, false}, {"Bahn 1 BIS 2", 4, false}, {"Bahn 1 bis", 4, false},
        {"Bahn 1 bis  2", 4, false}, {"Bahn 1 bis 4 ", 4, false}, {"Bahn 1 bis 4x", 4, false},
        {"Bahn 3 bis 2", 4, false}, {"Bahn 1 bis 0", 4, false}, {"Bahn 3 und 3", 4, true},
    };
    for (const Fall& f : faelle) EXPECT_EQ(IstBahnText(f.text, f.bahnen), f.ergebnis) << f.text;
}

TEST(TextFunctions, WurfZuText)
{
    EXPECT_EQ(WurfZuText(0x4000 | 0x005, 0x81), "101000000 10000001");
    EXPECT_EQ(WurfZuText(0x4000 | 0x1FF, 0), "111111111 00000000");
    EXPECT_EQ(WurfZuText(0x4000 | 0x100, 0x02), "000000001 01000000");
    EXPECT_EQ(WurfZuText(0x01FF, 0xFF), "kein Wurf");
}

TEST_F(TextFunctionsTest, PaareSortieren)
{
    const qint64 schluessel[MaxPaare] = {5, 3, 9, 1, 7, 7, 12, 0, -4, 8, 2, 11, 6, 10, 4, 13};
    for (int i = 1; i <= MaxPaare; ++i) Paare[i] = {schluessel[i - 1], i32(schluessel[i - 1] * 10)};

    PaareSortieren(2, 5);  // 3 9 1 7 -> 9 7 3 1
    EXPECT_EQ(Paare[1].Schluessel, 5);
    EXPECT_EQ(Paare[2].Schluessel, 9);
    EXPECT_EQ(Paare[3].Schluessel, 7);
    EXPECT_EQ(Paare[4].Schluessel, 3);
    EXPECT_EQ(Paare[5].Schluessel, 1);
    EXPECT_EQ(Paare[6].Schluessel, 7);

    PaareSortieren(0, 20);  // clamped to 1..16
    const qint64 sortiert[MaxPaare] = {13, 12, 11, 10, 9, 8, 7, 7, 6, 5, 4, 3, 2, 1, 0, -4};
    for (int i = 1; i <= MaxPaare; ++i) {
        EXPECT_EQ(Paare[i].Schluessel, sortiert[i - 1]) << i;
        EXPECT_EQ(Paare[i].Wert, Paare[i].Schluessel * 10) << i;
    }

    Paare[1].Schluessel = -1;
    PaareSortieren(1, 1);
    PaareSortieren(9, 3);
    PaareSortieren(17, 30);
    EXPECT_EQ(Paare[1].Schluessel, -1);
    EXPECT_EQ(Paare[2].Schluessel, 12);
}
