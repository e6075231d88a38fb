#include "match/ui/Korrektur.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "core/ui/WidgetBoxen.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Bahnzyklus.h"
#include "match/ui/Bahnfensterdienste.h"
#include "match/ui/Steuerung.h"
#include "support/Klicken.h"
#include "support/Korrekturlage.h"
#include "support/QtDrucken.h"
#include "support/Sendepuffer.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Rahmen = QList<int>;

void taste(QWidget* w, Qt::Key k, const QString& text = {}, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, k, mod, text);
    QApplication::sendEvent(w, &e);
}

// Player 1 on lane 1 has thrown 7 and 5; the panel shows lane 1.
class Korrektur : public Korrekturlage {
protected:
    void SetUp() override
    {
        Korrekturlage::SetUp();
        holz(1, 7), holz(1, 5);
        CanSendenZuruecksetzen();
        fenster.geoeffnet << MdiFenster::Wettkampf;
        w = std::make_unique<TKorrektur>(nullptr, 1);
        w->show();
        bahnfenster.aufrufe.clear();
    }
    void TearDown() override
    {
        w.reset();
        Korrekturlage::TearDown();
    }
    const QStringList schliessenFolge{"uebersicht 1", "uebersicht zeigen", "steuerung nach vorn"};
    std::unique_ptr<TKorrektur> w;
};

TEST_F(Korrektur, ShowsTheLaneAndFitsTheSmallestScreen)
{
    EXPECT_EQ(w->windowTitle(), "Korrektur Bahn 1");
    EXPECT_EQ(TKorrektur::offen(), w.get());
    EXPECT_EQ(w->EVolle->text(), "75");
    EXPECT_EQ(w->EVolle->maxLength(), 3);
    EXPECT_LE(w->width(), 1024);
    EXPECT_LE(w->height(), 768);

    // A lane frame refreshes the panel; a field being edited keeps its text.
    BahnDaten[1].BahnGestoppt = 1;
    w->EVolle->setText("95");
    w->EVolle->setModified(true);
    w->KorrekturUp();
    EXPECT_EQ(w->LStop->text(), "Bahn Start");
    EXPECT_EQ(w->EVolle->text(), "95");
}

TEST_F(Korrektur, CorrectionBooksSendsAndCloses)
{
    w->EVolle->setText("95");
    w->BtnAusbessernPCBahn->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(TKorrektur::offen(), nullptr);
    EXPECT_EQ(BahnDaten[1].BahnGesamt, 14);
    EXPECT_EQ(GesendeteRahmen(1).front(), (Rahmen{35, 169, 1, 7, 9}));
    EXPECT_TRUE(fenster.aufrufe.contains("aktualisieren 0"));
    for (const QString& s : schliessenFolge) EXPECT_TRUE(bahnfenster.aufrufe.contains(s)) << s.toStdString();
}

TEST_F(Korrektur, CommandShapesAndLetterKeys)
{
    // A letter in a throw field is refused; a digit overwrites the throw
    // under the cursor, and past the last one it adds a throw.
    w->EVolle->setFocus();
    w->EVolle->setCursorPosition(1);
    for (auto [k, t] : {std::pair{Qt::Key_A, "a"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"}}) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, QString::fromLatin1(t));
        QApplication::sendEvent(w->EVolle, &e);
    }
    EXPECT_EQ(w->EVolle->text(), "734");

    w->SStop->click();
    EXPECT_EQ(GesendeteRahmen(1), (QList<Rahmen>{{34, 'n'}}));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge);
}

TEST_F(Korrektur, SubstitutionAnsweredNoOrClosedDoesNothing)
{
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisAbbrechen};
    w->SErsatz1->click();
    w->SErsatz1->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(BahnDaten[1].SpielerNr, 1);
    skriptBoxen().antworten = {ErgebnisJa};
    w->SErsatz1->click();
    EXPECT_EQ(BahnDaten[1].SpielerNr, 7);
    EXPECT_FALSE(w->isVisible());

    // Closing by "Zurück" refreshes as well.
    w->show();
    bahnfenster.aufrufe.clear();
    w->BtnZurueck->click();
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge);
}

