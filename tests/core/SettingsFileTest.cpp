#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "support/Dateigrenze.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { GlobalsZuruecksetzen(); }

    QString pfad(const QString& name) const { return dir.filePath(name); }
    void schreiben(const QString& name, const QByteArray& daten) const
    {
        QFile f(pfad(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(daten);
    }
    QByteArray lesen(const QString& name) const
    {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The permission bits of the file, as ls shows them in octal.
    int rechte(const QString& name) const
    {
        struct stat st {};
        return ::stat(QFile::encodeName(pfad(name)).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    }

    QTemporaryDir dir;
};

// A value for the key that is not its default.
QString Beispiel(const Einstellungsschluessel& s)
{
    switch (s.form) {
    case Wertform::Text:
        return QStringLiteral("Grüß ") + s.name + QStringLiteral(" [x]  ");
    case Wertform::Verschluesselt:
        return PasswortKodieren(QStringLiteral("geheim-ß ") + s.name);
    case Wertform::Bool:
        return s.standard == QLatin1String("True") ? QStringLiteral("False") : QStringLiteral("True");
    case Wertform::Hex2:
        return QStringLiteral("$1C");
    case Wertform::Hex4:
        return QStringLiteral("$D800");
    case Wertform::Ziffern:
        return QStringLiteral("42");
    case Wertform::DatumZeit:
        return QStringLiteral("24.12.2026 18:30:05");
    case Wertform::Zahl:
        if (s.max >= s.min) return QString::number(s.standard == QString::number(s.max) ? s.min : s.max);
        return s.standard == QLatin1String("3") ? QStringLiteral("2") : QStringLiteral("3");
    }
    return {};
}

}  // namespace

TEST_F(SettingsFile, KeyAndValueOfALine)
{
    const struct {
        const char *zeile, *key, *wert;
    } faelle[] = {
        {"key=value", "key", "value"},     {"key= =value", "key", "value"}, {"key = a = b", "key", "a = b"},
        {"key = value  ", "key", "value  "}, {"ohneTrenner", "ohneTrenner", ""},
    };
    for (const auto& f : faelle) {
        const KeyWert kw = SchluesselWert(QString::fromLatin1(f.zeile));
        EXPECT_EQ(kw.key, QLatin1String(f.key)) << f.zeile;
        EXPECT_EQ(kw.wert, QLatin1String(f.wert)) << f.zeile;
    }
}

TEST_F(SettingsFile, DefaultsWithoutFileAndWithAnEmptyFile)
{
    for (bool leereDatei : {false, true}) {
        if (leereDatei) schreiben(QStringLiteral("Bravolin.inf"), {});
        BahnAnzahl = 9;
        Einst.Hinweise = false;
        EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty());
        EXPECT_EQ(InfDatei, pfad(QStringLiteral("Bravolin.inf")));
        EXPECT_EQ(BahnAnzahl, 4);
        EXPECT_TRUE(Einst.Hinweise);
        EXPECT_EQ(Einst.Drucker[4].DrBahnBis, 4);  // the lane count
        EXPECT_EQ(Einst.SpielzeitIntervall, 6);
        EXPECT_EQ(Farbe(u"ColorHinweis"), 12632256u);
        EXPECT_EQ(Spielordner, pfad(QStringLiteral("Spiele")));
        EXPECT_EQ(Einst.DatenbankPfad, pfad(QStringLiteral("Daten")));
    }
}

TEST_F(SettingsFile, EveryKeyIsReadAndWrittenBackUnchanged)
{
    // A file as the program writes it: every section once, closed by a blank line.
    std::map<QString, QStringList> sektionen;
    QStringList reihenfolge;
    for (const Einstellungsschluessel& s : EinstellungsTabelle()) {
        if (!sektionen.count(s.sektion)) reihenfolge << s.sektion;
        sektionen[s.sektion] << s.name + QStringLiteral(" = ") + Beispiel(s);
    }
    QStringList zeilen;
    for (const QString& sek : reihenfolge) zeilen << sek << sektionen[sek] << QString();
    ASSERT_TRUE(TextdateiSchreiben(pfad(QStringLiteral("Bravolin.inf")), zeilen));
    const QByteArray original = lesen(QStringLiteral("Bravolin.inf"));
    EXPECT_TRUE(original.contains("Gr\xFC\xDF WettkDir [x]  \r\n"));

    EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty());
    for (const Einstellungsschluessel& s : EinstellungsTabelle())
        EXPECT_EQ(EinstellungText(s), Beispiel(s)) << qPrintable(s.name);
    EXPECT_EQ(Einst.FtpZugang, QStringLiteral("geheim-ß FtpZugang"));
    EXPECT_EQ(Einst.CanBusMem, 0xD800);

    // Written back into the list and saved: the same bytes.
    for (const Einstellungsschluessel& s : EinstellungsTabelle()) EinstellungSchreiben(s);
    InfDatei = pfad(QStringLiteral("Kopie.inf"));
    ASSERT_TRUE(InfListeSpeichern());
    EXPECT_EQ(lesen(QStringLiteral("Kopie.inf")), original);
}

