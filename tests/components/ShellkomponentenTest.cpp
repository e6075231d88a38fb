#include "components/Oberflaechenkomponenten.h"
#include "components/Shellkomponenten.h"
#include "support/Warten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An identifier of this test run only.
QString Eigen(const char* name)
{
    return QStringLiteral("%1.%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(name));
}

QByteArray Lesen(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// XDG_CONFIG_HOME in a temporary folder for one test.
struct Konfigurationsordner {
    QTemporaryDir ordner;
    QByteArray alt = qgetenv("XDG_CONFIG_HOME");
    bool hatteAlt = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    Konfigurationsordner() { qputenv("XDG_CONFIG_HOME", ordner.path().toUtf8()); }
    ~Konfigurationsordner()
    {
        if (hatteAlt)
            qputenv("XDG_CONFIG_HOME", alt);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    QString autostart(const char* name) const { return ordner.path() + "/autostart/" + name; }
};

}  // namespace

// --------------------------------------------------------------- one instance

TEST(TabfOneInstance, IdentifierFromExecutableOrTitle)
{
    TabfOneInstance i;
    i.Identifier = QStringLiteral("Liga\\Saal");
    EXPECT_EQ(i.Kennung(), QStringLiteral("components_tests.OneInstance.Liga/Saal"));
    i.ExeNameAsIdentifier = false;
    EXPECT_EQ(i.Kennung(), QCoreApplication::applicationName() + QStringLiteral(".OneInstance.Liga/Saal"));
    // The "/" stays inside one file name of the runtime folder.
    EXPECT_EQ(QFileInfo(i.sperrdatei()).fileName(),
              QCoreApplication::applicationName() + QStringLiteral(".OneInstance.Liga%2FSaal.lock"));
}

TEST(TabfOneInstance, SecondInstanceIsRefusedAndRaisesTheFirst)
{
    TabfOneInstance erste;
    erste.Identifier = Eigen("zwei");
    int geweckt = 0;
    QObject::connect(&erste, &TabfOneInstance::zeigenAngefordert, [&] { ++geweckt; });
    ASSERT_TRUE(erste.beanspruchen());

    // Quiet: neither a message nor a request.
    TabfOneInstance stille;
    stille.Identifier = erste.Identifier;
    stille.ShowMessage = false;
    stille.ActivatePrevInstance = false;
    stille.OnShowMessage = [](const QString&) { ADD_FAILURE() << "message shown"; };
    EXPECT_FALSE(stille.beanspruchen());

    QStringList meldungen;
    {
        TabfOneInstance zweite;
        zweite.Identifier = erste.Identifier;
        zweite.OnShowMessage = [&](const QString& t) { meldungen << t; };
        EXPECT_FALSE(zweite.beanspruchen());
        EXPECT_FALSE(zweite.beansprucht());
    }
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Application \"%1\" is already running.")
                                         .arg(QCoreApplication::applicationName())});
    EXPECT_TRUE(warten([&] { return geweckt > 0; }, 5000));
    EXPECT_EQ(geweckt, 1);

    // Another identifier is another program.
    TabfOneInstance andere;
    andere.Identifier = Eigen("andere");
    EXPECT_TRUE(andere.beanspruchen());
}

TEST(TabfOneInstance, LongIdentifierIsShortenedAndFreedAtTheEnd)
{
    const QString lang = Eigen("lang") + QString(200, QLatin1Char('x'));
    {
        TabfOneInstance erste;
        erste.Identifier = lang;
        ASSERT_TRUE(erste.beanspruchen());
        EXPECT_LE(QFileInfo(erste.socketPfad()).fileName().size(), 64 + 7);
    }
    TabfOneInstance spaetere;
    spaetere.Identifier = lang;
    EXPECT_TRUE(spaetere.beanspruchen());
}

// ------------------------------------------------------------------- autorun

