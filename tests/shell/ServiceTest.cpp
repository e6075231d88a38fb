#include "shell/Service.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/bus/CanLog.h"
#include "report/netz/Netzmodul.h"
#include "support/Dateien.h"
#include "support/Einsetzen.h"
#include "support/Httpserver.h"
#include "support/KernAufnahmen.h"
#include "support/Netzantworten.h"
#include "support/Serviceordner.h"
#include "support/Warten.h"

#include <QDir>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QDateTime Zeit1(QDate(2026, 3, 5), QTime(14, 5, 9));
const QDateTime Zeit2(QDate(2026, 3, 5), QTime(14, 6, 0));

class Servicelogik : public Serviceordner {
protected:
    QString daten(const QString& name) const { return QDir(Datenverzeichnis).filePath(name); }
    QStringList protokolle() const
    {
        return QDir(Datenverzeichnis).entryList({QStringLiteral("CAN *.dat")}, QDir::Files, QDir::Name);
    }
    // The log open with one line in it, for the mail.
    void protokollMitZeile()
    {
        ASSERT_TRUE(CanProtokollOeffnen(Zeit1));
        ProtokollMarke();
    }
    void mailEinstellungen()
    {
        Einst.EmailHost = QStringLiteral("smtp.example.de");
        Einst.EmailPort = 587;
        Einst.EmailKennungEin = true;
        Einst.EmailKennung = QStringLiteral("kegler");
        Einst.EmailVon = QStringLiteral("bahn@example.de");
        Bahnanlage = QStringLiteral("Kegelcenter Nord");
    }

    Netzantworten netz;
    NetzDiensteEinsetzen m_netz{&netz};
    UhrEinsetzen m_uhr{FesteUhr(Zeit1)};
};

}  // namespace

// The version comparison: '#', then characters 2 to 10 against the installed
// version, character by character.
TEST(ServiceSeite, VersionComparison)
{
    struct Fall {
        const char* seite;
        const char* installiert;
        bool neuer;
    };
    const Fall faelle[] = {
        {"#2.21.0063", "2.21.0062", true},
        {"2.21.0063", "2.21.0062", false},  // without '#'
        {"#2.21.0063", "", false},          // empty installed value
        {"#2.21.0062", "2.21.0062", false},  // equal
        {"#2.21.0061", "2.21.0062", false},
        {"#2.21.0063", "0", true},          // no installed value stored
        {"#3.00.0000", "2.21.0062", true},
        {"#2.3", "2.21.0062", true},        // '3' > '2' at the fourth character
        {"#", "2.21.0062", false},
        {"", "2.21.0062", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(UpdateNeuer(QString::fromLatin1(f.seite), QString::fromLatin1(f.installiert)), f.neuer)
            << f.seite << " / " << f.installiert;
}

// Server addresses, and the installed version from the key file ("0" without
// file or key; present but empty is never older).
TEST_F(Servicelogik, ServerAddressesAndInstalledVersion)
{
    const std::pair<const char*, const char*> adressen[] = {
        {"updates.example.de", "http://updates.example.de/Service/Updates/updates.html"},
        {" https://updates.example.de:8080// ", "https://updates.example.de:8080/Service/Updates/updates.html"},
        {"  ", ""},
    };
    for (const auto& [server, adresse] : adressen)
        EXPECT_EQ(ServerAdresse(QString::fromLatin1(server), Serviceseite), QString::fromLatin1(adresse)) << server;

    const std::pair<QByteArray, QString> staende[] = {
        {"Update = 2.21.0062\r\n", QStringLiteral("2.21.0062")},
        {"; Corvalink\nupdate=2.21.0063  \n", QStringLiteral("2.21.0063")},
        {"Update =\r\n", QString()},
        {"Version = 2.21.0062\r\n", QStringLiteral("0")},
    };
    EXPECT_EQ(UpdateStand(), QStringLiteral("0"));
    for (const auto& [inhalt, stand] : staende) {
        ASSERT_TRUE(DateiAblegen(ordner.path(), UpdateDatei, inhalt));
        EXPECT_EQ(UpdateStand(), stand) << inhalt.constData();
    }
}

// OK writes the 23 log keys in their order after the other sections and saves
// the file; a file that cannot be saved is named and OK reports it.
TEST_F(Servicelogik, OkWritesTheKeysInOrderAndSavesTheFile)
{
    InfListe = {QStringLiteral("[Allgemein]"), QStringLiteral("Bahnen = 8")};
    Einst.CANBahn[3] = Einst.CANBahn[16] = true;
    Einst.CANIn = Einst.CANNamenanzeige = true;
    ASSERT_TRUE(ServiceUebernehmen());

    const QStringList soll = {
        "[Allgemein]",          "Bahnen = 8",          "",
        "[Service]",            "CANAufzeichnen = False", "CANBahn1 = False",
        "CANBahn2 = False",     "CANBahn3 = True",     "CANBahn4 = False",
        "CANBahn5 = False",     "CANBahn6 = False",    "CANBahn7 = False",
        "CANBahn8 = False",     "CANBahn9 = False",    "CANBahn10 = False",
        "CANBahn11 = False",    "CANBahn12 = False",   "CANBahn13 = False",
        "CANBahn14 = False",    "CANBahn15 = False",   "CANBahn16 = True",
        "CANIn = True",         "CANOut = False",      "CANWuerfe = False",
        "CANBahnsteuerung = False", "CANMannschaftanzeige = False", "CANNamenanzeige = True",
    };
    EXPECT_EQ(InfListe, soll);
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList{"<fehlt>"}), soll);
    EXPECT_TRUE(DateiInhalt(InfDatei).startsWith("[Allgemein]\r\nBahnen = 8\r\n\r\n[Service]\r\n"));
    EXPECT_EQ(ServiceSchluessel().size(), 23);
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());

    // An existing line keeps its place; the value read back is the one written.
    Einst.CANBahn[3] = false;
    ASSERT_TRUE(ServiceUebernehmen());
    EXPECT_EQ(InfListe.at(7), QStringLiteral("CANBahn3 = False"));
    EXPECT_EQ(InfListe.size(), soll.size());

    InfDatei = QDir(ordner.path()).filePath(QStringLiteral("fehlt/Bravolin.inf"));
    EXPECT_FALSE(ServiceUebernehmen());
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
}

