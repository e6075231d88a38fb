#include "displays/Namenanzeige.h"

#include "core/Anzeigedienste.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "displays/Werbung.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielbahnen.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <memory>

namespace {

// The line buffer of a board: 30 characters and the NUL.
using Zeilenfeld = Text<CanRahmen::AnzeigeZeilenPuffer + 1>;

constexpr int WerbewortBreite = 11;

int Feldbreite(int breite) { return std::clamp(breite, 0, CanRahmen::AnzeigeZeilenPuffer); }

// The two-word rule on a transliterated name: the first word and the rest
// joined by one blank, or the first word alone when that is wider than the
// board.
QByteArray ZweiWorteOderErstes(Zeilenfeld& f, int breite)
{
    if (ZweiWorteFeld(f, breite) > breite) ErstesWortFeld(f, breite);
    return f.bytes();
}

bool BahnGueltig(int bahn) { return bahn >= 1 && bahn <= std::min<int>(BahnAnzahl, MaxBahnen); }

int Bahnen() { return std::min<int>(BahnAnzahl, MaxBahnen); }

// Adds without running past the largest value.
i32 Addiert(i32 wert, i32 schritt)
{
    return wert <= std::numeric_limits<i32>::max() - schritt ? wert + schritt : std::numeric_limits<i32>::max();
}

// A counter of the alternation: the step added, 0 once it reaches the interval.
i32 Weitergezaehlt(i32 zaehler, i32 schritt, i32 intervall)
{
    const qint64 z = qint64(zaehler) + schritt;
    return z >= intervall ? 0 : i32(z);
}

u8 Umgeschaltet(u8 zustand) { return zustand == 1 ? 2 : 1; }

qsizetype Zeilen(const TWerbeZustand& b) { return b.Liste ? b.Liste->size() : 0; }

void NaechsterEintrag(TWerbeZustand& b)
{
    if (++b.Position >= Zeilen(b)) b.Position = 0;
}

// The player on the lane with his match, when the match drives name boards.
const TSpielerEintrag* SpielerMitNamenanzeige(int bahn)
{
    if (!BahnGueltig(bahn)) return nullptr;
    const TBahnDaten& d = BahnDaten[bahn];
    if (!d.Wettk || !d.Wettk->NamenanzeigeEin) return nullptr;
    return d.BahnSpieler;
}

}  // namespace

// ---- texts ----------------------------------------------------------------------------

QByteArray NamenanzText(const char* name, int breite)
{
    breite = Feldbreite(breite);
    Zeilenfeld f;
    UmlauteErsetzenFeld(f, name, breite);
    return ZweiWorteOderErstes(f, breite);
}

std::pair<QByteArray, QByteArray> NamenWechselTexte(const char* name, int breite)
{
    breite = Feldbreite(breite);
    Zeilenfeld kopie(name);
    const char* rest = WortAbtrennen(kopie.daten());
    Zeilenfeld erstes, zweites;
    UmlauteErsetzenFeld(erstes, kopie.c_str(), breite);
    UmlauteErsetzenFeld(zweites, rest, breite);
    return {erstes.bytes(), zweites.bytes()};
}

QByteArray NameSatzpunkteText(const char* name, int breite)
{
    breite = Feldbreite(breite);
    Zeilenfeld f;
    UmlauteErsetzen(f, name);
    return ZweiWorteOderErstes(f, breite);
}

QByteArray SatzpunkteText(float satzpunkte) { return Cp1252::encode(ZahlText1Stelle(satzpunkte)); }

std::array<QByteArray, 16> WerbeWorte(const QString& text)
{
    std::array<Text<WerbewortBreite + 1>, 16> worte;
    std::vector<TextZiel> felder;
    for (auto& w : worte) felder.push_back(w);
    const QByteArray quelle = Cp1252::encode(text);
    WorteZuFeldern(felder, quelle.constData(), WerbewortBreite);
    std::array<QByteArray, 16> r;
    for (std::size_t k = 0; k < r.size(); ++k) r[k] = worte[k].bytes();
    return r;
}

// ---- advert entries ---------------------------------------------------------------------

