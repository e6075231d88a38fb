#pragma once
// The report's output as the report window's buttons start it; the main
// menu runs the same without the window. `index` is the layout (0..8
// built in, above 19 a report project).

#include <QString>
#include <functional>

class QWidget;

// Print: the text sheet on the lane printer, or the drawn and signed layout
// through the print dialog.
void SpielberichtDrucken(QWidget* eltern, int index);
// Fax: the fax dialog, then the cover sheet and the layout on the fax printer.
void SpielberichtFaxen(QWidget* eltern, int index);
// E-mail: the e-mail dialog, then the mail with the cover text and the report attached.
void SpielberichtMailen(QWidget* eltern, int index);

// Where the output's status texts go: the report window's status label
// while it is shown; without one, the main window's status panel 0.
void BerichtStatusZiel(std::function<void(const QString&)> ziel);
void BerichtStatus(const QString& text);
