#include "competition/Spielertabelle.h"

#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "support/Dateien.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

// Windows-1252 bytes as the table keeps them.
const QByteArray Mueller = "M\xfcller";
const QByteArray Oesterle = "\xd6sterle";
const QByteArray Aehm = "\xc4hm";
const QByteArray Aerger = "\xe4rger";

SpielerZeile ZeileMit(std::initializer_list<std::pair<int, SpielerZelle>> zellen)
{
    SpielerZeile z;
    for (const auto& [spalte, wert] : zellen) z[std::size_t(spalte)] = wert;
    return z;
}

Spielertabelle TabelleAus(int spalte, const std::vector<SpielerZelle>& werte)
{
    Spielertabelle t;
    for (const SpielerZelle& w : werte) t.zeileAnfuegen(ZeileMit({{spalte, w}}));
    return t;
}

std::vector<SpielerZelle> Spalte(const Spielertabelle& t, int spalte)
{
    std::vector<SpielerZelle> werte;
    for (int r = 0; r < t.zeilen(); ++r) werte.push_back(t.zelle(r, spalte));
    return werte;
}

class Spielertabellen : public ::testing::Test {
protected:
    void SetUp() override
    {
        spielerdatenbankZustand.zuruecksetzen();
        wettbewerbZustand.zuruecksetzen();
        Spielerdatenbank().setZeilen({});
    }
    void TearDown() override { SetUp(); }
};

}  // namespace

// --- Sort ---------------------------------------------------------------------------------

struct SortFall {
    const char* name;
    int spalte;
    std::vector<SpielerZelle> vorher;
    std::vector<SpielerZelle> nachher;
};
std::ostream& operator<<(std::ostream& os, const SortFall& f) { return os << f.name; }

class Sortieren : public ::testing::TestWithParam<SortFall> {};

// Byte order, worked out from the Windows-1252 codes: capitals 0x41..0x5A,
// small letters 0x61..0x7A, Ä 0xC4, Ö 0xD6, ä 0xE4; an empty cell is the
// empty text and so the smallest.
INSTANTIATE_TEST_SUITE_P(
    Spielertabelle, Sortieren,
    ::testing::Values(
        SortFall{"CapitalsSmallLettersUmlauts",
                 1,
                 {QByteArray("Zeller"), QByteArray("adam"), Mueller, QByteArray("Anton"), Oesterle, QByteArray("zorro"),
                  Aerger, Aehm, QByteArray("Bauer")},
                 {QByteArray("Anton"), QByteArray("Bauer"), Mueller, QByteArray("Zeller"), QByteArray("adam"),
                  QByteArray("zorro"), Aehm, Oesterle, Aerger}},
        SortFall{"NullCellFirst",
                 0,
                 {QByteArray("b"), std::nullopt, QByteArray("a")},
                 {std::nullopt, QByteArray("a"), QByteArray("b")}},
        SortFall{"DigitsByTheirBytes",
                 2,
                 {QByteArray("9"), QByteArray("10"), QByteArray("100"), QByteArray("09")},
                 {QByteArray("09"), QByteArray("10"), QByteArray("100"), QByteArray("9")}},
        SortFall{"PrefixBeforeLongerText",
                 7,
                 {QByteArray("Bergheim"), QByteArray("Berg"), QByteArray("Ber")},
                 {QByteArray("Ber"), QByteArray("Berg"), QByteArray("Bergheim")}},
        SortFall{"OneRow", 1, {QByteArray("x")}, {QByteArray("x")}},
        SortFall{"NoRows", 1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Sortieren, SortsByBytes)
{
    Spielertabelle t = TabelleAus(GetParam().spalte, GetParam().vorher);
    StarterSortieren(t, GetParam().spalte);
    EXPECT_EQ(Spalte(t, GetParam().spalte), GetParam().nachher);
}

TEST(Spielertabelle, SortMovesWholeRowsAndPutsNullAndEmptyCellsFirst)
{
    Spielertabelle t;
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("Berta")}, {2, QByteArray("2")}}));
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("")}, {2, QByteArray("3")}}));
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("Anna")}, {2, QByteArray("1")}}));
    t.zeileAnfuegen(ZeileMit({{2, QByteArray("4")}}));
    StarterSortieren(t, 1);
    // The two empty names first (their order is the sort's), then Anna, Berta.
    EXPECT_TRUE(ZelleLeer(t.zelle(0, 1)));
    EXPECT_TRUE(ZelleLeer(t.zelle(1, 1)));
    EXPECT_EQ(t.zelle(2, 2), QByteArray("1"));
    EXPECT_EQ(t.zelle(3, 2), QByteArray("2"));
    // Null stays null and the empty text stays empty text.
    const bool leerOben = t.zelle(0, 2) == QByteArray("3");
    EXPECT_EQ(t.zelle(leerOben ? 0 : 1, 1), QByteArray(""));
    EXPECT_EQ(t.zelle(leerOben ? 1 : 0, 1), std::nullopt);

    const Spielertabelle vorher = t;
    StarterSortieren(t, SpielerSpalten);  // no such column
    StarterSortieren(t, -1);
    for (int r = 0; r < t.zeilen(); ++r) EXPECT_EQ(t.zeile(r), vorher.zeile(r));
}

