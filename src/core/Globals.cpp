#include "core/Globals.h"

#include "core/SettingsFile.h"

#include <memory>

GlobalsZustand globalsZustand;
Array1<TWettkampfDaten, MaxWettkaempfe>& Wettkaempfe = globalsZustand.Wettkaempfe;
Array1<u8, MaxWettkaempfe>& WettkampfBelegt = globalsZustand.WettkampfBelegt;
u8& WettkampfAnzahl = globalsZustand.WettkampfAnzahl;
u8& AktWettkampfNr = globalsZustand.AktWettkampfNr;
TWettkampfDaten*& AktWettkampf = globalsZustand.AktWettkampf;
TSpielerEintrag*& AktSpieler = globalsZustand.AktSpieler;
i32& AktSpielerNr = globalsZustand.AktSpielerNr;
Array1<TBahnDaten, MaxBahnen>& BahnDaten = globalsZustand.BahnDaten;
u8& BahnAnzahl = globalsZustand.BahnAnzahl;
u8& OffeneFenster = globalsZustand.OffeneFenster;
QString& Spielordner = globalsZustand.Spielordner;
u8& WettkampfGeladen = globalsZustand.WettkampfGeladen;
TEinstellungen& Einst = globalsZustand.Einst;
u8& AnzeigeBoardEin = globalsZustand.AnzeigeBoardEin;
u8& MannschNamenAnzeigen = globalsZustand.MannschNamenAnzeigen;
u8& MannschaftsanzeigeAn = globalsZustand.MannschaftsanzeigeAn;
u8& NamenanzeigeAn = globalsZustand.NamenanzeigeAn;
QString& Versionstext = globalsZustand.Versionstext;
QString& PositionSektion = globalsZustand.PositionSektion;
QString& PositionFeldName = globalsZustand.PositionFeldName;
i32& PositionFeldNr = globalsZustand.PositionFeldNr;
u8& AktivesFenster = globalsZustand.AktivesFenster;
u8& TouchEingabe = globalsZustand.TouchEingabe;
u8& KartenleserAktiv = globalsZustand.KartenleserAktiv;
u8& KartenTimerAktiv = globalsZustand.KartenTimerAktiv;
QString& KartenStatusText = globalsZustand.KartenStatusText;
QString& Spielort = globalsZustand.Einst.Spielort;
QString& Bahnanlage = globalsZustand.Einst.Bahnanlage;
u8& HinweisStatusleisteAus = globalsZustand.HinweisStatusleisteAus;
i32& NetzBeschaeftigt = globalsZustand.NetzBeschaeftigt;
i32& AblageBeschaeftigt = globalsZustand.AblageBeschaeftigt;
std::atomic<u32> FtpServerAntworten{0};
Array1<i32, MaxBahnen>& DruckerSendeErgebnis = globalsZustand.DruckerSendeErgebnis;
u16& BahnDruckAusstehend = globalsZustand.BahnDruckAusstehend;
QStringList& WurfvorwListe = globalsZustand.WurfvorwListe;
QString& Trennzeichen = globalsZustand.Trennzeichen;
Array1<TPaar, MaxPaare>& Paare = globalsZustand.Paare;

void BahnDatenStartwerte()
{
    for (long n = 1; n <= MaxBahnen; ++n) {
        TBahnDaten& b = BahnDaten[n];
        std::destroy_at(&b);
        std::construct_at(&b);
        b.BahnNr = u8(n);
    }
}

void GlobalsZustand::zuruecksetzen()
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
    OffeneFenster = 0;
    Spielordner.clear();
    WettkampfGeladen = 0;
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
    Trennzeichen.clear();
    Paare.fill(TPaar{});
}

void GlobalsZuruecksetzen()
{
    globalsZustand.zuruecksetzen();
    einstellungsdateiZustand.zuruecksetzen();
}

int BekannteBahnanzahl(int n)
{
    for (int b : Bahnanzahlen)
        if (b == n) return n;
    return 0;
}
