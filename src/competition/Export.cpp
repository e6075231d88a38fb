#include "competition/Export.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "match/engine/Ersatzkette.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>

namespace {

const QStringList MannschaftKopf = {QStringLiteral("Mannschaft"), QStringLiteral("Volle"), QStringLiteral("Abr"),
                                    QStringLiteral("Fehler"), QStringLiteral("Total"), QStringLiteral("Wurf")};
const QStringList PunkteKopf = {QStringLiteral("SaP"), QStringLiteral("MaP"), QStringLiteral("ErgMaP")};
const QStringList SpielerKopf = {QStringLiteral("Name"), QStringLiteral("Passnummer"), QStringLiteral("Gebdatum")};
const QStringList ErgebnisKopf = {QStringLiteral("Volle"), QStringLiteral("Abr"), QStringLiteral("Fehler"),
                                  QStringLiteral("Total"), QStringLiteral("Wurf"), QStringLiteral("Ersatz")};
const QStringList SatzKopf = {QStringLiteral("Satz"), QStringLiteral("Volle"), QStringLiteral("Abr"),
                              QStringLiteral("Fehler"), QStringLiteral("Total"), QStringLiteral("SaP"),
                              QStringLiteral("MaP")};

QString ja(u8 b) { return BoolZuJaNein(b != 0); }

// Lines 1 to 5 of both layouts: match data and the home heading.
QStringList Spielkopf(const TWettkampfDaten& w, const QString& s)
{
    return {
        QStringList{w.Spielart.text(), w.Gruppe.text(), w.Klasse.text()}.join(s),
        QStringList{QStringLiteral("Datum: ") + w.Datum.text(), QStringLiteral("Spielbeginn: ") + w.Beginn.text(),
                    QStringLiteral("Spielende: ") + w.Ende.text()}
            .join(s),
        QStringList{QStringLiteral("Spielnummer: ") + w.Spielnummer.text(),
                    QStringLiteral("WettkTag: ") + w.Spieltag.text()}
            .join(s),
        QStringList{QStringLiteral("Bahnen Ok: ") + ja(w.BahnenOk), QStringLiteral("Pässe Ok: ") + ja(w.PaesseOk),
                    QStringLiteral("Verwarnungen: ") + ja(w.Verwarnungen),
                    QStringLiteral("Verletzungen: ") + ja(w.Verletzungen), QStringLiteral("Protest: ") + ja(w.Protest)}
            .join(s),
        QStringLiteral("Heimmannschaft:"),
    };
}

QStringList Mannschaftsfelder(const QString& name, const TMannschaftBlock& m)
{
    return {name, m.Volle.Text.text(), m.Abr.Text.text(), m.Fehler.Text.text(), m.Total.Text.text(),
            m.Wuerfe.Text.text()};
}

QStringList Mannschaftspunkte(const TMannschaftBlock& m)
{
    return {ZahlText1Stelle(m.SaP), ZahlText1Stelle(m.MaP), ZahlText1Stelle(m.ErgebnisMaP)};
}

QStringList Personfelder(const TSpielerEintrag& p) { return {p.Name.text(), p.Pass.text(), p.Gebdat.text()}; }

QString Seitenname(bool heim) { return heim ? QStringLiteral("Heimspieler") : QStringLiteral("Gastspieler"); }

// One side of the plain layout: heading, team line and players 1..8 of it.
void SeitePlain(QStringList& z, const TWettkampfDaten& w, bool heim, const QString& s)
{
    z << MannschaftKopf.join(s)
      << Mannschaftsfelder(heim ? w.Heimmannschaft.text() : w.Gastmannschaft.text(), heim ? w.Heim : w.Gast).join(s)
      << Seitenname(heim) + QLatin1Char(':') << (SpielerKopf + ErgebnisKopf).join(s);
    for (int k = 1; k <= 8; ++k) {
        const TSpielerEintrag& p = w.Spieler[heim ? k : 8 + k];
        z << Seitenname(heim) + QStringLiteral(" %1:").arg(k)
          << (Personfelder(p) + QStringList{p.Volle.Text.text(), p.Abr.Text.text(), p.Fehler.Text.text(),
                                            p.Total.Text.text(), p.Wurf.Text.text(), QString::number(p.ErsetztDurch)})
                 .join(s);
    }
}

struct Summe {
    int volle = 0, abr = 0, fehler = 0, total = 0;
    QStringList felder() const
    {
        return {QString::number(volle), QString::number(abr), QString::number(fehler), QString::number(total)};
    }
};

// One starter of the points layout: his name lines and those of his
// substitutes, the four sets and the totals, pins summed over the chain.
void StarterBlock(QStringList& z, const TWettkampfDaten& w, int nr, bool heim, const QString& s)
{
    const TSpielerEintrag& p = w.Spieler[nr];
    // Nachfolger only reads the links.
    const Ersatzkette kette = Nachfolger(const_cast<TWettkampfDaten&>(w), const_cast<TSpielerEintrag*>(&p));
    z << Seitenname(heim) + QStringLiteral(" %1:").arg(heim ? nr : nr - 8);
    for (const TSpielerEintrag* e : kette) z << Personfelder(*e).join(s);
    for (long satz = 1; satz <= MaxDurchgaenge; ++satz) {
        Summe sum;
        for (const TSpielerEintrag* e : kette) {
            const TDurchgangBlock& b = e->Durchgang[satz];
            sum.volle += b.Volle.Zahl;
            sum.abr += b.Abr.Zahl;
            sum.fehler += b.Fehler.Zahl;
            sum.total += b.Total.Zahl;
        }
        QStringList felder = QStringList{QString::number(satz)} + sum.felder();
        felder << ZahlText1Stelle(p.Durchgang[satz].SaP);
        // The guests' set lines have no match-points field.
        if (heim) felder << QStringLiteral("0");
        z << felder.join(s);
    }
    Summe sum;
    for (const TSpielerEintrag* e : kette) {
        sum.volle += e->Volle.Zahl;
        sum.abr += e->Abr.Zahl;
        sum.fehler += e->Fehler.Zahl;
        sum.total += e->Total.Zahl;
    }
    z << (QStringList{QStringLiteral("5")} + sum.felder() + QStringList{ZahlText1Stelle(p.SaP), ZahlText1Stelle(p.MaP)})
             .join(s);
}

void SeitePunkte(QStringList& z, const TWettkampfDaten& w, bool heim, const QString& s)
{
    const TMannschaftBlock& m = heim ? w.Heim : w.Gast;
    z << (MannschaftKopf + PunkteKopf).join(s)
      << (Mannschaftsfelder(heim ? w.Heimmannschaft.text() : w.Gastmannschaft.text(), m) + Mannschaftspunkte(m)).join(s)
      << Seitenname(heim) + QLatin1Char(':') << SpielerKopf.join(s) << SatzKopf.join(s);
    for (int k = 1; k <= 6; ++k) StarterBlock(z, w, heim ? k : 8 + k, heim, s);
}

bool TabelleSchreiben(const QString& datei, const QStringList& zeilen, QString* fehler)
{
    QSaveFile f(datei);
    QString grund;
    if (TextdateiVorbereiten(f, zeilen, &grund) && TextdateiAbschliessen(f, &grund)) return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei „%1“ konnte nicht exportiert werden (%2).\n"
                                 "Eine vorhandene Datei dieses Namens bleibt unverändert.")
                      .arg(QDir::toNativeSeparators(datei), grund);
    return false;
}

