#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/print/Druckerportdialog.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Zustand.h"
#include "platform/FakeDruckerport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> b)
{
    QByteArray a;
    for (int x : b) a.append(char(x));
    return a;
}

class DruckerportDialog : public testing::Test {
protected:
    void SetUp() override
    {
        ZustandZuruecksetzen();
        opt = DruckerportArbeitskopieLaden();
    }
    void TearDown() override { ZustandZuruecksetzen(); }

    // Printer p in the working copies: 24-pin, page length 242/180 inch
    // (live 484 = nL 0xE4, nH 0x01), start feed 223 (0xDF), end feed 300 with
    // FF, the German codes of ESC R 2.
    void testdrucker(int p, u8 schnittstelle)
    {
        TZentralDrucker& w = opt.Drucker[p];
        w.Schnittstelle = schnittstelle;
        w.Emulation = 0;
        w.PageLength = 242;
        w.StartFeed = 223;
        w.EndFeed = 300;
        w.FormFeed = true;
        w.DrTimer = 5;
        w.ComMode = 1;
        w.ComBaud = 9600;
        w.ComDatenbit = 8;
        w.ComStopbit = 1;
        w.ComParity = 2;
        w.LptMode = 1;
        opt.Sonderzeichen = {0x5B, 0x5C, 0x5D, 0x7B, 0x7C, 0x7D, 0x7E};
    }

    // Worked out by hand from the ESC/P commands.
    const QByteArray erwartet = bytes({0x1B, '@', 0x1B, 'M', 0x1B, 'R', 2, 0x1B, '(', 'C', 2, 0, 0xE4, 0x01, 0x0D,
                                       0x1B, 'J', 0xDF})
                                + QByteArray("Test Umlaute ")
                                + bytes({0x5B, 0x5C, 0x5D, 0x7B, 0x7C, 0x7D, 0x7E, 0x0A, 0x0D, 0x1B, 'J', 255, 0x1B,
                                         'J', 45, 0x0C});

    DruckerportArbeitskopie opt;
    FakeDruckerport port;
    DruckerportEinsetzen portEin{port};
};

TEST_F(DruckerportDialog, TestBufferUsesWorkingCopiesAndRestoresTheLiveSettings)
{
    TZentralDrucker& live = Einst.Drucker[2];
    live.Emulation = 1;
    live.PageLength = 720;
    live.StartFeed = 10;
    live.EndFeed = 20;
    live.FormFeed = false;
    Einst.DrAeGross = Einst.DrOeGross = Einst.DrUeGross = Einst.DrAeKlein = Einst.DrOeKlein = Einst.DrUeKlein =
        Einst.DrSs = 0x23;
    testdrucker(2, 1);

    EXPECT_EQ(DruckertestPuffer(opt, 2), erwartet);
    EXPECT_EQ(live.Emulation, 1);
    EXPECT_EQ(live.PageLength, 720);
    EXPECT_EQ(live.StartFeed, 10);
    EXPECT_EQ(live.EndFeed, 20);
    EXPECT_FALSE(live.FormFeed);
    for (u8 c : {Einst.DrAeGross, Einst.DrOeGross, Einst.DrUeGross, Einst.DrAeKlein, Einst.DrOeKlein,
                 Einst.DrUeKlein, Einst.DrSs})
        EXPECT_EQ(c, 0x23);
}

// The parameters 0xDF and 0xE4 would turn into letter codes if the bytes
// were mapped once more.
TEST_F(DruckerportDialog, SerialTestSendsTheBufferUnchanged)
{
    testdrucker(3, 6);  // COM2
    Einst.Drucker[3].DruckWait = 99;

    EXPECT_EQ(DruckertestSenden(opt, 3), Druckertest::Gesendet);
    EXPECT_EQ(port.timer, QList<std::uint16_t>{5});
    ASSERT_EQ(port.comKonfig.size(), 1);
    EXPECT_EQ(port.comKonfig[0], (FakeDruckerport::SeriellKonfig{2, 1, 9600, 8, 1, 2}));
    EXPECT_EQ(port.comDaten[1], erwartet);
    EXPECT_EQ(Einst.Drucker[3].DruckWait, 0);
    EXPECT_EQ(port.clears, 0);
}

