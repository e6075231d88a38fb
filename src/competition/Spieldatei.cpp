#include "competition/Spieldatei.h"

#include "competition/Spieleliste.h"
#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "match/engine/Punkte.h"
#include "match/flow/Wettkampfslots.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The lines of one player block and of one lane block inside it.
constexpr int SpielerErsteZeile = 100;
constexpr int SpielerZeilen = 55;
constexpr int BlockErsteZeile = 27;
constexpr int BlockZeilen = 7;
constexpr int KopfLetzteZeile = 41;

int SpielerZeile(int p) { return SpielerErsteZeile + SpielerZeilen * (p - 1); }


// Decimal, no leading zeros or blanks; nullopt for anything else.
std::optional<long long> StrengeZahl(const QString& s)
{
    bool ok = false;
    const long long v = s.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

// Only digits, after StrengeZahl refused them: more than 64 bits hold.
bool ZuLang(const QString& s)
{
    static const QRegularExpression ziffern(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    return ziffern.match(s).hasMatch();
}

// A 32-bit float in general format with up to 15 digits and a decimal comma
// ("1,5", "2", "1E-5"), whatever the locale.
QString FliessText(f32 f)
{
    QString s = QString::number(double(f), 'g', 15);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) s = s.left(e) + QLatin1Char('E') + QString::number(s.mid(e + 1).toInt());
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

// "," or "." as the separator; nullopt for no number or one beyond a float.
std::optional<f32> FliessZahl(const QString& s)
{
    const std::optional<double> d = TextZuFloat(s);
    if (!d || std::fabs(*d) > double(std::numeric_limits<f32>::max())) return std::nullopt;
    return f32(*d);
}

// Bad text or a value beyond 16 bits gives 0.
u16 NachsichtigeZahl(const QString& s)
{
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    return ok && v >= 0 && v <= 0xFFFF ? u16(v) : 0;
}

// One field of the file: every visitor below gets the same calls, so that
// writing, checking and reading follow one table.
struct Bereich {
    long long von = 0;
    long long bis = 0;
    long long vorgabe = 0;
    // Beyond the range the file is refused instead (with this reason).
    const char* verweigert = nullptr;
};
template <typename T>
constexpr Bereich TypBereich()
{
    return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), 0};
}

int VorwahlAnzahl() { return std::max<int>(1, int(WurfvorwListe.size())); }

constexpr char MehrWuerfe[] = "eine Wurfzahl über 50, die dieses Programm nicht spielen kann";

