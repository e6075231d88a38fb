// The lane monitors' configuration: the copy of the client records and its
// lanes, the enable rules, the confirmation with and without a match, the
// question before the export and what the answer sends; the question window
// itself. With CORVALINK_BILDER set to a folder, both pages and the question
// are saved there as pictures.
#include "displays/ui/Monitoranz.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/WidgetBoxen.h"
#include "displays/ui/Werbeeditor.h"
#include "displays/ui/WerbeeditorSchritte.h"
#include "match/dienste/Anzeigeschicht.h"
#include "support/Clientordner.h"
#include "support/Grundlage.h"
#include "support/KernAufnahmen.h"
#include "support/Klicken.h"
#include "support/Tippen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <memory>
#include <tuple>

namespace {

// A click on a radio button's circle.
void Waehlen(QRadioButton* r) { Klicken(r, Qt::LeftButton, QPointF(6, r->height() / 2.0)); }

void Bild(QWidget* w, const QString& name)
{
    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
        w->grab().save(QDir(bilder).filePath(name));
}

class Monitoranz : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        OrdnerSetzen(ordner.path());
        ASSERT_TRUE(QDir().mkpath(Datenverzeichnis));
        ASSERT_TRUE(TextdateiSchreiben(daten(QStringLiteral("Monitoranz.inf")),
                                       {QStringLiteral("Halle"), QStringLiteral("Pause")}));
    }
    void TearDown() override
    {
        dialog.reset();
        Grundlage::TearDown();
    }

    QString daten(const QString& name) const { return QDir(Datenverzeichnis).filePath(name); }
    // A match on lanes 1 and 2, current.
    TWettkampfDaten& spiel()
    {
        WettkampfBelegt[1] = 1;
        WettkampfAnzahl = 1;
        AktWettkampfNr = 1;
        AktWettkampf = &Wettkaempfe[1];
        AktWettkampf->ErsteSpielbahn = 1;
        AktWettkampf->LetzteSpielbahn = 2;
        return *AktWettkampf;
    }
    TMonitoranz& zeigen()
    {
        if (!dialog) dialog = std::make_unique<TMonitoranz>();
        dialog->show();
        return *dialog;
    }
    void monitor(int bahn) { dialog->CMonitor->setCurrentIndex(bahn - 1); }

    QTemporaryDir ordner;
    std::unique_ptr<TMonitoranz> dialog;
};

// --- The client records ---------------------------------------------------------------------

struct Clientanzeige {
    int bahn;
    const char* ordner;
    const char* adresse;
    bool tcp, datei;
};

TEST_F(Monitoranz, JedeBahnZeigtIhrenClientAusDerKopie)
{
    Einst.MonitorExport[1] = {QStringLiteral("/mnt/bahn1"), true, false, QString()};
    Einst.MonitorExport[2] = {QString(), false, true, QStringLiteral("10.0.0.2")};
    Einst.MonitorExport[16] = {QStringLiteral("/mnt/bahn16"), true, true, QStringLiteral("pc16")};  // TCP wins

    TMonitoranz& d = zeigen();
    EXPECT_EQ(d.CMonitor->count(), 16);
    const Clientanzeige faelle[] = {
        {1, "/mnt/bahn1", "", false, true},
        {2, "", "10.0.0.2", true, false},
        {3, "", "", false, false},
        {16, "/mnt/bahn16", "pc16", true, false},
    };
    for (const Clientanzeige& f : faelle) {
        monitor(f.bahn);
        EXPECT_EQ(d.monitor(), f.bahn);
        EXPECT_EQ(d.EClientVerzeichnis->text(), QLatin1String(f.ordner)) << f.bahn;
        EXPECT_EQ(d.EAdresse->text(), QLatin1String(f.adresse)) << f.bahn;
        EXPECT_EQ(d.RBTcp->isChecked(), f.tcp) << f.bahn;
        EXPECT_EQ(d.RBDatei->isChecked(), f.datei) << f.bahn;
        EXPECT_EQ(d.EAdresse->isEnabled(), f.tcp) << f.bahn;
        EXPECT_EQ(d.LAdresse->isEnabled(), f.tcp) << f.bahn;
    }
}

