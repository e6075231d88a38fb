#include "platform/AbfShutdown.h"

#include <QProcess>
#include <QProcessEnvironment>

QStringList AbschaltBefehl(int aktion, bool force)
{
    QStringList befehl;
    switch (aktion) {
    case aatPowerOff:
    case aatShutdown: befehl = {QStringLiteral("systemctl"), QStringLiteral("poweroff")}; break;
    case aatReboot: befehl = {QStringLiteral("systemctl"), QStringLiteral("reboot")}; break;
    case aatSuspend: befehl = {QStringLiteral("systemctl"), QStringLiteral("suspend")}; break;
    case aatHibernate: befehl = {QStringLiteral("systemctl"), QStringLiteral("hibernate")}; break;
    case aatLogOff: {
        // The own session; without one, every session of the user.
        const QString sitzung = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_SESSION_ID"));
        if (sitzung.isEmpty())
            return {QStringLiteral("loginctl"), QStringLiteral("terminate-user"),
                    QProcessEnvironment::systemEnvironment().value(QStringLiteral("USER"))};
        return {QStringLiteral("loginctl"), QStringLiteral("terminate-session"), sitzung};
    }
    default: return {};
    }
    if (force) befehl << QStringLiteral("--ignore-inhibitors");
    return befehl;
}

bool SystemctlAbschaltung::ausfuehren(const QStringList& befehl)
{
    if (befehl.isEmpty()) return false;
    return QProcess::startDetached(befehl.first(), befehl.mid(1));
}

void TabfShutdown::DoQueryShutdown(bool& allowed)
{
    if (OnQueryShutdown) OnQueryShutdown(*this, allowed);
}

bool TabfShutdown::Execute()
{
    bool allowed = true;
    DoQueryShutdown(allowed);
    if (!allowed) return false;
    const QStringList befehl = AbschaltBefehl(ActionType, Force);
    if (befehl.isEmpty() || !m_abschaltung) return false;
    return m_abschaltung->ausfuehren(befehl);
}
