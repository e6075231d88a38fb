// The field codec of the card image, the reader of the settings, the card
// poll's take-over into a player, and the player card.
#include "competition/Chipkarte.h"

#include "competition/Spielerkarte.h"
#include "competition/Testkartenleser.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"

#include <memory>
#include <optional>

namespace {

class Chipkarte : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        chipkartenZustand.zuruecksetzen();
        Spielerkarte = {};
        bild.fill(0x55);
    }
    void TearDown() override
    {
        chipkartenZustand.zuruecksetzen();
        Spielerkarte = {};
        Grundlage::TearDown();
    }
    Kartenbild bild{};
};

TEST_F(Chipkarte, TextsOfTheirWidthReadBackLongerOnesAreRefused)
{
    KartentextSchreiben(10, "M\xFCller-L\xFC" "denscheid", 8, bild);  // cut to 8
    EXPECT_EQ(bild[11], 0xFC);  // Windows-1252 byte, high byte 0
    EXPECT_EQ(bild[18], 0);
    EXPECT_EQ(bild[19], 0x55);
    QByteArray t = "vorher";
    ASSERT_TRUE(KartentextLesen(t, 10, 8, bild));
    EXPECT_EQ(t, "M\xFCller-L");
    bild[18] = 'x';  // nine characters now
    bild[19] = 0;
    t = "vorher";
    EXPECT_FALSE(KartentextLesen(t, 10, 8, bild));
    EXPECT_EQ(t, "vorher");
    EXPECT_TRUE(KartentextLesen(t, 10, 9, bild));
}

TEST_F(Chipkarte, NumbersAreDigitsWithinTheirWidthAndAZeroUnit)
{
    EXPECT_EQ(KartenzahlSchreiben(5, 0, bild), 1);
    EXPECT_EQ(bild[5], '0');
    EXPECT_EQ(bild[6], 0);
    EXPECT_EQ(KartenzahlSchreiben(20, 4711, bild), 4);
    EXPECT_EQ(bild[24], 0);

    const struct {
        std::vector<u16> einheiten;
        int breite;
        std::optional<u16> wert;  // nothing: refused
    } faelle[] = {
        {{'0', 0}, 2, 0},
        {{0}, 2, 0},  // empty field
        {{'4', '2', 0}, 2, 42},
        {{'1', '2', '3', 0}, 2, std::nullopt},
        {{'1', 'A', 0}, 3, std::nullopt},
        {{'1', '2', '3', '4'}, 3, std::nullopt},   // no 0 unit
        {{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}, 3, std::nullopt},
        {{'6', '5', '5', '3', '6', 0}, 10, std::nullopt},  // beyond 16 bits
    };
    for (const auto& f : faelle) {
        int i = 300;
        for (u16 e : f.einheiten) bild[i++] = e;
        u16 z = 999;
        EXPECT_EQ(KartenzahlLesen(z, 300, f.breite, bild), f.wert.has_value()) << i;
        EXPECT_EQ(z, f.wert.value_or(999)) << i;
    }
}

TEST_F(Chipkarte, YesNoIsTwoOrOneAndZeroMeansNoValue)
{
    KartenJaNeinSchreiben(50, true, bild);
    KartenJaNeinSchreiben(53, false, bild);
    EXPECT_EQ(std::vector<u16>(bild.begin() + 50, bild.begin() + 55), (std::vector<u16>{2, 0, 0x55, 1, 0}));
    u8 z = 9;
    EXPECT_TRUE(KartenJaNeinLesen(z, 50, bild));
    EXPECT_EQ(z, 1);
    EXPECT_TRUE(KartenJaNeinLesen(z, 53, bild));
    EXPECT_EQ(z, 0);
    bild[60] = 0;
    bild[70] = 3;
    bild[71] = 0;
    EXPECT_FALSE(KartenJaNeinLesen(z, 60, bild));
    EXPECT_FALSE(KartenJaNeinLesen(z, 70, bild));
}

