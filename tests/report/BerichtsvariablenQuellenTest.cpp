// Every variable a report project gets reads its own field of the match:
// each source field holds a value no other field holds, the report is
// printed through the component on a recording engine, and each of the 582
// variables is checked against the field the variable list names for it.

#include "core/Globals.h"
#include "platform/bericht/FakeBerichtsmaschine.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/projekte/Berichtsvariablen.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TypText = 0x10000000;
constexpr int TypZahl = 0x08000000;
constexpr int TypLogisch = 0x02000000;

// Source field -> the text its variable must show. Fields are named as in
// the record: "Klasse", "Gast.VorSaP", "Spieler9.Durchgang4.Fehler".
using Quellwerte = QHash<QString, QString>;

// Gives each source field of w a value of its own: texts "t<k>", digit texts
// "<k>" (the number beside them another, so that the text is seen to count),
// points "<k>.5", whole numbers <k>; lanes 1..64 and substitutes 65..80,
// which fit their bytes. Flags alternate, starting with set.
class Befueller {
public:
    explicit Befueller(TWettkampfDaten& w) : m_w(w) {}

    Quellwerte fuellen()
    {
        TWettkampfDaten& w = m_w;
        w.Spieleranzahl = 6;
        text(w.Gruppe, "Gruppe");
        text(w.Spielart, "Spielart");
        text(w.Spielnummer, "Spielnummer");
        text(w.Klasse, "Klasse");
        text(w.Schiedsrichter, "Schiedsrichter");
        text(w.Land, "Land");
        text(w.Bezirk, "Bezirk");
        qtext(Spielort, "Spielort");
        qtext(Bahnanlage, "Bahnanlage");
        text(w.Datum, "Datum");
        text(w.Beginn, "Beginn");
        text(w.Ende, "Ende");
        flag(w.BahnenOk, "BahnenOk");
        flag(w.PaesseOk, "PaesseOk");
        flag(w.Protest, "Protest");
        flag(w.Verletzungen, "Verletzungen");
        flag(w.Verwarnungen, "Verwarnungen");
        flag(w.Sonstiges, "Sonstiges");
        flag(w.Anlagen, "Anlagen");
        text(w.Spielleiter.Name, "Spielleiter.Name");
        text(w.Spielleiter.Anschrift, "Spielleiter.Anschrift");
        text(w.Spielleiter.Plz, "Spielleiter.Plz");
        text(w.Spielleiter.Ort, "Spielleiter.Ort");
        text(w.Spielleiter.Tel, "Spielleiter.Tel");
        text(w.Spielleiter.Fax, "Spielleiter.Fax");
        text(w.Spielleiter.Email, "Spielleiter.Email");
        text(w.Spielleiter.Nr, "Spielleiter.Nr");
        text(w.Spielleiter.LV, "Spielleiter.LV");

        text(w.Heimmannschaft, "Heimmannschaft");
        text(w.Gastmannschaft, "Gastmannschaft");
        text(w.Mannschaftsfuehrer[1], "Mannschaftsfuehrer1");
        text(w.Mannschaftsfuehrer[2], "Mannschaftsfuehrer2");
        for (int f = 1; f <= 10; ++f) qtext(w.FormularText[f], QStringLiteral("FormularText%1").arg(f));
        for (const bool heim : {true, false}) {
            TMannschaftBlock& m = heim ? w.Heim : w.Gast;
            const QString b = heim ? QStringLiteral("Heim.") : QStringLiteral("Gast.");
            ziffern(m.Volle, b + "Volle");
            ziffern(m.Abr, b + "Abr");
            ziffern(m.Fehler, b + "Fehler");
            ziffern(m.Total, b + "Total");
            punkte(m.SaP, b + "SaP");
            punkte(m.MaP, b + "MaP");
            punkte(m.ErgebnisMaP, b + "ErgebnisMaP");
            punkte(m.TotalMaP, b + "TotalMaP");
            text(m.VorTotal, b + "VorTotal", true);
            punkte(m.VorSaP, b + "VorSaP");
            punkte(m.VorMaP, b + "VorMaP");
            m.VorTaP = -(++m_k);  // a negative one too
            m_werte[b + "VorTaP"] = QString::number(m.VorTaP);
            for (int i = 1; i <= 4; ++i) text(m.Text[i], b + QStringLiteral("Text%1").arg(i));
        }

        int bahn = 0;
        for (int p = 1; p <= MaxSpieler; ++p) {
            TSpielerEintrag& s = *w.SpielerZeiger[p];
            const QString sp = QStringLiteral("Spieler%1.").arg(p);
            text(s.Name, sp + "Name");
            text(s.Pass, sp + "Pass");
            text(s.Gebdat, sp + "Gebdat");
            ziffern(s.Volle, sp + "Volle");
            ziffern(s.Abr, sp + "Abr");
            ziffern(s.Fehler, sp + "Fehler");
            ziffern(s.Total, sp + "Total");
            ziffern(s.Wurf, sp + "Wurf");
            punkte(s.MaP, sp + "MaP");
            punkte(s.SaP, sp + "SaP");
            s.Ersatz = u8(64 + p);
            m_werte[sp + "Ersatz"] = QString::number(64 + p);
            for (int d = 1; d <= MaxDurchgaenge; ++d) {
                TDurchgangBlock& b = s.Durchgang[d];
                const QString dg = sp + QStringLiteral("Durchgang%1.").arg(d);
                b.Bahn = u8(++bahn);
                m_werte[dg + "Bahn"] = QString::number(bahn);
                ziffern(b.Volle, dg + "Volle");
                ziffern(b.Abr, dg + "Abr");
                ziffern(b.Fehler, dg + "Fehler");
                ziffern(b.Total, dg + "Total");
                ziffern(b.Wurf, dg + "Wurf");
                punkte(b.SaP, dg + "SaP");
            }
        }
        return m_werte;
    }

private:
    template <std::size_t N>
    void text(Text<N>& f, const QString& id, bool ziffernOhneT = false)
    {
        const QString t = (ziffernOhneT ? QString() : QStringLiteral("t")) + QString::number(++m_k);
        f = t.toLatin1().constData();
        m_werte[id] = t;
    }
    void qtext(QString& f, const QString& id)
    {
        f = QStringLiteral("t%1").arg(++m_k);
        m_werte[id] = f;
    }
    template <std::size_t N, typename Z>
    void ziffern(TextZahl<N, Z>& f, const QString& id)
    {
        const int z = ++m_k;
        f.Text = QByteArray::number(z).constData();
        f.Zahl = Z(z + 1);
        m_werte[id] = QString::number(z);
    }
    void punkte(f32& f, const QString& id)
    {
        const int z = ++m_k;
        f = f32(z) + 0.5f;
        m_werte[id] = QStringLiteral("%1.5").arg(z);
    }
    void flag(u8& f, const QString& id)
    {
        const bool an = m_flags++ % 2 == 0;
        f = an ? 1 : 0;
        m_werte[id] = an ? QStringLiteral("T") : QStringLiteral("F");
    }

