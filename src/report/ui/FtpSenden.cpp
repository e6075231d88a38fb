#include "report/ui/FtpSenden.h"

TFtpSenden::TFtpSenden(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("FtpSenden")); }
TFtpSenden::~TFtpSenden() = default;
