#pragma once
// The team boards' configuration "Konfiguration der Mannschaftsanzeige":
// the boards' brightness, what the current match (or, without one, a new
// match) shows on the team and name boards, and the speeds of the two
// alternations. The boards themselves are driven by the team boards'
// controller (displays/Mannschaftsanzeige.h).

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

// The five boxes, top to bottom.
struct MannschanzKaesten {
    bool Zuschalten = false;    // "freie Mannschaftsanzeige zuschalten"
    bool MannschNamen = false;  // "Mannschaftsergebnis in der Namenanzeige"
    bool MaNaWechsel = false;   // "Wechsel von Namen und Ergebnis"
    bool MaPMannsch = false;    // "MaPunkte in der Mannschaftsanzeige"
    bool MaPMaWechsel = false;  // "Wechsel von Ergebnis und MaPunkten"
    bool operator==(const MannschanzKaesten&) const = default;
};

enum class MannschanzKasten { Zuschalten, MannschNamen, MaNaWechsel, MaPMannsch, MaPMaWechsel };

// The boxes after the operator pressed one (its new state already in k):
// the free board and the result on the name boards exclude each other, and
// an unchecked box takes its alternation with it.
MannschanzKaesten MannschanzKastenGedrueckt(MannschanzKaesten k, MannschanzKasten gedrueckt);

// Which of the dependent controls the operator may use.
struct MannschanzFreigaben {
    bool MaNaWechsel = false;
    bool MaPMannsch = false;
    bool MaPMaWechsel = false;
    bool SchieberMaNa = false;   // the names/result speed bar and its buttons
    bool SchieberMaPMa = false;  // the result/points speed bar and its buttons
    bool operator==(const MannschanzFreigaben&) const = default;
};
MannschanzFreigaben MannschanzFreigabenVon(const MannschanzKaesten& k, bool punkteanzeige);

class TMannschaftanz : public QDialog {
    Q_OBJECT
public:
    explicit TMannschaftanz(QWidget* parent = nullptr);
    ~TMannschaftanz() override;

    QSlider* TBHelligkeit;
    QLineEdit* EHelligkeit;
    QPushButton *BtnHelligkeitDown, *BtnHelligkeitUp;

    QCheckBox *CBZuschalten, *CBMannschNamen, *CBMaNaWechsel, *CBMaPMannsch, *CBMaPMaWechsel;
    // Each speed bar with its buttons and labels.
    QWidget *PMaNaIntervall, *PMaPMaIntervall;
    QSlider *TBMaNaIntervall, *TBMaPMaIntervall;
    QPushButton *BtnMaNaDown, *BtnMaNaUp, *BtnMaPMaDown, *BtnMaPMaUp;

    QPushButton *BtnOK, *BtnAbbruch;

    void BtnOKClick();

    MannschanzKaesten kaesten() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void aktivieren();
    void kaestenZeigen(const MannschanzKaesten& k);
    void kastenGedrueckt(MannschanzKasten kasten);
};
