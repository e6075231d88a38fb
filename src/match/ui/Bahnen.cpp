#include "match/ui/Bahnen.h"

#include "core/Globals.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/TimerModul.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

// Fixed positions: four columns of 244 pixels, the name above each lane panel.
constexpr int Rand = 8;
constexpr int Spaltenbreite = 244;
constexpr int Spaltenabstand = 10;
constexpr int NameOben = Rand;
constexpr int NameHoehe = 40;
constexpr int PanelOben = NameOben + NameHoehe + 4;
constexpr int KnopfOben = PanelOben + BahnpanelHoeheLaufend + 8;
constexpr int KnopfHoehe = 36;
constexpr int Fensterbreite = 2 * Rand + 4 * Spaltenbreite + 3 * Spaltenabstand;
constexpr int Fensterhoehe = KnopfOben + KnopfHoehe + Rand;

// The lane board's digits: light on black, whatever the window colour.
const QString AnzeigeStil = QStringLiteral("background-color: black; color: #ffd200; padding: 0px 4px;");
const QString SummeStil = QStringLiteral("background-color: black; color: #7fe0ff; padding: 0px 4px;");

QFont Schrift(int pixel, bool fett = false, bool fest = false)
{
    QFont f = fest ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

QLabel* Label(QWidget* eltern, const QString& name, const QRect& r, const QFont& f,
              Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter, const QString& text = {})
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(r);
    l->setFont(f);
    l->setAlignment(ausrichtung);
    return l;
}

// A long name gets a smaller font, down to 12 pixels, and is cut beyond that.
void namenSetzen(QLabel* l, const QString& name)
{
    QFont f = l->font();
    const int breite = l->width() - 4;
    int pixel = 17;
    for (; pixel > 12; --pixel) {
        f.setPixelSize(pixel);
        if (QFontMetrics(f).horizontalAdvance(name) <= breite) break;
    }
    f.setPixelSize(pixel);
    l->setFont(f);
    l->setText(QFontMetrics(f).elidedText(name, Qt::ElideRight, breite));
    l->setToolTip(name);
}

}  // namespace

TBahnen::TBahnen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bahnen"));
    setWindowTitle(QStringLiteral("Bahnen"));
    RahmenSetzen();
    setFixedSize(Fensterbreite, Fensterhoehe);

    for (int k = 1; k <= 4; ++k) feldBauen(k);

    BtnLinks = new QPushButton(QStringLiteral("<<"), this);
    BtnLinks->setObjectName(QStringLiteral("BtnLinks"));
    BtnLinks->setGeometry(Rand, KnopfOben, 120, KnopfHoehe);
    BtnRechts = new QPushButton(QStringLiteral(">>"), this);
    BtnRechts->setObjectName(QStringLiteral("BtnRechts"));
    BtnRechts->setGeometry(Fensterbreite - Rand - 120, KnopfOben, 120, KnopfHoehe);
    for (QPushButton* b : {BtnLinks, BtnRechts}) {
        b->setFont(Schrift(18, true));
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }
    connect(BtnLinks, &QPushButton::clicked, this, &TBahnen::BtnLinksClick);
    connect(BtnRechts, &QPushButton::clicked, this, &TBahnen::BtnRechtsClick);

    HintergrundSetzen(this, u"ColorBahnen");
    PopupColorGround = HintergrundAktion(this, u"ColorBahnen");
    connect(PopupColorGround, &QAction::triggered, this, &TBahnen::textfarbeAnpassen);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    textfarbeAnpassen();
}

