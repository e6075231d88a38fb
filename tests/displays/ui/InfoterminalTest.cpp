// The info terminal's configuration: filled from the match or the settings,
// the terminal's client, the confirmation with and without a match, and what
// the question before the export lets reach the terminal. With
// CORVALINK_BILDER set to a folder, the pages are saved there as pictures.
#include "displays/ui/Infoterminal.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "displays/Monitorexport.h"
#include "displays/ui/Werbeeditor.h"
#include "support/Clientordner.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Tippen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <memory>

namespace {

// A click on a radio button's circle (its middle may lie beyond its text).
void Waehlen(QRadioButton* r) { Klicken(r, Qt::LeftButton, QPointF(6, r->height() / 2.0)); }

class Infoterminal : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        Datenverzeichnis = ordner.path();
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        TerminalWerbungNeu = 0;
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Terminalanz.inf")),
                                       {QStringLiteral("Halle"), QStringLiteral("Pause")}));
        dialog = std::make_unique<TInfoterminal>();
    }
    void TearDown() override
    {
        dialog.reset();
        TerminalWerbungNeu = 0;
        Grundlage::TearDown();
    }
    static QStringList lesen(const QString& pfad) { return TextdateiLesen(pfad).value_or(QStringList()); }
    // A match on lanes 1 and 2, current.
    static TWettkampfDaten& spiel()
    {
        WettkampfBelegt[1] = 1;
        WettkampfAnzahl = 1;
        AktWettkampf = &Wettkaempfe[AktWettkampfNr = 1];
        AktWettkampf->ErsteSpielbahn = 1;
        AktWettkampf->LetzteSpielbahn = 2;
        return *AktWettkampf;
    }
    TInfoterminal& zeigen()
    {
        dialog->hide();
        dialog->show();
        return *dialog;
    }

    QTemporaryDir ordner;
    std::unique_ptr<TInfoterminal> dialog;
};

TEST_F(Infoterminal, OeffnenFuelltAusDenEinstellungenOderAusDemSpiel)
{
    Einst.TerminalIndex = 1;
    Einst.TerminalWerbung = true;
    Einst.TerminalWerbezeit = 12;
    Einst.TerminalExport = {QStringLiteral("/mnt/terminal"), true, false, QStringLiteral("10.0.0.7")};
    TInfoterminal& d = zeigen();
    EXPECT_EQ(d.CKonfiguration->currentIndex(), 1);
    EXPECT_EQ(d.Editor->konfigurationNr(), 0);
    EXPECT_TRUE(d.CBWerbungOn->isChecked());
    EXPECT_EQ(d.EWerbezeitDef->text(), QStringLiteral("12"));
    EXPECT_EQ(d.EClientVerzeichnis->text(), QStringLiteral("/mnt/terminal"));
    EXPECT_EQ(d.EAdresse->text(), QStringLiteral("10.0.0.7"));

    // The match's configuration (the editor's too) and flag; the times and the client stay.
    TWettkampfDaten& w = spiel();
    w.TerminalWerbung.Index = 1;
    zeigen();
    EXPECT_EQ(d.Editor->konfigurationNr(), 1);
    EXPECT_FALSE(d.CBWerbungOn->isChecked());
    EXPECT_EQ(d.EWerbezeitDef->text(), QStringLiteral("12"));
    w.TerminalWerbung.Index = 5;
    zeigen();
    EXPECT_EQ(d.CKonfiguration->currentIndex(), -1);

    // The folder of the chosen file; one longer than the edit holds is refused.
    QString datei = QStringLiteral("/srv/it/Daten/Werbung.dat");
    d.dateiWaehlen = [&datei] { return datei; };
    Klicken(d.BtnClientSuchen);
    datei = QLatin1Char('/') + QString(127, QLatin1Char('x')) + QStringLiteral("/a.jpg");
    Klicken(d.BtnClientSuchen);
    EXPECT_EQ(d.client().ClientVerzeichnis, QStringLiteral("/srv/it/Daten"));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Der Pfad ist zu lang (höchstens 127 Zeichen).")});
}