// Recording switched on opens a log named by the clock only when none is
// open; switched off, it closes the log.
TEST_F(Servicelogik, RecordingSwitchOpensAndClosesTheLog)
{
    Einst.CANAufzeichnen = true;
    ASSERT_TRUE(ServiceUebernehmen());
    EXPECT_EQ(protokolle(), QStringList{QStringLiteral("CAN 05_03_2026_14_05_09.dat")});
    ASSERT_TRUE(CanProtokollOffen());
    EXPECT_TRUE(CanLogAktiv());

    // On again a minute later, the log still open: no new file.
    setUhr(FesteUhr(Zeit2));
    ASSERT_TRUE(ServiceUebernehmen());
    CanLogZeile("Spielbeginn Bahn 1");
    EXPECT_EQ(protokolle(), QStringList{QStringLiteral("CAN 05_03_2026_14_05_09.dat")});
    EXPECT_EQ(DateiInhalt(daten(QStringLiteral("CAN 05_03_2026_14_05_09.dat"))), "Spielbeginn Bahn 1\r\n");

    Einst.CANAufzeichnen = false;
    ASSERT_TRUE(ServiceUebernehmen());
    EXPECT_FALSE(CanProtokollOffen());
    EXPECT_FALSE(CanLogAktiv());

    Einst.CANAufzeichnen = true;
    ASSERT_TRUE(ServiceUebernehmen());
    EXPECT_EQ(protokolle(), (QStringList{QStringLiteral("CAN 05_03_2026_14_05_09.dat"),
                                         QStringLiteral("CAN 05_03_2026_14_06_00.dat")}));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());

    // Without the data folder the log cannot be created: named, the keys are saved all the same.
    CanProtokollSchliessen();
    ASSERT_TRUE(QDir(Datenverzeichnis).removeRecursively());
    ASSERT_TRUE(ServiceUebernehmen());
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("CAN-Aufzeichnung: %1 kann nicht angelegt werden")
                              .arg(QDir::toNativeSeparators(daten(QStringLiteral("CAN 05_03_2026_14_06_00.dat"))))});
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList()).at(1), QStringLiteral("CANAufzeichnen = True"));
}

