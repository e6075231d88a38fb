// "Importieren" through the hub's three openers: a file picked in the open
// dialog, the preview edited, meanings given, and OK into the target.
#include "competition/ui/Import.h"

#include "competition/Spielertabelle.h"
#include "competition/ui/Fensterregistrierung.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Records.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Zeichenwache.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <tuple>

namespace {

using Z = std::optional<QByteArray>;

class ImportFenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        CompetitionFensterRegistrieren(hub);
    }
    QString datei(const QString& name, const QByteArray& inhalt)
    {
        EXPECT_TRUE(DateiAblegen(tmp.path(), name, inhalt));
        return QDir(tmp.path()).filePath(name);
    }
    bool oeffnen(Dialog art, int seite, const std::function<void(TImportieren&)>& handeln)
    {
        return ImDialog<TImportieren>(hub, [&] { return ::fenster().dialog(art, seite); }, handeln);
    }
    // As the operator picks it: the file chosen in the open dialog.
    static void waehlen(TImportieren& d, const QString& pfad)
    {
        QTimer::singleShot(0, &d, [&d, pfad] {
            d.OpenDialog->selectFile(pfad);
            QMetaObject::invokeMethod(d.OpenDialog, "accept");
        });
        d.BtnDatei->click();
    }
    static void kopfKlicken(TImportieren& d, int spalte)
    {
        QHeaderView* kopf = d.XGridImport->horizontalHeader();
        Klicken(kopf->viewport(), Qt::LeftButton, QPointF(kopf->sectionViewportPosition(spalte) + 10, kopf->height() / 2.0));
    }
    static QString zelle(const TImportieren& d, int zeile, int spalte)
    {
        const QAbstractItemModel* m = d.XGridImport->model();
        return m->data(m->index(zeile, spalte)).toString();
    }
    static QString kopf(const TImportieren& d, int spalte)
    {
        return d.XGridImport->model()->headerData(spalte, Qt::Horizontal).toString();
    }

    QTemporaryDir tmp;
    Fensterhub hub;

