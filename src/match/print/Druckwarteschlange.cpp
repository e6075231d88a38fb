#include "match/print/Druckwarteschlange.h"

#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/print/Escp.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/Druckerport.h"

#include <QByteArray>
#include <algorithm>

DruckwarteschlangeZustand druckwarteschlangeZustand;

void DruckwarteschlangeZustand::zuruecksetzen()
{
    // Field by field: the blocks are too large for a temporary.
    for (auto& b : DruckerPuffer) b.fill(0);
    for (auto& b : DruckerZeile) b.fill(0);
    for (auto& b : BahnDruckerPuffer) b.fill(0);
    for (auto& u : DruckerUeberlauf) u.clear();
    for (auto& u : BahnDruckerUeberlauf) u.clear();
    for (auto* a : {&DruckerLesezeiger, &DruckerSchreibzeiger, &DruckerZeilenAnfang, &DruckerZeilenZeiger})
        a->fill(0);
    BahnDruckerLesezeiger.fill(0);
    BahnDruckerSchreibzeiger.fill(0);
    DruckerZuordnung.fill(0);
    BahnDruckerZustand.fill(0);
    DruckerBeschaeftigt.fill(0);
    DruckerportBereit.fill(0);
    DruckerSpiel.fill(nullptr);
    PcDruckAusstehend = 0;
    DruckerportBelegt = 0;
    BerichtDrucker = 0;
    DruckerportInit = 0;
    DruckerGesendet = 0;
}

Array1<u8, MaxBahnen>& DruckerZuordnung = druckwarteschlangeZustand.DruckerZuordnung;
Array1<u8, MaxBahnen>& BahnDruckerZustand = druckwarteschlangeZustand.BahnDruckerZustand;
Array1<u8, ZentralDruckerAnzahl>& DruckerBeschaeftigt = druckwarteschlangeZustand.DruckerBeschaeftigt;
Array1<u8, ZentralDruckerAnzahl>& DruckerportBereit = druckwarteschlangeZustand.DruckerportBereit;
u16& PcDruckAusstehend = druckwarteschlangeZustand.PcDruckAusstehend;
u8& DruckerportBelegt = druckwarteschlangeZustand.DruckerportBelegt;

namespace {

DruckwarteschlangeZustand& Z = druckwarteschlangeZustand;

// A block with its read and write position; lese <= schreib <= N always.
// A queue has an overflow behind it: bytes that did not fit wait there in
// order and move in as room comes free at the end of the block.
template <long N>
struct Block {
    CheckedArray<u8, 0, N - 1>& daten;
    u16& lese;
    u16& schreib;
    QByteArray* ueberlauf = nullptr;

