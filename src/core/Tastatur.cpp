#include "core/Tastatur.h"

#include "core/Globals.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

TastaturZustand tastaturZustand;

u16& Feldcode = tastaturZustand.Feldcode;
u16& FeldcodeMin = tastaturZustand.FeldcodeMin;
u16& FeldcodeMax = tastaturZustand.FeldcodeMax;
u16& NaechsterFeldcode = tastaturZustand.NaechsterFeldcode;
u8& Tastencode = tastaturZustand.Tastencode;
u8& Umschalt = tastaturZustand.Umschalt;
u8& Feststell = tastaturZustand.Feststell;
u8& Einfuegen = tastaturZustand.Einfuegen;
u8& NurSchreiben = tastaturZustand.NurSchreiben;
u8& ErstesLaden = tastaturZustand.ErstesLaden;
u8& Eingabemodus = tastaturZustand.Eingabemodus;
i32& TastaturPosition = tastaturZustand.TastaturPosition;
u8& DeckblattTastaturModus = tastaturZustand.DeckblattTastaturModus;
u8& DeckblattZeile = tastaturZustand.DeckblattZeile;

// --- Register ----------------------------------------------------------------------------

Feldregister& feldregister()
{
    static Feldregister r;
    return r;
}

bool Feldregister::anmelden(const Tastaturfeld& feld, const QObject* besitzer)
{
    std::vector<Eintrag>& liste = m_felder[feld.code];
    for (auto it = liste.begin(); it != liste.end();) {
        if (it->feld.ziel.isNull() || it->feld.ziel == feld.ziel) {
            it = liste.erase(it);
        } else if (it->besitzer == besitzer) {
            qWarning("Feldcode %u ist in diesem Fenster schon vergeben", unsigned(feld.code));
            return false;
        } else {
            ++it;
        }
    }
    liste.push_back({feld, besitzer});
    return true;
}

void Feldregister::abmelden(u16 code, const QObject* besitzer)
{
    const auto it = m_felder.find(code);
    if (it == m_felder.end()) return;
    std::erase_if(it->second, [besitzer](const Eintrag& e) { return e.besitzer == besitzer; });
    if (it->second.empty()) m_felder.erase(it);
}

void Feldregister::abmelden(const QObject* besitzer)
{
    for (auto it = m_felder.begin(); it != m_felder.end();) {
        std::erase_if(it->second, [besitzer](const Eintrag& e) { return e.besitzer == besitzer; });
        it = it->second.empty() ? m_felder.erase(it) : std::next(it);
    }
}

const Tastaturfeld* Feldregister::finden(u16 code) const
{
    const auto it = m_felder.find(code);
    if (it == m_felder.end()) return nullptr;
    for (auto e = it->second.rbegin(); e != it->second.rend(); ++e)
        if (!e->feld.ziel.isNull()) return &e->feld;
    return nullptr;
}

std::optional<u16> Feldregister::codeVon(const QObject* ziel) const
{
    for (const auto& [code, liste] : m_felder)
        for (const Eintrag& e : liste)
            if (e.feld.ziel == ziel && ziel) return code;
    return std::nullopt;
}

u16 Feldregister::nachbar(u16 code, int richtung, u16 min, u16 max) const
{
    if (richtung > 0) {
        for (auto it = m_felder.upper_bound(code); it != m_felder.end() && it->first <= max; ++it)
            if (it->first >= min && finden(it->first)) return it->first;
    } else {
        for (auto it = std::make_reverse_iterator(m_felder.lower_bound(code)); it != m_felder.rend() && it->first >= min;
             ++it)
            if (it->first <= max && finden(it->first)) return it->first;
    }
    return code;
}

// --- Characters ---------------------------------------------------------------------------

