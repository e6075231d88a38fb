#include "match/ui/Einzelergebnis.h"

#include "core/Globals.h"
#include "core/Sound.h"
#include "match/ui/Leinwanddruck.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int BildBreite = 80;
constexpr int BildHoehe = 60;

const QColor Lila(128, 0, 128);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);
const QColor Gelb(255, 255, 0);

QColor Kastenfarbe(int d) { return d % 2 == 1 ? QColor(124, 147, 184) : QColor(143, 163, 194); }

QToolButton* Schalter(QWidget* eltern, const char* name, const QString& text, const QString& hinweis)
{
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hinweis);
    b->setCheckable(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    return b;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(130);
    return b;
}

void Textfarbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
}

TEinzelergebnis* g_offen = nullptr;  // the list while it shows

}  // namespace

TEinzelergebnis::TEinzelergebnis(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("Einzelergebnis"));
    setWindowTitle(QStringLiteral("Einzelergebnis"));
    bauen();
    resize(1000, 690);
    FormActivate();
}

TEinzelergebnis::~TEinzelergebnis()
{
    if (g_offen == this) g_offen = nullptr;
}

TEinzelergebnis* TEinzelergebnis::offen() { return g_offen; }

void TEinzelergebnis::showEvent(QShowEvent* e)
{
    g_offen = this;
    QDialog::showEvent(e);
}

void TEinzelergebnis::hideEvent(QHideEvent* e)
{
    if (g_offen == this) g_offen = nullptr;
    QDialog::hideEvent(e);
}

