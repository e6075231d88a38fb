#include "core/Zeitgeber.h"
#include "support/CanTestUmgebung.h"

using CanSenden = CanUmgebung;

TEST_F(CanSenden, IdentifiersFollowTheStationNumber)
{
    const struct {
        u8 pcEinheit;
        u32 bahn1, bahn16, mannsch, namen;
    } faelle[] = {
        {0, 0x608, 0x680, 0x308, 0x310}, {1, 0x608, 0x680, 0x308, 0x310}, {9, 0x608, 0x680, 0x308, 0x310},
        {2, 0x609, 0x681, 0x309, 0x311}, {8, 0x60F, 0x687, 0x30F, 0x317},
    };
    for (const auto& f : faelle) {
        Einst.PcEinheit = f.pcEinheit;
        CanTabellenSetzen();
        EXPECT_EQ(CanSendeBahn[1].Id, f.bahn1) << int(f.pcEinheit);
        EXPECT_EQ(CanSendeBahn[16].Id, f.bahn16);
        EXPECT_EQ(MannschanzCanId, f.mannsch);
        EXPECT_EQ(NamenanzCanId, f.namen);
        EXPECT_EQ(CanSendeDrucker[3].Id, 0x718u);  // printers carry no station offset
    }
}

// Send type 0: one frame a tick, lowest lane first; type 1: one frame a lane and tick.
TEST_F(CanSenden, FramesPerTickFollowTheSendType)
{
    BahnAnzahl = 8;
    for (u8 typ : {0, 1}) {
        SCOPED_TRACE(int(typ));
        adapter.gesendet.clear();
        Einst.CanSendType = typ;
        for (u8 i = 1; i <= 3; ++i) CanNachrichtSenden1(5, 50 + i);
        for (u8 i = 1; i <= 2; ++i) CanNachrichtSenden1(2, 20 + i);
        for (int t = 0; t < 3; ++t) CanSendenTick();
        EXPECT_EQ(gesendeteKinds(), (typ ? QList<int>{21, 51, 22, 52, 53} : QList<int>{21, 22, 51}));
        EXPECT_EQ(adapter.gesendet.at(0).id, 0x610u);
        EXPECT_EQ(adapter.gesendet.at(typ ? 1 : 2).id, 0x628u);
        for (int t = 0; t < (typ ? 0 : 2); ++t) CanSendenTick();  // type 1 sent all five in three ticks
        EXPECT_EQ(BahnSendenAusstehend, 0);
        EXPECT_TRUE(CanSendeTimer().enabled());  // on after it sent something
        CanSendenTick();
        EXPECT_FALSE(CanSendeTimer().enabled());
        EXPECT_EQ(adapter.gesendet.size(), 5);
    }
}

// Board frames go before the lanes'; a refused one is sent again.
TEST_F(CanSenden, BoardFramesGoFirstAndARefusedOneIsSentAgain)
{
    CanNachrichtSenden1(1, 38);
    AnzeigeNachrichtSenden2(NamenanzCanId, 236, 0);
    adapter.annehmen = {false};
    CanSendenTick();
    EXPECT_EQ(AnzeigeSendenAktiv, 1);
    CanSendenTick();
    ASSERT_EQ(adapter.gesendet.size(), 1);
    const CanRohRahmen& r = adapter.gesendet.at(0);
    EXPECT_EQ((std::vector<u32>{r.id, r.daten[0], r.laenge}), (std::vector<u32>{NamenanzCanId, 236, 2}));
    EXPECT_EQ(AnzeigeSendenAktiv, 0);
    CanSendenTick();
    EXPECT_EQ(gesendeteKinds(), (QList<int>{236, 38}));
}

