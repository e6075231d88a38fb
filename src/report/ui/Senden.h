#pragma once
// What the fax and the e-mail dialog "Spielbericht senden ?" share: the
// cover list, the buttons "&Standard", "Deck&blatt", "&Ok", "&Abbrechen"
// with their hints and click sound, the colour pop-up, the button rows,
// and refilling the cover list after the cover-sheet window.

#include <QDialog>

class QAction;
class QComboBox;
class QLayout;
class QPushButton;

class TSendenDialog : public QDialog {
    Q_OBJECT
public:
    QComboBox* CDeckblatt;
    QPushButton *BtnStandard, *BtnDeckblatt, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

protected:
    // Makes the cover list; the dialog makes its own controls after it.
    TSendenDialog(QWidget* parent, const char* name);
    // Then the buttons (`farbe`: the setting of the pop-up's colour) and the
    // layout: `oben` above the two button rows.
    void knoepfeEinrichten(const QString& standardTipp, const char16_t* farbe);
    void layoutSetzen(QLayout* oben);

    void showEvent(QShowEvent* event) override;
    virtual void FormActivate() = 0;
    virtual void BtnStandardClick() = 0;
    virtual void BtnOkClick() = 0;
    // The cover entry chosen now.
    virtual int deckblattEintrag() const;
    // The cover names in order with entry k selected; none when cover k no longer exists.
    void listeFuellen(int k);
    // The cover-sheet window; the list shows its covers afterwards with the
    // same cover chosen, under its new number when covers before it came or
    // went ("kein Deckblatt" when it was deleted).
    void BtnDeckblattClick();
};
