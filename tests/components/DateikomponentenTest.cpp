#include "components/Dateikomponenten.h"
#include "components/Klang.h"
#include "support/Papierkorb.h"
#include "support/Warten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A temporary XDG_DATA_HOME for the trash (of the home folder's file system)
// and the associations.
class Datenordner : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        alt = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(daten()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", alt); }
    QString daten() const { return dir.filePath(QStringLiteral("daten")); }
    QString pfad(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QByteArray alt;
};

using FileOperation = Datenordner;

TEST_F(FileOperation, DeleteMovesIntoTheTrash)
{
    const QString datei = pfad(QStringLiteral("arbeit/Alt.dat"));
    Schreiben(datei, "x");
    TabfFileOperation op;
    op.Operation = TabfFileOperation::fotDelete;
    op.FileList = {datei};
    EXPECT_TRUE(op.Execute());
    EXPECT_FALSE(QFileInfo::exists(datei));
    EXPECT_EQ(Lesen(Weggeworfen(datei).pfad()), "x");
}

TEST_F(FileOperation, MissingSourceReportsTheSystemText)
{
    TabfFileOperation op;
    op.Operation = TabfFileOperation::fotDelete;
    op.FileList = {pfad(QStringLiteral("fehlt.dat"))};
    QStringList fehler;
    QObject::connect(&op, &TabfFileOperation::OnError, [&](const QString& d, const QString& t) { fehler << d << t; });
    EXPECT_FALSE(op.Execute());
    ASSERT_EQ(fehler.size(), 2);
    EXPECT_EQ(fehler.at(0), pfad(QStringLiteral("fehlt.dat")));
    EXPECT_FALSE(fehler.at(1).isEmpty());
}

TEST_F(FileOperation, CopyMakesTheFolderAndReplacesTheTarget)
{
    const QString quelle = pfad(QStringLiteral("Werbung1.dat"));
    Schreiben(quelle, "neu");
    TabfFileOperation op;
    op.FileList = {quelle};
    op.DestFolder = pfad(QStringLiteral("client/Daten"));
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ(Lesen(pfad(QStringLiteral("client/Daten/Werbung1.dat"))), "neu");

    // One target per source, over an existing file.
    const QString ziel = pfad(QStringLiteral("client/Daten/Werbung.dat"));
    Schreiben(ziel, "alter Inhalt");
    op.Optionen = TabfFileOperation::fofMultiDestFiles;
    op.DestFolder = ziel;
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ(Lesen(ziel), "neu");
    EXPECT_EQ(Lesen(quelle), "neu");

    op.Optionen |= TabfFileOperation::fofNoReplace;
    int fehler = 0;
    QObject::connect(&op, &TabfFileOperation::OnError, [&] { ++fehler; });
    EXPECT_FALSE(op.Execute());
    EXPECT_EQ(fehler, 1);
}

TEST_F(FileOperation, MoveAndRename)
{
    const QString a = pfad(QStringLiteral("a.txt"));
    Schreiben(a, "a");
    TabfFileOperation op;
    op.Operation = TabfFileOperation::fotRename;
    op.FileList = {a};
    op.DestFolder = QStringLiteral("b.txt");  // beside the source
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ(Lesen(pfad(QStringLiteral("b.txt"))), "a");

    op.Operation = TabfFileOperation::fotMove;
    op.FileList = {pfad(QStringLiteral("b.txt"))};
    op.DestFolder = pfad(QStringLiteral("weiter/unten"));
    EXPECT_TRUE(op.Execute());
    EXPECT_FALSE(QFileInfo::exists(pfad(QStringLiteral("b.txt"))));
    EXPECT_EQ(Lesen(pfad(QStringLiteral("weiter/unten/b.txt"))), "a");
}

// --- File association ---

using FileAssociation = Datenordner;

TEST_F(FileAssociation, RegisterWritesAndUnregisterRemovesTheFiles)
{
    TabfFileAssociation a;
    a.setExtension(QStringLiteral("kgl"));
    EXPECT_EQ(a.Extension(), QStringLiteral(".kgl"));
    a.setExtDescription(QStringLiteral("Kegelspiel"));
    a.setFileDescription(QStringLiteral("Corvalink"));
    a.setCommand(TabfFileAssociation::Open, QStringLiteral("corvalink \"%1\""));
    a.setCommand(TabfFileAssociation::Print, QStringLiteral("corvalink -p %1"));
    a.setCommandDescription(TabfFileAssociation::Print, QStringLiteral("Drucken"));
    ASSERT_TRUE(a.Register());

    EXPECT_EQ(a.PaketDatei(), daten() + QStringLiteral("/mime/packages/x-kgl.xml"));
    const QString paket = QString::fromUtf8(Lesen(a.PaketDatei()));
    EXPECT_TRUE(paket.contains(QStringLiteral("type=\"application/x-kgl\"")));
    EXPECT_TRUE(paket.contains(QStringLiteral("<glob pattern=\"*.kgl\"/>")));
    EXPECT_TRUE(paket.contains(QStringLiteral("<comment>Kegelspiel</comment>")));
    const QString desktop = QString::fromUtf8(Lesen(a.DesktopDatei()));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nMimeType=application/x-kgl;\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=corvalink %f\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("[Desktop Action print]\nName=Drucken\nExec=corvalink -p %f\n")));

    TabfFileAssociation b;
    b.setExtension(QStringLiteral(".kgl"));
    ASSERT_TRUE(b.Laden());
    EXPECT_EQ(b.ExtDescription(), QStringLiteral("Kegelspiel"));
    EXPECT_EQ(b.FileDescription(), QStringLiteral("Corvalink"));
    EXPECT_EQ(b.Command(TabfFileAssociation::Open), QStringLiteral("corvalink \"%1\""));
    EXPECT_EQ(b.CommandDescription(TabfFileAssociation::Print), QStringLiteral("Drucken"));

    EXPECT_TRUE(a.Unregister());
    EXPECT_FALSE(QFileInfo::exists(a.PaketDatei()));
    EXPECT_FALSE(QFileInfo::exists(a.DesktopDatei()));
}

