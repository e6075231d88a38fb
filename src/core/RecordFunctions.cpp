#include "core/RecordFunctions.h"

#include "core/Globals.h"
#include "core/Password.h"
#include "core/TextFunctions.h"

#include <algorithm>

namespace {

void BlockLoeschen(TDurchgangBlock& b)
{
    b.Bahn = 0;
    b.Volle.leeren();
    b.Abr.leeren();
    b.Fehler.leeren();
    b.Total.leeren();
    b.Wurf.leeren();
    b.SaP = 0;
    // Holz, Marke and Bahnzeit are derived or lane data and stay.
    b.Wurfbild.fill(0);
    b.Wurfart.fill(0);
    b.Ausgewertet.fill(0);
    b.FehlWurf.fill(0);
    b.NullWurf.fill(0);
}

void BlockKopieren(TDurchgangBlock& z, const TDurchgangBlock& q)
{
    z.Bahn = q.Bahn;
    z.Volle = q.Volle;
    z.Abr = q.Abr;
    z.Fehler = q.Fehler;
    z.Total = q.Total;
    z.Wurf = q.Wurf;
    z.SaP = q.SaP;
}

// The personal data fields (every text field but Gruppe and the results).
template <typename S, typename F>
void PersonenTexte(S& a, const TSpielerEintrag& b, F f)
{
    f(a.Name, b.Name);
    f(a.Club, b.Club);
    f(a.Pass, b.Pass);
    f(a.Gebdat, b.Gebdat);
    f(a.Nation, b.Nation);
    f(a.Plz, b.Plz);
    f(a.Ort, b.Ort);
    f(a.Adresse, b.Adresse);
    f(a.Tel, b.Tel);
    f(a.Fax, b.Fax);
    f(a.Email, b.Email);
    f(a.LetztSpiel, b.LetztSpiel);
    f(a.LetztPlatz, b.LetztPlatz);
    f(a.VerwarnungText, b.VerwarnungText);
}

void MannschaftVorbelegen(TMannschaftBlock& m)
{
    m.Total.Text = "0000";
    m.Total.Zahl = 0;
    m.Wuerfe.Text = "0000";
    m.Wuerfe.Zahl = 0;
    m.Plus.Text = "0000";
    m.Plus.Zahl = 0;
    for (TextZahl<6>* p : {&m.Volle, &m.Abr, &m.Fehler}) {
        p->Text = "0";
        p->Zahl = 0;
    }
    m.Ersatz7Eingesetzt = 0;
    m.Ersatz8Eingesetzt = 0;
    for (auto& t : m.Text) t.leeren();
    m.SaP = 0;
    m.MaP = 0;
    m.ErgebnisMaP = 0;
    m.TotalMaP = 0;
    m.TaP = "0";
}

// Reads a lane number of one or two digits at character `pos` (from 1).
int BahnZahl(const QString& text, int pos)
{
    if (pos > text.size() || !text.at(pos - 1).isDigit()) return 0;
    int n = text.at(pos - 1).digitValue();
    if (pos < text.size() && text.at(pos).isDigit()) n = n * 10 + text.at(pos).digitValue();
    return n;
}

}  // namespace

void SpielerLoeschen(TSpielerEintrag& s)
{
    PersonenTexte(s, s, [](auto& a, const auto&) { a.leeren(); });
    s.Platz = 0;
    s.Gestartet = 0;
    s.Fertig = 0;
    s.ErsetztDurch = 0;
    s.Ersatz = 0;
    s.VerwarnungAnzahl = 0;
    s.Volle.leeren();
    s.Abr.leeren();
    s.Fehler.leeren();
    s.Total.leeren();
    s.Wurf.leeren();
    // Points of an earlier match must not survive in a reused slot.
    s.Bonus.leeren();
    s.SaP = 0;
    s.MaP = 0;
    for (TDurchgangBlock& b : s.Durchgang) BlockLoeschen(b);
    s.DurchgangNr = 0;
    s.Wertung = 1;
}

void SpielerKopieren(TSpielerEintrag& ziel, const TSpielerEintrag& quelle)
{
    if (&ziel == &quelle) return;
    PersonenTexte(ziel, quelle, [](auto& a, const auto& b) { a = b; });
    ziel.Platz = quelle.Platz;
    ziel.IstHeim = quelle.IstHeim;
    ziel.Gestartet = quelle.Gestartet;
    ziel.Fertig = quelle.Fertig;
    ziel.ErsetztDurch = quelle.ErsetztDurch;
    ziel.VerwarnungAnzahl = quelle.VerwarnungAnzahl;
    ziel.Volle = quelle.Volle;
    ziel.Abr = quelle.Abr;
    ziel.Fehler = quelle.Fehler;
    ziel.Total = quelle.Total;
    ziel.Wurf = quelle.Wurf;
    ziel.Bonus = quelle.Bonus;
    ziel.SaP = quelle.SaP;
    ziel.MaP = quelle.MaP;
    for (long d = 1; d <= MaxDurchgaenge; ++d) BlockKopieren(ziel.Durchgang[d], quelle.Durchgang[d]);
}

