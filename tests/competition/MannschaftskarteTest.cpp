// The team card: a match written and loaded back as a new one, the guest
// side from a card, and the refusals and prompts on the way.
#include "competition/Mannschaftskarte.h"

#include "competition/Testkartenleser.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace {

class Mannschaftskarte : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        chipkartenZustand.zuruecksetzen();
        karte = TestkarteEinlegen();
        u.fortschritt = [this](int erreicht, int) { fortschritte.push_back(erreicht); };
        u.erneutEinschieben = [this] { return ++erneutGefragt <= erneutOk; };
        u.ueberschreiben = [this] { return ++ueberschreibenGefragt, ueberschreibenJa; };
    }
    void TearDown() override
    {
        chipkartenZustand.zuruecksetzen();
        Grundlage::TearDown();
    }

    // A new current match with a value in every field the card carries.
    static TWettkampfDaten& beispiel()
    {
        EXPECT_TRUE(WettkampfAnlegen());
        TWettkampfDaten& w = *AktWettkampf;
        w.Club = "KSC M\xFCnster";
        w.MannschaftNr = "2";
        w.Spielnummer = "12345";
        w.Spielart = "Pokalspiel";
        w.Gastmannschaft = "SKV Gut Holz 1";
        w.Spielleiter.Name = "Otto Leiter";
        w.Textzeile[2] = "Gut Holz !";
        w.Gruppe = "Damen";
        w.Spieltag = "7";
        w.Spieleranzahl = 5;
        w.Probe = 3;
        w.Zeit = 0;
        w.Durchlaeufer = 1;
        w.BahnenIndex = 1;
        w.Art = 2;
        w.Volle = 25;
        w.Wurfzeit = 12;
        w.GrossanzWerbung.Index = 12;
        w.MonitorWerbung.Index = 99;
        w.MannschNamenAnzeigen = 1;
        w.NamenOn = 0;
        w.NamenanzWerbung.Werbung = 1;
        for (int p = 1; p <= MaxSpieler; ++p) {
            w.Spieler[p].Name.setzen("Spieler " + QByteArray::number(p));
            w.Spieler[p].Pass.setzen(QByteArray::number(100000 + p));
            w.Spieler[p].LetztPlatz.setzen(QByteArray(1, char('0' + p % 10)));
        }
        w.Spieler[16].Gebdat = "16.01.90";
        w.Spieler[16].LetztSpiel = "16.02.24";
        return w;
    }
    // The card of the example match; no slot stays taken.
    void beispielkarte()
    {
        Kartenbild b{};
        TWettkampfDaten* vorher = AktWettkampf;
        const u8 nr = AktWettkampfNr;
        MannschaftskarteFuellen(beispiel(), b);
        std::copy(b.begin(), b.begin() + MannschaftskarteEinheiten, karte->einheiten.begin());
        WettkampfBelegt[AktWettkampfNr] = 0;
        --WettkampfAnzahl;
        AktWettkampf = vorher;
        AktWettkampfNr = nr;
    }

    std::shared_ptr<Testkarte> karte;
    Kartenuebertragung u;
    std::vector<int> fortschritte;
    int erneutGefragt = 0, erneutOk = 0, ueberschreibenGefragt = 0;
    bool ueberschreibenJa = false;
};

