// The message boxes on a screen wider than the main window (1280 x 1024):
// no box grows wider than the main window's 1,024 pixels; a long text wraps
// and shows whole, also a word too long for a line.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/WidgetBoxen.h"

#include <QApplication>
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

}  // namespace
