#include "report/projekte/Berichtsprojekte.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

int LetztesBerichtsergebnis = 0;

QString ProjektdateiVon(int index)
{
    if (index < ErstesProjekt || index >= FormularDateien.size()) return {};
    const QString name = FormularDateien[index].trimmed();
    if (name.isEmpty()) return {};
    return QDir(Datenverzeichnis).absoluteFilePath(name);
}

void VariablenDefinieren(TL8_& ll, const QList<Berichtsvariable>& variablen)
{
    for (const Berichtsvariable& v : variablen) ll.LlDefineVariableExt(v.name, v.wert, int(v.typ), 0);
}

TL8_::DefineEvent BerichtsvariablenEreignis(std::function<const TWettkampfDaten*()> wettkampf)
{
    return [wettkampf = std::move(wettkampf)](TL8_& ll, int, int bDummy, int*, int* letzter, int&) {
        if (bDummy) {
            VariablenDefinieren(ll, LLVariablenBeispiel());
            return;
        }
        VariablenDefinieren(ll, Berichtsvariablen(false, wettkampf ? wettkampf() : nullptr));
        if (letzter) *letzter = 1;
    };
}

namespace {

QString Dateiname(const QString& projekt) { return QFileInfo(projekt).fileName(); }

int Fehler(TL8_& ll, int r, QString* fehler)
{
    if (r < 0 && r != BerichtAbgebrochen && fehler) *fehler = ll.LlGetErrortext();
    return r;
}

}  // namespace

int ProjektVorschauErstellen(TL8_& ll, QWidget* eltern, const QString& projekt, const TWettkampfDaten* w)
{
    const QString text = QStringLiteral("erstelle Formular ") + Dateiname(projekt);
    ll.LlDefineVariableStart();
    VariablenDefinieren(ll, LLVariablenBeispiel());
    int r = ll.LlPrintWithBoxStart(ProjekttypKarte, projekt, AusgabeVorschaudatei, 3, eltern, text);
    if (r < 0) return r;
    VariablenDefinieren(ll, Berichtsvariablen(false, w));
    r = ll.LlPrintSetBoxText(text, 50);
    if (r == 0) r = ll.LlPrint();
    const int ende = ll.LlPrintEnd(0);
    return r != 0 ? r : ende;
}

int ProjektDrucken(QWidget* eltern, const QString& projekt, int optionen, int kopien, const TWettkampfDaten& w,
                   QString* fehler)
{
    TL8_ ll;
    ll.EnableDefineVariablesEvent = true;
    ll.EnableDefineFieldsEvent = true;
    ll.OnDefineVariables = BerichtsvariablenEreignis([&w] { return &w; });
    ll.OnDefineFields = ll.OnDefineVariables;
    ll.LlPrintSetOption(DruckoptionKopien, kopien);
    const int r = ll.Print(1, ProjekttypKarte, projekt, false, optionen, 3, eltern,
                           QStringLiteral("drucke Formular ") + Dateiname(projekt), true, QString());
    return Fehler(ll, r, fehler);
}

int ProjektExportieren(const QString& projekt, const QString& format, const QString& datei,
                       const TWettkampfDaten& w, QString* fehler)
{
    TL8_ ll;
    const QFileInfo ziel(datei);
    ll.LlXSetParameter(1, format, QStringLiteral("Export.File"), ziel.fileName());
    ll.LlXSetParameter(1, format, QStringLiteral("Export.Path"), ziel.absolutePath() + QLatin1Char('/'));
    ll.LlXSetParameter(1, format, QStringLiteral("Export.Quiet"), QStringLiteral("1"));
    ll.LlDefineVariableStart();
    VariablenDefinieren(ll, LLVariablenBeispiel());
    int r = ll.LlPrintStart(ProjekttypKarte, projekt, AusgabeDrucker, 0);
    if (r < 0) return Fehler(ll, r, fehler);
    r = ll.LlPrintSetOptionString(DruckoptionExport, format);
    VariablenDefinieren(ll, LLVariablenDefinieren(w));
    if (r == 0) r = ll.LlPrint();
    const int ende = ll.LlPrintEnd(0);
    return Fehler(ll, r != 0 ? r : ende, fehler);
}
