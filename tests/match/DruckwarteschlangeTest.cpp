#include "match/print/Druckwarteschlange.h"

#include "core/Boxes.h"
#include "core/Zeitgeber.h"
#include "match/print/Druckdienste.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/print/Wurfblattdruck.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/FakeDruckerport.h"
#include "platform/LinuxDruckerport.h"
#include "support/CanTestUmgebung.h"

#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace {

std::string Hex(const QByteArray& b) { return b.toHex(' ').toStdString(); }

QByteArray Bytes(int von, int bis)
{
    QByteArray b;
    for (int i = von; i <= bis; ++i) b.append(char(i));
    return b;
}

}  // namespace

class Druckwarteschlange : public CanUmgebung {
protected:
    void SetUp() override
    {
        CanUmgebung::SetUp();
        BahnAnzahl = 8;
        for (int p = 1; p <= 4; ++p) {
            Einst.Drucker[p].Schnittstelle = u8(p);  // LPTp
            Einst.Drucker[p].DrBahnVon = 1;
            Einst.Drucker[p].DrBahnBis = 8;
        }
    }

    // Match k on lanes erste..letzte, every lane in play with its sheet printer on.
    TWettkampfDaten& Spiel(int k, int erste, int letzte, u8 TWettkampfDaten::*layout)
    {
        TWettkampfDaten& m = Wettkaempfe[k];
        m.ErsteSpielbahn = u8(erste), m.LetzteSpielbahn = u8(letzte);
        m.DrWurfblatt = 1;
        m.*layout = 1;
        m.Durchgang = 1;
        for (int b = erste; b <= letzte; ++b) {
            BahnDaten[b].Wettk = &m;
            m.BahnImSpiel[b] = 1;
            WurfblattDrucker[b] = 1;
        }
        return m;
    }

    // Printer p serves the lanes for their match, port configured.
    void Zugeordnet(int p, std::initializer_list<int> bahnen)
    {
        for (int b : bahnen) DruckerZuordnung[b] = u8(p);
        DruckerBeschaeftigt[p] = 1;
        DruckerportBereit[p] = 1;
        druckwarteschlangeZustand.DruckerSpiel[p] = WettkampfDerBahn(*bahnen.begin());
    }

    FakeDruckerport port;
    DruckerportEinsetzen m_port{port};
    DruckerSendenEinsetzen m_senden{&DruckausgabeSenden};
};

// 20 bytes leave as 8 + 8 + 4 on three send ticks to 0x700 + 8L; a refused
// frame goes again with the same bytes and the queue waits for it. A lane
// marked with nothing queued gets one frame of length 0 (identifier 0x710,
// no data byte), refused ones again.
TEST_F(Druckwarteschlange, LanePrinterFramesOfEightAndARefusedFrameRepeated)
{
    const struct {
        int bytes;
        QList<bool> annehmen;      // the adapter's answers, one a send attempt
        QList<QByteArray> rahmen;  // the data bytes of the frames sent
        int rest;                  // bytes queued after the refusal
    } faelle[] = {
        {20, {}, {Bytes(1, 8), Bytes(9, 16), Bytes(17, 20)}, 0},
        {20, {true, false}, {Bytes(1, 8), Bytes(9, 16), Bytes(17, 20)}, 4},
        {0, {}, {QByteArray()}, 0},
        {0, {false}, {QByteArray()}, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.bytes << " bytes, " << f.annehmen.size() << " answers");
        adapter.gesendet.clear();
        adapter.versuche = 0;
        Spiel(1, 1, 2, &TWettkampfDaten::DrEinzelbahn);
        ASSERT_TRUE(DruckauftragAnhaengen(2, Bytes(1, f.bytes)));
        EXPECT_EQ(BahnDruckAusstehend, 0x0002);
        adapter.annehmen = f.annehmen;
        const int versuche = int(f.rahmen.size() + f.annehmen.count(false));
        for (int t = 0; t < versuche; ++t) {
            EXPECT_NE(BahnDruckAusstehend, 0) << t;
            const bool verweigert = t < f.annehmen.size() && !f.annehmen.at(t);
            CanSendenTick();
            if (verweigert) {
                EXPECT_EQ(DruckerSendeErgebnis[2], 0);
                EXPECT_EQ(BahnDruckerAusstehend(2), f.rest);  // the refused frame's bytes left the queue once
            }
        }
        EXPECT_EQ(BahnDruckAusstehend, 0);
        EXPECT_EQ(adapter.versuche, versuche);
        ASSERT_EQ(adapter.gesendet.size(), f.rahmen.size());
        for (int i = 0; i < f.rahmen.size(); ++i) {
            const CanRohRahmen& r = adapter.gesendet.at(i);
            EXPECT_EQ(r.id, 0x710u);
            EXPECT_EQ(r.laenge, f.rahmen.at(i).size());
            EXPECT_EQ(Hex(QByteArray(reinterpret_cast<const char*>(r.daten.data()), r.laenge)), Hex(f.rahmen.at(i)));
        }
        CanSendenTick();  // nothing marked: nothing sent
        EXPECT_EQ(adapter.versuche, versuche);
        EXPECT_FALSE(CanSendeTimer().enabled());
    }
}

