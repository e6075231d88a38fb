#pragma once
// The officials dialog: browses and edits the address list of match
// officials ("Spielleiter.inf") and copies the one shown into the current
// match on OK.

#include "competition/Spielleitung.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class TastaturFelder;

class TSpielleitung : public QDialog {
    Q_OBJECT
public:
    // Loads the list and shows the official of AktWettkampf.
    explicit TSpielleitung(QWidget* parent = nullptr);

    QLineEdit *EName, *EAnschrift, *EPlz, *EOrt, *ETel, *EFax, *EEmail, *ENummer, *ELandesverband;
    QPushButton *BtnZurueck, *BtnVor, *BtnSuchen, *BtnNeu, *BtnAendern, *BtnLoeschen, *BtnSpeichern;
    QPushButton *BtnOk, *BtnAbbrechen;
    QMenu* PopupFeld;
    QAction *PopupAusschneiden, *PopupEinfuegen, *PopupPosition, *PopupColorGround;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    SpielleiterFelder felder() const;
    // SpielleiterAnzeigen of the current index, and the buttons.
    void anzeigen();
    void EMouseDown(QLineEdit* edit, QPoint global);

    QPointer<QLineEdit> m_popupFeld;
    TastaturFelder* m_tastatur;
};
