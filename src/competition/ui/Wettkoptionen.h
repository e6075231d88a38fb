#pragma once
// "Spieldaten": the options of the current match that the match window does
// not show. Filled from the match when shown, written back only by OK.

#include "competition/Wettkampfoptionen.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TastaturFelder;

class TWettkoptionen : public QDialog {
    Q_OBJECT
public:
    explicit TWettkoptionen(QWidget* parent = nullptr);

    QLineEdit *EVolle, *EAbr, *EWurfZeit;
    QCheckBox* CBManualBahnw;
    QLineEdit *ELand, *EBezirk, *EOrt, *ESpielBeg, *ESpielEnd, *ESpielTag;
    QCheckBox *CBDrWurfblatt, *CBDrZweiBahnen, *CBDrZentral, *CBDrSparmodus, *CBDrKopf, *CBDrFuss;
    QCheckBox *CBStreichspiel, *CBPunktespiel;
    QCheckBox *CBSVictory1Spiel, *CBSVictory2Spiele;
    QLabel *LSVictory1Spiel, *LSVictory2Spiele;
    QLineEdit *ESVictory1Spiel, *ESVictory2Spiele;
    QCheckBox *CBSatzanzeige, *CBBahnergebnisse;
    QPushButton *BtnOk, *BtnAbbrechen, *BtnInternet;

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Wettkampfoptionen werte() const;
    void zeigen(const Wettkampfoptionen& o);
    void klick(Optionsbox box);
    void BtnOkClick();

    TastaturFelder* m_tastatur;
    bool m_zentraldrucker = false;
    bool m_punktespielVorher = false;
};