TEST_F(SettingsFile, KeysAreFoundInAnySectionAndInAnyCase)
{
    schreiben(QStringLiteral("bravolin.INF"),
              "[Irgendwas]\nbahnen = 8\r\nPCEINHEIT=3\nClub = KSV 1  \n[Allgemein]\nBahnen = 6\nunbekannt = 5\nkeinTrenner\n"
              "[Bahnsteuerung]\nPcEinheit = 15\n");
    EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty());
    EXPECT_EQ(BahnAnzahl, 6);  // the later line wins
    EXPECT_EQ(Einst.PcEinheit, 15);  // 9..15 are stored; the identifiers treat them as 1
    EXPECT_EQ(InfDatei, pfad(QStringLiteral("bravolin.INF")));
}

TEST_F(SettingsFile, ABadValueKeepsItsDefaultAndTheRestIsRead)
{
    schreiben(QStringLiteral("Bravolin.inf"),
              "[Bahnsteuerung]\r\nBahnen = viele\r\nPcEinheit = 16\r\nBahnSteuerung = 3\r\nTimeoutBahnw = 5\r\n"
              "CanBusTakt = $10\r\nDrBahnBis2 = 17\r\n[CanBus]\r\nCanBusIrq = $0A\r\nCanBusTimer = 2x\r\n"
              "[System]\r\nVolume = 30000\r\nVolume = 70000\r\nRecord = 12\r\n");
    const QStringList fehler = EinstellungenLaden(dir.path());
    EXPECT_EQ(fehler.size(), 7);
    // Where, what, and the value that holds instead: the default, or an earlier line's.
    EXPECT_EQ(fehler.value(0), QStringLiteral("Bravolin.inf, Zeile 2: „viele“ ist für Bahnen kein gültiger Wert, es gilt 4."));
    EXPECT_EQ(fehler.value(6), QStringLiteral("Bravolin.inf, Zeile 13: „70000“ ist für Volume kein gültiger Wert, es gilt 30000."));
    EXPECT_EQ(Einst.Volume, 30000);
    EXPECT_EQ(Einst.Record, 12);
    EXPECT_EQ(BahnAnzahl, 4);
    EXPECT_EQ(Einst.PcEinheit, 0);
    EXPECT_EQ(Einst.Drucker[2].DrBahnBis, 4);
    EXPECT_EQ(Einst.TimeoutBahnw, 5);
    EXPECT_EQ(Einst.CanBusIrq, 10);
}

