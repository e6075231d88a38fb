#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanEmpfang.h"
#include "match/print/Druckdienste.h"
#include "match/flow/TimerModul.h"
#include "match/lanes/Wurfliste.h"
#include "support/CanTestUmgebung.h"
#include "support/Dateigrenze.h"
#include "support/Teilstart.h"
#include "support/Sendepuffer.h"

#include <QTemporaryDir>
#include <utility>

namespace {

int g_warnungen = 0;
void WarnungZaehlen(QtMsgType typ, const QMessageLogContext&, const QString&)
{
    if (typ == QtWarningMsg) ++g_warnungen;
}

class CanEmpfang : public CanUmgebung {
protected:
    void SetUp() override
    {
        CanUmgebung::SetUp();
        BahnAnzahl = 4;
    }
    void empfangen(int bahn, std::initializer_list<u8> bytes)
    {
        CanRohRahmen r;
        r.id = 0x200 + 8 * u32(bahn);
        for (u8 b : bytes) r.daten[r.laenge++] = b;
        adapter.empfangen << r;
    }
    // A started match on lanes 1..4.
    TWettkampfDaten& spiel()
    {
        TWettkampfDaten& m = Wettkaempfe[1];
        m.ErsteSpielbahn = 1, m.LetzteSpielbahn = 4, m.Gestartet = 1;
        m.Volle = m.Abraeumen = 15, m.WettkampfNummer = 0x21;
        for (int b = 1; b <= 4; ++b) BahnDaten[b].Wettk = &m;
        return m;
    }
    QList<QList<int>> gesendet(int bahn) const
    {
        return GesendeteRahmen<QList<QList<int>>>(bahn);
    }
};

}  // namespace

TEST_F(CanEmpfang, OnlyTheSixteenLaneIdentifiersAreTaken)
{
    const std::pair<u32, int> faelle[] = {{0x208, 1}, {0x210, 2}, {0x280, 16}, {0x200, 0},
                                          {0x209, 0}, {0x288, 0}, {0x608, 0},  {0x20F, 0}};
    for (auto [id, bahn] : faelle) EXPECT_EQ(BahnVonCanId(id), bahn) << std::hex << id;

    LogAufnahme log;
    CanLogEinsetzen logEin(&log);
    Einst.CANAufzeichnen = Einst.CANIn = Einst.CANBahnsteuerung = Einst.CANWuerfe = true;
    Einst.CANBahn.fill(true);
    for (u32 id : {0x288u, 0x209u}) adapter.empfangen << CanRohRahmen{id, 2, {38, 0}};
    CanNachrichtLesen();
    CanNachrichtLesen();
    EXPECT_TRUE(log.zeilen.isEmpty());
    EXPECT_TRUE(adapter.empfangen.isEmpty());
}

// A tick reads every waiting frame. A throw of a started match holds its lane
// until the end-of-lane check: the lane's later frames wait in order, other
// lanes go on; foreign identifiers take no place in the queue.
TEST_F(CanEmpfang, AThrowHoldsOnlyItsLaneUntilTheLaneCheck)
{
    spiel();
    empfangen(2, {1, 0x7F, 0x03, 0x00});
    empfangen(2, {38});
    empfangen(3, {38});
    adapter.empfangen << CanRohRahmen{0x209, 1, {38}};
    empfangen(2, {1, 0x05, 0x01, 0x00});
    empfangen(1, {38});
    CanNachrichtLesen();
    EXPECT_TRUE(adapter.empfangen.isEmpty());
    EXPECT_EQ(BahnDaten[2].WurfBild, 0x41FF);  // nine pins, the picture present
    EXPECT_EQ(BahnDaten[2].WurfOffen, 1);
    EXPECT_EQ(WurfGesehen, 0x0002);
    EXPECT_EQ((QList<int>{BahnDaten[1].BahnOnline, BahnDaten[2].BahnOnline, BahnDaten[3].BahnOnline}),
              (QList<int>{1, 0, 1}));
    EXPECT_EQ(CanEmpfangWartend(2), 2);
    EXPECT_EQ(CanEmpfangWartend(), 2);
    CanNachrichtLesen();  // still held
    EXPECT_EQ(BahnDaten[2].WurfBild, 0x41FF);
    EXPECT_EQ(BahnDaten[2].BahnOnline, 0);

    Timer2Go();  // the end-of-lane check ran
    EXPECT_EQ(WurfGesehen, 0);
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[2].BahnOnline, 1);
    EXPECT_EQ(BahnDaten[2].WurfBild, 0x4085);  // pins 1, 3 and 8
    EXPECT_EQ(WurfGesehen, 0x0002);
    EXPECT_EQ(CanEmpfangWartend(), 0);
}

