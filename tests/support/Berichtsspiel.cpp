#include "support/Berichtsspiel.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "match/engine/Punkte.h"
#include "match/engine/Wertung.h"
#include "match/flow/Spielablauf.h"

namespace {

const QDateTime Jetzt0(QDate(2026, 3, 14), QTime(19, 30, 0));

// Replaces player nr by the substitute once nr has thrown ten throws of his
// third round.
void Einwechseln(TWettkampfDaten& m, int nr, int ersatz)
{
    TSpielerEintrag& p = m.Spieler[nr];
    if (p.ErsetztDurch || p.DurchgangNr != 3 || !p.AktDurchgang || p.AktDurchgang->Wurf.Zahl < 10) return;
    for (int b = 1; b <= MaxBahnen; ++b)
        if (BahnDaten[b].BahnSpieler == &p) SpielerWechseln(b, ersatz);
}

void Ausfuellen(TWettkampfDaten& m)
{
    m.Land = "Bayern";
    m.Bezirk = "Oberfranken";
    m.Club = "KSC Ahorn";
    m.MannschaftNr = "1";
    m.Klasse = "Bezirksliga Nord";
    m.Gruppe = "Herren";
    m.Spielnummer = "00417";
    m.Spieltag = "7";
    m.Spielart = "Clubspiel";
    m.Schiedsrichter = "Walter Weber";
    m.Spielleiter.Name = "Rita Roth";
    m.Spielleiter.Tel = "0921 123456";
    m.Spielleiter.Anschrift = "Lindenweg 3";
    m.Spielleiter.Plz = "95444";
    m.Spielleiter.Ort = "Bayreuth";
    m.Mannschaftsfuehrer[1] = "Anton Adler";
    m.Mannschaftsfuehrer[2] = "Emil Eder";
    m.Heim.Text[1].setzenText(QStringLiteral("Bahn 3 ab Wurf 80 mit neuem Kegel 5."));
    m.Gast.Text[1].setzenText(QStringLiteral("Keine Einwände, Bahnen einwandfrei."));
    m.BahnenOk = 1;
    m.PaesseOk = 1;
    m.Verwarnungen = 1;
    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        TSpielerEintrag& s = m.Spieler[nr];
        s.Pass.setzenText(QString::number(104200 + nr * 37));
        s.Gebdat.setzenText(QStringLiteral("%1.%2.%3")
                                .arg(nr % 28 + 1, 2, 10, QLatin1Char('0'))
                                .arg(nr % 12 + 1, 2, 10, QLatin1Char('0'))
                                .arg((nr % 2 ? 79 + nr : 90 + nr) % 100, 2, 10, QLatin1Char('0')));
        s.LetztSpiel = "07.03.26";
        s.LetztPlatz = QByteArray::number(nr % 6 + 1).constData();
    }
    Spielort = QStringLiteral("Bayreuth");
    Bahnanlage = QStringLiteral("Kegelcenter Ahorn");
    Einst.Sektion = QStringLiteral("Classic");
}

}  // namespace

TWettkampfDaten* BerichtsspielSpielen(Anlage& anlage, std::string* fehler)
{
    ProgrammZuruecksetzen(Jetzt0);
    if (!CanAnschliessen(&anlage.bus)) {
        *fehler = "no CAN";
        return nullptr;
    }
    Spielart a;
    a.volle = a.abraeumen = 15;
    a.durchgaenge = 4;
    a.spielmodus = 3;
    a.spieleranzahl = 6;
    a.punktespiel = true;
    TWettkampfDaten* m = WettkampfAufbauen(a);
    if (!m) {
        *fehler = "no match";
        return nullptr;
    }
    m->Spieler[7].Name = "Paul Pohl";
    m->Spieler[8].Name = "Quirin Quast";
    m->Spieler[15].Name = "Rudi Rank";
    m->Spieler[16].Name = "Stefan Sauer";
    Ausfuellen(*m);
    // The clock goes with the program time, so the match ends after it began.
    anlage.beobachter = [m, &anlage] {
        const QDateTime jetzt = Jetzt0.addMSecs(anlage.schritte * 50);
        setUhr([jetzt] { return jetzt; });
        Einwechseln(*m, 3, 7);
        Einwechseln(*m, 12, 16);
    };
    SpielStarten(*m);
    if (!anlage.bis([m] { return m->Beendet != 0; }, 200000)) {
        *fehler = "the match did not end";
        return nullptr;
    }
    anlage.beobachter = nullptr;
    SpielerplatzierungBerechnen(*m);
    return m;
}
