// The load and save windows on a folder of saved matches, through the hub.
#include "competition/Wettbewerb.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Laden.h"
#include "competition/ui/Speichern.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Dateigrenze.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/QtDrucken.h"
#include "support/Warten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QPushButton>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QTreeView>
#include <functional>
#include <optional>
#include <ostream>
#include <tuple>

namespace {

class LadenSpeichern : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.path();
        CompetitionFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Speicherordner = ordner;
        AktWettkampf->Heimmannschaft = "Kegelfreunde Musterstadt 1962 1";  // 31 characters
        AktWettkampf->Gastmannschaft = "Gut Holz";
        AktWettkampf->Geaendert = 1;
        // Two entries, "a" and "b", with the files "A" and "B".
        for (const auto& [name, inhalt] : {std::pair("Spiele.inf", "a\r\nb\r\n"), {"Spiel0.dat", "A"}, {"Spiel1.dat", "B"}})
            schreiben(QString::fromLatin1(name), inhalt);
    }
    void schreiben(const QString& name, const QByteArray& inhalt) { ASSERT_TRUE(DateiAblegen(ordner, name, inhalt)); }
    QByteArray inhalt(const QString& name) const { return DateiInhalt(QDir(ordner).filePath(name)); }

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
    skriptBoxen().eingaben = {QStringLiteral("Yılmaz")};
    EXPECT_TRUE(ImDialog<TSpeichern>(hub, [] { return ::fenster().dialog(Dialog::Speichern); }, [&](TSpeichern& d) {
        EXPECT_EQ(d.EFile->text(), Vorschlag);
        d.BtnNeuerOrdner->click();  // a folder on the disk takes any character
        d.BtnLoeschen->click();     // answered "no"
        d.BtnSpeichern->click();
    }));
    EXPECT_TRUE(QFileInfo(QDir(ordner).filePath(QStringLiteral("Yılmaz"))).isDir());
    ASSERT_EQ(skriptBoxen().anfragen.size(), 1);
    EXPECT_TRUE(skriptBoxen().anfragen[0].beliebigeZeichen);
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{QStringLiteral("Ordnername:"), QStringLiteral("Eintrag  a  löschen ?")}));
    EXPECT_EQ(w->Geaendert, 0);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), "a\r\n" + Vorschlag.toLatin1() + "\r\nb\r\n");
    EXPECT_TRUE(inhalt(QStringLiteral("Spiel1.dat")).startsWith("MWettk\r\n"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiel2.dat")), QByteArray("B"));

    skriptBoxen().antworten = {ErgebnisJa};  // with results
    EXPECT_TRUE(ImDialog<TLaden>(hub, [] { return ::fenster().dialog(Dialog::Laden); }, [&](TLaden& d) {
        d.LBFile->setCurrentRow(1);
        d.BtnLaden->click();
    }));
    EXPECT_EQ(std::tuple(WettkampfGeladen, WettkampfAnzahl), std::tuple(1, 2));
    ASSERT_NE(AktWettkampf, w);
    EXPECT_EQ(AktWettkampf->Speichername, Vorschlag);
}

TEST_F(LadenSpeichern, CloseWithSaveClosesOnlyWhenTheSaveHappened)
{
    Wettbewerb echt;
    WettbewerbDiensteEinsetzen wettbewerbEinsetzen{&echt};
    const auto schliessen = [] { return WettkampfSchliessen(); };

    // Cancelled, and an existing name answered "no": the match stays, nothing is written.
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(ImDialog<TSpeichern>(hub, schliessen, [](TSpeichern&) {}));
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisNein};
    EXPECT_FALSE(ImDialog<TSpeichern>(hub, schliessen, [](TSpeichern& d) {
        d.EFile->setText(QStringLiteral("b"));
        d.BtnSpeichern->click();
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_TRUE(skriptBoxen().gezeigt.contains(
        QStringLiteral("Der Name ist bereits vorhanden !\nSpiel unter dem gleichen Namen speichern ?")));
    EXPECT_EQ(skriptBoxen().titel, QStringList{QStringLiteral("Speichern ?")});
    EXPECT_EQ(std::tuple(WettkampfAnzahl, AktWettkampf->Geaendert), std::tuple(1, 1));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")) + inhalt(QStringLiteral("Spiel1.dat")), QByteArray("a\r\nb\r\nB"));

    // A write error is reported and keeps the window and the match.
    ASSERT_TRUE(QDir(ordner).mkpath(QStringLiteral("Spiel2.dat/x")));
    skriptBoxen().gezeigt.clear();
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(ImDialog<TSpeichern>(hub, schliessen, [](TSpeichern& d) {
        d.LBFile->setCurrentRow(1);
        d.BtnSpeichern->click();
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2) << skriptBoxen().gezeigt.join('|').toStdString();
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), QByteArray("a\r\nb\r\n"));
    QDir(QDir(ordner).filePath(QStringLiteral("Spiel2.dat"))).removeRecursively();

    // Saved: the match closes.
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(ImDialog<TSpeichern>(hub, schliessen, [](TSpeichern& d) { d.BtnSpeichern->click(); }));
    EXPECT_EQ(WettkampfAnzahl, 0);
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), "a\r\n" + Vorschlag.toLatin1() + "\r\nb\r\n");
}

// On a full disk nothing of the insert stays: every entry keeps its file,
// and the message names the cause.
TEST_F(LadenSpeichern, AFailedInsertOnAFullDiskLeavesEveryEntryOnItsFile)
{
    schreiben(QStringLiteral("Spiele.inf"), "a\r\nb\r\nc\r\n");
    schreiben(QStringLiteral("Spiel2.dat"), "C");
    const auto speichern = [] { return ::fenster().dialog(Dialog::Speichern); };
    bool offen = false;
    EXPECT_FALSE(ImDialog<TSpeichern>(hub, speichern, [&](TSpeichern& d) {
        d.LBFile->setCurrentRow(0);
        {
            Dateigrenze voll(30);
            d.BtnSpeichern->click();
        }
        offen = d.isVisible();
    }));
    EXPECT_TRUE(offen);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt[0].contains(QStringLiteral("kein Speicherplatz mehr frei")))
        << skriptBoxen().gezeigt[0].toStdString();
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), QByteArray("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiel0.dat")) + inhalt(QStringLiteral("Spiel1.dat")) + inhalt(QStringLiteral("Spiel2.dat")) +
                  inhalt(QStringLiteral("Spiel3.dat")),
              QByteArray("ABC<fehlt>"));
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files).size(), 4);
    EXPECT_EQ(AktWettkampf->Geaendert, 1);

    // With room again the same save goes through.
    EXPECT_TRUE(ImDialog<TSpeichern>(hub, speichern, [](TSpeichern& d) {
        d.LBFile->setCurrentRow(0);
        d.BtnSpeichern->click();
    }));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), "a\r\n" + Vorschlag.toLatin1() + "\r\nb\r\nc\r\n");
    EXPECT_EQ(inhalt(QStringLiteral("Spiel2.dat")) + inhalt(QStringLiteral("Spiel3.dat")), QByteArray("BC"));
}