    int anzahl() const { return schreib - lese; }
    int wartend() const { return anzahl() + (ueberlauf ? int(ueberlauf->size()) : 0); }
    bool passt(qsizetype n) const { return n <= N - schreib; }
    void anhaengen(QByteArrayView b)
    {
        for (char c : b) daten[schreib++] = u8(c);
    }
    u8 vorne() const { return daten[lese]; }
    void weiter() { ++lese; }
    void anfangWennLeer()
    {
        if (lese >= schreib) lese = schreib = 0;
        nachruecken();
    }
    void nachruecken()
    {
        if (!ueberlauf || ueberlauf->isEmpty()) return;
        const qsizetype n = std::min<qsizetype>(N - schreib, ueberlauf->size());
        anhaengen(QByteArrayView(*ueberlauf).first(n));
        ueberlauf->remove(0, n);
    }
    // The whole job, behind what already waits; false when the overflow is full.
    bool aufnehmen(QByteArrayView auftrag)
    {
        if ((!ueberlauf || ueberlauf->isEmpty()) && passt(auftrag.size())) {
            anhaengen(auftrag);
            return true;
        }
        if (!ueberlauf || ueberlauf->size() + auftrag.size() > DruckerUeberlaufGrenze) return false;
        ueberlauf->append(auftrag);
        nachruecken();
        return true;
    }
    void leeren()
    {
        lese = schreib = 0;
        if (ueberlauf) ueberlauf->clear();
    }
};

using Puffer = Block<DruckerPufferGroesse>;
using Zeile = Block<DruckerZeilenGroesse>;

Puffer Warteschlange(int p)
{
    return {Z.DruckerPuffer[p], Z.DruckerLesezeiger[p], Z.DruckerSchreibzeiger[p], &Z.DruckerUeberlauf[p]};
}
Zeile Zeilenpuffer(int p) { return {Z.DruckerZeile[p], Z.DruckerZeilenAnfang[p], Z.DruckerZeilenZeiger[p]}; }
Puffer CanWarteschlange(int bahn)
{
    return {Z.BahnDruckerPuffer[bahn], Z.BahnDruckerLesezeiger[bahn], Z.BahnDruckerSchreibzeiger[bahn],
            &Z.BahnDruckerUeberlauf[bahn]};
}

bool GueltigeBahn(int bahn) { return bahn >= 1 && bahn <= MaxBahnen; }
bool GueltigerDrucker(int p) { return p >= 1 && p <= ZentralDruckerAnzahl; }

// The central printer of the lane, 0 for none.
int DruckerDerBahn(int bahn)
{
    const int p = GueltigeBahn(bahn) ? DruckerZuordnung[bahn] : 0;
    return GueltigerDrucker(p) ? p : 0;
}

enum class Weg { Keiner, Pc, Can };

// Where the lane's output goes: the report takes every job to the PC pump;
// otherwise only a lane whose sheet printer is on in a match that prints sheets.
Weg WegDerBahn(int bahn)
{
    if (DruckerportBelegt) return Weg::Pc;
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (!m || !m->DrWurfblatt || !WurfblattDrucker[bahn]) return Weg::Keiner;
    return m->DrEinzelbahn ? Weg::Can : Weg::Pc;
}

bool IstBerichtsbahn(int bahn)
{
    return DruckerportBelegt && Z.BerichtDrucker != 0 && DruckerDerBahn(bahn) == Z.BerichtDrucker;
}

// One byte to port n (1..4 parallel, 5..8 serial); 0 when taken.
u8 Aus(int n, u8 b)
{
    Druckerport& port = druckerport();
    return n >= 5 ? port.OutSerialPort(u8(n - 4), b) : port.OutParallelPort(u8(n), b);
}

// Offers the bytes of the source as the printer's port mode allows; what is
// refused stays at the front, in order.
void Senden(const TZentralDrucker& d, int n, auto quelle)
{
    const int vorher = quelle.anzahl();
    if (d.DrTimer != 0) {
        while (quelle.anzahl() > 0 && Aus(n, quelle.vorne()) == 0) quelle.weiter();
    } else if (n >= 5) {
        while (quelle.anzahl() > 0) {
            bool genommen = false;
            for (int versuch = 0; versuch <= d.DruckWait && !genommen; ++versuch)
                genommen = Aus(n, quelle.vorne()) == 0;
            if (!genommen) break;
            quelle.weiter();
        }
    } else if (quelle.anzahl() > 0 && Aus(n, quelle.vorne()) == 0) {
        // A parallel printer without its own timing gets one byte a tick.
        quelle.weiter();
    }
    Z.DruckerGesendet += u32(vorher - quelle.anzahl());
    quelle.anfangWennLeer();
}

}  // namespace

void DruckerportKonfigurieren(int p)
{
    if (!GueltigerDrucker(p)) return;
    const TZentralDrucker& d = Einst.Drucker[p];
    const int n = d.Schnittstelle;
    Druckerport& port = druckerport();
    const u8 antwort = n >= 5 ? port.ConfigSerialPort(u8(n - 4), d.ComMode, d.ComBaud, d.ComDatenbit, d.ComStopbit,
                                                      d.ComParity)
                              : port.ConfigParallelPort(u8(n), d.LptMode);
    DruckerportBereit[p] = antwort == 0 ? 1 : 0;
}