TEST_F(Monitoranz, EingabenGehenInDieKopieUndAbbrechenVerwirftSie)
{
    Einst.MonitorExport[2] = {QString(), false, true, QStringLiteral("10.0.0.2")};
    TMonitoranz& d = zeigen();
    monitor(2);
    Tippen(d.EAdresse, QStringLiteral("9"));
    monitor(3);
    Waehlen(d.RBTcp);
    EXPECT_TRUE(d.EAdresse->isEnabled());
    Waehlen(d.RBDatei);
    EXPECT_FALSE(d.EAdresse->isEnabled());
    EXPECT_FALSE(d.LAdresse->isEnabled());
    // The folder of the file chosen, whatever the file's name; a cancelled
    // file dialog, or a folder the settings file cannot hold, changes nothing.
    for (const QString& datei :
         {QStringLiteral("/mnt/monitor3/Anzeige ş.dat"), QString(), QStringLiteral("/mnt/Yılmaz/Monitor.dat")}) {
        d.dateiWaehlen = [datei] { return datei; };
        Klicken(d.BtnClientSuchen);
    }
    EXPECT_EQ(d.EClientVerzeichnis->text(), QStringLiteral("/mnt/monitor3"));

    EXPECT_EQ(d.clients()[2].ExportAdresse, QStringLiteral("10.0.0.29"));
    const TMonitorExport& c3 = d.clients()[3];
    EXPECT_EQ(c3.ClientVerzeichnis, QStringLiteral("/mnt/monitor3"));
    EXPECT_EQ(std::pair(c3.ExportDateiOn, c3.ExportTcpOn), std::pair(true, false));
    monitor(2);
    EXPECT_EQ(d.EAdresse->text(), QStringLiteral("10.0.0.29"));

    // The settings stay; opening again takes a fresh copy.
    Klicken(d.BtnAbbruch);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(Einst.MonitorExport[2].ExportAdresse, QStringLiteral("10.0.0.2"));
    EXPECT_TRUE(Einst.MonitorExport[3].ClientVerzeichnis.isEmpty());
    zeigen();
    EXPECT_EQ(d.EAdresse->text(), QStringLiteral("10.0.0.2"));
    EXPECT_TRUE(d.clients()[3].ClientVerzeichnis.isEmpty());
}

// --- Result options ---------------------------------------------------------------------------

TEST_F(Monitoranz, ErgebnisoptionenNurMitErgebnissenDieZeitenNurImWechsel)
{
    TMonitoranz& d = zeigen();
    // Ergebnisse anzeigen, the kind checked: options and times enabled.
    const std::tuple<bool, QRadioButton*, bool, bool> faelle[] = {
        {false, d.RBWechsel, false, false},      {true, d.RBWechsel, true, true},
        {true, d.RBWurftafel, true, false},      {true, d.RBErgebnistafel, true, false},
        {false, d.RBErgebnistafel, false, false},
    };
    for (const auto& [ergebnis, art, optionen, zeiten] : faelle) {
        d.CBErgebnis->setChecked(true);
        art->setChecked(true);
        d.CBErgebnis->setChecked(ergebnis);
        for (QWidget* w : std::initializer_list<QWidget*>{d.RBErgebnistafel, d.RBWurftafel, d.RBWechsel,
                                                          d.CBEinMonitor})
            EXPECT_EQ(w->isEnabled(), optionen) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*>{d.ETimer1, d.ETimer2, d.LTimer1, d.LTimer2})
            EXPECT_EQ(w->isEnabled(), zeiten) << w->objectName().toStdString();
    }
}

// --- Confirmation -----------------------------------------------------------------------------

