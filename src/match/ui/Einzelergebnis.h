#pragma once
// The throw list "Einzelergebnis" of the current player: every throw lane by
// lane with its pins, running miss number and event marks, the pin picture of
// a chosen throw, the lane results in four ways and the alley analysis. From
// it the player's throw protocol and the side's alley statistics are printed.

#include "core/CheckedArray.h"
#include "match/lanes/Wurfliste.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

class TEinzelergebnis : public QDialog {
    Q_OBJECT
public:
    explicit TEinzelergebnis(QWidget* eltern);
    ~TEinzelergebnis() override;

    // The list while it shows, for the refresh after a booking.
    static TEinzelergebnis* offen();

    // Rebuilds the window from AktSpieler of AktWettkampf.
    void FormActivate();
    // The throws as they stand now, in the mode and with the buttons shown.
    void WuerfeNachfuehren();
    // The pin pictures of a grid row (0-based) for every played lane block;
    // only in the Wurfbild mode.
    void PinBildZeichnen(int zeile);

    const WurflisteSchalter& schalter() const { return m_schalter; }

    QToolButton* SBtnErgebnis = nullptr;
    QToolButton* SBtnVolle = nullptr;
    QToolButton* SBtnAbr = nullptr;
    QToolButton* SBtnFehler = nullptr;
    QToolButton* SBtnWurfbild = nullptr;
    QToolButton* SBtnKorrekt = nullptr;
    QToolButton* SBtnLinkeGasse = nullptr;
    QToolButton* SBtnRechteGasse = nullptr;
    QLabel* LName = nullptr;
    Array1<QGroupBox*, MaxDurchgaenge> GBBahn{};
    Array1<QLabel*, MaxDurchgaenge> ErgebnisBahn{};
    Array1<QLabel*, MaxDurchgaenge> ImageBahn{};
    QTableWidget* XGridEinzelergebnis = nullptr;
    QPushButton* BtnZurueck = nullptr;
    QPushButton* BtnDrucken = nullptr;
    QPushButton* BtnStatistikDrucken = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void bauen();
    void zeilenAnlegen(int wuerfe);
    void listeFuellen();
    void ansichtZeigen();
    void modusKlick(WurflisteModus m);
    void gasseKlick(Gassentaste t);
    void BtnDruckenClick();
    void BtnStatistikDruckenClick();
    void XGridEinzelergebnisClickCell(int zeile);

    void schalterAnzeigen();
    void ansichtAnwenden(int d, const BahnAnsicht& a);
    void bilderVerbergen();
    int auswahlZeile() const;
    TDurchgangBlock* block(int d) const;

    WurflisteSchalter m_schalter;
    bool m_modusGewaehlt = false;  // a button was pressed since the opening
};
