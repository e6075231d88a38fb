#include "displays/ui/Anzeigefenster.h"

#include "core/Anzeigedienste.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/Bilder.h"
#include "core/ui/Farben.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace {

struct Spalte {
    int x, w;
};

const Qt::Alignment Links = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Rechts = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment Mitte = Qt::AlignHCenter | Qt::AlignVCenter;

// The board writes in Arial.
QFont Tafelschrift(int pixel, bool fett = false, bool kursiv = false)
{
    return Schrift(pixel, fett, kursiv, QStringLiteral("Arial"));
}

void Hintergrund(QWidget* w, u32 farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, FarbeZuQColor(farbe));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Schriftfarbe(QWidget* w, u32 farbe)
{
    const QColor c = FarbeZuQColor(farbe);
    QPalette p = w->palette();
    if (p.color(QPalette::WindowText) == c && w->testAttribute(Qt::WA_SetPalette)) return;
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

void Setzen(QLabel* l, const QString& t)
{
    if (l->text() != t) l->setText(t);
}

void Oben(QWidget* w, int y)
{
    if (w->y() != y) w->move(w->x(), y);
}

// A ribbon in the side's colour with a row of pins at its outer end.
QPixmap Banner(QSize groesse, QColor farbe, bool spiegeln)
{
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    if (spiegeln) {
        p.translate(groesse.width(), 0);
        p.scale(-1, 1);
    }
    const qreal w = groesse.width(), h = groesse.height();
    QPainterPath band;
    band.addRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 5, h / 5);
    QLinearGradient verlauf(0, 0, w, 0);
    verlauf.setColorAt(0, farbe.darker(170));
    verlauf.setColorAt(0.35, farbe);
    verlauf.setColorAt(1, farbe.darker(130));
    p.fillPath(band, verlauf);
    QLinearGradient glanz(0, 0, 0, h);
    glanz.setColorAt(0, QColor(255, 255, 255, 90));
    glanz.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillPath(band, glanz);
    p.setPen(QPen(farbe.lighter(160), 2));
    p.drawPath(band);

    // Three pins standing at the start of the ribbon.
    const qreal kh = h * 0.72, kb = kh * 0.34;
    for (int i = 0; i < 3; ++i) {
        const qreal x = h * 0.3 + i * kb * 1.1, y = (h - kh) / 2;
        QPainterPath kegel;
        kegel.moveTo(x + kb * 0.5, y);
        kegel.cubicTo(x + kb * 0.85, y, x + kb * 0.75, y + kh * 0.3, x + kb * 0.62, y + kh * 0.34);
        kegel.cubicTo(x + kb * 1.05, y + kh * 0.55, x + kb, y + kh * 0.85, x + kb * 0.75, y + kh);
        kegel.lineTo(x + kb * 0.25, y + kh);
        kegel.cubicTo(x, y + kh * 0.85, x - kb * 0.05, y + kh * 0.55, x + kb * 0.38, y + kh * 0.34);
        kegel.cubicTo(x + kb * 0.25, y + kh * 0.3, x + kb * 0.15, y, x + kb * 0.5, y);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(250, 250, 245));
        p.drawPath(kegel);
        p.fillRect(QRectF(x + kb * 0.3, y + kh * 0.22, kb * 0.4, kh * 0.05), QColor(200, 30, 30));
    }
    return bild;
}

}  // namespace

// The geometry of one design; client area, names, groups, totals, text insert.
struct TAnzeigefenster::Masse {
    QSize tafel;
    QRect kopfHeim, kopfGast;  // banners (wide) or framed name panels (narrow)
    int teamSchrift;
    int gruppeOben, gruppeHoehe, gruppeBreite, heimLinks, gastLinks;
    int zeileHoehe;
    // Normal groups: name panel and the four value columns.
    Spalte nName, nVolle, nAbr, nFehler, nTotal;
    int nNameSchrift, nWertSchrift;
    // Set groups: name panel, Satz 1 (the others follow at sAbstand), total, set points.
    Spalte sName, sSatz1, sTotal, sSaP;
    int sAbstand, sNameSchrift, sWertSchrift, sErsetztHoehe;
    int kopfSchrift;
    QRect summe;
    QRect text;  // inside the client area (narrow: the whole window)
};

