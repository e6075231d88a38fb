#include "competition/ui/Wettkampf.h"

#include "competition/Aufstellung.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "core/ui/Zeichenwache.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"
#include "support/Klicken.h"
#include "support/Tippen.h"

#include <QApplication>
#include <QMenu>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <memory>
#include <ostream>
#include <tuple>

namespace {

const QColor Weiss(255, 255, 255);
const QColor Gesperrt(210, 210, 234);  // 15389394
const QColor Fertig(162, 162, 208);    // 13673122

void tippen(QWidget* w) { Klicken(w); }

// As the operator types it: the text changes and textEdited follows.
void eingeben(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(e->text());
}

QColor grund(const QWidget* w) { return w->palette().color(QPalette::Base); }

class WettkampfFenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        aufstellungZustand.zuruecksetzen();
        WurfvorwListe = {QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4;Bahn 5 bis 8"),
                         QStringLiteral("Kurz;15;15;12;3;;;Bahn 1 bis 4")};
        KlasseListe = {QStringLiteral("Verbandsliga")};
        GruppeListe = {QStringLiteral("Vereinsjugend")};
        ASSERT_TRUE(WettkampfAnlegen());
        WettkampfGrundoptionenSetzen();
        AktWettkampf->Geaendert = 0;
        fensterW = std::make_unique<TWettkampf>();
        fensterW->aktualisieren();
    }
    void TearDown() override
    {
        fensterW.reset();
        aufstellungZustand.zuruecksetzen();
        Grundlage::TearDown();
    }
    template <typename T>
    T* kind(const char* name) const
    {
        return fensterW->findChild<T*>(QLatin1String(name));
    }
    TWettkampfDaten& w() const { return *AktWettkampf; }

    std::unique_ptr<TWettkampf> fensterW;
};

TEST_F(WettkampfFenster, TypedLineUpIsWrittenIntoTheMatchAtOnce)
{
    eingeben(kind<QLineEdit>("ESpielnummer"), QStringLiteral("123456"));
    EXPECT_STREQ(w().Spielnummer.c_str(), "12345");
    EXPECT_EQ(w().Geaendert, 0);  // neither the fill nor the match number marks the match

    eingeben(kind<QLineEdit>("EClub"), QStringLiteral("Adler"));
    eingeben(kind<QLineEdit>("EMannschaft"), QStringLiteral("2"));
    eingeben(kind<QLineEdit>("EGast"), QStringLiteral("Gast Kegler"));
    eingeben(kind<QLineEdit>("EHeimName1"), QStringLiteral("Jürgen Groß"));
    eingeben(kind<QLineEdit>("EHeimGeb1"), QStringLiteral("12.05.80"));
    eingeben(kind<QLineEdit>("EGastName8"), QString(35, QLatin1Char('x')));
    eingeben(kind<QLineEdit>("EText"), QStringLiteral("Gut Holz"));
    tippen(kind<QPushButton>("BtnDown"));
    eingeben(kind<QLineEdit>("EText"), QStringLiteral("Zeile zwei"));

    EXPECT_EQ(w().Geaendert, 1);
    EXPECT_STREQ(w().Heimmannschaft.c_str(), "Adler 2");
    EXPECT_STREQ(w().Spieler[1].Name.c_str(), "J\xfcrgen Gro\xdf");  // Windows-1252
    EXPECT_STREQ(w().Spieler[1].Gebdat.c_str(), "12.05.80");
    EXPECT_EQ(w().Spieler[16].Name.laenge(), 30u);
    EXPECT_STREQ(w().Textzeile[1].c_str(), "Gut Holz");
    EXPECT_STREQ(w().Textzeile[2].c_str(), "Zeile zwei");
    EXPECT_EQ(fensterW->windowTitle(), QStringLiteral("Adler 2 - Gast Kegler"));
    EXPECT_EQ(fenster.status[1], QStringLiteral("Adler 2 - Gast Kegler"));
    EXPECT_EQ(kind<QGroupBox>("GGast")->title(), QStringLiteral("Gast Kegler"));

    // An empty date mask stores nothing.
    eingeben(kind<QLineEdit>("EHeimGeb1"), QString());
    EXPECT_STREQ(w().Spieler[1].Gebdat.c_str(), "");
}

