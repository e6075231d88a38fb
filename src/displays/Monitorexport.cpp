#include "displays/Monitorexport.h"

#include "core/Anzeigedienste.h"
#include "core/Clock.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "displays/Clientablage.h"
#include "displays/Werbung.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielbahnen.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

u8 TerminalWerbungNeu = 0;

namespace {

// One "<key> = <value>" of a client file; the value in Windows-1252 as the
// message carries it.
using Feld = std::pair<QString, QByteArray>;
using Felder = std::vector<Feld>;

const char* const kMonitorFarben[] = {
    "ColorMTafel",       "ColorMTHeim",       "ColorMTGast",       "ColorMTHeaderHeim", "ColorMTHeaderGast",
    "ColorMTMannschaft", "ColorMTSpielerErg", "ColorMTErgebnisse", "ColorMTTotalHeim",  "ColorMTTotalGast",
    "ColorMTWurfHeim",   "ColorMTWurfGast",   "ColorMTPlusHeim",   "ColorMTPlusGast",   "ColorMTPunkteHeim",
    "ColorMTPunkteGast", "ColorMTSpieler",    "ColorMTGestartet",  "ColorMTFertig",
};
const char* const kTerminalFarben[] = {
    "ColorITafel",       "ColorITHeim",       "ColorITGast",       "ColorITHeaderHeim", "ColorITHeaderGast",
    "ColorITMannschaft", "ColorITSpielerErg", "ColorITErgebnisse", "ColorITTotalHeim",  "ColorITTotalGast",
    "ColorITWurfHeim",   "ColorITWurfGast",   "ColorITPlusHeim",   "ColorITPlusGast",   "ColorITPunkteHeim",
    "ColorITPunkteGast", "ColorITSpieler",    "ColorITGestartet",  "ColorITFertig",
};
static_assert(std::size(kMonitorFarben) == 19 && std::size(kTerminalFarben) == 19);

const QByteArray kMannschaft = QByteArrayLiteral("Mannschaft");
const QByteArray kSpieler = QByteArrayLiteral("Spieler");
const QByteArray kAnzeige = QByteArrayLiteral("Anzeige");
const QByteArray kBeenden = QByteArrayLiteral("Beenden");

QByteArray JaNein(bool b) { return b ? QByteArrayLiteral("True") : QByteArrayLiteral("False"); }
QByteArray Zahl(qint64 z) { return QByteArray::number(z); }

QString Schluessel(const char* name, int k) { return QLatin1String(name) + QString::number(k); }

QStringList Zeilen(const Felder& felder, qint64 zeitstempel)
{
    QStringList z;
    z.reserve(qsizetype(felder.size()) + 1);
    for (const Feld& f : felder) z << f.first + QStringLiteral(" = ") + Cp1252::decode(f.second);
    z << QStringLiteral("TimeStamp = ") + QString::number(zeitstempel);
    return z;
}

QByteArray Nachricht(const Felder& felder)
{
    QByteArrayList werte;
    werte.reserve(qsizetype(felder.size()));
    for (const Feld& f : felder) werte << f.second;
    return werte.join(';');
}

// The five team lines of a side.
void MannschaftFelder(Felder& f, const TWettkampfDaten& w, bool heim)
{
    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    const char* seite = heim ? "Heim" : "Gast";
    const auto key = [seite](const char* name) { return QString(QLatin1String(seite) + QLatin1String(name)); };
    f.emplace_back(key("Volle"), m.Volle.Text.bytes());
    f.emplace_back(key("Abr"), m.Abr.Text.bytes());
    f.emplace_back(key("Fehler"), m.Fehler.Text.bytes());
    f.emplace_back(key("Total"), m.Total.Text.bytes());
    f.emplace_back(key("Plus"), m.Plus.Text.bytes());
}

Felder SeitenFelder(const TWettkampfDaten& w, bool heim)
{
    Felder f;
    f.emplace_back(QStringLiteral("Mannschaft"), heim ? w.Heimmannschaft.bytes() : w.Gastmannschaft.bytes());
    f.emplace_back(QStringLiteral("Heim"), JaNein(heim));
    f.emplace_back(QStringLiteral("VorwSpieler"), Zahl(w.Spieleranzahl));
    f.emplace_back(QStringLiteral("Streichspiel"), JaNein(w.Streichspiel));
    const int erster = heim ? 1 : 9;
    for (int k = erster; k < erster + 8; ++k) {
        const TSpielerEintrag& p = w.Spieler[k];
        f.emplace_back(Schluessel("Name", k), p.Name.bytes());
        f.emplace_back(Schluessel("Volle", k), p.Volle.Text.bytes());
        f.emplace_back(Schluessel("Abr", k), p.Abr.Text.bytes());
        f.emplace_back(Schluessel("Fehler", k), p.Fehler.Text.bytes());
        f.emplace_back(Schluessel("Total", k), p.Total.Text.bytes());
        f.emplace_back(Schluessel("Gestartet", k), JaNein(p.Gestartet));
        f.emplace_back(Schluessel("Fertig", k), JaNein(p.Fertig));
    }
    MannschaftFelder(f, w, heim);
    return f;
}

// The slot of a player of w; 0 when p is none of w's players.
int SlotVon(const TWettkampfDaten& w, const TSpielerEintrag* p)
{
    if (!p) return 0;
    for (int k = 1; k <= MaxSpieler; ++k)
        if (p == &w.Spieler[k]) return k;
    return 0;
}

// The player a lane's client shows: slot n = the lane's SpielerNr, the
// player its BahnSpieler when that is one of w's; none for a lane or a slot
// out of range.
struct Bahnspieler {
    int n = 0;
    const TSpielerEintrag* p = nullptr;
};

Bahnspieler SpielerDerBahn(const TWettkampfDaten& w, int bahn)
{
    if (!BahnDaten.contains(bahn)) return {};
    const TBahnDaten& l = BahnDaten[bahn];
    const int n = l.SpielerNr;
    if (n < 1 || n > MaxSpieler) return {};
    const TSpielerEintrag* p = SlotVon(w, l.BahnSpieler) ? l.BahnSpieler : &w.Spieler[n];
    return {n, p};
}

Felder SpielerFelder(const TWettkampfDaten& w, int bahn, const Bahnspieler& s)
{
    const TBahnDaten& l = BahnDaten[bahn];
    const TSpielerEintrag& p = *s.p;
    Felder f;
    f.emplace_back(Schluessel("WurfVolle", s.n), l.WurfHolzVolle.bytes());
    f.emplace_back(Schluessel("WurfAbr", s.n), l.WurfHolzAbraeumen.bytes());
    f.emplace_back(Schluessel("Volle", s.n), p.Volle.Text.bytes());
    f.emplace_back(Schluessel("Abr", s.n), p.Abr.Text.bytes());
    f.emplace_back(Schluessel("Fehler", s.n), p.Fehler.Text.bytes());
    f.emplace_back(Schluessel("Total", s.n), p.Total.Text.bytes());
    f.emplace_back(Schluessel("Gestartet", s.n), JaNein(p.Gestartet));
    f.emplace_back(Schluessel("Fertig", s.n), JaNein(p.Fertig));
    MannschaftFelder(f, w, p.IstHeim);
    return f;
}

Felder StatusFelder(bool werbung, bool spiel, u16 phase)
{
    return {{QStringLiteral("Werbung"), JaNein(werbung)},
            {QStringLiteral("Spiel"), JaNein(spiel)},
            {QStringLiteral("State"), Zahl(phase)}};
}

QStringList InfZeilen(const char* const (&farben)[19], const TMonitorExport& e, Felder schluss, qint64 zeitstempel)
{
    Felder f;
    for (const char* name : farben) {
        const QString key = QLatin1String(name);
        f.emplace_back(key, Zahl(Farbe(key)));
    }
    f.emplace_back(QStringLiteral("ExportDateiOn"), JaNein(e.ExportDateiOn));
    f.emplace_back(QStringLiteral("ExportTcpOn"), JaNein(e.ExportTcpOn));
    for (Feld& s : schluss) f.push_back(std::move(s));
    return Zeilen(f, zeitstempel);
}

// ---- where a client's data goes ----------------------------------------------------

QString Adresse(const TMonitorExport& e) { return e.ExportAdresse.trimmed(); }
QString Ordner(const TMonitorExport& e) { return e.ClientVerzeichnis.trimmed(); }

// TCP with an address, or a file with a folder; TCP without an address
// reaches nothing.
enum class Weg { Keiner, Tcp, Datei };

Weg WegDer(const TMonitorExport& e)
{
    if (e.ExportTcpOn) return Adresse(e).isEmpty() ? Weg::Keiner : Weg::Tcp;
    if (e.ExportDateiOn && !Ordner(e).isEmpty()) return Weg::Datei;
    return Weg::Keiner;
}

// Into the folder's queue (displays/Clientablage.h): the exports return at
// once, whatever the share does.
void DateiSchreiben(const QString& ordner, const QString& name, const QStringList& zeilen)
{
    clientablage().schreiben(ordner, name, zeilen);
}

void MonitorDatSchreiben(int bahn, const QStringList& zeilen)
{
    DateiSchreiben(Ordner(Einst.MonitorExport[bahn]), QStringLiteral("Monitor.dat"), zeilen);
}

// The status and the end to one lane's client by its own record: the
// message with TCP and an address, else the file with the file exchange
// and a folder (also when TCP is chosen without an address).
void AnBahn(int bahn, const QByteArray& sender, const QByteArray& text, const QStringList& zeilen)
{
    const TMonitorExport& e = Einst.MonitorExport[bahn];
    if (e.ExportTcpOn && !Adresse(e).isEmpty())
        NachrichtSenden(bahn, sender, text);
    else if (e.ExportDateiOn && !Ordner(e).isEmpty())
        MonitorDatSchreiben(bahn, zeilen);
}

// The name of an entry's file without its path, whichever separator it uses.
QString Dateiname(const QString& datei)
{
    const qsizetype trenner = std::max(datei.lastIndexOf(QLatin1Char('/')), datei.lastIndexOf(QLatin1Char('\\')));
    return datei.mid(trenner + 1);
}

// The advert files of a configuration's entries into "<ordner>/Bilder".
void BilderKopieren(const QStringList& eintraege, const QStringList& ordner)
{
    for (const QString& zeile : eintraege) {
        const auto e = WerbezeileLesen(zeile);
        if (!e || e->second.Datei.trimmed().isEmpty()) continue;
        const QString name = Dateiname(e->second.Datei);
        if (name.isEmpty()) continue;
        const QString quelle = WerbedateiPfad(e->second.Datei);
        for (const QString& o : ordner) clientablage().kopieren(o, quelle, QStringLiteral("Bilder/") + name);
    }
}

// Adverts and the ".inf" file into each folder; nothing when the
// configuration file is missing.
void KonfigurationVerteilen(const QString& prefix, int n, bool bilder, const QStringList& ordner,
                            const QString& infName, const QStringList& infZeilen)
{
    if (ordner.isEmpty()) return;
    const QString datei = WerbekonfigurationDatei(prefix, n);
    if (!QFileInfo(datei).isFile()) return;
    const std::optional<QStringList> eintraege = TextdateiLesen(datei);
    if (!eintraege) return;
    if (bilder) BilderKopieren(*eintraege, ordner);
    for (const QString& o : ordner) clientablage().kopieren(o, datei, QStringLiteral("Daten/Werbung.dat"));
    for (const QString& o : ordner) DateiSchreiben(o, infName, infZeilen);
}

bool StatusWerbung(const TWettkampfDaten& w) { return w.MonitoreEin && w.MonitorWerbung.Werbung; }
bool StatusSpiel(const TWettkampfDaten& w) { return w.MonitoreEin && w.MonitorWerbung.Zustand; }

}  // namespace