// A ';' inside the text shifts the numbers to the right: the last three
// fields are the numbers, everything before them is the text. Empty fields
// after the fourth are dropped first.
Namenwerbeeintrag NamenWerbezeileLesen(const QString& zeile)
{
    QStringList felder = zeile.split(QLatin1Char(';'));
    while (felder.size() > 4 && felder.last().trimmed().isEmpty()) felder.removeLast();
    if (felder.size() > 4) {
        const qsizetype n = felder.size() - 3;
        QStringList neu{felder.mid(0, n).join(QLatin1Char(';'))};
        neu += felder.mid(n);
        felder = neu;
    }
    const i32 maske = Werbezahl(felder.value(1));
    Namenwerbeeintrag e;
    e.Text = felder.value(0);
    e.Maske = maske <= 0xFFFF ? u16(maske) : 0;
    e.Werbezeit = Werbezahl(felder.value(2));
    e.Werbeabstand = Werbezahl(felder.value(3));
    return e;
}

QString NamenWerbezeileText(const Namenwerbeeintrag& e)
{
    QString text = e.Text;
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("%1;%2;%3;%4")
        .arg(text, QString::number(e.Maske), QString::number(e.Werbezeit), QString::number(e.Werbeabstand));
}

// ---- the controller -------------------------------------------------------------------

Namenanzsteuerung::Namenanzsteuerung()
    : TimerWechsel([this] { wechselTakt(); }, NamenanzWechselMs),
      TimerWerbung([this] { werbungTakt(); }, NamenanzWerbetakt)
{
    StopBahnZustand.fill(1);
}

Namenanzsteuerung& namenanzsteuerung()
{
    static Namenanzsteuerung s;
    return s;
}

void Namenanzsteuerung::zeileSenden(int bahn, const QByteArray& text)
{
    for (const CanDaten& d : CanRahmen::AnzeigeZeile(bahn, std::string_view(text.constData(), std::size_t(text.size())),
                                                      Einst.NamenAnzeigeDig))
        AnzeigeNachrichtSenden(NamenanzCanId, d);
}

void Namenanzsteuerung::NamenanzeigeAktualisieren(int bahn)
{
    if (!BahnGueltig(bahn)) return;
    const TBahnDaten& d = BahnDaten[bahn];
    TWettkampfDaten* w = BahnWettkampf[bahn];
    if (!w) {
        // A lane that reports a match number keeps its last text.
        if (d.GemeldeteSpielNr == 0) NamenanzeigeLoeschen(bahn);
        return;
    }
    if (d.BahnGestoppt) {
        StopBahnZustand[bahn] = 1;
        StopBahnAnzeigen(bahn);
        TimerWechsel.setEnabled(true);
        return;
    }
    switch (w->Spielphase) {
    case PhaseAngelegt:
    case PhaseBegonnen:
    case PhaseBeendet:
        NamenanzeigeLoeschen(bahn);
        NamenanzWerbungStarten(*w);
        break;
    case PhaseProbe:
    case PhaseSpiel:
        if (w->BahnImSpiel[bahn] && w->NamenOn) {
            NameAnzeigen(bahn);
            TimerWechsel.setEnabled(true);
            NamenanzWerbungStarten(*w);
        } else {
            NamenanzeigeLoeschen(bahn);
        }
        break;
    case PhaseBahnwechsel:
    case PhaseSpielerwechsel:
        NamenanzWerbungStarten(*w);
        break;
    default:
        break;
    }
}

void Namenanzsteuerung::NamenanzeigeLoeschen(int bahn)
{
    if (BahnGueltig(bahn)) zeileSenden(bahn, {});
}

void Namenanzsteuerung::NameAnzeigen(int bahn)
{
    const TSpielerEintrag* s = SpielerMitNamenanzeige(bahn);
    if (!s || !BahnDaten[bahn].Wettk->NamenOn) return;
    zeileSenden(bahn, NamenanzText(s->Name.c_str(), Einst.NamenAnzeigeDig));
}

