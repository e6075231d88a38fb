#include "core/Globals.h"
#include "core/Password.h"
#include "core/RecordFunctions.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <type_traits>

static_assert(!std::is_copy_constructible_v<TWettkampfDaten> && !std::is_copy_assignable_v<TWettkampfDaten>);
static_assert(!std::is_copy_constructible_v<TSpielerEintrag> && !std::is_copy_assignable_v<TSpielerEintrag>);
static_assert(!std::is_move_constructible_v<TWettkampfDaten>);

namespace {

class Records : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }

    // A new match in slot k as creating a match does it.
    TWettkampfDaten& neu(long k, QDate heute = QDate(2026, 3, 7))
    {
        TWettkampfDaten& w = Wettkaempfe[k];
        WettkampfGrundwerteSetzen(w, heute);
        WettkampfEinstellungenUebernehmen(w);
        return w;
    }
};

}  // namespace

TEST_F(Records, PlayerPointersAreFixedToTheirOwnRecord)
{
    for (long k = 1; k <= MaxWettkaempfe; ++k)
        for (long n = 1; n <= MaxSpieler; ++n) EXPECT_EQ(Wettkaempfe[k].SpielerZeiger[n], &Wettkaempfe[k].Spieler[n]);
    GlobalsZuruecksetzen();
    EXPECT_EQ(Wettkaempfe[2].SpielerZeiger[16], &Wettkaempfe[2].Spieler[16]);
    EXPECT_THROW((void)Wettkaempfe[1].SpielerZeiger[17], std::out_of_range);
}

TEST_F(Records, LanesAtProgramStart)
{
    BahnDaten[3].BahnStatus = 2;
    BahnDaten[3].Wettk = &Wettkaempfe[1];
    BahnDaten[3].WurfHolzVolle = "0123";
    BahnDatenStartwerte();
    for (long n = 1; n <= MaxBahnen; ++n) {
        const TBahnDaten& b = BahnDaten[n];
        EXPECT_EQ(b.BahnNr, n);
        EXPECT_EQ(b.BahnStatus, 0);
        EXPECT_EQ(b.Wettk, nullptr);
        EXPECT_EQ(b.AnmeldeZaehler, 0);
        EXPECT_EQ(b.BahnOnline, 0);
        EXPECT_EQ(b.BahnBereit, 0);
        EXPECT_EQ(b.TeilBeendet, 0);
        EXPECT_TRUE(b.WurfHolzVolle.leer());
    }
    EXPECT_EQ(BahnAnzahl, 4);
}

TEST_F(Records, NewMatchDefaults)
{
    Einst.Club = QStringLiteral("KSV Grün-Weiß");
    Einst.Bezirk = QStringLiteral("Nord");
    Einst.Klasse = QStringLiteral("Landesliga");
    Einst.Land = QStringLiteral("Bayern");
    Einst.Punkteanzeige = true;
    Einst.DrZentral = true;
    Einst.FormularNummer = 3;
    Einst.MonitorErgebnis = true;
    Einst.MonitorIndex = 2;
    Spielordner = QStringLiteral("/daten/spiele");
    AnzeigeBoardEin = 1;
    Einst.FtpZugang = QStringLiteral("geheim");

    TWettkampfDaten& w = neu(1, QDate(2026, 3, 7));

    // The FTP access stays scrambled in the match; only the upload decodes it.
    EXPECT_FALSE(w.FtpZugang.contains(QStringLiteral("geheim")));
    EXPECT_EQ(PasswortDekodieren(w.FtpZugang), QStringLiteral("geheim"));

    EXPECT_EQ(w.Datum, "07.03.26");
    EXPECT_EQ(w.Club.text(), QStringLiteral("KSV Grün-Weiß"));
    EXPECT_EQ(w.Heimmannschaft.text(), QStringLiteral("KSV Grün-Weiß 1"));
    EXPECT_EQ(w.MannschaftNr, "1");
    EXPECT_EQ(w.Bezirk, "Nord");
    EXPECT_EQ(w.Klasse, "Landesliga");
    EXPECT_EQ(w.Land, "Bayern");
    EXPECT_EQ(w.Spielart, "Clubspiel");
    EXPECT_EQ(w.Gruppe, "Herren");
    EXPECT_EQ(w.Textzeile[1].text(), QStringLiteral("Wir begrüßen unsere Gäste"));
    EXPECT_EQ(w.Textzeile[2].text(), QStringLiteral("und wünschen einen angenehmen Aufenthalt !"));
    EXPECT_EQ(w.Speicherordner, QStringLiteral("/daten/spiele"));
    EXPECT_TRUE(w.Speichername.isEmpty());

    EXPECT_EQ(w.Spieleranzahl, 6);
    EXPECT_EQ(w.Probe, 2);
    EXPECT_EQ(w.Zeit, 1);
    EXPECT_EQ(w.Uebertritt, 1);
    EXPECT_EQ(w.Durchlaeufer, 0);
    EXPECT_EQ(w.Spielphase, PhaseAngelegt);
    EXPECT_EQ(w.Punktespiel, 1);
    EXPECT_EQ(w.BahnenOk, 1);
    EXPECT_EQ(w.PaesseOk, 1);
    EXPECT_EQ(w.SchiedsrichterOkHeim, 1);
    EXPECT_EQ(w.SchiedsrichterOkGast, 1);
    EXPECT_EQ(w.DrZentral, 1);
    EXPECT_EQ(w.DrEinzelbahn, 0);
    EXPECT_EQ(w.Formular, 3);
    EXPECT_EQ(w.GrossanzeigeEin, 1);
    EXPECT_EQ(w.MonitorWerbung.Zustand, 1);
    EXPECT_EQ(w.MonitorWerbung.Index, 2);
    EXPECT_EQ(w.NamenOn, 1);
    EXPECT_EQ(w.NaVorWechsel, 1);
    ASSERT_TRUE(w.NamenanzWerbung.Liste && w.GrossanzWerbung.Liste);
    EXPECT_TRUE(w.NamenanzWerbung.Liste->isEmpty());

    for (const TMannschaftBlock* m : {&w.Heim, &w.Gast}) {
        EXPECT_EQ(m->Total.Text, "0000");
        EXPECT_EQ(m->Wuerfe.Text, "0000");
        EXPECT_EQ(m->Plus.Text, "0000");
        EXPECT_EQ(m->Volle.Text, "0");
        EXPECT_EQ(m->Abr.Text, "0");
        EXPECT_EQ(m->Fehler.Text, "0");
        EXPECT_EQ(m->TaP, "0");
        EXPECT_EQ(m->TotalMaP, 0.0f);
    }
    for (long n = 1; n <= MaxSpieler; ++n) {
        EXPECT_EQ(w.Spieler[n].IstHeim, n <= 8 ? 1 : 0);
        EXPECT_EQ(w.Spieler[n].Wertung, 1);
    }
}

