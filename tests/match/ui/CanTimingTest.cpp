#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "match/bus/CanKarte.h"
#include "match/flow/Zustand.h"
#include "match/ui/CanTiming.h"
#include "support/KernAufnahmen.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CanTiming : public testing::Test {
protected:
    void SetUp() override { ZustandZuruecksetzen(); }
    void TearDown() override { ZustandZuruecksetzen(); }

    // The texts of the five fields, in the order of the dialog.
    static QStringList anzeige(const TCanTiming& d)
    {
        return {d.CTeiler->currentText(), d.CSJW->currentText(), d.CTiming1->currentText(),
                d.CTiming2->currentText(), d.CSamples->currentText()};
    }
    static void zeigen(TCanTiming& d, u8 btr0, u8 btr1)
    {
        CanEinstellungen.Btr0 = btr0;
        CanEinstellungen.Btr1 = btr1;
        d.show();
    }
};

TEST_F(CanTiming, CaptionFieldsAndLabels)
{
    TCanTiming d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("CAN Bus Timing"));
    const struct {
        const char* name;
        const char* label;
        int eintraege;
        const char* letzter;
    } felder[] = {
        {"CTeiler", "Frequenzteiler:", 8, "8"}, {"CSJW", "SJW:", 4, "4"},          {"CTiming1", "Timing1:", 16, "16"},
        {"CTiming2", "Timing2:", 8, "8"},       {"CSamples", "Samples:", 2, "3"},
    };
    const QList<QLabel*> labels = d.findChildren<QLabel*>();
    for (const auto& f : felder) {
        auto* c = d.findChild<QComboBox*>(QString::fromLatin1(f.name));
        ASSERT_TRUE(c) << f.name;
        EXPECT_EQ(c->count(), f.eintraege) << f.name;
        EXPECT_EQ(c->itemText(0), QStringLiteral("1")) << f.name;
        EXPECT_EQ(c->itemText(c->count() - 1), QString::fromLatin1(f.letzter)) << f.name;
        const auto label = std::find_if(labels.begin(), labels.end(), [c](QLabel* l) { return l->buddy() == c; });
        ASSERT_NE(label, labels.end()) << f.name;
        EXPECT_EQ((*label)->text(), QString::fromLatin1(f.label));
    }
    EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("BtnOk"))->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("BtnAbbrechen"))->text(), QStringLiteral("&Abbrechen"));
}

// Shown from the stored bytes, then OK without a change writes them back;
// a prescaler above 8 shows no entry and keeps its bits.
TEST_F(CanTiming, ShowsTheBitFieldsAndOkWritesThemBack)
{
    const struct {
        u8 btr0, btr1;
        QStringList felder;  // prescaler, SJW, Timing1, Timing2, samples
        u8 okBtr0, okBtr1;
    } faelle[] = {
        {0x03, 0x2B, {"4", "1", "12", "3", "1"}, 0x03, 0x2B},
        {0x00, 0x1C, {"1", "1", "13", "2", "1"}, 0x00, 0x1C},
        {0x45, 0x14, {"6", "2", "5", "2", "1"}, 0x45, 0x14},
        {0xC0, 0xFF, {"1", "4", "16", "8", "3"}, 0xC0, 0xFF},
        {0x3F, 0x2B, {"", "1", "12", "3", "1"}, 0x3F, 0x2B},
        {0x8A, 0x00, {"", "3", "1", "1", "1"}, 0x8A, 0x00},
    };
    for (const auto& f : faelle) {
        TCanTiming d;
        zeigen(d, f.btr0, f.btr1);
        EXPECT_EQ(anzeige(d), f.felder) << int(f.btr0) << " " << int(f.btr1);
        d.BtnOk->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(CanEinstellungen.Btr0, f.okBtr0) << int(f.btr0);
        EXPECT_EQ(CanEinstellungen.Btr1, f.okBtr1) << int(f.btr1);
    }
}

TEST_F(CanTiming, OkWritesTheChosenFields)
{
    TCanTiming d;
    zeigen(d, 0x03, 0x2B);
    d.CSamples->setCurrentText(QStringLiteral("3"));
    d.BtnOk->click();
    EXPECT_EQ(CanEinstellungen.Btr0, 0x03);
    EXPECT_EQ(CanEinstellungen.Btr1, 0xAB);

    // prescaler 2, SJW 3, Timing1 7, Timing2 5, samples 3
    TCanTiming e;
    zeigen(e, 0x00, 0x00);
    e.CTeiler->setCurrentText(QStringLiteral("2"));
    e.CSJW->setCurrentText(QStringLiteral("3"));
    e.CTiming1->setCurrentText(QStringLiteral("7"));
    e.CTiming2->setCurrentText(QStringLiteral("5"));
    e.CSamples->setCurrentText(QStringLiteral("3"));
    e.BtnOk->click();
    EXPECT_EQ(CanEinstellungen.Btr0, 0x81);
    EXPECT_EQ(CanEinstellungen.Btr1, 0xC6);

    // Prescaler 64 (no entry): SJW 2 keeps it; picking prescaler 3 replaces it.
    const struct {
        const char* combo;
        const char* text;
        u8 btr0;
    } wahl[] = {{"CSJW", "2", 0x7F}, {"CTeiler", "3", 0x02}};
    for (const auto& w : wahl) {
        TCanTiming t;
        zeigen(t, 0x3F, 0x2B);
        t.findChild<QComboBox*>(QString::fromLatin1(w.combo))->setCurrentText(QString::fromLatin1(w.text));
        t.BtnOk->click();
        EXPECT_EQ(CanEinstellungen.Btr0, w.btr0) << w.combo;
        EXPECT_EQ(CanEinstellungen.Btr1, 0x2B) << w.combo;
    }
}

TEST_F(CanTiming, AbbrechenChangesNothing)
{
    TCanTiming d;
    zeigen(d, 0x3F, 0x2B);
    d.CTeiler->setCurrentIndex(0);
    d.CSJW->setCurrentIndex(3);
    d.CSamples->setCurrentIndex(1);
    d.BtnAbbrechen->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(CanEinstellungen.Btr0, 0x3F);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x2B);
}

TEST_F(CanTiming, ShowingAgainReadsTheBytesAgain)
{
    TCanTiming d;
    zeigen(d, 0x03, 0x2B);
    d.BtnAbbrechen->click();
    zeigen(d, 0x41, 0x80);
    EXPECT_EQ(anzeige(d), (QStringList{"2", "2", "1", "1", "3"}));
}

TEST_F(CanTiming, ColourAndClickSound)
{
    FarbeSetzen(u"ColorHinweis", 0x00FF00);
    TCanTiming d;
    FarbeSetzen(u"ColorHinweis", 0x0000FF);
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0, 255, 0));

    QTemporaryDir ordner;
    OrdnerSetzen(ordner.path());
    QFile klick(ordner.filePath(QStringLiteral("Click.wav")));
    ASSERT_TRUE(klick.open(QIODevice::WriteOnly));
    Einst.ClickSoundAktiv = true;
    SoundAufnahme sound;
    SoundAusgabeEinsetzen soundEin(&sound);

    zeigen(d, 0x03, 0x2B);
    const QPointF p(2, 2);
    QMouseEvent druck(QEvent::MouseButtonPress, p, d.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&d, &druck);
    EXPECT_EQ(sound.gespielt, QStringList{"Click.wav"});
    d.BtnAbbrechen->click();
    EXPECT_EQ(sound.gespielt, (QStringList{"Click.wav", "Click.wav"}));
}

}  // namespace
