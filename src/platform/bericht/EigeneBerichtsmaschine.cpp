#include "platform/bericht/EigeneBerichtsmaschine.h"

#include "platform/bericht/Berichtsoberflaeche.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/Berichtsseite.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <algorithm>
#include <map>
#include <optional>

Q_LOGGING_CATEGORY(lcBerichtsmaschine, "corvalink.berichtsmaschine")

namespace {

constexpr int SpracheHoechste = 41;
// A runaway caller (LlPrint without end) stops here instead of filling memory.
constexpr int SeitenHoechstens = 10000;
constexpr int KopienHoechstens = 999;

const QString ExportHtml = QStringLiteral("HTML");
const QString ExportJpeg = QStringLiteral("PICTURE_JPEG");

enum class Ziel { Drucker, Vorschaudatei };

struct Sitzung {
    int typ = ProjekttypKarte;
    QString projektdatei;
    Berichtsprojekt projekt;
    Ziel ziel = Ziel::Drucker;
    QString exportformat;  // empty: no export
    bool box = false;
    QString titel;  // of the box
    bool abgebrochen = false;
    QList<Berichtsseite> seiten;
};

struct Job {
    QHash<int, int> optionen;
    QHash<int, int> druckoptionen{{DruckoptionKopien, 1}, {DruckoptionKopienDurchDrucker, 1}};
    Berichtswerte variablen;
    Berichtswerte felder;
    // format -> key (lower case) -> value
    QHash<QString, QHash<QString, QString>> exportparameter;
    QString fehlertext;
    std::optional<Sitzung> sitzung;
    QList<Berichtsseite> vorschauseiten;
    QString vorschaupfad;
    Berichtsrueckruf rueckruf;
    Berichtshoerer hoert;
};

// Defines or redefines a value; the first definition's place is kept.
void Definieren(Berichtswerte& werte, const QString& name, const QString& inhalt, int typ)
{
    for (Berichtswert& w : werte) {
        if (w.name == name) {
            w.wert = inhalt;
            w.typ = typ;
            return;
        }
    }
    werte.append({name, inhalt, typ});
}

QString Dateiname(const QString& pfad)
{
    return QFileInfo(pfad).fileName();
}

// What a print of the project is called (the printer's job, a PDF's title and
// file): the project's name without its type, "Spielbericht" for
// "Spielbericht.crd"; the progress box's text is another thing.
QString Dokumentname(const QString& pfad)
{
    return QFileInfo(pfad).completeBaseName();
}

// The page's table, if it has one.
const Berichtselement* TabelleVon(const Berichtsseite& seite)
{
    for (const Berichtselement& e : seite.elemente)
        if (e.art == Berichtselement::Art::Tabelle) return &e;
    return nullptr;
}

// Export.Path as the callers give it may end in a backslash.
QString Exportordner(const QString& pfad)
{
    QString ordner = pfad;
    ordner.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ordner;
}

}  // namespace

struct EigeneBerichtsmaschine::Daten {
    std::map<int, Job> jobs;
    int naechsterJob = 1;
    QSet<QString> gemeldet;  // notices already shown, once per run
    int dialogModus = 0;
    int debug = 0;
    // Inside a notification: a handler must not start, end or close what
    // the engine is working on.
    int imRueckruf = 0;

    // The call and its result into the program's log while debugging; the
    // call's text (from `aufruf()`) is made only then.
    template <typename Aufruf>
    int Spur(const Aufruf& aufruf, int ergebnis) const
    {
        if (debug > 0) qCInfo(lcBerichtsmaschine).noquote() << aufruf() << "=" << ergebnis;
        return ergebnis;
    }

    // A call that a notification's handler may not make: it would move on,
    // end or restart the session the engine is telling of, or open one of
    // the engine's windows in the middle of it.
    bool Gesperrt(Job& j)
    {
        if (imRueckruf == 0) return false;
        j.fehlertext = QStringLiteral("Während einer Benachrichtigung geht das nicht.");
        return true;
    }

