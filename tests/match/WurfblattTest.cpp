#include "match/print/Wurfblatt.h"

#include "core/Globals.h"
#include "match/engine/Buchung.h"
#include "match/print/Druckdienste.h"
#include "match/print/Druckwarteschlange.h"
#include "support/Grundlage.h"

#include <string>

namespace {

// ESC $ n, ESC J n, ESC j n.
std::string P(int n) { return {'\x1b', '$', char(n & 0xFF), char(n >> 8)}; }
std::string V(int n) { return {'\x1b', 'J', char(n)}; }
std::string Z(int n) { return {'\x1b', 'j', char(n)}; }
const std::string G = "\x1bG", H = "\x1bH", Cr = "\r", Lf = "\n";
const std::string Blk = "\xdb", Bs = "\b";
const std::string AlleGefallen =  // the pin picture with every pin down
    QByteArray::fromHex("1b4c2200"
                        "080808080808"
                        "00"
                        "222222222222"
                        "00"
                        "494949494949"
                        "00"
                        "222222222222"
                        "00"
                        "080808080808")
        .toStdString();

std::string Hex(const QByteArray& b) { return b.toHex(' ').toStdString(); }
std::string Hex(const std::string& s) { return Hex(QByteArray::fromStdString(s)); }
std::string Blanks(int n) { return std::string(std::size_t(n), ' '); }

}  // namespace

class Wurfblatt : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        Einst.DrOeGross = 0x99;
        Einst.DrUeKlein = 0x81;
        Einst.DrAeKlein = 0x84;
    }

    // A match on lanes erste..letzte with the layout, every lane printing on
    // central printer 1, player k on lane erste + k - 1.
    TWettkampfDaten& Spiel(int erste, int letzte, u8 TWettkampfDaten::*layout)
    {
        TWettkampfDaten& m = Wettkaempfe[1];
        m.ErsteSpielbahn = u8(erste), m.LetzteSpielbahn = u8(letzte);
        m.DrWurfblatt = 1;
        m.*layout = 1;
        m.Durchgang = 1;
        m.Club = "KSV \xd6hringen";
        m.Datum = "07.12.26";
        m.Heimmannschaft = "Heim";
        m.Gastmannschaft = "Gast";
        for (int b = erste; b <= letzte; ++b) {
            BahnDaten[b].Wettk = &m;
            BahnDaten[b].BahnSpieler = &m.Spieler[b - erste + 1];
            m.BahnImSpiel[b] = 1;
            WurfblattDrucker[b] = 1;
            DruckerZuordnung[b] = 1;
        }
        return m;
    }

    // What queue 1 holds; empties it.
    static QByteArray Ausgabe()
    {
        DruckwarteschlangeZustand& z = druckwarteschlangeZustand;
        QByteArray b;
        for (int i = z.DruckerLesezeiger[1]; i < z.DruckerSchreibzeiger[1]; ++i) b.append(char(z.DruckerPuffer[1][i]));
        z.DruckerLesezeiger[1] = z.DruckerSchreibzeiger[1] = 0;
        return b;
    }

    // The lane's throw as the booking leaves it before the sheet prints it.
    static void Geworfen(int bahn, int nr, const TWettkampfDaten& m)
    {
        TBahnDaten& l = BahnDaten[bahn];
        l.WurfNr = u8(nr);
        Buchen::Stelle s;
        ASSERT_TRUE(Buchen::StelleVon(m, nr, s));
        Buchen::DruckzeileSetzen(l, s);
    }
};

