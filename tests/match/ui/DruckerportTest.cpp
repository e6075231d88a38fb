#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "match/flow/Zustand.h"
#include "match/ui/Druckerport.h"
#include "platform/FakeDruckerport.h"
#include "support/Klicken.h"
#include "support/QtDrucken.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QStringList eintraege(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

void waehlen(QComboBox* c, const QString& text)
{
    c->setCurrentIndex(c->findText(text));
    emit c->activated(c->currentIndex());
}

void tippen(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(text);
}

class DruckerPortFenster : public testing::Test {
protected:
    void SetUp() override
    {
        ZustandZuruecksetzen();
        InfDatei = m_ordner.filePath(QStringLiteral("Bravolin.inf"));
        InfListe.clear();
        BahnAnzahl = 6;
        TZentralDrucker& d1 = Einst.Drucker[1];
        d1 = {};
        d1.Schnittstelle = 6;  // COM2
        d1.ComBaud = 4800;
        d1.ComDatenbit = 7;
        d1.ComStopbit = 2;
        d1.ComParity = 3;
        d1.ComMode = 1;
        d1.DrTimer = 5;
        d1.Emulation = 1;
        d1.DrBahnVon = 3;
        d1.DrBahnBis = 6;
        d1.StartFeed = 10;
        d1.EndFeed = 20;
        d1.PageLength = 720;
        d1.FormFeed = true;
        TZentralDrucker& d2 = Einst.Drucker[2];
        d2 = {};
        d2.Schnittstelle = 1;  // LPT1
        d2.LptMode = 1;
        d2.DrBahnVon = 1;
        d2.DrBahnBis = 2;
        d2.StartFeed = 30;
        d2.EndFeed = 40;
        Einst.DrSs = 0x7E;
        opt = DruckerportArbeitskopieLaden();
    }
    void TearDown() override { ZustandZuruecksetzen(); }

    static QStringList anzeige(const TDruckerPort& d)
    {
        return {d.CSchnittstelle->currentText(), d.CBaud->currentText(),     d.CDatenbit->currentText(),
                d.CStopbit->currentText(),       d.CParity->currentText(),   d.CMode->currentText(),
                d.ETimer->text(),                d.CEmulation->currentText(), d.CDrBahnVon->currentText(),
                d.CDrBahnBis->currentText(),     d.EStartFeed->text(),       d.EEndFeed->text(),
                d.EPageLength->text(),           d.CBFormFeed->isChecked() ? "an" : "aus"};
    }

    QTemporaryDir m_ordner;
    DruckerportArbeitskopie opt;  // the working copies handed to the dialog
};

TEST_F(DruckerPortFenster, ShowsTheSettingsOfTheChosenPrinter)
{
    TDruckerPort d(opt);
    d.show();
    EXPECT_EQ(d.AktDrucker, 1);
    EXPECT_TRUE(d.SBtnDrucker1->isChecked());
    EXPECT_EQ(eintraege(d.CDrBahnVon), (QStringList{"Bahn 1", "Bahn 2", "Bahn 3", "Bahn 4", "Bahn 5", "Bahn 6"}));
    EXPECT_EQ(eintraege(d.CDrBahnBis), eintraege(d.CDrBahnVon));
    EXPECT_EQ(anzeige(d), (QStringList{"COM2", "4800", "7", "2", "gerade invertiert", "CTS prüfen", "5",
                                       "Epson FX 850", "Bahn 3", "Bahn 6", "10", "20", "360", "an"}));
    EXPECT_EQ(d.CSonderzeichen->currentText(), QStringLiteral("Ä"));

    d.SBtnDrucker2->click();
    EXPECT_EQ(d.AktDrucker, 2);
    EXPECT_EQ(eintraege(d.CMode), (QStringList{"kein Statustest", "Druckerstatus prüfen"}));
    EXPECT_EQ(anzeige(d), (QStringList{"LPT1", "", "", "", "", "Druckerstatus prüfen", "0", "Epson LQ", "Bahn 1",
                                       "Bahn 2", "30", "40", "0", "aus"}));

    // Printer 1's screen values were stored on the switch and come back.
    d.SBtnDrucker1->click();
    EXPECT_EQ(anzeige(d)[0], QStringLiteral("COM2"));
    EXPECT_EQ(anzeige(d)[12], QStringLiteral("360"));

    d.hide();
    BahnAnzahl = 5;
    d.SBtnDrucker3->click();
    d.show();
    EXPECT_EQ(d.AktDrucker, 1);
    EXPECT_TRUE(d.SBtnDrucker1->isChecked());
    EXPECT_EQ(d.CDrBahnVon->count(), 0);
    EXPECT_EQ(d.CDrBahnBis->count(), 0);
}

