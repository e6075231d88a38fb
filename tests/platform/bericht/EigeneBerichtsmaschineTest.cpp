#include "platform/bericht/Berichtsoberflaeche.h"
#include "platform/bericht/Berichtsseite.h"
#include "platform/bericht/EigeneBerichtsmaschine.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Records what the engine shows and answers from its fields.
class Aufzeichnung : public Berichtsoberflaeche {
public:
    int abbrechenAb = 0;  // fortschritt: false from this call on (1-based; 0: never)
    int fortschritte = 0, druckerAntwort = BerichtOk, dialogAntwort = BerichtOk, dialogKopienBekommen = 0;
    int dialogKopien = -1;  // -1: keep
    int druckKopien = 0, druckauftraege = 0;
    QStringList ereignisse, hinweise;
    QList<Berichtsseite> gedruckt, vorschau;
    QString druckTitel, vorschauTitel, gewaehlt, dialogTitel;
    Berichtswerte variablen, felder;

    void fortschrittOeffnen(QWidget*, const QString& titel) override { ereignisse << "auf:" + titel; }
    bool fortschritt(const QString& text, int prozent) override
    {
        ereignisse << QStringLiteral("%1:%2").arg(text).arg(prozent);
        return abbrechenAb == 0 || ++fortschritte < abbrechenAb;
    }
    void fortschrittSchliessen() override { ereignisse << "zu"; }
    void hinweis(QWidget*, const QString&, const QString& text) override { hinweise << text; }
    int druckoptionen(QWidget*, const QString& titel, int& kopien, QString*) override
    {
        dialogTitel = titel;
        dialogKopienBekommen = kopien;
        if (dialogKopien >= 0) kopien = dialogKopien;
        return dialogAntwort;
    }
    QString druckername() override { return QStringLiteral("Laser"); }
    int drucken(const QList<Berichtsseite>& seiten, const QString& titel, int kopien, QString* fehler) override
    {
        ++druckauftraege;
        std::tie(gedruckt, druckTitel, druckKopien) = std::tuple(seiten, titel, kopien);
        if (druckerAntwort != BerichtOk) *fehler = QStringLiteral("Papierstau");
        return druckerAntwort;
    }
    int vorschauZeigen(QWidget*, const QString& titel, const QList<Berichtsseite>& seiten) override
    {
        std::tie(vorschauTitel, vorschau) = std::tuple(titel, seiten);
        return BerichtOk;
    }
    int entwerfen(QWidget*, const QString&, int, const QString&, const Berichtswerte& v, const Berichtswerte& f) override
    {
        std::tie(variablen, felder) = std::tuple(v, f);
        return BerichtOk;
    }
    int dateiWaehlen(QWidget*, const QString&, int, QString& datei) override
    {
        if (gewaehlt.isEmpty()) return BerichtAbgebrochen;
        datei = gewaehlt;
        return BerichtOk;
    }
};

QByteArray Projekt(const char* typ, const char* objekte)
{
    return QByteArray(R"({"format": "corvalink-berichtsprojekt", "version": 1, "typ": ")") + typ +
           R"(", "seite": {"format": "A4", "ausrichtung": "hoch"}, "objekte": [)" + objekte + "]}";
}

// Table 63 mm high, rows 6 mm and a 6 mm header: 9 rows a page (a tenth
// would end at 66 mm).
const QByteArray Liste = Projekt("liste", R"(
    {"art": "text", "rechteck_mm": [10, 10, 190, 8], "text": "Spieler von {Verein}"},
    {"art": "tabelle", "rechteck_mm": [10, 20, 190, 63], "zeilenhoehe_mm": 6, "kopf": true,
     "spalten": [{"titel": "Name", "breite_mm": 100, "inhalt": "{Spieler.Name}"},
                 {"titel": "Pass", "breite_mm": 90, "inhalt": "{Spieler.Pass}"}]})");
const QByteArray Karte = Projekt("karte", R"({"art": "text", "rechteck_mm": [10, 10, 190, 8], "text": "Heim: {Heim}"})");

QStringList Texte(const Berichtsseite& seite)
{
    QStringList texte;
    for (const Berichtselement& e : seite.elemente)
        if (e.art == Berichtselement::Art::Text) texte << e.text;
    return texte;
}

class EigeneBerichtsmaschineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        BerichtsoberflaecheSetzen(&ui);
        job = m.LlJobOpen(-1);
        ASSERT_GE(job, 0);
        liste = schreiben("Spielerdaten.lst", Liste);
        karte = schreiben("Spiel.crd", Karte);
    }
    void TearDown() override { BerichtsoberflaecheSetzen(nullptr); }

    QString schreiben(const QString& name, const QByteArray& text)
    {
        QFile f(ordner.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        return f.fileName();
    }

    // A card session with "Heim" = heim, printed once and ended.
    int karteDrucken(int optionen, const QString& heim, const QString& format = {})
    {
        m.LlDefineVariableStart(job);
        m.LlDefineVariableExt(job, "Heim", heim, WerttypText, 0);
        EXPECT_EQ(m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, optionen, 3, nullptr, "drucke Spiel"), 0);
        EXPECT_EQ(format.isEmpty() ? 0 : m.LlPrintSetOptionString(job, DruckoptionExport, format), 0);
        EXPECT_EQ(m.LlPrint(job), 0);
        return m.LlPrintEnd(job, 0);
    }

    // Rows 1..n of a list the way the component drives it: a page, the rows
    // until one comes back full, the next page, the same row again.
    int listeDrucken(int n)
    {
        m.LlDefineVariableStart(job);
        m.LlDefineVariableExt(job, "Verein", "KSV", WerttypText, 0);
        EXPECT_EQ(m.LlPrintWithBoxStart(job, ProjekttypListe, liste, AusgabeDrucker, 3, nullptr, "drucke Liste"), 0);
        int r = m.LlPrint(job);
        for (int i = 1; i <= n && r == 0; ++i) {
            m.LlDefineFieldStart(job);
            m.LlDefineFieldExt(job, "Spieler.Name", QStringLiteral("Spieler %1").arg(i), WerttypText, 0);
            m.LlDefineFieldExt(job, "Spieler.Pass", QString::number(1000 + i), WerttypZahl, 0);
            r = m.LlPrintSetBoxText(job, "Laser", i * 100 / n);
            if (r != 0) break;
            r = m.LlPrintFields(job);
            if (r == BerichtSeiteVoll) {
                ++neueSeiten;
                EXPECT_EQ(m.LlPrint(job), 0);
                r = m.LlPrintFields(job);
                EXPECT_EQ(r, 0) << "row " << i << " on a fresh page";
            }
        }
        EXPECT_EQ(m.LlPrintFieldsEnd(job), 0);
        const int ende = m.LlPrintEnd(job, 0);
        return r != 0 ? r : ende;
    }

    QTemporaryDir ordner;
    Aufzeichnung ui;
    EigeneBerichtsmaschine m;
    int job = -1, neueSeiten = 0;
    QString liste, karte;
};

