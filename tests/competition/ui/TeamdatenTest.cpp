// The team-data and officials dialogs, opened on a match through the hub.
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Mannschaftsdaten.h"
#include "competition/ui/Spielleitung.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "match/Wettkampfslots.h"
#include "support/Grundlage.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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

    // Opens the dialog and runs `handeln` inside it; a dialog still open
    // afterwards is cancelled.
    template <typename T>
    bool oeffnen(Dialog d, int seite, const std::function<void(T&)>& handeln)
    {
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* dlg = qobject_cast<T*>(hub.AktDialog.data());
            if (!dlg) return;
            gesehen = true;
            handeln(*dlg);
            if (dlg->isVisible()) dlg->reject();
        });
        const bool ok = ::fenster().dialog(d, seite);
        EXPECT_TRUE(gesehen);
        return ok;
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
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Gastmannschaft"));
        EXPECT_EQ(d.LFeld1->text(), QStringLiteral("Schiedsgericht"));
        EXPECT_TRUE(d.EFeld1->isVisible());
        EXPECT_FALSE(d.EFeld2->isVisible());
        EXPECT_EQ(d.EFeld1->text(), QStringLiteral("alt"));
        EXPECT_EQ(d.EVorSaP->text(), QStringLiteral("3"));
        d.BtnNeu->click();
        EXPECT_EQ(feldNr, 2);
        EXPECT_EQ(d.LFeld2->text(), QStringLiteral("Bahnrichter"));
        EXPECT_TRUE(d.EFeld2->isVisible());
        d.EFeld2->setText(QStringLiteral("Herr Roth"));
        d.EVorErgebnis->setText(QStringLiteral("4711"));
        d.EVorTaP->setText(QStringLiteral("2"));
        d.BtnOk->click();
    }));
    const TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(w.Gast.VorTotal.text(), QStringLiteral("4711"));
    EXPECT_EQ(w.Gast.VorSaP, 3.0f);
    EXPECT_EQ(w.Gast.VorTaP, 2);
    EXPECT_EQ(w.FormularText[7], QStringLiteral("Herr Roth"));
    EXPECT_EQ(Einst.FormularFeldNamen[7], QStringLiteral("Bahnrichter"));
    EXPECT_TRUE(InfListe.contains(QStringLiteral("FormularFeldName7 = Bahnrichter")));
}

TEST_F(Teamdaten, HomeDataCancelChangesNothing)
{
    Einst.FormularFeldNamen[1] = QStringLiteral("Schiedsgericht");
    EXPECT_FALSE(oeffnen<TMannschaftsdaten>(Dialog::Mannschaftsdaten, 1, [](TMannschaftsdaten& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Heimmannschaft"));
        EXPECT_EQ(d.LFeld1->text(), QStringLiteral("Schiedsgericht:"));
        d.BtnLoeschen->click();
        EXPECT_FALSE(d.BtnLoeschen->isEnabled());
        d.EVorErgebnis->setText(QStringLiteral("1"));
        d.BtnNeu->click();  // no position dialog: cancelled
        EXPECT_FALSE(d.EFeld1->isVisible());
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(Einst.FormularFeldNamen[1], QStringLiteral("Schiedsgericht"));
    EXPECT_TRUE(AktWettkampf->Heim.VorTotal.leer());
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_EQ(AktWettkampf->Geaendert, 0);
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
        EXPECT_EQ(d.EAnschrift->text(), QStringLiteral("Weg 2"));
        EXPECT_EQ(d.EPlz->text(), QString());
        EXPECT_FALSE(d.BtnVor->isEnabled());
        EXPECT_TRUE(d.BtnZurueck->isEnabled());
        d.BtnZurueck->click();
        EXPECT_EQ(d.EOrt->text(), QStringLiteral("Köln"));
        EXPECT_FALSE(d.BtnZurueck->isEnabled());
        d.ETel->setText(QStringLiteral("0221 99"));
        d.BtnOk->click();
    }));
    const TSpielleiter& s = AktWettkampf->Spielleiter;
    EXPECT_EQ(s.Name.text(), QStringLiteral("Anna Berg"));
    EXPECT_EQ(s.Anschrift.text(), QStringLiteral("Am Hang 3"));
    EXPECT_EQ(s.Plz.text(), QStringLiteral("50667"));
    EXPECT_EQ(s.Ort.text(), QStringLiteral("Köln"));
    EXPECT_EQ(s.Tel.text(), QStringLiteral("0221 99"));
    EXPECT_EQ(AktWettkampf->Geaendert, 1);
}

TEST_F(Teamdaten, EmptyOfficialsListCancelChangesNothing)
{
    EXPECT_FALSE(oeffnen<TSpielleitung>(Dialog::Spielleitung, 0, [](TSpielleitung& d) {
        EXPECT_FALSE(d.BtnLoeschen->isEnabled());
        EXPECT_FALSE(d.BtnVor->isEnabled());
        d.BtnNeu->click();  // without a name nothing happens
        EXPECT_FALSE(d.BtnLoeschen->isEnabled());
        d.EName->setText(QStringLiteral("Neu"));
        d.BtnAbbrechen->click();
    }));
    EXPECT_TRUE(AktWettkampf->Spielleiter.Name.leer());
    EXPECT_EQ(AktWettkampf->Geaendert, 0);
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("Spielleiter.inf"))));
}

}  // namespace
