#pragma once
// The canvas the report forms are drawn on, in pixels of the form picture:
// texts at their cell's top-left corner, right-aligned numbers, clipped
// names, crosses, the lines of the blank forms and pictures. Font sizes are
// points at 96 pixels per inch, whatever the screen.

#include "core/Records.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

struct Berichtsschrift {
    QString name = QStringLiteral("Arial");
    int punkte = 30;  // the size as the settings hold it (three times the dialog's)
    bool fett = false;
    bool kursiv = false;
    u32 farbe = 0;  // Windows colour value 0x00BBGGRR

    // Height of the characters in pixels: points x 96 / 72, rounded.
    int pixel() const;
    // The font's height value: negative, as for a size in points. A row
    // whose y is the bottom of its text draws the text at y + hoehe().
    int hoehe() const { return -pixel(); }
    // The same font at another size.
    Berichtsschrift groesse(int punkteNeu) const;
    bool operator==(const Berichtsschrift&) const = default;
};

class Berichtsleinwand {
public:
    virtual ~Berichtsleinwand() = default;

    virtual void schriftSetzen(const Berichtsschrift& s) = 0;
    virtual const Berichtsschrift& schrift() const = 0;
    virtual int textbreite(const QString& t) const = 0;

    // A text whose cell's top-left corner is (x, y).
    virtual void text(int x, int y, const QString& t) = 0;
    // A text whose right edge is x: its left is x minus its width.
    virtual void textRechts(int x, int y, const QString& t) = 0;
    // A text at (x, y), cut off at the rectangle's edges.
    virtual void textGeklippt(const QRect& r, int x, int y, const QString& t) = 0;
    // The cross "X" of a check box, at (x, y) in the current font.
    virtual void kreuz(int x, int y) = 0;

    // The blank forms: lines and frames in black, pictures stretched.
    virtual void linie(int x1, int y1, int x2, int y2, int staerke) = 0;
    virtual void rechteck(const QRect& r, int staerke) = 0;
    virtual void bild(const QRect& ziel, const QImage& b) = 0;
};

// Draws with an open QPainter; texts are drawn transparently in the font's colour.
class Malerleinwand final : public Berichtsleinwand {
public:
    explicit Malerleinwand(QPainter& maler);

    void schriftSetzen(const Berichtsschrift& s) override;
    const Berichtsschrift& schrift() const override { return m_schrift; }
    int textbreite(const QString& t) const override;
    void text(int x, int y, const QString& t) override;
    void textRechts(int x, int y, const QString& t) override;
    void textGeklippt(const QRect& r, int x, int y, const QString& t) override;
    void kreuz(int x, int y) override;
    void linie(int x1, int y1, int x2, int y2, int staerke) override;
    void rechteck(const QRect& r, int staerke) override;
    void bild(const QRect& ziel, const QImage& b) override;

private:
    QPainter& m_maler;
    Berichtsschrift m_schrift;
    int m_oberlaenge = 0;  // ascent of the current font
};

// Drawing steps recorded on one canvas to be drawn on another later, on any
// thread: they hold copies of what they draw.
class Zeichenliste {
public:
    // Draws the steps in order.
    void abspielen(Berichtsleinwand& l) const;
    bool leer() const { return m_schritte.empty(); }

private:
    friend class Aufnahmeleinwand;
    std::vector<std::function<void(Berichtsleinwand&)>> m_schritte;
};

// Records what is drawn on it; text widths are measured as a canvas on a
// picture measures them, so that a layout decides as it would there.
class Aufnahmeleinwand final : public Berichtsleinwand {
public:
    Aufnahmeleinwand();
    ~Aufnahmeleinwand() override;

    const Zeichenliste& liste() const { return m_liste; }

    void schriftSetzen(const Berichtsschrift& s) override;
    const Berichtsschrift& schrift() const override;
    int textbreite(const QString& t) const override;
    void text(int x, int y, const QString& t) override;
    void textRechts(int x, int y, const QString& t) override;
    void textGeklippt(const QRect& r, int x, int y, const QString& t) override;
    void kreuz(int x, int y) override;
    void linie(int x1, int y1, int x2, int y2, int staerke) override;
    void rechteck(const QRect& r, int staerke) override;
    void bild(const QRect& ziel, const QImage& b) override;

private:
    Zeichenliste m_liste;
    QImage m_messbild;
    std::unique_ptr<QPainter> m_maler;
    std::unique_ptr<Malerleinwand> m_messer;
};
