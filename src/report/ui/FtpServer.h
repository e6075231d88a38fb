#pragma once
// "Ftp Server": the browser of the web site's server. It connects with the
// values its opener left in FtpAktuell and shows the folder tree from where
// the uploads start (the login folder, or the server's root for a folder
// typed with a leading "/") down to the site's folder, the entries of one
// folder, and uploads, downloads, renames and deletes files and makes
// folders there. Every command runs on the window's
// own FTP session; while one runs, only "&Beenden" is usable. A failure
// shows its text in the status bar and leaves the window as it was.

#include "report/netz/Ftpliste.h"
#include "report/netz/Ftpsitzung.h"

#include <QDialog>
#include <QQueue>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

class TFtpServer : public QDialog {
    Q_OBJECT
public:
    explicit TFtpServer(QWidget* parent = nullptr);
    ~TFtpServer() override;

    QTreeWidget* TreeDirectory;
    QListWidget* ListFile;
    QLineEdit* EFile;
    QLabel* LPfadName;
    QStatusBar* StatusBar;
    QLabel* StatusPanel;  // the bar's one panel
    QPushButton *BtnVerbinden, *BtnUpload, *BtnDownload, *BtnNeuerOrdner, *BtnInhalt, *BtnUmbenennen, *BtnLoeschen,
        *BtnBeenden;
    QMenu *PopupListe, *PopupBaum;
    QAction *PopupUmbenennen, *PopupLoeschen, *PopupNeuerOrdner, *PopupColorGround;

    // The file dialogs; tests put their own in. Each returns the chosen
    // path, empty when cancelled.
    std::function<QString(QWidget* eltern, const QString& ordner)> dateiOeffnen;
    std::function<QString(QWidget* eltern, const QString& vorschlag)> dateiSpeichern;

    // The folder shown, its names from the tree's top joined with "/".
    QString pfad() const { return m_teile.join(u'/'); }
    // A command of the session is still running.
    bool beschaeftigt() const { return !m_offen.isEmpty(); }

    void BtnVerbindenClick();
    void BtnUploadClick();
    void BtnDownloadClick();
    void NeuerOrdnerClick();
    void InhaltClick();
    void UmbenennenClick();
    void LoeschenClick();

    // Shows the folder tree from its top down to the folder `teile` (its
    // names, each one CWD) and the entries of the deepest folder reached.
    void FtpListeLaden(const QStringList& teile);

public slots:
    // The text of the status bar's one panel.
    void statusSetzen(const QString& text);
    // Closing always ends the connection.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    using Fertig = std::function<void(bool ok, const QString& fehler, const QStringList& zeilen)>;

    Ftpsitzung& sitzung();
    // Gives a command to the session; `fertig` runs when it has ended.
    void ausfuehren(const std::function<void(Ftpsitzung&)>& befehl, Fertig fertig);
    void erledigt(bool ok, const QString& fehler, const QStringList& zeilen);
    void nachVerbinden();
    struct Laden;
    void ordnerLaden(const std::shared_ptr<Laden>& laden);
    void ladenBeenden(const Laden& laden, bool ok);
    void FtpListeAnzeigen();
    void knoepfeSetzen();
    void auswahlGeaendert();
    void TreeDirectoryClick(QTreeWidgetItem* knoten);
    void ListFileDblClick(QListWidgetItem* eintrag);
    void ListFileEdited(QListWidgetItem* eintrag);
    void umbenennen(QListWidgetItem* eintrag, const QString& neu);
    void pfadAnzeigen(const QStringList& teile);
    FtpOrdner ordner() const;
    QListWidgetItem* gewaehlteDatei() const;
    void verbindungAbgeben();

    Ftpsitzung* m_sitzung = nullptr;
    QQueue<Fertig> m_offen;
    QStringList m_zeilen;  // the raw lines of the last listing
    QStringList m_teile;  // the folder shown
    bool m_vomWurzelordner = false;  // the tree's top is the root, not the login folder
};
