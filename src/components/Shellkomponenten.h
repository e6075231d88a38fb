#pragma once
// Shell components without widgets: the single-instance guard and the
// autostart entry of the desktop session.

#include "components/Hilfen.h"
#include "components/Threads.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// One running instance per identifier and user. The first instance takes a
// lock file and listens on a local socket of the same name; a later one
// finds the lock, optionally asks the first through the socket to come to
// the front, shows its message and reports that it has to end.
class TabfOneInstance : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfOneInstance(QObject* parent = nullptr);
    ~TabfOneInstance() override;

    bool ActivatePrevInstance = true;
    bool ExeNameAsIdentifier = true;
    QString Identifier;
    // "%s" stands for the application title.
    QString Message = AbfTexte::LaeuftBereits;
    bool ShowMessage = true;
    // Shows the message of a refused start; without it the text goes to the log.
    std::function<void(const QString&)> OnShowMessage;

    // Executable file name or application title, ".OneInstance.", Identifier.
    QString Kennung() const;
    QString MessageText() const;

    // At start: true for the first instance, which keeps the lock until it is
    // destroyed; false when another instance runs and this one has to end.
    bool beanspruchen();
    bool beansprucht() const { return m_sperre && m_sperre->isLocked(); }

    // Where the lock and the socket live (the user's runtime folder).
    QString sperrdatei() const;
    QString socketPfad() const;

signals:
    // A later start asked this instance to bring its window to the front.
    void zeigenAngefordert();

protected:
    // A guard under a fixed name instead of the derived identifier.
    TabfOneInstance(const QString& festeKennung, QObject* parent);

private:
    void verbindung();
    QString dateiname() const;

    QString m_festeKennung;
    std::unique_ptr<QLockFile> m_sperre;
    QLocalServer m_server;
};

enum class TabfAutoExecKind { aekMachineRun, aekMachineRunOnce, aekUserRun, aekUserRunOnce, aekServiceRun,
                              aekServiceRunOnce };

// Starts a program with the user's desktop session: an XDG autostart entry
// "<name>.desktop" in $XDG_CONFIG_HOME/autostart (default ~/.config). The
// machine kinds use the user's entry as well (the system folder needs root);
// the service kinds write nothing. The run-once kinds remove their entry when
// they start the program.
class TabfAutoRun : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfAutoRun(QObject* parent = nullptr);

    // Each change removes the entry of the previous settings first and
    // writes it again while AutoRun is set; false when that failed (Fehler).
    bool AutoRun() const { return m_autoRun; }
    bool setAutoRun(bool an);
    QString FileName() const { return m_fileName; }
    bool setFileName(const QString& datei);
    TabfAutoExecKind Kind() const { return m_kind; }
    bool setKind(TabfAutoExecKind kind);

    // The entry file of the current settings; empty when they allow none.
    QString Eintragsdatei() const;
    // The file's contents for the current settings.
    QByteArray Eintrag() const;
    QString Fehler() const { return m_fehler; }

    // One argument of an Exec line, quoted and escaped for a desktop entry.
    static QString ExecArgument(const QString& argument);

private:
    bool aendern(const std::function<void()>& aenderung);
    bool schreiben();

    bool m_autoRun = false;
    QString m_fileName;
    TabfAutoExecKind m_kind = TabfAutoExecKind::aekUserRun;
    QString m_fehler;
};
