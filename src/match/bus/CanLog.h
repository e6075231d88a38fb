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

// The log file "CAN <date>_<time>.dat" in a folder (date "dd.mm.yyyy", time
// "hh:nn:ss", "." and ":" as "_"); created empty, lines appended with CR LF.
// A write error ends the log (reported once) rather than the program; the
// file then ends with the last whole line.
class CanLogDatei final : public CanLogSchreiber {
public:
    ~CanLogDatei() override;
    static QString dateiname(const QDateTime& zeit);
    bool oeffnen(const QString& ordner, const QDateTime& zeit);
    // Opens the file of the last oeffnen() again, appending to it.
    bool fortsetzen();
    // Empties the open file; the following lines go into it from its start.
    bool leeren();
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
// The log is open, or only paused for the transfer of its file.
bool CanProtokollOffen();

// The service page's work on the open log file. A line such as "Marke",
// whatever the filters say; nothing while no file is open.
void CanProtokollZeile(const QByteArray& zeile);
// Empties the open file; recording goes on into it. False when none is open
// or it cannot be emptied.
bool CanProtokollLeeren();
// Closes the file for the transfer of it and returns its path; empty when
// no log is open. Lines of the pause are not recorded.
QString CanProtokollAnhalten();
// Ends the pause: the same file is opened again for appending. True when
// nothing was paused (the log was closed meanwhile) or it opened.
bool CanProtokollFortsetzen();
