#include "e2e/Spielaufbau.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"
#include "match/flow/Zustand.h"

#include <sstream>
#include <stdexcept>

namespace {

const char* const Spielernamen[] = {"",           "Anton Adler", "Bernd Brandt", "Carl Conrad",
                                    "Dieter Dorn", "Erwin Eck",   "Fritz Frey",   "Ignaz Igel",
                                    "Jakob Jung",  "Emil Eder",   "Franz Fink",   "Georg Graf",
                                    "Hans Hahn",   "Karl Kern",   "Ludwig Lang",  "Max Moser",
                                    "Otto Ott"};

void Anhaengen(std::string& s, const std::string& t)
{
    if (!t.empty()) s += (s.empty() ? "" : ", ") + t;
}

// Appends "name booked (expected)" to s when the two differ.
template <typename A, typename B>
void Feld(std::string& s, const std::string& name, A gebucht, B erwartet)
{
    if (gebucht == erwartet) return;
    std::ostringstream o;
    o << name << ' ' << gebucht << " (" << erwartet << ')';
    Anhaengen(s, o.str());
}

std::string Hex(unsigned x) { return QString::number(x, 16).toStdString(); }

template <typename R>
std::string Zaehlabweichung(const R& r, int wuerfe, const Zaehlung& z)
{
    std::string s;
    Feld(s, "Volle", int(r.Volle.Zahl), z.volle);
    Feld(s, "Abr", int(r.Abr.Zahl), z.abraeumen);
    Feld(s, "Fehler", int(r.Fehler.Zahl), z.fehler);
    Feld(s, "Wuerfe", wuerfe, z.wuerfe);
    Feld(s, "Total", int(r.Total.Zahl), z.gesamt());
    return s;
}

}  // namespace

void ProgrammZuruecksetzen(const QDateTime& jetzt)
{
    ZustandZuruecksetzen();
    setUhr([jetzt] { return jetzt; });
    Einst.PcEinheit = 2;
    Einst.TimeoutBahnw = 2;
    Einst.SaPWand = true;
}

bool CanAnschliessen(CanAdapter* adapter)
{
    setCanAdapter(adapter);
    Einst.CanBusKarte = 1;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    return CanAktiv == 1;
}

void ProgrammAbbauen()
{
    TimerModulBeenden();
    setCanAdapter(nullptr);
    ZustandZuruecksetzen();
    setUhr({});
}

TWettkampfDaten* WettkampfAufbauen(const Spielart& a)
{
    if (!WettkampfAnlegen()) return nullptr;
    WettkampfVorgabenSetzen();
    return WettkampfEinrichten(a) ? AktWettkampf : nullptr;
}

bool WettkampfEinrichten(const Spielart& a)
{
    Einst.Bahnsteuerung = u8(a.bahnsteuerung);
    if (!AktWettkampf) return false;
    TWettkampfDaten& m = *AktWettkampf;
    m.Heimmannschaft = "KSC Ahorn 1";
    m.Gastmannschaft = "SG Birkenau 1";
    m.ErsteBahn = u8(a.ersteBahn);
    m.LetzteBahn = u8(a.letzteBahn);
    m.Volle = u16(a.volle);
    m.Abraeumen = u16(a.abraeumen);
    m.Durchgaenge = u16(a.durchgaenge);
    m.Wurfzeit = 12;
    m.Spielmodus = u16(a.spielmodus);
    m.Spieleranzahl = u16(a.spieleranzahl);
    m.Art = u16(a.art);
    m.Probe = u16(a.probe);
    ProbewuerfeUebernehmen();
    m.Punktespiel = a.punktespiel;
    m.SVictory1Spiel = a.suddenVictory;
    m.SVictoryWuerfe = 3;
    if (!StartfolgeZuordnen()) return false;
    for (int nr = 1; nr <= MaxSpieler; ++nr) m.Spieler[nr].Name = Spielernamen[nr];
    return true;
}

const Startplan PlanVierBahnenSechsSpieler{
    {1, 9, 2, 10}, {9, 1, 10, 2}, {10, 2, 9, 1}, {2, 10, 1, 9},
    {3, 11, 4, 12}, {11, 3, 12, 4}, {12, 4, 11, 3}, {4, 12, 3, 11},
    {5, 13, 6, 14}, {13, 5, 14, 6}, {14, 6, 13, 5}, {6, 14, 5, 13},
};