TEST_F(FileAssociation, ReadOnlyRefusesChanges)
{
    TabfFileAssociation a;
    a.setExtension(QStringLiteral(".kgl"));
    a.setReadOnly(true);
    EXPECT_FALSE(a.setExtDescription(QStringLiteral("anders")));
    EXPECT_FALSE(a.setExtension(QStringLiteral("abc")));
    EXPECT_EQ(a.LastError(), QStringLiteral("Cannot change the property in Read-Only mode."));
    EXPECT_TRUE(a.ExtDescription().isEmpty());
    EXPECT_EQ(a.Extension(), QStringLiteral(".kgl"));
}

// --- File storage ---

TEST(FileStorage, RoundTripFromAResource)
{
    QTemporaryDir dir;
    TabfFileStorage s;
    int geladen = 0;
    QObject::connect(&s, &TabfFileStorage::OnLoad, [&] { ++geladen; });
    // A picture that Qt Widgets keeps as a resource.
    ASSERT_TRUE(s.setFileName(QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png")));
    EXPECT_EQ(geladen, 1);
    EXPECT_TRUE(s.FileData().startsWith("\x89PNG\r\n"));
    EXPECT_EQ(s.DataSize(), s.FileData().size());

    const QString ziel = dir.filePath(QStringLiteral("kopie.png"));
    s.setSaveName(ziel);
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(Lesen(ziel), s.FileData());

    // An existing file is replaced only when the question says yes.
    s.setFileData("anders");
    QStringList gefragt;
    bool antwort = false;
    s.OnConfirmOverride = [&](const QString& d) {
        gefragt << d;
        return antwort;
    };
    EXPECT_FALSE(s.Save());
    EXPECT_NE(Lesen(ziel), "anders");
    antwort = true;
    EXPECT_TRUE(s.Save());
    EXPECT_EQ(Lesen(ziel), "anders");
    EXPECT_EQ(gefragt, QStringList({ziel, ziel}));
}

TEST(FileStorage, TextsOfTheFailures)
{
    TabfFileStorage s;
    EXPECT_FALSE(s.setFileName(QStringLiteral("/gibt/es/nicht.wav")));
    EXPECT_EQ(s.LastError(), QStringLiteral("Can not load data from the \"/gibt/es/nicht.wav\" file"));
    s.setSaveName(QStringLiteral("/gibt/es/nicht/ziel.wav"));
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(s.LastError(), QStringLiteral("Can not save data to the \"/gibt/es/nicht/ziel.wav\" file"));
    s.setSaveName(QString());
    EXPECT_FALSE(s.setAutoSave(true));
    EXPECT_EQ(s.LastError(),
              QStringLiteral("AutoSave can not be set because the SaveName property contains a wrong file name"));
    EXPECT_FALSE(s.AutoSave());
}

// --- Monitors ---

TEST(FolderMonitor, ABurstOfChangesIsReportedOnce)
{
    QTemporaryDir dir;
    TabfFolderMonitor m;
    m.setFolder(dir.path());
    m.setActive(true);
    int meldungen = 0;
    QObject::connect(&m, &TabfFolderMonitor::OnChange, [&] { ++meldungen; });
    for (int i = 0; i < 5; ++i) Schreiben(dir.filePath(QStringLiteral("datei%1.txt").arg(i)), "x");
    ASSERT_TRUE(warten([&] { return meldungen > 0; }, 10000));
    EXPECT_FALSE(warten([&] { return meldungen > 1; }, 4 * m.Buendelzeit));
    EXPECT_EQ(meldungen, 1);

    // Switched off, nothing is reported.
    m.setActive(false);
    Schreiben(dir.filePath(QStringLiteral("spaet.txt")), "x");
    EXPECT_FALSE(warten([&] { return meldungen > 1; }, 4 * m.Buendelzeit));
}

TEST(RegistryMonitor, AChangeOfTheKeyFileIsReportedOnce)
{
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("Update.inf"));
    Schreiben(key, "Update = 2.21.0062\r\n");
    TabfRegistryMonitor m;
    m.setRegistryKey(key);
    m.setActive(true);
    int meldungen = 0;
    QObject::connect(&m, &TabfRegistryMonitor::OnChange, [&] { ++meldungen; });

    // Another file of the folder is no change of the key.
    Schreiben(dir.filePath(QStringLiteral("Anderes.inf")), "x");
    EXPECT_FALSE(warten([&] { return meldungen > 0; }, 4 * m.Buendelzeit));

    Schreiben(key, "Update = 2.21.0063\r\n");
    Schreiben(key, "Update = 2.21.0064\r\n");
    ASSERT_TRUE(warten([&] { return meldungen > 0; }, 10000));
    EXPECT_FALSE(warten([&] { return meldungen > 1; }, 4 * m.Buendelzeit));

    ASSERT_TRUE(QFile::remove(key));
    EXPECT_TRUE(warten([&] { return meldungen == 2; }, 10000));
}

TEST(RegistryMonitor, AKeyWhoseFoldersAppearLaterIsWatchedOnceItIsThere)
{
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("Programm/Daten"));
    const QString key = ordner + QStringLiteral("/Update.inf");
    TabfRegistryMonitor m;
    m.setRegistryKey(key);
    m.setActive(true);
    int meldungen = 0;
    QObject::connect(&m, &TabfRegistryMonitor::OnChange, [&] { ++meldungen; });

    Schreiben(key, "Update = 2.21.0062\r\n");
    ASSERT_TRUE(warten([&] { return meldungen == 1; }, 10000));
    Schreiben(key, "Update = 2.21.0063\r\n");
    ASSERT_TRUE(warten([&] { return meldungen == 2; }, 10000));

    // Its folder goes and comes back.
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("Programm"))).removeRecursively());
    ASSERT_TRUE(warten([&] { return meldungen == 3; }, 10000));
    Schreiben(key, "Update = 2.21.0064\r\n");
    EXPECT_TRUE(warten([&] { return meldungen == 4; }, 10000));
}

