#pragma once
// The player results dialog without its widgets: what it shows of one player
// (personal data, results, the four lane blocks), the write-back of OK and
// the take-over of edited lane results, on the PC alone or also to the lane
// display.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"

#include <QList>
#include <QString>
#include <optional>

// One lane block as the lane page shows it. The values are always the
// player's own block; visibility, the enabled state and the lane number may
// come from the substitute who played that round.
struct BahnblockAnsicht {
    bool gezeigt = false;
    bool punkteGezeigt = false;
    bool felderAktiv = false;
    bool punkteAktiv = false;
    int bahn = 0;
    QString Wurf, Volle, Abr, Fehler, Total, Punkte;
};
using Bahnblockansichten = Array1<BahnblockAnsicht, MaxDurchgaenge>;

struct SpielerdatenAnsicht {
    QString titel;  // "Spieler " + name
    QString Name, Pass, Gebdat, LetztSpiel, LetztPlatz;
    bool Wertung = false;
    bool spielerkarte = false;  // the card button, like the main window's
    QString Volle, Abr, Fehler, Wurf, Bonus, Total, Platz;
    bool ergebnisseAktiv = false;  // the player has finished or the match has ended
    bool nurPc = false;            // the match has ended: no take-over to the lane
    Bahnblockansichten bahnen;
};

// The lane blocks' states and values (on opening and on selecting the page).
Bahnblockansichten BahnblockZustaende(TWettkampfDaten& w, TSpielerEintrag& p);
SpielerdatenAnsicht SpielerdatenLesen(TWettkampfDaten& w, TSpielerEintrag& p);
// The results page's seven fields alone, as on selecting the page.
void ErgebnisseLesen(const TWettkampfDaten& w, const TSpielerEintrag& p, SpielerdatenAnsicht& a);

// The dialog's fields as the operator left them (Unicode, as typed).
struct BahnblockFelder {
    QString Wurf, Volle, Abr, Fehler, Total, Punkte;
};
struct SpielerdatenFelder {
    QString Name, Pass, Gebdat, LetztSpiel, LetztPlatz;  // Gebdat as shown, "dd.mm.yy" with blanks
    bool Wertung = false;
    QString Volle, Abr, Fehler, Wurf, Bonus, Total, Platz;
    Array1<BahnblockFelder, MaxDurchgaenge> bahnen;
};

// The number of a digit field: only digits count, empty is 0.
int FeldZahl(const QString& text);
// A lane's total follows its Volle and Abräumen, as the results page's
// Volle, Abräumen, misses and total follow the four lanes (as texts).
QString FeldSumme(const QString& a, const QString& b);
void ErgebnisseSummieren(SpielerdatenFelder& f);

// A field the operator must mend before anything is written; nullopt when
// every field can be read. Only the fields that will be read are checked.
std::optional<QString> SpielerdatenPruefen(const SpielerdatenFelder& f, const Bahnblockansichten& zustand,
                                           bool ergebnisse, bool bahnen);

// OK on player n (1..16): the personal data, the results (once the player
// has finished or the match has ended) and the side's totals by the
// difference, the match marked changed, then the refreshes. Nothing is
// written (and the message comes back) when a field cannot be read.
std::optional<QString> SpielerdatenUebernehmen(TWettkampfDaten& w, int nr, const SpielerdatenFelder& f);

// A frame for one lane.
struct BahnRahmen {
    int bahn = 0;
    CanDaten daten;
    bool operator==(const BahnRahmen&) const = default;
};

// The take-over of the lane results on player n: every enabled block from
// its fields (its set point while that is enabled), then OK. A player who
// has not finished keeps his totals in step with the blocks. With `anBahn`
// (not after the match's end) the lanes that play the player now and are
// online show his new running total; the frames are queued and returned.
struct Uebernahme {
    std::optional<QString> fehler;
    QList<BahnRahmen> rahmen;
};
Uebernahme BahnergebnisseUebernehmen(TWettkampfDaten& w, int nr, const SpielerdatenFelder& f,
                                     const Bahnblockansichten& zustand, bool anBahn);

// "Punkte neu berechnen": set points and points, in a points game.
void PunkteNeuBerechnen(TWettkampfDaten& w);