// erg: the field is a result (read only when the results are loaded).
template <typename V>
void Felder(TWettkampfDaten& w, V& v)
{
    v.text(1, w.Bezirk, 30, false);
    v.text(2, w.Club, 30, false);
    v.text(3, w.MannschaftNr, 2, false);
    v.text(4, w.Gastmannschaft, 30, false);
    v.text(5, w.Klasse, 30, false);
    v.text(6, w.Spielnummer, 5, false);
    v.text(7, w.Spieltag, 3, false);
    v.text(8, w.Spielart, 20, false);
    v.text(9, w.Schiedsrichter, 30, false);
    v.text(10, w.Spielleiter.Name, 30, false);
    v.text(11, w.Spielleiter.Tel, 20, false);
    v.text(12, w.Textzeile[1], 60, false);
    v.text(13, w.Textzeile[2], 60, false);
    v.text(14, w.Gruppe, 15, false);
    // Team size and lane choice are checked after the header (SpielKopfLesen).
    v.zahl(15, w.Spieleranzahl, TypBereich<u16>(), false);
    v.zahl(16, w.Wurfvorwahl, {0, VorwahlAnzahl() - 1, 0}, false);
    // A count beyond the presets would load as 0 and lose every throw list
    // at the next save.
    v.zahl(17, w.Volle, {0, MaxPhasenWuerfe, 0, MehrWuerfe}, false);
    v.zahl(18, w.Abraeumen, {0, MaxPhasenWuerfe, 0, MehrWuerfe}, false);
    v.zahl(19, w.Wurfzeit, TypBereich<u16>(), false);
    v.zahl(20, w.Probe, {0, 6, 2}, false);
    v.zahl(21, w.Zeit, {0, 1, 1}, false);
    v.zahl(22, w.Uebertritt, {0, 1, 1}, false);
    v.zahl(23, w.Durchlaeufer, {0, 1, 0}, false);
    v.zahl(24, w.BahnenIndex, TypBereich<u16>(), false);
    v.zahl(25, w.Art, {0, 3, 0}, false);
    v.zahl(26, w.FaxDeckblatt, TypBereich<u8>(), false);
    v.zahl(27, w.EmailDeckblatt, TypBereich<u8>(), false);
    v.nachsichtig(28, w.NamenanzWerbung.Index);
    v.nachsichtig(29, w.GrossanzWerbung.Index);
    v.nachsichtig(30, w.MonitorWerbung.Index);
    v.ja(31, w.MannschNamenAnzeigen, false);
    v.ja(32, w.NamenOn, false);
    v.ja(33, w.NaVorWechsel, false);
    v.ja(34, w.NamenanzWerbung.Werbung, false);
    v.ja(35, w.GrossanzWerbung.Werbung, false);
    v.ja(36, w.MonitorWerbung.Werbung, false);
    v.ja(37, w.Streichspiel, false);
    v.ja(38, w.Punktespiel, false);
    v.ja(39, w.SVictory1Spiel, false);
    v.ja(40, w.SVictory2Spiele, false);
    v.zahl(41, w.SVictoryWuerfe, {0, MaxPhasenWuerfe, 0}, false);

    v.text(43, w.Datum, 8, true);
    v.text(44, w.Beginn, 8, true);
    v.text(45, w.Ende, 8, true);
    int z = 46;
    for (u8* b : {&w.BahnenOk, &w.PaesseOk, &w.Verwarnungen, &w.Verletzungen, &w.Protest, &w.Sonstiges, &w.Anlagen,
                  &w.SchiedsrichterOkHeim, &w.SchiedsrichterOkGast})
        v.ja(z++, *b, true);
    for (TMannschaftBlock* m : {&w.Heim, &w.Gast}) {
        const int a = m == &w.Heim ? 55 : 68;
        v.text(a, m->Volle.Text, 4, true);
        v.text(a + 1, m->Abr.Text, 4, true);
        v.text(a + 2, m->Fehler.Text, 4, true);
        v.text(a + 3, m->Total.Text, 4, true);
        v.text(a + 4, m->Wuerfe.Text, 4, true);
        v.text(a + 5, m->VorTotal, 4, true);
        v.fliess(a + 6, m->VorSaP, true);
        v.fliess(a + 7, m->VorMaP, true);
        v.zahl(a + 8, m->VorTaP, TypBereich<i32>(), true);
        for (long t = 1; t <= 4; ++t) v.text(a + 8 + int(t), m->Text[t], 80, true);
    }
    v.zahl(81, w.Durchgang, {0, MaxStartplanRunden, 0}, true);
    v.ja(82, w.Beendet, true);
    v.zeile(83, w.FtpPfad);
    for (long t = 1; t <= 10; ++t) v.zeile(83 + int(t), w.FormularText[t]);

    for (int p = 1; p <= MaxSpieler; ++p) {
        TSpielerEintrag& s = *w.SpielerZeiger[p];
        const int a = SpielerZeile(p);
        v.text(a, s.Name, 30, false);
        v.text(a + 1, s.Pass, 6, false);
        v.text(a + 2, s.Gebdat, 8, false);
        v.text(a + 3, s.Club, 30, false);
        v.text(a + 4, s.Nation, 15, false);
        v.text(a + 5, s.Plz, 8, false);
        v.text(a + 6, s.Ort, 30, false);
        v.text(a + 7, s.Adresse, 30, false);
        v.text(a + 8, s.Tel, 15, false);
        v.text(a + 9, s.Fax, 15, false);
        v.text(a + 10, s.Email, 30, false);
        v.text(a + 11, s.LetztSpiel, 8, false);
        v.text(a + 12, s.LetztPlatz, 1, false);
        v.text(a + 13, s.VerwarnungText, 2, true);
        v.ja(a + 14, s.Gestartet, true);
        v.ja(a + 15, s.Fertig, true);
        v.zahl(a + 16, s.ErsetztDurch, {0, MaxSpieler, 0}, true);
        v.zahl(a + 17, s.Ersatz, {0, MaxSpieler, 0}, true);
        v.ja(a + 18, s.Wertung, true);
        v.zahl(a + 19, s.DurchgangNr, {0, MaxDurchgaenge, 0}, true);
        v.text(a + 20, s.Volle.Text, 3, true);
        v.text(a + 21, s.Abr.Text, 3, true);
        v.text(a + 22, s.Fehler.Text, 3, true);
        v.text(a + 23, s.Wurf.Text, 3, true);
        v.text(a + 24, s.Bonus.Text, 2, true);
        v.fliess(a + 25, s.SaP, true);
        v.fliess(a + 26, s.MaP, true);
        for (long d = 1; d <= MaxDurchgaenge; ++d) {
            TDurchgangBlock& b = s.Durchgang[d];
            const int c = a + BlockErsteZeile + BlockZeilen * int(d - 1);
            v.zahl(c, b.Bahn, {0, MaxBahnen, 0}, true);
            v.text(c + 1, b.Volle.Text, 3, true);
            v.text(c + 2, b.Abr.Text, 3, true);
            v.text(c + 3, b.Fehler.Text, 3, true);
            v.text(c + 4, b.Wurf.Text, 3, true);
            v.fliess(c + 5, b.SaP, true);
            v.wuerfe(c + 6, b);
        }
    }
}

