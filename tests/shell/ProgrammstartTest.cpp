#include "competition/Chipkarte.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/TimerModul.h"
#include "platform/FakeCanAdapter.h"
#include "platform/LinuxDruckerport.h"
#include "shell/Programmstart.h"
#include "support/Aufnahmen.h"
#include "support/Einsetzen.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Records which display windows the start creates.
struct KonfigAufnahme : FensterAufnahme {
    QList<KonfigFenster> erzeugt;
    int menue = 0;
    bool erzeugen(KonfigFenster f) override
    {
        erzeugt << f;
        return true;
    }
    void hauptmenueAktualisieren() override { ++menue; }
};

class Programmstart : public Programmordner {
protected:
    void Einstellungen(const QStringList& zeilen)
    {
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Bravolin.inf")), zeilen));
    }
    QStringList Starten(int bildschirme = 1) { return ProgrammstartAusfuehren(ordner.path(), bildschirme); }

    KonfigAufnahme fenster;
    FakeCanAdapter adapter;

private:
    FensterDiensteEinsetzen m_fenster{&fenster};
    CanAdapterEinsetzen m_adapter{&adapter};
};

}  // namespace

TEST_F(Programmstart, EmptyFolderGivesTheDefaults)
{
    BahnAnzahl = 9;  // left from an earlier run: the start state replaces it
    const QStringList meldungen = Starten();
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(Versionstext, QStringLiteral("2.21.0062"));
    EXPECT_EQ(BahnAnzahl, 4);
    EXPECT_EQ(CanAktiv, 0);
    EXPECT_EQ(CanKarteOffen, 0);
    EXPECT_EQ(adapter.oeffnungen, 0);
    EXPECT_EQ(KartenleserAktiv, 0);
    EXPECT_EQ(KartenTimerAktiv, 0);
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht vorhanden !"));
    EXPECT_EQ(BahnendeTimerAktiv, 1);
    EXPECT_EQ(CanEmpfangTimerAktiv, 1);
    EXPECT_EQ(Einst.CanBusTimer, 10);
    EXPECT_FALSE(Einst.SchalterSichtbar);
    EXPECT_TRUE(Einst.Hinweise);
    EXPECT_EQ(Programmverzeichnis, QDir(ordner.path()).absolutePath());
    EXPECT_EQ(Datenverzeichnis, QDir(ordner.path()).absoluteFilePath(QStringLiteral("Daten")));
    EXPECT_EQ(Spielordner, QDir(ordner.path()).absoluteFilePath(QStringLiteral("Spiele")));
    EXPECT_TRUE(fenster.erzeugt.isEmpty());  // no boards
    EXPECT_EQ(WettkampfAnzahl, 0);
    EXPECT_GE(fenster.menue, 1);
    EXPECT_DOUBLE_EQ(Ausgabelautstaerke(), 1.0);
}

TEST_F(Programmstart, TheDataFolderBecomesTheCurrentDirectory)
{
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Daten")));
    Starten();
    EXPECT_EQ(QDir::currentPath(), QDir(ordner.path()).absoluteFilePath(QStringLiteral("Daten")));
}

TEST_F(Programmstart, RecordingOnOpensTheTrafficLogInTheDataFolder)
{
    UhrEinsetzen uhr(FesteUhr());
    Einstellungen({"[Service]", "CANAufzeichnen = True"});
    // Without a data folder the log cannot be created: the operator is told.
    QStringList meldungen = Starten();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("CAN-Aufzeichnung: "))) << meldungen.first().toStdString();
    EXPECT_FALSE(CanLogAktiv());

    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Daten")));
    meldungen = Starten();
    EXPECT_TRUE(meldungen.isEmpty());
    ASSERT_TRUE(CanLogAktiv());
    CanLogZeile("Marke");
    QFile log(ordner.filePath(QStringLiteral("Daten/CAN 05_03_2026_14_05_09.dat")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), "Marke\r\n");

    // Recording off: a new start closes it.
    Einstellungen({});
    Starten();
    EXPECT_FALSE(CanLogAktiv());
}

// With throw sheets on, the central printers' ports are opened from the
// devices the settings name: a printer whose port opened can be written, one
// whose device cannot be opened never is. Without throw sheets no port opens.
TEST_F(Programmstart, ThrowSheetsOpenThePrinterPortsTheSettingsName)
{
    LinuxDruckerport port;
    DruckerportEinsetzen einsetzen(port);
    const QString datei = ordner.filePath(QStringLiteral("lpt1.prn"));
    const QStringList drucker{"[Bahnsteuerung]", "Schnittstelle1 = 1", "Schnittstelle2 = 2",
                              "DruckerGeraetLpt1 = " + datei,
                              "DruckerGeraetLpt2 = " + ordner.filePath(QStringLiteral("fehlt/lpt2.prn"))};
    Einstellungen(drucker);
    Starten();
    EXPECT_EQ(DruckerportBereit[1] + DruckerportBereit[2], 0);
    EXPECT_FALSE(QFile::exists(datei));

    Einstellungen(drucker + QStringList{"DrWurfblatt = True"});
    Starten();
    EXPECT_EQ(DruckerportBereit[1], 1);
    EXPECT_EQ(DruckerportBereit[2], 0);
    EXPECT_TRUE(QFile::exists(datei));
    EXPECT_EQ(druckwarteschlangeZustand.DruckerportInit, 1);
}

