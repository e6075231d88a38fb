// "Spieldaten exportieren" through the hub, with the real save dialog:
// the current match reaches the chosen file, or the failure is shown.
#include "competition/Export.h"
#include "competition/ui/Export.h"
#include "competition/ui/Fensterregistrierung.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/formulare/Formular.h"
#include "support/Dateien.h"
#include "support/Dateigrenze.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/QtDrucken.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

class Exportdialog : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        m_daten = Datenverzeichnis;
        Datenverzeichnis = tmp.path();
        ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Formular.inf"), "DKBC Spielbericht\r\nSKV Spielbericht\r\n"));
        ASSERT_TRUE(QDir(tmp.path()).mkdir(QStringLiteral("export")));
        Einst.ExportDir = ordner();
        CompetitionFensterRegistrieren(hub);
        ASSERT_TRUE(WettkampfAnlegen());
        AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("KSV Grün-Weiß 1"));
        AktWettkampf->Gastmannschaft = "Gut Holz";
        AktWettkampf->Spieler[1].Name = "Hans Meier";
        AktWettkampf->Formular = 1;
    }
    void TearDown() override
    {
        Datenverzeichnis = m_daten;
        Grundlage::TearDown();
    }
    QString ordner() const { return QDir(tmp.path()).filePath(QStringLiteral("export")); }
    QString datei(const QString& name) const { return QDir(ordner()).filePath(name); }

    // Opens the export dialog and runs `handeln` in it; `speichern` gets the
    // save dialog once OK has opened it.
    bool exportieren(const std::function<void(TExportieren&)>& handeln,
                     const std::function<void(QFileDialog&)>& speichern)
    {
        return ImDialog<TExportieren>(hub, [] { return ::fenster().dialog(Dialog::Export); }, [&](TExportieren& d) {
            handeln(d);
            bool gesehen = false;
            QTimer::singleShot(0, qApp, [&] {
                gesehen = d.SaveDialog->isVisible();
                speichern(*d.SaveDialog);
                if (d.SaveDialog->isVisible()) d.SaveDialog->reject();
            });
            d.BtnOk->click();
            EXPECT_TRUE(gesehen);
        });
    }

    QTemporaryDir tmp;
    Fensterhub hub;

private:
    QString m_daten;
    FensterDiensteEinsetzen m_hub{&hub};
};

TEST_F(Exportdialog, OpensOnTheWholeMatchWithSemicolon)
{
    AktWettkampf->Punktespiel = 1;
    EXPECT_FALSE(ImDialog<TExportieren>(hub, [] { return ::fenster().dialog(Dialog::Export); }, [&](TExportieren& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Spieldaten exportieren"));
        EXPECT_EQ(d.CExport->currentText(), QStringLiteral("gesamtes Spiel als Texttabelle"));
        EXPECT_EQ(d.CExport->count(), 3);
        EXPECT_EQ(d.CExport->itemText(2), QStringLiteral("Spielbericht als Bild"));
        // The match's report layout is selected, the layout choice disabled;
        // the layouts "Formular.inf" does not name are numbered.
        EXPECT_EQ(d.CFormular->count(), 20);
        EXPECT_EQ(d.CFormular->currentText(), QStringLiteral("SKV Spielbericht"));
        EXPECT_EQ(d.CFormular->itemText(2), QStringLiteral("Formular 2"));
        EXPECT_FALSE(d.CFormular->isEnabled() || d.LFormular->isEnabled());
        EXPECT_TRUE(d.CTrennzeichen->isEnabled() && d.LTrennzeichen->isEnabled());
        EXPECT_EQ(d.CTrennzeichen->currentText(), QStringLiteral("Semikolon (;)"));
        EXPECT_EQ(d.CExport->toolTip(), QStringLiteral("Was soll exportiert werden ?"));
        EXPECT_EQ(d.BtnOk->toolTip() + d.BtnAbbrechen->toolTip(), QStringLiteral("Exportierennicht Exportieren"));
        if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
            d.grab().save(QDir(bilder).filePath(QStringLiteral("exportieren.png")));
        EXPECT_EQ(d.PopupColorGround->text(), QStringLiteral("Hintergrund..."));
        // Choosing a table again resets the separator.
        d.CTrennzeichen->setCurrentIndex(2);
        d.CExport->setCurrentIndex(1);
        emit d.CExport->activated(1);
        EXPECT_EQ(d.CTrennzeichen->currentIndex(), 0);
        d.BtnAbbrechen->click();
    }));
    EXPECT_TRUE(QDir(ordner()).isEmpty());

    // Without a current match there is nothing to export.
    WettkampfBelegt.fill(0);
    AktWettkampf = nullptr;
    AktWettkampfNr = 0;
    EXPECT_FALSE(::fenster().dialog(Dialog::Export));
}

