// The options dialog as the operator uses it: the real dialog with its real
// pages over a settings file in a program folder of its own.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Fensterhub.h"
#include "shell/Optionen.h"
#include "shell/OptionenProgramm.h"
#include "shell/Programmstart.h"
#include "shell/ui/Fensterregistrierung.h"
#include "shell/ui/Main.h"
#include "shell/ui/Optionen.h"
#include "support/Aufnahmen.h"
#include "support/Einsetzen.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <map>

namespace {

// The windows: every display window created or freed.
struct Fensterprobe : FensterAufnahme {
    bool erzeugen(KonfigFenster f) override
    {
        aufrufe << QStringLiteral("erzeugen %1").arg(int(f));
        return true;
    }
    void freigeben(KonfigFenster f) override { aufrufe << QStringLiteral("freigeben %1").arg(int(f)); }
};

// The network module: the time update timer; the synchronisation and the
// uploads answer as the null module does.
struct Netzprobe : NetzAufnahme {
    void zeitUpdateTimer(qint64 ms) override { aufrufe << QStringLiteral("zeitupdate %1").arg(ms); }
};

struct Bahnfensterprobe : BahnfensterAufnahme {
    void bahnuebersichtRahmen() override { aufrufe << QStringLiteral("rahmen"); }
};

struct Soundprobe : SoundAufnahme {
    QStringList angehalten;
    double stufe = 1.0;
    void anhalten(const QString& pfad) override { angehalten << QFileInfo(pfad).fileName(); }
    void setLautstaerke(double l) override { stufe = l; }
    double lautstaerke() const override { return stufe; }
};

// One tick of a dialog timer, without waiting for it.
void Ticken(QTimer* t) { QMetaObject::invokeMethod(t, "timeout"); }

// A settings file as sections: header -> lines, trailing blank lines cut.
using Sektionen = std::map<QString, QStringList>;

Sektionen Zerlegen(const QStringList& zeilen, QStringList* reihenfolge = nullptr)
{
    Sektionen s;
    QString aktuell;
    for (const QString& z : zeilen) {
        if (z.startsWith(QLatin1Char('['))) {
            aktuell = z;
            if (reihenfolge) *reihenfolge << z;
            s[aktuell];
            continue;
        }
        s[aktuell] << z;
    }
    for (auto& [kopf, rumpf] : s)
        while (!rumpf.isEmpty() && rumpf.constLast().isEmpty()) rumpf.removeLast();
    return s;
}

class Optionendialog : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        optionenZustand.zuruecksetzen();
        QDir(ordner.path()).mkdir(QStringLiteral("Daten"));
    }
    void TearDown() override
    {
        dlg.reset();
        Programmordner::TearDown();
    }

    // The settings file with these lines, read as at the program start.
    void starten(const QStringList& zeilen)
    {
        ASSERT_TRUE(TextdateiSchreiben(QDir(ordner.path()).filePath(QStringLiteral("Bravolin.inf")), zeilen));
        EinstellungenLaden(ordner.path());
    }
    QStringList datei() const { return TextdateiLesen(InfDatei).value_or(QStringList{QStringLiteral("fehlt")}); }
    QString daten(const char* name) const { return QDir(Datenverzeichnis).filePath(QLatin1String(name)); }

    void oeffnen()
    {
        dlg = std::make_unique<TOptionen>(nullptr);
        dlg->show();
    }
    template <typename T>
    T* f(const char* name) const
    {
        T* w = dlg->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QStringList gezeigt() const { return skriptBoxen().gezeigt; }

    Fensterprobe fensterprobe;
    Netzprobe netzprobe;
    Soundprobe soundprobe;
    Bahnfensterprobe bahnfensterprobe;
    FensterDiensteEinsetzen m_fenster{&fensterprobe};
    BahnfensterDiensteEinsetzen m_bahnfenster{&bahnfensterprobe};
    NetzDiensteEinsetzen m_netz{&netzprobe};
    SoundAusgabeEinsetzen m_sound{&soundprobe};
    UhrEinsetzen m_uhr{FesteUhr()};
    std::unique_ptr<TOptionen> dlg;
};

// A file from an older installation: some of the dialog's keys, a key of
// another dialog in the same section, a section of its own.
const QStringList Start = {
    "[Allgemein]", "WettkDir = C:\\Kegeln\\Spiele", "SpielerDir = /home/kegeln/Daten", "Land = Bayern",
    "Club = KSV Alpha", "FaxDeckblatt = 2", "",
    "[Ansicht]", "Hinweise = False", "ColorSpiel = 255", "DoppelclickSpeed = 5000", "",
    "[Service]", "CANIn = True", "",
    "[Internet]", "TimePort = 123", "ZeitUpdate = True", "ZeitUpInterv = 4", "ZeitUpLast = 01.03.2026 08:00:00",
};

// The colours after ColorSpiel, as the defaults give them.
const QStringList Farbzeilen = {
    "ColorBahnen = 10485760", "ColorErgebnistafel = 10451556", "ColorHeim = 2147483670", "ColorGast = 2147483670",
    "ColorHeaderHeim = 8388736", "ColorHeaderGast = 8421376", "ColorTotalHeim = 0", "ColorTotalGast = 0",
    "ColorWurfHeim = 0", "ColorWurfGast = 0", "ColorPlusHeim = 0", "ColorPlusGast = 0", "ColorPunkteHeim = 0",
    "ColorPunkteGast = 0", "ColorSpieler = 0", "ColorGestartet = 15389394", "ColorFertig = 13673122",
    "ColorHinweis = 12632256", "ColorSpielbericht = 11964280", "ColorFormulare = 12632256",
    "ColorTafel = 10451556", "ColorTHeim = 2147483670", "ColorTGast = 2147483670", "ColorTErgebnisse = 2147483670",
    "ColorTHeaderHeim = 6569265", "ColorTHeaderGast = 6569265", "ColorTTotalHeim = 0", "ColorTTotalGast = 0",
    "ColorTWurfHeim = 0", "ColorTWurfGast = 0", "ColorTPlusHeim = 0", "ColorTPlusGast = 0", "ColorTPunkteHeim = 0",
    "ColorTPunkteGast = 0", "ColorTSpieler = 0", "ColorTGestartet = 8388736", "ColorTFertig = 16711680",
    "ColorITafel = 10451556", "ColorITHeim = 6569265", "ColorITGast = 6569265", "ColorITHeaderHeim = 9317322",
    "ColorITHeaderGast = 9317322", "ColorITSpielerErg = 16777215", "ColorITMannschaft = 16777215",
    "ColorITErgebnisse = 10906720", "ColorITTotalHeim = 0", "ColorITTotalGast = 0", "ColorITWurfHeim = 0",
    "ColorITWurfGast = 0", "ColorITPlusHeim = 0", "ColorITPlusGast = 0", "ColorITPunkteHeim = 0",
    "ColorITPunkteGast = 0", "ColorITSpieler = 16777215", "ColorITGestartet = 16777215", "ColorITFertig = 16777215",
};

