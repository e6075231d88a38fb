#include "platform/bericht/FakeBerichtsmaschine.h"

namespace {

QString n(int wert) { return QString::number(wert); }
QString hex(int wert) { return QStringLiteral("0x") + QString::number(static_cast<uint>(wert), 16); }

}  // namespace

QStringList FakeBerichtsmaschine::zeilen() const
{
    QStringList l;
    for (const Aufruf& a : protokoll) l << a.text();
    return l;
}

QStringList FakeBerichtsmaschine::zeilen(const QStringList& namen) const
{
    QStringList l;
    for (const Aufruf& a : protokoll)
        if (namen.contains(a.name)) l << a.text();
    return l;
}

QStringList FakeBerichtsmaschine::namen() const
{
    QStringList l;
    for (const Aufruf& a : protokoll) l << a.name;
    return l;
}

int FakeBerichtsmaschine::anzahl(const QString& name) const
{
    int z = 0;
    for (const Aufruf& a : protokoll)
        if (a.name == name) ++z;
    return z;
}

std::optional<int> FakeBerichtsmaschine::aufruf(const QString& name, const QStringList& argumente)
{
    protokoll.append({name, argumente, anzahl(name) + 1});
    const Aufruf a = protokoll.last();  // a copy: the hook may record more
    if (haken) {
        if (const std::optional<int> r = haken(a)) return r;
    }
    auto it = antworten.find(name);
    if (it != antworten.end() && !it->isEmpty()) return it->takeFirst();
    return std::nullopt;
}

int FakeBerichtsmaschine::antwort(const QString& name, const QStringList& argumente, int sonst)
{
    return aufruf(name, argumente).value_or(sonst);
}

int FakeBerichtsmaschine::LlJobOpen(int sprache)
{
    std::optional<int> r = aufruf("LlJobOpen", {n(sprache)});
    if (!r) r = !sprachen || sprachen->contains(sprache) ? naechsterJob++ : sprachFehler;
    if (*r >= 0) optionen = startOptionen;
    return *r;
}

void FakeBerichtsmaschine::LlJobClose(int job) { aufruf("LlJobClose", {n(job)}); }

int FakeBerichtsmaschine::LlSetOption(int job, int id, int wert)
{
    optionen[id] = wert;
    return antwort("LlSetOption", {n(job), n(id), n(wert)});
}

int FakeBerichtsmaschine::LlGetOption(int job, int id)
{
    return antwort("LlGetOption", {n(job), n(id)}, optionen.value(id, 0));
}

int FakeBerichtsmaschine::LlDefineVariableStart(int job)
{
    variablen.clear();
    return antwort("LlDefineVariableStart", {n(job)});
}

int FakeBerichtsmaschine::LlDefineVariableExt(int job, const QString& name, const QString& inhalt, int typ,
                                              int reserviert)
{
    variablen.append({name, inhalt, typ});
    return antwort("LlDefineVariableExt", {n(job), name, inhalt, hex(typ), n(reserviert)});
}

int FakeBerichtsmaschine::LlDefineFieldStart(int job)
{
    felder.clear();
    return antwort("LlDefineFieldStart", {n(job)});
}

int FakeBerichtsmaschine::LlDefineFieldExt(int job, const QString& name, const QString& inhalt, int typ,
                                           int reserviert)
{
    felder.append({name, inhalt, typ});
    return antwort("LlDefineFieldExt", {n(job), name, inhalt, hex(typ), n(reserviert)});
}

int FakeBerichtsmaschine::LlDefineChartFieldStart(int job) { return antwort("LlDefineChartFieldStart", {n(job)}); }

int FakeBerichtsmaschine::LlSelectFileDlgTitleEx(int job, QWidget*, const QString& titel, int typ, QString& datei,
                                                 int laenge)
{
    const int r = antwort("LlSelectFileDlgTitleEx", {n(job), titel, n(typ), datei, n(laenge)});
    if (r == 0 && !dateiwahl.isEmpty()) datei = dateiwahl.left(laenge);
    return r;
}

int FakeBerichtsmaschine::LlDefineLayout(int job, QWidget*, const QString& titel, int typ, const QString& projekt)
{
    return antwort("LlDefineLayout", {n(job), titel, n(typ), projekt});
}

int FakeBerichtsmaschine::LlPrintWithBoxStart(int job, int typ, const QString& projekt, int optionen, int boxtyp,
                                              QWidget*, const QString& titel)
{
    return antwort("LlPrintWithBoxStart", {n(job), n(typ), projekt, hex(optionen), n(boxtyp), titel});
}

