#include "displays/Monitorexport.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/dienste/Anzeigeschicht.h"
#include "support/Clientordner.h"
#include "support/Dateien.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"
#include "support/Warten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>

namespace {

using Nachricht = NetzAufnahme::Nachricht;

// Lines written by hand, "|" between them.
QStringList Z(const QString& zeilen) { return zeilen.split(QLatin1Char('|')); }

// 14:05:09.250
constexpr qint64 Zeit = 50709250;

// Match on lanes 3-4 of a four-lane alley: "KSC Grün" (player 1 "Müller")
// against "SV Süd" (player 9 "Ab\0cd", a text with a 0 byte inside), six
// players a side. Lane k's client: folder "<tmp>/c<k>", address "h<k>".
class Monitorexport : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ClientablageZuruecksetzen();
        ASSERT_TRUE(tmp.isValid());
        Datenverzeichnis = tmp.path();
        TerminalWerbungNeu = 0;
        w.ErsteSpielbahn = 3;
        w.LetzteSpielbahn = 4;
        w.Heimmannschaft = "KSC Gr\xFCn";
        w.Gastmannschaft = "SV S\xFC" "d";
        w.Spieleranzahl = 6;
        w.Spielphase = PhaseSpiel;
        TSpielerEintrag& p = w.Spieler[1];
        p.Name = "M\xFCller";
        p.Volle.Text = "312", p.Abr.Text = "140", p.Fehler.Text = "3", p.Total.Text = "452";
        p.Gestartet = p.IstHeim = 1;
        w.Spieler[9].Name.setzen(std::string_view("Ab\0cd", 5));
        w.Heim.Volle.Text = "1800", w.Heim.Abr.Text = "700", w.Heim.Fehler.Text = "20";
        w.Heim.Total.Text = "2500", w.Heim.Plus.Text = "15";
        w.Gast.Total.Text = "2485";
        for (int k = 1; k <= 4; ++k) {
            BahnDaten[k].Wettk = MonitorWettkampf[k] = &w;
            QDir().mkpath(ordner(k));
        }
    }
    void TearDown() override
    {
        EXPECT_TRUE(abwarten());
        ClientablageZuruecksetzen();
        Datenverzeichnis = m_daten;
        Grundlage::TearDown();
    }
    static bool abwarten() { return ClientordnerGeschrieben(); }
    QString ordner(int k) const { return tmp.filePath(QStringLiteral("c%1").arg(k)); }
    void datei(int k) { Einst.MonitorExport[k] = {ordner(k), true, false, {}}; }
    void tcp(int k) { Einst.MonitorExport[k] = {ordner(k), false, true, QStringLiteral("h%1").arg(k)}; }
    // The lines of a client file (Windows-1252, CR LF); empty when missing.
    static QStringList Lesen(const QString& pfad)
    {
        QByteArray b = DateiInhalt(pfad);
        if (b == "<fehlt>" || !b.endsWith("\r\n")) return {};
        b.chop(2);
        return Cp1252::decode(b).split(QStringLiteral("\r\n"));
    }
    QStringList dat(int k) const
    {
        abwarten();
        return Lesen(ordner(k) + QStringLiteral("/Monitor.dat"));
    }
    void spieler(int bahn, int n, u8 heim)
    {
        BahnDaten[bahn].SpielerNr = u8(n);
        BahnDaten[bahn].BahnSpieler = &w.Spieler[n];
        w.Spieler[n].IstHeim = heim;
    }

    QTemporaryDir tmp;
    TWettkampfDaten w;
    UhrEinsetzen uhr{FesteUhr(QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9, 250)))};

private:
    QString m_daten = Datenverzeichnis;
};

const QString Leer = QStringLiteral("|Volle%1 = |Abr%1 = |Fehler%1 = |Total%1 = |Gestartet%1 = False|Fertig%1 = False");

