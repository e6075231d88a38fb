#include "match/print/Wurfprotokoll.h"

#include "core/Clock.h"
#include "core/Globals.h"

#include <algorithm>

QString EreignisText(u8 marke)
{
    static const QString buchstaben[8] = {
        QStringLiteral("F"), QStringLiteral("N"), QStringLiteral("Ü"), QStringLiteral("V"),
        QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("W"), QStringLiteral("Z"),
    };
    QString text;
    for (int bit = 0; bit < 8; ++bit)
        if (marke & (1u << bit)) text += buchstaben[bit];
    return text;
}

int DruckLayout::seiten() const
{
    return 1 + int(std::count_if(befehle.begin(), befehle.end(),
                                 [](const DruckBefehl& b) { return b.art == DruckBefehl::NeueSeite; }));
}

QRectF DruckLayout::rahmen(const DruckBefehl& b) const
{
    switch (b.art) {
    case DruckBefehl::Kreis:
        return QRectF(b.x, b.y, b.breite, b.hoehe);
    case DruckBefehl::Text: {
        const double em = b.groesse * punkt;
        const double breite = b.text.size() * em * (b.fett ? 0.65 : 0.6);
        const double x = b.anker == Anker::Links ? b.x : b.x - breite;
        return QRectF(x, b.y, breite, 1.2 * em);
    }
    case DruckBefehl::NeueSeite:
        break;
    }
    return QRectF();
}

namespace {

constexpr double A4QuerPunkte = 841.89;  // width of an A4 landscape page
constexpr double ProtokollBreite = 1360;
constexpr double ProtokollRand = 12;
constexpr double StatistikBreite = 300;
constexpr double StatistikRand = 3;
constexpr int ZeilenJeSeite = 50;  // throws of one protocol page
constexpr int SpielerJeSeite = 4;

class Zeichner {
public:
    explicit Zeichner(DruckLayout& l) : m_befehle(l.befehle) {}

