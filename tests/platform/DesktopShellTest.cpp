#include "platform/DesktopShell.h"

#include "core/Globals.h"
#include "platform/Fremdfenster.h"
#include "shell/Hauptbefehle.h"
#include "support/Warten.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>
#include <xcb/xcb.h>

// A document opens only where the desktop names a program for its type
// (xdg-mime); without the desktop's tools nothing opens it.
TEST(DesktopShell, ADocumentNeedsAProgramForItsType)
{
    QTemporaryDir bin;
    const QByteArray pfad = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    const QString hlp = bin.filePath(QStringLiteral("Bravolin.hlp"));
    DesktopShell shell;
    EXPECT_FALSE(shell.kannOeffnen(hlp, QString()));
    for (const QByteArray antwort : {"echo wine-winhlp.desktop", "exit 0"}) {
        QFile xdgMime(bin.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(xdgMime.open(QIODevice::WriteOnly));
        xdgMime.write("#!/bin/sh\n" + antwort + '\n');
        xdgMime.close();
        xdgMime.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(shell.kannOeffnen(hlp, QString()), antwort.startsWith("echo")) << antwort.constData();
    }
    qputenv("PATH", pfad);
}

namespace {

// A virtual X display of the test's own; Xvfb picks a free number and
// writes it when clients may connect. `anzeige` stays empty when Xvfb is not
// installed (`fehlt`) or did not start.
class Xvfb {
public:
    Xvfb()
    {
        const QString programm = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        fehlt = programm.isEmpty();
        if (fehlt) return;
        m_prozess.start(programm, {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        const QDeadlineTimer frist(20000);
        while (!m_prozess.canReadLine() && !frist.hasExpired() &&
               m_prozess.waitForReadyRead(int(frist.remainingTime()))) {
        }
        if (const QByteArray nummer = m_prozess.readLine().trimmed(); !nummer.isEmpty()) anzeige = ':' + nummer;
    }
    ~Xvfb()
    {
        m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }
    bool fehlt = false;
    QByteArray anzeige;

private:
    QProcess m_prozess;
};

// The test's own connection to the display, to look and to cover.
class Anzeige {
public:
    explicit Anzeige(const QByteArray& name) : c(xcb_connect(name.constData(), nullptr))
    {
        if (!xcb_connection_has_error(c)) wurzel = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }
    ~Anzeige() { xcb_disconnect(c); }
    bool ok() const { return wurzel != XCB_WINDOW_NONE; }

    xcb_window_t fokus()
    {
        xcb_get_input_focus_reply_t* r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
        const xcb_window_t f = r ? r->focus : xcb_window_t(XCB_WINDOW_NONE);
        std::free(r);
        return f;
    }
    // The mapped child of the root on top of the others.
    xcb_window_t oberstes()
    {
        xcb_query_tree_reply_t* baum = xcb_query_tree_reply(c, xcb_query_tree(c, wurzel), nullptr);
        xcb_window_t oben = XCB_WINDOW_NONE;
        for (int i = 0; baum && i < xcb_query_tree_children_length(baum); ++i)
            if (sichtbar(xcb_query_tree_children(baum)[i])) oben = xcb_query_tree_children(baum)[i];
        std::free(baum);
        return oben;
    }
    bool sichtbar(xcb_window_t w)
    {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        const bool s = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(a);
        return s;
    }
    // A window of the test's own over the others, with the input focus;
    // with a title, as this process's.
    xcb_window_t decken(const QByteArray& titel = {})
    {
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, wurzel, 0, 0, 300, 200, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        if (!titel.isEmpty()) {
            const uint32_t pid = uint32_t(::getpid());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                                uint32_t(titel.size()), titel.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
        }
        xcb_map_window(c, w);
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, w, XCB_CURRENT_TIME);
        fokus();  // a round trip
        return w;
    }
    xcb_atom_t atom(const char* name)
    {
        xcb_intern_atom_reply_t* a =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(a);
        return atom;
    }
    // Acts as a window manager's list, and hears what is asked of a manager.
    void verwalten(const QList<xcb_window_t>& fenster)
    {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, wurzel, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32,
                            uint32_t(fenster.size()), fenster.constData());
        const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, wurzel, XCB_CW_EVENT_MASK, &maske);
        fokus();
    }
    // The window the manager was asked to activate; none within the deadline: NONE.
    xcb_window_t aktivierung()
    {
        const xcb_atom_t aktiv = atom("_NET_ACTIVE_WINDOW");
        xcb_window_t w = XCB_WINDOW_NONE;
        warten([&] {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                const auto* n = reinterpret_cast<xcb_client_message_event_t*>(e);
                if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE && n->type == aktiv) w = n->window;
                std::free(e);
            }
            return w != XCB_WINDOW_NONE;
        });
        return w;
    }