namespace {

const TAnzeigefenster::Masse& MasseVon(Tafelform form);

}  // namespace

TAnzeigefenster::TAnzeigefenster(Anzeigefenster form, QWidget* parent)
    : QWidget(parent),
      m_form(form == Anzeigefenster::Klein ? Tafelform::Schmal : Tafelform::Breit),
      m_farben(TafelfarbenLesen())
{
    setObjectName(m_form == Tafelform::Breit ? QStringLiteral("AnzeigeGross") : QStringLiteral("AnzeigeKlein"));
    setWindowTitle(QStringLiteral("Ergebnistafel"));
    const Masse& m = MasseVon(m_form);
    bauen(m);
    farbenSetzen();
    resize(m.tafel);
    setWerbeflaeche(this);
    setTexteinblendung(this);
}

TAnzeigefenster::~TAnzeigefenster()
{
    if (werbeflaeche() == this) setWerbeflaeche(nullptr);
    if (texteinblendung() == this) setTexteinblendung(nullptr);
    m_videoLaeuft = false;
    if (MediaPlayer) {
        MediaPlayer->disconnect(this);
        MediaPlayer->stop();
    }
}

// --- Construction ---------------------------------------------------------------------

void TAnzeigefenster::bauen(const Masse& m)
{
    PErgebnis = new QWidget(this);
    PErgebnis->setObjectName(QStringLiteral("PErgebnis"));
    m_tafel = new QWidget(PErgebnis);
    m_tafel->setObjectName(QStringLiteral("Tafel"));
    m_tafel->setFixedSize(m.tafel);

    kopfBauen(m);
    normalBauen(m, true);
    normalBauen(m, false);
    satzBauen(m, true);
    satzBauen(m, false);
    summeBauen(m);
    GSHeim->hide();
    GSGast->hide();

    PText = new QFrame(m_form == Tafelform::Breit ? m_tafel : static_cast<QWidget*>(this));
    PText->setObjectName(QStringLiteral("PText"));
    PText->setFrameShape(QFrame::Box);
    PText->setGeometry(m.text);
    REFormular = new QTextEdit(PText);
    REFormular->setObjectName(QStringLiteral("REFormular"));
    REFormular->setReadOnly(true);
    REFormular->setFrameShape(QFrame::NoFrame);
    REFormular->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    REFormular->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    REFormular->setGeometry(PText->rect().adjusted(1, 1, -1, -1));
    PText->hide();

    werbungBauen();
}

