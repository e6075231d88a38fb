#pragma once
// The program's one printer and its print dialog, shared by every print so
// that the dialog keeps the user's choice between prints.

#include <functional>

class QPrinter;
class QWidget;

// Never destroyed: it may outlive the application.
QPrinter& Drucker();

// After a print into a file the printer keeps that file: the next print
// proposes a file named after its own document (the printer's document
// name) in the same folder, so that it never overwrites the last one
// unasked.
void DateiVorschlagen(QPrinter& drucker);

// The print dialog on the printer, with the file proposed as above: true
// prints. Tests replace it; an empty
// function restores the real dialog.
using Druckdialog = std::function<bool(QPrinter& drucker, QWidget* eltern)>;
void DruckdialogSetzen(Druckdialog dialog);
bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern);
