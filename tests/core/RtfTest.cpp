// The rich-text subset of the cover sheets and help texts: a text as the Windows rich-edit
// control writes it, the way back and forth, and what is left out.

#include "core/Rtf.h"
#include "support/QtDrucken.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// One run of text with its format, as the document holds it.
struct Lauf {
    QString text;
    QString schrift;
    double pt = 0;
    bool fett = false;
    bool kursiv = false;
    QString farbe;  // "#rrggbb", empty for the automatic colour
    bool operator==(const Lauf&) const = default;
};

void PrintTo(const Lauf& l, std::ostream* os)
{
    *os << '{' << l.text.toStdString() << '|' << l.schrift.toStdString() << '|' << l.pt << (l.fett ? "|F" : "")
        << (l.kursiv ? "|K" : "") << '|' << l.farbe.toStdString() << '}';
}

struct Absatz {
    double erste = 0;
    double links = 0;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    std::vector<Lauf> laeufe;
    bool operator==(const Absatz&) const = default;
};

void PrintTo(const Absatz& a, std::ostream* os)
{
    *os << "\n[" << a.erste << '/' << a.links << '/' << int(a.ausrichtung) << ']';
    for (const Lauf& l : a.laeufe) PrintTo(l, os);
}

std::vector<Absatz> Inhalt(const QTextDocument& d)
{
    std::vector<Absatz> absaetze;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        Absatz a;
        a.erste = b.blockFormat().textIndent();
        a.links = b.blockFormat().leftMargin();
        const Qt::Alignment h = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        a.ausrichtung = h ? h : Qt::AlignLeft;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList familien = f.fontFamilies().toStringList();
            Lauf l{it.fragment().text(), familien.value(0, d.defaultFont().family()),
                   f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : d.defaultFont().pointSizeF(),
                   f.fontWeight() > QFont::Medium, f.fontItalic(),
                   f.foreground().style() == Qt::NoBrush ? QString() : f.foreground().color().name()};
            // Runs of the same look count as one, however the document splits them.
            if (!a.laeufe.empty()) {
                Lauf& vorige = a.laeufe.back();
                const QString text = vorige.text;
                vorige.text = l.text;
                if (vorige == l) {
                    vorige.text = text + l.text;
                    continue;
                }
                vorige.text = text;
            }
            a.laeufe.push_back(l);
        }
        absaetze.push_back(a);
    }
    return absaetze;
}

std::vector<Absatz> Gelesen(const QByteArray& rtf)
{
    QTextDocument d;
    d.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    // Read in one edit, so that the document is laid out once, not at every run
    // (the layout a shown document has is what tells of each change).
    d.documentLayout();
    int aenderungen = 0;
    QObject::connect(&d, &QTextDocument::contentsChange, [&] { ++aenderungen; });
    RtfLesen(rtf, d);
    EXPECT_LE(aenderungen, 4);  // the clearing and the whole text, not one a run
    EXPECT_FALSE(d.isUndoAvailable());
    return Inhalt(d);
}

const QString Arial = QStringLiteral("Arial");

TEST(Rtf, ReadsATextAsTheRichEditControlWritesIt)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
        "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
        "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang1031\\f0\\fs20 Sehr geehrte Damen und "
        "Herren,\\par\r\n"
        "\\par\r\n"
        "\\pard\\fi600\\b\\fs28 Spielbericht\\b0\\fs20  vom \\i 12.03.\\i0\\par\r\n"
        "\\pard\\li600\\qc\\cf1 Gr\\'fc\\'dfe aus M\\'fcnchen \\u8364?\\cf0\\tab Ende\\line Zeile\\par\r\n"
        "\\pard\\cf2\\f1\\fs24 Mannschaft\\par\r\n"
        "}\r\n";

    const std::vector<Absatz> erwartet = {
        {0, 0, Qt::AlignLeft, {{QStringLiteral("Sehr geehrte Damen und Herren,"), Arial, 10, false, false, {}}}},
        {0, 0, Qt::AlignLeft, {}},
        {40,
         0,
         Qt::AlignLeft,
         {{QStringLiteral("Spielbericht"), Arial, 14, true, false, {}},
          {QStringLiteral(" vom "), Arial, 10, false, false, {}},
          {QStringLiteral("12.03."), Arial, 10, false, true, {}}}},
        {0,
         40,
         Qt::AlignHCenter,
         {{QStringLiteral("Grüße aus München €"), Arial, 10, false, false, QStringLiteral("#ff0000")},
          {QStringLiteral("\tEnde\u2028Zeile"), Arial, 10, false, false, {}}}},
        {0,
         0,
         Qt::AlignLeft,
         {{QStringLiteral("Mannschaft"), QStringLiteral("Times New Roman"), 12, false, false,
           QStringLiteral("#000080")}}},
    };
    EXPECT_EQ(Gelesen(rtf), erwartet);
}

