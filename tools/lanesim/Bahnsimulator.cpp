#include "lanesim/Bahnsimulator.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

constexpr std::uint16_t VolleBild = 0x1FF;
constexpr std::uint8_t FlagNull = 0x01;        // the throw counts zero
constexpr std::uint8_t FlagAbgeraeumt = 0x04;  // the last standing pins fell
constexpr std::uint8_t FlagWerten = 0x10;      // revalues the last throw (0x40: as zero)
constexpr std::uint8_t FlagNullWerten = 0x40;
constexpr std::uint8_t FlagUngueltig = 0x20;   // the last throw is invalid

// Display codes of kind 35 from the PC.
constexpr std::uint8_t AnzeigeWurfNr = 161;     // 3 digits
constexpr std::uint8_t AnzeigeKorrektur = 169;  // throw, previous pins, new pins

// Pins and miss of a throw, as the PC books it.
void Bewerten(GemeldeterWurf& w)
{
    const int gefallen = std::popcount(unsigned(w.bild));
    const bool foul = (w.flags & FlagsFoul) == FlagsFoul;
    w.holz = (w.flags & FlagNull) ? 0 : gefallen;
    w.fehler = w.holz == 0 && !(foul && gefallen > 0);
}

QString Hex(int zahl, int stellen)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(zahl, stellen, 16, QLatin1Char('0')).toUpper();
}

// The pins a throw fells on the rack: a count takes the lowest-numbered
// standing pins (at most all of them), a mask only standing pins.
std::uint16_t Faellt(std::uint16_t rack, const Wurfangabe& w)
{
    switch (w.art) {
    case Wurfangabe::Art::Alle: return rack;
    case Wurfangabe::Art::Maske: return std::uint16_t(w.wert & rack);
    case Wurfangabe::Art::Zahl: break;
    }
    std::uint16_t bild = 0;
    int rest = w.wert;
    for (int k = 0; k < 9 && rest > 0; ++k)
        if (rack & (1u << k)) {
            bild |= std::uint16_t(1u << k);
            --rest;
        }
    return bild;
}

}  // namespace

void Zaehlung::addieren(const GemeldeterWurf& w)
{
    ++wuerfe;
    (w.abraeumen ? abraeumen : volle) += w.holz;
    if (w.fehler) ++fehler;
}

Zaehlung& Zaehlung::operator+=(const Zaehlung& z)
{
    volle += z.volle;
    abraeumen += z.abraeumen;
    fehler += z.fehler;
    wuerfe += z.wuerfe;
    return *this;
}

Zaehlung Teil::zaehlung() const
{
    Zaehlung z;
    for (const GemeldeterWurf& w : wuerfe) z.addieren(w);
    return z;
}

Bahnsimulator::Bahnsimulator(const Vorgaben& v) : m_vorgaben(v), m_zufall(v.seed)
{
    m_vorgaben.bahnen = std::clamp(m_vorgaben.bahnen, 1, 16);
}

std::uint32_t Bahnsimulator::stationsVersatz() const
{
    const int p = m_vorgaben.pcEinheit;
    return (p >= 2 && p <= 8) ? std::uint32_t(p - 1) : 0;
}

std::uint32_t Bahnsimulator::empfangsId(int bahn) const { return 0x600u + 8u * std::uint32_t(bahn) + stationsVersatz(); }

bool Bahnsimulator::tafelEmpfangen(const CanRohRahmen& r)
{
    const int art = r.id == namenTafelId() ? 0 : r.id == mannschaftsTafelId() ? 1 : -1;
    if (art < 0) return false;
    m_tafelRahmen.push_back(r);
    const auto& d = r.daten;
    if (r.laenge >= 2 && d[0] == 239) m_helligkeit[std::size_t(art)] = d[1];
    if (r.laenge == 8 && d[0] == 234) {
        const int zeile = (d[1] >> 4) == 0 ? 16 : d[1] >> 4;
        const int spalte = d[1] & 0x0F;
        QByteArray& z = m_tafeln[std::size_t(art)][std::size_t(zeile)];
        if (z.isEmpty()) z = QByteArray(30, '\0');
        for (int i = 0; i < 6 && spalte - 1 + i < z.size(); ++i)
            if (spalte >= 1) z[spalte - 1 + i] = char(d[std::size_t(2 + i)]);
    }
    return true;
}

