#include "core/TextFunctions.h"

#include "core/Globals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Args = std::vector<std::string>;

// The arguments of a case, split at '|'.
Args Teilen(const char* e)
{
    Args a(1);
    for (; *e; ++e) {
        if (*e == '|')
            a.emplace_back();
        else
            a.back().push_back(*e);
    }
    return a;
}

// "~" stands for no text at all.
const char* Q(const std::string& s) { return s == "~" ? nullptr : s.c_str(); }
int Zahl(const std::string& s) { return int(std::stoul(s, nullptr, 0)); }

template <typename T>
std::string Str(const T& x)
{
    std::ostringstream o;
    o << x;
    return o.str();
}
template <typename T>
std::string Str(const std::optional<T>& x) { return x ? Str(*x) : "-"; }
std::string Str(const QString& x) { return x.toStdString(); }
template <std::size_t N>
std::string Str(const ::Text<N>& t) { return std::string(t.view()); }

// Into a buffer of 16 'X' bytes with capacity kap: what f returned and the
// bytes up to the first one it left, which shows it wrote nothing past kap.
std::string Puffer(const std::string& kap, const std::function<int(TextZiel)>& f)
{
    char p[16];
    std::memset(p, 'X', sizeof p);
    const int r = f(TextZiel(p, std::size_t(Zahl(kap))));
    return Str(r) + ":" + std::string(p, std::size_t(std::find(p, p + 16, 'X') - p) + 1);
}

// A helper writing into a buffer whose capacity is the last argument.
std::function<std::string(const Args&)> Feld(std::function<int(TextZiel, const Args&)> f)
{
    return [f](const Args& a) { return Puffer(a.back(), [&](TextZiel z) { return f(z, a); }); };
}

}  // namespace

