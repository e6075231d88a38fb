#include "competition/Spielertabelle.h"

#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "match/dienste/Wettbewerbdienste.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <numeric>

const std::array<SpielerSpalte, SpielerSpalten> SpielerSpaltenListe = {{
    {"Club", 30},
    {"Name", 30},
    {"Passnummer", 6},
    {"Geburtsdatum", 8},
    {"Gruppe", 30},
    {"Nation", 15},
    {"Plz", 8},
    {"Ort", 30},
    {"Adresse", 30},
    {"Tel", 15},
    {"Fax", 15},
    {"email", 30},
}};

SpielerdatenbankZustand spielerdatenbankZustand;
int& SuchSpalte = spielerdatenbankZustand.SuchSpalte;
int& DragZeile = spielerdatenbankZustand.DragZeile;

// --- The table --------------------------------------------------------------------------

const SpielerZelle& Spielertabelle::zelle(int r, int spalte) const
{
    static const SpielerZelle keine;
    if (r < 0 || r >= zeilen() || spalte < 0 || spalte >= SpielerSpalten) return keine;
    return m_zeilen[std::size_t(r)][std::size_t(spalte)];
}

void Spielertabelle::setZeile(int r, const SpielerZeile& z)
{
    if (r < 0 || r >= zeilen()) return;
    m_zeilen[std::size_t(r)] = z;
    melden(Aenderung::Inhalt);
}

void Spielertabelle::setZelle(int r, int spalte, const SpielerZelle& z)
{
    if (r < 0 || r >= zeilen() || spalte < 0 || spalte >= SpielerSpalten) return;
    m_zeilen[std::size_t(r)][std::size_t(spalte)] = z;
    melden(Aenderung::Inhalt);
}

int Spielertabelle::zeileEinfuegen(int r)
{
    r = std::clamp(r, 0, zeilen());
    m_zeilen.insert(m_zeilen.begin() + r, SpielerZeile{});
    melden(Aenderung::Zeilen);
    return r;
}

int Spielertabelle::zeileAnfuegen(const SpielerZeile& z)
{
    m_zeilen.push_back(z);
    melden(Aenderung::Zeilen);
    return zeilen() - 1;
}

void Spielertabelle::zeileLoeschen(int r)
{
    if (r < 0 || r >= zeilen()) return;
    m_zeilen.erase(m_zeilen.begin() + r);
    melden(Aenderung::Zeilen);
}

void Spielertabelle::zeilenLoeschen(QList<int> rs)
{
    std::sort(rs.begin(), rs.end());
    rs.erase(std::unique(rs.begin(), rs.end()), rs.end());
    bool geloescht = false;
    for (auto it = rs.crbegin(); it != rs.crend(); ++it) {
        if (*it < 0 || *it >= zeilen()) continue;
        m_zeilen.erase(m_zeilen.begin() + *it);
        geloescht = true;
    }
    if (geloescht) melden(Aenderung::Zeilen);
}

void Spielertabelle::leeren()
{
    m_zeilen.clear();
    melden(Aenderung::Zeilen);
}

void Spielertabelle::umordnen(const std::vector<int>& ordnung)
{
    if (int(ordnung.size()) != zeilen()) return;
    std::vector<bool> gesehen(ordnung.size());
    for (int alt : ordnung) {
        if (alt < 0 || alt >= zeilen() || gesehen[std::size_t(alt)]) return;
        gesehen[std::size_t(alt)] = true;
    }
    std::vector<SpielerZeile> neu;
    neu.reserve(ordnung.size());
    for (int alt : ordnung) neu.push_back(std::move(m_zeilen[std::size_t(alt)]));
    m_zeilen = std::move(neu);
    melden(Aenderung::Zeilen);
}

void Spielertabelle::setZeilen(std::vector<SpielerZeile> zeilen)
{
    m_zeilen = std::move(zeilen);
    melden(Aenderung::Zeilen);
}

void Spielertabelle::melden(Aenderung a)
{
    if (m_still == 0 && m_melder) m_melder(a);
}

Spielertabelle& Spielerdatenbank()
{
    static Spielertabelle tabelle;
    return tabelle;
}

// --- Rows and player records ------------------------------------------------------------

namespace {

// Calls f(column, field) for the twelve fields in column order.
template <typename S, typename F>
void Felder(S& s, F f)
{
    f(0, s.Club);
    f(1, s.Name);
    f(2, s.Pass);
    f(3, s.Gebdat);
    f(4, s.Gruppe);
    f(5, s.Nation);
    f(6, s.Plz);
    f(7, s.Ort);
    f(8, s.Adresse);
    f(9, s.Tel);
    f(10, s.Fax);
    f(11, s.Email);
}

}  // namespace

