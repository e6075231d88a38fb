// The name boards' configuration: filled from the match or the settings,
// the bars and their buttons, the confirmation with and without a match,
// the brightness frame and the pages.
#include "displays/ui/Namenanz.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "displays/Namenanzeige.h"
#include "displays/ui/Werbeeditor.h"
#include "match/bus/CanKarte.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Sendepuffer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <array>
#include <memory>

namespace {

class Namenanz : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        namenanzsteuerung().zuruecksetzen();
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        dateiSchreiben(QStringLiteral("Namenanz.inf"), {QStringLiteral("Halle"), QStringLiteral("Pause")});
    }
    void TearDown() override
    {
        dialog.reset();
        namenanzsteuerung().zuruecksetzen();
        Grundlage::TearDown();
    }

    void dateiSchreiben(const QString& name, const QStringList& zeilen)
    {
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(name), zeilen));
    }
    // A match on lanes 1 and 2, current.
    TWettkampfDaten& spiel()
    {
        WettkampfBelegt[1] = 1;
        WettkampfAnzahl = 1;
        AktWettkampfNr = 1;
        AktWettkampf = &Wettkaempfe[1];
        AktWettkampf->ErsteSpielbahn = 1;
        AktWettkampf->LetzteSpielbahn = 2;
        return *AktWettkampf;
    }
    TNamenanz& zeigen()
    {
        dialog = std::make_unique<TNamenanz>();
        dialog->show();
        return *dialog;
    }

    QTemporaryDir ordner;
    std::unique_ptr<TNamenanz> dialog;
};

Anzeigerahmen Rahmen(std::initializer_list<int> bytes)
{
    Anzeigerahmen r{NamenanzCanId, {}};
    r.daten.laenge = u8(bytes.size());
    int i = 0;
    for (int b : bytes) r.daten.d[std::size_t(i++)] = u8(b);
    return r;
}

// --- Opening ----------------------------------------------------------------------------------

// "Namen anzeigen", the two alternations and "Text anzeigen" as 0 and 1.
std::string Haken(const TNamenanz& d)
{
    std::string h;
    for (const QCheckBox* b : {d.CBNamenOn, d.CBVorWechsel, d.CBSaPWechsel, d.CBWerbungOn})
        h += b->isChecked() ? '1' : '0';
    return h;
}

TEST_F(Namenanz, OeffnenFuelltAusDenEinstellungenOderAusDemSpiel)
{
    Einst.AnzeigeHelligkeit = 60;
    Einst.NaVorIntervall = 30000;
    Einst.NaSaPIntervall = 95000;
    Einst.NamenOn = false;
    Einst.NaVorWechsel = Einst.NaSaPWechsel = Einst.NamenanzWerbung = true;
    Einst.NamenanzIndex = 1;
    Einst.NamenanzWerbezeit = 12;
    Einst.NamenanzWerbeabst = 40;
    Einst.NamenanzOn = true;
    CanAktiv = 1;

    TNamenanz& d = zeigen();
    EXPECT_EQ(d.TBHelligkeit->value(), 60);
    EXPECT_EQ(d.EHelligkeit->text(), QStringLiteral("60"));
    EXPECT_EQ(d.TBVorWechsel->value(), 80000);
    EXPECT_EQ(d.TBSaPWechsel->value(), 15000);
    EXPECT_EQ(Haken(d), "0111");
    ASSERT_EQ(d.CKonfiguration->count(), 2);
    EXPECT_EQ(d.CKonfiguration->currentIndex(), 1);
    EXPECT_EQ(d.Editor->konfigurationNr(), 0);
    EXPECT_EQ(d.EWerbezeitDef->text(), QStringLiteral("12"));
    EXPECT_EQ(d.EWerbeabstDef->text(), QStringLiteral("40"));
    EXPECT_TRUE(GesendeteAnzeigerahmen().empty());  // filling sends nothing

    TWettkampfDaten& w = spiel();
    w.NamenOn = w.NaSaPWechsel = 1;
    w.NamenanzWerbung.Index = 0;
    d.hide();
    d.show();
    EXPECT_EQ(Haken(d), "1010");
    EXPECT_EQ(d.CKonfiguration->currentIndex(), 0);
    EXPECT_EQ(d.EWerbezeitDef->text(), QStringLiteral("12"));
}

