#include "displays/ui/Infoterminal.h"

TInfoterminal::TInfoterminal(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Infoterminal")); }
TInfoterminal::~TInfoterminal() = default;
