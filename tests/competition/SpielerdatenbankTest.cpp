#include "competition/Spielerdatenbank.h"

#include "competition/Wettbewerb.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

SpielerZeile ZeileMit(std::initializer_list<std::pair<int, SpielerZelle>> zellen)
{
    SpielerZeile z;
    for (const auto& [spalte, wert] : zellen) z[std::size_t(spalte)] = wert;
    return z;
}

// Rows in no sorted order, with null and empty cells apart, Windows-1252
// letters, the euro sign (0x80) and a byte without a character (0x81).
Spielertabelle Muster()
{
    Spielertabelle t;
    t.zeileAnfuegen(ZeileMit({{0, QByteArray("KSV")}, {1, QByteArray("Zander")}, {2, QByteArray("300")}}));
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("\xc4rger \xdf")}, {4, QByteArray("")}, {11, QByteArray("\x80\x81")}}));
    t.zeileAnfuegen({});
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("Anna")}, {5, QByteArray("")}, {6, QByteArray("12345678")}}));
    return t;
}

void GleicheZeilen(const Spielertabelle& a, const Spielertabelle& b)
{
    ASSERT_EQ(a.zeilen(), b.zeilen());
    for (int r = 0; r < a.zeilen(); ++r)
        for (int c = 0; c < SpielerSpalten; ++c) EXPECT_EQ(a.zelle(r, c), b.zelle(r, c)) << r << "," << c;
}

class Spielerdatenbanken : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        spielerdatenbankZustand.zuruecksetzen();
        Spielerdatenbank().setZeilen({});
        Einst.DatenbankPfad = ordner.path();
        datei = ordner.filePath(QStringLiteral("Spieler.xrs"));
    }
    void TearDown() override
    {
        Spielerdatenbank().setZeilen({});
        spielerdatenbankZustand.zuruecksetzen();
        Grundlage::TearDown();
    }

    QTemporaryDir ordner;
    QString datei;
};

}  // namespace

TEST_F(Spielerdatenbanken, SavedRowsComeBackWithNullAndEmptyCellsApartAndInTheirOrder)
{
    EXPECT_EQ(SpielerdatenbankDatei(), datei);
    const Spielertabelle t = Muster();
    const SpielerdatenbankErgebnis e = SpielerdatenbankSchreiben(datei, t);
    EXPECT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_EQ(e.meldung, QString());
    EXPECT_TRUE(DateiInhalt(datei).startsWith(QByteArray("SQLite format 3", 16)));
    EXPECT_FALSE(QFile::exists(datei + QStringLiteral("-journal")));

    Spielertabelle gelesen;
    gelesen.zeileAnfuegen({});  // replaced, not added to
    const SpielerdatenbankErgebnis l = SpielerdatenbankLesen(datei, gelesen);
    EXPECT_TRUE(l.ok) << l.meldung.toStdString();
    GleicheZeilen(gelesen, t);
    EXPECT_EQ(gelesen.zelle(1, 4), QByteArray(""));
    EXPECT_EQ(gelesen.zelle(1, 5), std::nullopt);

    // A second save replaces every row; fewer rows leave none behind.
    Spielertabelle weniger;
    weniger.zeileAnfuegen(ZeileMit({{1, QByteArray("Neu")}}));
    ASSERT_TRUE(SpielerdatenbankSchreiben(datei, weniger).ok);
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    GleicheZeilen(gelesen, weniger);
}

TEST_F(Spielerdatenbanken, AMissingOrEmptyFileIsAnEmptyTable)
{
    Spielertabelle t = Muster();
    SpielerdatenbankErgebnis e = SpielerdatenbankLesen(datei, t);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.meldung, QString());
    EXPECT_EQ(t.zeilen(), 0);
    EXPECT_FALSE(QFile::exists(datei));  // reading makes no file

    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Spieler.xrs"), QByteArray()));
    t = Muster();
    e = SpielerdatenbankLesen(datei, t);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(t.zeilen(), 0);
    // An empty file takes the database without being kept aside.
    e = SpielerdatenbankSchreiben(datei, Muster());
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.meldung, QString());
    EXPECT_FALSE(QFile::exists(datei + QStringLiteral(".alt")));
    ASSERT_TRUE(SpielerdatenbankLesen(datei, t).ok);
    GleicheZeilen(t, Muster());
}

