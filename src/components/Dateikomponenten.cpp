#include "components/Dateikomponenten.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cerrno>

// --- File operation ------------------------------------------------------------------

namespace {

// Copies whole: the target is replaced only once every byte is written.
QString DateiKopieren(const QString& von, const QString& nach)
{
    QFile quelle(von);
    if (!quelle.open(QIODevice::ReadOnly)) return quelle.errorString();
    QSaveFile ziel(nach);
    if (!ziel.open(QIODevice::WriteOnly)) return ziel.errorString();
    while (!quelle.atEnd()) {
        const QByteArray block = quelle.read(1 << 20);
        if (block.isEmpty() || ziel.write(block) != block.size()) {
            const QString text = block.isEmpty() ? quelle.errorString() : ziel.errorString();
            ziel.cancelWriting();
            return text;
        }
    }
    if (!ziel.commit()) return ziel.errorString();
    return {};
}

QString OrdnerKopieren(const QString& von, const QString& nach)
{
    if (!QDir().mkpath(nach)) return qt_error_string(EACCES);
    const QDir quelle(von);
    const auto eintraege = quelle.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : eintraege) {
        const QString ziel = nach + u'/' + e.fileName();
        const QString text = e.isDir() && !e.isSymLink() ? OrdnerKopieren(e.filePath(), ziel)
                                                          : DateiKopieren(e.filePath(), ziel);
        if (!text.isEmpty()) return text;
    }
    return {};
}

bool Vorhanden(const QString& pfad) { return QFileInfo(pfad).exists() || QFileInfo(pfad).isSymLink(); }

}  // namespace

TabfFileOperation::TabfFileOperation(QObject* parent) : TabfComponent(parent) {}

void TabfFileOperation::setFileList(const QString& zeilen)
{
    FileList = zeilen.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}

bool TabfFileOperation::fehler(const QString& datei, const QString& text)
{
    emit OnError(datei, text);
    return false;
}

bool TabfFileOperation::Execute()
{
    const QStringList ziele = DestFolder.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
    const bool mehrere = Optionen.testFlag(fofMultiDestFiles);
    if (Operation != fotDelete) {
        if (ziele.isEmpty()) return fehler(FileList.value(0), qt_error_string(ENOENT));
        if (mehrere && ziele.size() != FileList.size()) return fehler(FileList.value(0), qt_error_string(EINVAL));
    }
    bool ok = true;
    for (qsizetype i = 0; i < FileList.size(); ++i) {
        const QString quelle = FileList.at(i);
        QString ziel;
        if (Operation == fotRename) {
            ziel = mehrere ? ziele.at(i) : ziele.constFirst();
            if (QFileInfo(ziel).isRelative()) ziel = QFileInfo(quelle).dir().filePath(ziel);
        } else if (Operation != fotDelete) {
            ziel = mehrere ? ziele.at(i) : QDir(ziele.constFirst()).filePath(QFileInfo(quelle).fileName());
        }
        ok = einzeln(quelle, ziel) && ok;
    }
    return ok;
}

