#include "core/ui/Farbe.h"

#include "core/SettingsFile.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QAction>
#include <QMenu>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <algorithm>

namespace {

constexpr int FensterBreite = 540;
constexpr int HoeheMitVorschau = 465;
constexpr int HoeheOhneVorschau = 235;
constexpr int EbeneGroesse = 200;
constexpr int MarkeGroesse = 7;
constexpr int BildVersatz = 2;   // a press on the plane puts the marker this far up-left
constexpr int MarkeVersatz = 4;  // dragging the marker itself
constexpr quint32 KnopfFest = 16711680;   // blue caption: the fixed component
constexpr quint32 KnopfFrei = 8421504;    // grey
const QString FarbMime = QString::fromLatin1(FarbMimeTyp);

// The marker on the plane: a ring that shows on dark and light colours.
class Marke : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
        p.setPen(QPen(Qt::white, 1));
        p.drawEllipse(QRectF(1.5, 1.5, width() - 3, height() - 3));
    }
};

QLabel* vorschauLabel(QWidget* panel, const char* name, const QString& text, QPoint pos, bool fett = false)
{
    auto* l = new QLabel(text, panel);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial"), fett ? 11 : 9);
    f.setBold(fett);
    l->setFont(f);
    l->move(pos);
    l->adjustSize();
    return l;
}

QFrame* vorschauPanel(QWidget* eltern, const char* name, const QRect& rect)
{
    auto* p = new QFrame(eltern);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setGeometry(rect);
    return p;
}

}  // namespace

TFarbe::TFarbe(QWidget* parent) : QDialog(parent), m_ebene(EbeneGroesse, EbeneGroesse, QImage::Format_RGB32)
{
    setWindowTitle(QStringLiteral("Farbeinstellung"));

    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(10, 10, EbeneGroesse, EbeneGroesse);
    Image->installEventFilter(this);
    Point = new Marke(this);
    Point->setObjectName(QStringLiteral("Point"));
    Point->resize(MarkeGroesse, MarkeGroesse);
    Point->installEventFilter(this);

    const auto feld = [this](const char* name, const QString& hinweis, int x) {
        auto* f = new QFrame(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setToolTip(hinweis);
        f->setFrameShape(QFrame::Box);
        f->setGeometry(x, 10, 75, 46);
        return f;
    };
    SFarbeAlt = feld("SFarbeAlt", QStringLiteral("eingestellte Farbe"), 225);
    SFarbeNeu = feld("SFarbeNeu", QStringLiteral("neue Farbe"), 300);
    SFarbeAlt->setAcceptDrops(true);
    SFarbeAlt->installEventFilter(this);
    SFarbeNeu->installEventFilter(this);

    // One row per component: fix button, edit, track bar.
    const auto reihe = [this](int k, const char* knopf, const QString& text, const char* e, const char* tb, int y) {
        QPushButton* b = BoxKnopf(this, QString::fromLatin1(knopf), text);
        b->setGeometry(225, y, 62, 25);
        connect(b, &QPushButton::clicked, this, [this, k] { festSetzen(k); });
        auto* ed = new QLineEdit(QStringLiteral("255"), this);
        ed->setObjectName(QString::fromLatin1(e));
        ed->setMaxLength(3);
        ed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), ed));
        ed->setAlignment(Qt::AlignRight);
        ed->setGeometry(292, y + 1, 40, 23);
        connect(ed, &QLineEdit::textChanged, this, [this, k] { komponenteGeaendert(k); });
        auto* r = new QSlider(Qt::Horizontal, this);
        r->setObjectName(QString::fromLatin1(tb));
        r->setRange(0, 255);
        r->setValue(255);
        r->setGeometry(340, y, 190, 25);
        connect(r, &QSlider::valueChanged, this, [ed](int v) { ed->setText(QString::number(v)); });
        return std::tuple{b, ed, r};
    };
    std::tie(BtnFixRot, ERot, TBRot) = reihe(KompRot, "BtnFixRot", QStringLiteral("Rot"), "ERot", "TBRot", 66);
    std::tie(BtnFixGruen, EGruen, TBGruen) =
        reihe(KompGruen, "BtnFixGruen", QStringLiteral("Grün"), "EGruen", "TBGruen", 98);
    std::tie(BtnFixBlau, EBlau, TBBlau) = reihe(KompBlau, "BtnFixBlau", QStringLiteral("Blau"), "EBlau", "TBBlau", 130);

    auto* hell = new QLabel(QStringLiteral("Helligkeit"), this);
    hell->setGeometry(225, 162, 110, 25);
    TBHell = new QSlider(Qt::Horizontal, this);
    TBHell->setObjectName(QStringLiteral("TBHell"));
    TBHell->setRange(0, 255);
    TBHell->setValue(255);
    TBHell->setGeometry(340, 162, 190, 25);
    TBHell->installEventFilter(this);
    connect(TBHell, &QSlider::valueChanged, this, &TFarbe::hellGeaendert);

    BtnUebernahme = BoxKnopf(this, QStringLiteral("BtnUebernahme"), QStringLiteral("&Ok"));
    BtnAbbruch = BoxKnopf(this, QStringLiteral("BtnAbbruch"), QStringLiteral("&Abbrechen"));
    BtnStandard = BoxKnopf(this, QStringLiteral("BtnStandard"), QStringLiteral("&Standard"));
    int x = 225;
    for (QPushButton* b : {BtnUebernahme, BtnAbbruch, BtnStandard}) {
        b->setGeometry(x, 200, 95, 25);
        x += 105;
    }
    BtnUebernahme->setDefault(true);
    connect(BtnUebernahme, &QPushButton::clicked, this, &TFarbe::uebernehmen);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnStandard, &QPushButton::clicked, this, &TFarbe::standardSetzen);

    vorschauBauen();

    flaecheFaerben(SFarbeNeu, m_neu);
    festSetzen(KompBlau);
    Point->move(Image->pos() + QPoint(EbeneGroesse - MarkeGroesse, 0));
    VorschauZeigen(false);
}

