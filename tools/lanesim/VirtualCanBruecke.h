#pragma once
// Puts a lane simulator on a real bus interface, normally Qt's virtual bus
// ("virtualcan:tcp://127.0.0.1:35470/can0"): a timer moves the PC's frames
// into the simulator, advances it one tick and sends what the lanes
// answered. A frame the interface refuses is sent again at the next tick.

#include "Bahnsimulator.h"
#include "QtCanAdapter.h"

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

    void setTaktMs(int ms);
    int taktMs() const { return m_timer.interval(); }

    // One tick, as the timer runs it.
    void takt();

signals:
    void vomPc(const CanRohRahmen& rahmen);
    void zumPc(const CanRohRahmen& rahmen);

private:
    Bahnsimulator& m_sim;
    QtCanAdapter m_adapter;
    QTimer m_timer;
    std::deque<CanRohRahmen> m_ausstehend;
};
