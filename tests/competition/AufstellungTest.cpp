#include "competition/Aufstellung.h"
#include "competition/Wettkampffelder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

QList<int> Von(int a, int b)
{
    QList<int> l;
    while (a <= b) l.append(a++);
    return l;
}

// A match whose slot k holds the player named k, with the group "Gk".
class Aufstellung : public ::testing::Test {
protected:
    void SetUp() override
    {
        aufstellungZustand.zuruecksetzen();
        w = std::make_unique<TWettkampfDaten>();
        for (int k = 1; k <= MaxSpieler; ++k) {
            w->Spieler[k].Name = std::to_string(k);
            w->Spieler[k].Gruppe = "G" + std::to_string(k);
            w->Spieler[k].IstHeim = k <= 8 ? 1 : 0;
        }
    }
    void TearDown() override { aufstellungZustand.zuruecksetzen(); }

    // x cut, c copy, v paste, d delete, V content paste, D content clear at
    // slot a; m drop of slot a on b; z drop of a database row "Neu" on a.
    AufstellungErgebnis op(char was, int a, int b = 0)
    {
        TSpielerEintrag zeile;
        zeile.Name = "Neu";
        zeile.Gruppe = "Senioren";
        zeile.IstHeim = 1;
        switch (was) {
        case 'x': return AufstellungAusschneiden(*w, a);
        case 'c': return AufstellungKopieren(*w, a);
        case 'v': return AufstellungEinfuegen(*w, a);
        case 'd': return AufstellungLoeschen(*w, a);
        case 'V': return InhaltEinfuegen(*w, a);
        case 'D': return InhaltLoeschen(*w, a);
        case 'm': return SpielerAblegen(*w, a, b);
        default: return ZeileAblegen(*w, zeile, a);
        }
    }

    // The names of both sides, "_" for an empty slot, "*" behind a player
    // whose side flag does not match his slot.
    std::string alle() const
    {
        std::string s;
        for (int k = 1; k <= MaxSpieler; ++k) {
            const TSpielerEintrag& p = w->Spieler[k];
            s += p.Name.leer() ? "_" : p.Name.c_str();
            if (p.IstHeim != (k <= 8 ? 1 : 0)) s += '*';
            s += k == 8 ? " | " : k < MaxSpieler ? " " : "";
        }
        return s;
    }

    std::unique_ptr<TWettkampfDaten> w;
    const std::string start = "1 2 3 4 5 6 7 8 | 9 10 11 12 13 14 15 16";
};

}  // namespace

// Each operation on the set-up line-up (after copying slot 2 where it pastes),
// the slots it reports, and undo bringing back every side it touched.
TEST_F(Aufstellung, OperationsAndUndo)
{
    struct Fall {
        char was;
        int a, b;
        std::string nachher;
        QList<int> geaendert;
    };
    const Fall faelle[] = {
        {'x', 3, 0, "1 2 4 5 6 7 8 _ | 9 10 11 12 13 14 15 16", Von(3, 8)},
        {'d', 16, 0, "1 2 3 4 5 6 7 8 | 9 10 11 12 13 14 15 _", Von(16, 16)},
        {'v', 10, 0, "1 2 3 4 5 6 7 8 | 9 2 10 11 12 13 14 15", Von(10, 16)},
        {'V', 12, 0, "1 2 3 4 5 6 7 8 | 9 10 11 2 13 14 15 16", Von(12, 12)},
        {'D', 5, 0, "1 2 3 4 _ 6 7 8 | 9 10 11 12 13 14 15 16", Von(5, 5)},
        {'m', 2, 5, "1 3 4 5 2 6 7 8 | 9 10 11 12 13 14 15 16", Von(2, 5)},
        {'m', 5, 2, "1 5 2 3 4 6 7 8 | 9 10 11 12 13 14 15 16", Von(2, 5)},
        {'m', 9, 16, "1 2 3 4 5 6 7 8 | 10 11 12 13 14 15 16 9", Von(9, 16)},
        {'m', 3, 12, "1 2 4 5 6 7 8 _ | 9 10 11 3 12 13 14 15", Von(3, 8) + Von(12, 16)},
        {'m', 12, 1, "12 1 2 3 4 5 6 7 | 9 10 11 13 14 15 16 _", Von(1, 8) + Von(12, 16)},
        {'z', 15, 0, "1 2 3 4 5 6 7 8 | 9 10 11 12 13 14 Neu 15", Von(15, 16)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(1, f.was) + std::to_string(f.a) + " " + std::to_string(f.b));
        SetUp();
        ASSERT_TRUE(op('c', 2).ausgefuehrt);
        const AufstellungErgebnis r = op(f.was, f.a, f.b);
        EXPECT_TRUE(r.ausgefuehrt);
        EXPECT_EQ(alle(), f.nachher);
        EXPECT_EQ(r.liste(), f.geaendert);
        EXPECT_EQ(w->Geaendert, 1);
        EXPECT_NE(SpielerRueckgaengigNr, 0);
        // Cut and a drop from a slot leave the player on the clipboard.
        EXPECT_EQ(std::string(SpielerAblage.Name.c_str()), std::to_string(f.was == 'x' || f.was == 'm' ? f.a : 2));
        // Groups stay with the slots; a database row brings its own.
        EXPECT_EQ(std::string(w->Spieler[f.b ? f.b : f.a].Gruppe.c_str()),
                  f.was == 'z' ? "Senioren" : "G" + std::to_string(f.b ? f.b : f.a));

        w->Geaendert = 0;
        EXPECT_TRUE(AufstellungRueckgaengig(*w).ausgefuehrt);
        EXPECT_EQ(alle(), start);
        EXPECT_EQ(std::string(w->Spieler[15].Gruppe.c_str()), "G15");
        EXPECT_EQ(w->Geaendert, 1);
        EXPECT_EQ(SpielerRueckgaengigNr, 0);
        EXPECT_FALSE(AufstellungRueckgaengig(*w).ausgefuehrt);
    }
}

