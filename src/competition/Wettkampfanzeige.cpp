#include "competition/Wettkampfanzeige.h"

#include "core/RecordFunctions.h"
#include "core/SettingsFile.h"

#include <algorithm>

QStringList ProbeGrundpunkte()
{
    return {QStringLiteral("keine Probe"), QStringLiteral("3 min. Probe"), QStringLiteral("5 min. Probe"),
            QStringLiteral("5 Wurf Probe"), QStringLiteral("10 Wurf Probe")};
}

ProbeAuswahl ProbeAuswahlAusZeile(const QString& zeile)
{
    const QString text = zeile.left(512);
    const QStringList felder = text.split(QLatin1Char(';'));
    ProbeAuswahl a;
    if (const QString f = felder.value(5); !f.isEmpty()) a.eigeneProbe << f + QStringLiteral(" min. Probe");
    if (const QString f = felder.value(6); !f.isEmpty()) a.eigeneProbe << f + QStringLiteral(" Wurf Probe");
    a.bahnen = WurfvorwahlBahnen(text);
    return a;
}

QStringList BahnwechselPunkte(const TWettkampfDaten& w)
{
    const int n = int(w.LetzteBahn) - int(w.ErsteBahn) + 1;
    QString bahnen;
    if (!w.Streichspiel && w.Spieleranzahl == 5 && n == 4)
        bahnen = QStringLiteral("2 Bahnen");
    else if (w.Streichspiel && n == 6)
        bahnen = QStringLiteral("4 Bahnen");
    else
        return {};
    return {bahnen + QStringLiteral(" links bei Spielbeginn"), bahnen + QStringLiteral(" rechts bei Spielbeginn"),
            bahnen + QStringLiteral(" links bei Spielende"), bahnen + QStringLiteral(" rechts bei Spielende")};
}

bool SpielerzeileSichtbar(const TWettkampfDaten& w, int zeile)
{
    if (zeile < 1 || zeile > 8) return false;
    if (w.Streichspiel || zeile > 6) return true;
    return zeile <= std::max(int(w.Spieleranzahl), 4);
}

u32 SpielerzeileFarbe(const TSpielerEintrag& s)
{
    u32 farbe = FarbeWeiss;
    if (s.Gestartet) farbe = Farbe(u"ColorGestartet");
    if (s.Fertig) farbe = Farbe(u"ColorFertig");
    return farbe;
}
