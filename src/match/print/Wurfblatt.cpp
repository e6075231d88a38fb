#include "match/print/Wurfblatt.h"

#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/engine/Buchung.h"
#include "match/print/Druckwarteschlange.h"
#include "match/engine/Ersatzkette.h"
#include "match/print/Escp.h"
#include "match/flow/Spielbahnen.h"

#include <QByteArray>
#include <algorithm>
#include <string_view>

using Escp::Cr;
using Escp::Esc;

namespace {

constexpr char Lf = 10;
constexpr char Bs = 8;
constexpr char So = 14;   // double width for the rest of the line
constexpr char Dc4 = 20;  // double width off
constexpr char Si = 15;   // condensed
constexpr char Dc2 = 18;  // condensed off
constexpr char Block = char(219);

// Line steps in 1/180 inch.
constexpr int ZweiBahnenSchritt = 50;
constexpr int ZentralSchritt = 30;
constexpr int HalbeZeile = 25;
// Column of the part sums on a two-lane sheet, relative to the lane's column.
constexpr int SummenAbstand = 34;

const TZentralDrucker& DruckerVon(int bahn)
{
    static const TZentralDrucker keiner;
    const int p = DruckerZuordnung.contains(bahn) ? DruckerZuordnung[bahn] : 0;
    return p >= 1 && p <= ZentralDruckerAnzahl ? Einst.Drucker[p] : keiner;
}

// The lane's match when it prints this layout's sheets on the lane's printer.
TWettkampfDaten* Blattspiel(int bahn, u8 TWettkampfDaten::*layout)
{
    TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (!w || !(w->*layout) || !WurfblattDruckt(*w, bahn)) return nullptr;
    return w;
}

std::string_view Sicht(const char* s) { return s ? std::string_view(s) : std::string_view(); }

// One job for one lane, built whole; the paper counters change only when the
// queue took it.
class Auftrag {
public:
    Auftrag(int bahn, TWettkampfDaten& w, int schritt)
        : m_bahn(bahn), m_w(w), m_d(DruckerVon(bahn)), m_schritt(schritt),
          m_anfang(BahnDaten[bahn].DruckZeilenstand), stand(m_anfang)
    {
    }

private:
    int m_bahn;
    TWettkampfDaten& m_w;
    const TZentralDrucker& m_d;
    int m_schritt;
    int m_anfang;
    bool m_setzen = false;

public:
    QByteArray a;
    int stand;  // the lane's counter as the job leaves the paper

    void vor(int n) { VorschubVor(a, n, m_d); }
    void zurueck(int n) { VorschubZurueck(a, n, m_d); }
    void schrittVor() { vor(m_schritt), ++stand; }
    void schrittZurueck() { zurueck(m_schritt), --stand; }
    // Leaves every lane of the sheet at stand instead of moving it along.
    void standSetzen(int n) { stand = n, m_setzen = true; }

    void blattanfang() { BlattanfangVorschub(a, m_d); }
    void blattende() { BlattendeVorschub(a, m_d); }
    void zeichen(char c) { a.append(c); }
    void esc(char c) { a.append(Esc).append(c); }
    // ESC $: absolute position in 1/60 inch.
    void position(int n) { a.append(Esc).append('$').append(char(n & 0xFF)).append(char((n >> 8) & 0xFF)); }
    void spalte(int c) { position(c * 5); }
    // The program's own text, its control codes included.
    void text(std::string_view s) { a.append(s.data(), qsizetype(s.size())); }
    // Texts from records and settings: their control characters go out as
    // blanks (DruckbarerText), whatever the field's form.
    void eintrag(QByteArrayView s) { a.append(DruckbarerText(s)); }
    void kodiert(const char* s)
    {
        char puffer[128];
        a.append(puffer, DruckerText(TextZiel(puffer, sizeof puffer), DruckbarerText(Sicht(s)).constData()));
    }
    void kodiertFeld(const char* s, int w)
    {
        char puffer[64];
        a.append(puffer, DruckerTextFeld(TextZiel(puffer, sizeof puffer), DruckbarerText(Sicht(s)).constData(),
                                         std::clamp(w, 0, 63)));
    }
    void feld(const char* s, int w)
    {
        char puffer[64];
        a.append(puffer,
                 TextFeld(TextZiel(puffer, sizeof puffer), DruckbarerText(Sicht(s)).constData(), std::clamp(w, 0, 63)));
    }
    void rechts(const char* s, int w)
    {
        char puffer[16];
        a.append(puffer, TextRechtsbuendig(TextZiel(puffer, sizeof puffer), DruckbarerText(Sicht(s)).constData(),
                                           std::clamp(w, 0, 15)));
    }
    void zahl(unsigned long z, int w)
    {
        char puffer[16];
        a.append(puffer, ZahlRechtsbuendig(TextZiel(puffer, sizeof puffer), z, std::clamp(w, 0, 15)));
    }

