#include "report/projekte/Berichtsvariablen.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/TextFunctions.h"
#include "report/formulare/Formularlayouts.h"

#include <charconv>
#include <iterator>

namespace {

// What one variable reads: the match, and for the side and player rows the
// side, the player and the turn they are expanded for.
struct Quelle {
    const TWettkampfDaten* w = nullptr;  // null while samples are made
    bool heim = true;
    long n = 0;  // player of the side, 1..8
    const TSpielerEintrag* s = nullptr;
    const TDurchgangBlock* b = nullptr;
};

using Q = const Quelle&;
using Wertgeber = QString (*)(Q);

enum class Umfang : u8 {
    Wettkampf,      // once
    Seite,          // all rows for the home side, then all for the guest side
    Spieler,        // each row for home players 1..8, then guest players 1..8
    Stammspieler,   // players 1..6 of each side
    Ersatzspieler,  // players 7 and 8 of each side
};
using enum Umfang;

struct Zeile {
    Umfang umfang;
    const char* blatt;  // the name below the prefix; "<d>" is the turn 1..4
    u32 typ;
    Wertgeber wert;
    const char* beispiel;  // UTF-8; null: beispielWert gives it
    Wertgeber beispielWert = nullptr;
};

constexpr u32 T = VariablentypText;
constexpr u32 Z = VariablentypZahl;
constexpr u32 L = VariablentypLogisch;

// The shortest decimal text that reads back as the same float; "." always,
// never an exponent.
QString Punkte(f32 x)
{
    if (x == 0) x = 0;  // no "-0"
    char puffer[128];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed);
    return QString::fromLatin1(puffer, ergebnis.ptr - puffer);
}

QString Zahl(long x) { return QString::number(x); }

const TMannschaftBlock& Block(const Quelle& q) { return q.heim ? q.w->Heim : q.w->Gast; }

QString Heute(const Quelle&) { return QString::fromLatin1(DatumText(Jetzt().date())); }

