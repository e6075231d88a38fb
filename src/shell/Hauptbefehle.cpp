#include "shell/Hauptbefehle.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Shell.h"
#include "core/TextFunctions.h"
#include "core/Zeitgeber.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/engine/Punkte.h"
#include "match/lanes/Bahnfenster.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int AnzeigeNormal = 1;

// Remembers the current match's modified flag and puts it back.
class GeaendertMerken {
public:
    GeaendertMerken() : m_w(AktWettkampf), m_geaendert(m_w ? m_w->Geaendert : 0) {}
    ~GeaendertMerken()
    {
        if (m_w) m_w->Geaendert = m_geaendert;
    }
    GeaendertMerken(const GeaendertMerken&) = delete;
    GeaendertMerken& operator=(const GeaendertMerken&) = delete;

private:
    TWettkampfDaten* m_w;
    u8 m_geaendert;
};

}  // namespace

bool NeuAnlegen()
{
    if (WettkampfAnzahl >= MaxWettkaempfe) return false;
    {
        GeaendertMerken merken;
        if (!WettkampfAnlegen()) return false;
        WettkampfVorgabenSetzen();
        WettkampfGrundoptionenSetzen();
        TWettkampfDaten* neu = AktWettkampf;
        WettkampfFensterOeffnen();
        neu->Geaendert = 0;
    }
    fenster().hauptmenueAktualisieren();
    return true;
}

bool Importieren()
{
    bool ok = false;
    {
        GeaendertMerken merken;
        const TWettkampfDaten* vorher = AktWettkampf;
        ok = fenster().dialog(Dialog::SpielaufstellungImportieren) && AktWettkampf;
        if (ok) {
            TWettkampfDaten* neu = AktWettkampf;
            WettkampfFensterOeffnen();
            if (neu != vorher) neu->Geaendert = 0;
        }
    }
    fenster().hauptmenueAktualisieren();
    return ok;
}

bool SpielLadenBefehl()
{
    bool ok = false;
    {
        GeaendertMerken merken;
        const TWettkampfDaten* vorher = AktWettkampf;
        WettkampfGeladen = 0;
        ok = fenster().dialog(Dialog::Laden) && WettkampfGeladen && AktWettkampf && AktWettkampf != vorher;
        if (ok) {
            TWettkampfDaten* neu = AktWettkampf;
            WettkampfFensterOeffnen();
            neu->Geaendert = 0;
        }
    }
    fenster().hauptmenueAktualisieren();
    return ok;
}

void SpielStartBefehl()
{
    if (TWettkampfDaten* w = AktWettkampf) {
        if (!w->Gestartet) {
            if (boxen().hinweisJa(QStringLiteral("Spiel starten ? ")) == ErgebnisJa) SpielStarten(*w);
        } else if (w->Gestoppt) {
            if (boxen().hinweisJa(QStringLiteral("Spiel starten ?")) == ErgebnisJa) SpielStarten(*w);
        } else if (!w->WechselAnstehend) {
            if (boxen().hinweisJa(QStringLiteral("Spiel stoppen ?")) == ErgebnisJa) SpielStoppen(*w);
        } else {
            // The waiting lane change or game end goes ahead without a question.
            WechselFreigeben(*w);
        }
    }
    fenster().hauptmenueAktualisieren();
}

void BahnSpielStartBefehl(int bahn)
{
    // The match the lane plays for; else one set up on it, the current one first.
    const auto aufBahn = [bahn](const TWettkampfDaten& w) {
        const Bahnbereich b = BahnenVon(w);
        return bahn >= b.erste && bahn <= b.letzte;
    };
    const TWettkampfDaten* w = WettkampfDerBahn(bahn);
    if (!w && AktWettkampf && aufBahn(*AktWettkampf)) w = AktWettkampf;
    for (int k = 1; k <= MaxWettkaempfe && !w; ++k)
        if (WettkampfBelegt[k] && aufBahn(Wettkaempfe[k])) w = &Wettkaempfe[k];
    for (int k = 1; k <= MaxWettkaempfe; ++k)
        if (w && WettkampfBelegt[k] && &Wettkaempfe[k] == w) EintragWaehlen(k);
    SpielStartBefehl();
}

void SpielAbbrechenBefehl()
{
    if (!AktWettkampf) return;
    if (boxen().hinweisJa(QStringLiteral("Spiel beenden ?")) != ErgebnisJa || !AktWettkampf) return;
    AktWettkampf->EndeAngefordert = 1;
    TimerSpielEnde().setEnabled(true);
}

void SpieleUebernehmenBefehl()
{
    for (int bahn = 1; bahn <= std::min<int>(BahnAnzahl, MaxBahnen); ++bahn)
        CanNachrichtSenden(bahn, CanRahmen::SpieleUebernehmen());
}

