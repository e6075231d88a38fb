#pragma once
// The on-screen keyboard without its window: the edit line and its input
// rules, the step from field to field, the double tap that opens it, and
// the register of the fields that windows offer it.
//
// A window registers each of its typed fields under a field code with its
// prompt, input rule, and how to read and write the control. The keyboard
// edits one field at a time in its own edit line, writes it back on a step
// or Return and loads the next registered code of the window's range.

#include "core/Records.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// Input rules of a field.
enum Eingabemodus : u8 {
    ModusText = 0,
    ModusZiffern = 1,
    ModusDatum = 2,  // "dd.mm.yy": digits, and "." only at positions 2 and 5
    ModusZeit = 3,   // digits; the "." key gives ":" at positions 2 and 5
};

// Key codes besides the characters (Windows-1252 codes 32..223).
constexpr u8 TasteLinks = '<';
constexpr u8 TasteRechts = '>';
constexpr u8 TasteEntf = '|';
constexpr u8 TasteBacksp = '~';

// A field that a window offers the keyboard.
struct Tastaturfeld {
    u16 code = 0;
    QString prompt;  // "Club:"
    u8 modus = ModusText;
    std::function<QString()> lesen;
    std::function<void(const QString&)> schreiben;
    std::function<int()> maxLaenge;  // the control's own limit
    bool caretVorEnde = false;       // the caret opens one character before the end
    // Each character holds its place (throws of a phase): a character
    // overwrites the one under the caret, deleting leaves a blank.
    bool festeStellen = false;
    QPointer<QObject> ziel;          // the control; nothing is written once it is gone
};

// The registered fields by code. The newest live registration of a code
// serves; a window's registrations end with the window.
class Feldregister {
public:
    // False (nothing registered) when the code is already held by another
    // live control of the same owner: one window cannot give two fields one
    // code.
    bool anmelden(const Tastaturfeld& feld, const QObject* besitzer);
    void abmelden(u16 code, const QObject* besitzer);
    void abmelden(const QObject* besitzer);
    const Tastaturfeld* finden(u16 code) const;
    // The field code of a control, if it is registered.
    std::optional<u16> codeVon(const QObject* ziel) const;
    // The next registered code after `code` in the direction (+1/-1) within
    // min..max; `code` itself when there is none.
    u16 nachbar(u16 code, int richtung, u16 min, u16 max) const;

private:
    struct Eintrag {
        Tastaturfeld feld;
        const QObject* besitzer;
    };
    std::map<u16, std::vector<Eintrag>> m_felder;
};
Feldregister& feldregister();

// The keyboard's edit line as the rules see it.
struct Tastaturzeile {
    QString prompt;   // LText
    QString text;     // EText
    int caret = 0;
    int selStart = 0;
    int selLaenge = 0;
    int maxLaenge = 32767;
};

// The one keyboard's state; the names below refer into it.
struct TastaturZustand {
    u16 Feldcode = 0;
    u16 FeldcodeMin = 0;
    u16 FeldcodeMax = 0;
    u16 NaechsterFeldcode = 0;
    u8 Tastencode = 0;
    u8 Umschalt = 0;
    u8 Feststell = 0;
    u8 Einfuegen = 1;
    u8 NurSchreiben = 0;
    u8 ErstesLaden = 0;
    u8 Eingabemodus = ModusText;
    std::optional<Tastaturfeld> TastaturZiel;  // the field being edited; none for an unregistered code
    i32 TastaturPosition = 0;
    // Double tap: the control tapped once, and until when (ms) a second tap
    // on it opens the keyboard; -1 when no tap waits.
    QPointer<QObject> ErsterTipp;
    qint64 TippBis = -1;
    // Line mode for a multi-line text: every step writes and loads a line.
    u8 DeckblattTastaturModus = 0;
    u8 DeckblattZeile = 0;
    QStringList* DeckblattText = nullptr;

    void zuruecksetzen() { *this = TastaturZustand{}; }
};
extern TastaturZustand tastaturZustand;

extern u16 &Feldcode, &FeldcodeMin, &FeldcodeMax, &NaechsterFeldcode;
extern u8 &Tastencode, &Umschalt, &Feststell, &Einfuegen, &NurSchreiben, &ErstesLaden, &Eingabemodus;
extern i32& TastaturPosition;
extern u8 &DeckblattTastaturModus, &DeckblattZeile;

// The character a key gives with or without shift ("A" gives "a" and "A").
QChar TastenZeichen(u8 taste, bool umschalt);

// Applies the key Tastencode to the edit line by the field's input rule.
void EditChar(Tastaturzeile& z);
// Writes the current field back (unless it was only just opened) and loads
// NaechsterFeldcode (when stepping or opening).
void EditNext(Tastaturzeile& z);

// What the keyboard's keys do besides characters.
void TastaturAktivieren(Tastaturzeile& z);
void TasteVor(Tastaturzeile& z);
void TasteZurueck(Tastaturzeile& z);
void TasteReturn(Tastaturzeile& z);
void TasteEsc();
void TasteShift();
void TasteLock();
void TasteEinfg();
void TasteClear(Tastaturzeile& z);

// A tap on a control with the clock at `jetztMs`: true when the keyboard
// opens (a null control, single taps, or the second tap on the same control
// within DoppelclickSpeed).
bool TippOeffnet(QObject* control, qint64 jetztMs);