    // The job's callback wants the notification (its mask bit, if it has
    // one, is set, and its filter takes it): only then is its record made.
    static bool Hoert(const Job& j, int id, int maske = 0)
    {
        return j.rueckruf && (maske == 0 || (j.optionen.value(OptionNotizmaske) & maske) != 0) &&
               (!j.hoert || j.hoert(id));
    }

    // The record of a moment of the job's session.
    Berichtsnotiz Notiz(const Job& j, const Sitzung& s) const
    {
        Berichtsnotiz n;
        n.projekt = s.projektdatei;
        n.vorschau = s.ziel == Ziel::Vorschaudatei || j.druckoptionen.value(DruckoptionZiel) == ZielVorschau;
        n.seite = int(s.seiten.size());
        return n;
    }

    // Calls the job's callback (when its mask bit, if any, is set); its result.
    qintptr Melden(const Job& j, int id, Berichtsnotiz& n, int maske = 0)
    {
        if (!Hoert(j, id, maske)) return 0;
        const Berichtsrueckruf rueckruf = j.rueckruf;  // the handler may register another
        ++imRueckruf;
        const qintptr r = rueckruf(id, 0, &n);
        --imRueckruf;
        if (debug > 0) qCInfo(lcBerichtsmaschine).noquote() << "Benachrichtigung" << id << "=" << r;
        return r;
    }

    Job* job(int handle)
    {
        auto it = jobs.find(handle);
        return it == jobs.end() ? nullptr : &it->second;
    }

    // The job's open session, or nullptr with the error text set.
    Sitzung* sitzung(Job& j)
    {
        if (j.sitzung) return &*j.sitzung;
        j.fehlertext = QStringLiteral("Es ist kein Druckauftrag geöffnet.");
        return nullptr;
    }

    static int Fehler(Job& j, int code, const QString& text)
    {
        j.fehlertext = text;
        return code;
    }

    // Ends the open session without sending its pages.
    static void SitzungVerwerfen(Job& j)
    {
        if (j.sitzung && j.sitzung->box) berichtsoberflaeche().fortschrittSchliessen();
        j.sitzung.reset();
    }

    int DruckStarten(Job& j, int typ, const QString& projektdatei, int optionen, int boxtyp, QWidget* eltern,
                     const QString& titel);
    void ZeileMelden(Job& j, const Sitzung& s, qsizetype zeilenVorher);
    int Senden(Job& j, Sitzung& s);
};

int EigeneBerichtsmaschine::Daten::DruckStarten(Job& j, int typ, const QString& projektdatei, int optionen,
                                                 int boxtyp, QWidget* eltern, const QString& titel)
{
    if (Gesperrt(j)) return BerichtFehler;
    SitzungVerwerfen(j);
    if (typ != ProjekttypEtikett && typ != ProjekttypListe && typ != ProjekttypKarte)
        return Fehler(j, BerichtFehler, QStringLiteral("Unbekannte Projektart %1.").arg(typ));
    const QString name = Dateiname(projektdatei);
    if (projektdatei.isEmpty())
        return Fehler(j, BerichtDateiFehlt, QStringLiteral("Es ist keine Formulardatei angegeben."));
    if (!QFileInfo(projektdatei).isFile()) {
        return Fehler(j, BerichtDateiFehlt,
                      QStringLiteral("Die Formulardatei „%1“ gibt es nicht.").arg(projektdatei));
    }

    const Projektergebnis gelesen = ProjektdateiLesen(projektdatei);
    if (!gelesen.projekt) {
        const Projektfehler& f = gelesen.fehler;
        QString ort;
        if (f.zeile > 0) ort = QStringLiteral(", Zeile %1, Spalte %2").arg(f.zeile).arg(f.spalte);
        return Fehler(j, BerichtFormatFalsch, QStringLiteral("%1%2: %3").arg(name, ort, f.text));
    }
    const bool liste = typ == ProjekttypListe;
    if (liste != (gelesen.projekt->art == Projektart::Liste)) {
        return Fehler(j, BerichtFormatFalsch,
                      liste ? QStringLiteral("Die Formulardatei „%1“ ist kein Listenformular.").arg(name)
                            : QStringLiteral("Die Formulardatei „%1“ ist ein Listenformular, hier wird ein "
                                             "Einzelformular erwartet.")
                                  .arg(name));
    }

    for (const QString& hinweis : gelesen.projekt->hinweise) {
        const QString text = QStringLiteral("%1: %2").arg(name, hinweis);
        if (gemeldet.contains(text)) continue;
        gemeldet.insert(text);
        berichtsoberflaeche().hinweis(eltern, titel, text);
    }

    Sitzung s;
    s.typ = typ;
    s.projektdatei = projektdatei;
    s.projekt = *gelesen.projekt;
    s.ziel = (optionen & AusgabeVorschaudatei) ? Ziel::Vorschaudatei : Ziel::Drucker;
    s.box = boxtyp != 0;
    s.titel = titel;
    j.sitzung = std::move(s);
    j.fehlertext.clear();
    if (j.sitzung->box) berichtsoberflaeche().fortschrittOeffnen(eltern, titel);
    if (Hoert(j, NotizProjekt, NotizmaskeProjekt)) {
        Berichtsnotiz n = Notiz(j, *j.sitzung);
        Melden(j, NotizProjekt, n, NotizmaskeProjekt);
    }
    return BerichtOk;
}