private:
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(ImportFenster, DatabaseImportTakesThePickedFileByTheMeaningsGiven)
{
    const QString pfad = datei(QStringLiteral("spieler.csv"),
                               "Vorname,Name,Ort\nHans,M\xFCller,B\xFChl\nEva,Schulz\nOtto,Weg,Xanten\n");
    const int vorher = Spielerdatenbank().zeilen();
    const bool ok = oeffnen(Dialog::SpielerdatenbankImportieren, 0, [&](TImportieren& d) {
        EXPECT_TRUE(d.POptionen->isVisible());
        EXPECT_TRUE(d.CBHinzufuegen->isChecked());
        EXPECT_EQ(d.CTrennzeichen->currentText(), QStringLiteral("Semikolon (;)"));
        EXPECT_FALSE(d.BtnOk->isEnabled());
        d.CTrennzeichen->setCurrentIndex(1);
        waehlen(d, pfad);

        EXPECT_EQ(std::tuple(d.EDatei->text(), d.EDatei->toolTip()), std::tuple(pfad, pfad));
        EXPECT_EQ(Trennzeichen, QStringLiteral(","));
        EXPECT_EQ(std::tuple(d.EVon->text(), d.EBis->text()), std::tuple(QStringLiteral("1"), QStringLiteral("4")));
        ASSERT_EQ(std::tuple(d.XGridImport->model()->rowCount(), d.XGridImport->model()->columnCount()), std::tuple(4, 3));
        EXPECT_EQ(zelle(d, 1, 1), QStringLiteral("Müller"));
        EXPECT_FALSE(d.XGridImport->model()->data(d.XGridImport->model()->index(2, 2)).isValid());
        EXPECT_TRUE(d.BtnOk->isEnabled());

        // The heading of a column shows its meaning in CSpalte, and takes the one chosen.
        kopfKlicken(d, 0);
        EXPECT_EQ(std::tuple(d.gewaehlteSpalte(), d.CSpalte->currentText()), std::tuple(0, QStringLiteral("undefiniert")));
        d.CSpalte->setCurrentIndex(int(Spaltenbedeutung::Vorname));
        kopfKlicken(d, 1);
        EXPECT_EQ(d.CSpalte->currentText(), QStringLiteral("undefiniert"));
        d.CSpalte->setCurrentIndex(int(Spaltenbedeutung::Name));
        EXPECT_EQ(std::tuple(kopf(d, 0), kopf(d, 1), kopf(d, 2)),
                  std::tuple(QStringLiteral("Vorname"), QStringLiteral("Name"), QString()));
        // A cell forgets the column: the next choice changes no heading.
        d.XGridImport->setCurrentIndex(d.XGridImport->model()->index(1, 1));
        EXPECT_EQ(d.gewaehlteSpalte(), -1);
        d.CSpalte->setCurrentIndex(int(Spaltenbedeutung::Ort));
        EXPECT_EQ(kopf(d, 1), QStringLiteral("Name"));
        kopfKlicken(d, 0);
        EXPECT_EQ(d.CSpalte->currentText(), QStringLiteral("Vorname"));

        // The pop-up's rows; "bis" follows the row count.
        d.XGridImport->setCurrentIndex(d.XGridImport->model()->index(3, 0));
        d.PopupLoeschen->trigger();
        EXPECT_EQ(std::tuple(d.XGridImport->model()->rowCount(), d.EBis->text()), std::tuple(3, QStringLiteral("3")));
        d.XGridImport->setCurrentIndex(d.XGridImport->model()->index(1, 0));
        d.PopupEinfuegen->trigger();
        EXPECT_EQ(std::tuple(zelle(d, 1, 0), zelle(d, 2, 0), d.EBis->text()),
                  std::tuple(QString(), QStringLiteral("Hans"), QStringLiteral("4")));
        d.PopupLoeschen->trigger();
        // A cell edited in the preview is imported as edited.
        d.XGridImport->model()->setData(d.XGridImport->model()->index(2, 1), QStringLiteral("Schulte"));

        d.EVon->setText(QStringLiteral("2"));  // without the heading line
        d.BtnOk->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(DatenbankGeaendert, 1);
    ASSERT_EQ(Spielerdatenbank().zeilen(), vorher + 2);
    EXPECT_EQ(Spielerdatenbank().zeile(vorher)[1], Z("Hans M\xFCller"));
    EXPECT_EQ(Spielerdatenbank().zeile(vorher)[7], std::nullopt);
    EXPECT_EQ(Spielerdatenbank().zeile(vorher + 1)[1], Z("Eva Schulte"));
}

TEST_F(ImportFenster, EnterInThePathFieldLoadsAndOkWantsAColumnTheDatabaseTakes)
{
    // A file name on the disk takes any character.
    ZeichenwacheEinrichten();
    const QString pfad = datei(QStringLiteral("Spieler Yılmaz.csv"), "Meier; Hans\r\nSchulz; Eva\r\n");
    Spielerdatenbank().setZeilen({SpielerZeile{}});
    const auto enter = [](QLineEdit* e) {
        for (auto art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent k(art, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(e, &k);
        }
    };
    const bool ok = oeffnen(Dialog::SpielerdatenbankImportieren, 0, [&](TImportieren& d) {
        d.CBHinzufuegen->setChecked(false);
        d.EDatei->setText(QDir(tmp.path()).filePath(QStringLiteral("fehlt.csv")));
        enter(d.EDatei);
        EXPECT_FALSE(d.geladen());
        // Enter loads the typed file and does not reach OK. While the file
        // is read the window answers its events but takes no input.
        d.EDatei->clear();
        Tippen(d.EDatei, pfad);
        std::optional<bool> gesperrt;
        QMetaObject::invokeMethod(&d, [&] { gesperrt = !d.isEnabled(); }, Qt::QueuedConnection);
        enter(d.EDatei);
        EXPECT_EQ(gesperrt, std::optional(true));
        EXPECT_TRUE(d.isVisible() && d.isEnabled());
        ASSERT_TRUE(d.geladen());
        EXPECT_EQ(std::tuple(d.XGridImport->model()->rowCount(), d.XGridImport->model()->columnCount(), d.EBis->text()),
                  std::tuple(2, 2, QStringLiteral("2")));
        EXPECT_EQ(zelle(d, 1, 1), QStringLiteral("Eva"));

        // No column with a meaning the database takes: OK is refused.
        kopfKlicken(d, 1);
        d.CSpalte->setCurrentIndex(int(Spaltenbedeutung::Mannschaft));
        d.BtnOk->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Spielerdatenbank().zeilen(), 1);
        kopfKlicken(d, 0);
        d.CSpalte->setCurrentIndex(int(Spaltenbedeutung::Name));
        d.BtnOk->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(skriptBoxen().gezeigt,
              (QStringList{QStringLiteral("Die Datei „fehlt.csv“ kann nicht gelesen werden."),
                           QStringLiteral("Keiner Spalte ist eine Bedeutung für die Spielerdatenbank zugeordnet. "
                                          "Klicken Sie auf den Kopf einer Spalte und wählen Sie unter „Spalte:“, "
                                          "was sie enthält (zum Beispiel Name). Es wurde nichts importiert.")}));
    ASSERT_EQ(Spielerdatenbank().zeilen(), 2);
    EXPECT_EQ(std::tuple(Spielerdatenbank().zeile(0)[1], Spielerdatenbank().zeile(1)[1]), std::tuple(Z("Meier"), Z("Schulz")));
    Spielerdatenbank().setZeilen({});
}

TEST_F(ImportFenster, WithoutAReadableFileOkDoesNothing)
{
    const QString bild = datei(QStringLiteral("bild.csv"), QByteArray("GIF89a\0\0\0", 9));
    const QString leer = datei(QStringLiteral("leer.csv"), QByteArray());
    const int vorher = Spielerdatenbank().zeilen();
    const bool ok = oeffnen(Dialog::SpielerdatenbankImportieren, 0, [&](TImportieren& d) {
        d.CBHinzufuegen->setChecked(false);
        d.BtnOk->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.dateiLaden(bild));
        EXPECT_FALSE(d.dateiLaden(leer));
        waehlen(d, bild);
        EXPECT_EQ(d.EDatei->text(), bild);
        EXPECT_FALSE(d.geladen());
        EXPECT_FALSE(d.BtnOk->isEnabled());
        EXPECT_EQ(d.XGridImport->model()->columnCount(), 0);
        d.BtnOk->click();
        EXPECT_TRUE(d.isVisible());
        d.BtnAbbrechen->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{QStringLiteral("Die Datei „bild.csv“ ist keine Texttabelle."),
                                                  QStringLiteral("Die Datei „leer.csv“ ist leer."),
                                                  QStringLiteral("Die Datei „bild.csv“ ist keine Texttabelle.")}));
    EXPECT_EQ(std::tuple(Spielerdatenbank().zeilen(), DatenbankGeaendert), std::tuple(vorher, 0));
    // The line-up import makes no match without a file.
    EXPECT_FALSE(oeffnen(Dialog::SpielaufstellungImportieren, 0, [](TImportieren& d) { d.BtnOk->click(); }));
    EXPECT_EQ(WettkampfAnzahl, 0);
}

TEST_F(ImportFenster, LineUpImportMakesANewMatchFromTheFile)
{
    const QString pfad = datei(QStringLiteral("aufstellung.txt"),
                               "Heimmannschaft\tSKC Adler\r\nGastmannschaft\tKV Falke\r\n"
                               "Spieler1\tM\xFCller\t123456\t01.02.1980\r\nSpieler9\tSchulz\t654321\r\n");
    const bool ok = oeffnen(Dialog::SpielaufstellungImportieren, 0, [&](TImportieren& d) {
        EXPECT_FALSE(d.POptionen->isVisible());
        d.CTrennzeichen->setCurrentIndex(2);
        waehlen(d, pfad);
        EXPECT_EQ(d.XGridImport->model()->columnCount(), 4);  // from the longest line
        d.BtnOk->click();
    });
    EXPECT_TRUE(ok);
    ASSERT_EQ(WettkampfAnzahl, 1);
    const TWettkampfDaten& w = *AktWettkampf;
    EXPECT_EQ(std::tuple(w.Club.bytes(), w.Heimmannschaft.bytes(), w.Gastmannschaft.bytes()),
              std::tuple(QByteArray("SKC Adler"), QByteArray("SKC Adler 1"), QByteArray("KV Falke")));
    EXPECT_EQ(std::tuple(w.Spieler[1].Name.bytes(), w.Spieler[1].Pass.bytes(), w.Spieler[1].Gebdat.bytes()),
              std::tuple(QByteArray("M\xFCller"), QByteArray("123456"), QByteArray("01.02.80")));
    EXPECT_EQ(std::tuple(w.Spieler[9].Name.bytes(), w.Spieler[9].Pass.bytes(), w.Spieler[9].Gebdat.bytes()),
              std::tuple(QByteArray("Schulz"), QByteArray("654321"), QByteArray()));
}

// A name the match cannot hold is named at OK with what it becomes; "Nein"
// stays in the dialog, "Ja" imports it so.
TEST_F(ImportFenster, LineUpAsksBeforeANameLosesCharacters)
{
    const QString pfad = datei(QStringLiteral("aufstellung.csv"), "Spieler1;\xC3\x96mer \xC5\x9E\x61hin;123456\n");
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisJa};
    const bool ok = oeffnen(Dialog::SpielaufstellungImportieren, 0, [&](TImportieren& d) {
        waehlen(d, pfad);
        d.BtnOk->click();
        EXPECT_EQ(d.result(), 0);
        EXPECT_EQ(WettkampfAnzahl, 0);
        d.BtnOk->click();
    });
    EXPECT_TRUE(ok);
    const QString frage = QStringLiteral("Diese Einträge enthalten Zeichen, die das Programm nicht speichern kann, und "
                                         "ändern sich beim Import:\n\nÖmer Şahin → Ömer ?ahin\n\nTrotzdem importieren ?");
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{frage, frage}));
    ASSERT_EQ(WettkampfAnzahl, 1);
    EXPECT_EQ(AktWettkampf->Spieler[1].Name.bytes(), "\xD6mer ?ahin");
}

