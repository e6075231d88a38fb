#include "displays/Grossanzeige.h"

#include "core/SettingsFile.h"

#include <QFileInfo>

bool BannerAnzeigen = true;

namespace {

// Rows 7 and 8 of the designs: {name, values} of row 7 and of row 8, with
// and without Streichspiel. The other rows continue the Streichspiel step.
struct Ersatzzeilen {
    ErgebnisLage streich7, streich8, normal7, normal8;
};

const Ersatzzeilen& Tabelle(Tafelform form, bool satz)
{
    static constexpr Ersatzzeilen breitNormal{{254, 308}, {294, 348}, {304, 358}, {344, 398}};
    static constexpr Ersatzzeilen breitSatz{{246, 310}, {284, 348}, {284, 348}, {332, 396}};
    static constexpr Ersatzzeilen schmalNormal{{208, 264}, {241, 297}, {242, 300}, {275, 333}};
    static constexpr Ersatzzeilen schmalSatz{{190, 254}, {220, 284}, {220, 284}, {268, 332}};
    if (form == Tafelform::Breit) return satz ? breitSatz : breitNormal;
    return satz ? schmalSatz : schmalNormal;
}

}  // namespace

ErgebnisLage GrossanzZeilenLage(Tafelform form, bool satz, bool streichspiel, int k)
{
    const Ersatzzeilen& t = Tabelle(form, satz);
    if (k == 7 && !streichspiel) return t.normal7;
    if (k == 8 && !streichspiel) return t.normal8;
    const int schritt = t.streich8.nameOben - t.streich7.nameOben;
    const int abstand = (k - 7) * schritt;
    return {t.streich7.nameOben + abstand, t.streich7.werteOben + abstand};
}

Tafelfarben TafelfarbenLesen()
{
    Tafelfarben f;
    f.tafel = Farbe(u"ColorTafel");
    f.heim = Farbe(u"ColorTHeim");
    f.gast = Farbe(u"ColorTGast");
    f.ergebnisse = Farbe(u"ColorTErgebnisse");
    f.headerHeim = Farbe(u"ColorTHeaderHeim");
    f.headerGast = Farbe(u"ColorTHeaderGast");
    f.totalHeim = Farbe(u"ColorTTotalHeim");
    f.totalGast = Farbe(u"ColorTTotalGast");
    f.wurfHeim = Farbe(u"ColorTWurfHeim");
    f.wurfGast = Farbe(u"ColorTWurfGast");
    f.plusHeim = Farbe(u"ColorTPlusHeim");
    f.plusGast = Farbe(u"ColorTPlusGast");
    f.punkteHeim = Farbe(u"ColorTPunkteHeim");
    f.punkteGast = Farbe(u"ColorTPunkteGast");
    f.spieler = Farbe(u"ColorTSpieler");
    f.gestartet = Farbe(u"ColorTGestartet");
    f.fertig = Farbe(u"ColorTFertig");
    return f;
}

u32 Namenfarbe(const TSpielerEintrag& s, const Tafelfarben& f)
{
    if (s.Fertig) return f.fertig;
    return s.Gestartet ? f.gestartet : f.spieler;
}

QString ErsetztText(const TSpielerEintrag& s, bool heim)
{
    const int erster = heim ? 1 : 9;
    if (s.Ersatz < erster || s.Ersatz > erster + 7) return {};
    return QStringLiteral("für Spieler ") + QString::number(s.Ersatz - erster + 1);
}

std::optional<GrossanzZeile> GrossanzeigeZeile(const TWettkampfDaten& w, Tafelform form, int n,
                                               const Tafelfarben& farben)
{
    auto texte = ErgebnistafelSpielerzeile(w, n);
    if (!texte) return std::nullopt;
    const ErgebnisLayout layout = ErgebnistafelLayout(w);
    const ErgebnisSeite& seite = texte->heim ? layout.heim : layout.gast;
    const int k = texte->zeile;
    GrossanzZeile z;
    z.nameSichtbar = seite.zeile[k];
    z.werteSichtbar = seite.werte[k];
    z.lage = GrossanzZeilenLage(form, layout.satz, w.Streichspiel, k);
    z.namenfarbe = Namenfarbe(w.Spieler[n], farben);
    if (k >= 7) {
        z.ersetztSichtbar = layout.satz && !w.Streichspiel;
        z.ersetzt = ErsetztText(w.Spieler[n], texte->heim);
    }
    z.texte = std::move(*texte);
    return z;
}

GrossanzTafel GrossanzeigeAufbauen(const TWettkampfDaten& w, Tafelform form, const Tafelfarben& farben)
{
    GrossanzTafel t;
    t.heim = w.Heimmannschaft.text();
    t.gast = w.Gastmannschaft.text();
    t.banner = form == Tafelform::Breit && BannerAnzeigen;
    t.punkteSichtbar = w.Punktespiel;
    t.satz = w.Satzanzeige;
    t.ersatzSichtbar = !w.Streichspiel;
    for (int n = 1; n <= MaxSpieler; ++n) t.zeilen[n] = *GrossanzeigeZeile(w, form, n, farben);
    t.summe = ErgebnistafelSumme(w);
    return t;
}

Werbeart WerbedateiArt(const QString& datei)
{
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == u"bmp" || endung == u"jpg" || endung == u"jpeg") return Werbeart::Bild;
    if (endung == u"avi" || endung == u"mpg") return Werbeart::Video;
    return Werbeart::Keine;
}