    // Appends the job to the lane's queue and moves the counters of the
    // lanes on the sheet: the pair lanes of the match on a two-lane sheet,
    // every lane of the match on a central one.
    bool senden()
    {
        if (!DruckauftragAnhaengen(m_bahn, a)) return false;
        const int d = stand - m_anfang;
        auto nachziehen = [&](int k) {
            if (!BahnDaten.contains(k)) return;
            u8& z = BahnDaten[k].DruckZeilenstand;
            z = u8(std::clamp(m_setzen ? stand : z + d, 0, 255));
        };
        if (m_schritt == ZweiBahnenSchritt) {
            nachziehen(m_bahn);
            // A pair lane of another match prints on a sheet of its own.
            const int paar = DruckerPaarBahn(m_bahn);
            if (paar >= m_w.ErsteSpielbahn && paar <= m_w.LetzteSpielbahn) nachziehen(paar);
        } else {
            for (int k : BahnenVon(m_w)) nachziehen(k);
            if (m_bahn < m_w.ErsteSpielbahn || m_bahn > m_w.LetzteSpielbahn) nachziehen(m_bahn);
        }
        return true;
    }
};

struct Totale {
    unsigned long volle = 0, abr = 0, fehler = 0;
};

// The player's results with those of the players he replaced.
Totale TotaleVon(TWettkampfDaten& w, TSpielerEintrag* spieler)
{
    Totale t;
    if (!spieler) return t;
    for (const TSpielerEintrag* s : Vorgaenger(w, spieler)) {
        t.volle += s->Volle.Zahl;
        t.abr += s->Abr.Zahl;
        t.fehler += s->Fehler.Zahl;
    }
    return t;
}

// --- Two-lane sheets -----------------------------------------------------------

// The line of throw t: Volle throws on the lane's first line, Abräumen
// throws on the second.
void ZweiBahnenZeile(Auftrag& j, const TWettkampfDaten& w, int t)
{
    if (t <= w.Volle) {
        while (j.stand > 1) j.schrittZurueck();
    } else {
        while (j.stand > 2) j.schrittZurueck();
        while (j.stand < 2) j.schrittVor();
    }
}

// The sum of a phase at the end of the lane's line.
void PhasensummeDrucken(Auftrag& j, int spalte, u16 zahl, const char* text)
{
    j.zeichen(Cr);
    j.spalte(spalte + SummenAbstand);
    if (zahl < 100) j.zeichen(' ');
    j.text(Sicht(text));
}

// A printed sum blacked out and the new one half a line above it.
void PhasensummeErsetzen(Auftrag& j, int spalte, const char* text)
{
    j.zeichen(Cr);
    j.spalte(spalte + SummenAbstand);
    j.text("\xDB\xDB\xDB\b\b\b");
    j.zurueck(HalbeZeile);
    j.feld(text, 3);
}

// --- Central sheets ------------------------------------------------------------

int BahnenImSpiel(const TWettkampfDaten& w) { return w.LetzteSpielbahn - w.ErsteSpielbahn + 1; }

void ZentralSumme(Auftrag& j, int spalte, const char* titel, const char* text)
{
    j.vor(40);
    j.zeichen(Cr);
    j.spalte(spalte);
    j.kodiert(titel);
    j.text(Sicht(text));
    j.zurueck(40);
}

// The line of throw t (the lane's current one, or a corrected one), first
// printed or overprinted.
void ZentralWurfzeile(int bahn, int t, char holz, char marke, u16 bild)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w || t < 1 || t > MaxWuerfe) return;
    TBahnDaten& l = BahnDaten[bahn];
    const int c = l.DruckSpalte;
    const int v = w->Volle;
    const bool markenspalte = BahnenImSpiel(*w) < 5;
    Auftrag j(bahn, *w, ZentralSchritt);
    // The Volle and the Abräumen lines are 50/180 inch apart.
    if (v >= t && v < j.stand) j.zurueck(50);
    if (v < t && v >= j.stand) j.vor(50);
    while (j.stand > t) j.schrittZurueck();
    while (j.stand < t) j.schrittVor();
    j.spalte(c);
    const bool gedruckt = l.WurfGedruckt[t] != 0;
    bool abschnitt = false;
    if (!gedruckt) {
        j.zahl(unsigned(t), 2);
        j.zeichen(' ');
        j.zeichen(holz);
        j.zeichen(' ');
        j.text(l.TextGesamt.view());
        j.zeichen(' ');
        j.rechts(l.TextFehler.c_str(), 2);
        if (markenspalte) {
            abschnitt = l.DruckAbschnitt != 0;
            j.zeichen(abschnitt ? 'D' : marke ? SonderzeichenWandeln(marke) : ' ');
        }
        KegelbildDrucken(j.a, bild);
        if (t == v) ZentralSumme(j, c, "Volle:  ", l.TextVolle.c_str());
        if (t == v + w->Abraeumen) ZentralSumme(j, c, "Abr\xE4umen:  ", l.TextAbraeumen.c_str());
    } else {
        j.text("   ");
        j.zeichen(holz == ' ' ? ' ' : Block);
        j.zeichen(holz);
        if (markenspalte) j.text("      K");
        if (l.TeilBeendet) ZentralSumme(j, c, "Abr\xE4umen:  ", l.TextAbraeumen.c_str());
    }
    j.zeichen(Cr);
    if (!j.senden()) return;
    l.WurfGedruckt[t] = 1;
    if (abschnitt) l.DruckAbschnitt = 0;
}

