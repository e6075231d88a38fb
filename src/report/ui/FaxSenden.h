#pragma once
// The fax dialog "Spielbericht senden ?": which cover sheet goes with the
// report. OK stores the choice in the current match; "&Standard" also makes
// it the cover of new matches at once.

#include <QDialog>

class QAction;
class QComboBox;
class QPushButton;

class TFaxSenden : public QDialog {
    Q_OBJECT
public:
    explicit TFaxSenden(QWidget* parent = nullptr);

    QComboBox* CDeckblatt;
    QPushButton *BtnStandard, *BtnDeckblatt, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void BtnStandardClick();
    void BtnOkClick();
    void BtnDeckblattClick();
    void listeFuellen(int k);
};