TEST_F(ImportFenster, LineUpWithAllColumnsAfterTheSeparatorChanged)
{
    const QString pfad = datei(QStringLiteral("aufstellung.csv"),
                               "Spieler1;M\xFCller;123456;01.02.1980\nSpieler9;Schulz;654321\n");
    const bool ok = oeffnen(Dialog::SpielaufstellungImportieren, 0, [&](TImportieren& d) {
        d.CTrennzeichen->setCurrentIndex(1);
        waehlen(d, pfad);
        EXPECT_EQ(d.XGridImport->model()->columnCount(), 1);
        // The operator chooses the right separator: the lines are split again.
        d.CTrennzeichen->setCurrentIndex(0);
        emit d.CTrennzeichen->activated(0);
        EXPECT_EQ(d.XGridImport->model()->columnCount(), 4);
        d.BtnOk->click();
    });
    EXPECT_TRUE(ok);
    ASSERT_EQ(WettkampfAnzahl, 1);
    const TSpielerEintrag& s = AktWettkampf->Spieler[1];
    EXPECT_EQ(std::tuple(s.Name.bytes(), s.Pass.bytes(), s.Gebdat.bytes()),
              std::tuple(QByteArray("M\xFCller"), QByteArray("123456"), QByteArray("01.02.80")));
    EXPECT_EQ(AktWettkampf->Spieler[9].Pass.bytes(), "654321");
}

