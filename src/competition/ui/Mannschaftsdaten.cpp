#include "competition/ui/Mannschaftsdaten.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/ui/Farbe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Farben.h"
#include "core/ui/Tastaturfelder.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr u16 FeldcodeErstes = 185;
const QString Sektion = QStringLiteral("Mannschaftsdaten");

// Up to `stellen` digits; with `vorzeichen` a leading sign too.
QLineEdit* zahlenfeld(QWidget* eltern, const char* name, int stellen, bool vorzeichen = false)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(stellen + (vorzeichen ? 1 : 0));
    const QString muster = (vorzeichen ? QStringLiteral("[+-]?") : QString()) + QStringLiteral("\\d{0,%1}").arg(stellen);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(muster), e));
    e->setFixedWidth(70);
    return e;
}

}  // namespace

TMannschaftsdaten::TMannschaftsdaten(QWidget* parent, bool heim) : QDialog(parent)
{
    setObjectName(QStringLiteral("Mannschaftsdaten"));
    HintergrundSetzen(this, u"ColorMannschaftsdaten");

    auto* vorspiel = new QGroupBox(QStringLiteral("Vorspiel"), this);
    EVorErgebnis = zahlenfeld(vorspiel, "EVorErgebnis", 4);
    EVorSaP = zahlenfeld(vorspiel, "EVorSaP", 4);
    EVorMaP = zahlenfeld(vorspiel, "EVorMaP", 3);
    // Table points as the saved match may hold them: a sign and two digits.
    EVorTaP = zahlenfeld(vorspiel, "EVorTaP", 2, true);
    auto* vr = new QGridLayout(vorspiel);
    const std::pair<const char*, QLineEdit*> vorFelder[] = {
        {"Ergebnis:", EVorErgebnis}, {"Satzpunkte:", EVorSaP}, {"Mannschaftspunkte:", EVorMaP}, {"Tabellenpunkte:", EVorTaP}};
    int zeile = 0;
    for (const auto& [text, edit] : vorFelder) {
        vr->addWidget(new QLabel(QString::fromUtf8(text), vorspiel), zeile, 0);
        vr->addWidget(edit, zeile++, 1, Qt::AlignLeft);
    }

    auto* frei = new QGroupBox(QStringLiteral("Formularfelder"), this);
    auto* fr = new QGridLayout(frei);
    m_tastatur = new TastaturFelder(this, FeldcodeErstes, FeldcodeErstes + FreieFelder - 1);
    QLineEdit** edits[] = {&EFeld1, &EFeld2, &EFeld3, &EFeld4, &EFeld5};
    QLabel** labels[] = {&LFeld1, &LFeld2, &LFeld3, &LFeld4, &LFeld5};
    for (int i = 1; i <= FreieFelder; ++i) {
        auto* l = new QLabel(frei);
        l->setObjectName(QStringLiteral("LFeld%1").arg(i));
        l->setTextFormat(Qt::PlainText);
        auto* e = new QLineEdit(frei);
        e->setObjectName(QStringLiteral("EFeld%1").arg(i));
        e->setMaxLength(50);
        e->setMinimumWidth(300);
        e->setProperty("Tag", i);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->installEventFilter(this);
        *labels[i - 1] = l;
        *edits[i - 1] = e;
        fr->addWidget(l, i - 1, 0);
        fr->addWidget(e, i - 1, 1);
    }

    BtnNeu = DialogKnopf(this, "BtnNeu", QStringLiteral("&Neu..."));
    BtnUmbenennen = DialogKnopf(this, "BtnUmbenennen", QStringLiteral("&Umbenennen..."));
    BtnLoeschen = DialogKnopf(this, "BtnLoeschen", QStringLiteral("&Löschen"));
    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));

    PopupFeld = new QMenu(this);
    PopupFeld->setObjectName(QStringLiteral("PopupFeld"));
    PopupPosition = PopupFeld->addAction(QStringLiteral("Position..."));
    PopupPosition->setObjectName(QStringLiteral("PopupPosition"));
    PopupColorGround = HintergrundAktion(this, u"ColorMannschaftsdaten");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(BtnNeu, &QPushButton::clicked, this, &TMannschaftsdaten::BtnNeuClick);
    connect(BtnUmbenennen, &QPushButton::clicked, this, &TMannschaftsdaten::BtnUmbenennenClick);
    connect(PopupPosition, &QAction::triggered, this, &TMannschaftsdaten::BtnUmbenennenClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TMannschaftsdaten::BtnLoeschenClick);
    connect(BtnOk, &QPushButton::clicked, this, &TMannschaftsdaten::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* feldKnoepfe = new QVBoxLayout;
    feldKnoepfe->addWidget(BtnNeu);
    feldKnoepfe->addWidget(BtnUmbenennen);
    feldKnoepfe->addWidget(BtnLoeschen);
    feldKnoepfe->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addWidget(vorspiel);
    oben->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(frei, 1);
    mitte->addLayout(feldKnoepfe);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addLayout(mitte);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    // Activation: the side's names, values and rows.
    setWindowTitle(heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"));
    m_namen = FeldnamenLesen(heim);
    if (AktWettkampf) {
        const Mannschaftswerte werte = MannschaftswerteLesen(*AktWettkampf, heim);
        EVorErgebnis->setText(werte.VorErgebnis);
        EVorSaP->setText(werte.VorSaP);
        EVorMaP->setText(werte.VorMaP);
        EVorTaP->setText(werte.VorTaP);
        for (int i = 1; i <= FreieFelder; ++i) feld(i)->setText(werte.felder[i]);
    }
    anzeigen();
}

QLineEdit* TMannschaftsdaten::feld(int i) const
{
    QLineEdit* const e[] = {EFeld1, EFeld2, EFeld3, EFeld4, EFeld5};
    return e[std::clamp(i, 1, FreieFelder) - 1];
}

QLabel* TMannschaftsdaten::beschriftung(int i) const
{
    QLabel* const l[] = {LFeld1, LFeld2, LFeld3, LFeld4, LFeld5};
    return l[std::clamp(i, 1, FreieFelder) - 1];
}

// Rows, labels, keyboard fields and buttons from the working names.
void TMannschaftsdaten::anzeigen()
{
    for (int i = 1; i <= FreieFelder; ++i) {
        const u16 code = u16(FeldcodeErstes + i - 1);
        feldregister().abmelden(code, m_tastatur);
        beschriftung(i)->setText(FeldBeschriftung(m_namen.namen[i], m_namen.heim));
        beschriftung(i)->setVisible(m_namen.sichtbar[i]);
        feld(i)->setVisible(m_namen.sichtbar[i]);
        if (m_namen.sichtbar[i]) m_tastatur->feld(code, beschriftung(i)->text(), ModusText, feld(i));
    }
    BtnUmbenennen->setEnabled(m_namen.Feldanzahl > 0);
    BtnLoeschen->setEnabled(m_namen.Feldanzahl > 0);
    BtnNeu->setEnabled(m_namen.Feldanzahl < FreieFelder);
}

void TMannschaftsdaten::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BtnOk->setFocus();
}