// A save whose commit fails (another program reads the file and holds its
// lock): the file keeps the rows of the last save, and the operator is told.
TEST_F(Spielerdatenbanken, AFailingCommitLeavesThePreviousDatabaseWhole)
{
    ASSERT_TRUE(SpielerdatenbankSchreiben(datei, Muster()).ok);
    Spielertabelle neu;
    for (int i = 0; i < 50; ++i) neu.zeileAnfuegen(ZeileMit({{1, QByteArray("Neu ") + QByteArray::number(i)}}));

    {
        QSqlDatabase leser = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leser"));
        leser.setDatabaseName(datei);
        ASSERT_TRUE(leser.open());
        ASSERT_TRUE(leser.transaction());
        {
            QSqlQuery q(leser);
            ASSERT_TRUE(q.exec(QStringLiteral("SELECT count(*) FROM Spieler")) && q.next());
            EXPECT_EQ(q.value(0).toInt(), 4);
        }
        const SpielerdatenbankErgebnis e = SpielerdatenbankSchreiben(datei, neu, {0});
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.startsWith(QStringLiteral("Die Spielerdatenbank ")) &&
                    e.meldung.contains(QStringLiteral("konnte nicht gespeichert werden")) &&
                    e.meldung.contains(QStringLiteral("zuletzt gespeicherten Stand")))
            << e.meldung.toStdString();
        leser.rollback();
        leser.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("leser"));
    EXPECT_FALSE(QFile::exists(datei + QStringLiteral("-journal")));

    Spielertabelle gelesen;
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    GleicheZeilen(gelesen, Muster());
    // Without the reader the same save goes through.
    ASSERT_TRUE(SpielerdatenbankSchreiben(datei, neu, {0}).ok);
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    GleicheZeilen(gelesen, neu);
}

struct FremdeDatei {
    const char* name;
    std::function<void(const QString&)> anlegen;
};

// Not a player database of ours: refused with a message, the file stays as
// it is; saving keeps it beside the new database.
TEST_F(Spielerdatenbanken, AFileOfAnotherKindIsRefusedAndKeptWhenSaving)
{
    const FremdeDatei faelle[] = {
        {"text", [](const QString& d) { ASSERT_TRUE(DateiAblegen(QFileInfo(d).path(), QFileInfo(d).fileName(),
                                                                  "XGRID\x01\x02 alte Spielerdaten\r\n")); }},
        {"sqlite",
         [](const QString& d) {
             {
                 QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fremd"));
                 db.setDatabaseName(d);
                 ASSERT_TRUE(db.open());
                 QSqlQuery q(db);
                 ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Kunden (Name TEXT)")));
                 ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO Kunden VALUES ('Meier')")));
                 q.finish();
                 db.close();
             }
             QSqlDatabase::removeDatabase(QStringLiteral("fremd"));
         }},
        {"kaputt", [](const QString& d) {
             QByteArray kopf("SQLite format 3", 16);
             ASSERT_TRUE(DateiAblegen(QFileInfo(d).path(), QFileInfo(d).fileName(), kopf + QByteArray(200, '\x07')));
         }},
    };
    for (const FremdeDatei& f : faelle) {
        SCOPED_TRACE(f.name);
        QFile::remove(datei);
        QFile::remove(datei + QStringLiteral(".alt"));
        f.anlegen(datei);
        const QByteArray vorher = DateiInhalt(datei);

        Spielertabelle t = Muster();
        const SpielerdatenbankErgebnis e = SpielerdatenbankLesen(datei, t);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(t.zeilen(), 0);
        EXPECT_EQ(e.meldung,
                  QStringLiteral("Die Datei %1 ist keine Spielerdatenbank dieses Programms und wird nicht gelesen. "
                                 "Die Spielerdatenbank beginnt leer; wenn Sie speichern, bleibt die Datei als %2 "
                                 "erhalten.")
                      .arg(QDir::toNativeSeparators(datei), QDir::toNativeSeparators(datei + QStringLiteral(".alt"))));
        EXPECT_EQ(DateiInhalt(datei), vorher);

        const SpielerdatenbankErgebnis s = SpielerdatenbankSchreiben(datei, Muster());
        EXPECT_TRUE(s.ok) << s.meldung.toStdString();
        EXPECT_TRUE(s.meldung.contains(QStringLiteral("ist als %1 aufbewahrt")
                                           .arg(QDir::toNativeSeparators(datei + QStringLiteral(".alt")))))
            << s.meldung.toStdString();
        EXPECT_EQ(DateiInhalt(datei + QStringLiteral(".alt")), vorher);
        EXPECT_FALSE(QFile::exists(datei + QStringLiteral(".neu")));
        ASSERT_TRUE(SpielerdatenbankLesen(datei, t).ok);
        GleicheZeilen(t, Muster());
    }
    // A second file kept aside does not replace the first one.
    QFile::remove(datei);
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Spieler.xrs"), "noch eine"));
    ASSERT_TRUE(SpielerdatenbankSchreiben(datei, Muster()).ok);
    EXPECT_EQ(DateiInhalt(datei + QStringLiteral(".alt2")), QByteArray("noch eine"));
}