TEST_F(EigeneBerichtsmaschineTest, JobsOpenInTheirLanguagesAndAreSeparate)
{
    for (int sprache : {-1, 0, 41}) EXPECT_GE(m.LlJobOpen(sprache), 0) << sprache;
    for (int sprache : {-2, 42, 1000}) EXPECT_EQ(m.LlJobOpen(sprache), BerichtSpracheFehlt) << sprache;
    const int zweiter = m.LlJobOpen(1);
    EXPECT_GT(zweiter, job);

    EXPECT_EQ(m.LlGetOption(job, 42), 0);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionKopien), 1);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionKopienDurchDrucker), 1);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionZiel), 0);
    m.LlSetOption(job, 42, 1);
    m.LlPrintSetOption(job, DruckoptionKopien, 4);
    EXPECT_EQ(m.LlGetOption(job, 42), 1);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionKopien), 4);
    EXPECT_EQ(m.LlGetOption(zweiter, 42), 0);
    EXPECT_EQ(m.LlPrintGetOption(zweiter, DruckoptionKopien), 1);

    m.LlJobClose(zweiter);
    EXPECT_EQ(m.LlGetOption(zweiter, 42), BerichtFehler);
}

TEST_F(EigeneBerichtsmaschineTest, UnknownJobIsAnError)
{
    const int fremd = job + 100;
    QString a, b;
    EXPECT_EQ(m.LlSetOption(fremd, 1, 1), BerichtFehler);
    EXPECT_EQ(m.LlDefineVariableStart(fremd), BerichtFehler);
    EXPECT_EQ(m.LlDefineFieldExt(fremd, "a", "b", WerttypText, 0), BerichtFehler);
    EXPECT_EQ(m.LlPrintWithBoxStart(fremd, ProjekttypKarte, karte, AusgabeDrucker, 3, nullptr, "t"), BerichtFehler);
    EXPECT_EQ(m.LlPrint(fremd), BerichtFehler);
    EXPECT_EQ(m.LlPrintEnd(fremd, 0), BerichtFehler);
    EXPECT_EQ(m.LlPrintGetPrinterInfo(fremd, a, b), BerichtFehler);
    EXPECT_EQ(m.LlPreviewDisplay(fremd, karte, {}, nullptr), BerichtFehler);
    EXPECT_EQ(m.LlXSetParameter(fremd, 1, "HTML", "Export.File", "x"), BerichtFehler);
    EXPECT_FALSE(m.LlGetErrortext(fremd).isEmpty());
    // Calls out of order on a real job.
    EXPECT_EQ(m.LlPrint(job), BerichtFehler);
    EXPECT_EQ(m.LlPrintEnd(job, 0), BerichtFehler);
    EXPECT_FALSE(m.LlGetErrortext(job).isEmpty());
}

TEST_F(EigeneBerichtsmaschineTest, DesignerGetsTheDefinitionsInOrderWithTheLastValue)
{
    m.LlDefineVariableStart(job);
    m.LlDefineVariableExt(job, "B", "1", WerttypZahl, 0);
    m.LlDefineVariableExt(job, "A", "x", WerttypText, 0);
    m.LlDefineVariableExt(job, "B", "2", WerttypZahl, 0);
    m.LlDefineChartFieldStart(job);
    m.LlDefineFieldStart(job);
    m.LlDefineFieldExt(job, "F", "alt", WerttypText, 0);
    m.LlDefineFieldStart(job);
    m.LlDefineFieldExt(job, "G", "T", WerttypLogisch, 0);
    EXPECT_EQ(m.LlDefineLayout(job, nullptr, "Formulardesign", ProjekttypKarte, karte), 0);
    EXPECT_EQ(ui.variablen, (Berichtswerte{{"B", "2", WerttypZahl}, {"A", "x", WerttypText}}));
    EXPECT_EQ(ui.felder, (Berichtswerte{{"G", "T", WerttypLogisch}}));
}

TEST_F(EigeneBerichtsmaschineTest, FileDialogCutsTheChoiceAndKeepsTheStartOnCancel)
{
    QString datei = "start.crd";
    EXPECT_EQ(m.LlSelectFileDlgTitleEx(job, nullptr, {}, ProjekttypKarte, datei, 100), BerichtAbgebrochen);
    EXPECT_EQ(datei, "start.crd");
    ui.gewaehlt = "/daten/sehr/lang.crd";
    EXPECT_EQ(m.LlSelectFileDlgTitleEx(job, nullptr, {}, ProjekttypKarte, datei, 10), 0);
    EXPECT_EQ(datei, "/daten/seh");
}