// The change interval of the result board outside 10,000..100,000 ms takes
// the nearest end and is reported as a bad value is; without the key, or
// with no number, it is the shortest change of its range (10,000 ms).
TEST_F(SettingsFile, TheBoardsChangeIntervalTakesTheNearestValueOfItsRange)
{
    const struct {
        const char* wert;
        i32 gilt;
        const char* meldung;  // nullptr: none
    } faelle[] = {
        {"1", 10000, "„1“ ist für GrossanzIntervall kein gültiger Wert, es gilt 10000."},
        {"0", 10000, "„0“ ist für GrossanzIntervall kein gültiger Wert, es gilt 10000."},
        {"9999", 10000, "„9999“ ist für GrossanzIntervall kein gültiger Wert, es gilt 10000."},
        {"100001", 100000, "„100001“ ist für GrossanzIntervall kein gültiger Wert, es gilt 100000."},
        {"-5", 10000, "„-5“ ist für GrossanzIntervall kein gültiger Wert, es gilt 10000."},
        {"10000", 10000, nullptr},
        {"100000", 100000, nullptr},
        {"35000", 35000, nullptr},
        {"bald", 10000, "„bald“ ist für GrossanzIntervall kein gültiger Wert, es gilt 10000."},
    };
    for (const auto& f : faelle) {
        schreiben(QStringLiteral("Bravolin.inf"), QByteArray("[Anzeige]\r\nGrossanzIntervall = ") + f.wert + "\r\n");
        const QStringList fehler = EinstellungenLaden(dir.path());
        EXPECT_EQ(Einst.GrossanzIntervall, f.gilt) << f.wert;
        if (f.meldung)
            EXPECT_EQ(fehler, QStringList{QStringLiteral("Bravolin.inf, Zeile 2: ") + QString::fromUtf8(f.meldung)});
        else
            EXPECT_TRUE(fehler.isEmpty()) << f.wert;
    }
    schreiben(QStringLiteral("Bravolin.inf"), "[Anzeige]\r\nGrossanzWechsel = True\r\n");
    EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty());
    EXPECT_EQ(Einst.GrossanzIntervall, 10000);
}

// An empty settings file gives the board's change interval its default;
// every value of its range, once written, reads back as it was written.
TEST_F(SettingsFile, TheBoardsChangeIntervalReadsBackAsWritten)
{
    schreiben(QStringLiteral("Bravolin.inf"), "");
    EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty());
    EXPECT_EQ(Einst.GrossanzIntervall, 10000);
    EXPECT_EQ(EinstellungText(*SchluesselSuchen(u"GrossanzIntervall")), QStringLiteral("10000"));

    for (const i32 wert : {10000, 10001, 45000, 99999, 100000}) {
        Einst.GrossanzIntervall = wert;
        EinstellungSchreiben(*SchluesselSuchen(u"GrossanzIntervall"));
        ASSERT_TRUE(InfListeSpeichern());
        EXPECT_TRUE(
            lesen(QStringLiteral("Bravolin.inf")).contains("GrossanzIntervall = " + QByteArray::number(wert) + "\r\n"));
        Einst.GrossanzIntervall = -1;
        EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty()) << wert;
        EXPECT_EQ(Einst.GrossanzIntervall, wert);
    }
}

// The file holds the FTP and mail passwords: its owner alone may read it,
// also when it replaces a file that everyone could read.
TEST_F(SettingsFile, TheSettingsFileIsForItsOwnerOnly)
{
    InfDatei = pfad(QStringLiteral("Bravolin.inf"));
    Einst.FtpZugang = QStringLiteral("geheim");
    EinstellungSchreiben(*SchluesselSuchen(u"FtpZugang"));
    ASSERT_TRUE(InfListeSpeichern());
    EXPECT_EQ(rechte(QStringLiteral("Bravolin.inf")), 0600);

    ASSERT_EQ(::chmod(QFile::encodeName(InfDatei).constData(), 0644), 0);
    ASSERT_TRUE(InfListeSpeichern());
    EXPECT_EQ(rechte(QStringLiteral("Bravolin.inf")), 0600);
    EXPECT_TRUE(lesen(QStringLiteral("Bravolin.inf")).contains("FtpZugang = "));
}

