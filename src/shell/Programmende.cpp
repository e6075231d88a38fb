#include "shell/Programmende.h"

#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/Bahnzyklus.h"
#include "match/CanFrames.h"
#include "match/CanKarte.h"
#include "match/CanSenden.h"
#include "match/Wettkampfslots.h"
#include "match/Zeitgeberliste.h"

#include <algorithm>

u8 WindowsBeenden = 0;

bool SpielGestartet()
{
    for (long k = 1; k <= MaxWettkaempfe; ++k)
        if (WettkampfBelegt[k] && Wettkaempfe[k].Gestartet) return true;
    return false;
}

bool EndeDialogErlaubt() { return StartMaske == 0 && !SpielGestartet(); }

bool ProgrammBeendenVorbereiten()
{
    while (WettkampfAnzahl > 0)
        if (!WettkampfSchliessen()) return false;

    const int bahnen = std::min<int>(BahnAnzahl, MaxBahnen);
    for (int bahn = 1; bahn <= bahnen; ++bahn)
        if (BahnDaten[bahn].BahnOnline) CanNachrichtSenden(bahn, CanRahmen::ProgrammEnde(Einst.PcEinheit));
    if (Einst.MannschanzOn) AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenAus(Einst.PcEinheit));
    if (Einst.NamenanzOn) AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenAus(Einst.PcEinheit));

    Timer2().setEnabled(false);
    Timer3().setEnabled(false);
    return true;
}

EndeWarten::EndeWarten() : m_gesendet(CanGesendet) {}

bool EndeWarten::fertig()
{
    bool fehlgeschlagen = CanSendeErgebnis != 1;
    for (int bahn = 1; bahn <= std::min<int>(BahnAnzahl, MaxBahnen); ++bahn)
        if (BahnSendeErgebnis[bahn] != 1 || DruckerSendeErgebnis[bahn] != 1) fehlgeschlagen = true;

    // After a failed send the queues are not waited for.
    const bool ausstehend = BahnSendenAusstehend || BahnDruckAusstehend || AnzeigeSendenAktiv;
    if (CanAktiv && !fehlgeschlagen && ausstehend && !m_aufgegeben) {
        if (CanGesendet != m_gesendet) {
            m_gesendet = CanGesendet;
            m_ohneFortschritt = 0;
        }
        if (++m_ohneFortschritt < MaxSchritteOhneFortschritt) return false;
        m_aufgegeben = true;
        qWarning("Programmende: seit %d ms kein CAN-Rahmen gesendet, Ende ohne weiteres Warten",
                 MaxSchritteOhneFortschritt * IntervallMs);
    }
    return !NetzBeschaeftigt;
}
