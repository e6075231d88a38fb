#include "displays/ui/Mannschaftanz.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "displays/Mannschaftsanzeige.h"
#include "displays/ui/Anzeigedialog.h"
#include "match/flow/Spielbahnen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

using namespace Anzeigedialog;

namespace {

// A bar, at least 280 wide, between its two buttons with its two end labels
// below, on a panel of its own that enables and disables them together.
void SchieberFeld(QWidget* feld, QPushButton* runter, QSlider* s, QPushButton* rauf, const QString& links,
                  const QString& rechts)
{
    s->setMinimumWidth(280);
    auto* g = new QGridLayout(feld);
    g->setContentsMargins(0, 0, 0, 0);
    Schieberzeile(g, 0, runter, s, rauf, links, rechts);
    g->setColumnStretch(1, 1);
}

}  // namespace

MannschanzKaesten MannschanzKastenGedrueckt(MannschanzKaesten k, MannschanzKasten gedrueckt)
{
    switch (gedrueckt) {
    case MannschanzKasten::Zuschalten:
        if (k.Zuschalten) k.MannschNamen = k.MaNaWechsel = false;
        break;
    case MannschanzKasten::MannschNamen:
        if (k.MannschNamen) k.Zuschalten = false;
        else k.MaNaWechsel = false;
        break;
    case MannschanzKasten::MaPMannsch:
        if (!k.MaPMannsch) k.MaPMaWechsel = false;
        break;
    case MannschanzKasten::MaNaWechsel:
    case MannschanzKasten::MaPMaWechsel: break;
    }
    return k;
}

MannschanzFreigaben MannschanzFreigabenVon(const MannschanzKaesten& k, bool punkteanzeige)
{
    MannschanzFreigaben f;
    f.MaNaWechsel = k.MannschNamen;
    f.MaPMannsch = punkteanzeige;
    f.MaPMaWechsel = k.MaPMannsch;
    f.SchieberMaNa = k.MaNaWechsel;
    f.SchieberMaPMa = k.MaPMaWechsel;
    return f;
}

