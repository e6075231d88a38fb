// The page "Vorwahl " in the real options dialog: presets, report layouts,
// groups, classes and lane entries edited with the real list editor, the
// start-order editor behind the window hub, and OK writing the files.

#include "competition/Startfolge.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Startfolge.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Keyb.h"
#include "platform/FakeCanAdapter.h"
#include "platform/FakeDruckerport.h"
#include "shell/ui/Listeneditor.h"
#include "shell/ui/OptionenVorwahl.h"
#include "support/Dateien.h"
#include "support/Einsetzen.h"
#include "support/ImDialog.h"
#include "support/Programmordner.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A choice as the operator makes it.
void waehlen(QComboBox* c, int i)
{
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void tippen(QLineEdit* e, const QString& text)
{
    e->setText(text);
    emit e->textEdited(text);
}

QStringList eintraege(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

QStringList Nummeriert(const QString& vorne, int von, int bis)
{
    QStringList l;
    for (int i = von; i <= bis; ++i) l << vorne.arg(i);
    return l;
}

class VorwahlSeite : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        startfolgeZustand.zuruecksetzen();
        OrdnerSetzen(ordner.path());
        ASSERT_TRUE(QDir(ordner.path()).mkpath(Datenverzeichnis));
        CompetitionFensterRegistrieren(hub);
    }
    void TearDown() override
    {
        dlg.reset();
        startfolgeZustand.zuruecksetzen();
        Programmordner::TearDown();
    }

    void oeffnen()
    {
        dlg = std::make_unique<TOptionen>(nullptr);
        dlg->show();
        s = qobject_cast<TVorwahlSeite*>(dlg->seite(TOptionen::Vorwahl));
        ASSERT_TRUE(s);
        dlg->TabControlOptionen->setCurrentIndex(TOptionen::Vorwahl);
    }
    void bahnenSeite(const QString& text)
    {
        auto* c = dlg->seite(TOptionen::Bahnsteuerung)->findChild<QComboBox*>(QStringLiteral("CBahnenAnzahl"));
        ASSERT_TRUE(c);
        c->setCurrentIndex(c->findText(text));
        ASSERT_EQ(c->currentText(), text);
    }
    QStringList gezeigt() const { return skriptBoxen().gezeigt; }
    QString werte() const { return s->EVorwVolle->text() + "/" + s->EVorwAbr->text() + "/" + s->EVorwZeit->text(); }

    FakeDruckerport port;
    DruckerportEinsetzen m_port{port};
    FakeCanAdapter adapter;
    CanAdapterEinsetzen m_adapter{&adapter};
    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    std::unique_ptr<TOptionen> dlg;
    TVorwahlSeite* s = nullptr;
};

}  // namespace

TEST_F(VorwahlSeite, OpeningShowsSettingsFirstPresetAndLists)
{
    Einst.Sektion = QStringLiteral("Bohle");
    FormularNamen = {QStringLiteral("Spielbericht"), QStringLiteral("Kurzbericht")};
    Einst.FormularNummer = 1;
    WurfvorwListe = {QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4;Bahn 5 bis 8"),
                     QStringLiteral("Probe;25;20;18;x;4;6"), QStringLiteral("Kurz;20")};
    GruppeListe = {QStringLiteral("Herren"), QStringLiteral("Damen")};
    KlasseListe = {QStringLiteral("Kreisliga")};
    oeffnen();

    EXPECT_EQ(s->CSektion->currentText(), QStringLiteral("Bohle"));
    EXPECT_EQ(s->CFormular->currentText(), QStringLiteral("Kurzbericht"));
    EXPECT_EQ(eintraege(s->CWurfvorw), (QStringList{"120 Wurf", "Probe", "Kurz"}));
    EXPECT_EQ(werte(), "15/15/12");
    EXPECT_EQ(s->CVorwSaetze->currentText(), QStringLiteral("4 Sätze Classic"));
    EXPECT_EQ(s->EProbeZeit->text() + "|" + s->EProbeWurf->text(), "|");
    EXPECT_EQ(eintraege(s->CVorwBahnen), (QStringList{"Bahn 1 bis 4", "Bahn 5 bis 8"}));
    EXPECT_EQ(eintraege(s->CGruppe), (QStringList{"Herren", "Damen"}));
    EXPECT_EQ(eintraege(s->CKlasse), QStringList{"Kreisliga"});
    EXPECT_FALSE(s->vorwahlGeaendert());

    // A set mode that is no number shows the first; the practice fields their values.
    waehlen(s->CWurfvorw, 1);
    EXPECT_EQ(werte(), "25/20/18");
    EXPECT_EQ(s->CVorwSaetze->currentIndex(), 0);
    EXPECT_EQ(s->EProbeZeit->text() + "|" + s->EProbeWurf->text(), "4|6");
    EXPECT_EQ(s->CVorwBahnen->count(), 0);
    // A short line fills only what it has.
    waehlen(s->CWurfvorw, 2);
    EXPECT_EQ(werte(), "20/20/18");
    EXPECT_EQ(s->EProbeZeit->text() + "|" + s->EProbeWurf->text(), "4|6");
    EXPECT_TRUE(gezeigt().isEmpty());

    // The section puts its throws; "Schere" keeps the time.
    s->CSektion->setCurrentIndex(s->CSektion->findText(QStringLiteral("Schere")));
    EXPECT_EQ(werte(), "30/0/18");
}

