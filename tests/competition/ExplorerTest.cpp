// The explorer's disk work on a temporary tree: folder chain, files,
// volumes, the failures of new folder and rename.
#include "competition/Explorer.h"
#include "support/Dateien.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ExplorerDateien : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        baum = QDir(tmp.path()).filePath(QStringLiteral("baum"));
        for (const char* o : {"gamma", "Beta", "alpha", ".versteckt"}) ASSERT_TRUE(QDir(baum).mkpath(QLatin1String(o)));
        for (const char* d : {"b.txt", "A.dat", ".ausgeblendet"}) ASSERT_TRUE(DateiAblegen(baum, QLatin1String(d), d));
    }
    QString pfad(const QString& name) const { return QDir(tmp.path()).filePath(name); }
    QString imBaum(const QString& name) const { return QDir(baum).filePath(name); }

    QTemporaryDir tmp;
    QString baum;
};

TEST_F(ExplorerDateien, TheChainRunsFromTheRootDownAndThenListsTheFoldersInside)
{
    const QList<Ordnereintrag> kette = Ordnerkette(baum);
    const int tiefe = int(baum.count(u'/'));
    ASSERT_EQ(kette.size(), tiefe + 1 + 3);
    EXPECT_EQ(kette[0].pfad, QStringLiteral("/"));
    EXPECT_EQ(kette[0].name, QStringLiteral("/"));
    EXPECT_TRUE(kette[0].offen);
    EXPECT_EQ(kette[tiefe].pfad, baum);
    EXPECT_EQ(kette[tiefe].name, QStringLiteral("baum"));
    EXPECT_EQ(kette[tiefe].ebene, tiefe);
    EXPECT_TRUE(kette[tiefe].offen);
    QStringList innen;
    for (int i = tiefe + 1; i < kette.size(); ++i) {
        innen << kette[i].name;
        EXPECT_FALSE(kette[i].offen);
        EXPECT_EQ(kette[i].ebene, tiefe + 1);
        EXPECT_EQ(kette[i].pfad, imBaum(kette[i].name));
    }
    EXPECT_EQ(innen, (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("gamma")}));
    EXPECT_EQ(DateienIn(baum), (QStringList{QStringLiteral("A.dat"), QStringLiteral("b.txt")}));
}

TEST_F(ExplorerDateien, TypedNamesAndTargets)
{
    EXPECT_FALSE(ExplorerNameGueltig(QString()));
    EXPECT_FALSE(ExplorerNameGueltig(QStringLiteral(" Ordner")));
    EXPECT_TRUE(ExplorerNameGueltig(QStringLiteral("Ordner ")));
    EXPECT_EQ(ExplorerZiel(baum, QStringLiteral("neu")), imBaum(QStringLiteral("neu")));
    EXPECT_EQ(ExplorerZiel(baum, QStringLiteral("../x/")), pfad(QStringLiteral("x")));
    EXPECT_EQ(ExplorerZiel(baum, QStringLiteral("/srv//daten")), QStringLiteral("/srv/daten"));
}

TEST_F(ExplorerDateien, TheVolumeOfAPathIsTheLongestMountPointAboveIt)
{
    const QList<Datentraeger> liste = {{QStringLiteral("/"), {}},
                                       {QStringLiteral("/media/kegeln/STICK"), QStringLiteral("STICK")},
                                       {QStringLiteral("/media/kegeln/STICK2"), {}}};
    EXPECT_EQ(DatentraegerVon(liste, QStringLiteral("/media/kegeln/STICK/Spiele")), 1);
    EXPECT_EQ(DatentraegerVon(liste, QStringLiteral("/media/kegeln/STICK2")), 2);
    EXPECT_EQ(DatentraegerVon(liste, QStringLiteral("/media/kegeln/STICK22")), 0);
    EXPECT_EQ(DatentraegerVon(liste.mid(1), QStringLiteral("/home")), -1);
    EXPECT_EQ(DatentraegerText(liste[1]), QStringLiteral("/media/kegeln/STICK  [STICK]"));
    EXPECT_EQ(DatentraegerText(liste[0]), QStringLiteral("/"));

    // The volume of the folder asked for is always offered.
    const QList<Datentraeger> echt = DatentraegerLesen(baum);
    const int k = DatentraegerVon(echt, baum);
    ASSERT_GE(k, 0);
    EXPECT_EQ(echt[k].wurzel, QStorageInfo(baum).rootPath());
}

