#include "competition/Wettkampfoptionen.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/TextFunctions.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Punkte.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Wettkampfslots.h"

#include <algorithm>

namespace {

QString Zahl(int n) { return QString::number(n); }

}  // namespace

bool ZentraldruckerVorhanden()
{
    return std::any_of(Einst.Drucker.begin(), Einst.Drucker.end(),
                       [](const TZentralDrucker& d) { return d.Schnittstelle > 0; });
}

Wettkampfoptionen WettkampfoptionenLesen(const TWettkampfDaten& w, bool zentraldrucker)
{
    Wettkampfoptionen o;
    o.Volle = Zahl(w.Volle);
    o.Abraeumen = Zahl(w.Abraeumen);
    o.Wurfzeit = Zahl(w.Wurfzeit);
    o.ManualBahnw = w.ManuellerBahnwechsel;
    o.Land = w.Land.leer() ? Einst.Land : w.Land.text();
    o.Bezirk = w.Bezirk.leer() ? Einst.Bezirk : w.Bezirk.text();
    o.Beginn = w.Beginn.text();
    o.Ende = w.Ende.text();
    o.Spieltag = w.Spieltag.text();
    if (zentraldrucker) {
        o.DrWurfblatt = w.DrWurfblatt;
        o.DrZweiBahnen = w.DrZweiBahnen;
        o.DrZentral = w.DrZentral;
        o.DrSparmodus = w.DrSparmodus;
        o.DrKopf = w.DrKopf;
        o.DrFuss = w.DrFuss;
    }
    o.Streichspiel = w.Streichspiel;
    o.Punktespiel = w.Punktespiel;
    o.SVictory1Spiel = w.SVictory1Spiel;
    o.SVictory2Spiele = w.SVictory2Spiele;
    if (o.SVictory1Spiel) o.SVictory1Wuerfe = Zahl(w.SVictoryWuerfe);
    if (o.SVictory2Spiele) o.SVictory2Wuerfe = Zahl(w.SVictoryWuerfe);
    o.Satzanzeige = w.Satzanzeige;
    o.Bahnergebnisse = !w.Satzanzeige;
    // The points-game rule once, as after a click.
    WettkampfoptionenKlick(o, Optionsbox::Punktespiel);
    return o;
}

WettkampfoptionenFreigabe WettkampfoptionenFreigaben(const Wettkampfoptionen& o, bool zentraldrucker)
{
    WettkampfoptionenFreigabe f;
    if (zentraldrucker) {
        f.DrWurfblatt = true;
        f.DrZweiBahnen = f.DrZentral = f.DrKopf = f.DrFuss = o.DrWurfblatt;
        f.DrSparmodus = o.DrWurfblatt && o.DrZentral;
    }
    f.SVictory1Spiel = f.SVictory2Spiele = o.Punktespiel;
    f.SVictory1Wuerfe = o.Punktespiel && o.SVictory1Spiel;
    f.SVictory2Wuerfe = o.Punktespiel && o.SVictory2Spiele;
    return f;
}

void WettkampfoptionenKlick(Wettkampfoptionen& o, Optionsbox box)
{
    switch (box) {
    case Optionsbox::DrWurfblatt:
        break;
    case Optionsbox::DrZweiBahnen:
        o.DrZentral = false;
        break;
    case Optionsbox::DrZentral:
    case Optionsbox::DrSparmodus:
        o.DrZweiBahnen = false;
        break;
    case Optionsbox::Punktespiel:
        if (!o.Punktespiel) {
            o.SVictory1Spiel = o.SVictory2Spiele = false;
            o.SVictory1Wuerfe.clear();
            o.SVictory2Wuerfe.clear();
        }
        break;
    case Optionsbox::SVictory1Spiel:
        if (!o.SVictory1Spiel) o.SVictory1Wuerfe.clear();
        o.SVictory2Spiele = false;
        o.SVictory2Wuerfe.clear();
        break;
    case Optionsbox::SVictory2Spiele:
        if (!o.SVictory2Spiele) o.SVictory2Wuerfe.clear();
        o.SVictory1Spiel = false;
        o.SVictory1Wuerfe.clear();
        break;
    case Optionsbox::Satzanzeige:
        o.Bahnergebnisse = false;
        break;
    case Optionsbox::Bahnergebnisse:
        o.Satzanzeige = false;
        break;
    }
}

