#include "shell/ui/OptionenBahnen.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "shell/OptionenBahnen.h"
#include "shell/ui/OptionenSeiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* liste(QWidget* eltern, const char* name, const QStringList& eintraege)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QLatin1String(name));
    c->addItems(eintraege);
    return c;
}

QCheckBox* box(QWidget* eltern, const char* name, const char* text)
{
    auto* b = new QCheckBox(QString::fromUtf8(text), eltern);
    b->setObjectName(QLatin1String(name));
    return b;
}

// An index the list holds, else none.
void auswaehlen(QComboBox* c, int index) { c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1); }

}  // namespace

TBahnsteuerungSeite::TBahnsteuerungSeite(TOptionen& dialog)
    : Optionenseite(dialog, QStringLiteral("TabBahnsteuerung"))
{
    QStringList bahnen, einheiten, verbund, kopien;
    for (int b : BahnenAuswahl) bahnen << QStringLiteral("%1 Bahnen").arg(b);
    for (int n = 1; n <= 8; ++n) {
        verbund << QString::number(n);
        einheiten << QStringLiteral("Einheit %1").arg(n);
    }
    for (int n = 1; n <= 6; ++n) kopien << QString::number(n);

    auto* anlage = new QGroupBox(this);
    CBahnenAnzahl = liste(anlage, "CBahnenAnzahl", bahnen);
    CBahnSteuerung = liste(anlage, "CBahnSteuerung", {"passiv Spiel", "aktiv Spiel", "aktiv Bahn"});
    CPcVerbund = liste(anlage, "CPcVerbund", verbund);
    CPcEinheit = liste(anlage, "CPcEinheit", einheiten);
    ETimeoutBahnw = new QLineEdit(anlage);
    ETimeoutBahnw->setObjectName(QStringLiteral("ETimeoutBahnw"));
    ETimeoutBahnw->setMaxLength(3);
    ETimeoutBahnw->setFixedWidth(48);
    CBWurffehler = box(anlage, "CBWurffehler", "  Bahnwechsel mit Wurffehler");
    CBManualBahnw = box(anlage, "CBManualBahnw", "  manueller Bahnwechsel");
    CBWurfzeitBahn = box(anlage, "CBWurfzeitBahn", "  Bahn sendet Wurfzeit");
    auto* raster = new QGridLayout;
    const std::pair<const char*, QComboBox*> zeilen[] = {{"Bahnanlage:", CBahnenAnzahl},
                                                          {"Bahnsteuerung:", CBahnSteuerung},
                                                          {"PC-Verbund:", CPcVerbund},
                                                          {"PC-Einheit:", CPcEinheit}};
    int z = 0;
    for (const auto& [text, c] : zeilen) {
        auto* l = new QLabel(QString::fromUtf8(text), anlage);
        l->setBuddy(c);
        raster->addWidget(l, z, 0);
        raster->addWidget(c, z++, 1);
    }
    auto* bahnwechsel = new QHBoxLayout;
    bahnwechsel->addWidget(new QLabel(QStringLiteral("Bahnwechsel nach"), anlage));
    bahnwechsel->addWidget(ETimeoutBahnw);
    bahnwechsel->addWidget(new QLabel(QStringLiteral("Sekunden"), anlage));
    bahnwechsel->addStretch();
    auto* links = new QVBoxLayout(anlage);
    links->addLayout(raster);
    links->addSpacing(12);
    links->addLayout(bahnwechsel);
    links->addSpacing(12);
    for (QCheckBox* b : {CBWurffehler, CBManualBahnw, CBWurfzeitBahn}) links->addWidget(b);
    links->addStretch();

    auto* wurfblatt = new QGroupBox(QStringLiteral("Wurfblattdruck"), this);
    CBDrEinschalten = box(wurfblatt, "CBDrEinschalten", "  PC kann Drucker einschalten");
    CBDrWurfblatt = box(wurfblatt, "CBDrWurfblatt", "  PC steuert Wurfblattdruck");
    CBDrKopf = box(wurfblatt, "CBDrKopf", "  Wurfblatt mit Kopf drucken");
    CBDrFuss = box(wurfblatt, "CBDrFuss", "  Wurfblatt mit Fuß drucken");
    CBDrZweiBahnen = box(wurfblatt, "CBDrZweiBahnen", "  Wurfblattdruck für jeweils 2 Bahnen");
    CBDrZentral = box(wurfblatt, "CBDrZentral", "  zentraler Wurfblattdruck");
    CBDrSparmodus = box(wurfblatt, "CBDrSparmodus", "  bei 2 Bahnen Papier sparen");
    CBDruckerstatus = box(wurfblatt, "CBDruckerstatus", "  Bahn sendet Druckerstatus");
    BtnDruckerPort = BoxKnopf(wurfblatt, QStringLiteral("BtnDruckerPort"), QStringLiteral("Druckerport"));
    BtnDruckerPort->setAutoDefault(false);
    auto* rechts = new QVBoxLayout(wurfblatt);
    for (QCheckBox* b : {CBDrEinschalten, CBDrWurfblatt, CBDrKopf, CBDrFuss, CBDrZweiBahnen, CBDrZentral,
                         CBDrSparmodus, CBDruckerstatus})
        rechts->addWidget(b);
    rechts->addSpacing(8);
    auto* knopf = new QHBoxLayout;
    knopf->addWidget(BtnDruckerPort);
    knopf->addStretch();
    rechts->addLayout(knopf);
    rechts->addStretch();

    auto* bericht = new QGroupBox(QStringLiteral("Spielbericht"), this);
    CBDrBahndrucker = box(bericht, "CBDrBahndrucker", "  Spielberichtsdruck am Bahndrucker");
    CKopien = liste(bericht, "CKopien", kopien);
    CBDrGrafik = box(bericht, "CBDrGrafik", "  Windows Grafikdruck");
    auto* kopienZeile = new QHBoxLayout;
    auto* kopienText = new QLabel(QStringLiteral("Anzahl Kopien:"), bericht);
    kopienText->setBuddy(CKopien);
    kopienZeile->addWidget(kopienText);
    kopienZeile->addWidget(CKopien);
    kopienZeile->addStretch();
    auto* unten = new QVBoxLayout(bericht);
    unten->addWidget(CBDrBahndrucker);
    unten->addLayout(kopienZeile);
    unten->addWidget(CBDrGrafik);

    auto* spalteLinks = new QVBoxLayout;
    spalteLinks->addWidget(anlage, 1);
    spalteLinks->addWidget(bericht);
    auto* seite = new QHBoxLayout(this);
    seite->addLayout(spalteLinks, 1);
    seite->addWidget(wurfblatt, 1);

    connect(CBDrWurfblatt, &QCheckBox::clicked, this, &TBahnsteuerungSeite::CBDrWurfblattClick);
    connect(CBDrZweiBahnen, &QCheckBox::clicked, this, &TBahnsteuerungSeite::CBDrZweiBahnenClick);
    connect(CBDrZentral, &QCheckBox::clicked, this, &TBahnsteuerungSeite::CBDrZentralClick);
    connect(CBDrSparmodus, &QCheckBox::clicked, this, &TBahnsteuerungSeite::CBDrZentralClick);
    connect(BtnDruckerPort, &QPushButton::clicked, this, &TBahnsteuerungSeite::BtnDruckerPortClick);

    m_felder = new TastaturFelder(this, 199, 199);
    m_felder->feld(199, QStringLiteral("Timeout bei Bahnwechsel:"), ModusZiffern, ETimeoutBahnw);
}

