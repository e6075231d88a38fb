#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "platform/FakeDruckerport.h"
#include "platform/LinuxDruckerport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <linux/lp.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray dateiInhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

}  // namespace

TEST(Druckerport, DateiNimmtJedesByteInReihenfolgeUndIstImmerBereit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString lpt = dir.filePath(QStringLiteral("lpt1.prn"));
    const QString com = dir.filePath(QStringLiteral("com2.prn"));
    {
        QFile alt(com);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    DruckerGeraete g = DruckerGeraete::standard();
    g.lpt[0] = lpt;
    g.com[1] = com;
    LinuxDruckerport port(g);
    ASSERT_EQ(port.ConfigParallelPort(1, 1), 0);
    ASSERT_EQ(port.ConfigSerialPort(2, 1, 9600, 8, 1, 0), 0);
    EXPECT_EQ(port.TestParallelPort(1, 1), 0);
    EXPECT_EQ(port.TestSerialPortModem(2), 0);

    const QByteArray bytes("\x1b@\x1bR\x02\x00\xe1\xff\r\x0c", 10);
    for (char c : bytes) {
        EXPECT_EQ(port.OutParallelPort(1, static_cast<std::uint8_t>(c)), 0);
        EXPECT_EQ(port.OutSerialPort(2, static_cast<std::uint8_t>(c)), 0);
    }
    // Configured again, the port goes on appending.
    ASSERT_EQ(port.ConfigParallelPort(1, 0), 0);
    EXPECT_EQ(port.OutParallelPort(1, 'x'), 0);
    port.InoutClear();
    EXPECT_NE(port.OutParallelPort(1, 'y'), 0);  // released
    EXPECT_NE(port.TestSerialPortModem(2), 0);

    EXPECT_EQ(dateiInhalt(lpt), bytes + "x");
    EXPECT_EQ(dateiInhalt(com), "alt" + bytes);
}

TEST(Druckerport, FehlendesGeraetWirdNichtKonfiguriertUndNimmtNichts)
{
    QTemporaryDir dir;
    DruckerGeraete g;
    g.lpt = {QStringLiteral("/dev/lp-gibt-es-nicht"), QString(), dir.filePath(QStringLiteral("fehlt/lpt3.prn")),
             QStringLiteral("/dev/lp3")};
    g.com = {QStringLiteral("/dev/ttyS-gibt-es-nicht"), QString(), QString(), QString()};
    LinuxDruckerport port(g);
    for (std::uint8_t lpt : {1, 2, 3}) {
        SCOPED_TRACE(lpt);
        EXPECT_NE(port.ConfigParallelPort(lpt, 0), 0);
        EXPECT_NE(port.TestParallelPort(lpt, 0), 0);
        EXPECT_NE(port.OutParallelPort(lpt, 'A'), 0);
    }
    for (std::uint8_t com : {1, 2}) {
        SCOPED_TRACE(com);
        EXPECT_NE(port.ConfigSerialPort(com, 0, 9600, 8, 1, 0), 0);
        EXPECT_NE(port.TestSerialPortModem(com), 0);
        EXPECT_NE(port.OutSerialPort(com, 'A'), 0);
    }
    // Port numbers outside 1..4.
    EXPECT_NE(port.ConfigParallelPort(0, 0), 0);
    EXPECT_NE(port.ConfigParallelPort(5, 0), 0);
    EXPECT_NE(port.OutSerialPort(5, 'A'), 0);
    EXPECT_NE(port.TestSerialPortModem(0), 0);
}

TEST(Druckerport, SerielleEinstellungenAusDenSchnittstellenwerten)
{
    struct Fall {
        std::uint16_t baud;
        std::uint8_t datenbit, stopbit, parity;
        std::optional<SerielleEinstellung> erwartet;
    };
    using P = QSerialPort;
    const Fall faelle[] = {
        {9600, 8, 1, 0, SerielleEinstellung{9600, P::Data8, P::OneStop, P::NoParity}},
        {19200, 7, 2, 1, SerielleEinstellung{19200, P::Data7, P::TwoStop, P::EvenParity}},
        {1200, 6, 1, 2, SerielleEinstellung{1200, P::Data6, P::OneStop, P::OddParity}},
        {7200, 5, 1, 3, SerielleEinstellung{7200, P::Data5, P::OneStop, P::SpaceParity}},
        {3600, 8, 1, 4, SerielleEinstellung{3600, P::Data8, P::OneStop, P::MarkParity}},
        // The stored value minus 1: 0 is one stop bit; 1 (from 2) is read as one.
        {4800, 8, 0, 0, SerielleEinstellung{4800, P::Data8, P::OneStop, P::NoParity}},
        {2400, 8, 2, 0, SerielleEinstellung{2400, P::Data8, P::TwoStop, P::NoParity}},
        // Values a port cannot take.
        {0, 8, 1, 0, std::nullopt},
        {9600, 4, 1, 0, std::nullopt},
        {9600, 9, 1, 0, std::nullopt},
        {9600, 8, 3, 0, std::nullopt},
        {9600, 8, 1, 5, std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.baud << " " << int(f.datenbit) << " " << int(f.stopbit) << " "
                                        << int(f.parity));
        EXPECT_EQ(serielleEinstellung(f.baud, f.datenbit, f.stopbit, f.parity), f.erwartet);
    }
    // Invalid settings are refused before the device is looked at.
    QTemporaryDir dir;
    DruckerGeraete g;
    g.com[0] = dir.filePath(QStringLiteral("com1.prn"));
    LinuxDruckerport port(g);
    EXPECT_NE(port.ConfigSerialPort(1, 0, 9600, 8, 1, 5), 0);
    EXPECT_EQ(port.ConfigSerialPort(1, 0, 9600, 8, 1, 4), 0);
}

TEST(Druckerport, ParallelStatus)
{
    const int bereit = LP_PSELECD | LP_PERRORP;
    EXPECT_TRUE(parallelStatusBereit(bereit));
    EXPECT_TRUE(parallelStatusBereit(bereit | LP_PBUSY));
    EXPECT_FALSE(parallelStatusBereit(bereit | LP_POUTPA));  // out of paper
    EXPECT_FALSE(parallelStatusBereit(LP_PERRORP));          // off line
    EXPECT_FALSE(parallelStatusBereit(LP_PSELECD));          // error
}

// A pseudo-terminal stands in for the serial printer: every byte arrives
// unchanged, whatever the offers the port refused on the way.
TEST(Druckerport, SeriellesGeraetErhaeltDieBytesUnveraendert)
{
    int master = -1;
    int slave = -1;
    char name[128] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) GTEST_SKIP() << "no pseudo-terminal";
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    DruckerGeraete g;
    g.com[2] = QString::fromLocal8Bit(name);
    LinuxDruckerport port(g);
    if (port.ConfigSerialPort(3, 0, 9600, 8, 2, 0) != 0) {
        ::close(slave);
        ::close(master);
        GTEST_SKIP() << "QSerialPort cannot open " << name;
    }
    EXPECT_EQ(port.TestSerialPortModem(3), 0);

    QByteArray gesendet;
    for (int i = 0; i < 3; ++i)
        for (int b = 0; b < 256; ++b) gesendet.append(static_cast<char>(b));
    QByteArray empfangen;
    auto lesen = [&](int warten) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, warten) <= 0) return;
        char puffer[512];
        const ssize_t n = ::read(master, puffer, sizeof puffer);
        if (n > 0) empfangen.append(puffer, n);
    };
    const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    qsizetype naechstes = 0;
    while (empfangen.size() < gesendet.size() && std::chrono::steady_clock::now() < frist) {
        while (naechstes < gesendet.size() &&
               port.OutSerialPort(3, static_cast<std::uint8_t>(gesendet.at(naechstes))) == 0)
            ++naechstes;
        lesen(naechstes < gesendet.size() ? 0 : 100);
    }
    EXPECT_EQ(empfangen.toHex(), gesendet.toHex());
    port.InoutClear();
    ::close(slave);
    ::close(master);
}