TEST(TabfAutoRun, ExecArgumentsAreQuotedAndEscaped)
{
    const struct {
        const char* argument;
        const char* erwartet;
    } faelle[] = {
        {"/usr/bin/corvalink", "/usr/bin/corvalink"},
        {"/opt/mein programm/k", R"("/opt/mein programm/k")"},
        {"a$b", R"("a\\$b")"},
        {"a\\b", R"("a\\\\b")"},
        {"say \"hi\"", R"("say \\"hi\\"")"},
        {"100%", "100%%"},
        {"", R"("")"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TabfAutoRun::ExecArgument(QString::fromUtf8(f.argument)), QString::fromUtf8(f.erwartet))
            << f.argument;
}

TEST(TabfAutoRun, WritesAndRemovesTheDesktopEntry)
{
    Konfigurationsordner k;
    const QString datei = k.autostart("corvalink.desktop");
    TabfAutoRun a;
    EXPECT_TRUE(a.setAutoRun(true));  // no file name yet: nothing to write
    EXPECT_FALSE(QFileInfo::exists(datei));
    EXPECT_TRUE(a.setFileName(QStringLiteral("/opt/corvalink/corvalink")));
    EXPECT_EQ(a.Eintragsdatei(), datei);
    EXPECT_EQ(Lesen(datei), QByteArray("[Desktop Entry]\nType=Application\nName=corvalink\n"
                                       "Exec=/opt/corvalink/corvalink\n"));

    // A new file name replaces the old entry.
    EXPECT_TRUE(a.setFileName(QStringLiteral("/usr/bin/kegeln")));
    EXPECT_FALSE(QFileInfo::exists(datei));
    EXPECT_TRUE(QFileInfo::exists(k.autostart("kegeln.desktop")));

    EXPECT_TRUE(a.setAutoRun(false));
    EXPECT_FALSE(QFileInfo::exists(k.autostart("kegeln.desktop")));
}

TEST(TabfAutoRun, KindsMapToTheUsersEntryOrAreRefused)
{
    Konfigurationsordner k;
    const QString datei = k.autostart("prog.desktop");
    TabfAutoRun a;
    a.setFileName(QStringLiteral("/usr/bin/prog"));
    ASSERT_TRUE(a.setAutoRun(true));
    for (const auto kind : {TabfAutoExecKind::aekMachineRun, TabfAutoExecKind::aekUserRun}) {
        EXPECT_TRUE(a.setKind(kind));
        EXPECT_EQ(Lesen(datei), QByteArray("[Desktop Entry]\nType=Application\nName=prog\nExec=/usr/bin/prog\n"));
    }
    // Run once: the entry removes itself and starts the program.
    for (const auto kind : {TabfAutoExecKind::aekMachineRunOnce, TabfAutoExecKind::aekUserRunOnce}) {
        EXPECT_TRUE(a.setKind(kind));
        EXPECT_EQ(Lesen(datei), "[Desktop Entry]\nType=Application\nName=prog\nExec=sh -c "
                                R"("rm -f -- \\"\\$0\\"; exec \\"\\$1\\"" )" +
                                    datei.toUtf8() + " /usr/bin/prog\n");
    }
    // A service: refused, and the previous entry is gone.
    EXPECT_FALSE(a.setKind(TabfAutoExecKind::aekServiceRunOnce));
    EXPECT_FALSE(a.Fehler().isEmpty());
    EXPECT_TRUE(a.Eintragsdatei().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(datei));
}

TEST(TabfAutoRun, WithoutConfigHomeTheEntryIsInHome)
{
    Konfigurationsordner k;
    qunsetenv("XDG_CONFIG_HOME");
    TabfAutoRun a;
    a.setFileName(QStringLiteral("/usr/bin/prog"));
    EXPECT_EQ(a.Eintragsdatei(), QDir::homePath() + QStringLiteral("/.config/autostart/prog.desktop"));
}

// ---------------------------------------------------------------------- hook

namespace {
struct Zaehlfeld : QWidget {
    QStringList* spur = nullptr;
    void keyPressEvent(QKeyEvent*) override { *spur << QStringLiteral("feld"); }
};
}  // namespace

TEST(TabfWndProcHook, SeesKeysBeforeAndAfterAndHandledStopsThem)
{
    QStringList spur;
    Zaehlfeld feld;
    feld.spur = &spur;
    TabfWndProcHook hook;
    bool abfangen = false;
    hook.OnMessageBefore = [&](QEvent* e, bool& handled) {
        if (e->type() != QEvent::KeyPress) return;
        spur << QStringLiteral("vorher");
        handled = abfangen;
    };
    hook.OnMessageAfter = [&](QEvent* e, bool& handled) {
        if (e->type() == QEvent::KeyPress) spur << (handled ? QStringLiteral("nachher+") : QStringLiteral("nachher"));
    };
    auto taste = [&] {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&feld, &e);
    };
    hook.setWinControl(&feld);
    taste();  // not active yet
    hook.setActive(true);
    taste();
    abfangen = true;
    taste();
    EXPECT_EQ(spur, (QStringList{"feld", "vorher", "feld", "nachher", "vorher", "nachher+"}));
    EXPECT_TRUE(TabfWndProcHook::Hooks().contains(&hook));
}