void TBahnsteuerungSeite::laden()
{
    const TEinstellungen& e = Einst;
    auswaehlen(CPcVerbund, e.PcVerbund - 1);
    auswaehlen(CPcEinheit, e.PcEinheit - 1);
    auswaehlen(CBahnenAnzahl, BahnenEintrag(BahnAnzahl));
    auswaehlen(CBahnSteuerung, e.Bahnsteuerung);
    ETimeoutBahnw->setText(QString::number(e.TimeoutBahnw));
    CBManualBahnw->setChecked(e.ManualBahnw);
    CBWurfzeitBahn->setChecked(e.WurfzeitBahn);
    CBWurffehler->setChecked(e.Wurffehler);
    CBDrBahndrucker->setChecked(e.DrBahndrucker);
    CBDrGrafik->setChecked(e.DrGrafik);
    auswaehlen(CKopien, e.Kopien - 1);
    CBDruckerstatus->setChecked(e.DrStatus);

    OptDrucker = DruckerportArbeitskopieLaden();
    if (DruckerMitSchnittstelle(OptDrucker)) {
        CBDrEinschalten->setChecked(e.DrEinschalten);
        CBDrWurfblatt->setChecked(e.DrWurfblatt);
        CBDrZweiBahnen->setChecked(e.DrZweiBahnen);
        CBDrZentral->setChecked(e.DrZentral);
        CBDrSparmodus->setChecked(e.DrSparmodus);
        CBDrKopf->setChecked(e.DrKopf);
        CBDrFuss->setChecked(e.DrFuss);
        CBDrEinschalten->setEnabled(true);
        CBDrWurfblatt->setEnabled(true);
        CBDrWurfblattClick();
    } else {
        druckboxenAus();
    }
}

