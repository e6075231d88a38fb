#pragma once
// The result board's configuration "Konfiguration der Großanzeige": the
// defaults and the change between the matches (" Steuerung "), the advert
// editor (" Werbung") and a formatted text shown over the board for some
// seconds (" Text"). Created once and kept hidden; its timers are those of
// the board's controller (displays/Grossanzsteuerung.h).

#include "displays/ui/Werbedialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

class TGrossanz : public Werbedialog {
    Q_OBJECT
public:
    explicit TGrossanz(QWidget* parent = nullptr);
    ~TGrossanz() override;

    QCheckBox* CBWechsel;
    QSlider* TBWechsel;
    QPushButton *BtnWechselDown, *BtnWechselUp;
    QPushButton* BtnFarbe;
    QCheckBox* CBBannerAnzeigen;

    QLineEdit* EAnzeigezeit;
    QPushButton* BtnAnzeigen;

    void BtnAnzeigenClick();
    void BtnFarbeClick();

protected:
    TWerbeZustand& werbezustand(TWettkampfDaten& w) const override;
    Werbeeinstellungen werbeeinstellungen() const override;
    void eigeneZeigen(const TWettkampfDaten* w) override;
    void steuerungUebernehmen() override;
    void spielUebernehmen(TWettkampfDaten& w) override;
    void schluesselSchreiben() const override;

private:
    QWidget* steuerungAufbauen();
    void textAufbauen();
};
