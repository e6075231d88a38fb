#include "match/ui/Einzelergebnis.h"

#include "match/ui/Leinwanddruck.h"

#include "core/Globals.h"
#include "match/bus/CanFrames.h"
#include "match/engine/Wertung.h"
#include "match/ui/Bahnfensterdienste.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <memory>

namespace {

// Player 2 of match 1 played lanes 3 and 4 (blocks 1 and 2); Volle 2,
// Abräumen 2. Lane 3: 1 2 5, a miss, a count-only 3, 1 3 4.
class Einzelergebnis : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        AktWettkampfNr = 1, AktWettkampf = &w;
        w.Volle = 2, w.Abraeumen = 2;
        TSpielerEintrag& p = w.Spieler[2];
        p.Name.setzenText(QStringLiteral("Jörg Weiß"));
        TDurchgangBlock& b1 = p.Durchgang[1];
        b1.Bahn = 3;
        const u16 bilder[] = {0x4013, 0x4000, 0x6003, 0x400D};
        for (long t = 1; t <= 4; ++t) b1.Wurfbild[t] = bilder[t - 1];
        b1.Volle.Text = "3", b1.Volle.Zahl = 3, b1.Abr.Text = "6", b1.Abr.Zahl = 6;
        b1.Fehler.Text = "1", b1.Total.Text = "9";
        p.Durchgang[2].Bahn = 4;
        p.Durchgang[2].Wurfbild[1] = 0x41FF;
        AktSpieler = &p, AktSpielerNr = 2;
        f = std::make_unique<TEinzelergebnis>(nullptr);
    }
    void TearDown() override
    {
        f.reset();
        DruckdialogSetzen({});
        Grundlage::TearDown();
    }
    QColor farbe(int r, int c) const { return f->XGridEinzelergebnis->item(r, c)->foreground().color(); }

    TWettkampfDaten& w = Wettkaempfe[1];
    std::unique_ptr<TEinzelergebnis> f;
};

TEST_F(Einzelergebnis, ShowsThePlayersLaneBlocks)
{
    EXPECT_EQ(f->GBBahn[1]->title(), "Bahn 3");
    EXPECT_TRUE(!f->GBBahn[2]->isHidden() && f->GBBahn[3]->isHidden() && f->GBBahn[4]->isHidden());
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "9 Holz");
    EXPECT_EQ(f->XGridEinzelergebnis->rowCount(), 4);
    EXPECT_EQ(f->XGridEinzelergebnis->item(1, 2)->text(), "F");
    // The window fits the smallest screen.
    EXPECT_LE(f->width(), 1024);
    EXPECT_LE(f->minimumSizeHint().height(), 730);
}

TEST_F(Einzelergebnis, ModeAndAlleyButtonsChangeTheList)
{
    f->SBtnFehler->click();
    EXPECT_TRUE(f->SBtnFehler->isChecked() && !f->SBtnErgebnis->isChecked());
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "1 Fehler");
    EXPECT_EQ(farbe(1, 2), QColor(255, 0, 0));

    // The left alley switches to the result mode: 1 2 5 only.
    f->SBtnLinkeGasse->click();
    EXPECT_TRUE(f->SBtnErgebnis->isChecked() && f->SBtnKorrekt->isChecked());
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "1 Wurf");
    EXPECT_EQ(farbe(0, 1), QColor(0, 0, 255));

    // Pressed again it stays down; the mode button releases it.
    f->SBtnLinkeGasse->click();
    EXPECT_TRUE(f->SBtnLinkeGasse->isChecked());
    f->SBtnVolle->click();
    EXPECT_FALSE(f->SBtnLinkeGasse->isChecked());
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "3 Holz");
}

TEST_F(Einzelergebnis, AClickOnAThrowShowsItsPins)
{
    f->show();
    QTableWidget* g = f->XGridEinzelergebnis;
    const auto klicken = [g](int zeile) {
        const QPoint p = g->visualItemRect(g->item(zeile, 0)).center();
        for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(art, p, g->viewport()->mapToGlobal(p), Qt::LeftButton,
                          art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(g->viewport(), &e);
        }
    };
    const auto pixel = [this](int d, int x, int y) { return f->ImageBahn[d]->pixmap().toImage().pixelColor(x, y); };
    const QColor gelb(255, 255, 0), kasten(124, 147, 184);

    klicken(3);  // outside the Wurfbild mode nothing is drawn
    EXPECT_TRUE(f->ImageBahn[1]->isHidden());

    klicken(0);
    f->SBtnWurfbild->click();  // the selected throw at once: 1 2 5
    EXPECT_FALSE(f->ImageBahn[1]->isHidden());
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "3");
    EXPECT_EQ(pixel(1, 39, 55), gelb);    // pin 1
    EXPECT_EQ(pixel(1, 53, 43), kasten);  // pin 3

    klicken(2);  // count-only: no picture, the pins in the label
    EXPECT_EQ(f->ErgebnisBahn[1]->text(), "3");
    EXPECT_EQ(pixel(1, 39, 55), kasten);
}

