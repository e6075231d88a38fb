// The report's way out without its windows: the way a print takes, the text
// sheet on the lane printer, the port test and the mail with its picture.

#include "report/Berichtausgabe.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/flow/Wettkampfslots.h"
#include "match/print/Druckwarteschlange.h"
#include "report/Unterschriften.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"

#include <QImageReader>
#include <tuple>

namespace {

TEST(Berichtsweg, ByTextSwitchLayoutPrinterAndCopies)
{
    using enum Berichtsweg;
    for (auto [index, textblatt, weg] : {std::tuple(0, false, Formular), {8, false, Formular}, {9, false, Leer},
                                         {19, false, Leer}, {20, false, Projekt}, {3, true, Textblatt}})
        EXPECT_EQ(BerichtswegWaehlen(index, textblatt), weg) << index;
    for (auto [standard, anzahl, wahl] : {std::tuple(2, 3, 2), {3, 3, -1}, {-1, 3, -1}, {0, 0, -1}})
        EXPECT_EQ(DruckerWahl(standard, anzahl), wahl) << standard;
    EXPECT_EQ(std::tuple(BerichtKopien(0), BerichtKopien(4)), std::tuple(1, 4));
    EXPECT_EQ(std::tuple(DeckblattAuswahl(-1), DeckblattAuswahl(2)), std::tuple(0, 2));
}

// The kept name wins over the position: a queue removed before it moves the
// chosen printer up; a file without names chooses by the position as before.
TEST(Berichtsweg, APrinterSettingChoosesByTheKeptName)
{
    const QStringList vorher = {"alpha", "beta", "gamma"};
    const QStringList ohneAlpha = {"beta", "gamma"};
    const struct {
        i32 standard;
        const char* name;
        QStringList namen;
        Druckerauswahl wahl;
    } faelle[] = {
        {1, "beta", vorher, {1, false}},
        {1, "beta", ohneAlpha, {0, false}},
        {1, "beta", {"gamma"}, {-1, true}},
        {0, "beta", {"aaa", "alpha", "beta"}, {2, false}},
        {1, "", ohneAlpha, {1, false}},
        {2, "", ohneAlpha, {-1, false}},
        {-1, "", vorher, {-1, false}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DruckerSuchen(f.standard, QString::fromLatin1(f.name), f.namen), f.wahl)
            << f.standard << " " << f.name << " " << f.namen.join(',').toStdString();
    EXPECT_EQ(DruckerFehltText(QStringLiteral("beta"), QStringLiteral("gamma")),
              QStringLiteral("Der Drucker „beta“ ist nicht mehr eingerichtet: der Standarddrucker „gamma“ ist "
                             "vorgewählt."));
    EXPECT_EQ(DruckerFehltText(QStringLiteral("beta"), QString()),
              QStringLiteral("Der Drucker „beta“ ist nicht mehr eingerichtet: bitte einen anderen Drucker wählen."));
}

class Berichtausgabe : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        EinstellungenVorbelegen();
        ASSERT_TRUE(WettkampfAnlegen());
        w = AktWettkampf;
        w->ErsteBahn = w->ErsteSpielbahn = 3;
        w->LetzteBahn = w->LetzteSpielbahn = 4;
    }

    TWettkampfDaten* w = nullptr;
};

// A fax printed into a file puts its cover page into a file of its own.
TEST(Berichtsweg, CoverPageFileBesideTheFaxFile)
{
    EXPECT_EQ(DeckblattAusgabedatei(QStringLiteral("/tmp/fax/Fax.pdf")), QStringLiteral("/tmp/fax/Fax-Deckblatt.pdf"));
    EXPECT_EQ(DeckblattAusgabedatei(QStringLiteral("/tmp/fax/bericht.2026.pdf")),
              QStringLiteral("/tmp/fax/bericht.2026-Deckblatt.pdf"));
    EXPECT_EQ(DeckblattAusgabedatei(QStringLiteral("/tmp/fax/Fax")), QStringLiteral("/tmp/fax/Fax-Deckblatt"));
}

