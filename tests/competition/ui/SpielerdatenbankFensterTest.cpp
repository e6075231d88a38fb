#include "competition/Spielerdatenbank.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Suchen.h"
#include "competition/ui/Wettkampf.h"
#include "competition/ui/WettkampfDatenbank.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Farben.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Cupsserver.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Pdf.h"
#include "support/Warten.h"
#include "core/ui/Drucker.h"
#include "platform/bericht/Berichtsoberflaeche.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "report/projekte/L8.h"
#include "platform/bericht/ui/QtBerichtsoberflaeche.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <ostream>

namespace {

SpielerZeile ZeileMit(std::initializer_list<std::pair<int, const char*>> zellen)
{
    SpielerZeile z;
    for (const auto& [spalte, wert] : zellen) z[std::size_t(spalte)] = QByteArray(wert);
    return z;
}

// The database on file before the window opens.
std::vector<SpielerZeile> Bestand()
{
    return {ZeileMit({{0, "KSV"}, {1, "Zander"}, {2, "300"}, {3, "01.02.80"}, {4, "Herren"}}),
            ZeileMit({{0, "SKC"}, {1, "Anna"}, {2, "100"}}),
            ZeileMit({{1, "Meier"}, {2, "200"}}),
            ZeileMit({{1, "Hans Meier"}, {2, "400"}})};
}

class Datenbankfenster : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(ordner.isValid());
        aufstellungZustand.zuruecksetzen();
        spielerdatenbankZustand.zuruecksetzen();
        Einst.DatenbankPfad = ordner.path();
        datei = ordner.filePath(QStringLiteral("Spieler.xrs"));
        Spielertabelle t;
        t.setZeilen(Bestand());
        ASSERT_TRUE(SpielerdatenbankSchreiben(datei, t).ok);
        Spielerdatenbank().setZeilen({});

        WurfvorwListe = {QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4")};
        ASSERT_TRUE(WettkampfAnlegen());
        WettkampfGrundoptionenSetzen();
        AktWettkampf->Geaendert = 0;
        oeffnen();
    }
    void TearDown() override
    {
        fensterW.reset();
        Spielerdatenbank().setZeilen({});
        spielerdatenbankZustand.zuruecksetzen();
        aufstellungZustand.zuruecksetzen();
        Grundlage::TearDown();
    }
    void oeffnen()
    {
        fensterW = std::make_unique<TWettkampf>();
        fensterW->aktualisieren();
        fensterW->resize(1200, 980);
        fensterW->show();
        grid = fensterW->DBGridStarter;
        modell = grid->model();
    }
    TWettkampfDaten& w() const { return *AktWettkampf; }
    QString zelle(int r, int c) const { return modell->index(r, c).data().toString(); }
    QStringList namen() const
    {
        QStringList l;
        for (int r = 0; r < modell->rowCount(); ++r) l << zelle(r, 1);
        return l;
    }
    // A press and release on the cell, as the operator clicks it.
    void zelleKlicken(int r, int c)
    {
        grid->scrollTo(modell->index(r, c));
        Klicken(grid->viewport(), Qt::LeftButton, QRectF(grid->visualRect(modell->index(r, c))).center());
    }
    bool zeileAblegen(int zeile, int slot)
    {
        std::unique_ptr<QMimeData> daten(modell->mimeData({modell->index(zeile, 3)}));
        const QPoint p = fensterW->name(slot)->rect().center();
        QDragEnterEvent hinein(p, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fensterW->name(slot), &hinein);
        if (!hinein.isAccepted()) return false;
        QDropEvent ab(p, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fensterW->name(slot), &ab);
        return ab.isAccepted();
    }

    QTemporaryDir ordner;
    QString datei;
    std::unique_ptr<TWettkampf> fensterW;
    QTableView* grid = nullptr;
    QAbstractItemModel* modell = nullptr;
};

}  // namespace

