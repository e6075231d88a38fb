#pragma once
// "Spieldaten exportieren": writes the current match as a text table (the
// whole match or its throw list) to a file chosen in the save dialog. The
// dialog is accepted only when the file was written; a failed write is
// shown and the dialog stays open.

#include <QDialog>

class QAction;
class QComboBox;
class QFileDialog;
class QLabel;
class QPushButton;

class TExportieren : public QDialog {
    Q_OBJECT
public:
    explicit TExportieren(QWidget* parent = nullptr);

    QLabel *LExport, *LFormular, *LTrennzeichen;
    QComboBox *CExport, *CFormular, *CTrennzeichen;
    QPushButton *BtnOk, *BtnAbbrechen;
    QFileDialog* SaveDialog;
    QAction* PopupColorGround;

    void CExportClick();
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* event) override;
};