    TWettkampfDaten& m_w;
    Quellwerte m_werte;
    int m_k = 100;
    int m_flags = 0;
};

struct Erwartet {
    int typ;
    QString quelle;
};

// The variable list: name -> type and source field, written from the tables
// of the match, side and player variables.
QHash<QString, Erwartet> Variablenliste()
{
    QHash<QString, Erwartet> l;
    const std::pair<const char*, const char*> wettkampfTexte[] = {
        {"Gruppe", "Gruppe"},
        {"Spielart", "Spielart"},
        {"Spielnummer", "Spielnummer"},
        {"Klasse", "Klasse"},
        {"Schiedsrichter", "Schiedsrichter"},
        {"Land", "Land"},
        {"Bezirk", "Bezirk"},
        {"Ort", "Spielort"},
        {"Bahnanlage", "Bahnanlage"},
        {"Datum", "Datum"},
        {"Beginn", "Beginn"},
        {"Ende", "Ende"},
        {"Spielleiter.Name", "Spielleiter.Name"},
        {"Spielleiter.Anschrift", "Spielleiter.Anschrift"},
        {"Spielleiter.Plz", "Spielleiter.Plz"},
        {"Spielleiter.Ort", "Spielleiter.Ort"},
        {"Spielleiter.Tel", "Spielleiter.Tel"},
        {"Spielleiter.Fax", "Spielleiter.Fax"},
        {"Spielleiter.Email", "Spielleiter.Email"},
        {"Spielleiter.Nr", "Spielleiter.Nr"},
        {"Spielleiter.LV", "Spielleiter.LV"},
    };
    for (auto [name, quelle] : wettkampfTexte) l[QStringLiteral("Wettkampf.") + name] = {TypText, quelle};
    for (const char* f : {"BahnenOk", "PaesseOk", "Protest", "Verletzungen", "Verwarnungen", "Sonstiges", "Anlagen"})
        l[QStringLiteral("Wettkampf.") + f] = {TypLogisch, f};

    for (const bool heim : {true, false}) {
        const QString v = heim ? QStringLiteral("Heimmannschaft.") : QStringLiteral("Gastmannschaft.");
        const QString b = heim ? QStringLiteral("Heim.") : QStringLiteral("Gast.");
        l[v + "Name"] = {TypText, heim ? QStringLiteral("Heimmannschaft") : QStringLiteral("Gastmannschaft")};
        for (const char* f : {"Volle", "Abr", "Fehler", "Total", "SaP", "MaP", "ErgebnisMaP", "TotalMaP", "VorTotal",
                              "VorSaP", "VorMaP", "VorTaP"})
            l[v + f] = {TypZahl, b + f};
        for (int i = 1; i <= 4; ++i) l[v + QStringLiteral("Text%1").arg(i)] = {TypText, b + QStringLiteral("Text%1").arg(i)};
        l[v + "Mannschaftsfuehrer"] = {TypText, QStringLiteral("Mannschaftsfuehrer%1").arg(heim ? 1 : 2)};
        for (int i = 1; i <= 5; ++i)
            l[v + QStringLiteral("FormularText%1").arg(i)] = {TypText, QStringLiteral("FormularText%1").arg(heim ? i : i + 5)};
    }

    for (const bool heim : {true, false})
        for (int n = 1; n <= 8; ++n) {
            const QString v = (heim ? QStringLiteral("HeimSpieler%1.") : QStringLiteral("GastSpieler%1.")).arg(n);
            const QString s = QStringLiteral("Spieler%1.").arg(heim ? n : n + 8);
            for (const char* f : {"Name", "Pass", "Gebdat"}) l[v + f] = {TypText, s + f};
            for (const char* f : {"Volle", "Abr", "Fehler", "Total"}) l[v + f] = {TypZahl, s + f};
            for (int d = 1; d <= 4; ++d) {
                const QString dg = QStringLiteral("Durchgang%1.").arg(d);
                l[v + dg + "Bahn"] = {TypText, s + dg + "Bahn"};
                for (const char* f : {"Volle", "Abr", "Fehler", "Total"}) l[v + dg + f] = {TypZahl, s + dg + f};
                if (n <= 6) l[v + dg + "SaP"] = {TypZahl, s + dg + "SaP"};
            }
            if (n <= 6) {
                l[v + "MaP"] = {TypZahl, s + "MaP"};
                l[v + "SaP"] = {TypZahl, s + "SaP"};
            } else {
                l[v + "Ersatz"] = {TypZahl, s + "Ersatz"};
            }
        }
    return l;
}

