#include "shell/ui/Service.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Zeichenwache.h"
#include "match/bus/CanLog.h"
#include "report/netz/Netzmodul.h"
#include "shell/Service.h"
#include "support/Dateien.h"
#include "support/Einsetzen.h"
#include "support/Httpserver.h"
#include "support/KernAufnahmen.h"
#include "support/Klicken.h"
#include "support/Netzantworten.h"
#include "support/Serviceordner.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class Serviceseite : public Serviceordner {
protected:
    // The page as the main window opens it.
    std::unique_ptr<TService> oeffnen()
    {
        auto s = std::make_unique<TService>(nullptr, [this] { ++beendet; });
        s->show();
        return s;
    }
    QString protokoll() const
    {
        return QDir(Datenverzeichnis).filePath(QStringLiteral("CAN 05_03_2026_14_05_09.dat"));
    }
    void mailEinstellungen()
    {
        Einst.EmailHost = QStringLiteral("smtp.example.de");
        Einst.EmailVon = QStringLiteral("bahn@example.de");
        EmailAnListe = {QStringLiteral("service@example.de"), QStringLiteral("technik@example.de")};
    }

    Netzantworten netz;
    NetzDiensteEinsetzen m_netz{&netz};
    UhrEinsetzen m_uhr{FesteUhr()};
    int beendet = 0;
};

}  // namespace

// Every control by its name, with its caption and hint.
TEST_F(Serviceseite, ControlsWithCaptionsAndHints)
{
    const auto s = oeffnen();
    EXPECT_EQ(s->windowTitle(), QStringLiteral("Service"));
    struct Knopf {
        const char* name;
        QString text;
        QString hinweis;
    };
    const Knopf knoepfe[] = {
        {"BtnMarke", QStringLiteral("Textmarke"), QStringLiteral("eine Marke im Protokoll setzen")},
        {"BtnLoeschen", QStringLiteral("Löschen"), QStringLiteral("Protokoll löschen")},
        {"BtnMail", QStringLiteral("Mailtext"), QStringLiteral("einen Text dem Protokoll hinzufügen")},
        {"BtnSenden", QStringLiteral("Senden"), QStringLiteral("Protokoll senden")},
        {"BtnOk", QStringLiteral("&Ok"), QString()},
        {"BtnAbbrechen", QStringLiteral("&Abbrechen"), QString()},
    };
    for (const Knopf& k : knoepfe) {
        const auto* b = s->findChild<QPushButton*>(QLatin1String(k.name));
        ASSERT_TRUE(b) << k.name;
        EXPECT_EQ(b->text(), k.text) << k.name;
        EXPECT_EQ(b->toolTip(), k.hinweis) << k.name;
    }
    const std::pair<const char*, QString> schalter[] = {
        {"CBAufzeichnen", QStringLiteral("  CAN Messages aufzeichnen")},
        {"CBBahn1", QStringLiteral("  Bahn 1")},
        {"CBBahn16", QStringLiteral("  Bahn 16")},
        {"CBKommend", QStringLiteral("  kommende Messages")},
        {"CBGehend", QStringLiteral("  gehende Messages")},
        {"CBWuerfe", QStringLiteral("  Würfe")},
        {"CBBahnsteuerung", QStringLiteral("  Bahnsteuerung")},
        {"CBMannschaftsanzeige", QStringLiteral("  Mannschaftsanzeige")},
        {"CBNamenanzeige", QStringLiteral("  Namenanzeige")},
    };
    for (const auto& [name, text] : schalter) {
        const auto* c = s->findChild<QCheckBox*>(QLatin1String(name));
        ASSERT_TRUE(c) << name;
        EXPECT_EQ(c->text(), text) << name;
    }
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(s->CBBahn[n]->objectName(), QStringLiteral("CBBahn%1").arg(n));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("LUpdate"))->text(), QStringLiteral("nach neuen Updates suchen"));
    EXPECT_EQ(s->findChild<QLabel*>(QStringLiteral("LServiceseite"))->text(), QStringLiteral("Website durchsuchen"));
    EXPECT_EQ(s->findChild<QComboBox*>(QStringLiteral("CEmailAn"))->toolTip(),
              QStringLiteral("Liste mit vorgegebenen Empfängeradressen"));
    EXPECT_TRUE(s->findChild<QPlainTextEdit*>(QStringLiteral("MEmail")));
    EXPECT_EQ(s->GBProtokoll->title(), QStringLiteral("Protokoll"));
    EXPECT_EQ(s->GBUpdate->title(), QStringLiteral("Update"));
    EXPECT_EQ(s->GBRemotebetrieb->title(), QStringLiteral("Remotebetrieb"));
}

