#pragma once
// A bus of Qt's virtual CAN plugin that a test serves itself, on a loopback
// port the system hands out free. It speaks the plugin's line protocol: a
// client names its channel ("connect:can0") and every frame line it sends
// ("can0:<frame>") goes to the other clients on that channel. The plugin's
// own server, which each process starts once on the port of its first
// device, finds the port taken and leaves the clients to this one: each test
// has a bus of its own that no other process shares, and can take it away
// while clients hang on it.

#include <QList>
#include <QString>
#include <QTcpServer>
#include <cstdint>

class QTcpSocket;

class VirtuellerBus {
public:
    VirtuellerBus();
    ~VirtuellerBus();
    VirtuellerBus(const VirtuellerBus&) = delete;
    VirtuellerBus& operator=(const VirtuellerBus&) = delete;

    bool laeuft() const { return m_server.isListening(); }
    // "virtualcan:tcp://127.0.0.1:<port>/can0" for QtCanAdapter.
    QString schnittstelle() const;
    // Frame lines passed on so far, each counted once.
    std::uint64_t rahmen() const { return m_rahmen; }
    // Closes every connection after what was passed on, and stops serving.
    void beenden();

private:
    void annehmen();
    void lesen(QTcpSocket* s);

    QTcpServer m_server;
    QList<QTcpSocket*> m_clients;
    std::uint64_t m_rahmen = 0;
};
