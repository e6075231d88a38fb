#include "report/projekte/L8.h"

#include "core/Boxes.h"

#include <QtGlobal>
#include <iterator>

namespace {

// How a property reaches its option and comes back.
enum class Art {
    Schalter,  // 1/0 written, read from the engine: non-zero is Yes
    Gemerkt,   // 1/0 written and kept; read back from the component
    Zahl,      // an ordinal or character code 0..max, read from the engine
    Bit,       // a bit of option 6, set or cleared in its current value; kept
    Flagge,    // the flag's 1/0 written and kept
    Merken,    // an event flag without option: 1/0 kept
    Sonder,    // see setEigenschaft
};

struct Option {
    L8Eigenschaft e;
    int id;
    Art art;
    int max = 1;  // Zahl: the highest value taken; Bit: the bit
};

using E = L8Eigenschaft;

constexpr Option Optionen[] = {
    {E::NewExpressions, 0, Art::Sonder},
    {E::OnlyOneTable, 1, Art::Schalter},
    {E::TableColoringMode, 2, Art::Zahl, 2},
    {E::Supervisor, 3, Art::Schalter},
    {E::UnitSystem, 4, Art::Zahl, 2},
    {E::TabStops, 5, Art::Zahl, 1},
    {E::EnablePageEvent, 6, Art::Bit, 0x40000000},
    {E::EnableProjectEvent, 6, Art::Bit, 0x20000000},
    {E::EnableObjectEvent, 6, Art::Bit, 0x10000000},
    {E::EnableHelpCallbackEvent, 6, Art::Bit, 0x08000000},
    {E::HelpAvailable, 8, Art::Gemerkt},
    {E::SortVariables, 9, Art::Schalter},
    {E::SupportPageBreak, 10, Art::Schalter},
    {E::ShowPredefVars, 11, Art::Schalter},
    {E::UseHostprinter, 13, Art::Gemerkt},
    {E::EnableHostPrinterEvent, 13, Art::Flagge},
    {E::TabRepresentationCode, 15, Art::Zahl, 255},
    {E::AddVarsToFields, 19, Art::Schalter},
    {E::MultipleTableLines, 20, Art::Schalter},
    {E::ConvertCRLF, 21, Art::Schalter},
    {E::WizFileNew, 22, Art::Gemerkt},
    {E::RetRepresentationCode, 23, Art::Zahl, 255},
    {E::StorageSystem, 30, Art::Sonder},
    {E::CompressStorage, 31, Art::Sonder},
    {E::NoParameterCheck, 32, Art::Schalter},
    {E::NoNoTableCheck, 33, Art::Schalter},
    {E::EnableDlgExprVarBtnEvent, 39, Art::Flagge},
    {E::SpaceOptimization, 40, Art::Gemerkt},
    {E::RealTime, 41, Art::Gemerkt},
    {E::AutoMultipage, OptionMehrseitig, Art::Gemerkt},
    {E::UseBarcodeSizes, 43, Art::Gemerkt},
    {E::VarsCaseSensitive, 46, Art::Gemerkt},
    {E::DelayTableHeader, OptionTabellenkopfSpaeter, Art::Gemerkt},
    {E::OfnDialogExplorer, 48, Art::Gemerkt},
    {E::EMFResolution, 49, Art::Sonder},
    {E::CreateInfo, 50, Art::Gemerkt},
    {E::XlatVarNames, 51, Art::Gemerkt},
    {E::PhantomspaceRepresentationCode, 54, Art::Zahl, 255},
    {E::LocknextcharRepresentationCode, 55, Art::Zahl, 255},
    {E::ExprsepRepresentationCode, 56, Art::Zahl, 255},
    {E::AllowMenuManager, 60, Art::Gemerkt},
    {E::TextquoteRepresentationCode, 66, Art::Zahl, 255},
    {E::InterCharSpacing, 78, Art::Gemerkt},
    {E::IncludeFontDescent, 79, Art::Gemerkt},
    {E::UseChartFields, 81, Art::Gemerkt},
    {E::EnableTableFieldEvent, -1, Art::Sonder},
    {E::EnableTableLineEvent, -1, Art::Merken},
    {E::EnableDrawUserobjEvent, -1, Art::Merken},
    {E::EnableEditUserobjEvent, -1, Art::Merken},
    {E::EnableGroupBeginEvent, -1, Art::Merken},
    {E::EnableGroupEndEvent, -1, Art::Merken},
    {E::EnableGroupLineEvent, -1, Art::Merken},
    {E::EnableExtFctEvent, -1, Art::Merken},
    {E::EnableFailsFilterEvent, -1, Art::Merken},
    {E::EnableEnableMenuEvent, -1, Art::Merken},
    {E::EnableModifyMenuEvent, -1, Art::Merken},
    {E::EnableSelectMenuEvent, -1, Art::Merken},
    {E::EnableGetViewerButtonStateEvent, -1, Art::Merken},
    {E::EnableViewerButtonClickedEvent, -1, Art::Merken},
    {E::EnableVarHelpTextEvent, -1, Art::Merken},
    {E::EnableNtfyProgressEvent, -1, Art::Merken},
    {E::DialogBoxMode, -1, Art::Sonder, TL8_::Office97},
    {E::Buttons3D, -1, Art::Sonder},
    {E::ButtonsWithBitmaps, -1, Art::Sonder},
    {E::DebugMode, -1, Art::Sonder},
};
static_assert(std::size(Optionen) == L8EigenschaftAnzahl);

constexpr bool TabelleGeordnet()
{
    for (int i = 0; i < L8EigenschaftAnzahl; ++i)
        if (static_cast<int>(Optionen[i].e) != i) return false;
    return true;
}
static_assert(TabelleGeordnet(), "one row per property, in the order of L8Eigenschaft");

const Option& option(L8Eigenschaft e) { return Optionen[static_cast<int>(e)]; }

// The defaults of a new component, in the order they are written.
struct Vorgabe {
    L8Eigenschaft e;
    int wert;
};
constexpr Vorgabe Vorgaben[] = {
    {E::HelpAvailable, TL8_::Yes},
    {E::AutoMultipage, TL8_::Yes},
    {E::SpaceOptimization, TL8_::Yes},
    {E::VarsCaseSensitive, TL8_::Yes},
    {E::DialogBoxMode, TL8_::Win95},
    {E::Buttons3D, TL8_::Yes},
    {E::ButtonsWithBitmaps, TL8_::No},
    {E::XlatVarNames, TL8_::Yes},
    {E::CreateInfo, TL8_::Yes},
    {E::AddVarsToFields, TL8_::No},
    {E::ConvertCRLF, TL8_::No},
    {E::DelayTableHeader, TL8_::No},
    {E::EMFResolution, 0},
    {E::MultipleTableLines, TL8_::Yes},
    {E::NewExpressions, TL8_::NewMode},
    {E::NoNoTableCheck, TL8_::No},
    {E::NoParameterCheck, TL8_::No},
    {E::OfnDialogExplorer, TL8_::Yes},
    {E::OnlyOneTable, TL8_::No},
    {E::RealTime, TL8_::No},
    {E::RetRepresentationCode, 182},
    {E::ShowPredefVars, TL8_::Yes},
    {E::SortVariables, TL8_::Yes},
    {E::StorageSystem, TL8_::Storage},
    {E::SupportPageBreak, TL8_::No},
    {E::TableColoringMode, TL8_::Normal},
    {E::TabRepresentationCode, 247},
    {E::PhantomspaceRepresentationCode, 2},
    {E::LocknextcharRepresentationCode, 3},
    {E::ExprsepRepresentationCode, 164},
    {E::TextquoteRepresentationCode, 1},
    {E::TabStops, TL8_::Replace},
    {E::UseBarcodeSizes, TL8_::No},
    {E::UseHostprinter, TL8_::No},
    {E::WizFileNew, TL8_::No},
    {E::InterCharSpacing, TL8_::No},
    {E::IncludeFontDescent, TL8_::No},
    {E::AllowMenuManager, TL8_::Yes},
    {E::UseChartFields, TL8_::No},
};

constexpr int LetzteSprache = 41;  // job languages 0..41; -1 the default
constexpr int DateinameLaenge = 1024;
constexpr int DruckernameLaenge = 127;
constexpr int AnschlussLaenge = 39;
constexpr int KopienHoechstens = 999;
// A faulty engine that keeps answering "page full" must not hang the
// program: after this many pages in a row for one record it is an error.
constexpr int SeitenJeDatensatzHoechstens = 1000;
constexpr int HilfetextLaenge = 1024;  // with the terminator the engine expects
constexpr int DialogKnoepfe3D = 0x8000;
constexpr int DialogKnoepfeOhneBilder = 0x2000;

}  // namespace

