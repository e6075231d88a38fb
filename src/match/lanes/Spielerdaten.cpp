#include "match/lanes/Spielerdaten.h"

#include "core/Anzeigedienste.h"
#include "core/Cp1252.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnfenster.h"
#include "match/bus/CanSenden.h"
#include "match/engine/Ersatzkette.h"
#include "match/engine/Punkte.h"
#include "match/flow/Spielbahnen.h"
#include "match/engine/Zaehlertext.h"

#include <algorithm>
#include <tuple>

using namespace Zaehler;

namespace {

// A record's digit text as the fields show it: no leading zeros or blanks.
QString ohneNullen(const char* text)
{
    char puffer[16] = {};
    NullenEntfernen(puffer, text);
    return QString::fromLatin1(puffer);
}

int ziffernAnzahl(const QString& text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }));
}

// A set point field ("9.9" mask): blanks dropped; nothing or the separator
// alone is 0; otherwise a decimal number with "." or ",".
std::optional<double> punkteZahl(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.isEmpty() || t == QLatin1String(".") || t == QLatin1String(",")) return 0.0;
    const std::optional<double> d = TextZuFloat(t);
    if (!d || *d < 0) return std::nullopt;
    return d;
}

bool ergebnisseOffen(const TWettkampfDaten& w, const TSpielerEintrag& p) { return p.Fertig || w.Beendet; }

// The values of the player before a change, for the side's difference.
struct Vorher {
    long volle, abr, fehler, total, wurf;
    bool wertung;
};

Vorher vorher(const TSpielerEintrag& p)
{
    return {p.Volle.Zahl, p.Abr.Zahl, p.Fehler.Zahl, p.Total.Zahl, p.Wurf.Zahl, p.Wertung == 1};
}

// The side's totals change by what the player counts now minus what he
// counted before; the lead follows as the booking keeps it.
void SeiteNachfuehren(TWettkampfDaten& w, int nr, const TSpielerEintrag& p, const Vorher& a)
{
    TMannschaftBlock& x = nr <= 8 ? w.Heim : w.Gast;
    const bool jetzt = p.Wertung == 1;
    auto diff = [&](long neu, long alt) { return (jetzt ? neu : 0) - (a.wertung ? alt : 0); };
    Addieren(x.Volle, diff(p.Volle.Zahl, a.volle), Form::Links4);
    Addieren(x.Abr, diff(p.Abr.Zahl, a.abr), Form::Links4);
    Addieren(x.Fehler, diff(p.Fehler.Zahl, a.fehler), Form::Links4);
    Addieren(x.Total, diff(p.Total.Zahl, a.total), Form::Nullen4);
    Addieren(x.Wuerfe, diff(p.Wurf.Zahl, a.wurf), Form::Nullen4);
    const long d = long(w.Heim.Total.Zahl) - long(w.Gast.Total.Zahl);
    Setzen(w.Heim.Plus, d >= 1 ? d : 0, Form::Nullen4);
    Setzen(w.Gast.Plus, d >= 1 ? 0 : -d, Form::Nullen4);
}

// The OK step on the record: personal data, results, side totals.
void OkSchreiben(TWettkampfDaten& w, int nr, const SpielerdatenFelder& f, const Vorher& a)
{
    TSpielerEintrag& p = w.Spieler[nr];
    p.Name.setzenText(f.Name);
    p.Pass.setzenText(f.Pass.trimmed());
    DatumBereinigen(p.Gebdat, Cp1252::encode(f.Gebdat).constData());
    p.LetztSpiel.setzenText(f.LetztSpiel.trimmed());
    p.LetztPlatz.setzenText(f.LetztPlatz.trimmed());
    p.Wertung = f.Wertung ? 1 : 0;
    if (ergebnisseOffen(w, p)) {
        // The number forms of the booking.
        Setzen(p.Volle, FeldZahl(f.Volle), Form::Rechts3);
        Setzen(p.Abr, FeldZahl(f.Abr), Form::Rechts3);
        Setzen(p.Fehler, FeldZahl(f.Fehler), Form::Rechts3);
        Setzen(p.Total, FeldZahl(f.Total), Form::Nullen4);
        Setzen(p.Wurf, FeldZahl(f.Wurf), Form::Links3);
        p.Bonus.Text.setzenText(f.Bonus.trimmed());
        p.Bonus.Zahl = TextZuZahl(p.Bonus.Text.c_str());
        p.Platz = u8(std::min(FeldZahl(f.Platz), 255));
    }
    SeiteNachfuehren(w, nr, p, a);
    w.Geaendert = 1;
}

