#pragma once
// The name boards' configuration "Konfiguration der Namenanzeige": names,
// brightness, the two alternations and the advert texts of the match or of
// new matches (" Steuerung "), and the editor of the advert texts
// (" Werbung"). Created once when the name boards are switched on and kept
// hidden; its timers are those of the boards' controller
// (displays/Namenanzeige.h).

#include "displays/ui/Werbedialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

class TNamenanz : public Werbedialog {
    Q_OBJECT
public:
    explicit TNamenanz(QWidget* parent = nullptr);
    ~TNamenanz() override;

    QCheckBox* CBNamenOn;
    QSlider* TBHelligkeit;
    QLineEdit* EHelligkeit;
    QPushButton *BtnHelligkeitDown, *BtnHelligkeitUp;
    QCheckBox* CBVorWechsel;
    QSlider* TBVorWechsel;
    QPushButton *BtnVorWechselDown, *BtnVorWechselUp;
    QCheckBox* CBSaPWechsel;
    QSlider* TBSaPWechsel;
    QPushButton *BtnSaPWechselDown, *BtnSaPWechselUp;
    // CBWerbungOn reads "Text anzeigen".

protected:
    TWerbeZustand& werbezustand(TWettkampfDaten& w) const override;
    Werbeeinstellungen werbeeinstellungen() const override;
    void eigeneZeigen(const TWettkampfDaten* w) override;
    void steuerungUebernehmen() override;
    void spielUebernehmen(TWettkampfDaten& w) override;
    void einstellungenUebernehmen() override;
    void schluesselSchreiben() const override;

private:
    QWidget* steuerungAufbauen();
    void helligkeitGeaendert(const QString& text);
    bool hatEintraege(int konfiguration) const;
};
