#include "support/Papier.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr char Esc = 27;
constexpr int Zeilenabstand = 180;  // 1/6 inch, in 1/1080

int byteVon(QByteArrayView b, qsizetype i)
{
    return static_cast<unsigned char>(b[i]);
}

int wortVon(QByteArrayView b, qsizetype i)
{
    return byteVon(b, i) + 256 * byteVon(b, i + 1);
}

QString hex(int b)
{
    return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// y in 1/1080 to the nearest 1/180 inch, floored for negative y as well.
int aufRaster(int y)
{
    const int v = y + 3;
    return v >= 0 ? v / 6 : -((-v + 5) / 6);
}

using Zeilen = std::map<std::pair<int, int>, QByteArray>;  // (sheet, y180) -> line

Zeilen rastern(const std::vector<Papierzeichen>& zeichen)
{
    Zeilen z;
    for (const Papierzeichen& p : zeichen) {
        if (p.c == ' ') continue;
        QByteArray& zeile = z[{p.blatt, aufRaster(p.y)}];
        const qsizetype spalte = p.x / 10;
        if (zeile.size() <= spalte) zeile.append(spalte + 1 - zeile.size(), ' ');
        zeile[spalte] = p.c;
    }
    return z;
}

}  // namespace

Papier::Papier(int emulation) : m_emulation(emulation) {}

void Papier::drucken(QByteArrayView bytes)
{
    m_rest.append(bytes.data(), bytes.size());
    qsizetype i = 0;
    while (i < m_rest.size()) {
        const QByteArrayView r = QByteArrayView(m_rest).sliced(i);
        const qsizetype n = befehlslaenge(r);
        if (n == 0) break;
        m_befehlAnfang = m_gelesen + i;
        ausfuehren(r.first(n));
        i += n;
    }
    m_rest.remove(0, i);
    m_gelesen += i;
}

qsizetype Papier::befehlslaenge(QByteArrayView r)
{
    if (r[0] != Esc) return 1;
    if (r.size() < 2) return 0;
    qsizetype n = 2;
    switch (r[1]) {
    case '$': n = 4; break;
    case 'J': case 'j': case 'R': case '-': n = 3; break;
    case 'C':
        if (r.size() < 3) return 0;
        n = r[2] == 0 ? 4 : 3;
        break;
    case 'L':
        if (r.size() < 4) return 0;
        n = 4 + wortVon(r, 2);
        break;
    case '(':
        if (r.size() < 5) return 0;
        n = 5 + wortVon(r, 3);
        break;
    default: break;
    }
    return r.size() < n ? 0 : n;
}

void Papier::ausfuehren(QByteArrayView befehl)
{
    const int b = byteVon(befehl, 0);
    if ((b >= 32 && b <= 126) || b >= 128) return zeichenSetzen(befehl[0]);
    switch (b) {
    case 27: return escAusfuehren(befehl);
    case 8: m_x = std::max(0, m_x - zeichenbreite()); return;
    case 13: m_x = 0, m_breit = false; return;
    case 10: m_y += Zeilenabstand, m_breit = false; return;
    case 12: ++m_blatt, m_x = 0, m_y = 0, m_breit = false; return;
    case 14: m_breit = true; return;
    case 20: m_breit = false; return;
    case 15: m_schmal = true; return;
    case 18: m_schmal = false; return;
    default: fehlerMelden(QStringLiteral("unbekannt: %1").arg(hex(b)));
    }
}

void Papier::escAusfuehren(QByteArrayView befehl)
{
    const int einheit = m_emulation == 1 ? YProZoll / 216 : YProZoll / 180;
    switch (befehl[1]) {
    case '@': return zuruecksetzen();
    case 'M': m_zehnCpi = false; return;
    case 'P': m_zehnCpi = true; return;
    case 'G': m_fett = true; return;
    case 'H': m_fett = false; return;
    case '$': m_x = 2 * wortVon(befehl, 2); return;
    case 'J': m_y += einheit * byteVon(befehl, 2); return;
    case 'j': m_y -= einheit * byteVon(befehl, 2); return;
    case 'R': m_zeichensatz = byteVon(befehl, 2); return;
    case '-': {
        const int n = byteVon(befehl, 2);
        if (n == 0 || n == 1 || n == '0' || n == '1') m_unterstrichen = n & 1;
        else fehlerMelden(QStringLiteral("ungueltig: ESC - %1").arg(hex(n)));
        return;
    }
    case 'C':
        // 0 n: n inches; n: n lines of 1/6 inch.
        m_seitenlaenge = befehl.size() == 4 ? 360 * byteVon(befehl, 3) : 60 * byteVon(befehl, 2);
        return;
    case 'L':
        m_bilder.push_back({m_blatt, m_x, m_y, befehl.sliced(4).toByteArray()});
        m_x += int(befehl.size() - 4);
        return;
    case '(':
        if (m_emulation == 0 && befehl[2] == 'C' && befehl.size() == 7) {
            m_seitenlaenge = wortVon(befehl, 5);
            return;
        }
        fehlerMelden(
            QStringLiteral("unbekannt: ESC ( %1 mit %2 Bytes").arg(hex(byteVon(befehl, 2))).arg(befehl.size() - 5));
        return;
    default: fehlerMelden(QStringLiteral("unbekannt: ESC %1").arg(hex(byteVon(befehl, 1))));
    }
}

void Papier::zeichenSetzen(char c)
{
    const int breite = zeichenbreite();
    m_zeichen.push_back({m_blatt, m_x, m_y, c, breite, m_fett, m_breit, m_unterstrichen});
    m_x += breite;
}

void Papier::zuruecksetzen()
{
    m_zehnCpi = true;
    m_schmal = m_breit = m_fett = m_unterstrichen = false;
    m_zeichensatz = 0;
}

int Papier::zeichenbreite() const
{
    // 10 cpi 12/120, 12 cpi 10/120; condensed 17.1 and 20 cpi.
    const int w = m_schmal ? (m_zehnCpi ? 7 : 6) : (m_zehnCpi ? 12 : 10);
    return m_breit ? 2 * w : w;
}

void Papier::fehlerMelden(const QString& was)
{
    m_fehler << QStringLiteral("%1 (Byte %2)").arg(was).arg(m_befehlAnfang);
}

QByteArray Papier::zeile(int blatt, int y180) const
{
    const Zeilen z = rastern(m_zeichen);
    const auto it = z.find({blatt, y180});
    return it == z.end() ? QByteArray() : it->second;
}

std::vector<int> Papier::zeilen(int blatt) const
{
    std::vector<int> ys;
    for (const auto& [wo, zeile] : rastern(m_zeichen))
        if (wo.first == blatt) ys.push_back(wo.second);
    return ys;
}

QString Papier::alsText(int blatt) const
{
    QString text;
    for (const auto& [wo, zeile] : rastern(m_zeichen))
        if (wo.first == blatt) text += QStringLiteral("%1: %2\n").arg(wo.second, 5).arg(QString::fromLatin1(zeile));
    return text;
}

std::vector<Fundstelle> Papier::wo(QByteArrayView text) const
{
    std::vector<Fundstelle> stellen;
    if (text.isEmpty()) return stellen;
    for (const auto& [ort, zeile] : rastern(m_zeichen)) {
        // Room for blanks of text past the line's last character.
        const QByteArray z = zeile + QByteArray(text.size(), ' ');
        for (qsizetype i = z.indexOf(text); i >= 0 && i < zeile.size(); i = z.indexOf(text, i + 1))
            stellen.push_back({ort.first, int(i) * 5, ort.second});
    }
    return stellen;
}