// A held lane that keeps sending fills its queue; what does not fit is
// dropped and counted, with one warning, and other lanes go on.
TEST_F(CanEmpfang, AFloodBeyondTheQueueIsDroppedAndCounted)
{
    spiel();
    empfangen(1, {1, 0x01, 0x00, 0x00});
    for (int i = 1; i <= EmpfangWartePlaetze + 5; ++i) empfangen(1, {42, u8(i >> 8), u8(i)});
    empfangen(4, {38});
    g_warnungen = 0;
    const QtMessageHandler alt = qInstallMessageHandler(&WarnungZaehlen);
    CanNachrichtLesen();
    qInstallMessageHandler(alt);
    EXPECT_TRUE(adapter.empfangen.isEmpty());
    EXPECT_EQ(BahnDaten[4].BahnOnline, 1);
    EXPECT_EQ(CanEmpfangWartend(1), EmpfangWartePlaetze);
    EXPECT_EQ(CanEmpfangVerworfen, 5u);
    EXPECT_EQ(g_warnungen, 1);
    Timer2Go();
    CanNachrichtLesen();
    EXPECT_EQ(CanEmpfangWartend(), 0);
    EXPECT_EQ(BahnDaten[1].StatusWort, EmpfangWartePlaetze);  // the last that was kept
}

// A lane's whole part in one tick, as the controllers send what they held
// during an outage: 100 throws, each with its status word, then the part end.
// The queue keeps all of it; the part is booked throw by throw to its end.
TEST_F(CanEmpfang, AWholePartInOneTickIsBookedToItsEnd)
{
    TWettkampfDaten& m = spiel();
    m.Volle = m.Abraeumen = 50;
    TeilLaeuft(m, 1, 1);
    for (int t = 1; t <= 100; ++t) {
        empfangen(1, {1, u8(t <= 50 ? 0x7F : 0x01), u8(t <= 50 ? 0x03 : 0x00), 0});  // Volle 9, Abräumen 1
        empfangen(1, {42, 0, 0});
    }
    empfangen(1, {34, 't'});
    Timer3Go();
    EXPECT_TRUE(adapter.empfangen.isEmpty());
    EXPECT_EQ(CanEmpfangVerworfen, 0u);
    for (int takt = 0; takt < 110 && !BahnDaten[1].TeilBeendet; ++takt) {
        Timer2Go();
        Timer3Go();
    }
    const TDurchgangBlock& b = m.Spieler[1].Durchgang[1];
    EXPECT_EQ(BahnDaten[1].TeilBeendet, 1);
    EXPECT_EQ(BahnDaten[1].WurfNr, 100);
    EXPECT_EQ(b.Wurf.Zahl, 100);
    EXPECT_EQ((QList<int>{b.Volle.Zahl, b.Abr.Zahl, m.Spieler[1].Total.Zahl}), (QList<int>{450, 50, 500}));
    EXPECT_EQ(CanEmpfangWartend(), 0);
    EXPECT_EQ(CanEmpfangVerworfen, 0u);
}

// The operator stops a lane while its throws are still on their way: the
// check leaves a throw of a stopped lane open, so the next throw and the
// part's end each book it first. Three throws of 9, 5 and 1 pins and the
// part end arrive while the lane is stopped: all three are booked, in order.
TEST_F(CanEmpfang, ThrowsOfAStoppedLaneAreNotLost)
{
    TWettkampfDaten& m = spiel();
    m.Volle = m.Abraeumen = 2;
    TeilLaeuft(m, 1, 1);
    BahnDaten[1].BahnGestoppt = 1;
    empfangen(1, {1, 0x7F, 0x03, 0x00});  // nine
    empfangen(1, {1, 0x1F, 0x00, 0x00});  // five
    empfangen(1, {1, 0x01, 0x00, 0x00});  // one
    empfangen(1, {34, 't'});
    for (int takt = 0; takt < 10; ++takt) {
        Timer3Go();
        Timer2Go();
    }
    EXPECT_EQ(BahnDaten[1].TeilBeendet, 1);
    const TDurchgangBlock& b = m.Spieler[1].Durchgang[1];
    EXPECT_EQ(b.Wurf.Zahl, 3);
    EXPECT_EQ((QList<int>{WurfKegelzahl(b.Wurfbild[1]), WurfKegelzahl(b.Wurfbild[2]), WurfKegelzahl(b.Wurfbild[3])}),
              (QList<int>{9, 5, 1}));
    EXPECT_EQ((QList<int>{b.Volle.Zahl, b.Abr.Zahl, m.Spieler[1].Total.Zahl}), (QList<int>{14, 1, 15}));
}

