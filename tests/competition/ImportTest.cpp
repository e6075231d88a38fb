// The CSV import on files written here: reading (codes, line ends, bad
// files), the preview's fields, the row range, and the three importers.
#include "competition/Import.h"

#include "competition/Spielertabelle.h"
#include "core/Records.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using ::testing::ElementsAre;
using Zeilen = std::vector<QByteArray>;

// A cell as the tests write it: nullopt for no value.
using Z = std::optional<QByteArray>;

class Import : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
    }
    QString datei(const QString& name, const QByteArray& inhalt)
    {
        EXPECT_TRUE(DateiAblegen(tmp.path(), name, inhalt));
        return QDir(tmp.path()).filePath(name);
    }
    // The file's preview with ';'.
    Importtabelle tabelle(const QByteArray& inhalt, char trenn = ';')
    {
        QString fehler;
        Importurtexte urtexte;
        const std::optional<Zeilen> z = ImportdateiLesen(datei(QStringLiteral("t.csv"), inhalt), &fehler, &urtexte);
        EXPECT_TRUE(z) << fehler.toStdString();
        return ImportdateiLaden(z.value_or(Zeilen{}), trenn, urtexte);
    }
    static std::vector<Z> zeile(const Importtabelle& t, int r)
    {
        std::vector<Z> z;
        for (int c = 0; c < t.spalten(); ++c) z.push_back(t.zelle(c, r));
        return z;
    }
    static Zeilenbereich alle(const Importtabelle& t) { return {0, t.zeilen() - 1}; }

    QTemporaryDir tmp;
};

// --- Reading --------------------------------------------------------------------------

struct Lesefall {
    const char* was;
    QByteArray datei;
    Zeilen zeilen;
};

TEST_F(Import, ReadsWindows1252AndUnicodeWithEveryLineEnd)
{
    const Lesefall faelle[] = {
        {"CR LF", "Name;M\xFCller\r\nOrt;K\xF6ln\r\n", {"Name;M\xFCller", "Ort;K\xF6ln"}},
        {"LF, last line without break", "a;b\nc", {"a;b", "c"}},
        {"CR alone, empty line kept", "a\r\rb\r\n\r\n", {"a", "", "b", ""}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"UTF-8 with BOM", "\xEF\xBB\xBFM\xC3\xBCller;\xE2\x82\xAC\r\n", {"M\xFCller;\x80"}},
        {"UTF-8 without BOM", "Gro\xC3\x9F\n", {"Gro\xDF"}},
        {"UTF-8, a character 1252 lacks", "\xE2\x88\x9E\n", {"?"}},
        {"UTF-16 LE with BOM", QByteArray("\xFF\xFE" "a\0;\0\xFC\0\r\0\n\0", 12), {"a;\xFC"}},
        {"UTF-16 BE with BOM", QByteArray("\xFE\xFF\0a\0;\0b", 8), {"a;b"}},
        {"1252 that is no UTF-8", "\xC4rger;\xFC\n", {"\xC4rger;\xFC"}},
        {"empty file", "", {}},
    };
    for (const Lesefall& f : faelle) {
        QString fehler = QStringLiteral("alt");
        const std::optional<Zeilen> z = ImportdateiLesen(datei(QStringLiteral("f.csv"), f.datei), &fehler);
        ASSERT_TRUE(z) << f.was;
        EXPECT_EQ(*z, f.zeilen) << f.was;
        EXPECT_TRUE(fehler.isEmpty()) << f.was;
    }
}