void TL8_::TPrvAppearance::setzen(int i, int wert, int sendenUeber)
{
    if (m_job == -1 || wert < -1) return;
    m_werte[i] = wert;
    if (wert > sendenUeber) m_maschine.LlSetOption(m_job, 25 + i, wert);
}

TL8_::TL8_(Berichtsmaschine& maschine) : m_maschine(maschine), m_vorschau(maschine)
{
    OpenJob(false);
    for (const Vorgabe& v : Vorgaben) setEigenschaft(v.e, v.wert);
}

TL8_::~TL8_()
{
    if (m_job > -1) m_maschine.LlJobClose(m_job);
}

void TL8_::ShowJobError()
{
    if (m_job >= 0) return;
    boxen().hinweis(m_job == BerichtSpracheFehlt ? QStringLiteral("Die Sprachdatei der Berichtsausgabe fehlt.")
                                                 : QStringLiteral("Der Auftrag der Berichtsausgabe kann nicht "
                                                                  "geöffnet werden."));
}

void TL8_::OpenJob(bool ReportFailure)
{
    if (ReportFailure) ShowJobError();
    if (m_job >= 0) return;
    int sprache = DefaultLang;
    m_job = m_maschine.LlJobOpen(-1);
    for (int i = 0; m_job < 0 && i <= LetzteSprache; ++i) {
        m_job = m_maschine.LlJobOpen(i);
        sprache = i + 1;
    }
    if (m_job < 0) m_job = -1;
    m_vorschau.m_job = m_job;
    if (m_job < 0) {
        boxen().hinweis(QStringLiteral("Die Berichtsausgabe findet keine Sprache."));
        return;
    }
    m_language = sprache;
    RegisterCallback();
}