// ---- what goes to a client -----------------------------------------------------------

bool MonitorSeiteHeim(const TWettkampfDaten& w, int bahn)
{
    if (SpielLaeuft(&w) && BahnDaten.contains(bahn)) {
        const Bahnspieler s = SpielerDerBahn(w, bahn);
        if (s.p) return s.p->IstHeim;
    }
    return ((bahn - w.ErsteSpielbahn) & 1) == 0;
}

qint64 MonitorZeitstempel() { return Jetzt().time().msecsSinceStartOfDay(); }

QStringList MonitorMannschaftZeilen(const TWettkampfDaten& w, bool heim, qint64 zeitstempel)
{
    return Zeilen(SeitenFelder(w, heim), zeitstempel);
}

QByteArray MonitorMannschaftText(const TWettkampfDaten& w, bool heim) { return Nachricht(SeitenFelder(w, heim)); }

QStringList MonitorSpielerZeilen(const TWettkampfDaten& w, int bahn, qint64 zeitstempel)
{
    const Bahnspieler s = SpielerDerBahn(w, bahn);
    return s.p ? Zeilen(SpielerFelder(w, bahn, s), zeitstempel) : QStringList();
}

QByteArray MonitorSpielerText(const TWettkampfDaten& w, int bahn)
{
    const Bahnspieler s = SpielerDerBahn(w, bahn);
    if (!s.p) return {};
    return Zahl(s.n) + ';' + Nachricht(SpielerFelder(w, bahn, s));
}

