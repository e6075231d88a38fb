#include "displays/Namenanzeige.h"

#include "core/Anzeigedienste.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "match/bus/CanKarte.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

// The board lines queued since the last call, as "lane:text" without the
// trailing blanks; the queue is emptied.
QStringList Tafeltexte()
{
    QStringList r;
    for (const Anzeigerahmen& a : GesendeteAnzeigerahmen()) {
        const auto& d = a.daten.d;
        if (a.id != 0x310 || d[0] != 234) {
            r << QStringLiteral("?");
            continue;
        }
        if ((d[1] & 15) == 1 || r.isEmpty()) r << QString::number(d[1] >> 4 ? d[1] >> 4 : 16) + QLatin1Char(':');
        for (int i = 2; i < 8 && d[i]; ++i) r.last() += QChar(d[i]);
    }
    for (QString& s : r) s = s.trimmed();
    CanSendenZuruecksetzen();
    return r;
}

// Match 1 on lanes 1-4 of a four-lane alley, in play, name boards 11 wide;
// lane 1 "Müller Hans" (7.5 set points), lane 2 "Meier, Hans" (12.0), no
// players on lanes 3 and 4.
class Namenanzeige : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CanAktiv = 1;
        Einst.NamenanzOn = true;
        Einst.NamenAnzeigeDig = 11;
        Einst.Punkteanzeige = true;
        w.ErsteSpielbahn = 1;
        w.LetzteSpielbahn = 4;
        w.NamenanzeigeEin = w.NamenOn = w.Gestartet = 1;
        w.Spielphase = PhaseSpiel;
        for (int b = 1; b <= 4; ++b) {
            BahnDaten[b].Wettk = BahnWettkampf[b] = &w;
            w.BahnImSpiel[b] = 1;
        }
        for (int b = 1; b <= 2; ++b) BahnDaten[b].BahnSpieler = &w.Spieler[b];
        w.Spieler[1].Name = "M\xFCller Hans";
        w.Spieler[1].SaP = 7.5f;
        w.Spieler[2].Name = "Meier, Hans";
        w.Spieler[2].SaP = 12.0f;
    }
    void werbung(const QStringList& zeilen)
    {
        w.NamenanzWerbung.Werbung = 1;
        w.NamenanzWerbung.Liste = std::make_unique<QStringList>(zeilen);
    }
    // The ticks of 1..n after which lines were sent.
    std::vector<int> Takte(Zeitgeber& t, int n)
    {
        std::vector<int> r;
        for (int i = 1; i <= n; ++i) {
            t.tick();
            if (!Tafeltexte().isEmpty()) r.push_back(i);
        }
        return r;
    }

    TWettkampfDaten& w = Wettkaempfe[1];
    Namenanzsteuerung s;
};

}  // namespace

TEST(Namenanztexte, NamesSetPointsAndAdvertWords)
{
    EXPECT_EQ(NamenanzText("M\xFCller Hans", 11), "Mueller Han");
    EXPECT_EQ(NamenanzText("M\xFCller Hans", 9), "Mueller H");
    // The width cut comes before the separators are joined.
    EXPECT_EQ(NamenanzText("Meier,  Hans", 11), "Meier Han  ");
    EXPECT_EQ(NameSatzpunkteText("M\xFCller Hans", 11), "Mueller    ");
    EXPECT_EQ(NameSatzpunkteText("Meier, Hans", 11), "Meier Hans ");
    EXPECT_EQ(NamenWechselTexte("M\xFCller, Hans", 11),
              std::pair(QByteArray("Mueller    "), QByteArray("Hans       ")));
    EXPECT_EQ(NamenWechselTexte("\xC4rger", 9), std::pair(QByteArray("AErger   "), QByteArray("         ")));
    EXPECT_EQ(SatzpunkteText(7.5f), "7.5");
    EXPECT_EQ(SatzpunkteText(12.0f), "12.0");
    EXPECT_EQ(SatzpunkteText(4.56f), "4.5");
    const auto worte = WerbeWorte(QStringLiteral("Willkommen im  Kegelzentrum"));
    EXPECT_EQ(worte[0], "Willkommen ");
    EXPECT_EQ(worte[1], "im         ");
    EXPECT_EQ(worte[2], "Kegelzentru");
    EXPECT_EQ(worte[15], "           ");
}

