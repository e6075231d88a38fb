#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/AbfShutdown.h"
#include "platform/FakeCanAdapter.h"
#include "platform/FakeDruckerport.h"
#include "shell/Programmende.h"
#include "shell/ui/Progende.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The bus with a fake adapter, station 3: lanes receive on 0x600 + 8n + 2,
// the team boards on 0x30A, the name boards on 0x312.
class Programmende : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        Einst.CanBusKarte = 1;
        Einst.PcEinheit = 3;
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1);
        CanSendenZuruecksetzen();
        WindowsBeenden = 0;
    }
    void TearDown() override { WindowsBeenden = 0; Grundlage::TearDown(); }

    // Runs the send pump until the queues are empty; the frames the adapter
    // took, each as its identifier and its bytes.
    QList<QList<int>> Senden()
    {
        for (int i = 0; i < 100 && (AnzeigeSendenAktiv || BahnSendenAusstehend); ++i) CanSendenTick();
        QList<QList<int>> r;
        for (const CanRohRahmen& f : adapter.gesendet) {
            r << QList<int>{int(f.id)};
            for (int i = 0; i < f.laenge; ++i) r.back() << f.daten[std::size_t(i)];
        }
        return r;
    }

    void MatchOeffnen(u8 geaendert, u8 gestartet = 0)
    {
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Geaendert = geaendert;
        AktWettkampf->Gestartet = gestartet;
    }

    FakeCanAdapter adapter;
    CanAdapterEinsetzen m_adapter{&adapter};
};

}  // namespace

TEST_F(Programmende, RefusedWhileAMatchIsStarted)
{
    MatchOeffnen(0);
    EXPECT_TRUE(EndeDialogErlaubt());
    MatchOeffnen(0, 1);
    EXPECT_FALSE(EndeDialogErlaubt());
    AktWettkampf->Gestartet = 0;
    StartMaske = 0x0002;  // a lane is being prepared
    EXPECT_FALSE(EndeDialogErlaubt());
}

TEST_F(Programmende, SignsOffTheOnlineLanesAndTheBoards)
{
    BahnAnzahl = 4;
    for (int bahn : {1, 3, 4}) BahnDaten[bahn].BahnOnline = 1;  // 4: the last lane of the alley
    BahnDaten[5].BahnOnline = 1;                                 // beyond it
    Einst.MannschanzOn = Einst.NamenanzOn = true;
    Timer2().setEnabled(true);
    ASSERT_TRUE(ProgrammBeendenVorbereiten());
    EXPECT_FALSE(Timer2().enabled());
    EXPECT_TRUE(CanSendeTimer().enabled());  // the send pump goes on
    EXPECT_EQ(Senden(), (QList<QList<int>>{
                            {0x30A, 237, 3}, {0x312, 237, 3}, {0x60A, 37, 3}, {0x61A, 37, 3}, {0x622, 37, 3}}));
}

TEST_F(Programmende, NoLaneOnlineAndNoBoardsSendNothing)
{
    ASSERT_TRUE(ProgrammBeendenVorbereiten());
    EXPECT_TRUE(Senden().isEmpty());
    EXPECT_TRUE(EndeWarten().fertig());
}

TEST_F(Programmende, CancelledSaveQuestionAbortsTheEnd)
{
    MatchOeffnen(0);
    MatchOeffnen(1);  // current, modified: the save question comes
    BahnDaten[1].BahnOnline = 1;
    skriptBoxen().antworten << ErgebnisAbbrechen;
    EXPECT_FALSE(ProgrammBeendenVorbereiten());
    EXPECT_EQ(WettkampfAnzahl, 2);
    EXPECT_EQ(BahnSendenAusstehend, 0);

    skriptBoxen().antworten << ErgebnisNein;  // close without saving; the other is unchanged
    EXPECT_TRUE(ProgrammBeendenVorbereiten());
    EXPECT_EQ(WettkampfAnzahl, 0);
    EXPECT_EQ(BahnSendenAusstehend, 0x0001);
}

namespace {
int DruckBloecke = 0;  // blocks the fake printer queue of lane 2 still holds

bool DruckBlockSenden(int bahn)
{
    if (bahn != 2 || DruckBloecke == 0) return false;
    if (--DruckBloecke == 0) BahnDruckAusstehend = 0;
    return true;
}
}  // namespace