TEST_F(Namenanz, SchieberStehenBei110000MinusIntervallInnerhalbDerGrenzen)
{
    const std::pair<i32, int> faelle[] = {
        {30000, 80000}, {100000, 10000}, {10000, 100000}, {0, 100000}, {250000, 10000}, {54321, 55679},
    };
    TNamenanz& d = zeigen();
    for (const auto& [intervall, position] : faelle) {
        Einst.NaVorIntervall = intervall;
        Einst.NaSaPIntervall = intervall;
        d.hide();
        d.show();
        EXPECT_EQ(d.TBVorWechsel->value(), position) << intervall;
        EXPECT_EQ(d.TBSaPWechsel->value(), position) << intervall;
    }
    EXPECT_EQ(d.TBVorWechsel->singleStep(), 1000);
    EXPECT_EQ(d.TBVorWechsel->pageStep(), 5000);
}

// --- Buttons ----------------------------------------------------------------------------------

TEST_F(Namenanz, KnoepfeSchiebenUndWechselknoepfeSpeichernSofort)
{
    TNamenanz& d = zeigen();
    d.TBVorWechsel->setValue(95000);
    Klicken(d.BtnVorWechselUp);
    EXPECT_EQ(d.TBVorWechsel->value(), 100000);
    EXPECT_EQ(Einst.NaVorIntervall, 10000);
    Klicken(d.BtnVorWechselUp);
    EXPECT_EQ(d.TBVorWechsel->value(), 100000);

    d.TBSaPWechsel->setValue(15000);
    Klicken(d.BtnSaPWechselDown);
    EXPECT_EQ(d.TBSaPWechsel->value(), 10000);
    EXPECT_EQ(Einst.NaSaPIntervall, 100000);
    Klicken(d.BtnSaPWechselUp);
    EXPECT_EQ(Einst.NaSaPIntervall, 95000);
    EXPECT_EQ(Einst.NaVorIntervall, 10000);  // the other bar is left alone

    // Brightness by 10, within 0..127.
    d.TBHelligkeit->setValue(120);
    Klicken(d.BtnHelligkeitUp);
    EXPECT_EQ(d.EHelligkeit->text(), QStringLiteral("127"));
    d.TBHelligkeit->setValue(5);
    Klicken(d.BtnHelligkeitDown);
    EXPECT_EQ(d.TBHelligkeit->value(), 0);

    for (QPushButton* b : {d.BtnVorWechselDown, d.BtnVorWechselUp, d.BtnSaPWechselDown, d.BtnSaPWechselUp,
                           d.BtnHelligkeitDown, d.BtnHelligkeitUp}) {
        EXPECT_TRUE(b->autoRepeat()) << b->objectName().toStdString();
        EXPECT_EQ(b->autoRepeatInterval(), 200);
    }
}

struct Helligkeitsfall {
    bool namenanzOn;
    u8 canAktiv;
    bool gesendet;
};

