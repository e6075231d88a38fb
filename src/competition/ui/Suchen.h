#pragma once
// The search dialog of the player database ("Suchen", F8 in the set-up
// window): a text, the column to search, where to begin (after the row
// marked, or the table's first row) and whether a piece of a cell's text or
// the whole cell must match. The find is read back by the caller, which marks
// the cell.

#include <QDialog>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TSuchen : public QDialog {
    Q_OBJECT
public:
    // `markiert`: the row now marked in the grid (-1 none); "ab Markierung"
    // searches from the row after it.
    TSuchen(QWidget* parent, int markiert);

    QLineEdit* ESuchen;
    QComboBox* CBSuchenIn;
    QRadioButton *RBMarkierung, *RBTabellenanfang, *RBTextteil, *RBZelleintrag;
    QPushButton *BtnSuchen, *BtnAbbrechen;
    QAction* PopupColorGround;

    // Searches from the row; the first match becomes the find. Nothing
    // happens without a text, and a search without a match changes nothing.
    void SuchenFrom(int start);
    int fundZeile() const { return m_fundZeile; }
    int fundSpalte() const { return m_fundSpalte; }

private:
    void BtnSuchenClick();

    int LetzteFundzeile;
    int m_fundZeile = -1;
    int m_fundSpalte = -1;
};
