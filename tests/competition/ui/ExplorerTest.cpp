// The explorer window through the hub on a temporary tree: opening, the two
// modes, new folder, rename and move, delete to the trash, and every failure
// reported.
#include "competition/ui/Explorer.h"
#include "competition/ui/Fensterregistrierung.h"
#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "core/ui/Farbe.h"
#include "core/ui/Fensterhub.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Papierkorb.h"
#include "support/QtDrucken.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <tuple>

namespace {

class ExplorerFenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        baum = QDir(tmp.path()).filePath(QStringLiteral("Kegeln"));
        for (const char* o : {"Daten", "Spiele", "Archiv"}) ASSERT_TRUE(QDir(baum).mkpath(QLatin1String(o)));
        for (const char* d : {"a.txt", "b.txt"})
            ASSERT_TRUE(DateiAblegen(imBaum(QStringLiteral("Daten")), QLatin1String(d), d));
        m_programm = Programmverzeichnis;
        Programmverzeichnis = baum;
        m_xdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(tmp.path()).filePath(QStringLiteral("xdg"))));
        CompetitionFensterRegistrieren(hub);
    }
    void TearDown() override
    {
        Programmverzeichnis = m_programm;
        if (m_xdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_xdg);
        Grundlage::TearDown();
    }

    QString imBaum(const QString& name) const { return QDir(baum).filePath(name); }
    // Runs the step in the explorer opened by the hub, as the options dialog opens it.
    void imExplorer(const std::function<void(TExplorer&)>& schritt)
    {
        ImDialog<TExplorer>(
            hub, [] { return ::fenster().dialog(Dialog::Explorer); }, schritt);
    }

    QTemporaryDir tmp;
    QString baum;
    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    QString m_programm;
    QByteArray m_xdg;
};

QStringList Dateien(const TExplorer& d)
{
    QStringList namen;
    for (int i = 0; i < d.LBFile->count(); ++i) namen << d.LBFile->item(i)->text();
    return namen;
}

// A mouse click on a folder of the folder list, or on a file of the file list.
void OrdnerKlicken(TExplorer& d, const QString& pfad, Qt::MouseButton knopf = Qt::LeftButton)
{
    QTreeWidgetItem* item = d.ordnerEintrag(pfad);
    ASSERT_NE(item, nullptr) << pfad.toStdString();
    Klicken(d.LBDirectory->viewport(), knopf, QRectF(d.LBDirectory->visualItemRect(item)).center());
}

void DateiKlicken(TExplorer& d, const QString& name, Qt::MouseButton knopf = Qt::LeftButton)
{
    const QList<QListWidgetItem*> items = d.LBFile->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    Klicken(d.LBFile->viewport(), knopf, QRectF(d.LBFile->visualItemRect(items[0])).center());
}

QString Gewaehlt(const TExplorer& d)
{
    const QList<QTreeWidgetItem*> g = d.LBDirectory->selectedItems();
    return g.isEmpty() ? QString() : g[0]->data(0, Qt::UserRole).toString();
}