void TL8_::RegisterCallback()
{
    // The component itself is the callback's user data: the closure holds it.
    m_maschine.LlSetNotificationCallback(m_job, [this](int id, int parameter, Berichtsnotiz* notiz) {
        return LlCallback(id, parameter, notiz);
    });
    // The engine makes no record of a row, cell, page or progress step that
    // has no handler here.
    m_maschine.LlSetNotificationFilter(m_job, [this](int id) { return Hoert(id); });
}

bool TL8_::Hoert(int id) const
{
    auto bereit = [this](const auto& ereignis, L8Eigenschaft flagge) { return ereignis && An(flagge); };
    switch (id) {
    case NotizTabellenzeile: return bereit(OnTableLine, E::EnableTableLineEvent);
    case NotizTabellenfeld: return bereit(OnTableField, E::EnableTableFieldEvent);
    case NotizObjekt: return bereit(OnObject, E::EnableObjectEvent);
    case NotizSeite: return bereit(OnPage, E::EnablePageEvent);
    case NotizProjekt: return bereit(OnProject, E::EnableProjectEvent);
    case NotizFortschritt: return bereit(OnNtfyProgress, E::EnableNtfyProgressEvent);
    default: return true;
    }
}

void TL8_::UpdateDlgboxMode()
{
    m_dialogFlaggen =
        (An(E::Buttons3D) ? DialogKnoepfe3D : 0) | (An(E::ButtonsWithBitmaps) ? 0 : DialogKnoepfeOhneBilder);
    m_maschine.LlSetDlgboxMode(m_dialogBasis | m_dialogFlaggen);
}

