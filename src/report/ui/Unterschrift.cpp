#include "report/ui/Unterschrift.h"

#include "core/Globals.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "report/Unterschriften.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

constexpr u16 FeldcodeSchiedsrichter = 285;
constexpr u16 FeldcodeMannschaftsfuehrer = 286;
constexpr int NameLaenge = 30;

QPushButton* seitenKnopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* b = DialogKnopf(eltern, name, text);
    b->setCheckable(true);
    b->setMinimumSize(160, 32);
    // The page shown stands out on the touch screen.
    QObject::connect(b, &QPushButton::toggled, b, [b](bool unten) {
        QFont f = b->font();
        f.setBold(unten);
        b->setFont(f);
    });
    return b;
}

QLineEdit* namenEdit(QWidget* eltern, const char* name)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(NameLaenge);
    e->setMinimumWidth(300);
    return e;
}

// Sets the record's byte and reports whether it changed.
bool setzen(u8& feld, u8 wert)
{
    if (feld == wert) return false;
    feld = wert;
    return true;
}

bool setzen(Text<31>& feld, const QString& text)
{
    Text<31> neu;
    neu.setzenText(text);
    if (feld == neu) return false;
    feld = neu;
    return true;
}

}  // namespace

bool HatTinte(const QImage& bild)
{
    if (bild.isNull()) return false;
    const QImage b = bild.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x)
            if ((zeile[x] & 0xFFFFFF) != 0xFFFFFF) return true;
    }
    return false;
}

// --- Drawing area ---------------------------------------------------------------------

TSchreibfeld::TSchreibfeld(QWidget* parent) : QWidget(parent), m_bild(LeereUnterschrift())
{
    setObjectName(QStringLiteral("ImageUnterschrift"));
    setFixedSize(UnterschriftBreite, UnterschriftHoehe);
    setCursor(Qt::CrossCursor);
}

void TSchreibfeld::bildSetzen(const QImage& bild)
{
    m_zeichnen = false;
    m_bild = LeereUnterschrift();
    if (!bild.isNull()) {
        QPainter maler(&m_bild);
        maler.drawImage(0, 0, bild);
    }
    update();
}

void TSchreibfeld::loeschen()
{
    m_bild.fill(Qt::white);
    update();
}

void TSchreibfeld::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawImage(0, 0, m_bild);
}

void TSchreibfeld::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    m_stift = event->position().toPoint();
    m_zeichnen = true;
}

void TSchreibfeld::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_zeichnen) return;
    const QPoint p = event->position().toPoint();
    QPainter maler(&m_bild);
    maler.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.drawLine(m_stift, p);
    m_stift = p;
    update();
}

void TSchreibfeld::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    m_zeichnen = false;
}

// --- The pad ----------------------------------------------------------------------------