TEST_F(Import, BadFilesAreNamedNotRead)
{
    const QString fehlt = QDir(tmp.path()).filePath(QStringLiteral("fehlt.csv"));
    const QString bild = datei(QStringLiteral("bild.png"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const QString steuer = datei(QStringLiteral("steuer.txt"), QByteArray(40, '\x01') + "a;b\r\n");
    const QString utf16kaputt = datei(QStringLiteral("u16.txt"), QByteArray("\xFF\xFE" "a", 3));
    const QString gross = QDir(tmp.path()).filePath(QStringLiteral("gross.csv"));
    {
        QFile f(gross);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(MaxImportBytes + 1));
    }
    const std::pair<QString, QString> faelle[] = {
        {fehlt, QStringLiteral("Die Datei „fehlt.csv“ kann nicht gelesen werden.")},
        {tmp.path(), QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(QDir(tmp.path()).dirName())},
        {bild, QStringLiteral("Die Datei „bild.png“ ist keine Texttabelle.")},
        {steuer, QStringLiteral("Die Datei „steuer.txt“ ist keine Texttabelle.")},
        {utf16kaputt, QStringLiteral("Die Datei „u16.txt“ ist keine Texttabelle.")},
        {gross, QStringLiteral("Die Datei „gross.csv“ ist zu groß für den Import (höchstens 64 MB).")},
    };
    for (const auto& [pfad, text] : faelle) {
        QString fehler;
        EXPECT_FALSE(ImportdateiLesen(pfad, &fehler)) << pfad.toStdString();
        EXPECT_EQ(fehler, text);
    }
}

// --- The preview -----------------------------------------------------------------------

TEST_F(Import, ColumnsComeFromTheLongestLineAndFieldsLoseTheBlanksAroundThem)
{
    // Short lines leave cells without value; quotes and inner blanks belong
    // to the text; two separators in a row give the empty text.
    const Importtabelle t = tabelle("a;b;c\r\n1;2\r\nx;;z;w\r\n\r\n\"q;r\"; s t\t; \r\n");
    ASSERT_EQ(std::tuple(t.spalten(), t.zeilen()), std::tuple(4, 5));
    EXPECT_THAT(zeile(t, 0), ElementsAre(Z("a"), Z("b"), Z("c"), std::nullopt));
    EXPECT_THAT(zeile(t, 1), ElementsAre(Z("1"), Z("2"), std::nullopt, std::nullopt));
    EXPECT_THAT(zeile(t, 2), ElementsAre(Z("x"), Z(""), Z("z"), Z("w")));
    EXPECT_THAT(zeile(t, 3), ElementsAre(Z(""), std::nullopt, std::nullopt, std::nullopt));
    EXPECT_THAT(zeile(t, 4), ElementsAre(Z("\"q"), Z("r\""), Z("s t"), Z("")));
    EXPECT_EQ(t.zelle(0, 5), std::nullopt);
    EXPECT_EQ(t.zelle(-1, 0), std::nullopt);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(t.kopf(c), std::nullopt);

    // The separator chosen; the others are text.
    const Zeilen z = {"a,b;c\td"};
    EXPECT_EQ(ImportdateiLaden(z, ',').spalten(), 2);
    EXPECT_EQ(ImportdateiLaden(z, '\t').zelle(0, 0), Z("a,b;c"));
    EXPECT_EQ(ImportdateiLaden(z, ImportTrennzeichen(2)).zelle(1, 0), Z("d"));
    EXPECT_EQ((std::string{ImportTrennzeichen(0), ImportTrennzeichen(1), ImportTrennzeichen(2)}), ";,\t");

    // No lines: nothing; a line of 300 separators: the most columns.
    EXPECT_EQ(ImportdateiLaden({}, ';').spalten(), 0);
    const Importtabelle breit = ImportdateiLaden({"a", QByteArray(300, ';') + "b"}, ';');
    EXPECT_EQ(breit.spalten(), MaxImportSpalten);
    EXPECT_EQ(std::tuple(breit.zelle(0, 0), breit.zelle(1, 0), breit.zelle(255, 1)), std::tuple(Z("a"), Z(), Z("")));
}

TEST_F(Import, PreviewHoldsCellsOnlyForRowsEditedOrInserted)
{
    // 256 columns of empty fields in 2000 lines: half a million cells that
    // the preview cuts from the lines only when asked.
    const Zeilen zeilen(2000, QByteArray(MaxImportSpalten - 1, ';'));
    Importtabelle t = ImportdateiLaden(zeilen, ';');
    ASSERT_EQ(std::tuple(t.spalten(), t.zeilen()), std::tuple(MaxImportSpalten, 2000));
    EXPECT_EQ(t.gehalteneZellen(), 0);
    EXPECT_EQ(std::tuple(t.zelle(255, 1999), t.zelle(0, 0)), std::tuple(Z(""), Z("")));

    // An edited row holds its cells, an inserted one too; a deleted one lets them go.
    t.setZelle(3, 7, QByteArray("Meier"));
    EXPECT_EQ(t.gehalteneZellen(), MaxImportSpalten);
    t.zeileEinfuegen(0);
    EXPECT_EQ(t.gehalteneZellen(), 2 * MaxImportSpalten);
    EXPECT_EQ(std::tuple(t.zelle(3, 8), t.zelle(4, 8), t.zelle(3, 0)), std::tuple(Z("Meier"), Z(""), Z()));
    t.zeileLoeschen(0);
    EXPECT_EQ(t.gehalteneZellen(), MaxImportSpalten);

    // The import still takes every row.
    t.setKopf(3, Spaltenbedeutung::Name);
    t.setKopf(255, Spaltenbedeutung::Ort);
    Spielertabelle db;
    EXPECT_EQ(SpielerdatenbankImportieren(t, alle(t), true, db), 2000);
    ASSERT_EQ(db.zeilen(), 2000);
    EXPECT_EQ(db.zeile(7)[1], Z("Meier"));
    EXPECT_EQ(db.zeile(1999), SpielerZeile{});
}

// Editing a row takes its cells from its line as the preview shows them: a
// line that ends with a separator keeps its empty last field, a short line
// its cells without value.
TEST_F(Import, AnEditedRowKeepsItsCellsAsTheLineGaveThem)
{
    const std::vector<QByteArray> zeilen = {"a;b;c", "x;y;", "p;q", ";;"};
    Importtabelle t = ImportdateiLaden(zeilen, ';');
    ASSERT_EQ(t.spalten(), 3);
    const std::vector<std::vector<Z>> erwartet = {
        {Z("a"), Z("b"), Z("c")}, {Z("x"), Z("y"), Z("")}, {Z("p"), Z("q"), std::nullopt}, {Z(""), Z(""), Z("")}};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(zeile(t, r), erwartet[std::size_t(r)]);  // unedited
        t.setZelle(0, r, QByteArray("neu"));
        std::vector<Z> bearbeitet = erwartet[std::size_t(r)];
        bearbeitet[0] = Z("neu");
        EXPECT_EQ(zeile(t, r), bearbeitet);
    }
}

