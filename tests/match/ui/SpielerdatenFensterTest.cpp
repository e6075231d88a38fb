#include "match/ui/Spielerdaten.h"

#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "core/ui/Tastaturfelder.h"
#include "match/engine/Punkte.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Touchtippen.h"
#include "support/QtDrucken.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <ostream>

namespace {

void druecken(QWidget* w)
{
    const QPointF p(3, 3);
    QMouseEvent e(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Guest player 10, finished, on lanes 2 and 4: 140 + 50 and 150 + 60.
class SpielerdatenFenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        AktWettkampfNr = 1, AktWettkampf = &w;
        AktSpielerNr = 10, AktSpieler = &p;
        w.ErsteSpielbahn = 1, w.LetzteSpielbahn = 4;
        p.Name.setzenText(QStringLiteral("Jörg Weiß"));
        p.Wertung = 1, p.Gestartet = 1, p.Fertig = 1, p.DurchgangNr = 2;
        setze(p.Durchgang[1], 2, 140, 50);
        setze(p.Durchgang[2], 4, 150, 60);
        p.Volle.Zahl = 290, p.Abr.Zahl = 110, p.Total.Zahl = 400;
        ZahlRechtsbuendig(p.Volle.Text, 290, 3), ZahlRechtsbuendig(p.Abr.Text, 110, 3);
        ZahlMitNullen(p.Total.Text, 400, 4);
        w.Gast.Total.Zahl = 400, w.Gast.Volle.Zahl = 290;
    }

    static void setze(TDurchgangBlock& b, int bahn, int volle, int abr)
    {
        b.Bahn = u8(bahn), b.Volle.Zahl = u16(volle), b.Abr.Zahl = u16(abr), b.Total.Zahl = u16(volle + abr);
        ZahlLinksbuendig(b.Volle.Text, unsigned(volle), 3), ZahlLinksbuendig(b.Abr.Text, unsigned(abr), 3);
        ZahlLinksbuendig(b.Total.Text, unsigned(volle + abr), 3);
    }

    TWettkampfDaten& w = Wettkaempfe[1];
    TSpielerEintrag& p = w.Spieler[10];
};

TEST_F(SpielerdatenFenster, OpensOnTheCurrentPlayer)
{
    TSpielerdaten d(nullptr);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Spieler Jörg Weiß"));
    EXPECT_EQ(d.ETotal->text(), QStringLiteral("400"));
    EXPECT_FALSE(d.BtnAusbessernPC->isVisible());
    d.TabControlSpielerdaten->setCurrentIndex(2);
    EXPECT_TRUE(d.PBahn[2]->isVisible());
    EXPECT_FALSE(d.PBahn[3]->isVisible());
    EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EVolle2"))->text(), QStringLiteral("150"));
    EXPECT_EQ(PlatzierungGesperrt, 0);  // filling is no edit
    EXPECT_EQ(w.Geaendert, 0);
    // The personal data go to the keyboard under 90..94.
    const Tastaturfeld* geb = feldregister().finden(92);
    ASSERT_TRUE(geb);
    EXPECT_EQ(geb->ziel.data(), d.EGeb);
    EXPECT_EQ(geb->modus, ModusDatum);
    EXPECT_LE(d.width(), 1024);
    EXPECT_LE(d.height(), 740);
}

// Pressing a lane field and typing: the sums follow, the take-over buttons
// appear, "nur PC" writes the block and the side and closes with OK.
TEST_F(SpielerdatenFenster, LaneEditAndTakeOver)
{
    TSpielerdaten d(nullptr);
    d.show();
    d.TabControlSpielerdaten->setCurrentIndex(2);
    QLineEdit* volle1 = d.findChild<QLineEdit*>(QStringLiteral("EVolle1"));
    ASSERT_TRUE(volle1);
    druecken(volle1);
    FeldSchreiben(volle1, QStringLiteral("145"));
    EXPECT_EQ(d.ETotal->text(), QStringLiteral("405"));
    EXPECT_TRUE(d.BtnAusbessernPC->isVisible());

    d.BtnAusbessernPC->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(p.Durchgang[1].Volle.Zahl, 145);
    EXPECT_EQ(w.Gast.Total.Zahl, 405);
}

TEST_F(SpielerdatenFenster, OkWritesBackAndCancelDoesNot)
{
    const QString neu = QStringLiteral("Jörg Weiß-Neu");
    for (const bool ok : {false, true}) {
        TSpielerdaten d(nullptr);
        d.show();
        d.EName->setText(neu);
        (ok ? d.BtnOk : d.BtnAbbrechen)->click();
        EXPECT_EQ(p.Name.text(), ok ? neu : QStringLiteral("Jörg Weiß"));
    }
    EXPECT_TRUE(fenster.aufrufe.contains(QStringLiteral("spieler 0 10")));
    EXPECT_TRUE(bahnfenster.aufrufe.contains(QStringLiteral("steuerung nach vorn")));
}

// With touch input a tap on a results field opens the keyboard on the
// field's code; what is typed there lands in that field.
TEST_F(SpielerdatenFenster, TouchKeyboardReachesTheResults)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    TSpielerdaten d(nullptr);
    d.show();
    d.TabControlSpielerdaten->setCurrentIndex(1);
    const std::tuple<QLineEdit*, u16, const char*, u8> felder[] = {
        {d.EVolle, 95, "Volle:", '1'}, {d.EAbr, 96, "Abräumen:", '2'}, {d.EFehler, 97, "Fehler:", '3'},
        {d.EWurf, 98, "Wurf:", '4'},   {d.EBonus, 99, "Bonus:", '5'},  {d.ETotal, 100, "Total:", '6'},
        {d.EPlatz, 101, "Platz:", '7'}};
    for (const auto& [feld, code, prompt, ziffer] : felder) {
        EXPECT_EQ(ZifferAntippen(feld, char(ziffer)), std::pair(code, QString::fromUtf8(prompt)));
        EXPECT_EQ(feld->text(), QString(QLatin1Char(char(ziffer)))) << prompt;
    }
    EXPECT_EQ(FeldcodeMin, 90);
    EXPECT_EQ(FeldcodeMax, 101);
    EXPECT_EQ(PlatzierungGesperrt, 1);  // the placing was typed
    tastaturZustand.zuruecksetzen();
}

TEST_F(SpielerdatenFenster, ThrowListAndPlayerCardAskTheHub)
{
    KartenleserAktiv = 1;
    TSpielerdaten d(nullptr);
    d.show();
    EXPECT_TRUE(d.BtnSpielerkarte->isEnabled());
    d.BtnWurfliste->click();
    d.BtnSpielerkarte->click();
    const QList<std::pair<Dialog, int>> erwartet{{Dialog::Wurfliste, 0}, {Dialog::Spielerkarte, 0}};
    EXPECT_EQ(fenster.dialoge, erwartet);
    EXPECT_TRUE(d.isVisible());
}

}  // namespace
