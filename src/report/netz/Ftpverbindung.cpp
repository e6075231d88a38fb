#include "report/netz/Ftpverbindung.h"

#include "core/Cp1252.h"
#include "core/Globals.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <cctype>

#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

namespace FtpIntern {

std::atomic<int> Verbindungen{0};
const QString KeineVerbindungText = QStringLiteral("Keine Verbindung !");

namespace {

const QString ListeZuLangText =
    QStringLiteral("Die Liste des Ordners ist länger als %1 MB: abgebrochen !").arg(FtpListeHoechstens >> 20);
const QString FalscheKennungText = QStringLiteral("Falsche Benutzerkennung oder Passwort !");

// A text of the server: UTF-8 when it is, else Windows-1252.
QString ServerText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp1252::decode(bytes) : text;
}

QStringList Zeilen(const QByteArray& daten)
{
    QStringList zeilen;
    for (QByteArray zeile : daten.split('\n')) {
        if (zeile.endsWith('\r')) zeile.chop(1);
        if (!zeile.isEmpty()) zeilen << ServerText(zeile);
    }
    return zeilen;
}

bool Steuerzeichen(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0));
}

// "von ftp.verein.de (Port 21)"
QString ServerWer(const FtpZugang& z)
{
    return QStringLiteral("von %1 (Port %2)").arg(z.host).arg(z.port ? z.port : 21);
}

QString Verbindungsfehler(CURLcode code, const FtpZugang& z)
{
    switch (code) {
    case CURLE_LOGIN_DENIED: return FalscheKennungText;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_URL_MALFORMAT:
    case CURLE_WEIRD_SERVER_REPLY:
        return FtpFalscherServerText(z);
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("Der Server %1 (Port %2) bietet keine Verschlüsselung mehr an: ohne sie keine Anmeldung !")
            .arg(z.host.trimmed())
            .arg(z.port ? z.port : 21);
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return QStringLiteral("Die verschlüsselte Verbindung zu %1 (Port %2) ist fehlgeschlagen !")
            .arg(z.host.trimmed())
            .arg(z.port ? z.port : 21);
    default: return FtpKeineVerbindungText(z);
    }
}

QString Befehlsfehler(CURLcode code, const QString& antwort, const Auftrag& a, const FtpZugang& z)
{
    const bool abgelehnt = antwort.startsWith(QLatin1Char('4')) || antwort.startsWith(QLatin1Char('5'));
    switch (code) {
    // The data connection or the file ended badly: the server's refusal
    // says why, when it gave one.
    case CURLE_PARTIAL_FILE:
        if (abgelehnt) break;
        return QStringLiteral("Die Übertragung von „%1“ wurde unterbrochen !").arg(a.name);
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        if (abgelehnt) break;
        // Broken after the server began the transfer (150, 125): the server
        // may have closed the data connection before its reply was read.
        if (antwort.startsWith(QLatin1Char('1')) && !a.name.isEmpty())
            return QStringLiteral("Die Übertragung von „%1“ wurde unterbrochen !").arg(a.name);
        return Verbindungsfehler(code, z);
    case CURLE_LOGIN_DENIED:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_ABORTED_BY_CALLBACK:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return Verbindungsfehler(code, z);
    case CURLE_READ_ERROR:
        return QStringLiteral("Die Datei „%1“ kann nicht gelesen werden !").arg(QFileInfo(a.lokaleDatei).fileName());
    case CURLE_WRITE_ERROR:
        return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden !").arg(QFileInfo(a.lokaleDatei).fileName());
    default: break;
    }
    if (abgelehnt) return QStringLiteral("Der Server lehnt ab: %1").arg(antwort);
    return QStringLiteral("Der Befehl ist fehlgeschlagen (%1) !").arg(QString::fromUtf8(curl_easy_strerror(code)));
}