    void schrift(int groesse, bool fett)
    {
        m_groesse = groesse;
        m_fett = fett;
    }
    void text(double x, double y, const QString& t, Anker anker = Anker::Links)
    {
        DruckBefehl b;
        b.x = x;
        b.y = y;
        b.text = t;
        b.groesse = m_groesse;
        b.fett = m_fett;
        b.anker = anker;
        m_befehle << b;
    }
    void rechts(double x, double y, const QString& t) { text(x, y, t, Anker::Rechts); }
    void kreis(double x, double y, double breite, double hoehe, bool gefuellt)
    {
        DruckBefehl b;
        b.art = DruckBefehl::Kreis;
        b.x = x;
        b.y = y;
        b.breite = breite;
        b.hoehe = hoehe;
        b.gefuellt = gefuellt;
        m_befehle << b;
    }
    void neueSeite()
    {
        DruckBefehl b;
        b.art = DruckBefehl::NeueSeite;
        m_befehle << b;
    }

private:
    QList<DruckBefehl>& m_befehle;
    int m_groesse = 8;
    bool m_fett = false;
};

QString Datumtext()
{
    const QDate d = Jetzt().date();
    return QString::asprintf("%02d.%02d.%02d", d.day(), d.month(), d.year() % 100);
}

QString Spieltext(const TWettkampfDaten& w)
{
    return QStringLiteral("Spiel: ") + w.Heimmannschaft.text() + QStringLiteral(" - ") + w.Gastmannschaft.text();
}

// The unit that fits every command on the page: at most the nominal width,
// less when the content reaches further right or down.
void Einpassen(DruckLayout& l, double nennbreite, double rand, QSizeF seite)
{
    double rechts = nennbreite - rand;
    double unten = 0;
    for (const DruckBefehl& b : l.befehle) {
        if (b.art == DruckBefehl::NeueSeite) continue;
        const QRectF r = l.rahmen(b);
        rechts = std::max(rechts, r.right());
        unten = std::max(unten, r.bottom());
    }
    const double einheit = std::min(seite.width() / (rechts + rand), seite.height() / (unten + rand));
    l.einheit = std::max(einheit, 0.0);
}

// --- Throw protocol -----------------------------------------------------------

struct Kegelfeld {
    int kegel;
    double x, y;  // the box's corner, relative to the block and the row
};
constexpr Kegelfeld Kegelbild[] = {
    {9, 120, 0}, {5, 120, 4}, {1, 120, 8}, {7, 115, 2}, {2, 115, 6},
    {8, 125, 2}, {3, 125, 6}, {4, 110, 4}, {6, 130, 4},
};

int LetzterGewerteterWurf(const TDurchgangBlock& b)
{
    for (int t = MaxWuerfe; t >= 1; --t)
        if (b.Ausgewertet[t]) return t;
    return 0;
}

void ProtokollKopf(Zeichner& z, const TWettkampfDaten& w, const TSpielerEintrag& s)
{
    z.schrift(12, true);
    z.text(12, 12, Spieltext(w));
    z.schrift(10, false);
    z.text(1220, 12, QStringLiteral("vom   ") + Datumtext());
    z.text(12, 40, QStringLiteral("Spieler: ") + s.Name.text());
    z.text(600, 40, QStringLiteral("Ergebnis: ") + s.Total.Text.text() + QStringLiteral(" Holz"));
}

struct Lauf {
    int fehler = 0;
    int gesamt = 0;
};

// Rows erste..erste+49 of block b; the summary when the block ends on this page.
void ProtokollBlock(Zeichner& z, const TDurchgangBlock& b, double x0, int erste, Lauf& lauf)
{
    z.schrift(8, true);
    z.text(x0 + 12, 64, QStringLiteral("Bahn ") + QString::number(b.Bahn));
    const struct {
        double x;
        const char* text;
    } spalten[] = {{12, "Wurf"}, {56, "Holz"}, {96, "Wurfbild"}, {164, "Ereignis"}, {228, "Fehler"}, {280, "Gesamt"}};
    for (const auto& s : spalten) z.text(x0 + s.x, 80, QString::fromUtf8(s.text));
    z.schrift(8, false);

    double y = 88;
    const int letzte = erste + ZeilenJeSeite - 1;
    for (int t = erste; t <= letzte; ++t) {
        if (!b.Ausgewertet[t]) continue;
        y = 16 * (t - erste + 1) + 88;
        z.rechts(x0 + 36, y, QString::number(t));
        z.text(x0 + 68, y, QString::number(b.Holz[t]));
        // A count without a picture holds the count in the pin bits.
        const u16 bild = (b.Wurfbild[t] & WurfbildZahlEingabe) ? 0 : b.Wurfbild[t];
        for (const Kegelfeld& k : Kegelbild) z.kreis(x0 + k.x, y + k.y, 3, 3, (bild & (1u << (k.kegel - 1))) != 0);
        z.text(x0 + 176, y, EreignisText(b.Marke[t]));
        if (b.FehlWurf[t]) ++lauf.fehler;
        if (!b.FehlWurf[t] && !b.NullWurf[t]) lauf.gesamt += b.Holz[t];
        z.rechts(x0 + 260, y, QString::number(lauf.fehler));
        z.rechts(x0 + 320, y, QString::number(lauf.gesamt));
    }
    if (LetzterGewerteterWurf(b) > letzte) return;
    z.text(x0 + 12, y + 20, QStringLiteral("Volle:"));
    z.rechts(x0 + 90, y + 20, b.Volle.Text.text());
    z.text(x0 + 124, y + 20, QStringLiteral("Abr:"));
    z.rechts(x0 + 218, y + 20, b.Abr.Text.text());
    z.text(x0 + 12, y + 36, QStringLiteral("Fehler:"));
    z.rechts(x0 + 90, y + 36, b.Fehler.Text.text());
    z.text(x0 + 124, y + 36, QStringLiteral("Gesamt:"));
    z.rechts(x0 + 218, y + 36, b.Total.Text.text());
}

// --- Side statistics ----------------------------------------------------------

void StatistikKopf(Zeichner& z, const TWettkampfDaten& w, bool heim, int seite)
{
    z.schrift(12, true);
    z.text(3, 5, Spieltext(w));
    z.schrift(10, false);
    if (seite > 0) z.text(200, 5, QStringLiteral("Seite ") + QString::number(seite));
    z.text(272, 5, QStringLiteral("vom   ") + Datumtext());
    z.text(3, 12, heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft"));
}

void StatistikBlock(Zeichner& z, const TSpielerEintrag& p, const TDurchgangBlock& b, double xd, double y0)
{
    z.schrift(8, true);
    z.text(3 + xd, 26 + y0, QStringLiteral("Bahn ") + QString::number(b.Bahn));
    z.schrift(8, false);
    const struct {
        double y;
        QString links, linksWert, rechts, rechtsWert;
    } zeilen[] = {
        {32, QStringLiteral("Volle:"), b.Volle.Text.text(), QStringLiteral("korrekter Wurf:"),
         QString::number(b.KorrekterWurfVolle)},
        {36, {}, {}, QStringLiteral("korrekte linke Gasse:"), QString::number(b.KorrekteLinkeGasse)},
        {40, {}, {}, QStringLiteral("korrekte rechte Gasse:"), QString::number(b.KorrekteRechteGasse)},
        {44, QStringLiteral("Abräumen:"), b.Abr.Text.text(), QStringLiteral("korrekter Anschub:"),
         QString::number(b.KorrekterAnschub)},
        {48, QStringLiteral("abgeräumt:"), QString::number(b.Abgeraeumt), QStringLiteral("korrekter Wurf:"),
         QString::number(b.KorrekterWurfAbr)},
        {52, QStringLiteral("Fehler:"), b.Fehler.Text.text(), QStringLiteral("Verwarnungen:"),
         QString::number(p.VerwarnungAnzahl)},
        {56, QStringLiteral("Gesamt:"), b.Total.Text.text(), {}, {}},
    };
    for (const auto& r : zeilen) {
        if (!r.links.isEmpty()) {
            z.text(xd + 3, y0 + r.y, r.links);
            z.rechts(xd + 28, y0 + r.y, r.linksWert);
        }
        if (!r.rechts.isEmpty()) {
            z.text(xd + 32, y0 + r.y, r.rechts);
            z.rechts(xd + 72, y0 + r.y, r.rechtsWert);
        }
    }
}

void StatistikTotal(Zeichner& z, const TSpielerEintrag& p, double h, double y0)
{
    z.schrift(8, false);
    z.text(3 + h, 60 + y0, QStringLiteral("Total:"));
    z.rechts(28 + h, 60 + y0, p.Total.Text.text());
}

int ErsterSpieler(bool heim) { return heim ? 1 : 9; }

// One player's statistics on a row at y0: his name, his lane blocks 1..bloecke
// from block place versatz on, his total; h shifts name and total right.
void StatistikSpieler(Zeichner& z, const TSpielerEintrag& s, double h, int versatz, int bloecke, double y0)
{
    z.schrift(10, true);
    z.text(3 + h, 20 + y0, QStringLiteral("Spieler: ") + s.Name.text());
    for (int d = 1; d <= bloecke; ++d)
        if (s.Durchgang[d].Bahn) StatistikBlock(z, s, s.Durchgang[d], (d - 1 + versatz) * 75.0, y0);
    StatistikTotal(z, s, h, y0);
}

}  // namespace

DruckLayout WurfprotokollLayout(const TWettkampfDaten& w, const TSpielerEintrag& s, QSizeF seite)
{
    DruckLayout l;
    l.punkt = ProtokollBreite / A4QuerPunkte;
    Zeichner z(l);

    int seiten = 1;
    for (const TDurchgangBlock& b : s.Durchgang)
        if (b.Bahn && LetzterGewerteterWurf(b) > ZeilenJeSeite) seiten = 2;

    Array1<Lauf, MaxDurchgaenge> laeufe;
    for (int k = 0; k < seiten; ++k) {
        const int erste = k * ZeilenJeSeite + 1;
        if (k > 0) z.neueSeite();
        ProtokollKopf(z, w, s);
        for (int d = 1; d <= MaxDurchgaenge; ++d) {
            const TDurchgangBlock& b = s.Durchgang[d];
            if (!b.Bahn) continue;
            if (k > 0 && LetzterGewerteterWurf(b) < erste) continue;  // finished on an earlier page
            ProtokollBlock(z, b, (d - 1) * 340.0, erste, laeufe[d]);
        }
    }
    Einpassen(l, ProtokollBreite, ProtokollRand, seite);
    return l;
}

DruckLayout MannschaftsstatistikLayout(const TWettkampfDaten& w, bool heim, QSizeF seite)
{
    DruckLayout l;
    l.punkt = StatistikBreite / A4QuerPunkte;
    Zeichner z(l);
    StatistikKopf(z, w, heim, 0);
    const int erster = ErsterSpieler(heim);
    for (int p = erster; p < erster + 8; ++p) {
        const TSpielerEintrag& s = w.Spieler[p];
        if (!s.Gestartet) continue;
        const bool rechteHaelfte = p - erster >= SpielerJeSeite;
        StatistikSpieler(z, s, rechteHaelfte ? 150 : 0, rechteHaelfte ? 2 : 0, 2, ((p - 1) % 4) * 48.0);
    }
    Einpassen(l, StatistikBreite, StatistikRand, seite);
    return l;
}

DruckLayout MannschaftsstatistikSeitenLayout(const TWettkampfDaten& w, bool heim, QSizeF seite)
{
    DruckLayout l;
    l.punkt = StatistikBreite / A4QuerPunkte;
    Zeichner z(l);
    int seitenNr = 1;
    StatistikKopf(z, w, heim, seitenNr);
    // Rows count the players printed on the page, so that a missing fifth
    // player (no page break) never puts two players on one row.
    int zeile = 0;
    const int erster = ErsterSpieler(heim);
    for (int p = erster; p < erster + 8; ++p) {
        const TSpielerEintrag& s = w.Spieler[p];
        if (!s.Gestartet) continue;
        if (p == erster + SpielerJeSeite && zeile > 0) {
            z.neueSeite();
            StatistikKopf(z, w, heim, ++seitenNr);
            zeile = 0;
        }
        StatistikSpieler(z, s, 0, 0, MaxDurchgaenge, zeile++ * 48.0);
    }
    Einpassen(l, StatistikBreite, StatistikRand, seite);
    return l;
}

std::optional<DruckLayout> DruckartLayout(Druckart art, bool heim, QSizeF seite)
{
    if (!AktWettkampf) return std::nullopt;
    switch (art) {
    case Druckart::Wurfprotokoll:
        if (!AktSpieler) return std::nullopt;
        return WurfprotokollLayout(*AktWettkampf, *AktSpieler, seite);
    case Druckart::Mannschaftsstatistik:
        return MannschaftsstatistikLayout(*AktWettkampf, heim, seite);
    case Druckart::MannschaftsstatistikSeiten:
        return MannschaftsstatistikSeitenLayout(*AktWettkampf, heim, seite);
    }
    return std::nullopt;
}

QString DruckartName(Druckart art, bool heim)
{
    QString name;
    if (art == Druckart::Wurfprotokoll) {
        if (AktSpieler) name = AktSpieler->Name.text().trimmed();
        return name.isEmpty() ? QStringLiteral("Wurfprotokoll") : QStringLiteral("Wurfprotokoll ") + name;
    }
    if (AktWettkampf)
        name = (heim ? AktWettkampf->Heimmannschaft.text() : AktWettkampf->Gastmannschaft.text()).trimmed();
    return name.isEmpty() ? QStringLiteral("Mannschaftsstatistik") : QStringLiteral("Mannschaftsstatistik ") + name;
}
