// The position dialog of the free form fields, opened through the window hub
// as the team-data and officials dialogs open it, and its drag preview.
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/Zeitgeber.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/Berichtzustand.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/Formularvorschau.h"
#include "report/ui/Positionsdialog.h"
#include "support/Dateien.h"
#include "support/ImDialog.h"
#include "support/Programmordner.h"
#include "support/Tippen.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <tuple>

namespace {

class Positionsdialog : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        m_programm = Programmverzeichnis;
        m_bitmaps = BitmapVerzeichnis;
        Programmverzeichnis = ordner.path();
        BitmapVerzeichnis = ordner.filePath(QStringLiteral("Bitmaps"));
        positionenZustand.zuruecksetzen();
        berichtZustand.zuruecksetzen();
        ReportFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        PositionSektion = QStringLiteral("Mannschaftsdaten");
        PositionFeldName = QStringLiteral("Trainer");
        PositionFeldNr = 2;
    }
    void TearDown() override
    {
        Programmverzeichnis = m_programm;
        BitmapVerzeichnis = m_bitmaps;
        positionenZustand.zuruecksetzen();
        berichtZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    bool oeffnen(const std::function<void(TPositionsdialog&)>& handeln)
    {
        return ImDialog<TPositionsdialog>(hub, [] { return fenster().dialog(Dialog::Position); }, handeln);
    }
    // BtnFormular with `handeln` run in the preview; a preview still open is cancelled.
    static void vorschau(TPositionsdialog& d, const std::function<void(TFormular&)>& handeln)
    {
        bool gesehen = false;
        QTimer::singleShot(0, &d, [&] {
            auto* v = qobject_cast<TFormular*>(QApplication::activeModalWidget());
            if (!v) return;
            gesehen = true;
            handeln(*v);
            if (v->isVisible()) v->reject();
        });
        d.BtnFormular->click();
        EXPECT_TRUE(gesehen);
    }
    static void taste(QWidget* w, int taste, Qt::KeyboardModifiers modifier = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, taste, modifier);
        QApplication::sendEvent(w, &e);
    }
    static void maus(QWidget* w, QEvent::Type art, QPoint p)
    {
        const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(art, p, w->mapToGlobal(QPointF(p)), knopf,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static std::tuple<QString, QString, QString> edits(const TPositionsdialog& d)
    {
        return {d.ETop->text(), d.ELeft->text(), d.EWidth->text()};
    }
    QByteArray datei() const { return DateiInhalt(ordner.filePath(QStringLiteral("Position.inf"))); }

    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_programm, m_bitmaps;
};

TEST_F(Positionsdialog, OfficialsFieldTypedOnTheMatchsLayoutIsStoredAndSaved)
{
    PositionSektion = QStringLiteral("Spielleitung");
    PositionFeldName = QStringLiteral("Spielleitung Name");
    PositionFeldNr = 30;
    AktWettkampf->Formular = 3;
    FormularNamen = {"A5", "Bund", "Classic", "Verband 1"};
    FeldPositionen[30][5] = {1, 1, 2, 3};
    EXPECT_TRUE(oeffnen([](TPositionsdialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Position im Spielbericht"));
        EXPECT_EQ(d.EName->text(), QStringLiteral("Spielleitung Name"));
        EXPECT_FALSE(d.EName->isEnabled());
        EXPECT_EQ(std::tuple(d.CFormular->count(), d.CFormular->currentIndex(), d.CFormular->currentText(),
                             d.CFormular->itemText(4)),
                  std::tuple(20, 3, QStringLiteral("Verband 1"), QStringLiteral("Formular 4")));
        EXPECT_EQ(feldregister().codeVon(d.EWidth), std::optional<u16>(189));
        EXPECT_FALSE(feldregister().codeVon(d.EName));
        // Another layout shows its own position, or nothing.
        for (auto [formular, top] : {std::pair(5, "1"), std::pair(3, "")}) {
            d.CFormular->setCurrentIndex(formular);
            emit d.CFormular->activated(formular);
            EXPECT_EQ(d.ETop->text(), QLatin1String(top));
        }
        Tippen(d.ETop, QStringLiteral("1210"));
        Tippen(d.ELeft, QStringLiteral("3x00"));
        Tippen(d.EWidth, QStringLiteral("60000"));  // four digits at most
        // "Hintergrund...": the colour chooser with its preview part.
        QTimer::singleShot(0, qApp, [&d] {
            auto* f = d.findChild<TFarbe*>();
            ASSERT_TRUE(f);
            EXPECT_EQ(std::tuple(f->PSpiel->isVisible(), f->BtnStandard->isVisible(), f->height()),
                      std::tuple(true, false, 465));
            f->BtnUebernahme->click();
        });
        d.PopupColorGround->trigger();
        d.BtnOk->click();
    }));
    EXPECT_TRUE(InfListe.contains(QStringLiteral("ColorPosition = %1").arg(Farbe(u"ColorPosition"))));
    const TFeldPosition& p = FeldPositionen[30][3];
    EXPECT_EQ(std::tuple(p.Gesetzt, p.A, p.B, p.C), std::tuple(1, 1210, 300, 6000));
    EXPECT_EQ(datei(), QByteArray("[Spielleitung]\r\nSpielleitung_Name(30.3) = 1210,300,6000\r\n"));
}

// Width 5 shows 10 wide; Ctrl+Left at left 50 stops at 0, Shift+Down moves
// 10, Right 1. OK writes the numbers into the edits only.
TEST_F(Positionsdialog, PreviewArrowKeysWriteBackIntoTheEdits)
{
    EXPECT_FALSE(oeffnen([this](TPositionsdialog& d) {
        Tippen(d.ETop, QStringLiteral("50"));
        Tippen(d.ELeft, QStringLiteral("50"));
        Tippen(d.EWidth, QStringLiteral("5"));
        vorschau(d, [](TFormular& v) {
            EXPECT_EQ(v.windowTitle(), QStringLiteral("Formular"));
            EXPECT_EQ(v.ImageAnsicht->size(), QSize(2430, 1628));
            EXPECT_EQ(v.LText->text(), QStringLiteral("Trainer"));
            EXPECT_EQ(v.LText->font().pixelSize(), 40);  // 30 points of the layout's font
            EXPECT_EQ(v.textRechteck().topLeft(), QPoint(50, 50));
            EXPECT_EQ(v.textRechteck().width(), 10);
            EXPECT_EQ(v.SText->geometry(), v.LText->geometry());
            taste(v.BtnOk, Qt::Key_Left, Qt::ControlModifier);
            taste(v.BtnOk, Qt::Key_Down, Qt::ShiftModifier);
            taste(&v, Qt::Key_Right);
            v.BtnOk->click();
        });
        EXPECT_EQ(edits(d), std::tuple(QStringLiteral("60"), QStringLiteral("1"), QStringLiteral("10")));
        vorschau(d, [](TFormular& v) {
            taste(&v, Qt::Key_Up);
            v.BtnAbbrechen->click();
        });
        EXPECT_EQ(edits(d), std::tuple(QStringLiteral("60"), QStringLiteral("1"), QStringLiteral("10")));
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(FeldPositionen[2][0].Gesetzt, 0);
    EXPECT_EQ(datei(), QByteArray("<fehlt>"));
    // Without a position on the layout the edits show what they showed last.
    EXPECT_FALSE(oeffnen([](TPositionsdialog& d) {
        EXPECT_EQ(edits(d), std::tuple(QStringLiteral("60"), QStringLiteral("1"), QStringLiteral("10")));
    }));
}

TEST_F(Positionsdialog, PreviewDragMovesResizesAndScrolls)
{
    FeldPositionen[2][0] = {1, 100, 100, 200};
    EXPECT_TRUE(oeffnen([](TPositionsdialog& d) {
        vorschau(d, [](TFormular& v) {
            QScrollBar* waagrecht = v.PAnsicht->horizontalScrollBar();
            ASSERT_EQ(waagrecht->value(), 0);
            maus(v.SText, QEvent::MouseButtonPress, {20, 10});
            maus(v.SText, QEvent::MouseMove, {50, 40});
            EXPECT_EQ(v.textRechteck(), QRect(130, 130, 200, v.SText->height()));
            EXPECT_TRUE(v.TimerMouseOut->enabled());
            EXPECT_EQ(v.TimerMouseOut->interval(), 50);
            // Past the view's right edge: each tick scrolls 10 to the right.
            maus(v.SText, QEvent::MouseMove, {920, 10});
            EXPECT_EQ(v.textRechteck().topLeft(), QPoint(1030, 130));
            v.TimerMouseOutGo();
            v.TimerMouseOutGo();
            EXPECT_EQ(waagrecht->value(), 20);
            maus(v.SText, QEvent::MouseButtonRelease, {920, 10});
            EXPECT_FALSE(v.TimerMouseOut->enabled());
            // The grip at the right end sets the width, 10 at least.
            maus(v.SText, QEvent::MouseButtonPress, {198, 5});
            maus(v.SText, QEvent::MouseMove, {260, 5});
            EXPECT_EQ(v.textRechteck().width(), 260);
            maus(v.SText, QEvent::MouseMove, {-40, 5});
            EXPECT_EQ(v.textRechteck().width(), 10);
            maus(v.SText, QEvent::MouseButtonRelease, {-40, 5});
            v.BtnOk->click();
        });
        EXPECT_EQ(edits(d), std::tuple(QStringLiteral("130"), QStringLiteral("1030"), QStringLiteral("10")));
        d.BtnOk->click();
    }));
    const TFeldPosition& p = FeldPositionen[2][0];
    EXPECT_EQ(std::tuple(p.Gesetzt, p.A, p.B, p.C), std::tuple(1, 130, 1030, 10));
}

TEST_F(Positionsdialog, MissingPreviewPictureIsNamedAndNothingOpens)
{
    AktWettkampf->Formular = 12;
    EXPECT_FALSE(oeffnen([](TPositionsdialog& d) {
        d.BtnFormular->click();  // returns at once: no preview to wait for
        EXPECT_EQ(berichtZustand.FormularIndex, 12);
        d.BtnAbbrechen->click();
    }));
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt.at(0).contains(QStringLiteral("„Formular12.bmp“")));
}

}  // namespace
