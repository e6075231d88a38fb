#include "competition/Explorer.h"

#include "components/Dateikomponenten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Why a system call failed, in the operator's words.
QString Systemgrund(int nummer)
{
    switch (nummer) {
    case EEXIST:
    case ENOTEMPTY:
        return QStringLiteral("ein Eintrag dieses Namens ist bereits vorhanden");
    case ENOENT:
        return QStringLiteral("der Ordner ist nicht vorhanden");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("kein Speicherplatz mehr frei");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case EBUSY:
        return QStringLiteral("der Eintrag wird gerade benutzt");
    default:
        return QString::fromLocal8Bit(std::strerror(nummer));
    }
}

QString Anzeige(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

bool Vorhanden(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();
}

bool Umbenennungsfehler(const QString& alt, const QString& neu, const QString& grund, QString* fehler)
{
    if (fehler)
        *fehler =
            QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden (%3).").arg(Anzeige(alt), Anzeige(neu), grund);
    return false;
}

// File systems that hold no files of the operator.
bool Systemdateisystem(const QStorageInfo& v)
{
    static const QList<QByteArray> typen = {"tmpfs",   "devtmpfs", "ramfs",      "squashfs", "proc",
                                            "sysfs",   "cgroup",   "cgroup2",    "autofs",   "efivarfs",
                                            "debugfs", "tracefs",  "securityfs", "pstore",   "mqueue"};
    if (typen.contains(v.fileSystemType())) return true;
    const QString w = v.rootPath();
    for (const char* unter : {"/proc", "/sys", "/dev", "/snap", "/boot"}) {
        const QLatin1String u(unter);
        if (w == u || w.startsWith(u + u'/')) return true;
    }
    // Removable media mount under /run/media on some systems.
    return (w == QLatin1String("/run") || w.startsWith(QLatin1String("/run/"))) &&
           !w.startsWith(QLatin1String("/run/media/"));
}

}  // namespace

// --- Volumes --------------------------------------------------------------------------

QList<Datentraeger> DatentraegerLesen(const QString& immer)
{
    QList<Datentraeger> liste;
    const auto aufnehmen = [&liste](const QStorageInfo& v) {
        const QString wurzel = v.rootPath();
        if (wurzel.isEmpty()) return;
        for (const Datentraeger& d : liste)
            if (d.wurzel == wurzel) return;
        const QString name = v.name();
        liste.append({wurzel, name == wurzel ? QString() : name});
    };
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !Systemdateisystem(v)) aufnehmen(v);
    if (!immer.isEmpty()) {
        const QStorageInfo v(immer);
        if (v.isValid()) aufnehmen(v);
    }
    std::sort(liste.begin(), liste.end(),
              [](const Datentraeger& a, const Datentraeger& b) { return a.wurzel < b.wurzel; });
    return liste;
}

QString DatentraegerText(const Datentraeger& d)
{
    const QString wurzel = Anzeige(d.wurzel);
    return d.name.isEmpty() ? wurzel : wurzel + QStringLiteral("  [") + d.name + u']';
}

int DatentraegerVon(const QList<Datentraeger>& liste, const QString& pfad)
{
    const QString p = QDir::cleanPath(QDir(pfad).absolutePath());
    int beste = -1;
    qsizetype laenge = -1;
    for (int i = 0; i < liste.size(); ++i) {
        const QString& w = liste[i].wurzel;
        const QString mitTrenner = w.endsWith(u'/') ? w : w + u'/';
        if ((p == w || p.startsWith(mitTrenner)) && w.size() > laenge) {
            beste = i;
            laenge = w.size();
        }
    }
    return beste;
}

// --- Folders and files ----------------------------------------------------------------

QList<Ordnereintrag> Ordnerkette(const QString& ordner)
{
    const QString ziel = QDir::cleanPath(QDir(ordner).absolutePath());
    QList<Ordnereintrag> liste;
    liste.append({QStringLiteral("/"), QStringLiteral("/"), 0, true});
    QString pfad;
    int ebene = 0;
    for (const QString& teil : ziel.split(u'/', Qt::SkipEmptyParts)) {
        pfad += u'/' + teil;
        liste.append({pfad, teil, ++ebene, true});
    }
    const QDir dir(ziel);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        liste.append({dir.filePath(name), name, ebene + 1, false});
    return liste;
}