bool TabfFileOperation::einzeln(const QString& quelle, const QString& ziel)
{
    const QFileInfo info(quelle);
    if (!Vorhanden(quelle)) return fehler(quelle, qt_error_string(ENOENT));
    const bool ordner = info.isDir() && !info.isSymLink();

    if (Operation == fotDelete) {
        if (Optionen.testFlag(fofAllowUndo)) {
            // Without the user's data folder, which holds the trash, Qt would
            // put the entry beside it.
            const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
            if (daten.isEmpty() || !QDir().mkpath(daten)) return fehler(quelle, qt_error_string(ENOENT));
            QFile eintrag(quelle);
            if (!eintrag.moveToTrash()) return fehler(quelle, eintrag.errorString());
            return true;
        }
        if (ordner) {
            if (!QDir(quelle).removeRecursively()) return fehler(quelle, qt_error_string(EACCES));
            return true;
        }
        QFile eintrag(quelle);
        if (!eintrag.remove()) return fehler(quelle, eintrag.errorString());
        return true;
    }

    if (QFileInfo(ziel).absoluteFilePath() == info.absoluteFilePath()) return true;
    const bool zielDa = Vorhanden(ziel);
    if (zielDa && (Operation == fotRename || Optionen.testFlag(fofNoReplace)))
        return fehler(quelle, qt_error_string(EEXIST));
    if (!QDir().mkpath(QFileInfo(ziel).absolutePath())) return fehler(quelle, qt_error_string(EACCES));

    if (Operation == fotCopy) {
        const QString text = ordner ? OrdnerKopieren(quelle, ziel) : DateiKopieren(quelle, ziel);
        if (!text.isEmpty()) return fehler(quelle, text);
        return true;
    }

    // Move and rename.
    if (zielDa) {
        const QFileInfo z(ziel);
        const bool weg = z.isDir() && !z.isSymLink() ? QDir(ziel).removeRecursively() : QFile::remove(ziel);
        if (!weg) return fehler(quelle, qt_error_string(EACCES));
    }
    if (ordner) {
        if (QDir().rename(quelle, ziel)) return true;
        // Another volume: copy, then remove the original.
        const QString text = OrdnerKopieren(quelle, ziel);
        if (!text.isEmpty()) return fehler(quelle, text);
        if (!QDir(quelle).removeRecursively()) return fehler(quelle, qt_error_string(EACCES));
        return true;
    }
    QFile datei(quelle);
    if (!datei.rename(ziel)) return fehler(quelle, datei.errorString());
    return true;
}

// --- File association ------------------------------------------------------------------

namespace {

const char* const kVerbName[] = {"open", "opennew", "edit", "print", "printto"};

QString DatenOrdner() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

// "%1" of a Windows command is the file; the desktop entry names it "%f".
QString NachExec(QString befehl)
{
    befehl.replace(QLatin1String("\"%1\""), QLatin1String("%f"));
    befehl.replace(QLatin1String("%1"), QLatin1String("%f"));
    return befehl;
}

QString AusExec(QString befehl)
{
    befehl.replace(QLatin1String("%f"), QLatin1String("\"%1\""));
    return befehl;
}

}  // namespace

TabfFileAssociation::TabfFileAssociation(QObject* parent) : TabfComponent(parent) {}

bool TabfFileAssociation::aendern(QString& feld, const QString& wert)
{
    if (m_readOnly) {
        m_fehler = AbfTexte::NurLesen;
        return false;
    }
    if (feld == wert) return true;
    const bool war = Registriert();
    feld = wert;
    return !war || schreiben();
}

bool TabfFileAssociation::setExtension(const QString& e)
{
    QString ext = e.trimmed();
    if (!ext.isEmpty() && !ext.startsWith(u'.')) ext.prepend(u'.');
    if (m_readOnly) {
        m_fehler = AbfTexte::NurLesen;
        return false;
    }
    // Another extension is another type: the old one stays as it is.
    m_extension = ext;
    return true;
}

bool TabfFileAssociation::setExtDescription(const QString& s) { return aendern(m_extDescription, s); }
bool TabfFileAssociation::setFileDescription(const QString& s) { return aendern(m_fileDescription, s); }
bool TabfFileAssociation::setIconFile(const QString& s) { return aendern(m_iconFile, s); }
bool TabfFileAssociation::setCommand(Verb v, const QString& s) { return aendern(m_command[v], s); }
bool TabfFileAssociation::setCommandDescription(Verb v, const QString& s) { return aendern(m_beschreibung[v], s); }

bool TabfFileAssociation::setIconIndex(int i)
{
    if (m_readOnly) {
        m_fehler = AbfTexte::NurLesen;
        return false;
    }
    const bool war = Registriert();
    m_iconIndex = i;
    return !war || schreiben();
}

QString TabfFileAssociation::MimeTyp() const
{
    return QStringLiteral("application/x-") + m_extension.mid(1).toLower();
}

QString TabfFileAssociation::PaketDatei() const
{
    return DatenOrdner() + QStringLiteral("/mime/packages/x-") + m_extension.mid(1).toLower() + QStringLiteral(".xml");
}

QString TabfFileAssociation::DesktopDatei() const
{
    return DatenOrdner() + QStringLiteral("/applications/x-") + m_extension.mid(1).toLower() +
           QStringLiteral(".desktop");
}

bool TabfFileAssociation::Registriert() const
{
    return m_extension.size() > 1 && QFileInfo::exists(PaketDatei());
}