TMannschaftanz::TMannschaftanz(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Mannschaftanz"));
    setWindowTitle(QStringLiteral("Konfiguration der Mannschaftsanzeige"));
    HintergrundSetzen(this, u"ColorFormulare");

    auto* helligkeit = Benannt(new QGroupBox(QStringLiteral("Helligkeit"), this), "GHelligkeit");
    auto* hFeld = Benannt(new QWidget(helligkeit), "PHelligkeit");
    TBHelligkeit = Schieber(hFeld, "TBHelligkeit", 0, HelligkeitMax, 1, HelligkeitStufe);
    TBHelligkeit->setToolTip(QStringLiteral("Helligkeit der Anzeigetafeln"));
    BtnHelligkeitDown = Schrittknopf(hFeld, "BtnHelligkeitDown", QStringLiteral("-"), QStringLiteral("dunkler"));
    BtnHelligkeitUp = Schrittknopf(hFeld, "BtnHelligkeitUp", QStringLiteral("+"), QStringLiteral("heller"));
    SchieberFeld(hFeld, BtnHelligkeitDown, TBHelligkeit, BtnHelligkeitUp, QStringLiteral("dunkel"),
                 QStringLiteral("hell"));
    EHelligkeit = Benannt(new QLineEdit(helligkeit), "EHelligkeit");
    EHelligkeit->setReadOnly(true);
    EHelligkeit->setFocusPolicy(Qt::NoFocus);
    EHelligkeit->setFixedWidth(48);
    EHelligkeit->setAlignment(Qt::AlignRight);
    auto* h = new QHBoxLayout(helligkeit);
    h->addWidget(hFeld, 1);
    h->addWidget(EHelligkeit, 0, Qt::AlignTop);

    auto* anzeige = Benannt(new QGroupBox(QStringLiteral("Anzeige"), this), "GAnzeige");
    CBZuschalten = Kasten(anzeige, "CBZuschalten", QStringLiteral("freie Mannschaftsanzeige zuschalten"));
    CBMannschNamen = Kasten(anzeige, "CBMannschNamen", QStringLiteral("Mannschaftsergebnis in der Namenanzeige"));
    CBMaNaWechsel = Kasten(anzeige, "CBMaNaWechsel", QStringLiteral("Wechsel von Namen und Ergebnis"));
    CBMaPMannsch = Kasten(anzeige, "CBMaPMannsch", QStringLiteral("MaPunkte in der Mannschaftsanzeige"));
    CBMaPMaWechsel = Kasten(anzeige, "CBMaPMaWechsel", QStringLiteral("Wechsel von Ergebnis und MaPunkten"));

    PMaNaIntervall = Benannt(new QWidget(anzeige), "PMaNaIntervall");
    TBMaNaIntervall = Wechselschieber(PMaNaIntervall, "TBMaNaIntervall");
    TBMaNaIntervall->setToolTip(QStringLiteral("Zeit zwischen dem Wechsel von Namen und Ergebnis"));
    BtnMaNaDown =
        Schrittknopf(PMaNaIntervall, "BtnMaNaDown", QStringLiteral("-"), QStringLiteral("langsamer wechseln"));
    BtnMaNaUp = Schrittknopf(PMaNaIntervall, "BtnMaNaUp", QStringLiteral("+"), QStringLiteral("schneller wechseln"));
    SchieberFeld(PMaNaIntervall, BtnMaNaDown, TBMaNaIntervall, BtnMaNaUp, QStringLiteral("langsam"),
                 QStringLiteral("schnell"));

    PMaPMaIntervall = Benannt(new QWidget(anzeige), "PMaPMaIntervall");
    TBMaPMaIntervall = Wechselschieber(PMaPMaIntervall, "TBMaPMaIntervall");
    TBMaPMaIntervall->setToolTip(QStringLiteral("Zeit zwischen dem Wechsel von Ergebnis und MaPunkten"));
    BtnMaPMaDown =
        Schrittknopf(PMaPMaIntervall, "BtnMaPMaDown", QStringLiteral("-"), QStringLiteral("langsamer wechseln"));
    BtnMaPMaUp =
        Schrittknopf(PMaPMaIntervall, "BtnMaPMaUp", QStringLiteral("+"), QStringLiteral("schneller wechseln"));
    SchieberFeld(PMaPMaIntervall, BtnMaPMaDown, TBMaPMaIntervall, BtnMaPMaUp, QStringLiteral("langsam"),
                 QStringLiteral("schnell"));

    // An alternation and its bar stand indented below the box they depend on.
    constexpr int Einzug = 22;
    auto* a = new QGridLayout(anzeige);
    a->setColumnMinimumWidth(0, Einzug);
    a->setColumnMinimumWidth(1, Einzug);
    a->addWidget(CBZuschalten, 0, 0, 1, 3);
    a->addWidget(CBMannschNamen, 1, 0, 1, 3);
    a->addWidget(CBMaNaWechsel, 2, 1, 1, 2);
    a->addWidget(PMaNaIntervall, 3, 2);
    a->setRowMinimumHeight(4, 8);
    a->addWidget(CBMaPMannsch, 5, 0, 1, 3);
    a->addWidget(CBMaPMaWechsel, 6, 1, 1, 2);
    a->addWidget(PMaPMaIntervall, 7, 2);
    a->setColumnStretch(2, 1);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(helligkeit);
    spalte->addWidget(anzeige);
    spalte->addStretch();
    spalte->addLayout(Knopfzeile(this, BtnOK, BtnAbbruch));

    HintergrundAktion(this, u"ColorMannschaftanz");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(TBHelligkeit, &QSlider::valueChanged, this,
            [this](int v) { EHelligkeit->setText(QString::number(v)); });
    connect(EHelligkeit, &QLineEdit::textChanged, this, [](const QString& t) {
        mannschaftsanzsteuerung().HelligkeitSenden(u8(std::clamp(t.toInt(), 0, HelligkeitMax)));
    });
    // The speeds apply at once, whether or not the dialog is confirmed.
    connect(TBMaNaIntervall, &QSlider::valueChanged, this, [](int v) { Einst.MaNaIntervall = WechselIntervall(v); });
    connect(TBMaPMaIntervall, &QSlider::valueChanged, this,
            [](int v) { Einst.MaPMaIntervall = WechselIntervall(v); });

    const std::pair<QPushButton*, std::pair<QSlider*, int>> schritte[] = {
        {BtnHelligkeitDown, {TBHelligkeit, -HelligkeitStufe}}, {BtnHelligkeitUp, {TBHelligkeit, +HelligkeitStufe}},
        {BtnMaNaDown, {TBMaNaIntervall, -WechselSchritt}},      {BtnMaNaUp, {TBMaNaIntervall, +WechselSchritt}},
        {BtnMaPMaDown, {TBMaPMaIntervall, -WechselSchritt}},    {BtnMaPMaUp, {TBMaPMaIntervall, +WechselSchritt}},
    };
    for (const auto& [knopf, ziel] : schritte)
        connect(knopf, &QPushButton::pressed, this, [s = ziel.first, n = ziel.second] { Schieben(s, n); });

    const std::pair<QCheckBox*, MannschanzKasten> kaesten[] = {
        {CBZuschalten, MannschanzKasten::Zuschalten},  {CBMannschNamen, MannschanzKasten::MannschNamen},
        {CBMaNaWechsel, MannschanzKasten::MaNaWechsel}, {CBMaPMannsch, MannschanzKasten::MaPMannsch},
        {CBMaPMaWechsel, MannschanzKasten::MaPMaWechsel},
    };
    for (const auto& [box, kasten] : kaesten)
        connect(box, &QCheckBox::clicked, this, [this, k = kasten] { kastenGedrueckt(k); });

    connect(BtnOK, &QPushButton::clicked, this, &TMannschaftanz::BtnOKClick);
    KlickSoundBeim(this, {BtnHelligkeitDown, BtnHelligkeitUp, BtnMaNaDown, BtnMaNaUp, BtnMaPMaDown, BtnMaPMaUp});
}

