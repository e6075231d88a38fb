#include "CanLog.h"

#include "Globals.h"

namespace {
CanLogSchreiber* g_log = nullptr;
}

void setCanLog(CanLogSchreiber* schreiber) { g_log = schreiber; }

bool CanLogAktiv() { return g_log && Einst.CANAufzeichnen; }

void CanLogZeile(const QByteArray& zeile)
{
    if (CanLogAktiv()) g_log->zeile(zeile);
}

QByteArray CanLogRahmen(const QByteArray& kopf, u8 laenge, const u8* daten, const QTime& zeit)
{
    QByteArray z = kopf;
    z += QByteArray::number(laenge);
    z += " Bytes  ";
    z += QString::asprintf("%02d:%02d:%02d  ", zeit.hour(), zeit.minute(), zeit.second()).toLatin1();
    for (int i = 0; i < laenge && i < 8; ++i) z += ' ' + QByteArray::number(daten[i], 16).toUpper().rightJustified(2, '0');
    return z;
}

QByteArray CanLogBahnKopf(const char* richtung, int bahn)
{
    QByteArray k(richtung);
    k += "Bahn ";
    if (bahn < 10) k += ' ';
    k += QByteArray::number(bahn);
    k += "   ";
    return k;
}