QStringList DateienIn(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

// --- Operations -----------------------------------------------------------------------

bool ExplorerNameGueltig(const QString& name) { return !name.isEmpty() && !name.startsWith(u' '); }

QString ExplorerZiel(const QString& basis, const QString& eingabe)
{
    const QString e = QDir::fromNativeSeparators(eingabe);
    return QDir::cleanPath(QDir::isAbsolutePath(e) ? e : QDir(basis).filePath(e));
}

bool ExplorerOrdnerAnlegen(const QString& eltern, const QString& name, QString* fehler)
{
    const auto melden = [&](const QString& grund) {
        if (fehler) *fehler = QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden (%2).").arg(name, grund);
        return false;
    };
    if (name.contains(u'/')) return melden(QStringLiteral("ein Ordnername enthält kein „/“"));
    const QByteArray pfad = QFile::encodeName(QDir(eltern).filePath(name));
    if (::mkdir(pfad.constData(), 0777) != 0) return melden(Systemgrund(errno));
    return true;
}

bool ExplorerUmbenennen(const QString& alt, const QString& neu, QString* fehler)
{
    const QString von = QDir::cleanPath(alt);
    const QString nach = QDir::cleanPath(neu);
    if (von == nach) return true;
    const QFileInfo quelle(von);
    if (!Vorhanden(von)) return Umbenennungsfehler(von, nach, QStringLiteral("nicht mehr vorhanden"), fehler);
    const bool ordner = quelle.isDir() && !quelle.isSymLink();
    if (ordner && nach.startsWith(von + u'/'))
        return Umbenennungsfehler(von, nach, QStringLiteral("ein Ordner kann nicht in sich selbst verschoben werden"),
                                  fehler);

    const QByteArray a = QFile::encodeName(von);
    const QByteArray b = QFile::encodeName(nach);
    // Never replaces an entry of the new name; file systems without this
    // flag are checked beforehand.
    int r = ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE);
    if (r != 0 && (errno == EINVAL || errno == ENOSYS)) {
        if (Vorhanden(nach)) {
            errno = EEXIST;
        } else {
            r = ::rename(a.constData(), b.constData());
        }
    }
    if (r == 0) return true;
    const int nummer = errno;
    if (nummer == EXDEV) {
        if (ordner)
            return Umbenennungsfehler(
                von, nach, QStringLiteral("ein Ordner kann nicht auf einen anderen Datenträger verschoben werden"),
                fehler);
        // A file to another volume: Qt copies it and removes the original.
        QFile datei(von);
        if (datei.rename(nach)) return true;
        return Umbenennungsfehler(von, nach, datei.errorString(), fehler);
    }
    return Umbenennungsfehler(von, nach, Systemgrund(nummer), fehler);
}

bool ExplorerInPapierkorb(const QString& pfad, QString* fehler)
{
    const auto melden = [&](const QString& grund) {
        if (fehler)
            *fehler =
                QStringLiteral("„%1“ konnte nicht in den Papierkorb verschoben werden (%2).").arg(Anzeige(pfad), grund);
        return false;
    };
    if (!Vorhanden(pfad)) return melden(QStringLiteral("nicht mehr vorhanden"));
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (daten.isEmpty() || !QDir().mkpath(daten)) return melden(QStringLiteral("kein Papierkorb eingerichtet"));
    TabfFileOperation loeschen;
    loeschen.Operation = TabfFileOperation::fotDelete;
    loeschen.Optionen = TabfFileOperation::fofAllowUndo;
    loeschen.FileList = {pfad};
    QString grund;
    QObject::connect(&loeschen, &TabfFileOperation::OnError, [&](const QString&, const QString& text) { grund = text; });
    if (!loeschen.Execute()) return melden(grund);
    return true;
}
