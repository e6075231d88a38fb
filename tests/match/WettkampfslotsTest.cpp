#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Startplaene.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"

#include <gtest/gtest.h>

namespace {

class Wettkampfslots : public Grundlage {
protected:
    // Makes slot k current, as the main window's match list does.
    void wechseln(int k)
    {
        AktWettkampfNr = u8(k);
        AktWettkampf = &Wettkaempfe[k];
    }
    TWettkampfDaten& neu()
    {
        EXPECT_TRUE(WettkampfAnlegen());
        WettkampfVorgabenSetzen();
        return *AktWettkampf;
    }

    UhrEinsetzen uhr{FesteUhr(QDateTime(QDate(2026, 12, 6), QTime(10, 0)))};
};

struct AnsichtAttrappe : OptionenAnsicht {
    int groesse = 2, zeilen = 0, bahnIdx = 0;
    bool groesseAktiv = true, wechselSichtbar = false;
    QString probe, bahn = QStringLiteral("Bahn 1 bis 4");
    int spieleranzahlIndex() const override { return groesse; }
    void setSpieleranzahlIndex(int i) override { groesse = i; }
    void setSpieleranzahlAktiv(bool a) override { groesseAktiv = a; }
    void setSpielerzeilen(int n) override { zeilen = n; }
    QString probeText() const override { return probe; }
    void probeAuswahlFuellen() override {}
    QString bahnText() const override { return bahn; }
    int bahnIndex() const override { return bahnIdx; }
    void setBahnIndex(int i) override { bahnIdx = i; }
    bool bahnwechselAuswahlFuellen() override { return wechselSichtbar; }
};

}  // namespace

TEST_F(Wettkampfslots, LowestFreeSlotAndTheCurrentMatchAfterClosing)
{
    for (int k = 1; k <= 3; ++k) neu();
    wechseln(2);
    ASSERT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(AktWettkampf, &Wettkaempfe[3]);  // the highest slot in use
    ASSERT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(AktWettkampfNr, 1);
    neu();
    EXPECT_EQ(AktWettkampfNr, 2);  // the lowest free slot

    while (WettkampfAnzahl < 6) neu();
    EXPECT_FALSE(WettkampfAnlegen());
    EXPECT_EQ(WettkampfAnzahl, 6);
    EXPECT_FALSE(SpielUebernehmen(3, 0, 6, 0, 1));  // a lane's game is not taken over either
}

