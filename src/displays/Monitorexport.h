#pragma once
// The lane monitor clients and the info terminal: client programs on other
// PCs that show a match and rotate adverts by themselves. Each is fed by
// small "<key> = <value>" files in its folder (a mounted share) or by short
// TCP messages (the network module's port-6711 messages): the line-up of a
// side, the player on a lane, the match state, the end, and the advert
// configuration with its files.
//
// The file lines and message bodies are pure functions; the exports decide
// per lane what goes where. Files are Windows-1252 with CR LF, written whole
// by the folder's worker.

#include "core/Records.h"
#include "core/Settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Copy the advert files ("Bilder") with the next configuration export.
extern u8 TerminalWerbungNeu;

// ---- what goes to a client -----------------------------------------------------------

// The side a lane's client shows: before the start and after the end by the
// lane's distance from the match's first lane (even: home), while the match
// runs by the player on the lane (by the distance again while it has none).
bool MonitorSeiteHeim(const TWettkampfDaten& w, int bahn);

// Milliseconds since local midnight, the last line of every client file.
qint64 MonitorZeitstempel();

// The four shapes of "Monitor.dat" (TimeStamp last) and their message bodies
// (the values joined by ";"). A side lists its eight players, 1..8 or 9..16.
// The player shapes are empty when the lane's SpielerNr is outside 1..16.
QStringList MonitorMannschaftZeilen(const TWettkampfDaten& w, bool heim, qint64 zeitstempel);
QByteArray MonitorMannschaftText(const TWettkampfDaten& w, bool heim);
QStringList MonitorSpielerZeilen(const TWettkampfDaten& w, int bahn, qint64 zeitstempel);
QByteArray MonitorSpielerText(const TWettkampfDaten& w, int bahn);
QStringList MonitorStatusZeilen(bool werbung, bool spiel, u16 phase, qint64 zeitstempel);
QByteArray MonitorStatusText(bool werbung, bool spiel, u16 phase);
QStringList MonitorEndeZeilen(qint64 zeitstempel);

// "Monitor.inf" and "Terminal.inf".
QStringList MonitorInfZeilen(const TMonitorExport& ersteBahn, qint64 zeitstempel);
QStringList TerminalInfZeilen(const TMonitorExport& terminal, qint64 zeitstempel);

// ---- the exports (what the refresh layer and the dialogs call) -----------------------
// Each lane's client by its own record: with TCP a message when it has an
// address (and nothing without one), else with the file exchange the file
// when it has a folder. The status and the end go as the file also to a
// client with TCP but no address. The player data takes the kind of the
// sending lane for every lane of the same side. The files are written and
// copied off the UI thread, in order per folder (displays/Clientablage.h),
// which tells the operator of a folder that fails.

void MonitorMannschaftExportieren(TWettkampfDaten& w);
void MonitorSpielerExportieren(int bahn);
void MonitorStatusExportieren(TWettkampfDaten& w);
void MonitorBeenden(int bahn);
// The adverts and "Monitor.inf" to the clients of the match's lanes, or of
// all lanes without a match.
void MonitorKonfigurationExportieren(TWettkampfDaten* w);

// The info terminal (Einst.TerminalExport): its status, one message to its own
// address or "Terminal.dat" in its folder, and its configuration into its
// folder; nothing without a match (status), a folder or an exchange kind.
void TerminalStatusExportieren(TWettkampfDaten* w);
void TerminalKonfigurationExportieren(TWettkampfDaten* w);
