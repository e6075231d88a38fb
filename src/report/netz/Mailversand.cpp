// The report mail over SMTP with libcurl: the addresses and header lines,
// the transfer on the calling thread and the operator's texts for a failure.
#include "report/netz/Netzmodul.h"

#include "core/Cp1252.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUuid>
#include <atomic>
#include <chrono>
#include <curl/curl.h>
#include <mutex>
#include <optional>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace {

QString OhneZeilenumbruch(QString t)
{
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

bool DruckbaresAscii(const QString& t)
{
    for (const QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

QByteArray KodiertesWort(const QByteArray& utf8) { return "=?UTF-8?B?" + utf8.toBase64() + "?="; }

// A display name in the From line: an atom list, a quoted string or encoded words.
QByteArray Anzeigename(const QString& name)
{
    if (!DruckbaresAscii(name)) return KopfwertKodieren(name);
    const QString sonderzeichen = QStringLiteral(R"(()<>[]:;@\,.")");
    if (std::none_of(name.begin(), name.end(), [&](QChar c) { return sonderzeichen.contains(c); }))
        return name.toLatin1();
    QByteArray q = name.toLatin1();
    q.replace("\\", "\\\\");
    q.replace("\"", "\\\"");
    return '"' + q + '"';
}

// RFC 5322 date, in English whatever the locale.
QByteArray Datum(const QDateTime& zeit)
{
    static const char* const tage[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const monate[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime z = zeit.isValid() ? zeit : QDateTime::currentDateTime();
    const QDate d = z.date();
    const QTime t = z.time();
    const int minuten = std::abs(z.offsetFromUtc()) / 60;
    return QString::asprintf("%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", tage[d.dayOfWeek() - 1], d.day(),
                             monate[d.month() - 1], d.year(), t.hour(), t.minute(), t.second(),
                             z.offsetFromUtc() < 0 ? '-' : '+', minuten / 60, minuten % 60)
        .toLatin1();
}

QByteArray Textkoerper(const QStringList& zeilen)
{
    QString t = zeilen.join(QLatin1Char('\n'));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t.toUtf8() + "\r\n";
}

// The host alone: without "smtp://" or "smtps://", a trailing "/" and the
// brackets of an IPv6 address.
QString Host(const QString& url)
{
    QString host = url.trimmed();
    for (const QString& schema : {QStringLiteral("smtps://"), QStringLiteral("smtp://")})
        if (host.startsWith(schema, Qt::CaseInsensitive)) host = host.mid(schema.size());
    while (host.endsWith(QLatin1Char('/'))) host.chop(1);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) host = host.mid(1, host.size() - 2);
    return host;
}

// The server's address, or empty when the name is no host (a name with a
// path or another port after it would reach another server or port).
QByteArray Adresse(const QString& url)
{
    const bool smtps = url.trimmed().startsWith(QStringLiteral("smtps://"), Qt::CaseInsensitive);
    const QByteArray host = FtpUrlHost(Host(url));
    if (host.isEmpty()) return {};
    return (smtps ? QByteArray("smtps://") : QByteArray("smtp://")) + host;
}

// The dialogue as curl's debug output shows it. The outcome is settled once
// QUIT goes out: what comes after it is not recorded, and its reply gets
// `quitGrenze` ms before the progress callback ends the wait.
struct Dialog {
    QByteArray antwort;   // the server's last reply line before QUIT
    bool wartet = false;  // a command or the message is still due a reply
    std::optional<std::chrono::steady_clock::time_point> quit;
    long quitGrenze = 0;
    const std::atomic<bool>* abbrechen = nullptr;
};

int Mitschreiben(CURL*, curl_infotype typ, char* daten, size_t n, void* ziel)
{
    auto* d = static_cast<Dialog*>(ziel);
    if (d->quit) return 0;
    if (typ == CURLINFO_HEADER_IN) {
        const QByteArray zeile = QByteArray(daten, qsizetype(n)).trimmed();
        if (!zeile.isEmpty()) {
            d->antwort = zeile;
            d->wartet = false;
        }
    } else if (typ == CURLINFO_HEADER_OUT && QByteArray(daten, qsizetype(n)).trimmed() == "QUIT") {
        d->quit = std::chrono::steady_clock::now();
    } else if (typ == CURLINFO_HEADER_OUT || typ == CURLINFO_DATA_OUT) {
        d->wartet = true;
    }
    return 0;
}

// Called about once a second also while curl blocks on a reply.
int Fortschritt(void* dialog, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* d = static_cast<const Dialog*>(dialog);
    const bool quitVorbei =
        d->quit && std::chrono::steady_clock::now() - *d->quit >= std::chrono::milliseconds(d->quitGrenze);
    return d->abbrechen->load() || quitVorbei ? 1 : 0;
}

// The sockets of a transfer, so that an abort can shut them down: curl then
// ends with a connection error instead of finishing the dialogue.
struct Sockets {
    std::mutex mx;
    std::vector<curl_socket_t> offen;

    void abschalten()
    {
        const std::lock_guard sperre(mx);
        for (const curl_socket_t s : offen) ::shutdown(s, SHUT_RDWR);
    }
};

int SocketMerken(void* sockets, curl_socket_t s, curlsocktype)
{
    auto* z = static_cast<Sockets*>(sockets);
    const std::lock_guard sperre(z->mx);
    z->offen.push_back(s);
    return CURL_SOCKOPT_OK;
}

int SocketSchliessen(void* sockets, curl_socket_t s)
{
    auto* z = static_cast<Sockets*>(sockets);
    const std::lock_guard sperre(z->mx);
    std::erase(z->offen, s);
    return ::close(s);
}

struct EasyLoeschen {
    void operator()(CURL* e) const { curl_easy_cleanup(e); }
};
struct MultiLoeschen {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};
struct MimeLoeschen {
    void operator()(curl_mime* m) const { curl_mime_free(m); }
};
struct ListeLoeschen {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

}  // namespace

// The whole SMTP dialogue; runs on the worker thread.
Mailfehler MailUebertragen(const Mailauftrag& m, const Mailzeitlimits& grenzen, const std::atomic<bool>& abbrechen,
                           const QByteArray& vertraut)
{
    if (!m.anhang.isEmpty()) {
        const QFileInfo datei(m.anhang);
        if (!datei.isFile() || !datei.isReadable()) return {CURLE_READ_ERROR, {}, {}};
    }
    // What curl's callbacks write to comes first: it outlives the handles.
    char fehlerpuffer[CURL_ERROR_SIZE] = {};
    Dialog dialog;
    dialog.quitGrenze = grenzen.quit;
    dialog.abbrechen = &abbrechen;
    Sockets sockets;
    Zertifikatspruefung pruefung;
    pruefung.host = FtpHost(Host(m.host)).toLatin1();
    pruefung.vertraut = vertraut;
    std::unique_ptr<CURLM, MultiLoeschen> multi(curl_multi_init());
    std::unique_ptr<CURL, EasyLoeschen> e(curl_easy_init());
    if (!e || !multi) return {CURLE_FAILED_INIT, {}, {}};
    CURL* h = e.get();

    const u16 port = MailPort(m);
    QByteArray url = Adresse(m.host);
    if (url.isEmpty()) return {CURLE_URL_MALFORMAT, {}, {}};
    if (port == 465 && url.startsWith("smtp://")) url.replace(0, 4, "smtps");  // implicit TLS
    url += ':' + QByteArray::number(port);
    const QByteArray von = MailAdresse(m.von).toUtf8();
    QString domaene = MailAdresse(m.von).section(QLatin1Char('@'), 1);
    if (domaene.isEmpty()) domaene = QStringLiteral("localhost");
    const QByteArray id = QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' + domaene.toUtf8();

    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, fehlerpuffer);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, grenzen.verbinden);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, grenzen.gesamt);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    // A server whose own certificate the operator trusts offered TLS before:
    // without it now (its offer suppressed on the way) nothing is sent.
    curl_easy_setopt(h, CURLOPT_USE_SSL, long(vertraut.isEmpty() ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    ZertifikatspruefungEinstellen(h, &pruefung);
    const QByteArray zertifikate = Zertifikate();
    if (!zertifikate.isEmpty()) curl_easy_setopt(h, CURLOPT_CAINFO, zertifikate.constData());
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, &Mitschreiben);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &dialog);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Fortschritt);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &dialog);
    // The connection closes as the transfer ends, its QUIT still under the
    // callbacks above, whether the server took the mail or refused it.
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(h, CURLOPT_SOCKOPTFUNCTION, &SocketMerken);
    curl_easy_setopt(h, CURLOPT_SOCKOPTDATA, &sockets);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETFUNCTION, &SocketSchliessen);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETDATA, &sockets);
    const QByteArray kennung = m.kennung.trimmed().toUtf8();
    if (!kennung.isEmpty()) {
        curl_easy_setopt(h, CURLOPT_USERNAME, kennung.constData());
        curl_easy_setopt(h, CURLOPT_PASSWORD, "");
    }
    curl_easy_setopt(h, CURLOPT_MAIL_FROM, ('<' + von + '>').constData());

    curl_slist* liste = nullptr;
    for (const QString& an : MailEmpfaenger(m.an))
        liste = curl_slist_append(liste, ('<' + an.toUtf8() + '>').constData());
    std::unique_ptr<curl_slist, ListeLoeschen> empfaenger(liste);
    curl_easy_setopt(h, CURLOPT_MAIL_RCPT, empfaenger.get());

    liste = nullptr;
    for (const QByteArray& z : MailKopfzeilen(m, QDateTime::currentDateTime(), id))
        liste = curl_slist_append(liste, z.constData());
    std::unique_ptr<curl_slist, ListeLoeschen> kopf(liste);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, kopf.get());

    std::unique_ptr<curl_mime, MimeLoeschen> mime(curl_mime_init(h));
    curl_mimepart* teil = curl_mime_addpart(mime.get());
    const QByteArray text = Textkoerper(m.text);
    curl_mime_data(teil, text.constData(), size_t(text.size()));
    curl_mime_type(teil, "text/plain; charset=UTF-8");
    curl_mime_encoder(teil, "quoted-printable");
    if (!m.anhang.isEmpty()) {
        teil = curl_mime_addpart(mime.get());
        curl_mime_filedata(teil, QFile::encodeName(m.anhang).constData());
        curl_mime_filename(teil, QFileInfo(m.anhang).fileName().toUtf8().constData());
        curl_mime_type(teil, MailanhangTyp(m.anhang).constData());
        curl_mime_encoder(teil, "base64");
    }
    curl_easy_setopt(h, CURLOPT_MIMEPOST, mime.get());

    // The multi interface lets the loop look at the abort flag between polls.
    // A handle must not be removed before it is done: curl would then still
    // end the message and wait for the server's answer.
    CURLcode ergebnis = CURLE_OUT_OF_MEMORY;
    curl_multi_add_handle(multi.get(), h);
    int laufend = 1;
    while (curl_multi_perform(multi.get(), &laufend) == CURLM_OK && laufend) {
        if (abbrechen.load()) sockets.abschalten();
        curl_multi_poll(multi.get(), nullptr, 0, 100, nullptr);
    }
    int rest = 0;
    while (CURLMsg* nachricht = curl_multi_info_read(multi.get(), &rest))
        if (nachricht->msg == CURLMSG_DONE) ergebnis = nachricht->data.result;
    curl_multi_remove_handle(multi.get(), h);
    // The easy handle goes before the lists and the MIME data it points to.
    e.reset();
    multi.reset();
    const QString detail = fehlerpuffer[0] ? QString::fromUtf8(fehlerpuffer).trimmed()
                                           : QString::fromUtf8(curl_easy_strerror(ergebnis));
    const QByteArray antwort = dialog.wartet ? QByteArray() : dialog.antwort;
    return {int(ergebnis), QString::fromUtf8(antwort).left(200), detail,
            ergebnis == CURLE_OK ? Zertifikatsfehler{} : pruefung.fehler};
}

