// The team card through the main window's card commands and the transfer
// window, on a card simulated in the test.
#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/Mannschaftskarte.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/HinweisKarte.h"
#include "competition/ui/Mannschaftskarte.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "shell/ui/Main.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <tuple>
#include <vector>

namespace {

struct Testkarte {
    std::vector<std::uint16_t> einheiten = std::vector<std::uint16_t>(KartenEinheiten);
    bool drin = true;
    int fehlerAdresse = -1;  // the block at this address fails once
    int bloecke = 0;         // transfers that reached the card
    std::function<void(int adresse)> beiBlock;

    void tag(const char* t)
    {
        std::fill_n(einheiten.begin(), 9, 0);
        for (int i = 0; t[i]; ++i) einheiten[i] = std::uint8_t(t[i]);
    }
};

class Testleser : public Kartenleser {
public:
    explicit Testleser(std::shared_ptr<Testkarte> k) : m_k(std::move(k)) {}
    bool karteVorhanden() override { return m_k->drin; }
    bool uebertragen(char, int modus, std::uint16_t adresse, std::uint16_t laenge, std::uint16_t* bild) override
    {
        if (!m_k->drin || adresse + laenge > KartenEinheiten) return false;
        if (adresse == m_k->fehlerAdresse) {
            m_k->fehlerAdresse = -1;
            return false;
        }
        ++m_k->bloecke;
        if (m_k->beiBlock) m_k->beiBlock(adresse);
        auto karte = m_k->einheiten.begin() + adresse;
        if (modus == 16)
            std::copy_n(bild + adresse, laenge, karte);
        else
            std::copy_n(karte, laenge, bild + adresse);
        return true;
    }
    QString name() const override { return QStringLiteral("Test"); }

private:
    std::shared_ptr<Testkarte> m_k;
};

// The scripted boxes; `vorFrage` runs before an OK/cancel question is answered.
class Kartenboxen : public SkriptBoxen {
public:
    std::function<void()> vorFrage;
    int hinweisOk(const QString& text) override
    {
        if (vorFrage) vorFrage();
        return SkriptBoxen::hinweisOk(text);
    }
};

// Answers the overwrite question when it shows.
class Kartenfrage {
public:
    explicit Kartenfrage(bool ok)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, ok] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* frage = qobject_cast<THinweisKarte*>(w);
                if (!frage || !frage->isVisible()) continue;
                gezeigt << frage->windowTitle();
                for (auto* l : frage->findChildren<QLabel*>()) gezeigt << l->text();
                for (auto* k : frage->findChildren<QPushButton*>())
                    if (k->text() == (ok ? QStringLiteral("&Ok") : QStringLiteral("&Abbrechen"))) k->click();
            }
        });
        m_timer.start(0);
    }
    QStringList gezeigt;

private:
    QTimer m_timer;
};

const QString KeineMannschaftskarte = QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !");

class Mannschaftskartenfenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CompetitionFensterRegistrieren(hub);
        main = std::make_unique<TMain>(hub);
        setKartenleserVorgabe([k = karte] { return std::make_unique<Testleser>(k); });
        KartenleserOeffnen();
        ASSERT_TRUE(KartenleserAktiv && KartenTimerAktiv);
    }
    void TearDown() override
    {
        main.reset();
        KartenleserSchliessen();
        setKartenleserVorgabe(nullptr);
        chipkartenZustand.zuruecksetzen();
        for (Zeitgeber* t : {&Timer5(), &Timer7()}) t->setEnabled(false);
        Grundlage::TearDown();
    }
    // A set-up match: club, guest, one home and one guest player.
    TWettkampfDaten& Aufstellung()
    {
        EXPECT_TRUE(WettkampfAnlegen());
        TWettkampfDaten& w = *AktWettkampf;
        w.Club = "KSV Alpha";
        w.MannschaftNr = "1";
        w.Gastmannschaft = "SG Beta 2";
        w.Spieler[1].Name = "Anton Ast";
        w.Spieler[1].Pass = "123456";
        w.Spieler[9].Name = "Bert Bohne";
        return w;
    }

    std::shared_ptr<Testkarte> karte = std::make_shared<Testkarte>();
    Kartenboxen boxen;
    Fensterhub hub;
    std::unique_ptr<TMain> main;