void TEinzelergebnis::bauen()
{
    auto* aussen = new QVBoxLayout(this);

    auto* leiste = new QHBoxLayout;
    leiste->setSpacing(2);
    SBtnErgebnis = Schalter(this, "SBtnErgebnis", QStringLiteral("&Ergebnis"),
                            QStringLiteral("Gesamtergebnisse für die Bahnen berechnen"));
    SBtnVolle = Schalter(this, "SBtnVolle", QStringLiteral("&Volle"), QStringLiteral("Ergebnis in die Vollen pro Bahn"));
    SBtnAbr = Schalter(this, "SBtnAbr", QStringLiteral("&Abräumen"), QStringLiteral("Ergebnis im Abräumen pro Bahn"));
    SBtnFehler = Schalter(this, "SBtnFehler", QStringLiteral("&Fehler"), QStringLiteral("Fehler pro Bahn anzeigen"));
    SBtnWurfbild = Schalter(this, "SBtnWurfbild", QStringLiteral("&Wurfbild"), QStringLiteral("Wurfbild anzeigen"));
    SBtnKorrekt = Schalter(this, "SBtnKorrekt", QStringLiteral("k&orrekter Wurf"),
                           QStringLiteral("Gasse gespielt in Verbindung mit anderen Schaltern"));
    SBtnLinkeGasse = Schalter(this, "SBtnLinkeGasse", QStringLiteral("&linke Gasse"), QStringLiteral("linke Gasse gespielt"));
    SBtnRechteGasse =
        Schalter(this, "SBtnRechteGasse", QStringLiteral("&rechte Gasse"), QStringLiteral("rechte Gasse gespielt"));
    const std::pair<QToolButton*, WurflisteModus> modi[] = {
        {SBtnErgebnis, WurflisteModus::Ergebnis}, {SBtnVolle, WurflisteModus::Volle}, {SBtnAbr, WurflisteModus::Abr},
        {SBtnFehler, WurflisteModus::Fehler},     {SBtnWurfbild, WurflisteModus::Wurfbild}};
    for (const auto& [knopf, modus] : modi) {
        leiste->addWidget(knopf);
        connect(knopf, &QToolButton::clicked, this, [this, m = modus] { modusKlick(m); });
    }
    auto* trenner = new QFrame(this);
    trenner->setFrameShape(QFrame::VLine);
    trenner->setFrameShadow(QFrame::Sunken);
    leiste->addSpacing(8);
    leiste->addWidget(trenner);
    leiste->addSpacing(8);
    const std::pair<QToolButton*, Gassentaste> gassen[] = {
        {SBtnKorrekt, Gassentaste::Korrekt}, {SBtnLinkeGasse, Gassentaste::Links}, {SBtnRechteGasse, Gassentaste::Rechts}};
    for (const auto& [knopf, taste] : gassen) {
        leiste->addWidget(knopf);
        connect(knopf, &QToolButton::clicked, this, [this, t = taste] { gasseKlick(t); });
    }
    leiste->addStretch();
    aussen->addLayout(leiste);

    auto* kopf = new QFrame(this);
    kopf->setObjectName(QStringLiteral("PKopf"));
    kopf->setFrameShape(QFrame::StyledPanel);
    auto* kopfLayout = new QVBoxLayout(kopf);
    auto* nameZeile = new QHBoxLayout;
    auto* nameText = new QLabel(QStringLiteral("Name:"), kopf);
    LName = new QLabel(kopf);
    LName->setObjectName(QStringLiteral("LName"));
    LName->setTextFormat(Qt::PlainText);
    QFont nameSchrift = LName->font();
    nameSchrift.setBold(true);
    nameSchrift.setPixelSize(16);
    LName->setFont(nameSchrift);
    nameZeile->addWidget(nameText);
    nameZeile->addWidget(LName, 1);
    kopfLayout->addLayout(nameZeile);

    auto* bahnen = new QHBoxLayout;
    QFont ergebnisSchrift;
    ergebnisSchrift.setPixelSize(22);
    ergebnisSchrift.setBold(true);
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        auto* g = new QGroupBox(kopf);
        g->setObjectName(QStringLiteral("GBBahn%1").arg(d));
        g->setStyleSheet(QStringLiteral("QGroupBox { background-color: %1; border: 1px solid #5a6a84; padding-top: 14px; }"
                                        "QGroupBox::title { subcontrol-origin: padding; left: 6px; top: 2px; }")
                             .arg(Kastenfarbe(d).name()));
        auto* e = new QLabel(g);
        e->setObjectName(QStringLiteral("ErgebnisBahn%1").arg(d));
        e->setFont(ergebnisSchrift);
        e->setAlignment(Qt::AlignCenter);
        e->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        Textfarbe(e, QPalette::WindowText, Lila);
        auto* bild = new QLabel(g);
        bild->setObjectName(QStringLiteral("ImageBahn%1").arg(d));
        bild->setFixedSize(BildBreite, BildHoehe);
        QSizePolicy halten = bild->sizePolicy();
        halten.setRetainSizeWhenHidden(true);
        bild->setSizePolicy(halten);
        auto* gl = new QHBoxLayout(g);
        gl->addWidget(e, 1);
        gl->addWidget(bild);
        g->setFixedHeight(BildHoehe + 40);
        bahnen->addWidget(g, 1);
        GBBahn[d] = g;
        ErgebnisBahn[d] = e;
        ImageBahn[d] = bild;
    }
    kopfLayout->addLayout(bahnen);
    aussen->addWidget(kopf);

    XGridEinzelergebnis = new QTableWidget(0, 4 * 3, this);
    XGridEinzelergebnis->setObjectName(QStringLiteral("XGridEinzelergebnis"));
    QStringList koepfe;
    for (int d = 1; d <= MaxDurchgaenge; ++d)
        koepfe << QStringLiteral("Holz") << QStringLiteral("Fehler") << QStringLiteral("Ereignis");
    XGridEinzelergebnis->setHorizontalHeaderLabels(koepfe);
    XGridEinzelergebnis->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    XGridEinzelergebnis->verticalHeader()->setDefaultSectionSize(22);
    XGridEinzelergebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    XGridEinzelergebnis->setSelectionMode(QAbstractItemView::SingleSelection);
    XGridEinzelergebnis->setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(XGridEinzelergebnis, &QTableWidget::cellClicked, this,
            [this](int zeile, int) { XGridEinzelergebnisClickCell(zeile); });
    aussen->addWidget(XGridEinzelergebnis, 1);

    auto* knoepfe = new QHBoxLayout;
    BtnDrucken = Knopf(this, "BtnDrucken", QStringLiteral("&Drucken"));
    BtnStatistikDrucken = Knopf(this, "BtnStatistikDrucken", QStringLiteral("&Statistik Drucken"));
    BtnZurueck = Knopf(this, "BtnZurueck", QStringLiteral("&Zurück"));
    BtnDrucken->setToolTip(QStringLiteral("Liste drucken"));
    BtnStatistikDrucken->setToolTip(QStringLiteral("Liste drucken"));
    BtnZurueck->setAutoDefault(false);
    BtnDrucken->setAutoDefault(false);
    BtnStatistikDrucken->setAutoDefault(false);
    knoepfe->addWidget(BtnDrucken);
    knoepfe->addWidget(BtnStatistikDrucken);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnZurueck);
    aussen->addLayout(knoepfe);
    connect(BtnDrucken, &QPushButton::clicked, this, [this] { BtnDruckenClick(); });
    connect(BtnStatistikDrucken, &QPushButton::clicked, this, [this] { BtnStatistikDruckenClick(); });
    connect(BtnZurueck, &QPushButton::clicked, this, [this] {
        KlickSoundSpielen();
        reject();
    });
}