// --- Result sheet ----------------------------------------------------------------

void ErgebnisSpieler(Auftrag& j, const TSpielerEintrag& s, bool ergebnis)
{
    j.zeichen(' ');
    j.kodiertFeld(s.Name.c_str(), 22);
    j.text(" /");
    j.feld(s.Pass.c_str(), 7);
    j.zeichen('/');
    j.rechts(s.Gebdat.c_str(), 2);  // the year
    j.text(" /");
    j.feld(s.Wurf.Text.c_str(), 6);
    if (!ergebnis) {
        j.text("                      ");  // six, six, six and four
        return;
    }
    j.zahl(s.Volle.Zahl, 3);
    j.text("   ");
    j.zahl(s.Abr.Zahl, 3);
    j.text("   ");
    j.zahl(s.Fehler.Zahl, 3);
    j.text("   ");
    j.zahl(s.Total.Zahl, 4);
}

void Mannschaftssummen(Auftrag& j, const TMannschaftBlock& m)
{
    j.rechts(m.Volle.Text.c_str(), 4);
    j.text("  ");
    j.rechts(m.Abr.Text.c_str(), 4);
    j.text("  ");
    j.rechts(m.Fehler.Text.c_str(), 4);
    j.text("   ");
    j.rechts(m.Total.Text.c_str(), 4);
}

}  // namespace