private:
    BoxenEinsetzen m_boxen{&boxen};
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(Mannschaftskartenfenster, SavedMatchLoadsBackAsANewMatchWithItsWindow)
{
    TWettkampfDaten& w = Aufstellung();
    w.Geaendert = 1;
    Timer7().setEnabled(true);
    main->HauptmenueAktualisieren();
    {
        Kartenfrage frage(false);  // a blank card: asked, and left as it was
        main->MKarteSpeichern->trigger();
        EXPECT_EQ(frage.gezeigt.mid(0, 2), (QStringList{QStringLiteral("Mannschaftskarte !"), KeineMannschaftskarte}));
        EXPECT_EQ(std::count(karte->einheiten.begin(), karte->einheiten.end(), 0), KartenEinheiten);
    }
    {
        Kartenfrage frage(true);
        main->MKarteSpeichern->trigger();
    }
    EXPECT_EQ(std::vector<std::uint16_t>(karte->einheiten.begin(), karte->einheiten.begin() + 7),
              (std::vector<std::uint16_t>{'M', 'k', 'a', 'r', 't', 'e', 0}));
    EXPECT_FALSE(Timer7().enabled());
    EXPECT_TRUE(main->MKarteSpeichern->isEnabled());

    // Half way through the load the window shows its bar; the card poll is off.
    bool pollWaehrenddessen = true;
    karte->beiBlock = [&](int adresse) {
        auto* d = qobject_cast<TMannschaftskarte*>(hub.AktDialog.data());
        if (!d || adresse != 704) return;
        pollWaehrenddessen = Timer5().enabled();
        EXPECT_TRUE(QDir().mkpath(QStringLiteral("/tmp/w/shots")));
        d->grab().save(QStringLiteral("/tmp/w/shots/mannschaftskarte.png"));
    };
    Timer5().setEnabled(true);
    main->MKarteLaden->trigger();
    ASSERT_EQ(std::tuple(WettkampfAnzahl, AktWettkampfNr), std::tuple(2, 2));
    const TWettkampfDaten& neu = *AktWettkampf;
    EXPECT_EQ(std::tuple(neu.Club.text(), neu.MannschaftNr.text(), neu.Gastmannschaft.text()),
              std::tuple(QStringLiteral("KSV Alpha"), QStringLiteral("1"), QStringLiteral("SG Beta 2")));
    EXPECT_EQ(std::tuple(neu.Spieler[1].Name.text(), neu.Spieler[1].Pass.text(), neu.Spieler[1].IstHeim),
              std::tuple(QStringLiteral("Anton Ast"), QStringLiteral("123456"), 1));
    EXPECT_EQ(std::tuple(neu.Spieler[9].Name.text(), neu.Spieler[9].IstHeim), std::tuple(QStringLiteral("Bert Bohne"), 0));
    EXPECT_NE(hub.mdiFenster(MdiFenster::Wettkampf), nullptr);
    EXPECT_EQ(std::tuple(w.Geaendert, neu.Geaendert), std::tuple(1, 0));
    EXPECT_FALSE(pollWaehrenddessen);
    EXPECT_TRUE(Timer5().enabled());
}

