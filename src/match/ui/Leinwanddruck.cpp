#include "match/ui/Leinwanddruck.h"

#include "core/Boxes.h"
#include "core/ui/Drucker.h"
#include "core/ui/Druckserver.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

namespace {

QFont Grundschrift()
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    return f;
}

bool Zeichnen(QPagedPaintDevice& geraet, Druckart art, bool heim)
{
    const auto layout = DruckartLayout(art, heim, QSizeF(geraet.width(), geraet.height()));
    if (!layout) return false;
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    LayoutZeichnen(maler, geraet, *layout);
    return maler.end();
}

void Drucken(QWidget* eltern, Druckart art, bool heim)
{
    if (!DruckartLayout(art, heim, QSizeF(1, 1))) return;  // no match or player
    if (!DruckserverMelden()) return;
    QPrinter& drucker = Drucker();
    drucker.setDocName(DruckartName(art, heim));
    drucker.setCopyCount(1);
    drucker.setPageOrientation(QPageLayout::Landscape);
    if (!DruckdialogZeigen(drucker, eltern)) return;
    drucker.setPageOrientation(QPageLayout::Landscape);
    const Druckannahme annahme(drucker);
    if (!Zeichnen(drucker, art, heim))
        boxen().hinweis(QStringLiteral("Der Druck ist fehlgeschlagen."));
    else
        annahme.melden();
}

}  // namespace

void WurfprotokollDrucken(QWidget* eltern) { Drucken(eltern, Druckart::Wurfprotokoll, true); }

void MannschaftsstatistikDrucken(QWidget* eltern, bool heim)
{
    Drucken(eltern, Druckart::Mannschaftsstatistik, heim);
}

void MannschaftsstatistikSeitenDrucken(QWidget* eltern, bool heim)
{
    Drucken(eltern, Druckart::MannschaftsstatistikSeiten, heim);
}

bool DruckAlsPdf(const QString& datei, Druckart art, bool heim)
{
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter pdf(&ziel);
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        if (!Zeichnen(pdf, art, heim)) return false;
    }
    return ziel.commit();
}

void LayoutZeichnen(QPainter& maler, QPagedPaintDevice& geraet, const DruckLayout& layout)
{
    const double u = layout.einheit;
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::white);
    for (const DruckBefehl& b : layout.befehle) {
        switch (b.art) {
        case DruckBefehl::NeueSeite:
            geraet.newPage();
            break;
        case DruckBefehl::Kreis:
            maler.setBrush(b.gefuellt ? Qt::red : Qt::white);
            maler.drawEllipse(QRectF(b.x * u, b.y * u, b.breite * u, b.hoehe * u));
            maler.setBrush(Qt::white);
            break;
        case DruckBefehl::Text: {
            QFont f = Grundschrift();
            f.setPixelSize(std::max(1, qRound(b.groesse * layout.punkt * u)));
            f.setBold(b.fett);
            maler.setFont(f);
            const QFontMetricsF m(f, &geraet);
            double x = b.x * u;
            if (b.anker == Anker::Rechts) x -= m.horizontalAdvance(b.text);
            maler.drawText(QPointF(x, b.y * u + m.ascent()), b.text);
            break;
        }
        }
    }
}