// Lines without a line break inside, so that the file keeps its 980 lines.
QString EineZeile(QString s)
{
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

struct Schreiber {
    QStringList z;
    int anzahl = 0;  // throws per lane

    template <std::size_t N>
    void text(int n, const Text<N>& t, int breite, bool)
    {
        z[n] = Cp1252::decode(t.bytes().left(breite));
    }
    template <typename T>
    void zahl(int n, const T& x, Bereich, bool)
    {
        z[n] = QString::number(x);
    }
    void nachsichtig(int n, u16 x) { z[n] = QString::number(x); }
    void ja(int n, u8 b, bool) { z[n] = BoolZuText(b != 0); }
    void fliess(int n, f32 f, bool) { z[n] = FliessText(f); }
    void zeile(int n, const QString& s) { z[n] = EineZeile(s); }
    void wuerfe(int n, const TDurchgangBlock& b) { z[n] = WurflisteSchreiben(b, anzahl); }
};

// Reads the lines von..bis into the record, or with ziel == false only
// checks them and keeps the first fault.
struct Leser {
    const QStringList& z;
    int von = 0;
    int bis = 0;
    bool mitErgebnissen = false;
    bool ziel = true;
    QString fehler;

    bool nimmt(int n, bool erg) const { return n >= von && n <= bis && (mitErgebnissen || !erg); }
    void falsch(int n, const QString& art)
    {
        if (fehler.isEmpty())
            fehler = QStringLiteral("Zeile %1 („%2“) ist %3.").arg(n + 1).arg(z.at(n).left(40), art);
    }

    template <std::size_t N>
    void text(int n, Text<N>& t, int breite, bool erg)
    {
        if (nimmt(n, erg) && ziel) t.setzen(Cp1252::encode(z.at(n)).left(breite));
    }
    template <typename T>
    void zahl(int n, T& x, Bereich r, bool erg)
    {
        if (!nimmt(n, erg)) return;
        const std::optional<long long> v = StrengeZahl(z.at(n));
        if (!v)
            return falsch(n, ZuLang(z.at(n)) ? QStringLiteral("eine Zahl mit zu vielen Stellen") : QStringLiteral("keine Zahl"));
        const bool imBereich = *v >= r.von && *v <= r.bis;
        if (!imBereich && r.verweigert) falsch(n, QString::fromUtf8(r.verweigert));
        if (ziel) x = T(imBereich ? *v : r.vorgabe);
    }
    void nachsichtig(int n, u16& x)
    {
        if (nimmt(n, false) && ziel) x = NachsichtigeZahl(z.at(n));
    }
    void ja(int n, u8& b, bool erg)
    {
        if (nimmt(n, erg) && ziel) b = TextZuBool(z.at(n)) ? 1 : 0;
    }
    void fliess(int n, f32& f, bool erg)
    {
        if (!nimmt(n, erg)) return;
        const std::optional<f32> v = FliessZahl(z.at(n));
        if (!v) return falsch(n, QStringLiteral("keine Kommazahl"));
        if (ziel) f = *v;
    }
    void zeile(int n, QString& s)
    {
        if (nimmt(n, false) && ziel) s = z.at(n);
    }
    void wuerfe(int n, TDurchgangBlock& b)
    {
        if (nimmt(n, true) && ziel) WurflisteLesen(b, z.at(n));
    }
};

// Number and text of Volle + Abr: four digits as the booking writes them
// ("0282"), so that a loaded match shows and exports its totals as a played
// one does; empty for 0.
template <typename Z>
void TotalSetzen(Z& total, u16 volle, u16 abr)
{
    total.Zahl = u16(volle + abr);
    total.Text.leeren();
    if (total.Zahl > 0) ZahlMitNullen(total.Text, total.Zahl, 4);
}

template <typename Z>
void ZahlAusText(Z& x)
{
    x.Zahl = decltype(x.Zahl)(TextZuZahl(x.Text.c_str()));
}

void SpielerAbleiten(TSpielerEintrag& s)
{
    ZahlAusText(s.Volle);
    ZahlAusText(s.Abr);
    ZahlAusText(s.Fehler);
    ZahlAusText(s.Wurf);
    ZahlAusText(s.Bonus);
    TotalSetzen(s.Total, s.Volle.Zahl, s.Abr.Zahl);
    for (TDurchgangBlock& b : s.Durchgang) {
        ZahlAusText(b.Volle);
        ZahlAusText(b.Abr);
        ZahlAusText(b.Fehler);
        ZahlAusText(b.Wurf);
        TotalSetzen(b.Total, b.Volle.Zahl, b.Abr.Zahl);
    }
    s.VerwarnungAnzahl = u8(ZaehleV(s.VerwarnungText.text()));
    s.AktDurchgang = s.DurchgangNr >= 1 ? &s.Durchgang[s.DurchgangNr] : nullptr;
}

void PlusSetzen(TextZahl<5>& plus, long d)
{
    plus.Zahl = u16(d);
    ZahlMitNullen(plus.Text, u16(d), 4);
}

// Whether the preset line gives these throws per lane (its fields 2 and 3,
// read as WurfvorwahlLaden reads them).
bool VorwahlHatWuerfe(const QString& zeile, long long volle, long long abraeumen)
{
    const QStringList felder = zeile.split(QLatin1Char(';'));
    return felder.size() > 3 && TextZuZahl(felder.at(1)) == volle && TextZuZahl(felder.at(2)) == abraeumen;
}

// The file's throw preset when this alley has none of that number, or one
// with other throws per lane (a preset inserted or changed since the save):
// the number no longer names the preset the match was made with.
std::optional<long long> FremdeWurfvorwahl(const QStringList& zeilen)
{
    const std::optional<long long> v = StrengeZahl(zeilen.value(16));
    if (!v) return std::nullopt;
    if (*v < 0 || *v >= VorwahlAnzahl()) return v;
    const std::optional<long long> volle = StrengeZahl(zeilen.value(17));
    const std::optional<long long> abraeumen = StrengeZahl(zeilen.value(18));
    if (volle && abraeumen && !VorwahlHatWuerfe(WurfvorwahlZeile(int(*v)), *volle, *abraeumen)) return v;
    return std::nullopt;
}

// The preset shown for a foreign one: the first here with the match's
// throws, else the first.
u16 ErsatzWurfvorwahl(const TWettkampfDaten& w)
{
    for (int i = 0; i < VorwahlAnzahl(); ++i)
        if (VorwahlHatWuerfe(WurfvorwahlZeile(i), w.Volle, w.Abraeumen)) return u16(i);
    return 0;
}

// The last round for which a lane block of the file names a lane; 0 for none.
int GespielteRunden(const QStringList& zeilen)
{
    int runden = 0;
    for (int p = 1; p <= MaxSpieler; ++p)
        for (int d = runden + 1; d <= MaxDurchgaenge; ++d) {
            const std::optional<long long> bahn =
                StrengeZahl(zeilen.value(SpielerZeile(p) + BlockErsteZeile + BlockZeilen * (d - 1)));
            if (bahn && *bahn >= 1 && *bahn <= MaxBahnen) runden = d;
        }
    return runden;
}

// Rounds and set mode follow the throw preset; without a kept preset four
// rounds. A foreign preset (FremdeWurfvorwahl) gives way to the rounds the
// file's lane blocks show, so that no round that was never played counts.
void DurchgaengeSetzen(TWettkampfDaten& w, const QStringList& zeilen)
{
    const QStringList felder = WurfvorwahlZeile(w.Wurfvorwahl).split(QLatin1Char(';'));
    SpielmodusSetzen(w, u16(felder.size() > 5 ? TextZuZahl(felder.at(4)) : 3));
    if (!FremdeWurfvorwahl(zeilen)) return;
    const int runden = GespielteRunden(zeilen);
    if (runden == 1 || runden == 2)
        SpielmodusSetzen(w, u16(runden));
    else if (runden > 2 && w.Durchgaenge != MaxDurchgaenge)
        SpielmodusSetzen(w, 3);
}

}  // namespace