QByteArray Bahnsimulator::namenTafel(int bahn) const
{
    if (bahn < 1 || bahn > 16) return {};
    const QByteArray& z = m_tafeln[0][std::size_t(bahn)];
    return z.isEmpty() ? QByteArray(30, '\0') : z;
}

QByteArray Bahnsimulator::mannschaftsTafel(int zeile) const
{
    if (zeile < 1 || zeile > 16) return {};
    const QByteArray& z = m_tafeln[1][std::size_t(zeile)];
    return z.isEmpty() ? QByteArray(30, '\0') : z;
}

Bahnsimulator::Bahn& Bahnsimulator::lane(int bahn)
{
    return m_bahnen[std::size_t(std::clamp(bahn, 0, 16))];
}

const Bahnsimulator::Bahn& Bahnsimulator::lane(int bahn) const
{
    // Entry 0 stays as constructed: the answer for a lane that does not exist.
    return m_bahnen[std::size_t(gueltig(bahn) ? bahn : 0)];
}

void Bahnsimulator::senden(int bahn, std::initializer_list<std::uint8_t> daten)
{
    CanRohRahmen r;
    r.id = sendeId(bahn);
    for (std::uint8_t b : daten) {
        if (r.laenge == 8) break;
        r.daten[r.laenge++] = b;
    }
    ausgeben(bahn, r);
}

void Bahnsimulator::ausgeben(int bahn, const CanRohRahmen& r)
{
    Bahn& b = lane(bahn);
    if (m_vorgaben.teilAufEinmal && (b.phase == Phase::Spiel || !b.gehalten.empty()))
        b.gehalten.push_back(r);
    else
        m_ausgang.push_back(r);
}

void Bahnsimulator::freigeben(Bahn& b)
{
    m_ausgang.insert(m_ausgang.end(), b.gehalten.begin(), b.gehalten.end());
    b.gehalten.clear();
}

void Bahnsimulator::melden(int bahn, const QString& text)
{
    if (m_protokoll) m_protokoll(QStringLiteral("Bahn %1: %2").arg(bahn, 2).arg(text));
}

std::optional<CanRohRahmen> Bahnsimulator::naechster()
{
    if (m_ausgang.empty()) return std::nullopt;
    const CanRohRahmen r = m_ausgang.front();
    m_ausgang.pop_front();
    return r;
}

void Bahnsimulator::setSkript(int bahn, Wurfliste wuerfe)
{
    if (!gueltig(bahn)) return;
    lane(bahn).skript.assign(wuerfe.begin(), wuerfe.end());
}

void Bahnsimulator::druckerAnfrage(int bahn)
{
    if (!gueltig(bahn) || !lane(bahn).online) return;
    senden(bahn, {194});
    melden(bahn, QStringLiteral("Drucker ohne Verbindung"));
}