// --- Sound ---

TEST(Wav, PlaysAFileAndTheHeldData)
{
    // 0.1 s of silence, 8 kHz mono 8 bit.
    QByteArray wav("RIFF");
    const quint32 daten = 800;
    auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xFF)); };
    auto u16 = [&](quint16 v) { wav.append(char(v & 0xFF)).append(char(v >> 8)); };
    u32(36 + daten);
    wav.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(8000), u32(8000), u16(1), u16(8);
    wav.append("data");
    u32(daten);
    wav.append(QByteArray(daten, char(0x80)));
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("Click.wav"));
    Schreiben(datei, wav);

    TabfWav w;
    int vorher = 0, nachher = 0;
    QObject::connect(&w, &TabfWav::OnPlayBefore, [&] { ++vorher; });
    QObject::connect(&w, &TabfWav::OnPlayAfter, [&] { ++nachher; });
    w.setFileName(datei);
    EXPECT_TRUE(w.Play());
    EXPECT_EQ(vorher, 1);
    EXPECT_EQ(nachher, 1);
    w.Stop();

    w.PlayFrom = TabfWav::pfDFM;
    w.setFileName(datei);
    EXPECT_EQ(w.DataSize(), wav.size());
    EXPECT_TRUE(w.Play());

    w.NoDefaultSound = true;
    w.PlayFrom = TabfWav::pfFile;
    w.setFileName(dir.filePath(QStringLiteral("fehlt.wav")));
    EXPECT_FALSE(w.Play());
    w.PlayFrom = TabfWav::pfResource;
    EXPECT_FALSE(w.Play());  // no ":/WAVE1"
}

}  // namespace
