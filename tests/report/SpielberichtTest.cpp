// The report editor's writes into the match record: results, total and
// lead, points, remark lines and incident flags.

#include "report/Spielbericht.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace {

std::unique_ptr<TWettkampfDaten> Neu() { return std::make_unique<TWettkampfDaten>(); }

// Volle or Abräumen typed on one side; the other side's total is there already.
struct SummenFall {
    const char* name;
    bool heim;
    const char* volle;
    const char* abr;
    u16 andereSeite;
    const char* totalText;  // the side's total digit text afterwards
    u16 total;
    const char* anzeige;  // what the total edit then shows
    const char* heimPlus;
    const char* gastPlus;
};

class Summe : public ::testing::TestWithParam<SummenFall> {};

TEST_P(Summe, TotalAndLeadFollowVolleAndAbr)
{
    const SummenFall& f = GetParam();
    auto w = Neu();
    (f.heim ? w->Gast : w->Heim).Total.Zahl = f.andereSeite;
    VolleGeaendert(*w, f.heim, QString::fromLatin1(f.volle));
    const QString anzeige = AbrGeaendert(*w, f.heim, QString::fromLatin1(f.abr));
    const TMannschaftBlock& s = f.heim ? w->Heim : w->Gast;
    EXPECT_EQ(std::string(s.Volle.Text.c_str()), std::string(f.volle).substr(0, 4));
    EXPECT_EQ(std::string(s.Abr.Text.c_str()), std::string(f.abr).substr(0, 4));
    EXPECT_EQ(anzeige, QString::fromLatin1(f.anzeige));
    EXPECT_STREQ(s.Total.Text.c_str(), f.totalText);
    EXPECT_EQ(s.Total.Zahl, f.total);
    EXPECT_STREQ(w->Heim.Plus.Text.c_str(), f.heimPlus);
    EXPECT_STREQ(w->Gast.Plus.Text.c_str(), f.gastPlus);
    EXPECT_EQ(w->Geaendert, 1);
}

// 0 + 0 leaves the total edit empty; its own handler then keeps "0000".
// A sum above the four digits of the total edit stops at 9999.
INSTANTIATE_TEST_SUITE_P(
    Spielbericht, Summe,
    ::testing::Values(SummenFall{"NullUndNull", true, "0", "", 0, "0000", 0, "", "0000", "0000"},
                      SummenFall{"HeimVorn", true, "2350", "980", 3300, "3330", 3330, "3330", "0030", "0000"},
                      SummenFall{"GastHinten", false, "2100", "0950", 3100, "3050", 3050, "3050", "0050", "0000"},
                      SummenFall{"GastVorn", false, "0045", "12", 0, "0057", 57, "57", "0000", "0057"},
                      SummenFall{"Gleichstand", false, "2000", "1000", 3000, "3000", 3000, "3000", "0000", "0000"},
                      SummenFall{"VierStellen", true, "123456", "9999", 0, "9999", 9999, "9999", "9999", "0000"}),
    [](const auto& info) { return std::string(info.param.name); });

// A lead once held is taken back when the other side draws level.
TEST(Spielbericht, TotalTypedIsZeroPaddedAndSetsTheLeadOfBothSides)
{
    auto w = Neu();
    TotalGeaendert(*w, true, QStringLiteral("3012"));
    TotalGeaendert(*w, false, QStringLiteral("12"));
    EXPECT_EQ(std::tuple(w->Gast.Total.Text.view(), w->Heim.Plus.Text.view(), w->Gast.Plus.Text.view()),
              std::tuple("0012", "3000", "0000"));
    TotalGeaendert(*w, false, QStringLiteral("3012"));
    EXPECT_EQ(std::tuple(w->Heim.Plus.Zahl, w->Heim.Plus.Text.view(), w->Gast.Plus.Zahl, w->Gast.Plus.Text.view()),
              std::tuple(0, "0000", 0, "0000"));
    TotalGeaendert(*w, true, QString());
    FehlerGeaendert(*w, true, QStringLiteral("17"));
    EXPECT_EQ(std::tuple(w->Heim.Total.Text.view(), w->Gast.Plus.Zahl, w->Gast.Plus.Text.view()),
              std::tuple("0000", 3012, "3012"));
    EXPECT_EQ(std::tuple(w->Heim.Fehler.Text.view(), w->Heim.Fehler.Zahl), std::tuple("17", 17));
}

TEST(Spielbericht, PointsAreReadAsDecimalNumbers)
{
    const std::pair<const char*, float> faelle[] = {{"1.5", 1.5f}, {"2.", 2.0f}, {".5", 0.5f}, {" . ", 0.0f},
                                                    {"", 0.0f},    {"3,5", 3.5f}};
    for (const auto& [text, punkte] : faelle) {
        auto w = Neu();
        w->Heim.TotalMaP = 9;
        EXPECT_TRUE(PunkteGeaendert(*w, true, QString::fromLatin1(text))) << text;
        EXPECT_FLOAT_EQ(w->Heim.TotalMaP, punkte) << text;
    }
    auto w = Neu();
    w->Gast.TotalMaP = 4;
    EXPECT_FALSE(PunkteGeaendert(*w, false, QStringLiteral("x")));
    EXPECT_FLOAT_EQ(w->Gast.TotalMaP, 4.0f);
    EXPECT_EQ(w->Geaendert, 0);
}

TEST(Spielbericht, RemarkLinesAreCutToEightyAndFourLines)
{
    auto w = Neu();
    const QString lang = QString(85, QLatin1Char('a')) + QStringLiteral("bcdef");  // 90 characters
    BemerkungGeaendert(*w, true, lang + QStringLiteral("\nzwei\r\nGroß\n\nfünf"));
    EXPECT_EQ(w->Heim.Text[1].text(), QString(80, QLatin1Char('a')));
    EXPECT_STREQ(w->Heim.Text[2].c_str(), "zwei");
    EXPECT_STREQ(w->Heim.Text[3].c_str(), "Gro\xdf");  // Windows-1252
    EXPECT_STREQ(w->Heim.Text[4].c_str(), "");  // a fifth line is not kept
    BemerkungGeaendert(*w, true, QStringLiteral("nur eine"));
    EXPECT_EQ(std::tuple(w->Heim.Text[1].view(), w->Heim.Text[2].view(), w->Heim.Text[3].view()),
              std::tuple("nur eine", "", ""));
}

TEST(Spielbericht, IncidentBoxesSetTheirOwnFlagByte)
{
    auto w = Neu();
    ZwischenfallGeaendert(*w, Zwischenfall::Verletzungen, true);
    ZwischenfallGeaendert(*w, Zwischenfall::Anlagen, true);
    ZwischenfallGeaendert(*w, Zwischenfall::Anlagen, false);
    EXPECT_EQ(std::tuple(w->BahnenOk, w->PaesseOk, w->Verwarnungen, w->Verletzungen, w->Protest, w->Sonstiges,
                         w->Anlagen, w->Geaendert),
              std::tuple(0, 0, 0, 1, 0, 0, 0, 1));
}

}  // namespace