void TBahnen::feldBauen(int k)
{
    Feld& f = Felder[k];
    const int x = Rand + (k - 1) * (Spaltenbreite + Spaltenabstand);
    const QString vor = QStringLiteral("LBahn%1").arg(k);

    f.PName = new QFrame(this);
    f.PName->setObjectName(QStringLiteral("PName%1").arg(k));
    f.PName->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f.PName->setLineWidth(2);
    f.PName->setGeometry(x, NameOben, Spaltenbreite, NameHoehe);
    f.Name = Label(f.PName, QStringLiteral("PName%1Text").arg(k), QRect(4, 2, Spaltenbreite - 8, NameHoehe - 4),
                   Schrift(17, true), Qt::AlignCenter);

    f.PBahn = new QFrame(this);
    f.PBahn->setObjectName(QStringLiteral("PBahn%1").arg(k));
    f.PBahn->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f.PBahn->setLineWidth(2);
    f.PBahn->setGeometry(x, PanelOben, Spaltenbreite, BahnpanelHoeheLaufend);
    QFrame* p = f.PBahn;
    const int b = Spaltenbreite;

    f.LBahn = Label(p, vor, QRect(6, 3, 130, 24), Schrift(18, true));
    f.Status = Label(p, vor + QStringLiteral("Status"), QRect(136, 3, b - 142, 24), Schrift(18, true),
                     Qt::AlignRight | Qt::AlignVCenter);

    // The marks, one row for throws 1-10, 11-20 and 21-25, Volle above
    // Abräumen; the column sums of the Volle throws beside their rows.
    const QFont marken = [] {
        QFont m = Schrift(17, true, true);
        m.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        return m;
    }();
    const char* gruppen[] = {"Volle", "Abräumen"};
    int y = 34;
    for (int g = 0; g < 2; ++g) {
        Label(p, vor + QStringLiteral("Gruppe%1").arg(g + 1), QRect(6, y, 150, 20), Schrift(14),
              Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(gruppen[g]));
        if (g == 0)
            Label(p, vor + QStringLiteral("SummeText"), QRect(b - 72, y, 66, 20), Schrift(14),
                  Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Summe"));
        y += 22;
        for (int r = 0; r < 3; ++r, y += 27) {
            const std::size_t i = std::size_t(g * 3 + r);
            f.W[i] = Label(p, vor + QStringLiteral("W%1").arg(i + 1), QRect(6, y, 160, 25), marken);
            f.W[i]->setStyleSheet(AnzeigeStil);
            if (g == 0) {
                f.WS[std::size_t(r)] = Label(p, vor + QStringLiteral("WS%1").arg(r + 1), QRect(b - 72, y, 66, 25),
                                             Schrift(17, true, true), Qt::AlignRight | Qt::AlignVCenter);
                f.WS[std::size_t(r)]->setStyleSheet(SummeStil);
            }
        }
        y += 6;
    }

    // The counts of the part.
    struct Zeile {
        const char* name;
        const char* text;
        QLabel** wert;
        QLabel** beschriftung;
    };
    const Zeile zeilen[] = {
        {"WurfZ", "Wurf", &f.WurfZ, &f.WurfZText},       {"WurfS", "Gesamt", &f.WurfS, &f.WurfSText},
        {"VolleS", "Volle", &f.VolleS, &f.VolleSText},   {"AbrS", "Abräumen", &f.AbrS, &f.AbrSText},
        {"FehlerS", "Fehler", &f.FehlerS, &f.FehlerSText}, {"TotalS", "Total", &f.TotalS, &f.TotalSText},
        {"VerwS", "Verwarnung", &f.VerwS, &f.VerwSText}, {"PunkteS", "Punkte", &f.PunkteS, &f.PunkteSText},
    };
    y += 4;
    for (const Zeile& z : zeilen) {
        const QString name = vor + QLatin1String(z.name);
        *z.beschriftung = Label(p, name + QStringLiteral("Text"), QRect(6, y, 112, 30), Schrift(16),
                                Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(z.text));
        *z.wert = Label(p, name, QRect(b - 112, y, 106, 30), Schrift(24, true, true), Qt::AlignRight | Qt::AlignVCenter);
        (*z.wert)->setStyleSheet(AnzeigeStil);
        y += 33;
    }

    // The standing of the player's side.
    y += 4;
    f.Mannschaft = Label(p, vor + QStringLiteral("Mannschaft"), QRect(6, y, 62, 34), Schrift(16, true));
    f.SpielTotal = Label(p, vor + QStringLiteral("SpielTotal"), QRect(70, y, 90, 34), Schrift(24, true, true),
                         Qt::AlignRight | Qt::AlignVCenter);
    f.SpielPlus = Label(p, vor + QStringLiteral("SpielPlus"), QRect(164, y, b - 170, 34), Schrift(20, true, true),
                        Qt::AlignRight | Qt::AlignVCenter);
    f.SpielTotal->setStyleSheet(AnzeigeStil);
    f.SpielPlus->setStyleSheet(SummeStil);

    for (QWidget* w : {static_cast<QWidget*>(f.PName), static_cast<QWidget*>(f.PBahn)}) {
        w->setProperty("Feld", k);
        w->setContextMenuPolicy(Qt::PreventContextMenu);
        w->installEventFilter(this);
        for (QLabel* l : w->findChildren<QLabel*>()) {
            l->setProperty("Feld", k);
            l->installEventFilter(this);
        }
        w->hide();
    }
}

// Captions in black on a light window colour, in white on a dark one.
void TBahnen::textfarbeAnpassen()
{
    QPalette p = palette();
    const QColor grund = p.color(QPalette::Window);
    p.setColor(QPalette::WindowText, grund.lightness() > 140 ? Qt::black : Qt::white);
    setPalette(p);
}

void TBahnen::RahmenSetzen()
{
    const Qt::WindowFlags rahmen =
        Einst.Verschiebbar ? Qt::WindowFlags(Qt::Window) : Qt::Window | Qt::FramelessWindowHint;
    if (windowFlags() == rahmen) return;
    // Changing the flags hides a shown window.
    const bool sichtbar = isVisible();
    setWindowFlags(rahmen);
    if (sichtbar) show();
}

void TBahnen::BahnfeldAnzeigen(int n) { anwenden(::BahnfeldAnzeigen(n)); }

void TBahnen::anwenden(const BahnfeldAnzeige& a)
{
    for (int k = 1; k <= 4; ++k) {
        const std::optional<Mannschaftsstand>& m = a.mannschaft[std::size_t(k - 1)];
        if (!m) continue;
        Feld& f = Felder[k];
        f.Mannschaft->setText(m->mannschaft);
        f.SpielTotal->setText(m->total);
        f.SpielPlus->setText(m->plus);
    }
    if (a.panels) {
        for (int k = 1; k <= 4; ++k) {
            const Bahnpanel& p = (*a.panels)[std::size_t(k - 1)];
            Feld& f = Felder[k];
            if (p.sichtbar) f.PBahn->resize(Spaltenbreite, p.hoehe);
            f.PBahn->setVisible(p.sichtbar);
            f.PName->setVisible(p.sichtbar);
        }
    }
    if (!a.inhalt || a.feld < 1 || a.feld > 4) return;
    const Bahnfeld& i = *a.inhalt;
    Feld& f = Felder[a.feld];
    namenSetzen(f.Name, i.name);
    f.LBahn->setText(i.titel);
    f.Status->setText(i.status);
    for (std::size_t j = 0; j < f.W.size(); ++j) f.W[j]->setText(i.W[j]);
    for (std::size_t j = 0; j < f.WS.size(); ++j) f.WS[j]->setText(i.WS[j]);
    f.WurfZ->setText(i.wurfZ);
    f.WurfS->setText(i.wurfS);
    f.FehlerS->setText(i.fehlerS);
    f.VolleS->setText(i.volleS);
    f.AbrS->setText(i.abrS);
    f.TotalS->setText(i.totalS);
    f.VerwS->setText(i.verwS);
    f.PunkteS->setText(i.punkteS);
    f.PunkteS->setVisible(i.punkteSichtbar);
    f.PunkteSText->setVisible(i.punkteSichtbar);
}

void TBahnen::blaetternAnwenden(const Blaettern& b)
{
    BtnLinks->setVisible(b.links);
    BtnRechts->setVisible(b.rechts);
}

void TBahnen::vierBahnenZeichnen()
{
    for (int s = 0; s < 4; ++s) BahnfeldAnzeigen(ErsteAnzeigebahn + s);
}

void TBahnen::SeiteAnzeigen()
{
    blaetternAnwenden(SeiteBegrenzen());
    vierBahnenZeichnen();
}

void TBahnen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || m_gezeigt) return;
    m_gezeigt = true;
    if (const QList<QScreen*> schirme = QGuiApplication::screens(); !schirme.isEmpty())
        move(schirme.first()->geometry().topLeft());
    blaetternAnwenden(BahnuebersichtZeigen());
    vierBahnenZeichnen();
}