TEST_F(LadenSpeichern, AFolderOf256EntriesTakesNoMore)
{
    QByteArray liste;
    for (int k = 0; k < 256; ++k) liste += QByteArray::number(k) + "\r\n";
    schreiben(QStringLiteral("Spiele.inf"), liste);
    EXPECT_FALSE(ImDialog<TSpeichern>(hub, [] { return ::fenster().dialog(Dialog::Speichern); }, [](TSpeichern& d) {
        EXPECT_FALSE(d.BtnSpeichern->isEnabled());
        d.LBFile->setCurrentRow(255);
        skriptBoxen().antworten = {ErgebnisJa};
        d.BtnLoeschen->click();
        EXPECT_TRUE(d.BtnSpeichern->isEnabled());
    }));
}

// The folder shown is selected and in view, also as the model sorts folders
// in above it after it was read.
TEST_F(LadenSpeichern, TheTreeShowsTheFolderInView)
{
    ASSERT_TRUE(QDir(ordner).mkdir(QStringLiteral("z")));
    AktWettkampf->Speicherordner = QDir(ordner).filePath(QStringLiteral("z"));
    ImDialog<TSpeichern>(hub, [] { return ::fenster().dialog(Dialog::Speichern); }, [&](TSpeichern& d) {
        QTreeView* t = d.LBDirectory;
        const auto inSicht = [t] {
            return t->currentIndex().data().toString() == u"z" && t->visualRect(t->currentIndex()).intersects(t->viewport()->rect());
        };
        EXPECT_TRUE(warten(inSicht));
        std::optional<bool> sortiert;  // as the sort moves it down, before a later read could scroll
        QObject::connect(t->model(), &QAbstractItemModel::layoutChanged, &d, [&] {
            if (!sortiert && t->currentIndex().row() == 40) sortiert = inSicht();
        });
        for (int i = 0; i < 40; ++i) ASSERT_TRUE(QDir(ordner).mkdir(QString::number(i)));
        ASSERT_TRUE(warten([&] { return sortiert.has_value(); }));
        EXPECT_TRUE(*sortiert);
        // Once the operator moves in the tree, a new folder leaves it where he put it.
        QKeyEvent pos1(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
        QApplication::sendEvent(t, &pos1);
        bool neu = false;
        QObject::connect(t->model(), &QAbstractItemModel::rowsInserted, &d, [&] { neu = true; });
        ASSERT_TRUE(QDir(ordner).mkdir(QStringLiteral("neu")));
        ASSERT_TRUE(warten([&] { return neu; }));
        EXPECT_NE(t->currentIndex().data().toString(), u"z");
    });
    // So does a drag of the scroll bar to the top.
    ImDialog<TSpeichern>(hub, [] { return ::fenster().dialog(Dialog::Speichern); }, [&](TSpeichern& d) {
        QTreeView* t = d.LBDirectory;
        QScrollBar* leiste = t->verticalScrollBar();
        ASSERT_TRUE(warten([&] { return t->currentIndex().data().toString() == u"z" && leiste->value() > 0; }));
        QStyleOptionSlider opt;
        opt.initFrom(leiste);
        opt.orientation = Qt::Vertical;
        opt.minimum = leiste->minimum();
        opt.maximum = leiste->maximum();
        opt.sliderPosition = opt.sliderValue = leiste->value();
        opt.pageStep = leiste->pageStep();
        opt.singleStep = leiste->singleStep();
        const QPoint griff =
            leiste->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, leiste).center();
        const QPoint oben(griff.x(), 0);
        for (const auto& [art, wo] : {std::pair{QEvent::MouseButtonPress, griff}, {QEvent::MouseMove, oben},
                                      {QEvent::MouseButtonRelease, oben}}) {
            QMouseEvent e(art, wo, leiste->mapToGlobal(wo), Qt::LeftButton,
                          art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(leiste, &e);
        }
        ASSERT_EQ(leiste->value(), 0);
        bool neu = false;
        QObject::connect(t->model(), &QAbstractItemModel::rowsInserted, &d, [&] { neu = true; });
        ASSERT_TRUE(QDir(ordner).mkdir(QStringLiteral("neu2")));
        ASSERT_TRUE(warten([&] { return neu; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(leiste->value(), 0);
    });
}

}  // namespace