// "Textmarke" writes its line, "Löschen" empties the file and recording goes
// on from its start; without an open log both do nothing.
TEST_F(Servicelogik, MarkAndEmpty)
{
    ProtokollMarke();
    ProtokollLeeren();
    EXPECT_TRUE(protokolle().isEmpty());

    ASSERT_TRUE(CanProtokollOeffnen(Zeit1));
    Einst.CANAufzeichnen = true;
    const QString pfad = CanProtokolldatei().pfad();
    CanLogZeile("Spielbeginn Bahn 1");
    ProtokollMarke();
    EXPECT_EQ(DateiInhalt(pfad), "Spielbeginn Bahn 1\r\nMarke\r\n");
    ProtokollLeeren();
    EXPECT_EQ(DateiInhalt(pfad), "");
    ProtokollMarke();
    CanLogZeile("Spielende Bahn 1");
    EXPECT_EQ(DateiInhalt(pfad), "Marke\r\nSpielende Bahn 1\r\n");
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// The three checks in their order: each names its gap and nothing is sent;
// the log stays open.
TEST_F(Servicelogik, MailChecksInOrder)
{
    struct Fall {
        const char* an;
        const char* von;
        const char* host;
        QString meldung;
    };
    const Fall faelle[] = {
        {"", "", "", KeinEmpfaengerText},
        {"  ", "bahn@example.de", "smtp.example.de", KeinEmpfaengerText},
        {"service@example.de", "", "", KeinAbsenderText},
        {"service@example.de", "bahn@example.de", "", KeinMailserverText},
    };
    protokollMitZeile();
    for (const Fall& f : faelle) {
        skriptBoxen().gezeigt.clear();
        Einst.EmailVon = QString::fromLatin1(f.von);
        Einst.EmailHost = QString::fromLatin1(f.host);
        EXPECT_FALSE(ProtokollSenden(QString::fromLatin1(f.an), QStringLiteral("Text")));
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{f.meldung}) << f.an << "/" << f.von << "/" << f.host;
    }
    EXPECT_TRUE(netz.mails.isEmpty());
    EXPECT_TRUE(CanProtokolldatei().offen());
}