// Lane 1 prints on its lane printer, lane 3 on central printer 1: neither
// gets the other's bytes.
TEST_F(Druckwarteschlange, LanePrinterQueuesAreApartFromTheCentralOnes)
{
    Spiel(1, 1, 2, &TWettkampfDaten::DrEinzelbahn);
    Spiel(2, 3, 4, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {3, 4});
    Einst.Drucker[1].DrTimer = 1;
    ASSERT_TRUE(DruckauftragAnhaengen(3, "ZENTRAL"));
    ASSERT_TRUE(DruckauftragAnhaengen(1, "BAHN"));
    EXPECT_EQ(PcDruckAusstehend, 0x0004);
    EXPECT_EQ(BahnDruckAusstehend, 0x0001);
    for (int t = 0; t < 3; ++t) CanSendenTick();
    ASSERT_EQ(adapter.gesendet.size(), 1);
    EXPECT_EQ(adapter.gesendet.at(0).id, 0x708u);
    EXPECT_EQ(adapter.gesendet.at(0).laenge, 4);
    EXPECT_EQ(adapter.gesendet.at(0).daten[0], 'B');
    EXPECT_EQ(port.lptDaten[0], QByteArray("ZENTRAL"));
    EXPECT_EQ(PcDruckAusstehend | BahnDruckAusstehend, 0);
}

