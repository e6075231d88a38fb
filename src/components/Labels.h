#pragma once
// Label controls: a label that draws its caption at any angle, and a
// hyperlink-like label whose colours, cursor, border, shadow and text
// decoration follow its run-time state. The state-dependent values live in
// small descriptor objects owned by the label.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <array>

class QTransform;

enum TabfRunTimeState { rtsNormal, rtsSelected, rtsActive, rtsDisabled };
inline constexpr int TabfRunTimeStateAnzahl = 4;

enum TabfFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TabfFontStyles, TabfFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TabfFontStyles)

// Base of the descriptors: knows its owner control and reports every change
// of a value through Geaendert().
class TabfPropertyDesc : public QObject {
    Q_OBJECT
public:
    explicit TabfPropertyDesc(QWidget* owner = nullptr, QObject* parent = nullptr);
    QWidget* Owner() const { return m_owner; }
    // Copies the values of a descriptor of the same kind (others are ignored).
    virtual void Assign(const TabfPropertyDesc& quelle);

signals:
    void Geaendert();

protected:
    void Changed() { emit Geaendert(); }

private:
    QPointer<QWidget> m_owner;
};

class TabfTextDecorationDesc : public TabfPropertyDesc {
    Q_OBJECT
public:
    using TabfPropertyDesc::TabfPropertyDesc;
    QColor Color() const { return m_color; }
    void setColor(const QColor& c);
    TabfFontStyles Style() const { return m_style; }
    void setStyle(TabfFontStyles s);
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    QColor m_color = Qt::black;
    TabfFontStyles m_style;
};

class TabfColorDecorationDesc : public TabfPropertyDesc {
    Q_OBJECT
public:
    using TabfPropertyDesc::TabfPropertyDesc;
    QColor Color() const { return m_color; }
    void setColor(const QColor& c);
    bool Visible() const { return m_visible; }
    void setVisible(bool v);
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    QColor m_color = Qt::black;
    bool m_visible = false;
};

// Holds the current run-time state; which of the four values is current
// depends on it. Changing the state alone does not report a change: the
// owner that sets it repaints once for all its descriptors.
class TabfRunTimeDesc : public TabfPropertyDesc {
    Q_OBJECT
public:
    using TabfPropertyDesc::TabfPropertyDesc;
    TabfRunTimeState State() const { return m_state; }
    void setState(TabfRunTimeState s) { m_state = s; }
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    TabfRunTimeState m_state = rtsNormal;
};

class TabfRunTimeColorDesc : public TabfRunTimeDesc {
    Q_OBJECT
public:
    explicit TabfRunTimeColorDesc(QWidget* owner = nullptr, QObject* parent = nullptr);
    QColor Normal() const { return Wert(rtsNormal); }
    QColor Selected() const { return Wert(rtsSelected); }
    QColor Active() const { return Wert(rtsActive); }
    QColor Disabled() const { return Wert(rtsDisabled); }
    void setNormal(const QColor& c) { setWert(rtsNormal, c); }
    void setSelected(const QColor& c) { setWert(rtsSelected, c); }
    void setActive(const QColor& c) { setWert(rtsActive, c); }
    void setDisabled(const QColor& c) { setWert(rtsDisabled, c); }
    QColor Wert(TabfRunTimeState s) const { return m_werte[s]; }
    void setWert(TabfRunTimeState s, const QColor& c);
    QColor Current() const { return Wert(State()); }
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    std::array<QColor, TabfRunTimeStateAnzahl> m_werte;
};

class TabfRunTimeCursorDesc : public TabfRunTimeDesc {
    Q_OBJECT
public:
    explicit TabfRunTimeCursorDesc(QWidget* owner = nullptr, QObject* parent = nullptr);
    Qt::CursorShape Normal() const { return Wert(rtsNormal); }
    Qt::CursorShape Selected() const { return Wert(rtsSelected); }
    Qt::CursorShape Active() const { return Wert(rtsActive); }
    Qt::CursorShape Disabled() const { return Wert(rtsDisabled); }
    void setNormal(Qt::CursorShape c) { setWert(rtsNormal, c); }
    void setSelected(Qt::CursorShape c) { setWert(rtsSelected, c); }
    void setActive(Qt::CursorShape c) { setWert(rtsActive, c); }
    void setDisabled(Qt::CursorShape c) { setWert(rtsDisabled, c); }
    Qt::CursorShape Wert(TabfRunTimeState s) const { return m_werte[s]; }
    void setWert(TabfRunTimeState s, Qt::CursorShape c);
    Qt::CursorShape Current() const { return Wert(State()); }
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    std::array<Qt::CursorShape, TabfRunTimeStateAnzahl> m_werte;
};

