#include "core/Globals.h"
#include "core/RecordFunctions.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

class RecordFunctions : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { SetUp(); }
};

// Fills every field of a player with a marker value.
void Fuellen(TSpielerEintrag& s, const char* name)
{
    s.Name = name;
    s.Club = "Club", s.Pass = "4711", s.Gebdat = "01.02.80", s.Nation = "D", s.Plz = "94032", s.Ort = "Passau";
    s.Adresse = "Weg 1", s.Tel = "0851", s.Fax = "0852", s.Email = "a@b.de", s.LetztSpiel = "01.01.26";
    s.LetztPlatz = "3", s.VerwarnungText = "V";
    s.Gruppe = "Senioren";
    s.Volle = s.Abr = s.Fehler = s.Wurf = {"5", 5};
    s.Bonus = {"5", 5};
    s.Total = {"0530", 530};
    s.SaP = 2.5f;
    s.Platz = 2, s.MaP = 1, s.VerwarnungAnzahl = 1, s.DurchgangNr = 4, s.IstHeim = 1, s.Gestartet = s.Fertig = 1;
    s.ErsetztDurch = 15, s.Ersatz = 4, s.Wertung = 0;
    s.AktDurchgang = &s.Durchgang[4];
    for (TDurchgangBlock& b : s.Durchgang) {
        b.Bahn = 3;
        b.Volle = {"0090", 90}, b.Abr = {"45", 45}, b.Fehler = {"1", 1}, b.Total = {"0135", 135};
        b.Wurf = {"30", 30};
        b.SaP = 1;
        b.Wurfbild[1] = 0x41FF;
        b.Wurfart[1] = 0x10, b.Holz[1] = 9, b.Ausgewertet[1] = 1, b.Marke[1] = 0x08, b.FehlWurf[1] = b.NullWurf[1] = 1;
        b.Bahnzeit = 77;
    }
}

}  // namespace

TEST_F(RecordFunctions, SpielerLoeschenClearsTheLineUpAndKeepsTheRest)
{
    TSpielerEintrag& s = Wettkaempfe[1].Spieler[2];
    Fuellen(s, "Meier");
    SpielerLoeschen(s);

    for (const char* t : {s.Name.c_str(), s.Club.c_str(), s.Pass.c_str(), s.Gebdat.c_str(), s.Nation.c_str(),
                          s.Plz.c_str(), s.Ort.c_str(), s.Adresse.c_str(), s.Tel.c_str(), s.Fax.c_str(),
                          s.Email.c_str(), s.LetztSpiel.c_str(), s.LetztPlatz.c_str(), s.VerwarnungText.c_str(),
                          s.Volle.Text.c_str(), s.Total.Text.c_str(), s.Bonus.Text.c_str()})
        EXPECT_STREQ(t, "");
    EXPECT_EQ(s.Gruppe, "Senioren");
    EXPECT_EQ(s.Platz + s.Gestartet + s.Fertig + s.ErsetztDurch + s.Ersatz + s.VerwarnungAnzahl + s.DurchgangNr, 0);
    EXPECT_EQ(s.Volle.Zahl + s.Abr.Zahl + s.Fehler.Zahl + s.Total.Zahl + s.Wurf.Zahl + s.Bonus.Zahl, 0);
    EXPECT_EQ(s.SaP + s.MaP, 0.0f);
    EXPECT_EQ(std::tuple(s.Wertung, s.IstHeim), std::tuple(1, 1));
    EXPECT_EQ(s.AktDurchgang, &s.Durchgang[4]);
    for (const TDurchgangBlock& b : s.Durchgang) {
        EXPECT_EQ(b.Bahn + b.Total.Zahl, 0);
        EXPECT_TRUE(b.Volle.Text.leer());
        EXPECT_EQ(b.SaP, 0.0f);
        EXPECT_EQ(b.Wurfbild[1] + b.Wurfart[1] + b.Ausgewertet[1] + b.FehlWurf[1] + b.NullWurf[1], 0);
        // Derived and lane data stay.
        EXPECT_EQ(std::tuple(b.Holz[1], b.Marke[1], b.Bahnzeit), std::tuple(9, 0x08, 77));
    }
}

TEST_F(RecordFunctions, SpielerKopierenMovesThePlayerButNotHisThrows)
{
    TSpielerEintrag& q = Wettkaempfe[1].Spieler[2];
    TSpielerEintrag& z = Wettkaempfe[1].Spieler[10];
    Fuellen(q, "Meier");
    SpielerLoeschen(z);
    z.Gruppe = "Herren";
    z.IstHeim = 0;

    SpielerKopieren(z, q);

    EXPECT_EQ(z.Name, "Meier");
    EXPECT_EQ(z.Gruppe, "Herren");
    EXPECT_EQ(std::tuple(z.Platz, z.IstHeim, z.ErsetztDurch), std::tuple(2, 1, 15));
    EXPECT_EQ(z.Total.Zahl, 530);
    EXPECT_EQ(z.SaP, 2.5f);
    // Not copied:
    EXPECT_EQ(z.Ersatz + z.DurchgangNr, 0);
    EXPECT_EQ(z.Wertung, 1);
    EXPECT_EQ(z.AktDurchgang, nullptr);
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        const TDurchgangBlock& b = z.Durchgang[d];
        EXPECT_EQ(b.Volle.Text, "0090");
        EXPECT_EQ(std::tuple(b.Bahn, b.Wurf.Zahl), std::tuple(3, 30));
        EXPECT_EQ(b.Wurfbild[1] + b.Wurfart[1] + b.Bahnzeit, 0);
    }
}

