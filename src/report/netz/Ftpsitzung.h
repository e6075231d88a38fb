#pragma once
// One FTP session of the program: the live upload, the site dialogs and the
// FTP browser each have their own, so none waits for another. libcurl runs
// the commands of a session in order on a worker thread of its own and
// keeps its control connection between them; every command's end arrives
// on the UI thread as `erledigt`, in the order the commands were given.
// Nothing blocks the UI thread, not even the end of a session.
//
// Each command names its folder in full; the session goes back to the login
// folder (or to "/") by itself before it walks the folder's parts. Data
// connections are active at first; when the server refuses PORT
// or never connects back, the session changes to passive for good and
// repeats the command once. Names travel as UTF-8; listing lines that are
// not UTF-8 are read as Windows-1252.
//
// TLS is used when the server offers it (AUTH TLS, then the data
// connections protected too, and passive), with the server's certificate
// checked as the mail does (report/netz/Zertifikate.h); a server without TLS
// gets the login in clear as before. A certificate refused at the connect
// is put to the operator once (on the UI thread, while the worker waits):
// trusted, the connect is made again with it; the commands given after it
// wait meanwhile. TLS 1.2 is taken where the server allows it, as its
// session resumes on every data connection (which most servers require);
// under TLS 1.3 a data connection after an upload goes on a new login.
// A transfer whose data connection the server refused (425, 522) or lost
// (426), that broke before the server's reply, or that the server holds
// shorter than sent (SIZE after the upload) is given again on a new login,
// up to three times; an upload counts as sent when the server confirmed it.

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
// server's root ("/") when `vomWurzelordner`. One CWD per part, in order.
struct FtpOrdner {
    QStringList teile;
    bool vomWurzelordner = false;
};
// The folder of a path text split at every "/" and "\\": from the root when
// the text starts with one, else from the login folder; empty parts
// ("a//b", a trailing separator) are skipped.
FtpOrdner FtpOrdnerAus(const QString& pfad);

// The server as the operator typed it: blanks, a leading "ftp://" and
// trailing "/" dropped, and a port typed with the host ("ftp.verein.de:2121",
// "[::1]:2121", also "127.0.0.1 :2121") in place of `port`, as it names this
// server alone. A bare IPv6 address (several colons) and a port outside
// 1..65535 stay part of the host.
FtpZugang FtpServerAus(const FtpZugang& zugang);

// The host of FtpServerAus in the one form that the address, the
// certificate check and the trusted certificate's entry all take: a host
// name (dot-separated labels of letters, digits, "-" and "_"; international
// names in their ASCII form), an IPv4 address, or an IPv6 address in its
// short form, without brackets ("2001:db8::1" for "2001:DB8:0::1"). Empty
// when the host is none of these ("ftp.verein.de/live", "h#", "h?",
// "user@h", a blank, a second colon, an IPv6 address with a blank, a line
// break or a "%" in it): the session then refuses it before any connection,
// so no name can end the host early and reach another port.
QString FtpHost(const QString& host);
// FtpHost as it goes into the address handed to libcurl: an IPv6 address in
// brackets.
QByteArray FtpUrlHost(const QString& host);

// The status texts of a connection that could not be made or was lost, and
// of a server that is none (a host that cannot be resolved, no FTP server
// answering, or a name that is no host); both name the server as given (as
// typed for a refused name) and the port tried.
QString FtpKeineVerbindungText(const FtpZugang& zugang);
QString FtpFalscherServerText(const FtpZugang& zugang);

// A listing longer than this many bytes is broken off: no real folder
// has one, a server that never ends its listing does.
inline constexpr qsizetype FtpListeHoechstens = 16 << 20;

class Ftpsitzung : public QObject {
    Q_OBJECT
public:
    enum class Vorgang { Verbinden, Hochladen, Herunterladen, Auflisten, OrdnerAnlegen, Loeschen, Umbenennen, Trennen };
    Q_ENUM(Vorgang)

    explicit Ftpsitzung(QObject* parent = nullptr);
    // A running command is aborted; its `erledigt` does not come any more.
    // Returns at once: the worker ends by itself moments later.
    ~Ftpsitzung() override;

    // Each returns at once; `erledigt` follows exactly once per call.
    void verbinden(const FtpZugang& zugang);
    // STOR in binary mode (TYPE I) of the local file under `name`; the
    // folders of `ordner` that are missing are made on the way (MKD).
    void hochladen(const FtpOrdner& ordner, const QString& lokaleDatei, const QString& name);
    // The same for bytes held in memory (nothing is written on this thread).
    void hochladen(const FtpOrdner& ordner, const QByteArray& daten, const QString& name);
    void herunterladen(const FtpOrdner& ordner, const QString& name, const QString& lokaleDatei);
    // LIST in text mode (TYPE A): the raw lines of the answer in `zeilen`;
    // a failure past FtpListeHoechstens bytes.
    void auflisten(const FtpOrdner& ordner);
    void ordnerAnlegen(const FtpOrdner& ordner, const QString& name);
    void loeschen(const FtpOrdner& ordner, const QString& name);
    void umbenennen(const FtpOrdner& ordner, const QString& alt, const QString& neu);
    void trennen();

    // The session runs by itself (the timed live upload): a certificate the
    // operator refused once in this run is not asked about again. For the
    // connects given after the call.
    void setVonSelbst(bool vonSelbst);
    // Connect and answer time limit (default 20,000 ms). Each command also
    // has a total time: three times this, for a file one second more for
    // each 8 KB; a command that outlasts it (a server that trickles) ends
    // with a text saying so.
    void setZeitlimit(int ms);
    // Between verbinden() and the end of trennen() (or a failed connect).
    bool verbunden() const;
    // The folder the server put the login into ("/home/kegler"), as told
    // after the last successful connect; empty when the server did not say.
    QString anmeldeordner() const;
    // Commands given whose `erledigt` is still to come.
    int offen() const;
    // Aborts the running command and drops the waiting ones, without their
    // `erledigt`; the session takes no commands any more.
    void abbrechen();
    // Waits up to `ms` until the worker has ended (the program's end); true
    // when it has or never ran.
    bool abwarten(int ms);

    // Worker threads still running, of all sessions.
    static int aktiveArbeiter();
    // Connections opened so far (control and passive data), of all sessions.
    static int aufgebauteVerbindungen();
    // The certificates TLS trusts, a PEM file in place of the system's (for
    // tests); empty: the system's.
    static void setZertifikate(const QString& pemDatei);

signals:
    // ok, or the operator's German text of the failure; `antwort` holds the
    // server's last reply line.
    void erledigt(Ftpsitzung::Vorgang vorgang, bool ok, const QString& fehler, const QString& antwort,
                  const QStringList& zeilen);

private:
    struct Impl;
    Impl* d;
};