// A typed name keeps only what the record, and so the saved file, can hold.
TEST_F(WettkampfFenster, TypedNameRefusesWhatWindows1252CannotHold)
{
    ZeichenwacheEinrichten();
    fensterW->show();
    Tippen(kind<QLineEdit>("EHeimName1"), QStringLiteral("Ömer Yılmaz"));
    EXPECT_EQ(kind<QLineEdit>("EHeimName1")->text(), QStringLiteral("Ömer Ylmaz"));
    EXPECT_STREQ(w().Spieler[1].Name.c_str(), "\xd6mer Ylmaz");
}

// The kind of match: one of the list or any typed text, stored as the box
// shows it and as far as the record holds it; a stored kind shows as it is.
// Neither the fill nor the operator's edits mark the match changed.
TEST_F(WettkampfFenster, ChoicesAreStoredAsTheBoxShowsThem)
{
    auto* art = kind<QComboBox>("CSpielart");
    auto* gruppe = kind<QGroupBox>("GSpieldaten");
    for (const char* gespeichert : {"Freundschaftsspiel", "Pokalspiel", ""}) {
        w().Spielart.setzenText(QString::fromUtf8(gespeichert));
        fensterW->aktualisieren();
        EXPECT_EQ(art->currentText(), QString::fromUtf8(gespeichert));
        EXPECT_EQ(gruppe->title(), *gespeichert ? QString::fromUtf8(gespeichert) : QStringLiteral("Spieldaten"));
        EXPECT_EQ(w().Geaendert, 0);
    }
    fensterW->show();
    QApplication::setActiveWindow(fensterW.get());
    art->lineEdit()->setFocus();  // the list completes what is typed into the focused box
    const std::pair<const char*, const char*> getippt[] = {
        {"Freundschaftsspiel", "Freundschaftsspiel"},
        {"Länderspiel Rückspiel", "L\xe4nderspiel R\xfc" "ckspie"},  // 20 characters, Windows-1252
        {"Po", "Pokalspiel"},                                     // completed from the list
    };
    for (const auto& [text, gespeichert] : getippt) {
        w().Geaendert = 0;
        art->lineEdit()->selectAll();
        Tippen(art->lineEdit(), QString::fromUtf8(text));
        EXPECT_STREQ(w().Spielart.c_str(), gespeichert);
        EXPECT_EQ(art->currentText(), Cp1252::decode(gespeichert, qsizetype(strlen(gespeichert))));
        EXPECT_EQ(gruppe->title(), art->currentText());
        EXPECT_EQ(w().Geaendert, 0);
    }
    AktSpielerNr = 3;
    art->setCurrentIndex(3);
    emit art->activated(3);
    EXPECT_STREQ(w().Spielart.c_str(), "CL-League");
    EXPECT_EQ(AktSpielerNr, 0);

    // The class and the group as well; of the three only the class marks the match.
    for (const char* box : {"CKlasse", "CGruppe"}) {
        kind<QComboBox>(box)->lineEdit()->setFocus();
        kind<QComboBox>(box)->lineEdit()->selectAll();
        Tippen(kind<QComboBox>(box)->lineEdit(), QStringLiteral("Ver"));
    }
    EXPECT_EQ(std::tuple(w().Klasse.text(), w().Gruppe.text(), w().Geaendert),
              std::tuple(QStringLiteral("Verbandsliga"), QStringLiteral("Vereinsjugend"), 1));
}

// The item lists are covered on the logic; choosing a preset rebuilds them.
TEST_F(WettkampfFenster, PresetChoicesFollowTheThrowPreset)
{
    auto* probe = kind<QComboBox>("CProbe");
    auto* bahnen = kind<QComboBox>("CBahnen");
    EXPECT_EQ(probe->itemText(6), QStringLiteral("12 Wurf Probe"));
    EXPECT_EQ(bahnen->count(), 2);

    auto* wurf = kind<QComboBox>("CWurf");
    wurf->setCurrentIndex(1);
    emit wurf->activated(1);
    EXPECT_EQ(w().Volle, 15);
    EXPECT_EQ(probe->count(), 5);
    EXPECT_EQ(bahnen->count(), 1);
    EXPECT_EQ(w().Geaendert, 1);
}

