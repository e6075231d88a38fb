#include "competition/Aufstellung.h"

#include "core/RecordFunctions.h"

#include <algorithm>
#include <memory>

AufstellungZustand aufstellungZustand;

TSpielerEintrag& SpielerAblage = aufstellungZustand.SpielerAblage;
u8& AblageBelegt = aufstellungZustand.AblageBelegt;
Array1<TSpielerEintrag, MaxSpieler>& SpielerRueckgaengig = aufstellungZustand.SpielerRueckgaengig;
u8& SpielerRueckgaengigNr = aufstellungZustand.SpielerRueckgaengigNr;
u8& GridVerschieben = aufstellungZustand.GridVerschieben;

void AufstellungZustand::zuruecksetzen()
{
    // The records cannot be assigned; built anew in place, the references
    // above stay valid.
    std::destroy_at(this);
    std::construct_at(this);
}

QList<int> AufstellungErgebnis::liste() const
{
    QList<int> l;
    for (int n = 1; n <= MaxSpieler; ++n)
        if (geaendert(n)) l.append(n);
    return l;
}

namespace {

constexpr u16 AlleSlots = 0xFFFF;

bool Gueltig(int n) { return n >= 1 && n <= MaxSpieler; }
int Erster(int n) { return n <= 8 ? 1 : 9; }
int Letzter(int n) { return n <= 8 ? 8 : 16; }

u16 Bereich(int von, int bis)
{
    u16 m = 0;
    for (int k = von; k <= bis; ++k) m |= u16(1u << (k - 1));
    return m;
}
u16 Seite(int n) { return Bereich(Erster(n), Letzter(n)); }

TSpielerEintrag& Slot(const TWettkampfDaten& w, int k) { return *w.SpielerZeiger[k]; }

bool GestartetIn(const TWettkampfDaten& w, u16 maske)
{
    for (int k = 1; k <= MaxSpieler; ++k)
        if ((maske & (1u << (k - 1))) && Slot(w, k).Gestartet) return true;
    return false;
}

// A player written into slot k plays for the side of k.
void SlotSetzen(TWettkampfDaten& w, int k, const TSpielerEintrag& quelle)
{
    SpielerKopieren(Slot(w, k), quelle);
    Slot(w, k).IstHeim = k <= 8 ? 1 : 0;
}

// Slots n..last take their successor, the last one is cleared.
void NachOben(TWettkampfDaten& w, int n)
{
    const int letzter = Letzter(n);
    for (int k = n; k < letzter; ++k) SlotSetzen(w, k, Slot(w, k + 1));
    SpielerLoeschen(Slot(w, letzter));
}

// Slots n+1..last take their predecessor; the last player drops out.
void NachUnten(TWettkampfDaten& w, int n)
{
    for (int k = Letzter(n); k > n; --k) SlotSetzen(w, k, Slot(w, k - 1));
}

void RueckgaengigMerken(TWettkampfDaten& w, int n, u16 seiten, u16 geaendert)
{
    auto& z = aufstellungZustand;
    for (int k = 1; k <= MaxSpieler; ++k) {
        if (!(seiten & (1u << (k - 1)))) continue;
        SpielerKopieren(z.SpielerRueckgaengig[k], Slot(w, k));
        z.SpielerRueckgaengig[k].Gruppe = Slot(w, k).Gruppe;
    }
    z.RueckgaengigSlots = seiten;
    z.RueckgaengigGeaendert = geaendert;
    z.RueckgaengigWettkampf = &w;
    z.RueckgaengigAnlegeNr = w.AnlegeNr;
    z.SpielerRueckgaengigNr = u8(n);
}

void InAblage(const TSpielerEintrag& s)
{
    SpielerKopieren(SpielerAblage, s);
    SpielerAblage.Gruppe = s.Gruppe;
    AblageBelegt = 1;
}

AufstellungErgebnis Geaendert(TWettkampfDaten& w, u16 maske)
{
    if (maske) w.Geaendert = 1;
    return {true, maske};
}

// Cut and delete: slot n leaves, the side moves up.
AufstellungErgebnis Entfernen(TWettkampfDaten& w, int n, bool ablegen)
{
    if (!Gueltig(n)) return {};
    const u16 bereich = Bereich(n, Letzter(n));
    if (GestartetIn(w, bereich)) return {};
    RueckgaengigMerken(w, n, Seite(n), bereich);
    if (ablegen) InAblage(Slot(w, n));
    NachOben(w, n);
    return Geaendert(w, bereich);
}

}  // namespace

bool SlotFrei(const TWettkampfDaten& w, int n) { return Gueltig(n) && !Slot(w, n).Gestartet; }

AufstellungErgebnis AufstellungAusschneiden(TWettkampfDaten& w, int n) { return Entfernen(w, n, true); }

AufstellungErgebnis AufstellungLoeschen(TWettkampfDaten& w, int n) { return Entfernen(w, n, false); }