// A small result board: the two teams with their players and sums, the match
// results and a notice.
void TFarbe::vorschauBauen()
{
    PSpiel = vorschauPanel(this, "PSpiel", QRect(10, 235, 520, 220));
    PHeim = vorschauPanel(PSpiel, "PHeim", QRect(8, 8, 248, 132));
    PGast = vorschauPanel(PSpiel, "PGast", QRect(264, 8, 248, 132));
    PErgebnisse = vorschauPanel(PSpiel, "PErgebnisse", QRect(8, 148, 330, 64));
    auto* hinweis = new QLabel(QStringLiteral("Hinweis"));
    hinweis->setParent(PSpiel);
    hinweis->setObjectName(QStringLiteral("PHinweis"));
    hinweis->setFrameShape(QFrame::Panel);
    hinweis->setFrameShadow(QFrame::Sunken);
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setGeometry(346, 148, 166, 64);
    PHinweis = hinweis;

    const auto team = [](QFrame* p, const char* kopf, const QString& name, const char* wurf, const char* plus,
                         const char* punkte, const char* total, const QStringList& werte) {
        vorschauLabel(p, kopf, name, {8, 6}, true);
        vorschauLabel(p, wurf, werte[0], {150, 32});
        vorschauLabel(p, plus, werte[1], {150, 52});
        vorschauLabel(p, punkte, werte[2], {150, 72});
        vorschauLabel(p, total, werte[3], {150, 100}, true);
    };
    team(PHeim, "LHeim", QStringLiteral("Heim"), "LWurfHeim", "LPlusHeim", "LPunkteHeim", "LTotalHeim",
         {QStringLiteral("Wurf 73"), QStringLiteral("+ 12"), QStringLiteral("4 Pkt"), QStringLiteral("1.624")});
    team(PGast, "LGast", QStringLiteral("Gast"), "LWurfGast", "LPlusGast", "LPunkteGast", "LTotalGast",
         {QStringLiteral("Wurf 68"), QStringLiteral("− 12"), QStringLiteral("2 Pkt"), QStringLiteral("1.588")});
    // The guests' player lines repeat the three player colours of the home side.
    const std::tuple<const char*, QString, QString, int> spieler[] = {
        {"LSpieler", QStringLiteral("1  Bauer, Max"), QStringLiteral("1  Roth, Leo"), 32},
        {"LSpielerGestartet", QStringLiteral("2  Klein, Jan"), QStringLiteral("2  Berg, Ole"), 52},
        {"LSpielerFertig", QStringLiteral("3  Wolf, Tim"), QStringLiteral("3  Lang, Max"), 72},
    };
    for (const auto& [name, heim, gast, y] : spieler) {
        QLabel* l = vorschauLabel(PHeim, name, heim, {8, y});
        QLabel* spiegel = vorschauLabel(PGast, "", gast, {8, y});
        spiegel->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_spiegel.insert(l, spiegel);
    }
    vorschauLabel(PErgebnisse, "LWettkampf", QStringLiteral("Kreisliga A"), {8, 6}, true);
    vorschauLabel(PErgebnisse, "LSpielerErg", QStringLiteral("Bauer 412   Klein 398   Wolf 405"), {8, 34});

    for (const Vorschauelement& e : VorschauElemente()) {
        QWidget* w = PSpiel->objectName() == QLatin1String(e.name)
                         ? PSpiel
                         : PSpiel->findChild<QWidget*>(QString::fromLatin1(e.name));
        Q_ASSERT(w);
        m_elemente.insert(w, &e);
        w->setAcceptDrops(true);
        w->installEventFilter(this);
        elementFaerben(w, e.panel ? 12632256u : 0u);
    }
}

