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
