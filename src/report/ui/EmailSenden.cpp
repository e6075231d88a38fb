#include "report/ui/EmailSenden.h"

TEmailSenden::TEmailSenden(QWidget* parent) : QDialog(parent) {}
