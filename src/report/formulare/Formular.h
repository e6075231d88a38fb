#pragma once
// The official match report on the nine built-in layouts (0..8): the match's
// texts at fixed pixel positions on the layout's blank form, which this
// program draws itself. Indices 9..19 are report projects and draw nothing.

#include "core/SettingsFile.h"
#include "report/formulare/Leinwand.h"

#include <QImage>
#include <QString>
#include <optional>

constexpr int FormularAnzahl = 9;

// Full size of a layout for the zoom and the height of its preview (600
// wide). The picture itself is as wide or a little wider (FormularBild).
struct Formularmasse {
    int breite = 0;
    int hoehe = 0;
    int vorschauHoehe = 0;
};
// Nothing for an index outside 0..8.
std::optional<Formularmasse> FormularMasse(int index);
// A short name for the layout's files ("A5", "Hochformat", ...); empty outside 0..8.
QString FormularKurzname(int index);

using Feldpositionen = CheckedArray<CheckedArray<TFeldPosition, 0, 19>, 1, 200>;

// What a layout takes besides the match.
struct Formularkontext {
    int index = 0;
    Berichtsschrift schrift;  // the layout's text font (print options)
    QString spielort;
    QString bahnanlage;
    QString sektion;          // title of layout 1
    const Feldpositionen* positionen = nullptr;  // the free fields' places; none drawn without
};
// The layout's font, the venue, the title and the positions from the settings.
Formularkontext FormularkontextLesen(int index);

// The layout's texts of w on the canvas, then its free fields; nothing for
// an index outside 0..8. Layouts 7 and 8 compute the table points of w.
void FormularTexteZeichnen(Berichtsleinwand& l, TWettkampfDaten& w, const Formularkontext& k);
// The free form fields (layouts 2..8): the side's fields 1..10 and the
// officials' fields 30..38 where a position is set for the layout.
void FreieFelderZeichnen(Berichtsleinwand& l, const TWettkampfDaten& w, const Formularkontext& k);
// The text of free field f (1..10 FormularText, 30..38 the officials); empty for others.
QString FreiesFeldText(const TWettkampfDaten& w, int f);

// The blank form of a layout at full size; nothing is drawn outside 0..8.
void FormularVordruckZeichnen(Berichtsleinwand& l, int index);
// The blank form as a picture; a null picture outside 0..8.
QImage FormularVordruck(int index);

struct FormularBild {
    QImage bild;  // the whole form; null when nothing was drawn
    Formularmasse masse;
    QString fehler;  // a German message when the picture could not be made
};
// The filled-in form of layout k.index; an empty result outside 0..8.
FormularBild FormularZeichnen(TWettkampfDaten& w, const Formularkontext& k);
// The same with the context from the settings.
FormularBild FormularZeichnen(TWettkampfDaten& w, int index);
// The layout's texts of w (FormularTexteZeichnen) recorded, to be drawn later.
Zeichenliste FormularTexteAufnehmen(TWettkampfDaten& w, const Formularkontext& k);
// The blank form of layout `index` with the recorded texts drawn on it, as
// FormularZeichnen draws it; reads no state of the program, so it runs on
// any thread. An empty result outside 0..8.
FormularBild FormularZeichnen(const Zeichenliste& texte, int index);

// The signed report of a built-in layout as a Windows bitmap of 256 colours,
// written whole under a temporary name (the folder made when missing). False
// with *grund the cause when the layout is not built in or the file cannot
// be written.
bool BerichtBmpSchreiben(TWettkampfDaten& w, int index, const QString& datei, QString* grund);
// The same of a recorded report (report/Unterschriften.h), on any thread.
struct Berichtsaufnahme;
bool BerichtBmpSchreiben(const Berichtsaufnahme& a, const QString& datei, QString* grund);
// The same for the picture export, with the export's German message in
// *fehler; an existing file then stays as it was.
bool FormularBildSpeichern(TWettkampfDaten& w, int index, const QString& datei, QString* fehler);