// The row that went on the page last, then each of its cells: when the
// table has a row more than `zeilenVorher`.
void EigeneBerichtsmaschine::Daten::ZeileMelden(Job& j, const Sitzung& s, qsizetype zeilenVorher)
{
    const Berichtselement* tabelle = TabelleVon(s.seiten.constLast());
    if (!tabelle || tabelle->zeilen.size() <= zeilenVorher) return;
    // Copies: the record is the handler's to change.
    const QStringList zellen = tabelle->zeilen.last();
    const QList<Tabellenspalte> spalten = tabelle->spalten;
    Berichtsnotiz zeile = Notiz(j, s);
    zeile.zeile = int(tabelle->zeilen.size());
    Melden(j, NotizTabellenzeile, zeile);
    if (!Hoert(j, NotizTabellenfeld)) return;
    for (int i = 0; i < zellen.size(); ++i) {
        Berichtsnotiz feld = zeile;
        feld.spalte = i;
        feld.feld = i < spalten.size() ? spalten[i].titel : QString();
        feld.wert = zellen[i];
        Melden(j, NotizTabellenfeld, feld);
    }
}

int EigeneBerichtsmaschine::Daten::Senden(Job& j, Sitzung& s)
{
    if (s.seiten.isEmpty()) return BerichtOk;
    const QFileInfo projekt(s.projektdatei);
    const QString titel = s.titel.isEmpty() ? projekt.fileName() : s.titel;
    QString fehler;

    if (!s.exportformat.isEmpty()) {
        const QHash<QString, QString> parameter = j.exportparameter.value(s.exportformat);
        const bool html = s.exportformat == ExportHtml;
        QString datei = parameter.value(QStringLiteral("export.file"));
        if (datei.isEmpty())
            datei = projekt.completeBaseName() + (html ? QStringLiteral(".htm") : QStringLiteral(".jpg"));
        QString ordner = Exportordner(parameter.value(QStringLiteral("export.path")));
        if (ordner.isEmpty()) ordner = projekt.absolutePath();
        const QString ziel = QDir(ordner).filePath(datei);
        const bool gut = html ? SeitenHtmlSchreiben(s.seiten, titel, ziel, &fehler)
                              : SeiteJpegSchreiben(s.seiten.first(), ziel, &fehler);
        if (!gut)
            return Fehler(j, BerichtSchreibfehler,
                          QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2").arg(ziel, fehler));
        return BerichtOk;
    }
    if (s.ziel == Ziel::Vorschaudatei) {
        const QString ziel = Vorschaudatei(s.projektdatei);
        if (!VorschaudateiSchreiben(ziel, s.seiten, &fehler)) {
            return Fehler(j, BerichtSchreibfehler,
                          QStringLiteral("Die Vorschaudatei „%1“ konnte nicht geschrieben werden: %2")
                              .arg(ziel, fehler));
        }
        return BerichtOk;
    }
    if (j.druckoptionen.value(DruckoptionZiel) == ZielVorschau) {
        j.vorschauseiten = s.seiten;
        return BerichtOk;
    }
    const int kopien = s.typ == ProjekttypListe
                           ? std::clamp(j.druckoptionen.value(DruckoptionKopien), 1, KopienHoechstens)
                           : 1;
    const int r = berichtsoberflaeche().drucken(s.seiten, Dokumentname(s.projektdatei), kopien, &fehler);
    if (r != BerichtOk) {
        if (fehler.isEmpty()) fehler = QStringLiteral("Der Drucker hat den Auftrag nicht angenommen.");
        return Fehler(j, r < 0 ? r : BerichtDruckerFehler, fehler);
    }
    return BerichtOk;
}

EigeneBerichtsmaschine::EigeneBerichtsmaschine() : d(std::make_unique<Daten>()) {}

EigeneBerichtsmaschine::~EigeneBerichtsmaschine() = default;

int EigeneBerichtsmaschine::LlJobOpen(int sprache)
{
    const auto aufruf = [&] { return QStringLiteral("LlJobOpen(%1)").arg(sprache); };
    if (sprache < -1 || sprache > SpracheHoechste) return d->Spur(aufruf, BerichtSpracheFehlt);
    const int handle = d->naechsterJob++;
    d->jobs.emplace(handle, Job{});
    return d->Spur(aufruf, handle);
}

void EigeneBerichtsmaschine::LlJobClose(int job)
{
    d->Spur([&] { return QStringLiteral("LlJobClose(%1)").arg(job); }, 0);
    if (Job* j = d->job(job)) {
        if (d->Gesperrt(*j)) return;
        Daten::SitzungVerwerfen(*j);
        d->jobs.erase(job);
    }
}

int EigeneBerichtsmaschine::LlSetOption(int job, int id, int wert)
{
    const auto aufruf = [&] {
        return QStringLiteral("LlSetOption(%1, %2, %3)").arg(job).arg(id).arg(wert);
    };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    j->optionen.insert(id, wert);
    return d->Spur(aufruf, BerichtOk);
}

int EigeneBerichtsmaschine::LlGetOption(int job, int id)
{
    Job* j = d->job(job);
    return j ? j->optionen.value(id) : BerichtFehler;
}

int EigeneBerichtsmaschine::LlDefineVariableStart(int job)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    j->variablen.clear();
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlDefineVariableExt(int job, const QString& name, const QString& inhalt, int typ,
                                                int /*reserviert*/)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    Definieren(j->variablen, name, inhalt, typ);
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlDefineFieldStart(int job)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    j->felder.clear();
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlDefineFieldExt(int job, const QString& name, const QString& inhalt, int typ,
                                             int /*reserviert*/)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    Definieren(j->felder, name, inhalt, typ);
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlDefineChartFieldStart(int job)
{
    return d->job(job) ? BerichtOk : BerichtFehler;
}

int EigeneBerichtsmaschine::LlSelectFileDlgTitleEx(int job, QWidget* eltern, const QString& titel, int typ,
                                                   QString& datei, int laenge)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    QString wahl = datei;
    const int r = berichtsoberflaeche().dateiWaehlen(eltern, titel, typ, wahl);
    if (r == BerichtOk) datei = wahl.left(std::max(0, laenge));
    return r;
}

