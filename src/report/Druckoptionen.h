#pragma once
// The print options of the report layouts: the values the print options
// dialog shows and takes over into the layout's record of
// Einst.FormularEinstellungen and the three printing switches, and the keys
// of a record in the settings file. Only layouts 0..19 have a record; a
// report project (index above 19) has the switches only.

#include "core/Records.h"

#include <QPageLayout>
#include <QString>
#include <map>

// The pages of the dialog, also the first page it shows.
enum Druckoptionenseite { SeiteText = 0, SeiteFormular = 1, SeiteDrucker = 2 };

// What the dialog edits. The font is the dialog's working font; its size is
// the point size shown (the record stores three times as much).
struct Druckoptionswerte {
    QString FontName;
    int FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    u32 FontColor = 0;  // 0x00BBGGRR
    bool Hochformat = true;
    // The margin edits as typed: digits count, anything else is skipped.
    QString RandOben, RandUnten, RandLinks, RandRechts;
    int Drucker = -1;  // item of the printer list, -1 none selected
    int Fax = -1;
    QString DruckerName;  // the item's name
    QString FaxName;
    QString Kopien;    // text of the copies combo
    bool DrBahndrucker = false;
    bool DrGrafik = false;

    friend bool operator==(const Druckoptionswerte&, const Druckoptionswerte&) = default;
};

// Whether the layout has a record of print options (0..19).
bool FormularIndexMitEinstellung(int index);

// The values of the layout's record and the switches; for an index without a
// record the font and page part stay at the standard font, portrait, empty
// margins and no printer.
Druckoptionswerte DruckoptionenLesen(int index);

// "&Standard": Arial, 10 point, black, no style.
void StandardSchrift(Druckoptionswerte& w);

// OK: the values into the layout's record (size x 3, margins by their
// digits, no printer -1 without a name) when it has one, and into the
// switches and the copies (0 copies become 1).
void DruckoptionenUebernehmen(int index, const Druckoptionswerte& w);

// Writes the fourteen keys of the layout's record to the settings list and
// saves the settings file. Nothing for an index without a record. False
// when the file could not be saved (the operator has been told).
bool DruckoptionenSchreiben(int index);

// The page set-up chosen for a printer during this run, by printer name;
// the prints on that printer start from it.
struct DruckoptionenZustand {
    std::map<QString, QPageLayout> Seiteneinrichtung;

    void zuruecksetzen() { *this = DruckoptionenZustand{}; }
};
extern DruckoptionenZustand druckoptionenZustand;
