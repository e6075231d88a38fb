#include "match/flow/Wettkampfslots.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Startplaene.h"
#include "match/dienste/Wettbewerbdienste.h"

WettkampfslotsZustand wettkampfslotsZustand;
TWettkampfDaten*& UebernahmeWettkampf = wettkampfslotsZustand.UebernahmeWettkampf;

namespace {

bool BahnBelegt(const TWettkampfDaten& w)
{
    for (int bahn : BahnenVon(w))
        if (BahnDaten[bahn].BahnStatus != 0) return true;
    return false;
}

// The number at the start of a text ("7 Wurf Probe" gives 7).
int FuehrendeZahl(const QString& text)
{
    int n = 0;
    for (QChar c : text.trimmed()) {
        if (!c.isDigit()) break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

}  // namespace

bool WettkampfAnlegen()
{
    for (long k = 1; k <= MaxWettkaempfe; ++k) {
        if (WettkampfBelegt[k]) continue;
        WettkampfBelegt[k] = 1;
        AktWettkampfNr = u8(k);
        ++WettkampfAnzahl;
        AktWettkampf = &Wettkaempfe[k];
        WettkampfGrundwerteSetzen(*AktWettkampf, Jetzt().date());
        return true;
    }
    return false;
}

void WettkampfVorgabenSetzen()
{
    if (!AktWettkampf) return;
    WettkampfEinstellungenUebernehmen(*AktWettkampf);
    NamenanzWerbungVorbereiten(*AktWettkampf);
    GrossanzWerbungVorbereiten(*AktWettkampf);
}

void ProbewuerfeUebernehmen(const QString& probeAuswahlText)
{
    if (!AktWettkampf) return;
    TWettkampfDaten& w = *AktWettkampf;
    w.Probewuerfe = 0;
    w.Probezeit = 0;
    switch (w.Probe) {
    case 1: w.Probezeit = 3; break;
    case 2: w.Probezeit = 5; break;
    case 3: w.Probewuerfe = 5; break;
    case 4: w.Probewuerfe = 10; break;
    case 5:
    case 6: {
        const u8 n = u8(std::min(FuehrendeZahl(probeAuswahlText), 255));
        if (probeAuswahlText.contains(QLatin1String("Wurf")))
            w.Probewuerfe = n;
        else
            w.Probezeit = n;
        break;
    }
    default: break;
    }
}

bool StartfolgeZuordnen()
{
    if (!AktWettkampf) return false;
    TWettkampfDaten& w = *AktWettkampf;
    w.ErsteSpielbahn = w.ErsteBahn;
    w.LetzteSpielbahn = w.LetzteBahn;
    const int n = int(w.LetzteBahn) - int(w.ErsteBahn) + 1;
    const StartplanWahl wahl = StartplanWaehlen(n, w.Spielmodus, w.Spieleranzahl, w.Art, w.Streichspiel != 0);
    switch (wahl.ergebnis) {
    case StartplanWahl::Plan:
        w.StartplanZeiger = wahl.plan;
        return true;
    case StartplanWahl::EigenerPlan: {
        w.StartplanZeiger = nullptr;
        if (!wettbewerb().startfolgeLaden(w.Wurfvorwahl, n)) return false;
        QString fehler;
        if (!StartfolgePruefen(w.Startfolge, n, &fehler)) {
            boxen().hinweis(fehler);
            return false;
        }
        w.StartplanZeiger = &w.Startfolge;
        return true;
    }
    case StartplanWahl::Unveraendert:
    case StartplanWahl::KeinPlan:
        // A plan of another lane count or team size must not stay.
        w.StartplanZeiger = nullptr;
        return false;
    }
    return false;
}

namespace {

// The 200-throw game is always played by six.
bool zweihundertWurf(const TWettkampfDaten& w) { return (w.Volle + w.Abraeumen) * w.Durchgaenge == 200; }
bool spieleranzahlWaehlbar(const TWettkampfDaten& w) { return !w.Streichspiel && !zweihundertWurf(w); }

}  // namespace

void WettkampfOptionenAnzeigen(int bits, OptionenAnsicht& ansicht)
{
    if (!AktWettkampf) return;
    TWettkampfDaten& w = *AktWettkampf;
    if (bits & OptionWurfvorwahl) {
        WurfvorwahlLaden(w.Wurfvorwahl);
        ProbewuerfeUebernehmen(ansicht.probeText());
        if (!w.Streichspiel && zweihundertWurf(w)) {
            ansicht.setSpielerzeilen(8);
            ansicht.setSpieleranzahlIndex(2);
        }
        w.SpieleranzahlWaehlbar = spieleranzahlWaehlbar(w);
        ansicht.setSpieleranzahlAktiv(w.SpieleranzahlWaehlbar);
    }
    if (bits & OptionProbe) {
        ansicht.probeAuswahlFuellen();
        ansicht.setBahnIndex(0);
    }
    if (bits & OptionSpieleranzahl) {
        if (w.Streichspiel) {
            ansicht.setSpielerzeilen(8);
            w.Spieleranzahl = 8;
        } else {
            const int i = std::clamp(ansicht.spieleranzahlIndex(), 0, 2);
            ansicht.setSpielerzeilen(4 + i);  // the substitute lines stay shown
            w.Spieleranzahl = u16(4 + i);
        }
    }
    if (bits & OptionBahnen) {
        ZweiZahlenLesen(ansicht.bahnText());
        w.BahnenIndex = u16(std::max(ansicht.bahnIndex(), 0));
        w.ArtWaehlbar = ansicht.bahnwechselAuswahlFuellen();
    }
    StartfolgeZuordnen();
}

namespace {

// The match window's choices as they stand for a match it has not shown yet.
class Grundauswahl final : public OptionenAnsicht {
public:
    explicit Grundauswahl(const TWettkampfDaten& w)
        : m_w(w),
          m_spieleranzahl(std::clamp(int(w.Spieleranzahl) - 4, 0, 2)),
          m_bahnen(WurfvorwahlBahnen(WurfvorwahlZeile(w.Wurfvorwahl))),
          m_bahn(w.BahnenIndex < m_bahnen.size() ? int(w.BahnenIndex) : 0)
    {
    }
    int spieleranzahlIndex() const override { return m_spieleranzahl; }
    void setSpieleranzahlIndex(int i) override { m_spieleranzahl = i; }
    void setSpieleranzahlAktiv(bool) override {}
    void setSpielerzeilen(int) override {}
    QString probeText() const override { return {}; }
    void probeAuswahlFuellen() override {}
    QString bahnText() const override { return m_bahnen.value(m_bahn); }
    int bahnIndex() const override { return m_bahn; }
    void setBahnIndex(int i) override { m_bahn = i; }
    bool bahnwechselAuswahlFuellen() override
    {
        const int n = int(m_w.LetzteBahn) - int(m_w.ErsteBahn) + 1;
        return m_w.Streichspiel ? n == 6 : m_w.Spieleranzahl == 5 && n == 4;
    }

private:
    const TWettkampfDaten& m_w;
    int m_spieleranzahl;
    QStringList m_bahnen;
    int m_bahn;
};

}  // namespace

void WettkampfGrundoptionenSetzen()
{
    if (!AktWettkampf) return;
    Grundauswahl auswahl(*AktWettkampf);
    WettkampfOptionenAnzeigen(OptionAlle, auswahl);
}

void WettkampfOptionenAbleiten()
{
    if (!AktWettkampf) return;
    TWettkampfDaten& w = *AktWettkampf;
    w.SpieleranzahlWaehlbar = spieleranzahlWaehlbar(w);
    Grundauswahl auswahl(w);
    WettkampfOptionenAnzeigen(OptionSpieleranzahl | OptionBahnen, auswahl);
}

bool SpielerdatenbankSpeichernFragen()
{
    if (DatenbankGeaendert && boxen().hinweisJa(QStringLiteral("Spielerdatenbank speichern ?")) == ErgebnisJa &&
        !wettbewerb().spielerdatenbankSpeichern())
        return false;
    DatenbankGeaendert = 0;
    return true;
}

void SpielstatusAnzeigen()
{
    fenster().statusText(2, QString());
    if (!AktWettkampf) return;
    QString text;
    if (AktWettkampf->Gestartet) text = QStringLiteral("gestartet");
    if (AktWettkampf->Gestoppt) text = QStringLiteral("gestoppt");
    if (AktWettkampf->Beendet) text = QStringLiteral("fertig");
    if (!text.isEmpty()) fenster().statusText(2, text);
}

bool WettkampfSchliessen()
{
    if (!AktWettkampf || !WettkampfBelegt.contains(AktWettkampfNr)) return false;
    TWettkampfDaten& w = *AktWettkampf;

    wettbewerb().spielerGridUebernehmen();
    // A player database that could not be saved keeps the match open.
    if (!SpielerdatenbankSpeichernFragen()) return false;

    int antwort = ErgebnisNein;
    if (w.Geaendert) {
        antwort = boxen().hinweisMulti(QStringLiteral("Wettkampf ´") + w.Heimmannschaft.text() +
                                       QStringLiteral(" - ") + w.Gastmannschaft.text() +
                                       QStringLiteral("´ speichern ?"));
        if (antwort == ErgebnisJa) wettbewerb().speichernDialog();
    }
    if (antwort == ErgebnisAbbrechen) return false;
    // "Ja" without a save (cancelled, failed): the match stays open, its results are not lost.
    if (antwort == ErgebnisJa && w.Geaendert) return false;

    for (TBahnDaten& b : BahnDaten)
        if (b.Wettk == &w) b.Wettk = nullptr;
    const Bahnbereich bahnen = BahnenVon(w);
    if (w.MannschaftsanzeigeEin && !BahnBelegt(w)) anzeigen().mannschaftsanzeigeLoeschen(bahnen.erste, bahnen.letzte);
    if (w.NamenanzeigeEin) {
        if (w.Beendet)
            for (int bahn : bahnen)
                if (BahnDaten[bahn].BahnStatus == 0) anzeigen().namenanzeigeLoeschen(bahn);
        if (!BahnBelegt(w))
            for (int bahn : bahnen) anzeigen().namenanzeigeLoeschen(bahn);
    }

    for (long bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (BahnWettkampf[bahn] == &w) BahnWettkampf[bahn] = nullptr;
        if (MonitorWettkampf[bahn] == &w) MonitorWettkampf[bahn] = nullptr;
    }
    if (UebernahmeWettkampf == &w) UebernahmeWettkampf = nullptr;
    RundenwechselVergessen(w);
    w.GrossanzeigeEin = 0;
    w.Spielphase = PhaseKeine;
    w.MonitoreEin = 0;
    MonitoranzeigeSchalten();
    w.NamenanzWerbung.Liste.reset();
    w.GrossanzWerbung.Liste.reset();

    WettkampfBelegt[AktWettkampfNr] = 0;
    --WettkampfAnzahl;
    AktWettkampfNr = 0;
    for (long k = MaxWettkaempfe; k >= 1; --k)
        if (WettkampfBelegt[k]) {
            AktWettkampfNr = u8(k);
            break;
        }

    if (AktWettkampfNr != 0) {
        TWettkampfDaten& naechster = Wettkaempfe[AktWettkampfNr];
        AktWettkampf = &naechster;
        naechster.GrossanzeigeEin = AnzeigeBoardEin;
        AnzeigeWettkampf = &naechster;
        GrossanzeigeSchalten();
        const u8 geaendert = naechster.Geaendert;  // filling the window marks it changed
        fenster().aktualisieren(MdiFenster::Wettkampf);
        naechster.Geaendert = geaendert;
    } else {
        AnzeigeBoardEin = 0;
        MannschaftsanzeigeAn = 0;
        NamenanzeigeAn = 0;
        GrossanzeigeSchalten();
        AnzeigeWettkampf = nullptr;
        for (MdiFenster f : {MdiFenster::Wettkampf, MdiFenster::Ergebnis, MdiFenster::Spielbericht})
            fenster().schliessen(f);
        AktWettkampf = nullptr;
        if (Einst.MannschanzOn) AnzeigeNachrichtSenden(MannschanzCanId, CanRahmen::AnzeigenAus(Einst.PcEinheit));
        if (Einst.NamenanzOn) AnzeigeNachrichtSenden(NamenanzCanId, CanRahmen::AnzeigenAus(Einst.PcEinheit));
        fenster().statusText(1, QString());
        SpielstatusAnzeigen();
    }
    fenster().hauptmenueAktualisieren();
    return true;
}

TWettkampfDaten* SpielUebernehmen(u8 probe, u8 wurfvorwahl, u8 spieleranzahl, u8 bahnenIndex, u8 durchgang)
{
    if (WettkampfAnzahl >= MaxWettkaempfe) return nullptr;
    const int probeArt = int(probe) - 1;
    const bool vorwahlGueltig = wurfvorwahl == 0 || wurfvorwahl < WurfvorwListe.size();
    const bool groesseGueltig = spieleranzahl == 4 || spieleranzahl == 5 || spieleranzahl == 6 || spieleranzahl == 8;
    if (probeArt < 0 || probeArt > 6 || !vorwahlGueltig || !groesseGueltig || durchgang > MaxStartplanRunden)
        return nullptr;
    if (!WettkampfAnlegen()) return nullptr;
    TWettkampfDaten& w = *AktWettkampf;
    UebernahmeWettkampf = &w;
    w.Probe = u16(probeArt);
    w.Wurfvorwahl = wurfvorwahl;
    w.Spieleranzahl = spieleranzahl;
    w.BahnenIndex = bahnenIndex;
    w.Durchgang = durchgang;
    if (w.BahnenIndex == 4 && w.Spieleranzahl == 5) w.Art = 2;
    WettkampfFensterOeffnen();
    return &w;
}
