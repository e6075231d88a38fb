#include "report/formulare/Leinwand.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <cmath>

int Berichtsschrift::pixel() const { return int(std::lround(punkte * 96.0 / 72.0)); }

Berichtsschrift Berichtsschrift::groesse(int punkteNeu) const
{
    Berichtsschrift s = *this;
    s.punkte = punkteNeu;
    return s;
}

namespace {

QColor Windowsfarbe(u32 farbe) { return QColor(int(farbe & 0xFF), int((farbe >> 8) & 0xFF), int((farbe >> 16) & 0xFF)); }

}  // namespace

Malerleinwand::Malerleinwand(QPainter& maler) : m_maler(maler) { schriftSetzen(m_schrift); }

void Malerleinwand::schriftSetzen(const Berichtsschrift& s)
{
    m_schrift = s;
    QFont f(s.name);
    f.setPixelSize(std::max(1, s.pixel()));
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    f.setKerning(false);
    m_maler.setFont(f);
    m_maler.setPen(Windowsfarbe(s.farbe));
    m_oberlaenge = m_maler.fontMetrics().ascent();
}

int Malerleinwand::textbreite(const QString& t) const { return m_maler.fontMetrics().horizontalAdvance(t); }

void Malerleinwand::text(int x, int y, const QString& t) { m_maler.drawText(QPoint(x, y + m_oberlaenge), t); }

void Malerleinwand::textRechts(int x, int y, const QString& t) { text(x - textbreite(t), y, t); }

void Malerleinwand::textGeklippt(const QRect& r, int x, int y, const QString& t)
{
    m_maler.save();
    m_maler.setClipRect(r, Qt::IntersectClip);
    text(x, y, t);
    m_maler.restore();
}

void Malerleinwand::kreuz(int x, int y) { text(x, y, QStringLiteral("X")); }

void Malerleinwand::linie(int x1, int y1, int x2, int y2, int staerke)
{
    m_maler.save();
    m_maler.setPen(QPen(Qt::black, staerke, Qt::SolidLine, Qt::SquareCap));
    m_maler.drawLine(x1, y1, x2, y2);
    m_maler.restore();
}

void Malerleinwand::rechteck(const QRect& r, int staerke)
{
    m_maler.save();
    m_maler.setPen(QPen(Qt::black, staerke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_maler.setBrush(Qt::NoBrush);
    m_maler.drawRect(r);
    m_maler.restore();
}

void Malerleinwand::bild(const QRect& ziel, const QImage& b) { m_maler.drawImage(ziel, b); }

void Zeichenliste::abspielen(Berichtsleinwand& l) const
{
    for (const auto& schritt : m_schritte) schritt(l);
}

Aufnahmeleinwand::Aufnahmeleinwand()
    : m_messbild(1, 1, QImage::Format_RGB32), m_maler(std::make_unique<QPainter>(&m_messbild)),
      m_messer(std::make_unique<Malerleinwand>(*m_maler))
{
}

Aufnahmeleinwand::~Aufnahmeleinwand()
{
    m_messer.reset();
    m_maler.reset();
}

void Aufnahmeleinwand::schriftSetzen(const Berichtsschrift& s)
{
    m_messer->schriftSetzen(s);
    m_liste.m_schritte.push_back([s](Berichtsleinwand& l) { l.schriftSetzen(s); });
}

const Berichtsschrift& Aufnahmeleinwand::schrift() const { return m_messer->schrift(); }

int Aufnahmeleinwand::textbreite(const QString& t) const { return m_messer->textbreite(t); }

void Aufnahmeleinwand::text(int x, int y, const QString& t)
{
    m_liste.m_schritte.push_back([x, y, t](Berichtsleinwand& l) { l.text(x, y, t); });
}

void Aufnahmeleinwand::textRechts(int x, int y, const QString& t)
{
    m_liste.m_schritte.push_back([x, y, t](Berichtsleinwand& l) { l.textRechts(x, y, t); });
}

void Aufnahmeleinwand::textGeklippt(const QRect& r, int x, int y, const QString& t)
{
    m_liste.m_schritte.push_back([r, x, y, t](Berichtsleinwand& l) { l.textGeklippt(r, x, y, t); });
}

void Aufnahmeleinwand::kreuz(int x, int y)
{
    m_liste.m_schritte.push_back([x, y](Berichtsleinwand& l) { l.kreuz(x, y); });
}

void Aufnahmeleinwand::linie(int x1, int y1, int x2, int y2, int staerke)
{
    m_liste.m_schritte.push_back([=](Berichtsleinwand& l) { l.linie(x1, y1, x2, y2, staerke); });
}

void Aufnahmeleinwand::rechteck(const QRect& r, int staerke)
{
    m_liste.m_schritte.push_back([r, staerke](Berichtsleinwand& l) { l.rechteck(r, staerke); });
}

void Aufnahmeleinwand::bild(const QRect& ziel, const QImage& b)
{
    m_liste.m_schritte.push_back([ziel, b](Berichtsleinwand& l) { l.bild(ziel, b); });
}
