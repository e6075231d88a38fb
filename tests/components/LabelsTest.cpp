#include "components/Labels.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Bounding box of the pixels that differ from the top-left one (the background).
QRect tinte(const QImage& bild)
{
    const QRgb grund = bild.pixel(0, 0);
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != grund) r |= QRect(x, y, 1, 1);
    return r;
}

bool hatFarbe(const QImage& bild, QColor farbe)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == farbe) return true;
    return false;
}

QImage abbild(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class Malzaehler : public QObject {
public:
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

void maus(QWidget& w, QEvent::Type typ, QPoint pos, Qt::MouseButton knopf = Qt::NoButton)
{
    const Qt::MouseButtons knoepfe = typ == QEvent::MouseButtonPress ? Qt::MouseButtons(knopf) : Qt::NoButton;
    QMouseEvent e(typ, QPointF(pos), w.mapToGlobal(QPointF(pos)), knopf, knoepfe, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

}  // namespace

TEST(Labels, NeueLabelsHabenIhreSchrift)
{
    TabfLabel l;
    EXPECT_EQ(l.font().family(), "Arial");
    EXPECT_EQ(l.font().pointSize(), 9);
    EXPECT_EQ(l.Angle(), 0);
    TabfActiveLabel a;
    EXPECT_EQ(a.font().family(), "Arial");
    EXPECT_EQ(a.font().pointSize(), 16);
    EXPECT_EQ(a.RuntimeState(), rtsNormal);
}

TEST(Labels, WinkelDrehtDieBeschriftung)
{
    // The ink of a one-line caption is wider than tall; turned by 90 degrees
    // (either way, or by a full turn more) it is taller than wide.
    struct Fall {
        int winkel;
        bool hochkant;
    };
    for (const Fall f : {Fall{0, false}, Fall{90, true}, Fall{270, true}, Fall{360, false}, Fall{450, true},
                         Fall{-90, true}, Fall{180, false}}) {
        TabfLabel l(QStringLiteral("Kegelbahn"));
        l.setAlignment(Qt::AlignCenter);
        l.setAngle(f.winkel);
        l.resize(160, 160);
        const QRect r = tinte(abbild(l));
        ASSERT_FALSE(r.isEmpty()) << f.winkel;
        EXPECT_EQ(r.height() > r.width(), f.hochkant) << f.winkel;
    }
}

TEST(Labels, NeueSchriftBehaeltDenWinkel)
{
    TabfLabel l(QStringLiteral("Kegelbahn"));
    l.setAlignment(Qt::AlignCenter);
    l.setAngle(90);
    l.resize(200, 240);
    const QRect vorher = tinte(abbild(l));

    l.setFont(QFont(QStringLiteral("Arial"), 20));
    EXPECT_EQ(l.Angle(), 90);
    EXPECT_EQ(l.RotierteSchrift().pointSize(), 20);
    const QRect nachher = tinte(abbild(l));
    EXPECT_GT(nachher.height(), nachher.width());
    EXPECT_GT(nachher.height(), vorher.height());
    // The size hint follows the turned caption, too.
    EXPECT_GT(l.sizeHint().height(), l.sizeHint().width());
}

TEST(Labels, BeschreibungenMeldenJedeAenderung)
{
    TabfTextDecorationDesc text;
    TabfColorDecorationDesc farbe;
    TabfRunTimeColorDesc farben;
    TabfRunTimeCursorDesc zeiger;
    TabfRunTimeTextDecorationDesc texte;
    TabfRunTimeColorDecorationDesc schatten;
    struct Fall {
        const char* name;
        TabfPropertyDesc* desc;
        std::function<void()> setzen;
    };
    const Fall faelle[] = {
        {"Text Color", &text, [&] { text.setColor(Qt::green); }},
        {"Text Style", &text, [&] { text.setStyle(fsBold | fsItalic); }},
        {"Color", &farbe, [&] { farbe.setColor(Qt::green); }},
        {"Visible", &farbe, [&] { farbe.setVisible(true); }},
        {"Farben Active", &farben, [&] { farben.setActive(Qt::green); }},
        {"Zeiger Disabled", &zeiger, [&] { zeiger.setDisabled(Qt::WaitCursor); }},
        {"Texte Selected", &texte, [&] { texte.Selected()->setStyle(fsUnderline); }},
        {"Schatten Normal", &schatten, [&] { schatten.Normal()->setVisible(true); }},
        {"Schatten SizeX", &schatten, [&] { schatten.setSizeX(3); }},
        {"Schatten SizeY", &schatten, [&] { schatten.setSizeY(-1); }},
    };
    for (const Fall& f : faelle) {
        int meldungen = 0;
        const auto verbindung =
            QObject::connect(f.desc, &TabfPropertyDesc::Geaendert, [&meldungen] { ++meldungen; });
        f.setzen();
        EXPECT_EQ(meldungen, 1) << f.name;
        f.setzen();  // the same value again changes nothing
        EXPECT_EQ(meldungen, 1) << f.name;
        QObject::disconnect(verbindung);
    }
}

TEST(Labels, ZustandWaehltDieWerte)
{
    TabfActiveLabel a(QStringLiteral("Start"));
    const QColor farbe[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::lightGray};
    const Qt::CursorShape zeiger[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::CrossCursor, Qt::ForbiddenCursor};
    for (int i = 0; i < TabfRunTimeStateAnzahl; ++i) {
        a.Colors()->setWert(TabfRunTimeState(i), farbe[i]);
        a.Cursors()->setWert(TabfRunTimeState(i), zeiger[i]);
        a.Shadows()->Wert(TabfRunTimeState(i))->setVisible(i == rtsActive);
    }
    for (const int i : {rtsSelected, rtsActive, rtsDisabled, rtsNormal}) {
        const auto s = TabfRunTimeState(i);
        a.setRuntimeState(s);
        EXPECT_EQ(a.Colors()->State(), s);
        EXPECT_EQ(a.Cursors()->State(), s);
        EXPECT_EQ(a.Borders()->State(), s);
        EXPECT_EQ(a.Shadows()->State(), s);
        EXPECT_EQ(a.TextDecorations()->State(), s);
        EXPECT_EQ(a.Colors()->Current(), farbe[i]);
        EXPECT_EQ(a.cursor().shape(), zeiger[i]);
        EXPECT_EQ(a.Shadows()->Current()->Visible(), s == rtsActive);
    }
}

TEST(Labels, AktivesLabelMaltMitDenWertenDesZustands)
{
    TabfActiveLabel a(QStringLiteral("Ergebnis"));
    a.resize(a.sizeHint());
    a.TextDecorations()->Normal()->setColor(QColor(0, 0, 255));
    a.TextDecorations()->Selected()->setColor(QColor(255, 0, 0));
    a.Borders()->Selected()->setColor(QColor(0, 128, 0));
    a.Borders()->Selected()->setVisible(true);

    const QImage normal = abbild(a);
    EXPECT_TRUE(hatFarbe(normal, QColor(0, 0, 255)));
    EXPECT_FALSE(hatFarbe(normal, QColor(255, 0, 0)));
    EXPECT_FALSE(hatFarbe(normal, QColor(0, 128, 0)));

    a.setRuntimeState(rtsSelected);
    const QImage gewaehlt = abbild(a);
    EXPECT_TRUE(hatFarbe(gewaehlt, QColor(255, 0, 0)));
    EXPECT_TRUE(hatFarbe(gewaehlt, QColor(0, 128, 0)));
    EXPECT_FALSE(hatFarbe(gewaehlt, QColor(0, 0, 255)));
}

TEST(Labels, GleicherZustandMaltNichtNeu)
{
    TabfActiveLabel a(QStringLiteral("Start"));
    Malzaehler zaehler;
    a.installEventFilter(&zaehler);
    a.show();
    QApplication::processEvents();
    ASSERT_GT(zaehler.anzahl, 0);

    zaehler.anzahl = 0;
    a.setRuntimeState(rtsSelected);
    QApplication::processEvents();
    EXPECT_EQ(zaehler.anzahl, 1);

    zaehler.anzahl = 0;
    a.setRuntimeState(rtsSelected);
    QApplication::processEvents();
    EXPECT_EQ(zaehler.anzahl, 0);

    // A changed descriptor value repaints.
    a.Shadows()->Selected()->setVisible(true);
    QApplication::processEvents();
    EXPECT_EQ(zaehler.anzahl, 1);
}

TEST(Labels, MausWechseltDenZustand)
{
    TabfActiveLabel a(QStringLiteral("Start"));
    a.resize(a.sizeHint() + QSize(40, 0));
    a.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int klicks = 0;
    QObject::connect(&a, &TabfCustomActiveLabel::Klick, [&klicks] { ++klicks; });
    const QPoint drin = a.Beschriftungsrechteck().center();
    const QPoint draussen(a.width() - 2, drin.y());
    ASSERT_FALSE(a.Beschriftungsrechteck().contains(draussen));

    maus(a, QEvent::MouseMove, draussen);
    EXPECT_EQ(a.RuntimeState(), rtsNormal);
    maus(a, QEvent::MouseMove, drin);
    EXPECT_EQ(a.RuntimeState(), rtsSelected);
    maus(a, QEvent::MouseButtonPress, drin, Qt::LeftButton);
    EXPECT_EQ(a.RuntimeState(), rtsActive);
    maus(a, QEvent::MouseButtonRelease, drin, Qt::LeftButton);
    EXPECT_EQ(a.RuntimeState(), rtsSelected);
    EXPECT_EQ(klicks, 1);

    // Pressed on the caption, released beside it: no click.
    maus(a, QEvent::MouseButtonPress, drin, Qt::LeftButton);
    maus(a, QEvent::MouseButtonRelease, draussen, Qt::LeftButton);
    EXPECT_EQ(a.RuntimeState(), rtsNormal);
    EXPECT_EQ(klicks, 1);

    a.setEnabled(false);
    EXPECT_EQ(a.RuntimeState(), rtsDisabled);
    a.setEnabled(true);
    EXPECT_EQ(a.RuntimeState(), rtsNormal);

    a.setActive(false);
    maus(a, QEvent::MouseMove, drin);
    EXPECT_EQ(a.RuntimeState(), rtsNormal);
}

TEST(Labels, LeereBeschriftungZaehltAlsLeerzeichen)
{
    TabfActiveLabel a;
    a.setText(QStringLiteral(" "));
    const QSize blank = a.Beschriftungsrechteck().size();
    a.setText(QString());
    EXPECT_EQ(a.Beschriftungsrechteck().size(), blank);
    a.setText(QStringLiteral("&"));
    EXPECT_EQ(a.Beschriftungsrechteck().size(), blank);
    a.setShowAccelChar(false);
    EXPECT_GT(a.Beschriftungsrechteck().width(), blank.width());
}