TEST_F(EigeneBerichtsmaschineTest, SixtyRowsBreakIntoSevenPagesWithTheHeaderOnEach)
{
    ASSERT_EQ(listeDrucken(60), 0);
    // 9 rows a page: 6 full pages and 6 rows on the seventh.
    EXPECT_EQ(neueSeiten, 6);
    ASSERT_EQ(ui.gedruckt.size(), 7);
    EXPECT_EQ(ui.druckTitel, "Spielerdaten");
    int zeile = 1;
    for (int s = 0; s < 7; ++s) {
        const Berichtsseite& seite = ui.gedruckt[s];
        EXPECT_TRUE(Texte(seite).contains("Spieler von KSV")) << s;
        const auto t = std::ranges::find(seite.elemente, Berichtselement::Art::Tabelle, &Berichtselement::art);
        ASSERT_NE(t, seite.elemente.cend()) << s;
        EXPECT_TRUE(t->kopf);
        EXPECT_EQ(t->spalten.value(0).titel + t->spalten.value(1).titel, "NamePass");
        ASSERT_EQ(t->zeilen.size(), s < 6 ? 9 : 6) << s;
        for (const QStringList& z : t->zeilen) {
            EXPECT_EQ(z, (QStringList{QStringLiteral("Spieler %1").arg(zeile), QString::number(1000 + zeile)}));
            ++zeile;
        }
    }
    EXPECT_EQ(zeile, 61);
    EXPECT_EQ(ui.ereignisse.first(), "auf:drucke Liste");
    EXPECT_EQ(ui.ereignisse.last(), "zu");
    EXPECT_TRUE(ui.ereignisse.contains("Laser:100"));
}

// 10000 pages are the most a session makes: page 10001 is refused and the
// 10000 go to the printer.
TEST_F(EigeneBerichtsmaschineTest, TheTenThousandAndFirstPageIsRefused)
{
    m.LlDefineVariableStart(job);
    ASSERT_EQ(m.LlPrintStart(job, ProjekttypKarte, karte, AusgabeDrucker, 0), 0);
    for (int seite = 1; seite <= 10000; ++seite) ASSERT_EQ(m.LlPrint(job), 0) << seite;
    EXPECT_EQ(m.LlPrint(job), BerichtFehler);
    EXPECT_EQ(m.LlGetErrortext(job), QStringLiteral("Der Bericht hat mehr als 10000 Seiten."));
    EXPECT_EQ(m.LlPrintEnd(job, 0), 0);
    EXPECT_EQ(ui.gedruckt.size(), 10000);
}

TEST_F(EigeneBerichtsmaschineTest, CancelInTheBoxPrintsNothing)
{
    ui.abbrechenAb = 5;
    EXPECT_EQ(listeDrucken(60), BerichtAbgebrochen);
    EXPECT_EQ(ui.druckauftraege, 0);
    EXPECT_EQ(ui.ereignisse.last(), "zu");

    // Once cancelled, the session stays cancelled until its end.
    ui.abbrechenAb = 1;
    ui.fortschritte = 0;
    ASSERT_EQ(m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, AusgabeDrucker, 3, nullptr, "t"), 0);
    EXPECT_EQ(m.LlPrintSetBoxText(job, "x", 150), BerichtAbgebrochen);
    EXPECT_EQ(ui.ereignisse.last(), "x:100");
    EXPECT_EQ(m.LlPrintSetBoxText(job, "x", 50), BerichtAbgebrochen);
    EXPECT_EQ(m.LlPrint(job), BerichtAbgebrochen);
    EXPECT_EQ(m.LlPrintEnd(job, 0), 0);
    EXPECT_EQ(ui.druckauftraege, 0);
}

TEST_F(EigeneBerichtsmaschineTest, StartRejectsMissingForeignAndMismatchedProjects)
{
    const QString fremd = schreiben("Alt.crd", QByteArray("\x01\x02LL-Projekt\x00\xff", 15));
    const QString kaputt = schreiben("Kaputt.crd", "{\"format\": \"corvalink-berichtsprojekt\",\n  \"version\": ");
    struct Fall {
        int typ;
        QString datei;
        int erwartet;
        QString text;  // a part of the error text
    } faelle[] = {
        {ProjekttypKarte, ordner.filePath("Fehlt.crd"), BerichtDateiFehlt, "Fehlt.crd"},
        {ProjekttypKarte, QString(), BerichtDateiFehlt, "keine Formulardatei"},
        {ProjekttypKarte, fremd, BerichtFormatFalsch, "unbekanntes Format"},
        {ProjekttypKarte, kaputt, BerichtFormatFalsch, "Kaputt.crd, Zeile 2"},
        {ProjekttypListe, karte, BerichtFormatFalsch, "kein Listenformular"},
        {ProjekttypKarte, liste, BerichtFormatFalsch, "ist ein Listenformular"},
        {ProjekttypEtikett, liste, BerichtFormatFalsch, "ist ein Listenformular"},
        {7, karte, BerichtFehler, "Projektart"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(m.LlPrintWithBoxStart(job, f.typ, f.datei, AusgabeDrucker, 3, nullptr, "t"), f.erwartet)
            << f.datei.toStdString();
        EXPECT_TRUE(m.LlGetErrortext(job).contains(f.text)) << m.LlGetErrortext(job).toStdString();
        EXPECT_EQ(m.LlPrint(job), BerichtFehler);  // no session
    }
    EXPECT_TRUE(ui.ereignisse.isEmpty());  // no box for a failed start

    ASSERT_EQ(m.LlPrintStart(job, ProjekttypKarte, karte, AusgabeDrucker, 0), 0);
    EXPECT_EQ(m.LlGetErrortext(job), "");
    EXPECT_TRUE(ui.ereignisse.isEmpty());  // no box without a box
    EXPECT_EQ(m.LlPrintEnd(job, 0), 0);   // no pages: nothing sent
    EXPECT_EQ(ui.druckauftraege, 0);
}

TEST_F(EigeneBerichtsmaschineTest, PrinterGetsCopiesForAListAndOneForACard)
{
    ASSERT_EQ(m.LlPrintWithBoxStart(job, ProjekttypListe, liste, AusgabeDrucker, 3, nullptr, "t"), 0);
    m.LlPrintSetOption(job, DruckoptionKopien, 2);
    ui.dialogKopien = 3;
    EXPECT_EQ(m.LlPrintOptionsDialog(job, nullptr, "t"), 0);
    EXPECT_EQ(ui.dialogKopienBekommen, 2);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionKopien), 3);
    QString drucker = "alt", anschluss = "alt";
    EXPECT_EQ(m.LlPrintGetPrinterInfo(job, drucker, anschluss), 0);
    EXPECT_EQ(drucker, "Laser");
    EXPECT_EQ(anschluss, "");
    m.LlPrintEnd(job, 0);

    ASSERT_EQ(listeDrucken(1), 0);
    EXPECT_EQ(ui.druckKopien, 3);
    ASSERT_EQ(karteDrucken(AusgabeDrucker, "Kegler"), 0);
    EXPECT_EQ(ui.druckKopien, 1);
    ASSERT_EQ(ui.gedruckt.size(), 1);
    EXPECT_EQ(Texte(ui.gedruckt[0]), QStringList{"Heim: Kegler"});

    ui.dialogAntwort = BerichtAbgebrochen;
    EXPECT_EQ(m.LlPrintOptionsDialog(job, nullptr, "t"), BerichtAbgebrochen);
    EXPECT_EQ(m.LlPrintGetOption(job, DruckoptionKopien), 3);
}

