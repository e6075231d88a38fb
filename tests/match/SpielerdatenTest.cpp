#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/bus/CanKarte.h"
#include "match/engine/Punkte.h"
#include "match/lanes/Spielerdaten.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

template <std::size_t N, typename Z>
void Zahl(TextZahl<N, Z>& f, int n, int breite = 3)
{
    f.Zahl = Z(n);
    ZahlRechtsbuendig(f.Text, unsigned(n), breite);
}

void Block(TDurchgangBlock& b, int bahn, int volle, int abr, int fehler, int wurf)
{
    b.Bahn = u8(bahn);
    Zahl(b.Volle, volle), Zahl(b.Abr, abr), Zahl(b.Fehler, fehler), Zahl(b.Total, volle + abr), Zahl(b.Wurf, wurf);
}

// Home player 2 of a four-lane points game on lanes 1-4: round 1 on lane 1
// (120 + 60, 2 misses, 50 throws), round 2 on lane 3 (130 + 70, 1 miss).
// His totals 250 + 130 = 380, 3 misses, 100 throws. The home side stands
// at 1000 + 500 = 1500, 10 misses, 400 throws, the guests at 1490.
class Spielerdaten : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        w.ErsteSpielbahn = 1, w.LetzteSpielbahn = 4;
        w.Punktespiel = 1, w.Gestartet = 1, w.Spieleranzahl = 6;
        p.Name = "Karl Beck";
        p.Wertung = 1, p.Gestartet = 1, p.Fertig = 1, p.DurchgangNr = 2;
        Block(p.Durchgang[1], 1, 120, 60, 2, 50);
        Block(p.Durchgang[2], 3, 130, 70, 1, 50);
        p.Durchgang[1].SaP = 1.0f;
        Zahl(p.Volle, 250), Zahl(p.Abr, 130), Zahl(p.Fehler, 3), Zahl(p.Total, 380, 4), Zahl(p.Wurf, 100);
        Zahl(w.Heim.Volle, 1000, 4), Zahl(w.Heim.Abr, 500, 4), Zahl(w.Heim.Fehler, 10, 4);
        Zahl(w.Heim.Total, 1500, 4), Zahl(w.Heim.Wuerfe, 400, 4), Zahl(w.Heim.Plus, 10, 4);
        Zahl(w.Gast.Total, 1490, 4);
    }

    // The fields as the dialog fills them.
    SpielerdatenFelder felder()
    {
        const SpielerdatenAnsicht a = SpielerdatenLesen(w, p);
        SpielerdatenFelder f;
        f.Name = a.Name, f.Pass = a.Pass, f.Gebdat = QStringLiteral("  .  .  ");
        f.LetztSpiel = a.LetztSpiel, f.LetztPlatz = a.LetztPlatz, f.Wertung = a.Wertung;
        f.Volle = a.Volle, f.Abr = a.Abr, f.Fehler = a.Fehler, f.Wurf = a.Wurf;
        f.Bonus = a.Bonus, f.Total = a.Total, f.Platz = a.Platz;
        for (long d = 1; d <= MaxDurchgaenge; ++d)
            f.bahnen[d] = {a.bahnen[d].Wurf, a.bahnen[d].Volle, a.bahnen[d].Abr,
                           a.bahnen[d].Fehler, a.bahnen[d].Total, a.bahnen[d].Punkte};
        return f;
    }

    // Side: Volle, Abr, Fehler, Total, Wuerfe, lead as texts.
    static std::string seite(const TMannschaftBlock& x)
    {
        return std::string(x.Volle.Text.c_str()) + "|" + x.Abr.Text.c_str() + "|" + x.Fehler.Text.c_str() + "|" +
               x.Total.Text.c_str() + "|" + x.Wuerfe.Text.c_str() + "|" + x.Plus.Text.c_str();
    }

    TWettkampfDaten& w = Wettkaempfe[1];
    TSpielerEintrag& p = w.Spieler[2];
};

// 'P' set point shown, 'F' fields enabled, 'E' set point
// enabled, then the lane number; '-' a hidden block.
std::string zustaende(const Bahnblockansichten& z)
{
    std::string s;
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        const BahnblockAnsicht& a = z[d];
        s += !a.gezeigt ? std::string("- ")
                        : std::string(a.punkteGezeigt ? "P" : "") + (a.felderAktiv ? "F" : "") +
                              (a.punkteAktiv ? "E" : "") + std::to_string(a.bahn) + " ";
    }
    return s;
}

