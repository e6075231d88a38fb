// The report editor, opened through the window hub for the current match:
// filled from the record, every edit written back at once, the touch
// keyboard on its fields, and the buttons and pop-ups into the hub's dialogs.

#include "report/ui/Spielbericht.h"

#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Drucker.h"
#include "core/ui/Keyb.h"
#include "match/engine/Punkte.h"
#include "match/flow/Wettkampfslots.h"
#include "report/ui/Fensterregistrierung.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Tippen.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <tuple>

namespace {

using Aufruf = std::pair<Dialog, int>;

// A tap, then the second tap of a double tap.
void Doppeltippen(QWidget* w)
{
    const QPointF p = QRectF(w->rect()).center();
    for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                     QEvent::MouseButtonRelease}) {
        QMouseEvent e(art, p, w->mapToGlobal(p), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

void Kontextmenue(QWidget* fenster, QWidget* w)
{
    const QPoint p = w->mapToGlobal(QPoint(w->width() - 3, w->height() - 3));
    QContextMenuEvent e(QContextMenuEvent::Mouse, fenster->mapFromGlobal(p), p);
    QApplication::sendEvent(fenster, &e);
}

class SpielberichtFenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ReportFensterRegistrieren(hub);
        for (Dialog d : {Dialog::Spielerdaten, Dialog::Spielberichtformular, Dialog::Deckblatt, Dialog::Mannschaftsdaten})
            hub.registrierenMitSeite(d, [this, d](QWidget*, int seite) -> QDialog* {
                aufrufe << Aufruf(d, seite);
                return nullptr;
            });
        hub.menueAktualisieren = [this] { ++menues; };
        DruckdialogSetzen([](QPrinter&, QWidget*) { return false; });
        ASSERT_TRUE(WettkampfAnlegen());
        w().Heimmannschaft = "Adler 2";
        w().Spieleranzahl = 4;
        w().Spieler[1].Name.setzenText(QStringLiteral("Hans Groß"));
        w().Spieler[1].Gestartet = w().Spieler[1].Fertig = w().Spieler[2].Gestartet = 1;
        w().Spieler[1].Total.Text = "0412";
        w().Gast.Total.Zahl = 3000;
        w().Heim.Text[1] = "Bahn 3 neu";
        w().Heim.Text[3] = "dritte";
        w().Protest = 1;
        w().Geaendert = 0;
    }
    void TearDown() override
    {
        DruckdialogSetzen({});
        Grundlage::TearDown();
    }

    TSpielbericht* oeffnen()
    {
        ::fenster().oeffnen(MdiFenster::Spielbericht);
        return qobject_cast<TSpielbericht*>(hub.mdiFenster(MdiFenster::Spielbericht));
    }
    static TWettkampfDaten& w() { return *AktWettkampf; }
    static void beenden()
    {
        w().Beendet = w().Punktespiel = 1;
        w().Heim.TotalMaP = 1.5f;
        ::fenster().aktualisieren(MdiFenster::Spielbericht);
    }
    // The keyboard, opened by `tippen`, shows field `code` in the range;
    // `taste` is typed into it.
    static void tastatur(const std::function<void()>& tippen, std::tuple<int, int, int> codes, const QString& prompt,
                         char taste)
    {
        TKeyb* k = Keyb();
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            gesehen = k->isVisible();
            EXPECT_EQ(std::tuple(int(Feldcode), int(FeldcodeMin), int(FeldcodeMax)), codes);
            EXPECT_EQ(k->LText->text(), prompt);
            Klicken(k->BtnClear);
            Klicken(k->taste(u8(taste)));
            Klicken(k->BtnReturn);
        });
        tippen();
        EXPECT_TRUE(gesehen);
    }

    Fensterhub hub;
    QList<Aufruf> aufrufe;
    int menues = 0;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(SpielberichtFenster, ShowsTheMatchAndEachRefreshWithoutChangingIt)
{
    TSpielbericht* s = oeffnen();
    ASSERT_TRUE(s);
    EXPECT_TRUE(OffeneFenster & FensterSpielbericht);
    EXPECT_EQ(std::tuple(s->GHeim->title(), s->GGast->title()),
              std::tuple(QStringLiteral("Adler 2"), QStringLiteral("Gastmannschaft")));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("PHeimName1"))->text(), QStringLiteral("Hans Groß"));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("PHeimGesamt1"))->text(), QStringLiteral("0412"));
    // Four players: lines 5 and 6 hidden, the substitutes shown. Finished beats started.
    EXPECT_FALSE(s->Zeilen[13].Abr->isVisibleTo(s));
    EXPECT_TRUE(s->Zeilen[7].Name->isVisibleTo(s) && s->LHeimErsatz->isVisibleTo(s));
    EXPECT_EQ(s->Zeilen[1].Volle->palette().color(QPalette::Window), QColor(162, 162, 208));
    EXPECT_EQ(s->Zeilen[2].Name->palette().color(QPalette::Window), QColor(210, 210, 234));
    // Results only once the match has ended.
    EXPECT_FALSE(s->EHeimVolle->isEnabled());
    EXPECT_EQ(s->EGastTotal->text(), QStringLiteral("3000"));
    EXPECT_EQ(s->MHeim->toPlainText(), QStringLiteral("Bahn 3 neu\n\ndritte\n"));
    EXPECT_TRUE(s->CBProtest->isChecked());

    w().Spieler[10].Name = "Neu";
    w().Gast.Text[2] = "zweite";
    w().Streichspiel = 1;
    w().Spieleranzahl = 8;
    beenden();
    EXPECT_EQ(s->Zeilen[10].Name->text(), QStringLiteral("Neu"));
    EXPECT_EQ(s->MGast->toPlainText(), QStringLiteral("\nzweite\n\n"));
    EXPECT_TRUE(s->Zeilen[6].Name->isVisibleTo(s));
    EXPECT_FALSE(s->LGastErsatz->isVisibleTo(s));
    EXPECT_TRUE(s->EHeimVolle->isEnabled() && s->EGastPunkte->isEnabled());
    EXPECT_EQ(w().Geaendert, 0);
}

