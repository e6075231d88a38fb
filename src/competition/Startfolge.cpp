#include "competition/Startfolge.h"

#include "core/Boxes.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/RecordFunctions.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

StartfolgeZustand startfolgeZustand;
TBahnfolge& Bahnfolge = startfolgeZustand.Bahnfolge;
u8& BahnfolgeAnzahl = startfolgeZustand.BahnfolgeAnzahl;
u8& StartfolgeSpieler = startfolgeZustand.StartfolgeSpieler;
u8& StartfolgeErsteBahn = startfolgeZustand.StartfolgeErsteBahn;
u8& StartfolgeLetzteBahn = startfolgeZustand.StartfolgeLetzteBahn;

namespace {

QString Abschnittskopf(int n) { return QStringLiteral("[Coord_%1]").arg(n); }

bool SpielerGueltig(int spieler) { return spieler >= 1 && spieler <= MaxSpieler; }

bool BahnImBereich(int bahn)
{
    return StartfolgeErsteBahn >= 1 && bahn >= StartfolgeErsteBahn && bahn <= StartfolgeHoechsteBahn();
}

QString BereichText()
{
    if (StartfolgeErsteBahn == 0) return QStringLiteral("keine Bahn");
    return BahnbereichText(StartfolgeErsteBahn, StartfolgeHoechsteBahn());
}

QString Zeile(const TStartplan& plan, long r)
{
    QStringList zahlen;
    for (long k = 1; k <= MaxStartplanRunden; ++k) zahlen << QString::number(plan[r][k]);
    return zahlen.join(QLatin1Char(','));
}

}  // namespace

QString StartfolgeSpielerName(int spieler)
{
    const bool heim = spieler <= MaxSpieler / 2;
    return QStringLiteral("%1 %2")
        .arg(heim ? QStringLiteral("Heim") : QStringLiteral("Gast"))
        .arg(heim ? spieler : spieler - MaxSpieler / 2);
}

void StartfolgeBereichSetzen(const QString& bahnText)
{
    const auto [erste, letzte] = BahnbereichLesen(bahnText);
    StartfolgeErsteBahn = u8(std::clamp(erste, 0, MaxBahnen));
    StartfolgeLetzteBahn = u8(std::clamp(letzte, 0, MaxBahnen));
}

int StartfolgeHoechsteBahn()
{
    return std::min<int>(StartfolgeLetzteBahn, StartfolgeErsteBahn + MaxStartplanBahnen - 1);
}

QString BahnfolgeText(int spieler)
{
    if (!SpielerGueltig(spieler)) return {};
    QStringList teile;
    for (u8 bahn : Bahnfolge[spieler])
        if (bahn != 0) teile << QStringLiteral("%1").arg(bahn, 2, 10, QLatin1Char('0'));
    return teile.join(QLatin1Char('-'));
}

std::optional<QString> BahnfolgeLesen(int spieler, const QString& text)
{
    if (!SpielerGueltig(spieler)) return std::nullopt;
    Array1<u8, BahnfolgeLaenge> neu{};
    const QStringList teile = text.split(QLatin1Char('-'));
    for (long i = 1; i <= BahnfolgeLaenge && i <= teile.size(); ++i) {
        bool ok = false;
        const int bahn = teile.at(i - 1).trimmed().toInt(&ok);
        if (!ok || bahn == 0) continue;
        if (!BahnImBereich(bahn))
            return QStringLiteral("%1: Bahn %2 liegt nicht im Bereich %3 !")
                .arg(StartfolgeSpielerName(spieler), teile.at(i - 1).trimmed(), BereichText());
        neu[i] = u8(bahn);
    }
    Bahnfolge[spieler] = neu;
    return std::nullopt;
}

bool BahnKlicken(int bahn)
{
    if (!BahnImBereich(bahn) || !SpielerGueltig(StartfolgeSpieler)) return false;
    ++BahnfolgeAnzahl;
    Bahnfolge[StartfolgeSpieler][BahnfolgeAnzahl] = u8(bahn);
    if (BahnfolgeAnzahl >= BahnfolgeLaenge) BahnfolgeAnzahl = 0;
    return true;
}

void BahnfolgeLoeschen(int spieler)
{
    if (SpielerGueltig(spieler)) Bahnfolge[spieler] = {};
    BahnfolgeAnzahl = 0;
}

void AlleBahnfolgenLoeschen()
{
    Bahnfolge = {};
    BahnfolgeAnzahl = 0;
}