// Per port mode: what one pump call sends of "ABC" under scripted answers of
// the port, and that the refused byte comes first at the next call.
TEST_F(Druckwarteschlange, CentralPumpPacingAndRefusedBytes)
{
    const struct {
        const char* was;
        u8 schnittstelle;
        u16 drTimer, druckWait;
        QList<u8> antworten;
        const char* ersterAufruf;
        int angebote;
    } faelle[] = {
        {"LPT ohne Timer: ein Byte je Takt", 1, 0, 0, {}, "A", 1},
        {"LPT ohne Timer: abgelehnt", 1, 0, 0, {1}, "", 1},
        {"LPT mit Timer: bis zur Ablehnung", 1, 5, 0, {0, 0, 1}, "AB", 3},
        {"COM ohne Timer: DruckWait + 1 Angebote", 5, 0, 1, {1, 0, 0, 1, 1}, "AB", 5},
        {"COM mit Timer", 5, 5, 9, {0, 1}, "A", 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        ZustandZuruecksetzen();
        SetUp();
        port = FakeDruckerport{};
        Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
        Zugeordnet(1, {1, 2});
        Einst.Drucker[1].Schnittstelle = f.schnittstelle;
        Einst.Drucker[1].DrTimer = f.drTimer;
        Einst.Drucker[1].DruckWait = f.druckWait;
        ASSERT_TRUE(DruckauftragAnhaengen(1, "ABC"));
        PcDruckAusstehend |= 0x0002;
        port.outAntworten = f.antworten;
        DruckerportAusgeben(1);
        const QByteArray& daten = f.schnittstelle >= 5 ? port.comDaten[0] : port.lptDaten[0];
        EXPECT_EQ(daten, QByteArray(f.ersterAufruf));
        EXPECT_EQ(port.outs, f.angebote);
        EXPECT_EQ(DruckerAusstehend(1), 3 - int(qstrlen(f.ersterAufruf)));
        for (int t = 0; t < 3 && (PcDruckAusstehend & 1); ++t) DruckerportAusgeben(1);
        EXPECT_EQ(daten, QByteArray("ABC"));
        EXPECT_EQ(PcDruckAusstehend, 0);  // the pair lane's bit too
    }
}

// A printer not ready, or one whose port does not open, is never written;
// the eleventh answer asks the operator once, then counting starts again.
// The port is opened again at each try.
TEST_F(Druckwarteschlange, NotReadyPrinterIsAskedForOncePerElevenAnswers)
{
    for (bool oeffnet : {true, false}) {
        SCOPED_TRACE(oeffnet ? "nicht bereit" : "Schnittstelle geht nicht auf");
        ZustandZuruecksetzen();
        SetUp();
        port = FakeDruckerport{};
        Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
        Zugeordnet(1, {1, 2});
        ASSERT_TRUE(DruckauftragAnhaengen(2, "X"));
        if (oeffnet) {
            for (int i = 0; i < 30; ++i) port.testAntworten << 1;
        } else {
            DruckerportBereit[1] = 0;
            port.lptScheitert[0] = FakeDruckerport::Immer;
        }
        QList<int> fragenNach;
        for (int t = 1; t <= 30; ++t) {
            DruckausgabeSenden(2);
            if (Timer9().enabled()) Timer9Go();
            if (skriptPrompts().tags.size() > fragenNach.size()) fragenNach << t;
        }
        EXPECT_EQ(fragenNach, (QList<int>{11, 22}));
        EXPECT_EQ(skriptPrompts().tags, (QList<int>{202, 202}));
        EXPECT_EQ(port.outs, 0);
        EXPECT_EQ(port.tests, oeffnet ? 30 : 0);
        EXPECT_EQ(port.lptKonfig.size(), oeffnet ? 0 : 30);
        EXPECT_EQ(PcDruckAusstehend, 0x0002);
        port.testAntworten.clear();
        port.lptScheitert[0] = 0;
        DruckausgabeSenden(2);  // ready again, or plugged in
        EXPECT_EQ(port.lptDaten[0], QByteArray("X"));
    }
}

// The match started before its printer's port could be opened (a USB
// printer switched on late): the port is opened again until it opens, and
// the sheet comes out whole, without asking the operator.
TEST_F(Druckwarteschlange, APrinterWhosePortOpensLateGetsTheWholeSheet)
{
    Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    Einst.Drucker[1].DrTimer = 1;
    port.lptScheitert[0] = 3;
    ASSERT_TRUE(BahndruckerZuordnen(1));  // the first try fails
    EXPECT_EQ(DruckerportBereit[1], 0);
    ASSERT_TRUE(DruckauftragAnhaengen(1, "KOPF"));
    ASSERT_TRUE(DruckauftragAnhaengen(2, "WURF"));
    for (int t = 0; t < 10 && PcDruckAusstehend; ++t) {
        CanSendenTick();
        if (Timer9().enabled()) Timer9Go();
    }
    EXPECT_EQ(port.lptKonfig.size(), 4);  // the assignment, two more failures, then open
    EXPECT_EQ(DruckerportBereit[1], 1);
    EXPECT_EQ(Hex(port.lptDaten[0]), Hex(QByteArray("\x1b@\x1bM\x1bR\x02\rKOPFWURF")));
    EXPECT_EQ(PcDruckAusstehend, 0);
    EXPECT_TRUE(skriptPrompts().tags.isEmpty());
}

// Both lanes of a two-lane sheet count towards the prompt while their
// printer is missing; once the operator switched it on at the first lane's
// prompt, the second lane's request, still waiting, is withdrawn: nobody is
// asked about a printer that prints, and the sheet gets no second reset.
TEST_F(Druckwarteschlange, APromptIsNotAskedForAPrinterThatPrintsAgain)
{
    Wurfblattdruck druck;
    DruckDiensteEinsetzen dienste{&druck};
    Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {1, 2});
    Einst.Drucker[1].DrTimer = 1;
    DruckerportBereit[1] = 0;
    port.lptScheitert[0] = FakeDruckerport::Immer;
    ASSERT_TRUE(DruckauftragAnhaengen(1, "KOPF"));
    ASSERT_TRUE(DruckauftragAnhaengen(2, "WURF"));
    for (int t = 0; t < 11; ++t)
        for (int bahn : {1, 2}) DruckausgabeSenden(bahn);
    ASSERT_EQ(DruckerAnfrageMaske, 0x0003);
    // Asked for lane 1: the printer is switched on and "Prüfen" chosen; lane 2
    // is not asked.
    struct Bediener : SkriptPrompts {
        FakeDruckerport* port;
        int pruefen(int tag) override
        {
            port->lptScheitert[0] = 0;
            return SkriptPrompts::pruefen(tag);
        }
    } bediener;
    bediener.port = &port;
    bediener.antworten = {1, 1};
    StartPromptsEinsetzen prompts(&bediener);
    Timer9Go();
    EXPECT_EQ(bediener.tags, QList<int>{201});
    EXPECT_EQ(DruckerAnfrageMaske, 0);
    for (int t = 0; t < 20 && PcDruckAusstehend; ++t) {
        CanSendenTick();
        Timer9Go();
    }
    EXPECT_EQ(bediener.tags, QList<int>{201});
    EXPECT_EQ(DruckerAnfrageMaske, 0);
    const QByteArray reset("\x1b@\x1bM\x1bR\x02\r");
    // The reset goes before what waits in the queue.
    EXPECT_EQ(Hex(port.lptDaten[0]), Hex(reset + "KOPFWURF"));
}