TEST_F(Import, RowsAreInsertedAndDeletedInThePreview)
{
    Importtabelle t = ImportdateiLaden({"a;b", "c;d"}, ';');
    EXPECT_EQ(t.zeileEinfuegen(1), 1);
    EXPECT_THAT(zeile(t, 1), ElementsAre(std::nullopt, std::nullopt));
    EXPECT_EQ(t.zeileEinfuegen(99), 3);
    t.zeileLoeschen(0);
    t.zeileLoeschen(7);
    EXPECT_EQ(t.zeilen(), 3);
    EXPECT_EQ(t.zelle(0, 1), Z("c"));
}

TEST_F(Import, MeaningsHaveTheirListTextsAndDatabaseColumns)
{
    EXPECT_EQ(BedeutungText(Spaltenbedeutung::Abraeumen), QStringLiteral("Abräumen"));
    EXPECT_EQ(BedeutungText(Spaltenbedeutung::Email), QStringLiteral("email"));
    EXPECT_EQ(BedeutungText(Spaltenbedeutung::Undefiniert), QStringLiteral("undefiniert"));
    EXPECT_EQ(BedeutungAusText(QStringLiteral("Plz")), Spaltenbedeutung::Plz);
    EXPECT_EQ(BedeutungAusText(QStringLiteral("plz")), std::nullopt);
    std::vector<int> spalten;
    for (int b = 0; b < SpaltenbedeutungAnzahl; ++b) spalten.push_back(BedeutungDatenbankspalte(Spaltenbedeutung(b)));
    EXPECT_EQ(spalten, (std::vector<int>{0, 1, 1, 2, 3, 4, -1, 5, -1, -1, -1, 6, 7, 8, 9, 10, 11, -1, -1, -1, -1}));
}

TEST_F(Import, RowRangeReadsDigitsAndStaysInsideTheTable)
{
    struct Fall {
        const char *von, *bis;
        int zeilen, erste, letzte;
    };
    const Fall faelle[] = {
        {"1", "5", 10, 0, 4},   {"3", "2", 10, 2, 1},    {"", "", 10, 0, -1},     {"1", "99", 4, 0, 3},
        {"0", "2", 10, 0, 1},   {"1 2", "2x0", 30, 11, 19}, {"7", "9", 0, 6, -1}, {"99999999999", "1", 5, 2147483646, 0},
    };
    for (const Fall& f : faelle) {
        const Zeilenbereich b = ImportZeilenbereich(QString::fromLatin1(f.von), QString::fromLatin1(f.bis), f.zeilen);
        EXPECT_EQ(std::tuple(b.erste, b.letzte), std::tuple(f.erste, f.letzte)) << f.von << ".." << f.bis;
        EXPECT_EQ(b.leer(), f.letzte < f.erste);
    }
}

// --- Line-up of a new match --------------------------------------------------------------