bool TabfFileAssociation::Register()
{
    if (m_extension.size() < 2) {
        m_fehler = AbfTexte::RegistrySchreiben;
        return false;
    }
    return schreiben();
}

bool TabfFileAssociation::schreiben()
{
    m_fehler = AbfTexte::RegistrySchreiben;
    if (!QDir().mkpath(QFileInfo(PaketDatei()).absolutePath()) ||
        !QDir().mkpath(QFileInfo(DesktopDatei()).absolutePath()))
        return false;

    QSaveFile paket(PaketDatei());
    if (!paket.open(QIODevice::WriteOnly)) return false;
    {
        QXmlStreamWriter x(&paket);
        x.setAutoFormatting(true);
        x.writeStartDocument();
        x.writeStartElement(QStringLiteral("mime-info"));
        x.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
        x.writeStartElement(QStringLiteral("mime-type"));
        x.writeAttribute(QStringLiteral("type"), MimeTyp());
        x.writeTextElement(QStringLiteral("comment"), m_extDescription);
        if (!m_iconFile.isEmpty()) {
            x.writeEmptyElement(QStringLiteral("icon"));
            x.writeAttribute(QStringLiteral("name"), m_iconFile);
        }
        x.writeEmptyElement(QStringLiteral("glob"));
        x.writeAttribute(QStringLiteral("pattern"), u'*' + m_extension.toLower());
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndDocument();
    }
    if (!paket.commit()) return false;

    QStringList z{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                  QStringLiteral("Name=") + (m_fileDescription.isEmpty() ? m_extDescription : m_fileDescription),
                  QStringLiteral("MimeType=") + MimeTyp() + u';', QStringLiteral("NoDisplay=true")};
    if (!m_iconFile.isEmpty()) z << QStringLiteral("Icon=") + m_iconFile;
    z << QStringLiteral("X-Corvalink-IconIndex=%1").arg(m_iconIndex);
    if (!m_command[Open].isEmpty()) z << QStringLiteral("Exec=") + NachExec(m_command[Open]);
    if (!m_beschreibung[Open].isEmpty()) z << QStringLiteral("Comment=") + m_beschreibung[Open];
    QStringList aktionen;
    for (int v = OpenNew; v < VerbAnzahl; ++v)
        if (!m_command[v].isEmpty()) aktionen << QString::fromLatin1(kVerbName[v]);
    if (!aktionen.isEmpty()) z << QStringLiteral("Actions=") + aktionen.join(u';') + u';';
    for (int v = OpenNew; v < VerbAnzahl; ++v) {
        if (m_command[v].isEmpty()) continue;
        z << QString() << QStringLiteral("[Desktop Action %1]").arg(QString::fromLatin1(kVerbName[v]))
          << QStringLiteral("Name=") + (m_beschreibung[v].isEmpty() ? QString::fromLatin1(kVerbName[v]) : m_beschreibung[v])
          << QStringLiteral("Exec=") + NachExec(m_command[v]);
    }
    QSaveFile desktop(DesktopDatei());
    if (!desktop.open(QIODevice::WriteOnly)) return false;
    desktop.write((z.join(u'\n') + u'\n').toUtf8());
    if (!desktop.commit()) return false;
    m_fehler.clear();
    shellBenachrichtigen();
    return true;
}

bool TabfFileAssociation::Unregister()
{
    if (m_extension.size() < 2) return true;
    bool ok = true;
    for (const QString& datei : {PaketDatei(), DesktopDatei()})
        if (QFileInfo::exists(datei) && !QFile::remove(datei)) ok = false;
    m_fehler = ok ? QString() : AbfTexte::RegistrySchreiben;
    shellBenachrichtigen();
    return ok;
}