// Player 1's part is shown; the lane moves on to player 2's practice while
// the operator types. The panel stays on player 1, and nothing typed goes
// to player 2.
TEST_F(Korrektur, AnEditStaysOnThePartShownWhenTheLaneMovesOn)
{
    w->EVolle->setCursorPosition(0);
    taste(w->EVolle, Qt::Key_9, "9");
    BahnanzeigeLoeschen(1);
    aufBahn(1, 2);
    BahnDaten[1].ProbeLaeuft = 1;
    w->KorrekturUp();
    EXPECT_EQ(w->EVolle->text(), "95");
    EXPECT_EQ(w->EName->text(), "Spieler 1");
    EXPECT_FALSE(w->GBKorrektur->isHidden());

    // The name typed is still player 1's.
    w->EName->end(false);
    taste(w->EName, Qt::Key_X, "X");
    EXPECT_EQ(m.Spieler[1].Name.text(), "Spieler 1X");
    EXPECT_EQ(m.Spieler[2].Name.text(), "Spieler 2");

    w->BtnAusbessernPCBahn->click();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{"Bahn 1 hat den Durchgang gewechselt !"});
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(GesendeteRahmen(1).isEmpty());
    EXPECT_EQ(m.Spieler[1].Total.Zahl, 12);
    EXPECT_EQ(m.Spieler[2].Wurf.Zahl, 0);
    EXPECT_EQ(BahnDaten[1].BahnGesamt, 0);

    // Opened again, the panel follows the lane until an edit begins; "Bahn
    // Stop" then does not stop the part that came after it.
    w->show();
    EXPECT_EQ(w->EName->text(), "Spieler 2");
    taste(w->EVolle, Qt::Key_4, "4");
    aufBahn(1, 3);
    w->KorrekturUp();
    w->SStop->click();
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
    EXPECT_EQ(BahnDaten[1].BahnGestoppt, 0);
    EXPECT_TRUE(GesendeteRahmen(1).isEmpty());
}

// Throws 7 5 3: deleting leaves a blank, which changes no throw, and a digit
// overwrites; no key moves the later throws.
TEST_F(Korrektur, DeletingNeverMovesTheLaterThrows)
{
    struct Taste {
        Qt::Key k;
        const char* text;
        Qt::KeyboardModifiers mod = Qt::NoModifier;
    };
    struct Fall {
        int caret, auswahl;
        QList<Taste> tasten;
        const char* text;
        int gesamt;
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("1"));
    const Fall faelle[] = {
        {1, 0, {{Qt::Key_Backspace, ""}, {Qt::Key_9, "9"}}, "953", 17},
        {1, 0, {{Qt::Key_Delete, ""}, {Qt::Key_4, "4"}}, "743", 14},
        {0, 2, {{Qt::Key_Backspace, ""}}, "  3", 15},
        {1, 2, {{Qt::Key_8, "8"}}, "78 ", 18},
        {1, 0, {{Qt::Key_V, "", Qt::ControlModifier}, {Qt::Key_Backspace, "", Qt::ControlModifier}}, "753", 15},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        SetUp();
        holz(1, 3);
        w->KorrekturUp();
        ASSERT_EQ(w->EVolle->text(), "753");
        w->EVolle->setSelection(f.caret, f.auswahl);
        if (!f.auswahl) w->EVolle->setCursorPosition(f.caret);
        for (const Taste& t : f.tasten) taste(w->EVolle, t.k, QString::fromLatin1(t.text), t.mod);
        EXPECT_EQ(w->EVolle->text(), f.text);
        w->BtnAusbessernPC->click();
        EXPECT_EQ(BahnDaten[1].BahnGesamt, f.gesamt);
        EXPECT_EQ(BahnDaten[1].WurfNr, 3);
    }
}

// With touch input a tap on the Volle field opens the keyboard on its last
// throw, on that field alone; what it writes back is the operator's edit.
TEST_F(Korrektur, KeyboardEditsTheThrowsItShowedAndItsWriteBackStays)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    TKeyb* k = Keyb();
    bool offen = false;
    QTimer::singleShot(0, k, [&] {
        offen = k->isVisible();
        EXPECT_EQ(k->LText->text(), "Korrektur Volle:");
        EXPECT_EQ(k->EText->text(), "75");
        EXPECT_EQ(k->EText->cursorPosition(), 1);
        EXPECT_EQ(FeldcodeMin, 63);
        EXPECT_EQ(FeldcodeMax, 63);
        // The lane throws a 6 meanwhile; the panel keeps what it showed.
        holz(1, 6);
        w->KorrekturUp();
        EXPECT_EQ(w->EVolle->text(), "75");
        // 5 becomes 8 and a 3 is added after it.
        Klicken(k->taste('8'));
        Klicken(k->taste('3'));
        Klicken(k->BtnReturn);
    });
    Klicken(w->EVolle);
    ASSERT_TRUE(offen);
    EXPECT_EQ(w->EVolle->text(), "783");
    w->KorrekturUp();
    EXPECT_EQ(w->EVolle->text(), "783");

    // Throw 2 is corrected; throw 3 is the lane's 6, which the operator never saw.
    w->BtnAusbessernPC->click();
    EXPECT_EQ(BahnDaten[1].BahnGesamt, 21);
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{"Bahn 1: Wurf 3 hat sich inzwischen an der Bahn geändert und wurde nicht korrigiert !"});
    tastaturZustand.zuruecksetzen();
}

