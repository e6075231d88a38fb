#include "match/ui/Ergebnis.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "match/lanes/Bahnfenster.h"
#include "match/lanes/Ergebnistafel.h"
#include "match/flow/TimerModul.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The board: both sides side by side, the totals below, fixed positions.
constexpr int TafelBreite = 1000;  // fits the narrowest screen the program runs on
constexpr int TafelHoehe = 580;
constexpr int SeitenBreite = 490;
constexpr int GastLinks = 510;
constexpr int KopfOben = 4;
constexpr int KopfHoehe = 52;
constexpr int GruppeHoehe = 392;
constexpr int SummeOben = 462;
constexpr int SummeHoehe = 112;

struct Spalte {
    int x, w;
};

// Plain layout, inside the group box.
constexpr Spalte NName{12, 176}, NVolle{190, 64}, NAbr{258, 64}, NFehler{326, 60}, NTotal{398, 84};
constexpr int NKopfOben = 12;
constexpr int NZeileHoehe = 32;
int NZeileOben(int k) { return 42 + 36 * (k - 1); }

// Set layout, inside the group box.
constexpr Spalte SName{10, 130}, SSatz1{142, 52}, STotal{368, 58}, SSaP{436, 46};
constexpr int SSatzAbstand = 56;
constexpr int SZeileHoehe = 28;
constexpr int SErsetztAbstand = 24;  // the substitute's text below his name
int SZeileOben(int k) { return 42 + 34 * (k - 1); }

const Qt::Alignment Links = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Rechts = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment Mitte = Qt::AlignHCenter | Qt::AlignVCenter;

QRect Feld(Spalte s, int y, int h) { return QRect(s.x, y, s.w, h); }

void Schriftfarbe(QWidget* w, QStringView einstellung)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, FarbeZuQColor(Farbe(einstellung)));
    w->setPalette(p);
}

// The light 3-D colour of the system, as the group boxes have it by default.
constexpr quint32 Hell3D = 0x80000000u + 22;

// A small round badge of the side's colour beside its team name.
QPixmap Abzeichen(const QColor& farbe, QChar buchstabe)
{
    QPixmap bild(40, 40);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(farbe);
    p.drawEllipse(QRectF(2, 2, 36, 36));
    p.setFont(Schrift(20, true));
    p.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, QString(buchstabe));
    return bild;
}

void Moven(QLabel* l, int y) { l->move(l->x(), y); }

}  // namespace

TErgebnis::TErgebnis(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ergebnis"));
    setWindowTitle(QStringLiteral("Ergebnistafel"));
    bauen();
    farbenSetzen();
    PopupColorGround = HintergrundAktion(this, u"ColorErgebnistafel");
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Holding the keyboard focus, the board stays the main window's current
    // child when the main window becomes active again.
    setFocusPolicy(Qt::StrongFocus);
    BeiAktivierung(this, [this] { FormActivate(); });
    OffeneFenster |= FensterErgebnis;
}

TErgebnis::~TErgebnis()
{
    if (!m_geschlossen) OffeneFenster &= u8(~FensterErgebnis);
}

// --- Construction ---------------------------------------------------------------------

void TErgebnis::bauen()
{
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    PErgebnis = new QWidget(this);
    PErgebnis->setObjectName(QStringLiteral("PErgebnis"));
    PErgebnis->setAutoFillBackground(true);
    aussen->addWidget(PErgebnis);

    auto* innen = new QVBoxLayout(PErgebnis);
    innen->setContentsMargins(8, 8, 8, 8);
    m_tafel = new QWidget(PErgebnis);
    m_tafel->setFixedSize(TafelBreite, TafelHoehe);
    innen->addWidget(m_tafel, 0, Qt::AlignHCenter | Qt::AlignTop);

    kopfBauen(m_tafel);
    normalBauen(m_tafel, true);
    normalBauen(m_tafel, false);
    satzBauen(m_tafel, true);
    satzBauen(m_tafel, false);
    summeBauen(m_tafel);
    GSHeim->hide();
    GSGast->hide();

    // A click on the background, a panel or a group box closes the window.
    const QList<QWidget*> grund{PErgebnis, m_tafel, PHeaderHeim, PHeaderGast, PTotal, GHeim, GGast, GSHeim, GSGast};
    for (QWidget* w : grund) w->installEventFilter(this);
    for (QLabel* l : findChildren<QLabel*>()) l->installEventFilter(this);
}

