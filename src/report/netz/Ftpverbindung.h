#pragma once
// The connection of an FTP session (report/netz/Ftpsitzung.h): libcurl's
// handles on the session's worker thread, the commands run one by one, and
// what the worker shares with the session on the UI thread.

#include "report/netz/Ftpsitzung.h"
#include "report/netz/Zertifikate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <curl/curl.h>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include <sys/socket.h>

namespace FtpIntern {

constexpr int StandardZeitlimitMs = 20000;
// How often a transfer whose data connection the server refused or lost is
// given again on a new login.
constexpr int NeuanmeldungenHoechstens = 3;

extern const QString KeineVerbindungText;

// The total time a command may take besides its stall limit, in ms: a
// connect, a command without data and a listing three times the answer
// limit; an upload, and a download of known size, that and a second for
// each 8 KB of the file (`bytes`); a download of unknown size (-1) half an
// hour.
qint64 GesamtzeitMs(Ftpsitzung::Vorgang vorgang, qint64 bytes, int zeitlimitMs);

// Connections opened so far, of all sessions.
extern std::atomic<int> Verbindungen;

using Vorgang = Ftpsitzung::Vorgang;

struct Auftrag {
    Vorgang vorgang = Vorgang::Verbinden;
    FtpZugang zugang;
    FtpOrdner ordner;
    QString name;         // on the server
    QString neuerName;    // RNTO
    QString lokaleDatei;
    QByteArray daten;     // an upload's bytes when it has no local file
    bool ausSpeicher = false;
    int zeitlimit = StandardZeitlimitMs;
    // A connect: the certificate the operator trusts for the server, and
    // whether the session runs by itself.
    QByteArray vertraut;
    bool vonSelbst = false;
};

struct Ergebnis {
    Vorgang vorgang = Vorgang::Verbinden;
    bool ok = false;
    QString fehler;
    QString antwort;
    QStringList zeilen;
    QString anmeldeordner;  // after a connect
};

// What the UI thread and the worker share.
struct Geteilt : std::enable_shared_from_this<Geteilt> {
    std::mutex mx;
    std::condition_variable cv;
    std::deque<Auftrag> auftraege;
    Ftpsitzung* ziel = nullptr;  // null once the session is gone
    bool laeuft = false;         // the worker thread
    std::atomic<bool> abbrechen{false};
    // The open sockets, so that an abort can shut them down: whatever curl
    // waits for then ends at once. Closed only under `mx`.
    std::vector<curl_socket_t> sockets;
    CURLM* multi = nullptr;  // for the wake-up of an abort
    // The operator's answer to the worker's question whether to trust a
    // certificate.
    enum class Antwort { Keine, Offen, Ja, Nein } antwort = Antwort::Keine;

    void abbrechenUnterSperre()
    {
        abbrechen = true;
        for (const curl_socket_t s : sockets) ::shutdown(s, SHUT_RDWR);
        if (multi) curl_multi_wakeup(multi);
        cv.notify_all();
    }
};

// What the server said: its last reply line, and whether it took AUTH TLS
// (234, the reply of no other command).
struct Antworten {
    QByteArray letzte;
    QByteArray befehl;  // the last command sent
    bool tls = false;
    // The server opened the file of a STOR (150 or 125): from then on a
    // failure leaves a broken file there.
    bool dateiOffen = false;
    bool quit = false;  // QUIT sent, its reply not read whole yet
    // An upload's check: the size the server tells to SIZE afterwards
    // (-1: none told), which is no reply to the upload.
    bool hochladen = false;
    bool groesseGefragt = false;
    qint64 groesse = -1;
};

// What closing a socket needs to know: an upload's data connection is let
// end cleanly (SocketSchliessen).
struct Ausklang {
    Geteilt* g = nullptr;
    int steuerport = 21;     // the control connection's port on the server
    bool hochladen = false;  // the running transfer is an upload
    int wartenMs = StandardZeitlimitMs;
};

// A command's total time, checked in curl's progress callback.
struct Gesamtfrist {
    Ftpsitzung::Vorgang vorgang = Ftpsitzung::Vorgang::Verbinden;
    qint64 bytes = 0;  // an upload's
    int zeitlimitMs = StandardZeitlimitMs;
    const std::atomic<bool>* abbrechen = nullptr;
    std::chrono::steady_clock::time_point beginn;
    qint64 ms = 0;  // the limit that held last
    bool ueberschritten = false;
};

// The connection; lives on the worker thread.
class Verbindung {
public:
    explicit Verbindung(Geteilt& g) : m_g(g) { handlesAnlegen(); }
    ~Verbindung() { handlesSchliessen(); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    Ergebnis ausfuehren(const Auftrag& a);

private:
    void handlesAnlegen();
    // Closes the connection: QUIT while it is still open.
    void handlesSchliessen();
    Ergebnis verbinden(const Auftrag& a);
    Ergebnis befehl(const Auftrag& a);
    QByteArray adresse(const QString& name) const;
    void einstellen(const Auftrag& a, const QByteArray& url);
    // The CWDs to the command's folder, each after a MKD whose failure is
    // ignored when `anlegen`; `neueVerbindung` when only a fresh connection
    // gets back to the login folder.
    QList<QByteArray> ordnerBefehle(const FtpOrdner& o, bool anlegen, bool& neueVerbindung) const;
    CURLcode durchfuehren();
    void nachDemLogin();
    // After a certificate was refused: asks the operator on the UI thread
    // and waits for the answer; true when the certificate is trusted now.
    bool vertrauenErfragen();
    // DELE of the upload's file; its failure is ignored.
    void dateiEntfernen(const Auftrag& a);

    Geteilt& m_g;
    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;
    FtpZugang m_zugang;
    QByteArray m_host;  // as it goes into the address
    QByteArray m_kennung, m_passwort;
    bool m_angemeldet = false;
    bool m_passiv = false;
    QByteArray m_anmeldeordner;     // the answer to PWD after the login
    bool m_imAnmeldeordner = true;  // the control connection's folder is known to be it
    Antworten m_antwort;
    Zertifikatspruefung m_pruefung;
    bool m_vonSelbst = false;
    bool m_ohneTls = false;  // the server offered no TLS at the connect
    // TLS 1.2 at most, while the server allows it: its session resumes on
    // every data connection. Under TLS 1.3 each session ticket serves one
    // data connection, and an upload's data connection delivers no new one
    // to curl: the next data connection goes on a new login.
    bool m_tlsHoechstens12 = true;
    bool m_ticketVerbraucht = false;
    Ausklang m_ausklang;
    Gesamtfrist m_frist;
    char m_fehlerpuffer[CURL_ERROR_SIZE] = {};
};

}  // namespace FtpIntern
