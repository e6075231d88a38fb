#include "components/Shellkomponenten.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

constexpr int WarteMs = 1000;
const QByteArray Zeigen = "zeigen\n";
// Keeps the socket path below the limit of a Unix socket address.
constexpr int LaengsterName = 64;

// The user's runtime folder, else the temporary one.
QString Ordner()
{
    QString o = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (o.isEmpty()) o = QDir::tempPath();
    QDir().mkpath(o);
    return o;
}

}  // namespace

// ---------------------------------------------------------------------------
// TabfOneInstance

TabfOneInstance::TabfOneInstance(QObject* parent) : TabfOneInstance(QString(), parent) {}

TabfOneInstance::TabfOneInstance(const QString& festeKennung, QObject* parent)
    : TabfComponent(parent), m_festeKennung(festeKennung)
{
    connect(&m_server, &QLocalServer::newConnection, this, &TabfOneInstance::verbindung);
}

TabfOneInstance::~TabfOneInstance()
{
    m_server.close();
    if (m_sperre) m_sperre->unlock();
}

QString TabfOneInstance::Kennung() const
{
    if (!m_festeKennung.isEmpty()) return m_festeKennung;
    QString k = ExeNameAsIdentifier && QCoreApplication::instance()
                    ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                    : QCoreApplication::applicationName();
    k += QStringLiteral(".OneInstance.") + Identifier;
    return k.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString TabfOneInstance::MessageText() const
{
    QString t = Message;
    return t.replace(QLatin1String("%s"), QCoreApplication::applicationName());
}

// The identifier as a file name: "/" and "%" escaped, a long one shortened
// by its hash.
QString TabfOneInstance::dateiname() const
{
    QString n = Kennung();
    n.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('/'), QLatin1String("%2F"));
    if (n.size() > LaengsterName) {
        const QByteArray h = QCryptographicHash::hash(n.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        n = n.left(LaengsterName - 17) + QLatin1Char('.') + QString::fromLatin1(h);
    }
    return n;
}

QString TabfOneInstance::sperrdatei() const
{
    return QDir(Ordner()).filePath(dateiname() + QStringLiteral(".lock"));
}

QString TabfOneInstance::socketPfad() const
{
    return QDir(Ordner()).filePath(dateiname() + QStringLiteral(".socket"));
}

bool TabfOneInstance::beanspruchen()
{
    if (beansprucht()) return true;
    // The lock of a program that died is found stale and taken over.
    auto sperre = std::make_unique<QLockFile>(sperrdatei());
    if (sperre->tryLock(0)) {
        m_sperre = std::move(sperre);
        QLocalServer::removeServer(socketPfad());  // left behind by a program that died
        if (!m_server.listen(socketPfad()))
            qWarning("TabfOneInstance: %s", qPrintable(m_server.errorString()));
        return true;
    }
    if (ShowMessage) {
        if (OnShowMessage)
            OnShowMessage(MessageText());
        else
            qWarning("%s", qPrintable(MessageText()));
    }
    if (ActivatePrevInstance) {
        QLocalSocket s;
        s.connectToServer(socketPfad());
        if (s.waitForConnected(WarteMs)) {
            s.write(Zeigen);
            s.waitForBytesWritten(WarteMs);
            s.disconnectFromServer();
        }
    }
    return false;
}

void TabfOneInstance::verbindung()
{
    while (QLocalSocket* s = m_server.nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        auto lesen = [this, s] {
            if (s->readAll().contains(Zeigen.trimmed())) emit zeigenAngefordert();
        };
        connect(s, &QLocalSocket::readyRead, this, lesen);
        if (s->bytesAvailable() > 0) lesen();
    }
}

// ---------------------------------------------------------------------------
// TabfAutoRun

namespace {

bool Dienst(TabfAutoExecKind k)
{
    return k == TabfAutoExecKind::aekServiceRun || k == TabfAutoExecKind::aekServiceRunOnce;
}

bool Einmal(TabfAutoExecKind k)
{
    return k == TabfAutoExecKind::aekMachineRunOnce || k == TabfAutoExecKind::aekUserRunOnce ||
           k == TabfAutoExecKind::aekServiceRunOnce;
}

// A string value of a desktop entry.
QString Zeichenkette(QString s)
{
    return s.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString AutostartOrdner()
{
    QString basis = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (basis.isEmpty() || QDir::isRelativePath(basis)) basis = QDir::homePath() + QStringLiteral("/.config");
    return basis + QStringLiteral("/autostart");
}

}  // namespace

TabfAutoRun::TabfAutoRun(QObject* parent) : TabfComponent(parent) {}

QString TabfAutoRun::ExecArgument(const QString& argument)
{
    static const QString Reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quoten = argument.isEmpty() ||
                        std::any_of(argument.begin(), argument.end(), [](QChar c) { return Reserviert.contains(c); });
    QString a;
    if (quoten) {
        a = QStringLiteral("\"");
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                a += QLatin1Char('\\');
            a += c;
        }
        a += QLatin1Char('"');
    } else {
        a = argument;
    }
    return Zeichenkette(a).replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString TabfAutoRun::Eintragsdatei() const
{
    if (Dienst(m_kind)) return {};
    QString name = QFileInfo(m_fileName).completeBaseName();
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    if (name.isEmpty()) return {};
    return AutostartOrdner() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

QByteArray TabfAutoRun::Eintrag() const
{
    QString exec;
    if (Einmal(m_kind))
        // The entry removes itself before it starts the program.
        exec = QStringList{ExecArgument(QStringLiteral("sh")), ExecArgument(QStringLiteral("-c")),
                           ExecArgument(QStringLiteral("rm -f -- \"$0\"; exec \"$1\"")),
                           ExecArgument(Eintragsdatei()), ExecArgument(m_fileName)}
                   .join(QLatin1Char(' '));
    else
        exec = ExecArgument(m_fileName);
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") +
                         Zeichenkette(QFileInfo(m_fileName).completeBaseName()) + QStringLiteral("\nExec=") +
                         exec + QLatin1Char('\n');
    return text.toUtf8();
}

bool TabfAutoRun::setAutoRun(bool an)
{
    return aendern([&] { m_autoRun = an; });
}

bool TabfAutoRun::setFileName(const QString& datei)
{
    return aendern([&] { m_fileName = datei; });
}

bool TabfAutoRun::setKind(TabfAutoExecKind kind)
{
    return aendern([&] { m_kind = kind; });
}

bool TabfAutoRun::aendern(const std::function<void()>& aenderung)
{
    m_fehler.clear();
    const QString alt = Eintragsdatei();
    if (!alt.isEmpty() && QFileInfo::exists(alt) && !QFile::remove(alt))
        m_fehler = QStringLiteral("Der Autostart-Eintrag „%1“ kann nicht entfernt werden.").arg(alt);
    aenderung();
    if (m_autoRun && !schreiben()) return false;
    return m_fehler.isEmpty();
}

bool TabfAutoRun::schreiben()
{
    if (m_fileName.isEmpty()) return true;  // nothing to start yet
    if (Dienst(m_kind)) {
        m_fehler = QStringLiteral("Ein Dienst kann nicht automatisch gestartet werden.");
        return false;
    }
    const QString datei = Eintragsdatei();
    if (datei.isEmpty()) {
        m_fehler = QStringLiteral("Aus dem Dateinamen „%1“ ergibt sich kein Autostart-Eintrag.").arg(m_fileName);
        return false;
    }
    QDir().mkpath(QFileInfo(datei).path());
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(Eintrag()) < 0 || !f.commit()) {
        m_fehler = QStringLiteral("Der Autostart-Eintrag „%1“ kann nicht geschrieben werden: %2")
                       .arg(datei, f.errorString());
        return false;
    }
    return true;
}
