#pragma once
// The places of the free form fields on the report layouts: the keys of
// "Position.inf", what the position dialog shows and stores, and the
// arithmetic of the drag preview (pixels of the layout's picture).

#include "core/Records.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

constexpr int PositionFormulare = 20;  // layouts 0..19
constexpr int PositionNameFrei = 10;   // fields up to this number have a name the user edits
constexpr int PositionNameLaenge = 24;
constexpr int PositionZahlLaenge = 4;

// "Spielleitung_Name(30.3)": the name with each blank as "_", the field and the layout.
QString PositionSchluessel(const QString& name, int feld, int formular);

// The 20 entries of the layout choice: the names of "Formular.inf", and
// "Formular <n>" where that list has none.
QStringList PositionFormularListe(const QStringList& namen);
// The layout the dialog selects first: the match's, else (above 19, or
// without a match) the first.
int PositionStartformular(const TWettkampfDaten* w);

// The texts of the three number edits.
struct Positionswerte {
    QString top, left, width;
    bool operator==(const Positionswerte&) const = default;
};
// What the edits show for the field on the layout: the entry's numbers when
// a position is set there, else `sonst` (the last values when the dialog
// opens, nothing when another layout is chosen).
Positionswerte PositionAnzeigen(int feld, int formular, const Positionswerte& sonst = {});

struct PositionenZustand {
    Positionswerte letzte;  // what the edits showed when the dialog closed last
    void zuruecksetzen() { *this = PositionenZustand{}; }
};
extern PositionenZustand positionenZustand;

// What the dialog's OK takes.
struct Positionseingabe {
    QString sektion;  // without brackets: "Mannschaftsdaten"
    int feld = 0;
    int formular = 0;
    bool nameAenderbar = false;
    QString name;
    Positionswerte werte;
};

enum class Positionsuebernahme {
    Gespeichert,
    NameFehlt,  // the name edit is empty: nothing stored, the dialog stays
    Fehler,     // nothing stored; `meldung` says why
};
struct Positionsergebnis {
    Positionsuebernahme art = Positionsuebernahme::Fehler;
    QString meldung;
};

// The dialog's OK: the name into PositionFeldName (when it may be edited);
// with a width the entry is set and its line written into the section,
// without one the entry is cleared and its line removed; lines of the same
// field and layout under an earlier name go as well. Then "Position.inf" is
// saved in the program folder. When that fails, the list, the entry and the
// name are as before.
Positionsergebnis PositionUebernehmen(const Positionseingabe& e);

// --- The preview -------------------------------------------------------------------
constexpr int VorschauMindestbreite = 10;
constexpr int VorschauGriff = 5;       // the sizing grip at the frame's right end
constexpr int VorschauBildlaufSchritt = 10;  // scroll step of the timer
constexpr int VorschauTimerMs = 50;

// The text's rectangle: at least 10 wide, `hoehe` high.
QRect VorschauRechteck(int top, int left, int width, int hoehe);
// The pointer at x (within the frame) is on the sizing grip.
bool VorschauImGriff(int x, int breite);
// The width while the grip is dragged: the pointer's x within the frame, at
// least 10 and not past the picture's right edge.
int VorschauGezogeneBreite(int x, int links, int bildBreite);
// The frame moved by `versatz` and kept inside the picture.
QRect VorschauVerschoben(const QRect& rahmen, QPoint versatz, QSize bild);

// The arrow keys' step: 1, with Shift 10, with Ctrl 100.
int VorschauPfeilschritt(bool shift, bool ctrl);

struct Vorschausicht {
    QPoint bildlauf;  // scroll position
    QSize sicht;      // the view's client size
    QSize bild;       // the picture's size
};
// The scroll position after one step while the frame is out of view: left
// or up while it is left of or above the view and the view is scrolled that
// way; right or down while it passes the view's right or bottom edge and the
// picture goes on beyond it. Held within the picture.
QPoint VorschauBildlauf(const QRect& rahmen, const Vorschausicht& s, int schritt);

struct Vorschaulage {
    QRect rahmen;
    QPoint bildlauf;
    bool operator==(const Vorschaulage&) const = default;
};
// An arrow key: the frame moved by (dx, dy) steps, kept inside the picture,
// and the view scrolled by the step where it left the view.
Vorschaulage VorschauPfeiltaste(const QRect& rahmen, const Vorschausicht& s, int dx, int dy, int schritt);

// The picture of the blank form that the preview shows at full size: layouts
// 0..8 drawn by the program, 9..19 "Formular<n>.bmp" or ".png" of the
// bitmaps folder. A null picture and *fehler the German message when there
// is none.
QImage PositionVorschaubild(int formular, QString* fehler);