void Namenanzsteuerung::NamenWechselAnzeigen(int bahn)
{
    const TSpielerEintrag* s = SpielerMitNamenanzeige(bahn);
    if (!s) return;
    const auto [erstes, rest] = NamenWechselTexte(s->Name.c_str(), Einst.NamenAnzeigeDig);
    zeileSenden(bahn, NaVorZustand == 2 ? rest : erstes);
}

void Namenanzsteuerung::NameSatzpunkteAnzeigen(int bahn)
{
    const TSpielerEintrag* s = SpielerMitNamenanzeige(bahn);
    if (!s) return;
    if (NaSaPZustand != 2)
        zeileSenden(bahn, NameSatzpunkteText(s->Name.c_str(), Einst.NamenAnzeigeDig));
    else if (Einst.Punkteanzeige)
        zeileSenden(bahn, SatzpunkteText(s->SaP));
}

void Namenanzsteuerung::StopBahnAnzeigen(int bahn)
{
    if (!BahnGueltig(bahn)) return;
    const TWettkampfDaten* w = BahnDaten[bahn].Wettk;
    if (!w || !w->NamenanzeigeEin) return;
    u8& zustand = StopBahnZustand[bahn];
    zeileSenden(bahn, zustand == 2 ? QByteArrayLiteral("BAHN") : QByteArrayLiteral("STOP"));
    zustand = Umgeschaltet(zustand);
}

// ---- adverts ----------------------------------------------------------------------------

void Namenanzsteuerung::NamenanzWerbungLaden(TWettkampfDaten& w)
{
    TWerbeZustand& b = w.NamenanzWerbung;
    if (!b.Liste) b.Liste = std::make_unique<QStringList>();
    *b.Liste = TextdateiLesen(WerbekonfigurationDatei(QStringLiteral("Namenanz"), b.Index)).value_or(QStringList());
    NamenanzWerbungStarten(w);
}

void Namenanzsteuerung::NamenanzWerbungStarten(TWettkampfDaten& w)
{
    if (m_werbungEndet) return;
    const Bahnbereich bahnen = BahnenVon(w);
    if (bahnen.letzte < bahnen.erste) return;
    for (int bahn : bahnen)
        if (BahnWettkampf[bahn] != &w) return;
    TWerbeZustand& b = w.NamenanzWerbung;
    if (Zeilen(b) == 0) return;
    b.Position = 0;
    b.Zustand = 0;
    b.Zaehler = 0;
    TimerWerbung.setEnabled(true);
}

void Namenanzsteuerung::WerbeeintragLesen(TWettkampfDaten& w)
{
    TWerbeZustand& b = w.NamenanzWerbung;
    if (b.Position >= Zeilen(b)) b.Position = 0;
    const Namenwerbeeintrag e = Zeilen(b) ? NamenWerbezeileLesen(b.Liste->at(b.Position)) : Namenwerbeeintrag{};
    b.Eintrag = e.Text;
    b.Ereignismaske = e.Maske;
    b.Anzeigezeit = e.Werbezeit;
    b.Intervall = e.Werbeabstand;
}

void Namenanzsteuerung::NamenanzWerbungAnzeigen(TWettkampfDaten& w)
{
    if (!w.NamenanzeigeEin) return;
    const Bahnbereich bahnen = BahnenVon(w);
    if (!w.Gestartet)
        for (int bahn : bahnen)
            if (BahnDaten[bahn].BahnStatus != 0) return;
    const TWerbeZustand& b = w.NamenanzWerbung;
    if (!b.Werbung || !(b.Ereignismaske & w.Spielphase) || b.Eintrag.isEmpty()) return;
    const std::array<QByteArray, 16> worte = WerbeWorte(b.Eintrag);
    for (std::size_t k = 0; k < worte.size(); ++k) WerbeZeilen[k].setzen(worte[k]);
    std::size_t k = 0;
    for (int bahn : bahnen) {
        if (k >= WerbeZeilen.size()) break;
        if (BahnGueltig(bahn)) zeileSenden(bahn, WerbeZeilen[k].bytes());
        ++k;
    }
}

// ---- timers -------------------------------------------------------------------------------

