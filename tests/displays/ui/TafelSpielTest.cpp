// The result board on the second of two screens (the target's offscreen
// screen layout), switched on while a match is played on the simulated
// alley: it shows the match's results as the throws come in, and a picture
// advert between them. With CORVALINK_BILDER set, the board's pictures are
// saved into that folder.
#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Fensterregistrierung.h"
#include "e2e/Spielaufbau.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/flow/Spielablauf.h"
#include "support/Warten.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

void Bild(QWidget* w, const char* name)
{
    if (const QString ordner = qEnvironmentVariable("CORVALINK_BILDER"); !ordner.isEmpty())
        w->grab().save(QDir(ordner).filePath(QLatin1String(name)));
}

TEST(Tafelspiel, BoardOnTheSecondScreenShowsTheMatchAndItsAdverts)
{
    const QList<QScreen*> schirme = QGuiApplication::screens();
    ASSERT_EQ(schirme.size(), 2) << "the test runs with two offscreen screens";

    Anlage anlage(SimVorgaben(5, 40, 40, 2026));
    ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 14), QTime(19, 30)));
    ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    Spielart a;
    a.volle = a.abraeumen = 15;
    a.durchgaenge = 4;
    a.spielmodus = 3;
    a.spieleranzahl = 6;
    a.punktespiel = true;
    TWettkampfDaten* m = WettkampfAufbauen(a);
    ASSERT_TRUE(m);

    // One picture advert for every phase, 4 seconds up after 4 seconds of results.
    QTemporaryDir daten;
    ASSERT_TRUE(daten.isValid());
    const QString datenVorher = Datenverzeichnis;
    Datenverzeichnis = daten.path();
    QImage werbung(1280, 720, QImage::Format_RGB32);
    werbung.fill(QColor(200, 30, 30));
    const QString bild = daten.filePath(QStringLiteral("Kegelwerbung.jpg"));
    ASSERT_TRUE(werbung.save(bild));
    ASSERT_TRUE(TextdateiSchreiben(daten.filePath(QStringLiteral("Grossanz.inf")), {QStringLiteral("Pause")}, nullptr));
    ASSERT_TRUE(TextdateiSchreiben(daten.filePath(QStringLiteral("Grossanz0.dat")),
                                   {QStringLiteral("Kegelwerbung;") + bild + QStringLiteral(";125;4;4")}, nullptr));
    Einst.GrossAnzeige = true;
    m->GrossanzWerbung.Index = 0;
    m->GrossanzWerbung.Werbung = 1;

    Fensterhub hub;
    FensterDiensteEinsetzen hubEin(&hub);
    DisplaysFensterRegistrieren(hub);
    Displaydienste dienste;
    AnzeigeDiensteEinsetzen dienstEin(&dienste);

    SpielStarten(*m);
    ASSERT_TRUE(anlage.bis([m] { return m->Heim.Wuerfe.Zahl >= 20; }));

    // "Großanzeige -> Einschalten": the board opens on the second screen.
    GrossanzEinschalten();
    ASSERT_TRUE(hub.anzeigefensterOffen());
    auto* tafel = qobject_cast<TAnzeigefenster*>(hub.anzeigefenster());
    ASSERT_TRUE(tafel);
    EXPECT_EQ(tafel->geometry(), schirme[1]->geometry());
    EXPECT_EQ(tafel->screen(), schirme[1]);
    EXPECT_EQ(tafel->objectName(), QStringLiteral("AnzeigeGross"));
    EXPECT_TRUE(tafel->LHeim->text().contains(QStringLiteral("KSC Ahorn 1")));
    EXPECT_TRUE(tafel->PErgebnis->isVisible());

    // The throws keep coming: the board follows the side's total.
    ASSERT_TRUE(anlage.bis([m] { return m->Heim.Wuerfe.Zahl >= 60; }));
    EXPECT_EQ(tafel->LHeimTotal->text().trimmed().toInt(), m->Heim.Total.Zahl);
    Bild(tafel, "tafel-ergebnis.png");

    // Two-second ticks: after 4 seconds the advert is up (the picture once
    // the worker has read it), 4 seconds later the results are back.
    int takte = 0;
    while (!m->GrossanzWerbung.Zustand && takte < 10) {
        grossanzsteuerung().werbungTakt();
        ++takte;
    }
    EXPECT_EQ(takte, 2);
    ASSERT_TRUE(warten([tafel] { return tafel->PWerbung->isVisible(); }));
    EXPECT_FALSE(tafel->PErgebnis->isVisible());
    Bild(tafel, "tafel-werbung.png");
    takte = 0;
    while (!tafel->PErgebnis->isVisible() && takte < 10) {
        grossanzsteuerung().werbungTakt();
        ++takte;
    }
    EXPECT_EQ(takte, 2);

    // To the end of the match: the board shows the final totals.
    ASSERT_TRUE(anlage.bis([m] { return m->Beendet != 0; }, 200000));
    EXPECT_EQ(tafel->LHeimTotal->text().trimmed().toInt(), m->Heim.Total.Zahl);
    EXPECT_EQ(tafel->LGastTotal->text().trimmed().toInt(), m->Gast.Total.Zahl);
    Bild(tafel, "tafel-ende.png");

    hub.anzeigefensterSchliessen();
    grossanzsteuerung().TimerWerbung.setEnabled(false);
    Datenverzeichnis = datenVorher;
    ProgrammAbbauen();
}

}  // namespace