TEST_F(Spielerdatenbanken, AFolderThatCannotBeMadeIsReported)
{
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("belegt"), "x"));
    const QString ziel = ordner.filePath(QStringLiteral("belegt/Daten/Spieler.xrs"));
    const SpielerdatenbankErgebnis e = SpielerdatenbankSchreiben(ziel, Muster());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("kann nicht angelegt werden"))) << e.meldung.toStdString();

    // A folder where the file belongs cannot be read or replaced.
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Spieler.xrs")));
    Spielertabelle t = Muster();
    EXPECT_FALSE(SpielerdatenbankLesen(datei, t).ok);
    EXPECT_EQ(t.zeilen(), 0);
    EXPECT_FALSE(SpielerdatenbankSchreiben(datei, Muster()).ok);
    EXPECT_TRUE(QFileInfo(datei).isDir());
}

// The program's database: loading and saving with their notices, the change
// mark and the found mark.
TEST_F(Spielerdatenbanken, LoadAndSaveOfTheProgramsDatabase)
{
    Spielerdatenbank().setZeilen({Muster().zeile(0), Muster().zeile(1)});
    DatenbankGeaendert = 1;
    spielerdatenbankZustand.SuchTrefferSpalte = 1;
    spielerdatenbankZustand.SuchTrefferZeile = 1;
    EXPECT_TRUE(SpielerdatenbankSpeichern());
    EXPECT_EQ(DatenbankGeaendert, 0);
    EXPECT_EQ(spielerdatenbankZustand.SuchTrefferZeile, -1);
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());

    Spielerdatenbank().setZeilen({});
    DatenbankGeaendert = 1;
    EXPECT_TRUE(SpielerdatenbankLaden());
    EXPECT_EQ(Spielerdatenbank().zeilen(), 2);
    EXPECT_EQ(DatenbankGeaendert, 0);

    // Saving into a folder that cannot be: the notice, and the change mark stays.
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("belegt"), "x"));
    Einst.DatenbankPfad = ordner.filePath(QStringLiteral("belegt"));
    DatenbankGeaendert = 1;
    EXPECT_FALSE(SpielerdatenbankSpeichern());
    EXPECT_EQ(DatenbankGeaendert, 1);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt[0].contains(QStringLiteral("konnte nicht gespeichert werden")));

    // A relative folder is one of the program folder.
    Programmverzeichnis = ordner.path();
    Einst.DatenbankPfad = QStringLiteral("Spielerdaten");
    EXPECT_EQ(SpielerdatenbankDatei(), ordner.filePath(QStringLiteral("Spielerdaten/Spieler.xrs")));
    Programmverzeichnis.clear();
}

// The save question of a match's close: a save that fails keeps the match
// open and the changes to be saved; "Nein" drops them.
TEST_F(Spielerdatenbanken, AFailedSaveAtTheCloseKeepsTheMatchOpen)
{
    Wettbewerb echt;
    const WettbewerbDiensteEinsetzen eingesetzt(&echt);
    ASSERT_TRUE(WettkampfAnlegen());
    AktWettkampf->Geaendert = 0;
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("belegt"), "x"));
    Einst.DatenbankPfad = ordner.filePath(QStringLiteral("belegt"));
    Spielerdatenbank().setZeilen({Muster().zeile(0)});
    DatenbankGeaendert = 1;

    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(WettkampfSchliessen());
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(DatenbankGeaendert, 1);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 2);
    EXPECT_EQ(skriptBoxen().gezeigt[0], QStringLiteral("Spielerdatenbank speichern ?"));

    Einst.DatenbankPfad = ordner.path();
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(DatenbankGeaendert, 0);
    Spielertabelle gelesen;
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    EXPECT_EQ(gelesen.zeilen(), 1);

    ASSERT_TRUE(WettkampfAnlegen());
    AktWettkampf->Geaendert = 0;
    DatenbankGeaendert = 1;
    skriptBoxen().antworten = {ErgebnisNein};
    EXPECT_TRUE(WettkampfSchliessen());
    EXPECT_EQ(DatenbankGeaendert, 0);
}
