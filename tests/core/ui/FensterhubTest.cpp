#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Testfenster : QWidget, HubFenster {
    explicit Testfenster(QWidget* eltern) : QWidget(eltern) {}
    int aufbau = 0;
    QList<int> spieler;
    void aktualisieren() override { ++aufbau; }
    void spielerAktualisieren(int nr) override { spieler << nr; }
};

void loeschenAusfuehren() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class Fensterhub : public testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); AnzeigezustandZuruecksetzen(); }
    void TearDown() override { SetUp(); }

    // A factory of test windows that counts its calls.
    ::Fensterhub::Fabrik zaehlend(int& anzahl, QPointer<Testfenster>* letztes = nullptr)
    {
        return [&anzahl, letztes](QWidget* eltern) {
            ++anzahl;
            auto* w = new Testfenster(eltern);
            if (letztes) *letztes = w;
            return w;
        };
    }

    ::Fensterhub hub;
};

// A second open raises the window and builds it anew instead of creating
// another; refreshes reach it; closing forgets it and frees it.
TEST_F(Fensterhub, OpenRaisesRefreshesAndCloseForgets)
{
    QMdiArea area;
    area.show();
    hub.setMdiArea(&area);
    int ergebnis = 0, wettkampf = 0;
    QPointer<Testfenster> w;
    hub.registrieren(MdiFenster::Ergebnis, zaehlend(ergebnis, &w));
    hub.registrieren(MdiFenster::Wettkampf, zaehlend(wettkampf));
    hub.registrieren(MdiFenster::Spielbericht, [](QWidget* e) { return new QWidget(e); });  // no HubFenster

    hub.oeffnen(MdiFenster::Ergebnis);
    ASSERT_TRUE(w);
    hub.oeffnen(MdiFenster::Spielbericht);
    hub.oeffnen(MdiFenster::Wettkampf);
    hub.aktualisieren(MdiFenster::Ergebnis);
    hub.spielerAktualisieren(MdiFenster::Ergebnis, 7);
    hub.aktualisieren(MdiFenster::Spielbericht);

    hub.oeffnen(MdiFenster::Ergebnis);
    EXPECT_EQ(ergebnis, 1);
    EXPECT_EQ(hub.mdiFenster(MdiFenster::Ergebnis), w.data());
    EXPECT_EQ(area.activeSubWindow()->widget(), w.data());
    EXPECT_EQ(area.subWindowList().size(), 3);
    EXPECT_EQ(w->aufbau, 3);
    EXPECT_EQ(w->spieler, QList<int>{7});

    hub.schliessen(MdiFenster::Ergebnis);
    EXPECT_FALSE(hub.offen(MdiFenster::Ergebnis));
    loeschenAusfuehren();
    EXPECT_FALSE(w);
}

TEST_F(Fensterhub, CaptionsFromTheTeamNames)
{
    int n = 0;
    for (MdiFenster f : {MdiFenster::Wettkampf, MdiFenster::Ergebnis, MdiFenster::Spielbericht})
        hub.registrieren(f, zaehlend(n));
    AktWettkampf = &Wettkaempfe[1];
    AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("SKC Mörfelden"));
    AktWettkampf->Gastmannschaft = "KV Neuhof";
    AktSpielerNr = 5;

    for (auto [f, titel] : {std::pair{MdiFenster::Wettkampf, ""}, {MdiFenster::Ergebnis, "Ergebnistafel  "},
                            {MdiFenster::Spielbericht, "Spielbericht  "}}) {
        hub.oeffnen(f);
        EXPECT_EQ(hub.mdiFenster(f)->windowTitle(), titel + QStringLiteral("SKC Mörfelden - KV Neuhof"));
    }
    EXPECT_EQ(AktSpielerNr, 0);

    // raising renames it; only the match window resets the player
    AktWettkampf = nullptr;
    AktSpielerNr = 3;
    hub.oeffnen(MdiFenster::Ergebnis);
    EXPECT_EQ(hub.mdiFenster(MdiFenster::Ergebnis)->windowTitle(), QStringLiteral("Ergebnistafel  "));
    EXPECT_EQ(AktSpielerNr, 3);
}

