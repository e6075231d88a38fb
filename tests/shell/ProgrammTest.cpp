#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/WidgetBoxen.h"
#include "core/Zeitgeber.h"
#include "components/Threads.h"
#include "match/lanes/Bahnfenster.h"
#include "match/bus/CanKarte.h"
#include "match/flow/Startprompts.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/AbfShutdown.h"
#include "shell/ui/Info.h"
#include "shell/ui/Main.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Programm.h"
#include "support/ImDialog.h"
#include "support/Programmordner.h"
#include "support/Tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ProgrammStart : public Programmordner {
protected:
    ProgrammOptionen Optionen() { return {nullptr, &abschaltung, 1280, 1}; }

    FakeAbschaltung abschaltung;
};

}  // namespace

TEST_F(ProgrammStart, FromAnEmptyFolder)
{
    {
        Programm p(Optionen());
        const QStringList meldungen = p.starten(ordner.path());
        EXPECT_TRUE(meldungen.isEmpty());
        TMain* main = p.hauptfenster();
        ASSERT_TRUE(main);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvalink"));
        EXPECT_EQ(main->menuBar()->actions().size(), 7);
        EXPECT_EQ(BahnAnzahl, 4);
        EXPECT_EQ(CanAktiv, 0);
        EXPECT_EQ(&fenster(), &p.hub());
        EXPECT_TRUE(dynamic_cast<WidgetBoxen*>(&boxen()));
        EXPECT_EQ(p.info()->ProgressBar->value(), 100);
        EXPECT_EQ(p.info()->LKarteStatus->text(), QStringLiteral("Chipkarte nicht vorhanden !"));
        EXPECT_EQ(p.info()->LVersion->text(), QStringLiteral("2.21.0062"));
        EXPECT_EQ(main->Progende, p.progende());
        EXPECT_EQ(main->MSpielStart->text(), QStringLiteral("Spiel Start     "));
        EXPECT_FALSE(main->MSpielStart->isEnabled());
        EXPECT_EQ(main->StatusPanel[1]->text(), QString());  // no hint yet
        EXPECT_TRUE(Timer1().enabled());  // the timer module runs
        EXPECT_TRUE(Timer2().enabled());
        EXPECT_TRUE(Timer3().enabled());
        p.hub().statusText(3, QStringLiteral("05.03.26   14:05"));
        EXPECT_EQ(main->StatusPanel[4]->text(), QStringLiteral("05.03.26   14:05"));
        // Every field refuses what Windows-1252 cannot hold.
        QLineEdit feld;
        feld.show();
        Tippen(&feld, QStringLiteral("Y\u0131l"));
        EXPECT_EQ(feld.text(), QStringLiteral("Yl"));
    }
    // Everything is put back.
    EXPECT_FALSE(Timer1().enabled());
    EXPECT_EQ(&boxen(), &skriptBoxen());
    EXPECT_EQ(&startPrompts(), &skriptPrompts());
}

// In the running program an exception in a thread component without its own
// handler shows a message box captioned with the program's title; the
// program's end takes the box away again.
TEST_F(ProgrammStart, ThreadExceptionShowsAMessageBox)
{
    const auto thread = [] {
        auto c = std::make_unique<TabfThreadComponent>();
        c->setObjectName(QStringLiteral("Rechner"));
        c->setOnExecute([](TabfThreadComponent&) { throw std::runtime_error("kaputt"); });
        c->Execute();
        c->WaitFor();
        return c;
    };
    const auto box = [](int ms) -> QMessageBox* {
        const QDeadlineTimer frist(ms);
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) return b;
        } while (!frist.hasExpired());
        return nullptr;
    };
    {
        Programm p(Optionen());
        p.starten(ordner.path());
        const auto c = thread();
        QMessageBox* b = box(30000);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->windowTitle(), p.hauptfenster()->windowTitle());
        EXPECT_EQ(b->windowTitle(), QStringLiteral("Corvalink"));
        EXPECT_EQ(b->text(),
                  QStringLiteral("Thread Rechner raised exception class std::runtime_error with message \"kaputt\"."));
        b->close();
    }
    const auto c = thread();
    EXPECT_EQ(box(200), nullptr);
}

