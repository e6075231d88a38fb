// The listing lines of the FTP browser and its folder paths.

#include "report/netz/Ftpliste.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

struct Zeilenfall {
    const char* zeile;
    const char* name;
    bool ordner;
};

class FtpZeile : public ::testing::TestWithParam<Zeilenfall> {};

TEST_P(FtpZeile, NameAndKind)
{
    const Zeilenfall& f = GetParam();
    const Ftpeintrag e = FtpZeileLesen(QString::fromUtf8(f.zeile));
    EXPECT_EQ(e.name, QString::fromUtf8(f.name)) << f.zeile;
    EXPECT_EQ(e.ordner, f.ordner) << f.zeile;
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, FtpZeile,
    ::testing::Values(
        // Unix
        Zeilenfall{"drwxr-xr-x   2 ftp      ftp          4096 Jan 05 12:00 liga", "liga", true},
        Zeilenfall{"drwxr-xr-x   2 ftp      ftp          4096 Jan 05 12:00 .", ".", true},
        Zeilenfall{"drwxr-xr-x   9 ftp      ftp          4096 Dec 31  2023 ..", "..", true},
        Zeilenfall{"-rw-r--r--   1 ftp      ftp           812 Mar 17 09:41 Spiel am Sonntag.csv",
                   "Spiel am Sonntag.csv", false},
        // Blanks inside the name and at its end survive; only the one separator goes.
        Zeilenfall{"-rw-r--r--   1 owner    group          12 Nov  3  2022 a  b ", "a  b ", false},
        // A date-like name does not confuse the date search.
        Zeilenfall{"-rw-r--r--   1 ftp      ftp            99 Feb 28 23:59 Jan 01 2024.txt", "Jan 01 2024.txt",
                   false},
        Zeilenfall{"lrwxrwxrwx   1 ftp      ftp            11 Jul 04 08:00 aktuell -> Update.csv", "aktuell", false},
        // " -> " in a link's name or target: the link's size is its target's length in bytes.
        Zeilenfall{"lrwxrwxrwx 1 root root 4 Dec  8 14:07 x -> -> ziel", "x ->", false},
        Zeilenfall{"lrwxrwxrwx 1 root root 7 Dec  8 14:07 x -> -> ziel", "x", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 6 2024-01-31 12:00 a -> b -> c", "a", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 1 2024-01-31 12:00 a -> b -> c", "a -> b", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 8 Jan 05 12:00 ä -> ö -> ü", "ä", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 2 Jan 05 12:00 ä -> ö -> ü", "ä -> ö", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 9 Jan 05 12:00 ä -> ö -> ü -> ß -> €", "ä -> ö -> ü", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 9 Jan 05 12:00 ä -> -> ö -> €", "ä ->", false},
        // Without a size that tells: up to the last " -> ".
        Zeilenfall{"lrwxrwxrwx 1 u g 99 Jan 05 12:00 x -> -> ziel", "x ->", false},
        Zeilenfall{"lrwxrwxrwx 1 u g 4 Jän. 5 12:00 x -> -> ziel", "x ->", false},
        Zeilenfall{"-rw-r--r--   1 ftp      ftp           812 Mar 17 09:41 index.html\r\n", "index.html", false},
        // No owner or group column: still the text after the date.
        Zeilenfall{"drwxr-xr-x 1 4096 Apr 01 10:10 neue Saison", "neue Saison", true},
        // A month the search does not know: after the eighth field.
        Zeilenfall{"-rw-r--r-- 1 ftp ftp 5 Jän. 5 12:00 x y", "x y", false},
        // ISO dates, with the time in minutes or in full with its zone.
        Zeilenfall{"-rw-r--r-- 1 u g 5 2024-01-31 12:00 mein Bericht.csv", "mein Bericht.csv", false},
        Zeilenfall{"drwxr-xr-x 2 u g 4096 2024-01-31 12:00:07.123456789 +0100 alte Saison", "alte Saison", true},
        Zeilenfall{"-rw-r--r-- 1 u g 5 2023-12-24 18:30  zwei Blanks", " zwei Blanks", false},
        // DOS
        Zeilenfall{"01-31-24  09:15PM       <DIR>          Saison 2024", "Saison 2024", true},
        Zeilenfall{"12-01-2023  10:00AM                 1234 Update.js", "Update.js", false},
        // No entry
        Zeilenfall{"total 12", "", false}, Zeilenfall{"", "", false}, Zeilenfall{"   \r\n", "", false},
        // Anything else: its last word, a folder by its first letter.
        Zeilenfall{"dir oben", "oben", true}, Zeilenfall{"Datei", "Datei", false}));

