// The text tables of the export: whole files, byte for byte, against what
// the match holds; a file that cannot be written.
#include "competition/Export.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "support/Dateien.h"
#include "support/Dateigrenze.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <tuple>

namespace {

// The file for lines written with '\n': Windows-1252 with CR LF.
QByteArray Datei(const char* utf8)
{
    return Cp1252::encode(QString::fromUtf8(utf8).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

template <std::size_t N, typename Z>
void setze(TextZahl<N, Z>& feld, int zahl)
{
    feld.Text = QByteArray::number(zahl).constData();
    feld.Zahl = Z(zahl);
}

struct Ergebnis {
    int volle, abr, fehler, total;
};

void spieler(TWettkampfDaten& w, int nr, const char* name, const char* pass, const char* geb, Ergebnis e, int wurf,
             int ersetztDurch = 0)
{
    TSpielerEintrag& p = w.Spieler[nr];
    p.Name.setzenText(QString::fromUtf8(name));
    p.Pass = pass;
    p.Gebdat = geb;
    setze(p.Volle, e.volle);
    setze(p.Abr, e.abr);
    setze(p.Fehler, e.fehler);
    setze(p.Total, e.total);
    setze(p.Wurf, wurf);
    p.ErsetztDurch = u8(ersetztDurch);
}

void satz(TWettkampfDaten& w, int nr, int s, Ergebnis e, float sap)
{
    TDurchgangBlock& b = w.Spieler[nr].Durchgang[s];
    setze(b.Volle, e.volle);
    setze(b.Abr, e.abr);
    setze(b.Fehler, e.fehler);
    setze(b.Total, e.total);
    b.SaP = sap;
}

void mannschaft(TMannschaftBlock& m, Ergebnis e, int wuerfe, float sap, float map, float ergMap)
{
    setze(m.Volle, e.volle);
    setze(m.Abr, e.abr);
    setze(m.Fehler, e.fehler);
    setze(m.Total, e.total);
    setze(m.Wuerfe, wuerfe);
    m.SaP = sap;
    m.MaP = map;
    m.ErgebnisMaP = ergMap;
}

// Home starter 2 was replaced by 7 and 7 by 8; guest starter 1 (9) by 15.
// Every set's pins add up to the players' totals.
std::unique_ptr<TWettkampfDaten> Spiel()
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Spielart = "Meisterschaft";
    w->Gruppe = "Herren";
    w->Klasse = "Bezirksliga";
    w->Datum = "14.09.24";
    w->Beginn = "14:00:00";
    w->Ende = "17:35:12";
    w->Spielnummer = "1234";
    w->Spieltag = "3";
    w->BahnenOk = 1;
    w->PaesseOk = 1;
    w->Protest = 1;
    w->Heimmannschaft.setzenText(QStringLiteral("KSV Grün-Weiß 1"));
    w->Gastmannschaft.setzenText(QStringLiteral("SG Holzkönige"));
    mannschaft(w->Heim, {3110, 1490, 42, 4600}, 720, 14.5f, 5, 6);
    mannschaft(w->Gast, {3050, 1400, 51, 4450}, 720, 9.5f, 3, 2);

    spieler(*w, 1, "Hans Müller", "123456", "01.02.80", {390, 185, 3, 575}, 120);
    satz(*w, 1, 1, {100, 45, 1, 145}, 1);
    satz(*w, 1, 2, {95, 50, 0, 145}, 0.5f);
    satz(*w, 1, 3, {98, 40, 2, 138}, 0);
    satz(*w, 1, 4, {97, 50, 0, 147}, 1);
    w->Spieler[1].SaP = 2.5f;
    w->Spieler[1].MaP = 1;

    spieler(*w, 2, "Jörg Schmidt", "234567", "15.07.75", {96, 44, 1, 140}, 30, 7);
    satz(*w, 2, 1, {96, 44, 1, 140}, 0);
    w->Spieler[2].Durchgang[2].SaP = 0.5f;
    w->Spieler[2].SaP = 0.5f;
    spieler(*w, 7, "Kai Weber", "345678", "03.03.99", {149, 72, 1, 221}, 60, 8);
    satz(*w, 7, 2, {99, 52, 0, 151}, 1);
    satz(*w, 7, 3, {50, 20, 1, 70}, 0.5f);
    w->Spieler[7].SaP = 1.5f;
    spieler(*w, 8, "Tim Koch", "456780", "11.11.01", {146, 79, 2, 225}, 60);
    satz(*w, 8, 3, {45, 30, 0, 75}, 0.5f);
    satz(*w, 8, 4, {101, 49, 2, 150}, 1);
    w->Spieler[8].SaP = 1.5f;

    spieler(*w, 9, "Uwe Braun", "456789", "24.12.68", {192, 88, 3, 280}, 60, 15);
    satz(*w, 9, 1, {102, 48, 0, 150}, 0);
    satz(*w, 9, 2, {90, 40, 3, 130}, 0.5f);
    w->Spieler[9].SaP = 0.5f;
    spieler(*w, 15, "Ole Lang", "567890", "05.05.05", {196, 98, 1, 294}, 60);
    satz(*w, 15, 3, {97, 53, 1, 150}, 1);
    satz(*w, 15, 4, {99, 45, 0, 144}, 0);
    w->Spieler[15].SaP = 1;
    return w;
}

const char* const Kopf = "Meisterschaft; Herren; Bezirksliga\n"
                         "Datum: 14.09.24; Spielbeginn: 14:00:00; Spielende: 17:35:12\n"
                         "Spielnummer: 1234; WettkTag: 3\n"
                         "Bahnen Ok: Ja; Pässe Ok: Ja; Verwarnungen: Nein; Verletzungen: Nein; Protest: Ja\n"
                         "Heimmannschaft:\n";

const char* const SpielPlain = R"(Mannschaft; Volle; Abr; Fehler; Total; Wurf
KSV Grün-Weiß 1; 3110; 1490; 42; 4600; 720
Heimspieler:
Name; Passnummer; Gebdatum; Volle; Abr; Fehler; Total; Wurf; Ersatz
Heimspieler 1:
Hans Müller; 123456; 01.02.80; 390; 185; 3; 575; 120; 0
Heimspieler 2:
Jörg Schmidt; 234567; 15.07.75; 96; 44; 1; 140; 30; 7
Heimspieler 3:
; ; ; ; ; ; ; ; 0
Heimspieler 4:
; ; ; ; ; ; ; ; 0
Heimspieler 5:
; ; ; ; ; ; ; ; 0
Heimspieler 6:
; ; ; ; ; ; ; ; 0
Heimspieler 7:
Kai Weber; 345678; 03.03.99; 149; 72; 1; 221; 60; 8
Heimspieler 8:
Tim Koch; 456780; 11.11.01; 146; 79; 2; 225; 60; 0
Gastmannschaft:
Mannschaft; Volle; Abr; Fehler; Total; Wurf
SG Holzkönige; 3050; 1400; 51; 4450; 720
Gastspieler:
Name; Passnummer; Gebdatum; Volle; Abr; Fehler; Total; Wurf; Ersatz
Gastspieler 1:
Uwe Braun; 456789; 24.12.68; 192; 88; 3; 280; 60; 15
Gastspieler 2:
; ; ; ; ; ; ; ; 0
Gastspieler 3:
; ; ; ; ; ; ; ; 0
Gastspieler 4:
; ; ; ; ; ; ; ; 0
Gastspieler 5:
; ; ; ; ; ; ; ; 0
Gastspieler 6:
; ; ; ; ; ; ; ; 0
Gastspieler 7:
Ole Lang; 567890; 05.05.05; 196; 98; 1; 294; 60; 0
Gastspieler 8:
; ; ; ; ; ; ; ; 0
)";

// With ", ": every field after the first begins with a blank. A home set
// line ends with the match points "0", a guest set line one field earlier.
const char* const PunkteKopf = R"(Meisterschaft, Herren, Bezirksliga
Datum: 14.09.24, Spielbeginn: 14:00:00, Spielende: 17:35:12
Spielnummer: 1234, WettkTag: 3
Bahnen Ok: Ja, Pässe Ok: Ja, Verwarnungen: Nein, Verletzungen: Nein, Protest: Ja
Heimmannschaft:
Mannschaft, Volle, Abr, Fehler, Total, Wurf, SaP, MaP, ErgMaP
KSV Grün-Weiß 1, 3110, 1490, 42, 4600, 720, 14.5, 5.0, 6.0
Heimspieler:
Name, Passnummer, Gebdatum
Satz, Volle, Abr, Fehler, Total, SaP, MaP
Heimspieler 1:
Hans Müller, 123456, 01.02.80
1, 100, 45, 1, 145, 1.0, 0
2, 95, 50, 0, 145, 0.5, 0
3, 98, 40, 2, 138, 0.0, 0
4, 97, 50, 0, 147, 1.0, 0
5, 390, 185, 3, 575, 2.5, 1.0
Heimspieler 2:
Jörg Schmidt, 234567, 15.07.75
Kai Weber, 345678, 03.03.99
Tim Koch, 456780, 11.11.01
1, 96, 44, 1, 140, 0.0, 0
2, 99, 52, 0, 151, 0.5, 0
3, 95, 50, 1, 145, 0.0, 0
4, 101, 49, 2, 150, 0.0, 0
5, 391, 195, 4, 586, 0.5, 0.0
)";
const char* const PunkteGast = R"(Gastmannschaft:
Mannschaft, Volle, Abr, Fehler, Total, Wurf, SaP, MaP, ErgMaP
SG Holzkönige, 3050, 1400, 51, 4450, 720, 9.5, 3.0, 2.0
Gastspieler:
Name, Passnummer, Gebdatum
Satz, Volle, Abr, Fehler, Total, SaP, MaP
Gastspieler 1:
Uwe Braun, 456789, 24.12.68
Ole Lang, 567890, 05.05.05
1, 102, 48, 0, 150, 0.0
2, 90, 40, 3, 130, 0.5
3, 97, 53, 1, 150, 0.0
4, 99, 45, 0, 144, 0.0
5, 388, 186, 4, 574, 0.5, 0.0
)";
// A starter without name and pins, home ("%1" is the number) and guest.
const char* const PunkteHeimLeer = R"(Heimspieler %1:
, , 
1, 0, 0, 0, 0, 0.0, 0
2, 0, 0, 0, 0, 0.0, 0
3, 0, 0, 0, 0, 0.0, 0
4, 0, 0, 0, 0, 0.0, 0
5, 0, 0, 0, 0, 0.0, 0.0
)";
const char* const PunkteGastLeer = R"(Gastspieler %1:
, , 
1, 0, 0, 0, 0, 0.0
2, 0, 0, 0, 0, 0.0
3, 0, 0, 0, 0, 0.0
4, 0, 0, 0, 0, 0.0
5, 0, 0, 0, 0, 0.0, 0.0
)";

