#pragma once
// The name boards' configuration "Konfiguration der Namenanzeige": names,
// brightness, the two alternations and the advert texts of the match or of
// new matches (" Steuerung "), and the editor of the advert texts
// (" Werbung"). Created once when the name boards are switched on and kept
// hidden; its timers are those of the boards' controller
// (displays/Namenanzeige.h).

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class Werbeeditor;

class TNamenanz : public QDialog {
    Q_OBJECT
public:
    explicit TNamenanz(QWidget* parent = nullptr);
    ~TNamenanz() override;

    // Shows the page of that objectName ("TabSteuerung", "TabWerbung").
    void seiteZeigen(const QString& name);

    QTabWidget* PageControl;
    QWidget *TabSteuerung, *TabWerbung;

    QCheckBox* CBNamenOn;
    QSlider* TBHelligkeit;
    QLineEdit* EHelligkeit;
    QPushButton *BtnHelligkeitDown, *BtnHelligkeitUp;
    QCheckBox* CBVorWechsel;
    QSlider* TBVorWechsel;
    QPushButton *BtnVorWechselDown, *BtnVorWechselUp;
    QCheckBox* CBSaPWechsel;
    QSlider* TBSaPWechsel;
    QPushButton *BtnSaPWechselDown, *BtnSaPWechselUp;
    QComboBox* CKonfiguration;
    QCheckBox* CBWerbungOn;  // "Text anzeigen"
    QLineEdit *EWerbezeitDef, *EWerbeabstDef;

    Werbeeditor* Editor;

    QPushButton *BtnOK, *BtnAbbruch;

    void BtnOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    QWidget* steuerungAufbauen();
    void aktivieren();
    void konfigurationenZeigen(bool auswahlBehalten);
    void feldbereichSetzen();
    void helligkeitGeaendert(const QString& text);
    bool hatEintraege(int konfiguration) const;
};