void Bahnsimulator::empfangen(const CanRohRahmen& r)
{
    if (tafelEmpfangen(r)) return;
    for (int n = 1; n <= m_vorgaben.bahnen; ++n) {
        if (r.id != druckerId(n)) continue;
        Bahn& b = lane(n);
        ++b.druckerRahmen;
        b.druckerBytes.append(reinterpret_cast<const char*>(r.daten.data()), std::min<int>(r.laenge, 8));
        return;
    }
    if (r.laenge == 0) return;
    int bahn = 0;
    for (int n = 1; n <= m_vorgaben.bahnen; ++n)
        if (r.id == empfangsId(n)) bahn = n;
    if (bahn == 0) return;
    Bahn& b = lane(bahn);
    const auto& d = r.daten;
    if (m_vorgaben.offlineTaub && !b.online && d[0] != 36 && d[0] != 38) {
        melden(bahn, QStringLiteral("offline, überhört %1").arg(Hex(d[0], 2)));
        return;
    }

    switch (d[0]) {
    case 38:
        b.online = true;
        b.neuAngemeldet = true;
        senden(bahn, {38});
        melden(bahn, QStringLiteral("online"));
        break;
    case 39:
        spielVerlassen(bahn);
        if (b.online) senden(bahn, {39});
        b.online = false;
        melden(bahn, QStringLiteral("offline"));
        break;
    case 36:
        b.pc = d[1];
        break;
    case 37:
        b.online = false;
        break;
    case 10:
        senden(bahn, {10, b.spielNr});
        // A game of the lanes: the next part once the PC registered the lane again.
        if (b.spielErste && b.phase == Phase::Ruhe && b.restTeile > 0 && b.neuAngemeldet && !b.teile.empty() &&
            b.teile.back().fertig)
            teilPlanen(bahn, b.volle, b.abraeumen, b.minuten);
        break;
    case 12:
        b.spielNr = d[1];
        melden(bahn, QStringLiteral("Spiel %1").arg(Hex(d[1], 2)));
        break;
    case 3:
        spielUebernehmen(bahn, d[1]);
        break;
    case 41:
        spielUebergeben(bahn);
        break;
    case 5: {
        Spielparameter& p = b.param;
        p.gesetzt = true;
        switch (d[1]) {
        case '[': p.probeWuerfe = d[2]; break;
        case '\\': p.probeMinuten = d[2]; break;
        case 177: p.wuerfe = d[2]; break;
        case 178: p.volle = d[2]; break;
        case 179: p.abraeumen = d[2]; break;
        case 180: p.minuten = d[2]; break;
        case 181: p.bahnen = d[2]; break;
        case 182: p.art = d[2]; break;
        case 183: p.spieler = d[2]; break;
        default: break;
        }
        break;
    }
    case 29:
        melden(bahn, QStringLiteral("tritt dem laufenden Spiel bei"));
        break;
    case 4:
        spielVerlassen(bahn);
        break;
    case 166:
    case 0x42:
        b.spieler = d[1];
        melden(bahn, QStringLiteral("Spieler %1").arg(d[1]));
        break;
    case 0x3D:
        if (b.wiederherstellen) b.replayWurfNr = d[1];
        break;
    case 0x41:
        if (b.wiederherstellen) b.replayBild = std::uint16_t(((d[1] << 8) | d[2]) & VolleBild);
        break;
    case 2:
        if (d[1] == 27) b.wiederherstellen = false;
        break;
    case 30:
        b.volle = d[3];
        b.abraeumen = d[4];
        b.minuten = d[5];
        b.fortsetzen = (b.wiederherstellen && !b.teile.empty() && !b.teile.back().fertig) || weiterNachUebergabe(bahn);
        if (d[1] || d[2])
            probePlanen(bahn, true);
        else
            teilPlanen(bahn, d[3], d[4], d[5]);
        break;
    case 34:
        steuerbefehl(bahn, r);
        break;
    case 35:
        anzeige(bahn, r);
        break;
    case 42: {
        const std::uint16_t w = statuswort(bahn);
        senden(bahn, {42, std::uint8_t(w >> 8), std::uint8_t(w & 0xFF)});
        break;
    }
    case 196:
    case 197:
        if (!m_vorgaben.drucker) break;
        b.druckerAn = d[0] == 196;
        senden(bahn, {d[0]});
        melden(bahn, b.druckerAn ? QStringLiteral("Drucker ein") : QStringLiteral("Drucker aus"));
        break;
    default:
        break;  // names, date, time, displays, replay
    }
}

