#include "competition/ui/Suchen.h"

#include "competition/Spielertabelle.h"
#include "core/Cp1252.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* Wahl(QWidget* eltern, const char* name, const QString& text)
{
    auto* r = new QRadioButton(text, eltern);
    r->setObjectName(QLatin1String(name));
    return r;
}

}  // namespace

TSuchen::TSuchen(QWidget* parent, int markiert) : QDialog(parent), LetzteFundzeile(markiert)
{
    setObjectName(QStringLiteral("Suchen"));
    setWindowTitle(QStringLiteral("Suchen"));
    HintergrundSetzen(this, u"ColorSuchen");

    ESuchen = new QLineEdit(this);
    ESuchen->setObjectName(QStringLiteral("ESuchen"));
    ESuchen->setMaxLength(30);
    ESuchen->setMinimumWidth(240);
    CBSuchenIn = new QComboBox(this);
    CBSuchenIn->setObjectName(QStringLiteral("CBSuchenIn"));
    // Every column of the grid is shown.
    for (const SpielerSpalte& s : SpielerSpaltenListe) CBSuchenIn->addItem(QString::fromLatin1(s.kopf));
    CBSuchenIn->setCurrentIndex(SuchSpalte >= 0 && SuchSpalte < SpielerSpalten ? SuchSpalte : 0);

    auto* beginn = new QGroupBox(QStringLiteral("Suchbeginn"), this);
    beginn->setObjectName(QStringLiteral("GSuchbeginn"));
    RBMarkierung = Wahl(beginn, "RBMarkierung", QStringLiteral("ab Markierung"));
    RBTabellenanfang = Wahl(beginn, "RBTabellenanfang", QStringLiteral("ab Tabellenanfang"));
    RBMarkierung->setChecked(true);
    auto* b = new QVBoxLayout(beginn);
    b->addWidget(RBMarkierung);
    b->addWidget(RBTabellenanfang);

    auto* vergleich = new QGroupBox(QStringLiteral("Vergleich"), this);
    vergleich->setObjectName(QStringLiteral("GVergleich"));
    RBTextteil = Wahl(vergleich, "RBTextteil", QStringLiteral("Textteil"));
    RBZelleintrag = Wahl(vergleich, "RBZelleintrag", QStringLiteral("Zelleintrag"));
    RBTextteil->setChecked(true);
    auto* v = new QVBoxLayout(vergleich);
    v->addWidget(RBTextteil);
    v->addWidget(RBZelleintrag);

    BtnSuchen = DialogKnopf(this, "BtnSuchen", QStringLiteral("&Suchen"));
    BtnSuchen->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    PopupColorGround = HintergrundAktion(this, u"ColorSuchen");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Suchen nach:"), this), 0, 0);
    raster->addWidget(ESuchen, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Suchen in:"), this), 1, 0);
    raster->addWidget(CBSuchenIn, 1, 1);
    auto* gruppen = new QHBoxLayout;
    gruppen->addWidget(beginn);
    gruppen->addWidget(vergleich);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BtnSuchen);
    knoepfe->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addLayout(gruppen);
    spalte->addLayout(knoepfe);

    connect(BtnSuchen, &QPushButton::clicked, this, &TSuchen::BtnSuchenClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    ESuchen->setFocus();
}

void TSuchen::BtnSuchenClick()
{
    // "ab Tabellenanfang" includes the first row.
    SuchenFrom(RBTabellenanfang->isChecked() ? 0 : LetzteFundzeile + 1);
    accept();
}

void TSuchen::SuchenFrom(int start)
{
    if (ESuchen->text().isEmpty()) return;
    const int spalte = CBSuchenIn->currentIndex();
    const int zeile = ZelleSuchen(Spielerdatenbank(), spalte, Cp1252::encode(ESuchen->text()),
                                  RBTextteil->isChecked(), start);
    if (zeile < 0) return;
    m_fundZeile = zeile;
    m_fundSpalte = spalte;
    LetzteFundzeile = zeile;
}