void StarterZeileLesen(TSpielerEintrag& s, const Spielertabelle& t, int r)
{
    SpielerLoeschen(s);
    if (r < 0 || r >= t.zeilen()) return;
    const SpielerZeile& z = t.zeile(r);
    Felder(s, [&](int spalte, auto& feld) {
        const SpielerZelle& c = z[std::size_t(spalte)];
        if (!ZelleLeer(c)) feld.setzen(*c);  // cut to the field's width
    });
}

void StarterZeileLesen(TSpielerEintrag& s, int r) { StarterZeileLesen(s, Spielerdatenbank(), r); }

void StarterZeileSchreiben(const TSpielerEintrag& s, Spielertabelle& t, int r)
{
    if (r < 0 || r >= t.zeilen()) return;
    SpielerZeile z;
    Felder(s, [&](int spalte, const auto& feld) {
        if (!feld.leer()) z[std::size_t(spalte)] = feld.bytes();
    });
    t.setZeile(r, z);
}

void StarterZeileSchreiben(const TSpielerEintrag& s, int r) { StarterZeileSchreiben(s, Spielerdatenbank(), r); }

// --- Sort -------------------------------------------------------------------------------

namespace {

QByteArrayView Sortiertext(const Spielertabelle& t, int r, int spalte)
{
    const SpielerZelle& c = t.zelle(r, spalte);
    return c ? QByteArrayView(*c) : QByteArrayView("");
}

// By bytes, unsigned: "A" < "Z" < "a" < "z" < "ä".
int Vergleich(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The grid's quicksort on the positions lo..hi of `ordnung`; the smaller range
// recursively, the larger in the loop, so deep tables do not exhaust the stack.
void Quicksort(const Spielertabelle& t, int spalte, std::vector<int>& ordnung, int lo, int hi)
{
    while (lo < hi) {
        const QByteArrayView pivot = Sortiertext(t, ordnung[std::size_t((lo + hi) / 2)], spalte);
        int i = lo;
        int j = hi;
        do {
            while (Vergleich(Sortiertext(t, ordnung[std::size_t(i)], spalte), pivot) < 0) ++i;
            while (Vergleich(Sortiertext(t, ordnung[std::size_t(j)], spalte), pivot) > 0) --j;
            if (i <= j) {
                if (i < j) std::swap(ordnung[std::size_t(i)], ordnung[std::size_t(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            if (lo < j) Quicksort(t, spalte, ordnung, lo, j);
            lo = i;
        } else {
            if (i < hi) Quicksort(t, spalte, ordnung, i, hi);
            hi = j;
        }
    }
}

}  // namespace

std::vector<int> SortierOrdnung(const Spielertabelle& t, int spalte)
{
    std::vector<int> ordnung(std::size_t(t.zeilen()));
    std::iota(ordnung.begin(), ordnung.end(), 0);
    if (spalte >= 0 && spalte < SpielerSpalten && t.zeilen() > 1) Quicksort(t, spalte, ordnung, 0, t.zeilen() - 1);
    return ordnung;
}

void StarterSortieren(Spielertabelle& t, int spalte)
{
    if (spalte < 0 || spalte >= SpielerSpalten) return;
    t.umordnen(SortierOrdnung(t, spalte));
}

void StarterSortieren(int spalte)
{
    if (spalte < 0 || spalte >= SpielerSpalten) return;
    Spielertabelle& t = Spielerdatenbank();
    const std::vector<int> ordnung = SortierOrdnung(t, spalte);
    auto& z = spielerdatenbankZustand;
    if (z.SuchTrefferZeile >= 0) {
        const auto it = std::find(ordnung.begin(), ordnung.end(), z.SuchTrefferZeile);
        z.SuchTrefferZeile = it == ordnung.end() ? -1 : int(it - ordnung.begin());
    }
    t.umordnen(ordnung);
}

// --- Find -------------------------------------------------------------------------------

int StarterSuchen(const Spielertabelle& t, int spalte, QByteArrayView text)
{
    if (spalte < 0 || spalte >= SpielerSpalten) return -1;
    for (int r = 0; r < t.zeilen(); ++r) {
        const SpielerZelle& c = t.zelle(r, spalte);
        const QByteArrayView wert = ZelleLeer(c) ? QByteArrayView(" ") : QByteArrayView(*c);
        if (Vergleich(wert, text) == 0) return r;
    }
    return -1;
}

int StarterSuchen(int spalte, QByteArrayView text) { return StarterSuchen(Spielerdatenbank(), spalte, text); }

int ZelleSuchen(const Spielertabelle& t, int spalte, QByteArrayView text, bool teil, int ab)
{
    if (text.isEmpty() || spalte < 0 || spalte >= SpielerSpalten) return -1;
    for (int r = std::max(ab, 0); r < t.zeilen(); ++r) {
        const SpielerZelle& c = t.zelle(r, spalte);
        if (ZelleLeer(c)) continue;
        if (teil ? c->contains(text) : Vergleich(*c, text) == 0) return r;
    }
    return -1;
}

// --- Update -----------------------------------------------------------------------------

int SpielerUebernehmen(Spielertabelle& t, const TWettkampfDaten& w)
{
    int neu = 0;
    for (int n = 1; n <= MaxSpieler; ++n) {
        const TSpielerEintrag& s = w.Spieler[n];
        if (s.Name.leer() || s.Pass.leer()) continue;
        if (StarterSuchen(t, SpaltePass, QByteArrayView(s.Pass.c_str(), qsizetype(s.Pass.laenge()))) >= 0) continue;
        const int r = t.zeileAnfuegen(SpielerZeile{});
        StarterZeileSchreiben(s, t, r);
        ++neu;
    }
    if (neu > 0) DatenbankGeaendert = 1;
    return neu;
}

// --- Export -----------------------------------------------------------------------------

QByteArray SpielerdatenbankText(const Spielertabelle& t, QByteArrayView trenn)
{
    QByteArray text;
    for (int spalte = 0; spalte < SpielerSpalten; ++spalte) {
        if (spalte > 0) text += trenn;
        text += SpielerSpaltenListe[std::size_t(spalte)].kopf;
    }
    text += "\r\n";
    for (int r = 0; r < t.zeilen(); ++r) {
        for (int spalte = 0; spalte < SpielerSpalten; ++spalte) {
            if (spalte > 0) text += trenn;
            if (const SpielerZelle& c = t.zelle(r, spalte)) text += *c;
        }
        text += "\r\n";
    }
    return text;
}

QString SpielerdatenbankExportieren(const QString& datei)
{
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2").arg(datei, f.errorString());
    const QByteArray trenn = Trennzeichen.isEmpty() ? QByteArray("; ") : Cp1252::encode(Trennzeichen);
    const QByteArray text = SpielerdatenbankText(Spielerdatenbank(), trenn);
    if (f.write(text) != text.size() || !f.commit())
        return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(datei, f.errorString());
    return {};
}

ExportZiel ExportZielBestimmen(const QString& datei, int dateityp)
{
    if (!QFileInfo(datei).suffix().isEmpty()) return {datei, std::nullopt};
    switch (dateityp) {
    case 2: return {datei + QStringLiteral(".csv"), QStringLiteral(", ")};
    case 3: return {datei + QStringLiteral(".txt"), QStringLiteral("\t ")};
    default: return {datei + QStringLiteral(".csv"), QStringLiteral("; ")};
    }
}

// --- The printed player list ------------------------------------------------------------

namespace {

constexpr std::array<const char*, SpielerSpalten> Listenfeldnamen = {
    "Spieler.Club", "Spieler.Name", "Spieler.Pass", "Spieler.Gebdat", "Spieler.Gruppe", "Spieler.Nation",
    "Spieler.Plz",  "Spieler.Ort",  "Spieler.Adresse", "Spieler.Tel", "Spieler.Fax", "Spieler.Email",
};

constexpr std::array<const char*, SpielerSpalten> Listenbeispiele = {
    "KSC Musterstadt", "Mustermann Max", "123456",     "01.01.80",   "Herren",     "Deutschland",
    "12345",           "Musterstadt",    "Musterweg 1", "0123 45678", "0123 45679", "max@example.de",
};

}  // namespace

QList<Listenfeld> SpielerlisteFelder(const Spielertabelle& t, int r)
{
    QList<Listenfeld> felder;
    for (int s = 0; s < SpielerSpalten; ++s) {
        QString wert;
        if (r < 0)
            wert = QString::fromUtf8(Listenbeispiele[std::size_t(s)]);
        else if (r < t.zeilen() && !ZelleLeer(t.zelle(r, s)))
            wert = Cp1252::decode(*t.zelle(r, s));
        else
            wert = QStringLiteral(" ");
        felder.append({QString::fromLatin1(Listenfeldnamen[std::size_t(s)]), wert});
    }
    return felder;
}

QList<Listenfeld> Listendruck::naechste(const Spielertabelle& t, int* prozent, bool* letzte)
{
    const int zeilen = t.zeilen();
    const QList<Listenfeld> felder = SpielerlisteFelder(t, DruckZeile < zeilen ? DruckZeile : zeilen);
    if (prozent) *prozent = zeilen > 0 ? DruckZeile * 100 / zeilen : 100;
    if (letzte) *letzte = DruckZeile >= zeilen - 1;
    ++DruckZeile;
    return felder;
}
