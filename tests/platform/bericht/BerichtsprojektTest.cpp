#include "platform/bericht/Berichtsprojekt.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using A = Berichtselement::Art;
const QString Unbekannt = QStringLiteral("Formulardatei hat ein unbekanntes Format");

// A project whose objects are the given lines, one object a line indented by
// eight spaces (the first object on line 5).
QByteArray MitObjekten(const QList<QByteArray>& objekte, const char* typ = "karte")
{
    return QByteArray("{\n    \"format\": \"corvalink-berichtsprojekt\", \"version\": 1, \"typ\": \"") + typ +
           "\",\n    \"seite\": {\"format\": \"A4\", \"ausrichtung\": \"hoch\"},\n    \"objekte\": [\n        " +
           objekte.join(",\n        ") + "\n    ]\n}\n";
}

const QByteArray EinText = R"({"art": "text", "rechteck_mm": [10, 10, 50, 6], "text": "A"})";

QStringList Woerter(const char* s) { return QString::fromLatin1(s).split(u' '); }

// The report variables of a match: 28 of the match, 23 per side, 33 for
// each of players 1..6 and 28 for the substitutes 7 and 8 of each side.
QStringList Berichtsvariablen()
{
    QStringList namen;
    for (const QString& n : Woerter("Gruppe Spielart Spielnummer Klasse Schiedsrichter Land Bezirk Ort Bahnanlage Datum "
                                    "Beginn Ende BahnenOk PaesseOk Protest Verletzungen Verwarnungen Sonstiges Anlagen"))
        namen << "Wettkampf." + n;
    for (const QString& n : Woerter("Name Anschrift Plz Ort Tel Fax Email Nr LV")) namen << "Wettkampf.Spielleiter." + n;
    QStringList mannschaft = Woerter("Name Volle Abr Fehler Total SaP MaP ErgebnisMaP TotalMaP VorTotal VorSaP VorMaP "
                                     "VorTaP Mannschaftsfuehrer");
    for (int i = 1; i <= 5; ++i) mannschaft << QStringLiteral("FormularText%1").arg(i);
    for (int i = 1; i <= 4; ++i) mannschaft << QStringLiteral("Text%1").arg(i);
    for (const char* seite : {"Heim", "Gast"}) {
        for (const QString& n : mannschaft) namen << seite + QStringLiteral("mannschaft.") + n;
        for (int nr = 1; nr <= 8; ++nr) {
            QStringList blaetter = Woerter(nr <= 6 ? "Name Pass Gebdat Volle Abr Fehler Total MaP SaP"
                                                   : "Name Pass Gebdat Volle Abr Fehler Total Ersatz");
            for (int d = 1; d <= 4; ++d)
                for (const QString& b : Woerter(nr <= 6 ? "Bahn Volle Abr Fehler Total SaP" : "Bahn Volle Abr Fehler Total"))
                    blaetter << QStringLiteral("Durchgang%1.%2").arg(d).arg(b);
            for (const QString& b : blaetter) namen << QStringLiteral("%1Spieler%2.%3").arg(seite).arg(nr).arg(b);
        }
    }
    return namen;
}

// Plausible values of a match, for the look of the default card: a value
// by the name's last part, or that part itself.
Wertetabelle Beispielspiel()
{
    const QHash<QString, QString> nachBlatt{
        {"Volle", "392"}, {"Abr", "181"}, {"Fehler", "7"},    {"Total", "573"}, {"Bahn", "3"},       {"SaP", "2.5"},
        {"MaP", "1"},     {"TotalMaP", "6"}, {"Ersatz", "3"}, {"Pass", "471101"}, {"Gebdat", "01.02.85"},
        {"Name", "Anna Spielerin-Müller"}, {"Text1", "Bahn 3 ab dem 2. Durchgang mit Aufsatzfehler."}};
    Wertetabelle w;
    for (const QString& n : Berichtsvariablen()) w.insert(n, nachBlatt.value(n.section(u'.', -1), n.section(u'.', -1)));
    w.insert("Heimmannschaft.Name", "KSV Grün-Weiß Oberdorf 1");
    w.insert("Gastmannschaft.Name", "SKC Eintracht Unterstadt 2");
    for (const QString& f : Woerter("BahnenOk PaesseOk Protest Verletzungen Verwarnungen Sonstiges Anlagen"))
        w.insert("Wettkampf." + f, f == "BahnenOk" || f == "PaesseOk" || f == "Verwarnungen" ? "T" : "F");
    return w;
}