// After OK without a change: the keys there keep their lines (the double-tap
// time within its 300..3000), the missing ones follow in their order at the
// end of their section, missing sections at the end of the file.
const std::vector<std::pair<QString, QStringList>> Soll = {
    {"[Allgemein]",
     {"WettkDir = C:\\Kegeln\\Spiele", "SpielerDir = /home/kegeln/Daten", "Land = Bayern", "Club = KSV Alpha",
      "FaxDeckblatt = 2", "ExportDir = ", "Bezirk = ", "Klasse = ", "Spielort = ", "Bahnanlage = ", "SoundAktiv = False", "ClickSoundAktiv = False",
      "TastSoundAktiv = False"}},
    {"[Ansicht]", QStringList{"Hinweise = False", "ColorSpiel = 255", "DoppelclickSpeed = 3000",
                              "Verschiebbar = False", "SchalterSichtbar = False", "SchalterUnten = False",
                              "Hintergrund = False", "Statusleiste = False"} +
                      Farbzeilen +
                      QStringList{"TouchAktiv = True", "TastDoppelclick = True", "Punkteanzeige = False",
                                  "Satzanzeige = False", "Bahnerganzeige = False"}},
    {"[Service]", {"CANIn = True"}},
    {"[Internet]",
     {"TimePort = 123", "ZeitUpdate = True", "ZeitUpInterv = 4", "ZeitUpLast = 01.03.2026 08:00:00", "TimeHost = ",
      "ZeitUpStart = False", "FtpHost = ", "FtpPort = 21", "FtpKennung = ", "FtpZugang = ", "FtpPfad = ",
      "FtpUpdate = False", "FtpUpdateZeit = False", "FtpUpdateInterv = 0", "FtpUpdateDurchg = False",
      "FtpUpdateWechsel = False", "JavaUpdate = False"}},
    {"[System]", {"ChipkartePort = 1", "Chipkarte = 0", "AudioDevice = 0", "Volume = 0", "Record = 0"}},
    {"[Programme]",
     {"Programm1 = ", "ProgrammName1 = ", "Programm2 = ", "ProgrammName2 = ", "Programm3 = ", "ProgrammName3 = "}},
    {"[email]",
     {"EmailHost = ", "EmailPort = 25", "EmailKennungEin = False", "EmailKennung = ", "EmailName = ", "EmailVon = ",
      "EmailAn = ", "EmailBetreff = "}},
    {"[Anzeige]",
     {"MannschAnzeige = False", "MannschAnzeigeDig = 0", "MannschAnzeigeAnz = 0", "NamenAnzeige = False",
      "NamenAnzeigeDig = 0", "SaPAnzeige = False", "SaPAnzeigeDig = 0", "SaPWand = False", "SaPNamen = False",
      "MaPMannsch = False", "GrossAnzeige = False", "MonitorAnzeige = False", "TerminalAnzeige = False",
      "SpielzeitIntervall = 6"}},
};

// The sections of the pages Bahnsteuerung, Vorwahl and Can Bus, which their
// own tests check; once a golden file here names one, it is compared too.
const QStringList AndereSeiten = {"[Bahnsteuerung]", "[Wurfvorwahl]", "[CanBus]"};

// Every section of the golden file as written, in its order; no section
// besides those and the other pages'.
void SollVergleichen(const QStringList& datei, const std::vector<std::pair<QString, QStringList>>& soll)
{
    QStringList reihenfolge;
    const Sektionen ist = Zerlegen(datei, &reihenfolge);
    QStringList sollReihenfolge;
    for (const auto& [kopf, rumpf] : soll) {
        sollReihenfolge << kopf;
        ASSERT_TRUE(ist.count(kopf)) << kopf.toStdString();
        EXPECT_EQ(ist.at(kopf), rumpf) << kopf.toStdString();
    }
    reihenfolge.removeIf([&](const QString& k) { return AndereSeiten.contains(k) && !sollReihenfolge.contains(k); });
    EXPECT_EQ(reihenfolge, sollReihenfolge);
    EXPECT_TRUE(datei.first().startsWith(QLatin1Char('[')));
}

}  // namespace

// --- OK, Cancel and the strict fields -------------------------------------------------------

TEST_F(Optionendialog, OkWithoutChangesWritesEveryKeyOfThePagesInItsSectionAndOrder)
{
    starten(Start);
    oeffnen();
    dlg->BtnOK->click();

    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    SollVergleichen(datei(), Soll);
    // The time update runs every 4 hours; the lists are written, empty.
    EXPECT_TRUE(netzprobe.aufrufe.contains(QStringLiteral("zeitupdate 14400000")));
    EXPECT_TRUE(fensterprobe.aufrufe.contains(QStringLiteral("menue")));
    EXPECT_EQ(bahnfensterprobe.aufrufe, QStringList{QStringLiteral("rahmen")});
    for (const char* liste : {"Formular.inf", "FormularDatei.inf", "Wurfvorw.inf", "Gruppe.inf", "Klasse.inf",
                              "EmailAn.inf"}) {
        EXPECT_TRUE(QFile::exists(daten(liste))) << liste;
        EXPECT_EQ(QFileInfo(daten(liste)).size(), 0) << liste;
    }
    EXPECT_TRUE(gezeigt().isEmpty());
}

// One value changed on each of the ten pages reaches its key in the file.
TEST_F(Optionendialog, AValueChangedOnEveryPageReachesTheFile)
{
    starten(Start);
    oeffnen();
    const auto tippen = [&](const char* name, const QString& text) {
        QLineEdit* e = f<QLineEdit>(name);
        e->setText(text);
        emit e->textEdited(text);
    };
    const auto waehlen = [&](const char* name, const QString& text) {
        QComboBox* c = f<QComboBox>(name);
        const int i = c->findText(text);
        ASSERT_GE(i, 0) << name << " " << text.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    };
    tippen("EVorgabeBezirk", QStringLiteral("Oberfranken"));        // Allgemein
    f<QCheckBox>("CBHinweise")->click();                           // Ansicht: off in the file, on now
    tippen("ETimeoutBahnw", QStringLiteral("7"));                  // Bahnsteuerung
    waehlen("CSektion", QStringLiteral("Bohle"));                  // Vorwahl
    tippen("ECanTimer", QStringLiteral("20"));                     // Can Bus
    waehlen("CChipkarte", QStringLiteral(" Towko Chipdrive"));     // System
    tippen("EProgrammName1", QStringLiteral("Editor"));            // Programme
    tippen("EFtpHost", QStringLiteral("ftp.example.de"));          // Internet
    tippen("EEmailHost", QStringLiteral("smtp.example.de"));       // email
    f<QCheckBox>("CBMonitorAnzeige")->click();                     // Anzeige
    dlg->BtnOK->click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted) << gezeigt().join(u'|').toStdString();
    const QStringList d = datei();
    for (const char* zeile : {"Bezirk = Oberfranken", "Hinweise = True", "TimeoutBahnw = 7", "Sektion = Bohle",
                              "CanBusTimer = 20", "Chipkarte = 4", "ProgrammName1 = Editor", "FtpHost = ftp.example.de",
                              "EmailHost = smtp.example.de", "MonitorAnzeige = True"})
        EXPECT_TRUE(d.contains(QLatin1String(zeile))) << zeile;
}

