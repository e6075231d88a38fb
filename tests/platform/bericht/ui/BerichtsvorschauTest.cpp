#include "platform/bericht/ui/Berichtsvorschau.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

Berichtsseite textseite(const QString& text)
{
    Berichtselement e;
    e.art = Berichtselement::Art::Text;
    e.mm = QRectF(20, 20, 150, 12);
    e.text = text;
    Berichtsseite s;
    s.elemente << e;
    return s;
}

QList<Berichtsseite> dreiSeiten()
{
    return {textseite(QStringLiteral("Eins")), textseite(QStringLiteral("Zwei")), textseite(QStringLiteral("Drei"))};
}

QString seitenanzeige(const TBerichtsvorschau& v)
{
    return v.findChild<QLabel*>(QStringLiteral("LSeite"))->text();
}

}  // namespace

TEST(Berichtsvorschau, BlaettertUndBleibtInDenGrenzen)
{
    TBerichtsvorschau v;
    QList<std::pair<int, int>> gewechselt;
    QObject::connect(&v, &TBerichtsvorschau::seiteGewechselt, [&](int s, int n) { gewechselt.append({s, n}); });
    v.seitenSetzen(dreiSeiten());
    EXPECT_EQ(v.seitenzahl(), 3);
    EXPECT_EQ(v.seite(), 0);
    EXPECT_EQ(seitenanzeige(v), QStringLiteral("Seite 1 von 3"));

    struct Schritt {
        std::function<void()> tun;
        int seite;
    };
    const QList<Schritt> schritte = {
        {[&] { v.vor(); }, 1},          {[&] { v.vor(); }, 2},         {[&] { v.vor(); }, 2},
        {[&] { v.seiteZeigen(-5); }, 0}, {[&] { v.zurueck(); }, 0},     {[&] { v.seiteZeigen(99); }, 2},
        {[&] { v.zurueck(); }, 1},
    };
    for (const Schritt& s : schritte) {
        s.tun();
        EXPECT_EQ(v.seite(), s.seite);
    }
    EXPECT_EQ(seitenanzeige(v), QStringLiteral("Seite 2 von 3"));
    // Only real changes are reported (setting the pages, then 1, 2, 0, 2, 1).
    const QList<std::pair<int, int>> erwartet = {{0, 3}, {1, 3}, {2, 3}, {0, 3}, {2, 3}, {1, 3}};
    EXPECT_EQ(gewechselt, erwartet);

    v.seitenSetzen({});
    v.vor();
    EXPECT_EQ(v.seite(), 0);
    EXPECT_TRUE(v.findChild<QLabel*>(QStringLiteral("Seitenbild"))->pixmap().isNull());
}

TEST(Berichtsvorschau, PasstSeiteDerBreiteAn)
{
    TBerichtsvorschau v;
    v.seitenSetzen(dreiSeiten());
    v.resize(400, 500);
    v.show();
    const auto* bild = v.findChild<QLabel*>(QStringLiteral("Seitenbild"));
    const QSizeF schmal = bild->pixmap().deviceIndependentSize();
    v.resize(700, 500);
    const QSizeF breit = bild->pixmap().deviceIndependentSize();
    EXPECT_LT(schmal.width(), 400);
    EXPECT_GT(breit.width(), schmal.width());
    EXPECT_LT(breit.width(), 700);
    // A4 upright: 297 / 210 as high as wide.
    EXPECT_NEAR(breit.height() / breit.width(), 297.0 / 210.0, 0.01);
}

TEST(Berichtsvorschau, LaedtVorschaudateiUndBehaeltSeitenBeiFehler)
{
    QTemporaryDir ordner;
    const QString gut = ordner.filePath(QStringLiteral("gut.ll"));
    const QString schlecht = ordner.filePath(QStringLiteral("schlecht.ll"));
    QString fehler;
    ASSERT_TRUE(VorschaudateiSchreiben(gut, dreiSeiten(), &fehler)) << fehler.toStdString();
    QFile f(schlecht);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Vorschaubild, nur Text");
    f.close();

    TBerichtsvorschau v;
    v.seitenSetzen({textseite(QStringLiteral("Alt"))});
    for (const QString& datei : {schlecht, ordner.filePath(QStringLiteral("fehlt.ll"))}) {
        fehler.clear();
        EXPECT_FALSE(v.laden(datei, &fehler));
        EXPECT_FALSE(fehler.isEmpty());
        ASSERT_EQ(v.seitenzahl(), 1);
        EXPECT_EQ(v.seiten().first().elemente.first().text, QStringLiteral("Alt"));
    }
    EXPECT_TRUE(v.laden(gut));
    EXPECT_EQ(v.seiten(), dreiSeiten());
}
