#include "competition/Import.h"

#include "competition/Spielertabelle.h"
#include "competition/Wettkampffelder.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <climits>

namespace {

struct Bedeutung {
    Spaltenbedeutung b;
    const char* text;  // UTF-8
    int datenbankspalte;
};

const std::array<Bedeutung, SpaltenbedeutungAnzahl> Bedeutungen = {{
    {Spaltenbedeutung::Club, "Club", 0},
    {Spaltenbedeutung::Vorname, "Vorname", 1},
    {Spaltenbedeutung::Name, "Name", 1},
    {Spaltenbedeutung::Passnummer, "Passnummer", 2},
    {Spaltenbedeutung::Geburtsdatum, "Geburtsdatum", 3},
    {Spaltenbedeutung::Gruppe, "Gruppe", 4},
    {Spaltenbedeutung::Mannschaft, "Mannschaft", -1},
    {Spaltenbedeutung::Nation, "Nation", 5},
    {Spaltenbedeutung::Verein, "Verein", -1},
    {Spaltenbedeutung::Verband, "Verband", -1},
    {Spaltenbedeutung::Startfolge, "Startfolge", -1},
    {Spaltenbedeutung::Plz, "Plz", 6},
    {Spaltenbedeutung::Ort, "Ort", 7},
    {Spaltenbedeutung::Adresse, "Adresse", 8},
    {Spaltenbedeutung::Tel, "Tel", 9},
    {Spaltenbedeutung::Fax, "Fax", 10},
    {Spaltenbedeutung::Email, "email", 11},
    {Spaltenbedeutung::Volle, "Volle", -1},
    {Spaltenbedeutung::Abraeumen, "Abräumen", -1},
    {Spaltenbedeutung::Fehler, "Fehler", -1},
    {Spaltenbedeutung::Undefiniert, "undefiniert", -1},
}};

const Bedeutung& eintrag(Spaltenbedeutung b) { return Bedeutungen.at(std::size_t(b)); }

// Lines at CR LF, LF or CR; a last line without its break counts.
std::vector<QByteArray> zeilenTeilen(const QByteArray& daten)
{
    std::vector<QByteArray> zeilen;
    qsizetype anfang = 0;
    const qsizetype n = daten.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = daten.at(i);
        if (c != '\r' && c != '\n') continue;
        zeilen.push_back(daten.mid(anfang, i - anfang));
        if (c == '\r' && i + 1 < n && daten.at(i + 1) == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.push_back(daten.mid(anfang));
    return zeilen;
}

bool hatHoheBytes(const QByteArray& daten)
{
    return std::any_of(daten.begin(), daten.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Text to Windows-1252, or nullopt when the bytes are no text of that code.
std::optional<QByteArray> alsCp1252(const QByteArray& daten)
{
    const auto umwandeln = [](QStringConverter::Encoding art, QByteArrayView bytes) -> std::optional<QByteArray> {
        QStringDecoder decoder(art, QStringConverter::Flag::Stateless);
        const QString text = decoder(bytes);
        if (decoder.hasError()) return std::nullopt;
        return Cp1252::encode(text);
    };
    if (daten.startsWith("\xEF\xBB\xBF")) return umwandeln(QStringConverter::Utf8, QByteArrayView(daten).sliced(3));
    const bool utf16 = daten.startsWith("\xFF\xFE") || daten.startsWith("\xFE\xFF");
    if (utf16 && daten.size() % 2) return std::nullopt;
    if (daten.startsWith("\xFF\xFE")) return umwandeln(QStringConverter::Utf16LE, QByteArrayView(daten).sliced(2));
    if (daten.startsWith("\xFE\xFF")) return umwandeln(QStringConverter::Utf16BE, QByteArrayView(daten).sliced(2));
    if (hatHoheBytes(daten))
        if (std::optional<QByteArray> utf8 = umwandeln(QStringConverter::Utf8, daten)) return utf8;
    return daten;
}

// NUL bytes, or more than one control character in twenty: no text table.
bool istBinaer(const QByteArray& daten)
{
    qsizetype steuer = 0;
    for (char c : daten) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0) return true;
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f' && b != 0x1A) ++steuer;
    }
    return steuer * 20 > daten.size();
}

// A birth date with a four-digit year ("dd.mm.yyyy") as the record keeps it.
QByteArray datumKuerzen(const QByteArray& wert)
{
    const auto ziffer = [&](int i) { return wert.at(i) >= '0' && wert.at(i) <= '9'; };
    if (wert.size() == 10 && wert.at(2) == '.' && wert.at(5) == '.' && ziffer(0) && ziffer(1) && ziffer(3) &&
        ziffer(4) && ziffer(6) && ziffer(7) && ziffer(8) && ziffer(9))
        return wert.left(6) + wert.mid(8);
    return wert;
}

// Copies the cell when it holds a value; a cell without one leaves the field.
template <std::size_t N>
bool feldSetzen(Text<N>& feld, const ImportZelle& zelle, bool datum = false)
{
    if (!zelle) return false;
    feld.setzen(datum ? datumKuerzen(*zelle) : *zelle);
    return true;
}

bool spielerSetzen(TSpielerEintrag& s, const Importtabelle& t, int zeile)
{
    bool geschrieben = feldSetzen(s.Name, t.zelle(1, zeile));
    geschrieben |= feldSetzen(s.Pass, t.zelle(2, zeile));
    geschrieben |= feldSetzen(s.Gebdat, t.zelle(3, zeile), true);
    return geschrieben;
}

// k of "Spieler<k>" for k in 1..hoechste, else 0.
int spielerNummer(const QByteArray& schluessel, int hoechste)
{
    if (!schluessel.startsWith("Spieler")) return 0;
    const QByteArray zahl = schluessel.mid(7);
    for (int k = 1; k <= hoechste; ++k)
        if (zahl == QByteArray::number(k)) return k;
    return 0;
}

const ImportZelle KeinWert;

}  // namespace

QString BedeutungText(Spaltenbedeutung b) { return QString::fromUtf8(eintrag(b).text); }

std::optional<Spaltenbedeutung> BedeutungAusText(const QString& text)
{
    for (const Bedeutung& e : Bedeutungen)
        if (text == QString::fromUtf8(e.text)) return e.b;
    return std::nullopt;
}

int BedeutungDatenbankspalte(Spaltenbedeutung b) { return eintrag(b).datenbankspalte; }

// --- The preview table --------------------------------------------------------------

const ImportZelle& Importtabelle::zelle(int spalte, int zeile) const
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return KeinWert;
    return m_zeilen[std::size_t(zeile)][std::size_t(spalte)];
}