// What follows a change of a player: his line in the match window, the
// points, the report, the result windows and the team boards.
void Nachfolgen(TWettkampfDaten& w, int nr)
{
    fenster().spielerAktualisieren(MdiFenster::Wettkampf, nr);
    if (Einst.Punkteanzeige && w.Punktespiel) SatzpunkteBerechnen(w);  // and PunkteBerechnen
    if (bahnfenster().spielberichtAktiv()) fenster().aktualisieren(MdiFenster::Spielbericht);
    if (fenster().offen(MdiFenster::Ergebnis)) fenster().aktualisieren(MdiFenster::Ergebnis);
    if (AnzeigeWettkampf == &w) AnzeigefensterSpielerAktualisieren(nr);
    MannschaftsanzeigeBahnAktualisieren(w.ErsteSpielbahn);
    MannschaftsanzeigeBahnAktualisieren(w.ErsteSpielbahn + 1);
}

}  // namespace

// --- What the dialog shows ---------------------------------------------------

Bahnblockansichten BahnblockZustaende(TWettkampfDaten& w, TSpielerEintrag& p)
{
    Bahnblockansichten z;
    const bool fin = w.Beendet;
    const Ersatzkette kette = Nachfolger(w, &p);
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        BahnblockAnsicht& a = z[d];
        // The player's own block, then the substitutes who played the round.
        for (int i = 0; i < kette.anzahl; ++i) {
            const TSpielerEintrag& s = *kette.s[std::size_t(i)];
            if (s.Durchgang[d].Bahn == 0) continue;
            const bool dahinter = fin || d < s.DurchgangNr;
            a.gezeigt = true;
            a.punkteGezeigt = w.Punktespiel && (i > 0 || p.Ersatz == 0);
            a.felderAktiv = dahinter || (i == 0 && p.Fertig);
            a.punkteAktiv = dahinter;
            a.bahn = s.Durchgang[d].Bahn;
        }
        const TDurchgangBlock& b = p.Durchgang[d];
        a.Wurf = ohneNullen(b.Wurf.Text.c_str());
        a.Volle = ohneNullen(b.Volle.Text.c_str());
        a.Abr = ohneNullen(b.Abr.Text.c_str());
        a.Fehler = ohneNullen(b.Fehler.Text.c_str());
        a.Total = ohneNullen(b.Total.Text.c_str());
        a.Punkte = ZahlText1Stelle(b.SaP);
    }
    return z;
}

void ErgebnisseLesen(const TWettkampfDaten& w, const TSpielerEintrag& p, SpielerdatenAnsicht& a)
{
    a.Volle = ohneNullen(p.Volle.Text.c_str());
    a.Abr = ohneNullen(p.Abr.Text.c_str());
    a.Fehler = ohneNullen(p.Fehler.Text.c_str());
    a.Wurf = ohneNullen(p.Wurf.Text.c_str());
    a.Bonus = ohneNullen(p.Bonus.Text.c_str());
    a.Total = ohneNullen(p.Total.Text.c_str());
    a.Platz = QString::number(p.Platz);
    a.ergebnisseAktiv = ergebnisseOffen(w, p);
}

SpielerdatenAnsicht SpielerdatenLesen(TWettkampfDaten& w, TSpielerEintrag& p)
{
    SpielerdatenAnsicht a;
    a.titel = QStringLiteral("Spieler ") + p.Name.text();
    a.Name = p.Name.text();
    a.Pass = p.Pass.text();
    a.Gebdat = p.Gebdat.text();
    a.LetztSpiel = p.LetztSpiel.text();
    a.LetztPlatz = p.LetztPlatz.text();
    a.Wertung = p.Wertung != 0;
    a.spielerkarte = KartenleserAktiv != 0;
    ErgebnisseLesen(w, p, a);
    a.nurPc = w.Beendet;
    a.bahnen = BahnblockZustaende(w, p);
    return a;
}

// --- Field arithmetic ----------------------------------------------------------

int FeldZahl(const QString& text) { return TextZuZahl(text); }

QString FeldSumme(const QString& a, const QString& b) { return QString::number(FeldZahl(a) + FeldZahl(b)); }

void ErgebnisseSummieren(SpielerdatenFelder& f)
{
    int volle = 0, abr = 0, fehler = 0, total = 0;
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        volle += FeldZahl(f.bahnen[d].Volle);
        abr += FeldZahl(f.bahnen[d].Abr);
        fehler += FeldZahl(f.bahnen[d].Fehler);
        total += FeldZahl(f.bahnen[d].Total);
    }
    f.Volle = QString::number(volle);
    f.Abr = QString::number(abr);
    f.Fehler = QString::number(fehler);
    f.Total = QString::number(total);
}