TEST_F(Mannschaftskarte, AMatchWrittenAndLoadedBackIsTheSameButForSpielartAndGruppe)
{
    const TWettkampfDaten& a = beispiel();
    karte->text(0, "Mkarte");
    ASSERT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Ok);
    EXPECT_EQ(ueberschreibenGefragt, 0);
    EXPECT_EQ(karte->schreibvorgaenge(), 24);
    EXPECT_EQ(karte->lichter, (std::vector<int>{2, 1, 0}));
    ASSERT_EQ(fortschritte.size(), 25u);
    EXPECT_EQ(fortschritte[1], 64);
    EXPECT_EQ(fortschritte.back(), 1536);
    // Base unit 10 + the relative position; player p at 510 + 63 (p - 1).
    const std::pair<int, QByteArray> felder[] = {
        {42, "KSC M\xFCnster"}, {74, "2"}, {117, "Pokalspiel"}, {377, "5"}, {385, "3"}, {397, "1"},
        {405, "25"}, {437, "12"}, {440, "99"}, {510, "Spieler 1"}, {1014, "Spieler 9"}, {1455, "Spieler 16"},
        {1495, "16.01.90"}, {1505, "16.02.24"}, {1515, "6"}};
    for (const auto& [einheit, text] : felder) EXPECT_EQ(karte->lesen(einheit), text) << einheit;
    EXPECT_EQ(karte->einheiten[425], 2);
    EXPECT_EQ(karte->einheiten[428], 1);

    ASSERT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Ok);
    EXPECT_EQ(karte->lichter.back(), 0);
    ASSERT_EQ(AktWettkampfNr, 2);
    EXPECT_EQ(WettkampfAnzahl, 2);
    const TWettkampfDaten& b = *AktWettkampf;
    EXPECT_EQ(b.Spielart, "Clubspiel");
    EXPECT_EQ(b.Gruppe, "Herren");
    EXPECT_EQ(b.Heimmannschaft, "KSC M\xFCnster 2");
    EXPECT_EQ(b.Spielleiter.Name, "Otto Leiter");
    EXPECT_EQ(b.Spieler[16].LetztSpiel, "16.02.24");
    EXPECT_EQ(b.Spieler[9].IstHeim, 0);
    TMannschaftskartenDaten erwartet = MannschaftskarteAusWettkampf(a);
    erwartet.Spielart = "Clubspiel";
    erwartet.Gruppe = "Herren";
    EXPECT_TRUE(MannschaftskarteAusWettkampf(b) == erwartet);
}

TEST_F(Mannschaftskarte, ACardOfAnotherKindOrNoneLoadsNothing)
{
    ASSERT_TRUE(WettkampfAnlegen());
    karte->text(0, "Skarte");
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::FalscheKarte);
    EXPECT_EQ(GastkarteLaden(u), Kartenergebnis::FalscheKarte);
    EXPECT_EQ(skriptBoxen().gezeigt.value(0), QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"));
    EXPECT_EQ(karte->lichter.back(), 0);
    karte->vorhanden = false;
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::KeineKarte);
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(AktWettkampfNr, 1);
    EXPECT_TRUE(AktWettkampf->Gastmannschaft.leer());
}

TEST_F(Mannschaftskarte, SixOpenMatchesRefuseTheLoadBeforeTheCardIsRead)
{
    for (int k = 1; k <= MaxWettkaempfe; ++k) ASSERT_TRUE(WettkampfAnlegen());
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Fehler);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei.")});
    EXPECT_TRUE(karte->uebertragungen.empty());
}

TEST_F(Mannschaftskarte, StartedMatchesNumbersBeyondTheirFieldAndADeclinedQuestionWriteNothing)
{
    TWettkampfDaten& w = beispiel();
    w.Gestartet = 1;
    EXPECT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Fehler);
    w.Gestartet = 0;
    w.Volle = 10000;
    EXPECT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Fehler);
    EXPECT_TRUE(skriptBoxen().gezeigt.value(1).contains(QStringLiteral("„Volle“")));
    w.Volle = 9999;
    w.NamenanzWerbung.Index = 100;
    EXPECT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Fehler);
    EXPECT_TRUE(skriptBoxen().gezeigt.value(2).contains(QStringLiteral("„Werbung der Namensanzeige“")));
    EXPECT_TRUE(karte->uebertragungen.empty());

    w.NamenanzWerbung.Index = 99;
    karte->text(0, "Skarte");
    EXPECT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Abgebrochen);
    EXPECT_EQ(ueberschreibenGefragt, 1);
    EXPECT_EQ(karte->schreibvorgaenge(), 0);
    EXPECT_EQ(karte->lichter.back(), 0);
    ueberschreibenJa = true;
    EXPECT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Ok);
    EXPECT_EQ(karte->lesen(0), "Mkarte");
}