TEST_F(SettingsFile, WriterPlacesKeysInTheirSection)
{
    QStringList l{QStringLiteral("[Allgemein]"), QStringLiteral("Club  ==  Alt"), QStringLiteral("Land = [Bayern]"),
                  QString(), QStringLiteral("[Ansicht]"), QStringLiteral("ColorSpiel = 1"), QString()};
    ListeSchreiben(l, QStringLiteral("[Allgemein]"), QStringLiteral("club"), QStringLiteral("Neu"));
    EXPECT_EQ(l.at(1), QStringLiteral("Club  ==  Neu"));  // key and separator stay as they were

    // A new key goes before the blank line that closes its section, also
    // after a value that holds a '['.
    ListeSchreiben(l, QStringLiteral("[Allgemein]"), QStringLiteral("Bezirk"), QStringLiteral("Nord"));
    EXPECT_EQ(l.mid(3, 3), (QStringList{QStringLiteral("Bezirk = Nord"), QString(), QStringLiteral("[Ansicht]")}));

    // 'Color' is not 'ColorSpiel'; the last section is appended to.
    ListeSchreiben(l, QStringLiteral("[Ansicht]"), QStringLiteral("Color"), QStringLiteral("5"));
    EXPECT_EQ(l.at(6), QStringLiteral("ColorSpiel = 1"));
    EXPECT_EQ(l.last(), QStringLiteral("Color = 5"));

    // A missing section is appended after an empty line.
    ListeSchreiben(l, QStringLiteral("[CanBus]"), QStringLiteral("CanBusKarte"), QStringLiteral("3"));
    EXPECT_EQ(l.mid(l.size() - 3),
              (QStringList{QString(), QStringLiteral("[CanBus]"), QStringLiteral("CanBusKarte = 3")}));

    // In an empty list no empty line comes first.
    QStringList leer;
    ListeSchreiben(leer, QStringLiteral("[email]"), QStringLiteral("EmailHost"), QStringLiteral("mail"));
    EXPECT_EQ(leer, (QStringList{QStringLiteral("[email]"), QStringLiteral("EmailHost = mail")}));

    // Two lines of a key: the last one changes, as the reader takes that one.
    QStringList doppelt{QStringLiteral("[A]"), QStringLiteral("K = 1"), QStringLiteral("K = 2")};
    ListeSchreiben(doppelt, QStringLiteral("[A]"), QStringLiteral("K"), QStringLiteral("3"));
    EXPECT_EQ(doppelt.at(1), QStringLiteral("K = 1"));
    EXPECT_EQ(doppelt.at(2), QStringLiteral("K = 3"));

    // A section with no lines before the next header gets the key under its own header.
    QStringList ohneZeilen{QStringLiteral("[A]"), QStringLiteral("[B]"), QStringLiteral("X = 1")};
    ListeSchreiben(ohneZeilen, QStringLiteral("[A]"), QStringLiteral("K"), QStringLiteral("1"));
    EXPECT_EQ(ohneZeilen.at(1), QStringLiteral("K = 1"));
}

TEST_F(SettingsFile, AValueWithABracketDoesNotSplitItsSection)
{
    schreiben(QStringLiteral("Bravolin.inf"), "[Allgemein]\r\nClub = KSV [Nord]\r\n\r\n[Ansicht]\r\nHinweise = False\r\n\r\n");
    EinstellungenLaden(dir.path());
    Einst.Bezirk = QStringLiteral("Süd");
    EinstellungSchreiben(*SchluesselSuchen(u"Bezirk"));
    ASSERT_TRUE(InfListeSpeichern());
    EXPECT_EQ(lesen(QStringLiteral("Bravolin.inf")),
              QByteArray("[Allgemein]\r\nClub = KSV [Nord]\r\nBezirk = S\xFC"
                         "d\r\n\r\n[Ansicht]\r\nHinweise = False\r\n\r\n"));
    Einst.Bezirk.clear();
    EinstellungenLaden(dir.path());
    EXPECT_EQ(Einst.Bezirk, QStringLiteral("Süd"));
    EXPECT_EQ(Einst.Club, QStringLiteral("KSV [Nord]"));
}

// Hand-edited files with a key twice: the value saved is the value read at
// the next start.
TEST_F(SettingsFile, AChangedValueIsReadBackWhereverTheKeyStands)
{
    const struct {
        const char* datei;
        QByteArray gespeichert;
    } faelle[] = {
        // in two sections
        {"[Bahnsteuerung]\r\nBahnen = 12\r\n\r\n[Allgemein]\r\nbahnen=8\r\n",
         "[Bahnsteuerung]\r\nBahnen = 12\r\n\r\n[Allgemein]\r\nbahnen=4\r\n"},
        // the section header written twice
        {"[Bahnsteuerung]\r\nBahnen = 12\r\n\r\n[Bahnsteuerung]\r\nPcEinheit = 1\r\nBahnen = 6\r\n\r\n",
         "[Bahnsteuerung]\r\nBahnen = 12\r\n\r\n[Bahnsteuerung]\r\nPcEinheit = 1\r\nBahnen = 4\r\n\r\n"},
        // a last line without separator
        {"[Bahnsteuerung]\r\nBahnen = 12\r\nBAHNEN\r\n\r\n",
         "[Bahnsteuerung]\r\nBahnen = 12\r\nBAHNEN = 4\r\n\r\n"},
    };
    for (const auto& f : faelle) {
        schreiben(QStringLiteral("Bravolin.inf"), f.datei);
        EinstellungenLaden(dir.path());
        BahnAnzahl = 4;
        EinstellungSchreiben(*SchluesselSuchen(u"Bahnen"));
        ASSERT_TRUE(InfListeSpeichern());
        EXPECT_EQ(lesen(QStringLiteral("Bravolin.inf")), f.gespeichert) << f.datei;
        EXPECT_TRUE(EinstellungenLaden(dir.path()).isEmpty()) << f.datei;
        EXPECT_EQ(BahnAnzahl, 4) << f.datei;
    }
}