TEST(Spielertabelle, LargeTablesSortInOrder)
{
    // Ascending, descending and all equal: the worst shapes for a quicksort.
    for (int form = 0; form < 3; ++form) {
        Spielertabelle t;
        for (int i = 0; i < 3000; ++i) {
            const int k = form == 0 ? i : form == 1 ? 3000 - i : 7;
            t.zeileAnfuegen(ZeileMit({{0, QByteArray::number(k).rightJustified(5, '0')}}));
        }
        StarterSortieren(t, 0);
        for (int r = 1; r < t.zeilen(); ++r) ASSERT_LE(*t.zelle(r - 1, 0), *t.zelle(r, 0)) << form << " " << r;
    }
}

TEST_F(Spielertabellen, TheFoundMarkFollowsItsRowThroughTheSort)
{
    Spielertabelle& t = Spielerdatenbank();
    for (const char* n : {"C", "A", "B"}) t.zeileAnfuegen(ZeileMit({{1, QByteArray(n)}}));
    spielerdatenbankZustand.SuchTrefferSpalte = 1;
    spielerdatenbankZustand.SuchTrefferZeile = 0;  // "C"
    StarterSortieren(1);
    EXPECT_EQ(spielerdatenbankZustand.SuchTrefferZeile, 2);
    EXPECT_EQ(t.zelle(2, 1), QByteArray("C"));
}

// --- Find ---------------------------------------------------------------------------------

struct SuchFall {
    const char* name;
    QByteArray text;
    bool teil;
    int ab;
    int zeile;
};
std::ostream& operator<<(std::ostream& os, const SuchFall& f) { return os << f.name; }

class Suchen : public ::testing::TestWithParam<SuchFall> {
protected:
    // Name column: 0 "Meier", 1 null, 2 "Hans Meier", 3 "", 4 "Meierhof", 5 "meier".
    Spielertabelle t = TabelleAus(1, {QByteArray("Meier"), std::nullopt, QByteArray("Hans Meier"), QByteArray(""),
                                      QByteArray("Meierhof"), QByteArray("meier")});
};