// Set BERICHT_BILDER_ORDNER to look at the rendered pages.
void Ablegen(const Berichtsseite& seite, const QImage& bild, const QString& name)
{
    const QString ordner = qEnvironmentVariable("BERICHT_BILDER_ORDNER");
    if (ordner.isEmpty()) return;
    bild.save(QDir(ordner).filePath(name + ".png"));
    SeitenHtmlSchreiben({seite}, name, QDir(ordner).filePath(name + ".htm"), nullptr);
}

void Schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

}  // namespace

TEST(ProjektLesen, SyntaxFaultsNameLineAndColumnAndNewerVersionsAreRefused)
{
    // Line 3 lacks its comma: the parser stumbles on the quote of "typ".
    const QByteArray ohneKomma = "{\n    \"format\": \"corvalink-berichtsprojekt\",\n    \"version\": 1\n"
                                 "    \"typ\": \"karte\"\n}\n";
    Projektergebnis e = ProjektLesen(ohneKomma);
    ASSERT_FALSE(e.projekt);
    EXPECT_TRUE(e.fehler.text.startsWith("Die Formulardatei ist fehlerhaft")) << e.fehler.text.toStdString();
    EXPECT_EQ(ProjektfehlerText(e.fehler), "Zeile 4, Spalte 5: " + e.fehler.text);

    // Columns count characters, not bytes: "tru" starts at character 24.
    e = ProjektLesen(QStringLiteral("{\"text\": \"Größe\", \"x\": tru}").toUtf8());
    EXPECT_EQ(e.fehler.zeile, 1);
    EXPECT_EQ(e.fehler.spalte, 24);

    // A newer version gets its own message.
    e = ProjektLesen(R"({"format": "corvalink-berichtsprojekt", "version": 2, "typ": "karte", "objekte": []})");
    EXPECT_TRUE(e.fehler.text.contains("Version 2")) << e.fehler.text.toStdString();
    EXPECT_FALSE(ProjektLesen(R"({"format": "corvalink-berichtsprojekt", "version": 0.5, "typ": "karte"})").projekt);
}

