#pragma once
// The result board while the program runs: the timer of the advert rotation,
// the automatic change between the open matches and the timer of the text
// insert. Every tick is a plain function that tests call. The configuration
// dialog is a view onto this; the display services below are what the match
// logic reaches.

#include "core/Anzeigedienste.h"
#include "core/Zeitgeber.h"

class QTextDocument;

// What the text insert shows on: the board window while it is open.
class Texteinblendung {
public:
    virtual ~Texteinblendung() = default;
    // Shows the formatted text over the board (fonts, colours, indents kept).
    virtual void textZeigen(const QTextDocument& text) = 0;
    virtual void textVerbergen() = 0;
};
// Null when no board window is open.
void setTexteinblendung(Texteinblendung* t);
Texteinblendung* texteinblendung();

// The slot in use that the change shows after slot `nr` (1..6), wrapping;
// 0 when no slot is in use.
int NaechsterWechsel(int nr, const Array1<u8, MaxWettkaempfe>& belegt);

class Grossanzsteuerung {
public:
    Grossanzsteuerung();

    Zeitgeber TimerWerbung;  // 2,000 ms, the advert rotation
    Zeitgeber TimerWechsel;  // GrossanzIntervall, the change between the matches
    Zeitgeber TimerText;     // 1,000 ms, the end of the text insert

    int WechselNr = 1;    // slot the last change showed
    int TextZaehler = 0;  // seconds the text has been up
    int Anzeigezeit = 0;  // seconds the text stays

    // Loads the adverts of the match on the board and starts its rotation
    // at entry 0; a match that is not on the board is left alone.
    void werbungLaden(TWettkampfDaten& w);
    // Adverts switched off for the match on the board: an advert that is up
    // gives way to the results, and the rotation stops.
    void werbungAusschalten(TWettkampfDaten& w);
    void werbungTakt();

    // The change timer from the settings GrossanzWechsel and GrossanzIntervall.
    void wechselEinstellen();
    void wechselTakt();

    // Puts the text on the open board for Anzeigezeit seconds, counted anew.
    void textAnzeigen(const QTextDocument& text);
    void textTakt();

    // Every timer off and the start state back.
    void zuruecksetzen();
};

// The one controller of the run.
Grossanzsteuerung& grossanzsteuerung();

// The displays as the match logic reaches them: the result board's adverts,
// the name boards, the team boards and the lane monitor clients.
class Displaydienste : public AnzeigeDienste {
public:
    ~Displaydienste() override;

    void mannschaftsanzeigeLoeschen(int erste, int letzte) override;
    void mannschaftsanzeigeKennzeichnen(int erste, int letzte) override;
    void mannschaftsanzeigeProbe(int bahn) override;
    void mannschaftsergebnisAnzeigen(int bahn) override;
    void mannschaftsanzeigenZuordnen(int erste, int letzte) override;
    void namenanzeigeLoeschen(int bahn) override;
    void namenanzeigeAktualisieren(int bahn) override;
    void namenanzWerbungLaden(TWettkampfDaten& w) override;
    void namenanzWerbungStarten(TWettkampfDaten& w) override;
    void grossanzWerbungLaden(TWettkampfDaten& w) override;
    void monitorKonfigurationExportieren(TWettkampfDaten& w) override;
    void monitorMannschaftExportieren(TWettkampfDaten& w) override;
    void monitorSpielerExportieren(int bahn) override;
    void monitorStatusExportieren(TWettkampfDaten& w) override;
    void monitorBeenden(int bahn) override;
};
