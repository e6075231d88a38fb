#include "displays/ui/Monitoranz.h"

TMonitoranz::TMonitoranz(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Monitoranz")); }
TMonitoranz::~TMonitoranz() = default;