private:
    xcb_connection_t* c;
    xcb_window_t wurzel = XCB_WINDOW_NONE;
};

// A program entry: a script that notes its process id in `starts` and
// becomes `befehl`.
QString Programmskript(const QTemporaryDir& ordner, int n, const QString& befehl)
{
    const QString datei = ordner.filePath(QStringLiteral("programm%1").arg(n));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(QStringLiteral("#!/bin/sh\necho $$ >> '%1.starts'\nexec %2\n").arg(datei, befehl).toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return datei;
}

QList<qint64> Zeilen(const QString& datei)
{
    QList<qint64> z;
    QFile f(datei);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& zeile : f.readAll().split('\n'))
            if (!zeile.isEmpty()) z << zeile.toLongLong();
    return z;
}

// The desktop, counting the programs it started; the programs started end with the test.
struct ZaehlendeShell : ShellStarter {
    explicit ZaehlendeShell(std::unique_ptr<Fremdfenster> f) : desktop(std::move(f)) {}
    ZaehlendeShell() = default;
    ~ZaehlendeShell() override
    {
        for (const QString& p : programme)
            for (const qint64 pid : Zeilen(p + QStringLiteral(".starts"))) ::kill(pid_t(pid), SIGTERM);
    }
    void oeffnen(const QString& datei, const QString& ordner, const QString& parameter, int modus) override
    {
        ++gestartet[datei];
        programme << datei;
        desktop.oeffnen(datei, ordner, parameter, modus);
    }
    Fenstersuche fensterAktivieren(const QString& titel) override { return desktop.fensterAktivieren(titel); }
    bool laeuftNoch(const QString& datei, const QString& ordner) override { return desktop.laeuftNoch(datei, ordner); }

    DesktopShell desktop;
    QHash<QString, int> gestartet;
    QSet<QString> programme;
};

struct Programmeintraege {
    Array1<QString, 3> programm = Einst.Programm, name = Einst.ProgrammName;
    ~Programmeintraege()
    {
        Einst.Programm = programm;
        Einst.ProgrammName = name;
    }
};

}  // namespace