TMannschaftanz::~TMannschaftanz() = default;

// --- Activation -----------------------------------------------------------------------------

void TMannschaftanz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    aktivieren();
    Zentrieren(this);
}

// Showing the values sends nothing to the boards and stores nothing.
void TMannschaftanz::aktivieren()
{
    {
        const QSignalBlocker still1(TBHelligkeit), still2(EHelligkeit), still3(TBMaNaIntervall),
            still4(TBMaPMaIntervall);
        const int h = std::min<int>(Einst.AnzeigeHelligkeit, HelligkeitMax);
        TBHelligkeit->setValue(h);
        EHelligkeit->setText(QString::number(h));
        TBMaNaIntervall->setValue(WechselPosition(Einst.MaNaIntervall));
        TBMaPMaIntervall->setValue(WechselPosition(Einst.MaPMaIntervall));
    }

    MannschanzKaesten k;
    if (const TWettkampfDaten* w = AktWettkampf) {
        k.Zuschalten = w->MannschNamenAnzeigen != 0;
        k.MannschNamen = w->MannschNamen != 0;
        k.MaNaWechsel = w->MaNaWechsel != 0;
        k.MaPMannsch = w->MaPMannsch != 0;
        k.MaPMaWechsel = w->MaPMaWechsel != 0;
    } else {
        k.Zuschalten = MannschNamenAnzeigen != 0;
        k.MannschNamen = Einst.MannschNamen;
        k.MaNaWechsel = Einst.MaNaWechsel;
        k.MaPMannsch = Einst.MaPMannsch;
        k.MaPMaWechsel = Einst.MaPMaWechsel;
    }
    kaestenZeigen(k);
}

MannschanzKaesten TMannschaftanz::kaesten() const
{
    return {CBZuschalten->isChecked(), CBMannschNamen->isChecked(), CBMaNaWechsel->isChecked(),
            CBMaPMannsch->isChecked(), CBMaPMaWechsel->isChecked()};
}