// The four text decorations are owned; a change in any of them is reported
// as a change of this descriptor.
class TabfRunTimeTextDecorationDesc : public TabfRunTimeDesc {
    Q_OBJECT
public:
    explicit TabfRunTimeTextDecorationDesc(QWidget* owner = nullptr, QObject* parent = nullptr);
    TabfTextDecorationDesc* Normal() const { return Wert(rtsNormal); }
    TabfTextDecorationDesc* Selected() const { return Wert(rtsSelected); }
    TabfTextDecorationDesc* Active() const { return Wert(rtsActive); }
    TabfTextDecorationDesc* Disabled() const { return Wert(rtsDisabled); }
    void setNormal(const TabfTextDecorationDesc& d) { Wert(rtsNormal)->Assign(d); }
    void setSelected(const TabfTextDecorationDesc& d) { Wert(rtsSelected)->Assign(d); }
    void setActive(const TabfTextDecorationDesc& d) { Wert(rtsActive)->Assign(d); }
    void setDisabled(const TabfTextDecorationDesc& d) { Wert(rtsDisabled)->Assign(d); }
    TabfTextDecorationDesc* Wert(TabfRunTimeState s) const { return m_werte[s]; }
    TabfTextDecorationDesc* Current() const { return Wert(State()); }
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    std::array<TabfTextDecorationDesc*, TabfRunTimeStateAnzahl> m_werte{};
};

class TabfRunTimeColorDecorationDesc : public TabfRunTimeDesc {
    Q_OBJECT
public:
    explicit TabfRunTimeColorDecorationDesc(QWidget* owner = nullptr, QObject* parent = nullptr);
    TabfColorDecorationDesc* Normal() const { return Wert(rtsNormal); }
    TabfColorDecorationDesc* Selected() const { return Wert(rtsSelected); }
    TabfColorDecorationDesc* Active() const { return Wert(rtsActive); }
    TabfColorDecorationDesc* Disabled() const { return Wert(rtsDisabled); }
    void setNormal(const TabfColorDecorationDesc& d) { Wert(rtsNormal)->Assign(d); }
    void setSelected(const TabfColorDecorationDesc& d) { Wert(rtsSelected)->Assign(d); }
    void setActive(const TabfColorDecorationDesc& d) { Wert(rtsActive)->Assign(d); }
    void setDisabled(const TabfColorDecorationDesc& d) { Wert(rtsDisabled)->Assign(d); }
    TabfColorDecorationDesc* Wert(TabfRunTimeState s) const { return m_werte[s]; }
    TabfColorDecorationDesc* Current() const { return Wert(State()); }
    // Offset of the decoration in pixels (used by shadows).
    int SizeX() const { return m_sizeX; }
    int SizeY() const { return m_sizeY; }
    void setSizeX(int x);
    void setSizeY(int y);
    void Assign(const TabfPropertyDesc& quelle) override;

private:
    std::array<TabfColorDecorationDesc*, TabfRunTimeStateAnzahl> m_werte{};
    int m_sizeX = 0;
    int m_sizeY = 0;
};

// The active label's descriptors: the same properties with the label's
// defaults (a blue link that turns red and underlined under the mouse).
class TabfActiveLabelColors : public TabfRunTimeColorDesc {
    Q_OBJECT
public:
    explicit TabfActiveLabelColors(QWidget* owner = nullptr, QObject* parent = nullptr);
};

class TabfActiveLabelCursors : public TabfRunTimeCursorDesc {
    Q_OBJECT
public:
    explicit TabfActiveLabelCursors(QWidget* owner = nullptr, QObject* parent = nullptr);
};

class TabfActiveLabelColorDecorations : public TabfRunTimeColorDecorationDesc {
    Q_OBJECT
public:
    // shadow: true gives the shadow defaults (grey, offset 2/2), false the border defaults.
    explicit TabfActiveLabelColorDecorations(QWidget* owner = nullptr, QObject* parent = nullptr,
                                             bool shadow = false);
};