TEST_F(Wettkampfslots, TheSaveQuestionDecidesWhetherTheMatchCloses)
{
    TWettkampfDaten& w = neu();
    w.Gastmannschaft = "SKC Gast";
    w.Geaendert = 1;
    skriptBoxen().antworten = {ErgebnisAbbrechen};
    EXPECT_FALSE(WettkampfSchliessen());
    EXPECT_EQ(AktWettkampf, &w);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Wettkampf ´ 1 - SKC Gast´ speichern ?")});

    skriptBoxen().antworten = {ErgebnisNein};
    EXPECT_TRUE(WettkampfSchliessen());
    EXPECT_FALSE(wettbewerb.aufrufe.contains(QStringLiteral("speichern")));
    EXPECT_EQ(WettkampfAnzahl, 0);
    EXPECT_EQ(AktWettkampf, nullptr);

    // "Ja", and the save does not happen: the match stays open; then it is saved and closes.
    neu().Geaendert = 1;
    wettbewerb.speichertErfolgreich = false;
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(WettkampfSchliessen());
    EXPECT_EQ(WettkampfAnzahl, 1);
    wettbewerb.speichertErfolgreich = true;
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(wettbewerb.aufrufe.count(QStringLiteral("speichern")), 2);

    neu().Geaendert = 0;  // unchanged: no question
    skriptBoxen().gezeigt.clear();
    EXPECT_TRUE(WettkampfSchliessen());
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

TEST_F(Wettkampfslots, ClosingReleasesLanesDisplaysAndTheHandOver)
{
    Einst.MannschanzOn = Einst.NamenanzOn = true;
    Einst.PcEinheit = 2;
    CanAktiv = 1;
    CanTabellenSetzen();
    TWettkampfDaten& w = neu();
    w.ErsteSpielbahn = 1;
    w.LetzteSpielbahn = 2;
    w.MannschaftsanzeigeEin = w.NamenanzeigeEin = w.MonitoreEin = 1;
    w.Beendet = 1;
    for (int b : {1, 2}) {
        BahnDaten[b].Wettk = &w;
        BahnWettkampf[b] = &w;
        MonitorWettkampf[b] = &w;
    }
    BahnDaten[2].BahnStatus = 1;  // still busy
    UebernahmeWettkampf = &w;
    AnzeigeBoardEin = 1;
    anzeigen.aufrufe.clear();

    ASSERT_TRUE(WettkampfSchliessen());
    using Zeiger = std::vector<const TWettkampfDaten*>;
    EXPECT_EQ((Zeiger{BahnDaten[2].Wettk, BahnWettkampf[1], MonitorWettkampf[2], UebernahmeWettkampf}), Zeiger(4));
    EXPECT_FALSE(w.NamenanzWerbung.Liste || w.GrossanzWerbung.Liste);
    // Lane 2 is busy: the team boards stay, only lane 1's name board is blanked.
    EXPECT_EQ(anzeigen.aufrufe, QStringList{"NLoeschen 1"});
    // The last match closed: both board families blanked with the station number.
    ASSERT_EQ(AnzeigeSendeAnzahl, 2);
    const TCanNachricht& team = AnzeigeSendepuffer[0];
    EXPECT_EQ((std::vector<u32>{team.Id, team.Daten[0], team.Daten[1], AnzeigeSendepuffer[1].Id}),
              (std::vector<u32>{0x309, 237, 2, 0x311}));
}

// Match 1 closes while match 2 stays open.
TEST_F(Wettkampfslots, TheNextMatchKeepsItsChangedMarkAndAFreeRangeHasItsBoardsBlanked)
{
    TWettkampfDaten& w = neu();
    w.ErsteSpielbahn = 3;
    w.LetzteSpielbahn = 4;
    w.MannschaftsanzeigeEin = w.NamenanzeigeEin = 1;
    TWettkampfDaten& zweiter = neu();
    zweiter.Geaendert = 0;
    wechseln(1);
    ASSERT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MLoeschen 3-4", "NLoeschen 3", "NLoeschen 4"}));
    EXPECT_EQ(AnzeigeSendeAnzahl, 0);  // the boards stay on for match 2
    EXPECT_EQ(AktWettkampf, &zweiter);
    EXPECT_TRUE(fenster.aufrufe.contains(QStringLiteral("aktualisieren 0")));
    EXPECT_EQ(zweiter.Geaendert, 0);
}

TEST_F(Wettkampfslots, PlayerDatabaseAndStatusText)
{
    DatenbankGeaendert = 1;
    skriptBoxen().antworten = {ErgebnisJa};
    SpielerdatenbankSpeichernFragen();
    EXPECT_EQ(wettbewerb.aufrufe, QStringList{"datenbank"});
    EXPECT_EQ(DatenbankGeaendert, 0);
    SpielerdatenbankSpeichernFragen();  // not changed: no question
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);

    TWettkampfDaten& w = neu();
    w.Gestartet = 1;
    SpielstatusAnzeigen();
    EXPECT_EQ(fenster.status[2], QStringLiteral("gestartet"));
    w.Gestoppt = w.Beendet = 1;  // the end counts before the stop
    SpielstatusAnzeigen();
    EXPECT_EQ(fenster.status[2], QStringLiteral("fertig"));
}

TEST_F(Wettkampfslots, PracticeThrowsAndMinutes)
{
    TWettkampfDaten& w = neu();
    const struct {
        u16 probe;
        const char* text;
        int wuerfe, minuten;
    } faelle[] = {
        {0, "", 0, 0},          {1, "", 0, 3}, {2, "", 0, 5}, {3, "", 5, 0}, {4, "", 10, 0},
        {5, "7 Wurf Probe", 7, 0}, {6, "7 min. Probe", 0, 7},
    };
    for (const auto& f : faelle) {
        w.Probe = f.probe;
        ProbewuerfeUebernehmen(QString::fromUtf8(f.text));
        EXPECT_EQ(w.Probewuerfe, f.wuerfe) << f.probe;
        EXPECT_EQ(w.Probezeit, f.minuten) << f.probe;
    }
}