TEST_F(CanSenden, ARefusedFrameIsSentAgainAndBlocksTheLane)
{
    for (u8 k : {1, 2, 3}) CanNachrichtSenden1(3, k);
    adapter.annehmen = {true, false, false, true, true};
    for (int t = 0; t < 4; ++t) CanSendenTick();
    EXPECT_EQ(gesendeteKinds(), (QList<int>{1, 2}));
    EXPECT_NE(BahnSendenAusstehend & 0x4, 0);
    CanSendenTick();
    EXPECT_EQ(gesendeteKinds(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(BahnSendenAusstehend, 0);
    EXPECT_EQ(adapter.versuche, 5);
}

TEST_F(CanSenden, NothingIsQueuedWithoutBusOrForAnUnknownLane)
{
    CanAktiv = 0;
    EXPECT_FALSE(CanNachrichtSenden2(1, 36, 0));
    EXPECT_FALSE(AnzeigeNachrichtSenden2(NamenanzCanId, 237, 0));
    EXPECT_EQ(BahnSendenAusstehend, 0);
    EXPECT_EQ(BahnSendeAnzahl[1], 0);
    EXPECT_FALSE(CanSendeTimer().enabled());

    CanAktiv = 1;
    BahnAnzahl = 4;
    EXPECT_FALSE(CanNachrichtSenden1(5, 38));
    EXPECT_FALSE(CanNachrichtSenden1(0, 38));
    EXPECT_FALSE(CanNachrichtSenden(1, CanDaten{}));  // no kind byte
    EXPECT_EQ(BahnSendenAusstehend, 0);
    EXPECT_EQ(CanSendeVerworfen, 3u);
}

TEST_F(CanSenden, AFullQueueRefusesTheNewFrameAndKeepsTheOthers)
{
    for (int i = 0; i < BahnPufferGroesse; ++i) ASSERT_TRUE(CanNachrichtSenden2(2, 7, u8(i)));
    EXPECT_FALSE(CanNachrichtSenden2(2, 7, 200));
    EXPECT_EQ(CanSendeVerworfen, 1u);
    EXPECT_EQ(BahnSendeAnzahl[1], 0);  // lane 1 untouched
    CanSendenTick();
    ASSERT_TRUE(CanNachrichtSenden2(2, 7, 128));  // room for one again
    for (int t = 0; t < BahnPufferGroesse + 1; ++t) CanSendenTick();
    ASSERT_EQ(adapter.gesendet.size(), BahnPufferGroesse + 1);
    for (int i = 0; i <= BahnPufferGroesse; ++i) EXPECT_EQ(adapter.gesendet.at(i).daten[1], i) << i;
    EXPECT_EQ(BahnSendenAusstehend, 0);

    for (int i = 0; i < AnzeigePufferGroesse; ++i) ASSERT_TRUE(AnzeigeNachrichtSenden2(NamenanzCanId, 234, u8(i)));
    EXPECT_FALSE(AnzeigeNachrichtSenden2(NamenanzCanId, 234, 0));
    for (int t = 0; t < AnzeigePufferGroesse; ++t) CanSendenTick();
    for (int i = 0; i < AnzeigePufferGroesse; ++i)
        EXPECT_EQ(adapter.gesendet.at(BahnPufferGroesse + 1 + i).daten[1], i);
    EXPECT_EQ(AnzeigeSendenAktiv, 0);
}

// Opening the adapter again (the options dialog on OK) keeps what waits for
// the lanes and the boards; it goes out under the station now in use.
TEST_F(CanSenden, ReopeningKeepsWhatIsQueued)
{
    BahnAnzahl = 8;
    CanNachrichtSenden1(1, 1);
    CanNachrichtSenden1(1, 2);
    CanNachrichtSenden1(8, 8);
    AnzeigeNachrichtSenden2(NamenanzCanId, 236, 0);
    adapter.annehmen = {true, false};
    CanSendenTick();  // the board frame
    CanSendenTick();  // lane 1's first frame refused
    AnzeigeNachrichtSenden2(NamenanzCanId, 237, 0);
    Einst.PcEinheit = 3;
    BahnAnzahl = 4;  // lane 8 is gone: its frame can never go out
    CanKarteOeffnen();
    EXPECT_EQ(BahnSendenAusstehend, 0x0001);
    EXPECT_TRUE(CanSendeTimer().enabled());
    for (int t = 0; t < 4; ++t) CanSendenTick();
    EXPECT_EQ(gesendeteKinds(), (QList<int>{236, 237, 1, 2}));
    // Station 3: boards on 0x310 + 2, lane 1 on 0x600 + 8 + 2.
    EXPECT_EQ(adapter.gesendet.at(1).id, 0x312u);
    EXPECT_EQ(adapter.gesendet.at(2).id, 0x60Au);
    EXPECT_EQ(adapter.gesendet.at(3).id, 0x60Au);
    EXPECT_EQ(BahnSendenAusstehend, 0);
    EXPECT_EQ(AnzeigeSendenAktiv, 0);
}

TEST_F(CanSenden, OutLinesOfTheTrafficLog)
{
    LogAufnahme log;
    CanLogEinsetzen logEin(&log);
    Einst.CANAufzeichnen = Einst.CANOut = Einst.CANBahnsteuerung = true;
    Einst.CANBahn[3] = true;
    Einst.CANNamenanzeige = true;
    BahnAnzahl = 12;
    CanNachrichtSenden6(3, 34, 0x61, 25, 25, 20, 1);
    CanNachrichtSenden1(12, 38);  // lane 12 not logged
    AnzeigeNachrichtSenden2(NamenanzCanId, 236, 0);
    AnzeigeNachrichtSenden2(MannschanzCanId, 236, 0);  // team boards not logged
    adapter.annehmen = {true, true, true, false, true};
    for (int t = 0; t < 6; ++t) CanSendenTick();
    EXPECT_EQ(log.zeilen, (QList<QByteArray>{
                              "Out Namen    2 Bytes  14:05:09   EC 00",
                              "Out Bahn  3   6 Bytes  14:05:09   22 61 19 19 14 01",
                          }));
    Einst.CANBahn[12] = true;
    CanNachrichtSenden1(12, 39);
    CanSendenTick();
    EXPECT_EQ(log.zeilen.last(), QByteArray("Out Bahn 12   1 Bytes  14:05:09   27"));
}

TEST_F(CanSenden, PrinterOutputTakesItsTurnAfterTheLane)
{
    static int druckerRahmen;
    druckerRahmen = 2;
    DruckerSendenEinsetzen drucker([](int bahn) {
        if (bahn != 2 || druckerRahmen == 0) return false;
        --druckerRahmen;
        return true;
    });
    CanNachrichtSenden1(2, 38);
    CanSendenTick();  // the lane frame, then a printer frame per tick
    EXPECT_EQ(druckerRahmen, 2);
    for (int t = 0; t < 2; ++t) CanSendenTick();
    EXPECT_EQ(druckerRahmen, 0);
    EXPECT_TRUE(CanSendeTimer().enabled());
    CanSendenTick();
    EXPECT_FALSE(CanSendeTimer().enabled());
}

// A refresh takes the place of the queued one of its key while only
// refreshes wait behind that one; a frame the lane acts upon in between
// keeps both, in order.
TEST_F(CanSenden, ANewerRefreshStandsInForTheQueuedOneOfItsKey)
{
    using namespace CanRahmen;
    CanNachrichtSenden(1, Steuerbefehl(BefehlStart));
    CanNachrichtSenden(1, BahnanzeigeSatzpunkte(0.5f));
    CanNachrichtSenden(1, BahnanzeigeWert(AnzSumme, 120));
    CanNachrichtSenden(1, MannschaftssummeHeim(300));
    CanNachrichtSenden(1, BahnanzeigeSatzpunkte(1.0f));      // in place of 0.5
    CanNachrichtSenden(1, BahnanzeigeWert(AnzSumme, 127));   // in place of 120
    CanNachrichtSenden(1, BahnanzeigeKorrektur(3, 7, 5));    // acted upon
    CanNachrichtSenden(1, BahnanzeigeSatzpunkte(0.0f));      // behind it: queued
    CanNachrichtSenden(1, MannschaftssummeHeim(310));        // behind it: queued
    CanNachrichtSenden(1, MannschaftssummeHeim(317));        // in place of 310
    EXPECT_EQ(BahnSendeAnzahl[1], 7);
    EXPECT_EQ(CanSendeErsetzt, 3u);
    for (int t = 0; t < 7; ++t) CanSendenTick();
    const std::vector<CanDaten> gesendet = gesendeteDaten();
    EXPECT_EQ(gesendet, (std::vector<CanDaten>{{34, 'a'},
                                               {35, 167, 1, 0},
                                               {35, 163, 0, 1, 2, 7},
                                               {211, 1, 44},
                                               {35, 169, 3, 7, 5},
                                               {35, 167, 0, 0},
                                               {211, 1, 61}}));
    EXPECT_EQ(CanSendeVerworfen, 0u);
}

// The refresh to be replaced is the oldest frame of the queue: alone, or
// with refreshes of other keys behind it. The newer one takes its place.
TEST_F(CanSenden, ARefreshReplacesTheOldestFrameOfTheQueue)
{
    using namespace CanRahmen;
    const struct {
        const char* was;
        std::vector<CanDaten> dahinter;
    } faelle[] = {
        {"allein", {}},
        {"mit anderen dahinter", {{35, 161, 0, 1, 2}, {211, 1, 44}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        CanSendenZuruecksetzen();
        adapter.gesendet.clear();
        ASSERT_TRUE(CanNachrichtSenden(4, BahnanzeigeWert(AnzSumme, 120)));
        for (const CanDaten& d : f.dahinter) ASSERT_TRUE(CanNachrichtSenden(4, d));
        ASSERT_TRUE(CanNachrichtSenden(4, BahnanzeigeWert(AnzSumme, 127)));
        EXPECT_EQ(BahnSendeAnzahl[4], 1 + int(f.dahinter.size()));
        EXPECT_EQ(CanSendeErsetzt, 1u);
        for (int t = 0; t < 4; ++t) CanSendenTick();
        const std::vector<CanDaten> gesendet = gesendeteDaten();
        std::vector<CanDaten> soll{{35, 163, 0, 1, 2, 7}};
        soll.insert(soll.end(), f.dahinter.begin(), f.dahinter.end());
        EXPECT_EQ(gesendet, soll);
    }
}

// A full queue gives its oldest refresh up for a frame the lane acts upon;
// with none left to give up, the frame is refused.
TEST_F(CanSenden, AFullQueueGivesARefreshUpForAFrameTheLaneActsUpon)
{
    using namespace CanRahmen;
    CanNachrichtSenden(2, BahnanzeigeWert(AnzWurfNr, 1));
    CanNachrichtSenden(2, Steuerbefehl(BefehlHalt));
    CanNachrichtSenden(2, BahnanzeigeSatzpunkte(0.5f));
    for (int i = 3; i < BahnPufferGroesse; ++i) ASSERT_TRUE(CanNachrichtSenden2(2, 7, u8(i)));
    EXPECT_FALSE(CanNachrichtSenden(2, BahnanzeigeWert(AnzHolz, 9)));  // a refresh finds no room
    EXPECT_TRUE(CanNachrichtSenden2(2, 7, 200));                       // 35/161 gives way
    EXPECT_TRUE(CanNachrichtSenden2(2, 7, 201));                       // 35/167 gives way
    EXPECT_FALSE(CanNachrichtSenden2(2, 7, 202));
    EXPECT_EQ(CanSendeVerworfen, 4u);
    EXPECT_EQ(BahnSendeAnzahl[2], BahnPufferGroesse);
    for (int t = 0; t < BahnPufferGroesse; ++t) CanSendenTick();
    QList<int> zweite;
    for (const CanRohRahmen& r : adapter.gesendet) zweite << r.daten[1];
    QList<int> erwartet{'n'};
    for (int i = 3; i < BahnPufferGroesse; ++i) erwartet << i;
    erwartet << 200 << 201;
    EXPECT_EQ(zweite, erwartet);
    EXPECT_EQ(BahnSendenAusstehend, 0);
}
