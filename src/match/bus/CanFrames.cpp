#include "match/bus/CanFrames.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string_view>

CanDaten::CanDaten(std::initializer_list<std::uint8_t> bytes)
{
    laenge = std::uint8_t(std::min<std::size_t>(bytes.size(), d.size()));
    std::copy_n(bytes.begin(), laenge, d.begin());
}

namespace CanRahmen {

namespace {

constexpr u8 Blank = 0x20;

u8 hoch(u16 wert) { return u8(wert >> 8); }
u8 tief(u16 wert) { return u8(wert & 0xFF); }

// Character k (from 1) of a text, a blank past its end.
u8 zeichen(std::string_view text, std::size_t k)
{
    return k >= 1 && k <= text.size() ? u8(text[k - 1]) : Blank;
}

std::string_view bisNul(const char* text)
{
    return text ? std::string_view(text) : std::string_view();
}

std::string_view bisNul(const QByteArray& text)
{
    const std::string_view v(text.constData(), std::size_t(text.size()));
    return v.substr(0, v.find('\0'));
}

// Ones, tens, ... digit of a value (stelle 0 = ones).
u8 ziffer(unsigned wert, int stelle)
{
    while (stelle-- > 0)
        wert /= 10;
    return u8(wert % 10);
}

u8 zeichenZiffer(int wert, int stelle) { return u8('0' + ziffer(wert > 0 ? unsigned(wert) : 0u, stelle)); }

std::array<CanDaten, 4> spielerName(u8 spielerNr, std::string_view name)
{
    std::array<CanDaten, 4> rahmen;
    for (std::size_t teil = 0; teil < rahmen.size(); ++teil) {
        const std::size_t a = teil * 6;  // characters a+1 .. a+6
        rahmen[teil] = {u8(170 + teil), spielerNr,
                        zeichen(name, a + 1), zeichen(name, a + 2), zeichen(name, a + 3),
                        zeichen(name, a + 4), zeichen(name, a + 5), zeichen(name, a + 6)};
    }
    return rahmen;
}

CanDaten datum(std::string_view text)
{
    return {174, zeichen(text, 1), zeichen(text, 2), zeichen(text, 4),
            zeichen(text, 5), zeichen(text, 7), zeichen(text, 8)};
}

CanDaten anzeigeText(u8 adresse, std::string_view text)
{
    return {234, adresse, zeichen(text, 1), zeichen(text, 2), zeichen(text, 3),
            zeichen(text, 4), zeichen(text, 5), zeichen(text, 6)};
}

}  // namespace

// ---- PC to lane ----

CanDaten ZustandEnde() { return {2, 27}; }
CanDaten ParameterEnde(u8 spielNr) { return {3, spielNr}; }
CanDaten Abmelden() { return {4}; }
CanDaten Spielparameter(u8 subCode, int wert) { return {5, subCode, u8(wert & 0xFF)}; }
CanDaten SpielNrAnfrage() { return {10}; }
CanDaten SpielZuordnung(u8 spielNr) { return {12, spielNr}; }
CanDaten KegelbildAnzeigen(u16 maske) { return {13, 176, tief(maske), hoch(maske)}; }
CanDaten SpielBeitreten() { return {29}; }

CanDaten Startblock(u8 probeMinuten, u8 probeWuerfe, u8 volle, u8 abraeumen, u8 minuten)
{
    return {30, probeMinuten, probeWuerfe, volle, abraeumen, minuten};
}

CanDaten KegelStellen(u16 maske) { return {33, tief(maske), hoch(maske)}; }

CanDaten Steuerbefehl(u8 code) { return {34, code}; }
CanDaten Bahnzeit(u16 zehntelMinuten)
{
    return {34, BefehlBahnzeit, hoch(zehntelMinuten), tief(zehntelMinuten)};
}
CanDaten ProbeWuerfe(u8 wuerfe, bool heim) { return {34, BefehlProbeWuerfe, wuerfe, u8(heim)}; }
CanDaten ProbeMinuten(u8 minuten, bool heim) { return {34, BefehlProbeMinuten, minuten, u8(heim)}; }
CanDaten DurchgangStart(u8 volle, u8 abraeumen, u8 minuten, bool heim)
{
    return {34, BefehlStart, volle, abraeumen, minuten, u8(heim)};
}

CanDaten BahnanzeigeWert(u8 code, int wert)
{
    const unsigned w = wert > 0 ? unsigned(wert) : 0u;
    if (code == AnzSumme)
        return {35, code, ziffer(w, 3), ziffer(w, 2), ziffer(w, 1), ziffer(w, 0)};
    return {35, code, ziffer(w, 2), ziffer(w, 1), ziffer(w, 0)};
}

CanDaten BahnanzeigeTeilwert(u8 wert) { return {35, AnzTeilwert, wert}; }

CanDaten BahnanzeigeSatzpunkte(float punkte)
{
    // Cut to tenths; the epsilon keeps 0.7f (0.69999...) at 7 tenths.
    const double zehntel = std::floor(double(punkte) * 10.0 + 1e-4);
    const unsigned z = zehntel > 0 ? unsigned(std::min(zehntel, 1e6)) : 0u;
    return {35, AnzSatzpunkte, ziffer(z, 1), ziffer(z, 0)};
}

CanDaten BahnanzeigeKorrektur(u8 wurfNr, u8 holzAlt, u8 holzNeu)
{
    return {35, AnzKorrektur, wurfNr, holzAlt, holzNeu};
}

CanDaten Konfiguration(u8 pcEinheit) { return {36, pcEinheit}; }
CanDaten ProgrammEnde(u8 pcEinheit) { return {37, pcEinheit}; }
CanDaten Online() { return {38}; }
CanDaten Freigeben() { return {39}; }
CanDaten SpieleUebernehmen() { return {41}; }
CanDaten StatusAnfrage() { return {42}; }

CanDaten Zaehlerstand(u8 code, int wert, u8 spieler)
{
    const u16 w = u16(wert);
    switch (code) {
    case ZaehlerVolleGesamt:
    case ZaehlerAbraeumenGesamt:
    case ZaehlerHolzGesamt:
        return {code, hoch(w), tief(w), spieler};
    case ZaehlerVolleDurchgang:
    case ZaehlerAbraeumenDurchgang:
    case ZaehlerHolzDurchgang:
    case ZaehlerLaufendeSumme:
        return {code, hoch(w), tief(w)};
    case ZaehlerFehlerSpieler:
    case ZaehlerVerwarnungenSpieler:
    case ZaehlerWuerfeSpieler:
        return {code, tief(w), spieler};
    default:
        return {code, tief(w)};
    }
}

CanDaten KegelbildZustand(u16 maske) { return {0x41, hoch(maske), tief(maske)}; }
CanDaten Ersatzspieler(u8 spielerNr) { return {0x42, spielerNr}; }
CanDaten Auswechslungen(bool heim1, bool heim2, bool gast1, bool gast2)
{
    return {0x43, u8(heim1), u8(heim2), u8(gast1), u8(gast2)};
}
CanDaten SpielerAufBahn(u8 spielerNr) { return {166, spielerNr}; }

std::array<CanDaten, 4> SpielerName(u8 spielerNr, const char* name)
{
    return spielerName(spielerNr, bisNul(name));
}
std::array<CanDaten, 4> SpielerName(u8 spielerNr, const QByteArray& name)
{
    return spielerName(spielerNr, bisNul(name));
}

CanDaten Datum(const char* text) { return datum(bisNul(text)); }
CanDaten Datum(const QByteArray& text) { return datum(bisNul(text)); }
CanDaten Datum(const QDate& d)
{
    if (!d.isValid())
        return datum({});
    const int jahr = d.year() % 100;
    const char text[] = {char(zeichenZiffer(d.day(), 1)), char(zeichenZiffer(d.day(), 0)), '.',
                         char(zeichenZiffer(d.month(), 1)), char(zeichenZiffer(d.month(), 0)), '.',
                         char(zeichenZiffer(jahr, 1)), char(zeichenZiffer(jahr, 0))};
    return datum(std::string_view(text, sizeof text));
}

CanDaten Uhrzeit(const QTime& zeit)
{
    if (!zeit.isValid())
        return {175, Blank, Blank, Blank, Blank, Blank, Blank};
    return {175, zeichenZiffer(zeit.hour(), 1), zeichenZiffer(zeit.hour(), 0),
            zeichenZiffer(zeit.minute(), 1), zeichenZiffer(zeit.minute(), 0),
            zeichenZiffer(zeit.second(), 1), zeichenZiffer(zeit.second(), 0)};
}

CanDaten KorrekturStart() { return {195}; }
CanDaten DruckerEin() { return {196}; }
CanDaten DruckerAus() { return {197}; }
CanDaten MannschaftssummeHeim(u16 summe) { return {211, hoch(summe), tief(summe)}; }
CanDaten MannschaftssummeGast(u16 summe) { return {212, hoch(summe), tief(summe)}; }
CanDaten BahnSpielerNummern(u8 nr1, u8 nr2, u8 nr3, u8 nr4) { return {236, nr1, nr2, nr3, nr4}; }

u16 Auffrischschluessel(u8 laenge, u8 d0, u8 d1)
{
    switch (d0) {
    case 35: return laenge >= 2 && d1 >= AnzWurfNr && d1 <= AnzRestDurchgang ? u16(d0 << 8 | d1) : 0;
    case 13: return laenge >= 2 && d1 == 176 ? u16(d0 << 8 | d1) : 0;
    case 211:
    case 212:
    case 236: return u16(d0 << 8);
    default: return 0;
    }
}

// ---- result boards ----

CanDaten AnzeigeText(u8 adresse, const char* text) { return anzeigeText(adresse, bisNul(text)); }
CanDaten AnzeigeText(u8 adresse, const QByteArray& text) { return anzeigeText(adresse, bisNul(text)); }
CanDaten AnzeigenEin(u8 pcEinheit) { return {236, pcEinheit}; }
CanDaten AnzeigenAus(u8 pcEinheit) { return {237, pcEinheit}; }
CanDaten AnzeigenAusBahn() { return {237}; }
CanDaten AnzeigenKonfiguration(u8 anzahl, u8 breite) { return {238, anzahl, breite}; }
CanDaten AnzeigenHelligkeit(u8 helligkeit) { return {239, helligkeit}; }

CanDaten AnzeigeBlock(int zeile, int spalte, std::string_view zeichen)
{
    CanDaten r{234, u8(((zeile << 4) | spalte) & 0xFF), 0, 0, 0, 0, 0, 0};
    zeichen = zeichen.substr(0, std::min(zeichen.find('\0'), std::size_t(6)));
    for (std::size_t i = 0; i < zeichen.size(); ++i) r.d[2 + i] = u8(zeichen[i]);
    return r;
}

std::vector<CanDaten> AnzeigeZeile(int zeile, std::string_view text, int breite)
{
    breite = std::clamp(breite, 0, AnzeigeZeilenPuffer);
    text = text.substr(0, std::min(text.find('\0'), std::size_t(breite)));
    std::string puffer(std::size_t(AnzeigeZeilenPuffer + 6), '\0');
    std::fill_n(puffer.begin(), breite, ' ');
    std::copy(text.begin(), text.end(), puffer.begin());
    std::vector<CanDaten> r;
    for (int spalte = 1; spalte <= breite; spalte += 6)
        r.push_back(AnzeigeBlock(zeile, spalte, std::string_view(puffer).substr(std::size_t(spalte - 1), 6)));
    return r;
}

std::vector<CanDaten> TafelKennung(int zeile, int breite, char seite)
{
    const char text[2] = {seite, 0};
    return AnzeigeZeile(zeile, TafelErgebnisSpalte(breite) > 1 ? std::string_view(text, 1) : std::string_view(), breite);
}

std::vector<CanDaten> TafelErgebnis(int zeile, int breite, std::string_view erstes, std::string_view total)
{
    const int spalte = TafelErgebnisSpalte(breite);
    if (spalte < 1) return {};
    return {AnzeigeBlock(zeile, spalte, erstes.substr(0, 4)), AnzeigeBlock(zeile, spalte + 5, total.substr(0, 4))};
}

Wurfmeldung WurfmeldungLesen(const CanDaten& rahmen)
{
    const auto& d = rahmen.d;
    Wurfmeldung w;
    w.bild = u16((d[2] << 7) | d[1] | WurfbildVorhanden);
    w.holz = std::popcount(unsigned(w.bild & WurfbildKegelMaske));
    w.flags = d[3];
    if ((d[3] & WurfartFoul) == WurfartFoul && w.holz > 0) {
        w.flags |= WurfartFehlwurfHolz;
        w.fehlwurfHolz = true;
    }
    if (d[3] & WurfartNull) w.holz = 0;
    w.mitZeit = rahmen.laenge >= 6;
    if (w.mitZeit) w.zeit = u16((d[4] << 8) | d[5]);
    return w;
}

}  // namespace CanRahmen