// Two-lane sheet, lane 1 in column 4, 2 Volle and 1 Abräumen throws: head,
// player head, three throws (the second with a mark and the Volle sum, the
// third a miss on the Abräumen line with its sum) and the lane result with
// the totals of the player he replaced.
TEST_F(Wurfblatt, TwoLaneSequenceGivesExactlyTheSheetBytes)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZweiBahnen);
    m.DrKopf = 1;
    m.Volle = 2, m.Abraeumen = 1;
    Einst.Drucker[1].StartFeed = 90;
    TBahnDaten& l = BahnDaten[1];
    l.DruckSpalte = 4;
    BahnDaten[2].DruckZeilenstand = 7;
    TSpielerEintrag& s = m.Spieler[1];
    s.Name = "M\xfcller, Hans";
    s.Pass = "12345";
    s.Volle.Zahl = 16, s.Fehler.Zahl = 1, s.Ersatz = 7;
    m.Spieler[7].Volle.Zahl = 100, m.Spieler[7].Abr.Zahl = 40, m.Spieler[7].Fehler.Zahl = 3;

    BahndruckKopf(1);
    EXPECT_EQ(BahnDaten[2].DruckZeilenstand, 0);
    BahndruckSpielerKopf(1);
    Geworfen(1, 1, m);
    BahndruckWurf(1, '7', 0);
    Geworfen(1, 2, m);
    l.BahnVolle = 16, l.TextVolle = " 16";
    BahndruckWurf(1, '9', 'E');
    Geworfen(1, 3, m);
    l.TextAbraeumen = "  0";
    BahndruckWurf(1, 'X', 0);
    l.TextGesamt = " 16", l.TextTotal = "0016";
    BahndruckBahnergebnis(1);

    const std::string club = "KSV \x99hringen" + Blanks(8);
    const std::string teams = "Heim" + Blanks(15) + " - " + "Gast" + Blanks(15);
    const std::string soll =
        // head
        V(90) + G + "\x0e" + "  " + club + "     " + club + "\n\n\r" + P(185) + "07.12.26" + Cr + P(435) +
        "07.12.26" + "\n\r" + P(20) + teams + Cr + P(270) + teams + H + Cr +
        // player head
        V(90) + G + P(20) + "M\x81ller, Hans" + Blanks(13) + "/12345 " + Cr + P(190) + "/Bahn 1" + H + "\n\n\r" +
        // throws 1 to 3 in columns 7, 8 and 7
        P(35) + "7" + Cr +                                                          //
        P(40) + "9" + Z(25) + Bs + "E" + V(25) + Cr + P(190) + "  16" + Cr +      //
        V(50) + P(35) + "X" + Cr + P(190) + " " + "  0" + Cr +                     //
        // lane result
        V(50) + P(20) + G + "Bahnergebnis:  16   Total: 0016" + "\n\r" + P(20) +
        "TotaVolle: 116 TotaAbr:  40 TotaFehl:   4" + Z(30) + H + Cr;
    EXPECT_EQ(Hex(Ausgabe()), Hex(soll));
    EXPECT_EQ(l.DruckZeilenstand, 3);
    EXPECT_EQ(BahnDaten[2].DruckZeilenstand, 3);  // the other column of the sheet follows
    EXPECT_NE(PcDruckAusstehend & 0x0001, 0);
}

// A match on lanes 2 and 3 prints each lane on its own sheet: lane 3's
// sheet leaves the paper position of lane 4, a lane of another match, alone.
TEST_F(Wurfblatt, TwoLaneSheetMovesNoLaneOfAnotherMatch)
{
    Spiel(2, 3, &TWettkampfDaten::DrZweiBahnen);
    BahnDaten[4].Wettk = &Wettkaempfe[2];
    BahnDaten[4].DruckZeilenstand = 2;
    BahnDaten[3].DruckZeilenstand = 2;
    BahndruckKopf(3);
    EXPECT_EQ(BahnDaten[3].DruckZeilenstand, 0);
    EXPECT_EQ(BahnDaten[4].DruckZeilenstand, 2);
}