int EigeneBerichtsmaschine::LlDefineLayout(int job, QWidget* eltern, const QString& titel, int typ,
                                           const QString& projekt)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    const int r = berichtsoberflaeche().entwerfen(eltern, titel, typ, projekt, j->variablen, j->felder);
    j->fehlertext = r < 0 && r != BerichtAbgebrochen ? QStringLiteral("Der Formulardesigner ist nicht verfügbar.")
                                                      : QString();
    return r;
}

int EigeneBerichtsmaschine::LlPrintWithBoxStart(int job, int typ, const QString& projekt, int optionen, int boxtyp,
                                                QWidget* eltern, const QString& titel)
{
    const auto aufruf = [&] {
        return QStringLiteral("LlPrintWithBoxStart(%1, %2, %3, 0x%4, %5)")
            .arg(job)
            .arg(typ)
            .arg(projekt)
            .arg(optionen, 0, 16)
            .arg(boxtyp);
    };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    return d->Spur(aufruf, d->DruckStarten(*j, typ, projekt, optionen, boxtyp, eltern, titel));
}

int EigeneBerichtsmaschine::LlPrintStart(int job, int typ, const QString& projekt, int optionen, int /*reserviert*/)
{
    const auto aufruf = [&] {
        return QStringLiteral("LlPrintStart(%1, %2, %3, 0x%4)").arg(job).arg(typ).arg(projekt).arg(optionen, 0, 16);
    };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    return d->Spur(aufruf, d->DruckStarten(*j, typ, projekt, optionen, 0, nullptr, {}));
}