TEST(Druckerport, GeraeteAusDenEinstellungen)
{
    const TEinstellungen vorher = Einst;
    EinstellungenVorbelegen();
    EXPECT_EQ(Einst.DruckerGeraetLpt[1], QStringLiteral("/dev/lp0"));
    EXPECT_EQ(Einst.DruckerGeraetLpt[4], QStringLiteral("/dev/lp3"));
    EXPECT_EQ(Einst.DruckerGeraetCom[1], QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(Einst.DruckerGeraetCom[4], QStringLiteral("/dev/ttyS3"));
    const Einstellungsschluessel* s = SchluesselSuchen(u"DruckerGeraetCom2");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->sektion, QStringLiteral("[Bahnsteuerung]"));
    EXPECT_TRUE(EinstellungSetzen(*s, QStringLiteral("/dev/ttyUSB0")));
    EXPECT_EQ(Einst.DruckerGeraetCom[2], QStringLiteral("/dev/ttyUSB0"));
    Einst = vorher;
}

TEST(Druckerport, OhneEingesetzteSchichtIstKeinPortBereit)
{
    Druckerport& keiner = druckerport();
    EXPECT_NE(keiner.ConfigParallelPort(1, 0), 0);
    EXPECT_NE(keiner.ConfigSerialPort(1, 0, 9600, 8, 1, 0), 0);
    EXPECT_NE(keiner.TestSerialPortModem(1), 0);
    EXPECT_NE(keiner.OutParallelPort(1, 'A'), 0);
    FakeDruckerport fake;
    {
        DruckerportEinsetzen guard(fake);
        EXPECT_EQ(&druckerport(), &fake);
    }
    EXPECT_EQ(&druckerport(), &keiner);
}

