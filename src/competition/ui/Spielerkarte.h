#pragma once
// "Spielerkarte": shows the player card in the reader, lets the operator
// edit it and writes it back. Made for one modal use; while it is open the
// card poll rests. Without a card it starts from the current player's name,
// pass number and birth date.

#include "competition/Spielerkarte.h"

#include <QDialog>
#include <array>
#include <functional>

class QAction;
class QLineEdit;
class QPushButton;
class TastaturFelder;

class TSpielerkarte : public QDialog {
    Q_OBJECT
public:
    explicit TSpielerkarte(QWidget* parent = nullptr);
    ~TSpielerkarte() override;

    QLineEdit *EName, *EPass, *EGeb, *EGeschl, *EVerein, *ESparte, *EBeitrag, *EClub, *EKlasse;
    std::array<QLineEdit*, 4> EErsatzSpiel, EErsatzDat;  // EErsatzSpiel1..4, EErsatzDat1..4
    QPushButton *BtnLesen, *BtnSpeichern, *BtnZurueck;
    QAction* PopupColorGround;

    // An edit since the card was last read or written.
    bool Geaendert = false;

    // The question before a card of another kind is overwritten (true:
    // overwrite); THinweisKarte unless replaced.
    std::function<bool()> ueberschreibenFragen;

    // At the first showing: the card in the reader, or the current player.
    void FormActivate();
    // "Karte &lesen": reads until a card was read or the operator gives up.
    void BtnLesenClick();
    // "Karte &speichern": writes until the card was written or the operator gives up.
    void BtnSpeichernClick();
    // "&Zurück": asks to save changes (written as "Karte speichern" writes) and closes with OK.
    void BtnZurueckClick();

    // The edits as a card; the reserved field as the card read in this
    // window (empty before a read: the card written keeps its own).
    TSpielerkartenDaten felder() const;
    void anzeigen(const TSpielerkartenDaten& d);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

public slots:
    // Every way out: the card poll runs again (when the reader allows it).
    void done(int ergebnis) override;

private:
    // Writes the edits; asks "Bitte Karte einschieben !" after each failure.
    // True when the card was written.
    bool karteSchreiben();
    QList<QLineEdit*> edits() const;

    TastaturFelder* m_tastatur;
    QList<QLineEdit*> m_masken;  // the edits whose caret goes behind the text on a tap
    bool m_aktiviert = false;
    QByteArray m_reserviert;  // of the card read in this window
};
