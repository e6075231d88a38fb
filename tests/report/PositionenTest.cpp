// The free form fields' positions: the lines of "Position.inf", what the
// position dialog shows and stores, and the arithmetic of the drag preview.
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "report/formulare/Positionen.h"
#include "support/Dateien.h"
#include "support/Programmordner.h"

#include <QImage>
#include <tuple>

namespace {

class Positionen : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        m_programm = Programmverzeichnis;
        m_bitmaps = BitmapVerzeichnis;
        Programmverzeichnis = ordner.path();
        BitmapVerzeichnis = ordner.filePath(QStringLiteral("Bitmaps"));
        positionenZustand.zuruecksetzen();
    }
    void TearDown() override
    {
        Programmverzeichnis = m_programm;
        BitmapVerzeichnis = m_bitmaps;
        positionenZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    static Positionsergebnis speichern(const QString& sektion, int feld, int formular, const QString& name,
                                        Positionswerte werte)
    {
        return PositionUebernehmen({sektion, feld, formular, feld <= 10, name, werte});
    }
    QByteArray datei() const { return DateiInhalt(ordner.filePath(QStringLiteral("Position.inf"))); }

private:
    QString m_programm, m_bitmaps;
};

using Eintrag = std::tuple<u8, i32, i32, i32>;
Eintrag eintrag(int f, int l)
{
    const TFeldPosition& p = FeldPositionen[f][l];
    return {p.Gesetzt, p.A, p.B, p.C};
}

// Two layouts give two lines; clearing one width removes exactly its line,
// also where another key begins the same way (layout 1 and layout 10).
TEST_F(Positionen, ClearingTheWidthRemovesOnlyThatLayoutsLine)
{
    EXPECT_EQ(PositionSchluessel(QStringLiteral("Spielleitung Name"), 30, 3), QStringLiteral("Spielleitung_Name(30.3)"));
    const QString s = QStringLiteral("Mannschaftsdaten"), n = QStringLiteral("Trainer");
    for (int l : {1, 10}) speichern(s, 2, l, n, {"50", "60", "7"});  // a width below 10 stays as typed
    EXPECT_EQ(PositionListe, QStringList({"[Mannschaftsdaten]", "Trainer(2.1) = 50,60,7", "Trainer(2.10) = 50,60,7"}));
    speichern(s, 2, 1, n, {"50", "60", ""});
    EXPECT_EQ(PositionListe, QStringList({"[Mannschaftsdaten]", "Trainer(2.10) = 50,60,7"}));
    EXPECT_EQ(std::get<0>(eintrag(2, 1)), 0);
    EXPECT_EQ(eintrag(2, 10), Eintrag(1, 50, 60, 7));
    EXPECT_EQ(datei(), QByteArray("[Mannschaftsdaten]\r\nTrainer(2.10) = 50,60,7\r\n"));
}

TEST_F(Positionen, WritingKeepsToItsSection)
{
    const struct {
        QStringList vorher;
        QStringList nachher;
    } faelle[] = {
        // The key's line in its section; the characters before the value stay.
        {{"[mannschaftsdaten]", "trainer(2.3)=1,1,1", "[Spielleitung]"},
         {"[mannschaftsdaten]", "trainer(2.3)=9,8,7", "[Spielleitung]"}},
        // The same key in another section is another section's line.
        {{"[Spielleitung]", "Trainer(2.3) = 1,1,1"},
         {"[Spielleitung]", "Trainer(2.3) = 1,1,1", "[Mannschaftsdaten]", "Trainer(2.3) = 9,8,7"}},
        // A new line goes after the section's last line, before its blank line.
        {{"[Mannschaftsdaten]", "Arzt(1.3) = 1,1,1", "", "[Spielleitung]"},
         {"[Mannschaftsdaten]", "Arzt(1.3) = 1,1,1", "Trainer(2.3) = 9,8,7", "", "[Spielleitung]"}},
        // A longer key that begins the same way is not the key's line.
        {{"[Mannschaftsdaten]", "Trainer(2.30) = 1,1,1"},
         {"[Mannschaftsdaten]", "Trainer(2.30) = 1,1,1", "Trainer(2.3) = 9,8,7"}},
    };
    for (const auto& f : faelle) {
        PositionListe = f.vorher;
        PositionSchreiben(QStringLiteral("[Mannschaftsdaten]"), QStringLiteral("Trainer(2.3)"), QStringLiteral("9,8,7"));
        EXPECT_EQ(PositionListe, f.nachher) << f.vorher.join(QLatin1Char('|')).toStdString();
    }
}