// A printer that goes away in the middle of a sheet (its device fails every
// write: /dev/full stands in for a printer unplugged) is not written to in
// vain for the rest of the match: each failed try counts as not ready, the
// operator is asked after eleven, and once it is back "Prüfen" gets the rest
// of the sheet out, nothing lost.
TEST_F(Druckwarteschlange, APrinterThatGoesAwayIsAskedForAndGetsTheRestWhenBack)
{
    QTemporaryDir ordner;
    const QString geraet = ordner.filePath(QStringLiteral("lp0")), papier = ordner.filePath(QStringLiteral("papier"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), geraet));
    DruckerGeraete geraete;
    geraete.lpt[0] = geraet;
    LinuxDruckerport linux(geraete);
    DruckerportEinsetzen eingesetzt(linux);
    Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {1, 2});
    Einst.Drucker[1].DrTimer = 1;
    DruckerportKonfigurieren(1);
    ASSERT_EQ(DruckerportBereit[1], 1);
    ASSERT_TRUE(DruckauftragAnhaengen(1, "KOPF"));
    for (int t = 0; t < 11; ++t) DruckausgabeSenden(1);
    EXPECT_EQ(DruckerAnfrageMaske, 0x0001);
    // Plugged in again (here: another device at the same path), then "Prüfen".
    ASSERT_TRUE(QFile::remove(geraet));
    ASSERT_TRUE(QFile::link(papier, geraet));
    skriptPrompts().antworten = {1};
    Timer9Go();
    EXPECT_EQ(skriptPrompts().tags, QList<int>{201});
    for (int t = 0; t < 10 && PcDruckAusstehend; ++t) DruckausgabeSenden(1);
    QFile f(papier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("KOPF"));
    EXPECT_EQ(PcDruckAusstehend, 0);
}

// A job goes in whole or not at all; the queue ends at 4,096 bytes.
// A job that does not fit behind the queue's write position waits behind it
// and follows in order as the printer drains the queue: nothing is cut or
// lost, on a central and on a lane printer. Only a printer that has taken
// nothing for a whole hold's worth refuses more.
TEST_F(Druckwarteschlange, AJobThatDoesNotFitWaitsAndFollowsInOrder)
{
    Spiel(1, 1, 2, &TWettkampfDaten::DrEinzelbahn);
    Spiel(2, 3, 4, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {3, 4});
    Einst.Drucker[1].DrTimer = 1;  // a printer that takes what it can each tick
    const QByteArray voll(4090, 'a');
    for (int bahn : {1, 3}) {
        SCOPED_TRACE(bahn);
        const auto ausstehend = [&] { return bahn == 1 ? BahnDruckerAusstehend(1) : DruckerAusstehend(1); };
        ASSERT_TRUE(DruckauftragAnhaengen(bahn, voll));
        EXPECT_TRUE(DruckauftragAnhaengen(bahn, "1234567"));
        EXPECT_TRUE(DruckauftragAnhaengen(bahn, "89"));
        EXPECT_EQ(ausstehend(), 4099);
    }
    // The queue never grew past its block.
    EXPECT_EQ(druckwarteschlangeZustand.DruckerSchreibzeiger[1], DruckerPufferGroesse);
    EXPECT_EQ(druckwarteschlangeZustand.DruckerPuffer[1][4095], '6');
    for (int t = 0; t < 1000 && (PcDruckAusstehend || BahnDruckAusstehend); ++t) CanSendenTick();
    EXPECT_EQ(port.lptDaten[0], voll + "123456789");
    QByteArray bahn;
    for (const CanRohRahmen& r : adapter.gesendet)
        if (r.id == 0x708u) bahn.append(reinterpret_cast<const char*>(r.daten.data()), r.laenge);
    EXPECT_EQ(bahn, voll + "123456789");
    EXPECT_EQ(DruckerAusstehend(1) + BahnDruckerAusstehend(1), 0);

    // A printer that takes nothing: the hold fills up, then jobs are refused.
    DruckerportBereit[1] = 0;
    int angenommen = 0;
    while (DruckauftragAnhaengen(3, voll) && angenommen < 100) ++angenommen;
    EXPECT_EQ(angenommen, (DruckerPufferGroesse + DruckerUeberlaufGrenze) / voll.size());
    DruckwarteschlangeLeeren(3);
    EXPECT_EQ(DruckerAusstehend(1), 0);
}

// With the switch on, a lane's printing begins with command 196 to the lane
// (only while the lane is online) and ends with 197; one data byte each, on
// the lane's identifier 0x600 + 8L.
TEST_F(Druckwarteschlange, LanePrintingBeginAndEndSwitchTheLanePrinter)
{
    const struct {
        bool online, einschalten;
        QList<int> beginn, ende;  // the data bytes the bus carried
    } faelle[] = {
        {true, true, {196}, {197}},
        {false, true, {}, {197}},
        {true, false, {}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "online " << f.online << ", einschalten " << f.einschalten);
        ZustandZuruecksetzen();
        SetUp();
        adapter.gesendet.clear();
        Spiel(1, 3, 4, &TWettkampfDaten::DrZweiBahnen);
        BahnDaten[3].BahnOnline = u8(f.online);
        Einst.DrEinschalten = f.einschalten;
        const auto bus = [&] {
            for (int t = 0; t < 4; ++t) CanSendenTick();
            QList<int> d;
            for (const CanRohRahmen& r : adapter.gesendet) {
                EXPECT_EQ(r.id, 0x618u);
                EXPECT_EQ(r.laenge, 1);
                d << r.daten[0];
            }
            adapter.gesendet.clear();
            return d;
        };
        BahndruckBeginnen(3);
        EXPECT_EQ(bus(), f.beginn);
        EXPECT_NE(BahndruckMaske & 0x0004, 0);
        BahndruckBeenden(3);
        EXPECT_EQ(bus(), f.ende);
        EXPECT_EQ(WurfblattDrucker[3], 0);
    }
}