TEST_F(Fensterhub, UnregisteredWindowsDoNothing)
{
    const auto vorher = QApplication::topLevelWidgets().size();
    hub.oeffnen(MdiFenster::Spielbericht);
    hub.aktualisieren(MdiFenster::Spielbericht);
    hub.spielerAktualisieren(MdiFenster::Spielbericht, 1);
    hub.schliessen(MdiFenster::Spielbericht);
    EXPECT_FALSE(hub.offen(MdiFenster::Spielbericht));
    EXPECT_FALSE(hub.erzeugen(KonfigFenster::Namenanz));
    EXPECT_FALSE(hub.dialog(Dialog::Export));
    Einst.GrossAnzeige = true;
    hub.setZweiterBildschirm(QRect(0, 0, 1280, 1024));
    hub.anzeigefensterOeffnen();
    EXPECT_FALSE(hub.anzeigefensterOffen());
    hub.statusText(1, QStringLiteral("x"));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), vorher);
}

TEST_F(Fensterhub, WindowClosedByTheUserIsCreatedAgain)
{
    QMdiArea area;
    for (QMdiArea* a : {static_cast<QMdiArea*>(nullptr), &area}) {
        ::Fensterhub h;
        h.setMdiArea(a);
        int n = 0;
        QPointer<Testfenster> w;
        h.registrieren(MdiFenster::Ergebnis, zaehlend(n, &w));
        h.oeffnen(MdiFenster::Ergebnis);
        ASSERT_TRUE(w);
        (a ? static_cast<QWidget*>(a->subWindowList().value(0)) : w.data())->close();
        loeschenAusfuehren();
        EXPECT_FALSE(w);
        EXPECT_FALSE(h.offen(MdiFenster::Ergebnis));
        h.oeffnen(MdiFenster::Ergebnis);
        EXPECT_EQ(n, 2);
        EXPECT_TRUE(h.offen(MdiFenster::Ergebnis));
    }
}

// The board of the second screen's class, small below 1024 pixels.
TEST_F(Fensterhub, BoardOpenRebuildRefreshAndClose)
{
    for (auto [breite, klasse] : {std::pair{1023, Anzeigefenster::Klein}, {1024, Anzeigefenster::Gross}})
        EXPECT_EQ(AnzeigeKlasse(breite), klasse) << breite;
    struct Fall {
        QRect bildschirm;
        int klein, gross;
    };
    for (const Fall& f : {Fall{QRect(0, 0, 800, 600), 1, 0}, Fall{QRect(800, 0, 1280, 1024), 0, 1}}) {
        int klein = 0, gross = 0, danach = 0;
        QPointer<Testfenster> w;
        hub.registrieren(Anzeigefenster::Klein, zaehlend(klein, &w));
        hub.registrieren(Anzeigefenster::Gross, zaehlend(gross, &w));
        hub.nachAnzeigeOeffnen = [&] { ++danach; };
        hub.setZweiterBildschirm(f.bildschirm);
        AktWettkampf = &Wettkaempfe[2];

        Einst.GrossAnzeige = false;
        hub.anzeigefensterOeffnen();
        EXPECT_FALSE(hub.anzeigefensterOffen());

        Einst.GrossAnzeige = true;
        hub.anzeigefensterOeffnen();
        ASSERT_TRUE(w);
        // Opened again for another match: the same window shows it, rebuilt.
        w->hide();
        AktWettkampf = &Wettkaempfe[5];
        hub.anzeigefensterOeffnen();
        EXPECT_EQ(w->aufbau, 1);
        EXPECT_EQ(klein, f.klein);
        EXPECT_EQ(gross, f.gross);
        EXPECT_EQ(danach, 2);
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->geometry(), f.bildschirm);
        EXPECT_EQ(AnzeigeWettkampf, &Wettkaempfe[5]);

        hub.anzeigefensterAufbauen();
        hub.anzeigefensterSpielerAktualisieren(12);
        EXPECT_EQ(w->aufbau, 2);
        EXPECT_EQ(w->spieler, QList<int>{12});

        hub.anzeigefensterSchliessen();
        EXPECT_FALSE(w);
        EXPECT_EQ(AnzeigeWettkampf, nullptr);
    }
}