void SuddenVictoryLoeschen(TWettkampfDaten& w)
{
    w.SVictoryLaeuft = 0;
    w.SVictoryHeimSaP = 0;
    w.SVictoryGastSaP = 0;
    for (auto& reihe : w.SVictoryTabelle) {
        for (TSuddenVictoryEintrag& e : reihe) {
            e.Kennung = 0;
            e.SpielerNr = 0;
            e.Holz.leeren();
            e.Wuerfe.leeren();
            e.SaP = 0;
            // The misses pair keeps its value.
        }
    }
}

u8 WettkampfAdresse(const TWettkampfDaten* w)
{
    const long slot = Wettkaempfe.indexOf(w);
    if (!Wettkaempfe.contains(slot)) return 0;
    return u8(slot | (Einst.PcEinheit << 4));
}

QString BahnbereichText(int erste, int letzte)
{
    return letzte > erste ? QStringLiteral("Bahn %1 bis %2").arg(erste).arg(letzte) : QStringLiteral("Bahn %1").arg(erste);
}

std::pair<int, int> BahnbereichLesen(const QString& bahnText)
{
    const int erste = BahnZahl(bahnText, 6);
    if (erste == 0) return {0, 0};
    int letzte = erste;
    if (bahnText.size() >= 12) {
        const int pos = bahnText.at(11) == QLatin1Char(' ') ? 13 : 12;
        if (const int n = BahnZahl(bahnText, pos)) letzte = n;
    }
    return {erste, letzte};
}

void ZweiZahlenLesen(const QString& bahnText)
{
    if (!AktWettkampf) return;
    const auto [erste, letzte] = BahnbereichLesen(bahnText);
    if (erste == 0) return;
    AktWettkampf->ErsteBahn = u8(erste);
    AktWettkampf->LetzteBahn = u8(letzte);
}

QString WurfvorwahlZeile(int i)
{
    if (i >= 0 && i < WurfvorwListe.size()) return WurfvorwListe.at(i);
    if (i != 0 || !WurfvorwListe.isEmpty()) return {};
    QString zeile = QStringLiteral("120 Wurf;15;15;12;3;;");
    for (int bahnen : {6, 4, 2})
        if (bahnen <= BahnAnzahl) zeile += QStringLiteral(";Bahn 1 bis %1").arg(bahnen);
    return zeile;
}

QStringList WurfvorwahlBahnen(const QString& zeile)
{
    QStringList bahnen = zeile.split(QLatin1Char(';')).mid(7);
    bahnen.removeAll(QString());
    return bahnen;
}

void WurfvorwahlLaden(int i)
{
    const QString zeile = WurfvorwahlZeile(i);
    if (!AktWettkampf || zeile.isEmpty()) return;
    TWettkampfDaten& w = *AktWettkampf;
    // Field k (from 1; 1 is the name) counts only when a ';' closes it.
    const QStringList felder = zeile.split(QLatin1Char(';'));
    auto geschlossen = [&](int k) { return felder.size() > k; };
    auto wert = [&](int k) { return TextZuZahl(felder.at(k - 1)); };
    if (geschlossen(2)) w.Volle = wert(2);
    if (geschlossen(3)) w.Abraeumen = wert(3);
    if (geschlossen(4)) w.Wurfzeit = wert(4);
    if (geschlossen(5)) SpielmodusSetzen(w, u16(wert(5)));
}

void SpielmodusSetzen(TWettkampfDaten& w, u16 spielmodus)
{
    w.Spielmodus = spielmodus;
    w.Durchgaenge = spielmodus > 2 ? 4 : spielmodus;
}

QByteArray DatumText(const QDate& datum)
{
    return QString::asprintf("%02d.%02d.%02d", datum.day(), datum.month(), datum.year() % 100).toLatin1();
}

