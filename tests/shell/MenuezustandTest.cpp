#include "core/Globals.h"
#include "match/flow/Bahnzyklus.h"
#include "match/flow/Zustand.h"
#include "shell/Menuezustand.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// n matches open in slots 1..n, the last one current, on lanes 1..4; with
// a card reader when a match is open.
MenueEingabe Offen(int n)
{
    MenueEingabe e;
    e.kartenleserAktiv = n > 0;
    e.wettkampfAnzahl = n;
    for (int k = 1; k <= n; ++k) {
        e.belegt[k] = 1;
        e.heimmannschaft[k] = QStringLiteral("Heim %1").arg(k);
    }
    e.aktNr = n;
    e.aktErsteBahn = 1;
    e.aktLetzteBahn = n ? 4 : 0;
    return e;
}

// The greyed menu items and tool buttons, in this order.
std::string Aus(const Menuezustand& z)
{
#define M(n) std::pair{#n, &Menuezustand::M##n}
    const std::pair<const char*, Menuepunkt Menuezustand::*> punkte[] = {
        M(Neu), M(Laden), M(KarteLaden), M(Uebernehmen), M(Importieren), M(Speichern), M(KarteSpeichern), M(Export),
        {"Start", &Menuezustand::MSpielStart}, M(Abbrechen), M(Schliessen), M(Spielanzeige), M(Bahnen),
        M(Ergebnistafel), M(Spielbericht), M(SpBearbeiten), M(SpSchliessen),
        {"Optionen", &Menuezustand::MProgrammoptionen}};
#undef M
#define S(n) std::pair{"Btn" #n, &Menuezustand::SBtn##n}
    const std::pair<const char*, bool Menuezustand::*> knoepfe[] = {
        S(Neu), S(Laden), S(Speichern), S(Spiel), S(Bahnen), S(Spielbericht), S(Ergebnistafel), S(KarteLaden),
        S(KarteSpeichern), S(Spielerkarte)};
#undef S
    std::string s;
    for (const auto& [name, p] : punkte)
        if (!(z.*p).enabled) s += std::string(s.empty() ? "" : " ") + name;
    for (const auto& [name, k] : knoepfe)
        if (!(z.*k)) s += std::string(s.empty() ? "" : " ") + name;
    return s;
}

}  // namespace

