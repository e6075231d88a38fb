#include "match/engine/Korrekturbefehle.h"

#include "match/lanes/Bahnfenster.h"
#include "core/Globals.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/engine/Buchung.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Nachbuchung.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Wertung.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

using namespace Buchen;
using namespace CanRahmen;

namespace {

constexpr u16 KorrekturBild = WurfbildVorhanden | WurfbildZahlEingabe;
constexpr u16 KorrekturArt = WurfartKorrektur;
constexpr u16 KorrekturArtFehler = WurfartKorrektur | WurfartNullGewertet;
// 999.9 minutes; 0xFFFF is the lane's time request.
constexpr int MaxWurfzeit = 9999;

TBahnDaten* Bahn(int bahn) { return BahnDaten.contains(bahn) ? &BahnDaten[bahn] : nullptr; }

QString Zeichen(const Text<MaxPhasenWuerfe + 1>& t) { return QString::fromLatin1(t.c_str()); }

bool Heim(const TBahnDaten& b) { return b.BahnSpieler && b.BahnSpieler->IstHeim; }

CanDaten Start(const TWettkampfDaten& w, const TBahnDaten& b)
{
    return DurchgangStart(u8(w.Volle), u8(w.Abraeumen), u8(w.Wurfzeit), Heim(b));
}

// No lane of the match in play still practises.
bool KeineProbe(const TWettkampfDaten& w)
{
    for (int k : BahnenVon(w))
        if (w.BahnImSpiel[k] && BahnDaten[k].Wettk == &w && BahnDaten[k].ProbeLaeuft) return false;
    return true;
}

// Players 7 and 8 of the lane player's side: numbers 7/8 or 15/16.
int Ersatznummer(const TBahnDaten& b, int knopf) { return (knopf == 2 ? 8 : 7) + (Heim(b) ? 0 : 8); }

// Working values of a correction: what the lane is told.
struct Stand {
    long c = 0, g = 0, s = 0, f = 0;
};

struct Korrekturlauf {
    int bahn;
    Buchung z;
    bool pc;
    bool lane;
    Stand st;
    KorrekturRahmenliste rahmen;
    QList<long> nichtGebucht;  // throws of the part the lane changed meanwhile

    // One phase: the typed text against the one shown and the lane's now.
    void phase(const QByteArray& text, const QByteArray& gezeigt, bool abr)
    {
        TBahnDaten& b = *z.b;
        TWettkampfDaten& w = *z.w;
        const std::string_view jetzt = Zeichenliste(b, abr).view();
        const long laenge = std::min<long>(text.size(), MaxPhasenWuerfe);
        const long ende = w.SVictoryLaeuft ? std::min<long>(w.SVictoryWuerfe, MaxPhasenWuerfe)
                          : abr            ? long(w.Volle) + std::min<long>(w.Abraeumen, MaxPhasenWuerfe)
                                           : std::min<long>(w.Volle, MaxPhasenWuerfe);
        for (long i = 1; i <= laenge; ++i) {
            const char n = text[qsizetype(i - 1)];
            const char s = i <= gezeigt.size() ? gezeigt[qsizetype(i - 1)] : 0;
            const char o = i <= long(jetzt.size()) ? jetzt[std::size_t(i - 1)] : 0;
            const int neu = Ziffer(n);
            // Only what the operator changed.
            if (n == s || neu < 0) continue;
            const long t = abr ? long(w.Volle) + i : i;
            // Added where the lane has reported a throw since, or corrected
            // where it has removed one: the lane's throw stays.
            if ((s == 0) != (o == 0)) {
                if (n != o) nichtGebucht.append(t);
                continue;
            }
            if (n == o) continue;
            const Stelle stelle{abr, int(i)};
            const bool dazu = o == 0;
            // Only the next throw of the part, within the phase.
            if (dazu && (t != st.c + 1 || t > ende)) continue;
            if (!z.bild(t)) continue;
            const Wurfwert alt = dazu ? Wurfwert{} : Gebucht(o, *z.art(t));
            const Wurfwert wert{neu, neu == 0};
            const int d = wert.holz - alt.holz;
            if (dazu) {
                ++st.c;
                if (lane) rahmen.append({bahn, BahnanzeigeKorrektur(u8(t), 0, u8(d))});
            } else if (lane && o != NachgetragenZeichen) {
                // A filled-in throw has no pins on the lane to correct.
                rahmen.append({bahn, BahnanzeigeKorrektur(u8(t), u8(alt.holz), u8(neu))});
            }
            st.g += d;
            st.s += d;
            st.f += int(wert.fehler) - int(alt.fehler);
            if (!pc) continue;
            if (dazu) {
                WurfNrSetzen(b, long(b.WurfNr) + 1);
                ZeichenSpeichern(b, stelle, n);
            } else {
                Zeichenliste(b, abr).zeichen(i) = n;
            }
            *z.bild(t) = u16(neu | KorrekturBild);
            *z.art(t) = neu ? KorrekturArt : KorrekturArtFehler;
            WurfUmbuchen(bahn, z, stelle, alt, wert, dazu ? 1 : 0);
            BahnAnzeigenAktualisieren(bahn);
            // Reprints follow the match's own sheet layout.
            if (WurfblattDruckt(w, bahn)) {
                if (w.DrEinzelbahn) drucker().bahndruckVorWertung(bahn);
                if (w.DrZweiBahnen) drucker().bahndruckWurfzeile(bahn, int(t), n);
                if (w.DrZentral) drucker().bahndruckSummenzeile(bahn, int(t), n, 'K');
            }
            UebersichtSetzen(b, stelle, neu == 0 ? 'x' : n);
        }
    }
};

}  // namespace

