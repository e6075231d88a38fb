// A match played against the lane simulator, saved and loaded back with its
// results: the loaded record equals the played one in every stored and
// scored field and every throw, and the points come out the same.

#include "competition/Export.h"
#include "competition/Spieldatei.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "e2e/Spielaufbau.h"
#include "match/engine/Punkte.h"
#include "match/flow/Spielablauf.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

// Four lanes, four players a side, two rounds: duels on lanes 1+2 and 3+4.
const Startplan Plan{{1, 9, 2, 10}, {9, 1, 10, 2}, {11, 3, 12, 4}, {3, 11, 4, 12}};

// Parts of 3 Volle | 3 Abräumen with misses, fouls and a zero throw.
const char* const Teile[] = {"9 8 7 | 5 X 6", "6 7 8 | 3 3 3", "7 0 9 | 9 3 2", "9 9! 9 | 6 X 1",
                             "8 9 7 | 4@01 5 3", "9 9 9 | X X 9", "7 7 7 | 5 4 0", "8 8 8 | 4 3 2"};

template <typename T>
void Gleich(std::vector<std::string>& abw, const std::string& was, const T& a, const T& b)
{
    if (!(a == b)) abw.push_back(was);
}

std::vector<std::string> Unterschiede(const TWettkampfDaten& a, const TWettkampfDaten& b)
{
    std::vector<std::string> u;
    auto zahl = [&](const std::string& was, const auto& x, const auto& y) {
        Gleich(u, was + ".Text", std::string(x.Text.view()), std::string(y.Text.view()));
        Gleich(u, was + ".Zahl", long(x.Zahl), long(y.Zahl));
    };
    for (long p = 1; p <= MaxSpieler; ++p) {
        const TSpielerEintrag& s = a.Spieler[p];
        const TSpielerEintrag& t = b.Spieler[p];
        const std::string n = "Spieler " + std::to_string(p) + " ";
        Gleich(u, n + "Name", s.Name.text(), t.Name.text());
        for (auto [was, x, y] : {std::tuple{"Gestartet", s.Gestartet, t.Gestartet}, {"Fertig", s.Fertig, t.Fertig},
                                 {"ErsetztDurch", s.ErsetztDurch, t.ErsetztDurch}, {"Ersatz", s.Ersatz, t.Ersatz},
                                 {"Wertung", s.Wertung, t.Wertung}, {"DurchgangNr", s.DurchgangNr, t.DurchgangNr},
                                 {"IstHeim", s.IstHeim, t.IstHeim}, {"VerwarnungAnzahl", s.VerwarnungAnzahl, t.VerwarnungAnzahl}})
            Gleich(u, n + was, x, y);
        zahl(n + "Volle", s.Volle, t.Volle);
        zahl(n + "Abr", s.Abr, t.Abr);
        zahl(n + "Fehler", s.Fehler, t.Fehler);
        zahl(n + "Wurf", s.Wurf, t.Wurf);
        zahl(n + "Total", s.Total, t.Total);
        Gleich(u, n + "SaP", s.SaP, t.SaP);
        Gleich(u, n + "MaP", s.MaP, t.MaP);
        Gleich(u, n + "AktDurchgang", s.AktDurchgang ? s.AktDurchgang - &s.Durchgang[1] : -1,
               t.AktDurchgang ? t.AktDurchgang - &t.Durchgang[1] : -1);
        for (long d = 1; d <= MaxDurchgaenge; ++d) {
            const TDurchgangBlock& x = s.Durchgang[d];
            const TDurchgangBlock& y = t.Durchgang[d];
            const std::string m = n + "Block " + std::to_string(d) + " ";
            Gleich(u, m + "Bahn", x.Bahn, y.Bahn);
            zahl(m + "Volle", x.Volle, y.Volle);
            zahl(m + "Abr", x.Abr, y.Abr);
            zahl(m + "Fehler", x.Fehler, y.Fehler);
            zahl(m + "Wurf", x.Wurf, y.Wurf);
            zahl(m + "Total", x.Total, y.Total);
            Gleich(u, m + "SaP", x.SaP, y.SaP);
            for (long i = 1; i <= MaxWuerfe; ++i) {
                Gleich(u, m + "Wurfbild " + std::to_string(i), x.Wurfbild[i], y.Wurfbild[i]);
                Gleich(u, m + "Wurfart " + std::to_string(i), x.Wurfart[i], y.Wurfart[i]);
            }
        }
    }
    for (auto [seite, x, y] : {std::tuple{"Heim ", &a.Heim, &b.Heim}, {"Gast ", &a.Gast, &b.Gast}}) {
        const std::string n = seite;
        for (auto [was, p, q] : {std::tuple{"Volle", &x->Volle, &y->Volle}, {"Abr", &x->Abr, &y->Abr},
                                 {"Fehler", &x->Fehler, &y->Fehler}, {"Total", &x->Total, &y->Total}})
            zahl(n + was, *p, *q);
        zahl(n + "Wuerfe", x->Wuerfe, y->Wuerfe);
        zahl(n + "Plus", x->Plus, y->Plus);
        for (auto [was, p, q] : {std::tuple{"SaP", x->SaP, y->SaP}, {"MaP", x->MaP, y->MaP},
                                 {"ErgebnisMaP", x->ErgebnisMaP, y->ErgebnisMaP}, {"TotalMaP", x->TotalMaP, y->TotalMaP}})
            Gleich(u, n + was, p, q);
    }
    Gleich(u, "Beendet", a.Beendet, b.Beendet);
    Gleich(u, "Durchgang", a.Durchgang, b.Durchgang);
    Gleich(u, "Durchgaenge", a.Durchgaenge, b.Durchgaenge);
    return u;
}

