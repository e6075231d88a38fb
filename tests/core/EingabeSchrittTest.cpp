#include "core/EingabeSchritt.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct FormatFall {
    double wert;
    const char* format;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const FormatFall& f)
{
    return os << f.wert << " '" << f.format << "'";
}

class EingabeFormat : public testing::TestWithParam<FormatFall> {};

TEST_P(EingabeFormat, FormatsLikeFormatFloat)
{
    const FormatFall& f = GetParam();
    EXPECT_EQ(ZahlFormatieren(f.wert, QString::fromLatin1(f.format)), QString::fromLatin1(f.text));
}

INSTANTIATE_TEST_SUITE_P(Muster, EingabeFormat,
                         testing::Values(
                             // whole numbers
                             FormatFall{0, "###0", "0"}, FormatFall{1234, "###0", "1234"},
                             FormatFall{12.5, "##0", "13"}, FormatFall{2.5, "0", "3"}, FormatFall{-2.5, "0", "-3"},
                             FormatFall{5, "000", "005"},
                             // decimals, rounded half away from zero on the shown digits
                             FormatFall{1.25, "0.0", "1.3"}, FormatFall{0.15, "0.0", "0.2"},
                             FormatFall{1.005, "0.00", "1.01"}, FormatFall{7, "0.00", "7.00"},
                             FormatFall{9.96, "0.0", "10.0"}, FormatFall{99.96, "#0.0", "100.0"},
                             FormatFall{0.25, "#0.0", "0.3"},
                             // a zero after rounding has no sign
                             FormatFall{0.04, "0.0", "0.0"}, FormatFall{-0.04, "0.0", "0.0"},
                             // '#' after the point only when significant, '#' alone may vanish
                             FormatFall{1.5, "0.0#", "1.5"}, FormatFall{1.234, "0.0#", "1.23"},
                             FormatFall{0.5, "#.#", ".5"},
                             // empty format: shortest decimal
                             FormatFall{3.14159, "", "3.14159"}, FormatFall{0.1 + 0.2, "", "0.3"},
                             FormatFall{100, "", "100"}, FormatFall{0, "", "0"}));