// "… abgebrochen !" when a command outlasted its total time.
QString ZuLangeText(const Auftrag& a, qint64 ms, const FtpZugang& z)
{
    const qint64 sekunden = (ms + 999) / 1000;
    switch (a.vorgang) {
    case Vorgang::Auflisten:
        return QStringLiteral("Die Liste des Ordners kam nicht innerhalb von %1 s: abgebrochen !").arg(sekunden);
    case Vorgang::Hochladen:
    case Vorgang::Herunterladen:
        return QStringLiteral("Die Übertragung von „%1“ dauerte länger als %2 s: abgebrochen !").arg(a.name).arg(sekunden);
    default:
        return QStringLiteral("Der Server %1 (Port %2) hat nicht innerhalb von %3 s geantwortet: abgebrochen !")
            .arg(z.host.trimmed())
            .arg(z.port ? z.port : 21)
            .arg(sekunden);
    }
}

// --- curl callbacks ----------------------------------------------------------------------


// The last line of a reply: "226 Transfer complete", not "211-Features".
bool LetzteZeile(const QByteArray& zeile)
{
    return zeile.size() >= 3 && std::isdigit(uchar(zeile[0])) && std::isdigit(uchar(zeile[1])) &&
           std::isdigit(uchar(zeile[2])) && (zeile.size() == 3 || zeile[3] == ' ');
}

int Mitschreiben(CURL*, curl_infotype typ, char* daten, size_t n, void* ziel)
{
    auto* a = static_cast<Antworten*>(ziel);
    if (typ == CURLINFO_HEADER_IN) {
        FtpServerAntworten.fetch_add(1, std::memory_order_relaxed);
        const QByteArray zeile = QByteArray(daten, qsizetype(n)).trimmed();
        if (a->quit) {
            // The goodbye of a connection curl closes (the old one it kept,
            // when a command goes on a new login) is no reply to the command.
            if (LetzteZeile(zeile)) a->quit = false;
            return 0;
        }
        if (a->groesseGefragt) {
            bool zahl = false;
            const qint64 groesse = zeile.startsWith("213 ") ? zeile.mid(4).trimmed().toLongLong(&zahl) : -1;
            if (zahl && groesse >= 0) a->groesse = groesse;
            if (LetzteZeile(zeile)) a->groesseGefragt = false;
            return 0;
        }
        if (!zeile.isEmpty()) a->letzte = zeile;
        if (zeile.startsWith("234")) a->tls = true;
        if ((zeile.startsWith("150") || zeile.startsWith("125")) && a->befehl.startsWith("STOR")) a->dateiOffen = true;
    } else if (typ == CURLINFO_HEADER_OUT) {
        a->befehl = QByteArray(daten, qsizetype(n)).trimmed();
        a->quit = a->befehl == "QUIT";
        // curl sends no SIZE of its own for an upload.
        a->groesseGefragt = a->hochladen && a->befehl.startsWith("SIZE ");
    }
    return 0;
}

// An accepted data socket (active mode) is closed by curl without the close
// callback, so its number is not kept: it may belong to another connection
// by the time of an abort. Shutting down the control connection ends the
// transfer all the same.
int SocketMerken(void* geteilt, curl_socket_t s, curlsocktype art)
{
    auto* g = static_cast<Geteilt*>(geteilt);
    std::lock_guard sperre(g->mx);
    if (g->abbrechen) return CURL_SOCKOPT_ERROR;
    if (art != CURLSOCKTYPE_ACCEPT) {
        g->sockets.push_back(s);
        ++Verbindungen;
    }
    return CURL_SOCKOPT_OK;
}

// The server's port of a connected socket; -1 when it has none.
int Gegenport(curl_socket_t s)
{
    sockaddr_storage adresse{};
    socklen_t laenge = sizeof adresse;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(&adresse), &laenge) != 0) return -1;
    if (adresse.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&adresse)->sin_port);
    if (adresse.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&adresse)->sin6_port);
    return -1;
}

// Ends the sending side and reads until the server closes its own (or `ms`
// pass, or the session is aborted: that shuts the socket down).
void Ausklingen(curl_socket_t s, int ms, const std::atomic<bool>& abbrechen)
{
    ::shutdown(s, SHUT_WR);
    const QDeadlineTimer frist(ms);
    char puffer[4096];
    qint64 gelesen = 0;
    while (!frist.hasExpired() && !abbrechen && gelesen < (1 << 20)) {
        pollfd p{s, POLLIN, 0};
        const int bereit = ::poll(&p, 1, int(std::min<qint64>(frist.remainingTime(), 1000)));
        if (bereit < 0 && errno != EINTR) return;
        if (bereit <= 0) continue;
        const ssize_t n = ::recv(s, puffer, sizeof puffer, MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) return;
        if (n > 0) gelesen += n;
    }
}