void InternetUpdateBefehl()
{
    if (TWettkampfDaten* w = AktWettkampf) LiveErgebnisHochladen(*w, w->FtpUpdateInterv);
}

bool EintragWaehlen(int k)
{
    if (!WettkampfBelegt.contains(k) || !WettkampfBelegt[k] || k == AktWettkampfNr) return false;
    TWettkampfDaten* vorher = AktWettkampf;
    const u8 geaendert = vorher ? vorher->Geaendert : 0;
    AktWettkampfNr = u8(k);
    AktWettkampf = &Wettkaempfe[k];
    if (fenster().offen(MdiFenster::Wettkampf)) {
        fenster().aktualisieren(MdiFenster::Wettkampf);
        if (vorher) vorher->Geaendert = geaendert;
    }
    if (fenster().offen(MdiFenster::Spielbericht)) fenster().aktualisieren(MdiFenster::Spielbericht);
    if (fenster().offen(MdiFenster::Ergebnis)) fenster().aktualisieren(MdiFenster::Ergebnis);
    fenster().hauptmenueAktualisieren();
    return true;
}

bool UebersichtFrei()
{
    if (!(AktivesFenster & FensterBahnuebersicht)) return true;
    if (EingabeGesperrt) return false;
    bahnfenster().bahnuebersichtVerbergen();
    return true;
}

namespace {

// The current match's first lane, or lane 1.
int ErsteBahnDesSpiels()
{
    const TWettkampfDaten* w = AktWettkampf;
    if (!w) return 1;
    const int bahn = w->ErsteSpielbahn ? w->ErsteSpielbahn : w->ErsteBahn;
    return bahn >= 1 && bahn <= MaxBahnen ? bahn : 1;
}

}  // namespace

void BahnenBefehl()
{
    ErsteAnzeigebahn = u8(BahnAnzahl > 4 ? ErsteBahnDesSpiels() : 1);
    bahnfenster().bahnuebersichtZeigen();
    BahnsteuerungNachVorn();
}

void BahnsteuerungBefehl()
{
    if (OffeneFenster & FensterBahnsteuerung)
        bahnfenster().bahnsteuerungVerbergen();
    else
        bahnfenster().bahnsteuerungZeigen(ErsteBahnDesSpiels());
}

void BahnsteuerungNachVorn()
{
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungNachVorn();
}

void BahnsteuerungVerbergen()
{
    if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungVerbergen();
}

void ProgrammStarten(int n)
{
    if (n < 1 || n > 3) return;
    const QString programm = Einst.Programm[n].trimmed();
    if (programm.isEmpty()) return;
    const QFileInfo info(QDir::fromNativeSeparators(programm));
    const QString titel = Einst.ProgrammName[n];
    const Fenstersuche suche =
        titel.isEmpty() ? Fenstersuche::NichtMoeglich : shellStarter().fensterAktivieren(titel);
    if (suche == Fenstersuche::Aktiviert) return;
    // Where no window can be looked for, a copy started here that still
    // runs is taken for the window.
    if (suche == Fenstersuche::NichtMoeglich && shellStarter().laeuftNoch(info.filePath(), info.absolutePath())) return;
    DateiAusfuehren(info.filePath(), info.absolutePath(), QString(), AnzeigeNormal);
}

QString HilfeOeffnen()
{
    const QString datei = DateiImOrdner(Hilfeverzeichnis, QStringLiteral("Bravolin.hlp"));
    const QString name = QDir::toNativeSeparators(datei);
    if (!QFileInfo(datei).isFile()) return QStringLiteral("Die Hilfedatei %1 ist nicht vorhanden !").arg(name);
    if (!shellStarter().kannOeffnen(datei, Hilfeverzeichnis))
        return QStringLiteral("Für die Hilfedatei %1 ist kein Anzeigeprogramm eingerichtet !").arg(name);
    DateiAusfuehren(datei, Hilfeverzeichnis, QString(), AnzeigeNormal);
    return QString();
}

bool HilfethemenTextVorhanden() { return QFileInfo(DateiImOrdner(Hilfeverzeichnis, HilfethemenText)).isFile(); }

QString TippsDatei() { return DateiImOrdner(Hilfeverzeichnis, QStringLiteral("Hilfe_Tipps.rtf")); }

std::optional<QByteArray> TippsInhalt()
{
    QFile f(TippsDatei());
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

bool SpielberichtVorbereiten()
{
    if (!AktWettkampf) return false;
    if (AktWettkampf->Beendet) SpielerplatzierungBerechnen(*AktWettkampf);
    return true;
}