QString WurflisteSchreiben(const TDurchgangBlock& b, int wuerfe)
{
    const int n = std::min(int(u8(wuerfe)), MaxWuerfe);
    QStringList teile;
    for (long i = 1; i <= n; ++i) {
        if (b.Wurfbild[i] & WurfbildVorhanden)
            teile << QString::number(b.Wurfbild[i]) + QLatin1Char('.') + QString::number(b.Wurfart[i]);
        else
            teile << QStringLiteral(" . ");
    }
    return teile.join(QLatin1Char(',')) + QLatin1Char(';');
}

void WurflisteLesen(TDurchgangBlock& b, const QString& zeile)
{
    b.Wurfbild.fill(0);
    b.Wurfart.fill(0);
    if (!zeile.contains(QLatin1Char('.'))) return;
    const qsizetype ende = zeile.indexOf(QLatin1Char(';'));
    const QStringList teile = zeile.left(ende < 0 ? zeile.size() : ende).split(QLatin1Char(','));
    for (long i = 1; i <= MaxWuerfe && i <= teile.size(); ++i) {
        const QString& t = teile.at(i - 1);
        const qsizetype punkt = t.indexOf(QLatin1Char('.'));
        if (punkt < 0) continue;
        const QString vor = t.left(punkt);
        b.Wurfbild[i] = NachsichtigeZahl(vor);
        if (vor != QLatin1String(" ")) b.Wurfbild[i] |= WurfbildVorhanden;
        b.Wurfart[i] = NachsichtigeZahl(t.mid(punkt + 1));
    }
}

