#pragma once
// Short messages to the monitor clients and the info terminal: TCP to port
// 6711, one connection per message. The sender writes the sender name and
// the text, each behind its length as four decimal digits, waits for the
// client's 16-byte answer (at most the time limit) and disconnects.
//
// Asynchronous on the event loop of the UI thread: each host has its own
// queue, worked off one message at a time in order; a host that refuses or
// never answers holds up only its own queue. Every message counts in
// NetzBeschaeftigt from senden() until it has ended (answered, refused,
// timed out, unreachable) or has been replaced or dropped; the program end
// waits for 0.
//
// A queue holds the present, not the past: a monitor message waiting for its
// host is replaced by a newer one of the same kind (NachrichtErsatzschluessel),
// which takes its place at the end; other messages wait at most
// MaxWartendOhneSchluessel per host, the oldest dropped first. A message on
// its way is never replaced. The counts of both, and the hosts whose last
// message went unanswered, show in the status bar (StatusPanelMonitor).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

inline constexpr quint16 NachrichtPort = 6711;
inline constexpr int NachrichtZeitlimitMs = 20000;
inline constexpr int NachrichtAntwortBytes = 16;
// A length field holds four digits.
inline constexpr int NachrichtFeldMax = 9999;

// The messages waiting for one host without a replacement key, at most.
inline constexpr int MaxWartendOhneSchluessel = 16;

// The bytes of one message; empty when the sender name or the text is
// 10,000 bytes or longer (four digits cannot say the length).
QByteArray NachrichtRahmen(const QByteArray& sender, const QByteArray& text);

// What a newer message to the same host replaces: the monitor clients'
// kinds (the sender name is the command word) "Mannschaft", "Anzeige" and
// "Beenden", and "Spieler" per player slot (its first field, 1..16), since
// each carries one player's state. Empty for any other message: it replaces
// nothing.
QByteArray NachrichtErsatzschluessel(const QByteArray& sender, const QByteArray& text);

// The status bar text of the messages: what was replaced or dropped and the
// hosts that did not answer their last message; empty when there is neither.
QString NachrichtenStatusText(quint64 ersetzt, quint64 verworfen, const QStringList& ohneAntwort);

// How a message ended.
enum class NachrichtAusgang {
    Beantwortet,         // the client answered
    Abgewiesen,          // the connection was refused
    Unerreichbar,        // host name unknown, no route, other connect errors
    Zeitueberschreitung, // no connection or no answer within the time limit
    Abgebrochen,         // the client closed the connection before answering
    ZuLang,              // sender name or text too long for the length fields
};

// A message not yet ended, as wartende() lists it.
struct WartendeNachricht {
    QByteArray sender;      // the kind
    QByteArray schluessel;  // NachrichtErsatzschluessel; empty: replaces nothing
    quint64 nummer = 0;     // counts the senden() calls of the Nachrichtenversand from 1
    qint64 alterMs = 0;     // since senden()
    bool unterwegs = false; // on its way (connecting or waiting for the answer)
};

class Nachrichtenversand : public QObject {
    Q_OBJECT
public:
    explicit Nachrichtenversand(QObject* parent = nullptr);
    // Messages still queued or on their way are dropped without `beendet`
    // and taken off NetzBeschaeftigt.
    ~Nachrichtenversand() override;

    // Queues the message for the host (name or address). Returns at once;
    // `beendet` follows from the event loop, never inside this call.
    void senden(const QString& host, const QByteArray& sender, const QByteArray& text);

    void setPort(quint16 port);
    // For the connect and for the answer each.
    void setZeitlimit(int ms);
    // Messages queued or on their way.
    int laufend() const;
    // Per host its messages not yet ended, in the order they will go, the one
    // on its way first; hosts with none are left out.
    QMap<QString, QList<WartendeNachricht>> wartende() const;
    // Messages replaced by a newer one, and dropped for the bound, so far.
    quint64 ersetzt() const;
    quint64 verworfen() const;

signals:
    // A message has ended. `ausgang` comes first, then `beendet` (ok: answered).
    // A replaced or dropped message has neither.
    // Delete the sender from these slots only with deleteLater().
    void ausgang(const QString& host, NachrichtAusgang a);
    void beendet(const QString& host, bool ok);

private:
    struct Impl;
    Impl* d;
};
