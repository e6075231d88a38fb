// The options pages "Bahnsteuerung " and "Can Bus " in the real options
// dialog, with the real printer port and timing dialogs behind the window
// hub, a fake printer port layer and a fake CAN adapter.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/Zeitgeber.h"
#include "core/ui/Fensterhub.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Zustand.h"
#include "match/print/Druckwarteschlange.h"
#include "match/ui/CanTiming.h"
#include "match/ui/Druckerport.h"
#include "match/ui/Fensterregistrierung.h"
#include "platform/FakeCanAdapter.h"
#include "platform/FakeDruckerport.h"
#include "shell/OptionenBahnen.h"
#include "shell/ui/OptionenBahnen.h"
#include "support/Einsetzen.h"
#include "support/ImDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A choice as the operator makes it.
void waehlen(QComboBox* c, const QString& text)
{
    const int i = c->findText(text);
    ASSERT_GE(i, 0) << qPrintable(text);
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void tippen(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(text);
}

class OptionenBahnen : public testing::Test {
protected:
    void SetUp() override
    {
        ZustandZuruecksetzen();
        InfDatei = m_ordner.filePath(QStringLiteral("Bravolin.inf"));
        m_daten = Datenverzeichnis;
        Datenverzeichnis = m_ordner.path();
        InfListe.clear();
        MatchFensterRegistrieren(hub);
    }
    void TearDown() override
    {
        dlg.reset();
        Datenverzeichnis = m_daten;
        ZustandZuruecksetzen();
    }

    // Opens the dialog as the program does after its start.
    void oeffnen()
    {
        CanEinstellungenUebernehmen();
        dlg = std::make_unique<TOptionen>(nullptr);
        dlg->show();
        b = qobject_cast<TBahnsteuerungSeite*>(dlg->seite(TOptionen::Bahnsteuerung));
        c = qobject_cast<TCanBusSeite*>(dlg->seite(TOptionen::CanBus));
        ASSERT_TRUE(b && c);
    }
    void wiederOeffnen()
    {
        dlg->hide();
        dlg->show();
    }
    bool ok()
    {
        dlg->BtnOK->click();
        return !dlg->isVisible();
    }

    // What the controls show: a list's or a field's text, a box's state.
    static QStringList texte(std::initializer_list<QWidget*> ws)
    {
        QStringList t;
        for (QWidget* w : ws) {
            if (auto* l = qobject_cast<QComboBox*>(w)) t << l->currentText();
            if (auto* e = qobject_cast<QLineEdit*>(w)) t << e->text();
            if (auto* l = qobject_cast<QLabel*>(w)) t << l->text();
            if (auto* x = qobject_cast<QCheckBox*>(w)) t << (x->isChecked() ? "an" : "aus");
        }
        return t;
    }

    // The throw-sheet boxes: checked and enabled, one letter each (x/o, e/d).
    QString druckboxen() const
    {
        QString s;
        for (QCheckBox* x : {b->CBDrEinschalten, b->CBDrWurfblatt, b->CBDrKopf, b->CBDrFuss, b->CBDrZweiBahnen,
                             b->CBDrZentral, b->CBDrSparmodus})
            s += QString(x->isChecked() ? u'x' : u'o') + (x->isEnabled() ? u'e' : u'd') + u' ';
        return s.trimmed();
    }

    // The lines of one section of the saved file, header first.
    static QStringList sektion(const QString& kopf)
    {
        const QStringList zeilen = TextdateiLesen(InfDatei).value_or(QStringList{});
        const qsizetype start = zeilen.indexOf(kopf);
        if (start < 0) return {};
        QStringList s;
        for (qsizetype i = start; i < zeilen.size() && !zeilen[i].isEmpty(); ++i) s << zeilen[i];
        return s;
    }

    // The frames queued for a lane, as data bytes.
    static QList<QList<int>> rahmen(int bahn)
    {
        QList<QList<int>> r;
        for (int i = 0; i < BahnSendeAnzahl[bahn]; ++i) {
            const TCanNachricht& n = BahnSendepuffer[bahn][u8(BahnSendeLesezeiger[bahn] + i) % BahnPufferGroesse];
            QList<int> d;
            for (int k = 0; k < n.Laenge; ++k) d << n.Daten[k];
            r << d;
        }
        return r;
    }

    void adapterOffen(int karte, int takt)
    {
        Einst.CanBusKarte = karte;
        Einst.CanBusTakt = u8(takt);
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1);
    }

    QTemporaryDir m_ordner;
    QString m_daten;
    FakeDruckerport port;
    DruckerportEinsetzen m_port{port};
    FakeCanAdapter adapter;
    CanAdapterEinsetzen m_adapter{&adapter};
    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    std::unique_ptr<TOptionen> dlg;
    TBahnsteuerungSeite* b = nullptr;
    TCanBusSeite* c = nullptr;
};

