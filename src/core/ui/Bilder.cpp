#include "core/ui/Bilder.h"

#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

QPixmap VerlaufBild(QSize groesse, QColor oben, QColor unten)
{
    QPixmap bild(groesse);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, groesse.height());
    verlauf.setColorAt(0, oben);
    verlauf.setColorAt(1, unten);
    p.fillRect(bild.rect(), verlauf);
    return bild;
}

QPixmap KegelBild(QSize groesse)
{
    QPixmap bild = VerlaufBild(groesse, QColor(24, 48, 96), QColor(8, 16, 40));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = groesse.width();
    const double h = groesse.height();
    const double r = std::min(w, h) / 16;
    const QPointF mitte(w / 2, h * 0.42);
    const double abstand = r * 2.8;
    // Rows of the diamond from the front pin: 1, 2, 3, 2, 1.
    const int reihen[] = {1, 2, 3, 2, 1};
    for (int reihe = 0; reihe < 5; ++reihe) {
        const double y = mitte.y() + (2 - reihe) * abstand * 0.75;
        for (int k = 0; k < reihen[reihe]; ++k) {
            const double x = mitte.x() + (k - (reihen[reihe] - 1) / 2.0) * abstand;
            QRadialGradient kugel(QPointF(x - r / 3, y - r / 3), r);
            kugel.setColorAt(0, Qt::white);
            kugel.setColorAt(1, QColor(190, 200, 215));
            p.setPen(QPen(QColor(200, 30, 30), r / 4));
            p.setBrush(kugel);
            p.drawEllipse(QPointF(x, y), r, r);
        }
    }
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(int(std::max(12.0, h / 9)));
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(QColor(230, 235, 245));
    p.drawText(QRectF(0, h * 0.78, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Corvalink"));
    return bild;
}

QImage BildLesen(const QString& datei, QSize platz)
{
    QImageReader leser(datei);
    // The JPEG reader decodes straight to a fraction of the size and smooths
    // the rest at this quality.
    leser.setQuality(75);
    QSize groesse = leser.size();
    const bool gedreht =
        leser.autoTransform() && (leser.transformation() & QImageIOHandler::TransformationRotate90);
    if (gedreht) groesse.transpose();
    if (groesse.isValid() && (groesse.width() > platz.width() || groesse.height() > platz.height())) {
        QSize ziel = groesse.scaled(platz, Qt::KeepAspectRatio);
        if (gedreht) ziel.transpose();
        leser.setScaledSize(ziel);
    }
    QImage bild = leser.read();
    // A format that tells its size only while reading.
    if (bild.width() > platz.width() || bild.height() > platz.height())
        bild = bild.scaled(platz, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return bild;
}

Bildlader::Bildlader(QObject* parent) : QObject(parent) { m_pool.setMaxThreadCount(1); }

Bildlader::~Bildlader()
{
    verwerfen();
    m_pool.waitForDone();
}

void Bildlader::laden(const QString& datei, QSize platz)
{
    const quint64 nr = ++m_nr;
    m_gueltig.store(nr);
    ++m_offen;
    m_pool.start([this, datei, platz, nr] {
        QImage bild;
        if (m_gueltig.load() == nr) bild = BildLesen(datei, platz);
        QMetaObject::invokeMethod(this, [this, nr, bild] { angekommen(nr, bild); }, Qt::QueuedConnection);
    });
}

void Bildlader::verwerfen() { m_gueltig.store(++m_nr); }

void Bildlader::angekommen(quint64 nr, const QImage& bild)
{
    --m_offen;
    if (nr == m_nr) emit geladen(bild);
}
