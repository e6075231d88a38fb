#pragma once
// The options pages "Bahnsteuerung " (size of the alley, lane control, lane
// change, throw-sheet and report printing, the printer ports) and "Can Bus "
// (CAN adapter, bus clock, port and interrupt, adapter test, send timer).

#include "core/Records.h"
#include "shell/ui/Optionen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TastaturFelder;

class TBahnsteuerungSeite final : public Optionenseite {
    Q_OBJECT
public:
    explicit TBahnsteuerungSeite(TOptionen& dialog);

    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override;
    void gezeigt() override;

    QComboBox* CBahnenAnzahl;
    QComboBox* CBahnSteuerung;
    QComboBox* CPcVerbund;
    QComboBox* CPcEinheit;
    QLineEdit* ETimeoutBahnw;
    QCheckBox* CBWurffehler;
    QCheckBox* CBManualBahnw;
    QCheckBox* CBWurfzeitBahn;
    QCheckBox* CBDrWurfblatt;
    QCheckBox* CBDrKopf;
    QCheckBox* CBDrFuss;
    QCheckBox* CBDrZweiBahnen;
    QCheckBox* CBDrZentral;
    QCheckBox* CBDrSparmodus;
    QCheckBox* CBDrEinschalten;
    QCheckBox* CBDruckerstatus;
    QPushButton* BtnDruckerPort;
    QCheckBox* CBDrBahndrucker;
    QComboBox* CKopien;
    QCheckBox* CBDrGrafik;

    // The lanes chosen on the page; the alley's count while none is chosen.
    int bahnAnzahl() const;

private:
    // The print boxes react to the operator's clicks only, so that a box
    // changed by another box's handler does not hand the change on.
    void CBDrWurfblattClick();
    void CBDrZweiBahnenClick();
    void CBDrZentralClick();
    void BtnDruckerPortClick();
    // No printer has a port: the seven throw-sheet boxes off and disabled.
    void druckboxenAus();

    TastaturFelder* m_felder;
};

class TCanBusSeite final : public Optionenseite {
    Q_OBJECT
public:
    explicit TCanBusSeite(TOptionen& dialog);

    void laden() override;
    std::optional<Feldfehler> pruefen() const override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override;
    void gezeigt() override;

    QComboBox* CCanBusKarte;
    QComboBox* CCanBusMem;
    QComboBox* CCanBusIrq;
    QComboBox* CCanBusTakt;
    QPushButton* BtnTiming;
    QPushButton* BtnSuchen;
    QLineEdit* ECanTimer;
    QComboBox* CCanSendType;
    QLabel* LStateKarte;
    QLabel* LStateMem;
    QLabel* LStateIrq;
    QLabel* LCanState;

private:
    void CCanBusKarteChange();
    void CCanBusTaktChange();
    void BtnSuchenClick();
    // The field's number; a disabled field whose text is none keeps the
    // stored value (its text cannot be corrected there).
    std::optional<u16> port() const;
    std::optional<u8> irq() const;

    TastaturFelder* m_felder;
};

// The lanes chosen on the dialog's page "Bahnsteuerung " (for the lane
// entries of the page "Vorwahl ").
int OptionenBahnAnzahl(const TOptionen& dialog);