// The two alternation states are shared by all lanes: each steps at most
// once a tick, at the first lane that shows it.
void Namenanzsteuerung::wechselTakt()
{
    TimerWechsel.setEnabled(false);
    NaVorZaehler = Weitergezaehlt(NaVorZaehler, 10000, Einst.NaVorIntervall);
    NaSaPZaehler = Weitergezaehlt(NaSaPZaehler, 1000, Einst.NaSaPIntervall);

    bool weiter = false;
    bool vorGeschaltet = false;
    bool sapGeschaltet = false;
    for (int bahn = 1; bahn <= Bahnen(); ++bahn) {
        const TBahnDaten& d = BahnDaten[bahn];
        const TWettkampfDaten* w = d.Wettk;
        if (!SpielLaeuft(w)) continue;
        if (d.BahnGestoppt) {
            StopBahnAnzeigen(bahn);
            weiter = true;
        } else if (d.ProbeLaeuft) {
            if (!w->NaVorWechsel) continue;
            if (NaVorZaehler == 0) {
                if (!vorGeschaltet) NaVorZustand = Umgeschaltet(NaVorZustand);
                vorGeschaltet = true;
                NamenWechselAnzeigen(bahn);
            }
            weiter = true;
        } else if (w->NaSaPWechsel) {
            if (NaSaPZaehler == 0) {
                if (!sapGeschaltet) NaSaPZustand = Umgeschaltet(NaSaPZustand);
                sapGeschaltet = true;
                NameSatzpunkteAnzeigen(bahn);
            }
            weiter = true;
        }
    }
    TimerWechsel.setEnabled(weiter);
}

void Namenanzsteuerung::werbungTakt()
{
    TimerWerbung.setEnabled(false);
    bool weiter = false;
    const TWettkampfDaten* vorher = nullptr;
    for (int bahn = 1; bahn <= Bahnen(); ++bahn) {
        const TBahnDaten& d = BahnDaten[bahn];
        if (d.BahnGestoppt && !(d.Wettk && d.Wettk->Beendet)) continue;
        TWettkampfDaten* w = BahnWettkampf[bahn];
        if (!w || w == vorher || !w->NamenanzeigeEin || !w->NamenanzWerbung.Werbung) continue;
        vorher = w;
        TWerbeZustand& b = w->NamenanzWerbung;
        // Nothing to show: the match drops out of the rotation.
        if (Zeilen(b) == 0) continue;
        weiter = true;
        b.Zaehler = Addiert(b.Zaehler, 2);
        if (b.Zustand) {
            const i32 zeit = b.Anzeigezeit ? b.Anzeigezeit : i32(Einst.NamenanzWerbezeit);
            if (b.Zaehler < zeit) continue;
            b.Zustand = 0;
            b.Zaehler = 1;
            // The names come back for the pause; their refresh must not
            // restart the rotation, or the entry would be up again next tick.
            if (w->Gestartet) {
                m_werbungEndet = true;
                for (int k : BahnenVon(*w)) NamenanzeigeAktualisieren(k);
                m_werbungEndet = false;
            }
            continue;
        }
        WerbeeintragLesen(*w);
        if (b.Ereignismaske & w->Spielphase) {
            const i32 abstand = b.Intervall ? b.Intervall : i32(Einst.NamenanzWerbeabst);
            // A counter of exactly 2 is the first tick after a (re)start.
            if (b.Zaehler < abstand && b.Zaehler != 2) continue;
            b.Zustand = 1;
            b.Zaehler = 1;
            NamenanzWerbungAnzeigen(*w);
        }
        NaechsterEintrag(b);
    }
    TimerWerbung.setEnabled(weiter);
}

void Namenanzsteuerung::HelligkeitSenden(u8 helligkeit)
{
    if (Einst.NamenanzOn)
        AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenHelligkeit(std::min<u8>(helligkeit, 127)));
}

void Namenanzsteuerung::zuruecksetzen()
{
    TimerWechsel.setEnabled(false);
    TimerWerbung.setEnabled(false);
    StopBahnZustand.fill(1);
    NaVorZustand = 1;
    NaSaPZustand = 1;
    NaVorZaehler = 0;
    NaSaPZaehler = 0;
    for (auto& z : WerbeZeilen) z.leeren();
}