// The bytes of a literal with the NULs inside it, without its terminator.
template <std::size_t N>
static QByteArray Roh(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

TEST(ProjektLesen, ForeignTextsAndBinaryFilesHaveAnUnknownFormat)
{
    const QList<QByteArray> fremde{
        "", "   \n", "Hallo Welt", "[1, 2, 3]", "{}", "{\"format\": \"anderes-programm\", \"version\": 1}",
        "{\"version\": 1, \"typ\": \"karte\"}",
        // A compound document: signature, empty class id, versions, byte order.
        Roh("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0>\0\3\0\xFE\xFF"),
        Roh("{\"format\": \"corvalink-berichtsprojekt\"\0\1\2")};
    for (const QByteArray& t : fremde) {
        const Projektergebnis e = ProjektLesen(t);
        EXPECT_FALSE(e.projekt) << t.toStdString();
        EXPECT_EQ(e.fehler.text, Unbekannt) << t.toStdString();
        EXPECT_EQ(e.fehler.zeile, 0);
    }
}

TEST(ProjektLesen, SemanticFaultsNameTheObjectAndItsLine)
{
    const QString vier = "\"rechteck_mm\" fehlt oder ist keine Liste von vier Zahlen";
    const QString punkt = "~\"punkt\" muss eine Zahl von 1 bis 200 sein";
    const QByteArray text = R"({"art": "text", "rechteck_mm": [1, 2, 3, 4], )";
    const QByteArray tabelle = R"({"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], )";
    struct Fall {
        QByteArray objekt;  // becomes object 3, on line 7
        QString fehler;     // the whole text, or a part of it after '~'
        const char* typ = "karte";
    };
    const QList<Fall> faelle{
        {"42", "Objekt 3 ist kein Objekt"},
        {R"({"art": "text", "text": "ohne Rechteck"})", "Objekt 3 (text): " + vier},
        {R"({"art": "text", "rechteck_mm": [1, 2, 3]})", "Objekt 3 (text): " + vier},
        {R"({"art": "text", "rechteck_mm": [1, 2, "3", 4]})", "Objekt 3 (text): " + vier},
        {R"({"art": "rechteck", "rechteck_mm": [10, 10, -5, 4]})",
         "Objekt 3 (rechteck): \"rechteck_mm\" hat eine negative Breite oder Höhe"},
        {text + R"("schrift": {"punkt": 0}})", punkt},
        {text + R"("schrift": {"punkt": 201}})", punkt},
        {text + R"("ausrichtung": "schraeg"})", "~\"ausrichtung\" muss \"links\", \"mitte\" oder \"rechts\" sein"},
        {text + R"("farbe": "kein#"})", "~\"farbe\" ist keine Farbe"},
        {R"({"art": "kreis", "rechteck_mm": [1, 2, 3, 4]})", "~Objekt 3 (kreis): unbekannte Art"},
        {R"({"art": "kreuz", "rechteck_mm": [1, 2, 3, 4]})", "~\"variable\" fehlt"},
        {R"({"art": "linie", "von_mm": [1, 2], "bis_mm": [3]})",
         "Objekt 3 (linie): \"bis_mm\" fehlt oder ist keine Liste von zwei Zahlen"},
        {tabelle + R"("spalten": [{"titel": "A"}]})", "~eine Tabelle gibt es nur in einer Liste"},
        {tabelle + R"("spalten": []})", "~\"spalten\" fehlt", "liste"},
        {tabelle + R"("zeilenhoehe_mm": 0, "spalten": [{}]})", "~\"zeilenhoehe_mm\" muss eine Zahl", "liste"},
        {tabelle + R"("spalten": [{"breite_mm": -1}]})", "~Spalte 1: \"breite_mm\"", "liste"},
    };
    for (const Fall& f : faelle) {
        const Projektergebnis e = ProjektLesen(MitObjekten({EinText, EinText, f.objekt}, f.typ));
        ASSERT_FALSE(e.projekt) << f.objekt.toStdString();
        if (f.fehler.startsWith(u'~'))
            EXPECT_TRUE(e.fehler.text.contains(f.fehler.mid(1))) << e.fehler.text.toStdString();
        else
            EXPECT_EQ(e.fehler.text, f.fehler);
        EXPECT_EQ(QPoint(e.fehler.zeile, e.fehler.spalte), QPoint(7, 9)) << f.objekt.toStdString();
    }
}

TEST(ProjektLesen, PageFormatsAndTableLimits)
{
    auto seite = [](const char* format, const char* ausrichtung) {
        return ProjektLesen(QByteArray(R"({"format": "corvalink-berichtsprojekt", "version": 1, "typ": "karte", )") +
                            R"("seite": {"format": ")" + format + R"(", "ausrichtung": ")" + ausrichtung + "\"}}");
    };
    for (auto [f, a, b, h] : {std::tuple{"A4", "hoch", 210, 297}, {"A4", "quer", 297, 210}, {"A5", "hoch", 148, 210},
                              {"A5", "quer", 210, 148}})
        EXPECT_EQ(seite(f, a).projekt->seiteMm, QSizeF(b, h)) << f << a;
    EXPECT_TRUE(seite("A3", "hoch").fehler.text.contains("\"A4\" oder \"A5\""));
    EXPECT_TRUE(seite("A4", "schraeg").fehler.text.contains("\"hoch\" oder \"quer\""));

    const QByteArray tabelle = R"({"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "spalten": [{"titel": "A"}]})";
    EXPECT_TRUE(ProjektLesen(MitObjekten({tabelle}, "liste")).projekt);
    const Projektergebnis zwei = ProjektLesen(MitObjekten({tabelle, tabelle}, "liste"));
    EXPECT_EQ(zwei.fehler.text, "Objekt 2 (tabelle): eine Liste hat höchstens eine Tabelle");
    EXPECT_EQ(zwei.fehler.zeile, 6);
}