bool TabfFileAssociation::Laden()
{
    if (!Registriert()) return false;
    QFile paket(PaketDatei());
    if (paket.open(QIODevice::ReadOnly)) {
        QXmlStreamReader x(&paket);
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement) continue;
            if (x.name() == QLatin1String("comment"))
                m_extDescription = x.readElementText();
            else if (x.name() == QLatin1String("icon"))
                m_iconFile = x.attributes().value(QLatin1String("name")).toString();
        }
    }
    QFile desktop(DesktopDatei());
    if (!desktop.open(QIODevice::ReadOnly)) return true;
    int verb = Open;
    for (const QString& zeile : QString::fromUtf8(desktop.readAll()).split(u'\n')) {
        if (zeile.startsWith(QLatin1String("[Desktop Action "))) {
            const QString name = zeile.mid(16).chopped(1);
            verb = VerbAnzahl;
            for (int v = OpenNew; v < VerbAnzahl; ++v)
                if (name == QLatin1String(kVerbName[v])) verb = v;
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich < 0 || verb == VerbAnzahl) continue;
        const QString schluessel = zeile.left(gleich), wert = zeile.mid(gleich + 1);
        if (schluessel == QLatin1String("Exec")) {
            m_command[verb] = AusExec(wert);
        } else if (verb == Open && schluessel == QLatin1String("Comment")) {
            m_beschreibung[Open] = wert;
        } else if (verb == Open && schluessel == QLatin1String("Name")) {
            m_fileDescription = wert;
        } else if (verb == Open && schluessel == QLatin1String("X-Corvalink-IconIndex")) {
            m_iconIndex = wert.toInt();
        } else if (verb != Open && schluessel == QLatin1String("Name")) {
            m_beschreibung[verb] = wert;
        }
    }
    return true;
}

void TabfFileAssociation::shellBenachrichtigen() const
{
    // The desktop's caches; without the tools the files still count.
    const QString mime = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!mime.isEmpty()) QProcess::execute(mime, {DatenOrdner() + QStringLiteral("/mime")});
    const QString desktop = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!desktop.isEmpty()) QProcess::execute(desktop, {DatenOrdner() + QStringLiteral("/applications")});
}

// --- File storage ------------------------------------------------------------------------

namespace {
QString InAnfuehrung(const QString& text, const QString& datei)
{
    return text + u'"' + datei + u'"' + AbfTexte::DateiEnde;
}
}  // namespace

TabfCustomFileStorage::TabfCustomFileStorage(QObject* parent) : TabfComponent(parent) {}

bool TabfCustomFileStorage::setAutoSave(bool a)
{
    if (a) {
        const QFileInfo ziel(m_saveName);
        if (m_saveName.trimmed().isEmpty() || ziel.fileName().isEmpty() || ziel.isDir() ||
            m_saveName.startsWith(u':')) {
            m_fehler = AbfTexte::AutoSaveName;
            return false;
        }
    }
    m_autoSave = a;
    return true;
}

bool TabfCustomFileStorage::LoadFromFile()
{
    QFile datei(m_fileName);
    if (m_fileName.isEmpty() || !datei.open(QIODevice::ReadOnly)) {
        m_fehler = InAnfuehrung(AbfTexte::LadenFehler, m_fileName);
        return false;
    }
    m_daten = datei.readAll();
    emit OnLoad();
    if (m_autoSave) return Save();
    return true;
}

bool TabfCustomFileStorage::Save()
{
    if (QFileInfo::exists(m_saveName) && OnConfirmOverride && !OnConfirmOverride(m_saveName)) return false;
    QSaveFile ziel(m_saveName);
    if (m_saveName.isEmpty() || !ziel.open(QIODevice::WriteOnly) || ziel.write(m_daten) != m_daten.size() ||
        !ziel.commit()) {
        m_fehler = InAnfuehrung(AbfTexte::SpeichernFehler, m_saveName);
        return false;
    }
    emit OnSave();
    return true;
}

bool TabfFileStorage::setFileName(const QString& name)
{
    m_fileName = name;
    return LoadFromFile();
}

// --- Folder monitor ----------------------------------------------------------------------

TabfCustomFolderMonitor::TabfCustomFolderMonitor(QObject* parent) : TabfComponent(parent)
{
    m_buendel.setSingleShot(true);
    connect(&m_buendel, &QTimer::timeout, this, &TabfCustomFolderMonitor::OnChange);
}

void TabfCustomFolderMonitor::setActive(bool a)
{
    if (a == m_active) return;
    m_active = a;
    beobachten();
}

void TabfCustomFolderMonitor::setFolder(const QString& f)
{
    m_folder = f;
    beobachten();
}

void TabfCustomFolderMonitor::setNotifyFilters(NotifyFilters f)
{
    m_filter = f;
    beobachten();
}

