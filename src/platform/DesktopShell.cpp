#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
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

}  // namespace

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
    case Art::Programm:
        ok = QProcess::startDetached(absoluterPfad(datei, ordner), QProcess::splitCommand(parameter),
                                     QDir::fromNativeSeparators(ordner));
        break;
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