u16 MailPort(const Mailauftrag& m) { return m.port ? m.port : u16(25); }

QString MailServer(const Mailauftrag& m)
{
    return ZertifikatServer(QStringLiteral("smtp"), FtpHost(Host(m.host)), MailPort(m));
}

QString MailServerWer(const Mailauftrag& m)
{
    return QStringLiteral("des Mailservers %1 (Port %2)").arg(m.host.trimmed()).arg(MailPort(m));
}

QByteArray MailanhangTyp(const QString& datei)
{
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("pdf")) return "application/pdf";
    if (endung == QLatin1String("bmp")) return "image/bmp";
    if (endung == QLatin1String("jpg") || endung == QLatin1String("jpeg")) return "image/jpeg";
    return "application/octet-stream";
}

QString MailAdresse(const QString& text)
{
    QString t = text.trimmed();
    const qsizetype auf = t.lastIndexOf(QLatin1Char('<'));
    const qsizetype zu = t.lastIndexOf(QLatin1Char('>'));
    if (auf >= 0 && zu > auf) t = t.mid(auf + 1, zu - auf - 1);
    t.remove(QLatin1Char('\r'));
    t.remove(QLatin1Char('\n'));
    return t.trimmed();
}

QStringList MailEmpfaenger(const QString& an)
{
    QStringList ergebnis;
    for (const QString& teil : QString(an).replace(QLatin1Char(';'), QLatin1Char(',')).split(QLatin1Char(',')))
        if (const QString a = MailAdresse(teil); !a.isEmpty()) ergebnis << a;
    return ergebnis;
}