TEST_F(OptionenBahnen, OpeningShowsTheSettings)
{
    BahnAnzahl = 8;
    TEinstellungen& e = Einst;
    e.Bahnsteuerung = 2;
    e.PcVerbund = 3;
    e.PcEinheit = 2;
    e.TimeoutBahnw = 45;
    e.ManualBahnw = e.DrStatus = e.DrWurfblatt = e.DrZentral = e.DrFuss = true;
    e.DrGrafik = false;
    e.Kopien = 4;
    e.Drucker[2].Schnittstelle = 5;
    e.CanBusKarte = 9;
    e.CanBusMem = 0xD400;
    e.CanBusIrq = 10;
    e.CanBusTakt = 4;
    e.CanBusTimer = 20;
    e.CanSendType = 1;
    CanEinstellungen.StatusText = QStringLiteral("CAN Karte nicht gefunden !");
    oeffnen();

    EXPECT_EQ(dlg->TabControlOptionen->tabText(TOptionen::Bahnsteuerung), QStringLiteral("Bahnsteuerung "));
    EXPECT_EQ(dlg->TabControlOptionen->tabText(TOptionen::CanBus), QStringLiteral("Can Bus "));
    EXPECT_EQ(c->toolTip(), QStringLiteral("Bitte vom Servicetechniker einstellen !"));
    EXPECT_EQ(texte({b->CBahnenAnzahl, b->CBahnSteuerung, b->CPcVerbund, b->CPcEinheit, b->ETimeoutBahnw,
                     b->CBManualBahnw, b->CBDrGrafik, b->CBDruckerstatus, b->CKopien}),
              (QStringList{"8 Bahnen", "aktiv Bahn", "3", "Einheit 2", "45", "an", "aus", "an", "4"}));
    // Einschalten, Wurfblatt, Kopf, Fuss, ZweiBahnen, Zentral, Sparmodus.
    EXPECT_EQ(druckboxen(), QStringLiteral("oe xe oe xe oe xe oe"));

    EXPECT_EQ(texte({c->CCanBusKarte, c->CCanBusMem, c->CCanBusIrq, c->CCanBusTakt, c->ECanTimer, c->CCanSendType,
                     c->LStateKarte, c->LCanState}),
              (QStringList{"PCI Karte (Peak)", "$D400", "10", "250 kBaud", "20", "multiple Messages", "",
                           "CAN Karte nicht gefunden !"}));
    EXPECT_EQ(CanEinstellungen.Btr0, 0x01);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x2B);

    // Port, interrupt, bus clock: what each adapter kind enables ("Suchen" with the clock).
    const std::pair<const char*, const char*> arten[] = {
        {"PCI Karte (Peak)", "xxx"},  {"keine Karte", "ooo"},      {"passive LPT Karte (Ixxat)", "xox"},
        {"USB Karte (Ixxat)", "oox"}, {"USB Karte (Peak)", "oox"}, {"PCI Karte (Brenwick Marvolund)", "xxx"},
    };
    for (const auto& [art, an] : arten) {
        waehlen(c->CCanBusKarte, QString::fromUtf8(art));
        QString s;
        for (QWidget* w : std::initializer_list<QWidget*>{c->CCanBusMem, c->CCanBusIrq, c->CCanBusTakt})
            s += w->isEnabled() ? u'x' : u'o';
        EXPECT_EQ(s, QString::fromLatin1(an)) << art;
        EXPECT_EQ(c->BtnSuchen->isEnabled(), c->CCanBusTakt->isEnabled()) << art;
    }
}

