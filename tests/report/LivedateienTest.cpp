#include "report/netz/Livedateien.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

template <typename T>
void Ergebnis(T& s, const char* volle, const char* abr, const char* fehler, const char* total)
{
    s.Volle.Text = volle;
    s.Abr.Text = abr;
    s.Fehler.Text = fehler;
    s.Total.Text = total;
}

// Two teams, player 1 against player 9 and a substitute on place 7.
std::unique_ptr<TWettkampfDaten> Spiel()
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Heimmannschaft = "KSV Eiche";
    w->Gastmannschaft.setzenText(QStringLiteral("SG Ölbronn"));
    w->Beginn = "18:30";
    w->Punktespiel = 1;
    Ergebnis(w->Heim, "1620", "812", "21", "2432");
    Ergebnis(w->Gast, "1580", "790", "30", "2370");
    w->Heim.Wuerfe.Text = "120";
    w->Heim.TotalMaP = 6.0f;
    w->Gast.TotalMaP = 2.0f;
    w->Spieler[1].Name.setzenText(QStringLiteral("Max Müller"));
    Ergebnis(w->Spieler[1], "540", "270", "5", "810");
    w->Spieler[1].MaP = w->Spieler[9].MaP = 0.5f;
    w->Spieler[1].SaP = 2.0f;
    w->Spieler[7].Name = "Ersatz";
    w->Spieler[7].MaP = 1.0f;
    w->Spieler[9].Name = "Udo Bauer";
    Ergebnis(w->Spieler[9], "530", "260", "9", "790");
    return w;
}

}  // namespace

TEST(Livedateien, CsvMitAllenNeunzehnZeilen)
{
    QStringList erwartet{"Name;Volle;Abr;Fehler;Total;Punkte", "KSV Eiche;1620;812;21;2432;6.0",
                         "SG Ölbronn;1580;790;30;2370;2.0", "Max Müller;540;270;5;810;0.5"};
    for (int n = 2; n <= 16; ++n) erwartet << QStringLiteral(";;;;;0.0");
    erwartet[9] = QStringLiteral("Ersatz;;;;;1.0");
    erwartet[11] = QStringLiteral("Udo Bauer;530;260;9;790;0.5");
    EXPECT_EQ(UpdateCsvZeilen(*Spiel()), erwartet);
}

TEST(Livedateien, SkriptDesSpiels)
{
    auto w = Spiel();
    w->Spieler[2].Name.setzenText(QStringLiteral("Max \"Blitz\" </script>"));
    const QStringList z = UpdateJsZeilen(*w, 5);
    ASSERT_EQ(z.size(), 131);
    // Player n's six lines start at 9 + 6 (n - 1); the home team's at 105.
    const std::pair<int, QString> zeilen[] = {
        {1, QStringLiteral("var delay = 5")},
        {3, QStringLiteral("this.HeimName.innerText = \"KSV Eiche\";")},
        {7, QStringLiteral("this.Spielbeginn.innerText = \"Spielbeginn 18:30\";")},
        {9, QStringLiteral("this.Name1.innerText = \"Max Müller\";")},
        {14, QStringLiteral("this.Punkte1.innerText = \"0.5\";")},
        {15, QStringLiteral("this.Name2.innerText = \"Max \\\"Blitz\\\" <\\/script>\";")},
        {50, QStringLiteral("this.Punkte7.innerText = \"\";")},
        {62, QStringLiteral("this.Punkte9.innerText = \"0.5\";")},
        {105, QStringLiteral("this.Heim.innerText = \"Heim    120 Wurf\";")},
        {110, QStringLiteral("this.HeimPunkte.innerText = \"6.0\";")},
        {115, QStringLiteral("this.GastTotal.innerText = \"2370\";")},
        {120, QStringLiteral("window.setTimeout(\"UpdateTime()\",60000);")},
        {123, QStringLiteral("delay = delay -1;")},
        {130, QStringLiteral("//-->")},
    };
    for (const auto& [i, text] : zeilen) EXPECT_EQ(z[i], text) << i;

    // Without a points game no line carries points.
    w->Punktespiel = 0;
    const QStringList ohne = UpdateJsZeilen(*w, 0);
    EXPECT_EQ(ohne[1], QStringLiteral("var delay = 0"));
    EXPECT_EQ(ohne[14], QStringLiteral("this.Punkte1.innerText = \"\";"));
    EXPECT_EQ(ohne[110], QStringLiteral("this.HeimPunkte.innerText = \"\";"));
}

