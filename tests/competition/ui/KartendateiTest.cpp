// The line-up window with a card that stays in the reader, as it often does
// at an alley: the reader of the settings over a card kept in a file, the
// real notice windows, the card timer's ticks called by hand.
#include "competition/Aufstellung.h"
#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/Mannschaftskarte.h"
#include "competition/ui/Wettkampf.h"
#include "core/Globals.h"
#include "core/ui/Hinweis.h"
#include "core/ui/WidgetBoxen.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Closes every notice window that shows as the operator would with Esc
// ("Abbrechen" where the box has it), and keeps its text.
class Boxenbeobachter {
public:
    Boxenbeobachter()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { schliessen(); });
        m_timer.start(0);
    }
    // What was shown, with the notices that show without holding the
    // program (they need no turn of the event loop to be seen).
    const QStringList& alle()
    {
        schliessen();
        return gezeigt;
    }
    QStringList gezeigt;

private:
    void schliessen()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<THinweisFenster*>(w);
            if (!box || !box->isVisible()) continue;
            gezeigt << box->LHinweis->text();
            box->reject();
        }
    }
    QTimer m_timer;
};

class Kartendatei : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        chipkartenZustand.zuruecksetzen();
        kartenzeitgeberZustand.zuruecksetzen();
        aufstellungZustand.zuruecksetzen();
        ASSERT_TRUE(tmp.isValid());
        pfad = QDir(tmp.path()).filePath(QStringLiteral("karte.bin"));
        Einst.Chipkarte = 1;
        Einst.ChipkarteSchnittstelle = QStringLiteral("datei:") + pfad;
        KartenleserOeffnen();
        ASSERT_EQ(KartenleserAktiv, 1);

        WurfvorwListe = {QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4")};
        ASSERT_TRUE(WettkampfAnlegen());
        WettkampfGrundoptionenSetzen();
        AktWettkampf->Geaendert = 0;
        w = std::make_unique<TWettkampf>();
        w->aktualisieren();
        w->show();
    }
    void TearDown() override
    {
        w.reset();
        KartenleserSchliessen();
        chipkartenZustand.zuruecksetzen();
        kartenzeitgeberZustand.zuruecksetzen();
        aufstellungZustand.zuruecksetzen();
        Grundlage::TearDown();
    }

    // The card in the reader: its units, little-endian, as the file keeps them.
    void einlegen(const Kartenbild& bild)
    {
        QByteArray inhalt;
        for (u16 e : bild) inhalt.append(char(e & 0xFF)).append(char(e >> 8));
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(inhalt), 2 * KartenEinheiten);
    }
    void herausnehmen() { ASSERT_TRUE(QFile::remove(pfad)); }

    // The window is active again, as after a notice closed or a click into it.
    void aktivieren()
    {
        w->activateWindow();
        ASSERT_TRUE(warten([this] { return w->isActiveWindow(); }));
    }
    // A click into the field, then the card timer's tick after it.
    void klicken(QLineEdit* e)
    {
        aktivieren();
        e->setFocus();
        Klicken(e);
        if (Timer7().enabled()) Timer7Go();
    }
    // Typed where the keyboard focus is.
    void tippen(const QString& text)
    {
        aktivieren();
        QWidget* fokus = QApplication::focusWidget();
        if (!fokus) ADD_FAILURE() << "typed with no field focused: " << text.toStdString();
        else Tippen(fokus, text);
    }

    QTemporaryDir tmp;
    QString pfad;
    WidgetBoxen echteBoxen;
    BoxenEinsetzen m_boxen{&echteBoxen};
    Boxenbeobachter boxen;
    std::unique_ptr<TWettkampf> w;
};

const QString KeineSpielerkarte = QStringLiteral("Im Leser befindet sich keine Spielerkarte !");

// A blank card: named once while it stays in, and the names are typed.
TEST_F(Kartendatei, ABlankCardLeftInTheReaderIsToldOnceAndTheNamesAreTyped)
{
    const auto leer = std::make_unique<Kartenbild>();
    einlegen(*leer);
    klicken(w->name(1));
    tippen(QStringLiteral("Anna Amsel"));
    klicken(w->name(2));
    klicken(w->name(2));
    tippen(QStringLiteral("Bruno Birke"));
    klicken(w->EGast);
    EXPECT_EQ(boxen.alle(), QStringList{KeineSpielerkarte});
    EXPECT_EQ(w->name(1)->text(), QStringLiteral("Anna Amsel"));
    EXPECT_STREQ(AktWettkampf->Spieler[2].Name.c_str(), "Bruno Birke");

    // Taken out and inserted again: told once more.
    herausnehmen();
    klicken(w->name(3));
    einlegen(*leer);
    klicken(w->name(3));
    tippen(QStringLiteral("Carla"));
    EXPECT_EQ(boxen.alle(), QStringList(2, KeineSpielerkarte));
    EXPECT_EQ(w->name(3)->text(), QStringLiteral("Carla"));
}

// A team card: the guest field reads it once; with the same card still in,
// the next clicks leave the operator's corrections alone.
TEST_F(Kartendatei, ATeamCardIsReadIntoTheGuestSideOncePerInsertion)
{
    TMannschaftskartenDaten d = MannschaftskarteAusWettkampf(*AktWettkampf);
    d.Club = "SG Beta";
    d.MannschaftNr = "2";
    d.Spieler[1].Name = "Gustav Gans";
    const auto bild = std::make_unique<Kartenbild>();
    MannschaftskarteSchreiben(d, *bild);
    einlegen(*bild);

    klicken(w->EGast);
    EXPECT_EQ(w->EGast->text(), QStringLiteral("SG Beta 2"));
    ASSERT_EQ(w->name(9)->text(), QStringLiteral("Gustav Gans"));

    klicken(w->name(9));
    w->name(9)->selectAll();
    tippen(QStringLiteral("Gustav Gross"));
    klicken(w->EGast);
    w->EGast->end(false);
    tippen(QStringLiteral(" II"));
    EXPECT_EQ(w->EGast->text(), QStringLiteral("SG Beta 2 II"));
    EXPECT_STREQ(AktWettkampf->Spieler[9].Name.c_str(), "Gustav Gross");
    EXPECT_STREQ(AktWettkampf->Gastmannschaft.c_str(), "SG Beta 2 II");
    EXPECT_TRUE(boxen.alle().isEmpty());

    // Inserted anew, it is read again.
    herausnehmen();
    klicken(w->EGast);
    einlegen(*bild);
    klicken(w->EGast);
    EXPECT_EQ(w->name(9)->text(), QStringLiteral("Gustav Gans"));
}

}  // namespace
