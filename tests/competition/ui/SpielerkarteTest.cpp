// The player-card window, the overwrite question, the match window's card
// commands and the card timers, on a card simulated in the test.
#include "competition/Aufstellung.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/Mannschaftskarte.h"
#include "competition/Testkartenleser.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/HinweisKarte.h"
#include "competition/ui/Spielerkarte.h"
#include "competition/ui/Wettkampf.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Scripted boxes; `vorFrage` runs before an OK/cancel question is answered.
class Kartenboxen : public SkriptBoxen {
public:
    std::function<void()> vorFrage;
    int hinweisOk(const QString& text) override
    {
        if (vorFrage) vorFrage();
        return SkriptBoxen::hinweisOk(text);
    }
};

const QString KeineSpielerkarte = QStringLiteral("Im Leser befindet sich keine Spielerkarte !");
const QString Speichern = QStringLiteral("Auf Karte speichern ?");
const QString Einschieben = QStringLiteral("Bitte Karte einschieben !");

void bildschirmfoto(QWidget* w, const char* name)
{
    QDir().mkpath(QStringLiteral("/tmp/w/shots"));
    w->grab().save(QStringLiteral("/tmp/w/shots/%1.png").arg(QLatin1String(name)));
}

class Kartenfixture : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        kartenzeitgeberZustand.zuruecksetzen();
        Spielerkarte = {};
        karte = TestkarteEinlegen();
        ASSERT_TRUE(KartenleserAktiv && KartenTimerAktiv);
    }
    void TearDown() override
    {
        KartenleserSchliessen();
        chipkartenZustand.zuruecksetzen();
        kartenzeitgeberZustand.zuruecksetzen();
        skriptPrompts().antworten.clear();
        Spielerkarte = {};
        Grundlage::TearDown();
    }
    // A player card by hand, inserted: the tag and the fields at their units
    // (umlauts as Windows-1252 bytes), the reserved field "XY".
    void spielerkarte(const QByteArray& name = "M\xfcller, J\xf6rg")
    {
        karte->vorhanden = true;
        karte->einheiten.fill(0);
        const std::pair<int, QByteArray> felder[] = {
            {0, "Skarte"},       {10, name},          {41, "123456"},  {48, "07.03.81"},
            {57, "m\xe4nnlich"}, {66, "KSV Gut Holz"}, {97, "Kegeln"}, {110, "24"},
            {113, "KC Neune"},   {144, "Bezirksliga"}, {175, "XY"},    {178, "Pokal gegen SG Nord"},
            {209, "12.05.24"},   {298, "Liga"},        {329, "30.09.24"},
        };
        for (const auto& [einheit, text] : felder) karte->text(einheit, text);
    }
    void teamkarte()
    {
        karte->vorhanden = true;
        karte->einheiten.fill(0);
        karte->text(0, "Mkarte");
    }

    std::shared_ptr<Testkarte> karte;
    Kartenboxen boxen;
    BoxenEinsetzen m_boxen{&boxen};
};

// --- The window ------------------------------------------------------------------------

class SpielerkartenFenster : public Kartenfixture {
protected:
    TSpielerkarte& oeffnen()
    {
        f = std::make_unique<TSpielerkarte>();
        f->show();
        return *f;
    }
    static void tippen(QLineEdit* e, const QString& t)
    {
        e->setText(t);
        emit e->textEdited(t);
    }
    std::unique_ptr<TSpielerkarte> f;
};

TEST_F(SpielerkartenFenster, ShowsTheCardInTheReaderAndRestsThePollWhileOpen)
{
    spielerkarte();
    Timer5().setEnabled(true);
    Fensterhub hub;
    CompetitionFensterRegistrieren(hub);
    TSpielerkartenDaten gezeigt;
    bool abfrage = true;
    EXPECT_TRUE(ImDialog<TSpielerkarte>(hub, [&] { return hub.dialog(Dialog::Spielerkarte); },
                                        [&](TSpielerkarte& d) {
                                            gezeigt = d.felder();
                                            abfrage = Timer5().enabled();
                                            EXPECT_EQ(d.EName->text(), QStringLiteral("Müller, Jörg"));
                                            bildschirmfoto(&d, "spielerkarte");
                                            d.BtnZurueck->click();
                                        }));
    const TSpielerkartenDaten erwartet{"M\xfcller, J\xf6rg", "123456", "07.03.81", "m\xe4nnlich", "KSV Gut Holz",
                                       "Kegeln", "24", "KC Neune", "Bezirksliga", "XY",
                                       {"Pokal gegen SG Nord", "", "", "Liga"}, {"12.05.24", "", "", "30.09.24"}};
    EXPECT_EQ(gezeigt, erwartet);
    EXPECT_FALSE(abfrage);
    EXPECT_TRUE(Timer5().enabled());
    EXPECT_EQ(karte->schreibvorgaenge(), 0);
    EXPECT_TRUE(boxen.gezeigt.isEmpty());
}