TEST_F(Infoterminal, DieAustauschartGibtDieAdresseFrei)
{
    // {ExportDateiOn, ExportTcpOn} -> TCP shown, file shown; TCP wins as in the exports.
    const std::array<bool, 4> faelle[] = {{false, false, false, false},
                                          {true, false, false, true},
                                          {false, true, true, false},
                                          {true, true, true, false}};
    TInfoterminal& d = zeigen();
    for (const auto& [datei, tcp, tcpGezeigt, dateiGezeigt] : faelle) {
        Einst.TerminalExport.ExportDateiOn = datei;
        Einst.TerminalExport.ExportTcpOn = tcp;
        zeigen();
        EXPECT_EQ(d.RBTcp->isChecked(), tcpGezeigt) << datei << tcp;
        EXPECT_EQ(d.RBDatei->isChecked(), dateiGezeigt) << datei << tcp;
        EXPECT_EQ(d.EAdresse->isEnabled() && d.LAdresse->isEnabled(), tcpGezeigt);
    }
    Waehlen(d.RBDatei);
    EXPECT_FALSE(d.EAdresse->isEnabled() || d.LAdresse->isEnabled());
    EXPECT_FALSE(d.client().ExportTcpOn);
    EXPECT_TRUE(d.client().ExportDateiOn);
    EXPECT_TRUE(Einst.TerminalExport.ExportTcpOn);  // the settings wait for OK
}

TEST_F(Infoterminal, OhneSpielSchreibtOkDieSchluesselUndNurDieEigenenDesTerminals)
{
    InfListe = QStringList{QStringLiteral("[Anzeige]"), QStringLiteral("ClientVerzeichnis1 = /mnt/bahn1")};
    Einst.TerminalErgebnis = true;
    const char* farben[] = {
        "ColorITafel",       "ColorITHeim",      "ColorITGast",      "ColorITHeaderHeim", "ColorITHeaderGast",
        "ColorITSpielerErg", "ColorITMannschaft", "ColorITErgebnisse", "ColorITTotalHeim", "ColorITTotalGast",
        "ColorITWurfHeim",   "ColorITWurfGast",  "ColorITPlusHeim",  "ColorITPlusGast",   "ColorITPunkteHeim",
        "ColorITPunkteGast", "ColorITSpieler",   "ColorITGestartet", "ColorITFertig",
    };
    for (int i = 0; i < 19; ++i) FarbeSetzen(QString::fromLatin1(farben[i]), u32(i + 1));

    TInfoterminal& d = zeigen();
    d.CKonfiguration->setCurrentIndex(1);
    d.CBWerbungOn->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("12"));
    d.EWerbeabstDef->setText(QStringLiteral("030"));
    Tippen(d.EClientVerzeichnis, QStringLiteral("/mnt/terminal"));
    Waehlen(d.RBTcp);
    Tippen(d.EAdresse, QStringLiteral("192.168.1.20 "));
    Klicken(d.BtnOK);

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Einst.TerminalExport.ExportAdresse, QStringLiteral("192.168.1.20"));
    QStringList erwartet = {
        "[Anzeige]", "ClientVerzeichnis1 = /mnt/bahn1", "TerminalErgebnis = True", "TerminalErgebnistafel = False",
        "TerminalWerbung = True", "TerminalIndex = 1", "TerminalWerbezeit = 12", "TerminalWerbeabst = 30",
        "TerminalClientVerzeichnis = /mnt/terminal", "TerminalExportDateiOn = False", "TerminalExportTcpOn = True",
        "TerminalExportAdresse = 192.168.1.20", "", "[Ansicht]",
    };
    for (int i = 0; i < 19; ++i) erwartet << QLatin1String(farben[i]) + QStringLiteral(" = ") + QString::number(i + 1);
    EXPECT_EQ(lesen(InfDatei).join(u'|').toStdString(), erwartet.join(u'|').toStdString());
}

TEST_F(Infoterminal, MitSpielAendertOkNurDasSpiel)
{
    TWettkampfDaten& w = spiel();
    Einst.TerminalWerbezeit = 7;
    TInfoterminal& d = zeigen();
    d.CKonfiguration->setCurrentIndex(1);
    d.CBWerbungOn->setChecked(true);
    d.EWerbezeitDef->setText(QStringLiteral("99"));
    Waehlen(d.RBTcp);
    Klicken(d.BtnOK);
    EXPECT_EQ(w.TerminalWerbung.Index, 1);
    EXPECT_EQ(w.TerminalWerbung.Werbung, 1);
    EXPECT_EQ(w.Geaendert, 1);
    EXPECT_EQ(Einst.TerminalIndex, 0);
    EXPECT_EQ(Einst.TerminalWerbezeit, 7);
    EXPECT_FALSE(Einst.TerminalExport.ExportTcpOn);
    EXPECT_FALSE(QFile::exists(InfDatei));
}

