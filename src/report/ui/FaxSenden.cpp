#include "report/ui/FaxSenden.h"

TFaxSenden::TFaxSenden(QWidget* parent) : QDialog(parent) {}
