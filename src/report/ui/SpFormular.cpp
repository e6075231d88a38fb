#include "report/ui/SpFormular.h"

TSpFormular::TSpFormular(QWidget* parent) : QDialog(parent) {}