TEST(Rtf, WrittenAndReadBackKeepsTextAndFormats)
{
    QTextDocument d;
    d.setDefaultFont(QFont(Arial, 10));
    QTextCursor c(&d);
    QTextCharFormat normal;
    normal.setFontFamilies({Arial});
    normal.setFontPointSize(10);
    QTextCharFormat fett = normal;
    fett.setFontWeight(QFont::Bold);
    fett.setFontPointSize(16);
    QTextCharFormat bunt = normal;
    bunt.setFontItalic(true);
    bunt.setForeground(QColor(0, 128, 0));
    QTextCharFormat andere = normal;
    andere.setFontFamilies({QStringLiteral("Courier New")});
    andere.setFontPointSize(9.5);
    andere.setForeground(QColor(200, 10, 30));

    c.insertText(QStringLiteral("Überschrift"), fett);
    c.insertText(QStringLiteral(" {mit} \\ Klammern"), normal);
    QTextBlockFormat eingerueckt;
    eingerueckt.setTextIndent(40);
    eingerueckt.setLeftMargin(20);
    c.insertBlock(eingerueckt, normal);
    c.insertText(QStringLiteral("Grüße, "), normal);
    c.insertText(QStringLiteral("grün"), bunt);
    c.insertText(QStringLiteral("\tΩ 你好 "), andere);
    c.insertText(QStringLiteral("rot"), andere);
    c.insertBlock(QTextBlockFormat(), normal);  // an empty paragraph
    QTextBlockFormat mitte;
    mitte.setAlignment(Qt::AlignHCenter);
    mitte.setTextIndent(-20);
    mitte.setLeftMargin(40);
    c.insertBlock(mitte, normal);
    c.insertText(QStringLiteral("Zeile 1\u2028Zeile 2 ÄÖÜß€"), normal);

    const QByteArray rtf = RtfSchreiben(d);
    for (const char b : rtf) ASSERT_LT(static_cast<unsigned char>(b), 128) << rtf.constData();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"));
    for (const char* stelle : {"\\'dcberschrift", "\\{mit\\} \\\\ Klammern", "\\u937?", "\\fi600\\li300",
                               "\\fi-300\\li600\\qc", "\\'80", "\\line "})
        EXPECT_TRUE(rtf.contains(stelle)) << stelle;

    EXPECT_EQ(Gelesen(rtf), Inhalt(d));
    ASSERT_EQ(Inhalt(d).size(), 4u);
}