namespace {

constexpr u8 CodeSz = 0xDF, CodeUe = 0xDC, CodeOe = 0xD6, CodeAe = 0xC4, CodeParagraph = 0xA7;

bool istZiffer(u8 t) { return t >= '0' && t <= '9'; }

bool festeStellen()
{
    const auto& ziel = tastaturZustand.TastaturZiel;
    return ziel && ziel->festeStellen;
}

void auswahlLoeschen(Tastaturzeile& z)
{
    if (z.selLaenge <= 0) return;
    if (festeStellen())
        z.text.replace(z.selStart, z.selLaenge, QString(z.selLaenge, QLatin1Char(' ')));
    else
        z.text.remove(z.selStart, z.selLaenge);
    z.caret = z.selStart;
    z.selLaenge = 0;
}

void caretSetzen(Tastaturzeile& z, int pos)
{
    z.caret = std::clamp(pos, 0, int(z.text.size()));
    z.selStart = z.caret;
    z.selLaenge = 0;
}

// The character that the key inserts by the field's rule; null when the
// rule refuses it.
QChar zeichenNachModus(u8 t, int pos)
{
    const bool gross = Umschalt != 0;
    switch (Eingabemodus) {
    case ModusZiffern: return istZiffer(t) && !gross ? QChar(t) : QChar();
    case ModusDatum:
        if (pos == 2 || pos == 5) return t == '.' ? QChar('.') : QChar();
        return istZiffer(t) && !gross ? QChar(t) : QChar();
    case ModusZeit:
        if ((pos == 2 || pos == 5) && t == '.') return QChar(':');
        return istZiffer(t) && !gross ? QChar(t) : QChar();
    default: return TastenZeichen(t, gross);
    }
}

}  // namespace

QChar TastenZeichen(u8 t, bool umschalt)
{
    if (t >= 'A' && t <= 'Z') return umschalt ? QChar(t) : QChar(t + ('a' - 'A'));
    if (t == CodeUe || t == CodeOe || t == CodeAe) return umschalt ? QChar(t) : QChar(t + 0x20);
    if (!umschalt) return QChar(t);
    switch (t) {
    case '1': return QChar('!');
    case '2': return QChar('"');
    case '3': return QChar(CodeParagraph);
    case '4': return QChar('$');
    case '5': return QChar('%');
    case '6': return QChar('&');
    case '7': return QChar('/');
    case '8': return QChar('(');
    case '9': return QChar(')');
    case '0': return QChar('=');
    case CodeSz: return QChar('?');
    case '\\': return QChar('`');
    case '+': return QChar('*');
    case '#': return QChar('\'');
    case ',': return QChar(';');
    case '.': return QChar(':');
    case '-': return QChar('_');
    default: return QChar(t);
    }
}

void EditChar(Tastaturzeile& z)
{
    const u8 t = Tastencode;
    if (t < 32 || t > 223) return;
    z.caret = std::clamp(z.caret, 0, int(z.text.size()));
    if (z.selLaenge > 0) z.caret = z.selStart;
    switch (t) {
    case TasteLinks: caretSetzen(z, z.caret - 1); break;
    case TasteRechts: caretSetzen(z, z.caret + 1); break;
    case TasteEntf:
        if (z.selLaenge <= 0 && z.caret < z.text.size()) z.selStart = z.caret, z.selLaenge = 1;
        auswahlLoeschen(z);
        break;
    case TasteBacksp:
        if (z.selLaenge <= 0 && z.caret > 0) z.selStart = z.caret - 1, z.selLaenge = 1;
        auswahlLoeschen(z);
        break;
    default: {
        const int pos = z.caret;
        if (Eingabemodus == ModusDatum && (pos == 2 || pos == 5) && t != '.') return;  // shift stays
        const QChar c = zeichenNachModus(t, pos);
        if (c.isNull()) break;
        int von = pos, laenge = 0;
        QString neu = z.text;
        if (festeStellen()) {
            // The selection turns blank and the character takes its first place.
            if (z.selLaenge > 0) {
                von = z.selStart;
                neu.replace(von, z.selLaenge, QString(z.selLaenge, QLatin1Char(' ')));
            }
            if (von < neu.size()) laenge = 1;
        } else if (z.selLaenge > 0) {
            von = z.selStart, laenge = z.selLaenge;
        } else if (!Einfuegen && pos < z.text.size()) {
            laenge = 1;
        }
        neu.replace(von, laenge, c);
        if (neu.size() > z.maxLaenge) break;
        z.text = neu;
        caretSetzen(z, von + 1);
    }
    }
    if (!Feststell) Umschalt = 0;
    z.selStart = z.selLaenge > 0 ? z.selStart : z.caret;
    TastaturPosition = z.caret;
}

// --- Fields ------------------------------------------------------------------------------

