// The signature pad, opened through the window hub on the current match.

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/Unterschriften.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/Unterschrift.h"
#include "support/ImDialog.h"
#include "support/KernAufnahmen.h"
#include "support/Programmordner.h"
#include "support/Tippen.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <tuple>

namespace {

class Unterschriftfenster : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ReportFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        w = AktWettkampf;
        w->Geaendert = 0;
    }
    void TearDown() override
    {
        unterschriftenZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    bool oeffnen(const std::function<void(TUnterschrift&)>& handeln)
    {
        return ImDialog<TUnterschrift>(hub, [] { return fenster().dialog(Dialog::Unterschrift); }, handeln);
    }

    static void maus(QWidget* f, QEvent::Type art, QPoint p)
    {
        const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(art, p, f->mapToGlobal(QPointF(p)), knopf,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f, &e);
    }
    // A stroke along the points, pen down at the first.
    static void strich(TUnterschrift& d, std::initializer_list<QPoint> punkte)
    {
        maus(d.ImageUnterschrift, QEvent::MouseButtonPress, *punkte.begin());
        for (QPoint p : punkte) maus(d.ImageUnterschrift, QEvent::MouseMove, p);
        maus(d.ImageUnterschrift, QEvent::MouseButtonRelease, *(punkte.end() - 1));
    }
    static bool schwarz(const QImage& b, QPoint p) { return !b.isNull() && b.pixel(p) == qRgb(0, 0, 0); }
    static void ersetzen(QLineEdit* e, const QString& text)
    {
        e->selectAll();
        Tippen(e, text);
    }
    static QImage zeichen()
    {
        QImage b = LeereUnterschrift();
        QPainter(&b).fillRect(QRect(300, 60, 40, 20), Qt::black);
        return b;
    }

    Fensterhub hub;
    TWettkampfDaten* w = nullptr;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(Unterschriftfenster, OpensOnTheHomePageWithTheMatchsNames)
{
    FarbeSetzen(u"ColorHinweis", 0x00FF00);
    w->Schiedsrichter = "Peter Schmidt";
    w->Mannschaftsfuehrer[1] = "Hans Huber";
    w->SchiedsrichterOkHeim = 0;
    EXPECT_FALSE(oeffnen([](TUnterschrift& d) {
        EXPECT_EQ(std::tuple(d.windowTitle(), d.toolTip()),
                  std::tuple(QStringLiteral("Unterschreiben"), QStringLiteral("Unterschreiben am Touchscreen")));
        EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0, 255, 0));
        EXPECT_EQ(d.BtnLoeschen->toolTip() + d.BtnOk->toolTip() + d.BtnAbbrechen->toolTip(),
                  QStringLiteral("Schreibfeld löschenUnterschriften übernehmenUnterschriften verwerfen"));
        EXPECT_TRUE(d.SBtnHeim->isChecked() && !d.SBtnSchiedsrichter->isChecked() && !d.SBtnGast->isChecked());
        EXPECT_TRUE(d.PMannschaftsfuehrer->isVisible() && !d.PSchiedsrichter->isVisible());
        EXPECT_EQ(std::tuple(d.EMannschaftsfuehrer->text(), d.CBSchiedsrichterOk->isChecked(), d.ESchiedsrichter->text()),
                  std::tuple(QStringLiteral("Hans Huber"), false, QStringLiteral("Peter Schmidt")));
        EXPECT_EQ(std::tuple(d.EMannschaftsfuehrer->maxLength(), d.ESchiedsrichter->maxLength()), std::tuple(30, 30));
        EXPECT_EQ(feldregister().codeVon(d.ESchiedsrichter), std::optional<u16>(285));
        EXPECT_EQ(feldregister().codeVon(d.EMannschaftsfuehrer), std::optional<u16>(286));
        EXPECT_FALSE(HatTinte(d.ImageUnterschrift->bild()));
    }));
}

// A stroke from (100, 50) to (300, 50) and on to (300, 100) with a pen 4
// wide; moves before the press or after the release draw nothing.
TEST_F(Unterschriftfenster, DrawingPutsBlackWhereDrawnAndOkStoresIt)
{
    EXPECT_TRUE(oeffnen([](TUnterschrift& d) {
        maus(d.ImageUnterschrift, QEvent::MouseMove, {10, 10});
        maus(d.ImageUnterschrift, QEvent::MouseMove, {10, 140});
        strich(d, {{100, 50}, {300, 50}, {300, 100}});
        maus(d.ImageUnterschrift, QEvent::MouseMove, {600, 140});
        const QImage& b = d.ImageUnterschrift->bild();
        for (QPoint p : {QPoint(100, 50), QPoint(200, 49), QPoint(200, 51), QPoint(300, 75), QPoint(301, 100)})
            EXPECT_TRUE(schwarz(b, p)) << p.x() << "," << p.y();
        for (QPoint p : {QPoint(200, 45), QPoint(200, 55), QPoint(10, 75), QPoint(450, 120), QPoint(305, 75)})
            EXPECT_FALSE(schwarz(b, p)) << p.x() << "," << p.y();
        d.BtnOk->click();
    }));
    const Unterschriften u = UnterschriftenVon(*w);
    EXPECT_TRUE(schwarz(u.heim, {200, 50}));
    EXPECT_FALSE(schwarz(u.heim, {10, 140}));
    EXPECT_TRUE(u.gast.isNull() && u.schiedsrichter.isNull());
}