TEST_F(DruckerPortFenster, PortChangeAndSpecialLetters)
{
    TDruckerPort d(opt);
    d.show();
    waehlen(d.CSchnittstelle, QStringLiteral("LPT1"));
    EXPECT_EQ(eintraege(d.CMode), (QStringList{"kein Statustest", "Druckerstatus prüfen"}));
    waehlen(d.CSchnittstelle, QStringLiteral("COM2"));
    EXPECT_EQ(eintraege(d.CMode), (QStringList{"kein Handshake", "CTS prüfen"}));
    waehlen(d.CSchnittstelle, QStringLiteral("keine"));
    for (QComboBox* c : {d.CBaud, d.CDatenbit, d.CStopbit, d.CParity, d.CMode}) EXPECT_EQ(c->currentIndex(), -1);

    waehlen(d.CSonderzeichen, QStringLiteral("ß"));
    EXPECT_EQ(d.ESonderzeichen->text(), QStringLiteral("$7E"));
    tippen(d.ESonderzeichen, QStringLiteral("$E1"));
    EXPECT_EQ(d.Opt.Sonderzeichen[6], 225);
    tippen(d.ESonderzeichen, QStringLiteral("x"));
    EXPECT_EQ(d.Opt.Sonderzeichen[6], 0);
    tippen(d.ETimer, QStringLiteral("abc"));
    EXPECT_EQ(d.Opt.Drucker[1].DrTimer, 0);
}

// Every edit goes into the working copies at once, the printer buttons and
// OK store the rest; "&Abbrechen" undoes nothing. Neither button touches the
// live settings or the file: that is the options dialog's OK.
TEST_F(DruckerPortFenster, OkAndAbbrechenOnlyClose)
{
    TDruckerPort d(opt);
    d.show();
    tippen(d.EStartFeed, QStringLiteral("223"));
    d.BtnAbbruch->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(opt.Drucker[1].StartFeed, 223);

    d.show();
    EXPECT_EQ(d.EStartFeed->text(), QStringLiteral("223"));
    waehlen(d.CBaud, QStringLiteral("1200"));  // stored by OK
    waehlen(d.CDrBahnVon, QStringLiteral("Bahn 2"));
    d.SBtnDrucker2->click();
    tippen(d.EPageLength, QStringLiteral("100"));
    d.BtnOk->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(opt.Drucker[1].ComBaud, 1200);
    EXPECT_EQ(opt.Drucker[1].DrBahnVon, 1);  // the list index: lane 2
    EXPECT_EQ(opt.Drucker[2].PageLength, 100);

    EXPECT_EQ(Einst.Drucker[1].StartFeed, 10);
    EXPECT_EQ(Einst.Drucker[1].ComBaud, 4800);
    EXPECT_EQ(Einst.Drucker[1].DrBahnVon, 3);
    EXPECT_EQ(Einst.Drucker[2].PageLength, 0);
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// The test prints with the values on screen and sets DruckWait at once;
// everything else stays as it was until OK.
TEST_F(DruckerPortFenster, TestPrintsWithTheScreenValues)
{
    FakeDruckerport port;
    DruckerportEinsetzen portEin(port);
    port.outAntworten = {0, 1};  // the second byte once refused
    Einst.DrAeGross = 0x5B;
    Einst.DrOeGross = 0x5C;
    Einst.DrUeGross = 0x5D;
    Einst.DrAeKlein = 0x7B;
    Einst.DrOeKlein = 0x7C;
    Einst.DrUeKlein = 0x7D;
    TDruckerPort d(opt);
    d.show();
    waehlen(d.CSchnittstelle, QStringLiteral("COM1"));
    tippen(d.EStartFeed, QStringLiteral("0"));
    tippen(d.EEndFeed, QStringLiteral("0"));
    tippen(d.EPageLength, QStringLiteral("0"));
    d.CBFormFeed->click();
    waehlen(d.CEmulation, QStringLiteral("Epson LQ"));
    d.BtnTest->click();

    ASSERT_EQ(port.comKonfig.size(), 1);
    EXPECT_EQ(port.comKonfig[0], (FakeDruckerport::SeriellKonfig{1, 1, 4800, 7, 2, 3}));
    EXPECT_EQ(port.comDaten[0], QByteArray("\x1B@\x1BM\x1BR\x02\rTest Umlaute [\\]{|}~\n\r"));
    EXPECT_EQ(Einst.Drucker[1].DruckWait, 11);
    EXPECT_EQ(Einst.Drucker[1].Schnittstelle, 6);
    EXPECT_EQ(Einst.Drucker[1].StartFeed, 10);
    EXPECT_EQ(Einst.Drucker[1].PageLength, 720);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Der Testdruck wurde an COM1 gesendet.")});
}

// With touch input a tap on a feed opens the keyboard on it: it steps
// through the three feeds only and writes what it typed into the printer's
// working copy; the timer and the letter code are fields of their own.
TEST_F(DruckerPortFenster, TheKeyboardEditsTheTouchFields)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    TDruckerPort d(opt);
    d.show();
    TKeyb* k = Keyb();
    QStringList gesehen;
    QTimer::singleShot(0, qApp, [&] {
        gesehen << k->LText->text() + k->EText->text();
        Klicken(k->BtnClear);
        for (u8 taste : {'2', '2', '3'}) Klicken(k->taste(taste));
        for (int i = 0; i < 3; ++i) {
            Klicken(k->BtnVor);  // the last of the three stays
            gesehen << k->LText->text() + k->EText->text();
        }
        Klicken(k->BtnReturn);
    });
    Klicken(d.EStartFeed);
    EXPECT_EQ(gesehen.join(u'|'), QStringLiteral("LineFeed Papieranfang:10|LineFeed Papierende:20|"
                                                 "Seitenlänge:360|Seitenlänge:360"));
    EXPECT_EQ(d.Opt.Drucker[1].StartFeed, 223);
    EXPECT_EQ(feldregister().finden(256)->ziel.data(), d.ETimer);
    EXPECT_EQ(feldregister().finden(260)->ziel.data(), d.ESonderzeichen);
}

}  // namespace