void TAnzeigefenster::kopfBauen(const Masse& m)
{
    const QFont schrift = Tafelschrift(m.teamSchrift, true);
    for (bool heim : {true, false}) {
        const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
        const QRect r = heim ? m.kopfHeim : m.kopfGast;
        QWidget* traeger = m_tafel;
        QRect nameRect = r.adjusted(r.height() * 3 / 2, 0, -r.height() / 2, 0);
        if (m_form == Tafelform::Breit) {
            QLabel* bild = Label(m_tafel, QStringLiteral("Image") + seite, QString(), r, Mitte, schrift);
            (heim ? ImageHeim : ImageGast) = bild;
        } else {
            auto* rahmen = new QFrame(m_tafel);
            rahmen->setObjectName(QStringLiteral("PName") + seite);
            rahmen->setFrameShape(QFrame::Panel);
            rahmen->setFrameShadow(QFrame::Raised);
            rahmen->setLineWidth(2);
            rahmen->setGeometry(r);
            traeger = rahmen;
            nameRect = rahmen->rect().adjusted(8, 0, -8, 0);
        }
        if (!heim && m_form == Tafelform::Breit) nameRect = r.adjusted(r.height() / 2, 0, -r.height() * 3 / 2, 0);
        QLabel* name = Label(traeger, QStringLiteral("L") + seite, QString(), nameRect,
                             (heim ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, schrift);
        (heim ? LHeim : LGast) = name;
    }
}

void TAnzeigefenster::normalBauen(const Masse& m, bool heim)
{
    const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
    auto* g = new QGroupBox(heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"), m_tafel);
    g->setObjectName(QStringLiteral("G") + seite);
    g->setGeometry(heim ? m.heimLinks : m.gastLinks, m.gruppeOben, m.gruppeBreite, m.gruppeHoehe);
    g->setFont(Tafelschrift(m.kopfSchrift, true));

    const ErgebnisLage erste = GrossanzZeilenLage(m_form, false, true, 1);
    const int panelOben = erste.werteOben - erste.nameOben;
    auto* panel = new QFrame(g);
    panel->setObjectName(QStringLiteral("P") + seite);
    panel->setGeometry(m.nName.x, panelOben, m.nName.w, m.gruppeHoehe - panelOben - 4);

    const QFont kopf = Tafelschrift(m.kopfSchrift, true);
    const int kopfOben = erste.werteOben - m.zeileHoehe - 8;
    auto kopfLabel = [&](const char* spalte, const QString& text, Spalte s, Qt::Alignment a) {
        Label(g, QStringLiteral("LHeader%1%2").arg(seite, QLatin1String(spalte)), text,
              QRect(s.x, kopfOben, s.w, m.zeileHoehe), a, kopf);
    };
    kopfLabel("Name", QStringLiteral("Name"), Spalte{m.nName.x + 2, m.nName.w}, Links);
    kopfLabel("Volle", QStringLiteral("Volle"), m.nVolle, Rechts);
    kopfLabel("Abr", QStringLiteral("Abr"), m.nAbr, Rechts);
    kopfLabel("Fehler", QStringLiteral("Fehler"), m.nFehler, Rechts);
    kopfLabel("Total", QStringLiteral("Total"), m.nTotal, Rechts);
    const int ersatzOben = GrossanzZeilenLage(m_form, false, false, 7).nameOben - m.zeileHoehe - 10;
    QLabel* ersatz = Label(panel, QStringLiteral("L%1Ersatz").arg(seite), QStringLiteral("Ersatz"),
                           QRect(2, ersatzOben, m.nName.w - 4, m.zeileHoehe), Links,
                           Tafelschrift(m.kopfSchrift, true, true));

    const QFont name = Tafelschrift(m.nNameSchrift), wert = Tafelschrift(m.nWertSchrift, true);
    for (int k = 1; k <= 8; ++k) {
        Zeile& z = Zeilen[heim ? k : k + 8];
        const ErgebnisLage lage = GrossanzZeilenLage(m_form, false, false, k);
        auto wertLabel = [&](const char* spalte, Spalte s) {
            return Label(g, QStringLiteral("L%1%2%3").arg(seite, QLatin1String(spalte)).arg(k), QString(),
                         QRect(s.x, lage.werteOben, s.w, m.zeileHoehe), Rechts, wert);
        };
        z.Name = Label(panel, QStringLiteral("L%1Name%2").arg(seite).arg(k), QString(),
                       QRect(2, lage.nameOben, m.nName.w - 4, m.zeileHoehe), Links, name);
        z.Volle = wertLabel("Volle", m.nVolle);
        z.Abr = wertLabel("Abr", m.nAbr);
        z.Fehler = wertLabel("Fehler", m.nFehler);
        z.Total = wertLabel("Total", m.nTotal);
    }
    if (heim) {
        GHeim = g, PHeim = panel, LHeimErsatz = ersatz;
    } else {
        GGast = g, PGast = panel, LGastErsatz = ersatz;
    }
}

void TAnzeigefenster::satzBauen(const Masse& m, bool heim)
{
    const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
    auto* g = new QGroupBox(heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"), m_tafel);
    g->setObjectName(QStringLiteral("GS") + seite);
    g->setGeometry(heim ? m.heimLinks : m.gastLinks, m.gruppeOben, m.gruppeBreite, m.gruppeHoehe);
    g->setFont(Tafelschrift(m.kopfSchrift, true));

    const ErgebnisLage erste = GrossanzZeilenLage(m_form, true, true, 1);
    const int panelOben = erste.werteOben - erste.nameOben;
    auto* panel = new QFrame(g);
    panel->setObjectName(QStringLiteral("PS") + seite);
    panel->setGeometry(m.sName.x, panelOben, m.sName.w, m.gruppeHoehe - panelOben - 4);

    auto satzSpalte = [&](int i) { return Spalte{m.sSatz1.x + m.sAbstand * (i - 1), m.sSatz1.w}; };
    const QFont kopf = Tafelschrift(m.kopfSchrift, true);
    const int kopfOben = erste.werteOben - m.zeileHoehe - 8;
    auto kopfLabel = [&](const QString& spalte, const QString& text, Spalte s, Qt::Alignment a) {
        Label(g, QStringLiteral("LSHeader") + seite + spalte, text, QRect(s.x, kopfOben, s.w, m.zeileHoehe), a, kopf);
    };
    kopfLabel(QStringLiteral("Name"), QStringLiteral("Name"), Spalte{m.sName.x + 2, m.sName.w}, Links);
    kopfLabel(QStringLiteral("Satz1"), QStringLiteral("Satz 1"), Spalte{satzSpalte(1).x - 20, m.sSatz1.w + 20}, Rechts);
    for (int i = 2; i <= 4; ++i) kopfLabel(QStringLiteral("Satz%1").arg(i), QString::number(i), satzSpalte(i), Rechts);
    kopfLabel(QStringLiteral("Total"), QStringLiteral("Total"), m.sTotal, Rechts);
    kopfLabel(QStringLiteral("SaP"), QStringLiteral("SaP"), m.sSaP, Rechts);
    const int ersatzOben = GrossanzZeilenLage(m_form, true, false, 7).nameOben - m.zeileHoehe - 8;
    QLabel* ersatz = Label(panel, QStringLiteral("LS%1Ersatz").arg(seite), QStringLiteral("Ersatz"),
                           QRect(2, ersatzOben, m.sName.w - 4, m.zeileHoehe), Links,
                           Tafelschrift(m.kopfSchrift, true, true));

    const QFont name = Tafelschrift(m.sNameSchrift), wert = Tafelschrift(m.sWertSchrift, true);
    const QFont ersetzt = Tafelschrift(m.sErsetztHoehe - 3, false, true);
    for (int k = 1; k <= 8; ++k) {
        Zeile& z = Zeilen[heim ? k : k + 8];
        const QString basis = QStringLiteral("LS%1Spieler%2").arg(seite).arg(k);
        const ErgebnisLage lage = GrossanzZeilenLage(m_form, true, false, k);
        z.SName = Label(panel, basis + QStringLiteral("Name"), QString(),
                        QRect(2, lage.nameOben, m.sName.w - 4, m.zeileHoehe), Links, name);
        for (int i = 1; i <= 4; ++i) {
            const Spalte s = satzSpalte(i);
            z.SSatz[i] = Label(g, basis + QStringLiteral("Satz%1").arg(i), QString(),
                               QRect(s.x, lage.werteOben, s.w, m.zeileHoehe), Rechts, wert);
        }
        z.STotal = Label(g, basis + QStringLiteral("Total"), QString(),
                         QRect(m.sTotal.x, lage.werteOben, m.sTotal.w, m.zeileHoehe), Rechts, wert);
        if (k <= 6)
            z.SPunkte = Label(g, basis + QStringLiteral("Punkte"), QString(),
                              QRect(m.sSaP.x, lage.werteOben, m.sSaP.w, m.zeileHoehe), Rechts, name);
        else
            z.SErsetzt = Label(panel, QStringLiteral("LS%1Ersetzt%2").arg(seite).arg(k), QString(),
                               QRect(12, lage.nameOben + m.zeileHoehe, m.sName.w - 14, m.sErsetztHoehe), Links,
                               ersetzt);
    }
    if (heim) {
        GSHeim = g, PSHeim = panel, LSHeimErsatz = ersatz;
    } else {
        GSGast = g, PSGast = panel, LSGastErsatz = ersatz;
    }
}

// The totals bar, drawn for the wide design (1008 x 185) and scaled to the narrow one.
void TAnzeigefenster::summeBauen(const Masse& m)
{
    PErgebnisse = new QFrame(m_tafel);
    PErgebnisse->setObjectName(QStringLiteral("PErgebnisse"));
    PErgebnisse->setFrameShape(QFrame::Panel);
    PErgebnisse->setFrameShadow(QFrame::Raised);
    PErgebnisse->setLineWidth(2);
    PErgebnisse->setGeometry(m.summe);

    const double fx = m.summe.width() / 1008.0, fy = m.summe.height() / 185.0;
    auto r = [&](int x, int y, int w, int h) {
        return QRect(int(x * fx), int(y * fy), int(w * fx), int(h * fy));
    };
    auto s = [&](int pixel, bool fett) { return Tafelschrift(int(pixel * std::min(fx, fy)), fett); };
    auto label = [&](const char* name, const QString& text, QRect g, Qt::Alignment a, const QFont& f) {
        return Label(PErgebnisse, QLatin1String(name), text, g, a, f);
    };
    const QFont kopf = s(22, true);
    label("LHeaderHeimWurf", QStringLiteral("Wurf"), r(14, 14, 110, 30), Links, kopf);
    label("LHeaderHeimErgebnis", QStringLiteral("Ergebnis"), r(134, 14, 184, 30), Links, kopf);
    LHeaderPunkte = label("LHeaderPunkte", QStringLiteral("Punkte"), r(404, 14, 200, 30), Mitte, kopf);
    label("LHeaderGastErgebnis", QStringLiteral("Ergebnis"), r(690, 14, 184, 30), Rechts, kopf);
    label("LHeaderGastWurf", QStringLiteral("Wurf"), r(884, 14, 110, 30), Rechts, kopf);

    // Every value centred on one line; the margins keep a gap to the points.
    const QFont wurf = s(40, true), total = s(80, true), plus = s(40, true), punkte = s(44, true);
    LHeimWurf = label("LHeimWurf", QString(), r(14, 70, 110, 70), Links, wurf);
    LHeimTotal = label("LHeimTotal", QString(), r(134, 50, 184, 110), Links, total);
    LHeimPlus = label("LHeimPlus", QString(), r(318, 75, 84, 60), Rechts, plus);
    LHeimPunkte = label("LHeimPunkte", QString(), r(410, 70, 84, 70), Rechts, punkte);
    m_punkteTrenner = label("LPunkteTrenner", QStringLiteral(":"), r(494, 70, 20, 70), Mitte, punkte);
    LGastPunkte = label("LGastPunkte", QString(), r(514, 70, 84, 70), Links, punkte);
    LGastPlus = label("LGastPlus", QString(), r(606, 75, 84, 60), Links, plus);
    LGastTotal = label("LGastTotal", QString(), r(690, 50, 184, 110), Rechts, total);
    LGastWurf = label("LGastWurf", QString(), r(884, 70, 110, 70), Rechts, wurf);
}

void TAnzeigefenster::werbungBauen()
{
    PWerbung = new QFrame(this);
    PWerbung->setObjectName(QStringLiteral("PWerbung"));
    Hintergrund(PWerbung, 0);
    Image = new QLabel(PWerbung);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAlignment(Qt::AlignCenter);
    PWerbung->hide();
    Lader = new Bildlader(this);
    Lader->setObjectName(QStringLiteral("Lader"));
    connect(Lader, &Bildlader::geladen, this, &TAnzeigefenster::bildAngekommen);
}

// The player comes with the first video: a media backend without its
// plugins may fail as early as the player's creation.
void TAnzeigefenster::playerBauen()
{
    if (MediaPlayer) return;
    Video = new QVideoWidget(PWerbung);
    Video->setObjectName(QStringLiteral("Video"));
    Video->hide();
    MediaPlayer = new QMediaPlayer(this);
    MediaPlayer->setObjectName(QStringLiteral("MediaPlayer"));
    MediaPlayer->setAudioOutput(new QAudioOutput(MediaPlayer));
    MediaPlayer->setVideoOutput(Video);
    connect(MediaPlayer, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia) videoEnde();
    });
    connect(MediaPlayer, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error f) {
        if (f != QMediaPlayer::NoError) videoEnde();
    });
}