AufstellungErgebnis AufstellungKopieren(TWettkampfDaten& w, int n)
{
    if (!SlotFrei(w, n)) return {};
    InAblage(Slot(w, n));
    SpielerRueckgaengigNr = 0;
    return {true, 0};
}

AufstellungErgebnis AufstellungEinfuegen(TWettkampfDaten& w, int n)
{
    if (!Gueltig(n) || !AblageBelegt) return {};
    const u16 bereich = Bereich(n, Letzter(n));
    if (GestartetIn(w, bereich)) return {};
    RueckgaengigMerken(w, n, Seite(n), bereich);
    NachUnten(w, n);
    SlotSetzen(w, n, SpielerAblage);
    return Geaendert(w, bereich);
}

AufstellungErgebnis InhaltEinfuegen(TWettkampfDaten& w, int n)
{
    if (!SlotFrei(w, n) || !AblageBelegt) return {};
    RueckgaengigMerken(w, n, Seite(n), Bereich(n, n));
    SlotSetzen(w, n, SpielerAblage);
    return Geaendert(w, Bereich(n, n));
}

AufstellungErgebnis InhaltLoeschen(TWettkampfDaten& w, int n)
{
    if (!SlotFrei(w, n)) return {};
    RueckgaengigMerken(w, n, Seite(n), Bereich(n, n));
    SpielerLoeschen(Slot(w, n));
    return Geaendert(w, Bereich(n, n));
}

bool RueckgaengigFuer(const TWettkampfDaten& w)
{
    const auto& z = aufstellungZustand;
    return z.SpielerRueckgaengigNr != 0 && z.RueckgaengigWettkampf == &w && z.RueckgaengigAnlegeNr == w.AnlegeNr;
}

AufstellungErgebnis AufstellungRueckgaengig(TWettkampfDaten& w)
{
    auto& z = aufstellungZustand;
    if (z.RueckgaengigWettkampf == &w && z.RueckgaengigAnlegeNr != w.AnlegeNr) z.SpielerRueckgaengigNr = 0;
    if (!RueckgaengigFuer(w)) return {};
    if (GestartetIn(w, z.RueckgaengigGeaendert)) return {};
    u16 maske = 0;
    for (int k = 1; k <= MaxSpieler; ++k) {
        if (!(z.RueckgaengigSlots & (1u << (k - 1))) || Slot(w, k).Gestartet) continue;
        SlotSetzen(w, k, z.SpielerRueckgaengig[k]);
        Slot(w, k).Gruppe = z.SpielerRueckgaengig[k].Gruppe;
        maske |= u16(1u << (k - 1));
    }
    z.SpielerRueckgaengigNr = 0;
    return Geaendert(w, maske);
}

AufstellungErgebnis SpielerAblegen(TWettkampfDaten& w, int quelle, int ziel)
{
    if (!Gueltig(quelle) || !Gueltig(ziel) || quelle == ziel) return {};
    if (Erster(quelle) == Erster(ziel)) {
        // Within one side the player changes places with the slots between.
        const u16 bereich = Bereich(std::min(quelle, ziel), std::max(quelle, ziel));
        if (GestartetIn(w, bereich)) return {};
        RueckgaengigMerken(w, ziel, Seite(ziel), bereich);
        InAblage(Slot(w, quelle));
        if (quelle < ziel)
            for (int k = quelle; k < ziel; ++k) SlotSetzen(w, k, Slot(w, k + 1));
        else
            for (int k = quelle; k > ziel; --k) SlotSetzen(w, k, Slot(w, k - 1));
        SlotSetzen(w, ziel, SpielerAblage);
        return Geaendert(w, bereich);
    }
    const u16 bereich = Bereich(quelle, Letzter(quelle)) | Bereich(ziel, Letzter(ziel));
    if (GestartetIn(w, bereich)) return {};
    RueckgaengigMerken(w, ziel, AlleSlots, bereich);
    InAblage(Slot(w, quelle));
    NachOben(w, quelle);
    NachUnten(w, ziel);
    SlotSetzen(w, ziel, SpielerAblage);
    return Geaendert(w, bereich);
}

AufstellungErgebnis ZeileAblegen(TWettkampfDaten& w, const TSpielerEintrag& zeile, int ziel)
{
    if (!Gueltig(ziel)) return {};
    const u16 bereich = Bereich(ziel, Letzter(ziel));
    if (GestartetIn(w, bereich)) return {};
    RueckgaengigMerken(w, ziel, Seite(ziel), bereich);
    NachUnten(w, ziel);
    SlotSetzen(w, ziel, zeile);
    Slot(w, ziel).Gruppe = zeile.Gruppe;
    return Geaendert(w, bereich);
}

void SpielerInAblage(const TSpielerEintrag& zeile) { InAblage(zeile); }
