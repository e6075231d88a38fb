#pragma once
// The question before a card of another kind is overwritten: the caption and
// the first line name the kind expected (the player card's by default), the
// second line asks "Soll die Karte im Leser überschrieben werden ?".
// "&Ok" (1) overwrites, "&Abbrechen" (2, also Esc and close) keeps the card.

#include <QDialog>

class QLabel;
class QPushButton;

class THinweisKarte : public QDialog {
    Q_OBJECT
public:
    explicit THinweisKarte(QWidget* parent = nullptr);

    QLabel* Label1;  // "Im Leser befindet sich keine Spielerkarte !"
    QLabel* Label2;  // the fixed question
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;
};

// Asks with that caption and first line; true for "&Ok".
bool KarteUeberschreibenFragen(QWidget* eltern, const QString& titel, const QString& ersteZeile);