TEST(ProjektLesen, ProjectTextReadsBackEqual)
{
    Berichtsprojekt p;
    p.art = Projektart::Liste;
    p.seiteMm = {148, 210};
    p.hintergrund = "Hintergrund.png";
    p.ordner = "/daten";
    auto objekt = [&p](A art, const QRectF& mm) -> Projektobjekt& {
        p.objekte.append(Projektobjekt());
        p.objekte.last().art = art;
        p.objekte.last().mm = mm;
        return p.objekte.last();
    };
    Projektobjekt& text = objekt(A::Text, QRectF(10.25, 20, 80, 12.5));
    text.vorlage = "Größe: \"{A.B}\"\nzweite Zeile {{fest}}";
    text.schrift = {"DejaVu Serif", 11.5, true, true};
    text.farbe = QColor("#123456");
    text.ausrichtung = Textausrichtung::Rechts;
    text.nullLeer = true;
    objekt(A::Kreuz, QRectF(1, 2, 3, 4)).vorlage = "Wettkampf.Protest";
    p.objekte.last().staerkeMm = 0.5;
    objekt(A::Linie, QRectF(QPointF(100, 50), QPointF(20, 60)));  // running left and down
    objekt(A::Rechteck, QRectF(0, 0, 148, 210)).fuellung = QColor(0x80, 0x10, 0x20, 0x40);
    p.objekte.last().staerkeMm = 0;
    objekt(A::Bild, QRectF(5, 5, 30, 20)).datei = "Logo.png";
    Projektobjekt& tabelle = objekt(A::Tabelle, QRectF(10, 40, 128, 150));
    tabelle.zeilenhoeheMm = 5.5;
    tabelle.kopf = false;
    tabelle.kopfschrift = {"Liberation Sans", 9, true, false};
    tabelle.spalten = {{"Name", "{Spieler.Name}", 60, Textausrichtung::Links},
                       {"Pass", "{Spieler.Pass}", 20.5, Textausrichtung::Mitte}};
    const Projektergebnis e = ProjektLesen(ProjektText(p), "/daten");
    ASSERT_TRUE(e.projekt) << ProjektfehlerText(e.fehler).toStdString();
    EXPECT_EQ(*e.projekt, p);
}

// A colour keeps its value through reading and writing back, also one with
// finer channels than 8 bits; one that 8 bits hold exactly is written in them.
TEST(ProjektLesen, ColoursAreWrittenBackAsTheyWereRead)
{
    auto projekt = [](const char* farbe) {
        return QByteArray("{\n    \"format\": \"corvalink-berichtsprojekt\",\n    \"version\": 1,\n    \"typ\": "
                          "\"karte\",\n    \"seite\": {\"ausrichtung\":\"hoch\",\"format\":\"A4\"},\n    \"objekte\": "
                          "[\n        {\"art\":\"linie\",\"bis_mm\":[20,60],\"farbe\":\"") +
               farbe + "\",\"staerke_mm\":0.3,\"von_mm\":[10,50]}\n    ]\n}\n";
    };
    for (const auto& [gelesen, geschrieben] :
         {std::pair{"#123456789", "#123456789"}, {"#0123456789ab", "#0123456789ab"}, {"#123456", "#123456"},
          {"#fff000888", "#ff0088"}, {"#80102030", "#80102030"}, {"#abc", "#aabbcc"}, {"red", "#ff0000"}}) {
        const Projektergebnis erst = ProjektLesen(projekt(gelesen));
        ASSERT_TRUE(erst.projekt) << gelesen;
        const QByteArray text = ProjektText(*erst.projekt);
        EXPECT_EQ(text.toStdString(), projekt(geschrieben).toStdString());
        const Projektergebnis dann = ProjektLesen(text);
        ASSERT_TRUE(dann.projekt) << gelesen;
        EXPECT_EQ(dann.projekt->objekte.value(0).farbe, erst.projekt->objekte.value(0).farbe) << gelesen;
        EXPECT_EQ(ProjektText(*dann.projekt), text) << gelesen;
    }
}

TEST(ProjektdateiLesen, MissingLargeAndGoodFiles)
{
    QTemporaryDir ordner;
    EXPECT_EQ(ProjektdateiLesen(ordner.filePath("Fehlt.crd")).fehler.text, "Die Formulardatei „Fehlt.crd“ fehlt.");
    Schreiben(ordner.filePath("Gross.crd"), QByteArray(5 * 1024 * 1024, ' '));
    EXPECT_TRUE(ProjektdateiLesen(ordner.filePath("Gross.crd")).fehler.text.contains("zu groß"));
    Schreiben(ordner.filePath("Gut.crd"), MitObjekten({EinText}));
    const Projektergebnis e = ProjektdateiLesen(ordner.filePath("Gut.crd"));
    ASSERT_TRUE(e.projekt);
    EXPECT_EQ(e.projekt->ordner, ordner.path());
    EXPECT_EQ(e.projekt->objekte.size(), 1);
}

