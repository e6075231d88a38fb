#include "platform/bericht/Berichtsseite.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using A = Berichtselement::Art;

Berichtselement Element(A art, QRectF mm)
{
    Berichtselement e;
    e.art = art;
    e.mm = mm;
    return e;
}

Berichtselement Text(QRectF mm, const QString& text, double punkt = 10)
{
    Berichtselement e = Element(A::Text, mm);
    e.text = text;
    e.schrift.punkt = punkt;
    return e;
}

Berichtselement Flaeche(QRectF mm, QColor farbe)
{
    Berichtselement e = Element(A::Rechteck, mm);
    e.fuellung = farbe;
    e.staerkeMm = 0;
    return e;
}

// Every kind of element, with values that are not the defaults.
QList<Berichtsseite> Beispielseiten()
{
    Berichtsseite eins;
    eins.groesseMm = {297, 210};
    Berichtselement t = Text({10, 10, 100, 20}, "Größe <b>&\"\nzweite Zeile", 12.5);
    t.schrift = {"DejaVu Serif", 12.5, true, true};
    t.farbe = QColor(0x12, 0x34, 0x56);
    t.ausrichtung = Textausrichtung::Mitte;
    eins.elemente << t;
    Berichtselement l = Element(A::Linie, QRectF(QPointF(100, 50), QPointF(20, 60)));
    l.staerkeMm = 0.7;
    eins.elemente << l;
    eins.elemente << Flaeche({1, 2, 3, 4}, QColor(0x80, 0x10, 0x20, 0x40));
    Berichtselement b = Element(A::Bild, {5, 5, 30, 20});
    b.bild = QImage(3, 2, QImage::Format_RGB32);
    b.bild.fill(QColor(10, 200, 30));
    b.bild.setPixel(1, 1, qRgb(255, 0, 0));
    eins.elemente << b;
    Berichtselement k = Element(A::Kreuz, {50, 50, 4, 4});
    k.text = "X";
    eins.elemente << k;

    Berichtsseite zwei;
    Berichtselement tab = Element(A::Tabelle, {10, 20, 190, 250});
    tab.spalten = {{"Name", 60, Textausrichtung::Links}, {"Pass", 20.5, Textausrichtung::Rechts}};
    tab.kopf = false;
    tab.kopfschrift.fett = true;
    tab.zeilenhoeheMm = 5.5;
    tab.zeilen = {{"Anna <Müller>", "123"}, {"Bernd & Co", ""}, {}};
    zwei.elemente << tab;
    return {eins, zwei, Berichtsseite{}};
}

int DunklePunkte(const QImage& bild, QRect bereich)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 128) ++n;
    return n;
}

}  // namespace

TEST(SeiteZeichnen, MillimetresMapToPixelsByResolutionOrTarget)
{
    Berichtsseite seite;
    seite.groesseMm = {297, 210};
    seite.elemente << Flaeche({100, 50, 10, 10}, Qt::black);

    // 297 pixels wide: one pixel a millimetre.
    const QImage bild = SeitenBild(seite, 297);
    ASSERT_EQ(bild.size(), QSize(297, 210));
    EXPECT_EQ(bild.pixel(105, 55), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(95, 55), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(115, 55), qRgb(255, 255, 255));

    // Without a target the device's resolution counts: 254 dpi = 10 pixels a millimetre.
    QImage geraet(1500, 1500, QImage::Format_RGB32);
    geraet.setDotsPerMeterX(10000);
    geraet.setDotsPerMeterY(10000);
    geraet.fill(Qt::gray);
    Berichtsseite klein;
    klein.groesseMm = {20, 30};
    klein.elemente << Flaeche({2, 2, 3, 3}, Qt::black);
    QPainter m(&geraet);
    SeiteZeichnen(m, klein);
    m.end();
    EXPECT_EQ(geraet.pixel(35, 35), qRgb(0, 0, 0));
    EXPECT_EQ(geraet.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(geraet.pixel(199, 299), qRgb(255, 255, 255));  // the page's last pixel
    EXPECT_EQ(geraet.pixel(201, 100), QColor(Qt::gray).rgb());
}

TEST(SeiteZeichnen, TextStaysInItsBox)
{
    Berichtsseite seite;
    seite.groesseMm = {100, 50};
    seite.elemente << Text({10, 10, 20, 10}, "WWWWWWWWWWWWWWWWWWWW", 20);
    const QImage bild = SeitenBild(seite, 1000);  // 10 pixels a millimetre
    EXPECT_GT(DunklePunkte(bild, QRect(100, 100, 200, 100)), 500);
    EXPECT_EQ(DunklePunkte(bild, QRect(302, 0, 698, 500)), 0);
}

TEST(SeitenHtml, EscapedPositionedAndDeclaredUtf8)
{
    const QString html = SeitenHtml(Beispielseiten(), "Bericht <1> & \"2\"");
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(html.contains("<title>Bericht &lt;1&gt; &amp; &quot;2&quot;</title>"));
    EXPECT_EQ(html.count("class=\"seite\""), 3);
    EXPECT_TRUE(html.contains("style=\"width:297mm;height:210mm\""));
    EXPECT_TRUE(html.contains("Größe &lt;b&gt;&amp;&quot;\nzweite Zeile"));
    EXPECT_FALSE(html.contains("<b>"));
    EXPECT_TRUE(html.contains("left:10mm;top:10mm;width:100mm;height:20mm"));
    EXPECT_TRUE(html.contains("font:italic bold 12.5pt 'DejaVu Serif'"));
    EXPECT_TRUE(html.contains("<table"));
    EXPECT_TRUE(html.contains("<td style=\"text-align:left\">Anna &lt;Müller&gt;</td>"));
    EXPECT_TRUE(html.contains("Bernd &amp; Co"));
    EXPECT_FALSE(html.contains("<th"));  // the table has no header row
    EXPECT_TRUE(html.contains("src=\"data:image/jpeg;base64,"));

    QTemporaryDir ordner;
    const QString datei = ordner.filePath("Update.htm");
    QString fehler;
    ASSERT_TRUE(SeitenHtmlSchreiben(Beispielseiten(), "Bericht", datei, &fehler)) << fehler.toStdString();
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), SeitenHtml(Beispielseiten(), "Bericht"));
    EXPECT_FALSE(SeitenHtmlSchreiben({}, "x", ordner.filePath("fehlt/Update.htm"), &fehler));
    EXPECT_TRUE(fehler.contains("Update.htm")) << fehler.toStdString();
}