std::optional<QString> SpielerdatenPruefen(const SpielerdatenFelder& f, const Bahnblockansichten& zustand,
                                           bool ergebnisse, bool bahnen)
{
    auto zuLang = [](const QString& text, int stellen, const QString& name) -> std::optional<QString> {
        if (ziffernAnzahl(text) <= stellen) return std::nullopt;
        return QStringLiteral("%1: höchstens %2 Stellen.").arg(name).arg(stellen);
    };
    if (ergebnisse) {
        const std::tuple<const QString&, int, const char*> felder[] = {
            {f.Volle, 3, "Volle"},  {f.Abr, 3, "Abräumen"}, {f.Fehler, 3, "Fehler"},     {f.Wurf, 3, "Wurf"},
            {f.Bonus, 2, "Bonus"}, {f.Total, 4, "Total"},    {f.Platz, 1, "Platzierung"}};
        for (const auto& [text, stellen, name] : felder)
            if (auto m = zuLang(text, stellen, QString::fromUtf8(name))) return m;
    }
    if (!bahnen) return std::nullopt;
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        const BahnblockAnsicht& z = zustand[d];
        const BahnblockFelder& b = f.bahnen[d];
        const QString bahn = QStringLiteral("Bahn %1, ").arg(z.bahn);
        if (z.felderAktiv) {
            const std::pair<const QString&, const char*> felder[] = {
                {b.Wurf, "Wurf"}, {b.Volle, "Volle"}, {b.Abr, "Abräumen"}, {b.Fehler, "Fehler"}, {b.Total, "Total"}};
            for (const auto& [text, name] : felder)
                if (auto m = zuLang(text, 3, bahn + QString::fromUtf8(name))) return m;
        }
        if (z.punkteAktiv && !punkteZahl(b.Punkte))
            return QStringLiteral("Bahn %1: \"%2\" sind keine gültigen Punkte.").arg(z.bahn).arg(b.Punkte.trimmed());
    }
    return std::nullopt;
}

// --- Write-back ------------------------------------------------------------------

std::optional<QString> SpielerdatenUebernehmen(TWettkampfDaten& w, int nr, const SpielerdatenFelder& f)
{
    if (!w.Spieler.contains(nr)) return std::nullopt;
    TSpielerEintrag& p = w.Spieler[nr];
    if (auto m = SpielerdatenPruefen(f, {}, ergebnisseOffen(w, p), false)) return m;
    OkSchreiben(w, nr, f, vorher(p));
    Nachfolgen(w, nr);
    return std::nullopt;
}

Uebernahme BahnergebnisseUebernehmen(TWettkampfDaten& w, int nr, const SpielerdatenFelder& f,
                                     const Bahnblockansichten& zustand, bool anBahn)
{
    Uebernahme u;
    if (!w.Spieler.contains(nr)) return u;
    TSpielerEintrag& p = w.Spieler[nr];
    if ((u.fehler = SpielerdatenPruefen(f, zustand, ergebnisseOffen(w, p), true))) return u;

    const Vorher a = vorher(p);
    long dVolle = 0, dAbr = 0, dFehler = 0, dTotal = 0;
    for (long d = 1; d <= MaxDurchgaenge; ++d) {
        const BahnblockFelder& e = f.bahnen[d];
        TDurchgangBlock& b = p.Durchgang[d];
        if (zustand[d].felderAktiv) {
            dVolle += FeldZahl(e.Volle) - long(b.Volle.Zahl);
            dAbr += FeldZahl(e.Abr) - long(b.Abr.Zahl);
            dFehler += FeldZahl(e.Fehler) - long(b.Fehler.Zahl);
            dTotal += FeldZahl(e.Total) - long(b.Total.Zahl);
            Setzen(b.Wurf, FeldZahl(e.Wurf), Form::Links3);
            Setzen(b.Volle, FeldZahl(e.Volle), Form::Links3);
            Setzen(b.Abr, FeldZahl(e.Abr), Form::Links3);
            Setzen(b.Fehler, FeldZahl(e.Fehler), Form::Links3);
            Setzen(b.Total, FeldZahl(e.Total), Form::Links3);
        }
        if (zustand[d].punkteAktiv) b.SaP = f32(*punkteZahl(e.Punkte));
    }
    // Until he has finished the results page is closed: his totals follow
    // the blocks here, so that they stay the sums of his rounds.
    if (!ergebnisseOffen(w, p)) {
        Addieren(p.Volle, dVolle, Form::Rechts3);
        Addieren(p.Abr, dAbr, Form::Rechts3);
        Addieren(p.Fehler, dFehler, Form::Rechts3);
        Addieren(p.Total, dTotal, Form::Nullen4);
    }
    OkSchreiben(w, nr, f, a);

    if (anBahn && !w.Beendet && p.Gestartet && !p.Fertig) {
        const long dLauf = long(p.Total.Zahl) - a.total;
        for (int bahn : BahnenVon(w)) {
            TBahnDaten& l = BahnDaten[bahn];
            if (l.BahnSpieler != &p || !l.BahnOnline) continue;
            Setzen(l.TextTotal, l.BahnTotal, long(l.BahnTotal) + dLauf, Form::Nullen4);
            const CanDaten r = CanRahmen::BahnanzeigeWert(CanRahmen::AnzSumme, l.BahnTotal);
            CanNachrichtSenden(bahn, r);
            u.rahmen.append({bahn, r});
        }
    }
    Nachfolgen(w, nr);
    return u;
}

void PunkteNeuBerechnen(TWettkampfDaten& w)
{
    if (!w.Punktespiel) return;
    SatzpunkteBerechnen(w);
    PunkteBerechnen(w);
}