// Texts from files, cards and the database reach the printer with their
// control characters as blanks; the sheet's own codes and the mapped
// letters stay.
TEST_F(Wurfblatt, ControlCharactersInTextsPrintAsBlanks)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZweiBahnen);
    m.DrKopf = 1;
    m.Club = "KSV\x1b@";
    m.Datum = "07.12\r26";
    m.Heimmannschaft = "He\x0fim";
    m.Gastmannschaft = "Ga\x7fst";
    BahnDaten[1].DruckSpalte = 4;
    m.Spieler[1].Name = "M\xfc\x1bller\x0c";
    m.Spieler[1].Pass = "12\n45";

    BahndruckKopf(1);
    BahndruckSpielerKopf(1);
    const std::string club = "KSV @" + Blanks(15);
    const std::string teams = "He im" + Blanks(14) + " - " + "Ga st" + Blanks(14);
    EXPECT_EQ(Hex(Ausgabe()), Hex(G + "\x0e" + "  " + club + "     " + club + "\n\n\r" + P(185) + "07.12 26" + Cr +
                                  P(435) + "07.12 26" + "\n\r" + P(20) + teams + Cr + P(270) + teams + H + Cr +
                                  V(90) + G + P(20) + "M\x81 ller " + Blanks(17) + "/12 45 " + Cr + P(190) +
                                  "/Bahn 1" + H + "\n\n\r"));

    Einst.Drucker[1].EndFeed = 20;
    m.Spielnummer = "1\x1b" "7";
    m.Gruppe = "A\x1b";
    BahndruckErgebnisblatt(1, m, "Ort\x0c");
    const QByteArray b = Ausgabe();
    EXPECT_TRUE(b.startsWith(QByteArray::fromStdString(G + "\x0e" + "  KSV @\x14" + P(335) +
                                                       "Ort , den 07.12 26\n\n\n\r")))
        << Hex(b.first(40));
    EXPECT_TRUE(b.contains(QByteArray("Spielnummer:A ") + QByteArray(14, ' ') + " /1 7\n\n\r"));
}

// Reprints land in the column the throw was printed in (the booking's
// column: C + k + 2, one more past ten and past twenty); the first Abräumen
// throw on the second line. With 25 Volle throws and C = 4.
TEST_F(Wurfblatt, TwoLaneReprintCoversThePrintedThrow)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZweiBahnen);
    m.Volle = 25, m.Abraeumen = 25;
    TBahnDaten& l = BahnDaten[1];
    l.DruckSpalte = 4;
    const struct {
        int t, spalte;
        std::string linie;  // from the lane's first line
    } faelle[] = {{3, 9, ""}, {12, 19, ""}, {23, 31, ""}, {26, 7, V(50)}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.t);
        l.DruckZeilenstand = 1;
        Geworfen(1, f.t, m);
        BahndruckWurf(1, '5', 0);
        EXPECT_EQ(Hex(Ausgabe()), Hex(f.linie + P(f.spalte * 5) + "5" + Cr));
        l.DruckZeilenstand = 1;
        BahndruckWurfzeile(1, f.t, '4');
        EXPECT_EQ(Hex(Ausgabe()), Hex(f.linie + P(f.spalte * 5) + Blk + Z(25) + Bs + "4" + V(25) + Cr));
    }
    // A warning keeps the old character and puts the V right above it.
    l.DruckZeilenstand = 1;
    BahndruckWurfzeile(1, 3, 'V');
    EXPECT_EQ(Hex(Ausgabe()), Hex(P(45) + Z(25) + "V" + V(25) + Cr));
}

