#pragma once
// The paper in a throw-sheet printer, read back from the ESC/P bytes the
// program sends it: which character stands where on which sheet. Emulation 0
// is the 24-pin "Epson LQ", emulation 1 the 9-pin "Epson FX 850"; they differ
// in the step of ESC J / ESC j (1/180 and 1/216 inch) and in ESC ( C (page
// length), which only the LQ knows.
//
// Positions are kept exact: x in 1/120 inch from the left end of the line
// (a 12-cpi column is 10, a condensed 10-cpi character 7), y in 1/1080 inch
// from the top of the sheet (an LQ step is 6, an FX step 5, a line 180).
// The line accessors work in 12-cpi columns and 1/180 inch: a y off that grid
// (FX feeds that are not a multiple of 6/216 inch) counts on the nearest
// 1/180 inch, half a step rounding down the sheet.
//
// The head starts at 10 cpi (as after ESC @). SO lasts until DC4, CR, LF or
// FF; BS goes back one width of the current pitch, never past the line start;
// LF keeps x. Line spacing stays 1/6 inch.
//
// Bytes may come in chunks of any size; a command cut between two chunks is
// completed by the next one.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

struct Papierzeichen {
    int blatt;    // from 1
    int x;        // 1/120 inch
    int y;        // 1/1080 inch
    char c;       // the byte as sent, no character set applied
    int breite;   // advance in 1/120 inch
    bool fett;    // double strike
    bool breit;   // double width
    bool unterstrichen;
};

// A bit image (ESC L): one byte per column, the columns 1/120 inch apart.
struct Papierbild {
    int blatt;
    int x;  // 1/120 inch
    int y;  // 1/1080 inch
    QByteArray spalten;
};

struct Fundstelle {
    int blatt;
    int x60;   // 1/60 inch, the start of the 12-cpi column
    int y180;  // 1/180 inch
    bool operator==(const Fundstelle&) const = default;
};

class Papier {
public:
    static constexpr int XProZoll = 120;
    static constexpr int YProZoll = 1080;

    explicit Papier(int emulation = 0);

    void drucken(QByteArrayView bytes);

    // In print order, overprints included.
    const std::vector<Papierzeichen>& zeichen() const { return m_zeichen; }
    const std::vector<Papierbild>& bilder() const { return m_bilder; }
    // Unknown commands and control bytes, and bad parameters, each with its
    // offset in the whole stream; the printing went on past them.
    const QStringList& fehler() const { return m_fehler; }
    // A command has begun whose bytes have not all come yet.
    bool befehlOffen() const { return !m_rest.isEmpty(); }

    // Where the head stands: sheet from 1, x in 1/120, y in 1/1080 inch.
    int blatt() const { return m_blatt; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    // The last page length set, in 1/360 inch; 0 while none was set.
    int seitenlaenge() const { return m_seitenlaenge; }
    // The last ESC R; 0 (USA) before one and after ESC @.
    int zeichensatz() const { return m_zeichensatz; }

    // One line of a sheet in 12-cpi columns (x / 10), blanks where nothing
    // stands, without trailing blanks. A later character in a column stands
    // over an earlier one, except a blank, which leaves the paper as it is.
    // Wider characters show their gaps: "A B" for double-width "AB".
    QByteArray zeile(int blatt, int y180) const;
    // The y of every line of the sheet on which a non-blank character stands, ascending.
    std::vector<int> zeilen(int blatt) const;
    // The sheet as text, one "    y: line" per entry of zeilen(), Latin-1.
    QString alsText(int blatt) const;
    // Every place where text stands in consecutive columns of one line, by
    // sheet, line and column; a blank of text matches an empty column.
    std::vector<Fundstelle> wo(QByteArrayView text) const;

private:
    // The bytes a command at the start of r takes, 0 while they have not all come.
    static qsizetype befehlslaenge(QByteArrayView r);
    void ausfuehren(QByteArrayView befehl);
    void escAusfuehren(QByteArrayView befehl);
    void zeichenSetzen(char c);
    void zuruecksetzen();
    int zeichenbreite() const;
    void fehlerMelden(const QString& was);

    int m_emulation;
    QByteArray m_rest;         // an unfinished command
    qint64 m_gelesen = 0;      // stream offset of m_rest's first byte
    qint64 m_befehlAnfang = 0;

    int m_blatt = 1;
    int m_x = 0;
    int m_y = 0;
    bool m_zehnCpi = true;
    bool m_schmal = false;
    bool m_breit = false;
    bool m_fett = false;
    bool m_unterstrichen = false;
    int m_seitenlaenge = 0;
    int m_zeichensatz = 0;

    std::vector<Papierzeichen> m_zeichen;
    std::vector<Papierbild> m_bilder;
    QStringList m_fehler;
};