TEST_F(Datenbankfenster, ThePanelShowsTheDatabaseWithItsColumns)
{
    EXPECT_EQ(fensterW->findChild<QTableView*>(QStringLiteral("DBGridStarter")), grid);
    ASSERT_EQ(modell->columnCount(), 12);
    const QStringList koepfe = {"Club", "Name", "Passnummer", "Geburtsdatum", "Gruppe", "Nation",
                                "Plz",  "Ort",  "Adresse",    "Tel",          "Fax",    "email"};
    const int breiten[] = {170, 170, 85, 95, 130, 100, 60, 140, 170, 100, 100, 170};
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(modell->headerData(c, Qt::Horizontal).toString(), koepfe[c]);
        // The width the column's texts take, more where the heading needs it.
        EXPECT_GE(grid->columnWidth(c), breiten[c]) << c;
        EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c)) << c;
    }
    EXPECT_EQ(namen(), (QStringList{"Zander", "Anna", "Meier", "Hans Meier"}));
    EXPECT_EQ(zelle(0, 3), QStringLiteral("01.02.80"));
    // Rows 20 high, higher where the row headings' font needs it (Qt holds
    // that least height, which depends on the machine's fonts).
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), std::max(20, grid->verticalHeader()->minimumSectionSize()));
    EXPECT_TRUE(modell->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(DatenbankGeaendert, 0);

    // Closed at first; the menu item, the close button, a double click on
    // the panel and the splitter open and close it.
    QWidget* panel = fensterW->DBStarterPanel;
    EXPECT_EQ(panel->height(), 0);
    EXPECT_EQ(fensterW->MOeffnen->text(), QStringLiteral("&Öffnen"));
    fensterW->MOeffnen->trigger();
    EXPECT_EQ(fensterW->DatenbankHoehe, 260);
    EXPECT_EQ(panel->maximumHeight(), 260);
    EXPECT_EQ(grid->maximumHeight(), 210);
    EXPECT_EQ(fensterW->MOeffnen->text(), QStringLiteral("&Schließen"));
    fensterW->BtnSchliessen->click();
    EXPECT_EQ(fensterW->DatenbankHoehe, 0);
    EXPECT_EQ(fensterW->MOeffnen->text(), QStringLiteral("&Öffnen"));

    QFrame* splitter = fensterW->Splitter;
    auto ziehen = [splitter](int dy) {
        const QPointF p(20, 2);
        QMouseEvent druck(QEvent::MouseButtonPress, p, splitter->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(splitter, &druck);
        const QPointF q = p + QPointF(0, dy);
        QMouseEvent zug(QEvent::MouseMove, q, splitter->mapToGlobal(p) + QPointF(0, dy), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(splitter, &zug);
        QMouseEvent los(QEvent::MouseButtonRelease, q, splitter->mapToGlobal(p) + QPointF(0, dy), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(splitter, &los);
    };
    ziehen(120);
    EXPECT_EQ(fensterW->DatenbankHoehe, 120);
    ziehen(500);
    EXPECT_EQ(fensterW->DatenbankHoehe, 260);
    ziehen(-900);
    EXPECT_EQ(fensterW->DatenbankHoehe, 0);
    fensterW->DatenbankFensterSetzen(100);
    const QPointF mitte(panel->width() / 2.0, 10);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, mitte, panel->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(panel, &doppel);
    EXPECT_EQ(fensterW->DatenbankHoehe, 260);

    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty()) {
        for (auto [feld, text] : {std::pair(fensterW->EClub, "KSV"), std::pair(fensterW->EGast, "SKC")}) {
            feld->setText(QString::fromLatin1(text));
            emit feld->textEdited(feld->text());
        }
        for (auto [zeile, slot] : {std::pair(0, 1), std::pair(2, 2), std::pair(1, 9)})
            ASSERT_TRUE(zeileAblegen(zeile, slot));
        QApplication::processEvents();  // the layout after the panel opened
        QHeaderView* kopf = grid->horizontalHeader();
        Klicken(kopf->viewport(), Qt::LeftButton, QPointF(kopf->sectionViewportPosition(1) + 20, 8));
        zelleKlicken(2, 1);
        fensterW->grab().save(QDir(bilder).filePath(QStringLiteral("wettkampf-datenbank.png")));
    }
}

// Maximized in the program's window on a screen of 1024 x 768, with a font
// larger than the columns were measured for: the open panel leaves the
// line-up fields their height (the window scrolls, the panel into view) and
// every heading fits.
TEST_F(Datenbankfenster, TheOpenPanelLeavesTheFieldsAndHeadingsTheirRoom)
{
    fensterW.reset();
    const QFont schrift = QApplication::font();
    QFont gross = schrift;
    gross.setPointSizeF(schrift.pointSizeF() * 1.5);
    QApplication::setFont(gross);
    {
        QMdiArea bereich;
        bereich.resize(1024, 660);
        auto* f = new TWettkampf;
        f->aktualisieren();
        QMdiSubWindow* rahmen = bereich.addSubWindow(f);
        bereich.show();
        rahmen->showMaximized();
        QApplication::processEvents();  // the window laid out before the panel opens
        f->DatenbankFensterSetzen(TWettkampf::DatenbankHoeheMax);

        // The opened panel scrolls into view with its rows, not its heading alone.
        auto* rollen = f->findChild<QScrollArea*>(QStringLiteral("Rollbereich"));
        ASSERT_NE(rollen, nullptr);
        const auto sichtbar = [rollen](QWidget* w) {
            const QRect r(w->mapTo(rollen->viewport(), QPoint(0, 0)), w->size());
            return rollen->viewport()->rect().contains(r);
        };
        EXPECT_TRUE(warten([&] { return sichtbar(f->DBStarterPanel); }, 5000));
        EXPECT_TRUE(sichtbar(f->Splitter));

        for (int n : {1, 6, 7, 9, 14}) {
            for (QWidget* feld : {static_cast<QWidget*>(f->name(n)), static_cast<QWidget*>(f->pass(n))})
                EXPECT_GE(feld->height(), feld->minimumSizeHint().height()) << feld->objectName().toStdString();
        }
        QHeaderView* kopf = f->DBGridStarter->horizontalHeader();
        for (int c = 0; c < SpielerSpalten; ++c)
            EXPECT_GE(kopf->sectionSize(c), kopf->sectionSizeHint(c)) << SpielerSpaltenListe[std::size_t(c)].kopf;
        if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
            bereich.grab().save(QDir(bilder).filePath(QStringLiteral("wettkampf-datenbank-klein.png")));
    }
    QApplication::setFont(schrift);
}

TEST_F(Datenbankfenster, ARowDraggedOntoASlotFillsItAndMovesTheSideDown)
{
    w().Spieler[2].Name = "Alt";
    fensterW->aktualisieren();
    EXPECT_TRUE(zeileAblegen(0, 2));
    EXPECT_EQ(DragZeile, -1);
    const TSpielerEintrag& s = w().Spieler[2];
    EXPECT_STREQ(s.Name.c_str(), "Zander");
    EXPECT_STREQ(s.Pass.c_str(), "300");
    EXPECT_STREQ(s.Gebdat.c_str(), "01.02.80");
    EXPECT_STREQ(s.Club.c_str(), "KSV");
    EXPECT_STREQ(s.Gruppe.c_str(), "Herren");  // the row brings its group
    EXPECT_EQ(s.IstHeim, 1);
    EXPECT_STREQ(w().Spieler[3].Name.c_str(), "Alt");
    EXPECT_EQ(fensterW->name(2)->text(), QStringLiteral("Zander"));
    EXPECT_EQ(fensterW->pass(2)->text(), QStringLiteral("300"));
    EXPECT_EQ(fensterW->name(3)->text(), QStringLiteral("Alt"));
    EXPECT_EQ(w().Geaendert, 1);
    EXPECT_EQ(namen().size(), 4);  // the database keeps its row

    // Into the guests, and never onto a started player.
    EXPECT_TRUE(zeileAblegen(1, 9));
    EXPECT_STREQ(w().Spieler[9].Name.c_str(), "Anna");
    EXPECT_EQ(w().Spieler[9].IstHeim, 0);
    w().Spieler[10].Gestartet = 1;
    EXPECT_FALSE(zeileAblegen(2, 10));
    EXPECT_STREQ(w().Spieler[10].Name.c_str(), "");
}

TEST_F(Datenbankfenster, HeadingClickSortsAndMarksTheHeading)
{
    fensterW->DatenbankFensterSetzen(260);
    QHeaderView* kopf = grid->horizontalHeader();
    Klicken(kopf->viewport(), Qt::LeftButton, QPointF(kopf->sectionViewportPosition(1) + 20, kopf->height() / 2.0));
    EXPECT_EQ(namen(), (QStringList{"Anna", "Hans Meier", "Meier", "Zander"}));
    EXPECT_EQ(SuchSpalte, 1);
    EXPECT_EQ(AktSpielerNr, -1);
    EXPECT_EQ(modell->headerData(1, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(128, 128, 128));
    EXPECT_EQ(modell->headerData(4, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
    EXPECT_TRUE(grid->selectionModel()->selectedIndexes().isEmpty());  // the click selects no column
    // Sorting is no change of the database.
    EXPECT_EQ(DatenbankGeaendert, 0);

    Klicken(kopf->viewport(), Qt::LeftButton, QPointF(kopf->sectionViewportPosition(2) + 20, kopf->height() / 2.0));
    EXPECT_EQ(namen(), (QStringList{"Anna", "Meier", "Zander", "Hans Meier"}));
}

// The search dialog on its own: where it begins and how it compares.
struct SuchFall {
    const char* name;
    const char* text;
    int spalte;
    bool tabellenanfang;
    bool zelleintrag;
    int markiert;
    int fund;
};
std::ostream& operator<<(std::ostream& os, const SuchFall& f) { return os << f.name; }

class Suchdialog : public Datenbankfenster, public ::testing::WithParamInterface<SuchFall> {};

// Names: 0 Zander, 1 Anna, 2 Meier, 3 Hans Meier; passes 300, 100, 200, 400.
INSTANTIATE_TEST_SUITE_P(
    TSuchen, Suchdialog,
    ::testing::Values(SuchFall{"NothingMarkedBeginsAtTheFirstRow", "Meier", 1, false, false, -1, 2},
                      SuchFall{"AfterTheMarkedRow", "Meier", 1, false, false, 2, 3},
                      SuchFall{"PastTheLastMatchChangesNothing", "Meier", 1, false, false, 3, -1},
                      SuchFall{"WholeCellSkipsAPiece", "Meier", 1, false, true, 2, -1},
                      SuchFall{"TableStartIncludesRowZero", "Zander", 1, true, true, 2, 0},
                      SuchFall{"OtherColumn", "00", 2, false, false, 0, 1},
                      SuchFall{"EmptyTextFindsNothing", "", 1, true, false, -1, -1},
                      SuchFall{"CaseMatters", "meier", 1, true, false, -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Suchdialog, FindsFromWhereItShould)
{
    const SuchFall& f = GetParam();
    TSuchen suchen(fensterW.get(), f.markiert);
    EXPECT_EQ(suchen.windowTitle(), QStringLiteral("Suchen"));
    EXPECT_TRUE(suchen.RBMarkierung->isChecked());
    EXPECT_EQ(suchen.CBSuchenIn->count(), 12);
    suchen.ESuchen->setText(QString::fromUtf8(f.text));
    suchen.CBSuchenIn->setCurrentIndex(f.spalte);
    (f.tabellenanfang ? suchen.RBTabellenanfang : suchen.RBMarkierung)->setChecked(true);
    (f.zelleintrag ? suchen.RBZelleintrag : suchen.RBTextteil)->setChecked(true);
    suchen.BtnSuchen->click();
    EXPECT_EQ(suchen.result(), QDialog::Accepted);
    EXPECT_EQ(suchen.fundZeile(), f.fund);
    EXPECT_EQ(suchen.fundSpalte(), f.fund >= 0 ? f.spalte : -1);
}

// F8 in the window opens the search; the find becomes current and blue, and
// the next search goes on after it.
TEST_F(Datenbankfenster, F8FindsARowAndMarksIt)
{
    fensterW->DatenbankFensterSetzen(260);
    QApplication::setActiveWindow(fensterW.get());
    zelleKlicken(1, 1);
    grid->setFocus();
    EXPECT_EQ(fensterW->MSuchen->shortcut(), QKeySequence(Qt::Key_F8));

    auto f8 = [&](const char* text, bool bild = false) {
        bool gesehen = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* s = qobject_cast<TSuchen*>(QApplication::activeModalWidget());
            if (!s) return;
            gesehen = true;
            EXPECT_EQ(s->CBSuchenIn->currentIndex(), 1);  // the column clicked last
            s->ESuchen->setText(QString::fromLatin1(text));
            const QString bilder = qEnvironmentVariable("CORVALINK_BILDER");
            if (bild && !bilder.isEmpty()) s->grab().save(QDir(bilder).filePath(QStringLiteral("suchen.png")));
            s->BtnSuchen->click();
        });
        // The window active again after the last search's dialog.
        QApplication::setActiveWindow(fensterW.get());
        grid->setFocus();
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
        QApplication::sendEvent(grid, &taste);
        EXPECT_TRUE(gesehen);
    };
    const QColor blau = FarbeZuQColor(0xFF0000);
    f8("Meier", true);
    EXPECT_EQ(grid->currentIndex(), modell->index(2, 1));
    EXPECT_EQ(modell->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), blau);
    EXPECT_EQ(spielerdatenbankZustand.SuchTrefferZeile, 2);
    f8("Meier");
    EXPECT_EQ(grid->currentIndex(), modell->index(3, 1));
    EXPECT_EQ(modell->index(3, 1).data(Qt::ForegroundRole).value<QColor>(), blau);
    EXPECT_EQ(modell->index(2, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    f8("Meier");  // no more: the mark stays
    EXPECT_EQ(grid->currentIndex(), modell->index(3, 1));

    // Saving takes the mark off.
    fensterW->BtnSpeichern->click();
    EXPECT_EQ(modell->index(3, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
}

// Each command and whether it marks the database changed.
TEST_F(Datenbankfenster, CommandsAndTheChangeMark)
{
    fensterW->DatenbankFensterSetzen(260);
    auto geaendert = [] {
        const bool g = DatenbankGeaendert;
        DatenbankGeaendert = 0;
        return g;
    };
    // A cell edit: cut to the column, an emptied cell holds no value.
    EXPECT_TRUE(modell->setData(modell->index(1, 2), QStringLiteral("12345678")));
    EXPECT_EQ(zelle(1, 2), QStringLiteral("123456"));
    EXPECT_TRUE(geaendert());
    modell->setData(modell->index(1, 0), QString());
    EXPECT_EQ(Spielerdatenbank().zelle(1, 0), std::nullopt);
    EXPECT_TRUE(geaendert());

    // Save: the file holds the edits, the mark is cleared.
    DatenbankGeaendert = 1;
    fensterW->BtnSpeichern->click();
    EXPECT_EQ(DatenbankGeaendert, 0);
    Spielertabelle gelesen;
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    EXPECT_EQ(gelesen.zelle(1, 2), QByteArray("123456"));
    EXPECT_EQ(gelesen.zelle(1, 0), std::nullopt);

    // New: a row before the rows selected.
    zelleKlicken(1, 1);
    EXPECT_EQ(fensterW->SelStartCol(), -1);
    EXPECT_EQ(fensterW->SelStartRow(), 1);
    fensterW->BtnNeu->click();
    EXPECT_EQ(namen(), (QStringList{"Zander", "", "Anna", "Meier", "Hans Meier"}));
    EXPECT_TRUE(geaendert());

    // Delete asks first.
    zelleKlicken(1, 1);
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisJa};
    fensterW->BtnLoeschen->click();
    EXPECT_EQ(modell->rowCount(), 5);
    EXPECT_FALSE(geaendert());
    fensterW->BtnLoeschen->click();
    EXPECT_EQ(namen(), (QStringList{"Zander", "Anna", "Meier", "Hans Meier"}));
    EXPECT_TRUE(geaendert());
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{"markierte Starter löschen ?", "markierte Starter löschen ?"}));

    // Update: the line-up's new players at the end, the grid on row 0.
    w().Spieler[1].Name = "Anna";
    w().Spieler[1].Pass = "123456";  // her pass number as edited above
    w().Spieler[9].Name = "Neu";
    w().Spieler[9].Pass = "900";
    w().Spieler[10].Name = "Doppelt";
    w().Spieler[10].Pass = "900";
    fensterW->BtnUpdate->click();
    EXPECT_EQ(namen(), (QStringList{"Zander", "Anna", "Meier", "Hans Meier", "Neu"}));
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_TRUE(geaendert());

    // Import through the hub; cancelled, nothing changes.
    fensterW->BtnImport->click();
    EXPECT_EQ(fenster.dialoge.last().first, Dialog::SpielerdatenbankImportieren);
    EXPECT_FALSE(geaendert());

    // Export to the file chosen; a name without extension takes the type's.
    fensterW->exportDateiWaehlen = [this] { return std::make_pair(ordner.filePath(QStringLiteral("liste")), 2); };
    fensterW->BtnExport->click();
    EXPECT_EQ(Trennzeichen, QStringLiteral(", "));
    const QByteArray text = DateiInhalt(ordner.filePath(QStringLiteral("liste.csv")));
    EXPECT_TRUE(text.startsWith("Club, Name, Passnummer,")) << text.constData();
    EXPECT_TRUE(text.endsWith("\r\n, Neu, 900, , , , , , , , , \r\n")) << text.constData();
    fensterW->exportDateiWaehlen = [] { return std::nullopt; };
    fensterW->BtnExport->click();  // cancelled: nothing

    // Print and its layout, help without its file: the notices.
    skriptBoxen().gezeigt.clear();
    Hilfeverzeichnis = ordner.path();
    fensterW->MDrucken->trigger();
    fensterW->MFormular->trigger();
    fensterW->BtnDatenbankHelp->click();
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 3);
    // Without the list project in the data folder nothing is printed, and
    // without the engine's windows there is no designer.
    EXPECT_TRUE(skriptBoxen().gezeigt[0].startsWith(QStringLiteral("Die Spielerdatenbank wurde nicht gedruckt: ")))
        << skriptBoxen().gezeigt[0].toStdString();
    EXPECT_EQ(skriptBoxen().gezeigt[1],
              QStringLiteral("Der Formulardesigner kann nicht öffnen: Der Formulardesigner ist nicht verfügbar."));
    EXPECT_TRUE(skriptBoxen().gezeigt[2].contains(QStringLiteral("Hilfe_Datenbank.rtf ist nicht vorhanden")));
    Hilfeverzeichnis.clear();
    EXPECT_FALSE(geaendert());
}

// On a real print system: a list the queue refuses is told with the printer
// and the reason.
TEST_F(Datenbankfenster, APrintedListTheQueueRefusesIsTold)
{
    if (const QString grund = CupsTestserver::fehlt(); !grund.isEmpty()) GTEST_SKIP() << grund.toStdString();
    CupsTestserver cups;
    ASSERT_TRUE(cups.fehler.isEmpty()) << cups.fehler.toStdString();
    ASSERT_TRUE(cups.befehl(QStringLiteral("cupsreject"), {"-r", "Toner leer", "pdf"})) << cups.fehler.toStdString();
    QTemporaryDir daten;
    ASSERT_TRUE(daten.isValid());
    const QString altDaten = Datenverzeichnis;
    Datenverzeichnis = daten.path();
    QFile projekt(daten.filePath(QStringLiteral("Spielerdaten.lst")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
    projekt.write(StandardProjekt(Projektart::Liste));
    projekt.close();
    Spielerdatenbank().setZeilen({ZeileMit({{0, "KSC Ahorn"}, {1, "Spieler 01"}, {2, "123"}})});
    BerichtsoberflaecheEinrichten();
    DruckdialogSetzen([](QPrinter& p, QWidget*) {
        CupsTestserver::waehlen(p, QStringLiteral("pdf"));
        return true;
    });
    skriptBoxen().gezeigt.clear();
    fensterW->MDrucken->trigger();
    DruckdialogSetzen({});
    BerichtsoberflaecheSetzen(nullptr);
    Datenverzeichnis = altDaten;
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    const QString text = skriptBoxen().gezeigt.first();
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "Die Spielerdatenbank wurde nicht gedruckt: Der Drucker „pdf“ hat den Druckauftrag nicht angenommen: ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" (Toner leer)"))) << text.toStdString();
}

TEST_F(Datenbankfenster, PagingStopsAtTheFirstAndTheLastRow)
{
    fensterW->DatenbankFensterSetzen(260);
    zelleKlicken(0, 1);
    fensterW->BtnZurueck->click();
    EXPECT_EQ(fensterW->SelStartRow(), 0);
    for (int i = 0; i < 6; ++i) fensterW->BtnVor->click();
    EXPECT_EQ(fensterW->SelStartRow(), 3);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    fensterW->BtnZurueck->click();
    EXPECT_EQ(fensterW->SelStartRow(), 2);
}

// The edit menu with the grid current: whole rows are players, a cell is text.
TEST_F(Datenbankfenster, EditMenuOnTheGrid)
{
    fensterW->DatenbankFensterSetzen(260);
    zelleKlicken(2, 1);
    EXPECT_EQ(AktSpielerNr, -1);
    for (QAction* a : {fensterW->MSpielerAusschneiden, fensterW->MSpielerKopieren, fensterW->MSpielerLoeschen})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {fensterW->MInhaltEinfuegen, fensterW->MInhaltLoeschen, fensterW->MSpielerdaten,
                       fensterW->MAusschneiden, fensterW->MKopieren})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();

    fensterW->MSpielerKopieren->trigger();
    EXPECT_STREQ(SpielerAblage.Name.c_str(), "Meier");
    EXPECT_EQ(DatenbankGeaendert, 0);
    fensterW->MSpielerAusschneiden->trigger();
    EXPECT_EQ(namen(), (QStringList{"Zander", "Anna", "Hans Meier"}));
    EXPECT_EQ(DatenbankGeaendert, 1);
    // Paste: a new row before the one selected, holding the clipboard.
    zelleKlicken(0, 1);
    fensterW->MSpielerEinfuegen->trigger();
    EXPECT_EQ(namen(), (QStringList{"Meier", "Zander", "Anna", "Hans Meier"}));
    EXPECT_EQ(zelle(0, 2), QStringLiteral("200"));

    // The clipboard into a line-up slot.
    Klicken(fensterW->name(4));
    EXPECT_EQ(AktSpielerNr, 4);
    fensterW->MInhaltEinfuegen->trigger();
    EXPECT_STREQ(w().Spieler[4].Name.c_str(), "Meier");

    // Without dragging, cells are selected one by one: text commands.
    fensterW->PopupVerschieben->trigger();
    EXPECT_EQ(GridVerschieben, 0);
    zelleKlicken(2, 1);
    EXPECT_EQ(fensterW->SelStartCol(), 1);
    EXPECT_TRUE(fensterW->MKopieren->isEnabled());
    EXPECT_FALSE(fensterW->MSpielerAusschneiden->isEnabled());
    fensterW->MKopieren->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Anna"));
    zelleKlicken(3, 0);
    fensterW->MEinfuegen->trigger();
    EXPECT_EQ(zelle(3, 0), QStringLiteral("Anna"));
    fensterW->MAusschneiden->trigger();
    EXPECT_EQ(Spielerdatenbank().zelle(3, 0), std::nullopt);
    fensterW->PopupVerschieben->trigger();
    EXPECT_EQ(GridVerschieben, 1);
}

// A cell still being edited counts when the database is saved or the match closed.
TEST_F(Datenbankfenster, AnOpenCellEditIsTakenOver)
{
    fensterW->DatenbankFensterSetzen(260);
    grid->edit(modell->index(0, 6));
    auto* editor = grid->findChild<QLineEdit*>(QStringLiteral("EZelle"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->maxLength(), 8);
    editor->setText(QStringLiteral("12345"));
    ASSERT_TRUE(GridUebernahme);
    GridUebernahme();
    EXPECT_EQ(zelle(0, 6), QStringLiteral("12345"));
    EXPECT_EQ(DatenbankGeaendert, 1);
    fensterW.reset();
    EXPECT_FALSE(GridUebernahme);
}

TEST_F(Datenbankfenster, AForeignFileGivesAnEmptyTableAndStaysUntilSaved)
{
    fensterW.reset();
    ASSERT_TRUE(QFile::remove(datei));
    ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Spieler.xrs"), "alte Spielerdaten"));
    oeffnen();
    EXPECT_EQ(modell->rowCount(), 0);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt[0].contains(QStringLiteral("keine Spielerdatenbank dieses Programms")));
    EXPECT_EQ(DateiInhalt(datei), QByteArray("alte Spielerdaten"));

    // A new row with nothing selected goes at the end; saving keeps the old file aside.
    fensterW->BtnNeu->click();
    EXPECT_EQ(modell->rowCount(), 1);
    modell->setData(modell->index(0, 1), QStringLiteral("Erster"));
    fensterW->BtnSpeichern->click();
    EXPECT_EQ(DateiInhalt(datei + QStringLiteral(".alt")), QByteArray("alte Spielerdaten"));
    Spielertabelle gelesen;
    ASSERT_TRUE(SpielerdatenbankLesen(datei, gelesen).ok);
    EXPECT_EQ(gelesen.zelle(0, 1), QByteArray("Erster"));
}

// Closing the window asks to save a changed database; one that cannot be
// saved keeps the window open.
TEST_F(Datenbankfenster, ClosingAsksToSaveAndStaysOpenWhenTheSaveFails)
{
    DatenbankGeaendert = 1;
    wettbewerb.datenbankGespeichert = false;
    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_FALSE(fensterW->close());
    EXPECT_TRUE(fensterW->isVisible());
    EXPECT_EQ(DatenbankGeaendert, 1);
    EXPECT_EQ(wettbewerb.aufrufe.count(QStringLiteral("datenbank")), 1);

    // Closing the panel asks too.
    fensterW->DatenbankFensterSetzen(260);
    wettbewerb.datenbankGespeichert = true;
    skriptBoxen().antworten = {ErgebnisJa};
    fensterW->DatenbankFensterSetzen(0);
    EXPECT_EQ(DatenbankGeaendert, 0);
    EXPECT_EQ(wettbewerb.aufrufe.count(QStringLiteral("datenbank")), 2);
    EXPECT_TRUE(fensterW->close());
    EXPECT_EQ(skriptBoxen().gezeigt.count(QStringLiteral("Spielerdatenbank speichern ?")), 2);
}

// The player list printed through the default list project into a PDF file:
// 60 players break across pages, every page with the table's header.
TEST_F(Datenbankfenster, PrintedListBreaksAcrossPagesWithItsHeader)
{
    QTemporaryDir daten;
    ASSERT_TRUE(daten.isValid());
    const QString altDaten = Datenverzeichnis;
    Datenverzeichnis = daten.path();
    QFile projekt(daten.filePath(QStringLiteral("Spielerdaten.lst")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly));
    projekt.write(StandardProjekt(Projektart::Liste));
    projekt.close();
    std::vector<SpielerZeile> zeilen;
    for (int i = 1; i <= 60; ++i) {
        const QByteArray name = "Spieler " + QByteArray::number(i).rightJustified(2, '0');
        zeilen.push_back(ZeileMit({{0, "KSC Ahorn"}, {1, name.constData()}, {2, "123"}}));
    }
    Spielerdatenbank().setZeilen(zeilen);
    BerichtsoberflaecheEinrichten();
    const QString pdf = daten.filePath(QStringLiteral("Liste.pdf"));
    DruckdialogSetzen([&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
    skriptBoxen().gezeigt.clear();
    fensterW->MDrucken->trigger();
    DruckdialogSetzen({});
    BerichtsoberflaecheSetzen(nullptr);
    Datenverzeichnis = altDaten;
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();

    const QStringList seiten = PdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(seiten.size(), 2);
    int gedruckt = 0;
    for (const QString& seite : seiten) {
        EXPECT_TRUE(seite.contains(QStringLiteral("Name"))) << seite.toStdString();
        gedruckt += int(seite.count(QRegularExpression(QStringLiteral("Spieler \\d\\d"))));
    }
    EXPECT_EQ(gedruckt, 60);
    EXPECT_TRUE(seiten.first().contains(QStringLiteral("Spieler 01")));
    EXPECT_TRUE(seiten.last().contains(QStringLiteral("Spieler 60")));
}

// The window's own report component prints the list: the page notifications
// (job option 6) and the page handler set on it before any print reach
// every page. 60 players, 45 rows a page (a 258 mm table of 5.5 mm rows
// under a header of one row): two pages.
TEST_F(Datenbankfenster, ThePlayerListPrintsThroughTheWindowsComponent)
{
    struct Drucker final : Berichtsoberflaeche {
        QList<int> seiten;
        int drucken(const QList<Berichtsseite>& s, const QString&, int, QString*) override
        {
            seiten << int(s.size());
            return BerichtOk;
        }
    } drucker;
    QTemporaryDir daten;
    ASSERT_TRUE(daten.isValid());
    const QString altDaten = Datenverzeichnis;
    Datenverzeichnis = daten.path();
    QFile projekt(daten.filePath(QStringLiteral("Spielerdaten.lst")));
    ASSERT_TRUE(projekt.open(QIODevice::WriteOnly) && projekt.write(StandardProjekt(Projektart::Liste)) > 0);
    projekt.close();
    std::vector<SpielerZeile> zeilen;
    for (int i = 1; i <= 60; ++i) {
        const std::string name = "Spieler " + std::to_string(i);
        zeilen.push_back(ZeileMit({{0, "KSC Ahorn"}, {1, name.c_str()}}));
    }
    Spielerdatenbank().setZeilen(zeilen);

    ASSERT_TRUE(fensterW->LLTool);
    QList<int> gemeldet;
    fensterW->LLTool->setEigenschaft(L8Eigenschaft::EnablePageEvent, TL8_::Yes);
    fensterW->LLTool->OnPage = [&](TL8_&, Berichtsnotiz* n) { gemeldet << n->seite; };
    BerichtsoberflaecheSetzen(&drucker);
    skriptBoxen().gezeigt.clear();
    fensterW->MDrucken->trigger();
    BerichtsoberflaecheSetzen(nullptr);
    Datenverzeichnis = altDaten;
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join('\n').toStdString();
    EXPECT_EQ(drucker.seiten, QList<int>{2});
    EXPECT_EQ(gemeldet, (QList<int>{1, 2}));
}

