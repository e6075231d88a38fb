#pragma once
// The report engine as the program drives it: one job per component, the
// job's options, the variables and fields of a record, the designer and the
// print session with its progress box, its pages and its destination
// (printer, preview file, preview window, HTML or JPEG export).
//
// Results: a job handle >= 0 from LlJobOpen, 0 for success, -99 when the
// user cancelled, -998 when a list's page is full and the same row must be
// passed again after the next LlPrint, other negative values for errors
// (LlGetErrortext then says what went wrong, in German). The engine never
// shows a message of its own: the callers decide.
//
// A job's notification callback hears the moments of a print session by
// their ids (Berichtsnotiz below); the dialog style and the debug switch
// are process-wide.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

constexpr int BerichtOk = 0;
constexpr int BerichtFehler = -1;          // no such job, a call out of order
constexpr int BerichtDateiFehlt = -2;      // the project file does not exist
constexpr int BerichtFormatFalsch = -3;    // not a project of this program, or faulty
constexpr int BerichtDruckerFehler = -4;   // the printer did not take the job
constexpr int BerichtSchreibfehler = -5;   // an export or preview file could not be written
constexpr int BerichtAbgebrochen = -99;
constexpr int BerichtSpracheFehlt = -101;  // a job in a language that is not there
constexpr int BerichtSeiteVoll = -998;

// Project types.
constexpr int ProjekttypEtikett = 1;
constexpr int ProjekttypListe = 2;
constexpr int ProjekttypKarte = 3;

// Print options of a print start: where the pages go.
constexpr int AusgabeFax = 0x100;
constexpr int AusgabeVorschaudatei = 0x200;  // "<project>.ll" beside the project
constexpr int AusgabeDrucker = 0x800;

// Print option ids (LlPrintSetOption / LlPrintGetOption).
constexpr int DruckoptionKopien = 0;
constexpr int DruckoptionErsteSeite = 1;
constexpr int DruckoptionKopienDurchDrucker = 3;  // 1: the printer makes the copies
constexpr int DruckoptionZiel = 13;               // 2: preview window (LlPreviewDisplay)
constexpr int DruckoptionKopienFrei = 14;
constexpr int ZielVorschau = 2;
// Print option string 2: the export format, "HTML" or "PICTURE_JPEG".
constexpr int DruckoptionExport = 2;

// Job option ids the engine itself heeds.
constexpr int OptionMehrseitig = 42;           // AutoMultipage
constexpr int OptionTabellenkopfSpaeter = 47;  // DelayTableHeader

// Variable and field types.
constexpr int WerttypText = 0x10000000;
constexpr int WerttypZahl = 0x08000000;
constexpr int WerttypLogisch = 0x02000000;

// One defined variable or field: the value is always a text.
struct Berichtswert {
    QString name;
    QString wert;
    int typ = WerttypText;
    bool operator==(const Berichtswert&) const = default;
};
using Berichtswerte = QList<Berichtswert>;

// Notification ids of the moments of a print session. The callback gets
// the id, a parameter (0 for these) and the record below; the result of
// the object notification, when not 0, leaves the object off the page, the
// others' results are not used. A handler may read and set options and
// define values; a call that would move the session on, end or restart it,
// close the job or open one of the engine's windows (LlPrint, LlPrintFields,
// LlPrintFieldsEnd, LlPrintDeclareChartRow, LlPrintSetBoxText,
// LlPrintSetOptionString, LlPrintOptionsDialog, LlPrint(WithBox)Start,
// LlPrintEnd, LlJobClose, LlDefineLayout, LlSelectFileDlgTitleEx,
// LlPreviewDisplay) returns -1 and leaves the session as it was.
constexpr int NotizTabellenzeile = 10;  // a row of a list's table, after it went on the page
constexpr int NotizTabellenfeld = 11;   // each cell of that row, left to right
constexpr int NotizObjekt = 20;         // each object as it goes on a new page
constexpr int NotizSeite = 21;          // a new page, before its objects
constexpr int NotizProjekt = 22;        // the print session has begun
constexpr int NotizFortschritt = 37;    // the progress box's text and percent
// Job option 6: the bits that let the page, project and object notifications through.
constexpr int OptionNotizmaske = 6;
constexpr int NotizmaskeSeite = 0x40000000;
constexpr int NotizmaskeProjekt = 0x20000000;
constexpr int NotizmaskeObjekt = 0x10000000;

// The moment a notification is about; what a moment does not have stays empty.
struct Berichtsnotiz {
    QString projekt;        // the project file of the session
    bool vorschau = false;  // the pages go to a preview (file or window)
    int seite = 0;          // the page's number in the session, from 1 (0 before the first)
    int objekt = -1;        // object: its index in the project
    QString objektart;      // object: "text", "kreuz", "linie", "rechteck", "bild", "tabelle"
    int zeile = 0;          // table row and field: the row's number on its page, from 1
    int spalte = -1;        // field: the column's index
    QString feld;           // field: the column's title
    QString wert;           // field: the cell's text
    int prozent = 0;        // progress
    QString text;           // progress: the box's text
    QString name;           // a variable's name (the help text of a variable)
};