// Every window of the program shows its own symbol, a pin and a ball on a
// dark blue rounded square, not Qt's.
TEST_F(ProgrammStart, WindowsShowTheProgramsSymbol)
{
    Programm p(Optionen());
    p.starten(ordner.path());
    for (const QWidget* w : {static_cast<QWidget*>(p.hauptfenster()), static_cast<QWidget*>(p.info())}) {
        const QIcon symbol = w->windowIcon();
        ASSERT_EQ(symbol.availableSizes(), QList<QSize>{QSize(256, 256)});
        const QImage bild = symbol.pixmap(QSize(256, 256)).toImage();
        EXPECT_EQ(qAlpha(bild.pixel(2, 2)), 0);                     // the corner is clear
        EXPECT_EQ(bild.pixelColor(200, 30), QColor(24, 48, 96));     // the square
        EXPECT_GT(bild.pixelColor(100, 60).lightness(), 200);        // the pin's white head
    }
}

TEST_F(ProgrammStart, BadSettingsValueShowsItsMessageAndGoesOn)
{
    ASSERT_TRUE(TextdateiSchreiben(QDir(ordner.path()).filePath(QStringLiteral("Bravolin.inf")),
                                   {"[Ansicht]", "Statusleiste = True", "[Bahnsteuerung]", "Bahnen = sechs"}));
    Programm p(Optionen());
    const QStringList meldungen = p.starten(ordner.path());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("sechs")));
    EXPECT_TRUE(p.hauptfenster()->isVisible());
    EXPECT_EQ(BahnAnzahl, 4);  // the default
    EXPECT_TRUE(p.hauptfenster()->statusBar()->isVisible());
    EXPECT_EQ(p.info()->ProgressBar->value(), 100);
}

// The lane control command of the started program shows its window on lane 1
// (no match open) and hides it again; the command's caption says which comes
// next. The lane overview's command shows the overview.
TEST_F(ProgrammStart, LaneWindowsFromTheMenu)
{
    Programm p(Optionen());
    p.starten(ordner.path());
    TMain* main = p.hauptfenster();
    auto fenster = [](const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name)) return w;
        return static_cast<QWidget*>(nullptr);
    };
    QWidget* steuerung = fenster("Steuerung");
    ASSERT_NE(steuerung, nullptr);
    EXPECT_FALSE(steuerung->isVisible());
    EXPECT_EQ(main->MBahnsteuerung->text(), QStringLiteral("Ba&hnsteuerung Ein     "));
    main->MBahnsteuerung->trigger();
    EXPECT_TRUE(steuerung->isVisible());
    EXPECT_EQ(steuerung->findChild<QWidget*>(QStringLiteral("BtnBahnEin"))->property("text"), QStringLiteral("Bahn Ein"));
    EXPECT_EQ(main->MBahnsteuerung->text(), QStringLiteral("Ba&hnsteuerung Aus    "));
    main->MBahnsteuerung->trigger();
    EXPECT_FALSE(steuerung->isVisible());
    EXPECT_EQ(main->MBahnsteuerung->text(), QStringLiteral("Ba&hnsteuerung Ein     "));
    // Brought to the front after a dialog only when it is open.
    bahnfenster().bahnsteuerungNachVorn();
    EXPECT_FALSE(steuerung->isVisible());

    QWidget* bahnen = fenster("Bahnen");
    ASSERT_NE(bahnen, nullptr);
    main->MBahnen->setEnabled(true);  // a lane in use enables it
    main->MBahnen->trigger();
    EXPECT_TRUE(bahnen->isVisible());
    EXPECT_EQ(AktivesFenster, FensterBahnuebersicht);
}

// No two buttons that a dialog shows share a mnemonic: its key would only
// move the focus between them.
TEST_F(ProgrammStart, NoTwoButtonsOfADialogShareAMnemonic)
{
    Programm p(Optionen());
    p.starten(ordner.path());
    ASSERT_TRUE(WettkampfAnlegen());
    for (int d = 0; d <= int(Dialog::Druckoptionen); ++d) {
        if (Dialog(d) == Dialog::MannschaftskarteLaden || Dialog(d) == Dialog::MannschaftskarteSpeichern)
            continue;  // only with a card reader
        ImDialog<QDialog>(p.hub(), [&] { return p.hub().dialog(Dialog(d), 1); }, [](QDialog& dlg) {
            QMap<QKeySequence, QString> knoepfe;
            for (const QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) {
                const QKeySequence taste = QKeySequence::mnemonic(b->text());
                if (!b->isVisible() || taste.isEmpty()) continue;
                EXPECT_FALSE(knoepfe.contains(taste))
                    << dlg.objectName().toStdString() << ": " << knoepfe[taste].toStdString() << ", " << b->text().toStdString();
                knoepfe[taste] = b->text();
            }
        });
    }
}