// Practice, a stopped lane and game, a match without substitutes: what the
// refresh hides leaves every control that stays in view where it was.
TEST_F(Korrektur, ControlsKeepTheirPlaces)
{
    // The controls in view with their places.
    const auto orte = [](QWidget* fenster) {
        fenster->layout()->activate();
        QStringList l;
        for (QWidget* c : fenster->findChildren<QWidget*>()) {
            const bool bedienelement =
                qobject_cast<TKorrekturFlaeche*>(c) || qobject_cast<QPushButton*>(c) || qobject_cast<QLineEdit*>(c);
            const QPoint p = c->mapTo(fenster, QPoint());
            if (bedienelement && c->isVisibleTo(fenster))
                l << c->objectName() + QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
        }
        return l;
    };
    const QStringList vorher = orte(w.get());
    const QSize groesse = w->size();
    BahnDaten[1].ProbeLaeuft = 1, BahnDaten[1].BahnGestoppt = 1;
    m.Gestoppt = 1, m.Streichspiel = 1;
    w->KorrekturUp();
    EXPECT_TRUE(w->GBKorrektur->isHidden() && w->GBErsatz->isHidden() && w->SZeitStart->isHidden());
    const QStringList nachher = orte(w.get());
    EXPECT_EQ(nachher.size(), 9);  // three of "Bahn", "Spiel", three player fields, two buttons
    for (const QString& ort : nachher) {
        EXPECT_TRUE(vorher.contains(ort)) << ort.toStdString();
    }
    EXPECT_EQ(w->size(), groesse);

    // Opened in that state, the panel has the same size and places.
    TKorrektur neu(nullptr, 1);
    neu.show();
    EXPECT_EQ(orte(&neu).join(QLatin1Char(';')), nachher.join(QLatin1Char(';')));
    EXPECT_EQ(neu.size(), groesse);
}

TEST_F(Korrektur, LaneControlWindowOpensUsableOverThePanel)
{
    Bahnfensterdienste dienste(nullptr, {});
    const BahnfensterDiensteEinsetzen echt(&dienste);
    TSteuerung* steuerung = dienste.steuerung();
    bool bedienbar = false;
    QTimer::singleShot(0, steuerung, [&] {
        bedienbar = steuerung->isVisible() && QApplication::activeModalWidget() == steuerung && steuerung->Bahn() == 1;
        steuerung->BtnZurueck->click();
    });
    w->BtnBahnsteuerung->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(bedienbar);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), w.get());
}

// The lane answers the time request with 8.0 minutes while the box is open
// (in 10-second steps). The box shows it; OK sends only a value the
// operator changed, also when no refresh brought the answer into the box.
TEST_F(Korrektur, ThrowTimeBoxShowsTheLanesAnswerAndSendsOnlyAChange)
{
    WidgetBoxen widgetBoxen;
    const BoxenEinsetzen echt(&widgetBoxen);
    TEingabefenster* box = widgetBoxen.eingabeFenster();
    Einst.WurfzeitBahn = true;
    Einst.SpielzeitIntervall = 10;
    struct Fall {
        const char* eingabe;  // typed by the operator; null: OK as shown
        bool auffrischen;
        const char* gezeigt;
        QList<Rahmen> rahmen;
        int zeit;
    };
    const Fall faelle[] = {
        {nullptr, true, "8.0", {{34, 'H', 0xFF, 0xFF}}, 80},
        {"9,5", true, "8.0", {{34, 'H', 0xFF, 0xFF}, {34, 'H', 0, 95}}, 95},
        {nullptr, false, "10.0", {{34, 'H', 0xFF, 0xFF}}, 80},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.eingabe ? f.eingabe : "OK");
        w->show();
        BahnDaten[1].BahnWurfzeit = 100;
        CanSendenZuruecksetzen();
        QString gezeigt;
        int modus = 0;
        QTimer::singleShot(0, box, [&] {
            TCanNachricht n;
            n.Laenge = 4;
            for (int i = 0; const int x : {34, int('H'), 0, 80}) n.Daten[i++] = u8(x);
            CanNachrichtVerarbeiten(1, n);
            if (f.auffrischen) w->KorrekturUp();  // the receive path refreshes the panel of lane 1
            gezeigt = box->EEingabe->text();
            modus = box->Modus;
            if (f.eingabe) box->EEingabe->setText(QString::fromLatin1(f.eingabe));
            box->BtnOk->click();
        });
        w->SWurfzeit->click();
        EXPECT_EQ(gezeigt, f.gezeigt);
        EXPECT_EQ(modus, 2);
        EXPECT_EQ(GesendeteRahmen(1), f.rahmen);
        EXPECT_EQ(BahnDaten[1].BahnWurfzeit, f.zeit);
    }
}

// Once the Volle are played the Abräumen field offers the first clearing throw.
TEST_F(Korrektur, FirstClearingThrowCanBeAdded)
{
    holz(1, 9), holz(1, 8);
    w->KorrekturUp();
    EXPECT_TRUE(w->EAbr->isVisible());
    EXPECT_EQ(w->EAbr->maxLength(), 1);
    EXPECT_EQ(w->EVolle->maxLength(), 4);
    taste(w->EAbr, Qt::Key_3, "3");
    w->BtnAusbessernPC->click();
    EXPECT_EQ(BahnDaten[1].WurfNr, 5);
    EXPECT_EQ(BahnDaten[1].BahnAbraeumen, 3);
}

}  // namespace