int FakeBerichtsmaschine::LlPrintStart(int job, int typ, const QString& projekt, int optionen, int reserviert)
{
    return antwort("LlPrintStart", {n(job), n(typ), projekt, hex(optionen), n(reserviert)});
}

int FakeBerichtsmaschine::LlPrintOptionsDialog(int job, QWidget*, const QString& text)
{
    return antwort("LlPrintOptionsDialog", {n(job), text});
}

int FakeBerichtsmaschine::LlPrintGetPrinterInfo(int job, QString& drucker_, QString& anschluss_)
{
    drucker_ = drucker;
    anschluss_ = anschluss;
    return antwort("LlPrintGetPrinterInfo", {n(job)});
}

int FakeBerichtsmaschine::LlPrintSetOption(int job, int id, int wert)
{
    druckoptionen[id] = wert;
    return antwort("LlPrintSetOption", {n(job), n(id), n(wert)});
}

int FakeBerichtsmaschine::LlPrintGetOption(int job, int id)
{
    return antwort("LlPrintGetOption", {n(job), n(id)}, druckoptionen.value(id, 0));
}

int FakeBerichtsmaschine::LlPrintSetOptionString(int job, int id, const QString& text)
{
    druckoptionsTexte[id] = text;
    return antwort("LlPrintSetOptionString", {n(job), n(id), text});
}

int FakeBerichtsmaschine::LlPrintSetBoxText(int job, const QString& text, int prozent)
{
    return antwort("LlPrintSetBoxText", {n(job), text, n(prozent)});
}

int FakeBerichtsmaschine::LlPrint(int job) { return antwort("LlPrint", {n(job)}); }

int FakeBerichtsmaschine::LlPrintFields(int job) { return antwort("LlPrintFields", {n(job)}); }

int FakeBerichtsmaschine::LlPrintFieldsEnd(int job) { return antwort("LlPrintFieldsEnd", {n(job)}); }

int FakeBerichtsmaschine::LlPrintDeclareChartRow(int job, int art)
{
    return antwort("LlPrintDeclareChartRow", {n(job), n(art)});
}

int FakeBerichtsmaschine::LlPrintEnd(int job, int seiten) { return antwort("LlPrintEnd", {n(job), n(seiten)}); }

int FakeBerichtsmaschine::LlPreviewSetTempPath(int job, const QString& pfad)
{
    return antwort("LlPreviewSetTempPath", {n(job), pfad});
}

int FakeBerichtsmaschine::LlPreviewDisplay(int job, const QString& projekt, const QString& pfad, QWidget*)
{
    return antwort("LlPreviewDisplay", {n(job), projekt, pfad});
}

int FakeBerichtsmaschine::LlPreviewDeleteFiles(int job, const QString& projekt, const QString& pfad)
{
    return antwort("LlPreviewDeleteFiles", {n(job), projekt, pfad});
}

int FakeBerichtsmaschine::LlXSetParameter(int job, int art, const QString& erweiterung, const QString& schluessel,
                                          const QString& wert)
{
    exportparameter[schluessel] = wert;
    return antwort("LlXSetParameter", {n(job), n(art), erweiterung, schluessel, wert});
}

QString FakeBerichtsmaschine::LlGetErrortext(int job)
{
    aufruf("LlGetErrortext", {n(job)});
    return fehlertext;
}

int FakeBerichtsmaschine::LlSetNotificationCallback(int job, Berichtsrueckruf rueckruf)
{
    const bool da = static_cast<bool>(rueckruf);
    if (da)
        rueckrufe[job] = std::move(rueckruf);
    else
        rueckrufe.remove(job);
    return antwort("LlSetNotificationCallback", {n(job), n(da ? 1 : 0)});
}

int FakeBerichtsmaschine::LlSetNotificationFilter(int job, Berichtshoerer hoert)
{
    const bool da = static_cast<bool>(hoert);
    if (da)
        hoerer[job] = std::move(hoert);
    else
        hoerer.remove(job);
    return antwort("LlSetNotificationFilter", {n(job), n(da ? 1 : 0)});
}

void FakeBerichtsmaschine::LlSetDlgboxMode(int modus)
{
    dialogModus = modus;
    aufruf("LlSetDlgboxMode", {hex(modus)});
}

int FakeBerichtsmaschine::LlGetDlgboxMode() { return antwort("LlGetDlgboxMode", {}, dialogModus); }

void FakeBerichtsmaschine::LlSetDebug(int wert)
{
    debug = wert;
    aufruf("LlSetDebug", {n(wert)});
}
