#include "platform/bericht/Berichtsprojekt.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Unbekannt = QStringLiteral("Formulardatei hat ein unbekanntes Format");

QByteArray Kopf(const char* typ = "karte")
{
    return QByteArray("{\n    \"format\": \"corvalink-berichtsprojekt\", \"version\": 1, \"typ\": \"") + typ +
           "\",\n    \"seite\": {\"format\": \"A4\", \"ausrichtung\": \"hoch\"},\n    \"objekte\": [\n";
}

// A project whose objects are the given lines, one object a line (the
// first object on line 5).
QByteArray MitObjekten(const QList<QByteArray>& objekte, const char* typ = "karte")
{
    return Kopf(typ) + objekte.join(",\n") + "\n    ]\n}\n";
}

const QByteArray EinText = R"(        {"art": "text", "rechteck_mm": [10, 10, 50, 6], "text": "A"})";

// The report variables of a match: 28 of the match, 23 per side, 33 for
// each of players 1..6 and 28 for the substitutes 7 and 8 of each side.
QStringList Berichtsvariablen()
{
    QStringList namen;
    for (const char* n : {"Gruppe", "Spielart", "Spielnummer", "Klasse", "Schiedsrichter", "Land", "Bezirk", "Ort",
                          "Bahnanlage", "Datum", "Beginn", "Ende", "BahnenOk", "PaesseOk", "Protest", "Verletzungen",
                          "Verwarnungen", "Sonstiges", "Anlagen", "Spielleiter.Name", "Spielleiter.Anschrift",
                          "Spielleiter.Plz", "Spielleiter.Ort", "Spielleiter.Tel", "Spielleiter.Fax",
                          "Spielleiter.Email", "Spielleiter.Nr", "Spielleiter.LV"})
        namen << QStringLiteral("Wettkampf.") + QLatin1String(n);
    for (const char* seite : {"Heimmannschaft.", "Gastmannschaft."})
        for (const char* n : {"Name", "Volle", "Abr", "Fehler", "Total", "SaP", "MaP", "ErgebnisMaP", "TotalMaP",
                              "VorTotal", "VorSaP", "VorMaP", "VorTaP", "Text1", "Text2", "Text3", "Text4",
                              "Mannschaftsfuehrer", "FormularText1", "FormularText2", "FormularText3",
                              "FormularText4", "FormularText5"})
            namen << QLatin1String(seite) + QLatin1String(n);
    for (const char* seite : {"Heim", "Gast"})
        for (int n = 1; n <= 8; ++n) {
            const QString p = QStringLiteral("%1Spieler%2.").arg(QLatin1String(seite)).arg(n);
            QStringList blaetter{"Name", "Pass", "Gebdat", "Volle", "Abr", "Fehler", "Total"};
            for (int d = 1; d <= 4; ++d)
                for (const char* b : {"Bahn", "Volle", "Abr", "Fehler", "Total"})
                    blaetter << QStringLiteral("Durchgang%1.%2").arg(d).arg(QLatin1String(b));
            if (n <= 6) {
                blaetter << "MaP" << "SaP";
                for (int d = 1; d <= 4; ++d) blaetter << QStringLiteral("Durchgang%1.SaP").arg(d);
            } else {
                blaetter << "Ersatz";
            }
            for (const QString& b : blaetter) namen << p + b;
        }
    return namen;
}