void TErgebnis::kopfBauen(QWidget* tafel)
{
    for (bool heim : {true, false}) {
        const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
        auto* p = new QFrame(tafel);
        p->setObjectName(QStringLiteral("PHeader") + seite);
        p->setGeometry(heim ? 0 : GastLinks, KopfOben, SeitenBreite, KopfHoehe);
        p->setFrameShape(QFrame::NoFrame);
        QLabel* bild = Label(p, QStringLiteral("Image") + seite, QString(),
                             QRect(heim ? 6 : SeitenBreite - 46, 6, 40, 40), Qt::AlignCenter, Schrift(12));
        QLabel* name = Label(p, QStringLiteral("L") + seite, QString(), QRect(heim ? 54 : 8, 2, SeitenBreite - 62, 48),
                             heim ? Links : Rechts, Schrift(28, true));
        if (heim) {
            PHeaderHeim = p;
            ImageHeim = bild;
            LHeim = name;
        } else {
            PHeaderGast = p;
            ImageGast = bild;
            LGast = name;
        }
    }
}

void TErgebnis::normalBauen(QWidget* tafel, bool heim)
{
    const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
    auto* g = new QGroupBox(tafel);
    g->setObjectName(QStringLiteral("G") + seite);
    g->setGeometry(heim ? 0 : GastLinks, ErgebnisGruppeOben, SeitenBreite, GruppeHoehe);

    const QFont kopf = Schrift(15, true);
    auto kopfLabel = [&](const char* spalte, const QString& text, Spalte s, Qt::Alignment a) {
        return Label(g, QStringLiteral("LHeader%1%2").arg(seite, QLatin1String(spalte)), text, Feld(s, NKopfOben, 24), a,
                     kopf);
    };
    QLabel* kName = kopfLabel("Name", QStringLiteral("Name"), NName, Links);
    QLabel* kVolle = kopfLabel("Volle", QStringLiteral("Volle"), NVolle, Rechts);
    QLabel* kAbr = kopfLabel("Abr", QStringLiteral("Abr."), NAbr, Rechts);
    QLabel* kFehler = kopfLabel("Fehler", QStringLiteral("Fehler"), NFehler, Rechts);
    QLabel* kTotal = kopfLabel("Total", QStringLiteral("Total"), NTotal, Rechts);
    QLabel* ersatz = Label(g, QStringLiteral("L%1Ersatz").arg(seite), QStringLiteral("Ersatz"),
                           Feld(NName, ErsatzLage(false, false, 1).nameOben - 34, 26), Links, Schrift(15, true, true));

    const QFont name = Schrift(20), wert = Schrift(26, true);
    for (int k = 1; k <= 8; ++k) {
        Zeile& z = Zeilen[heim ? k : k + 8];
        // Lines 7 and 8 start where the plain layout has them and move with the layout shown.
        const int y = k <= 6 ? NZeileOben(k) : ErsatzLage(false, false, k - 6).nameOben;
        auto wertLabel = [&](const char* spalte, const QString& start, Spalte s) {
            return Label(g, QStringLiteral("L%1%2%3").arg(seite, QLatin1String(spalte)).arg(k), start,
                         Feld(s, y, NZeileHoehe), Rechts, wert);
        };
        z.Name = Label(g, QStringLiteral("L%1Name%2").arg(seite).arg(k), QString(), Feld(NName, y, NZeileHoehe), Links,
                       name);
        z.Name->setProperty("Tag", heim ? k : k + 8);
        z.Name->setCursor(Qt::PointingHandCursor);
        z.Volle = wertLabel("Volle", QStringLiteral("000"), NVolle);
        z.Abr = wertLabel("Abr", QStringLiteral("000"), NAbr);
        z.Fehler = wertLabel("Fehler", QStringLiteral("000"), NFehler);
        z.Total = wertLabel("Total", QStringLiteral("0000"), NTotal);
    }

    if (heim) {
        GHeim = g;
        LHeaderHeimName = kName, LHeaderHeimVolle = kVolle, LHeaderHeimAbr = kAbr;
        LHeaderHeimFehler = kFehler, LHeaderHeimTotal = kTotal;
        LHeimErsatz = ersatz;
    } else {
        GGast = g;
        LHeaderGastName = kName, LHeaderGastVolle = kVolle, LHeaderGastAbr = kAbr;
        LHeaderGastFehler = kFehler, LHeaderGastTotal = kTotal;
        LGastErsatz = ersatz;
    }
}