TEST_F(Serviceseite, LaneBoxesForTheLanesOfTheAlley)
{
    const std::pair<int, int> faelle[] = {{4, 4}, {6, 6}, {8, 8}, {10, 10}, {12, 12}, {16, 16}, {5, 0}, {14, 0}};
    for (const auto& [bahnen, sichtbar] : faelle) {
        BahnAnzahl = static_cast<u8>(bahnen);
        const auto s = oeffnen();
        for (int n = 1; n <= 16; ++n) EXPECT_EQ(s->CBBahn[n]->isVisible(), n <= sichtbar) << bahnen << " " << n;
    }
}

// Opening shows the settings and the recipient list, the first recipient
// chosen and the memo hidden; "Mailtext" shows the memo, a double click hides it.
TEST_F(Serviceseite, OpeningShowsTheSettings)
{
    Einst.CANBahn[2] = Einst.CANOut = Einst.CANMannschaftanzeige = true;
    mailEinstellungen();
    const auto s = oeffnen();
    EXPECT_FALSE(s->CBAufzeichnen->isChecked());
    EXPECT_TRUE(s->CBBahn[2]->isChecked());
    EXPECT_FALSE(s->CBBahn[1]->isChecked());
    EXPECT_TRUE(s->CBGehend->isChecked());
    EXPECT_FALSE(s->CBKommend->isChecked());
    EXPECT_TRUE(s->CBMannschaftsanzeige->isChecked());
    EXPECT_EQ(s->CEmailAn->count(), 2);
    EXPECT_EQ(s->CEmailAn->currentText(), QStringLiteral("service@example.de"));
    EXPECT_FALSE(s->MEmail->isVisible());

    Klicken(s->BtnMail);
    EXPECT_TRUE(s->MEmail->isVisible());
    QMouseEvent doppel(QEvent::MouseButtonDblClick, QPointF(5, 5), s->MEmail->viewport()->mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s->MEmail->viewport(), &doppel);
    EXPECT_FALSE(s->MEmail->isVisible());
}

// "Abbrechen" changes nothing; OK stores every box, switches recording on
// and saves the keys.
TEST_F(Serviceseite, OkStoresTheBoxesCancelChangesNothing)
{
    {
        const auto s = oeffnen();
        s->CBAufzeichnen->setChecked(true);
        s->CBBahn[1]->setChecked(true);
        Klicken(s->BtnAbbrechen);
        EXPECT_EQ(s->result(), QDialog::Rejected);
    }
    EXPECT_FALSE(Einst.CANAufzeichnen);
    EXPECT_FALSE(Einst.CANBahn[1]);
    EXPECT_TRUE(InfListe.isEmpty());
    EXPECT_FALSE(QFile::exists(InfDatei));
    EXPECT_FALSE(CanProtokollOffen());

    const auto s = oeffnen();
    s->CBAufzeichnen->setChecked(true);
    s->CBBahn[4]->setChecked(true);
    s->CBWuerfe->setChecked(true);
    s->CBNamenanzeige->setChecked(true);
    Klicken(s->BtnOk);
    EXPECT_EQ(s->result(), QDialog::Accepted);
    EXPECT_TRUE(Einst.CANAufzeichnen && Einst.CANBahn[4] && Einst.CANWuerfe && Einst.CANNamenanzeige);
    EXPECT_FALSE(Einst.CANBahn[3] || Einst.CANIn || Einst.CANOut);
    EXPECT_TRUE(CanLogAktiv());
    EXPECT_TRUE(QFile::exists(protokoll()));
    const QStringList datei = TextdateiLesen(InfDatei).value_or(QStringList());
    ASSERT_EQ(datei.size(), 24);  // the header and 23 keys
    EXPECT_EQ(datei.at(1), QStringLiteral("CANAufzeichnen = True"));
    EXPECT_EQ(datei.at(5), QStringLiteral("CANBahn4 = True"));
    EXPECT_EQ(datei.at(20), QStringLiteral("CANWuerfe = True"));
}

