#pragma once
// The on-screen keyboard for touch screens: a German layout, an edit line
// that edits one registered field at a time, and keys to step through the
// window's fields. Always on top, shown modally at a fixed place.

#include "core/Records.h"
#include "core/Tastatur.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

class TKeyb : public QDialog {
    Q_OBJECT
public:
    explicit TKeyb(QWidget* parent = nullptr);

    static constexpr int KeybTop = 320;
    static constexpr int KeybLeft = 18;

    QFrame* PText;
    QLabel* LText;
    QLineEdit* EText;
    QPushButton *BtnEsc, *BtnBacksp, *BtnEntf, *BtnClear, *BtnTab, *BtnReturn, *BtnEinfg, *BtnLock, *BtnShift1,
        *BtnShift2, *BtnZurueck, *BtnVor, *BtnLeft, *BtnRight, *BtnSpace;
    QFrame* PLedEinf;
    QFrame* PLedLock;
    QTimer* Timer1;  // 800 ms until a held key repeats
    QTimer* Timer2;  // 40 ms between repeats
    QMenu* PopupColor;
    QAction* PopupColorGround;

    // The key with that code as if pressed and released on the screen.
    QPushButton* taste(u8 code) const;

public slots:
    void setVisible(bool sichtbar) override;
    void accept() override;  // Return: writes the field back
    void reject() override;  // Esc: keeps the field as it was

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPushButton* knopf(const char* name, const QString& text, int x, int y, int breite = 50, int hoehe = 50);
    void zeichentaste(const char* name, u8 code, int x, int y, int breite = 50);
    void funktionstaste(QPushButton* b, void (TKeyb::*handlung)());
    template <typename F>
    void mitZeile(F f);
    void lampen();

    void gedrueckt(u8 code);
    void losgelassen();
    void wiederholen();
    void vor();
    void zurueck();
    void shift();
    void lock();
    void einfg();
    void clear();

    std::map<u8, QPushButton*> m_tasten;
};

// The one keyboard; created on first use, or by the program start with the
// main window as its parent.
TKeyb* Keyb(QWidget* parent = nullptr);

// Shows the keyboard for Feldcode (set by the caller) when `control` was
// tapped twice (or once, without the double tap; at once for null). True
// when it was shown (the call returns after it closed).
bool TastaturAnzeigen(QObject* control);

// The lane control panel, which the keyboard hides while it opens.
void TastaturBahnsteuerungSetzen(QWidget* panel);