void Importtabelle::setZelle(int spalte, int zeile, ImportZelle wert)
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return;
    m_zeilen[std::size_t(zeile)][std::size_t(spalte)] = std::move(wert);
}

std::optional<Spaltenbedeutung> Importtabelle::kopf(int spalte) const
{
    if (spalte < 0 || spalte >= spalten()) return std::nullopt;
    return m_kopf[std::size_t(spalte)];
}

void Importtabelle::setKopf(int spalte, std::optional<Spaltenbedeutung> b)
{
    if (spalte >= 0 && spalte < spalten()) m_kopf[std::size_t(spalte)] = b;
}

int Importtabelle::zeileEinfuegen(int r)
{
    r = std::clamp(r, 0, zeilen());
    m_zeilen.insert(m_zeilen.begin() + r, std::vector<ImportZelle>(m_kopf.size()));
    return r;
}

void Importtabelle::zeileLoeschen(int r)
{
    if (r >= 0 && r < zeilen()) m_zeilen.erase(m_zeilen.begin() + r);
}

void Importtabelle::neu(int spalten)
{
    m_kopf.assign(std::size_t(std::max(spalten, 0)), std::nullopt);
    m_zeilen.clear();
}

std::vector<ImportZelle>& Importtabelle::neueZeile() { return m_zeilen.emplace_back(m_kopf.size()); }

// --- Reading the file --------------------------------------------------------------

std::optional<std::vector<QByteArray>> ImportdateiLesen(const QString& pfad, QString* fehler)
{
    auto melden = [&](const QString& text) -> std::optional<std::vector<QByteArray>> {
        if (fehler) *fehler = text;
        return std::nullopt;
    };
    const QString name = QFileInfo(pfad).fileName();
    QFile f(pfad);
    if (!QFileInfo(pfad).isFile() || !f.open(QIODevice::ReadOnly))
        return melden(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(name));
    if (f.size() > MaxImportBytes)
        return melden(QStringLiteral("Die Datei „%1“ ist zu groß für den Import (höchstens %2 MB).")
                          .arg(name)
                          .arg(MaxImportBytes / (1024 * 1024)));
    const QByteArray roh = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return melden(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(name, f.errorString()));
    const std::optional<QByteArray> text = alsCp1252(roh);
    if (!text || istBinaer(*text))
        return melden(QStringLiteral("Die Datei „%1“ ist keine Texttabelle.").arg(name));
    if (fehler) fehler->clear();
    return zeilenTeilen(*text);
}

char ImportTrennzeichen(int index)
{
    switch (index) {
    case 1: return ',';
    case 2: return '\t';
    default: return ';';
    }
}

Importtabelle ImportdateiLaden(const std::vector<QByteArray>& zeilen, char trennzeichen)
{
    Importtabelle t;
    qsizetype felder = 0;
    for (const QByteArray& zeile : zeilen) felder = std::max(felder, zeile.count(trennzeichen) + 1);
    const int spalten = int(std::min<qsizetype>(felder, MaxImportSpalten));
    t.neu(spalten);
    for (const QByteArray& zeile : zeilen) {
        std::vector<ImportZelle>& zellen = t.neueZeile();
        qsizetype anfang = 0;
        for (int feld = 0; feld < spalten; ++feld) {
            qsizetype ende = zeile.indexOf(trennzeichen, anfang);
            const bool letztes = ende < 0;
            if (letztes) ende = zeile.size();
            zellen[std::size_t(feld)] = zeile.mid(anfang, ende - anfang);
            if (letztes) break;
            anfang = ende + 1;
        }
    }
    return t;
}

