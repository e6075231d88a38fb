#include "components/Hilfen.h"
#include "components/Oberflaechenhilfen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {
QByteArray Lesen(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
}  // namespace

TEST(AbfHilfen, ModifierKeysAsBits)
{
    const struct {
        Qt::KeyboardModifiers tasten;
        unsigned bits;
    } faelle[] = {
        {Qt::NoModifier, 0},
        {Qt::ShiftModifier, 1},
        {Qt::AltModifier, 2},
        {Qt::ControlModifier, 4},
        {Qt::ShiftModifier | Qt::ControlModifier, 5},
        {Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, 7},
        {Qt::MetaModifier, 0},
        {Qt::KeypadModifier | Qt::AltModifier, 2},
    };
    for (const auto& f : faelle) EXPECT_EQ(AbfUmschaltBits(f.tasten), f.bits) << f.tasten.toInt();
}

TEST(AbfHilfen, PlatformVersionFromTheKernel)
{
    const struct {
        const char* version;
        int major, minor, build;
    } faelle[] = {
        {"6.1.0-18-amd64", 6, 1, 0}, {"5.15", 5, 15, 0}, {"4.19.282", 4, 19, 282},
        {"6.8.0-rc3", 6, 8, 0},      {"", 0, 0, 0},      {"unbekannt", 0, 0, 0},
    };
    for (const auto& f : faelle) {
        const AbfPlattform p = AbfPlattformZerlegen(QStringLiteral("linux"), QString::fromLatin1(f.version),
                                                    QStringLiteral("Debian"));
        EXPECT_EQ(p.Major, f.major) << f.version;
        EXPECT_EQ(p.Minor, f.minor) << f.version;
        EXPECT_EQ(p.Build, f.build) << f.version;
        EXPECT_EQ(p.Version, QString::fromLatin1(f.version));
    }
    const AbfPlattform hier = AbfPlattformLesen();
    EXPECT_EQ(hier.Art, QStringLiteral("linux"));
    EXPECT_GT(hier.Major, 0);
}

TEST(AbfHilfen, SearchFromTheEndAndReplace)
{
    EXPECT_EQ(AbfVonHintenSuchen(QStringLiteral("ab"), QStringLiteral("xabyab")), 4);
    EXPECT_EQ(AbfVonHintenSuchen(QStringLiteral("AB"), QStringLiteral("xabyab")), -1);
    EXPECT_EQ(AbfVonHintenSuchen(QStringLiteral("AB"), QStringLiteral("xabyabz"), Qt::CaseInsensitive), 4);
    EXPECT_EQ(AbfVonHintenSuchen(QString(), QStringLiteral("xab")), -1);

    EXPECT_EQ(AbfAlleErsetzen(QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("+")),
              QStringLiteral("a+b+c"));
    EXPECT_EQ(AbfAlleErsetzen(QStringLiteral("abc"), QString(), QStringLiteral("+")), QStringLiteral("abc"));
    EXPECT_EQ(AbfAlleErsetzen(QStringLiteral("Bahn bahn"), QStringLiteral("BAHN"), QStringLiteral("Lane"),
                              Qt::CaseInsensitive),
              QStringLiteral("Lane Lane"));
    EXPECT_EQ(AbfZeichenErsetzen(QStringLiteral("C:\\Liga\\Saal"), u'\\', u'/'), QStringLiteral("C:/Liga/Saal"));
}