// The end waits for the send queues as long as frames leave, one a step even;
// a queue that stops draining holds it up 5 s more at most; a failed send or
// no bus at all is not waited for; the messages to the monitors and the
// writes into their folders are, each with a bound.
TEST_F(Programmende, WhatTheEndWaitsFor)
{
    for (int i = 0; i < 60; ++i) ASSERT_TRUE(CanNachrichtSenden1(1, u8(i)));
    EndeWarten warten;
    int schritte = 0;
    for (; !warten.fertig() && schritte < 1000; ++schritte) CanSendenTick();
    EXPECT_EQ(schritte, 60);

    // Printer blocks count as frames that leave.
    {
        DruckerSendenEinsetzen senden(&DruckBlockSenden);
        DruckBloecke = 40;
        BahnDruckAusstehend = 0x0002;
        EndeWarten drucker;
        for (schritte = 0; !drucker.fertig() && schritte < 1000; ++schritte) CanSendenTick();
    }
    EXPECT_EQ(schritte, 40);

    ASSERT_TRUE(CanNachrichtSenden1(1, 98));
    ASSERT_TRUE(CanNachrichtSenden1(1, 99));
    EndeWarten stockend;
    EXPECT_FALSE(stockend.fertig());
    CanSendenTick();  // one frame leaves, the other never does
    for (int i = 1; i < EndeWarten::MaxSchritteOhneFortschritt; ++i) EXPECT_FALSE(stockend.fertig()) << i;
    EXPECT_TRUE(stockend.fertig());

    for (auto* ergebnis : {&BahnSendeErgebnis[2], &DruckerSendeErgebnis[1]}) {
        *ergebnis = 0;
        EXPECT_TRUE(EndeWarten().fertig());
        *ergebnis = 1;
    }
    EXPECT_FALSE(EndeWarten().fertig());
    CanAktiv = 0;
    EXPECT_TRUE(EndeWarten().fertig());

    NetzBeschaeftigt = 1;
    EndeWarten netz;
    for (int i = 0; i < 40; ++i) EXPECT_FALSE(netz.fertig());
    NetzBeschaeftigt = 0;
    EXPECT_TRUE(netz.fertig());
    // A client that never answers holds the end 45 s at most.
    NetzBeschaeftigt = 30;
    EndeWarten stumm;
    for (int i = 1; i < EndeWarten::MaxSchritteNachrichten; ++i) ASSERT_FALSE(stumm.fertig()) << i;
    EXPECT_TRUE(stumm.fertig());
    NetzBeschaeftigt = 0;

    // The writes into the client folders, 20 s at most, while the messages are waited for too.
    AblageBeschaeftigt = 2;
    EndeWarten ablage;
    for (int i = 0; i < 40; ++i) EXPECT_FALSE(ablage.fertig());
    AblageBeschaeftigt = 0;
    EXPECT_TRUE(ablage.fertig());
    AblageBeschaeftigt = 1;
    NetzBeschaeftigt = 1;
    EndeWarten haengt;
    for (int i = 1; i < EndeWarten::MaxSchritteAblage; ++i) ASSERT_FALSE(haengt.fertig()) << i;
    NetzBeschaeftigt = 0;
    EXPECT_TRUE(haengt.fertig());
    AblageBeschaeftigt = 0;

    // Uploads are waited for while the server keeps answering: here a reply
    // every 100 steps (20 s), 1,000 steps in all; a server silent for 25 s
    // is given up.
    HinweisStatusleisteAus = 1;
    EndeWarten ftp;
    for (int i = 1; i <= 1000; ++i) {
        if (i % 100 == 0) ++FtpServerAntworten;
        ASSERT_FALSE(ftp.fertig()) << i;
    }
    // The step that saw the last reply counts as the first without one.
    for (int i = 2; i < EndeWarten::MaxSchritteFtpOhneFortschritt; ++i) ASSERT_FALSE(ftp.fertig()) << i;
    EXPECT_TRUE(ftp.fertig());
    EndeWarten ftpFertig;
    EXPECT_FALSE(ftpFertig.fertig());
    HinweisStatusleisteAus = 0;
    EXPECT_TRUE(ftpFertig.fertig());
}

