#include "core/CheckedArray.h"
#include "core/Cp1252.h"
#include "core/FixedText.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(CheckedArray, CountsFromItsFirstIndex)
{
    Array1<int, 3> a;
    a[1] = 10;
    a[3] = 30;
    EXPECT_EQ(a[1], 10);
    EXPECT_EQ(a[2], 0);
    EXPECT_EQ(a[3], 30);
    CheckedArray<int, 0, 19> b;
    b[0] = 5;
    EXPECT_EQ(b[0], 5);
    EXPECT_TRUE(b.contains(19));
    EXPECT_FALSE(b.contains(20));
    EXPECT_EQ(a.indexOf(&a[3]), 3);
    int fremd = 0;
    EXPECT_EQ(a.indexOf(&fremd), 0);
}

TEST(CheckedArray, BadIndexIsReportedAndTouchesNothing)
{
    EXPECT_THROW((Array1<int, 3>()[0]), std::out_of_range);
    EXPECT_THROW((Array1<int, 3>()[4]), std::out_of_range);

    // With a handler that only counts, a write through a bad index is dropped.
    const auto alt = IndexCheck::handler();
    IndexCheck::setHandler([](long, long, long) {});
    IndexCheck::resetCount();
    struct {
        Array1<int, 3> a;
        int danach = 7;
    } s;
    s.a[4] = 99;
    s.a[-1] = 99;
    EXPECT_EQ(s.a[4], 0);  // reads see a fresh value, not the dropped write
    EXPECT_EQ(s.danach, 7);
    EXPECT_EQ(IndexCheck::count(), 3);
    IndexCheck::setHandler(alt);
}

TEST(FixedText, AssignmentCutsToCapacityMinusOne)
{
    struct {
        Text<5> t;
        char wache[4] = {'x', 'x', 'x', 'x'};
    } s;
    s.t = "abcdefgh";
    EXPECT_EQ(s.t, "abcd");
    EXPECT_EQ(s.t.laenge(), 4u);
    EXPECT_EQ(s.t.c_str()[4], '\0');
    EXPECT_EQ(s.wache[0], 'x');

    s.t = "ab";
    EXPECT_EQ(s.t, "ab");
    s.t = "";
    EXPECT_TRUE(s.t.leer());
    s.t = nullptr;
    EXPECT_TRUE(s.t.leer());

    Text<31> lang = "Kegelsportverein";
    Text<4> kurz;
    kurz = lang;
    EXPECT_EQ(kurz, "Keg");

    Text<1> nurNul = "x";
    EXPECT_TRUE(nurNul.leer());
}

TEST(FixedText, WindowTextsAreEncodedBeforeCutting)
{
    Text<7> t;
    t.setzenText(QStringLiteral("Müller-Lüdenscheid"));
    EXPECT_EQ(t.laenge(), 6u);
    EXPECT_EQ(t.bytes(), QByteArray("M\xFCller"));
    EXPECT_EQ(t.text(), QStringLiteral("Müller"));
}

TEST(FixedText, CharacterAccessCountsFromOne)
{
    Text<4> t = "abc";
    EXPECT_EQ(t.zeichen(1), 'a');
    t.zeichen(3) = 'z';
    EXPECT_EQ(t, "abz");
    EXPECT_THROW(t.zeichen(5), std::out_of_range);
    EXPECT_THROW(t.zeichen(0), std::out_of_range);
}

TEST(TextZahl, ClearsTextAndNumber)
{
    TextZahl<4> p;
    p.Text = "0123";
    p.Zahl = 123;
    EXPECT_EQ(p.Text, "012");
    p.leeren();
    EXPECT_TRUE(p.Text.leer());
    EXPECT_EQ(p.Zahl, 0);
}

TEST(Cp1252, EveryByteDecodes)
{
    const struct {
        unsigned char byte;
        char16_t zeichen;
    } faelle[] = {
        {0x00, 0x0000}, {0x41, 'A'},    {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160},
        {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018}, {0x9D, 0x009D}, {0x9F, 0x0178},
        {0xA0, 0x00A0}, {0xC4, 0x00C4}, {0xDF, 0x00DF}, {0xE4, 0x00E4}, {0xFC, 0x00FC}, {0xFF, 0x00FF},
    };
    for (const auto& f : faelle) EXPECT_EQ(Cp1252::toUnicode(f.byte).unicode(), f.zeichen) << int(f.byte);
}

// Every byte, also the five without a character, comes back as it was.
TEST(Cp1252, RoundTripOfEveryByte)
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b) alle.append(char(b));
    const QString text = Cp1252::decode(alle);
    EXPECT_EQ(text.size(), 256);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(Cp1252::encode(text), alle);
}

TEST(Cp1252, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Grüße €")), QByteArray("Gr\xFC\xDF" "e \x80"));
    EXPECT_EQ(Cp1252::encode(QString(QChar(0x0101))), QByteArray("?"));  // ā
    EXPECT_EQ(Cp1252::encode(QString(QChar(0xFFFD))), QByteArray("?"));
    EXPECT_EQ(Cp1252::encode(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(Cp1252::encode(QString(QChar(0x0080))), QByteArray("?"));  // a C1 control that no byte decodes to
}
