#pragma once
// The report-engine component: one engine job for the component's life,
// its options, the two define events, and the two entries Design (the
// designer on one project) and Print (fill, print, preview or export one
// project, with the paging and cancel of the engine's results), plus thin
// wrappers that pass the job to the engine and its result back unchanged.
//
// Of the engine's 24 notification events only the two define events are
// used here; the others, the notification callback and the dialog style
// are not carried.

#include "platform/bericht/Berichtsmaschine.h"

#include <QString>
#include <functional>

class QWidget;

class TL8_ {
public:
    explicit TL8_(Berichtsmaschine& maschine = berichtsmaschine());
    ~TL8_();
    TL8_(const TL8_&) = delete;
    TL8_& operator=(const TL8_&) = delete;

    // OnDefineVariables, OnDefineFields: (sender, user data, bDummy (1: only
    // the names are needed), progress 0..100, last record, result).
    using DefineEvent = std::function<void(TL8_& sender, int nUserData, int bDummy, int* pnProgressInPerc,
                                           int* pbLastRecord, int& lResult)>;
    DefineEvent OnDefineVariables;
    DefineEvent OnDefineFields;
    bool EnableDefineVariablesEvent = false;
    bool EnableDefineFieldsEvent = false;

    int Design(int UserData, QWidget* ParentHandle, const QString& Title, int ProjectType, const QString& ProjectName,
               bool ShowFileSelect);
    int Print(int UserData, int ProjectType, const QString& ProjectName, bool ShowFileSelect, int PrintOptions,
              int BoxType, QWidget* ParentHandle, const QString& Title, bool ShowPrintOptions,
              const QString& TempPath);

    int hLlJob() const { return m_job; }

    // Thin wrappers.
    int LlSetOption(int id, int wert);
    int LlGetOption(int id);
    int LlDefineVariableStart();
    int LlDefineVariableExt(const QString& name, const QString& inhalt, int typ, int reserviert = 0);
    int LlDefineFieldStart();
    int LlDefineFieldExt(const QString& name, const QString& inhalt, int typ, int reserviert = 0);
    int LlPrintWithBoxStart(int typ, const QString& projekt, int optionen, int boxtyp, QWidget* eltern,
                            const QString& titel);
    int LlPrintStart(int typ, const QString& projekt, int optionen, int reserviert = 0);
    int LlPrint();
    int LlPrintEnd(int seiten);
    int LlPrintSetBoxText(const QString& text, int prozent);
    int LlPrintSetOption(int id, int wert);
    int LlPrintSetOptionString(int id, const QString& text);
    int LlXSetParameter(int art, const QString& erweiterung, const QString& schluessel, const QString& wert);
    QString LlGetErrortext();

private:
    Berichtsmaschine& m_maschine;
    int m_job = -1;
};
