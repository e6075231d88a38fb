#pragma once
// The editor of a throw preset's own start-order plan: for each of the 16
// players the lanes he plays on, chosen by clicking the lane pictures or
// typed as "01-02-03-04". OK saves the plan of the preset.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

class TStartfolge : public QDialog {
    Q_OBJECT
public:
    explicit TStartfolge(QWidget* parent = nullptr);
    void setVisible(bool visible) override;

    // Set by the caller before the dialog is shown: the preset's lane choice
    // ("Bahn 1 bis 4") and the preset's line in the throw presets (from 0),
    // under which OK saves the plan.
    QString BahnText;
    int Vorwahl = 0;

    QComboBox* CSpieler;  // "Heim 1".."Heim 8", "Gast 1".."Gast 8"
    QLineEdit* EStartfolge;
    Array1<QToolButton*, MaxBahnen> ImageBahn;  // property "Tag" = lane
    Array1<QLabel*, MaxBahnen> LBahn;
    QPushButton* BtnEingabeLoeschen;
    QPushButton* BtnLoeschen;
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;
    QMenu* PopupColor;
    QAction* PopupColorGround;

    void FormActivate();
    void CSpielerChange(int index);
    void BahnClick(int bahn);
    // Reads the edit into the chosen player's lanes; false (with a message,
    // the edit showing his lanes again) when it names a lane outside the range.
    bool EStartfolgeExit();
    void BtnEingabeLoeschenClick();
    void BtnLoeschenClick();
    void BtnOkClick();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void folgeZeigen();
};

// The editor for the current match's preset and lane choice (without a match
// the first preset and its first lane choice), or for the preset and lane
// choice set beforehand in VorgabeVorwahl and VorgabeBahnText.
TStartfolge* StartfolgeFuerWettkampf(QWidget* eltern);