TEST_F(Monitoranz, OhneSpielSchreibtOkDieClientsDieZehnSchluesselUndDieFarbenInIhrerReihenfolge)
{
    Einst.MonitorExport[1] = {QStringLiteral("/mnt/bahn1"), true, false, QString()};
    const char* farben[] = {
        "ColorMTafel",       "ColorMTHeim",       "ColorMTGast",       "ColorMTSpielerErg", "ColorMTHeaderHeim",
        "ColorMTHeaderGast", "ColorMTMannschaft", "ColorMTErgebnisse", "ColorMTTotalHeim",  "ColorMTTotalGast",
        "ColorMTWurfHeim",   "ColorMTWurfGast",   "ColorMTPlusHeim",   "ColorMTPlusGast",   "ColorMTPunkteHeim",
        "ColorMTPunkteGast", "ColorMTSpieler",    "ColorMTGestartet",  "ColorMTFertig",
    };
    for (int i = 0; i < 19; ++i) FarbeSetzen(QString::fromLatin1(farben[i]), u32(i + 1));

    TMonitoranz& d = zeigen();
    monitor(2);
    Waehlen(d.RBTcp);
    Tippen(d.EAdresse, QStringLiteral("10.0.0.2"));
    d.CKonfiguration->setCurrentIndex(1);
    d.CBWerbungOn->setChecked(true);
    d.CBErgebnis->setChecked(true);
    d.RBWechsel->setChecked(true);
    d.ETimer1->setText(QStringLiteral("20"));
    d.ETimer2->setText(QStringLiteral("008"));
    d.EWerbezeitDef->setText(QStringLiteral("12"));
    d.EWerbeabstDef->setText(QStringLiteral("30"));
    Klicken(d.BtnOK);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Einst.MonitorExport[2].ExportAdresse, QStringLiteral("10.0.0.2"));
    QStringList erwartet{QStringLiteral("[Anzeige]")};
    for (int n = 1; n <= 16; ++n) {
        const QString ordner = n == 1 ? QStringLiteral("/mnt/bahn1") : QString();
        const char* datei = n == 1 ? "True" : "False";
        const char* tcp = n == 2 ? "True" : "False";
        const QString adresse = n == 2 ? QStringLiteral("10.0.0.2") : QString();
        erwartet << QStringLiteral("ClientVerzeichnis%1 = %2").arg(n).arg(ordner)
                 << QStringLiteral("ExportDateiOn%1 = %2").arg(n).arg(QLatin1String(datei))
                 << QStringLiteral("ExportTcpOn%1 = %2").arg(n).arg(QLatin1String(tcp))
                 << QStringLiteral("ExportAdresse%1 = %2").arg(n).arg(adresse);
    }
    erwartet << QStringLiteral("MonitorErgebnis = True") << QStringLiteral("MonitorErgebnistafel = False")
             << QStringLiteral("MonitorWurftafel = False") << QStringLiteral("MonitorWechsel = True")
             << QStringLiteral("MonitorTimer1 = 20") << QStringLiteral("MonitorTimer2 = 8")
             << QStringLiteral("MonitorWerbung = True") << QStringLiteral("MonitorIndex = 1")
             << QStringLiteral("MonitorWerbezeit = 12") << QStringLiteral("MonitorWerbeabst = 30") << QString()
             << QStringLiteral("[Ansicht]");
    for (int i = 0; i < 19; ++i) erwartet << QStringLiteral("%1 = %2").arg(QLatin1String(farben[i])).arg(i + 1);
    EXPECT_EQ(TextdateiLesen(InfDatei).value_or(QStringList()).join(u'\n').toStdString(),
              erwartet.join(u'\n').toStdString());

    // Then the question, the second choice preselected.
    ASSERT_EQ(skriptBoxen().alternativen.size(), 1);
    const AlternativAnfrage& frage = skriptBoxen().alternativen[0];
    EXPECT_EQ(frage.text, QStringLiteral("Konfiguration auf Monitore laden ?"));
    EXPECT_EQ(frage.wahl, (QStringList{QStringLiteral("Konfiguration und Werbedateien laden"),
                                       QStringLiteral("nur Konfiguration laden")}));
    EXPECT_EQ(frage.vorgewaehlt, 1);
}