TEST(Standardprojekte, BothParseAndUseOnlyKnownNames)
{
    const QStringList variablen = Berichtsvariablen();
    ASSERT_EQ(variablen.size(), 582);
    const QSet<QString> bekannt(variablen.cbegin(), variablen.cend());
    ASSERT_EQ(bekannt.size(), 582);

    const Projektergebnis karte = ProjektLesen(StandardProjekt(Projektart::Karte));
    ASSERT_TRUE(karte.projekt) << ProjektfehlerText(karte.fehler).toStdString();
    EXPECT_EQ(karte.projekt->art, Projektart::Karte);
    EXPECT_EQ(karte.projekt->seiteMm, QSizeF(297, 210));
    const QStringList namen = ProjektNamen(*karte.projekt);
    for (const QString& n : namen) EXPECT_TRUE(bekannt.contains(n)) << n.toStdString();
    for (const QString& n : Woerter(
             "Wettkampf.Bahnanlage Wettkampf.Ort Wettkampf.Datum Wettkampf.Beginn Wettkampf.Ende Wettkampf.Spielnummer "
             "Wettkampf.Klasse Wettkampf.Gruppe Wettkampf.Schiedsrichter Wettkampf.BahnenOk Wettkampf.PaesseOk "
             "Wettkampf.Protest Wettkampf.Verletzungen Wettkampf.Verwarnungen Wettkampf.Sonstiges Wettkampf.Anlagen "
             "Heimmannschaft.Name Gastmannschaft.Name Heimmannschaft.Total Gastmannschaft.Fehler Heimmannschaft.SaP "
             "Heimmannschaft.MaP Gastmannschaft.MaP Gastmannschaft.TotalMaP Heimmannschaft.Text1 Gastmannschaft.Text4 "
             "Heimmannschaft.Mannschaftsfuehrer Gastmannschaft.Mannschaftsfuehrer HeimSpieler1.Name HeimSpieler1.Pass "
             "HeimSpieler1.Durchgang2.Total HeimSpieler3.Durchgang4.Bahn HeimSpieler6.SaP HeimSpieler6.MaP "
             "HeimSpieler7.Ersatz GastSpieler8.Ersatz GastSpieler8.Total GastSpieler5.Abr GastSpieler2.Volle"))
        EXPECT_TRUE(namen.contains(n)) << n.toStdString();

    const Projektergebnis liste = ProjektLesen(StandardProjekt(Projektart::Liste));
    ASSERT_TRUE(liste.projekt) << ProjektfehlerText(liste.fehler).toStdString();
    EXPECT_EQ(liste.projekt->art, Projektart::Liste);
    EXPECT_EQ(liste.projekt->seiteMm, QSizeF(210, 297));
    QStringList felder = Woerter("Datum Uhrzeit");
    for (const QString& n : Woerter("Name Club Pass Gebdat Gruppe Nation Plz Ort Adresse Tel Fax Email"))
        felder << "Spieler." + n;
    for (const QString& n : ProjektNamen(*liste.projekt)) EXPECT_TRUE(felder.contains(n)) << n.toStdString();
}

TEST(Standardprojekte, CardAndListRenderWithSampleValues)
{
    const Berichtsseite seite = SeiteBeginnen(*ProjektLesen(StandardProjekt(Projektart::Karte)).projekt, Beispielspiel());
    const QImage bild = SeitenBild(seite, 2200);
    ASSERT_EQ(bild.size(), QSize(2200, 1556));  // 2200 * 210 / 297 = 1555.6
    Ablegen(seite, bild, "Spielbericht");
    // Three incident flags are set: three crosses on the page.
    EXPECT_EQ(std::ranges::count(seite.elemente, A::Kreuz, &Berichtselement::art), 3);

    const Berichtsprojekt liste = *ProjektLesen(StandardProjekt(Projektart::Liste)).projekt;
    Berichtsseite listenseite = SeiteBeginnen(liste, {});
    Wertetabelle felder{{"Spieler.Club", "KSV Grün-Weiß Oberdorf"}, {"Spieler.Gebdat", "01.02.85"},
                        {"Spieler.Gruppe", "Herren"}, {"Spieler.Nation", "D"}, {"Spieler.Plz", "12345"},
                        {"Spieler.Ort", "Oberdorf"}, {"Spieler.Tel", "0123 45678"}};
    int zeilen = 0;
    for (; zeilen < 60; ++zeilen) {
        felder.insert("Spieler.Name", QStringLiteral("Spieler Nummer %1").arg(zeilen + 1));
        felder.insert("Spieler.Pass", QString::number(100001 + zeilen));
        if (!ZeileAnfuegen(listenseite, liste, felder)) break;
    }
    EXPECT_EQ(zeilen, 45);  // (258 - 5.5) / 5.5 = 45.9 rows under the header
    Ablegen(listenseite, SeitenBild(listenseite, 1240), "Spielerdaten");
}