TEST_F(ExplorerFenster, OpensTheProgramFolderOnItsVolumeAndAClickOpensAFolder)
{
    imExplorer([&](TExplorer& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Explorer"));
        EXPECT_EQ(d.ordner(), baum);
        EXPECT_EQ(d.LPfadName->toolTip(), QDir::toNativeSeparators(baum));
        EXPECT_EQ(d.CBDrive->currentData().toString(), QStorageInfo(baum).rootPath());
        EXPECT_EQ(Gewaehlt(d), baum);
        for (const char* o : {"Archiv", "Daten", "Spiele"})
            EXPECT_NE(d.ordnerEintrag(imBaum(QLatin1String(o))), nullptr);
        EXPECT_NE(d.ordnerEintrag(tmp.path()), nullptr);
        EXPECT_TRUE(Dateien(d).isEmpty());

        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        // A picture of the window for the eye.
        if (const QString bild = qEnvironmentVariable("CORVALINK_BILD_EXPLORER"); !bild.isEmpty()) {
            OrdnerKlicken(d, baum, Qt::RightButton);
            d.grab().save(bild);
            OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        }
        EXPECT_EQ(d.ordner(), imBaum(QStringLiteral("Daten")));
        EXPECT_EQ(Dateien(d), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
        EXPECT_EQ(d.ordnerEintrag(imBaum(QStringLiteral("Spiele"))), nullptr);

        // Up again through the chain.
        OrdnerKlicken(d, baum);
        EXPECT_EQ(d.ordner(), baum);

        // The drive box opens the root of a volume.
        d.DriveChange(d.CBDrive->currentIndex());
        EXPECT_EQ(d.ordner(), QDir::cleanPath(QStorageInfo(baum).rootPath()));
        // "Hintergrund...": the colour chooser with its preview part.
        QTimer::singleShot(0, qApp, [&d] {
            auto* f = d.findChild<TFarbe*>();
            ASSERT_TRUE(f);
            EXPECT_EQ(std::tuple(f->PSpiel->isVisible(), f->BtnStandard->isVisible(), f->height()),
                      std::tuple(true, false, 465));
            f->BtnAbbruch->click();
        });
        d.PopupColorGround->trigger();
        d.BtnZurueck->click();
        EXPECT_FALSE(d.isVisible());
    });
}

TEST_F(ExplorerFenster, TheLastPressDecidesBetweenFolderModeAndFileMode)
{
    imExplorer([&](TExplorer& d) {
        const auto ordnerBefehle = [&] {
            return std::array{d.SBtnNeuerOrdner->isEnabled(), d.SBtnInhalt->isEnabled(), d.MNeuerOrdner->isEnabled()};
        };
        EXPECT_TRUE(d.ordnerModus());
        EXPECT_EQ(ordnerBefehle(), (std::array{true, true, true}));
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));

        DateiKlicken(d, QStringLiteral("b.txt"));
        EXPECT_FALSE(d.ordnerModus());
        EXPECT_EQ(ordnerBefehle(), (std::array{false, false, false}));
        EXPECT_TRUE(Gewaehlt(d).isEmpty());
        EXPECT_TRUE(d.SBtnLoeschen->isEnabled());

        // A right press only selects the folder under the mouse.
        OrdnerKlicken(d, baum, Qt::RightButton);
        EXPECT_TRUE(d.ordnerModus());
        EXPECT_EQ(ordnerBefehle(), (std::array{true, true, true}));
        EXPECT_EQ(Gewaehlt(d), baum);
        EXPECT_EQ(d.ordner(), imBaum(QStringLiteral("Daten")));
        // "Inhalt" opens the selected folder.
        d.SBtnInhalt->click();
        EXPECT_EQ(d.ordner(), baum);
    });
}

TEST_F(ExplorerFenster, NewFolderInTheSelectedFolderAndAFailedCreationIsReported)
{
    skriptBoxen().eingaben = {QStringLiteral("Neu"),    QString(),
                              QStringLiteral(" Blank"), std::nullopt,
                              QStringLiteral("Daten"),  QStringLiteral("a/b")};
    imExplorer([&](TExplorer& d) {
        d.SBtnNeuerOrdner->click();
        EXPECT_TRUE(QFileInfo(imBaum(QStringLiteral("Neu"))).isDir());
        EXPECT_NE(d.ordnerEintrag(imBaum(QStringLiteral("Neu"))), nullptr);
        EXPECT_EQ(d.ordner(), baum);

        // Empty, beginning with a blank, cancelled: nothing.
        for (int i = 0; i < 3; ++i) d.MNeuerOrdner->trigger();
        EXPECT_EQ(QDir(baum).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 4);

        d.SBtnNeuerOrdner->click();
        d.SBtnNeuerOrdner->click();
    });
    ASSERT_EQ(skriptBoxen().anfragen.size(), 6);
    const EingabeAnfrage& a = skriptBoxen().anfragen[0];
    EXPECT_EQ(a.beschriftung, QStringLiteral("Ordnername:"));
    EXPECT_EQ(a.hinweis, QStringLiteral("Ordnername eintragen"));
    EXPECT_TRUE(a.text.isEmpty());
    EXPECT_FALSE(a.pfeileSichtbar);
    EXPECT_TRUE(a.beliebigeZeichen);  // a folder name on the disk, not a Windows-1252 text
    const QStringList gezeigt = skriptBoxen().gezeigt.filter(QStringLiteral("konnte nicht"));
    EXPECT_EQ(gezeigt,
              (QStringList{QStringLiteral("Der Ordner „Daten“ konnte nicht angelegt werden (ein Eintrag dieses Namens "
                                          "ist bereits vorhanden)."),
                           QStringLiteral("Der Ordner „a/b“ konnte nicht angelegt werden (ein Ordnername enthält kein "
                                          "„/“).")}));
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("Daten/a.txt"))), QByteArray("a.txt"));
}

