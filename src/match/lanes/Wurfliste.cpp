#include "match/lanes/Wurfliste.h"

#include "match/print/Wurfprotokoll.h"

#include <algorithm>
#include <bit>

namespace {

constexpr u16 ZahlMaske = 0x000F;  // the entered count of a count-only throw

// Throws of the part and of its Volle phase, both within the record.
struct Teil {
    int volle;
    int wuerfe;
    Teil(int v, int a)
    {
        wuerfe = std::clamp(v + a, 0, MaxWuerfe);
        volle = std::clamp(v, 0, wuerfe);
    }
};

bool Vorhanden(const TDurchgangBlock& b, long t) { return b.Wurfbild.contains(t) && (b.Wurfbild[t] & WurfbildVorhanden); }
bool NurZahl(u16 wurf) { return wurf & WurfbildZahlEingabe; }
u16 Kegel(u16 wurf) { return u16(wurf & WurfbildKegelMaske); }
u16 Art(const TDurchgangBlock& b, long t) { return b.Wurfart.contains(t) ? b.Wurfart[t] : 0; }

// A throw on a full rack: one of the Volle, the first of the clearing, or
// one after a throw that cleared the rack.
bool AufVollesBild(const TDurchgangBlock& b, int volle, long t)
{
    return t <= volle + 1 || (Art(b, t - 1) & WurfartNeuesBild);
}

// The standing pins of the clearing racks as the throws leave them. A
// count-only throw that felled pins leaves them unknown until the next
// cleared rack.
struct Abraeumstand {
    u16 stehend = VollesBild;
    bool bekannt = true;

    void nach(u16 wurf, u16 art)
    {
        if (art & WurfartNeuesBild) {
            stehend = VollesBild;
            bekannt = true;
        } else if (NurZahl(wurf)) {
            if (wurf & ZahlMaske) bekannt = false;
        } else {
            stehend = u16(stehend & ~Kegel(wurf));
        }
    }
};

struct Figur {
    u16 stehend;
    u16 muss1;
    u16 muss2;  // an alternative, 0 when none; both 0: any pin
};

// The first figure contained in the standing pins decides.
constexpr Figur Figuren[] = {
    {0x003, 0x003, 0},     {0x005, 0x005, 0},     {0x03E, 0x00A, 0x024}, {0x03A, 0x00A, 0},
    {0x03C, 0x024, 0},     {0x01A, 0x00A, 0x012}, {0x034, 0x014, 0x024}, {0x00A, 0x00A, 0},
    {0x012, 0x012, 0},     {0x014, 0x014, 0},     {0x024, 0x024, 0},     {0x0D8, 0x090, 0},
    {0x0F0, 0x050, 0},     {0x0D0, 0x050, 0x090}, {0x048, 0x048, 0},     {0x050, 0x050, 0},
    {0x090, 0x090, 0},     {0x0A0, 0x0A0, 0},     {0x140, 0x140, 0},     {0x180, 0x180, 0},
    {0x006, 0, 0},         {0x018, 0, 0},         {0x030, 0, 0},         {0x0C0, 0, 0},
};

bool Enthaelt(u16 menge, u16 teil) { return (menge & teil) == teil; }

// Marks the throws of the full-rack walk; returns how many hit.
int VolleGassen(const TDurchgangBlock& b, const Teil& teil, bool links, bool rechts, QList<Zellart>& zeilen)
{
    int n = 0;
    for (long t = 1; t <= teil.wuerfe; ++t) {
        const u16 w = b.Wurfbild[t];
        if (!Vorhanden(b, t) || NurZahl(w) || !AufVollesBild(b, teil.volle, t)) continue;
        if (GasseGetroffen(w, links, rechts)) {
            zeilen[t - 1] = Zellart::Gasse;
            ++n;
        }
    }
    return n;
}

// Marks the throws of the partial-rack walk; returns how many were correct.
int AbraeumGassen(const TDurchgangBlock& b, const Teil& teil, QList<Zellart>& zeilen)
{
    int n = 0;
    Abraeumstand s;
    for (long t = teil.volle + 1; t <= teil.wuerfe; ++t) {
        if (!Vorhanden(b, t)) continue;
        const u16 w = b.Wurfbild[t];
        if (s.bekannt && s.stehend != VollesBild && !NurZahl(w) && KorrekterWurf(s.stehend, w)) {
            zeilen[t - 1] = Zellart::Gasse;
            ++n;
        }
        s.nach(w, Art(b, t));
    }
    return n;
}

void Erhoehen(u8& zaehler) { zaehler = u8(std::min(int(zaehler) + 1, 255)); }

}  // namespace

int WurflisteWuerfe(const TWettkampfDaten& w) { return Teil(w.Volle, w.Abraeumen).wuerfe; }

