#include "match/ui/Startfenster.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "match/flow/Zustand.h"
#include "support/KernAufnahmen.h"
#include "support/QtDrucken.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class Startfenster : public testing::Test {
protected:
    void SetUp() override
    {
        ZustandZuruecksetzen();
        OrdnerSetzen(m_ordner.path());
        for (const char* name : {"Nobahn.wav", "Nopaper.wav", "Click.wav"}) {
            QFile f(m_ordner.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    void TearDown() override { ZustandZuruecksetzen(); }

    // Runs once the next modal loop has started.
    static void imFenster(std::function<void()> handlung) { QTimer::singleShot(0, qApp, std::move(handlung)); }

    static void esc(QWidget* fenster)
    {
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(fenster, &taste);
    }

    QTemporaryDir m_ordner;
    SoundAufnahme m_sound;
    SoundAusgabeEinsetzen m_soundEin{&m_sound};
    WidgetPrompts m_prompts;
};

TEST_F(Startfenster, PruefenTextByTagCentred)
{
    TPruefen* f = m_prompts.pruefenFenster();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Achtung !"));
    const std::pair<int, const char*> faelle[] = {{2, "Bahn 2 ist nicht bereit !"},
                                                  {105, "Drucker für Bahn 5 ist nicht bereit !"},
                                                  {216, "Drucker für Bahn 16 ohne Verbindung !"}};
    for (const auto& [tag, text] : faelle) {
        f->Tag = tag;
        f->show();
        EXPECT_EQ(f->Label1->text(), QString::fromUtf8(text));
        EXPECT_EQ(f->Label1->x(), (f->width() - f->Label1->width()) / 2) << tag;
        f->hide();
    }
}

TEST_F(Startfenster, PruefenAnswersAndVisibility)
{
    TPruefen* f = m_prompts.pruefenFenster();
    EXPECT_EQ(f->BtnPruefen->text(), QStringLiteral("&Prüfen"));
    EXPECT_EQ(f->BtnAbbrechen->text(), QStringLiteral("&Abbrechen"));
    EXPECT_FALSE(m_prompts.pruefenSichtbar());

    bool sichtbar = false;
    imFenster([&] {
        sichtbar = m_prompts.pruefenSichtbar();
        EXPECT_EQ(m_prompts.pruefen(4), 2);  // not opened twice
        f->findChild<QPushButton*>(QStringLiteral("BtnPruefen"))->click();
    });
    EXPECT_EQ(m_prompts.pruefen(3), 1);
    EXPECT_TRUE(sichtbar);
    EXPECT_EQ(f->Tag, 3);
    EXPECT_FALSE(m_prompts.pruefenSichtbar());

    imFenster([&] { f->findChild<QPushButton*>(QStringLiteral("BtnAbbrechen"))->click(); });
    EXPECT_EQ(m_prompts.pruefen(3), 2);
    imFenster([&] { esc(f); });
    EXPECT_EQ(m_prompts.pruefen(3), 2);
    imFenster([&] { f->close(); });
    EXPECT_EQ(m_prompts.pruefen(3), 2);
    EXPECT_FALSE(m_prompts.pruefenSichtbar());
}

TEST_F(Startfenster, PruefenSoundByTag)
{
    TPruefen* f = m_prompts.pruefenFenster();
    const auto zeigen = [&](int tag) {
        imFenster([&] { f->BtnAbbrechen->click(); });
        m_prompts.pruefen(tag);
    };
    zeigen(16);  // SoundAktiv off
    EXPECT_TRUE(m_sound.gespielt.isEmpty());

    Einst.SoundAktiv = true;
    for (int tag : {16, 100, 101, 216}) zeigen(tag);
    EXPECT_EQ(m_sound.gespielt,
              QStringList({"Nobahn.wav", "Nobahn.wav", "Nopaper.wav", "Nopaper.wav"}));
}

TEST_F(Startfenster, SperrenAnswers)
{
    TSperren* f = m_prompts.sperrenFenster();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sperren"));
    EXPECT_EQ(f->Label1->text(), QStringLiteral("Eingabe sperren ?"));
    EXPECT_EQ(f->toolTip(), QStringLiteral("Maus und Tastatur wird gesperrt oder freigegeben"));
    EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f->BtnFreigeben->isDefault());

    Einst.ClickSoundAktiv = true;
    imFenster([&] { f->findChild<QPushButton*>(QStringLiteral("BtnSperren"))->click(); });
    EXPECT_EQ(m_prompts.sperren(), 6);
    EXPECT_EQ(m_sound.gespielt, QStringList{"Click.wav"});
    imFenster([&] { f->findChild<QPushButton*>(QStringLiteral("BtnFreigeben"))->click(); });
    EXPECT_EQ(m_prompts.sperren(), 7);
    imFenster([&] { esc(f); });
    EXPECT_EQ(m_prompts.sperren(), 6);
    imFenster([&] { f->close(); });
    EXPECT_EQ(m_prompts.sperren(), 2);
}

TEST_F(Startfenster, HinweisStartShownHiddenAndClickedAway)
{
    THinweisStart* f = m_prompts.hinweisStartFenster();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Starte Bahnen !"));
    EXPECT_EQ(f->Label2->text(), QStringLiteral("Bahnen werden überprüft"));
    EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(f->isModal());

    m_prompts.hinweisStartZeigen();
    ASSERT_TRUE(f->isVisible());
    const QRect r = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(f->pos(), QPoint(r.x() + (r.width() - f->width()) / 2, r.y() + (r.height() - f->height()) / 2));
    m_prompts.hinweisStartVerbergen();
    EXPECT_FALSE(f->isVisible());

    f->move(r.topLeft() + QPoint(5, 7));  // moved by the operator: kept
    m_prompts.hinweisStartZeigen();
    EXPECT_EQ(f->pos(), r.topLeft() + QPoint(5, 7));
    const QPointF p(5, 5);
    QMouseEvent druck(QEvent::MouseButtonPress, p, f->Label2->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f->Label2, &druck);
    EXPECT_FALSE(f->isVisible());
}

}  // namespace
