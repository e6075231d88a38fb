#include "match/flow/Startplaene.h"

#include <initializer_list>

namespace {

using Zeile = std::initializer_list<u8>;

// A plan from its lane rows, each row the players of rounds 1, 2, 3, ...;
// the remaining rounds and rows stay 0.
TStartplan Plan(std::initializer_list<Zeile> zeilen)
{
    TStartplan plan;
    long r = 0;
    for (const Zeile& zeile : zeilen) {
        ++r;
        long k = 0;
        for (u8 spieler : zeile) plan[r][++k] = spieler;
    }
    return plan;
}

}  // namespace

// ---- Six lanes without Streichspiel, the same plans for every team size ----

// Mode 2
const TStartplan PlanSechsBahnenModus2 = Plan({
    { 1,  9, 12,  4},
    { 9,  1,  4, 12},
    { 2, 10, 13,  5},
    {10,  2,  5, 13},
    { 3, 11, 14,  6},
    {11,  3,  6, 14},
});

// Mode 3
const TStartplan PlanSechsBahnenModus3 = Plan({
    { 1,  9, 11,  3,  4, 12, 14,  6},
    { 9,  1,  3, 11, 12,  4,  6, 14},
    { 2, 10,  9,  1,  5, 13, 12,  4},
    {10,  2,  1,  9, 13,  5,  4, 12},
    { 3, 11, 10,  2,  6, 14, 13,  5},
    {11,  3,  2, 10, 14,  6,  5, 13},
});

// Mode 4. Here (and in four-lane mode 4) the duel partners share rows 1+2,
// 3+4, ... only in odd rounds; in even rounds they stand on rows 2+3, 4+5, ...
// and the last row with row 1.
const TStartplan PlanSechsBahnenModus4 = Plan({
    { 9,  3, 11,  2, 12,  6, 14,  5},
    { 1,  9,  3, 11,  4, 12,  6, 14},
    {10,  1,  9,  3, 13,  4, 12,  6},
    { 2, 10,  1,  9,  5, 13,  4, 12},
    {11,  2, 10,  1, 14,  5, 13,  4},
    { 3, 11,  2, 10,  6, 14,  5, 13},
});

// ---- Two lanes ----

// Mode 1, 4 players
const TStartplan PlanZweiBahnenModus1Vier = Plan({
    { 1, 10,  3, 12},
    { 9,  2, 11,  4},
});

// Mode 1, 6 players
const TStartplan PlanZweiBahnenModus1Sechs = Plan({
    { 1, 10,  3, 12,  5, 14},
    { 9,  2, 11,  4, 13,  6},
});

// Mode 2, 4 players
const TStartplan PlanZweiBahnenModus2Vier = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4},
    { 9,  1,  2, 10, 11,  3,  4, 12},
});

// Mode 2, 5 players
const TStartplan PlanZweiBahnenModus2Fuenf = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4,  5, 13},
    { 9,  1,  2, 10, 11,  3,  4, 12, 13,  5},
});

// Mode 2, 6 players
const TStartplan PlanZweiBahnenModus2Sechs = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4,  5, 13, 14,  6},
    { 9,  1,  2, 10, 11,  3,  4, 12, 13,  5,  6, 14},
});

// Mode 3 or 4, 4 players
const TStartplan PlanZweiBahnenModus34Vier = Plan({
    { 1,  9,  1,  9,  2, 10,  2, 10,  3, 11,  3, 11,  4, 12,  4, 12},
    { 9,  1,  9,  1, 10,  2, 10,  2, 11,  3, 11,  3, 12,  4, 12,  4},
});

// Mode 3 or 4, 5 players
const TStartplan PlanZweiBahnenModus34Fuenf = Plan({
    { 1,  9,  1,  9,  2, 10,  2, 10,  3, 11,  3, 11,  4, 12,  4, 12,  5, 13,  5, 13},
    { 9,  1,  9,  1, 10,  2, 10,  2, 11,  3, 11,  3, 12,  4, 12,  4, 13,  5, 13,  5},
});

// Mode 3 or 4, 6 players
const TStartplan PlanZweiBahnenModus34Sechs = Plan({
    { 1,  9,  1,  9,  2, 10,  2, 10,  3, 11,  3, 11,  4, 12,  4, 12,  5, 13,  5, 13,  6, 14,  6, 14},
    { 9,  1,  9,  1, 10,  2, 10,  2, 11,  3, 11,  3, 12,  4, 12,  4, 13,  5, 13,  5, 14,  6, 14,  6},
});