void BahndruckVorStart(int) {}
void BahndruckNachStart(int) {}
void BahndruckVorWurf(int) {}
void BahndruckVorBahnende(int) {}
void BahndruckVorWertung(int) {}

// --- Two-lane sheets ---------------------------------------------------------------

void BahndruckKopf(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    if (!w) return;
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    j.blattanfang();
    if (w->DrKopf) {
        j.esc('G');
        j.zeichen(So);
        for (int spalte = 0; spalte < 2; ++spalte) {
            j.text(spalte == 0 ? "  " : "     ");
            j.kodiertFeld(w->Club.c_str(), 20);
        }
        j.text("\n\n\r");
        j.position(185);
        j.eintrag(w->Datum.view());
        j.zeichen(Cr);
        j.position(179 + 256);
        j.eintrag(w->Datum.view());
        j.text("\n\r");
        for (int pos : {20, 14 + 256}) {
            j.position(pos);
            j.kodiertFeld(w->Heimmannschaft.c_str(), 19);
            j.text(" - ");
            j.kodiertFeld(w->Gastmannschaft.c_str(), 19);
            if (pos == 20) j.zeichen(Cr);
        }
        j.esc('H');
    }
    j.zeichen(Cr);
    j.standSetzen(0);
    j.senden();
}

void BahndruckSpielerKopf(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    if (!w) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const TSpielerEintrag* s = l.BahnSpieler;
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    if (j.stand >= 3) {
        // The sheet's first round ended with its results: the second one
        // starts a block below them, not over the first.
        while (j.stand > 3) j.schrittZurueck();
        j.vor(30);
        j.stand = 0;
    }
    while (j.stand >= 2) j.schrittZurueck();
    if (j.stand == 1) j.zurueck(145);
    j.vor(90);
    j.esc('G');
    j.spalte(l.DruckSpalte);
    j.kodiertFeld(s ? s->Name.c_str() : "", 25);
    j.zeichen('/');
    j.feld(s ? s->Pass.c_str() : "", 6);
    j.zeichen(Cr);
    j.spalte(l.DruckSpalte + SummenAbstand);
    j.text("/Bahn ");
    j.a.append(QByteArray::number(bahn));
    j.esc('H');
    j.text("\n\n\r");
    j.standSetzen(1);
    j.senden();
}

void BahndruckWurf(int bahn, char holz, char marke)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    if (!w) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const int t = l.WurfNr;
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    ZweiBahnenZeile(j, *w, t);
    j.spalte(l.DruckZeile);
    j.zeichen(holz);
    if (marke) {
        j.zurueck(HalbeZeile);
        j.zeichen(Bs);
        j.zeichen(SonderzeichenWandeln(marke));
        j.vor(HalbeZeile);
    }
    if (t == w->Volle) PhasensummeDrucken(j, l.DruckSpalte, l.BahnVolle, l.TextVolle.c_str());
    if (t == w->Volle + w->Abraeumen) PhasensummeDrucken(j, l.DruckSpalte, l.BahnAbraeumen, l.TextAbraeumen.c_str());
    j.zeichen(Cr);
    j.senden();
}