void TMannschaftanz::kaestenZeigen(const MannschanzKaesten& k)
{
    const std::pair<QCheckBox*, bool> stand[] = {{CBZuschalten, k.Zuschalten},
                                                 {CBMannschNamen, k.MannschNamen},
                                                 {CBMaNaWechsel, k.MaNaWechsel},
                                                 {CBMaPMannsch, k.MaPMannsch},
                                                 {CBMaPMaWechsel, k.MaPMaWechsel}};
    for (const auto& [box, an] : stand) {
        const QSignalBlocker still(box);
        box->setChecked(an);
    }
    const MannschanzFreigaben f = MannschanzFreigabenVon(k, Einst.Punkteanzeige);
    CBMaNaWechsel->setEnabled(f.MaNaWechsel);
    CBMaPMannsch->setEnabled(f.MaPMannsch);
    CBMaPMaWechsel->setEnabled(f.MaPMaWechsel);
    PMaNaIntervall->setEnabled(f.SchieberMaNa);
    PMaPMaIntervall->setEnabled(f.SchieberMaPMa);
}

void TMannschaftanz::kastenGedrueckt(MannschanzKasten kasten)
{
    kaestenZeigen(MannschanzKastenGedrueckt(kaesten(), kasten));
}

// --- Confirmation -----------------------------------------------------------------------------

void TMannschaftanz::BtnOKClick()
{
    Einst.AnzeigeHelligkeit = u8(TBHelligkeit->value());
    Einst.MaNaIntervall = WechselIntervall(TBMaNaIntervall->value());
    Einst.MaPMaIntervall = WechselIntervall(TBMaPMaIntervall->value());

    const MannschanzKaesten k = kaesten();
    if (TWettkampfDaten* w = AktWettkampf) {
        const u8 neu[] = {k.Zuschalten, k.MannschNamen, k.MaNaWechsel, k.MaPMannsch, k.MaPMaWechsel};
        u8* feld[] = {&w->MannschNamenAnzeigen, &w->MannschNamen, &w->MaNaWechsel, &w->MaPMannsch,
                      &w->MaPMaWechsel};
        for (std::size_t i = 0; i < std::size(neu); ++i) {
            if (*feld[i] != neu[i]) w->Geaendert = 1;
            *feld[i] = neu[i];
        }
        if (SpielLaeuft(w)) {
            Mannschaftsanzsteuerung& s = mannschaftsanzsteuerung();
            const Bahnbereich bahnen = BahnenVon(*w);
            s.MannschaftsanzeigenZuordnen(bahnen.erste, bahnen.letzte);
            if (w->MannschaftsanzeigeEin && bahnen.letzte >= bahnen.erste) {
                const int erste = bahnen.erste;
                const bool zweite = bahnen.letzte > erste;
                bool probe = false;
                for (int bahn : bahnen) probe = probe || BahnDaten[bahn].ProbeLaeuft != 0;
                if (probe) {
                    s.MannschaftsanzeigeProbe(erste);
                    if (zweite) s.MannschaftsanzeigeProbe(erste + 1);
                } else if (zweite) {
                    s.MannschaftsanzeigeNeuAufbauen({erste, erste + 1});
                } else {
                    s.MannschaftsanzeigeNeuAufbauen({erste});
                }
            }
        }
    } else {
        MannschNamenAnzeigen = k.Zuschalten;  // kept for the session only
        Einst.MannschNamen = k.MannschNamen;
        Einst.MaNaWechsel = k.MaNaWechsel;
        Einst.MaPMannsch = k.MaPMannsch;
        Einst.MaPMaWechsel = k.MaPMaWechsel;
        for (const char* name : {"AnzeigeHelligkeit", "MannschNamen", "MaNaWechsel", "MaNaIntervall", "MaPMannsch",
                                 "MaPMaWechsel", "MaPMaIntervall"})
            SchluesselSchreiben(name);
        InfListeSpeichern();
    }
    accept();
}