TEST_F(SpielerkartenFenster, SavedEditsReadBackEqualAndKeepTheReservedField)
{
    spielerkarte();
    TSpielerkarte& w = oeffnen();
    tippen(w.EName, QStringLiteral("Ölmann, Jürgen"));
    tippen(w.EErsatzSpiel[1], QStringLiteral("Freundschaftsspiel"));
    tippen(w.EErsatzDat[1], QStringLiteral("01.06.24"));
    EXPECT_TRUE(w.Geaendert);

    Klicken(w.BtnSpeichern);
    EXPECT_FALSE(w.Geaendert);
    EXPECT_EQ(karte->lesen(0), QByteArray("Skarte"));
    EXPECT_EQ(karte->lesen(10), QByteArray("\xd6lmann, J\xfcrgen"));
    EXPECT_EQ(karte->lesen(218), QByteArray("Freundschaftsspiel"));
    EXPECT_EQ(karte->lesen(249), QByteArray("01.06.24"));
    EXPECT_EQ(karte->lesen(175), QByteArray("XY"));
    EXPECT_EQ(karte->lesen(289), QByteArray());  // an empty date, not its mask

    const TSpielerkartenDaten gespeichert = w.felder();
    TSpielerkarte& neu = oeffnen();
    EXPECT_EQ(neu.felder(), gespeichert);
}

