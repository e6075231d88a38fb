#include "match/bus/CanSenden.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"

CanSendenZustand canSendenZustand;

void CanSendenZustand::zuruecksetzen()
{
    *this = CanSendenZustand{};
    BahnSendeErgebnis.fill(1);
}

Array1<TCanNachricht, MaxBahnen>& CanSendeBahn = canSendenZustand.CanSendeBahn;
Array1<TCanNachricht, MaxBahnen>& CanSendeDrucker = canSendenZustand.CanSendeDrucker;
TCanNachricht& CanSendeAnzeige = canSendenZustand.CanSendeAnzeige;
u32& MannschanzCanId = canSendenZustand.MannschanzCanId;
u32& NamenanzCanId = canSendenZustand.NamenanzCanId;
Array1<CheckedArray<TCanNachricht, 0, BahnPufferGroesse - 1>, MaxBahnen>& BahnSendepuffer =
    canSendenZustand.BahnSendepuffer;
Array1<u8, MaxBahnen>& BahnSendeSchreibzeiger = canSendenZustand.BahnSendeSchreibzeiger;
Array1<u8, MaxBahnen>& BahnSendeLesezeiger = canSendenZustand.BahnSendeLesezeiger;
Array1<u16, MaxBahnen>& BahnSendeAnzahl = canSendenZustand.BahnSendeAnzahl;
u16& BahnSendenAusstehend = canSendenZustand.BahnSendenAusstehend;
Array1<i32, MaxBahnen>& BahnSendeErgebnis = canSendenZustand.BahnSendeErgebnis;
CheckedArray<TCanNachricht, 0, AnzeigePufferGroesse - 1>& AnzeigeSendepuffer = canSendenZustand.AnzeigeSendepuffer;
u8& AnzeigeSendeSchreibzeiger = canSendenZustand.AnzeigeSendeSchreibzeiger;
u8& AnzeigeSendeLesezeiger = canSendenZustand.AnzeigeSendeLesezeiger;
u16& AnzeigeSendeAnzahl = canSendenZustand.AnzeigeSendeAnzahl;
u16& AnzeigeSendenAktiv = canSendenZustand.AnzeigeSendenAktiv;
i32& CanSendeErgebnis = canSendenZustand.CanSendeErgebnis;
u32& CanSendeVerworfen = canSendenZustand.CanSendeVerworfen;
u32& CanSendeErsetzt = canSendenZustand.CanSendeErsetzt;
u32& CanGesendet = canSendenZustand.CanGesendet;

