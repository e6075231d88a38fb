#include "competition/Mannschaftskarte.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/TextFunctions.h"
#include "match/flow/Wettkampfslots.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using D = TMannschaftskartenDaten;
using S = TMannschaftskartenSpieler;

struct Textfeld {
    int r;
    int breite;
    QByteArray D::*feld;
    const char* name;
};
// Numbers have gap - 1 digits before the next field.
struct Zahlfeld {
    int r;
    int stellen;
    u16 D::*feld;
    const char* name;
};
struct JaNeinFeld {
    int r;
    u8 D::*feld;
    const char* name;
};
struct Spielerfeld {
    int r;
    int breite;
    QByteArray S::*feld;
    const char* name;
};

const Textfeld Textfelder[] = {
    {0, 30, &D::Bezirk, "Bezirk"},
    {32, 30, &D::Club, "Club"},
    {64, 2, &D::MannschaftNr, "Mannschaft Nr."},
    {68, 30, &D::Klasse, "Klasse"},
    {100, 5, &D::Spielnummer, "Spielnummer"},
    {107, 20, &D::Spielart, "Spielart"},
    {130, 30, &D::Gastmannschaft, "Gastmannschaft"},
    {162, 30, &D::Schiedsrichter, "Schiedsrichter"},
    {194, 30, &D::SpielleiterName, "Spielleiter"},
    {226, 60, &D::Text1, "Textzeile 1"},
    {288, 60, &D::Text2, "Textzeile 2"},
    {350, 15, &D::Gruppe, "Gruppe"},
    {410, 3, &D::Spieltag, "Spieltag"},
};

const Zahlfeld Zahlfelder[] = {
    {367, 2, &D::Spieleranzahl, "Spieleranzahl"},
    {370, 3, &D::Wurfvorwahl, "Wurfvorwahl"},
    {375, 2, &D::Probe, "Probe"},
    {378, 2, &D::Zeit, "Zeit"},
    {381, 2, &D::Uebertritt, "Übertritt"},
    {384, 2, &D::Durchlaeufer, "Durchläufer"},
    {387, 4, &D::BahnenIndex, "Bahnen"},
    {392, 2, &D::Art, "Art"},
    {395, 4, &D::Volle, "Volle"},
    {400, 4, &D::Abraeumen, "Abräumen"},
    {405, 4, &D::Wurfzeit, "Wurfzeit"},
    {424, 2, &D::NaWerbeIndex, "Werbung der Namensanzeige"},
    {427, 2, &D::KonfigIndex, "Werbung der Ergebnistafel"},
    {430, 2, &D::MonitorIndex, "Werbung der Monitore"},
};

const JaNeinFeld JaNeinFelder[] = {
    {415, &D::MannschanzZuschalten, "Mannschaftsanzeige"},
    {418, &D::NamenOn, "Namen"},
    {421, &D::NaVorWechsel, "Namen vor Wechsel"},
    {433, &D::NaWerbungOn, "Werbung der Namensanzeige"},
    {436, &D::WerbungEin, "Werbung der Ergebnistafel"},
    {439, &D::MonitorWerbung, "Werbung der Monitore"},
};

const Spielerfeld Spielerfelder[] = {
    {0, 30, &S::Name, "Name"},
    {32, 6, &S::Passnummer, "Passnummer"},
    {40, 8, &S::Geburtsdatum, "Geburtsdatum"},
    {50, 8, &S::LetztesSpiel, "letztes Spiel"},
    {60, 1, &S::Platzierung, "Platzierung"},
};

int Einheit(int r) { return MannschaftskarteBasis + r; }
int SpielerEinheit(int p, int r)
{
    return Einheit(MannschaftskarteSpieler + MannschaftskarteSpielerAbstand * (p - 1) + r);
}

// The player's fields; false when one does not read.
bool SpielerAuslesen(const Kartenbild& bild, int p, S& s, QString* feld)
{
    S gelesen;
    for (const Spielerfeld& f : Spielerfelder) {
        if (!KartentextLesen(gelesen.*f.feld, SpielerEinheit(p, f.r), f.breite, bild)) {
            if (feld) *feld = QStringLiteral("Spieler %1: %2").arg(p).arg(QString::fromUtf8(f.name));
            return false;
        }
    }
    s = gelesen;
    return true;
}

QString Ungueltig(const char* feld, u32 wert)
{
    return QStringLiteral("Die Mannschaftskarte kann nicht geladen werden: „%1“ hat den ungültigen Wert %2.")
        .arg(QString::fromUtf8(feld))
        .arg(wert);
}

