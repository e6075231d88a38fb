#pragma once
// The report-engine component: one engine job for the component's life,
// its options, the two define events, and the two entries Design (the
// designer on one project) and Print (fill, print, preview or export one
// project, with the paging and cancel of the engine's results), plus thin
// wrappers that pass the job to the engine and its result back unchanged.
//
// Of the engine's 24 notification events only the two define events are
// used here; the others, the notification callback and the dialog style
// are not carried (nor the process-wide debug switch). The event flags
// that write a job option (the bits of option 6, options 13 and 39) and
// EnableTableFieldEvent's switch of the table colouring are kept.
//
// The option properties are one table (L8.cpp): each names its job option
// and whether the component keeps the value itself ("cached": read back
// from the component) or asks the engine (switches: non-zero is Yes).

#include "platform/bericht/Berichtsmaschine.h"

#include <QString>
#include <array>
#include <functional>

class QWidget;

// The option properties of the component.
enum class L8Eigenschaft {
    NewExpressions,  // TL8_::TExpressionMode, options 0 and 14
    OnlyOneTable,
    TableColoringMode,  // TL8_::TPropTableColoring
    Supervisor,
    UnitSystem,  // TL8_::TPropUnitSystem
    TabStops,    // TL8_::TTabMode
    EnablePageEvent,
    EnableProjectEvent,
    EnableObjectEvent,
    EnableHelpCallbackEvent,
    HelpAvailable,
    SortVariables,
    SupportPageBreak,
    ShowPredefVars,
    UseHostprinter,
    EnableHostPrinterEvent,
    TabRepresentationCode,
    AddVarsToFields,
    MultipleTableLines,
    ConvertCRLF,
    WizFileNew,
    RetRepresentationCode,
    StorageSystem,  // TL8_::TPropStgSystem
    CompressStorage,
    NoParameterCheck,
    NoNoTableCheck,
    EnableDlgExprVarBtnEvent,
    SpaceOptimization,
    RealTime,
    AutoMultipage,
    UseBarcodeSizes,
    VarsCaseSensitive,
    DelayTableHeader,
    OfnDialogExplorer,
    EMFResolution,
    CreateInfo,
    XlatVarNames,
    PhantomspaceRepresentationCode,
    LocknextcharRepresentationCode,
    ExprsepRepresentationCode,
    AllowMenuManager,
    TextquoteRepresentationCode,
    InterCharSpacing,
    IncludeFontDescent,
    UseChartFields,
    EnableTableFieldEvent,
};
constexpr int L8EigenschaftAnzahl = static_cast<int>(L8Eigenschaft::EnableTableFieldEvent) + 1;

class TL8_ {
public:
    enum TLanguageType : int {
        DefaultLang, Deutsch, English, Arab, Afrikaans, Albanian, Basque, Bulgarian, Belorussian, Catalan,
        Chinese, Croatian, Czech, Danish, Dutch, Estonian, Faeroese, Farsi, Finnish, French, Greek, Hebrew,
        Hungarian, Icelandic, Indonesian, Italian, Japanese, Korean, Latvian, Lithuanian, Norwegian, Polish,
        Portuguese, Romanian, Russian, Slovak, Slovenian, Serbian, Spanish, Swedish, Thai, Turkish, Ukrainian,
    };
    enum TExpressionMode : int { Old, NewMode, Enhanced };
    enum TPropYesNo : int { No, Yes };
    enum TTabMode : int { Replace, Expand };
    enum TPropTableColoring : int { Normal, Userdefined, Mixed };
    enum TPropUnitSystem : int { Metric, Inch, HiInch };
    enum TPropStgSystem : int { Compat4, Storage };

    // The preview window's geometry (job options 25..29). A value is taken
    // only while there is a job and when it is at least -1; it reaches the
    // engine when above 0 (zoom, width, height) or above -1 (left, top), so
    // -1 leaves it to the engine.
    class TPrvAppearance {
    public:
        int ZoomPerc() const { return m_werte[0]; }
        int Left() const { return m_werte[1]; }
        int Top() const { return m_werte[2]; }
        int Width() const { return m_werte[3]; }
        int Height() const { return m_werte[4]; }
        void setZoomPerc(int v) { setzen(0, v, 0); }
        void setLeft(int v) { setzen(1, v, -1); }
        void setTop(int v) { setzen(2, v, -1); }
        void setWidth(int v) { setzen(3, v, 0); }
        void setHeight(int v) { setzen(4, v, 0); }
        int job() const { return m_job; }

    private:
        friend class TL8_;
        explicit TPrvAppearance(Berichtsmaschine& m) : m_maschine(m) {}
        void setzen(int i, int wert, int sendenUeber);
        Berichtsmaschine& m_maschine;
        std::array<int, 5> m_werte{100, -1, -1, -1, -1};
        int m_job = -1;
    };

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

    // The option properties: enumerations and codes as their ordinals,
    // switches 1 (Yes) and 0 (No).
    int Eigenschaft(L8Eigenschaft e);
    void setEigenschaft(L8Eigenschaft e, int wert);

    // The job's language; a change opens a new job in it (with the fallback
    // of the first open) and writes every option property to it again.
    int Language() const { return m_language; }
    void setLanguage(int v);

    TPrvAppearance& PreviewAppearance() { return m_vorschau; }
    int MaxRTFVersion = 256;

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
    void OpenJob(bool ReportFailure);
    void ShowJobError();
    void SetOptionFlag(int bit, bool an);
    bool Feuern(const DefineEvent& ereignis, bool erlaubt, int UserData, int bDummy, int& fortschritt,
                int& letzter);
    void Zuruecksetzen(bool mehrseitig, bool kopfSpaeter);

    Berichtsmaschine& m_maschine;
    int m_job = -1;
    int m_language = DefaultLang;
    TPrvAppearance m_vorschau;
    std::array<int, L8EigenschaftAnzahl> m_gemerkt{};  // the cached values and the event flags
};
