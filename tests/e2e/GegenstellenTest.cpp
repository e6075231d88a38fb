// One match on the simulated alley, run by the program body as it starts
// (every seam, window and timer of the program, the lanes on Qt's virtual
// CAN bus), with outputs whose peers are silent, slow or late:
// - both lane monitors accept their connections and never answer;
// - the FTP server takes two seconds for every command, and the operator
//   typed the live folder as "/live" on a server whose login folder is a
//   user's home;
// - the printer of lanes 1 and 2 is switched on only when the operator is
//   asked about it (its device appears then); lanes 3 and 4 print on a
//   printer that is there from the start.
// The receive tick stays within one tick of its time all match long; no
// monitor waits for a message that a newer one of its kind replaces; every
// sheet comes out whole; the program ended at once after the game end
// still sends the final results to the server before it ends.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Records.h"
#include "core/SettingsFile.h"
#include "core/Zeitgeber.h"
#include "core/ui/Fensterhub.h"
#include "e2e/Spielaufbau.h"
#include "e2e/Spieltag.h"
#include "e2e/Wurfblattsoll.h"
#include "lanesim/VirtualCanBruecke.h"
#include "match/bus/CanKarte.h"
#include "match/dienste/Netzdienste.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Zeitgeberliste.h"
#include "match/ui/Startfenster.h"
#include "platform/AbfShutdown.h"
#include "platform/QtCanAdapter.h"
#include "report/netz/Nachrichtenversand.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/Internet.h"
#include "shell/ui/Main.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Programm.h"
#include "support/Ftpserver.h"
#include "support/ImDialog.h"
#include "support/Monitorgegenstelle.h"
#include "support/Programmordner.h"
#include "support/Taktmessung.h"
#include "support/VirtuellerBus.h"
#include "support/Warten.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr int EmpfangMs = 50;
// Receive ticks for the whole match, generous for a loaded machine.
constexpr long GrenzeSpiel = 12000;

// The printer resets in a stream, and the stream without them.
int Resets(const std::string& s)
{
    int n = 0;
    for (std::size_t i = s.find(Init); i != std::string::npos; i = s.find(Init, i + Init.size())) ++n;
    return n;
}
std::string OhneResets(std::string s)
{
    for (std::size_t i = s.find(Init); i != std::string::npos; i = s.find(Init, i)) s.erase(i, Init.size());
    return s;
}

// The window as a picture in SPIELTAG_BILDER, when it is set.
void Bild(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("SPIELTAG_BILDER");
    if (ordner.isEmpty() || !w) return;
    QDir().mkpath(ordner);
    w->grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

class Gegenstellen : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        ASSERT_TRUE(bus.laeuft());
        QString fehler;
        bruecke.setTaktMs(0);
        ASSERT_TRUE(bruecke.oeffnen(bus.schnittstelle(), &fehler)) << fehler.toStdString();
        for (int bahn = 1; bahn <= 4; ++bahn) sim.setSkript(bahn, WurfblattSkript(bahn));
    }

    void TearDown() override
    {
        bruecke.schliessen();
        ProgrammAbbauen();
        Programmordner::TearDown();
    }

    QString pfad(const QString& name) const { return QDir(ordner.path()).filePath(name); }

    // The program folder's settings: the virtual bus, two central printers
    // for the lane pairs, the two monitors, the FTP port.
    void einstellungen(quint16 ftpPort)
    {
        const QStringList zeilen{
            "[Ansicht]", "Statusleiste = True",
            "[Bahnsteuerung]", "Bahnen = 4", "PcEinheit = 2", "BahnSteuerung = 1", "TimeoutBahnw = 2",
            "DrEinschalten = True",
            "Schnittstelle1 = 1", "DrBahnVon1 = 1", "DrBahnBis1 = 2", "DrTimer1 = 1",
            "Schnittstelle2 = 2", "DrBahnVon2 = 3", "DrBahnBis2 = 4", "DrTimer2 = 1",
            "StartFeed1 = 60", "EndFeed1 = 90", "FormFeed1 = True",
            "StartFeed2 = 60", "EndFeed2 = 90", "FormFeed2 = True",
            "DruckerGeraetLpt1 = " + pfad("usb/lp0"), "DruckerGeraetLpt2 = " + pfad("lp1"),
            "[CanBus]", "CanBusKarte = 1", "CanSchnittstelle = " + bus.schnittstelle(),
            "[System]", "MonitorAnzeige = True",
            "ExportTcpOn1 = True", "ExportAdresse1 = 127.0.0.2",
            "ExportTcpOn2 = True", "ExportAdresse2 = 127.0.0.3",
            "[Internet]", "FtpPort = " + QString::number(ftpPort)};
        ASSERT_TRUE(TextdateiSchreiben(pfad("Bravolin.inf"), zeilen));
    }

    VirtuellerBus bus;
    Bahnsimulator sim{SimVorgaben(4, 10, 0, 45)};
    VirtualCanBruecke bruecke{sim};
    QtCanAdapter adapter;
    FakeAbschaltung abschaltung;
};