void KorrekturRahmenSenden(const KorrekturRahmenliste& rahmen)
{
    for (const KorrekturRahmen& r : rahmen) CanNachrichtSenden(r.bahn, r.daten);
}

KorrekturTeil KorrekturTeilVon(int bahn)
{
    KorrekturTeil t;
    const TBahnDaten* b = Bahn(bahn);
    if (!b || !b->Wettk) return t;
    TWettkampfDaten& w = *b->Wettk;
    t.wettk = &w;
    t.svRunde = w.SVictoryLaeuft ? w.SVictoryRunde : 0;
    if (TSpielerEintrag* p = b->BahnSpieler) {
        t.spieler = p;
        t.traeger = Ergebnistraeger(w, p);
        t.durchgang = p->DurchgangNr;
    }
    return t;
}

bool TeilPruefen(int bahn, const KorrekturTeil& teil)
{
    if (KorrekturTeilVon(bahn) == teil) return true;
    boxen().hinweis(QStringLiteral("Bahn %1 hat den Durchgang gewechselt !").arg(bahn));
    return false;
}

KorrekturAnzeige KorrekturZustand(int bahn)
{
    KorrekturAnzeige a;
    const TBahnDaten* b = Bahn(bahn);
    if (!b) return a;
    a.teil = KorrekturTeilVon(bahn);
    a.stopBildSichtbar = !b->BahnGestoppt;
    a.stopText = b->BahnGestoppt ? QStringLiteral("Bahn Start") : QStringLiteral("Bahn Stop");
    a.korrekturSichtbar = !b->ProbeLaeuft;
    a.letzterWurfAktiv = b->WurfNr != 0;
    const TWettkampfDaten* w = b->Wettk;
    if (!w) return a;
    if (w->Gestartet) {
        a.spielStartSichtbar = true;
        a.spielStartText = w->Gestoppt ? QStringLiteral("Spiel Start") : QStringLiteral("Spiel Stop");
        a.zeitSichtbar = !w->Gestoppt;
    }

    const int nr = b->WurfNr;
    const int volle = std::min<int>(w->Volle, MaxPhasenWuerfe);
    const int abr = std::min<int>(w->Abraeumen, MaxPhasenWuerfe);
    a.volleText = Zeichen(b->WurfHolzVolle);
    a.abrText = Zeichen(b->WurfHolzAbraeumen);
    if (w->SVictoryLaeuft) {
        const int sv = std::min<int>(w->SVictoryWuerfe, MaxPhasenWuerfe);
        a.volleSichtbar = true;
        a.volleMax = nr < sv ? nr + 1 : sv;
        a.abrText.clear();
    } else {
        a.volleSichtbar = volle != 0;
        a.abrSichtbar = abr != 0 && nr >= w->Volle;
        a.volleMax = nr < w->Volle ? std::min(nr + 1, volle) : volle;
        a.abrMax = nr < w->Volle + w->Abraeumen ? std::min(nr - int(w->Volle) + 1, abr) : abr;
        if (!a.abrSichtbar) a.abrText.clear(), a.abrMax = 0;
    }
    a.volleText.truncate(a.volleMax);
    a.abrText.truncate(a.abrMax);

    const TSpielerEintrag* p = b->BahnSpieler;
    if (!p) return a;
    a.gueltig = true;
    a.name = p->Name.text();
    a.pass = p->Pass.text();
    a.gebdat = p->Gebdat.text();

    a.ersatzSichtbar = !w->Streichspiel;
    if (a.ersatzSichtbar) {
        const TMannschaftBlock& seite = p->IstHeim ? w->Heim : w->Gast;
        a.ersatz1Text = w->Spieler[Ersatznummer(*b, 1)].Name.text();
        a.ersatz2Text = w->Spieler[Ersatznummer(*b, 2)].Name.text();
        a.ersatz1Aktiv = !seite.Ersatz7Eingesetzt;
        a.ersatz2Aktiv = !seite.Ersatz8Eingesetzt;
        if (w->Spieleranzahl == 4 && (seite.Ersatz7Eingesetzt || seite.Ersatz8Eingesetzt))
            a.ersatz1Aktiv = a.ersatz2Aktiv = false;
    }
    return a;
}