// At the full rate of a 125 kbit/s bus (48 frames a tick: throws of all 16
// lanes, the lanes' status words, frames of other stations) every throw is
// booked by the second end-of-lane check after its frame, in the lane's order,
// also when a lane throws twice within a tick.
TEST_F(CanEmpfang, ThrowsAtTheBusRateAreBookedWithinTwoTicks)
{
    BahnAnzahl = 16;
    TWettkampfDaten& m = spiel();
    m.LetzteSpielbahn = 16;
    m.Volle = m.Abraeumen = 50;
    for (int b = 1; b <= 16; ++b) TeilLaeuft(m, b, b);
    Array1<QList<u16>, MaxBahnen> geworfen;  // pin words offered, per lane
    Array1<int, MaxBahnen> faellig;          // throws to be booked by the end of this tick
    for (int takt = 0; takt < 40; ++takt) {
        for (int b = 1; b <= 16; ++b) faellig[b] = int(geworfen[b].size());
        for (int i = 0; i < 48; ++i) {
            const int b = 1 + (takt * 3 + i) % 16;
            if (i % 17 == 0 || (i == 1 && takt % 4 == 0)) {  // three lanes throw, one of them twice
                const u8 pins = u8(1 + (takt * 16 + i) % 127);
                geworfen[b] << u16(WurfbildVorhanden | pins);
                empfangen(b, {1, pins, 0, 0});
            } else if (i % 3 == 0) {
                empfangen(b, {42, 0, 0});
            } else {
                adapter.empfangen << CanRohRahmen{0x600 + 8 * u32(b) + 1, 2, {42, 0}};
            }
        }
        Timer3Go();
        Timer2Go();
        for (int b = 1; b <= 16; ++b) ASSERT_GE(BahnDaten[b].WurfNr, faellig[b]) << "tick " << takt << ", lane " << b;
    }
    Timer3Go();
    Timer2Go();
    for (int b = 1; b <= 16; ++b) {
        QList<u16> gebucht;
        for (int t = 1; t <= BahnDaten[b].WurfNr; ++t) gebucht << m.Spieler[b].Durchgang[1].Wurfbild[t];
        EXPECT_EQ(gebucht, geworfen[b]) << "lane " << b;
    }
    EXPECT_EQ(CanEmpfangVerworfen, 0u);
}

TEST_F(CanEmpfang, FoulThrowsAndThrowsThatCountZero)
{
    const struct { u8 flags; int holz; u16 wurfFlags; u8 fehlwurfHolz; } faelle[] = {{0x03, 0, 0x203, 1}, {0x01, 0, 0x01, 0}, {0x02, 3, 0x02, 0}, {0x00, 3, 0x00, 0}};
    for (const auto& f : faelle) {
        BahnDaten[1].FehlwurfHolz = 0;
        empfangen(1, {1, 0x07, 0x00, f.flags});
        CanNachrichtLesen();
        EXPECT_EQ(BahnDaten[1].WurfHolz, f.holz) << int(f.flags);
        EXPECT_EQ(BahnDaten[1].WurfFlags, f.wurfFlags) << int(f.flags);
        EXPECT_EQ(BahnDaten[1].FehlwurfHolz, f.fehlwurfHolz) << int(f.flags);
        EXPECT_EQ(WurfGesehen, 0);  // no match: no gate
    }
    BahnDaten[1].ZeitGeaendert = 1;
    empfangen(1, {1, 0x01, 0x00, 0x00});
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].WurfFlags, 0x100);
    empfangen(1, {1, 0x01, 0x00, 0x50});  // booked at once as a zero throw
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].WurfOffen, 0);
}

TEST_F(CanEmpfang, AShortFrameTakesNoBytesOfTheFrameBefore)
{
    Einst.WurfzeitBahn = true;
    empfangen(1, {1, 0x01, 0x00, 0x00, 0x01, 0x2C});
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].BahnWurfzeit, 300);
    empfangen(1, {1, 0x03});  // pins 1 and 2; no flags, no time
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].WurfHolz, 2);
    EXPECT_EQ(BahnDaten[1].WurfFlags, 0);
    EXPECT_EQ(BahnDaten[1].BahnWurfzeit, 300);
}

