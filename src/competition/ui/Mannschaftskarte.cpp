#include "competition/ui/Mannschaftskarte.h"

TMannschaftskarte::TMannschaftskarte(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Mannschaftskarte")); }
TMannschaftskarte::~TMannschaftskarte() = default;
