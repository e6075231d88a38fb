#include "core/Zeitgeber.h"
#include "support/CanTestUmgebung.h"

#include <QMap>

TEST(CanKarteBitrate, EveryBusClockChoiceGivesItsStandardRate)
{
    const u32 raten[8] = {1000000, 1000000, 800000, 500000, 250000, 125000, 100000, 50000};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(BitrateAusBtr(CanBusTaktTabelle[i].btr0, CanBusTaktTabelle[i].btr1), raten[i]) << CanBusTaktTabelle[i].text;
}

class CanKarte : public Grundlage {
protected:
    FakeCanAdapter adapter;
    CanAdapterEinsetzen m_adapter{&adapter};
};

TEST_F(CanKarte, StoredTimingOrTheBusClockTable)
{
    Einst.CanBusTakt = 4;
    CanEinstellungenUebernehmen();
    EXPECT_EQ(CanEinstellungen.Btr0, 0x01);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x2B);

    Einst.CanBusTakt0 = 0;
    Einst.CanBusTakt1 = 0x1C;
    CanEinstellungenUebernehmen();
    EXPECT_EQ(CanEinstellungen.Btr0, 0x00);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x1C);
    EXPECT_EQ(CanEinstellungen.Port, 0xD000);
    EXPECT_EQ(CanEinstellungen.Irq, 7);
}

TEST_F(CanKarte, OpeningByKindWithItsStatusText)
{
    const struct {
        i32 typ;
        bool gelingt;
        const char* status;
        u8 offen;
    } faelle[] = {
        {0, true, "", 0},
        {1, true, "CanBus VCI initialisiert !", 1},
        {7, false, "Karte nicht gefunden !", 0},
        {8, true, "CAN Karte Ok !", 1},
        {10, false, "CAN Karte nicht gefunden !", 0},
        {11, true, "CAN Karte nicht gefunden !", 0},
    };
    for (const auto& f : faelle) {
        Einst.CanBusKarte = f.typ;
        CanEinstellungenUebernehmen();
        adapter.oeffnenGelingt = f.gelingt;
        CanKarteOeffnen();
        EXPECT_EQ(CanEinstellungen.StatusText, QLatin1String(f.status)) << f.typ;
        EXPECT_EQ(CanKarteOffen, f.offen) << f.typ;
        EXPECT_EQ(CanAktiv, f.offen) << f.typ;
        EXPECT_EQ(adapter.istOffen(), f.offen == 1) << f.typ;
    }
    EXPECT_EQ(CanKartenTexte.size(), 12);
}

TEST_F(CanKarte, TheInterfaceBitRateAndFilterReachTheAdapter)
{
    Einst.CanBusKarte = 3;
    Einst.CanBusMem = 0x0300;
    Einst.CanBusIrq = 5;
    Einst.CanBusTakt = 3;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    EXPECT_EQ(adapter.letzteOeffnung.schnittstelle, QStringLiteral("socketcan:can0"));
    EXPECT_EQ(adapter.letzteOeffnung.bitrate, 500000u);
    EXPECT_EQ(adapter.letzteOeffnung.filterCode, 0x200u);
    EXPECT_EQ(CanEinstellungen.PortText, QStringLiteral("$0300"));
    EXPECT_EQ(CanEinstellungen.IrqText, QStringLiteral("5"));

    Einst.CanSchnittstelle = QStringLiteral("virtualcan:tcp://127.0.0.1:35480/can0");
    Einst.CanBusKarte = 9;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    EXPECT_EQ(adapter.letzteOeffnung.schnittstelle, Einst.CanSchnittstelle);
    EXPECT_GE(adapter.schliessungen, 1);  // the open adapter was closed first

    Einst.CanBusKarte = 0;  // "keine Karte" takes the bus off
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    EXPECT_FALSE(adapter.istOffen());
    EXPECT_EQ(CanAktiv, 0);
}

struct StatusAufnahme : FensterAufnahme {
    QMap<int, QString> panels;
    void statusText(int panel, const QString& text) override { panels[panel] = text; }
};

// A USB adapter pulled mid-match: the watch tick notices it, shows it in the
// status bar, keeps the bus in use and opens the adapter again once it is
// back; what was queued meanwhile then goes out.
TEST_F(CanKarte, ALostAdapterIsShownAndOpenedAgain)
{
    StatusAufnahme f;
    FensterDiensteEinsetzen fEin(&f);
    Einst.CanBusKarte = 10;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    EXPECT_TRUE(CanWacheTimer().enabled());
    CanWacheTick();
    EXPECT_EQ(adapter.oeffnungen, 1);  // open: left alone
    EXPECT_TRUE(f.panels.isEmpty());

    adapter.trennen();
    adapter.oeffnenGelingt = false;
    const struct {
        bool zurueck;
        u8 getrennt;
        const char* status;
        const char* panel;
    } ticks[] = {
        {false, 1, "CAN Karte getrennt !", "CAN Karte getrennt !"},
        {false, 1, "CAN Karte getrennt !", "CAN Karte getrennt !"},
        {true, 0, "CAN Karte Ok !", ""},
    };
    int n = 1;
    for (const auto& t : ticks) {
        adapter.oeffnenGelingt = t.zurueck;
        if (t.getrennt) {
            EXPECT_TRUE(CanNachrichtSenden1(1, u8(n)));  // waits in the queue
        }
        CanWacheTick();
        EXPECT_EQ(adapter.oeffnungen, ++n);
        EXPECT_EQ(CanKarteGetrennt, t.getrennt) << n;
        EXPECT_EQ(CanAktiv, 1) << n;
        EXPECT_EQ(CanEinstellungen.StatusText, QLatin1String(t.status)) << n;
        EXPECT_EQ(f.panels.value(StatusPanelCan), QLatin1String(t.panel)) << n;
    }
    EXPECT_TRUE(CanSendeTimer().enabled());
    for (int i = 0; i < 3; ++i) CanSendenTick();
    ASSERT_EQ(adapter.gesendet.size(), 2);
    EXPECT_EQ(adapter.gesendet.at(0).daten[0], 1);
    EXPECT_EQ(adapter.gesendet.at(1).daten[0], 2);

    Einst.CanBusKarte = 0;  // the bus taken off: no more watching
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    EXPECT_FALSE(CanWacheTimer().enabled());
}