void TErgebnis::satzBauen(QWidget* tafel, bool heim)
{
    const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
    auto* g = new QGroupBox(tafel);
    g->setObjectName(QStringLiteral("GS") + seite);
    g->setGeometry(heim ? 0 : GastLinks, ErgebnisGruppeObenSatz, SeitenBreite, GruppeHoehe);

    const QFont kopf = Schrift(14, true);
    auto satzSpalte = [](int i) { return Spalte{SSatz1.x + SSatzAbstand * (i - 1), SSatz1.w}; };
    auto kopfLabel = [&](const QString& spalte, const QString& text, Spalte s, Qt::Alignment a) {
        return Label(g, QStringLiteral("LSHeader") + seite + spalte, text, Feld(s, NKopfOben, 24), a, kopf);
    };
    QLabel* kName = kopfLabel(QStringLiteral("Name"), QStringLiteral("Name"), SName, Links);
    Array1<QLabel*, 4> kSatz{};
    for (int i = 1; i <= 4; ++i)
        kSatz[i] = kopfLabel(QStringLiteral("Satz%1").arg(i), QStringLiteral("Satz %1").arg(i), satzSpalte(i), Rechts);
    QLabel* kTotal = kopfLabel(QStringLiteral("Total"), QStringLiteral("Total"), STotal, Rechts);
    QLabel* kSaP = kopfLabel(QStringLiteral("SaP"), QStringLiteral("SaP"), SSaP, Rechts);
    QLabel* ersatz = Label(g, QStringLiteral("LS%1Ersatz").arg(seite), QStringLiteral("Ersatz"),
                           Feld(SName, 284 - 32, 24), Links, Schrift(14, true, true));

    const QFont name = Schrift(17), wert = Schrift(21, true), punkte = Schrift(20), ersetzt = Schrift(11, false, true);
    for (int k = 1; k <= 8; ++k) {
        Zeile& z = Zeilen[heim ? k : k + 8];
        const QString basis = QStringLiteral("LS%1Spieler%2").arg(seite).arg(k);
        const int y = k <= 6 ? SZeileOben(k) : (k == 7 ? 284 : 332);
        z.SName = Label(g, basis + QStringLiteral("Name"), QString(), Feld(SName, y, SZeileHoehe), Links, name);
        z.SName->setProperty("Tag", heim ? k : k + 8);
        z.SName->setCursor(Qt::PointingHandCursor);
        for (int i = 1; i <= 4; ++i)
            z.SSatz[i] = Label(g, basis + QStringLiteral("Satz%1").arg(i), QStringLiteral("0000"),
                               Feld(satzSpalte(i), y, SZeileHoehe), Rechts, wert);
        z.STotal = Label(g, basis + QStringLiteral("Total"), QStringLiteral("0000"), Feld(STotal, y, SZeileHoehe),
                         Rechts, wert);
        if (k <= 6)
            z.SPunkte = Label(g, basis + QStringLiteral("Punkte"), QStringLiteral("0.0"), Feld(SSaP, y, SZeileHoehe),
                              Rechts, punkte);
        else
            z.SErsetzt = Label(g, QStringLiteral("LS%1Ersetzt%2").arg(seite).arg(k), QString(),
                               Feld(SName, y + SErsetztAbstand, 16), Links, ersetzt);
    }

    if (heim) {
        GSHeim = g;
        LSHeaderHeimName = kName, LSHeaderHeimTotal = kTotal, LSHeaderHeimSaP = kSaP;
        LSHeaderHeimSatz = kSatz;
        LSHeimErsatz = ersatz;
    } else {
        GSGast = g;
        LSHeaderGastName = kName, LSHeaderGastTotal = kTotal, LSHeaderGastSaP = kSaP;
        LSHeaderGastSatz = kSatz;
        LSGastErsatz = ersatz;
    }
}

