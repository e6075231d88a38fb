#pragma once
// The prompts of the lane start sequence and the card poll, as the timers
// reach them. The windows install the real ones; the stand-in answers
// "Abbrechen" (or "Freigeben") unless a test scripts another answer.

#include "core/Eingesetzt.h"

#include <QList>
#include <QStringList>

class StartPrompts {
public:
    virtual ~StartPrompts() = default;
    // "Starte Bahnen !": shown while lanes are registered; not modal.
    virtual void hinweisStartZeigen() = 0;
    virtual void hinweisStartVerbergen() = 0;
    // "Bahn <n> ist nicht bereit !" and the printer texts, chosen by tag
    // (L, 100 + L, 200 + L): 1 "&Prüfen", 2 "&Abbrechen".
    virtual int pruefen(int tag) = 0;
    virtual bool pruefenSichtbar() const = 0;
    // "Eingabe sperren ?": 6 "&Sperren", 7 "&Freigeben".
    virtual int sperren() = 0;
};

class SkriptPrompts : public StartPrompts {
public:
    QList<int> antworten;  // next answers of pruefen and sperren
    QList<int> tags;       // every tag asked, in order
    bool startSichtbar = false;

    void hinweisStartZeigen() override { startSichtbar = true; }
    void hinweisStartVerbergen() override { startSichtbar = false; }
    int pruefen(int tag) override
    {
        tags << tag;
        return antworten.isEmpty() ? 2 : antworten.takeFirst();
    }
    bool pruefenSichtbar() const override { return false; }
    int sperren() override { return antworten.isEmpty() ? 7 : antworten.takeFirst(); }
};

void setStartPrompts(StartPrompts* p);
StartPrompts& startPrompts();
using StartPromptsEinsetzen = Eingesetzt<StartPrompts, setStartPrompts, startPrompts>;
SkriptPrompts& skriptPrompts();

// The text of a lane prompt for its tag.
QString PruefenText(int tag);