// A picture from outside the project's folder is left out and named once a
// run; the report prints all the same.
TEST_F(EigeneBerichtsmaschineTest, APictureFromElsewhereIsNamedOnceAndThePagePrints)
{
    karte = schreiben("Spiel.crd", Projekt("karte", R"({"art": "text", "rechteck_mm": [10, 10, 190, 8], "text": "Heim: {Heim}"},
        {"art": "bild", "rechteck_mm": [10, 20, 20, 10], "datei": "/etc/passwd"})"));
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(karteDrucken(AusgabeDrucker, "Kegler"), 0);
        ASSERT_EQ(ui.gedruckt.size(), 1);
        EXPECT_EQ(ui.gedruckt[0].elemente.size(), 1);
        EXPECT_EQ(Texte(ui.gedruckt[0]), QStringList{"Heim: Kegler"});
    }
    EXPECT_EQ(ui.hinweise, QStringList{"Spiel.crd: Objekt 2 (bild): das Bild „/etc/passwd“ liegt außerhalb des "
                                       "Formularordners und des Programmordners und wird nicht gezeigt"});
}

// The box shows the caller's progress text; the print dialog and the
// printer's job (a PDF's title and proposed file) carry the project's name.
TEST_F(EigeneBerichtsmaschineTest, PrintIsNamedAfterTheProjectNotTheBoxText)
{
    const struct {
        const char* datei;
        int typ;
        const char* box;
        const char* dokument;
    } faelle[] = {
        {"Spielbericht.crd", ProjekttypKarte, "drucke Formular Spielbericht.crd", "Spielbericht"},
        {"Spielerdaten.lst", ProjekttypListe, "drucke Formular Spielerdaten.lst", "Spielerdaten"},
        {"Bericht.Verband.crd", ProjekttypKarte, "drucke Formular Bericht.Verband.crd", "Bericht.Verband"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.datei);
        const QString projekt = schreiben(QString::fromLatin1(f.datei), f.typ == ProjekttypListe ? Liste : Karte);
        ui.ereignisse.clear();
        ui.druckTitel.clear();
        ui.dialogTitel.clear();
        m.LlDefineVariableStart(job);
        m.LlDefineVariableExt(job, "Heim", "Nord", WerttypText, 0);
        m.LlDefineVariableExt(job, "Verein", "KSV", WerttypText, 0);
        ASSERT_EQ(m.LlPrintWithBoxStart(job, f.typ, projekt, AusgabeDrucker, 3, nullptr, QString::fromUtf8(f.box)), 0);
        EXPECT_EQ(m.LlPrintOptionsDialog(job, nullptr, QString::fromUtf8(f.box)), 0);
        EXPECT_EQ(m.LlPrint(job), 0);
        if (f.typ == ProjekttypListe) {
            m.LlDefineFieldStart(job);
            m.LlDefineFieldExt(job, "Spieler.Name", "Eins", WerttypText, 0);
            m.LlDefineFieldExt(job, "Spieler.Pass", "100234", WerttypZahl, 0);
            EXPECT_EQ(m.LlPrintFields(job), 0);
            EXPECT_EQ(m.LlPrintFieldsEnd(job), 0);
        }
        EXPECT_EQ(m.LlPrintEnd(job, 0), 0);
        EXPECT_EQ(ui.ereignisse.value(0), QStringLiteral("auf:") + QString::fromUtf8(f.box));
        EXPECT_EQ(ui.dialogTitel, QString::fromLatin1(f.dokument));
        EXPECT_EQ(ui.druckTitel, QString::fromLatin1(f.dokument));
    }
}

TEST_F(EigeneBerichtsmaschineTest, PrinterErrorComesBackWithItsText)
{
    ui.druckerAntwort = BerichtDruckerFehler;
    EXPECT_EQ(karteDrucken(AusgabeDrucker, "A"), BerichtDruckerFehler);
    EXPECT_EQ(m.LlGetErrortext(job), "Papierstau");
    // The stand-in has no printer.
    BerichtsoberflaecheSetzen(nullptr);
    EXPECT_EQ(karteDrucken(AusgabeDrucker, "A"), BerichtDruckerFehler);
    EXPECT_EQ(m.LlGetErrortext(job), "Es ist kein Drucker eingerichtet.");
}