// The start caption and the greyed items by the slots, the state of the
// current match, its lanes and the active child window.
TEST(Menuezustand, StateTable)
{
    using Aenderung = std::function<void(MenueEingabe&)>;
    auto beschaeftigt = [](MenueEingabe& e) { e.startMaske = 0x0004; };  // lane 3 of 1..4
    auto laeuft = [](MenueEingabe& e) { e.aktGestartet = true; };
    auto gestoppt = [](MenueEingabe& e) { e.aktGestartet = e.aktGestoppt = true; };
    auto wechsel = [](MenueEingabe& e) { e.aktGestartet = e.aktWechselAnstehend = true; };
    auto beendet = [](MenueEingabe& e) { e.aktGestartet = e.aktBeendet = true; };
    auto und = [](Aenderung a, Aenderung b) { return [a, b](MenueEingabe& e) { a(e), b(e); }; };
    const QString start = QStringLiteral("Spiel Start      "), stop = QStringLiteral("Spiel Stop      "),
                  fortsetzen = QStringLiteral("Spiel fortsetzen");
    struct Zeile {
        const char* name;
        int offen;
        Aenderung aenderung;
        QString caption;
        std::string aus;
    };
    const Zeile tabelle[] = {
        {"no match", 0, [](MenueEingabe&) {}, QStringLiteral("Spiel Start     "),
         "KarteLaden Speichern KarteSpeichern Export Start Abbrechen Schliessen Spielanzeige Bahnen Ergebnistafel "
         "Spielbericht SpSchliessen BtnSpeichern BtnSpiel BtnBahnen BtnSpielbericht BtnErgebnistafel BtnKarteLaden "
         "BtnKarteSpeichern BtnSpielerkarte"},
        {"six open", 6, [](MenueEingabe&) {}, start,
         "Neu Laden KarteLaden Uebernehmen Importieren Export Abbrechen Bahnen Ergebnistafel SpSchliessen Optionen "
         "BtnNeu BtnLaden BtnBahnen BtnErgebnistafel BtnKarteLaden"},
        {"five open, no reader", 5, [](MenueEingabe& e) { e.kartenleserAktiv = false; }, start,
         "KarteLaden KarteSpeichern Export Abbrechen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen "
         "BtnErgebnistafel BtnKarteLaden BtnKarteSpeichern BtnSpielerkarte"},
        {"not started", 1, [](MenueEingabe&) {}, start,
         "Export Abbrechen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen BtnErgebnistafel"},
        {"not started, busy", 1, beschaeftigt, start,
         "Export Start Abbrechen Schliessen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen BtnErgebnistafel"},
        {"running", 1, laeuft, stop, "Export Abbrechen Schliessen Bahnen SpSchliessen Optionen BtnBahnen"},
        {"stopped", 1, gestoppt, start, "Export Schliessen Bahnen SpSchliessen Optionen BtnBahnen"},
        {"stopped, busy", 1, und(gestoppt, beschaeftigt), start,
         "Export Start Abbrechen Schliessen Bahnen SpSchliessen Optionen BtnBahnen"},
        {"change, busy", 1, und(wechsel, beschaeftigt), fortsetzen,
         "Export Abbrechen Schliessen Bahnen SpSchliessen Optionen BtnBahnen"},
        {"change, stopped", 1, und(wechsel, gestoppt), fortsetzen,
         "Export Schliessen Bahnen SpSchliessen Optionen BtnBahnen"},
        {"ended, busy", 1, und(beendet, beschaeftigt), start, "Start Abbrechen Bahnen SpSchliessen Optionen BtnBahnen"},
        // Only the match's own lanes make it busy.
        {"lane 5 registering", 1, [](MenueEingabe& e) { e.anmeldeMaske = 0x0010; }, start,
         "Export Abbrechen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen BtnErgebnistafel"},
        {"lane 4 registering", 1, [](MenueEingabe& e) { e.anmeldeMaske = 0x0008; }, start,
         "Export Start Abbrechen Schliessen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen BtnErgebnistafel"},
        {"lanes in use", 1, [](MenueEingabe& e) { e.bahnBelegt = true; }, start,
         "Export Abbrechen Ergebnistafel SpSchliessen Optionen BtnErgebnistafel"},
        {"report window", 2, [](MenueEingabe& e) { e.aktivesFenster = FensterSpielbericht; }, start,
         "Neu Laden KarteLaden Uebernehmen Export Abbrechen Schliessen Bahnen Ergebnistafel SpBearbeiten Optionen "
         "BtnNeu BtnLaden BtnBahnen BtnErgebnistafel BtnKarteLaden"},
        {"result window", 3,
         [](MenueEingabe& e) {
             e.gestartet[2] = e.gestartet[3] = 1;
             e.aktGestartet = true;
             e.aktivesFenster = FensterErgebnis;
         },
         stop,
         "Neu Laden KarteLaden Uebernehmen Export Start Abbrechen Schliessen Bahnen SpSchliessen Optionen BtnNeu "
         "BtnLaden BtnBahnen BtnKarteLaden"},
        // The last rule comes after the tool buttons were copied: a bit 4
        // beside another kind greys New and Load in the menu, not on the bar.
        {"result and match window", 1,
         [](MenueEingabe& e) { e.aktivesFenster = FensterErgebnis | FensterWettkampf; }, start,
         "Neu Laden Export Start Abbrechen Bahnen Ergebnistafel SpSchliessen Optionen BtnBahnen BtnErgebnistafel"},
    };
    for (const Zeile& t : tabelle) {
        SCOPED_TRACE(t.name);
        MenueEingabe e = Offen(t.offen);
        t.aenderung(e);
        const Menuezustand z = MenuezustandBerechnen(e);
        EXPECT_EQ(*z.MSpielStart.caption, t.caption);
        EXPECT_EQ(Aus(z), t.aus);
    }
}

// The background panel follows the setting only while no match is open.
TEST(Menuezustand, BackgroundWithoutAMatch)
{
    MenueEingabe e;
    for (bool an : {true, false}) {
        e.hintergrund = an;
        EXPECT_EQ(MenuezustandBerechnen(e).groundSichtbar, an);
    }
    EXPECT_FALSE(MenuezustandBerechnen(Offen(1)).groundSichtbar.has_value());
}

