#include "Eingabe.h"
#include "Farben.h"
#include "Globals.h"
#include "Hilfe.h"
#include "Hinweis.h"
#include "HinweisJa.h"
#include "HinweisMulti.h"
#include "HinweisOk.h"
#include "SettingsFile.h"
#include "Sound.h"
#include "WidgetBoxen.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// --- Width rule ---------------------------------------------------------------------

struct BreitenFall {
    int label;
    int aktuell;
    int grenze;
    int breite;
};

std::ostream& operator<<(std::ostream& os, const BreitenFall& f)
{
    return os << "label " << f.label << " width " << f.aktuell << " limit " << f.grenze;
}

class HinweisBreiteTabelle : public testing::TestWithParam<BreitenFall> {};

TEST_P(HinweisBreiteTabelle, Rule)
{
    const BreitenFall& f = GetParam();
    EXPECT_EQ(HinweisBreite(f.label, f.aktuell, f.grenze), f.breite);
}

INSTANTIATE_TEST_SUITE_P(Grenzen, HinweisBreiteTabelle,
                         testing::Values(BreitenFall{300, 700, 410, 480}, BreitenFall{400, 700, 420, 480},
                                         BreitenFall{401, 700, 410, 700}, BreitenFall{405, 555, 410, 555},
                                         BreitenFall{405, 555, 420, 555}, BreitenFall{415, 555, 410, 475},
                                         BreitenFall{415, 555, 420, 555}, BreitenFall{421, 555, 420, 481}));

TEST(HinweisMultiBreite, FixedUpTo464ThenLabelPlus60)
{
    EXPECT_EQ(HinweisMultiBreite(0), 524);
    EXPECT_EQ(HinweisMultiBreite(300), 524);
    EXPECT_EQ(HinweisMultiBreite(464), 524);
    EXPECT_EQ(HinweisMultiBreite(465), 525);
    EXPECT_EQ(HinweisMultiBreite(500), 560);
}

// --- Colours ------------------------------------------------------------------------------

TEST(Farben, LowByteIsRed)
{
    EXPECT_EQ(FarbeZuQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(FarbeZuQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(FarbeZuQColor(12632256), QColor(192, 192, 192));
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
    EXPECT_TRUE(ja.autoFillBackground());
    GlobalsZuruecksetzen();
}

// --- Windows -----------------------------------------------------------------------------

struct Aufnahme : SoundAusgabe {
    QStringList gespielt;
    void abspielen(const QString& pfad) override { gespielt << QFileInfo(pfad).fileName(); }
};

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
        setSoundAusgabe(&m_sound);
    }
    void TearDown() override
    {
        setSoundAusgabe(nullptr);
        GlobalsZuruecksetzen();
    }

    // Runs once the next modal loop has started.
    static void imFenster(std::function<void()> handlung) { QTimer::singleShot(0, qApp, std::move(handlung)); }

    // Clicks the named button of the window, or leaves it with -1 if there is none.
    static void klicken(QDialog* fenster, const char* name)
    {
        if (auto* k = fenster->findChild<QPushButton*>(QString::fromLatin1(name)))
            k->click();
        else
            fenster->done(-1);
    }

    QTemporaryDir m_ordner;
    Aufnahme m_sound;
    WidgetBoxen m_boxen;
};