// A folder or program picked with "..." goes into its field only when the
// settings file can hold its name: else the character is named below the
// field, and field and file keep what they had.
TEST_F(Optionendialog, APickedFolderTheFileCannotHoldIsRefused)
{
    starten(Start);
    oeffnen();
    const QDir tmp(ordner.path());
    const struct {
        const char *knopf, *feld, *ordner, *bleibt, *hinweis;
        bool programm = false, abbrechen = false;
    } faelle[] = {
        {"BtnExportDir", "EExportDir", "Yılmaz", "", "„ı“ kann hier nicht gespeichert werden."},
        {"BtnWettkDir", "EWettkDir", "Ağa", "C:\\Kegeln\\Spiele", "„ğ“ kann hier nicht gespeichert werden."},
        {"BtnExportDir", "EExportDir", "Müller", "Müller", ""},
        {"SBtnProgramm1", "EProgramm1", "Yılmaz/start", "", "„ı“ kann hier nicht gespeichert werden.", true},
        {"SBtnProgramm1", "EProgramm1", "Editor", "", "", true, true},  // chosen, then cancelled
    };
    for (const auto& f : faelle) {
        const QString gewaehlt = tmp.filePath(QString::fromUtf8(f.ordner));
        ASSERT_TRUE(tmp.mkpath(f.programm ? QFileInfo(gewaehlt).path() : gewaehlt));
        QFile programm(gewaehlt);
        if (f.programm) {
            ASSERT_TRUE(programm.open(QIODevice::WriteOnly));
            programm.setPermissions(programm.permissions() | QFileDevice::ExeOwner);
        }
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            gesehen = true;
            d->setDirectory(f.programm ? QFileInfo(gewaehlt).path() : gewaehlt);
            d->selectFile(gewaehlt);
            QMetaObject::invokeMethod(d, f.abbrechen ? "reject" : "accept");
        });
        this->f<QPushButton>(f.knopf)->click();
        EXPECT_TRUE(gesehen) << f.ordner;
        QLineEdit* feld = this->f<QLineEdit>(f.feld);
        const QString bleibt = QString::fromUtf8(f.bleibt);
        EXPECT_EQ(feld->text(), bleibt == QString::fromUtf8(f.ordner) ? gewaehlt : bleibt);
        auto* hinweis = feld->findChild<QLabel*>(QStringLiteral("Zeichenhinweis"));
        EXPECT_EQ(hinweis ? hinweis->text() : QString(), QString::fromUtf8(f.hinweis));
        delete hinweis;
    }
    dlg->BtnOK->click();
    const QStringList d = datei();
    EXPECT_TRUE(d.contains(QStringLiteral("ExportDir = ") + tmp.filePath(QStringLiteral("Müller"))));
    EXPECT_TRUE(d.contains(QStringLiteral("WettkDir = C:\\Kegeln\\Spiele")));
}

TEST_F(Optionendialog, ClearingTheDefinitionsLeavesOnlyTheKeysOfTheDialog)
{
    starten(Start);
    oeffnen();
    EXPECT_FALSE(f<QCheckBox>("CBInfLoeschen")->isChecked());
    f<QCheckBox>("CBInfLoeschen")->setChecked(true);
    dlg->BtnOK->click();

    // Written anew, each section in the order of its keys; no [Service].
    std::vector<std::pair<QString, QStringList>> soll = {
        {"[Allgemein]",
         {"WettkDir = C:\\Kegeln\\Spiele", "ExportDir = ", "SpielerDir = /home/kegeln/Daten", "Land = Bayern",
          "Bezirk = ", "Club = KSV Alpha", "Klasse = ", "Spielort = ", "Bahnanlage = ", "SoundAktiv = False", "ClickSoundAktiv = False",
          "TastSoundAktiv = False"}},
        {"[Ansicht]", QStringList{"Verschiebbar = False", "Hinweise = False", "SchalterSichtbar = False",
                                  "SchalterUnten = False", "Hintergrund = False", "Statusleiste = False",
                                  "ColorSpiel = 255"} +
                          Farbzeilen +
                          QStringList{"TouchAktiv = True", "TastDoppelclick = True", "DoppelclickSpeed = 3000",
                                      "Punkteanzeige = False", "Satzanzeige = False", "Bahnerganzeige = False"}},
        {"[System]", Soll[4].second},
        {"[Programme]", Soll[5].second},
        {"[Internet]",
         {"TimeHost = ", "TimePort = 123", "ZeitUpStart = False", "ZeitUpdate = True", "ZeitUpInterv = 4",
          "ZeitUpLast = 01.03.2026 08:00:00", "FtpHost = ", "FtpPort = 21", "FtpKennung = ", "FtpZugang = ",
          "FtpPfad = ", "FtpUpdate = False", "FtpUpdateZeit = False", "FtpUpdateInterv = 0",
          "FtpUpdateDurchg = False", "FtpUpdateWechsel = False", "JavaUpdate = False"}},
        {"[email]", Soll[6].second},
        {"[Anzeige]", Soll[7].second},
    };
    SollVergleichen(datei(), soll);
    // Opened again, the box is clear.
    dlg->show();
    EXPECT_FALSE(f<QCheckBox>("CBInfLoeschen")->isChecked());
}

// The devices of the machine (CAN interface, printer and card reader device
// files) have no page: clearing the definitions keeps the lines the file
// holds, so the next start still finds its devices; it adds none it lacks.
TEST_F(Optionendialog, ClearingTheDefinitionsKeepsTheDevicesNoPageEnters)
{
    starten(Start + QStringList{"", "[Bahnsteuerung]", "DruckerGeraetLpt1 = /dev/usb/lp0",
                                "DruckerGeraetCom3 = /dev/ttyUSB1", "", "[CanBus]",
                                "CanSchnittstelle = socketcan:can1", "", "[System]",
                                "ChipkarteSchnittstelle = /dev/ttyACM0"});
    oeffnen();
    f<QCheckBox>("CBInfLoeschen")->setChecked(true);
    dlg->BtnOK->click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);

    const Sektionen s = Zerlegen(datei());
    EXPECT_FALSE(s.count("[Service]"));  // the rest is cleared as before
    EXPECT_TRUE(s.at("[Bahnsteuerung]").contains(QStringLiteral("DruckerGeraetLpt1 = /dev/usb/lp0")));
    EXPECT_TRUE(s.at("[Bahnsteuerung]").contains(QStringLiteral("DruckerGeraetCom3 = /dev/ttyUSB1")));
    EXPECT_TRUE(s.at("[CanBus]").contains(QStringLiteral("CanSchnittstelle = socketcan:can1")));
    EXPECT_TRUE(s.at("[System]").contains(QStringLiteral("ChipkarteSchnittstelle = /dev/ttyACM0")));
    EXPECT_FALSE(datei().join(u'|').contains(QStringLiteral("DruckerGeraetLpt2")));

    // The next start.
    EinstellungenLaden(ordner.path());
    EXPECT_EQ(Einst.CanSchnittstelle, QStringLiteral("socketcan:can1"));
    EXPECT_EQ(Einst.DruckerGeraetLpt[1], QStringLiteral("/dev/usb/lp0"));
    EXPECT_EQ(Einst.DruckerGeraetLpt[2], QStringLiteral("/dev/lp1"));
    EXPECT_EQ(Einst.DruckerGeraetCom[3], QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(Einst.ChipkarteSchnittstelle, QStringLiteral("/dev/ttyACM0"));
}

