#include "core/Globals.h"

#include "core/SettingsFile.h"

#include <memory>

Array1<TWettkampfDaten, MaxWettkaempfe> Wettkaempfe;
Array1<u8, MaxWettkaempfe> WettkampfBelegt;
u8 WettkampfAnzahl = 0;
u8 AktWettkampfNr = 0;
TWettkampfDaten* AktWettkampf = nullptr;
TSpielerEintrag* AktSpieler = nullptr;
u32 AktSpielerNr = 0;
Array1<TBahnDaten, MaxBahnen> BahnDaten;
u8 BahnAnzahl = 4;
u8 OffeneFenster = 0;
QString Spielordner;

TEinstellungen Einst;

u8 AnzeigeBoardEin = 0;
u8 MannschNamenAnzeigen = 0;
u8 MannschaftsanzeigeAn = 0;
u8 NamenanzeigeAn = 0;

QString Versionstext;
u8 AktivesFenster = 0;
u8 TouchEingabe = 0;
u8 KartenleserAktiv = 0;
u8 KartenTimerAktiv = 0;
QString KartenStatusText;
u8 HinweisStatusleisteAus = 0;
u8 NetzBeschaeftigt = 0;
Array1<i32, MaxBahnen> DruckerSendeErgebnis = [] {
    Array1<i32, MaxBahnen> a;
    a.fill(1);
    return a;
}();
u16 BahnDruckAusstehend = 0;

QStringList WurfvorwListe;

Array1<TPaar, MaxPaare> Paare;

void BahnDatenStartwerte()
{
    for (long n = 1; n <= MaxBahnen; ++n) {
        TBahnDaten& b = BahnDaten[n];
        std::destroy_at(&b);
        std::construct_at(&b);
        b.BahnNr = u8(n);
    }
}

void GlobalsZuruecksetzen()
{
    for (TWettkampfDaten& w : Wettkaempfe) {
        std::destroy_at(&w);
        std::construct_at(&w);
    }
    WettkampfBelegt.fill(0);
    WettkampfAnzahl = 0;
    AktWettkampfNr = 0;
    AktWettkampf = nullptr;
    AktSpieler = nullptr;
    AktSpielerNr = 0;
    BahnDatenStartwerte();
    EinstellungenVorbelegen();  // also BahnAnzahl
    InfListe.clear();
    PositionListe.clear();
    for (auto& zeile : FeldPositionen) zeile.fill(TFeldPosition{});
    for (QStringList* l : {&EmailAnListe, &GruppeListe, &KlasseListe, &FormularNamen, &FormularDateien}) l->clear();
    OffeneFenster = 0;
    Spielordner.clear();
    AnzeigeBoardEin = 0;
    MannschNamenAnzeigen = 0;
    MannschaftsanzeigeAn = 0;
    NamenanzeigeAn = 0;
    AktivesFenster = 0;
    TouchEingabe = 0;
    KartenleserAktiv = 0;
    KartenTimerAktiv = 0;
    KartenStatusText.clear();
    HinweisStatusleisteAus = 0;
    NetzBeschaeftigt = 0;
    DruckerSendeErgebnis.fill(1);
    BahnDruckAusstehend = 0;
    WurfvorwListe.clear();
    Paare.fill(TPaar{});
}