TEST_F(Monitoranz, MitSpielAendertOkNurDieDreiFelderDesSpielsUndSendetDenStatus)
{
    TWettkampfDaten& w = spiel();
    w.MonitoreEin = 1;
    w.Spielphase = 3;
    Einst.MonitorExport[2] = {QString(), false, true, QStringLiteral("10.0.0.2")};
    Einst.MonitorExport[3] = {QString(), false, true, QStringLiteral("10.0.0.3")};  // not the match's lane
    Einst.MonitorWerbezeit = 7;
    w.MonitorWerbung.Werbung = 1;  // the match's flags, not the settings'
    Einst.MonitorErgebnis = true;
    skriptBoxen().wahlen = {1};

    TMonitoranz& d = zeigen();
    EXPECT_TRUE(d.CBWerbungOn->isChecked());
    EXPECT_FALSE(d.CBErgebnis->isChecked());
    monitor(2);
    Tippen(d.EAdresse, QStringLiteral("9"));
    d.CKonfiguration->setCurrentIndex(1);
    d.CBErgebnis->setChecked(true);
    d.RBWurftafel->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("99"));
    Klicken(d.BtnOK);

    EXPECT_EQ((std::array<int, 4>{w.MonitorWerbung.Index, w.MonitorWerbung.Werbung, w.MonitorWerbung.Zustand,
                                  w.Geaendert}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_EQ(Einst.MonitorExport[2].ExportAdresse, QStringLiteral("10.0.0.2"));
    EXPECT_EQ(Einst.MonitorWerbezeit, 7);
    EXPECT_FALSE(Einst.MonitorWurftafel);
    EXPECT_FALSE(QFile::exists(InfDatei));
    // After the configuration the status of the match's lanes: Werbung, Spiel, phase.
    EXPECT_EQ(netz.nachrichten,
              (std::vector{NetzAufnahme::Nachricht{QStringLiteral("10.0.0.2"), "Anzeige", "True;True;3"}}));
}

// A changed configuration not saved on OK: one made in this opening stays
// in the list, without entries; configuration 0 is current again.
TEST_F(Monitoranz, OkOhneSpeichernBehaeltEineNeueKonfiguration)
{
    const QString bild = daten(QStringLiteral("Ahorn.jpg"));
    ASSERT_TRUE(TextdateiSchreiben(bild, {QStringLiteral("JPEG")}));
    ASSERT_TRUE(TextdateiSchreiben(daten(QStringLiteral("Auswahl_Monitoranz.dat")),
                                   {QStringLiteral("Datei;0;Ahorn;%1;1;0;0").arg(bild)}));
    Werbeeditor& e = *zeigen().Editor;
    NeueKonfigurationNichtGespeichert(e, dialog->BtnOK);

    const QStringList namen{QStringLiteral("Halle"), QStringLiteral("Neu"), QStringLiteral("Pause")};
    EXPECT_EQ(TextdateiLesen(daten(QStringLiteral("Monitoranz.inf"))), namen);
    EXPECT_EQ(e.konfigurationen(), namen);
    EXPECT_EQ(e.konfigurationNr(), 0);
    EXPECT_FALSE(QFile::exists(daten(QStringLiteral("Monitoranz1.dat"))));
}

struct Antwortfall {
    std::optional<int> antwort;
    u8 werbungNeu;  // MonitorWerbungNeu afterwards (1 before)
    bool inf, bilder;
};

TEST_F(Monitoranz, DieAntwortBestimmtWasZuDenClientsGeht)
{
    const Antwortfall faelle[] = {
        {0, 1, true, true},
        {1, 0, true, false},
        {std::nullopt, 1, false, false},
    };
    const QString bild = daten(QStringLiteral("Plakat.jpg"));
    QFile(bild).open(QIODevice::WriteOnly);
    ASSERT_TRUE(TextdateiSchreiben(daten(QStringLiteral("Monitoranz0.dat")),
                                   {QStringLiteral("Plakat;%1;0;5;10").arg(bild)}));
    BahnAnzahl = 2;
    int nr = 0;
    for (const Antwortfall& f : faelle) {
        const QString client = ordner.filePath(QStringLiteral("client%1").arg(++nr));
        Einst.MonitorExport[1] = {client, true, false, QString()};
        MonitorWerbungNeu = 1;
        skriptBoxen().wahlen = {f.antwort};
        TMonitoranz& d = zeigen();
        Klicken(d.BtnOK);
        ASSERT_TRUE(ClientordnerGeschrieben());

        EXPECT_EQ(MonitorWerbungNeu, f.werbungNeu) << nr;
        const QStringList inf =
            TextdateiLesen(QDir(client).filePath(QStringLiteral("Monitor.inf"))).value_or(QStringList());
        const QString neu = f.werbungNeu ? QStringLiteral("True") : QStringLiteral("False");
        EXPECT_EQ(inf.contains(QStringLiteral("MonitorWerbungNeu = ") + neu), f.inf) << nr;
        EXPECT_EQ(QFile::exists(QDir(client).filePath(QStringLiteral("Daten/Werbung.dat"))), f.inf) << nr;
        EXPECT_EQ(QFile::exists(QDir(client).filePath(QStringLiteral("Bilder/Plakat.jpg"))), f.bilder) << nr;
    }
}

// --- Pages and windows ------------------------------------------------------------------------

TEST_F(Monitoranz, SeitenFeldbereicheFarbenUndBilder)
{
    Einst.MonitorExport[1] = {QStringLiteral("/mnt/monitore/bahn1"), false, true, QStringLiteral("192.168.1.31")};
    Einst.MonitorErgebnis = true;
    Einst.MonitorWechsel = true;
    Einst.MonitorTimer1 = 20;
    Einst.MonitorTimer2 = 10;
    Einst.MonitorWerbezeit = 8;
    Einst.MonitorWerbeabst = 30;
    TMonitoranz& d = zeigen();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Konfiguration der Monitoranzeige"));
    EXPECT_EQ(d.PageControl->tabText(0), QStringLiteral(" Steuerung "));
    EXPECT_EQ(d.PageControl->tabText(1), QStringLiteral(" Werbung"));
    EXPECT_TRUE(d.RBWechsel->isChecked());
    EXPECT_EQ(d.ETimer1->text(), QStringLiteral("20"));
    EXPECT_EQ(d.EWerbeabstDef->text(), QStringLiteral("30"));
    const std::pair<const char*, u16> seiten[] = {{"TabWerbung", 360}, {"TabSteuerung", 350}};
    for (const auto& [name, code] : seiten) {
        d.seiteZeigen(QLatin1String(name));
        EXPECT_EQ(FeldcodeMin, code);
        EXPECT_EQ(FeldcodeMax, code);
    }
    EXPECT_EQ(d.Editor->prefix(), QStringLiteral("Monitoranz"));
    EXPECT_EQ(d.Editor->eintragsart(), Eintragsart::Datei);
    // The advert page's trees: the configuration's files and the files to choose from.
    const std::pair<const char*, const char*> baeume[] = {{"LTreeWerbung", "ausgewählte Dateien:"},
                                                          {"LTreeAuswahl", "vorhandene Dateien:"}};
    for (const auto& [name, text] : baeume) {
        const auto* l = d.Editor->findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(d.Editor->findChild<QLabel*>(QStringLiteral("LTreeAuswahl"))->buddy(), d.Editor->TreeAuswahl);
    const QAction* hintergrund = d.findChild<QAction*>(QStringLiteral("PopupColorGround"));
    ASSERT_NE(hintergrund, nullptr);
    EXPECT_EQ(hintergrund->text(), QStringLiteral("Hintergrund..."));

    int modus = -1;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* f = qobject_cast<TFarbe*>(QApplication::activeModalWidget())) {
            modus = f->Vorschaumodus;
            f->reject();
        }
    });
    Klicken(d.BtnFarbe);
    EXPECT_EQ(modus, 3);

    d.resize(d.sizeHint());
    for (const char* name : {"TabSteuerung", "TabWerbung"}) {
        d.seiteZeigen(QLatin1String(name));
        Bild(&d, QStringLiteral("monitoranz_%1.png").arg(QLatin1String(name)));
    }
}