void BahndruckWurfzeile(int bahn, int wurfNr, char zeichen)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    Buchen::Stelle stelle;
    if (!w || !Buchen::StelleVon(*w, wurfNr, stelle)) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const int c = l.DruckSpalte;
    const int t = wurfNr;
    const int n = l.WurfNr;
    const int v = w->Volle;
    const int a = w->Abraeumen;
    const bool warnung = zeichen == 'V';
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    // The line of the reprinted throw, as it was printed.
    ZweiBahnenZeile(j, *w, t);
    // The column the booking gave the throw when it was printed (DruckZeile),
    // so that the reprint covers the throw and not its neighbour.
    j.spalte(Buchen::Wurfspalte(l.DruckSpalte, stelle.k));
    if (!warnung) j.zeichen(Block);
    j.zurueck(HalbeZeile);
    // Over the throw: past the block one step back; a warning put nothing on
    // the line, so its letter needs none.
    if (!warnung) j.zeichen(Bs);
    j.zeichen(SonderzeichenWandeln(zeichen));
    // The line ends as it began, on the throw's line.
    bool aufZeile = false;
    if (!warnung) {
        // The Volle sum stands on the sheet from throw V on; correcting
        // throw V itself changes it too.
        if (v <= n && t <= v) {
            j.vor(HalbeZeile);
            PhasensummeErsetzen(j, c, l.TextVolle.c_str());
        } else if (n == v - 1 && t == v) {
            j.vor(HalbeZeile);
            PhasensummeDrucken(j, c, l.BahnVolle, l.TextVolle.c_str());
            aufZeile = true;
        } else if (n == v + a && t > v) {
            j.vor(HalbeZeile);
            PhasensummeErsetzen(j, c, l.TextAbraeumen.c_str());
        } else if (n == v + a - 1 && t == v + a) {
            j.vor(HalbeZeile);
            PhasensummeDrucken(j, c, l.BahnAbraeumen, l.TextAbraeumen.c_str());
            aufZeile = true;
        }
    }
    if (!aufZeile) j.vor(HalbeZeile);
    j.zeichen(Cr);
    j.senden();
}

void BahndruckBahnergebnis(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    if (!w) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const int c = l.DruckSpalte;
    const Totale t = TotaleVon(*w, l.BahnSpieler);
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    while (j.stand < 3) j.schrittVor();
    j.spalte(c);
    j.esc('G');
    j.text("Bahnergebnis: ");
    j.text(l.TextGesamt.view());
    j.text("   Total: ");
    j.text(l.TextTotal.view());
    j.text("\n\r");
    j.spalte(c);
    j.text("TotaVolle: ");
    j.zahl(t.volle, 3);
    j.text(" TotaAbr: ");
    j.zahl(t.abr, 3);
    j.text(" TotaFehl: ");
    j.zahl(t.fehler, 3);
    j.zurueck(30);
    j.esc('H');
    j.zeichen(Cr);
    j.senden();
}

void BahndruckFusszeile(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZweiBahnen);
    if (!w) return;
    Auftrag j(bahn, *w, ZweiBahnenSchritt);
    if (w->DrFuss) {
        j.vor(120);
        for (int k = 1; k <= 2; ++k) {
            j.position(30);
            j.kodiert(w->Textzeile[k].c_str());
            j.zeichen(Cr);
            j.position(19 + 256);
            j.kodiert(w->Textzeile[k].c_str());
            j.text(k == 1 ? "\n\r" : "\n\n\r");
        }
        j.position(145);
        j.text("\x0E" "Brenwick\x14\r");
        j.position(134 + 256);
        j.text("\x0E" "Ostervane\x14\n\r");
        j.position(145);
        j.text("Brenwick\r");
        j.position(134 + 256);
        j.text("Ostervane");
    } else {
        j.vor(100);
        j.vor(140);
        j.zeichen(Lf);
    }
    j.blattende();
    j.zeichen(Cr);
    j.senden();
}

// --- Central sheets ----------------------------------------------------------------

void BahndruckKopfStart(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w) return;
    Auftrag j(bahn, *w, ZentralSchritt);
    j.blattanfang();
    if (w->DrKopf) {
        j.esc('G');
        j.zeichen(So);
        j.text("  ");
        j.kodiert(w->Club.c_str());
        j.zeichen(Lf);
        j.vor(10);
        j.zeichen(Cr);
        j.position(20);
        j.kodiert(w->Heimmannschaft.c_str());
        j.text(" - ");
        j.kodiert(w->Gastmannschaft.c_str());
        j.position(179 + 256);
        j.eintrag(w->Datum.view());
        j.esc('H');
    }
    j.zeichen(Cr);
    j.standSetzen(0);
    j.senden();
}