TEST_F(Spielerdaten, LaneBlockStates)
{
    TSpielerEintrag& ersatz = w.Spieler[7];
    ersatz.Ersatz = 2, ersatz.DurchgangNr = 3;
    ersatz.Durchgang[2].Bahn = 4, ersatz.Durchgang[3].Bahn = 2;
    const struct {
        const char* fall;
        bool fertig, beendet, punkte, ersetzt;
        const char* erwartet;
    } faelle[] = {
        // Still on his second lane: lane 1 with its set point, lane 2 closed.
        {"playing round 2", false, false, true, false, "PFE1 P3 - - "},
        {"finished", true, false, true, false, "PFE1 PF3 - - "},
        {"match ended", false, true, true, false, "PFE1 PFE3 - - "},
        {"no points game", false, false, false, false, "FE1 3 - - "},
        // Replaced in round 2; the substitute plays round 3 on lane 2, so
        // his round 2 on lane 4 is behind him; round 3 is not.
        {"replaced", true, false, true, true, "PFE1 PFE4 P2 - "},
    };
    for (const auto& f : faelle) {
        p.Fertig = f.fertig, w.Beendet = f.beendet, w.Punktespiel = f.punkte;
        p.ErsetztDurch = f.ersetzt ? 7 : 0;
        const SpielerdatenAnsicht a = SpielerdatenLesen(w, p);
        EXPECT_EQ(zustaende(a.bahnen), f.erwartet) << f.fall;
        EXPECT_EQ(a.ergebnisseAktiv, f.fertig || f.beendet) << f.fall;
        EXPECT_EQ(a.nurPc, f.beendet) << f.fall;
    }
    // The values are the player's own blocks, also where the substitute played.
    EXPECT_EQ(SpielerdatenLesen(w, p).bahnen[2].Total, QStringLiteral("200"));
}

// Volle of lane 1 from 120 to 125 taken over: a finished player (the page's
// sums are read), and one still on lane 3 (his totals follow the block), PC
// only or also to the lane, which then shows the new running total.
TEST_F(Spielerdaten, TakeOverOfLaneResults)
{
    const struct {
        const char* fall;
        bool fertig, anBahn;
        int bahnTotal;
        QList<QList<int>> rahmen;
    } faelle[] = {
        {"finished, PC and lane", true, true, 250, {}},
        {"playing, PC", false, false, 250, {}},
        {"playing, PC and lane", false, true, 255, {{35, 163, 0, 2, 5, 5}}},
    };
    for (const auto& fall : faelle) {
        SetUp();
        CanAktiv = 1;
        p.Fertig = fall.fertig;
        TBahnDaten& l = BahnDaten[3];
        l.BahnSpieler = &p, l.BahnOnline = 1, l.BahnTotal = 250;
        BahnDaten[1].BahnOnline = 1;  // his earlier lane, someone else on it
        SpielerdatenFelder f = felder();
        const Bahnblockansichten z = SpielerdatenLesen(w, p).bahnen;
        f.bahnen[1].Volle = QStringLiteral("125");
        f.bahnen[1].Total = FeldSumme(f.bahnen[1].Volle, f.bahnen[1].Abr);
        f.bahnen[1].Punkte = QStringLiteral("0.5");
        ErgebnisseSummieren(f);
        EXPECT_EQ(f.Volle + "|" + f.Total + "|" + f.Wurf, QStringLiteral("255|385|100"));  // throws not summed
        if (!fall.fertig) f.Total = QStringLiteral("999");  // a closed page is not read

        const Uebernahme u = BahnergebnisseUebernehmen(w, 2, f, z, fall.anBahn);
        SCOPED_TRACE(fall.fall);
        ASSERT_FALSE(u.fehler);
        EXPECT_EQ(p.Durchgang[1].Total.Zahl, 185);
        EXPECT_EQ(p.Total.Zahl, 385);
        EXPECT_EQ(seite(w.Heim), "1005|500 |10  |1505|0400|0015");
        EXPECT_EQ(l.BahnTotal, fall.bahnTotal);
        EXPECT_EQ(GesendeteRahmen(3), fall.rahmen);
        EXPECT_TRUE(GesendeteRahmen(1).isEmpty());
    }
}

