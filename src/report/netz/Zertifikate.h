#pragma once
// The servers' certificates for the FTP and mail transfers. A certificate
// is checked as usual: a known authority, valid now, made out to the name
// or address the operator typed. A server with a certificate of its own
// (a club's NAS, a mail server's self-signed one) is refused with the
// reason and the certificate's SHA-256 fingerprint; the operator may trust
// that one certificate for that server (one question, kept in the settings
// key "Zertifikate"), and from then on exactly that certificate is taken
// for it. A certificate that differs from the one trusted is refused again.
//
// The check runs inside libcurl's TLS handshake (OpenSSL), before any
// login: a refused certificate ends the connection before a password is
// sent, and curl never falls back to a connection in clear after a server
// offered TLS.

#include <QByteArray>
#include <QString>

// Why a certificate was refused; empty when none was.
struct Zertifikatsfehler {
    QString grund;             // German, such as "selbst signiert"
    QByteArray fingerabdruck;  // SHA-256, "AB:CD:…" (95 characters)
    bool gesetzt() const { return !fingerabdruck.isEmpty() || !grund.isEmpty(); }
};

// The check of one transfer; filled on the transfer's thread.
struct Zertifikatspruefung {
    QByteArray host;      // the name or address connected to (ACE form)
    QByteArray vertraut;  // the fingerprint trusted for this server; empty: none
    Zertifikatsfehler fehler;
};

// Hands the check to the curl easy handle `curl`; `p` must outlive the
// transfer. False when libcurl's TLS is not OpenSSL: then curl checks as it
// always does, and no certificate of its own can be trusted.
bool ZertifikatspruefungEinstellen(void* curl, Zertifikatspruefung* p);

// The name a server's trust is kept under: "ftp://host:port",
// "smtp://host:port" (host in lower case, ACE form, IPv6 in brackets).
QString ZertifikatServer(const QString& dienst, const QString& host, quint16 port);

// The fingerprint the operator trusts for the server; empty for none.
// "Zertifikate" holds "server fingerabdruck" entries separated by "; ", each
// taken only in exactly the form ZertifikatVertrauen writes; a server listed
// with two different fingerprints is trusted with neither. UI thread (reads
// the settings).
QByteArray VertrautesZertifikat(const QString& server);
// Keeps the fingerprint for the server in the settings (in place of any kept
// before), drops the entries not in that form, and saves the settings file;
// false when it could not be saved (the operator was told) or when server or
// fingerprint are not in that form. UI thread.
bool ZertifikatVertrauen(const QString& server, const QByteArray& fingerabdruck);

// The operator's text: "Das Zertifikat <wer> ist nicht vertrauenswürdig
// (<grund>). SHA-256: <fingerabdruck>"; `wer` as "von ftp.verein.de (Port 21)".
QString ZertifikatText(const QString& wer, const Zertifikatsfehler& f);

// Asks the operator whether to trust the refused certificate for the
// server (THinweisJa); yes keeps it (ZertifikatVertrauen). `vonSelbst`: a
// transfer that runs by itself (the timed live upload): a certificate
// refused once in this run is not asked about again. Whether it is
// trusted now. UI thread.
bool ZertifikatFragen(const QString& server, const QString& wer, const Zertifikatsfehler& f, bool vonSelbst);

// The certificates that TLS trusts in place of the system's, for FTP, mail
// and web pages alike: a PEM file set by tests; empty: the system's. Any
// thread.
void ZertifikateSetzen(const QString& pemDatei);
QByteArray Zertifikate();
