#include "match/ui/Steuerung.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "core/ui/Farben.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr quint32 Farbe3DLicht = 0x80000016;  // system colour "3-D light"
const QColor FarbeGedrueckt(0x99, 0x99, 0x99);
const QColor FarbeAnzeige(0x16, 0x16, 0x16);
const QColor FarbeZiffern(0xFF, 0x4A, 0x1A);
const QColor FarbeBeschriftung(0x90, 0x90, 0x90);

constexpr int KegelDurchmesser = 34;
constexpr int KegelSchritt = 26;  // half the distance of two neighbours in a row

// The pin picture as seen from the player: rows from the front are 1; 2 3;
// 4 5 6; 7 8; 9. Offsets in steps from pin 5, y growing towards the front.
constexpr int KegelLage[9][2] = {{0, 2}, {-1, 1}, {1, 1}, {-2, 0}, {0, 0}, {2, 0}, {-1, -1}, {1, -1}, {0, -2}};

void behalten(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

QPixmap ledBild(int kegel)
{
    const qreal dpr = qApp->devicePixelRatio();
    QPixmap bild(QSize(KegelDurchmesser, KegelDurchmesser) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, KegelDurchmesser - 4, KegelDurchmesser - 4);
    QRadialGradient g(r.center() - QPointF(4, 4), r.width() * 0.65);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.45, QColor(255, 120, 20));
    g.setColorAt(1, QColor(170, 40, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(90, 20, 0), 1.5));
    p.drawEllipse(r);
    p.setPen(QColor(90, 25, 0));
    QFont f = p.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, QString::number(kegel));
    return bild;
}

QFont ziffernSchrift(int punkte)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(punkte);
    f.setBold(true);
    return f;
}

QLabel* beschriftung(const QString& text, QWidget* eltern)
{
    auto* l = new QLabel(text, eltern);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, FarbeBeschriftung);
    l->setPalette(p);
    return l;
}

QPushButton* knopf(const char* name, const QString& text, QWidget* eltern)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);  // Return must not start or stop a match
    QObject::connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });
    return b;
}

}  // namespace

// ---- TSteuerfeld ----

TSteuerfeld::TSteuerfeld(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent), klang([] { KlickSoundSpielen(); })
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFrameShape(QFrame::Panel);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFixedSize(104, 46);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    darstellen(false);
}

void TSteuerfeld::darstellen(bool unten)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, unten ? FarbeGedrueckt : FarbeZuQColor(Farbe3DLicht));
    setPalette(p);
    setFrameShadow(unten ? QFrame::Sunken : QFrame::Raised);
}

void TSteuerfeld::setGedrueckt(bool gedrueckt)
{
    m_gedrueckt = gedrueckt;
    if (!m_halten) darstellen(gedrueckt);
}

void TSteuerfeld::setGesperrt(bool gesperrt)
{
    m_halten = false;
    setEnabled(!gesperrt);
    if (!gesperrt) m_gedrueckt = false;
    darstellen(gesperrt);
}

void TSteuerfeld::click()
{
    if (!isEnabled()) return;
    if (klang) klang();
    emit geklickt();
}

void TSteuerfeld::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    m_halten = true;
    darstellen(true);
    if (klang) klang();
}

void TSteuerfeld::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_halten) return QLabel::mouseReleaseEvent(event);
    m_halten = false;
    darstellen(m_gedrueckt);
    if (rect().contains(event->position().toPoint())) emit geklickt();
}

// ---- TAnzeigefeld ----

TAnzeigefeld::TAnzeigefeld(const QString& name, const QString& text, int ziffern, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setFont(ziffernSchrift(24));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, FarbeZiffern);
    setPalette(p);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(ziffern, QLatin1Char('0'))) + 12);
    setCursor(Qt::PointingHandCursor);
}

void TAnzeigefeld::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) KlickSoundSpielen();
    QLabel::mousePressEvent(event);
}

void TAnzeigefeld::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit geklickt();
    QLabel::mouseReleaseEvent(event);
}

// ---- TKegelform ----

TKegelform::TKegelform(int kegel, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("BtnKegel%1").arg(kegel));
    setText(QString::number(kegel));
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::pressed, this, [] { KlickSoundSpielen(); });
}

QSize TKegelform::sizeHint() const { return {KegelDurchmesser, KegelDurchmesser}; }