void TErgebnis::summeBauen(QWidget* tafel)
{
    PTotal = new QFrame(tafel);
    PTotal->setObjectName(QStringLiteral("PTotal"));
    PTotal->setGeometry(0, SummeOben, TafelBreite, SummeHoehe);
    PTotal->setFrameShape(QFrame::StyledPanel);
    PTotal->setAutoFillBackground(true);
    QPalette hell = PTotal->palette();
    hell.setColor(QPalette::Window, FarbeZuQColor(Hell3D));
    PTotal->setPalette(hell);

    const QFont kopf = Schrift(15, true);
    auto k = [&](const char* name, const QString& text, QRect r, Qt::Alignment a) {
        return Label(PTotal, QLatin1String(name), text, r, a, kopf);
    };
    k("LHeaderHeimWurf", QStringLiteral("Wurf"), QRect(16, 8, 100, 22), Links);
    k("LHeaderHeimErgebnis", QStringLiteral("Ergebnis"), QRect(136, 8, 160, 22), Links);
    k("LHeaderGastErgebnis", QStringLiteral("Ergebnis"), QRect(704, 8, 160, 22), Rechts);
    k("LHeaderGastWurf", QStringLiteral("Wurf"), QRect(884, 8, 100, 22), Rechts);
    LHeaderPunkte = k("LHeaderPunkte", QStringLiteral("Punkte"), QRect(420, 8, 160, 22), Mitte);

    const QFont wurf = Schrift(30, true), total = Schrift(54, true), plus = Schrift(36, true), punkte = Schrift(32, true);
    auto w = [&](const char* name, const char* start, QRect r, Qt::Alignment a, const QFont& f) {
        return Label(PTotal, QLatin1String(name), QLatin1String(start), r, a, f);
    };
    LHeimWurf = w("LHeimWurf", "0000", QRect(16, 40, 100, 48), Links, wurf);
    LHeimTotal = w("LHeimTotal", "0000", QRect(136, 30, 160, 68), Links, total);
    LHeimPlus = w("LHeimPlus", "0000", QRect(296, 38, 90, 52), Rechts, plus);
    LHeimPunkte = w("LHeimPunkte", "0.0", QRect(408, 38, 80, 52), Rechts, punkte);
    m_punkteTrenner = w("", ":", QRect(488, 38, 24, 52), Mitte, punkte);
    LGastPunkte = w("LGastPunkte", "0.0", QRect(512, 38, 80, 52), Links, punkte);
    LGastPlus = w("LGastPlus", "0000", QRect(614, 38, 90, 52), Links, plus);
    LGastTotal = w("LGastTotal", "0000", QRect(704, 30, 160, 68), Rechts, total);
    LGastWurf = w("LGastWurf", "0000", QRect(884, 40, 100, 48), Rechts, wurf);
}