// A socket closed with bytes unread is reset, not closed: the server then
// drops what it has not read yet. Under TLS 1.3 the server sends a session
// ticket on the data connection, which an upload never reads, and may send
// more while it still reads the file: the end of the file is lost (426). So
// an upload's data connection is half-closed and read to the server's end
// first; by then the server has read the whole file.
int SocketSchliessen(void* ausklang, curl_socket_t s)
{
    auto* a = static_cast<Ausklang*>(ausklang);
    if (a->hochladen && !a->g->abbrechen) {
        const int port = Gegenport(s);
        if (port > 0 && port != a->steuerport) Ausklingen(s, a->wartenMs, a->g->abbrechen);
    }
    std::lock_guard sperre(a->g->mx);
    std::erase(a->g->sockets, s);
    return ::close(s);
}

int Fortschritt(void* frist, curl_off_t herunterGesamt, curl_off_t, curl_off_t, curl_off_t)
{
    auto* f = static_cast<Gesamtfrist*>(frist);
    if (f->abbrechen && *f->abbrechen) return 1;
    const qint64 bytes =
        f->vorgang == Vorgang::Herunterladen ? (herunterGesamt > 0 ? qint64(herunterGesamt) : -1) : f->bytes;
    f->ms = GesamtzeitMs(f->vorgang, bytes, f->zeitlimitMs);
    const auto vergangen = std::chrono::steady_clock::now() - f->beginn;
    if (vergangen <= std::chrono::milliseconds(f->ms)) return 0;
    f->ueberschritten = true;
    return 1;
}

// An upload's bytes, and how many of them went out.
struct Lesequelle {
    QIODevice* geraet = nullptr;
    qint64 gelesen = 0;
};

size_t DateiLesen(char* puffer, size_t groesse, size_t anzahl, void* quelle)
{
    auto* q = static_cast<Lesequelle*>(quelle);
    const qint64 n = q->geraet->read(puffer, qint64(groesse * anzahl));
    if (n < 0) return CURL_READFUNC_ABORT;
    q->gelesen += n;
    return size_t(n);
}

size_t GeraetSchreiben(char* daten, size_t groesse, size_t anzahl, void* geraet)
{
    const qint64 n = static_cast<QIODevice*>(geraet)->write(daten, qint64(groesse * anzahl));
    return n < 0 ? 0 : size_t(n);
}

// A listing, broken off past FtpListeHoechstens.
struct Liste {
    QByteArray daten;
    bool zuLang = false;
};

size_t Sammeln(char* daten, size_t groesse, size_t anzahl, void* ziel)
{
    auto* liste = static_cast<Liste*>(ziel);
    const size_t n = groesse * anzahl;
    if (liste->daten.size() + qsizetype(n) > FtpListeHoechstens) {
        liste->zuLang = true;
        return 0;  // ends the transfer
    }
    liste->daten.append(daten, qsizetype(n));
    return n;
}

}  // namespace

qint64 GesamtzeitMs(Vorgang vorgang, qint64 bytes, int zeitlimitMs)
{
    const qint64 grund = 3LL * (zeitlimitMs > 0 ? zeitlimitMs : StandardZeitlimitMs);
    constexpr qint64 BytesJeSekunde = 8 * 1024;
    switch (vorgang) {
    case Vorgang::Herunterladen:
        if (bytes < 0) return 30LL * 60 * 1000;
        [[fallthrough]];
    case Vorgang::Hochladen: return grund + std::max<qint64>(bytes, 0) * 1000 / BytesJeSekunde;
    default: return grund;
    }
}

// --- The connection; lives on the worker thread ------------------------------------------

void Verbindung::handlesAnlegen()
{
    m_easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, 1L);
    std::lock_guard sperre(m_g.mx);
    m_multi = m_g.multi = multi;
}

