#pragma once
// The report's output as the report window's buttons start it; the main
// menu runs the same without the window. `index` is the layout (0..8
// built in, above 19 a report project).

#include <QString>
#include <functional>
#include <memory>

class BerichtDienste;
class QImage;
class QPrinter;
class QWidget;
struct TWettkampfDaten;

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

// One print job "Spielbericht Corvalink" of the picture, stretched into the
// page less the margins of layout `index` (layout 0: the upper half). False
// when nothing was printed (the operator has been told).
bool BildAufDrucker(QPrinter& drucker, const QImage& bild, int index);
// The same with the report of w drawn afresh and signed.
bool FormularAufDrucker(QPrinter& drucker, TWettkampfDaten& w, int index);

// The main menu's print, fax and e-mail of the current match's report on
// the selected layout (FormularNummer); the program installs it at start.
std::unique_ptr<BerichtDienste> BerichtDiensteErzeugen();

struct BerichtausgabeZustand {
    std::function<void(const QString&)> statusZiel;
    // Called as each print job begins, after its title is set (tests give
    // each job a file of its own).
    std::function<void(QPrinter&)> vorDruckauftrag;

    void zuruecksetzen() { *this = BerichtausgabeZustand{}; }
};
extern BerichtausgabeZustand berichtausgabeZustand;