// A copy changes no slot and takes the undo away; the clipboard stays for paste.
TEST_F(Aufstellung, CopyClipboardAndBadSlots)
{
    EXPECT_FALSE(op('v', 2).ausgefuehrt);  // nothing on the clipboard yet
    EXPECT_FALSE(op('V', 2).ausgefuehrt);
    op('d', 4);
    EXPECT_FALSE(AblageBelegt);
    const AufstellungErgebnis k = op('c', 2);
    EXPECT_TRUE(k.ausgefuehrt && k.maske == 0 && AblageBelegt);
    EXPECT_EQ(SpielerRueckgaengigNr, 0);
    EXPECT_FALSE(AufstellungRueckgaengig(*w).ausgefuehrt);
    for (auto [a, b] : {std::pair{0, 4}, {17, 4}, {4, 17}, {4, 4}}) EXPECT_FALSE(op('m', a, b).ausgefuehrt);
    EXPECT_FALSE(op('x', 0).ausgefuehrt || op('z', 17).ausgefuehrt);
}

// Nothing moves, overwrites or clears a started player, also behind the slot
// operated on; a refused operation changes nothing.
TEST_F(Aufstellung, StartedPlayersRefuse)
{
    struct Fall {
        int gestartet;
        char was;
        int a, b;
        bool ausgefuehrt;
    };
    const Fall faelle[] = {
        {3, 'x', 3, 0, false}, {6, 'x', 3, 0, false}, {2, 'x', 3, 0, true},  {8, 'd', 3, 0, false},
        {16, 'v', 10, 0, false}, {10, 'V', 10, 0, false}, {10, 'D', 10, 0, false}, {11, 'D', 10, 0, true},
        {5, 'm', 2, 5, false},  {4, 'm', 2, 5, false},  {7, 'm', 2, 5, true},  {7, 'm', 3, 12, false},
        {14, 'm', 3, 12, false}, {15, 'z', 12, 0, false}, {1, 'c', 1, 0, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.gestartet) + ": " + f.was + std::to_string(f.a) + " " + std::to_string(f.b));
        SetUp();
        op('c', 1);
        w->Spieler[f.gestartet].Gestartet = 1;
        const AufstellungErgebnis r = op(f.was, f.a, f.b);
        EXPECT_EQ(r.ausgefuehrt, f.ausgefuehrt);
        EXPECT_TRUE(f.ausgefuehrt || (alle() == start && r.maske == 0 && w->Geaendert == 0));
    }
}

// Undo acts on the match of the operation only, and not over a player who
// started since in a slot it changed; one who started elsewhere keeps his record.
TEST_F(Aufstellung, UndoRefusals)
{
    auto andere = std::make_unique<TWettkampfDaten>();
    op('x', 3);
    EXPECT_FALSE(AufstellungRueckgaengig(*andere).ausgefuehrt);

    w->Spieler[3].Gestartet = 1;
    EXPECT_FALSE(AufstellungRueckgaengig(*w).ausgefuehrt);
    w->Spieler[3].Gestartet = 0;

    SpielerRueckgaengig[1].Name = "alt";
    w->Spieler[1].Gestartet = 1;
    const AufstellungErgebnis u = AufstellungRueckgaengig(*w);
    EXPECT_TRUE(u.ausgefuehrt);
    EXPECT_EQ(u.liste(), Von(2, 8));
    EXPECT_EQ(alle(), start);
}

TEST(Wettkampffelder, TeamNamesCaptionsAndChangeMark)
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Club = "Adler";
    w->MannschaftNr = "2";
    w->Gastmannschaft = "Falken 1";
    FeldGeschrieben(*w, Wettkampffeld::EMannschaft);
    EXPECT_EQ(std::string(w->Heimmannschaft.c_str()), "Adler 2");
    EXPECT_EQ(WettkampfTitel(*w), QStringLiteral("Adler 2 - Falken 1"));
    EXPECT_EQ(w->Geaendert, 1);

    w->Club = "";
    w->MannschaftNr = "";
    w->Gastmannschaft = "  ";
    FeldGeschrieben(*w, Wettkampffeld::EClub);
    EXPECT_EQ(std::string(w->Heimmannschaft.c_str()), " ");
    EXPECT_EQ(HeimTitel(*w) + GastTitel(*w), QStringLiteral("HeimmannschaftGastmannschaft"));

    w->Club = std::string(30, 'C');  // the full widths fit: 30 + 1 + 2
    w->MannschaftNr = "12";
    HeimmannschaftSetzen(*w);
    EXPECT_EQ(std::string(w->Heimmannschaft.c_str()), std::string(30, 'C') + " 12");

    using F = Wettkampffeld;
    for (F f : {F::EClub, F::EMannschaft, F::EGast, F::CKlasse, F::EDatum, F::ESpielnummer, F::CSpielart,
                F::ESchiedsrichter, F::CGruppe, F::EText, F::Auswahl, F::Spielerzeile}) {
        w->Geaendert = 0;
        FeldGeschrieben(*w, f);
        EXPECT_EQ(w->Geaendert, f == F::ESpielnummer || f == F::CSpielart || f == F::CGruppe ? 0 : 1) << int(f);
    }
}