void BahndruckVorschub(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w) return;
    Auftrag j(bahn, *w, ZentralSchritt);
    if (j.stand >= w->Volle) j.zurueck(50);
    while (j.stand > 1) j.schrittZurueck();
    if (j.stand == 1) j.zurueck(140);
    j.standSetzen(0);
    j.senden();
}

void BahndruckSpielerStart(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const int c = l.DruckSpalte;
    char name[sizeof(TSpielerEintrag::Name)] = {};
    if (l.BahnSpieler) TextKopieren(name, l.BahnSpieler->Name.c_str());
    const char* rest = WortAbtrennen(name);
    Auftrag j(bahn, *w, ZentralSchritt);
    while (j.stand >= 2) j.schrittZurueck();
    if (j.stand == 1) j.zurueck(140);
    j.vor(40);
    j.esc('G');
    j.spalte(c);
    j.text("Bahn ");
    j.a.append(QByteArray::number(bahn));
    j.zeichen(Lf);
    j.spalte(c);
    j.kodiertFeld(name, 15);
    j.zeichen(Lf);
    j.spalte(c);
    j.kodiertFeld(rest, 15);
    j.esc('H');
    j.vor(40);
    j.zeichen(Cr);
    j.standSetzen(1);
    j.senden();
}

void BahndruckAbschnitt(int bahn, char holz, char marke)
{
    if (!BahnDaten.contains(bahn)) return;
    const TBahnDaten& l = BahnDaten[bahn];
    ZentralWurfzeile(bahn, l.WurfNr, holz, marke, l.WurfBild);
}

void BahndruckSummenzeile(int bahn, int wurfNr, char holz, char marke)
{
    if (!BahnDaten.contains(bahn)) return;
    const TBahnDaten& l = BahnDaten[bahn];
    u16 bild = l.WurfBild;
    Buchen::Buchung z;
    if (wurfNr != l.WurfNr && Buchen::BuchungVon(bahn, z)) {
        const u16* gebucht = z.bild(wurfNr);
        bild = gebucht ? *gebucht : 0;
    }
    ZentralWurfzeile(bahn, wurfNr, holz, marke, bild);
}

void BahndruckSpielerergebnis(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w) return;
    const TBahnDaten& l = BahnDaten[bahn];
    const int c = l.DruckSpalte;
    const Totale t = TotaleVon(*w, l.BahnSpieler);
    Auftrag j(bahn, *w, ZentralSchritt);
    if (j.stand <= w->Volle) j.vor(50);
    while (j.stand < w->Volle + w->Abraeumen) j.schrittVor();
    j.vor(80);
    j.spalte(c);
    j.esc('G');
    j.text("Ergebnis:  ");
    j.text(l.TextGesamt.view());
    j.vor(30);
    j.spalte(c);
    j.text("Total:    ");
    j.text(l.TextTotal.view());
    const std::pair<const char*, unsigned long> zeilen[] = {
        {"TotaVolle: ", t.volle}, {"TotaAbr:   ", t.abr}, {"TotaFehl:  ", t.fehler}};
    for (const auto& [titel, zahl] : zeilen) {
        j.vor(30);
        j.spalte(c);
        j.text(titel);
        j.zahl(zahl, 3);
    }
    j.zurueck(200);
    j.esc('H');
    j.zeichen(Cr);
    j.senden();
}

void BahndruckFusszeileKurz(int bahn)
{
    TWettkampfDaten* w = Blattspiel(bahn, &TWettkampfDaten::DrZentral);
    if (!w) return;
    Auftrag j(bahn, *w, ZentralSchritt);
    if (w->DrFuss) {
        j.vor(100);
        j.vor(140);
        j.position(20);
        j.kodiert(w->Textzeile[1].c_str());
        j.zeichen(' ');
        j.kodiert(w->Textzeile[2].c_str());
        j.text("\n\n  Brenwick Ostervane");
    } else {
        j.vor(120);
        j.vor(150);
    }
    j.blattende();
    j.zeichen(Cr);
    j.senden();
}