QString& TL8_::HelpTextBuffer()
{
    static QString puffer;
    return puffer;
}

qintptr TL8_::LlCallback(int id, int parameter, Berichtsnotiz* notiz)
{
    const int hoch = static_cast<int>((static_cast<unsigned>(parameter) >> 16) & 0xFFFF);
    const int tief = parameter & 0xFFFF;
    int ergebnis = 0;
    auto notizEreignis = [&](const NotizEvent& ereignis, L8Eigenschaft flagge) {
        if (ereignis && An(flagge)) ereignis(*this, notiz);
    };
    auto ergebnisEreignis = [&](const NotizErgebnisEvent& ereignis, L8Eigenschaft flagge, int vorgabe) {
        if (!ereignis || !An(flagge)) return;
        ergebnis = vorgabe;
        ereignis(*this, notiz, ergebnis);
    };
    switch (id) {
    case 0: notizEreignis(OnDrawUserobj, E::EnableDrawUserobjEvent); break;
    case 1: notizEreignis(OnEditUserobj, E::EnableEditUserobjEvent); break;
    case NotizTabellenzeile: notizEreignis(OnTableLine, E::EnableTableLineEvent); break;
    case NotizTabellenfeld: notizEreignis(OnTableField, E::EnableTableFieldEvent); break;
    case 12: notizEreignis(OnExtFct, E::EnableExtFctEvent); break;
    case NotizObjekt: ergebnisEreignis(OnObject, E::EnableObjectEvent, 0); break;
    case NotizSeite: notizEreignis(OnPage, E::EnablePageEvent); break;
    case NotizProjekt: notizEreignis(OnProject, E::EnableProjectEvent); break;
    case 23: ergebnisEreignis(OnGroupBegin, E::EnableGroupBeginEvent, 2); break;
    case 24: ergebnisEreignis(OnGroupEnd, E::EnableGroupEndEvent, 0); break;
    case 25: ergebnisEreignis(OnGroupLine, E::EnableGroupLineEvent, 2); break;
    case 30:
        if (OnHelp && An(E::EnableHelpCallbackEvent)) OnHelp(*this, hoch, tief, ergebnis);
        break;
    case 31:
        if (OnEnableMenu && An(E::EnableEnableMenuEvent)) OnEnableMenu(*this, parameter);
        break;
    case 32:
        if (OnModifyMenu && An(E::EnableModifyMenuEvent)) OnModifyMenu(*this, parameter);
        break;
    case 33:
        if (OnSelectMenu && An(E::EnableSelectMenuEvent)) OnSelectMenu(*this, parameter, ergebnis);
        break;
    case 34:
        if (OnGetViewerButtonState && An(E::EnableGetViewerButtonStateEvent))
            OnGetViewerButtonState(*this, hoch, tief, ergebnis);
        break;
    case 35: {
        if (!OnVarHelpText || !An(E::EnableVarHelpTextEvent)) break;
        QString& puffer = HelpTextBuffer();
        puffer.clear();
        OnVarHelpText(*this, notiz ? notiz->name : QString(), puffer);
        puffer.truncate(HilfetextLaenge - 1);
        return reinterpret_cast<qintptr>(&puffer);
    }
    case NotizFortschritt: notizEreignis(OnNtfyProgress, E::EnableNtfyProgressEvent); break;
    case 38:
        if (OnViewerButtonClicked && An(E::EnableViewerButtonClickedEvent))
            OnViewerButtonClicked(*this, tief, ergebnis);
        break;
    case 39: ergebnisEreignis(OnDlgExprVarBtn, E::EnableDlgExprVarBtnEvent, 0); break;
    case 40: ergebnisEreignis(OnHostPrinter, E::EnableHostPrinterEvent, 0); break;
    case 1000:
        if (OnFailsFilter && An(E::EnableFailsFilterEvent)) OnFailsFilter(*this);
        break;
    default: break;
    }
    return ergebnis;
}

