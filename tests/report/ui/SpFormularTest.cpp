// The report window, opened through the window hub: the drawn report of the
// current match in its preview, zoom, click-zoom and drag, the layout choice,
// the signatures and the dialogs its buttons open.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/Berichtzustand.h"
#include "report/Druckoptionen.h"
#include "report/formulare/Formular.h"
#include "report/Unterschriften.h"
#include "report/ui/Berichtausgabe.h"
#include "report/ui/Fensterregistrierung.h"
#include "platform/bericht/ui/Berichtsvorschau.h"
#include "report/ui/SpFormular.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Programmordner.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>
#include <tuple>
#include <vector>

namespace {

class SpFormularFenster : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        berichtZustand.zuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ReportFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("KSC Grün-Weiß"));
        AktWettkampf->Gastmannschaft.setzenText(QStringLiteral("SV Eintracht"));
        AktWettkampf->Schiedsrichter.setzenText(QStringLiteral("Maier"));
        FormularNamen = {"A5", "Bund", "Classic", "Verband 1"};
    }
    void TearDown() override
    {
        berichtZustand.zuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    bool oeffnen(const std::function<void(TSpFormular&)>& handeln)
    {
        return ImDialog<TSpFormular>(hub, [] { return fenster().dialog(Dialog::Spielberichtformular); }, handeln);
    }

    // A dialog of the hub that runs `handeln` once shown and ends with `ok`.
    static QDialog* Attrappe(QWidget* eltern, bool ok, std::function<void()> handeln = {})
    {
        auto* d = new QDialog(eltern);
        QTimer::singleShot(0, d, [d, ok, handeln] {
            if (handeln) handeln();
            d->done(ok ? QDialog::Accepted : QDialog::Rejected);
        });
        return d;
    }

    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

QImage Vorschau(const TSpFormular& d) { return d.ImageAnsicht->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }

// The report of the current match on the layout as the preview shows it at that size.
QImage Erwartet(int index, QSize groesse)
{
    return BerichtZeichnen(*AktWettkampf, index)
        .bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Weiss(QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

QPoint Bildlauf(const TSpFormular& d)
{
    return {d.PAnsicht->horizontalScrollBar()->value(), d.PAnsicht->verticalScrollBar()->value()};
}

void Maus(QWidget* w, QEvent::Type art, QPoint p, Qt::MouseButton knopf = Qt::LeftButton)
{
    QMouseEvent e(art, QPointF(p), w->mapToGlobal(QPointF(p)), art == QEvent::MouseMove ? Qt::NoButton : knopf,
                  art == QEvent::MouseButtonRelease ? Qt::NoButton : knopf, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(SpFormularFenster, PreviewIsTheDrawnReportOfTheChosenLayoutAndAChangeRedraws)
{
    Einst.FormularNummer = 3;
    EXPECT_TRUE(oeffnen([](TSpFormular& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Formular"));
        EXPECT_EQ(std::tuple(d.CFormular->count(), d.CFormular->currentIndex(), d.CFormular->currentText(),
                             d.CFormular->itemText(19)),
                  std::tuple(20, 3, QStringLiteral("Verband 1"), QStringLiteral("Formular 19")));
        EXPECT_EQ(d.SAnsicht->currentWidget(), d.PAnsicht);
        EXPECT_FALSE(d.LLView->isVisible());
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 420));
        EXPECT_EQ(Vorschau(d), Erwartet(3, {600, 420}));
        EXPECT_EQ(std::tuple(d.BtnKlein->isEnabled(), d.BtnGross->isEnabled(), d.BtnSeiteZurueck->isEnabled(),
                             d.BtnSeiteVor->isEnabled()),
                  std::tuple(false, true, false, false));
        EXPECT_EQ(d.PopupColorGround->text(), QStringLiteral("Hintergrund..."));
        EXPECT_EQ(d.focusWidget(), d.BtnZurueck);

        // The portrait layout: 600 x 840.
        d.CFormular->setCurrentIndex(7);
        emit d.CFormular->activated(7);
        EXPECT_EQ(Einst.FormularNummer, 7);
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 840));
        EXPECT_EQ(Vorschau(d), Erwartet(7, {600, 840}));
        d.BtnZurueck->click();
    }));
    // The choice is not saved.
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// Layout 0 (2430 x 1628): in 1200, 2400, then its full size, which is the
// drawn form itself; out at the smallest size disables zoom-out.
TEST_F(SpFormularFenster, ZoomButtonsStepToTheEndsAndDisableThere)
{
    Einst.FormularNummer = 0;
    EXPECT_FALSE(oeffnen([](TSpFormular& d) {
        for (QSize groesse : {QSize(1200, 840), QSize(2400, 1680), QSize(2430, 1628)}) {
            d.BtnGross->click();
            EXPECT_EQ(std::tuple(d.ImageAnsicht->size(), d.BtnKlein->isEnabled(), d.BtnGross->isEnabled()),
                      std::tuple(groesse, true, groesse.width() < 2430));
        }
        EXPECT_EQ(Vorschau(d), BerichtZeichnen(*AktWettkampf, 0).bild.convertToFormat(QImage::Format_RGB32));
        for (int i = 0; i < 3; ++i) d.BtnKlein->click();
        EXPECT_EQ(std::tuple(d.ImageAnsicht->size(), d.BtnKlein->isEnabled(), d.BtnGross->isEnabled()),
                  std::tuple(QSize(600, 420), false, true));
    }));
}

// A left click at (300, 210) zooms 600 -> 1200 and centres (600, 420);
// a drag scrolls by the distance from the press point and does not zoom;
// a right click zooms out.
TEST_F(SpFormularFenster, ClickZoomsAroundThePointDragScrollsRightClickZoomsOut)
{
    Einst.FormularNummer = 1;
    EXPECT_FALSE(oeffnen([](TSpFormular& d) {
        Klicken(d.ImageAnsicht, Qt::LeftButton, QPointF(300, 210));
        ASSERT_EQ(d.ImageAnsicht->size(), QSize(1200, 840));
        const QSize sicht = d.PAnsicht->viewport()->size();
        const QPoint mitte(600 - sicht.width() / 2, 420 - sicht.height() / 2);
        EXPECT_EQ(Bildlauf(d), mitte);
        EXPECT_TRUE(d.BtnKlein->isEnabled());

        Maus(d.ImageAnsicht, QEvent::MouseButtonPress, {700, 600});
        Maus(d.ImageAnsicht, QEvent::MouseMove, {650, 620});
        EXPECT_EQ(Bildlauf(d), mitte + QPoint(50, -20));
        Maus(d.ImageAnsicht, QEvent::MouseButtonRelease, {650, 620});
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(1200, 840));
        EXPECT_EQ(Bildlauf(d), mitte + QPoint(50, -20));

        Klicken(d.ImageAnsicht, Qt::RightButton, QPointF(100, 100));
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 420));
        EXPECT_FALSE(d.BtnKlein->isEnabled());
        EXPECT_EQ(Vorschau(d), Erwartet(1, {600, 420}));
    }));
}