void TAnzeigefenster::farbenSetzen()
{
    const Tafelfarben& f = m_farben;
    Hintergrund(this, f.tafel);
    Hintergrund(PErgebnis, f.tafel);
    for (QWidget* w : {static_cast<QWidget*>(GHeim), static_cast<QWidget*>(GSHeim), static_cast<QWidget*>(PHeim),
                       static_cast<QWidget*>(PSHeim)})
        Hintergrund(w, f.heim);
    for (QWidget* w : {static_cast<QWidget*>(GGast), static_cast<QWidget*>(GSGast), static_cast<QWidget*>(PGast),
                       static_cast<QWidget*>(PSGast)})
        Hintergrund(w, f.gast);
    for (QWidget* w : {GHeim, GSHeim}) Schriftfarbe(w, f.headerHeim);
    for (QWidget* w : {GGast, GSGast}) Schriftfarbe(w, f.headerGast);
    for (QWidget* w : {LHeimErsatz, LSHeimErsatz}) Schriftfarbe(w, f.headerHeim);
    for (QWidget* w : {LGastErsatz, LSGastErsatz}) Schriftfarbe(w, f.headerGast);

    Hintergrund(PErgebnisse, f.ergebnisse);
    Schriftfarbe(LHeimWurf, f.wurfHeim);
    Schriftfarbe(LGastWurf, f.wurfGast);
    Schriftfarbe(LHeimTotal, f.totalHeim);
    Schriftfarbe(LGastTotal, f.totalGast);
    Schriftfarbe(LHeimPlus, f.plusHeim);
    Schriftfarbe(LGastPlus, f.plusGast);
    Schriftfarbe(LHeimPunkte, f.punkteHeim);
    Schriftfarbe(LGastPunkte, f.punkteGast);
    Schriftfarbe(m_punkteTrenner, f.punkteHeim);

    if (m_form == Tafelform::Breit) {
        // The names stand in white on the banners (or on the board's colour).
        for (QLabel* l : {LHeim, LGast}) Schriftfarbe(l, 0xFFFFFF);
        ImageHeim->setPixmap(Banner(ImageHeim->size(), FarbeZuQColor(f.headerHeim), false));
        ImageGast->setPixmap(Banner(ImageGast->size(), FarbeZuQColor(f.headerGast), true));
    } else {
        Hintergrund(LHeim->parentWidget(), f.heim);
        Hintergrund(LGast->parentWidget(), f.gast);
        Schriftfarbe(LHeim, f.headerHeim);
        Schriftfarbe(LGast, f.headerGast);
    }
}