QByteArray SpielPunkte()
{
    QByteArray d = Datei(PunkteKopf);
    for (int k = 3; k <= 6; ++k) d += Datei(PunkteHeimLeer).replace("%1", QByteArray::number(k));
    d += Datei(PunkteGast);
    for (int k = 2; k <= 6; ++k) d += Datei(PunkteGastLeer).replace("%1", QByteArray::number(k));
    return d;
}

// Throw list with a tab and a blank between the fields: two Volle and one
// Abräumen throw a lane. Home 1 played lanes 1 to 4 with throws on his first
// lane only; guest 1 lanes 3, 4, 1, 2 with one throw, his second, on lane 1.
const char* const Wurfliste = "Heimspieler 1\n"
                              "Name\n"
                              "Hans Müller\n"
                              "Bahn1\t Bahn2\t Bahn3\t Bahn4\n"
                              "111111111 00000000\t kein Wurf\t kein Wurf\t kein Wurf\n"
                              "101010000 00000001\t kein Wurf\t kein Wurf\t kein Wurf\n"
                              "000000000 11000000\t kein Wurf\t kein Wurf\t kein Wurf\n"
                              "\n";
const char* const WurflisteGast = "Gastspieler 1\n"
                                  "Name\n"
                                  "Uwe Braun\n"
                                  "Bahn3\t Bahn4\t Bahn1\t Bahn2\n"
                                  "kein Wurf\t kein Wurf\t kein Wurf\t kein Wurf\n"
                                  "kein Wurf\t kein Wurf\t 000000001 00001000\t kein Wurf\n"
                                  "kein Wurf\t kein Wurf\t kein Wurf\t kein Wurf\n"
                                  "\n";