// A save that cannot be written whole is reported and leaves the old file
// as it was, without a temporary file beside it.
TEST_F(SettingsFile, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    skriptBoxen().gezeigt.clear();
    InfListe = {QStringLiteral("[A]"), QStringLiteral("K = 1")};
    InfDatei = pfad(QStringLiteral("fehlt/Bravolin.inf"));
    EXPECT_FALSE(InfListeSpeichern());

    // A full disk: the text fits the write buffer, the file does not fit the disk.
    const QByteArray alt = "[Allgemein]\r\nClub = KSV\r\n\r\n";
    schreiben(QStringLiteral("Bravolin.inf"), alt);
    InfDatei = pfad(QStringLiteral("Bravolin.inf"));
    InfListe = QStringList(100, QStringLiteral("Club = Kegelsportverein Nord"));
    {
        Dateigrenze voll(1000);
        ASSERT_TRUE(voll.gesetzt());
        EXPECT_FALSE(InfListeSpeichern());
    }
    EXPECT_EQ(lesen(QStringLiteral("Bravolin.inf")), alt);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Bravolin.inf")});

    ASSERT_EQ(skriptBoxen().gezeigt.size(), 2);
    EXPECT_EQ(skriptBoxen().gezeigt.at(0).toStdString(),
              ("„" + pfad(QStringLiteral("fehlt/Bravolin.inf")) + "“ konnte nicht gespeichert werden (der Ordner fehlt).")
                  .toStdString());
    EXPECT_TRUE(skriptBoxen().gezeigt.at(1).endsWith(
        QStringLiteral("(kein Speicherplatz mehr frei). Die bisherige Datei bleibt unverändert.")))
        << skriptBoxen().gezeigt.at(1).toStdString();
    skriptBoxen().gezeigt.clear();
}

TEST_F(SettingsFile, PositionsAndListsWithBadLines)
{
    schreiben(QStringLiteral("Position.inf"),
              "[Formular_A]\r\nFeld_Name(3.4) = 10,-20,30\r\nX(201.0) = 1,2,3\r\nY(2.20) = 1,2,3\r\n"
              "Z(1.1) = 1,x,3\r\nW(200.0)=5,6,7\r\nKurz(1.2) = 1,2\r\n\r\n");
    QDir(dir.path()).mkdir(QStringLiteral("Daten"));
    schreiben(QStringLiteral("Daten/Wurfvorw.inf"), "120 Wurf;60;60;18;2;\r\nKaputt;x;;\n100 Wurf;50;50;15;4;");
    schreiben(QStringLiteral("Daten/klasse.inf"), "Bezirksliga\nLandesliga\r\n");
    schreiben(QStringLiteral("Daten/Gruppe.inf"), "Herren\r\n\r\nDamen\r\n");

    EinstellungenLaden(dir.path());
    EXPECT_EQ(FeldPositionen[3][4].B, -20);
    EXPECT_EQ(FeldPositionen[200][0].C, 7);
    for (auto [f, p] : {std::pair{1, 1}, {1, 2}, {2, 19}}) EXPECT_EQ(FeldPositionen[f][p].Gesetzt, 0) << f << "." << p;

    EXPECT_EQ(WurfvorwListe.size(), 3);
    EXPECT_EQ(WurfvorwListe.at(1), QStringLiteral("Kaputt;x;;"));
    EXPECT_EQ(KlasseListe, (QStringList{QStringLiteral("Bezirksliga"), QStringLiteral("Landesliga")}));
    EXPECT_EQ(GruppeListe.size(), 3);  // an empty line keeps its place

    PositionSchreiben(QStringLiteral("[Formular_A]"), QStringLiteral("Feld Name(5.0)"), QStringLiteral("1,2,3"));
    EXPECT_EQ(PositionListe.at(7), QStringLiteral("Feld_Name(5.0) = 1,2,3"));  // end of the section, before its blank line
    PositionLoeschen(QStringLiteral("feld name(3.4)"));  // exactly that key
    EXPECT_EQ(PositionListe.at(1), QStringLiteral("X(201.0) = 1,2,3"));
    EXPECT_EQ(PositionListe.at(6), QStringLiteral("Feld_Name(5.0) = 1,2,3"));
}