TEST_F(ExplorerFenster, RenameAFileAndAFailedRenameIsReported)
{
    const QString daten = imBaum(QStringLiteral("Daten"));
    skriptBoxen().eingaben = {QStringLiteral("c.txt"), QStringLiteral("b.txt"), QStringLiteral("../d.txt")};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, daten);
        DateiKlicken(d, QStringLiteral("a.txt"), Qt::RightButton);
        d.SBtnUmbenennen->click();
        EXPECT_EQ(Dateien(d), (QStringList{QStringLiteral("b.txt"), QStringLiteral("c.txt")}));
        EXPECT_EQ(d.LBFile->currentItem()->text(), QStringLiteral("c.txt"));

        // To the name of the other file: refused, reported, both kept.
        d.SBtnUmbenennen->click();
        EXPECT_EQ(Dateien(d), (QStringList{QStringLiteral("b.txt"), QStringLiteral("c.txt")}));

        // A path moves the file out of the folder.
        d.SBtnUmbenennen->click();
        EXPECT_EQ(Dateien(d), QStringList{QStringLiteral("b.txt")});
    });
    ASSERT_EQ(skriptBoxen().anfragen.size(), 3);
    EXPECT_EQ(skriptBoxen().anfragen[0].beschriftung, QStringLiteral("Name:"));
    EXPECT_EQ(skriptBoxen().anfragen[0].hinweis, QStringLiteral("Name eintragen"));
    EXPECT_EQ(skriptBoxen().anfragen[0].text, QStringLiteral("a.txt"));
    EXPECT_EQ(skriptBoxen().gezeigt.filter(QStringLiteral("konnte nicht")),
              QStringList{QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden (ein Eintrag dieses Namens ist "
                                         "bereits vorhanden).")
                              .arg(QDir(daten).filePath(QStringLiteral("c.txt")),
                                   QDir(daten).filePath(QStringLiteral("b.txt")))});
    EXPECT_EQ(DateiInhalt(QDir(daten).filePath(QStringLiteral("b.txt"))), QByteArray("b.txt"));
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("d.txt"))), QByteArray("a.txt"));
}

TEST_F(ExplorerFenster, RenamingAFolderToAPathInAnotherFolderMovesItThere)
{
    const QString ziel = imBaum(QStringLiteral("Archiv/Spiele 2024"));
    skriptBoxen().eingaben = {ziel, QStringLiteral("Alt"), imBaum(QStringLiteral("fehlt/Daten"))};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, imBaum(QStringLiteral("Spiele")), Qt::RightButton);
        d.SBtnUmbenennen->click();
        EXPECT_TRUE(QFileInfo(ziel).isDir());
        EXPECT_FALSE(QFileInfo::exists(imBaum(QStringLiteral("Spiele"))));
        EXPECT_EQ(d.ordner(), ziel);
        EXPECT_EQ(d.LPfadName->toolTip(), QDir::toNativeSeparators(ziel));

        // A bare name stays beside the folder.
        OrdnerKlicken(d, imBaum(QStringLiteral("Archiv")), Qt::RightButton);
        d.SBtnUmbenennen->click();
        EXPECT_EQ(d.ordner(), imBaum(QStringLiteral("Alt")));
        EXPECT_TRUE(QFileInfo(imBaum(QStringLiteral("Alt/Spiele 2024"))).isDir());

        // Into a folder that does not exist: reported, nothing moves.
        OrdnerKlicken(d, baum);
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        d.SBtnUmbenennen->click();
        EXPECT_EQ(d.ordner(), imBaum(QStringLiteral("Daten")));
    });
    EXPECT_EQ(skriptBoxen().anfragen.value(0).text, QDir::toNativeSeparators(imBaum(QStringLiteral("Spiele"))));
    EXPECT_EQ(skriptBoxen().gezeigt.filter(QStringLiteral("konnte nicht")),
              QStringList{QStringLiteral("„%1“ konnte nicht in „%2“ umbenannt werden (der Ordner ist nicht vorhanden).")
                              .arg(imBaum(QStringLiteral("Daten")), imBaum(QStringLiteral("fehlt/Daten")))});
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("Daten/a.txt"))), QByteArray("a.txt"));
}