// The notification callback: (id, parameter, record) -> result.
using Berichtsrueckruf = std::function<qintptr(int id, int parameter, Berichtsnotiz* notiz)>;
// Which notifications the callback takes (by id); empty: every one. The
// engine makes no record for one it would not take.
using Berichtshoerer = std::function<bool(int id)>;

class Berichtsmaschine {
public:
    virtual ~Berichtsmaschine() = default;

    // A job in a language (-1 the default, 0..41); the handle or a negative error.
    virtual int LlJobOpen(int sprache) = 0;
    virtual void LlJobClose(int job) = 0;
    virtual int LlSetOption(int job, int id, int wert) = 0;
    virtual int LlGetOption(int job, int id) = 0;

    // Variables and fields of the next record: a start clears them.
    virtual int LlDefineVariableStart(int job) = 0;
    virtual int LlDefineVariableExt(int job, const QString& name, const QString& inhalt, int typ, int reserviert) = 0;
    virtual int LlDefineFieldStart(int job) = 0;
    virtual int LlDefineFieldExt(int job, const QString& name, const QString& inhalt, int typ, int reserviert) = 0;
    virtual int LlDefineChartFieldStart(int job) = 0;

    // The file dialog for a project of the type; `datei` in: the start, out:
    // the choice (at most `laenge` characters). 0, or -99 when cancelled.
    virtual int LlSelectFileDlgTitleEx(int job, QWidget* eltern, const QString& titel, int typ, QString& datei,
                                       int laenge) = 0;
    // The designer on the project with the variables and fields defined last
    // as its names and sample values: 0 saved, -99 discarded.
    virtual int LlDefineLayout(int job, QWidget* eltern, const QString& titel, int typ, const QString& projekt) = 0;

    // A print session on the project; the box type 0 opens no progress box.
    virtual int LlPrintWithBoxStart(int job, int typ, const QString& projekt, int optionen, int boxtyp,
                                    QWidget* eltern, const QString& titel) = 0;
    virtual int LlPrintStart(int job, int typ, const QString& projekt, int optionen, int reserviert) = 0;
    // The print dialog (printer, copies into print option 0): 0, or -99.
    virtual int LlPrintOptionsDialog(int job, QWidget* eltern, const QString& text) = 0;
    virtual int LlPrintGetPrinterInfo(int job, QString& drucker, QString& anschluss) = 0;
    virtual int LlPrintSetOption(int job, int id, int wert) = 0;
    virtual int LlPrintGetOption(int job, int id) = 0;
    virtual int LlPrintSetOptionString(int job, int id, const QString& text) = 0;
    // The progress box's text and percent: -99 once the user has cancelled.
    virtual int LlPrintSetBoxText(int job, const QString& text, int prozent) = 0;
    // A card: one page of the variables. A list: a new page (its objects
    // with the variables, the table's header).
    virtual int LlPrint(int job) = 0;
    // A list: one table row of the fields, or -998 when the page is full.
    virtual int LlPrintFields(int job) = 0;
    virtual int LlPrintFieldsEnd(int job) = 0;
    virtual int LlPrintDeclareChartRow(int job, int art) = 0;
    // Ends the session and sends the pages to their destination (not after a
    // cancel): 0, or the destination's error.
    virtual int LlPrintEnd(int job, int seiten) = 0;

    // The preview window (print option 13 = 2) on the pages of the last session.
    virtual int LlPreviewSetTempPath(int job, const QString& pfad) = 0;
    virtual int LlPreviewDisplay(int job, const QString& projekt, const QString& pfad, QWidget* eltern) = 0;
    virtual int LlPreviewDeleteFiles(int job, const QString& projekt, const QString& pfad) = 0;

    // Export parameters: "Export.File", "Export.Path", "Export.Quiet" of an
    // export format ("HTML", "PICTURE_JPEG").
    virtual int LlXSetParameter(int job, int art, const QString& erweiterung, const QString& schluessel,
                                const QString& wert) = 0;

    // What the job's last error was, in German; empty after a success.
    virtual QString LlGetErrortext(int job) = 0;

    // The job's notification callback (an empty one: none).
    virtual int LlSetNotificationCallback(int job, Berichtsrueckruf rueckruf) = 0;
    // Narrows the job's callback to the notifications it takes (after the
    // callback; a new callback takes every one again).
    virtual int LlSetNotificationFilter(int job, Berichtshoerer hoert) = 0;
    // The style of the engine's dialogs, process-wide: a base value 1..10
    // ORed with 0x8000 (3D buttons) and 0x2000 (buttons without pictures).
    virtual void LlSetDlgboxMode(int modus) = 0;
    virtual int LlGetDlgboxMode() = 0;
    // Process-wide: above 0 the engine traces its calls into the program's log.
    virtual void LlSetDebug(int wert) = 0;
};

// The engine every component uses: the program's own unless a test put
// another in its place (nullptr restores the own one).
Berichtsmaschine& berichtsmaschine();
void BerichtsmaschineSetzen(Berichtsmaschine* maschine);
