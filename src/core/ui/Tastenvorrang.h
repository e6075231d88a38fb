#pragma once
// Which window a key goes to when the focused child window of the MDI area
// and the main window around it both take it (a child's F8 and the menu's
// F8, a child's button "&Formular" and the menu "&Fenster"): Qt would call
// such a shortcut ambiguous and run neither. The child that has the focus
// goes first, the main window otherwise.

class QMdiArea;

// Once for the main window's area; ends with the area.
void TastenvorrangEinrichten(QMdiArea* area);