TEST(AbfHilfen, PathsAndLines)
{
    EXPECT_EQ(AbfMitTrenner(QStringLiteral("/tmp")), QStringLiteral("/tmp/"));
    EXPECT_EQ(AbfMitTrenner(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    EXPECT_EQ(AbfMitTrenner(QString()), QString());

    const struct {
        const char* text;
        QStringList zeilen;
    } faelle[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"", {}},
        {"ein Satz", {"ein Satz"}},
    };
    for (const auto& f : faelle) EXPECT_EQ(AbfZeilen(QString::fromLatin1(f.text)), f.zeilen) << f.text;

    const QString system = AbfSystemordner();
    EXPECT_TRUE(system.endsWith(u'/'));
    EXPECT_TRUE(QFileInfo(system).isDir()) << system.toStdString();
}

TEST(AbfHilfen, BooleanNames)
{
    EXPECT_EQ(AbfWahrheitswert(false), QStringLiteral("False"));
    EXPECT_EQ(AbfWahrheitswert(true), QStringLiteral("True"));
}

TEST(AbfLogDatei, AppendsDatedLinesWithCrLf)
{
    QTemporaryDir ordner;
    AbfLogDatei log(ordner.path(), QStringLiteral("corvalink.exe"));
    EXPECT_EQ(log.Pfad(), ordner.path() + QStringLiteral("/corvalink.log"));
    log.Zeitstempel = [] { return QStringLiteral("03.05.24 18:30:00"); };
    ASSERT_TRUE(log.Schreiben(QStringLiteral("Bahn 3 gestört")));
    ASSERT_TRUE(log.Schreiben(QStringLiteral("zwei\r\nZeilen")));
    EXPECT_EQ(Lesen(log.Pfad()), QByteArray("03.05.24 18:30:00 Bahn 3 gest\xF6rt\r\n"
                                            "03.05.24 18:30:00 zwei Zeilen\r\n"));

    // Without the folder nothing is written and the failure is told.
    AbfLogDatei fehlt(ordner.path() + QStringLiteral("/fehlt"), QStringLiteral("corvalink"));
    EXPECT_FALSE(fehlt.Schreiben(QStringLiteral("x")));
    EXPECT_FALSE(QFileInfo::exists(fehlt.Pfad()));
}

TEST(AbfLogDatei, NamedAfterTheProgramInTheProgramFolderWithTheTime)
{
    QTemporaryDir ordner;
    AbfLogDatei standard;
    EXPECT_EQ(standard.Pfad(), QDir::current().filePath(QStringLiteral("components_tests.log")));
    AbfLogDatei log(ordner.path(), QStringLiteral("prog"));
    ASSERT_TRUE(log.Schreiben(QStringLiteral("Start")));
    const QString zeile = QString::fromLatin1(Lesen(log.Pfad()));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d Start\r\n$"))
                    .match(zeile)
                    .hasMatch())
        << zeile.toStdString();
}

// ------------------------------------------------------------- with windows

namespace {
// The text alone, or over its copy, on white.
QImage Zeichnen(const std::function<void(QPainter&)>& zeichnen)
{
    QImage bild(80, 50, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    QFont schrift = maler.font();
    schrift.setPixelSize(24);
    schrift.setBold(true);
    schrift.setStyleStrategy(QFont::NoAntialias);
    maler.setFont(schrift);
    zeichnen(maler);
    return bild;
}
}  // namespace

TEST(AbfOberflaechenhilfen, TextOverItsOffsetCopy)
{
    const QPoint pos(10, 35), versatz(3, 2);
    const QImage allein = Zeichnen([&](QPainter& m) { m.drawText(pos, QStringLiteral("H")); });
    const QImage bild = Zeichnen([&](QPainter& m) {
        AbfTextMitVersatz(m, pos, QStringLiteral("H"), Qt::black, Qt::red, versatz);
    });
    auto schrift = [&](int x, int y) { return allein.valid(x, y) && allein.pixel(x, y) != qRgb(255, 255, 255); };
    int text = 0, kopie = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            // The text lies on top; the copy shows where the text leaves room.
            QRgb erwartet = qRgb(255, 255, 255);
            if (schrift(x, y))
                erwartet = qRgb(0, 0, 0), ++text;
            else if (schrift(x - versatz.x(), y - versatz.y()))
                erwartet = qRgb(255, 0, 0), ++kopie;
            ASSERT_EQ(bild.pixel(x, y), erwartet) << x << "," << y;
        }
    EXPECT_GT(text, 0);
    EXPECT_GT(kopie, 0);
}

TEST(AbfOberflaechenhilfen, WindowOpacity)
{
    QWidget fenster;
    EXPECT_TRUE(AbfFensterDeckkraft(&fenster, 51));
    EXPECT_NEAR(fenster.windowOpacity(), 0.2, 0.001);
    for (int falsch : {-1, 256}) EXPECT_FALSE(AbfFensterDeckkraft(&fenster, falsch)) << falsch;
    EXPECT_NEAR(fenster.windowOpacity(), 0.2, 0.001);
    EXPECT_FALSE(AbfFensterDeckkraft(nullptr, 100));
    EXPECT_TRUE(AbfFensterDeckkraft(&fenster, 255));
    EXPECT_DOUBLE_EQ(fenster.windowOpacity(), 1.0);
}