TEST_F(Positionen, ReadingSkipsWhatItCannotPlace)
{
    const struct {
        const char* zeile;
        int feld, formular;  // field 0: the line is skipped
    } faelle[] = {
        {"Trainer(2.3) = 1210,300,600", 2, 3},
        {"Trainer_(A)(4.19) = 1210,300,600", 4, 19},  // a name with "(" of its own
        {"X(5.6)(200.0)=1210 , 300 , 600", 200, 0},
        {"Trainer(0.3) = 1,2,3", 0, 0},
        {"Trainer(201.3) = 1,2,3", 0, 0},
        {"Trainer(2.20) = 1,2,3", 0, 0},
        {"Trainer(-2.3) = 1,2,3", 0, 0},
        {"Trainer(2.3) = 1,2", 0, 0},
        {"Trainer(2.3) = 1,2,x", 0, 0},
        {"Trainer(2.3)x = 1,2,3", 0, 0},
        {"Trainer(2.3 = 1,2,3", 0, 0},
        {"Trainer = 1,2,3", 0, 0},
        {"[Trainer(2.3)] = 1,2,3", 0, 0},
        {"%&/(", 0, 0},
    };
    for (const auto& f : faelle) {
        for (auto& zeile : FeldPositionen) zeile.fill({});
        EXPECT_EQ(PositionZeileLesen(QString::fromLatin1(f.zeile)), f.feld != 0) << f.zeile;
        if (f.feld != 0) {
            EXPECT_EQ(eintrag(f.feld, f.formular), Eintrag(1, 1210, 300, 600)) << f.zeile;
        }
    }
}

TEST_F(Positionen, NameRulesAndARenamedField)
{
    const QString s = QStringLiteral("Mannschaftsdaten");
    EXPECT_EQ(speichern(s, 2, 3, QString(), {"1", "2", "30"}).art, Positionsuebernahme::NameFehlt);
    const auto klammer = speichern(s, 2, 3, QStringLiteral("[Trainer"), {"1", "2", "30"});
    EXPECT_EQ(klammer.art, Positionsuebernahme::Fehler);
    EXPECT_FALSE(klammer.meldung.isEmpty());
    EXPECT_TRUE(PositionListe.isEmpty());
    EXPECT_EQ(std::get<0>(eintrag(2, 3)), 0);
    EXPECT_EQ(datei(), QByteArray("<fehlt>"));

    speichern(s, 2, 3, QStringLiteral("Trainer"), {"1", "2", "30"});
    speichern(s, 2, 4, QStringLiteral("Trainer"), {"1", "2", "30"});
    // Renamed: the old line of that layout goes, the other layout's stays.
    speichern(s, 2, 3, QStringLiteral("Co Trainer"), {"5", "6", "70"});
    EXPECT_EQ(PositionListe, QStringList({"[Mannschaftsdaten]", "Trainer(2.4) = 1,2,30", "Co_Trainer(2.3) = 5,6,70"}));
    EXPECT_EQ(PositionFeldName, QStringLiteral("Co Trainer"));
}

TEST_F(Positionen, AFailedSaveChangesNothing)
{
    PositionListe = {"[Mannschaftsdaten]", "Trainer(2.3) = 1,2,30"};
    FeldPositionen[2][3] = {1, 1, 2, 30};
    PositionFeldName = QStringLiteral("Trainer");
    Programmverzeichnis = ordner.filePath(QStringLiteral("fehlt"));
    const auto e = speichern(QStringLiteral("Mannschaftsdaten"), 2, 3, QStringLiteral("Arzt"), {"9", "9", ""});
    EXPECT_EQ(e.art, Positionsuebernahme::Fehler);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("Position.inf"))) << e.meldung.toStdString();
    EXPECT_EQ(PositionListe, QStringList({"[Mannschaftsdaten]", "Trainer(2.3) = 1,2,30"}));
    EXPECT_EQ(eintrag(2, 3), Eintrag(1, 1, 2, 30));
    EXPECT_EQ(PositionFeldName, QStringLiteral("Trainer"));
}

TEST_F(Positionen, LayoutChoiceAndOutOfRangeFields)
{
    const QStringList liste = PositionFormularListe({"A5", "Bund"});
    EXPECT_EQ(std::tuple(liste.size(), liste.at(1), liste.at(2), liste.at(19)),
              std::tuple(20, QStringLiteral("Bund"), QStringLiteral("Formular 2"), QStringLiteral("Formular 19")));
    auto w = std::make_unique<TWettkampfDaten>();
    for (auto [formular, start] : {std::pair(19, 19), std::pair(20, 0), std::pair(25, 0)}) {
        w->Formular = u8(formular);
        EXPECT_EQ(PositionStartformular(w.get()), start) << formular;
    }
    EXPECT_EQ(PositionStartformular(nullptr), 0);
    const Positionswerte letzte{"7", "8", "9"};
    for (auto [f, l] : {std::pair(0, 3), std::pair(201, 3), std::pair(2, 20)}) EXPECT_EQ(PositionAnzeigen(f, l, letzte), letzte);
    EXPECT_EQ(speichern(QStringLiteral("Mannschaftsdaten"), 201, 0, QStringLiteral("X"), {"1", "2", "3"}).art,
              Positionsuebernahme::Fehler);
}

