#pragma once
// "Spiel laden": loads an entry of the folder shown into a new match. The
// window is accepted only when a match was loaded (WettkampfGeladen).

#include "competition/ui/Spielefenster.h"

class TLaden : public TSpieleFenster {
    Q_OBJECT
public:
    // Shows Spielordner.
    explicit TLaden(QWidget* parent = nullptr);

    QPushButton* BtnLaden;

    void BtnLadenClick();

protected:
    void auswahlGeaendert(int zeile) override;
    void knoepfeSetzen() override;
};