QByteArray KopfwertKodieren(const QString& text)
{
    const QString t = OhneZeilenumbruch(text);
    if (DruckbaresAscii(t)) return t.toLatin1();
    // 45 bytes of UTF-8 make an encoded word of 72 characters (at most 75).
    constexpr qsizetype wortBytes = 45;
    QList<QByteArray> worte;
    QByteArray stueck;
    for (qsizetype i = 0; i < t.size();) {
        const qsizetype n = (t[i].isHighSurrogate() && i + 1 < t.size()) ? 2 : 1;
        const QByteArray zeichen = t.mid(i, n).toUtf8();
        if (stueck.size() + zeichen.size() > wortBytes) {
            worte << KodiertesWort(stueck);
            stueck.clear();
        }
        stueck += zeichen;
        i += n;
    }
    if (!stueck.isEmpty()) worte << KodiertesWort(stueck);
    return worte.join("\r\n ");
}

QList<QByteArray> MailKopfzeilen(const Mailauftrag& m, const QDateTime& zeit, const QByteArray& nachrichtId)
{
    const QByteArray von = MailAdresse(m.von).toUtf8();
    const QString name = OhneZeilenumbruch(m.vonName).trimmed();
    QByteArray absender = "From: ";
    absender += name.isEmpty() ? von : Anzeigename(name) + " <" + von + '>';
    QList<QByteArray> an;
    for (const QString& a : MailEmpfaenger(m.an)) an << a.toUtf8();
    return {absender,
            "To: " + an.join(", "),
            "Subject: " + KopfwertKodieren(m.betreff),
            "Date: " + Datum(zeit),
            "Message-ID: <" + nachrichtId + '>'};
}