// A line with a character Windows-1252 lacks never reaches the file as "?":
// it keeps what the file held for it (a key's last line, else the line at
// its place) or stays out, and one box names each such entry and character.
TEST_F(SettingsFile, ALineTheFileCannotHoldKeepsWhatTheFileHeld)
{
    skriptBoxen().gezeigt.clear();
    const QString kopf = QStringLiteral(
        "Nicht gespeichert in „%1“, weil die Datei diese Zeichen nicht darstellen kann (sie behält ihren bisherigen Eintrag):\n");
    const struct {
        const char* alt;  // nullptr: no file yet
        QStringList zeilen;
        QByteArray soll;
        const char* verlust;
    } faelle[] = {
        {"[Allgemein]\r\nWettkDir = C:\\Spiele\r\nClub = KSV\r\n",
         {"[Allgemein]", "WettkDir = /home/Yılmaz/Spiele", "Club = Ağa 😀 ğ", "Land = Bayern"},
         "[Allgemein]\r\nWettkDir = C:\\Spiele\r\nClub = KSV\r\nLand = Bayern\r\n",
         "WettkDir: „ı“\nClub: „ğ“, „😀“"},
        {nullptr, {"ExportDir = /Yılmaz", "Club = KSV"}, "Club = KSV\r\n", "ExportDir: „ı“"},
        {"club = A\r\nClub=B\r\n", {"Club = ı"}, "Club=B\r\n", "Club: „ı“"},
        {"a.crd\r\nb.crd\r\n", {"x.crd", "Ağa.crd", "ş.crd"}, "x.crd\r\nb.crd\r\n", "Zeile 2: „ğ“\nZeile 3: „ş“"},
        {"C:\\alt.jpg;8;0;0\r\n", {"C:\\Bild ş.jpg;8;0;0"}, "C:\\alt.jpg;8;0;0\r\n", "Zeile 1: „ş“"},
        {"Club = A\r\n", {"Club = Grüß € ‰ ?"}, "Club = Gr\xFC\xDF \x80 \x89 ?\r\n", nullptr},
    };
    int n = 0;
    for (const auto& f : faelle) {
        const QString name = QStringLiteral("Datei%1.inf").arg(++n);
        if (f.alt) schreiben(name, f.alt);
        ASSERT_TRUE(TextdateiSchreiben(pfad(name), f.zeilen)) << n;
        EXPECT_EQ(lesen(name), f.soll) << n;
        ZeichenverlusteZeigen();
        const QStringList soll = f.verlust ? QStringList{kopf.arg(pfad(name)) + QString::fromUtf8(f.verlust)}
                                           : QStringList{};
        EXPECT_EQ(skriptBoxen().gezeigt, soll) << n;
        skriptBoxen().gezeigt.clear();
    }

    // The files of one save share one box, shown after the event that saved;
    // a save that fails tells only its failure.
    InfDatei = pfad(QStringLiteral("Bravolin.inf"));
    InfListe = {QStringLiteral("Club = Yılmaz")};
    ASSERT_TRUE(InfListeSpeichern());
    ASSERT_TRUE(TextdateiSchreiben(pfad(QStringLiteral("Klasse.inf")), {QStringLiteral("Ağa")}));
    EXPECT_FALSE(TextdateiSchreiben(pfad(QStringLiteral("fehlt/Gruppe.inf")), {QStringLiteral("Ağa")}));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{kopf.arg(InfDatei) + QStringLiteral("Club: „ı“\n\n") +
                          kopf.arg(pfad(QStringLiteral("Klasse.inf"))) + QStringLiteral("Zeile 1: „ğ“")});
    EXPECT_EQ(lesen(QStringLiteral("Klasse.inf")), QByteArray());
    skriptBoxen().gezeigt.clear();
}