INSTANTIATE_TEST_SUITE_P(
    Spielertabelle, Suchen,
    ::testing::Values(SuchFall{"PieceFromTheStart", "Meier", true, 0, 0},
                      SuchFall{"PieceSkipsEmptyCells", "Meier", true, 1, 2},
                      SuchFall{"PieceInsideACell", "ans M", true, 0, 2},
                      SuchFall{"PieceAfterTheLastFind", "Meier", true, 3, 4},
                      SuchFall{"PieceIsCaseSensitive", "Meier", true, 5, -1},
                      SuchFall{"WholeCellOnly", "Meier", false, 1, -1},
                      SuchFall{"WholeCellSmallLetters", "meier", false, 0, 5},
                      SuchFall{"WholeCellFromTheStart", "Meier", false, 0, 0},
                      SuchFall{"EmptyTextFindsNothing", "", true, 0, -1},
                      SuchFall{"NegativeStartIsTheFirstRow", "Meier", false, -4, 0},
                      SuchFall{"StartBehindTheTable", "Meier", true, 6, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Suchen, FindsTheFirstMatchingRow)
{
    EXPECT_EQ(ZelleSuchen(t, 1, GetParam().text, GetParam().teil, GetParam().ab), GetParam().zeile);
}

TEST_F(Suchen, StarterSuchenComparesWholeCellsWithEmptyCellsAsOneBlank)
{
    EXPECT_EQ(StarterSuchen(t, 1, "Meierhof"), 4);
    EXPECT_EQ(StarterSuchen(t, 1, "Meie"), -1);
    EXPECT_EQ(StarterSuchen(t, 1, " "), 1);  // the null cell
    EXPECT_EQ(StarterSuchen(t, 1, ""), -1);
    EXPECT_EQ(StarterSuchen(t, 12, "Meier"), -1);
    EXPECT_EQ(ZelleSuchen(t, -1, "Meier", true, 0), -1);
}

// --- Rows and records ---------------------------------------------------------------------

TEST(Spielertabelle, RowToRecordCutsToTheFieldsAndBack)
{
    Spielertabelle t;
    t.zeileAnfuegen(ZeileMit({{0, QByteArray("KSV Gr\xfcn-Wei\xdf")},
                              {1, QByteArray(35, 'n')},
                              {2, QByteArray("1234567")},
                              {3, QByteArray("12.05.1980")},
                              {4, QByteArray("Herren A")},
                              {5, QByteArray("")},
                              {11, QByteArray("a@b.de")}}));
    auto s = std::make_unique<TSpielerEintrag>();
    s->Nation = "D";
    s->Gruppe = "alt";
    StarterZeileLesen(*s, t, 0);
    EXPECT_EQ(s->Club.bytes(), QByteArray("KSV Gr\xfcn-Wei\xdf").left(30));
    EXPECT_EQ(s->Name.bytes(), QByteArray(30, 'n'));
    EXPECT_STREQ(s->Pass.c_str(), "123456");
    EXPECT_STREQ(s->Gebdat.c_str(), "12.05.19");
    EXPECT_STREQ(s->Gruppe.c_str(), "Herren A");
    EXPECT_STREQ(s->Nation.c_str(), "");  // cleared, and the empty cell writes nothing
    EXPECT_STREQ(s->Email.c_str(), "a@b.de");

    // An empty group cell leaves the record's group (the clearing keeps it).
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("Ohne Gruppe")}}));
    StarterZeileLesen(*s, t, 1);
    EXPECT_STREQ(s->Gruppe.c_str(), "Herren A");
    EXPECT_STREQ(s->Club.c_str(), "");
    // A row outside the table only clears.
    StarterZeileLesen(*s, t, 7);
    EXPECT_STREQ(s->Name.c_str(), "");

    // Back: every field into its cell, an empty field as null.
    auto w = std::make_unique<TSpielerEintrag>();
    w->Name = "J\xfcrgen";
    w->Pass = "042";
    w->Gruppe = "Senioren";
    t.zeileAnfuegen({});
    StarterZeileSchreiben(*w, t, 2);
    EXPECT_EQ(t.zeile(2),
              ZeileMit({{1, QByteArray("J\xfcrgen")}, {2, QByteArray("042")}, {4, QByteArray("Senioren")}}));
    StarterZeileSchreiben(*w, t, 3);  // no such row: nothing
    EXPECT_EQ(t.zeilen(), 3);
}

// --- Update ---------------------------------------------------------------------------------

TEST_F(Spielertabellen, UpdateAppendsNewPassNumbersOnceInSlotOrder)
{
    auto w = std::make_unique<TWettkampfDaten>();
    auto spieler = [&](int n, const char* name, const char* pass) {
        w->Spieler[n].Name = name;
        w->Spieler[n].Pass = pass;
    };
    spieler(1, "Anton", "100");
    w->Spieler[1].Club = "KSV";
    spieler(2, "Berta", "");     // no pass number
    spieler(3, "", "200");       // no name
    spieler(4, "Carl", "100");   // the pass number of slot 1
    spieler(9, "Dora", "300");
    w->Spieler[9].Gruppe = "Damen";
    spieler(10, "Emil", "042");  // in the table already

    Spielertabelle t;
    t.zeileAnfuegen(ZeileMit({{1, QByteArray("Emil Alt")}, {2, QByteArray("042")}}));
    EXPECT_EQ(SpielerUebernehmen(t, *w), 2);
    EXPECT_EQ(DatenbankGeaendert, 1);
    ASSERT_EQ(t.zeilen(), 3);
    EXPECT_EQ(t.zeile(0), ZeileMit({{1, QByteArray("Emil Alt")}, {2, QByteArray("042")}}));
    EXPECT_EQ(t.zeile(1), ZeileMit({{0, QByteArray("KSV")}, {1, QByteArray("Anton")}, {2, QByteArray("100")}}));
    EXPECT_EQ(t.zeile(2), ZeileMit({{1, QByteArray("Dora")}, {2, QByteArray("300")}, {4, QByteArray("Damen")}}));

    // A second update finds them all and changes nothing.
    DatenbankGeaendert = 0;
    EXPECT_EQ(SpielerUebernehmen(t, *w), 0);
    EXPECT_EQ(DatenbankGeaendert, 0);
    EXPECT_EQ(t.zeilen(), 3);
}