TEST_F(Mannschaftskarte, AFailedBlockPromptsAndOkRetriesThatBlock)
{
    beispiel();
    karte->text(0, "Mkarte");
    karte->fehlschlaege[640] = 1;
    erneutOk = 1;
    ASSERT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Ok);
    EXPECT_EQ(erneutGefragt, 1);
    const std::vector<std::pair<int, int>> mitte(karte->uebertragungen.begin() + 10, karte->uebertragungen.begin() + 14);
    // Before the retry the units written so far are read back: the same card.
    EXPECT_EQ(mitte, (std::vector<std::pair<int, int>>{{16, 576}, {16, 640}, {0, 0}, {16, 640}}));
    EXPECT_EQ(karte->schreibvorgaenge(), 25);
    EXPECT_EQ(karte->lichter, (std::vector<int>{2, 1, 0, 1, 0}));

    karte->fehlschlaege[128] = 1;  // cancelled: no slot
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Fehler);
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(karte->lichter.back(), 0);
}

// After a failed block the transfer goes on only on the card it began on:
// another card inserted at the prompt stops it with a notice and is left as
// it was; the same card goes on with the failed block.
TEST_F(Mannschaftskarte, AfterAFailedBlockOnlyTheSameCardGoesOn)
{
    const QString andereKarte =
        QStringLiteral("Im Leser befindet sich eine andere Karte ! Die Übertragung wurde abgebrochen.");
    const struct {
        const char* name;
        bool schreiben;
        int block;    // fails once
        bool andere;  // another card at the prompt
    } faelle[] = {
        {"written, a player card from the middle on", true, 640, true},
        {"written, a player card before the first block", true, 0, true},
        {"read, another team card", false, 640, true},
        {"read, the same card", false, 640, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        beispielkarte();
        if (f.schreiben) beispiel();
        auto andere = std::make_unique<Testkarte>();
        if (f.schreiben) {
            andere->text(0, "Skarte");
            andere->text(10, "Paula Pass");
        } else {
            andere->einheiten = karte->einheiten;
            andere->text(42, "SV Anders");
            andere->text(1014, "Fremder 9");
        }
        (f.schreiben ? karte->schreibfehlschlaege : karte->fehlschlaege)[f.block] = 1;
        u.erneutEinschieben = [&] {
            if (f.andere) karte->einheiten = andere->einheiten;
            return true;
        };
        skriptBoxen().gezeigt.clear();
        const int anzahl = WettkampfAnzahl;

        const Kartenergebnis e = f.schreiben ? MannschaftskarteSpeichern(u) : MannschaftskarteLaden(u);
        EXPECT_EQ(e, f.andere ? Kartenergebnis::Fehler : Kartenergebnis::Ok);
        EXPECT_EQ(skriptBoxen().gezeigt, f.andere ? QStringList{andereKarte} : QStringList{});
        if (f.andere) {
            EXPECT_TRUE(karte->einheiten == andere->einheiten);
        }
        EXPECT_EQ(WettkampfAnzahl, anzahl + (f.schreiben || f.andere ? 0 : 1));
        EXPECT_EQ(AktWettkampf->Spieler[9].Name, "Spieler 9");
        EXPECT_EQ(karte->lichter.back(), 0);
    }
}

TEST_F(Mannschaftskarte, AFieldThatDoesNotReadPromptsAndTakesNoSlot)
{
    beispielkarte();
    karte->text(10 + 395, "2X");  // Volle
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Fehler);
    EXPECT_EQ(erneutGefragt, 1);
    EXPECT_EQ(AktWettkampf, nullptr);

    u.erneutEinschieben = [this] { return karte->text(10 + 395, "25"), true; };  // the right card now
    EXPECT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Ok);
    EXPECT_EQ(AktWettkampf->Volle, 25);
}

TEST_F(Mannschaftskarte, ValuesThatCannotBeUsedRefuseTheCardNamingTheField)
{
    WurfvorwListe = {QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4;Bahn 1 bis 2"),
                     QStringLiteral("100 Wurf;25;25;12;1;;;Bahn 1 bis 2")};
    const struct {
        int einheit;
        QByteArray wert;
        const char* feld;  // nullptr: loaded
    } faelle[] = {
        {377, "7", "Spieleranzahl"}, {380, "2", "Wurfvorwahl"}, {380, "1", "Bahnen"}, {385, "7", "Probe"},
        {402, "4", "Art"}, {410, "51", "Abräumen"}, {388, "5", nullptr},  // a switch: counts as on
    };
    for (const auto& f : faelle) {
        beispielkarte();
        karte->text(f.einheit, f.wert);
        skriptBoxen().gezeigt.clear();
        const int vorher = WettkampfAnzahl;
        EXPECT_EQ(MannschaftskarteLaden(u), f.feld ? Kartenergebnis::Fehler : Kartenergebnis::Ok) << f.einheit;
        EXPECT_EQ(WettkampfAnzahl, vorher + (f.feld ? 0 : 1)) << f.einheit;
        if (f.feld) {
            EXPECT_TRUE(skriptBoxen().gezeigt.value(0).contains(QString::fromUtf8(f.feld))) << f.feld;
        }
    }
    EXPECT_EQ(AktWettkampf->Zeit, 1);
}

