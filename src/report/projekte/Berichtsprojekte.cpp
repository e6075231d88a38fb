#include "report/projekte/Berichtsprojekte.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

int LetztesBerichtsergebnis = 0;

namespace {

std::unique_ptr<TL8_>& Komponente()
{
    // The engine first: statics go in reverse order, so the component
    // closes its job while the engine is still there.
    berichtsmaschine();
    static std::unique_ptr<TL8_> komponente;
    return komponente;
}

}  // namespace

TL8_& Berichtskomponente()
{
    std::unique_ptr<TL8_>& k = Komponente();
    if (!k) {
        k = std::make_unique<TL8_>();
        k->setEigenschaft(L8Eigenschaft::SortVariables, TL8_::Yes);
        k->EnableDefineVariablesEvent = true;
        k->EnableDefineFieldsEvent = true;
        k->OnDefineVariables = BerichtsvariablenEreignis([] { return AktWettkampf; });
        k->OnDefineFields = k->OnDefineVariables;
    }
    return *k;
}

void BerichtskomponenteZuruecksetzen() { Komponente().reset(); }

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

// Another session of the component is under way.
int Beschaeftigt(QString* fehler)
{
    if (fehler) *fehler = QStringLiteral("Die Berichtsausgabe ist mit einem anderen Formular beschäftigt.");
    return BerichtFehler;
}

}  // namespace

int ProjektVorschauErstellen(TL8_& ll, QWidget* eltern, const QString& projekt, const TWettkampfDaten* w)
{
    const TL8_::Lauf lauf(ll);
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

int ProjektDrucken(TL8_& ll, QWidget* eltern, const QString& projekt, int optionen, int kopien, QString* fehler)
{
    if (ll.Belegt()) return Beschaeftigt(fehler);
    ll.LlPrintSetOption(DruckoptionKopien, kopien);
    const int r = ll.Print(1, ProjekttypKarte, projekt, false, optionen, 3, eltern,
                           QStringLiteral("drucke Formular ") + Dateiname(projekt), true, QString());
    return Fehler(ll, r, fehler);
}

int ProjektExportieren(TL8_& ll, const QString& projekt, const QString& format, const QString& datei,
                       const TWettkampfDaten& w, QString* fehler)
{
    if (ll.Belegt()) return Beschaeftigt(fehler);
    const TL8_::Lauf lauf(ll);
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
