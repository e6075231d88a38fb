#include "components/Labels.h"

#include "components/Hilfen.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTransform>
#include <QtMath>
#include <cmath>

// ---------------------------------------------------------------------------
// Descriptors

TabfPropertyDesc::TabfPropertyDesc(QWidget* owner, QObject* parent)
    : QObject(parent ? parent : owner), m_owner(owner)
{
}

void TabfPropertyDesc::Assign(const TabfPropertyDesc&) {}

void TabfTextDecorationDesc::setColor(const QColor& c)
{
    if (c == m_color) return;
    m_color = c;
    Changed();
}

void TabfTextDecorationDesc::setStyle(TabfFontStyles s)
{
    if (s == m_style) return;
    m_style = s;
    Changed();
}

void TabfTextDecorationDesc::Assign(const TabfPropertyDesc& quelle)
{
    if (const auto* q = qobject_cast<const TabfTextDecorationDesc*>(&quelle)) {
        if (q->m_color == m_color && q->m_style == m_style) return;
        m_color = q->m_color;
        m_style = q->m_style;
        Changed();
    }
}

void TabfColorDecorationDesc::setColor(const QColor& c)
{
    if (c == m_color) return;
    m_color = c;
    Changed();
}

void TabfColorDecorationDesc::setVisible(bool v)
{
    if (v == m_visible) return;
    m_visible = v;
    Changed();
}

void TabfColorDecorationDesc::Assign(const TabfPropertyDesc& quelle)
{
    if (const auto* q = qobject_cast<const TabfColorDecorationDesc*>(&quelle)) {
        if (q->m_color == m_color && q->m_visible == m_visible) return;
        m_color = q->m_color;
        m_visible = q->m_visible;
        Changed();
    }
}

void TabfRunTimeDesc::Assign(const TabfPropertyDesc& quelle)
{
    if (const auto* q = qobject_cast<const TabfRunTimeDesc*>(&quelle)) m_state = q->m_state;
}

TabfRunTimeColorDesc::TabfRunTimeColorDesc(QWidget* owner, QObject* parent) : TabfRunTimeDesc(owner, parent)
{
    m_werte.fill(QColor(Qt::black));
}

void TabfRunTimeColorDesc::setWert(TabfRunTimeState s, const QColor& c)
{
    if (m_werte[s] == c) return;
    m_werte[s] = c;
    Changed();
}

void TabfRunTimeColorDesc::Assign(const TabfPropertyDesc& quelle)
{
    TabfRunTimeDesc::Assign(quelle);
    if (const auto* q = qobject_cast<const TabfRunTimeColorDesc*>(&quelle)) {
        if (q->m_werte == m_werte) return;
        m_werte = q->m_werte;
        Changed();
    }
}

TabfRunTimeCursorDesc::TabfRunTimeCursorDesc(QWidget* owner, QObject* parent) : TabfRunTimeDesc(owner, parent)
{
    m_werte.fill(Qt::ArrowCursor);
}

void TabfRunTimeCursorDesc::setWert(TabfRunTimeState s, Qt::CursorShape c)
{
    if (m_werte[s] == c) return;
    m_werte[s] = c;
    Changed();
}

void TabfRunTimeCursorDesc::Assign(const TabfPropertyDesc& quelle)
{
    TabfRunTimeDesc::Assign(quelle);
    if (const auto* q = qobject_cast<const TabfRunTimeCursorDesc*>(&quelle)) {
        if (q->m_werte == m_werte) return;
        m_werte = q->m_werte;
        Changed();
    }
}

TabfRunTimeTextDecorationDesc::TabfRunTimeTextDecorationDesc(QWidget* owner, QObject* parent)
    : TabfRunTimeDesc(owner, parent)
{
    for (auto& w : m_werte) {
        w = new TabfTextDecorationDesc(owner, this);
        connect(w, &TabfPropertyDesc::Geaendert, this, &TabfPropertyDesc::Geaendert);
    }
}

void TabfRunTimeTextDecorationDesc::Assign(const TabfPropertyDesc& quelle)
{
    TabfRunTimeDesc::Assign(quelle);
    if (const auto* q = qobject_cast<const TabfRunTimeTextDecorationDesc*>(&quelle))
        for (int i = 0; i < TabfRunTimeStateAnzahl; ++i) m_werte[i]->Assign(*q->m_werte[i]);
}

TabfRunTimeColorDecorationDesc::TabfRunTimeColorDecorationDesc(QWidget* owner, QObject* parent)
    : TabfRunTimeDesc(owner, parent)
{
    for (auto& w : m_werte) {
        w = new TabfColorDecorationDesc(owner, this);
        connect(w, &TabfPropertyDesc::Geaendert, this, &TabfPropertyDesc::Geaendert);
    }
}

