#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>

namespace {

const QColor Blau(0, 0, 255), Grau(128, 128, 128);

class FarbeFenster : public testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        EinstellungenVorbelegen();
    }
    void TearDown() override { GlobalsZuruecksetzen(); }

    static void tippen(QLineEdit* e, const QString& text)
    {
        e->clear();
        for (QChar c : text) {
            QKeyEvent taste(QEvent::KeyPress, Qt::Key_0 + (c.unicode() - '0'), Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &taste);
        }
    }
    static void maus(QWidget* w, QEvent::Type typ, QPoint pos)
    {
        QMouseEvent m(typ, pos, w->mapToGlobal(pos), Qt::LeftButton,
                      typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &m);
    }
    // Drops the colour as if dragged from SFarbeNeu.
    static void fallenLassen(QWidget* ziel, quint32 wert)
    {
        QMimeData daten;
        daten.setData(QString::fromLatin1(FarbMimeTyp), QByteArray::number(wert));
        // The drop goes to the widget that accepted the enter.
        QDragEnterEvent rein(QPoint(2, 2), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &rein);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &drop);
    }
    static void rgbSetzen(TFarbe& f, int r, int g, int b)
    {
        f.ERot->setText(QString::number(r));
        f.EGruen->setText(QString::number(g));
        f.EBlau->setText(QString::number(b));
    }
    static QColor schrift(QWidget* w) { return w->palette().color(QPalette::WindowText); }
    static QColor grund(QWidget* w) { return w->palette().color(QPalette::Window); }
    static QColor knopf(QPushButton* k) { return k->palette().color(QPalette::ButtonText); }

    // Every colour setting of the preview, of every family.
    static std::map<QString, u32> familien()
    {
        std::map<QString, u32> werte;
        for (const Vorschauelement& e : VorschauElemente())
            for (int m = 1; m <= VorschauModusAnzahl; ++m)
                if (const QString n = VorschauEinstellung(e, m); !n.isEmpty()) werte[n] = Farbe(n);
        return werte;
    }
};

// The arithmetic is covered on the logic; here the controls reach it and show the result.
TEST_F(FarbeFenster, EditsClampAndFollowTheTrackBars)
{
    TFarbe f;
    rgbSetzen(f, 0, 0, 0);
    tippen(f.ERot, QStringLiteral("300"));
    EXPECT_EQ(f.ERot->text(), QStringLiteral("255"));
    EXPECT_EQ(f.TBRot->value(), 255);
    f.TBGruen->setValue(17);
    EXPECT_EQ(f.EGruen->text(), QStringLiteral("17"));
    EXPECT_EQ(f.gewaehlteFarbe(), 17u * 256 + 255);
    EXPECT_EQ(grund(f.SFarbeNeu), QColor(255, 17, 0));
    // Without focus the brightness bar shows the largest component.
    f.ERot->setText(QStringLiteral("40"));
    EXPECT_EQ(f.TBHell->value(), 40);
}

TEST_F(FarbeFenster, FixedComponentAndPickingOnThePlane)
{
    TFarbe f;
    EXPECT_EQ(knopf(f.BtnFixBlau), Blau);
    f.EBlau->setText(QStringLiteral("100"));
    EXPECT_EQ(knopf(f.BtnFixBlau), Grau);  // the fixed one changed
    const auto ecke = [&] { return f.Image->pixmap().toImage().pixelColor(0, 0); };
    EXPECT_EQ(ecke(), QColor(0, 255, 255));  // still drawn with blue 255
    f.BtnFixBlau->click();
    EXPECT_EQ(knopf(f.BtnFixBlau), Blau);
    EXPECT_EQ(ecke(), QColor(0, 255, 100));
    f.BtnFixRot->click();
    EXPECT_EQ(knopf(f.BtnFixBlau), Grau);
    EXPECT_EQ(knopf(f.BtnFixRot), Blau);
    EXPECT_EQ(ecke(), QColor(255, 0, 255));  // blue up, green across, red 255

    // A press far outside is clamped to the last marker (199,199): blue 1, green 254.
    rgbSetzen(f, 255, 255, 255);
    f.BtnFixRot->click();
    maus(f.Image, QEvent::MouseButtonPress, {500, 500});
    maus(f.Image, QEvent::MouseButtonRelease, {500, 500});
    EXPECT_EQ(f.gewaehlteFarbe(), 1u * 65536 + 254 * 256 + 255);
    maus(f.Image, QEvent::MouseMove, {50, 50});  // the button is up: nothing changes
    EXPECT_EQ(f.gewaehlteFarbe(), 1u * 65536 + 254 * 256 + 255);
}