int EigeneBerichtsmaschine::LlPrintOptionsDialog(int job, QWidget* eltern, const QString& text)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    int kopien = std::clamp(j->druckoptionen.value(DruckoptionKopien), 1, KopienHoechstens);
    QString fehler;
    const int r = berichtsoberflaeche().druckoptionen(
        eltern, j->sitzung ? Dokumentname(j->sitzung->projektdatei) : text, kopien, &fehler);
    if (r != BerichtOk) return fehler.isEmpty() ? r : Daten::Fehler(*j, r, fehler);
    j->druckoptionen.insert(DruckoptionKopien, std::clamp(kopien, 1, KopienHoechstens));
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlPrintGetPrinterInfo(int job, QString& drucker, QString& anschluss)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    anschluss.clear();
    if (j->sitzung && !j->sitzung->exportformat.isEmpty())
        drucker = QStringLiteral("Export");
    else if ((j->sitzung && j->sitzung->ziel == Ziel::Vorschaudatei) ||
             j->druckoptionen.value(DruckoptionZiel) == ZielVorschau)
        drucker = QStringLiteral("Vorschau");
    else
        drucker = berichtsoberflaeche().druckername();
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlPrintSetOption(int job, int id, int wert)
{
    const auto aufruf = [&] {
        return QStringLiteral("LlPrintSetOption(%1, %2, %3)").arg(job).arg(id).arg(wert);
    };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    j->druckoptionen.insert(id, wert);
    return d->Spur(aufruf, BerichtOk);
}

int EigeneBerichtsmaschine::LlPrintGetOption(int job, int id)
{
    Job* j = d->job(job);
    return j ? j->druckoptionen.value(id) : BerichtFehler;
}

