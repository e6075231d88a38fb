#pragma once
// The report-engine component: one engine job for the component's life,
// its options, the two define events, and the two entries Design (the
// designer on one project) and Print (fill, print, preview or export one
// project, with the paging and cancel of the engine's results), plus thin
// wrappers that pass the job to the engine and its result back unchanged.
//
// The component fires the two define events itself. The other 22 events
// come from the engine's notification callback, which the component
// registers with every job it opens: LlCallback hands each notification id
// to its event, when the event's handler is set and its Enable flag is on.
// The event flags that write a job option (the bits of option 6, options 13
// and 39) and EnableTableFieldEvent's switch of the table colouring are
// kept. The dialog style (DialogBoxMode, Buttons3D, ButtonsWithBitmaps) and
// DebugMode go to the engine on every change; they are process-wide.
//
// The option properties are one table (L8.cpp): each names its job option
// and whether the component keeps the value itself ("cached": read back
// from the component) or asks the engine (switches: non-zero is Yes).

#include "platform/bericht/Berichtsmaschine.h"

#include <QString>
#include <array>
#include <functional>

class QWidget;

// The option properties of the component (and the event flags, the dialog
// style and the debug value, which a change of language keeps too).
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
    // Flags only: no option.
    EnableTableLineEvent,
    EnableDrawUserobjEvent,
    EnableEditUserobjEvent,
    EnableGroupBeginEvent,
    EnableGroupEndEvent,
    EnableGroupLineEvent,
    EnableExtFctEvent,
    EnableFailsFilterEvent,
    EnableEnableMenuEvent,
    EnableModifyMenuEvent,
    EnableSelectMenuEvent,
    EnableGetViewerButtonStateEvent,
    EnableViewerButtonClickedEvent,
    EnableVarHelpTextEvent,
    EnableNtfyProgressEvent,
    // The engine's dialog style: LlSetDlgboxMode (base OR flags) on every change.
    DialogBoxMode,       // TL8_::TDialogboxMode; base = ordinal + 1
    Buttons3D,           // Yes: flag 0x8000
    ButtonsWithBitmaps,  // No: flag 0x2000
    DebugMode,           // LlSetDebug (value)
};
constexpr int L8EigenschaftAnzahl = static_cast<int>(L8Eigenschaft::DebugMode) + 1;

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
    enum TDialogboxMode : int { Win16, combit1, combit2, combit3, combit4, combit5, combit6, combit7, Win95, Office97 };

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

    // The events of the engine's notifications (their flags are properties
    // above; EnableHelpCallbackEvent is OnHelp's). A record event gets the
    // engine's record of the moment; a result event also the result, which
    // starts at the id's default.
    using NotizEvent = std::function<void(TL8_& sender, Berichtsnotiz* notiz)>;
    using NotizErgebnisEvent = std::function<void(TL8_& sender, Berichtsnotiz* notiz, int& lResult)>;
    using FailsFilterEvent = std::function<void(TL8_& sender)>;
    using MenuEvent = std::function<void(TL8_& sender, int nMenuHandle)>;
    using SelectMenuEvent = std::function<void(TL8_& sender, int nMenuID, int& lResult)>;
    using HelpEvent = std::function<void(TL8_& sender, int nHelpCommand, int nContextID, int& lResult)>;
    using GetViewerButtonStateEvent = std::function<void(TL8_& sender, int nID, int nState, int& lResult)>;
    using ViewerButtonClickedEvent = std::function<void(TL8_& sender, int nID, int& lResult)>;
    using VarHelpTextEvent = std::function<void(TL8_& sender, const QString& pszVarName, QString& pszHelpText)>;
    NotizEvent OnTableField;                              // 11
    NotizEvent OnTableLine;                               // 10
    NotizEvent OnDrawUserobj;                             // 0
    NotizEvent OnEditUserobj;                             // 1
    NotizEvent OnPage;                                    // 21
    NotizEvent OnProject;                                 // 22
    NotizErgebnisEvent OnObject;                          // 20, result 0
    NotizErgebnisEvent OnGroupBegin;                      // 23, result 2
    NotizErgebnisEvent OnGroupEnd;                        // 24, result 0
    NotizErgebnisEvent OnGroupLine;                       // 25, result 2
    NotizEvent OnExtFct;                                  // 12
    FailsFilterEvent OnFailsFilter;                       // 1000
    HelpEvent OnHelp;                                     // 30: high word, low word
    MenuEvent OnEnableMenu;                               // 31
    MenuEvent OnModifyMenu;                               // 32
    SelectMenuEvent OnSelectMenu;                         // 33
    GetViewerButtonStateEvent OnGetViewerButtonState;     // 34: high word, low word
    ViewerButtonClickedEvent OnViewerButtonClicked;       // 38: low word
    VarHelpTextEvent OnVarHelpText;                       // 35: the record's name
    NotizEvent OnNtfyProgress;                            // 37
    NotizErgebnisEvent OnHostPrinter;                     // 40
    NotizErgebnisEvent OnDlgExprVarBtn;                   // 39

    // The notification callback: the event of the id, when its handler is
    // set and its flag on; the result the handler leaves (0 when none
    // fires or for an unknown id). Id 35 returns the address of
    // HelpTextBuffer() with the handler's text (at most 1023 characters).
    qintptr LlCallback(int id, int parameter, Berichtsnotiz* notiz);
    static QString& HelpTextBuffer();

    int Design(int UserData, QWidget* ParentHandle, const QString& Title, int ProjectType, const QString& ProjectName,
               bool ShowFileSelect);
    int Print(int UserData, int ProjectType, const QString& ProjectName, bool ShowFileSelect, int PrintOptions,
              int BoxType, QWidget* ParentHandle, const QString& Title, bool ShowPrintOptions,
              const QString& TempPath);

    int hLlJob() const { return m_job; }

    // A print session or the designer of this component is under way: Print
    // and Design hold it, a caller's own session through the wrappers holds
    // a Lauf. A second session on the same job would end the first one's,
    // and timers tick in the dialogs and the progress box of a session.
    bool Belegt() const { return m_laeufe > 0; }
    class Lauf {
    public:
        explicit Lauf(TL8_& l) : m_l(l) { ++m_l.m_laeufe; }
        ~Lauf() { --m_l.m_laeufe; }
        Lauf(const Lauf&) = delete;
        Lauf& operator=(const Lauf&) = delete;

    private:
        TL8_& m_l;
    };

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
    // The dialog style as last sent: base (DialogBoxMode + 1) and flag bits.
    int DialogBase() const { return m_dialogBasis; }
    int DialogFlags() const { return m_dialogFlaggen; }

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
    void RegisterCallback();
    // Whether a notification would reach a handler.
    bool Hoert(int id) const;
    void UpdateDlgboxMode();
    bool An(L8Eigenschaft flagge) const { return m_gemerkt[static_cast<int>(flagge)] != 0; }
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
    int m_dialogBasis = 0;
    int m_dialogFlaggen = 0;
    int m_laeufe = 0;
};
