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

// The report window's preview: the project filled with the match's values
// into its preview file (a progress box "erstelle Formular <name>"). The
// engine's result.
int ProjektVorschauErstellen(TL8_& ll, QWidget* eltern, const QString& projekt, const TWettkampfDaten* w);

// Print (AusgabeDrucker) or fax (AusgabeFax) of the project with the
// match's values: the print dialog, a progress box "drucke Formular <name>".
int ProjektDrucken(QWidget* eltern, const QString& projekt, int optionen, int kopien, const TWettkampfDaten& w,
                   QString* fehler);

// Quiet export of the project with the match's values into `datei`:
// format "PICTURE_JPEG" (page 1) or "HTML". The engine's result, and *fehler
// when it is an error.
int ProjektExportieren(const QString& projekt, const QString& format, const QString& datei,
                       const TWettkampfDaten& w, QString* fehler);

// The engine's result of the last design or print from the report window.
extern int LetztesBerichtsergebnis;