int EigeneBerichtsmaschine::LlPrintSetOptionString(int job, int id, const QString& text)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    Sitzung* s = d->sitzung(*j);
    if (!s) return BerichtFehler;
    if (id != DruckoptionExport || (text != ExportHtml && text != ExportJpeg))
        return Daten::Fehler(*j, BerichtFehler, QStringLiteral("Unbekanntes Ausgabeformat „%1“.").arg(text));
    s->exportformat = text;
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlPrintSetBoxText(int job, const QString& text, int prozent)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    Sitzung* s = d->sitzung(*j);
    if (!s) return BerichtFehler;
    if (s->abgebrochen) return BerichtAbgebrochen;
    prozent = std::clamp(prozent, 0, 100);
    if (Daten::Hoert(*j, NotizFortschritt)) {
        Berichtsnotiz n = d->Notiz(*j, *s);
        n.prozent = prozent;
        n.text = text;
        d->Melden(*j, NotizFortschritt, n);
    }
    if (s->box && !berichtsoberflaeche().fortschritt(text, prozent)) {
        s->abgebrochen = true;
        return Daten::Fehler(*j, BerichtAbgebrochen, QStringLiteral("Der Druck wurde abgebrochen."));
    }
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlPrint(int job)
{
    const auto aufruf = [&] { return QStringLiteral("LlPrint(%1)").arg(job); };
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return d->Spur(aufruf, BerichtFehler);
    Sitzung* s = d->sitzung(*j);
    if (!s) return d->Spur(aufruf, BerichtFehler);
    if (s->abgebrochen) return d->Spur(aufruf, BerichtAbgebrochen);
    if (s->seiten.size() >= SeitenHoechstens)
        return d->Spur(aufruf, Daten::Fehler(*j, BerichtFehler, QStringLiteral("Der Bericht hat mehr als %1 Seiten.")
                                                                     .arg(SeitenHoechstens)));
    // The page, then each of its objects; an object whose handler answers
    // other than 0 stays off the page.
    const int nummer = int(s->seiten.size()) + 1;
    if (Daten::Hoert(*j, NotizSeite, NotizmaskeSeite)) {
        Berichtsnotiz seite = d->Notiz(*j, *s);
        seite.seite = nummer;
        d->Melden(*j, NotizSeite, seite, NotizmaskeSeite);
    }
    Objektfilter zeigen;
    if (Daten::Hoert(*j, NotizObjekt, NotizmaskeObjekt)) {
        zeigen = [&](int index, const Projektobjekt& o) {
            Berichtsnotiz n = d->Notiz(*j, *s);
            n.seite = nummer;
            n.objekt = index;
            n.objektart = ObjektartName(o.art);
            return d->Melden(*j, NotizObjekt, n, NotizmaskeObjekt) == 0;
        };
    }
    s->seiten.append(SeiteBeginnen(s->projekt, Werte(j->variablen), zeigen));
    return d->Spur(aufruf, BerichtOk);
}

int EigeneBerichtsmaschine::LlPrintFields(int job)
{
    const auto aufruf = [&] { return QStringLiteral("LlPrintFields(%1)").arg(job); };
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    Sitzung* s = d->sitzung(*j);
    if (!s) return BerichtFehler;
    if (s->abgebrochen) return BerichtAbgebrochen;
    if (s->seiten.isEmpty()) {
        const int r = LlPrint(job);
        if (r != BerichtOk) return r;
    }
    Berichtsseite& seite = s->seiten.last();
    const bool melden = Daten::Hoert(*j, NotizTabellenzeile) || Daten::Hoert(*j, NotizTabellenfeld);
    const Berichtselement* tabelle = melden ? TabelleVon(seite) : nullptr;
    const qsizetype zeilenVorher = tabelle ? tabelle->zeilen.size() : 0;
    if (!ZeileAnfuegen(seite, s->projekt, Werte(j->felder))) return d->Spur(aufruf, BerichtSeiteVoll);
    if (melden) d->ZeileMelden(*j, *s, zeilenVorher);
    return d->Spur(aufruf, BerichtOk);
}

int EigeneBerichtsmaschine::LlPrintFieldsEnd(int job)
{
    Job* j = d->job(job);
    return !j || d->Gesperrt(*j) ? BerichtFehler : BerichtOk;
}

int EigeneBerichtsmaschine::LlPrintDeclareChartRow(int job, int /*art*/)
{
    Job* j = d->job(job);
    return !j || d->Gesperrt(*j) ? BerichtFehler : BerichtOk;
}

int EigeneBerichtsmaschine::LlPrintEnd(int job, int /*seiten*/)
{
    const auto aufruf = [&] { return QStringLiteral("LlPrintEnd(%1)").arg(job); };
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return d->Spur(aufruf, BerichtFehler);
    if (!d->sitzung(*j)) return d->Spur(aufruf, BerichtFehler);
    Sitzung s = std::move(*j->sitzung);
    j->sitzung.reset();
    if (s.box) berichtsoberflaeche().fortschrittSchliessen();
    // The cancel was reported when it happened.
    if (s.abgebrochen) return d->Spur(aufruf, BerichtOk);
    return d->Spur(aufruf, d->Senden(*j, s));
}

