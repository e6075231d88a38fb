// monitorclient: a lane monitor client for trying the program and for the
// tests. It listens for the program's short messages (sender name and text,
// each behind its length as four decimal digits, Windows-1252), prints each
// one as "<sender>: <text>" and answers with 16 bytes, as a client does.
// It shares no code with the program.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <array>
#include <optional>

namespace {

constexpr int AntwortBytes = 16;
const QByteArray Antwort = QByteArray("OK").leftJustified(AntwortBytes, ' ');

QTextStream& aus()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& fehler()
{
    static QTextStream s(stderr);
    return s;
}

// Windows-1252: 0x80..0x9F differ from Latin-1; the five unused bytes stay
// as the control characters of the same number.
QString Cp1252(const QByteArray& bytes)
{
    static const std::array<char16_t, 32> obere = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s += (b >= 0x80 && b < 0xA0) ? QChar(obere[b - 0x80]) : QChar(b);
    }
    return s;
}

// The length field at `pos`: four ASCII digits; nothing when they are not.
std::optional<int> Laenge(const QByteArray& puffer, qsizetype pos)
{
    int n = 0;
    for (qsizetype i = pos; i < pos + 4; ++i) {
        const char c = puffer[i];
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

class Client : public QObject {
public:
    Client(bool stumm, QFile* ausgabe) : m_stumm(stumm), m_ausgabe(ausgabe)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) annehmen(s);
        });
    }

    bool lauschen(const QHostAddress& adresse, quint16 port) { return m_server.listen(adresse, port); }
    QTcpServer& server() { return m_server; }

private:
    void annehmen(QTcpSocket* s)
    {
        const QString gegenstelle = QStringLiteral("%1:%2").arg(s->peerAddress().toString()).arg(s->peerPort());
        auto* puffer = new QByteArray;
        connect(s, &QObject::destroyed, [puffer] { delete puffer; });
        connect(s, &QTcpSocket::readyRead, this, [=, this] {
            *puffer += s->readAll();
            verarbeiten(*puffer, s, gegenstelle);
        });
        connect(s, &QTcpSocket::disconnected, this, [=] {
            if (!puffer->isEmpty())
                fehler() << QStringLiteral("monitorclient: %1: Verbindung vor dem Ende der Nachricht geschlossen\n")
                                .arg(gegenstelle)
                         << Qt::flush;
            puffer->clear();
            s->deleteLater();
        });
    }

    // Prints and answers the complete messages at the front of the buffer and
    // takes them off; a length field that is not four digits closes the connection.
    void verarbeiten(QByteArray& puffer, QTcpSocket* s, const QString& gegenstelle)
    {
        for (;;) {
            if (puffer.size() < 4) return;
            const auto senderLaenge = Laenge(puffer, 0);
            if (!senderLaenge) return ungueltig(puffer, 0, s, gegenstelle);
            const qsizetype textPos = 4 + *senderLaenge;
            if (puffer.size() < textPos + 4) return;
            const auto textLaenge = Laenge(puffer, textPos);
            if (!textLaenge) return ungueltig(puffer, textPos, s, gegenstelle);
            const qsizetype ende = textPos + 4 + *textLaenge;
            if (puffer.size() < ende) return;

            zeigen(Cp1252(puffer.mid(4, *senderLaenge)) + QStringLiteral(": ") +
                   Cp1252(puffer.mid(textPos + 4, *textLaenge)));
            if (!m_stumm) s->write(Antwort);
            puffer.remove(0, ende);
        }
    }

    void ungueltig(QByteArray& puffer, qsizetype pos, QTcpSocket* s, const QString& gegenstelle)
    {
        fehler() << QStringLiteral("monitorclient: %1: ungültiges Längenfeld \"%2\", Verbindung geschlossen\n")
                        .arg(gegenstelle, QString::fromLatin1(puffer.mid(pos, 4).toPercentEncoding()))
                 << Qt::flush;
        puffer.clear();
        s->abort();  // emits disconnected, which frees the socket
    }

    void zeigen(const QString& zeile)
    {
        if (!m_ausgabe) {
            aus() << zeile << '\n' << Qt::flush;
            return;
        }
        m_ausgabe->write(zeile.toUtf8() + '\n');
        m_ausgabe->flush();
    }

    QTcpServer m_server;
    bool m_stumm;
    QFile* m_ausgabe;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("monitorclient"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Ein Monitorclient für eine Bahn: empfängt die Kurznachrichten des Programms über TCP\n"
        "(Absender und Text, je mit vierstelliger Länge davor, Windows-1252), gibt jede als Zeile\n"
        "\"<Absender>: <Text>\" aus und antwortet mit 16 Bytes.\n"
        "\n"
        "Sobald er bereit ist, meldet er \"monitorclient: lauscht auf <Adresse>:<Port>\"."));
    p.addHelpOption();
    p.addVersionOption();
    const QCommandLineOption adresse({QStringLiteral("a"), QStringLiteral("adresse")},
                                     QStringLiteral("Adresse, auf der er lauscht (0.0.0.0: alle), Vorgabe 127.0.0.1."),
                                     QStringLiteral("adresse"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("TCP-Port, Vorgabe 6711; 0 wählt einen freien Port."),
                                  QStringLiteral("port"), QStringLiteral("6711"));
    const QCommandLineOption stumm(QStringLiteral("stumm"),
                                   QStringLiteral("Nie antworten und die Verbindung offen halten."));
    const QCommandLineOption ausgabe({QStringLiteral("o"), QStringLiteral("ausgabe")},
                                     QStringLiteral("Die Nachrichten an diese Datei anhängen statt sie auszugeben."),
                                     QStringLiteral("datei"));
    p.addOptions({adresse, port, stumm, ausgabe});
    p.process(app);

    const QHostAddress hoert(p.value(adresse));
    if (hoert.isNull()) {
        fehler() << QStringLiteral("monitorclient: --adresse erwartet eine IP-Adresse, nicht \"%1\"\n")
                        .arg(p.value(adresse));
        return 2;
    }
    bool ok = false;
    const uint nummer = p.value(port).toUInt(&ok);
    if (!ok || nummer > 65535) {
        fehler() << QStringLiteral("monitorclient: --port erwartet eine Zahl von 0 bis 65535\n");
        return 2;
    }
    std::optional<QFile> datei;
    if (p.isSet(ausgabe)) {
        datei.emplace(p.value(ausgabe));
        if (!datei->open(QIODevice::WriteOnly | QIODevice::Append)) {
            fehler() << QStringLiteral("monitorclient: %1 nicht beschreibbar: %2\n")
                            .arg(datei->fileName(), datei->errorString());
            return 2;
        }
    }

    Client client(p.isSet(stumm), datei ? &*datei : nullptr);
    if (!client.lauschen(hoert, quint16(nummer))) {
        fehler() << QStringLiteral("monitorclient: kann nicht auf %1:%2 lauschen: %3\n")
                        .arg(hoert.toString())
                        .arg(nummer)
                        .arg(client.server().errorString());
        return 2;
    }
    aus() << QStringLiteral("monitorclient: lauscht auf %1:%2\n")
                 .arg(client.server().serverAddress().toString())
                 .arg(client.server().serverPort())
          << Qt::flush;
    return app.exec();
}
