#include "competition/ui/Spielerkarte.h"

TSpielerkarte::TSpielerkarte(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Spielerkarte")); }
TSpielerkarte::~TSpielerkarte() = default;
