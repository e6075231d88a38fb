#include "match/flow/Startplaene.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using W = StartplanWahl;

struct Auswahlfall {
    int bahnen, modus, spieler, art;
    bool streich;
    W::Ergebnis ergebnis;
    const TStartplan* plan;
};

std::string beschreibung(const Auswahlfall& f)
{
    return std::to_string(f.bahnen) + " Bahnen, Modus " + std::to_string(f.modus) + ", " +
           std::to_string(f.spieler) + " Spieler, Art " + std::to_string(f.art) + (f.streich ? ", Streich" : "");
}

// Row r of the plan over all 25 rounds: the given players, then 0.
void zeileIst(const TStartplan& plan, long r, std::vector<int> soll)
{
    soll.resize(MaxStartplanRunden, 0);
    std::vector<int> ist;
    for (long k = 1; k <= MaxStartplanRunden; ++k) ist.push_back(plan[r][k]);
    EXPECT_EQ(ist, soll) << "Zeile " << r;
}

// Whether row r holds a player in every round (voll) or in none (!voll) of von..bis.
bool belegt(const TStartplan& plan, long r, long von, long bis, bool voll)
{
    for (long k = von; k <= bis; ++k)
        if ((plan[r][k] != 0) != voll) return false;
    return true;
}

const W::Ergebnis P = W::Plan, E = W::EigenerPlan, U = W::Unveraendert, K = W::KeinPlan;

// The first row naming a built-in plan gives its lanes and team size (8: struck
// sides); every built-in plan is named.
const Auswahlfall Faelle[] = {
    // six lanes: one plan per mode for every team size
    {6, 2, 6, 3, false, P, &PlanSechsBahnenModus2}, {6, 2, 4, 0, false, P, &PlanSechsBahnenModus2},
    {6, 3, 6, 0, false, P, &PlanSechsBahnenModus3}, {6, 3, 5, 0, false, P, &PlanSechsBahnenModus3},
    {6, 4, 6, 0, false, P, &PlanSechsBahnenModus4}, {6, 5, 6, 0, false, E, nullptr},
    {6, 1, 6, 0, false, K, nullptr}, {6, 0, 6, 0, false, K, nullptr}, {6, 6, 6, 0, false, K, nullptr},
    // four lanes
    {4, 1, 4, 0, false, P, &PlanVierBahnenModus1Vier}, {4, 1, 6, 0, false, P, &PlanVierBahnenModus1Sechs},
    {4, 1, 5, 0, false, U, nullptr}, {4, 2, 4, 0, false, P, &PlanVierBahnenModus2Vier},
    {4, 2, 6, 0, false, P, &PlanVierBahnenModus2Sechs}, {4, 2, 5, 0, false, P, &PlanVierBahnenModus2FuenfArt0},
    {4, 2, 5, 1, false, P, &PlanVierBahnenModus2FuenfArt1}, {4, 2, 5, 2, false, P, &PlanVierBahnenModus2FuenfArt2},
    {4, 2, 5, 3, false, P, &PlanVierBahnenModus2FuenfArt3}, {4, 2, 5, 4, false, U, nullptr},
    {4, 2, 8, 0, false, U, nullptr}, {4, 3, 4, 0, false, P, &PlanVierBahnenModus3Vier},
    {4, 3, 6, 0, false, P, &PlanVierBahnenModus3Sechs}, {4, 3, 5, 0, false, U, nullptr},
    {4, 4, 4, 0, false, P, &PlanVierBahnenModus4Vier}, {4, 4, 6, 0, false, P, &PlanVierBahnenModus4Sechs},
    {4, 4, 5, 2, false, U, nullptr}, {4, 5, 5, 0, false, E, nullptr},
    {4, 0, 4, 0, false, K, nullptr}, {4, 6, 4, 0, false, K, nullptr},
    // two lanes
    {2, 1, 4, 0, false, P, &PlanZweiBahnenModus1Vier}, {2, 1, 5, 0, false, U, nullptr},
    {2, 1, 6, 0, false, P, &PlanZweiBahnenModus1Sechs}, {2, 2, 4, 0, false, P, &PlanZweiBahnenModus2Vier},
    {2, 2, 5, 0, false, P, &PlanZweiBahnenModus2Fuenf}, {2, 2, 6, 0, false, P, &PlanZweiBahnenModus2Sechs},
    {2, 3, 4, 0, false, P, &PlanZweiBahnenModus34Vier}, {2, 4, 4, 0, false, P, &PlanZweiBahnenModus34Vier},
    {2, 3, 5, 0, false, P, &PlanZweiBahnenModus34Fuenf}, {2, 4, 5, 0, false, P, &PlanZweiBahnenModus34Fuenf},
    {2, 3, 6, 0, false, P, &PlanZweiBahnenModus34Sechs}, {2, 4, 6, 0, false, P, &PlanZweiBahnenModus34Sechs},
    {2, 4, 7, 0, false, U, nullptr}, {2, 5, 4, 0, false, E, nullptr},
    {2, 0, 4, 0, false, K, nullptr}, {2, 6, 4, 0, false, K, nullptr},
    // other lane counts
    {1, 2, 6, 0, false, U, nullptr}, {3, 2, 6, 0, false, U, nullptr}, {8, 5, 6, 0, false, U, nullptr},
    // eight players a side
    {4, 3, 8, 0, true, P, &PlanStreichVierBahnen}, {4, 1, 8, 3, true, P, &PlanStreichVierBahnen},
    {6, 3, 8, 0, true, P, &PlanStreichSechsBahnenArt0}, {6, 3, 8, 1, true, P, &PlanStreichSechsBahnenArt1},
    {6, 3, 8, 2, true, P, &PlanStreichSechsBahnenArt2}, {6, 3, 8, 3, true, P, &PlanStreichSechsBahnenArt3},
    {6, 3, 8, 4, true, U, nullptr}, {2, 3, 8, 0, true, K, nullptr}, {8, 3, 8, 0, true, K, nullptr},
};

}  // namespace

