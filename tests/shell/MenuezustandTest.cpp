#include "Globals.h"
#include "Menuezustand.h"
#include "Spielablauf.h"

#include <gtest/gtest.h>

namespace {

// n matches open in slots 1..n, the last one current, on lanes 1..4.
MenueEingabe Offen(int n)
{
    MenueEingabe e;
    e.wettkampfAnzahl = n;
    for (int k = 1; k <= n; ++k) {
        e.belegt[k] = 1;
        e.heimmannschaft[k] = QStringLiteral("Heim %1").arg(k);
    }
    e.aktNr = n;
    e.aktErsteBahn = 1;
    e.aktLetzteBahn = 4;
    return e;
}

}  // namespace

TEST(Menuezustand, NoMatchOpen)
{
    MenueEingabe e;
    e.hintergrund = true;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_EQ(*z.MSpielStart.caption, QStringLiteral("Spiel Start     "));
    EXPECT_EQ(z.MSpielStart.caption->size(), 16);
    for (const Menuepunkt* p : {&z.MSpeichern, &z.MExport, &z.MKarteSpeichern, &z.MSchliessen, &z.MSpielbericht,
                                &z.MBahnen, &z.MErgebnistafel, &z.MSpielStart, &z.MAbbrechen, &z.MSpielanzeige,
                                &z.MKarteLaden, &z.MSpSchliessen})
        EXPECT_FALSE(p->enabled);
    for (const Menuepunkt* p :
         {&z.MNeu, &z.MLaden, &z.MUebernehmen, &z.MImportieren, &z.MProgrammoptionen, &z.MSpBearbeiten})
        EXPECT_TRUE(p->enabled);
    EXPECT_FALSE(z.MLinieEintrag.visible);
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(z.MEintrag[k].visible);
    EXPECT_EQ(z.groundSichtbar, true);
    // The nine switches of the current match, greyed and off.
    for (const Menuepunkt* p : {&z.MMannschanzEinschalten, &z.MMannschanzUpdate, &z.MNamenanzEinschalten,
                                &z.MNamenanzUpdate, &z.MGrossanzEinschalten, &z.MGrossanzUpdate,
                                &z.MMonitorEinschalten, &z.MMonitoranzUpdate, &z.MInternetUpdate})
        EXPECT_FALSE(p->enabled);
    EXPECT_EQ(*z.MMannschanzEinschalten.caption, QStringLiteral("&Einschalten"));
    // The tool buttons copy their items.
    EXPECT_TRUE(z.SBtnNeu);
    EXPECT_FALSE(z.SBtnSpeichern);
    EXPECT_FALSE(z.SBtnSpiel);
    EXPECT_FALSE(z.SBtnSpielbericht);
    EXPECT_FALSE(z.SBtnSpielerkarte);

    e.hintergrund = false;
    EXPECT_EQ(MenuezustandBerechnen(e).groundSichtbar, false);
}

TEST(Menuezustand, SixMatchesOpenLeaveNoRoom)
{
    MenueEingabe e = Offen(6);
    e.kartenleserAktiv = true;
    const Menuezustand z = MenuezustandBerechnen(e);
    for (const Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MKarteLaden, &z.MUebernehmen, &z.MImportieren})
        EXPECT_FALSE(p->enabled);
    EXPECT_FALSE(z.SBtnNeu);
    EXPECT_FALSE(z.MProgrammoptionen.enabled);
    EXPECT_TRUE(z.MLinieEintrag.visible);
    EXPECT_TRUE(z.MSpeichern.enabled);
    EXPECT_TRUE(z.MKarteSpeichern.enabled);
    EXPECT_TRUE(z.MSpielbericht.enabled);
    EXPECT_TRUE(z.MSpielanzeige.enabled);
    EXPECT_FALSE(z.groundSichtbar.has_value());

    e = Offen(5);
    EXPECT_TRUE(MenuezustandBerechnen(e).MNeu.enabled);
    EXPECT_FALSE(MenuezustandBerechnen(e).MKarteLaden.enabled);  // no reader
    e.kartenleserAktiv = true;
    EXPECT_TRUE(MenuezustandBerechnen(e).MKarteLaden.enabled);
}