TEST(TabfWndProcHook, LetsGoOfADestroyedControl)
{
    auto feld = std::make_unique<QWidget>();
    auto hook = std::make_unique<TabfWndProcHook>();
    int gewechselt = 0;
    hook->OnChangeWinControl = [&] { ++gewechselt; };
    hook->setWinControl(feld.get());
    hook->setActive(true);
    feld.reset();
    EXPECT_EQ(hook->WinControl(), nullptr);
    EXPECT_EQ(gewechselt, 1);
    TabfWndProcHook* alt = hook.get();
    hook.reset();
    EXPECT_FALSE(TabfWndProcHook::Hooks().contains(alt));
}

TEST(TabfWndProcHook, StaysOnTheControlWhenItsWindowIsMadeAnew)
{
    QStringList spur;
    QWidget erstes;
    auto* feld = new Zaehlfeld;
    feld->spur = &spur;
    feld->setParent(&erstes);
    erstes.show();
    feld->winId();  // a native window of its own
    TabfWndProcHook hook;
    int neu = 0;
    hook.OnChangeHandle = [&] { ++neu; };
    hook.OnMessageBefore = [&](QEvent* e, bool&) {
        if (e->type() == QEvent::KeyPress) spur << QStringLiteral("vorher");
    };
    hook.setWinControl(feld);
    hook.setActive(true);

    // A window of its own: the native child window is destroyed and a new
    // one made, which the hook reports and stays on.
    feld->setParent(nullptr);
    std::unique_ptr<QWidget> eigenes(feld);
    feld->show();
    EXPECT_GE(neu, 1);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(feld, &e);
    EXPECT_EQ(spur, (QStringList{"vorher", "feld"}));
}