void TErgebnis::farbenSetzen()
{
    HintergrundSetzen(this, u"ColorErgebnistafel");
    for (QGroupBox* g : {GHeim, GSHeim}) HintergrundSetzen(g, u"ColorHeim");
    for (QGroupBox* g : {GGast, GSGast}) HintergrundSetzen(g, u"ColorGast");
    const QList<QWidget*> heim{GHeim, LHeimErsatz, LHeimPlus, LHeimPunkte, GSHeim, LSHeimErsatz};
    const QList<QWidget*> gast{GGast, LGastErsatz, LGastPlus, LGastPunkte, GSGast, LSGastErsatz};
    for (QWidget* w : heim) Schriftfarbe(w, u"ColorHeaderHeim");
    for (QWidget* w : gast) Schriftfarbe(w, u"ColorHeaderGast");
    // The team names stand out on the board's own colour.
    for (QLabel* l : {LHeim, LGast}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
    }
    ImageHeim->setPixmap(Abzeichen(FarbeZuQColor(Farbe(u"ColorHeaderHeim")), QLatin1Char('H')));
    ImageGast->setPixmap(Abzeichen(FarbeZuQColor(Farbe(u"ColorHeaderGast")), QLatin1Char('G')));
}

// --- Showing the match ----------------------------------------------------------------

void TErgebnis::ErgebnistafelKopfAnzeigen()
{
    if (!AktWettkampf) return;
    const ErgebnisKopf k = ErgebnistafelKopf(*AktWettkampf);
    LHeim->setText(k.heim);
    LGast->setText(k.gast);
    for (QLabel* l : {LHeaderPunkte, LHeimPunkte, m_punkteTrenner, LGastPunkte}) l->setVisible(k.punkteSichtbar);
    GSHeim->setVisible(k.layout.satz);
    GSGast->setVisible(k.layout.satz);
    GHeim->setVisible(!k.layout.satz);
    GGast->setVisible(!k.layout.satz);
    if (k.layout.satz) ErgebnistafelLayoutSatz();
    else ErgebnistafelLayout();
}

void TErgebnis::ErgebnistafelLayout()
{
    if (!AktWettkampf) return;
    const ::ErgebnisLayout l = ::ErgebnistafelLayout(*AktWettkampf);
    LHeimErsatz->setVisible(l.heim.ersatzUeberschrift);
    LGastErsatz->setVisible(l.gast.ersatzUeberschrift);
    zeilenAnzeigen();
}

void TErgebnis::ErgebnistafelLayoutSatz()
{
    if (!AktWettkampf) return;
    const ::ErgebnisLayout l = ::ErgebnistafelLayout(*AktWettkampf);
    LSHeimErsatz->setVisible(l.heim.ersatzUeberschrift);
    LSGastErsatz->setVisible(l.gast.ersatzUeberschrift);
    zeilenAnzeigen();
}

void TErgebnis::zeilenAnzeigen()
{
    for (int n = 1; n <= MaxSpieler; ++n) {
        const QString name = AktWettkampf->Spieler[n].Name.text();
        Zeilen[n].Name->setText(name);
        Zeilen[n].SName->setText(name);
        ErgebnistafelSpielerAnzeigen(n);
    }
}

// Where line n stands in the layout shown and which of its labels show.
void TErgebnis::zeileLegen(const ::ErgebnisLayout& l, int n)
{
    const bool heim = n <= 8;
    const int k = heim ? n : n - 8;
    const ErgebnisSeite& s = heim ? l.heim : l.gast;
    Zeile& z = Zeilen[n];
    const bool ersatz = k >= 7;
    const ErgebnisLage lage = ersatz ? l.ersatzLage[k - 6] : ErgebnisLage{};
    if (!l.satz) {
        QLabel* werte[] = {z.Volle, z.Abr, z.Fehler, z.Total};
        if (ersatz) {
            Moven(z.Name, lage.nameOben);
            for (QLabel* v : werte) Moven(v, lage.werteOben - ErgebnisGruppeOben);
        }
        z.Name->setVisible(s.zeile[k]);
        for (QLabel* v : werte) v->setVisible(s.werte[k]);
        return;
    }
    QLabel* werte[] = {z.SSatz[1], z.SSatz[2], z.SSatz[3], z.SSatz[4], z.STotal};
    if (ersatz) {
        Moven(z.SName, lage.nameOben);
        Moven(z.SErsetzt, lage.nameOben + SErsetztAbstand);
        for (QLabel* v : werte) Moven(v, lage.werteOben - ErgebnisGruppeObenSatz);
        z.SErsetzt->setText(s.ersetzt[k - 6]);
        z.SErsetzt->setVisible(s.zeile[k]);
    }
    z.SName->setVisible(s.zeile[k]);
    for (QLabel* v : werte) v->setVisible(s.werte[k]);
}