// The fixed option combos show the match's value by these items.
TEST_F(WettkampfFenster, OnOffOptionItems)
{
    const struct {
        const char* combo;
        QStringList eintraege;
        u16 TWettkampfDaten::*feld;
    } faelle[] = {
        {"CZeit", {"Zeit aus", "Zeit ein"}, &TWettkampfDaten::Zeit},
        {"CUebertritt", {"Übertritt aus", "Übertritt ein"}, &TWettkampfDaten::Uebertritt},
        {"CDurchlaeufer", {"Durchl. aus", "Durchl. ein"}, &TWettkampfDaten::Durchlaeufer},
    };
    for (const auto& f : faelle) {
        auto* c = kind<QComboBox>(f.combo);
        ASSERT_NE(c, nullptr) << f.combo;
        QStringList eintraege;
        for (int i = 0; i < c->count(); ++i) eintraege << c->itemText(i);
        EXPECT_EQ(eintraege, f.eintraege) << f.combo;
        for (u16 wert : {0, 1}) {
            w().*f.feld = wert;
            fensterW->aktualisieren();
            EXPECT_EQ(c->currentText(), f.eintraege.at(wert)) << f.combo;
        }
    }
}

// A loaded match that shows a stand-in for its file's preset writes the
// file's number until the operator picks a preset; then it plays that one.
TEST_F(WettkampfFenster, PickingAPresetEndsTheStandIn)
{
    w().Wurfvorwahl = 1;
    w().DateiWurfvorwahl = 7;
    fensterW->aktualisieren();
    EXPECT_EQ(w().DateiWurfvorwahl, 7);  // showing the match changes nothing
    auto* wurf = kind<QComboBox>("CWurf");
    wurf->setCurrentIndex(1);
    emit wurf->activated(1);
    EXPECT_EQ(w().DateiWurfvorwahl, std::nullopt);
}

TEST_F(WettkampfFenster, RefreshOfAStartedMatchOnlyShowsIt)
{
    TWettkampfDaten& m = w();
    for (u8 geaendert : {0, 1}) {
        m.Gestartet = 1;
        m.Geaendert = geaendert;
        // Counts that differ from the preset (set in the match's options).
        m.Volle = 30;
        m.Abraeumen = 0;
        m.Wurfzeit = 20;
        m.Spieler[3].Gestartet = 1;
        m.Spieler[3].Fertig = 1;
        const TStartplan* plan = m.StartplanZeiger;
        const u8 erste = m.ErsteSpielbahn, letzte = m.LetzteSpielbahn;

        fensterW->aktualisieren();

        EXPECT_EQ(m.Geaendert, geaendert);
        EXPECT_EQ(std::tuple(int(m.Volle), int(m.Abraeumen), int(m.Wurfzeit)), std::tuple(30, 0, 20));
        EXPECT_EQ(m.StartplanZeiger, plan);
        EXPECT_TRUE(m.ErsteSpielbahn == erste && m.LetzteSpielbahn == letzte);
        for (const char* name : {"CWurf", "CProbe", "CZeit", "CUebertritt", "CDurchlaeufer", "CSpieler", "CBahnen"}) {
            EXPECT_FALSE(kind<QComboBox>(name)->isEnabled()) << name;
            EXPECT_EQ(grund(kind<QComboBox>(name)), Gesperrt) << name;
        }
        EXPECT_EQ(grund(kind<QLineEdit>("EHeimGeb3")), Fertig);
    }

    // A match that is not started shows its choices white and enabled again.
    m.Gestartet = 0;
    fensterW->aktualisieren();
    EXPECT_TRUE(kind<QComboBox>("CWurf")->isEnabled());
    EXPECT_EQ(grund(kind<QComboBox>("CWurf")), Weiss);
}