const Startplan PlanZweiBahnenVierSpieler{{1, 9}, {9, 1}, {10, 2}, {2, 10}, {3, 11}, {11, 3}, {12, 4}, {4, 12}};

int BlockNr(const Startplan& plan, int nr, std::size_t r)
{
    int n = 0;
    for (std::size_t k = 0; k <= r; ++k)
        for (int s : plan[k])
            if (s == nr) ++n;
    return n;
}

Wurfliste Wuerfe(const QString& text)
{
    QString fehler;
    const std::optional<Wurfliste> w = WuerfeLesen(text, &fehler);
    if (!w) throw std::invalid_argument((text + QStringLiteral(": ") + fehler).toStdString());
    return *w;
}

std::map<int, Wurfliste> Skripte(const Startplan& plan, int ersteBahn,
                                 const std::function<QString(int nr, int d)>& teil)
{
    std::map<int, Wurfliste> s;
    for (std::size_t r = 0; r < plan.size(); ++r)
        for (std::size_t k = 0; k < plan[r].size(); ++k) {
            const int nr = plan[r][k];
            const Wurfliste w = Wuerfe(teil(nr, BlockNr(plan, nr, r)));
            Wurfliste& bahn = s[ersteBahn + int(k)];
            bahn.insert(bahn.end(), w.begin(), w.end());
        }
    return s;
}

void RundeMerken(Runden& r, const TWettkampfDaten& m)
{
    if (!r.empty() && m.Durchgang == r.back().first) return;
    std::vector<int> b;
    for (int bahn = m.ErsteBahn; bahn <= m.LetzteBahn; ++bahn) b.push_back(m.Bahnbelegung[bahn]);
    r.push_back({m.Durchgang, b});
}

Runden PlanRunden(const Startplan& plan)
{
    Runden r;
    for (std::size_t k = 0; k < plan.size(); ++k) r.push_back({int(k) + 1, plan[k]});
    r.push_back({int(plan.size()) + 1, plan.back()});
    return r;
}

Bahnsimulator::Vorgaben SimVorgaben(int wurfTakt, int startVerzoegerung, int probeTakte, std::uint32_t seed)
{
    Bahnsimulator::Vorgaben v;
    v.bahnen = 4;
    v.pcEinheit = 2;
    v.wurfTakt = wurfTakt;
    v.startVerzoegerung = startVerzoegerung;
    v.probeTakte = probeTakte;
    v.seed = seed;
    return v;
}

void Anlage::schritt()
{
    for (int i = 0; i < 5; ++i)
        if (CanSendeTimer().enabled()) CanSendenTick();
    Timer3Go();
    Timer2Go();
    if (++schritte % 20 == 0) {
        if (Timer9().enabled()) Timer9Go();
        if (TimerSpielEnde().enabled()) TimerSpielEndeGo();
        if (TimerBahnEnde().enabled()) TimerBahnEndeGo();
    }
    m_zurBahn.insert(m_zurBahn.end(), bus.gesendet.begin(), bus.gesendet.end());
    bus.gesendet.clear();
    while (const std::optional<CanRohRahmen> r = sim.naechster()) m_zumPc.push_back(*r);
    if (halten > 0) {
        --halten;
        if (nurVonBahnen) {
            for (const CanRohRahmen& r : m_zurBahn) sim.empfangen(r);
            m_zurBahn.clear();
            while (const std::optional<CanRohRahmen> r = sim.naechster()) m_zumPc.push_back(*r);
        }
    } else {
        for (const CanRohRahmen& r : m_zurBahn) sim.empfangen(r);
        for (const CanRohRahmen& r : m_zumPc) bus.empfangen.append(r);
        m_zurBahn.clear();
        m_zumPc.clear();
        // What the lanes answer at once crosses in the same step.
        while (const std::optional<CanRohRahmen> r = sim.naechster()) bus.empfangen.append(*r);
    }
    sim.tick();
    if (beobachter) beobachter();
}

bool Anlage::bis(const std::function<bool()>& ziel, long grenze)
{
    for (long n = 0; n < grenze; ++n) {
        if (ziel()) return true;
        schritt();
    }
    return ziel();
}

bool Anlage::ausklingen()
{
    return bis([this] {
        return BahnSendenAusstehend == 0 && bus.empfangen.isEmpty() && m_zurBahn.empty() && m_zumPc.empty();
    });
}

