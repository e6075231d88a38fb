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
#include "displays/ui/Clientgruppe.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TMonitoranz : public Clientdialog {
    Q_OBJECT
public:
    explicit TMonitoranz(QWidget* parent = nullptr);

    QComboBox* CMonitor;  // lane 1..16

    QCheckBox* CBErgebnis;  // "Ergebnisse anzeigen"
    QRadioButton *RBErgebnistafel, *RBWurftafel, *RBWechsel;
    QLabel *LTimer1, *LTimer2;
    QLineEdit *ETimer1, *ETimer2;
    QCheckBox* CBEinMonitor;  // "Ergebnistafel nur auf einem Monitor"
    QPushButton* BtnFarbe;

    // The lane chosen in "Monitor:", 1..16.
    int monitor() const;
    // The client records as edited; taken from the settings on each opening.
    const Array1<TMonitorExport, 16>& clients() const { return m_clients; }

    void BtnFarbeClick();

protected:
    TWerbeZustand& werbezustand(TWettkampfDaten& w) const override;
    Werbeeinstellungen werbeeinstellungen() const override;
    void eigeneZeigen(const TWettkampfDaten* w) override;
    void spielUebernehmen(TWettkampfDaten& w) override;
    void einstellungenUebernehmen() override;
    void schluesselSchreiben() const override;
    void konfigurationSenden(bool mitWerbedateien) override;

private:
    QWidget* steuerungAufbauen();
    void ergebnisseFreigeben();

    Array1<TMonitorExport, 16> m_clients;
};