// ---- Four lanes (0: the lane is idle in that round) ----

// Mode 1, 4 players
const TStartplan PlanVierBahnenModus1Vier = Plan({
    { 1, 11},
    { 9,  3},
    { 2, 12},
    {10,  4},
});

// Mode 1, 6 players
const TStartplan PlanVierBahnenModus1Sechs = Plan({
    { 1, 11,  5},
    { 9,  3, 13},
    { 2, 12,  6},
    {10,  4, 14},
});

// Mode 2, 4 players
const TStartplan PlanVierBahnenModus2Vier = Plan({
    { 1,  9, 11,  3},
    { 9,  1,  3, 11},
    { 2, 10, 12,  4},
    {10,  2,  4, 12},
});

// Mode 2, 6 players
const TStartplan PlanVierBahnenModus2Sechs = Plan({
    { 1,  9, 11,  3,  5, 13},
    { 9,  1,  3, 11, 13,  5},
    { 2, 10, 12,  4,  6, 14},
    {10,  2,  4, 12, 14,  6},
});

// Mode 2, 5 players, Art 0
const TStartplan PlanVierBahnenModus2FuenfArt0 = Plan({
    { 1,  9, 10,  2,  4, 12},
    { 9,  1,  2, 10, 12,  4},
    { 0,  0, 11,  3,  5, 13},
    { 0,  0,  3, 11, 13,  5},
});

// Mode 2, 5 players, Art 1
const TStartplan PlanVierBahnenModus2FuenfArt1 = Plan({
    { 0,  0, 10,  2,  4, 12},
    { 0,  0,  2, 10, 12,  4},
    { 1,  9, 11,  3,  5, 13},
    { 9,  1,  3, 11, 13,  5},
});

// Mode 2, 5 players, Art 2
const TStartplan PlanVierBahnenModus2FuenfArt2 = Plan({
    { 1,  9, 11,  3,  5, 13},
    { 9,  1,  3, 11, 13,  5},
    { 2, 10, 12,  4},
    {10,  2,  4, 12},
});

// Mode 2, 5 players, Art 3
const TStartplan PlanVierBahnenModus2FuenfArt3 = Plan({
    { 1,  9, 11,  3},
    { 9,  1,  3, 11},
    { 2, 10, 12,  4,  5, 13},
    {10,  2,  4, 12, 13,  5},
});

// Mode 3, 4 players
const TStartplan PlanVierBahnenModus3Vier = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4},
    { 9,  1,  2, 10, 11,  3,  4, 12},
    { 2, 10,  9,  1,  4, 12, 11,  3},
    {10,  2,  1,  9, 12,  4,  3, 11},
});

// Mode 3, 6 players
const TStartplan PlanVierBahnenModus3Sechs = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4,  5, 13, 14,  6},
    { 9,  1,  2, 10, 11,  3,  4, 12, 13,  5,  6, 14},
    { 2, 10,  9,  1,  4, 12, 11,  3,  6, 14, 13,  5},
    {10,  2,  1,  9, 12,  4,  3, 11, 14,  6,  5, 13},
});

// Mode 4, 4 players
const TStartplan PlanVierBahnenModus4Vier = Plan({
    { 9,  2, 10,  1, 11,  4, 12,  3},
    { 1,  9,  2, 10,  3, 11,  4, 12},
    {10,  1,  9,  2, 12,  3, 11,  4},
    { 2, 10,  1,  9,  4, 12,  3, 11},
});

// Mode 4, 6 players
const TStartplan PlanVierBahnenModus4Sechs = Plan({
    { 9,  2, 10,  1, 11,  4, 12,  3, 13,  6, 14,  5},
    { 1,  9,  2, 10,  3, 11,  4, 12,  5, 13,  6, 14},
    {10,  1,  9,  2, 12,  3, 11,  4, 14,  5, 13,  6},
    { 2, 10,  1,  9,  4, 12,  3, 11,  6, 14,  5, 13},
});

// ---- Eight players a side (Streichspiel) ----

// Four lanes
const TStartplan PlanStreichVierBahnen = Plan({
    { 1,  9, 10,  2,  3, 11, 12,  4,  5, 13, 14,  6,  7, 15, 16,  8},
    { 9,  1,  2, 10, 11,  3,  4, 12, 13,  5,  6, 14, 15,  7,  8, 16},
    { 2, 10,  9,  1,  4, 12, 11,  3,  6, 14, 13,  5,  8, 16, 15,  7},
    {10,  2,  1,  9, 12,  4,  3, 11, 14,  6,  5, 13, 16,  8,  7, 15},
});

