#include "core/TextFunctions.h"

#include "core/Cp1252.h"
#include "core/Globals.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string_view quelleVon(const char* s)
{
    return std::string_view(s ? s : "");
}

// Characters that fit before the NUL.
int platz(const TextZiel& ziel)
{
    if (ziel.kapazitaet == 0) return 0;
    return int(std::min<std::size_t>(ziel.kapazitaet - 1, 0x7fffffff));
}

// Usable width of a field that ends with a NUL at position w.
int feldBreite(const TextZiel& ziel, int w)
{
    return std::clamp(w, 0, platz(ziel));
}

// Usable width of a field without NUL (part of a print line).
int zeilenBreite(const TextZiel& ziel, int w)
{
    if (w < 0) return 0;
    return int(std::min<std::size_t>(std::size_t(w), ziel.kapazitaet));
}

void abschliessen(const TextZiel& ziel, int pos)
{
    if (ziel.kapazitaet > 0) ziel.daten[pos] = 0;
}

// Copies s cut to the capacity, terminated; returns the length copied.
int kopieren(const TextZiel& ziel, std::string_view s)
{
    const int n = int(std::min(s.size(), std::size_t(platz(ziel))));
    std::memmove(ziel.daten, s.data(), std::size_t(n));
    abschliessen(ziel, n);
    return n;
}

void auffuellen(char* p, int von, int bis)
{
    for (int i = von; i < bis; ++i) p[i] = ' ';
}

// Umlauts as two letters; null for every other character.
const char* umschrift(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case 0xE4: return "ae";
    case 0xF6: return "oe";
    case 0xFC: return "ue";
    case 0xDF: return "ss";
    case 0xC4: return "AE";
    case 0xD6: return "OE";
    case 0xDC: return "UE";
    default: return nullptr;
    }
}

// Writes s transliterated into p[0..w-1]; an umlaut that does not fit in full
// ends the text. Returns the places used.
int umschreiben(char* p, std::string_view s, int w)
{
    int pos = 0;
    for (char c : s) {
        if (pos >= w) break;
        if (const char* u = umschrift(c)) {
            if (pos + 2 > w) break;
            p[pos++] = u[0];
            p[pos++] = u[1];
        } else {
            p[pos++] = c;
        }
    }
    return pos;
}

std::string ziffern(unsigned long zahl)
{
    return std::to_string(zahl);
}

// The last w digits of zahl (all of them when there are fewer).
std::string letzteZiffern(unsigned long zahl, int w)
{
    std::string d = ziffern(zahl);
    if (int(d.size()) > w) d.erase(0, d.size() - std::size_t(w));
    return d;
}

int zahlFeld(TextZiel ziel, unsigned long zahl, int w, char fueller, bool rechts)
{
    const int b = feldBreite(ziel, w);
    const std::string d = letzteZiffern(zahl, b);
    const int n = int(d.size());
    std::memset(ziel.daten, fueller, std::size_t(b));
    std::memcpy(ziel.daten + (rechts ? b - n : 0), d.data(), std::size_t(n));
    abschliessen(ziel, b);
    return std::max(w, 0);
}

// Whole part of zahl * faktor. The small relative addition lets values that
// are exact in decimal survive the float error (12.34f * 100 = 1233.9999...).
// Negative values and NaN count as 0.
qint64 ganzerTeil(float zahl, double faktor)
{
    const double d = double(zahl) * faktor;
    if (!(d > 0)) return 0;
    if (d >= 1e15) return qint64(1e15);
    return qint64(d + d * 1e-6);
}

bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// One or two decimal digits; nullopt otherwise.
std::optional<int> einOderZweiZiffern(QStringView s)
{
    if (s.isEmpty() || s.size() > 2) return std::nullopt;
    int n = 0;
    for (QChar c : s) {
        if (!istZiffer(c)) return std::nullopt;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

bool istTrenner(char c)
{
    return c == ' ' || c == ',';
}

// Pads the text from its length with blanks up to w and terminates at w.
void wortFeldAbschliessen(TextZiel text, int laenge, int w)
{
    const int b = feldBreite(text, w);
    auffuellen(text.daten, laenge, b);
    abschliessen(text, b);
}

qint64 paarSchluessel(int i)
{
    return Paare[i].Schluessel;
}

}  // namespace

// --- Booleans, numbers and text -------------------------------------------

bool TextZuBool(const QString& text)
{
    return text == QLatin1String("True") || text == QLatin1String("true");
}

QString BoolZuText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QString BoolZuJaNein(bool b)
{
    return b ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

QString BoolZuTF(bool b)
{
    return b ? QStringLiteral("T") : QStringLiteral("F");
}

std::uint8_t BoolNormieren(std::uint8_t b)
{
    return b == 0 ? 0 : 1;
}

// Every character counts as a digit, unchecked ("7A" gives 87).
std::uint16_t ZiffernZuZahl(const char* text)
{
    std::uint16_t n = 0;
    for (unsigned char c : quelleVon(text)) n = std::uint16_t(n * 10 + (c - '0'));
    return n;
}

// Only '0'..'9' count; other characters are skipped ("1 2" gives 12).
std::uint16_t TextZuZahl(const char* text)
{
    std::uint16_t n = 0;
    for (char c : quelleVon(text)) {
        if (c >= '0' && c <= '9') n = std::uint16_t(n * 10 + (c - '0'));
    }
    return n;
}

std::uint16_t TextZuZahl(const QString& text)
{
    std::uint16_t n = 0;
    for (QChar c : text) {
        if (istZiffer(c)) n = std::uint16_t(n * 10 + (c.unicode() - '0'));
    }
    return n;
}

int ZaehleV(const QString& text)
{
    return int(text.left(2).count(QLatin1Char('V')));
}

// One decimal, cut: 4.56 gives "4.5".
QString ZahlText1Stelle(float zahl)
{
    const qint64 t = ganzerTeil(zahl, 10);
    return QString::number(t / 10) + QLatin1Char('.') + QString::number(t % 10);
}

// Two decimals, cut: 12.34 gives "12.34", 0.5 gives "0.50".
QString ZahlText2Stellen(float zahl)
{
    QString s = QString::number(ganzerTeil(zahl, 100));
    if (s.size() < 3) s = s.rightJustified(3, QLatin1Char('0'));
    s.insert(s.size() - 2, QLatin1Char('.'));
    return s;
}

// '.' or ',' as the decimal point, independent of the machine's locale.
std::optional<double> TextZuFloat(const QString& text)
{
    QString s = text;
    const qsizetype komma = s.indexOf(QLatin1Char(','));
    if (komma >= 0) s[komma] = QLatin1Char('.');
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    return d;
}

void ZahlZuZiffern(std::uint16_t zahl, TextZiel ziel)
{
    kopieren(ziel, zahl == 0 ? std::string() : ziffern(zahl));
}

void ZahlZuZiffernNull(std::uint16_t zahl, TextZiel ziel)
{
    kopieren(ziel, ziffern(zahl));
}

QString ZahlZuText(std::uint16_t zahl)
{
    return zahl == 0 ? QString() : QString::number(zahl);
}

// "5 " and "5" give 5; only decimal digits count.
std::optional<int> ZweiZiffernZuZahl(const QString& text)
{
    QStringView s = QStringView(text).left(2);
    if (s.size() == 2 && s[1] == QLatin1Char(' ')) s = s.left(1);
    return einOderZweiZiffern(s);
}

// --- Numbers into fixed-width fields ----------------------------------------

int ZahlRechtsbuendig(TextZiel ziel, unsigned long zahl, int w)
{
    return zahlFeld(ziel, zahl, w, ' ', true);
}

int ZahlMitNullen(TextZiel ziel, unsigned long zahl, int w)
{
    return zahlFeld(ziel, zahl, w, '0', true);
}

int ZahlLinksbuendig(TextZiel ziel, unsigned long zahl, int w)
{
    return zahlFeld(ziel, zahl, w, ' ', false);
}

// --- Text into fields, umlauts and printer codes ---------------------------

// A code of 0 is not set: the letter of the German character set that the
// printer reset selects (ESC R 2), never a NUL byte that drops the letter.
char UmlautDruckerzeichen(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 91) return c;
    const auto code = [](std::uint8_t gesetzt, char deutsch) { return gesetzt ? char(gesetzt) : deutsch; };
    switch (u) {
    case 0xE4: return code(Einst.DrAeKlein, '{');
    case 0xF6: return code(Einst.DrOeKlein, '|');
    case 0xFC: return code(Einst.DrUeKlein, '}');
    case 0xDF: return code(Einst.DrSs, '~');
    case 0xC4: return code(Einst.DrAeGross, '[');
    case 0xD6: return code(Einst.DrOeGross, '\\');
    case 0xDC: return code(Einst.DrUeGross, ']');
    default: return c;
    }
}

int TextFeld(TextZiel ziel, const char* quelle, int w)
{
    const int b = feldBreite(ziel, w);
    const std::string_view s = quelleVon(quelle).substr(0, std::size_t(b));
    std::memmove(ziel.daten, s.data(), s.size());
    auffuellen(ziel.daten, int(s.size()), b);
    abschliessen(ziel, b);
    return std::max(w, 0);
}

void UmlauteErsetzen(TextZiel ziel, const char* quelle)
{
    abschliessen(ziel, umschreiben(ziel.daten, quelleVon(quelle), platz(ziel)));
}

int UmlauteErsetzenFeld(TextZiel ziel, const char* quelle, int w)
{
    const int b = feldBreite(ziel, w);
    auffuellen(ziel.daten, umschreiben(ziel.daten, quelleVon(quelle), b), b);
    abschliessen(ziel, b);
    return std::max(w, 0);
}

int DruckerTextFeld(TextZiel ziel, const char* quelle, int w)
{
    const int b = zeilenBreite(ziel, w);
    const std::string_view s = quelleVon(quelle).substr(0, std::size_t(b));
    for (std::size_t i = 0; i < s.size(); ++i) ziel.daten[i] = UmlautDruckerzeichen(s[i]);
    auffuellen(ziel.daten, int(s.size()), b);
    return std::max(w, 0);
}

int DruckerText(TextZiel ziel, const char* quelle)
{
    const int n = kopieren(ziel, quelleVon(quelle));
    for (int i = 0; i < n; ++i) ziel.daten[i] = UmlautDruckerzeichen(ziel.daten[i]);
    return n;
}

int TextKopieren(TextZiel ziel, const char* quelle)
{
    return kopieren(ziel, quelleVon(quelle));
}

int TextRechtsbuendig(TextZiel ziel, const char* quelle, int w)
{
    const int b = zeilenBreite(ziel, w);
    std::string_view s = quelleVon(quelle);
    if (s.size() > std::size_t(b)) s.remove_prefix(s.size() - std::size_t(b));
    const int luecke = b - int(s.size());
    auffuellen(ziel.daten, 0, luecke);
    std::memmove(ziel.daten + luecke, s.data(), s.size());
    return std::max(w, 0);
}

// Skips leading blanks and zeros, then drops every blank. Reads ahead of
// where it writes, so the source may be the destination itself.
int NullenEntfernen(TextZiel ziel, const char* quelle)
{
    const std::string_view s = quelleVon(quelle);
    std::size_t i = s.find_first_not_of(" 0");
    int n = 0;
    for (; i < s.size() && n < platz(ziel); ++i) {
        if (s[i] != ' ') ziel.daten[n++] = s[i];
    }
    abschliessen(ziel, n);
    return n;
}

int NullenEntfernenMin(TextZiel ziel, const char* quelle)
{
    const int n = NullenEntfernen(ziel, quelle);
    if (n > 0) return n;
    return kopieren(ziel, "0");
}

void NullenEntfernenHier(TextZiel text)
{
    if (text.kapazitaet == 0) return;
    text.daten[text.kapazitaet - 1] = 0;
    NullenEntfernen(text, text.daten);
}

bool TextNichtLeer(const char* text)
{
    return quelleVon(text).find_first_not_of(' ') != std::string_view::npos;
}

// --- Words, lists and paths --------------------------------------------------

// Field k gets word k (words end at a blank), transliterated and padded to w.
void WorteZuFeldern(std::span<const TextZiel> felder, const char* quelle, int w)
{
    std::string_view rest = quelleVon(quelle);
    for (const TextZiel& feld : felder) {
        const std::size_t ende = std::min(rest.find(' '), rest.size());
        const int b = feldBreite(feld, w);
        auffuellen(feld.daten, umschreiben(feld.daten, rest.substr(0, ende), b), b);
        abschliessen(feld, b);
        rest.remove_prefix(ende);
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    }
}

void ErstesWortFeld(TextZiel text, int w)
{
    if (text.kapazitaet == 0) return;
    const std::string_view s(text.daten, ::strnlen(text.daten, text.kapazitaet - 1));
    const std::size_t ende = std::min(s.find_first_of(" ,"), s.size());
    wortFeldAbschliessen(text, int(ende), w);
}

// "Meier, Hans Peter" becomes "Meier Hans Peter"; returns that length before
// the field is padded or cut to w.
int ZweiWorteFeld(TextZiel text, int w)
{
    if (text.kapazitaet == 0) return 0;
    char* p = text.daten;
    int n = int(::strnlen(p, text.kapazitaet - 1));
    int i = 0;
    while (i < n && !istTrenner(p[i])) ++i;
    if (i < n) {
        p[i++] = ' ';
        int j = i;
        while (j < n && istTrenner(p[j])) ++j;
        std::memmove(p + i, p + j, std::size_t(n - j));
        n -= j - i;
    }
    wortFeldAbschliessen(text, n, w);
    return n;
}

// Cuts the first word off at a blank or comma; returns the rest after the
// blanks and commas that follow it.
char* WortAbtrennen(char* text)
{
    static char leer[1] = {0};
    if (!text) return leer;
    char* p = text;
    while (*p && !istTrenner(*p)) ++p;
    if (!*p) return p;
    *p++ = 0;
    while (istTrenner(*p)) ++p;
    return p;
}

int ListeTeilen(char* text, std::span<char*> felder)
{
    if (!text) return 0;
    int n = 0;
    char* p = text;
    while (std::size_t(n) < felder.size()) {
        felder[std::size_t(n++)] = p;
        p = std::strchr(p, ';');
        if (!p) break;
        *p++ = 0;
    }
    return n;
}

// Next part of a path up to '\' or '/'; the cursor moves past the separator.
void PfadTeil(TextZiel ziel, const char*& cursor)
{
    const std::string_view s = quelleVon(cursor);
    const std::size_t ende = std::min(s.find_first_of("\\/"), s.size());
    kopieren(ziel, s.substr(0, ende));
    if (cursor) cursor += ende < s.size() ? ende + 1 : ende;
}

QString DateiNameOhneEndung(const QString& name)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? name : name.left(punkt);
}

