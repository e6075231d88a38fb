#include "displays/ui/Namenanz.h"

TNamenanz::TNamenanz(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Namenanz")); }
TNamenanz::~TNamenanz() = default;
