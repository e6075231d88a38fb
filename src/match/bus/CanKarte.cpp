#include "match/bus/CanKarte.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanSenden.h"

CanKarteZustand canKarteZustand;
TCanEinstellungen& CanEinstellungen = canKarteZustand.CanEinstellungen;
u8& CanKarteOffen = canKarteZustand.CanKarteOffen;
u8& CanAktiv = canKarteZustand.CanAktiv;
u8& CanKarteGetrennt = canKarteZustand.CanKarteGetrennt;

const QStringList CanKartenTexte = {
    QStringLiteral("keine Karte"),
    QStringLiteral("passive LPT Karte (Ixxat)"),
    QStringLiteral("aktive PCMCIA Karte (Ixxat)"),
    QStringLiteral("passive ISA Karte (Ixxat)"),
    QStringLiteral("aktive ISA Karte (Ixxat)"),
    QStringLiteral("passive PCI Karte (Ixxat)"),
    QStringLiteral("aktive PCI Karte (Ixxat)"),
    QStringLiteral("USB Karte (Ixxat)"),
    QStringLiteral("ISA Karte (Peak)"),
    QStringLiteral("PCI Karte (Peak)"),
    QStringLiteral("USB Karte (Peak)"),
    QStringLiteral("PCI Karte (Brenwick Marvolund)"),
};

const TCanBusTakt CanBusTaktTabelle[8] = {
    {"1 MBaud (23)", 0x00, 0x23}, {"1 MBaud (14)", 0x00, 0x14}, {"800 kBaud", 0x00, 0x16},
    {"500 kBaud", 0x00, 0x2B},    {"250 kBaud", 0x01, 0x2B},    {"125 kBaud", 0x03, 0x2B},
    {"100 kBaud", 0x03, 0x2F},    {"50 kBaud", 0x07, 0x2F},
};