TEST_F(Chipkarte, TheReaderOfTheSettings)
{
    for (int typ : {0, 5}) {
        Einst.Chipkarte = u8(typ);
        KartenleserAktiv = KartenTimerAktiv = 1;
        KartenleserOeffnen();
        EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht vorhanden !"));
        EXPECT_EQ(KartenleserAktiv + KartenTimerAktiv, 0);
    }
    auto karte = TestkarteEinlegen();
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte Ok !"));
    EXPECT_EQ(KartenleserAktiv + KartenTimerAktiv, 2);
    EXPECT_TRUE(KarteVorhanden());
    karte->vorhanden = false;
    EXPECT_FALSE(KarteVorhanden());

    setKartenleserVorgabe([] { return std::unique_ptr<Kartenleser>(); });
    KartenleserOeffnen();
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht gefunden !"));
    EXPECT_EQ(KartenleserAktiv + KartenTimerAktiv, 0);
}

TEST_F(Chipkarte, CardPollFillsOnlyAPlayerWhoHasNotStarted)
{
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    TSpielerkartenDaten d;
    d.Name = "Hans M\xFCller";
    d.Pass = "123456";
    d.Geburtsdatum = "01.02.80";
    d.Club = "KSC";
    SpielerkarteFuellen(d, Kartenpuffer);
    w.Spieler[4].Gestartet = 1;
    for (int p : {0, 4, 17}) EXPECT_FALSE(SpielerkarteUebernehmen(p)) << p;
    EXPECT_TRUE(w.Spieler[4].Name.leer());

    ASSERT_TRUE(SpielerkarteUebernehmen(3));
    EXPECT_EQ(w.Spieler[3].Name, "Hans M\xFCller");
    EXPECT_EQ(w.Spieler[3].Pass, "123456");
    EXPECT_EQ(w.Spieler[3].Gebdat, "01.02.80");
    EXPECT_TRUE(w.Spieler[3].Club.leer());

    KartentextSchreiben(0, "Mkarte", 8);
    EXPECT_FALSE(SpielerkarteUebernehmen(5));
    EXPECT_TRUE(w.Spieler[5].Name.leer());
}

TSpielerkartenDaten Beispielkarte()
{
    TSpielerkartenDaten d;
    d.Name = "Erika Mustermann";
    d.Pass = "654321";
    d.Geschlecht = "weiblich";
    d.Sparte = "Kegeln";
    d.Beitrag = "24";
    d.Klasse = "Landesliga";
    d.Reserviert = "ab";
    d.ErsatzSpiel[3] = "Ersatzspiel 4";
    d.ErsatzDatum[3] = "04.03.24";
    return d;
}

TEST_F(Chipkarte, PlayerCardRoundTripKeepsTheReservedField)
{
    auto karte = TestkarteEinlegen();
    karte->einheiten.fill(0x55);
    ASSERT_EQ(SpielerkarteSchreiben(Beispielkarte(), [] { return true; }), Kartenergebnis::Ok)
        << "the player card was not written back";
    EXPECT_EQ(karte->lichter, (std::vector<int>{2, 1, 0}));
    const std::pair<int, QByteArray> felder[] = {{0, "Skarte"}, {10, "Erika Mustermann"}, {41, "654321"},
                                                 {57, "weiblich"}, {97, "Kegeln"}, {110, "24"}, {144, "Landesliga"},
                                                 {175, "ab"}, {298, "Ersatzspiel 4"}, {329, "04.03.24"}};
    for (const auto& [einheit, text] : felder) EXPECT_EQ(karte->lesen(einheit), text) << einheit;
    EXPECT_EQ(karte->einheiten[399], 0);     // cleared
    EXPECT_EQ(karte->einheiten[400], 0x55);  // beyond the card's 400 units

    karte->text(175, "cd");  // as another program left it
    ASSERT_EQ(SpielerkarteLesen(), Kartenergebnis::Ok);
    TSpielerkartenDaten d = Spielerkarte;
    EXPECT_EQ(d.Reserviert, "cd");
    d.Name = "Erika Musterfrau";
    ASSERT_EQ(SpielerkarteSchreiben(d, {}), Kartenergebnis::Ok);
    EXPECT_EQ(karte->lesen(175), "cd");
    Spielerkarte = {};
    ASSERT_EQ(SpielerkarteLesen(), Kartenergebnis::Ok);
    EXPECT_EQ(Spielerkarte, d);
    EXPECT_EQ(karte->lichter.back(), 0);
}