TEST_F(Positionen, PreviewTextFrameAndGrip)
{
    // Empty edits read as 0: the text at the origin, 10 wide.
    EXPECT_EQ(VorschauRechteck(0, 0, 0, 40), QRect(0, 0, 10, 40));
    EXPECT_EQ(VorschauRechteck(1210, 300, 7, 40), QRect(300, 1210, 10, 40));
    EXPECT_EQ(VorschauRechteck(1210, 300, 600, 40), QRect(300, 1210, 600, 40));
    for (auto [x, griff] : {std::pair(94, false), std::pair(95, false), std::pair(96, true), std::pair(99, true),
                            std::pair(100, false)})
        EXPECT_EQ(VorschauImGriff(x, 100), griff) << x;
    // Dragged width: at least 10, not past the picture (left 300 of 2430).
    for (auto [x, breite] : {std::pair(-20, 10), std::pair(3, 10), std::pair(250, 250), std::pair(5000, 2130)})
        EXPECT_EQ(VorschauGezogeneBreite(x, 300, 2430), breite) << x;
}

TEST_F(Positionen, PreviewArrowKeysStayInsideThePicture)
{
    EXPECT_EQ(std::tuple(VorschauPfeilschritt(false, false), VorschauPfeilschritt(true, false),
                         VorschauPfeilschritt(false, true), VorschauPfeilschritt(true, true)),
              std::tuple(1, 10, 100, 100));
    const Vorschausicht s{{0, 0}, {800, 600}, {2430, 1628}};
    const QRect r(50, 50, 200, 40);
    EXPECT_EQ(VorschauPfeiltaste(r, s, -1, 0, 100).rahmen, QRect(0, 50, 200, 40));   // Ctrl+Left at left 50
    EXPECT_EQ(VorschauPfeiltaste(r, s, 0, -1, 10).rahmen, QRect(50, 40, 200, 40));   // Shift+Up
    EXPECT_EQ(VorschauPfeiltaste(QRect(2200, 1580, 200, 40), s, 1, 1, 100).rahmen, QRect(2230, 1588, 200, 40));
    // Moving past the view's right edge scrolls by the same step.
    const Vorschaulage l = VorschauPfeiltaste(QRect(590, 50, 200, 40), s, 1, 0, 100);
    EXPECT_EQ(l, Vorschaulage({QRect(690, 50, 200, 40), QPoint(100, 0)}));
    EXPECT_EQ(VorschauVerschoben(r, QPoint(-80, 3000), s.bild), QRect(0, 1588, 200, 40));
}

TEST_F(Positionen, PreviewScrollsWhileTheFrameIsOutOfView)
{
    const QSize sicht(800, 600), bild(2430, 1628);
    const struct {
        QRect rahmen;
        QPoint vorher, nachher;
    } faelle[] = {
        {{100, 100, 200, 40}, {0, 0}, {0, 0}},          // in view
        {{-5, -5, 200, 40}, {0, 0}, {0, 0}},            // left and above, but not scrolled
        {{95, 195, 200, 40}, {100, 200}, {90, 190}},    // left and above a scrolled view
        {{700, 580, 200, 40}, {0, 0}, {10, 10}},        // past the right and bottom edges
        {{2230, 1588, 200, 40}, {1620, 1020}, {1620, 1020}},  // at the picture's end
        {{2306, 100, 120, 40}, {1625, 0}, {1630, 0}},   // held at the last position
    };
    for (const auto& f : faelle)
        EXPECT_EQ(VorschauBildlauf(f.rahmen, {f.vorher, sicht, bild}, VorschauBildlaufSchritt), f.nachher)
            << f.rahmen.x() << "," << f.rahmen.y();
}

TEST_F(Positionen, PreviewPictures)
{
    QString fehler;
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("Bitmaps")));
    QImage png(300, 200, QImage::Format_RGB32);
    png.fill(Qt::white);
    ASSERT_TRUE(png.save(QDir(BitmapVerzeichnis).filePath(QStringLiteral("Formular12.png"))));
    EXPECT_EQ(PositionVorschaubild(12, &fehler).size(), QSize(300, 200));
    ASSERT_TRUE(DateiAblegen(BitmapVerzeichnis, QStringLiteral("Formular13.bmp"), "kein Bild"));
    EXPECT_TRUE(PositionVorschaubild(13, &fehler).isNull());
    EXPECT_TRUE(fehler.contains(QStringLiteral("kann nicht gelesen werden"))) << fehler.toStdString();
}

}  // namespace