void TabfCustomFolderMonitor::setWatchSubTree(bool w)
{
    m_subTree = w;
    beobachten();
}

void TabfCustomFolderMonitor::beobachten()
{
    delete m_watcher;
    m_watcher = nullptr;
    m_buendel.stop();
    if (!m_active || !QFileInfo(m_folder).isDir()) return;
    m_watcher = new QFileSystemWatcher(this);
    QStringList pfade{m_folder};
    const bool dateien = m_filter & (nfAttributes | nfSize | nfLastWrite);
    QDir::Filters art = QDir::NoDotAndDotDot | QDir::Hidden;
    if (m_subTree) art |= QDir::Dirs;
    if (dateien) art |= QDir::Files;
    if (m_subTree || dateien) {
        QDirIterator it(m_folder, art, m_subTree ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
        while (it.hasNext()) pfade << it.next();
    }
    m_watcher->addPaths(pfade);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TabfCustomFolderMonitor::geaendert);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &TabfCustomFolderMonitor::geaendert);
}

void TabfCustomFolderMonitor::geaendert()
{
    m_buendel.start(Buendelzeit);
    // New subfolders and files are watched from now on.
    if (m_subTree || (m_filter & (nfAttributes | nfSize | nfLastWrite)))
        QTimer::singleShot(0, this, [this] {
            if (!m_watcher) return;
            const QStringList bekannt = m_watcher->files() + m_watcher->directories();
            QDir::Filters art = QDir::NoDotAndDotDot | QDir::Hidden;
            if (m_subTree) art |= QDir::Dirs;
            if (m_filter & (nfAttributes | nfSize | nfLastWrite)) art |= QDir::Files;
            QStringList neu;
            QDirIterator it(m_folder, art, m_subTree ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
            while (it.hasNext()) {
                const QString p = it.next();
                if (!bekannt.contains(p)) neu << p;
            }
            if (!neu.isEmpty()) m_watcher->addPaths(neu);
        });
}

// --- Registry monitor ----------------------------------------------------------------------

TabfCustomRegistryMonitor::TabfCustomRegistryMonitor(QObject* parent) : TabfComponent(parent)
{
    m_buendel.setSingleShot(true);
    connect(&m_buendel, &QTimer::timeout, this, [this] {
        beobachten();  // a replaced file is a new one to watch
        const Stand neu = lesen();
        if (neu == m_stand) return;
        m_stand = neu;
        emit OnChange();
    });
}

void TabfCustomRegistryMonitor::setActive(bool a)
{
    if (a == m_active) return;
    m_active = a;
    m_stand = lesen();
    beobachten();
}

void TabfCustomRegistryMonitor::setRegistryKey(const QString& datei)
{
    m_key = datei;
    m_stand = lesen();
    beobachten();
}

TabfCustomRegistryMonitor::Stand TabfCustomRegistryMonitor::lesen() const
{
    Stand s;
    QFile f(m_key);
    if (m_key.isEmpty() || !f.open(QIODevice::ReadOnly)) return s;
    s.vorhanden = true;
    s.inhalt = f.readAll();
    return s;
}

void TabfCustomRegistryMonitor::beobachten()
{
    if (!m_active || m_key.isEmpty()) {
        delete m_watcher;
        m_watcher = nullptr;
        m_buendel.stop();
        return;
    }
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TabfCustomRegistryMonitor::pruefen);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &TabfCustomRegistryMonitor::pruefen);
    }
    // The folder shows the file appear, go and be replaced whole. While the
    // folder is missing, the nearest folder above it shows it being made.
    QString ordner = QFileInfo(m_key).absolutePath();
    while (!QFileInfo(ordner).isDir() && !QDir(ordner).isRoot()) ordner = QFileInfo(ordner).absolutePath();
    const QStringList alt = m_watcher->directories();
    for (const QString& d : alt)
        if (d != ordner) m_watcher->removePath(d);
    if (!alt.contains(ordner) && QFileInfo(ordner).isDir()) m_watcher->addPath(ordner);
    if (!m_watcher->files().contains(m_key) && QFileInfo::exists(m_key)) m_watcher->addPath(m_key);
}

void TabfCustomRegistryMonitor::pruefen() { m_buendel.start(Buendelzeit); }