// The start command and its neighbours by the state of the current match.
struct StartZeile {
    const char* name;
    bool gestartet, gestoppt, wechsel, beendet, beschaeftigt;
    const char16_t* caption;
    bool start, schliessen, abbrechen, exportieren, ergebnistafel;
};

void PrintTo(const StartZeile& z, std::ostream* os) { *os << z.name; }

class StartTabelle : public testing::TestWithParam<StartZeile> {};

TEST_P(StartTabelle, CaptionAndNeighbours)
{
    const StartZeile& t = GetParam();
    MenueEingabe e = Offen(1);
    e.aktGestartet = t.gestartet;
    e.aktGestoppt = t.gestoppt;
    e.aktWechselAnstehend = t.wechsel;
    e.aktBeendet = t.beendet;
    if (t.beschaeftigt) e.startMaske = 0x0004;  // lane 3 of 1..4
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_EQ(*z.MSpielStart.caption, QString::fromUtf16(t.caption));
    EXPECT_EQ(z.MSpielStart.enabled, t.start);
    EXPECT_EQ(z.MSchliessen.enabled, t.schliessen);
    EXPECT_EQ(z.MAbbrechen.enabled, t.abbrechen);
    EXPECT_EQ(z.MExport.enabled, t.exportieren);
    EXPECT_EQ(z.MErgebnistafel.enabled, t.ergebnistafel);
}

INSTANTIATE_TEST_SUITE_P(
    Menuezustand, StartTabelle,
    testing::Values(
        //        name              gest  stop  wech  end   busy  caption                  start  schl   abbr   exp    erg
        StartZeile{"NichtGestartet", false, false, false, false, false, u"Spiel Start      ", true, true, false, false, false},
        StartZeile{"NichtGestartetBelegt", false, false, false, false, true, u"Spiel Start      ", false, false, false, false, false},
        StartZeile{"Laeuft", true, false, false, false, false, u"Spiel Stop      ", true, false, false, false, true},
        StartZeile{"LaeuftBelegt", true, false, false, false, true, u"Spiel Stop      ", false, false, false, false, true},
        StartZeile{"Gestoppt", true, true, false, false, false, u"Spiel Start      ", true, false, true, false, true},
        StartZeile{"GestopptBelegt", true, true, false, false, true, u"Spiel Start      ", false, false, false, false, true},
        StartZeile{"WechselBelegt", true, false, true, false, true, u"Spiel fortsetzen", true, false, false, false, true},
        StartZeile{"WechselGestoppt", true, true, true, false, false, u"Spiel fortsetzen", true, false, true, false, true},
        StartZeile{"Beendet", true, false, false, true, false, u"Spiel Start      ", false, true, false, true, true},
        StartZeile{"BeendetBelegt", true, false, false, true, true, u"Spiel Start      ", false, true, false, true, true}),
    [](const testing::TestParamInfo<StartZeile>& i) { return std::string(i.param.name); });

TEST(Menuezustand, ExactBlanksOfTheStartCaptions)
{
    EXPECT_EQ(StartKeinSpiel.size(), 16);
    EXPECT_EQ(StartText.size(), 17);
    EXPECT_EQ(StopText.size(), 16);
    EXPECT_TRUE(StartText.endsWith(QStringLiteral("Start      ")));
    EXPECT_TRUE(StopText.endsWith(QStringLiteral("Stop      ")));
}

TEST(Menuezustand, OnlyTheMatchsOwnLanesMakeItBusy)
{
    MenueEingabe e = Offen(1);
    e.anmeldeMaske = 0x0010;  // lane 5, outside 1..4
    EXPECT_TRUE(MenuezustandBerechnen(e).MSpielStart.enabled);
    e.anmeldeMaske = 0x0008;  // lane 4
    EXPECT_FALSE(MenuezustandBerechnen(e).MSpielStart.enabled);
}

TEST(Menuezustand, LanesInUseEnableTheLaneView)
{
    MenueEingabe e = Offen(1);
    EXPECT_FALSE(MenuezustandBerechnen(e).MBahnen.enabled);
    e.bahnBelegt = true;
    EXPECT_TRUE(MenuezustandBerechnen(e).MBahnen.enabled);
    EXPECT_TRUE(MenuezustandBerechnen(e).SBtnBahnen);
}

