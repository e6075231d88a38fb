#include "report/Ftpliste.h"

Ftpeintrag FtpZeileLesen(const QString& zeile) { return {zeile, false}; }
