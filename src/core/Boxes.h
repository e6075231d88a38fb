#pragma once
// The operator's message and input boxes, as the logic reaches them. The
// shell installs the windows at start; until then (and in tests) a scripted
// stand-in answers.

#include "core/Eingesetzt.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Modal results of the boxes.
enum Modalergebnis : int {
    ErgebnisOk = 1,
    ErgebnisAbbrechen = 2,
    ErgebnisJa = 6,
    ErgebnisNein = 7,
};

// What the input box is asked to edit.
struct EingabeAnfrage {
    QString beschriftung;  // label, such as "Total:"
    QString hinweis;       // tool tip of the edit
    QString text;          // start value
    float schritt = 1;     // step of the up and down buttons
    QString format;        // number format of the steps, such as "##0" or "0.0"
    int modus = 0;         // 2: half-step mode
    bool pfeileSichtbar = true;
    bool beliebigeZeichen = false;  // a name on a disk or a server, not stored in Windows-1252
};

class Boxen {
public:
    virtual ~Boxen() = default;
    // Notice with "&Ok"; the error sound.
    virtual void hinweis(const QString& text) = 0;
    // A notice the program raises by itself, not in answer to a command (a
    // card found in the reader): it leaves the keyboard focus where it is, so
    // that what the operator types stays in his field, and returns at once.
    virtual void meldung(const QString& text) { hinweis(text); }
    // Question with yes and no: ErgebnisJa or ErgebnisNein.
    virtual int hinweisJa(const QString& text) = 0;
    // The same under a caption of its own in place of "Achtung !".
    virtual int hinweisJaTitel(const QString& titel, const QString& text)
    {
        (void)titel;
        return hinweisJa(text);
    }
    // Question with OK and cancel: ErgebnisOk or ErgebnisAbbrechen.
    virtual int hinweisOk(const QString& text) = 0;
    // The edited text after OK; nullopt after cancel.
    virtual std::optional<QString> eingabe(const EingabeAnfrage& anfrage) = 0;
    // Question with yes, no and cancel: ErgebnisJa, ErgebnisNein or ErgebnisAbbrechen.
    virtual int hinweisMulti(const QString& text) = 0;
    // Question with one of several choices (radio buttons), `vorgewaehlt`
    // checked when it opens; the question sound. The index of the choice
    // after OK; nullopt after cancel.
    virtual std::optional<int> hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt) = 0;
};

// What hinweisAlt was asked.
struct AlternativAnfrage {
    QString text;
    QStringList wahl;
    int vorgewaehlt = 0;
};

// Answers from a script and records what was asked. With an empty script a
// yes/no question is answered "no", the others "cancel", and an input or a
// choice is cancelled.
class SkriptBoxen : public Boxen {
public:
    QList<int> antworten;           // next answers of hinweisJa and hinweisOk
    QList<std::optional<QString>> eingaben;  // next answers of eingabe
    QStringList gezeigt;            // every text shown, in order
    QStringList titel;              // the captions of hinweisJaTitel, in order
    QList<EingabeAnfrage> anfragen;
    QList<std::optional<int>> wahlen;  // next answers of hinweisAlt
    QList<AlternativAnfrage> alternativen;

    void hinweis(const QString& text) override;
    int hinweisJa(const QString& text) override;
    int hinweisJaTitel(const QString& titel, const QString& text) override;
    int hinweisOk(const QString& text) override;
    std::optional<QString> eingabe(const EingabeAnfrage& anfrage) override;
    int hinweisMulti(const QString& text) override;
    std::optional<int> hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt) override;
};

// The installed boxes; null restores the scripted stand-in.
void setBoxen(Boxen* boxen);
Boxen& boxen();
using BoxenEinsetzen = Eingesetzt<Boxen, setBoxen, boxen>;
// The stand-in itself, for tests to script.
SkriptBoxen& skriptBoxen();