TEST(StartplaeneAuswahl, Tabelle)
{
    for (const Auswahlfall& f : Faelle) {
        SCOPED_TRACE(beschreibung(f));
        const StartplanWahl w = StartplanWaehlen(f.bahnen, f.modus, f.spieler, f.art, f.streich);
        EXPECT_EQ(w.ergebnis, f.ergebnis);
        EXPECT_EQ(w.plan, f.plan);
    }
}

TEST(StartplaeneAuswahl, VierBahnenFuenfSpielerLassenBahnenNachArtFrei)
{
    // Art 0/1: lanes 3+4 / 1+2 idle in rounds 1 and 2; Art 2/3: lanes 3+4 / 1+2 idle from round 5.
    const struct {
        int art, frei, vonFrei, bisFrei;
    } faelle[] = {{0, 3, 1, 2}, {1, 1, 1, 2}, {2, 3, 5, 25}, {3, 1, 5, 25}};
    for (const auto& f : faelle) {
        const TStartplan& p = *StartplanWaehlen(4, 2, 5, f.art, false).plan;
        for (long r = 1; r <= 4; ++r) {
            const bool frei = r == f.frei || r == f.frei + 1;
            const long von = frei && f.vonFrei == 1 ? 3 : 1, bis = frei && f.vonFrei == 5 ? 4 : 6;
            EXPECT_TRUE(belegt(p, r, von, bis, true)) << "Art " << f.art << ", Zeile " << r;
            EXPECT_TRUE(!frei || belegt(p, r, f.vonFrei, f.bisFrei, false)) << "Art " << f.art << ", Zeile " << r;
        }
    }
}

TEST(StartplaeneDaten, Invarianten)
{
    std::set<const TStartplan*> gesehen;
    std::set<std::vector<int>> inhalte;  // no two plans alike
    for (const Auswahlfall& e : Faelle) {
        if (!e.plan || !gesehen.insert(e.plan).second) continue;
        SCOPED_TRACE(beschreibung(e));
        const TStartplan& p = *e.plan;
        const bool versetzt = e.modus == 4;  // partners on rows 2+3, 4+5, ..., last+1 in even rounds
        std::vector<int> inhalt;
        for (const auto& zeile : p) inhalt.insert(inhalt.end(), zeile.begin(), zeile.end());
        EXPECT_TRUE(inhalte.insert(inhalt).second);

        // Rows beyond the plan's lanes are empty.
        for (long r = e.bahnen + 1; r <= MaxStartplanBahnen; ++r)
            EXPECT_TRUE(belegt(p, r, 1, MaxStartplanRunden, false));

        // No player on two lanes in one round.
        for (long k = 1; k <= MaxStartplanRunden; ++k) {
            std::set<int> runde;
            for (long r = 1; r <= e.bahnen; ++r) {
                if (p[r][k] == 0) continue;
                EXPECT_TRUE(runde.insert(p[r][k]).second) << "Spieler " << int(p[r][k]) << ", Runde " << k;
            }
        }

        // The players are exactly 1..n and 9..8+n, all with the same number of rounds.
        std::map<int, int> runden;
        for (long r = 1; r <= e.bahnen; ++r)
            for (long k = 1; k <= MaxStartplanRunden; ++k)
                if (p[r][k] != 0) ++runden[p[r][k]];
        std::set<int> spieler, soll;
        for (const auto& [s, n] : runden) spieler.insert(s);
        for (int i = 1; i <= e.spieler; ++i) soll.insert({i, i + 8});
        EXPECT_EQ(spieler, soll);
        for (const auto& [s, n] : runden) EXPECT_EQ(n, runden.begin()->second) << "Spieler " << s;

        // Duel partners i and i + 8 on partner rows 1+2, 3+4, 5+6, or both rows 0.
        // Exception, as designed: in mode 4 the pairs move one row on in even
        // rounds (rows 2+3, 4+5, ..., last row with row 1).
        for (long k = 1; k <= MaxStartplanRunden; ++k) {
            const long versatz = (versetzt && k % 2 == 0) ? 1 : 0;
            for (long r = 1; r < e.bahnen; r += 2) {
                const long r1 = r + versatz, r2 = (r + versatz) % e.bahnen + 1;
                const int a = p[r1][k], b = p[r2][k];
                const bool paar = (a == 0 && b == 0) || (a >= 1 && a <= 8 && b == a + 8) ||
                                  (a >= 9 && a <= 16 && b == a - 8);
                EXPECT_TRUE(paar) << "Runde " << k << ", Zeilen " << r1 << "+" << r2 << ": " << a << ", " << b;
            }
        }

        // A built-in plan passes the check of an own plan.
        QString fehler;
        EXPECT_TRUE(StartfolgePruefen(p, e.bahnen, &fehler)) << fehler.toStdString();
    }
    EXPECT_EQ(gesehen.size(), 28u);  // every built-in plan
}