// A player without lanes: "%1" is "Heimspieler <k>" or "Gastspieler <k>", "%2" his name.
const char* const WurflisteOhneBahn = "%1\n"
                                      "Name\n"
                                      "%2\n"
                                      "Bahn0\t Bahn0\t Bahn0\t Bahn0\n"
                                      "kein Wurf\t kein Wurf\t kein Wurf\t kein Wurf\n"
                                      "kein Wurf\t kein Wurf\t kein Wurf\t kein Wurf\n"
                                      "kein Wurf\t kein Wurf\t kein Wurf\t kein Wurf\n"
                                      "\n";

QByteArray OhneBahn(const char* vorlage, const QString& seite, int k, const char* name)
{
    return Datei(QString::fromUtf8(vorlage).arg(seite + QStringLiteral(" %1").arg(k), QString::fromUtf8(name)).toUtf8());
}

// Names of players 2 to 8 of each side.
const char* const HeimNamen[] = {"Jörg Schmidt", "", "", "", "", "Kai Weber", "Tim Koch"};
const char* const GastNamen[] = {"", "", "", "", "", "Ole Lang", ""};

class Export : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        w = Spiel();
    }
    QString pfad(const char* name) const { return QDir(tmp.path()).filePath(QLatin1String(name)); }
    // Writes the table with the separator; the file's bytes.
    QByteArray exportieren(Exportart art, const QString& trenner)
    {
        Trennzeichen = trenner;
        QString fehler;
        EXPECT_TRUE(SpieldatenExportieren(*w, art, pfad("x.csv"), &fehler)) << fehler.toStdString();
        EXPECT_TRUE(fehler.isEmpty());
        return DateiInhalt(pfad("x.csv"));
    }

    QTemporaryDir tmp;
    std::unique_ptr<TWettkampfDaten> w;
};

