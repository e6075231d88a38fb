#include "match/ui/Startfenster.h"

#include "core/Globals.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int KnopfBreite = 89;
constexpr int KnopfHoehe = 25;
constexpr int KnopfAbstand = 16;

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(QFont(QStringLiteral("Arial"), 12));
    l->adjustSize();
    return l;
}

// Horizontally centred at height y.
void mittig(QWidget* w, int y)
{
    w->move((w->parentWidget()->width() - w->width()) / 2, y);
}

// Two buttons side by side, centred at height y.
void knopfPaar(QPushButton* links, QPushButton* rechts, int y)
{
    const int breite = links->parentWidget()->width();
    const int x = (breite - 2 * KnopfBreite - KnopfAbstand) / 2;
    links->setGeometry(x, y, KnopfBreite, KnopfHoehe);
    rechts->setGeometry(x + KnopfBreite + KnopfAbstand, y, KnopfBreite, KnopfHoehe);
}

}  // namespace

// --- THinweisStart ---------------------------------------------------------------

THinweisStart::THinweisStart(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("HinweisStart"));
    setWindowTitle(QStringLiteral("Starte Bahnen !"));
    setFixedSize(320, 130);
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    HintergrundSetzen(this, u"ColorHinweis");

    Label1 = beschriftung(this, QStringLiteral("Label1"), QStringLiteral("Bitte warten !"));
    Label2 = beschriftung(this, QStringLiteral("Label2"), QStringLiteral("Bahnen werden überprüft"));
    Label3 = beschriftung(this, QStringLiteral("Label3"), QStringLiteral("und eingeschaltet !"));
    mittig(Label1, 20);
    mittig(Label2, 52);
    mittig(Label3, 80);
}

void THinweisStart::zeigen()
{
    if (!m_zentriert) {
        Zentrieren(this);
        m_zentriert = true;
    }
    show();
}

void THinweisStart::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    hide();
}

// --- TPruefen -----------------------------------------------------------------------

TPruefen::TPruefen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Pruefen"));
    setWindowTitle(QStringLiteral("Achtung !"));
    setFixedSize(400, 130);
    HintergrundSetzen(this, u"ColorHinweis");

    Label1 = beschriftung(this, QStringLiteral("Label1"), QString());
    Label1->move(0, 28);
    BtnPruefen = BoxKnopf(this, QStringLiteral("BtnPruefen"), QStringLiteral("&Prüfen"));
    BtnAbbrechen = BoxKnopf(this, QStringLiteral("BtnAbbrechen"), QStringLiteral("&Abbrechen"));
    knopfPaar(BtnPruefen, BtnAbbrechen, 80);
    connect(BtnPruefen, &QPushButton::clicked, this, [this] { done(1); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { done(2); });
}

void TPruefen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Einst.SoundAktiv) SoundSpielen(Tag <= 100 ? QStringLiteral("Nobahn.wav") : QStringLiteral("Nopaper.wav"));
    Label1->setText(PruefenText(Tag));
    Label1->adjustSize();
    mittig(Label1, Label1->y());
}

void TPruefen::reject() { done(2); }

// --- TSperren -----------------------------------------------------------------------

TSperren::TSperren(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Sperren"));
    setWindowTitle(QStringLiteral("Sperren"));
    setToolTip(QStringLiteral("Maus und Tastatur wird gesperrt oder freigegeben"));
    setFixedSize(300, 120);
    HintergrundSetzen(this, u"ColorHinweis");

    Label1 = beschriftung(this, QStringLiteral("Label1"), QStringLiteral("Eingabe sperren ?"));
    mittig(Label1, 24);
    BtnFreigeben = BoxKnopf(this, QStringLiteral("BtnFreigeben"), QStringLiteral("&Freigeben"));
    BtnSperren = BoxKnopf(this, QStringLiteral("BtnSperren"), QStringLiteral("&Sperren"));
    knopfPaar(BtnFreigeben, BtnSperren, 70);
    BtnFreigeben->setDefault(true);
    connect(BtnFreigeben, &QPushButton::clicked, this, [this] { done(7); });
    connect(BtnSperren, &QPushButton::clicked, this, [this] { done(6); });
}

// Esc answers "&Sperren".
void TSperren::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(6);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TSperren::reject() { done(2); }

// --- WidgetPrompts -----------------------------------------------------------------

WidgetPrompts::WidgetPrompts(QWidget* hauptfenster)
    : m_hinweisStart(new THinweisStart(hauptfenster)),
      m_pruefen(new TPruefen(hauptfenster)),
      m_sperren(new TSperren(hauptfenster))
{
}

// The main window may have deleted its children first.
WidgetPrompts::~WidgetPrompts()
{
    if (&startPrompts() == this) setStartPrompts(nullptr);
    delete m_sperren.data();
    delete m_pruefen.data();
    delete m_hinweisStart.data();
}

void WidgetPrompts::hinweisStartZeigen()
{
    if (m_hinweisStart) m_hinweisStart->zeigen();
}

void WidgetPrompts::hinweisStartVerbergen()
{
    if (m_hinweisStart) m_hinweisStart->hide();
}

int WidgetPrompts::pruefen(int tag)
{
    TPruefen* f = m_pruefen;
    if (!f || f->isVisible()) return 2;
    f->Tag = tag;
    Zentrieren(f);
    return f->exec();
}

bool WidgetPrompts::pruefenSichtbar() const { return m_pruefen && m_pruefen->isVisible(); }

int WidgetPrompts::sperren()
{
    TSperren* f = m_sperren;
    if (!f || f->isVisible()) return 2;
    Zentrieren(f);
    return f->exec();
}
