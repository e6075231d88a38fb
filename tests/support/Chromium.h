#pragma once
// A page opened in headless Chromium: the DOM after its scripts ran, or a
// picture of it.

#include <QFileInfo>
#include <QProcess>
#include <QSize>
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

// The page as Chromium shows it, saved as a PNG picture; false when Chromium
// is missing, hangs or writes nothing.
inline bool ChromiumBild(const QString& datei, const QString& bild, QSize groesse = QSize(1200, 800))
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) return false;
    QTemporaryDir profil;
    QProcess p;
    p.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                       QStringLiteral("--hide-scrollbars"), QStringLiteral("--user-data-dir=") + profil.path(),
                       QStringLiteral("--window-size=%1,%2").arg(groesse.width()).arg(groesse.height()),
                       QStringLiteral("--screenshot=") + bild, QStringLiteral("file://") + datei});
    if (!p.waitForFinished(120000)) {
        p.kill();
        return false;
    }
    return QFileInfo(bild).size() > 0;
}
