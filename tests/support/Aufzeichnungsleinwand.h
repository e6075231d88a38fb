#pragma once
// A canvas that records what is drawn on it, for exact tests of the report
// layouts: every text with its position, anchor, font and clip rectangle.
// A text's width is taken as half its font's pixel height per character.

#include "report/formulare/Leinwand.h"

#include <QList>
#include <QStringList>

struct Zeichnung {
    enum Art { Text, Rechts, Geklippt, Kreuz, Linie, Rechteck, Bild };
    Art art = Text;
    int x = 0;  // Rechts: the right edge
    int y = 0;
    QString text;  // a cross: "X"
    Berichtsschrift schrift;
    QRect rahmen;  // Geklippt: the clip rectangle; Linie: from/to; Rechteck, Bild: the rectangle
};

class Aufzeichnungsleinwand final : public Berichtsleinwand {
public:
    QList<Zeichnung> zeichnungen;

    void schriftSetzen(const Berichtsschrift& s) override { m_schrift = s; }
    const Berichtsschrift& schrift() const override { return m_schrift; }
    int textbreite(const QString& t) const override { return int(t.size()) * m_schrift.pixel() / 2; }
    void text(int x, int y, const QString& t) override { add(Zeichnung::Text, x, y, t); }
    void textRechts(int x, int y, const QString& t) override { add(Zeichnung::Rechts, x, y, t); }
    void textGeklippt(const QRect& r, int x, int y, const QString& t) override
    {
        add(Zeichnung::Geklippt, x, y, t);
        zeichnungen.back().rahmen = r;
    }
    void kreuz(int x, int y) override { add(Zeichnung::Kreuz, x, y, QStringLiteral("X")); }
    void linie(int x1, int y1, int x2, int y2, int) override
    {
        add(Zeichnung::Linie, x1, y1, {});
        zeichnungen.back().rahmen = QRect(QPoint(x1, y1), QPoint(x2, y2));
    }
    void rechteck(const QRect& r, int) override
    {
        add(Zeichnung::Rechteck, r.x(), r.y(), {});
        zeichnungen.back().rahmen = r;
    }
    void bild(const QRect& ziel, const QImage&) override
    {
        add(Zeichnung::Bild, ziel.x(), ziel.y(), {});
        zeichnungen.back().rahmen = ziel;
    }

    // The texts (and crosses) in drawing order.
    QList<Zeichnung> texte() const
    {
        QList<Zeichnung> t;
        for (const Zeichnung& z : zeichnungen)
            if (z.art <= Zeichnung::Kreuz) t.append(z);
        return t;
    }
    // The first text drawn with exactly this content; null when none was.
    const Zeichnung* finde(const QString& t) const
    {
        for (const Zeichnung& z : zeichnungen)
            if (z.art <= Zeichnung::Kreuz && z.text == t) return &z;
        return nullptr;
    }
    // Every text drawn at (x, y) — its anchor, as the layout gave it.
    QStringList an(int x, int y) const
    {
        QStringList t;
        for (const Zeichnung& z : zeichnungen)
            if (z.art <= Zeichnung::Kreuz && z.x == x && z.y == y) t.append(z.text);
        return t;
    }
    // The crosses, as (x, y) pairs.
    QList<QPoint> kreuze() const
    {
        QList<QPoint> k;
        for (const Zeichnung& z : zeichnungen)
            if (z.art == Zeichnung::Kreuz) k.append(QPoint(z.x, z.y));
        return k;
    }

private:
    void add(Zeichnung::Art art, int x, int y, const QString& t)
    {
        Zeichnung z;
        z.art = art;
        z.x = x;
        z.y = y;
        z.text = t;
        z.schrift = m_schrift;
        zeichnungen.append(z);
    }

    Berichtsschrift m_schrift;
};