// Which lines show is covered on the logic; here the window follows it.
TEST_F(WettkampfFenster, TeamSizeShowsItsLines)
{
    w().Spieleranzahl = 4;
    fensterW->show();
    fensterW->aktualisieren();
    EXPECT_FALSE(kind<QLineEdit>("EGastName5")->isVisible());
    EXPECT_TRUE(kind<QLineEdit>("EGastName7")->isVisible());
    w().Streichspiel = 1;
    fensterW->aktualisieren();
    EXPECT_TRUE(kind<QLineEdit>("EHeimName5")->isVisible());
    EXPECT_FALSE(kind<QLabel>("LErsatzGast")->isVisible());
}

// Typing into a masked field fills it from its first open position, wherever
// a click put the caret; a character that does not fit gets a message.
TEST_F(WettkampfFenster, MaskedDatesFillFromTheFirstOpenPosition)
{
    fensterW->show();
    const auto hinten = [](QLineEdit* e) { Klicken(e, Qt::LeftButton, QPointF(e->width() - 3, e->height() / 2.0)); };
    QLineEdit* geb = fensterW->geb(2);
    hinten(geb);
    Tippen(geb, QStringLiteral("1203"));
    hinten(geb);
    Tippen(geb, QStringLiteral("85"));
    EXPECT_EQ(geb->displayText(), QStringLiteral("12.03.85"));
    EXPECT_STREQ(w().Spieler[2].Gebdat.c_str(), "12.03.85");
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());

    Tippen(geb, QStringLiteral("7"));  // full
    EXPECT_STREQ(w().Spieler[2].Gebdat.c_str(), "12.03.85");
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_EQ(skriptBoxen().gezeigt[0], QStringLiteral("Das Feld ist voll: „7“ passt nicht mehr hinein."));

    QLineEdit* datum = kind<QLineEdit>("EDatum");
    datum->clear();
    hinten(datum);
    Tippen(datum, QStringLiteral("0x"));  // a letter where a digit belongs
    EXPECT_EQ(datum->displayText(), QStringLiteral("0 .  .  "));
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 2);
    EXPECT_EQ(skriptBoxen().gezeigt[1], QStringLiteral("„x“ passt nicht in das Feld: es nimmt nur Ziffern auf."));
}

TEST_F(WettkampfFenster, PlayerCommandsWorkOnTheSlotLastPressedAndDropsSkipStartedSlots)
{
    for (int n = 1; n <= 8; ++n) eingeben(fensterW->name(n), QStringLiteral("H%1").arg(n));
    tippen(fensterW->name(3));
    EXPECT_EQ(AktSpielerNr, 3);
    fensterW->MSpielerAusschneiden->trigger();
    EXPECT_EQ(fensterW->name(3)->text(), QStringLiteral("H4"));
    fensterW->MRueckg->trigger();
    EXPECT_EQ(fensterW->name(3)->text(), QStringLiteral("H3"));

    // Drop of slot 1 onto guest slot 9, then onto a started slot.
    auto ablegen = [&](int quelle, int ziel) {
        QMimeData daten;
        daten.setData(QStringLiteral("application/x-corvalink-slot"), QByteArray::number(quelle));
        const QPoint p = fensterW->name(ziel)->rect().center();
        QDragEnterEvent hinein(p, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fensterW->name(ziel), &hinein);
        if (!hinein.isAccepted()) return false;
        QDropEvent ab(p, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fensterW->name(ziel), &ab);
        return true;
    };
    EXPECT_TRUE(ablegen(1, 9));
    EXPECT_EQ(fensterW->name(9)->text(), QStringLiteral("H1"));
    EXPECT_EQ(fensterW->name(1)->text(), QStringLiteral("H2"));
    EXPECT_EQ(w().Spieler[9].IstHeim, 0);
    w().Spieler[10].Gestartet = 1;
    EXPECT_FALSE(ablegen(2, 10));
    EXPECT_STREQ(w().Spieler[10].Name.c_str(), "");

    // A cut, then the match is closed and a new one takes its slot: the undo
    // belonged to the closed match and writes nothing into the new one.
    fensterW->MSpielerAusschneiden->trigger();
    fensterW->menueStatusSetzen();
    EXPECT_TRUE(fensterW->MRueckg->isEnabled());
    TWettkampfDaten* alt = AktWettkampf;
    w().Geaendert = 0;
    ASSERT_TRUE(WettkampfSchliessen());
    ASSERT_TRUE(WettkampfAnlegen());
    ASSERT_EQ(AktWettkampf, alt);
    fensterW->aktualisieren();
    fensterW->menueStatusSetzen();
    EXPECT_FALSE(fensterW->MRueckg->isEnabled());
    EXPECT_FALSE(AufstellungRueckgaengig(w()).ausgefuehrt);
    for (int n = 1; n <= 8; ++n) EXPECT_STREQ(w().Spieler[n].Name.c_str(), "") << n;
}