// Without points (no points game) the points edits show nothing, not the
// mask's point; the points of a points game show with it.
TEST_F(SpielberichtFenster, PointsEditsShowNothingWithoutPoints)
{
    TSpielbericht* s = oeffnen();
    ASSERT_TRUE(s);
    for (QLineEdit* e : {s->EHeimPunkte, s->EGastPunkte})
        EXPECT_EQ(std::tuple(e->text(), e->displayText()), std::tuple(QString(), QString())) << e->objectName().toStdString();
    beenden();
    EXPECT_EQ(s->EHeimPunkte->text(), QStringLiteral("1.5"));
    EXPECT_EQ(s->EGastPunkte->text(), QStringLiteral("0.0"));
    w().Punktespiel = 0;
    ::fenster().aktualisieren(MdiFenster::Spielbericht);
    EXPECT_EQ(s->EHeimPunkte->displayText(), QString());
    EXPECT_EQ(w().Geaendert, 0);
}

TEST_F(SpielberichtFenster, EditsWriteTheRecordAtOnce)
{
    TSpielbericht* s = oeffnen();
    ASSERT_TRUE(s);
    beenden();
    for (QLineEdit* e : {s->EHeimVolle, s->EHeimAbr, s->EGastPunkte}) e->clear();
    Tippen(s->EHeimVolle, QStringLiteral("2350"));
    Tippen(s->EHeimAbr, QStringLiteral("980"));
    EXPECT_EQ(s->EHeimTotal->text(), QStringLiteral("3330"));
    EXPECT_STREQ(w().Heim.Plus.Text.c_str(), "0330");
    EXPECT_EQ(w().Geaendert, 1);
    // Volle 0 and Abr 0: the total edit empty, the record "0000".
    for (QLineEdit* e : {s->EHeimVolle, s->EHeimAbr}) {
        e->clear();
        Tippen(e, QStringLiteral("0"));
    }
    EXPECT_EQ(s->EHeimTotal->text(), QString());
    EXPECT_STREQ(w().Heim.Total.Text.c_str(), "0000");
    EXPECT_STREQ(w().Gast.Plus.Text.c_str(), "3000");

    Tippen(s->EGastPunkte, QStringLiteral("25"));  // the mask puts the point
    EXPECT_FLOAT_EQ(w().Gast.TotalMaP, 2.5f);
    s->MGast->clear();
    Tippen(s->MGast, QString(90, QLatin1Char('x')));
    EXPECT_EQ(w().Gast.Text[1].text(), QString(80, QLatin1Char('x')));
    s->MGast->setPlainText(QString(200, QLatin1Char('y')));
    EXPECT_EQ(s->MGast->toPlainText().size(), 188);
    s->CBAnlagen->click();
    s->CBProtest->click();
    EXPECT_EQ(std::tuple(w().Anlagen, w().Protest), std::tuple(1, 0));
}