void Verbindung::handlesSchliessen()
{
    {
        std::lock_guard sperre(m_g.mx);
        m_g.multi = nullptr;
        if (m_g.abbrechen)
            for (const curl_socket_t s : m_g.sockets) ::shutdown(s, SHUT_RDWR);
    }
    // Cleaning up the multi handle closes its cached connection with QUIT.
    if (m_easy) curl_easy_cleanup(m_easy);
    if (m_multi) curl_multi_cleanup(m_multi);
    m_easy = nullptr;
    m_multi = nullptr;
}

QByteArray Verbindung::adresse(const QString& name) const
{
    const int port = m_zugang.port ? m_zugang.port : 21;
    return "ftp://" + m_host + ':' + QByteArray::number(port) + '/' + QUrl::toPercentEncoding(name);
}

void Verbindung::einstellen(const Auftrag& a, const QByteArray& url)
{
    CURL* e = m_easy;
    curl_easy_reset(e);
    m_fehlerpuffer[0] = 0;
    m_antwort.letzte.clear();
    m_antwort.befehl.clear();
    m_antwort.quit = false;
    m_antwort.dateiOffen = false;
    const long ms = a.zeitlimit > 0 ? a.zeitlimit : StandardZeitlimitMs;
    const long sekunden = (ms + 999) / 1000;
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, m_fehlerpuffer);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_URL, url.constData());
    curl_easy_setopt(e, CURLOPT_USERNAME, m_kennung.constData());
    curl_easy_setopt(e, CURLOPT_PASSWORD, m_passwort.constData());
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, ms);
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT, sekunden);
    curl_easy_setopt(e, CURLOPT_ACCEPTTIMEOUT_MS, ms);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, sekunden);
    // A peer that trickles passes the stall limit: the total time ends it.
    m_frist = {a.vorgang, 0, int(ms), &m_g.abbrechen, std::chrono::steady_clock::now(), 0, false};
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, &Fortschritt);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &m_frist);
    // The session sends its own CWDs: curl's would skip empty parts.
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    // Data connections under TLS are passive: a firewall cannot read an
    // encrypted PORT, and this libcurl's active mode sends them unencrypted.
    curl_easy_setopt(e, CURLOPT_FTPPORT, m_passiv || m_antwort.tls ? nullptr : "-");
    // TLS is required unless the server offered none at the connect: a
    // server that took TLS in this session, or whose own certificate the
    // operator trusts, never gets a login in clear, and a new connection to
    // it without TLS (its offer suppressed on the way) ends before USER. So
    // the connection of the connect is the one the commands reuse.
    const bool tlsPflicht = !m_ohneTls || m_antwort.tls;
    curl_easy_setopt(e, CURLOPT_USE_SSL, long(tlsPflicht ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(e, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    const long version = CURL_SSLVERSION_TLSv1_2;
    curl_easy_setopt(e, CURLOPT_SSLVERSION, m_tlsHoechstens12 ? version | CURL_SSLVERSION_MAX_TLSv1_2 : version);
    if (const QByteArray ca = Zertifikate(); !ca.isEmpty()) curl_easy_setopt(e, CURLOPT_CAINFO, ca.constData());
    ZertifikatspruefungEinstellen(e, &m_pruefung);
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, &Mitschreiben);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, &m_antwort);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, &SocketMerken);
    curl_easy_setopt(e, CURLOPT_SOCKOPTDATA, &m_g);
    m_ausklang = {&m_g, m_zugang.port ? m_zugang.port : 21, false, int(ms)};
    m_antwort.hochladen = false;
    m_antwort.groesseGefragt = false;
    m_antwort.groesse = -1;
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETFUNCTION, &SocketSchliessen);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETDATA, &m_ausklang);
}

CURLcode Verbindung::durchfuehren()
{
    CURLcode ergebnis = CURLE_ABORTED_BY_CALLBACK;
    curl_multi_add_handle(m_multi, m_easy);
    int laufend = 1;
    while (!m_g.abbrechen && curl_multi_perform(m_multi, &laufend) == CURLM_OK && laufend)
        curl_multi_poll(m_multi, nullptr, 0, 1000, nullptr);
    int rest = 0;
    while (CURLMsg* nachricht = curl_multi_info_read(m_multi, &rest))
        if (nachricht->msg == CURLMSG_DONE) ergebnis = nachricht->data.result;
    curl_multi_remove_handle(m_multi, m_easy);
    return m_g.abbrechen ? CURLE_ABORTED_BY_CALLBACK : ergebnis;
}