void TL8_::setLanguage(int v)
{
    if (v < DefaultLang || v > Ukrainian) v = DefaultLang;
    std::array<int, L8EigenschaftAnzahl> gesichert{};
    for (int i = 0; i < L8EigenschaftAnzahl; ++i) gesichert[i] = Eigenschaft(static_cast<L8Eigenschaft>(i));

    const int rtf = MaxRTFVersion;
    const int basis = m_dialogBasis;
    const int flaggen = m_dialogFlaggen;

    m_language = v;
    if (m_job > -1) m_maschine.LlJobClose(m_job);
    m_job = m_maschine.LlJobOpen(v == DefaultLang ? -1 : v - 1);
    if (m_job >= 0)
        RegisterCallback();
    else
        OpenJob(true);
    m_vorschau.m_job = m_job;
    for (int i = 0; i < L8EigenschaftAnzahl; ++i) {
        const auto e = static_cast<L8Eigenschaft>(i);
        // The flag alone: its switch of the colouring would undo a colouring
        // chosen after it.
        if (e == E::EnableTableFieldEvent)
            m_gemerkt[i] = gesichert[i];
        else
            setEigenschaft(e, gesichert[i]);
    }
    MaxRTFVersion = rtf;
    m_dialogBasis = basis;
    m_dialogFlaggen = flaggen;
}

void TL8_::SetOptionFlag(int bit, bool an)
{
    const int wert = m_maschine.LlGetOption(m_job, 6);
    m_maschine.LlSetOption(m_job, 6, an ? wert | bit : wert & ~bit);
}

int TL8_::Eigenschaft(L8Eigenschaft e)
{
    const Option& o = option(e);
    const int i = static_cast<int>(e);
    switch (o.art) {
    case Art::Schalter:
        return m_maschine.LlGetOption(m_job, o.id) != 0 ? Yes : No;
    case Art::Zahl:
        return m_maschine.LlGetOption(m_job, o.id);
    case Art::Gemerkt:
    case Art::Bit:
    case Art::Flagge:
    case Art::Merken:
        return m_gemerkt[i];
    case Art::Sonder:
        break;
    }
    switch (e) {
    case E::NewExpressions:
        if (m_maschine.LlGetOption(m_job, 0) != 0) return NewMode;
        return m_maschine.LlGetOption(m_job, 14) != 0 ? Enhanced : Old;
    case E::StorageSystem:
        return m_maschine.LlGetOption(m_job, o.id) != 0 ? Storage : Compat4;
    case E::CompressStorage:
        return m_maschine.LlGetOption(m_job, o.id) != 0 ? Yes : No;
    default:  // EMFResolution, EnableTableFieldEvent, the dialog style, DebugMode
        return m_gemerkt[i];
    }
}