TEST_F(Import, LineUpCreatesAMatchWithTheKeyedRowsCut)
{
    const Importtabelle t = tabelle(
        "Heimmannschaft;Kegelsportclub Gut Holz \xD6tigheim 1950 e.V.;x;y\r\n"  // 42 characters
        "Gastmannschaft;KV Rot-Wei\xDF\r\n"
        "Spieler1;M\xFCller, Hans;123456;01.02.80\r\n"
        "Spieler12;Schmidt\r\n"                                 // one field: the name only
        "Spieler5;Bartholom\xE4us von Hohenzollern-Sigmaringen;1234567;01.02.1980x\r\n"
        "Spieler6;Kurz;987654;03.04.1975\r\n"                   // the year's century goes
        "Spieler17;Niemand;1;2\r\n"
        "spieler2;klein\r\n"
        " Spieler4 ;Blank\r\n"                                 // the key without its blanks
        "Spieler04;Null\r\n"
        "Spieler16;Letzter;;\r\n");
    QString fehler = QStringLiteral("alt");
    ASSERT_TRUE(SpielaufstellungImportieren(t, alle(t), &fehler));
    EXPECT_TRUE(fehler.isEmpty());
    ASSERT_EQ(std::tuple(WettkampfAnzahl, AktWettkampfNr), std::tuple(1, 1));
    const TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(w.Club.bytes(), "Kegelsportclub Gut Holz \xD6tighe");
    EXPECT_EQ(w.Heimmannschaft.bytes(), "Kegelsportclub Gut Holz \xD6tighe 1");
    EXPECT_EQ(w.Gastmannschaft.bytes(), "KV Rot-Wei\xDF");
    const auto spieler = [&](int n) {
        const TSpielerEintrag& s = *w.SpielerZeiger[n];
        return std::tuple(s.Name.bytes(), s.Pass.bytes(), s.Gebdat.bytes());
    };
    EXPECT_EQ(spieler(1), std::tuple(QByteArray("M\xFCller, Hans"), QByteArray("123456"), QByteArray("01.02.80")));
    EXPECT_EQ(spieler(12), std::tuple(QByteArray("Schmidt"), QByteArray(), QByteArray()));
    EXPECT_EQ(spieler(5), std::tuple(QByteArray("Bartholom\xE4us von Hohenzollern-"), QByteArray("123456"),
                                     QByteArray("01.02.19")));
    EXPECT_EQ(spieler(6), std::tuple(QByteArray("Kurz"), QByteArray("987654"), QByteArray("03.04.75")));
    EXPECT_EQ(spieler(16), std::tuple(QByteArray("Letzter"), QByteArray(), QByteArray()));
    EXPECT_EQ(spieler(4), std::tuple(QByteArray("Blank"), QByteArray(), QByteArray()));
    for (int n : {2, 3, 7, 8, 9, 10, 11, 13, 14, 15}) EXPECT_TRUE(w.SpielerZeiger[n]->Name.leer()) << n;
    // Guests stay guests.
    EXPECT_EQ(std::tuple(w.SpielerZeiger[12]->IstHeim, w.SpielerZeiger[1]->IstHeim), std::tuple(0, 1));
}

TEST_F(Import, LineUpWithBlankAfterTheSeparatorTakesTheFieldsWithoutIt)
{
    // As the exports write it: "; " and a tab with a blank.
    for (const char trenn : {';', '\t'}) {
        const QByteArray s = trenn == ';' ? "; " : "\t ";
        const Importtabelle t = tabelle("Spieler2" + s + "Hans Meier" + s + "123456" + s + "1.2.80\r\n" +
                                            "Gastmannschaft" + s + "Gut Holz \r\n",
                                        trenn);
        ASSERT_TRUE(SpielaufstellungImportieren(t, alle(t), nullptr));
        const TSpielerEintrag& p = *AktWettkampf->SpielerZeiger[2];
        EXPECT_EQ(std::tuple(p.Name.bytes(), p.Pass.bytes(), p.Gebdat.bytes()),
                  std::tuple(QByteArray("Hans Meier"), QByteArray("123456"), QByteArray("1.2.80")));
        EXPECT_EQ(AktWettkampf->Gastmannschaft.bytes(), "Gut Holz");
    }
}