// A lane count the list does not hold shows no entry and stays; so do a PC
// unit of 0 and a copy count of 0 (stored as 1).
TEST_F(OptionenBahnen, ValuesOutsideTheListsAreKept)
{
    BahnAnzahl = 5;
    Einst.PcEinheit = 0;
    Einst.Kopien = 0;
    oeffnen();
    for (QComboBox* l : {b->CBahnenAnzahl, b->CPcEinheit, b->CKopien}) EXPECT_EQ(l->currentIndex(), -1);
    EXPECT_EQ(OptionenBahnAnzahl(*dlg), 5);
    ASSERT_TRUE(ok());
    EXPECT_EQ(BahnAnzahl, 5);
    EXPECT_EQ(Einst.PcEinheit, 0);
    EXPECT_EQ(Einst.Kopien, 1);

    wiederOeffnen();
    waehlen(b->CBahnenAnzahl, QStringLiteral("16 Bahnen"));
    EXPECT_EQ(OptionenBahnAnzahl(*dlg), 16);
    waehlen(b->CPcEinheit, QStringLiteral("Einheit 8"));
    tippen(b->ETimeoutBahnw, QStringLiteral("1a2"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(BahnAnzahl, 16);
    EXPECT_EQ(Einst.PcEinheit, 8);
    EXPECT_EQ(Einst.TimeoutBahnw, 12);
}

// Without a printer on a port the seven boxes are off and disabled, at the
// opening and after the printer port dialog; OK stores them off, with
// single-lane sheets.
TEST_F(OptionenBahnen, NoPrinterWithAPort)
{
    Einst.DrWurfblatt = Einst.DrZentral = Einst.DrKopf = Einst.DrEinschalten = Einst.DrSparmodus = true;
    oeffnen();
    EXPECT_EQ(druckboxen(), QStringLiteral("od od od od od od od"));

    auto schnittstelle = [&](const QString& text) {
        ImDialog<TDruckerPort>(
            hub,
            [&] {
                b->BtnDruckerPort->click();
                return true;
            },
            [&](TDruckerPort& d) {
                waehlen(d.CSchnittstelle, text);
                d.BtnOk->click();
            });
    };
    schnittstelle(QStringLiteral("COM1"));
    EXPECT_EQ(OptDrucker.Drucker[1].Schnittstelle, 5);
    EXPECT_EQ(druckboxen(), QStringLiteral("oe oe od od od od od"));
    b->CBDrWurfblatt->click();
    EXPECT_EQ(druckboxen(), QStringLiteral("oe xe oe oe oe oe od"));
    schnittstelle(QStringLiteral("keine"));
    EXPECT_EQ(druckboxen(), QStringLiteral("od od od od od od od"));

    ASSERT_TRUE(ok());
    for (bool an : {Einst.DrEinschalten, Einst.DrWurfblatt, Einst.DrKopf, Einst.DrFuss, Einst.DrZweiBahnen,
                    Einst.DrZentral, Einst.DrSparmodus})
        EXPECT_FALSE(an);
    EXPECT_TRUE(Einst.DrSingle);
    EXPECT_EQ(Einst.Drucker[1].Schnittstelle, 0);
}

// Checking one of the two layouts unchecks the other, and only that: the box
// the operator clicked stays checked.
TEST_F(OptionenBahnen, LayoutBoxesExcludeEachOther)
{
    Einst.Drucker[1].Schnittstelle = 1;
    Einst.DrWurfblatt = Einst.DrZweiBahnen = true;
    oeffnen();
    EXPECT_EQ(druckboxen(), QStringLiteral("oe xe oe oe xe oe od"));
    const std::pair<QCheckBox*, const char*> klicks[] = {
        {b->CBDrZentral, "oe xe oe oe oe xe oe"},   {b->CBDrSparmodus, "oe xe oe oe oe xe xe"},
        {b->CBDrZweiBahnen, "oe xe oe oe xe oe xd"}, {b->CBDrZentral, "oe xe oe oe oe xe xe"},
        {b->CBDrZentral, "oe xe oe oe oe oe xd"},    {b->CBDrKopf, "oe xe xe oe oe oe xd"},
        {b->CBDrWurfblatt, "oe oe od od od od od"},  {b->CBDrWurfblatt, "oe xe oe oe oe oe od"},
        {b->CBDrZweiBahnen, "oe xe oe oe xe oe od"},
    };
    for (const auto& [box, danach] : klicks) {
        box->click();
        EXPECT_EQ(druckboxen(), QLatin1String(danach)) << qPrintable(box->objectName());
    }
    ASSERT_TRUE(ok());
    EXPECT_TRUE(Einst.DrZweiBahnen);
    EXPECT_FALSE(Einst.DrZentral);
    EXPECT_FALSE(Einst.DrSingle);
}

// "DrSingle" (each lane prints its own sheet) is stored exactly when neither
// layout is ticked: central printing alone is not single-lane printing.
TEST_F(OptionenBahnen, SingleLaneSheetsOnlyWithNeitherLayout)
{
    const struct {
        bool zweiBahnen, zentral;
        const char* zeile;
    } faelle[] = {
        {false, true, "DrSingle = False"},
        {true, false, "DrSingle = False"},
        {false, false, "DrSingle = True"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zentral ? "zentral" : f.zweiBahnen ? "zwei Bahnen" : "keines");
        TearDown();
        SetUp();
        Einst.Drucker[1].Schnittstelle = 1;
        Einst.DrWurfblatt = true;
        Einst.DrSingle = f.zweiBahnen || f.zentral;  // the opposite of what OK has to store
        oeffnen();
        if (f.zweiBahnen) b->CBDrZweiBahnen->click();
        if (f.zentral) b->CBDrZentral->click();
        ASSERT_TRUE(ok());
        EXPECT_EQ(Einst.DrZweiBahnen, f.zweiBahnen);
        EXPECT_EQ(Einst.DrZentral, f.zentral);
        EXPECT_EQ(Einst.DrSingle, !f.zweiBahnen && !f.zentral);
        EXPECT_TRUE(sektion(QStringLiteral("[Bahnsteuerung]")).contains(QLatin1String(f.zeile)));
    }
}

// OK takes up the printers afresh: the ports released, every queue and the
// lane map emptied; the ports initialised and configured (stop bits as
// stored) only while the PC prints the throw sheets.
TEST_F(OptionenBahnen, OkSetsUpThePrinterPorts)
{
    Einst.Drucker[1] = {.Schnittstelle = 2, .DrBahnVon = 1, .DrBahnBis = 4, .DrTimer = 7, .LptMode = 1};
    Einst.Drucker[3] = {.Schnittstelle = 6, .DrBahnVon = 1, .DrBahnBis = 4, .ComBaud = 9600, .ComDatenbit = 8,
                        .ComStopbit = 2, .ComParity = 1, .ComMode = 1, .DrTimer = 3};
    druckwarteschlangeZustand.DruckerportInit = 1;  // as after the start
    druckwarteschlangeZustand.DruckerSchreibzeiger[1] = 10;
    druckwarteschlangeZustand.DruckerZeilenZeiger[3] = 8;
    druckwarteschlangeZustand.BahnDruckerSchreibzeiger[5] = 4;
    DruckerZuordnung[3] = 1;
    oeffnen();
    ASSERT_TRUE(ok());
    EXPECT_EQ(port.clears, 1);
    EXPECT_TRUE(port.timer.isEmpty());
    EXPECT_TRUE(port.lptKonfig.isEmpty());
    EXPECT_TRUE(port.comKonfig.isEmpty());
    EXPECT_EQ(druckwarteschlangeZustand.DruckerportInit, 0);
    EXPECT_EQ(DruckerAusstehend(1) + DruckerAusstehend(3) + BahnDruckerAusstehend(5), 0);
    EXPECT_EQ(DruckerZuordnung[3], 0);

    wiederOeffnen();
    b->CBDrWurfblatt->click();
    ASSERT_TRUE(ok());
    EXPECT_EQ(port.clears, 1);  // nothing was set up since
    EXPECT_EQ(port.timer, (QList<std::uint16_t>{7, 3}));
    EXPECT_EQ(port.lptKonfig, (QList<std::array<std::uint8_t, 2>>{{2, 1}}));
    EXPECT_EQ(port.comKonfig, (QList<FakeDruckerport::SeriellKonfig>{{2, 1, 9600, 8, 2, 1}}));
    EXPECT_EQ(DruckerportBereit[1] + DruckerportBereit[3], 2);

    wiederOeffnen();
    ASSERT_TRUE(ok());
    EXPECT_EQ(port.clears, 2);
    EXPECT_EQ(port.timer.size(), 4);
}

// The working copies hold the lanes minus 1 and half the page length; the
// printer port dialog edits them, and only OK of the options dialog puts
// them live. DruckWait of the test print is live at once.
TEST_F(OptionenBahnen, PrinterPortDialogEditsTheWorkingCopies)
{
    BahnAnzahl = 6;
    TZentralDrucker& d1 = Einst.Drucker[1];
    d1 = {.Schnittstelle = 5, .DrBahnVon = 3, .DrBahnBis = 6, .ComBaud = 4800, .ComDatenbit = 8, .ComStopbit = 1,
          .StartFeed = 10, .PageLength = 485};
    oeffnen();
    EXPECT_EQ(OptDrucker.Drucker[1].DrBahnVon, 2);
    EXPECT_EQ(OptDrucker.Drucker[1].DrBahnBis, 5);
    EXPECT_EQ(OptDrucker.Drucker[1].PageLength, 242);

    auto bearbeiten = [&](const QString& startFeed, bool testen) {
        ImDialog<TDruckerPort>(
            hub,
            [&] {
                b->BtnDruckerPort->click();
                return true;
            },
            [&](TDruckerPort& d) {
                EXPECT_EQ(texte({d.CDrBahnVon, d.EPageLength}), (QStringList{"Bahn 3", "242"}));
                tippen(d.EStartFeed, startFeed);
                waehlen(d.CDrBahnBis, QStringLiteral("Bahn 4"));
                if (testen) {
                    port.outAntworten = {1};  // the first byte refused once
                    d.BtnTest->click();
                }
                d.BtnOk->click();
            });
    };
    bearbeiten(QStringLiteral("223"), true);
    EXPECT_EQ(OptDrucker.Drucker[1].StartFeed, 223);
    EXPECT_EQ(OptDrucker.Drucker[1].DrBahnBis, 3);
    EXPECT_EQ(d1.DruckWait, 11);
    dlg->BtnAbbruch->click();
    EXPECT_EQ(d1.StartFeed, 10);
    EXPECT_EQ(d1.DrBahnBis, 6);
    EXPECT_EQ(d1.PageLength, 485);
    EXPECT_FALSE(QFile::exists(InfDatei));

    wiederOeffnen();
    EXPECT_EQ(OptDrucker.Drucker[1].StartFeed, 10);
    bearbeiten(QStringLiteral("224"), false);
    ASSERT_TRUE(ok());
    const QStringList s = sektion(QStringLiteral("[Bahnsteuerung]"));
    for (const char* zeile : {"StartFeed1 = 224", "DrBahnVon1 = 3", "DrBahnBis1 = 4", "PageLength1 = 484",
                              "DruckWait1 = 11"})
        EXPECT_TRUE(s.contains(QLatin1String(zeile))) << zeile;
}

// The send timer: digits only, an empty field (0) becomes 10 ms.
TEST_F(OptionenBahnen, SendTimerAndType)
{
    Einst.CanBusTimer = 20;
    oeffnen();
    tippen(c->ECanTimer, QString());
    waehlen(c->CCanSendType, QStringLiteral("multiple Messages"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(Einst.CanBusTimer, 10);
    EXPECT_EQ(CanSendeTimer().interval(), 10);
    EXPECT_EQ(Einst.CanSendType, 1);

    wiederOeffnen();
    tippen(c->ECanTimer, QStringLiteral("2y5"));  // at most 3 characters
    ASSERT_TRUE(ok());
    EXPECT_EQ(CanSendeTimer().interval(), 25);
}

// "keine Karte": the adapter is closed, the bus out of use, no lane told.
TEST_F(OptionenBahnen, KeineKarteClosesTheAdapter)
{
    adapterOffen(1, 3);
    oeffnen();
    waehlen(c->CCanBusKarte, QStringLiteral("keine Karte"));
    ASSERT_TRUE(ok());
    EXPECT_FALSE(adapter.offen);
    EXPECT_EQ(adapter.schliessungen, 1);
    EXPECT_EQ(CanAktiv + CanKarteOffen, 0);
    EXPECT_FALSE(CanWacheTimer().enabled());
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) EXPECT_EQ(BahnSendeAnzahl[bahn], 0) << bahn;
    EXPECT_EQ(Einst.CanBusKarte, 0);
}

// An adapter in use keeps running as it is; the file gets the new choice,
// which acts at the next start. Every lane is told the PC unit. The bus
// clock entry sets the timing bytes, "Einstellen" edits them.
TEST_F(OptionenBahnen, AdapterInUseKeepsRunning)
{
    Einst.PcEinheit = 3;
    adapterOffen(1, 3);  // 500 kBaud
    oeffnen();
    waehlen(c->CCanBusTakt, QStringLiteral("50 kBaud"));
    EXPECT_EQ(CanEinstellungen.Btr0, 0x07);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x2F);
    ImDialog<TCanTiming>(
        hub,
        [&] {
            c->BtnTiming->click();
            return true;
        },
        [](TCanTiming& t) {
            t.CSamples->setCurrentIndex(1);  // three samples: bit 7
            t.BtnOk->click();
        });
    EXPECT_EQ(CanEinstellungen.Btr1, 0xAF);
    waehlen(c->CCanBusKarte, QStringLiteral("USB Karte (Peak)"));
    ASSERT_TRUE(ok());

    EXPECT_EQ(adapter.oeffnungen, 1);
    EXPECT_TRUE(adapter.offen);
    EXPECT_EQ(adapter.letzteOeffnung.bitrate, 500000u);
    EXPECT_EQ(CanEinstellungen.KartenTyp, 1);
    EXPECT_EQ(CanAktiv, 1);
    for (int bahn = 1; bahn <= 4; ++bahn) EXPECT_EQ(rahmen(bahn), (QList<QList<int>>{{36, 3}})) << bahn;
    EXPECT_EQ(BahnSendeAnzahl[5], 0);
    const QStringList s = sektion(QStringLiteral("[CanBus]"));
    for (const char* zeile : {"CanBusKarte = 10", "CanBusTakt = 7", "CanBusTakt0 = $07", "CanBusTakt1 = $AF"})
        EXPECT_TRUE(s.contains(QLatin1String(zeile))) << zeile;
}

// Without an adapter in use OK opens the one chosen, with its port,
// interrupt and bus clock; one that fails leaves the bus off.
TEST_F(OptionenBahnen, OkOpensTheAdapterWhenNoneIsInUse)
{
    Einst.PcEinheit = 2;
    adapter.oeffnenGelingt = false;
    oeffnen();
    waehlen(c->CCanBusKarte, QStringLiteral("passive ISA Karte (Ixxat)"));
    c->CCanBusMem->setEditText(QStringLiteral("$0300"));
    c->CCanBusIrq->setEditText(QStringLiteral("5"));
    waehlen(c->CCanBusTakt, QStringLiteral("125 kBaud"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(adapter.oeffnungen, 1);
    EXPECT_EQ(CanAktiv, 0);
    EXPECT_EQ(BahnSendeAnzahl[1], 0);

    adapter.oeffnenGelingt = true;
    wiederOeffnen();
    EXPECT_EQ(texte({c->CCanBusMem, c->LStateKarte, c->LCanState}),
              (QStringList{"$0300", "", "Karte nicht gefunden !"}));
    ASSERT_TRUE(ok());
    EXPECT_EQ(adapter.oeffnungen, 2);
    EXPECT_EQ(adapter.letzteOeffnung.bitrate, 125000u);
    EXPECT_EQ(CanAktiv, 1);
    EXPECT_TRUE(CanWacheTimer().enabled());
    for (int bahn = 1; bahn <= 4; ++bahn) EXPECT_EQ(rahmen(bahn), (QList<QList<int>>{{36, 2}})) << bahn;

    wiederOeffnen();
    EXPECT_EQ(texte({c->LStateKarte, c->LStateMem, c->LStateIrq, c->LCanState}),
              (QStringList{"socketcan:can0", "$0300", "5", "CanBus VCI initialisiert !"}));
}

// "Suchen" opens the adapter at once with the page's values; it stays open
// after "Abbrechen".
TEST_F(OptionenBahnen, SuchenTestsTheAdapterAtOnce)
{
    oeffnen();
    waehlen(c->CCanBusKarte, QStringLiteral("aktive ISA Karte (Ixxat)"));
    c->CCanBusMem->setEditText(QStringLiteral("suchen"));
    c->CCanBusIrq->setEditText(QStringLiteral("suchen"));
    waehlen(c->CCanBusTakt, QStringLiteral("100 kBaud"));
    CanEinstellungen.Btr0 = CanEinstellungen.Btr1 = 0;  // both 0: from the bus clock entry
    c->BtnSuchen->click();
    EXPECT_EQ(adapter.letzteOeffnung.bitrate, 100000u);
    EXPECT_EQ(texte({c->LStateKarte, c->LStateMem, c->LStateIrq, c->LCanState, c->CCanBusMem, c->CCanBusIrq}),
              (QStringList{"socketcan:can0", "$0000", "0", "CanBus VCI initialisiert !", "$0000", "0"}));
    EXPECT_EQ(CanAktiv, 1);

    waehlen(c->CCanBusKarte, QStringLiteral("ISA Karte (Peak)"));
    c->CCanBusMem->setEditText(QStringLiteral("$D0"));
    adapter.oeffnenGelingt = false;
    c->BtnSuchen->click();
    EXPECT_EQ(adapter.oeffnungen, 2);
    EXPECT_EQ(texte({c->LCanState, c->CCanBusMem}), (QStringList{"CAN Karte nicht gefunden !", "$D0"}));
    EXPECT_EQ(CanAktiv, 0);

    adapter.oeffnenGelingt = true;
    c->CCanBusIrq->setEditText(QStringLiteral("neun"));
    c->BtnSuchen->click();
    EXPECT_EQ(adapter.oeffnungen, 2);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{CanIrqFehler(QStringLiteral("neun"))});
    c->CCanBusIrq->setEditText(QStringLiteral("9"));
    c->BtnSuchen->click();
    EXPECT_EQ(texte({c->LStateKarte, c->LCanState}), (QStringList{"socketcan:can0", "CAN Karte Ok !"}));

    dlg->BtnAbbruch->click();
    EXPECT_TRUE(adapter.offen);
    EXPECT_EQ(CanAktiv, 1);
    EXPECT_EQ(CanEinstellungen.Port, 0xD0);
    EXPECT_EQ(CanEinstellungen.Irq, 9);
    EXPECT_EQ(Einst.CanBusKarte, 0);  // nothing stored
}

// Port and interrupt: "suchen", decimal or "$" hex; anything else keeps the
// dialog open at that field with nothing stored.
TEST_F(OptionenBahnen, PortAndInterruptAreStrict)
{
    EXPECT_EQ(CanPortWert(QStringLiteral("suchen")), u16(0));
    EXPECT_EQ(CanPortWert(QStringLiteral(" $d000 ")), u16(0xD000));
    EXPECT_EQ(CanPortWert(QStringLiteral("768")), u16(768));
    for (const char* falsch : {"", "$", "$10000", "-1", "0x300", "D000"})
        EXPECT_FALSE(CanPortWert(QLatin1String(falsch))) << falsch;
    EXPECT_EQ(CanIrqWert(QStringLiteral("$0B")), u8(11));
    EXPECT_FALSE(CanIrqWert(QStringLiteral("256")));

    Einst.CanBusKarte = 3;
    oeffnen();
    waehlen(b->CBahnenAnzahl, QStringLiteral("10 Bahnen"));
    c->CCanBusMem->setEditText(QStringLiteral("xyz"));
    EXPECT_FALSE(ok());
    EXPECT_EQ(dlg->TabControlOptionen->currentIndex(), int(TOptionen::CanBus));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{CanPortFehler(QStringLiteral("xyz"))});
    EXPECT_EQ(BahnAnzahl, 4);
    EXPECT_FALSE(QFile::exists(InfDatei));

    c->CCanBusMem->setEditText(QStringLiteral("suchen"));
    c->CCanBusIrq->setEditText(QStringLiteral("300"));
    EXPECT_FALSE(ok());
    EXPECT_EQ(skriptBoxen().gezeigt.last(), CanIrqFehler(QStringLiteral("300")));

    c->CCanBusIrq->setEditText(QStringLiteral("suchen"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(BahnAnzahl, 10);
    const QStringList s = sektion(QStringLiteral("[CanBus]"));
    EXPECT_TRUE(s.contains(QStringLiteral("CanBusMem = $0000")));
    EXPECT_TRUE(s.contains(QStringLiteral("CanBusIrq = 0")));

    // A field the adapter does not use cannot be corrected: it keeps the
    // stored value.
    wiederOeffnen();
    c->CCanBusIrq->setEditText(QStringLiteral("?"));
    waehlen(c->CCanBusKarte, QStringLiteral("passive LPT Karte (Ixxat)"));
    c->CCanBusMem->setEditText(QStringLiteral("$378"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(Einst.CanBusMem, 0x378);
    EXPECT_EQ(Einst.CanBusIrq, 0);
}

// OK writes both pages' keys in their order, each under its section.
TEST_F(OptionenBahnen, WritesTheKeysInOrder)
{
    BahnAnzahl = 6;
    TEinstellungen& e = Einst;
    e.PcVerbund = 2;
    e.PcEinheit = 3;
    e.TimeoutBahnw = 30;
    e.Bahnsteuerung = 1;
    e.Kopien = 2;
    e.ManualBahnw = e.Wurffehler = e.DrGrafik = e.DrStatus = e.DrEinschalten = e.DrWurfblatt = e.DrZweiBahnen =
        e.DrKopf = true;
    e.Drucker[1] = {.Schnittstelle = 1, .DrBahnVon = 1, .DrBahnBis = 6, .DrTimer = 5, .LptMode = 1, .DruckWait = 12,
                    .Emulation = 1, .StartFeed = 20, .EndFeed = -30, .PageLength = 720, .FormFeed = true};
    e.Drucker[2] = {.Schnittstelle = 6, .DrBahnVon = 3, .DrBahnBis = 4, .ComBaud = 9600, .ComDatenbit = 8,
                    .ComStopbit = 2, .ComParity = 1, .ComMode = 1};
    e.DrAeGross = 0x5B;
    e.DrOeGross = 0x5C;
    e.DrUeGross = 0x5D;
    e.DrAeKlein = 0x7B;
    e.DrOeKlein = 0x7C;
    e.DrUeKlein = 0x7D;
    e.DrSs = 0xE1;
    e.CanBusTakt = 5;
    oeffnen();
    ASSERT_TRUE(ok());

    // Printers 3 and 4 keep the defaults: lane 1 to 0 (the lane count).
    const QStringList bahnsteuerung = {
        "[Bahnsteuerung]",    "Bahnen = 6",         "PcVerbund = 2",      "PcEinheit = 3",
        "ManualBahnw = True", "WurfzeitBahn = False", "TimeoutBahnw = 30", "BahnSteuerung = 1",
        "Wurffehler = True",  "DrBahndrucker = False", "DrGrafik = True",  "Kopien = 2",
        "DrStatus = True",    "DrEinschalten = True", "DrWurfblatt = True", "DrSingle = False",
        "DrZweiBahnen = True", "DrZentral = False",  "DrSparmodus = False", "DrKopf = True",
        "DrFuss = False",
        "Schnittstelle1 = 1", "DrBahnVon1 = 1", "DrBahnBis1 = 6", "ComBaud1 = 0", "ComDatenbit1 = 0",
        "ComStopbit1 = 0", "ComParity1 = 0", "ComMode1 = 0", "DrTimer1 = 5", "LptMode1 = 1", "DruckWait1 = 12",
        "Emulation1 = 1",
        "Schnittstelle2 = 6", "DrBahnVon2 = 3", "DrBahnBis2 = 4", "ComBaud2 = 9600", "ComDatenbit2 = 8",
        "ComStopbit2 = 2", "ComParity2 = 1", "ComMode2 = 1", "DrTimer2 = 0", "LptMode2 = 0", "DruckWait2 = 0",
        "Emulation2 = 0",
        "Schnittstelle3 = 0", "DrBahnVon3 = 1", "DrBahnBis3 = 0", "ComBaud3 = 0", "ComDatenbit3 = 0",
        "ComStopbit3 = 0", "ComParity3 = 0", "ComMode3 = 0", "DrTimer3 = 0", "LptMode3 = 0", "DruckWait3 = 0",
        "Emulation3 = 0",
        "Schnittstelle4 = 0", "DrBahnVon4 = 1", "DrBahnBis4 = 0", "ComBaud4 = 0", "ComDatenbit4 = 0",
        "ComStopbit4 = 0", "ComParity4 = 0", "ComMode4 = 0", "DrTimer4 = 0", "LptMode4 = 0", "DruckWait4 = 0",
        "Emulation4 = 0",
        "DrAeGross = $5B", "DrOeGross = $5C", "DrUeGross = $5D", "DrAeKlein = $7B", "DrOeKlein = $7C",
        "DrUeKlein = $7D", "DrSs = $E1",
        "StartFeed1 = 20", "EndFeed1 = -30", "PageLength1 = 720", "FormFeed1 = True",
        "StartFeed2 = 0", "EndFeed2 = 0", "PageLength2 = 0", "FormFeed2 = False",
        "StartFeed3 = 0", "EndFeed3 = 0", "PageLength3 = 0", "FormFeed3 = False",
        "StartFeed4 = 0", "EndFeed4 = 0", "PageLength4 = 0", "FormFeed4 = False",
    };
    EXPECT_EQ(sektion(QStringLiteral("[Bahnsteuerung]")), bahnsteuerung);
    // The timing bytes as the start took them from the bus clock (both 0 in the file).
    const QStringList canBus = {
        "[CanBus]",          "CanBusKarte = 0",   "CanBusMem = $D000", "CanBusIrq = 7",   "CanBusTakt = 5",
        "CanBusTakt0 = $03", "CanBusTakt1 = $2B", "CanBusTimer = 10",  "CanSendType = 0",
    };
    EXPECT_EQ(sektion(QStringLiteral("[CanBus]")), canBus);
}

// Each page sets the keyboard's range to its one field.
TEST_F(OptionenBahnen, KeyboardFieldsOfThePages)
{
    oeffnen();
    dlg->TabControlOptionen->setCurrentIndex(TOptionen::Bahnsteuerung);
    EXPECT_EQ(FeldcodeMin, 199);
    EXPECT_EQ(FeldcodeMax, 199);
    dlg->TabControlOptionen->setCurrentIndex(TOptionen::CanBus);
    EXPECT_EQ(FeldcodeMin, 208);
    EXPECT_EQ(FeldcodeMax, 208);
    const std::pair<u16, QWidget*> felder[] = {{199, b->ETimeoutBahnw}, {208, c->ECanTimer}};
    for (const auto& [code, feld] : felder) {
        const Tastaturfeld* f = feldregister().finden(code);
        ASSERT_NE(f, nullptr) << code;
        EXPECT_EQ(f->ziel.data(), feld);
    }
    EXPECT_EQ(feldregister().finden(199)->prompt, QStringLiteral("Timeout bei Bahnwechsel:"));
    EXPECT_EQ(feldregister().finden(208)->prompt, QStringLiteral("Can Timer 1:"));
}

}  // namespace