TEST_F(Namenanz, HelligkeitGehtNurMitNamenanzeigeUndBusAnDieTafeln)
{
    const Helligkeitsfall faelle[] = {{true, 1, true}, {false, 1, false}, {true, 0, false}};
    TNamenanz& d = zeigen();
    int wert = 40;
    for (const Helligkeitsfall& f : faelle) {
        Einst.NamenanzOn = f.namenanzOn;
        CanAktiv = f.canAktiv;
        CanSendenZuruecksetzen();
        d.TBHelligkeit->setValue(++wert);
        const std::vector<Anzeigerahmen> erwartet =
            f.gesendet ? std::vector{Rahmen({239, wert})} : std::vector<Anzeigerahmen>{};
        EXPECT_EQ(GesendeteAnzeigerahmen(), erwartet) << f.namenanzOn << int(f.canAktiv);
    }

    // Typed into the edit: the bar follows, a value above 127 becomes 127.
    Einst.NamenanzOn = true;
    CanAktiv = 1;
    CanSendenZuruecksetzen();
    d.EHelligkeit->setText(QStringLiteral("99"));
    EXPECT_EQ(d.TBHelligkeit->value(), 99);
    d.EHelligkeit->setText(QStringLiteral("300"));
    EXPECT_EQ(d.EHelligkeit->text(), QStringLiteral("127"));
    EXPECT_EQ(d.TBHelligkeit->value(), 127);
    d.EHelligkeit->clear();
    EXPECT_EQ(GesendeteAnzeigerahmen(), (std::vector{Rahmen({239, 99}), Rahmen({239, 127})}));
}

// --- Confirmation -----------------------------------------------------------------------------

TEST_F(Namenanz, OhneSpielSchreibtOkDieZehnSchluesselInIhrerReihenfolge)
{
    Einst.NamenanzIndex = 0;
    TNamenanz& d = zeigen();
    d.TBHelligkeit->setValue(77);
    d.CKonfiguration->setCurrentIndex(1);
    d.CBWerbungOn->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("12"));
    d.EWerbeabstDef->setText(QStringLiteral("030"));
    d.CBNamenOn->setChecked(true);
    d.CBVorWechsel->setChecked(false);
    d.CBSaPWechsel->setChecked(true);
    // Both bars moved by the mouse or the keyboard, not by their buttons.
    d.TBVorWechsel->setValue(70000);
    d.TBSaPWechsel->setValue(85000);
    Klicken(d.BtnOK);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    const QStringList erwartet{
        QStringLiteral("[Anzeige]"),
        QStringLiteral("AnzeigeHelligkeit = 77"),
        QStringLiteral("NamenanzWerbung = True"),
        QStringLiteral("NamenanzIndex = 1"),
        QStringLiteral("NamenanzWerbezeit = 12"),
        QStringLiteral("NamenanzWerbeabst = 30"),
        QStringLiteral("NaVorWechsel = False"),
        QStringLiteral("NaVorIntervall = 40000"),
        QStringLiteral("NaSaPWechsel = True"),
        QStringLiteral("NaSaPIntervall = 25000"),
        QStringLiteral("NamenOn = True"),
    };
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList()).join(u'|').toStdString(),
              erwartet.join(u'|').toStdString());
}

TEST_F(Namenanz, MitSpielAendertOkNurDasSpielUndDieIntervalle)
{
    dateiSchreiben(QStringLiteral("Namenanz1.dat"), {QStringLiteral("Gut Holz;8;0;0")});
    TWettkampfDaten& w = spiel();
    w.NamenanzWerbung.Index = 0;
    w.Geaendert = 0;
    Einst.NamenOn = false;
    Einst.NamenanzIndex = 0;
    Einst.NamenanzWerbezeit = 7;

    TNamenanz& d = zeigen();
    for (QCheckBox* b : {d.CBNamenOn, d.CBVorWechsel, d.CBSaPWechsel, d.CBWerbungOn}) b->setChecked(true);
    d.CKonfiguration->setCurrentIndex(1);
    d.EWerbezeitDef->setText(QStringLiteral("99"));
    d.TBVorWechsel->setValue(60000);
    d.TBSaPWechsel->setValue(30000);
    Klicken(d.BtnOK);

    EXPECT_EQ((std::array{w.NamenOn, w.NaVorWechsel, w.NaSaPWechsel, w.NamenanzWerbung.Werbung}),
              (std::array<u8, 4>{1, 1, 1, 1}));
    EXPECT_EQ(w.NamenanzWerbung.Index, 1);
    EXPECT_EQ(w.Geaendert, 1);
    EXPECT_EQ(Einst.NaVorIntervall, 50000);
    EXPECT_EQ(Einst.NaSaPIntervall, 80000);
    EXPECT_FALSE(Einst.NamenOn);
    EXPECT_EQ(Einst.NamenanzWerbezeit, 7);
    EXPECT_FALSE(QFile::exists(InfDatei));

    // A configuration without entries shows no texts, whatever the box says.
    d.show();
    d.CKonfiguration->setCurrentIndex(0);
    d.CBWerbungOn->setChecked(true);
    Klicken(d.BtnOK);
    EXPECT_EQ(w.NamenanzWerbung.Werbung, 0);
    EXPECT_EQ(w.NamenanzWerbung.Index, 0);
}

