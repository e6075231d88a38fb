#include "competition/Spieldatei.h"

#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>
#include <gmock/gmock.h>
#include <random>
#include <set>
#include <string>
#include <vector>
#include <tuple>
#include <unistd.h>

// The fixture is a finished match built by hand from the file's table: six
// players a side, 15 + 15 throws on four lanes, a substitute on each side
// (home 3 by 7 after round 2, guest 12 by 15), a level duel decided by pins
// (4: 560 against 270 + 280), sudden victory after one match with 3 throws.

namespace {

QByteArray Muster()
{
    QFile f(QStringLiteral(SPIELDATEI_MUSTER));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> Zeilen(QByteArray daten)
{
    QList<QByteArray> z = daten.split('\n');
    if (!z.isEmpty() && z.last().isEmpty()) z.removeLast();
    for (QByteArray& s : z)
        if (s.endsWith('\r')) s.chop(1);
    return z;
}

QByteArray Datei(const QList<QByteArray>& z)
{
    QByteArray d;
    for (const QByteArray& s : z) d += s + "\r\n";
    return d;
}

// The fixture with line n (from 0) replaced.
QByteArray MitZeile(int n, const QByteArray& text)
{
    QList<QByteArray> z = Zeilen(Muster());
    z[n] = text;
    return Datei(z);
}

constexpr int Spieler(int p) { return 100 + 55 * (p - 1); }

class Spieldatei_ : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        WurfvorwListe.clear();
        setUhr([] { return QDateTime(QDate(2026, 3, 20), QTime(10, 0)); });
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.path();
        ASSERT_EQ(Zeilen(Muster()).size(), SpieldateiZeilen);
    }
    void TearDown() override
    {
        setUhr({});
        QLocale::setDefault(QLocale::c());
        Grundlage::TearDown();
    }

    void ablegen(const QByteArray& daten, const QString& name = QStringLiteral("Spiel0.dat")) { ASSERT_TRUE(DateiAblegen(ordner, name, daten)); }
    bool laden(bool mitErgebnissen)
    {
        skriptBoxen().antworten = {mitErgebnissen ? ErgebnisJa : ErgebnisNein};
        return SpielLaden(ordner, 0, &fehler);
    }
    // An open match that a failed load must leave current.
    void vorherOffen()
    {
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Gastmannschaft = "vorher";
    }

    QTemporaryDir tmp;
    QString ordner;
    QString fehler;
};

