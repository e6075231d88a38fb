#pragma once
// The lines of an FTP listing ("LIST") as the FTP browser shows them.

#include <QString>
#include <QStringList>

struct Ftpeintrag {
    QString name;
    bool ordner = false;
};
// One raw line: a folder when it starts with 'd'; the name is the whole
// name of a Unix or DOS listing line, blanks included.
Ftpeintrag FtpZeileLesen(const QString& zeile);