void TL8_::setEigenschaft(L8Eigenschaft e, int wert)
{
    const Option& o = option(e);
    const int i = static_cast<int>(e);
    const int schalter = wert != 0 ? 1 : 0;
    switch (o.art) {
    case Art::Schalter:
        m_maschine.LlSetOption(m_job, o.id, schalter);
        return;
    case Art::Gemerkt:
    case Art::Flagge:
        m_gemerkt[i] = schalter;
        m_maschine.LlSetOption(m_job, o.id, schalter);
        return;
    case Art::Zahl:
        if (wert >= 0 && wert <= o.max) m_maschine.LlSetOption(m_job, o.id, wert);
        return;
    case Art::Bit:
        m_gemerkt[i] = schalter;
        SetOptionFlag(o.max, schalter != 0);
        return;
    case Art::Merken:
        m_gemerkt[i] = schalter;
        return;
    case Art::Sonder:
        break;
    }
    switch (e) {
    case E::NewExpressions:
        if (wert == Old) {
            m_maschine.LlSetOption(m_job, 0, 0);
            m_maschine.LlSetOption(m_job, 14, 0);
        } else if (wert == NewMode) {
            m_maschine.LlSetOption(m_job, 0, 1);
        } else if (wert == Enhanced) {
            m_maschine.LlSetOption(m_job, 14, 1);
        }
        return;
    case E::StorageSystem:
        if (wert != Compat4 && wert != Storage) return;
        m_maschine.LlSetOption(m_job, o.id, wert);
        if (wert == Compat4) setEigenschaft(E::CompressStorage, No);
        return;
    case E::CompressStorage:
        m_maschine.LlSetOption(m_job, o.id, schalter != 0 && Eigenschaft(E::StorageSystem) == Storage ? 1 : 0);
        return;
    case E::EMFResolution:
        m_maschine.LlSetOption(m_job, o.id, wert);
        m_gemerkt[i] = m_maschine.LlGetOption(m_job, o.id);
        return;
    case E::EnableTableFieldEvent:
        m_gemerkt[i] = schalter;
        if (schalter != 0 && Eigenschaft(E::TableColoringMode) == Normal)
            setEigenschaft(E::TableColoringMode, Userdefined);
        return;
    case E::DialogBoxMode:
        if (wert < Win16 || wert > o.max) return;
        m_gemerkt[i] = wert;
        m_dialogBasis = wert + 1;
        m_maschine.LlSetDlgboxMode(m_dialogBasis | m_dialogFlaggen);
        return;
    case E::Buttons3D:
    case E::ButtonsWithBitmaps:
        m_gemerkt[i] = schalter;
        UpdateDlgboxMode();
        return;
    case E::DebugMode:
        m_gemerkt[i] = wert;
        m_maschine.LlSetDebug(wert);
        return;
    default:
        return;
    }
}

bool TL8_::Feuern(const DefineEvent& ereignis, bool erlaubt, int UserData, int bDummy, int& fortschritt,
                  int& letzter)
{
    if (!ereignis || !erlaubt) return false;
    int ergebnis = 0;
    ereignis(*this, UserData, bDummy, &fortschritt, &letzter, ergebnis);
    return true;
}

void TL8_::Zuruecksetzen(bool mehrseitig, bool kopfSpaeter)
{
    if (!mehrseitig) m_maschine.LlSetOption(m_job, OptionMehrseitig, 0);
    if (!kopfSpaeter) m_maschine.LlSetOption(m_job, OptionTabellenkopfSpaeter, 0);
}

int TL8_::Design(int UserData, QWidget* ParentHandle, const QString& Title, int ProjectType,
                 const QString& ProjectName, bool ShowFileSelect)
{
    const Lauf lauf(*this);
    QString projekt = ProjectName;
    if (ShowFileSelect) {
        const int r = m_maschine.LlSelectFileDlgTitleEx(m_job, ParentHandle, QString(), ProjectType & 0x800F,
                                                        projekt, DateinameLaenge - 1);
        if (r != 0) return r;
    }
    m_maschine.LlDefineVariableStart(m_job);
    m_maschine.LlDefineChartFieldStart(m_job);
    m_maschine.LlDefineFieldStart(m_job);
    int fortschritt = 0;
    int letzter = 0;
    Feuern(OnDefineVariables, EnableDefineVariablesEvent, UserData, 1, fortschritt, letzter);
    Feuern(OnDefineFields, EnableDefineFieldsEvent, UserData, 1, fortschritt, letzter);
    return m_maschine.LlDefineLayout(m_job, ParentHandle, Title, ProjectType & 0x7FFF, projekt);
}