// --- The match on the board -----------------------------------------------------------

void TAnzeigefenster::ErgebnistafelAufbauen()
{
    textVerbergen();
    // Built for another match: the adverts of the one shown so far end here.
    GrossanzWerbungAbloesen();
    if (!AnzeigeWettkampf) return;
    const TWettkampfDaten& w = *AnzeigeWettkampf;
    const GrossanzTafel t = GrossanzeigeAufbauen(w, m_form, m_farben);
    Setzen(LHeim, t.heim);
    Setzen(LGast, t.gast);
    if (ImageHeim) {
        ImageHeim->setVisible(t.banner);
        ImageGast->setVisible(t.banner);
    }
    for (QLabel* l : {LHeaderPunkte, LHeimPunkte, m_punkteTrenner, LGastPunkte}) l->setVisible(t.punkteSichtbar);
    GHeim->setVisible(!t.satz);
    GGast->setVisible(!t.satz);
    GSHeim->setVisible(t.satz);
    GSGast->setVisible(t.satz);
    for (QLabel* l : {LHeimErsatz, LGastErsatz, LSHeimErsatz, LSGastErsatz}) l->setVisible(t.ersatzSichtbar);
    for (int n = 1; n <= MaxSpieler; ++n) {
        const GrossanzZeile& z = t.zeilen[n];
        Setzen(Zeilen[n].Name, z.texte.name);
        Setzen(Zeilen[n].SName, z.texte.name);
        zeileAnzeigen(n, z);
    }
    summeAnzeigen(t.summe);
}