TDurchgangBlock* TEinzelergebnis::block(int d) const
{
    if (!AktWettkampf || !AktSpieler) return nullptr;
    TDurchgangBlock& b = AktSpieler->Durchgang[d];
    return b.Bahn != 0 ? &b : nullptr;
}

void TEinzelergebnis::FormActivate()
{
    const int wuerfe = AktWettkampf ? WurflisteWuerfe(*AktWettkampf) : 0;
    zeilenAnlegen(wuerfe);
    m_schalter = WurflisteSchalter{};
    m_modusGewaehlt = false;
    schalterAnzeigen();
    LName->setText(AktSpieler ? AktSpieler->Name.text().left(30) : QString());
    bilderVerbergen();
    listeFuellen();
    if (wuerfe > 0) XGridEinzelergebnis->setCurrentCell(0, 0);
}

void TEinzelergebnis::WuerfeNachfuehren()
{
    const int wuerfe = AktWettkampf ? WurflisteWuerfe(*AktWettkampf) : 0;
    if (XGridEinzelergebnis->rowCount() != wuerfe) zeilenAnlegen(wuerfe);
    LName->setText(AktSpieler ? AktSpieler->Name.text().left(30) : QString());
    listeFuellen();
}

void TEinzelergebnis::zeilenAnlegen(int wuerfe)
{
    QTableWidget* g = XGridEinzelergebnis;
    g->clearContents();
    g->setRowCount(wuerfe);
    for (int r = 0; r < wuerfe; ++r) {
        for (int c = 0; c < g->columnCount(); ++c) {
            auto* zelle = new QTableWidgetItem;
            zelle->setTextAlignment(Qt::AlignCenter);
            g->setItem(r, c, zelle);
        }
    }
}

// Every played lane block's throws (decoded anew) and its result label.
void TEinzelergebnis::listeFuellen()
{
    const int wuerfe = XGridEinzelergebnis->rowCount();
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        TDurchgangBlock* b = block(d);
        if (!b) {
            GBBahn[d]->hide();
            continue;
        }
        GBBahn[d]->setTitle(QStringLiteral("Bahn %1").arg(b->Bahn));
        const QList<WurflisteZeile> zeilen = BahnWurflisteFuellen(*b, wuerfe);
        for (int r = 0; r < zeilen.size(); ++r) {
            const int c = 3 * (d - 1);
            XGridEinzelergebnis->item(r, c)->setText(zeilen[r].holz);
            XGridEinzelergebnis->item(r, c + 1)->setText(zeilen[r].fehler);
            XGridEinzelergebnis->item(r, c + 2)->setText(zeilen[r].ereignis);
        }
        GBBahn[d]->show();
    }
    ansichtZeigen();
}

// The result labels, cell looks and pictures of the buttons now down.
void TEinzelergebnis::ansichtZeigen()
{
    if (m_schalter.modus == WurflisteModus::Wurfbild) {
        PinBildZeichnen(auswahlZeile());
        return;
    }
    const bool gasse = m_schalter.korrekt || m_schalter.links || m_schalter.rechts;
    const int volle = AktWettkampf ? AktWettkampf->Volle : 0;
    const int abr = AktWettkampf ? AktWettkampf->Abraeumen : 0;
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        const TDurchgangBlock* b = block(d);
        if (!b) continue;
        if (gasse)
            ansichtAnwenden(d, GassenAnsicht(*b, volle, abr, m_schalter));
        else if (m_modusGewaehlt)
            ansichtAnwenden(d, ModusAnsicht(*b, volle, abr, m_schalter.modus));
        else
            ErgebnisBahn[d]->setText(BahnErgebnisText(*b));
        ImageBahn[d]->hide();
    }
}