TEST_F(VorwahlSeite, StoringCapsTheThrowsAndWritesDigitsOnly)
{
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;"), QStringLiteral("B;15;15;12;3;2;;Bahn 1 bis 4")};
    oeffnen();
    struct Fall {
        const char *volle, *abr, *zeit, *probeZeit, *probeWurf;
        const char* zeile;
        const char* gezeigt;  // Volle/Abräumen after the store
    };
    const Fall faelle[] = {
        {"30", "40", "20", "", "", "A;30;20;20;1;;", "30/20"},
        {"60", "0", "20", "0", "0", "A;50;0;20;1;;", "50/0"},
        {"07", "", "9", "03", "x", "A;7;0;9;1;3;", "7/0"},
        {"", "", "", "", "5", "A;0;0;0;1;;5", "0/0"},
    };
    for (const Fall& f : faelle) {
        tippen(s->EVorwVolle, QString::fromUtf8(f.volle));
        tippen(s->EVorwAbr, QString::fromUtf8(f.abr));
        tippen(s->EVorwZeit, QString::fromUtf8(f.zeit));
        tippen(s->EProbeZeit, QString::fromUtf8(f.probeZeit));
        tippen(s->EProbeWurf, QString::fromUtf8(f.probeWurf));
        EXPECT_TRUE(s->vorwahlGeaendert());
        s->BtnWurfvorwUmbenennen->click();
        EXPECT_EQ(WurfvorwListe.at(0), QString::fromUtf8(f.zeile));
        EXPECT_EQ(s->EVorwVolle->text() + "/" + s->EVorwAbr->text(), QString::fromUtf8(f.gezeigt));
        EXPECT_FALSE(s->vorwahlGeaendert());
    }

    // Renamed with the combo's text; the lane entries follow the practice fields.
    waehlen(s->CWurfvorw, 1);
    s->CWurfvorw->setEditText(QStringLiteral("Bohle 120"));
    s->BtnWurfvorwUmbenennen->click();
    EXPECT_EQ(WurfvorwListe.at(1), QStringLiteral("Bohle 120;15;15;12;3;2;;Bahn 1 bis 4"));
    EXPECT_EQ(s->CWurfvorw->itemText(1), QStringLiteral("Bohle 120"));
    EXPECT_EQ(WurfvorwListe.size(), 2);
}