TEST_F(Berichtausgabe, TextSheetWaitsForTheLanesAndNeedsAPrinter)
{
    TZentralDrucker& d = Einst.Drucker[1];
    d.Schnittstelle = 1, d.DrBahnVon = 5, d.DrBahnBis = 8;  // not lane 3
    w->BahnImSpiel[4] = 1;
    EXPECT_EQ(TextblattDrucken(*w), Textblattergebnis::BahnenImSpiel);
    w->BahnImSpiel[4] = 0;
    EXPECT_EQ(TextblattDrucken(*w), Textblattergebnis::KeinDrucker);
    EXPECT_EQ(std::tuple(DruckerportBelegt, DruckerAusstehend(1)), std::tuple(0, 0));

    d.DrBahnVon = 1;
    EXPECT_EQ(TextblattDrucken(*w), Textblattergebnis::Gedruckt);
    EXPECT_EQ(std::tuple(DruckerportBelegt, DruckerBeschaeftigt[1], DruckerZuordnung[3]), std::tuple(1, 1, 1));
    EXPECT_GT(DruckerAusstehend(1), 100);  // the reset and the whole sheet
}

// The graphic print refuses the port while the report has it or the printer
// of the match's first lane is taken.
TEST_F(Berichtausgabe, PortTakenByTheReportOrTheFirstLanesPrinter)
{
    DruckerZuordnung[3] = 2;
    EXPECT_FALSE(DruckerportBesetzt(*w));
    DruckerBeschaeftigt[2] = 1;
    EXPECT_TRUE(DruckerportBesetzt(*w));
    DruckerZuordnung[3] = 9;  // no such printer
    EXPECT_FALSE(DruckerportBesetzt(*w));
    DruckerportBelegt = 1;
    EXPECT_TRUE(DruckerportBesetzt(*w));
    w->ErsteSpielbahn = 0, w->ErsteBahn = 17;
    EXPECT_EQ(BerichtErsteBahn(*w), 0);
}

TEST_F(Berichtausgabe, MailUserOnlyWhenSwitchedOnAndAnEmptyLineAfterTheCover)
{
    Einst.EmailKennung = QStringLiteral("kegler");
    Mailauftrag m = MailauftragErstellen(*w, {QStringLiteral("Guten Tag,")}, {});
    EXPECT_EQ(std::tuple(m.kennung, m.text), std::tuple(QString(), QStringList({"Guten Tag,", ""})));
    Einst.EmailKennungEin = true;
    m = MailauftragErstellen(*w, {}, {});
    EXPECT_EQ(std::tuple(m.kennung, m.text), std::tuple(QStringLiteral("kegler"), QStringList({""})));
}

// Drawn afresh and signed; a layout without a form keeps the last file.
TEST_F(Berichtausgabe, AttachmentIsTheSignedReport)
{
    Unterschriften u;
    u.heim = LeereUnterschrift();
    u.heim.fill(Qt::black);
    UnterschriftenSetzen(*w, u);
    const QString pfad = MailanhangPfad();
    QString grund;
    ASSERT_TRUE(MailanhangSpeichern(*w, 0, pfad, &grund)) << grund.toStdString();
    const QImage bild = QImageReader(pfad, "bmp").read();
    EXPECT_EQ(bild.size(), QSize(2430, 1628));
    EXPECT_EQ(bild.pixel(UnterschriftFelder(0)->at(0).center()), qRgb(0, 0, 0));

    EXPECT_FALSE(MailanhangSpeichern(*w, 12, pfad, &grund));
    EXPECT_EQ(grund, QStringLiteral("Formular 12 ist nicht belegt: es enthält keinen Spielbericht !"));
    EXPECT_EQ(QImageReader(pfad).size(), QSize(2430, 1628));
}

}  // namespace
