#pragma once
// The team-data dialog of one side of the current match: first-leg values
// and the five free form fields with their names. New and renamed fields
// take their name from the position dialog.

#include "competition/Mannschaftsdaten.h"

#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TastaturFelder;

class TMannschaftsdaten : public QDialog {
    Q_OBJECT
public:
    // On AktWettkampf, which must be set.
    TMannschaftsdaten(QWidget* parent, bool heim);

    QLineEdit *EVorErgebnis, *EVorSaP, *EVorMaP, *EVorTaP;
    QLineEdit *EFeld1, *EFeld2, *EFeld3, *EFeld4, *EFeld5;
    QLabel *LFeld1, *LFeld2, *LFeld3, *LFeld4, *LFeld5;
    QPushButton *BtnNeu, *BtnUmbenennen, *BtnLoeschen, *BtnOk, *BtnAbbrechen;
    QMenu* PopupFeld;
    QAction *PopupPosition, *PopupColorGround;

    const Feldnamen& feldnamen() const { return m_namen; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QLineEdit* feld(int i) const;
    QLabel* beschriftung(int i) const;
    void anzeigen();
    bool nameTaugt(const QString& name);
    void BtnNeuClick();
    void BtnUmbenennenClick();
    void BtnLoeschenClick();
    void BtnOkClick();
    void EFeldMouseDown(int i);

    Feldnamen m_namen;
    TastaturFelder* m_tastatur;
};