TEST_F(VorwahlSeite, LeavingAChangedPresetAsksAndYesStoresIntoTheLeftOne)
{
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;"), QStringLiteral("B;15;15;12;3;;")};
    oeffnen();

    tippen(s->EVorwVolle, QStringLiteral("30"));
    skriptBoxen().antworten << ErgebnisNein;
    waehlen(s->CWurfvorw, 1);
    EXPECT_EQ(gezeigt(), QStringList{QStringLiteral("Änderungen übernehmen ?")});
    EXPECT_EQ(WurfvorwListe.at(0), QStringLiteral("A;25;25;20;1;;"));
    EXPECT_EQ(s->EVorwVolle->text(), QStringLiteral("15"));
    tippen(s->EVorwAbr, QStringLiteral("10"));
    skriptBoxen().antworten << ErgebnisJa;
    waehlen(s->CWurfvorw, 0);
    EXPECT_EQ(gezeigt().size(), 2);
    EXPECT_EQ(WurfvorwListe, (QStringList{"A;25;25;20;1;;", "B;15;10;12;3;;"}));
    EXPECT_EQ(s->EVorwAbr->text(), QStringLiteral("25"));

    // The set mode and the lane buttons count as changes; showing the page clears.
    s->CVorwSaetze->setCurrentIndex(1);
    EXPECT_TRUE(s->vorwahlGeaendert());
    dlg->TabControlOptionen->setCurrentIndex(TOptionen::Allgemein);
    dlg->TabControlOptionen->setCurrentIndex(TOptionen::Vorwahl);
    EXPECT_FALSE(s->vorwahlGeaendert());
    s->BtnBahnenLoeschen->click();
    EXPECT_TRUE(s->vorwahlGeaendert());
}

TEST_F(VorwahlSeite, TwentyPresetsDisableNewUntilOneIsDeleted)
{
    for (int i = 1; i <= 19; ++i) WurfvorwListe << QStringLiteral("P%1;%1;10;20;1;;").arg(i);
    oeffnen();
    waehlen(s->CWurfvorw, 4);  // P5
    s->CWurfvorw->setEditText(QStringLiteral("Neu"));
    s->BtnWurfvorwNeu->click();

    ASSERT_EQ(WurfvorwListe.size(), 20);
    EXPECT_EQ(s->CWurfvorw->count(), 20);
    // Directly after P5, with P5's fields under the new name; the edits emptied.
    EXPECT_EQ(WurfvorwListe.at(5), QStringLiteral("Neu;5;10;20;1;;"));
    EXPECT_EQ(s->CWurfvorw->itemText(5), QStringLiteral("Neu"));
    EXPECT_EQ(WurfvorwListe.at(6), QStringLiteral("P6;6;10;20;1;;"));
    EXPECT_EQ(s->gemerkteVorwahl(), 5);
    EXPECT_EQ(s->EVorwVolle->text() + s->EVorwAbr->text() + s->EVorwZeit->text(), QString());
    EXPECT_FALSE(s->BtnWurfvorwNeu->isEnabled());

    s->BtnWurfvowLoeschen->click();
    EXPECT_EQ(WurfvorwListe.size(), 19);
    EXPECT_EQ(WurfvorwListe.at(5), QStringLiteral("P6;6;10;20;1;;"));
    EXPECT_EQ(s->CWurfvorw->currentIndex(), 0);
    EXPECT_EQ(s->gemerkteVorwahl(), 0);
    EXPECT_EQ(s->EVorwVolle->text(), QStringLiteral("1"));  // P1 shown
    EXPECT_TRUE(s->BtnWurfvorwNeu->isEnabled());
}

