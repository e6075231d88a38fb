#include "shell/Vorwahl.h"

#include "core/RecordFunctions.h"
#include "core/TextFunctions.h"

#include <algorithm>

namespace {

constexpr int ZeilenLaenge = 512;

// The project files reach at least to `index` - 1, blank where none is kept.
void DateienAuffuellen(QStringList& dateien, int index)
{
    while (dateien.size() < index) dateien.append(QStringLiteral(" "));
}

}  // namespace

QStringList Satzmodi()
{
    return {QStringLiteral("1 Satz"), QStringLiteral("2 Sätze"), QStringLiteral("4 Sätze Classic"),
            QStringLiteral("4 Sätze Reihe"), QStringLiteral("frei definiert")};
}

void WuerfeKappen(int& volle, int& abraeumen)
{
    volle = std::min(volle, MaxWuerfeVorwahl);
    abraeumen = std::min(abraeumen, MaxWuerfeVorwahl);
    if (volle + abraeumen > MaxWuerfeVorwahl) abraeumen = MaxWuerfeVorwahl - volle;
}

QString WurfvorwahlZeileBauen(const Wurfvorwahlfelder& f)
{
    QStringList felder = {f.name,
                          QString::number(f.volle),
                          QString::number(f.abraeumen),
                          QString::number(f.zeit),
                          QString::number(f.satzmodus),
                          ZahlZuText(std::uint16_t(std::clamp(f.probeZeit, 0, 65535))),
                          ZahlZuText(std::uint16_t(std::clamp(f.probeWurf, 0, 65535)))};
    felder += f.bahnen;
    return felder.join(QLatin1Char(';'));
}

Wurfvorwahlzeile WurfvorwahlZeileLesen(const QString& zeile)
{
    const QString text = zeile.left(ZeilenLaenge);
    const QStringList felder = text.split(QLatin1Char(';'));
    // Field k counted from 1, as in the file's description.
    auto zahl = [&](int k) -> std::optional<int> {
        if (k > felder.size()) return std::nullopt;
        return int(TextZuZahl(felder.at(k - 1)));
    };
    Wurfvorwahlzeile z;
    z.volle = zahl(2);
    z.abraeumen = zahl(3);
    z.zeit = zahl(4);
    z.satzmodus = zahl(5);
    z.probeZeit = zahl(6);
    z.probeWurf = zahl(7);
    z.bahnen = WurfvorwahlBahnen(text);
    return z;
}

QString WurfvorwahlName(const QString& zeile) { return zeile.left(ZeilenLaenge).section(QLatin1Char(';'), 0, 0); }

Sektionsvorgaben SektionVorgaben(const QString& sektion)
{
    if (sektion == QLatin1String("Classic")) return {25, 25, 20};
    if (sektion == QLatin1String("Bohle")) return {15, 15, std::nullopt};
    if (sektion == QLatin1String("Schere")) return {30, 0, std::nullopt};
    return {};
}

int FormularEinfuegen(QStringList& namen, QStringList& dateien, int gemerkt, const QString& name)
{
    if (gemerkt < FesteFormulare - 1 || namen.size() >= MaxFormulare) return -1;
    const int pos = std::min(gemerkt + 1, int(namen.size()));
    namen.insert(pos, name);
    DateienAuffuellen(dateien, pos);
    dateien.insert(pos, QStringLiteral(" "));
    return pos;
}

bool FormularLoeschen(QStringList& namen, QStringList& dateien, int index)
{
    if (index < FesteFormulare || index >= namen.size()) return false;
    namen.removeAt(index);
    if (index < dateien.size()) dateien.removeAt(index);
    return true;
}

bool FormularUmbenennen(QStringList& namen, int index, const QString& name)
{
    if (index < 0 || index >= namen.size()) return false;
    namen[index] = name;
    return true;
}

bool FormularDateiSetzen(QStringList& dateien, int index, const QString& datei)
{
    if (index < FesteFormulare || index >= MaxFormulare) return false;
    DateienAuffuellen(dateien, index + 1);
    dateien[index] = datei;
    return true;
}
