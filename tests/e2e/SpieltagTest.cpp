// A whole match day in one process, through the program's own windows: two
// matches set up in the match window (the first one's home side typed, its
// guests taken from the player database; the second one's home side typed,
// its guests read from their team card in a simulated reader), started from
// the main window and played by the lane simulator over Qt's virtual CAN bus
// with the program's timers running; a throw corrected, a lane stopped and
// started again and a substitute brought in, all in the correction panel
// while the first one plays; the first one's name boards, team board, two
// lane monitors and result board (on the second screen) switched on from the
// menu, the live results uploaded to a local FTP server, the web site
// created there and shown in Chromium, the report printed into a PDF file
// and mailed to a local SMTP sink, both matches saved and loaded back, and
// the program ended from its menu. Every count is checked against the lanes'
// own tally, the points against a recount from the players' results, and
// the boards, monitors, board window and web page against the record.
//
// With SPIELTAG_BILDER naming a folder, each window is saved there as a
// picture along the way (scripts/spieltag).

#include "competition/Chipkarte.h"
#include "competition/Mannschaftskarte.h"
#include "competition/Spieldatei.h"
#include "competition/Spielerdatenbank.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Laden.h"
#include "competition/ui/Speichern.h"
#include "competition/ui/Wettkampf.h"
#include "competition/ui/Wettkoptionen.h"
#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/Zeitgeber.h"
#include "core/ui/Drucker.h"
#include "core/ui/Fensterhub.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/Mannschaftsanzeige.h"
#include "displays/Namenanzeige.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Fensterregistrierung.h"
#include "e2e/Busbetrieb.h"
#include "e2e/Spielaufbau.h"
#include "e2e/Spieltag.h"
#include "match/engine/Punkte.h"
#include "match/flow/Spielablauf.h"
#include "match/ui/Korrektur.h"
#include "platform/AbfShutdown.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/ui/Berichtsvorschau.h"
#include "platform/bericht/ui/QtBerichtsoberflaeche.h"
#include "report/netz/Nachrichtenversand.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/Berichtausgabe.h"
#include "report/ui/EmailSenden.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/Internet.h"
#include "report/ui/SpFormular.h"
#include "shell/ui/Main.h"
#include "shell/ui/Progende.h"
#include "support/Bildtext.h"
#include "support/Chromium.h"
#include "support/Ftpserver.h"
#include "support/ImDialog.h"
#include "support/Pdf.h"
#include "support/Klicken.h"
#include "support/Smtpsenke.h"
#include "support/Warten.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// A whole match in receive ticks.
constexpr long GrenzeSpiel = 40000;
constexpr int Gruppen = 5;
constexpr int Volle = 15, Abraeumen = 15;
// Characters of the name boards and the team board.
constexpr int TafelBreite = 11;

// A part: a Volle group and an Abräumen group, each thrown five times, and
// what it counts, by hand.
struct Teilart {
    const char* volle;
    const char* abr;
    int holz;
    int fehler;
};
const Teilart Teile[] = {
    {"9 9 9", "X X X", 135 + 135, 0},  // 27 a group both ways
    {"9 8 7", "7 2 X", 120 + 90, 0},   // 24, 18
    {"7 7 7", "3 3 3", 105 + 45, 0},   // 21, 9
    {"8 8 8", "6 3 9", 120 + 90, 0},   // 24, 18
    {"6 6 6", "5 4 0", 90 + 45, 5},    // 18, 9 with a miss
    {"9 0 9", "4 4 X", 90 + 45, 5},    // 18 with a miss, 9 ("X" clears the last pin)
};

// The part player nr throws in his round block d.
const Teilart& TeilVon(int nr, int d) { return Teile[nr <= 8 ? (nr + d) % 6 : (nr + 2 * d + 1) % 6]; }

QString Wurftext(const Teilart& t) { return Teilskript(t.volle, t.abr, Gruppen); }

// A side's pins as the scripts throw them, by the table above.
int Seitenholz(const Startplan& plan, bool heim)
{
    std::map<int, int> bloecke;
    for (const auto& runde : plan)
        for (int nr : runde) ++bloecke[nr];
    int holz = 0;
    for (const auto& [nr, n] : bloecke)
        if ((nr <= 8) == heim)
            for (int d = 1; d <= n; ++d) holz += TeilVon(nr, d).holz;
    return holz;
}

// A starting player's points recounted from his and his opponent's block
// totals: a set point for the more pins in a block (half on a tie), the
// match point for more set points, on equal set points for more pins (half
// on a tie). A substitute's blocks count for the duel of the player he
// replaced, so each block sums the starting player's chain (ErsetztDurch).
struct Punkte {
    float sap = 0, map = 0;
    int holz = 0;
};
std::vector<const TSpielerEintrag*> Kette(const TWettkampfDaten& m, int nr)
{
    std::vector<const TSpielerEintrag*> k{&m.Spieler[nr]};
    while (k.size() < 3 && k.back()->ErsetztDurch) k.push_back(&m.Spieler[k.back()->ErsetztDurch]);
    return k;
}
Punkte Nachzaehlen(const TWettkampfDaten& m, int nr, int gegnerNr)
{
    const auto p = Kette(m, nr), gegner = Kette(m, gegnerNr);
    const auto block = [](const std::vector<const TSpielerEintrag*>& k, int d, bool& gespielt) {
        int holz = 0;
        for (const TSpielerEintrag* s : k) {
            holz += s->Durchgang[d].Total.Zahl;
            gespielt = gespielt || s->Durchgang[d].Bahn;
        }
        return holz;
    };
    Punkte x, y;
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        bool gespielt = false, egal = false;
        const int ha = block(p, d, gespielt), hb = block(gegner, d, egal);
        if (!gespielt) continue;
        x.sap += ha > hb ? 1.f : ha == hb ? 0.5f : 0.f;
        y.sap += hb > ha ? 1.f : ha == hb ? 0.5f : 0.f;
        x.holz += ha;
        y.holz += hb;
    }
    x.map = x.sap > y.sap ? 1.f : x.sap < y.sap ? 0.f : x.holz > y.holz ? 1.f : x.holz == y.holz ? 0.5f : 0.f;
    return x;
}

