#pragma once
// Puts a lane simulator on a real bus interface, normally Qt's virtual bus
// ("virtualcan:tcp://127.0.0.1:35470/can0"): each tick moves the PC's frames
// into the simulator, advances it one tick and sends what the lanes
// answered. A frame the interface refuses is sent again at the next tick.
// The ticks come from the bridge's own timer, or with an interval of 0 from
// whoever calls takt(). When the interface loses its connection the ticks
// stop and getrennt() tells so.

#include "lanesim/Bahnsimulator.h"
#include "platform/QtCanAdapter.h"

#include <QObject>
#include <QTimer>
#include <deque>

class VirtualCanBruecke : public QObject {
    Q_OBJECT
public:
    explicit VirtualCanBruecke(Bahnsimulator& sim, QObject* parent = nullptr);
    ~VirtualCanBruecke() override;

    // Opens the interface and starts the ticks; false with a reason.
    bool oeffnen(const QString& schnittstelle, QString* fehler);
    void schliessen();
    bool istOffen() const { return m_adapter.istOffen(); }

    // 0: no timer of its own, the owner calls takt().
    void setTaktMs(int ms);
    int taktMs() const { return m_taktMs; }

    // One tick, as the timer runs it.
    void takt();

signals:
    void vomPc(const CanRohRahmen& rahmen);
    void zumPc(const CanRohRahmen& rahmen);
    void getrennt();

private:
    Bahnsimulator& m_sim;
    QtCanAdapter m_adapter;
    QTimer m_timer;
    int m_taktMs = 50;
    bool m_offen = false;  // opened and not yet found cut off
    std::deque<CanRohRahmen> m_ausstehend;
};
