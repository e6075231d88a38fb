#pragma once
// The report project: this program's own JSON format of a card (one page a
// record: the match report) or a list (a table of records over as many
// pages as they need: the player list), and how a project and the defined
// values make the pages.
//
//   {
//     "format": "corvalink-berichtsprojekt", "version": 1,
//     "typ": "karte" | "liste",
//     "seite": {"format": "A4" | "A5", "ausrichtung": "hoch" | "quer"},
//     "hintergrund": "Bild.png",                (optional, beside the project)
//     "objekte": [
//       {"art": "text", "rechteck_mm": [x, y, b, h], "text": "Datum: {Wettkampf.Datum}",
//        "schrift": {"familie": "Liberation Sans", "punkt": 10, "fett": false, "kursiv": false},
//        "farbe": "#000000", "ausrichtung": "links" | "mitte" | "rechts",
//        "null_leer": true},                       (optional: a value "0" fills in as nothing)
//       {"art": "kreuz", "rechteck_mm": [...], "variable": "Wettkampf.Protest"},   ("X" when "T")
//       {"art": "linie", "von_mm": [x, y], "bis_mm": [x, y], "staerke_mm": 0.3, "farbe": "#000000"},
//       {"art": "rechteck", "rechteck_mm": [...], "staerke_mm": 0.3, "farbe": ..., "fuellung": "#eeeeee"},
//       {"art": "bild", "rechteck_mm": [...], "datei": "Logo.png"},
//       {"art": "tabelle", "rechteck_mm": [...], "zeilenhoehe_mm": 6, "kopf": true,   (lists only)
//        "schrift": {...}, "kopfschrift": {...},
//        "spalten": [{"titel": "Name", "breite_mm": 50, "inhalt": "{Spieler.Name}", "ausrichtung": "links"}]}
//     ]
//   }
//
// A colour is "#rrggbb", "#aarrggbb", "#rgb" or a colour name; one of 12 or
// 16 bits a channel ("#rrrgggbbb", "#rrrrggggbbbb") is written back in them.
//
// Pictures ("hintergrund", a "bild"'s "datei") come from the project's
// folder tree or the program folder's; any other is never read, draws
// nothing and is named in the project's notices.
//
// A text holds {Name} for the value of a variable (or, in a table's cells,
// a field); "{{" and "}}" stand for the braces themselves; a name that is
// not defined gives an empty text.

#include "platform/bericht/Berichtsmaschine.h"
#include "platform/bericht/Berichtsseite.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <functional>
#include <optional>

enum class Projektart { Karte, Liste };

struct Projektspalte {
    QString titel;   // a template
    QString inhalt;  // a template of fields
    double breiteMm = 30;
    Textausrichtung ausrichtung = Textausrichtung::Links;
    bool operator==(const Projektspalte&) const = default;
};

struct Projektobjekt {
    Berichtselement::Art art = Berichtselement::Art::Text;
    QRectF mm;         // a line: from top left to bottom right
    QString vorlage;   // text: the template; kreuz: the variable's name
    bool nullLeer = false;  // text: a name whose value is "0" fills in as nothing
    QString datei;     // bild: the picture, relative to the project's folder
    Seitenschrift schrift;
    QColor farbe = Qt::black;
    QColor fuellung;
    double staerkeMm = 0.3;
    Textausrichtung ausrichtung = Textausrichtung::Links;
    // tabelle
    QList<Projektspalte> spalten;
    bool kopf = true;
    Seitenschrift kopfschrift;
    double zeilenhoeheMm = 6;
    bool operator==(const Projektobjekt&) const = default;
};

struct Berichtsprojekt {
    int version = 1;
    Projektart art = Projektart::Karte;
    QSizeF seiteMm{210, 297};  // after the orientation
    QString hintergrund;       // a picture stretched over the page, relative to `ordner`
    QList<Projektobjekt> objekte;
    QString ordner;  // the project file's folder (pictures are read from it)
    QStringList hinweise;  // what is left out of the pages (pictures from elsewhere), in German
    bool operator==(const Berichtsprojekt&) const = default;
};

// Where a project text is wrong: line and column (1-based; 0 when the
// fault is not at one place of the text) and what is wrong, in German.
struct Projektfehler {
    int zeile = 0;
    int spalte = 0;
    QString text;
};

// "Zeile 4, Spalte 12: <text>", or only the text for a fault without a place.
QString ProjektfehlerText(const Projektfehler& fehler);

struct Projektergebnis {
    std::optional<Berichtsprojekt> projekt;
    Projektfehler fehler;  // when there is no project
};

// The project in a text. A text that is no JSON object of this format
// (a project file of another program, say) gives the fault "Formulardatei
// hat ein unbekanntes Format".
Projektergebnis ProjektLesen(const QByteArray& text, const QString& ordner = {});
// The project in a file; a missing file is a fault too.
Projektergebnis ProjektdateiLesen(const QString& datei);
// The project as a text that ProjektLesen reads back to the same project.
QByteArray ProjektText(const Berichtsprojekt& projekt);

// The program folder, whose pictures projects may use besides their own.
void BerichtProgrammordnerSetzen(const QString& ordner);
// The path of a project's picture (relative to the project's folder
// `ordner`, or absolute) when it lies in that folder's tree or the program
// folder's (a link counts where it leads); none for any other.
std::optional<QString> ProjektBildpfad(const QString& ordner, const QString& datei);

// The program's default projects (the match report card, the player list),
// as texts.
QByteArray StandardProjekt(Projektart art);

// The names a project uses in its templates, each once, in order of use.
QStringList ProjektNamen(const Berichtsprojekt& projekt);

using Wertetabelle = QHash<QString, QString>;
Wertetabelle Werte(const Berichtswerte& werte);  // by name; the last definition counts

// The template with its names filled in; the names that have no value are
// appended to *unbekannt when given. With nullLeer a value "0" fills in as
// nothing (a lane or substitute number that is none).
QString VorlageFuellen(const QString& vorlage, const Wertetabelle& werte, QStringList* unbekannt = nullptr,
                       bool nullLeer = false);

// An object's kind as the format names it ("text", "tabelle", ...).
QString ObjektartName(Berichtselement::Art art);

// Asked for each object as it is about to go on a page (its index in the
// project and the object): false leaves it off.
using Objektfilter = std::function<bool(int index, const Projektobjekt& objekt)>;

// A new page: the background and every object with the variables; a list's
// table with its header and no rows yet. "Datum" (dd.MM.yyyy) and "Uhrzeit"
// (hh:mm) are today's unless the variables define them. A missing picture
// (and a cross whose variable is not "T") is left out, and so is an object
// the filter refuses.
Berichtsseite SeiteBeginnen(const Berichtsprojekt& projekt, const Wertetabelle& variablen,
                            const Objektfilter& zeigen = {});
// One row of the list's table with the fields. False, the page unchanged,
// when the row does not fit below the rows already on it; on a page without
// rows a row always goes on (cut at the table's bottom), so that paging
// ends. A project without a table takes no rows (true, nothing added).
bool ZeileAnfuegen(Berichtsseite& seite, const Berichtsprojekt& projekt, const Wertetabelle& felder);