TEST_F(BoxesFenster, NamesCaptionsAndSizes)
{
    struct Fall {
        QDialog* fenster;
        const char* titel;
        QStringList namen;
    };
    THilfe hilfe;
    const Fall faelle[] = {
        {m_boxen.hinweisJaFenster(), "Achtung !", {"LHinweis", "BtnJa", "BtnNein"}},
        {m_boxen.hinweisOkFenster(), "Achtung !", {"LHinweis", "BtnOk", "BtnAbbrechen"}},
        {m_boxen.hinweisFenster(), "Achtung", {"LHinweis", "BtnOk"}},
        {&hilfe, "Hilfe", {"REHilfe", "BtnOK"}},
        {m_boxen.eingabeFenster(),
         "Eingabefenster",
         {"LEingabe", "EEingabe", "BtnOk", "BtnAbbrechen", "BtnUp", "BtnDown"}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.fenster->windowTitle(), QString::fromUtf8(f.titel));
        for (const QString& n : f.namen)
            EXPECT_TRUE(f.fenster->findChild<QWidget*>(n)) << f.titel << " " << n.toStdString();
    }
    const THinweisFenster* hinweise[] = {m_boxen.hinweisJaFenster(), m_boxen.hinweisOkFenster(),
                                         m_boxen.hinweisFenster()};
    for (const THinweisFenster* d : hinweise) {
        EXPECT_EQ(d->size(), QSize(480, 163));
        EXPECT_EQ(d->LHinweis->font().family(), QStringLiteral("Arial"));
    }
    EXPECT_EQ(m_boxen.hinweisJaFenster()->toolTip(), QStringLiteral("Programm wartet auf Bestätigung"));
    EXPECT_EQ(m_boxen.hinweisOkFenster()->toolTip(), QStringLiteral("Programm wartet auf Bestätigung"));
}

TEST_F(BoxesFenster, QuestionShortTextYes)
{
    THinweisJa* f = m_boxen.hinweisJaFenster();
    int links = -1, erwartetLinks = -2, punkte = 0;
    imFenster([&] {
        links = f->LHinweis->x();
        erwartetLinks = (f->width() - f->LHinweis->width()) / 2;
        punkte = f->LHinweis->font().pointSize();
        klicken(f, "BtnJa");
    });
    EXPECT_EQ(m_boxen.hinweisJa(QStringLiteral("Spiel beenden?")), ErgebnisJa);
    EXPECT_EQ(f->width(), 480);
    EXPECT_EQ(links, erwartetLinks);
    EXPECT_EQ(punkte, 12);
    EXPECT_EQ(m_sound.gespielt, (QStringList{"Frage.wav", "Click.wav"}));
}

TEST_F(BoxesFenster, QuestionLongTextNo)
{
    const QString lang = QStringLiteral("Die Daten des Wettkampfs wurden noch nicht gespeichert, "
                                        "sollen sie jetzt wirklich verworfen werden?");
    THinweisJa* f = m_boxen.hinweisJaFenster();
    imFenster([&] { klicken(f, "BtnNein"); });
    EXPECT_EQ(m_boxen.hinweisJa(lang), ErgebnisNein);
    ASSERT_GT(f->LHinweis->width(), 420);
    EXPECT_EQ(f->width(), f->LHinweis->width() + 60);

    // the next short text shrinks it again
    imFenster([&] { klicken(f, "BtnJa"); });
    EXPECT_EQ(m_boxen.hinweisJa(QStringLiteral("Ok?")), ErgebnisJa);
    EXPECT_EQ(f->width(), 480);
}

TEST_F(BoxesFenster, ButtonsAndEscapeGiveTheirResults)
{
    THinweisJa* ja = m_boxen.hinweisJaFenster();
    THinweisOk* ok = m_boxen.hinweisOkFenster();
    THinweis* hinweis = m_boxen.hinweisFenster();

    imFenster([&] { ja->reject(); });
    EXPECT_EQ(m_boxen.hinweisJa(QStringLiteral("a")), ErgebnisNein);
    imFenster([&] { klicken(ok, "BtnOk"); });
    EXPECT_EQ(m_boxen.hinweisOk(QStringLiteral("b")), ErgebnisOk);
    imFenster([&] { klicken(ok, "BtnAbbrechen"); });
    EXPECT_EQ(m_boxen.hinweisOk(QStringLiteral("c")), ErgebnisAbbrechen);
    imFenster([&] { ok->reject(); });
    EXPECT_EQ(m_boxen.hinweisOk(QStringLiteral("d")), ErgebnisAbbrechen);
    imFenster([&] { hinweis->reject(); });
    m_boxen.hinweis(QStringLiteral("e"));
    EXPECT_EQ(hinweis->result(), ErgebnisOk);

    // Escape goes through reject()
    imFenster([&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(ja, &esc);
    });
    EXPECT_EQ(m_boxen.hinweisJa(QStringLiteral("f")), ErgebnisNein);
}

