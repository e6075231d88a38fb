#pragma once
// The info terminal's configuration "Konfiguration des Infoterminals": the
// advert choice of the match or of new matches, the terminal's client
// (folder, exchange kind, address) and its colours (" Steuerung "), the
// advert editor (" Werbung") and a formatted text (" Text"). Created once
// when the terminal is switched on and kept hidden; its OK exports the
// configuration and the status to the terminal after a question.

#include "core/Settings.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QToolButton;
class Werbeeditor;

class TInfoterminal : public QDialog {
    Q_OBJECT
public:
    explicit TInfoterminal(QWidget* parent = nullptr);
    ~TInfoterminal() override;

    // Shows the page of that objectName ("TabSteuerung", "TabWerbung", "TabText").
    void seiteZeigen(const QString& name);

    QTabWidget* PageControl;
    QWidget *TabSteuerung, *TabWerbung, *TabText;

    QComboBox* CKonfiguration;
    QCheckBox* CBWerbungOn;
    QLineEdit *EWerbezeitDef, *EWerbeabstDef;
    QLineEdit* EClientVerzeichnis;
    QPushButton* BtnClientSuchen;
    QRadioButton *RBTcp, *RBDatei;
    QLabel* LAdresse;
    QLineEdit* EAdresse;
    QPushButton* BtnFarbe;

    Werbeeditor* Editor;

    QComboBox *CBFont, *CBGroesse;
    QToolButton *SBtnFett, *SBtnKursiv, *SBtnSchriftfarbe, *SBtnLeft, *SBtnRight;
    QTextEdit* REFormular;
    QPushButton* BtnAnzeigen;

    QPushButton *BtnOK, *BtnAbbruch;

    // The terminal's client as edited; taken from the settings on each opening.
    const TMonitorExport& client() const { return m_client; }

    // Asks for a file in the terminal's folder (the file dialog); tests put their own in.
    std::function<QString()> dateiWaehlen;

    void BtnOKClick();
    void BtnClientSuchenClick();
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
    void clientZeigen();
    void austauschGewaehlt();
    void exportFragen();

    TMonitorExport m_client;
};