TEST_F(Mannschaftskarte, Players15And16OfACardThatDoesNotCarryThemLoadEmpty)
{
    beispielkarte();
    std::fill(karte->einheiten.begin() + 1408, karte->einheiten.begin() + 1536, 0xFFFF);
    ASSERT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Ok);
    EXPECT_EQ(AktWettkampf->Spieler[14].Name, "Spieler 14");
    EXPECT_TRUE(AktWettkampf->Spieler[15].Name.leer());
    EXPECT_TRUE(AktWettkampf->Spieler[16].Pass.leer());
}

// Players 1 to 14 are on every team card: one whose field does not read
// refuses the card (the prompt asks for it again) and is named; player 15
// that does not read loads empty.
TEST_F(Mannschaftskarte, APlayerUpTo14ThatDoesNotReadRefusesTheCard)
{
    const QByteArray ohneEnde(31, 'x');  // a name of width 30 without its 0 unit
    const struct {
        int einheit;  // 10 + 500 + 63 (p - 1) + the field's position
        QByteArray wert;
        const char* feld;  // nullptr: loaded
    } faelle[] = {
        {1329, ohneEnde, "Spieler 14: Name"},
        {1389, "12", "Spieler 14: Platzierung"},
        {510, ohneEnde, "Spieler 1: Name"},
        {1392, ohneEnde, nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.einheit);
        beispielkarte();
        karte->text(f.einheit, f.wert);
        auto bild = std::make_unique<Kartenbild>();
        std::copy(karte->einheiten.begin(), karte->einheiten.end(), bild->begin());
        QString feld = QStringLiteral("(keins)");
        const std::optional<TMannschaftskartenDaten> d = MannschaftskarteAuslesen(*bild, &feld);
        EXPECT_EQ(d.has_value(), f.feld == nullptr);
        EXPECT_EQ(feld, f.feld ? QString::fromUtf8(f.feld) : QString());

        const int vorher = WettkampfAnzahl, gefragt = erneutGefragt;
        EXPECT_EQ(MannschaftskarteLaden(u), f.feld ? Kartenergebnis::Fehler : Kartenergebnis::Ok);
        EXPECT_EQ(WettkampfAnzahl, vorher + (f.feld ? 0 : 1));
        EXPECT_EQ(erneutGefragt, gefragt + (f.feld ? 1 : 0));
    }
    EXPECT_EQ(AktWettkampf->Spieler[14].Name, "Spieler 14");
    EXPECT_EQ(AktWettkampf->Spieler[14].LetztPlatz, "4");
    EXPECT_TRUE(AktWettkampf->Spieler[15].Name.leer());
    EXPECT_EQ(AktWettkampf->Spieler[16].Name, "Spieler 16");
}

TEST_F(Mannschaftskarte, GuestCardFillsTheGuestSideAndKeepsStartedPlayers)
{
    beispielkarte();
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    w.Spieler[1].Name = "Heim 1";
    w.Spieler[9].Club = "Gastclub";
    w.Spieler[10].Name = "Schon gestartet";
    w.Spieler[10].Gestartet = 1;
    ASSERT_EQ(GastkarteLaden(u), Kartenergebnis::Ok);
    EXPECT_EQ(w.Gastmannschaft, "KSC M\xFCnster 2");
    EXPECT_EQ(w.Spieler[1].Name, "Heim 1");
    EXPECT_EQ(w.Spieler[9].Name, "Spieler 1");
    EXPECT_EQ(w.Spieler[9].Pass, "100001");
    EXPECT_EQ(w.Spieler[9].LetztPlatz, "1");
    EXPECT_EQ(w.Spieler[9].Club, "Gastclub");
    EXPECT_EQ(w.Spieler[10].Name, "Schon gestartet");
    EXPECT_EQ(w.Spieler[16].Name, "Spieler 8");
    EXPECT_EQ(w.Geaendert, 1);
    EXPECT_EQ(WettkampfAnzahl, 1);
}