TEST_F(Infoterminal, DieAntwortAufDieFrageBestimmtWasZumTerminalGeht)
{
    const QString bild = ordner.filePath(QStringLiteral("Ahorn.jpg"));
    ASSERT_TRUE(TextdateiSchreiben(bild, {QStringLiteral("JPEG")}));
    const QStringList eintraege{QStringLiteral("Ahorn;") + bild + QStringLiteral(";255;10;20")};
    ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Terminalanz1.dat")), eintraege));
    const QDir terminal(ordner.filePath(QStringLiteral("terminal")));
    Einst.TerminalIndex = 1;
    Einst.TerminalExport = {terminal.path(), true, false, QString()};
    auto& fragen = skriptBoxen().alternativen;

    // Abbrechen sends nothing. The question: its text, its choices, the second preselected.
    Klicken(zeigen().BtnOK);
    ASSERT_EQ(fragen.size(), 1);
    EXPECT_EQ(fragen[0].text, QStringLiteral("Konfiguration auf Monitore laden ?"));
    EXPECT_EQ(fragen[0].wahl, (QStringList{QStringLiteral("Konfiguration und Werbedateien laden"),
                                           QStringLiteral("nur Konfiguration laden")}));
    EXPECT_EQ(fragen[0].vorgewaehlt, 1);
    EXPECT_FALSE(terminal.exists());

    // With the advert files; without a match no status.
    skriptBoxen().wahlen = {0};
    Klicken(zeigen().BtnOK);
    ASSERT_TRUE(ClientordnerGeschrieben());
    EXPECT_EQ(TerminalWerbungNeu, 1);
    EXPECT_TRUE(terminal.exists(QStringLiteral("Bilder/Ahorn.jpg")));
    EXPECT_EQ(lesen(terminal.filePath(QStringLiteral("Daten/Werbung.dat"))), eintraege);
    EXPECT_TRUE(lesen(terminal.filePath(QStringLiteral("Terminal.inf"))).contains(u"TerminalWerbungNeu = True"));
    EXPECT_FALSE(terminal.exists(QStringLiteral("Terminal.dat")));

    // The configuration only, with a match: its status follows, with the flag just chosen.
    ASSERT_TRUE(QDir(terminal.filePath(QStringLiteral("Bilder"))).removeRecursively());
    TWettkampfDaten& w = spiel();
    w.TerminalWerbung = {};
    w.TerminalWerbung.Index = 1;
    w.TerminalWerbung.Zustand = w.TerminalEin = 1;
    w.Spielphase = 8;
    skriptBoxen().wahlen = {1};
    zeigen().CBWerbungOn->setChecked(true);
    Klicken(dialog->BtnOK);
    ASSERT_TRUE(ClientordnerGeschrieben());
    EXPECT_EQ(TerminalWerbungNeu, 0);
    EXPECT_FALSE(terminal.exists(QStringLiteral("Bilder")));
    EXPECT_EQ(lesen(terminal.filePath(QStringLiteral("Terminal.dat"))).mid(0, 3),
              (QStringList{QStringLiteral("Werbung = True"), QStringLiteral("Spiel = True"),
                           QStringLiteral("State = 8")}));

    // By TCP one message to the terminal's own address.
    Einst.TerminalExport = {QString(), false, true, QStringLiteral("10.0.0.7")};
    skriptBoxen().wahlen = {1};
    zeigen().CBWerbungOn->setChecked(false);
    Klicken(dialog->BtnOK);
    const std::vector<NetzAufnahme::Nachricht> erwartet{
        {QStringLiteral("10.0.0.7"), QByteArrayLiteral("Anzeige"), QByteArrayLiteral("False;True;8")}};
    EXPECT_EQ(netz.nachrichten, erwartet);
}