TEST(Vorlagen, FillingTable)
{
    const Wertetabelle w{{"A", "x"}, {"B", "y"}, {"Wettkampf.Datum", "01.02.24"}, {"Leer", ""}};
    // The template, what it becomes, then the unknown names.
    const QList<QStringList> faelle{
        {"", ""},        {"Datum: {Wettkampf.Datum}", "Datum: 01.02.24"}, {"{A}{B}", "xy"}, {"{ A }", "x"},
        {"{{A}}", "{A}"}, {"{{{A}}}", "{x}"}, {"offen {A", "offen {A"}, {"{A{B}", "{Ay"}, {"{}", "{}"},
        {"a}b", "a}b"},   {"[{Leer}]", "[]"}, {"{Fehlt}!{Fehlt}{Auch}", "!", "Fehlt", "Auch"},
    };
    for (const QStringList& f : faelle) {
        QStringList unbekannt;
        EXPECT_EQ(VorlageFuellen(f[0], w, &unbekannt), f[1]) << f[0].toStdString();
        EXPECT_EQ(unbekannt, f.mid(2)) << f[0].toStdString();
    }
}

TEST(Vorlagen, LastDefinitionCountsAndNamesComeOnceInOrder)
{
    const Wertetabelle w = Werte({{"A", "1", WerttypText}, {"B", "2", WerttypZahl}, {"A", "3", WerttypText}});
    EXPECT_EQ(w.value("A"), "3");
    EXPECT_EQ(w.size(), 2);

    const Projektergebnis e = ProjektLesen(MitObjekten(
        {R"({"art": "text", "rechteck_mm": [1, 1, 1, 1], "text": "{B} {A} {B} {{C}}"})",
         R"({"art": "kreuz", "rechteck_mm": [1, 1, 1, 1], "variable": "K"})",
         R"({"art": "tabelle", "rechteck_mm": [1, 1, 1, 1], "spalten": [{"titel": "{T}", "inhalt": "{F} {A}"}]})"},
        "liste"));
    ASSERT_TRUE(e.projekt);
    EXPECT_EQ(ProjektNamen(*e.projekt), QStringList({"B", "A", "K", "T", "F"}));
}

TEST(SeiteBeginnen, CrossesPicturesAndTheTableHeader)
{
    QTemporaryDir ordner;
    QImage logo(4, 2, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(ordner.filePath("Logo.png")));
    Projektergebnis e = ProjektLesen(
        MitObjekten({R"({"art": "kreuz", "rechteck_mm": [1, 1, 4, 4], "variable": "Ja"})",
                     R"({"art": "kreuz", "rechteck_mm": [1, 6, 4, 4], "variable": "Nein"})",
                     R"({"art": "kreuz", "rechteck_mm": [1, 11, 4, 4], "variable": "Undefiniert"})",
                     R"({"art": "bild", "rechteck_mm": [10, 1, 20, 10], "datei": "Logo.png"})",
                     R"({"art": "bild", "rechteck_mm": [10, 1, 20, 10], "datei": "Fehlt.png"})",
                     R"({"art": "text", "rechteck_mm": [40, 1, 50, 6], "text": "Stand {Datum}, {Titel}"})",
                     R"({"art": "tabelle", "rechteck_mm": [10, 20, 100, 100], )"
                     R"("spalten": [{"titel": "{Titel}", "inhalt": "{F}"}]})"},
                    "liste"),
        ordner.path());
    ASSERT_TRUE(e.projekt) << ProjektfehlerText(e.fehler).toStdString();
    e.projekt->hintergrund = "Fehlt auch.png";
    const Berichtsseite seite = SeiteBeginnen(*e.projekt, {{"Ja", "T"}, {"Nein", "F"}, {"Titel", "Name"}, {"Datum", "heute"}});
    EXPECT_EQ(seite.groesseMm, QSizeF(210, 297));
    ASSERT_EQ(seite.elemente.size(), 4);  // one cross, one picture, the text, the table
    EXPECT_EQ(seite.elemente[0].art, A::Kreuz);
    EXPECT_EQ(seite.elemente[0].mm, QRectF(1, 1, 4, 4));
    EXPECT_EQ(seite.elemente[1].bild.size(), QSize(4, 2));
    EXPECT_EQ(seite.elemente[2].text, "Stand heute, Name");
    ASSERT_EQ(seite.elemente[3].art, A::Tabelle);
    EXPECT_EQ(seite.elemente[3].spalten.value(0).titel, "Name");
    EXPECT_TRUE(seite.elemente[3].zeilen.isEmpty());

    // A background that exists lies under everything, over the whole page.
    e.projekt->hintergrund = "Logo.png";
    const Berichtsseite zweite = SeiteBeginnen(*e.projekt, {});
    ASSERT_EQ(zweite.elemente.size(), 4);  // no cross is "T" now
    EXPECT_EQ(zweite.elemente[0].art, A::Bild);
    EXPECT_EQ(zweite.elemente[0].mm, QRectF(0, 0, 210, 297));
}