QStringList SpielZeilen(const TWettkampfDaten& w)
{
    Schreiber s;
    for (int i = 0; i < SpieldateiZeilen; ++i) s.z << QString();
    s.z[0] = QLatin1String(SpieldateiKennung);
    s.anzahl = int(u8(w.Volle + w.Abraeumen));
    // The table takes the record by reference; the writer only reads it.
    Felder(const_cast<TWettkampfDaten&>(w), s);
    // The shown preset stands in for the file's one only while loaded.
    if (w.DateiWurfvorwahl) s.z[16] = QString::number(*w.DateiWurfvorwahl);
    return s.z;
}

QString SpielZeilenPruefen(const QStringList& zeilen, bool mitErgebnissen)
{
    if (zeilen.isEmpty() || zeilen.at(0) != QLatin1String(SpieldateiKennung))
        return QStringLiteral("Sie ist keine gespeicherte Spieldatei.");
    if (zeilen.size() < SpieldateiZeilen)
        return QStringLiteral("Sie hat %1 statt %2 Zeilen.").arg(zeilen.size()).arg(SpieldateiZeilen);
    // Only the references of the table are needed; nothing is written.
    static TWettkampfDaten* const muster = new TWettkampfDaten;
    Leser l{zeilen, 1, SpieldateiZeilen - 1, mitErgebnissen, false, {}};
    Felder(*muster, l);
    return l.fehler;
}