TEST(Menuezustand, WindowListShowsTheSlotsInUse)
{
    MenueEingabe e;
    e.wettkampfAnzahl = 2;
    e.belegt[2] = e.belegt[5] = 1;
    e.heimmannschaft[2] = QStringLiteral("KC Rot-Weiß");
    e.heimmannschaft[5] = QStringLiteral("Gut & Holz");
    e.aktNr = 5;
    const Menuezustand z = MenuezustandBerechnen(e);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(z.MEintrag[k].visible, k == 2 || k == 5) << k;
        EXPECT_EQ(z.MEintrag[k].checked, k == 5) << k;
        EXPECT_TRUE(z.MEintrag[k].enabled) << k;
    }
    EXPECT_EQ(*z.MEintrag[2].caption, QStringLiteral("KC Rot-Weiß"));
    EXPECT_EQ(*z.MEintrag[5].caption, QStringLiteral("Gut && Holz"));  // no accelerator
}

TEST(Menuezustand, ActiveReportWindow)
{
    MenueEingabe e = Offen(2);
    e.aktivesFenster = FensterSpielbericht;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_FALSE(z.MSpBearbeiten.enabled);
    EXPECT_TRUE(z.MSpSchliessen.enabled);
    for (const Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MKarteLaden, &z.MUebernehmen, &z.MAbbrechen, &z.MSchliessen})
        EXPECT_FALSE(p->enabled);
    EXPECT_FALSE(z.SBtnNeu);
    EXPECT_TRUE(z.MSpielStart.enabled);
    EXPECT_TRUE(z.MImportieren.enabled);
}

TEST(Menuezustand, ActiveResultWindowOffersOnlyStartedMatches)
{
    MenueEingabe e = Offen(3);
    e.gestartet[2] = 1;
    e.aktGestartet = true;
    e.gestartet[3] = 1;
    e.aktivesFenster = FensterErgebnis;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_FALSE(z.MEintrag[1].enabled);
    EXPECT_TRUE(z.MEintrag[2].enabled);
    EXPECT_TRUE(z.MEintrag[3].enabled);
    for (const Menuepunkt* p : {&z.MNeu, &z.MLaden, &z.MSpielStart, &z.MKarteLaden, &z.MUebernehmen, &z.MSchliessen})
        EXPECT_FALSE(p->enabled);
    EXPECT_FALSE(z.SBtnNeu);
    EXPECT_FALSE(z.SBtnLaden);
    EXPECT_TRUE(z.MSpBearbeiten.enabled);
}

// The last rule comes after the tool buttons were copied: a bit 4 beside
// another kind greys New and Load in the menu but not on the tool bar.
TEST(Menuezustand, LastRuleLeavesTheToolButtons)
{
    MenueEingabe e = Offen(1);
    e.aktivesFenster = FensterErgebnis | FensterWettkampf;
    const Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_FALSE(z.MNeu.enabled);
    EXPECT_FALSE(z.MLaden.enabled);
    EXPECT_FALSE(z.MSpielStart.enabled);
    EXPECT_TRUE(z.SBtnNeu);
    EXPECT_TRUE(z.SBtnLaden);
    // With one kind at a time the tool buttons agree with their items.
    for (u8 art : {u8(0), u8(FensterWettkampf), u8(FensterBahnuebersicht), u8(FensterErgebnis), u8(FensterSpielbericht)}) {
        e.aktivesFenster = art;
        const Menuezustand y = MenuezustandBerechnen(e);
        EXPECT_EQ(y.SBtnNeu, y.MNeu.enabled) << int(art);
        EXPECT_EQ(y.SBtnLaden, y.MLaden.enabled) << int(art);
    }
}