// The guests' team card of match B, as their club's program wrote it:
// their club and four players (texts in Windows-1252).
TMannschaftskartenDaten Gastkarte()
{
    TMannschaftskartenDaten d;
    d.Club = "TSV Buche";
    d.MannschaftNr = "2";
    d.Spieleranzahl = 4;
    const char* namen[] = {"Karl Kiefer", "Lena Linde", "Max M\xF6hre", "Nora Nu\xDF"};
    for (int p = 1; p <= 4; ++p) {
        d.Spieler[p].Name = namen[p - 1];
        d.Spieler[p].Passnummer = QByteArray::number(7200 + p);
    }
    return d;
}

// A card put into the simulated reader: its file, 8,192 units little-endian.
bool KarteEinschieben(const QString& pfad, const TMannschaftskartenDaten& d)
{
    Kartenbild bild{};
    MannschaftskarteSchreiben(d, bild);
    QByteArray bytes;
    for (int i = 0; i < KartenEinheiten; ++i) bytes.append(char(bild[i] & 0xFF)).append(char(bild[i] >> 8));
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class Spieltag : public Busbetrieb {
protected:
    Spieltag() : Busbetrieb(38) {}

    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 14), QTime(19, 30, 0)));
        m_daten = Datenverzeichnis;
        m_programm = Programmverzeichnis;
        Datenverzeichnis = ordner.filePath(QStringLiteral("daten"));
        QDir().mkpath(Datenverzeichnis);
        Programmverzeichnis = ordner.path();
        ASSERT_NO_FATAL_FAILURE(busEinrichten());

        // Two throw presets: 15 + 15 in start-order mode 3 on four lanes, mode 2 on two.
        WurfvorwListe = {QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4"),
                         QStringLiteral("60 Wurf;15;15;12;2;;;Bahn 1 bis 2")};
        // The player database on file: the guests of the first match.
        Einst.DatenbankPfad = ordner.path();
        Spielertabelle t;
        std::vector<SpielerZeile> zeilen;
        for (int i = 0; i < 6; ++i) {
            SpielerZeile z;
            z[0] = "KSV Eiche";
            z[1] = QByteArray(Gaeste[i]);
            z[2] = QByteArray::number(5100 + i);
            zeilen.push_back(z);
        }
        t.setZeilen(zeilen);
        ASSERT_TRUE(SpielerdatenbankSchreiben(ordner.filePath(QStringLiteral("Spieler.xrs")), t).ok);
        Spielerdatenbank().setZeilen({});

        // Name boards and one team board, the lane monitors and the result board.
        // The boards share the bus with the lanes: at the lanes' pace here the
        // send pump takes a frame of every queue each tick ("multiple Messages"),
        // else the board frames hold back the last lanes' commands.
        Einst.CanSendType = 1;
        Einst.NamenanzOn = true;
        Einst.NamenAnzeigeDig = TafelBreite;
        Einst.NaSaPWechsel = false;
        Einst.MannschanzOn = true;
        Einst.MannschAnzeigeDig = TafelBreite;
        Einst.MannschAnzeigeAnz = 1;
        Einst.Punkteanzeige = false;
        Einst.MonitorAnzeige = true;
        Einst.GrossAnzeige = true;
        // The chip-card reader as the program's start opens it: a simulated
        // one, whose card is in while its file exists.
        karte = ordner.filePath(QStringLiteral("karte.bin"));
        Einst.Chipkarte = 1;
        Einst.ChipkarteSchnittstelle = QStringLiteral("datei:") + karte;
        KartenleserOeffnen();
        ASSERT_TRUE(KartenleserAktiv) << KartenStatusText.toStdString();
        // The sample web site beside the data, as the program folder gets it.
        for (const QString& f : QDir(QStringLiteral(SITE_ORDNER)).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(QStringLiteral(SITE_ORDNER "/") + f, QDir(Datenverzeichnis).filePath(f)));

        CompetitionFensterRegistrieren(hub);
        ReportFensterRegistrieren(hub);
        DisplaysFensterRegistrieren(hub);
        berichtausgabeZustand.vorDruckauftrag = [this](QPrinter& p) {
            pdf = ordner.filePath(QStringLiteral("Bericht.pdf"));
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
        };
        DruckdialogSetzen([this](QPrinter& p, QWidget*) {
            pdf = ordner.filePath(QStringLiteral("Bericht.pdf"));
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
    }

    void TearDown() override
    {
        DruckdialogSetzen({});
        KartenleserSchliessen();
        hub.anzeigefensterSchliessen();
        for (Zeitgeber* t : {&grossanzsteuerung().TimerWerbung, &namenanzsteuerung().TimerWechsel,
                             &namenanzsteuerung().TimerWerbung, &mannschaftsanzsteuerung().TimerWechsel})
            t->setEnabled(false);
        berichtausgabeZustand.zuruecksetzen();
        Spielerdatenbank().setZeilen({});
        ProgrammAbbauen();
        busAbbauen();
        Datenverzeichnis = m_daten;
        Programmverzeichnis = m_programm;
    }

    // The window as a picture in SPIELTAG_BILDER, when it is set.
    static void bild(QWidget* w, const QString& name)
    {
        const QString ordner = qEnvironmentVariable("SPIELTAG_BILDER");
        if (ordner.isEmpty() || !w) return;
        QDir().mkpath(ordner);
        w->grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
    }

    // The lanes' scripts of the plan, each lane's parts after what it threw before.
    void skripte(const Startplan& plan)
    {
        Busbetrieb::skripte(plan, [](int nr, int d) { return Wurftext(TeilVon(nr, d)); });
    }

    // Starts the match from the main window, plays it to its end and the
    // lanes' sign-off.
    void spielen(TMain& main, TWettkampfDaten& m, int bahnen)
    {
        taktStarten();
        skriptBoxen().antworten = {ErgebnisJa};
        ASSERT_TRUE(main.MSpielStart->isEnabled());
        main.MSpielStart->trigger();
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Spiel starten ? ")});
        skriptBoxen().gezeigt.clear();
        ASSERT_TRUE(laufen([&] { return m.Beendet != 0; }, GrenzeSpiel)) << "Durchgang " << int(m.Durchgang);
        EXPECT_TRUE(laufen([&] { return abgemeldet(bahnen); }, 2000));
        EXPECT_EQ(m.Spielphase, PhaseBeendet);
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
    }

    // Each part of the plan against the part its lane threw (from part
    // `ab[lane]` of that lane on), booked on the block of the one who threw
    // it (werWarf: the planned player or his substitute, who goes on with
    // the replaced player's block numbers); each player and side against
    // the sum.
    std::vector<std::string> buchungen(const TWettkampfDaten& m, const Startplan& plan, const std::map<int, std::size_t>& ab,
                                       const std::function<int(int nr, std::size_t r)>& werWarf = {})
    {
        std::vector<std::string> fehler;
        std::map<int, Zaehlung> spieler;
        for (std::size_t r = 0; r < plan.size(); ++r)
            for (std::size_t k = 0; k < plan[r].size(); ++k) {
                const int bahn = int(k) + 1, nr = plan[r][k];
                const std::size_t i = ab.at(bahn) + r;
                const std::string wo = "round " + std::to_string(r + 1) + ", lane " + std::to_string(bahn) + ": ";
                if (sim.teile(bahn).size() <= i) {
                    fehler.push_back(wo + "not thrown");
                    continue;
                }
                const Teil& t = sim.teile(bahn)[i];
                if (t.wuerfe.size() != std::size_t(Volle + Abraeumen))
                    fehler.push_back(wo + std::to_string(t.wuerfe.size()) + " throws");
                const int werfer = werWarf ? werWarf(nr, r) : nr;
                const std::string a = Abweichung(m.Spieler[werfer].Durchgang[BlockNr(plan, nr, r)], t.zaehlung());
                if (!a.empty()) fehler.push_back(wo + "player " + std::to_string(werfer) + ": " + a);
                spieler[werfer] += t.zaehlung();
            }
        Zaehlung heim, gast;
        for (const auto& [nr, z] : spieler) {
            const std::string a = Abweichung(m.Spieler[nr], z);
            if (!a.empty()) fehler.push_back("player " + std::to_string(nr) + ": " + a);
            (nr <= 8 ? heim : gast) += z;
        }
        if (const std::string a = Abweichung(m.Heim, heim); !a.empty()) fehler.push_back("home: " + a);
        if (const std::string a = Abweichung(m.Gast, gast); !a.empty()) fehler.push_back("guest: " + a);
        return fehler;
    }

    // The points of every starting player and of both sides against a
    // recount; a substitute's own record carries none, his results count
    // in the duel of the player he replaced.
    static void punktePruefen(const TWettkampfDaten& m, int spieler)
    {
        for (int nr : {7, 8, 15, 16})
            if (m.Spieler[nr].Ersatz) {
                EXPECT_EQ(m.Spieler[nr].SaP, 0.f) << "substitute " << nr;
                EXPECT_EQ(m.Spieler[nr].MaP, 0.f) << "substitute " << nr;
            }
        float sap[2] = {0, 0}, map[2] = {0, 0};
        for (int i = 1; i <= spieler; ++i)
            for (int seite = 0; seite < 2; ++seite) {
                const int nr = seite == 0 ? i : i + 8, gegner = seite == 0 ? i + 8 : i;
                const Punkte p = Nachzaehlen(m, nr, gegner);
                EXPECT_EQ(m.Spieler[nr].SaP, p.sap) << "player " << nr;
                EXPECT_EQ(m.Spieler[nr].MaP, p.map) << "player " << nr;
                sap[seite] += p.sap;
                map[seite] += p.map;
            }
        const int h = m.Heim.Total.Zahl, g = m.Gast.Total.Zahl;
        const float mehrHeim = h > g ? 2.f : h == g ? 1.f : 0.f, mehrGast = 2.f - mehrHeim;
        const float totalHeim = map[0] + mehrHeim, totalGast = map[1] + mehrGast;
        EXPECT_EQ(m.Heim.SaP, sap[0]);
        EXPECT_EQ(m.Gast.SaP, sap[1]);
        EXPECT_EQ(m.Heim.MaP, map[0]);
        EXPECT_EQ(m.Gast.MaP, map[1]);
        EXPECT_EQ(m.Heim.ErgebnisMaP, mehrHeim);
        EXPECT_EQ(m.Gast.ErgebnisMaP, mehrGast);
        EXPECT_EQ(m.Heim.TotalMaP, totalHeim);
        EXPECT_EQ(m.Gast.TotalMaP, totalGast);
        const char* tapHeim = totalHeim > totalGast ? "2" : totalHeim == totalGast ? "1" : "0";
        const char* tapGast = totalGast > totalHeim ? "2" : totalHeim == totalGast ? "1" : "0";
        EXPECT_EQ(m.Heim.TaP.text(), QString::fromLatin1(tapHeim));
        EXPECT_EQ(m.Gast.TaP.text(), QString::fromLatin1(tapGast));
    }

    static constexpr const char* Gaeste[6] = {"Egon Esche", "Frieda Fichte", "Gustav Gran",
                                              "Helga Hasel", "Ida Ilme", "Jost Jasmin"};

    QTemporaryDir ordner;
    Fensterhub hub;
    FensterDiensteEinsetzen fensterdienste{&hub};
    Wettbewerb wettbewerb;
    WettbewerbDiensteEinsetzen wettbewerbEin{&wettbewerb};
    Displaydienste anzeigen;
    AnzeigeDiensteEinsetzen anzeigenEin{&anzeigen};
    QString pdf, karte;
    QString m_daten, m_programm;
};

