#pragma once
// A full disk for the length of a scope: files of this process cannot grow
// beyond the given size, and a write past it fails as on a full file system
// (the kernel's file size limit; its signal is ignored meanwhile).

#include <csignal>
#include <sys/resource.h>

class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_alt);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = m_alt;
        neu.rlim_cur = bytes;
        m_gesetzt = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    ~Dateigrenze()
    {
        setrlimit(RLIMIT_FSIZE, &m_alt);
        std::signal(SIGXFSZ, m_signal);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

    bool gesetzt() const { return m_gesetzt; }

private:
    rlimit m_alt{};
    void (*m_signal)(int) = SIG_DFL;
    bool m_gesetzt = false;
};