TEST(StartplaeneDaten, Stichproben)
{
    zeileIst(PlanSechsBahnenModus3, 5, {3, 11, 10, 2, 6, 14, 13, 5});
    zeileIst(PlanSechsBahnenModus4, 1, {9, 3, 11, 2, 12, 6, 14, 5});
    zeileIst(PlanZweiBahnenModus2Fuenf, 1, {1, 9, 10, 2, 3, 11, 12, 4, 5, 13});
    zeileIst(PlanZweiBahnenModus34Sechs, 2,
             {9, 1, 9, 1, 10, 2, 10, 2, 11, 3, 11, 3, 12, 4, 12, 4, 13, 5, 13, 5, 14, 6, 14, 6});
    zeileIst(PlanVierBahnenModus2FuenfArt3, 4, {10, 2, 4, 12, 13, 5});
    zeileIst(PlanVierBahnenModus4Sechs, 3, {10, 1, 9, 2, 12, 3, 11, 4, 14, 5, 13, 6});
    zeileIst(PlanStreichVierBahnen, 3, {2, 10, 9, 1, 4, 12, 11, 3, 6, 14, 13, 5, 8, 16, 15, 7});
    zeileIst(PlanStreichSechsBahnenArt3, 3, {2, 10, 9, 1, 5, 13, 12, 4, 7, 15, 16, 8});
    // Struck sides on six lanes, round 7, row 1 holds 13 (partner of 5 in row 2); 12 plays row 5 then.
    zeileIst(PlanStreichSechsBahnenArt0, 1, {1, 9, 10, 2, 3, 11, 13, 5, 6, 14, 16, 8});
    zeileIst(PlanStreichSechsBahnenArt1, 1, {0, 0, 0, 0, 3, 11, 13, 5, 6, 14, 16, 8});
    EXPECT_EQ(PlanStreichSechsBahnenArt0[5][7], 12);
    EXPECT_EQ(PlanStreichSechsBahnenArt1[5][7], 12);
}

TEST(StartplaeneStartfolge, PruefungEinesEigenenPlans)
{
    QString fehler = "alt";
    EXPECT_TRUE(StartfolgePruefen(PlanStreichSechsBahnenArt0, 6, &fehler));
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_TRUE(StartfolgePruefen(TStartplan{}, 2, nullptr));

    TStartplan plan = PlanVierBahnenModus2Vier;
    plan[2][5] = 17;
    EXPECT_FALSE(StartfolgePruefen(plan, 4, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Startfolge ungültig: Spieler 17 in Zeile 2, Runde 5"));
    plan[2][5] = 255;
    EXPECT_FALSE(StartfolgePruefen(plan, 4, nullptr));

    plan = PlanStreichVierBahnen;  // everyone plays 4 rounds
    plan[1][17] = 3;
    EXPECT_FALSE(StartfolgePruefen(plan, 4, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Startfolge ungültig: Spieler 3 spielt mehr als 4 Durchgänge"));

    // Rows beyond the lane count do not count; the lane count is 1..6.
    plan = PlanZweiBahnenModus34Vier;  // everyone plays 4 rounds on rows 1 and 2
    plan[3][1] = 17;
    plan[4][1] = 1;
    plan[6][25] = 200;
    EXPECT_TRUE(StartfolgePruefen(plan, 2, nullptr));
    EXPECT_FALSE(StartfolgePruefen(plan, 3, nullptr));
    EXPECT_FALSE(StartfolgePruefen(plan, 0, nullptr));
    EXPECT_FALSE(StartfolgePruefen(plan, 7, nullptr));
}