// Every field of the player card at its unit in an image written out here by
// hand (one unit a character, then a 0 unit; every text at its full width,
// so that a field one unit off overlaps its neighbour): read by the program,
// and written by it unit for unit.
TEST_F(Chipkarte, ThePlayerCardLayoutMatchesACardImageMadeByHand)
{
    const auto hand = std::make_unique<Kartenbild>();
    const auto text = [&](int einheit, const QByteArray& t) {
        for (int i = 0; i < t.size(); ++i) (*hand)[einheit + i] = u8(t[i]);
        (*hand)[einheit + t.size()] = 0;
    };
    TSpielerkartenDaten d;
    d.Name = "Erika Mustermann-L\xFC" "denscheid 1";
    d.Pass = "654321";
    d.Geburtsdatum = "24.12.85";
    d.Geschlecht = "weiblich";
    d.Verein = "Sportkegelverein Gut Holz 1921";
    d.Sparte = "Kegeln Sport";
    d.Beitrag = "26";
    d.Club = "KSC Alle Neune M\xFCnsterland 123";
    d.Klasse = "Bezirksoberliga Staffel Nord 1";
    d.Reserviert = "xy";
    for (int k = 0; k < 4; ++k) {
        d.ErsatzSpiel[std::size_t(k)] = "Ersatzspiel " + QByteArray::number(k + 1) + " gegen SKV Beispi";
        d.ErsatzDatum[std::size_t(k)] = "0" + QByteArray::number(k + 1) + ".02.26";
    }
    text(0, "Skarte");
    text(10, d.Name);
    text(41, d.Pass);
    text(48, d.Geburtsdatum);
    text(57, d.Geschlecht);
    text(66, d.Verein);
    text(97, d.Sparte);
    text(110, d.Beitrag);
    text(113, d.Club);
    text(144, d.Klasse);
    text(175, d.Reserviert);
    text(178, d.ErsatzSpiel[0]);
    text(209, d.ErsatzDatum[0]);
    text(218, d.ErsatzSpiel[1]);
    text(249, d.ErsatzDatum[1]);
    text(258, d.ErsatzSpiel[2]);
    text(289, d.ErsatzDatum[2]);
    text(298, d.ErsatzSpiel[3]);
    text(329, d.ErsatzDatum[3]);
    // Every field at its full width (the reserved one is 2 wide).
    const std::pair<const QByteArray*, int> breiten[] = {
        {&d.Name, 30},    {&d.Pass, 6},     {&d.Geburtsdatum, 8}, {&d.Geschlecht, 8},
        {&d.Verein, 30},  {&d.Sparte, 12},  {&d.Beitrag, 2},      {&d.Club, 30},
        {&d.Klasse, 30},  {&d.Reserviert, 2}, {&d.ErsatzSpiel[0], 30}, {&d.ErsatzDatum[0], 8}};
    for (const auto& [feld, breite] : breiten) ASSERT_EQ(feld->size(), breite) << feld->constData();

    TSpielerkartenDaten gelesen;
    ASSERT_TRUE(SpielerkarteAuslesen(*hand, gelesen));
    EXPECT_EQ(gelesen, d);

    const auto geschrieben = std::make_unique<Kartenbild>();
    geschrieben->fill(0xFFFF);
    SpielerkarteFuellen(d, *geschrieben);
    for (int e = 0; e < 400; ++e) EXPECT_EQ((*geschrieben)[e], (*hand)[e]) << "unit " << e;
}

TEST_F(Chipkarte, ACardOfAnotherKindIsNeitherReadNorOverwrittenUnasked)
{
    auto karte = TestkarteEinlegen();
    karte->text(0, "Mkarte");
    Spielerkarte = Beispielkarte();
    EXPECT_EQ(SpielerkarteLesen(), Kartenergebnis::FalscheKarte);
    EXPECT_EQ(Spielerkarte, Beispielkarte());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Im Leser befindet sich keine Spielerkarte !")});

    int gefragt = 0;
    EXPECT_EQ(SpielerkarteSchreiben({}, [&] { return ++gefragt, false; }), Kartenergebnis::Abgebrochen);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(karte->schreibvorgaenge(), 0);
    EXPECT_EQ(karte->lichter, (std::vector<int>{2, 0, 2, 0}));

    karte->text(0, "Skarte");
    karte->fehlschlaege[0] = 1;
    EXPECT_EQ(SpielerkarteLesen(), Kartenergebnis::Fehler);
    karte->vorhanden = false;
    EXPECT_EQ(SpielerkarteLesen(), Kartenergebnis::KeineKarte);
    EXPECT_EQ(karte->lichter.back(), 0);
}

}  // namespace
