#include "match/lanes/Bahnsteuerung.h"

#include "core/Cp1252.h"
#include "core/Globals.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/flow/Spielbahnen.h"

#include <cstring>

using namespace CanRahmen;

namespace {

QString text(const char* t) { return Cp1252::decode(t, qsizetype(std::strlen(t))); }

u8 weiter(u8 status) { return u8(status >= 2 ? 0 : status + 1); }

}  // namespace

QString ZeitBeschriftung(u8 zeitStatus)
{
    switch (zeitStatus) {
    case 1: return QStringLiteral("Zeit Start");
    case 2: return QStringLiteral("Zeit Aus");
    default: return QStringLiteral("Zeit Ein");
    }
}

QString UebertrittBeschriftung(u8 uebertrittStatus)
{
    switch (uebertrittStatus) {
    case 1: return QStringLiteral("Übertritt Wert");
    case 2: return QStringLiteral("Übertritt Aus");
    default: return QStringLiteral("Übertritt Ein");
    }
}

QString SpielStartBeschriftung(bool gestoppt)
{
    return gestoppt ? QStringLiteral("Spiel Start") : QStringLiteral("Spiel Stop");
}

SteuerungAnzeige BahnsteuerungZustand(int bahn)
{
    SteuerungAnzeige a;
    if (!BahnDaten.contains(bahn)) return a;
    const TBahnDaten& l = BahnDaten[bahn];
    const u16 s = l.StatusWort;
    a.bahn = bahn;

    a.tastenSichtbar = l.BahnOnline;
    a.bahnEinText = l.BahnOnline ? QStringLiteral("Bahn Aus") : QStringLiteral("Bahn Ein");
    a.bahnEinGedrueckt = l.BahnOnline;
    a.volleGedrueckt = s & StatusVolle;
    a.abrGedrueckt = s & StatusAbraeumen;
    a.stopGedrueckt = s & StatusGestoppt;
    a.sportText = (s & StatusProbe)   ? QStringLiteral("Wettkampf")
                  : (s & StatusSport) ? QStringLiteral("Sport Aus")
                                      : QStringLiteral("Probe");
    a.zeitText = ZeitBeschriftung(l.ZeitStatus);
    a.uebertrittText = UebertrittBeschriftung(l.UebertrittStatus);

    if (l.BahnOnline) {
        // Two warnings and more show as two marks.
        a.verwarnung = l.BahnVerwarnungen == 0   ? QStringLiteral(" ")
                       : l.BahnVerwarnungen == 1 ? QStringLiteral("Ü")
                                                 : QStringLiteral("ÜÜ");
        a.holz = QString::number(l.WurfHolz);
        if (s & StatusProbe) {
            a.probeSichtbar = true;
            a.verwarnung = QStringLiteral(" ");
            a.total = QStringLiteral("    ");
        }
        if (s & StatusSport) {
            a.total = l.BahnTotal ? text(l.TextTotal.c_str()) : QStringLiteral("0000");
            a.wurf = l.WurfNr ? text(l.TextWurfNr.c_str()) : QStringLiteral("00");
            a.gesamt = l.BahnGesamt ? text(l.TextGesamt.c_str()) : QStringLiteral("000");
        }
    } else {
        a.verwarnung = QStringLiteral(" ");
        a.total = QStringLiteral("0000");
        a.wurf = QStringLiteral("00");
        a.holz = QStringLiteral("0");
        a.gesamt = QStringLiteral("000");
    }

    if (SpielLaeuft(l.Wettk)) a.ledMaske = l.WurfBild & WurfbildKegelMaske;

    if (l.Wettk) {
        a.hatSpiel = true;
        a.spielStartText = SpielStartBeschriftung(l.Wettk->Gestoppt);
        a.zeitKnoepfeSichtbar = !l.Wettk->Gestoppt;
    }
    return a;
}