QString SVictoryWuerfeBegrenzen(const QString& text, int volle)
{
    return TextZuZahl(text) > volle ? Zahl(volle) : text;
}

void WurfzahlenBegrenzen(int& volle, int& abraeumen)
{
    volle = std::clamp(volle, 0, MaxWurfvorwahl);
    abraeumen = std::clamp(abraeumen, 0, MaxWurfvorwahl - volle);
}

void WettkampfoptionenSchreiben(TWettkampfDaten& w, const Wettkampfoptionen& o, bool punktespielVorher)
{
    w.Geaendert = 1;
    int volle = TextZuZahl(o.Volle);
    int abraeumen = TextZuZahl(o.Abraeumen);
    WurfzahlenBegrenzen(volle, abraeumen);
    w.Volle = u16(volle);
    w.Abraeumen = u16(abraeumen);
    w.Wurfzeit = TextZuZahl(o.Wurfzeit);
    w.ManuellerBahnwechsel = o.ManualBahnw;
    w.Land.setzenText(o.Land);
    w.Bezirk.setzenText(o.Bezirk);
    w.Beginn.setzenText(o.Beginn);
    w.Ende.setzenText(o.Ende);
    w.Spieltag.setzenText(o.Spieltag);
    w.DrWurfblatt = o.DrWurfblatt;
    w.DrZweiBahnen = o.DrZweiBahnen;
    w.DrZentral = o.DrZentral;
    w.DrSparmodus = o.DrSparmodus;
    w.DrEinzelbahn = !(o.DrZweiBahnen || o.DrZentral);
    w.DrKopf = o.DrKopf;
    w.DrFuss = o.DrFuss;
    w.Streichspiel = o.Streichspiel;
    w.Punktespiel = o.Punktespiel;
    const auto svictory = [&w](bool an, const QString& text, u8& option) {
        if (!an) {
            option = 0;
            return;
        }
        w.SVictoryWuerfe = TextZuZahl(text);
        option = w.SVictoryWuerfe != 0;
    };
    svictory(o.SVictory1Spiel, o.SVictory1Wuerfe, w.SVictory1Spiel);
    svictory(o.SVictory2Spiele, o.SVictory2Wuerfe, w.SVictory2Spiele);
    if (w.Punktespiel && !punktespielVorher) SatzpunkteBerechnen(w);
    w.Satzanzeige = o.Satzanzeige;
}

void WurfblattdruckAnwenden(TWettkampfDaten& w)
{
    if (w.DrWurfblatt) drucker().druckerportInit();
    for (int bahn : BahnenVon(w)) {
        if (BahnDaten[bahn].Wettk != &w) continue;
        if (w.DrWurfblatt) {
            drucker().bahndruckBeginnen(bahn);
            drucker().druckspalteBestimmen(bahn);
        } else {
            WurfblattDrucker[bahn] = 0;
            drucker().druckwarteschlangeLeeren(bahn);
        }
    }
}

void WettkampfoptionenUebernehmen(TWettkampfDaten& w, const Wettkampfoptionen& o, bool punktespielVorher)
{
    WettkampfoptionenSchreiben(w, o, punktespielVorher);
    // Dropped results and the throw counts decide team size, lanes and plan;
    // the window's refresh only shows them, and the counts just typed stay.
    if (&w == AktWettkampf && !w.Gestartet && !w.Beendet) WettkampfOptionenAbleiten();
    WurfblattdruckAnwenden(w);
    fenster().aktualisieren(MdiFenster::Wettkampf);
}
