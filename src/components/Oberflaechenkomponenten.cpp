#include "components/Oberflaechenkomponenten.h"

// ------------------------------------------------------------ colour picker

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

TabfColorPicker::TabfColorPicker(QObject* parent) : TabfCustomTimer(parent) {}

void TabfColorPicker::tick()
{
    m_position = QCursor::pos();
    QScreen* bildschirm = QGuiApplication::screenAt(m_position);
    if (!bildschirm) bildschirm = QGuiApplication::primaryScreen();
    if (bildschirm) {
        // grabWindow takes coordinates relative to the screen.
        const QPoint p = m_position - bildschirm->geometry().topLeft();
        const QImage bild = bildschirm->grabWindow(0, p.x(), p.y(), 1, 1).toImage();
        if (!bild.isNull()) m_farbe = bild.pixelColor(0, 0);
    }
    TabfCustomTimer::tick();
}

// ---------------------------------------------------------------------------
// Window hook, automatic dragging and tray icon

#include "components/Oberflaechenhilfen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {
TabfWndProcHookList& HookListe()
{
    static TabfWndProcHookList liste;
    return liste;
}
}  // namespace

TabfWndProcHook::TabfWndProcHook(QObject* parent) : TabfComponent(parent) { HookListe().append(this); }

TabfWndProcHook::~TabfWndProcHook()
{
    loesen();
    HookListe().removeOne(this);
}

const TabfWndProcHookList& TabfWndProcHook::Hooks() { return HookListe(); }

void TabfWndProcHook::setActive(bool an)
{
    if (an == m_active) return;
    loesen();
    m_active = an;
    anbringen();
}

void TabfWndProcHook::setWinControl(QWidget* control)
{
    if (control == m_control) return;
    loesen();
    m_control = control;
    anbringen();
    if (OnChangeWinControl) OnChangeWinControl();
}

void TabfWndProcHook::anbringen()
{
    if (m_active && m_control) m_control->installEventFilter(this);
}

void TabfWndProcHook::loesen()
{
    if (m_control) m_control->removeEventFilter(this);
    m_zieht = false;
}

bool TabfWndProcHook::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (!m_active || objekt != m_control) return false;
    if (ereignis->type() == QEvent::WinIdChange && OnChangeHandle) OnChangeHandle();
    bool handled = false;
    if (OnMessageBefore) OnMessageBefore(ereignis, handled);
    bool erledigt = handled || (AutoDrag && ziehen(ereignis));
    if (!OnMessageAfter) return erledigt;
    // The widget handles the event here, so that the handler after it sees
    // the result; the control may be gone afterwards.
    if (!erledigt) objekt->event(ereignis);
    OnMessageAfter(ereignis, handled);
    return true;
}

// Moves the top-level window with the mouse: through the window system
// where it can, else by following the mouse until the button is released.
bool TabfWndProcHook::ziehen(QEvent* ereignis)
{
    const auto typ = ereignis->type();
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseMove && typ != QEvent::MouseButtonRelease)
        return false;
    auto* maus = static_cast<QMouseEvent*>(ereignis);
    QWidget* fenster = m_control->window();
    const QPoint global = maus->globalPosition().toPoint();
    if (typ == QEvent::MouseButtonPress) {
        if (maus->button() != Qt::LeftButton) return false;
        if (fenster->windowHandle() && fenster->windowHandle()->startSystemMove()) return true;
        m_zieht = true;
        m_griff = global - fenster->pos();
        return true;
    }
    if (!m_zieht) return false;
    if (typ == QEvent::MouseMove)
        fenster->move(global - m_griff);
    else if (maus->button() == Qt::LeftButton)
        m_zieht = false;
    return true;
}

TabfTrayIcon::TabfTrayIcon(QObject* parent) : TabfComponent(parent)
{
    connect(&m_symbol, &QSystemTrayIcon::activated, this, &TabfTrayIcon::aktiviert);
    m_zyklus.setOnTimer([this] { tick(); });
}

void TabfTrayIcon::setHint(const QString& hint)
{
    m_hint = hint;
    aktualisieren();
}

void TabfTrayIcon::setShowHint(bool an)
{
    m_showHint = an;
    aktualisieren();
}

void TabfTrayIcon::setIcon(const QIcon& icon)
{
    m_icon = icon;
    aktualisieren();
}

void TabfTrayIcon::setImageList(const QList<QIcon>& liste)
{
    m_imageList = liste;
    aktualisieren();
}

void TabfTrayIcon::setImageIndex(int index)
{
    m_imageIndex = index;
    aktualisieren();
}

void TabfTrayIcon::setCycleIcons(bool an)
{
    m_cycleIcons = an;
    aktualisieren();
}

void TabfTrayIcon::setCycleInterval(int ms)
{
    m_cycleInterval = ms;
    aktualisieren();
}

void TabfTrayIcon::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    aktualisieren();
}

