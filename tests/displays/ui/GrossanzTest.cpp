#include "displays/ui/Grossanz.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "displays/Grossanzeige.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/Werberotation.h"
#include "core/ui/Fensterhub.h"
#include "displays/ui/Anzeigedialog.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Fensterregistrierung.h"
#include "displays/ui/Werbeeditor.h"
#include "displays/ui/WerbeeditorSchritte.h"
#include "match/dienste/Anzeigeschicht.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Warten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>
#include <vector>

namespace {

struct TextAufnahme : Texteinblendung {
    QStringList aufrufe;
    void textZeigen(const QTextDocument& text) override { aufrufe << QStringLiteral("zeigen ") + text.toPlainText(); }
    void textVerbergen() override { aufrufe << QStringLiteral("verbergen"); }
};

struct FlaechenAufnahme : Werbeflaeche {
    QStringList aufrufe;
    void ergebnisseZeigen() override { aufrufe << QStringLiteral("ergebnisse"); }
    void werbungZeigen(const QString& datei) override { aufrufe << QStringLiteral("werbung ") + datei; }
    bool videoLaeuft() const override { return false; }
};

class Grossanz : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        grossanzsteuerung().zuruecksetzen();
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        setTexteinblendung(&text);
    }
    void TearDown() override
    {
        dialog.reset();
        setTexteinblendung(nullptr);
        grossanzsteuerung().zuruecksetzen();
        BannerAnzeigen = true;
        Grundlage::TearDown();
    }

    void dateiSchreiben(const QString& name, const QStringList& zeilen)
    {
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(name), zeilen));
    }
    // Matches in the given slots; the first is current and on the open board.
    void spiele(std::initializer_list<int> belegt)
    {
        for (int nr : belegt) {
            WettkampfBelegt[nr] = 1;
            ++WettkampfAnzahl;
        }
        AktWettkampfNr = u8(*belegt.begin());
        AktWettkampf = &Wettkaempfe[AktWettkampfNr];
        AnzeigeWettkampf = AktWettkampf;
        AktWettkampf->GrossanzeigeEin = 1;
        fenster.anzeigeOffen = true;
    }
    TGrossanz& zeigen()
    {
        dialog = std::make_unique<TGrossanz>();
        dialog->show();
        return *dialog;
    }

    QTemporaryDir ordner;
    TextAufnahme text;
    std::unique_ptr<TGrossanz> dialog;
};

// --- Change between the matches -----------------------------------------------------------

struct Wechselfall {
    const char* name;
    std::vector<int> belegt;
    std::vector<int> folge;  // slots on the board after each tick
};

class GrossanzWechsel : public Grossanz, public ::testing::WithParamInterface<Wechselfall> {};