QStringList MonitorStatusZeilen(bool werbung, bool spiel, u16 phase, qint64 zeitstempel)
{
    return Zeilen(StatusFelder(werbung, spiel, phase), zeitstempel);
}

QByteArray MonitorStatusText(bool werbung, bool spiel, u16 phase)
{
    return Nachricht(StatusFelder(werbung, spiel, phase));
}

QStringList MonitorEndeZeilen(qint64 zeitstempel)
{
    return {QStringLiteral("Beenden"), QStringLiteral("TimeStamp = ") + QString::number(zeitstempel)};
}

QStringList MonitorInfZeilen(const TMonitorExport& ersteBahn, qint64 zeitstempel)
{
    return InfZeilen(kMonitorFarben, ersteBahn,
                     {{QStringLiteral("MonitorWerbezeit"), Zahl(Einst.MonitorWerbezeit)},
                      {QStringLiteral("MonitorWerbeabst"), Zahl(Einst.MonitorWerbeabst)},
                      {QStringLiteral("MonitorWerbungNeu"), JaNein(MonitorWerbungNeu)}},
                     zeitstempel);
}

QStringList TerminalInfZeilen(const TMonitorExport& terminal, qint64 zeitstempel)
{
    return InfZeilen(kTerminalFarben, terminal,
                     {{QStringLiteral("TerminalWerbezeit"), Zahl(Einst.TerminalWerbezeit)},
                      {QStringLiteral("TerminalWerbeabst"), Zahl(Einst.TerminalWerbeabst)},
                      {QStringLiteral("TerminalWerbungNeu"), JaNein(TerminalWerbungNeu)}},
                     zeitstempel);
}