void TAnzeigefenster::ErgebnistafelSpielerAktualisieren(int n)
{
    if (!AnzeigeWettkampf) return;
    if (const auto z = GrossanzeigeZeile(*AnzeigeWettkampf, m_form, n, m_farben)) zeileAnzeigen(n, *z);
    summeAnzeigen(ErgebnistafelSumme(*AnzeigeWettkampf));
}

// Position, visibility, colour and values of row n in the layout shown; the
// name text is written by the build only.
void TAnzeigefenster::zeileAnzeigen(int n, const GrossanzZeile& z)
{
    Zeile& l = Zeilen[n];
    const ErgebnisZeile& t = z.texte;
    if (!GSHeim->isHidden()) {
        QLabel* werte[] = {l.SSatz[1], l.SSatz[2], l.SSatz[3], l.SSatz[4], l.STotal};
        Oben(l.SName, z.lage.nameOben);
        l.SName->setVisible(z.nameSichtbar);
        Schriftfarbe(l.SName, z.namenfarbe);
        for (int i = 1; i <= 4; ++i) Setzen(l.SSatz[i], t.satz[i]);
        Setzen(l.STotal, t.satzTotal);
        for (QLabel* v : werte) {
            Oben(v, z.lage.werteOben);
            v->setVisible(z.werteSichtbar);
        }
        if (l.SPunkte) {
            Setzen(l.SPunkte, t.punkte);
            l.SPunkte->setVisible(t.punkteSichtbar);
        }
        if (l.SErsetzt) {
            Oben(l.SErsetzt, z.lage.nameOben + l.SName->height());
            Setzen(l.SErsetzt, z.ersetzt);
            l.SErsetzt->setVisible(z.ersetztSichtbar && z.nameSichtbar);
            Schriftfarbe(l.SErsetzt, z.namenfarbe);
        }
        return;
    }
    QLabel* werte[] = {l.Volle, l.Abr, l.Fehler, l.Total};
    Oben(l.Name, z.lage.nameOben);
    l.Name->setVisible(z.nameSichtbar);
    Schriftfarbe(l.Name, z.namenfarbe);
    Setzen(l.Volle, t.volle);
    Setzen(l.Abr, t.abr);
    Setzen(l.Fehler, t.fehler);
    Setzen(l.Total, t.total);
    for (QLabel* v : werte) {
        Oben(v, z.lage.werteOben);
        v->setVisible(z.werteSichtbar);
    }
}

