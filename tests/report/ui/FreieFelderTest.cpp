// A free form field from end to end: named and placed through the team-data
// dialog and its position dialog, filled in, saved, read back at the next
// start and drawn on the report where it was placed.
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Mannschaftsdaten.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/Berichtzustand.h"
#include "report/formulare/Formular.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/Positionsdialog.h"
#include "support/Aufzeichnungsleinwand.h"
#include "support/Dateien.h"
#include "support/ImDialog.h"
#include "support/Programmordner.h"
#include "support/Tippen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

namespace {

class FreieFelder : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        m_programm = Programmverzeichnis;
        m_daten = Datenverzeichnis;
        m_inf = InfDatei;
        Programmverzeichnis = ordner.path();
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        positionenZustand.zuruecksetzen();
        berichtZustand.zuruecksetzen();
        CompetitionFensterRegistrieren(hub);
        ReportFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Formular = 4;
    }
    void TearDown() override
    {
        Programmverzeichnis = m_programm;
        Datenverzeichnis = m_daten;
        InfDatei = m_inf;
        positionenZustand.zuruecksetzen();
        berichtZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_programm, m_daten, m_inf;
};

TEST_F(FreieFelder, GuestFieldPlacedInTheDialogsIsDrawnWherePlaced)
{
    const bool ok = ImDialog<TMannschaftsdaten>(
        hub, [] { return fenster().dialog(Dialog::Mannschaftsdaten, 2); },
        [this](TMannschaftsdaten& d) {
            ImDialog<TPositionsdialog>(
                hub,
                [&d] {
                    d.BtnNeu->click();
                    return true;
                },
                [](TPositionsdialog& p) {
                    EXPECT_TRUE(p.EName->isEnabled());
                    EXPECT_EQ(p.CFormular->currentIndex(), 4);  // the match's layout
                    Tippen(p.EName, QStringLiteral("Betreuer Gast"));
                    Tippen(p.ETop, QStringLiteral("1200"));
                    Tippen(p.ELeft, QStringLiteral("1900"));
                    Tippen(p.EWidth, QStringLiteral("450"));
                    p.BtnOk->click();
                });
            Tippen(d.EFeld1, QStringLiteral("Herr Roth"));
            d.BtnOk->click();
        });
    ASSERT_TRUE(ok);

    // The guest's first field is field 6, apart from the home side's field 1.
    EXPECT_EQ(AktWettkampf->FormularText[6], QStringLiteral("Herr Roth"));
    EXPECT_EQ(Einst.FormularFeldNamen[6], QStringLiteral("Betreuer Gast"));
    EXPECT_EQ(DateiInhalt(ordner.filePath(QStringLiteral("Position.inf"))),
              QByteArray("[Mannschaftsdaten]\r\nBetreuer_Gast(6.4) = 1200,1900,450\r\n"));

    // The next start reads the place back.
    EinstellungenLaden(ordner.path());
    const TFeldPosition& p = FeldPositionen[6][4];
    EXPECT_EQ(std::tuple(p.Gesetzt, p.A, p.B, p.C), std::tuple(1, 1200, 1900, 450));
    EXPECT_EQ(FeldPositionen[1][4].Gesetzt, 0);

    // Layout 4 in its default font (30 points, 40 pixels) writes it standing
    // on its top line, cut at its width.
    Aufzeichnungsleinwand l;
    FormularTexteZeichnen(l, *AktWettkampf, FormularkontextLesen(4));
    const Zeichnung* z = l.finde(QStringLiteral("Herr Roth"));
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(std::tuple(z->art, z->x, z->y, z->rahmen),
              std::tuple(Zeichnung::Geklippt, 1900, 1160, QRect(QPoint(1900, 1160), QPoint(2350, 1210))));
}

}  // namespace
