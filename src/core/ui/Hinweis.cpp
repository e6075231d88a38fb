#include "core/ui/Hinweis.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

namespace {
constexpr int EntwurfBreite = 472;  // until the first width adjustment
constexpr int FensterBreite = 480;
constexpr int FensterHoehe = 163;
constexpr int LabelOben = 32;
constexpr int KnopfBreite = 89;
constexpr int KnopfHoehe = 25;
constexpr int KnopfAbstand = 16;
constexpr int KnopfUnten = 20;  // below the buttons
constexpr int TextRand = 60;    // window width minus text width
// Room the window frame of the desktop takes around a window.
constexpr int RahmenBreite = 16;
constexpr int RahmenHoehe = 48;

constexpr QChar Umbruchstelle(0x200B);  // zero-width space
}  // namespace

QString Umbrechbar(const QString& text, const QFont& schrift, int breite)
{
    const QFontMetrics fm(schrift);
    static const QRegularExpression Wort(QStringLiteral("\\S+"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = Wort.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ergebnis += QStringView(text).mid(bis, m.capturedStart() - bis);
        bis = m.capturedEnd();
        const QString wort = m.captured();
        if (fm.horizontalAdvance(wort) <= breite) {
            ergebnis += wort;
            continue;
        }
        for (qsizetype i = 0; i < wort.size(); ++i) {
            ergebnis += wort[i];
            // Not inside a surrogate pair, nor after the last character.
            if (i + 1 < wort.size() && !wort[i].isHighSurrogate()) ergebnis += Umbruchstelle;
        }
    }
    ergebnis += QStringView(text).mid(bis);
    return ergebnis;
}

int HinweisBreite(int labelBreite, int aktuelleBreite, int obereGrenze)
{
    if (labelBreite < 401) return FensterBreite;
    if (labelBreite > obereGrenze) return labelBreite + 60;
    return aktuelleBreite;
}

int HinweisMultiBreite(int labelBreite) { return labelBreite > 464 ? labelBreite + 60 : 524; }

QPushButton* BoxKnopf(QWidget* eltern, const QString& name, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    QObject::connect(k, &QPushButton::pressed, k, [] { KlickSoundSpielen(); });
    return k;
}

QPushButton* DialogKnopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QToolButton* Schaltknopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp)
{
    auto* b = Benannt(new QToolButton(eltern), name);
    b->setText(text);
    b->setToolTip(tipp);
    b->setFixedSize(32, 28);
    return b;
}

THinweisFenster::THinweisFenster(QWidget* parent, const Art& art) : QDialog(parent), m_art(art)
{
    setWindowTitle(art.titel);
    setFixedSize(art.breite ? art.breite(0) : EntwurfBreite, FensterHoehe);
    HintergrundSetzen(this, u"ColorHinweis");

    RollHinweis = new QScrollArea(this);
    RollHinweis->setObjectName(QStringLiteral("RollHinweis"));
    RollHinweis->setFrameShape(QFrame::NoFrame);
    RollHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RollHinweis->setAutoFillBackground(false);
    RollHinweis->viewport()->setAutoFillBackground(false);
    m_textflaeche = new QWidget;
    RollHinweis->setWidget(m_textflaeche);
    m_textflaeche->setAutoFillBackground(false);  // the window's colour shows through
    LHinweis = new QLabel(m_textflaeche);
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setTextFormat(Qt::PlainText);
    LHinweis->setFont(QFont(QStringLiteral("Arial"), 12));
    anordnen();
}

QPushButton* THinweisFenster::knopf(const QString& name, const QString& text, int ergebnis)
{
    QPushButton* k = BoxKnopf(this, name, text);
    k->resize(KnopfBreite, KnopfHoehe);
    connect(k, &QPushButton::clicked, this, [this, ergebnis] { done(ergebnis); });
    if (m_knoepfe.isEmpty()) k->setDefault(true);
    m_knoepfe.append(k);
    anordnen();
    return k;
}

void THinweisFenster::BreiteAnpassen()
{
    if (m_art.schrift12) {
        QFont f = LHinweis->font();
        f.setPointSize(12);
        LHinweis->setFont(f);
    }
    // The text as the caller set it, without the breaks of an earlier call.
    LHinweis->setText(LHinweis->text().remove(Umbruchstelle));
    LHinweis->setWordWrap(false);
    LHinweis->adjustSize();
    const int w = LHinweis->width();
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect flaeche = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);

    const int regel = m_art.breite ? m_art.breite(w) : HinweisBreite(w, width(), m_art.obereGrenze);
    const int breite = std::min({regel, flaeche.width() - RahmenBreite, HinweisHoechstbreite});
    if (regel > breite && w > breite - TextRand) {
        const int textBreite = breite - TextRand;
        LHinweis->setText(Umbrechbar(LHinweis->text(), LHinweis->font(), textBreite));
        LHinweis->setWordWrap(true);
        LHinweis->resize(textBreite, LHinweis->heightForWidth(textBreite));
    }
    setFixedWidth(breite);
    // A text of several lines makes the window taller, so the buttons never
    // cover it; beyond the screen's height the text scrolls.
    const int hoehe = std::max(FensterHoehe, LabelOben + LHinweis->height() + KnopfAbstand + KnopfHoehe + KnopfUnten);
    setFixedHeight(std::min(hoehe, std::max(FensterHoehe, flaeche.height() - RahmenHoehe)));
    anordnen();
}

void THinweisFenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SoundSpielen(m_art.sound);
    if (!LHinweis->wordWrap()) LHinweis->adjustSize();
    anordnen();
}

void THinweisFenster::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    anordnen();
}

void THinweisFenster::reject() { done(m_art.abbruch); }

// Label and buttons centred across the width; the text between the top and
// the buttons.
void THinweisFenster::anordnen()
{
    RollHinweis->setGeometry(0, LabelOben, width(),
                             std::max(0, height() - KnopfUnten - KnopfHoehe - KnopfAbstand - LabelOben));
    // The label centred in the window; the scrolled area ends at its right
    // edge, so that a scroll bar never makes it scroll sideways.
    const int links = std::max(0, (width() - LHinweis->width()) / 2);
    m_textflaeche->resize(links + LHinweis->width(), LHinweis->height());
    LHinweis->move(links, 0);
    const int reihe = static_cast<int>(m_knoepfe.size()) * (KnopfBreite + KnopfAbstand) - KnopfAbstand;
    int x = (width() - reihe) / 2;
    for (QPushButton* k : m_knoepfe) {
        k->move(x, height() - KnopfHoehe - KnopfUnten);
        x += KnopfBreite + KnopfAbstand;
    }
}

THinweis::THinweis(QWidget* parent)
    : THinweisFenster(parent, {QStringLiteral("Achtung"), QStringLiteral("Error.wav"), ErgebnisOk, 420, false})
{
    BtnOk = knopf(QStringLiteral("BtnOk"), QStringLiteral("&Ok"), ErgebnisOk);
}

void Zentrieren(QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    const QRect r = bildschirm->availableGeometry();
    fenster->move(r.x() + (r.width() - fenster->width()) / 2, r.y() + (r.height() - fenster->height()) / 2);
}
