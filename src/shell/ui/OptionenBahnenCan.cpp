#include "shell/ui/OptionenBahnen.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "match/bus/CanKarte.h"
#include "shell/OptionenBahnen.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* liste(QWidget* eltern, const char* name, const QStringList& eintraege, bool editierbar = false)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    c->setEditable(editierbar);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(eintraege);
    return c;
}

QLabel* anzeige(QWidget* eltern, const char* name)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(220);
    return l;
}

void auswaehlen(QComboBox* c, int index) { c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1); }

QString PortText(u16 port) { return QLatin1Char('$') + QString::number(port, 16).toUpper().rightJustified(4, u'0'); }

}  // namespace

TCanBusSeite::TCanBusSeite(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabCanBus"))
{
    setToolTip(QStringLiteral("Bitte vom Servicetechniker einstellen !"));

    QStringList takte;
    for (const TCanBusTakt& t : CanBusTaktTabelle) takte << QString::fromLatin1(t.text);

    auto* karte = new QGroupBox(this);
    CCanBusKarte = liste(karte, "CCanBusKarte", CanKartenTexte);
    CCanBusMem = liste(karte, "CCanBusMem",
                       {"suchen", "$0000", "$0001", "$0002", "$0003", "$0004", "$D000", "$D200", "$D400", "$D800",
                        "$DA00", "$DC00", "$DE00"},
                       true);
    CCanBusIrq = liste(karte, "CCanBusIrq", {"suchen", "3", "5", "7", "9", "10", "11", "12"}, true);
    CCanBusTakt = liste(karte, "CCanBusTakt", takte);
    BtnTiming = BoxKnopf(karte, QStringLiteral("BtnTiming"), QStringLiteral("Einstellen"));
    BtnSuchen = BoxKnopf(karte, QStringLiteral("BtnSuchen"), QStringLiteral("Suchen"));
    ECanTimer = new QLineEdit(karte);
    ECanTimer->setObjectName(QStringLiteral("ECanTimer"));
    ECanTimer->setMaxLength(3);
    ECanTimer->setFixedWidth(48);
    CCanSendType = liste(karte, "CCanSendType", {"single Message", "multiple Messages"});
    for (QPushButton* k : {BtnTiming, BtnSuchen}) k->setAutoDefault(false);

    auto* raster = new QGridLayout(karte);
    const std::pair<const char*, QWidget*> zeilen[] = {
        {"CAN-Karte:", CCanBusKarte}, {"Port:", CCanBusMem}, {"Interrupt:", CCanBusIrq}, {"Bustakt:", CCanBusTakt}};
    int z = 0;
    for (const auto& [text, w] : zeilen) {
        auto* l = new QLabel(QString::fromUtf8(text), karte);
        l->setBuddy(w);
        raster->addWidget(l, z, 0);
        raster->addWidget(w, z++, 1);
    }
    raster->addWidget(BtnTiming, 3, 2);
    raster->addWidget(BtnSuchen, 4, 1, Qt::AlignLeft);
    auto* timerText = new QLabel(QStringLiteral("Timer:"), karte);
    timerText->setBuddy(ECanTimer);
    auto* senden = new QHBoxLayout;
    senden->addWidget(ECanTimer);
    senden->addWidget(CCanSendType);
    senden->addStretch();
    raster->addWidget(timerText, 5, 0);
    raster->addLayout(senden, 5, 1, 1, 2);
    raster->setColumnStretch(3, 1);
    raster->setRowStretch(6, 1);

    auto* status = new QGroupBox(this);
    LStateKarte = anzeige(status, "LStateKarte");
    LStateMem = anzeige(status, "LStateMem");
    LStateIrq = anzeige(status, "LStateIrq");
    LCanState = anzeige(status, "LCanState");
    auto* spalte = new QVBoxLayout(status);
    for (QLabel* l : {LStateKarte, LStateMem, LStateIrq, LCanState}) spalte->addWidget(l);
    spalte->addStretch();

    auto* seite = new QHBoxLayout(this);
    seite->addWidget(karte, 3);
    seite->addWidget(status, 2);

    connect(CCanBusKarte, &QComboBox::activated, this, &TCanBusSeite::CCanBusKarteChange);
    connect(CCanBusTakt, &QComboBox::activated, this, &TCanBusSeite::CCanBusTaktChange);
    connect(BtnSuchen, &QPushButton::clicked, this, &TCanBusSeite::BtnSuchenClick);
    connect(BtnTiming, &QPushButton::clicked, this, [] { fenster().dialog(Dialog::CanTiming); });

    m_felder = new TastaturFelder(this, 208, 208);
    m_felder->feld(208, QStringLiteral("Can Timer 1:"), ModusZiffern, ECanTimer);
}

void TCanBusSeite::laden()
{
    const TEinstellungen& e = Einst;
    TCanEinstellungen& c = CanEinstellungen;
    CanKarteOffen = CanAktiv;
    auswaehlen(CCanBusKarte, e.CanBusKarte);
    CCanBusMem->setEditText(PortText(e.CanBusMem));
    CCanBusIrq->setEditText(QString::number(e.CanBusIrq));
    auswaehlen(CCanBusTakt, e.CanBusTakt);
    ECanTimer->setText(QString::number(e.CanBusTimer));
    auswaehlen(CCanSendType, e.CanSendType);
    c.Btr0 = c.CanBusTakt0;
    c.Btr1 = c.CanBusTakt1;
    LStateKarte->setText(CanKarteOffen ? c.KartenName : QString());
    LStateMem->setText(CanKarteOffen ? c.PortText : QString());
    LStateIrq->setText(CanKarteOffen ? c.IrqText : QString());
    LCanState->setText(c.StatusText);
    CCanBusKarteChange();
}

std::optional<u16> TCanBusSeite::port() const
{
    if (const std::optional<u16> p = CanPortWert(CCanBusMem->currentText())) return p;
    if (!CCanBusMem->isEnabled()) return Einst.CanBusMem;
    return std::nullopt;
}

std::optional<u8> TCanBusSeite::irq() const
{
    if (const std::optional<u8> i = CanIrqWert(CCanBusIrq->currentText())) return i;
    if (!CCanBusIrq->isEnabled()) return Einst.CanBusIrq;
    return std::nullopt;
}

std::optional<Feldfehler> TCanBusSeite::pruefen() const
{
    if (!port()) return Feldfehler{CCanBusMem, CanPortFehler(CCanBusMem->currentText())};
    if (!irq()) return Feldfehler{CCanBusIrq, CanIrqFehler(CCanBusIrq->currentText())};
    return std::nullopt;
}

void TCanBusSeite::speichern()
{
    CanBusWerte w;
    w.karte = CCanBusKarte->currentIndex();
    w.mem = port().value_or(Einst.CanBusMem);
    w.irq = irq().value_or(Einst.CanBusIrq);
    w.takt = CCanBusTakt->currentIndex();
    w.timer = ECanTimer->text();
    w.sendType = CCanSendType->currentIndex();
    CanBusUebernehmen(w);
}

std::vector<Optionsschluessel> TCanBusSeite::schluessel() const { return CanBusSchluessel(); }

void TCanBusSeite::gezeigt()
{
    FeldcodeMin = 208;
    FeldcodeMax = 208;
}

void TCanBusSeite::CCanBusKarteChange()
{
    const CanKartenFelder f = CanKarteFelder(CCanBusKarte->currentIndex());
    CCanBusMem->setEnabled(f.port);
    CCanBusIrq->setEnabled(f.irq);
    CCanBusTakt->setEnabled(f.takt);
    BtnSuchen->setEnabled(f.takt);
}

void TCanBusSeite::CCanBusTaktChange() { CanBtrSetzen(CCanBusTakt->currentIndex()); }

void TCanBusSeite::BtnSuchenClick()
{
    const std::optional<u16> p = port();
    if (!p) {
        CCanBusMem->setFocus();
        boxen().hinweis(CanPortFehler(CCanBusMem->currentText()));
        return;
    }
    const std::optional<u8> i = irq();
    if (!i) {
        CCanBusIrq->setFocus();
        boxen().hinweis(CanIrqFehler(CCanBusIrq->currentText()));
        return;
    }
    const int karte = CCanBusKarte->currentIndex();
    CanKarteTesten(karte, *p, *i, CCanBusTakt->currentIndex());
    if (karte <= 0) return;
    const TCanEinstellungen& c = CanEinstellungen;
    LStateKarte->setText(c.KartenName);
    LCanState->setText(c.StatusText);
    if (karte > 7) return;
    // An adapter that did not open has no port texts: the fields keep theirs.
    LStateMem->setText(c.PortText);
    LStateIrq->setText(c.IrqText);
    if (!c.PortText.isEmpty()) CCanBusMem->setEditText(c.PortText);
    if (!c.IrqText.isEmpty()) CCanBusIrq->setEditText(c.IrqText);
}