TEST_F(Import, LineUpOfAnEmptyRangeIsANewMatchAndSixOpenMatchesRefuse)
{
    const Importtabelle t = tabelle("Gastmannschaft;X\r\n");
    ASSERT_TRUE(SpielaufstellungImportieren(t, ImportZeilenbereich(QStringLiteral("3"), QStringLiteral("2"), 1), nullptr));
    EXPECT_TRUE(AktWettkampf->Gastmannschaft.leer());
    while (WettkampfAnzahl < MaxWettkaempfe) ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten* vorher = AktWettkampf;
    QString fehler;
    EXPECT_FALSE(SpielaufstellungImportieren(t, alle(t), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei."));
    EXPECT_EQ(std::tuple(AktWettkampf, WettkampfAnzahl), std::tuple(vorher, MaxWettkaempfe));
}

// Texts Windows-1252 cannot hold are named before an import changes them:
// each target by the cells it writes, each change once, in row order; a
// side's started player is left out, as the import leaves him.
TEST_F(Import, TextsThatLoseCharactersAreNamedBeforeTheImport)
{
    const QByteArray datei = "Heimmannschaft;T\xC3\xBCrkg\xC3\xBC\x63\xC3\xBC\n"  // Türkgücü: kept
                             "Spieler1;\xC3\x96mer \xC5\x9E\x61hin;123456\n"        // Ömer Şahin
                             "Spieler9;\xC5\x81ukasz \xC5\xBB\x61k\n"               // Łukasz Żak
                             "Mannschaft;Sp\xC3\xB3\xC5\x82ka\n"                    // Spółka
                             "Gastmannschaft;  Krak\xC3\xB3w \xE2\x98\x86 \n"       // Kraków ☆
                             "Spieler3;\xC3\x96mer \xC5\x9E\x61hin\n"               // again
                             "Ort;\xC5\x81\xC3\xB3\x64\xC5\xBA\n"                 // Łódź, no key
                             "Spieler4;Wer?\n";                                    // a "?" loses nothing
    Importtabelle t = tabelle(datei);
    t.setZelleText(1, 0, QStringLiteral("Nguyễn"));  // typed in the preview
    const QString oemer = QStringLiteral("Ömer Şahin → Ömer ?ahin"), lukasz = QStringLiteral("Łukasz Żak → ?ukasz ?ak");
    const QString spolka = QStringLiteral("Spółka → Spó?ka"), krakow = QStringLiteral("Kraków ☆ → Kraków ?");
    const QString lodz = QStringLiteral("Łódź → ?ód?"), nguyen = QStringLiteral("Nguyễn → Nguy?n");
    TWettkampfDaten w;
    w.Spieler[9].Gestartet = 1;
    t.setKopf(1, Spaltenbedeutung::Name);
    const struct {
        Importziel ziel;
        Zeilenbereich b;
        QStringList soll;
    } faelle[] = {
        {Importziel::Spielaufstellung, alle(t), {nguyen, oemer, lukasz, krakow}},
        {Importziel::Spielaufstellung, {2, 3}, {lukasz}},
        {Importziel::Heim, alle(t), {oemer, spolka}},
        {Importziel::Gast, alle(t), {spolka, oemer}},  // Spieler1 is the started guest 9
        {Importziel::Spielerdatenbank, alle(t), {nguyen, oemer, lukasz, spolka, krakow, lodz}},
    };
    for (const auto& f : faelle) {
        QStringList ist;
        for (const Importaenderung& a : ImportAenderungen(t, f.b, f.ziel, &w)) ist << a.vorher + QStringLiteral(" → ") + a.nachher;
        EXPECT_EQ(ist.join(u'|').toStdString(), f.soll.join(u'|').toStdString()) << int(f.ziel);
    }
    // A file in Windows-1252 itself loses nothing.
    const Importtabelle ansi = tabelle("Spieler1;\xD6mer\n");
    EXPECT_TRUE(ImportAenderungen(ansi, alle(ansi), Importziel::Spielaufstellung, nullptr).empty());

    EXPECT_TRUE(ImportAenderungenFrage({}).isEmpty());
    EXPECT_EQ(ImportAenderungenFrage({{QStringLiteral("Ömer Şahin"), QStringLiteral("Ömer ?ahin")}}),
              QStringLiteral("Diese Einträge enthalten Zeichen, die das Programm nicht speichern kann, und ändern sich "
                             "beim Import:\n\nÖmer Şahin → Ömer ?ahin\n\nTrotzdem importieren ?"));
    std::vector<Importaenderung> viele(13, {QStringLiteral("Ş"), QStringLiteral("?")});
    EXPECT_TRUE(ImportAenderungenFrage(viele).contains(QStringLiteral("Ş → ?\n… und 1 weitere\n\n")));
}

// --- One side of the current match -------------------------------------------------------

class Seite : public Import {
protected:
    void SetUp() override
    {
        Import::SetUp();
        ASSERT_TRUE(WettkampfAnlegen());
        w = AktWettkampf;
        for (int n = 1; n <= MaxSpieler; ++n) {
            const std::string k = std::to_string(n);
            w->SpielerZeiger[n]->Name = "Alt" + k;
            w->SpielerZeiger[n]->Pass = "P" + k;
            w->SpielerZeiger[n]->Gebdat = "01.01.0" + k.substr(0, 1);
        }
        w->Club = "Adler";
        w->Gastmannschaft = "Falken";
        w->Geaendert = 0;
    }
    std::tuple<QByteArray, QByteArray, QByteArray> spieler(int n) const
    {
        const TSpielerEintrag& s = *w->SpielerZeiger[n];
        return {s.Name.bytes(), s.Pass.bytes(), s.Gebdat.bytes()};
    }
    static constexpr const char* Datei = "Spieler1;Neu1;111111;01.01.81\r\n"
                                         "Mannschaft;G\xE4ste\r\n"
                                         "Spieler2;Neu2;222222\r\n"  // started on the guest side
                                         "Spieler3;;\r\n"              // name and pass cleared
                                         "Spieler4\r\n"
                                         "Spieler9;Nicht\r\n"
                                         "Spieler12;Auch nicht\r\n"
                                         "Heimmannschaft;Nein\r\n";
    TWettkampfDaten* w = nullptr;
};

TEST_F(Seite, GuestSideTakesItsKeysAndLeavesStartedPlayers)
{
    w->SpielerZeiger[10]->Gestartet = 1;
    const Importtabelle t = tabelle(Datei);
    const Seitenimport e = MannschaftImportieren(t, alle(t), false, *w);
    EXPECT_TRUE(e.geschrieben);
    EXPECT_THAT(e.gesperrt, ElementsAre(10));
    EXPECT_EQ(GesperrteSpielerText(e.gesperrt), QStringLiteral("Spieler 2 hat bereits gespielt und bleibt unverändert."));
    EXPECT_EQ(w->Gastmannschaft.bytes(), "G\xE4ste");
    EXPECT_EQ(w->Club.bytes(), "Adler");
    EXPECT_EQ(spieler(9), std::tuple(QByteArray("Neu1"), QByteArray("111111"), QByteArray("01.01.81")));
    EXPECT_EQ(spieler(10), std::tuple(QByteArray("Alt10"), QByteArray("P10"), QByteArray("01.01.01")));
    EXPECT_EQ(spieler(11), std::tuple(QByteArray(), QByteArray(), QByteArray("01.01.01")));
    EXPECT_EQ(spieler(12), std::tuple(QByteArray("Alt12"), QByteArray("P12"), QByteArray("01.01.01")));
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(std::get<0>(spieler(n)), "Alt" + QByteArray::number(n));
    EXPECT_EQ(spieler(16), std::tuple(QByteArray("Alt16"), QByteArray("P16"), QByteArray("01.01.01")));
    EXPECT_EQ(w->Geaendert, 1);
}

TEST_F(Seite, HomeSideSetsTheClubAndItsTeamName)
{
    const Importtabelle t = tabelle(Datei);
    const Seitenimport e = MannschaftImportieren(t, alle(t), true, *w);
    EXPECT_TRUE(e.gesperrt.empty());
    EXPECT_TRUE(GesperrteSpielerText(e.gesperrt).isEmpty());
    EXPECT_EQ(std::tuple(w->Club.bytes(), w->Heimmannschaft.bytes()), std::tuple(QByteArray("G\xE4ste"), QByteArray("G\xE4ste 1")));
    EXPECT_EQ(w->Gastmannschaft.bytes(), "Falken");
    EXPECT_EQ(spieler(2), std::tuple(QByteArray("Neu2"), QByteArray("222222"), QByteArray("01.01.02")));
    EXPECT_EQ(std::get<0>(spieler(9)), "Alt9");
}

TEST_F(Seite, NothingInRangeChangesNothing)
{
    for (int n = 9; n <= 11; ++n) w->SpielerZeiger[n]->Gestartet = 1;
    const Importtabelle t = tabelle(Datei);
    // Rows 5..8: keys for no player of one side, and "Heimmannschaft".
    Seitenimport e = MannschaftImportieren(t, ImportZeilenbereich(QStringLiteral("5"), QStringLiteral("8"), t.zeilen()), false, *w);
    EXPECT_FALSE(e.geschrieben);
    EXPECT_EQ(w->Geaendert, 0);
    // Only started players: named once each, in file order.
    e = MannschaftImportieren(t, ImportZeilenbereich(QStringLiteral("1"), QStringLiteral("4"), t.zeilen()), false, *w);
    EXPECT_THAT(e.gesperrt, ElementsAre(9, 10, 11));
    EXPECT_EQ(GesperrteSpielerText(e.gesperrt),
              QStringLiteral("Spieler 1, 2, 3 haben bereits gespielt und bleiben unverändert."));
    EXPECT_EQ(w->Gastmannschaft.bytes(), "G\xE4ste");
}

// --- The player database ------------------------------------------------------------------

// A table of one row whose name cell is "Alt".
Spielertabelle EineZeile()
{
    Spielertabelle t;
    SpielerZeile z;
    z[1] = QByteArray("Alt");
    t.zeileAnfuegen(z);
    return t;
}

TEST_F(Import, DatabaseRowsTakeTheColumnsByTheirMeanings)
{
    Importtabelle t = tabelle("Vorname;Name;Club;Pass;Geb;Team;Ort;Mail;Egal\r\n"
                              "Hans;Meier;KSC;1234567;01.02.1980;Erste;B\xFChl;h@m.de;x\r\n"
                              "Eva\r\n"
                              ";Schulz;;;\r\n"
                              "Anna;;Club mit einem sehr langen Namen, zu lang\r\n");
    const std::optional<Spaltenbedeutung> koepfe[] = {
        Spaltenbedeutung::Vorname, Spaltenbedeutung::Name,       Spaltenbedeutung::Club,
        Spaltenbedeutung::Passnummer, Spaltenbedeutung::Geburtsdatum, Spaltenbedeutung::Mannschaft,
        Spaltenbedeutung::Ort,     Spaltenbedeutung::Email,      std::nullopt};
    for (int c = 0; c < 9; ++c) t.setKopf(c, koepfe[c]);

    Spielertabelle db = EineZeile();
    EXPECT_EQ(SpielerdatenbankImportieren(t, ImportZeilenbereich(QStringLiteral("2"), QStringLiteral("5"), t.zeilen()),
                                          true, db),
              4);
    EXPECT_EQ(DatenbankGeaendert, 1);
    ASSERT_EQ(db.zeilen(), 5);
    EXPECT_EQ(db.zeile(0)[1], Z("Alt"));
    const SpielerZeile& hans = db.zeile(1);
    EXPECT_THAT(hans, ElementsAre(Z("KSC"), Z("Hans Meier"), Z("123456"), Z("01.02.80"), std::nullopt, std::nullopt,
                                  std::nullopt, Z("B\xFChl"), std::nullopt, std::nullopt, std::nullopt, Z("h@m.de")));
    // A short line: the first name alone, every other cell without value.
    EXPECT_THAT(db.zeile(2), ElementsAre(std::nullopt, Z("Eva"), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                         std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                         std::nullopt));
    // An empty first name adds no blank; an empty field leaves its cell
    // without value, as the database keeps an empty cell.
    EXPECT_EQ(std::tuple(db.zeile(3)[0], db.zeile(3)[1], db.zeile(3)[2], db.zeile(3)[7]),
              std::tuple(Z(), Z("Schulz"), Z(), Z()));
    // An empty surname adds no blank; a cell is cut to its column.
    EXPECT_EQ(std::tuple(db.zeile(4)[0], db.zeile(4)[1]), std::tuple(Z("Club mit einem sehr langen Nam"), Z("Anna")));
}

// The name is the first name, a blank and the surname whichever column
// stands left; either alone is the name; an empty one adds no blank.
TEST_F(Import, DatabaseNameIsFirstNameAndSurnameInEitherOrder)
{
    using B = Spaltenbedeutung;
    const char* const nameLinks = "Meier;Hans\r\n;Hans\r\nMeier;\r\n;\r\n";
    const struct {
        const char* datei;
        B links, rechts;
        std::vector<Z> namen;
    } faelle[] = {
        {nameLinks, B::Name, B::Vorname, {Z("Hans Meier"), Z("Hans"), Z("Meier"), Z()}},
        {"Hans;Meier\r\nHans;\r\n;Meier\r\n;\r\n", B::Vorname, B::Name, {Z("Hans Meier"), Z("Hans"), Z("Meier"), Z()}},
        {nameLinks, B::Name, B::Volle, {Z("Meier"), Z(), Z("Meier"), Z()}},
        {nameLinks, B::Undefiniert, B::Vorname, {Z("Hans"), Z("Hans"), Z(), Z()}},
    };
    for (const auto& f : faelle) {
        Importtabelle t = tabelle(f.datei);
        t.setKopf(0, f.links);
        t.setKopf(1, f.rechts);
        Spielertabelle db;
        ASSERT_EQ(SpielerdatenbankImportieren(t, alle(t), true, db), 4);
        for (int r = 0; r < 4; ++r) EXPECT_EQ(db.zeile(r), SpielerZeile({Z(), f.namen[std::size_t(r)]})) << f.datei << r;
    }
}

TEST_F(Import, DatabaseExportedAndImportedAgainIsTheSameTable)
{
    // Cells the operator left empty have no value, as the grid keeps them.
    Spielertabelle& db = Spielerdatenbank();
    db.setZeilen({});
    const auto zeile = [](std::initializer_list<std::pair<int, const char*>> zellen) {
        SpielerZeile z;
        for (const auto& [spalte, text] : zellen) z[std::size_t(spalte)] = QByteArray(text);
        return z;
    };
    db.zeileAnfuegen(zeile({{0, "KSC Gut Holz"}, {1, "Hans M\xFCller"}, {2, "123456"}, {3, "01.02.80"},
                            {4, "Herren"}, {5, "Deutschland"}, {6, "76133"}, {7, "K\xF6ln"}, {8, "Weg 1"},
                            {9, "0721 1"}, {10, "0721 2"}, {11, "h@m.de"}}));
    db.zeileAnfuegen(zeile({{1, "Eva Schulz"}, {2, "654321"}, {11, "eva@x.de"}}));
    db.zeileAnfuegen({});
    db.zeileAnfuegen(zeile({{0, "SV"}, {3, "31.12.99"}}));
    const Spielertabelle vorher = db;

    const std::pair<QString, char> trenner[] = {{QStringLiteral("; "), ';'}, {QStringLiteral("\t "), '\t'}};
    for (const auto& [export_, import_] : trenner) {
        Trennzeichen = export_;
        const QString pfad = QDir(tmp.path()).filePath(QStringLiteral("db.csv"));
        ASSERT_EQ(SpielerdatenbankExportieren(pfad), QString());
        QString fehler;
        const std::optional<Zeilen> zeilen = ImportdateiLesen(pfad, &fehler);
        ASSERT_TRUE(zeilen) << fehler.toStdString();
        Importtabelle t = ImportdateiLaden(*zeilen, import_);
        ASSERT_EQ(t.spalten(), SpielerSpalten);
        const Spaltenbedeutung koepfe[SpielerSpalten] = {
            Spaltenbedeutung::Club,   Spaltenbedeutung::Name,   Spaltenbedeutung::Passnummer,
            Spaltenbedeutung::Geburtsdatum, Spaltenbedeutung::Gruppe, Spaltenbedeutung::Nation,
            Spaltenbedeutung::Plz,    Spaltenbedeutung::Ort,    Spaltenbedeutung::Adresse,
            Spaltenbedeutung::Tel,    Spaltenbedeutung::Fax,    Spaltenbedeutung::Email};
        for (int c = 0; c < SpielerSpalten; ++c) t.setKopf(c, koepfe[c]);
        // Without the heading line, replacing the table.
        EXPECT_EQ(SpielerdatenbankImportieren(t, ImportZeilenbereich(QStringLiteral("2"), QString::number(t.zeilen()),
                                                                     t.zeilen()),
                                              false, db),
                  4);
        ASSERT_EQ(db.zeilen(), vorher.zeilen());
        for (int r = 0; r < db.zeilen(); ++r) EXPECT_EQ(db.zeile(r), vorher.zeile(r)) << export_.toStdString() << r;
    }
    db.setZeilen({});
}

TEST_F(Import, DatabaseRefusesATableWithoutAColumnItTakes)
{
    Importtabelle t = tabelle("Meier;Erste;1\r\n");
    const QString meldung = QStringLiteral(
        "Keiner Spalte ist eine Bedeutung für die Spielerdatenbank zugeordnet. Klicken Sie auf den Kopf einer Spalte "
        "und wählen Sie unter „Spalte:“, was sie enthält (zum Beispiel Name). Es wurde nichts importiert.");
    EXPECT_EQ(SpielerdatenbankImportFehler(t), meldung);
    // Meanings the database does not keep count as none.
    t.setKopf(1, Spaltenbedeutung::Mannschaft);
    t.setKopf(2, Spaltenbedeutung::Undefiniert);
    EXPECT_EQ(SpielerdatenbankImportFehler(t), meldung);
    Spielertabelle db = EineZeile();
    EXPECT_EQ(SpielerdatenbankImportieren(t, alle(t), false, db), 0);
    EXPECT_EQ(std::tuple(db.zeilen(), db.zeile(0)[1], DatenbankGeaendert), std::tuple(1, Z("Alt"), 0));
    t.setKopf(0, Spaltenbedeutung::Name);
    EXPECT_EQ(SpielerdatenbankImportFehler(t), QString());
}

// The club is the database's first column: a table whose only meaning is
// the club is taken, in whichever column of the file it stands.
TEST_F(Import, DatabaseTakesATableWhoseOnlyMeaningIsTheClub)
{
    for (const int spalte : {0, 2}) {
        SCOPED_TRACE(spalte);
        Importtabelle t = spalte == 0 ? tabelle("KSC Nord;x;y\r\nSKV S\xFC" "d;x;y\r\n")
                                      : tabelle("x;y;KSC Nord\r\nx;y;SKV S\xFC" "d\r\n");
        t.setKopf(spalte, Spaltenbedeutung::Club);
        t.setKopf(spalte == 0 ? 1 : 0, Spaltenbedeutung::Mannschaft);  // one the database does not keep
        EXPECT_EQ(SpielerdatenbankImportFehler(t), QString());
        Spielertabelle db = EineZeile();
        DatenbankGeaendert = 0;
        EXPECT_EQ(SpielerdatenbankImportieren(t, alle(t), true, db), 2);
        EXPECT_EQ(DatenbankGeaendert, 1);
        ASSERT_EQ(db.zeilen(), 3);
        const SpielerZeile leer{};
        for (int r = 1; r <= 2; ++r) {
            SpielerZeile erwartet = leer;
            erwartet[0] = Z(r == 1 ? "KSC Nord" : "SKV S\xFC" "d");
            EXPECT_EQ(db.zeile(r), erwartet) << r;
        }
    }
}

TEST_F(Import, DatabaseWithoutAddReplacesButAnEmptyRangeKeepsEverything)
{
    Importtabelle t = tabelle("Neu\r\n");
    t.setKopf(0, Spaltenbedeutung::Name);
    Spielertabelle db = EineZeile();
    EXPECT_EQ(SpielerdatenbankImportieren(t, ImportZeilenbereich(QStringLiteral("3"), QStringLiteral("2"), 1), false, db), 0);
    EXPECT_EQ(std::tuple(db.zeilen(), DatenbankGeaendert), std::tuple(1, 0));
    EXPECT_EQ(SpielerdatenbankImportieren(t, alle(t), false, db), 1);
    ASSERT_EQ(db.zeilen(), 1);
    EXPECT_EQ(std::tuple(db.zeile(0)[1], DatenbankGeaendert), std::tuple(Z("Neu"), 1));
}

}  // namespace