TEST_F(Wettkampfslots, PlanAssignmentAndTheOwnPlan)
{
    TWettkampfDaten& w = neu();
    w.ErsteBahn = 1;
    w.LetzteBahn = 4;
    w.Spielmodus = 2;
    w.Spieleranzahl = 6;
    ASSERT_TRUE(StartfolgeZuordnen());

    // Four lanes, mode 1, five players: no plan; the old one must not stay.
    w.Spielmodus = 1;
    w.Spieleranzahl = 5;
    EXPECT_FALSE(StartfolgeZuordnen());
    EXPECT_EQ(w.StartplanZeiger, nullptr);

    // The own plan: read under the throw preset's index and checked.
    w.Spielmodus = 5;
    w.Wurfvorwahl = 3;
    wettbewerb.startfolge = [&](int, int) {
        w.Startfolge[1][1] = 1;
        w.Startfolge[2][1] = 9;
        return true;
    };
    EXPECT_TRUE(StartfolgeZuordnen());
    EXPECT_EQ(w.StartplanZeiger, &w.Startfolge);
    EXPECT_TRUE(wettbewerb.aufrufe.contains(QStringLiteral("startfolge 3 4")));

    wettbewerb.startfolge = [&](int, int) {
        w.Startfolge[3][2] = 17;
        return true;
    };
    EXPECT_FALSE(StartfolgeZuordnen());
    EXPECT_EQ(w.StartplanZeiger, nullptr);
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);  // the operator is told why
}

TEST_F(Wettkampfslots, OptionsFollowTheMatchWindow)
{
    WurfvorwListe = {QStringLiteral("200 Wurf;50;50;15;2;"), QStringLiteral("120 Wurf;30;30;12;4;")};
    TWettkampfDaten& w = neu();
    AnsichtAttrappe a;
    a.groesse = 0;
    a.bahn = QStringLiteral("Bahn 1 und 2");
    a.bahnIdx = 3;
    a.wechselSichtbar = true;
    WettkampfOptionenAnzeigen(OptionAlle, a);
    EXPECT_EQ(w.Volle + w.Abraeumen, 100);
    EXPECT_FALSE(a.groesseAktiv);  // 200 throws: always six players
    EXPECT_EQ(w.Spieleranzahl, 6);
    EXPECT_EQ(a.bahnIdx, 0);  // a new practice choice resets the lane choice
    EXPECT_EQ(w.LetzteBahn, 2);
    EXPECT_EQ(w.ArtWaehlbar, 1);
    EXPECT_EQ(w.StartplanZeiger, &PlanZweiBahnenModus2Sechs);

    w.Wurfvorwahl = 1;
    a.groesse = 1;
    WettkampfOptionenAnzeigen(OptionWurfvorwahl | OptionSpieleranzahl, a);
    EXPECT_TRUE(a.groesseAktiv);
    EXPECT_EQ(w.Spieleranzahl, 5);
    EXPECT_EQ(a.zeilen, 5);

    w.Streichspiel = 1;
    WettkampfOptionenAnzeigen(OptionWurfvorwahl | OptionSpieleranzahl, a);
    EXPECT_FALSE(a.groesseAktiv);
    EXPECT_EQ(w.Spieleranzahl, 8);
}

TEST_F(Wettkampfslots, ANewMatchIsPlayableWithItsDefaults)
{
    // No throw preset kept: the built-in one, 120 throws (15 + 15 on four
    // lanes, set mode 3), on the largest of 6, 4 or 2 lanes the alley has.
    const struct {
        int bahnAnzahl, letzteBahn;
        const TStartplan* plan;
    } faelle[] = {{4, 4, &PlanVierBahnenModus3Sechs},
                  {6, 6, &PlanSechsBahnenModus3},
                  {3, 2, &PlanZweiBahnenModus34Sechs},
                  {1, 0, nullptr}};
    for (const auto& f : faelle) {
        GlobalsZuruecksetzen();  // a slot used before keeps its lanes
        BahnAnzahl = f.bahnAnzahl;
        TWettkampfDaten& w = neu();
        WettkampfGrundoptionenSetzen();
        EXPECT_EQ((std::vector<int>{w.Volle, w.Abraeumen, w.Wurfzeit, w.Spielmodus, w.Durchgaenge, w.Spieleranzahl,
                                    w.Probezeit, w.ErsteSpielbahn, w.LetzteSpielbahn}),
                  (std::vector<int>{15, 15, 12, 3, 4, 6, 5, f.plan ? 1 : 0, f.letzteBahn}))
            << f.bahnAnzahl;
        EXPECT_EQ(w.StartplanZeiger, f.plan) << f.bahnAnzahl;
        ASSERT_TRUE(WettkampfSchliessen());
    }

    // A kept preset list: its first preset and that preset's first lane choice.
    BahnAnzahl = 6;
    WurfvorwListe = {QStringLiteral("100 Wurf;25;25;0;2;;;Bahn 3 bis 4;Bahn 1 bis 4"), QStringLiteral("x;1;1;1;1;")};
    TWettkampfDaten& w = neu();
    WettkampfGrundoptionenSetzen();
    EXPECT_EQ((std::vector<int>{w.Volle, w.Abraeumen, w.Spielmodus, w.Durchgaenge, w.ErsteBahn, w.LetzteBahn}),
              (std::vector<int>{25, 25, 2, 2, 3, 4}));
    EXPECT_EQ(w.StartplanZeiger, &PlanZweiBahnenModus2Sechs);
}

