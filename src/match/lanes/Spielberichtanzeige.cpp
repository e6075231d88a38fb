#include "match/lanes/Spielberichtanzeige.h"

#include "match/engine/Punkte.h"

namespace {

constexpr u32 Weiss = 16777215;

SpielberichtSeite seite(const TMannschaftBlock& b, const QString& name, bool punkte)
{
    SpielberichtSeite s;
    s.ueberschrift = name;
    s.volle = QString::number(b.Volle.Zahl);
    s.abr = QString::number(b.Abr.Zahl);
    s.fehler = QString::number(b.Fehler.Zahl);
    s.total = QString::number(b.Total.Zahl);
    if (punkte) s.totalMaP = QString::number(double(b.TotalMaP), 'f', 1);
    QStringList zeilen;
    for (int i = 1; i <= 4; ++i) zeilen << b.Text[i].text();
    s.bemerkung = zeilen.join(QStringLiteral("\r\n"));
    return s;
}

}  // namespace

SpielberichtAnsicht SpielberichtAktualisieren(TWettkampfDaten& w)
{
    SpielberichtAnsicht a;
    a.ergebnisseAktiv = w.Beendet != 0;
    a.punkteAktiv = a.ergebnisseAktiv && w.Punktespiel;
    if (a.ergebnisseAktiv) SpielerplatzierungBerechnen(w);

    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        const TSpielerEintrag& s = w.Spieler[nr];
        SpielberichtZeile& z = a.zeilen[nr];
        const int zeile = nr > 8 ? nr - 8 : nr;
        z.sichtbar = !(zeile == 5 || zeile == 6) || zeile <= w.Spieleranzahl;
        z.name = s.Name.text();
        z.volle = s.Volle.Text.text();
        z.abr = s.Abr.Text.text();
        z.total = s.Total.Text.text();
        z.farbe = s.Fertig ? BerichtFarbeFertig : s.Gestartet ? BerichtFarbeGestartet : Weiss;
    }
    a.heim = seite(w.Heim, w.Heimmannschaft.text(), w.Punktespiel);
    a.gast = seite(w.Gast, w.Gastmannschaft.text(), w.Punktespiel);
    a.BahnenOk = w.BahnenOk;
    a.PaesseOk = w.PaesseOk;
    a.Verwarnungen = w.Verwarnungen;
    a.Verletzungen = w.Verletzungen;
    a.Protest = w.Protest;
    a.Sonstiges = w.Sonstiges;
    a.Anlagen = w.Anlagen;
    return a;
}