// ---- the exports ---------------------------------------------------------------------

void MonitorMannschaftExportieren(TWettkampfDaten& w)
{
    const qint64 zeit = MonitorZeitstempel();
    for (int bahn : BahnenVon(w)) {
        if (MonitorWettkampf[bahn] != &w) continue;
        const bool heim = MonitorSeiteHeim(w, bahn);
        switch (WegDer(Einst.MonitorExport[bahn])) {
        case Weg::Tcp:
            NachrichtSenden(bahn, kMannschaft, MonitorMannschaftText(w, heim));
            break;
        case Weg::Datei:
            MonitorDatSchreiben(bahn, MonitorMannschaftZeilen(w, heim, zeit));
            break;
        case Weg::Keiner:
            break;
        }
    }
}

void MonitorSpielerExportieren(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    TWettkampfDaten* w = BahnDaten[bahn].Wettk;
    if (!w || MonitorWettkampf[bahn] != w) return;
    const Bahnspieler s = SpielerDerBahn(*w, bahn);
    if (!s.p) return;
    const bool heim = s.p->IstHeim;

    // The sending lane's record decides between message and file.
    const TMonitorExport& sender = Einst.MonitorExport[bahn];
    const bool tcp = sender.ExportTcpOn;
    if (!tcp && !sender.ExportDateiOn) return;
    const QByteArray text = tcp ? MonitorSpielerText(*w, bahn) : QByteArray();
    const QStringList zeilen = tcp ? QStringList() : MonitorSpielerZeilen(*w, bahn, MonitorZeitstempel());
    for (int k : BahnenVon(*w)) {
        if (MonitorSeiteHeim(*w, k) != heim) continue;
        const TMonitorExport& e = Einst.MonitorExport[k];
        if (tcp) {
            if (!Adresse(e).isEmpty()) NachrichtSenden(k, kSpieler, text);
        } else if (!Ordner(e).isEmpty()) {
            MonitorDatSchreiben(k, zeilen);
        }
    }
}

