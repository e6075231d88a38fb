#pragma once
// The match report through a report project (layouts above 19): which file
// a layout names, the report variables handed to the engine, and the
// engine runs of the report window's preview, of printing and fax, and of
// the picture and HTML exports for the e-mail and the live results.

#include "report/projekte/Berichtsvariablen.h"
#include "report/projekte/L8.h"

#include <QString>
#include <functional>

struct TWettkampfDaten;
class QWidget;

constexpr int ErstesProjekt = 20;  // layouts from here on are report projects

// The project file of layout `index`: its entry of FormularDateien, a
// relative name in the data folder. Empty for a built-in layout and where
// the list names none.
QString ProjektdateiVon(int index);

// The report variables onto the component's job, in their order.
void VariablenDefinieren(TL8_& ll, const QList<Berichtsvariable>& variablen);
// The component's define event for a report: with bDummy the samples,
// otherwise the values of the match `wettkampf()` returns (none without
// one) and the last-record flag (a report is one record).
TL8_::DefineEvent BerichtsvariablenEreignis(std::function<const TWettkampfDaten*()> wettkampf);

// The report window's component (LLTool), one for the program's run: the
// window's preview and designer, print and fax, the mail's picture and the
// live results' HTML all go through it, from the window or from the main
// menu and the timers without it, so that its options and handlers hold for
// each. Sorted variables; both define events hand out the current match's
// report variables (BerichtsvariablenEreignis). Made on the engine in place
// at its first use.
TL8_& Berichtskomponente();
// Tests: the component goes (its job closed on the engine it was made on,
// which must still be there); the next use makes a new one.
void BerichtskomponenteZuruecksetzen();

// The report window's preview: the project filled with the match's values
// into its preview file (a progress box "erstelle Formular <name>"). The
// engine's result.
int ProjektVorschauErstellen(TL8_& ll, QWidget* eltern, const QString& projekt, const TWettkampfDaten* w);

// Print (AusgabeDrucker) or fax (AusgabeFax) of the project through the
// component's Print, filled by its define events: the print dialog, a
// progress box "drucke Formular <name>".
int ProjektDrucken(TL8_& ll, QWidget* eltern, const QString& projekt, int optionen, int kopien, QString* fehler);

// Quiet export of the project with the match's values into `datei`:
// format "PICTURE_JPEG" (page 1) or "HTML". The engine's result, and *fehler
// when it is an error; refused while the component is busy with another
// session (a timer's upload during a print).
int ProjektExportieren(TL8_& ll, const QString& projekt, const QString& format, const QString& datei,
                       const TWettkampfDaten& w, QString* fehler);

// The engine's result of the last design or print from the report window.
extern int LetztesBerichtsergebnis;
