#pragma once
// The reversible scrambling of the passwords kept in the settings file (FTP
// access, mail login), as every installation of the program stores them: at
// most 31 characters; the byte at each even position (counted from 0) less
// 3, at each odd position plus 5, modulo 256. It only keeps them from being
// read at a glance; it is no encryption.

#include <QString>

// The scrambled text; a byte that scrambles to 0 ends it (the stored form is
// a zero-terminated text), so what follows it is not stored.
QString PasswortKodieren(const QString& klartext);
// The clear text of a stored value.
QString PasswortDekodieren(const QString& gespeichert);
