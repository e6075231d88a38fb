#include "report/netz/Livedateien.h"

#include "core/TextFunctions.h"

#include <utility>
#include <vector>

namespace {

using Werte = std::vector<std::pair<QString, QString>>;

bool MitPunkten(int n) { return (n >= 1 && n <= 6) || (n >= 9 && n <= 14); }

// The page's element ids in the order of the script, with their values from
// the match, or the blank values of a new site when there is none.
Werte Seitenwerte(const TWettkampfDaten* w)
{
    Werte v;
    auto wert = [&](const char* id, QString text) { v.emplace_back(QString::fromLatin1(id), std::move(text)); };
    wert("HeimName", w ? w->Heimmannschaft.text() : QString());
    wert("GastName", w ? w->Gastmannschaft.text() : QString());
    wert("Klasse", w ? w->Klasse.text() : QString());
    wert("Datum", w ? w->Datum.text() : QString());
    wert("Spielbeginn", w ? QStringLiteral("Spielbeginn ") + w->Beginn.text() : QString());
    wert("Spielende", w ? QStringLiteral("Spielende ") + w->Ende.text() : QString());
    for (int n = 1; n <= MaxSpieler; ++n) {
        const TSpielerEintrag* s = w ? w->SpielerZeiger[n] : nullptr;
        const QString nr = QString::number(n);
        auto spieler = [&](const char* id, QString text) {
            v.emplace_back(QString::fromLatin1(id) + nr, std::move(text));
        };
        spieler("Name", s ? s->Name.text() : QString());
        spieler("Volle", s ? s->Volle.Text.text() : QString());
        spieler("Abr", s ? s->Abr.Text.text() : QString());
        spieler("Fehler", s ? s->Fehler.Text.text() : QString());
        spieler("Total", s ? s->Total.Text.text() : QString());
        spieler("Punkte", s && w->Punktespiel && MitPunkten(n) ? ZahlText1Stelle(s->MaP) : QString());
    }
    for (const bool heim : {true, false}) {
        const QString seite = heim ? QStringLiteral("Heim") : QStringLiteral("Gast");
        const TMannschaftBlock* b = w ? (heim ? &w->Heim : &w->Gast) : nullptr;
        v.emplace_back(seite, b ? seite + QStringLiteral("    ") + b->Wuerfe.Text.text() + QStringLiteral(" Wurf")
                                : seite + QStringLiteral("mannschaft"));
        v.emplace_back(seite + QStringLiteral("Volle"), b ? b->Volle.Text.text() : QString());
        v.emplace_back(seite + QStringLiteral("Abr"), b ? b->Abr.Text.text() : QString());
        v.emplace_back(seite + QStringLiteral("Fehler"), b ? b->Fehler.Text.text() : QString());
        v.emplace_back(seite + QStringLiteral("Total"), b ? b->Total.Text.text() : QString());
        v.emplace_back(seite + QStringLiteral("Punkte"),
                       b && w->Punktespiel ? ZahlText1Stelle(b->TotalMaP) : QString());
    }
    return v;
}

QStringList Wertzeilen(const TWettkampfDaten* w)
{
    QStringList z;
    for (const auto& [id, text] : Seitenwerte(w))
        z << QStringLiteral("this.%1.innerText = \"%2\";").arg(id, JsWert(text));
    return z;
}

}  // namespace

QStringList UpdateCsvZeilen(const TWettkampfDaten& w)
{
    QStringList z{QStringLiteral("Name;Volle;Abr;Fehler;Total;Punkte")};
    auto zeile = [](const QString& name, const auto& volle, const auto& abr, const auto& fehler, const auto& total,
                    float punkte) {
        return QStringList{name, volle.Text.text(), abr.Text.text(), fehler.Text.text(), total.Text.text(),
                           ZahlText1Stelle(punkte)}
            .join(QLatin1Char(';'));
    };
    z << zeile(w.Heimmannschaft.text(), w.Heim.Volle, w.Heim.Abr, w.Heim.Fehler, w.Heim.Total, w.Heim.TotalMaP);
    z << zeile(w.Gastmannschaft.text(), w.Gast.Volle, w.Gast.Abr, w.Gast.Fehler, w.Gast.Total, w.Gast.TotalMaP);
    for (int n = 1; n <= MaxSpieler; ++n) {
        const TSpielerEintrag& s = *w.SpielerZeiger[n];
        z << zeile(s.Name.text(), s.Volle, s.Abr, s.Fehler, s.Total, s.MaP);
    }
    return z;
}

QStringList UpdateJsZeilen(const TWettkampfDaten& w, i32 intervall)
{
    QStringList z{QStringLiteral("<!--"), QStringLiteral("var delay = ") + QString::number(intervall),
                  QStringLiteral("function UpdateNow() {")};
    z << Wertzeilen(&w);
    z << QStringList{QStringLiteral("}"),
                     QStringLiteral("function UpdateTime() {"),
                     QStringLiteral("this.FormUpdate.NameUpdate.value = delay;"),
                     QStringLiteral("window.setTimeout(\"UpdateTime()\",60000);"),
                     QStringLiteral("if (delay == 0)"),
                     QStringLiteral("window.location.reload();"),
                     QStringLiteral("delay = delay -1;"),
                     QStringLiteral("}"),
                     QStringLiteral("function Update() {"),
                     QStringLiteral("UpdateNow();"),
                     QStringLiteral("if (delay > 0)"),
                     QStringLiteral("UpdateTime();"),
                     QStringLiteral("}"),
                     QStringLiteral("//-->")};
    return z;
}

QStringList UpdateJsVorlage()
{
    QStringList z{QStringLiteral("<!--"), QStringLiteral("function UpdateNow() {")};
    z << Wertzeilen(nullptr);
    z << QStringList{QStringLiteral("}"), QStringLiteral("function Update() {"), QStringLiteral("UpdateNow();"),
                     QStringLiteral("this.FormUpdate.NameUpdate.value = \"\";"), QStringLiteral("}"),
                     QStringLiteral("//-->")};
    return z;
}

QString JsWert(const QString& text)
{
    QString r;
    r.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '\\': r += QStringLiteral("\\\\"); continue;
        case '"': r += QStringLiteral("\\\""); continue;
        case '\n': r += QStringLiteral("\\n"); continue;
        case '\r': r += QStringLiteral("\\r"); continue;
        case '\t': r += QStringLiteral("\\t"); continue;
        case '<':
            // Neither "</script" nor "<!--" may appear inside a script block.
            if (text.mid(i + 1, 1) == QLatin1String("/") || text.mid(i + 1, 3) == QLatin1String("!--")) {
                r += QLatin1Char('<');
                r += QLatin1Char('\\');
                continue;
            }
            break;
        default: break;
        }
        if (c.category() == QChar::Other_Control || c.unicode() == 0x2028 || c.unicode() == 0x2029)
            r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
}