TEST_F(Exportdialog, ExportsTheCurrentMatchToTheChosenFile)
{
    struct Fall {
        int art;
        int trenner;
        u8 punktespiel;
        const char* vorschlag;
        QString erwartet;  // the separator in the file
    };
    const Fall faelle[] = {
        {0, 1, 0, "Spiel1.csv", QStringLiteral(", ")},
        {0, 0, 1, "Spiel1.csv", QStringLiteral("; ")},
        {1, 2, 0, "Wurfliste1.csv", QStringLiteral("\t ")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorschlag + std::to_string(f.trenner));
        AktWettkampf->Punktespiel = f.punktespiel;
        const QString ziel = datei(QStringLiteral("ziel.csv"));
        QFile::remove(ziel);
        EXPECT_TRUE(exportieren(
            [&](TExportieren& d) {
                d.CExport->setCurrentIndex(f.art);
                emit d.CExport->activated(f.art);
                d.CTrennzeichen->setCurrentIndex(f.trenner);
            },
            [&](QFileDialog& s) {
                EXPECT_EQ(s.windowTitle(), QStringLiteral("Exportieren"));
                EXPECT_EQ(s.acceptMode(), QFileDialog::AcceptSave);
                EXPECT_EQ(s.nameFilters(), (QStringList{QStringLiteral("Texttabellen (*.csv)"), QStringLiteral("Text (*.txt)")}));
                EXPECT_EQ(QDir(s.directory()).absolutePath(), QDir(ordner()).absolutePath());
                EXPECT_EQ(QFileInfo(s.selectedFiles().value(0)).fileName(), QLatin1String(f.vorschlag));
                s.selectFile(ziel);
                static_cast<QDialog&>(s).accept();  // as the dialog's own button does
            }));
        EXPECT_EQ(Trennzeichen, f.erwartet);
        const QByteArray inhalt = DateiInhalt(ziel);
        const QStringList zeilen = f.art == 1         ? WurflisteTabelle(*AktWettkampf, f.erwartet)
                                   : f.punktespiel ? SpielSatzTabelle(*AktWettkampf, f.erwartet)
                                                   : SpielTabelle(*AktWettkampf, f.erwartet);
        EXPECT_EQ(inhalt, Cp1252::encode(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        // By hand: the team line and the first player.
        if (f.art == 0) {
            EXPECT_TRUE(inhalt.contains("\r\nKSV Gr\xFCn-Wei\xDF 1" + Cp1252::encode(f.erwartet)));
        } else {
            EXPECT_TRUE(inhalt.startsWith("Heimspieler 1\r\nName\r\nHans Meier\r\nBahn0\t Bahn0\t Bahn0\t Bahn0\r\n"));
        }
    }
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{});
}

// The report as a picture: the chosen built-in layout drawn and saved as a
// bitmap; a report project's layout cannot be drawn and is named.
TEST_F(Exportdialog, ReportPictureOfTheChosenLayout)
{
    Spielort = QStringLiteral("Bayreuth");
    const QString ziel = datei(QStringLiteral("bericht.bmp"));
    auto bildExport = [&](int formular) {
        return exportieren(
            [&](TExportieren& d) {
                d.CExport->setCurrentIndex(2);
                emit d.CExport->activated(2);
                EXPECT_TRUE(d.CFormular->isEnabled());
                EXPECT_FALSE(d.CTrennzeichen->isEnabled());
                d.CFormular->setCurrentIndex(formular);
            },
            [&](QFileDialog& s) {
                EXPECT_EQ(s.nameFilters(), QStringList{QStringLiteral("Bitmap (*.bmp)")});
                EXPECT_EQ(QFileInfo(s.selectedFiles().value(0)).fileName(), QStringLiteral("Spielbericht1.bmp"));
                s.selectFile(ziel);
                static_cast<QDialog&>(s).accept();
            });
    };
    EXPECT_TRUE(bildExport(0));
    const QImage bild(ziel, "BMP");
    ASSERT_EQ(bild.size(), QSize(2430, 1628));
    const QImage soll = FormularZeichnen(*AktWettkampf, 0).bild;
    // in 256 colours
    EXPECT_EQ(bild.convertToFormat(QImage::Format_RGB32),
              soll.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                  .convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{});

    QFile::remove(ziel);
    EXPECT_FALSE(bildExport(12));
    EXPECT_FALSE(QFile::exists(ziel));
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt.constFirst().contains(QStringLiteral("Formular 12 ist kein eingebautes Formular")))
        << skriptBoxen().gezeigt.constFirst().toStdString();
    skriptBoxen().gezeigt.clear();
}

TEST_F(Exportdialog, CancelInTheSaveDialogWritesNothingAndCloses)
{
    EXPECT_FALSE(exportieren([](TExportieren&) {}, [](QFileDialog& s) { s.reject(); }));
    EXPECT_TRUE(QDir(ordner()).isEmpty());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{});
}

TEST_F(Exportdialog, AFullDiskIsShownAndTheDialogStaysOpen)
{
    const QString ziel = datei(QStringLiteral("Spiel1.csv"));
    bool offen = false;
    EXPECT_FALSE(ImDialog<TExportieren>(hub, [] { return ::fenster().dialog(Dialog::Export); }, [&](TExportieren& d) {
        QTimer::singleShot(0, qApp, [&] {
            d.SaveDialog->selectFile(ziel);
            static_cast<QDialog*>(d.SaveDialog)->accept();
        });
        Dateigrenze voll(100);
        ASSERT_TRUE(voll.gesetzt());
        d.BtnOk->click();
        offen = d.isVisible();
    }));
    EXPECT_TRUE(offen);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_EQ(skriptBoxen().gezeigt.constFirst(),
              QStringLiteral("Die Datei „%1“ konnte nicht exportiert werden (kein Speicherplatz mehr frei).\n"
                             "Eine vorhandene Datei dieses Namens bleibt unverändert.")
                  .arg(QDir::toNativeSeparators(ziel)));
    EXPECT_TRUE(QDir(ordner()).isEmpty());
}

}  // namespace