TEST_F(EigeneBerichtsmaschineTest, ExportsGoWhereTheParametersSay)
{
    const QString daten = ordner.filePath("daten");
    QDir().mkdir(daten);
    for (const QStringList& p : {QStringList{"HTML", "Export.File", "Update.htm"}, {"HTML", "Export.Path", daten + "\\"},
                                 {"HTML", "Export.Quiet", "1"}, {"PICTURE_JPEG", "Export.File", "Spielbericht.jpg"},
                                 {"PICTURE_JPEG", "Export.Path", daten + "/"}})
        m.LlXSetParameter(job, 1, p[0], p[1], p[2]);

    ASSERT_EQ(karteDrucken(AusgabeDrucker, "Gut Holz & <Co>", "HTML"), 0);
    QFile html(daten + "/Update.htm");
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains("Gut Holz &amp; &lt;Co&gt;"));

    ASSERT_EQ(karteDrucken(AusgabeDrucker, "x", "PICTURE_JPEG"), 0);
    const QImage bild(daten + "/Spielbericht.jpg");
    ASSERT_FALSE(bild.isNull());
    EXPECT_NEAR(bild.width(), 1240, 1);  // 210 mm at 150 dpi
    EXPECT_EQ(ui.druckauftraege, 0);

    ASSERT_EQ(m.LlPrintStart(job, ProjekttypKarte, karte, AusgabeDrucker, 0), 0);
    EXPECT_EQ(m.LlPrintSetOptionString(job, DruckoptionExport, "PDF"), BerichtFehler);
    EXPECT_EQ(m.LlPrintSetOptionString(job, DruckoptionExport, "HTML"), 0);
    QString drucker, anschluss;
    m.LlPrintGetPrinterInfo(job, drucker, anschluss);
    EXPECT_EQ(drucker, "Export");
    m.LlPrintEnd(job, 0);
}

TEST_F(EigeneBerichtsmaschineTest, ExportWithoutParametersGoesBesideTheProjectIfItCan)
{
    ASSERT_EQ(karteDrucken(AusgabeDrucker, "x", "HTML"), 0);
    EXPECT_TRUE(QFile::exists(ordner.filePath("Spiel.htm")));
    ASSERT_EQ(karteDrucken(AusgabeDrucker, "x", "PICTURE_JPEG"), 0);
    EXPECT_TRUE(QFile::exists(ordner.filePath("Spiel.jpg")));

    m.LlXSetParameter(job, 1, "HTML", "Export.Path", ordner.filePath("fehlt/nicht/da"));
    EXPECT_EQ(karteDrucken(AusgabeDrucker, "x", "HTML"), BerichtSchreibfehler);
    EXPECT_TRUE(m.LlGetErrortext(job).contains("Spiel.htm"));
}

TEST_F(EigeneBerichtsmaschineTest, PreviewFileIsWrittenBesideTheProject)
{
    ASSERT_EQ(m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, AusgabeVorschaudatei, 3, nullptr, "t"), 0);
    QString drucker, anschluss;
    m.LlPrintGetPrinterInfo(job, drucker, anschluss);
    EXPECT_EQ(drucker, "Vorschau");
    m.LlPrintEnd(job, 0);
    EXPECT_FALSE(QFile::exists(ordner.filePath("Spiel.ll")));  // no pages

    ASSERT_EQ(karteDrucken(AusgabeVorschaudatei, "Nord"), 0);
    QString fehler;
    const auto seiten = VorschaudateiLesen(ordner.filePath("Spiel.ll"), &fehler);
    ASSERT_TRUE(seiten) << fehler.toStdString();
    ASSERT_EQ(seiten->size(), 1);
    EXPECT_EQ(Texte(seiten->first()), QStringList{"Heim: Nord"});
    EXPECT_EQ(ui.druckauftraege, 0);
}

TEST_F(EigeneBerichtsmaschineTest, PreviewWindowShowsTheKeptPages)
{
    EXPECT_EQ(m.LlPreviewDisplay(job, karte, {}, nullptr), BerichtFehler);
    m.LlPrintSetOption(job, DruckoptionZiel, ZielVorschau);
    EXPECT_EQ(m.LlPreviewSetTempPath(job, ordner.path()), 0);
    ASSERT_EQ(karteDrucken(AusgabeDrucker, "Süd"), 0);
    EXPECT_EQ(ui.druckauftraege, 0);
    EXPECT_EQ(m.LlPreviewDisplay(job, karte, ordner.path(), nullptr), 0);
    EXPECT_EQ(ui.vorschauTitel, "Spiel.crd");
    ASSERT_EQ(ui.vorschau.size(), 1);
    EXPECT_EQ(Texte(ui.vorschau[0]), QStringList{"Heim: Süd"});
    EXPECT_EQ(m.LlPreviewDeleteFiles(job, karte, ordner.path()), 0);
    EXPECT_EQ(m.LlPreviewDisplay(job, karte, ordner.path(), nullptr), BerichtFehler);
}

TEST_F(EigeneBerichtsmaschineTest, NewStartEndsTheOpenSessionWithoutSending)
{
    ASSERT_EQ(m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, AusgabeDrucker, 3, nullptr, "eins"), 0);
    m.LlPrint(job);
    ASSERT_EQ(m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, AusgabeDrucker, 3, nullptr, "zwei"), 0);
    EXPECT_EQ(ui.ereignisse, (QStringList{"auf:eins", "zu", "auf:zwei"}));
    EXPECT_EQ(m.LlPrintEnd(job, 0), 0);
    EXPECT_EQ(ui.druckauftraege, 0);
}

// The callback's moments: "id:page" plus the object, row or cell.
QString Moment(int id, const Berichtsnotiz& n)
{
    QString t = QStringLiteral("%1:%2").arg(id).arg(n.seite);
    if (id == NotizObjekt) t += QStringLiteral(":%1:%2").arg(n.objekt).arg(n.objektart);
    if (id == NotizTabellenzeile) t += QStringLiteral(":%1").arg(n.zeile);
    if (id == NotizTabellenfeld) t += QStringLiteral(":%1:%2=%3").arg(n.zeile).arg(n.feld, n.wert);
    if (id == NotizFortschritt) t += QStringLiteral(":%1%").arg(n.prozent);
    return t;
}