StartplanBau StartplanBauen()
{
    StartplanBau bau;
    auto zeileVon = [](int bahn) -> long {
        if (!BahnImBereich(bahn)) return 0;
        return bahn - StartfolgeErsteBahn + 1;
    };
    for (int p = 1; p <= MaxSpieler / 2; ++p) {
        for (const int nr : {p, p + MaxSpieler / 2}) {
            const auto& folge = Bahnfolge[nr];
            // His first lane is the first one given; a sequence typed with a
            // gap ("x-03") starts there as well.
            const auto erste = std::find_if(folge.begin(), folge.end(), [](u8 b) { return b != 0; });
            if (erste == folge.end()) continue;
            auto auslassen = [&](int bahn, const QString& grund) {
                bau.ausgelassen << QStringLiteral("%1, Bahn %2: %3")
                                       .arg(StartfolgeSpielerName(nr))
                                       .arg(bahn, 2, 10, QLatin1Char('0'))
                                       .arg(grund);
            };
            const long startzeile = zeileVon(*erste);
            long spalte = 0;
            if (startzeile != 0)
                for (long k = 1; k < MaxStartplanRunden && spalte == 0; ++k)
                    if (bau.plan[startzeile][k] == 0) spalte = k;
            for (u8 bahn : folge) {
                if (bahn == 0) continue;
                const long zeile = zeileVon(bahn);
                if (zeile == 0) {
                    auslassen(bahn, QStringLiteral("nicht im Bereich ") + BereichText());
                } else if (spalte == 0) {
                    auslassen(bahn, startzeile == 0 ? QStringLiteral("erste Bahn nicht im Bereich")
                                                    : QStringLiteral("keine freie Runde"));
                } else if (spalte > MaxStartplanRunden) {
                    auslassen(bahn, QStringLiteral("nach Runde %1").arg(MaxStartplanRunden));
                } else {
                    bau.plan[zeile][spalte] = u8(nr);
                }
                if (spalte != 0) ++spalte;
            }
        }
    }
    return bau;
}

QString StartfolgeDatei() { return DateiImOrdner(Datenverzeichnis, QStringLiteral("Startfolge.inf")); }

bool StartfolgeSpeichern(int n)
{
    const StartplanBau bau = StartplanBauen();
    const QString pfad = StartfolgeDatei();
    QStringList zeilen;
    if (QFileInfo::exists(pfad)) {
        const std::optional<QStringList> alt = TextdateiLesen(pfad);
        if (!alt) {
            // Writing it new would lose the other presets' plans.
            boxen().hinweis(QStringLiteral("„%1“ kann nicht gelesen werden. Die Startfolge wurde nicht gespeichert.")
                                .arg(QDir::toNativeSeparators(pfad)));
            return false;
        }
        zeilen = *alt;
    }
    const qsizetype kopf = zeilen.indexOf(Abschnittskopf(n));
    if (kopf < 0) {
        zeilen << Abschnittskopf(n);
        for (long r = 1; r <= MaxStartplanBahnen; ++r) zeilen << Zeile(bau.plan, r);
    } else {
        for (long r = 1; r <= MaxStartplanBahnen; ++r) {
            const qsizetype i = kopf + r;
            if (i < zeilen.size())
                zeilen[i] = Zeile(bau.plan, r);
            else
                zeilen << Zeile(bau.plan, r);
        }
    }
    QString fehler;
    if (!TextdateiSchreiben(pfad, zeilen, &fehler)) {
        boxen().hinweis(fehler);
        return false;
    }
    if (!bau.ausgelassen.isEmpty())
        boxen().hinweis(QStringLiteral("Nicht in der Startfolge (kein Platz im Plan):\n") +
                        bau.ausgelassen.join(QLatin1Char('\n')));
    return true;
}

bool StartfolgeLaden(TWettkampfDaten& w, int n, int zeilen)
{
    const std::optional<QStringList> datei = TextdateiLesen(StartfolgeDatei());
    if (!datei) return false;
    const qsizetype kopf = datei->indexOf(Abschnittskopf(n));
    if (kopf < 0) return false;
    zeilen = std::clamp(zeilen, 0, MaxStartplanBahnen);
    for (long r = 1; r <= zeilen; ++r) {
        const QString zeile = datei->value(kopf + r);
        const QStringList zahlen = zeile.split(QLatin1Char(','));
        for (long k = 1; k <= MaxStartplanRunden; ++k) {
            const QByteArray ziffern = Cp1252::encode(zahlen.value(k - 1));
            w.Startfolge[r][k] = u8(ZiffernZuZahl(ziffern.constData()));
        }
    }
    return true;
}

bool StartfolgeLaden(int n, int zeilen) { return AktWettkampf && StartfolgeLaden(*AktWettkampf, n, zeilen); }
