#pragma once
// The shell's dialogs, registered with the window hub.

class Fensterhub;

void ShellFensterRegistrieren(Fensterhub& hub);