// The reprint refreshes the Volle sum: blacked out with the new one half a
// line above when the Volle throws are over, printed on the line when the
// reprinted throw is the last Volle throw; either way the paper ends on the
// throw's line.
TEST_F(Wurfblatt, TwoLaneReprintRefreshesTheVolleSum)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZweiBahnen);
    m.Volle = 3, m.Abraeumen = 2;
    TBahnDaten& l = BahnDaten[1];
    l.DruckSpalte = 4;
    l.TextVolle = " 20", l.BahnVolle = 20;

    l.DruckZeilenstand = 2;  // on the Abräumen line
    BahnDaten[2].DruckZeilenstand = 2;
    l.WurfNr = 4;
    BahndruckWurfzeile(1, 2, '5');
    EXPECT_EQ(Hex(Ausgabe()), Hex(Z(50) + P(40) + Blk + Z(25) + Bs + "5" + V(25) + Cr + P(190) + "\xdb\xdb\xdb\b\b\b" +
                                  Z(25) + " 20" + V(25) + Cr));
    EXPECT_EQ(l.DruckZeilenstand, 1);
    EXPECT_EQ(BahnDaten[2].DruckZeilenstand, 1);

    l.WurfNr = 2;
    BahndruckWurfzeile(1, 3, '6');
    EXPECT_EQ(Hex(Ausgabe()), Hex(P(45) + Blk + Z(25) + Bs + "6" + V(25) + Cr + P(190) + " " + " 20" + Cr));
}

// With DrKopf off the two-lane head is the start feed and a CR; the foot
// prints both columns' texts and ends the sheet.
TEST_F(Wurfblatt, TwoLaneHeadWithoutTextAndFoot)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZweiBahnen);
    Einst.Drucker[1].StartFeed = 300;
    Einst.Drucker[1].EndFeed = 60;
    Einst.Drucker[1].FormFeed = true;
    BahnDaten[1].DruckZeilenstand = 4;
    BahndruckKopf(2);
    EXPECT_EQ(Hex(Ausgabe()), Hex(V(255) + V(45) + Cr));
    EXPECT_EQ(BahnDaten[1].DruckZeilenstand, 0);

    m.DrFuss = 1;
    m.Textzeile[1] = "Gut Holz";
    m.Textzeile[2] = "Sch\xe4n";
    BahndruckFusszeile(2);
    EXPECT_EQ(Hex(Ausgabe()),
              Hex(V(120) + P(30) + "Gut Holz" + Cr + P(275) + "Gut Holz" + "\n\r" + P(30) + "Sch\x84n" + Cr + P(275) +
                  "Sch\x84n" + "\n\n\r" + P(145) + "\x0e" + "Brenwick\x14\r" + P(390) + "\x0e" + "Ostervane\x14\n\r" +
                  P(145) + "Brenwick\r" + P(390) + "Ostervane" + V(60) + "\x0c" + Cr));
    m.DrFuss = 0;
    BahndruckFusszeile(2);
    EXPECT_EQ(Hex(Ausgabe()), Hex(V(100) + V(140) + Lf + V(60) + "\x0c" + Cr));
}