// The edge cases of the helpers: the arguments split at '|', the result as text.
TEST(TextFunctions, EdgeCases)
{
    GlobalsZuruecksetzen();
    Einst.DrAeKlein = 0x84;
    Einst.DrOeKlein = 0x94;
    Einst.DrUeKlein = 0x81;
    Einst.DrSs = 0xE1;
    Einst.DrAeGross = 0x8E;
    Einst.DrOeGross = 0x99;
    Einst.DrUeGross = 0x9A;
    struct Zeile {
        const char* name;
        std::function<std::string(const Args&)> f;
        std::vector<std::pair<const char*, std::string>> faelle;
    };
    const Zeile tabelle[] = {
        {"TextZuBool", [](const Args& a) { return Str(TextZuBool(QString::fromLatin1(a[0]))); },
         {{"True", "1"}, {"true", "1"}, {"TRUE", "0"}, {"1", "0"}, {"true ", "0"}}},
        {"BoolNormieren", [](const Args& a) { return Str(int(BoolNormieren(u8(Zahl(a[0]))))); },
         {{"0", "0"}, {"1", "1"}, {"255", "1"}}},
        // ZiffernZuZahl, TextZuZahl of the bytes and of the QString.
        {"Zahl",
         [](const Args& a) {
             return Str(ZiffernZuZahl(Q(a[0]))) + " " + Str(TextZuZahl(Q(a[0]))) + " " +
                    Str(TextZuZahl(QString::fromLatin1(Q(a[0]))));
         },
         {{"~", "0 0 0"}, {"123", "123 123 123"}, {"7A", "87 7 7"}, {"1 2", "65478 12 12"},
          {"65535", "65535 65535 65535"}, {"70000", "4464 4464 4464"}, {"abc", "5451 0 0"}}},
        {"ZaehleV", [](const Args& a) { return Str(ZaehleV(QString::fromLatin1(a[0]))); },
         {{"", "0"}, {"VV", "2"}, {"VVV", "2"}, {"xVV", "1"}, {"vV", "1"}}},
        // Cut, not rounded; 4.1f and 12.34f lie just below their decimal value.
        {"ZahlText1Stelle", [](const Args& a) { return Str(ZahlText1Stelle(std::stof(a[0]))); },
         {{"4.56", "4.5"}, {"4.1", "4.1"}, {"123.4", "123.4"}, {"-3", "0.0"}}},
        {"ZahlText2Stellen", [](const Args& a) { return Str(ZahlText2Stellen(std::stof(a[0]))); },
         {{"12.34", "12.34"}, {"5", "5.00"}, {"123.456", "123.45"}, {"0.07", "0.07"}, {"-1", "0.00"}}},
        {"TextZuFloat", [](const Args& a) { return Str(TextZuFloat(QString::fromLatin1(a[0]))); },
         {{"1,5", "1.5"}, {"-2.25", "-2.25"}, {"", "-"}, {"abc", "-"}, {"1,5.5", "-"}, {"inf", "-"}, {"nan", "-"}}},
        // ZahlZuZiffern and ZahlZuZiffernNull into 8 bytes, ZahlZuText.
        {"Ziffern",
         [](const Args& a) {
             ::Text<8> t, n;
             ZahlZuZiffern(u16(Zahl(a[0])), t);
             ZahlZuZiffernNull(u16(Zahl(a[0])), n);
             return Str(t) + "|" + Str(n) + "|" + Str(ZahlZuText(u16(Zahl(a[0]))));
         },
         {{"0", "|0|"}, {"42", "42|42|42"}, {"65535", "65535|65535|65535"}}},
        {"ZahlZuZiffern in 3", [](const Args& a) { ::Text<3> t; ZahlZuZiffern(u16(Zahl(a[0])), t); return Str(t); },
         {{"12345", "12"}}},
        {"ZweiZiffernZuZahl", [](const Args& a) { return Str(ZweiZiffernZuZahl(QString::fromLatin1(a[0]))); },
         {{"5 ", "5"}, {"07", "7"}, {"123", "12"}, {"", "-"}, {" 5", "-"}, {"5a", "-"}, {"-5", "-"}}},
        // Number, width, capacity.
        {"ZahlRechtsbuendig",
         Feld([](TextZiel z, const Args& a) { return ZahlRechtsbuendig(z, Zahl(a[0]), Zahl(a[1])); }),
         {{"42|5|16", "5:   42\0X"s}, {"12345|3|16", "3:345\0X"s}, {"7|0|16", "0:\0X"s}, {"12345|10|4", "10:345\0X"s}}},
        {"ZahlMitNullen", Feld([](TextZiel z, const Args& a) { return ZahlMitNullen(z, Zahl(a[0]), Zahl(a[1])); }),
         {{"7|3|16", "3:007\0X"s}, {"0|2|16", "2:00\0X"s}, {"12345|3|16", "3:345\0X"s}, {"7|10|4", "10:007\0X"s}}},
        {"ZahlLinksbuendig",
         Feld([](TextZiel z, const Args& a) { return ZahlLinksbuendig(z, Zahl(a[0]), Zahl(a[1])); }),
         {{"42|5|16", "5:42   \0X"s}, {"12345|3|16", "3:345\0X"s}, {"42|10|4", "10:42 \0X"s}}},
        {"UmlautDruckerzeichen",
         [](const Args& a) {
             std::string s = a[0];
             for (char& c : s) c = UmlautDruckerzeichen(c);
             return s;
         },
         {{"\xE4\xF6\xFC\xDF\xC4\xD6\xDC", "\x84\x94\x81\xE1\x8E\x99\x9A"}, {"A[z \xE9\x84", "A[z \xE9\x84"}}},
        // Text, width, capacity.
        {"DruckerTextFeld", Feld([](TextZiel z, const Args& a) { return DruckerTextFeld(z, Q(a[0]), Zahl(a[1])); }),
         {{"B\xE4r|5|16", "5:B\x84r  X"}, {"Meierhofer|4|16", "4:MeieX"}, {"abcdef|10|3", "10:abcX"}}},
        {"DruckerText", Feld([](TextZiel z, const Args& a) { return DruckerText(z, Q(a[0])); }),
         {{"Gr\xFC\xDF" "e|16", "5:Gr\x81\xE1" "e\0X"s}}},
        {"TextFeld", Feld([](TextZiel z, const Args& a) { return TextFeld(z, Q(a[0]), Zahl(a[1])); }),
         {{"Meier|8|16", "8:Meier   \0X"s}, {"Meierhofer|5|16", "5:Meier\0X"s}, {"~|3|16", "3:   \0X"s},
          {"Meier|10|4", "10:Mei\0X"s}}},
        {"UmlauteErsetzen", Feld([](TextZiel z, const Args& a) { return UmlauteErsetzen(z, Q(a[0])), 0; }),
         {{"M\xFC\xDFig \xC4\xD6\xDC|16", "0:Muessig AEOEUE\0X"s}, {"M\xFCller|4", "0:Mue\0X"s},
          {"M\xFC|3", "0:M\0X"s}}},
        {"UmlauteErsetzenFeld",
         Feld([](TextZiel z, const Args& a) { return UmlauteErsetzenFeld(z, Q(a[0]), Zahl(a[1])); }),
         {{"M\xFCller|4|16", "4:Muel\0X"s}, {"M\xFC|2|16", "2:M \0X"s}, {"B\xE4r|6|16", "6:Baer  \0X"s},
          {"B\xE4r|10|4", "10:Bae\0X"s}}},
        {"TextKopieren", Feld([](TextZiel z, const Args& a) { return TextKopieren(z, Q(a[0])); }),
         {{"abc|16", "3:abc\0X"s}, {"abcdef|4", "3:abc\0X"s}, {"~|16", "0:\0X"s}}},
        {"TextRechtsbuendig", Feld([](TextZiel z, const Args& a) { return TextRechtsbuendig(z, Q(a[0]), Zahl(a[1])); }),
         {{"abc|5|16", "5:  abcX"}, {"abcdef|3|16", "3:defX"}, {"abc|3|16", "3:abcX"}, {"ab|10|4", "10:  abX"}}},
        {"DatumBereinigen", Feld([](TextZiel z, const Args& a) { return DatumBereinigen(z, Q(a[0])), 0; }),
         {{"  .  .  |16", "0:\0X"s}, {"  .05.24|16", "0:05.24\0X"s}, {"01.05.24|16", "0:01.05.24\0X"s}}},
        // NullenEntfernen, NullenEntfernenMin (with their lengths), NullenEntfernenHier.
        {"Nullen",
         [](const Args& a) {
             ::Text<10> t, m, h = Q(a[0]);
             const int n = NullenEntfernen(t, Q(a[0])), k = NullenEntfernenMin(m, Q(a[0]));
             NullenEntfernenHier(h);
             return Str(n) + Str(t) + "|" + Str(k) + Str(m) + "|" + Str(h);
         },
         {{"0 12 3", "3123|3123|123"}, {"  00", "0|10|"}, {"100", "3100|3100|100"}, {" 0 0 5", "15|15|5"}}},
        {"TextNichtLeer", [](const Args& a) { return Str(TextNichtLeer(Q(a[0]))); },
         {{"", "0"}, {"   ", "0"}, {"~", "0"}, {"  a", "1"}}},
        // Into three fields of five, or two of four.
        {"WorteZuFeldern",
         [](const Args& a) {
             ::Text<6> x, y, z;
             const TextZiel f[] = {x, y, z};
             WorteZuFeldern(std::span(f, std::size_t(Zahl(a[1]))), Q(a[0]), Zahl(a[1]) == 3 ? 5 : 4);
             return Str(x) + "|" + Str(y) + "|" + Str(z);
         },
         {{"Hans M\xFCller|3", "Hans |Muell|     "}, {"Anna  Maria Lena|2", "Anna|Mari|"}}},
        // Text, width, capacity 20 or 4.
        {"ErstesWortFeld",
         [](const Args& a) {
             ::Text<20> t = Q(a[0]);
             ::Text<4> k = Q(a[0]);
             if (a[2] == "4") return ErstesWortFeld(k, Zahl(a[1])), Str(k);
             return ErstesWortFeld(t, Zahl(a[1])), Str(t);
         },
         {{"Meier, Hans|8|20", "Meier   "}, {"Meierhofer|4|20", "Meie"}, {"ab|10|4", "ab "}}},
        {"ZweiWorteFeld",
         [](const Args& a) {
             ::Text<20> t = Q(a[0]);
             const int n = ZweiWorteFeld(t, Zahl(a[1]));
             return Str(n) + ":" + Str(t);
         },
         {{"Meier, Hans Peter|18", "16:Meier Hans Peter  "}, {"Meier, Hans Peter|10", "16:Meier Hans"},
          {"Meier|6", "5:Meier "}, {"A ,, B|3", "3:A B"}}},
        {"WortAbtrennen",
         [](const Args& a) {
             std::string s = a[0];
             const char* rest = WortAbtrennen(s.data());
             return std::string(s.c_str()) + "|" + rest + (rest == s.data() + s.size() ? "|am Ende" : "");
         },
         {{"Meier, Hans", "Meier|Hans"}, {"Meier", "Meier||am Ende"}}},
        // Into four fields, or two.
        {"ListeTeilen",
         [](const Args& a) {
             std::string s = a[0];
             char* f[4] = {};
             const int n = ListeTeilen(s.data(), std::span(f, std::size_t(Zahl(a[1]))));
             std::string r = Str(n);
             for (int i = 0; i < n; ++i) r += std::string(":") + f[i];
             return r;
         },
         {{"a;bc;d|4", "3:a:bc:d"}, {";a;|4", "3::a:"}, {"abc|4", "1:abc"}, {"a;b;c;d;e|2", "2:a:b"}}},
        {"PfadTeil",
         [](const Args& a) {
             const char* cursor = a[0].c_str();
             std::string r;
             for (int i = 0; i < 5; ++i) {
                 ::Text<16> teil;
                 PfadTeil(teil, cursor);
                 r += Str(teil) + "|";
             }
             return r + (*cursor ? "rest" : "");
         },
         {{"C:\\Daten/Liga\\x.txt", "C:|Daten|Liga|x.txt||"}}},
        {"DateiNameOhneEndung", [](const Args& a) { return Str(DateiNameOhneEndung(QString::fromLatin1(a[0]))); },
         {{"spiel.dat", "spiel"}, {"a.b.c", "a.b"}, {"ohne", "ohne"}}},
        // Text and lanes.
        {"IstBahnText", [](const Args& a) { return Str(IstBahnText(QString::fromLatin1(a[0]), Zahl(a[1]))); },
         {{"Bahn 1 bis 4|4", "1"},  {"Bahn 12|12", "1"},    {"Bahn 1 und 04|4", "1"}, {"Bahn 3 und 3|4", "1"},
          {"Bahn 1 bis 5|4", "0"},  {"bahn 1|4", "0"},      {"Bahn 00|4", "0"},       {"Bahn 123|16", "0"},
          {"Bahn  1|4", "0"},       {"Bahn |4", "0"},       {"Bahn 1 oder 2|4", "0"}, {"Bahn 1 bis 4x|4", "0"},
          {"Bahn 3 bis 2|4", "0"},  {"Bahn 1 bis|4", "0"},  {"Bahn 1 bis 0|4", "0"},  {"Bahn 0|4", "0"}}},
        // Throw word, flags.
        {"WurfZuText", [](const Args& a) { return Str(WurfZuText(u16(Zahl(a[0])), u8(Zahl(a[1])))); },
         {{"0x4005|0x81", "101000000 10000001"}, {"0x41FF|0", "111111111 00000000"},
          {"0x4100|0x02", "000000001 01000000"}, {"0x01FF|0xFF", "kein Wurf"}}},
    };
    for (const Zeile& z : tabelle)
        for (const auto& [eingabe, erwartet] : z.faelle)
            EXPECT_EQ(z.f(Teilen(eingabe)), erwartet) << z.name << "(" << eingabe << ")";
    GlobalsZuruecksetzen();
}