TEST(FakeDruckerport, ZeichnetAufUndAntwortetWieVorgegeben)
{
    FakeDruckerport fake;
    fake.configAntworten = {0, 3};
    fake.testAntworten = {1, 0};
    fake.outAntworten = {0, 2, 0};
    fake.InoutInit(500, 0);
    EXPECT_EQ(fake.ConfigParallelPort(2, 1), 0);
    EXPECT_EQ(fake.ConfigSerialPort(1, 1, 4800, 7, 2, 1), 3);
    EXPECT_EQ(fake.ConfigSerialPort(4, 0, 9600, 8, 1, 0), 0);  // script used up
    EXPECT_EQ(fake.TestParallelPort(2, 1), 1);
    EXPECT_EQ(fake.TestSerialPortModem(1), 0);
    EXPECT_EQ(fake.OutParallelPort(2, 'a'), 0);
    EXPECT_EQ(fake.OutParallelPort(2, 'b'), 2);  // refused: not recorded
    EXPECT_EQ(fake.OutParallelPort(2, 'b'), 0);
    EXPECT_EQ(fake.OutSerialPort(1, 'c'), 0);
    EXPECT_NE(fake.OutSerialPort(5, 'd'), 0);
    fake.InoutClear();

    EXPECT_EQ(fake.timer, QList<std::uint16_t>{500});
    EXPECT_EQ(fake.lptKonfig.size(), 1);
    EXPECT_EQ(fake.lptKonfig.value(0), (std::array<std::uint8_t, 2>{2, 1}));
    ASSERT_EQ(fake.comKonfig.size(), 2);
    EXPECT_EQ(fake.comKonfig.at(0), (FakeDruckerport::SeriellKonfig{1, 1, 4800, 7, 2, 1}));
    EXPECT_EQ(fake.lptDaten[1], "ab");
    EXPECT_EQ(fake.comDaten[0], "c");
    EXPECT_EQ(fake.tests, 2);
    EXPECT_EQ(fake.outs, 5);
    EXPECT_EQ(fake.clears, 1);
}