TEST_F(DruckerportDialog, CalibratesDruckWaitFromTheRefusals)
{
    const struct {
        QList<std::uint8_t> antworten;  // per offer, bytes from the first
        std::uint16_t druckWait;
    } faelle[] = {
        {{}, 0},
        {{1}, 11},                   // one refusal of the first byte
        {{0, 0, 1, 1, 1}, 13},       // three of the third
        {{1, 0, 1, 1, 0}, 11},       // 1, then 2: not above 11
        {{1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 22},  // 1, then 12
    };
    for (const auto& f : faelle) {
        SetUp();
        testdrucker(1, 2);  // LPT2
        port = FakeDruckerport{};
        port.outAntworten = f.antworten;
        EXPECT_EQ(DruckertestSenden(opt, 1), Druckertest::Gesendet);
        EXPECT_EQ(Einst.Drucker[1].DruckWait, f.druckWait) << f.antworten.size();
        EXPECT_EQ(port.lptKonfig, (QList<std::array<std::uint8_t, 2>>{{2, 1}}));
        EXPECT_EQ(port.lptDaten[1], erwartet);
    }
}

TEST_F(DruckerportDialog, GivesUpAndStopsWithoutAPort)
{
    testdrucker(1, 5);  // COM1
    port.outAntworten = QList<std::uint8_t>(DruckertestGrenze, 1);
    EXPECT_EQ(DruckertestSenden(opt, 1), Druckertest::Abgebrochen);
    EXPECT_EQ(port.outs, DruckertestGrenze);
    EXPECT_TRUE(port.comDaten[0].isEmpty());

    port = FakeDruckerport{};
    port.configAntworten = {1};
    EXPECT_EQ(DruckertestSenden(opt, 1), Druckertest::NichtBereit);
    EXPECT_EQ(port.outs, 0);

    opt.Drucker[1].Schnittstelle = 0;
    EXPECT_EQ(DruckertestSenden(opt, 1), Druckertest::KeineSchnittstelle);
    EXPECT_EQ(port.outs, 0);
}

// Printer 1 prints for a match on LPT1: a test there is refused with a
// message, a test on LPT2 leaves LPT1 open.
TEST_F(DruckerportDialog, LeavesThePortsOfMatchesAlone)
{
    Einst.Drucker[1].Schnittstelle = 1;
    DruckerBeschaeftigt[1] = 1;
    testdrucker(2, 1);
    EXPECT_EQ(DruckertestSenden(opt, 2), Druckertest::Belegt);
    EXPECT_TRUE(port.lptKonfig.isEmpty());
    EXPECT_EQ(port.outs, 0);
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);

    opt.Drucker[2].Schnittstelle = 2;
    EXPECT_EQ(DruckertestSenden(opt, 2), Druckertest::Gesendet);
    EXPECT_EQ(port.lptKonfig, (QList<std::array<std::uint8_t, 2>>{{2, 1}}));
    EXPECT_EQ(port.clears, 0);
}

// Whatever becomes of the test print, the operator is told once.
TEST_F(DruckerportDialog, TellsHowTheTestWent)
{
    const struct {
        u8 schnittstelle;
        QList<std::uint8_t> konfig, aus;
        Druckertest ergebnis;
        const char* text;
    } faelle[] = {
        {2, {}, {}, Druckertest::Gesendet, "Der Testdruck wurde an LPT2 gesendet."},
        {0, {}, {}, Druckertest::KeineSchnittstelle,
         "Für Drucker 1 ist keine Schnittstelle gewählt: es wurde nichts gedruckt."},
        {5, {1}, {}, Druckertest::NichtBereit,
         "COM1 kann nicht geöffnet werden: es wurde nichts gedruckt. Bitte prüfen, ob der Drucker angeschlossen "
         "und eingeschaltet ist."},
        {1, {}, QList<std::uint8_t>(DruckertestGrenze, 1), Druckertest::Abgebrochen,
         "Der Drucker an LPT1 nimmt keine Daten an. Der Testdruck wurde abgebrochen."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        SetUp();
        testdrucker(1, f.schnittstelle);
        port = FakeDruckerport{};
        port.configAntworten = f.konfig;
        port.outAntworten = f.aus;
        EXPECT_EQ(DruckertestSenden(opt, 1), f.ergebnis);
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QString::fromUtf8(f.text)});
    }
}

TEST_F(DruckerportDialog, NumbersOfTheEdits)
{
    const std::pair<const char*, std::int64_t> faelle[] = {
        {"$E1", 225}, {"$e1", 225}, {"x", 0}, {"", 0}, {" 12 ", 12}, {"-5", -5}, {"$", 0}, {"1a", 0},
    };
    for (const auto& [text, wert] : faelle) EXPECT_EQ(DruckerportZahl(QString::fromLatin1(text)), wert) << text;
    EXPECT_EQ(SonderzeichenText(225), QStringLiteral("$E1"));
    EXPECT_EQ(SonderzeichenText(5), QStringLiteral("$05"));
}

// The copies hold the lanes minus 1 and half the page length; taking them
// over turns them back and leaves DruckWait as the test print set it. Lane 0
// (none) comes back as 0. Nothing is written to the file here.
TEST_F(DruckerportDialog, CopiesDifferInLanesAndPageLengthOnly)
{
    QTemporaryDir ordner;
    InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
    InfListe.clear();
    TZentralDrucker& live = Einst.Drucker[2];
    live.Schnittstelle = 6;
    live.DrBahnVon = 3;
    live.DrBahnBis = 6;
    live.PageLength = 485;  // odd: 242 in the copy, 484 back
    live.DruckWait = 11;
    Einst.Drucker[4].DrBahnBis = 0;
    Einst.DrSs = 0x7E;
    opt = DruckerportArbeitskopieLaden();
    EXPECT_EQ(opt.Drucker[2].DrBahnVon, 2);
    EXPECT_EQ(opt.Drucker[2].DrBahnBis, 5);
    EXPECT_EQ(opt.Drucker[2].PageLength, 242);
    EXPECT_EQ(opt.Drucker[4].DrBahnBis, 255);
    EXPECT_EQ(opt.Sonderzeichen[6], 0x7E);

    opt.Drucker[2].ComBaud = 9600;
    opt.Drucker[2].DruckWait = 3;  // not edited here: the live value stays
    opt.Sonderzeichen[6] = 0xE1;
    DruckerportArbeitskopieUebernehmen(opt);
    EXPECT_EQ(live.Schnittstelle, 6);
    EXPECT_EQ(live.DrBahnVon, 3);
    EXPECT_EQ(live.DrBahnBis, 6);
    EXPECT_EQ(live.PageLength, 484);
    EXPECT_EQ(live.ComBaud, 9600);
    EXPECT_EQ(live.DruckWait, 11);
    EXPECT_EQ(Einst.Drucker[4].DrBahnBis, 0);
    EXPECT_EQ(Einst.DrSs, 0xE1);
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_FALSE(QFile::exists(InfDatei));
}

}  // namespace