TEST_F(VorwahlSeite, NameListsHoldTwentyEntries)
{
    GruppeListe = Nummeriert(QStringLiteral("G%1"), 1, 19);
    KlasseListe = Nummeriert(QStringLiteral("K%1"), 1, 19);
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;;") + Nummeriert(QStringLiteral("Bahn %1"), 1, 16).join(';') +
                     QStringLiteral(";Bahn 1 bis 2;Bahn 3 bis 4;Bahn 5 und 6")};
    BahnAnzahl = 16;
    oeffnen();
    struct Liste {
        QComboBox* combo;
        QPushButton *neu, *aendern, *loeschen;
        QString neuerText;
    };
    const Liste listen[] = {
        {s->CGruppe, s->BtnGruppeNeu, s->BtnGruppeUmbenennen, s->BtnGruppeLoeschen, "Jugend"},
        {s->CKlasse, s->BtnKlasseNeu, s->BtnKlasseUmbenennen, s->BtnKlasseLoeschen, "Bezirksliga"},
        {s->CVorwBahnen, s->BtnBahnenNeu, s->BtnBahnenUmbenennen, s->BtnBahnenLoeschen, "Bahn 7 bis 8"},
    };
    for (const Liste& l : listen) {
        SCOPED_TRACE(l.combo->objectName().toStdString());
        ASSERT_EQ(l.combo->count(), 19);
        EXPECT_TRUE(l.neu->isEnabled());
        const QString zweiter = l.combo->itemText(1), dritter = l.combo->itemText(2);
        waehlen(l.combo, 1);
        l.combo->setEditText(l.neuerText);
        l.neu->click();
        EXPECT_EQ(l.combo->count(), 20);
        EXPECT_EQ(l.combo->itemText(2), l.neuerText);
        EXPECT_EQ(l.combo->currentIndex(), 2);
        EXPECT_FALSE(l.neu->isEnabled());

        // The remembered entry is the new one: renamed, then deleted.
        l.combo->setEditText(l.neuerText + QStringLiteral("x"));
        l.aendern->click();
        EXPECT_EQ(l.combo->itemText(2), l.neuerText + QStringLiteral("x"));
        l.loeschen->click();
        EXPECT_EQ(l.combo->count(), 19);
        EXPECT_EQ(l.combo->itemText(1), zweiter);
        EXPECT_EQ(l.combo->itemText(2), dritter);
        EXPECT_EQ(l.combo->currentIndex(), 0);
        EXPECT_TRUE(l.neu->isEnabled());
    }
    EXPECT_TRUE(gezeigt().isEmpty());
}

TEST_F(VorwahlSeite, LaneEntriesAreCheckedAgainstTheLanesOnThePage)
{
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;;Bahn 1 bis 4")};
    BahnAnzahl = 4;
    oeffnen();
    bahnenSeite(QStringLiteral("16 Bahnen"));
    EXPECT_EQ(s->bahnAnzahl(), 16);

    struct Fall {
        const char* text;
        bool angenommen;
    };
    const Fall faelle[] = {{"Bahn 12 bis 16", true}, {"Bahn 17", false},     {"Bahn 9 und 10", true},
                           {"bahn 2", false},         {"Bahn 1 bis 17", false}, {"Bahn 16", true}};
    QStringList erwartet = {QStringLiteral("Bahn 1 bis 4")};
    int meldungen = 0;
    for (const Fall& f : faelle) {
        const QString text = QString::fromUtf8(f.text);
        s->CVorwBahnen->setEditText(text);
        s->BtnBahnenNeu->click();
        if (f.angenommen)
            erwartet << text;
        else
            ++meldungen;
        EXPECT_EQ(eintraege(s->CVorwBahnen), erwartet) << f.text;
        EXPECT_EQ(gezeigt().size(), meldungen) << f.text;
    }
    EXPECT_EQ(gezeigt().value(0), QStringLiteral("Falsche Eingabe !"));
    // A change typed in the combo is not checked.
    s->CVorwBahnen->setEditText(QStringLiteral("Bahnen 1-4"));
    s->BtnBahnenUmbenennen->click();
    EXPECT_EQ(s->CVorwBahnen->itemText(s->bahnen()->gemerkt()), QStringLiteral("Bahnen 1-4"));
    EXPECT_EQ(gezeigt().size(), meldungen);

    // The entries reach the preset's line when it is stored.
    s->BtnWurfvorwUmbenennen->click();
    EXPECT_EQ(WurfvorwListe.at(0),
              QStringLiteral("A;25;25;20;1;;;Bahn 1 bis 4;Bahn 12 bis 16;Bahn 9 und 10;Bahnen 1-4"));
}