// Masked date "dd.mm.yy": nothing entered gives '', a missing day is dropped.
void DatumBereinigen(TextZiel ziel, const char* datum)
{
    std::string_view s = quelleVon(datum);
    if (s == "  .  .  ") s = "";
    else if (s.starts_with("  .")) s.remove_prefix(3);
    kopieren(ziel, s);
}

// --- Lanes, throws, sorting --------------------------------------------------

// "Bahn n", "Bahn n bis m", "Bahn n und m" with n >= 1 and the last number at
// most bahnAnzahl.
bool IstBahnText(const QString& text, int bahnAnzahl)
{
    QStringView s(text);
    if (!s.startsWith(QLatin1String("Bahn ")))
        return false;
    s = s.mid(5);
    const qsizetype blank = s.indexOf(QLatin1Char(' '));
    const std::optional<int> n = einOderZweiZiffern(blank < 0 ? s : s.left(blank));
    if (!n || *n < 1) return false;
    std::optional<int> letzte = n;
    if (blank >= 0) {
        const QStringView wort = s.mid(blank + 1, 4);
        if (wort != QLatin1String("bis ") && wort != QLatin1String("und ")) return false;
        letzte = einOderZweiZiffern(s.mid(blank + 5));
    }
    // A range that ends before it begins (or at lane 0) names no lanes.
    return letzte && *letzte >= *n && *letzte <= bahnAnzahl;
}

// Bit 14 marks a throw: pins (bits 0..8), a blank, the flags (bits 0..7).
QString WurfZuText(std::uint16_t wurf, std::uint8_t flags)
{
    if (!(wurf & 0x4000)) return QStringLiteral("kein Wurf");
    QString s;
    for (int b = 0; b < 9; ++b) s += QLatin1Char((wurf >> b) & 1 ? '1' : '0');
    s += QLatin1Char(' ');
    for (int b = 0; b < 8; ++b) s += QLatin1Char((flags >> b) & 1 ? '1' : '0');
    return s;
}

void PaareSortieren(int lo, int hi)
{
    lo = std::max(lo, 1);
    hi = std::min(hi, MaxPaare);
    if (lo >= hi) return;
    const qint64 pivot = paarSchluessel((lo + hi) / 2);
    int i = lo;
    int j = hi;
    do {
        while (paarSchluessel(i) > pivot) ++i;
        while (paarSchluessel(j) < pivot) --j;
        if (i <= j) {
            std::swap(Paare[i], Paare[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j) PaareSortieren(lo, j);
    if (i < hi) PaareSortieren(i, hi);
}