void TBahnen::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous() || !m_gezeigt) return;
    m_gezeigt = false;
    BahnuebersichtVerborgen();
}

void TBahnen::BtnLinksClick()
{
    if (const std::optional<Blaettern> b = SeiteLinks()) {
        blaetternAnwenden(*b);
        vierBahnenZeichnen();
    }
}

void TBahnen::BtnRechtsClick()
{
    if (const std::optional<Blaettern> b = SeiteRechts()) {
        blaetternAnwenden(*b);
        vierBahnenZeichnen();
    }
}

void TBahnen::Beenden()
{
    if (!EingabeGesperrt) hide();
}

void TBahnen::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) Beenden();
    QWidget::mouseReleaseEvent(event);
}

bool TBahnen::eventFilter(QObject* objekt, QEvent* event)
{
    const QVariant feld = objekt->property("Feld");
    if (!feld.isValid()) return QWidget::eventFilter(objekt, event);
    const int k = feld.toInt();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton) {
            BahnAngeklickt(k);
        } else if (m->button() == Qt::RightButton) {
            if (const int bahn = PanelBahn(k); bahn && bahnsteuerungModal) bahnsteuerungModal(bahn);
        }
        return true;
    }
    default:
        return QWidget::eventFilter(objekt, event);
    }
}