namespace {

DruckerSendeFunktion g_drucker = nullptr;
Array1<bool, MaxBahnen>& g_bahnUeberlauf = canSendenZustand.bahnUeberlauf;
bool& g_anzeigeUeberlauf = canSendenZustand.anzeigeUeberlauf;

void Verwerfen(bool& gemeldet, const char* was)
{
    ++CanSendeVerworfen;
    if (!gemeldet) qWarning("CAN: %s voll, Nachricht verworfen", was);
    gemeldet = true;
}

void Fuellen(TCanNachricht& n, const CanDaten& d)
{
    n.Laenge = d.laenge;
    for (int i = 0; i < 8; ++i) n.Daten[i] = i < d.laenge ? d.d[std::size_t(i)] : 0;
}

// Hands the frame to the adapter; 1 when it went out, 0 when refused.
i32 Uebergeben(const TCanNachricht& n)
{
    CanAdapter* a = canAdapter();
    if (!a) return 0;
    CanRohRahmen r;
    r.id = n.Id;
    r.laenge = n.Laenge;
    for (int i = 0; i < 8; ++i) r.daten[std::size_t(i)] = n.Daten[i];
    if (!a->senden(r)) return 0;
    ++CanGesendet;
    return 1;
}

void LogAus(const QByteArray& kopf, const TCanNachricht& n)
{
    u8 daten[8];
    for (int i = 0; i < 8; ++i) daten[i] = n.Daten[i];
    CanLogZeile(CanLogRahmen(kopf, n.Laenge, daten, Jetzt().time()));
}

bool Gueltig(const CanDaten& d) { return d.laenge >= 1 && d.laenge <= 8; }

u16 Schluessel(const TCanNachricht& n) { return CanRahmen::Auffrischschluessel(n.Laenge, n.Daten[0], n.Daten[1]); }

// Slot of the i-th frame of a lane's queue, 0 the oldest.
u8 BahnSlot(int bahn, int i) { return u8((BahnSendeLesezeiger[bahn] + i) % BahnPufferGroesse); }

// A refresh in place of the queued one of its key, looked for from the newest
// frame back to the last frame the lane acts upon.
bool Ersetzen(int bahn, u16 schluessel, const CanDaten& daten)
{
    for (int i = BahnSendeAnzahl[bahn] - 1; i >= 0; --i) {
        TCanNachricht& n = BahnSendepuffer[bahn][BahnSlot(bahn, i)];
        const u16 k = Schluessel(n);
        if (k == 0) return false;
        if (k != schluessel) continue;
        Fuellen(n, daten);
        ++CanSendeErsetzt;
        return true;
    }
    return false;
}

// A full queue gives its oldest refresh up; false when it holds none.
bool AuffrischungAufgeben(int bahn)
{
    auto& puffer = BahnSendepuffer[bahn];
    const int anzahl = BahnSendeAnzahl[bahn];
    int i = 0;
    while (i < anzahl && Schluessel(puffer[BahnSlot(bahn, i)]) == 0) ++i;
    if (i == anzahl) return false;
    for (; i < anzahl - 1; ++i) puffer[BahnSlot(bahn, i)] = puffer[BahnSlot(bahn, i + 1)];
    BahnSendeSchreibzeiger[bahn] = BahnSlot(bahn, anzahl - 1);
    --BahnSendeAnzahl[bahn];
    return true;
}

}  // namespace

u32 StationsOffset()
{
    const u8 p = Einst.PcEinheit;
    return (p >= 2 && p <= 8) ? u32(p - 1) : 0;
}

u32 BahnCanId(int bahn) { return 0x600 + 8 * u32(bahn) + StationsOffset(); }
u32 DruckerCanId(int bahn) { return 0x700 + 8 * u32(bahn); }

namespace {

void BahnLeeren(int n)
{
    BahnSendeSchreibzeiger[n] = 0;
    BahnSendeLesezeiger[n] = 0;
    BahnSendeAnzahl[n] = 0;
    BahnSendeErgebnis[n] = 1;
    BahnSendenAusstehend &= u16(~(1u << (n - 1)));
    g_bahnUeberlauf[n] = false;
}

}  // namespace

void CanTabellenSetzen()
{
    const u32 mannschAlt = MannschanzCanId;
    const u32 namenAlt = NamenanzCanId;
    for (int n = 1; n <= MaxBahnen; ++n) {
        CanSendeBahn[n].Id = BahnCanId(n);
        CanSendeBahn[n].Typ = 0;
        CanSendeDrucker[n].Id = DruckerCanId(n);
        CanSendeDrucker[n].Typ = 0;
        // What is queued survives a re-open: the slots hold no identifier,
        // so it goes to the lane under the station in use. Lanes beyond the
        // alley are never pumped, so their frames are dropped.
        if (n > BahnAnzahl || !(BahnSendenAusstehend & (1u << (n - 1)))) BahnLeeren(n);
    }
    if (!AnzeigeSendenAktiv) {
        AnzeigeSendeSchreibzeiger = 0;
        AnzeigeSendeLesezeiger = 0;
        AnzeigeSendeAnzahl = 0;
        CanSendeErgebnis = 1;
        g_anzeigeUeberlauf = false;
    }
    CanSendeAnzeige.Typ = 0;
    MannschanzCanId = 0x308 + StationsOffset();
    NamenanzCanId = 0x310 + StationsOffset();
    // Queued board frames follow a changed station as well.
    auto umsetzen = [&](TCanNachricht& n) {
        if (n.Id == mannschAlt)
            n.Id = MannschanzCanId;
        else if (n.Id == namenAlt)
            n.Id = NamenanzCanId;
    };
    for (int i = 0; i < AnzeigeSendeAnzahl; ++i) umsetzen(AnzeigeSendepuffer[u8(AnzeigeSendeLesezeiger + i)]);
    if (CanSendeErgebnis != 1) umsetzen(CanSendeAnzeige);
    CanSendeTimer().setInterval(Einst.CanBusTimer ? Einst.CanBusTimer : 10);
    if (BahnSendenAusstehend || AnzeigeSendenAktiv) CanSendeTimer().setEnabled(true);
}

