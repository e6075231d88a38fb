#include "shell/OptionenBahnen.h"

#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Wurfblattdruck.h"

namespace {

// Decimal, or "$" and hexadecimal digits; "suchen" is 0.
std::optional<qint64> CanFeldZahl(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("suchen"), Qt::CaseInsensitive) == 0) return 0;
    bool ok = false;
    const qint64 z = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return z;
}

}  // namespace

// --- Bahnsteuerung ----------------------------------------------------------------

int BahnenEintrag(int bahnen)
{
    for (std::size_t i = 0; i < BahnenAuswahl.size(); ++i)
        if (BahnenAuswahl[i] == bahnen) return int(i);
    return -1;
}

bool DruckerMitSchnittstelle(const DruckerportArbeitskopie& opt)
{
    for (int p = 1; p <= ZentralDruckerAnzahl; ++p)
        if (opt.Drucker[p].Schnittstelle > 0) return true;
    return false;
}

void BahnsteuerungUebernehmen(const BahnsteuerungWerte& w, const DruckerportArbeitskopie& opt)
{
    TEinstellungen& e = Einst;
    if (w.bahnsteuerung >= 0 && w.bahnsteuerung <= 2) e.Bahnsteuerung = u8(w.bahnsteuerung);
    if (w.bahnen >= 0 && w.bahnen < int(BahnenAuswahl.size())) BahnAnzahl = u8(BahnenAuswahl[std::size_t(w.bahnen)]);
    e.PcVerbund = u8(w.pcVerbund + 1);
    e.PcEinheit = u8(w.pcEinheit + 1);
    e.ManualBahnw = w.manualBahnw;
    e.WurfzeitBahn = w.wurfzeitBahn;
    e.TimeoutBahnw = TextZuZahl(w.timeoutBahnw);
    e.Wurffehler = w.wurffehler;

    e.DrBahndrucker = w.drBahndrucker;
    e.DrGrafik = w.drGrafik;
    e.DrStatus = w.drStatus;
    e.DrWurfblatt = w.drWurfblatt;
    e.DrZweiBahnen = w.drZweiBahnen;
    e.DrZentral = w.drZentral;
    e.DrSparmodus = w.drSparmodus;
    e.DrSingle = !w.drZweiBahnen && !w.drZentral;
    e.DrEinschalten = w.drEinschalten;
    e.DrKopf = w.drKopf;
    e.DrFuss = w.drFuss;

    for (int bahn = 1; bahn <= BahnAnzahl && bahn <= MaxBahnen; ++bahn) DruckerZuordnung[bahn] = 0;
    DruckerportArbeitskopieUebernehmen(opt);
    bool zahl = false;
    const int kopien = w.kopien.trimmed().toInt(&zahl);
    e.Kopien = zahl && kopien >= 0 && kopien <= 255 ? u8(kopien) : 1;

    // The ports are taken up afresh: released first when they were set up.
    bool schnittstelle = false;
    for (int p = 1; p <= ZentralDruckerAnzahl; ++p) schnittstelle = schnittstelle || e.Drucker[p].Schnittstelle > 0;
    if (schnittstelle) DruckerBeenden();
    DruckwarteschlangenLeeren();
    DruckerStarten();
}

// --- Can Bus ----------------------------------------------------------------------

CanKartenFelder CanKarteFelder(int karte)
{
    // Per kind 0..11: port, interrupt.
    static constexpr std::array<std::pair<bool, bool>, 12> tabelle = {{
        {false, false},  // keine Karte
        {true, false},   // passive LPT (Ixxat)
        {true, false},   // aktive PCMCIA (Ixxat)
        {true, true},    // passive ISA (Ixxat)
        {true, true},    // aktive ISA (Ixxat)
        {true, false},   // passive PCI (Ixxat)
        {true, false},   // aktive PCI (Ixxat)
        {false, false},  // USB (Ixxat)
        {true, true},    // ISA (Peak)
        {true, true},    // PCI (Peak)
        {false, false},  // USB (Peak)
        {true, true},    // PCI (Brenwick Marvolund)
    }};
    if (karte < 0 || karte >= int(tabelle.size())) return {};
    const auto [port, irq] = tabelle[std::size_t(karte)];
    return {port, irq, karte != 0};
}

std::optional<u16> CanPortWert(const QString& text)
{
    const std::optional<qint64> z = CanFeldZahl(text);
    if (!z || *z < 0 || *z > 0xFFFF) return std::nullopt;
    return u16(*z);
}

std::optional<u8> CanIrqWert(const QString& text)
{
    const std::optional<qint64> z = CanFeldZahl(text);
    if (!z || *z < 0 || *z > 0xFF) return std::nullopt;
    return u8(*z);
}

QString CanPortFehler(const QString& text)
{
    return QStringLiteral("„%1“ ist keine gültige Adresse der CAN-Karte. Bitte „suchen“, eine Dezimalzahl oder "
                          "„$“ mit bis zu vier Hexadezimalziffern eingeben (zum Beispiel $D000).")
        .arg(text);
}

