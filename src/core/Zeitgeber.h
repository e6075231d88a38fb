#pragma once
// A periodic job on the UI thread with the semantics the program relies on:
// interval 0 means the job does not run; switching a running timer on does
// not restart it; the job may switch its own timer off. Tests call tick()
// directly instead of waiting.

#include <QObject>
#include <QTimer>
#include <functional>

class Zeitgeber : public QObject {
public:
    explicit Zeitgeber(std::function<void()> job = {}, int intervallMs = 0, QObject* parent = nullptr);

    void setJob(std::function<void()> job) { m_job = std::move(job); }
    void setEnabled(bool ein);
    bool enabled() const { return m_enabled; }
    void setInterval(int ms);
    int interval() const { return m_intervall; }
    // Whether the underlying timer really runs (enabled and interval > 0).
    bool laeuft() const { return m_timer.isActive(); }

    // Runs the job once, as a timer tick does.
    void tick();

private:
    void anpassen();

    std::function<void()> m_job;
    QTimer m_timer;
    bool m_enabled = false;
    int m_intervall = 0;
};
