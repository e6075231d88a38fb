#include "competition/Mannschaftsdaten.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"

int FormularIndex(bool heim, int feld) { return heim ? feld : FreieFelder + feld; }

Feldnamen FeldnamenLesen(bool heim)
{
    Feldnamen f;
    f.heim = heim;
    for (int i = 1; i <= FreieFelder; ++i) {
        f.namen[i] = Einst.FormularFeldNamen[FormularIndex(heim, i)];
        f.sichtbar[i] = !f.namen[i].isEmpty();
    }
    f.Feldanzahl = FeldanzahlBestimmen(f);
    f.AktFeld = 1;
    return f;
}

int FeldanzahlBestimmen(const Feldnamen& f)
{
    for (int i = FreieFelder; i >= 1; --i)
        if (!f.namen[i].isEmpty()) return i;
    return 0;
}

QString FeldBeschriftung(const QString& name, bool heim) { return heim ? name + QLatin1Char(':') : name; }

std::optional<QString> FeldnameFehler(const QString& name)
{
    if (name.startsWith(QLatin1Char(' ')) || name.startsWith(QLatin1Char('=')))
        return QStringLiteral("Der Feldname „%1“ darf nicht mit einem Leerzeichen oder „=“ beginnen.").arg(name);
    return std::nullopt;
}

bool FeldNeu(Feldnamen& f, const QString& name)
{
    if (f.Feldanzahl >= FreieFelder) return false;
    ++f.Feldanzahl;
    f.AktFeld = f.Feldanzahl;
    f.namen[f.Feldanzahl] = name;
    f.sichtbar[f.Feldanzahl] = true;
    return true;
}

void FeldUmbenennen(Feldnamen& f, const QString& name)
{
    if (f.namen.contains(f.AktFeld)) f.namen[f.AktFeld] = name;
}

bool FeldLoeschen(Feldnamen& f)
{
    if (f.Feldanzahl < 1) return false;
    f.namen[f.Feldanzahl].clear();
    f.sichtbar[f.Feldanzahl] = false;
    --f.Feldanzahl;
    return true;
}

namespace {

const TMannschaftBlock& block(const TWettkampfDaten& w, bool heim) { return heim ? w.Heim : w.Gast; }

// Empty (or blank) is 0; nullopt for no number.
std::optional<double> punkte(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0.0;
    return TextZuFloat(t);
}

// Signed: "-2" gives -2; empty or a lone sign 0.
i32 Tabellenpunkte(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

}  // namespace

Mannschaftswerte MannschaftswerteLesen(const TWettkampfDaten& w, bool heim)
{
    const TMannschaftBlock& b = block(w, heim);
    Mannschaftswerte m;
    m.VorErgebnis = b.VorTotal.text();
    m.VorSaP = QString::number(double(b.VorSaP));
    m.VorMaP = QString::number(double(b.VorMaP));
    m.VorTaP = QString::number(b.VorTaP);
    for (int i = 1; i <= FreieFelder; ++i) m.felder[i] = w.FormularText[FormularIndex(heim, i)];
    return m;
}

std::optional<QString> MannschaftswerteFehler(const Mannschaftswerte& werte)
{
    if (!punkte(werte.VorSaP))
        return QStringLiteral("Die Satzpunkte des Vorspiels „%1“ sind keine Zahl.").arg(werte.VorSaP);
    if (!punkte(werte.VorMaP))
        return QStringLiteral("Die Mannschaftspunkte des Vorspiels „%1“ sind keine Zahl.").arg(werte.VorMaP);
    return std::nullopt;
}

void MannschaftsdatenSpeichern(TWettkampfDaten& w, const Feldnamen& f, const Mannschaftswerte& werte)
{
    TMannschaftBlock& b = f.heim ? w.Heim : w.Gast;
    b.VorTotal.setzenText(werte.VorErgebnis);
    b.VorSaP = float(punkte(werte.VorSaP).value_or(0));
    b.VorMaP = float(punkte(werte.VorMaP).value_or(0));
    b.VorTaP = Tabellenpunkte(werte.VorTaP);
    for (int i = 1; i <= FreieFelder; ++i) {
        const int n = FormularIndex(f.heim, i);
        w.FormularText[n] = werte.felder[i];
        Einst.FormularFeldNamen[n] = f.namen[i];
        InfSchreiben(QStringLiteral("[Formular]"), QStringLiteral("FormularFeldName%1").arg(n), f.namen[i]);
    }
    InfListeSpeichern();
    w.Geaendert = 1;
}
