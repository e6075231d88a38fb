#pragma once
// The top-level windows of other programs, found by their title and brought
// to the front. On X11 through xcb; on other desktops (Wayland, offscreen)
// no program may look at another's windows, and there is no layer.

#include "core/Shell.h"

#include <QByteArray>
#include <QString>
#include <memory>

class Fremdfenster {
public:
    virtual ~Fremdfenster() = default;
    // The first top-level window titled exactly `titel` (of another process)
    // raised above the others and given the input focus.
    virtual Fenstersuche aktivieren(const QString& titel) = 0;
};

// X11: a connection of its own to the display for each search. The windows
// are those of the window manager's list (_NET_CLIENT_LIST), or without a
// window manager the mapped children of the root window; the title is
// _NET_WM_NAME, else WM_NAME. The window manager is asked to activate the
// window (_NET_ACTIVE_WINDOW); it is also raised and focused directly, for a
// display without one.
class X11Fremdfenster final : public Fremdfenster {
public:
    // `anzeige` such as ":1"; empty: $DISPLAY.
    explicit X11Fremdfenster(QByteArray anzeige = {}) : m_anzeige(std::move(anzeige)) {}
    Fenstersuche aktivieren(const QString& titel) override;

private:
    QByteArray m_anzeige;
};

// The layer for the platform the program's windows run on: X11 under Qt's
// xcb platform, else none.
std::unique_ptr<Fremdfenster> FremdfensterDerPlattform();