TEST_F(ExplorerDateien, ANewFolderIsCreatedAndAFailureSaysWhy)
{
    QString fehler;
    EXPECT_TRUE(ExplorerOrdnerAnlegen(baum, QStringLiteral("Neu"), &fehler));
    EXPECT_TRUE(QFileInfo(imBaum(QStringLiteral("Neu"))).isDir());

    EXPECT_FALSE(ExplorerOrdnerAnlegen(imBaum(QStringLiteral("b.txt")), QStringLiteral("x"), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("(ein Teil des Pfades ist kein Ordner)."))) << fehler.toStdString();
    EXPECT_FALSE(ExplorerOrdnerAnlegen(baum, QString(300, u'x'), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("(der Name ist zu lang)."))) << fehler.toStdString();
}

TEST_F(ExplorerDateien, RenameNeverReplacesAnEntryAndMovesFoldersElsewhere)
{
    QString fehler;
    EXPECT_TRUE(ExplorerUmbenennen(imBaum(QStringLiteral("b.txt")), imBaum(QStringLiteral("c.txt")), &fehler));
    EXPECT_EQ(DateienIn(baum), (QStringList{QStringLiteral("A.dat"), QStringLiteral("c.txt")}));

    // Not even an empty folder is replaced.
    EXPECT_FALSE(ExplorerUmbenennen(imBaum(QStringLiteral("alpha")), imBaum(QStringLiteral("Beta")), &fehler));
    EXPECT_TRUE(QFileInfo(imBaum(QStringLiteral("alpha"))).isDir());

    ASSERT_TRUE(DateiAblegen(imBaum(QStringLiteral("alpha")), QStringLiteral("x"), "X"));
    EXPECT_TRUE(ExplorerUmbenennen(imBaum(QStringLiteral("alpha")), imBaum(QStringLiteral("gamma/alpha")), &fehler));
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("gamma/alpha/x"))), QByteArray("X"));

    EXPECT_FALSE(ExplorerUmbenennen(imBaum(QStringLiteral("gamma")), imBaum(QStringLiteral("gamma/alpha/g")), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("(ein Ordner kann nicht in sich selbst verschoben werden).")));
    EXPECT_FALSE(ExplorerUmbenennen(imBaum(QStringLiteral("weg")), imBaum(QStringLiteral("da")), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("(nicht mehr vorhanden).")));
    EXPECT_TRUE(ExplorerUmbenennen(imBaum(QStringLiteral("Beta")), imBaum(QStringLiteral("Beta/")), &fehler));
}

// "Liga2" lies beside "Liga", not inside it.
TEST_F(ExplorerDateien, AFolderMovesToANameThatMerelyBeginsWithItsOwn)
{
    QString fehler;
    ASSERT_TRUE(QDir(baum).mkdir(QStringLiteral("Liga")));
    ASSERT_TRUE(DateiAblegen(imBaum(QStringLiteral("Liga")), QStringLiteral("x"), "X"));
    EXPECT_TRUE(ExplorerUmbenennen(imBaum(QStringLiteral("Liga")), imBaum(QStringLiteral("Liga2")), &fehler))
        << fehler.toStdString();
    EXPECT_EQ(DateiInhalt(imBaum(QStringLiteral("Liga2/x"))), QByteArray("X"));

    ASSERT_TRUE(QDir(baum).mkdir(QStringLiteral("Liga")));
    EXPECT_TRUE(ExplorerUmbenennen(imBaum(QStringLiteral("Liga")), imBaum(QStringLiteral("Liga2/Liga")), &fehler))
        << fehler.toStdString();
    EXPECT_TRUE(QFileInfo(imBaum(QStringLiteral("Liga2/Liga"))).isDir());

    EXPECT_FALSE(ExplorerUmbenennen(imBaum(QStringLiteral("Liga2")), imBaum(QStringLiteral("Liga2/Liga/L")), &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("(ein Ordner kann nicht in sich selbst verschoben werden).")));
}

}  // namespace
