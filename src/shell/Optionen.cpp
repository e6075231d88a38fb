#include "shell/Optionen.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QDebug>

StrengeZahl StrengeZahlLesen(const QString& text, qint64 max)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qint64 z = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok || t.startsWith(QLatin1String("$-")) || t.startsWith(QLatin1String("$+")))
        return {std::nullopt, QStringLiteral("'%1' ist keine gültige Zahl !").arg(text)};
    if (z < 0 || z > max)
        return {std::nullopt, QStringLiteral("'%1' liegt nicht zwischen 0 und %2 !").arg(text).arg(max)};
    return {z, {}};
}

bool OptionenSchreiben(const std::vector<Optionsschluessel>& schluessel, bool infLoeschen, QString* fehler)
{
    if (infLoeschen) InfListe.clear();
    for (const auto& [sektion, name] : schluessel) {
        const Einstellungsschluessel* s = SchluesselSuchen(name);
        if (!s) {
            qWarning() << "Einstellung ohne Schlüssel:" << name;
            continue;
        }
        InfSchreiben(sektion, s->name, EinstellungText(*s));
    }
    if (!TextdateiSchreiben(InfDatei, InfListe, fehler)) return false;

    const std::pair<const QStringList*, const char*> listen[] = {
        {&FormularNamen, "Formular.inf"}, {&FormularDateien, "FormularDatei.inf"}, {&WurfvorwListe, "Wurfvorw.inf"},
        {&GruppeListe, "Gruppe.inf"},     {&KlasseListe, "Klasse.inf"},            {&EmailAnListe, "EmailAn.inf"},
    };
    for (const auto& [liste, name] : listen)
        if (!TextdateiSchreiben(DateiImOrdner(Datenverzeichnis, QLatin1String(name)), *liste, fehler)) return false;
    return true;
}
