#include "shell/Optionen.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDebug>
#include <algorithm>

StrengeZahl StrengeZahlLesen(const QString& text, qint64 max, qint64 min)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qint64 z = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok || t.startsWith(QLatin1String("$-")) || t.startsWith(QLatin1String("$+")))
        return {std::nullopt, QStringLiteral("'%1' ist keine gültige Zahl !").arg(text)};
    if (z < min || z > max)
        return {std::nullopt, QStringLiteral("'%1' liegt nicht zwischen %2 und %3 !").arg(text).arg(min).arg(max)};
    return {z, {}};
}

std::vector<Optionsschluessel> GeraeteSchluessel()
{
    std::vector<Optionsschluessel> v;
    for (int n = 1; n <= 4; ++n) {
        v.emplace_back(QStringLiteral("[Bahnsteuerung]"), QStringLiteral("DruckerGeraetLpt%1").arg(n));
        v.emplace_back(QStringLiteral("[Bahnsteuerung]"), QStringLiteral("DruckerGeraetCom%1").arg(n));
    }
    v.emplace_back(QStringLiteral("[CanBus]"), QStringLiteral("CanSchnittstelle"));
    v.emplace_back(QStringLiteral("[System]"), QStringLiteral("ChipkarteSchnittstelle"));
    return v;
}

bool OptionenSchreiben(const std::vector<Optionsschluessel>& schluessel, bool infLoeschen, QString* fehler)
{
    // A device key the file holds comes back after the pages' keys, with the
    // value read from it.
    std::vector<Optionsschluessel> alle = schluessel;
    if (infLoeschen) {
        for (const Optionsschluessel& g : GeraeteSchluessel()) {
            const bool steht = std::any_of(InfListe.cbegin(), InfListe.cend(), [&g](const QString& z) {
                return !z.startsWith(QLatin1Char('[')) &&
                       SchluesselWert(z).key.compare(g.second, Qt::CaseInsensitive) == 0;
            });
            if (steht) alle.push_back(g);
        }
        InfListe.clear();
    }
    for (const auto& [sektion, name] : alle) {
        const Einstellungsschluessel* s = SchluesselSuchen(name);
        if (!s) {
            qWarning() << "Einstellung ohne Schlüssel:" << name;
            continue;
        }
        InfSchreiben(sektion, s->name, EinstellungText(*s));
    }
    if (!InfDateiSchreiben(fehler)) return false;

    const std::pair<const QStringList*, const char*> listen[] = {
        {&FormularNamen, "Formular.inf"}, {&FormularDateien, "FormularDatei.inf"}, {&WurfvorwListe, "Wurfvorw.inf"},
        {&GruppeListe, "Gruppe.inf"},     {&KlasseListe, "Klasse.inf"},            {&EmailAnListe, "EmailAn.inf"},
    };
    for (const auto& [liste, name] : listen)
        if (!TextdateiSchreiben(DateiImOrdner(Datenverzeichnis, QLatin1String(name)), *liste, fehler)) return false;
    return true;
}