// Plausible values of a match for the look of the default card.
Wertetabelle Beispielspiel()
{
    Wertetabelle w;
    for (const QString& n : Berichtsvariablen()) {
        const QString blatt = n.section(u'.', -1);
        const bool heim = n.startsWith(QLatin1String("Heim"));
        const int nr = n.startsWith(QLatin1String("HeimSpieler")) || n.startsWith(QLatin1String("GastSpieler"))
                           ? n.mid(11, 1).toInt()
                           : 0;
        QString v;
        if (blatt == QLatin1String("Volle")) v = n.contains(QLatin1String("Durchgang")) ? "98" : (nr ? "392" : "2355");
        else if (blatt == QLatin1String("Abr")) v = n.contains(QLatin1String("Durchgang")) ? "45" : (nr ? "181" : "1087");
        else if (blatt == QLatin1String("Fehler")) v = n.contains(QLatin1String("Durchgang")) ? "2" : (nr ? "7" : "41");
        else if (blatt == QLatin1String("Total")) v = n.contains(QLatin1String("Durchgang")) ? "143" : (nr ? "573" : "3442");
        else if (blatt == QLatin1String("Bahn")) v = QString::number(n.section(u'.', 1, 1).right(1).toInt());
        else if (blatt == QLatin1String("SaP")) v = n.contains(QLatin1String("Durchgang")) ? "1" : (nr ? "2.5" : "13");
        else if (blatt == QLatin1String("MaP")) v = nr ? (nr % 2 ? "1" : "0") : (heim ? "4" : "2");
        else if (blatt == QLatin1String("TotalMaP")) v = heim ? "6" : "2";
        else if (blatt == QLatin1String("Ersatz")) v = nr == 7 ? "3" : "0";
        else if (blatt == QLatin1String("Pass")) v = QStringLiteral("%1%2").arg(heim ? 4711 : 5812).arg(nr, 2, 10, QChar(u'0'));
        else if (blatt == QLatin1String("Name") && nr) v = QStringLiteral("%1 Spielerin-Müller %2").arg(heim ? "Anna" : "Petra").arg(nr);
        else if (blatt.startsWith(QLatin1String("Text"))) v = blatt == QLatin1String("Text1") ? "Bahn 3 ab dem 2. Durchgang mit Aufsatzfehler." : "";
        w.insert(n, v);
    }
    w.insert("Heimmannschaft.Name", "KSV Grün-Weiß Oberdorf 1");
    w.insert("Gastmannschaft.Name", "SKC Eintracht Unterstadt 2");
    w.insert("Heimmannschaft.Mannschaftsfuehrer", "Karl Bäcker");
    w.insert("Gastmannschaft.Mannschaftsfuehrer", "Rita Schuster");
    w.insert("Wettkampf.Bahnanlage", "Sportpark Oberdorf");
    w.insert("Wettkampf.Ort", "Oberdorf");
    w.insert("Wettkampf.Datum", "14.03.24");
    w.insert("Wettkampf.Beginn", "14:00");
    w.insert("Wettkampf.Ende", "17:25");
    w.insert("Wettkampf.Spielnummer", "042");
    w.insert("Wettkampf.Klasse", "Bezirksliga");
    w.insert("Wettkampf.Gruppe", "Damen");
    w.insert("Wettkampf.Schiedsrichter", "Hans Weiß");
    w.insert("Wettkampf.Spielleiter.Name", "Otto Kegler");
    w.insert("Wettkampf.Bezirk", "Oberland");
    w.insert("Wettkampf.Land", "Bayern");
    for (const char* f : {"BahnenOk", "PaesseOk", "Protest", "Verletzungen", "Verwarnungen", "Sonstiges", "Anlagen"})
        w.insert(QStringLiteral("Wettkampf.") + QLatin1String(f), "F");
    w.insert("Wettkampf.BahnenOk", "T");
    w.insert("Wettkampf.PaesseOk", "T");
    w.insert("Wettkampf.Verwarnungen", "T");
    return w;
}

void BildAblegen(const QImage& bild, const char* name)
{
    // Set BERICHT_BILDER_ORDNER to look at the rendered pages.
    const QString ordner = qEnvironmentVariable("BERICHT_BILDER_ORDNER");
    if (!ordner.isEmpty()) bild.save(QDir(ordner).filePath(QLatin1String(name)));
}

}  // namespace

TEST(ProjektLesen, SyntaxFaultsNameLineAndColumn)
{
    // Line 3 lacks its comma: the parser stumbles on the quote of "typ".
    const QByteArray ohneKomma = "{\n    \"format\": \"corvalink-berichtsprojekt\",\n    \"version\": 1\n"
                                 "    \"typ\": \"karte\"\n}\n";
    Projektergebnis e = ProjektLesen(ohneKomma);
    ASSERT_FALSE(e.projekt);
    EXPECT_EQ(e.fehler.zeile, 4);
    EXPECT_EQ(e.fehler.spalte, 5);
    EXPECT_TRUE(e.fehler.text.startsWith("Die Formulardatei ist fehlerhaft")) << e.fehler.text.toStdString();
    EXPECT_EQ(ProjektfehlerText(e.fehler), "Zeile 4, Spalte 5: " + e.fehler.text);

    // Columns count characters, not bytes: "tru" starts at character 24.
    e = ProjektLesen(QStringLiteral("{\"text\": \"Größe\", \"x\": tru}").toUtf8());
    EXPECT_EQ(e.fehler.zeile, 1);
    EXPECT_EQ(e.fehler.spalte, 24);
}

