#pragma once
// The print options dialog "Spielberichtsdruck": font, margins, orientation
// and printers of the layout berichtZustand.FormularIndex, and the printing
// switches. Every showing reloads the controls; OK takes them over and saves
// the layout's keys. When the print server does not answer as the dialog
// opens, the operator is told and the kept printers stay as they are.

#include "report/Druckoptionen.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QAction;

class TDruckoptionen : public QDialog {
    Q_OBJECT
public:
    // `seite` (Druckoptionenseite) is the page shown first.
    explicit TDruckoptionen(QWidget* parent = nullptr, int seite = SeiteText);

    QTabWidget* TabCDruck;
    // " Text"
    QComboBox* CFontName;
    QLineEdit* EFontSize;
    QPushButton *BtnSchriftart, *BtnStandard;
    QToolButton *SBtnFett, *SBtnKursiv, *SBtnSchriftfarbe;
    QLabel* LSchrift;
    // "Formular"
    QLineEdit *ERandOben, *ERandLinks, *ERandRechts, *ERandUnten;
    QComboBox* CBEinheit;
    QRadioButton *RBHochformat, *RBQuerformat;
    // "Drucker"
    QComboBox *CDrucker, *CFax, *CKopien;
    QPushButton *BtnDrucker, *BtnFax;
    QCheckBox *CBDrBahndrucker, *CBDrGrafik;

    QPushButton *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

    // The working font as it stands.
    const Druckoptionswerte& schrift() const { return m_schrift; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* textSeite();
    QWidget* formularSeite();
    QWidget* druckerSeite();
    // FormActivate: the controls from the layout's record and the switches.
    void laden();
    // The working font into its controls and the preview.
    void schriftZeigen();
    void BtnSchriftartClick();
    void SBtnSchriftfarbeClick();
    void einrichten(QComboBox* liste);
    void BtnOkClick();

    int m_seite;
    int m_index = 0;
    Druckoptionswerte m_schrift;   // the working font
    Druckoptionswerte m_geladen;   // as the layout's record had it
    bool m_druckserver = true;     // the print server answered as the dialog opened
};