TUnterschrift::TUnterschrift(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Unterschrift"));
    setWindowTitle(QStringLiteral("Unterschreiben"));
    setToolTip(QStringLiteral("Unterschreiben am Touchscreen"));
    HintergrundSetzen(this, u"ColorHinweis");

    SBtnHeim = seitenKnopf(this, "SBtnHeim", QStringLiteral("&Heimmannschaft"));
    SBtnSchiedsrichter = seitenKnopf(this, "SBtnSchiedsrichter", QStringLiteral("&Schiedsrichter"));
    SBtnGast = seitenKnopf(this, "SBtnGast", QStringLiteral("&Gastmannschaft"));
    m_seiten = new QButtonGroup(this);
    m_seiten->setExclusive(true);
    m_seiten->addButton(SBtnHeim, SeiteHeim);
    m_seiten->addButton(SBtnSchiedsrichter, SeiteSchiedsrichter);
    m_seiten->addButton(SBtnGast, SeiteGast);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PUnterschrift"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    ImageUnterschrift = new TSchreibfeld(panel);
    auto* p = new QVBoxLayout(panel);
    p->setContentsMargins(2, 2, 2, 2);
    p->addWidget(ImageUnterschrift);

    PMannschaftsfuehrer = new QWidget(this);
    PMannschaftsfuehrer->setObjectName(QStringLiteral("PMannschaftsfuehrer"));
    EMannschaftsfuehrer = namenEdit(PMannschaftsfuehrer, "EMannschaftsfuehrer");
    CBSchiedsrichterOk = new QCheckBox(QStringLiteral("Schiedsrichter Ok"), PMannschaftsfuehrer);
    CBSchiedsrichterOk->setObjectName(QStringLiteral("CBSchiedsrichterOk"));
    auto* k = new QHBoxLayout(PMannschaftsfuehrer);
    k->setContentsMargins(0, 0, 0, 0);
    k->addWidget(new QLabel(QStringLiteral("Mannschaftsführer:"), PMannschaftsfuehrer));
    k->addWidget(EMannschaftsfuehrer);
    k->addSpacing(16);
    k->addWidget(CBSchiedsrichterOk);
    k->addStretch();

    PSchiedsrichter = new QWidget(this);
    PSchiedsrichter->setObjectName(QStringLiteral("PSchiedsrichter"));
    ESchiedsrichter = namenEdit(PSchiedsrichter, "ESchiedsrichter");
    auto* s = new QHBoxLayout(PSchiedsrichter);
    s->setContentsMargins(0, 0, 0, 0);
    s->addWidget(new QLabel(QStringLiteral("Schiedsrichter:"), PSchiedsrichter));
    s->addWidget(ESchiedsrichter);
    s->addStretch();

    BtnLoeschen = DialogKnopf(this, "BtnLoeschen", QStringLiteral("&Loeschen"));
    BtnLoeschen->setToolTip(QStringLiteral("Schreibfeld löschen"));
    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setToolTip(QStringLiteral("Unterschriften übernehmen"));
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    BtnAbbrechen->setToolTip(QStringLiteral("Unterschriften verwerfen"));

    PopupColorGround = HintergrundAktion(this, u"ColorUnterschrift");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    for (QPushButton* b : findChildren<QPushButton*>())
        connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    connect(m_seiten, &QButtonGroup::idClicked, this, &TUnterschrift::SeiteClick);
    connect(BtnLoeschen, &QPushButton::clicked, ImageUnterschrift, &TSchreibfeld::loeschen);
    connect(BtnOk, &QPushButton::clicked, this, &TUnterschrift::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* oben = new QHBoxLayout;
    for (QPushButton* b : {SBtnHeim, SBtnSchiedsrichter, SBtnGast}) oben->addWidget(b);
    oben->addStretch();
    // The captain's and the referee's fields share their place.
    m_felder = new QStackedLayout;
    m_felder->addWidget(PMannschaftsfuehrer);
    m_felder->addWidget(PSchiedsrichter);
    for (QPushButton* b : {BtnLoeschen, BtnOk, BtnAbbrechen}) b->setMinimumSize(100, 32);
    auto* unten = new QHBoxLayout;
    unten->addWidget(BtnLoeschen);
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(panel);
    spalte->addSpacing(4);
    spalte->addLayout(m_felder);
    spalte->addSpacing(8);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    m_tastatur = new TastaturFelder(this, FeldcodeMannschaftsfuehrer, FeldcodeMannschaftsfuehrer);
    m_tastatur->feld(FeldcodeSchiedsrichter, QStringLiteral("Schiedsrichter:"), ModusText, ESchiedsrichter);
    m_tastatur->feld(FeldcodeMannschaftsfuehrer, QStringLiteral("Mannschaftsführer:"), ModusText,
                     EMannschaftsfuehrer);

    FormActivate();
}

int TUnterschrift::exec()
{
    if (!AktWettkampf) {
        setResult(Rejected);
        return Rejected;
    }
    FormActivate();
    return QDialog::exec();
}

void TUnterschrift::FormActivate()
{
    m_w = AktWettkampf;
    ESchiedsrichter->setText(m_w ? m_w->Schiedsrichter.text() : QString());
    seiteZeigen(SeiteHeim);
}

void TUnterschrift::SeiteClick(int seite)
{
    // The page shown keeps its drawing; only the captain's fields come again.
    if (seite == m_seite) return kapitaenLaden();
    seiteSpeichern();
    seiteZeigen(seite);
}

void TUnterschrift::seiteZeigen(int seite)
{
    m_seite = seite;
    m_seiten->button(seite)->setChecked(true);
    QImage bild;
    if (m_w) {
        const Unterschriften u = UnterschriftenVon(*m_w);
        bild = seite == SeiteHeim ? u.heim : seite == SeiteGast ? u.gast : u.schiedsrichter;
    }
    ImageUnterschrift->bildSetzen(bild);

    const bool kapitaen = seite != SeiteSchiedsrichter;
    m_felder->setCurrentWidget(kapitaen ? PMannschaftsfuehrer : PSchiedsrichter);
    const u16 code = kapitaen ? FeldcodeMannschaftsfuehrer : FeldcodeSchiedsrichter;
    m_tastatur->bereich(code, code);
    kapitaenLaden();
}

void TUnterschrift::kapitaenLaden()
{
    if (m_seite == SeiteSchiedsrichter) return;
    const int k = m_seite == SeiteHeim ? 1 : 2;
    EMannschaftsfuehrer->setText(m_w ? m_w->Mannschaftsfuehrer[k].text() : QString());
    CBSchiedsrichterOk->setChecked(m_w && (k == 1 ? m_w->SchiedsrichterOkHeim : m_w->SchiedsrichterOkGast));
}

// A page without ink counts as not signed.
void TUnterschrift::seiteSpeichern()
{
    if (!m_w) return;
    Unterschriften u = UnterschriftenVon(*m_w);
    const QImage bild = HatTinte(ImageUnterschrift->bild()) ? ImageUnterschrift->bild() : QImage();
    (m_seite == SeiteHeim ? u.heim : m_seite == SeiteGast ? u.gast : u.schiedsrichter) = bild;
    UnterschriftenSetzen(*m_w, u);

    if (m_seite == SeiteSchiedsrichter) return;
    const int k = m_seite == SeiteHeim ? 1 : 2;
    u8& ok = k == 1 ? m_w->SchiedsrichterOkHeim : m_w->SchiedsrichterOkGast;
    const bool a = setzen(ok, CBSchiedsrichterOk->isChecked() ? 1 : 0);
    const bool b = setzen(m_w->Mannschaftsfuehrer[k], EMannschaftsfuehrer->text());
    if (a || b) m_w->Geaendert = 1;
}

void TUnterschrift::BtnOkClick()
{
    seiteSpeichern();
    if (m_w && setzen(m_w->Schiedsrichter, ESchiedsrichter->text())) m_w->Geaendert = 1;
    accept();
}