// The log goes with the mail, closed while it is under way and open again for
// appending after the transfer; the covering text follows the subject line.
TEST_F(Servicelogik, MailCarriesTheLogAndRecordingGoesOnAfterASuccess)
{
    mailEinstellungen();
    protokollMitZeile();
    Einst.CANAufzeichnen = true;
    const QString pfad = CanProtokolldatei().pfad();
    QList<std::pair<bool, bool>> enden;
    ASSERT_TRUE(ProtokollSenden(QStringLiteral(" service@example.de "), QStringLiteral("Bahn 3 zählt doppelt\nGruß"),
                                [&](bool ok, bool mitProtokoll) { enden.append({ok, mitProtokoll}); }));

    ASSERT_EQ(netz.mails.size(), 1);
    const Mailauftrag& m = netz.mails.first();
    EXPECT_EQ(m.host, QStringLiteral("smtp.example.de"));
    EXPECT_EQ(m.port, 587);
    EXPECT_EQ(m.kennung, QStringLiteral("kegler"));
    EXPECT_EQ(m.von, QStringLiteral("bahn@example.de"));
    EXPECT_EQ(m.vonName, QStringLiteral("Kegelcenter Nord"));
    EXPECT_EQ(m.an, QStringLiteral("service@example.de"));
    EXPECT_EQ(m.betreff, QStringLiteral("CAN-Testberichte von Kegelcenter Nord"));
    EXPECT_EQ(m.text, (QStringList{"CAN-Testberichte von Kegelcenter Nord", "", "Bahn 3 zählt doppelt", "Gruß"}));
    EXPECT_EQ(m.anhang, pfad);

    // Under way: the file is closed, the log counts as open, a second mail waits.
    EXPECT_TRUE(MailLaeuft());
    EXPECT_FALSE(CanProtokolldatei().offen());
    EXPECT_TRUE(CanProtokollOffen());
    EXPECT_FALSE(ProtokollSenden(QStringLiteral("service@example.de"), QString()));
    EXPECT_EQ(netz.mails.size(), 1);
    Einst.CANAufzeichnen = true;
    ASSERT_TRUE(ServiceUebernehmen());  // recording on: no new file meanwhile
    EXPECT_EQ(protokolle().size(), 1);

    netz.mailEnde(true);
    EXPECT_FALSE(MailLaeuft());
    EXPECT_TRUE(CanProtokolldatei().offen());
    EXPECT_EQ(enden, (QList<std::pair<bool, bool>>{{true, true}}));
    CanLogZeile("Spielbeginn Bahn 2");
    EXPECT_EQ(DateiInhalt(pfad), "Marke\r\nSpielbeginn Bahn 2\r\n");
    ProtokollLeeren();  // also in the file opened for appending
    ProtokollMarke();
    EXPECT_EQ(DateiInhalt(pfad), "Marke\r\n");
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// A failed transfer is named, and recording goes on in the same file.
TEST_F(Servicelogik, RecordingGoesOnAfterAFailedMail)
{
    mailEinstellungen();
    protokollMitZeile();
    Einst.CANAufzeichnen = true;
    const QString pfad = CanProtokolldatei().pfad();
    bool gemeldet = false;
    ASSERT_TRUE(ProtokollSenden(QStringLiteral("service@example.de"), QString(), [&](bool ok, bool mitProtokoll) {
        gemeldet = true;
        EXPECT_FALSE(ok);
        EXPECT_TRUE(mitProtokoll);
    }));
    EXPECT_EQ(netz.mails.first().text, (QStringList{"CAN-Testberichte von Kegelcenter Nord", ""}));
    netz.mailEnde(false, QStringLiteral("Verbindung zu smtp.example.de abgelehnt"));
    EXPECT_TRUE(gemeldet);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Verbindung zu smtp.example.de abgelehnt")});
    EXPECT_TRUE(CanProtokolldatei().offen());
    CanLogZeile("Spielende Bahn 1");
    EXPECT_EQ(DateiInhalt(pfad), "Marke\r\nSpielende Bahn 1\r\n");
    EXPECT_EQ(protokolle().size(), 1);
}

// Without the network module the answer comes at once; the log is open again.
// Without a log and without the user switch the mail has neither attachment nor login.
TEST_F(Servicelogik, MailWithoutNetworkModuleOrLog)
{
    mailEinstellungen();
    protokollMitZeile();
    {
        NetzDiensteEinsetzen keinNetz(nullptr);
        EXPECT_TRUE(ProtokollSenden(QStringLiteral("service@example.de"), QString()));
    }
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Der Versand ist in dieser Programmversion nicht eingerichtet !")});
    EXPECT_TRUE(CanProtokolldatei().offen());
    EXPECT_FALSE(MailLaeuft());

    // Recording switched off while the mail is under way: the log stays closed.
    skriptBoxen().gezeigt.clear();
    ASSERT_TRUE(ProtokollSenden(QStringLiteral("service@example.de"), QString()));
    Einst.CANAufzeichnen = false;
    ASSERT_TRUE(ServiceUebernehmen());
    netz.mailEnde(true);
    EXPECT_FALSE(CanProtokollOffen());

    Einst.EmailKennungEin = false;
    bool mitProtokoll = true;
    ASSERT_TRUE(ProtokollSenden(QStringLiteral("service@example.de"), QString(),
                                [&](bool, bool mit) { mitProtokoll = mit; }));
    EXPECT_TRUE(netz.mails.last().anhang.isEmpty());
    EXPECT_TRUE(netz.mails.last().kennung.isEmpty());
    netz.mailEnde(true);
    EXPECT_FALSE(mitProtokoll);
    EXPECT_FALSE(CanProtokollOffen());
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// The update check from the page's answer to the installer, one case a line:
// the page, the installed version, the operator's answers, a started match;
// what is shown, and whether the installer opens and the program ends.
TEST_F(Servicelogik, UpdateCheck)
{
    struct Fall {
        QByteArray seite;
        QByteArray updateInf;  // empty: no file
        QList<int> antworten;
        bool gestartet;
        QStringList gezeigt;
        bool installiert;
    };
    const QString frage = UpdateFrageText, gest = UpdateGestartetText, schl = UpdateSchliessenText;
    const Fall faelle[] = {
        {"#2.21.0063<html>", "Update = 2.21.0062\r\n", {ErgebnisJa, ErgebnisOk}, false, {frage, schl}, true},
        {"#2.21.0063", "", {ErgebnisJa, ErgebnisOk}, false, {frage, schl}, true},  // no file: "0"
        {"2.21.0063 <html>", "Update = 2.21.0062\r\n", {}, false, {KeinUpdateText}, false},
        {"#2.21.0062", "Update = 2.21.0062\r\n", {}, false, {KeinUpdateText}, false},
        {"#2.21.0063", "Update =\r\n", {}, false, {KeinUpdateText}, false},
        {"#2.21.0063", "Update = 2.21.0062\r\n", {ErgebnisNein}, false, {frage}, false},
        {"#2.21.0063", "Update = 2.21.0062\r\n", {ErgebnisJa, ErgebnisOk}, true, {frage, gest}, false},
        {"#2.21.0063", "Update = 2.21.0062\r\n", {ErgebnisJa, ErgebnisAbbrechen}, false, {frage, schl}, false},
    };
    Einst.UpdateServer = QStringLiteral("updates.example.de");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.seite.toStdString() + " / " + f.updateInf.toStdString());
        QFile::remove(QDir(ordner.path()).filePath(UpdateDatei));
        if (!f.updateInf.isEmpty()) {
            ASSERT_TRUE(DateiAblegen(ordner.path(), UpdateDatei, f.updateInf));
        }
        WettkampfBelegt[2] = f.gestartet;
        Wettkaempfe[2].Gestartet = f.gestartet;
        skriptBoxen() = SkriptBoxen{};
        skriptBoxen().antworten = f.antworten;
        ShellAufnahme shell;
        ShellStarterEinsetzen shellEin(&shell);
        int beendet = 0;
        netz.seiten.clear();

        UpdateSuchen([&] { ++beendet; });
        EXPECT_TRUE(UpdateLaeuft());
        UpdateSuchen([&] { ++beendet; });  // a second click while the page loads
        EXPECT_EQ(netz.seiten,
                  QStringList{QStringLiteral("http://updates.example.de/Updates/Lanorik/Update_Bravolin_Funk.html")});
        netz.seiteEnde(true, f.seite);
        EXPECT_FALSE(UpdateLaeuft());

        EXPECT_EQ(skriptBoxen().gezeigt, f.gezeigt);
        const QString installer = "http://updates.example.de/Updates/Lanorik/Update_Bravolin_Funk.exe|||1";
        EXPECT_EQ(shell.aufrufe, f.installiert ? QStringList{installer} : QStringList());
        EXPECT_EQ(beendet, f.installiert ? 1 : 0);
    }
}