void CanSendenZuruecksetzen()
{
    canSendenZustand.zuruecksetzen();
    CanTabellenSetzen();
    CanSendeTimer().setEnabled(false);
}

bool CanNachrichtSenden(int bahn, const CanDaten& daten)
{
    if (!CanAktiv) return false;
    if (bahn < 1 || bahn > BahnAnzahl || !Gueltig(daten)) {
        ++CanSendeVerworfen;
        qWarning("CAN: Nachricht an Bahn %d verworfen", bahn);
        return false;
    }
    const u16 schluessel = CanRahmen::Auffrischschluessel(daten.laenge, daten.d[0], daten.d[1]);
    if (schluessel && Ersetzen(bahn, schluessel, daten)) return true;
    if (BahnSendeAnzahl[bahn] >= BahnPufferGroesse) {
        const bool platz = schluessel == 0 && AuffrischungAufgeben(bahn);
        Verwerfen(g_bahnUeberlauf[bahn], "Sendepuffer der Bahn");
        if (!platz) return false;
    }
    const u8 s = BahnSendeSchreibzeiger[bahn];
    Fuellen(BahnSendepuffer[bahn][s], daten);
    BahnSendeSchreibzeiger[bahn] = u8((s + 1) % BahnPufferGroesse);
    ++BahnSendeAnzahl[bahn];
    BahnSendenAusstehend |= u16(1u << (bahn - 1));
    CanSendeTimer().setEnabled(true);
    return true;
}

bool CanNachrichtSenden1(int b, u8 d0) { return CanNachrichtSenden(b, {d0}); }
bool CanNachrichtSenden2(int b, u8 d0, u8 d1) { return CanNachrichtSenden(b, {d0, d1}); }
bool CanNachrichtSenden3(int b, u8 d0, u8 d1, u8 d2) { return CanNachrichtSenden(b, {d0, d1, d2}); }
bool CanNachrichtSenden4(int b, u8 d0, u8 d1, u8 d2, u8 d3) { return CanNachrichtSenden(b, {d0, d1, d2, d3}); }
bool CanNachrichtSenden5(int b, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4)
{
    return CanNachrichtSenden(b, {d0, d1, d2, d3, d4});
}
bool CanNachrichtSenden6(int b, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5)
{
    return CanNachrichtSenden(b, {d0, d1, d2, d3, d4, d5});
}
bool CanNachrichtSenden7(int b, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6)
{
    return CanNachrichtSenden(b, {d0, d1, d2, d3, d4, d5, d6});
}
bool CanNachrichtSenden8(int b, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6, u8 d7)
{
    return CanNachrichtSenden(b, {d0, d1, d2, d3, d4, d5, d6, d7});
}

bool AnzeigeNachrichtSenden(u32 id, const CanDaten& daten)
{
    if (!CanAktiv || !Gueltig(daten)) return false;
    if (AnzeigeSendeAnzahl >= AnzeigePufferGroesse) {
        Verwerfen(g_anzeigeUeberlauf, "Sendepuffer der Anzeigen");
        return false;
    }
    TCanNachricht& slot = AnzeigeSendepuffer[AnzeigeSendeSchreibzeiger];
    slot.Id = id;
    Fuellen(slot, daten);
    ++AnzeigeSendeSchreibzeiger;  // wraps after 255
    ++AnzeigeSendeAnzahl;
    AnzeigeSendenAktiv = 1;
    CanSendeTimer().setEnabled(true);
    return true;
}

