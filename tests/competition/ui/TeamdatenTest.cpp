// The team-data and officials dialogs, opened on a match through the hub.
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Mannschaftsdaten.h"
#include "competition/ui/Spielleitung.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Keyb.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Touchtippen.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <ostream>
#include <tuple>

namespace {

class Teamdaten : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        m_daten = Datenverzeichnis;
        m_inf = InfDatei;
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        spielleitungZustand.zuruecksetzen();
        CompetitionFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Geaendert = 0;
    }
    void TearDown() override
    {
        Datenverzeichnis = m_daten;
        InfDatei = m_inf;
        spielleitungZustand.zuruecksetzen();
        Grundlage::TearDown();
    }

    template <typename T>
    bool oeffnen(Dialog d, int seite, const std::function<void(T&)>& handeln)
    {
        return ImDialog<T>(hub, [=] { return ::fenster().dialog(d, seite); }, handeln);
    }

    QTemporaryDir ordner;
    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_daten, m_inf;
};

TEST_F(Teamdaten, GuestDataOkStoresValuesAndNames)
{
    Einst.FormularFeldNamen[6] = QStringLiteral("Schiedsgericht");
    AktWettkampf->FormularText[6] = QStringLiteral("alt");
    AktWettkampf->Gast.VorSaP = 3;
    // A position dialog that names the new field.
    int feldNr = 0;
    hub.registrieren(Dialog::Position, [&](QWidget* eltern) {
        auto* d = new QDialog(eltern);
        QTimer::singleShot(0, d, [d, &feldNr] {
            feldNr = PositionFeldNr;
            PositionFeldName = QStringLiteral("Bahnrichter");
            d->accept();
        });
        return d;
    });

    EXPECT_TRUE(oeffnen<TMannschaftsdaten>(Dialog::Mannschaftsdaten, 2, [&](TMannschaftsdaten& d) {
        EXPECT_EQ(d.EFeld1->text(), QStringLiteral("alt"));
        d.BtnNeu->click();
        // The guest's second field is placed on the report apart from the home one.
        EXPECT_EQ(feldNr, 7);
        EXPECT_TRUE(d.EFeld2->isVisible());
        d.EFeld2->setText(QStringLiteral("Herr Roth"));
        d.EVorErgebnis->setText(QStringLiteral("4711"));
        d.EVorTaP->setText(QStringLiteral("2"));
        d.BtnOk->click();
    }));
    const TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(std::tuple(w.Gast.VorTotal.text(), w.Gast.VorSaP, w.Gast.VorTaP, w.FormularText[7]),
              std::tuple(QStringLiteral("4711"), 3.0f, 2, QStringLiteral("Herr Roth")));
    EXPECT_TRUE(InfListe.contains(QStringLiteral("FormularFeldName7 = Bahnrichter")));
}

// Table points of the first leg as a saved match holds them (a sign, two
// digits) survive an OK without edits; typed ones take their sign.
TEST_F(Teamdaten, FirstLegTablePointsKeepSignAndTwoDigits)
{
    const struct {
        int seite;
        i32 geladen;
        const char* getippt;  // nullptr: nothing typed
        i32 danach;
    } faelle[] = {{2, -2, nullptr, -2}, {1, 12, nullptr, 12}, {2, -12, nullptr, -12}, {1, 0, "-5", -5}, {2, 3, "+14", 14}};
    for (const auto& f : faelle) {
        i32& tap = f.seite == 1 ? AktWettkampf->Heim.VorTaP : AktWettkampf->Gast.VorTaP;
        tap = f.geladen;
        EXPECT_TRUE(oeffnen<TMannschaftsdaten>(Dialog::Mannschaftsdaten, f.seite, [&](TMannschaftsdaten& d) {
            if (f.getippt) {
                d.EVorTaP->selectAll();
                Tippen(d.EVorTaP, QString::fromLatin1(f.getippt));
            }
            d.BtnOk->click();
        }));
        EXPECT_EQ(tap, f.danach) << f.geladen;
    }
}

