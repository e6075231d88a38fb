#include "core/Zeitgeber.h"

Zeitgeber::Zeitgeber(std::function<void()> job, int intervallMs, QObject* parent)
    : TabfCustomTimer(parent), m_job(std::move(job))
{
    setOnTimer([this] {
        if (m_job) m_job();
    });
    setInterval(intervallMs);
}