// A black home signature on layout 3 fills the box 2900..3230 x 1900..1975,
// whose middle (3065, 1937) is (564, 334) of the 600 x 420 preview.
TEST_F(SpFormularFenster, SignaturesOfTheMatchAppearInTheirBoxesAfterSigning)
{
    Einst.FormularNummer = 3;
    hub.registrieren(Dialog::Unterschrift, [](QWidget* eltern) {
        return Attrappe(eltern, true, [] {
            Unterschriften u;
            u.heim = LeereUnterschrift();
            u.heim.fill(Qt::black);
            UnterschriftenSetzen(*AktWettkampf, u);
        });
    });
    EXPECT_FALSE(oeffnen([](TSpFormular& d) {
        const QPoint mitte(564, 334);
        EXPECT_GT(qGray(Vorschau(d).pixel(mitte)), 200);
        d.BtnGross->click();
        d.BtnUnterschreiben->click();
        // Redrawn at the start size, with the signature.
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 420));
        EXPECT_LT(qGray(Vorschau(d).pixel(mitte)), 40);
        EXPECT_EQ(Vorschau(d), Erwartet(3, {600, 420}));
    }));
}

// The print options open on their page for the shown layout; the layout is
// then drawn with the font they set.
TEST_F(SpFormularFenster, ButtonsOpenTheirDialogsAndPrintOptionsRedraw)
{
    Einst.FormularNummer = 5;
    std::vector<std::pair<int, int>> druckoptionen;  // page, layout
    int deckblatt = 0, ftp = 0;
    hub.registrierenMitSeite(Dialog::Druckoptionen, [&](QWidget* eltern, int seite) {
        return Attrappe(eltern, true, [&druckoptionen, seite] {
            druckoptionen.emplace_back(seite, berichtZustand.FormularIndex);
            Einst.FormularEinstellungen[5].SpFontSize = 60;
        });
    });
    hub.registrieren(Dialog::Deckblatt, [&](QWidget* eltern) { return Attrappe(eltern, false, [&] { ++deckblatt; }); });
    hub.registrieren(Dialog::FtpSenden, [&](QWidget* eltern) { return Attrappe(eltern, false, [&] { ++ftp; }); });

    EXPECT_FALSE(oeffnen([&](TSpFormular& d) {
        const QImage vorher = Vorschau(d);
        d.BtnGross->click();
        d.BtnTextformat->click();
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 420));
        EXPECT_NE(Vorschau(d), vorher);
        EXPECT_EQ(Vorschau(d), Erwartet(5, {600, 420}));
        d.BtnOptionen->click();
        EXPECT_EQ(druckoptionen, (std::vector<std::pair<int, int>>{{SeiteText, 5}, {SeiteDrucker, 5}}));

        d.BtnDeckblatt->click();
        EXPECT_EQ(deckblatt, 1);
        d.LStatus->setText(QStringLiteral("Spielbericht gedruckt"));
        d.BtnInternet->click();
        EXPECT_EQ(ftp, 1);
        EXPECT_TRUE(d.LStatus->text().isEmpty());
        // The designer has nothing to do for a built-in layout.
        d.BtnFormular->click();
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
    }));
}