int EigeneBerichtsmaschine::LlPreviewSetTempPath(int job, const QString& pfad)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    j->vorschaupfad = pfad;
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlPreviewDisplay(int job, const QString& projekt, const QString& /*pfad*/,
                                             QWidget* eltern)
{
    Job* j = d->job(job);
    if (!j || d->Gesperrt(*j)) return BerichtFehler;
    if (j->vorschauseiten.isEmpty())
        return Daten::Fehler(*j, BerichtFehler, QStringLiteral("Es gibt keine Seiten für die Vorschau."));
    const int r = berichtsoberflaeche().vorschauZeigen(eltern, Dateiname(projekt), j->vorschauseiten);
    if (r < 0 && r != BerichtAbgebrochen)
        return Daten::Fehler(*j, r, QStringLiteral("Die Vorschau konnte nicht gezeigt werden."));
    return r;
}

int EigeneBerichtsmaschine::LlPreviewDeleteFiles(int job, const QString& /*projekt*/, const QString& /*pfad*/)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    j->vorschauseiten.clear();
    return BerichtOk;
}

int EigeneBerichtsmaschine::LlXSetParameter(int job, int /*art*/, const QString& erweiterung,
                                            const QString& schluessel, const QString& wert)
{
    Job* j = d->job(job);
    if (!j) return BerichtFehler;
    j->exportparameter[erweiterung][schluessel.toLower()] = wert;
    return BerichtOk;
}

QString EigeneBerichtsmaschine::LlGetErrortext(int job)
{
    Job* j = d->job(job);
    return j ? j->fehlertext : QStringLiteral("Der Druckauftrag %1 ist nicht geöffnet.").arg(job);
}

int EigeneBerichtsmaschine::LlSetNotificationCallback(int job, Berichtsrueckruf rueckruf)
{
    const auto aufruf = [&] { return QStringLiteral("LlSetNotificationCallback(%1)").arg(job); };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    j->rueckruf = std::move(rueckruf);
    j->hoert = {};
    return d->Spur(aufruf, BerichtOk);
}

int EigeneBerichtsmaschine::LlSetNotificationFilter(int job, Berichtshoerer hoert)
{
    const auto aufruf = [&] { return QStringLiteral("LlSetNotificationFilter(%1)").arg(job); };
    Job* j = d->job(job);
    if (!j) return d->Spur(aufruf, BerichtFehler);
    j->hoert = std::move(hoert);
    return d->Spur(aufruf, BerichtOk);
}

void EigeneBerichtsmaschine::LlSetDlgboxMode(int modus)
{
    // The dialogs are the desktop's own: the style is kept for whoever asks.
    d->dialogModus = modus;
    d->Spur([&] { return QStringLiteral("LlSetDlgboxMode(0x%1)").arg(modus, 0, 16); }, 0);
}

int EigeneBerichtsmaschine::LlGetDlgboxMode() { return d->dialogModus; }

void EigeneBerichtsmaschine::LlSetDebug(int wert)
{
    d->debug = wert;
    d->Spur([&] { return QStringLiteral("LlSetDebug(%1)").arg(wert); }, 0);
}

QString Vorschaudatei(const QString& projekt)
{
    const int schraeg = std::max(projekt.lastIndexOf(QLatin1Char('/')), projekt.lastIndexOf(QLatin1Char('\\')));
    const int punkt = projekt.lastIndexOf(QLatin1Char('.'));
    // A dot in a folder's name or at the start of the file's name is no extension.
    if (punkt > schraeg + 1) return projekt.left(punkt) + QStringLiteral(".ll");
    return projekt + QStringLiteral(".ll");
}