// Central sheet of four lanes, lane 2 in column 28: head, player head, a
// throw line with its mark and pin picture, the last Volle throw with a
// pending part line ("D") and the sum, the player result and the foot.
TEST_F(Wurfblatt, CentralSequenceGivesExactlyTheSheetBytes)
{
    TWettkampfDaten& m = Spiel(1, 4, &TWettkampfDaten::DrZentral);
    m.DrKopf = 1, m.DrFuss = 1;
    m.Volle = 2, m.Abraeumen = 1;
    m.Textzeile[1] = "Gut";
    m.Textzeile[2] = "Holz";
    Einst.Drucker[1].FormFeed = true;
    TBahnDaten& l = BahnDaten[2];
    l.DruckSpalte = 28;
    BahnDaten[4].DruckZeilenstand = 5;
    m.Spieler[2].Name = "M\xfcller, Hans";
    m.Spieler[2].Volle.Zahl = 17;
    l.WurfBild = 0x1FF;

    BahndruckKopfStart(1);
    EXPECT_EQ(BahnDaten[4].DruckZeilenstand, 0);
    BahndruckSpielerStart(2);
    l.WurfNr = 1, l.TextGesamt = "  8", l.TextFehler = "  0";
    BahndruckAbschnitt(2, '8', 'K');
    l.WurfNr = 2, l.TextGesamt = " 17", l.TextVolle = " 17";
    l.DruckAbschnitt = 1;
    BahndruckAbschnitt(2, '9', 0);
    EXPECT_EQ(l.DruckAbschnitt, 0);
    EXPECT_EQ(BahnDaten[4].DruckZeilenstand, 2);
    l.TextTotal = "0017";
    BahndruckSpielerergebnis(2);
    BahndruckFusszeileKurz(2);

    const std::string soll =
        // head
        G + "\x0e" + "  KSV \x99hringen" + Lf + V(10) + Cr + P(20) + "Heim - Gast" + P(435) + "07.12.26" + H + Cr +
        // player head
        V(40) + G + P(140) + "Bahn 2" + Lf + P(140) + "M\x81ller" + Blanks(9) + Lf + P(140) + "Hans" + Blanks(11) + H +
        V(40) + Cr +
        // throws 1 and 2
        P(140) + " 1 8   8  0K" + AlleGefallen + Cr +  //
        V(30) + P(140) + " 2 9  17  0D" + AlleGefallen + V(40) + Cr + P(140) + "Volle:   17" + Z(40) + Cr +
        // player result
        V(50) + V(30) + V(80) + P(140) + G + "Ergebnis:   17" + V(30) + P(140) + "Total:    0017" + V(30) + P(140) +
        "TotaVolle:  17" + V(30) + P(140) + "TotaAbr:     0" + V(30) + P(140) + "TotaFehl:    0" + Z(200) + H + Cr +
        // foot
        V(100) + V(140) + P(20) + "Gut Holz" + "\n\n  Brenwick Ostervane" + "\x0c" + Cr;
    EXPECT_EQ(Hex(Ausgabe()), Hex(soll));
    EXPECT_EQ(l.WurfGedruckt[1], 1);
    EXPECT_EQ(l.WurfGedruckt[2], 1);
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(BahnDaten[b].DruckZeilenstand, 3) << b;
}

// A throw already on the sheet is overprinted on its own line: blacked out,
// the new character beside it and a "K" in the mark column, which sheets of
// 5 or 6 lanes do not have; at the part's end the Abräumen sum follows.
TEST_F(Wurfblatt, CentralCorrectionOverprintsThePrintedLine)
{
    for (int letzte : {4, 6}) {
        SCOPED_TRACE(letzte);
        TWettkampfDaten& m = Spiel(1, letzte, &TWettkampfDaten::DrZentral);
        m.Volle = 5, m.Abraeumen = 5;
        TBahnDaten& l = BahnDaten[2];
        l.DruckSpalte = 16;
        l.WurfNr = 4;
        l.WurfGedruckt[3] = 1;
        for (int b = 1; b <= letzte; ++b) BahnDaten[b].DruckZeilenstand = 4;
        BahndruckSummenzeile(2, 3, '5', 'K');
        EXPECT_EQ(Hex(Ausgabe()), Hex(Z(30) + P(80) + "   " + Blk + "5" + (letzte < 5 ? "      K" : "") + Cr));
        EXPECT_EQ(BahnDaten[1].DruckZeilenstand, 3);

        // Lane end with throws left: the last throw's line gets the sum.
        l.TeilBeendet = 1;
        l.TextAbraeumen = "  0";
        l.WurfGedruckt[4] = 1;
        BahndruckAbschnitt(2, ' ', ' ');
        EXPECT_EQ(Hex(Ausgabe()), Hex(V(30) + P(80) + "    " + " " + (letzte < 5 ? "      K" : "") + V(40) + Cr +
                                      P(80) + "Abr\x84umen:    0" + Z(40) + Cr));
        ZustandZuruecksetzen();
        SetUp();
    }
}