// --- Result sheet ----------------------------------------------------------------------

void BahndruckErgebnisblatt(int bahn, TWettkampfDaten& spiel, QByteArrayView spielort)
{
    if (!BahnDaten.contains(bahn)) return;
    TWettkampfDaten* w = &spiel;
    Auftrag j(bahn, *w, ZentralSchritt);
    j.blattanfang();
    j.esc('G');
    j.zeichen(So);
    j.text("  ");
    j.kodiert(w->Club.c_str());
    j.zeichen(Dc4);
    j.position(79 + 256);
    j.eintrag(spielort);
    j.text(", den ");
    j.eintrag(w->Datum.view());
    j.text("\n\n\n\r");

    j.text("    Bezirk: ");
    j.kodiert(w->Bezirk.c_str());
    j.text("        Klasse: ");
    j.kodiert(w->Klasse.c_str());
    j.text("        Spielnummer:");
    j.feld(w->Gruppe.c_str(), 16);
    j.text(" /");
    j.eintrag(w->Spielnummer.view());
    j.text("\n\n\r");

    j.text("    ");
    j.kodiert(w->Heimmannschaft.c_str());
    j.text(" - ");
    j.kodiert(w->Gastmannschaft.c_str());
    j.text("\n\n\r");
    j.esc('H');
    j.esc('P');
    j.zeichen(Si);

    constexpr std::string_view titel = " Name /Passnummer /Geburtsjahr /Wurf      Volle  Abr  Fehl  Total";
    j.text(titel);
    j.position(240);
    j.text(titel);
    j.text("\n\n\r");

    const int spieler = std::clamp<int>(w->Spieleranzahl, 0, MaxSpieler / 2);
    for (int k = 1; k <= spieler; ++k) {
        ErgebnisSpieler(j, w->Spieler[k], true);
        j.position(240);
        ErgebnisSpieler(j, w->Spieler[k + 8], true);
        j.text("\n\r");
    }
    for (int k = spieler + 1; k <= MaxSpieler / 2; ++k) {
        const TSpielerEintrag& heim = w->Spieler[k];
        const TSpielerEintrag& gast = w->Spieler[k + 8];
        const bool h = TextNichtLeer(heim.Name.c_str());
        const bool g = TextNichtLeer(gast.Name.c_str());
        if (!h && !g) continue;
        if (h) ErgebnisSpieler(j, heim, heim.Fertig);
        j.position(240);
        if (g) ErgebnisSpieler(j, gast, gast.Fertig);
        j.text("\n\r");
    }

    j.text("\n\r");
    j.esc('G');
    j.zeichen(' ');
    j.esc('-');
    j.zeichen(1);
    j.zeichen(' ');
    j.esc('-');
    j.zeichen(0);
    j.text("\n\r");
    j.position(148);
    Mannschaftssummen(j, w->Heim);
    j.position(131 + 256);
    Mannschaftssummen(j, w->Gast);
    j.esc('H');
    j.esc('M');
    j.zeichen(Dc2);
    j.text("\n\n\r");

    for (int k = 1; k <= 4; ++k) {
        j.text("    ");
        j.kodiert(w->Heim.Text[k].c_str());
        j.position(240);
        j.kodiert(w->Gast.Text[k].c_str());
        j.text("\n\r");
    }
    j.text("\n\n\n");

    j.text("\r   ___________________          _______________________________          ____________________\n\r");
    j.kodiert("   Spielf\xFChrer                  Schiedsrichter                           Spielf\xFChrer");
    j.zeichen(Lf);
    j.position(160);
    j.kodiert(w->Schiedsrichter.c_str());

    for (int n = 420 - int(w->Spieleranzahl); n > 0;) {
        if (n >= 255) {
            j.vor(100);
            j.vor(155);
            n -= 255;
        } else {
            j.vor(n);
            break;
        }
    }
    j.blattende();
    j.zeichen(Cr);
    j.senden();
}