// --- Export ---------------------------------------------------------------------------------

TEST(Spielertabelle, ExportTextHasTheHeadingsAndOneLineARow)
{
    Spielertabelle t;
    EXPECT_EQ(SpielerdatenbankText(t, "; "), QByteArray("Club; Name; Passnummer; Geburtsdatum; Gruppe; Nation; Plz; "
                                                        "Ort; Adresse; Tel; Fax; email\r\n"));

    // Club, name and pass: the three values and nine empty fields, eleven
    // separators, none after the last field.
    t.zeileAnfuegen(ZeileMit({{0, QByteArray("KSV")}, {1, Mueller}, {2, QByteArray("123456")}}));
    const QByteArray zeile = "KSV; " + Mueller + "; 123456; ; ; ; ; ; ; ; ; \r\n";
    const QByteArray text = SpielerdatenbankText(t, "; ");
    EXPECT_TRUE(text.endsWith("email\r\n" + zeile)) << text.constData();
    EXPECT_EQ(zeile.count("; "), 11);

    // An empty row is a line of separators; the last column without one behind it.
    t.zeileAnfuegen({});
    t.zeileAnfuegen(ZeileMit({{11, QByteArray("x@y.de")}, {5, QByteArray("")}}));
    const QList<QByteArray> zeilen = SpielerdatenbankText(t, "\t ").split('\n');
    ASSERT_EQ(zeilen.size(), 5);
    EXPECT_EQ(zeilen[2], QByteArray("\t \t \t \t \t \t \t \t \t \t \t \r"));
    EXPECT_EQ(zeilen[3], QByteArray("\t \t \t \t \t \t \t \t \t \t \t x@y.de\r"));
    EXPECT_EQ(zeilen[4], QByteArray());
}

struct ZielFall {
    QString datei;
    int typ;
    QString ergebnis;
    std::optional<QString> trenn;
};

TEST(Spielertabelle, ExportFileTypeGivesExtensionAndSeparator)
{
    const ZielFall faelle[] = {
        {"liste", 1, "liste.csv", QStringLiteral("; ")},
        {"liste", 2, "liste.csv", QStringLiteral(", ")},
        {"liste", 3, "liste.txt", QStringLiteral("\t ")},
        {"liste", 0, "liste.csv", QStringLiteral("; ")},
        {"liste.dat", 2, "liste.dat", std::nullopt},  // typed with an extension: the last separator
        {"/tmp/a.b/liste", 2, "/tmp/a.b/liste.csv", QStringLiteral(", ")},
    };
    for (const ZielFall& f : faelle) {
        const ExportZiel z = ExportZielBestimmen(f.datei, f.typ);
        EXPECT_EQ(z.datei, f.ergebnis) << f.datei.toStdString();
        EXPECT_EQ(z.trennzeichen, f.trenn) << f.datei.toStdString();
    }
}

TEST_F(Spielertabellen, ExportWritesTheFileOrSaysWhyNot)
{
    QTemporaryDir ordner;
    Spielerdatenbank().zeileAnfuegen(ZeileMit({{1, QByteArray("Anna")}}));
    Trennzeichen = QStringLiteral(", ");
    const QString datei = ordner.filePath(QStringLiteral("export.csv"));
    EXPECT_EQ(SpielerdatenbankExportieren(datei), QString());
    EXPECT_EQ(DateiInhalt(datei), QByteArray("Club, Name, Passnummer, Geburtsdatum, Gruppe, Nation, Plz, Ort, "
                                             "Adresse, Tel, Fax, email\r\n, Anna, , , , , , , , , , \r\n"));
    // Without a separator chosen yet: "; ".
    Trennzeichen.clear();
    EXPECT_EQ(SpielerdatenbankExportieren(datei), QString());
    EXPECT_TRUE(DateiInhalt(datei).startsWith("Club; Name;"));

    // A folder that cannot be: a file stands in its place.
    const QString versperrt = ordner.filePath(QStringLiteral("export.csv/neu.csv"));
    const QString fehler = SpielerdatenbankExportieren(versperrt);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei ")) && fehler.contains(QStringLiteral("neu.csv")))
        << fehler.toStdString();
    EXPECT_TRUE(DateiInhalt(datei).startsWith("Club; Name;"));
}