TEST_F(Monitorexport, SeitendateiUndNachricht)
{
    EXPECT_EQ(MonitorZeitstempel(), Zeit);
    QString gast = QStringLiteral("Mannschaft = SV Süd|Heim = False|VorwSpieler = 6|Streichspiel = True|Name9 = Ab") +
                   Leer.arg(9);
    for (int k = 10; k <= 16; ++k) gast += QStringLiteral("|Name%1 = ").arg(k) + Leer.arg(k);
    gast += QStringLiteral("|GastVolle = |GastAbr = |GastFehler = |GastTotal = 2485|GastPlus = |TimeStamp = 50709250");
    w.Streichspiel = 1;
    EXPECT_EQ(MonitorMannschaftZeilen(w, false, Zeit), Z(gast));
    w.Streichspiel = 0;

    QByteArray heim = "KSC Gr\xFCn;True;6;False;M\xFCller;312;140;3;452;True;False;";
    for (int k = 2; k <= 8; ++k) heim += ";;;;;False;False;";
    EXPECT_EQ(MonitorMannschaftText(w, true), heim + "1800;700;20;2500;15");

    tcp(3), datei(4);
    MonitorWettkampf[4] = nullptr;  // shows another match
    MonitorMannschaftExportieren(w);
    EXPECT_EQ(netz.nachrichten, (std::vector<Nachricht>{{"h3", "Mannschaft", heim + "1800;700;20;2500;15"}}));
    EXPECT_TRUE(dat(4).isEmpty());
    MonitorWettkampf[4] = &w;
    MonitorMannschaftExportieren(w);
    EXPECT_EQ(dat(4), MonitorMannschaftZeilen(w, false, Zeit));
    EXPECT_EQ(DateiInhalt(ordner(4) + "/Monitor.dat").left(22), "Mannschaft = SV S\xFC" "d\r\nH");
}

TEST_F(Monitorexport, Seitenregel)
{
    struct Fall { u8 gestartet, beendet; bool heim3, heim4; } faelle[] = {
        {0, 0, true, false}, {1, 1, true, false},  // parity from lane 3
        {1, 0, false, true},                         // lane change: guest on 3, home on 4
    };
    spieler(3, 9, 0), spieler(4, 1, 1);
    for (const Fall& f : faelle) {
        w.Gestartet = f.gestartet, w.Beendet = f.beendet;
        EXPECT_EQ(MonitorSeiteHeim(w, 3), f.heim3);
        EXPECT_EQ(MonitorSeiteHeim(w, 4), f.heim4);
    }
    BahnDaten[4].SpielerNr = 0, BahnDaten[4].BahnSpieler = nullptr;
    EXPECT_FALSE(MonitorSeiteHeim(w, 4));  // no player: parity
}

TEST_F(Monitorexport, SpielerNurAnDieselbeSeite)
{
    w.ErsteSpielbahn = 1, w.Gestartet = 1;
    spieler(1, 1, 1), spieler(2, 9, 0), spieler(3, 2, 1), spieler(4, 10, 0);
    BahnDaten[1].WurfHolzVolle = "98765", BahnDaten[1].WurfHolzAbraeumen = "9-5";
    EXPECT_EQ(MonitorSpielerZeilen(w, 1, Zeit),
              Z("WurfVolle1 = 98765|WurfAbr1 = 9-5|Volle1 = 312|Abr1 = 140|Fehler1 = 3|Total1 = 452|Gestartet1 = True|"
                "Fertig1 = False|HeimVolle = 1800|HeimAbr = 700|HeimFehler = 20|HeimTotal = 2500|HeimPlus = 15|"
                "TimeStamp = 50709250"));
    const QByteArray text = "1;98765;9-5;312;140;3;452;True;False;1800;700;20;2500;15";
    EXPECT_EQ(MonitorSpielerText(w, 1), text);

    for (int k = 1; k <= 4; ++k) tcp(k);
    MonitorSpielerExportieren(1);
    EXPECT_EQ(netz.nachrichten, (std::vector<Nachricht>{{"h1", "Spieler", text}, {"h3", "Spieler", text}}));

    // The sending lane's record decides: a file, also into lane 3's folder.
    netz.nachrichten.clear();
    datei(1);
    MonitorSpielerExportieren(1);
    EXPECT_TRUE(netz.nachrichten.empty());
    EXPECT_EQ(dat(3), MonitorSpielerZeilen(w, 1, Zeit));
    EXPECT_EQ(dat(1), dat(3));
    EXPECT_TRUE(dat(2).isEmpty() && dat(4).isEmpty());

    BahnDaten[1].SpielerNr = 17;  // out of range: nothing
    EXPECT_TRUE(MonitorSpielerText(w, 1).isEmpty());
    MonitorSpielerExportieren(0), MonitorSpielerExportieren(17);
}