TEST_F(Namenanz, OkImLaufendenSpielZeigtDieNamenOderLoeschtSie)
{
    TWettkampfDaten& w = spiel();
    w.Gestartet = 1;
    w.NamenanzeigeEin = 1;
    w.BahnImSpiel[1] = 1;  // lane 2 does not play for it
    w.Spieler[1].Name = "Meier Udo";
    BahnAnzahl = 2;
    for (int bahn : {1, 2}) {
        BahnDaten[bahn].Wettk = &w;
        BahnDaten[bahn].BahnSpieler = &w.Spieler[1];
    }
    Einst.NamenAnzeigeDig = 9;
    CanAktiv = 1;

    TNamenanz& d = zeigen();
    CanSendenZuruecksetzen();
    d.CBNamenOn->setChecked(true);
    Klicken(d.BtnOK);
    EXPECT_EQ(GesendeteAnzeigerahmen(), (std::vector{Rahmen({234, 0x11, 'M', 'e', 'i', 'e', 'r', ' '}),
                                                     Rahmen({234, 0x17, 'U', 'd', 'o', 0, 0, 0})}));

    d.show();
    CanSendenZuruecksetzen();
    d.CBNamenOn->setChecked(false);
    Klicken(d.BtnOK);
    EXPECT_EQ(GesendeteAnzeigerahmen(), (std::vector{Rahmen({234, 0x11, ' ', ' ', ' ', ' ', ' ', ' '}),
                                                     Rahmen({234, 0x17, ' ', ' ', ' ', 0, 0, 0})}));

    // Before the start the boards are left alone.
    w.Gestartet = 0;
    d.show();
    CanSendenZuruecksetzen();
    d.CBNamenOn->setChecked(true);
    Klicken(d.BtnOK);
    EXPECT_TRUE(GesendeteAnzeigerahmen().empty());
}