void TAnzeigefenster::summeAnzeigen(const ErgebnisSumme& s)
{
    LHeimPlus->setVisible(s.heimPlusSichtbar);
    LGastPlus->setVisible(s.gastPlusSichtbar);
    Setzen(LHeimTotal, s.heimTotal);
    Setzen(LGastTotal, s.gastTotal);
    Setzen(LHeimPlus, s.heimPlus);
    Setzen(LGastPlus, s.gastPlus);
    Setzen(LHeimWurf, s.heimWurf);
    Setzen(LGastWurf, s.gastWurf);
    if (AnzeigeWettkampf && AnzeigeWettkampf->Punktespiel) {
        Setzen(LHeimPunkte, s.heimPunkte);
        Setzen(LGastPunkte, s.gastPunkte);
    }
}

// --- Adverts and the text insert ------------------------------------------------------

void TAnzeigefenster::ergebnisseZeigen()
{
    Lader->verwerfen();
    m_bildDatei.clear();
    Image->clear();
    videoEnde();
    PWerbung->hide();
    PErgebnis->show();
}

void TAnzeigefenster::werbungZeigen(const QString& datei)
{
    Lader->verwerfen();
    m_bildDatei.clear();
    // The results stay until the picture has been read.
    if (!QFileInfo(datei).isFile() || WerbedateiArt(datei) != Werbeart::Bild) werbeflaecheZeigen();
    WerbedateiAnzeigen(datei);
}

void TAnzeigefenster::werbeflaecheZeigen()
{
    PErgebnis->hide();
    PWerbung->show();
    PWerbung->raise();
}

void TAnzeigefenster::WerbedateiAnzeigen(const QString& datei)
{
    if (!QFileInfo(datei).isFile()) return;
    switch (WerbedateiArt(datei)) {
    case Werbeart::Bild:
        videoEnde();
        m_bildDatei = datei;
        Lader->laden(datei, PWerbung->size());
        break;
    case Werbeart::Video:
        Lader->verwerfen();
        m_bildDatei.clear();
        playerBauen();
        m_videoLaeuft = true;
        Image->hide();
        Video->setGeometry(PWerbung->rect().adjusted(4, 4, -4, -4));
        Video->show();
        MediaPlayer->setSource(QUrl::fromLocalFile(QFileInfo(datei).absoluteFilePath()));
        if (m_videoLaeuft) MediaPlayer->play();
        break;
    case Werbeart::Keine:
        break;
    }
}

