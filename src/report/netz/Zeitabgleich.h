#pragma once
// The PC clock set from a time server (RFC 868: four bytes, the seconds
// since 1 January 1900 UTC, big-endian), at start and every few hours.
// The clock itself sits behind an interface: Linux lets only a privileged
// process set it, and tests never touch the real one.

#include "core/Zeitgeber.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

inline constexpr quint16 TimePortStandard = 37;
// For connect and answer together. Half a second, enough on the alley's own
// network, is often too little for a time server across the internet.
inline constexpr int ZeitabgleichZeitlimitMs = 5000;
// The shortest wait before a synchronisation that is not yet due.
inline constexpr qint64 ZeitabgleichMindestwarteMs = 60000;

class Systemuhr {
public:
    virtual ~Systemuhr() = default;
    // Sets the clock to the UTC time; false with the operator's German text.
    virtual bool stellen(const QDateTime& utc, QString* fehler) = 0;
};
// The machine's clock (clock_settime; refused without the right to set it).
std::unique_ptr<Systemuhr> LinuxSystemuhr();

// The server time of an RFC 868 answer (UTC); invalid for fewer than four
// bytes. Only the first four bytes count.
QDateTime Rfc868Zeit(const QByteArray& vierBytes);
// The wait until the next synchronisation at start: -1 when it is due now
// (more than `stunden` since `letzte`, or no `letzte` at all), else the
// milliseconds still to go, at least ZeitabgleichMindestwarteMs and at most
// `stunden`.
qint64 ZeitabgleichWartezeit(const QDateTime& jetzt, const QDateTime& letzte, int stunden);
// The status bar's date and time panel: "dd.mm.yy   hh:mm" in local time.
QString ZeitabgleichStatustext(const QDateTime& zeit);

class Zeitabgleich : public QObject {
    Q_OBJECT
public:
    using Fertig = std::function<void(bool ok, const QString& fehler)>;
    explicit Zeitabgleich(std::unique_ptr<Systemuhr> uhr, QObject* parent = nullptr);
    // A running query is aborted; its `fertig` is not called any more.
    ~Zeitabgleich() override;

    // Asks TimeHost:TimePort and sets the clock; returns at once, `fertig`
    // follows once from the event loop (never inside this call). On success
    // the status bar's date and time panel shows the new time and ZeitUpLast
    // is the time of the synchronisation; on failure neither the clock nor
    // the panel is touched. A call while a query runs waits for its outcome.
    void abgleichen(Fertig fertig);
    // The periodic synchronisation every `intervallMs` (0: off). Intervals
    // beyond the timer's range (about 596 hours) run at that range.
    void timerSetzen(qint64 intervallMs);
    // At program start, from ZeitUpdate, ZeitUpInterv, ZeitUpLast, ZeitUpStart.
    void starten();

    void setZeitlimit(int ms);
    // The periodic timer (TimerUpdate); its tick is TimerUpdateGo.
    Zeitgeber& timerUpdate();
    bool laeuft() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