// Written without a read in this window, a player card keeps its own
// reserved field and a card of another kind gets it empty: not the one of
// the card read last in the run.
TEST_F(SpielerkartenFenster, WrittenWithoutAReadTheCardKeepsItsOwnReservedField)
{
    const struct {
        const char* name;
        bool spielerkarte;
        QByteArray reserviert;  // afterwards
    } faelle[] = {{"a player card", true, "QR"}, {"a blank card", false, ""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielerkarte.Reserviert = "AB";  // read before, from another card
        karte->vorhanden = false;
        TSpielerkarte& w = oeffnen();
        if (f.spielerkarte) {
            spielerkarte();
            karte->text(175, "QR");
        } else {
            karte->einheiten.fill(0);
            karte->vorhanden = true;
        }
        w.ueberschreibenFragen = [] { return true; };
        tippen(w.EName, QStringLiteral("Neu"));
        Klicken(w.BtnSpeichern);
        EXPECT_EQ(karte->lesen(10), QByteArray("Neu"));
        EXPECT_EQ(karte->lesen(175), f.reserviert);
    }
}

TEST_F(SpielerkartenFenster, ACardOfAnotherKindKeepsTheWindowsValues)
{
    Spielerkarte.Name = "Alter Eintrag";  // another player's card, read before
    Wettkaempfe[1].Spieler[3].Name = "Carla Cramer";
    AktSpieler = &Wettkaempfe[1].Spieler[3];
    teamkarte();
    TSpielerkarte& w = oeffnen();
    EXPECT_EQ(w.EName->text(), QStringLiteral("Carla Cramer"));

    tippen(w.EVerein, QStringLiteral("Eigene Eingabe"));
    Klicken(w.BtnLesen);
    EXPECT_EQ(boxen.gezeigt, (QStringList{KeineSpielerkarte, KeineSpielerkarte}));
    EXPECT_EQ(w.EName->text(), QStringLiteral("Carla Cramer"));
    EXPECT_EQ(w.EVerein->text(), QStringLiteral("Eigene Eingabe"));
    EXPECT_TRUE(w.Geaendert);
}

TEST_F(SpielerkartenFenster, OpenedWithoutACardShowsTheCurrentPlayer)
{
    karte->vorhanden = false;
    TSpielerEintrag& s = Wettkaempfe[1].Spieler[12];
    s.Name = "Emil Eber";
    s.Pass = "654321";
    s.Gebdat = "24.12.79";
    Spielerkarte.Verein = "vom letzten Lesen";
    AktSpieler = &s;
    TSpielerkartenDaten erwartet;
    erwartet.Name = "Emil Eber";
    erwartet.Pass = "654321";
    erwartet.Geburtsdatum = "24.12.79";
    EXPECT_EQ(oeffnen().felder(), erwartet);
    EXPECT_TRUE(boxen.gezeigt.isEmpty());

    AktSpieler = nullptr;
    EXPECT_EQ(oeffnen().felder(), TSpielerkartenDaten{});
}

// Zurück with changes asks, then writes as "Karte speichern" does: the
// overwrite question for a card of another kind, the prompt without a card.
TEST_F(SpielerkartenFenster, BackWithChangesWritesThroughTheCheckedWrite)
{
    struct Fall {
        const char* name;
        int antwort;          // to "Auf Karte speichern ?"
        bool teamkarte;
        bool ueberschreiben;  // the answer to the overwrite question
        bool ohneKarte;       // the prompt is answered with the card inserted
        bool geschrieben;
    };
    const Fall faelle[] = {
        {"Spielerkarte", ErgebnisJa, false, false, false, true},
        {"nicht speichern", ErgebnisNein, false, false, false, false},
        {"Teamkarte behalten", ErgebnisJa, true, false, false, false},
        {"Teamkarte ueberschreiben", ErgebnisJa, true, true, false, true},
        {"ohne Karte", ErgebnisJa, false, false, true, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (fall.teamkarte) teamkarte();
        else spielerkarte();
        TSpielerkarte& w = oeffnen();
        boxen.gezeigt.clear();
        karte->uebertragungen.clear();
        int gefragt = 0;
        w.ueberschreibenFragen = [&] {
            ++gefragt;
            return fall.ueberschreiben;
        };
        tippen(w.EName, QStringLiteral("Geändert"));
        boxen.antworten = {fall.antwort, ErgebnisOk};
        karte->vorhanden = !fall.ohneKarte;
        boxen.vorFrage = [this] { karte->vorhanden = true; };
        Klicken(w.BtnZurueck);

        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_EQ(boxen.gezeigt.first(), Speichern);
        EXPECT_EQ(boxen.gezeigt.contains(Einschieben), fall.ohneKarte);
        EXPECT_EQ(gefragt, fall.teamkarte && fall.antwort == ErgebnisJa ? 1 : 0);
        EXPECT_EQ(karte->schreibvorgaenge(), fall.geschrieben ? 1 : 0);
        EXPECT_EQ(karte->lesen(10), fall.geschrieben ? QByteArray("Ge\xe4ndert") : QByteArray(fall.teamkarte ? "" : "M\xfcller, J\xf6rg"));
        EXPECT_EQ(w.Geaendert, !fall.geschrieben);
    }
    // Closed without the poll's enable flag, the poll stays off.
    KartenTimerAktiv = 0;
    oeffnen().reject();
    EXPECT_FALSE(Timer5().enabled());
}

TEST(HinweisKarte, AsksWithTheCaptionAndLineOfItsCardAndOverwritesOnlyOnOk)
{
    THinweisKarte vorgabe;
    EXPECT_EQ(vorgabe.windowTitle(), QStringLiteral("Spielerkarte !"));
    EXPECT_EQ(vorgabe.Label1->text(), QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    EXPECT_EQ(vorgabe.Label2->text(), QStringLiteral("Soll die Karte im Leser überschrieben werden ?"));
    for (const bool ok : {true, false}) {
        QString gesehen;
        QTimer::singleShot(0, qApp, [&] {
            auto* frage = qobject_cast<THinweisKarte*>(QApplication::activeModalWidget());
            ASSERT_TRUE(frage);
            gesehen = frage->windowTitle() + u'|' + frage->Label1->text();
            bildschirmfoto(frage, "hinweiskarte");
            (ok ? frage->BtnOk : frage->BtnAbbrechen)->click();
        });
        EXPECT_EQ(KarteUeberschreibenFragen(nullptr, QStringLiteral("Mannschaftskarte !"),
                                            QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !")),
                  ok);
        EXPECT_EQ(gesehen, QStringLiteral("Mannschaftskarte !|Im Leser befindet sich keine Mannschaftskarte !"));
    }
}

// --- The card poll ---------------------------------------------------------------------

// A transfer window that loads a match.
struct LadenderHub : FensterAufnahme {
    int ladungen = 0;
    bool dialog(Dialog d, int) override
    {
        if (d != Dialog::MannschaftskarteLaden || !WettkampfAnlegen()) return false;
        ++ladungen;
        AktWettkampf->Geaendert = 1;
        return true;
    }
};

class Kartenabfrage : public Kartenfixture {
protected:
    LadenderHub hub;
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(Kartenabfrage, WithoutAMatchACardLoadsOneOncePerInsertion)
{
    KartenzeitgeberStarten();
    teamkarte();
    Timer5Go();
    ASSERT_EQ(hub.ladungen, 1);
    EXPECT_TRUE(hub.geoeffnet.contains(MdiFenster::Wettkampf));
    EXPECT_EQ(AktWettkampf->Geaendert, 0);
    EXPECT_TRUE(Timer5().enabled());

    WettkampfAnzahl = 0;  // as if closed again: the card still in does nothing
    Timer5Go();
    karte->vorhanden = false;
    Timer5Go();
    karte->vorhanden = true;
    Timer5Go();
    EXPECT_EQ(hub.ladungen, 2);
}

TEST_F(Kartenabfrage, WithMatchesOpenItAsksToLockOnlyOverTheLanesOrTheResults)
{
    ASSERT_TRUE(WettkampfAnlegen());
    AktivesFenster = FensterWettkampf;
    skriptPrompts().antworten = {ErgebnisJa, ErgebnisNein};
    Timer5Go();
    EXPECT_EQ(skriptPrompts().antworten.size(), 2);  // not asked, still armed

    AktivesFenster = FensterErgebnis;
    Timer5Go();
    Timer5Go();  // the same card: asked once
    EXPECT_EQ(EingabeGesperrt, 1);
    EXPECT_EQ(skriptPrompts().antworten.size(), 1);

    karte->vorhanden = false;
    Timer5Go();
    karte->vorhanden = true;
    AktivesFenster = FensterBahnuebersicht;
    Timer5Go();
    EXPECT_EQ(EingabeGesperrt, 0);
    EXPECT_EQ(hub.ladungen, 0);
}

// --- The match window ------------------------------------------------------------------

class WettkampfKarten : public Kartenfixture {
protected:
    void SetUp() override
    {
        Kartenfixture::SetUp();
        aufstellungZustand.zuruecksetzen();
        WurfvorwListe = {QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4")};
        ASSERT_TRUE(WettkampfAnlegen());
        WettkampfGrundoptionenSetzen();
        AktWettkampf->Geaendert = 0;
        w = std::make_unique<TWettkampf>();
        w->aktualisieren();
        w->show();
        QApplication::setActiveWindow(w.get());
    }
    void TearDown() override
    {
        w.reset();
        aufstellungZustand.zuruecksetzen();
        Kartenfixture::TearDown();
    }
    void klicken(QLineEdit* e)
    {
        e->setFocus();
        Klicken(e);
    }
    std::unique_ptr<TWettkampf> w;
};

TEST_F(WettkampfKarten, PlayerCardsInsertedWhileWaitingFillTheFocusedLines)
{
    karte->vorhanden = false;
    klicken(w->name(1));
    EXPECT_FALSE(Timer7().enabled());  // no card: no wait

    spielerkarte("Anna Amsel");
    klicken(w->name(2));
    ASSERT_TRUE(Timer7().enabled() && Timer71().enabled());
    Timer7Go();
    EXPECT_STREQ(AktWettkampf->Spieler[2].Name.c_str(), "Anna Amsel");
    EXPECT_STREQ(AktWettkampf->Spieler[2].Gebdat.c_str(), "07.03.81");
    EXPECT_EQ(w->pass(2)->text(), QStringLiteral("123456"));
    EXPECT_TRUE(w->name(3)->hasFocus());
    EXPECT_EQ(AktWettkampf->Geaendert, 1);

    // The same card still in: nothing more. Taken out and the next one in: line 3.
    Timer7Go();
    EXPECT_TRUE(AktWettkampf->Spieler[3].Name.leer());
    karte->vorhanden = false;
    Timer7Go();
    spielerkarte("Bruno Birke");
    Timer7Go();
    EXPECT_STREQ(AktWettkampf->Spieler[3].Name.c_str(), "Bruno Birke");
    klicken(w->name(5));  // still in: it was taken, the name is typed
    Timer7Go();
    EXPECT_TRUE(AktWettkampf->Spieler[5].Name.leer());
    EXPECT_TRUE(boxen.gezeigt.isEmpty());

    Timer71Go();  // 20 seconds without a card end the wait
    EXPECT_FALSE(Timer7().enabled() || Timer71().enabled());

    AktWettkampf->Spieler[4].Gestartet = 1;
    klicken(w->name(4));
    EXPECT_FALSE(Timer7().enabled());
}

// A card of another kind is told once while it stays in, and a player card
// put in its place is taken. A player card that does not read is asked for
// again until cancelled, and not again while it stays in.
TEST_F(WettkampfKarten, ACardOfAnotherKindIsToldOnceAndAPromptCancelledStaysCancelled)
{
    const QString Erneut = QStringLiteral("Bitte Karte erneut einschieben !");
    teamkarte();
    for (int n : {9, 9, 10}) {
        klicken(w->name(n));
        Timer7Go();
    }
    EXPECT_EQ(boxen.gezeigt, QStringList{KeineSpielerkarte});
    klicken(w->name(9));
    spielerkarte("Gast Eins");  // in its place between two ticks
    Timer7Go();
    EXPECT_STREQ(AktWettkampf->Spieler[9].Name.c_str(), "Gast Eins");

    boxen.gezeigt.clear();
    karte->vorhanden = false;
    Timer7Go();
    spielerkarte(QByteArray(31, 'x'));  // a name without its end within the field
    boxen.antworten = {ErgebnisOk};     // OK reads again at once, then cancelled
    Timer7Go();
    EXPECT_EQ(boxen.gezeigt, QStringList(2, Erneut));
    EXPECT_FALSE(Timer7().enabled());
    klicken(w->name(10));
    Timer7Go();
    EXPECT_EQ(boxen.gezeigt.size(), 2);
    EXPECT_TRUE(AktWettkampf->Spieler[10].Name.leer());
}

TEST_F(WettkampfKarten, TheGuestFieldReadsTheGuestTeamFromATeamCard)
{
    TMannschaftskartenDaten d = MannschaftskarteAusWettkampf(*AktWettkampf);
    d.Club = "SG Beta";
    d.MannschaftNr = "2";
    d.Spieler[1].Name = "Gustav Gans";
    const auto bild = std::make_unique<Kartenbild>();
    MannschaftskarteSchreiben(d, *bild);
    std::copy(bild->begin(), bild->end(), karte->einheiten.begin());
    klicken(w->name(2));  // a wait for player cards ends with the team card
    ASSERT_TRUE(Timer7().enabled());

    klicken(w->EGast);
    EXPECT_EQ(w->EGast->text(), QStringLiteral("SG Beta 2"));
    EXPECT_EQ(w->name(9)->text(), QStringLiteral("Gustav Gans"));
    EXPECT_FALSE(Timer7().enabled());
    EXPECT_TRUE(AktWettkampf->Spieler[2].Name.leer());
}

TEST_F(WettkampfKarten, ThePlayerCardCommandFollowsTheReaderAndOpensForTheCurrentPlayer)
{
    klicken(w->name(5));
    w->menueStatusSetzen();
    EXPECT_TRUE(w->MSpielerkarte->isVisible() && w->MSpielerkarte->isEnabled());
    w->MSpielerkarte->trigger();
    ASSERT_FALSE(fenster.dialoge.isEmpty());
    EXPECT_EQ(fenster.dialoge.last().first, Dialog::Spielerkarte);
    EXPECT_EQ(AktSpieler, &AktWettkampf->Spieler[5]);

    KartenleserSchliessen();
    w->menueStatusSetzen();
    EXPECT_FALSE(w->MSpielerkarte->isEnabled());
}

}  // namespace
