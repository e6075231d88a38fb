#include "core/Globals.h"
#include "core/Tastatur.h"
#include "support/QtDrucken.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

class Tastatur : public ::testing::Test {
protected:
    void SetUp() override
    {
        tastaturZustand.zuruecksetzen();
        GlobalsZuruecksetzen();
    }
    void TearDown() override
    {
        feldregister().abmelden(&besitzer);
        tastaturZustand.zuruecksetzen();
    }

    // A field backed by a text of the test; its control lives with the test.
    void feld(u16 code, QString* wert, bool caretVorEnde = false, int max = 30, bool festeStellen = false)
    {
        Tastaturfeld f;
        f.code = code;
        f.prompt = QStringLiteral("Feld %1:").arg(code);
        f.lesen = [wert] { return *wert; };
        f.schreiben = [wert](const QString& t) { *wert = t; };
        f.maxLaenge = [max] { return max; };
        f.caretVorEnde = caretVorEnde;
        f.festeStellen = festeStellen;
        f.ziel = new QObject(&besitzer);
        ASSERT_TRUE(feldregister().anmelden(f, &besitzer));
    }

    void tippen(Tastaturzeile& z, const char* tasten)
    {
        for (const char* t = tasten; *t; ++t) {
            Tastencode = u8(*t);
            EditChar(z);
        }
    }

    QObject besitzer;
};

struct Taste {
    u8 modus;
    const char* vorher;
    int caret;
    int selStart, selLaenge;
    u8 einfuegen, umschalt, feststell;
    int max;
    u8 taste;
    const char16_t* nachher;
    int caretNachher;
    u8 umschaltNachher;
};