KorrekturRahmenliste ProbeBeenden(int bahn)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b) return r;
    TWettkampfDaten* w = b->Wettk;
    if (!b->BahnGestartet) {
        b->TeilLaeuft = 1;
    } else if (b->ProbeLaeuft && w) {
        b->ProbeLaeuft = 0;
        const bool keineProbe = KeineProbe(*w);
        if (keineProbe) w->Spielphase = PhaseSpiel;
        if (Einst.Bahnsteuerung == 1) {
            if (b->BahnOnline) r.append({bahn, Steuerbefehl(BefehlProbeEnde)});
            if (keineProbe)
                for (int k : BahnenVon(*w)) {
                    const TBahnDaten& l = BahnDaten[k];
                    if (!l.BahnOnline || l.Wettk != w || !l.BahnSpieler) continue;
                    r.append({k, Start(*w, l)});
                    r.append({k, KorrekturStart()});
                }
        } else if (b->BahnOnline) {
            r.append({bahn, Start(*w, *b)});
            r.append({bahn, Steuerbefehl(BefehlLauf)});
        }
        MannschaftsanzeigenLeeren(*w);
        MannschaftsanzeigenKennzeichnen(*w);
        MannschaftsanzeigeBahnAktualisieren(w->ErsteSpielbahn);
        MannschaftsanzeigeBahnAktualisieren(w->ErsteSpielbahn + 1);
        NamenanzeigeBahnAktualisieren(bahn);
        MonitorStatusSenden(*w);
        MonitorSpielerSenden(bahn);
    }
    b->BahnGestoppt = 0;
    return r;
}

KorrekturRahmenliste BahnStopStart(int bahn, bool stoppen)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b) return r;
    if (!stoppen) {
        if (b->BahnOnline) r.append({bahn, Steuerbefehl(BefehlLauf)});
        b->BahnGestoppt = 0;
        // The name board leaves "STOP"/"BAHN" for the name again.
        if (Einst.NamenanzOn) NamenanzeigeBahnAktualisieren(bahn);
    } else {
        if (b->BahnOnline) r.append({bahn, Steuerbefehl(BefehlHalt)});
        b->BahnGestoppt = 1;
        if (Einst.NamenanzOn) NamenanzeigeBahnAktualisieren(bahn);
    }
    return r;
}

KorrekturRahmenliste DurchgangAbbrechen(int bahn)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b || boxen().hinweisJa(QStringLiteral("Durchgang abbrechen ?")) != ErgebnisJa) return r;
    b->ProbeLaeuft = 0;
    if (b->BahnOnline)
        r.append({bahn, Steuerbefehl(BefehlSportAus)});
    else
        b->TeilLaeuft = 0;
    return r;
}

