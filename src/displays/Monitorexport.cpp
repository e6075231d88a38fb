#include "displays/Monitorexport.h"

u8 TerminalWerbungNeu = 0;

bool MonitorSeiteHeim(const TWettkampfDaten&, int) { return true; }
qint64 MonitorZeitstempel() { return 0; }
QStringList MonitorMannschaftZeilen(const TWettkampfDaten&, bool, qint64) { return {}; }
QByteArray MonitorMannschaftText(const TWettkampfDaten&, bool) { return {}; }
QStringList MonitorSpielerZeilen(const TWettkampfDaten&, int, qint64) { return {}; }
QByteArray MonitorSpielerText(const TWettkampfDaten&, int) { return {}; }
QStringList MonitorStatusZeilen(bool, bool, u16, qint64) { return {}; }
QByteArray MonitorStatusText(bool, bool, u16) { return {}; }
QStringList MonitorEndeZeilen(qint64) { return {}; }
QStringList MonitorInfZeilen(const TMonitorExport&, qint64) { return {}; }
QStringList TerminalInfZeilen(const TMonitorExport&, qint64) { return {}; }
void MonitorMannschaftExportieren(TWettkampfDaten&) {}
void MonitorSpielerExportieren(int) {}
void MonitorStatusExportieren(TWettkampfDaten&) {}
void MonitorBeenden(int) {}
void MonitorKonfigurationExportieren(TWettkampfDaten*) {}
void TerminalStatusExportieren(TWettkampfDaten*) {}
void TerminalKonfigurationExportieren(TWettkampfDaten*) {}