void TabfTrayIcon::setPopupByLeft(bool an)
{
    m_popupByLeft = an;
    aktualisieren();
}

bool TabfTrayIcon::setVisible(bool an)
{
    m_fehler.clear();
    m_visible = an;
    aktualisieren();
    if (an && !QSystemTrayIcon::isSystemTrayAvailable()) {
        m_fehler = QString(AbfTexte::TrayEinfuegen).replace(QLatin1String("%s"), objectName());
        return false;
    }
    return true;
}

QIcon TabfTrayIcon::AktuellesIcon() const
{
    if (m_imageIndex >= 0 && m_imageIndex < m_imageList.size()) return m_imageList.at(m_imageIndex);
    return m_icon;
}

void TabfTrayIcon::tick()
{
    if (!m_cycleIcons || m_imageList.isEmpty()) return;
    m_imageIndex = m_imageIndex < 0 ? 0 : (m_imageIndex + 1) % m_imageList.size();
    m_symbol.setIcon(AktuellesIcon());
}

bool TabfTrayIcon::ZeigeInfo()
{
    if (InfoText.isEmpty() || !m_visible || !QSystemTrayIcon::supportsMessages()) return false;
    static constexpr QSystemTrayIcon::MessageIcon Symbole[] = {QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information,
                                                               QSystemTrayIcon::Warning, QSystemTrayIcon::Critical};
    m_symbol.showMessage(InfoTitle, InfoText, Symbole[static_cast<int>(InfoType)], InfoTimeout);
    return true;
}

void TabfTrayIcon::aktualisieren()
{
    m_symbol.setIcon(AktuellesIcon());
    m_symbol.setToolTip(m_showHint ? m_hint : QString());
    m_symbol.setContextMenu(m_popupByLeft ? nullptr : m_popupMenu.data());
    const bool sichtbar = m_visible || m_imTray;
    m_symbol.setVisible(sichtbar);
    // An interval of 0 never fires.
    const bool zyklus = sichtbar && m_cycleIcons && m_cycleInterval > 0 && !m_imageList.isEmpty();
    if (zyklus) m_zyklus.setInterval(m_cycleInterval);
    m_zyklus.setEnabled(zyklus);
}

void TabfTrayIcon::aktiviert(QSystemTrayIcon::ActivationReason grund)
{
    if (!Enabled) return;
    if (grund == QSystemTrayIcon::DoubleClick) {
        emit OnDblClick();
        AusDemTray();
    } else if (grund == QSystemTrayIcon::Trigger) {
        emit OnClick();
        if (!m_popupByLeft) AusDemTray();
        if (m_popupByLeft && m_popupMenu) {
            // The menu's owner window first, so that the menu closes when
            // the user clicks elsewhere.
            if (QWidget* besitzer = m_popupMenu->parentWidget()) {
                besitzer->window()->raise();
                besitzer->window()->activateWindow();
            }
            emit OnPopup();
            m_popupMenu->popup(QCursor::pos());
        }
    } else if (grund == QSystemTrayIcon::Context && m_popupMenu && !m_popupByLeft) {
        emit OnPopup();
    }
}

void TabfTrayIcon::setHauptfenster(QWidget* fenster)
{
    if (m_hauptfenster) m_hauptfenster->removeEventFilter(this);
    m_hauptfenster = fenster ? fenster->window() : nullptr;
    m_gestartet = m_hauptfenster && m_hauptfenster->isVisible();
    if (m_hauptfenster) m_hauptfenster->installEventFilter(this);
}

bool TabfTrayIcon::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt != m_hauptfenster) return false;
    // Hidden and minimised after the event, not inside its handling.
    if (ereignis->type() == QEvent::Show && !m_gestartet) {
        m_gestartet = true;
        if (MinimizeOnStart)
            QTimer::singleShot(0, this, [this] {
                if (m_minimizeToTray)
                    InDenTray();
                else if (m_hauptfenster)
                    m_hauptfenster->showMinimized();
            });
    } else if (ereignis->type() == QEvent::WindowStateChange && m_minimizeToTray && !m_imTray &&
               m_hauptfenster->isMinimized()) {
        QTimer::singleShot(0, this, [this] {
            if (m_hauptfenster && m_hauptfenster->isMinimized()) InDenTray();
        });
    }
    return false;
}

void TabfTrayIcon::InDenTray()
{
    if (!m_hauptfenster || m_imTray) return;
    if (!TrayVerfuegbar()) {
        m_fehler = QString(AbfTexte::TrayEinfuegen).replace(QLatin1String("%s"), objectName());
        return;
    }
    m_imTray = true;
    m_hauptfenster->hide();
    aktualisieren();
    emit OnMinimize();
}

void TabfTrayIcon::AusDemTray()
{
    if (!m_imTray) return;
    m_imTray = false;
    AbfFensterWiederherstellen(m_hauptfenster);
    aktualisieren();
    emit OnShow();
}