TEST_F(CanEmpfang, LaneStateFromItsMessages)
{
    TWettkampfDaten& m = spiel();
    // Status word: practice, time and overstep state, stopped.
    const struct { u8 hoch, tief, probe, zeit, uebertritt, gestoppt; } status[] = {{0x01, 0x0A, 1, 2, 0, 0}, {0x4C, 0x05, 0, 1, 2, 1}};
    for (const auto& f : status) {
        empfangen(1, {42, f.hoch, f.tief});
        CanNachrichtLesen();
        const TBahnDaten& l = BahnDaten[1];
        EXPECT_EQ((QList<int>{l.ProbeLaeuft, l.ZeitStatus, l.UebertrittStatus, l.BahnGestoppt}),
                  (QList<int>{f.probe, f.zeit, f.uebertritt, f.gestoppt}));
    }
    // The lane's time [34, 'H', high, low] in tenths of a minute.
    Einst.WurfzeitBahn = true;
    empfangen(1, {34, 'H', 0x01, 0x2D});
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].BahnWurfzeit, 301);

    // The reported match number: none, or the running match (else a foreign one).
    BahnDaten[2].BahnStatus = 2, BahnDaten[3].BahnStatus = 3;
    empfangen(2, {10, 0});
    empfangen(3, {10, 0});
    empfangen(4, {10, 0x21});
    for (int i = 0; i < 3; ++i) CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[2].BahnStatus, 2);
    EXPECT_EQ(BahnDaten[3].BahnStatus, 0);
    EXPECT_EQ(BahnDaten[4].BahnStatus, 2);
    m.Gestartet = 0;
    empfangen(4, {10, 0x21});
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[4].BahnStatus, 3);
}

// The match number of the running match clears the lane's part values of a
// lane that comes to its next part; a lane registered again in the middle of
// its part (after a restart and the state replay) keeps them.
TEST_F(CanEmpfang, MatchNumberClearsThePartOnlyBetweenParts)
{
    spiel();
    for (int b : {1, 2}) {
        BahnDaten[b].WurfNr = 5, BahnDaten[b].BahnGesamt = 30, BahnDaten[b].BahnStatus = 3;
        empfangen(b, {10, 0x21});
    }
    BahnDaten[2].BahnGestartet = BahnDaten[2].TeilLaeuft = 1;
    CanNachrichtLesen();
    CanNachrichtLesen();
    EXPECT_EQ(BahnDaten[1].WurfNr + BahnDaten[1].BahnGesamt, 0);
    EXPECT_EQ(BahnDaten[2].WurfNr + BahnDaten[2].BahnGesamt, 5 + 30);
}

// Mode 1: the last lane to end its practice starts the lanes in play; lanes
// of the range that the round leaves idle get no start.
TEST_F(CanEmpfang, PracticeEndStartsOnlyTheLanesInPlay)
{
    Einst.Bahnsteuerung = 1;
    TWettkampfDaten& m = spiel();
    m.Volle = 3, m.Abraeumen = 2, m.Wurfzeit = 12;
    for (int b : {1, 2}) m.BahnImSpiel[b] = 1, BahnDaten[b].BahnSpieler = &m.Spieler[b == 1 ? 1 : 9];
    m.Spieler[1].IstHeim = BahnDaten[2].ProbeLaeuft = 1;
    empfangen(2, {34, '_'});
    CanNachrichtLesen();
    EXPECT_EQ(m.Spielphase, PhaseSpiel);
    EXPECT_EQ(gesendet(1), (QList<QList<int>>{{34, 'a', 3, 2, 12, 1}}));
    EXPECT_EQ(gesendet(2), (QList<QList<int>>{{34, 'a', 3, 2, 12, 0}}));
    EXPECT_EQ(BahnSendeAnzahl[3] + BahnSendeAnzahl[4], 0);
}

TEST_F(CanEmpfang, InLinesFollowTheFilters)
{
    LogAufnahme log;
    CanLogEinsetzen logEin(&log);
    Einst.CANAufzeichnen = Einst.CANIn = Einst.CANWuerfe = true;
    Einst.CANBahn[3] = true;
    empfangen(3, {0x01, 0x7F, 0x03, 0x10, 0x00, 0xC8});
    empfangen(3, {38});
    empfangen(2, {1, 0x01, 0, 0});
    for (int i = 0; i < 3; ++i) CanNachrichtLesen();
    EXPECT_EQ(log.zeilen, QList<QByteArray>{"In  Bahn  3   6 Bytes  14:05:09   01 7F 03 10 00 C8"});
}