TEST(ExportWahl, SeparatorsFileNamesAndFolder)
{
    for (const auto& [auswahl, trenner] : {std::tuple(0, "; "), {1, ", "}, {2, "\t "}, {7, "; "}})
        EXPECT_EQ(ExportTrennzeichen(auswahl), QLatin1String(trenner)) << auswahl;
    for (const auto& [art, nr, name] : {std::tuple(Exportart::Spiel, 1, "Spiel1.csv"),
                                        {Exportart::Wurfliste, 6, "Wurfliste6.csv"},
                                        {Exportart::Bild, 3, "Spielbericht3.bmp"}})
        EXPECT_EQ(ExportDateiname(art, nr), QLatin1String(name));

    const QString daten = Datenverzeichnis;
    Datenverzeichnis = QStringLiteral("/daten");
    Einst.ExportDir.clear();
    EXPECT_EQ(ExportOrdner(), QStringLiteral("/daten"));
    Einst.ExportDir = QStringLiteral("/export");
    EXPECT_EQ(ExportOrdner(), QStringLiteral("/export"));
    Datenverzeichnis = daten;
    Einst.ExportDir.clear();
}

TEST_F(Export, WholeMatchWithoutPointsIsThePlainTable)
{
    Einst.Punkteanzeige = true;  // shown elsewhere, not a game with points
    const QByteArray datei = exportieren(Exportart::Spiel, QStringLiteral("; "));
    EXPECT_EQ(datei, Datei(Kopf) + Datei(SpielPlain));
    // Windows-1252 and CR LF.
    EXPECT_TRUE(datei.contains("Bahnen Ok: Ja; P\xE4sse Ok: Ja; ")) << datei.left(300).toStdString();
    EXPECT_TRUE(datei.endsWith("Gastspieler 8:\r\n; ; ; ; ; ; ; ; 0\r\n"));
}

TEST_F(Export, GameWithPointsListsStartersWithTheirSubstitutes)
{
    w->Punktespiel = 1;
    EXPECT_EQ(exportieren(Exportart::Spiel, QStringLiteral(", ")), SpielPunkte());
    // The named writers ignore the match's kind.
    Trennzeichen = QStringLiteral("; ");
    EXPECT_TRUE(SpielExportieren(*w, pfad("plain.csv"), nullptr));
    EXPECT_EQ(DateiInhalt(pfad("plain.csv")), Datei(Kopf) + Datei(SpielPlain));
}

