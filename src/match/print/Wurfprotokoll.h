#pragma once
// The canvas prints as pure layouts: the throw protocol of one player and the
// side statistics (one page and the page version) as lists of drawing
// commands in page units. The print window only renders them.
//
// Positions keep the grid of the forms: the protocol is 1360 units wide
// (four lane blocks of 340), the statistics 300. Font sizes are points on an
// A4 landscape page of that width; the whole layout, fonts included, is
// scaled down when its content does not fit the page.

#include "core/Records.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

// The event letters of a throw's mark byte, bit 0 first: F N Ü V A K W Z.
QString EreignisText(u8 marke);

enum class Anker { Links, Rechts };  // a text starts at x, or ends at x

struct DruckBefehl {
    enum Art { Text, Kreis, NeueSeite };
    Art art = Text;
    double x = 0;  // page units; a text's top edge is y
    double y = 0;
    QString text;
    int groesse = 8;  // points
    bool fett = false;
    Anker anker = Anker::Links;
    double breite = 0;  // the ellipse's box
    double hoehe = 0;
    bool gefuellt = false;  // the ellipse filled red (a felled pin), else white
};

struct DruckLayout {
    QList<DruckBefehl> befehle;
    double einheit = 1;  // device units per page unit
    double punkt = 1;    // page units per point of a font size

    int seiten() const;
    // Where a command stands in page units; a text's width is estimated
    // generously from its length (the fitting relies on it).
    QRectF rahmen(const DruckBefehl& b) const;
};

// The throw protocol of player s: the lane blocks side by side, throws 1..50
// on the first page, 51..100 on a second one when any block has them.
DruckLayout WurfprotokollLayout(const TWettkampfDaten& w, const TSpielerEintrag& s, QSizeF seite);
// One side's statistics on one page: lane blocks 1 and 2, four players a half.
DruckLayout MannschaftsstatistikLayout(const TWettkampfDaten& w, bool heim, QSizeF seite);
// The page version: lane blocks 1..4, four players a page.
DruckLayout MannschaftsstatistikSeitenLayout(const TWettkampfDaten& w, bool heim, QSizeF seite);

enum class Druckart { Wurfprotokoll, Mannschaftsstatistik, MannschaftsstatistikSeiten };

// The layout of a print for the current match (and, for the protocol, the
// current player); nothing without them.
std::optional<DruckLayout> DruckartLayout(Druckart art, bool heim, QSizeF seite);
// Its document name, which a print into a file is proposed after: the
// protocol's after its player, the statistics' after their side's team.
QString DruckartName(Druckart art, bool heim);
