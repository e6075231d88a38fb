#include "displays/Mannschaftsanzeige.h"

void TafelnZuordnen(Array1<u8, MaxBahnen>&, int, int, int, int, bool) {}
QByteArray MannschaftspunkteText(float) { return {}; }

Mannschaftsanzsteuerung::Mannschaftsanzsteuerung() : TimerWechsel([this] { wechselTakt(); }, MannschanzWechselMs) {}

Mannschaftsanzsteuerung& mannschaftsanzsteuerung()
{
    static Mannschaftsanzsteuerung s;
    return s;
}

void Mannschaftsanzsteuerung::MannschaftsanzeigenZuordnen(int, int) {}
void Mannschaftsanzsteuerung::MannschaftsanzeigeLoeschen(int, int) {}
void Mannschaftsanzsteuerung::MannschaftsanzeigeKennzeichnen(int, int) {}
void Mannschaftsanzsteuerung::MannschaftsanzeigeProbe(int) {}
void Mannschaftsanzsteuerung::MannschaftsergebnisAnzeigen(int) {}
void Mannschaftsanzsteuerung::MannschaftsanzeigeNeuAufbauen(std::initializer_list<int>) {}
void Mannschaftsanzsteuerung::wechselTakt() {}
void Mannschaftsanzsteuerung::HelligkeitSenden(u8) {}
void Mannschaftsanzsteuerung::zuruecksetzen() { TimerWechsel.setEnabled(false); }
