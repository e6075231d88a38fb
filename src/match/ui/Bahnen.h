#pragma once
// The lane overview "Bahnen": four lane panels side by side, each with the
// player's name, the lane's status, the marks and counts of the running part
// and the standing of the player's side. A click on a panel opens the
// correction panel or restores a finished part, a right click the lane
// control window; the arrows page by a lane pair.

#include "core/CheckedArray.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
struct BahnfeldAnzeige;
struct Blaettern;

class TBahnen : public QWidget {
    Q_OBJECT
public:
    explicit TBahnen(QWidget* parent = nullptr);

    // A border by the setting Verschiebbar, none without.
    void RahmenSetzen();

    // Redraws lane n when it is on the page.
    void BahnfeldAnzeigen(int n);
    // Pages to ErsteAnzeigebahn (kept within the alley) and redraws the four lanes.
    void SeiteAnzeigen();
    // Right click on a lane panel: the lane control window on that lane, modally.
    std::function<void(int bahn)> bahnsteuerungModal;

    // The controls of one lane panel (k = 1..4).
    struct Feld {
        QFrame* PBahn = nullptr;
        QFrame* PName = nullptr;
        QLabel* Name = nullptr;  // the name in PName
        QLabel* LBahn = nullptr;
        QLabel* Status = nullptr;
        std::array<QLabel*, 6> W{};
        std::array<QLabel*, 3> WS{};
        QLabel *WurfZ = nullptr, *WurfS = nullptr, *FehlerS = nullptr, *VolleS = nullptr, *AbrS = nullptr,
               *TotalS = nullptr, *VerwS = nullptr, *PunkteS = nullptr;
        QLabel *WurfZText = nullptr, *WurfSText = nullptr, *FehlerSText = nullptr, *VolleSText = nullptr,
               *AbrSText = nullptr, *TotalSText = nullptr, *VerwSText = nullptr, *PunkteSText = nullptr;
        QLabel *Mannschaft = nullptr, *SpielTotal = nullptr, *SpielPlus = nullptr;
    };
    Array1<Feld, 4> Felder;
    QPushButton* BtnLinks;
    QPushButton* BtnRechts;
    QAction* PopupColorGround;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void feldBauen(int k);
    void textfarbeAnpassen();
    void anwenden(const BahnfeldAnzeige& a);
    void blaetternAnwenden(const Blaettern& b);
    void vierBahnenZeichnen();
    void BtnLinksClick();
    void BtnRechtsClick();
    void Beenden();

    bool m_gezeigt = false;
};
