#include "shell/Programmende.h"

#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"

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

namespace {

// Frames on the bus and bytes taken by the central printers.
quint64 Gesendet() { return quint64(CanGesendet) + druckwarteschlangeZustand.DruckerGesendet; }

}  // namespace

EndeWarten::EndeWarten() : m_gesendet(Gesendet()), m_ftpStand(FtpServerAntworten.load()) {}

bool EndeWarten::fertig()
{
    bool fehlgeschlagen = CanSendeErgebnis != 1;
    for (int bahn = 1; bahn <= std::min<int>(BahnAnzahl, MaxBahnen); ++bahn)
        if (BahnSendeErgebnis[bahn] != 1 || DruckerSendeErgebnis[bahn] != 1) fehlgeschlagen = true;

    // After a failed send the bus queues are not waited for; the sheets on
    // the central printers are, while their bytes keep leaving.
    const bool busAusstehend =
        CanAktiv && !fehlgeschlagen && (BahnSendenAusstehend || BahnDruckAusstehend || AnzeigeSendenAktiv);
    if ((busAusstehend || PcDruckAusstehend) && !m_aufgegeben) {
        if (Gesendet() != m_gesendet) {
            m_gesendet = Gesendet();
            m_ohneFortschritt = 0;
        }
        if (++m_ohneFortschritt < MaxSchritteOhneFortschritt) return false;
        m_aufgegeben = true;
        qWarning("Programmende: seit %d ms nichts gesendet, Ende ohne weiteres Warten",
                 MaxSchritteOhneFortschritt * IntervallMs);
    }
    // The messages and the client folders are waited for side by side, each
    // with its own bound.
    bool warten = false;
    if (NetzBeschaeftigt > 0 && m_nachrichtenSchritte < MaxSchritteNachrichten) {
        if (++m_nachrichtenSchritte < MaxSchritteNachrichten)
            warten = true;
        else
            qWarning("Programmende: %d Nachrichten an Monitore nach %d ms nicht beantwortet, Ende ohne weiteres Warten",
                     int(NetzBeschaeftigt), MaxSchritteNachrichten * IntervallMs);
    }
    if (AblageBeschaeftigt > 0 && m_ablageSchritte < MaxSchritteAblage) {
        if (++m_ablageSchritte < MaxSchritteAblage)
            warten = true;
        else
            qWarning("Programmende: %d Dateien für Monitore nach %d ms nicht geschrieben, Ende ohne weiteres Warten",
                     int(AblageBeschaeftigt), MaxSchritteAblage * IntervallMs);
    }
    // The uploads (the final live results among them), while the server
    // keeps answering.
    if (HinweisStatusleisteAus && !m_ftpAufgegeben) {
        if (const u32 stand = FtpServerAntworten.load(); stand != m_ftpStand) {
            m_ftpStand = stand;
            m_ftpOhneFortschritt = 0;
        }
        if (++m_ftpOhneFortschritt < MaxSchritteFtpOhneFortschritt) {
            warten = true;
        } else {
            m_ftpAufgegeben = true;
            qWarning("Programmende: FTP-Server seit %d ms ohne Antwort, Ende ohne die übrigen Uploads",
                     MaxSchritteFtpOhneFortschritt * IntervallMs);
        }
    }
    return !warten;
}