TEST(ProjektLesen, ForeignTextsAndBinaryFilesHaveAnUnknownFormat)
{
    const QList<QByteArray> fremde{
        "", "   \n", "Hallo Welt", "[1, 2, 3]", "{}", "{\"format\": \"anderes-programm\", \"version\": 1}",
        "{\"version\": 1, \"typ\": \"karte\"}",
        QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0\0\0\0\0>\0\3\0\xFE\xFF", 24),  // compound document
        QByteArray("{\"format\": \"corvalink-berichtsprojekt\"\0\1\2", 43)};
    for (const QByteArray& t : fremde) {
        const Projektergebnis e = ProjektLesen(t);
        EXPECT_FALSE(e.projekt) << t.toStdString();
        EXPECT_EQ(e.fehler.text, Unbekannt) << t.toStdString();
        EXPECT_EQ(e.fehler.zeile, 0);
    }
}

TEST(ProjektLesen, NewerVersionIsRefusedWithItsOwnMessage)
{
    const Projektergebnis e =
        ProjektLesen(R"({"format": "corvalink-berichtsprojekt", "version": 2, "typ": "karte", "objekte": []})");
    ASSERT_FALSE(e.projekt);
    EXPECT_NE(e.fehler.text, Unbekannt);
    EXPECT_TRUE(e.fehler.text.contains("Version 2")) << e.fehler.text.toStdString();
    EXPECT_FALSE(ProjektLesen(R"({"format": "corvalink-berichtsprojekt", "version": 0.5, "typ": "karte"})").projekt);
}

TEST(ProjektLesen, SemanticFaultsNameTheObjectAndItsLine)
{
    struct Fall {
        QByteArray objekt;  // becomes object 3, on line 7
        const char* typ;
        QString fehler;     // the whole text, or a part of it after '~'
    };
    const QList<Fall> faelle{
        {"        42", "karte", "Objekt 3 ist kein Objekt"},
        {R"(        {"art": "text", "text": "ohne Rechteck"})", "karte",
         "Objekt 3 (text): \"rechteck_mm\" fehlt oder ist keine Liste von vier Zahlen"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, 3]})", "karte",
         "Objekt 3 (text): \"rechteck_mm\" fehlt oder ist keine Liste von vier Zahlen"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, "3", 4]})", "karte",
         "Objekt 3 (text): \"rechteck_mm\" fehlt oder ist keine Liste von vier Zahlen"},
        {R"(        {"art": "rechteck", "rechteck_mm": [10, 10, -5, 4]})", "karte",
         "Objekt 3 (rechteck): \"rechteck_mm\" hat eine negative Breite oder Höhe"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, 3, 4], "schrift": {"punkt": 0}})", "karte",
         "~\"punkt\" muss eine Zahl von 1 bis 200 sein"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, 3, 4], "schrift": {"punkt": 201}})", "karte",
         "~\"punkt\" muss eine Zahl von 1 bis 200 sein"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, 3, 4], "ausrichtung": "schraeg"})", "karte",
         "~\"ausrichtung\" muss \"links\", \"mitte\" oder \"rechts\" sein"},
        {R"(        {"art": "text", "rechteck_mm": [1, 2, 3, 4], "farbe": "kein#"})", "karte",
         "~\"farbe\" ist keine Farbe"},
        {R"(        {"art": "kreis", "rechteck_mm": [1, 2, 3, 4]})", "karte", "~Objekt 3 (kreis): unbekannte Art"},
        {R"(        {"art": "kreuz", "rechteck_mm": [1, 2, 3, 4]})", "karte", "~\"variable\" fehlt"},
        {R"(        {"art": "linie", "von_mm": [1, 2], "bis_mm": [3]})", "karte",
         "Objekt 3 (linie): \"bis_mm\" fehlt oder ist keine Liste von zwei Zahlen"},
        {R"(        {"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "spalten": [{"titel": "A"}]})", "karte",
         "~eine Tabelle gibt es nur in einer Liste"},
        {R"(        {"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "spalten": []})", "liste",
         "~\"spalten\" fehlt"},
        {R"(        {"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "zeilenhoehe_mm": 0, "spalten": [{}]})", "liste",
         "~\"zeilenhoehe_mm\" muss eine Zahl"},
        {R"(        {"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "spalten": [{"breite_mm": -1}]})", "liste",
         "~Spalte 1: \"breite_mm\""},
    };
    for (const Fall& f : faelle) {
        const Projektergebnis e = ProjektLesen(MitObjekten({EinText, EinText, f.objekt}, f.typ));
        ASSERT_FALSE(e.projekt) << f.objekt.toStdString();
        if (f.fehler.startsWith(u'~'))
            EXPECT_TRUE(e.fehler.text.contains(f.fehler.mid(1))) << e.fehler.text.toStdString();
        else
            EXPECT_EQ(e.fehler.text, f.fehler);
        EXPECT_EQ(e.fehler.zeile, 7) << f.objekt.toStdString();
        EXPECT_EQ(e.fehler.spalte, 9) << f.objekt.toStdString();
    }
}