void TFarbe::VorschauZeigen(bool zeigen)
{
    PSpiel->setVisible(zeigen);
    BtnStandard->setVisible(zeigen);
    setFixedSize(FensterBreite, zeigen ? HoeheMitVorschau : HoeheOhneVorschau);
}

void TFarbe::farbeAltSetzen(quint32 wert)
{
    m_alt = wert;
    flaecheFaerben(SFarbeAlt, wert);
}

quint32 TFarbe::gewaehlteFarbe() const { return m_neu; }

void TFarbe::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    flaecheFaerben(SFarbeAlt, m_alt);
    for (auto it = m_elemente.cbegin(); it != m_elemente.cend(); ++it) {
        const QString name = VorschauEinstellung(*it.value(), Vorschaumodus);
        if (!name.isEmpty()) elementFaerben(it.key(), Farbe(name));
    }
}

QLineEdit* TFarbe::edit(int k) const { return k == KompBlau ? EBlau : k == KompGruen ? EGruen : ERot; }
QSlider* TFarbe::regler(int k) const { return k == KompBlau ? TBBlau : k == KompGruen ? TBGruen : TBRot; }
QPushButton* TFarbe::fixKnopf(int k) const
{
    return k == KompBlau ? BtnFixBlau : k == KompGruen ? BtnFixGruen : BtnFixRot;
}

void TFarbe::flaecheFaerben(QWidget* flaeche, quint32 wert)
{
    QPalette p = flaeche->palette();
    p.setColor(QPalette::Window, FarbeZuQColor(wert));
    flaeche->setPalette(p);
    flaeche->setAutoFillBackground(true);
}

void TFarbe::elementFaerben(QWidget* element, quint32 wert)
{
    const Vorschauelement* e = m_elemente.value(element);
    if (!e) {
        flaecheFaerben(element, wert);
        return;
    }
    m_elementFarben.insert(element, wert);
    if (e->panel) {
        flaecheFaerben(element, wert);
    } else {
        for (QWidget* l : {element, m_spiegel.value(element)}) {
            if (!l) continue;
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, FarbeZuQColor(wert));
            l->setPalette(p);
        }
    }
}

void TFarbe::komponenteGeaendert(int k)
{
    QLineEdit* e = edit(k);
    const int v = KomponenteAusText(e->text());
    if (v == 255 && e->text() != QLatin1String("255")) {
        const QSignalBlocker sperre(e);
        e->setText(QStringLiteral("255"));
    }
    m_farbe[k] = v;
    {
        const QSignalBlocker sperre(regler(k));
        regler(k)->setValue(v);
    }
    if (!m_hellFokus) {
        m_hell = std::max({m_farbe.rot, m_farbe.gruen, m_farbe.blau});
        const QSignalBlocker sperre(TBHell);
        TBHell->setValue(m_hell);
    }
    m_neu = FarbwertAus(m_farbe);
    flaecheFaerben(SFarbeNeu, m_neu);
    if (k == m_fest) {
        QPalette p = fixKnopf(k)->palette();
        p.setColor(QPalette::ButtonText, FarbeZuQColor(KnopfFrei));
        fixKnopf(k)->setPalette(p);
    }
}

void TFarbe::hellGeaendert(int wert)
{
    const int d = wert - m_hell;
    m_hell = wert;
    if (!m_hellFokus) return;
    const Rgb neu = HelligkeitSchritt(m_farbe, d);
    if (neu == m_farbe) return;
    for (int k : {KompRot, KompGruen, KompBlau}) edit(k)->setText(QString::number(neu[k]));
}

void TFarbe::festSetzen(int komponente)
{
    m_fest = komponente;
    for (int k : {KompBlau, KompGruen, KompRot}) {
        QPalette p = fixKnopf(k)->palette();
        p.setColor(QPalette::ButtonText, FarbeZuQColor(k == komponente ? KnopfFest : KnopfFrei));
        fixKnopf(k)->setPalette(p);
    }
    Point->hide();
    ebeneZeichnen();
    Point->show();
    Point->raise();
}

void TFarbe::ebeneZeichnen()
{
    const int b = m_ebene.width(), h = m_ebene.height();
    for (int y = 0; y < h; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(m_ebene.scanLine(y));
        for (int x = 0; x < b; ++x) {
            const Rgb f = EbenenFarbe(m_farbe, m_fest, x, y, b, h);
            zeile[x] = qRgb(f.rot, f.gruen, f.blau);
        }
    }
    Image->setPixmap(QPixmap::fromImage(m_ebene));
}

