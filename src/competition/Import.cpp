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
#include <cctype>
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
template <typename Text>
std::vector<Text> zeilenTeilen(const Text& daten)
{
    std::vector<Text> zeilen;
    const auto* const anfang = daten.constData();
    const auto* const ende = anfang + daten.size();
    const auto* zeile = anfang;
    const auto bruchzeichen = [](auto c) { return c == '\r' || c == '\n'; };
    while (zeile < ende) {
        const auto* bruch = std::find_if(zeile, ende, bruchzeichen);
        zeilen.emplace_back(zeile, bruch - zeile);
        if (bruch == ende) break;
        if (*bruch == '\r' && bruch + 1 < ende && bruch[1] == '\n') ++bruch;
        zeile = bruch + 1;
    }
    return zeilen;
}

// Whether Windows-1252 holds every character of the text.
bool verlustfrei(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), Cp1252::holds);
}

// The lines of a converted text that lost characters, by line index.
Importurtexte verluste(const QString& text)
{
    Importurtexte urtexte;
    if (verlustfrei(text)) return urtexte;
    const std::vector<QString> zeilen = zeilenTeilen(text);
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (!verlustfrei(zeilen[i])) urtexte.emplace(qsizetype(i), zeilen[i]);
    return urtexte;
}

bool hatHoheBytes(const QByteArray& daten)
{
    return std::any_of(daten.cbegin(), daten.cend(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Text to Windows-1252, or nullopt when the bytes are no text of that code;
// the lines that lost characters into `urtexte`.
std::optional<QByteArray> alsCp1252(const QByteArray& daten, Importurtexte& urtexte)
{
    const auto umwandeln = [&urtexte](QStringConverter::Encoding art, QByteArrayView bytes) -> std::optional<QByteArray> {
        QStringDecoder decoder(art, QStringConverter::Flag::Stateless);
        const QString text = decoder(bytes);
        if (decoder.hasError()) return std::nullopt;
        urtexte = verluste(text);
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
    for (const char c : QByteArrayView(daten)) {
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

// The field that begins at `anfang`, without the blanks around it; `anfang`
// moves behind its separator (past the line's end after the last field).
QByteArray feldAb(const QByteArray& zeile, char trenn, qsizetype& anfang)
{
    qsizetype ende = zeile.indexOf(trenn, anfang);
    if (ende < 0) ende = zeile.size();
    QByteArray feld = zeile.mid(anfang, ende - anfang).trimmed();
    anfang = ende + 1;
    return feld;
}

// Field `spalte` of the line; no value when the line has fewer fields.
ImportZelle feldDerZeile(const QByteArray& zeile, char trenn, int spalte)
{
    qsizetype anfang = 0;
    for (int feld = 0; feld < spalte; ++feld) {
        const qsizetype t = zeile.indexOf(trenn, anfang);
        if (t < 0) return std::nullopt;
        anfang = t + 1;
    }
    return feldAb(zeile, trenn, anfang);
}

// Field `spalte` of a line as the file holds it, without the blanks and tabs
// around it (as feldAb drops them); nullopt when the line has fewer fields.
std::optional<QString> urfeldDerZeile(const QString& zeile, char trenn, int spalte)
{
    qsizetype anfang = 0;
    for (int feld = 0; feld < spalte; ++feld) {
        const qsizetype t = zeile.indexOf(QLatin1Char(trenn), anfang);
        if (t < 0) return std::nullopt;
        anfang = t + 1;
    }
    qsizetype ende = zeile.indexOf(QLatin1Char(trenn), anfang);
    if (ende < 0) ende = zeile.size();
    const auto leer = [](QChar c) { return c.unicode() < 0x80 && std::isspace(c.unicode()); };
    while (anfang < ende && leer(zeile.at(anfang))) ++anfang;
    while (ende > anfang && leer(zeile.at(ende - 1))) --ende;
    return zeile.mid(anfang, ende - anfang);
}

// Every field of the line into the cells, as far as there are cells.
void felderDerZeile(const QByteArray& zeile, char trenn, std::vector<ImportZelle>& zellen)
{
    qsizetype anfang = 0;
    for (std::size_t feld = 0; feld < zellen.size() && anfang <= zeile.size(); ++feld)
        zellen[feld] = feldAb(zeile, trenn, anfang);
}

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

ImportZelle Importtabelle::zelle(int spalte, int zeile) const
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return std::nullopt;
    const qint32 reihe = m_reihen[std::size_t(zeile)];
    if (reihe < 0) return m_eigene[std::size_t(-(reihe + 1))][std::size_t(spalte)];
    return feldDerZeile((*m_zeilen)[std::size_t(reihe)], m_trenn, spalte);
}

std::vector<ImportZelle>& Importtabelle::eigeneZellen(int zeile)
{
    qint32& reihe = m_reihen[std::size_t(zeile)];
    if (reihe < 0) return m_eigene[std::size_t(-(reihe + 1))];
    std::vector<ImportZelle> zellen(m_kopf.size());
    std::vector<QString> urtexte(m_kopf.size());
    felderDerZeile((*m_zeilen)[std::size_t(reihe)], m_trenn, zellen);
    for (int c = 0; c < spalten(); ++c)
        if (std::optional<QString> ur = urtext(c, zeile)) urtexte[std::size_t(c)] = *ur;
    m_gehalten += qsizetype(zellen.size());
    m_eigene.push_back(std::move(zellen));
    m_eigeneUrtexte.push_back(std::move(urtexte));
    reihe = -qint32(m_eigene.size());
    return m_eigene.back();
}

std::vector<QString>& Importtabelle::eigeneUrtexte(int zeile)
{
    eigeneZellen(zeile);
    return m_eigeneUrtexte[std::size_t(-(m_reihen[std::size_t(zeile)] + 1))];
}

void Importtabelle::setZelle(int spalte, int zeile, ImportZelle wert)
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return;
    eigeneZellen(zeile)[std::size_t(spalte)] = std::move(wert);
    eigeneUrtexte(zeile)[std::size_t(spalte)].clear();
}

void Importtabelle::setZelleText(int spalte, int zeile, const QString& text)
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return;
    setZelle(spalte, zeile, Cp1252::encode(text));
    if (!verlustfrei(text)) eigeneUrtexte(zeile)[std::size_t(spalte)] = text;
}

std::optional<QString> Importtabelle::urtext(int spalte, int zeile) const
{
    if (zeile < 0 || zeile >= zeilen() || spalte < 0 || spalte >= spalten()) return std::nullopt;
    const qint32 reihe = m_reihen[std::size_t(zeile)];
    if (reihe < 0) {
        const QString& ur = m_eigeneUrtexte[std::size_t(-(reihe + 1))][std::size_t(spalte)];
        return ur.isEmpty() ? std::nullopt : std::optional<QString>(ur);
    }
    if (!m_urtexte) return std::nullopt;
    const auto zeileImText = m_urtexte->find(reihe);
    if (zeileImText == m_urtexte->end()) return std::nullopt;
    std::optional<QString> feld = urfeldDerZeile(zeileImText->second, m_trenn, spalte);
    if (!feld || verlustfrei(*feld)) return std::nullopt;
    return feld;
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
    m_eigene.emplace_back(m_kopf.size());
    m_eigeneUrtexte.emplace_back(m_kopf.size());
    m_gehalten += qsizetype(m_kopf.size());
    m_reihen.insert(m_reihen.begin() + r, -qint32(m_eigene.size()));
    return r;
}

void Importtabelle::zeileLoeschen(int r)
{
    if (r < 0 || r >= zeilen()) return;
    if (const qint32 reihe = m_reihen[std::size_t(r)]; reihe < 0) {
        // The slot stays so that the other rows keep their numbers; its cells go.
        std::vector<ImportZelle>& zellen = m_eigene[std::size_t(-(reihe + 1))];
        m_gehalten -= qsizetype(zellen.size());
        std::vector<ImportZelle>().swap(zellen);
        std::vector<QString>().swap(m_eigeneUrtexte[std::size_t(-(reihe + 1))]);
    }
    m_reihen.erase(m_reihen.begin() + r);
}

// --- Reading the file --------------------------------------------------------------

std::optional<std::vector<QByteArray>> ImportdateiLesen(const QString& pfad, QString* fehler, Importurtexte* urtexte)
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
    Importurtexte verloren;
    const std::optional<QByteArray> text = alsCp1252(roh, verloren);
    if (!text || istBinaer(*text))
        return melden(QStringLiteral("Die Datei „%1“ ist keine Texttabelle.").arg(name));
    if (fehler) fehler->clear();
    if (urtexte) *urtexte = std::move(verloren);
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

Importtabelle ImportdateiLaden(const std::vector<QByteArray>& zeilen, char trennzeichen, const Importurtexte& urtexte)
{
    Importtabelle t;
    qsizetype felder = 0;
    for (const QByteArray& zeile : zeilen)
        felder = std::max<qsizetype>(felder, std::count(zeile.cbegin(), zeile.cend(), trennzeichen) + 1);
    t.m_kopf.assign(std::size_t(std::min<qsizetype>(felder, MaxImportSpalten)), std::nullopt);
    t.m_zeilen = std::make_shared<const std::vector<QByteArray>>(zeilen);
    t.m_trenn = trennzeichen;
    if (!urtexte.empty()) t.m_urtexte = std::make_shared<const Importurtexte>(urtexte);
    t.m_reihen.resize(zeilen.size());
    for (std::size_t k = 0; k < zeilen.size(); ++k) t.m_reihen[k] = qint32(k);
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

std::vector<Importaenderung> ImportAenderungen(const Importtabelle& t, Zeilenbereich b, Importziel ziel,
                                               const TWettkampfDaten* w)
{
    std::vector<Importaenderung> liste;
    const auto merken = [&](int spalte, int zeile) {
        const std::optional<QString> ur = t.urtext(spalte, zeile);
        const ImportZelle wert = t.zelle(spalte, zeile);
        if (!ur || !wert) return;
        const Importaenderung a{*ur, Cp1252::decode(*wert)};
        if (std::find(liste.begin(), liste.end(), a) == liste.end()) liste.push_back(a);
    };
    const auto spieler = [&](int zeile) {
        for (int spalte = 1; spalte <= 3; ++spalte) merken(spalte, zeile);
    };
    for (int r = b.erste; r <= b.letzte; ++r) {
        if (ziel == Importziel::Spielerdatenbank) {
            for (int c = 0; c < t.spalten(); ++c)
                if (const std::optional<Spaltenbedeutung> k = t.kopf(c); k && BedeutungDatenbankspalte(*k) >= 0)
                    merken(c, r);
            continue;
        }
        const ImportZelle schluessel = t.zelle(0, r);
        if (!schluessel) continue;
        if (ziel == Importziel::Spielaufstellung) {
            if (*schluessel == "Heimmannschaft" || *schluessel == "Gastmannschaft")
                merken(1, r);
            else if (spielerNummer(*schluessel, MaxSpieler))
                spieler(r);
        } else if (*schluessel == "Mannschaft") {
            merken(1, r);
        } else if (const int k = spielerNummer(*schluessel, 8)) {
            const int slot = ziel == Importziel::Heim ? k : 8 + k;
            if (!w || !w->SpielerZeiger[slot]->Gestartet) spieler(r);
        }
    }
    return liste;
}

QString ImportAenderungenFrage(const std::vector<Importaenderung>& aenderungen)
{
    if (aenderungen.empty()) return {};
    constexpr std::size_t Gezeigt = 12;
    QStringList zeilen;
    for (std::size_t i = 0; i < aenderungen.size() && i < Gezeigt; ++i)
        zeilen << aenderungen[i].vorher + QStringLiteral(" → ") + aenderungen[i].nachher;
    if (aenderungen.size() > Gezeigt)
        zeilen << QStringLiteral("… und %1 weitere").arg(aenderungen.size() - Gezeigt);
    return QStringLiteral("Diese Einträge enthalten Zeichen, die das Programm nicht speichern kann, und ändern "
                          "sich beim Import:\n\n") +
           zeilen.join(QLatin1Char('\n')) + QStringLiteral("\n\nTrotzdem importieren ?");
}

QString SpielerdatenbankImportFehler(const Importtabelle& t)
{
    for (int c = 0; c < t.spalten(); ++c)
        if (const std::optional<Spaltenbedeutung> b = t.kopf(c); b && BedeutungDatenbankspalte(*b) >= 0) return {};
    return QStringLiteral("Keiner Spalte ist eine Bedeutung für die Spielerdatenbank zugeordnet. Klicken Sie auf "
                          "den Kopf einer Spalte und wählen Sie unter „Spalte:“, was sie enthält (zum Beispiel "
                          "Name). Es wurde nichts importiert.");
}

int SpielerdatenbankImportieren(const Importtabelle& t, Zeilenbereich b, bool hinzufuegen, Spielertabelle& ziel)
{
    if (b.leer() || !SpielerdatenbankImportFehler(t).isEmpty()) return 0;
    if (!hinzufuegen) ziel.leeren();
    int angefuegt = 0;
    for (int r = b.erste; r <= b.letzte; ++r) {
        SpielerZeile neu;
        // The name is "first last" in whichever order the two columns stand.
        QByteArray vorname, name;
        for (int c = 0; c < t.spalten(); ++c) {
            const std::optional<Spaltenbedeutung> bedeutung = t.kopf(c);
            if (!bedeutung) continue;
            const int spalte = BedeutungDatenbankspalte(*bedeutung);
            const ImportZelle wert = t.zelle(c, r);
            if (spalte < 0 || !wert || wert->isEmpty()) continue;
            if (*bedeutung == Spaltenbedeutung::Vorname)
                vorname = *wert;
            else if (*bedeutung == Spaltenbedeutung::Name)
                name = name.isEmpty() ? *wert : name + ' ' + *wert;
            else
                neu[std::size_t(spalte)] = spalte == 3 ? datumKuerzen(*wert) : *wert;
        }
        if (!vorname.isEmpty() || !name.isEmpty())
            neu[1] = vorname.isEmpty() || name.isEmpty() ? vorname + name : vorname + ' ' + name;
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
