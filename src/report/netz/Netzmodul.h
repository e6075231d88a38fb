#pragma once
// The network module: the report e-mail over SMTP, web pages by HTTP GET
// (the update check), the short messages to the monitor clients
// (report/Nachrichtenversand.h) and the FTP uploads of the web site (live
// results and site files, report/Ftpsitzung.h). libcurl works on worker
// threads; every end is reported on the UI thread. The other transfers keep
// the defaults of NetzDienste.
//
// The login: no password is kept in the settings, so `kennung` is handed to
// curl as the user name with an empty password. curl logs in only when the
// server offers AUTH and chooses among the offered mechanisms (EXTERNAL
// first, as there is no password); a server without AUTH gets the mail
// without a login. A refused login ends the transfer with its own message.
// STARTTLS is used when the server offers it, with the certificate checked;
// port 465 and "smtps://" mean TLS from the start. A certificate of the
// server's own is put to the operator (report/netz/Zertifikate.h); trusted,
// the mail goes again at once.

#include "core/Zeitgeber.h"
#include "match/dienste/Netzdienste.h"
#include "report/netz/Ftpsitzung.h"
#include "report/netz/Nachrichtenversand.h"
#include "report/netz/Zeitabgleich.h"
#include "report/netz/Zertifikate.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

inline const QString MailWartenText = QStringLiteral("Bitte warten, Nachricht wird versendet !");
inline const QString MailVersendetText = QStringLiteral("Nachricht erfolgreich versendet !");

// The port of the mail server: 0 means the SMTP default 25.
u16 MailPort(const Mailauftrag& m);
// The content type of an attached file by its ending: the report's PDF and
// pictures as what they are, so that mail programs show them; any other
// file as "application/octet-stream".
QByteArray MailanhangTyp(const QString& datei);
// The bare address of "Name <adresse>" or of a plain address.
QString MailAdresse(const QString& text);
// The recipients of `an`, separated by "," or ";".
QStringList MailEmpfaenger(const QString& an);
// A header value: plain ASCII as it is, anything else as RFC 2047 encoded
// words (UTF-8, base64) folded onto continuation lines. Line breaks become blanks.
QByteArray KopfwertKodieren(const QString& text);
// The header lines From, To, Subject, Date and Message-ID (without "<>").
QList<QByteArray> MailKopfzeilen(const Mailauftrag& m, const QDateTime& zeit, const QByteArray& nachrichtId);
// What keeps the mail from being sent at all; empty when it can go.
QString MailauftragPruefen(const Mailauftrag& m);

// How a transfer failed: curl's result code, the server's last reply line
// before QUIT (empty when the connection ended while a reply was due) and
// curl's own error text; the refused certificate, if that was why.
struct Mailfehler {
    int code = 0;
    QString serverAntwort;
    QString detail;
    Zertifikatsfehler zertifikat = {};
};
// The mail server's name for its trusted certificate ("smtp://host:port"),
// and as the texts name it ("des Mailservers host (Port 25)").
QString MailServer(const Mailauftrag& m);
QString MailServerWer(const Mailauftrag& m);
// The operator's message for a failed transfer.
QString MailFehlerText(const Mailauftrag& m, const Mailfehler& f);

// --- FTP -------------------------------------------------------------------------------

// The status line texts of the FTP connection.
inline const QString FtpVerbundenText = QStringLiteral("Mit dem Server verbunden !");
inline const QString FtpAnmeldungFalschText = QStringLiteral("Falsche Benutzerkennung oder Passwort !");
// The start of the text of a server that is none (FtpFalscherServerText).
inline const QString FtpFalscherServerAnfang = QStringLiteral("Falscher Server !");
// The end of "Update senden" when the live results went up.
inline const QString FtpUpdateGesendetText = QStringLiteral("Update gesendet !");
// In the report window's status label after an upload.
inline const QString FtpImInternetText = QStringLiteral("Spielbericht im Internet !");
inline const QString FtpDatenFehlenText = QStringLiteral("Bitte Ftp-Server, Benutzerkennung und Passwort eintragen !");

// The text of a successful FTP transaction of kind 0..14 (ChangeDir, MakeDir,
// Delete, RemoveDir, List, Rename, UploadRestore, DownloadRestore, Download,
// Upload, UploadAppend, ReInit, Allocate, NList, DoCommand); empty for any
// other kind, which leaves the status line as it is.
QString FtpErfolgText(int art);
// The kind of a session's command in that table; -1 for connect and disconnect.
int FtpErfolgsart(Ftpsitzung::Vorgang v);
// The status text of a failed connect: the session's own where it names
// the cause, else a refused login by the server's reply ("530"), else no
// connection to `zugang`.
QString FtpVerbindungsfehlerText(const QString& fehler, const QString& antwort, const FtpZugang& zugang);
// The count of live snapshots replaced by newer ones before they were sent;
// empty for none.
QString FtpUebersprungenText(int anzahl);