TEST_F(BoxesFenster, NoticeErrorSoundAndOwnUpperLimit)
{
    THinweis* f = m_boxen.hinweisFenster();
    imFenster([&] { klicken(f, "BtnOk"); });
    m_boxen.hinweis(QStringLiteral("Keine Verbindung zur Bahnsteuerung"));
    EXPECT_EQ(f->result(), ErgebnisOk);
    EXPECT_EQ(f->width(), 480);
    EXPECT_EQ(m_sound.gespielt, (QStringList{"Error.wav", "Click.wav"}));

    // A text between 411 and 420 pixels widens the question but not the notice.
    QString text = QStringLiteral("Bahn");
    f->LHinweis->setText(text);
    f->BreiteAnpassen();
    while (f->LHinweis->width() < 411) {
        text += QLatin1Char('i');
        f->LHinweis->setText(text);
        f->BreiteAnpassen();
    }
    const int w = f->LHinweis->width();
    ASSERT_LE(w, 420) << "no text width between 411 and 420";
    f->setFixedWidth(555);
    f->BreiteAnpassen();
    EXPECT_EQ(f->width(), 555);

    THinweisJa* ja = m_boxen.hinweisJaFenster();
    ja->LHinweis->setText(text);
    ja->BreiteAnpassen();
    ASSERT_EQ(ja->LHinweis->width(), w);  // same font
    EXPECT_EQ(ja->width(), w + 60);
}

TEST_F(BoxesFenster, WindowAlreadyShowingIsNotOpenedAgain)
{
    int innen = 0;
    imFenster([&] {
        innen = m_boxen.hinweisJa(QStringLiteral("zweite Frage"));
        klicken(m_boxen.hinweisJaFenster(), "BtnJa");
    });
    EXPECT_EQ(m_boxen.hinweisJa(QStringLiteral("erste Frage")), ErgebnisJa);
    EXPECT_EQ(innen, ErgebnisNein);
    EXPECT_EQ(m_boxen.hinweisJaFenster()->LHinweis->text(), QStringLiteral("erste Frage"));
}

TEST_F(BoxesFenster, MultiNamesShortTextAndSounds)
{
    THinweisMulti* f = m_boxen.hinweisMultiFenster();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Achtung !"));
    EXPECT_EQ(f->size(), QSize(524, 163));
    EXPECT_EQ(f->LHinweis->font().family(), QStringLiteral("Arial"));
    const QStringList knoepfe[] = {{"BtnJa", "&Ja"}, {"BtnNein", "&Nein"}, {"BtnAbbrechen", "&Abbrechen"}};
    for (const QStringList& k : knoepfe) {
        auto* b = f->findChild<QPushButton*>(k[0]);
        ASSERT_TRUE(b) << k[0].toStdString();
        EXPECT_EQ(b->text(), k[1]);
    }

    int links = -1, erwartetLinks = -2, punkte = 0;
    imFenster([&] {
        links = f->LHinweis->x();
        erwartetLinks = (f->width() - f->LHinweis->width()) / 2;
        punkte = f->LHinweis->font().pointSize();
        klicken(f, "BtnNein");
    });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("Wettkampf speichern?")), ErgebnisNein);
    EXPECT_EQ(f->width(), 524);
    EXPECT_EQ(links, erwartetLinks);
    EXPECT_EQ(punkte, 12);
    EXPECT_EQ(m_sound.gespielt, (QStringList{"Frage.wav", "Click.wav"}));
}

