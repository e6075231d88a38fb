#pragma once
// "Explorer": a small file manager for the alley PC. The drive box chooses a
// mounted volume, the folder list opens a folder and the file list shows its
// files. The last mouse press decides what the commands act on: in the
// folder list (folder mode) the selected folder, in the file list (file
// mode) the selected file. Deleting moves to the desktop trash after a
// question; every failed operation is reported.

#include "competition/Explorer.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class TExplorer : public QDialog {
    Q_OBJECT
public:
    // Opens the program folder on its volume.
    explicit TExplorer(QWidget* parent = nullptr);

    QComboBox* CBDrive;
    QTreeWidget* LBDirectory;
    QLabel* LPfadName;
    QListWidget* LBFile;
    QToolButton *SBtnNeuerOrdner, *SBtnLoeschen, *SBtnUmbenennen, *SBtnInhalt;
    QPushButton* BtnZurueck;
    QMenu* PopupListen;
    QAction *MNeuerOrdner, *MEintragLoeschen, *PopupColorGround;

    // The open folder, whose files the file list shows.
    QString ordner() const { return m_ordner; }
    bool ordnerModus() const { return m_ordnerModus; }
    // The entry of the folder list for that path; null when it is not listed.
    QTreeWidgetItem* ordnerEintrag(const QString& pfad) const;

    // Opens the folder (or, when it is gone, the nearest one above it).
    void ordnerOeffnen(const QString& pfad);

    void DriveChange(int index);
    void LBDirectoryClick();
    void LBFileClick();
    void InhaltClick();
    void NeuerOrdnerClick();
    void LoeschenClick();
    void UmbenennenClick();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void modusSetzen(bool ordnerModus);
    void dateienFuellen(const QString& auswahl = {});
    // The folder selected in the folder list, the file selected in the file
    // list (full paths); empty when there is none.
    QString gewaehlterOrdner() const;
    QString gewaehlteDatei() const;

    QList<Datentraeger> m_laufwerke;
    QString m_ordner;
    bool m_ordnerModus = true;
};
