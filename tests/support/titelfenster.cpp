// A window of another program for the tests: titled as the first argument
// on $DISPLAY, until it is killed. Once the window is mapped, its id goes as
// a decimal line into the file of the second argument. "--nur-wm-name" as
// the third leaves out _NET_WM_NAME (the title only in WM_NAME, ISO 8859-1).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* a = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(a);
    return atom;
}

// UTF-8 to ISO 8859-1 (characters beyond it become '?').
std::string Latin1(const char* utf8)
{
    std::string l;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p; ++p) {
        if (*p < 0x80) {
            l += char(*p);
        } else if ((*p == 0xC2 || *p == 0xC3) && p[1]) {
            l += char(((*p & 0x03) << 6) | (p[1] & 0x3F));
            ++p;
        } else if ((*p & 0xC0) != 0x80) {
            l += '?';
        }
    }
    return l;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    int nummer = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &nummer);
    if (xcb_connection_has_error(c)) return 1;
    xcb_screen_iterator_t s = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < nummer && s.rem; ++i) xcb_screen_next(&s);
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, s.data->root, 10, 10, 200, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      s.data->root_visual, 0, nullptr);
    const std::string titel = argv[1], latin1 = Latin1(argv[1]);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, uint32_t(latin1.size()),
                        latin1.data());
    if (argc < 4 || std::strcmp(argv[3], "--nur-wm-name") != 0)
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 8,
                            uint32_t(titel.size()), titel.data());
    const uint32_t pid = uint32_t(getpid());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
    xcb_map_window(c, w);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (FILE* f = std::fopen(argv[2], "a")) {
        std::fprintf(f, "%u\n", unsigned(w));
        std::fclose(f);
    }
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) std::free(e);
    xcb_disconnect(c);
    return 0;
}
