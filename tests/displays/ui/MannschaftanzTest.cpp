#include "displays/ui/Mannschaftanz.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "displays/Mannschaftsanzeige.h"
#include "match/bus/CanKarte.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Sendepuffer.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <memory>

namespace {

using K = MannschanzKasten;
using Kaesten = MannschanzKaesten;

Anzeigerahmen T(std::initializer_list<std::uint8_t> b) { return {0x308, CanDaten(b)}; }
Anzeigerahmen N(std::initializer_list<std::uint8_t> b) { return {0x310, CanDaten(b)}; }

class Mannschaftanz : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        mannschaftsanzsteuerung().zuruecksetzen();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
    }
    void TearDown() override
    {
        dialog.reset();
        mannschaftsanzsteuerung().zuruecksetzen();
        Grundlage::TearDown();
    }

    // The current match, on lanes 1..4.
    TWettkampfDaten& spiel()
    {
        AktWettkampf = &Wettkaempfe[AktWettkampfNr = 1];
        AktWettkampf->ErsteSpielbahn = 1;
        AktWettkampf->LetzteSpielbahn = 4;
        return *AktWettkampf;
    }
    TMannschaftanz& zeigen()
    {
        dialog = std::make_unique<TMannschaftanz>();
        dialog->show();
        return *dialog;
    }

    QTemporaryDir ordner;
    std::unique_ptr<TMannschaftanz> dialog;
};

// --- The rules of the boxes ---------------------------------------------------------------------

TEST(MannschanzKaesten, DruckUndFreigabeFolgenDenRegeln)
{
    const struct {
        Kaesten vorher;  // the pressed box already toggled
        K gedrueckt;
        Kaesten nachher;
    } faelle[] = {
        {{true, true, true, true, true}, K::Zuschalten, {true, false, false, true, true}},
        {{true, true, true, false, false}, K::MannschNamen, {false, true, true, false, false}},
        {{false, true, true, false, false}, K::Zuschalten, {false, true, true, false, false}},
        {{false, false, true, true, true}, K::MannschNamen, {false, false, false, true, true}},
        {{true, false, false, false, true}, K::MaPMannsch, {true, false, false, false, false}},
        {{false, true, false, true, false}, K::MaNaWechsel, {false, true, false, true, false}},
    };
    for (const auto& f : faelle) EXPECT_EQ(MannschanzKastenGedrueckt(f.vorher, f.gedrueckt), f.nachher);

    const Kaesten alle{true, true, true, true, true};
    EXPECT_EQ(MannschanzFreigabenVon(alle, false), (MannschanzFreigaben{true, false, true, true, true}));
    EXPECT_EQ(MannschanzFreigabenVon({false, true, false, true, false}, true),
              (MannschanzFreigaben{true, true, true, false, false}));
}

TEST_F(Mannschaftanz, KlicksWendenDieRegelnImFensterAn)
{
    Einst.Punkteanzeige = true;
    Einst.MannschNamen = Einst.MaNaWechsel = true;
    TMannschaftanz& d = zeigen();
    EXPECT_TRUE(d.TBMaNaIntervall->isEnabled());

    Klicken(d.CBZuschalten);
    EXPECT_EQ(d.kaesten(), (Kaesten{true, false, false, false, false}));
    EXPECT_FALSE(d.CBMaNaWechsel->isEnabled());
    for (QWidget* w : {(QWidget*)d.TBMaNaIntervall, (QWidget*)d.BtnMaNaDown, (QWidget*)d.BtnMaNaUp})
        EXPECT_FALSE(w->isEnabled());
    Klicken(d.CBMannschNamen);
    EXPECT_EQ(d.kaesten(), (Kaesten{false, true, false, false, false}));
    EXPECT_TRUE(d.CBMaNaWechsel->isEnabled());

    Klicken(d.CBMaPMannsch);
    Klicken(d.CBMaPMaWechsel);
    EXPECT_TRUE(d.TBMaPMaIntervall->isEnabled());
    Klicken(d.CBMaPMannsch);
    EXPECT_EQ(d.kaesten(), (Kaesten{false, true, false, false, false}));
    EXPECT_FALSE(d.CBMaPMaWechsel->isEnabled());
    EXPECT_FALSE(d.TBMaPMaIntervall->isEnabled());
}