int WurfKegelzahl(u16 wurf)
{
    if (NurZahl(wurf)) return wurf & ZahlMaske;
    return std::popcount(unsigned(Kegel(wurf)));
}

void WurfAuswerten(TDurchgangBlock& b, long t)
{
    if (!b.Wurfbild.contains(t)) return;
    const u16 w = b.Wurfbild[t];
    const u16 f = b.Wurfart[t];
    if (!(w & WurfbildVorhanden)) {
        b.Holz[t] = b.FehlWurf[t] = b.NullWurf[t] = b.Marke[t] = 0;
        return;
    }
    const int pins = WurfKegelzahl(w);
    const bool nullWurf = f & WurfartFehlwurfHolz;
    const bool zaehltNull = (f & (WurfartNull | WurfartNullGewertet)) || pins == 0;
    b.Holz[t] = u8(pins);
    b.FehlWurf[t] = zaehltNull && !nullWurf ? 1 : 0;
    b.NullWurf[t] = nullWurf ? 1 : 0;

    u8 m = 0;
    if (b.FehlWurf[t]) m |= MarkeFehlwurf;
    if (nullWurf) m |= MarkeNullwurf;
    if (f & WurfartUebertritt) m |= MarkeUebertritt;
    if (f & WurfartVerwarnung) m |= MarkeVerwarnung;
    if (f & WurfartNeuesBild) m |= MarkeAbgeraeumt;
    if (f & WurfartKorrektur) m |= MarkeKorrigiert;
    if (NurZahl(w)) m |= MarkeZahlEingabe;
    if (f & WurfartZeitGeaendert) m |= MarkeZeitGeaendert;
    b.Marke[t] = m;
}

bool GasseGetroffen(u16 wurf, bool links, bool rechts)
{
    const u16 t = Kegel(wurf);
    return (links && Enthaelt(t, 0x003)) || (rechts && Enthaelt(t, 0x005));
}

bool KorrekterWurf(u16 stehend, u16 wurf)
{
    const u16 s = Kegel(stehend);
    const u16 t = Kegel(wurf);
    if (t == s) return true;
    for (const Figur& f : Figuren) {
        if (!Enthaelt(s, f.stehend)) continue;
        if (f.muss1 == 0) return t != 0;
        return Enthaelt(t, f.muss1) || (f.muss2 != 0 && Enthaelt(t, f.muss2));
    }
    return false;
}

QList<WurflisteZeile> BahnWurflisteFuellen(TDurchgangBlock& b, int wuerfe)
{
    wuerfe = std::clamp(wuerfe, 0, MaxWuerfe);
    QList<WurflisteZeile> zeilen(wuerfe);
    int fehler = 0;
    for (long t = 1; t <= wuerfe; ++t) {
        // A throw voided since it was shown is no longer printed.
        b.Ausgewertet[t] = Vorhanden(b, t) ? 1 : 0;
        if (!b.Ausgewertet[t]) continue;
        WurfAuswerten(b, t);
        WurflisteZeile& z = zeilen[t - 1];
        z.holz = QString::number(b.Holz[t]);
        if (b.FehlWurf[t]) z.fehler = QString::number(++fehler);
        z.ereignis = EreignisText(b.Marke[t]);
    }
    return zeilen;
}

WurflisteSchalter ModusWaehlen(WurflisteModus m) { return WurflisteSchalter{.modus = m}; }

WurflisteSchalter GassentasteDruecken(const WurflisteSchalter& s, Gassentaste t)
{
    using M = WurflisteModus;
    WurflisteSchalter n = s;
    const bool wechseln = s.modus == M::Fehler || s.modus == M::Wurfbild || (t != Gassentaste::Korrekt && s.modus == M::Abr);
    if (wechseln) n.modus = M::Ergebnis;
    n.korrekt = true;
    n.links = t == Gassentaste::Links;
    n.rechts = t == Gassentaste::Rechts;
    return n;
}

BahnAnsicht ModusAnsicht(const TDurchgangBlock& b, int volle, int abraeumen, WurflisteModus m)
{
    const Teil teil(volle, abraeumen);
    BahnAnsicht a;
    a.zeilen = QList<Zellart>(teil.wuerfe, Zellart::Normal);
    switch (m) {
    case WurflisteModus::Ergebnis:
        a.ergebnis = QString::number(int(b.Volle.Zahl) + int(b.Abr.Zahl)) + QStringLiteral(" Holz");
        break;
    case WurflisteModus::Volle:
        a.ergebnis = b.Volle.Text.text() + QStringLiteral(" Holz");
        break;
    case WurflisteModus::Abr:
        a.ergebnis = b.Abr.Text.text() + QStringLiteral(" Holz");
        break;
    case WurflisteModus::Fehler:
        a.ergebnis = b.Fehler.Text.text() + QStringLiteral(" Fehler");
        for (long t = 1; t <= teil.wuerfe; ++t)
            if (Vorhanden(b, t) && b.FehlWurf[t]) a.zeilen[t - 1] = Zellart::Fehler;
        break;
    case WurflisteModus::Wurfbild:
        a.zeilen.clear();
        break;
    }
    return a;
}