namespace {

enum class Zuordnung { Paar, Spiel, Bericht };

bool ImSpiel(const TWettkampfDaten& m, int bahn)
{
    const Bahnbereich b = BahnenVon(m);
    return bahn >= b.erste && bahn <= b.letzte;
}

// The lane's printer is taken for the lane's match.
bool HatDrucker(int bahn, const TWettkampfDaten& m)
{
    const int p = DruckerDerBahn(bahn);
    return p && DruckerBeschaeftigt[p] && Z.DruckerSpiel[p] == &m;
}

bool Zuordnen(int bahn, Zuordnung art)
{
    if (!GueltigeBahn(bahn)) return false;
    TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (art != Zuordnung::Bericht) {
        if (!m) return false;
        if (HatDrucker(bahn, *m)) return true;
    }
    int p = 0;
    for (int k = 1; k <= ZentralDruckerAnzahl && !p; ++k) {
        const TZentralDrucker& d = Einst.Drucker[k];
        if (!DruckerBeschaeftigt[k] && d.Schnittstelle > 0 && d.DrBahnVon <= bahn && bahn <= d.DrBahnBis) p = k;
    }
    if (!p) return false;
    DruckerBeschaeftigt[p] = 1;
    DruckerZuordnung[bahn] = u8(p);
    switch (art) {
    case Zuordnung::Paar:
        m->DruckerZugeordnet = 1;
        Z.DruckerSpiel[p] = m;
        // A pair lane of another match keeps its own printer.
        if (ImSpiel(*m, DruckerPaarBahn(bahn))) DruckerZuordnung[DruckerPaarBahn(bahn)] = u8(p);
        break;
    case Zuordnung::Spiel:
        m->DruckerZugeordnet = 1;
        Z.DruckerSpiel[p] = m;
        for (int k : BahnenVon(*m)) DruckerZuordnung[k] = u8(p);
        break;
    case Zuordnung::Bericht:
        Z.BerichtDrucker = u8(p);
        break;
    }
    if (art != Zuordnung::Bericht || Einst.DrBahndrucker) DruckerportKonfigurieren(p);
    if (Warteschlange(p).wartend() > 0) {
        // What the printer's last match left still waits: the reset goes
        // behind it, so that it prints as it was meant.
        QByteArray reset;
        DruckerInitialisieren(reset, Einst.Drucker[p]);
        Warteschlange(p).aufnehmen(reset);
    } else {
        BahnDruckerInitialisieren(bahn);
    }
    BahndruckAnstossen(bahn);
    return true;
}

}  // namespace

void BahndruckBeginnen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    if (BahnDaten[bahn].BahnOnline && Einst.DrEinschalten) CanNachrichtSenden(bahn, CanRahmen::DruckerEin());
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (m && m->DrWurfblatt) {
        BahndruckMaske |= BahnBit(bahn);
        DruckerpruefMaske |= BahnBit(bahn);
        Timer9().setEnabled(true);
    }
}

void BahndruckBeenden(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    if (Einst.DrEinschalten) CanNachrichtSenden(bahn, CanRahmen::DruckerAus());
    WurfblattDrucker[bahn] = 0;
}

void DruckeranfragenZurueckziehen(int bahn)
{
    const int p = DruckerDerBahn(bahn);
    if (!p) return;
    for (int k = 1; k <= MaxBahnen; ++k)
        if (k != bahn && DruckerDerBahn(k) == p) {
            DruckerAnfrageMaske &= u16(~BahnBit(k));
            BahnDruckerZustand[k] = 0;
        }
}

void BahndruckAnstossen(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    switch (WegDerBahn(bahn)) {
    case Weg::Pc: PcDruckAusstehend |= BahnBit(bahn); break;
    case Weg::Can: BahnDruckAusstehend |= BahnBit(bahn); break;
    case Weg::Keiner: break;
    }
    CanSendeTimer().setEnabled(true);
}

bool DruckauftragAnhaengen(int bahn, QByteArrayView auftrag)
{
    if (!GueltigeBahn(bahn)) return false;
    const Weg weg = WegDerBahn(bahn);
    if (weg == Weg::Keiner) return false;
    const int p = DruckerDerBahn(bahn);
    if (weg == Weg::Pc && !p) return false;
    Puffer ziel = weg == Weg::Can ? CanWarteschlange(bahn) : Warteschlange(p);
    if (!ziel.aufnehmen(auftrag)) {
        qWarning("Drucker der Bahn %d druckt seit langem nicht: Druckauftrag (%lld Bytes) nicht angenommen", bahn,
                 static_cast<long long>(auftrag.size()));
        return false;
    }
    BahndruckAnstossen(bahn);
    return true;
}

int DruckerAusstehend(int drucker)
{
    if (!GueltigerDrucker(drucker)) return 0;
    return Zeilenpuffer(drucker).anzahl() + Warteschlange(drucker).wartend();
}

int BahnDruckerAusstehend(int bahn) { return GueltigeBahn(bahn) ? CanWarteschlange(bahn).wartend() : 0; }

