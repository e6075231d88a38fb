#pragma once
// The network module: the report e-mail over SMTP, and the short messages to
// the monitor clients (report/Nachrichtenversand.h). libcurl sends on a worker
// thread; the end is reported on the UI thread. The other transfers keep the
// defaults of NetzDienste.
//
// The login: no password is kept in the settings, so `kennung` is handed to
// curl as the user name with an empty password. curl logs in only when the
// server offers AUTH and chooses among the offered mechanisms (EXTERNAL
// first, as there is no password); a server without AUTH gets the mail
// without a login. A refused login ends the transfer with its own message.
// STARTTLS is used when the server offers it, with the certificate checked;
// port 465 and "smtps://" mean TLS from the start.

#include "match/dienste/Netzdienste.h"
#include "report/Nachrichtenversand.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

inline const QString MailWartenText = QStringLiteral("Bitte warten, Nachricht wird versendet !");
inline const QString MailVersendetText = QStringLiteral("Nachricht erfolgreich versendet !");

// The port of the mail server: 0 means the SMTP default 25.
u16 MailPort(const Mailauftrag& m);
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
// and curl's own error text.
struct Mailfehler {
    int code = 0;
    QString serverAntwort;
    QString detail;
};
// The operator's message for a failed transfer.
QString MailFehlerText(const Mailauftrag& m, const Mailfehler& f);

// Time limits of one transfer in milliseconds.
struct Mailzeitlimits {
    long verbinden = 20000;
    long gesamt = 600000;  // a 24 MB bitmap needs minutes on a slow line
};

class Netzmodul : public NetzDienste {
public:
    // `status` shows the e-mail texts (the report window's status label or
    // the main window's first panel); empty: the main window's first panel.
    explicit Netzmodul(std::function<void(const QString&)> status = {});
    // Running transfers are aborted; their `fertig` is not called any more.
    ~Netzmodul() override;
    Netzmodul(const Netzmodul&) = delete;
    Netzmodul& operator=(const Netzmodul&) = delete;

    // The live upload belongs to the FTP side of the module.
    void internetUpdate(TWettkampfDaten&) override {}
    void uploadTimer(bool, int) override {}

    // Returns at once; `fertig` follows exactly once on the UI thread, also
    // for a mail that cannot be sent at all.
    void mailSenden(const Mailauftrag& mail, MailFertig fertig) override;

    // The messages to the monitor clients (port 6711).
    void nachrichtSenden(const QString& host, const QByteArray& sender, const QByteArray& text) override;
    Nachrichtenversand& nachrichten() { return *m_nachrichten; }

    void setZeitlimits(const Mailzeitlimits& z) { m_zeitlimits = z; }
    // Mails whose `fertig` is still to come.
    int laufendeMails() const;
    // Worker threads still running, of all modules.
    static int aktiveUebertragungen();

private:
    struct Zustand;
    class Empfaenger;
    std::shared_ptr<Zustand> m_zustand;
    Empfaenger* m_empfaenger;
    Mailzeitlimits m_zeitlimits;
    std::unique_ptr<Nachrichtenversand> m_nachrichten;
};