TEST_F(Export, ThrowListGivesEveryThrowOfTheFourLanes)
{
    w->Volle = 2;
    w->Abraeumen = 1;
    for (int b = 1; b <= 4; ++b) {
        w->Spieler[1].Durchgang[b].Bahn = u8(b);
        w->Spieler[9].Durchgang[b].Bahn = u8((b + 1) % 4 + 1);
    }
    TDurchgangBlock& d = w->Spieler[1].Durchgang[1];
    d.Wurfbild[1] = WurfbildVorhanden | 0x1FF;
    d.Wurfbild[2] = WurfbildVorhanden | 0x015;  // pins 1, 3, 5
    d.Wurfart[2] = WurfartVerwarnung;
    d.Wurfbild[3] = WurfbildVorhanden;
    d.Wurfart[3] = WurfartZeitGeaendert | WurfartFoul;  // only the low byte is written
    w->Spieler[1].Durchgang[2].Wurfbild[1] = WurfbildZahlEingabe | 5;  // not there
    w->Spieler[1].Durchgang[2].Wurfbild[4] = WurfbildVorhanden;        // beyond the throws
    w->Spieler[9].Durchgang[3].Wurfbild[2] = WurfbildVorhanden | 0x100;
    w->Spieler[9].Durchgang[3].Wurfart[2] = WurfartKorrektur;

    QByteArray erwartet = Datei(Wurfliste);
    for (int k = 2; k <= 8; ++k) erwartet += OhneBahn(WurflisteOhneBahn, QStringLiteral("Heimspieler"), k, HeimNamen[k - 2]);
    erwartet += Datei(WurflisteGast);
    for (int k = 2; k <= 8; ++k) erwartet += OhneBahn(WurflisteOhneBahn, QStringLiteral("Gastspieler"), k, GastNamen[k - 2]);
    EXPECT_EQ(exportieren(Exportart::Wurfliste, QStringLiteral("\t ")), erwartet);
}

TEST_F(Export, ThrowListWithoutThrowsHasNameAndLanesOnly)
{
    w->Spieler[1].Durchgang[1].Bahn = 5;
    w->Spieler[1].Durchgang[1].Wurfbild[1] = WurfbildVorhanden;
    QByteArray erwartet = Datei("Heimspieler 1\nName\nHans Müller\nBahn5; Bahn0; Bahn0; Bahn0\n\n");
    const char* const ohneWurf = "%1\nName\n%2\nBahn0; Bahn0; Bahn0; Bahn0\n\n";
    for (int k = 2; k <= 8; ++k) erwartet += OhneBahn(ohneWurf, QStringLiteral("Heimspieler"), k, HeimNamen[k - 2]);
    erwartet += Datei("Gastspieler 1\nName\nUwe Braun\nBahn0; Bahn0; Bahn0; Bahn0\n\n");
    for (int k = 2; k <= 8; ++k) erwartet += OhneBahn(ohneWurf, QStringLiteral("Gastspieler"), k, GastNamen[k - 2]);
    EXPECT_EQ(exportieren(Exportart::Wurfliste, QStringLiteral("; ")), erwartet);
}

TEST_F(Export, AFileThatCannotBeWrittenIsReportedAndTheOldOneStays)
{
    Trennzeichen = QStringLiteral("; ");
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Spiel1.csv"), "alt"));
    struct Fall {
        const char* wie;
        QString datei;
        rlim_t grenze;  // 0: none
        const char* grund;  // null: the system's words
    };
    const Fall faelle[] = {
        {"full disk", pfad("Spiel1.csv"), 200, "(kein Speicherplatz mehr frei)"},
        {"missing folder", pfad("fehlt/Spiel1.csv"), 0, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        QString fehler;
        bool ok = true;
        {
            std::unique_ptr<Dateigrenze> voll;
            if (f.grenze) {
                voll = std::make_unique<Dateigrenze>(f.grenze);
                ASSERT_TRUE(voll->gesetzt());
            }
            ok = SpieldatenExportieren(*w, Exportart::Spiel, f.datei, &fehler);
        }
        EXPECT_FALSE(ok);
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei „") + QDir::toNativeSeparators(f.datei) +
                                      QStringLiteral("“ konnte nicht exportiert werden (")))
            << fehler.toStdString();
        if (f.grund) {
            EXPECT_TRUE(fehler.contains(QLatin1String(f.grund))) << fehler.toStdString();
        }
        EXPECT_TRUE(fehler.endsWith(QStringLiteral(").\nEine vorhandene Datei dieses Namens bleibt unverändert.")));
    }
    EXPECT_EQ(DateiInhalt(pfad("Spiel1.csv")), QByteArray("alt"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Spiel1.csv")});

    // The picture needs a layout: it is not written here.
    QString fehler;
    EXPECT_FALSE(SpieldatenExportieren(*w, Exportart::Bild, pfad("Spielbericht1.bmp"), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(pfad("Spielbericht1.bmp")));
}

}  // namespace