int TL8_::Print(int UserData, int ProjectType, const QString& ProjectName, bool ShowFileSelect, int PrintOptions,
                int BoxType, QWidget* ParentHandle, const QString& Title, bool ShowPrintOptions,
                const QString& TempPath)
{
    const Lauf lauf(*this);
    const bool mehrseitig = Eigenschaft(E::AutoMultipage) != 0;
    const bool kopfSpaeter = Eigenschaft(E::DelayTableHeader) != 0;
    const bool einzeln = ProjectType == ProjekttypEtikett || ProjectType == ProjekttypKarte;
    int kopien = 1;
    int fortschritt = 0;
    int letzter = 0;
    int r = 0;

    // Ends the session early with `ergebnis`.
    auto abbrechen = [&](int ergebnis, bool optionenZurueck) {
        m_maschine.LlPrintEnd(m_job, 0);
        if (optionenZurueck) Zuruecksetzen(mehrseitig, kopfSpaeter);
        return ergebnis;
    };

    QString projekt = ProjectName;
    if (ShowFileSelect) {
        r = m_maschine.LlSelectFileDlgTitleEx(m_job, ParentHandle, QString(), ProjectType & 0x7FFF, projekt,
                                              DateinameLaenge);
        if (r != 0) return r;
    }

    m_maschine.LlDefineVariableStart(m_job);
    m_maschine.LlDefineChartFieldStart(m_job);
    Feuern(OnDefineVariables, EnableDefineVariablesEvent, UserData, 1, fortschritt, letzter);
    if (ProjectType == ProjekttypListe) {
        m_maschine.LlDefineFieldStart(m_job);
        Feuern(OnDefineFields, EnableDefineFieldsEvent, UserData, 1, fortschritt, letzter);
    }

    r = LlPrintWithBoxStart(ProjectType, projekt, PrintOptions, BoxType, ParentHandle, Title);
    if (r < 0) return r;

    if (ShowPrintOptions) {
        m_maschine.LlPrintSetOption(m_job, einzeln ? DruckoptionKopien : DruckoptionKopienFrei, 1);
        m_maschine.LlPrintSetOption(m_job, DruckoptionErsteSeite, -32768);
        r = m_maschine.LlPrintOptionsDialog(m_job, ParentHandle, Title);
        if (r < 0) return abbrechen(r, false);
        m_maschine.LlPrintSetOption(m_job, DruckoptionErsteSeite, 1);
    }

    QString drucker;
    QString anschluss;
    m_maschine.LlPrintGetPrinterInfo(m_job, drucker, anschluss);
    drucker.truncate(DruckernameLaenge);
    anschluss.truncate(AnschlussLaenge);

    const bool vorschau = m_maschine.LlPrintGetOption(m_job, DruckoptionZiel) == ZielVorschau;
    if (vorschau) m_maschine.LlPreviewSetTempPath(m_job, TempPath);

    if (einzeln) {
        kopien = qBound(1, m_maschine.LlPrintGetOption(m_job, DruckoptionKopien), KopienHoechstens);
        m_maschine.LlPrintSetOption(m_job, DruckoptionKopien, 1);
    } else if (m_maschine.LlPrintGetOption(m_job, DruckoptionKopienDurchDrucker) == 0) {
        m_maschine.LlPrintSetOption(m_job, DruckoptionKopien, kopien);
    }

    if (einzeln) {
        while (letzter == 0 && r == 0) {
            m_maschine.LlDefineVariableStart(m_job);
            m_maschine.LlDefineChartFieldStart(m_job);
            // Without the event nothing would ever mark the last record.
            if (!Feuern(OnDefineVariables, EnableDefineVariablesEvent, UserData, 0, fortschritt, letzter))
                letzter = 1;
            fortschritt = qBound(0, fortschritt, 100);
            r = m_maschine.LlPrintSetBoxText(m_job, drucker, fortschritt);
            if (r == BerichtAbgebrochen) return abbrechen(r, false);
            for (int k = 0; k < kopien; ++k) {
                r = m_maschine.LlPrint(m_job);
                for (int n = 1; r == BerichtSeiteVoll; ++n) {
                    if (n >= SeitenJeDatensatzHoechstens) return abbrechen(r, true);
                    r = m_maschine.LlPrint(m_job);
                }
            }
        }
    } else {
        m_maschine.LlSetOption(m_job, OptionMehrseitig, 1);
        m_maschine.LlSetOption(m_job, OptionTabellenkopfSpaeter, 1);
        bool wiederholen = false;
        while (r == 0 && (letzter == 0 || wiederholen)) {
            Feuern(OnDefineVariables, EnableDefineVariablesEvent, UserData, 0, fortschritt, letzter);
            r = m_maschine.LlPrint(m_job);
            while (r == 0 && (letzter == 0 || wiederholen)) {
                if (!wiederholen && !Feuern(OnDefineFields, EnableDefineFieldsEvent, UserData, 0, fortschritt, letzter))
                    letzter = 1;
                fortschritt = qBound(0, fortschritt, 100);
                r = m_maschine.LlPrintSetBoxText(m_job, drucker, fortschritt);
                if (r == BerichtAbgebrochen) return abbrechen(r, true);
                r = m_maschine.LlPrintFields(m_job);
                if (!wiederholen) m_maschine.LlPrintDeclareChartRow(m_job, 1);
                if (r != BerichtSeiteVoll) wiederholen = false;
            }
            if (r == BerichtSeiteVoll) {
                // Still repeating: the row did not fit on a fresh page, and never will.
                if (wiederholen) return abbrechen(r, true);
                wiederholen = true;
                r = 0;
            } else {
                wiederholen = false;
            }
        }
        int ende = m_maschine.LlPrintFieldsEnd(m_job);
        for (int n = 1; ende == BerichtSeiteVoll; ++n) {
            if (n >= SeitenJeDatensatzHoechstens) return abbrechen(ende, true);
            ende = m_maschine.LlPrintFieldsEnd(m_job);
        }
    }

    r = m_maschine.LlPrintEnd(m_job, 0);
    Zuruecksetzen(mehrseitig, kopfSpaeter);

    if (vorschau && r == 0) {
        r = m_maschine.LlPreviewDisplay(m_job, projekt, TempPath, ParentHandle);
        if (r == 0) m_maschine.LlPreviewDeleteFiles(m_job, projekt, TempPath);
    }
    return r;
}

