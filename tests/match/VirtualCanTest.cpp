#include "core/Globals.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "platform/QtCanAdapter.h"
#include "match/flow/Zustand.h"
#include "support/Einsetzen.h"
#include "support/VirtuellerBus.h"

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Only a failing wait runs into it: generous for a loaded machine.
constexpr int Frist = 30000;

// Runs the event loop until ziel holds or the deadline has passed.
bool warten(const std::function<bool()>& ziel)
{
    QEventLoop schleife;
    QTimer pruefen;
    QObject::connect(&pruefen, &QTimer::timeout, &schleife, [&] {
        if (ziel()) schleife.quit();
    });
    QTimer::singleShot(Frist, &schleife, &QEventLoop::quit);
    pruefen.start(1);
    if (!ziel()) schleife.exec();
    return ziel();
}

// Delivery goes through the bus's TCP server.
std::optional<CanRohRahmen> empfangen(CanAdapter& adapter)
{
    std::optional<CanRohRahmen> r;
    warten([&] {
        if (!r) r = adapter.lesen();
        return r.has_value();
    });
    return r;
}

// The program's send pump puts a queued frame on the bus; a lane's adapter
// sees it.
void PumpeSendetAufDenBus(const QString& bus)
{
    ZustandZuruecksetzen();
    Einst.CanSchnittstelle = bus;
    Einst.CanBusKarte = 1;
    Einst.PcEinheit = 3;
    QtCanAdapter programm, bahn;
    QString fehler;
    ASSERT_TRUE(bahn.oeffnen({Einst.CanSchnittstelle}, &fehler)) << fehler.toStdString();
    CanAdapterEinsetzen ein(&programm);
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    ASSERT_EQ(CanAktiv, 1) << CanEinstellungen.StatusText.toStdString();
    EXPECT_EQ(CanEinstellungen.StatusText, QStringLiteral("CanBus VCI initialisiert !"));

    ASSERT_TRUE(CanNachrichtSenden2(2, 36, 3));
    CanSendenTick();
    const CanRohRahmen erwartet{0x600 + 8 * 2 + 2, 2, {36, 3}};
    EXPECT_EQ(empfangen(bahn), erwartet);
    EXPECT_EQ(BahnSendenAusstehend, 0);
    ZustandZuruecksetzen();
}

TEST(VirtualCan, FrameGoesFromOneAdapterToTheOther)
{
    VirtuellerBus bus;
    ASSERT_TRUE(bus.laeuft());
    // Bit rate and filter are not for virtualcan: opening ignores them.
    const CanOeffnung oeffnung{bus.schnittstelle(), 125000, 0x200, 0xFF07};
    QtCanAdapter sender, empfaenger;
    QString fehler;
    ASSERT_TRUE(empfaenger.oeffnen(oeffnung, &fehler)) << fehler.toStdString();
    ASSERT_TRUE(sender.oeffnen(oeffnung, &fehler)) << fehler.toStdString();
    EXPECT_TRUE(sender.istOffen());
    EXPECT_EQ(sender.name(), bus.schnittstelle());
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

    PumpeSendetAufDenBus(bus.schnittstelle());
}

// The bus goes away while a frame still waits in the adapter: the device
// keeps counting it but no longer hands it out. Reading returns at once,
// sending is refused.
TEST(VirtualCan, ReadingStopsWhenTheBusGoesAway)
{
    VirtuellerBus bus;
    QtCanAdapter sender, empfaenger;
    QString fehler;
    ASSERT_TRUE(empfaenger.oeffnen({bus.schnittstelle()}, &fehler)) << fehler.toStdString();
    ASSERT_TRUE(sender.oeffnen({bus.schnittstelle()}, &fehler)) << fehler.toStdString();
    ASSERT_TRUE(sender.senden({0x235, 1, {7}}));
    ASSERT_TRUE(warten([&] { return bus.rahmen() == 1; }));

    bus.beenden();
    ASSERT_TRUE(warten([&] { return !empfaenger.istOffen() && !sender.istOffen(); }));
    EXPECT_FALSE(empfaenger.lesen());
    EXPECT_FALSE(empfaenger.senden({0x100, 1, {1}}));
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
