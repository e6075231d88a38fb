#include "core/ui/Hinweis.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
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
}  // namespace

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

THinweisFenster::THinweisFenster(QWidget* parent, const Art& art) : QDialog(parent), m_art(art)
{
    setWindowTitle(art.titel);
    setFixedSize(art.breite ? art.breite(0) : EntwurfBreite, FensterHoehe);
    HintergrundSetzen(this, u"ColorHinweis");

    LHinweis = new QLabel(this);
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setTextFormat(Qt::PlainText);
    LHinweis->setFont(QFont(QStringLiteral("Arial"), 12));
    LHinweis->move(0, LabelOben);
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
    LHinweis->adjustSize();
    const int w = LHinweis->width();
    setFixedWidth(m_art.breite ? m_art.breite(w) : HinweisBreite(w, width(), m_art.obereGrenze));
    // A text of several lines makes the window taller, so the buttons never cover it.
    setFixedHeight(std::max(FensterHoehe, LabelOben + LHinweis->height() + KnopfAbstand + KnopfHoehe + KnopfUnten));
}

void THinweisFenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SoundSpielen(m_art.sound);
    LHinweis->adjustSize();
    anordnen();
}

void THinweisFenster::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    anordnen();
}

void THinweisFenster::reject() { done(m_art.abbruch); }

// Label and buttons centred across the width.
void THinweisFenster::anordnen()
{
    LHinweis->move((width() - LHinweis->width()) / 2, LabelOben);
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
