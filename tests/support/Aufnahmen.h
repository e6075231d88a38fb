#pragma once
// Stand-ins for the displays, the windows, the printers, the network and the
// competition administration that record every call as a line of text.

#include "core/Anzeigedienste.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Records.h"
#include "match/lanes/Bahnfenster.h"
#include "match/print/Druckdienste.h"
#include "match/dienste/Netzdienste.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "support/KernAufnahmen.h"

#include <QStringList>
#include <functional>
#include <string>
#include <vector>

inline QString Nr(const TWettkampfDaten& w) { return QString::number(w.ErsteSpielbahn); }

struct AnzeigenAufnahme : AnzeigeDienste {
    QStringList aufrufe;
    void mannschaftsanzeigeLoeschen(int e, int l) override { aufrufe << QStringLiteral("MLoeschen %1-%2").arg(e).arg(l); }
    void mannschaftsanzeigeKennzeichnen(int e, int l) override { aufrufe << QStringLiteral("MKenn %1-%2").arg(e).arg(l); }
    void mannschaftsanzeigeProbe(int b) override { aufrufe << QStringLiteral("MProbe %1").arg(b); }
    void mannschaftsergebnisAnzeigen(int b) override { aufrufe << QStringLiteral("MErgebnis %1").arg(b); }
    void namenanzeigeLoeschen(int b) override { aufrufe << QStringLiteral("NLoeschen %1").arg(b); }
    void namenanzeigeAktualisieren(int b) override { aufrufe << QStringLiteral("NAkt %1").arg(b); }
    void namenanzWerbungLaden(TWettkampfDaten& w) override { aufrufe << QStringLiteral("NWerbungLaden ") + Nr(w); }
    void namenanzWerbungStarten(TWettkampfDaten& w) override { aufrufe << QStringLiteral("NWerbungStart ") + Nr(w); }
    void grossanzWerbungLaden(TWettkampfDaten& w) override { aufrufe << QStringLiteral("GWerbungLaden ") + Nr(w); }
    void monitorKonfigurationExportieren(TWettkampfDaten& w) override { aufrufe << QStringLiteral("MonKonfig ") + Nr(w); }
    void monitorMannschaftExportieren(TWettkampfDaten& w) override { aufrufe << QStringLiteral("MonMannsch ") + Nr(w); }
    void monitorSpielerExportieren(int b) override { aufrufe << QStringLiteral("MonSpieler %1").arg(b); }
    void monitorStatusExportieren(TWettkampfDaten& w) override { aufrufe << QStringLiteral("MonStatus ") + Nr(w); }
    void monitorBeenden(int b) override { aufrufe << QStringLiteral("MonEnde %1").arg(b); }
    void mannschaftsanzeigenZuordnen(int e, int l) override { aufrufe << QStringLiteral("MZuordnen %1-%2").arg(e).arg(l); }
};

struct FensterAufnahme : FensterDienste {
    QStringList aufrufe;
    QList<MdiFenster> geoeffnet;
    bool anzeigeOffen = false;
    QStringList status{QString(), QString(), QString(), QString()};

    void oeffnen(MdiFenster f) override
    {
        if (!geoeffnet.contains(f)) geoeffnet << f;
        aufrufe << QStringLiteral("oeffnen %1").arg(int(f));
    }
    bool offen(MdiFenster f) const override { return geoeffnet.contains(f); }
    void schliessen(MdiFenster f) override
    {
        geoeffnet.removeAll(f);
        aufrufe << QStringLiteral("schliessen %1").arg(int(f));
    }
    void aktualisieren(MdiFenster f) override { aufrufe << QStringLiteral("aktualisieren %1").arg(int(f)); }
    void spielerAktualisieren(MdiFenster f, int n) override
    {
        aufrufe << QStringLiteral("spieler %1 %2").arg(int(f)).arg(n);
    }
    bool erzeugen(KonfigFenster) override { return false; }
    void freigeben(KonfigFenster) override {}
    bool vorhanden(KonfigFenster) const override { return false; }
    void anzeigefensterOeffnen() override
    {
        anzeigeOffen = true;
        aufrufe << QStringLiteral("anzeige auf");
    }
    void anzeigefensterSchliessen() override
    {
        anzeigeOffen = false;
        aufrufe << QStringLiteral("anzeige zu");
    }
    bool anzeigefensterOffen() const override { return anzeigeOffen; }
    void anzeigefensterAufbauen() override { aufrufe << QStringLiteral("anzeige aufbauen"); }
    void anzeigefensterSpielerAktualisieren(int n) override { aufrufe << QStringLiteral("anzeige spieler %1").arg(n); }
    // Every dialog asked for, with its side or lane; none opens.
    QList<std::pair<Dialog, int>> dialoge;
    bool dialog(Dialog d, int seite) override
    {
        dialoge.append({d, seite});
        return false;
    }
    void statusText(int panel, const QString& text) override
    {
        if (panel >= status.size()) status.resize(panel + 1);
        status[panel] = text;
    }
    void hauptmenueAktualisieren() override { aufrufe << QStringLiteral("menue"); }
};