// After a transfer that logged in anew: the folder the server put us in.
void Verbindung::nachDemLogin()
{
    long neu = 0;
    curl_easy_getinfo(m_easy, CURLINFO_NUM_CONNECTS, &neu);
    if (neu <= 0) return;
    const char* pfad = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_FTP_ENTRY_PATH, &pfad);
    m_anmeldeordner = pfad ? QByteArray(pfad) : QByteArray();
    m_imAnmeldeordner = true;
    m_ticketVerbraucht = false;
}

bool Verbindung::vertrauenErfragen()
{
    const QString server =
        ZertifikatServer(QStringLiteral("ftp"), FtpHost(m_zugang.host), m_zugang.port ? m_zugang.port : 21);
    const QString wer = ServerWer(m_zugang);
    const Zertifikatsfehler f = m_pruefung.fehler;
    const bool vonSelbst = m_vonSelbst;
    std::unique_lock sperre(m_g.mx);
    if (!m_g.ziel || m_g.abbrechen) return false;
    m_g.antwort = Geteilt::Antwort::Offen;
    // The answer goes to the shared state, which outlives the session.
    QMetaObject::invokeMethod(
        m_g.ziel,
        [g = m_g.shared_from_this(), server, wer, f, vonSelbst] {
            const bool ja = ZertifikatFragen(server, wer, f, vonSelbst);
            std::lock_guard sperre(g->mx);
            g->antwort = ja ? Geteilt::Antwort::Ja : Geteilt::Antwort::Nein;
            g->cv.notify_all();
        },
        Qt::QueuedConnection);
    m_g.cv.wait(sperre, [this] { return m_g.abbrechen || m_g.antwort != Geteilt::Antwort::Offen; });
    const bool ja = !m_g.abbrechen && m_g.antwort == Geteilt::Antwort::Ja;
    m_g.antwort = Geteilt::Antwort::Keine;
    if (ja) m_pruefung.vertraut = f.fingerabdruck;
    return ja;
}