// Six lanes, Art 0
const TStartplan PlanStreichSechsBahnenArt0 = Plan({
    { 1,  9, 10,  2,  3, 11, 13,  5,  6, 14, 16,  8},  // round 7: 13, partner of 5 (12 plays row 5)
    { 9,  1,  2, 10, 11,  3,  5, 13, 14,  6,  8, 16},
    { 2, 10,  9,  1,  4, 12, 11,  3,  7, 15, 14,  6},
    {10,  2,  1,  9, 12,  4,  3, 11, 15,  7,  6, 14},
    { 0,  0,  0,  0,  5, 13, 12,  4,  8, 16, 15,  7},
    { 0,  0,  0,  0, 13,  5,  4, 12, 16,  8,  7, 15},
});

// Six lanes, Art 1
const TStartplan PlanStreichSechsBahnenArt1 = Plan({
    { 0,  0,  0,  0,  3, 11, 13,  5,  6, 14, 16,  8},  // round 7: 13, partner of 5 (12 plays row 5)
    { 0,  0,  0,  0, 11,  3,  5, 13, 14,  6,  8, 16},
    { 1,  9, 10,  2,  4, 12, 11,  3,  7, 15, 14,  6},
    { 9,  1,  2, 10, 12,  4,  3, 11, 15,  7,  6, 14},
    { 2, 10,  9,  1,  5, 13, 12,  4,  8, 16, 15,  7},
    {10,  2,  1,  9, 13,  5,  4, 12, 16,  8,  7, 15},
});

// Six lanes, Art 2
const TStartplan PlanStreichSechsBahnenArt2 = Plan({
    { 1,  9, 11,  3,  4, 12, 14,  6,  7, 15, 16,  8},
    { 9,  1,  3, 11, 12,  4,  6, 14, 15,  7,  8, 16},
    { 2, 10,  9,  1,  5, 13, 12,  4,  8, 16, 15,  7},
    {10,  2,  1,  9, 13,  5,  4, 12, 16,  8,  7, 15},
    { 3, 11, 10,  2,  6, 14, 13,  5},
    {11,  3,  2, 10, 14,  6,  5, 13},
});

// Six lanes, Art 3
const TStartplan PlanStreichSechsBahnenArt3 = Plan({
    { 1,  9, 11,  3,  4, 12, 14,  6},
    { 9,  1,  3, 11, 12,  4,  6, 14},
    { 2, 10,  9,  1,  5, 13, 12,  4,  7, 15, 16,  8},
    {10,  2,  1,  9, 13,  5,  4, 12, 15,  7,  8, 16},
    { 3, 11, 10,  2,  6, 14, 13,  5,  8, 16, 15,  7},
    {11,  3,  2, 10, 14,  6,  5, 13, 16,  8,  7, 15},
});


// ---- Choice of the plan ----