struct WettbewerbAufnahme : WettbewerbDienste {
    QStringList aufrufe;
    std::function<bool(int, int)> startfolge;
    void spielerGridUebernehmen() override { aufrufe << QStringLiteral("grid"); }
    bool datenbankGespeichert = true;  // the player database's save succeeds
    bool spielerdatenbankSpeichern() override
    {
        aufrufe << QStringLiteral("datenbank");
        return datenbankGespeichert;
    }
    bool speichertErfolgreich = true;  // a save clears the match's changed mark
    void speichernDialog() override
    {
        aufrufe << QStringLiteral("speichern");
        if (speichertErfolgreich && AktWettkampf) AktWettkampf->Geaendert = 0;
    }
    bool startfolgeLaden(int n, int zeilen) override
    {
        aufrufe << QStringLiteral("startfolge %1 %2").arg(n).arg(zeilen);
        return startfolge && startfolge(n, zeilen);
    }
};

// Byte texts, as the printer streams carry them: "Wurf 1 7-" is lane 1, pin
// character '7', no mark.
struct DruckAufnahme : DruckDienste {
    std::vector<std::string> aufrufe;

    static std::string Z(char c) { return c ? std::string(1, c) : std::string("-"); }
    void merken(const char* was, int b, const std::string& rest = {})
    {
        aufrufe.push_back(std::string(was) + " " + std::to_string(b) + (rest.empty() ? "" : " " + rest));
    }
    void bahndruckBeginnen(int b) override { merken("Beginnen", b); }
    void druckspalteBestimmen(int b) override { merken("Spalte", b); }
    void bahndruckVorStart(int b) override { merken("VorStart", b); }
    void bahndruckNachStart(int b) override { merken("NachStart", b); }
    void bahndruckKopf(int b) override { merken("Kopf", b); }
    void bahndruckSpielerKopf(int b) override { merken("SpielerKopf", b); }
    void bahndruckKopfStart(int b) override { merken("KopfStart", b); }
    void bahndruckVorschub(int b) override { merken("Vorschub", b); }
    void bahndruckSpielerStart(int b) override { merken("SpielerStart", b); }
    void bahndruckWurf(int b, char h, char m) override { merken("Wurf", b, Z(h) + Z(m)); }
    void bahndruckAbschnitt(int b, char h, char m) override { merken("Abschnitt", b, Z(h) + Z(m)); }
    void bahndruckVorWurf(int b) override { merken("VorWurf", b); }
    void bahndruckVorWertung(int b) override { merken("VorWertung", b); }
    void bahndruckWurfzeile(int b, int n, char h) override { merken("Wurfzeile", b, std::to_string(n) + " " + Z(h)); }
    void bahndruckSummenzeile(int b, int n, char h, char m) override
    {
        merken("Summenzeile", b, std::to_string(n) + " " + Z(h) + Z(m));
    }
};

struct NetzAufnahme : NetzDienste {
    QStringList aufrufe;
    void internetUpdate(TWettkampfDaten&) override
    {
        aufrufe << QStringLiteral("update %1 %2").arg(int(AktJavaUpdate)).arg(AktUpdateIntervall);
    }
    void uploadTimer(bool ein, int ms) override { aufrufe << QStringLiteral("timer %1 %2").arg(int(ein)).arg(ms); }
    // The short messages: host, sender name and text, in order.
    struct Nachricht {
        QString host;
        QByteArray sender, text;
        bool operator==(const Nachricht&) const = default;
    };
    std::vector<Nachricht> nachrichten;
    void nachrichtSenden(const QString& host, const QByteArray& sender, const QByteArray& text) override
    {
        nachrichten.push_back({host, sender, text});
    }
};

struct BahnfensterAufnahme : BahnfensterDienste {
    QStringList aufrufe;
    bool aktiv = false;  // result board and match report
    void bahnsteuerungAktualisieren(int b) override { aufrufe << QStringLiteral("steuerung %1").arg(b); }
    void bahnuebersichtAktualisieren(int b) override { aufrufe << QStringLiteral("uebersicht %1").arg(b); }
    void korrekturAktualisieren(int b) override { aufrufe << QStringLiteral("korrektur %1").arg(b); }
    bool ergebnistafelAktiv() const override { return aktiv; }
    bool spielberichtAktiv() const override { return aktiv; }
    void bahnuebersichtZeigen() override { aufrufe << QStringLiteral("uebersicht zeigen"); }
    void bahnuebersichtVerbergen() override { aufrufe << QStringLiteral("uebersicht verbergen"); }
    void bahnsteuerungZeigen(int b) override { aufrufe << QStringLiteral("steuerung zeigen %1").arg(b); }
    void bahnsteuerungVerbergen() override { aufrufe << QStringLiteral("steuerung verbergen"); }
    void bahnsteuerungNachVorn() override { aufrufe << QStringLiteral("steuerung nach vorn"); }
};