TEST_F(Programmstart, BadSettingsValueDoesNotStopTheStart)
{
    Einstellungen({"[Allgemein]", "SoundAktiv = True", "[Bahnsteuerung]", "Bahnen = acht", "PcEinheit = 3",
                   "[System]", "Volume = 32768"});
    const QStringList meldungen = Starten();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("acht"))) << meldungen.first().toStdString();
    EXPECT_EQ(BahnAnzahl, 4);  // the default stays
    EXPECT_EQ(Einst.PcEinheit, 3);
    EXPECT_TRUE(Einst.SoundAktiv);
    EXPECT_EQ(BahnendeTimerAktiv, 1);  // the steps after it ran
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht vorhanden !"));
    EXPECT_NEAR(Ausgabelautstaerke(), 0.5, 0.001);
}

TEST_F(Programmstart, BusClockFromItsIndex)
{
    Einstellungen({"[CanBus]", "CanBusKarte = 1", "CanBusTakt = 4"});
    Starten();
    EXPECT_EQ(CanEinstellungen.Btr0, 0x01);
    EXPECT_EQ(CanEinstellungen.Btr1, 0x2B);
    EXPECT_EQ(CanAktiv, 1);
    EXPECT_EQ(adapter.letzteOeffnung.bitrate, 250000u);
}

TEST_F(Programmstart, StoredTimingBytesWin)
{
    Einstellungen({"[CanBus]", "CanBusKarte = 8", "CanBusTakt0 = 0", "CanBusTakt1 = 28"});
    Starten();
    EXPECT_EQ(CanEinstellungen.Btr0, 0);
    EXPECT_EQ(CanEinstellungen.Btr1, 28);
    EXPECT_EQ(CanAktiv, 1);
}

TEST_F(Programmstart, AnAdapterThatFailsLeavesTheBusOff)
{
    adapter.oeffnenGelingt = false;
    Einstellungen({"[CanBus]", "CanBusKarte = 1"});
    Starten();
    EXPECT_EQ(CanAktiv, 0);
    EXPECT_EQ(CanEinstellungen.StatusText, QStringLiteral("Karte nicht gefunden !"));
    EXPECT_EQ(BahnendeTimerAktiv, 1);
}

TEST_F(Programmstart, SecondMonitorBoardNeedsTwoScreens)
{
    Einstellungen({"[Anzeige]", "GrossAnzeige = True", "MannschAnzeige = True", "MonitorAnzeige = True"});
    Starten(1);
    EXPECT_FALSE(Einst.GrossAnzeige);
    EXPECT_TRUE(Einst.GrossAnzeigeEinstellung);
    EXPECT_EQ(fenster.erzeugt, (QList<KonfigFenster>{KonfigFenster::Mannschaftanz, KonfigFenster::Monitoranz}));

    fenster.erzeugt.clear();
    Starten(2);
    EXPECT_TRUE(Einst.GrossAnzeige);
    EXPECT_EQ(fenster.erzeugt, (QList<KonfigFenster>{KonfigFenster::Mannschaftanz, KonfigFenster::Grossanz,
                                                    KonfigFenster::Monitoranz}));
}

// PC/SC without a reader (pcscd running or not) is not found; a simulated
// card in a file opens, inserted or not.
TEST_F(Programmstart, ConfiguredReaderIsNotFound)
{
    Einstellungen({"[System]", "Chipkarte = 2"});
    Starten();
    EXPECT_EQ(KartenleserAktiv, 0);
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht gefunden !"));

    Einstellungen({"[System]", "Chipkarte = 1",
                   "ChipkarteSchnittstelle = datei:" + ordner.filePath(QStringLiteral("karte.bin"))});
    Starten();
    EXPECT_EQ(KartenleserAktiv, 1);
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte Ok !"));
    KartenleserSchliessen();
}

// Qt's dialogs and error texts and the C library's messages come out German
// after the start loaded the translations; a folder without them is no error.
TEST(DeutscheTexte, QtAndSystemTextsAreGerman)
{
    QTemporaryDir leer;
    EXPECT_FALSE(DeutscheTexteLaden(leer.path()));
    ASSERT_TRUE(DeutscheTexteLaden());
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"), "In PDF-Datei drucken");
    QFile fehlt(leer.filePath(QStringLiteral("fehlt.spl")));
    EXPECT_FALSE(fehlt.open(QIODevice::ReadOnly));
    EXPECT_EQ(fehlt.errorString(), "Die Datei oder das Verzeichnis konnte nicht gefunden werden");
    EXPECT_EQ(QString::fromLocal8Bit(std::strerror(EROFS)), "Das Dateisystem ist nur lesbar");
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) delete t;
}