// The side changes by what the player counts now minus what he counted.
TEST_F(Spielerdaten, WertungToggle)
{
    const struct {
        const char* fall;
        bool vorher, nachher;
        const char *volle, *total;
        const char* seite;
        const char* gastPlus;
    } faelle[] = {
        {"counted, unticked", true, false, "250", "380", "750 |370 |7   |1120|0300|0000", "0370"},
        {"not counted, ticked", false, true, "250", "380", "1250|630 |13  |1880|0500|0390", "0000"},
        {"counted, results changed", true, true, "260", "390", "1010|500 |10  |1510|0400|0020", "0000"},
        {"not counted, unchanged", false, false, "260", "390", "1000|500 |10  |1500|0400|0010", "0000"},
    };
    for (const auto& fall : faelle) {
        SetUp();
        p.Wertung = fall.vorher;
        SpielerdatenFelder f = felder();
        f.Wertung = fall.nachher, f.Volle = QString::fromLatin1(fall.volle), f.Total = QString::fromLatin1(fall.total);
        ASSERT_FALSE(SpielerdatenUebernehmen(w, 2, f)) << fall.fall;
        EXPECT_EQ(seite(w.Heim), fall.seite) << fall.fall;
        EXPECT_STREQ(w.Gast.Plus.Text.c_str(), fall.gastPlus) << fall.fall;
    }
}

// Personal data: cut to the record, empty date parts dropped; results only
// once the player has finished.
TEST_F(Spielerdaten, PersonalDataAndClosedResults)
{
    p.Fertig = 0;
    SpielerdatenFelder f = felder();
    f.Name = QStringLiteral("Hans-Joachim Müller-Lüdenscheidt");  // 32 characters
    f.Pass = QStringLiteral("12345 ");
    f.Gebdat = QStringLiteral("  .05.61");
    f.Volle = QStringLiteral("999");
    ASSERT_FALSE(SpielerdatenUebernehmen(w, 2, f));
    EXPECT_EQ(p.Name.text(), QStringLiteral("Hans-Joachim Müller-Lüdenschei"));
    EXPECT_STREQ(p.Pass.c_str(), "12345");
    EXPECT_STREQ(p.Gebdat.c_str(), "05.61");
    EXPECT_EQ(p.Volle.Zahl, 250);

    f.Gebdat = QStringLiteral("  .  .  ");
    ASSERT_FALSE(SpielerdatenUebernehmen(w, 2, f));
    EXPECT_STREQ(p.Gebdat.c_str(), "");
}

// Every field is checked before anything is written; an emptied set point
// ("9.9" mask untouched) counts 0; non-digits are skipped.
TEST_F(Spielerdaten, BadFieldsWriteNothing)
{
    const struct {
        QString punkte1, volle2;
        bool fehler;
        float sap1;
    } faelle[] = {
        {QStringLiteral("x.5"), QStringLiteral("131"), true, 1.0f},
        {QStringLiteral("1.0"), QStringLiteral("1310"), true, 1.0f},  // four digits in a lane field
        {QStringLiteral(" . "), QStringLiteral("131"), false, 0.0f},
        {QStringLiteral("0.5"), QStringLiteral("1a3b1"), false, 0.5f},
    };
    for (const auto& fall : faelle) {
        SetUp();
        p.Fertig = 0, p.DurchgangNr = 3;
        const Bahnblockansichten z = SpielerdatenLesen(w, p).bahnen;
        SpielerdatenFelder f = felder();
        f.bahnen[1].Volle = QStringLiteral("125"), f.bahnen[1].Punkte = fall.punkte1, f.bahnen[2].Volle = fall.volle2;
        const Uebernahme u = BahnergebnisseUebernehmen(w, 2, f, z, false);
        SCOPED_TRACE(fall.punkte1.toStdString() + " " + fall.volle2.toStdString());
        EXPECT_EQ(u.fehler.has_value(), fall.fehler);
        EXPECT_EQ(p.Durchgang[1].Volle.Zahl, fall.fehler ? 120 : 125);
        EXPECT_EQ(p.Durchgang[2].Volle.Zahl, fall.fehler ? 130 : 131);
        EXPECT_FLOAT_EQ(p.Durchgang[1].SaP, fall.sap1);
        EXPECT_EQ(w.Geaendert, fall.fehler ? 0 : 1);
        if (fall.punkte1 == QStringLiteral("x.5")) {
            EXPECT_EQ(u.fehler.value_or(QString()), QStringLiteral("Bahn 1: \"x.5\" sind keine gültigen Punkte."));
        }
    }
    SetUp();  // finished: the results are checked too
    SpielerdatenFelder f = felder();
    f.Total = QStringLiteral("12345");
    EXPECT_EQ(SpielerdatenUebernehmen(w, 2, f).value_or(QString()), QStringLiteral("Total: höchstens 4 Stellen."));
}

}  // namespace