QString KeineMannschaftskarte() { return QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"); }

QString KeinPlatz() { return QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei."); }

enum class Wiedereingeschoben { Dieselbe, Andere, Unlesbar };

// After a failed block: the card in the reader is the one the transfer began
// on when units 0..adresse - 1 are as moved so far (Kartenpuffer) and, before
// the first block, its first units as they were read (`vorher`, may be empty).
Wiedereingeschoben KartePruefen(int adresse, const std::vector<u16>& vorher)
{
    const int n = adresse > 0 ? adresse : int(vorher.size());
    if (n == 0) return Wiedereingeschoben::Dieselbe;
    const auto karte = std::make_unique<Kartenbild>();
    if (!KarteLesenIn(*karte, 0, u16(n))) return Wiedereingeschoben::Unlesbar;
    const u16* erwartet = adresse > 0 ? Kartenpuffer.begin() : vorher.data();
    return std::equal(karte->begin(), karte->begin() + n, erwartet) ? Wiedereingeschoben::Dieselbe
                                                                    : Wiedereingeschoben::Andere;
}

// Units 0..1535 in blocks, the progress after each. After a failed block
// the light goes off and the operator is asked; OK goes on with that block
// when the card in the reader is the same (KartePruefen), another card stops
// the transfer with a notice. False when it did not end.
bool BloeckeUebertragen(bool schreiben, const Kartenuebertragung& u, const std::vector<u16>& vorher = {})
{
    const int licht = schreiben ? 1 : 2;
    if (u.fortschritt) u.fortschritt(0, MannschaftskarteEinheiten);
    int adresse = 0;
    bool nachFehler = false;
    while (adresse < MannschaftskarteEinheiten) {
        const u16 a = u16(adresse);
        const Wiedereingeschoben karte = nachFehler ? KartePruefen(adresse, vorher) : Wiedereingeschoben::Dieselbe;
        if (karte == Wiedereingeschoben::Andere) {
            KartenLicht(0);
            boxen().hinweis(
                QStringLiteral("Im Leser befindet sich eine andere Karte ! Die Übertragung wurde abgebrochen."));
            return false;
        }
        const bool ok = karte == Wiedereingeschoben::Dieselbe &&
                        (schreiben ? KarteSchreiben(a, MannschaftskarteBlock) : KarteLesen(a, MannschaftskarteBlock));
        if (ok) {
            nachFehler = false;
            adresse += MannschaftskarteBlock;
            if (u.fortschritt) u.fortschritt(adresse, MannschaftskarteEinheiten);
            continue;
        }
        nachFehler = true;
        KartenLicht(0);
        if (!u.erneutEinschieben || !u.erneutEinschieben()) return false;
        KartenLicht(licht);
    }
    return true;
}

// Reads the card and its fields (the caller switches the light off): a
// card of another kind gets the notice; a field that does not read counts
// as a failed transfer (the prompt, OK reads the card again).
Kartenergebnis MannschaftskarteEinlesen(const Kartenuebertragung& u, TMannschaftskartenDaten& daten)
{
    for (;;) {
        KartenLicht(2);
        KartentypPruefen();
        if (!BloeckeUebertragen(false, u)) return Kartenergebnis::Fehler;
        if (!KartenkennungIst(MannschaftskartenKennung)) {
            boxen().hinweis(KeineMannschaftskarte());
            return Kartenergebnis::FalscheKarte;
        }
        if (std::optional<TMannschaftskartenDaten> d = MannschaftskarteAuslesen(Kartenpuffer)) {
            daten = std::move(*d);
            return Kartenergebnis::Ok;
        }
        KartenLicht(0);
        if (!u.erneutEinschieben || !u.erneutEinschieben()) return Kartenergebnis::Fehler;
    }
}

// The rounds of the card's throw preset (its fifth field, the set mode).
void SpielmodusAusVorwahl(TWettkampfDaten& w)
{
    const QStringList felder = WurfvorwahlZeile(w.Wurfvorwahl).split(QLatin1Char(';'));
    if (felder.size() > 5) SpielmodusSetzen(w, TextZuZahl(felder.at(4)));
}

}  // namespace

TMannschaftskartenDaten MannschaftskarteAusWettkampf(const TWettkampfDaten& w)
{
    D d;
    d.Bezirk = w.Bezirk.bytes();
    d.Club = w.Club.bytes();
    d.MannschaftNr = w.MannschaftNr.bytes();
    d.Klasse = w.Klasse.bytes();
    d.Spielnummer = w.Spielnummer.bytes();
    d.Spielart = w.Spielart.bytes();
    d.Gastmannschaft = w.Gastmannschaft.bytes();
    d.Schiedsrichter = w.Schiedsrichter.bytes();
    d.SpielleiterName = w.Spielleiter.Name.bytes();
    d.Text1 = w.Textzeile[1].bytes();
    d.Text2 = w.Textzeile[2].bytes();
    d.Gruppe = w.Gruppe.bytes();
    d.Spieltag = w.Spieltag.bytes();
    d.Spieleranzahl = w.Spieleranzahl;
    d.Wurfvorwahl = w.Wurfvorwahl;
    d.Probe = w.Probe;
    d.Zeit = w.Zeit;
    d.Uebertritt = w.Uebertritt;
    d.Durchlaeufer = w.Durchlaeufer;
    d.BahnenIndex = w.BahnenIndex;
    d.Art = w.Art;
    d.Volle = w.Volle;
    d.Abraeumen = w.Abraeumen;
    d.Wurfzeit = w.Wurfzeit;
    d.NaWerbeIndex = w.NamenanzWerbung.Index;
    d.KonfigIndex = w.GrossanzWerbung.Index;
    d.MonitorIndex = w.MonitorWerbung.Index;
    d.MannschanzZuschalten = w.MannschNamenAnzeigen ? 1 : 0;
    d.NamenOn = w.NamenOn ? 1 : 0;
    d.NaVorWechsel = w.NaVorWechsel ? 1 : 0;
    d.NaWerbungOn = w.NamenanzWerbung.Werbung ? 1 : 0;
    d.WerbungEin = w.GrossanzWerbung.Werbung ? 1 : 0;
    d.MonitorWerbung = w.MonitorWerbung.Werbung ? 1 : 0;
    for (int p = 1; p <= MaxSpieler; ++p) {
        const TSpielerEintrag& s = *w.SpielerZeiger[p];
        d.Spieler[p] = {s.Name.bytes(), s.Pass.bytes(), s.Gebdat.bytes(), s.LetztSpiel.bytes(), s.LetztPlatz.bytes()};
    }
    return d;
}

void MannschaftskarteSchreiben(const TMannschaftskartenDaten& d, Kartenbild& bild)
{
    for (int i = 0; i < MannschaftskarteEinheiten; ++i) bild[i] = 0;
    KartentextSchreiben(0, MannschaftskartenKennung, 8, bild);
    for (const Textfeld& f : Textfelder) KartentextSchreiben(Einheit(f.r), d.*f.feld, f.breite, bild);
    for (const Zahlfeld& f : Zahlfelder)
        if (KartenzahlStellen(d.*f.feld) <= f.stellen) KartenzahlSchreiben(Einheit(f.r), d.*f.feld, bild);
    for (const JaNeinFeld& f : JaNeinFelder) KartenJaNeinSchreiben(Einheit(f.r), d.*f.feld != 0, bild);
    for (int p = 1; p <= MaxSpieler; ++p)
        for (const Spielerfeld& f : Spielerfelder)
            KartentextSchreiben(SpielerEinheit(p, f.r), d.Spieler[p].*f.feld, f.breite, bild);
}

void MannschaftskarteFuellen(const TWettkampfDaten& w, Kartenbild& bild)
{
    MannschaftskarteSchreiben(MannschaftskarteAusWettkampf(w), bild);
}

QString MannschaftskarteUeberlauf(const TMannschaftskartenDaten& d)
{
    for (const Zahlfeld& f : Zahlfelder) {
        if (KartenzahlStellen(d.*f.feld) > f.stellen)
            return QStringLiteral("Der Wert %1 im Feld „%2“ passt nicht auf die Mannschaftskarte (höchstens %3 "
                                  "Stellen). Die Karte wurde nicht beschrieben.")
                .arg(d.*f.feld)
                .arg(QString::fromUtf8(f.name))
                .arg(f.stellen);
    }
    return {};
}

std::optional<TMannschaftskartenDaten> MannschaftskarteAuslesen(const Kartenbild& bild, QString* feld)
{
    auto fehlt = [&](const char* name) {
        if (feld) *feld = QString::fromUtf8(name);
        return std::nullopt;
    };
    D d;
    for (const Textfeld& f : Textfelder)
        if (!KartentextLesen(d.*f.feld, Einheit(f.r), f.breite, bild)) return fehlt(f.name);
    for (const Zahlfeld& f : Zahlfelder)
        if (!KartenzahlLesen(d.*f.feld, Einheit(f.r), f.stellen, bild)) return fehlt(f.name);
    for (const JaNeinFeld& f : JaNeinFelder)
        if (!KartenJaNeinLesen(d.*f.feld, Einheit(f.r), bild)) return fehlt(f.name);
    for (int p = 1; p <= MaxSpieler; ++p) {
        if (SpielerAuslesen(bild, p, d.Spieler[p], feld)) continue;
        if (p <= 14) return std::nullopt;
        d.Spieler[p] = {};
    }
    if (feld) feld->clear();
    return d;
}

QString MannschaftskartePruefen(TMannschaftskartenDaten& d)
{
    if (d.Spieleranzahl != 4 && d.Spieleranzahl != 5 && d.Spieleranzahl != 6 && d.Spieleranzahl != 8)
        return Ungueltig("Spieleranzahl", d.Spieleranzahl);
    const QString vorwahl = WurfvorwahlZeile(d.Wurfvorwahl);
    if (vorwahl.isEmpty())
        return QStringLiteral("Die Mannschaftskarte kann nicht geladen werden: die Wurfvorwahl Nr. %1 gibt es auf "
                              "dieser Anlage nicht.")
            .arg(d.Wurfvorwahl + 1);
    if (d.BahnenIndex >= std::max<qsizetype>(1, WurfvorwahlBahnen(vorwahl).size()))
        return Ungueltig("Bahnen", d.BahnenIndex);
    if (d.Probe > 6) return Ungueltig("Probe", d.Probe);
    if (d.Art > 3) return Ungueltig("Art", d.Art);
    if (d.Volle > MaxPhasenWuerfe) return Ungueltig("Volle", d.Volle);
    if (d.Abraeumen > MaxPhasenWuerfe) return Ungueltig("Abräumen", d.Abraeumen);
    for (u16* schalter : {&d.Zeit, &d.Uebertritt, &d.Durchlaeufer}) *schalter = *schalter ? 1 : 0;
    return {};
}

void MannschaftskarteUebernehmen(const TMannschaftskartenDaten& d, TWettkampfDaten& w)
{
    w.Bezirk.setzen(d.Bezirk);
    w.Club.setzen(d.Club);
    w.MannschaftNr.setzen(d.MannschaftNr);
    w.Klasse.setzen(d.Klasse);
    w.Gastmannschaft.setzen(d.Gastmannschaft);
    w.Spielnummer.setzen(d.Spielnummer);
    w.Schiedsrichter.setzen(d.Schiedsrichter);
    w.Spielleiter.Name.setzen(d.SpielleiterName);
    w.Textzeile[1].setzen(d.Text1);
    w.Textzeile[2].setzen(d.Text2);
    w.Spieltag.setzen(d.Spieltag);
    w.Spieleranzahl = d.Spieleranzahl;
    w.Wurfvorwahl = d.Wurfvorwahl;
    w.Probe = d.Probe;
    w.Zeit = d.Zeit;
    w.Uebertritt = d.Uebertritt;
    w.Durchlaeufer = d.Durchlaeufer;
    w.BahnenIndex = d.BahnenIndex;
    w.Art = d.Art;
    w.Volle = d.Volle;
    w.Abraeumen = d.Abraeumen;
    w.Wurfzeit = d.Wurfzeit;
    w.NamenanzWerbung.Index = d.NaWerbeIndex;
    w.GrossanzWerbung.Index = d.KonfigIndex;
    w.MonitorWerbung.Index = d.MonitorIndex;
    w.MannschNamenAnzeigen = d.MannschanzZuschalten;
    w.NamenOn = d.NamenOn;
    w.NaVorWechsel = d.NaVorWechsel;
    w.NamenanzWerbung.Werbung = d.NaWerbungOn;
    w.GrossanzWerbung.Werbung = d.WerbungEin;
    w.MonitorWerbung.Werbung = d.MonitorWerbung;
    for (int p = 1; p <= MaxSpieler; ++p) {
        TSpielerEintrag& s = *w.SpielerZeiger[p];
        const S& k = d.Spieler[p];
        s.Name.setzen(k.Name);
        s.Pass.setzen(k.Passnummer);
        s.Gebdat.setzen(k.Geburtsdatum);
        s.LetztSpiel.setzen(k.LetztesSpiel);
        s.LetztPlatz.setzen(k.Platzierung);
        s.IstHeim = p <= 8 ? 1 : 0;
    }
}

Kartenergebnis MannschaftskarteSpeichern(const Kartenuebertragung& u)
{
    if (!AktWettkampf) return Kartenergebnis::Fehler;
    if (AktWettkampf->Gestartet) {
        boxen().hinweis(QStringLiteral("Ein gestarteter Wettkampf wird nicht auf die Karte geschrieben."));
        return Kartenergebnis::Fehler;
    }
    const TMannschaftskartenDaten d = MannschaftskarteAusWettkampf(*AktWettkampf);
    if (const QString grund = MannschaftskarteUeberlauf(d); !grund.isEmpty()) {
        boxen().hinweis(grund);
        return Kartenergebnis::Fehler;
    }
    if (!KarteVorhanden()) return Kartenergebnis::KeineKarte;

    LichtAusAmEnde lichtAus;
    KartenLicht(2);
    KartentypPruefen();
    // A tag that cannot be read is written over without asking.
    constexpr int kennung = 8;
    std::vector<u16> vorher;
    if (KarteLesen(0, kennung)) {
        if (!KartenkennungIst(MannschaftskartenKennung) && !(u.ueberschreiben && u.ueberschreiben()))
            return Kartenergebnis::Abgebrochen;
        vorher.assign(Kartenpuffer.begin(), Kartenpuffer.begin() + kennung);
    }
    MannschaftskarteSchreiben(d, Kartenpuffer);
    KartenLicht(1);
    return BloeckeUebertragen(true, u, vorher) ? Kartenergebnis::Ok : Kartenergebnis::Fehler;
}

Kartenergebnis MannschaftskarteLaden(const Kartenuebertragung& u)
{
    if (WettkampfAnzahl >= MaxWettkaempfe) {
        boxen().hinweis(KeinPlatz());
        return Kartenergebnis::Fehler;
    }
    if (!KarteVorhanden()) return Kartenergebnis::KeineKarte;

    LichtAusAmEnde lichtAus;
    TMannschaftskartenDaten d;
    if (const Kartenergebnis e = MannschaftskarteEinlesen(u, d); e != Kartenergebnis::Ok) return e;
    if (const QString grund = MannschaftskartePruefen(d); !grund.isEmpty()) {
        boxen().hinweis(grund);
        return Kartenergebnis::Fehler;
    }
    // The prompts above run nested event loops: the slots are looked at again.
    if (!WettkampfAnlegen()) {
        boxen().hinweis(KeinPlatz());
        return Kartenergebnis::Fehler;
    }
    TWettkampfDaten& w = *AktWettkampf;
    MannschaftskarteUebernehmen(d, w);
    SpielmodusAusVorwahl(w);
    WettkampfVorgabenSetzen();
    WettkampfOptionenAbleiten();
    w.Geaendert = 0;
    KarteGenommenMerken();
    return Kartenergebnis::Ok;
}

Kartenergebnis GastkarteLaden(const Kartenuebertragung& u)
{
    if (!AktWettkampf) return Kartenergebnis::Fehler;
    if (!KarteVorhanden()) return Kartenergebnis::KeineKarte;

    LichtAusAmEnde lichtAus;
    TMannschaftskartenDaten d;
    if (const Kartenergebnis e = MannschaftskarteEinlesen(u, d); e != Kartenergebnis::Ok) return e;
    if (!AktWettkampf) return Kartenergebnis::Fehler;
    TWettkampfDaten& w = *AktWettkampf;
    w.Gastmannschaft.setzen(d.Club + ' ' + d.MannschaftNr);
    for (int p = 1; p <= 8; ++p) {
        TSpielerEintrag& s = *w.SpielerZeiger[p + 8];
        if (s.Gestartet) continue;
        const S& k = d.Spieler[p];
        s.Name.setzen(k.Name);
        s.Pass.setzen(k.Passnummer);
        s.Gebdat.setzen(k.Geburtsdatum);
        s.LetztSpiel.setzen(k.LetztesSpiel);
        s.LetztPlatz.setzen(k.Platzierung);
    }
    w.Geaendert = 1;
    KarteGenommenMerken();
    return Kartenergebnis::Ok;
}

bool GastkarteFaellig()
{
    if (!KartenleserAktiv || !KarteVorhanden()) return false;
    // A card whose first units do not read: the transfer asks for it again.
    if (!KartenkopfLesen()) return !KarteGenommen();
    if (KarteGenommen()) return false;
    if (KartenkennungIst(MannschaftskartenKennung)) return true;
    if (!KarteGemeldet()) {
        KarteGemeldetMerken();
        boxen().meldung(KeineMannschaftskarte());
    }
    return false;
}