class TabfActiveLabelTextDecorations : public TabfRunTimeTextDecorationDesc {
    Q_OBJECT
public:
    explicit TabfActiveLabelTextDecorations(QWidget* owner = nullptr, QObject* parent = nullptr);
};

// A label that draws its caption rotated by Angle degrees (counter-clockwise).
// With Angle 0 (or a multiple of 360) it draws like a plain label.
class TabfCustomLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString About READ About)
    Q_PROPERTY(int Angle READ Angle WRITE setAngle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
public:
    explicit TabfCustomLabel(QWidget* parent = nullptr);
    QString About() const;
    int Angle() const { return m_angle; }
    void setAngle(int grad);
    // The font the rotated caption is drawn with: the label's font, made
    // again whenever the font or the angle changes.
    const QFont& RotierteSchrift() const { return m_rotierteSchrift; }
    bool Transparent() const { return !autoFillBackground(); }
    void setTransparent(bool t);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Angle normalised to 0..359.
    int wirksamerWinkel() const;
    // Size of the caption's box after rotation by `grad`.
    static QSizeF gedrehteGroesse(QSizeF text, int grad);
    // Maps coordinates centred on a box of `groesse` onto the widget: the
    // box, rotated by the angle, placed by the alignment inside the contents.
    QTransform beschriftungsTransform(QSizeF groesse) const;

private:
    void schriftNeuErzeugen();

    int m_angle = 0;
    QFont m_rotierteSchrift;
};

class TabfLabel : public TabfCustomLabel {
    Q_OBJECT
public:
    explicit TabfLabel(QWidget* parent = nullptr);
    explicit TabfLabel(const QString& caption, QWidget* parent = nullptr);
};

// Hyperlink-like label. The mouse moves it between the states: over the
// caption it is selected, a left press on the caption makes it active until
// the release, outside the caption it is normal; a disabled label is
// disabled. Klick() reports a left click released over the caption.
class TabfCustomActiveLabel : public TabfCustomLabel {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
public:
    explicit TabfCustomActiveLabel(QWidget* parent = nullptr);

    // Whether the mouse changes the state.
    bool Active() const { return m_active; }
    void setActive(bool a);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool s);

    TabfActiveLabelColors* Colors() const { return m_colors; }
    TabfActiveLabelCursors* Cursors() const { return m_cursors; }
    TabfActiveLabelColorDecorations* Borders() const { return m_borders; }
    TabfActiveLabelColorDecorations* Shadows() const { return m_shadows; }
    TabfActiveLabelTextDecorations* TextDecorations() const { return m_textDecorations; }
    void setColors(const TabfRunTimeColorDesc& d) { m_colors->Assign(d); }
    void setCursors(const TabfRunTimeCursorDesc& d) { m_cursors->Assign(d); }
    void setBorders(const TabfRunTimeColorDecorationDesc& d) { m_borders->Assign(d); }
    void setShadows(const TabfRunTimeColorDecorationDesc& d) { m_shadows->Assign(d); }
    void setTextDecorations(const TabfRunTimeTextDecorationDesc& d) { m_textDecorations->Assign(d); }

    TabfRunTimeState RuntimeState() const { return m_state; }
    void setRuntimeState(TabfRunTimeState s);

    // The caption's rectangle in widget coordinates (mouse hits are tested
    // against it).
    QRect Beschriftungsrechteck() const;
    QSize sizeHint() const override;

signals:
    void Klick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int textFlags() const;
    // The caption as measured and drawn ("" and a lone "&" count as one blank).
    QString messText() const;
    QFont aktuelleSchrift() const;
    QSizeF textGroesse() const;
    QSizeF kastenGroesse() const;
    void mausZustand(const QPoint& pos, bool gedrueckt);
    void beschreibungGeaendert();

    bool m_active = true;
    bool m_showAccelChar = true;
    bool m_gedrueckt = false;
    TabfRunTimeState m_state = rtsNormal;
    TabfActiveLabelColors* m_colors;
    TabfActiveLabelCursors* m_cursors;
    TabfActiveLabelColorDecorations* m_borders;
    TabfActiveLabelColorDecorations* m_shadows;
    TabfActiveLabelTextDecorations* m_textDecorations;
};

class TabfActiveLabel : public TabfCustomActiveLabel {
    Q_OBJECT
public:
    explicit TabfActiveLabel(QWidget* parent = nullptr);
    explicit TabfActiveLabel(const QString& caption, QWidget* parent = nullptr);
};