void Bahnsimulator::steuerbefehl(int bahn, const CanRohRahmen& r)
{
    Bahn& b = lane(bahn);
    const auto& d = r.daten;
    switch (d[1]) {
    case 'a':
        b.fortsetzen = weiterNachUebergabe(bahn);
        teilPlanen(bahn, d[2], d[3], d[4]);
        break;
    case '[':
    case '\\':
    case 'Z':
        probePlanen(bahn, false);
        break;
    case '_':
        if (b.phase == Phase::Probe) probeEnde(bahn, true);
        break;
    case 'n':
        b.gestoppt = true;
        melden(bahn, QStringLiteral("angehalten"));
        break;
    case 'm':
        if (b.gestoppt) melden(bahn, QStringLiteral("läuft weiter"));
        b.gestoppt = false;
        break;
    case 'Y':
        spielVerlassen(bahn);
        break;
    case 'H':
        // The correction panel first sends 0xFFFF.
        if (r.laenge >= 4 && !(d[2] == 0xFF && d[3] == 0xFF)) b.zehntel = (d[2] << 8) | d[3];
        break;
    default:
        break;
    }
}

void Bahnsimulator::anzeige(int bahn, const CanRohRahmen& r)
{
    const auto& d = r.daten;
    if (r.laenge >= 5 && d[1] == AnzeigeKorrektur) {
        wurfKorrigieren(bahn, d[2], d[3], d[4]);
    } else if (r.laenge >= 5 && d[1] == AnzeigeWurfNr) {
        if (d[2] <= 9 && d[3] <= 9 && d[4] <= 9) wurfNrVorruecken(bahn, d[2] * 100 + d[3] * 10 + d[4]);
    }
}

// A throw of the part the lane plays, or played last while it is at rest.
void Bahnsimulator::wurfKorrigieren(int bahn, int nr, int alt, int neu)
{
    Bahn& b = lane(bahn);
    const bool laeuft = b.phase == Phase::Spiel;
    const bool moeglich = alt <= 9 && neu <= 9;
    GemeldeterWurf* wurf = nullptr;
    if (moeglich && (laeuft || b.phase == Phase::Ruhe) && !b.teile.empty())
        for (GemeldeterWurf& w : b.teile.back().wuerfe)
            if (w.nr == nr) wurf = &w;

    if (wurf) {
        const QString gezaehlt = wurf->holz != alt ? QStringLiteral(" (Bahn zählte %1)").arg(wurf->holz) : QString();
        wurf->holz = neu;
        wurf->fehler = neu == 0;
        wurf->vomPc = true;
        melden(bahn, QStringLiteral("Korrektur vom PC: Wurf %1 %2 -> %3 Holz%4").arg(nr).arg(alt).arg(neu).arg(gezaehlt));
    } else if (moeglich && laeuft && alt == 0 && nr == b.wurfNr + 1 && nr <= b.volle + b.abraeumen) {
        wurfNachtragen(bahn, neu, neu == 0);
        melden(bahn, QStringLiteral("Korrektur vom PC: Wurf %1 nachgetragen, %2 Holz").arg(nr).arg(neu));
        if (b.wurfNr >= b.volle + b.abraeumen) teilEnde(bahn, true);
    } else {
        melden(bahn, QStringLiteral("Korrektur vom PC für Wurf %1 übergangen").arg(nr));
    }
}

// A throw number behind the lane's is the PC not having booked the lane's
// latest throws yet.
void Bahnsimulator::wurfNrVorruecken(int bahn, int nr)
{
    Bahn& b = lane(bahn);
    if (b.phase != Phase::Spiel || nr <= b.wurfNr || nr > b.volle + b.abraeumen) return;
    melden(bahn, QStringLiteral("Wurfzahl vom PC: %1 statt %2").arg(nr).arg(b.wurfNr));
    while (b.wurfNr < nr) wurfNachtragen(bahn, 0, false);
    if (b.wurfNr >= b.volle + b.abraeumen) teilEnde(bahn, true);
}

// The next throw of the running part, as the PC booked it: no pins fall.
void Bahnsimulator::wurfNachtragen(int bahn, int holz, bool fehler)
{
    Bahn& b = lane(bahn);
    GemeldeterWurf g;
    g.nr = ++b.wurfNr;
    g.spieler = b.spieler;
    g.abraeumen = g.nr > b.volle;
    g.stehend = g.abraeumen ? b.stehend : VolleBild;
    g.holz = holz;
    g.fehler = fehler;
    g.vomPc = true;
    b.teile.back().wuerfe.push_back(g);
}