// No bytes and no mask bit without sheet printing; the layout picks the pump;
// the report takes every lane to the PC pump.
TEST_F(Druckwarteschlange, Routing)
{
    TWettkampfDaten& m = Spiel(1, 1, 2, &TWettkampfDaten::DrEinzelbahn);
    Zugeordnet(1, {1, 2});
    WurfblattDrucker[1] = 0;
    EXPECT_FALSE(DruckauftragAnhaengen(1, "x"));
    m.DrWurfblatt = 0;
    EXPECT_FALSE(DruckauftragAnhaengen(2, "x"));
    EXPECT_EQ(PcDruckAusstehend | BahnDruckAusstehend | BahnDruckerAusstehend(1) | DruckerAusstehend(1), 0);
    m.DrWurfblatt = 1;
    EXPECT_TRUE(DruckauftragAnhaengen(2, "x"));
    EXPECT_EQ(BahnDruckAusstehend, 0x0002);
    DruckerportBelegt = 1;
    EXPECT_TRUE(DruckauftragAnhaengen(1, "y"));
    EXPECT_EQ(PcDruckAusstehend, 0x0001);
    EXPECT_EQ(DruckerAusstehend(1), 1);
}

// The report's end frees the report's printer only, once its buffers are
// empty, and the report is pumped although the lane prints no sheets.
TEST_F(Druckwarteschlange, ReportEndFreesOnlyTheReportPrinter)
{
    Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {1, 2});
    ASSERT_TRUE(DruckauftragAnhaengen(1, "S"));
    TWettkampfDaten& bericht = Spiel(2, 5, 6, &TWettkampfDaten::DrZweiBahnen);
    WurfblattDrucker[5] = WurfblattDrucker[6] = 0;
    Einst.DrBahndrucker = true;
    DruckerportBelegt = 1;
    ASSERT_TRUE(BerichtDruckerOeffnen(5));
    EXPECT_EQ(DruckerZuordnung[5], 2);
    EXPECT_EQ(bericht.DruckerZugeordnet, 0);
    ASSERT_TRUE(DruckauftragAnhaengen(5, "BERICHT"));
    Einst.Drucker[2].DrTimer = 1;
    CanSendenTick();  // lane 1 empties printer 1; lane 5 sends the reset
    EXPECT_EQ(port.lptDaten[0], QByteArray("S"));
    EXPECT_EQ(DruckerBeschaeftigt[1], 1);
    EXPECT_EQ(DruckerportBelegt, 1);
    EXPECT_EQ(Hex(port.lptDaten[1]), "1b 40 1b 4d 1b 52 02 0d");
    CanSendenTick();
    EXPECT_EQ(port.lptDaten[1].mid(8), QByteArray("BERICHT"));
    EXPECT_EQ(DruckerBeschaeftigt[2], 0);
    EXPECT_EQ(DruckerportBelegt, 0);
    EXPECT_EQ(PcDruckAusstehend, 0);
}