TEST_F(Tastatur, KeysByInputRule)
{
    const Taste faelle[] = {
        // Text: lower case, shifted once, held by the lock; the German layout.
        {ModusText, "", 0, 0, 0, 1, 0, 0, 30, 'A', u"a", 1, 0},
        {ModusText, "", 0, 0, 0, 1, 1, 0, 30, 'A', u"A", 1, 0},
        {ModusText, "", 0, 0, 0, 1, 1, 1, 30, 'A', u"A", 1, 1},
        {ModusText, "x", 1, 1, 0, 1, 1, 0, 30, '3', u"x\u00a7", 2, 0},
        {ModusText, "", 0, 0, 0, 1, 1, 0, 30, 0xDF, u"?", 1, 0},
        {ModusText, "", 0, 0, 0, 1, 0, 0, 30, 0xDC, u"\u00fc", 1, 0},
        {ModusText, "", 0, 0, 0, 1, 1, 0, 30, '-', u"_", 1, 0},
        // A selection is replaced; overwrite replaces the character at the
        // caret and appends at the end; the length limit inserts nothing.
        {ModusText, "abcd", 3, 1, 2, 1, 0, 0, 30, 'X', u"axd", 2, 0},
        {ModusText, "abc", 1, 1, 0, 0, 0, 0, 30, 'X', u"axc", 2, 0},
        {ModusText, "abc", 3, 3, 0, 0, 0, 0, 30, 'X', u"abcx", 4, 0},
        {ModusText, "abc", 3, 3, 0, 1, 0, 0, 3, 'D', u"abc", 3, 0},
        {ModusText, "abc", 0, 0, 0, 0, 0, 0, 3, 'D', u"dbc", 1, 0},
        // Digits: letters and shifted digits are ignored (and shift falls back);
        // a refused key removes nothing in overwrite mode.
        {ModusZiffern, "1", 1, 1, 0, 1, 0, 0, 30, 'A', u"1", 1, 0},
        {ModusZiffern, "1", 1, 1, 0, 1, 1, 0, 30, '5', u"1", 1, 0},
        {ModusZiffern, "1", 1, 1, 0, 1, 0, 0, 30, '5', u"15", 2, 0},
        {ModusZiffern, "123", 0, 0, 0, 0, 0, 0, 30, 'A', u"123", 0, 0},
        // Date: no digit at 2 and 5 (shift stays), "." only there.
        {ModusDatum, "12", 2, 2, 0, 1, 1, 0, 30, '3', u"12", 2, 1},
        {ModusDatum, "12", 2, 2, 0, 1, 0, 0, 30, '.', u"12.", 3, 0},
        {ModusDatum, "1", 1, 1, 0, 1, 0, 0, 30, '.', u"1", 1, 0},
        {ModusDatum, "12.03", 5, 5, 0, 1, 0, 0, 30, '.', u"12.03.", 6, 0},
        {ModusDatum, "12.03.", 6, 6, 0, 1, 0, 0, 30, '9', u"12.03.9", 7, 0},
        // Time: "." gives ":" at 2 and 5, digits go anywhere.
        {ModusZeit, "12", 2, 2, 0, 1, 0, 0, 30, '.', u"12:", 3, 0},
        {ModusZeit, "12:3", 4, 4, 0, 1, 0, 0, 30, '.', u"12:3", 4, 0},
        {ModusZeit, "12", 2, 2, 0, 1, 0, 0, 30, '3', u"123", 3, 0},
        // Caret keys stop at the ends; Backsp at 0 and Entf at the end delete nothing.
        {ModusText, "abc", 0, 0, 0, 1, 0, 0, 30, TasteLinks, u"abc", 0, 0},
        {ModusText, "abc", 1, 1, 0, 1, 1, 0, 30, TasteRechts, u"abc", 2, 0},
        {ModusText, "abc", 0, 0, 0, 1, 0, 0, 30, TasteBacksp, u"abc", 0, 0},
        {ModusText, "abc", 2, 2, 0, 1, 0, 0, 30, TasteBacksp, u"ac", 1, 0},
        {ModusText, "abc", 1, 1, 0, 1, 0, 0, 30, TasteEntf, u"ac", 1, 0},
        {ModusText, "abc", 3, 3, 0, 1, 0, 0, 30, TasteEntf, u"abc", 3, 0},
        {ModusText, "abcd", 3, 1, 2, 1, 0, 0, 30, TasteBacksp, u"ad", 1, 0},
        // Codes outside 32..223 do nothing.
        {ModusText, "abc", 3, 3, 0, 1, 1, 0, 30, 0xE4, u"abc", 3, 1},
    };
    for (const Taste& f : faelle) {
        SCOPED_TRACE(testing::Message() << "mode " << int(f.modus) << " '" << f.vorher << "' key " << int(f.taste));
        Eingabemodus = f.modus;
        Einfuegen = f.einfuegen;
        Umschalt = f.umschalt;
        Feststell = f.feststell;
        Tastencode = f.taste;
        Tastaturzeile z{{}, QString::fromUtf8(f.vorher), f.caret, f.selStart, f.selLaenge, f.max};
        EditChar(z);
        EXPECT_EQ(z.text, QString::fromUtf16(f.nachher));
        EXPECT_EQ(z.caret, f.caretNachher);
        EXPECT_EQ(z.selLaenge, 0);
        EXPECT_EQ(Umschalt, f.umschaltNachher);
    }
}

TEST_F(Tastatur, ShiftLockAndClear)
{
    TasteLock();
    TasteShift();  // releases lock and shift
    EXPECT_EQ(Feststell + Umschalt, 0);
    Tastaturzeile z{{}, QStringLiteral("abc"), 3};
    TasteShift();
    EXPECT_EQ(Umschalt, 1);
    TasteClear(z);
    EXPECT_EQ(z.text, QString());
    EXPECT_EQ(z.caret, 0);
    EXPECT_EQ(Umschalt, 0);
}