// OK writes the file with the passwords readable by its owner alone, also
// where the file was readable by everyone.
// A program folder under "Yılmaz": the match and database folders it derives
// stay derived through any number of OKs and starts, as the settings file
// cannot hold them; a value it cannot hold keeps the file's line, and the
// operator is told which, once for the save.
TEST_F(Optionendialog, AProgramFolderTheFileCannotHoldStaysDerived)
{
    const QString programm = QDir(ordner.path()).filePath(QStringLiteral("Yılmaz/programm"));
    ASSERT_TRUE(QDir().mkpath(programm + QStringLiteral("/Daten")));
    const QString inf = QDir(programm).filePath(QStringLiteral("Bravolin.inf"));
    ASSERT_TRUE(TextdateiSchreiben(inf, {QStringLiteral("[Allgemein]"), QStringLiteral("ExportDir = /alt/Export")}));
    const QString kopf = QStringLiteral("Nicht gespeichert in „%1“, weil die Datei diese Zeichen nicht darstellen "
                                        "kann (sie behält ihren bisherigen Eintrag):\n")
                             .arg(inf);
    const struct {
        const char *export_, *spieler;  // typed at the end of the field
        const char* box;
    } runden[] = {
        {"", "", nullptr},
        {"/Export", "2", "ExportDir: „ı“\nSpielerDir: „ı“"},
        {"", "", nullptr},
        {"", "2", "SpielerDir: „ı“"},  // told on every save, the same again
        {"", "2", "SpielerDir: „ı“"},
    };
    for (const auto& r : runden) {
        EinstellungenLaden(programm);
        EXPECT_EQ(Einst.Spieleverzeichnis, programm + QStringLiteral("/Spiele"));
        EXPECT_EQ(Einst.DatenbankPfad, programm + QStringLiteral("/Daten"));
        EXPECT_EQ(Spielordner, Einst.Spieleverzeichnis);
        oeffnen();
        QLineEdit* exportDir = f<QLineEdit>("EExportDir");
        if (*r.export_) {
            exportDir->setText(programm);
            Tippen(exportDir, QString::fromUtf8(r.export_));
        }
        Tippen(f<QLineEdit>("ESpielerDir"), QString::fromUtf8(r.spieler));
        dlg->BtnOK->click();
        ASSERT_EQ(dlg->result(), QDialog::Accepted);
        QCoreApplication::processEvents();
        EXPECT_EQ(gezeigt(), r.box ? QStringList{kopf + QString::fromUtf8(r.box)} : QStringList{});
        skriptBoxen().gezeigt.clear();
        QFile datei(inf);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        const QByteArray bytes = datei.readAll();
        EXPECT_FALSE(bytes.contains('?'));
        EXPECT_FALSE(bytes.contains("WettkDir") || bytes.contains("SpielerDir"));
        EXPECT_TRUE(bytes.contains("\r\nExportDir = /alt/Export\r\n"));
    }
}

TEST_F(Optionendialog, OkLeavesTheSettingsFileToItsOwner)
{
    starten(Start);
    ASSERT_TRUE(QFile::setPermissions(InfDatei, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadGroup | QFileDevice::ReadOther));
    oeffnen();
    f<QLineEdit>("EFtpPasswort")->setText(QStringLiteral("geheim"));
    dlg->BtnOK->click();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(QFile::permissions(InfDatei) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A team or name board switched on without its width would stay dark: OK
// names the width that is missing and stores nothing. A board switched off
// needs none.
TEST_F(Optionendialog, ABoardSwitchedOnWithoutItsWidthIsRefused)
{
    const struct {
        const char *schalter, *feld, *text, *meldung;
    } faelle[] = {
        {"CBMannschAnzeige", "EStellenMannschaft", "0",
         "Die Mannschaftsanzeige ist eingeschaltet, aber ihre Stellen fehlen: bitte die Anzahl der Stellen der "
         "Mannschaftsanzeige eingeben !"},
        {"CBNamenanzeige", "EStellenNamen", "",
         "Die Namenanzeige ist eingeschaltet, aber ihre Stellen fehlen: bitte die Anzahl der Stellen der "
         "Namenanzeige eingeben !"},
    };
    for (const auto& fall : faelle) {
        skriptBoxen().gezeigt.clear();
        starten({"[Anzeige]", "MannschAnzeigeDig = 11", "NamenAnzeigeDig = 9"});
        const QStringList vorher = datei();
        oeffnen();
        f<QCheckBox>(fall.schalter)->setChecked(true);
        f<QLineEdit>(fall.feld)->setText(QLatin1String(fall.text));
        dlg->BtnOK->click();
        EXPECT_TRUE(dlg->isVisible()) << fall.feld;
        EXPECT_EQ(dlg->TabControlOptionen->currentIndex(), TOptionen::Anzeige);
        EXPECT_EQ(gezeigt(), QStringList{QString::fromUtf8(fall.meldung)});
        EXPECT_EQ(dlg->focusWidget(), f<QLineEdit>(fall.feld));
        EXPECT_EQ(datei(), vorher);
        EXPECT_FALSE(Einst.MannschanzOn || Einst.NamenanzOn);

        f<QLineEdit>(fall.feld)->setText(QStringLiteral("11"));
        dlg->BtnOK->click();
        EXPECT_EQ(dlg->result(), QDialog::Accepted) << fall.feld;
        dlg.reset();
    }

    // Switched off, a width of 0 is no error.
    skriptBoxen().gezeigt.clear();
    starten({"[Anzeige]", "MannschAnzeige = False", "NamenAnzeige = False"});
    oeffnen();
    dlg->BtnOK->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(gezeigt().isEmpty());
}

TEST_F(Optionendialog, CancelWritesNothingWhileTouchAndVolumeStayAsSetInTheDialog)
{
    starten(Start);
    TouchEingabe = 1;
    const QByteArray vorher = [&] {
        QFile d(InfDatei);
        d.open(QIODevice::ReadOnly);
        return d.readAll();
    }();
    oeffnen();
    f<QLineEdit>("EVorgabeLand")->setText(QStringLiteral("Hessen"));
    f<QCheckBox>("CBTouch")->setChecked(false);
    QFocusEvent weg(QEvent::FocusOut);
    QApplication::sendEvent(f<QCheckBox>("CBTouch"), &weg);
    EXPECT_EQ(TouchEingabe, 0);
    f<QSlider>("TBLautst")->setValue(30000);
    EXPECT_DOUBLE_EQ(soundprobe.stufe, 30000 / 65535.0);
    dlg->BtnAbbruch->click();

    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(Einst.Land, QStringLiteral("Bayern"));
    EXPECT_FALSE(Einst.TouchAktiv);
    EXPECT_EQ(TouchEingabe, 0);
    EXPECT_EQ(Einst.Volume, 30000);
    QFile d(InfDatei);
    ASSERT_TRUE(d.open(QIODevice::ReadOnly));
    EXPECT_EQ(d.readAll(), vorher);
    EXPECT_FALSE(QFile::exists(daten("Formular.inf")));
    EXPECT_TRUE(netzprobe.aufrufe.isEmpty());
}

TEST_F(Optionendialog, AStrictFieldInErrorStoresNothingAndShowsItsPage)
{
    starten(Start);
    oeffnen();
    f<QLineEdit>("EVorgabeLand")->setText(QStringLiteral("Hessen"));
    f<QLineEdit>("ETimePort")->setText(QStringLiteral("abc"));
    dlg->BtnOK->click();

    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->TabControlOptionen->currentIndex(), TOptionen::Internet);
    EXPECT_EQ(gezeigt(), QStringList{QStringLiteral("'abc' ist keine gültige Zahl !")});
    EXPECT_EQ(dlg->focusWidget(), f<QLineEdit>("ETimePort"));
    EXPECT_TRUE(dlg->BtnOK->isEnabled());
    EXPECT_EQ(Einst.Land, QStringLiteral("Bayern"));
    EXPECT_EQ(datei(), Start);
    EXPECT_TRUE(netzprobe.aufrufe.isEmpty());
    EXPECT_TRUE(fensterprobe.aufrufe.isEmpty());

    // An empty interval is no number either; the e-mail port comes last.
    f<QLineEdit>("ETimePort")->setText(QStringLiteral("$25"));
    f<QLineEdit>("EZeitUpdate")->clear();
    f<QLineEdit>("EEmailPort")->setText(QStringLiteral("-1"));
    dlg->BtnOK->click();
    f<QLineEdit>("EZeitUpdate")->setText(QStringLiteral("2"));
    dlg->BtnOK->click();
    EXPECT_EQ(dlg->TabControlOptionen->currentIndex(), TOptionen::Email);
    EXPECT_EQ(gezeigt().mid(1), (QStringList{"'' ist keine gültige Zahl !", "'-1' liegt nicht zwischen 1 und 65535 !"}));
    EXPECT_EQ(datei(), Start);

    f<QLineEdit>("EEmailPort")->setText(QStringLiteral(" 587 "));
    dlg->BtnOK->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Einst.TimePort, 37);
    EXPECT_EQ(Einst.EmailPort, 587);
    EXPECT_EQ(Einst.Land, QStringLiteral("Hessen"));
}