void Bahnsimulator::taste(int bahn, std::uint8_t code, std::initializer_list<std::uint8_t> extra)
{
    if (!gueltig(bahn)) return;
    CanRohRahmen r;
    r.id = sendeId(bahn);
    r.daten[0] = 34;
    r.daten[1] = code;
    r.laenge = 2;
    for (std::uint8_t x : extra)
        if (r.laenge < 8) r.daten[r.laenge++] = x;
    ausgeben(bahn, r);
    melden(bahn, QStringLiteral("Taste %1").arg(code >= 0x20 && code < 0x7F ? QString(QLatin1Char(char(code))) : Hex(code, 2)));

    Bahn& b = lane(bahn);
    switch (code) {
    case 'q': nullWerten(bahn); break;
    case 'r': ungueltig(bahn); break;
    case 't':
        if (b.phase == Phase::Spiel) teilEnde(bahn, false);
        break;
    case '_':
        if (b.phase == Phase::Probe) probeEnde(bahn, false);
        break;
    case 'B':
        // The substitute entered on the keypad throws from now on.
        if (r.laenge > 2) b.spieler = r.daten[2];
        break;
    default: break;
    }
}

void Bahnsimulator::anhalten(int bahn, bool halt)
{
    if (gueltig(bahn)) lane(bahn).gestoppt = halt;
}

void Bahnsimulator::neustart(int bahn)
{
    if (!gueltig(bahn)) return;
    Bahn& b = lane(bahn);
    b.online = false;
    b.spielNr = 0;
    b.spieler = 0;
    b.gestoppt = false;
    b.phase = Phase::Ruhe;
    b.spielErste = 0;
    b.restTeile = 0;
    b.wiederherstellen = true;
    b.fortsetzen = false;
    b.replayWurfNr = 0;
    b.replayBild = 0;
    senden(bahn, {14});
    melden(bahn, QStringLiteral("Neustart"));
}

std::uint16_t Bahnsimulator::statuswort(int bahn) const
{
    const Bahn& b = lane(bahn);
    std::uint16_t w = 0;
    if (b.phase == Phase::Spiel) w |= b.wurfNr < b.volle ? 0x10 : 0x20;
    if (b.phase == Phase::Probe) w |= 0x100;
    if (b.spielNr || b.phase != Phase::Ruhe) w |= 0x200;
    if (b.gestoppt) w |= 0x4000;
    return w;
}

void Bahnsimulator::tick()
{
    for (int bahn = 1; bahn <= m_vorgaben.bahnen; ++bahn) {
        Bahn& b = lane(bahn);
        if (b.phase == Phase::Ruhe || b.gestoppt) continue;
        if (b.phase == Phase::Spiel && ++b.zehntelTicks >= m_vorgaben.zehntelTakt) {
            b.zehntelTicks = 0;
            b.zehntel = std::max(b.zehntel - 1, 0);
        }
        if (--b.countdown > 0) continue;
        switch (b.phase) {
        case Phase::Probe: probeEnde(bahn, true); break;
        case Phase::Startet: teilBeginnen(bahn); break;
        case Phase::Spiel: werfen(bahn); break;
        case Phase::Ruhe: break;
        }
    }
    // Once no lane plays, what they held goes out at once.
    if (!m_vorgaben.teilAufEinmal) return;
    for (int bahn = 1; bahn <= m_vorgaben.bahnen; ++bahn)
        if (lane(bahn).phase == Phase::Spiel) return;
    for (int bahn = 1; bahn <= m_vorgaben.bahnen; ++bahn) freigeben(lane(bahn));
}

void Bahnsimulator::teilPlanen(int bahn, int volle, int abraeumen, int minuten)
{
    Bahn& b = lane(bahn);
    b.volle = volle;
    b.abraeumen = abraeumen;
    b.minuten = minuten;
    b.phase = Phase::Startet;
    b.countdown = m_vorgaben.startVerzoegerung;
    b.neuAngemeldet = false;
}

