// A web page by HTTP GET with libcurl, on the calling thread, and the
// operator's texts for a fetch that failed.
#include "report/netz/Netzmodul.h"

#include "report/netz/Zertifikate.h"

#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <curl/curl.h>
#include <memory>

namespace {

struct Abruf {
    CURL* h = nullptr;
    QByteArray seite;
    QByteArray statuszeile;
    // Where the last answer redirects to (its first Location, as curl takes
    // it), resolved against the address it came from; empty: no redirect.
    QString ziel;
    qsizetype grenze = 0;
    bool voll = false;  // the rest of a page beyond the limit was left unread
    const std::atomic<bool>* abbrechen = nullptr;
};

size_t Schreiben(char* daten, size_t, size_t n, void* ziel)
{
    Abruf& a = *static_cast<Abruf*>(ziel);
    const qsizetype platz = a.grenze - a.seite.size();
    if (qsizetype(n) > platz) {
        a.seite.append(daten, platz);
        a.voll = true;
        return 0;  // ends the transfer with CURLE_WRITE_ERROR
    }
    a.seite.append(daten, qsizetype(n));
    return n;
}

bool IstWeb(const QUrl& url) { return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"); }

// Whether a redirect may go to `nach`: to a web address, and from an https
// address to https only.
bool Erlaubt(bool vonHttps, const QUrl& nach)
{
    return vonHttps ? nach.scheme() == QLatin1String("https") : IstWeb(nach);
}

// The status line of each answer (after redirects, the final one's) and
// where a redirect points. libcurl follows every 3xx answer with a Location,
// whatever its status; the redirects it may follow are set on the handle,
// this only names the target for the text when it refuses one.
size_t Kopfzeile(char* daten, size_t, size_t n, void* ziel)
{
    Abruf& a = *static_cast<Abruf*>(ziel);
    const QByteArray zeile = QByteArray(daten, qsizetype(n)).trimmed();
    if (zeile.startsWith("HTTP/")) {
        a.statuszeile = zeile;
        a.ziel.clear();
    }
    long status = 0;
    curl_easy_getinfo(a.h, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300 && status < 400 && a.ziel.isEmpty() && zeile.toLower().startsWith("location:")) {
        char* hier = nullptr;
        curl_easy_getinfo(a.h, CURLINFO_EFFECTIVE_URL, &hier);
        a.ziel = QUrl(QString::fromUtf8(hier)).resolved(QUrl(QString::fromUtf8(zeile.mid(9).trimmed()))).toString();
    }
    return n;
}

int Fortschritt(void* ziel, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Abruf*>(ziel)->abbrechen->load() ? 1 : 0;
}

struct EasyLoeschen {
    void operator()(CURL* e) const { curl_easy_cleanup(e); }
};

// UTF-8, else Latin-1.
QString Kopftext(const QByteArray& b)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(b);
    return utf8.hasError() ? QString::fromLatin1(b) : text;
}

// "404 Not Found" of "HTTP/1.1 404 Not Found".
QString StatusOhneVersion(const QByteArray& zeile, long status)
{
    const qsizetype blank = zeile.indexOf(' ');
    const QString rest = blank < 0 ? QString() : Kopftext(zeile.mid(blank + 1)).trimmed();
    return rest.isEmpty() ? QString::number(status) : rest.left(100);
}

}  // namespace

Seitenergebnis SeiteAbrufen(const QString& adresse, const Seitenzeitlimits& grenzen,
                            const std::atomic<bool>& abbrechen)
{
    char fehlerpuffer[CURL_ERROR_SIZE] = {};
    Abruf abruf;
    abruf.grenze = SeiteHoechstens;
    abruf.abbrechen = &abbrechen;
    std::unique_ptr<CURL, EasyLoeschen> e(curl_easy_init());
    if (!e) return {CURLE_FAILED_INIT, 0, {}, {}, {}, {}};
    CURL* h = e.get();
    abruf.h = h;
    const QByteArray url = adresse.trimmed().toUtf8();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, fehlerpuffer);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    // libcurl itself refuses a redirect of an https address to plain http,
    // whatever the answer's status and however its header is spelt.
    const bool https = QUrl(adresse.trimmed()).scheme() == QLatin1String("https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, https ? "https" : "http,https");
    if (const QByteArray ca = Zertifikate(); !ca.isEmpty()) curl_easy_setopt(h, CURLOPT_CAINFO, ca.constData());
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, grenzen.verbinden);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, grenzen.gesamt);
    // Stalled: less than one byte a second for that long.
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, std::max(1L, (grenzen.stillstand + 999) / 1000));
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Corvalink");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Schreiben);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &abruf);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &Kopfzeile);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &abruf);
    // Called at least once a second, also while nothing arrives.
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Fortschritt);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &abruf);

    CURLcode ergebnis = curl_easy_perform(h);
    if (ergebnis == CURLE_WRITE_ERROR && abruf.voll) ergebnis = CURLE_OK;
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    const QString detail = fehlerpuffer[0] ? QString::fromUtf8(fehlerpuffer).trimmed()
                                           : QString::fromUtf8(curl_easy_strerror(ergebnis));
    long kopf = 0;
    curl_easy_getinfo(h, CURLINFO_HEADER_SIZE, &kopf);
    if (abruf.seite.startsWith("\xEF\xBB\xBF")) abruf.seite.remove(0, 3);
    // A redirect of the last answer that libcurl refused to follow.
    const bool verweigert = !abruf.ziel.isEmpty() &&
                            (ergebnis == CURLE_URL_MALFORMAT ||
                             (ergebnis == CURLE_UNSUPPORTED_PROTOCOL && !Erlaubt(https, QUrl(abruf.ziel))));
    return {int(ergebnis), status, StatusOhneVersion(abruf.statuszeile, status), detail, abruf.seite,
            verweigert ? abruf.ziel : QString(), qint64(kopf)};
}