// Every port can be typed into the port fields, and only a port is stored;
// the synchronisation interval takes what its three digits hold. A port not
// set shows its standard.
TEST_F(Optionendialog, PortFieldsTakeEveryPortAndNothingElse)
{
    const struct {
        const char *feld, *getippt;
        int seite;
        const char* meldung;  // empty: stored
    } faelle[] = {
        {"EFtpPort", "24722", TOptionen::Internet, ""},
        {"ETimePort", "65535", TOptionen::Internet, ""},
        {"EEmailPort", "10587", TOptionen::Email, ""},
        {"EFtpPort", "$FFFF", TOptionen::Internet, ""},
        {"EFtpPort", "1", TOptionen::Internet, ""},
        {"EFtpPort", "65536", TOptionen::Internet, "'65536' liegt nicht zwischen 1 und 65535 !"},
        {"ETimePort", "99999", TOptionen::Internet, "'99999' liegt nicht zwischen 1 und 65535 !"},
        {"EEmailPort", "0", TOptionen::Email, "'0' liegt nicht zwischen 1 und 65535 !"},
        {"EZeitUpdate", "999", TOptionen::Internet, ""},
    };
    for (const auto& fall : faelle) {
        starten(Start);
        skriptBoxen().gezeigt.clear();
        oeffnen();
        EXPECT_EQ(f<QLineEdit>("ETimePort")->text(), QStringLiteral("123"));
        EXPECT_EQ(f<QLineEdit>("EFtpPort")->text(), QStringLiteral("21"));
        EXPECT_EQ(f<QLineEdit>("EEmailPort")->text(), QStringLiteral("25"));
        QLineEdit* feld = f<QLineEdit>(fall.feld);
        feld->clear();
        Tippen(feld, QString::fromLatin1(fall.getippt));
        EXPECT_EQ(feld->text(), QString::fromLatin1(fall.getippt));
        dlg->BtnOK->click();
        const QString getippt = QString::fromLatin1(fall.getippt);
        const qint64 wert = getippt.startsWith('$') ? getippt.mid(1).toLongLong(nullptr, 16) : getippt.toLongLong();
        const QString name = QString::fromLatin1(fall.feld).mid(1);
        const QString key = name == "ZeitUpdate" ? QStringLiteral("ZeitUpInterv") : name;
        if (*fall.meldung) {
            EXPECT_TRUE(dlg->isVisible()) << fall.feld << " " << fall.getippt;
            EXPECT_EQ(dlg->TabControlOptionen->currentIndex(), fall.seite);
            EXPECT_EQ(gezeigt(), QStringList{QString::fromUtf8(fall.meldung)});
            EXPECT_EQ(datei(), Start);
        } else {
            EXPECT_EQ(dlg->result(), QDialog::Accepted) << fall.feld << " " << fall.getippt;
            EXPECT_TRUE(gezeigt().isEmpty()) << gezeigt().join('|').toStdString();
            EXPECT_TRUE(datei().contains(QStringLiteral("%1 = %2").arg(key).arg(wert))) << fall.feld;
        }
        dlg.reset();
    }
    EXPECT_EQ(Einst.EmailPort, 25);  // stored by the last OK
}

TEST_F(Optionendialog, ASettingsFileThatCannotBeSavedKeepsTheDialogOpen)
{
    starten(Start);
    InfDatei = QDir(ordner.path()).filePath(QStringLiteral("fehlt/Bravolin.inf"));
    oeffnen();
    dlg->BtnOK->click();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->BtnOK->isEnabled());
    ASSERT_EQ(gezeigt().size(), 1);
    EXPECT_TRUE(gezeigt().first().contains(QStringLiteral("konnte nicht gespeichert werden"))) << gezeigt().first().toStdString();
    EXPECT_FALSE(QFile::exists(daten("Formular.inf")));
}

// --- What OK stores from the pages --------------------------------------------------------

