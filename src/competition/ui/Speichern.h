#pragma once
// "Spiel speichern": saves the current match under a name in the folder
// shown. The window is accepted only when the match was saved.

#include "competition/ui/Spielefenster.h"
#include "core/Records.h"

class TastaturFelder;

// The name the save window proposes: the match's save name, or the home
// team cut to 28 characters, " - " and the guest team, cut to 60.
QString SpeichernameVorschlag(const TWettkampfDaten& w);

class TSpeichern : public TSpieleFenster {
    Q_OBJECT
public:
    // Shows the current match's folder and proposes its name.
    explicit TSpeichern(QWidget* parent = nullptr);

    QPushButton* BtnSpeichern;
    // The entry selected: a new name goes behind it.
    int AuswahlIndex = -1;

    void BtnSpeichernClick();

protected:
    void auswahlGeaendert(int zeile) override;
    void knoepfeSetzen() override;

private:
    TastaturFelder* m_tastatur;
};
