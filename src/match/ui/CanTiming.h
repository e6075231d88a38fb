#pragma once
// The bit-timing dialog: the two SJA1000 timing bytes Btr0/Btr1 of the CAN
// settings as prescaler, SJW, the two segments and the sample count. A
// prescaler above 8 has no entry: it shows none and stays as stored unless
// the operator picks one.

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;

class TCanTiming : public QDialog {
    Q_OBJECT
public:
    explicit TCanTiming(QWidget* parent = nullptr);

    QComboBox* CTeiler;    // prescaler - 1: Btr0 bits 0..5
    QComboBox* CSJW;       // Btr0 bits 6..7
    QComboBox* CTiming1;   // Btr1 bits 0..3
    QComboBox* CTiming2;   // Btr1 bits 4..6
    QComboBox* CSamples;   // Btr1 bit 7
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A combo and its bit field: Btr0 or Btr1, shift, mask.
    struct Feld {
        QComboBox* combo;
        bool btr1;
        int schiebung;
        int maske;
    };
    std::array<Feld, 5> felder() const;
    void BtnOkClick();
};