// The paper-saving return goes back over the Abräumen gap, the throw lines
// and the player head; every lane of the match then stands at 0.
TEST_F(Wurfblatt, CentralReturnToTheTopOfTheSheet)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZentral);
    m.Volle = 2, m.Abraeumen = 1;
    BahnDaten[1].DruckZeilenstand = 3;
    BahnDaten[2].DruckZeilenstand = 3;
    BahndruckVorschub(1);
    EXPECT_EQ(Hex(Ausgabe()), Hex(Z(50) + Z(30) + Z(30) + Z(140)));
    EXPECT_EQ(BahnDaten[2].DruckZeilenstand, 0);
}

// The gap of 50 is gone back over from the paper position of the Volle
// throws on: at the last Volle line itself, not one line before it.
TEST_F(Wurfblatt, CentralReturnAtTheLastVolleLine)
{
    const struct {
        int volle, stand;
        std::string soll;
    } faelle[] = {
        {3, 3, Z(50) + Z(30) + Z(30) + Z(140)},
        {4, 3, Z(30) + Z(30) + Z(140)},
        {1, 1, Z(50) + Z(140)},
        {2, 1, Z(140)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Volle " << f.volle << ", Stand " << f.stand);
        TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZentral);
        m.Volle = u16(f.volle), m.Abraeumen = 2;
        BahnDaten[1].DruckZeilenstand = BahnDaten[2].DruckZeilenstand = u8(f.stand);
        BahndruckVorschub(1);
        EXPECT_EQ(Hex(Ausgabe()), Hex(f.soll));
        EXPECT_EQ(BahnDaten[1].DruckZeilenstand, 0);
        EXPECT_EQ(BahnDaten[2].DruckZeilenstand, 0);
    }
}

// The report as text: a player row, a substitute who has not finished, the
// team sums, and with 4 players a feed of 416/180 inch before the end feed.
TEST_F(Wurfblatt, ResultSheet)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZentral);
    m.Spieleranzahl = 4;
    m.Schiedsrichter = "Kr\xe4mer";
    TSpielerEintrag& s = m.Spieler[1];
    s.Name = "M\xfcller, Hans", s.Pass = "123456", s.Gebdat = "03.04.71", s.Wurf.Text = "120";
    s.Volle.Zahl = 512, s.Abr.Zahl = 230, s.Fehler.Zahl = 4, s.Total.Zahl = 742;
    m.Spieler[13].Name = "Ersatz";
    m.Heim.Volle.Text = "2048", m.Heim.Abr.Text = "900", m.Heim.Fehler.Text = "12", m.Heim.Total.Text = "2948";
    Einst.Drucker[1].EndFeed = 20;
    WurfblattDrucker[1] = 0;  // the report does not need the sheet printer
    DruckerportBelegt = 1;

    BahndruckErgebnisblatt(1, m, "Ortheim");
    const QByteArray b = Ausgabe();
    const auto enthaelt = [&](const std::string& s) { return b.contains(QByteArray::fromStdString(s)); };
    EXPECT_TRUE(b.startsWith(QByteArray::fromStdString(G + "\x0e" + "  KSV \x99hringen\x14" + P(335) +
                                                       "Ortheim, den 07.12.26\n\n\n\r")));
    EXPECT_TRUE(enthaelt(" M\x81ller, Hans" + Blanks(10) + " /123456 /71 /120   512   230     4    742" + P(240)));
    EXPECT_TRUE(enthaelt(P(240) + " Ersatz" + Blanks(16) + " /" + Blanks(7) + "/   /" + Blanks(6) + Blanks(22) +
                         "\n\r"));
    EXPECT_TRUE(enthaelt(P(148) + "2048   900    12   2948" + P(387)));
    EXPECT_TRUE(enthaelt("\r   Spielf\x81hrer                  Schiedsrichter                           Spielf\x81hrer\n"));
    EXPECT_TRUE(b.endsWith(QByteArray::fromStdString(P(160) + "Kr\x84mer" + V(100) + V(155) + V(161) + V(20) + Cr)));
}