TEST_F(Monitorexport, StatusUndEnde)
{
    EXPECT_EQ(MonitorStatusZeilen(true, false, 8, Zeit),
              Z("Werbung = True|Spiel = False|State = 8|TimeStamp = 50709250"));
    EXPECT_EQ(MonitorEndeZeilen(Zeit), Z("Beenden|TimeStamp = 50709250"));
    w.MonitorWerbung.Werbung = w.MonitorWerbung.Zustand = 1;
    tcp(3), datei(4);
    MonitorStatusExportieren(w);  // not MonitorAktiv
    EXPECT_EQ(netz.nachrichten, (std::vector<Nachricht>{{"h3", "Anzeige", "False;False;8"}}));
    EXPECT_EQ(dat(4), Z("Werbung = False|Spiel = False|State = 8|TimeStamp = 50709250"));
    w.MonitoreEin = 1;
    MonitorStatusExportieren(w);
    EXPECT_EQ(netz.nachrichten.back(), (Nachricht{"h3", "Anzeige", "True;True;8"}));
    MonitorBeenden(3), MonitorBeenden(4), MonitorBeenden(0), MonitorBeenden(17);
    EXPECT_EQ(netz.nachrichten.back(), (Nachricht{"h3", "Beenden", "Beenden"}));
    EXPECT_EQ(dat(4), MonitorEndeZeilen(Zeit));
}

// TCP chosen without an address, file exchange with a folder: no message;
// the line-up and the player reach nothing, the status and the end go as the file.
TEST_F(Monitorexport, TcpOhneAdresse)
{
    struct Fall {
        const char* name;
        std::function<void()> exportieren;
        QString datei;
    };
    const Fall faelle[] = {
        {"Mannschaft", [this] { MonitorMannschaftExportieren(w); }, QString()},
        {"Spieler", [] { MonitorSpielerExportieren(3); }, QString()},
        {"Anzeige", [this] { MonitorStatusExportieren(w); },
         QStringLiteral("Werbung = False|Spiel = False|State = 8|TimeStamp = 50709250")},
        {"Beenden", [] { MonitorBeenden(3); }, QStringLiteral("Beenden|TimeStamp = 50709250")},
    };
    Einst.MonitorExport[3] = {ordner(3), true, true, QStringLiteral("  ")};
    spieler(3, 1, 1);
    w.Gestartet = 1;
    for (const Fall& f : faelle) {
        QFile::remove(ordner(3) + "/Monitor.dat");
        f.exportieren();
        EXPECT_TRUE(netz.nachrichten.empty()) << f.name;
        EXPECT_EQ(dat(3).join(u'|').toStdString(), f.datei.toStdString()) << f.name;
    }
}