void Bahnsimulator::probePlanen(int bahn, bool danachTeil)
{
    Bahn& b = lane(bahn);
    b.phase = Phase::Probe;
    b.countdown = m_vorgaben.probeTakte;
    b.teilNachProbe = danachTeil;
    melden(bahn, QStringLiteral("Probe"));
}

void Bahnsimulator::probeEnde(int bahn, bool frame)
{
    Bahn& b = lane(bahn);
    if (frame) senden(bahn, {34, '_'});
    melden(bahn, QStringLiteral("Probe beendet"));
    if (b.teilNachProbe) {
        b.phase = Phase::Startet;
        b.countdown = m_vorgaben.startVerzoegerung;
    } else {
        b.phase = Phase::Ruhe;
    }
}

void Bahnsimulator::teilBeginnen(int bahn)
{
    Bahn& b = lane(bahn);
    if (b.fortsetzen) {
        // Where the replay says the part stood.
        b.fortsetzen = false;
        b.wurfNr = std::min(b.replayWurfNr, b.volle + b.abraeumen);
        b.stehend = b.wurfNr > b.volle ? std::uint16_t(VolleBild & ~b.replayBild) : VolleBild;
        b.phase = Phase::Spiel;
        b.countdown = m_vorgaben.wurfTakt;
        melden(bahn, QStringLiteral("Durchgang geht weiter nach Wurf %1").arg(b.wurfNr));
        if (b.wurfNr >= b.volle + b.abraeumen) teilEnde(bahn, true);
        return;
    }
    Teil t;
    t.spieler = b.spieler;
    t.volle = b.volle;
    t.abraeumen = b.abraeumen;
    b.teile.push_back(t);
    b.wurfNr = 0;
    b.stehend = VolleBild;
    b.zehntel = b.minuten * 10;
    b.zehntelTicks = 0;
    b.phase = Phase::Spiel;
    b.countdown = m_vorgaben.wurfTakt;
    melden(bahn, QStringLiteral("Durchgang %1 Volle + %2 Abräumen, Spieler %3").arg(b.volle).arg(b.abraeumen).arg(b.spieler));
    if (b.volle + b.abraeumen <= 0) teilEnde(bahn, true);
}

// The part is over; frame: report it with [34, 't'].
void Bahnsimulator::teilEnde(int bahn, bool frame)
{
    Bahn& b = lane(bahn);
    if (frame) senden(bahn, {34, 't'});
    b.teile.back().fertig = true;
    b.phase = Phase::Ruhe;
    const Zaehlung z = b.teile.back().zaehlung();
    melden(bahn, QStringLiteral("Durchgang beendet: %1 Holz (Volle %2, Abräumen %3), %4 Fehler")
                     .arg(z.gesamt()).arg(z.volle).arg(z.abraeumen).arg(z.fehler));
    if (b.spielErste && b.restTeile > 0) --b.restTeile;
}