TEST(ProjektLesen, PageFormatsAndTableLimits)
{
    auto seite = [](const char* format, const char* ausrichtung) {
        return ProjektLesen(QByteArray(R"({"format": "corvalink-berichtsprojekt", "version": 1, "typ": "karte", )") +
                            R"("seite": {"format": ")" + format + R"(", "ausrichtung": ")" + ausrichtung + "\"}}");
    };
    EXPECT_EQ(seite("A4", "hoch").projekt->seiteMm, QSizeF(210, 297));
    EXPECT_EQ(seite("A4", "quer").projekt->seiteMm, QSizeF(297, 210));
    EXPECT_EQ(seite("A5", "hoch").projekt->seiteMm, QSizeF(148, 210));
    EXPECT_EQ(seite("A5", "quer").projekt->seiteMm, QSizeF(210, 148));
    EXPECT_TRUE(seite("A3", "hoch").fehler.text.contains("\"A4\" oder \"A5\""));
    EXPECT_TRUE(seite("A4", "schraeg").fehler.text.contains("\"hoch\" oder \"quer\""));

    const QByteArray tabelle = R"(        {"art": "tabelle", "rechteck_mm": [1, 2, 3, 4], "spalten": [{"titel": "A"}]})";
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
    Projektobjekt text;
    text.mm = QRectF(10.25, 20, 80, 12.5);
    text.vorlage = "Größe: \"{A.B}\"\nzweite Zeile {{fest}}";
    text.schrift = {"DejaVu Serif", 11.5, true, true};
    text.farbe = QColor("#123456");
    text.ausrichtung = Textausrichtung::Rechts;
    Projektobjekt kreuz;
    kreuz.art = Berichtselement::Art::Kreuz;
    kreuz.mm = QRectF(1, 2, 3, 4);
    kreuz.vorlage = "Wettkampf.Protest";
    kreuz.staerkeMm = 0.5;
    Projektobjekt linie;
    linie.art = Berichtselement::Art::Linie;
    linie.mm = QRectF(QPointF(100, 50), QPointF(20, 60));  // running left and down
    Projektobjekt rechteck;
    rechteck.art = Berichtselement::Art::Rechteck;
    rechteck.mm = QRectF(0, 0, 148, 210);
    rechteck.fuellung = QColor(0x80, 0x10, 0x20, 0x40);
    rechteck.staerkeMm = 0;
    Projektobjekt bild;
    bild.art = Berichtselement::Art::Bild;
    bild.mm = QRectF(5, 5, 30, 20);
    bild.datei = "Logo.png";
    Projektobjekt tabelle;
    tabelle.art = Berichtselement::Art::Tabelle;
    tabelle.mm = QRectF(10, 40, 128, 150);
    tabelle.zeilenhoeheMm = 5.5;
    tabelle.kopf = false;
    tabelle.kopfschrift = {"Liberation Sans", 9, true, false};
    tabelle.spalten = {{"Name", "{Spieler.Name}", 60, Textausrichtung::Links},
                       {"Pass", "{Spieler.Pass}", 20.5, Textausrichtung::Mitte}};
    p.objekte = {text, kreuz, linie, rechteck, bild, tabelle};

    const Projektergebnis e = ProjektLesen(ProjektText(p), "/daten");
    ASSERT_TRUE(e.projekt) << ProjektfehlerText(e.fehler).toStdString();
    EXPECT_EQ(*e.projekt, p);
}

