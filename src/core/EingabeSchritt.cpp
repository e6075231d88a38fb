#include "core/EingabeSchritt.h"

#include "core/TextFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The placeholders of a format.
struct Muster {
    bool leer = false;
    int minGanz = 0;  // '0' before the point
    int minDez = 0;   // up to the last '0' after the point
    int maxDez = 0;   // every placeholder after the point
};

Muster musterLesen(const QString& format)
{
    Muster m;
    m.leer = format.isEmpty();
    bool nachPunkt = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('.')) {
            nachPunkt = true;
        } else if (c == QLatin1Char('0')) {
            if (nachPunkt)
                m.minDez = ++m.maxDez;
            else
                ++m.minGanz;
        } else if (c == QLatin1Char('#') && nachPunkt) {
            ++m.maxDez;
        }
    }
    return m;
}

// |wert| as 15 significant digits; the point stands before ziffern[punkt].
struct Dezimal {
    std::string ziffern;
    int punkt = 0;
};

Dezimal dezimalVon(double wert)
{
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%.14e", std::fabs(wert));
    Dezimal d;
    d.ziffern.push_back(puffer[0]);
    d.ziffern.append(puffer + 2, 14);
    d.punkt = std::atoi(std::strchr(puffer, 'e') + 1) + 1;
    return d;
}

// Rounds half away from zero to 'dez' decimals.
void runden(Dezimal& d, int dez)
{
    const int behalten = d.punkt + dez;
    if (behalten >= static_cast<int>(d.ziffern.size())) return;
    if (behalten < 0) {
        d.ziffern.clear();
        return;
    }
    const bool auf = d.ziffern[static_cast<size_t>(behalten)] >= '5';
    d.ziffern.resize(static_cast<size_t>(behalten));
    if (!auf) return;
    int i = behalten - 1;
    for (; i >= 0; --i) {
        char& z = d.ziffern[static_cast<size_t>(i)];
        if (z != '9') {
            ++z;
            break;
        }
        z = '0';
    }
    if (i < 0) {
        d.ziffern.insert(d.ziffern.begin(), '1');
        ++d.punkt;
    }
}

char zifferAn(const Dezimal& d, int i)
{
    return i >= 0 && i < static_cast<int>(d.ziffern.size()) ? d.ziffern[static_cast<size_t>(i)] : '0';
}

}  // namespace

QString ZahlFormatieren(double wert, const QString& format)
{
    if (!std::isfinite(wert)) return QString::number(wert);
    const Muster m = musterLesen(format);
    Dezimal d = dezimalVon(wert);
    int dez = 0;
    if (m.leer) {
        dez = std::max(0, static_cast<int>(d.ziffern.size()) - d.punkt);
    } else {
        runden(d, m.maxDez);
        dez = m.maxDez;
    }

    std::string ganz;
    for (int i = 0; i < d.punkt; ++i) ganz.push_back(zifferAn(d, i));
    const size_t erste = ganz.find_first_not_of('0');
    ganz.erase(0, erste == std::string::npos ? ganz.size() : erste);
    const int minGanz = m.leer ? 1 : m.minGanz;
    if (static_cast<int>(ganz.size()) < minGanz) ganz.insert(0, static_cast<size_t>(minGanz) - ganz.size(), '0');

    std::string bruch;
    for (int i = 0; i < dez; ++i) bruch.push_back(zifferAn(d, d.punkt + i));
    const int minDez = m.leer ? 0 : m.minDez;
    while (static_cast<int>(bruch.size()) > minDez && bruch.back() == '0') bruch.pop_back();

    const bool null = d.ziffern.find_first_not_of('0') == std::string::npos;
    std::string text = (wert < 0 && !null) ? "-" : "";
    text += ganz;
    if (!bruch.empty()) text += '.' + bruch;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<double> EingabeZahl(const QString& text)
{
    if (text.trimmed().isEmpty()) return 0.0;
    return TextZuFloat(text);
}

QString EingabeSchritt(const QString& text, float schritt, const QString& format, int modus, bool hoch)
{
    const std::optional<double> zahl = EingabeZahl(text);
    if (!zahl) return text;
    double wert = hoch ? *zahl + schritt : *zahl - schritt;
    if (!hoch && wert < 0) wert = 0;
    QString neu = ZahlFormatieren(wert, format);
    if (modus == HalbschrittModus) {
        const double gezeigt = EingabeZahl(neu).value_or(0);
        const double ganz = std::trunc(gezeigt);
        if (gezeigt - ganz >= 0.5) {
            // Up to the next whole number; down to the last shown digit below .5.
            const qsizetype punkt = neu.indexOf(QLatin1Char('.'));
            const int stellen = punkt < 0 ? 0 : int(neu.size() - punkt - 1);
            neu = ZahlFormatieren(hoch ? ganz + 1 : ganz + 0.5 - std::pow(10.0, -stellen), format);
        }
    }
    return neu;
}

std::optional<QString> HalbschrittKorrektur(const QString& text, const QString& format, int modus)
{
    if (modus != HalbschrittModus) return std::nullopt;
    const std::optional<double> zahl = EingabeZahl(text);
    if (!zahl || *zahl - std::trunc(*zahl) < 0.5) return std::nullopt;
    return ZahlFormatieren(std::trunc(*zahl), format);
}
