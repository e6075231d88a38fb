// The print options dialog, opened through the window hub for the layout of
// the report window, over a settings file in a program folder of its own.

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "report/Berichtzustand.h"
#include "report/ui/Druckoptionen.h"
#include "report/ui/Fensterregistrierung.h"
#include "core/Boxes.h"
#include "support/Cupsserver.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <tuple>

namespace {

class DruckoptionenFenster : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        berichtZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ReportFensterRegistrieren(hub);
    }
    void TearDown() override
    {
        berichtZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    bool oeffnen(int seite, const std::function<void(TDruckoptionen&)>& handeln)
    {
        return ImDialog<TDruckoptionen>(hub, [=] { return fenster().dialog(Dialog::Druckoptionen, seite); }, handeln);
    }

    QStringList datei() const { return TextdateiLesen(InfDatei).value_or(QStringList()); }

    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

auto Satz(const TFormularEinstellung& r)
{
    return std::tuple(r.SpFontName, r.SpFontSize, r.SpFontBold, r.SpFontItalic, r.SpFontColor, r.SpAusrichtung,
                      r.SpRandOben, r.SpRandUnten, r.SpRandLinks, r.SpRandRechts, r.StandardDrucker, r.StandardFax);
}

void Ersetzen(QLineEdit* e, const QString& text)
{
    e->selectAll();
    Tippen(e, text);
}

TEST_F(DruckoptionenFenster, EditsOfLayoutThreeReachRecordAndFileOnOk)
{
    berichtZustand.FormularIndex = 3;
    TFormularEinstellung& r = Einst.FormularEinstellungen[3];
    r.SpFontSize = 36;
    r.SpRandOben = 40;

    EXPECT_TRUE(oeffnen(SeiteText, [](TDruckoptionen& d) {
        EXPECT_EQ(d.TabCDruck->currentIndex(), int(SeiteText));
        EXPECT_EQ(std::tuple(d.CFontName->currentText(), d.EFontSize->text(), d.ERandOben->text()),
                  std::tuple(QStringLiteral("Arial"), QStringLiteral("12"), QStringLiteral("40")));
        EXPECT_TRUE(d.RBQuerformat->isChecked());  // a landscape form
        EXPECT_EQ(d.CBEinheit->currentText(), QStringLiteral("Pixel"));

        Ersetzen(d.EFontSize, QStringLiteral("14"));
        Klicken(d.SBtnFett);
        // The preview shows the working font.
        EXPECT_EQ(std::tuple(d.LSchrift->font().pointSize(), d.LSchrift->font().bold()), std::tuple(14, true));
        EXPECT_TRUE(d.SBtnFett->isChecked());

        d.TabCDruck->setCurrentIndex(SeiteFormular);
        Ersetzen(d.ERandOben, QStringLiteral("25"));
        d.RBHochformat->click();
        d.BtnOk->click();
    }));

    EXPECT_EQ(std::tuple(r.SpFontName, r.SpFontSize, r.SpFontBold, r.SpAusrichtung, r.SpRandOben, r.SpRandUnten),
              std::tuple(QStringLiteral("Arial"), u16(42), true, true, i32(25), i32(0)));
    const QStringList f = datei();
    for (const char* zeile : {"SpFontSize3 = 42", "SpFontBold3 = True", "SpAusrichtung3 = True", "SpRandOben3 = 25"})
        EXPECT_TRUE(f.contains(QLatin1String(zeile))) << zeile;
}

TEST_F(DruckoptionenFenster, CancelLeavesRecordAndFile)
{
    berichtZustand.FormularIndex = 5;
    Einst.FormularEinstellungen[5].SpFontBold = true;
    const auto vorher = Satz(Einst.FormularEinstellungen[5]);
    Einst.Kopien = 2;
    Einst.DrGrafik = false;

    EXPECT_FALSE(oeffnen(SeiteFormular, [](TDruckoptionen& d) {
        EXPECT_EQ(std::tuple(d.TabCDruck->currentIndex(), d.CKopien->currentIndex()),
                  std::tuple(int(SeiteFormular), 1));
        d.BtnStandard->click();
        Ersetzen(d.ERandLinks, QStringLiteral("99"));
        d.RBQuerformat->click();
        d.CBDrGrafik->setChecked(true);
        d.BtnAbbrechen->click();
    }));

    EXPECT_EQ(Satz(Einst.FormularEinstellungen[5]), vorher);
    EXPECT_EQ(std::tuple(Einst.DrGrafik, Einst.Kopien), std::tuple(false, u8(2)));
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// A report project has only the printer page; OK keeps the switches and
// writes no key.
TEST_F(DruckoptionenFenster, ProjectIndexOffersOnlyThePrinterPage)
{
    berichtZustand.FormularIndex = 23;
    Einst.DrGrafik = false;
    const auto vorher = Satz(Einst.FormularEinstellungen[19]);

    EXPECT_TRUE(oeffnen(SeiteText, [](TDruckoptionen& d) {
        EXPECT_FALSE(d.TabCDruck->isTabEnabled(SeiteText));
        EXPECT_FALSE(d.TabCDruck->isTabEnabled(SeiteFormular));
        EXPECT_TRUE(d.TabCDruck->isTabEnabled(SeiteDrucker));
        EXPECT_EQ(d.TabCDruck->currentIndex(), int(SeiteDrucker));
        EXPECT_EQ(d.CBDrBahndrucker->text(), QStringLiteral("    Spielberichtsdruck am Bahndrucker"));
        d.CBDrGrafik->setChecked(true);
        d.CKopien->setCurrentIndex(2);
        d.BtnOk->click();
    }));

    EXPECT_EQ(std::tuple(Einst.DrGrafik, Einst.Kopien), std::tuple(true, u8(3)));
    EXPECT_EQ(Satz(Einst.FormularEinstellungen[19]), vorher);
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// On a real print system: the printers are preselected by the names kept
// beside their positions, so removing a queue before them moves nothing; OK
// keeps the new positions with the names. A kept printer that is gone is
// told and the default printer preselected.
TEST_F(DruckoptionenFenster, ThePrintersArePreselectedByTheirKeptNames)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups({"standard", "alpha", "beta", "gamma"});
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    berichtZustand.FormularIndex = 3;
    TFormularEinstellung& r = Einst.FormularEinstellungen[3];
    r.StandardDrucker = 1, r.StandardDruckerName = QStringLiteral("beta");
    r.StandardFax = 2, r.StandardFaxName = QStringLiteral("gamma");
    ASSERT_TRUE(cups.befehl(QStringLiteral("lpadmin"), {"-x", "alpha"})) << cups.fehler.toStdString();

    EXPECT_TRUE(oeffnen(SeiteDrucker, [](TDruckoptionen& d) {
        EXPECT_EQ(std::tuple(d.CDrucker->currentText(), d.CFax->currentText()),
                  std::tuple(QStringLiteral("beta"), QStringLiteral("gamma")));
        d.BtnOk->click();
    }));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();
    EXPECT_EQ(std::tuple(r.StandardDrucker, r.StandardDruckerName, r.StandardFax, r.StandardFaxName),
              std::tuple(i32(0), QStringLiteral("beta"), i32(1), QStringLiteral("gamma")));
    for (const char* zeile : {"StandardDrucker3 = 0", "StandardDruckerName3 = beta", "StandardFaxName3 = gamma"})
        EXPECT_TRUE(datei().contains(QLatin1String(zeile))) << zeile;

    ASSERT_TRUE(cups.befehl(QStringLiteral("lpadmin"), {"-x", "beta"})) << cups.fehler.toStdString();
    EXPECT_FALSE(oeffnen(SeiteDrucker, [](TDruckoptionen& d) {
        EXPECT_EQ(std::tuple(d.CDrucker->currentText(), d.CFax->currentText()),
                  std::tuple(QStringLiteral("standard"), QStringLiteral("gamma")));
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({"Der Drucker „beta“ ist nicht mehr eingerichtet: der "
                                                  "Standarddrucker „standard“ ist vorgewählt."}));
}

// OK keeps the printers chosen in the dialog with their names.
TEST_F(DruckoptionenFenster, OkKeepsTheChosenPrintersWithTheirNames)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups({"standard", "alpha", "beta"});
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    berichtZustand.FormularIndex = 3;
    TFormularEinstellung& r = Einst.FormularEinstellungen[3];
    r.StandardDrucker = 0, r.StandardDruckerName = QStringLiteral("alpha");
    r.StandardFax = 0, r.StandardFaxName = QStringLiteral("alpha");
    EXPECT_TRUE(oeffnen(SeiteDrucker, [](TDruckoptionen& d) {
        d.CDrucker->setCurrentIndex(d.CDrucker->findText(QStringLiteral("beta")));
        d.CFax->setCurrentIndex(d.CFax->findText(QStringLiteral("standard")));
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(r.StandardDruckerName, r.StandardFaxName),
              std::tuple(QStringLiteral("beta"), QStringLiteral("standard")));
}

}  // namespace