void TBahnsteuerungSeite::speichern()
{
    BahnsteuerungWerte w;
    w.bahnen = CBahnenAnzahl->currentIndex();
    w.bahnsteuerung = CBahnSteuerung->currentIndex();
    w.pcVerbund = CPcVerbund->currentIndex();
    w.pcEinheit = CPcEinheit->currentIndex();
    w.manualBahnw = CBManualBahnw->isChecked();
    w.wurfzeitBahn = CBWurfzeitBahn->isChecked();
    w.timeoutBahnw = ETimeoutBahnw->text();
    w.wurffehler = CBWurffehler->isChecked();
    w.drBahndrucker = CBDrBahndrucker->isChecked();
    w.drGrafik = CBDrGrafik->isChecked();
    w.drStatus = CBDruckerstatus->isChecked();
    w.drWurfblatt = CBDrWurfblatt->isChecked();
    w.drZweiBahnen = CBDrZweiBahnen->isChecked();
    w.drZentral = CBDrZentral->isChecked();
    w.drSparmodus = CBDrSparmodus->isChecked();
    w.drEinschalten = CBDrEinschalten->isChecked();
    w.drKopf = CBDrKopf->isChecked();
    w.drFuss = CBDrFuss->isChecked();
    w.kopien = CKopien->currentText();
    BahnsteuerungUebernehmen(w, OptDrucker);
}

std::vector<Optionsschluessel> TBahnsteuerungSeite::schluessel() const { return BahnsteuerungSchluessel(); }

void TBahnsteuerungSeite::gezeigt()
{
    FeldcodeMin = 199;
    FeldcodeMax = 199;
}

int TBahnsteuerungSeite::bahnAnzahl() const
{
    const int i = CBahnenAnzahl->currentIndex();
    return i >= 0 && i < int(BahnenAuswahl.size()) ? BahnenAuswahl[std::size_t(i)] : BahnAnzahl;
}

void TBahnsteuerungSeite::CBDrWurfblattClick()
{
    const bool an = CBDrWurfblatt->isChecked();
    for (QCheckBox* b : {CBDrZweiBahnen, CBDrZentral, CBDrKopf, CBDrFuss, CBDrSparmodus}) {
        b->setEnabled(an);
        if (!an) b->setChecked(false);
    }
    if (an) CBDrSparmodus->setEnabled(CBDrZentral->isChecked());
}

// Two printers' sheets and the central sheet exclude each other.
void TBahnsteuerungSeite::CBDrZweiBahnenClick()
{
    if (CBDrZweiBahnen->isChecked()) CBDrZentral->setChecked(false);
    CBDrSparmodus->setEnabled(CBDrZentral->isChecked());
}

void TBahnsteuerungSeite::CBDrZentralClick()
{
    if (CBDrZentral->isChecked()) CBDrZweiBahnen->setChecked(false);
    CBDrSparmodus->setEnabled(CBDrZentral->isChecked());
}

// The printer port dialog edits the working copies. Afterwards the boxes
// follow whether a printer has a port now: enabled as at the opening, their
// check states kept, or off and disabled.
void TBahnsteuerungSeite::BtnDruckerPortClick()
{
    fenster().dialog(Dialog::Druckerport);
    if (!DruckerMitSchnittstelle(OptDrucker)) {
        druckboxenAus();
        return;
    }
    CBDrEinschalten->setEnabled(true);
    CBDrWurfblatt->setEnabled(true);
    CBDrWurfblattClick();
}

void TBahnsteuerungSeite::druckboxenAus()
{
    for (QCheckBox* b :
         {CBDrEinschalten, CBDrWurfblatt, CBDrZweiBahnen, CBDrZentral, CBDrSparmodus, CBDrKopf, CBDrFuss}) {
        b->setChecked(false);
        b->setEnabled(false);
    }
}

int OptionenBahnAnzahl(const TOptionen& dialog)
{
    const auto* s = qobject_cast<const TBahnsteuerungSeite*>(dialog.seite(TOptionen::Bahnsteuerung));
    return s ? s->bahnAnzahl() : BahnAnzahl;
}

Optionenseite* BahnsteuerungSeite(TOptionen& dialog) { return new TBahnsteuerungSeite(dialog); }
Optionenseite* CanBusSeite(TOptionen& dialog) { return new TCanBusSeite(dialog); }