void TFarbe::markeSetzen(QPoint pos)
{
    const int l = MarkeBegrenzen(pos.x(), Image->width());
    const int t = MarkeBegrenzen(pos.y(), Image->height());
    Point->move(Image->pos() + QPoint(l, t));
    const Rgb f = EbenenFarbe(m_farbe, m_fest, l, t, Image->width(), Image->height());
    const Ebenenachsen achsen = EbenenAchsen(m_fest);
    for (int k : {achsen.senkrecht, achsen.waagrecht}) edit(k)->setText(QString::number(f[k]));
}

void TFarbe::uebernehmen()
{
    for (auto it = m_elemente.cbegin(); it != m_elemente.cend(); ++it)
        if (VorschauSpeichern(*it.value(), Vorschaumodus))
            FarbeSetzen(VorschauEinstellung(*it.value(), Vorschaumodus), m_elementFarben.value(it.key()));
    accept();
}

void TFarbe::standardSetzen()
{
    for (auto it = m_elemente.cbegin(); it != m_elemente.cend(); ++it)
        if (const std::optional<u32> s = VorschauStandard(*it.value(), Vorschaumodus)) elementFaerben(it.key(), *s);
}

bool TFarbe::eventFilter(QObject* objekt, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    const QEvent::Type typ = event->type();
    if (w == TBHell && (typ == QEvent::FocusIn || typ == QEvent::FocusOut)) {
        m_hellFokus = typ == QEvent::FocusIn;
    } else if (w == Image || w == Point) {
        if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseMove && typ != QEvent::MouseButtonRelease)
            return QDialog::eventFilter(objekt, event);
        auto* m = static_cast<QMouseEvent*>(event);
        const QPoint pos = w == Image ? m->position().toPoint() - QPoint(BildVersatz, BildVersatz)
                                      : Point->pos() - Image->pos() + m->position().toPoint() -
                                            QPoint(MarkeVersatz, MarkeVersatz);
        if (typ == QEvent::MouseButtonPress && m->button() == Qt::LeftButton) m_ziehen = true;
        if (typ == QEvent::MouseButtonRelease) {
            m_ziehen = false;
        } else if (m_ziehen) {
            markeSetzen(pos);
        }
        return true;
    } else if (w == SFarbeNeu && typ == QEvent::MouseButtonPress) {
        auto* daten = new QMimeData;
        daten->setData(FarbMime, QByteArray::number(m_neu));
        QPixmap bild(16, 16);
        bild.fill(FarbeZuQColor(m_neu));
        auto* drag = new QDrag(SFarbeNeu);
        drag->setMimeData(daten);
        drag->setPixmap(bild);
        drag->exec(Qt::CopyAction);
        return true;
    } else if (w == SFarbeAlt || m_elemente.contains(w)) {
        if (typ == QEvent::DragEnter || typ == QEvent::DragMove) {
            auto* d = static_cast<QDragMoveEvent*>(event);
            if (d->mimeData()->hasFormat(FarbMime)) d->acceptProposedAction();
            return true;
        }
        if (typ == QEvent::Drop) {
            auto* d = static_cast<QDropEvent*>(event);
            bool ok = false;
            const quint32 wert = d->mimeData()->data(FarbMime).toUInt(&ok);
            if (ok) {
                elementFaerben(w, wert);
                d->acceptProposedAction();
            }
            return true;
        }
        if (typ == QEvent::MouseButtonPress && w != SFarbeAlt) {
            flaecheFaerben(SFarbeAlt, m_elementFarben.value(w));
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

std::optional<quint32> FarbeWaehlen(QWidget* parent, quint32 alt, Farbvorschau vorschau)
{
    TFarbe dialog(parent);
    dialog.farbeAltSetzen(alt);
    dialog.VorschauZeigen(vorschau == Farbvorschau::An);
    dialog.BtnStandard->setVisible(false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.gewaehlteFarbe();
}

bool HintergrundfarbeWaehlen(QWidget* fenster, QStringView einstellung, Farbvorschau vorschau)
{
    const std::optional<quint32> wert = FarbeWaehlen(fenster, Farbe(einstellung), vorschau);
    if (!wert) return false;
    FarbeSetzen(einstellung, *wert);
    InfSchreiben(QStringLiteral("[Ansicht]"), einstellung.toString(), QString::number(*wert));
    InfListeSpeichern();
    HintergrundSetzen(fenster, einstellung);
    return true;
}

QAction* HintergrundAktion(QWidget* fenster, QStringView einstellung, QMenu* menue, Farbvorschau vorschau)
{
    auto* a = new QAction(QStringLiteral("Hintergrund..."), fenster);
    a->setObjectName(QStringLiteral("PopupColorGround"));
    QObject::connect(a, &QAction::triggered, fenster, [fenster, name = einstellung.toString(), vorschau] {
        HintergrundfarbeWaehlen(fenster, name, vorschau);
    });
    if (menue) menue->addAction(a);
    else fenster->addAction(a);
    return a;
}