QString CanIrqFehler(const QString& text)
{
    return QStringLiteral("„%1“ ist kein gültiger Interrupt der CAN-Karte. Bitte „suchen“ oder eine Zahl von 0 "
                          "bis 255 eingeben.")
        .arg(text);
}

void CanBtrSetzen(int takt)
{
    if (takt < 0 || takt > 7) return;
    CanEinstellungen.Btr0 = CanBusTaktTabelle[takt].btr0;
    CanEinstellungen.Btr1 = CanBusTaktTabelle[takt].btr1;
}

void CanKarteTesten(int karte, u16 port, u8 irq, int takt)
{
    TCanEinstellungen& c = CanEinstellungen;
    if (c.Btr0 == 0 && c.Btr1 == 0) CanBtrSetzen(takt);
    c.KartenTyp = karte;
    c.Port = port;
    c.Irq = irq;
    if (karte == 0) {
        CanAktiv = 0;
        return;
    }
    CanKarteOeffnen();
}

void CanBusUebernehmen(const CanBusWerte& w)
{
    TEinstellungen& e = Einst;
    TCanEinstellungen& c = CanEinstellungen;
    e.CanBusTimer = TextZuZahl(w.timer);
    if (w.sendType == 0 || w.sendType == 1) e.CanSendType = u8(w.sendType);
    if (e.CanBusTimer == 0) e.CanBusTimer = 10;
    CanSendeTimer().setInterval(e.CanBusTimer);

    if (w.takt >= 0 && w.takt <= 7) e.CanBusTakt = c.CanBusTakt = u8(w.takt);
    e.CanBusTakt0 = c.CanBusTakt0 = c.Btr0;
    e.CanBusTakt1 = c.CanBusTakt1 = c.Btr1;
    if (w.karte >= 0 && w.karte <= 11) e.CanBusKarte = c.CanBusKarte = w.karte;
    e.CanBusMem = c.CanBusMem = w.mem;
    e.CanBusIrq = c.CanBusIrq = w.irq;

    if (e.CanBusKarte == 0) {
        c.KartenTyp = 0;
        CanKarteOeffnen();  // closes what is open
    } else if (!CanKarteOffen) {
        c.KartenTyp = e.CanBusKarte;
        c.Port = e.CanBusMem;
        c.Irq = e.CanBusIrq;
        CanKarteOeffnen();
    }
    CanAktiv = CanKarteOffen;
    CanWacheTimer().setEnabled(CanAktiv);
    if (!CanAktiv) return;
    for (int bahn = 1; bahn <= BahnAnzahl; ++bahn) CanNachrichtSenden(bahn, CanRahmen::Konfiguration(e.PcEinheit));
}

// --- Keys ----------------------------------------------------------------------------

std::vector<Optionsschluessel> BahnsteuerungSchluessel()
{
    const QString sektion = QStringLiteral("[Bahnsteuerung]");
    std::vector<Optionsschluessel> s;
    auto dazu = [&](const QString& name) { s.emplace_back(sektion, name); };
    for (const char* name : {"Bahnen", "PcVerbund", "PcEinheit", "ManualBahnw", "WurfzeitBahn", "TimeoutBahnw",
                             "BahnSteuerung", "Wurffehler", "DrBahndrucker", "DrGrafik", "Kopien", "DrStatus",
                             "DrEinschalten", "DrWurfblatt", "DrSingle", "DrZweiBahnen", "DrZentral", "DrSparmodus",
                             "DrKopf", "DrFuss"})
        dazu(QLatin1String(name));
    for (int n = 1; n <= ZentralDruckerAnzahl; ++n)
        for (const char* name : {"Schnittstelle", "DrBahnVon", "DrBahnBis", "ComBaud", "ComDatenbit", "ComStopbit",
                                 "ComParity", "ComMode", "DrTimer", "LptMode", "DruckWait", "Emulation"})
            dazu(QLatin1String(name) + QString::number(n));
    for (const char* name : {"DrAeGross", "DrOeGross", "DrUeGross", "DrAeKlein", "DrOeKlein", "DrUeKlein", "DrSs"})
        dazu(QLatin1String(name));
    for (int n = 1; n <= ZentralDruckerAnzahl; ++n)
        for (const char* name : {"StartFeed", "EndFeed", "PageLength", "FormFeed"})
            dazu(QLatin1String(name) + QString::number(n));
    return s;
}

std::vector<Optionsschluessel> CanBusSchluessel()
{
    std::vector<Optionsschluessel> s;
    for (const char* name : {"CanBusKarte", "CanBusMem", "CanBusIrq", "CanBusTakt", "CanBusTakt0", "CanBusTakt1",
                             "CanBusTimer", "CanSendType"})
        s.emplace_back(QStringLiteral("[CanBus]"), QLatin1String(name));
    return s;
}