TEST_F(Fensterhub, DialogOkRunsHandlerBeforeFreeing)
{
    QPointer<QDialog> erzeugt;
    QList<int> seiten;
    bool lebteBeiOk = false, optionenBeiOk = false;
    hub.registrieren(
        Dialog::Optionen,
        [&](QWidget* e) { return erzeugt = new QDialog(e); },
        [&](QDialog* d, int seite) {
            seiten << seite;
            lebteBeiOk = erzeugt && d == erzeugt;
            optionenBeiOk = hub.OptionenFenster == d && hub.AktDialog == d;
        });

    QTimer::singleShot(0, qApp, [&] { hub.AktDialog->accept(); });
    EXPECT_TRUE(hub.dialog(Dialog::Optionen, 2));
    EXPECT_EQ(seiten, QList<int>{2});
    EXPECT_TRUE(lebteBeiOk);
    EXPECT_TRUE(optionenBeiOk);
    EXPECT_FALSE(erzeugt);
    EXPECT_FALSE(hub.OptionenFenster);

    QTimer::singleShot(0, qApp, [&] { hub.AktDialog->reject(); });
    EXPECT_FALSE(hub.dialog(Dialog::Optionen, 1));
    EXPECT_EQ(seiten, QList<int>{2});
    EXPECT_FALSE(hub.AktDialog);
}

TEST_F(Fensterhub, FtpServerDialogAndNestedDialog)
{
    QPointer<QDialog> aussen;
    bool ftpGesetzt = false, innenEigener = false, aussenZurueck = false;
    hub.registrieren(Dialog::CanTiming, [](QWidget* e) { return new QDialog(e); });
    hub.registrieren(Dialog::FtpServer, [](QWidget* e) { return new QDialog(e); });
    QTimer::singleShot(0, qApp, [&] {
        aussen = hub.AktDialog;
        ftpGesetzt = aussen && hub.FtpServerFenster == aussen;
        QTimer::singleShot(0, qApp, [&] {
            innenEigener = hub.AktDialog && hub.AktDialog != aussen && hub.FtpServerFenster == aussen;
            hub.AktDialog->accept();
        });
        hub.dialog(Dialog::CanTiming);
        aussenZurueck = hub.AktDialog == aussen;
        aussen->reject();
    });
    EXPECT_FALSE(hub.dialog(Dialog::FtpServer));
    EXPECT_TRUE(ftpGesetzt);
    EXPECT_TRUE(innenEigener);
    EXPECT_TRUE(aussenZurueck);
    EXPECT_FALSE(hub.FtpServerFenster);
    EXPECT_FALSE(hub.AktDialog);
}

TEST_F(Fensterhub, MainWindowCallsForwardedAndInstallation)
{
    QList<std::pair<int, QString>> texte;
    int menue = 0;
    hub.statusTextSetzen = [&](int p, const QString& t) { texte.append({p, t}); };
    hub.menueAktualisieren = [&] { ++menue; };
    {
        ::Fensterhub zweiter;
        setFensterDienste(&hub);
        fenster().statusText(2, QStringLiteral("Bahn 3 bereit"));
        fenster().hauptmenueAktualisieren();
    }
    EXPECT_EQ(&fenster(), &hub);  // another hub's end leaves it installed
    EXPECT_EQ(texte, (QList<std::pair<int, QString>>{{2, QStringLiteral("Bahn 3 bereit")}}));
    EXPECT_EQ(menue, 1);
    {
        ::Fensterhub eigener;
        setFensterDienste(&eigener);
    }
    fenster().statusText(1, QStringLiteral("x"));
    EXPECT_EQ(texte.size(), 1);
}

}  // namespace
