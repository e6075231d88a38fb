#include "report/netz/Zertifikate.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/dienste/Netzdienste.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <mutex>
#include <optional>
#include <curl/curl.h>

#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

namespace {

QByteArray Fingerabdruck(X509* zertifikat)
{
    unsigned char wert[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    if (!zertifikat || X509_digest(zertifikat, EVP_sha256(), wert, &n) != 1) return {};
    return QByteArray(reinterpret_cast<const char*>(wert), int(n)).toHex(':').toUpper();
}

QString Grund(int fehler)
{
    switch (fehler) {
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN: return QStringLiteral("selbst signiert");
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE: return QStringLiteral("Aussteller unbekannt");
    case X509_V_ERR_CERT_HAS_EXPIRED: return QStringLiteral("abgelaufen");
    case X509_V_ERR_CERT_NOT_YET_VALID: return QStringLiteral("noch nicht gültig");
    case X509_V_ERR_CERT_REVOKED: return QStringLiteral("gesperrt");
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH: return QStringLiteral("für einen anderen Namen ausgestellt");
    default: return QString::fromUtf8(X509_verify_cert_error_string(fehler));
    }
}

// In place of OpenSSL's own check of the chain: the trusted certificate
// passes as it is (its name and dates are the operator's choice); any other
// is checked as usual, its name included, as curl's own name check is off.
int Pruefen(X509_STORE_CTX* ctx, void* daten)
{
    auto* p = static_cast<Zertifikatspruefung*>(daten);
    const QByteArray fingerabdruck = Fingerabdruck(X509_STORE_CTX_get0_cert(ctx));
    if (!p->vertraut.isEmpty() && fingerabdruck == p->vertraut) {
        X509_STORE_CTX_set_error(ctx, X509_V_OK);
        return 1;
    }
    X509_VERIFY_PARAM* param = X509_STORE_CTX_get0_param(ctx);
    if (X509_VERIFY_PARAM_set1_ip_asc(param, p->host.constData()) != 1)
        X509_VERIFY_PARAM_set1_host(param, p->host.constData(), size_t(p->host.size()));
    if (X509_verify_cert(ctx) == 1) return 1;
    QString grund = Grund(X509_STORE_CTX_get_error(ctx));
    if (!p->vertraut.isEmpty()) grund = QStringLiteral("nicht das vertraute Zertifikat, ") + grund;
    p->fehler = {grund, fingerabdruck};
    return 0;
}

CURLcode Einrichten(CURL*, void* sslKontext, void* daten)
{
    SSL_CTX_set_cert_verify_callback(static_cast<SSL_CTX*>(sslKontext), &Pruefen, daten);
    return CURLE_OK;
}

// One entry of the list, "ftp://host:port AB:CD:…", taken only in exactly
// the form ZertifikatVertrauen writes: a server name as ZertifikatServer
// makes it, one blank, the fingerprint in upper case. Anything else (a hand
// edit gone wrong, a stray "=" or blank) is no entry: never trusted, and
// dropped when the list is written again.
struct Eintrag {
    QString server;
    QByteArray fingerabdruck;
};

bool FingerabdruckGueltig(const QByteArray& f)
{
    static const QRegularExpression muster(QStringLiteral("^[0-9A-F]{2}(:[0-9A-F]{2}){31}$"));
    return muster.match(QString::fromLatin1(f)).hasMatch();
}

bool ServerGueltig(const QString& server)
{
    static const QRegularExpression muster(QStringLiteral("^(ftp|smtp)://(.+):([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch m = muster.match(server);
    if (!m.hasMatch()) return false;
    const uint port = m.captured(3).toUInt();
    return port <= 65535 && ZertifikatServer(m.captured(1), m.captured(2), quint16(port)) == server;
}

std::optional<Eintrag> EintragLesen(const QString& teil)
{
    const QStringList felder = teil.trimmed().split(QLatin1Char(' '));
    if (felder.size() != 2 || !ServerGueltig(felder[0])) return std::nullopt;
    const QByteArray fingerabdruck = felder[1].toLatin1();
    if (QString::fromLatin1(fingerabdruck) != felder[1] || !FingerabdruckGueltig(fingerabdruck)) return std::nullopt;
    return Eintrag{felder[0], fingerabdruck};
}

QList<Eintrag> Eintraege()
{
    QList<Eintrag> liste;
    for (const QString& teil : Einst.Zertifikate.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const std::optional<Eintrag> e = EintragLesen(teil)) liste.append(*e);
    return liste;
}

}  // namespace

bool ZertifikatspruefungEinstellen(void* curl, Zertifikatspruefung* p)
{
    CURL* e = curl;
    p->fehler = {};
    if (curl_easy_setopt(e, CURLOPT_SSL_CTX_FUNCTION, &Einrichten) != CURLE_OK) return false;
    curl_easy_setopt(e, CURLOPT_SSL_CTX_DATA, p);
    // The name is checked with the chain (Pruefen).
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 0L);
    return true;
}

QString ZertifikatServer(const QString& dienst, const QString& host, quint16 port)
{
    QString h = host.trimmed();
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']'))) h = h.mid(1, h.size() - 2);
    const QByteArray ace = QUrl::toAce(h);
    if (!ace.isEmpty()) h = QString::fromLatin1(ace);
    h = h.toLower();
    if (h.contains(QLatin1Char(':'))) h = QLatin1Char('[') + h + QLatin1Char(']');
    return dienst + QStringLiteral("://") + h + QLatin1Char(':') + QString::number(port);
}

