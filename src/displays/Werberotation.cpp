#include "displays/Werberotation.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "displays/Werbung.h"

#include <limits>

namespace {

Werbeflaeche* g_flaeche = nullptr;

qsizetype Zeilen(const TWerbeZustand& b) { return b.Liste ? b.Liste->size() : 0; }

void Weiter(TWerbeZustand& b)
{
    if (++b.Position >= Zeilen(b)) b.Position = 0;
}

}  // namespace

void setWerbeflaeche(Werbeflaeche* f) { g_flaeche = f; }
Werbeflaeche* werbeflaeche() { return g_flaeche; }

void WerbeeintragLesen(TWerbeZustand& b)
{
    TWerbeeintrag e;
    if (b.Position < Zeilen(b))
        if (auto zeile = WerbezeileLesen(b.Liste->at(b.Position))) e = std::move(zeile->second);
    b.Eintrag = e.Datei;
    b.Ereignismaske = e.Maske;
    b.Anzeigezeit = e.Werbezeit;
    b.Intervall = e.Werbeabstand;
}

bool GrossanzWerbungLaden(TWettkampfDaten& w)
{
    if (&w != AnzeigeWettkampf) return false;
    TWerbeZustand& b = w.GrossanzWerbung;
    if (!b.Liste) b.Liste = std::make_unique<QStringList>();
    *b.Liste = TextdateiLesen(WerbekonfigurationDatei(QStringLiteral("Grossanz"), b.Index)).value_or(QStringList());
    const bool warAktiv = b.Zustand;
    b.Position = 0;
    b.Zustand = 0;
    b.Zaehler = 0;
    if (warAktiv) GrossanzWerbungUmschalten(w);
    return w.GrossanzeigeEin && b.Werbung && !b.Liste->isEmpty();
}

void GrossanzWerbungUmschalten(TWettkampfDaten& w)
{
    Werbeflaeche* f = werbeflaeche();
    if (!f) return;
    const TWerbeZustand& b = w.GrossanzWerbung;
    if (!b.Zustand)
        f->ergebnisseZeigen();
    else if (WerbedateiVorhanden(b.Eintrag))
        f->werbungZeigen(WerbedateiPfad(b.Eintrag));
}

void GrossanzWerbungBeenden(TWettkampfDaten& w)
{
    TWerbeZustand& b = w.GrossanzWerbung;
    if (!b.Zustand) return;
    b.Zustand = 0;
    b.Zaehler = 0;
    if (&w == AnzeigeWettkampf) GrossanzWerbungUmschalten(w);
}

void GrossanzWerbungAbloesen()
{
    // Only the match on the board rotates: any other's advert is left over.
    bool abgeloest = false;
    for (TWettkampfDaten& w : Wettkaempfe) {
        if (&w == AnzeigeWettkampf || !w.GrossanzWerbung.Zustand) continue;
        w.GrossanzWerbung.Zustand = 0;
        w.GrossanzWerbung.Zaehler = 0;
        abgeloest = true;
    }
    if (Werbeflaeche* f = werbeflaeche(); f && abgeloest) f->ergebnisseZeigen();
}

bool GrossanzWerbungTakt()
{
    GrossanzWerbungAbloesen();
    TWettkampfDaten* w = AnzeigeWettkampf;
    if (!w || !w->GrossanzeigeEin) return false;
    TWerbeZustand& b = w->GrossanzWerbung;
    if (!b.Werbung) {
        GrossanzWerbungBeenden(*w);
        return false;
    }
    if (Zeilen(b) == 0) return false;

    b.Zaehler = b.Zaehler <= std::numeric_limits<i32>::max() - 2 ? b.Zaehler + 2 : std::numeric_limits<i32>::max();
    if (b.Zustand) {
        const i32 t = b.Anzeigezeit ? b.Anzeigezeit : i32(Einst.GrossanzWerbezeit);
        const Werbeflaeche* f = werbeflaeche();
        if (f && f->videoLaeuft()) {
            b.Zaehler = t;
        } else if (b.Zaehler >= t) {
            b.Zustand = 0;
            b.Zaehler = 0;
            GrossanzWerbungUmschalten(*w);
        }
    } else {
        WerbeeintragLesen(b);
        if (b.Ereignismaske & w->Spielphase) {
            const i32 a = b.Intervall ? b.Intervall : i32(Einst.GrossanzWerbeabst);
            if (b.Zaehler >= a) {
                b.Zustand = 1;
                b.Zaehler = 0;
                GrossanzWerbungUmschalten(*w);
                Weiter(b);
            }
        } else {
            Weiter(b);
            WerbeeintragLesen(b);
        }
    }
    return true;
}
