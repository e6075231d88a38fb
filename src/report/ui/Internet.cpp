#include "report/ui/Internet.h"

TInternet::TInternet(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("Internet")); }
TInternet::~TInternet() = default;