// The mail from the page: without a recipient nothing is sent; the log
// buttons wait while it is under way; after
// a success the covering text is gone, after a failure it stays; recording
// goes on either way, also when the page was closed meanwhile.
TEST_F(Serviceseite, SendFromThePage)
{
    ZeichenwacheEinrichten();  // the mail goes out in UTF-8: its text takes any character
    mailEinstellungen();
    ASSERT_TRUE(CanProtokollOeffnen(Jetzt()));
    auto s = oeffnen();
    s->CEmailAn->setEditText(QString());
    Klicken(s->BtnSenden);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{KeinEmpfaengerText});
    EXPECT_TRUE(netz.mails.isEmpty());
    skriptBoxen().gezeigt.clear();

    s->CEmailAn->setCurrentIndex(1);
    Klicken(s->BtnMail);
    Tippen(s->MEmail, QStringLiteral("Bahn 2 meldet sich nicht (Yılmaz)"));
    Klicken(s->BtnSenden);
    ASSERT_EQ(netz.mails.size(), 1);
    EXPECT_EQ(netz.mails.first().an, QStringLiteral("technik@example.de"));
    EXPECT_EQ(netz.mails.first().text.last(), QStringLiteral("Bahn 2 meldet sich nicht (Yılmaz)"));
    EXPECT_EQ(netz.mails.first().anhang, protokoll());
    EXPECT_FALSE(s->BtnSenden->isEnabled());
    EXPECT_FALSE(s->BtnMarke->isEnabled());
    EXPECT_FALSE(s->BtnLoeschen->isEnabled());
    EXPECT_TRUE(s->BtnOk->isEnabled());

    netz.mailEnde(false, QStringLiteral("Zeitüberschreitung"));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Zeitüberschreitung")});
    EXPECT_TRUE(s->MEmail->isVisible());
    EXPECT_EQ(s->MEmail->toPlainText(), QStringLiteral("Bahn 2 meldet sich nicht (Yılmaz)"));
    EXPECT_TRUE(s->BtnSenden->isEnabled() && s->BtnMarke->isEnabled() && s->BtnLoeschen->isEnabled());
    EXPECT_TRUE(CanProtokolldatei().offen());

    Klicken(s->BtnSenden);
    netz.mailEnde(true);
    EXPECT_FALSE(s->MEmail->isVisible());
    EXPECT_TRUE(s->MEmail->toPlainText().isEmpty());
    EXPECT_TRUE(s->BtnSenden->isEnabled());

    Klicken(s->BtnSenden);
    s.reset();
    netz.mailEnde(true);
    EXPECT_TRUE(CanProtokolldatei().offen());
    EXPECT_EQ(netz.mails.size(), 3);
}

// The two links: the service page in the browser; the update refused after
// "Ja" while a match is started. Buttons and links click.
TEST_F(Serviceseite, UpdateLinks)
{
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Click.wav"), "RIFF"));
    Einst.ClickSoundAktiv = true;
    SoundAufnahme klang;
    SoundAusgabeEinsetzen klangEin(&klang);
    ShellAufnahme shell;
    ShellStarterEinsetzen shellEin(&shell);
    Einst.UpdateServer = QStringLiteral("updates.example.de");
    ASSERT_TRUE(DateiAblegen(ordner.path(), UpdateDatei, "Update = 2.21.0062\r\n"));
    const auto s = oeffnen();
    Klicken(s->BtnMarke);

    Klicken(s->LServiceseite);
    EXPECT_EQ(shell.aufrufe, QStringList{QStringLiteral("http://updates.example.de/Service/Updates/updates.html|||1")});

    WettkampfBelegt[1] = 1;
    Wettkaempfe[1].Gestartet = 1;
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisOk};
    Klicken(s->LUpdate);
    netz.seiteEnde(true, "#2.21.0063\r\n<html>");
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{UpdateFrageText, UpdateGestartetText}));
    EXPECT_EQ(shell.aufrufe.size(), 1);
    EXPECT_EQ(beendet, 0);
    EXPECT_TRUE(s->isVisible());

    EXPECT_EQ(klang.gespielt, QStringList(3, QStringLiteral("Click.wav")));
}

// "nach neuen Updates suchen" with the real network module and a web server:
// the newer version taken closes the page and ends the program.
TEST_F(Serviceseite, UpdateFromAWebServer)
{
    HttpTestserver web;
    ASSERT_NE(web.port, 0) << "python3 -m http.server did not start";
    ASSERT_TRUE(web.ablegen(UpdateSeite, "#2.21.0063\r\n<html>"));
    ASSERT_TRUE(DateiAblegen(ordner.path(), UpdateDatei, "Update = 2.21.0062\r\n"));
    Einst.UpdateServer = web.adresse();
    Netzmodul modul([](const QString&) {});
    NetzDiensteEinsetzen echtesNetz(&modul);
    ShellAufnahme shell;
    ShellStarterEinsetzen shellEin(&shell);
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisOk};
    const auto s = oeffnen();

    Klicken(s->LUpdate);
    ASSERT_TRUE(warten([] { return !UpdateLaeuft(); }));
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{UpdateFrageText, UpdateSchliessenText}));
    EXPECT_EQ(shell.aufrufe, QStringList{web.adresse() + "/Updates/Lanorik/Update_Bravolin_Funk.exe|||1"});
    EXPECT_EQ(beendet, 1);
    EXPECT_FALSE(s->isVisible());
}
