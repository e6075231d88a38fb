#include "competition/Spieleliste.h"

#include "support/Dateien.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <cstring>
#include <ostream>

namespace {

class Spieleliste : public ::testing::Test {
protected:
    void SetUp() override { ordner = tmp.path(); ASSERT_TRUE(tmp.isValid()); }
    void schreiben(const QString& name, const QByteArray& inhalt) { ASSERT_TRUE(DateiAblegen(ordner, name, inhalt)); }
    QByteArray inhalt(const QString& name) const { return DateiInhalt(QDir(ordner).filePath(name)); }
    // The entries a, b, ... with the files "A", "B", ...
    QStringList anlegen(int n)
    {
        QStringList liste;
        for (int k = 0; k < n; ++k) {
            liste << QString(QChar('a' + k));
            schreiben(QStringLiteral("Spiel%1.dat").arg(k), QByteArray(1, char('A' + k)));
        }
        EXPECT_TRUE(SpielelisteSchreiben(ordner, liste, nullptr));
        return liste;
    }
    // The contents of Spiel0.dat .. Spiel<n-1>.dat in a row.
    QByteArray dateien(int n) const
    {
        QByteArray d;
        for (int k = 0; k < n; ++k) d += inhalt(QStringLiteral("Spiel%1.dat").arg(k));
        return d;
    }
    // A folder where a file is expected: neither removed nor replaced.
    void blockieren(const QString& name) { ASSERT_TRUE(QDir(ordner).mkpath(name + QStringLiteral("/x"))); }

