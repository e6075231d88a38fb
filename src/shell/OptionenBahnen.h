#pragma once
// The options pages "Bahnsteuerung" and "Can Bus" without their widgets:
// what the page's choices mean, what OK stores and applies at once (lanes,
// lane printers and their ports, the send timer, the CAN adapter), the
// adapter test, and the keys the two pages write.

#include "core/Globals.h"
#include "core/Records.h"
#include "match/print/Druckerportdialog.h"
#include "shell/Optionen.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// --- Bahnsteuerung ----------------------------------------------------------------
// The lane counts of the page's list, entry by entry.
inline constexpr std::array<int, 6> BahnenAuswahl = Bahnanzahlen;
// The entry of a lane count; -1 for a count the list does not hold.
int BahnenEintrag(int bahnen);

// At least one of the four printers has a port.
bool DruckerMitSchnittstelle(const DruckerportArbeitskopie& opt);

// The page as OK takes it. An index of -1 is a list without a selection.
struct BahnsteuerungWerte {
    int bahnen = -1;         // CBahnenAnzahl: none keeps the lane count
    int bahnsteuerung = -1;  // CBahnSteuerung
    int pcVerbund = -1;      // CPcVerbund: units - 1
    int pcEinheit = -1;      // CPcEinheit: unit - 1
    bool manualBahnw = false;
    bool wurfzeitBahn = false;
    QString timeoutBahnw;  // digits are taken, everything else skipped
    bool wurffehler = false;
    bool drBahndrucker = false;
    bool drGrafik = false;
    bool drStatus = false;
    bool drWurfblatt = false;
    bool drZweiBahnen = false;
    bool drZentral = false;
    bool drSparmodus = false;
    bool drEinschalten = false;
    bool drKopf = false;
    bool drFuss = false;
    QString kopien;  // CKopien's text; 1 when it is no number
};

// OK for the page: the settings from the page and the printers from the
// working copies; the lane-to-printer map of the alley's lanes cleared; with
// a printer on a port the ports released, every printer queue emptied, the
// port layer given its devices again and, with throw sheets printed by the
// PC, the ports initialised and configured.
void BahnsteuerungUebernehmen(const BahnsteuerungWerte& w, const DruckerportArbeitskopie& opt);

// --- Can Bus ----------------------------------------------------------------------
// The controls an adapter kind enables: port, interrupt, and the bus clock
// with "Suchen".
struct CanKartenFelder {
    bool port = false;
    bool irq = false;
    bool takt = false;
};
CanKartenFelder CanKarteFelder(int karte);

// The port or interrupt field: "suchen" is 0, otherwise a decimal number or
// "$" and hexadecimal digits within the field's range; nullopt for anything
// else. The message names the text.
std::optional<u16> CanPortWert(const QString& text);
std::optional<u8> CanIrqWert(const QString& text);
QString CanPortFehler(const QString& text);
QString CanIrqFehler(const QString& text);

// The timing bytes in use (Btr0/Btr1) from a bus clock entry 0..7.
void CanBtrSetzen(int takt);

// "Suchen": opens the adapter of that kind at once with the port,
// interrupt and timing bytes given (timing bytes both 0 come from the bus
// clock entry); "keine Karte" only takes the bus out of use.
void CanKarteTesten(int karte, u16 port, u8 irq, int takt);

// The page as OK takes it; port and interrupt already read by CanPortWert
// and CanIrqWert.
struct CanBusWerte {
    int karte = 0;
    u16 mem = 0;
    u8 irq = 0;
    int takt = -1;      // none keeps the stored choice
    QString timer;      // digits; 0 becomes 10
    int sendType = -1;  // none keeps the stored type
};

// OK for the page: the send timer's interval and send type; the stored
// adapter, port, interrupt, clock and timing bytes. "keine Karte" closes the
// adapter; otherwise one is opened when none is in use (one in use keeps
// running as it is until the next start or "Suchen"). With the bus in use
// every lane is told the PC unit.
void CanBusUebernehmen(const CanBusWerte& w);

// --- Keys ----------------------------------------------------------------------------
// The keys each page writes, in their order: section and name.
std::vector<Optionsschluessel> BahnsteuerungSchluessel();
std::vector<Optionsschluessel> CanBusSchluessel();