TEST_F(ExplorerFenster, AfterARightClickOnAFileDeleteTrashesThatFileNotTheFolder)
{
    skriptBoxen().antworten = {ErgebnisJa};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        DateiKlicken(d, QStringLiteral("a.txt"), Qt::RightButton);
        d.SBtnLoeschen->click();
        EXPECT_EQ(Dateien(d), QStringList{QStringLiteral("b.txt")});
        EXPECT_EQ(d.ordner(), imBaum(QStringLiteral("Daten")));
    });
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Datei  a.txt  löschen ?\nSie wird in den Papierkorb verschoben.")});
    EXPECT_EQ(DateiInhalt(Weggeworfen(imBaum(QStringLiteral("Daten/a.txt"))).pfad()), QByteArray("a.txt"));
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("Daten/b.txt"))), QByteArray("b.txt"));
}

TEST_F(ExplorerFenster, AFolderGoesToTheTrashWithItsContentsAndTheFolderAboveOpens)
{
    skriptBoxen().antworten = {ErgebnisJa};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        DateiKlicken(d, QStringLiteral("a.txt"));
        // The pop-up of the folder list, after a right press on the open folder.
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")), Qt::RightButton);
        d.MEintragLoeschen->trigger();
        EXPECT_EQ(d.ordner(), baum);
        EXPECT_EQ(d.ordnerEintrag(imBaum(QStringLiteral("Daten"))), nullptr);
    });
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Ordner  %1  mit seinem ganzen Inhalt löschen ?\nEr wird in den Papierkorb "
                                         "verschoben.")
                              .arg(QDir::toNativeSeparators(imBaum(QStringLiteral("Daten"))))});
    EXPECT_FALSE(QFileInfo::exists(imBaum(QStringLiteral("Daten"))));
    const Weggeworfen daten(imBaum(QStringLiteral("Daten")));
    EXPECT_EQ(DateiInhalt(daten.pfad(QStringLiteral("b.txt"))), QByteArray("b.txt"));
}

TEST_F(ExplorerFenster, NoAtTheQuestionDeletesNothing)
{
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisNein};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        d.SBtnLoeschen->click();
        DateiKlicken(d, QStringLiteral("b.txt"));
        d.SBtnLoeschen->click();
        EXPECT_EQ(Dateien(d), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    });
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
    for (const char* d : {"a.txt", "b.txt"})
        EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("Daten/") + QLatin1String(d))), QByteArray(d));
    EXPECT_FALSE(QFileInfo::exists(QDir(tmp.path()).filePath(QStringLiteral("xdg"))));
}

TEST_F(ExplorerFenster, AFailedDeleteIsReported)
{
    // The file is gone by the time the delete runs.
    skriptBoxen().antworten = {ErgebnisJa};
    imExplorer([&](TExplorer& d) {
        OrdnerKlicken(d, imBaum(QStringLiteral("Daten")));
        DateiKlicken(d, QStringLiteral("a.txt"), Qt::RightButton);
        ASSERT_TRUE(QFile::remove(imBaum(QStringLiteral("Daten/a.txt"))));
        d.MEintragLoeschen->trigger();
        EXPECT_EQ(Dateien(d), QStringList{QStringLiteral("b.txt")});
    });
    EXPECT_EQ(skriptBoxen().gezeigt.value(1),
              QStringLiteral("„%1“ konnte nicht in den Papierkorb verschoben werden (nicht mehr vorhanden).")
                  .arg(imBaum(QStringLiteral("Daten/a.txt"))));
}

}  // namespace
