#pragma once
// The CAN traffic log: every frame in and out, under the filters of the
// service page. The file writer is installed while the log is open; the
// senders and the reader only format their lines and hand them over.

#include "core/Records.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
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

// The log file "CAN <date>_<time>.dat" in a folder, "." and ":" of date and
// time as "_"; created empty, lines appended with CR LF. A write error ends
// the log (reported once) rather than the program; the file then ends with
// the last whole line.
class CanLogDatei final : public CanLogSchreiber {
public:
    ~CanLogDatei() override;
    static QString dateiname(const QDateTime& zeit);
    bool oeffnen(const QString& ordner, const QDateTime& zeit);
    void schliessen();
    bool offen() const;
    QString pfad() const;
    void zeile(const QByteArray& zeile) override;

private:
    QFile m_datei;
};

// The program's own log file, kept open while recording is on: opened at
// start when CANAufzeichnen is set (and by the service page), in the data
// folder. Opening installs it as the log; false when it cannot be created.
bool CanProtokollOeffnen(const QDateTime& zeit);
void CanProtokollSchliessen();
const CanLogDatei& CanProtokolldatei();