void TabfRunTimeColorDecorationDesc::setSizeX(int x)
{
    if (x == m_sizeX) return;
    m_sizeX = x;
    Changed();
}

void TabfRunTimeColorDecorationDesc::setSizeY(int y)
{
    if (y == m_sizeY) return;
    m_sizeY = y;
    Changed();
}

void TabfRunTimeColorDecorationDesc::Assign(const TabfPropertyDesc& quelle)
{
    TabfRunTimeDesc::Assign(quelle);
    if (const auto* q = qobject_cast<const TabfRunTimeColorDecorationDesc*>(&quelle)) {
        for (int i = 0; i < TabfRunTimeStateAnzahl; ++i) m_werte[i]->Assign(*q->m_werte[i]);
        setSizeX(q->m_sizeX);
        setSizeY(q->m_sizeY);
    }
}

TabfActiveLabelColors::TabfActiveLabelColors(QWidget* owner, QObject* parent) : TabfRunTimeColorDesc(owner, parent)
{
    const QColor flaeche = owner ? owner->palette().color(QPalette::Window) : QColor(0xF0, 0xF0, 0xF0);
    for (int i = 0; i < TabfRunTimeStateAnzahl; ++i) setWert(TabfRunTimeState(i), flaeche);
}

TabfActiveLabelCursors::TabfActiveLabelCursors(QWidget* owner, QObject* parent)
    : TabfRunTimeCursorDesc(owner, parent)
{
    setNormal(Qt::ArrowCursor);
    setSelected(Qt::PointingHandCursor);
    setActive(Qt::PointingHandCursor);
    setDisabled(Qt::ArrowCursor);
}

TabfActiveLabelColorDecorations::TabfActiveLabelColorDecorations(QWidget* owner, QObject* parent, bool shadow)
    : TabfRunTimeColorDecorationDesc(owner, parent)
{
    for (int i = 0; i < TabfRunTimeStateAnzahl; ++i)
        Wert(TabfRunTimeState(i))->setColor(shadow ? QColor(Qt::gray) : QColor(Qt::black));
    if (shadow) {
        setSizeX(2);
        setSizeY(2);
    }
}

TabfActiveLabelTextDecorations::TabfActiveLabelTextDecorations(QWidget* owner, QObject* parent)
    : TabfRunTimeTextDecorationDesc(owner, parent)
{
    Normal()->setColor(Qt::blue);
    Selected()->setColor(Qt::red);
    Selected()->setStyle(fsUnderline);
    Active()->setColor(Qt::darkRed);
    Active()->setStyle(fsUnderline);
    Disabled()->setColor(Qt::gray);
}

// ---------------------------------------------------------------------------
// Rotated label

TabfCustomLabel::TabfCustomLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    schriftNeuErzeugen();
}

QString TabfCustomLabel::About() const { return AbfAbout(*this); }

void TabfCustomLabel::setAngle(int grad)
{
    if (grad == m_angle) return;
    m_angle = grad;
    schriftNeuErzeugen();
    updateGeometry();
    update();
}

void TabfCustomLabel::setTransparent(bool t)
{
    setAutoFillBackground(!t);
    update();
}

int TabfCustomLabel::wirksamerWinkel() const
{
    return ((m_angle % 360) + 360) % 360;
}

void TabfCustomLabel::schriftNeuErzeugen()
{
    m_rotierteSchrift = font();
}

void TabfCustomLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange) schriftNeuErzeugen();
    QLabel::changeEvent(e);
}

QSizeF TabfCustomLabel::gedrehteGroesse(QSizeF text, int grad)
{
    const double rad = qDegreesToRadians(double(grad));
    const double c = std::abs(std::cos(rad));
    const double s = std::abs(std::sin(rad));
    return {text.width() * c + text.height() * s, text.width() * s + text.height() * c};
}

QTransform TabfCustomLabel::beschriftungsTransform(QSizeF groesse) const
{
    const QSizeF aussen = gedrehteGroesse(groesse, wirksamerWinkel());
    const QRect kasten =
        QStyle::alignedRect(layoutDirection(), alignment(), aussen.toSize(), contentsRect().adjusted(margin(), margin(),
                                                                                                    -margin(), -margin()));
    QTransform t;
    t.translate(kasten.x() + aussen.width() / 2.0, kasten.y() + aussen.height() / 2.0);
    // Screen y points down, so a counter-clockwise angle is a negative rotation.
    t.rotate(-wirksamerWinkel());
    return t;
}

