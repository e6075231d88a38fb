#pragma once
// Text fields keep what they show: a field whose text is stored in
// Windows-1252 takes no character that the code page cannot hold, whether
// typed, pasted, dropped or committed by an input method. A refused
// character beeps, and a short hint names it below the field.
//
// One watch for the whole program: every line edit (also that of an editable
// combo box or of an item view's editor) and every editable text editor is
// watched from its first showing on. A line edit's own validator keeps its
// rules behind the watch; a text editor loses the characters it cannot hold.

#include <QString>

class QWidget;

// Once, after the application object; later calls do nothing.
void ZeichenwacheEinrichten();

// A field whose text is not stored in Windows-1252 (and every field inside
// it) takes any character. File and print dialogs are free without this.
void ZeichenFrei(QWidget* feld, bool frei = true);

// Whether the field can take the text the program is about to set from a
// choice of the operator's (a folder or file picked with "..."); if not, the
// refused character is named below the field, which keeps its text.
bool ZeichenPasst(QWidget* feld, const QString& text);
