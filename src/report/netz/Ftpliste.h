#pragma once
// The lines of an FTP listing ("LIST") as the FTP browser shows them, the
// folder paths it walks, and the state of its buttons.

#include <QList>
#include <QString>
#include <QStringList>

struct Ftpeintrag {
    QString name;
    bool ordner = false;

    bool operator==(const Ftpeintrag&) const = default;
};
// One raw line: a folder when it starts with 'd'; the name is the whole
// name of a Unix or DOS listing line, blanks included.
//
// Unix ("drwxr-xr-x 2 user group 4096 Jan 01 12:00 name", also with the
// date as "2024-01-31 12:00" or "2024-01-31 12:00:00.000000000 +0100"): the
// name is what follows the single blank after the time or year; a line
// without a recognisable date takes everything after its eighth field. A
// link's name ends before the " -> " after which the target has the link's
// size in bytes (UTF-8), else before the last " -> ".
// DOS ("01-31-24  09:15PM  <DIR>  name", "01-31-24  09:15PM  1234 name"):
// a folder when the third field is "<DIR>"; the name follows the third field.
// A line that names no entry (the summary "total 12", an empty line) gives
// an empty name; any other line is named by its last word.
Ftpeintrag FtpZeileLesen(const QString& zeile);

// The entries of a listing as the file list shows them: the folders first,
// then the files, each in the server's order. Lines without a name are left out.
QList<Ftpeintrag> FtpListeLesen(const QStringList& zeilen);
// The folders of a listing that become tree nodes: all but "." and "..".
QStringList FtpBaumordner(const QStringList& zeilen);
bool FtpVerweisOrdner(const QString& name);  // "." or ".."
// A name from the server as the name of a file on this machine: a "/" or
// "\\" becomes "_", and "", "." and ".." become "_", so that it never leaves
// the folder it is put in.
QString FtpLokalerName(const QString& name);
// The whole path of that file in `ordner` (made absolute): the folder and
// the name joined as text, so that a name starting with ":" stays a plain
// file there and is never read as one of the program's resources.
QString FtpLokalerPfad(const QString& ordner, const QString& name);

// The parts of a folder path as typed, split at "/" and "\"; empty parts are
// dropped, so "/a\\b/" gives "a", "b".
QStringList FtpPfadTeile(const QString& pfad);
// A folder of the browser is the list of its names from the tree's top: a
// listed name stays one name, whatever it holds ("a\\b" is one folder).
// The folder one level up: the names without the last.
QStringList FtpElternpfad(const QStringList& teile);
// The sub-folder `name` below `teile`.
QStringList FtpUnterpfad(const QStringList& teile, const QString& name);

// What the buttons of the browser depend on.
struct FtpLage {
    bool verbunden = false;
    bool beschaeftigt = false;  // a command of the session is still running
    bool auswahl = false;       // an entry of the file list is selected
    bool dateiGewaehlt = false; // the selected entry is a file
};
struct FtpKnoepfe {
    bool verbinden = false, upload = false, download = false, neuerOrdner = false, inhalt = false,
         umbenennen = false, loeschen = false;

    bool operator==(const FtpKnoepfe&) const = default;
};
// While a command runs only "&Beenden" stays usable. Before the connection
// only "Verbinden"; after it "Upload", "neuer Ordner" and "Inhalt anzeigen";
// with a selection "Eintrag löschen"; "Download" and "Eintrag umbenennen"
// only for a file, as folders are neither fetched nor renamed.
FtpKnoepfe FtpKnopfzustand(const FtpLage& lage);