// A changed configuration not saved on OK: one made since the window was
// shown goes again (its name, its number; the later files move back), one
// there before stays as it was; configuration 0 is current again.
TEST_F(Infoterminal, OkOhneSpeichernVerwirftEineNeueKonfiguration)
{
    struct Fall {
        const char* neu;  // the name of a new configuration, made after `nach`
        int nach;
        int antwort;
        const char* inf;
        std::array<const char*, 3> dateien;  // entries of "Terminalanz0.dat" .. "2.dat"; null: none
    };
    const Fall faelle[] = {
        {nullptr, 1, ErgebnisNein, "Halle|Pause", {"a", "b", nullptr}},
        {"Neu", 0, ErgebnisNein, "Halle|Pause", {"a", "b", nullptr}},
        {"Neu", 1, ErgebnisNein, "Halle|Pause", {"a", "b", nullptr}},
        {"Neu", 0, ErgebnisJa, "Halle|Neu|Pause", {"a", "Ahorn", "b"}},
    };
    const QString bild = ordner.filePath(QStringLiteral("Ahorn.jpg"));
    ASSERT_TRUE(TextdateiSchreiben(bild, {QStringLiteral("JPEG")}));
    const auto zeile = [&bild](const char* text) { return QLatin1String(text) + u';' + bild + QStringLiteral(";1;0;0"); };
    ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Auswahl_Terminalanz.dat")),
                                   {QStringLiteral("Datei;0;Ahorn;") + bild + QStringLiteral(";1;0;0")}));
    for (const Fall& f : faelle) {
        const std::string fall = f.neu ? f.neu + std::to_string(f.nach) + std::to_string(f.antwort) : "vorhanden";
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Terminalanz.inf")),
                                       {QStringLiteral("Halle"), QStringLiteral("Pause")}));
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Terminalanz0.dat")), {zeile("a")}));
        ASSERT_TRUE(TextdateiSchreiben(ordner.filePath(QStringLiteral("Terminalanz1.dat")), {zeile("b")}));
        QFile::remove(ordner.filePath(QStringLiteral("Terminalanz2.dat")));
        dialog = std::make_unique<TInfoterminal>();

        Werbeeditor& e = *zeigen().Editor;
        e.CAnzeigeClick(f.nach);
        if (f.neu) {
            e.CAnzeige->setEditText(QLatin1String(f.neu));
            Klicken(e.BtnAnzeigeNeu);
        }
        e.TreeWerbung->setCurrentItem(nullptr);
        e.TreeAuswahl->setCurrentItem(e.TreeAuswahl->topLevelItem(0));
        Klicken(e.BtnSelect);
        ASSERT_EQ(e.EintragGeaendert, 1) << fall;
        skriptBoxen().antworten = {f.antwort};
        Klicken(dialog->BtnOK);

        const QStringList namen = QString::fromLatin1(f.inf).split(u'|');
        EXPECT_EQ(lesen(ordner.filePath(QStringLiteral("Terminalanz.inf"))), namen) << fall;
        EXPECT_EQ(e.konfigurationen(), namen) << fall;
        for (int n = 0; n < 3; ++n) {
            const char* eintrag = f.dateien[std::size_t(n)];
            EXPECT_EQ(lesen(ordner.filePath(QStringLiteral("Terminalanz%1.dat").arg(n))),
                      eintrag ? QStringList{zeile(eintrag)} : QStringList())
                << fall << " " << n;
        }
        EXPECT_EQ(e.konfigurationNr(), f.antwort == ErgebnisJa ? 1 : 0) << fall;
        EXPECT_EQ(e.EintragGeaendert, 0) << fall;
    }
}

TEST_F(Infoterminal, SeitenUndFarben)
{
    TInfoterminal& d = zeigen();
    const std::pair<const char*, u16> seiten[] = {{"TabWerbung", 380}, {"TabText", 390}, {"TabSteuerung", 370}};
    for (const auto& [name, code] : seiten) {
        d.seiteZeigen(QLatin1String(name));
        EXPECT_EQ(FeldcodeMin, code);
        EXPECT_EQ(FeldcodeMax, code);
    }
    EXPECT_EQ(d.Editor->prefix(), QStringLiteral("Terminalanz"));
    EXPECT_EQ(d.Editor->BtnAnzeigeHelp->toolTip(), QStringLiteral("Laufschrift anlegen, ändern und löschen"));

    int modus = -1;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* f = qobject_cast<TFarbe*>(QApplication::activeModalWidget())) {
            modus = f->Image->isVisible() ? f->Vorschaumodus : 0;
            f->reject();
        }
    });
    Klicken(d.BtnFarbe);
    EXPECT_EQ(modus, 4);  // the terminal's colours on the preview

    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty()) {
        Einst.TerminalExport = {QStringLiteral("/mnt/terminal"), false, true, QStringLiteral("192.168.1.20")};
        zeigen();
        for (const char* name : {"TabSteuerung", "TabWerbung", "TabText"}) {
            d.seiteZeigen(QLatin1String(name));
            d.grab().save(QDir(bilder).filePath(QStringLiteral("infoterminal_%1.png").arg(QLatin1String(name))));
        }
    }
}

}  // namespace