bool TMannschaftsdaten::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int tag = objekt->property("Tag").toInt();
        if (tag >= 1 && tag <= FreieFelder) {
            EFeldMouseDown(tag);
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                PopupFeld->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QDialog::eventFilter(objekt, event);
}

void TMannschaftsdaten::EFeldMouseDown(int i)
{
    m_namen.AktFeld = i;
    PositionSektion = Sektion;
    PositionFeldName = m_namen.namen[i];
    PositionFeldNr = FormularIndex(m_namen.heim, i);
}

// A name the settings cannot keep is refused with a message.
bool TMannschaftsdaten::nameTaugt(const QString& name)
{
    const std::optional<QString> fehler = FeldnameFehler(name);
    if (fehler) boxen().hinweis(*fehler);
    return !fehler;
}

void TMannschaftsdaten::BtnNeuClick()
{
    if (m_namen.Feldanzahl >= FreieFelder) return;
    PositionSektion = Sektion;
    PositionFeldName.clear();
    PositionFeldNr = FormularIndex(m_namen.heim, m_namen.Feldanzahl + 1);
    if (!fenster().dialog(Dialog::Position) || !nameTaugt(PositionFeldName)) return;
    FeldNeu(m_namen, PositionFeldName);
    anzeigen();
}

void TMannschaftsdaten::BtnUmbenennenClick()
{
    PositionSektion = Sektion;
    PositionFeldName = m_namen.namen[std::clamp(m_namen.AktFeld, 1, FreieFelder)];
    PositionFeldNr = FormularIndex(m_namen.heim, std::clamp(m_namen.AktFeld, 1, FreieFelder));
    if (!fenster().dialog(Dialog::Position) || !nameTaugt(PositionFeldName)) return;
    FeldUmbenennen(m_namen, PositionFeldName);
    anzeigen();
}

void TMannschaftsdaten::BtnLoeschenClick()
{
    FeldLoeschen(m_namen);
    anzeigen();
}

void TMannschaftsdaten::BtnOkClick()
{
    if (!AktWettkampf) return reject();
    Mannschaftswerte werte;
    werte.VorErgebnis = EVorErgebnis->text();
    werte.VorSaP = EVorSaP->text();
    werte.VorMaP = EVorMaP->text();
    werte.VorTaP = EVorTaP->text();
    for (int i = 1; i <= FreieFelder; ++i) werte.felder[i] = feld(i)->text();
    if (const auto fehler = MannschaftswerteFehler(werte)) {
        boxen().hinweis(*fehler);
        return;
    }
    MannschaftsdatenSpeichern(*AktWettkampf, m_namen, werte);
    accept();
}