TEST_F(Tastatur, StepsOverRegisteredFieldsOnly)
{
    QString werte[5] = {QStringLiteral("Halle"), QString(), QStringLiteral("Nord"), QStringLiteral("Adler"),
                        QStringLiteral("C")};
    const u16 codes[5] = {190, 191, 193, 194, 197};  // 195 and 196 have no field
    for (int i = 0; i < 5; ++i) feld(codes[i], &werte[i]);
    Feldcode = 193;
    FeldcodeMin = 190;
    FeldcodeMax = 198;

    Tastaturzeile z;
    TastaturAktivieren(z);
    EXPECT_EQ(z.prompt, QStringLiteral("Feld 193:"));
    EXPECT_EQ(z.caret, 4);
    tippen(z, "OST");
    TasteVor(z);
    EXPECT_EQ(werte[2], QStringLiteral("Nordost"));
    TasteVor(z);
    EXPECT_EQ(Feldcode, 197);  // over the gap
    tippen(z, "~B");
    TasteVor(z);  // the last field: written and loaded again
    EXPECT_EQ(Feldcode, 197);
    EXPECT_EQ(werte[4], QStringLiteral("b"));
    EXPECT_EQ(z.text, QStringLiteral("b"));

    for (int i = 0; i < 5; ++i) TasteZurueck(z);  // stops at the first
    EXPECT_EQ(Feldcode, 190);
    EXPECT_EQ(z.text, QStringLiteral("Halle"));
}

TEST_F(Tastatur, ReturnWritesEscDropsOnlyTheCurrentField)
{
    QString werte[3] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    for (int i = 0; i < 3; ++i) feld(u16(11 + i), &werte[i]);
    Feldcode = 11;
    FeldcodeMin = 2;
    FeldcodeMax = 58;

    Tastaturzeile z;
    TastaturAktivieren(z);
    tippen(z, "1");
    TasteVor(z);
    tippen(z, "2");
    TasteVor(z);
    tippen(z, "3");
    TasteEsc();
    EXPECT_EQ(werte[0] + werte[1] + werte[2], QStringLiteral("a1b2c"));

    Feldcode = 13;
    TastaturAktivieren(z);
    tippen(z, "4");
    TasteReturn(z);
    EXPECT_EQ(werte[2], QStringLiteral("c4"));
    EXPECT_EQ(TastaturPosition, 0);
}

// The caller fills the line itself and opens it for an unlisted code.
TEST_F(Tastatur, PrefilledCodeWithoutFieldWritesNothing)
{
    QString wert = QStringLiteral("alt");
    feld(60, &wert);
    Feldcode = 60;
    Tastaturzeile z;
    TastaturAktivieren(z);
    TasteReturn(z);

    z.prompt = QStringLiteral("Texte:");
    z.text = QStringLiteral("frei");
    Feldcode = 500;
    TastaturAktivieren(z);
    EXPECT_EQ(z.prompt + z.text, QStringLiteral("Texte:frei"));
    EXPECT_EQ(z.caret, 4);
    tippen(z, "X");
    TasteReturn(z);
    EXPECT_EQ(wert, QStringLiteral("alt"));
}

TEST_F(Tastatur, CaretBeforeTheEndAndOwnLength)
{
    QString wert = QStringLiteral("123");
    feld(63, &wert, true, 2);  // shorter than the text: the text is kept whole
    Feldcode = 63;
    Tastaturzeile z;
    TastaturAktivieren(z);
    EXPECT_EQ(z.text, QStringLiteral("123"));
    EXPECT_EQ(z.caret, 2);
    EXPECT_EQ(z.maxLaenge, 3);
}

// The throws of a phase: every character keeps its place, whatever the
// insert key says; deleting leaves a blank.
TEST_F(Tastatur, ThrowFieldKeepsEveryThrowAtItsPlace)
{
    QString wert = QStringLiteral("753");
    feld(63, &wert, true, 4, true);
    Feldcode = 63;
    Tastaturzeile z;
    TastaturAktivieren(z);
    EXPECT_EQ(Einfuegen, 0);  // the lamp shows overwrite
    tippen(z, "4<<~9|");      // 4 over the 3, back to the 7: Backsp, 9, Entf
    EXPECT_EQ(z.text, QStringLiteral("9 4"));
    EXPECT_EQ(z.caret, 1);
    TasteEinfg();
    tippen(z, "6>12");  // the field's length holds the 2
    EXPECT_EQ(z.text, QStringLiteral("9641"));
    z.selStart = 0, z.selLaenge = 2;
    tippen(z, "5");  // a selection turns blank, the digit takes its first place
    TasteReturn(z);
    EXPECT_EQ(wert, QStringLiteral("5 41"));
}

