#pragma once
// The set-up of the four central throw printers: port and serial
// parameters, lanes, emulation, paper feeds and the printer codes of the
// German special letters; "&Test" prints a test line and calibrates the
// printer's DruckWait. It edits the working copies it is given (those of the
// options dialog); "&Ok" and "&Abbrechen" only close it, and of the live
// settings only DruckWait changes, by the test.

#include "match/print/Druckerportdialog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolBar;
class QToolButton;

class TDruckerPort : public QDialog {
    Q_OBJECT
public:
    explicit TDruckerPort(DruckerportArbeitskopie& opt, QWidget* eltern = nullptr);

    QToolBar* TBarMain;
    QToolButton* SBtnDrucker1;
    QToolButton* SBtnDrucker2;
    QToolButton* SBtnDrucker3;
    QToolButton* SBtnDrucker4;
    QComboBox* CSchnittstelle;
    QComboBox* CBaud;
    QComboBox* CDatenbit;
    QComboBox* CParity;
    QComboBox* CStopbit;
    QComboBox* CMode;
    QLineEdit* ETimer;
    QComboBox* CEmulation;
    QGroupBox* GBDrBahnen;
    QComboBox* CDrBahnVon;
    QComboBox* CDrBahnBis;
    QGroupBox* GBSonderzeichen;
    QComboBox* CSonderzeichen;
    QLineEdit* ESonderzeichen;
    QGroupBox* GBPapiervorschub;
    QLineEdit* EStartFeed;
    QLineEdit* EEndFeed;
    QLineEdit* EPageLength;
    QCheckBox* CBFormFeed;
    QPushButton* BtnOk;
    QPushButton* BtnTest;
    QPushButton* BtnAbbruch;

    int AktDrucker = 1;
    // The working copies the dialog edits.
    DruckerportArbeitskopie& Opt;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CSchnittstelleChange();
    void SBtnDruckerClick(int drucker);
    void Speichern();
    void BtnOkClick();
    void BtnTestClick();
    void EditChange(QLineEdit* edit);
    void CSonderzeichenClick();
    void ESonderzeichenChange();

    std::array<QToolButton*, 4> m_druckerKnoepfe{};
};
