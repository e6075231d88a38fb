#pragma once
// The position dialog "Position im Spielbericht": where one free form field
// (PositionSektion, PositionFeldName, PositionFeldNr) goes on each report
// layout, typed as numbers or dragged in the preview. OK stores the
// position and saves "Position.inf"; the caller then reads PositionFeldName.

#include "report/formulare/Positionen.h"

#include <QDialog>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TastaturFelder;

class TPositionsdialog : public QDialog {
    Q_OBJECT
public:
    explicit TPositionsdialog(QWidget* parent = nullptr);

    // What the three number edits show.
    Positionswerte werte() const;

    QGroupBox* GBFelddefinition;
    QLineEdit* EName;
    QComboBox* CFormular;
    QLineEdit *ETop, *ELeft, *EWidth;
    QPushButton *BtnFormular, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

public slots:
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Activate();
    void CFormularChange();
    void BtnOkClick();
    void BtnFormularClick();
    void werteZeigen(const Positionswerte& w);

    TastaturFelder* m_tastatur;
};