// A failed block asks to insert the card again: OK moves the block again,
// cancel gives up. The bar ends at the transfer's end either way it went on.
TEST_F(Mannschaftskartenfenster, FailedBlockIsRetriedAfterOk)
{
    Aufstellung();
    karte->tag("Mkarte");
    for (const auto& [antwort, ergebnis] :
         {std::pair(ErgebnisOk, Kartenergebnis::Ok), std::pair(ErgebnisAbbrechen, Kartenergebnis::Fehler)}) {
        boxen.gezeigt.clear();
        boxen.antworten = {antwort};
        karte->fehlerAdresse = 640;
        TMannschaftskarte fenster(TMannschaftskarte::Auftrag::Speichern);
        fenster.uebertragen();
        EXPECT_EQ(fenster.ergebnis(), ergebnis);
        EXPECT_EQ(boxen.gezeigt, QStringList{QStringLiteral("Bitte Karte erneut einschieben !")});
        EXPECT_EQ(fenster.result(), antwort == ErgebnisOk ? QDialog::Accepted : QDialog::Rejected);
        // 24 blocks of 64 units
        if (antwort == ErgebnisOk) {
            EXPECT_EQ(std::pair(fenster.ProgressBar->value(), fenster.ProgressBar->maximum()), std::pair(1536, 1536));
        }
    }
}

// Refused: a card of another kind, six open matches, no card (asked again
// after OK; cancel ends), and the card inserted at the second question loads.
TEST_F(Mannschaftskartenfenster, LoadIsRefusedWithoutATeamCardOrAFreeSlot)
{
    karte->tag("Skarte");
    main->MKarteLaden->trigger();
    EXPECT_EQ(boxen.gezeigt, QStringList{KeineMannschaftskarte});
    EXPECT_EQ(std::tuple(WettkampfAnzahl, hub.mdiFenster(MdiFenster::Wettkampf)), std::tuple(0, nullptr));

    for (int i = 0; i < MaxWettkaempfe; ++i) ASSERT_TRUE(WettkampfAnlegen());
    boxen.gezeigt.clear();
    karte->bloecke = 0;
    main->MKarteLadenClick();
    EXPECT_EQ(boxen.gezeigt, QStringList{QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei.")});
    EXPECT_EQ(karte->bloecke, 0);
    while (WettkampfAnzahl && WettkampfSchliessen()) {}

    karte->drin = false;
    boxen.gezeigt.clear();
    boxen.antworten = {ErgebnisOk, ErgebnisAbbrechen};
    main->MKarteLaden->trigger();
    EXPECT_EQ(boxen.gezeigt, QStringList(2, QStringLiteral("Bitte Karte einschieben !")));
    EXPECT_EQ(std::tuple(karte->bloecke, Timer5().enabled(), main->MKarteLaden->isEnabled()), std::tuple(0, true, true));

    MannschaftskarteFuellen(Aufstellung(), Kartenpuffer);
    std::copy_n(Kartenpuffer.begin(), KartenEinheiten, karte->einheiten.begin());
    WettkampfSchliessen();
    int fragen = 0;
    boxen.vorFrage = [&] { karte->drin = ++fragen == 2; };
    boxen.antworten = {ErgebnisOk, ErgebnisOk};
    main->MKarteLaden->trigger();
    EXPECT_EQ(std::tuple(fragen, WettkampfAnzahl), std::tuple(2, 1));
}

// The guest field's load: the card's club and team number and its players
// 1..8 as the guest side; nothing without a card.
TEST_F(Mannschaftskartenfenster, GuestLoadTakesTheCardsTeamAsGuests)
{
    MannschaftskarteFuellen(Aufstellung(), Kartenpuffer);
    std::copy_n(Kartenpuffer.begin(), KartenEinheiten, karte->einheiten.begin());
    WettkampfSchliessen();
    ASSERT_TRUE(WettkampfAnlegen());
    AktWettkampf->Club = "Heimverein";

    karte->drin = false;
    EXPECT_FALSE(TMannschaftskarte::GastkarteUebertragen(nullptr));
    karte->drin = true;
    EXPECT_TRUE(TMannschaftskarte::GastkarteUebertragen(nullptr));
    EXPECT_EQ(std::tuple(AktWettkampf->Gastmannschaft.text(), AktWettkampf->Spieler[9].Name.text()),
              std::tuple(QStringLiteral("KSV Alpha 1"), QStringLiteral("Anton Ast")));
    EXPECT_TRUE(boxen.gezeigt.isEmpty());
}

}  // namespace
