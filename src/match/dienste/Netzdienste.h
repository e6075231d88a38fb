#pragma once
// The live-result upload of the network module as the engine reaches it.

#include "core/Eingesetzt.h"
#include "core/Records.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// A mail with at most one attached file.
struct Mailauftrag {
    QString host;
    u16 port = 0;
    QString kennung;  // user name; empty: no login
    QString von;      // sender address
    QString vonName;
    QString an;
    QString betreff;
    QStringList text;  // body lines
    QString anhang;    // path of the attached file; empty: none
};

// The end of a transfer, on the UI thread: ok, or the operator's message.
using MailFertig = std::function<void(bool ok, const QString& fehler)>;
using SeiteFertig = std::function<void(bool ok, const QByteArray& seite, const QString& fehler)>;

// The web server of the options dialog's fields.
struct FtpVerbindung {
    QString host;
    u16 port = 0;
    QString kennung;
    QString passwort;
    QString pfad;
};
// The end of a clock synchronisation or an upload: ok, or the operator's message.
using NetzFertig = std::function<void(bool ok, const QString& fehler)>;

class NetzDienste {
public:
    virtual ~NetzDienste() = default;
    // Publishes the match's live results (in the form AktJavaUpdate and
    // AktUpdateIntervall ask for).
    virtual void internetUpdate(TWettkampfDaten& w) = 0;
    // "Update senden": the same upload to `server` instead of the match's own
    // server; the network module ends it with a status line that says that
    // it was sent or why not. Here, without one: internetUpdate of the match.
    virtual void updateSenden(TWettkampfDaten& w, const FtpVerbindung& server);
    // The upload timer of the network module.
    virtual void uploadTimer(bool ein, int intervallMs) = 0;
    // Sends the mail and returns at once; `fertig` follows exactly once, when
    // the transfer has ended (here at once: nothing is set up to send).
    virtual void mailSenden(const Mailauftrag& mail, MailFertig fertig);
    // Fetches the address by HTTP GET, the same way.
    virtual void seiteHolen(const QString& adresse, SeiteFertig fertig);
    // Sets the PC clock from the time server (TimeHost, TimePort), the same way.
    virtual void zeitAbgleichen(NetzFertig fertig);
    // The clock synchronisation every intervallMs milliseconds; 0 off.
    virtual void zeitUpdateTimer(qint64 /*intervallMs*/) {}
    // Uploads the site files of the data folder and the blank live-result
    // script to the server, the same way.
    virtual void siteErzeugen(const FtpVerbindung& server, NetzFertig fertig);
    // The site files alone, without the blank script, the same way: the
    // live results that follow bring the filled one.
    virtual void siteDateienSenden(const FtpVerbindung& server, NetzFertig fertig);
    // The file browser of the server; `fertig` when it is closed.
    virtual void ftpServer(const FtpVerbindung& server, NetzFertig fertig);
    // One short message (sender name and text, Windows-1252) to port 6711 of
    // a monitor client or the info terminal. Returns at once; the message
    // counts in NetzBeschaeftigt until it has ended, whatever its outcome.
    // Without a network module nothing is sent.
    virtual void nachrichtSenden(const QString& /*host*/, const QByteArray& /*sender*/, const QByteArray& /*text*/) {}
};

// The message to the monitor client of lane 1..16 (its ExportAdresse); no
// address, no message.
void NachrichtSenden(int bahn, const QByteArray& sender, const QByteArray& text);

void setNetzDienste(NetzDienste* n);
NetzDienste& netz();
using NetzDiensteEinsetzen = Eingesetzt<NetzDienste, setNetzDienste, netz>;

// The upload settings in use; the names below refer into it.
struct NetzZustand {
    u8 AktJavaUpdate = 0;
    i32 AktUpdateIntervall = 0;
    // The server the site dialogs and the options filled in last; the FTP
    // browser works on it.
    FtpVerbindung FtpAktuell;
    // The certificates ("server fingerprint") the operator refused to trust
    // in this run: a transfer that runs by itself does not ask again.
    QSet<QString> AbgelehnteZertifikate;

    void zuruecksetzen() { *this = NetzZustand{}; }
};
extern NetzZustand netzZustand;

extern u8& AktJavaUpdate;
extern i32& AktUpdateIntervall;
extern FtpVerbindung& FtpAktuell;

// One live-result upload of the match, with its script option and the
// reload interval (minutes; 0 at the game end).
void LiveErgebnisHochladen(TWettkampfDaten& w, i32 intervall);
