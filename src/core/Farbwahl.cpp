#include "core/Farbwahl.h"

#include "core/SettingsFile.h"

#include <algorithm>

int& Rgb::operator[](int komponente)
{
    return komponente == KompBlau ? blau : komponente == KompGruen ? gruen : rot;
}

int Rgb::operator[](int komponente) const
{
    return komponente == KompBlau ? blau : komponente == KompGruen ? gruen : rot;
}

u32 FarbwertAus(const Rgb& f)
{
    const auto byte = [](int v) { return u32(std::clamp(v, 0, 255)); };
    return byte(f.blau) << 16 | byte(f.gruen) << 8 | byte(f.rot);
}

Rgb FarbwertZerlegen(u32 wert)
{
    return {int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF)};
}

// --- Colour plane --------------------------------------------------------------------

Ebenenachsen EbenenAchsen(int fest)
{
    switch (fest) {
    case KompGruen: return {KompBlau, KompRot};
    case KompRot: return {KompBlau, KompGruen};
    default: return {KompGruen, KompRot};
    }
}

int EbenenWertWaagrecht(int pos, int groesse) { return groesse > 0 ? pos * 256 / groesse : 0; }

int EbenenWertSenkrecht(int pos, int groesse) { return 255 - EbenenWertWaagrecht(pos, groesse); }

int MarkeBegrenzen(int pos, int groesse) { return std::clamp(pos, 0, std::max(groesse - 1, 0)); }

Rgb EbenenFarbe(const Rgb& farbe, int fest, int links, int oben, int breite, int hoehe)
{
    const Ebenenachsen achsen = EbenenAchsen(fest);
    Rgb f = farbe;
    f[achsen.senkrecht] = EbenenWertSenkrecht(oben, hoehe);
    f[achsen.waagrecht] = EbenenWertWaagrecht(links, breite);
    return f;
}

// --- Edits and brightness ------------------------------------------------------------

int KomponenteAusText(QStringView text)
{
    int n = 0;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) n = std::min(n * 10 + (c.unicode() - '0'), 1000);
    return std::min(n, 255);
}

Rgb HelligkeitSchritt(const Rgb& farbe, int d)
{
    const Rgb neu{farbe.rot + d, farbe.gruen + d, farbe.blau + d};
    for (int k : {KompBlau, KompGruen, KompRot})
        if (neu[k] < 0 || neu[k] > 255) return farbe;
    return neu;
}

// --- Board preview -------------------------------------------------------------------

namespace {

constexpr Vorschauelement kVorschau[] = {
    {"PSpiel", true, {"ColorSpiel", "ColorTafel", "ColorMTafel", "ColorITafel"}, 0, {}},
    {"PHeim", true, {"ColorHeim", "ColorTHeim", "ColorMTHeim", "ColorITHeim"}, 0, {}},
    {"PGast", true, {"ColorGast", "ColorTGast", "ColorMTGast", "ColorITGast"}, 0, {}},
    {"LHeim", false, {"ColorHeaderHeim", "ColorTHeaderHeim", "ColorMTHeaderHeim", "ColorITHeaderHeim"}, 0, {}},
    {"LGast", false, {"ColorHeaderGast", "ColorTHeaderGast", "ColorMTHeaderGast", "ColorITHeaderGast"}, 0, {}},
    {"LTotalHeim", false, {"ColorTotalHeim", "ColorTTotalHeim", "ColorMTTotalHeim", "ColorITTotalHeim"}, 0, {}},
    {"LTotalGast", false, {"ColorTotalGast", "ColorTTotalGast", "ColorMTTotalGast", "ColorITTotalGast"}, 0, {}},
    {"LWurfHeim", false, {"ColorWurfHeim", "ColorTWurfHeim", "ColorMTWurfHeim", "ColorITWurfHeim"}, 0, {}},
    {"LWurfGast", false, {"ColorWurfGast", "ColorTWurfGast", "ColorMTWurfGast", "ColorITWurfGast"}, 0, {}},
    {"LPlusHeim", false, {"ColorPlusHeim", "ColorTPlusHeim", "ColorMTPlusHeim", "ColorITPlusHeim"}, 0, {}},
    {"LPlusGast", false, {"ColorPlusGast", "ColorTPlusGast", "ColorMTPlusGast", "ColorITPlusGast"}, 0, {}},
    {"LPunkteHeim", false, {"ColorPunkteHeim", "ColorTPunkteHeim", "ColorMTPunkteHeim", "ColorITPunkteHeim"}, 0, {}},
    {"LPunkteGast", false, {"ColorPunkteGast", "ColorTPunkteGast", "ColorMTPunkteGast", "ColorITPunkteGast"}, 0, {}},
    {"LSpieler", false, {"ColorSpieler", "ColorTSpieler", "ColorMTSpieler", "ColorITSpieler"}, 0, {}},
    {"LSpielerGestartet", false, {"ColorGestartet", "ColorTGestartet", "ColorMTGestartet", "ColorITGestartet"}, 0, {}},
    {"LSpielerFertig", false, {"ColorFertig", "ColorTFertig", "ColorMTFertig", "ColorITFertig"}, 0, {}},
    {"PErgebnisse", true, {nullptr, "ColorTErgebnisse", "ColorMTErgebnisse", "ColorITErgebnisse"}, 0, {}},
    {"LWettkampf", false, {nullptr, "ColorTMannschaft", "ColorMTMannschaft", "ColorITMannschaft"}, 2, {}},
    {"LSpielerErg", false, {nullptr, "ColorTSpielerErg", "ColorMTSpielerErg", "ColorITSpielerErg"}, 2, {}},
    {"PHinweis", true, {"ColorHinweis", nullptr, nullptr, nullptr}, 0, 12632256u},
};

}  // namespace

std::span<const Vorschauelement> VorschauElemente() { return kVorschau; }

QString VorschauEinstellung(const Vorschauelement& e, int modus)
{
    if (modus < 1 || modus > VorschauModusAnzahl || !e.einstellung[modus - 1]) return {};
    return QString::fromLatin1(e.einstellung[modus - 1]);
}

bool VorschauSpeichern(const Vorschauelement& e, int modus)
{
    return !VorschauEinstellung(e, modus).isEmpty() && e.nurAnzeigeModus != modus;
}

std::optional<u32> VorschauStandard(const Vorschauelement& e, int modus)
{
    if (e.standardImmer) return e.standardImmer;
    const QString name = VorschauEinstellung(e, modus);
    if (name.isEmpty()) return std::nullopt;
    return FarbeStandard(name);
}