TEST(ProjektdateiLesen, MissingLargeAndGoodFiles)
{
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath("Fehlt.crd");
    EXPECT_EQ(ProjektdateiLesen(fehlt).fehler.text, "Die Formulardatei „Fehlt.crd“ fehlt.");

    QFile gross(ordner.filePath("Gross.crd"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
    gross.write(QByteArray(5 * 1024 * 1024, ' '));
    gross.close();
    EXPECT_TRUE(ProjektdateiLesen(gross.fileName()).fehler.text.contains("zu groß"));

    QFile gut(ordner.filePath("Gut.crd"));
    ASSERT_TRUE(gut.open(QIODevice::WriteOnly));
    gut.write(MitObjekten({EinText}));
    gut.close();
    const Projektergebnis e = ProjektdateiLesen(gut.fileName());
    ASSERT_TRUE(e.projekt);
    EXPECT_EQ(e.projekt->ordner, ordner.path());
    EXPECT_EQ(e.projekt->objekte.size(), 1);
}

TEST(Standardprojekte, BothParseAndUseOnlyKnownNames)
{
    const QStringList variablen = Berichtsvariablen();
    ASSERT_EQ(variablen.size(), 582);
    const QSet<QString> bekannt(variablen.cbegin(), variablen.cend());

    const Projektergebnis karte = ProjektLesen(StandardProjekt(Projektart::Karte));
    ASSERT_TRUE(karte.projekt) << ProjektfehlerText(karte.fehler).toStdString();
    EXPECT_EQ(karte.projekt->art, Projektart::Karte);
    EXPECT_EQ(karte.projekt->seiteMm, QSizeF(297, 210));
    const QStringList namen = ProjektNamen(*karte.projekt);
    for (const QString& n : namen) EXPECT_TRUE(bekannt.contains(n)) << n.toStdString();
    for (const char* n : {"Wettkampf.Bahnanlage", "Wettkampf.Ort", "Wettkampf.Datum", "Wettkampf.Beginn",
                          "Wettkampf.Ende", "Wettkampf.Spielnummer", "Wettkampf.Klasse", "Wettkampf.Gruppe",
                          "Wettkampf.Schiedsrichter", "Wettkampf.BahnenOk", "Wettkampf.PaesseOk", "Wettkampf.Protest",
                          "Wettkampf.Verletzungen", "Wettkampf.Verwarnungen", "Wettkampf.Sonstiges",
                          "Wettkampf.Anlagen", "Heimmannschaft.Name", "Gastmannschaft.Name", "Heimmannschaft.Total",
                          "Gastmannschaft.Fehler", "Heimmannschaft.SaP", "Heimmannschaft.MaP", "Gastmannschaft.MaP",
                          "Gastmannschaft.TotalMaP", "Heimmannschaft.Text1", "Gastmannschaft.Text4",
                          "Heimmannschaft.Mannschaftsfuehrer", "Gastmannschaft.Mannschaftsfuehrer",
                          "HeimSpieler1.Name", "HeimSpieler1.Pass", "HeimSpieler1.Durchgang2.Total",
                          "HeimSpieler3.Durchgang4.Bahn", "HeimSpieler6.SaP", "HeimSpieler6.MaP", "HeimSpieler7.Ersatz",
                          "GastSpieler8.Ersatz", "GastSpieler8.Total", "GastSpieler5.Abr", "GastSpieler2.Volle"})
        EXPECT_TRUE(namen.contains(QLatin1String(n))) << n;

    const Projektergebnis liste = ProjektLesen(StandardProjekt(Projektart::Liste));
    ASSERT_TRUE(liste.projekt) << ProjektfehlerText(liste.fehler).toStdString();
    EXPECT_EQ(liste.projekt->art, Projektart::Liste);
    EXPECT_EQ(liste.projekt->seiteMm, QSizeF(210, 297));
    const QSet<QString> felder{"Spieler.Name", "Spieler.Club", "Spieler.Pass", "Spieler.Gebdat", "Spieler.Gruppe",
                               "Spieler.Nation", "Spieler.Plz", "Spieler.Ort", "Spieler.Adresse", "Spieler.Tel",
                               "Spieler.Fax", "Spieler.Email", "Datum", "Uhrzeit"};
    for (const QString& n : ProjektNamen(*liste.projekt)) EXPECT_TRUE(felder.contains(n)) << n.toStdString();
}

TEST(Standardprojekte, CardAndListRenderWithSampleValues)
{
    const Berichtsprojekt karte = *ProjektLesen(StandardProjekt(Projektart::Karte)).projekt;
    const Berichtsseite seite = SeiteBeginnen(karte, Beispielspiel());
    const QImage bild = SeitenBild(seite, 2200);
    ASSERT_EQ(bild.size(), QSize(2200, 1556));  // 2200 * 210 / 297 = 1555.6
    BildAblegen(bild, "a35_spielbericht.png");
    if (const QString ordner = qEnvironmentVariable("BERICHT_BILDER_ORDNER"); !ordner.isEmpty())
        SeitenHtmlSchreiben({seite}, "Spielbericht", QDir(ordner).filePath("a35_spielbericht.htm"), nullptr);
    // Three incident flags are set: three crosses on the page.
    EXPECT_EQ(std::count_if(seite.elemente.cbegin(), seite.elemente.cend(),
                            [](const Berichtselement& e) { return e.art == Berichtselement::Art::Kreuz; }),
              3);

    const Berichtsprojekt liste = *ProjektLesen(StandardProjekt(Projektart::Liste)).projekt;
    Berichtsseite listenseite = SeiteBeginnen(liste, {});
    int zeilen = 0;
    for (int i = 1; i <= 60; ++i) {
        const Wertetabelle felder{{"Spieler.Name", QStringLiteral("Spieler Nummer %1").arg(i)},
                                  {"Spieler.Club", "KSV Grün-Weiß Oberdorf"},
                                  {"Spieler.Pass", QString::number(100000 + i)},
                                  {"Spieler.Gebdat", "01.02.85"},
                                  {"Spieler.Gruppe", "Herren"},
                                  {"Spieler.Nation", "D"},
                                  {"Spieler.Plz", "12345"},
                                  {"Spieler.Ort", "Oberdorf"},
                                  {"Spieler.Tel", "0123 45678"}};
        if (!ZeileAnfuegen(listenseite, liste, felder)) break;
        ++zeilen;
    }
    // (258 - 5.5) / 5.5 = 45.9: 45 rows under the header.
    EXPECT_EQ(zeilen, 45);
    BildAblegen(SeitenBild(listenseite, 1240), "a35_spielerdaten.png");
    if (const QString ordner = qEnvironmentVariable("BERICHT_BILDER_ORDNER"); !ordner.isEmpty())
        SeitenHtmlSchreiben({listenseite}, "Spielerdaten", QDir(ordner).filePath("a35_spielerdaten.htm"), nullptr);
}

TEST(Vorlagen, FillingTable)
{
    const Wertetabelle w{{"A", "x"}, {"B", "y"}, {"Wettkampf.Datum", "01.02.24"}, {"Leer", ""}};
    struct Fall {
        const char* vorlage;
        const char* ergebnis;
        QStringList unbekannt;
    };
    const QList<Fall> faelle{
        {"", "", {}},
        {"Datum: {Wettkampf.Datum}", "Datum: 01.02.24", {}},
        {"{A}{B}", "xy", {}},
        {"{ A }", "x", {}},
        {"{{A}}", "{A}", {}},
        {"{{{A}}}", "{x}", {}},
        {"offen {A", "offen {A", {}},
        {"{A{B}", "{Ay", {}},
        {"{}", "{}", {}},
        {"a}b", "a}b", {}},
        {"[{Leer}]", "[]", {}},
        {"{Fehlt}!{Fehlt}{Auch}", "!", {"Fehlt", "Auch"}},
    };
    for (const Fall& f : faelle) {
        QStringList unbekannt;
        EXPECT_EQ(VorlageFuellen(QString::fromUtf8(f.vorlage), w, &unbekannt), QString::fromUtf8(f.ergebnis))
            << f.vorlage;
        EXPECT_EQ(unbekannt, f.unbekannt) << f.vorlage;
    }
}

TEST(Vorlagen, LastDefinitionCountsAndNamesComeOnceInOrder)
{
    const Wertetabelle w = Werte({{"A", "1", WerttypText}, {"B", "2", WerttypZahl}, {"A", "3", WerttypText}});
    EXPECT_EQ(w.value("A"), "3");
    EXPECT_EQ(w.size(), 2);

    const Projektergebnis e = ProjektLesen(MitObjekten(
        {R"(        {"art": "text", "rechteck_mm": [1, 1, 1, 1], "text": "{B} {A} {B} {{C}}"})",
         R"(        {"art": "kreuz", "rechteck_mm": [1, 1, 1, 1], "variable": "K"})",
         R"(        {"art": "tabelle", "rechteck_mm": [1, 1, 1, 1], "spalten": [{"titel": "{T}", "inhalt": "{F} {A}"}]})"},
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
    const QByteArray text =
        Kopf("liste") +
        R"(        {"art": "kreuz", "rechteck_mm": [1, 1, 4, 4], "variable": "Ja"},
        {"art": "kreuz", "rechteck_mm": [1, 6, 4, 4], "variable": "Nein"},
        {"art": "kreuz", "rechteck_mm": [1, 11, 4, 4], "variable": "Undefiniert"},
        {"art": "bild", "rechteck_mm": [10, 1, 20, 10], "datei": "Logo.png"},
        {"art": "bild", "rechteck_mm": [10, 1, 20, 10], "datei": "Fehlt.png"},
        {"art": "text", "rechteck_mm": [40, 1, 50, 6], "text": "Stand {Datum}, {Titel}"},
        {"art": "tabelle", "rechteck_mm": [10, 20, 100, 100], "spalten": [{"titel": "{Titel}", "inhalt": "{F}"}]}
    ],
    "hintergrund": "Fehlt auch.png"
}
)";
    const Projektergebnis e = ProjektLesen(text, ordner.path());
    ASSERT_TRUE(e.projekt) << ProjektfehlerText(e.fehler).toStdString();
    const Berichtsseite seite = SeiteBeginnen(*e.projekt, {{"Ja", "T"}, {"Nein", "F"}, {"Titel", "Name"}, {"Datum", "heute"}});
    EXPECT_EQ(seite.groesseMm, QSizeF(210, 297));
    using A = Berichtselement::Art;
    ASSERT_EQ(seite.elemente.size(), 4);  // one cross, one picture, the text, the table
    EXPECT_EQ(seite.elemente[0].art, A::Kreuz);
    EXPECT_EQ(seite.elemente[0].mm, QRectF(1, 1, 4, 4));
    EXPECT_EQ(seite.elemente[1].art, A::Bild);
    EXPECT_EQ(seite.elemente[1].bild.size(), QSize(4, 2));
    EXPECT_EQ(seite.elemente[2].text, "Stand heute, Name");
    ASSERT_EQ(seite.elemente[3].art, A::Tabelle);
    EXPECT_EQ(seite.elemente[3].spalten.value(0).titel, "Name");
    EXPECT_TRUE(seite.elemente[3].zeilen.isEmpty());

    // A background that exists lies under everything, over the whole page.
    Berichtsprojekt mitHintergrund = *e.projekt;
    mitHintergrund.hintergrund = "Logo.png";
    const Berichtsseite zweite = SeiteBeginnen(mitHintergrund, {});
    ASSERT_EQ(zweite.elemente.size(), 4);  // no cross is "T" now
    EXPECT_EQ(zweite.elemente[0].art, A::Bild);
    EXPECT_EQ(zweite.elemente[0].mm, QRectF(0, 0, 210, 297));
}

TEST(ZeileAnfuegen, RowsFillThePageAndPagingAlwaysProgresses)
{
    auto liste = [](double hoehe, bool kopf) {
        return *ProjektLesen(MitObjekten({QByteArray(R"(        {"art": "tabelle", "rechteck_mm": [10, 20, 100, )") +
                                          QByteArray::number(hoehe) + R"(], "zeilenhoehe_mm": 6, "kopf": )" +
                                          (kopf ? "true" : "false") +
                                          R"(, "spalten": [{"inhalt": "{Nr}"}, {"inhalt": "fest"}]})"},
                                         "liste"))
                    .projekt;
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
    EXPECT_EQ(zeilenBisVoll(liste(100, true)), 15);
    EXPECT_EQ(zeilenBisVoll(liste(100, false)), 16);
    // 96 = 6 + 15 * 6 exactly: the 15th row fits to the millimetre.
    EXPECT_EQ(zeilenBisVoll(liste(96, true)), 15);
    // A table lower than one row still takes one row a page.
    EXPECT_EQ(zeilenBisVoll(liste(4, true)), 1);

    const Berichtsprojekt p = liste(100, true);
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