void DruckerportAusgeben(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    const u16 bit = BahnBit(bahn);
    const int p = DruckerDerBahn(bahn);
    if (!p) {
        // No printer serves the lane: nothing can be waiting for one.
        PcDruckAusstehend &= u16(~bit);
        return;
    }
    const TZentralDrucker& d = Einst.Drucker[p];
    const int n = d.Schnittstelle;
    if (n < 1 || n > 8) return;
    // A port that could not be opened (a USB printer switched on after the
    // start has no device yet) or whose device went away is opened again;
    // until it opens and takes bytes, the printer counts as not ready, so
    // that the operator is asked about it.
    Druckerport& port = druckerport();
    if (!DruckerportBereit[p] || port.verloren(u8(n))) DruckerportKonfigurieren(p);
    const auto nichtBereit = [&] {
        if (++BahnDruckerZustand[bahn] > DruckerNichtBereitGrenze) {
            DruckerAnfrageMaske |= bit;
            Timer9().setEnabled(true);
            BahnDruckerZustand[bahn] = 0;
        }
    };
    const u8 bereit = !DruckerportBereit[p] ? 1
                      : n >= 5              ? port.TestSerialPortModem(u8(n - 4))
                                            : port.TestParallelPort(u8(n), d.LptMode);
    if (bereit != 0) {
        nichtBereit();
        return;
    }
    Zeile zeile = Zeilenpuffer(p);
    Puffer schlange = Warteschlange(p);
    if (zeile.anzahl() > 0)
        Senden(d, n, zeile);
    else
        Senden(d, n, schlange);
    if (port.verloren(u8(n))) {
        nichtBereit();
        return;
    }
    if (zeile.anzahl() > 0 || schlange.wartend() > 0) return;

    if (DruckerportBelegt && Z.BerichtDrucker == p) {
        DruckerBeschaeftigt[p] = 0;
        DruckerportBelegt = 0;
        Z.BerichtDrucker = 0;
    }
    PcDruckAusstehend &= u16(~bit);
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (!m) return;
    const int paar = DruckerPaarBahn(bahn);
    if (m->DrZweiBahnen && GueltigeBahn(paar)) PcDruckAusstehend &= u16(~BahnBit(paar));
    if (m->DrZentral)
        for (int k : BahnenVon(*m)) PcDruckAusstehend &= u16(~BahnBit(k));
}

bool DruckerCanAusgeben(int bahn)
{
    if (!CanAktiv || !GueltigeBahn(bahn)) return false;
    Puffer schlange = CanWarteschlange(bahn);
    TCanNachricht& rahmen = CanSendeDrucker[bahn];
    if (DruckerSendeErgebnis[bahn] == 1) {
        // An empty queue gives a frame of length 0: the lane controller
        // hands no byte to its printer.
        schlange.anfangWennLeer();
        rahmen.Id = DruckerCanId(bahn);
        rahmen.Laenge = 0;
        while (schlange.anzahl() > 0 && rahmen.Laenge < DruckerRahmenBytes) {
            rahmen.Daten[rahmen.Laenge++] = schlange.vorne();
            schlange.weiter();
        }
    }
    // A refused frame stays in the template and goes again unchanged.
    CanRohRahmen r;
    r.id = rahmen.Id;
    r.laenge = rahmen.Laenge;
    for (int i = 0; i < DruckerRahmenBytes; ++i) r.daten[std::size_t(i)] = rahmen.Daten[i];
    CanAdapter* adapter = canAdapter();
    DruckerSendeErgebnis[bahn] = adapter && adapter->senden(r) ? 1 : 0;
    if (DruckerSendeErgebnis[bahn] == 1) schlange.anfangWennLeer();
    if (schlange.anzahl() == 0 && DruckerSendeErgebnis[bahn] == 1) BahnDruckAusstehend &= u16(~BahnBit(bahn));
    return DruckerSendeErgebnis[bahn] == 1;
}

bool DruckausgabeSenden(int bahn)
{
    if (!GueltigeBahn(bahn)) return false;
    const u16 bit = BahnBit(bahn);
    if ((PcDruckAusstehend & bit) && (WurfblattDrucker[bahn] || IstBerichtsbahn(bahn))) {
        DruckerportAusgeben(bahn);
        CanSendeTimer().setEnabled(true);
    }
    if ((BahnDruckAusstehend & bit) && WurfblattDrucker[bahn]) {
        const bool gesendet = DruckerCanAusgeben(bahn);
        CanSendeTimer().setEnabled(true);
        return gesendet;
    }
    return false;
}