void SpielKopfLesen(TWettkampfDaten& w, const QStringList& zeilen)
{
    if (zeilen.size() < SpieldateiZeilen) return;
    Leser l{zeilen, 1, KopfLetzteZeile, false, true, {}};
    Felder(w, l);
    // The match keeps its own throws; its preset's number may name another one now.
    w.DateiWurfvorwahl = FremdeWurfvorwahl(zeilen);
    // Saved again with the stand-in's number, the match would take that
    // preset's rounds at the next load and lose the later rounds' points: the
    // file's number is kept, whatever it is.
    if (w.DateiWurfvorwahl) w.Wurfvorwahl = ErsatzWurfvorwahl(w);
    if (w.Spieleranzahl != 4 && w.Spieleranzahl != 5 && w.Spieleranzahl != 6 && w.Spieleranzahl != 8)
        w.Spieleranzahl = 6;
    if (w.BahnenIndex >= WurfvorwahlBahnen(WurfvorwahlZeile(w.Wurfvorwahl)).size()) w.BahnenIndex = 0;
}

void SpielRestLesen(TWettkampfDaten& w, const QStringList& zeilen, bool mitErgebnissen)
{
    if (zeilen.size() < SpieldateiZeilen) return;
    Leser l{zeilen, KopfLetzteZeile + 1, SpieldateiZeilen - 1, mitErgebnissen, true, {}};
    Felder(w, l);

    for (int p = 1; p <= MaxSpieler; ++p) {
        TSpielerEintrag& s = *w.SpielerZeiger[p];
        if (mitErgebnissen) SpielerAbleiten(s);
        s.IstHeim = p <= 8 ? 1 : 0;
    }
    for (TMannschaftBlock* m : {&w.Heim, &w.Gast}) {
        ZahlAusText(m->Volle);
        ZahlAusText(m->Abr);
        ZahlAusText(m->Fehler);
        ZahlAusText(m->Total);
        ZahlAusText(m->Wuerfe);
    }
    const long d = long(w.Heim.Total.Zahl) - long(w.Gast.Total.Zahl);
    PlusSetzen(w.Heim.Plus, d > 0 ? d : 0);
    PlusSetzen(w.Gast.Plus, d > 0 ? 0 : -d);
    DurchgaengeSetzen(w, zeilen);
    if (mitErgebnissen) PunkteBerechnen(w);
    // Table points are not in the file: a finished points match gets them back.
    if (mitErgebnissen && w.Punktespiel && w.Beendet) TabellenpunkteBerechnen(w);
}

namespace {

void AlsGespeichertMerken(const QString& ordner)
{
    AktWettkampf->Geaendert = 0;
    AktWettkampf->Speicherordner = ordner;
    Spielordner = ordner;
}

}  // namespace

bool SpielSpeichern(const QString& ordner, int k, const QStringList& liste, QString* fehler)
{
    auto melden = [&](const QString& text) {
        if (fehler) *fehler = text;
        return false;
    };
    if (!AktWettkampf) return melden(QStringLiteral("Es ist kein Wettkampf geöffnet."));
    if (k < 0) return melden(QStringLiteral("Es ist kein Eintrag gewählt."));
    if (!SpieleintragSchreiben(ordner, k, liste, SpielZeilen(*AktWettkampf), fehler)) return false;
    AlsGespeichertMerken(ordner);
    return true;
}

int SpielNeuSpeichern(const QString& ordner, QStringList& liste, int auswahl, const QString& name, QString* fehler)
{
    if (!AktWettkampf) {
        if (fehler) *fehler = QStringLiteral("Es ist kein Wettkampf geöffnet.");
        return -1;
    }
    const int k = SpieleintragEinfuegen(ordner, liste, auswahl, name, SpielZeilen(*AktWettkampf), fehler);
    if (k >= 0) AlsGespeichertMerken(ordner);
    return k;
}

