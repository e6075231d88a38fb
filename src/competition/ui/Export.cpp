#include "competition/ui/Export.h"

#include "competition/Export.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "report/formulare/Formular.h"
#include "report/formulare/Positionen.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList TabellenFilter = {QStringLiteral("Texttabellen (*.csv)"), QStringLiteral("Text (*.txt)")};
const QStringList BildFilter = {QStringLiteral("Bitmap (*.bmp)")};

QComboBox* auswahl(QWidget* eltern, const char* name, const QString& hinweis, const QStringList& eintraege)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    c->setToolTip(hinweis);
    c->addItems(eintraege);
    c->setMinimumWidth(260);
    return c;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TExportieren::TExportieren(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TExportieren"));
    setWindowTitle(QStringLiteral("Spieldaten exportieren"));
    HintergrundSetzen(this, u"ColorExport");

    CExport = auswahl(this, "CExport", QStringLiteral("Was soll exportiert werden ?"),
                      {QStringLiteral("gesamtes Spiel als Texttabelle"), QStringLiteral("Wurfliste als Texttabelle"),
                       QStringLiteral("Spielbericht als Bild")});
    // One report layout name a line of "Formular.inf", the line index being
    // the layout index; layouts it does not name are "Formular <n>".
    CFormular = auswahl(this, "CFormular", QStringLiteral("Spielberichtsformular auswählen"),
                        PositionFormularListe(
                            TextdateiLesen(DateiImOrdner(Datenverzeichnis, QStringLiteral("Formular.inf")))
                                .value_or(QStringList{})));
    CTrennzeichen = auswahl(this, "CTrennzeichen", QString(),
                            {QStringLiteral("Semikolon (;)"), QStringLiteral("Komma (,)"), QStringLiteral("Tab")});
    LExport = beschriftung(this, "LExport", QStringLiteral("Export:"), CExport);
    LFormular = beschriftung(this, "LFormular", QStringLiteral("Formular:"), CFormular);
    LTrennzeichen = beschriftung(this, "LTrennzeichen", QStringLiteral("Trennzeichen:"), CTrennzeichen);

    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setToolTip(QStringLiteral("Exportieren"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    BtnAbbrechen->setToolTip(QStringLiteral("nicht Exportieren"));

    SaveDialog = new QFileDialog(this, QStringLiteral("Exportieren"));
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setFileMode(QFileDialog::AnyFile);
    // A name typed without an ending takes the one of the chosen filter.
    connect(SaveDialog, &QFileDialog::filterSelected, SaveDialog, [d = SaveDialog](const QString& filter) {
        d->setDefaultSuffix(filter.section(QStringLiteral("*."), 1).chopped(1));
    });

    PopupColorGround = HintergrundAktion(this, u"ColorExport");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(CExport, &QComboBox::activated, this, &TExportieren::CExportClick);
    connect(BtnOk, &QPushButton::clicked, this, &TExportieren::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {BtnOk, BtnAbbrechen}) connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });

    auto* raster = new QGridLayout;
    raster->addWidget(LExport, 0, 0);
    raster->addWidget(CExport, 0, 1);
    raster->addWidget(LFormular, 1, 0);
    raster->addWidget(CFormular, 1, 1);
    raster->addWidget(LTrennzeichen, 2, 0);
    raster->addWidget(CTrennzeichen, 2, 1);
    raster->setColumnMinimumWidth(1, 300);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addSpacing(8);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

void TExportieren::showEvent(QShowEvent* event)
{
    CExport->setCurrentIndex(int(Exportart::Spiel));
    CExportClick();
    const int formular = AktWettkampf ? AktWettkampf->Formular : -1;
    CFormular->setCurrentIndex(formular < CFormular->count() ? formular : -1);
    QDialog::showEvent(event);
}

void TExportieren::CExportClick()
{
    const bool bild = CExport->currentIndex() == int(Exportart::Bild);
    LFormular->setEnabled(bild);
    CFormular->setEnabled(bild);
    LTrennzeichen->setEnabled(!bild);
    CTrennzeichen->setEnabled(!bild);
    if (!bild) CTrennzeichen->setCurrentIndex(0);
}

void TExportieren::BtnOkClick()
{
    if (!AktWettkampf) {
        reject();
        return;
    }
    const auto art = Exportart(CExport->currentIndex());
    const bool bild = art == Exportart::Bild;
    const QString ordner = ExportOrdner();
    SaveDialog->setNameFilters(bild ? BildFilter : TabellenFilter);
    SaveDialog->setDefaultSuffix(bild ? QStringLiteral("bmp") : QStringLiteral("csv"));
    SaveDialog->setDirectory(ordner);
    SaveDialog->selectFile(QDir(ordner).filePath(ExportDateiname(art, AktWettkampfNr)));
    Trennzeichen = ExportTrennzeichen(CTrennzeichen->currentIndex());
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty() || !AktWettkampf) {
        reject();
        return;
    }
    QString fehler;
    const QString datei = SaveDialog->selectedFiles().constFirst();
    if (bild ? !FormularBildSpeichern(*AktWettkampf, CFormular->currentIndex(), datei, &fehler)
             : !SpieldatenExportieren(*AktWettkampf, art, datei, &fehler)) {
        boxen().hinweis(fehler);
        return;
    }
    accept();
}