TEST_F(Teamdaten, HomeDataCancelChangesNothing)
{
    Einst.FormularFeldNamen[1] = QStringLiteral("Schiedsgericht");
    EXPECT_FALSE(oeffnen<TMannschaftsdaten>(Dialog::Mannschaftsdaten, 1, [](TMannschaftsdaten& d) {
        d.BtnLoeschen->click();
        EXPECT_FALSE(d.EFeld1->isVisible());
        d.EVorErgebnis->setText(QStringLiteral("1"));
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(Einst.FormularFeldNamen[1], QStringLiteral("Schiedsgericht"));
    EXPECT_TRUE(AktWettkampf->Heim.VorTotal.leer() && InfListe.isEmpty() && AktWettkampf->Geaendert == 0);
}

TEST_F(Teamdaten, OfficialShownByRefereeAndTakenOverOnOk)
{
    QFile f(ordner.filePath(QStringLiteral("Spielleiter.inf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Anna Berg;Am Hang 3;50667;K\xF6ln;0221 1\r\nKarl Meier;Weg 2\r\n");
    f.close();
    AktWettkampf->Schiedsrichter = "Meier";

    EXPECT_TRUE(oeffnen<TSpielleitung>(Dialog::Spielleitung, 0, [](TSpielleitung& d) {
        EXPECT_EQ(d.EName->text(), QStringLiteral("Karl Meier"));
        EXPECT_FALSE(d.BtnVor->isEnabled());
        d.BtnZurueck->click();
        EXPECT_FALSE(d.BtnZurueck->isEnabled());
        d.ETel->setText(QStringLiteral("0221 99"));
        d.BtnOk->click();
    }));
    const TSpielleiter& s = AktWettkampf->Spielleiter;
    EXPECT_EQ(std::tuple(s.Name.text(), s.Anschrift.text(), s.Plz.text(), s.Ort.text(), s.Tel.text(), AktWettkampf->Geaendert),
              std::tuple(QStringLiteral("Anna Berg"), QStringLiteral("Am Hang 3"), QStringLiteral("50667"),
                         QStringLiteral("Köln"), QStringLiteral("0221 99"), 1));
}

// A ";" typed into an official's field cannot split the list line: it
// shows as "," at once, and the saved list reads back field by field.
TEST_F(Teamdaten, SemicolonsTypedIntoAnOfficialBecomeCommas)
{
    EXPECT_TRUE(oeffnen<TSpielleitung>(Dialog::Spielleitung, 0, [](TSpielleitung& d) {
        Tippen(d.EName, QStringLiteral("Meier; Karl"));
        Tippen(d.EOrt, QStringLiteral("Bonn;"));
        Tippen(d.ETel, QStringLiteral("0228 1"));
        EXPECT_EQ(std::tuple(d.EName->text(), d.EOrt->text()), std::tuple(QStringLiteral("Meier, Karl"), QStringLiteral("Bonn,")));
        d.BtnSpeichern->click();
        d.BtnOk->click();
    }));
    QFile f(ordner.filePath(QStringLiteral("Spielleiter.inf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Meier, Karl;;;Bonn,;0228 1\r\n"));
    EXPECT_EQ(AktWettkampf->Spielleiter.Tel.text(), QStringLiteral("0228 1"));
}

// With touch input every field but the association opens the keyboard; fax
// and e-mail share the telephone's code, the number the name's, and what is
// typed lands in the field tapped.
TEST_F(Teamdaten, TouchKeyboardReachesEveryOfficialsField)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    EXPECT_TRUE(oeffnen<TSpielleitung>(Dialog::Spielleitung, 0, [](TSpielleitung& d) {
        const std::tuple<QLineEdit*, u16, const char*, u8> felder[] = {
            {d.ETel, 88, "Telefon:", '1'}, {d.EFax, 88, "Fax:", '2'},    {d.EEmail, 88, "E-Mail:", '3'},
            {d.EName, 84, "Name:", '4'},   {d.ENummer, 84, "Nummer:", '5'}, {d.EOrt, 87, "Ort:", '6'}};
        for (const auto& [feld, code, prompt, ziffer] : felder)
            EXPECT_EQ(ZifferAntippen(feld, char(ziffer)), std::pair(code, QString::fromUtf8(prompt)));
        for (const auto& [feld, code, prompt, ziffer] : felder)
            EXPECT_EQ(feld->text(), QString(QLatin1Char(char(ziffer)))) << prompt;
        EXPECT_EQ(FeldcodeMin, 84);
        EXPECT_EQ(FeldcodeMax, 88);
        d.BtnOk->click();
    }));
    EXPECT_EQ(AktWettkampf->Spielleiter.Tel.text(), QStringLiteral("1"));
    EXPECT_EQ(AktWettkampf->Spielleiter.Name.text(), QStringLiteral("4"));
    tastaturZustand.zuruecksetzen();
}

// The settings keep a form field's name behind "=" and blanks: a name that
// begins with either would read back without them and is refused.
TEST_F(Teamdaten, FieldNamesTheSettingsCannotKeepAreRefused)
{
    Einst.FormularFeldNamen[1] = QStringLiteral("Halle");
    QString name;
    hub.registrieren(Dialog::Position, [&](QWidget* eltern) {
        auto* d = new QDialog(eltern);
        QTimer::singleShot(0, d, [d, &name] {
            PositionFeldName = name;
            d->accept();
        });
        return d;
    });
    EXPECT_TRUE(oeffnen<TMannschaftsdaten>(Dialog::Mannschaftsdaten, 1, [&](TMannschaftsdaten& d) {
        name = QStringLiteral(" Zuschauer");
        d.BtnNeu->click();
        EXPECT_FALSE(d.EFeld2->isVisible());
        name = QStringLiteral("=Halle");
        d.BtnUmbenennen->click();
        EXPECT_EQ(d.LFeld1->text(), QStringLiteral("Halle:"));
        name = QStringLiteral("Halle = Ost");  // inside the name both are kept
        d.BtnUmbenennen->click();
        d.BtnOk->click();
    }));
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList({QStringLiteral("Der Feldname „ Zuschauer“ darf nicht mit einem Leerzeichen oder „=“ beginnen."),
                           QStringLiteral("Der Feldname „=Halle“ darf nicht mit einem Leerzeichen oder „=“ beginnen.")}));
    EXPECT_EQ(std::tuple(Einst.FormularFeldNamen[1], Einst.FormularFeldNamen[2]), std::tuple(QStringLiteral("Halle = Ost"), QString()));
}

TEST_F(Teamdaten, EmptyOfficialsListCancelChangesNothing)
{
    EXPECT_FALSE(oeffnen<TSpielleitung>(Dialog::Spielleitung, 0, [](TSpielleitung& d) {
        EXPECT_FALSE(d.BtnLoeschen->isEnabled());
        d.BtnNeu->click();  // without a name nothing happens
        EXPECT_FALSE(d.BtnLoeschen->isEnabled());
        d.EName->setText(QStringLiteral("Neu"));
        d.activateWindow();
        ASSERT_TRUE(warten([&] { return QGuiApplication::focusWindow() == d.windowHandle(); }));
        QKeyEvent altN(QEvent::KeyPress, Qt::Key_N, Qt::AltModifier);  // not spontaneous: the shortcuts come first
        QApplication::sendEvent(&d, &altN);
        EXPECT_TRUE(warten([&] { return d.BtnLoeschen->isEnabled(); }));  // "&Neu" took the name into a line
        d.BtnAbbrechen->click();
    }));
    EXPECT_TRUE(AktWettkampf->Spielleiter.Name.leer() && AktWettkampf->Geaendert == 0);
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("Spielleiter.inf"))));
}

}  // namespace
