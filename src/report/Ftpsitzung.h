#pragma once
// One FTP session of the program: the live upload, the site dialogs and the
// FTP browser each have their own, so none waits for another. libcurl runs
// the commands of a session in order on a worker thread of its own and
// keeps its control connection between them; every command's end arrives
// on the UI thread as `erledigt`, in the order the commands were given.
// Nothing blocks the UI thread.
//
// Each command names its folder in full; the session goes back to the login
// folder (or to "/") by itself before it walks the folder's parts. Data
// connections are active at first; when the server refuses PORT
// or never connects back, the session changes to passive for good and
// repeats the command once. Names travel as UTF-8; listing lines that are
// not UTF-8 are read as Windows-1252.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

struct FtpZugang {
    QString host;
    quint16 port = 0;  // 0: 21
    QString kennung;
    QString passwort;
};

// A folder on the server: its parts from the login folder, or from the
// server's root ("/") when `vomWurzelordner`. One CWD per part, in order;
// an empty part is sent as a CWD to an empty name, as the paths of the
// settings may ask.
struct FtpOrdner {
    QStringList teile;
    bool vomWurzelordner = false;
};
// The parts of a path text split at every "/" and "\" (a leading, doubled or
// trailing separator gives an empty part); an empty text gives none.
FtpOrdner FtpOrdnerAus(const QString& pfad);

class Ftpsitzung : public QObject {
    Q_OBJECT
public:
    enum class Vorgang { Verbinden, Hochladen, Herunterladen, Auflisten, OrdnerAnlegen, Loeschen, Umbenennen, Trennen };
    Q_ENUM(Vorgang)

    explicit Ftpsitzung(QObject* parent = nullptr);
    // A running command is aborted; its `erledigt` does not come any more.
    ~Ftpsitzung() override;

    // Each returns at once; `erledigt` follows exactly once per call.
    void verbinden(const FtpZugang& zugang);
    // STOR in binary mode (TYPE I) of the local file under `name`.
    void hochladen(const FtpOrdner& ordner, const QString& lokaleDatei, const QString& name);
    void herunterladen(const FtpOrdner& ordner, const QString& name, const QString& lokaleDatei);
    // LIST in text mode (TYPE A): the raw lines of the answer in `zeilen`.
    void auflisten(const FtpOrdner& ordner);
    void ordnerAnlegen(const FtpOrdner& ordner, const QString& name);
    void loeschen(const FtpOrdner& ordner, const QString& name);
    void umbenennen(const FtpOrdner& ordner, const QString& alt, const QString& neu);
    void trennen();

    // Connect and answer time limit (default 20,000 ms).
    void setZeitlimit(int ms);
    // Between verbinden() and the end of trennen() (or a failed connect).
    bool verbunden() const;
    // Commands given whose `erledigt` is still to come.
    int offen() const;
    // Worker threads still running, of all sessions.
    static int aktiveArbeiter();

signals:
    // ok, or the operator's German text of the failure; `antwort` holds the
    // server's last reply line.
    void erledigt(Ftpsitzung::Vorgang vorgang, bool ok, const QString& fehler, const QString& antwort,
                  const QStringList& zeilen);

private:
    struct Impl;
    Impl* d;
};