// A font whose name holds characters the table cannot take as they are
// (control characters, a ";" that would end it) is written so that reading
// gives the same name back: save, load and save give the same bytes. A name
// of nothing but blanks and ";" is no font of its own.
TEST(Rtf, FontNamesWithControlCharactersSurviveSaveLoadSave)
{
    const QByteArray kopf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}";
    const QByteArray text = "}\r\n\\viewkind4\\uc1\\pard \\f1\\fs20 x\\par\r\n}\r\n";
    for (const auto& [name, tabelle] :
         {std::pair{QStringLiteral("\x01"), QByteArray("{\\f1\\fnil\\fcharset0 \\'01;}")},
          {QString(QChar(0x1f)) + QChar(0x1f), "{\\f1\\fnil\\fcharset0 \\'1f\\'1f;}"},
          {QStringLiteral("A\tB\u2028C"), "{\\f1\\fnil\\fcharset0 A\\'09B\\u8232?C;}"},
          {QStringLiteral("\x02;\x03"), "{\\f1\\fnil\\fcharset0 \\'02\\'03;}"}}) {
        const QByteArray bild = kopf + tabelle + text;
        QTextDocument d;
        d.setDefaultFont(QFont(Arial, 10));
        QTextCharFormat f;
        f.setFontFamilies({name});
        f.setFontPointSize(10);
        QTextCursor(&d).insertText(QStringLiteral("x"), f);
        EXPECT_EQ(RtfSchreiben(d).toStdString(), bild.toStdString());

        QTextDocument gelesen;
        gelesen.setDefaultFont(QFont(Arial, 10));
        RtfLesen(bild, gelesen);
        EXPECT_EQ(RtfSchreiben(gelesen).toStdString(), bild.toStdString());
        RtfLesen(RtfSchreiben(gelesen), gelesen);
        EXPECT_EQ(RtfSchreiben(gelesen).toStdString(), bild.toStdString());
    }

    const QByteArray ohne = kopf + "}\r\n\\viewkind4\\uc1\\pard \\f0\\fs20 x\\par\r\n}\r\n";
    QTextDocument d;
    d.setDefaultFont(QFont(Arial, 10));
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral(" ; ")});
    f.setFontPointSize(10);
    QTextCursor(&d).insertText(QStringLiteral("x"), f);
    EXPECT_EQ(RtfSchreiben(d).toStdString(), ohne.toStdString());
}

TEST(Rtf, SkipsDestinationsAndKeepsNumbersInRange)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss{\\*\\panose 020b0604020202020204}Arial;}}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titel}{\\author Wer}}{\\*\\unbekannt Nichts}"
        "\\pard\\f7\\fs0\\cf9\\kerning1 a\\'zzb\\uc2\\u8364EU c{\\uc0\\u252}d\\fi99999999999 e\\par}";
    const std::vector<Absatz> erwartet = {
        {31680.0 / 15, 0, Qt::AlignLeft, {{QStringLiteral("ab€ cüde"), Arial, 1, false, false, {}}}}};
    EXPECT_EQ(Gelesen(rtf), erwartet);
}

// The text of a tips file, as the rich-edit control saves one.
TEST(Rtf, PlainTextOfATipsFile)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}\r\n"
                           "{\\*\\generator Riched20;}\\pard\\f0\\fs20 Tipp 1:\\tab Doppelclick\\par\r\n"
                           "Gr\\'fc\\'dfe \\{a\\}\\\\ \\u8364?uro\\line Ende\\par}";
    QTextDocument d;
    RtfLesen(rtf, d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("Tipp 1:\tDoppelclick\nGrüße {a}\\ €uro\nEnde"));
    // Each code-page line break is a paragraph break of its own, "\r" before "\n" too.
    RtfLesen("{\\rtf1 a\\'0d\\'0ab\\'0dc\\par}", d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("a\n\nb\nc"));
    // A file cut off before its closing brace keeps its last words.
    RtfLesen("{\\rtf1 a\\par b", d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("a\nb"));
}

TEST(Rtf, TextWithoutRtfHeaderIsPlainWindows1252)
{
    const std::vector<Absatz> erwartet = {
        {0, 0, Qt::AlignLeft, {{QStringLiteral("Zeile 1"), Arial, 10, false, false, {}}}},
        {0, 0, Qt::AlignLeft, {{QStringLiteral("Zeile 2 ä"), Arial, 10, false, false, {}}}},
    };
    EXPECT_EQ(Gelesen("Zeile 1\r\nZeile 2 \xe4"), erwartet);
    // An empty document is one empty paragraph, and stays one.
    EXPECT_EQ(Gelesen(RtfSchreiben(QTextDocument())).size(), 1u);
}

}  // namespace