void TEinzelergebnis::schalterAnzeigen()
{
    const std::pair<QToolButton*, bool> knoepfe[] = {
        {SBtnErgebnis, m_schalter.modus == WurflisteModus::Ergebnis},
        {SBtnVolle, m_schalter.modus == WurflisteModus::Volle},
        {SBtnAbr, m_schalter.modus == WurflisteModus::Abr},
        {SBtnFehler, m_schalter.modus == WurflisteModus::Fehler},
        {SBtnWurfbild, m_schalter.modus == WurflisteModus::Wurfbild},
        {SBtnKorrekt, m_schalter.korrekt},
        {SBtnLinkeGasse, m_schalter.links},
        {SBtnRechteGasse, m_schalter.rechts},
    };
    for (const auto& [knopf, unten] : knoepfe) {
        knopf->setChecked(unten);
        Textfarbe(knopf, QPalette::ButtonText, unten ? Lila : QColor(Qt::black));
    }
}

void TEinzelergebnis::bilderVerbergen()
{
    for (QLabel* bild : ImageBahn) bild->hide();
}

void TEinzelergebnis::ansichtAnwenden(int d, const BahnAnsicht& a)
{
    ErgebnisBahn[d]->setText(a.ergebnis);
    QTableWidget* g = XGridEinzelergebnis;
    for (int r = 0; r < a.zeilen.size() && r < g->rowCount(); ++r) {
        const Zellart art = a.zeilen[r];
        const QColor farbe = art == Zellart::Fehler ? Rot : art == Zellart::Gasse ? Blau : QColor(Qt::black);
        for (int c = 3 * (d - 1); c < 3 * d; ++c) {
            QTableWidgetItem* zelle = g->item(r, c);
            if (!zelle) continue;
            zelle->setForeground(farbe);
            QFont f = zelle->font();
            f.setBold(art != Zellart::Normal);
            zelle->setFont(f);
        }
    }
}

int TEinzelergebnis::auswahlZeile() const
{
    const auto bereiche = XGridEinzelergebnis->selectedRanges();
    if (!bereiche.isEmpty()) return bereiche.first().topRow();
    return XGridEinzelergebnis->currentRow();
}

void TEinzelergebnis::modusKlick(WurflisteModus m)
{
    KlickSoundSpielen();
    m_schalter = ModusWaehlen(m);
    m_modusGewaehlt = true;
    schalterAnzeigen();
    ansichtZeigen();
}

void TEinzelergebnis::gasseKlick(Gassentaste t)
{
    KlickSoundSpielen();
    m_schalter = GassentasteDruecken(m_schalter, t);
    m_modusGewaehlt = true;
    schalterAnzeigen();
    ansichtZeigen();
}

void TEinzelergebnis::PinBildZeichnen(int zeile)
{
    if (m_schalter.modus != WurflisteModus::Wurfbild || zeile < 0) return;
    for (int d = 1; d <= MaxDurchgaenge; ++d) {
        const TDurchgangBlock* b = block(d);
        if (!b) continue;
        const Kegelbild k = KegelbildVon(*b, zeile);
        ErgebnisBahn[d]->setText(k.text);
        QPixmap bild(BildBreite, BildHoehe);
        bild.fill(Kastenfarbe(d));
        if (k.kreise) {
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            for (const KegelKreis& kreis : KegelKreise) {
                p.setBrush((k.kegel & kreis.bit) ? Gelb : Kastenfarbe(d));
                p.drawEllipse(QRect(kreis.links, kreis.oben, kreis.rechts - kreis.links - 1, kreis.unten - kreis.oben - 1));
            }
        }
        ImageBahn[d]->setPixmap(bild);
        ImageBahn[d]->show();
    }
}

void TEinzelergebnis::XGridEinzelergebnisClickCell(int zeile) { PinBildZeichnen(zeile); }

void TEinzelergebnis::BtnDruckenClick()
{
    KlickSoundSpielen();
    // The protocol prints the throws, sums and totals of one moment.
    WuerfeNachfuehren();
    WurfprotokollDrucken(this);
}

void TEinzelergebnis::BtnStatistikDruckenClick()
{
    KlickSoundSpielen();
    if (!AktWettkampf || !AktSpieler) return;
    const bool heim = WurflisteHeim(*AktWettkampf, *AktSpieler);
    MannschaftsstatistikBerechnen(*AktWettkampf, heim);
    if (AktWettkampf->Durchgaenge < 3)
        MannschaftsstatistikDrucken(this, heim);
    else
        MannschaftsstatistikSeitenDrucken(this, heim);
    FormActivate();
}
