#pragma once
// A web server of the tests on a free loopback port: Python's http.server
// on a temporary folder. Files put there are its pages; a missing one is
// answered with 404. With a PEM file of certificate and key it serves
// https; "/umleitung?status=302&ziel=<address>" answers with that status
// and Location.
//
//   HttpTestserver server;
//   server.ablegen("/Updates/seite.html", "#2.21.0063");
//   server.adresse()  // "http://127.0.0.1:<port>"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class HttpTestserver {
public:
    explicit HttpTestserver(const QString& zertifikat = {}) : m_tls(!zertifikat.isEmpty())
    {
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                               : QStringLiteral("python3");
        static const char* const skript = R"(
import functools, http.server, ssl, sys, urllib.parse
class Seiten(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        teile = urllib.parse.urlsplit(self.path)
        if teile.path != '/umleitung':
            return super().do_GET()
        q = urllib.parse.parse_qs(teile.query)
        self.send_response(int(q['status'][0]))
        self.send_header('Location', q['ziel'][0])
        self.send_header('Content-Length', '0')
        self.end_headers()
s = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Seiten, directory=sys.argv[1]))
if len(sys.argv) > 2:
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(sys.argv[2])
    s.socket = tls.wrap_socket(s.socket, server_side=True)
print('Serving HTTP on 127.0.0.1 port %d ' % s.server_address[1], flush=True)
s.serve_forever()
)";
        QStringList argumente{"-u", "-c", QString::fromUtf8(skript), m_ordner.path()};
        if (m_tls) argumente << zertifikat;
        m_prozess.start(python, argumente);
        // "Serving HTTP on 127.0.0.1 port 41235 (http://127.0.0.1:41235/) ..."
        const QDeadlineTimer frist(15000);
        while (!m_prozess.canReadLine() && !frist.hasExpired() &&
               m_prozess.waitForReadyRead(int(frist.remainingTime()))) {
        }
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral(" port (\\d+) ")).match(QString::fromUtf8(m_prozess.readLine()));
        if (m.hasMatch()) port = quint16(m.captured(1).toUInt());
    }
    ~HttpTestserver()
    {
        m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }
    HttpTestserver(const HttpTestserver&) = delete;
    HttpTestserver& operator=(const HttpTestserver&) = delete;

    QString adresse() const { return QStringLiteral("%1://127.0.0.1:%2").arg(m_tls ? "https" : "http").arg(port); }
    // The page at `pfad` ("/a/b.html"); false when it could not be written.
    bool ablegen(const QString& pfad, const QByteArray& inhalt) const
    {
        const QString datei = m_ordner.path() + pfad;
        QDir().mkpath(QFileInfo(datei).path());
        QFile f(datei);
        return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
    }
    void entfernen(const QString& pfad) const { QFile::remove(m_ordner.path() + pfad); }

    quint16 port = 0;  // 0: the server did not start

private:
    bool m_tls;
    QTemporaryDir m_ordner;
    QProcess m_prozess;
};