TEST_F(Einzelergebnis, StatisticsButtonCountsThenPrintsAndRebuilds)
{
    int dialoge = 0;
    DruckdialogSetzen([&dialoge](QPrinter&, QWidget*) {
        ++dialoge;
        return false;
    });
    TSpielerEintrag& p = w.Spieler[2];
    p.Gestartet = p.Fertig = 1;
    p.Durchgang[1].KorrekteRechteGasse = 5;
    f->SBtnFehler->click();
    f->BtnStatistikDrucken->click();
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(p.Durchgang[1].KorrekteRechteGasse, 0);  // recounted: 1 2 5 is a left one
    EXPECT_TRUE(f->SBtnErgebnis->isChecked());
    f->BtnDrucken->click();
    EXPECT_EQ(dialoge, 2);
}

// Player 1 throws on lane 1 while his list is open: the list follows each
// booking, and the protocol printed then has rows, sums and total of one
// moment. Throws 5 | 9, a miss | 2: rows 5 9 0 2, running 5 14 14 16, Volle
// 14, Abräumen 2, one miss, total 16.
TEST_F(Einzelergebnis, ListFollowsTheMatchAndItsProtocolAddsUp)
{
    Bahnfensterdienste dienste(nullptr, {});
    const BahnfensterDiensteEinsetzen echt(&dienste);
    BahnAnzahl = 4;
    w.ErsteSpielbahn = 1, w.LetzteSpielbahn = 4;
    w.Gestartet = 1, w.Spielphase = PhaseSpiel, w.Spieleranzahl = 2, w.Durchgaenge = 1;
    w.Heimmannschaft = "Adler 2", w.Gastmannschaft = "KSV Eiche";
    TSpielerEintrag& p = w.Spieler[1];
    p.Name = "Anton Adler", p.Wertung = 1, p.IstHeim = 1, p.Gestartet = 1;
    p.DurchgangNr = 1, p.AktDurchgang = &p.Durchgang[1], p.Durchgang[1].Bahn = 1;
    TBahnDaten& l = BahnDaten[1];
    l.Wettk = &w, l.BahnSpieler = &p, l.SpielerNr = 1, l.BahnOnline = 1;
    l.WuerfeRestDruck.Zahl = u8(w.Volle);
    const auto wurf = [&l](u16 bild) {
        const CanRahmen::Wurfmeldung m = CanRahmen::WurfmeldungLesen({1, u8(bild & 0x7F), u8(bild >> 7), 0});
        l.WurfBild = m.bild, l.WurfFlags = m.flags, l.WurfOffen = 1, l.WurfHolz = i8(m.holz);
        WurfAbschliessen(1);
    };
    wurf(0x01F);  // before the list opens
    AktSpieler = &p, AktSpielerNr = 1;
    f->FormActivate();
    f->show();
    f->SBtnFehler->click();  // the mode stays while the list follows
    wurf(0x1FF), wurf(0x000), wurf(0x003);

    QStringList holz, fehler;
    for (int r = 0; r < 4; ++r)
        holz << f->XGridEinzelergebnis->item(r, 0)->text(), fehler << f->XGridEinzelergebnis->item(r, 1)->text();
    EXPECT_EQ(holz.join(u' ').toStdString(), "5 9 0 2");
    EXPECT_EQ(fehler.join(u' ').toStdString(), "  1 ");
    EXPECT_EQ(f->ErgebnisBahn[1]->text().toStdString(), "  1 Fehler");
    EXPECT_EQ(farbe(2, 0), QColor(255, 0, 0));

    // The protocol: running total of block 1, its "Gesamt:" and the player's result.
    const auto protokoll = [] {
        const std::optional<DruckLayout> l = DruckartLayout(Druckart::Wurfprotokoll, true, QSizeF(13087, 8976));
        QStringList gesamt, ergebnis;
        for (qsizetype i = 0; l && i < l->befehle.size(); ++i) {
            const DruckBefehl& b = l->befehle[i];
            if (b.art != DruckBefehl::Text) continue;
            if (b.x == 320 && b.anker == Anker::Rechts) gesamt << b.text;
            if (b.text.startsWith(QStringLiteral("Ergebnis: "))) ergebnis << b.text;
            if (b.text == QStringLiteral("Gesamt:") && i + 1 < l->befehle.size()) ergebnis << l->befehle[i + 1].text;
        }
        return (gesamt.join(u' ') + QLatin1Char('|') + ergebnis.join(u'|')).toStdString();
    };
    EXPECT_EQ(protokoll(), "5 14 14 16|Ergebnis: 0016 Holz|0016");

    // The lane voids its last throw: gone from the list and the protocol.
    WurfUngueltigWerten(1);
    EXPECT_EQ(f->XGridEinzelergebnis->item(3, 0)->text().toStdString(), "");
    EXPECT_EQ(protokoll(), "5 14 14|Ergebnis: 0014 Holz|0014");
}

}  // namespace