namespace {

StartplanWahl gewaehlt(const TStartplan& plan)
{
    return {StartplanWahl::Plan, &plan};
}

constexpr StartplanWahl eigenerPlan{StartplanWahl::EigenerPlan, nullptr};
constexpr StartplanWahl unveraendert{StartplanWahl::Unveraendert, nullptr};
constexpr StartplanWahl keinPlan{StartplanWahl::KeinPlan, nullptr};

// By team size 4, 5, 6; null where that size has no plan.
StartplanWahl nachGroesse(int spieleranzahl, const TStartplan* vier, const TStartplan* fuenf,
                          const TStartplan* sechs)
{
    const TStartplan* plan = spieleranzahl == 4   ? vier
                             : spieleranzahl == 5 ? fuenf
                             : spieleranzahl == 6 ? sechs
                                                  : nullptr;
    return plan ? gewaehlt(*plan) : unveraendert;
}

StartplanWahl nachArt(int art, const TStartplan& art0, const TStartplan& art1, const TStartplan& art2,
                      const TStartplan& art3)
{
    switch (art) {
    case 0: return gewaehlt(art0);
    case 1: return gewaehlt(art1);
    case 2: return gewaehlt(art2);
    case 3: return gewaehlt(art3);
    default: return unveraendert;
    }
}

StartplanWahl sechsBahnen(int spielmodus)
{
    switch (spielmodus) {
    case 2: return gewaehlt(PlanSechsBahnenModus2);
    case 3: return gewaehlt(PlanSechsBahnenModus3);
    case 4: return gewaehlt(PlanSechsBahnenModus4);
    case 5: return eigenerPlan;
    default: return keinPlan;
    }
}

StartplanWahl vierBahnen(int spielmodus, int spieleranzahl, int art)
{
    switch (spielmodus) {
    case 1: return nachGroesse(spieleranzahl, &PlanVierBahnenModus1Vier, nullptr, &PlanVierBahnenModus1Sechs);
    case 2:
        if (spieleranzahl == 5)
            return nachArt(art, PlanVierBahnenModus2FuenfArt0, PlanVierBahnenModus2FuenfArt1,
                           PlanVierBahnenModus2FuenfArt2, PlanVierBahnenModus2FuenfArt3);
        return nachGroesse(spieleranzahl, &PlanVierBahnenModus2Vier, nullptr, &PlanVierBahnenModus2Sechs);
    case 3: return nachGroesse(spieleranzahl, &PlanVierBahnenModus3Vier, nullptr, &PlanVierBahnenModus3Sechs);
    case 4: return nachGroesse(spieleranzahl, &PlanVierBahnenModus4Vier, nullptr, &PlanVierBahnenModus4Sechs);
    case 5: return eigenerPlan;
    default: return keinPlan;
    }
}

StartplanWahl zweiBahnen(int spielmodus, int spieleranzahl)
{
    switch (spielmodus) {
    case 1: return nachGroesse(spieleranzahl, &PlanZweiBahnenModus1Vier, nullptr, &PlanZweiBahnenModus1Sechs);
    case 2:
        return nachGroesse(spieleranzahl, &PlanZweiBahnenModus2Vier, &PlanZweiBahnenModus2Fuenf,
                           &PlanZweiBahnenModus2Sechs);
    case 3:
    case 4:
        return nachGroesse(spieleranzahl, &PlanZweiBahnenModus34Vier, &PlanZweiBahnenModus34Fuenf,
                           &PlanZweiBahnenModus34Sechs);
    case 5: return eigenerPlan;
    default: return keinPlan;
    }
}

}  // namespace

StartplanWahl StartplanWaehlen(int bahnen, int spielmodus, int spieleranzahl, int art, bool streichspiel)
{
    if (streichspiel) {
        if (bahnen == 4) return gewaehlt(PlanStreichVierBahnen);
        if (bahnen == 6)
            return nachArt(art, PlanStreichSechsBahnenArt0, PlanStreichSechsBahnenArt1,
                           PlanStreichSechsBahnenArt2, PlanStreichSechsBahnenArt3);
        return keinPlan;
    }
    switch (bahnen) {
    case 6: return sechsBahnen(spielmodus);
    case 4: return vierBahnen(spielmodus, spieleranzahl, art);
    case 2: return zweiBahnen(spielmodus, spieleranzahl);
    default: return unveraendert;
    }
}

// ---- Check of a match's own plan ----

bool StartfolgePruefen(const TStartplan& plan, int zeilen, QString* fehler)
{
    auto fehlerMelden = [fehler](const QString& text) {
        if (fehler) *fehler = QStringLiteral("Startfolge ungültig: ") + text;
        return false;
    };
    if (zeilen < 1 || zeilen > MaxStartplanBahnen)
        return fehlerMelden(QStringLiteral("%1 Bahnen").arg(zeilen));

    Array1<int, MaxSpieler> durchgaenge;
    for (long r = 1; r <= zeilen; ++r) {
        for (long k = 1; k <= MaxStartplanRunden; ++k) {
            const int spieler = plan[r][k];
            if (spieler == 0) continue;
            if (spieler > MaxSpieler)
                return fehlerMelden(
                    QStringLiteral("Spieler %1 in Zeile %2, Runde %3").arg(spieler).arg(r).arg(k));
            ++durchgaenge[spieler];
        }
    }
    for (long n = 1; n <= MaxSpieler; ++n) {
        if (durchgaenge[n] > MaxDurchgaenge)
            return fehlerMelden(
                QStringLiteral("Spieler %1 spielt mehr als %2 Durchgänge").arg(n).arg(MaxDurchgaenge));
    }
    if (fehler) fehler->clear();
    return true;
}
