// The site as a visitor sees it: the sample page of the program's assets with
// the "Update.js" of a match played on the simulated alley, opened in
// headless Chromium. The page shows both teams, every player with his
// results and points, and a name that tries to break out of the script
// ("…" and </script> with markup) shows as the text it is.

#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "report/netz/Livedateien.h"
#include "support/Berichtsspiel.h"
#include "support/Chromium.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A text as the DOM serializes it inside an element.
QString AlsText(const QString& s)
{
    QString r = s;
    return r.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

QString Zelle(const QString& id, const QString& text)
{
    return QStringLiteral("id=\"%1\">%2<").arg(id, AlsText(text));
}

TEST(Webseite, ThePublishedPageShowsTheMatchAndANameAsText)
{
    Anlage anlage(SimVorgaben(5, 40, 40, 2026));
    std::string grund;
    TWettkampfDaten* m = BerichtsspielSpielen(anlage, &grund);
    ASSERT_TRUE(m) << grund;
    // 30 characters, as many as a name holds.
    const QString boese = QStringLiteral("Li \"X\" </script><b id=boese>\\x");
    m->Spieler[3].Name = Cp1252::encode(boese);

    QTemporaryDir site;
    ASSERT_TRUE(site.isValid());
    for (const QString& f : QDir(QStringLiteral(SITE_ORDNER)).entryList(QDir::Files)) {
        const QString ziel = f == QStringLiteral("index.inf") ? QStringLiteral("index.html") : f;
        ASSERT_TRUE(QFile::copy(QStringLiteral(SITE_ORDNER "/") + f, site.filePath(ziel)));
    }
    ASSERT_TRUE(TextdateiSchreiben(site.filePath(QStringLiteral("Update.js")), UpdateJsZeilen(*m, 0)));

    QString fehler;
    const QString dom = ChromiumDom(site.filePath(QStringLiteral("index.html")), &fehler);
    ASSERT_FALSE(dom.isEmpty()) << fehler.toStdString();

    EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("HeimName"), Cp1252::decode(m->Heimmannschaft.bytes()))))
        << dom.toStdString();
    EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("GastName"), Cp1252::decode(m->Gastmannschaft.bytes()))));
    for (int n = 1; n <= 16; ++n) {
        const TSpielerEintrag& s = m->Spieler[n];
        if (s.Name.leer()) continue;
        SCOPED_TRACE(n);
        EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("Name%1").arg(n), Cp1252::decode(s.Name.bytes()))));
        EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("Total%1").arg(n), Cp1252::decode(s.Total.Text.bytes()))));
        if ((n <= 6 || (n >= 9 && n <= 14)) && m->Punktespiel) {
            EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("Punkte%1").arg(n), ZahlText1Stelle(s.MaP))));
        }
    }
    EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("HeimTotal"), Cp1252::decode(m->Heim.Total.Text.bytes()))));
    EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("GastTotal"), Cp1252::decode(m->Gast.Total.Text.bytes()))));
    // The name is text: no element came of it.
    EXPECT_TRUE(dom.contains(Zelle(QStringLiteral("Name3"), boese)));
    EXPECT_FALSE(dom.contains(QStringLiteral("<b id=\"boese\">")));
    EXPECT_EQ(boese.size(), 30);
    ProgrammAbbauen();
}

}  // namespace