void SpielStartStop(int bahn)
{
    TBahnDaten* b = Bahn(bahn);
    if (!b || !b->Wettk || !b->Wettk->Gestartet) return;
    TWettkampfDaten& w = *b->Wettk;
    if (!w.Gestoppt) {
        if (boxen().hinweisJa(QStringLiteral("Spiel stoppen ?")) == ErgebnisJa) SpielStoppen(w);
    } else if (boxen().hinweisJa(QStringLiteral("Spiel starten ?")) == ErgebnisJa) {
        SpielStarten(w);
    }
}

KorrekturRahmenliste ZeitStartStop(int bahn, bool start)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b || !b->Wettk) return r;
    for (int k : BahnenVon(*b->Wettk))
        if (b->Wettk->BahnImSpiel[k] && BahnDaten[k].BahnOnline) r.append({k, Steuerbefehl(start ? BefehlZeitStart : BefehlZeitStopp)});
    return r;
}

void SpielerfeldAendern(int bahn, const KorrekturTeil& teil, Spielerfeld feld, const QString& text)
{
    const TBahnDaten* b = Bahn(bahn);
    if (!b || !teil.spieler || b->Wettk != teil.wettk) return;
    TSpielerEintrag& p = *teil.spieler;
    switch (feld) {
    case Spielerfeld::Name: p.Name.setzenText(text); break;
    case Spielerfeld::Pass: p.Pass.setzenText(text); break;
    case Spielerfeld::Gebdat: p.Gebdat.setzenText(text); break;
    }
}

void SpielernameVerlassen(int bahn, const KorrekturTeil& teil)
{
    if (!Bahn(bahn) || !(KorrekturTeilVon(bahn) == teil)) return;
    NamenanzeigeBahnAktualisieren(bahn);
    MonitorSpielerSenden(bahn);
}

bool ErsatzEinsetzen(int bahn, int knopf)
{
    TBahnDaten* b = Bahn(bahn);
    if (!b || !b->Wettk || !b->BahnSpieler || (knopf != 1 && knopf != 2)) return false;
    const TWettkampfDaten& w = *b->Wettk;
    const TMannschaftBlock& seite = Heim(*b) ? w.Heim : w.Gast;
    const QString frage = seite.Ersatz7Eingesetzt || seite.Ersatz8Eingesetzt
                              ? QStringLiteral("zweiten Ersatzspieler einsetzen ?")
                              : QStringLiteral("Ersatzspieler einsetzen ?");
    // Only a clear yes: a substitution cannot be taken back.
    if (boxen().hinweisJa(frage) != ErgebnisJa) return false;
    const int nr = Ersatznummer(*b, knopf);
    SpielerWechseln(bahn, nr);
    return b->SpielerNr == nr;
}

KorrekturRahmenliste VerwarnungGeben(int bahn)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b) return r;
    SpielerVerwarnen(bahn);
    if (b->BahnOnline) r.append({bahn, Steuerbefehl(BefehlVerwarnung)});
    return r;
}

KorrekturRahmenliste VerwarnungLoeschen(int bahn)
{
    KorrekturRahmenliste r;
    TBahnDaten* b = Bahn(bahn);
    if (!b) return r;
    b->BahnVerwarnungen = 0;
    if (b->BahnSpieler) {
        b->BahnSpieler->VerwarnungAnzahl = 0;
        b->BahnSpieler->VerwarnungText = " ";
    }
    if (b->BahnOnline) r.append({bahn, Steuerbefehl(BefehlVerwarnungLoeschen)});
    return r;
}

void WurfZaehltNicht(int bahn)
{
    TBahnDaten* b = Bahn(bahn);
    if (!b) return;
    if (b->BahnOnline) CanNachrichtSenden(bahn, Steuerbefehl(BefehlUngueltig));
    if (Einst.Bahnsteuerung == 1 || Einst.Bahnsteuerung == 2) WurfUngueltigWerten(bahn);
}

void Fehlwurf(int bahn)
{
    TBahnDaten* b = Bahn(bahn);
    if (!b) return;
    if (b->BahnOnline) CanNachrichtSenden(bahn, Steuerbefehl(BefehlNullwurf));
    if (Einst.Bahnsteuerung == 1 || Einst.Bahnsteuerung == 2) WurfNullWerten(bahn);
}

