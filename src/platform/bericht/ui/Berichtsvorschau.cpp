#include "platform/bericht/ui/Berichtsvorschau.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int Rand = 12;  // grey margin around the page, in pixels
constexpr int KleinsteBreite = 40;
}  // namespace

TBerichtsvorschau::TBerichtsvorschau(QWidget* eltern)
    : QWidget(eltern), m_flaeche(new QScrollArea(this)), m_bild(new QLabel), m_seitenanzeige(new QLabel(this))
{
    m_flaeche->setObjectName(QStringLiteral("Seitenflaeche"));
    m_flaeche->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_flaeche->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flaeche->setBackgroundRole(QPalette::Dark);
    m_flaeche->setFrameShape(QFrame::NoFrame);
    QPalette grau = m_flaeche->palette();
    grau.setColor(QPalette::Dark, QColor(0x8a, 0x8d, 0x91));
    m_flaeche->setPalette(grau);

    m_bild->setObjectName(QStringLiteral("Seitenbild"));
    m_bild->setContentsMargins(Rand, Rand, Rand, Rand);
    m_bild->setAlignment(Qt::AlignCenter);
    m_flaeche->setWidget(m_bild);
    m_flaeche->setWidgetResizable(false);

    m_seitenanzeige->setObjectName(QStringLiteral("LSeite"));
    m_seitenanzeige->setAlignment(Qt::AlignCenter);
    QFont klein = m_seitenanzeige->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    m_seitenanzeige->setFont(klein);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(2);
    spalte->addWidget(m_flaeche, 1);
    spalte->addWidget(m_seitenanzeige);
    anzeigen();
}

void TBerichtsvorschau::seitenSetzen(const QList<Berichtsseite>& seiten)
{
    m_seiten = seiten;
    m_seite = 0;
    m_cache.clear();
    anzeigen();
    emit seiteGewechselt(m_seite, seitenzahl());
}

bool TBerichtsvorschau::laden(const QString& vorschaudatei, QString* fehler)
{
    const auto seiten = VorschaudateiLesen(vorschaudatei, fehler);
    if (!seiten) return false;
    seitenSetzen(*seiten);
    return true;
}

void TBerichtsvorschau::seiteZeigen(int seite)
{
    const int neu = m_seiten.isEmpty() ? 0 : std::clamp(seite, 0, seitenzahl() - 1);
    if (neu == m_seite) return;
    m_seite = neu;
    anzeigen();
    emit seiteGewechselt(m_seite, seitenzahl());
}

void TBerichtsvorschau::vor() { seiteZeigen(m_seite + 1); }

void TBerichtsvorschau::zurueck() { seiteZeigen(m_seite - 1); }

void TBerichtsvorschau::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    anzeigen();
}

void TBerichtsvorschau::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    anzeigen();
}

// The page's width: the viewer's width less the margins and room for the
// vertical scroll bar, so that a bar that comes and goes never changes it.
int TBerichtsvorschau::bildbreite() const
{
    const int balken = m_flaeche->verticalScrollBar()->sizeHint().width();
    return std::max(KleinsteBreite, width() - 2 * Rand - balken);
}

void TBerichtsvorschau::anzeigen()
{
    if (m_seiten.isEmpty()) {
        m_bild->clear();
        m_bild->resize(0, 0);
        m_seitenanzeige->setText(QStringLiteral("Keine Seiten"));
        return;
    }
    const int breite = bildbreite();
    if (breite != m_cacheBreite) {
        m_cache.clear();
        m_cacheBreite = breite;
    }
    auto it = m_cache.find(m_seite);
    if (it == m_cache.end()) {
        const qreal dpr = devicePixelRatioF();
        QPixmap bild = QPixmap::fromImage(SeitenBild(m_seiten.at(m_seite), qRound(breite * dpr)));
        bild.setDevicePixelRatio(dpr);
        it = m_cache.insert(m_seite, bild);
    }
    m_bild->setPixmap(*it);
    m_bild->adjustSize();
    m_seitenanzeige->setText(QStringLiteral("Seite %1 von %2").arg(m_seite + 1).arg(seitenzahl()));
}