void MonitorStatusExportieren(TWettkampfDaten& w)
{
    const bool werbung = StatusWerbung(w), spiel = StatusSpiel(w);
    const QByteArray text = MonitorStatusText(werbung, spiel, w.Spielphase);
    const QStringList zeilen = MonitorStatusZeilen(werbung, spiel, w.Spielphase, MonitorZeitstempel());
    for (int bahn : BahnenVon(w)) AnBahn(bahn, kAnzeige, text, zeilen);
}

void MonitorBeenden(int bahn)
{
    if (!Einst.MonitorExport.contains(bahn)) return;
    AnBahn(bahn, kBeenden, kBeenden, MonitorEndeZeilen(MonitorZeitstempel()));
}

void MonitorKonfigurationExportieren(TWettkampfDaten* w)
{
    const Bahnbereich bahnen = w ? BahnenVon(*w) : Bahnbereich{1, std::min<int>(BahnAnzahl, MaxBahnen)};
    if (!Einst.MonitorExport.contains(bahnen.erste) || bahnen.letzte < bahnen.erste) return;
    const int n = w ? int(w->MonitorWerbung.Index) : int(Einst.MonitorIndex);

    QStringList ordner;
    for (int k : bahnen)
        if (!Ordner(Einst.MonitorExport[k]).isEmpty()) ordner << Ordner(Einst.MonitorExport[k]);
    const QStringList inf = MonitorInfZeilen(Einst.MonitorExport[bahnen.erste], MonitorZeitstempel());
    KonfigurationVerteilen(QStringLiteral("Monitoranz"), n, MonitorWerbungNeu, ordner, QStringLiteral("Monitor.inf"),
                           inf);
}

// ---- the info terminal -------------------------------------------------------------------

void TerminalStatusExportieren(TWettkampfDaten* w)
{
    if (!w) return;
    const bool werbung = w->TerminalEin && w->TerminalWerbung.Werbung;
    const bool spiel = w->TerminalEin && w->TerminalWerbung.Zustand;
    const TMonitorExport& t = Einst.TerminalExport;
    switch (WegDer(t)) {
    case Weg::Tcp:
        // One message, to the terminal's own address.
        netz().nachrichtSenden(Adresse(t), kAnzeige, MonitorStatusText(werbung, spiel, w->Spielphase));
        break;
    case Weg::Datei:
        DateiSchreiben(Ordner(t), QStringLiteral("Terminal.dat"),
                       MonitorStatusZeilen(werbung, spiel, w->Spielphase, MonitorZeitstempel()));
        break;
    case Weg::Keiner:
        break;
    }
}

void TerminalKonfigurationExportieren(TWettkampfDaten* w)
{
    const TMonitorExport& t = Einst.TerminalExport;
    if (Ordner(t).isEmpty() || (!t.ExportDateiOn && !t.ExportTcpOn)) return;
    const int n = w ? int(w->TerminalWerbung.Index) : int(Einst.TerminalIndex);
    KonfigurationVerteilen(QStringLiteral("Terminalanz"), n, TerminalWerbungNeu, {Ordner(t)},
                           QStringLiteral("Terminal.inf"), TerminalInfZeilen(t, MonitorZeitstempel()));
}
