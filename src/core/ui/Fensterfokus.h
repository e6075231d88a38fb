#pragma once
// When a modal window of the program closes, the window it belongs to (its
// parent's window, else the main window) becomes the active window again,
// as the desktop does on the original platform. A desktop that leaves no
// window active after a dialog (a plain X server, the offscreen platform)
// would otherwise send the keys nowhere, shortcuts included, until a click.

class QWidget;

// Once for the main window; ends with it.
void FensterfokusEinrichten(QWidget* hauptfenster);
