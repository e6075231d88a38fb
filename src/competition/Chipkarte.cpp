#include "competition/Chipkarte.h"

#include "competition/Spielerkarte.h"
#include "core/Globals.h"

#include <QtDebug>

ChipkartenZustand chipkartenZustand;
Kartenbild& Kartenpuffer = chipkartenZustand.Kartenpuffer;

void ChipkartenZustand::zuruecksetzen()
{
    Kartenpuffer.fill(0);
    KartenleserTyp = 0;
    KartenleserPort = 0;
    leser.reset();
    kartentyp = '0';
    vorgabe = nullptr;
    einschub = {};
    leserSchluessel.clear();
}

namespace {

// A reader that throws counts as failed, as a library call that faults.
template <typename F>
bool Geschuetzt(F&& f)
{
    try {
        return f();
    } catch (...) {
        return false;
    }
}

void Ausschalten(const QString& status)
{
    chipkartenZustand.leser.reset();
    KartenStatusText = status;
    KartenleserAktiv = 0;
    KartenTimerAktiv = 0;
}

bool Uebertragen(int modus, u16 adresse, u16 laenge, Kartenbild& bild = Kartenpuffer)
{
    Kartenleser* l = chipkartenZustand.leser.get();
    if (!l || !KartenbereichGueltig(adresse, laenge)) return false;
    return Geschuetzt(
        [&] { return l->uebertragen(chipkartenZustand.kartentyp, modus, adresse, laenge, bild.begin()); });
}

// The card whose first units are in Kartenpuffer: another one than seen
// last begins a new insertion.
Karteneinschub& Einschub()
{
    Karteneinschub& e = chipkartenZustand.einschub;
    const std::vector<u16> kopf(Kartenpuffer.begin(), Kartenpuffer.begin() + KartenkopfEinheiten);
    if (e.kopf != kopf) e = {kopf, false, false};
    return e;
}

// The units position..position + n - 1 lie in the image.
bool ImBild(int position, int n) { return position >= 0 && n >= 0 && position + n <= KartenEinheiten; }

}  // namespace

void setKartenleserVorgabe(std::function<std::unique_ptr<Kartenleser>()> erzeugen)
{
    chipkartenZustand.vorgabe = std::move(erzeugen);
}

void KartenleserOeffnen()
{
    ChipkartenZustand& z = chipkartenZustand;
    z.leser.reset();
    z.KartenleserTyp = Einst.Chipkarte;
    z.KartenleserPort = Einst.ChipkartePort;

    std::unique_ptr<Kartenleser> neu;
    QString fehler;
    if (z.vorgabe) {
        neu = z.vorgabe();
    } else {
        if (z.KartenleserTyp < 1 || z.KartenleserTyp > 4) {
            Ausschalten(QStringLiteral("Chipkarte nicht vorhanden !"));
            return;
        }
        try {
            neu = KartenleserErzeugen(z.KartenleserTyp, z.KartenleserPort, Einst.ChipkarteSchnittstelle, &fehler);
        } catch (...) {
            neu.reset();
        }
    }
    if (!neu) {
        if (!fehler.isEmpty()) qWarning().noquote() << "Chipkartenleser:" << fehler;
        Ausschalten(QStringLiteral("Chipkarte nicht gefunden !"));
        return;
    }
    z.leser = std::move(neu);
    z.kartentyp = '0';
    // The same reader opened again (the options closed with OK) keeps the
    // card in it as inserted: what was told about it is not told again.
    const QString schluessel = QStringLiteral("%1/%2/%3")
                                   .arg(z.KartenleserTyp)
                                   .arg(z.KartenleserPort)
                                   .arg(z.vorgabe ? QStringLiteral("Test") : Einst.ChipkarteSchnittstelle);
    if (schluessel != z.leserSchluessel) z.einschub = {};
    z.leserSchluessel = schluessel;
    KartenStatusText = QStringLiteral("Chipkarte Ok !");
    KartenleserAktiv = 1;
    KartenTimerAktiv = 1;
}

void KartenleserSchliessen()
{
    chipkartenZustand.leser.reset();
    KartenleserAktiv = 0;
    KartenTimerAktiv = 0;
}

bool KarteVorhanden()
{
    Kartenleser* l = chipkartenZustand.leser.get();
    const bool da = l && Geschuetzt([&] { return l->karteVorhanden(); });
    if (!da) chipkartenZustand.einschub = {};
    return da;
}