// "Monitoranz2.dat" with a picture of the data folder and a clip named the
// Windows way.
class Monitorkonfiguration : public Monitorexport {
protected:
    void SetUp() override
    {
        Monitorexport::SetUp();
        ASSERT_TRUE(DateiAblegen(tmp.path(), "bild.jpg", "JPG") && DateiAblegen(tmp.path(), "clip.avi", "AVI"));
        const QByteArray clip = "C:" + tmp.path().toUtf8().replace('/', '\\') + "\\clip.avi";
        konfiguration = "Logo;" + tmp.filePath("bild.jpg").toUtf8() + ";4;0;0\r\nClip;" + clip + ";8;10;20\r\n";
        w.MonitorWerbung.Index = 2;
        Einst.MonitorWerbezeit = 12, Einst.MonitorWerbeabst = 30;
        datei(3), tcp(4);
        // Distinct colours, set in the order of the settings file.
        int i = 0;
        for (const char* n : {"Tafel", "THeim", "TGast", "TSpielerErg", "THeaderHeim", "THeaderGast", "TMannschaft",
                              "TErgebnisse", "TTotalHeim", "TTotalGast", "TWurfHeim", "TWurfGast", "TPlusHeim",
                              "TPlusGast", "TPunkteHeim", "TPunkteGast", "TSpieler", "TGestartet", "TFertig"}) {
            FarbeSetzen(QStringLiteral("ColorM") + QLatin1String(n), u32(++i));
            FarbeSetzen(QStringLiteral("ColorI") + QLatin1String(n), u32(100 + i));
        }
    }
    QByteArray konfiguration;
};

TEST_F(Monitorkonfiguration, OhneDateiNichts)
{
    Einst.TerminalExport = {ordner(3), true, false, {}};
    MonitorKonfigurationExportieren(&w);
    TerminalKonfigurationExportieren(&w);
    ASSERT_TRUE(abwarten());
    EXPECT_TRUE(QDir(ordner(3)).isEmpty() && QDir(ordner(4)).isEmpty());
}

TEST_F(Monitorkonfiguration, WerbungUndMonitorInf)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), "Monitoranz2.dat", konfiguration));
    QDir().mkpath(ordner(3) + "/Daten");
    DateiAblegen(ordner(3) + "/Daten", "Werbung.dat", "alt");
    qint64 ms = Zeit;  // a clock that moves on with every reading
    setUhr([&ms] { return QDateTime(QDate(2026, 3, 5), QTime::fromMSecsSinceStartOfDay(int(ms++))); });
    MonitorKonfigurationExportieren(&w);
    ASSERT_TRUE(abwarten());
    const QStringList inf = Z("ColorMTafel = 1|ColorMTHeim = 2|ColorMTGast = 3|ColorMTHeaderHeim = 5|"
                              "ColorMTHeaderGast = 6|ColorMTMannschaft = 7|ColorMTSpielerErg = 4|ColorMTErgebnisse = 8|"
                              "ColorMTTotalHeim = 9|ColorMTTotalGast = 10|ColorMTWurfHeim = 11|ColorMTWurfGast = 12|"
                              "ColorMTPlusHeim = 13|ColorMTPlusGast = 14|ColorMTPunkteHeim = 15|ColorMTPunkteGast = 16|"
                              "ColorMTSpieler = 17|ColorMTGestartet = 18|ColorMTFertig = 19|ExportDateiOn = True|"
                              "ExportTcpOn = False|MonitorWerbezeit = 12|MonitorWerbeabst = 30|"
                              "MonitorWerbungNeu = False|TimeStamp = 50709250");
    for (int k : {3, 4}) {
        EXPECT_EQ(Lesen(ordner(k) + "/Monitor.inf"), inf) << k;
        EXPECT_EQ(DateiInhalt(ordner(k) + "/Daten/Werbung.dat"), konfiguration) << k;
        EXPECT_FALSE(QFileInfo::exists(ordner(k) + "/Bilder"));
    }
    EXPECT_FALSE(QFileInfo::exists(ordner(1) + "/Monitor.inf"));  // not a lane of the match

    MonitorWerbungNeu = 1;
    Einst.MonitorIndex = 2;
    datei(1), datei(2);
    MonitorKonfigurationExportieren(nullptr);  // lanes 1..4
    ASSERT_TRUE(abwarten());
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(DateiInhalt(ordner(k) + "/Bilder/bild.jpg"), "JPG") << k;
        EXPECT_EQ(DateiInhalt(ordner(k) + "/Bilder/clip.avi"), "AVI") << k;
        EXPECT_TRUE(Lesen(ordner(k) + "/Monitor.inf").contains("MonitorWerbungNeu = True"));
    }
}

