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
// timed out, unreachable); the program end waits for 0.

#include <QByteArray>
#include <QObject>
#include <QString>

inline constexpr quint16 NachrichtPort = 6711;
inline constexpr int NachrichtZeitlimitMs = 20000;
inline constexpr int NachrichtAntwortBytes = 16;
// A length field holds four digits.
inline constexpr int NachrichtFeldMax = 9999;

// The bytes of one message; empty when the sender name or the text is
// 10,000 bytes or longer (four digits cannot say the length).
QByteArray NachrichtRahmen(const QByteArray& sender, const QByteArray& text);

// How a message ended.
enum class NachrichtAusgang {
    Beantwortet,         // the client answered
    Abgewiesen,          // the connection was refused
    Unerreichbar,        // host name unknown, no route, other connect errors
    Zeitueberschreitung, // no connection or no answer within the time limit
    Abgebrochen,         // the client closed the connection before answering
    ZuLang,              // sender name or text too long for the length fields
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

signals:
    // A message has ended. `ausgang` comes first, then `beendet` (ok: answered).
    // Delete the sender from these slots only with deleteLater().
    void ausgang(const QString& host, NachrichtAusgang a);
    void beendet(const QString& host, bool ok);

private:
    struct Impl;
    Impl* d;
};
