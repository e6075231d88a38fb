#pragma once
// One running program per user. The first start takes a lock file and opens
// a local socket under the name; a later start finds the lock, asks the
// running program through the socket to show its window, and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class Einzelinstanz : public QObject {
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString& name = QStringLiteral("Corvalink"), QObject* parent = nullptr);
    ~Einzelinstanz() override;

    // True for the first instance, which keeps the marker until it is
    // destroyed. False when another instance runs: it was asked to come to
    // the front.
    bool beanspruchen();
    bool beansprucht() const { return m_sperre && m_sperre->isLocked(); }

    // Where the marker and the socket live (the user's runtime folder).
    QString sperrdatei() const { return m_sperrdatei; }
    QString socketPfad() const { return m_socketPfad; }

signals:
    // A later start asked this instance to bring its window to the front.
    void zeigenAngefordert();

private:
    void verbindung();

    QString m_sperrdatei;
    QString m_socketPfad;
    std::unique_ptr<QLockFile> m_sperre;
    QLocalServer m_server;
};
