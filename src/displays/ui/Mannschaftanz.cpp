#include "displays/ui/Mannschaftanz.h"

TMannschaftanz::TMannschaftanz(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Mannschaftanz")); }
TMannschaftanz::~TMannschaftanz() = default;