// The first free printer whose lanes cover the lane; the pair lane or every
// lane of the match; the reset in the line buffer; none free: false.
TEST_F(Druckwarteschlange, PrinterAssignment)
{
    TWettkampfDaten& paar = Spiel(1, 3, 4, &TWettkampfDaten::DrZweiBahnen);
    DruckerBeschaeftigt[1] = 1;
    Einst.Drucker[2].DrBahnVon = 5;
    Einst.Drucker[3].Schnittstelle = 6;  // COM2
    Einst.Drucker[3].ComBaud = 9600, Einst.Drucker[3].ComDatenbit = 8, Einst.Drucker[3].ComStopbit = 2;
    EXPECT_TRUE(BahndruckerZuordnen(4));
    EXPECT_EQ((std::vector<int>{DruckerZuordnung[3], DruckerZuordnung[4], DruckerBeschaeftigt[3]}),
              (std::vector<int>{3, 3, 1}));
    EXPECT_EQ(paar.DruckerZugeordnet, 1);
    ASSERT_EQ(port.comKonfig.size(), 1);
    EXPECT_EQ(port.comKonfig.at(0), (FakeDruckerport::SeriellKonfig{2, 0, 9600, 8, 2, 0}));
    EXPECT_EQ(DruckerportBereit[3], 1);
    EXPECT_EQ(DruckerAusstehend(3), 8);
    EXPECT_EQ(PcDruckAusstehend, 0x0008);
    EXPECT_TRUE(BahndruckerZuordnen(3));  // already assigned
    EXPECT_EQ(port.comKonfig.size(), 1);

    TWettkampfDaten& zentral = Spiel(2, 5, 8, &TWettkampfDaten::DrZentral);
    port.configAntworten = {1};
    EXPECT_TRUE(BahndruckerZuordnenSpiel(6));
    for (int b = 5; b <= 8; ++b) EXPECT_EQ(DruckerZuordnung[b], 2) << b;
    EXPECT_EQ(DruckerportBereit[2], 0);
    EXPECT_EQ(zentral.DruckerZugeordnet, 1);
    Spiel(3, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    EXPECT_TRUE(BahndruckerZuordnen(1));  // printer 4
    Spiel(4, 7, 8, &TWettkampfDaten::DrZweiBahnen);
    EXPECT_FALSE(BahndruckerZuordnen(7));
}

// Printer 1 serves lanes 1-4, printer 2 lanes 5-8: the first and the last
// lane of each range get the printer of their range, for a lane pair and for
// a whole match alike.
TEST_F(Druckwarteschlange, EachLaneGetsThePrinterOfItsRange)
{
    const struct {
        u8 TWettkampfDaten::*layout;
        int erste, letzte, bahn, drucker;
    } faelle[] = {
        {&TWettkampfDaten::DrZweiBahnen, 1, 2, 1, 1}, {&TWettkampfDaten::DrZweiBahnen, 3, 4, 4, 1},
        {&TWettkampfDaten::DrZweiBahnen, 5, 6, 5, 2}, {&TWettkampfDaten::DrZweiBahnen, 7, 8, 8, 2},
        {&TWettkampfDaten::DrZentral, 1, 4, 4, 1},    {&TWettkampfDaten::DrZentral, 5, 8, 8, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Bahn " << f.bahn);
        ZustandZuruecksetzen();
        SetUp();
        port = FakeDruckerport{};
        Einst.Drucker[1].DrBahnVon = 1, Einst.Drucker[1].DrBahnBis = 4;
        Einst.Drucker[2].DrBahnVon = 5, Einst.Drucker[2].DrBahnBis = 8;
        Einst.Drucker[3].Schnittstelle = Einst.Drucker[4].Schnittstelle = 0;  // none
        Spiel(1, f.erste, f.letzte, f.layout);
        const bool zentral = f.layout == &TWettkampfDaten::DrZentral;
        const bool zugeordnet = zentral ? BahndruckerZuordnenSpiel(f.bahn) : BahndruckerZuordnen(f.bahn);
        EXPECT_TRUE(zugeordnet);
        if (!zugeordnet) continue;
        for (int b = f.erste; b <= f.letzte; ++b) EXPECT_EQ(DruckerZuordnung[b], f.drucker) << b;
        EXPECT_EQ(DruckerBeschaeftigt[f.drucker], 1);
        EXPECT_EQ(DruckerBeschaeftigt[3 - f.drucker], 0);
    }
}

// Two-lane sheets of a match on lanes 2..5: the pairs 1/2, 3/4 and 5/6 each
// get a printer; a pair lane outside the match keeps what it had. Each
// printer gets its reset and its pair's jobs; at the game end each is freed.
TEST_F(Druckwarteschlange, EachLanePairOfAMatchGetsAPrinterOfItsOwn)
{
    TWettkampfDaten& m = Spiel(1, 2, 5, &TWettkampfDaten::DrZweiBahnen);
    DruckerZuordnung[1] = 4;
    DruckerZuordnung[6] = 4;
    for (int b = 2; b <= 5; ++b) ASSERT_TRUE(BahndruckerZuordnen(b)) << b;
    std::vector<int> zuordnung, beschaeftigt;
    for (int b = 1; b <= 6; ++b) zuordnung.push_back(DruckerZuordnung[b]);
    for (int p = 1; p <= 4; ++p) beschaeftigt.push_back(DruckerBeschaeftigt[p]);
    EXPECT_EQ(zuordnung, (std::vector<int>{4, 1, 2, 2, 3, 4}));
    EXPECT_EQ(beschaeftigt, (std::vector<int>{1, 1, 1, 0}));
    EXPECT_EQ(port.lptKonfig.size(), 3);
    for (int b : {2, 4, 5}) ASSERT_TRUE(DruckauftragAnhaengen(b, QByteArray::number(b)));
    for (int p = 1; p <= 3; ++p) Einst.Drucker[p].DrTimer = 1;
    for (int t = 0; t < 10 && PcDruckAusstehend; ++t) CanSendenTick();
    const QByteArray reset("\x1b@\x1bM\x1bR\x02\r");
    EXPECT_EQ(port.lptDaten[0], reset + "2");
    EXPECT_EQ(port.lptDaten[1], reset + "4");
    EXPECT_EQ(port.lptDaten[2], reset + "5");

    for (int b = 2; b <= 5; ++b) {
        m.BahnImSpiel[b] = 0;
        BahnDaten[b].Wettk = nullptr;  // as the game end leaves them
    }
    for (int b = 2; b <= 5; ++b) ZentralDruckerFreigeben(b);
    EXPECT_EQ(DruckerBeschaeftigt[1] + DruckerBeschaeftigt[2] + DruckerBeschaeftigt[3], 0);
    EXPECT_EQ(m.DruckerZugeordnet, 0);
}

// A lane's assignment outlives its match. A new match on the lane does not
// take the printer another match holds now for its own, and the end of a
// match frees no printer of another match.
TEST_F(Druckwarteschlange, AnOldAssignmentNeitherLendsNorFreesAnotherMatchsPrinter)
{
    TWettkampfDaten& alt = Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    ASSERT_TRUE(BahndruckerZuordnen(1));
    alt.BahnImSpiel[1] = alt.BahnImSpiel[2] = 0;
    ZentralDruckerFreigeben(1);
    ASSERT_EQ(DruckerBeschaeftigt[1], 0);
    TWettkampfDaten& andere = Spiel(2, 3, 4, &TWettkampfDaten::DrZweiBahnen);
    ASSERT_TRUE(BahndruckerZuordnen(3));
    ASSERT_EQ(DruckerZuordnung[3], 1);

    Spiel(3, 1, 2, &TWettkampfDaten::DrZweiBahnen);  // lanes 1 and 2 still name printer 1
    ASSERT_TRUE(BahndruckerZuordnen(2));
    EXPECT_EQ(DruckerZuordnung[1], 2);
    EXPECT_EQ(DruckerZuordnung[2], 2);

    // A match with lane printers on lanes 5 and 6, which once printed on printer 1.
    TWettkampfDaten& einzeln = Spiel(4, 5, 6, &TWettkampfDaten::DrEinzelbahn);
    DruckerZuordnung[5] = DruckerZuordnung[6] = 1;
    einzeln.BahnImSpiel[5] = einzeln.BahnImSpiel[6] = 0;
    ZentralDruckerFreigeben(5);
    ZentralDruckerFreigeben(6);
    EXPECT_EQ(DruckerBeschaeftigt[1], 1);
    EXPECT_EQ(andere.DruckerZugeordnet, 1);
}

// A central printer stays taken while another lane of its match in play
// still prints on it.
TEST_F(Druckwarteschlange, CentralPrinterFreedWhenNoLaneUsesIt)
{
    TWettkampfDaten& m = Spiel(1, 1, 4, &TWettkampfDaten::DrZentral);
    Zugeordnet(1, {1, 2, 3, 4});
    m.DruckerZugeordnet = 1;
    for (int b : {2, 1, 4}) {
        m.BahnImSpiel[b] = 0;
        ZentralDruckerFreigeben(b);
        EXPECT_EQ(DruckerBeschaeftigt[1], 1) << b;
    }
    m.BahnImSpiel[3] = 0;
    ZentralDruckerFreigeben(3);
    EXPECT_EQ(DruckerBeschaeftigt[1], 0);
    EXPECT_EQ(m.DruckerZugeordnet, 0);
}

// The printer freed with its last match's output still waiting: the next
// match's reset goes behind that output, not ahead of it.
TEST_F(Druckwarteschlange, ANewMatchsResetWaitsBehindTheLastMatchsOutput)
{
    TWettkampfDaten& alt = Spiel(1, 1, 2, &TWettkampfDaten::DrZentral);
    Einst.Drucker[1].DrTimer = 1;
    ASSERT_TRUE(BahndruckerZuordnenSpiel(1));
    ASSERT_TRUE(DruckauftragAnhaengen(1, "ALT"));
    alt.BahnImSpiel[1] = alt.BahnImSpiel[2] = 0;
    ZentralDruckerFreigeben(1);
    ASSERT_EQ(DruckerBeschaeftigt[1], 0);
    Spiel(2, 3, 4, &TWettkampfDaten::DrZentral);
    ASSERT_TRUE(BahndruckerZuordnenSpiel(3));
    ASSERT_TRUE(DruckauftragAnhaengen(4, "NEU"));
    for (int t = 0; t < 20 && PcDruckAusstehend; ++t) CanSendenTick();
    const QByteArray reset("\x1b@\x1bM\x1bR\x02\r");
    EXPECT_EQ(port.lptDaten[0], reset + "ALT" + reset + "NEU");
}

// "Abbrechen" at a printer without connection switches the lane printer off;
// the shared sheet's output is dropped only once no lane prints on it.
// Lanes of another match never share it.
TEST_F(Druckwarteschlange, AnAbandonedPrinterDropsTheSheetOnlyWhenNoLaneStillPrintsOnIt)
{
    Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(1, {1, 2});
    DruckerportBereit[1] = 0;  // nothing leaves
    Wurfblattdruck druck;
    DruckDiensteEinsetzen einsetzen(&druck);
    ASSERT_TRUE(DruckauftragAnhaengen(1, "abc"));
    for (int bahn : {1, 2}) {
        DruckerAnfrageMaske = u16(1u << (bahn - 1));
        Timer9Go();  // the stand-in prompt answers "Abbrechen"
        EXPECT_EQ(WurfblattDrucker[bahn], 0);
        EXPECT_EQ(DruckerAusstehend(1), bahn == 1 ? 3 : 0) << bahn;
    }
    EXPECT_EQ(skriptPrompts().tags, (QList<int>{201, 202}));

    // Lanes 3 and 4 share no sheet when they belong to two matches.
    Spiel(2, 2, 3, &TWettkampfDaten::DrZweiBahnen);
    Spiel(3, 4, 5, &TWettkampfDaten::DrZweiBahnen);
    Zugeordnet(2, {3});
    Zugeordnet(3, {4, 5});
    DruckerportBereit[2] = 0;
    ASSERT_TRUE(DruckauftragAnhaengen(3, "abc"));
    DruckerAnfrageMaske = 0x0004;
    Timer9Go();
    EXPECT_EQ(DruckerAusstehend(2), 0);
}

// No printer free for the lanes of a match: their sheets are switched off
// and the operator is told once in German; the next round tries again
// without a word, a lane that finds a printer prints, and a new match in the
// same slot is told again.
TEST_F(Druckwarteschlange, NoFreePrinterIsToldOncePerMatch)
{
    Wurfblattdruck druck;
    DruckDiensteEinsetzen einsetzen(&druck);
    TWettkampfDaten& paar = Spiel(1, 1, 2, &TWettkampfDaten::DrZweiBahnen);
    TWettkampfDaten& zentral = Spiel(2, 5, 8, &TWettkampfDaten::DrZentral);
    for (int p = 1; p <= 4; ++p) DruckerBeschaeftigt[p] = 1;
    const auto pruefen = [](std::initializer_list<int> bahnen) {
        skriptBoxen().gezeigt.clear();
        for (int b : bahnen) {
            WurfblattDrucker[b] = 1;
            DruckerpruefMaske |= u16(1u << (b - 1));
        }
        Timer9Go();
        return skriptBoxen().gezeigt;
    };

    EXPECT_EQ(pruefen({1, 2, 5, 6, 7, 8}),
              QStringList{QStringLiteral("Für die Bahnen 1, 2, 5, 6, 7, 8 ist kein Drucker frei: ihre Wurfblätter "
                                         "werden nicht gedruckt.")});
    for (int b : {1, 2, 5, 6, 7, 8}) EXPECT_EQ(WurfblattDrucker[b], 0) << b;
    EXPECT_EQ(DruckerpruefMaske, 0);

    paar.Durchgang = zentral.Durchgang = 2;
    EXPECT_EQ(pruefen({1, 2, 5, 6}), QStringList{});
    EXPECT_EQ(WurfblattDrucker[1], 0);

    DruckerBeschaeftigt[3] = 0;
    EXPECT_EQ(pruefen({1, 5}), QStringList{});
    EXPECT_EQ(WurfblattDrucker[1], 1);
    EXPECT_EQ(DruckerZuordnung[1], 3);

    zentral.Durchgang = 1;
    EXPECT_EQ(pruefen({6}),
              QStringList{QStringLiteral("Für Bahn 6 ist kein Drucker frei: ihr Wurfblatt wird nicht gedruckt.")});
}

TEST_F(Druckwarteschlange, PrintColumns)
{
    const struct {
        u8 TWettkampfDaten::*layout;
        int erste, letzte, durchgang;
        bool spar;
        std::vector<int> spalten;  // lanes erste..letzte; 99: unchanged
    } faelle[] = {
        {&TWettkampfDaten::DrZweiBahnen, 3, 4, 1, false, {4, 54}},
        {&TWettkampfDaten::DrZweiBahnen, 3, 4, 2, false, {54, 4}},
        {&TWettkampfDaten::DrZentral, 1, 2, 2, true, {52, 76}},
        {&TWettkampfDaten::DrZentral, 1, 2, 1, true, {4, 28}},
        {&TWettkampfDaten::DrZentral, 1, 2, 2, false, {4, 28}},
        {&TWettkampfDaten::DrZentral, 5, 8, 1, false, {4, 28, 52, 76}},
        {&TWettkampfDaten::DrZentral, 1, 6, 3, false, {0, 16, 32, 48, 64, 80}},
        {&TWettkampfDaten::DrZentral, 1, 3, 1, false, {99, 99, 99}},
        {&TWettkampfDaten::DrZentral, 2, 6, 1, false, {99, 99, 99, 99, 99}},
    };
    for (const auto& f : faelle) {
        ZustandZuruecksetzen();
        SetUp();
        TWettkampfDaten& m = Spiel(1, f.erste, f.letzte, f.layout);
        m.Durchgang = u8(f.durchgang);
        m.DrSparmodus = f.spar;
        std::vector<int> ist;
        for (int b = f.erste; b <= f.letzte; ++b) {
            BahnDaten[b].DruckSpalte = 99;
            DruckspalteBestimmen(b);
            ist.push_back(BahnDaten[b].DruckSpalte);
        }
        EXPECT_EQ(ist, f.spalten) << f.erste << ".." << f.letzte << " Durchgang " << f.durchgang;
    }
}
