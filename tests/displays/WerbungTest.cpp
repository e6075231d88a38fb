#include "displays/Werbung.h"

#include "core/SettingsFile.h"
#include "support/Dateien.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An empty data folder of its own, with the pictures a.jpg and b.avi.
class Werbedateien : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        m_alt = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        ASSERT_TRUE(DateiAblegen(ordner.path(), "a.jpg", "") && DateiAblegen(ordner.path(), "b.avi", ""));
    }
    void TearDown() override { Datenverzeichnis = m_alt; }

    QByteArray pfad(const char* name) const { return QDir(ordner.path()).filePath(name).toUtf8(); }
    QByteArray inhalt(const char* name) const { return DateiInhalt(QDir(ordner.path()).filePath(name)); }
    // The configuration files 0..n-1, "-" where one is missing.
    QByteArray konfigurationen(int n) const
    {
        QByteArray r;
        for (int k = 0; k < n; ++k) {
            const QByteArray d = inhalt(QByteArray("Grossanz" + QByteArray::number(k) + ".dat").constData());
            r += d == "<fehlt>" ? QByteArray("-") : d;
        }
        return r;
    }

    QTemporaryDir ordner;

private:
    QString m_alt;
};

TEST_F(Werbedateien, TheThreeFileKindsComeBackByteForByte)
{
    const QByteArray namen = "Pause\r\nSpieltag \xe4\r\n";
    const QByteArray konfig = "Logo;" + pfad("a.jpg") + ";12;0;15\r\nFilm;" + pfad("b.avi") + ";64;30;0\r\n";
    // A(0) B(1) C(2) D(1) E(1) F(0): E stays below A.
    const QByteArray auswahl = "Verzeichnis;0;A\r\nVerzeichnis;1;B\r\nDatei;2;C;" + pfad("a.jpg") +
                               ";4;0;0\r\nDatei;1;D;" + pfad("b.avi") +
                               ";8;5;6\r\nVerzeichnis;1;E\r\nDatei;0;F;" + pfad("a.jpg") + ";1;0;0\r\n";
    ASSERT_TRUE(DateiAblegen(ordner.path(), "Grossanz.inf", namen) &&
                DateiAblegen(ordner.path(), "Grossanz3.dat", konfig) &&
                DateiAblegen(ordner.path(), "Auswahl_Grossanz.dat", auswahl));

    const QStringList n = WerbekonfigurationenLesen("Grossanz");
    EXPECT_EQ(n, QStringList({"Pause", QString::fromUtf8("Spieltag ä")}));
    const std::vector<Werbezeile> z = WerbekonfigurationLaden("Grossanz", 3);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[1].Bezeichnung, "Film");
    EXPECT_EQ(z[1].eintrag, (TWerbeeintrag{QString::fromUtf8(pfad("b.avi")), 64, 30, 0}));
    const std::vector<Auswahlknoten> baum = AuswahlLaden("Grossanz");
    ASSERT_EQ(baum.size(), 2u);
    ASSERT_EQ(baum[0].kinder.size(), 3u);
    EXPECT_EQ(baum[0].kinder[2].Text, "E");
    EXPECT_EQ(baum[0].kinder[0].kinder[0].eintrag->Maske, 4);

    for (const char* name : {"Grossanz.inf", "Grossanz3.dat", "Auswahl_Grossanz.dat"})
        ASSERT_TRUE(QFile::remove(QDir(ordner.path()).filePath(name)));
    QString fehler;
    ASSERT_TRUE(WerbekonfigurationenSchreiben("Grossanz", n, &fehler) &&
                WerbekonfigurationSpeichern("Grossanz", 3, z, &fehler) && AuswahlSpeichern("Grossanz", baum, &fehler))
        << fehler.toStdString();
    EXPECT_EQ(inhalt("Grossanz.inf"), namen);
    EXPECT_EQ(inhalt("Grossanz3.dat"), konfig);
    EXPECT_EQ(inhalt("Auswahl_Grossanz.dat"), auswahl);
}

TEST_F(Werbedateien, MissingFilesShowAsSuchAndAreDropped)
{
    ASSERT_TRUE(DateiAblegen(ordner.path(), "Grossanz0.dat", "Weg;/nirgends/x.jpg;4;0;0\r\nLogo;" + pfad("a.jpg") +
                                                                 ";4;0;0\r\n"));
    ASSERT_TRUE(DateiAblegen(ordner.path(), "Auswahl_Grossanz.dat",
                             "Verzeichnis;0;A\r\nDatei;2;Weg;/nirgends/x.jpg;4;0;0\r\nDatei;2;C;" + pfad("a.jpg") +
                                 ";4;0;0\r\nVerzeichnis;1;D\r\nVerzeichnis;0;E\r\n"));
    const std::vector<Werbezeile> z = WerbekonfigurationLaden("Grossanz", 0);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].Bezeichnung, "Datei nicht vorhanden");
    EXPECT_FALSE(z[0].eintrag);
    ASSERT_TRUE(WerbekonfigurationSpeichern("Grossanz", 0, z, nullptr));
    EXPECT_EQ(inhalt("Grossanz0.dat"), "Logo;" + pfad("a.jpg") + ";4;0;0\r\n");

    // Level 2 right after level 0 is a child; the level-1 folder after it its sibling.
    const std::vector<Auswahlknoten> baum = AuswahlLaden("Grossanz");
    ASSERT_EQ(baum.size(), 2u);
    ASSERT_EQ(baum[0].kinder.size(), 2u);
    EXPECT_EQ(baum[0].kinder[0].Text, "C");
    EXPECT_EQ(baum[0].kinder[1].Text, "D");
    EXPECT_TRUE(baum[0].kinder[0].kinder.empty());
    EXPECT_TRUE(AuswahlLaden("Namenanz").empty());
}