// The whole check against a real web server through the real network
// module: the page's edge cases, a missing page and a server that keeps
// silent (named after the time limit, the UI thread running meanwhile).
TEST_F(Servicelogik, UpdateCheckAgainstAWebServer)
{
    HttpTestserver web;
    ASSERT_NE(web.port, 0) << "python3 -m http.server did not start";
    QTcpServer stumm;  // accepts and never answers
    ASSERT_TRUE(stumm.listen(QHostAddress::LocalHost));
    Netzmodul modul([](const QString&) {});
    modul.setSeitenzeitlimits({5000, 1000, 1500});
    NetzDiensteEinsetzen echtesNetz(&modul);
    const QString web404 = QStringLiteral("Der Server 127.0.0.1 (Port %1) meldet für "
                                          "/Updates/Lanorik/Update_Bravolin_Funk.html: 404 File not found")
                               .arg(web.port);
    const QString schweigt =
        QStringLiteral("Keine Antwort vom Server 127.0.0.1 (Port %1) (Zeitüberschreitung) !").arg(stumm.serverPort());

    struct Fall {
        QByteArray seite;  // empty: no page
        QByteArray updateInf;
        bool gestartet;
        bool stummerServer;
        QStringList gezeigt;
        bool installiert;
    };
    const QString frage = UpdateFrageText, gest = UpdateGestartetText, schl = UpdateSchliessenText;
    const Fall faelle[] = {
        {"#2.21.0063\r\n<html>", "Update = 2.21.0062\r\n", false, false, {frage, schl}, true},
        {"2.21.0063\r\n<html>", "Update = 2.21.0062\r\n", false, false, {KeinUpdateText}, false},
        {"#2.21.0063", "Update =\r\n", false, false, {KeinUpdateText}, false},
        {"#2.21.0063", "Update = 2.21.0062\r\n", true, false, {frage, gest}, false},
        {{}, "Update = 2.21.0062\r\n", false, false, {web404}, false},
        {{}, "Update = 2.21.0062\r\n", false, true, {schweigt}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.seite.toStdString() + " / " + f.updateInf.toStdString());
        web.entfernen(UpdateSeite);
        if (!f.seite.isEmpty()) {
            ASSERT_TRUE(web.ablegen(UpdateSeite, f.seite));
        }
        ASSERT_TRUE(DateiAblegen(ordner.path(), UpdateDatei, f.updateInf));
        Einst.UpdateServer = f.stummerServer ? QStringLiteral("127.0.0.1:%1").arg(stumm.serverPort())
                                             : QStringLiteral("127.0.0.1:%1").arg(web.port);
        WettkampfBelegt[2] = f.gestartet;
        Wettkaempfe[2].Gestartet = f.gestartet;
        skriptBoxen() = SkriptBoxen{};
        skriptBoxen().antworten = {ErgebnisJa, ErgebnisOk};
        ShellAufnahme shell;
        ShellStarterEinsetzen shellEin(&shell);
        int beendet = 0;
        int takte = 0;
        QTimer takt;
        QObject::connect(&takt, &QTimer::timeout, [&] { ++takte; });
        takt.start(10);

        UpdateSuchen([&] { ++beendet; });
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());  // nothing waits inside the click
        ASSERT_TRUE(warten([] { return !UpdateLaeuft(); }));
        if (f.stummerServer) {
            EXPECT_GE(takte, 30);
        }

        EXPECT_EQ(skriptBoxen().gezeigt, f.gezeigt);
        const QString installer = web.adresse() + "/Updates/Lanorik/Update_Bravolin_Funk.exe|||1";
        EXPECT_EQ(shell.aufrufe, f.installiert ? QStringList{installer} : QStringList());
        EXPECT_EQ(beendet, f.installiert ? 1 : 0);
    }
}