TEST_F(RecordFunctions, SuddenVictoryLoeschenKeepsTheMisses)
{
    TWettkampfDaten& w = Wettkaempfe[4];
    w.SVictoryLaeuft = 1;
    w.SVictoryHeimSaP = 2;
    w.SVictoryGastSaP = 1;
    w.SVictoryRunde = 3;
    for (long r = 1; r <= 6; ++r)
        for (long k = 1; k <= 10; ++k) {
            TSuddenVictoryEintrag& e = w.SVictoryTabelle[r][k];
            e.Kennung = 1;
            e.SpielerNr = 9;
            e.Holz = {" 27", 27};
            e.Fehler = {"  1", 1};
            e.Wuerfe = {"3  ", 3};
            e.SaP = 0.5f;
        }
    SuddenVictoryLoeschen(w);
    EXPECT_EQ(w.SVictoryLaeuft, 0);
    EXPECT_EQ(w.SVictoryHeimSaP + w.SVictoryGastSaP, 0.0f);
    for (long r = 1; r <= 6; ++r)
        for (long k = 1; k <= 10; ++k) {
            const TSuddenVictoryEintrag& e = w.SVictoryTabelle[r][k];
            EXPECT_EQ(e.Kennung + e.SpielerNr + e.Holz.Zahl + e.Wuerfe.Zahl, 0);
            EXPECT_TRUE(e.Holz.Text.leer() && e.Wuerfe.Text.leer());
            EXPECT_EQ(e.SaP, 0.0f);
            EXPECT_EQ(e.Fehler.Text, "  1");
        }
}

TEST_F(RecordFunctions, WettkampfAdresseCarriesSlotAndStation)
{
    Einst.PcEinheit = 0;
    EXPECT_EQ(WettkampfAdresse(&Wettkaempfe[1]), 0x01);
    Einst.PcEinheit = 3;
    EXPECT_EQ(WettkampfAdresse(&Wettkaempfe[6]), 0x36);
    TWettkampfDaten fremd;
    EXPECT_EQ(WettkampfAdresse(&fremd), 0);
    EXPECT_EQ(WettkampfAdresse(nullptr), 0);
}

TEST_F(RecordFunctions, ZweiZahlenLesen)
{
    const struct {
        const char* text;
        int erste, letzte;
    } faelle[] = {
        {"Bahn 3 und 4", 3, 4}, {"Bahn 9 bis 14", 9, 14}, {"Bahn 5", 5, 5}, {"Bahn 15 und 16", 15, 16},
    };
    AktWettkampf = &Wettkaempfe[1];
    for (const auto& f : faelle) {
        AktWettkampf->ErsteBahn = AktWettkampf->LetzteBahn = 0;
        ZweiZahlenLesen(QString::fromLatin1(f.text));
        EXPECT_EQ(AktWettkampf->ErsteBahn, f.erste) << f.text;
        EXPECT_EQ(AktWettkampf->LetzteBahn, f.letzte) << f.text;
    }
    AktWettkampf = nullptr;
    ZweiZahlenLesen(QStringLiteral("Bahn 1 bis 4"));  // no current match: nothing happens
}

TEST_F(RecordFunctions, WurfvorwahlLaden)
{
    WurfvorwListe = {
        QStringLiteral("120 Wurf;60;60;18;2;"),
        QStringLiteral("100 Wurf;50;50;15;4;3;1"),
        QStringLiteral("Kurz;25;25"),       // minutes and mode missing, Abräumen not closed
        QStringLiteral("Modus ohne ;;10;12;3"),  // mode not closed by ';'
    };
    AktWettkampf = &Wettkaempfe[1];
    TWettkampfDaten& w = *AktWettkampf;
    // Line, then full, clear, time, mode and rounds afterwards; a field left
    // out or not closed by ';' keeps the value before.
    const int faelle[][6] = {{0, 60, 60, 18, 2, 2}, {1, 50, 50, 15, 4, 4}, {2, 25, 50, 15, 4, 4}, {3, 0, 10, 12, 4, 4}};
    for (const auto& f : faelle) {
        WurfvorwahlLaden(f[0]);
        EXPECT_EQ((std::vector<int>{w.Volle, w.Abraeumen, w.Wurfzeit, w.Spielmodus, w.Durchgaenge}),
                  (std::vector<int>{f[1], f[2], f[3], f[4], f[5]})) << f[0];
    }
    WurfvorwahlLaden(4);  // no such line
    WurfvorwahlLaden(-1);
    EXPECT_EQ(w.Abraeumen, 10);
}
