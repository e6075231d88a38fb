// The message boxes on a screen wider than the main window (1280 x 1024):
// no box grows wider than the main window's 1,024 pixels; a long text wraps
// and shows whole, also a word too long for a line.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/WidgetBoxen.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The real long texts of the program, a long sentence, and one word (a path)
// without blanks.
const QString Spalte = QStringLiteral(
    "Keiner Spalte ist eine Bedeutung für die Spielerdatenbank zugeordnet. Klicken Sie auf den Kopf einer Spalte "
    "und wählen Sie unter „Spalte:“, was sie enthält (zum Beispiel Name). Es wurde nichts importiert.");
const QString Formular = QStringLiteral("Formular 11 ist nicht belegt: es enthält keinen Spielbericht !");
const QString Wort = QStringLiteral("/home/kegeln/Spiele/") +
                     QStringLiteral("Kreismeisterschaft_Adler_gegen_Falke_").repeated(6) + QStringLiteral("Spiel.dat");
const QString Satz = QStringLiteral("Die Datei ") + Wort + QStringLiteral(" konnte nicht gespeichert werden. ") +
                     QStringLiteral("Bitte prüfen Sie den Speicherplatz und die Rechte des Ordners. ").repeated(3);

class Boxbreite : public testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().width(), 1280);
    }
    void TearDown() override { GlobalsZuruecksetzen(); }

    // The label's text as drawn fits its width and height: nothing is cut off.
    static void ganzGezeigt(const QLabel* label, const QString& text)
    {
        EXPECT_EQ(label->text().remove(QChar(0x200B)), text);
        const QRect r = QFontMetrics(label->font()).boundingRect(QRect(0, 0, label->width(), 100000),
                                                                 Qt::TextWordWrap, label->text());
        EXPECT_LE(r.width(), label->width());
        EXPECT_LE(r.height(), label->height());
    }

    WidgetBoxen m_boxen;
};

// Each of the four kinds with a short, a long and a very long text and one with
// a long word: short texts keep their width, no box is wider than 1,024
// pixels, the text lies inside the box and shows whole.
TEST_F(Boxbreite, NoBoxIsWiderThanTheMainWindow)
{
    struct Art {
        char art;
        int fest;  // the width of a short text
        THinweisFenster* fenster;
        std::function<void(const QString&)> zeigen;
    };
    const Art arten[] = {
        {'h', 480, m_boxen.hinweisFenster(), [this](const QString& t) { m_boxen.hinweis(t); }},
        {'j', 480, m_boxen.hinweisJaFenster(), [this](const QString& t) { m_boxen.hinweisJa(t); }},
        {'o', 480, m_boxen.hinweisOkFenster(), [this](const QString& t) { m_boxen.hinweisOk(t); }},
        {'m', 524, m_boxen.hinweisMultiFenster(), [this](const QString& t) { m_boxen.hinweisMulti(t); }},
    };
    for (const Art& a : arten) {
        for (const QString& text : {QStringLiteral("Spiel beenden?"), Formular, Spalte, Satz, Wort}) {
            SCOPED_TRACE(std::string(1, a.art) + " " + text.left(30).toStdString());
            THinweisFenster* f = a.fenster;
            int breite = -1;
            QRect label;
            QTimer::singleShot(0, qApp, [&] {
                breite = f->width();
                label = QRect(f->LHinweis->mapTo(f, QPoint(0, 0)), f->LHinweis->size());
                ganzGezeigt(f->LHinweis, text);
                f->reject();
            });
            a.zeigen(text);
            ASSERT_GT(breite, 0);
            if (text.size() < 20)
                EXPECT_EQ(breite, a.fest);
            else
                EXPECT_LE(breite, 1024);
            EXPECT_GE(label.left(), 0);
            EXPECT_LE(label.right(), breite - 1);
        }
    }
}

// The question with choices keeps its width; a word too long for its line
// wraps inside it.
TEST_F(Boxbreite, TheChoiceShowsALongWordWhole)
{
    THinweisAlt* f = m_boxen.hinweisAltFenster();
    for (const QString& text : {Spalte, Wort}) {
        int breite = -1;
        QTimer::singleShot(0, qApp, [&] {
            breite = f->width();
            ganzGezeigt(f->LHinweis, text);
            f->reject();
        });
        m_boxen.hinweisAlt(text, {QStringLiteral("Heim"), QStringLiteral("Gast")}, 0);
        EXPECT_GT(breite, 0);
        EXPECT_LE(breite, 1024);
    }
}