// A substitute who has finished is printed with his results, on his side
// of the sheet; one who has not gets blanks in their place.
TEST_F(Wurfblatt, ResultSheetPrintsAFinishedSubstituteWithHisResults)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZentral);
    m.Spieleranzahl = 4;
    TSpielerEintrag& heim = m.Spieler[7];
    heim.Name = "Schulz, Udo", heim.Pass = "4711", heim.Gebdat = "12.05.80", heim.Wurf.Text = "60";
    heim.Volle.Zahl = 250, heim.Abr.Zahl = 101, heim.Fehler.Zahl = 2, heim.Total.Zahl = 351;
    heim.Fertig = 1, heim.Ersatz = 3;
    TSpielerEintrag& gast = m.Spieler[15];
    gast.Name = "Hahn", gast.Pass = "815", gast.Gebdat = "01.01.99", gast.Wurf.Text = "30";
    gast.Volle.Zahl = 140, gast.Abr.Zahl = 45, gast.Fehler.Zahl = 11, gast.Total.Zahl = 185;
    gast.Fertig = 1, gast.Ersatz = 11;
    DruckerportBelegt = 1;

    for (bool fertig : {true, false}) {
        SCOPED_TRACE(fertig);
        heim.Fertig = gast.Fertig = u8(fertig);
        BahndruckErgebnisblatt(1, m, "Ortheim");
        const QByteArray b = Ausgabe();
        const std::string links = " Schulz, Udo" + Blanks(11) + " /4711   /80 /60    ";
        const std::string rechts = " Hahn" + Blanks(18) + " /815    /99 /30    ";
        const std::string zeile = fertig ? links + "250   101     2    351" + P(240) + rechts + "140    45    11    185"
                                         : links + Blanks(22) + P(240) + rechts + Blanks(22);
        EXPECT_TRUE(b.contains(QByteArray::fromStdString(zeile + "\n\r"))) << Hex(b);
    }
}

// No sheet printer or the single-lane layout: nothing is printed and the
// lane's paper position and print marks stay. A full queue holds a job back
// without losing it.
TEST_F(Wurfblatt, NothingPrintedLeavesTheLaneAsItWas)
{
    TWettkampfDaten& m = Spiel(1, 2, &TWettkampfDaten::DrZentral);
    m.Volle = 5;
    TBahnDaten& l = BahnDaten[1];
    l.WurfNr = 1;
    l.DruckZeilenstand = 3;

    WurfblattDrucker[1] = 0;
    BahndruckAbschnitt(1, '5', 0);
    BahndruckSpielerStart(1);
    EXPECT_TRUE(Ausgabe().isEmpty());
    WurfblattDrucker[1] = 1;

    BahndruckKopf(1);  // not this match's layout
    for (auto hook : {&BahndruckVorStart, &BahndruckNachStart, &BahndruckVorWurf, &BahndruckVorBahnende,
                      &BahndruckVorWertung})
        hook(1);
    EXPECT_TRUE(Ausgabe().isEmpty());

    // A full queue holds the job back; it still counts as printed.
    druckwarteschlangeZustand.DruckerSchreibzeiger[1] = DruckerPufferGroesse - 20;
    BahndruckAbschnitt(1, '5', 0);
    EXPECT_EQ(druckwarteschlangeZustand.DruckerSchreibzeiger[1], DruckerPufferGroesse);
    EXPECT_EQ(l.DruckZeilenstand, 1);
    EXPECT_EQ(l.WurfGedruckt[1], 1);
    druckwarteschlangeZustand.zuruecksetzen();
    DruckerZuordnung[1] = DruckerZuordnung[2] = 1;
    l.DruckZeilenstand = 3;

    // Single-lane sheets: the lane controller prints, no job reaches its queue.
    m.DrZentral = 0, m.DrEinzelbahn = 1;
    BahndruckAbschnitt(1, '5', 0);
    BahndruckWurf(1, '5', 0);
    EXPECT_EQ(BahnDruckerAusstehend(1), 0);
}