TEST(SeiteJpegSchreiben, A4LandscapeAt150Dpi)
{
    Berichtsseite seite;
    seite.groesseMm = {297, 210};
    seite.elemente << Flaeche({10, 10, 20, 20}, Qt::black);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("Spielbericht.jpg");
    QString fehler;
    ASSERT_TRUE(SeiteJpegSchreiben(seite, datei, &fehler)) << fehler.toStdString();
    QImageReader leser(datei);
    EXPECT_EQ(leser.format(), "jpeg");
    // 297 / 25.4 * 150 = 1753.9 and 210 / 25.4 * 150 = 1240.2.
    EXPECT_EQ(leser.size(), QSize(1754, 1240));
    const QImage bild = leser.read();
    EXPECT_LT(qGray(bild.pixel(118, 118)), 30);   // 20 mm = 118 pixels: in the black square
    EXPECT_GT(qGray(bild.pixel(1000, 600)), 225); // white paper
}

TEST(Vorschaudatei, RoundTripOfEveryField)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("Spielbericht.ll");
    QString fehler;
    ASSERT_TRUE(VorschaudateiSchreiben(datei, Beispielseiten(), &fehler)) << fehler.toStdString();
    const auto seiten = VorschaudateiLesen(datei, &fehler);
    ASSERT_TRUE(seiten) << fehler.toStdString();
    EXPECT_EQ(*seiten, Beispielseiten());

    ASSERT_TRUE(VorschaudateiSchreiben(datei, {}, &fehler));
    EXPECT_EQ(VorschaudateiLesen(datei, &fehler), QList<Berichtsseite>());
}

TEST(Vorschaudatei, DamagedAndForeignFilesAreRefused)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("Gut.ll");
    QString fehler;
    ASSERT_TRUE(VorschaudateiSchreiben(datei, Beispielseiten(), &fehler));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray gut = f.readAll();
    f.close();

    auto lesen = [&](const QByteArray& daten) {
        QFile k(ordner.filePath("Kaputt.ll"));
        EXPECT_TRUE(k.open(QIODevice::WriteOnly | QIODevice::Truncate));
        k.write(daten);
        k.close();
        fehler.clear();
        const auto seiten = VorschaudateiLesen(k.fileName(), &fehler);
        EXPECT_FALSE(fehler.isEmpty() && !seiten);
        return seiten;
    };
    for (qsizetype laenge = 0; laenge < gut.size(); laenge += 1 + laenge / 8)
        EXPECT_FALSE(lesen(gut.left(laenge))) << laenge;
    EXPECT_FALSE(lesen(gut + "x"));
    EXPECT_TRUE(fehler.contains("beschädigt")) << fehler.toStdString();

    QByteArray zufall(4000, '\0');
    QRandomGenerator zufallsgenerator(35);
    for (char& c : zufall) c = char(zufallsgenerator.bounded(256));
    EXPECT_FALSE(lesen(zufall));
    EXPECT_EQ(fehler, "„Kaputt.ll“ ist keine Vorschaudatei dieses Programms.");

    // The right header with an absurd page count, and a newer version.
    QByteArray zaehler = gut.left(6);
    zaehler += QByteArray("\xFF\xFF\xFF\xFF", 4);
    EXPECT_FALSE(lesen(zaehler));
    EXPECT_TRUE(fehler.contains("beschädigt"));
    QByteArray neuer = gut;
    neuer[5] = 2;
    EXPECT_FALSE(lesen(neuer));
    EXPECT_TRUE(fehler.contains("Version 2")) << fehler.toStdString();

    EXPECT_FALSE(VorschaudateiLesen(ordner.filePath("Fehlt.ll"), &fehler));
    EXPECT_EQ(fehler, "Die Vorschaudatei „Fehlt.ll“ fehlt.");
}