// The keyboard writes through the edit into the record. A memo opens on its
// first line; before the end the keyboard steps through its lines only.
TEST_F(SpielberichtFenster, TouchTapsOpenTheKeyboardOnTheFieldsCode)
{
    TSpielbericht* s = oeffnen();
    ASSERT_TRUE(s);
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    tastatur([&] { Klicken(s->MGast->viewport()); }, {77, 77, 80}, QStringLiteral("Gastmannschaft Textzeile 1:"),
             'A');
    EXPECT_STREQ(w().Gast.Text[1].c_str(), "a");

    beenden();
    tastatur([&] { Klicken(s->MHeim->viewport()); }, {69, 65, 80}, QStringLiteral("Heimmannschaft Textzeile 1:"),
             'B');
    EXPECT_STREQ(w().Heim.Text[1].c_str(), "b");
    EXPECT_STREQ(w().Heim.Text[3].c_str(), "dritte");

    Einst.TastDoppelclick = true;
    Einst.DoppelclickSpeed = 0;  // the second tap is never too late
    tastatur([&] { Doppeltippen(s->EGastVolle); }, {73, 65, 78}, QStringLiteral("Gastmannschaft Volle:"), '7');
    EXPECT_EQ(std::tuple(s->EGastTotal->text(), w().Gast.Volle.Zahl), std::tuple(QStringLiteral("7"), 7));

    // Without touch input a double tap is plain editing.
    TouchEingabe = 0;
    Feldcode = 0;
    Doppeltippen(s->EHeimAbr);
    EXPECT_EQ(Feldcode, 0);
}

TEST_F(SpielberichtFenster, ButtonsNamesAndPopupsOpenTheHubsDialogs)
{
    TSpielbericht* s = oeffnen();
    ASSERT_TRUE(s);
    OffeneFenster |= FensterBahnsteuerung;
    Klicken(s->Zeilen[11].Name);
    EXPECT_EQ(std::tuple(AktSpielerNr, AktSpieler), std::tuple(11, &w().Spieler[11]));
    Klicken(s->Zeilen[11].Gesamt);  // only the names open the dialog
    s->BtnFormular->click();
    s->BtnDeckblatt->click();
    EXPECT_EQ(bahnfenster.aufrufe, (QStringList{"steuerung verbergen", "steuerung verbergen"}));
    // The side follows the box the pop-up was opened on.
    s->resize(1000, 620);
    QApplication::processEvents();
    for (QGroupBox* box : {s->GGastErgebnisse, s->GHeim}) {
        Kontextmenue(s, box);
        EXPECT_TRUE(s->PopupSpiel->isVisible());
        s->PopupSpiel->hide();
        s->PopupMannschDaten->trigger();
    }
    EXPECT_EQ(aufrufe, (QList<Aufruf>{{Dialog::Spielerdaten, 0},
                                      {Dialog::Spielberichtformular, 0},
                                      {Dialog::Deckblatt, 0},
                                      {Dialog::Mannschaftsdaten, 2},
                                      {Dialog::Mannschaftsdaten, 1}}));
    Kontextmenue(s, s->PZusatz);
    EXPECT_TRUE(s->PopupColor->isVisible());
    s->PopupColor->hide();

    // Printing ranks the players of an ended match first.
    s->BtnDrucken->click();
    EXPECT_EQ(w().Spieler[1].Platz, 0);
    w().Beendet = 1;
    w().Spieler[1].Total.Zahl = 412;
    w().Spieler[2].Total.Zahl = 430;
    s->BtnDrucken->click();
    EXPECT_EQ(std::tuple(w().Spieler[1].Platz, w().Spieler[2].Platz), std::tuple(2, 1));
}

TEST_F(SpielberichtFenster, ActivationTakesTheKeyboardRangeAndCloseClearsTheState)
{
    PlatzierungGesperrt = 1;
    QPointer<TSpielbericht> s = oeffnen();
    ASSERT_TRUE(s);
    EXPECT_EQ(PlatzierungGesperrt, 0);  // cleared on showing
    OffeneFenster |= FensterBahnsteuerung;
    AktivesFenster = FensterWettkampf;
    w().Spieler[3].Name = "Sauer";
    const int vorher = menues;
    s->FormActivate();
    s->FormActivate();  // already active: nothing again
    EXPECT_EQ(std::tuple(AktivesFenster, FeldcodeMin, FeldcodeMax, menues), std::tuple(8, 65, 80, vorher + 1));
    EXPECT_EQ(bahnfenster.aufrufe, QStringList{"steuerung verbergen"});
    EXPECT_EQ(s->Zeilen[3].Name->text(), QStringLiteral("Sauer"));

    ::fenster().schliessen(MdiFenster::Spielbericht);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(s);
    EXPECT_EQ(std::tuple(OffeneFenster & FensterSpielbericht, AktivesFenster), std::tuple(0, 0));
}

}  // namespace
