#pragma once
// The live results of a match on the alley's web site: the file the upload
// writes into the data folder ("Update.csv", or the page script "Update.js")
// and the blank script of a new site. Windows-1252, CR LF.

#include "core/Records.h"

#include <QString>
#include <QStringList>

// The 19 lines of "Update.csv": header, home and guest team, players 1..16.
QStringList UpdateCsvZeilen(const TWettkampfDaten& w);
// The filled "Update.js" of the match, reloading every `intervall` minutes
// (0: shown once). Every value is escaped for a JavaScript string inside
// an HTML page: a name cannot end the string or the script.
QStringList UpdateJsZeilen(const TWettkampfDaten& w, i32 intervall);
// The blank "Update.js" a new site gets.
QStringList UpdateJsVorlage();
// A value (Windows-1252 text of a record) as the inside of a JavaScript
// string literal.
QString JsWert(const QString& text);