TEST_F(Gegenstellen, SilentMonitorsASlowFtpServerAndALatePrinterHoldNothingUpAndLoseNothing)
{
    FtpTestserver ftp({QStringLiteral("--heimordner"), QStringLiteral("heim"), QStringLiteral("--verzoegerung"),
                       QStringLiteral("2")});
    ASSERT_NE(ftp.port, 0) << "the FTP server did not start (python3-pyftpdlib)";
    Monitorgegenstelle monitor1(Monitorgegenstelle::Stumm, QStringLiteral("127.0.0.2"));
    ASSERT_TRUE(monitor1.server.isListening());
    Monitorgegenstelle monitor2(Monitorgegenstelle::Stumm, QStringLiteral("127.0.0.3"), monitor1.port());
    ASSERT_TRUE(monitor2.server.isListening());
    ASSERT_NO_FATAL_FAILURE(einstellungen(ftp.port));

    // Outlive the program, whose receive tick uses them.
    Taktmessung messung(EmpfangMs);
    std::function<void()> beobachter;
    long takte = 0;
    bool frageGesehen = false;
    Programm programm({&adapter, &abschaltung, 1280, 1});
    EXPECT_EQ(programm.starten(ordner.path()), QStringList{});
    ASSERT_EQ(CanAktiv, 1) << CanEinstellungen.StatusText.toStdString();
    TMain& main = *programm.hauptfenster();
    auto* netzmodul = dynamic_cast<Netzmodul*>(&netz());
    ASSERT_NE(netzmodul, nullptr);
    netzmodul->nachrichten().setPort(monitor1.port());
    // Each message waits 3 s for its answer instead of 20 s, so that the
    // silent monitors' messages also end within the test.
    netzmodul->nachrichten().setZeitlimit(3000);
    // The questions of the match's start and end answered as scripted.
    setBoxen(&skriptBoxen());

    // The receive tick of the program, measured, and the lanes behind it
    // advancing one tick with each.
    ASSERT_TRUE(messung.moeglich());
    ASSERT_EQ(Timer3().interval(), EmpfangMs);
    Timer3().setJob([&] {
        // The gap in which the operator's printer prompt came up is the
        // dialog's, not an output's.
        const bool frage = qobject_cast<TPruefen*>(QApplication::activeModalWidget()) != nullptr;
        messung.takt(!frage || frageGesehen);
        frageGesehen = frage;
        Timer3Go();
        ++takte;
        bruecke.takt();
        if (beobachter) beobachter();
    });

    // The match: two lane pairs, the throw-sheet match of the printer tests.
    main.MNeu->trigger();
    ASSERT_NE(AktWettkampf, nullptr);
    TWettkampfDaten& m = *AktWettkampf;
    Spielart art;
    art.ersteBahn = 1, art.letzteBahn = 4;
    art.volle = 2, art.abraeumen = 1;
    ASSERT_TRUE(WettkampfEinrichten(art));
    WurfblattspielBelegen(m, 2);
    m.DrZweiBahnen = 1, m.DrEinzelbahn = 0;
    // Live results to "/live", from the internet window.
    ImDialog<TInternet>(programm.hub(), [&] {
        main.MInternetKonfiguration->trigger();
        return true;
    }, [&](TInternet& d) {
        LiveErgebnisseEintragen(d, QStringLiteral("/live"));
        d.BtnOk->click();
    });
    ASSERT_EQ(m.FtpUpdate, 1);
    ASSERT_TRUE(main.MMonitorEinschalten->isEnabled());
    main.MMonitorEinschalten->trigger();
    ASSERT_TRUE(m.MonitoreEin);

    // Along the match: the lanes' keys, the operator at the printer prompt,
    // and the monitors' queues.
    std::array<bool, 5> gedrueckt{};
    int druckerfragen = 0;
    QStringList veraltet;
    beobachter = [&] {
        for (int bahn : {1, 3})
            if (!gedrueckt[std::size_t(bahn)] && sim.teile(bahn).size() == 1 &&
                sim.teile(bahn).back().wuerfe.size() == 2) {
                gedrueckt[std::size_t(bahn)] = true;
                sim.taste(bahn, 'q');
            }
        // The printer prompt is modal; the ticks go on in its loop. The
        // operator switches the printer on and chooses "Prüfen".
        if (auto* frage = qobject_cast<TPruefen*>(QApplication::activeModalWidget()); frage && frage->isVisible()) {
            if (++druckerfragen == 1) Bild(frage, QStringLiteral("20-druckerfrage"));
            QDir().mkpath(pfad("usb"));
            frage->BtnPruefen->click();
        }
        // Of each kind, only the newest message waits for its monitor.
        const auto wartende = netzmodul->nachrichten().wartende();
        for (auto h = wartende.begin(); h != wartende.end(); ++h) {
            QSet<QByteArray> arten;
            for (const WartendeNachricht& n : h.value()) {
                if (n.unterwegs || n.schluessel.isEmpty()) continue;
                if (arten.contains(n.schluessel)) veraltet << h.key() + QLatin1Char(' ') + QString::fromLatin1(n.schluessel);
                arten.insert(n.schluessel);
            }
        }
    };

    skriptBoxen().antworten = {ErgebnisJa};
    ASSERT_TRUE(main.MSpielStart->isEnabled());
    main.MSpielStart->trigger();
    messung = Taktmessung(EmpfangMs);  // from the start on, the operator's set-up aside
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Spiel starten ? ")});
    skriptBoxen().gezeigt.clear();
    ASSERT_TRUE(warten([&] { return m.Beendet != 0 || takte > GrenzeSpiel; }, 30 * 60 * 1000))
        << "Durchgang " << int(m.Durchgang);
    ASSERT_NE(m.Beendet, 0) << "Durchgang " << int(m.Durchgang);
    EXPECT_TRUE(warten([&] { return PcDruckAusstehend == 0; }, 60000));

    Bild(&main, QStringLiteral("21-hauptfenster-stumme-monitore"));

    // The receive tick held its time while the monitors were silent, the
    // server slow and the printer missing.
    EXPECT_GT(messung.takte(), 100);
    EXPECT_LT(messung.groessteVerspaetungMs(), EmpfangMs) << messung.groessteBeschreibung().toStdString();
    EXPECT_TRUE(veraltet.isEmpty()) << veraltet.join(u',').toStdString();
    EXPECT_GT(netzmodul->nachrichten().ersetzt(), 0u);  // the silent monitors did get newer messages
    EXPECT_GT(netzmodul->uebersprungeneLiveStaende(), 0);  // and the slow server newer snapshots
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();

    // Every sheet whole: the late printer's after the operator's "Prüfen",
    // which may reset it once more each time. A sheet takes each lane's throws
    // as they are booked, and the load of the machine decides which lane of
    // a pair books first: the paper must show the sheet, whatever the order.
    EXPECT_GE(druckerfragen, 1);
    QFile lp0(pfad("usb/lp0")), lp1(pfad("lp1"));
    ASSERT_TRUE(lp0.open(QIODevice::ReadOnly));
    ASSERT_TRUE(lp1.open(QIODevice::ReadOnly));
    const std::string erster = lp0.readAll().toStdString(), zweiter = lp1.readAll().toStdString();
    const int resets = Resets(erster) - Resets(ZweiBahnenblatt(1, 1, 9));
    EXPECT_GE(resets, 0);
    EXPECT_LE(resets, druckerfragen);
    EXPECT_EQ(Druckbild(OhneResets(erster)), Druckbild(OhneResets(ZweiBahnenblatt(1, 1, 9)))) << Hex(erster);
    EXPECT_EQ(Druckbild(zweiter), Druckbild(ZweiBahnenblatt(3, 2, 10))) << Hex(zweiter);

    // The program ended at once from its menu: the final results still
    // reach the slow server before the main loop returns.
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisNein};
    EXPECT_EQ(ImHauptloopBeenden(main.MProgrammEnde, [] {
        if (auto* ende = qobject_cast<TProgende*>(QApplication::activeModalWidget())) ende->BtnJa->click();
    }, 10 * 60 * 1000), 0);
    EXPECT_TRUE(abschaltung.aufrufe.isEmpty());

    // "/live" from the server's root, not from the login folder; the last
    // snapshot carries the final totals, worked out from the scripts: each
    // home player 22 Volle, 14 Abräumen, a miss, 36; each guest 23, 7, 1, 30
    // (totals as the records' four digits).
    EXPECT_FALSE(QFileInfo::exists(ftp.datei(QStringLiteral("heim/live"))));
    const auto [heim, gast] = LiveSeiten(ftp.datei(QStringLiteral("live/Update.csv")));
    ASSERT_FALSE(heim.isEmpty()) << ftp.zeilen().join(u'|').toStdString();
    EXPECT_EQ(heim.mid(1, 4), (QList<QByteArray>{"44", "28", "2", "0072"}));
    EXPECT_EQ(gast.mid(1, 4), (QList<QByteArray>{"46", "14", "2", "0060"}));
}

}  // namespace