TEST_F(Monitorkonfiguration, Terminal)
{
    TMonitorExport& t = Einst.TerminalExport;
    t = {ordner(9), false, true, QStringLiteral("10.0.0.99")};
    w.TerminalWerbung.Werbung = 1;
    TerminalStatusExportieren(&w);
    w.TerminalEin = 1;
    TerminalStatusExportieren(&w), TerminalStatusExportieren(nullptr);
    EXPECT_EQ(netz.nachrichten, (std::vector<Nachricht>{{"10.0.0.99", "Anzeige", "False;False;8"},
                                                        {"10.0.0.99", "Anzeige", "True;False;8"}}));

    QDir().mkpath(ordner(9));
    // No exchange kind; a file without a folder; TCP without an address.
    for (const TMonitorExport& ohne : {TMonitorExport{ordner(9), false, false, "h"},
                                       TMonitorExport{"", true, false, "h"},
                                       TMonitorExport{ordner(9), false, true, ""}}) {
        t = ohne;
        TerminalStatusExportieren(&w);
    }
    EXPECT_EQ(netz.nachrichten.size(), 2u);
    ASSERT_TRUE(abwarten());
    EXPECT_FALSE(QFileInfo::exists(ordner(9) + "/Terminal.dat"));

    t = {ordner(9), true, false, {}};
    TerminalStatusExportieren(&w);
    ASSERT_TRUE(abwarten());
    EXPECT_EQ(Lesen(ordner(9) + "/Terminal.dat"), Z("Werbung = True|Spiel = False|State = 8|TimeStamp = 50709250"));

    ASSERT_TRUE(DateiAblegen(tmp.path(), "Terminalanz5.dat", konfiguration));
    w.TerminalWerbung.Index = 5;
    Einst.TerminalWerbezeit = 7, Einst.TerminalWerbeabst = 9;
    TerminalWerbungNeu = 1;
    TerminalKonfigurationExportieren(&w);
    ASSERT_TRUE(abwarten());
    EXPECT_EQ(Lesen(ordner(9) + "/Terminal.inf"),
              Z("ColorITafel = 101|ColorITHeim = 102|ColorITGast = 103|ColorITHeaderHeim = 105|ColorITHeaderGast = 106|"
                "ColorITMannschaft = 107|ColorITSpielerErg = 104|ColorITErgebnisse = 108|ColorITTotalHeim = 109|"
                "ColorITTotalGast = 110|ColorITWurfHeim = 111|ColorITWurfGast = 112|ColorITPlusHeim = 113|"
                "ColorITPlusGast = 114|ColorITPunkteHeim = 115|ColorITPunkteGast = 116|ColorITSpieler = 117|"
                "ColorITGestartet = 118|ColorITFertig = 119|ExportDateiOn = True|ExportTcpOn = False|"
                "TerminalWerbezeit = 7|TerminalWerbeabst = 9|TerminalWerbungNeu = True|TimeStamp = 50709250"));
    EXPECT_EQ(DateiInhalt(ordner(9) + "/Daten/Werbung.dat"), konfiguration);
    EXPECT_EQ(DateiInhalt(ordner(9) + "/Bilder/clip.avi"), "AVI");
    // The lane clients' files and settings stay untouched.
    EXPECT_FALSE(QFileInfo::exists(ordner(3) + "/Monitor.inf"));
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_EQ(Einst.MonitorExport[4].ExportAdresse, QStringLiteral("h4"));
}