TEST(Menuezustand, DisplaySwitchesOfTheCurrentMatch)
{
    MenueEingabe e = Offen(1);
    e.mannschanzOn = true;
    e.monitorAnzeige = true;
    e.aktMannschaftsanzeigeEin = true;
    e.aktMonitoreEin = true;
    e.anzeigeBoardEin = true;
    Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_TRUE(z.MMannschaftsanzeige.enabled);
    EXPECT_FALSE(z.MNamenanzeige.enabled);
    EXPECT_FALSE(z.MGrossanzeige.enabled);
    EXPECT_TRUE(z.MMonitoranzeige.enabled);
    EXPECT_EQ(*z.MMannschanzEinschalten.caption, QStringLiteral("&Ausschalten"));
    EXPECT_FALSE(z.MMannschanzUpdate.enabled);  // not started
    EXPECT_EQ(*z.MNamenanzEinschalten.caption, QStringLiteral("&Einschalten"));
    EXPECT_FALSE(z.MNamenanzUpdate.enabled);
    EXPECT_EQ(*z.MGrossanzEinschalten.caption, QStringLiteral("&Ausschalten"));
    EXPECT_TRUE(z.MGrossanzUpdate.enabled);
    EXPECT_EQ(*z.MMonitorEinschalten.caption, QStringLiteral("&Ausschalten"));
    EXPECT_TRUE(z.MMonitoranzUpdate.enabled);
    EXPECT_TRUE(z.MInternetUpdate.enabled);
    for (const Menuepunkt* p : {&z.MMannschanzEinschalten, &z.MNamenanzEinschalten, &z.MGrossanzEinschalten,
                                &z.MMonitorEinschalten})
        EXPECT_TRUE(p->enabled);
    e.aktGestartet = true;
    EXPECT_TRUE(MenuezustandBerechnen(e).MMannschanzUpdate.enabled);
}

TEST(Menuezustand, ProgramEntriesFromTheSettings)
{
    MenueEingabe e;
    Menuezustand z = MenuezustandBerechnen(e);
    EXPECT_FALSE(z.MProgrammTeiler.visible);
    e.programmName[2] = QStringLiteral("Kalkulation");
    z = MenuezustandBerechnen(e);
    EXPECT_FALSE(z.MProgramm[1].visible);
    EXPECT_TRUE(z.MProgramm[2].visible);
    EXPECT_EQ(*z.MProgramm[2].caption, QStringLiteral("Kalkulation"));
    EXPECT_FALSE(z.MProgramm[3].visible);
    EXPECT_TRUE(z.MProgrammTeiler.visible);
}

TEST(Menuezustand, InputFromTheGlobalState)
{
    GlobalsZuruecksetzen();
    SpielablaufZuruecksetzen();
    WettkampfBelegt[3] = 1;
    WettkampfAnzahl = 1;
    AktWettkampfNr = 3;
    AktWettkampf = &Wettkaempfe[3];
    AktWettkampf->Gestartet = 1;
    AktWettkampf->WechselAnstehend = 1;
    AktWettkampf->ErsteSpielbahn = 5;
    AktWettkampf->LetzteSpielbahn = 8;
    AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("SKC"));
    BahnDaten[7].BahnStatus = 2;
    StartMaske = 0x0040;
    AnzeigeBoardEin = 1;
    Einst.ProgrammName[1] = QStringLiteral("Editor");
    const MenueEingabe e = MenueEingabeLesen();
    EXPECT_EQ(e.wettkampfAnzahl, 1);
    EXPECT_EQ(e.aktNr, 3);
    EXPECT_EQ(e.belegt[3], 1);
    EXPECT_EQ(e.gestartet[3], 1);
    EXPECT_EQ(e.heimmannschaft[3], QStringLiteral("SKC"));
    EXPECT_TRUE(e.aktGestartet);
    EXPECT_TRUE(e.aktWechselAnstehend);
    EXPECT_EQ(e.aktErsteBahn, 5);
    EXPECT_EQ(e.aktLetzteBahn, 8);
    EXPECT_TRUE(e.bahnBelegt);
    EXPECT_EQ(e.startMaske, 0x0040);
    EXPECT_TRUE(e.anzeigeBoardEin);
    EXPECT_EQ(e.programmName[1], QStringLiteral("Editor"));
    EXPECT_EQ(*MenuezustandBerechnen(e).MSpielStart.caption, QStringLiteral("Spiel fortsetzen"));
    SpielablaufZuruecksetzen();
    GlobalsZuruecksetzen();
}