// The last places of each side: the home substitute on place 8, who took
// over from player 2, and the guests on places 14 to 16, place 16 the
// substitute of player 14. Each has results of his own, so that a line
// taken from the neighbouring place shows. In a points game the
// substitutes' places carry no points, not even those of the player they
// replaced, whose own place keeps his.
TEST(Livedateien, SkriptDerLetztenPlaetzeUndDerErsatzspieler)
{
    auto w = Spiel();
    w->Spieler[2].Name = "Kurt Abel";
    Ergebnis(w->Spieler[2], "201", "102", "3", "303");
    w->Spieler[2].MaP = 1.0f;
    w->Spieler[2].ErsetztDurch = 8;
    w->Spieler[8].Name = "Otto Ersatz";
    Ergebnis(w->Spieler[8], "208", "108", "8", "316");
    w->Spieler[8].Ersatz = 2;
    w->Spieler[8].MaP = 0.5f;
    w->Spieler[14].Name = "Jan Vierzehn";
    Ergebnis(w->Spieler[14], "514", "214", "14", "728");
    w->Spieler[14].MaP = 1.5f;
    w->Spieler[14].ErsetztDurch = 16;
    w->Spieler[15].Name = "Leo Fuenfzehn";
    Ergebnis(w->Spieler[15], "515", "215", "15", "730");
    w->Spieler[15].MaP = 2.5f;
    w->Spieler[16].Name = "Tim Sechzehn";
    Ergebnis(w->Spieler[16], "516", "216", "16", "732");
    w->Spieler[16].Ersatz = 14;
    w->Spieler[16].MaP = 3.5f;

    const QStringList z = UpdateJsZeilen(*w, 5);
    ASSERT_EQ(z.size(), 131);
    // Place n's lines are 9 + 6 (n - 1) to 14 + 6 (n - 1).
    const std::pair<int, QString> zeilen[] = {
        {15, QStringLiteral("this.Name2.innerText = \"Kurt Abel\";")},
        {20, QStringLiteral("this.Punkte2.innerText = \"1.0\";")},
        {51, QStringLiteral("this.Name8.innerText = \"Otto Ersatz\";")},
        {52, QStringLiteral("this.Volle8.innerText = \"208\";")},
        {53, QStringLiteral("this.Abr8.innerText = \"108\";")},
        {54, QStringLiteral("this.Fehler8.innerText = \"8\";")},
        {55, QStringLiteral("this.Total8.innerText = \"316\";")},
        {56, QStringLiteral("this.Punkte8.innerText = \"\";")},
        {87, QStringLiteral("this.Name14.innerText = \"Jan Vierzehn\";")},
        {91, QStringLiteral("this.Total14.innerText = \"728\";")},
        {92, QStringLiteral("this.Punkte14.innerText = \"1.5\";")},
        {93, QStringLiteral("this.Name15.innerText = \"Leo Fuenfzehn\";")},
        {94, QStringLiteral("this.Volle15.innerText = \"515\";")},
        {95, QStringLiteral("this.Abr15.innerText = \"215\";")},
        {96, QStringLiteral("this.Fehler15.innerText = \"15\";")},
        {97, QStringLiteral("this.Total15.innerText = \"730\";")},
        {98, QStringLiteral("this.Punkte15.innerText = \"\";")},
        {99, QStringLiteral("this.Name16.innerText = \"Tim Sechzehn\";")},
        {100, QStringLiteral("this.Volle16.innerText = \"516\";")},
        {101, QStringLiteral("this.Abr16.innerText = \"216\";")},
        {102, QStringLiteral("this.Fehler16.innerText = \"16\";")},
        {103, QStringLiteral("this.Total16.innerText = \"732\";")},
        {104, QStringLiteral("this.Punkte16.innerText = \"\";")},
        {105, QStringLiteral("this.Heim.innerText = \"Heim    120 Wurf\";")},
    };
    for (const auto& [i, text] : zeilen) EXPECT_EQ(z[i], text) << i;
}

TEST(Livedateien, LeeresSkriptEinerNeuenSeite)
{
    const QStringList z = UpdateJsVorlage();
    ASSERT_EQ(z.size(), 122);
    EXPECT_EQ(z[8], QStringLiteral("this.Name1.innerText = \"\";"));
    EXPECT_EQ(z[104], QStringLiteral("this.Heim.innerText = \"Heimmannschaft\";"));
    EXPECT_EQ(z[110], QStringLiteral("this.Gast.innerText = \"Gastmannschaft\";"));
    EXPECT_EQ(z[119], QStringLiteral("this.FormUpdate.NameUpdate.value = \"\";"));
}

TEST(Livedateien, WerteKoennenDenTextNichtVerlassen)
{
    const std::pair<QString, QString> faelle[] = {
        {QStringLiteral("Müller"), QStringLiteral("Müller")},
        {QStringLiteral("a\"b"), QStringLiteral("a\\\"b")},
        {QStringLiteral("C:\\x"), QStringLiteral("C:\\\\x")},
        {QStringLiteral("</script><b>"), QStringLiteral("<\\/script><b>")},
        {QStringLiteral("<!--x"), QStringLiteral("<\\!--x")},
        {QStringLiteral("1 < 2 / 3"), QStringLiteral("1 < 2 / 3")},
        {QStringLiteral("a\r\nb\tc"), QStringLiteral("a\\r\\nb\\tc")},
        {QString(QChar(0x01)) + QChar(0x7F) + QChar(0x2028), QStringLiteral("\\u0001\\u007f\\u2028")},
    };
    for (const auto& [text, wert] : faelle) EXPECT_EQ(JsWert(text), wert) << text.toStdString();
}