namespace {

CanAdapter* g_adapter = nullptr;

void TexteLeeren()
{
    CanEinstellungen.KartenName.clear();
    CanEinstellungen.PortText.clear();
    CanEinstellungen.IrqText.clear();
    CanEinstellungen.StatusText.clear();
}

void AdapterSchliessen()
{
    if (g_adapter && g_adapter->istOffen()) g_adapter->schliessen();
}

// Opens the adapter of the kind in use; false when there is none or it fails.
bool AdapterOeffnen()
{
    if (!g_adapter) return false;
    CanOeffnung o;
    o.schnittstelle = CanSchnittstelleFuer(CanEinstellungen.KartenTyp);
    o.bitrate = BitrateAusBtr(CanEinstellungen.Btr0, CanEinstellungen.Btr1);
    o.filterCode = CanAkzeptanzCode;
    o.filterMaske = CanAkzeptanzMaske;
    QString fehler;
    if (g_adapter->oeffnen(o, &fehler)) return true;
    qWarning("CAN-Adapter %s: %s", qPrintable(o.schnittstelle), qPrintable(fehler));
    return false;
}

// The status bar shows the bus only while the adapter is lost.
void GetrenntMelden(bool getrennt)
{
    if (CanKarteGetrennt == u8(getrennt)) return;
    CanKarteGetrennt = getrennt;
    fenster().statusText(StatusPanelCan, getrennt ? CanKarteGetrenntText : QString());
}

void PortTexteSetzen()
{
    CanEinstellungen.PortText =
        QLatin1Char('$') + QString::number(CanEinstellungen.Port, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    CanEinstellungen.IrqText = QString::number(CanEinstellungen.Irq);
}

}  // namespace

u32 BitrateAusBtr(u8 btr0, u8 btr1)
{
    const u32 teiler = (btr0 & 0x3Fu) + 1;
    const u32 quanten = 1 + ((btr1 & 0x0Fu) + 1) + (((btr1 >> 4) & 0x07u) + 1);
    return 8000000u / (teiler * quanten);
}

QString CanSchnittstelleFuer(i32 kartenTyp)
{
    if (kartenTyp < 1 || kartenTyp > 10) return {};
    if (!Einst.CanSchnittstelle.trimmed().isEmpty()) return Einst.CanSchnittstelle.trimmed();
    return QStringLiteral("socketcan:can0");
}

void CanEinstellungenUebernehmen()
{
    TCanEinstellungen& c = CanEinstellungen;
    c.CanBusKarte = Einst.CanBusKarte;
    c.CanBusMem = Einst.CanBusMem;
    c.CanBusIrq = Einst.CanBusIrq;
    c.CanBusTakt = Einst.CanBusTakt;
    c.CanBusTakt0 = Einst.CanBusTakt0;
    c.CanBusTakt1 = Einst.CanBusTakt1;
    if (c.CanBusTakt0 == 0 && c.CanBusTakt1 == 0 && c.CanBusTakt <= 7) {
        c.CanBusTakt0 = CanBusTaktTabelle[c.CanBusTakt].btr0;
        c.CanBusTakt1 = CanBusTaktTabelle[c.CanBusTakt].btr1;
    }
    c.Btr0 = c.CanBusTakt0;
    c.Btr1 = c.CanBusTakt1;
    c.KartenTyp = c.CanBusKarte;
    c.Port = c.CanBusMem;
    c.Irq = c.CanBusIrq;
}

void setCanAdapter(CanAdapter* adapter)
{
    if (g_adapter != adapter) AdapterSchliessen();
    g_adapter = adapter;
    if (!adapter) {
        CanKarteOffen = CanAktiv = 0;
        GetrenntMelden(false);
        CanWacheTimer().setEnabled(false);
    }
}

CanAdapter* canAdapter() { return g_adapter && g_adapter->istOffen() ? g_adapter : nullptr; }

void VciInitialisieren()
{
    TexteLeeren();
    CanKarteOffen = 0;
    AdapterSchliessen();
    if (!g_adapter) return;
    if (!AdapterOeffnen()) {
        CanEinstellungen.StatusText = QStringLiteral("Karte nicht gefunden !");
        return;
    }
    CanEinstellungen.KartenName = g_adapter->name();
    PortTexteSetzen();
    CanTabellenSetzen();
    CanEinstellungen.StatusText = QStringLiteral("CanBus VCI initialisiert !");
    CanKarteOffen = 1;
    GetrenntMelden(false);
}

void PcanInitialisieren()
{
    TexteLeeren();
    AdapterSchliessen();
    CanKarteOffen = 0;
    if (!g_adapter) return;
    if (CanEinstellungen.KartenTyp == 8) PortTexteSetzen();
    if (!AdapterOeffnen()) {
        CanEinstellungen.StatusText = QStringLiteral("CAN Karte nicht gefunden !");
        return;
    }
    CanKarteOffen = 1;
    CanEinstellungen.KartenName = g_adapter->name();
    CanEinstellungen.StatusText = QStringLiteral("CAN Karte Ok !");
    CanTabellenSetzen();
    GetrenntMelden(false);
}

void CanKarteSchliessen()
{
    TexteLeeren();
    AdapterSchliessen();
    CanKarteOffen = 0;
    CanEinstellungen.StatusText = QStringLiteral("CAN Karte nicht gefunden !");
    GetrenntMelden(false);
}

void CanKarteOeffnen()
{
    const i32 typ = CanEinstellungen.KartenTyp;
    if (typ >= 1 && typ <= 7)
        VciInitialisieren();
    else if (typ >= 8 && typ <= 10)
        PcanInitialisieren();
    else if (typ == 11)
        CanKarteSchliessen();
    else {
        // "keine Karte": an adapter opened before is closed, the bus is off.
        AdapterSchliessen();
        CanKarteOffen = 0;
    }
    CanAktiv = CanKarteOffen;
    GetrenntMelden(false);
    CanWacheTimer().setEnabled(CanAktiv);
}

Zeitgeber& CanWacheTimer()
{
    static Zeitgeber timer(&CanWacheTick, CanWacheIntervallMs);
    return timer;
}

void CanWacheTick()
{
    if (!CanAktiv || !CanKarteOffen || !g_adapter) return;
    if (!CanKarteGetrennt) {
        if (g_adapter->istOffen()) return;
        qWarning("CAN-Adapter %s getrennt", qPrintable(g_adapter->name()));
        GetrenntMelden(true);
        CanEinstellungen.StatusText = CanKarteGetrenntText;
    }
    g_adapter->schliessen();
    if (!AdapterOeffnen()) return;
    CanEinstellungen.StatusText = CanEinstellungen.KartenTyp <= 7 ? QStringLiteral("CanBus VCI initialisiert !")
                                                                  : QStringLiteral("CAN Karte Ok !");
    GetrenntMelden(false);
    // What was queued meanwhile goes out now.
    CanTabellenSetzen();
}