QByteArray VertrautesZertifikat(const QString& server)
{
    // A server listed twice with different certificates is trusted with neither.
    QByteArray vertraut;
    for (const Eintrag& e : Eintraege()) {
        if (e.server != server) continue;
        if (!vertraut.isEmpty() && vertraut != e.fingerabdruck) return {};
        vertraut = e.fingerabdruck;
    }
    return vertraut;
}

bool ZertifikatVertrauen(const QString& server, const QByteArray& fingerabdruck)
{
    if (!ServerGueltig(server) || !FingerabdruckGueltig(fingerabdruck)) return false;
    QStringList teile;
    for (const Eintrag& e : Eintraege())
        if (e.server != server) teile << e.server + QLatin1Char(' ') + QString::fromLatin1(e.fingerabdruck);
    teile << server + QLatin1Char(' ') + QString::fromLatin1(fingerabdruck);
    Einst.Zertifikate = teile.join(QStringLiteral("; "));
    if (const Einstellungsschluessel* s = SchluesselSuchen(u"Zertifikate")) EinstellungSchreiben(*s);
    return InfListeSpeichern();
}

QString ZertifikatText(const QString& wer, const Zertifikatsfehler& f)
{
    QString text = QStringLiteral("Das Zertifikat %1 ist nicht vertrauenswürdig (%2).").arg(wer, f.grund);
    if (!f.fingerabdruck.isEmpty()) text += QStringLiteral(" SHA-256: ") + QString::fromLatin1(f.fingerabdruck);
    return text;
}

bool ZertifikatFragen(const QString& server, const QString& wer, const Zertifikatsfehler& f, bool vonSelbst)
{
    static bool offen = false;  // one question at a time
    if (f.fingerabdruck.isEmpty() || offen) return false;
    const QString schluessel = server + QLatin1Char(' ') + QString::fromLatin1(f.fingerabdruck);
    if (vonSelbst && netzZustand.AbgelehnteZertifikate.contains(schluessel)) return false;
    offen = true;
    const int antwort = boxen().hinweisJa(
        ZertifikatText(wer, f) +
        QStringLiteral("\n\nNur wenn dies der Fingerabdruck des eigenen Servers ist: diesem Zertifikat für diesen "
                       "Server künftig vertrauen ?"));
    offen = false;
    if (antwort != ErgebnisJa) {
        netzZustand.AbgelehnteZertifikate.insert(schluessel);
        return false;
    }
    ZertifikatVertrauen(server, f.fingerabdruck);
    return true;
}

namespace {
std::mutex g_zertifikateMx;
QByteArray g_zertifikate;
}  // namespace

void ZertifikateSetzen(const QString& pemDatei)
{
    const std::lock_guard sperre(g_zertifikateMx);
    g_zertifikate = QFile::encodeName(pemDatei);
}

QByteArray Zertifikate()
{
    const std::lock_guard sperre(g_zertifikateMx);
    return g_zertifikate;
}