BahnAnsicht GassenAnsicht(const TDurchgangBlock& b, int volle, int abraeumen, const WurflisteSchalter& s)
{
    const Teil teil(volle, abraeumen);
    BahnAnsicht a;
    a.zeilen = QList<Zellart>(teil.wuerfe, Zellart::Normal);
    const bool links = !s.rechts;
    const bool rechts = !s.links;
    int n = 0;
    if (s.modus != WurflisteModus::Abr) n += VolleGassen(b, teil, links, rechts, a.zeilen);
    if (s.modus != WurflisteModus::Volle) n += AbraeumGassen(b, teil, a.zeilen);
    a.ergebnis = QString::number(n) + QStringLiteral(" Wurf");
    return a;
}

QString BahnErgebnisText(const TDurchgangBlock& b) { return b.Total.Text.text().left(5) + QStringLiteral(" Holz"); }

const KegelKreis KegelKreise[9] = {
    {0x100, 34, 0, 44, 10},  {0x040, 20, 12, 30, 22}, {0x080, 48, 12, 58, 22},
    {0x008, 6, 24, 16, 34},  {0x010, 34, 24, 44, 34}, {0x020, 62, 24, 72, 34},
    {0x002, 20, 38, 30, 48}, {0x004, 48, 38, 58, 48}, {0x001, 34, 50, 44, 60},
};

Kegelbild KegelbildVon(const TDurchgangBlock& b, int zeile)
{
    Kegelbild k;
    const long t = long(zeile) + 1;
    if (zeile < 0 || !b.Wurfbild.contains(t)) return k;
    k.kreise = true;
    if (!Vorhanden(b, t)) return k;
    const u16 w = b.Wurfbild[t];
    k.text = QString::number(WurfKegelzahl(w));
    if (NurZahl(w))
        k.kreise = false;
    else
        k.kegel = Kegel(w);
    return k;
}

void StatistikZaehlen(TDurchgangBlock& b, int volle, int abraeumen, bool fertig)
{
    b.KorrekterWurfVolle = b.KorrekteLinkeGasse = b.KorrekteRechteGasse = 0;
    b.KorrekterAnschub = b.KorrekterWurfAbr = b.Abgeraeumt = 0;
    if (!fertig || b.Bahn == 0) return;
    const Teil teil(volle, abraeumen);
    for (long t = 1; t <= teil.volle; ++t) {
        const u16 w = b.Wurfbild[t];
        if (!Vorhanden(b, t) || NurZahl(w)) continue;
        if (GasseGetroffen(w, true, true)) Erhoehen(b.KorrekterWurfVolle);
        if (GasseGetroffen(w, true, false)) Erhoehen(b.KorrekteLinkeGasse);
        if (GasseGetroffen(w, false, true)) Erhoehen(b.KorrekteRechteGasse);
    }
    Abraeumstand s;
    for (long t = teil.volle + 1; t <= teil.wuerfe; ++t) {
        if (!Vorhanden(b, t)) continue;
        const u16 w = b.Wurfbild[t];
        const u16 art = Art(b, t);
        if (!NurZahl(w)) {
            // A push: the throw on a full rack, the first of the clearing included.
            if (AufVollesBild(b, teil.volle, t) && GasseGetroffen(w, true, true)) Erhoehen(b.KorrekterAnschub);
            if (s.bekannt && KorrekterWurf(s.stehend, w)) Erhoehen(b.KorrekterWurfAbr);
        }
        if (art & WurfartNeuesBild) Erhoehen(b.Abgeraeumt);
        s.nach(w, art);
    }
}

void MannschaftsstatistikBerechnen(TWettkampfDaten& w, bool heim)
{
    const int erster = heim ? 1 : 9;
    for (int n = erster; n < erster + 8; ++n) {
        TSpielerEintrag& p = w.Spieler[n];
        if (!p.Gestartet) continue;
        for (TDurchgangBlock& b : p.Durchgang) {
            if (b.Bahn != 0) BahnWurflisteFuellen(b, WurflisteWuerfe(w));
            StatistikZaehlen(b, w.Volle, w.Abraeumen, p.Fertig != 0);
        }
    }
}

bool WurflisteHeim(const TWettkampfDaten& w, const TSpielerEintrag& p)
{
    const long n = w.Spieler.indexOf(&p);
    if (n >= 1) return n <= 8;
    return p.IstHeim != 0;
}
