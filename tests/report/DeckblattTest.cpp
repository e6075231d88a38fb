// The cover list and its text files in a data folder of their own: the
// numbers of the files after insert and delete, the list saved at once, the
// cover numbers of the settings and the open matches following along.

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "report/deckblatt/Deckblatt.h"
#include "support/Dateien.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <tuple>

namespace {

class Deckblaetter : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        deckblattZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ASSERT_TRUE(QDir().mkpath(Datenverzeichnis));
    }
    void TearDown() override
    {
        deckblattZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    // "kein Deckblatt" and covers 1..5 named A..E with the texts "T1".."T5".
    void fuenfDeckblaetter()
    {
        ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt.inf", "kein Deckblatt\r\nA\r\nB\r\nC\r\nD\r\nE\r\n"));
        for (int k = 1; k <= 5; ++k)
            ASSERT_TRUE(
                DateiAblegen(Datenverzeichnis, QStringLiteral("Deckblatt%1.txt").arg(k), "T" + QByteArray::number(k)));
    }

    // The texts of files 1..7, "-" where there is none.
    QByteArrayList texte() const
    {
        QByteArrayList t;
        for (int k = 1; k <= 7; ++k) {
            const QByteArray b = DateiInhalt(QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt%1.txt").arg(k)));
            t << (b == "<fehlt>" ? QByteArray("-") : b);
        }
        return t;
    }
    QByteArray liste() const { return DateiInhalt(QDir(Datenverzeichnis).filePath("Deckblatt.inf")); }
    QStringList einstellungen() const { return TextdateiLesen(InfDatei).value_or(QStringList()); }

    // Slot 2 holds a match, slot 4 is free but keeps old numbers.
    TWettkampfDaten& spielBelegen(u8 fax, u8 email)
    {
        WettkampfBelegt[2] = 1;
        Wettkaempfe[2].FaxDeckblatt = fax;
        Wettkaempfe[2].EmailDeckblatt = email;
        Wettkaempfe[4].FaxDeckblatt = 3;
        return Wettkaempfe[2];
    }
};

TEST_F(Deckblaetter, InsertAfterCoverTwoOfFiveMovesThreeToFiveUp)
{
    fuenfDeckblaetter();
    Einst.FaxDeckblatt = 3;
    Einst.EmailDeckblatt = 2;
    TWettkampfDaten& w = spielBelegen(5, 255);

    EXPECT_EQ(DeckblattEinfuegen(2, QStringLiteral("Grüße")), 3);

    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T2", "-", "T3", "T4", "T5", "-"}));
    EXPECT_EQ(liste(), QByteArray("kein Deckblatt\r\nA\r\nB\r\nGr\xfc\xdf" "e\r\nC\r\nD\r\nE\r\n"));
    EXPECT_EQ(DeckblattNamen().value(3), QStringLiteral("Grüße"));
    EXPECT_EQ(deckblattZustand.LetzteNummer, 3);
    // Cover C was 3 and is 4 now; B stays 2; E was 5 and is 6; 255 is no cover.
    EXPECT_EQ(std::tuple(Einst.FaxDeckblatt, Einst.EmailDeckblatt), std::tuple(u8(4), u8(2)));
    EXPECT_TRUE(einstellungen().contains(QStringLiteral("FaxDeckblatt = 4")));
    EXPECT_EQ(std::tuple(w.FaxDeckblatt, w.EmailDeckblatt, w.Geaendert), std::tuple(u8(6), u8(255), u8(1)));
    EXPECT_EQ(Wettkaempfe[4].FaxDeckblatt, 3);
}

TEST_F(Deckblaetter, DeleteCoverTwoOfFiveMovesThreeToFiveDown)
{
    fuenfDeckblaetter();
    Einst.FaxDeckblatt = 2;
    Einst.EmailDeckblatt = 4;
    TWettkampfDaten& w = spielBelegen(1, 5);
    deckblattZustand.LetzteNummer = 2;

    EXPECT_TRUE(DeckblattLoeschen(2));

    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T3", "T4", "T5", "-", "-", "-"}));
    EXPECT_EQ(liste(), QByteArray("kein Deckblatt\r\nA\r\nC\r\nD\r\nE\r\n"));
    EXPECT_EQ(deckblattZustand.LetzteNummer, 0);
    EXPECT_EQ(std::tuple(Einst.FaxDeckblatt, Einst.EmailDeckblatt), std::tuple(u8(0), u8(3)));
    const QStringList inf = einstellungen();
    EXPECT_TRUE(inf.contains(QStringLiteral("FaxDeckblatt = 0")) && inf.contains(QStringLiteral("EmailDeckblatt = 3")));
    EXPECT_EQ(std::tuple(w.FaxDeckblatt, w.EmailDeckblatt, w.Geaendert), std::tuple(u8(1), u8(4), u8(1)));
    EXPECT_EQ(QDir(Datenverzeichnis).entryList(QDir::Files).size(), 5);  // nothing set aside stays
}

TEST_F(Deckblaetter, DeletingNoCoverOrOneOutsideTheListDoesNothing)
{
    fuenfDeckblaetter();
    Einst.FaxDeckblatt = 3;
    for (int n : {0, 6, -1}) EXPECT_TRUE(DeckblattLoeschen(n)) << n;
    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T2", "T3", "T4", "T5", "-", "-"}));
    EXPECT_EQ(DeckblattNamen().size(), 6);
    EXPECT_EQ(Einst.FaxDeckblatt, 3);
    EXPECT_FALSE(QFile::exists(InfDatei));
}

// After the last cover (and after a number the list no longer has) the new
// one is appended; after entry 0 it becomes cover 1.
TEST_F(Deckblaetter, InsertAfterTheLastAppendsAndAfterNoneComesFirst)
{
    fuenfDeckblaetter();
    EXPECT_EQ(DeckblattEinfuegen(5, QStringLiteral("F")), 6);
    EXPECT_EQ(DeckblattEinfuegen(40, QStringLiteral("G")), 7);
    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T2", "T3", "T4", "T5", "-", "-"}));
    EXPECT_EQ(DeckblattEinfuegen(0, QString(40, QLatin1Char('x'))), 1);
    EXPECT_EQ(texte(), (QByteArrayList{"-", "T1", "T2", "T3", "T4", "T5", "-"}));
    EXPECT_EQ(DeckblattNamen(), (QStringList{"kein Deckblatt", QString(30, QLatin1Char('x')), "A", "B", "C", "D", "E",
                                             "F", "G"}));
}

TEST_F(Deckblaetter, MissingListGivesNoCoversUntilTheFirstIsAdded)
{
    EXPECT_TRUE(DeckblattNamen().isEmpty());
    EXPECT_EQ(DeckblattDokument(0), nullptr);
    EXPECT_EQ(DeckblattDokument(1), nullptr);

    EXPECT_EQ(DeckblattEinfuegen(0, QStringLiteral("Erstes")), 1);
    EXPECT_EQ(liste(), QByteArray("kein Deckblatt\r\nErstes\r\n"));
}

TEST_F(Deckblaetter, TextOfACoverAndOfOneWithoutFile)
{
    fuenfDeckblaetter();
    const QByteArray hallo = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hallo\\par}";
    ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt1.txt", hallo));
    QFile::remove(QDir(Datenverzeichnis).filePath("Deckblatt2.txt"));

    const auto eins = DeckblattDokument(1);
    ASSERT_NE(eins, nullptr);
    EXPECT_EQ(eins->toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(DeckblattDokument(2), nullptr);
    EXPECT_EQ(DeckblattDokument(6), nullptr);

    QTextDocument d;
    d.setPlainText(QStringLiteral("alt"));
    EXPECT_EQ(DeckblattLesen(2, d), Deckblattlesen::Fehlt);
    EXPECT_TRUE(d.isEmpty());
}

TEST_F(Deckblaetter, SaveWritesTheTextAndTheList)
{
    fuenfDeckblaetter();
    EXPECT_TRUE(DeckblattUmbenennen(2, QStringLiteral("Pokal")));
    EXPECT_EQ(liste(), QByteArray("kein Deckblatt\r\nA\r\nPokal\r\nC\r\nD\r\nE\r\n"));

    QTextDocument d;
    d.setPlainText(QStringLiteral("Sehr geehrte Damen und Herren"));
    EXPECT_TRUE(DeckblattSpeichern(2, d));
    EXPECT_TRUE(DateiInhalt(DeckblattDatei(2)).startsWith("{\\rtf1"));
    EXPECT_EQ(DeckblattDokument(2)->toPlainText(), QStringLiteral("Sehr geehrte Damen und Herren"));

    QString fehler;
    EXPECT_FALSE(DeckblattSpeichern(0, d, &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Deckblatt 0 gibt es nicht in der Liste."));
    EXPECT_FALSE(QFile::exists(DeckblattDatei(0)));
}

// A list that cannot be saved after the files have moved: the files move
// back and the list stays as it was.
TEST_F(Deckblaetter, FailedListSaveMovesTheFilesBack)
{
    fuenfDeckblaetter();
    Einst.FaxDeckblatt = 4;
    DeckblattNamen();
    ASSERT_TRUE(QFile::remove(QDir(Datenverzeichnis).filePath("Deckblatt.inf")));
    ASSERT_TRUE(QDir(Datenverzeichnis).mkdir("Deckblatt.inf"));

    QString fehler;
    EXPECT_EQ(DeckblattEinfuegen(1, QStringLiteral("Neu"), &fehler), -1);
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("Das Deckblatt wurde nicht eingefügt."))) << fehler.toStdString();
    EXPECT_FALSE(DeckblattLoeschen(3, &fehler));
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("Das Deckblatt wurde nicht gelöscht."))) << fehler.toStdString();

    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T2", "T3", "T4", "T5", "-", "-"}));
    EXPECT_EQ(DeckblattNamen().size(), 6);
    EXPECT_EQ(Einst.FaxDeckblatt, 4);
}

