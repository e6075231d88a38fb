#pragma once
// File components: file operations (copy, move, rename, delete to the
// desktop trash), file types registered as XDG MIME types, data kept in
// memory from a Qt resource or a file, and the monitors that report changes
// of a folder or of the key file that stands in for the registry.

#include "components/Hilfen.h"
#include "components/Threads.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>


// --- File operation ------------------------------------------------------------------

class TabfFileOperation : public TabfComponent {
    Q_OBJECT
public:
    enum TabfFileOperationType { fotCopy, fotDelete, fotMove, fotRename };
    Q_ENUM(TabfFileOperationType)
    enum Option {
        fofAllowUndo = 0x01,       // delete: into the trash instead of for good
        fofMultiDestFiles = 0x02,  // DestFolder names one target per FileList line
        fofNoReplace = 0x04,       // copy/move: an existing target is an error
    };
    Q_DECLARE_FLAGS(Options, Option)

    explicit TabfFileOperation(QObject* parent = nullptr);

    QStringList FileList;  // one path per entry
    QString DestFolder;    // one folder, or one target per line with fofMultiDestFiles
    QString ProgressTitle;
    TabfFileOperationType Operation = fotCopy;
    Options Optionen = fofAllowUndo;

    void setFileList(const QString& zeilen);  // one path per line

    // Runs the operation on every entry; false when one failed (OnError
    // named it). Target folders are made as needed.
    bool Execute();

signals:
    // A failed entry with the system's text for it.
    void OnError(const QString& datei, const QString& text);

private:
    bool fehler(const QString& datei, const QString& text);
    bool einzeln(const QString& quelle, const QString& ziel);
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TabfFileOperation::Options)

// --- File association ------------------------------------------------------------------

// A file type as a shared-mime-info package ("<XDG_DATA_HOME>/mime/packages")
// and a desktop entry ("<XDG_DATA_HOME>/applications") that opens it.
class TabfFileAssociation : public TabfComponent {
    Q_OBJECT
public:
    enum Verb { Open, OpenNew, Edit, Print, PrintTo, VerbAnzahl };

    explicit TabfFileAssociation(QObject* parent = nullptr);

    QString Extension() const { return m_extension; }
    QString ExtDescription() const { return m_extDescription; }
    QString FileDescription() const { return m_fileDescription; }
    QString IconFile() const { return m_iconFile; }
    int IconIndex() const { return m_iconIndex; }
    QString Command(Verb v) const { return m_command[v]; }
    QString CommandDescription(Verb v) const { return m_beschreibung[v]; }
    bool ReadOnly() const { return m_readOnly; }

    // Each refuses while ReadOnly is set (LastError names why); a change to a
    // registered type writes it again.
    bool setExtension(const QString& e);  // "txt" becomes ".txt"
    bool setExtDescription(const QString& s);
    bool setFileDescription(const QString& s);
    bool setIconFile(const QString& s);
    bool setIconIndex(int i);
    bool setCommand(Verb v, const QString& s);
    bool setCommandDescription(Verb v, const QString& s);
    void setReadOnly(bool r) { m_readOnly = r; }

    // "application/x-<extension>".
    QString MimeTyp() const;
    QString PaketDatei() const;
    QString DesktopDatei() const;
    bool Registriert() const;

    bool Register();
    bool Unregister();
    // Reads a registered type of Extension back; false when there is none.
    bool Laden();

    QString LastError() const { return m_fehler; }

private:
    bool aendern(QString& feld, const QString& wert);
    bool schreiben();
    void shellBenachrichtigen() const;

    QString m_extension, m_extDescription, m_fileDescription, m_iconFile;
    int m_iconIndex = 0;
    QString m_command[VerbAnzahl], m_beschreibung[VerbAnzahl];
    bool m_readOnly = false;
    QString m_fehler;
};

// --- File storage ------------------------------------------------------------------------

