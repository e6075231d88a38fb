#include "report/ui/Unterschrift.h"

TUnterschrift::TUnterschrift(QWidget* parent) : QDialog(parent) {}