// A stray file where a text has to go stops the insert before anything moves.
TEST_F(Deckblaetter, OccupiedTargetIsReported)
{
    fuenfDeckblaetter();
    ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt6.txt", "alt6"));
    ASSERT_TRUE(DateiAblegen(Datenverzeichnis, "Deckblatt7.txt", "alt7"));
    QString fehler;
    EXPECT_EQ(DeckblattEinfuegen(2, QStringLiteral("Neu"), &fehler), -1);
    const QString erwartet =
        QStringLiteral("„%1“ kann nicht in „Deckblatt7.txt“ umbenannt werden (die Datei gibt es schon).")
            .arg(QDir::toNativeSeparators(DeckblattDatei(6)));
    EXPECT_TRUE(fehler.startsWith(erwartet)) << fehler.toStdString();
    EXPECT_EQ(texte(), (QByteArrayList{"T1", "T2", "T3", "T4", "T5", "alt6", "alt7"}));
    EXPECT_EQ(liste(), QByteArray("kein Deckblatt\r\nA\r\nB\r\nC\r\nD\r\nE\r\n"));
}

}  // namespace

namespace {

// A NUL in the text is dropped, the rest kept; and the same text gives the
// same bytes, saved twice or read back and saved again, even where the NUL
// had a format of its own.
TEST_F(Deckblaetter, SaveDropsOnlyTheNulAndTheSameTextGivesTheSameBytes)
{
    fuenfDeckblaetter();
    QTextDocument d;
    d.setDefaultFont(DeckblattSchrift());
    QTextCursor c(&d);
    QTextCharFormat rot;
    rot.setForeground(QColor(200, 0, 0));
    rot.setFontFamilies({QStringLiteral("Courier New")});
    rot.setFontWeight(QFont::Bold);
    const QTextCharFormat normal;
    c.insertText(QStringLiteral("Sehr geehrte"), normal);
    c.insertText(QString(QChar(0)), rot);
    c.insertText(QStringLiteral(" Damen") + QChar(0) + QStringLiteral(" und Herren"), normal);
    c.insertBlock();
    c.insertText(QStringLiteral("Gut Holz"));
    ASSERT_TRUE(DeckblattSpeichern(2, d));
    const QByteArray gespeichert = DateiInhalt(DeckblattDatei(2));
    EXPECT_FALSE(gespeichert.contains('\0'));
    EXPECT_FALSE(gespeichert.contains("Courier")) << gespeichert.constData();

    const std::unique_ptr<QTextDocument> gelesen = DeckblattDokument(2);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->toPlainText(), QStringLiteral("Sehr geehrte Damen und Herren\nGut Holz"));
    ASSERT_TRUE(DeckblattSpeichern(2, d));
    EXPECT_EQ(DateiInhalt(DeckblattDatei(2)), gespeichert);
    ASSERT_TRUE(DeckblattSpeichern(2, *gelesen));
    EXPECT_EQ(DateiInhalt(DeckblattDatei(2)), gespeichert);
}

}  // namespace
