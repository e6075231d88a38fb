#include "match/ui/Korrektur.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/CanKarte.h"
#include "match/CanSenden.h"
#include "match/Wertung.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"
#include "support/Sendepuffer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using Rahmen = QList<int>;

// Match 1 on lanes 1..2, 4 Volle and 3 Abräumen throws; home player 1 on
// lane 1 (online) has thrown 7 and 5. The panel shows lane 1.
class Korrektur : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        BahnAnzahl = 4;
        CanAktiv = 1;
        Einst.Bahnsteuerung = 2;
        m.ErsteSpielbahn = 1, m.LetzteSpielbahn = 2;
        m.Volle = 4, m.Abraeumen = 3, m.Spieleranzahl = 6, m.Gestartet = 1;
        for (int n = 1; n <= MaxSpieler; ++n) m.Spieler[n].IstHeim = n <= 8;
        m.Spieler[1].Name = "Anna";
        m.Spieler[7].Name = "Ersatz Sieben";
        TBahnDaten& b = BahnDaten[1];
        TSpielerEintrag& s = m.Spieler[1];
        b.Wettk = &m, b.BahnSpieler = &s, b.SpielerNr = 1, b.BahnOnline = b.BahnGestartet = 1;
        b.WuerfeRestDruck.Zahl = 4;
        m.BahnImSpiel[1] = 1;
        s.DurchgangNr = 1, s.AktDurchgang = &s.Durchgang[1], s.Gestartet = 1;
        for (int pins : {7, 5}) {
            b.WurfBild = u16(WurfbildVorhanden | ((1u << pins) - 1)), b.WurfHolz = i8(pins), b.WurfOffen = 1;
            WurfAbschliessen(1);
        }
        CanSendenZuruecksetzen();
        fenster.geoeffnet << MdiFenster::Wettkampf;
        w = std::make_unique<TKorrektur>(nullptr, 1);
        w->show();
        bahnfenster.aufrufe.clear();
    }
    void TearDown() override
    {
        w.reset();
        Grundlage::TearDown();
    }
    QStringList schliessenFolge() const
    {
        return {"uebersicht 1", "uebersicht zeigen", "steuerung nach vorn"};
    }

    TWettkampfDaten& m = Wettkaempfe[1];
    std::unique_ptr<TKorrektur> w;
};

TEST_F(Korrektur, ShowsTheLaneAndFitsTheSmallestScreen)
{
    EXPECT_EQ(w->windowTitle(), "Korrektur Bahn 1");
    EXPECT_EQ(w->Bahn(), 1);
    EXPECT_EQ(TKorrektur::offen(), w.get());
    EXPECT_EQ(w->EVolle->text(), "75");
    EXPECT_EQ(w->EVolle->maxLength(), 3);
    EXPECT_TRUE(w->EAbr->isHidden());
    EXPECT_EQ(w->EName->text(), "Anna");
    EXPECT_EQ(w->LErsatz1->text(), "Ersatz Sieben");
    EXPECT_EQ(w->LStop->text(), "Bahn Stop");
    EXPECT_EQ(w->findChild<QLabel*>("LWurfNull")->text(), "Fehlwurf");
    EXPECT_EQ(w->SVerwarnung->toolTip(), "Verwarnung geben");
    EXPECT_TRUE(w->BtnZurueck->hasFocus() || !QApplication::focusWidget());
    EXPECT_LE(w->width(), 1024);
    EXPECT_LE(w->height(), 768);

    // A lane frame refreshes the panel; a field being edited keeps its text.
    BahnDaten[1].BahnGestoppt = 1;
    m.Spieler[1].Name = "Berta";
    w->EVolle->setText("95");
    w->EVolle->setModified(true);
    w->KorrekturUp();
    EXPECT_EQ(w->LStop->text(), "Bahn Start");
    EXPECT_EQ(w->EName->text(), "Berta");
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
    for (const QString& s : schliessenFolge()) EXPECT_TRUE(bahnfenster.aufrufe.contains(s)) << s.toStdString();
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
    EXPECT_EQ(BahnDaten[1].BahnGestoppt, 1);
    EXPECT_EQ(GesendeteRahmen(1), (QList<Rahmen>{{34, 'n'}}));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge());
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
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge());
}

}  // namespace