TEST_F(Optionendialog, EmailRecipientAndThrowTimeStepWithoutASelection)
{
    starten({"[email]", "EmailAn = b@kegeln.de", "", "[Anzeige]", "SpielzeitIntervall = 8"});
    ASSERT_TRUE(TextdateiSchreiben(daten("EmailAn.inf"), {"a@kegeln.de", "b@kegeln.de"}));
    EmailAnListe = {QStringLiteral("a@kegeln.de"), QStringLiteral("b@kegeln.de")};
    oeffnen();
    EXPECT_EQ(f<QComboBox>("CEmailAn")->currentIndex(), 1);
    EXPECT_EQ(f<QComboBox>("CSpielzeit")->currentIndex(), -1);  // 8 is neither 6 nor 10
    f<QComboBox>("CEmailAn")->setCurrentIndex(-1);
    dlg->BtnOK->click();
    EXPECT_EQ(Einst.EmailAn, QString());
    EXPECT_EQ(Einst.SpielzeitIntervall, 6);
    const Sektionen s = Zerlegen(datei());
    EXPECT_TRUE(s.at("[email]").contains(QStringLiteral("EmailAn = ")));
    EXPECT_TRUE(s.at("[Anzeige]").contains(QStringLiteral("SpielzeitIntervall = 6")));
    EXPECT_EQ(TextdateiLesen(daten("EmailAn.inf")), (QStringList{"a@kegeln.de", "b@kegeln.de"}));

    dlg.reset();
    oeffnen();
    f<QComboBox>("CSpielzeit")->setCurrentIndex(1);
    dlg->BtnOK->click();
    EXPECT_EQ(Einst.SpielzeitIntervall, 10);
}

TEST_F(Optionendialog, NoAudioDeviceKeepsTheDeviceBefore)
{
    starten({"[System]", "AudioDevice = 3", "Chipkarte = 2", "ChipkartePort = 9"});
    oeffnen();
    f<QComboBox>("CAudioDevice")->clear();
    // A port the list does not have shows none, and none keeps it.
    EXPECT_EQ(f<QComboBox>("CChipkartePort")->currentIndex(), -1);
    EXPECT_TRUE(f<QComboBox>("CChipkartePort")->isEnabled());
    dlg->BtnOK->click();
    EXPECT_EQ(Einst.AudioDevice, 3);
    EXPECT_EQ(Einst.ChipkartePort, 9);
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht gefunden !"));
    EXPECT_EQ(KartenleserAktiv, 0);
    EXPECT_TRUE(Zerlegen(datei()).at("[System]").contains(QStringLiteral("AudioDevice = 3")));

    dlg.reset();
    oeffnen();
    f<QComboBox>("CChipkarte")->setCurrentIndex(0);
    EXPECT_FALSE(f<QComboBox>("CChipkartePort")->isEnabled());
    dlg->BtnOK->click();
    EXPECT_EQ(KartenStatusText, QStringLiteral("Chipkarte nicht vorhanden !"));
}

// The port box of the chip-card reader is usable exactly while a reader is
// chosen: as the dialog opens with each reader type of the settings, and as
// the operator changes the reader.
TEST_F(Optionendialog, TheCardPortBoxFollowsTheReader)
{
    for (int typ = 0; typ <= 4; ++typ) {
        SCOPED_TRACE(typ);
        starten({"[System]", QStringLiteral("Chipkarte = %1").arg(typ), "ChipkartePort = 2"});
        oeffnen();
        auto* leser = f<QComboBox>("CChipkarte");
        auto* port = f<QComboBox>("CChipkartePort");
        EXPECT_EQ(leser->currentIndex(), typ);
        EXPECT_EQ(port->isEnabled(), typ > 0);
        leser->setCurrentIndex(typ > 0 ? 0 : 3);
        EXPECT_EQ(port->isEnabled(), typ == 0);
        leser->setCurrentIndex(typ);
        EXPECT_EQ(port->isEnabled(), typ > 0);
        dlg.reset();
    }
}

TEST_F(Optionendialog, TimeUpdateAndDisplayWindowsAreAppliedOnOk)
{
    starten({"[Anzeige]", "GrossAnzeige = True", "NamenAnzeige = True", "NamenAnzeigeDig = 9"});
    oeffnen();
    // One monitor: the box stays as stored, and is saved so.
    EXPECT_FALSE(f<QCheckBox>("CBDualScreen")->isEnabled());
    EXPECT_TRUE(f<QCheckBox>("CBDualScreen")->isChecked());
    f<QCheckBox>("CBZeitUpdate")->setChecked(true);
    f<QLineEdit>("EZeitUpdate")->setText(QStringLiteral("12"));
    f<QCheckBox>("CBInfoterminal")->setChecked(true);
    dlg->BtnOK->click();

    EXPECT_EQ(Einst.ZeitUpLast, Jetzt());
    EXPECT_EQ(netzprobe.aufrufe, QStringList{QStringLiteral("zeitupdate 43200000")});
    QStringList fenster = fensterprobe.aufrufe;
    fenster.removeAll(QStringLiteral("menue"));
    // The board itself needs the second monitor.
    EXPECT_EQ(fenster, (QStringList{"freigeben 0", "erzeugen 1", "freigeben 2", "freigeben 3", "erzeugen 4"}));
    EXPECT_TRUE(Zerlegen(datei()).at("[Anzeige]").contains(QStringLiteral("GrossAnzeige = True")));

    dlg.reset();
    netzprobe.aufrufe.clear();
    oeffnen();
    f<QCheckBox>("CBZeitUpdate")->setChecked(false);
    dlg->BtnOK->click();
    EXPECT_EQ(netzprobe.aufrufe, QStringList{QStringLiteral("zeitupdate 0")});
}

// Started with one monitor the result board is off for the run, while the
// settings keep it: OK without a change keeps it so; unticked (the box is
// the operator's with two monitors) it is stored off.
TEST_F(Optionendialog, OneMonitorKeepsTheStoredResultBoardSetting)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 1);
    ASSERT_TRUE(TextdateiSchreiben(QDir(ordner.path()).filePath(QStringLiteral("Bravolin.inf")),
                                   {"[Anzeige]", "GrossAnzeige = True"}));
    ProgrammstartAusfuehren(ordner.path(), int(QGuiApplication::screens().size()));
    EXPECT_FALSE(Einst.GrossAnzeige);
    for (const bool an : {true, false}) {
        oeffnen();
        auto* box = f<QCheckBox>("CBDualScreen");
        EXPECT_FALSE(box->isEnabled());
        EXPECT_TRUE(box->isChecked());
        if (!an) box->setChecked(false);
        dlg->BtnOK->click();
        const QString zeile = QStringLiteral("GrossAnzeige = ") + (an ? "True" : "False");
        EXPECT_TRUE(Zerlegen(datei()).at("[Anzeige]").contains(zeile)) << datei().join('|').toStdString();
        EXPECT_FALSE(Einst.GrossAnzeige);
        dlg.reset();
    }
}

TEST_F(Optionendialog, ColoursChosenWhileOpenAreWrittenByOkOnly)
{
    starten({});
    oeffnen();
    FarbeSetzen(u"ColorTFertig", 255);  // as the colour chooser stores them
    dlg->BtnAbbruch->click();
    EXPECT_EQ(datei(), QStringList());
    EXPECT_EQ(Farbe(u"ColorTFertig"), 255u);
    oeffnen();
    dlg->BtnOK->click();
    EXPECT_TRUE(Zerlegen(datei()).at("[Ansicht]").contains(QStringLiteral("ColorTFertig = 255")));
}

// --- While the dialog is open -----------------------------------------------------------------