TEST_F(Werbedateien, NumbersAreReadLeniently)
{
    const struct {
        const char* zeile;
        u16 maske;
        i32 zeit, abstand;
    } faelle[] = {
        {"x;f;4;10;20", 4, 10, 20}, {"x;f;abc;-5;99999999999", 0, 0, 0}, {"x;f;70000;2147483647;2147483648", 0, 2147483647, 0},
        {"x;f;12", 12, 0, 0},       {"x;f; 8 ;1e3;", 8, 0, 0},
    };
    for (const auto& f : faelle) {
        const auto z = WerbezeileLesen(f.zeile);
        ASSERT_TRUE(z) << f.zeile;
        EXPECT_EQ(z->second, (TWerbeeintrag{"f", f.maske, f.zeit, f.abstand})) << f.zeile;
    }
    EXPECT_FALSE(WerbezeileLesen("nur Text"));
}

TEST_F(Werbedateien, LongLinesAndWindowsPathsAreReadWhole)
{
    QString tief = ordner.path();
    for (int i = 0; i < 4; ++i) tief += "/" + QString(80, QChar('a' + i));
    ASSERT_TRUE(QDir().mkpath(tief) && DateiAblegen(tief, "bild.jpg", ""));
    const QString datei = tief + "/bild.jpg";
    ASSERT_GT(datei.size(), 300);
    ASSERT_TRUE(DateiAblegen(ordner.path(), "Grossanz1.dat", "Lang;" + datei.toUtf8() + ";4;0;0\r\n"));
    const std::vector<Werbezeile> z = WerbekonfigurationLaden("Grossanz", 1);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].eintrag->Datei, datei);

    const QString windows = "C:" + QString(datei).replace('/', '\\');
    EXPECT_EQ(WerbedateiPfad(windows), datei);
    EXPECT_TRUE(WerbedateiVorhanden(windows));
    EXPECT_EQ(WerbedateiPfad("C:\\fehlt.jpg"), "C:\\fehlt.jpg");
}

TEST_F(Werbedateien, InsertRenumbersTheLaterFilesUpward)
{
    QStringList namen = {"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(DateiAblegen(ordner.path(), QString("Grossanz%1.dat").arg(k), QByteArray(1, char('0' + k))));
    QString fehler;
    EXPECT_EQ(WerbekonfigurationEinfuegen("Grossanz", namen, 1, "N", &fehler), 2);
    EXPECT_EQ(namen, QStringList({"A", "B", "N", "C", "D"}));
    EXPECT_EQ(konfigurationen(5), "01-23");
    EXPECT_EQ(WerbekonfigurationEinfuegen("Grossanz", namen, -1, "V", &fehler), 0);
    EXPECT_EQ(konfigurationen(6), "-01-23");
    EXPECT_EQ(WerbekonfigurationEinfuegen("Grossanz", namen, 5, "Z", &fehler), 6);
    EXPECT_EQ(WerbekonfigurationEinfuegen("Grossanz", namen, 0, "C", &fehler), -1);
    EXPECT_EQ(fehler, "Der Eintrag ist bereits vorhanden !");
    EXPECT_EQ(namen, QStringList({"V", "A", "B", "N", "C", "D", "Z"}));
    QStringList leer;
    EXPECT_EQ(WerbekonfigurationEinfuegen("Grossanz", leer, -1, "", &fehler), 0);
}

TEST_F(Werbedateien, DeleteRenumbersDownwardAndWritesTheNames)
{
    QStringList namen = {"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k)
        ASSERT_TRUE(DateiAblegen(ordner.path(), QString("Grossanz%1.dat").arg(k), QByteArray(1, char('0' + k))));
    // The names cannot be written: nothing changes.
    ASSERT_TRUE(QDir(ordner.path()).mkdir("Grossanz.inf"));
    QString fehler;
    EXPECT_FALSE(WerbekonfigurationLoeschen("Grossanz", namen, 1, &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_EQ(konfigurationen(4), "0123");
    EXPECT_EQ(namen.size(), 4);

    ASSERT_TRUE(QDir(ordner.path()).rmdir("Grossanz.inf"));
    ASSERT_TRUE(WerbekonfigurationLoeschen("Grossanz", namen, 1, &fehler)) << fehler.toStdString();
    EXPECT_EQ(konfigurationen(4), "023-");
    EXPECT_EQ(inhalt("Grossanz.inf"), "A\r\nC\r\nD\r\n");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 6);  // nothing put aside is left

    // A number whose file is missing is skipped.
    ASSERT_TRUE(QFile::remove(QDir(ordner.path()).filePath("Grossanz1.dat")));
    ASSERT_TRUE(WerbekonfigurationLoeschen("Grossanz", namen, 0, &fehler));
    EXPECT_EQ(konfigurationen(3), "-3-");
    EXPECT_FALSE(WerbekonfigurationLoeschen("Grossanz", namen, 2, &fehler));
}

}  // namespace
