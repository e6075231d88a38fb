#include "lanesim/VirtualCanBruecke.h"

VirtualCanBruecke::VirtualCanBruecke(Bahnsimulator& sim, QObject* parent) : QObject(parent), m_sim(sim)
{
    m_timer.setInterval(m_taktMs);
    connect(&m_timer, &QTimer::timeout, this, &VirtualCanBruecke::takt);
}

VirtualCanBruecke::~VirtualCanBruecke()
{
    schliessen();
}

bool VirtualCanBruecke::oeffnen(const QString& schnittstelle, QString* fehler)
{
    schliessen();
    CanOeffnung oeffnung;
    oeffnung.schnittstelle = schnittstelle;
    if (!m_adapter.oeffnen(oeffnung, fehler)) return false;
    m_offen = true;
    if (m_taktMs > 0) m_timer.start();
    return true;
}

void VirtualCanBruecke::schliessen()
{
    m_timer.stop();
    m_adapter.schliessen();
    m_offen = false;
    m_ausstehend.clear();
}

void VirtualCanBruecke::setTaktMs(int ms)
{
    m_taktMs = std::max(ms, 0);
    if (m_taktMs == 0) {
        m_timer.stop();
        return;
    }
    m_timer.setInterval(m_taktMs);
    if (m_offen && !m_timer.isActive()) m_timer.start();
}

void VirtualCanBruecke::takt()
{
    if (!m_offen) return;
    if (!m_adapter.istOffen()) {
        m_offen = false;
        m_timer.stop();
        emit getrennt();
        return;
    }
    while (const std::optional<CanRohRahmen> r = m_adapter.lesen()) {
        emit vomPc(*r);
        m_sim.empfangen(*r);
    }
    m_sim.tick();
    while (const std::optional<CanRohRahmen> r = m_sim.naechster()) m_ausstehend.push_back(*r);
    while (!m_ausstehend.empty() && m_adapter.senden(m_ausstehend.front())) {
        emit zumPc(m_ausstehend.front());
        m_ausstehend.pop_front();
    }
}