QList<SteuerRahmen> SteuerungBefehl(Steuerelement element, int bahn, int wert)
{
    if (bahn < 1 || bahn > BahnAnzahl || !BahnDaten.contains(bahn)) return {};
    TBahnDaten& l = BahnDaten[bahn];
    const bool online = l.BahnOnline;
    const u16 s = l.StatusWort;
    const auto befehl = [&](u8 code) -> QList<SteuerRahmen> {
        if (!online) return {};
        return {{bahn, Steuerbefehl(code)}};
    };
    const auto anzeige = [&](u8 code) -> QList<SteuerRahmen> {
        if (!online && code != AnzWurfNr) return {};
        return {{bahn, BahnanzeigeWert(code, wert)}};
    };
    const auto spielbahnen = [&](u8 code) {
        QList<SteuerRahmen> r;
        if (!l.Wettk) return r;
        for (int k : BahnenVon(*l.Wettk))
            if (l.Wettk->BahnImSpiel[k]) r.append({k, Steuerbefehl(code)});
        return r;
    };

    switch (element) {
    case Steuerelement::Aktivierung: return {{bahn, StatusAnfrage()}};
    case Steuerelement::Bahnwahl:
        if (!online) return {};
        return {{bahn, StatusAnfrage()}};
    case Steuerelement::WurfUngueltig: return befehl(BefehlUngueltig);
    case Steuerelement::WurfFehler: return befehl(BefehlNullwurf);
    case Steuerelement::Volle: return befehl(BefehlVolle);
    case Steuerelement::Abraeumen: return befehl(BefehlAbraeumen);
    case Steuerelement::Stop: return befehl(l.BahnGestoppt ? BefehlLauf : BefehlHalt);
    case Steuerelement::Sport:
        if (!online) return {};
        if (s & StatusProbe) {
            if (!l.Wettk) return {{bahn, DurchgangStart(25, 25, 20, false)}};
            const TWettkampfDaten& m = *l.Wettk;
            const bool heim = l.BahnSpieler && l.BahnSpieler->IstHeim;
            return {{bahn, DurchgangStart(u8(m.Volle), u8(m.Abraeumen), u8(m.Wurfzeit), heim)}};
        }
        return befehl(s & StatusSport ? BefehlSportAus : BefehlProbeStart);
    case Steuerelement::Zeit: {
        static constexpr u8 codes[] = {BefehlZeitEin, BefehlZeitStart, BefehlZeitAus};
        const u8 code = codes[l.ZeitStatus <= 2 ? l.ZeitStatus : 0];
        l.ZeitStatus = weiter(l.ZeitStatus);
        return befehl(code);
    }
    case Steuerelement::Uebertritt: {
        static constexpr u8 codes[] = {BefehlUebertrittEin, BefehlUebertrittWert, BefehlUebertrittAus};
        const u8 code = codes[l.UebertrittStatus <= 2 ? l.UebertrittStatus : 0];
        l.UebertrittStatus = weiter(l.UebertrittStatus);
        return befehl(code);
    }
    case Steuerelement::Verwarnung: return befehl(BefehlVerwarnung);
    case Steuerelement::Stellen:
        if (!online) return {};
        return {{bahn, KegelStellen(u16(wert & WurfbildKegelMaske))}};
    case Steuerelement::Total: return anzeige(AnzSumme);
    case Steuerelement::Wurf: return anzeige(AnzWurfNr);
    case Steuerelement::Gesamt: return anzeige(AnzHolz);
    case Steuerelement::Verwarnungswert: return anzeige(AnzFehler);
    case Steuerelement::ZeitStart: return spielbahnen(BefehlZeitStart);
    case Steuerelement::ZeitStop: return spielbahnen(BefehlZeitStopp);
    }
    return {};
}

void SteuerRahmenSenden(const QList<SteuerRahmen>& rahmen)
{
    for (const SteuerRahmen& r : rahmen) CanNachrichtSenden(r.bahn, r.daten);
}

void SteuerungAusfuehren(Steuerelement element, int bahn, int wert)
{
    SteuerRahmenSenden(SteuerungBefehl(element, bahn, wert));
}

EingabeAnfrage WertAnfrage(Steuerelement element, const QString& text)
{
    EingabeAnfrage a;
    a.text = text;
    a.schritt = 1;
    a.hinweis = QStringLiteral("Wert eintragen");
    switch (element) {
    case Steuerelement::Total:
        a.beschriftung = QStringLiteral("Total:");
        a.format = QStringLiteral("###0");
        break;
    case Steuerelement::Wurf:
        a.beschriftung = QStringLiteral("Wurf:");
        a.format = QStringLiteral("#0");
        break;
    case Steuerelement::Gesamt:
        a.beschriftung = QStringLiteral("Gesamt:");
        a.format = QStringLiteral("##0");
        break;
    default:
        a.beschriftung = QStringLiteral("Verwarnung:");
        a.hinweis = QStringLiteral("V eintragen");
        break;
    }
    return a;
}

void BahnEinAus(int bahn)
{
    if (!BahnDaten.contains(bahn)) return;
    if (BahnDaten[bahn].BahnOnline)
        BahnAbmelden(bahn);
    else
        BahnAnmelden(bahn);
}

void BahndruckerEinschalten(int bahn)
{
    if (Einst.DrEinschalten && BahnDaten.contains(bahn)) drucker().bahndruckBeginnen(bahn);
}

int SichtbareBahnknoepfe(int bahnAnzahl) { return BekannteBahnanzahl(bahnAnzahl); }

int ZiffertasteBahn(int ziffer) { return ziffer >= 1 && ziffer <= 8 && ziffer <= BahnAnzahl ? ziffer : 0; }