QString JetztZeit(const Quelle&)
{
    const QTime t = Jetzt().time();
    return QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

QString Spielername(const Quelle& q)
{
    return (q.heim ? QStringLiteral("Heimspieler ") : QStringLiteral("Gastspieler ")) + Zahl(q.n);
}

const Zeile kZeilen[] = {
    {Wettkampf, "Gruppe", T, [](Q q) { return q.w->Gruppe.text(); }, "Herren"},
    {Wettkampf, "Spielart", T, [](Q q) { return q.w->Spielart.text(); }, "0"},
    {Wettkampf, "Spielnummer", T, [](Q q) { return q.w->Spielnummer.text(); }, "000"},
    {Wettkampf, "Klasse", T, [](Q q) { return q.w->Klasse.text(); }, "Bundesliga"},
    {Wettkampf, "Schiedsrichter", T, [](Q q) { return q.w->Schiedsrichter.text(); }, "Peter Schmidt"},
    {Wettkampf, "Land", T, [](Q q) { return q.w->Land.text(); }, "Bayern"},
    {Wettkampf, "Bezirk", T, [](Q q) { return q.w->Bezirk.text(); }, "Oberfranken"},
    {Wettkampf, "Ort", T, [](Q) { return Spielort; }, "Bamberg"},
    {Wettkampf, "Bahnanlage", T, [](Q) { return Bahnanlage; }, "Kegelzentrum am Markt"},
    {Wettkampf, "Datum", T, [](Q q) { return q.w->Datum.text(); }, nullptr, Heute},
    {Wettkampf, "Beginn", T, [](Q q) { return q.w->Beginn.text(); }, nullptr, JetztZeit},
    {Wettkampf, "Ende", T, [](Q q) { return q.w->Ende.text(); }, nullptr, JetztZeit},
    {Wettkampf, "BahnenOk", L, [](Q q) { return BoolZuTF(q.w->BahnenOk); }, "T"},
    {Wettkampf, "PaesseOk", L, [](Q q) { return BoolZuTF(q.w->PaesseOk); }, "T"},
    {Wettkampf, "Protest", L, [](Q q) { return BoolZuTF(q.w->Protest); }, "F"},
    {Wettkampf, "Verletzungen", L, [](Q q) { return BoolZuTF(q.w->Verletzungen); }, "F"},
    {Wettkampf, "Verwarnungen", L, [](Q q) { return BoolZuTF(q.w->Verwarnungen); }, "F"},
    {Wettkampf, "Sonstiges", L, [](Q q) { return BoolZuTF(q.w->Sonstiges); }, "F"},
    {Wettkampf, "Anlagen", L, [](Q q) { return BoolZuTF(q.w->Anlagen); }, "F"},
    {Wettkampf, "Spielleiter.Name", T, [](Q q) { return q.w->Spielleiter.Name.text(); }, "Klaus Meier"},
    {Wettkampf, "Spielleiter.Anschrift", T, [](Q q) { return q.w->Spielleiter.Anschrift.text(); }, "Hauptstraße 1"},
    {Wettkampf, "Spielleiter.Plz", T, [](Q q) { return q.w->Spielleiter.Plz.text(); }, "96047"},
    {Wettkampf, "Spielleiter.Ort", T, [](Q q) { return q.w->Spielleiter.Ort.text(); }, "Bamberg"},
    {Wettkampf, "Spielleiter.Tel", T, [](Q q) { return q.w->Spielleiter.Tel.text(); }, "0951 123456"},
    {Wettkampf, "Spielleiter.Fax", T, [](Q q) { return q.w->Spielleiter.Fax.text(); }, "0951 123457"},
    {Wettkampf, "Spielleiter.Email", T, [](Q q) { return q.w->Spielleiter.Email.text(); }, "spielleiter@example.de"},
    {Wettkampf, "Spielleiter.Nr", T, [](Q q) { return q.w->Spielleiter.Nr.text(); }, "123456789"},
    {Wettkampf, "Spielleiter.LV", T, [](Q q) { return q.w->Spielleiter.LV.text(); }, "Bayern"},

    // The stored home team name is the club, a blank and the team number.
    {Seite, "Name", T,
     [](Q q) { return q.heim ? q.w->Heimmannschaft.text() : q.w->Gastmannschaft.text(); }, "KSV Musterstadt"},
    {Seite, "Volle", Z, [](Q q) { return Block(q).Volle.Text.text(); }, "4000"},
    {Seite, "Abr", Z, [](Q q) { return Block(q).Abr.Text.text(); }, "2000"},
    {Seite, "Fehler", Z, [](Q q) { return Block(q).Fehler.Text.text(); }, "10"},
    {Seite, "Total", Z, [](Q q) { return Block(q).Total.Text.text(); }, "6000"},
    {Seite, "SaP", Z, [](Q q) { return Punkte(Block(q).SaP); }, "12"},
    {Seite, "MaP", Z, [](Q q) { return Punkte(Block(q).MaP); }, "2"},
    {Seite, "ErgebnisMaP", Z, [](Q q) { return Punkte(Block(q).ErgebnisMaP); }, "2"},
    {Seite, "TotalMaP", Z, [](Q q) { return Punkte(Block(q).TotalMaP); }, "4"},
    {Seite, "VorTotal", Z, [](Q q) { return Block(q).VorTotal.text(); }, "6000"},
    {Seite, "VorSaP", Z, [](Q q) { return Punkte(Block(q).VorSaP); }, "12"},
    {Seite, "VorMaP", Z, [](Q q) { return Punkte(Block(q).VorMaP); }, "4"},
    {Seite, "VorTaP", Z, [](Q q) { return Zahl(Block(q).VorTaP); }, "2"},
    {Seite, "Text1", T, [](Q q) { return Block(q).Text[1].text(); }, "Text"},
    {Seite, "Text2", T, [](Q q) { return Block(q).Text[2].text(); }, "Text"},
    {Seite, "Text3", T, [](Q q) { return Block(q).Text[3].text(); }, "Text"},
    {Seite, "Text4", T, [](Q q) { return Block(q).Text[4].text(); }, "Text"},
    {Seite, "Mannschaftsfuehrer", T,
     [](Q q) { return q.w->Mannschaftsfuehrer[q.heim ? 1 : 2].text(); }, "Max Mustermann"},
    {Seite, "FormularText1", T, [](Q q) { return q.w->FormularText[q.heim ? 1 : 6]; }, "Text"},
    {Seite, "FormularText2", T, [](Q q) { return q.w->FormularText[q.heim ? 2 : 7]; }, "Text"},
    {Seite, "FormularText3", T, [](Q q) { return q.w->FormularText[q.heim ? 3 : 8]; }, "Text"},
    {Seite, "FormularText4", T, [](Q q) { return q.w->FormularText[q.heim ? 4 : 9]; }, "Text"},
    {Seite, "FormularText5", T, [](Q q) { return q.w->FormularText[q.heim ? 5 : 10]; }, "Text"},

    // Consecutive turn rows share one loop over the turns: turn 1 of each,
    // then turn 2 of each, and so on.
    {Spieler, "Name", T, [](Q q) { return q.s->Name.text(); }, nullptr, Spielername},
    {Spieler, "Pass", T, [](Q q) { return q.s->Pass.text(); }, "000000"},
    {Spieler, "Gebdat", T, [](Q q) { return q.s->Gebdat.text(); }, "00.00.00"},
    {Spieler, "Durchgang<d>.Bahn", T, [](Q q) { return Zahl(q.b->Bahn); }, "1"},
    {Spieler, "Volle", Z, [](Q q) { return q.s->Volle.Text.text(); }, "600"},
    {Spieler, "Abr", Z, [](Q q) { return q.s->Abr.Text.text(); }, "400"},
    {Spieler, "Fehler", Z, [](Q q) { return q.s->Fehler.Text.text(); }, "20"},
    {Spieler, "Total", Z, [](Q q) { return q.s->Total.Text.text(); }, "1000"},
    {Spieler, "Durchgang<d>.Volle", Z, [](Q q) { return q.b->Volle.Text.text(); }, "150"},
    {Spieler, "Durchgang<d>.Abr", Z, [](Q q) { return q.b->Abr.Text.text(); }, "100"},
    {Spieler, "Durchgang<d>.Fehler", Z, [](Q q) { return q.b->Fehler.Text.text(); }, "5"},
    {Spieler, "Durchgang<d>.Total", Z, [](Q q) { return q.b->Total.Text.text(); }, "250"},
    {Stammspieler, "MaP", Z, [](Q q) { return Punkte(q.s->MaP); }, "0.5"},
    {Stammspieler, "SaP", Z, [](Q q) { return Punkte(q.s->SaP); }, "0.5"},
    {Stammspieler, "Durchgang<d>.SaP", Z, [](Q q) { return Punkte(q.b->SaP); }, "0.5"},
    {Ersatzspieler, "Ersatz", Z, [](Q q) { return Zahl(q.s->Ersatz); }, "0"},
};

// 28 of the match, 23 per side, 33 for players 1..6 and 28 for 7..8 of each side.
constexpr int kAnzahl = 28 + 2 * 23 + 12 * 33 + 4 * 28;

bool MitDurchgang(const Zeile& z) { return std::string_view(z.blatt).find("<d>") != std::string_view::npos; }

bool SpielerPasst(Umfang u, long n)
{
    switch (u) {
    case Umfang::Stammspieler: return n <= 6;
    case Umfang::Ersatzspieler: return n >= 7;
    default: return true;
    }
}

class Erzeuger {
public:
    explicit Erzeuger(const TWettkampfDaten* w) : m_w(w) { m_liste.reserve(kAnzahl); }

    QList<Berichtsvariable> alle()
    {
        for (const Zeile& z : kZeilen)
            if (z.umfang == Umfang::Wettkampf) definieren(z, QStringLiteral("Wettkampf."), Quelle{m_w});
        for (const bool heim : {true, false})
            for (const Zeile& z : kZeilen)
                if (z.umfang == Umfang::Seite)
                    definieren(z, heim ? QStringLiteral("Heimmannschaft.") : QStringLiteral("Gastmannschaft."),
                               Quelle{m_w, heim});
        spieler();
        return std::move(m_liste);
    }

private:
    void spieler()
    {
        const Zeile* const ende = std::end(kZeilen);
        const Zeile* z = std::begin(kZeilen);
        while (z != ende && (z->umfang == Umfang::Wettkampf || z->umfang == Umfang::Seite)) ++z;
        while (z != ende) {
            if (!MitDurchgang(*z)) {
                zeileFuerAlle(*z++, 0);
                continue;
            }
            const Zeile* gruppenende = z + 1;
            while (gruppenende != ende && MitDurchgang(*gruppenende) && gruppenende->umfang == z->umfang)
                ++gruppenende;
            for (long d = 1; d <= MaxDurchgaenge; ++d)
                for (const Zeile* g = z; g != gruppenende; ++g) zeileFuerAlle(*g, d);
            z = gruppenende;
        }
    }

    void zeileFuerAlle(const Zeile& z, long d)
    {
        for (const bool heim : {true, false}) {
            const QString praefix = (heim ? QStringLiteral("HeimSpieler") : QStringLiteral("GastSpieler"));
            for (long n = 1; n <= MaxSpieler / 2; ++n) {
                if (!SpielerPasst(z.umfang, n)) continue;
                Quelle q{m_w, heim, n};
                if (m_w) {
                    // A row the match does not play (5 and 6 of a smaller
                    // team) is empty, whatever its record still holds.
                    if (n <= 6 && !ZeileGezeigt(*m_w, int(n))) {
                        definieren(z, praefix + Zahl(n) + u'.', q, d, true);
                        continue;
                    }
                    q.s = m_w->SpielerZeiger[heim ? n : n + MaxSpieler / 2];
                    if (d > 0) q.b = &q.s->Durchgang[d];
                }
                definieren(z, praefix + Zahl(n) + u'.', q, d);
            }
        }
    }

    void definieren(const Zeile& z, const QString& praefix, const Quelle& q, long d = 0, bool leer = false)
    {
        QString name = praefix + QLatin1String(z.blatt);
        if (d > 0) name.replace(QStringLiteral("<d>"), Zahl(d));
        QString wert;
        if (!leer) wert = m_w ? z.wert(q) : z.beispiel ? QString::fromUtf8(z.beispiel) : z.beispielWert(q);
        m_liste.append(Berichtsvariable{std::move(name), std::move(wert), int(z.typ)});
    }

    const TWettkampfDaten* m_w;
    QList<Berichtsvariable> m_liste;
};

}  // namespace

QList<Berichtsvariable> LLVariablenBeispiel() { return Erzeuger(nullptr).alle(); }

QList<Berichtsvariable> LLVariablenDefinieren(const TWettkampfDaten& w) { return Erzeuger(&w).alle(); }

QList<Berichtsvariable> Berichtsvariablen(bool beispiel, const TWettkampfDaten* w)
{
    if (beispiel) return LLVariablenBeispiel();
    if (!w) return {};
    return LLVariablenDefinieren(*w);
}