// A double click on a player's name opens his results, with the lane
// control window out of the way.
TEST_F(WettkampfFenster, DoubleClickOnANameOpensThePlayersResults)
{
    OffeneFenster |= FensterBahnsteuerung;
    QLineEdit* name = fensterW->name(10);
    tippen(name);
    const QPointF p = QRectF(name->rect()).center();
    QMouseEvent doppel(QEvent::MouseButtonDblClick, p, name->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(name, &doppel);
    EXPECT_EQ(fenster.dialoge, (QList<std::pair<Dialog, int>>{{Dialog::Spielerdaten, 0}}));
    EXPECT_EQ(AktSpieler, &w().Spieler[10]);
    EXPECT_EQ(bahnfenster.aufrufe, QStringList{QStringLiteral("steuerung verbergen")});
}

// A right click on a team box, away from its fields, offers that side's data
// and import; the side follows the box.
TEST_F(WettkampfFenster, TeamBoxPopupImportsIntoItsSide)
{
    fensterW->resize(1024, 768);
    fensterW->show();
    QApplication::processEvents();
    for (QGroupBox* box : {fensterW->GGast, fensterW->GHeim}) {
        const QPoint p(box->width() - 3, box->height() - 3);
        QContextMenuEvent e(QContextMenuEvent::Mouse, fensterW->mapFromGlobal(box->mapToGlobal(p)),
                            box->mapToGlobal(p));
        QApplication::sendEvent(fensterW.get(), &e);
        EXPECT_TRUE(fensterW->PopupMannschaft->isVisible());
        fensterW->PopupMannschaft->hide();
        fensterW->PopupImportieren->trigger();
    }
    fensterW->PopupMannschDaten->trigger();
    EXPECT_EQ(fenster.dialoge, (QList<std::pair<Dialog, int>>{{Dialog::MannschaftImportieren, 2},
                                                              {Dialog::MannschaftImportieren, 1},
                                                              {Dialog::Mannschaftsdaten, 1}}));
}

// Greeting lines 1 and 2 have codes 9 and 10; each tap writes its own line.
TEST_F(WettkampfFenster, TouchTapOpensTheKeyboardOnTheFieldsCode)
{
    TouchEingabe = 1;
    Einst.TastDoppelclick = false;
    TKeyb* k = Keyb();
    fensterW->show();
    const auto tippenUndSchreiben = [&](QWidget* control, u16 code, const QString& prompt, char taste) {
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            gesehen = k->isVisible();
            EXPECT_EQ(Feldcode, code);
            EXPECT_EQ(k->LText->text(), prompt);
            tippen(k->BtnClear);
            tippen(k->taste(taste));
            tippen(k->BtnReturn);
        });
        tippen(control);
        EXPECT_TRUE(gesehen);
    };
    tippenUndSchreiben(fensterW->name(12), 22, QStringLiteral("Gastspieler4 - Name:"), 'A');
    tippenUndSchreiben(fensterW->EText, 9, QStringLiteral("Begrüßungstext Zeile 1:"), 'A');
    EXPECT_STREQ(w().Spieler[12].Name.c_str(), "a");
    EXPECT_EQ(w().Geaendert, 1);

    tippen(fensterW->BtnDown);  // line 2 shown: the tap opens and writes line 2
    tippenUndSchreiben(fensterW->EText, 10, QStringLiteral("Begrüßungstext Zeile 2:"), 'B');
    EXPECT_STREQ(w().Textzeile[1].c_str(), "a");
    EXPECT_STREQ(w().Textzeile[2].c_str(), "b");
    k->hide();
}

}  // namespace