    QTemporaryDir tmp;
    QString ordner;
    QString fehler;
};

// The new entry's file holds "n".
const QStringList NeueZeilen = {QStringLiteral("n")};

TEST_F(Spieleliste, InsertGoesBehindTheSelectionAndMovesTheFilesBehindIt)
{
    const struct {
        int anzahl, auswahl, k;
        const char* liste;
        const char* dateien;  // Spiel0.dat.. in order: "n" the new file
    } faelle[] = {
        {0, -1, 0, "neu", "n"},
        {3, 0, 1, "a,neu,b,c", "AnBC"},
        {3, 2, 3, "a,b,c,neu", "ABCn"},  // the last one selected: appended
        {3, -1, 3, "a,b,c,neu", "ABCn"},
    };
    for (const auto& f : faelle) {
        QTemporaryDir t;
        ordner = t.path();
        QStringList liste = anlegen(f.anzahl);
        // A file left beyond the list (after "delete all") is no obstacle.
        schreiben(QStringLiteral("Spiel%1.dat").arg(f.anzahl), "x");
        EXPECT_EQ(SpieleintragEinfuegen(ordner, liste, f.auswahl, QStringLiteral("neu"), NeueZeilen, &fehler), f.k)
            << f.auswahl;
        EXPECT_EQ(liste.join(','), QString::fromLatin1(f.liste));
        EXPECT_EQ(dateien(int(strlen(f.dateien))), QByteArray(f.dateien).replace("n", "n\r\n")) << f.auswahl;
        EXPECT_EQ(SpielelisteLesen(ordner), liste);
    }
}

TEST_F(Spieleliste, AFullListTakesNoMore)
{
    QStringList liste;
    for (int k = 0; k < 256; ++k) liste << QString::number(k);
    EXPECT_EQ(SpieleintragEinfuegen(ordner, liste, 0, QStringLiteral("neu"), NeueZeilen, &fehler), -1);
    EXPECT_TRUE(liste.size() == 256 && fehler.contains(QStringLiteral("256")));
    liste.removeLast();
    EXPECT_EQ(SpieleintragEinfuegen(ordner, liste, -1, QStringLiteral("neu"), NeueZeilen, &fehler), 255);
}

TEST_F(Spieleliste, DeleteRenumbersRenameKeepsAndDeleteAllLeavesTheFiles)
{
    QStringList liste = anlegen(4);
    ASSERT_TRUE(SpieleintragLoeschen(ordner, liste, 1, &fehler));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")), QByteArray("a\r\nc\r\nd\r\n"));
    EXPECT_EQ(dateien(4), QByteArray("ACD<fehlt>"));

    ASSERT_TRUE(SpieleintragUmbenennen(ordner, liste, 2, QStringLiteral("Dörfel"), &fehler));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")) + dateien(3), QByteArray("a\r\nc\r\nD\xF6rfel\r\nACD"));

    ASSERT_TRUE(SpieleintraegeAlleLoeschen(ordner, liste, &fehler));
    EXPECT_TRUE(liste.isEmpty());
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")) + dateien(1), QByteArray("A"));
    // The next save takes entry file 0 again.
    EXPECT_EQ(SpieleintragEinfuegen(ordner, liste, -1, QStringLiteral("neu"), NeueZeilen, &fehler), 0);
}

TEST_F(Spieleliste, SortIsByteOrderAndTheFilesFollowTheirNames)
{
    QStringList liste = {QStringLiteral("b"), QStringLiteral("Ärger"), QStringLiteral("a"), QStringLiteral("C")};
    SpielelisteSchreiben(ordner, liste, nullptr);
    for (int k = 0; k < 4; ++k) schreiben(QStringLiteral("Spiel%1.dat").arg(k), liste[k].toUtf8());
    // Left over from a sort that broke off, maybe the only copy of a match:
    // it neither blocks nor is lost, and the operator is told where it went.
    schreiben(QStringLiteral("Spielbak1.dat"), "alt");
    schreiben(QStringLiteral("Spielbak1-gerettet.dat"), "noch älter");
    QString hinweis;
    ASSERT_TRUE(SpielelisteSortieren(ordner, liste, &fehler, &hinweis)) << fehler.toStdString();
    EXPECT_EQ(liste.join(','), QStringLiteral("C,a,b,Ärger"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")) + dateien(4), QByteArray("C\r\na\r\nb\r\n\xC4rger\r\nCabÄrger"));
    EXPECT_EQ(QDir(ordner).entryList({QStringLiteral("Spielbak*")}, QDir::Files, QDir::Name),
              QStringList({QStringLiteral("Spielbak1-gerettet.dat"), QStringLiteral("Spielbak1-gerettet2.dat")}));
    EXPECT_EQ(inhalt(QStringLiteral("Spielbak1-gerettet2.dat")) + inhalt(QStringLiteral("Spielbak1-gerettet.dat")),
              QByteArray("altnoch älter"));
    EXPECT_TRUE(hinweis.contains(QStringLiteral("„Spielbak1.dat“ ist jetzt „Spielbak1-gerettet2.dat“.")))
        << hinweis.toStdString();

    // Nothing left over: no notice.
    ASSERT_TRUE(SpielelisteSortieren(ordner, liste, &fehler, &hinweis));
    EXPECT_TRUE(hinweis.isEmpty());
}

TEST_F(Spieleliste, SortTakesListsLongerThan256)
{
    QStringList liste;
    for (int k = 0; k < 300; ++k) {
        liste << QStringLiteral("n%1").arg(299 - k, 3, 10, QLatin1Char('0'));
        schreiben(QStringLiteral("Spiel%1.dat").arg(k), liste.last().toLatin1());
    }
    ASSERT_TRUE(SpielelisteSortieren(ordner, liste, &fehler));
    const QStringList gelesen = SpielelisteLesen(ordner);
    ASSERT_EQ(gelesen.size(), 300);
    for (int k : {0, 255, 256, 299}) {
        const QString name = QStringLiteral("n%1").arg(k, 3, 10, QLatin1Char('0'));
        EXPECT_EQ(std::pair(gelesen[k], inhalt(QStringLiteral("Spiel%1.dat").arg(k))), std::pair(name, name.toLatin1()));
    }
}

TEST_F(Spieleliste, AFailedRenameStopsReportsAndTakesBackWhatWasDone)
{
    anlegen(3);
    QStringList liste = {QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")};
    SpielelisteSchreiben(ordner, liste, nullptr);
    blockieren(QStringLiteral("Spielbak1.dat"));  // after Spiel0.dat has moved
    EXPECT_FALSE(SpielelisteSortieren(ordner, liste, &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("„Spiel1.dat“ konnte nicht in „Spielbak1.dat“ umbenannt werden")))
        << fehler.toStdString();
    EXPECT_EQ(liste.join(','), QStringLiteral("c,b,a"));
    EXPECT_EQ(inhalt(QStringLiteral("Spiele.inf")) + dateien(3), QByteArray("c\r\nb\r\na\r\nABC"));

    fehler.clear();
    blockieren(QStringLiteral("Spiel3.dat"));
    EXPECT_EQ(SpieleintragEinfuegen(ordner, liste, 0, QStringLiteral("neu"), NeueZeilen, &fehler), -1);
    EXPECT_TRUE(fehler.contains(QStringLiteral("„Spiel2.dat“ konnte nicht in „Spiel3.dat“")));
    EXPECT_EQ(std::pair(liste.size(), dateien(3)), std::pair(qsizetype(3), QByteArray("ABC")));
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files).size(), 4);  // no new file or temporary file left
}

TEST_F(Spieleliste, AFailedListWriteIsReportedAndChangesNothing)
{
    anlegen(2);
    QStringList liste = {QStringLiteral("b"), QStringLiteral("a")};  // the sort has something to move
    QFile::remove(QDir(ordner).filePath(QStringLiteral("Spiele.inf")));
    blockieren(QStringLiteral("Spiele.inf"));
    const struct {
        const char* was;
        std::function<bool()> tun;
    } faelle[] = {
        {"loeschen", [&] { return SpieleintragLoeschen(ordner, liste, 0, &fehler); }},
        {"umbenennen", [&] { return SpieleintragUmbenennen(ordner, liste, 0, QStringLiteral("x"), &fehler); }},
        {"alle", [&] { return SpieleintraegeAlleLoeschen(ordner, liste, &fehler); }},
        {"sortieren", [&] { return SpielelisteSortieren(ordner, liste, &fehler); }},
        // The new file is written and the files behind it have moved: all are put back.
        {"einfuegen", [&] { return SpieleintragEinfuegen(ordner, liste, 0, QStringLiteral("neu"), NeueZeilen, &fehler) >= 0; }},
    };
    for (const auto& f : faelle) {
        fehler.clear();
        const QStringList vorher = liste;
        EXPECT_FALSE(f.tun()) << f.was;
        EXPECT_TRUE(fehler.contains(QStringLiteral("konnte nicht gespeichert werden"))) << f.was;
        EXPECT_EQ(liste, vorher) << f.was;
        EXPECT_EQ(dateien(3), QByteArray("AB<fehlt>")) << f.was;
    }
}

}  // namespace
