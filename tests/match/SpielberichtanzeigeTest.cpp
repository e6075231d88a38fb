#include "core/Globals.h"
#include "match/lanes/Spielberichtanzeige.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

class Spielberichtanzeige : public Grundlage {
protected:
    TWettkampfDaten& w = Wettkaempfe[1];
};

TEST_F(Spielberichtanzeige, LinesTotalsAndRemarksOfARunningMatch)
{
    w.Spieleranzahl = 4;
    w.Heimmannschaft = "Adler 2";
    w.Gastmannschaft = "KSV Eiche";
    TSpielerEintrag& s = w.Spieler[9];
    s.Name = "Otto Roth";
    s.Volle.Text = "412";
    s.Abr.Text = "198";
    s.Total.Text = "  610";
    s.Gestartet = 1;
    w.Spieler[2].Gestartet = w.Spieler[2].Fertig = 1;
    w.Gast.Volle.Zahl = 1210;
    w.Gast.Abr.Zahl = 590;
    w.Gast.Fehler.Zahl = 7;
    w.Gast.Total.Zahl = 1800;
    w.Gast.TotalMaP = 5.5f;
    w.Gast.Text[1] = "Bahn 3 nachgestellt";
    w.Gast.Text[3] = "Protest";
    w.Protest = 1;
    w.Anlagen = 1;

    const SpielberichtAnsicht a = SpielberichtAktualisieren(w);
    EXPECT_EQ(a.heim.ueberschrift, QStringLiteral("Adler 2"));
    EXPECT_EQ(a.gast.ueberschrift, QStringLiteral("KSV Eiche"));
    // Four players: lines 5 and 6 of each side hidden, the substitutes shown.
    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        const int zeile = nr > 8 ? nr - 8 : nr;
        EXPECT_EQ(a.zeilen[nr].sichtbar, zeile != 5 && zeile != 6) << nr;
    }
    EXPECT_EQ(a.zeilen[9].name, QStringLiteral("Otto Roth"));
    EXPECT_EQ(a.zeilen[9].volle, QStringLiteral("412"));
    EXPECT_EQ(a.zeilen[9].total, QStringLiteral("  610"));
    EXPECT_EQ(a.zeilen[9].farbe, 15389394u);
    EXPECT_EQ(a.zeilen[2].farbe, 13673122u);  // finished wins over started
    EXPECT_EQ(a.zeilen[1].farbe, 16777215u);
    EXPECT_EQ(a.gast.volle, QStringLiteral("1210"));
    EXPECT_EQ(a.gast.fehler, QStringLiteral("7"));
    EXPECT_EQ(a.gast.total, QStringLiteral("1800"));
    EXPECT_EQ(a.gast.totalMaP, QString());  // no points game
    EXPECT_EQ(a.gast.bemerkung, QStringLiteral("Bahn 3 nachgestellt\r\n\r\nProtest\r\n"));
    EXPECT_FALSE(a.ergebnisseAktiv);
    EXPECT_TRUE(a.Protest && a.Anlagen);
    EXPECT_FALSE(a.BahnenOk || a.Verwarnungen);
}

TEST_F(Spielberichtanzeige, AnEndedPointsGameRanksAndEnablesTheResults)
{
    w.Spieleranzahl = 6;
    w.Punktespiel = 1;
    w.Beendet = 1;
    w.Heim.TotalMaP = 5.5f;
    w.Spieler[1].Total.Zahl = 400;
    w.Spieler[2].Total.Zahl = 450;

    const SpielberichtAnsicht a = SpielberichtAktualisieren(w);
    EXPECT_TRUE(a.ergebnisseAktiv);
    EXPECT_TRUE(a.punkteAktiv);
    EXPECT_EQ(a.heim.totalMaP, QStringLiteral("5.5"));
    EXPECT_EQ(w.Spieler[2].Platz, 1);
    EXPECT_EQ(w.Spieler[1].Platz, 2);
}

}  // namespace