void TKegelform::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, width() - 4, height() - 4);
    QRadialGradient g(r.center() - QPointF(4, 4), r.width() * 0.7);
    g.setColorAt(0, isDown() ? QColor(110, 110, 110) : QColor(72, 72, 72));
    g.setColorAt(1, QColor(28, 28, 28));
    p.setBrush(g);
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.drawEllipse(r);
    p.setPen(QColor(130, 130, 130));
    p.drawText(r, Qt::AlignCenter, text());
}

// ---- TSteuerung ----

TSteuerung::TSteuerung(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Steuerung"));
    setWindowTitle(QStringLiteral("Bahnsteuerung"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Timer1 = new Zeitgeber([this] { Timer1Timer(); }, 1500, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    // Bahnauswahl
    auto* auswahl = new QGroupBox(QStringLiteral("Bahnauswahl"), this);
    auto* auswahlZeile = new QHBoxLayout(auswahl);
    auswahlZeile->setSpacing(2);
    const int knoepfe = SichtbareBahnknoepfe(BahnAnzahl);
    for (int k = 1; k <= MaxBahnen; ++k) {
        auto* b = new QToolButton(auswahl);
        b->setObjectName(QStringLiteral("BtnBahn%1").arg(k));
        b->setText(QString::number(k));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFixedSize(34, 30);
        b->setFocusPolicy(Qt::NoFocus);
        b->setVisible(k <= knoepfe);
        connect(b, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });
        connect(b, &QToolButton::clicked, this, [this, k] { bahnWaehlen(k); });
        auswahlZeile->addWidget(b);
        BtnBahn[k] = b;
    }
    auswahlZeile->addStretch();
    auswahl->setVisible(knoepfe > 0);

    // The lane display: pin picture and digits on a dark panel.
    PAnzeige = new QFrame(this);
    PAnzeige->setObjectName(QStringLiteral("PAnzeige"));
    PAnzeige->setFrameShape(QFrame::Panel);
    PAnzeige->setFrameShadow(QFrame::Sunken);
    PAnzeige->setLineWidth(2);
    PAnzeige->setAutoFillBackground(true);
    {
        QPalette p = PAnzeige->palette();
        p.setColor(QPalette::Window, FarbeAnzeige);
        PAnzeige->setPalette(p);
    }
    behalten(PAnzeige);

    auto* kegelbild = new QWidget(PAnzeige);
    const int kante = 4 * KegelSchritt + KegelDurchmesser;
    kegelbild->setFixedSize(kante, kante);
    for (int k = 1; k <= 9; ++k) {
        auto* form = new TKegelform(k, kegelbild);
        form->move(KegelSchritt * (2 + KegelLage[k - 1][0]), KegelSchritt * (2 + KegelLage[k - 1][1]));
        auto* led = new QLabel(form);
        led->setObjectName(QStringLiteral("LedKegel%1").arg(k));
        led->setPixmap(ledBild(k));
        led->setGeometry(form->rect());
        led->setAttribute(Qt::WA_TransparentForMouseEvents);
        led->hide();
        connect(form, &QAbstractButton::clicked, this, [led] { led->setHidden(!led->isHidden()); });
        BtnKegel[k] = form;
        LedKegel[k] = led;
    }

    PAnzeigeWurf = new TAnzeigefeld(QStringLiteral("PAnzeigeWurf"), QStringLiteral("00"), 3, PAnzeige);
    PAnzeigeV = new TAnzeigefeld(QStringLiteral("PAnzeigeV"), QStringLiteral(" "), 2, PAnzeige);
    PAnzeigeHolz = new TAnzeigefeld(QStringLiteral("PAnzeigeHolz"), QStringLiteral("0"), 3, PAnzeige);
    PAnzeigeGesamt = new TAnzeigefeld(QStringLiteral("PAnzeigeGesamt"), QStringLiteral("000"), 3, PAnzeige);
    PAnzeigeTotal = new TAnzeigefeld(QStringLiteral("PAnzeigeTotal"), QStringLiteral("0000"), 4, PAnzeige);
    PProbe = new QLabel(QStringLiteral("Probe"), PAnzeige);
    PProbe->setObjectName(QStringLiteral("PProbe"));
    PProbe->setAlignment(Qt::AlignCenter);
    PProbe->setFont(ziffernSchrift(12));
    {
        QPalette p = PProbe->palette();
        p.setColor(QPalette::WindowText, QColor(255, 190, 40));
        PProbe->setPalette(p);
    }
    PProbe->hide();
    behalten(PProbe);

    auto* ziffern = new QGridLayout;
    ziffern->setVerticalSpacing(0);
    ziffern->addWidget(beschriftung(QStringLiteral("Wurf"), PAnzeige), 0, 0);
    ziffern->addWidget(beschriftung(QStringLiteral("V"), PAnzeige), 0, 1);
    ziffern->addWidget(PAnzeigeWurf, 1, 0);
    ziffern->addWidget(PAnzeigeV, 1, 1);
    ziffern->addWidget(beschriftung(QStringLiteral("Holz"), PAnzeige), 2, 0);
    ziffern->addWidget(beschriftung(QStringLiteral("Gesamt"), PAnzeige), 2, 1);
    ziffern->addWidget(PAnzeigeHolz, 3, 0);
    ziffern->addWidget(PAnzeigeGesamt, 3, 1);
    ziffern->addWidget(beschriftung(QStringLiteral("Total"), PAnzeige), 4, 0, 1, 2);
    ziffern->addWidget(PAnzeigeTotal, 5, 0, 1, 2);
    ziffern->addWidget(PProbe, 6, 0, 1, 2);
    ziffern->setRowStretch(7, 1);

    auto* anzeigeZeile = new QHBoxLayout(PAnzeige);
    anzeigeZeile->setContentsMargins(12, 12, 12, 12);
    anzeigeZeile->setSpacing(18);
    anzeigeZeile->addWidget(kegelbild, 0, Qt::AlignVCenter);
    anzeigeZeile->addLayout(ziffern);

    const std::pair<TAnzeigefeld*, Steuerelement> wertfelder[] = {{PAnzeigeTotal, Steuerelement::Total},
                                                                  {PAnzeigeWurf, Steuerelement::Wurf},
                                                                  {PAnzeigeGesamt, Steuerelement::Gesamt},
                                                                  {PAnzeigeV, Steuerelement::Verwarnungswert}};
    for (const auto& [f, element] : wertfelder)
        connect(f, &TAnzeigefeld::geklickt, this, [this, f, element] { wertEintragen(element, f); });

    // Keypad
    const auto feld = [this](const char* name, const QString& text) {
        auto* f = new TSteuerfeld(QString::fromLatin1(name), text, this);
        behalten(f);
        return f;
    };
    BtnBahnEin = feld("BtnBahnEin", QStringLiteral("Bahn Ein"));
    BtnStop = feld("BtnStop", QStringLiteral("Stop"));
    BtnSport = feld("BtnSport", QStringLiteral("Probe"));
    BtnWurfUngueltig = feld("BtnWurfUngueltig", QStringLiteral("Wurf ungültig"));
    BtnWurfFehler = feld("BtnWurfFehler", QStringLiteral("Fehler"));
    BtnVerwarnung = feld("BtnVerwarnung", QStringLiteral("Verwarnung"));
    BtnVolle = feld("BtnVolle", QStringLiteral("Volle"));
    BtnAbr = feld("BtnAbr", QStringLiteral("Abräumen"));
    BtnBildLoeschen = feld("BtnBildLoeschen", QStringLiteral("Bild Löschen"));
    BtnZeit = feld("BtnZeit", ZeitBeschriftung(0));
    BtnUebtrEin = feld("BtnUebtrEin", UebertrittBeschriftung(0));
    BtnStellen = feld("BtnStellen", QStringLiteral("Stellen"));
    BtnStop->klang = [] { SoundSpielen(QStringLiteral("Click.wav")); };

    auto* tastatur = new QGridLayout;
    tastatur->setSpacing(6);
    TSteuerfeld* const raster[4][3] = {
        {BtnBahnEin, BtnStop, BtnSport},
        {BtnWurfUngueltig, BtnWurfFehler, BtnVerwarnung},
        {BtnVolle, BtnAbr, BtnBildLoeschen},
        {BtnZeit, BtnUebtrEin, BtnStellen},
    };
    for (int z = 0; z < 4; ++z)
        for (int s = 0; s < 3; ++s) tastatur->addWidget(raster[z][s], z, s);
    tastatur->setRowStretch(4, 1);

    connect(BtnBahnEin, &TSteuerfeld::geklickt, this, [this] {
        BahnEinAus(m_bahn);
        BahnsteuerungAnzeigen(m_bahn);
    });
    connect(BtnWurfUngueltig, &TSteuerfeld::geklickt, this, [this] {
        befehl(Steuerelement::WurfUngueltig);
        wurfSperren();
    });
    connect(BtnWurfFehler, &TSteuerfeld::geklickt, this, [this] {
        befehl(Steuerelement::WurfFehler);
        wurfSperren();
    });
    connect(BtnVolle, &TSteuerfeld::geklickt, this, [this] { befehl(Steuerelement::Volle); });
    connect(BtnAbr, &TSteuerfeld::geklickt, this, [this] { befehl(Steuerelement::Abraeumen); });
    connect(BtnVerwarnung, &TSteuerfeld::geklickt, this, [this] { befehl(Steuerelement::Verwarnung); });
    connect(BtnSport, &TSteuerfeld::geklickt, this, [this] { befehl(Steuerelement::Sport); });
    connect(BtnStop, &TSteuerfeld::geklickt, this, [this] {
        befehl(Steuerelement::Stop);
        if (BahnDaten.contains(m_bahn)) BtnStop->setGedrueckt(BahnDaten[m_bahn].BahnGestoppt);
    });
    connect(BtnZeit, &TSteuerfeld::geklickt, this, [this] {
        befehl(Steuerelement::Zeit);
        if (BahnDaten.contains(m_bahn)) BtnZeit->setText(ZeitBeschriftung(BahnDaten[m_bahn].ZeitStatus));
    });
    connect(BtnUebtrEin, &TSteuerfeld::geklickt, this, [this] {
        befehl(Steuerelement::Uebertritt);
        if (BahnDaten.contains(m_bahn))
            BtnUebtrEin->setText(UebertrittBeschriftung(BahnDaten[m_bahn].UebertrittStatus));
    });
    connect(BtnBildLoeschen, &TSteuerfeld::geklickt, this, [this] {
        for (QLabel* led : LedKegel) led->hide();
    });
    connect(BtnStellen, &TSteuerfeld::geklickt, this,
            [this] { SteuerungAusfuehren(Steuerelement::Stellen, m_bahn, pinMaske()); });

    // Spiel, Bahn, Zurück
    auto* spiel = new QGroupBox(QStringLiteral("Spiel"), this);
    BtnSpielStart = knopf("BtnSpielStart", SpielStartBeschriftung(true), spiel);
    BtnZeitStart = knopf("BtnZeitStart", QStringLiteral("Zeit Start"), spiel);
    BtnZeitStop = knopf("BtnZeitStop", QStringLiteral("Zeit Stop"), spiel);
    BtnZeitStart->hide();
    BtnZeitStop->hide();
    for (QPushButton* b : {BtnZeitStart, BtnZeitStop}) behalten(b);
    auto* spielZeile = new QHBoxLayout(spiel);
    spielZeile->addWidget(BtnSpielStart);
    spielZeile->addWidget(BtnZeitStart);
    spielZeile->addWidget(BtnZeitStop);

    auto* bahnGruppe = new QGroupBox(QStringLiteral("Bahn"), this);
    BtnDruckerEin = knopf("BtnDruckerEin", QStringLiteral("&Drucker ein"), bahnGruppe);
    auto* bahnZeile = new QHBoxLayout(bahnGruppe);
    bahnZeile->addWidget(BtnDruckerEin);

    BtnZurueck = knopf("BtnZurueck", QStringLiteral("&Zurück"), this);

    connect(BtnSpielStart, &QPushButton::clicked, this, [this] {
        if (spielStart) spielStart(m_bahn);
        const SteuerungAnzeige a = BahnsteuerungZustand(m_bahn);
        if (a.hatSpiel) spielGruppe(!a.zeitKnoepfeSichtbar);
    });
    connect(BtnZeitStart, &QPushButton::clicked, this, [this] { befehl(Steuerelement::ZeitStart); });
    connect(BtnZeitStop, &QPushButton::clicked, this, [this] { befehl(Steuerelement::ZeitStop); });
    connect(BtnDruckerEin, &QPushButton::clicked, this, [this] { BahndruckerEinschalten(m_bahn); });
    connect(BtnZurueck, &QPushButton::clicked, this, &QDialog::reject);

    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(12);
    mitte->addWidget(PAnzeige);
    mitte->addLayout(tastatur);

    auto* unten = new QHBoxLayout;
    unten->addWidget(spiel);
    unten->addWidget(bahnGruppe);
    unten->addStretch();
    unten->addWidget(BtnZurueck, 0, Qt::AlignBottom);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(auswahl);
    spalte->addLayout(mitte);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    // The panels of an offline lane until a lane is chosen.
    for (TSteuerfeld* f : {BtnWurfUngueltig, BtnWurfFehler, BtnBildLoeschen, BtnStellen, BtnStop, BtnSport, BtnZeit,
                           BtnUebtrEin, BtnVerwarnung, BtnVolle, BtnAbr})
        f->hide();
    PAnzeige->hide();

    if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().topLeft());
}

TSteuerung::~TSteuerung()
{
    if (isVisible()) OffeneFenster &= u8(~FensterBahnsteuerung);
}

void TSteuerung::BahnsteuerungAnzeigen(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    if (bahn != m_bahn && Timer1->enabled()) Timer1Timer();
    m_bahn = bahn;
    for (int k = 1; k <= MaxBahnen; ++k) {
        BtnBahn[k]->setAutoRaise(k != bahn);
        BtnBahn[k]->setChecked(k == bahn);
    }

    const SteuerungAnzeige a = BahnsteuerungZustand(bahn);
    for (TSteuerfeld* f : {BtnWurfUngueltig, BtnWurfFehler, BtnBildLoeschen, BtnStellen, BtnStop, BtnSport, BtnZeit,
                           BtnUebtrEin, BtnVerwarnung, BtnVolle, BtnAbr})
        f->setVisible(a.tastenSichtbar);
    PAnzeige->setVisible(a.tastenSichtbar);
    BtnBahnEin->setText(a.bahnEinText);
    BtnBahnEin->setGedrueckt(a.bahnEinGedrueckt);
    BtnVolle->setGedrueckt(a.volleGedrueckt);
    BtnAbr->setGedrueckt(a.abrGedrueckt);
    BtnStop->setGedrueckt(a.stopGedrueckt);
    BtnSport->setText(a.sportText);
    BtnZeit->setText(a.zeitText);
    BtnUebtrEin->setText(a.uebertrittText);

    PAnzeigeV->setText(a.verwarnung);
    PAnzeigeHolz->setText(a.holz);
    if (a.total) PAnzeigeTotal->setText(*a.total);
    if (a.wurf) PAnzeigeWurf->setText(*a.wurf);
    if (a.gesamt) PAnzeigeGesamt->setText(*a.gesamt);
    PProbe->setVisible(a.probeSichtbar);

    for (int k = 1; k <= 9; ++k) LedKegel[k]->setVisible(a.ledMaske & (1u << (k - 1)));

    if (a.hatSpiel) spielGruppe(!a.zeitKnoepfeSichtbar);
}

void TSteuerung::spielGruppe(bool gestoppt)
{
    BtnSpielStart->setText(SpielStartBeschriftung(gestoppt));
    BtnZeitStart->setVisible(!gestoppt);
    BtnZeitStop->setVisible(!gestoppt);
}

void TSteuerung::bahnWaehlen(int bahn)
{
    BahnsteuerungAnzeigen(bahn);
    SteuerungAusfuehren(Steuerelement::Bahnwahl, bahn);
}

void TSteuerung::befehl(Steuerelement element) { SteuerungAusfuehren(element, m_bahn); }

void TSteuerung::wurfSperren()
{
    BtnWurfUngueltig->setGesperrt(true);
    BtnWurfFehler->setGesperrt(true);
    Timer1->setEnabled(true);
}

void TSteuerung::Timer1Timer()
{
    Timer1->setEnabled(false);
    BtnWurfUngueltig->setGesperrt(false);
    BtnWurfFehler->setGesperrt(false);
}

void TSteuerung::wertEintragen(Steuerelement element, QLabel* feld)
{
    const std::optional<QString> wert = boxen().eingabe(WertAnfrage(element, feld->text()));
    if (wert) SteuerungAusfuehren(element, m_bahn, TextZuZahl(*wert));
}

u16 TSteuerung::pinMaske() const
{
    u16 maske = 0;
    for (int k = 1; k <= 9; ++k)
        if (!LedKegel[k]->isHidden()) maske |= u16(1u << (k - 1));
    return maske;
}

// Showing counts as an activation; the activation event that follows it is
// the same one.
void TSteuerung::aktivieren()
{
    OffeneFenster |= FensterBahnsteuerung;
    // The two throw panels stay locked no longer than the timer would have.
    if (Timer1->enabled()) Timer1Timer();
    SteuerungAusfuehren(Steuerelement::Aktivierung, m_bahn);
    fenster().hauptmenueAktualisieren();
}

void TSteuerung::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    aktivieren();
    m_gezeigt = true;
}

void TSteuerung::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    m_gezeigt = false;
    OffeneFenster &= u8(~FensterBahnsteuerung);
    fenster().hauptmenueAktualisieren();
}

void TSteuerung::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        m_gezeigt = false;
    } else if (m_gezeigt) {
        m_gezeigt = false;
    } else if (isVisible()) {
        aktivieren();
    }
}

void TSteuerung::keyPressEvent(QKeyEvent* event)
{
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_8) {
        if (const int bahn = ZiffertasteBahn(event->key() - Qt::Key_0)) bahnWaehlen(bahn);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