// The whole restart match (mode 2) plays the state replay; here the values
// beyond a byte, which its short parts never reach, and mode 1.
TEST_F(CanEmpfang, ALaneThatRestartedGetsItsStateAgain)
{
    Einst.Bahnsteuerung = 2;
    TWettkampfDaten& m = spiel();
    m.Volle = 2, m.Abraeumen = 3, m.Wurfzeit = 12;
    TSpielerEintrag& p = m.Spieler[9];
    p.AktDurchgang = &p.Durchgang[1];
    p.Volle.Zahl = 300, p.Total.Zahl = 0x1234, p.Wurf.Zahl = 40;
    TBahnDaten& l = BahnDaten[2];
    l.BahnSpieler = &p, l.SpielerNr = 9, l.WurfNr = 4, l.BahnTotal = 500;
    p.AktDurchgang->Wurfbild[3] = 0x4003;
    p.AktDurchgang->Wurfbild[4] = 0x4104;
    empfangen(2, {14});
    CanNachrichtLesen();
    const QList<QList<int>> f = gesendet(2);
    ASSERT_EQ(f.size(), 21);
    EXPECT_EQ(f.at(4), (QList<int>{0x31, 0x01, 0x2C, 9}));
    EXPECT_EQ(f.at(11), (QList<int>{0x38, 0x12, 0x34, 9}));
    EXPECT_EQ(f.at(17), (QList<int>{0x41, 0x41, 0x07}));  // throws 4 and 3, high byte first

    Einst.Bahnsteuerung = 1;  // only in mode 2
    CanSendenZuruecksetzen();
    empfangen(2, {14});
    CanNachrichtLesen();
    EXPECT_EQ(BahnSendeAnzahl[2], 0);
}

TEST_F(CanEmpfang, PrinterSwitchesFollowTheSheetOptions)
{
    TWettkampfDaten& m = spiel();
    m.DrWurfblatt = m.DrZweiBahnen = 1;
    empfangen(3, {196});  // on for the lane pair
    CanNachrichtLesen();
    EXPECT_EQ((QList<int>{WurfblattDrucker[2], WurfblattDrucker[3], WurfblattDrucker[4]}), (QList<int>{0, 1, 1}));
    m.DrZweiBahnen = 0, m.DrZentral = 1;
    empfangen(1, {196});  // on for every lane of the match
    CanNachrichtLesen();
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(WurfblattDrucker[b], 1) << b;
    empfangen(2, {197});
    CanNachrichtLesen();
    EXPECT_EQ(WurfblattDrucker[2], 0);
    EXPECT_EQ(WurfblattDrucker[1], 1);
}

TEST(CanLogDatei, NameAndLines)
{
    // The German short date "dd.mm.yyyy" and the long time "hh:nn:ss".
    const std::pair<QDateTime, const char*> namen[] = {
        {QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9)), "CAN 05_03_2026_14_05_09.dat"},
        {QDateTime(QDate(2026, 3, 5), QTime(13, 4, 9)), "CAN 05_03_2026_13_04_09.dat"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "CAN 31_12_1999_23_59_59.dat"},
        {QDateTime(QDate(2100, 1, 1), QTime(0, 0, 0)), "CAN 01_01_2100_00_00_00.dat"},
    };
    for (const auto& [zeit, name] : namen) EXPECT_EQ(CanLogDatei::dateiname(zeit), QLatin1String(name));
    QTemporaryDir dir;
    CanLogDatei datei;
    ASSERT_TRUE(datei.oeffnen(dir.path(), QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9))));
    datei.zeile("Spielbeginn Bahn 1");
    datei.zeile("Marke");
    datei.schliessen();
    EXPECT_EQ(datei.pfad(), dir.filePath(QStringLiteral("CAN 05_03_2026_14_05_09.dat")));
    QFile f(datei.pfad());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Spielbeginn Bahn 1\r\nMarke\r\n"));
    EXPECT_FALSE(datei.oeffnen(dir.filePath(QStringLiteral("fehlt")), QDateTime::currentDateTime()));
}

// On a full disk the log ends with the last whole line, with one warning.
TEST(CanLogDatei, AFullDiskEndsTheLogAfterTheLastWholeLine)
{
    QTemporaryDir dir;
    CanLogDatei datei;
    ASSERT_TRUE(datei.oeffnen(dir.path(), QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9))));
    g_warnungen = 0;
    const QtMessageHandler alt = qInstallMessageHandler(&WarnungZaehlen);
    {
        Dateigrenze voll(30);
        ASSERT_TRUE(voll.gesetzt());
        datei.zeile("Spielbeginn Bahn 1");  // 20 bytes
        datei.zeile("In  Bahn  1   2 Bytes");  // would end at byte 43
        datei.zeile("Marke");
    }
    datei.zeile("Marke");
    qInstallMessageHandler(alt);
    EXPECT_FALSE(datei.offen());
    EXPECT_EQ(g_warnungen, 1);
    QFile f(datei.pfad());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Spielbeginn Bahn 1\r\n"));
}