QString MailauftragPruefen(const Mailauftrag& m)
{
    if (m.host.trimmed().isEmpty()) return QStringLiteral("Kein Mailserver angegeben !");
    if (MailAdresse(m.von).isEmpty()) return QStringLiteral("Keine Absenderadresse angegeben !");
    if (MailEmpfaenger(m.an).isEmpty()) return QStringLiteral("Kein Empfänger angegeben !");
    return {};
}

QString MailFehlerText(const Mailauftrag& m, const Mailfehler& f)
{
    const QString host = m.host.trimmed();
    if (f.zertifikat.gesetzt()) return ZertifikatText(MailServerWer(m), f.zertifikat);
    switch (f.code) {
    case CURLE_OK: return {};
    case CURLE_URL_MALFORMAT: return QStringLiteral("Falscher Mailserver „%1“ !").arg(host);
    case CURLE_COULDNT_RESOLVE_HOST: return QStringLiteral("Der Mailserver „%1“ ist nicht bekannt !").arg(host);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Keine Verbindung zum Mailserver %1 (Port %2) !").arg(host).arg(MailPort(m));
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Keine Antwort vom Mailserver %1 (Zeitüberschreitung) !").arg(host);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("Der Mailserver hat die Anmeldung als „%1“ abgelehnt !").arg(m.kennung.trimmed());
    case CURLE_READ_ERROR:
        return QStringLiteral("Der Anhang „%1“ kann nicht gelesen werden !").arg(QFileInfo(m.anhang).fileName());
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("Der Mailserver %1 bietet keine Verschlüsselung mehr an: ohne sie wird nichts gesendet !")
            .arg(host);
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return QStringLiteral("Die verschlüsselte Verbindung zum Mailserver %1 ist fehlgeschlagen !").arg(host);
    default: break;
    }
    const QString antwort = f.serverAntwort.trimmed();
    if (antwort.startsWith(QLatin1Char('4')) || antwort.startsWith(QLatin1Char('5')))
        return QStringLiteral("Der Mailserver hat die Nachricht abgelehnt: %1").arg(antwort);
    switch (f.code) {
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
        if (!antwort.isEmpty()) return QStringLiteral("Der Mailserver hat unerwartet geantwortet: %1").arg(antwort);
        return QStringLiteral("Die Verbindung zum Mailserver %1 wurde unterbrochen !").arg(host);
    default: return QStringLiteral("Die Nachricht konnte nicht gesendet werden (%1) !").arg(f.detail);
    }
}
