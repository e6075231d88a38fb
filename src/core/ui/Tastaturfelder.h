#pragma once
// A window's typed fields as the on-screen keyboard sees them. The window
// owns one of these: it registers each field under its code and, in touch
// mode, a tap (or the double tap) on a field opens the keyboard for it.

#include "core/Tastatur.h"

#include <QObject>
#include <functional>
#include <map>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

class TastaturFelder : public QObject {
public:
    // The codes min..max are the window's range for the keyboard's step keys.
    TastaturFelder(QWidget* fenster, u16 min, u16 max);
    ~TastaturFelder() override;

    // A window whose range changes (pages of a dialog) sets it anew.
    void bereich(u16 min, u16 max);

    // Two fields may share a code: a tap gives it to the field tapped.
    void feld(u16 code, const QString& prompt, u8 modus, QLineEdit* edit);
    // An editable combo box: the text, and the selected item's text.
    void feld(u16 code, const QString& prompt, u8 modus, QComboBox* combo);
    // Line 1..4 of a memo, at most 80 characters.
    void zeile(u16 code, const QString& prompt, QPlainTextEdit* memo, int zeile);
    // A field with its own reading and writing; `control` is what is tapped.
    void feld(Tastaturfeld f, QWidget* control);

    // Whether taps open the keyboard; TouchEingabe unless the window says.
    std::function<bool()> touchAn;
    // Told when a tap opened the keyboard.
    std::function<void(QWidget*)> geoeffnet;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void beobachten(QWidget* w, u16 code);
    // The field of a tapped control (or of the combo or memo it belongs to)
    // becomes the one registered under its code.
    void uebernehmen(QObject* o, u16 code);

    u16 m_min, m_max;
    std::map<QObject*, u16> m_codes;
    std::map<QObject*, Tastaturfeld> m_felder;
    std::map<u16, QObject*> m_inhaber;  // the control registered under a code now
    bool m_nachDoppel = false;
};

// The text a line edit gives the keyboard: a masked edit that holds only
// its separators counts as empty.
QString FeldText(const QLineEdit* edit);
// Writes a text into a line edit as if typed: a change marks the edit
// modified and textEdited follows.
void FeldSchreiben(QLineEdit* edit, const QString& text);