// Where the FTP texts go: the target set (the FTP browser's status bar while
// it is open), else the first panel of the main window's status bar.
void FtpStatusZiel(std::function<void(const QString&)> ziel);
void FtpStatus(const QString& text);

// What a live upload sends: the file's name on the server and its lines;
// `grund` instead when it sends nothing.
struct Liveupload {
    QString name;
    QStringList zeilen;
    QString grund;    // why nothing is sent
    QString projekt;  // the report project exported as HTML in place of the lines
};
// The file of the match by the layout (a report project above 19: its HTML
// export "Update.htm") and the script choice.
Liveupload LiveuploadErstellen(const TWettkampfDaten& w, bool javaScript, i32 intervall, int formular);

// The site files of the data folder in the order they are uploaded, with
// their names on the server; the blank "Update.js" of a new site follows them.
struct Sitedatei {
    const char* lokal;
    const char* name;
};
inline constexpr Sitedatei Sitedateien[] = {
    {"index.inf", "index.html"}, {"Banner.png", "Banner.png"}, {"Hinweis.js", "Hinweis.js"},
    {"site.css", "site.css"},    {"style.css", "style.css"},
};

// Time limits of one transfer in milliseconds.
struct Mailzeitlimits {
    long verbinden = 20000;
    long gesamt = 600000;  // a 24 MB bitmap needs minutes on a slow line
    long quit = 3000;      // the reply to QUIT, after the server took or refused the mail
};

// One mail sent on the calling thread; `abbrechen` ends it within a poll.
// `vertraut`: the fingerprint of the certificate the operator trusts for
// the server (VertrautesZertifikat(MailServer(m))).
Mailfehler MailUebertragen(const Mailauftrag& m, const Mailzeitlimits& grenzen, const std::atomic<bool>& abbrechen,
                           const QByteArray& vertraut = {});

// --- Web pages -------------------------------------------------------------------------

// Time limits of one page fetch in milliseconds: to connect, with no byte
// arriving (stall; counted in whole seconds), and for the whole fetch.
struct Seitenzeitlimits {
    long verbinden = 10000;
    long stillstand = 10000;
    long gesamt = 20000;
};
// The most of a page that is kept; the rest is left unread.
inline constexpr qsizetype SeiteHoechstens = 64 * 1024;
// How a fetch ended: curl's result code, the final HTTP status with its
// text ("404 Not Found"; empty without an answer), curl's own error text,
// the page (without a UTF-8 byte order mark), the target of a redirect
// libcurl refused to follow and the bytes of all header lines received.
struct Seitenergebnis {
    int code = 0;
    long status = 0;
    QString statuszeile;
    QString detail;
    QByteArray seite;
    QString weiterleitung;
    qint64 kopfbytes = 0;
};
// One HTTP(S) GET on the calling thread, redirects followed to http and
// https addresses (from https to https only), the certificate of an https
// server checked; `abbrechen` ends it within a second.
Seitenergebnis SeiteAbrufen(const QString& adresse, const Seitenzeitlimits& grenzen,
                            const std::atomic<bool>& abbrechen);
// The operator's message for a fetch that brought no page (naming the
// server and the reason); empty when the page came.
QString SeitenFehlerText(const QString& adresse, const Seitenergebnis& e);

class Ftpkette;

class Netzmodul : public NetzDienste {
public:
    // `status` shows the e-mail texts (the report window's status label or
    // the main window's first panel); empty: the main window's first panel.
    explicit Netzmodul(std::function<void(const QString&)> status = {});
    // Running transfers are aborted; their `fertig` is not called any more.
    // The program's end: waits (a few seconds at most) until their workers
    // have ended.
    ~Netzmodul() override;
    Netzmodul(const Netzmodul&) = delete;
    Netzmodul& operator=(const Netzmodul&) = delete;

    // The live upload of the match with AktJavaUpdate and AktUpdateIntervall:
    // its file is made now and queued on the live session, which sends
    // the uploads one after the other, each over a connection of its own
    // with the match's server, user, password and folder and the FtpPort
    // setting; missing folders are made. Of the uploads waiting for one
    // target only the newest stays. "Update.csv" and "Update.js" also go into
    // the data folder (none set: nowhere), written on a worker; a failed
    // write of a file is told once, until that file has been written again.
    // Without server, user or password nothing happens.
    void internetUpdate(TWettkampfDaten& w) override;
    // "Update senden": the same upload to `server` (its port, user, password
    // and folder); it ends with a status line that says that it was sent or
    // why not, also when server, user or password are missing.
    void updateSenden(TWettkampfDaten& w, const FtpVerbindung& server) override;
    // TimerFtp: interval, then on or off.
    void uploadTimer(bool ein, int intervallMs) override;
    // The site files of the data folder and the blank "Update.js" to the
    // server, on a session of their own; `fertig` after the disconnect,
    // with the failed files named.
    void siteErzeugen(const FtpVerbindung& server, NetzFertig fertig) override;
    // The same without the blank "Update.js".
    void siteDateienSenden(const FtpVerbindung& server, NetzFertig fertig) override;
    // The FTP browser on `server` (FtpAktuell); `fertig` once it is closed.
    void ftpServer(const FtpVerbindung& server, NetzFertig fertig) override;

