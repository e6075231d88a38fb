#pragma once
// What the load and the save window share: the drive box and the folder
// tree that choose the folder shown, its entry list ("Spiele.inf") and the
// commands that edit the list (new folder, rename, delete, delete all,
// sort). The folder shown is the one every file name refers to.

#include <QDialog>
#include <QStringList>

class QAction;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeView;
class QVBoxLayout;

class TSpieleFenster : public QDialog {
    Q_OBJECT
public:
    QComboBox* CBDrive;
    QTreeView* LBDirectory;
    QLabel* LPfadName;
    QListWidget* LBFile;
    QLineEdit* EFile;
    QToolButton *BtnInhalt, *BtnNeuerOrdner, *BtnUmbenennen, *BtnLoeschen, *BtnSortieren;
    QPushButton* BtnAbbrechen;
    QMenu *PopupListe, *PopupOrdner;
    QAction *MSortieren, *MUmbenennen, *MLoeschen, *MAlleLoeschen, *MNeuerOrdner, *PopupColorGround;

    // The folder shown and its entries.
    QString ordner() const { return m_ordner; }
    const QStringList& liste() const { return m_liste; }
    // Makes the folder the one shown and fills the list from it.
    void ordnerZeigen(const QString& ordner);

    void BtnUmbenennenClick();
    void BtnLoeschenClick();
    void MAlleLoeschenClick();
    void BtnSortierenClick();
    void NeuerOrdnerClick();

protected:
    TSpieleFenster(QWidget* parent, const QString& name, const QString& titel, QStringView farbe);
    // The window's own button row under the list.
    QVBoxLayout* knopfzeile() const { return m_knoepfe; }

    // The list on screen after a change, with `zeile` selected (-1 none).
    void listeAnzeigen(int zeile);
    // The selection changed (also after every change of the list).
    virtual void auswahlGeaendert(int zeile) = 0;
    virtual void knoepfeSetzen() = 0;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

    QString m_ordner;
    QStringList m_liste;

private:
    void laufwerkeFuellen();
    void LBDirectoryClick();
    QString baumOrdner() const;
    // Selects the folder shown in the tree and scrolls it into view.
    void ordnerInSicht();

    QFileSystemModel* m_modell;
    QVBoxLayout* m_knoepfe;
    // The tree keeps the folder shown in view (until the operator moves it).
    bool m_folgen = false;
};