TEST_F(Optionendialog, ThePageShownSetsTheKeyboardsRange)
{
    starten({});
    oeffnen();
    EXPECT_EQ(std::pair(FeldcodeMin, FeldcodeMax), std::pair(u16(190), u16(198)));
    const std::pair<TOptionen::Seite, std::pair<int, int>> seiten[] = {
        {TOptionen::Internet, {220, 228}}, {TOptionen::Email, {230, 236}},     {TOptionen::Anzeige, {237, 242}},
        {TOptionen::Ansicht, {237, 242}},  {TOptionen::System, {210, 210}},    {TOptionen::Programme, {211, 216}},
        {TOptionen::Allgemein, {190, 198}},
    };
    for (const auto& [seite, bereich] : seiten) {
        dlg->TabControlOptionen->setCurrentIndex(seite);
        EXPECT_EQ(std::pair(int(FeldcodeMin), int(FeldcodeMax)), bereich) << seite;
    }
}

TEST_F(Optionendialog, HeldStepButtonsRepeatAndStayWithinTheirRange)
{
    starten({"[Ansicht]", "DoppelclickSpeed = 400"});
    oeffnen();
    auto druecken = [](QWidget* w, QEvent::Type art) {
        QMouseEvent e(art, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    auto* speed = f<QSlider>("TBDoppelclickSpeed");
    auto* timer3 = f<QTimer>("Timer3");
    druecken(f<QPushButton>("SBtnSpeedDown"), QEvent::MouseButtonPress);
    EXPECT_EQ(speed->value(), 300);
    EXPECT_TRUE(timer3->isActive());
    Ticken(timer3);
    EXPECT_EQ(speed->value(), 300);
    druecken(f<QPushButton>("SBtnSpeedDown"), QEvent::MouseButtonRelease);
    EXPECT_FALSE(timer3->isActive());
    speed->setValue(2900);
    druecken(f<QPushButton>("SBtnSpeedUp"), QEvent::MouseButtonPress);
    for (int i = 0; i < 3; ++i) Ticken(timer3);
    druecken(f<QPushButton>("SBtnSpeedUp"), QEvent::MouseButtonRelease);
    EXPECT_EQ(speed->value(), 3000);

    // The volumes step by 2000, the output at once to the sound.
    auto* lautst = f<QSlider>("TBLautst");
    EXPECT_EQ(lautst->value(), 65535);
    druecken(f<QPushButton>("SBtnLautstDown"), QEvent::MouseButtonPress);
    Ticken(f<QTimer>("Timer1"));
    druecken(f<QPushButton>("SBtnLautstDown"), QEvent::MouseButtonRelease);
    EXPECT_EQ(Einst.Volume, 61535);
    EXPECT_DOUBLE_EQ(soundprobe.stufe, 61535 / 65535.0);
    druecken(f<QPushButton>("SBtnRecordUp"), QEvent::MouseButtonPress);
    druecken(f<QPushButton>("SBtnRecordUp"), QEvent::MouseButtonRelease);
    EXPECT_EQ(Einst.Record, 2000);
    EXPECT_EQ(optionenZustand.Haltecode, 4);
}

TEST_F(Optionendialog, SoundTestPlaysUntilPressedAgainOrTwentySeconds)
{
    starten({});
    QFile wav(BravolinWav);
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();
    oeffnen();
    auto* test = f<QPushButton>("BtnTest");
    auto* timer2 = f<QTimer>("Timer2");
    test->click();
    EXPECT_TRUE(test->isChecked());
    EXPECT_EQ(soundprobe.gespielt, QStringList{QStringLiteral("Bravolin.wav")});
    EXPECT_EQ(timer2->interval(), 20000);
    EXPECT_TRUE(timer2->isActive());
    Ticken(timer2);
    EXPECT_FALSE(test->isChecked());
    EXPECT_EQ(soundprobe.angehalten, QStringList{QStringLiteral("Bravolin.wav")});
    test->click();
    test->click();
    EXPECT_EQ(soundprobe.angehalten.size(), 2);
    EXPECT_FALSE(timer2->isActive());
}

TEST_F(Optionendialog, InternetPageDependentControlsAndTheServicesNotSetUp)
{
    starten({"[Internet]", "FtpUpdate = True", "FtpUpdateZeit = True", "FtpUpdateWechsel = True", "JavaUpdate = True"});
    oeffnen();
    dlg->TabControlOptionen->setCurrentIndex(TOptionen::Internet);
    auto* update = f<QCheckBox>("CBFtpUpdate");
    EXPECT_TRUE(f<QLineEdit>("EFtpUpdateInterv")->isEnabled());
    update->click();
    EXPECT_FALSE(update->isChecked());
    for (const char* name : {"CBFtpUpdateZeit", "CBFtpUpdateDurchg", "CBFtpUpdateWechsel"}) {
        EXPECT_FALSE(f<QCheckBox>(name)->isEnabled()) << name;
        EXPECT_FALSE(f<QCheckBox>(name)->isChecked()) << name;
    }
    EXPECT_FALSE(f<QLabel>("LMinuten")->isEnabled());
    EXPECT_TRUE(f<QLabel>("BtnHtmlSite")->isEnabled());
    f<QCheckBox>("CBJavaUpdate")->click();
    EXPECT_FALSE(f<QLabel>("BtnHtmlSite")->isEnabled());

    // "Zeit aktualisieren" stores host and port at once and is usable again.
    f<QLineEdit>("ETimeHost")->setText(QStringLiteral("ptbtime1.ptb.de"));
    f<QLineEdit>("ETimePort")->setText(QStringLiteral("x"));
    Klicken(f<QLabel>("BtnTime"));
    EXPECT_TRUE(f<QLabel>("BtnTime")->isEnabled());
    Klicken(f<QLabel>("LStandard"));
    EXPECT_EQ(f<QLineEdit>("ETimePort")->text(), QStringLiteral("37"));
    Klicken(f<QLabel>("BtnTime"));
    EXPECT_EQ(Einst.TimeHost, QStringLiteral("ptbtime1.ptb.de"));
    EXPECT_EQ(Einst.TimePort, 37);
    EXPECT_TRUE(f<QLabel>("BtnTime")->isEnabled());
    EXPECT_FALSE(Einst.ZeitUpLast.isValid());
    f<QPushButton>("BtnEinstellen")->click();
    Klicken(f<QLabel>("BtnFtpServer"));
    EXPECT_EQ(gezeigt(),
              (QStringList{"'x' ist keine gültige Zahl !",
                           "Die Zeitabfrage ist in dieser Programmversion nicht eingerichtet !",
                           "Die Zeitabfrage ist in dieser Programmversion nicht eingerichtet !",
                           "Das Veröffentlichen im Internet ist in dieser Programmversion nicht eingerichtet !"}));

    // Port 0 is out of range for both buttons.
    skriptBoxen().gezeigt.clear();
    f<QLineEdit>("ETimePort")->setText(QStringLiteral("0"));
    Klicken(f<QLabel>("BtnTime"));
    f<QCheckBox>("CBJavaUpdate")->click();
    f<QLineEdit>("EFtpPort")->setText(QStringLiteral("0"));
    Klicken(f<QLabel>("BtnHtmlSite"));
    EXPECT_EQ(gezeigt(), QStringList(2, QStringLiteral("'0' liegt nicht zwischen 1 und 65535 !")));
    EXPECT_EQ(Einst.TimePort, 37);
}

TEST_F(Optionendialog, RecipientListEditorAndPointsBoxes)
{
    starten({"[Ansicht]", "Punkteanzeige = False", "", "[Anzeige]", "MannschAnzeige = True", "MannschAnzeigeDig = 11",
             "MannschAnzeigeAnz = 3"});
    EmailAnListe = {QStringLiteral("a@kegeln.de"), QStringLiteral("c@kegeln.de")};
    oeffnen();
    auto* an = f<QComboBox>("CEmailAn");
    auto eintraege = [an] {
        QStringList e;
        for (int i = 0; i < an->count(); ++i) e << an->itemText(i);
        return e;
    };
    EXPECT_EQ(an->currentIndex(), -1);  // no recipient chosen
    an->setCurrentIndex(0);
    emit an->activated(0);
    an->setCurrentText(QStringLiteral("b@kegeln.de"));
    f<QPushButton>("BtnEmailAnNeu")->click();  // after the chosen first entry
    EXPECT_EQ(eintraege(), (QStringList{"a@kegeln.de", "b@kegeln.de", "c@kegeln.de"}));
    EXPECT_EQ(an->currentIndex(), 1);
    an->setCurrentText(QStringLiteral("d@kegeln.de"));
    f<QPushButton>("BtnEmailUmbenennen")->click();
    EXPECT_EQ(eintraege(), (QStringList{"a@kegeln.de", "d@kegeln.de", "c@kegeln.de"}));
    f<QPushButton>("BtnEmailAnLoeschen")->click();
    EXPECT_EQ(an->currentIndex(), 0);
    dlg->BtnOK->click();
    EXPECT_EQ(EmailAnListe, (QStringList{"a@kegeln.de", "c@kegeln.de"}));
    EXPECT_EQ(Einst.EmailAn, QStringLiteral("a@kegeln.de"));

    dlg.reset();
    oeffnen();
    EXPECT_EQ(f<QComboBox>("CAnzahlMannschaft")->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(f<QLineEdit>("EStellenMannschaft")->isEnabled());
    EXPECT_FALSE(f<QLineEdit>("EStellenNamen")->isEnabled());
    for (const char* name : {"CBSaPAnzeige", "CBSaPWand", "CBSaPNamen", "CBMaPMannsch"})
        EXPECT_FALSE(f<QCheckBox>(name)->isEnabled()) << name;
    f<QCheckBox>("CBPunkteanzeige")->setChecked(true);
    for (const char* name : {"CBSaPAnzeige", "CBSaPWand", "CBSaPNamen", "CBMaPMannsch"})
        EXPECT_TRUE(f<QCheckBox>(name)->isEnabled()) << name;
    f<QLineEdit>("EStellenNamen")->setText(QStringLiteral("a7"));
    dlg->BtnOK->click();
    EXPECT_EQ(Einst.NamenAnzeigeDig, 7);  // the digits only
}

// --- Through the main window --------------------------------------------------------------------

TEST_F(Optionendialog, OpenedFromTheMenuProgramTitlesBecomeMenuEntries)
{
    starten({"[Programme]", "ProgrammName1 = Tabelle"});
    Fensterhub hub;
    FensterDiensteEinsetzen mitHub{&hub};
    ShellFensterRegistrieren(hub);
    TMain main(hub);
    main.show();
    main.HauptmenueAktualisieren();
    EXPECT_TRUE(main.MProgramm[1]->isVisible());

    ImDialog<TOptionen>(
        hub,
        [&] {
            main.MProgrammoptionen->trigger();
            return true;
        },
        [&](TOptionen& d) {
            d.findChild<QLineEdit*>(QStringLiteral("EProgrammName1"))->clear();
            d.findChild<QLineEdit*>(QStringLiteral("EProgrammName3"))->setText(QStringLiteral("Ergebnisdienst"));
            d.findChild<QCheckBox*>(QStringLiteral("CBStatusleiste"))->setChecked(true);
            d.BtnOK->click();
        });
    EXPECT_FALSE(main.MProgramm[1]->isVisible());
    EXPECT_FALSE(main.MProgramm[2]->isVisible());
    EXPECT_TRUE(main.MProgramm[3]->isVisible());
    EXPECT_EQ(main.MProgramm[3]->text(), QStringLiteral("Ergebnisdienst"));
    EXPECT_TRUE(main.MProgrammTeiler->isVisible());
    EXPECT_TRUE(main.statusBar()->isVisible());
    EXPECT_TRUE(Zerlegen(datei()).at("[Programme]").contains(QStringLiteral("ProgrammName3 = Ergebnisdienst")));

    ImDialog<TOptionen>(
        hub,
        [&] {
            main.MProgrammoptionen->trigger();
            return true;
        },
        [&](TOptionen& d) {
            d.findChild<QLineEdit*>(QStringLiteral("EProgrammName3"))->clear();
            d.BtnOK->click();
        });
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(main.MProgramm[n]->isVisible()) << n;
    EXPECT_FALSE(main.MProgrammTeiler->isVisible());
}

// --- Without the windows --------------------------------------------------------------------------

TEST(Optionenlogik, StrictNumbersAndTheThrowTimeStep)
{
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("37")).wert, 37);
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("$15")).wert, 21);
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("$FFFF")).wert, 65535);
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral(" 25 ")).wert, 25);
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("70000")).fehler,
              QStringLiteral("'70000' liegt nicht zwischen 0 und 65535 !"));
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("2 1")).fehler, QStringLiteral("'2 1' ist keine gültige Zahl !"));
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("$")).fehler, QStringLiteral("'$' ist keine gültige Zahl !"));
    EXPECT_EQ(StrengeZahlLesen(QStringLiteral("$-1")).fehler, QStringLiteral("'$-1' ist keine gültige Zahl !"));
    EXPECT_EQ(SpielzeitAusText(QStringLiteral("10")), 10);
    EXPECT_EQ(SpielzeitAusText(QStringLiteral("zehn")), 6);
}

// Every key the pages write, and every device key, is a setting, under the
// section it is read from.
TEST(Optionenlogik, EveryKeyOfThePagesIsASettingOfItsSection)
{
    int anzahl = 0;
    for (const auto& liste : {AllgemeinSchluessel(), AnsichtSchluessel(), SystemSchluessel(), ProgrammeSchluessel(),
                              InternetSchluessel(), EmailSchluessel(), AnzeigeSchluessel(), GeraeteSchluessel()})
        for (const auto& [sektion, name] : liste) {
            const Einstellungsschluessel* s = SchluesselSuchen(name);
            ASSERT_NE(s, nullptr) << name.toStdString();
            EXPECT_EQ(s->name, name);
            EXPECT_EQ(s->sektion, sektion) << name.toStdString();
            ++anzahl;
        }
    EXPECT_EQ(anzahl, 12 + 6 + 57 + 6 + 5 + 6 + 17 + 8 + 14 + 10);
}
