#include "core/Zeitgeber.h"

Zeitgeber::Zeitgeber(std::function<void()> job, int intervallMs, QObject* parent)
    : QObject(parent), m_job(std::move(job)), m_intervall(intervallMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void Zeitgeber::setEnabled(bool ein)
{
    if (ein == m_enabled) return;  // a running timer is not restarted
    m_enabled = ein;
    anpassen();
}

void Zeitgeber::setInterval(int ms)
{
    if (ms == m_intervall) return;
    m_intervall = ms;
    if (m_timer.isActive()) m_timer.stop();
    anpassen();
}

void Zeitgeber::tick()
{
    if (m_job) m_job();
}

void Zeitgeber::anpassen()
{
    const bool soll = m_enabled && m_intervall > 0;
    if (soll && !m_timer.isActive())
        m_timer.start(m_intervall);
    else if (!soll && m_timer.isActive())
        m_timer.stop();
}