TEST_F(Spieldatei_, ThrowListCodec)
{
    TDurchgangBlock b;
    std::tie(b.Wurfbild[1], b.Wurfart[1], b.Wurfbild[3], b.Wurfart[3]) = std::tuple(16895, 0, 16384, 512);
    EXPECT_EQ(WurflisteSchreiben(b, 3), QStringLiteral("16895.0, . ,16384.512;"));
    EXPECT_EQ(WurflisteSchreiben(b, 0), QStringLiteral(";"));
    EXPECT_EQ(WurflisteSchreiben(b, 256 + 2), QStringLiteral("16895.0, . ;"));  // 8-bit sum

    const struct {
        const char* zeile;
        std::array<u16, 4> bild, art;
    } faelle[] = {
        {"16895.0, . ,16384.512;", {16895, 0, 16384, 0}, {0, 0, 512, 0}},
        {"5.1,x.y,7.2;9.9", {0x4005, 0x4000, 0x4007, 0}, {1, 0, 2, 0}},  // lenient, stops at ';'
        {";", {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"16895,16895;", {0, 0, 0, 0}, {0, 0, 0, 0}},  // no '.': no throws
    };
    for (const auto& f : faelle) {
        b.Wurfbild.fill(7);
        b.Wurfart.fill(7);
        WurflisteLesen(b, QString::fromLatin1(f.zeile));
        const auto vier = [](const auto& a) { return std::array<u16, 4>{a[1], a[2], a[3], a[4]}; };
        EXPECT_EQ(std::tuple(vier(b.Wurfbild), vier(b.Wurfart), b.Wurfbild[100]), std::tuple(f.bild, f.art, u16(0))) << f.zeile;
    }
    // More than 100 tokens: the block holds 100.
    QStringList viele(150, QStringLiteral("1.1"));
    WurflisteLesen(b, viele.join(QLatin1Char(',')) + QLatin1Char(';'));
    EXPECT_EQ(b.Wurfbild[100], 0x4001);
}

TEST_F(Spieldatei_, FixtureLoadsWithResultsAndSavesToTheSameBytes)
{
    ablegen(Cp1252::encode(QStringLiteral("Heimspiel gegen Großweil\r\n")), QStringLiteral("Spiele.inf"));
    ablegen(Muster());
    vorherOffen();
    ASSERT_TRUE(laden(true)) << fehler.toStdString();
    EXPECT_EQ(std::tuple(WettkampfGeladen, WettkampfAnzahl), std::tuple(1, 2));
    ASSERT_EQ(AktWettkampf, &Wettkaempfe[2]);
    TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(std::tuple(w.Speichername, w.Speicherordner, Spielordner, w.Geaendert),
              std::tuple(QStringLiteral("Heimspiel gegen Großweil"), ordner, ordner, 0));

    // A sample of read fields; the byte-wise save below covers the rest.
    EXPECT_EQ(w.Heimmannschaft.text(), QStringLiteral("KSV Münchberg 1"));
    EXPECT_EQ(std::tuple(w.Spieleranzahl, w.BahnenIndex, w.NamenanzWerbung.Index, w.SVictoryWuerfe, w.Gast.VorTaP),
              std::tuple(6, 1, 3, 3, -2));
    EXPECT_FLOAT_EQ(w.Heim.VorSaP, 13.5f);
    EXPECT_EQ(w.Gast.Text[4].laenge(), 80u);

    const TSpielerEintrag& s1 = w.Spieler[1];
    EXPECT_EQ(s1.Name.text(), QStringLiteral("Jörg Weiß"));
    EXPECT_EQ(std::tuple(s1.IstHeim, w.Spieler[9].IstHeim, s1.Total.Zahl, s1.Durchgang[1].Bahn), std::tuple(1, 0, 544, 3));
    // Totals in the booking's form, as a played match exports them.
    EXPECT_EQ(s1.Total.Text, "0544");
    EXPECT_EQ(std::tuple(s1.Durchgang[1].Wurfbild[1], s1.Durchgang[1].Wurfart[1], s1.Durchgang[1].Wurfbild[5]),
              std::tuple(16624, 4, 0));  // throw 5 is absent
    EXPECT_EQ(std::tuple(w.Spieler[3].ErsetztDurch, w.Spieler[7].Ersatz), std::tuple(7, 3));
    EXPECT_EQ(w.Spieler[3].AktDurchgang, &w.Spieler[3].Durchgang[2]);
    EXPECT_EQ(w.Spieler[8].AktDurchgang, nullptr);
    EXPECT_EQ(w.Heim.Plus.Text, "0075");  // 3290 - 3215
    // Set points 3 + 2.5 + 1 + 2 + 0.5 + 4 at home; duel 4 is level and goes home by pins.
    EXPECT_FLOAT_EQ(w.Heim.SaP, 13.0f);
    EXPECT_FLOAT_EQ(w.Gast.SaP, 11.0f);
    EXPECT_FLOAT_EQ(w.Heim.MaP, 4.0f);
    EXPECT_FLOAT_EQ(w.Heim.TotalMaP, 6.0f);

    QTemporaryDir ziel;
    w.Geaendert = 1;
    ASSERT_TRUE(SpielSpeichern(ziel.path(), 0, {QStringLiteral("Heimspiel gegen Großweil")}, &fehler));
    EXPECT_EQ(DateiInhalt(QDir(ziel.path()).filePath("Spiel0.dat")), Muster());
    EXPECT_EQ(DateiInhalt(QDir(ziel.path()).filePath("Spiele.inf")), QByteArray("Heimspiel gegen Gro\xdfweil\r\n"));
    EXPECT_EQ(std::tuple(w.Geaendert, w.Speicherordner, Spielordner), std::tuple(0, ziel.path(), ziel.path()));
}

// Every field with a value of its own lands on the line of the file's table.
// The expected lines are written out here from that table (header lines,
// team block +0..+12, player block +0..+54, lane block +0..+6), not taken
// from the program, so that two swapped lines show.
TEST_F(Spieldatei_, EveryFieldIsWrittenOnTheLineOfTheTable)
{
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    std::vector<std::pair<int, QString>> erwartet;
    const auto text = [&](int zeile, auto& feld, const QString& wert) {
        feld.setzenText(wert);
        erwartet.emplace_back(zeile, wert);
    };
    const auto zahl = [&](int zeile, auto& feld, double wert, const char* geschrieben) {
        feld = decltype(+feld)(wert);
        erwartet.emplace_back(zeile, QString::fromLatin1(geschrieben));
    };

    text(1, w.Bezirk, QStringLiteral("Oberfranken"));
    text(2, w.Club, QStringLiteral("KSV Münchberg"));
    text(3, w.MannschaftNr, QStringLiteral("12"));
    text(4, w.Gastmannschaft, QStringLiteral("SKC Gäste"));
    text(5, w.Klasse, QStringLiteral("Bayernliga"));
    text(6, w.Spielnummer, QStringLiteral("4711"));
    text(7, w.Spieltag, QStringLiteral("017"));
    text(8, w.Spielart, QStringLiteral("Pokalspiel"));
    text(9, w.Schiedsrichter, QStringLiteral("Schiri Roth"));
    text(10, w.Spielleiter.Name, QStringLiteral("Leiter Lang"));
    text(11, w.Spielleiter.Tel, QStringLiteral("0921 55"));
    text(12, w.Textzeile[1], QStringLiteral("Gruß eins"));
    text(13, w.Textzeile[2], QStringLiteral("Gruß zwei"));
    text(14, w.Gruppe, QStringLiteral("Damen"));
    zahl(15, w.Spieleranzahl, 5, "5");
    zahl(16, w.Wurfvorwahl, 3, "3");
    zahl(17, w.Volle, 2, "2");
    zahl(18, w.Abraeumen, 1, "1");
    zahl(19, w.Wurfzeit, 12, "12");
    zahl(20, w.Probe, 6, "6");
    zahl(21, w.Zeit, 7, "7");
    zahl(22, w.Uebertritt, 8, "8");
    zahl(23, w.Durchlaeufer, 9, "9");
    zahl(24, w.BahnenIndex, 10, "10");
    zahl(25, w.Art, 11, "11");
    zahl(26, w.FaxDeckblatt, 13, "13");
    zahl(27, w.EmailDeckblatt, 14, "14");
    zahl(28, w.NamenanzWerbung.Index, 15, "15");
    zahl(29, w.GrossanzWerbung.Index, 16, "16");
    zahl(30, w.MonitorWerbung.Index, 17, "17");
    zahl(41, w.SVictoryWuerfe, 18, "18");
    text(43, w.Datum, QStringLiteral("01.02.26"));
    text(44, w.Beginn, QStringLiteral("14:00"));
    text(45, w.Ende, QStringLiteral("18:30"));
    // Team blocks: Volle, Abr, Fehler, Total, Wurf, VorErgebnis, VorSaP, VorMaP, VorTaP, remarks 1..4.
    text(55, w.Heim.Volle.Text, QStringLiteral("2001"));
    text(56, w.Heim.Abr.Text, QStringLiteral("1002"));
    text(57, w.Heim.Fehler.Text, QStringLiteral("3"));
    text(58, w.Heim.Total.Text, QStringLiteral("3003"));
    text(59, w.Heim.Wuerfe.Text, QStringLiteral("120"));
    text(60, w.Heim.VorTotal, QStringLiteral("2999"));
    zahl(61, w.Heim.VorSaP, 13.5, "13,5");
    zahl(62, w.Heim.VorMaP, 2.25, "2,25");
    zahl(63, w.Heim.VorTaP, -7, "-7");
    for (int t = 1; t <= 4; ++t) text(63 + t, w.Heim.Text[t], QStringLiteral("Heim Bemerkung %1").arg(t));
    text(68, w.Gast.Volle.Text, QStringLiteral("1901"));
    text(69, w.Gast.Abr.Text, QStringLiteral("902"));
    text(70, w.Gast.Fehler.Text, QStringLiteral("5"));
    text(71, w.Gast.Total.Text, QStringLiteral("2803"));
    text(72, w.Gast.Wuerfe.Text, QStringLiteral("119"));
    text(73, w.Gast.VorTotal, QStringLiteral("3010"));
    zahl(74, w.Gast.VorSaP, 10.5, "10,5");
    zahl(75, w.Gast.VorMaP, 0.75, "0,75");
    zahl(76, w.Gast.VorTaP, 12, "12");
    for (int t = 1; t <= 4; ++t) text(76 + t, w.Gast.Text[t], QStringLiteral("Gast Bemerkung %1").arg(t));
    zahl(81, w.Durchgang, 19, "19");
    w.FtpPfad = QStringLiteral("/spiele/heute");
    erwartet.emplace_back(83, w.FtpPfad);
    for (int t = 1; t <= 10; ++t) {
        w.FormularText[t] = QStringLiteral("Formular %1").arg(t);
        erwartet.emplace_back(83 + t, w.FormularText[t]);
    }
    for (int z : {0, 42, 94, 95, 96, 97, 98, 99}) erwartet.emplace_back(z, z == 0 ? QStringLiteral("MWettk") : QString());

    // Players: p in every value; the lane block's set points p + d/8.
    const char* const achtel[] = {"", "125", "25", "375", "5"};
    for (int p = 1; p <= MaxSpieler; ++p) {
        TSpielerEintrag& s = w.Spieler[p];
        const int a = 100 + 55 * (p - 1);
        const QString n = QString::number(p);
        const QString nn = QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
        text(a, s.Name, QStringLiteral("Name ") + n);
        text(a + 1, s.Pass, QStringLiteral("P") + n);
        text(a + 2, s.Gebdat, nn + QStringLiteral(".01.90"));
        text(a + 3, s.Club, QStringLiteral("Club ") + n);
        text(a + 4, s.Nation, QStringLiteral("Nation ") + n);
        text(a + 5, s.Plz, QStringLiteral("Plz") + n);
        text(a + 6, s.Ort, QStringLiteral("Ort ") + n);
        text(a + 7, s.Adresse, QStringLiteral("Adresse ") + n);
        text(a + 8, s.Tel, QStringLiteral("Tel ") + n);
        text(a + 9, s.Fax, QStringLiteral("Fax ") + n);
        text(a + 10, s.Email, n + QStringLiteral("@mail.de"));
        text(a + 11, s.LetztSpiel, nn + QStringLiteral(".12.25"));
        text(a + 12, s.LetztPlatz, QString(QChar(u'A' + p - 1)));
        text(a + 13, s.VerwarnungText, QStringLiteral("V") + QString::number(p % 10));
        zahl(a + 16, s.ErsetztDurch, 5 + p % 6, std::to_string(5 + p % 6).c_str());
        zahl(a + 17, s.Ersatz, 11 + p % 6, std::to_string(11 + p % 6).c_str());
        zahl(a + 19, s.DurchgangNr, 1 + p % 4, std::to_string(1 + p % 4).c_str());
        text(a + 20, s.Volle.Text, QStringLiteral("v") + n);
        text(a + 21, s.Abr.Text, QStringLiteral("a") + n);
        text(a + 22, s.Fehler.Text, QStringLiteral("f") + n);
        text(a + 23, s.Wurf.Text, QStringLiteral("w") + n);
        text(a + 24, s.Bonus.Text, QString::number(20 + p));
        s.SaP = f32(p) + 0.5f;
        erwartet.emplace_back(a + 25, n + QStringLiteral(",5"));
        s.MaP = f32(p) + 0.25f;
        erwartet.emplace_back(a + 26, n + QStringLiteral(",25"));
        for (int d = 1; d <= 4; ++d) {
            TDurchgangBlock& b = s.Durchgang[d];
            const int c = a + 27 + 7 * (d - 1);
            const QString k = QString::number(16 * d + p);
            zahl(c, b.Bahn, (p + d) % 16 + 1, std::to_string((p + d) % 16 + 1).c_str());
            text(c + 1, b.Volle.Text, QStringLiteral("V") + k);
            text(c + 2, b.Abr.Text, QStringLiteral("A") + k);
            text(c + 3, b.Fehler.Text, QStringLiteral("F") + k);
            text(c + 4, b.Wurf.Text, QStringLiteral("W") + k);
            b.SaP = f32(p) + f32(d) / 8;
            erwartet.emplace_back(c + 5, n + QLatin1Char(',') + QLatin1String(achtel[d]));
            // Volle 2 + Abräumen 1: three throws, the second one absent.
            b.Wurfbild[1] = u16(0x4000 + 16 * d + p);
            b.Wurfart[1] = u16(d);
            b.Wurfbild[3] = 0x41FF;
            b.Wurfart[3] = u16(p);
            erwartet.emplace_back(c + 6, QStringLiteral("%1.%2, . ,16895.%3;").arg(16384 + 16 * d + p).arg(d).arg(p));
        }
    }

    // The yes/no fields, one at a time: exactly its line reads "True".
    std::vector<std::pair<int, u8*>> ja = {
        {31, &w.MannschNamenAnzeigen},     {32, &w.NamenOn},       {33, &w.NaVorWechsel},
        {34, &w.NamenanzWerbung.Werbung},  {35, &w.GrossanzWerbung.Werbung}, {36, &w.MonitorWerbung.Werbung},
        {37, &w.Streichspiel},             {38, &w.Punktespiel},   {39, &w.SVictory1Spiel},
        {40, &w.SVictory2Spiele},          {46, &w.BahnenOk},      {47, &w.PaesseOk},
        {48, &w.Verwarnungen},             {49, &w.Verletzungen},  {50, &w.Protest},
        {51, &w.Sonstiges},                {52, &w.Anlagen},       {53, &w.SchiedsrichterOkHeim},
        {54, &w.SchiedsrichterOkGast},     {82, &w.Beendet},
    };
    for (int p = 1; p <= MaxSpieler; ++p) {
        const int a = 100 + 55 * (p - 1);
        ja.insert(ja.end(), {{a + 14, &w.Spieler[p].Gestartet}, {a + 15, &w.Spieler[p].Fertig}, {a + 18, &w.Spieler[p].Wertung}});
    }

    // The test covers every line once.
    std::set<int> abgedeckt;
    for (const auto& e : erwartet) EXPECT_TRUE(abgedeckt.insert(e.first).second) << e.first;
    for (const auto& j : ja) EXPECT_TRUE(abgedeckt.insert(j.first).second) << j.first;
    ASSERT_EQ(abgedeckt.size(), std::size_t(SpieldateiZeilen));

    for (const auto& j : ja) *j.second = 0;
    const QStringList z = SpielZeilen(w);
    ASSERT_EQ(z.size(), SpieldateiZeilen);
    for (const auto& [n, t] : erwartet) EXPECT_EQ(z.at(n), t) << "line " << n;
    for (const auto& j : ja) EXPECT_EQ(z.at(j.first), QStringLiteral("False")) << "line " << j.first;
    for (const auto& [zeile, feld] : ja) {
        *feld = 1;
        const QStringList mit = SpielZeilen(w);
        *feld = 0;
        QList<int> wahr;
        for (int n = 0; n < SpieldateiZeilen; ++n)
            if (mit.at(n) == QLatin1String("True")) wahr << n;
        EXPECT_EQ(wahr, QList<int>{zeile});
    }
}

// Without results: header lines 1-41, lines 83-93 and the line-up (+0..+12)
// come from the file; every result stays as the new match has it.
TEST_F(Spieldatei_, LoadWithoutResultsKeepsOnlyTheNamedLines)
{
    // A result line that would not load is not read at all; the five bytes
    // without a character in Windows-1252 come back as they were.
    QList<QByteArray> muster = Zeilen(MitZeile(Spieler(1) + 25, "kaputt"));
    muster[Spieler(2)] = "\x81\x8D\x8F\x90\x9D M\xFCller";
    ablegen(Datei(muster));
    ASSERT_TRUE(laden(false)) << fehler.toStdString();
    EXPECT_EQ(WettkampfGeladen, 1);
    const QStringList z = SpielZeilen(*AktWettkampf);
    for (int n = 0; n < SpieldateiZeilen; ++n)
        if ((n >= 1 && n <= 41) || (n >= 83 && n <= 93) || (n >= 100 && (n - 100) % 55 <= 12)) {
            EXPECT_EQ(Cp1252::encode(z.at(n)), muster.at(n)) << "line " << n;
        }
    // Results as a new match on 20.03.26 has them.
    const QString leereListe = QStringList(30, QStringLiteral(" . ")).join(QLatin1Char(',')) + QLatin1Char(';');
    const std::pair<int, QString> ergebnisse[] = {
        {43, "20.03.26"}, {44, ""},       {55, "0"},        {58, "0000"},   {63, "0"},
        {81, "0"},        {82, "False"},  {Spieler(1) + 13, ""}, {Spieler(1) + 14, "False"},
        {Spieler(1) + 19, "0"}, {Spieler(1) + 20, ""}, {Spieler(1) + 25, "0"}, {Spieler(1) + 27, "0"},
        {Spieler(1) + 33, leereListe},
    };
    for (const auto& [n, text] : ergebnisse) EXPECT_EQ(z.at(n), text) << "line " << n;
    EXPECT_EQ(std::tuple(AktWettkampf->Spieler[1].Total.Zahl, AktWettkampf->Heim.SaP), std::tuple(0, 0.0f));
    // Ready to be started: its lanes and start plan follow the stored choices
    // (lane choice 1 of the built-in preset on four lanes: "Bahn 1 bis 2").
    EXPECT_NE(AktWettkampf->StartplanZeiger, nullptr);
    EXPECT_EQ(std::tuple(AktWettkampf->ErsteSpielbahn, AktWettkampf->LetzteSpielbahn, AktWettkampf->SpieleranzahlWaehlbar),
              std::tuple(1, 2, 1));
}

TEST_F(Spieldatei_, BadFilesLoadNothingAndKeepTheCurrentMatch)
{
    QList<QByteArray> kurz = Zeilen(Muster());
    kurz.removeLast();
    const std::pair<const char*, QByteArray> faelle[] = {
        {"979 lines", Datei(kurz)},
        {"empty", QByteArray()},
        {"wrong marker", MitZeile(0, "MWettk2")},
        {"bad number", MitZeile(15, "6x")},
        {"empty number", MitZeile(68 + 8, "")},
        {"bad float", MitZeile(Spieler(2) + 25, "2;5")},
        {"bad lane number", MitZeile(Spieler(16) + 48, "eins")},
        // More throws than a preset holds would lose every throw list at the next save.
        {"Volle beyond 50", MitZeile(17, "90")},
        {"Abraeumen beyond 50", MitZeile(18, "51")},
    };
    vorherOffen();
    for (const auto& [name, daten] : faelle) {
        SCOPED_TRACE(name);
        ablegen(daten);
        fehler.clear();
        EXPECT_FALSE(laden(true));
        EXPECT_THAT(fehler.toStdString(), ::testing::HasSubstr("kann nicht geladen werden"));
        if (std::string(name) == "Volle beyond 50") {
            EXPECT_THAT(fehler.toStdString(),
                        ::testing::HasSubstr("Zeile 18 („90“) ist eine Wurfzahl über 50, die dieses Programm nicht spielen kann."));
        }
        EXPECT_EQ(std::tuple(WettkampfGeladen, WettkampfAnzahl, WettkampfBelegt[2], AktWettkampfNr), std::tuple(0, 1, 0, 1));
        ASSERT_EQ(AktWettkampf, &Wettkaempfe[1]);
        EXPECT_EQ(AktWettkampf->Gastmannschaft, "vorher");
    }
}

TEST_F(Spieldatei_, SixOpenMatchesRefuseTheLoad)
{
    ablegen(Muster());
    for (int i = 0; i < MaxWettkaempfe; ++i) ASSERT_TRUE(WettkampfAnlegen());
    EXPECT_FALSE(laden(true));
    EXPECT_THAT(fehler.toStdString(), ::testing::HasSubstr("6 Wettkämpfe"));
    EXPECT_EQ(std::tuple(WettkampfAnzahl, WettkampfGeladen), std::tuple(MaxWettkaempfe, 0));
}

// Numbers used as an index or a count read as the field's default when out
// of range; booleans and text widths as the file table gives them.
TEST_F(Spieldatei_, ValuesOutOfRangeReadAsDefaults)
{
    using W = const TWettkampfDaten&;
    const struct {
        int zeile;
        QByteArray text;
        std::function<long(W)> feld;
        long erwartet;
    } faelle[] = {
        {15, "7", [](W w) { return w.Spieleranzahl; }, 6},
        {16, "3", [](W w) { return w.Wurfvorwahl; }, 0},  // only the built-in preset
        {20, "9", [](W w) { return w.Probe; }, 2},
        {21, "5", [](W w) { return w.Zeit; }, 1},
        {24, "2", [](W w) { return w.BahnenIndex; }, 0},  // two lane choices
        {25, "4", [](W w) { return w.Art; }, 0},
        {26, "256", [](W w) { return w.FaxDeckblatt; }, 0},
        {28, "x", [](W w) { return w.NamenanzWerbung.Index; }, 0},
        {41, "51", [](W w) { return w.SVictoryWuerfe; }, 0},
        {81, "26", [](W w) { return w.Durchgang; }, 0},
        {Spieler(1) + 19, "5", [](W w) { return w.Spieler[1].DurchgangNr; }, 0},
        {Spieler(1) + 19, "5", [](W w) { return long(w.Spieler[1].AktDurchgang != nullptr); }, 0},
        {Spieler(3) + 16, "17", [](W w) { return w.Spieler[3].ErsetztDurch; }, 0},
        {Spieler(7) + 17, "300", [](W w) { return w.Spieler[7].Ersatz; }, 0},
        {Spieler(1) + 27, "17", [](W w) { return w.Spieler[1].Durchgang[1].Bahn; }, 0},
        {37, "true", [](W w) { return w.Streichspiel; }, 1},
        {38, "TRUE", [](W w) { return w.Punktespiel; }, 0},
        {5, QByteArray(40, 'K'), [](W w) { return long(w.Klasse.laenge()); }, 30},
        {61, "13.5", [](W w) { return long(w.Heim.VorSaP * 10); }, 135},
        // The guest ahead (3300 against 3290): his lead, none for home.
        {71, "3300", [](W w) { return w.Gast.Plus.Zahl; }, 10},
        {71, "3300", [](W w) { return long(w.Gast.Plus.Text == "0010" && w.Heim.Plus.Text == "0000"); }, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        ablegen(MitZeile(f.zeile, f.text));
        ASSERT_TRUE(laden(true)) << fehler.toStdString();
        EXPECT_EQ(f.feld(*AktWettkampf), f.erwartet);
        ASSERT_TRUE(WettkampfSchliessen());
    }
}

// A match saved with a throw preset this alley does not have (number 6 of
// another list): its rounds come from its own lane blocks, not from the
// first preset here, and the operator is told.
TEST_F(Spieldatei_, AnUnknownPresetTakesItsRoundsFromTheLaneBlocks)
{
    // The fixture finished after two rounds: blocks 3 and 4 of every player empty.
    QList<QByteArray> z = Zeilen(Muster());
    for (int p = 1; p <= MaxSpieler; ++p)
        for (int d = 3; d <= 4; ++d) {
            const int c = Spieler(p) + 27 + 7 * (d - 1);
            z[c] = "0";
            z[c + 1] = z[c + 2] = z[c + 3] = z[c + 4] = "";
            z[c + 5] = "0";
            z[c + 6] = ";";
        }
    z[16] = "5";
    ablegen(Datei(z));
    skriptBoxen().gezeigt.clear();
    ASSERT_TRUE(laden(true)) << fehler.toStdString();
    const TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(std::tuple(w.Wurfvorwahl, w.Durchgaenge), std::tuple(0, 2));
    // Rounds 1 and 2 of the starters: home 2 + 1.5 + 1 + 1 + 0 + 2, guest 0 + 0.5 + 1 + 1 + 2 + 0.
    EXPECT_FLOAT_EQ(w.Heim.SaP, 7.5f);
    EXPECT_FLOAT_EQ(w.Gast.SaP, 4.5f);
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList({QStringLiteral("Spiel mit Ergebnissen laden ?"),
                           QStringLiteral("Die Wurfvorwahl Nr. 6 des gespeicherten Spiels gibt es auf dieser Anlage "
                                          "nicht; angezeigt wird „120 Wurf“. Die 2 Durchgänge kommen aus den "
                                          "gespeicherten Bahnen.")}));
    ASSERT_TRUE(WettkampfSchliessen());

    // The preset known here keeps its four rounds, without a notice.
    z[16] = "0";
    ablegen(Datei(z));
    skriptBoxen().gezeigt.clear();
    ASSERT_TRUE(laden(true)) << fehler.toStdString();
    EXPECT_EQ(AktWettkampf->Durchgaenge, 4);
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
}

// A preset inserted before the match's own since it was saved: the number
// now names "10 Wurf" (one round of 5 and 5). The match keeps its throws and
// rounds, shows its own preset again, and the operator is told.
TEST_F(Spieldatei_, APresetInsertedBeforeTheMatchsOwnDoesNotTakeItsPlace)
{
    const QString eigene = QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4");
    const QString eingefuegt = QStringLiteral("10 Wurf;5;5;12;1;;;Bahn 1 bis 2");
    const auto stand = [](const TWettkampfDaten& w) {
        return std::tuple(int(w.Wurfvorwahl), int(w.Volle), int(w.Abraeumen), int(w.Durchgaenge), int(w.ErsteBahn),
                          int(w.LetzteBahn));
    };
    const auto meldung = [](const char* rest) {
        return QStringLiteral("Die Wurfvorwahl Nr. 1 des gespeicherten Spiels (15 Volle und 15 Abräumen je "
                              "Durchgang) ist auf dieser Anlage jetzt „10 Wurf“ mit anderen Würfen; angezeigt "
                              "wird „120 Wurf“.") +
               QString::fromUtf8(rest);
    };

    // Played: the fixture's four rounds with preset 1 of the list as it was.
    WurfvorwListe = {eigene};
    QString hinweis = QStringLiteral("alt");
    QStringList gespielt;
    for (const QByteArray& b : Zeilen(Muster())) gespielt << Cp1252::decode(b);
    ASSERT_TRUE(SpielZeilenLaden(gespielt, true, &fehler, &hinweis)) << fehler.toStdString();
    EXPECT_TRUE(hinweis.isEmpty());
    const auto punkte = [](const TWettkampfDaten& w) { return std::tuple(w.Heim.SaP, w.Gast.SaP, w.Heim.MaP, w.Gast.MaP); };
    const auto vorher = punkte(*AktWettkampf);
    EXPECT_EQ(stand(*AktWettkampf), std::tuple(0, 15, 15, 4, 1, 4));
    ASSERT_TRUE(WettkampfSchliessen());

    WurfvorwListe = {eingefuegt, eigene};
    ASSERT_TRUE(SpielZeilenLaden(gespielt, true, &fehler, &hinweis)) << fehler.toStdString();
    EXPECT_EQ(stand(*AktWettkampf), std::tuple(1, 15, 15, 4, 1, 4));
    EXPECT_EQ(punkte(*AktWettkampf), vorher);
    EXPECT_EQ(hinweis, meldung(" Die 4 Durchgänge kommen aus den gespeicherten Bahnen."));
    ASSERT_TRUE(WettkampfSchliessen());

    // Prepared: made and saved with the list as it was, no lane played.
    WurfvorwListe = {eigene};
    ASSERT_TRUE(WettkampfAnlegen());
    WettkampfGrundoptionenSetzen();
    AktWettkampf->Spieler[1].Name = "Meier";
    ASSERT_EQ(stand(*AktWettkampf), std::tuple(0, 15, 15, 4, 1, 4));
    const QStringList vorbereitet = SpielZeilen(*AktWettkampf);
    AktWettkampf->Geaendert = 0;
    ASSERT_TRUE(WettkampfSchliessen());

    WurfvorwListe = {eingefuegt, eigene};
    for (const bool mitErgebnissen : {true, false}) {
        ASSERT_TRUE(SpielZeilenLaden(vorbereitet, mitErgebnissen, &fehler, &hinweis)) << fehler.toStdString();
        EXPECT_EQ(stand(*AktWettkampf), std::tuple(1, 15, 15, 4, 1, 4));
        EXPECT_EQ(AktWettkampf->Spieler[1].Name.bytes(), "Meier");
        EXPECT_EQ(hinweis, meldung(""));
        ASSERT_TRUE(WettkampfSchliessen());
    }
}

// A file whose preset number now names a preset with other throws, while a
// later preset has the file's throws but only two rounds: the match shows
// that one, keeps its four rounds from the lane blocks, and every save
// writes the file's preset number again, so that no load takes the stand-in's
// two rounds and drops the points of rounds 3 and 4.
TEST_F(Spieldatei_, APresetStandInSurvivesSavesAndLoads)
{
    WurfvorwListe = {QStringLiteral("10 Wurf;5;5;12;1;;;Bahn 1 bis 2"),
                     QStringLiteral("Zwei Runden;15;15;12;2;;;Bahn 1 bis 6;Bahn 1 bis 4")};
    ablegen(Cp1252::encode(QStringLiteral("Heimspiel\r\n")), QStringLiteral("Spiele.inf"));
    ablegen(Muster());
    QTemporaryDir ziel;
    std::vector<float> ersteSpielerpunkte;
    QByteArray erstesSpeichern;
    for (int runde = 1; runde <= 3; ++runde) {
        SCOPED_TRACE(runde);
        ASSERT_TRUE(laden(true)) << fehler.toStdString();
        const TWettkampfDaten& w = *AktWettkampf;
        EXPECT_EQ(std::tuple(int(w.Wurfvorwahl), int(w.Volle), int(w.Abraeumen), int(w.Durchgaenge)),
                  std::tuple(1, 15, 15, 4));
        // The fixture's four rounds: 13 to 11 (see the fixture test).
        EXPECT_FLOAT_EQ(w.Heim.SaP, 13.0f);
        EXPECT_FLOAT_EQ(w.Gast.SaP, 11.0f);
        std::vector<float> spielerpunkte;
        for (int p = 1; p <= MaxSpieler; ++p) spielerpunkte.push_back(w.Spieler[p].SaP);
        if (runde == 1) ersteSpielerpunkte = spielerpunkte;
        EXPECT_EQ(spielerpunkte, ersteSpielerpunkte);

        ASSERT_TRUE(SpielSpeichern(ziel.path(), 0, {QStringLiteral("Heimspiel")}, &fehler)) << fehler.toStdString();
        const QByteArray gespeichert = DateiInhalt(QDir(ziel.path()).filePath("Spiel0.dat"));
        // Line 16 keeps the file's preset 0; the rest is the fixture as it was.
        EXPECT_EQ(gespeichert, Muster());
        if (runde == 1) erstesSpeichern = gespeichert;
        EXPECT_EQ(gespeichert, erstesSpeichern);
        ASSERT_TRUE(WettkampfSchliessen());
        ablegen(gespeichert);
    }

}

// Whatever preset number line 16 holds, the file's own one stays: a number
// beyond the 16 bits of a preset (-1, 65536, 70000, the largest the line
// can hold), one that names no preset here (5) and one that names a preset
// with other throws (0, "10 Wurf") each load with the stand-in "Zwei Runden"
// shown and the fixture's four rounds, and save to the file as it was, three
// times over. Only a number beyond 64 bits is refused, with its reason.
TEST_F(Spieldatei_, EveryPresetNumberTheLoaderTakesSurvivesSavesAndLoads)
{
    WurfvorwListe = {QStringLiteral("10 Wurf;5;5;12;1;;;Bahn 1 bis 2"),
                     QStringLiteral("Zwei Runden;15;15;12;2;;;Bahn 1 bis 6;Bahn 1 bis 4")};
    ablegen(Cp1252::encode(QStringLiteral("Heimspiel\r\n")), QStringLiteral("Spiele.inf"));
    const struct {
        QByteArray nummer;
        const char* hinweis;
    } faelle[] = {
        {"-1", "Die Wurfvorwahl Nr. 0 des gespeicherten Spiels gibt es auf dieser Anlage nicht"},
        {"65536", "Die Wurfvorwahl Nr. 65537 des gespeicherten Spiels gibt es auf dieser Anlage nicht"},
        {"70000", "Die Wurfvorwahl Nr. 70001 des gespeicherten Spiels gibt es auf dieser Anlage nicht"},
        {"9223372036854775807",
         "Die Wurfvorwahl Nr. 9223372036854775808 des gespeicherten Spiels gibt es auf dieser Anlage nicht"},
        {"5", "Die Wurfvorwahl Nr. 6 des gespeicherten Spiels gibt es auf dieser Anlage nicht"},
        {"0", "Die Wurfvorwahl Nr. 1 des gespeicherten Spiels (15 Volle und 15 Abräumen je Durchgang) ist auf "
              "dieser Anlage jetzt „10 Wurf“ mit anderen Würfen"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.nummer.toStdString());
        // The fixture as the program saved it, line 16 edited by hand.
        const QByteArray bild = MitZeile(16, f.nummer);
        ablegen(bild);
        QTemporaryDir ziel;
        for (int runde = 1; runde <= 3; ++runde) {
            SCOPED_TRACE(runde);
            skriptBoxen().gezeigt.clear();
            ASSERT_TRUE(laden(true)) << fehler.toStdString();
            EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
            EXPECT_THAT(skriptBoxen().gezeigt.value(1).toStdString(),
                        ::testing::StartsWith(QString::fromUtf8(f.hinweis).toStdString()));
            const TWettkampfDaten& w = *AktWettkampf;
            EXPECT_EQ(std::tuple(int(w.Wurfvorwahl), int(w.Volle), int(w.Abraeumen), int(w.Durchgaenge)),
                      std::tuple(1, 15, 15, 4));
            // The fixture's four rounds: set points 13 to 11, 4 match points at home.
            EXPECT_FLOAT_EQ(w.Heim.SaP, 13.0f);
            EXPECT_FLOAT_EQ(w.Gast.SaP, 11.0f);
            EXPECT_FLOAT_EQ(w.Heim.MaP, 4.0f);

            ASSERT_TRUE(SpielSpeichern(ziel.path(), 0, {QStringLiteral("Heimspiel")}, &fehler)) << fehler.toStdString();
            const QByteArray gespeichert = DateiInhalt(QDir(ziel.path()).filePath("Spiel0.dat"));
            EXPECT_EQ(Zeilen(gespeichert).value(16), f.nummer);
            EXPECT_EQ(gespeichert, bild);
            ASSERT_TRUE(WettkampfSchliessen());
            ablegen(gespeichert);
        }
    }

    for (const char* zahl : {"9223372036854775808", "-99999999999999999999"}) {
        const QByteArray nummer(zahl);
        SCOPED_TRACE(nummer.toStdString());
        ablegen(MitZeile(16, nummer));
        fehler.clear();
        EXPECT_FALSE(laden(true));
        EXPECT_THAT(fehler.toStdString(), ::testing::HasSubstr("Zeile 17 („" + nummer.toStdString() +
                                                               "“) ist eine Zahl mit zu vielen Stellen."));
        EXPECT_EQ(std::tuple(WettkampfGeladen, WettkampfAnzahl), std::tuple(0, 0));
    }
}

// The match that next takes the slot of a loaded one with a stand-in (a
// lane handing over its game) writes its own preset, not the file's one of
// the match before.
TEST_F(Spieldatei_, TheNextMatchInTheSlotWritesItsOwnPreset)
{
    WurfvorwListe = {QStringLiteral("10 Wurf;5;5;12;1;;;Bahn 1 bis 2"),
                     QStringLiteral("Zwei Runden;15;15;12;2;;;Bahn 1 bis 6;Bahn 1 bis 4")};
    ablegen(Cp1252::encode(QStringLiteral("Heimspiel\r\n")), QStringLiteral("Spiele.inf"));
    ablegen(Muster());
    ASSERT_TRUE(laden(true)) << fehler.toStdString();
    const TWettkampfDaten* geladen = AktWettkampf;
    ASSERT_EQ(SpielZeilen(*AktWettkampf).at(16), QStringLiteral("0"));  // the file's, not the stand-in 1
    ASSERT_TRUE(WettkampfSchliessen());

    ASSERT_NE(SpielUebernehmen(1, 1, 6, 0, 0), nullptr);
    ASSERT_EQ(AktWettkampf, geladen);
    EXPECT_EQ(SpielZeilen(*AktWettkampf).at(16), QStringLiteral("1"));
}

// Decimals are written with ',' and read with ',' or '.' whatever the locale.
TEST_F(Spieldatei_, DecimalsDoNotFollowTheLocale)
{
    for (const QLocale& l : {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(l);
        SCOPED_TRACE(l.name().toStdString());
        for (const char* text : {"0,5", "0.5"}) {
            ablegen(MitZeile(62, text));  // home VorMaP
            ASSERT_TRUE(laden(true)) << fehler.toStdString();
            EXPECT_FLOAT_EQ(AktWettkampf->Heim.VorMaP, 0.5f);
            EXPECT_EQ(SpielZeilen(*AktWettkampf).at(62), QStringLiteral("0,5"));
            ASSERT_TRUE(WettkampfSchliessen());
        }
    }
}

// The match counts as saved only when the list and the file are both
// written; a failed save keeps the old file and the match changed.
TEST_F(Spieldatei_, FailedSaveKeepsTheOldFileAndTheMatchChanged)
{
    ASSERT_TRUE(WettkampfAnlegen());
    Spielordner = QStringLiteral("/bisher");
    const struct {
        const char* name;
        std::function<void(const QString&)> blockieren;
        bool alteDateiPruefen;
    } faelle[] = {
        {"list is a folder", [](const QString& o) { QDir(o).mkpath(QStringLiteral("Spiele.inf/x")); }, true},
        {"file is a folder", [](const QString& o) { QDir(o).mkpath(QStringLiteral("Spiel0.dat/x")); }, false},
        {"folder missing", [](const QString& o) { QDir(o).removeRecursively(); }, false},
        {"folder read-only",
         [](const QString& o) { QFile::setPermissions(o, QFile::ReadOwner | QFile::ExeOwner); }, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        if (std::string(f.name) == "folder read-only" && geteuid() == 0) continue;  // root writes anyway
        QTemporaryDir d;
        const QString o = d.path() + QStringLiteral("/spiele");
        QDir().mkpath(o);
        ASSERT_TRUE(!f.alteDateiPruefen || DateiAblegen(o, QStringLiteral("Spiel0.dat"), "alt\r\n"));
        f.blockieren(o);
        AktWettkampf->Geaendert = 1;
        fehler.clear();
        EXPECT_FALSE(SpielSpeichern(o, 0, {QStringLiteral("neu")}, &fehler));
        EXPECT_FALSE(fehler.isEmpty());
        EXPECT_EQ(std::tuple(AktWettkampf->Geaendert, Spielordner), std::tuple(1, QStringLiteral("/bisher")));
        EXPECT_NE(AktWettkampf->Speicherordner, o);
        if (f.alteDateiPruefen) {
            EXPECT_EQ(DateiInhalt(o + QStringLiteral("/Spiel0.dat")), QByteArray("alt\r\n"));
        }
        QFile::setPermissions(o, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// Mutated copies of the fixture: the loader (after the file read) never crashes, a refused file
// takes no slot, an accepted one takes exactly one.
TEST_F(Spieldatei_, MutatedFilesNeverCrashOrLeaveASlot)
{
    QStringList muster;
    for (const QByteArray& b : Zeilen(Muster())) muster << Cp1252::decode(b);
    std::mt19937 zufall(4711);
    auto wahl = [&](int n) { return int(zufall() % unsigned(n)); };
    const char* const muell[] = {"", " ", "-1", "99999999999", "65536", "-2147483649", "1e9", "x", ".", ",",
                                 "True", " . ", ";", "1.2.3", "\u00ff\u00fe", "0x10", "+5", "255", "256", "-0"};
    vorherOffen();
    int geladen = 0;
    for (int runde = 0; runde < 2000; ++runde) {
        // The lines as the file reader gives them; bad files go through the
        // file in the tests above.
        QStringList z = muster;
        for (int m = 0, anzahl = 1 + wahl(3); m < anzahl; ++m) {
            const int n = wahl(int(z.size()));
            switch (wahl(5)) {
            case 0: z[n] = QString::fromUtf8(muell[wahl(std::size(muell))]); break;
            case 1: z.removeAt(n); break;
            case 2: z.insert(n, z.at(n)); break;
            case 3: z[n] = QString::number(int(zufall() % 70000) - 1000); break;
            default: z[n].insert(wahl(int(z[n].size()) + 1), Cp1252::toUnicode(u8(zufall() % 256))); break;
            }
        }
        fehler.clear();
        if (SpielZeilenLaden(z, wahl(2) == 0, &fehler)) {
            ++geladen;
            ASSERT_EQ(WettkampfAnzahl, 2);
            // Free the slot again without the closing dialogs.
            WettkampfBelegt[2] = 0;
            WettkampfAnzahl = AktWettkampfNr = 1;
            AktWettkampf = &Wettkaempfe[1];
        } else {
            ASSERT_EQ(WettkampfAnzahl, 1) << runde;
            ASSERT_EQ(AktWettkampf, &Wettkaempfe[1]) << runde;
            ASSERT_FALSE(fehler.isEmpty()) << runde;
        }
    }
    // Both outcomes occur.
    EXPECT_GT(geladen, 100);
    EXPECT_LT(geladen, 1900);
}

}  // namespace