TEST(TabfWndProcHook, AutoDragMovesTheWindowByAnyPoint)
{
    QWidget fenster;
    auto* kind = new QWidget(&fenster);
    kind->setGeometry(10, 10, 50, 50);
    fenster.setGeometry(100, 100, 200, 200);
    fenster.show();
    const QPoint start = fenster.pos();
    TabfWndProcHook hook;
    hook.AutoDrag = true;
    hook.setWinControl(kind);
    hook.setActive(true);
    auto maus = [&](QEvent::Type typ, QPoint global, Qt::MouseButton knopf, Qt::MouseButtons knoepfe) {
        QMouseEvent e(typ, QPointF(kind->mapFromGlobal(global)), QPointF(global), knopf, knoepfe, Qt::NoModifier);
        QCoreApplication::sendEvent(kind, &e);
    };
    const QPoint griff = kind->mapToGlobal(QPoint(5, 5));
    maus(QEvent::MouseButtonPress, griff, Qt::LeftButton, Qt::LeftButton);
    maus(QEvent::MouseMove, griff + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(fenster.pos(), start + QPoint(30, 20));
    maus(QEvent::MouseButtonRelease, griff + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    maus(QEvent::MouseMove, griff + QPoint(60, 60), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(fenster.pos(), start + QPoint(30, 20));
}

// ----------------------------------------------------------------- tray icon

namespace {
QIcon Farbe(Qt::GlobalColor c)
{
    QPixmap p(16, 16);
    p.fill(c);
    return QIcon(p);
}
}  // namespace

TEST(TabfTrayIcon, CyclesThroughTheImageListOnItsTicks)
{
    TabfTrayIcon t;
    const QIcon grund = Farbe(Qt::black);
    const QList<QIcon> liste{Farbe(Qt::red), Farbe(Qt::green), Farbe(Qt::blue)};
    t.setIcon(grund);
    t.setImageList(liste);
    EXPECT_EQ(t.AktuellesIcon().cacheKey(), grund.cacheKey());
    t.setImageIndex(7);  // outside the list
    EXPECT_EQ(t.AktuellesIcon().cacheKey(), grund.cacheKey());
    t.tick();  // not cycling
    EXPECT_EQ(t.ImageIndex(), 7);

    t.setCycleIcons(true);
    t.setImageIndex(1);
    std::vector<int> folge;
    for (int i = 0; i < 3; ++i) {
        t.tick();
        folge.push_back(t.ImageIndex());
    }
    EXPECT_EQ(folge, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(t.AktuellesIcon().cacheKey(), liste[1].cacheKey());
    EXPECT_EQ(t.Symbol().icon().cacheKey(), liste[1].cacheKey());
}

TEST(TabfTrayIcon, CycleTimerRunsOnlyWhileVisibleWithAnInterval)
{
    TabfTrayIcon t;
    t.setIcon(Farbe(Qt::black));
    t.setImageList({Farbe(Qt::red), Farbe(Qt::green)});
    t.setCycleIcons(true);
    t.setCycleInterval(250);
    EXPECT_FALSE(t.ZyklusLaeuft());
    t.setVisible(true);
    EXPECT_TRUE(t.ZyklusLaeuft());
    t.setCycleInterval(0);  // 0 never fires
    EXPECT_FALSE(t.ZyklusLaeuft());
    t.setCycleInterval(100);
    t.setVisible(false);
    EXPECT_FALSE(t.ZyklusLaeuft());
}

TEST(TabfTrayIcon, HintMenuAndVisibility)
{
    TabfTrayIcon t;
    t.setObjectName(QStringLiteral("Symbol"));
    t.setIcon(Farbe(Qt::black));
    QMenu menue;
    t.setHint(QStringLiteral("Bahn 1 frei"));
    EXPECT_EQ(t.Symbol().toolTip(), QStringLiteral("Bahn 1 frei"));
    t.setShowHint(false);
    EXPECT_TRUE(t.Symbol().toolTip().isEmpty());
    t.setPopupMenu(&menue);
    EXPECT_EQ(t.Symbol().contextMenu(), &menue);
    t.setPopupByLeft(true);  // the left button opens it instead
    EXPECT_EQ(t.Symbol().contextMenu(), nullptr);

    t.InfoTitle = QStringLiteral("Hinweis");
    EXPECT_FALSE(t.ZeigeInfo());  // no text, nothing to show
    const bool ok = t.setVisible(true);
    EXPECT_TRUE(t.Visible());
    if (QSystemTrayIcon::isSystemTrayAvailable())
        EXPECT_TRUE(ok);
    else
        EXPECT_EQ(t.Fehler(), QStringLiteral("Symbol.InsertToTray failed"));
}

TEST(TabfTrayIcon, MinimizedMainWindowGoesIntoTheTrayAndAClickBringsItBack)
{
    QWidget fenster;
    TabfTrayIcon t;
    t.TrayVerfuegbar = [] { return true; };
    t.setIcon(Farbe(Qt::black));
    int minimiert = 0, gezeigt = 0;
    QObject::connect(&t, &TabfTrayIcon::OnMinimize, [&] { ++minimiert; });
    QObject::connect(&t, &TabfTrayIcon::OnShow, [&] { ++gezeigt; });
    t.setHauptfenster(new QWidget(&fenster));  // a control stands for its window
    EXPECT_EQ(t.Hauptfenster(), &fenster);
    fenster.show();

    // Without MinimizeToTray minimising is the desktop's affair.
    fenster.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_FALSE(t.ImTray());
    fenster.showNormal();

    t.setMinimizeToTray(true);
    fenster.showMinimized();
    ASSERT_TRUE(warten([&] { return t.ImTray(); }, 5000));
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(t.Symbol().isVisible());
    EXPECT_FALSE(t.Visible());
    EXPECT_EQ(minimiert, 1);

    emit t.Symbol().activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(t.ImTray());
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_FALSE(fenster.isMinimized());
    EXPECT_FALSE(t.Symbol().isVisible());  // Visible was not set
    EXPECT_EQ(gezeigt, 1);

    // With the menu on the left button only a double click brings it back.
    t.setPopupByLeft(true);
    t.InDenTray();
    emit t.Symbol().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(t.ImTray());
    emit t.Symbol().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(t.ImTray());
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(minimiert, 2);
    EXPECT_EQ(gezeigt, 2);
}

TEST(TabfTrayIcon, MinimizeOnStartAndNoTrayToGoTo)
{
    QWidget fenster;
    TabfTrayIcon t;
    t.setObjectName(QStringLiteral("Symbol"));
    t.TrayVerfuegbar = [] { return true; };
    t.MinimizeOnStart = true;
    t.setMinimizeToTray(true);
    t.setHauptfenster(&fenster);
    fenster.show();
    ASSERT_TRUE(warten([&] { return t.ImTray(); }, 5000));
    EXPECT_FALSE(fenster.isVisible());
    t.AusDemTray();
    EXPECT_TRUE(fenster.isVisible());

    // Only the first showing starts minimised; without MinimizeToTray it
    // is minimised in place.
    QWidget zweites;
    TabfTrayIcon u;
    u.MinimizeOnStart = true;
    u.setHauptfenster(&zweites);
    zweites.show();
    ASSERT_TRUE(warten([&] { return zweites.isMinimized(); }, 5000));
    EXPECT_TRUE(zweites.isVisible());
    EXPECT_FALSE(u.ImTray());

    // Without a notification area the window stays: nothing could bring it back.
    t.TrayVerfuegbar = [] { return false; };
    t.InDenTray();
    EXPECT_FALSE(t.ImTray());
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(t.Fehler(), QStringLiteral("Symbol.InsertToTray failed"));
}