TEST(EingabeZahl, EmptyIsZeroAndBothPointsCount)
{
    EXPECT_EQ(EingabeZahl(QString()), 0.0);
    EXPECT_EQ(EingabeZahl(QStringLiteral("  ")), 0.0);
    EXPECT_EQ(EingabeZahl(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(EingabeZahl(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(EingabeZahl(QStringLiteral(" 7 ")), 7.0);
    EXPECT_FALSE(EingabeZahl(QStringLiteral("abc")));
    EXPECT_FALSE(EingabeZahl(QStringLiteral("1.5.3")));
}

struct SchrittFall {
    const char* text;
    float schritt;
    const char* format;
    int modus;
    bool hoch;
    const char* ergebnis;
};

std::ostream& operator<<(std::ostream& os, const SchrittFall& f)
{
    return os << "'" << f.text << "' " << (f.hoch ? "+" : "-") << f.schritt << " '" << f.format << "' modus "
              << f.modus;
}

class EingabeSchrittTabelle : public testing::TestWithParam<SchrittFall> {};

TEST_P(EingabeSchrittTabelle, Steps)
{
    const SchrittFall& f = GetParam();
    EXPECT_EQ(EingabeSchritt(QString::fromLatin1(f.text), f.schritt, QString::fromLatin1(f.format), f.modus, f.hoch),
              QString::fromLatin1(f.ergebnis));
}

INSTANTIATE_TEST_SUITE_P(Normal, EingabeSchrittTabelle,
                         testing::Values(SchrittFall{"", 1, "##0", 0, true, "1"},
                                         SchrittFall{"99", 1, "##0", 0, true, "100"},
                                         SchrittFall{"3", 1, "###0", 0, false, "2"},
                                         SchrittFall{"7", 2, "0", 0, false, "5"},
                                         SchrittFall{"2,5", 0.5f, "0.0", 0, true, "3.0"},
                                         SchrittFall{"1.0", 0.1f, "0.0", 0, false, "0.9"},
                                         SchrittFall{"9.4", 0.1f, "0.0", 0, true, "9.5"},
                                         SchrittFall{"1.25", 0.25f, "", 0, true, "1.5"},
                                         SchrittFall{"abc", 1, "0", 0, true, "abc"}));

// Down never goes below zero.
INSTANTIATE_TEST_SUITE_P(UntenNull, EingabeSchrittTabelle,
                         testing::Values(SchrittFall{"0.5", 1, "0.0", 0, false, "0.0"},
                                         SchrittFall{"0", 1, "#0", 0, false, "0"},
                                         SchrittFall{"0.05", 0.1f, "0.00", 0, false, "0.00"}));

// A fraction of .5 and above is what a typed value may not have: up goes on
// to the next whole number, down to the last tenth below .5.
INSTANTIATE_TEST_SUITE_P(Halbschritt, EingabeSchrittTabelle,
                         testing::Values(SchrittFall{"9.3", 0.1f, "0.0", 2, true, "9.4"},
                                         SchrittFall{"9.4", 0.1f, "0.0", 2, true, "10.0"},
                                         SchrittFall{"9.9", 0.1f, "0.0", 2, true, "10.0"},
                                         SchrittFall{"2", 0.5f, "0.0", 2, true, "3.0"},
                                         SchrittFall{"9.4", 0.1f, "0.0", 2, false, "9.3"},
                                         SchrittFall{"10.0", 0.1f, "0.0", 2, false, "9.4"},
                                         SchrittFall{"0.6", 0.1f, "0.0", 2, false, "0.4"},
                                         SchrittFall{"3", 1, "0", 2, true, "4"}));

// The edges: the first whole number, zero, a shown value of .5 itself, a
// wider number, two decimals.
INSTANTIATE_TEST_SUITE_P(HalbschrittRand, EingabeSchrittTabelle,
                         testing::Values(SchrittFall{"0.4", 0.1f, "#0.0", 2, true, "1.0"},
                                         SchrittFall{"1.0", 0.1f, "#0.0", 2, false, "0.4"},
                                         SchrittFall{"0.0", 0.1f, "#0.0", 2, false, "0.0"},
                                         SchrittFall{"", 0.1f, "#0.0", 2, true, "0.1"},
                                         SchrittFall{"9.5", 0.1f, "#0.0", 2, true, "10.0"},
                                         SchrittFall{"9.5", 0.1f, "#0.0", 2, false, "9.4"},
                                         SchrittFall{"99.4", 0.1f, "#0.0", 2, true, "100.0"},
                                         SchrittFall{"3.0", 0.5f, "#0.0", 2, false, "2.4"},
                                         SchrittFall{"1.00", 0.01f, "0.00", 2, false, "0.49"},
                                         SchrittFall{"0.49", 0.01f, "0.00", 2, true, "1.00"}));

TEST(EingabeHalbschritt, TypedFractionFromHalfUpIsCutOff)
{
    EXPECT_EQ(HalbschrittKorrektur(QStringLiteral("3.7"), QStringLiteral("0.0"), 2), QStringLiteral("3.0"));
    EXPECT_EQ(HalbschrittKorrektur(QStringLiteral("3,5"), QStringLiteral("0.0"), 2), QStringLiteral("3.0"));
    EXPECT_EQ(HalbschrittKorrektur(QStringLiteral("12.5"), QStringLiteral("##0"), 2), QStringLiteral("12"));
    EXPECT_FALSE(HalbschrittKorrektur(QStringLiteral("3.4"), QStringLiteral("0.0"), 2));
    EXPECT_FALSE(HalbschrittKorrektur(QStringLiteral("3.7"), QStringLiteral("0.0"), 0));
    EXPECT_FALSE(HalbschrittKorrektur(QString(), QStringLiteral("0.0"), 2));
    EXPECT_FALSE(HalbschrittKorrektur(QStringLiteral("x"), QStringLiteral("0.0"), 2));
}

}  // namespace