class SpieldateiRundlauf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    }
    void TearDown() override { ProgrammAbbauen(); }

    Anlage anlage{SimVorgaben(5, 40, 60, 7)};
};

TEST_F(SpieldateiRundlauf, PlayedMatchLoadsBackEqual)
{
    // The preset the match plays: 3 + 3 throws, start-order mode 2 (two rounds).
    WurfvorwListe = {QStringLiteral("6 Wurf;3;3;12;2;;;Bahn 1 bis 4")};
    const std::map<int, Wurfliste> skripte = Skripte(Plan, 1, [](int nr, int d) {
        return QString::fromLatin1(Teile[(nr * 2 + d) % std::size(Teile)]);
    });
    for (const auto& [bahn, wuerfe] : skripte) anlage.sim.setSkript(bahn, wuerfe);
    Spielart art;
    art.punktespiel = true;
    TWettkampfDaten* m = WettkampfAufbauen(art);
    ASSERT_NE(m, nullptr);
    SpielStarten(*m);
    ASSERT_TRUE(anlage.bis([&] { return m->Beendet != 0; }));
    ASSERT_TRUE(anlage.ausklingen());
    PunkteBerechnen(*m);
    int wuerfe = 0;
    for (const TSpielerEintrag& s : m->Spieler)
        for (const TDurchgangBlock& b : s.Durchgang)
            for (u16 w : b.Wurfbild) wuerfe += (w & WurfbildVorhanden) ? 1 : 0;
    ASSERT_EQ(wuerfe, 8 * 2 * 6);  // every throw of the plan booked

    QTemporaryDir ordner;
    QString fehler;
    // The file keeps the club and team number that the home team's name is made of.
    m->Club = "KSC Ahorn", m->MannschaftNr = "1";
    ASSERT_EQ(AktWettkampf, m);
    ASSERT_TRUE(SpielSpeichern(ordner.path(), 0, {QStringLiteral("Rundlauf")}, &fehler)) << fehler.toStdString();
    skriptBoxen().antworten = {ErgebnisJa};
    ASSERT_TRUE(SpielLaden(ordner.path(), 0, &fehler)) << fehler.toStdString();
    ASSERT_NE(AktWettkampf, m);
    EXPECT_EQ(Unterschiede(*m, *AktWettkampf), std::vector<std::string>{});
    // Saved again, the file is the same; exported, the tables are.
    EXPECT_EQ(SpielZeilen(*AktWettkampf), SpielZeilen(*m));
    for (const auto tabelle : {&SpielSatzTabelle, &SpielTabelle}) {
        const QStringList geladen = tabelle(*AktWettkampf, QStringLiteral("; ")), gespielt = tabelle(*m, QStringLiteral("; "));
        EXPECT_EQ(geladen.join(u'|').toStdString(), gespielt.join(u'|').toStdString());
    }
}

}  // namespace