char KartentypPruefen()
{
    Kartenleser* l = chipkartenZustand.leser.get();
    const bool gross =
        l && Geschuetzt([&] { return l->uebertragen('4', KartenModusLesen, 8000, 64, Kartenpuffer.begin()); });
    chipkartenZustand.kartentyp = gross ? '4' : '0';
    return chipkartenZustand.kartentyp;
}

void KartenLicht(int code)
{
    if (Kartenleser* l = chipkartenZustand.leser.get()) Geschuetzt([&] {
            l->licht(code);
            return true;
        });
}

bool KarteLesen(u16 adresse, u16 laenge) { return Uebertragen(KartenModusLesen, adresse, laenge); }
bool KarteSchreiben(u16 adresse, u16 laenge) { return Uebertragen(KartenModusSchreiben, adresse, laenge); }

bool KarteLesenIn(Kartenbild& bild, u16 adresse, u16 laenge)
{
    return Uebertragen(KartenModusLesen, adresse, laenge, bild);
}

bool KartenkopfLesen()
{
    if (!KarteVorhanden() || !KarteLesen(0, KartenkopfEinheiten)) return false;
    Einschub();
    return true;
}

bool KarteGenommen() { return chipkartenZustand.einschub.genommen; }
bool KarteGemeldet() { return chipkartenZustand.einschub.gemeldet; }
void KarteGenommenMerken() { Einschub().genommen = true; }
void KarteGemeldetMerken() { Einschub().gemeldet = true; }

bool KartentextLesen(QByteArray& ziel, int position, int w, const Kartenbild& bild)
{
    QByteArray text;
    for (int i = 0; i <= w; ++i) {
        if (!ImBild(position + i, 1)) return false;
        const u16 e = bild[position + i];
        if (e == 0) {
            ziel = text;
            return true;
        }
        if (e > 0xFF) return false;
        text += char(e);
    }
    return false;
}

bool KartenzahlLesen(u16& ziel, int position, int w, const Kartenbild& bild)
{
    QByteArray ziffern;
    if (!KartentextLesen(ziffern, position, w, bild)) return false;
    u32 wert = 0;
    for (char c : ziffern) {
        if (c < '0' || c > '9') return false;
        wert = wert * 10 + u32(c - '0');
        if (wert > 0xFFFF) return false;
    }
    ziel = u16(wert);
    return true;
}

bool KartenJaNeinLesen(u8& ziel, int position, const Kartenbild& bild)
{
    if (!ImBild(position, 2) || bild[position + 1] != 0) return false;
    switch (bild[position]) {
    case 2: ziel = 1; return true;
    case 1: ziel = 0; return true;
    default: return false;
    }
}

void KartentextSchreiben(int position, const QByteArray& text, int w, Kartenbild& bild)
{
    const int n = std::max(0, std::min(int(text.size()), w));
    if (!ImBild(position, n + 1)) return;
    for (int i = 0; i < n; ++i) bild[position + i] = u16(u8(text.at(i)));
    bild[position + n] = 0;
}

int KartenzahlStellen(u32 wert) { return int(QByteArray::number(wert).size()); }

int KartenzahlSchreiben(int position, u32 wert, Kartenbild& bild)
{
    const QByteArray ziffern = QByteArray::number(wert);
    KartentextSchreiben(position, ziffern, int(ziffern.size()), bild);
    return int(ziffern.size());
}

void KartenJaNeinSchreiben(int position, bool wert, Kartenbild& bild)
{
    if (!ImBild(position, 2)) return;
    bild[position] = wert ? 2 : 1;
    bild[position + 1] = 0;
}

bool KartenkennungIst(const char* kennung, const Kartenbild& bild)
{
    QByteArray t;
    return KartentextLesen(t, 0, 8, bild) && t == kennung;
}

bool SpielerkarteUebernehmen(int p)
{
    if (p < 1 || p > MaxSpieler || !AktWettkampf) return false;
    TSpielerEintrag& s = *AktWettkampf->SpielerZeiger[p];
    if (s.Gestartet || !KartenkennungIst(SpielerkartenKennung)) return false;
    QByteArray name, pass, geburtsdatum;
    if (!KartentextLesen(name, SpielerkarteName, SpielerkarteNameBreite) ||
        !KartentextLesen(pass, SpielerkartePass, SpielerkartePassBreite) ||
        !KartentextLesen(geburtsdatum, SpielerkarteGeburtsdatum, SpielerkarteGeburtsdatumBreite))
        return false;
    s.Name.setzen(name);
    s.Pass.setzen(pass);
    s.Gebdat.setzen(geburtsdatum);
    AktWettkampf->Geaendert = 1;
    return true;
}
