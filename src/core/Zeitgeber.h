#pragma once
// A periodic job on the UI thread: the component library's message timer
// with the job kept apart from the timer, so that setting the job never
// touches a running timer. Interval 0 means the job does not run; switching a
// running timer on does not restart it; the job may switch its own timer off.
// Tests call tick() directly instead of waiting.

#include "components/Threads.h"

#include <functional>

class Zeitgeber : public TabfCustomTimer {
public:
    explicit Zeitgeber(std::function<void()> job = {}, int intervallMs = 0, QObject* parent = nullptr);

    void setJob(std::function<void()> job) { m_job = std::move(job); }

private:
    std::function<void()> m_job;
};