// --- Opening -------------------------------------------------------------------------------------

TEST_F(Mannschaftanz, OeffnetMitDenFeldernDesSpielsOderDenVorgaben)
{
    TWettkampfDaten& w = spiel();
    w.MannschNamenAnzeigen = w.MaPMannsch = w.MaPMaWechsel = 1;
    Einst.MannschNamen = Einst.MaNaWechsel = true;
    Einst.AnzeigeHelligkeit = 200;  // beyond the bar: its end
    Einst.MaNaIntervall = 65000;
    TMannschaftanz& d = zeigen();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Konfiguration der Mannschaftsanzeige"));
    EXPECT_EQ(d.kaesten(), (Kaesten{true, false, false, true, true}));
    EXPECT_FALSE(d.CBMaPMannsch->isEnabled());  // no points display
    EXPECT_EQ(d.EHelligkeit->text(), QStringLiteral("127"));
    EXPECT_EQ(d.TBMaNaIntervall->value(), 45000);
    EXPECT_EQ(d.TBMaPMaIntervall->value(), 100000);  // interval 0: the fast end
    EXPECT_EQ(Einst.AnzeigeHelligkeit, 200);        // showing stores nothing

    d.hide();
    AktWettkampf = nullptr;
    MannschNamenAnzeigen = 1;
    Einst.Punkteanzeige = true;
    d.show();
    EXPECT_EQ(d.kaesten(), (Kaesten{true, true, true, false, false}));
    EXPECT_TRUE(d.CBMaPMannsch->isEnabled());
}

// --- Bars -----------------------------------------------------------------------------------------

TEST_F(Mannschaftanz, KnoepfeSchiebenUndSpeichernDieZeitSofort)
{
    Einst.MannschNamen = Einst.MaNaWechsel = Einst.MaPMannsch = Einst.MaPMaWechsel = true;
    Einst.MaNaIntervall = 20000;
    TMannschaftanz& d = zeigen();
    Klicken(d.BtnMaNaDown);
    EXPECT_EQ(Einst.MaNaIntervall, 25000);
    d.TBMaNaIntervall->setValue(97000);
    Klicken(d.BtnMaNaUp);
    EXPECT_EQ(Einst.MaNaIntervall, 10000);  // held at the end
    Klicken(d.BtnMaPMaDown);
    EXPECT_EQ(Einst.MaPMaIntervall, 15000);

    d.TBHelligkeit->setValue(5);
    Klicken(d.BtnHelligkeitDown);
    EXPECT_EQ(d.EHelligkeit->text(), QStringLiteral("0"));
    for (QPushButton* b : {d.BtnHelligkeitUp, d.BtnMaNaDown, d.BtnMaPMaUp}) EXPECT_EQ(b->autoRepeatInterval(), 200);
}

TEST_F(Mannschaftanz, JedeAenderungDerHelligkeitGehtAnDieEingeschaltetenTafeln)
{
    CanAktiv = 1;
    Einst.MannschanzOn = Einst.NamenanzOn = true;
    TMannschaftanz& d = zeigen();
    EXPECT_TRUE(GesendeteAnzeigerahmen().empty());

    d.TBHelligkeit->setValue(90);
    EXPECT_EQ(GesendeteAnzeigerahmen(), (std::vector{T({0xEF, 90}), N({0xEF, 90})}));
    CanSendenZuruecksetzen();
    Einst.MannschanzOn = false;
    Klicken(d.BtnHelligkeitDown);
    EXPECT_EQ(GesendeteAnzeigerahmen(), std::vector{N({0xEF, 80})});
}

// --- Confirmation -----------------------------------------------------------------------------------