// Board T: the headline and the players' results show their settings but OK
// does not store them; the dropped colours of the others are stored. Cancel stores nothing.
TEST_F(FarbeFenster, OkStoresTheFamilyButNotTheShownOnly)
{
    FarbeSetzen(u"ColorTMannschaft", 111);
    FarbeSetzen(u"ColorTHeim", 222);
    const auto vorher = familien();
    for (bool ok : {false, true}) {
        TFarbe f;
        f.Vorschaumodus = 2;
        f.VorschauZeigen(true);
        f.show();
        EXPECT_EQ(schrift(f.findChild<QLabel*>(QStringLiteral("LWettkampf"))), FarbeZuQColor(111));
        if (!ok) f.BtnStandard->click();
        rgbSetzen(f, 1, 2, 3);
        for (const char* ziel : {"PSpiel", "LWettkampf", "LSpielerErg", "LTotalGast"})
            fallenLassen(f.findChild<QWidget*>(QString::fromLatin1(ziel)), 197121);
        (ok ? f.BtnUebernahme : f.BtnAbbruch)->click();
        EXPECT_EQ(f.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        if (!ok) {
            EXPECT_EQ(familien(), vorher);
        }
    }
    const std::tuple<const char*, u32> faelle[] = {
        {"ColorTafel", 197121},       {"ColorTTotalGast", 197121}, {"ColorTHeim", 222},
        {"ColorTMannschaft", 111},    {"ColorTSpielerErg", 0},     {"ColorTHeaderHeim", 6569265},
        {"ColorSpiel", 12632256},     {"ColorMTafel", 10451556},
    };
    for (const auto& [name, wert] : faelle) EXPECT_EQ(Farbe(QString::fromLatin1(name)), wert) << name;
}

TEST_F(FarbeFenster, StandardRestoresTheMonitorClientDefaults)
{
    for (const Vorschauelement& e : VorschauElemente())
        if (const QString n = VorschauEinstellung(e, 3); !n.isEmpty()) FarbeSetzen(n, 1);
    TFarbe f;
    f.Vorschaumodus = 3;
    f.VorschauZeigen(true);
    f.show();
    fallenLassen(f.PHinweis, 5);
    f.BtnStandard->click();
    EXPECT_EQ(grund(f.PHinweis), QColor(192, 192, 192));  // 12632256
    // A press on a preview element shows its colour as the old one.
    maus(f.findChild<QWidget*>(QStringLiteral("LHeim")), QEvent::MouseButtonPress, {1, 1});
    EXPECT_EQ(grund(f.SFarbeAlt), QColor(202, 43, 142));  // 9317322 = 142 * 65536 + 43 * 256 + 202
    f.BtnUebernahme->click();
    const std::tuple<const char*, u32> faelle[] = {
        {"ColorMTafel", 10451556}, {"ColorMTHeaderGast", 9317322}, {"ColorMTTotalHeim", 0}, {"ColorMTFertig", 16711680}};
    for (const auto& [name, wert] : faelle) EXPECT_EQ(Farbe(QString::fromLatin1(name)), wert) << name;
}

TEST_F(FarbeFenster, BackgroundCommandStoresWritesAndSaves)
{
    QTemporaryDir ordner;
    InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
    InfListe = {QStringLiteral("[Ansicht]"), QStringLiteral("ColorKeyb = 8421376")};
    QWidget fenster;
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        QColor alt;
        QTimer::singleShot(0, qApp, [&] {
            auto* f = fenster.findChild<TFarbe*>();
            ASSERT_TRUE(f);
            alt = grund(f->SFarbeAlt);
            rgbSetzen(*f, 1, 2, 3);
            (ok ? f->BtnUebernahme : f->BtnAbbruch)->click();
        });
        EXPECT_EQ(HintergrundfarbeWaehlen(&fenster, u"ColorKeyb"), ok);
        EXPECT_EQ(alt, QColor(0, 128, 128));  // 8421376
    }
    EXPECT_EQ(Farbe(u"ColorKeyb"), 197121u);
    EXPECT_EQ(InfListe, (QStringList{QStringLiteral("[Ansicht]"), QStringLiteral("ColorKeyb = 197121")}));
    EXPECT_EQ(TextdateiLesen(InfDatei), InfListe);
    EXPECT_EQ(grund(&fenster), QColor(1, 2, 3));
}

}  // namespace