bool BahndruckerZuordnen(int bahn) { return Zuordnen(bahn, Zuordnung::Paar); }
bool BahndruckerZuordnenSpiel(int bahn) { return Zuordnen(bahn, Zuordnung::Spiel); }
bool BerichtDruckerOeffnen(int bahn) { return Zuordnen(bahn, Zuordnung::Bericht); }

void BahnDruckerInitialisieren(int bahn)
{
    if (!GueltigeBahn(bahn)) return;
    const int p = DruckerDerBahn(bahn);
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (m && m->DrEinzelbahn) {
        // The lane's own printer, behind what waits for it on the bus.
        static const TZentralDrucker standard;
        QByteArray reset;
        DruckerInitialisieren(reset, p ? Einst.Drucker[p] : standard);
        CanWarteschlange(bahn).aufnehmen(reset);
        return;
    }
    if (!p) return;
    QByteArray reset;
    DruckerInitialisieren(reset, Einst.Drucker[p]);
    Zeile zeile = Zeilenpuffer(p);
    if (zeile.passt(reset.size()))
        zeile.anhaengen(reset);
    else
        qWarning("Druckerzeile des Druckers %d voll: Initialisierung nicht angenommen", p);
}

void ZentralDruckerFreigeben(int bahn)
{
    const int p = DruckerDerBahn(bahn);
    if (!p) return;
    TWettkampfDaten* m = Z.DruckerSpiel[p];
    if (!m || !DruckerBeschaeftigt[p] || !ImSpiel(*m, bahn)) return;
    for (int k : BahnenVon(*m))
        if (k != bahn && m->BahnImSpiel[k] && DruckerZuordnung[k] == p) return;
    DruckerBeschaeftigt[p] = 0;
    Z.DruckerSpiel[p] = nullptr;
    if (std::find(Z.DruckerSpiel.begin(), Z.DruckerSpiel.end(), m) == Z.DruckerSpiel.end()) m->DruckerZugeordnet = 0;
}

void DruckwarteschlangeLeeren(int bahn)
{
    const int p = DruckerDerBahn(bahn);
    if (!p) return;
    Warteschlange(p).leeren();
    Zeilenpuffer(p).leeren();
}

void DruckwarteschlangenLeeren()
{
    for (int p = 1; p <= ZentralDruckerAnzahl; ++p) {
        Warteschlange(p).leeren();
        Zeilenpuffer(p).leeren();
    }
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) CanWarteschlange(bahn).leeren();
}

bool DruckerGeteilt(int bahn)
{
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (!m) return false;
    const int p = DruckerDerBahn(bahn);
    auto an = [&](int k) {
        return k != bahn && ImSpiel(*m, k) && WurfblattDrucker[k] && DruckerDerBahn(k) == p;
    };
    if (m->DrZweiBahnen && an(DruckerPaarBahn(bahn))) return true;
    if (m->DrZentral)
        for (int k : BahnenVon(*m))
            if (an(k)) return true;
    return false;
}

void DruckspalteBestimmen(int bahn)
{
    const TWettkampfDaten* m = WettkampfDerBahn(bahn);
    if (!m) return;
    u16& spalte = BahnDaten[bahn].DruckSpalte;
    const bool ungeradeBahn = bahn % 2 == 1;
    const bool ungeraderDurchgang = m->Durchgang % 2 == 1;
    if (m->DrZweiBahnen) spalte = ungeradeBahn == ungeraderDurchgang ? 4 : 54;
    if (!m->DrZentral) return;
    const int k = bahn - m->ErsteSpielbahn;
    const int anzahl = m->LetzteSpielbahn - m->ErsteSpielbahn + 1;
    if (k < 0 || k >= anzahl) return;
    static constexpr u16 zwei[] = {4, 28};
    static constexpr u16 zweiSparend[] = {52, 76};
    static constexpr u16 vier[] = {4, 28, 52, 76};
    static constexpr u16 sechs[] = {0, 16, 32, 48, 64, 80};
    switch (anzahl) {
    case 2: spalte = (m->DrSparmodus && !ungeraderDurchgang) ? zweiSparend[k] : zwei[k]; break;
    case 4: spalte = vier[k]; break;
    case 6: spalte = sechs[k]; break;
    default: break;
    }
}