TEST(AbfOberflaechenhilfen, StockIconsOfTheClassicIndices)
{
    for (int index : {0, 1, 3, 4, 8, 11, 15, 31, 32}) EXPECT_FALSE(AbfShellIcon(index).isNull()) << index;
    for (int index : {-1, 14, 33, 1000}) EXPECT_TRUE(AbfShellIcon(index).isNull()) << index;
}

TEST(AbfOberflaechenhilfen, IconsOfAFileType)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("liga.png"));
    QImage bild(64, 48, QImage::Format_RGB32);
    bild.fill(Qt::red);
    ASSERT_TRUE(bild.save(datei));

    TabfFileAssociation typ;
    EXPECT_TRUE(AbfLargeIcon(typ).isNull());  // no icon file
    typ.setIconFile(datei);
    const QPixmap gross = AbfLargeIcon(typ), klein = AbfSmallIcon(typ);
    EXPECT_EQ(gross.size(), QSize(32, 24));  // the side ratio kept
    EXPECT_EQ(klein.size(), QSize(16, 12));
    EXPECT_EQ(gross.toImage().pixel(16, 12), qRgb(255, 0, 0));
    typ.setIconIndex(1);  // the file has one picture only
    EXPECT_TRUE(AbfLargeIcon(typ).isNull());
    typ.setIconIndex(0);
    typ.setIconFile(QStringLiteral("corvalink-kein-solches-symbol"));
    EXPECT_TRUE(AbfSmallIcon(typ).isNull());
}

TEST(AbfOberflaechenhilfen, FindHideShowAndRestoreWindows)
{
    QWidget bahnen, ergebnisse, verborgen;
    bahnen.setWindowTitle(QStringLiteral("Bahnen"));
    ergebnisse.setWindowTitle(QStringLiteral("Ergebnisse"));
    verborgen.setWindowTitle(QStringLiteral("Verborgen"));
    bahnen.show();
    ergebnisse.show();
    EXPECT_EQ(AbfFensterFinden(QStringLiteral("Ergebnisse")), &ergebnisse);
    EXPECT_EQ(AbfFensterFinden(QStringLiteral("Verborgen")), nullptr);
    EXPECT_EQ(AbfFensterFinden(QStringLiteral("Fehlt")), nullptr);

    AbfAnwendungsfenster anwendung;
    EXPECT_EQ(anwendung.Verbergen(), 2);
    EXPECT_TRUE(anwendung.Verborgen());
    EXPECT_FALSE(bahnen.isVisible());
    EXPECT_FALSE(ergebnisse.isVisible());
    EXPECT_EQ(AbfFensterFinden(QStringLiteral("Ergebnisse")), nullptr);
    EXPECT_EQ(anwendung.Zeigen(), 2);
    EXPECT_TRUE(bahnen.isVisible());
    EXPECT_TRUE(ergebnisse.isVisible());
    EXPECT_FALSE(verborgen.isVisible());
    EXPECT_FALSE(anwendung.Verborgen());

    // A window closed while hidden is not shown again.
    {
        QWidget kurz;
        kurz.show();
        EXPECT_EQ(anwendung.Verbergen(), 3);
    }
    EXPECT_EQ(anwendung.Zeigen(), 2);

    // Restoring through a control of the window.
    auto* knopf = new QWidget(&bahnen);
    bahnen.showMinimized();
    ASSERT_TRUE(bahnen.isMinimized());
    AbfFensterWiederherstellen(knopf);
    EXPECT_FALSE(bahnen.isMinimized());
    EXPECT_TRUE(bahnen.isVisible());
    ergebnisse.hide();
    AbfFensterWiederherstellen(&ergebnisse);
    EXPECT_TRUE(ergebnisse.isVisible());
    AbfFensterWiederherstellen(nullptr);
}
