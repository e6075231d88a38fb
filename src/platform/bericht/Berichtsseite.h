#pragma once
// A printed page of a report as a list of placed elements in millimetres,
// with every value already filled in: what a print session produces and
// what the printer, the preview, the preview file and the HTML and JPEG
// exports take.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

class QPainter;

struct Seitenschrift {
    QString familie = QStringLiteral("Liberation Sans");
    double punkt = 10;
    bool fett = false;
    bool kursiv = false;
    bool operator==(const Seitenschrift&) const = default;
};

enum class Textausrichtung { Links, Mitte, Rechts };

struct Tabellenspalte {
    QString titel;   // filled in
    double breiteMm = 30;
    Textausrichtung ausrichtung = Textausrichtung::Links;
    bool operator==(const Tabellenspalte&) const = default;
};

struct Berichtselement {
    enum class Art { Text, Linie, Rechteck, Bild, Kreuz, Tabelle };
    Art art = Art::Text;
    // The element's box; a line runs from its top left to its bottom right.
    QRectF mm;
    QString text;  // Text: the filled-in text (may hold line breaks)
    Seitenschrift schrift;
    QColor farbe = Qt::black;
    QColor fuellung;         // Rechteck: invalid = not filled
    double staerkeMm = 0.3;  // Linie, Rechteck, Kreuz
    Textausrichtung ausrichtung = Textausrichtung::Links;
    QImage bild;  // Bild
    // Tabelle: the columns from the box's left, the header row (when kopf),
    // then the rows, each zeilenhoeheMm high.
    QList<Tabellenspalte> spalten;
    bool kopf = true;
    Seitenschrift kopfschrift;
    double zeilenhoeheMm = 6;
    QList<QStringList> zeilen;

    bool operator==(const Berichtselement&) const = default;
};

struct Berichtsseite {
    QSizeF groesseMm{210, 297};
    QList<Berichtselement> elemente;
    bool operator==(const Berichtsseite&) const = default;
};

// Draws the page onto the painter's whole device (white background first),
// at the device's resolution; `ziel` in device pixels, empty: the whole
// device as the page.
void SeiteZeichnen(QPainter& maler, const Berichtsseite& seite, const QRectF& ziel = {});
// The page as a picture `breite` pixels wide (height by the page's ratio).
QImage SeitenBild(const Berichtsseite& seite, int breite);

// The pages as one HTML document: a page-sized block per page with the
// texts positioned in mm, a table per list table; every value escaped;
// UTF-8 declared.
QString SeitenHtml(const QList<Berichtsseite>& seiten, const QString& titel);
// The first page as a JPEG picture at 150 dpi, written whole. False with *fehler.
bool SeiteJpegSchreiben(const Berichtsseite& seite, const QString& datei, QString* fehler);
// The HTML document written whole (UTF-8). False with *fehler.
bool SeitenHtmlSchreiben(const QList<Berichtsseite>& seiten, const QString& titel, const QString& datei,
                         QString* fehler);

// The preview file: the pages in a versioned binary form of this program.
bool VorschaudateiSchreiben(const QString& datei, const QList<Berichtsseite>& seiten, QString* fehler);
// The pages of a preview file; nullopt with *fehler for a missing, foreign or damaged file.
std::optional<QList<Berichtsseite>> VorschaudateiLesen(const QString& datei, QString* fehler);