QString Trenner() { return Trennzeichen.isEmpty() ? ExportTrennzeichen(0) : Trennzeichen; }

}  // namespace

QString ExportTrennzeichen(int auswahl)
{
    switch (auswahl) {
    case 1: return QStringLiteral(", ");
    case 2: return QStringLiteral("\t ");
    default: return QStringLiteral("; ");
    }
}

QString ExportDateiname(Exportart art, int nr)
{
    switch (art) {
    case Exportart::Wurfliste: return QStringLiteral("Wurfliste%1.csv").arg(nr);
    case Exportart::Bild: return QStringLiteral("Spielbericht%1.bmp").arg(nr);
    case Exportart::Spiel: break;
    }
    return QStringLiteral("Spiel%1.csv").arg(nr);
}

QString ExportOrdner() { return Einst.ExportDir.isEmpty() ? Datenverzeichnis : Einst.ExportDir; }

QStringList SpielTabelle(const TWettkampfDaten& w, const QString& s)
{
    QStringList z = Spielkopf(w, s);
    SeitePlain(z, w, true, s);
    z << QStringLiteral("Gastmannschaft:");
    SeitePlain(z, w, false, s);
    return z;
}

QStringList SpielSatzTabelle(const TWettkampfDaten& w, const QString& s)
{
    QStringList z = Spielkopf(w, s);
    SeitePunkte(z, w, true, s);
    z << QStringLiteral("Gastmannschaft:");
    SeitePunkte(z, w, false, s);
    return z;
}

QStringList WurflisteTabelle(const TWettkampfDaten& w, const QString& s)
{
    const int wuerfe = std::min(int(w.Volle) + int(w.Abraeumen), MaxWuerfe);
    QStringList z;
    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        const TSpielerEintrag& p = w.Spieler[nr];
        z << (nr <= 8 ? QStringLiteral("Heimspieler %1").arg(nr) : QStringLiteral("Gastspieler %1").arg(nr - 8))
          << QStringLiteral("Name") << p.Name.text();
        QStringList bahnen;
        for (long b = 1; b <= MaxDurchgaenge; ++b) bahnen << QStringLiteral("Bahn%1").arg(p.Durchgang[b].Bahn);
        z << bahnen.join(s);
        for (long i = 1; i <= wuerfe; ++i) {
            QStringList wurf;
            for (long b = 1; b <= MaxDurchgaenge; ++b) {
                const TDurchgangBlock& d = p.Durchgang[b];
                wurf << WurfZuText(d.Wurfbild[i], u8(d.Wurfart[i] & 0xFF));
            }
            z << wurf.join(s);
        }
        z << QString();
    }
    return z;
}

bool SpielExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler)
{
    return TabelleSchreiben(datei, SpielTabelle(w, Trenner()), fehler);
}

bool SpielSatzExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler)
{
    return TabelleSchreiben(datei, SpielSatzTabelle(w, Trenner()), fehler);
}

bool WurflisteExportieren(const TWettkampfDaten& w, const QString& datei, QString* fehler)
{
    return TabelleSchreiben(datei, WurflisteTabelle(w, Trenner()), fehler);
}

bool SpieldatenExportieren(const TWettkampfDaten& w, Exportart art, const QString& datei, QString* fehler)
{
    switch (art) {
    case Exportart::Spiel:
        return w.Punktespiel ? SpielSatzExportieren(w, datei, fehler) : SpielExportieren(w, datei, fehler);
    case Exportart::Wurfliste: return WurflisteExportieren(w, datei, fehler);
    case Exportart::Bild: break;
    }
    if (fehler) *fehler = QStringLiteral("Das Bild des Spielberichts braucht ein Formular.");
    return false;
}