TEST_F(VorwahlSeite, KeyboardEntriesAreCheckedWhenWrittenBack)
{
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;;Bahn 1 bis 4")};
    BahnAnzahl = 6;
    oeffnen();
    bahnenSeite(QStringLiteral("6 Bahnen"));
    TouchEingabe = 1;
    TKeyb* k = Keyb();
    auto tippenUndReturn = [&](const QString& text, QString* prompt) {
        QTimer::singleShot(0, qApp, [=] {
            *prompt = k->LText->text();
            k->EText->setText(text);
            k->BtnReturn->click();
        });
    };

    QString prompt;
    tippenUndReturn(QStringLiteral("Bahn 7"), &prompt);
    s->BtnBahnenNeu->click();
    EXPECT_EQ(prompt, QStringLiteral("Bahnen:"));
    EXPECT_EQ(Feldcode, 217);
    EXPECT_EQ(gezeigt(), QStringList{QStringLiteral("Falsche Eingabe !")});
    EXPECT_EQ(eintraege(s->CVorwBahnen), QStringList{"Bahn 1 bis 4"});  // the empty entry went again

    tippenUndReturn(QStringLiteral("Bahn 5 und 6"), &prompt);
    s->BtnBahnenNeu->click();
    EXPECT_EQ(eintraege(s->CVorwBahnen), (QStringList{"Bahn 1 bis 4", "Bahn 5 und 6"}));
    EXPECT_EQ(s->CVorwBahnen->currentIndex(), 1);
    EXPECT_EQ(gezeigt().size(), 1);

    // A layout name has its own code, not the playing time's.
    FormularNamen = Nummeriert(QStringLiteral("F%1"), 0, 20);
    dlg->hide();
    dlg->show();
    waehlen(s->CFormular, 20);
    tippenUndReturn(QStringLiteral("Vereinsbericht"), &prompt);
    const QString zeit = s->EVorwZeit->text();
    s->BtnFormularNeu->click();
    EXPECT_EQ(prompt, QStringLiteral("Formular:"));
    EXPECT_EQ(Feldcode, 209);
    EXPECT_EQ(FormularNamen.value(21), QStringLiteral("Vereinsbericht"));
    EXPECT_EQ(s->EVorwZeit->text(), zeit);
    TouchEingabe = 0;
}

TEST_F(VorwahlSeite, DeletingLayout22TakesItsNameAndFileTogether)
{
    FormularNamen = Nummeriert(QStringLiteral("F%1"), 0, 23);
    FormularDateien = QStringList(20, QStringLiteral(" ")) + Nummeriert(QStringLiteral("f%1.crd"), 20, 23);
    oeffnen();

    // The fixed layouts are neither deleted nor followed by a new one.
    waehlen(s->CFormular, 5);
    s->BtnFormularLoeschen->click();
    s->CFormular->setEditText(QStringLiteral("X"));
    s->BtnFormularNeu->click();
    EXPECT_EQ(FormularNamen.size(), 24);
    EXPECT_EQ(s->CFormular->count(), 24);

    waehlen(s->CFormular, 22);
    s->BtnFormularLoeschen->click();
    EXPECT_EQ(FormularNamen.size(), 23);
    EXPECT_EQ(FormularNamen.at(22), QStringLiteral("F23"));
    EXPECT_EQ(FormularDateien.at(22), QStringLiteral("f23.crd"));
    EXPECT_EQ(FormularDateien.at(21), QStringLiteral("f21.crd"));
    EXPECT_EQ(eintraege(s->CFormular), FormularNamen);
    EXPECT_EQ(s->CFormular->currentIndex(), 0);
    EXPECT_EQ(s->gemerktesFormular(), 0);

    // A new one after 20, with a blank file.
    waehlen(s->CFormular, 20);
    s->CFormular->setEditText(QStringLiteral("Pokal"));
    s->BtnFormularNeu->click();
    EXPECT_EQ(FormularNamen.at(21), QStringLiteral("Pokal"));
    EXPECT_EQ(FormularDateien.at(21), QStringLiteral(" "));
    EXPECT_EQ(FormularDateien.at(22), QStringLiteral("f21.crd"));
    EXPECT_EQ(s->CFormular->currentIndex(), 21);

    // Its project file chosen with "Suchen"; one whose name the list file
    // cannot hold is refused, the character named.
    for (const auto& [name, genommen, hinweis] :
         {std::tuple{"Yılmaz.crd", false, "„ı“ kann hier nicht gespeichert werden."},
          {"Ağa/Pokal.crd", false, "„ğ“ kann hier nicht gespeichert werden."}, {"Pokal.crd", true, ""}}) {
        const QString gewaehlt = QDir(Datenverzeichnis).filePath(QString::fromUtf8(name));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(gewaehlt).path()));
        ASSERT_TRUE(QFile(gewaehlt).open(QIODevice::WriteOnly));
        QTimer::singleShot(0, qApp, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->selectFile(gewaehlt);
            QMetaObject::invokeMethod(d, "accept");
        });
        s->BtnFormularSuchen->click();
        EXPECT_EQ(FormularDateien.at(21), genommen ? gewaehlt : QStringLiteral(" ")) << name;
        std::unique_ptr<QLabel> l(s->CFormular->findChild<QLabel*>(QStringLiteral("Zeichenhinweis")));
        EXPECT_EQ(l ? l->text() : QString(), QString::fromUtf8(hinweis)) << name;
    }
}