// Data held in memory, read from a Qt resource (":/...") or a file, written
// back to SaveName.
class TabfCustomFileStorage : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfCustomFileStorage(QObject* parent = nullptr);

    QString FileName() const { return m_fileName; }
    QString SaveName() const { return m_saveName; }
    bool AutoSave() const { return m_autoSave; }
    const QByteArray& FileData() const { return m_daten; }
    qint64 DataSize() const { return m_daten.size(); }
    void setFileData(const QByteArray& d) { m_daten = d; }
    void setSaveName(const QString& s) { m_saveName = s; }
    // Refuses (LastError) when SaveName is no usable file name; with AutoSave
    // every load is written to SaveName at once.
    bool setAutoSave(bool a);

    // Reads FileName into memory (OnLoad).
    bool LoadFromFile();
    // Writes the data to SaveName (OnSave); an existing file only when
    // OnConfirmOverride agrees.
    bool Save();

    // Asked before an existing SaveName is replaced; without it the file is replaced.
    std::function<bool(const QString& datei)> OnConfirmOverride;

    QString LastError() const { return m_fehler; }

signals:
    void OnLoad();
    void OnSave();

protected:
    QString m_fileName;
    QString m_fehler;

private:
    QString m_saveName;
    bool m_autoSave = false;
    QByteArray m_daten;
};

class TabfFileStorage : public TabfCustomFileStorage {
    Q_OBJECT
public:
    using TabfCustomFileStorage::TabfCustomFileStorage;
    // Names the file and reads it.
    bool setFileName(const QString& name);
};

// --- Folder and registry monitors ----------------------------------------------------

// Reports changes of a folder through OnChange, on the UI thread and once per
// burst: changes that follow each other within Buendelzeit are one.
class TabfCustomFolderMonitor : public TabfComponent {
    Q_OBJECT
public:
    enum NotifyFilter {
        nfFileName = 0x01,
        nfDirName = 0x02,
        nfAttributes = 0x04,
        nfSize = 0x08,
        nfLastWrite = 0x10,
    };
    Q_DECLARE_FLAGS(NotifyFilters, NotifyFilter)

    explicit TabfCustomFolderMonitor(QObject* parent = nullptr);

    bool Active() const { return m_active; }
    QString Folder() const { return m_folder; }
    NotifyFilters Filter() const { return m_filter; }
    bool WatchSubTree() const { return m_subTree; }
    void setActive(bool a);
    void setFolder(const QString& f);
    void setNotifyFilters(NotifyFilters f);
    void setWatchSubTree(bool w);

    int Buendelzeit = 50;  // ms

signals:
    void OnChange();

private:
    void beobachten();
    void geaendert();

    bool m_active = false;
    QString m_folder = QStringLiteral("/");
    NotifyFilters m_filter = NotifyFilters(nfFileName | nfDirName | nfAttributes | nfSize | nfLastWrite);
    bool m_subTree = false;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer m_buendel;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TabfCustomFolderMonitor::NotifyFilters)

class TabfFolderMonitor : public TabfCustomFolderMonitor {
    Q_OBJECT
public:
    using TabfCustomFolderMonitor::TabfCustomFolderMonitor;
};

// The registry is a key file here (the installer's "Update.inf" in the
// program folder): RegistryKey names that file. OnChange reports once per
// burst when its content changes, it appears or it goes, also where its
// folder is made or removed while it is watched.
class TabfCustomRegistryMonitor : public TabfComponent {
    Q_OBJECT
public:
    enum TabfRegRootKey {
        rrkClassesRoot,
        rrkCurrentUser,
        rrkLocalMachine,
        rrkUsers,
        rrkCurrentConfig,
        rrkDynData
    };
    Q_ENUM(TabfRegRootKey)

    explicit TabfCustomRegistryMonitor(QObject* parent = nullptr);

    bool Active() const { return m_active; }
    QString RegistryKey() const { return m_key; }
    void setActive(bool a);
    void setRegistryKey(const QString& datei);
    // Kept for the key's description; a key file has no root.
    TabfRegRootKey RootKey = rrkLocalMachine;
    bool WatchSubTree = false;

    int Buendelzeit = 50;  // ms

signals:
    void OnChange();

private:
    struct Stand {
        bool vorhanden = false;
        QByteArray inhalt;
        bool operator==(const Stand&) const = default;
    };
    Stand lesen() const;
    void beobachten();
    void pruefen();

    bool m_active = false;
    QString m_key;
    Stand m_stand;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer m_buendel;
};

class TabfRegistryMonitor : public TabfCustomRegistryMonitor {
    Q_OBJECT
public:
    using TabfCustomRegistryMonitor::TabfCustomRegistryMonitor;
};
