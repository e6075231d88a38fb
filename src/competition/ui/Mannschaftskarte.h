#pragma once
// "Daten werden übertragen !": the window of one team-card transfer. It runs
// its transfer as soon as it is shown, moves its bar with the transfer's
// progress, asks "Bitte Karte erneut einschieben !" after a failed block and
// before overwriting a card of another kind, and closes itself on every way
// out: accepted when the transfer succeeded. The card poll is off while it
// runs.

#include "competition/Spielerkarte.h"

#include <QDialog>

class QProgressBar;

class TMannschaftskarte : public QDialog {
    Q_OBJECT
public:
    enum class Auftrag {
        Laden,      // a new current match from the card
        Speichern,  // the current match to the card
        Gast,       // the card's club and players 1..8 as the current match's guest side
    };

    explicit TMannschaftskarte(Auftrag auftrag, QWidget* parent = nullptr);
    ~TMannschaftskarte() override;

    QProgressBar* ProgressBar;

    Auftrag auftrag() const { return m_auftrag; }
    // Abgebrochen until the transfer has run.
    Kartenergebnis ergebnis() const { return m_ergebnis; }

    // Runs the transfer (once) and closes the window.
    void uebertragen();

    // The match window's guest field: with a reader and a card in it, the
    // guest load in this window, modal and centred. True when the guest side
    // was read; nothing is shown without a reader or a card.
    static bool GastkarteUebertragen(QWidget* eltern);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    // The window closes only through its transfer.
    void reject() override;

private:
    Auftrag m_auftrag;
    Kartenergebnis m_ergebnis = Kartenergebnis::Abgebrochen;
    bool m_begonnen = false;
    bool m_fertig = false;
};
