#pragma once
// The CAN traffic log: every frame in and out, under the filters of the
// service page. The file writer is installed while the log is open; the
// senders and the reader only format their lines and hand them over.

#include "Records.h"

#include <QByteArray>
#include <QTime>

class CanLogSchreiber {
public:
    virtual ~CanLogSchreiber() = default;
    virtual void zeile(const QByteArray& zeile) = 0;
};

// The open log; null closes it.
void setCanLog(CanLogSchreiber* schreiber);
// Whether lines are written: a log is open and CANAufzeichnen is on.
bool CanLogAktiv();
void CanLogZeile(const QByteArray& zeile);

// kopf + length + " Bytes  " + hh:nn:ss + two blanks + " HH" per data byte.
QByteArray CanLogRahmen(const QByteArray& kopf, u8 laenge, const u8* daten, const QTime& zeit);
// "Bahn " with a blank before one-digit lane numbers, then "   ".
QByteArray CanLogBahnKopf(const char* richtung, int bahn);