TEST_F(EigeneBerichtsmaschineTest, NotificationsFollowTheSessionPagesObjectsRowsAndCells)
{
    QStringList momente;
    bool vorschau = false;
    m.LlSetNotificationCallback(job, [&](int id, int parameter, Berichtsnotiz* n) -> qintptr {
        EXPECT_EQ(parameter, 0);
        momente << Moment(id, *n);
        vorschau = n->vorschau;
        return 0;
    });
    // Without the mask bits of option 6 only the rows, cells and progress are told.
    ASSERT_EQ(listeDrucken(1), 0);
    EXPECT_EQ(momente, (QStringList{"37:1:100%", "10:1:1", "11:1:1:Name=Spieler 1", "11:1:1:Pass=1001"}));

    m.LlSetOption(job, OptionNotizmaske, NotizmaskeSeite | NotizmaskeProjekt | NotizmaskeObjekt);
    momente.clear();
    ASSERT_EQ(listeDrucken(10), 0);
    // 9 rows fit a page: the tenth is refused, then goes on page 2.
    EXPECT_EQ(momente.mid(0, 8), (QStringList{"22:0", "21:1", "20:1:0:text", "20:1:1:tabelle", "37:1:10%", "10:1:1",
                                              "11:1:1:Name=Spieler 1", "11:1:1:Pass=1001"}));
    EXPECT_EQ(momente.mid(momente.size() - 7),
              (QStringList{"37:1:100%", "21:2", "20:2:0:text", "20:2:1:tabelle", "10:2:1", "11:2:1:Name=Spieler 10",
                           "11:2:1:Pass=1010"}));
    EXPECT_FALSE(vorschau);

    // A card into the preview file: an object whose handler answers 1 stays off the page.
    m.LlSetNotificationCallback(job, [&](int id, int, Berichtsnotiz* n) -> qintptr {
        momente << Moment(id, *n);
        vorschau = n->vorschau;
        return id == NotizObjekt ? 1 : 0;
    });
    momente.clear();
    ASSERT_EQ(karteDrucken(AusgabeVorschaudatei, "Nord"), 0);
    EXPECT_EQ(momente, (QStringList{"22:0", "21:1", "20:1:0:text"}));
    EXPECT_TRUE(vorschau);
    QString fehler;
    const auto seiten = VorschaudateiLesen(ordner.filePath("Spiel.ll"), &fehler);
    ASSERT_TRUE(seiten) << fehler.toStdString();
    EXPECT_EQ(Texte(seiten->first()), QStringList{});

    // Without a callback the pages are as before.
    m.LlSetNotificationCallback(job, {});
    ASSERT_EQ(karteDrucken(AusgabeVorschaudatei, "Nord"), 0);
    EXPECT_EQ(Texte(VorschaudateiLesen(ordner.filePath("Spiel.ll"), &fehler)->first()), QStringList{"Heim: Nord"});
}

TEST_F(EigeneBerichtsmaschineTest, AHandlerCannotEndTheSessionItIsToldOf)
{
    int ende = 0;
    m.LlSetNotificationCallback(job, [&](int id, int, Berichtsnotiz*) -> qintptr {
        if (id == NotizFortschritt) {
            ende = m.LlPrintEnd(job, 0);
            m.LlJobClose(job);
        }
        return 0;
    });
    EXPECT_EQ(listeDrucken(3), 0);
    EXPECT_EQ(ende, BerichtFehler);
    EXPECT_EQ(ui.druckauftraege, 1);
    EXPECT_EQ(ui.gedruckt.first().elemente.last().zeilen.size(), 3);
}

// Every field of a record: "id seite objekt/art zeile spalte:feld=wert
// prozent%text name vorschau projekt" (L the list, K the card).
QString Felder(int id, const Berichtsnotiz& n, const QString& liste, const QString& karte)
{
    const QString projekt = n.projekt == liste ? "L" : n.projekt == karte ? "K" : n.projekt;
    return QStringLiteral("%1 s%2 o%3/%4 z%5 %6:%7=%8 %9%%10 n%11 v%12 %13")
        .arg(id)
        .arg(n.seite)
        .arg(n.objekt)
        .arg(n.objektart)
        .arg(n.zeile)
        .arg(n.spalte)
        .arg(n.feld, n.wert)
        .arg(n.prozent)
        .arg(n.text, n.name)
        .arg(n.vorschau ? 1 : 0)
        .arg(projekt);
}

