#include "report/Livedateien.h"

QStringList UpdateCsvZeilen(const TWettkampfDaten&) { return {}; }
QStringList UpdateJsZeilen(const TWettkampfDaten&, i32) { return {}; }
QStringList UpdateJsVorlage() { return {}; }
QString JsWert(const QString& text) { return text; }