// The guest field's load is due once while a team card stays in; a card of
// another kind is told once; a card that does not read goes to the transfer.
TEST_F(Mannschaftskarte, TheGuestLoadIsDueOncePerInsertion)
{
    beispielkarte();
    ASSERT_TRUE(WettkampfAnlegen());
    EXPECT_TRUE(GastkarteFaellig());
    EXPECT_TRUE(GastkarteFaellig());  // not loaded yet
    ASSERT_EQ(GastkarteLaden(u), Kartenergebnis::Ok);
    EXPECT_FALSE(GastkarteFaellig());
    karte->fehlschlaege[0] = 1;
    EXPECT_FALSE(GastkarteFaellig());  // still the card taken

    karte->vorhanden = false;
    EXPECT_FALSE(GastkarteFaellig());
    karte->vorhanden = true;
    karte->fehlschlaege[0] = 1;
    EXPECT_TRUE(GastkarteFaellig());

    karte->einheiten.fill(0);
    EXPECT_FALSE(GastkarteFaellig());
    EXPECT_FALSE(GastkarteFaellig());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !")});
}

// The card image of the layout written out here by hand, unit by unit: the
// tag at unit 0, every other field at unit 10 + its position, the players
// from 10 + 500 + 63 × (p − 1). Texts are one unit a character and a 0 unit,
// numbers their decimal digits the same way, yes/no 2 or 1 and a 0 unit. A
// field moved by one unit in the program shows against it both ways.
struct Handkarte {
    std::unique_ptr<Kartenbild> bild = std::make_unique<Kartenbild>();
    void text(int einheit, const QByteArray& t)
    {
        for (int i = 0; i < t.size(); ++i) (*bild)[einheit + i] = u8(t[i]);
        (*bild)[einheit + t.size()] = 0;
    }
    void feld(int r, const QByteArray& t) { text(10 + r, t); }
    void zahl(int r, int n) { feld(r, QByteArray::number(n)); }
    void ja(int r, bool b)
    {
        (*bild)[10 + r] = b ? 2 : 1;
        (*bild)[10 + r + 1] = 0;
    }
    void spieler(int p, int r, const QByteArray& t) { feld(500 + 63 * (p - 1) + r, t); }
};