bool SpielZeilenLaden(const QStringList& zeilen, bool mitErgebnissen, QString* fehler, QString* hinweis)
{
    if (hinweis) hinweis->clear();
    auto melden = [&](const QString& text) {
        if (fehler) *fehler = text;
        return false;
    };
    const QString grund = SpielZeilenPruefen(zeilen, mitErgebnissen);
    if (!grund.isEmpty()) return melden(grund);
    if (!WettkampfAnlegen()) return melden(QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei."));
    TWettkampfDaten& w = *AktWettkampf;
    SpielKopfLesen(w, zeilen);
    WettkampfVorgabenSetzen();
    SpielRestLesen(w, zeilen, mitErgebnissen);
    WettkampfOptionenAbleiten();
    w.Geaendert = 0;
    if (const std::optional<long long> fremd = FremdeWurfvorwahl(zeilen); fremd && hinweis) {
        const auto name = [](long long i) { return WurfvorwahlZeile(int(i)).section(QLatin1Char(';'), 0, 0); };
        if (*fremd >= 0 && *fremd < VorwahlAnzahl())
            *hinweis = QStringLiteral("Die Wurfvorwahl Nr. %1 des gespeicherten Spiels (%2 Volle und %3 Abräumen je "
                                      "Durchgang) ist auf dieser Anlage jetzt „%4“ mit anderen Würfen; angezeigt "
                                      "wird „%5“.")
                           .arg(*fremd + 1)
                           .arg(w.Volle)
                           .arg(w.Abraeumen)
                           .arg(name(*fremd), name(w.Wurfvorwahl));
        else
            *hinweis = QStringLiteral("Die Wurfvorwahl Nr. %1 des gespeicherten Spiels gibt es auf dieser Anlage "
                                      "nicht; angezeigt wird „%2“.")
                           .arg(*fremd >= 0 ? QString::number(quint64(*fremd) + 1) : QString::number(*fremd + 1))
                           .arg(name(w.Wurfvorwahl));
        if (GespielteRunden(zeilen) > 0)
            *hinweis += QStringLiteral(" Die %1 Durchgänge kommen aus den gespeicherten Bahnen.").arg(w.Durchgaenge);
    }
    return true;
}

bool SpielLaden(const QString& ordner, int k, QString* fehler)
{
    auto melden = [&](const QString& text) {
        if (fehler) *fehler = text;
        return false;
    };
    if (fehler) fehler->clear();
    WettkampfGeladen = 0;
    if (WettkampfAnzahl >= MaxWettkaempfe)
        return melden(QStringLiteral("Es sind bereits %1 Wettkämpfe geöffnet. Bitte zuerst einen schließen.")
                          .arg(MaxWettkaempfe));
    const bool mitErgebnissen = boxen().hinweisJa(QStringLiteral("Spiel mit Ergebnissen laden ?")) == ErgebnisJa;
    if (k < 0) return false;

    const QString pfad = SpielDatei(ordner, k);
    const QString name = QDir::toNativeSeparators(pfad);
    if (!QFileInfo::exists(pfad)) return melden(QStringLiteral("Die Datei „%1“ ist nicht vorhanden.").arg(name));
    const std::optional<QStringList> zeilen = TextdateiLesen(pfad);
    if (!zeilen) return melden(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(name));
    QString grund, hinweis;
    if (!SpielZeilenLaden(*zeilen, mitErgebnissen, &grund, &hinweis))
        return melden(QStringLiteral("Die Datei „%1“ kann nicht geladen werden. %2").arg(name, grund));
    if (!hinweis.isEmpty()) boxen().hinweis(hinweis);

    TWettkampfDaten& w = *AktWettkampf;
    w.Speichername = SpielelisteLesen(ordner).value(k);
    w.Speicherordner = ordner;
    Spielordner = ordner;
    WettkampfGeladen = 1;
    return true;
}
