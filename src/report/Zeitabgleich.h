#pragma once
// The PC clock set from a time server (RFC 868: four bytes, the seconds
// since 1 January 1900 UTC, big-endian), at start and every few hours.
// The clock itself sits behind an interface: Linux lets only a privileged
// process set it, and tests never touch the real one.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Systemuhr {
public:
    virtual ~Systemuhr() = default;
    // Sets the clock to the UTC time; false with the operator's German text.
    virtual bool stellen(const QDateTime& utc, QString* fehler) = 0;
};
// The machine's clock (clock_settime; refused without the right to set it).
std::unique_ptr<Systemuhr> LinuxSystemuhr();

// The server time of an RFC 868 answer.
QDateTime Rfc868Zeit(const QByteArray& vierBytes);
// The wait until the next synchronisation at start: nullopt-like -1 when it
// is due now (more than `stunden` since `letzte`), else the milliseconds
// still to go, at least one minute.
qint64 ZeitabgleichWartezeit(const QDateTime& jetzt, const QDateTime& letzte, int stunden);

class Zeitabgleich : public QObject {
    Q_OBJECT
public:
    using Fertig = std::function<void(bool ok, const QString& fehler)>;
    explicit Zeitabgleich(std::unique_ptr<Systemuhr> uhr, QObject* parent = nullptr);
    ~Zeitabgleich() override;

    // Asks TimeHost:TimePort and sets the clock; returns at once, `fertig`
    // follows once on the UI thread. On success the status bar's date and
    // time panel shows the new time; on failure the clock is not touched.
    void abgleichen(Fertig fertig);
    // The periodic synchronisation every `intervallMs` (0: off).
    void timerSetzen(qint64 intervallMs);
    // At program start, from ZeitUpdate, ZeitUpInterv, ZeitUpLast, ZeitUpStart.
    void starten();

    void setZeitlimit(int ms);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