// A changed configuration not saved on OK: a configuration made in this
// opening goes again (its name, its number; the later files move back),
// one there before stays as it was; the editor is on configuration 0 and
// the choice stays on its configuration.
TEST_F(Namenanz, OkOhneSpeichernVerwirftEineNeueKonfiguration)
{
    struct Fall {
        const char* neu;  // the name of a new configuration, made after `nach`
        int nach;
        int antwort;
        const char* inf;
        std::array<const char*, 3> dateien;  // "Namenanz0.dat" .. "Namenanz2.dat"; null: none
        i32 index;                           // where "Pause", the choice for new matches, is
    };
    const Fall faelle[] = {
        {nullptr, 0, ErgebnisNein, "Halle|Pause", {"Servus;1;0;0", "Gut Holz;8;0;0", nullptr}, 1},
        {"Neu", 0, ErgebnisNein, "Halle|Pause", {"Servus;1;0;0", "Gut Holz;8;0;0", nullptr}, 1},
        {"Neu", 1, ErgebnisNein, "Halle|Pause", {"Servus;1;0;0", "Gut Holz;8;0;0", nullptr}, 1},
        {"neu", 0, ErgebnisJa, "Halle|neu|Pause", {"Servus;1;0;0", "Kegeln;0;0;0", "Gut Holz;8;0;0"}, 2},
    };
    for (const Fall& f : faelle) {
        const std::string fall = f.neu ? f.neu + std::to_string(f.nach) + std::to_string(f.antwort) : "vorhanden";
        dateiSchreiben(QStringLiteral("Namenanz.inf"), {QStringLiteral("Halle"), QStringLiteral("Pause")});
        dateiSchreiben(QStringLiteral("Namenanz0.dat"), {QStringLiteral("Servus;1;0;0")});
        dateiSchreiben(QStringLiteral("Namenanz1.dat"), {QStringLiteral("Gut Holz;8;0;0")});
        QFile::remove(ordner.filePath(QStringLiteral("Namenanz2.dat")));
        Einst.NamenanzIndex = 1;  // "Pause" for new matches

        TNamenanz& d = zeigen();
        Werbeeditor& e = *d.Editor;
        e.CAnzeigeClick(f.nach);
        if (f.neu) {
            e.CAnzeige->setEditText(QLatin1String(f.neu));
            Klicken(e.BtnAnzeigeNeu);
        }
        skriptBoxen().eingaben = {QStringLiteral("Kegeln")};
        Klicken(e.BtnEintragNeu);
        ASSERT_EQ(e.EintragGeaendert, 1) << fall;
        skriptBoxen().antworten = {f.antwort};
        Klicken(d.BtnOK);

        const QStringList namen = QString::fromLatin1(f.inf).split(u'|');
        EXPECT_EQ(TextdateiLesen(ordner.filePath(QStringLiteral("Namenanz.inf"))), namen) << fall;
        EXPECT_EQ(e.konfigurationen(), namen) << fall;
        for (int n = 0; n < 3; ++n) {
            const auto inhalt = TextdateiLesen(ordner.filePath(QStringLiteral("Namenanz%1.dat").arg(n)));
            EXPECT_EQ(inhalt.value_or(QStringList{QStringLiteral("<fehlt>")}),
                      QStringList{QLatin1String(f.dateien[std::size_t(n)] ? f.dateien[std::size_t(n)] : "<fehlt>")})
                << fall << " " << n;
        }
        EXPECT_EQ(e.konfigurationNr(), f.antwort == ErgebnisJa ? 1 : 0) << fall;
        EXPECT_EQ(Einst.NamenanzIndex, f.index) << fall;
        dialog.reset();
    }
}

// --- Pages and life ---------------------------------------------------------------------------

TEST_F(Namenanz, SeitenFeldbereicheUndTimer)
{
    TNamenanz& d = zeigen();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Konfiguration der Namenanzeige"));
    EXPECT_EQ(d.PageControl->tabText(0), QStringLiteral(" Steuerung "));
    EXPECT_EQ(d.PageControl->tabText(1), QStringLiteral(" Werbung"));
    const std::pair<const char*, u16> seiten[] = {{"TabWerbung", 310}, {"TabSteuerung", 300}};
    for (const auto& [name, code] : seiten) {
        d.seiteZeigen(QLatin1String(name));
        EXPECT_EQ(d.PageControl->currentWidget()->objectName(), QLatin1String(name));
        EXPECT_EQ(FeldcodeMin, code);
        EXPECT_EQ(FeldcodeMax, code);
    }
    EXPECT_EQ(d.Editor->eintragsart(), Eintragsart::Text);
    EXPECT_EQ(d.Editor->prefix(), QStringLiteral("Namenanz"));
    const QAction* farbe = d.findChild<QAction*>(QStringLiteral("PopupColorGround"));
    ASSERT_NE(farbe, nullptr);
    EXPECT_EQ(farbe->text(), QStringLiteral("Hintergrund..."));

    // The boards' timers end with the dialog.
    Namenanzsteuerung& s = namenanzsteuerung();
    s.TimerWechsel.setEnabled(true);
    s.TimerWerbung.setEnabled(true);
    dialog.reset();
    EXPECT_FALSE(s.TimerWechsel.enabled());
    EXPECT_FALSE(s.TimerWerbung.enabled());
}

}  // namespace
