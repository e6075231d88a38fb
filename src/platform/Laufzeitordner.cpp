#include "platform/Laufzeitordner.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Benutzername()
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name) return QByteArray(pw->pw_name);
    return QByteArray::number(qulonglong(geteuid()));
}

// The user's own directory (no link), private to him.
bool EigenerOrdner(const QByteArray& pfad)
{
    struct stat st {};
    if (lstat(pfad.constData(), &st) != 0) {
        if (errno != ENOENT) return false;
        if (mkdir(pfad.constData(), 0700) != 0) return false;
        if (lstat(pfad.constData(), &st) != 0) return false;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return false;
    return (st.st_mode & 0777) == 0700 || chmod(pfad.constData(), 0700) == 0;
}

}  // namespace

QString LaufzeitordnerVorbereiten(const QString& basis)
{
    if (const QByteArray gesetzt = qgetenv("XDG_RUNTIME_DIR"); !gesetzt.isEmpty()) return QFile::decodeName(gesetzt);
    const QByteArray ordner = QFile::encodeName(basis.isEmpty() ? QDir::tempPath() : basis);
    const QByteArray pfad = ordner + "/runtime-" + Benutzername();
    // Taken by another user or not a folder: left to Qt, which says so. A
    // folder of another name each start would split the single-instance lock.
    if (!EigenerOrdner(pfad)) return {};
    qputenv("XDG_RUNTIME_DIR", pfad);
    return QFile::decodeName(pfad);
}