QSize TabfCustomLabel::sizeHint() const
{
    if (wirksamerWinkel() == 0) return QLabel::sizeHint();
    const QFontMetricsF fm(m_rotierteSchrift);
    const QSizeF text = fm.boundingRect(QRectF(), Qt::TextExpandTabs, this->text()).size();
    const QSizeF aussen = gedrehteGroesse(text, wirksamerWinkel());
    const QMargins m = contentsMargins();
    return QSize(qCeil(aussen.width()) + m.left() + m.right() + 2 * margin(),
                 qCeil(aussen.height()) + m.top() + m.bottom() + 2 * margin());
}

void TabfCustomLabel::paintEvent(QPaintEvent* e)
{
    if (wirksamerWinkel() == 0) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    p.setFont(m_rotierteSchrift);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetricsF fm(m_rotierteSchrift);
    const QSizeF text = fm.boundingRect(QRectF(), Qt::TextExpandTabs, this->text()).size();
    p.setTransform(beschriftungsTransform(text));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawText(QRectF(QPointF(-text.width() / 2.0, -text.height() / 2.0), text),
               Qt::AlignCenter | Qt::TextExpandTabs, this->text());
}

TabfLabel::TabfLabel(QWidget* parent) : TabfCustomLabel(parent)
{
    setFont(QFont(QStringLiteral("Arial"), 9));
}

TabfLabel::TabfLabel(const QString& caption, QWidget* parent) : TabfLabel(parent)
{
    setText(caption);
}

// ---------------------------------------------------------------------------
// Active label

namespace {
// Space between the caption and its border.
constexpr int Rand = 2;
}  // namespace

TabfCustomActiveLabel::TabfCustomActiveLabel(QWidget* parent)
    : TabfCustomLabel(parent),
      m_colors(new TabfActiveLabelColors(this, this)),
      m_cursors(new TabfActiveLabelCursors(this, this)),
      m_borders(new TabfActiveLabelColorDecorations(this, this, false)),
      m_shadows(new TabfActiveLabelColorDecorations(this, this, true)),
      m_textDecorations(new TabfActiveLabelTextDecorations(this, this))
{
    setFont(QFont(QStringLiteral("Arial"), 16));
    setMouseTracking(true);
    for (TabfPropertyDesc* d : std::initializer_list<TabfPropertyDesc*>{m_colors, m_cursors, m_borders, m_shadows,
                                                                       m_textDecorations})
        connect(d, &TabfPropertyDesc::Geaendert, this, &TabfCustomActiveLabel::beschreibungGeaendert);
    setCursor(m_cursors->Current());
}

void TabfCustomActiveLabel::beschreibungGeaendert()
{
    setCursor(m_cursors->Current());
    updateGeometry();
    update();
}

void TabfCustomActiveLabel::setActive(bool a)
{
    if (a == m_active) return;
    m_active = a;
    m_gedrueckt = false;
    if (!a && isEnabled()) setRuntimeState(rtsNormal);
}

void TabfCustomActiveLabel::setShowAccelChar(bool s)
{
    if (s == m_showAccelChar) return;
    m_showAccelChar = s;
    updateGeometry();
    update();
}

void TabfCustomActiveLabel::setRuntimeState(TabfRunTimeState s)
{
    if (s == m_state) return;
    m_state = s;
    m_colors->setState(s);
    m_shadows->setState(s);
    m_textDecorations->setState(s);
    m_cursors->setState(s);
    m_borders->setState(s);
    setCursor(m_cursors->Current());
    update();
}

int TabfCustomActiveLabel::textFlags() const
{
    return Qt::TextExpandTabs | (m_showAccelChar ? Qt::TextShowMnemonic : 0);
}

QString TabfCustomActiveLabel::messText() const
{
    const QString t = text();
    if (t.isEmpty() || (m_showAccelChar && t == QLatin1String("&"))) return QStringLiteral(" ");
    return t;
}

QFont TabfCustomActiveLabel::aktuelleSchrift() const
{
    QFont f = RotierteSchrift();
    const TabfFontStyles s = m_textDecorations->Current()->Style();
    if (s & fsBold) f.setBold(true);
    if (s & fsItalic) f.setItalic(true);
    if (s & fsUnderline) f.setUnderline(true);
    if (s & fsStrikeOut) f.setStrikeOut(true);
    return f;
}

QSizeF TabfCustomActiveLabel::textGroesse() const
{
    // Measured with the label's font without decoration, so the size does not
    // jump between states.
    return QFontMetricsF(RotierteSchrift()).boundingRect(QRectF(), textFlags(), messText()).size();
}