// 9..19 an empty form that does not zoom; above 19 the notice of a report
// project in place of the preview, and the designer says it is not set up.
TEST_F(SpFormularFenster, EmptyFormsAndReportProjects)
{
    Einst.FormularNummer = 12;
    for (int i = FormularNamen.size(); i < 21; ++i) FormularNamen << QStringLiteral("Name %1").arg(i);
    FormularNamen << QStringLiteral("Kreisliga Projekt");
    EXPECT_FALSE(oeffnen([](TSpFormular& d) {
        EXPECT_EQ(d.CFormular->count(), 22);
        EXPECT_EQ(d.CFormular->currentIndex(), 12);
        EXPECT_EQ(Vorschau(d), Weiss({600, 420}));
        EXPECT_FALSE(d.BtnKlein->isEnabled());
        EXPECT_FALSE(d.BtnGross->isEnabled());
        Klicken(d.ImageAnsicht);
        EXPECT_EQ(d.ImageAnsicht->size(), QSize(600, 420));

        d.CFormular->setCurrentIndex(21);
        emit d.CFormular->activated(21);
        EXPECT_EQ(Einst.FormularNummer, 21);
        EXPECT_TRUE(d.LLView->isVisible());
        EXPECT_FALSE(d.PAnsicht->isVisible());
        // No file for the project: an empty preview, and the designer asks for one.
        EXPECT_EQ(d.LLView->seitenzahl(), 0);
        EXPECT_FALSE(d.BtnGross->isEnabled());
        d.BtnFormular->click();
        EXPECT_EQ(skriptBoxen().gezeigt,
                  QStringList{QStringLiteral("Dem Formular ist keine Formulardatei zugeordnet: bitte unter Optionen, "
                                             "Vorwahl eine Datei suchen.")});
    }));
}

// Without a current match the preview is an empty form and nothing that
// needs a match can be started.
TEST_F(SpFormularFenster, WithoutAMatchNothingIsDrawn)
{
    AktWettkampf = nullptr;
    Einst.FormularNummer = 7;
    EXPECT_FALSE(oeffnen([](TSpFormular& d) {
        EXPECT_EQ(Vorschau(d), Weiss({600, 840}));
        EXPECT_FALSE(d.BtnGross->isEnabled());
        EXPECT_FALSE(d.BtnDrucken->isEnabled());
        EXPECT_FALSE(d.BtnUnterschreiben->isEnabled());
    }));
}

// While the window is shown the output's status texts go to LStatus, which
// every showing clears; afterwards to the main window's panel 0.
TEST_F(SpFormularFenster, StatusTextsGoToTheWindowWhileItIsShown)
{
    QStringList hauptfenster;
    hub.statusTextSetzen = [&](int panel, const QString& text) { hauptfenster << QStringLiteral("%1 %2").arg(panel).arg(text); };
    for (int mal = 0; mal < 2; ++mal)
        EXPECT_FALSE(oeffnen([](TSpFormular& d) {
            EXPECT_TRUE(d.LStatus->text().isEmpty());
            BerichtStatus(QStringLiteral("Fax wird gesendet ..."));
            EXPECT_EQ(d.LStatus->text(), QStringLiteral("Fax wird gesendet ..."));
        }));
    EXPECT_TRUE(hauptfenster.isEmpty());
    BerichtStatus(QStringLiteral("Email gesendet"));
    EXPECT_EQ(hauptfenster, QStringList{QStringLiteral("0 Email gesendet")});
}

}  // namespace
