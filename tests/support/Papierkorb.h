#pragma once
// Where a trashed file or folder went, by the freedesktop.org trash rules as
// QFile::moveToTrash follows them: on the home folder's file system into
// "$XDG_DATA_HOME/Trash"; on another one into its own trash at its top,
// "<top>/.Trash/<uid>" when "<top>/.Trash" is a real folder with the sticky
// bit, else "<top>/.Trash-<uid>", and the home trash when neither can be
// made. In that trash the entry is the one whose info file names the path it
// came from (its name in the trash may carry a number).

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QString>
#include <QUrl>
#include <sys/stat.h>
#include <unistd.h>

class Weggeworfen {
public:
    // `ursprung`: the absolute path before the entry was trashed; a folder
    // above it still exists.
    explicit Weggeworfen(const QString& ursprung)
    {
        const QString herkunft = QDir::cleanPath(ursprung);
        QString vorhanden = QFileInfo(herkunft).absolutePath();
        while (!QFileInfo::exists(vorhanden) && vorhanden != QDir::rootPath())
            vorhanden = QFileInfo(vorhanden).absolutePath();
        const QStorageInfo ablage(vorhanden);
        const QString uid = QString::number(::getuid());
        const QDir oben(ablage.rootPath());
        if (ablage != QStorageInfo(QDir::home())) {
            const QFileInfo gemeinsam(oben.filePath(QStringLiteral(".Trash")));
            struct stat st {};
            const bool klebrig = ::stat(QFile::encodeName(gemeinsam.absoluteFilePath()).constData(), &st) == 0 &&
                                 (st.st_mode & S_ISVTX);
            if (gemeinsam.isDir() && !gemeinsam.isSymLink() && klebrig &&
                QFileInfo(gemeinsam.filePath() + QLatin1Char('/') + uid).isDir())
                m_papierkorb = gemeinsam.filePath() + QLatin1Char('/') + uid;
            else if (QFileInfo(oben.filePath(QStringLiteral(".Trash-") + uid)).isDir())
                m_papierkorb = oben.filePath(QStringLiteral(".Trash-") + uid);
        }
        if (m_papierkorb.isEmpty())
            m_papierkorb =
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");

        // Path= is percent-encoded, absolute or relative to the top.
        QDirIterator infos(m_papierkorb + QStringLiteral("/info"), {QStringLiteral("*.trashinfo")}, QDir::Files);
        while (infos.hasNext() && m_name.isEmpty()) {
            QFile info(infos.next());
            if (!info.open(QIODevice::ReadOnly)) continue;
            for (const QByteArray& zeile : info.readAll().split('\n')) {
                if (!zeile.startsWith("Path=")) continue;
                const QString pfad = QUrl::fromPercentEncoding(zeile.mid(5).trimmed());
                if (QDir::cleanPath(oben.absoluteFilePath(pfad)) == herkunft) {
                    m_name = infos.fileInfo().completeBaseName();
                    break;
                }
            }
        }
    }
    // The trash is the machine's when the test folder lies on a file system
    // of its own: the entry goes with its info file.
    ~Weggeworfen()
    {
        if (m_name.isEmpty()) return;
        const QString eintrag = pfad();
        if (QFileInfo(eintrag).isDir() && !QFileInfo(eintrag).isSymLink())
            QDir(eintrag).removeRecursively();
        else
            QFile::remove(eintrag);
        QFile::remove(m_papierkorb + QStringLiteral("/info/") + m_name + QStringLiteral(".trashinfo"));
    }
    Weggeworfen(const Weggeworfen&) = delete;
    Weggeworfen& operator=(const Weggeworfen&) = delete;

    // The trash that took it, by the rules above.
    QString papierkorb() const { return m_papierkorb; }
    // The entry in that trash, or a path inside it; "<nicht im Papierkorb>"
    // when no info file there names the original path.
    QString pfad(const QString& darin = {}) const
    {
        if (m_name.isEmpty()) return QStringLiteral("<nicht im Papierkorb>");
        const QString eintrag = m_papierkorb + QStringLiteral("/files/") + m_name;
        return darin.isEmpty() ? eintrag : eintrag + QLatin1Char('/') + darin;
    }

private:
    QString m_papierkorb;
    QString m_name;
};
