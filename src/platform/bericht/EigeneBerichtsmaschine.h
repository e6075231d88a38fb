#pragma once
// The program's own report engine: it reads the JSON projects of
// Berichtsprojekt.h, makes the pages of a print session from the defined
// variables and fields, and sends them to the printer, the preview window,
// a preview file or an HTML or JPEG export; everything it shows goes
// through berichtsoberflaeche().
//
// It tells the job's notification callback of the session's begin, each
// page, each object on it, each table row and its cells, and the progress.
// The notifications of user objects, extension functions, the designer's
// menus, the preview's buttons, help, the host printer, the expression
// dialog's button and the filter it never sends: it has none of these.
// Its project format has no groups, so no group notifications either.
// A debug value above 0 writes its calls to the log (category
// "corvalink.berichtsmaschine").

#include "platform/bericht/Berichtsmaschine.h"

#include <memory>

class EigeneBerichtsmaschine final : public Berichtsmaschine {
public:
    EigeneBerichtsmaschine();
    ~EigeneBerichtsmaschine() override;

    int LlJobOpen(int sprache) override;
    void LlJobClose(int job) override;
    int LlSetOption(int job, int id, int wert) override;
    int LlGetOption(int job, int id) override;
    int LlDefineVariableStart(int job) override;
    int LlDefineVariableExt(int job, const QString& name, const QString& inhalt, int typ, int reserviert) override;
    int LlDefineFieldStart(int job) override;
    int LlDefineFieldExt(int job, const QString& name, const QString& inhalt, int typ, int reserviert) override;
    int LlDefineChartFieldStart(int job) override;
    int LlSelectFileDlgTitleEx(int job, QWidget* eltern, const QString& titel, int typ, QString& datei,
                               int laenge) override;
    int LlDefineLayout(int job, QWidget* eltern, const QString& titel, int typ, const QString& projekt) override;
    int LlPrintWithBoxStart(int job, int typ, const QString& projekt, int optionen, int boxtyp, QWidget* eltern,
                            const QString& titel) override;
    int LlPrintStart(int job, int typ, const QString& projekt, int optionen, int reserviert) override;
    int LlPrintOptionsDialog(int job, QWidget* eltern, const QString& text) override;
    int LlPrintGetPrinterInfo(int job, QString& drucker, QString& anschluss) override;
    int LlPrintSetOption(int job, int id, int wert) override;
    int LlPrintGetOption(int job, int id) override;
    int LlPrintSetOptionString(int job, int id, const QString& text) override;
    int LlPrintSetBoxText(int job, const QString& text, int prozent) override;
    int LlPrint(int job) override;
    int LlPrintFields(int job) override;
    int LlPrintFieldsEnd(int job) override;
    int LlPrintDeclareChartRow(int job, int art) override;
    int LlPrintEnd(int job, int seiten) override;
    int LlPreviewSetTempPath(int job, const QString& pfad) override;
    int LlPreviewDisplay(int job, const QString& projekt, const QString& pfad, QWidget* eltern) override;
    int LlPreviewDeleteFiles(int job, const QString& projekt, const QString& pfad) override;
    int LlXSetParameter(int job, int art, const QString& erweiterung, const QString& schluessel,
                        const QString& wert) override;
    QString LlGetErrortext(int job) override;
    int LlSetNotificationCallback(int job, Berichtsrueckruf rueckruf) override;
    int LlSetNotificationFilter(int job, Berichtshoerer hoert) override;
    void LlSetDlgboxMode(int modus) override;
    int LlGetDlgboxMode() override;
    void LlSetDebug(int wert) override;

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

// The preview file of a project: its name with the extension ".ll".
QString Vorschaudatei(const QString& projekt);