TEST_F(ImportFenster, GuestImportRefreshesTheMatchWindowAndKeepsStartedPlayers)
{
    ASSERT_TRUE(WettkampfAnlegen());
    WettkampfGrundoptionenSetzen();
    AktWettkampf->Spieler[9].Name = "Alt";
    AktWettkampf->Spieler[9].Gestartet = 1;
    ::fenster().oeffnen(MdiFenster::Wettkampf);
    QWidget* fensterW = hub.mdiFenster(MdiFenster::Wettkampf);
    ASSERT_TRUE(fensterW);

    // Şahin and Łukasz: the question names only the guest player the import writes.
    const QString pfad = datei(QStringLiteral("gast.csv"),
                               "Mannschaft;KV Falke\r\nSpieler1;\xC5\x9E\x61hin\r\nSpieler2;\xC5\x81ukasz\r\n");
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(oeffnen(Dialog::MannschaftImportieren, 2, [&](TImportieren& d) {
        EXPECT_FALSE(d.POptionen->isVisible());
        waehlen(d, pfad);
        d.BtnOk->click();
    }));
    EXPECT_EQ(skriptBoxen().gezeigt,
              (QStringList{ImportAenderungenFrage({{QStringLiteral("Łukasz"), QStringLiteral("?ukasz")}}),
                           QStringLiteral("Spieler 1 hat bereits gespielt und bleibt unverändert.")}));
    EXPECT_EQ(std::tuple(AktWettkampf->Spieler[9].Name.bytes(), AktWettkampf->Spieler[10].Name.bytes()),
              std::tuple(QByteArray("Alt"), QByteArray("?ukasz")));
    EXPECT_EQ(AktWettkampf->Geaendert, 1);
    EXPECT_EQ(fensterW->findChild<QLineEdit*>(QStringLiteral("EGastName2"))->text(), QStringLiteral("?ukasz"));
    EXPECT_EQ(fensterW->findChild<QLineEdit*>(QStringLiteral("EGast"))->text(), QStringLiteral("KV Falke"));
    hub.schliessen(MdiFenster::Wettkampf);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