void Verbindung::dateiEntfernen(const Auftrag& a)
{
    bool neueVerbindung = false;
    QList<QByteArray> befehle = ordnerBefehle(a.ordner, false, neueVerbindung);
    const bool sendetCwd = !befehle.isEmpty();
    befehle << "DELE " + a.name.toUtf8();
    einstellen(a, adresse({}));
    if (neueVerbindung) curl_easy_setopt(m_easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_slist* liste = nullptr;
    for (const QByteArray& b : befehle) liste = curl_slist_append(liste, b.constData());
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> quote(liste, &curl_slist_free_all);
    curl_easy_setopt(m_easy, CURLOPT_QUOTE, quote.get());
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
    const CURLcode code = durchfuehren();
    nachDemLogin();
    if (sendetCwd) m_imAnmeldeordner = code == CURLE_OK && !a.ordner.vomWurzelordner && a.ordner.teile.isEmpty();
}

QList<QByteArray> Verbindung::ordnerBefehle(const FtpOrdner& o, bool anlegen, bool& neueVerbindung) const
{
    QList<QByteArray> befehle;
    neueVerbindung = false;
    if (o.vomWurzelordner)
        befehle << "CWD /";
    else if (!m_imAnmeldeordner) {
        if (m_anmeldeordner.isEmpty())
            neueVerbindung = true;  // the server did not say where it put us
        else
            befehle << "CWD " + m_anmeldeordner;
    }
    for (const QString& teil : o.teile) {
        // "*": curl goes on when the command fails (the folder is there).
        if (anlegen) befehle << "*MKD " + teil.toUtf8();
        befehle << "CWD " + teil.toUtf8();
    }
    return befehle;
}

Ergebnis Verbindung::ausfuehren(const Auftrag& a)
{
    if (a.vorgang == Vorgang::Trennen) {
        handlesSchliessen();
        handlesAnlegen();
        m_angemeldet = false;
        m_imAnmeldeordner = true;
        return {a.vorgang, true, {}, {}, {}, {}};
    }
    if (!m_easy || !m_multi) return {a.vorgang, false, KeineVerbindungText, {}, {}, {}};
    return a.vorgang == Vorgang::Verbinden ? verbinden(a) : befehl(a);
}

Ergebnis Verbindung::verbinden(const Auftrag& a)
{
    Ergebnis e{a.vorgang, false, {}, {}, {}, {}};
    m_zugang = FtpServerAus(a.zugang);
    m_host = FtpUrlHost(m_zugang.host);
    m_kennung = a.zugang.kennung.toUtf8();
    m_passwort = a.zugang.passwort.toUtf8();
    m_angemeldet = false;
    m_passiv = false;
    m_antwort.tls = false;
    m_pruefung.host = FtpHost(m_zugang.host).toLatin1();
    m_pruefung.vertraut = a.vertraut;
    m_vonSelbst = a.vonSelbst;
    if (m_host.isEmpty()) {
        e.fehler = FtpFalscherServerText(a.zugang);
        return e;
    }
    if (Steuerzeichen(a.zugang.kennung) || Steuerzeichen(a.zugang.passwort)) {
        e.fehler = FalscheKennungText;
        return e;
    }
    m_ohneTls = false;
    m_tlsHoechstens12 = true;
    m_ticketVerbraucht = false;
    CURLcode code = CURLE_OK;
    bool gefragt = false;
    for (int versuch = 0; versuch < 4 && !m_g.abbrechen; ++versuch) {
        einstellen(a, adresse({}));
        curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
        code = durchfuehren();
        // A server without TLS gets the login in clear, as ever, unless the
        // operator trusts a certificate of its own.
        if (code == CURLE_USE_SSL_FAILED && !m_ohneTls && !m_antwort.tls && m_pruefung.vertraut.isEmpty()) {
            m_ohneTls = true;
            continue;
        }
        // A server that took AUTH TLS and then found nothing in common with
        // TLS 1.2 (vsftpd's ciphers with an EC certificate, a server of TLS
        // 1.3 alone): once more with TLS 1.3.
        if (code == CURLE_SSL_CONNECT_ERROR && m_antwort.tls && m_tlsHoechstens12 && !m_pruefung.fehler.gesetzt()) {
            m_tlsHoechstens12 = false;
            continue;
        }
        // A certificate the operator trusts when asked: once more with it.
        if (code == CURLE_OK || !m_pruefung.fehler.gesetzt() || gefragt || !vertrauenErfragen()) break;
        gefragt = true;
    }
    e.antwort = ServerText(m_antwort.letzte);
    if (code != CURLE_OK) {
        e.fehler = m_pruefung.fehler.gesetzt() ? ZertifikatText(ServerWer(m_zugang), m_pruefung.fehler)
                   : m_frist.ueberschritten    ? ZuLangeText(a, m_frist.ms, m_zugang)
                                               : Verbindungsfehler(code, m_zugang);
        return e;
    }
    nachDemLogin();
    m_angemeldet = true;
    e.ok = true;
    e.anmeldeordner = ServerText(m_anmeldeordner);
    return e;
}

Ergebnis Verbindung::befehl(const Auftrag& a)
{
    Ergebnis e{a.vorgang, false, {}, {}, {}, {}};
    if (!m_angemeldet) {
        e.fehler = KeineVerbindungText;
        return e;
    }
    const bool mitName = a.vorgang != Vorgang::Auflisten;
    const bool ungueltig = std::any_of(a.ordner.teile.begin(), a.ordner.teile.end(), Steuerzeichen) ||
                           (mitName && (a.name.isEmpty() || Steuerzeichen(a.name))) ||
                           (a.vorgang == Vorgang::Umbenennen && (a.neuerName.isEmpty() || Steuerzeichen(a.neuerName)));
    if (ungueltig) {
        e.fehler = QStringLiteral("Ungültiger Name !");
        return e;
    }

    QFile datei(a.lokaleDatei);
    QBuffer speicher;
    speicher.setData(a.daten);
    QIODevice& quelle = a.ausSpeicher ? static_cast<QIODevice&>(speicher) : datei;
    Lesequelle lesen{&quelle, 0};
    QSaveFile ziel(a.lokaleDatei);
    if (a.vorgang == Vorgang::Hochladen && !quelle.open(QIODevice::ReadOnly)) {
        e.fehler = Befehlsfehler(CURLE_READ_ERROR, {}, a, m_zugang);
        return e;
    }
    if (a.vorgang == Vorgang::Herunterladen && !ziel.open(QIODevice::WriteOnly)) {
        e.fehler = Befehlsfehler(CURLE_WRITE_ERROR, {}, a, m_zugang);
        return e;
    }

    Liste liste;
    CURLcode code = CURLE_OK;
    const bool hochladen = a.vorgang == Vorgang::Hochladen;
    const bool mitDaten = hochladen || a.vorgang == Vorgang::Herunterladen || a.vorgang == Vorgang::Auflisten;
    // An upload whose folder is missing is repeated once with the folders made.
    bool anlegen = false;
    int neuAngemeldet = 0;
    bool frisch = mitDaten && m_ticketVerbraucht;  // the next attempt on a new connection
    bool dateiAngelegt = false;  // an attempt left a file of the upload's name
    bool unvollstaendig = false;  // the server holds fewer or more bytes than went out
    qint64 serverGroesse = -1;
    for (int versuch = 0; versuch < 8; ++versuch) {
        // A repeat sends and receives the whole file again.
        if (versuch > 0 && hochladen) quelle.seek(0);
        lesen.gelesen = 0;
        if (versuch > 0 && a.vorgang == Vorgang::Herunterladen) {
            ziel.seek(0);
            ziel.resize(0);
        }
        bool neueVerbindung = false;
        QList<QByteArray> befehle = ordnerBefehle(a.ordner, anlegen, neueVerbindung);
        const bool sendetCwd = !befehle.isEmpty();
        const bool zielIstAnmeldeordner = !a.ordner.vomWurzelordner && a.ordner.teile.isEmpty();
        QByteArray url = adresse({});
        switch (a.vorgang) {
        case Vorgang::Hochladen:
        case Vorgang::Herunterladen: url = adresse(a.name); break;
        case Vorgang::OrdnerAnlegen: befehle << "MKD " + a.name.toUtf8(); break;
        case Vorgang::Loeschen: befehle << "DELE " + a.name.toUtf8(); break;
        case Vorgang::Umbenennen: befehle << "RNFR " + a.name.toUtf8() << "RNTO " + a.neuerName.toUtf8(); break;
        default: break;
        }
        einstellen(a, url);
        if (neueVerbindung || frisch) curl_easy_setopt(m_easy, CURLOPT_FRESH_CONNECT, 1L);
        frisch = false;
        curl_slist* liste_ = nullptr;
        for (const QByteArray& b : befehle) liste_ = curl_slist_append(liste_, b.constData());
        const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> quote(liste_, &curl_slist_free_all);
        curl_easy_setopt(m_easy, CURLOPT_QUOTE, quote.get());
        // The size the server holds after an upload, where it tells it ("*":
        // a server without SIZE does not fail the upload).
        const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> groesse(
            curl_slist_append(nullptr, ("*SIZE " + a.name.toUtf8()).constData()), &curl_slist_free_all);
        switch (a.vorgang) {
        case Vorgang::Hochladen:
            curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &DateiLesen);
            curl_easy_setopt(m_easy, CURLOPT_READDATA, &lesen);
            curl_easy_setopt(m_easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(quelle.size()));
            curl_easy_setopt(m_easy, CURLOPT_POSTQUOTE, groesse.get());
            m_frist.bytes = quelle.size();
            m_ausklang.hochladen = true;
            m_antwort.hochladen = true;
            break;
        case Vorgang::Herunterladen:
            curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &GeraetSchreiben);
            curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, static_cast<QIODevice*>(&ziel));
            break;
        case Vorgang::Auflisten:
            curl_easy_setopt(m_easy, CURLOPT_TRANSFERTEXT, 1L);
            curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &Sammeln);
            curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, &liste);
            break;
        default: curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L); break;
        }

        code = durchfuehren();
        nachDemLogin();
        if (sendetCwd) m_imAnmeldeordner = code == CURLE_OK && zielIstAnmeldeordner;
        dateiAngelegt = dateiAngelegt || m_antwort.dateiOffen;
        if (hochladen && m_antwort.tls && !m_tlsHoechstens12) m_ticketVerbraucht = true;
        serverGroesse = m_antwort.groesse;
        unvollstaendig = code == CURLE_OK && hochladen && serverGroesse >= 0 && serverGroesse != lesen.gelesen;

        if (m_g.abbrechen || m_frist.ueberschritten) break;
        const bool ordnerFehlt = code == CURLE_QUOTE_ERROR && a.vorgang == Vorgang::Hochladen && !anlegen &&
                                 !a.ordner.teile.isEmpty();
        // A server that cannot reach us (a firewall drops its connection
        // back) may leave PORT unanswered until the reply times out.
        const bool portOhneAntwort = code == CURLE_OPERATION_TIMEDOUT &&
                                     (m_antwort.befehl.startsWith("PORT") || m_antwort.befehl.startsWith("EPRT"));
        const bool aktivGescheitert = code == CURLE_FTP_PORT_FAILED || code == CURLE_FTP_ACCEPT_FAILED ||
                                      code == CURLE_FTP_ACCEPT_TIMEOUT || portOhneAntwort;
        // The server refused the data connection (425; 522 for want of the
        // control connection's TLS session, which it requires each data
        // connection to resume), lost it (426), or it broke after the
        // transfer began and before the server's reply; or the upload did
        // not arrive whole. A new login brings a fresh TLS session.
        const QByteArray& r = m_antwort.letzte;
        const bool abgewiesen = code != CURLE_OK && (r.startsWith("425") || r.startsWith("426") || r.startsWith("522"));
        const bool abgerissen = (code == CURLE_SEND_ERROR || code == CURLE_RECV_ERROR || code == CURLE_GOT_NOTHING ||
                                 code == CURLE_PARTIAL_FILE) &&
                                r.startsWith('1');
        if (ordnerFehlt) {
            anlegen = true;
        } else if (aktivGescheitert && !m_passiv) {
            m_passiv = true;
            m_imAnmeldeordner = false;
        } else if (mitDaten && (abgewiesen || abgerissen || unvollstaendig) && neuAngemeldet < NeuanmeldungenHoechstens) {
            ++neuAngemeldet;
            frisch = true;
        } else {
            break;
        }
        if (quelle.isOpen()) quelle.seek(0);
        liste = {};
    }

    e.antwort = ServerText(m_antwort.letzte);
    const Zertifikatsfehler zertifikat = m_pruefung.fehler;
    const Gesamtfrist frist = m_frist;
    // A file the server began and did not finish is no file sent: it goes.
    if ((code != CURLE_OK || unvollstaendig) && hochladen && dateiAngelegt && !m_g.abbrechen) dateiEntfernen(a);
    if (code == CURLE_OK && a.vorgang == Vorgang::Herunterladen && !ziel.commit()) code = CURLE_WRITE_ERROR;
    if (liste.zuLang) {
        e.fehler = ListeZuLangText;
        return e;
    }
    if (code != CURLE_OK) {
        e.fehler = zertifikat.gesetzt()  ? ZertifikatText(ServerWer(m_zugang), zertifikat)
                   : frist.ueberschritten ? ZuLangeText(a, frist.ms, m_zugang)
                                          : Befehlsfehler(code, e.antwort, a, m_zugang);
        return e;
    }
    if (unvollstaendig) {
        e.fehler = QStringLiteral("„%1“ kam unvollständig an: der Server hat %2 von %3 Bytes !")
                       .arg(a.name)
                       .arg(serverGroesse)
                       .arg(lesen.gelesen);
        return e;
    }
    if (a.vorgang == Vorgang::Auflisten) e.zeilen = Zeilen(liste.daten);
    e.ok = true;
    return e;
}

}  // namespace FtpIntern