Zeilenbereich ImportZeilenbereich(const QString& von, const QString& bis, int zeilen)
{
    const auto nummer = [](const QString& text) {
        long long n = 0;
        for (QChar c : text)
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) n = std::min<long long>(n * 10 + (c.unicode() - '0'), INT_MAX);
        return int(n);
    };
    Zeilenbereich b;
    b.erste = std::max(nummer(von) - 1, 0);
    b.letzte = std::min(nummer(bis) - 1, zeilen - 1);
    return b;
}

// --- The importers ------------------------------------------------------------------

bool SpielaufstellungImportieren(const Importtabelle& t, Zeilenbereich b, QString* fehler)
{
    if (!WettkampfAnlegen()) {
        if (fehler) *fehler = QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei.");
        return false;
    }
    TWettkampfDaten& w = *AktWettkampf;
    for (int r = b.erste; r <= b.letzte; ++r) {
        const ImportZelle& schluessel = t.zelle(0, r);
        if (!schluessel) continue;
        if (*schluessel == "Heimmannschaft")
            feldSetzen(w.Club, t.zelle(1, r));
        else if (*schluessel == "Gastmannschaft")
            feldSetzen(w.Gastmannschaft, t.zelle(1, r));
        else if (const int k = spielerNummer(*schluessel, MaxSpieler))
            spielerSetzen(*w.SpielerZeiger[k], t, r);
    }
    WettkampfVorgabenSetzen();
    WettkampfGrundoptionenSetzen();
    if (fehler) fehler->clear();
    return true;
}

Seitenimport MannschaftImportieren(const Importtabelle& t, Zeilenbereich b, bool heim, TWettkampfDaten& w)
{
    Seitenimport ergebnis;
    for (int r = b.erste; r <= b.letzte; ++r) {
        const ImportZelle& schluessel = t.zelle(0, r);
        if (!schluessel) continue;
        if (*schluessel == "Mannschaft") {
            if (heim && feldSetzen(w.Club, t.zelle(1, r))) {
                HeimmannschaftSetzen(w);
                ergebnis.geschrieben = true;
            } else if (!heim && feldSetzen(w.Gastmannschaft, t.zelle(1, r))) {
                ergebnis.geschrieben = true;
            }
        } else if (const int k = spielerNummer(*schluessel, 8)) {
            const int slot = heim ? k : 8 + k;
            TSpielerEintrag& s = *w.SpielerZeiger[slot];
            if (s.Gestartet) {
                if (std::find(ergebnis.gesperrt.begin(), ergebnis.gesperrt.end(), slot) == ergebnis.gesperrt.end())
                    ergebnis.gesperrt.push_back(slot);
                continue;
            }
            ergebnis.geschrieben |= spielerSetzen(s, t, r);
        }
    }
    if (ergebnis.geschrieben) w.Geaendert = 1;
    return ergebnis;
}

QString GesperrteSpielerText(const std::vector<int>& plaetze)
{
    if (plaetze.empty()) return {};
    QStringList namen;
    for (int slot : plaetze) namen << QString::number(slot <= 8 ? slot : slot - 8);
    return QStringLiteral("Spieler %1 %2 bereits gespielt und %3 unverändert.")
        .arg(namen.join(QStringLiteral(", ")),
             plaetze.size() == 1 ? QStringLiteral("hat") : QStringLiteral("haben"),
             plaetze.size() == 1 ? QStringLiteral("bleibt") : QStringLiteral("bleiben"));
}

int SpielerdatenbankImportieren(const Importtabelle& t, Zeilenbereich b, bool hinzufuegen, Spielertabelle& ziel)
{
    if (b.leer()) return 0;
    if (!hinzufuegen) ziel.leeren();
    int angefuegt = 0;
    for (int r = b.erste; r <= b.letzte; ++r) {
        SpielerZeile neu;
        for (int c = 0; c < t.spalten(); ++c) {
            const std::optional<Spaltenbedeutung> bedeutung = t.kopf(c);
            if (!bedeutung) continue;
            const int spalte = BedeutungDatenbankspalte(*bedeutung);
            const ImportZelle& wert = t.zelle(c, r);
            if (spalte < 0 || !wert) continue;
            SpielerZelle& zelle = neu[std::size_t(spalte)];
            // A surname behind a first name: "first last"; an empty one adds no blank.
            if (*bedeutung == Spaltenbedeutung::Name && zelle && !zelle->isEmpty()) {
                if (!wert->isEmpty()) zelle = *zelle + ' ' + *wert;
            } else {
                zelle = spalte == 3 ? datumKuerzen(*wert) : *wert;
            }
        }
        for (int s = 0; s < SpielerSpalten; ++s) {
            SpielerZelle& zelle = neu[std::size_t(s)];
            if (zelle) zelle->truncate(SpielerSpaltenListe[std::size_t(s)].laenge);
        }
        ziel.zeileAnfuegen(neu);
        ++angefuegt;
    }
    DatenbankGeaendert = 1;
    return angefuegt;
}