void WettkampfGrundwerteSetzen(TWettkampfDaten& w, const QDate& heute)
{
    ++w.AnlegeNr;
    w.Speichername.clear();
    w.Speicherordner = Spielordner;
    w.Bezirk.setzenText(Einst.Bezirk);
    w.Club.setzenText(Einst.Club);
    w.Klasse.setzenText(Einst.Klasse);
    w.MannschaftNr = "1";
    w.Gastmannschaft.leeren();
    w.Datum.setzen(DatumText(heute));
    w.Beginn.leeren();
    w.Ende.leeren();
    w.Spieltag.leeren();
    w.Spielnummer.leeren();
    w.Spielart = "Clubspiel";
    w.Schiedsrichter.leeren();
    // The official's other data stay from the slot's previous match.
    w.Spielleiter.Name.leeren();
    w.Spielleiter.Tel.leeren();
    w.Textzeile[1].setzenText(QStringLiteral("Wir begrüßen unsere Gäste"));
    w.Textzeile[2].setzenText(QStringLiteral("und wünschen einen angenehmen Aufenthalt !"));
    w.Gruppe = "Herren";

    w.Streichspiel = 0;
    w.Wurfvorwahl = 0;
    w.DateiWurfvorwahl.reset();
    w.Spieleranzahl = 6;
    w.SpieleranzahlWaehlbar = 0;
    w.BahnenIndex = 0;
    w.Art = 0;
    w.ArtWaehlbar = 0;
    w.Probe = 2;
    w.Zeit = 1;
    w.Uebertritt = 1;
    w.Durchlaeufer = 0;
    w.SVictory1Spiel = 0;
    w.SVictory2Spiele = 0;
    w.SVictoryWuerfe = 0;

    for (auto& m : w.Mannschaftsfuehrer) m.leeren();
    MannschaftVorbelegen(w.Heim);
    MannschaftVorbelegen(w.Gast);

    for (long n = 1; n <= MaxSpieler; ++n) {
        TSpielerEintrag& s = *w.SpielerZeiger[n];
        SpielerLoeschen(s);
        s.IstHeim = n <= 8 ? 1 : 0;
    }

    SuddenVictoryLoeschen(w);
    w.Durchgang = 0;
    w.Gestartet = 0;
    w.Beendet = 0;
    w.Gestoppt = 0;

    w.Heimmannschaft.setzenText(Einst.Club + QStringLiteral(" 1"));
    for (QString& t : w.FormularText) t.clear();

    w.Punktespiel = Einst.Punkteanzeige;
    w.Satzanzeige = Einst.Satzanzeige;
    w.FaxDeckblatt = Einst.FaxDeckblatt;
    w.EmailDeckblatt = Einst.EmailDeckblatt;
    w.MannschNamenAnzeigen = MannschNamenAnzeigen;
    w.NamenOn = Einst.NamenOn;
    w.MannschNamen = Einst.MannschNamen;
    w.NaVorWechsel = Einst.NaVorWechsel;
    w.MaNaWechsel = Einst.MaNaWechsel;
    w.MaPMannsch = Einst.MaPMannsch;
    w.MaPMaWechsel = Einst.MaPMaWechsel;
    w.NamenanzWerbung.Index = u16(Einst.NamenanzIndex);
    w.NamenanzWerbung.Werbung = Einst.NamenanzWerbung;
    w.GrossanzWerbung.Index = u16(Einst.GrossanzIndex);
    w.GrossanzWerbung.Werbung = Einst.GrossanzWerbung;
    w.MonitorWerbung.Index = u16(Einst.MonitorIndex);
    w.MonitorWerbung.Werbung = Einst.MonitorWerbung;
    w.MonitorWerbung.Zustand = Einst.MonitorErgebnis;
    w.TerminalWerbung.Index = u16(std::clamp<std::int32_t>(Einst.TerminalIndex, 0, 0xFFFF));
    w.TerminalWerbung.Werbung = Einst.TerminalWerbung;
    w.TerminalWerbung.Zustand = Einst.TerminalErgebnis;
    w.FtpPfad = Einst.FtpPfad;
}

void WettkampfEinstellungenUebernehmen(TWettkampfDaten& w)
{
    w.BahnImSpiel.fill(0);
    w.ManuellerBahnwechsel = Einst.ManualBahnw;

    w.BahnenOk = 1;
    w.PaesseOk = 1;
    w.SchiedsrichterOkHeim = 1;
    w.SchiedsrichterOkGast = 1;

    w.Heimmannschaft.setzen(w.Club.bytes() + ' ' + w.MannschaftNr.bytes());
    w.Land.setzenText(Einst.Land);

    w.EmailName = Einst.EmailName;
    w.EmailVon = Einst.EmailVon;
    w.EmailAn = Einst.EmailAn;
    w.EmailBetreff = Einst.EmailBetreff;

    w.DrWurfblatt = Einst.DrWurfblatt;
    w.DrZweiBahnen = Einst.DrZweiBahnen;
    w.DrZentral = Einst.DrZentral;
    w.DrSparmodus = Einst.DrSparmodus;
    w.DrEinzelbahn = (!Einst.DrZweiBahnen && !Einst.DrZentral) ? 1 : 0;
    w.DrKopf = Einst.DrKopf;
    w.DrFuss = Einst.DrFuss;
    w.Formular = Einst.FormularNummer;
    w.DruckerZugeordnet = 0;

    w.NamenanzWerbung.Liste = std::make_unique<QStringList>();
    w.GrossanzWerbung.Liste = std::make_unique<QStringList>();

    w.Spielphase = PhaseAngelegt;
    w.MannschaftsanzeigeEin = 0;
    w.NamenanzeigeEin = 0;
    w.GrossanzeigeEin = AnzeigeBoardEin;
    w.MonitoreEin = 0;

    w.FtpHost = Einst.FtpHost;
    w.FtpKennung = Einst.FtpKennung;
    w.FtpZugang = PasswortKodieren(Einst.FtpZugang);  // kept scrambled, as the settings file stores it
    w.FtpUpdate = Einst.FtpUpdate;
    w.FtpUpdateZeit = Einst.FtpUpdateZeit;
    w.FtpUpdateInterv = Einst.FtpUpdateInterv;
    w.FtpUpdateDurchg = Einst.FtpUpdateDurchg;
    w.FtpUpdateWechsel = Einst.FtpUpdateWechsel;
    w.JavaUpdate = Einst.JavaUpdate;

    w.KeinNaechsterDurchgang = 0;
}
