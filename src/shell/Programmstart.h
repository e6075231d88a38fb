#pragma once
// The start work of the main window without its widgets: the start state of
// every global, the folders, the settings and lists, the CAN adapter, the
// chip-card status, the display windows and the first menu state. The
// windows around it are built by the program (Programm, src/shell/ui).

#include <QString>
#include <QStringList>

inline const QString ProgrammVersion = QStringLiteral("2.21.0062");

// Runs the start in the program folder; the data folder becomes the current
// directory when it exists. `bildschirme` is the number of monitors (the
// second-monitor board needs two). A settings value that cannot be read
// keeps its default and does not stop the start: its message is returned.
QStringList ProgrammstartAusfuehren(const QString& programmordner, int bildschirme);

// The result board's switch for the run: the stored setting, and only with
// a second monitor; the setting itself stays as stored.
void GrossAnzeigeSchalten(int bildschirme);

// The program's output volume 0..1 from the setting Volume (0..65535). The
// default 0 means "not set": full volume.
double Ausgabelautstaerke();

// Qt's own texts (the print, file and colour dialogs, standard buttons, its
// error texts) and the C library's error messages in German, whatever the
// machine's language: the program speaks German. Qt's German texts come from
// `ordner` (empty: Qt's translations folder); true when they were found
// there, false (no error) when they are missing.
bool DeutscheTexteLaden(const QString& ordner = {});

// Qt reads the locale of its own dialogs (the dates of the file dialog) from
// the environment once, while the application object is being built. The
// first call, before that, makes it German whatever the machine's; the
// second, right after, puts the environment back for the programs the
// program starts, sets the C library's locale from it and makes German the
// default locale of every widget.
void DeutschesGebietsschemaVorbereiten();
void DeutschesGebietsschemaAbschliessen();