TEST_F(Mannschaftanz, OhneSpielSchreibtOkDieSiebenSchluesselInIhrerReihenfolge)
{
    Einst.Punkteanzeige = true;
    TMannschaftanz& d = zeigen();
    d.TBHelligkeit->setValue(90);
    for (QCheckBox* b : {d.CBZuschalten, d.CBMaPMannsch, d.CBMaPMaWechsel}) Klicken(b);
    d.TBMaNaIntervall->setValue(30000);
    d.TBMaPMaIntervall->setValue(75000);
    Klicken(d.BtnOK);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    const QStringList erwartet{QStringLiteral("[Anzeige]"),          QStringLiteral("AnzeigeHelligkeit = 90"),
                               QStringLiteral("MannschNamen = False"), QStringLiteral("MaNaWechsel = False"),
                               QStringLiteral("MaNaIntervall = 80000"), QStringLiteral("MaPMannsch = True"),
                               QStringLiteral("MaPMaWechsel = True"),  QStringLiteral("MaPMaIntervall = 35000")};
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList()).join(u'|').toStdString(),
              erwartet.join(u'|').toStdString());
    EXPECT_EQ(MannschNamenAnzeigen, 1);
}

TEST_F(Mannschaftanz, MitSpielNimmtDasSpielDieKaestenUndDieDateiBleibt)
{
    TWettkampfDaten& w = spiel();
    w.MannschNamen = 1;
    TMannschaftanz& d = zeigen();
    Klicken(d.CBZuschalten);
    Klicken(d.BtnOK);
    EXPECT_EQ(w.MannschNamenAnzeigen, 1);
    EXPECT_EQ(w.MannschNamen, 0);
    EXPECT_EQ(w.Geaendert, 1);
    EXPECT_EQ(MannschNamenAnzeigen, 0);
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// A started match on the four lanes of the alley with one board of width
// 11: home players on the odd lanes, guests on the even ones.
TEST_F(Mannschaftanz, OkBautDieTafelDesLaufendenSpielsEinmalNeuAuf)
{
    CanAktiv = 1;
    BahnAnzahl = 4;
    Einst.MannschanzOn = true;
    Einst.MannschAnzeigeAnz = 1;
    MannschanzBreite = 11;
    TWettkampfDaten& w = spiel();
    w.Gestartet = w.MannschaftsanzeigeEin = 1;
    w.Spielphase = PhaseSpiel;
    for (int k = 1; k <= 4; ++k) {
        BahnDaten[k].Wettk = &w;
        BahnDaten[k].BahnSpieler = &w.Spieler[k];
        w.Spieler[k].IstHeim = k % 2;
    }
    w.Heim.Wuerfe.Text = "0120";
    w.Heim.Total.Text = "0456";
    w.Gast.Wuerfe.Text = "0118";
    w.Gast.Total.Text = "0431";

    TMannschaftanz& d = zeigen();
    Klicken(d.BtnOK);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(MannschanzZuordnung[k], 1) << "lane " << k;
    const auto links = [](u8 a, char c) { return T({0xEA, a, u8(c), ' ', ' ', ' ', ' ', ' '}); };
    const auto rechts = [](u8 a) { return T({0xEA, a, ' ', ' ', ' ', ' ', ' ', 0}); };
    EXPECT_EQ(GesendeteAnzeigerahmen(),
              (std::vector{links(0x11, ' '), rechts(0x17), links(0x21, ' '), rechts(0x27),  // blanked once
                           links(0x11, 'H'), rechts(0x17), links(0x21, 'G'), rechts(0x27),
                           T({0xEA, 0x13, '0', '1', '2', '0', 0, 0}), T({0xEA, 0x18, '0', '4', '5', '6', 0, 0}),
                           T({0xEA, 0x23, '0', '1', '1', '8', 0, 0}), T({0xEA, 0x28, '0', '4', '3', '1', 0, 0})}));

    // A lane still in practice: "PROBE" on the sides of the first two lanes.
    CanSendenZuruecksetzen();
    BahnDaten[3].ProbeLaeuft = 1;
    d.show();
    Klicken(d.BtnOK);
    EXPECT_EQ(GesendeteAnzeigerahmen(),
              (std::vector{T({0xEA, 0x11, 'P', 'R', 'O', 'B', 'E', ' '}), rechts(0x17),
                           T({0xEA, 0x21, 'P', 'R', 'O', 'B', 'E', ' '}), rechts(0x27)}));
}

}  // namespace