// The home page's drawing, name and box survive a visit to the referee's page.
TEST_F(Unterschriftfenster, HomeRefereeHomeKeepsDrawingNameAndBox)
{
    w->SchiedsrichterOkHeim = 1;
    EXPECT_FALSE(oeffnen([this](TUnterschrift& d) {
        strich(d, {{50, 20}, {50, 120}});
        ersetzen(d.EMannschaftsfuehrer, QStringLiteral("Jürgen Weiß"));
        d.CBSchiedsrichterOk->click();
        d.SBtnSchiedsrichter->click();
        EXPECT_EQ(d.seite(), int(SeiteSchiedsrichter));
        EXPECT_TRUE(d.SBtnSchiedsrichter->isChecked() && !d.SBtnHeim->isChecked());
        EXPECT_TRUE(d.PSchiedsrichter->isVisible() && !d.PMannschaftsfuehrer->isVisible());
        EXPECT_FALSE(HatTinte(d.ImageUnterschrift->bild()));
        // Leaving the page stored it in the match.
        EXPECT_EQ(std::tuple(w->Mannschaftsfuehrer[1].text(), w->SchiedsrichterOkHeim),
                  std::tuple(QStringLiteral("Jürgen Weiß"), u8(0)));

        d.SBtnHeim->click();
        EXPECT_TRUE(schwarz(d.ImageUnterschrift->bild(), {50, 70}));
        EXPECT_EQ(std::tuple(d.EMannschaftsfuehrer->text(), d.CBSchiedsrichterOk->isChecked()),
                  std::tuple(QStringLiteral("Jürgen Weiß"), false));
        EXPECT_TRUE(d.PMannschaftsfuehrer->isVisible());
        if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty()) {
            d.grab().save(QDir(bilder).filePath(QStringLiteral("unterschrift_heim.png")));
            d.SBtnSchiedsrichter->click();
            d.grab().save(QDir(bilder).filePath(QStringLiteral("unterschrift_schiedsrichter.png")));
            d.SBtnHeim->click();
        }
    }));
    // Cancelled on the home page: what was stored on leaving it stays.
    EXPECT_TRUE(schwarz(UnterschriftenVon(*w).heim, {50, 70}));
    EXPECT_EQ(w->Mannschaftsfuehrer[1].bytes(), QByteArray("J\xFCrgen Wei\xDF"));
    EXPECT_EQ(w->Geaendert, 1);
}

// A click on the page shown keeps its drawing and brings the captain's
// fields back from the match.
TEST_F(Unterschriftfenster, ClickOnThePageShownReloadsOnlyTheCaptainsFields)
{
    w->Mannschaftsfuehrer[2] = "Gast Kapitaen";
    w->SchiedsrichterOkGast = 1;
    EXPECT_FALSE(oeffnen([](TUnterschrift& d) {
        d.SBtnGast->click();
        strich(d, {{10, 10}, {600, 140}});
        ersetzen(d.EMannschaftsfuehrer, QStringLiteral("Anderer"));
        d.CBSchiedsrichterOk->click();
        d.SBtnGast->click();
        EXPECT_TRUE(d.SBtnGast->isChecked() && HatTinte(d.ImageUnterschrift->bild()));
        EXPECT_EQ(std::tuple(d.EMannschaftsfuehrer->text(), d.CBSchiedsrichterOk->isChecked()),
                  std::tuple(QStringLiteral("Gast Kapitaen"), true));
    }));
    // Nothing was stored.
    EXPECT_TRUE(UnterschriftenVon(*w).leer());
    EXPECT_EQ(w->Mannschaftsfuehrer[2].text(), QStringLiteral("Gast Kapitaen"));
}

// Cancel drops the page shown; the guest page, left before, stays signed.
TEST_F(Unterschriftfenster, CancelAfterGuestDrawingAndSwitchingKeepsTheGuest)
{
    EXPECT_FALSE(oeffnen([](TUnterschrift& d) {
        d.SBtnGast->click();
        strich(d, {{100, 100}, {200, 100}});
        ersetzen(d.EMannschaftsfuehrer, QStringLiteral("Gustav Gast"));
        d.SBtnSchiedsrichter->click();
        strich(d, {{100, 30}, {200, 30}});
        ersetzen(d.ESchiedsrichter, QStringLiteral("Rudi Referee"));
        d.BtnAbbrechen->click();
    }));
    const Unterschriften u = UnterschriftenVon(*w);
    EXPECT_TRUE(schwarz(u.gast, {150, 100}));
    EXPECT_TRUE(u.heim.isNull() && u.schiedsrichter.isNull());  // home left without ink: not signed
    EXPECT_EQ(w->Mannschaftsfuehrer[2].text(), QStringLiteral("Gustav Gast"));
    EXPECT_TRUE(w->Schiedsrichter.leer());
}

