#include "CanKarte.h"
#include "CanSenden.h"
#include "Globals.h"
#include "QtCanAdapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

// A port of its own so that the test does not meet another virtual bus.
const QString Bus = QStringLiteral("virtualcan:tcp://127.0.0.1:35471/can0");

// Delivery goes through the plugin's TCP server: poll with a bounded wait.
std::optional<CanRohRahmen> empfangen(CanAdapter& adapter)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (auto r = adapter.lesen()) return r;
    }
    return std::nullopt;
}

// The program's send pump puts a queued frame on the bus; a lane's adapter
// sees it. Runs inside the one test that uses the virtual bus: the plugin
// keeps one server per process.
void PumpeSendetAufDenBus()
{
    GlobalsZuruecksetzen();
    Einst.CanSchnittstelle = QStringLiteral("virtualcan:tcp://127.0.0.1:35471/can0");
    Einst.CanBusKarte = 1;
    Einst.PcEinheit = 3;
    QtCanAdapter programm, bahn;
    QString fehler;
    ASSERT_TRUE(bahn.oeffnen({Einst.CanSchnittstelle}, &fehler)) << fehler.toStdString();
    setCanAdapter(&programm);
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    ASSERT_EQ(CanAktiv, 1) << CanEinstellungen.StatusText.toStdString();
    EXPECT_EQ(CanEinstellungen.StatusText, QStringLiteral("CanBus VCI initialisiert !"));

    ASSERT_TRUE(CanNachrichtSenden2(2, 36, 3));
    CanSendenTick();
    const CanRohRahmen erwartet{0x600 + 8 * 2 + 2, 2, {36, 3}};
    EXPECT_EQ(empfangen(bahn), erwartet);
    EXPECT_EQ(BahnSendenAusstehend, 0);

    setCanAdapter(nullptr);
    CanSendenZuruecksetzen();
    GlobalsZuruecksetzen();
}

TEST(VirtualCan, FrameGoesFromOneAdapterToTheOther)
{
    // Bit rate and filter are not for virtualcan: opening ignores them.
    const CanOeffnung oeffnung{Bus, 125000, 0x200, 0xFF07};
    QtCanAdapter sender, empfaenger;
    QString fehler;
    ASSERT_TRUE(empfaenger.oeffnen(oeffnung, &fehler)) << fehler.toStdString();
    ASSERT_TRUE(sender.oeffnen(oeffnung, &fehler)) << fehler.toStdString();
    EXPECT_TRUE(sender.istOffen());
    EXPECT_EQ(sender.name(), Bus);
    EXPECT_FALSE(empfaenger.lesen());

    const CanRohRahmen rahmen{0x235, 3, {0x11, 0x22, 0x33}};
    ASSERT_TRUE(sender.senden(rahmen));
    EXPECT_EQ(empfangen(empfaenger), rahmen);

    const CanRohRahmen leer{0x7FF, 0, {}};
    const CanRohRahmen voll{0x001, 8, {1, 2, 3, 4, 5, 6, 7, 8}};
    ASSERT_TRUE(empfaenger.senden(leer));
    ASSERT_TRUE(empfaenger.senden(voll));
    EXPECT_EQ(empfangen(sender), leer);
    EXPECT_EQ(empfangen(sender), voll);

    sender.schliessen();
    EXPECT_FALSE(sender.istOffen());
    EXPECT_FALSE(sender.senden(rahmen));
    EXPECT_FALSE(sender.lesen());
    empfaenger.schliessen();

    PumpeSendetAufDenBus();
}

TEST(VirtualCan, UnknownPluginOrBadTextIsRefused)
{
    for (const char* text : {"keinplugin:x", "can0", ":can0", "virtualcan:"}) {
        QtCanAdapter adapter;
        QString fehler;
        EXPECT_FALSE(adapter.oeffnen({QString::fromLatin1(text)}, &fehler)) << text;
        EXPECT_FALSE(fehler.isEmpty()) << text;
        EXPECT_FALSE(adapter.istOffen()) << text;
        EXPECT_FALSE(adapter.senden({0x100, 1, {1}})) << text;
    }
}

}  // namespace