TEST_F(Monitoranz, DasFragefensterZeigtDieWahlUndGibtSieZurueck)
{
    QFile(QDir(Programmverzeichnis).filePath(QStringLiteral("Frage.wav"))).open(QIODevice::WriteOnly);
    Einst.SoundAktiv = true;
    SoundAufnahme sound;
    SoundAusgabeEinsetzen einsetzen(&sound);
    WidgetBoxen boxen;
    THinweisAlt* f = boxen.hinweisAltFenster();
    const QStringList wahl{QStringLiteral("Konfiguration und Werbedateien laden"),
                           QStringLiteral("nur Konfiguration laden")};

    // Each time the preselected choice; the first chosen, cancelled, closed by Esc.
    const std::function<void()> handlungen[] = {
        [&] {
            Bild(f, QStringLiteral("hinweisalt.png"));
            Waehlen(f->RBAuswahl[0]);
            Klicken(f->BtnOk);
        },
        [&] { Klicken(f->BtnAbbrechen); },
        [&] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(f, &esc);
        },
    };
    std::vector<std::optional<int>> antworten;
    for (const auto& handlung : handlungen) {
        QTimer::singleShot(0, qApp, [&] {
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Konfiguration auf Monitore laden ?"));
            EXPECT_EQ(f->LHinweis->text(), QStringLiteral("Konfiguration auf Monitore laden ?"));
            ASSERT_EQ(f->RBAuswahl.size(), 2);
            EXPECT_EQ(f->RBAuswahl[0]->text(), wahl[0]);
            EXPECT_TRUE(f->RBAuswahl[1]->isChecked());
            handlung();
            if (f->isVisible()) f->reject();
        });
        antworten.push_back(boxen.hinweisAlt(QStringLiteral("Konfiguration auf Monitore laden ?"), wahl, 1));
    }
    EXPECT_EQ(antworten, (std::vector<std::optional<int>>{0, std::nullopt, std::nullopt}));
    EXPECT_EQ(sound.gespielt, QStringList(3, QStringLiteral("Frage.wav")));
    EXPECT_EQ(f->palette().color(QPalette::Window), FarbeZuQColor(Farbe(u"ColorHinweis")));

    // Without a preselected choice OK waits for one.
    f->fragen(QStringLiteral("?"), wahl, 5);
    EXPECT_FALSE(f->BtnOk->isEnabled());
    f->RBAuswahl[1]->setChecked(true);
    EXPECT_TRUE(f->BtnOk->isEnabled());
    EXPECT_EQ(f->gewaehlt(), 1);
}

}  // namespace