// A word wider than the line gets a break opportunity between each two of
// its characters, never between the halves of a surrogate pair (an emoji)
// nor after its last character; a word just as wide as the line and the
// blanks around the words stay as they are.
TEST(Umbrechbar, BreaksBetweenCharactersNeverInsideAPair)
{
    const QFont schrift(QStringLiteral("Arial"), 12);
    const int kegel = QFontMetrics(schrift).horizontalAdvance(QStringLiteral("Kegel"));
    const QString z(QChar(0x200B));
    const QString lachen = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, two UTF-16 units
    ASSERT_EQ(lachen.size(), 2);
    const struct {
        QString text;
        int breite;
        QString ergebnis;
    } faelle[] = {
        {QStringLiteral("Kegel"), kegel, QStringLiteral("Kegel")},
        {QStringLiteral("Kegel"), kegel - 1, QStringLiteral("K") + z + "e" + z + "g" + z + "e" + z + "l"},
        {QStringLiteral("Zu ") + lachen + lachen + "x", 1,
         QStringLiteral("Z") + z + "u " + lachen + z + lachen + z + "x"},
        {QStringLiteral(" ab  c "), 1, QStringLiteral(" a") + z + "b  c "},
        {lachen, 1, lachen},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Umbrechbar(f.text, schrift, f.breite), f.ergebnis) << f.text.toStdString() << " in " << f.breite;
}

// A word of emoji too long for a line wraps between whole emoji and shows
// whole; fitting the same box again gives the same text and size (the break
// marks of the first fit do not pile up).
TEST_F(Boxbreite, FittingTwiceGivesTheSameBox)
{
    const QString lachen = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString emoji = QStringLiteral("Karte: ") + lachen.repeated(150);
    for (const QString& text : {Wort, emoji}) {
        SCOPED_TRACE(text.left(12).toStdString());
        THinweisFenster* f = m_boxen.hinweisFenster();
        f->LHinweis->setText(text);
        f->BreiteAnpassen();
        const QString einmal = f->LHinweis->text();
        const QSize fenster = f->size(), label = f->LHinweis->size();
        ASSERT_NE(einmal, text);  // broken
        ganzGezeigt(f->LHinweis, text);
        for (qsizetype i = 1; i < einmal.size(); ++i) {
            if (einmal[i] == QChar(0x200B)) {
                EXPECT_FALSE(einmal[i - 1].isHighSurrogate()) << i;
            }
        }
        f->BreiteAnpassen();
        EXPECT_EQ(f->LHinweis->text(), einmal);
        EXPECT_EQ(f->size(), fenster);
        EXPECT_EQ(f->LHinweis->size(), label);
    }
}

// A word just as wide as the choice's line is not broken, one a pixel wider
// is: the breaks follow the label's own width.
TEST_F(Boxbreite, TheChoiceBreaksOnlyAWordWiderThanItsLine)
{
    THinweisAlt* f = m_boxen.hinweisAltFenster();
    const QFontMetrics fm(f->LHinweis->font());
    const int zeile = f->LHinweis->width();
    // Words of exactly these widths, made of characters of different widths.
    const auto genau = [&fm](int breite) {
        for (int m = breite / fm.horizontalAdvance(u'm'); m >= 0; --m)
            for (const QChar fuell : {u'i', u'l', u'.', u'j', u't', u'f', u'r'}) {
                QString w = QString(m, u'm');
                while (fm.horizontalAdvance(w) < breite) w += fuell;
                if (fm.horizontalAdvance(w) == breite) return w;
            }
        return QString();
    };
    const QString passt = genau(zeile), zuBreit = genau(zeile + 1);
    ASSERT_FALSE(passt.isEmpty() || zuBreit.isEmpty()) << zeile;
    for (const auto& [wort, gebrochen] : {std::pair{passt, false}, std::pair{zuBreit, true}}) {
        const QString text = QStringLiteral("Spalte ") + wort;
        QString gezeigt;
        QTimer::singleShot(0, qApp, [&] {
            gezeigt = f->LHinweis->text();
            f->reject();
        });
        m_boxen.hinweisAlt(text, {QStringLiteral("Heim"), QStringLiteral("Gast")}, 0);
        EXPECT_EQ(gezeigt.contains(QChar(0x200B)), gebrochen) << wort.size();
        EXPECT_EQ(gezeigt.remove(QChar(0x200B)), text);
    }
}

}  // namespace
