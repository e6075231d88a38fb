#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Eingabe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisJa.h"
#include "core/ui/HinweisMulti.h"
#include "core/ui/HinweisOk.h"
#include "core/ui/Keyb.h"
#include "core/ui/WidgetBoxen.h"
#include "core/ui/Zeichenwache.h"
#include "support/KernAufnahmen.h"
#include "support/Klicken.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// --- Width rules ----------------------------------------------------------------------------

TEST(Hinweisbreite, Rules)
{
    // Label width, current window width, upper limit: the window width.
    const int faelle[][4] = {{400, 700, 420, 480}, {401, 700, 410, 700}, {405, 555, 420, 555},
                             {415, 555, 410, 475}, {415, 555, 420, 555}, {421, 555, 420, 481}};
    for (const auto& f : faelle)
        EXPECT_EQ(HinweisBreite(f[0], f[1], f[2]), f[3]) << f[0] << " in " << f[1] << ", limit " << f[2];
    // The question with three buttons: fixed up to 464, then label + 60.
    for (auto [label, breite] : {std::pair{0, 524}, {464, 524}, {465, 525}})
        EXPECT_EQ(HinweisMultiBreite(label), breite) << label;
}

// --- Colours ------------------------------------------------------------------------------

TEST(Farben, LowByteIsRed)
{
    EXPECT_EQ(FarbeZuQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(FarbeZuQColor(8421376), QColor(0, 128, 128));
}

TEST(Farben, WindowsTakeColorHinweisWhenCreated)
{
    GlobalsZuruecksetzen();
    FarbeSetzen(u"ColorHinweis", 0x00FF00);
    THinweisJa ja;
    TEingabefenster eingabe;
    FarbeSetzen(u"ColorHinweis", 0x0000FF);
    EXPECT_EQ(ja.palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(eingabe.palette().color(QPalette::Window), QColor(0, 255, 0));
    GlobalsZuruecksetzen();
}

// --- Windows -----------------------------------------------------------------------------

class BoxesFenster : public testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        OrdnerSetzen(m_ordner.path());
        for (const char* name : {"Frage.wav", "Error.wav", "Click.wav"}) {
            QFile f(m_ordner.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        Einst.SoundAktiv = true;
        Einst.ClickSoundAktiv = true;
    }
    void TearDown() override { GlobalsZuruecksetzen(); }
    // Runs once the next modal loop has started.
    static void imFenster(std::function<void()> handlung) { QTimer::singleShot(0, qApp, std::move(handlung)); }

    // Clicks the named button, presses Esc, closes or rejects the window.
    static void klicken(QDialog* fenster, const char* name)
    {
        if (auto* k = fenster->findChild<QPushButton*>(QString::fromLatin1(name))) {
            k->click();
        } else if (name == std::string("Esc")) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(fenster, &esc);
        } else if (name == std::string("close")) {
            fenster->close();
        } else {
            fenster->reject();
        }
    }

    // The box of that kind: j yes/no, o OK/cancel, m yes/no/cancel, h the notice.
    THinweisFenster* fenster(char art) const
    {
        switch (art) {
        case 'j': return m_boxen.hinweisJaFenster();
        case 'o': return m_boxen.hinweisOkFenster();
        case 'm': return m_boxen.hinweisMultiFenster();
        default: return m_boxen.hinweisFenster();
        }
    }
    // Shows it with the text; its modal result.
    int zeigen(char art, const QString& text)
    {
        switch (art) {
        case 'j': return m_boxen.hinweisJa(text);
        case 'o': return m_boxen.hinweisOk(text);
        case 'm': return m_boxen.hinweisMulti(text);
        default: m_boxen.hinweis(text); return m_boxen.hinweisFenster()->result();
        }
    }

    QTemporaryDir m_ordner;
    SoundAufnahme m_sound;
    SoundAusgabeEinsetzen m_soundEin{&m_sound};
    WidgetBoxen m_boxen;
};

// A short text keeps the fixed width with the label centred; a long one
// widens the window to label + 60; the next short text shrinks it again.
// A question sounds a question, the notice an error, then the button clicks.
TEST_F(BoxesFenster, WidthFollowsTheText)
{
    const QString lang = QStringLiteral("Der Wettkampf wurde geändert und ist noch nicht gespeichert. "
                                        "Soll er vor dem Schließen gespeichert werden?");
    const std::tuple<char, int, const char*, int, const char*> faelle[] = {
        {'j', 480, "BtnJa", ErgebnisJa, "Frage.wav"},
        {'m', 524, "BtnNein", ErgebnisNein, "Frage.wav"},
        {'h', 480, "BtnOk", ErgebnisOk, "Error.wav"},
    };
    for (const auto& [art, fest, knopf, ergebnis, ton] : faelle) {
        SCOPED_TRACE(art);
        THinweisFenster* f = fenster(art);
        m_sound.gespielt.clear();
        int links = -1, mitte = -2;
        imFenster([&, knopf = knopf] {
            links = f->LHinweis->mapTo(f, QPoint(0, 0)).x();
            mitte = (f->width() - f->LHinweis->width()) / 2;
            klicken(f, knopf);
        });
        EXPECT_EQ(zeigen(art, QStringLiteral("Spiel beenden?")), ergebnis);
        EXPECT_EQ(f->width(), fest);
        EXPECT_EQ(links, mitte);
        EXPECT_EQ(m_sound.gespielt, (QStringList{QString::fromLatin1(ton), "Click.wav"}));

        imFenster([&, knopf = knopf] { klicken(f, knopf); });
        zeigen(art, lang);
        ASSERT_GT(f->LHinweis->width(), fest - 60);
        EXPECT_EQ(f->width(), f->LHinweis->width() + 60);
        imFenster([&, knopf = knopf] { klicken(f, knopf); });
        zeigen(art, QStringLiteral("Ok?"));
        EXPECT_EQ(f->width(), fest);
    }
}

// A text between 411 and 420 pixels widens the question but not the notice.
TEST_F(BoxesFenster, NoticeHasItsOwnUpperLimit)
{
    THinweisFenster* f = fenster('h');
    QString text = QStringLiteral("Bahn");
    do {
        text += QLatin1Char('i');
        f->LHinweis->setText(text);
        f->BreiteAnpassen();
    } while (f->LHinweis->width() < 411);
    const int w = f->LHinweis->width();
    ASSERT_LE(w, 420) << "no text width between 411 and 420";
    f->setFixedWidth(555);
    f->BreiteAnpassen();
    EXPECT_EQ(f->width(), 555);

    THinweisFenster* ja = fenster('j');
    ja->LHinweis->setText(text);
    ja->BreiteAnpassen();
    ASSERT_EQ(ja->LHinweis->width(), w);  // same font
    EXPECT_EQ(ja->width(), w + 60);
}

// A list of several lines (the bad settings lines at start) makes the notice
// taller: the last line stays above the button. A one-line text after it
// gives the designed height again.
TEST_F(BoxesFenster, ALongListStaysAboveTheButton)
{
    THinweisFenster* f = fenster('h');
    QStringList zeilen;
    for (int i = 1; i <= 8; ++i) zeilen << QStringLiteral("Bravolin.inf, Zeile %1: „x“ ist für Bahnen kein gültiger Wert, es gilt 4.").arg(i);
    int textUnten = 0, knopfOben = 0;
    imFenster([&] {
        textUnten = f->LHinweis->mapTo(f, QPoint(0, f->LHinweis->height() - 1)).y();
        knopfOben = f->findChild<QPushButton*>(QStringLiteral("BtnOk"))->y();
        klicken(f, "BtnOk");
    });
    zeigen('h', zeilen.join(QLatin1Char('\n')));
    EXPECT_LT(textUnten, knopfOben);
    imFenster([&] { klicken(f, "BtnOk"); });
    zeigen('h', QStringLiteral("Ok?"));
    EXPECT_EQ(f->height(), 163);
}

// A text wider than the screen (a save error with its path) wraps inside the
// screen's width, above the buttons; one taller than the screen scrolls.
TEST_F(BoxesFenster, ALongTextWrapsATallOneScrolls)
{
    const QRect flaeche = QGuiApplication::primaryScreen()->availableGeometry();
    const QString satz = QStringLiteral("Die Datei /home/kegeln/Spiele/Adler.spl konnte nicht gespeichert werden. ");
    const QString zeilen = QString(satz.trimmed() + QLatin1Char('\n')).repeated(80);
    for (char art : {'j', 'o', 'm', 'h'}) {
        SCOPED_TRACE(art);
        THinweisFenster* f = fenster(art);
        QScrollBar* rollen = f->RollHinweis->verticalScrollBar();
        QRect text;
        int ueberstand = -1;
        imFenster([&] {
            text = QRect(f->LHinweis->mapTo(f, QPoint(0, 0)), f->LHinweis->size());
            ueberstand = rollen->maximum();
            f->reject();
        });
        zeigen(art, satz.repeated(12));
        EXPECT_EQ(f->width(), flaeche.width() - 16);
        EXPECT_EQ(text, QRect(30, 32, f->width() - 60, text.height()));
        EXPECT_LT(text.bottom(), f->height() - 20 - 25);
        EXPECT_EQ(ueberstand, 0);

        imFenster([&] {
            ueberstand = rollen->maximum();
            f->reject();
        });
        zeigen(art, zeilen);
        EXPECT_EQ(f->height(), flaeche.height() - 48);
        EXPECT_EQ(ueberstand, f->LHinweis->height() - (f->height() - 32 - 61));
    }
}

// Esc, closing, reject and the buttons not clicked elsewhere give the box's result.
TEST_F(BoxesFenster, ModalResults)
{
    const std::tuple<char, const char*, int> faelle[] = {
        {'j', "BtnNein", ErgebnisNein}, {'j', "Esc", ErgebnisNein},       {'o', "BtnAbbrechen", ErgebnisAbbrechen},
        {'o', "reject", ErgebnisAbbrechen}, {'h', "reject", ErgebnisOk}, {'m', "close", ErgebnisAbbrechen},
        {'m', "Esc", ErgebnisAbbrechen},
    };
    for (const auto& [art, knopf, ergebnis] : faelle) {
        imFenster([&, art = art, knopf = knopf] { klicken(fenster(art), knopf); });
        EXPECT_EQ(zeigen(art, QStringLiteral("a")), ergebnis) << art << " " << knopf;
    }
}

// The boxes' captions; the yes/no question asked under a caption of its
// own shows that one, and the plain question "Achtung !" again. While the
// on-screen keyboard shows, a box stands above it.
TEST_F(BoxesFenster, Captions)
{
    const std::tuple<char, const char*, const char*, bool> faelle[] = {
        {'j', "", "Achtung !", false},
        {'o', "", "Achtung !", false},
        {'m', "", "Achtung !", false},
        {'j', "Speichern ?", "Speichern ?", false},
        {'j', "", "Achtung !", true},
        {'h', "", "Achtung", true},
        {'h', "", "Achtung", false},
    };
    TKeyb tastatur;
    for (const auto& [art, titel, gezeigt, mitTastatur] : faelle) {
        tastatur.setVisible(mitTastatur);
        QString ist;
        bool obenAuf = !mitTastatur;
        QPoint ort, mitte;
        imFenster([&, art = art] {
            ist = fenster(art)->windowTitle();
            obenAuf = fenster(art)->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            const QRect r = fenster(art)->screen()->availableGeometry();
            ort = fenster(art)->pos();
            mitte = r.topLeft() + QPoint((r.width() - fenster(art)->width()) / 2, (r.height() - fenster(art)->height()) / 2);
            klicken(fenster(art), "reject");
        });
        if (*titel)
            m_boxen.hinweisJaTitel(QString::fromUtf8(titel), QStringLiteral("a"));
        else
            zeigen(art, QStringLiteral("a"));
        EXPECT_EQ(ist, QString::fromUtf8(gezeigt)) << art << " " << titel;
        EXPECT_EQ(obenAuf, mitTastatur) << art << " " << titel;
        EXPECT_EQ(ort, mitte) << art << " " << titel;  // centred on the screen
    }
    // So do the input box, the choice and the notice of the program's own.
    tastatur.show();
    const auto oben = [](const QWidget* f) { return f->windowFlags().testFlag(Qt::WindowStaysOnTopHint); };
    std::vector<bool> gesehen;
    imFenster([&] {
        gesehen.push_back(oben(m_boxen.eingabeFenster()));
        m_boxen.eingabeFenster()->reject();
    });
    m_boxen.eingabe({});
    imFenster([&] {
        gesehen.push_back(oben(m_boxen.hinweisAltFenster()));
        m_boxen.hinweisAltFenster()->reject();
    });
    m_boxen.hinweisAlt(QStringLiteral("a"), {QStringLiteral("b")}, 0);
    m_boxen.meldung(QStringLiteral("a"));
    gesehen.push_back(oben(m_boxen.meldungFenster()));
    m_boxen.meldungFenster()->close();
    EXPECT_EQ(gesehen, std::vector<bool>(3, true));
}

// A window already showing is not opened again: the second question is
// answered no (cancel) at once and the first keeps its text.
TEST_F(BoxesFenster, WindowAlreadyShowingIsNotOpenedAgain)
{
    for (auto [art, innenErwartet] : {std::pair{'j', int(ErgebnisNein)}, {'m', int(ErgebnisAbbrechen)}}) {
        int innen = 0;
        imFenster([&, art = art] {
            innen = zeigen(art, QStringLiteral("zweite Frage"));
            klicken(fenster(art), "BtnJa");
        });
        EXPECT_EQ(zeigen(art, QStringLiteral("erste Frage")), ErgebnisJa);
        EXPECT_EQ(innen, innenErwartet) << art;
        EXPECT_EQ(fenster(art)->LHinweis->text(), QStringLiteral("erste Frage"));
    }
}

// --- Input box ---------------------------------------------------------------------------

// The arrows step the number in its format; OK gives the text, cancel none.
TEST_F(BoxesFenster, InputStepsWithItsButtons)
{
    TEingabefenster* f = m_boxen.eingabeFenster();
    const std::tuple<const char*, const char*, float, int, std::vector<const char*>, std::optional<QString>> faelle[] = {
        {"", "##0", 1, 0, {"BtnUp", "BtnUp", "BtnOk"}, QStringLiteral("2")},
        {"0,5", "0.0", 1, 0, {"BtnDown", "BtnOk"}, QStringLiteral("0.0")},
        // the throw time in the half-step mode: never a tenth from .5 up
        {"10.0", "#0.0", 0.1f, 2, {"BtnDown", "BtnOk"}, QStringLiteral("9.4")},
        {"9.3", "#0.0", 0.1f, 2, {"BtnUp", "BtnUp", "BtnOk"}, QStringLiteral("10.0")},
        {"7", "0", 2, 0, {"BtnDown", "BtnAbbrechen"}, std::nullopt},
    };
    EingabeAnfrage a;
    for (const auto& [text, format, schritt, modus, knoepfe, ergebnis] : faelle) {
        a.text = QString::fromLatin1(text);
        a.format = QString::fromLatin1(format);
        a.schritt = schritt;
        a.modus = modus;
        imFenster([&, &knoepfe = knoepfe] {
            for (const char* k : knoepfe) klicken(f, k);
        });
        EXPECT_EQ(m_boxen.eingabe(a), ergebnis) << text;
    }
    // The arrows hidden on request.
    a.pfeileSichtbar = false;
    bool pfeile = true;
    imFenster([&] {
        pfeile = f->BtnUp->isVisible() || f->BtnDown->isVisible();
        klicken(f, "BtnOk");
    });
    EXPECT_EQ(m_boxen.eingabe(a), QStringLiteral("7"));
    EXPECT_FALSE(pfeile);
    // A box for a name outside Windows-1252 (a folder, say) takes any character; the next box does not.
    ZeichenwacheEinrichten();
    for (const bool frei : {true, false}) {
        a = EingabeAnfrage();
        if (frei) a.beliebigeZeichen = true;
        imFenster([&] {
            Tippen(f->EEingabe, QStringLiteral("Y\u0131l"));
            klicken(f, "BtnOk");
        });
        EXPECT_EQ(m_boxen.eingabe(a), frei ? QStringLiteral("Y\u0131l") : QStringLiteral("Yl")) << frei;
    }
}

TEST_F(BoxesFenster, HoldingUpForOneSecondGivesFourSteps)
{
    TEingabefenster f;
    f.Zahlformat = QStringLiteral("###0");
    f.show();
    const QPointF mitte = f.BtnUp->rect().center();
    QMouseEvent druck(QEvent::MouseButtonPress, mitte, f.BtnUp->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f.BtnUp, &druck);
    for (int i = 0; i < 3; ++i) f.TimerBtnTick();  // 300 ms each
    EXPECT_EQ(f.EEingabe->text(), QStringLiteral("4"));

    QMouseEvent los(QEvent::MouseButtonRelease, mitte, f.BtnUp->mapToGlobal(mitte), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(f.BtnUp, &los);
    EXPECT_FALSE(f.TimerBtn->isActive());
    f.TimerBtnTick();
    EXPECT_EQ(f.EEingabe->text(), QStringLiteral("4"));
    EXPECT_EQ(m_sound.gespielt, QStringList{"Click.wav"});
}

TEST_F(BoxesFenster, InputHalfStepModeCutsTypedFraction)
{
    TEingabefenster f;
    f.Zahlformat = QStringLiteral("0.0");
    f.Modus = 2;
    f.show();
    for (const QChar c : QStringLiteral("9.7")) {
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(f.EEingabe, &taste);
    }
    EXPECT_EQ(f.EEingabe->text(), QStringLiteral("9.0"));
}

// --- The notice the program raises by itself --------------------------------------------

// Counts the events of one type that reach the watched object.
class Ereignisse : public QObject {
public:
    Ereignisse(QEvent::Type typ, int& anzahl) : m_typ(typ), m_anzahl(anzahl) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == m_typ) ++m_anzahl;
        return false;
    }

private:
    QEvent::Type m_typ;
    int& m_anzahl;
};

