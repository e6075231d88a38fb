#pragma once
// What the fax and the e-mail dialog share: caption, colour, and the buttons
// "&Standard", "Deck&blatt", "&Ok", "&Abbrechen" with their hints, click
// sound and the colour pop-up.

class QAction;
class QDialog;
class QPushButton;
class QString;

struct Sendeknoepfe {
    QPushButton *BtnStandard, *BtnDeckblatt, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;
};

// `farbe`: the setting the pop-up stores the colour in. Cancel rejects; the
// dialog connects the other three itself.
Sendeknoepfe SendenEinrichten(QDialog* d, const QString& standardTipp, const char16_t* farbe);
