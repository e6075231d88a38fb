#pragma once
// The player results dialog "Spieler <name>" for AktSpieler of AktWettkampf:
// personal data, results and the four lane blocks on three pages; edited
// lane results are taken over on the PC alone or also to the lane display.

#include "match/lanes/Spielerdaten.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TastaturFelder;

class TSpielerdaten : public QDialog {
    Q_OBJECT
public:
    explicit TSpielerdaten(QWidget* eltern);

    QTabWidget* TabControlSpielerdaten;
    QWidget *TabSpieler, *TabErgebnisse, *TabBahnergebnisse;
    // " Spieler "
    QLineEdit *EName, *EPass, *EGeb, *ELetztSpiel, *ELetztPlatz;
    QCheckBox* CBWertung;
    QPushButton* BtnSpielerkarte;
    // " Ergebnisse "
    QLineEdit *EVolle, *EAbr, *EFehler, *EWurf, *EBonus, *ETotal, *EPlatz;
    QLabel* LBerechnen;
    QPushButton* BtnWurfliste;
    // " Bahnergebnisse ": index 1..4 (0 unused)
    QWidget* PBahn[MaxDurchgaenge + 1] = {};
    QLabel* LBahn[MaxDurchgaenge + 1] = {};
    QLineEdit *EWurfD[MaxDurchgaenge + 1] = {}, *EVolleD[MaxDurchgaenge + 1] = {}, *EAbrD[MaxDurchgaenge + 1] = {},
              *EFehlerD[MaxDurchgaenge + 1] = {}, *ETotalD[MaxDurchgaenge + 1] = {},
              *EPunkteD[MaxDurchgaenge + 1] = {};
    QLabel* LPunkte[MaxDurchgaenge + 1] = {};
    QPushButton *BtnAusbessernPCBahn, *BtnAusbessernPC, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

    // The lane blocks as last computed (opening, selecting the lane page).
    const Bahnblockansichten& bahnzustand() const { return m_zustand; }
    bool bahnenGeaendert() const { return m_geaendert; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int ergebnis) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void Activate();
    void ErgebnisseFuellen();
    void BahnenZeigen();
    void BahnenFuellen();
    void TabControlSpielerdatenChange(int index);
    void EVolleChange();
    void EBahnErgChange(int d);
    void EPunkteChange();
    void KnoepfeZeigen();
    void LBerechnenClick();
    void BtnWurflisteClick();
    void BtnSpielerkarteClick();
    void BtnUebernehmenClick(bool anBahn);
    void BtnOkClick();
    SpielerdatenFelder felder() const;

    TastaturFelder* m_tastatur;
    Bahnblockansichten m_zustand;
    bool m_geaendert = false;
    bool m_nurPc = false;
    int m_nr = 0;  // AktSpieler's number in AktWettkampf
};