bool AnzeigeNachrichtSenden2(u32 id, u8 d0, u8 d1) { return AnzeigeNachrichtSenden(id, {d0, d1}); }
bool AnzeigeNachrichtSenden3(u32 id, u8 d0, u8 d1, u8 d2) { return AnzeigeNachrichtSenden(id, {d0, d1, d2}); }
bool AnzeigeNachrichtSenden8(u32 id, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6, u8 d7)
{
    return AnzeigeNachrichtSenden(id, {d0, d1, d2, d3, d4, d5, d6, d7});
}

void BahnSendepufferSenden(int bahn)
{
    if (!CanAktiv || !CanSendeBahn.contains(bahn)) return;
    const u16 bit = u16(1u << (bahn - 1));
    if (BahnSendeErgebnis[bahn] == 1) {
        if (BahnSendeAnzahl[bahn] == 0) {
            BahnSendenAusstehend &= u16(~bit);
            return;
        }
        const TCanNachricht& slot = BahnSendepuffer[bahn][BahnSendeLesezeiger[bahn]];
        CanSendeBahn[bahn].Laenge = slot.Laenge;
        CanSendeBahn[bahn].Daten = slot.Daten;
        BahnSendeLesezeiger[bahn] = u8((BahnSendeLesezeiger[bahn] + 1) % BahnPufferGroesse);
        --BahnSendeAnzahl[bahn];
        if (Einst.CANOut && Einst.CANBahnsteuerung && Einst.CANBahn[bahn])
            LogAus(CanLogBahnKopf("Out ", bahn), CanSendeBahn[bahn]);
    }
    // A refused frame stays in the template and goes again at the next tick.
    BahnSendeErgebnis[bahn] = Uebergeben(CanSendeBahn[bahn]);
    if (BahnSendeAnzahl[bahn] == 0 && BahnSendeErgebnis[bahn] == 1) {
        BahnSendenAusstehend &= u16(~bit);
        BahnSendeSchreibzeiger[bahn] = 0;
        BahnSendeLesezeiger[bahn] = 0;
        g_bahnUeberlauf[bahn] = false;
    }
}

void AnzeigepufferSenden()
{
    if (!CanAktiv) return;
    if (CanSendeErgebnis == 1) {
        if (AnzeigeSendeAnzahl == 0) {
            AnzeigeSendenAktiv = 0;
            return;
        }
        CanSendeAnzeige = AnzeigeSendepuffer[AnzeigeSendeLesezeiger];
        ++AnzeigeSendeLesezeiger;
        --AnzeigeSendeAnzahl;
        if (Einst.CANOut) {
            if (Einst.CANMannschaftanzeige && CanSendeAnzeige.Id == MannschanzCanId)
                LogAus("Out Mannsch   ", CanSendeAnzeige);
            else if (Einst.CANNamenanzeige && CanSendeAnzeige.Id == NamenanzCanId)
                LogAus("Out Namen    ", CanSendeAnzeige);
        }
    }
    CanSendeErgebnis = Uebergeben(CanSendeAnzeige);
    if (AnzeigeSendeAnzahl == 0 && CanSendeErgebnis == 1) {
        AnzeigeSendenAktiv = 0;
        AnzeigeSendeSchreibzeiger = 0;
        AnzeigeSendeLesezeiger = 0;
        g_anzeigeUeberlauf = false;
    }
}

Zeitgeber& CanSendeTimer()
{
    static Zeitgeber timer(&CanSendenTick, 10);
    return timer;
}

void setDruckerSenden(DruckerSendeFunktion f) { g_drucker = f; }

void CanSendenTick()
{
    Zeitgeber& timer = CanSendeTimer();
    timer.setEnabled(false);
    const bool einzeln = Einst.CanSendType == 0;
    if (AnzeigeSendenAktiv == 1) {
        AnzeigepufferSenden();
        timer.setEnabled(true);
        if (einzeln) return;
    }
    for (int n = 1; n <= BahnAnzahl && n <= MaxBahnen; ++n) {
        if (BahnSendenAusstehend & (1u << (n - 1))) {
            BahnSendepufferSenden(n);
            timer.setEnabled(true);
            if (einzeln) return;
        }
        if (g_drucker && g_drucker(n)) {
            ++CanGesendet;
            timer.setEnabled(true);
            if (einzeln) return;
        }
    }
}