QSizeF TabfCustomActiveLabel::kastenGroesse() const
{
    const QSizeF t = textGroesse();
    return {t.width() + 2 * Rand + std::abs(m_shadows->SizeX()), t.height() + 2 * Rand + std::abs(m_shadows->SizeY())};
}

QSize TabfCustomActiveLabel::sizeHint() const
{
    const QSizeF aussen = gedrehteGroesse(kastenGroesse(), wirksamerWinkel());
    const QMargins m = contentsMargins();
    return QSize(qCeil(aussen.width()) + m.left() + m.right() + 2 * margin(),
                 qCeil(aussen.height()) + m.top() + m.bottom() + 2 * margin());
}

namespace {
// The caption's rectangle in the box's centred coordinates.
QRectF textRechteck(QSizeF kasten, QSizeF text, int sx, int sy)
{
    return QRectF(-kasten.width() / 2.0 + Rand + std::max(0, -sx), -kasten.height() / 2.0 + Rand + std::max(0, -sy),
                  text.width(), text.height());
}
}  // namespace

QRect TabfCustomActiveLabel::Beschriftungsrechteck() const
{
    const QSizeF kasten = kastenGroesse();
    const QRectF r = textRechteck(kasten, textGroesse(), m_shadows->SizeX(), m_shadows->SizeY());
    return beschriftungsTransform(kasten).mapRect(r).toAlignedRect();
}

void TabfCustomActiveLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!Transparent()) p.fillRect(rect(), m_colors->Current());
    drawFrame(&p);

    const QSizeF kasten = kastenGroesse();
    const QSizeF text = textGroesse();
    const int sx = m_shadows->SizeX();
    const int sy = m_shadows->SizeY();
    const QRectF tr = textRechteck(kasten, text, sx, sy);
    p.setTransform(beschriftungsTransform(kasten));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(aktuelleSchrift());
    const QString t = messText();
    const int flags = textFlags() | Qt::AlignLeft | Qt::AlignTop;

    // Border first, then the shadow, then the caption on top.
    if (const TabfColorDecorationDesc* b = m_borders->Current(); b->Visible()) {
        p.setPen(b->Color());
        p.setBrush(Qt::NoBrush);
        p.drawRect(tr.adjusted(-Rand + 0.5, -Rand + 0.5, Rand - 0.5, Rand - 0.5));
    }
    if (const TabfColorDecorationDesc* s = m_shadows->Current(); s->Visible()) {
        p.setPen(s->Color());
        p.drawText(tr.translated(sx, sy), flags, t);
    }
    p.setPen(m_textDecorations->Current()->Color());
    p.drawText(tr, flags, t);
}

void TabfCustomActiveLabel::changeEvent(QEvent* e)
{
    TabfCustomLabel::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        m_gedrueckt = false;
        setRuntimeState(isEnabled() ? rtsNormal : rtsDisabled);
    } else if (e->type() == QEvent::FontChange) {
        updateGeometry();
    }
}

void TabfCustomActiveLabel::mausZustand(const QPoint& pos, bool gedrueckt)
{
    if (!m_active || !isEnabled()) return;
    if (!Beschriftungsrechteck().contains(pos))
        setRuntimeState(rtsNormal);
    else
        setRuntimeState(gedrueckt ? rtsActive : rtsSelected);
}

void TabfCustomActiveLabel::mouseMoveEvent(QMouseEvent* e)
{
    mausZustand(e->position().toPoint(), m_gedrueckt);
    TabfCustomLabel::mouseMoveEvent(e);
}

void TabfCustomActiveLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && m_active && Beschriftungsrechteck().contains(e->position().toPoint()))
        m_gedrueckt = true;
    mausZustand(e->position().toPoint(), m_gedrueckt);
    TabfCustomLabel::mousePressEvent(e);
}

void TabfCustomActiveLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = e->button() == Qt::LeftButton && m_gedrueckt &&
                       Beschriftungsrechteck().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) m_gedrueckt = false;
    mausZustand(e->position().toPoint(), m_gedrueckt);
    TabfCustomLabel::mouseReleaseEvent(e);
    if (klick) emit Klick();
}

void TabfCustomActiveLabel::leaveEvent(QEvent* e)
{
    if (m_active && isEnabled() && !m_gedrueckt) setRuntimeState(rtsNormal);
    TabfCustomLabel::leaveEvent(e);
}

TabfActiveLabel::TabfActiveLabel(QWidget* parent) : TabfCustomActiveLabel(parent) {}

TabfActiveLabel::TabfActiveLabel(const QString& caption, QWidget* parent) : TabfActiveLabel(parent)
{
    setText(caption);
}

#include "moc_Labels.cpp"