TEST_F(VorwahlSeite, FreelyDefinedShowsTheStartOrderButtonAndItsPlanIsStored)
{
    WurfvorwListe = {QStringLiteral("A;25;25;20;1;;;Bahn 1 bis 4"),
                     QStringLiteral("Frei;15;15;12;5;;;Bahn 1 bis 2;Bahn 3 bis 4")};
    oeffnen();
    EXPECT_FALSE(s->BtnStartfolge->isVisible());
    for (int i = 0; i < s->CVorwSaetze->count(); ++i) {
        s->CVorwSaetze->setCurrentIndex(i);
        EXPECT_EQ(s->BtnStartfolge->isVisible(), s->CVorwSaetze->currentText() == QStringLiteral("frei definiert"));
    }
    s->CVorwSaetze->setCurrentIndex(0);
    skriptBoxen().antworten << ErgebnisNein;
    waehlen(s->CWurfvorw, 1);
    EXPECT_TRUE(s->BtnStartfolge->isVisible());
    if (const QString ordner = qEnvironmentVariable("CORVALINK_BILDER"); !ordner.isEmpty())
        dlg->grab().save(QDir(ordner).filePath(QStringLiteral("optionen-vorwahl.png")));

    // The editor opens on this preset's selected lane entry; OK saves its plan.
    waehlen(s->CVorwBahnen, 1);
    const bool ok = ImDialog<TStartfolge>(hub, [&] { s->BtnStartfolge->click(); return true; }, [](TStartfolge& d) {
        EXPECT_EQ(d.Vorwahl, 1);
        EXPECT_EQ(d.BahnText, QStringLiteral("Bahn 3 bis 4"));
        d.EStartfolge->setText(QStringLiteral("03-04"));
        d.BtnOkClick();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(startfolgeZustand.VorgabeVorwahl, -1);
    const QString plan = QDir(Datenverzeichnis).filePath(QStringLiteral("Startfolge.inf"));
    ASSERT_TRUE(QFile::remove(plan));

    // Storing the preset stores the plan confirmed for it once more.
    s->BtnWurfvorwUmbenennen->click();
    EXPECT_TRUE(DateiInhalt(plan).startsWith("[Coord_1]\r\n"));
    EXPECT_EQ(WurfvorwListe.at(1), QStringLiteral("Frei;15;15;12;5;;;Bahn 1 bis 2;Bahn 3 bis 4"));

    // A preset whose plan was not edited here keeps the file as it is.
    ASSERT_TRUE(QFile::remove(plan));
    waehlen(s->CWurfvorw, 0);
    s->CVorwSaetze->setCurrentIndex(4);
    s->BtnWurfvorwUmbenennen->click();
    EXPECT_EQ(WurfvorwListe.at(0), QStringLiteral("A;25;25;20;5;;;Bahn 1 bis 4"));
    EXPECT_FALSE(QFile::exists(plan));
}

TEST_F(VorwahlSeite, OkStoresTheSettingsAndWritesTheListFiles)
{
    Einst.Sektion = QStringLiteral("Classic");
    Einst.FormularNummer = 0;
    FormularNamen = {QStringLiteral("Spielbericht"), QStringLiteral("Kurzbericht"), QStringLiteral("Pokal")};
    WurfvorwListe = {QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4"), QStringLiteral("200 Wurf;25;25;20;4;;")};
    GruppeListe = {QStringLiteral("Herren")};
    oeffnen();

    s->CSektion->setCurrentIndex(s->CSektion->findText(QStringLiteral("Schere")));
    waehlen(s->CFormular, 2);
    s->CGruppe->setEditText(QStringLiteral("Damen"));
    s->BtnGruppeNeu->click();
    s->CKlasse->setEditText(QStringLiteral("Landesliga"));
    s->BtnKlasseNeu->click();
    // A change not yet stored: OK asks, "Ja" keeps it.
    tippen(s->EVorwZeit, QStringLiteral("14"));
    skriptBoxen().antworten << ErgebnisJa;
    ASSERT_TRUE(dlg->BtnOKClick());
    EXPECT_EQ(gezeigt(), QStringList{QStringLiteral("Änderungen übernehmen ?")});

    EXPECT_EQ(Einst.Sektion, QStringLiteral("Schere"));
    EXPECT_EQ(Einst.FormularNummer, 2);
    EXPECT_EQ(GruppeListe, (QStringList{"Herren", "Damen"}));
    EXPECT_EQ(KlasseListe, QStringList{"Landesliga"});
    const QDir daten(Datenverzeichnis);
    EXPECT_EQ(DateiInhalt(daten.filePath(QStringLiteral("Wurfvorw.inf"))),
              QByteArray("120 Wurf;30;0;14;3;;;Bahn 1 bis 4\r\n200 Wurf;25;25;20;4;;\r\n"));
    EXPECT_EQ(DateiInhalt(daten.filePath(QStringLiteral("Gruppe.inf"))), QByteArray("Herren\r\nDamen\r\n"));
    EXPECT_EQ(DateiInhalt(daten.filePath(QStringLiteral("Klasse.inf"))), QByteArray("Landesliga\r\n"));
    EXPECT_EQ(DateiInhalt(daten.filePath(QStringLiteral("Formular.inf"))),
              QByteArray("Spielbericht\r\nKurzbericht\r\nPokal\r\n"));
    EXPECT_TRUE(DateiInhalt(InfDatei).contains("[Wurfvorwahl]\r\nSektion = Schere\r\nVorwFormular = 2\r\n"));

    // Read back as the next start does.
    Einst.Sektion.clear();
    Einst.FormularNummer = 0;
    InfListe = TextdateiLesen(InfDatei).value_or(QStringList());
    EinstellungenLesen();
    EXPECT_EQ(Einst.Sektion, QStringLiteral("Schere"));
    EXPECT_EQ(Einst.FormularNummer, 2);
}

TEST_F(VorwahlSeite, NoLayoutSelectedKeepsTheLayoutNumber)
{
    Einst.FormularNummer = 7;
    Einst.Sektion = QStringLiteral("Kegeln");
    oeffnen();
    EXPECT_EQ(s->CFormular->currentIndex(), -1);
    EXPECT_EQ(s->CSektion->currentIndex(), -1);
    ASSERT_TRUE(dlg->BtnOKClick());
    EXPECT_EQ(Einst.FormularNummer, 7);
    EXPECT_EQ(Einst.Sektion, QStringLiteral("Kegeln"));
    EXPECT_TRUE(DateiInhalt(InfDatei).contains("VorwFormular = 7\r\n"));
}

// The help button shows the preset help file in the help window.
TEST_F(VorwahlSeite, HelpShowsTheHelpFileOrNamesItMissing)
{
    Hilfeverzeichnis = ordner.path();
    oeffnen();
    s->BtnWurfvorwHelp->click();
    ASSERT_EQ(gezeigt().size(), 1);
    EXPECT_TRUE(gezeigt()[0].contains(QStringLiteral("Hilfe_Wurfvorw.rtf ist nicht vorhanden !")));

    QFile f(QDir(ordner.path()).filePath(QStringLiteral("Hilfe_Wurfvorw.rtf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Volle\\tab 15\\par Abr\\'e4umen\\par}");
    f.close();
    QString text;
    QTimer::singleShot(0, qApp, [&] {
        auto* hilfe = qobject_cast<THilfe*>(QApplication::activeModalWidget());
        if (!hilfe) return;
        text = hilfe->REHilfe->toPlainText();
        hilfe->BtnOK->click();
    });
    s->BtnWurfvorwHelp->click();
    EXPECT_EQ(text, QStringLiteral("Volle\t15\nAbräumen"));
    EXPECT_EQ(gezeigt().size(), 1);
    Hilfeverzeichnis.clear();
}