void Bahnsimulator::werfen(int bahn)
{
    Bahn& b = lane(bahn);
    Teil& teil = b.teile.back();
    const bool abr = b.wurfNr >= b.volle;
    const std::uint16_t rack = abr ? b.stehend : VolleBild;

    Wurfangabe w;
    if (!b.skript.empty()) {
        w = b.skript.front();
        b.skript.pop_front();
    } else if (!abr) {
        std::discrete_distribution<int> volle{1, 1, 2, 3, 5, 9, 14, 20, 24, 21};
        w = Wurfangabe::zahl(volle(m_zufall));
    } else {
        std::uniform_int_distribution<int> anzahl(0, std::popcount(unsigned(rack)));
        int n = anzahl(m_zufall);
        if (n == 0) n = anzahl(m_zufall);
        w = Wurfangabe::zahl(n);
    }
    b.countdown = m_vorgaben.wurfTakt;

    // A frame that corrects the last throw is no throw of its own.
    if (w.flags & (FlagUngueltig | FlagWerten)) {
        GemeldeterWurf* letzter = letzterWurf(bahn);
        const std::uint16_t bild = Faellt(letzter ? letzter->stehend : rack, w);
        senden(bahn, {1, std::uint8_t(bild & 0x7F), std::uint8_t((bild >> 7) & 0x03), w.flags,
                      std::uint8_t(b.zehntel >> 8), std::uint8_t(b.zehntel & 0xFF)});
        if (w.flags & FlagUngueltig)
            ungueltig(bahn);
        else if (w.flags & FlagNullWerten)
            nullWerten(bahn);
        else if (letzter) {
            const bool warFehler = letzter->fehler;
            letzter->bild = bild;
            letzter->flags = w.flags;
            letzter->vomPc = false;
            Bewerten(*letzter);
            letzter->fehler = warFehler && letzter->holz == 0;
        }
        melden(bahn, QStringLiteral("Korrektur %1, Flags %2").arg(Hex(bild, 3), Hex(w.flags, 2)));
        return;
    }

    GemeldeterWurf g;
    g.nr = ++b.wurfNr;
    g.spieler = b.spieler;
    g.abraeumen = abr;
    g.stehend = rack;
    g.bild = Faellt(rack, w);
    g.flags = w.flags;
    if (abr) {
        b.stehend = std::uint16_t(rack & ~g.bild);
        if (b.stehend == 0) {
            g.flags |= FlagAbgeraeumt;
            b.stehend = VolleBild;
        }
    }
    Bewerten(g);
    senden(bahn, {1, std::uint8_t(g.bild & 0x7F), std::uint8_t((g.bild >> 7) & 0x03), g.flags,
                  std::uint8_t(b.zehntel >> 8), std::uint8_t(b.zehntel & 0xFF)});
    teil.wuerfe.push_back(g);
    melden(bahn, QStringLiteral("Wurf %1 %2: %3 = %4 Holz%5")
                     .arg(g.nr)
                     .arg(abr ? QStringLiteral("Abräumen") : QStringLiteral("Volle"))
                     .arg(Hex(g.bild, 3))
                     .arg(g.holz)
                     .arg(g.flags ? QStringLiteral(", Flags ") + Hex(g.flags, 2) : QString()));

    if (b.wurfNr >= b.volle + b.abraeumen) teilEnde(bahn, true);
}

void Bahnsimulator::spielUebernehmen(int bahn, std::uint8_t nr)
{
    Bahn& b = lane(bahn);
    if (!b.param.gesetzt) {
        b.spielNr = nr;
        melden(bahn, QStringLiteral("Spiel %1").arg(Hex(nr, 2)));
        return;
    }
    // The game parameters came first: the lanes run the game themselves.
    const Spielparameter p = b.param;
    b.param = {};
    const int bahnen = std::max(p.bahnen, 1);
    const int letzte = std::min(bahn + bahnen - 1, m_vorgaben.bahnen);
    const int proTeil = p.volle + p.abraeumen;
    const int runden = proTeil > 0 ? p.wuerfe / proTeil : 0;
    // Every player of both sides plays each of his rounds on some lane; how
    // the rounds fall on the lanes the lanes do not know: a lane plays at most
    // all of them, each further one once the PC registered it again.
    const int teile = std::max(2 * p.spieler * runden, 1);
    melden(bahn, QStringLiteral("Spiel %1 auf Bahn %2 bis %3, %4 Durchgänge").arg(Hex(nr, 2)).arg(bahn).arg(letzte).arg(teile));
    for (int k = bahn; k <= letzte; ++k) {
        Bahn& x = lane(k);
        x.spielNr = nr;
        x.spielErste = bahn;
        x.restTeile = teile;
        x.volle = p.volle;
        x.abraeumen = p.abraeumen;
        x.minuten = p.minuten;
        x.spielSpieler = p.spieler;
        if (p.probeWuerfe || p.probeMinuten)
            probePlanen(k, true);
        else
            teilPlanen(k, p.volle, p.abraeumen, p.minuten);
    }
}