TEST_F(Mannschaftskarte, TheLayoutMatchesACardImageMadeByHand)
{
    // Texts at their full width, so that a field one unit off overlaps.
    const QByteArray t60a(60, 'a'), t60b(60, 'b');
    Handkarte h;
    h.text(0, "Mkarte");
    h.feld(0, "Bezirk Oberfranken Nord 123456");
    h.feld(32, "KSC M\xFCnster am Hochufer 1234");
    h.feld(64, "12");
    h.feld(68, "Landesliga Nord Staffel 1 2345");
    h.feld(100, "54321");
    h.feld(107, "Pokalspiel Vorrunde1");
    h.feld(130, "SKV Gut Holz Unterfranken 9876");
    h.feld(162, "Schiedsrichter Hans Muster 123");
    h.feld(194, "Spielleiter Otto Leiter 456789");
    h.feld(226, t60a);
    h.feld(288, t60b);
    h.feld(350, "Damen Altersk 1");
    h.zahl(367, 5);
    h.zahl(370, 123);
    h.zahl(375, 3);
    h.zahl(378, 1);
    h.zahl(381, 0);
    h.zahl(384, 1);
    h.zahl(387, 2);
    h.zahl(392, 3);
    h.zahl(395, 25);
    h.zahl(400, 15);
    h.zahl(405, 12);
    h.feld(410, "17a");
    h.ja(415, true);
    h.ja(418, false);
    h.ja(421, true);
    h.zahl(424, 7);
    h.zahl(427, 12);
    h.zahl(430, 99);
    h.ja(433, false);
    h.ja(436, true);
    h.ja(439, false);

    TMannschaftskartenDaten d;
    d.Bezirk = "Bezirk Oberfranken Nord 123456";
    d.Club = "KSC M\xFCnster am Hochufer 1234";
    d.MannschaftNr = "12";
    d.Klasse = "Landesliga Nord Staffel 1 2345";
    d.Spielnummer = "54321";
    d.Spielart = "Pokalspiel Vorrunde1";
    d.Gastmannschaft = "SKV Gut Holz Unterfranken 9876";
    d.Schiedsrichter = "Schiedsrichter Hans Muster 123";
    d.SpielleiterName = "Spielleiter Otto Leiter 456789";
    d.Text1 = t60a;
    d.Text2 = t60b;
    d.Gruppe = "Damen Altersk 1";
    d.Spieltag = "17a";
    d.Spieleranzahl = 5;
    d.Wurfvorwahl = 123;
    d.Probe = 3;
    d.Zeit = 1;
    d.Uebertritt = 0;
    d.Durchlaeufer = 1;
    d.BahnenIndex = 2;
    d.Art = 3;
    d.Volle = 25;
    d.Abraeumen = 15;
    d.Wurfzeit = 12;
    d.NaWerbeIndex = 7;
    d.KonfigIndex = 12;
    d.MonitorIndex = 99;
    d.MannschanzZuschalten = 1;
    d.NamenOn = 0;
    d.NaVorWechsel = 1;
    d.NaWerbungOn = 0;
    d.WerbungEin = 1;
    d.MonitorWerbung = 0;
    for (int p = 1; p <= MaxSpieler; ++p) {
        TMannschaftskartenSpieler& s = d.Spieler[p];
        const QByteArray n = QByteArray::number(p).rightJustified(2, '0');
        s.Name = "Spielerin Nummer " + n + " mit Namen!";  // 30 characters
        s.Passnummer = "4711" + n;
        s.Geburtsdatum = n + ".03.85";
        s.LetztesSpiel = n + ".11.25";
        s.Platzierung = QByteArray(1, char('A' + p - 1));
        h.spieler(p, 0, s.Name);
        h.spieler(p, 32, s.Passnummer);
        h.spieler(p, 40, s.Geburtsdatum);
        h.spieler(p, 50, s.LetztesSpiel);
        h.spieler(p, 60, s.Platzierung);
    }
    ASSERT_EQ(d.Spieler[16].Name.size(), 30);

    // Read by the program: every field as written by hand.
    QString feld;
    const std::optional<TMannschaftskartenDaten> gelesen = MannschaftskarteAuslesen(*h.bild, &feld);
    ASSERT_TRUE(gelesen) << feld.toStdString();
    EXPECT_TRUE(*gelesen == d);
    EXPECT_EQ(gelesen->Text1, t60a);
    EXPECT_EQ(gelesen->Text2, t60b);
    EXPECT_EQ(gelesen->Spieltag, "17a");
    EXPECT_EQ(gelesen->Spieler[16], d.Spieler[16]);

    // Written by the program: the same units, and nothing else up to unit 1535.
    const auto geschrieben = std::make_unique<Kartenbild>();
    geschrieben->fill(0xFFFF);
    MannschaftskarteSchreiben(d, *geschrieben);
    for (int e = 0; e < 1536; ++e) EXPECT_EQ((*geschrieben)[e], (*h.bild)[e]) << "unit " << e;
}

TEST_F(Mannschaftskarte, RoundTripThroughTheCardFile)
{
    QTemporaryDir tmp;
    const QString pfad = QDir(tmp.path()).filePath(QStringLiteral("mannschaft.bin"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2 * KartenEinheiten, '\0'));
    f.close();
    setKartenleserVorgabe(nullptr);
    Einst.Chipkarte = 2;
    Einst.ChipkarteSchnittstelle = QStringLiteral("datei:") + pfad;
    KartenleserOeffnen();
    ASSERT_EQ(KartenleserAktiv, 1);

    beispiel();
    ueberschreibenJa = true;  // a blank card carries no tag
    ASSERT_EQ(MannschaftskarteSpeichern(u), Kartenergebnis::Ok);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(14), QByteArray("M\0k\0a\0r\0t\0e\0\0\0", 14));  // little-endian units
    f.close();
    Kartenpuffer.fill(0);
    ASSERT_EQ(MannschaftskarteLaden(u), Kartenergebnis::Ok);
    EXPECT_EQ(AktWettkampf->Spieler[16].Name, "Spieler 16");
    EXPECT_EQ(AktWettkampf->Art, 2);
}

}  // namespace