// On X11 a second click on a program entry brings the program's window to
// the front instead of starting another copy; found by _NET_WM_NAME or
// WM_NAME, without a window manager and with one (then asked to activate
// it); a window of this process's own with that title is not it. An ended
// program is started again.
TEST(Programmfenster, TheSecondClickRaisesTheRunningProgramsWindow)
{
    Xvfb x;
    if (x.fehlt) GTEST_SKIP() << "Xvfb is not installed: the window search on X11 is not tested";
    ASSERT_FALSE(x.anzeige.isEmpty()) << "Xvfb did not start";
    Anzeige anzeige(x.anzeige);
    ASSERT_TRUE(anzeige.ok());
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", x.anzeige);
    Programmeintraege eintraege;
    QTemporaryDir ordner;
    ZaehlendeShell shell(std::make_unique<X11Fremdfenster>(x.anzeige));
    ShellStarterEinsetzen ein(&shell);

    struct Fall {
        int n;
        QString titel;
        const char* option;
    };
    const Fall faelle[] = {{1, QStringLiteral("Kassenbuch Süd"), ""}, {2, QStringLiteral("Kegelkasse Öl"), " --nur-wm-name"}};
    QList<xcb_window_t> fenster;
    anzeige.decken(faelle[0].titel.toUtf8());  // the program's own is never the one searched for
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel.toStdString());
        const QString fensterdatei = ordner.filePath(QStringLiteral("fenster%1").arg(f.n));
        Einst.Programm[f.n] = Programmskript(
            ordner, f.n, QStringLiteral("'%1' '%2' '%3'%4").arg(TITELFENSTER, f.titel, fensterdatei, f.option));
        Einst.ProgrammName[f.n] = f.titel;
        ProgrammStarten(f.n);
        ASSERT_TRUE(warten([&] { return !Zeilen(fensterdatei).isEmpty(); }));
        fenster << xcb_window_t(Zeilen(fensterdatei).first());
        const xcb_window_t decke = anzeige.decken();
        ASSERT_EQ(anzeige.fokus(), decke);
        ASSERT_EQ(anzeige.oberstes(), decke);

        ProgrammStarten(f.n);
        EXPECT_EQ(anzeige.fokus(), fenster.last());
        EXPECT_EQ(anzeige.oberstes(), fenster.last());
        EXPECT_EQ(shell.gestartet.value(Einst.Programm[f.n]), 1);
        EXPECT_EQ(Zeilen(Einst.Programm[f.n] + ".starts").size(), 1);
    }

    anzeige.verwalten({fenster[2 - 1], fenster[1 - 1]});
    ProgrammStarten(1);
    EXPECT_EQ(anzeige.aktivierung(), fenster[0]);
    EXPECT_EQ(anzeige.fokus(), fenster[0]);
    EXPECT_EQ(shell.gestartet.value(Einst.Programm[1]), 1);

    ::kill(pid_t(Zeilen(Einst.Programm[1] + ".starts").first()), SIGTERM);
    ASSERT_TRUE(warten([&] { return !anzeige.sichtbar(fenster[0]); }));
    ProgrammStarten(1);
    EXPECT_EQ(shell.gestartet.value(Einst.Programm[1]), 2);
    ASSERT_TRUE(warten([&] { return Zeilen(ordner.filePath(QStringLiteral("fenster1"))).size() == 2; }));
    qputenv("DISPLAY", display);
}

// Where no window can be looked for (offscreen, Wayland): a program started
// here is not started again while it runs; once it has ended it is.
TEST(Programmfenster, WithoutAWindowSearchARunningProgramIsNotStartedTwice)
{
    Programmeintraege eintraege;
    QTemporaryDir ordner;
    ZaehlendeShell shell;  // the offscreen platform: no window layer
    ShellStarterEinsetzen ein(&shell);
    EXPECT_EQ(shell.fensterAktivieren(QStringLiteral("Kasse")), Fenstersuche::NichtMoeglich);
    const QString programm = Programmskript(ordner, 3, QStringLiteral("sleep 60"));
    Einst.Programm[3] = programm;
    Einst.ProgrammName[3] = QStringLiteral("Kasse");

    ProgrammStarten(3);
    ASSERT_TRUE(warten([&] { return Zeilen(programm + ".starts").size() == 1; }));
    ProgrammStarten(3);
    EXPECT_EQ(shell.gestartet.value(programm), 1);

    ::kill(pid_t(Zeilen(programm + ".starts").first()), SIGTERM);
    ASSERT_TRUE(warten([&] { return !shell.laeuftNoch(programm, ordner.path()); }));
    ProgrammStarten(3);
    EXPECT_EQ(shell.gestartet.value(programm), 2);
    ASSERT_TRUE(warten([&] { return Zeilen(programm + ".starts").size() == 2; }));
}