TEST_F(Records, ReusedSlotKeepsOnlyWhatCreationDoesNotSet)
{
    TWettkampfDaten& alt = neu(2);
    alt.Spielleiter.Name = "Huber";
    alt.Spielleiter.Tel = "0815";
    alt.Spielleiter.Ort = "Passau";
    alt.Spielleiter.Email = "sl@example.org";
    alt.Gastmannschaft = "SKC Gast";
    alt.Spieler[3].Name = "Meier";
    alt.Spieler[3].SaP = 3.5f;
    alt.Spieler[3].MaP = 1;
    alt.Spieler[3].Durchgang[2].Wurfbild[100] = 0x41FF;
    alt.Heim.Total.Zahl = 512;
    alt.Gestartet = 1;
    alt.Beendet = 1;
    alt.Spielphase = PhaseBeendet;
    alt.SVictoryTabelle[2][3].Holz.Zahl = 17;
    alt.BahnImSpiel[5] = 1;

    TWettkampfDaten& w = neu(2);

    EXPECT_TRUE(w.Spielleiter.Name.leer());
    EXPECT_TRUE(w.Spielleiter.Tel.leer());
    EXPECT_EQ(w.Spielleiter.Ort, "Passau");
    EXPECT_EQ(w.Spielleiter.Email, "sl@example.org");
    EXPECT_TRUE(w.Gastmannschaft.leer());
    EXPECT_TRUE(w.Spieler[3].Name.leer());
    EXPECT_EQ(w.Spieler[3].SaP, 0.0f);
    EXPECT_EQ(w.Spieler[3].MaP, 0.0f);
    EXPECT_EQ(w.Spieler[3].Durchgang[2].Wurfbild[100], 0);
    EXPECT_EQ(w.Heim.Total.Zahl, 0);
    EXPECT_EQ(w.Gestartet, 0);
    EXPECT_EQ(w.Beendet, 0);
    EXPECT_EQ(w.Spielphase, PhaseAngelegt);
    EXPECT_EQ(w.SVictoryTabelle[2][3].Holz.Zahl, 0);
    EXPECT_EQ(w.BahnImSpiel[5], 0);
}

TEST_F(Records, ThrowsBeyondTheArraysAreDroppedNotWrittenPastTheEnd)
{
    const auto alt = IndexCheck::handler();
    IndexCheck::setHandler([](long, long, long) {});
    TWettkampfDaten& w = neu(1);
    TDurchgangBlock& b = w.Spieler[1].Durchgang[1];
    b.Wurfbild[101] = 0x41FF;
    b.Wurfart[101] = 0x200;
    EXPECT_EQ(b.Wurfbild[100], 0);
    EXPECT_EQ(b.Wurfart[1], 0);
    EXPECT_EQ(b.Holz[1], 0);

    w.SVictoryTabelle[1][1].Wurfbild[51] = 0x4001;
    EXPECT_EQ(w.SVictoryTabelle[1][1].Wurfart[1], 0);

    TBahnDaten& l = BahnDaten[1];
    l.WurfHolzVolle.zeichen(52) = '9';
    l.TextName1[1].leeren();
    l.TextName1[1].marke(26) = '9';
    l.TextName1[1].marke(25) = '7';
    l.TextName1[1].marke(11) = '5';
    EXPECT_EQ(l.TextName1[1].Wuerfe21bis25, "    7");
    EXPECT_EQ(l.TextName1[1].Wuerfe11bis20, "5         ");
    EXPECT_TRUE(l.WurfHolzAbraeumen.leer());
    IndexCheck::setHandler(alt);
}