// "&Loeschen" + OK: the page shown is stored as not signed; another page's
// signature stays.
TEST_F(Unterschriftfenster, LoeschenAndOkStoresNoSignatureForThePageShown)
{
    Unterschriften u;
    u.heim = zeichen();
    u.schiedsrichter = zeichen();
    UnterschriftenSetzen(*w, u);
    EXPECT_TRUE(oeffnen([](TUnterschrift& d) {
        EXPECT_TRUE(schwarz(d.ImageUnterschrift->bild(), {310, 70}));
        d.BtnLoeschen->click();
        EXPECT_FALSE(HatTinte(d.ImageUnterschrift->bild()));
        d.BtnOk->click();
    }));
    u = UnterschriftenVon(*w);
    EXPECT_TRUE(u.heim.isNull());
    EXPECT_TRUE(schwarz(u.schiedsrichter, {310, 70}));
    EXPECT_EQ(w->Geaendert, 0);  // no name changed
}

// OK stores the referee's name from the edit, whatever page is shown, and
// the page shown; Windows-1252 in the record.
TEST_F(Unterschriftfenster, OkStoresTheNamesInTheMatch)
{
    w->SchiedsrichterOkGast = 0;
    EXPECT_TRUE(oeffnen([](TUnterschrift& d) {
        d.SBtnGast->click();
        ersetzen(d.EMannschaftsfuehrer, QStringLiteral("Ömer Özdemir"));
        d.CBSchiedsrichterOk->click();
        // Typing stops at 30 characters.
        ersetzen(d.ESchiedsrichter, QStringLiteral("Maximilian Schiedsrichter-Übermaß"));
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w->Mannschaftsfuehrer[2].bytes(), w->SchiedsrichterOkGast, w->Geaendert),
              std::tuple(QByteArray("\xD6mer \xD6zdemir"), u8(1), u8(1)));
    EXPECT_EQ(w->Schiedsrichter.bytes(), QByteArray("Maximilian Schiedsrichter-\xDC" "ber"));
}

// Another match, and a new match in the signed one's slot, have nothing signed.
TEST_F(Unterschriftfenster, ANewMatchHasNoSignatures)
{
    Unterschriften u;
    u.heim = u.gast = u.schiedsrichter = zeichen();
    UnterschriftenSetzen(*w, u);
    ASSERT_TRUE(WettkampfAnlegen());
    EXPECT_FALSE(oeffnen([](TUnterschrift& d) { EXPECT_FALSE(HatTinte(d.ImageUnterschrift->bild())); }));

    for (int nr : {2, 1}) {
        AktWettkampfNr = u8(nr);
        AktWettkampf = &Wettkaempfe[nr];
        AktWettkampf->Geaendert = 0;
        ASSERT_TRUE(WettkampfSchliessen());
    }
    ASSERT_TRUE(WettkampfAnlegen());
    ASSERT_EQ(AktWettkampf, w);
    EXPECT_TRUE(UnterschriftenVon(*w).leer());
}

TEST_F(Unterschriftfenster, WithoutACurrentMatchThePadDoesNotOpen)
{
    WettkampfBelegt.fill(0);
    AktWettkampf = nullptr;
    AktWettkampfNr = 0;
    bool offen = false;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* d = QApplication::activeModalWidget()) {
            offen = true;
            d->close();
        }
    });
    EXPECT_FALSE(fenster().dialog(Dialog::Unterschrift));
    QApplication::processEvents();
    EXPECT_FALSE(offen);
}

TEST_F(Unterschriftfenster, ButtonsClickAndTheBackgroundIsKeptUnderItsOwnKey)
{
    QFile klick(ordner.filePath(QStringLiteral("Click.wav")));
    ASSERT_TRUE(klick.open(QIODevice::WriteOnly));
    klick.close();
    Einst.ClickSoundAktiv = true;
    SoundAufnahme sound;
    SoundAusgabeEinsetzen soundEin(&sound);
    EXPECT_FALSE(oeffnen([&sound](TUnterschrift& d) {
        d.SBtnGast->click();
        d.BtnLoeschen->click();
        EXPECT_EQ(sound.gespielt, (QStringList{"Click.wav", "Click.wav"}));
        QTimer::singleShot(0, qApp, [&d] {
            auto* f = d.findChild<TFarbe*>();
            ASSERT_TRUE(f);
            f->BtnUebernahme->click();
        });
        d.PopupColorGround->trigger();
    }));
    const QString zeile = QStringLiteral("ColorUnterschrift = %1").arg(Farbe(u"ColorUnterschrift"));
    EXPECT_TRUE(InfListe.contains(zeile)) << zeile.toStdString();
}

}  // namespace