int TL8_::LlSetOption(int id, int wert) { return m_maschine.LlSetOption(m_job, id, wert); }
int TL8_::LlGetOption(int id) { return m_maschine.LlGetOption(m_job, id); }
int TL8_::LlDefineVariableStart() { return m_maschine.LlDefineVariableStart(m_job); }

int TL8_::LlDefineVariableExt(const QString& name, const QString& inhalt, int typ, int reserviert)
{
    return m_maschine.LlDefineVariableExt(m_job, name, inhalt, typ, reserviert);
}

int TL8_::LlDefineFieldStart() { return m_maschine.LlDefineFieldStart(m_job); }

int TL8_::LlDefineFieldExt(const QString& name, const QString& inhalt, int typ, int reserviert)
{
    return m_maschine.LlDefineFieldExt(m_job, name, inhalt, typ, reserviert);
}

int TL8_::LlPrintWithBoxStart(int typ, const QString& projekt, int optionen, int boxtyp, QWidget* eltern,
                              const QString& titel)
{
    return m_maschine.LlPrintWithBoxStart(m_job, typ & 0xFFFF, projekt, optionen, boxtyp, eltern, titel);
}

int TL8_::LlPrintStart(int typ, const QString& projekt, int optionen, int reserviert)
{
    return m_maschine.LlPrintStart(m_job, typ & 0xFFFF, projekt, optionen, reserviert);
}

int TL8_::LlPrint() { return m_maschine.LlPrint(m_job); }
int TL8_::LlPrintEnd(int seiten) { return m_maschine.LlPrintEnd(m_job, seiten); }

int TL8_::LlPrintSetBoxText(const QString& text, int prozent)
{
    return m_maschine.LlPrintSetBoxText(m_job, text, prozent);
}

int TL8_::LlPrintSetOption(int id, int wert) { return m_maschine.LlPrintSetOption(m_job, id, wert); }

int TL8_::LlPrintSetOptionString(int id, const QString& text)
{
    return m_maschine.LlPrintSetOptionString(m_job, id, text);
}

int TL8_::LlXSetParameter(int art, const QString& erweiterung, const QString& schluessel, const QString& wert)
{
    return m_maschine.LlXSetParameter(m_job, art, erweiterung, schluessel, wert);
}

QString TL8_::LlGetErrortext() { return m_maschine.LlGetErrortext(m_job); }
