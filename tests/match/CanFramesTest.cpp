#include "match/bus/CanFrames.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>

#include <utility>

using namespace CanRahmen;

namespace {

struct Fall {
    const char* was;
    CanDaten ist;
    CanDaten soll;
};

void pruefen(std::initializer_list<Fall> faelle)
{
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(f.ist, f.soll);
    }
}

constexpr u16 Kegel159 = 0x111;  // pins 1, 5, 9

}  // namespace

TEST(CanFramesTest, DatenNehmenHoechstensAchtBytes)
{
    const CanDaten lang{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(lang.laenge, 8);
    EXPECT_EQ(lang.d, (std::array<u8, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    const CanDaten kurz{5, 6};
    EXPECT_EQ(kurz.laenge, 2);
    EXPECT_EQ(kurz.d, (std::array<u8, 8>{5, 6, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CanDaten{}.laenge, 0);
}

TEST(CanFramesTest, CodesHabenIhreWerte)
{
    const std::pair<u8, int> codes[] = {
        {ParamProbeWuerfe, 0x5B}, {ParamProbeMinuten, 0x5C}, {ParamWuerfe, 177}, {ParamVolle, 178},
        {ParamAbraeumen, 179}, {ParamWurfzeit, 180}, {ParamBahnen, 181}, {ParamArt, 182}, {ParamSpieler, 183},
        {BefehlBahnzeit, 0x48}, {BefehlVolle, 0x51}, {BefehlAbraeumen, 0x52}, {BefehlZeitAus, 0x54},
        {BefehlZeitEin, 0x55}, {BefehlZeitStart, 0x57}, {BefehlZeitStopp, 0x58}, {BefehlSportAus, 0x59},
        {BefehlProbeStart, 0x5A}, {BefehlProbeWuerfe, 0x5B}, {BefehlProbeMinuten, 0x5C}, {BefehlProbeEnde, 0x5F},
        {BefehlStart, 0x61}, {BefehlUebertrittAus, 0x62}, {BefehlUebertrittEin, 0x63},
        {BefehlUebertrittWert, 0x64}, {BefehlVerwarnung, 0x65}, {BefehlVerwarnungLoeschen, 0x66},
        {BefehlLauf, 0x6D}, {BefehlHalt, 0x6E}, {BefehlNullwurf, 0x71}, {BefehlUngueltig, 0x72},
        {BefehlDurchlaeufer, 0x80},
    };
    for (const auto& [code, wert] : codes)
        EXPECT_EQ(int(code), wert);
}

TEST(CanFramesTest, RahmenZurBahn)
{
    pruefen({
        {"2/27", ZustandEnde(), {2, 27}},
        {"3", ParameterEnde(3), {3, 3}},
        {"4", Abmelden(), {4}},
        {"5 [", Spielparameter(ParamProbeWuerfe, 5), {5, 0x5B, 5}},
        {"5 \\", Spielparameter(ParamProbeMinuten, 10), {5, 0x5C, 10}},
        {"5 177 low byte", Spielparameter(ParamWuerfe, 300), {5, 177, 0x2C}},
        {"5 183", Spielparameter(ParamSpieler, 6), {5, 183, 6}},
        {"10", SpielNrAnfrage(), {10}},
        {"12", SpielZuordnung(2), {12, 2}},
        {"13/176 pins 1,5,9", KegelbildAnzeigen(Kegel159), {13, 176, 0x11, 0x01}},
        {"29", SpielBeitreten(), {29}},
        {"30", Startblock(5, 10, 100, 0, 45), {30, 5, 10, 100, 0, 45}},
        {"33 pins 1,5,9", KegelStellen(Kegel159), {33, 0x11, 0x01}},
        {"34 Q", Steuerbefehl(BefehlVolle), {34, 0x51}},
        {"34 0x80", Steuerbefehl(BefehlDurchlaeufer), {34, 0x80}},
        {"34 H", Bahnzeit(291), {34, 0x48, 0x01, 0x23}},
        {"34 H FFFF", Bahnzeit(0xFFFF), {34, 0x48, 0xFF, 0xFF}},
        {"34 [", ProbeWuerfe(3, true), {34, 0x5B, 3, 1}},
        {"34 \\", ProbeMinuten(5, false), {34, 0x5C, 5, 0}},
        {"34 a home", DurchgangStart(25, 15, 20, true), {34, 0x61, 25, 15, 20, 1}},
        {"36", Konfiguration(2), {36, 2}},
        {"37", ProgrammEnde(1), {37, 1}},
        {"38", Online(), {38}},
        {"39", Freigeben(), {39}},
        {"41", SpieleUebernehmen(), {41}},
        {"42", StatusAnfrage(), {42}},
        {"0x41 pins 1,5,9", KegelbildZustand(Kegel159), {0x41, 0x01, 0x11}},
        {"0x42", Ersatzspieler(5), {0x42, 5}},
        {"0x43", Auswechslungen(true, false, false, true), {0x43, 1, 0, 0, 1}},
        {"166", SpielerAufBahn(4), {166, 4}},
        {"174", Datum("05.03.07"), {174, '0', '5', '0', '3', '0', '7'}},
        {"174 QByteArray", Datum(QByteArray("24.12.99")), {174, '2', '4', '1', '2', '9', '9'}},
        {"174 QDate", Datum(QDate(2007, 3, 5)), {174, '0', '5', '0', '3', '0', '7'}},
        {"174 short", Datum("05.03"), {174, '0', '5', '0', '3', ' ', ' '}},
        {"175", Uhrzeit(QTime(9, 41, 26)), {175, '0', '9', '4', '1', '2', '6'}},
        {"175 invalid", Uhrzeit(QTime()), {175, ' ', ' ', ' ', ' ', ' ', ' '}},
        {"195", KorrekturStart(), {195}},
        {"196", DruckerEin(), {196}},
        {"197", DruckerAus(), {197}},
        {"211", MannschaftssummeHeim(1234), {211, 0x04, 0xD2}},
        {"212", MannschaftssummeGast(5000), {212, 0x13, 0x88}},
        {"236", BahnSpielerNummern(1, 2, 0, 0), {236, 1, 2, 0, 0}},
    });
}

TEST(CanFramesTest, Bahnanzeige)
{
    pruefen({
        {"161", BahnanzeigeWert(AnzWurfNr, 7), {35, 161, 0, 0, 7}},
        {"162 keeps low digits", BahnanzeigeWert(AnzHolz, 1234), {35, 162, 2, 3, 4}},
        {"163", BahnanzeigeWert(AnzSumme, 1234), {35, 163, 1, 2, 3, 4}},
        {"163 five digits", BahnanzeigeWert(AnzSumme, 12345), {35, 163, 2, 3, 4, 5}},
        {"164", BahnanzeigeWert(AnzRestPhase, 120), {35, 164, 1, 2, 0}},
        {"165 negative", BahnanzeigeWert(AnzFehler, -3), {35, 165, 0, 0, 0}},
        {"168", BahnanzeigeWert(AnzRestDurchgang, 45), {35, 168, 0, 4, 5}},
        {"166", BahnanzeigeTeilwert(200), {35, 166, 200}},
        {"167 1.5", BahnanzeigeSatzpunkte(1.5f), {35, 167, 1, 5}},
        {"167 0.5", BahnanzeigeSatzpunkte(0.5f), {35, 167, 0, 5}},
        {"167 2", BahnanzeigeSatzpunkte(2.0f), {35, 167, 2, 0}},
        {"167 0.7 float error", BahnanzeigeSatzpunkte(0.7f), {35, 167, 0, 7}},
        {"167 cut", BahnanzeigeSatzpunkte(1.59f), {35, 167, 1, 5}},
        {"167 negative", BahnanzeigeSatzpunkte(-1.0f), {35, 167, 0, 0}},
        {"169", BahnanzeigeKorrektur(12, 0, 9), {35, 169, 12, 0, 9}},
    });
}

// Only the newest counts of the lane's display values, the pins shown down
// and the team state on the first lane; everything else the lane acts upon.
TEST(CanFramesTest, AuffrischungenUndIhreSchluessel)
{
    const std::pair<CanDaten, int> faelle[] = {
        {BahnanzeigeWert(AnzWurfNr, 7), 0x23A1},   {BahnanzeigeWert(AnzSumme, 9), 0x23A3},
        {BahnanzeigeWert(AnzRestDurchgang, 4), 0x23A8}, {BahnanzeigeTeilwert(3), 0x23A6},
        {BahnanzeigeSatzpunkte(1.5f), 0x23A7},     {KegelbildAnzeigen(Kegel159), 0x0DB0},
        {MannschaftssummeHeim(5), 0xD300},         {MannschaftssummeGast(5), 0xD400},
        {BahnSpielerNummern(1, 2, 3, 4), 0xEC00},  {BahnanzeigeKorrektur(3, 7, 5), 0},
        {Steuerbefehl(BefehlStart), 0},            {DurchgangStart(25, 25, 20, true), 0},
        {Startblock(0, 0, 3, 3, 12), 0},           {KegelStellen(Kegel159), 0},
        {KegelbildZustand(Kegel159), 0},           {Zaehlerstand(ZaehlerWurfNr, 4), 0},
        {SpielerAufBahn(9), 0},                    {SpielerName(9, "Otto Ott")[0], 0},
        {Konfiguration(2), 0},                     {Online(), 0},
        {Abmelden(), 0},                           {CanDaten{35}, 0},
        {CanDaten{13, 0}, 0},
    };
    for (const auto& [d, schluessel] : faelle)
        EXPECT_EQ(Auffrischschluessel(d.laenge, d.d[0], d.d[1]), schluessel) << int(d.d[0]) << '/' << int(d.d[1]);
}

TEST(CanFramesTest, Zaehlerstaende)
{
    pruefen({
        {"0x31", Zaehlerstand(ZaehlerVolleGesamt, 1234, 3), {0x31, 0x04, 0xD2, 3}},
        {"0x32", Zaehlerstand(ZaehlerVolleDurchgang, 300), {0x32, 0x01, 0x2C}},
        {"0x33", Zaehlerstand(ZaehlerAbraeumenGesamt, 513, 2), {0x33, 0x02, 0x01, 2}},
        {"0x34", Zaehlerstand(ZaehlerAbraeumenDurchgang, 77), {0x34, 0, 77}},
        {"0x35", Zaehlerstand(ZaehlerFehlerSpieler, 4, 2), {0x35, 4, 2}},
        {"0x36", Zaehlerstand(ZaehlerFehlerDurchgang, 2), {0x36, 2}},
        {"0x37", Zaehlerstand(ZaehlerHolzDurchgang, 256), {0x37, 1, 0}},
        {"0x38", Zaehlerstand(ZaehlerHolzGesamt, 1000, 6), {0x38, 0x03, 0xE8, 6}},
        {"0x39", Zaehlerstand(ZaehlerLaufendeSumme, 999), {0x39, 0x03, 0xE7}},
        {"0x3A", Zaehlerstand(ZaehlerVerwarnungenSpieler, 1, 5), {0x3A, 1, 5}},
        {"0x3B", Zaehlerstand(ZaehlerVerwarnungen, 2), {0x3B, 2}},
        {"0x3C low byte", Zaehlerstand(ZaehlerWuerfeSpieler, 260, 7), {0x3C, 4, 7}},
        {"0x3D", Zaehlerstand(ZaehlerWurfNr, 17), {0x3D, 17}},
    });
}

TEST(CanFramesTest, SpielerNameInVierRahmen)
{
    const auto r = SpielerName(3, "M\xFCller-Schmidt, J\xFCrgen");
    pruefen({
        {"170", r[0], {170, 3, 'M', 0xFC, 'l', 'l', 'e', 'r'}},
        {"171", r[1], {171, 3, '-', 'S', 'c', 'h', 'm', 'i'}},
        {"172", r[2], {172, 3, 'd', 't', ',', ' ', 'J', 0xFC}},
        {"173", r[3], {173, 3, 'r', 'g', 'e', 'n', ' ', ' '}},
    });
    EXPECT_EQ(SpielerName(3, QByteArray("M\xFCller-Schmidt, J\xFCrgen")), r);

    const auto lang = SpielerName(16, QByteArray("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(lang[3], (CanDaten{173, 16, 's', 't', 'u', 'v', 'w', 'x'}));
    const auto leer = SpielerName(1, nullptr);
    EXPECT_EQ(leer[0], (CanDaten{170, 1, ' ', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(leer[3], (CanDaten{173, 1, ' ', ' ', ' ', ' ', ' ', ' '}));
}

TEST(CanFramesTest, RahmenZuDenAnzeigen)
{
    pruefen({
        {"234 blanks", AnzeigeText(0x81, "Heim"), {234, 0x81, 'H', 'e', 'i', 'm', ' ', ' '}},
        {"234 cut", AnzeigeText(1, QByteArray("Gastmannschaft")), {234, 1, 'G', 'a', 's', 't', 'm', 'a'}},
        {"236", AnzeigenEin(2), {236, 2}},
        {"237", AnzeigenAus(1), {237, 1}},
        {"237 lane", AnzeigenAusBahn(), {237}},
        {"238", AnzeigenKonfiguration(4, 20), {238, 4, 20}},
        {"239", AnzeigenHelligkeit(7), {239, 7}},
    });
}

// Board rows: blank-padded to the width, 0 past it; row 16 keeps only its
// column nibble; team rows by width.
TEST(CanFramesTest, ZeilenDerLedTafeln)
{
    using V = std::vector<CanDaten>;
    EXPECT_EQ(AnzeigeZeile(3, "STOP", 9),
              (V{{234, 0x31, 'S', 'T', 'O', 'P', ' ', ' '}, {234, 0x37, ' ', ' ', ' ', 0, 0, 0}}));
    EXPECT_EQ(AnzeigeZeile(3, "Mueller Han", 11),
              (V{{234, 0x31, 'M', 'u', 'e', 'l', 'l', 'e'}, {234, 0x37, 'r', ' ', 'H', 'a', 'n', 0}}));
    EXPECT_EQ(AnzeigeZeile(16, "BAHN", 11),
              (V{{234, 0x01, 'B', 'A', 'H', 'N', ' ', ' '}, {234, 0x07, ' ', ' ', ' ', ' ', ' ', 0}}));
    // Longer than the width: cut; width 0: nothing.
    EXPECT_EQ(AnzeigeZeile(1, "Hauptsponsor", 9)[1], (CanDaten{234, 0x17, 'p', 'o', 'n', 0, 0, 0}));
    EXPECT_TRUE(AnzeigeZeile(1, "STOP", 0).empty());
    EXPECT_EQ(AnzeigeZeile(2, "", 13).size(), 3u);

    // Team board 1, home row 1, guest row 2; width 11 results at 3 and 8.
    EXPECT_EQ(TafelErgebnis(1, 11, "0120", "0456"),
              (V{{234, 0x13, '0', '1', '2', '0', 0, 0}, {234, 0x18, '0', '4', '5', '6', 0, 0}}));
    EXPECT_EQ(TafelErgebnis(2, 9, "2.0", "0456"),
              (V{{234, 0x21, '2', '.', '0', 0, 0, 0}, {234, 0x26, '0', '4', '5', '6', 0, 0}}));
    EXPECT_TRUE(TafelErgebnis(2, 0, "0120", "0456").empty());
    EXPECT_EQ(TafelKennung(1, 11, 'H'),
              (V{{234, 0x11, 'H', ' ', ' ', ' ', ' ', ' '}, {234, 0x17, ' ', ' ', ' ', ' ', ' ', 0}}));
    EXPECT_EQ(TafelKennung(2, 9, 'G'),
              (V{{234, 0x21, ' ', ' ', ' ', ' ', ' ', ' '}, {234, 0x27, ' ', ' ', ' ', 0, 0, 0}}));
    // Board 8's guest row is row 16: nibble 0.
    EXPECT_EQ(AnzeigeZeile(16, "PROBE", 9)[0], (CanDaten{234, 0x01, 'P', 'R', 'O', 'B', 'E', ' '}));
}