// The operator's window with two fields, the cursor in the first, the
// boxes over it as over the main window, and another window of the desktop.
class Meldung : public BoxesFenster {
protected:
    void SetUp() override
    {
        BoxesFenster::SetUp();
        m_fenster.setWindowTitle(QStringLiteral("Wettkampf"));
        m_b->move(0, 40);
        m_fenster.resize(300, 100);
        m_fenster.show();
        m_anderes.resize(100, 100);
        m_anderes.show();
        aktivieren(&m_fenster);
        m_a->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(warten([this] { return m_a->hasFocus(); }));
    }
    void TearDown() override
    {
        if (meldung()->isVisible()) meldung()->reject();
        BoxesFenster::TearDown();
    }
    static void aktivieren(QWidget* w)
    {
        w->activateWindow();
        EXPECT_TRUE(warten([w] { return w->isActiveWindow(); }));
    }
    static void taste(QWidget* w, Qt::Key k, const QString& text)
    {
        for (auto art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(art, k, Qt::NoModifier, text);
            QApplication::sendEvent(w, &e);
        }
    }
    THinweis* meldung() const { return m_hier.meldungFenster(); }
    static int sichtbareHinweise()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<THinweisFenster*>(w) && w->isVisible()) ++n;
        return n;
    }

    QWidget m_fenster, m_anderes;
    QLineEdit* m_a = new QLineEdit(&m_fenster);
    QLineEdit* m_b = new QLineEdit(&m_fenster);
    WidgetBoxen m_hier{&m_fenster};
};