class Quellen : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }

    // The variables the engine holds after the report of w is printed
    // through the component, its variable event answering.
    Berichtswerte Gedruckt(const TWettkampfDaten& w)
    {
        FakeBerichtsmaschine fake;
        TL8_ ll(fake);
        ll.EnableDefineVariablesEvent = true;
        ll.OnDefineVariables = BerichtsvariablenEreignis([&w] { return &w; });
        EXPECT_EQ(ll.Print(1, ProjekttypKarte, QStringLiteral("Spielbericht.crd"), false, AusgabeDrucker, 3, nullptr,
                           QStringLiteral("drucke Formular Spielbericht.crd"), false, QString()),
                  0);
        EXPECT_EQ(fake.anzahl("LlPrint"), 1);  // one record: the match
        return fake.variablen;
    }

    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
};

TEST_F(Quellen, EveryVariableShowsItsOwnFieldOfTheMatch)
{
    const Quellwerte werte = Befueller(*w).fuellen();
    const QHash<QString, Erwartet> liste = Variablenliste();
    ASSERT_EQ(liste.size(), 582);
    // No two fields hold the same text (the flags aside), so a variable
    // reading a wrong field shows a wrong value.
    QSet<QString> verschieden;
    for (auto it = werte.begin(); it != werte.end(); ++it) {
        if (it.value() == "T" || it.value() == "F") continue;
        EXPECT_FALSE(verschieden.contains(it.value())) << it.key().toStdString();
        verschieden.insert(it.value());
    }

    const Berichtswerte gedruckt = Gedruckt(*w);
    EXPECT_EQ(gedruckt.size(), 582);
    QSet<QString> gesehen;
    for (const Berichtswert& v : gedruckt) {
        SCOPED_TRACE(v.name.toStdString());
        EXPECT_FALSE(gesehen.contains(v.name)) << "defined twice";
        gesehen.insert(v.name);
        const auto e = liste.constFind(v.name);
        if (e == liste.constEnd()) {
            ADD_FAILURE() << "not in the list";
            continue;
        }
        EXPECT_EQ(v.typ, e->typ);
        ASSERT_TRUE(werte.contains(e->quelle)) << e->quelle.toStdString();
        EXPECT_EQ(v.wert, werte[e->quelle]) << "from " << e->quelle.toStdString();
    }
}

// The flags can only be told apart one at a time: each set alone shows "T"
// in its own variable and "F" in the other six.
TEST_F(Quellen, EachIncidentFlagInItsOwnVariable)
{
    u8 TWettkampfDaten::*const flags[] = {&TWettkampfDaten::BahnenOk,     &TWettkampfDaten::PaesseOk,
                                          &TWettkampfDaten::Protest,      &TWettkampfDaten::Verletzungen,
                                          &TWettkampfDaten::Verwarnungen, &TWettkampfDaten::Sonstiges,
                                          &TWettkampfDaten::Anlagen};
    const char* namen[] = {"BahnenOk", "PaesseOk", "Protest", "Verletzungen", "Verwarnungen", "Sonstiges", "Anlagen"};
    for (int an = 0; an < 7; ++an) {
        for (int i = 0; i < 7; ++i) (*w).*flags[i] = i == an ? 1 : 0;
        const Berichtswerte gedruckt = Gedruckt(*w);
        for (int i = 0; i < 7; ++i) {
            const QString name = QStringLiteral("Wettkampf.") + namen[i];
            const auto v = std::ranges::find(gedruckt, name, &Berichtswert::name);
            ASSERT_NE(v, gedruckt.end()) << name.toStdString();
            EXPECT_EQ(v->wert, i == an ? "T" : "F") << name.toStdString() << " with " << namen[an] << " set";
        }
    }
}

}  // namespace