void EditNext(Tastaturzeile& z)
{
    const std::optional<Tastaturfeld>& ziel = tastaturZustand.TastaturZiel;
    if (!ErstesLaden && ziel && !ziel->ziel.isNull() && ziel->schreiben) ziel->schreiben(z.text);
    if (NurSchreiben != 0 && ErstesLaden != 1) return;

    Feldcode = NaechsterFeldcode;
    if (const Tastaturfeld* f = feldregister().finden(Feldcode)) {
        tastaturZustand.TastaturZiel = *f;
        Eingabemodus = f->modus;
        z.prompt = f->prompt;
        z.text = f->lesen ? f->lesen() : QString();
        // A field's own text is never cut by the edit line.
        z.maxLaenge = std::max(f->maxLaenge ? f->maxLaenge() : 32767, int(z.text.size()));
    } else {
        tastaturZustand.TastaturZiel.reset();
    }
    caretSetzen(z, int(z.text.size()));
    TastaturPosition = z.caret;
    ErstesLaden = 0;
}

void TastaturAktivieren(Tastaturzeile& z)
{
    ErstesLaden = 1;
    NaechsterFeldcode = Feldcode;
    EditNext(z);
    const auto& ziel = tastaturZustand.TastaturZiel;
    caretSetzen(z, ziel && ziel->caretVorEnde ? int(z.text.size()) - 1 : int(z.text.size()));
    TastaturPosition = z.caret;
    Umschalt = 0;
    Feststell = 0;
    Einfuegen = festeStellen() ? 0 : 1;
    NurSchreiben = 1;
}

namespace {

// Line mode: the current line goes into the text; a step moves to the next
// line (appending one at the end) or the previous one.
void zeileSchreiben(const Tastaturzeile& z)
{
    QStringList* text = tastaturZustand.DeckblattText;
    if (!text) return;
    while (text->size() <= DeckblattZeile) text->append(QString());
    (*text)[DeckblattZeile] = z.text;
}

void zeileSchritt(Tastaturzeile& z, int richtung)
{
    QStringList* text = tastaturZustand.DeckblattText;
    if (!text) return;
    zeileSchreiben(z);
    if (richtung > 0 && DeckblattZeile < std::numeric_limits<u8>::max()) ++DeckblattZeile;
    if (richtung < 0 && DeckblattZeile > 0) --DeckblattZeile;
    while (text->size() <= DeckblattZeile) text->append(QString());
    z.text = text->at(DeckblattZeile);
    caretSetzen(z, int(z.text.size()));
    TastaturPosition = z.caret;
}

void schritt(Tastaturzeile& z, int richtung)
{
    if (DeckblattTastaturModus) {
        zeileSchritt(z, richtung);
        return;
    }
    NurSchreiben = 0;
    NaechsterFeldcode = feldregister().nachbar(Feldcode, richtung, FeldcodeMin, FeldcodeMax);
    EditNext(z);
}

}  // namespace

void TasteVor(Tastaturzeile& z) { schritt(z, +1); }
void TasteZurueck(Tastaturzeile& z) { schritt(z, -1); }

void TasteReturn(Tastaturzeile& z)
{
    NurSchreiben = 1;
    TastaturPosition = 0;
    if (DeckblattTastaturModus) zeileSchreiben(z);
    else EditNext(z);
}

void TasteEsc()
{
    NurSchreiben = 1;
    TastaturPosition = 0;
}

void TasteShift()
{
    if (Feststell) {
        Feststell = 0;
        Umschalt = 0;
    } else {
        Umschalt = Umschalt ? 0 : 1;
    }
}

void TasteLock()
{
    Feststell = 1;
    Umschalt = 1;
}

void TasteEinfg() { Einfuegen = Einfuegen ? 0 : 1; }

void TasteClear(Tastaturzeile& z)
{
    z.text.clear();
    caretSetzen(z, 0);
    TastaturPosition = 0;
    if (!Feststell) Umschalt = 0;
}

// --- Double tap ------------------------------------------------------------------------------

bool TippOeffnet(QObject* control, qint64 jetztMs)
{
    if (!control || !Einst.TastDoppelclick) return true;
    TastaturZustand& t = tastaturZustand;
    if (t.TippBis >= 0 && jetztMs < t.TippBis) {
        const bool gleich = t.ErsterTipp == control;
        t.TippBis = -1;
        t.ErsterTipp = nullptr;
        return gleich;
    }
    t.ErsterTipp = control;
    // A wait of 0 never elapses.
    t.TippBis = Einst.DoppelclickSpeed > 0 ? jetztMs + Einst.DoppelclickSpeed : std::numeric_limits<qint64>::max();
    return false;
}