// Every combination the match window offers for which a plan exists: the
// options that follow the choices give the plan, and the match starts on the
// lanes of its first round.
TEST_F(Wettkampfslots, EveryOfferedCombinationWithAPlanStarts)
{
    BahnAnzahl = 6;
    for (int modus = 1; modus <= 4; ++modus)
        WurfvorwListe << QStringLiteral("M%1;15;15;12;%1;;;Bahn 1 bis 2;Bahn 1 bis 4;Bahn 1 bis 6").arg(modus);
    // The plan table: lanes, mode, players (8: Streichspiel), Art.
    struct Fall {
        int bahnen, modus, spieler, art;
    };
    QList<Fall> faelle;
    for (int spieler : {4, 5, 6}) {
        for (int modus = 2; modus <= 4; ++modus) faelle << Fall{2, modus, spieler, 0} << Fall{6, modus, spieler, 0};
        if (spieler != 5) faelle << Fall{2, 1, spieler, 0};
    }
    for (int modus : {1, 2, 3, 4})
        for (int spieler : {4, 6}) faelle << Fall{4, modus, spieler, 0};
    for (int art = 0; art <= 3; ++art) faelle << Fall{4, 2, 5, art} << Fall{6, 2, 8, art};
    faelle << Fall{4, 2, 8, 0};
    ASSERT_EQ(faelle.size(), 20 + 8 + 8 + 1);

    for (const Fall& f : faelle) {
        const std::string name = QStringLiteral("%1 Bahnen, Modus %2, %3 Spieler, Art %4")
                                     .arg(f.bahnen).arg(f.modus).arg(f.spieler).arg(f.art).toStdString();
        TWettkampfDaten& w = neu();
        w.Wurfvorwahl = u16(f.modus - 1);
        w.Streichspiel = f.spieler == 8 ? 1 : 0;
        AnsichtAttrappe a;
        a.groesse = std::min(f.spieler, 6) - 4;
        a.bahn = QStringLiteral("Bahn 1 bis %1").arg(f.bahnen);
        WettkampfOptionenAnzeigen(OptionAlle, a);
        w.Art = u16(f.art);  // the lane-change choice
        WettkampfOptionenAnzeigen(0, a);
        ASSERT_NE(w.StartplanZeiger, nullptr) << name;

        SpielStarten(w);
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << name;
        // Passive lanes (the setting here): lane 1 leads the group also when empty.
        for (int bahn = 1; bahn <= f.bahnen; ++bahn)
            EXPECT_EQ(BahnDaten[bahn].Wettk, ((*w.StartplanZeiger)[bahn][1] || bahn == 1) ? &w : nullptr)
                << name << " Bahn " << bahn;
        skriptBoxen().antworten = {ErgebnisNein};  // not saved
        ASSERT_TRUE(WettkampfSchliessen());
        SpielablaufZuruecksetzen();
        BahnDatenStartwerte();
        BahnAnzahl = 6;
        skriptBoxen() = SkriptBoxen{};
    }
}

TEST_F(Wettkampfslots, AGameALaneRunsIsTakenOver)
{
    WurfvorwListe = {QStringLiteral("a;1;1;1;1;"), QStringLiteral("b;1;1;1;1;")};
    TWettkampfDaten* w = SpielUebernehmen(3, 1, 5, 4, 2);
    ASSERT_NE(w, nullptr);
    // Practice kind (the lane counts from 1), throw preset, players, lanes, round; five players on four lanes: Art 2.
    EXPECT_EQ((std::vector<int>{w->Probe, w->Wurfvorwahl, w->Spieleranzahl, w->BahnenIndex, w->Durchgang, w->Art}),
              (std::vector<int>{2, 1, 5, 4, 2, 2}));
    EXPECT_TRUE(fenster.offen(MdiFenster::Wettkampf));

    const u8 falsch[][5] = {{0, 0, 6, 0, 1}, {8, 0, 6, 0, 1}, {3, 2, 6, 0, 1}, {3, 0, 7, 0, 1}, {3, 0, 6, 0, 26}};
    for (const auto& f : falsch) EXPECT_EQ(SpielUebernehmen(f[0], f[1], f[2], f[3], f[4]), nullptr);
    EXPECT_EQ(WettkampfAnzahl, 1);
}
