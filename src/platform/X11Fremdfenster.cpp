#include "platform/Fremdfenster.h"

#include <QGuiApplication>
#include <QList>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

struct Trennen {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
struct Freigeben {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Antwort = std::unique_ptr<T, Freigeben>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    const Antwort<xcb_intern_atom_reply_t> a(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property's type (NONE when the window has none) and bytes.
struct Eigenschaft {
    xcb_atom_t typ = XCB_ATOM_NONE;
    QByteArray daten;
};

Eigenschaft Lesen(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t typ)
{
    const Antwort<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, typ, 0, 16384), nullptr));
    if (!r) return {};
    return {r->type, QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())),
                                xcb_get_property_value_length(r.get()))};
}

QList<xcb_window_t> Fensterliste(const QByteArray& daten)
{
    QList<xcb_window_t> l(daten.size() / qsizetype(sizeof(xcb_window_t)));
    std::memcpy(l.data(), daten.constData(), size_t(l.size()) * sizeof(xcb_window_t));
    return l;
}

bool Sichtbar(xcb_connection_t* c, xcb_window_t w, bool* umgelenkt = nullptr)
{
    const Antwort<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    if (umgelenkt) *umgelenkt = a && a->override_redirect;
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

}  // namespace

Fenstersuche X11Fremdfenster::aktivieren(const QString& titel)
{
    int nummer = 0;
    const std::unique_ptr<xcb_connection_t, Trennen> verbindung(
        xcb_connect(m_anzeige.isEmpty() ? nullptr : m_anzeige.constData(), &nummer));
    xcb_connection_t* c = verbindung.get();
    if (xcb_connection_has_error(c)) return Fenstersuche::NichtMoeglich;
    xcb_screen_iterator_t bildschirm = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < nummer && bildschirm.rem; ++i) xcb_screen_next(&bildschirm);
    if (!bildschirm.rem) return Fenstersuche::NichtMoeglich;
    const xcb_window_t wurzel = bildschirm.data->root;
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING"), netName = Atom(c, "_NET_WM_NAME"), netPid = Atom(c, "_NET_WM_PID");

    QList<xcb_window_t> kandidaten;
    const Eigenschaft liste = Lesen(c, wurzel, Atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    if (liste.typ == XCB_ATOM_WINDOW) {
        kandidaten = Fensterliste(liste.daten);
    } else {
        // No window manager: the root's children, topmost first.
        const Antwort<xcb_query_tree_reply_t> baum(xcb_query_tree_reply(c, xcb_query_tree(c, wurzel), nullptr));
        if (!baum) return Fenstersuche::NichtMoeglich;
        const xcb_window_t* kinder = xcb_query_tree_children(baum.get());
        for (int i = xcb_query_tree_children_length(baum.get()) - 1; i >= 0; --i) {
            bool umgelenkt = false;
            if (Sichtbar(c, kinder[i], &umgelenkt) && !umgelenkt) kandidaten << kinder[i];
        }
    }

    const auto titelVon = [&](xcb_window_t w) {
        if (const Eigenschaft n = Lesen(c, w, netName, utf8); n.typ == utf8) return QString::fromUtf8(n.daten);
        const Eigenschaft n = Lesen(c, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
        if (n.typ == utf8) return QString::fromUtf8(n.daten);
        return QString::fromLatin1(n.daten);  // STRING is ISO 8859-1
    };
    const auto eigenes = [&](xcb_window_t w) {
        const Eigenschaft pid = Lesen(c, w, netPid, XCB_ATOM_CARDINAL);
        quint32 p = 0;
        if (pid.daten.size() == sizeof p) std::memcpy(&p, pid.daten.constData(), sizeof p);
        return p != 0 && p == quint32(::getpid());
    };
    xcb_window_t gefunden = XCB_WINDOW_NONE;
    for (const xcb_window_t w : kandidaten) {
        if (titelVon(w) == titel && !eigenes(w)) {
            gefunden = w;
            break;
        }
    }
    if (gefunden == XCB_WINDOW_NONE) return Fenstersuche::NichtGefunden;

    // The window manager activates it (also out of its icon); 2: asked for
    // by the user through a tool, which focus-stealing rules let through.
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = gefunden;
    nachricht.type = Atom(c, "_NET_ACTIVE_WINDOW");
    nachricht.data.data32[0] = 2;
    nachricht.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, wurzel, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&nachricht));
    const uint32_t oben = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(c, gefunden, XCB_CONFIG_WINDOW_STACK_MODE, &oben);
    if (Sichtbar(c, gefunden)) xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, gefunden, XCB_CURRENT_TIME);
    // One round trip: the server has taken every request before the connection goes.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return Fenstersuche::Aktiviert;
}

std::unique_ptr<Fremdfenster> FremdfensterDerPlattform()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return std::make_unique<X11Fremdfenster>();
    return nullptr;
}
