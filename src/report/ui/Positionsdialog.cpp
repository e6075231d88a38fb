#include "report/ui/Positionsdialog.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "report/Berichtzustand.h"
#include "report/ui/Formularvorschau.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr u16 FeldcodeMinPosition = 185;
constexpr u16 FeldcodeMaxPosition = 189;

QLineEdit* zahlenfeld(QWidget* eltern, const char* name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(PositionZahlLaenge);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), e));
    e->setFixedWidth(70);
    return e;
}

}  // namespace

TPositionsdialog::TPositionsdialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Positionsdialog"));
    setWindowTitle(QStringLiteral("Position im Spielbericht"));
    setToolTip(QStringLiteral("Position im Spielbericht ändern"));
    HintergrundSetzen(this, u"ColorPosition");

    GBFelddefinition = new QGroupBox(QStringLiteral("Felddefinition"), this);
    GBFelddefinition->setObjectName(QStringLiteral("GBFelddefinition"));
    EName = new QLineEdit(GBFelddefinition);
    EName->setObjectName(QStringLiteral("EName"));
    EName->setMaxLength(PositionNameLaenge);
    EName->setToolTip(QStringLiteral("Feldname maximal 24 Zeichen"));
    EName->setMinimumWidth(240);
    CFormular = new QComboBox(GBFelddefinition);
    CFormular->setObjectName(QStringLiteral("CFormular"));
    CFormular->setMinimumWidth(240);
    ETop = zahlenfeld(GBFelddefinition, "ETop");
    ELeft = zahlenfeld(GBFelddefinition, "ELeft");
    EWidth = zahlenfeld(GBFelddefinition, "EWidth");
    BtnFormular = DialogKnopf(GBFelddefinition, "BtnFormular", QStringLiteral("&Formular"));
    BtnFormular->setToolTip(QStringLiteral("Spielberichtsformular einsehen und senden"));

    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("Änderungen übernehmen"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("Änderungen verwerfen"));
    for (QPushButton* b : {BtnFormular, BtnOk, BtnAbbrechen})
        connect(b, &QPushButton::pressed, b, [] { KlickSoundSpielen(); });
    // The colour chooser with its preview part here.
    PopupColorGround = HintergrundAktion(this, u"ColorPosition", nullptr, Farbvorschau::An);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(CFormular, &QComboBox::activated, this, &TPositionsdialog::CFormularChange);
    connect(BtnFormular, &QPushButton::clicked, this, &TPositionsdialog::BtnFormularClick);
    connect(BtnOk, &QPushButton::clicked, this, &TPositionsdialog::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* raster = new QGridLayout(GBFelddefinition);
    const std::pair<const char*, QWidget*> zeilen[] = {{"Feldname:", EName},
                                                       {"Formular:", CFormular},
                                                       {"obere Feldposition:", ETop},
                                                       {"linke Feldposition:", ELeft},
                                                       {"Feldlänge:", EWidth}};
    int r = 0;
    for (const auto& [text, control] : zeilen) {
        raster->addWidget(new QLabel(QString::fromUtf8(text), GBFelddefinition), r, 0);
        raster->addWidget(control, r++, 1, Qt::AlignLeft);
    }
    raster->addWidget(BtnFormular, 1, 2);
    raster->setColumnStretch(1, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(GBFelddefinition);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    m_tastatur = new TastaturFelder(this, FeldcodeMinPosition, FeldcodeMaxPosition);
    Activate();
}

// The field's name and its position on the current match's layout.
void TPositionsdialog::Activate()
{
    EName->setText(PositionFeldName);
    EName->setEnabled(PositionFeldNr <= PositionNameFrei);
    if (EName->isEnabled()) m_tastatur->feld(185, QStringLiteral("Feldname:"), ModusText, EName);
    m_tastatur->feld(187, QStringLiteral("obere Feldposition:"), ModusZiffern, ETop);
    m_tastatur->feld(188, QStringLiteral("linke Feldposition:"), ModusZiffern, ELeft);
    m_tastatur->feld(189, QStringLiteral("Feldlänge:"), ModusZiffern, EWidth);

    CFormular->clear();
    CFormular->addItems(PositionFormularListe(FormularNamen));
    CFormular->setCurrentIndex(PositionStartformular(AktWettkampf));
    werteZeigen(PositionAnzeigen(PositionFeldNr, CFormular->currentIndex(), positionenZustand.letzte));
}

void TPositionsdialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FeldcodeMin = FeldcodeMinPosition;
    FeldcodeMax = FeldcodeMaxPosition;
    BtnOk->setFocus();
}

void TPositionsdialog::done(int ergebnis)
{
    positionenZustand.letzte = werte();
    QDialog::done(ergebnis);
}

Positionswerte TPositionsdialog::werte() const { return {ETop->text(), ELeft->text(), EWidth->text()}; }

void TPositionsdialog::werteZeigen(const Positionswerte& w)
{
    ETop->setText(w.top);
    ELeft->setText(w.left);
    EWidth->setText(w.width);
}

void TPositionsdialog::CFormularChange() { werteZeigen(PositionAnzeigen(PositionFeldNr, CFormular->currentIndex())); }

void TPositionsdialog::BtnOkClick()
{
    Positionseingabe e;
    e.sektion = PositionSektion;
    e.feld = PositionFeldNr;
    e.formular = CFormular->currentIndex();
    e.nameAenderbar = EName->isEnabled();
    e.name = EName->text();
    e.werte = werte();
    const Positionsergebnis ergebnis = PositionUebernehmen(e);
    switch (ergebnis.art) {
    case Positionsuebernahme::Gespeichert: accept(); break;
    case Positionsuebernahme::NameFehlt: EName->setFocus(); break;
    case Positionsuebernahme::Fehler: boxen().hinweis(ergebnis.meldung); break;
    }
}

void TPositionsdialog::BtnFormularClick()
{
    berichtZustand.FormularIndex = u8(std::max(0, CFormular->currentIndex()));
    TFormular vorschau(this);
    vorschau.textSetzen(EName->text(), TextZuZahl(ETop->text()), TextZuZahl(ELeft->text()), TextZuZahl(EWidth->text()));
    if (!vorschau.FormActivate() || vorschau.exec() != QDialog::Accepted) return;
    const QRect r = vorschau.textRechteck();
    werteZeigen({QString::number(r.top()), QString::number(r.left()), QString::number(r.width())});
}
