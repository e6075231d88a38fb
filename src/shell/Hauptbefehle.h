#pragma once
// The main menu's commands as far as they are logic: each reads and changes
// the global state and reaches windows only through the window seam and the
// boxes. The main window's handlers call these and refresh the menu.

#include <QByteArray>
#include <QString>
#include <optional>

// New match in the lowest free slot with its window; nothing with six open.
// Neither the new match nor the one current before is marked modified.
bool NeuAnlegen();
// Line-up import into a new match (the import dialog); its window on success.
bool Importieren();
// The load window; a loaded match becomes current and gets its window, and
// neither it nor the match current before is marked modified.
bool SpielLadenBefehl();
// Start, stop or continue the current match, with its question.
void SpielStartBefehl();
// The same for the match of lane `bahn` (the lane control window's button):
// the match the lane plays for, else an open match set up on the lane (the
// current one first), first becomes the current one, as choosing its entry
// makes it. A lane of no open match leaves the current match to the command.
void BahnSpielStartBefehl(int bahn);
// Abort a stopped match after "Spiel beenden ?": the timer module ends it.
void SpielAbbrechenBefehl();
// Asks every lane for the game it runs (kind 41); the answers create matches.
void SpieleUebernehmenBefehl();
// The live-result upload of the current match.
void InternetUpdateBefehl();
// Before the report is shown or goes out from the main menu: the players
// of an ended current match are ranked. False without a current match.
bool SpielberichtVorbereiten();
// Makes slot k the current match and refreshes its open windows; false
// (nothing changed) when k already is the current one or not in use.
bool EintragWaehlen(int k);
// The lane-overview guard: false while the overview is active and operator
// input is locked; else an active overview is hidden first.
bool UebersichtFrei();
// The lane overview from the current match's first lane (with more than four
// lanes; else from lane 1).
void BahnenBefehl();
// Hides the lane control window when it is open, else shows it on the
// current match's first lane (lane 1 without a match).
void BahnsteuerungBefehl();
// The open lane control window comes back on top after a dialog or a new
// window covered it.
void BahnsteuerungNachVorn();
// Hides the open lane control window before a dialog that would cover it.
void BahnsteuerungVerbergen();

// The program of entry n (1..3): its window (titled as the entry) comes to
// the front; without one the program is started in its own folder. Where
// the desktop lets no window be looked for, a copy started here that still
// runs is not started again.
void ProgrammStarten(int n);
// Opens "Bravolin.hlp" of the help folder through the desktop. Returns why
// it cannot be shown (the file is missing, or nothing on this desktop shows
// it); empty when it was handed over. The current directory is not changed.
QString HilfeOeffnen();
// The program's own help text, shown in the help window where the desktop
// cannot show "Bravolin.hlp".
inline const QString HilfethemenText = QStringLiteral("Hilfe_Bravolin.rtf");
bool HilfethemenTextVorhanden();
// "Hilfe_Tipps.rtf" in the help folder.
QString TippsDatei();
// The rich text of the tips file; nullopt when missing.
std::optional<QByteArray> TippsInhalt();
