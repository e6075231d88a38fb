#pragma once
// The info terminal's configuration "Konfiguration des Infoterminals": the
// advert choice of the match or of new matches, the terminal's client
// (folder, exchange kind, address) and its colours (" Steuerung "), the
// advert editor (" Werbung") and a formatted text (" Text"). Created once
// when the terminal is switched on and kept hidden; its OK exports the
// configuration and the status to the terminal after a question.

#include "core/Settings.h"
#include "displays/ui/Clientgruppe.h"

class QPushButton;

class TInfoterminal : public Clientdialog {
    Q_OBJECT
public:
    explicit TInfoterminal(QWidget* parent = nullptr);

    QPushButton* BtnFarbe;
    QPushButton* BtnAnzeigen;

    // The terminal's client as edited; taken from the settings on each opening.
    const TMonitorExport& client() const { return m_client; }

    void BtnFarbeClick();

protected:
    TWerbeZustand& werbezustand(TWettkampfDaten& w) const override;
    Werbeeinstellungen werbeeinstellungen() const override;
    void eigeneZeigen(const TWettkampfDaten* w) override;
    void einstellungenUebernehmen() override;
    void schluesselSchreiben() const override;
    void konfigurationSenden(bool mitWerbedateien) override;

private:
    QWidget* steuerungAufbauen();
    void textAufbauen();

    TMonitorExport m_client;
};