TEST_P(GrossanzWechsel, SchrittFuerSchrittDurchDieBelegtenSlots)
{
    const Wechselfall& f = GetParam();
    for (int nr : f.belegt) {
        WettkampfBelegt[nr] = 1;
        ++WettkampfAnzahl;
    }
    AnzeigeWettkampf = &Wettkaempfe[f.belegt.front()];
    AnzeigeWettkampf->GrossanzeigeEin = 1;
    fenster.anzeigeOffen = true;
    Grossanzsteuerung& s = grossanzsteuerung();
    for (int erwartet : f.folge) {
        s.wechselTakt();
        EXPECT_EQ(AnzeigeWettkampf, &Wettkaempfe[erwartet]);
        for (int nr = 1; nr <= MaxWettkaempfe; ++nr)
            EXPECT_EQ(Wettkaempfe[nr].GrossanzeigeEin, nr == erwartet ? 1 : 0) << "slot " << nr;
    }
    EXPECT_EQ(fenster.aufrufe.count(QStringLiteral("anzeige aufbauen")), qsizetype(f.folge.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Slots, GrossanzWechsel,
    ::testing::Values(Wechselfall{"DreiSpiele", {1, 2, 3}, {2, 3, 1, 2}},
                      Wechselfall{"LueckeWirdUebersprungen", {1, 3, 4}, {3, 4, 1, 3}},
                      Wechselfall{"ErsterSlotFrei", {2, 5}, {2, 5, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Grossanz, WechselOhneZweitesSpielOderOhneTafelTutNichts)
{
    spiele({1});
    grossanzsteuerung().wechselTakt();
    EXPECT_EQ(AnzeigeWettkampf, &Wettkaempfe[1]);

    WettkampfBelegt[2] = 1;
    ++WettkampfAnzahl;
    fenster.anzeigeOffen = false;
    grossanzsteuerung().wechselTakt();
    EXPECT_EQ(AnzeigeWettkampf, &Wettkaempfe[1]);
    EXPECT_FALSE(fenster.aufrufe.contains(QStringLiteral("anzeige aufbauen")));
}

TEST_F(Grossanz, WechseltimerFolgtDenEinstellungen)
{
    Einst.GrossanzWechsel = true;
    Einst.GrossanzIntervall = 0;  // an interval of 0 never fires
    Grossanzsteuerung& s = grossanzsteuerung();
    s.wechselEinstellen();
    EXPECT_FALSE(s.TimerWechsel.laeuft());
    Einst.GrossanzIntervall = 30000;
    s.wechselEinstellen();
    EXPECT_TRUE(s.TimerWechsel.laeuft());
    EXPECT_EQ(s.TimerWechsel.interval(), 30000);
    Einst.GrossanzWechsel = false;
    s.wechselEinstellen();
    EXPECT_FALSE(s.TimerWechsel.laeuft());
}

// --- The board moves on while an advert is up --------------------------------------------------

struct Tafelwechsel {
    const char* name;
    bool automatisch;    // the change timer, else "Großanzeige → Update"
    bool anderePhase;    // match 2 has adverts for another phase only, else adverts off
};

class GrossanzTafelwechsel : public Grossanz, public ::testing::WithParamInterface<Tafelwechsel> {};

// Match 1 on the open board shows a picture for every phase (2 seconds
// after 2 seconds); the board moves to match 2 while it is up.
TEST_P(GrossanzTafelwechsel, ErgebnisseKommenUndDieWerbungDesErstenSpielsEndet)
{
    const Tafelwechsel& f = GetParam();
    const QString bild = ordner.filePath(QStringLiteral("Werbung.jpg"));
    QImage b(320, 200, QImage::Format_RGB32);
    b.fill(Qt::darkRed);
    ASSERT_TRUE(b.save(bild));
    dateiSchreiben(QStringLiteral("Grossanz0.dat"), {QStringLiteral("Alle;%1;127;2;2").arg(bild)});
    dateiSchreiben(QStringLiteral("Grossanz1.dat"), {QStringLiteral("Vorher;%1;1;2;2").arg(bild)});
    Fensterhub hub;
    FensterDiensteEinsetzen hubEin(&hub);
    DisplaysFensterRegistrieren(hub);
    hub.setZweiterBildschirm(QRect(0, 0, 1024, 768));
    Displaydienste dienste;
    AnzeigeDiensteEinsetzen diensteEin(&dienste);
    Einst.GrossAnzeige = true;

    spiele({1, 2});
    TWettkampfDaten &a = Wettkaempfe[1], &zwei = Wettkaempfe[2];
    a.Spielphase = zwei.Spielphase = WerbungSpiel;
    a.GrossanzWerbung.Werbung = 1;
    zwei.GrossanzWerbung.Werbung = f.anderePhase ? 1 : 0;
    zwei.GrossanzWerbung.Index = 1;
    // Loaded while it was on the board before; the change loads nothing.
    if (f.anderePhase)
        zwei.GrossanzWerbung.Liste = std::make_unique<QStringList>(QStringList{QStringLiteral("Vorher;%1;1;2;2").arg(bild)});
    hub.anzeigefensterOeffnen();
    auto* tafel = qobject_cast<TAnzeigefenster*>(hub.anzeigefenster());
    ASSERT_TRUE(tafel);
    Grossanzsteuerung& s = grossanzsteuerung();
    s.werbungLaden(a);
    s.werbungTakt();
    ASSERT_TRUE(a.GrossanzWerbung.Zustand);
    ASSERT_TRUE(warten([&] { return tafel->PWerbung->isVisible(); }));

    if (f.automatisch) {
        s.WechselNr = 1;
        s.wechselTakt();
    } else {
        AktWettkampfNr = 2;
        AktWettkampf = &zwei;
        GrossanzUpdate();
    }
    ASSERT_EQ(AnzeigeWettkampf, &zwei);
    EXPECT_TRUE(tafel->PErgebnis->isVisible());
    EXPECT_FALSE(tafel->PWerbung->isVisible());
    EXPECT_EQ(a.GrossanzWerbung.Zustand, 0);
    EXPECT_EQ(a.GrossanzWerbung.Zaehler, 0);
    // The rotation goes on with match 2: nothing of it shows.
    for (int i = 0; i < 3; ++i) s.werbungTakt();
    QCoreApplication::processEvents();
    EXPECT_TRUE(tafel->PErgebnis->isVisible());
    EXPECT_FALSE(tafel->PWerbung->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Wege, GrossanzTafelwechsel,
    ::testing::Values(Tafelwechsel{"UpdateOhneWerbung", false, false}, Tafelwechsel{"UpdateAnderePhase", false, true},
                      Tafelwechsel{"WechselOhneWerbung", true, false}, Tafelwechsel{"WechselAnderePhase", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Track bar ----------------------------------------------------------------------------

TEST(GrossanzSchieber, IntervallIst110000MinusPosition)
{
    EXPECT_EQ(WechselIntervall(10000), 100000);
    EXPECT_EQ(WechselIntervall(100000), 10000);
    EXPECT_EQ(WechselIntervall(45000), 65000);
    EXPECT_EQ(WechselPosition(65000), 45000);
    // Out of range: clipped to the ends.
    EXPECT_EQ(WechselPosition(0), 100000);
    EXPECT_EQ(WechselPosition(200000), 10000);
    EXPECT_EQ(WechselIntervall(5000), 100000);
}

TEST_F(Grossanz, KnoepfeSchiebenUm5000UndHaltenAnDenEnden)
{
    TGrossanz& d = zeigen();
    d.TBWechsel->setValue(95000);
    Klicken(d.BtnWechselUp);
    EXPECT_EQ(d.TBWechsel->value(), 100000);
    Klicken(d.BtnWechselUp);
    EXPECT_EQ(d.TBWechsel->value(), 100000);
    d.TBWechsel->setValue(15000);
    Klicken(d.BtnWechselDown);
    EXPECT_EQ(d.TBWechsel->value(), 10000);
    Klicken(d.BtnWechselDown);
    EXPECT_EQ(d.TBWechsel->value(), 10000);
    for (QPushButton* b : {d.BtnWechselUp, d.BtnWechselDown}) {
        EXPECT_TRUE(b->autoRepeat());
        EXPECT_EQ(b->autoRepeatInterval(), 200);
    }
}

// --- Activation and confirmation ----------------------------------------------------------------

TEST_F(Grossanz, OhneSpielSchreibtOkDieSchluesselInIhrerReihenfolge)
{
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle"), QStringLiteral("Pause")});
    Einst.GrossanzIndex = 0;
    const char* farben[] = {"ColorTafel",       "ColorTHeim",       "ColorTGast",       "ColorTErgebnisse",
                            "ColorTHeaderHeim", "ColorTHeaderGast", "ColorTTotalHeim",  "ColorTTotalGast",
                            "ColorTWurfHeim",   "ColorTWurfGast",   "ColorTPlusHeim",   "ColorTPlusGast",
                            "ColorTPunkteHeim", "ColorTPunkteGast", "ColorTSpieler",    "ColorTGestartet",
                            "ColorTFertig"};
    QStringList erwartet{QStringLiteral("[Anzeige]"),
                         QStringLiteral("GrossanzWerbung = True"),
                         QStringLiteral("GrossanzIndex = 1"),
                         QStringLiteral("GrossanzWerbezeit = 12"),
                         QStringLiteral("GrossanzWerbeabst = 30"),
                         QStringLiteral("GrossanzWechsel = True"),
                         QStringLiteral("GrossanzIntervall = 25000"),
                         QStringLiteral("BannerAnzeigen = False"),
                         QString(),  // a new section stands apart
                         QStringLiteral("[Ansicht]")};
    for (int i = 0; i < 17; ++i) {
        FarbeSetzen(QString::fromLatin1(farben[i]), u32(100 + i));
        erwartet << QStringLiteral("%1 = %2").arg(QLatin1String(farben[i])).arg(100 + i);
    }

    TGrossanz& d = zeigen();
    ASSERT_EQ(d.CKonfiguration->count(), 2);
    EXPECT_EQ(d.CKonfiguration->currentIndex(), 0);
    d.CKonfiguration->setCurrentIndex(1);
    d.CBWerbungOn->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("12"));
    d.EWerbeabstDef->setText(QStringLiteral("30"));
    d.CBWechsel->setChecked(true);
    d.TBWechsel->setValue(85000);
    d.CBBannerAnzeigen->setChecked(false);
    Klicken(d.BtnOK);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList()).join(u'|').toStdString(),
              erwartet.join(u'|').toStdString());
    EXPECT_EQ(Einst.GrossanzIndex, 1);
    EXPECT_TRUE(Einst.GrossanzWerbung);
    EXPECT_EQ(Einst.GrossanzIntervall, 25000);
    EXPECT_FALSE(BannerAnzeigen);
    EXPECT_TRUE(grossanzsteuerung().TimerWechsel.laeuft());
}

// The dialog shows the change interval of the settings and OK writes it
// back unchanged: the default of an empty settings file and both ends of the
// range read back as they were.
TEST_F(Grossanz, OkSchreibtDenWechselUnveraendertZurueck)
{
    dateiSchreiben(QStringLiteral("Bravolin.inf"), {});
    ASSERT_TRUE(EinstellungenLaden(ordner.path()).isEmpty());
    EXPECT_EQ(Einst.GrossanzIntervall, 10000);
    for (const int wert : {0, 10000, 100000, 37000}) {
        SCOPED_TRACE(wert);
        if (wert) Einst.GrossanzIntervall = wert;  // 0: as the empty file gave it
        const int erwartet = wert ? wert : 10000;
        TGrossanz& d = zeigen();
        EXPECT_EQ(d.TBWechsel->value(), 110000 - erwartet);
        Klicken(d.BtnOK);
        EXPECT_EQ(Einst.GrossanzIntervall, erwartet);
        EXPECT_TRUE(TextdateiLesen(InfDatei).value_or(QStringList())
                        .contains(QStringLiteral("GrossanzIntervall = %1").arg(erwartet)));
        Einst.GrossanzIntervall = -1;
        EXPECT_TRUE(EinstellungenLaden(ordner.path()).isEmpty());
        EXPECT_EQ(Einst.GrossanzIntervall, erwartet);
        dialog.reset();
    }
}

TEST_F(Grossanz, MitSpielAendertOkNurDessenWerbungUndDenSpeicher)
{
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle"), QStringLiteral("Pause")});
    spiele({1});
    AnzeigeWettkampf = nullptr;  // another match on the board
    Einst.GrossanzIndex = 0;
    Einst.GrossanzWerbezeit = 7;
    AktWettkampf->GrossanzWerbung.Index = 1;
    AktWettkampf->Geaendert = 0;

    TGrossanz& d = zeigen();
    EXPECT_EQ(d.CKonfiguration->currentIndex(), 1);
    EXPECT_FALSE(d.CBWerbungOn->isChecked());
    EXPECT_EQ(d.EWerbezeitDef->text(), QStringLiteral("7"));
    d.CKonfiguration->setCurrentIndex(0);
    d.CBWerbungOn->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("99"));
    d.CBWechsel->setChecked(true);
    d.TBWechsel->setValue(30000);
    Klicken(d.BtnOK);

    EXPECT_EQ(AktWettkampf->GrossanzWerbung.Index, 0);
    EXPECT_EQ(AktWettkampf->GrossanzWerbung.Werbung, 1);
    EXPECT_EQ(AktWettkampf->Geaendert, 1);
    EXPECT_TRUE(Einst.GrossanzWechsel);
    EXPECT_EQ(Einst.GrossanzIntervall, 80000);
    EXPECT_EQ(Einst.GrossanzIndex, 0);
    EXPECT_FALSE(Einst.GrossanzWerbung);
    EXPECT_EQ(Einst.GrossanzWerbezeit, 7);
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// A changed configuration not saved on OK: one made in this opening stays
// in the list, without entries; configuration 0 is current again.
TEST_F(Grossanz, OkOhneSpeichernBehaeltEineNeueKonfiguration)
{
    const QString bild = ordner.filePath(QStringLiteral("Ahorn.jpg"));
    dateiSchreiben(QStringLiteral("Ahorn.jpg"), {QStringLiteral("JPEG")});
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle"), QStringLiteral("Pause")});
    dateiSchreiben(QStringLiteral("Auswahl_Grossanz.dat"), {QStringLiteral("Datei;0;Ahorn;%1;1;0;0").arg(bild)});
    Werbeeditor& e = *zeigen().Editor;
    NeueKonfigurationNichtGespeichert(e, dialog->BtnOK);

    const QStringList namen{QStringLiteral("Halle"), QStringLiteral("Neu"), QStringLiteral("Pause")};
    EXPECT_EQ(TextdateiLesen(ordner.filePath(QStringLiteral("Grossanz.inf"))), namen);
    EXPECT_EQ(e.konfigurationen(), namen);
    EXPECT_EQ(e.konfigurationNr(), 0);
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("Grossanz1.dat"))));
}

TEST_F(Grossanz, KonfigurationAusserhalbDerListeBleibtOhneAuswahl)
{
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle")});
    Einst.GrossanzIndex = 4;
    Einst.GrossanzWerbung = true;
    TGrossanz& d = zeigen();
    EXPECT_EQ(d.CKonfiguration->currentIndex(), -1);
    Klicken(d.BtnOK);
    EXPECT_EQ(Einst.GrossanzIndex, 4);  // a list without a selection leaves the choice
}

TEST_F(Grossanz, OkMitWerbungStartetDieRotationBeiEintragNull)
{
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle")});
    dateiSchreiben(QStringLiteral("Grossanz0.dat"), {QStringLiteral("Bild;/x/bild.jpg;4;0;0")});
    spiele({1});
    TWerbeZustand& b = AktWettkampf->GrossanzWerbung;
    b.Position = 3;

    TGrossanz& d = zeigen();
    d.CBWerbungOn->setChecked(true);
    Klicken(d.BtnOK);

    EXPECT_EQ(b.Position, 0);
    ASSERT_TRUE(b.Liste);
    EXPECT_EQ(b.Liste->size(), 1);
    EXPECT_TRUE(grossanzsteuerung().TimerWerbung.laeuft());
}

TEST_F(Grossanz, WerbungAusWaehrendSieLaeuftZeigtDieErgebnisse)
{
    FlaechenAufnahme flaeche;
    WerbeflaecheEinsetzen guard(&flaeche);
    dateiSchreiben(QStringLiteral("Grossanz.inf"), {QStringLiteral("Halle")});
    spiele({1});
    TWerbeZustand& b = AktWettkampf->GrossanzWerbung;
    b.Werbung = 1;
    b.Zustand = 1;  // an advert is up
    grossanzsteuerung().TimerWerbung.setEnabled(true);

    TGrossanz& d = zeigen();
    EXPECT_TRUE(d.CBWerbungOn->isChecked());
    d.CBWerbungOn->setChecked(false);
    Klicken(d.BtnOK);

    EXPECT_EQ(b.Zustand, 0);
    EXPECT_EQ(flaeche.aufrufe, QStringList{QStringLiteral("ergebnisse")});
    EXPECT_FALSE(grossanzsteuerung().TimerWerbung.enabled());
}

TEST_F(Grossanz, DisplaydiensteLadenNurMitListe)
{
    spiele({1});
    AktWettkampf->GrossanzWerbung.Werbung = 1;
    Displaydienste dienste;
    dienste.grossanzWerbungLaden(*AktWettkampf);  // no configuration file
    EXPECT_FALSE(grossanzsteuerung().TimerWerbung.enabled());
    dateiSchreiben(QStringLiteral("Grossanz0.dat"), {QStringLiteral("Bild;/x/bild.jpg;4;0;0")});
    dienste.grossanzWerbungLaden(*AktWettkampf);
    EXPECT_TRUE(grossanzsteuerung().TimerWerbung.enabled());
}

// --- Text insert -----------------------------------------------------------------------------

TEST_F(Grossanz, TextBleibtDieAnzeigezeitUndBeginntNeuMitJedemAnzeigen)
{
    fenster.anzeigeOffen = true;
    TGrossanz& d = zeigen();
    Grossanzsteuerung& s = grossanzsteuerung();
    d.REFormular->setPlainText(QStringLiteral("Willkommen"));
    d.EAnzeigezeit->setText(QStringLiteral("5"));
    Klicken(d.BtnAnzeigen);
    EXPECT_EQ(text.aufrufe, QStringList{QStringLiteral("zeigen Willkommen")});
    EXPECT_TRUE(s.TimerText.laeuft());
    for (int i = 0; i < 3; ++i) s.textTakt();

    d.REFormular->setPlainText(QStringLiteral("Pause"));
    Klicken(d.BtnAnzeigen);
    for (int i = 0; i < 4; ++i) s.textTakt();
    EXPECT_EQ(text.aufrufe.size(), 2);
    EXPECT_TRUE(s.TimerText.laeuft());
    s.textTakt();
    EXPECT_EQ(text.aufrufe,
              (QStringList{QStringLiteral("zeigen Willkommen"), QStringLiteral("zeigen Pause"),
                           QStringLiteral("verbergen")}));
    EXPECT_FALSE(s.TimerText.laeuft());
}

TEST_F(Grossanz, TextMitZeitNullGehtBeimErstenTaktOhneTafelKommtErNicht)
{
    TGrossanz& d = zeigen();
    Klicken(d.BtnAnzeigen);  // no board open
    EXPECT_TRUE(text.aufrufe.isEmpty());
    EXPECT_FALSE(grossanzsteuerung().TimerText.laeuft());

    fenster.anzeigeOffen = true;
    d.EAnzeigezeit->clear();
    Klicken(d.BtnAnzeigen);
    grossanzsteuerung().textTakt();
    EXPECT_EQ(text.aufrufe.size(), 2);
    EXPECT_EQ(text.aufrufe.last(), QStringLiteral("verbergen"));
    EXPECT_FALSE(grossanzsteuerung().TimerText.laeuft());
}

TEST_F(Grossanz, SeitenHabenIhreNamenUndFeldbereiche)
{
    TGrossanz& d = zeigen();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Konfiguration der Großanzeige"));
    const std::pair<const char*, u16> seiten[] = {{"TabSteuerung", 320}, {"TabWerbung", 330}, {"TabText", 340}};
    for (const auto& [name, code] : seiten) {
        d.seiteZeigen(QLatin1String(name));
        EXPECT_EQ(d.PageControl->currentWidget()->objectName(), QLatin1String(name));
        EXPECT_EQ(FeldcodeMin, code);
        EXPECT_EQ(FeldcodeMax, code);
    }
    EXPECT_EQ(d.PageControl->tabText(0), QStringLiteral(" Steuerung "));
    EXPECT_EQ(d.PageControl->tabText(1), QStringLiteral(" Werbung"));
    EXPECT_EQ(d.PageControl->tabText(2), QStringLiteral(" Text"));
}

}  // namespace