TEST(TextFunctions, PaareSortieren)
{
    GlobalsZuruecksetzen();
    const qint64 schluessel[MaxPaare] = {5, 3, 9, 1, 7, 7, 12, 0, -4, 8, 2, 11, 6, 10, 4, 13};
    for (int i = 1; i <= MaxPaare; ++i) Paare[i] = {schluessel[i - 1], i32(schluessel[i - 1] * 10)};
    auto schluesselListe = [] {
        std::vector<qint64> s;
        for (int i = 1; i <= MaxPaare; ++i) s.push_back(Paare[i].Schluessel);
        return s;
    };

    PaareSortieren(2, 5);  // 3 9 1 7 -> 9 7 3 1
    EXPECT_EQ(schluesselListe(), (std::vector<qint64>{5, 9, 7, 3, 1, 7, 12, 0, -4, 8, 2, 11, 6, 10, 4, 13}));
    PaareSortieren(0, 20);  // clamped to 1..16
    EXPECT_EQ(schluesselListe(), (std::vector<qint64>{13, 12, 11, 10, 9, 8, 7, 7, 6, 5, 4, 3, 2, 1, 0, -4}));
    for (int i = 1; i <= MaxPaare; ++i) EXPECT_EQ(Paare[i].Wert, Paare[i].Schluessel * 10) << i;  // pairs stay pairs

    Paare[1].Schluessel = -1;  // empty and reversed ranges change nothing
    PaareSortieren(1, 1);
    PaareSortieren(9, 3);
    PaareSortieren(17, 30);
    EXPECT_EQ(Paare[1].Schluessel, -1);
    EXPECT_EQ(Paare[2].Schluessel, 12);
    GlobalsZuruecksetzen();
}
