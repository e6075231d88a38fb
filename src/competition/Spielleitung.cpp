#include "competition/Spielleitung.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"

#include <algorithm>

SpielleitungZustand spielleitungZustand;
QStringList& SpielleiterListe = spielleitungZustand.SpielleiterListe;
int& SpielleiterIndex = spielleitungZustand.SpielleiterIndex;

void SpielleitungZustand::zuruecksetzen()
{
    SpielleiterListe.clear();
    SpielleiterIndex = 0;
}

QString SpielleiterDatei() { return DateiImOrdner(Datenverzeichnis, QStringLiteral("Spielleiter.inf")); }

void SpielleiterLaden()
{
    SpielleiterListe = TextdateiLesen(SpielleiterDatei()).value_or(QStringList());
    SpielleiterIndex = 0;
}

SpielleiterFelder SpielleiterZerlegen(const QString& zeile)
{
    SpielleiterFelder f;
    const QStringList teile = zeile.split(QLatin1Char(';'));
    for (std::size_t i = 0; i < f.size() && qsizetype(i) < teile.size(); ++i) f[i] = teile.at(qsizetype(i));
    return f;
}

QString SpielleiterVerbinden(const SpielleiterFelder& felder)
{
    QStringList teile;
    for (const QString& f : felder) teile << SpielleiterFeld(f);
    return teile.join(QLatin1Char(';'));
}

QString SpielleiterFeld(QString text) { return text.replace(QLatin1Char(';'), QLatin1Char(',')); }

SpielleiterFelder SpielleiterAnzeigen(int index)
{
    if (index < 0 || index >= SpielleiterListe.size()) return {};
    return SpielleiterZerlegen(SpielleiterListe.at(index));
}

bool SpielleiterSuchen(const QString& name)
{
    for (qsizetype i = 0; i < SpielleiterListe.size(); ++i) {
        if (SpielleiterListe.at(i).section(QLatin1Char(';'), 0, 0).contains(name)) {
            SpielleiterIndex = int(i);
            return true;
        }
    }
    return false;
}

void SpielleiterUebernehmen(int index, const SpielleiterFelder& felder)
{
    index = std::max(index, 0);
    if (index >= SpielleiterListe.size()) {
        index = int(SpielleiterListe.size());
        SpielleiterListe.append(QString());
    }
    SpielleiterListe[index] = SpielleiterVerbinden(felder);
}

void SpielleiterAktivieren(const TWettkampfDaten& w)
{
    bool gefunden = false;
    if (!w.Spielleiter.Name.leer())
        gefunden = SpielleiterSuchen(w.Spielleiter.Name.text());
    else if (!w.Schiedsrichter.leer())
        gefunden = SpielleiterSuchen(w.Schiedsrichter.text());
    if (!gefunden) SpielleiterIndex = 0;
}

void SpielleiterZurueck()
{
    if (SpielleiterIndex > 0) --SpielleiterIndex;
}

void SpielleiterVor()
{
    if (SpielleiterIndex < SpielleiterListe.size() - 1) ++SpielleiterIndex;
}

bool SpielleiterNeu(const SpielleiterFelder& felder, const TWettkampfDaten& w)
{
    if (felder[0].isEmpty()) return false;
    SpielleiterUebernehmen(SpielleiterIndex, felder);
    SpielleiterIndex = std::clamp(SpielleiterIndex, 0, int(SpielleiterListe.size()) - 1) + 1;
    const QString name = w.Spielleiter.Name.leer() ? w.Schiedsrichter.text() : w.Spielleiter.Name.text();
    SpielleiterListe.insert(SpielleiterIndex, SpielleiterVerbinden({name}));
    return true;
}

void SpielleiterAendern(const SpielleiterFelder& felder) { SpielleiterUebernehmen(SpielleiterIndex, felder); }

void SpielleiterLoeschen()
{
    if (SpielleiterIndex < 0 || SpielleiterIndex >= SpielleiterListe.size()) return;
    SpielleiterListe.removeAt(SpielleiterIndex);
    SpielleiterIndex = std::max(0, std::min(SpielleiterIndex, int(SpielleiterListe.size()) - 1));
}

bool SpielleiterSpeichern(const SpielleiterFelder& felder)
{
    SpielleiterUebernehmen(SpielleiterIndex, felder);
    QString fehler;
    if (TextdateiSchreiben(SpielleiterDatei(), SpielleiterListe, &fehler)) return true;
    boxen().hinweis(QStringLiteral("Die Liste der Spielleiter wurde nicht gespeichert.\n") + fehler);
    return false;
}

SpielleiterKnoepfe SpielleiterKnopfzustand()
{
    const int n = int(SpielleiterListe.size());
    SpielleiterKnoepfe k;
    k.zurueck = n > 1 && SpielleiterIndex > 0;
    k.vor = SpielleiterIndex < n - 1;
    k.loeschen = n > 0;
    return k;
}

void SpielleiterEintragen(TWettkampfDaten& w, const SpielleiterFelder& felder)
{
    w.Spielleiter.Name.setzenText(felder[0]);
    w.Spielleiter.Anschrift.setzenText(felder[1]);
    w.Spielleiter.Plz.setzenText(felder[2]);
    w.Spielleiter.Ort.setzenText(felder[3]);
    w.Spielleiter.Tel.setzenText(felder[4]);
    w.Geaendert = 1;
}
