#pragma once
// The live results of a match on the alley's web site: the lines of the file
// the upload sends ("Update.csv", or the page script "Update.js") and of the
// blank script of a new site. Written in Windows-1252 with CR LF.

#include "core/Records.h"

#include <QString>
#include <QStringList>

// The "Punkte" of a player are his match points (MaP) and those of a team its
// total match points (TotalMaP), one decimal: one unit in the whole column.

// The 19 lines of "Update.csv": header, home and guest team, players 1..16
// (empty slots included). Fields as stored, ";" between them, no quoting.
QStringList UpdateCsvZeilen(const TWettkampfDaten& w);
// The filled "Update.js" of the match (131 lines), reloading every
// `intervall` minutes (0: shown once). Points only in a points game and not
// for the substitutes' places 7, 8, 15 and 16. Every value is escaped for a
// JavaScript string inside an HTML page: a name cannot end the string or
// the script.
QStringList UpdateJsZeilen(const TWettkampfDaten& w, i32 intervall);
// The blank "Update.js" a new site gets (122 lines).
QStringList UpdateJsVorlage();
// A value (Windows-1252 text of a record) as the inside of a JavaScript
// string literal.
QString JsWert(const QString& text);