TEST(ZeileAnfuegen, RowsFillThePageAndPagingAlwaysProgresses)
{
    auto liste = [](int hoehe, const char* kopf) {
        const QString t = R"({"art": "tabelle", "rechteck_mm": [10, 20, 100, %1], "zeilenhoehe_mm": 6, "kopf": %2, )"
                          R"("spalten": [{"inhalt": "{Nr}"}, {"inhalt": "fest"}]})";
        return *ProjektLesen(MitObjekten({t.arg(hoehe).arg(kopf).toUtf8()}, "liste")).projekt;
    };
    auto zeilenBisVoll = [](const Berichtsprojekt& p) {
        Berichtsseite seite = SeiteBeginnen(p, {});
        for (int i = 1; i <= 100; ++i) {
            const Berichtsseite vorher = seite;
            if (!ZeileAnfuegen(seite, p, {{"Nr", QString::number(i)}})) {
                EXPECT_EQ(seite, vorher);
                return i - 1;
            }
        }
        return 100;
    };
    // (100 - 6) / 6 = 15.67 -> 15 rows under the header; without it 100 / 6 = 16.67 -> 16.
    EXPECT_EQ(zeilenBisVoll(liste(100, "true")), 15);
    EXPECT_EQ(zeilenBisVoll(liste(100, "false")), 16);
    // 96 = 6 + 15 * 6 exactly: the 15th row fits to the millimetre.
    EXPECT_EQ(zeilenBisVoll(liste(96, "true")), 15);
    // A table lower than one row still takes one row a page.
    EXPECT_EQ(zeilenBisVoll(liste(4, "true")), 1);

    const Berichtsprojekt p = liste(100, "true");
    Berichtsseite seite = SeiteBeginnen(p, {});
    ASSERT_TRUE(ZeileAnfuegen(seite, p, {{"Nr", "7"}}));
    EXPECT_EQ(seite.elemente[0].zeilen, QList<QStringList>({{"7", "fest"}}));

    // A card has no table: rows are taken and ignored.
    const Berichtsprojekt karte = *ProjektLesen(MitObjekten({EinText})).projekt;
    Berichtsseite kartenseite = SeiteBeginnen(karte, {});
    const Berichtsseite vorher = kartenseite;
    EXPECT_TRUE(ZeileAnfuegen(kartenseite, karte, {{"Nr", "1"}}));
    EXPECT_EQ(kartenseite, vorher);
}