TEST_F(Spieltag, TwoMatchesFromSetUpToTheProgramsEnd)
{
    FtpTestserver ftp;
    ASSERT_NE(ftp.port, 0) << "the FTP server did not start (python3-pyftpdlib)";
    Senke senke;
    ASSERT_NE(senke.port, 0) << "the SMTP sink did not start (python3-aiosmtpd)";
    Netzmodul netzmodul(BerichtStatus);
    NetzDiensteEinsetzen netzEin(&netzmodul);
    Einst.FtpPort = ftp.port;
    Einst.EmailHost = QStringLiteral("127.0.0.1");
    Einst.EmailPort = senke.port;
    QDir(ftp.wurzel()).mkpath(QStringLiteral("live"));
    // The monitors of lanes 1 and 2, each on a loopback address of its own and one free port.
    std::array<Monitorclient, 2> monitore;
    quint16 monitorport = 0;
    for (int bahn = 1; bahn <= 2; ++bahn) {
        Monitorclient& c = monitore[std::size_t(bahn - 1)];
        ASSERT_TRUE(c.starten(QStringLiteral("127.0.0.%1").arg(bahn + 1), monitorport,
                              ordner.filePath(QStringLiteral("monitor%1.txt").arg(bahn))))
            << "monitor " << bahn;
        TMonitorExport& e = Einst.MonitorExport[bahn];
        e.ExportTcpOn = true;
        e.ExportAdresse = c.adresse();
    }
    netzmodul.nachrichten().setPort(monitorport);

    TMain main(hub);
    main.resize(1280, 1000);
    main.show();
    FakeAbschaltung abschaltung;
    TProgende progende(&main, &abschaltung);
    main.Progende = &progende;

    // --- Match A: four lanes, home typed, guests from the player database.
    Einst.Bahnsteuerung = 1;
    main.MNeu->trigger();
    auto* wA = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
    ASSERT_NE(wA, nullptr);
    ASSERT_NE(AktWettkampf, nullptr);
    TWettkampfDaten& a = *AktWettkampf;
    eintippen(wA->EClub, QStringLiteral("KSC Ahorn"));
    eintippen(wA->EGast, QStringLiteral("KSV Eiche 1"));
    const char* const heimA[] = {"Anton Adler", "Bernd Brandt", "Carl Conrad", "Dieter Dorn", "Erwin Eck", "Fritz Frey"};
    for (int i = 1; i <= 6; ++i) eintippen(wA->name(i), QString::fromLatin1(heimA[i - 1]));
    // The home side's first substitute (slot E1).
    eintippen(wA->name(7), QStringLiteral("Gerd Gerber"));
    waehlen(wA->CWurf, QStringLiteral("120 Wurf"));
    waehlen(wA->CSpieler, QStringLiteral("6 Spieler"));
    waehlen(wA->CBahnen, QStringLiteral("Bahn 1 bis 4"));
    // The guests: database rows dropped onto the guest lines, as dragged.
    wA->DatenbankFensterSetzen(TWettkampf::DatenbankHoeheMax);
    QAbstractItemModel* modell = wA->DBGridStarter->model();
    ASSERT_EQ(modell->rowCount(), 6);
    for (int i = 0; i < 6; ++i) {
        std::unique_ptr<QMimeData> daten(modell->mimeData({modell->index(i, 1)}));
        QLineEdit* ziel = wA->name(9 + i);
        const QPoint p = ziel->rect().center();
        QDragEnterEvent hinein(p, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &hinein);
        ASSERT_TRUE(hinein.isAccepted()) << i;
        QDropEvent ab(p, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ziel, &ab);
        ASSERT_TRUE(ab.isAccepted()) << i;
    }
    bild(wA, QStringLiteral("01-wettkampf-a"));
    // Points game, in the match options.
    ImDialog<TWettkoptionen>(hub, [&] {
        wA->MSpieldaten->trigger();
        return true;
    }, [](TWettkoptionen& d) {
        if (!d.CBPunktespiel->isChecked()) d.CBPunktespiel->click();
        bild(&d, QStringLiteral("02-optionen-a"));
        d.BtnOk->click();
    });
    // The live upload at each lane end, to the local FTP server.
    ImDialog<TInternet>(hub, [&] {
        main.MInternetKonfiguration->trigger();
        return true;
    }, [&](TInternet& d) {
        LiveErgebnisseEintragen(d, QStringLiteral("live"));
        bild(&d, QStringLiteral("03-internet-a"));
        d.BtnOk->click();
    });
    // A's displays from the main window's menu: name boards, the team board,
    // the lane monitors and the result board, which opens on the second
    // screen (with one screen, as on a plain X server, over the main window).
    const QList<QScreen*> schirme = QGuiApplication::screens();
    if (schirme.size() < 2) hub.setZweiterBildschirm(schirme.at(0)->geometry());
    for (QAction* schalter :
         {main.MNamenanzEinschalten, main.MMannschanzEinschalten, main.MMonitorEinschalten, main.MGrossanzEinschalten}) {
        ASSERT_TRUE(schalter->isEnabled()) << schalter->objectName().toStdString();
        schalter->trigger();
    }
    EXPECT_TRUE(a.NamenanzeigeEin);
    EXPECT_TRUE(a.MannschaftsanzeigeEin);
    EXPECT_TRUE(a.MonitoreEin);
    EXPECT_TRUE(a.GrossanzeigeEin);
    auto* tafel = qobject_cast<TAnzeigefenster*>(hub.anzeigefenster());
    ASSERT_NE(tafel, nullptr);
    EXPECT_TRUE(tafel->isVisible());
    if (schirme.size() >= 2) {
        EXPECT_EQ(tafel->screen(), schirme[1]);
    }

    EXPECT_EQ(a.Heimmannschaft.text(), QStringLiteral("KSC Ahorn 1"));
    EXPECT_EQ(a.Spieler[7].Name.text(), QStringLiteral("Gerd Gerber"));
    EXPECT_EQ(a.Gastmannschaft.text(), QStringLiteral("KSV Eiche 1"));
    EXPECT_EQ(int(a.Volle), Volle);
    EXPECT_EQ(int(a.Spielmodus), 3);
    EXPECT_EQ(int(a.Durchgaenge), 4);
    EXPECT_TRUE(a.Punktespiel);
    EXPECT_EQ(a.FtpUpdate, 1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(a.Spieler[9 + i].Name.text(), QString::fromLatin1(Gaeste[i]));
        EXPECT_EQ(a.Spieler[9 + i].IstHeim, 0);
    }

    // --- Match B: two lanes; the home side typed, the guests' side from
    // their team card: the card goes into the reader, a click into the guest
    // field reads it, and it is taken out again.
    main.MNeu->trigger();
    auto* wB = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
    ASSERT_NE(wB, nullptr);
    ASSERT_NE(AktWettkampf, &a);
    TWettkampfDaten& b = *AktWettkampf;
    eintippen(wB->EClub, QStringLiteral("SG Birkenau"));
    for (int i = 1; i <= 4; ++i) eintippen(wB->name(i), QStringLiteral("Heim %1").arg(i));
    ASSERT_TRUE(KarteEinschieben(karte, Gastkarte()));
    Klicken(wB->EGast);
    ASSERT_TRUE(QFile::remove(karte));
    EXPECT_EQ(b.Gastmannschaft.text(), QStringLiteral("TSV Buche 2"));
    EXPECT_EQ(wB->EGast->text(), QStringLiteral("TSV Buche 2"));
    const QString kartennamen[] = {QStringLiteral("Karl Kiefer"), QStringLiteral("Lena Linde"),
                                   QStringLiteral("Max Möhre"), QStringLiteral("Nora Nuß")};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(b.Spieler[8 + i].Name.text(), kartennamen[i - 1]);
        EXPECT_EQ(b.Spieler[8 + i].Pass.text(), QString::number(7200 + i));
        EXPECT_EQ(wB->name(8 + i)->text(), kartennamen[i - 1]);
    }
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
    waehlen(wB->CWurf, QStringLiteral("60 Wurf"));
    waehlen(wB->CSpieler, QStringLiteral("4 Spieler"));
    waehlen(wB->CBahnen, QStringLiteral("Bahn 1 bis 2"));
    ImDialog<TWettkoptionen>(hub, [&] {
        wB->MSpieldaten->trigger();
        return true;
    }, [](TWettkoptionen& d) {
        if (!d.CBPunktespiel->isChecked()) d.CBPunktespiel->click();
        d.BtnOk->click();
    });
    bild(wB, QStringLiteral("04-wettkampf-b"));
    EXPECT_EQ(int(b.Spielmodus), 2);
    EXPECT_EQ(int(b.Durchgaenge), 2);
    EXPECT_EQ(int(b.LetzteBahn), 2);
    EXPECT_TRUE(b.Punktespiel);

    // --- A plays. In the panel: lane 1 gets a throw corrected on the PC and
    // the lane; lane 3 is stopped in the middle of its second part, on the
    // tick its lane threw, so that the throw reaches a stopped lane, and is
    // started again; on lane 4 the substitute takes over from player 3 as his
    // third part (round 7) begins and throws his parts from then on.
    main.MEintrag[1]->trigger();
    ASSERT_EQ(AktWettkampf, &a);
    skripte(PlanVierBahnenSechsSpieler);
    constexpr int StopBahn = 3, ErsatzBahn = 4, Ersetzt = 3, Ersatzmann = 7;
    // Receive ticks the lane stays stopped: room for ten throws.
    const long StopTakte = 10 * 3 * bahntakt;
    constexpr std::size_t ErsatzRunde = 6;  // round 7, counted from 0
    ASSERT_EQ(PlanVierBahnenSechsSpieler[ErsatzRunde][ErsatzBahn - 1], Ersetzt);
    ASSERT_EQ(BlockNr(PlanVierBahnenSechsSpieler, Ersetzt, ErsatzRunde), 3);
    std::unique_ptr<TKorrektur> panel;
    int alt = -1, neu = -1;
    bool eingewechselt = false;
    int stopStufe = 0;
    std::size_t stopWuerfe = 0, stopZuletzt = 0;
    long stopAb = 0;
    std::vector<std::string> stopFehler;
    const auto kommando = [&](int bahn, const std::function<void(TKorrektur&)>& f) {
        TKorrektur k(nullptr, bahn);
        k.show();
        f(k);
    };
    pruefen = [&] {
        // The stop, on the tick the lane threw its tenth throw of its second
        // part: the throw is on the bus, the program has not read it yet.
        const auto& teile = sim.teile(StopBahn);
        const std::size_t geworfen = teile.empty() ? 0 : teile.back().wuerfe.size();
        const bool neuerWurf = geworfen != stopZuletzt;
        stopZuletzt = geworfen;
        if (stopStufe == 0 && teile.size() == 2 && sim.teilLaeuft(StopBahn) && geworfen == 10 && neuerWurf) {
            kommando(StopBahn, [&](TKorrektur& k) {
                EXPECT_EQ(k.LStop->text(), QStringLiteral("Bahn Stop"));
                bild(&k, QStringLiteral("05a-korrektur-stop"));
                k.SStop->click();
            });
            EXPECT_TRUE(BahnDaten[StopBahn].BahnGestoppt);
            stopStufe = 1;
        } else if (stopStufe == 1 && sim.gestoppt(StopBahn)) {
            stopWuerfe = geworfen;
            stopAb = empfangsTakte;
            stopStufe = 2;
        } else if (stopStufe == 2) {
            if (geworfen != stopWuerfe || teile.size() != 2)
                stopFehler.push_back("thrown while stopped, tick " + std::to_string(empfangsTakte - stopAb));
            if (empfangsTakte - stopAb >= StopTakte) {
                kommando(StopBahn, [&](TKorrektur& k) {
                    EXPECT_EQ(k.LStop->text(), QStringLiteral("Bahn Start"));
                    k.SStop->click();
                });
                EXPECT_FALSE(BahnDaten[StopBahn].BahnGestoppt);
                stopStufe = 3;
            }
        } else if (stopStufe == 3 && !sim.gestoppt(StopBahn)) {
            stopStufe = 4;
        }

        // The substitution: player 3 on the lane for his third part, not a throw of it yet.
        const TSpielerEintrag& ersetzt = a.Spieler[Ersetzt];
        if (!eingewechselt && BahnDaten[ErsatzBahn].BahnSpieler == &ersetzt && ersetzt.DurchgangNr == 3 &&
            ersetzt.Durchgang[3].Wurf.Zahl == 0) {
            eingewechselt = true;
            skriptBoxen().antworten = {ErgebnisJa};
            kommando(ErsatzBahn, [&](TKorrektur& k) {
                EXPECT_EQ(k.LErsatz1->text(), QStringLiteral("Gerd Gerber"));
                EXPECT_TRUE(k.SErsatz1->isEnabled());
                bild(&k, QStringLiteral("05b-korrektur-ersatz"));
                k.SErsatz1->click();
            });
            EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Ersatzspieler einsetzen ?")});
            skriptBoxen().gezeigt.clear();
            EXPECT_EQ(BahnDaten[ErsatzBahn].BahnSpieler, &a.Spieler[Ersatzmann]);
        }

        const TBahnDaten& l = BahnDaten[1];
        if (alt < 0 && a.Durchgang == 1 && a.Spielphase == PhaseSpiel && l.BahnStatus == 2 && !l.ProbeLaeuft &&
            l.WurfNr == 4) {
            panel = std::make_unique<TKorrektur>(nullptr, 1);
            panel->show();
            QLineEdit* e = panel->EVolle;
            alt = e->text().at(1).digitValue();
            neu = alt == 5 ? 6 : 5;
            e->setFocus();
            e->setCursorPosition(1);
            QKeyEvent taste(QEvent::KeyPress, Qt::Key_0 + neu, Qt::NoModifier, QString::number(neu));
            QApplication::sendEvent(e, &taste);
            bild(panel.get(), QStringLiteral("05-korrektur"));
            panel->BtnAusbessernPCBahn->click();
            panel.reset();
        }
    };
    // At the lanes' pace the board queue's one frame a send tick keeps up
    // with the boards of four lanes.
    bahntakt = 5;
    spielen(main, a, 4);
    bahntakt = EmpfangJeBahntakt;
    pruefen = nullptr;
    ASSERT_GE(alt, 0) << "no correction made";
    ASSERT_TRUE(eingewechselt) << "no substitution made";
    EXPECT_EQ(stopStufe, 4) << "lane " << StopBahn << " not stopped and started again";
    EXPECT_EQ(stopFehler, std::vector<std::string>{});
    EXPECT_EQ(int(a.Spieler[Ersetzt].ErsetztDurch), Ersatzmann);
    EXPECT_EQ(int(a.Spieler[Ersatzmann].Ersatz), Ersetzt);
    EXPECT_TRUE(a.Heim.Ersatz7Eingesetzt);
    // Each of the two threw his own blocks only: player 3 the first two, the substitute the last two.
    for (int d = 1; d <= 4; ++d) {
        EXPECT_EQ(a.Spieler[Ersetzt].Durchgang[d].Wurf.Zahl, d <= 2 ? Volle + Abraeumen : 0) << d;
        EXPECT_EQ(a.Spieler[Ersatzmann].Durchgang[d].Wurf.Zahl, d >= 3 ? Volle + Abraeumen : 0) << d;
    }
    EXPECT_EQ(a.Spieler[Ersetzt].Durchgang[4].Bahn, 0);
    EXPECT_EQ(alt, QByteArray(TeilVon(PlanVierBahnenSechsSpieler[0][0], 1).volle).at(2) - '0');
    bild(&main, QStringLiteral("06-hauptfenster-a"));

    // A's name boards after the match: each lane's row shows the player who
    // threw its last part.
    const auto namenSoll = [&] {
        std::vector<std::string> abweichungen;
        for (int bahn = 1; bahn <= 4; ++bahn) {
            const int nr = PlanVierBahnenSechsSpieler.back()[std::size_t(bahn - 1)];
            const QByteArray name = NamenanzText(a.Spieler[nr].Name.c_str(), TafelBreite);
            const QByteArray soll = Tafelzeile({CanRahmen::AnzeigeZeile(
                bahn, std::string_view(name.constData(), std::size_t(name.size())), TafelBreite)});
            if (sim.namenTafel(bahn) != soll)
                abweichungen.push_back("lane " + std::to_string(bahn) + ": " + Lesbar(sim.namenTafel(bahn)) +
                                       ", not " + Lesbar(soll));
        }
        return abweichungen;
    };
    EXPECT_TRUE(warten([&] { return namenSoll().empty(); }, 10000));
    EXPECT_EQ(namenSoll(), std::vector<std::string>{});
    // The team board got every frame: each side's row has its letter, its
    // throw count from column 3 and its total from column 8 (width 11), both
    // four digits: 2 lanes x 12 rounds x 30 throws a side, the totals from
    // the scripts and the correction.
    EXPECT_EQ(CanSendeVerworfen, 0u);
    const auto tafelzeile = [](char seite, int total) {
        return QString::asprintf("%c %04d_%04d", seite, 720, total).toStdString();
    };
    const std::string heimSoll = tafelzeile('H', Seitenholz(PlanVierBahnenSechsSpieler, true) + neu - alt);
    const std::string gastSoll = tafelzeile('G', Seitenholz(PlanVierBahnenSechsSpieler, false));
    const auto mannschaftsTafel = [&](int zeile) { return Lesbar(sim.mannschaftsTafel(zeile)).substr(0, 11); };
    warten([&] { return mannschaftsTafel(1) == heimSoll && mannschaftsTafel(2) == gastSoll; }, 10000);
    EXPECT_EQ(mannschaftsTafel(1), heimSoll);
    EXPECT_EQ(mannschaftsTafel(2), gastSoll);

    // The result board shows A's teams and totals.
    EXPECT_TRUE(tafel->LHeim->text().contains(QStringLiteral("KSC Ahorn 1"))) << tafel->LHeim->text().toStdString();
    EXPECT_TRUE(tafel->LGast->text().contains(QStringLiteral("KSV Eiche 1"))) << tafel->LGast->text().toStdString();
    EXPECT_EQ(tafel->LHeimTotal->text().trimmed().toInt(), a.Heim.Total.Zahl);
    EXPECT_EQ(tafel->LGastTotal->text().trimmed().toInt(), a.Gast.Total.Zahl);
    bild(tafel, QStringLiteral("06a-grossanzeige-a"));

    // The monitors: each got its side's line-up naming the player who
    // finished on its lane, his last result and the game's end.
    ASSERT_TRUE(warten([] { return NetzBeschaeftigt == 0; }, 30000));
    for (int bahn = 1; bahn <= 2; ++bahn) {
        SCOPED_TRACE("monitor " + std::to_string(bahn));
        const int nr = PlanVierBahnenSechsSpieler.back()[std::size_t(bahn - 1)];
        const TSpielerEintrag& p = a.Spieler[nr];
        const QStringList zeilen = monitore[std::size_t(bahn - 1)].zeilen();
        const QString name = QLatin1Char(';') + p.Name.text() + QLatin1Char(';');
        EXPECT_FALSE(zeilen.filter(QStringLiteral("Mannschaft: ")).filter(name).isEmpty()) << name.toStdString();
        int total = -1;
        for (const QString& z : zeilen.filter(QRegularExpression(QStringLiteral("^Spieler: %1;").arg(nr)))) {
            const QStringList f = z.mid(9).split(u';');
            if (f.size() > 6) total = std::max(total, f[6].trimmed().toInt());
        }
        EXPECT_EQ(total, p.Total.Zahl);
        const QStringList status = zeilen.filter(QRegularExpression(QStringLiteral("^Anzeige: ")));
        ASSERT_FALSE(status.isEmpty());
        EXPECT_TRUE(status.last().endsWith(QStringLiteral(";%1").arg(int(PhaseBeendet)))) << status.last().toStdString();
    }

    // --- B plays, its lanes running the game.
    Einst.Bahnsteuerung = 0;
    const std::map<int, std::size_t> abB{{1, sim.teile(1).size()}, {2, sim.teile(2).size()}};
    main.MEintrag[2]->trigger();
    ASSERT_EQ(AktWettkampf, &b);
    skripte(PlanZweiBahnenVierSpieler);
    spielen(main, b, 2);
    bild(&main, QStringLiteral("07-hauptfenster-b"));

    // Every throw booked, by the lanes' own tally.
    EXPECT_EQ(buchungen(a, PlanVierBahnenSechsSpieler, {{1, 0}, {2, 0}, {3, 0}, {4, 0}},
                        [&](int nr, std::size_t r) { return nr == Ersetzt && r >= ErsatzRunde ? Ersatzmann : nr; }),
              std::vector<std::string>{});
    EXPECT_EQ(buchungen(b, PlanZweiBahnenVierSpieler, abB), std::vector<std::string>{});
    // The pins by hand from the scripts; A's home side carries the correction.
    EXPECT_EQ(a.Heim.Total.Zahl, Seitenholz(PlanVierBahnenSechsSpieler, true) + neu - alt);
    EXPECT_EQ(a.Gast.Total.Zahl, Seitenholz(PlanVierBahnenSechsSpieler, false));
    EXPECT_EQ(b.Heim.Total.Zahl, Seitenholz(PlanZweiBahnenVierSpieler, true));
    EXPECT_EQ(b.Gast.Total.Zahl, Seitenholz(PlanZweiBahnenVierSpieler, false));
    // The points against the recount.
    {
        SCOPED_TRACE("A");
        punktePruefen(a, 6);
    }
    {
        SCOPED_TRACE("B");
        punktePruefen(b, 4);
    }
    const QString totalA = QString::number(a.Heim.Total.Zahl), totalGastA = QString::number(a.Gast.Total.Zahl);

    // The live upload: the last "Update.csv" of A carries the records' totals.
    ASSERT_TRUE(warten([&] { return netzmodul.laufendeFtpAuftraege() == 0; }, 60000));
    {
        const auto [heim, gast] = LiveSeiten(ftp.datei(QStringLiteral("live/Update.csv")));
        ASSERT_FALSE(heim.isEmpty()) << ftp.zeilen().join(u'|').toStdString();
        EXPECT_EQ(QString::fromLatin1(heim[4]), totalA);
        EXPECT_EQ(QString::fromLatin1(gast[4]), totalGastA);
        EXPECT_GE(ftp.zeilen().count(QStringLiteral("STOR Update.csv")), 12);
    }

    // --- The web site: created from the web-site window on the same server,
    // then A's results sent as a script; the page in Chromium shows them.
    main.MEintrag[1]->trigger();
    ASSERT_EQ(AktWettkampf, &a);
    ImDialog<TInternet>(hub, [&] {
        main.MInternetKonfiguration->trigger();
        return true;
    }, [&](TInternet& d) {
        if (!d.CBJavaUpdate->isChecked()) d.CBJavaUpdate->click();
        ASSERT_TRUE(d.BtnHtmlSite->isEnabled());
        Klicken(d.BtnHtmlSite);
        ASSERT_TRUE(warten([&] { return netzmodul.laufendeFtpAuftraege() == 0; }, 60000));
        ASSERT_TRUE(QFileInfo::exists(ftp.datei(QStringLiteral("live/index.html")))) << ftp.zeilen().join(u'|').toStdString();
        Klicken(d.BtnUpdate);
        ASSERT_TRUE(warten([&] { return netzmodul.laufendeFtpAuftraege() == 0; }, 60000));
        bild(&d, QStringLiteral("07a-internet-site"));
        d.BtnOk->click();
    });
    EXPECT_TRUE(a.JavaUpdate);
    for (const Sitedatei& f : Sitedateien)
        EXPECT_TRUE(QFileInfo::exists(ftp.datei(QStringLiteral("live/") + QLatin1String(f.name)))) << f.name;
    {
        QString fehler;
        const QString dom = ChromiumDom(ftp.datei(QStringLiteral("live/index.html")), &fehler);
        ASSERT_FALSE(dom.isEmpty()) << fehler.toStdString();
        const auto zelle = [](const char* id, const QString& text) {
            return QStringLiteral("id=\"%1\">%2<").arg(QLatin1String(id), text);
        };
        EXPECT_TRUE(dom.contains(zelle("HeimName", QStringLiteral("KSC Ahorn 1")))) << dom.toStdString();
        EXPECT_TRUE(dom.contains(zelle("GastName", QStringLiteral("KSV Eiche 1"))));
        EXPECT_TRUE(dom.contains(zelle("HeimTotal", totalA)));
        EXPECT_TRUE(dom.contains(zelle("GastTotal", totalGastA)));
        const QString ordner = qEnvironmentVariable("SPIELTAG_BILDER");
        if (!ordner.isEmpty()) {
            EXPECT_TRUE(ChromiumBild(ftp.datei(QStringLiteral("live/index.html")),
                                     QDir(ordner).filePath(QStringLiteral("07b-website.png"))));
        }
    }

    // --- A's report: printed into a PDF file and mailed from the report window.
    main.MEintrag[1]->trigger();
    ASSERT_EQ(AktWettkampf, &a);
    a.EmailVon = QStringLiteral("bericht@ahorn.test");
    a.EmailAn = QStringLiteral("staffelleiter@kegeln.test");
    EmailAnListe = {a.EmailAn};
    a.EmailBetreff = QStringLiteral("Spielbericht KSC Ahorn 1 - KSV Eiche 1");
    // The report project of layout 20, beside the data.
    BerichtsoberflaecheEinrichten();
    {
        QFile projekt(QDir(Datenverzeichnis).filePath(QStringLiteral("Spielbericht.crd")));
        ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
        projekt.write(StandardProjekt(Projektart::Karte));
    }
    FormularDateien = QStringList(20, QStringLiteral(" ")) << QStringLiteral("Spielbericht.crd");
    FormularNamen = QStringList(20, QString()) << QStringLiteral("Spielbericht (Berichtsprojekt)");
    Einst.FormularNummer = 20;
    QString status;
    bool gesehen = false;
    // The window once its preview is made (its progress box runs the event loop while it opens).
    auto* suche = new QTimer(qApp);
    QObject::connect(suche, &QTimer::timeout, suche, [&, suche] {
        auto* f = qobject_cast<TSpFormular*>(QApplication::activeModalWidget());
        if (!f || !f->isVisible() || (f->LLView->seitenzahl() == 0 && f->LStatus->text().isEmpty())) return;
        suche->deleteLater();
        gesehen = true;
        bild(f, QStringLiteral("08-spielbericht"));
        f->BtnDrucken->click();
        ImDialog<TEmailSenden>(hub, [&] {
            f->BtnEmail->click();
            return true;
        }, [](TEmailSenden& d) { d.BtnOk->click(); });
        EXPECT_TRUE(warten([&] { return f->LStatus->text() != MailWartenText; }, 60000));
        status = f->LStatus->text();
        f->reject();
    });
    suche->start(10);
    main.MSpFormular->trigger();
    EXPECT_TRUE(gesehen);
    BerichtsoberflaecheSetzen(nullptr);
    EXPECT_EQ(status, MailVersendetText);
    ASSERT_FALSE(pdf.isEmpty());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(totalA)) << text.toStdString() << QFileInfo(pdf).size();
    EXPECT_TRUE(text.contains(totalGastA)) << text.toStdString();
    const QJsonObject mail = senke.nachricht(1);
    ASSERT_FALSE(mail.isEmpty());
    const QJsonArray anhaenge = mail.value(QStringLiteral("anhaenge")).toArray();
    ASSERT_EQ(anhaenge.size(), 1);
    // The mailed report is a picture: read, its team rows carry A's totals.
    const QByteArray anhang =
        QByteArray::fromBase64(anhaenge.at(0).toObject().value(QStringLiteral("daten")).toString().toLatin1());
    EXPECT_FALSE(QImage::fromData(anhang).isNull());
    const QString gelesen = Bildtext(anhang);
    for (const QString& total : {totalA, totalGastA})
        EXPECT_TRUE(gelesen.contains(QRegularExpression(QStringLiteral("Mannschaft[^\n]*\\b%1\\b").arg(total))))
            << total.toStdString() << "\n" << gelesen.toStdString();

    // --- Both saved through the program's save and loaded back equal.
    const QString spiele = ordner.filePath(QStringLiteral("spiele"));
    QDir().mkpath(spiele);
    std::map<TWettkampfDaten*, QStringList> gespeichert;
    for (int k : {1, 2}) {
        main.MEintrag[k]->trigger();
        TWettkampfDaten* w = AktWettkampf;
        w->Speicherordner = spiele;
        ASSERT_TRUE(ImDialog<TSpeichern>(hub, [&] {
            main.MSpeichern->trigger();
            return true;
        }, [](TSpeichern& d) { d.BtnSpeichern->click(); }));
        EXPECT_EQ(w->Geaendert, 0);
        gespeichert[w] = SpielZeilen(*w);
    }
    for (int zeile : {0, 1}) {
        TWettkampfDaten* vorher = AktWettkampf;
        skriptBoxen().antworten = {ErgebnisJa};  // with the results
        ImDialog<TLaden>(hub, [&] {
            main.MLaden->trigger();
            return true;
        }, [&](TLaden& d) {
            d.LBFile->setCurrentRow(zeile);
            d.BtnLaden->click();
        });
        ASSERT_NE(AktWettkampf, vorher);
        const TWettkampfDaten& geladen = *AktWettkampf;
        const TWettkampfDaten& original = geladen.Heimmannschaft.text() == a.Heimmannschaft.text() ? a : b;
        EXPECT_EQ(SpielZeilen(geladen), gespeichert[const_cast<TWettkampfDaten*>(&original)]) << zeile;
        EXPECT_EQ(geladen.Heim.Total.Zahl, original.Heim.Total.Zahl);
        for (auto [x, y] : {std::pair{&geladen.Heim, &original.Heim}, std::pair{&geladen.Gast, &original.Gast}}) {
            EXPECT_EQ(x->SaP, y->SaP);
            EXPECT_EQ(x->MaP, y->MaP);
            EXPECT_EQ(x->ErgebnisMaP, y->ErgebnisMaP);
            EXPECT_EQ(x->TotalMaP, y->TotalMaP);
            EXPECT_EQ(x->TaP.text(), y->TaP.text());
        }
    }
    skriptBoxen().gezeigt.clear();

    // --- The program ended from its menu, in the application's main loop as
    // the program runs it: the end dialog, "Ja", the sends drained, and the
    // main loop returns the program's exit code. A loop that does not end
    // returns 99.
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisNein, ErgebnisNein, ErgebnisNein, ErgebnisNein, ErgebnisNein};
    bool endeGesehen = false;
    EXPECT_EQ(ImHauptloopBeenden(main.MProgrammEnde, [&] {
        endeGesehen = QApplication::activeModalWidget() == &progende;
        bild(&progende, QStringLiteral("09-programmende"));
        progende.BtnJa->click();
    }, 120000), 0);
    EXPECT_TRUE(endeGesehen);
    EXPECT_TRUE(abschaltung.aufrufe.isEmpty());  // the program only, not the machine
}

}  // namespace