QString SeitenFehlerText(const QString& adresse, const Seitenergebnis& e)
{
    const QUrl url(adresse.trimmed());
    const QString host = url.host().isEmpty() ? adresse.trimmed() : url.host();
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    const QString server = QStringLiteral("%1 (Port %2)").arg(host).arg(port);
    if (!e.weiterleitung.isEmpty())
        return (url.scheme() == QLatin1String("https") && QUrl(e.weiterleitung).scheme() == QLatin1String("http")
                    ? QStringLiteral("Der Server %1 leitet auf die unverschlüsselte Adresse „%2“ um !")
                    : QStringLiteral("Der Server %1 leitet auf „%2“ um !"))
            .arg(server, e.weiterleitung);
    // More header lines than curl takes of one answer (300 KB), which ends
    // the transfer as a failed receive: lines or interim answers without end.
    if (e.kopfbytes >= 256 * 1024 && e.code == CURLE_RECV_ERROR)
        return e.status >= 100 && e.status < 200
                   ? QStringLiteral("Der Server %1 sendet endlos Zwischenantworten (Status %2) !")
                         .arg(server)
                         .arg(e.status)
                   : QStringLiteral("Der Server %1 sendet Kopfzeilen ohne Ende !").arg(server);
    // An interim answer (1xx) that no final one followed.
    if (e.status >= 100 && e.status < 200 &&
        (e.code == CURLE_UNSUPPORTED_PROTOCOL || e.code == CURLE_WEIRD_SERVER_REPLY || e.code == CURLE_GOT_NOTHING))
        return QStringLiteral("Der Server %1 antwortet mit dem Status %2 !").arg(server).arg(e.status);
    switch (e.code) {
    case CURLE_OK: break;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_WEIRD_SERVER_REPLY:
        if (IstWeb(url)) return QStringLiteral("Der Server %1 antwortet nicht mit HTTP !").arg(server);
        [[fallthrough]];
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("„%1“ ist keine gültige Internetadresse !").arg(adresse.trimmed());
    // curl's answer to a header line beyond its limit
    case CURLE_OUT_OF_MEMORY:
#if LIBCURL_VERSION_NUM >= 0x080600
    case CURLE_TOO_LARGE:
#endif
        return QStringLiteral("Der Server %1 antwortet mit einer zu langen Kopfzeile !").arg(server);
    case CURLE_COULDNT_RESOLVE_HOST: return QStringLiteral("Der Server „%1“ ist nicht bekannt !").arg(host);
    case CURLE_COULDNT_CONNECT: return QStringLiteral("Keine Verbindung zum Server %1 !").arg(server);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Keine Antwort vom Server %1 (Zeitüberschreitung) !").arg(server);
    case CURLE_ABORTED_BY_CALLBACK: return QStringLiteral("Der Abruf vom Server %1 wurde abgebrochen !").arg(server);
    case CURLE_TOO_MANY_REDIRECTS: return QStringLiteral("Der Server %1 leitet zu oft weiter !").arg(server);
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return QStringLiteral("Die verschlüsselte Verbindung zum Server %1 ist fehlgeschlagen (%2) !")
            .arg(server, e.detail);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
        return QStringLiteral("Die Verbindung zum Server %1 wurde unterbrochen !").arg(server);
    default:
        return QStringLiteral("Die Seite %1 konnte nicht geladen werden (%2) !").arg(adresse.trimmed(), e.detail);
    }
    // A final answer that is no page: an error, or a redirect not followed.
    if (e.status >= 300)
        return QStringLiteral("Der Server %1 meldet für %2: %3")
            .arg(server, url.path().isEmpty() ? QStringLiteral("/") : url.path(), e.statuszeile);
    return {};
}