TEST(Namenanztexte, AdvertLinesAreReadLeniently)
{
    const struct {
        const char* zeile;
        Namenwerbeeintrag e;
    } faelle[] = {
        {"Hallo Welt;8;10;20", {"Hallo Welt", 8, 10, 20}},
        {"Hallo;Welt;8;10;20", {"Hallo;Welt", 8, 10, 20}},
        {"Text;8;10;20;;", {"Text", 8, 10, 20}},
        {"Nur Text", {"Nur Text", 0, 0, 0}},
        {"X;acht;-5;99999999999", {"X", 0, 0, 0}},
        {"X;70000; 3 ", {"X", 0, 3, 0}},
        {"", {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(NamenWerbezeileLesen(QString::fromLatin1(f.zeile)), f.e) << f.zeile;
    EXPECT_EQ(NamenWerbezeileText({"a;b %1", 0x104, 10, 0}), "a,b %1;260;10;0");
    const Namenwerbeeintrag e{"Frohe Ostern", 72, 5, 30};
    EXPECT_EQ(NamenWerbezeileLesen(NamenWerbezeileText(e)), e);
}

TEST_F(Namenanzeige, LinesGoOutAsTwoBlocksWithZerosPastTheWidth)
{
    Einst.NamenAnzeigeDig = 9;
    BahnDaten[3].BahnGestoppt = 1;
    s.NamenanzeigeAktualisieren(3);
    const std::vector<Anzeigerahmen> stop{{0x310, {0xEA, 0x31, 'S', 'T', 'O', 'P', ' ', ' '}},
                                          {0x310, {0xEA, 0x37, ' ', ' ', ' ', 0, 0, 0}}};
    EXPECT_EQ(GesendeteAnzeigerahmen(), stop);

    CanSendenZuruecksetzen();
    Einst.NamenAnzeigeDig = 11;
    BahnAnzahl = 16;
    BahnDaten[16].Wettk = &w;
    BahnDaten[16].BahnSpieler = &w.Spieler[1];
    s.NameAnzeigen(16);
    const std::vector<Anzeigerahmen> name{{0x310, {0xEA, 0x01, 'M', 'u', 'e', 'l', 'l', 'e'}},
                                          {0x310, {0xEA, 0x07, 'r', ' ', 'H', 'a', 'n', 0}}};
    EXPECT_EQ(GesendeteAnzeigerahmen(), name);
}

TEST_F(Namenanzeige, RefreshFollowsThePhase)
{
    const struct {
        u16 phase;
        u8 imSpiel;
        QStringList texte;
        bool neustart;
    } faelle[] = {
        {PhaseAngelegt, 1, {"1:"}, true},          {PhaseBegonnen, 1, {"1:"}, true},
        {PhaseProbe, 1, {"1:Mueller Han"}, true},  {PhaseSpiel, 0, {"1:"}, false},
        {PhaseBahnwechsel, 1, {}, true},           {PhaseSpielerwechsel, 1, {}, true},
        {PhaseBeendet, 1, {"1:"}, true},           {0, 1, {}, false},
    };
    werbung({"Text;8;0;0"});
    for (const auto& f : faelle) {
        w.Spielphase = f.phase;
        w.BahnImSpiel[1] = f.imSpiel;
        w.NamenanzWerbung.Position = 1;
        s.NamenanzeigeAktualisieren(1);
        EXPECT_EQ(Tafeltexte(), f.texte) << f.phase;
        EXPECT_EQ(w.NamenanzWerbung.Position == 0, f.neustart) << f.phase;
    }
    // Without a match on the board: blank only while the lane reports no match number.
    BahnWettkampf[2] = nullptr;
    BahnDaten[2].GemeldeteSpielNr = 3;
    s.NamenanzeigeAktualisieren(2);
    EXPECT_EQ(Tafeltexte(), QStringList());
    BahnDaten[2].GemeldeteSpielNr = 0;
    s.NamenanzeigeAktualisieren(2);
    EXPECT_EQ(Tafeltexte(), QStringList{"2:"});
    // Lanes beyond the alley or the boards are ignored.
    for (int bahn : {0, 5, 17}) {
        s.NamenanzeigeAktualisieren(bahn);
        s.NamenanzeigeLoeschen(bahn);
    }
    EXPECT_EQ(Tafeltexte(), QStringList());
}

TEST_F(Namenanzeige, AlternationsStepOncePerTickWhateverTheLanes)
{
    const struct {
        std::function<void()> einrichten;
        QStringList takte;  // the lines of two ticks, lanes joined by '|'
    } faelle[] = {
        {[&] { w.NaSaPWechsel = 1; }, {"1:7.5|2:12.0", "1:Mueller|2:Meier Hans"}},
        {[&] {
             w.NaSaPWechsel = 1;
             Einst.Punkteanzeige = false;
         }, {"", "1:Mueller|2:Meier Hans"}},
        {[&] {
             w.NaVorWechsel = BahnDaten[1].ProbeLaeuft = BahnDaten[2].ProbeLaeuft = 1;
             w.Spieler[2].Name = "Meier";
             Einst.NaVorIntervall = 10000;
         },
         {"1:Hans|2:", "1:Mueller|2:Meier"}},
        {[&] { BahnDaten[2].BahnGestoppt = 1; }, {"2:BAHN", "2:STOP"}},
    };
    for (const auto& f : faelle) {
        SetUp();
        s.zuruecksetzen();
        f.einrichten();
        s.NamenanzeigeAktualisieren(2);
        Tafeltexte();
        for (const QString& erwartet : f.takte) {
            s.TimerWechsel.tick();
            EXPECT_EQ(Tafeltexte().join(QLatin1Char('|')), erwartet);
            EXPECT_TRUE(s.TimerWechsel.enabled());
        }
    }
    // The stopped lane runs again: its next refresh brings the name back.
    BahnDaten[2].BahnGestoppt = 0;
    s.NamenanzeigeAktualisieren(2);
    EXPECT_EQ(Tafeltexte(), QStringList{"2:Meier Hans"});
}

TEST_F(Namenanzeige, CountersSetTheAlternationPace)
{
    w.NaVorWechsel = w.NaSaPWechsel = 1;
    const struct {
        u8 probe;
        i32 intervall;
        int takte;
        std::vector<int> erwartet;
    } faelle[] = {
        {1, 30000, 7, {3, 6}}, {0, 30000, 61, {30, 60}}, {1, 0, 3, {1, 2, 3}}, {0, 0, 3, {1, 2, 3}},
    };
    for (const auto& f : faelle) {
        s.zuruecksetzen();
        Einst.NaVorIntervall = Einst.NaSaPIntervall = f.intervall;
        BahnDaten[1].ProbeLaeuft = BahnDaten[2].ProbeLaeuft = f.probe;
        EXPECT_EQ(Takte(s.TimerWechsel, f.takte), f.erwartet) << int(f.probe) << " " << f.intervall;
        // Two lanes, one step a tick.
        EXPECT_EQ(f.probe ? s.NaVorZustand : s.NaSaPZustand, f.erwartet.size() % 2 ? 2 : 1);
    }
}

TEST_F(Namenanzeige, AdvertShowsOnTheFirstTickThenAfterThePause)
{
    w.Gestartet = 0;
    w.Spielphase = PhaseAngelegt;
    Einst.NamenanzWerbeabst = 6;
    werbung({QStringLiteral("Willkommen im Kegelzentrum;1;4;0")});
    s.NamenanzWerbungStarten(w);
    ASSERT_TRUE(s.TimerWerbung.enabled());
    s.TimerWerbung.tick();
    EXPECT_EQ(Tafeltexte(), (QStringList{"1:Willkommen", "2:im", "3:Kegelzentru", "4:"}));
    EXPECT_EQ(w.NamenanzWerbung.Zaehler, 1);
    // Shown for 4 seconds, then 6 seconds of pause from the end.
    EXPECT_EQ(Takte(s.TimerWerbung, 6), (std::vector<int>{5}));
    EXPECT_TRUE(s.TimerWerbung.enabled());

    // Before the start a lane with a state keeps the words off the boards.
    BahnDaten[3].BahnStatus = 3;
    s.NamenanzWerbungStarten(w);
    s.TimerWerbung.tick();
    EXPECT_EQ(Tafeltexte(), QStringList());
    EXPECT_EQ(w.NamenanzWerbung.Zustand, 1);
}

// During play the names come back when an advert ends and stay for the
// pause; only a throw (a refresh) restarts the rotation.
TEST_F(Namenanzeige, NamesStayForThePauseAfterAnAdvertInPlay)
{
    Einst.NamenanzWerbeabst = 8;
    werbung({QStringLiteral("Pause;8;2;0")});
    s.NamenanzWerbungStarten(w);
    s.TimerWerbung.tick();
    EXPECT_EQ(Tafeltexte(), (QStringList{"1:Pause", "2:", "3:", "4:"}));
    // Up 2 seconds: the names return (lanes 3 and 4 have no player).
    s.TimerWerbung.tick();
    EXPECT_EQ(Tafeltexte(), (QStringList{"1:Mueller Han", "2:Meier Hans"}));
    // Then 8 seconds of names, counted from 1: the advert at 9 seconds.
    EXPECT_EQ(Takte(s.TimerWerbung, 4), (std::vector<int>{4}));
    s.NamenanzeigeAktualisieren(1);
    Tafeltexte();
    EXPECT_EQ(Takte(s.TimerWerbung, 1), (std::vector<int>{1}));
}

TEST_F(Namenanzeige, BadListsNeverBreakTheRotation)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Datenverzeichnis = ordner.path();
    w.NamenanzWerbung.Index = 5;
    s.NamenanzWerbungLaden(w);
    ASSERT_TRUE(w.NamenanzWerbung.Liste);
    EXPECT_TRUE(w.NamenanzWerbung.Liste->isEmpty());
    EXPECT_FALSE(s.TimerWerbung.enabled());

    ASSERT_TRUE(DateiAblegen(ordner.path(), "Namenanz5.dat", "Hallo;Welt;8\r\n;;;\r\nM\xFCnchen;x;y;z;8;0;0\r\n"));
    w.NamenanzWerbung.Werbung = 1;
    s.NamenanzWerbungLaden(w);
    EXPECT_EQ(w.NamenanzWerbung.Liste->size(), 3);
    EXPECT_TRUE(s.TimerWerbung.enabled());
    QStringList gezeigt;
    for (int i = 0; i < 6; ++i) {
        s.TimerWerbung.tick();
        gezeigt += Tafeltexte().mid(0, 1);
    }
    EXPECT_EQ(gezeigt, (QStringList{"1:Muenchen;x;", "1:Mueller Han"}));

    w.NamenanzWerbung.Position = 9;
    s.WerbeeintragLesen(w);
    EXPECT_EQ(w.NamenanzWerbung.Eintrag, "Hallo");
    w.NamenanzWerbung.Liste->clear();
    s.TimerWerbung.tick();
    EXPECT_FALSE(s.TimerWerbung.enabled());
}

TEST_F(Namenanzeige, BrightnessOnlyWithNameBoardsOnTheBus)
{
    for (auto [ein, bus] : {std::pair(true, 1), {false, 1}, {true, 0}}) {
        Einst.NamenanzOn = ein;
        CanAktiv = u8(bus);
        s.HelligkeitSenden(100);
        const std::vector<Anzeigerahmen> erwartet{{0x310, {0xEF, 100}}};
        EXPECT_EQ(GesendeteAnzeigerahmen(), ein && bus ? erwartet : std::vector<Anzeigerahmen>());
        CanSendenZuruecksetzen();
    }
}