TEST_F(EigeneBerichtsmaschineTest, NotificationRecordsCarryEveryField)
{
    QStringList notizen;
    m.LlSetNotificationCallback(job, [&](int id, int, Berichtsnotiz* n) -> qintptr {
        notizen << Felder(id, *n, liste, karte);
        return 0;
    });
    m.LlSetOption(job, OptionNotizmaske, NotizmaskeSeite | NotizmaskeProjekt | NotizmaskeObjekt);

    // A list for the preview window (print option 13 = 2) on the printer's
    // destination: every record says preview; the cells their columns.
    m.LlPrintSetOption(job, DruckoptionZiel, ZielVorschau);
    ASSERT_EQ(listeDrucken(1), 0);
    EXPECT_EQ(notizen, (QStringList{
                           "22 s0 o-1/ z0 -1:= 0% n v1 L",
                           "21 s1 o-1/ z0 -1:= 0% n v1 L",
                           "20 s1 o0/text z0 -1:= 0% n v1 L",
                           "20 s1 o1/tabelle z0 -1:= 0% n v1 L",
                           "37 s1 o-1/ z0 -1:= 100%Laser n v1 L",
                           "10 s1 o-1/ z1 -1:= 0% n v1 L",
                           "11 s1 o-1/ z1 0:Name=Spieler 1 0% n v1 L",
                           "11 s1 o-1/ z1 1:Pass=1001 0% n v1 L",
                       }));

    // The progress: its text, and its percent within 0..100.
    m.LlPrintSetOption(job, DruckoptionZiel, 0);
    ASSERT_EQ(m.LlPrintStart(job, ProjekttypKarte, karte, AusgabeDrucker, 0), 0);
    notizen.clear();
    for (int prozent : {150, -5, 0, 100, 37}) m.LlPrintSetBoxText(job, QStringLiteral("Seite %1").arg(prozent), prozent);
    EXPECT_EQ(notizen, (QStringList{"37 s0 o-1/ z0 -1:= 100%Seite 150 n v0 K", "37 s0 o-1/ z0 -1:= 0%Seite -5 n v0 K",
                                    "37 s0 o-1/ z0 -1:= 0%Seite 0 n v0 K", "37 s0 o-1/ z0 -1:= 100%Seite 100 n v0 K",
                                    "37 s0 o-1/ z0 -1:= 37%Seite 37 n v0 K"}));
    m.LlPrintEnd(job, 0);

    // Each mask bit alone lets its own notifications through, no other.
    const struct {
        int maske;
        QStringList soll;
    } masken[] = {
        {NotizmaskeSeite, {"21 s1 o-1/ z0 -1:= 0% n v0 K"}},
        {NotizmaskeObjekt, {"20 s1 o0/text z0 -1:= 0% n v0 K"}},
        {NotizmaskeProjekt, {"22 s0 o-1/ z0 -1:= 0% n v0 K"}},
        {0, {}},
    };
    for (const auto& f : masken) {
        m.LlSetOption(job, OptionNotizmaske, f.maske);
        notizen.clear();
        ASSERT_EQ(karteDrucken(AusgabeDrucker, "Nord"), 0);
        EXPECT_EQ(notizen, f.soll) << f.maske;
    }
}

// A filter narrows the callback to the notifications it takes; a callback
// registered anew takes every one again.
TEST_F(EigeneBerichtsmaschineTest, AFilterLetsOnlyTheNotificationsItTakesThrough)
{
    std::vector<int> ids;  // (an empty QList<int> compares through memcmp(nullptr))
    const auto merken = [&](int id, int, Berichtsnotiz*) -> qintptr {
        ids.push_back(id);
        return 0;
    };
    m.LlSetNotificationCallback(job, merken);
    m.LlSetOption(job, OptionNotizmaske, NotizmaskeSeite | NotizmaskeProjekt | NotizmaskeObjekt);
    const struct {
        QList<int> nimmt;
        std::vector<int> soll;  // one list row of two cells on one page
    } faelle[] = {
        {{NotizTabellenzeile}, {10}},
        {{NotizTabellenfeld}, {11, 11}},
        {{NotizSeite, NotizFortschritt}, {21, 37}},
        {{NotizProjekt, NotizObjekt}, {22, 20, 20}},
        {{}, {}},
    };
    for (const auto& f : faelle) {
        ASSERT_EQ(m.LlSetNotificationFilter(job, [&](int id) { return f.nimmt.contains(id); }), 0);
        ids.clear();
        ASSERT_EQ(listeDrucken(1), 0);
        EXPECT_EQ(ids, f.soll) << f.nimmt.size();
    }
    m.LlSetNotificationCallback(job, merken);
    ids.clear();
    ASSERT_EQ(listeDrucken(1), 0);
    EXPECT_EQ(ids, (std::vector<int>{22, 21, 20, 20, 37, 10, 11, 11}));
    EXPECT_EQ(m.LlSetNotificationFilter(job + 99, {}), BerichtFehler);
}

// From inside a notification the calls that would move the session on, end
// it or open a window return the engine's error and do nothing; reading
// and setting options and defining values work.
TEST_F(EigeneBerichtsmaschineTest, AHandlerMayNotDriveTheSessionOrOpenWindows)
{
    ui.gewaehlt = "/daten/anders.crd";
    // Pages kept for the preview window, which the handler may not show.
    m.LlPrintSetOption(job, DruckoptionZiel, ZielVorschau);
    ASSERT_EQ(karteDrucken(AusgabeDrucker, "Nord"), 0);
    m.LlPrintSetOption(job, DruckoptionZiel, 0);
    ui.ereignisse.clear();
    QStringList gesperrt, erlaubt;
    bool einmal = true;
    m.LlSetNotificationCallback(job, [&](int id, int, Berichtsnotiz*) -> qintptr {
        if (id != NotizFortschritt || !einmal) return 0;
        einmal = false;
        QString datei = "start.crd";
        const std::pair<const char*, int> aufrufe[] = {
            {"LlPrint", m.LlPrint(job)},
            {"LlPrintFields", m.LlPrintFields(job)},
            {"LlPrintFieldsEnd", m.LlPrintFieldsEnd(job)},
            {"LlPrintDeclareChartRow", m.LlPrintDeclareChartRow(job, 1)},
            {"LlPrintSetBoxText", m.LlPrintSetBoxText(job, "Handler", 10)},
            {"LlPrintSetOptionString", m.LlPrintSetOptionString(job, DruckoptionExport, "HTML")},
            {"LlPrintOptionsDialog", m.LlPrintOptionsDialog(job, nullptr, "Handler")},
            {"LlPrintWithBoxStart", m.LlPrintWithBoxStart(job, ProjekttypKarte, karte, AusgabeDrucker, 3, nullptr, "Handler")},
            {"LlPrintStart", m.LlPrintStart(job, ProjekttypKarte, karte, AusgabeDrucker, 0)},
            {"LlDefineLayout", m.LlDefineLayout(job, nullptr, "Handler", ProjekttypKarte, karte)},
            {"LlSelectFileDlgTitleEx", m.LlSelectFileDlgTitleEx(job, nullptr, {}, ProjekttypKarte, datei, 100)},
            {"LlPreviewDisplay", m.LlPreviewDisplay(job, karte, {}, nullptr)},
            {"LlPrintEnd", m.LlPrintEnd(job, 0)},
        };
        for (const auto& [name, r] : aufrufe)
            if (r == BerichtFehler) gesperrt << name;
        if (datei == "start.crd") gesperrt << "(Datei unverändert)";
        const std::pair<const char*, int> zulaessig[] = {
            {"LlSetOption", m.LlSetOption(job, 9, 1)},
            {"LlGetOption", m.LlGetOption(job, 9) == 1 ? 0 : -1},
            {"LlPrintSetOption", m.LlPrintSetOption(job, DruckoptionKopien, 2)},
            {"LlDefineFieldExt", m.LlDefineFieldExt(job, "Spieler.Name", "Spieler 1", WerttypText, 0)},
        };
        for (const auto& [name, r] : zulaessig)
            if (r == BerichtOk) erlaubt << name;
        return 0;
    });
    ASSERT_EQ(listeDrucken(3), 0);
    EXPECT_EQ(gesperrt, (QStringList{"LlPrint", "LlPrintFields", "LlPrintFieldsEnd", "LlPrintDeclareChartRow",
                                     "LlPrintSetBoxText", "LlPrintSetOptionString", "LlPrintOptionsDialog",
                                     "LlPrintWithBoxStart", "LlPrintStart", "LlDefineLayout", "LlSelectFileDlgTitleEx",
                                     "LlPreviewDisplay", "LlPrintEnd", "(Datei unverändert)"}));
    EXPECT_EQ(erlaubt, (QStringList{"LlSetOption", "LlGetOption", "LlPrintSetOption", "LlDefineFieldExt"}));
    // The box, the dialogs and the designer saw nothing of the handler; the
    // three rows went to the printer on one page (twice, the copies it set).
    EXPECT_FALSE(ui.ereignisse.join(' ').contains("Handler"));
    EXPECT_EQ(ui.dialogTitel, "");
    EXPECT_EQ(ui.vorschauTitel, "");
    EXPECT_TRUE(ui.variablen.isEmpty() && ui.felder.isEmpty());
    EXPECT_EQ(ui.druckauftraege, 1);
    EXPECT_EQ(ui.druckKopien, 2);
    ASSERT_EQ(ui.gedruckt.size(), 1);
    EXPECT_EQ(ui.gedruckt[0].elemente.last().zeilen.size(), 3);
    EXPECT_TRUE(ui.hinweise.isEmpty());
}

