#pragma once
// The program's one printer and its print dialog, shared by every print so
// that the dialog keeps the user's choice between prints.

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Never destroyed: it may outlive the application. It starts on A4, the
// paper of the forms, whatever the machine's locale.
QPrinter& Drucker();

// After a print into a file the printer keeps that file: the next print
// proposes a file named after its own document (the printer's document
// name) in the same folder, so that it never overwrites the last one
// unasked.
void DateiVorschlagen(QPrinter& drucker);

// The print dialog on the printer, with the file proposed as above: true
// prints. Tests replace it; an empty
// function restores the real dialog. A print into a file goes on A4 unless
// the operator chose another paper; a queue keeps its own.
using Druckdialog = std::function<bool(QPrinter& drucker, QWidget* eltern)>;
void DruckdialogSetzen(Druckdialog dialog);
bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern);

// What the print system made of one print job. Qt hands a print on a queue
// to CUPS as the painter ends and reports success even when CUPS refused
// it; libcups keeps the status of its last request per thread. So: made
// before the job begins, asked right after its painter has ended, on the
// thread that printed. A print into a file is always accepted here (the
// painter's own result tells about it).
class Druckannahme {
public:
    enum Ergebnis { Angenommen, Angehalten, Abgelehnt };

    explicit Druckannahme(const QPrinter& drucker);

    // Angehalten: accepted, but the printer is stopped and holds the job.
    // *text is what the operator is told (empty when accepted).
    Ergebnis pruefen(QString* text) const;
    // The same, the text told to the operator; false when not accepted.
    bool melden() const;

private:
    QString m_warteschlange;  // empty: no queue
    QString m_name;           // as the operator knows it
};