// Keys that reach the notice itself, its text or its button go on to the
// field typed in; Space and Return press no button of the notice, which
// stays open until its "Ok" is clicked.
TEST_F(Meldung, KeysThatReachTheNoticeGoOnToTheField)
{
    m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    THinweis* f = meldung();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), m_a);
    EXPECT_TRUE(m_fenster.isActiveWindow());

    Tippen(f, QStringLiteral("K"));
    Tippen(f->BtnOk, QStringLiteral(" "));
    Tippen(f->LHinweis, QStringLiteral("C"));
    taste(f, Qt::Key_Return, QStringLiteral("\r"));
    taste(f->BtnOk, Qt::Key_Enter, QStringLiteral("\r"));
    taste(f->BtnOk, Qt::Key_Space, QStringLiteral(" "));
    QApplication::processEvents();
    EXPECT_EQ(m_a->text(), QStringLiteral("K C "));
    EXPECT_EQ(m_b->text(), QString());
    EXPECT_TRUE(f->isVisible());

    f->BtnOk->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(m_sound.gespielt, (QStringList{"Error.wav", "Click.wav"}));
}

// A second notice while the first shows is not shown twice: the first stays
// with its text; keys reaching it go to the field typed in at the latest
// notice.
TEST_F(Meldung, ASecondNoticeWhileTheFirstShows)
{
    m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    m_b->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(warten([this] { return m_b->hasFocus(); }));
    m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"));
    THinweis* f = meldung();
    EXPECT_EQ(sichtbareHinweise(), 1);
    EXPECT_EQ(f->LHinweis->text(), QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    EXPECT_EQ(m_sound.gespielt, QStringList{"Error.wav"});

    Tippen(f, QStringLiteral("KC"));
    EXPECT_EQ(std::tuple(m_a->text(), m_b->text()), std::tuple(QString(), QStringLiteral("KC")));

    // Closed, the next one takes the field of its own moment.
    f->reject();
    m_a->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(warten([this] { return m_a->hasFocus(); }));
    m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"));
    EXPECT_EQ(f->LHinweis->text(), QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"));
    Tippen(f, QStringLiteral("x"));
    EXPECT_EQ(std::tuple(m_a->text(), m_b->text()), std::tuple(QStringLiteral("x"), QStringLiteral("KC")));
}

// Raised while no field has the cursor, the notice is an ordinary one: a
// click on "Ok" closes it, and so does Return.
TEST_F(Meldung, WithoutAFieldItClosesAsUsual)
{
    for (const bool klick : {true, false}) {
        m_a->clearFocus();
        ASSERT_EQ(QApplication::focusWidget(), nullptr);
        m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
        THinweis* f = meldung();
        ASSERT_TRUE(f->isVisible());
        Tippen(f, QStringLiteral("K"));
        if (klick)
            Klicken(f->BtnOk);
        else
            taste(f, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_FALSE(f->isVisible()) << klick;
        EXPECT_EQ(std::tuple(m_a->text(), m_b->text()), std::tuple(QString(), QString()));
    }
}

// A desktop that activates the notice all the same (this one activates
// every window it shows) gives the activation back to the field's window,
// the cursor still in its field.
TEST_F(Meldung, TheFieldsWindowIsActiveAgain)
{
    int aktiviert = 0;
    Ereignisse beobachter(QEvent::WindowActivate, aktiviert);
    meldung()->installEventFilter(&beobachter);
    m_hier.meldung(QStringLiteral("Im Leser befindet sich keine Spielerkarte !"));
    ASSERT_TRUE(warten([&] { return aktiviert > 0; }));
    EXPECT_TRUE(warten([this] { return m_fenster.isActiveWindow(); }));
    EXPECT_EQ(QApplication::focusWidget(), m_a);
    EXPECT_TRUE(meldung()->isVisible());
}

}  // namespace