QStringList* g_spur = nullptr;
void SpurAufnehmen(QtMsgType, const QMessageLogContext& ort, const QString& text)
{
    if (g_spur && QByteArray(ort.category) == "corvalink.berichtsmaschine") *g_spur << text;
}

TEST_F(EigeneBerichtsmaschineTest, DebugValueAboveZeroTracesTheCallsDialogModeIsKept)
{
    QStringList spur;
    g_spur = &spur;
    const QtMessageHandler vorher = qInstallMessageHandler(SpurAufnehmen);
    m.LlPrint(job);
    m.LlSetDebug(1);
    m.LlSetOption(job, 9, 1);
    m.LlPrint(job);
    m.LlSetDlgboxMode(0xa009);
    m.LlSetDebug(0);
    m.LlSetOption(job, 9, 0);
    qInstallMessageHandler(vorher);
    g_spur = nullptr;
    EXPECT_EQ(spur, (QStringList{"LlSetDebug(1) = 0", "LlSetOption(1, 9, 1) = 0", "LlPrint(1) = -1",
                                 "LlSetDlgboxMode(0xa009) = 0"}));
    EXPECT_EQ(m.LlGetDlgboxMode(), 0xa009);
}

// While debugging, each call of a session and each notification is in the
// trace with its result; with debug 0 nothing is.
TEST_F(EigeneBerichtsmaschineTest, TheTraceNamesTheCallsOfASessionOnlyWhileDebugging)
{
    QStringList spur;
    g_spur = &spur;
    const QtMessageHandler vorher = qInstallMessageHandler(SpurAufnehmen);
    for (int debug : {1, 0}) {
        m.LlSetDebug(debug);
        const int zweiter = m.LlJobOpen(5);
        m.LlSetNotificationCallback(zweiter, [](int, int, Berichtsnotiz*) -> qintptr { return 0; });
        m.LlPrintStart(zweiter, ProjekttypListe, liste, AusgabeDrucker, 0);
        m.LlPrintSetOption(zweiter, DruckoptionKopien, 1);
        m.LlPrint(zweiter);
        m.LlDefineFieldExt(zweiter, "Spieler.Name", "Eins", WerttypText, 0);
        m.LlPrintFields(zweiter);
        m.LlPrintEnd(zweiter, 0);
        m.LlJobClose(zweiter);
    }
    qInstallMessageHandler(vorher);
    g_spur = nullptr;
    EXPECT_EQ(spur.join(u'|'), QStringList({"LlSetDebug(1) = 0", "LlJobOpen(5) = 2", "LlSetNotificationCallback(2) = 0",
                                 QStringLiteral("LlPrintStart(2, 2, %1, 0x800) = 0").arg(liste),
                                 "LlPrintSetOption(2, 0, 1) = 0", "LlPrint(2) = 0", "Benachrichtigung 10 = 0",
                                 "Benachrichtigung 11 = 0", "Benachrichtigung 11 = 0", "LlPrintFields(2) = 0",
                                 "LlPrintEnd(2) = 0", "LlJobClose(2) = 0"}).join(u'|'));
    EXPECT_EQ(ui.druckauftraege, 2);
}

TEST(Vorschaudatei, ReplacesTheExtension)
{
    const QStringList faelle[] = {
        {"a/b/Spiel.crd", "a/b/Spiel.ll"},
        {"Spiel", "Spiel.ll"},
        {"a.b/Spiel", "a.b/Spiel.ll"},
        {"a/Spiel.v2.lst", "a/Spiel.v2.ll"},
        {"a/.versteckt", "a/.versteckt.ll"},
    };
    for (const QStringList& f : faelle) EXPECT_EQ(Vorschaudatei(f[0]), f[1]) << f[0].toStdString();
}

}  // namespace
