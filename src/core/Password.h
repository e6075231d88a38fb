#pragma once
// The reversible scrambling of the passwords kept in the settings file (FTP
// access, mail login). It only keeps them from being read at a glance; it is
// no encryption.

#include <QString>

// Upper-case hexadecimal text; empty stays empty.
QString PasswortKodieren(const QString& klartext);
// The clear text; empty for a text that this routine did not produce.
QString PasswortDekodieren(const QString& gespeichert);
