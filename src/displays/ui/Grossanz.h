#pragma once
// The result board's configuration "Konfiguration der Großanzeige": the
// defaults and the change between the matches (" Steuerung "), the advert
// editor (" Werbung") and a formatted text shown over the board for some
// seconds (" Text"). Created once and kept hidden; its timers are those of
// the board's controller (displays/Grossanzsteuerung.h).

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTextEdit;
class QToolButton;
class Werbeeditor;

class TGrossanz : public QDialog {
    Q_OBJECT
public:
    explicit TGrossanz(QWidget* parent = nullptr);
    ~TGrossanz() override;

    // Shows the page of that objectName ("TabSteuerung", "TabWerbung", "TabText").
    void seiteZeigen(const QString& name);

    QTabWidget* PageControl;
    QWidget *TabSteuerung, *TabWerbung, *TabText;

    QComboBox* CKonfiguration;
    QCheckBox* CBWerbungOn;
    QLineEdit *EWerbezeitDef, *EWerbeabstDef;
    QCheckBox* CBWechsel;
    QSlider* TBWechsel;
    QPushButton *BtnWechselDown, *BtnWechselUp;
    QPushButton* BtnFarbe;
    QCheckBox* CBBannerAnzeigen;

    Werbeeditor* Editor;

    QComboBox *CBFont, *CBGroesse;
    QToolButton *SBtnFett, *SBtnKursiv, *SBtnSchriftfarbe, *SBtnLeft, *SBtnRight;
    QTextEdit* REFormular;
    QLineEdit* EAnzeigezeit;
    QPushButton* BtnAnzeigen;

    QPushButton *BtnOK, *BtnAbbruch;

    void BtnOKClick();
    void BtnAnzeigenClick();
    void BtnFarbeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    QWidget* steuerungAufbauen();
    QWidget* textAufbauen();
    void aktivieren();
    void konfigurationenZeigen(bool auswahlBehalten);
    void feldbereichSetzen();
};