// Scaled down to the panel when larger, else in its own size.
void TAnzeigefenster::bildAngekommen(const QImage& bild)
{
    Image->setGeometry(PWerbung->rect());
    Image->setPixmap(QPixmap::fromImage(bild));
    Image->show();
    werbeflaecheZeigen();
    emit bildGezeigt();
}

// Played to its end, failed to open or to decode, or left for the results.
void TAnzeigefenster::videoEnde()
{
    if (!m_videoLaeuft) return;
    m_videoLaeuft = false;
    Video->hide();
    // The player is stopped and closed outside its own signal.
    QTimer::singleShot(0, this, [this] {
        if (m_videoLaeuft) return;
        MediaPlayer->stop();
        MediaPlayer->setSource(QUrl());
    });
    emit videoBeendet();
}

void TAnzeigefenster::textZeigen(const QTextDocument& text)
{
    // The previous copy is a child of the editor and goes with the swap.
    REFormular->setDocument(text.clone(REFormular));
    PText->show();
    PText->raise();
    if (!PWerbung->isHidden()) PWerbung->raise();
}

void TAnzeigefenster::textVerbergen() { PText->hide(); }

// --- Window ---------------------------------------------------------------------------

void TAnzeigefenster::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    ErgebnistafelAufbauen();
}

void TAnzeigefenster::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    PErgebnis->setGeometry(rect());
    PWerbung->setGeometry(rect());
    m_tafel->move(std::max(0, (width() - m_tafel->width()) / 2), std::max(0, (height() - m_tafel->height()) / 2));
    if (m_form == Tafelform::Schmal) {
        PText->setGeometry(rect());
        REFormular->setGeometry(PText->rect().adjusted(1, 1, -1, -1));
    }
    if (Video) Video->setGeometry(PWerbung->rect().adjusted(4, 4, -4, -4));
    Image->setGeometry(PWerbung->rect());
    // The picture is read again for the new size.
    if (!m_bildDatei.isEmpty() && e->size() != e->oldSize()) Lader->laden(m_bildDatei, PWerbung->size());
}

namespace {

const TAnzeigefenster::Masse& MasseVon(Tafelform form)
{
    static const TAnzeigefenster::Masse breit{
        .tafel = {1016, 709},
        .kopfHeim = {4, 4, 500, 66},
        .kopfGast = {512, 4, 500, 66},
        .teamSchrift = 27,
        .gruppeOben = 76,
        .gruppeHoehe = 444,
        .gruppeBreite = 500,
        .heimLinks = 4,
        .gastLinks = 512,
        .zeileHoehe = 26,
        .nName = {6, 212},
        .nVolle = {222, 66},
        .nAbr = {290, 64},
        .nFehler = {356, 64},
        .nTotal = {422, 72},
        .nNameSchrift = 21,
        .nWertSchrift = 23,
        .sName = {6, 150},
        .sSatz1 = {160, 54},
        .sTotal = {384, 62},
        .sSaP = {450, 44},
        .sAbstand = 56,
        .sNameSchrift = 19,
        .sWertSchrift = 21,
        .sErsetztHoehe = 17,
        .kopfSchrift = 18,
        .summe = {4, 524, 1008, 181},
        .text = {4, 76, 1008, 629},
    };
    static const TAnzeigefenster::Masse schmal{
        .tafel = {796, 599},
        .kopfHeim = {4, 4, 390, 44},
        .kopfGast = {402, 4, 390, 44},
        .teamSchrift = 24,
        .gruppeOben = 52,
        .gruppeHoehe = 376,
        .gruppeBreite = 390,
        .heimLinks = 4,
        .gastLinks = 402,
        .zeileHoehe = 24,
        .nName = {4, 150},
        .nVolle = {156, 54},
        .nAbr = {212, 52},
        .nFehler = {266, 50},
        .nTotal = {318, 66},
        .nNameSchrift = 18,
        .nWertSchrift = 21,
        .sName = {4, 106},
        .sSatz1 = {112, 42},
        .sTotal = {290, 50},
        .sSaP = {342, 42},
        .sAbstand = 44,
        .sNameSchrift = 15,
        .sWertSchrift = 16,
        .sErsetztHoehe = 15,
        .kopfSchrift = 15,
        .summe = {4, 432, 788, 163},
        .text = {0, 0, 796, 599},
    };
    return form == Tafelform::Breit ? breit : schmal;
}

}  // namespace