// No server, a failed fetch, no network module: each is named, nothing else
// happens. A server added by hand to the settings file counts at once.
TEST_F(Servicelogik, UpdateCheckThatCannotAsk)
{
    int beendet = 0;
    UpdateSuchen([&] { ++beendet; });
    ServiceseiteOeffnen();
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{KeinUpdateServerText, KeinUpdateServerText}));
    EXPECT_TRUE(netz.seiten.isEmpty());

    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Bravolin.inf"),
                             "[Service]\r\nUpdateServer = https://alt.example.de/\r\n"
                             "[Internet]\r\nUpdateServer = https://updates.example.de/\r\n"));  // the last counts
    skriptBoxen().gezeigt.clear();
    UpdateSuchen([&] { ++beendet; });
    EXPECT_EQ(netz.seiten,
              QStringList{QStringLiteral("https://updates.example.de/Updates/Lanorik/Update_Bravolin_Funk.html")});
    EXPECT_TRUE(InfListe.contains(QStringLiteral("UpdateServer = https://updates.example.de/")));  // kept at the next save
    netz.seiteEnde(false, {}, QStringLiteral("Host updates.example.de nicht gefunden"));
    {
        NetzDiensteEinsetzen keinNetz(nullptr);
        UpdateSuchen([&] { ++beendet; });
    }
    EXPECT_EQ(skriptBoxen().gezeigt,
              (QStringList{"Host updates.example.de nicht gefunden",
                           "Der Abruf aus dem Internet ist in dieser Programmversion nicht eingerichtet !"}));
    EXPECT_EQ(beendet, 0);
    EXPECT_FALSE(UpdateLaeuft());

    ShellAufnahme shell;
    ShellStarterEinsetzen shellEin(&shell);
    ServiceseiteOeffnen();
    EXPECT_EQ(shell.aufrufe, QStringList{"https://updates.example.de/Service/Updates/updates.html|||1"});
}
