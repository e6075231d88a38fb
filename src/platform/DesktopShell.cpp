#include "platform/DesktopShell.h"

#include "platform/Fremdfenster.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString absoluterPfad(const QString& datei, const QString& ordner)
{
    QString pfad = QDir::fromNativeSeparators(datei);
    if (QDir::isRelativePath(pfad) && !ordner.isEmpty()) pfad = QDir(QDir::fromNativeSeparators(ordner)).filePath(pfad);
    return pfad;
}

// The state and the start time (fields 3 and 22 of /proc/<pid>/stat);
// empty for a process that does not exist.
struct Prozessstand {
    char zustand = 0;
    QByteArray start;
};

Prozessstand Stand(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) return {};
    const QByteArray zeile = stat.readAll();
    // The name in parentheses may hold blanks and parentheses itself.
    const QList<QByteArray> felder = zeile.mid(zeile.lastIndexOf(')') + 2).split(' ');
    if (felder.size() < 20 || felder[0].isEmpty()) return {};
    return {felder[0][0], felder[19]};
}

}  // namespace

DesktopShell::DesktopShell() : m_fenster(FremdfensterDerPlattform()) {}

DesktopShell::DesktopShell(std::unique_ptr<Fremdfenster> fenster) : m_fenster(std::move(fenster)) {}

DesktopShell::~DesktopShell() = default;

DesktopShell::Art DesktopShell::artVon(const QString& datei, const QString& ordner)
{
    const QString d = datei.trimmed();
    if (d.contains(QLatin1String("://")) || d.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
        d.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return Art::Adresse;
    const QFileInfo info(absoluterPfad(d, ordner));
    if (info.isFile() && info.isExecutable()) return Art::Programm;
    return Art::Dokument;
}

void DesktopShell::oeffnen(const QString& datei, const QString& ordner, const QString& parameter, int)
{
    bool ok = false;
    switch (artVon(datei, ordner)) {
    case Art::Adresse:
        ok = QDesktopServices::openUrl(QUrl::fromUserInput(datei.trimmed()));
        break;
    case Art::Programm: {
        const QString programm = absoluterPfad(datei, ordner);
        qint64 pid = 0;
        ok = QProcess::startDetached(programm, QProcess::splitCommand(parameter), QDir::fromNativeSeparators(ordner),
                                     &pid);
        if (ok) m_gestartet.insert(QDir::cleanPath(programm), {pid, Stand(pid).start});
        break;
    }
    case Art::Dokument:
        ok = QDesktopServices::openUrl(QUrl::fromLocalFile(absoluterPfad(datei, ordner)));
        break;
    }
    if (!ok) qWarning("Konnte nicht geöffnet werden: %s", qPrintable(datei));
}

bool DesktopShell::kannOeffnen(const QString& datei, const QString& ordner)
{
    if (artVon(datei, ordner) != Art::Dokument) return true;
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    const QString typ = QMimeDatabase().mimeTypeForFile(absoluterPfad(datei, ordner)).name();
    QProcess abfrage;
    abfrage.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), typ});
    if (!abfrage.waitForFinished(3000)) {
        abfrage.kill();
        abfrage.waitForFinished();
        return true;  // no answer: the desktop may still know it
    }
    return abfrage.exitCode() == 0 && !abfrage.readAllStandardOutput().trimmed().isEmpty();
}

Fenstersuche DesktopShell::fensterAktivieren(const QString& titel)
{
    return m_fenster ? m_fenster->aktivieren(titel) : Fenstersuche::NichtMoeglich;
}

bool DesktopShell::laeuftNoch(const QString& datei, const QString& ordner)
{
    const auto p = m_gestartet.constFind(QDir::cleanPath(absoluterPfad(datei, ordner)));
    if (p == m_gestartet.constEnd()) return false;
    const Prozessstand s = Stand(p->pid);
    return !s.start.isEmpty() && s.start == p->start && s.zustand != 'Z' && s.zustand != 'X';
}