namespace {

// Pictures come from the project's folder tree and the program folder; one
// from elsewhere (absolute, up with "..", or through a link) is never read:
// it draws nothing, the project's notices name it, and the rest of the page
// stands.
TEST(ProjektLesen, PicturesOnlyFromTheProjectsTreeAndTheProgramFolder)
{
    QTemporaryDir wurzel;
    ASSERT_TRUE(wurzel.isValid());
    const QDir w(wurzel.path());
    for (const char* ordner : {"Programm/Daten/Bilder", "Programm/Bitmaps", "Draussen"}) ASSERT_TRUE(w.mkpath(ordner));
    QImage bild(4, 2, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    for (const char* datei : {"Programm/Daten/Logo.png", "Programm/Daten/Bilder/Logo.png", "Programm/Bitmaps/Logo.png",
                              "Draussen/Geheim.png"})
        ASSERT_TRUE(bild.save(w.filePath(datei)));
    ASSERT_TRUE(QFile::link(w.filePath("Draussen/Geheim.png"), w.filePath("Programm/Daten/Verweis.png")));
    const QString daten = w.filePath("Programm/Daten");
    BerichtProgrammordnerSetzen(w.filePath("Programm"));

    auto mitBild = [&](const QString& datei) {
        const QByteArray objekt = R"({"art": "bild", "rechteck_mm": [10, 1, 20, 10], "datei": )" +
                                  QJsonDocument(QJsonArray{datei}).toJson(QJsonDocument::Compact).mid(1).chopped(1) +
                                  "}";
        return ProjektLesen(MitObjekten({EinText, objekt}), daten);
    };
    const struct {
        QString datei;
        bool erlaubt;
        bool gezeigt;
    } faelle[] = {
        {"Logo.png", true, true},
        {"Bilder/Logo.png", true, true},
        {"Bilder/../Logo.png", true, true},
        {"../Bitmaps/Logo.png", true, true},
        {w.filePath("Programm/Bitmaps/Logo.png"), true, true},
        {"Fehlt.png", true, false},  // missing: left out without a word, as before
        {"../../Draussen/Geheim.png", false, false},
        {w.filePath("Draussen/Geheim.png"), false, false},
        {"/etc/passwd", false, false},
        {"Verweis.png", false, false},
    };
    for (const auto& f : faelle) {
        const Projektergebnis e = mitBild(f.datei);
        ASSERT_TRUE(e.projekt) << f.datei.toStdString();
        const QStringList erwartet =
            f.erlaubt ? QStringList{}
                      : QStringList{QStringLiteral("Objekt 2 (bild): das Bild „%1“ liegt außerhalb des "
                                                   "Formularordners und des Programmordners und wird nicht gezeigt")
                                        .arg(f.datei)};
        EXPECT_EQ(e.projekt->hinweise, erwartet) << f.datei.toStdString();
        const Berichtsseite seite = SeiteBeginnen(*e.projekt, {});
        ASSERT_EQ(seite.elemente.size(), f.gezeigt ? 2 : 1) << f.datei.toStdString();
        EXPECT_EQ(seite.elemente[0].art, Berichtselement::Art::Text);
        if (f.gezeigt) {
            EXPECT_EQ(seite.elemente[1].bild.size(), QSize(4, 2));
        }
    }

    // The background the same way.
    QByteArray text = MitObjekten({EinText});
    text.replace("\"objekte\"", "\"hintergrund\": \"../../Draussen/Geheim.png\", \"objekte\"");
    const Projektergebnis mitHintergrund = ProjektLesen(text, daten);
    ASSERT_TRUE(mitHintergrund.projekt);
    EXPECT_EQ(mitHintergrund.projekt->hinweise,
              QStringList{QStringLiteral("Projekt: \"hintergrund\": das Bild „../../Draussen/Geheim.png“ liegt "
                                         "außerhalb des Formularordners und des Programmordners und wird nicht "
                                         "gezeigt")});
    EXPECT_EQ(SeiteBeginnen(*mitHintergrund.projekt, {}).elemente.size(), 1);

    // A project changed after reading still draws nothing from outside.
    Projektergebnis gut = mitBild("../Bitmaps/Logo.png");
    ASSERT_TRUE(gut.projekt);
    gut.projekt->hintergrund = w.filePath("Draussen/Geheim.png");
    gut.projekt->objekte[1].datei = "Verweis.png";
    const Berichtsseite seite = SeiteBeginnen(*gut.projekt, {});
    ASSERT_EQ(seite.elemente.size(), 1);
    EXPECT_EQ(seite.elemente[0].art, Berichtselement::Art::Text);

    // Without the program folder, its pictures are outside too.
    BerichtProgrammordnerSetzen({});
    EXPECT_EQ(mitBild("../Bitmaps/Logo.png").projekt->hinweise.size(), 1);
}

}  // namespace