void Bahnsimulator::spielVerlassen(int bahn)
{
    const int erste = lane(bahn).spielErste;
    for (int k = 1; k <= m_vorgaben.bahnen; ++k) {
        Bahn& x = lane(k);
        if (k != bahn && !(erste == bahn && x.spielErste == bahn)) continue;
        if (x.spielNr || x.phase != Phase::Ruhe) melden(k, QStringLiteral("verlässt das Spiel"));
        x.spielNr = 0;
        x.spielErste = 0;
        x.restTeile = 0;
        x.phase = Phase::Ruhe;
    }
}

void Bahnsimulator::spielUebergeben(int bahn)
{
    Bahn& b = lane(bahn);
    if (!b.spielErste || !b.spieler || b.teile.empty() || b.teile.back().fertig) return;
    if (b.spielErste == bahn)  // no practice, preset 0, lane choice 0, the round
        senden(bahn, {3, 1, 0, std::uint8_t(b.spielSpieler), 0, std::uint8_t(b.teile.size())});
    const Zaehlung s = spielerZaehlung(b.spieler);
    const Zaehlung t = b.teile.back().zaehlung();
    const std::pair<char, int> zaehler[] = {{'1', s.volle},          {'2', t.volle},       {'3', s.abraeumen},
                                            {'4', t.abraeumen},      {'5', s.fehler << 8}, {'6', t.fehler << 8},
                                            {'<', s.wuerfe << 8},    {'=', b.wurfNr << 8}};
    for (const auto& [code, wert] : zaehler)
        senden(bahn, {166, b.spieler, std::uint8_t(bahn), std::uint8_t(code), std::uint8_t(wert >> 8),
                      std::uint8_t(wert & 0xFF)});
    // The PC runs the game from now on; the lane waits for its start.
    b.uebergeben = true;
    b.phase = Phase::Ruhe;
    b.spielNr = 0;
    b.spielErste = 0;
    b.restTeile = 0;
    melden(bahn, QStringLiteral("übergibt Spieler %1 nach Wurf %2").arg(b.spieler).arg(b.wurfNr));
}

// A start after the hand-over goes on with the part the lane had begun.
bool Bahnsimulator::weiterNachUebergabe(int bahn)
{
    Bahn& b = lane(bahn);
    if (!b.uebergeben) return false;
    b.uebergeben = false;
    b.replayWurfNr = b.wurfNr;
    b.replayBild = b.wurfNr > b.volle ? std::uint16_t(VolleBild & ~b.stehend) : 0;
    return true;
}

GemeldeterWurf* Bahnsimulator::letzterWurf(int bahn)
{
    Bahn& b = lane(bahn);
    if (b.teile.empty() || b.teile.back().wuerfe.empty()) return nullptr;
    return &b.teile.back().wuerfe.back();
}

// A throw with pins becomes a miss; a zero throw stays what it was.
void Bahnsimulator::nullWerten(int bahn)
{
    GemeldeterWurf* w = letzterWurf(bahn);
    if (!w || w->holz == 0) return;
    w->holz = 0;
    w->fehler = true;
}

// The throw is gone: the lane throws it again on the rack it faced.
void Bahnsimulator::ungueltig(int bahn)
{
    GemeldeterWurf* w = letzterWurf(bahn);
    if (!w) return;
    Bahn& b = lane(bahn);
    if (b.phase == Phase::Spiel) {
        b.wurfNr = w->nr - 1;
        if (w->abraeumen) b.stehend = w->stehend;
    }
    b.teile.back().wuerfe.pop_back();
}

Zaehlung Bahnsimulator::zaehlung(int bahn) const
{
    Zaehlung z;
    for (const Teil& t : lane(bahn).teile) z += t.zaehlung();
    return z;
}

Zaehlung Bahnsimulator::spielerZaehlung(int spielerNr) const
{
    Zaehlung z;
    for (int bahn = 1; bahn <= m_vorgaben.bahnen; ++bahn)
        for (const Teil& t : lane(bahn).teile)
            for (const GemeldeterWurf& w : t.wuerfe)
                if (w.spieler == spielerNr) z.addieren(w);
    return z;
}