// The sheets on a central printer are waited for, bus or none, while its
// bytes leave (one a tick here); a printer that takes nothing any more holds
// the end up 5 s at most.
TEST_F(Programmende, WaitsForTheSheetsOnACentralPrinter)
{
    FakeDruckerport port;
    DruckerportEinsetzen portEinsetzen(port);
    DruckerSendenEinsetzen senden(&DruckausgabeSenden);
    CanAktiv = 0;
    Einst.Drucker[1].Schnittstelle = 1;
    TWettkampfDaten& m = Wettkaempfe[1];
    m.ErsteSpielbahn = m.LetzteSpielbahn = 1;
    m.DrWurfblatt = m.DrZentral = 1;
    BahnDaten[1].Wettk = &m;
    WurfblattDrucker[1] = 1;
    DruckerZuordnung[1] = 1;
    DruckerportBereit[1] = 1;
    ASSERT_TRUE(DruckauftragAnhaengen(1, QByteArray(30, 'x')));
    EndeWarten warten;
    int schritte = 0;
    for (; !warten.fertig() && schritte < 1000; ++schritte) CanSendenTick();
    EXPECT_EQ(schritte, 30);
    EXPECT_EQ(port.lptDaten[0], QByteArray(30, 'x'));

    port.testAntworten = QList<std::uint8_t>(100, 1);  // not ready
    ASSERT_TRUE(DruckauftragAnhaengen(1, "y"));
    EndeWarten steht;
    for (int i = 1; i < EndeWarten::MaxSchritteOhneFortschritt; ++i) {
        CanSendenTick();
        EXPECT_FALSE(steht.fertig()) << i;
    }
    CanSendenTick();
    EXPECT_TRUE(steht.fertig());
}

// --- The dialog -------------------------------------------------------------------------

class EndDialog : public Programmende {
protected:
    void SetUp() override
    {
        Programmende::SetUp();
        dialog = std::make_unique<TProgende>(nullptr, &abschaltung);
        dialog->Beenden = [this] { ++beendet; };
    }
    void TearDown() override { dialog.reset(); Programmende::TearDown(); }

    FakeAbschaltung abschaltung;
    std::unique_ptr<TProgende> dialog;
    int beendet = 0;
};

TEST_F(EndDialog, ShutDownChoiceSurvivesHidingAndRunsOnce)
{
    WindowsBeenden = 1;
    dialog->show();
    dialog->BtnJa->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->BtnJa->isEnabled());
    EXPECT_EQ(WindowsBeenden, 1);
    dialog->TimerEnde->tick();
    EXPECT_EQ(beendet, 1);
    dialog->TimerEndeGo();
    EXPECT_EQ(beendet, 1);
    EXPECT_EQ(abschaltung.aufrufe, QList<QStringList>{(QStringList{"systemctl", "poweroff"})});
}

TEST_F(EndDialog, NoAfterTheShutDownCommandClearsIt)
{
    WindowsBeenden = 1;
    dialog->show();
    dialog->BtnNein->click();
    EXPECT_EQ(WindowsBeenden, 0);
    dialog->BtnJa->click();
    dialog->TimerEndeGo();
    EXPECT_EQ(beendet, 1);
    EXPECT_TRUE(abschaltung.aufrufe.isEmpty());
}

TEST_F(EndDialog, RefusedMatchCloseKeepsTheProgramRunning)
{
    MatchOeffnen(1);
    WindowsBeenden = 1;
    skriptBoxen().antworten << ErgebnisAbbrechen;
    dialog->BtnJa->click();
    EXPECT_TRUE(dialog->BtnJa->isEnabled());
    EXPECT_EQ(WindowsBeenden, 0);
    EXPECT_FALSE(dialog->TimerEnde->enabled());
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(beendet, 0);
}

// The end waits in steps until the sign-off frames have gone out.
TEST_F(EndDialog, WaitsInStepsWhileFramesAreQueued)
{
    BahnDaten[1].BahnOnline = 1;
    dialog->BtnJa->click();
    dialog->TimerEndeGo();
    EXPECT_EQ(beendet, 0);
    CanSendenTick();
    dialog->TimerEndeGo();
    EXPECT_EQ(beendet, 1);
    EXPECT_EQ(fenster.aufrufe.count(QStringLiteral("anzeige zu")), 1);  // the result board closes
}
