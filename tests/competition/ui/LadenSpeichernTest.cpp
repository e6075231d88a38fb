// The load and save windows on a folder of saved matches, through the hub.
#include "competition/Wettbewerb.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Laden.h"
#include "competition/ui/Speichern.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "match/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class LadenSpeichern : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.path();
        CompetitionFensterRegistrieren(hub);
        skriptBoxen() = SkriptBoxen();
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Speicherordner = ordner;
        AktWettkampf->Heimmannschaft = "Kegelfreunde Musterstadt 1962 1";  // 31 characters
        AktWettkampf->Gastmannschaft = "Gut Holz";
        AktWettkampf->Geaendert = 1;
        // Two entries, "a" and "b", with the files "A" and "B".
        schreiben(QStringLiteral("Spiele.inf"), "a\r\nb\r\n");
        schreiben(QStringLiteral("Spiel0.dat"), "A");
        schreiben(QStringLiteral("Spiel1.dat"), "B");
    }
    void TearDown() override
    {
        skriptBoxen() = SkriptBoxen();
        Grundlage::TearDown();
    }

    void schreiben(const QString& name, const QByteArray& inhalt) { ASSERT_TRUE(DateiAblegen(ordner, name, inhalt)); }
    QByteArray inhalt(const QString& name) const { return DateiInhalt(QDir(ordner).filePath(name)); }

    // Runs `handeln` inside the dialog that `oeffnen` opens; a dialog still
    // open afterwards is cancelled.
    template <typename T>
    bool imDialog(const std::function<bool()>& oeffnen, const std::function<void(T&)>& handeln)
    {
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* dlg = qobject_cast<T*>(hub.AktDialog.data());
            if (!dlg) return;
            gesehen = true;
            handeln(*dlg);
            if (dlg->isVisible()) dlg->reject();
        });
        const bool ok = oeffnen();
        EXPECT_TRUE(gesehen);
        return ok;
    }

    QTemporaryDir tmp;
    QString ordner;
    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

const QString Vorschlag = QStringLiteral("Kegelfreunde Musterstadt 196 - Gut Holz");

TEST_F(LadenSpeichern, SaveInsertsBehindTheSelectionAndTheLoadWindowLoadsIt)
{
    TWettkampfDaten* w = AktWettkampf;
    EXPECT_TRUE(imDialog<TSpeichern>([] { return ::fenster().dialog(Dialog::Speichern); }, [&](TSpeichern& d) {
        EXPECT_EQ(d.ordner(), QDir(ordner).absolutePath());
        EXPECT_EQ(d.EFile->text(), Vorschlag);
        EXPECT_EQ(d.LBFile->count(), 2);
        EXPECT_EQ(d.AuswahlIndex, 0);
        EXPECT_TRUE(d.BtnSpeichern->isEnabled());
        d.BtnLoeschen->click();  // answered "no"
        d.BtnSpeichern->click();
    }));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Eintrag  a  löschen ?")});
    EXPECT_EQ(w->Geaendert, 0);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), "a\r\n" + Vorschlag.toLatin1() + "\r\nb\r\n");
    EXPECT_EQ(inhalt(QStringLiteral("Spiel0.dat")), QByteArray("A"));
    EXPECT_TRUE(inhalt(QStringLiteral("Spiel1.dat")).startsWith("MWettk\r\n"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiel2.dat")), QByteArray("B"));
    EXPECT_EQ(QDir(Spielordner).absolutePath(), QDir(ordner).absolutePath());

    skriptBoxen().antworten = {ErgebnisJa};  // with results
    EXPECT_TRUE(imDialog<TLaden>([] { return ::fenster().dialog(Dialog::Laden); }, [&](TLaden& d) {
        EXPECT_EQ(d.LBFile->count(), 3);
        EXPECT_EQ(d.EFile->text(), QStringLiteral("a"));
        EXPECT_TRUE(d.EFile->isReadOnly());
        d.LBFile->setCurrentRow(1);
        EXPECT_EQ(d.EFile->text(), Vorschlag);
        d.BtnLaden->click();
    }));
    EXPECT_EQ(WettkampfGeladen, 1);
    EXPECT_EQ(WettkampfAnzahl, 2);
    ASSERT_NE(AktWettkampf, w);
    EXPECT_EQ(AktWettkampf->Speichername, Vorschlag);
    EXPECT_EQ(AktWettkampf->Gastmannschaft.text(), QStringLiteral("Gut Holz"));
}

TEST_F(LadenSpeichern, CloseWithSaveClosesOnlyWhenTheSaveHappened)
{
    Wettbewerb echt;
    WettbewerbDiensteEinsetzen wettbewerbEinsetzen{&echt};
    const auto schliessen = [] { return WettkampfSchliessen(); };

    // Cancelled, and an existing name answered "no": the match stays, nothing is written.
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(imDialog<TSpeichern>(schliessen, [](TSpeichern&) {}));
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisNein};
    EXPECT_FALSE(imDialog<TSpeichern>(schliessen, [](TSpeichern& d) {
        d.EFile->setText(QStringLiteral("b"));
        d.BtnSpeichern->click();
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_TRUE(skriptBoxen().gezeigt.contains(
        QStringLiteral("Der Name ist bereits vorhanden !\nSpiel unter dem gleichen Namen speichern ?")));
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(AktWettkampf->Geaendert, 1);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiel1.dat")), QByteArray("B"));

    // A write error is reported and keeps the window and the match.
    const QString datei = QDir(ordner).filePath(QStringLiteral("Spiel2.dat"));
    ASSERT_TRUE(QDir(ordner).mkpath(QStringLiteral("Spiel2.dat/x")));
    skriptBoxen().gezeigt.clear();
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(imDialog<TSpeichern>(schliessen, [](TSpeichern& d) {
        d.LBFile->setCurrentRow(1);
        d.BtnSpeichern->click();
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2) << skriptBoxen().gezeigt.join('|').toStdString();
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), QByteArray("a\r\nb\r\n"));
    QDir(datei).removeRecursively();

    // Saved: the match closes.
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(imDialog<TSpeichern>(schliessen, [](TSpeichern& d) { d.BtnSpeichern->click(); }));
    EXPECT_EQ(WettkampfAnzahl, 0);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), "a\r\n" + Vorschlag.toLatin1() + "\r\nb\r\n");
}

TEST_F(LadenSpeichern, AFolderOf256EntriesTakesNoMore)
{
    QByteArray liste;
    for (int k = 0; k < 256; ++k) liste += QByteArray::number(k) + "\r\n";
    schreiben(QStringLiteral("Spiele.inf"), liste);
    EXPECT_FALSE(imDialog<TSpeichern>([] { return ::fenster().dialog(Dialog::Speichern); }, [](TSpeichern& d) {
        EXPECT_EQ(d.LBFile->count(), 256);
        EXPECT_FALSE(d.BtnSpeichern->isEnabled());
        d.LBFile->setCurrentRow(255);
        skriptBoxen().antworten = {ErgebnisJa};
        d.BtnLoeschen->click();
        EXPECT_TRUE(d.BtnSpeichern->isEnabled());
    }));
}

}  // namespace
