#include "displays/Grossanzsteuerung.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "displays/Mannschaftsanzeige.h"
#include "displays/Monitorexport.h"
#include "displays/Namenanzeige.h"
#include "displays/Werberotation.h"
#include "match/dienste/Anzeigeschicht.h"

namespace {

Texteinblendung* g_text = nullptr;

constexpr int TextTaktMs = 1000;

}  // namespace

void setTexteinblendung(Texteinblendung* t) { g_text = t; }
Texteinblendung* texteinblendung() { return g_text; }

int NaechsterWechsel(int nr, const Array1<u8, MaxWettkaempfe>& belegt)
{
    if (!belegt.contains(nr)) nr = MaxWettkaempfe;
    for (int i = 0; i < MaxWettkaempfe; ++i) {
        nr = nr % MaxWettkaempfe + 1;
        if (belegt[nr]) return nr;
    }
    return 0;
}

Grossanzsteuerung::Grossanzsteuerung()
    : TimerWerbung([this] { werbungTakt(); }, GrossanzWerbetakt),
      TimerWechsel([this] { wechselTakt(); }),
      TimerText([this] { textTakt(); }, TextTaktMs)
{
}

Grossanzsteuerung& grossanzsteuerung()
{
    static Grossanzsteuerung s;
    return s;
}

void Grossanzsteuerung::zuruecksetzen()
{
    TimerWerbung.setEnabled(false);
    TimerWechsel.setEnabled(false);
    TimerWechsel.setInterval(0);
    TimerText.setEnabled(false);
    WechselNr = 1;
    TextZaehler = 0;
    Anzeigezeit = 0;
}

// --- Adverts ---------------------------------------------------------------------------

void Grossanzsteuerung::werbungLaden(TWettkampfDaten& w)
{
    if (AnzeigeWettkampf != &w) return;
    // A new list starts a full interval from now.
    TimerWerbung.setEnabled(false);
    TimerWerbung.setEnabled(GrossanzWerbungLaden(w));
}

void Grossanzsteuerung::werbungAusschalten(TWettkampfDaten& w)
{
    if (AnzeigeWettkampf != &w) return;
    TimerWerbung.setEnabled(false);
    GrossanzWerbungBeenden(w);
}

void Grossanzsteuerung::werbungTakt() { TimerWerbung.setEnabled(GrossanzWerbungTakt()); }

// --- Change between the matches ----------------------------------------------------------

void Grossanzsteuerung::wechselEinstellen()
{
    TimerWechsel.setInterval(Einst.GrossanzIntervall > 0 ? int(Einst.GrossanzIntervall) : 0);
    TimerWechsel.setEnabled(Einst.GrossanzWechsel);
}

// Steps only through the slots in use, so a gap never puts a closed
// match's record on the board.
void Grossanzsteuerung::wechselTakt()
{
    if (!fenster().anzeigefensterOffen()) return;
    int inBenutzung = 0;
    for (u8 b : WettkampfBelegt) inBenutzung += b ? 1 : 0;
    if (inBenutzung < 2) return;
    const int nr = NaechsterWechsel(WechselNr, WettkampfBelegt);
    if (nr == 0) return;
    WechselNr = nr;
    TWettkampfDaten& neu = Wettkaempfe[nr];
    if (AnzeigeWettkampf) AnzeigeWettkampf->GrossanzeigeEin = 0;
    neu.GrossanzeigeEin = 1;
    AnzeigefensterAufbauen(neu);
}

// --- Text insert ----------------------------------------------------------------------

void Grossanzsteuerung::textAnzeigen(const QTextDocument& text)
{
    TextZaehler = 0;
    Texteinblendung* t = texteinblendung();
    if (!t || !fenster().anzeigefensterOffen()) return;
    t->textZeigen(text);
    TimerText.setEnabled(false);
    TimerText.setEnabled(true);
}

void Grossanzsteuerung::textTakt()
{
    ++TextZaehler;
    if (TextZaehler < Anzeigezeit) return;
    if (Texteinblendung* t = texteinblendung(); t && fenster().anzeigefensterOffen()) t->textVerbergen();
    TimerText.setEnabled(false);
}

// --- Display services --------------------------------------------------------------------

Displaydienste::~Displaydienste()
{
    grossanzsteuerung().zuruecksetzen();
    namenanzsteuerung().zuruecksetzen();
    mannschaftsanzsteuerung().zuruecksetzen();
}

void Displaydienste::mannschaftsanzeigeLoeschen(int erste, int letzte)
{
    mannschaftsanzsteuerung().MannschaftsanzeigeLoeschen(erste, letzte);
}
void Displaydienste::mannschaftsanzeigeKennzeichnen(int erste, int letzte)
{
    mannschaftsanzsteuerung().MannschaftsanzeigeKennzeichnen(erste, letzte);
}
void Displaydienste::mannschaftsanzeigeProbe(int bahn) { mannschaftsanzsteuerung().MannschaftsanzeigeProbe(bahn); }
void Displaydienste::mannschaftsergebnisAnzeigen(int bahn) { mannschaftsanzsteuerung().MannschaftsergebnisAnzeigen(bahn); }
void Displaydienste::mannschaftsanzeigenZuordnen(int erste, int letzte)
{
    mannschaftsanzsteuerung().MannschaftsanzeigenZuordnen(erste, letzte);
}
void Displaydienste::namenanzeigeLoeschen(int bahn) { namenanzsteuerung().NamenanzeigeLoeschen(bahn); }
void Displaydienste::namenanzeigeAktualisieren(int bahn) { namenanzsteuerung().NamenanzeigeAktualisieren(bahn); }
void Displaydienste::namenanzWerbungLaden(TWettkampfDaten& w) { namenanzsteuerung().NamenanzWerbungLaden(w); }
void Displaydienste::namenanzWerbungStarten(TWettkampfDaten& w) { namenanzsteuerung().NamenanzWerbungStarten(w); }

void Displaydienste::grossanzWerbungLaden(TWettkampfDaten& w) { grossanzsteuerung().werbungLaden(w); }
void Displaydienste::monitorKonfigurationExportieren(TWettkampfDaten& w) { MonitorKonfigurationExportieren(&w); }
void Displaydienste::monitorMannschaftExportieren(TWettkampfDaten& w) { MonitorMannschaftExportieren(w); }
void Displaydienste::monitorSpielerExportieren(int bahn) { MonitorSpielerExportieren(bahn); }
void Displaydienste::monitorStatusExportieren(TWettkampfDaten& w) { MonitorStatusExportieren(w); }
void Displaydienste::monitorBeenden(int bahn) { MonitorBeenden(bahn); }
