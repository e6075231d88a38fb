#pragma once
// The files of the lane monitor clients and the info terminal go into their
// folders, mostly network shares that may be slow or hang. The writes and
// copies therefore run on workers, one per folder, each working off its
// folder's jobs in the order given; how each ended comes back on the UI
// thread. A file is written whole (a temporary name, then the rename), so a
// client never reads half a file. A newer content of a file still waiting in
// its folder's queue replaces the older one and takes its place at the end:
// a folder that comes back gets the present.
//
// A failed write or copy is told to the operator once per folder, until a
// job there succeeds again. AblageBeschaeftigt counts the jobs not yet
// ended; the program end waits for them, bounded (shell/Programmende.h).

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Clientablage : public QObject {
    Q_OBJECT
public:
    explicit Clientablage(QObject* parent = nullptr);
    // Drops the jobs waiting; a job running ends on its worker, unheard.
    // Never waits for a worker.
    ~Clientablage() override;

    // The lines (Windows-1252, CR LF) as the file `name` in the folder.
    void schreiben(const QString& ordner, const QString& name, const QStringList& zeilen);
    // The file `quelle` copied as `name` in the folder; `name` may hold
    // subfolders, which are made as needed.
    void kopieren(const QString& ordner, const QString& quelle, const QString& name);

    // Jobs not yet ended, waiting or running.
    int ausstehend() const { return m_ausstehend; }
    // Contents replaced by newer ones before they were written, so far.
    quint64 ersetzt() const { return m_ersetzt; }

    // Runs on a folder's worker before each of its jobs, with the target's
    // path: a test holds a folder with it as a hanging share would.
    using Haken = std::function<void(const QString& ziel)>;
    void setVorJedem(Haken haken);

signals:
    // A job has ended (on the UI thread): ok, or the cause.
    void erledigt(const QString& ordner, const QString& ziel, bool ok, const QString& grund);

private:
    struct Auftrag;
    struct Gemeinsam;
    void einreihen(const QString& ordner, Auftrag a);
    static void arbeiten(std::shared_ptr<Gemeinsam> g, QString ordner);
    void beendet(const QString& ordner, const QString& ziel, bool ok, const QString& grund);
    void melden();

    std::shared_ptr<Gemeinsam> m_gemeinsam;
    int m_ausstehend = 0;
    quint64 m_ersetzt = 0;
    QSet<QString> m_gestoert;  // folders whose failure was told
    QStringList m_zuMelden;    // failures not yet told
    bool m_meldet = false;     // the message box is open
};

// The module's, made on first use; belongs to the UI thread.
Clientablage& clientablage();
// Drops the module's with its waiting jobs (tests).
void ClientablageZuruecksetzen();

// The text that tells the operator of failed folders, each with its cause.
QString ClientablageFehlertext(const QStringList& fehler);