// Also shows the values of a substitute brought in since the last rebuild.
void TErgebnis::ErgebnistafelSpielerAnzeigen(int n)
{
    if (!AktWettkampf) return;
    if (const auto z = ErgebnistafelSpielerzeile(*AktWettkampf, n)) {
        zeileLegen(::ErgebnistafelLayout(*AktWettkampf), n);
        Zeile& l = Zeilen[n];
        l.Volle->setText(z->volle);
        l.Abr->setText(z->abr);
        l.Fehler->setText(z->fehler);
        l.Total->setText(z->total);
        for (int i = 1; i <= 4; ++i) l.SSatz[i]->setText(z->satz[i]);
        l.STotal->setText(z->satzTotal);
        if (l.SPunkte) {
            l.SPunkte->setText(z->punkte);
            l.SPunkte->setVisible(z->punkteSichtbar);
        }
    }
    summeAnzeigen();
}

void TErgebnis::summeAnzeigen()
{
    const ErgebnisSumme s = ErgebnistafelSumme(*AktWettkampf);
    LHeimPlus->setVisible(s.heimPlusSichtbar);
    LGastPlus->setVisible(s.gastPlusSichtbar);
    LHeimTotal->setText(s.heimTotal);
    LHeimPlus->setText(s.heimPlus);
    LHeimWurf->setText(s.heimWurf);
    LGastTotal->setText(s.gastTotal);
    LGastPlus->setText(s.gastPlus);
    LGastWurf->setText(s.gastWurf);
    if (AktWettkampf->Punktespiel) {
        LHeimPunkte->setText(s.heimPunkte);
        LGastPunkte->setText(s.gastPunkte);
    }
}

// --- Lifecycle ------------------------------------------------------------------------

void TErgebnis::FormActivate()
{
    if (!(OffeneFenster & FensterErgebnis) || AktivesFenster == FensterErgebnis || m_geschlossen) return;
    AktivesFenster = FensterErgebnis;
    setFocus();
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()); rahmen && !rahmen->isMaximized())
        rahmen->showMaximized();
    fenster().hauptmenueAktualisieren();
    ErgebnistafelKopfAnzeigen();
}

void TErgebnis::closeEvent(QCloseEvent* e)
{
    AktivesFenster = 0;
    OffeneFenster &= u8(~FensterErgebnis);
    m_geschlossen = true;
    QWidget::closeEvent(e);
}

// --- Clicks ---------------------------------------------------------------------------

// Acts on the release of a click: the press goes on to the MDI frame, which
// activates the window.
bool TErgebnis::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (e->type() != QEvent::MouseButtonRelease || !w) return QWidget::eventFilter(o, e);
    auto* m = static_cast<QMouseEvent*>(e);
    if (m->button() != Qt::LeftButton) return QWidget::eventFilter(o, e);
    const bool klick = w->rect().contains(m->position().toPoint());
    if (auto* l = qobject_cast<QLabel*>(o)) {
        // A name opens the player dialog; the other labels take the click and do nothing.
        const int n = l->property("Tag").toInt();
        if (klick && n >= 1) nameKlick(n);
        return true;
    }
    if (klick) beenden();
    return true;
}

void TErgebnis::beenden()
{
    KlickSoundSpielen();
    if (EingabeGesperrt) return;
    if (fenster().offen(MdiFenster::Ergebnis)) fenster().schliessen(MdiFenster::Ergebnis);
    if (m_geschlossen) return;
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget())) rahmen->close();
    else close();
}

void TErgebnis::nameKlick(int n)
{
    if (!AktWettkampf || n < 1 || n > MaxSpieler) return;
    AktSpielerNr = n;
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
    AktSpieler = AktWettkampf->SpielerZeiger[n];
    fenster().dialog(Dialog::Spielerdaten);
}
