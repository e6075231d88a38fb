#pragma once
// A page opened in headless Chromium: the DOM after its scripts ran.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// Empty, with the reason in *fehler, when Chromium is missing or hangs.
inline QString ChromiumDom(const QString& datei, QString* fehler)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) {
        *fehler = QStringLiteral("chromium fehlt (scripts/install-deps)");
        return {};
    }
    QTemporaryDir profil;
    QProcess p;
    p.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                       QStringLiteral("--user-data-dir=") + profil.path(), QStringLiteral("--dump-dom"),
                       QStringLiteral("file://") + datei});
    if (!p.waitForFinished(120000)) {
        p.kill();
        *fehler = QStringLiteral("chromium antwortet nicht");
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}
