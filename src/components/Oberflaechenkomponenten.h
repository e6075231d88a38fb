#pragma once

// ------------------------------------------------------------ colour picker

#include "components/Threads.h"

#include <QColor>
#include <QPoint>

// Samples the screen colour under the mouse on each tick, then calls OnTimer.
class TabfColorPicker : public TabfCustomTimer {
    Q_OBJECT
public:
    explicit TabfColorPicker(QObject* parent = nullptr);

    QColor farbe() const { return m_farbe; }
    QPoint position() const { return m_position; }

    void tick() override;

private:
    QColor m_farbe;
    QPoint m_position;
};

// ---------------------------------------------------------------------------
// Window hook, automatic dragging and tray icon

#include "components/Hilfen.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <functional>

class QEvent;

class TabfWndProcHook;
using TabfWndProcHookList = QList<TabfWndProcHook*>;

// Sees every event of a widget before and after the widget itself: an event
// filter that passes the event on to the widget unless the handler before it
// set the handled flag. The filter belongs to the widget object, not to its
// native window, so it stays in place when the native window is recreated;
// OnChangeHandle reports the new window. When the widget is destroyed, the
// hook lets go of it.
class TabfWndProcHook : public TabfComponent {
    Q_OBJECT
public:
    using Nachricht = std::function<void(QEvent* ereignis, bool& handled)>;

    explicit TabfWndProcHook(QObject* parent = nullptr);
    ~TabfWndProcHook() override;

    bool Active() const { return m_active; }
    void setActive(bool an);
    QWidget* WinControl() const { return m_control; }
    void setWinControl(QWidget* control);
    // A left press moves the control's top-level window by any point.
    bool AutoDrag = false;

    std::function<void()> OnChangeHandle;
    std::function<void()> OnChangeWinControl;
    Nachricht OnMessageBefore;
    Nachricht OnMessageAfter;

    // All hooks of the process.
    static const TabfWndProcHookList& Hooks();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void anbringen();
    void loesen();
    bool ziehen(QEvent* ereignis);

    bool m_active = false;
    QPointer<QWidget> m_control;
    bool m_zieht = false;
    QPoint m_griff;
};

enum class TabfInfoType { tiiNone, tiiInfo, tiiWarning, tiiError };

// An icon in the desktop's notification area with hint, pop-up menu and
// balloon texts; with CycleIcons it steps through ImageList every
// CycleInterval ms. Qt registers the icon again when the tray restarts.
// With MinimizeToTray the main window goes into the tray when it is
// minimised: it is hidden and the icon shown until a click brings it back.
class TabfTrayIcon : public TabfComponent {
    Q_OBJECT
public:
    explicit TabfTrayIcon(QObject* parent = nullptr);

    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool an);
    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    QList<QIcon> ImageList() const { return m_imageList; }
    void setImageList(const QList<QIcon>& liste);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    bool CycleIcons() const { return m_cycleIcons; }
    void setCycleIcons(bool an);
    int CycleInterval() const { return m_cycleInterval; }
    void setCycleInterval(int ms);
    bool Enabled = true;
    int IconID = 0;
    QMenu* PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu);
    bool PopupByLeft() const { return m_popupByLeft; }
    void setPopupByLeft(bool an);
    bool Visible() const { return m_visible; }
    // False with Fehler() when the desktop has no notification area.
    bool setVisible(bool an);

    QString InfoText;
    QString InfoTitle;
    int InfoTimeout = 10000;  // ms
    TabfInfoType InfoType = TabfInfoType::tiiNone;
    // Shows the balloon of the Info fields; whether the desktop could.
    bool ZeigeInfo();

    // The icon shown now: ImageList[ImageIndex], else Icon.
    QIcon AktuellesIcon() const;
    // One step of the cycle, as the timer does it.
    void tick();
    bool ZyklusLaeuft() const { return m_zyklus.laeuft(); }
    QString Fehler() const { return m_fehler; }
    QSystemTrayIcon& Symbol() { return m_symbol; }

    // The window that goes into the tray (its top-level window).
    QWidget* Hauptfenster() const { return m_hauptfenster; }
    void setHauptfenster(QWidget* fenster);
    bool MinimizeToTray() const { return m_minimizeToTray; }
    void setMinimizeToTray(bool an) { m_minimizeToTray = an; }
    // The main window goes into the tray (or is minimised without
    // MinimizeToTray) when it is first shown.
    bool MinimizeOnStart = false;
    // Hides the main window and shows the icon.
    void InDenTray();
    // Shows the main window again, restored and in front; the icon stays
    // only when Visible is set.
    void AusDemTray();
    bool ImTray() const { return m_imTray; }
    // Whether the desktop has a notification area; without one the window
    // stays where it is, since nothing could bring it back.
    std::function<bool()> TrayVerfuegbar = &QSystemTrayIcon::isSystemTrayAvailable;

signals:
    void OnClick();
    void OnDblClick();
    void OnPopup();
    // The main window went into the tray and came back.
    void OnMinimize();
    void OnShow();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void aktiviert(QSystemTrayIcon::ActivationReason grund);
    void aktualisieren();

    QSystemTrayIcon m_symbol;
    TabfCustomTimer m_zyklus;
    QString m_hint;
    bool m_showHint = true;
    QIcon m_icon;
    QList<QIcon> m_imageList;
    int m_imageIndex = -1;
    bool m_cycleIcons = false;
    int m_cycleInterval = 1000;
    QPointer<QMenu> m_popupMenu;
    bool m_popupByLeft = false;
    bool m_visible = false;
    QString m_fehler;
    QPointer<QWidget> m_hauptfenster;
    bool m_minimizeToTray = false;
    bool m_gestartet = false;
    bool m_imTray = false;
};