TEST_F(BoxesFenster, MultiLongTextWidensAndShortShrinks)
{
    THinweisMulti* f = m_boxen.hinweisMultiFenster();
    imFenster([&] { klicken(f, "BtnJa"); });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("Der Wettkampf wurde geändert und ist noch nicht gespeichert. "
                                                  "Soll er vor dem Schließen gespeichert werden?")),
              ErgebnisJa);
    ASSERT_GT(f->LHinweis->width(), 464);
    EXPECT_EQ(f->width(), f->LHinweis->width() + 60);

    f->LHinweis->setText(QStringLiteral("Ok?"));
    f->HinweisBreiteAnpassen();
    EXPECT_EQ(f->width(), 524);
}

TEST_F(BoxesFenster, MultiResultsEscapeAndAlreadyShowing)
{
    THinweisMulti* f = m_boxen.hinweisMultiFenster();
    imFenster([&] { klicken(f, "BtnJa"); });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("a")), ErgebnisJa);
    imFenster([&] { klicken(f, "BtnNein"); });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("b")), ErgebnisNein);
    imFenster([&] { klicken(f, "BtnAbbrechen"); });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("c")), ErgebnisAbbrechen);
    imFenster([&] { f->close(); });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("d")), ErgebnisAbbrechen);
    int innen = 0;
    imFenster([&] {
        innen = m_boxen.hinweisMulti(QStringLiteral("zweite"));
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f, &esc);
    });
    EXPECT_EQ(m_boxen.hinweisMulti(QStringLiteral("e")), ErgebnisAbbrechen);
    EXPECT_EQ(innen, ErgebnisAbbrechen);
    EXPECT_EQ(f->LHinweis->text(), QStringLiteral("e"));
}

// --- Input box ---------------------------------------------------------------------------

TEST_F(BoxesFenster, InputStepsWithItsButtons)
{
    TEingabefenster* f = m_boxen.eingabeFenster();
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Total:");
    a.hinweis = QStringLiteral("Kegel insgesamt");
    a.format = QStringLiteral("##0");
    QString nachEins;
    imFenster([&] {
        klicken(f, "BtnUp");
        nachEins = f->EEingabe->text();
        klicken(f, "BtnUp");
        klicken(f, "BtnOk");
    });
    EXPECT_EQ(m_boxen.eingabe(a), QStringLiteral("2"));
    EXPECT_EQ(nachEins, QStringLiteral("1"));
    EXPECT_EQ(f->LEingabe->text(), QStringLiteral("Total:"));
    EXPECT_EQ(f->EEingabe->toolTip(), QStringLiteral("Kegel insgesamt"));
    EXPECT_FALSE(f->TimerBtn->isActive());

    a.text = QStringLiteral("0,5");
    a.format = QStringLiteral("0.0");
    imFenster([&] {
        klicken(f, "BtnDown");
        klicken(f, "BtnOk");
    });
    EXPECT_EQ(m_boxen.eingabe(a), QStringLiteral("0.0"));

    a.text = QStringLiteral("7");
    a.schritt = 2;
    a.format = QStringLiteral("0");
    imFenster([&] {
        klicken(f, "BtnDown");
        klicken(f, "BtnAbbrechen");
    });
    EXPECT_EQ(m_boxen.eingabe(a), std::nullopt);
    imFenster([&] { f->reject(); });
    EXPECT_EQ(m_boxen.eingabe(a), std::nullopt);

    a.pfeileSichtbar = false;
    bool pfeile = true;
    imFenster([&] {
        pfeile = f->BtnUp->isVisible() || f->BtnDown->isVisible();
        klicken(f, "BtnOk");
    });
    EXPECT_EQ(m_boxen.eingabe(a), QStringLiteral("7"));
    EXPECT_FALSE(pfeile);
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
    EXPECT_EQ(f.EEingabe->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.TimerBtn->isActive());
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

}  // namespace