// --- The table ------------------------------------------------------------------------------

TEST(Spielertabelle, ChangesAreReportedUnlessSilenced)
{
    Spielertabelle t;
    QList<Spielertabelle::Aenderung> gemeldet;
    t.setMelder([&](Spielertabelle::Aenderung a) { gemeldet << a; });
    using A = Spielertabelle::Aenderung;
    t.zeileAnfuegen({});
    t.zeileEinfuegen(9);  // bounded: appended
    t.setZelle(1, 3, QByteArray("x"));
    t.setZelle(5, 3, QByteArray("y"));  // no such row: nothing
    t.zeilenLoeschen({7, 0, 0, -1});
    EXPECT_EQ(gemeldet, (QList<A>{A::Zeilen, A::Zeilen, A::Inhalt, A::Zeilen}));
    ASSERT_EQ(t.zeilen(), 1);
    EXPECT_EQ(t.zelle(0, 3), QByteArray("x"));

    gemeldet.clear();
    {
        const Spielertabelle::Stille still(t);
        t.zeileAnfuegen({});
    }
    t.umordnen({1, 1});  // not a permutation: ignored
    t.umordnen({0});
    EXPECT_EQ(t.zeilen(), 2);
    EXPECT_EQ(t.zelle(0, 3), QByteArray("x"));
    EXPECT_TRUE(gemeldet.isEmpty());
    t.umordnen({1, 0});
    EXPECT_EQ(t.zelle(1, 3), QByteArray("x"));
    EXPECT_EQ(gemeldet, QList<A>{A::Zeilen});
}

// The printed list walks the rows: the fields of each in column order (an
// empty cell as one blank), percent DruckZeile * 100 div rows, the last
// row flagged; an empty table ends at once.
TEST(Spielertabelle, PrintedListWalksTheRowsWithPercentAndLastFlag)
{
    Spielertabelle t;
    for (const char* name : {"Adam", "Berta", "Carl", "Dora"}) {
        SpielerZeile z;
        z[SpalteName] = QByteArray(name);
        z[SpalteClub] = QByteArray("KSC");
        z[11] = QByteArray();  // empty, not null
        t.zeileAnfuegen(z);
    }
    Listendruck druck;
    QList<int> prozente;
    QList<bool> letzte;
    QStringList namen;
    for (int i = 0; i < 4; ++i) {
        int p = -1;
        bool l = true;
        const QList<Listenfeld> f = druck.naechste(t, &p, &l);
        ASSERT_EQ(f.size(), 12);
        namen << f[1].wert;
        prozente << p;
        letzte << l;
        EXPECT_EQ(f[0], (Listenfeld{"Spieler.Club", "KSC"}));
        EXPECT_EQ(f[2], (Listenfeld{"Spieler.Pass", " "}));
        EXPECT_EQ(f[11], (Listenfeld{"Spieler.Email", " "}));
    }
    EXPECT_EQ(namen, QStringList({"Adam", "Berta", "Carl", "Dora"}));
    EXPECT_EQ(prozente, QList<int>({0, 25, 50, 75}));
    EXPECT_EQ(letzte, QList<bool>({false, false, false, true}));

    const QList<Listenfeld> beispiel = SpielerlisteFelder(t, -1);
    QStringList feldnamen;
    for (const Listenfeld& f : beispiel) feldnamen << f.name;
    EXPECT_EQ(feldnamen, QStringList({"Spieler.Club", "Spieler.Name", "Spieler.Pass", "Spieler.Gebdat",
                                      "Spieler.Gruppe", "Spieler.Nation", "Spieler.Plz", "Spieler.Ort",
                                      "Spieler.Adresse", "Spieler.Tel", "Spieler.Fax", "Spieler.Email"}));
    EXPECT_FALSE(beispiel[1].wert.trimmed().isEmpty());

    Spielertabelle leer;
    Listendruck nichts;
    bool l = false;
    int p = -1;
    nichts.naechste(leer, &p, &l);
    EXPECT_TRUE(l);
    EXPECT_EQ(p, 100);
}