// Holds the worker of one folder before each of its jobs, as a share that
// does not answer would, until released; notes that folder's jobs in the
// order its worker takes them.
class Haltepunkt {
public:
    explicit Haltepunkt(const QString& ordner)
    {
        clientablage().setVorJedem([z = m_z, ordner](const QString& ziel) {
            {
                std::lock_guard sperre(z->mx);
                z->aufUiThread = z->aufUiThread || QThread::currentThread() == QCoreApplication::instance()->thread();
                if (!ziel.startsWith(ordner + u'/')) return;
                z->jobs << QDir(ordner).relativeFilePath(ziel);
            }
            z->frei.wait_for(std::chrono::seconds(20));
        });
    }
    ~Haltepunkt()
    {
        freigeben();
        clientablage().setVorJedem(nullptr);
    }
    void freigeben()
    {
        if (!std::exchange(m_freigegeben, true)) m_z->freigabe.set_value();
    }
    QStringList jobs() const
    {
        std::lock_guard sperre(m_z->mx);
        return m_z->jobs;
    }
    // Whether a job of any folder ran on the UI thread.
    bool aufUiThread() const
    {
        std::lock_guard sperre(m_z->mx);
        return m_z->aufUiThread;
    }

private:
    struct Zustand {
        std::mutex mx;
        QStringList jobs;
        bool aufUiThread = false;
        std::promise<void> freigabe;
        std::shared_future<void> frei = freigabe.get_future().share();
    };
    std::shared_ptr<Zustand> m_z = std::make_shared<Zustand>();
    bool m_freigegeben = false;
};

// A client folder whose writes hang holds neither the exports nor the other
// folders. Released, it gets its jobs in order, each file whole, and of
// "Monitor.dat" only the newest content.
TEST_F(Monitorkonfiguration, EinHaengenderOrdnerHaeltWederExporteNochAndereOrdnerAuf)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), "Monitoranz2.dat", konfiguration));
    datei(3), datei(4);
    MonitorWerbungNeu = 1;
    w.MonitoreEin = 1;
    Haltepunkt halt(ordner(3));

    MonitorKonfigurationExportieren(&w);
    ASSERT_TRUE(warten([&] { return !halt.jobs().isEmpty(); }, 10000));
    // Per throw and phase: each export returns while lane 3's folder hangs.
    for (u16 phase : {u16(4), u16(8), u16(16)}) {
        w.Spielphase = phase;
        MonitorStatusExportieren(w);
    }
    // Lane 3's: the picture on its way, the clip, "Werbung.dat", "Monitor.inf", one "Monitor.dat".
    ASSERT_TRUE(warten([&] { return clientablage().ausstehend() == 5; }, 10000));
    EXPECT_EQ(halt.jobs(), QStringList{"Bilder/bild.jpg"});
    EXPECT_GE(clientablage().ersetzt(), 2u);
    EXPECT_EQ(AblageBeschaeftigt, 5);
    // Lane 4's folder has everything meanwhile.
    EXPECT_EQ(DateiInhalt(ordner(4) + "/Bilder/clip.avi"), "AVI");
    EXPECT_EQ(DateiInhalt(ordner(4) + "/Daten/Werbung.dat"), konfiguration);
    EXPECT_TRUE(QFileInfo::exists(ordner(4) + "/Monitor.inf"));
    EXPECT_EQ(Lesen(ordner(4) + "/Monitor.dat"), MonitorStatusZeilen(false, false, 16, Zeit));
    EXPECT_FALSE(QFileInfo::exists(ordner(3) + "/Monitor.dat"));

    halt.freigeben();
    ASSERT_TRUE(abwarten());
    EXPECT_FALSE(halt.aufUiThread());
    EXPECT_EQ(halt.jobs(),
              (QStringList{"Bilder/bild.jpg", "Bilder/clip.avi", "Daten/Werbung.dat", "Monitor.inf", "Monitor.dat"}));
    EXPECT_EQ(DateiInhalt(ordner(3) + "/Bilder/bild.jpg"), "JPG");
    EXPECT_EQ(DateiInhalt(ordner(3) + "/Daten/Werbung.dat"), konfiguration);
    EXPECT_EQ(Lesen(ordner(3) + "/Monitor.inf"), Lesen(ordner(4) + "/Monitor.inf"));
    EXPECT_EQ(Lesen(ordner(3) + "/Monitor.dat"), MonitorStatusZeilen(false, false, 16, Zeit));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(ordner(3)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"Bilder", "Daten", "Monitor.dat", "Monitor.inf"}));
    EXPECT_EQ(AblageBeschaeftigt, 0);
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// A folder that cannot be written is told once, not at every write; once it
// works again, a new failure is told again.
TEST_F(Monitorexport, EinOrdnerDerNichtBeschriebenWerdenKannWirdEinmalGemeldet)
{
    const QString kaputt = tmp.filePath(QStringLiteral("kaputt"));  // a file where the folder should be
    ASSERT_TRUE(DateiAblegen(tmp.path(), "kaputt", "x"));
    Einst.MonitorExport[3] = {kaputt, true, false, {}};
    datei(4);
    for (int i = 0; i < 3; ++i) {
        MonitorStatusExportieren(w);
        ASSERT_TRUE(abwarten());
    }
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    const QString text = skriptBoxen().gezeigt.first();
    const QString anfang = QStringLiteral("In den Ordner eines Monitors oder des Infoterminals kann nicht "
                                          "geschrieben werden:\n„%1/Monitor.dat“: ").arg(kaputt);
    EXPECT_TRUE(text.startsWith(anfang)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\nEr zeigt nicht den aktuellen Stand, bis sein Ordner wieder "
                                             "erreichbar ist.")));
    EXPECT_EQ(dat(4), MonitorStatusZeilen(false, false, 8, Zeit));  // the other lane's folder works

    ASSERT_TRUE(QFile::remove(kaputt) && QDir().mkpath(kaputt));
    MonitorStatusExportieren(w);
    ASSERT_TRUE(abwarten());
    EXPECT_EQ(Lesen(kaputt + "/Monitor.dat"), MonitorStatusZeilen(false, false, 8, Zeit));
    ASSERT_TRUE(QDir(kaputt).removeRecursively() && DateiAblegen(tmp.path(), "kaputt", "x"));
    MonitorStatusExportieren(w);
    ASSERT_TRUE(abwarten());
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
}

