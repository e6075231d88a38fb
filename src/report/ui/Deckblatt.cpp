#include "report/ui/Deckblatt.h"

TDeckblatt::TDeckblatt(QWidget* parent) : QDialog(parent) {}
