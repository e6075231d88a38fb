#pragma once
// Ending the session: power off, shut down, restart, log off, suspend or
// hibernate. TabfShutdown keeps the component's properties and its veto
// event; the system call itself goes through an Abschaltung, which is
// systemctl (logind) on Linux and a recording fake in tests.

#include "components/Threads.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

enum TabfShutdownActionType : std::uint8_t {
    aatPowerOff,
    aatShutdown,
    aatReboot,
    aatLogOff,
    aatSuspend,
    aatHibernate,
};

// The command line for an action: program and arguments; empty for an
// unknown action. Force skips the inhibitors of other programs.
QStringList AbschaltBefehl(int aktion, bool force);

class Abschaltung {
public:
    virtual ~Abschaltung() = default;
    // Starts the command; true when it could be started.
    virtual bool ausfuehren(const QStringList& befehl) = 0;
};

// Starts the command as a process of its own (the program is ending).
class SystemctlAbschaltung final : public Abschaltung {
public:
    bool ausfuehren(const QStringList& befehl) override;
};

class FakeAbschaltung final : public Abschaltung {
public:
    bool ausfuehren(const QStringList& befehl) override
    {
        aufrufe << befehl;
        return ergebnis;
    }
    QList<QStringList> aufrufe;
    bool ergebnis = true;
};

class TabfShutdown : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfShutdown(Abschaltung* abschaltung = nullptr, QObject* parent = nullptr)
        : TabfComponent(parent), m_abschaltung(abschaltung)
    {
    }

    int ActionType = aatPowerOff;
    bool Force = false;
    // Last chance to veto: set the flag to false.
    std::function<void(TabfShutdown& sender, bool& allowed)> OnQueryShutdown;

    void setAbschaltung(Abschaltung* a) { m_abschaltung = a; }
    // True when the action was started; false after a veto, for an unknown
    // action, without an Abschaltung, or when the system refused.
    bool Execute();

private:
    void DoQueryShutdown(bool& allowed);

    Abschaltung* m_abschaltung = nullptr;
};
