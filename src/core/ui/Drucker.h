#pragma once
// The program's one printer and its print dialog, shared by every print so
// that the dialog keeps the user's choice between prints.

#include <functional>

class QPrinter;
class QWidget;

// Never destroyed: it may outlive the application.
QPrinter& Drucker();

// The print dialog on the printer: true prints. Tests replace it; an empty
// function restores the real dialog.
using Druckdialog = std::function<bool(QPrinter& drucker, QWidget* eltern)>;
void DruckdialogSetzen(Druckdialog dialog);
bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern);
