#pragma once
// The file explorer's work on the disk: the volumes in place of drive
// letters, the folder chain and the contents of a folder, and the operations
// the operator starts (new folder, rename or move, delete to the desktop
// trash). Every operation that fails says why in a German text.

#include <QList>
#include <QString>
#include <QStringList>

// A mounted volume that the drive box offers.
struct Datentraeger {
    QString wurzel;  // mount point, such as "/" or "/media/kegeln/STICK"
    QString name;    // label of the volume; empty when it has none
};

// The mounted volumes that hold files for the operator (no pseudo or memory
// file systems), sorted by mount point; the volume of `immer` is always there.
QList<Datentraeger> DatentraegerLesen(const QString& immer = {});
// The text of the drive box: the mount point, and the label behind it.
QString DatentraegerText(const Datentraeger& d);
// The volume that holds `pfad` (the longest mount point it lies under); -1 none.
int DatentraegerVon(const QList<Datentraeger>& liste, const QString& pfad);

// One line of the folder list.
struct Ordnereintrag {
    QString pfad;        // absolute
    QString name;        // last part of the path; "/" for the root
    int ebene = 0;       // depth from the root
    bool offen = false;  // on the way down to the open folder, that one included
};

// The folders from the root down to `ordner`, then the folders in it (no
// hidden ones), sorted by name without regard to case.
QList<Ordnereintrag> Ordnerkette(const QString& ordner);
// The files of `ordner` (no hidden ones), sorted the same way.
QStringList DateienIn(const QString& ordner);

// A name the operator typed: not empty and not beginning with a blank.
bool ExplorerNameGueltig(const QString& name);
// The path a typed name means: an absolute one as it is, a relative one
// inside `basis`; cleaned.
QString ExplorerZiel(const QString& basis, const QString& eingabe);

// Creates the folder `name` in `eltern`.
bool ExplorerOrdnerAnlegen(const QString& eltern, const QString& name, QString* fehler);
// Renames or moves a file or folder; an existing entry of the new name is
// never replaced. A folder does not move to another volume.
bool ExplorerUmbenennen(const QString& alt, const QString& neu, QString* fehler);
// Moves the file or folder (with its contents) into the desktop trash.
bool ExplorerInPapierkorb(const QString& pfad, QString* fehler);
