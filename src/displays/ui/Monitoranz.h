#pragma once
// The lane monitor clients' configuration "Konfiguration der Monitoranzeige":
// the advert choice of the match or of new matches, the client of each lane
// (folder, exchange kind, address), the result display options and the
// colours (" Steuerung "), and the advert editor (" Werbung"). Created once
// when the monitors are switched on and kept hidden. The dialog edits a copy
// of the 16 client records, taken from the settings on each opening; its OK
// sends the configuration to the clients after a question
// (displays/Monitorexport.h).

#include "core/CheckedArray.h"
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
class Werbeeditor;

class TMonitoranz : public QDialog {
    Q_OBJECT
public:
    explicit TMonitoranz(QWidget* parent = nullptr);
    ~TMonitoranz() override;

    // Shows the page of that objectName ("TabSteuerung", "TabWerbung").
    void seiteZeigen(const QString& name);

    QTabWidget* PageControl;
    QWidget *TabSteuerung, *TabWerbung;

    QComboBox* CKonfiguration;
    QCheckBox* CBWerbungOn;
    QLineEdit *EWerbezeitDef, *EWerbeabstDef;

    QComboBox* CMonitor;  // lane 1..16
    QLineEdit* EClientVerzeichnis;
    QPushButton* BtnClientSuchen;
    QRadioButton *RBTcp, *RBDatei;
    QLabel* LAdresse;
    QLineEdit* EAdresse;

    QCheckBox* CBErgebnis;  // "Ergebnisse anzeigen"
    QRadioButton *RBErgebnistafel, *RBWurftafel, *RBWechsel;
    QLabel *LTimer1, *LTimer2;
    QLineEdit *ETimer1, *ETimer2;
    QCheckBox* CBEinMonitor;  // "Ergebnistafel nur auf einem Monitor"
    QPushButton* BtnFarbe;

    Werbeeditor* Editor;

    QPushButton *BtnOK, *BtnAbbruch;

    // The lane chosen in "Monitor:", 1..16.
    int monitor() const;
    // The client records as edited; taken from the settings on each opening.
    const Array1<TMonitorExport, 16>& clients() const { return m_clients; }

    // Asks for a file in the client's folder (the file dialog); tests put their own in.
    std::function<QString()> dateiWaehlen;

    void BtnOKClick();
    void BtnClientSuchenClick();
    void BtnFarbeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    QWidget* steuerungAufbauen();
    void aktivieren();
    void konfigurationenZeigen(bool auswahlBehalten);
    void feldbereichSetzen();
    void clientZeigen();
    void austauschGewaehlt();
    void ergebnisseFreigeben();
    void einstellungenSchreiben();

    Array1<TMonitorExport, 16> m_clients;
};
