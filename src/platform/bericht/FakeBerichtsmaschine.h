#pragma once
// A report engine for tests: records every call with its arguments and
// answers from a script.
//
// A call is recorded as one line, "Name(arg,arg,...)": the job and numbers
// in decimal, print options and value types in hex ("0x800"), texts as they
// are, windows left out. For example
//   LlPrintWithBoxStart(1,3,Spiel.crd,0x800,3,Titel)
// (LlSetNotificationCallback(job,1) with a callback, (job,0) without.)
//
// Answers, first match wins: the hook, then the queue of the function's
// name, then the default (LlJobOpen: the next handle 1, 2, ... for a
// language in `sprachen`, else `sprachFehler`; the getters: the maps; every
// other call 0).

#include "platform/bericht/Berichtsmaschine.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

class FakeBerichtsmaschine final : public Berichtsmaschine {
public:
    struct Aufruf {
        QString name;
        QStringList argumente;
        int nr = 0;  // 1 for the first call of this name, 2 for the second ...
        QString text() const { return name + '(' + argumente.join(',') + ')'; }
    };

    // Every call in order.
    QList<Aufruf> protokoll;
    QStringList zeilen() const;
    // The lines of the calls whose name is among `namen`, in order.
    QStringList zeilen(const QStringList& namen) const;
    // The names of every call in order.
    QStringList namen() const;
    int anzahl(const QString& name) const;

    // Called on each call (after recording it); an answer overrides the rest.
    // LlJobClose's answer is dropped.
    std::function<std::optional<int>(const Aufruf&)> haken;
    // Scripted results per function name, used front first.
    QHash<QString, QList<int>> antworten;

    // The languages whose job opens; nullopt: every language.
    std::optional<QSet<int>> sprachen;
    int sprachFehler = BerichtSpracheFehlt;
    int naechsterJob = 1;

    // Job options: a job opened starts with `startOptionen`.
    QMap<int, int> startOptionen;
    QMap<int, int> optionen;
    // Print options and print option texts, kept as written.
    QMap<int, int> druckoptionen;
    QMap<int, QString> druckoptionsTexte;
    // Export parameters "key" -> value.
    QMap<QString, QString> exportparameter;

    // The variables and fields defined since their last start, in order.
    Berichtswerte variablen;
    Berichtswerte felder;

    // The file dialog's choice (empty: the start stays), printer and port.
    QString dateiwahl;
    QString drucker = QStringLiteral("Testdrucker");
    QString anschluss = QStringLiteral("LPT1:");
    QString fehlertext;

    // The notification callback registered last per job; the dialog style
    // and the debug value as set last.
    QMap<int, Berichtsrueckruf> rueckrufe;
    QHash<int, Berichtshoerer> hoerer;  // each job's filter, when it has one
    int dialogModus = 0;
    int debug = 0;

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
    // Records the call; the scripted answer if there is one.
    std::optional<int> aufruf(const QString& name, const QStringList& argumente);
    int antwort(const QString& name, const QStringList& argumente, int sonst = 0);
};