TEST(Menuezustand, WindowListShowsTheSlotsInUse)
{
    EXPECT_FALSE(MenuezustandBerechnen(MenueEingabe{}).MLinieEintrag.visible);
    MenueEingabe e;
    e.wettkampfAnzahl = 2;
    e.belegt[2] = e.belegt[5] = 1;
    e.heimmannschaft[2] = QStringLiteral("KC Rot-Weiß");
    e.heimmannschaft[5] = QStringLiteral("Gut & Holz");
    e.ersteBahn[5] = e.letzteBahn[5] = 3;
    e.aktNr = 5;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_TRUE(z.MLinieEintrag.visible);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(z.MEintrag[k].visible, k == 2 || k == 5) << k;
        EXPECT_EQ(z.MEintrag[k].checked, k == 5) << k;
    }
    EXPECT_EQ(*z.MEintrag[5].caption, QStringLiteral("Gut && Holz (Bahn 3)"));  // no accelerator
    EXPECT_EQ(*z.MEintrag[2].caption, QStringLiteral("KC Rot-Weiß"));  // no lanes yet

    // The result window offers only the started matches.
    e = Offen(3);
    e.gestartet[2] = e.gestartet[3] = 1;
    e.aktivesFenster = FensterErgebnis;
    const Menuezustand y = MenuezustandBerechnen(e);
    EXPECT_FALSE(y.MEintrag[1].enabled);
    EXPECT_TRUE(y.MEintrag[2].enabled);
    EXPECT_TRUE(y.MEintrag[3].enabled);
}

// Each display's entry by its setting; its switch by the current match, its
// update while it is on (the team display only once the match started).
TEST(Menuezustand, DisplaySwitchesOfTheCurrentMatch)
{
    const Menuezustand keins = MenuezustandBerechnen(MenueEingabe{});
    for (const Menuepunkt* p : {&keins.MMannschanzEinschalten, &keins.MMannschanzUpdate, &keins.MNamenanzEinschalten,
                                &keins.MNamenanzUpdate, &keins.MGrossanzEinschalten, &keins.MGrossanzUpdate,
                                &keins.MMonitorEinschalten, &keins.MMonitoranzUpdate, &keins.MInternetUpdate})
        EXPECT_FALSE(p->enabled);

    MenueEingabe e = Offen(1);
    e.mannschanzOn = e.monitorAnzeige = e.aktMannschaftsanzeigeEin = e.aktMonitoreEin = e.anzeigeBoardEin = true;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_EQ(std::vector<bool>({z.MMannschaftsanzeige.enabled, z.MNamenanzeige.enabled, z.MGrossanzeige.enabled,
                                 z.MMonitoranzeige.enabled, z.MInternetUpdate.enabled}),
              std::vector<bool>({true, false, false, true, true}));
    EXPECT_EQ(QStringList({*z.MMannschanzEinschalten.caption, *z.MNamenanzEinschalten.caption,
                           *z.MGrossanzEinschalten.caption, *z.MMonitorEinschalten.caption}),
              QStringList({"&Ausschalten", "&Einschalten", "&Ausschalten", "&Ausschalten"}));
    EXPECT_EQ(std::vector<bool>({z.MMannschanzUpdate.enabled, z.MNamenanzUpdate.enabled, z.MGrossanzUpdate.enabled,
                                 z.MMonitoranzUpdate.enabled}),
              std::vector<bool>({false, false, true, true}));
    e.aktGestartet = true;
    EXPECT_TRUE(MenuezustandBerechnen(e).MMannschanzUpdate.enabled);
}

TEST(Menuezustand, InputFromTheGlobalState)
{
    ZustandZuruecksetzen();
    WettkampfBelegt[3] = 1;
    WettkampfAnzahl = 1;
    AktWettkampfNr = 3;
    AktWettkampf = &Wettkaempfe[3];
    AktWettkampf->Gestartet = AktWettkampf->WechselAnstehend = 1;
    AktWettkampf->ErsteSpielbahn = 5;
    AktWettkampf->LetzteSpielbahn = 8;
    BahnDaten[7].BahnStatus = 2;
    StartMaske = 0x0040;
    const MenueEingabe e = MenueEingabeLesen();
    EXPECT_EQ(e.aktNr, 3);
    EXPECT_TRUE(e.bahnBelegt);  // lane 7 has a state
    EXPECT_EQ(e.aktErsteBahn, 5);
    EXPECT_EQ(e.aktLetzteBahn, 8);
    EXPECT_EQ(e.startMaske, 0x0040);
    EXPECT_EQ(*MenuezustandBerechnen(e).MSpielStart.caption, QStringLiteral("Spiel fortsetzen"));  // a change due
    // The lane control command names what it does next.
    EXPECT_EQ(*MenuezustandBerechnen(e).MBahnsteuerung.caption, QStringLiteral("Ba&hnsteuerung Ein     "));
    OffeneFenster |= FensterBahnsteuerung;
    EXPECT_EQ(*MenuezustandBerechnen(MenueEingabeLesen()).MBahnsteuerung.caption,
              QStringLiteral("Ba&hnsteuerung Aus    "));
    ZustandZuruecksetzen();
}