// A value the client file cannot hold keeps the file's line; the export
// repeats with every throw, its loss is told once.
TEST_F(Monitorexport, EinWertDenDieDateiNichtFasstWirdEinmalGemeldet)
{
    const QString pfad = ordner(3) + QStringLiteral("/Monitor.dat");
    ASSERT_TRUE(DateiAblegen(ordner(3), "Monitor.dat", "Heim = KSC\r\n"));
    for (int i = 0; i < 3; ++i) {
        clientablage().schreiben(ordner(3), QStringLiteral("Monitor.dat"),
                                 Z(QStringLiteral("Heim = Yılmaz|TimeStamp = %1").arg(i)));
        ASSERT_TRUE(abwarten());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Lesen(pfad), Z(QStringLiteral("Heim = KSC|TimeStamp = 2")));
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Nicht gespeichert in „%1“, weil die Datei diese Zeichen nicht darstellen "
                                         "kann (sie behält ihren bisherigen Eintrag):\nHeim: „ı“")
                              .arg(pfad)});
}

// Dropping the writer (as the program's end does) never waits for a folder
// that hangs: the job running there ends unheard, the ones waiting are dropped.
TEST_F(Monitorexport, OhneWartenAufEinenHaengendenOrdner)
{
    datei(3);
    Haltepunkt halt(ordner(3));
    MonitorStatusExportieren(w);
    ASSERT_TRUE(warten([&] { return !halt.jobs().isEmpty(); }, 10000));
    MonitorBeenden(3);  // waits behind it
    EXPECT_EQ(AblageBeschaeftigt, 2);
    ClientablageZuruecksetzen();
    EXPECT_FALSE(QFileInfo::exists(ordner(3) + "/Monitor.dat"));  // still held
    EXPECT_EQ(AblageBeschaeftigt, 0);
    halt.freigeben();
    ASSERT_TRUE(warten([&] { return QFileInfo::exists(ordner(3) + "/Monitor.dat"); }, 10000));
    EXPECT_EQ(Lesen(ordner(3) + "/Monitor.dat"), MonitorStatusZeilen(false, false, 8, Zeit));
    EXPECT_EQ(halt.jobs(), QStringList{"Monitor.dat"});
}

}  // namespace