KorrekturRahmenliste WurfzeitAnfragen(int bahn)
{
    if (!Bahn(bahn)) return {};
    return {{bahn, Bahnzeit(0xFFFF)}};
}

EingabeAnfrage WurfzeitEingabe(int bahn)
{
    EingabeAnfrage a;
    a.beschriftung = QStringLiteral("Wurfzeit:");
    a.hinweis = QStringLiteral("Zeit in Minuten mit einer Dezimalstelle");
    a.schritt = 0.1f;
    a.format = QStringLiteral("#0.0");
    a.modus = Einst.SpielzeitIntervall == 10 ? 2 : 1;
    a.pfeileSichtbar = true;
    const TBahnDaten* b = Bahn(bahn);
    a.text = QString::number(b ? b->BahnWurfzeit / 10.0 : 0.0, 'f', 1);
    return a;
}

KorrekturRahmenliste WurfzeitSetzen(int bahn, const QString& text)
{
    TBahnDaten* b = Bahn(bahn);
    const QString t = text.trimmed();
    if (!b || t.isEmpty()) return {};
    bool ok = false;
    const double minuten = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(minuten)) {
        boxen().hinweis(QStringLiteral("Die Wurfzeit muss eine Zahl in Minuten sein."));
        return {};
    }
    // Tenths, cut; the small margin keeps 0.3 at 3 tenths.
    const double zehntel = std::floor(minuten * 10.0 + 1e-6);
    const int z = int(std::clamp(zehntel, 0.0, double(MaxWurfzeit)));
    if (z == b->BahnWurfzeit) return {};
    b->BahnWurfzeit = z;
    b->ZeitGeaendert = 1;
    return {{bahn, Bahnzeit(u16(z))}};
}

KorrekturRahmenliste Ausbessern(int bahn, const QByteArray& volle, const QByteArray& abr, Ausbesserung art)
{
    return Ausbessern(bahn, KorrekturZustand(bahn), volle, abr, art);
}

KorrekturRahmenliste Ausbessern(int bahn, const KorrekturAnzeige& gezeigt, const QByteArray& volle,
                                const QByteArray& abr, Ausbesserung art)
{
    if (!Bahn(bahn) || !TeilPruefen(bahn, gezeigt.teil)) return {};
    Korrekturlauf k{bahn, {}, art != Ausbesserung::Bahn, art != Ausbesserung::PC, {}, {}, {}};
    if (!BuchungVon(bahn, k.z)) return {};
    TBahnDaten& b = *k.z.b;
    TWettkampfDaten& w = *k.z.w;
    k.lane = k.lane && b.BahnOnline;
    k.st = {b.WurfNr, b.BahnGesamt, b.BahnTotal, AngezeigteFehler(k.z)};

    k.phase(volle, gezeigt.volleText.toLatin1(), false);
    if (gezeigt.abrSichtbar && !w.SVictoryLaeuft) k.phase(abr, gezeigt.abrText.toLatin1(), true);

    if (k.pc) {
        const long n = b.WurfNr;
        if (w.SVictoryLaeuft)
            RestSetzen(b, long(w.SVictoryWuerfe) - n);
        else
            RestSetzen(b, n < w.Volle ? long(w.Volle) - n : long(w.Volle) + w.Abraeumen - n);
        bahnfenster().bahnuebersichtAktualisieren(bahn);
    }
    if (k.lane)
        for (const CanDaten& f : Korrekturziffern(w, int(k.st.c), int(k.st.g), int(k.st.s), int(k.st.f)))
            k.rahmen.append({bahn, f});
    MonitorSpielerSenden(bahn);
    if (!k.nichtGebucht.isEmpty()) {
        QStringList nr;
        for (long t : k.nichtGebucht) nr << QString::number(t);
        boxen().hinweis(nr.size() == 1
                            ? QStringLiteral("Bahn %1: Wurf %2 hat sich inzwischen an der Bahn geändert und wurde "
                                             "nicht korrigiert !")
                                  .arg(bahn)
                                  .arg(nr.first())
                            : QStringLiteral("Bahn %1: Die Würfe %2 haben sich inzwischen an der Bahn geändert und "
                                             "wurden nicht korrigiert !")
                                  .arg(bahn)
                                  .arg(nr.join(QStringLiteral(", "))));
    }
    return k.rahmen;
}