TEST_F(Tastatur, RegisterByOwnerAndLifetime)
{
    QObject andererBesitzer;
    QString a = QStringLiteral("erster"), b = QStringLiteral("zweiter");
    auto zielA = std::make_unique<QObject>(), zielB = std::make_unique<QObject>(), zielC = std::make_unique<QObject>();
    Tastaturfeld f;
    f.code = 300;
    f.lesen = [&a] { return a; };
    f.ziel = zielA.get();
    ASSERT_TRUE(feldregister().anmelden(f, &besitzer));
    // One window cannot give two of its controls one code.
    f.ziel = zielC.get();
    EXPECT_FALSE(feldregister().anmelden(f, &besitzer));
    // Another window's field of the same code serves while it lives.
    f.lesen = [&b] { return b; };
    f.ziel = zielB.get();
    ASSERT_TRUE(feldregister().anmelden(f, &andererBesitzer));
    EXPECT_EQ(feldregister().finden(300)->lesen(), b);
    EXPECT_EQ(feldregister().codeVon(zielB.get()), std::optional<u16>(300));
    zielB.reset();
    EXPECT_EQ(feldregister().finden(300)->lesen(), a);
    feldregister().abmelden(&besitzer);
    EXPECT_EQ(feldregister().finden(300), nullptr);
    feldregister().abmelden(&andererBesitzer);
}

TEST_F(Tastatur, LineModeStepsThroughTheLines)
{
    QStringList text = {QStringLiteral("eins"), QStringLiteral("zwei")};
    tastaturZustand.DeckblattText = &text;
    DeckblattTastaturModus = 1;
    Feldcode = 500;
    Tastaturzeile z{{}, text[0]};
    TastaturAktivieren(z);
    tippen(z, "S");
    TasteVor(z);
    EXPECT_EQ(text[0], QStringLiteral("einss"));
    EXPECT_EQ(z.text, QStringLiteral("zwei"));
    TasteVor(z);  // past the last line: a new empty one
    tippen(z, "D");
    TasteReturn(z);
    EXPECT_EQ(text, (QStringList{QStringLiteral("einss"), QStringLiteral("zwei"), QStringLiteral("d")}));
    for (int i = 0; i < 3; ++i) TasteZurueck(z);
    EXPECT_EQ(DeckblattZeile, 0);
    EXPECT_EQ(z.text, QStringLiteral("einss"));
}

TEST_F(Tastatur, DoubleTapWithinTheWait)
{
    QObject a, b;
    Einst.TastDoppelclick = true;
    Einst.DoppelclickSpeed = 1500;
    EXPECT_TRUE(TippOeffnet(nullptr, 0));

    EXPECT_FALSE(TippOeffnet(&a, 0));
    EXPECT_TRUE(TippOeffnet(&a, 1499));

    EXPECT_FALSE(TippOeffnet(&a, 5000));
    EXPECT_FALSE(TippOeffnet(&a, 6500));  // too late: this tap waits anew
    EXPECT_TRUE(TippOeffnet(&a, 6600));

    // A tap on another control only cancels the first, and arms nothing.
    EXPECT_FALSE(TippOeffnet(&a, 10000));
    EXPECT_FALSE(TippOeffnet(&b, 10100));
    EXPECT_FALSE(TippOeffnet(&b, 10200));
    EXPECT_TRUE(TippOeffnet(&b, 10300));

    Einst.TastDoppelclick = false;
    EXPECT_TRUE(TippOeffnet(&a, 20000));
}

}  // namespace