    Zeitgeber& TimerFtp() { return m_timerFtp; }
    // The tick of TimerFtp: every started match that is not over and wants
    // timed uploads is uploaded, in slot order, each with its own script
    // choice and interval; with none the timer switches itself off.
    void TimerFtpGo();
    // FTP jobs (live uploads and site creations) whose end is still to come;
    // HinweisStatusleisteAus is 1 exactly while there are any.
    int laufendeFtpAuftraege() const;
    // Live snapshots replaced by a newer one for the same target while they
    // waited; shown with the FTP status at the end of each upload.
    int uebersprungeneLiveStaende() const;
    // Live files for the data folder whose write has not yet been reported.
    int laufendeDatenordnerDateien() const { return m_dateienOffen; }

    // Returns at once; `fertig` follows exactly once on the UI thread, also
    // for a mail that cannot be sent at all.
    void mailSenden(const Mailauftrag& mail, MailFertig fertig) override;

    // The messages to the monitor clients (port 6711).
    void nachrichtSenden(const QString& host, const QByteArray& sender, const QByteArray& text) override;
    Nachrichtenversand& nachrichten() { return *m_nachrichten; }

    // The PC clock from the time server (report/Zeitabgleich.h).
    void zeitAbgleichen(NetzFertig fertig) override;
    void zeitUpdateTimer(qint64 intervallMs) override;
    // At program start, once the settings are read: the start-up
    // synchronisation and its timer.
    void zeitStarten();
    Zeitabgleich& zeit() { return *m_zeit; }

    // The page by HTTP GET on a worker thread; `fertig` follows exactly once
    // on the UI thread, with the page or the operator's message.
    void seiteHolen(const QString& adresse, SeiteFertig fertig) override;
    void setSeitenzeitlimits(const Seitenzeitlimits& z) { m_seitenzeitlimits = z; }
    // Fetches whose `fertig` is still to come.
    int laufendeAbrufe() const;

    void setZeitlimits(const Mailzeitlimits& z) { m_zeitlimits = z; }
    // Mails whose `fertig` is still to come.
    int laufendeMails() const;
    // Worker threads still running, of all modules.
    static int aktiveUebertragungen();
    // The certificates TLS trusts, a PEM file in place of the system's (for
    // tests; FTP, mail and web pages alike); empty: the system's.
    static void setZertifikate(const QString& pemDatei);

private:
    // The transfer of a mail registered as `id`, on a worker thread.
    void mailStarten(quint64 id, const Mailauftrag& mail);
    Ftpkette& ftpKette(std::unique_ptr<Ftpkette>& kette);
    void ftpLageAktualisieren();
    // Aborts the FTP jobs and waits a little for their workers.
    void ftpBeenden();
    QString eigeneDatei(const QString& name);
    // The live upload of the match to `zugang` and `pfad`; `melden`: its end
    // gets a status line of its own.
    void liveSenden(TWettkampfDaten& w, const FtpZugang& zugang, const QString& pfad, bool melden);
    void siteSenden(const FtpVerbindung& server, NetzFertig fertig, bool leeresSkript);
    // The lines as the file `name` of the data folder, on a worker.
    void datenordnerSchreiben(const QString& name, const QStringList& zeilen);
    // On the UI thread: `datei` written, failed with `fehler`, or none (not
    // written, a newer one followed).
    void datenordnerGeschrieben(const QString& datei, std::optional<bool> ok, const QString& fehler);

    struct Zustand;
    class Empfaenger;
    // Runs `arbeit` on a worker thread; the report it returns is handed the
    // receiver while the module lives. False when no thread could be started.
    bool imHintergrund(std::function<std::function<void(Empfaenger&)>()> arbeit);
    std::shared_ptr<Zustand> m_zustand;
    Empfaenger* m_empfaenger;
    Mailzeitlimits m_zeitlimits;
    Seitenzeitlimits m_seitenzeitlimits;
    std::unique_ptr<Nachrichtenversand> m_nachrichten;
    std::unique_ptr<Zeitabgleich> m_zeit;
    std::function<void(const QString&)> m_status;
    std::unique_ptr<Ftpkette> m_live;  // the live uploads
    std::unique_ptr<Ftpkette> m_site;  // the site creations
    Zeitgeber m_timerFtp;
    std::unique_ptr<QTemporaryDir> m_dateien;  // the files of the queued uploads
    quint64 m_dateiNr = 0;
    int m_dateienOffen = 0;
    QSet<QString> m_datenordnerGestoert;  // the files whose failed write was told
};