// Every form of Unix line on every kind of day: with and without the owner
// and group columns, month names with the day padded by a blank or a zero,
// ISO dates; names with blanks, one of them looking like a date itself.
TEST(FtpZeilenformen, EveryDayOfTheMonthInEveryForm)
{
    struct Form {
        const char* muster;  // %1 the day, %2 the name
        QChar fuellung;      // pads the day to two places
        bool ordner;
    };
    const Form formen[] = {
        {"drwxr-xr-x   2 ftp      ftp          4096 Jan %1 12:00 %2", u' ', true},
        {"-rw-r--r--   1 ftp      ftp           812 Dec %1  2023 %2", u' ', false},
        {"-rw-r--r-- 1 kegeln 812 Mar %1 09:41 %2", u'0', false},
        {"drwxr-xr-x 1 4096 Oct %1 10:10 %2", u' ', true},
        {"-rw-r--r-- 1 812 Jul %1 2024 %2", u'0', false},
        {"-rw-r--r-- 1 u g 5 2024-01-%1 12:00 %2", u'0', false},
        {"-rw-r--r-- 1 5 2024-08-%1 23:59 %2", u'0', false},
        {"drwxr-xr-x 2 4096 2024-05-%1 12:00:07.123456789 +0100 %2", u'0', true},
    };
    const char* const namen[] = {"Liga", "neue Saison", "Spiel am 31. Januar.csv", "Jan 31 2024 Bericht.csv"};
    for (const Form& form : formen)
        for (const int tag : {1, 9, 10, 30, 31})
            for (const char* name : namen) {
                const QString zeile = QString::fromUtf8(form.muster)
                                          .arg(tag, 2, 10, form.fuellung)
                                          .arg(QString::fromUtf8(name));
                const Ftpeintrag e = FtpZeileLesen(zeile);
                EXPECT_EQ(e.name, QString::fromUtf8(name)) << zeile.toStdString();
                EXPECT_EQ(e.ordner, form.ordner) << zeile.toStdString();
                EXPECT_EQ(FtpListeLesen({zeile}).size(), 1) << zeile.toStdString();
            }
}

TEST(FtpListe, FoldersFirstTreeWithoutDots)
{
    const QStringList zeilen = {
        QStringLiteral("total 20"),
        QStringLiteral("-rw-r--r-- 1 ftp ftp 10 Jan 05 12:00 b.csv"),
        QStringLiteral("drwxr-xr-x 2 ftp ftp 4096 Jan 05 12:00 ."),
        QStringLiteral("drwxr-xr-x 2 ftp ftp 4096 Jan 05 12:00 .."),
        QStringLiteral("-rw-r--r-- 1 ftp ftp 10 Jan 05 12:00 a b.csv"),
        QStringLiteral("drwxr-xr-x 2 ftp ftp 4096 Jan 05 12:00 Saison 2024"),
        QStringLiteral("drwxr-xr-x 2 ftp ftp 4096 Jan 05 12:00 bilder."),
    };
    const QList<Ftpeintrag> erwartet = {{".", true},        {"..", true},      {"Saison 2024", true},
                                        {"bilder.", true},  {"b.csv", false},  {"a b.csv", false}};
    EXPECT_EQ(FtpListeLesen(zeilen), erwartet);
    EXPECT_EQ(FtpBaumordner(zeilen), QStringList({"Saison 2024", "bilder."}));
}

// A server's name as a local file name stays inside the folder it is put in.
TEST(FtpLokal, NameStaysInTheFolder)
{
    const std::pair<QString, QString> faelle[] = {
        {"Update.csv", "Update.csv"}, {"../../boese.txt", ".._.._boese.txt"}, {"a\\b", "a_b"},
        {"..", "_"},                  {".", "_"},                           {"", "_"},
        {"..x", "..x"}};
    for (const auto& [name, lokal] : faelle) EXPECT_EQ(FtpLokalerName(name), lokal) << name.toStdString();
}

// The local path of a listed name is the chosen folder and a plain file in
// it: a name that starts with ":" is not a resource, nor one with "/" a path.
TEST(FtpLokal, PathIsAPlainFileInTheFolder)
{
    const std::tuple<QString, QString, QString> faelle[] = {
        {"/daten", ":Update.js", "/daten/:Update.js"},
        {"/daten/", ":/icons/a.png", "/daten/:_icons_a.png"},
        {"/daten", "qrc:x.js", "/daten/qrc:x.js"},
        {"/daten", "../x", "/daten/.._x"},
        {"/", ":a", "/:a"},
    };
    for (const auto& [ordner, name, pfad] : faelle)
        EXPECT_EQ(FtpLokalerPfad(ordner, name), pfad) << name.toStdString();
}

TEST(FtpPfad, PartsParentAndChild)
{
    EXPECT_EQ(FtpPfadTeile(QStringLiteral("/web\\liga//2024/")), QStringList({"web", "liga", "2024"}));
    EXPECT_TRUE(FtpPfadTeile(QString()).isEmpty());
    EXPECT_TRUE(FtpPfadTeile(QStringLiteral("/")).isEmpty());

    // "." and ".." both lead one level up; at the root they stay there.
    EXPECT_EQ(FtpElternpfad({"web", "liga"}), QStringList({"web"}));
    EXPECT_EQ(FtpElternpfad(FtpPfadTeile(QStringLiteral("/web\\liga/"))), QStringList({"web"}));
    EXPECT_EQ(FtpElternpfad({"web"}), QStringList());
    EXPECT_EQ(FtpElternpfad({}), QStringList());

    EXPECT_EQ(FtpUnterpfad({"web", "liga"}, QStringLiteral("Saison 2024")), QStringList({"web", "liga", "Saison 2024"}));
    EXPECT_EQ(FtpUnterpfad({}, QStringLiteral("web")), QStringList({"web"}));
    EXPECT_EQ(FtpUnterpfad(FtpPfadTeile(QStringLiteral("\\web\\")), QStringLiteral("x")), QStringList({"web", "x"}));
    // A listed name is one name: its "\\" or "/" divides nothing.
    EXPECT_EQ(FtpUnterpfad({"web"}, QStringLiteral("a\\b")), QStringList({"web", "a\\b"}));
    EXPECT_EQ(FtpElternpfad(FtpUnterpfad({"web"}, QStringLiteral("a/b"))), QStringList({"web"}));
}

}  // namespace