std::string Abweichung(const TDurchgangBlock& b, const Zaehlung& z) { return Zaehlabweichung(b, b.Wurf.Zahl, z); }
std::string Abweichung(const TSpielerEintrag& p, const Zaehlung& z) { return Zaehlabweichung(p, p.Wurf.Zahl, z); }
std::string Abweichung(const TMannschaftBlock& s, const Zaehlung& z) { return Zaehlabweichung(s, s.Wuerfe.Zahl, z); }

std::vector<std::string> BuchungVergleichen(const TWettkampfDaten& m, const Bahnsimulator& sim,
                                            const Startplan& plan, bool spielerGemeldet)
{
    std::vector<std::string> fehler;
    auto melden = [&](const std::string& wo, const std::string& was) {
        if (!was.empty()) fehler.push_back(wo + ": " + was);
    };
    std::map<int, Zaehlung> teile, gemeldet;
    for (std::size_t r = 0; r < plan.size(); ++r)
        for (std::size_t k = 0; k < plan[r].size(); ++k) {
            const int bahn = m.ErsteBahn + int(k);
            const int nr = plan[r][k];
            const std::string wo = "round " + std::to_string(r + 1) + ", lane " + std::to_string(bahn);
            if (sim.teile(bahn).size() <= r) {
                melden(wo, "not played");
                continue;
            }
            const Teil& t = sim.teile(bahn)[r];
            const TDurchgangBlock& b = m.Spieler[nr].Durchgang[BlockNr(plan, nr, r)];
            std::string s;
            Feld(s, "Bahn", int(b.Bahn), bahn);
            Feld(s, "throws on the lane", t.wuerfe.size(), std::size_t(m.Volle + m.Abraeumen));
            if (spielerGemeldet) Feld(s, "player on the lane", t.spieler, nr);
            for (const GemeldeterWurf& w : t.wuerfe) {
                const std::string n = "throw " + std::to_string(w.nr);
                Feld(s, n + " Wurfbild", Hex(b.Wurfbild[w.nr]), Hex(WurfbildVorhanden | w.bild));
                Feld(s, n + " Wurfart", Hex(b.Wurfart[w.nr] & 0xFF), Hex(w.flags));
                gemeldet[w.spieler].addieren(w);
            }
            Anhaengen(s, Abweichung(b, t.zaehlung()));
            melden(wo, s);
            teile[nr] += t.zaehlung();
        }
    Zaehlung heim, gast;
    for (const auto& [nr, z] : teile) {
        const std::string wo = "player " + std::to_string(nr);
        melden(wo, Abweichung(m.Spieler[nr], z));
        if (spielerGemeldet) melden(wo + " as the lanes named him", Abweichung(m.Spieler[nr], gemeldet[nr]));
        (nr <= 8 ? heim : gast) += z;
    }
    melden("home", Abweichung(m.Heim, heim));
    melden("guest", Abweichung(m.Gast, gast));
    return fehler;
}

std::string Abweichung(const TMannschaftBlock& s, const Seitenvorgabe& v)
{
    std::string a;
    Feld(a, "Total", int(s.Total.Zahl), v.total);
    Feld(a, "Volle", int(s.Volle.Zahl), v.volle);
    Feld(a, "Abr", int(s.Abr.Zahl), v.abr);
    Feld(a, "Fehler", int(s.Fehler.Zahl), v.fehler);
    Feld(a, "Wuerfe", int(s.Wuerfe.Zahl), v.wuerfe);
    Feld(a, "SaP", s.SaP, v.sap);
    Feld(a, "MaP", s.MaP, v.map);
    Feld(a, "ErgebnisMaP", s.ErgebnisMaP, v.ergebnisMaP);
    Feld(a, "TotalMaP", s.TotalMaP, v.totalMaP);
    Feld(a, "TaP", s.TaP.text().toStdString(), std::string(v.tap));
    return a;
}

std::string PunkteAbweichung(const TSpielerEintrag& p, const std::vector<float>& sap, float map)
{
    std::string a;
    float summe = 0;
    for (std::size_t d = 0; d < sap.size(); ++d) {
        Feld(a, "SaP " + std::to_string(d + 1), p.Durchgang[long(d) + 1].SaP, sap[d]);
        summe += sap[d];
    }
    Feld(a, "SaP", p.SaP, summe);
    Feld(a, "MaP", p.MaP, map);
    return a;
}
